#pragma once
// What the roof/floor and the floor-specification inputs share: when the
// clicked points pick an existing rectangle or triangle, and whether the
// points enclose an area.
#include <cstdint>

#include "model/ModelAccess.h"

// A rectangle is picked by its two X indices and its two Y indices, each pair
// in either order (the same rectangle from either diagonal).
template <typename Record>
bool PicksRectangle(const Record& r, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const auto pair = [](int32_t a1, int32_t a2, int32_t b1, int32_t b2) {
    return (a1 == b1 && a2 == b2) || (a1 == b2 && a2 == b1);
  };
  return pair(r.X1, r.X2, x1, x2) && pair(r.Y1, r.Y2, y1, y2);
}

// A triangle is picked by its three points in any order; the three clicked
// points are distinct.
template <typename Record>
bool PicksTriangle(const Record& t, const int32_t (&p)[6]) {
  const int32_t q[6] = {t.X1, t.Y1, t.X2, t.Y2, t.X3, t.Y3};
  for (int32_t i = 0; i < 6; i += 2) {
    bool found = false;
    for (int32_t j = 0; j < 6 && !found; j += 2) found = p[i] == q[j] && p[i + 1] == q[j + 1];
    if (!found) return false;
  }
  return true;
}

// Three points that coincide or lie on one line of the index grid.
inline bool DegenerateTriangle(const int32_t (&p)[6]) {
  const int32_t x1 = p[0], y1 = p[1], x2 = p[2], y2 = p[3], x3 = p[4], y3 = p[5];
  if ((x3 == x1 && y3 == y1) || (x3 == x2 && y3 == y2) || (x1 == x2 && y1 == y2)) return true;
  return (x3 - x2) * (y3 - y1) == (x3 - x1) * (y3 - y2);
}

inline bool PointsOnGrid(const int32_t* p, int32_t pointCount) {
  for (int32_t i = 0; i < 2 * pointCount; i += 2)
    if (!OnGrid(p[i], p[i + 1])) return false;
  return true;
}

// Whether the axis positions of the points enclose any area (two axes may
// share a position).
inline bool RectangleHasArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return (AxisX(x2) - AxisX(x1)) * (AxisY(y2) - AxisY(y1)) != 0.0;
}
inline bool TriangleHasArea(const int32_t (&p)[6]) {
  const double ax = AxisX(p[0]), ay = AxisY(p[1]), bx = AxisX(p[2]), by = AxisY(p[3]);
  const double cx = AxisX(p[4]), cy = AxisY(p[5]);
  return ((bx - cx) * (ay - cy) - (ax - cx) * (by - cy)) / 2 != 0.0;
}
