#include "model/ModelExtents.h"

#include <algorithm>

#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"

int32_t UsedExtentMinX[VariantCount][StoreyCount];
int32_t UsedExtentMaxX[VariantCount][StoreyCount];
int32_t UsedExtentMinY[VariantCount][StoreyCount];
int32_t UsedExtentMaxY[VariantCount][StoreyCount];

int32_t ModelExtentMinX = 199, ModelExtentMaxX = 0, ModelExtentMinY = 199, ModelExtentMaxY = 0;
int32_t WallExtentMinX = 199, WallExtentMaxX = 0, WallExtentMinY = 199, WallExtentMaxY = 0;

namespace {

constexpr int32_t kEmptyMin = 199;
constexpr int32_t kEmptyMax = 0;

struct Range {
  int32_t minX = kEmptyMin, maxX = kEmptyMax, minY = kEmptyMin, maxY = kEmptyMax;
  void Add(int32_t x, int32_t y) {
    minX = MinInt(minX, x);
    maxX = MaxInt(maxX, x);
    minY = MinInt(minY, y);
    maxY = MaxInt(maxY, y);
  }
  void Add(const Range& r) {
    minX = MinInt(minX, r.minX);
    maxX = MaxInt(maxX, r.maxX);
    minY = MinInt(minY, r.minY);
    maxY = MaxInt(maxY, r.maxY);
  }
};

}  // namespace

void UpdateUsedExtents() {
  Range model, walls;
  for (int v = 0; v < VariantCount; ++v) {
    for (int s = 0; s < StoreyCount; ++s) {
      Range used, wallsHere;
      for (int32_t i = 0, n = CountOf(ColumnCount, v, s, MaxColumnsPerStorey); i < n; ++i)
        used.Add(Columns[v][s][i].X, Columns[v][s][i].Y);
      for (int32_t i = 0, n = CountOf(WallCount, v, s, MaxWallsPerStorey); i < n; ++i) {
        const WallRecord& w = Walls[v][s][i];
        wallsHere.Add(w.X1, w.Y1);
        wallsHere.Add(w.X2, w.Y2);
      }
      used.Add(wallsHere);
      for (int32_t i = 0, n = CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey); i < n; ++i) {
        const RoofFloorRectRecord& r = RoofFloorRects[v][s][i];
        used.Add(r.X1, r.Y1);
        used.Add(r.X2, r.Y2);
      }
      for (int32_t i = 0, n = CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey); i < n;
           ++i) {
        const RoofFloorTriangleRecord& t = RoofFloorTriangles[v][s][i];
        used.Add(t.X1, t.Y1);
        used.Add(t.X2, t.Y2);
        used.Add(t.X3, t.Y3);
      }
      for (int32_t i = 0, n = CountOf(FoundationCount, v, s, MaxFoundationsPerStorey); i < n; ++i) {
        const FoundationRecord& f = Foundations[v][s][i];
        used.Add(f.X1, f.Y1);
        used.Add(f.X2, f.Y2);
      }
      UsedExtentMinX[v][s] = used.minX;
      UsedExtentMaxX[v][s] = used.maxX;
      UsedExtentMinY[v][s] = used.minY;
      UsedExtentMaxY[v][s] = used.maxY;
      model.Add(used);
      walls.Add(wallsHere);
    }
  }
  ModelExtentMinX = model.minX;
  ModelExtentMaxX = model.maxX;
  ModelExtentMinY = model.minY;
  ModelExtentMaxY = model.maxY;
  WallExtentMinX = walls.minX;
  WallExtentMaxX = walls.maxX;
  WallExtentMinY = walls.minY;
  WallExtentMaxY = walls.maxY;
}
