#include "rendering/PlanPaint.h"

#include "chain/RecalculationChain.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "rendering/AreaLayer.h"
#include "rendering/Canvas.h"
#include "rendering/CentresOverlay.h"
#include "rendering/ColumnLayer.h"
#include "rendering/FloorSpecLayer.h"
#include "rendering/FoundationLayer.h"
#include "rendering/FreeLineLayer.h"
#include "rendering/GableWallLayer.h"
#include "rendering/GridAxisLayer.h"
#include "rendering/TextLabelLayer.h"
#include "rendering/WallLayer.h"

namespace {

// The lines of one direction: across the sheet at each axis of X (upright
// lines) or of Y (level lines).
void DrawAxisLines(Canvas& canvas, const PlanView& view, bool upright, int32_t length) {
  const int32_t count = upright ? GridAxisCountX : GridAxisCountY;
  const int32_t* const kinds = upright ? GridAxisKindX : GridAxisKindY;
  for (int32_t k = 0; k < count; ++k) {
    canvas.SetPenColour(GridLineColour(kinds[k]));
    const int32_t at = upright ? view.GridX(k) : view.GridY(k);
    if (upright) {
      canvas.MoveTo(at, 0);
      canvas.LineTo(at, length);
    } else {
      canvas.MoveTo(0, at);
      canvas.LineTo(length, at);
    }
  }
}

}  // namespace

void DrawGridLines(Canvas& canvas, const PlanView& view, int32_t sheetWidth, int32_t sheetHeight) {
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Dot);
  canvas.SetPenMode(PenMode::Copy);
  DrawAxisLines(canvas, view, true, sheetHeight);
  DrawAxisLines(canvas, view, false, sheetWidth);
}

void DrawPlanLayers(Canvas& canvas, const PlanView& view) {
  // The balloons and dimensions belong to the chain's first step, which names
  // the axes; nothing of the chain draws, so they come first of the layers.
  DrawGridAxes(canvas, view);
  // Foundations come first unless the foundation is uniform or the other
  // storey's walls are shown in their place.
  if (ProjectSettings.UniformFoundation == SettingOff &&
      ProjectSettings.ShowOtherStoreyWalls == ShowFoundationsBelow)
    DrawFoundations(canvas, view);
  // In the roof/floor edit mode the areas are drawn again on top below; the
  // XOR quarter lines are drawn by that pass only, so that they show.
  DrawRoofFloorAreas(canvas, view, view.EditMode != EditModeRoofFloor);
  DrawOtherStoreyWalls(canvas, view);
  DrawOtherStoreyColumns(canvas, view);
  DrawWalls(canvas, view);
  DrawColumns(canvas, view);
  if (ProjectSettings.BalanceMethod == BalanceByEccentricity) DrawCentresOverlay(canvas, view);
  DrawTextLabels(canvas, view);
  DrawFreeLines(canvas, view);
  if (view.EditMode == EditModeRoofFloor) DrawRoofFloorAreas(canvas, view);
  if (view.EditMode == EditModeGable) DrawGableWalls(canvas, view);
  DrawFloorSpecs(canvas, view);
  // On the first storey in the foundation edit mode the foundations, then the
  // other storey's walls and columns, are drawn again on top of everything.
  const bool foundationsOnTop = view.Storey == 0 && view.EditMode == EditModeFoundation;
  if (foundationsOnTop) DrawFoundations(canvas, view);
  if (foundationsOnTop) DrawOtherStoreyWalls(canvas, view);
  if (foundationsOnTop) DrawOtherStoreyColumns(canvas, view);
}

void PaintFullPlan(Canvas& canvas, const PlanView& view, int32_t sheetWidth, int32_t sheetHeight) {
  UpdateUsedExtents();
  DrawGridLines(canvas, view, sheetWidth, sheetHeight);
  RunRecalculationChain();
  DrawPlanLayers(canvas, view);
}
