#include "analysis/BuildingOutline.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "analysis/AnalysisResults.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

AreaEdge AreaEdges[VariantCount][StoreyCount][MaxAreaEdges];
int32_t AreaEdgeCounts[StoreyCount];

int32_t OutlineWallPosition[OutlineSideCount][VariantCount][StoreyCount][OutlineIntervalCount];
int32_t OutlineWallIndex[OutlineSideCount][VariantCount][StoreyCount][OutlineIntervalCount];
double OuterWallLength[OutlineSideCount][VariantCount][StoreyCount];
double OuterSolidWallLength[OutlineSideCount][VariantCount][StoreyCount];

void AddAreaEdge(int32_t storey, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (storey == -1) {
    std::memset(AreaEdges, 0, sizeof AreaEdges);
    std::memset(AreaEdgeCounts, 0, sizeof AreaEdgeCounts);
    return;
  }
  if (storey < 0 || storey >= StoreyCount) return;
  int32_t& count = AreaEdgeCounts[storey];
  if (count >= MaxAreaEdges) return;
  AreaEdge& e = AreaEdges[CurrentVariant][storey][count];
  e.X1 = x1;
  e.Y1 = y1;
  e.X2 = x2;
  e.Y2 = y2;
  ++count;
}

namespace {

constexpr double kTriangleAreaTolerance = 0.000001;
constexpr double kCollinearTolerance = 0.0000001;
constexpr int32_t kNoWall = -1;

// Damaged files can hold any index; elements off the grid take no part in
// the outline, so that no axis lookup or interval leaves its array.
using ::OnGrid;
bool OnGrid(const WallRecord& w) { return OnGrid(w.X1, w.Y1) && OnGrid(w.X2, w.Y2); }
bool OnGrid(const RoofFloorRectRecord& r) { return OnGrid(r.X1, r.Y1) && OnGrid(r.X2, r.Y2); }
bool OnGrid(const RoofFloorTriangleRecord& t) {
  return OnGrid(t.X1, t.Y1) && OnGrid(t.X2, t.Y2) && OnGrid(t.X3, t.Y3);
}

// Floor, atrium and roof kinds bound the building; balconies, eaves, attics,
// the largest rectangle and independent loads do not.
bool BoundsOutline(int32_t areaCode) {
  switch (areaCode) {
    case 0:
    case 1:
    case 3:
    case 4:
    case 8:
    case 9:
    case 14:
    case 15:
    case 16:
      return true;
    default:
      return false;
  }
}

bool Encloses(int32_t notEnclosed) { return notEnclosed != 1; }

// b1..b2 lies within a1..a2, either direction.
bool Covers(int32_t a1, int32_t a2, int32_t b1, int32_t b2) {
  return MinInt(a1, a2) <= MinInt(b1, b2) && MaxInt(a1, a2) >= MaxInt(b1, b2);
}

// Point p on the line through a and b, on positions in metres.
bool OnLine(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t px, int32_t py) {
  const double cross = (GridAxisX[ax] - GridAxisX[bx]) * (GridAxisY[py] - GridAxisY[ay]) +
                       (GridAxisY[ay] - GridAxisY[by]) * (GridAxisX[ax] - GridAxisX[px]);
  return cross > -kCollinearTolerance && cross < kCollinearTolerance;
}

bool InsideRect(const RoofFloorRectRecord& r, int32_t x, int32_t y) {
  return Covers(r.X1, r.X2, x, x) && Covers(r.Y1, r.Y2, y, y);
}

double SignedArea(int32_t px, int32_t py, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
  const double a = GridAxisX[px] * (GridAxisY[ay] - GridAxisY[by]) +
                   GridAxisX[ax] * (GridAxisY[by] - GridAxisY[py]) +
                   GridAxisX[bx] * (GridAxisY[py] - GridAxisY[ay]);
  return (a > -kTriangleAreaTolerance && a < kTriangleAreaTolerance) ? 0.0 : a;
}

bool InsideTriangle(const RoofFloorTriangleRecord& t, int32_t x, int32_t y) {
  const double a = SignedArea(x, y, t.X1, t.Y1, t.X2, t.Y2);
  const double b = SignedArea(x, y, t.X2, t.Y2, t.X3, t.Y3);
  const double c = SignedArea(x, y, t.X3, t.Y3, t.X1, t.Y1);
  return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
}

// Inside any enclosed area of the storey, whatever its kind.
bool InsideSomeArea(int v, int s, int32_t x, int32_t y) {
  for (int32_t i = 0, n = CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey); i < n; ++i) {
    const RoofFloorRectRecord& r = RoofFloorRects[v][s][i];
    if (Encloses(r.NotEnclosed) && OnGrid(r) && InsideRect(r, x, y)) return true;
  }
  for (int32_t i = 0, n = CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey); i < n; ++i) {
    const RoofFloorTriangleRecord& t = RoofFloorTriangles[v][s][i];
    if (Encloses(t.NotEnclosed) && OnGrid(t) && InsideTriangle(t, x, y)) return true;
  }
  return false;
}

// Both walls and edges are on the grid here.
bool LiesOnEdge(const WallRecord& w, const AreaEdge& e) {
  if (w.X1 == w.X2 && e.X1 == e.X2 && w.X1 == e.X1) return Covers(e.Y1, e.Y2, w.Y1, w.Y2);
  if (w.Y1 == w.Y2 && e.Y1 == e.Y2 && w.Y1 == e.Y1) return Covers(e.X1, e.X2, w.X1, w.X2);
  return OnLine(w.X1, w.Y1, w.X2, w.Y2, e.X1, e.Y1) && OnLine(w.X1, w.Y1, w.X2, w.Y2, e.X2, e.Y2) &&
         Covers(e.Y1, e.Y2, w.Y1, w.Y2);
}

bool LiesOnAnyEdge(const WallRecord& w, const AreaEdge* edges, int32_t count) {
  for (int32_t i = 0; i < count; ++i)
    if (LiesOnEdge(w, edges[i])) return true;
  return false;
}

// Two edges on one axis line, given by their coordinates along it: the
// stretch they share cancels, and edges meeting end to end become one.
void MergeOnAxisLine(int32_t& a1, int32_t& a2, int32_t& b1, int32_t& b2, bool& removedA, bool& removedB) {
  int32_t v[4] = {a1, a2, b1, b2};
  std::sort(v, v + 4);
  a1 = v[0];
  a2 = v[1];
  b1 = v[2];
  b2 = v[3];
  if (v[0] == v[1]) removedA = true;
  if (v[2] == v[3]) removedB = true;
  if (!removedA && !removedB && v[1] == v[2]) {
    a2 = v[3];
    removedB = true;
  }
}

// Two edges on one diagonal line: the shared stretch cancels; edges are not joined.
void SplitOnDiagonal(AreaEdge& a, AreaEdge& b) {
  struct Point {
    int32_t x, y;
  } p[4] = {{a.X1, a.Y1}, {a.X2, a.Y2}, {b.X1, b.Y1}, {b.X2, b.Y2}};
  for (int i = 1; i < 4; ++i)  // stable, by Y index
    for (int k = i; k > 0 && p[k].y < p[k - 1].y; --k) std::swap(p[k], p[k - 1]);
  a.X1 = p[0].x, a.Y1 = p[0].y, a.X2 = p[1].x, a.Y2 = p[1].y;
  b.X1 = p[2].x, b.Y1 = p[2].y, b.X2 = p[3].x, b.Y2 = p[3].y;
}

void MergePair(AreaEdge& a, AreaEdge& b, bool& removedA, bool& removedB) {
  const bool same = a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Y2 == b.Y2;
  const bool reversed = a.X1 == b.X2 && a.Y1 == b.Y2 && a.X2 == b.X1 && a.Y2 == b.Y1;
  if (same || reversed) {
    removedA = removedB = true;
  } else if (a.X1 == a.X2 && b.X1 == b.X2 && a.X1 == b.X1) {
    MergeOnAxisLine(a.Y1, a.Y2, b.Y1, b.Y2, removedA, removedB);
  } else if (a.Y1 == a.Y2 && b.Y1 == b.Y2 && a.Y1 == b.Y1) {
    MergeOnAxisLine(a.X1, a.X2, b.X1, b.X2, removedA, removedB);
  } else if (a.X1 != a.X2 && a.Y1 != a.Y2 && OnLine(a.X1, a.Y1, a.X2, a.Y2, b.X1, b.Y1) &&
             OnLine(a.X1, a.Y1, a.X2, a.Y2, b.X2, b.Y2)) {
    SplitOnDiagonal(a, b);
  }
}

// Removal is a flag of its own: a zero coordinate is a real place on the grid.
void MergeEdges(AreaEdge* edges, int32_t& count) {
  bool removed[MaxAreaEdges] = {};
  for (int32_t i = 0; i < count; ++i) {
    for (int32_t j = 0; j < count && !removed[i]; ++j) {
      if (j == i || removed[j]) continue;
      MergePair(edges[i], edges[j], removed[i], removed[j]);
    }
  }
  int32_t kept = 0;
  for (int32_t i = 0; i < count; ++i)
    if (!removed[i]) edges[kept++] = edges[i];
  for (int32_t i = kept; i < count; ++i) edges[i] = AreaEdge{};
  count = kept;
}

void BuildStoreyOutline(int v, int s) {
  for (int32_t i = 0, n = CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey); i < n; ++i) {
    const RoofFloorRectRecord& r = RoofFloorRects[v][s][i];
    if (!Encloses(r.NotEnclosed) || !BoundsOutline(r.AreaCode) || !OnGrid(r)) continue;
    AddAreaEdge(s, r.X1, r.Y1, r.X2, r.Y1);
    AddAreaEdge(s, r.X1, r.Y2, r.X2, r.Y2);
    AddAreaEdge(s, r.X1, r.Y1, r.X1, r.Y2);
    AddAreaEdge(s, r.X2, r.Y1, r.X2, r.Y2);
  }
  for (int32_t i = 0, n = CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey); i < n; ++i) {
    const RoofFloorTriangleRecord& t = RoofFloorTriangles[v][s][i];
    if (!Encloses(t.NotEnclosed) || !BoundsOutline(t.AreaCode) || !OnGrid(t)) continue;
    AddAreaEdge(s, t.X1, t.Y1, t.X2, t.Y2);
    AddAreaEdge(s, t.X2, t.Y2, t.X3, t.Y3);
    AddAreaEdge(s, t.X3, t.Y3, t.X1, t.Y1);
  }
  for (int32_t i = 0, n = CountOf(WallCount, v, s, MaxWallsPerStorey); i < n; ++i) {
    const WallRecord& w = Walls[v][s][i];
    if (!OnGrid(w)) continue;
    if (InsideSomeArea(v, s, w.X1, w.Y1) && InsideSomeArea(v, s, w.X2, w.Y2)) continue;
    if (LiesOnAnyEdge(w, AreaEdges[v][s], AreaEdgeCounts[s])) continue;
    AddAreaEdge(s, w.X1, w.Y1, w.X2, w.Y2);
  }
  MergeEdges(AreaEdges[v][s], AreaEdgeCounts[s]);

  for (int32_t i = 0, n = CountOf(WallCount, v, s, MaxWallsPerStorey); i < n; ++i) {
    const WallRecord& w = Walls[v][s][i];
    const bool outer = OnGrid(w) && LiesOnAnyEdge(w, AreaEdges[v][s], AreaEdgeCounts[s]);
    WallResults[v][s][i].Blocks[0].WallType = MaxInt(0, 3 * w.OpeningKind - 2) + (outer ? 0 : 8);
  }
}

// Sums the widths of the intervals first..last-1 that an outermost wall covers.
void SumOuterLengths(int side, int v, int s, const double* axis, int32_t axisCount, int32_t first,
                     int32_t last) {
  double length = 0.0, solid = 0.0;
  const int32_t* index = OutlineWallIndex[side][v][s];
  for (int32_t k = MaxInt(first, 0), end = MinInt(last, axisCount - 1); k < end; ++k) {
    const double width = axis[k + 1] - axis[k];
    if (index[k] != kNoWall) length += width;
    if (index[k] == 0) solid += width;
  }
  OuterWallLength[side][v][s] = length;
  OuterSolidWallLength[side][v][s] = solid;
}

void FindOutermostWalls(int v, int s) {
  int32_t(&top)[OutlineIntervalCount] = OutlineWallPosition[OutlineSideTop][v][s];
  int32_t(&bottom)[OutlineIntervalCount] = OutlineWallPosition[OutlineSideBottom][v][s];
  int32_t(&left)[OutlineIntervalCount] = OutlineWallPosition[OutlineSideLeft][v][s];
  int32_t(&right)[OutlineIntervalCount] = OutlineWallPosition[OutlineSideRight][v][s];
  std::fill(std::begin(top), std::end(top), OutlineIntervalCount);
  std::fill(std::begin(bottom), std::end(bottom), 0);
  std::fill(std::begin(left), std::end(left), OutlineIntervalCount);
  std::fill(std::begin(right), std::end(right), 0);
  for (auto& side : OutlineWallIndex) std::fill(std::begin(side[v][s]), std::end(side[v][s]), kNoWall);

  // A diagonal wall counts with its bounding box; on equal positions the later wall wins.
  for (int32_t i = 0, n = CountOf(WallCount, v, s, MaxWallsPerStorey); i < n; ++i) {
    const WallRecord& w = Walls[v][s][i];
    if (!OnGrid(w)) continue;
    const int32_t x1 = MinInt(w.X1, w.X2), x2 = MaxInt(w.X1, w.X2);
    const int32_t y1 = MinInt(w.Y1, w.Y2), y2 = MaxInt(w.Y1, w.Y2);
    for (int32_t k = x1; k < x2; ++k) {
      if (top[k] >= y1) top[k] = y1, OutlineWallIndex[OutlineSideTop][v][s][k] = w.OpeningKind;
      if (bottom[k] <= y2) bottom[k] = y2, OutlineWallIndex[OutlineSideBottom][v][s][k] = w.OpeningKind;
    }
    for (int32_t k = y1; k < y2; ++k) {
      if (left[k] >= x1) left[k] = x1, OutlineWallIndex[OutlineSideLeft][v][s][k] = w.OpeningKind;
      if (right[k] <= x2) right[k] = x2, OutlineWallIndex[OutlineSideRight][v][s][k] = w.OpeningKind;
    }
  }

  SumOuterLengths(OutlineSideTop, v, s, GridAxisX, GridAxisCountX, ModelExtentMinX, ModelExtentMaxX);
  SumOuterLengths(OutlineSideBottom, v, s, GridAxisX, GridAxisCountX, ModelExtentMinX, ModelExtentMaxX);
  SumOuterLengths(OutlineSideLeft, v, s, GridAxisY, GridAxisCountY, ModelExtentMinY, ModelExtentMaxY);
  SumOuterLengths(OutlineSideRight, v, s, GridAxisY, GridAxisCountY, ModelExtentMinY, ModelExtentMaxY);
}

}  // namespace

void BuildOutline() {
  const int v = CurrentVariant;
  const int32_t topStorey = MinInt(ProjectSettings.TopStorey[v], StoreyCount - 1);
  AddAreaEdge(-1, 0, 0, 0, 0);
  for (int s = 0; s <= topStorey; ++s) BuildStoreyOutline(v, s);
  for (int s = 0; s <= topStorey; ++s) FindOutermostWalls(v, s);
}
