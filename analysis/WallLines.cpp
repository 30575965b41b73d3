#include "analysis/WallLines.h"

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
