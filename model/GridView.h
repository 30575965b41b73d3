#pragma once
// Grid axes in the units of a view (screen pixels, page pixels): the axis
// position less the view's origin, times the units per metre, truncated
// toward zero and clipped to ViewUnitLimit. The screen's sheet has its origin
// at 0 m.
#include <cstdint>

#include "model/Grid.h"
#include "platform/Numeric.h"

// The largest magnitude of a view coordinate. A plan at the largest scale
// reaches a few million units at the farthest axis a file holds; this leaves
// room for that and keeps sums and differences of a few coordinates (a mark's
// reach, a label's offset, a line's length) inside int32_t.
inline constexpr int32_t ViewUnitLimit = 1 << 28;

// Units of a view as the canvas takes them: truncated toward zero and clipped
// to +-ViewUnitLimit; NaN gives 0.
inline int32_t ToViewUnits(double units) {
  if (!(units == units)) return 0;
  if (units >= ViewUnitLimit) return ViewUnitLimit;
  if (units <= -ViewUnitLimit) return -ViewUnitLimit;
  return static_cast<int32_t>(units);
}

// The view column of X axis i and the view row of Y axis j; i and j must lie on the grid.
inline int32_t GridViewX(int32_t i, double unitsPerMetre, double originMetres = 0) {
  return ToViewUnits((GridAxisX[i] - originMetres) * unitsPerMetre);
}
inline int32_t GridViewY(int32_t j, double unitsPerMetre, double originMetres = 0) {
  return ToViewUnits((GridAxisY[j] - originMetres) * unitsPerMetre);
}
