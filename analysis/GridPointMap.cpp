#include "analysis/GridPointMap.h"

#include <cstring>

#include "analysis/ColumnOrdering.h"
#include "model/ModelAccess.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

int32_t GridPointMap[VariantCount][StoreyCount][GridPointMapSize][GridPointMapSize];
BraceEndCodes BraceEndMap[VariantCount][StoreyCount][GridPointMapSize][GridPointMapSize];
int32_t ColumnOrderX[VariantCount][StoreyCount][MaxColumnsPerStorey];

namespace {

// Counts from a damaged file may lie outside 0..max.

bool IsFloorAreaCode(int32_t code) { return code == 0 || code == 14 || code == 15 || code == 16; }

bool HoldsColumn(int32_t value) { return value != 0 && value != GridPointFloorMark; }

// Positive on one side of the line through a and b, negative on the other.
double Side(double xp, double yp, double xa, double ya, double xb, double yb) {
  return (xa - xb) * (yp - ya) + (ya - yb) * (xa - xp);
}

bool OutsideEdge(double xp, double yp, double xa, double ya, double xb, double yb, double xo, double yo) {
  return Side(xo, yo, xa, ya, xb, yb) * Side(xp, yp, xa, ya, xb, yb) < -0.00001;
}

using StoreyMap = int32_t[GridPointMapSize][GridPointMapSize];

void MarkFloorRectangle(StoreyMap& map, const RoofFloorRectRecord& r) {
  // Only index comparisons here: the part of the rectangle that lies on the grid is covered.
  const int32_t x0 = MaxInt(MinInt(r.X1, r.X2), 0), x1 = MinInt(MaxInt(r.X1, r.X2), GridAxisCountX - 1);
  const int32_t y0 = MaxInt(MinInt(r.Y1, r.Y2), 0), y1 = MinInt(MaxInt(r.Y1, r.Y2), GridAxisCountY - 1);
  for (int32_t x = x0; x <= x1; ++x)
    for (int32_t y = y0; y <= y1; ++y) map[x][y] |= GridPointFloorMark;
}

void MarkFloorTriangle(StoreyMap& map, const RoofFloorTriangleRecord& t) {
  // The inside test needs positions, which a corner off the grid does not have.
  if (!OnGrid(t.X1, t.Y1) || !OnGrid(t.X2, t.Y2) || !OnGrid(t.X3, t.Y3)) return;
  const double ax = GridAxisX[t.X1], ay = GridAxisY[t.Y1];
  const double bx = GridAxisX[t.X2], by = GridAxisY[t.Y2];
  const double cx = GridAxisX[t.X3], cy = GridAxisY[t.Y3];
  const int32_t x0 = MinInt(MinInt(t.X1, t.X2), t.X3), x1 = MaxInt(MaxInt(t.X1, t.X2), t.X3);
  const int32_t y0 = MinInt(MinInt(t.Y1, t.Y2), t.Y3), y1 = MaxInt(MaxInt(t.Y1, t.Y2), t.Y3);
  for (int32_t x = x0; x <= x1; ++x) {
    for (int32_t y = y0; y <= y1; ++y) {
      const double px = GridAxisX[x], py = GridAxisY[y];
      if (OutsideEdge(px, py, ax, ay, bx, by, cx, cy) || OutsideEdge(px, py, bx, by, cx, cy, ax, ay) ||
          OutsideEdge(px, py, cx, cy, ax, ay, bx, by))
        continue;
      map[x][y] |= GridPointFloorMark;
    }
  }
}

// Column points counted over the used extent, so that each quadrant test is
// four look-ups instead of a scan: prefix[i][j] counts the column points with
// x - minX < i and y - minY < j.
int32_t columnPrefix[GridPointMapSize + 1][GridPointMapSize + 1];

void MarkOuterCorners(StoreyMap& map, int32_t minX, int32_t maxX, int32_t minY, int32_t maxY) {
  minX = MaxInt(minX, 0);
  minY = MaxInt(minY, 0);
  maxX = MinInt(maxX, GridAxisCountX - 1);
  maxY = MinInt(maxY, GridAxisCountY - 1);
  if (minX > maxX || minY > maxY) return;
  const int32_t w = maxX - minX + 1, h = maxY - minY + 1;
  for (int32_t j = 0; j <= h; ++j) columnPrefix[0][j] = 0;
  for (int32_t i = 1; i <= w; ++i) {
    columnPrefix[i][0] = 0;
    for (int32_t j = 1; j <= h; ++j)
      columnPrefix[i][j] = columnPrefix[i - 1][j] + columnPrefix[i][j - 1] - columnPrefix[i - 1][j - 1] +
                           (HoldsColumn(map[minX + i - 1][minY + j - 1]) ? 1 : 0);
  }
  // Column points in the index box [x0, x1] x [y0, y1], the point itself included.
  auto count = [&](int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
    x0 -= minX, x1 -= minX - 1, y0 -= minY, y1 -= minY - 1;
    return columnPrefix[x1][y1] - columnPrefix[x0][y1] - columnPrefix[x1][y0] + columnPrefix[x0][y0];
  };
  for (int32_t x = minX; x <= maxX; ++x) {
    for (int32_t y = minY; y <= maxY; ++y) {
      if (!HoldsColumn(map[x][y])) continue;
      const bool openQuadrant = count(minX, x, minY, y) == 1 || count(x, maxX, minY, y) == 1 ||
                                count(minX, x, y, maxY) == 1 || count(x, maxX, y, maxY) == 1;
      if (openQuadrant) map[x][y] = -map[x][y];
    }
  }
}

}  // namespace

void SortColumnIndex() {
  const int32_t v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  for (int s = 0; s <= ProjectSettings.TopStorey[v] && s < StoreyCount; ++s) {
    const int32_t n = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
    if (n == 0) continue;
    // X ascending, within one X index Y descending.
    const ColumnRecord* columns = Columns[v][s];
    int64_t x[MaxColumnsPerStorey], minusY[MaxColumnsPerStorey];
    for (int32_t j = 0; j < n; ++j) x[j] = columns[j].X, minusY[j] = -int64_t{columns[j].Y};
    OrderByTwoKeys(x, minusY, n, ColumnOrderX[v][s]);
  }
}

void BuildGridPointMap() {
  const int32_t v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  for (int s = 0; s <= ProjectSettings.TopStorey[v] && s < StoreyCount; ++s) {
    StoreyMap& map = GridPointMap[v][s];
    for (int32_t x = 0; x < GridAxisCountX; ++x) {
      std::memset(map[x], 0, sizeof(int32_t) * GridAxisCountY);
      std::memset(BraceEndMap[v][s][x], 0, sizeof(BraceEndCodes) * GridAxisCountY);
    }

    const ColumnRecord* columns = Columns[v][s];
    const int32_t columnCount = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
    for (int32_t i = 0; i < columnCount; ++i) {
      const ColumnRecord& c = columns[i];
      if (OnGrid(c.X, c.Y)) map[c.X][c.Y] = GridPointColumnCode(c.Type, c.Hardware);
    }

    for (int32_t i = 0, n = ListLength(RoofFloorRectCount[v][s], MaxRoofFloorRectsPerStorey); i < n; ++i)
      if (IsFloorAreaCode(RoofFloorRects[v][s][i].AreaCode)) MarkFloorRectangle(map, RoofFloorRects[v][s][i]);
    for (int32_t i = 0, n = ListLength(RoofFloorTriangleCount[v][s], MaxRoofFloorTrianglesPerStorey); i < n;
         ++i)
      if (IsFloorAreaCode(RoofFloorTriangles[v][s][i].AreaCode))
        MarkFloorTriangle(map, RoofFloorTriangles[v][s][i]);

    MarkOuterCorners(map, UsedExtentMinX[v][s], UsedExtentMaxX[v][s], UsedExtentMinY[v][s],
                     UsedExtentMaxY[v][s]);

    for (int32_t i = 0; i < columnCount; ++i) {
      const ColumnRecord& c = columns[i];
      if (!OnGrid(c.X, c.Y)) continue;
      int32_t& value = map[c.X][c.Y];
      if ((c.CornerSetting == 1 && value > 0) || (c.CornerSetting == 2 && value < 0)) value = -value;
    }
  }
}
