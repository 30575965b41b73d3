#include "rendering/PlanView.h"

PlanView ScreenPlanView() {
  PlanView view;
  view.Variant = CurrentVariant;
  view.Storey = CurrentStorey;
  view.EditMode = CurrentEditMode;
  view.UnitsPerMetre = PixelsPerMetre;
  view.ScaleDenominator = PlanScaleDenominator;
  view.OriginX = 0;
  view.OriginY = 0;
  view.Palette = PlanPaletteKind::Screen;
  return view;
}
