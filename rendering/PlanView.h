#pragma once
// What a plan drawing shows and where: the variant and storey, the edit mode
// whose marks and labels it adds, the scale in view units per metre and as
// the plan scale's denominator (which decides what is dimensioned), the
// building position drawn at view (0, 0), and the palette. Every plan layer
// and the full paint draw through one; none reads the editing state itself.
#include <cstdint>

#include "model/GridView.h"
#include "model/ViewState.h"

// The screen's colours, or the printed plan's. The layers know the screen's
// colours only and draw them in either.
enum class PlanPaletteKind : int32_t { Screen, Print };

struct PlanView {
  int32_t Variant = 0;
  int32_t Storey = 0;
  int32_t EditMode = EditModeNone;
  double UnitsPerMetre = 0;
  int32_t ScaleDenominator = DefaultPlanScaleDenominator;  // 1/n
  double OriginX = 0;                                      // metres
  double OriginY = 0;
  PlanPaletteKind Palette = PlanPaletteKind::Screen;

  bool operator==(const PlanView&) const = default;

  // A building position in view units, not yet truncated.
  double ScaledX(double metres) const { return (metres - OriginX) * UnitsPerMetre; }
  double ScaledY(double metres) const { return (metres - OriginY) * UnitsPerMetre; }
  // The view column of X axis i and the row of Y axis j (on the grid).
  int32_t GridX(int32_t i) const { return GridViewX(i, UnitsPerMetre, OriginX); }
  int32_t GridY(int32_t j) const { return GridViewY(j, UnitsPerMetre, OriginY); }
};

// The plan window's view: the current variant, storey and edit mode at the
// plan scale's PixelsPerMetre, sheet pixels from 0 m, screen colours.
PlanView ScreenPlanView();
