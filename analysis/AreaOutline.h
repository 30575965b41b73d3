#pragma once
// The corners of a roof/floor area as positions on the grid, and the clipping
// of a triangle by a straight line parallel to an axis.
#include <cstdint>

#include "model/ElementRecords.h"

struct AreaOutline {
  // False when a corner index lies off the grid (a damaged file): such an
  // area counts as 0 m² everywhere and is left out of every sum.
  bool OnGrid;
  int32_t CornerCount;  // 2 diagonal corners of a rectangle, or 3 of a triangle
  int32_t AxisX[3], AxisY[3];
  double X[3], Y[3];  // GridAxisX / GridAxisY of the corners, m
  double Area;        // m²
};

AreaOutline RectangleOutline(const RoofFloorRectRecord& rect);
AreaOutline TriangleOutline(const RoofFloorTriangleRecord& triangle);

// Area of the part of the triangle (u[i], w[i]) where u <= bound, or u >= bound
// when keepGreater. Corners on the line count as inside. Never divides by zero,
// whatever the corners: coinciding or collinear corners give what is there.
double ClippedTriangleArea(const double u[3], const double w[3], double bound, bool keepGreater);
