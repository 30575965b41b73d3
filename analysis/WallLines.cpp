#include "analysis/WallLines.h"

#include <cmath>

#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

int32_t XWallOrder[VariantCount][StoreyCount][WallLineEntryCapacity];
int32_t XWallLineKey[VariantCount][StoreyCount][WallLineEntryCapacity];
int32_t XWallCount[VariantCount][StoreyCount];
int32_t YWallOrder[VariantCount][StoreyCount][WallLineEntryCapacity];
int32_t YWallLineKey[VariantCount][StoreyCount][WallLineEntryCapacity];
int32_t YWallCount[VariantCount][StoreyCount];

namespace {

void SwapEntries(int32_t* order, int32_t* key, int32_t i, int32_t j) {
  const int32_t wall = order[i], line = key[i];
  order[i] = order[j];
  key[i] = key[j];
  order[j] = wall;
  key[j] = line;
}

// The exchange passes below are the order itself: their tie-breaks decide
// where walls sharing a line end up, so they must stay exchange sorts.
void SortXList(const WallRecord* walls, int32_t* order, int32_t* key, int32_t n) {
  for (int32_t i = 0; i < n; ++i)
    for (int32_t j = i + 1; j < n; ++j)
      if (key[i] < key[j]) SwapEntries(order, key, i, j);
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = i + 1; j < n; ++j) {
      const WallRecord& a = walls[order[i]];
      const WallRecord& b = walls[order[j]];
      if (key[i] == key[j] && MaxInt(a.X1, a.X2) > MinInt(b.X1, b.X2)) SwapEntries(order, key, i, j);
    }
  }
}

void SortYList(const WallRecord* walls, int32_t* order, int32_t* key, int32_t n) {
  for (int32_t i = 0; i < n; ++i)
    for (int32_t j = i + 1; j < n; ++j)
      if (key[i] > key[j]) SwapEntries(order, key, i, j);
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = i + 1; j < n; ++j) {
      const WallRecord& a = walls[order[i]];
      const WallRecord& b = walls[order[j]];
      if (key[i] == key[j] && MinInt(a.Y1, a.Y2) < MaxInt(b.Y1, b.Y2)) SwapEntries(order, key, i, j);
    }
  }
}

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

void BuildWallDirectionLists() {
  const int32_t v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  for (int s = 0; s <= ProjectSettings.TopStorey[v] && s < StoreyCount; ++s) {
    const WallRecord* walls = Walls[v][s];
    int32_t* xOrder = XWallOrder[v][s];
    int32_t* xKey = XWallLineKey[v][s];
    int32_t* yOrder = YWallOrder[v][s];
    int32_t* yKey = YWallLineKey[v][s];
    // With at most MaxWallsPerStorey walls and two entries per wall the lists cannot overflow.
    const int32_t wallCount = MaxInt(0, MinInt(WallCount[v][s], MaxWallsPerStorey));
    int32_t nx = 0, ny = 0;
    for (int32_t j = 0; j < wallCount; ++j) {
      const WallRecord& w = walls[j];
      if (w.X1 != w.X2) xOrder[nx] = j, xKey[nx++] = w.Y1;
      if (w.Y1 != w.Y2) yOrder[ny] = j, yKey[ny++] = w.X1;
      if (w.X1 != w.X2 && w.Y1 != w.Y2) {
        xOrder[nx] = j, xKey[nx++] = w.Y2;
        yOrder[ny] = j, yKey[ny++] = w.X2;
      }
    }
    SortXList(walls, xOrder, xKey, nx);
    SortYList(walls, yOrder, yKey, ny);
    XWallCount[v][s] = nx;
    YWallCount[v][s] = ny;
  }
}

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
