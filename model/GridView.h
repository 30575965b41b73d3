#pragma once
// Grid axes in the units of a view (screen pixels, page pixels): the axis
// position less the view's origin, times the units per metre, truncated
// toward zero. The screen's sheet has its origin at 0 m.
#include <cstdint>

#include "model/Grid.h"
#include "platform/Numeric.h"

// The view column of X axis i and the view row of Y axis j; i and j must lie on the grid.
inline int32_t GridViewX(int32_t i, double unitsPerMetre, double originMetres = 0) {
  return TruncToInt((GridAxisX[i] - originMetres) * unitsPerMetre);
}
inline int32_t GridViewY(int32_t j, double unitsPerMetre, double originMetres = 0) {
  return TruncToInt((GridAxisY[j] - originMetres) * unitsPerMetre);
}
