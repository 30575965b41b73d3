#include "editing/WallCrossing.h"

#include <cmath>

#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"

namespace {

// Below 0 when `at` lies strictly between a and b; wide enough for indices far off the grid.
int64_t Straddle(int64_t a, int64_t b, int64_t at) { return (a - at) * (b - at); }

// The crossing test of a first wall along an axis, in coordinates along that
// axis (u) and across it (w), the first wall at w: 1 when the walls overlap or
// cross, 0 when they do not, -1 when the second wall is diagonal and the
// general test decides.
int32_t AxisWallCrosses(int32_t u1, int32_t w, int32_t u2, int32_t u3, int32_t w3, int32_t u4, int32_t w4) {
  if (w3 == w4) {
    if (w != w3) return 0;
    const int32_t low = u1 < u2 ? u1 : u2, high = u1 < u2 ? u2 : u1;
    return (high > u3 || high > u4) && (low < u3 || low < u4) ? 1 : 0;
  }
  if (u3 == u4) return Straddle(u1, u2, u3) < 0 && Straddle(w3, w4, w) < 0 ? 1 : 0;
  return -1;
}

}  // namespace

int32_t WallsCross(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                   int32_t y4) {
  if (y1 == y2) {
    const int32_t crossing = AxisWallCrosses(x1, y1, x2, x3, y3, x4, y4);
    if (crossing >= 0) return crossing;
  }
  if (x1 == x2) {
    const int32_t crossing = AxisWallCrosses(y1, x1, y2, y3, x3, y4, x4);
    if (crossing >= 0) return crossing;
  }

  // A point off the grid has no position to compare.
  if (!OnGrid(x1, y1) || !OnGrid(x2, y2) || !OnGrid(x3, y3) || !OnGrid(x4, y4)) return 0;
  const double X1 = GridAxisX[x1], Y1 = GridAxisY[y1], X2 = GridAxisX[x2], Y2 = GridAxisY[y2];
  const double X3 = GridAxisX[x3], Y3 = GridAxisY[y3], X4 = GridAxisX[x4], Y4 = GridAxisY[y4];
  if (MaxDouble(X1, X2) <= MinDouble(X3, X4) || MinDouble(X1, X2) >= MaxDouble(X3, X4)) return 0;
  if (MaxDouble(Y1, Y2) <= MinDouble(Y3, Y4) || MinDouble(Y1, Y2) >= MaxDouble(Y3, Y4)) return 0;
  const double s3 = (X1 - X2) * (Y3 - Y1) + (Y1 - Y2) * (X1 - X3);
  const double s4 = (X1 - X2) * (Y4 - Y1) + (Y1 - Y2) * (X1 - X4);
  const double s1 = (X3 - X4) * (Y1 - Y3) + (Y3 - Y4) * (X3 - X1);
  const double s2 = (X3 - X4) * (Y2 - Y3) + (Y3 - Y4) * (X3 - X2);
  if (std::fabs(s3) <= 0.0001 && std::fabs(s4) <= 0.0001) return 1;
  if (std::fabs(s3 * s4) <= 0.0001 || std::fabs(s1 * s2) <= 0.0001) return 0;
  return s3 * s4 < 0 && s1 * s2 < 0 ? 1 : 0;
}
