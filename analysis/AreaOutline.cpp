#include "analysis/AreaOutline.h"

#include <cmath>

#include "model/Grid.h"

namespace {

bool OnGridX(int32_t i) { return i >= 0 && i < GridAxisCountX; }
bool OnGridY(int32_t j) { return j >= 0 && j < GridAxisCountY; }

}  // namespace

AreaOutline RectangleOutline(const RoofFloorRectRecord& rect) {
  AreaOutline o{};
  o.CornerCount = 2;
  o.AxisX[0] = rect.X1, o.AxisY[0] = rect.Y1;
  o.AxisX[1] = rect.X2, o.AxisY[1] = rect.Y2;
  o.OnGrid = OnGridX(rect.X1) && OnGridX(rect.X2) && OnGridY(rect.Y1) && OnGridY(rect.Y2);
  if (!o.OnGrid) return o;
  for (int k = 0; k < 2; ++k) {
    o.X[k] = GridAxisX[o.AxisX[k]];
    o.Y[k] = GridAxisY[o.AxisY[k]];
  }
  // Absolute sides: on a grid whose positions do not follow the axis order
  // the area must still not turn negative.
  o.Area = std::fabs(o.Y[1] - o.Y[0]) * std::fabs(o.X[1] - o.X[0]);
  return o;
}

AreaOutline TriangleOutline(const RoofFloorTriangleRecord& triangle) {
  AreaOutline o{};
  o.CornerCount = 3;
  o.AxisX[0] = triangle.X1, o.AxisY[0] = triangle.Y1;
  o.AxisX[1] = triangle.X2, o.AxisY[1] = triangle.Y2;
  o.AxisX[2] = triangle.X3, o.AxisY[2] = triangle.Y3;
  o.OnGrid = true;
  for (int k = 0; k < 3; ++k) o.OnGrid = o.OnGrid && OnGridX(o.AxisX[k]) && OnGridY(o.AxisY[k]);
  if (!o.OnGrid) return o;
  for (int k = 0; k < 3; ++k) {
    o.X[k] = GridAxisX[o.AxisX[k]];
    o.Y[k] = GridAxisY[o.AxisY[k]];
  }
  const double x1 = o.X[0], y1 = o.Y[0], x2 = o.X[1], y2 = o.Y[1], x3 = o.X[2], y3 = o.Y[2];
  o.Area = std::fabs(((y1 - y3) * (x2 - x3) - (y2 - y3) * (x1 - x3)) / 2);
  return o;
}

double ClippedTriangleArea(const double u[3], const double w[3], double bound, bool keepGreater) {
  // One pass of polygon clipping against the half-plane; a triangle gives at most four corners.
  double cu[4], cw[4];
  int n = 0;
  for (int i = 0; i < 3; ++i) {
    const int j = (i + 1) % 3;
    const double di = keepGreater ? u[i] - bound : bound - u[i];
    const double dj = keepGreater ? u[j] - bound : bound - u[j];
    const bool insideI = di >= 0, insideJ = dj >= 0;
    if (insideI) {
      cu[n] = u[i];
      cw[n] = w[i];
      ++n;
    }
    if (insideI != insideJ) {
      const double t = di / (di - dj);  // one side >= 0, the other < 0: never 0 / 0
      cu[n] = u[i] + t * (u[j] - u[i]);
      cw[n] = w[i] + t * (w[j] - w[i]);
      ++n;
    }
  }
  double twice = 0;
  for (int i = 0; i < n; ++i) {
    const int j = (i + 1) % n;
    twice += cu[i] * cw[j] - cu[j] * cw[i];
  }
  return std::fabs(twice) / 2;
}
