// The building outline and the outer walls. Invariants guarded here:
// - stretches shared by two enclosed floor/atrium/roof areas cancel, collinear
//   edges meeting end to end become one, and walls standing outside the areas
//   join the outline;
// - a wall on the outline is an outer wall, any other a partition (+8), with
//   the opening base 0/1/4/7;
// - elements on X axis 0 are outline like any other;
// - per grid interval the outermost wall on each side, and the plan lengths
//   those walls cover;
// - only the current variant and its storeys up to the top one are written,
//   and neither a full edge list nor damaged indices write or read past an array.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/BuildingOutline.h"
#include "model/ModelExtents.h"
#include "model/ViewState.h"

namespace {

struct Rect {
  int x1, y1, x2, y2;
  int code = 0;  // 0 light floor
  int notEnclosed = 0;
};

struct Triangle {
  int x1, y1, x2, y2, x3, y3;
  int code = 0;
  int notEnclosed = 0;
};

struct Wall {
  int x1, y1, x2, y2;
  int opening = 0;
};

// An edge without direction, its lower-left end first, for comparing lists.
struct Edge {
  int x1, y1, x2, y2;
  friend bool operator==(const Edge&, const Edge&) = default;
  friend auto operator<=>(const Edge&, const Edge&) = default;
};

Edge Undirected(int x1, int y1, int x2, int y2) {
  if (std::tie(x2, y2) < std::tie(x1, y1)) return {x2, y2, x1, y1};
  return {x1, y1, x2, y2};
}

std::vector<Edge> Sorted(std::vector<Edge> edges) {
  for (Edge& e : edges) e = Undirected(e.x1, e.y1, e.x2, e.y2);
  std::sort(edges.begin(), edges.end());
  return edges;
}

void PutRect(int v, int s, const Rect& r) {
  testmodel::AddRect(v, s, r.x1, r.y1, r.x2, r.y2, r.code).NotEnclosed = r.notEnclosed;
}

void PutTriangle(int v, int s, const Triangle& t) {
  testmodel::AddTriangle(v, s, t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, t.code).NotEnclosed = t.notEnclosed;
}

void PutWall(int v, int s, const Wall& w) {
  testmodel::AddWall(v, s, w.x1, w.y1, w.x2, w.y2).OpeningKind = w.opening;
}

std::vector<Edge> OutlineOf(int v, int s) {
  std::vector<Edge> edges;
  for (int i = 0; i < AreaEdgeCounts[s]; ++i) {
    const AreaEdge& e = AreaEdges[v][s][i];
    EXPECT_EQ(e.Mark, 0);
    edges.push_back({e.X1, e.Y1, e.X2, e.Y2});
  }
  return Sorted(edges);
}

int WallTypeOf(int v, int s, int w) { return WallResults[v][s][w].Blocks[0].WallType; }

class BuildingOutlineTest : public ModelTest {
 protected:
  static void Recalculate() {
    UpdateUsedExtents();
    BuildOutline();
  }
};

TEST_F(BuildingOutlineTest, OutlineEdgesOfAreasAndWalls) {
  struct Case {
    const char* name;
    std::vector<Rect> rects;
    std::vector<Triangle> triangles;
    std::vector<Wall> walls;
    std::vector<Edge> expected;
  } cases[] = {
      {"one rectangle: its four sides",
       {{2, 1, 5, 4}},
       {},
       {},
       {{2, 1, 5, 1}, {2, 4, 5, 4}, {2, 1, 2, 4}, {5, 1, 5, 4}}},
      {"two rectangles sharing a side, the second entered by its other diagonal: "
       "(5,1)-(5,4) and (5,4)-(5,1) cancel, the tops 2..5 and 5..9 join, so do the bottoms",
       {{2, 1, 5, 4}, {9, 4, 5, 1}},
       {},
       {},
       {{2, 1, 9, 1}, {2, 4, 9, 4}, {2, 1, 2, 4}, {9, 1, 9, 4}}},
      {"two rectangles sharing part of a side: on X 5 the sides 1..4 and 2..6 leave 1..2 and 4..6",
       {{2, 1, 5, 4}, {5, 2, 9, 6}},
       {},
       {},
       {{2, 1, 5, 1},
        {2, 4, 5, 4},
        {2, 1, 2, 4},
        {5, 1, 5, 2},
        {5, 4, 5, 6},
        {5, 2, 9, 2},
        {5, 6, 9, 6},
        {9, 2, 9, 6}}},
      {"one triangle: its three sides",
       {},
       {{2, 2, 6, 2, 2, 6}},
       {},
       {{2, 2, 6, 2}, {2, 6, 6, 2}, {2, 2, 2, 6}}},
      {"two triangles making a square: the shared diagonal (6,6)-(2,2) / (2,2)-(6,6) cancels",
       {},
       {{2, 2, 6, 2, 6, 6}, {2, 2, 6, 6, 2, 6}},
       {},
       {{2, 2, 6, 2}, {6, 2, 6, 6}, {2, 6, 6, 6}, {2, 2, 2, 6}}},
      {"two triangles sharing the middle of a long side on x + y = 8: (6,2)-(2,6) keeps "
       "(6,2)-(5,3) and (3,5)-(2,6), the shared (5,3)-(3,5) cancels",
       {},
       {{2, 2, 6, 2, 2, 6}, {5, 3, 3, 5, 6, 6}},
       {},
       {{2, 2, 6, 2}, {2, 2, 2, 6}, {5, 3, 6, 2}, {2, 6, 3, 5}, {3, 5, 6, 6}, {5, 3, 6, 6}}},
      {"a triangle against a rectangle: the shared side on X 6 cancels",
       {{2, 2, 6, 6}},
       {{6, 2, 9, 4, 6, 6}},
       {},
       {{2, 2, 6, 2}, {2, 6, 6, 6}, {2, 2, 2, 6}, {6, 2, 9, 4}, {6, 6, 9, 4}}},
      {"areas not enclosed give no edges", {{2, 1, 5, 4, 0, 1}}, {{2, 2, 6, 2, 2, 6, 3, 1}}, {}, {}},
      {"a wall inside the area adds nothing",
       {{2, 1, 5, 4}},
       {},
       {{3, 2, 4, 2}},
       {{2, 1, 5, 1}, {2, 4, 5, 4}, {2, 1, 2, 4}, {5, 1, 5, 4}}},
      {"a wall outside every area is an edge of its own",
       {{2, 1, 5, 4}},
       {},
       {{8, 1, 8, 4}},
       {{2, 1, 5, 1}, {2, 4, 5, 4}, {2, 1, 2, 4}, {5, 1, 5, 4}, {8, 1, 8, 4}}},
      {"a wall going on from a corner along a side joins that side: 2..5 and 5..8 on Y 1",
       {{2, 1, 5, 4}},
       {},
       {{5, 1, 8, 1}},
       {{2, 1, 8, 1}, {2, 4, 5, 4}, {2, 1, 2, 4}, {5, 1, 5, 4}}},
      {"a wall with one end inside is added",
       {{2, 1, 5, 4}},
       {},
       {{4, 2, 7, 2}},
       {{2, 1, 5, 1}, {2, 4, 5, 4}, {2, 1, 2, 4}, {5, 1, 5, 4}, {4, 2, 7, 2}}},
      {"a rectangle on X axis 0 keeps the three edges that start there",
       {{0, 0, 4, 3}},
       {},
       {},
       {{0, 0, 4, 0}, {0, 3, 4, 3}, {0, 0, 0, 3}, {4, 0, 4, 3}}},
      {"two rectangles stacked on X axis 0: Y 3 cancels, the sides on X 0 join 0..3 and 3..6",
       {{0, 0, 4, 3}, {0, 3, 4, 6}},
       {},
       {},
       {{0, 0, 4, 0}, {0, 6, 4, 6}, {0, 0, 0, 6}, {4, 0, 4, 6}}},
      {"a wall on X axis 0 outside every area", {}, {}, {{0, 2, 0, 5}}, {{0, 2, 0, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForNewProject);
    for (const Rect& r : c.rects) PutRect(0, 0, r);
    for (const Triangle& t : c.triangles) PutTriangle(0, 0, t);
    for (const Wall& w : c.walls) PutWall(0, 0, w);
    Recalculate();
    EXPECT_EQ(OutlineOf(0, 0), Sorted(c.expected));
  }
}

TEST_F(BuildingOutlineTest, OnlyFloorAtriumAndRoofCodesBoundTheOutline) {
  // AreaCodeTable: floor 0/14/15/16, atrium 1 and roof 3/4/8/9 bound the
  // building; balcony 2/17/18/19, eaves 10-13, attic 5, largest rectangle 6
  // and independent load 7 do not. A bounding code gives the rectangle's 4
  // sides and the triangle's 3.
  const int bounding[] = {0, 1, 3, 4, 8, 9, 14, 15, 16};
  for (int code = 0; code < 20; ++code) {
    SCOPED_TRACE(code);
    ResetModel(ResetForNewProject);
    PutRect(0, 0, {2, 1, 5, 4, code});
    PutTriangle(0, 0, {10, 1, 14, 1, 10, 5, code});
    Recalculate();
    const bool bounds = std::find(std::begin(bounding), std::end(bounding), code) != std::end(bounding);
    EXPECT_EQ(AreaEdgeCounts[0], bounds ? 7 : 0);
  }
}

TEST_F(BuildingOutlineTest, WallsOnTheOutlineAreOuterWallsOthersPartitions) {
  // Plan: floor 2..5 x 1..4 and roof 5..9 x 1..4 (their common side cancels),
  // a balcony 9..12 x 1..3, a floor 13..16 x 1..4 not enclosed, a floor
  // triangle (2,8) (6,8) (2,12) whose long side has x + y = 14, and a floor
  // 0..4 x 20..23 on X axis 0. Each wall is tried alone on this plan.
  struct Case {
    const char* name;
    Wall wall;
    bool outer;
  } cases[] = {
      {"on the merged top side", {2, 1, 5, 1}, true},
      {"on the merged bottom side, entered right to left, across both areas", {8, 4, 3, 4}, true},
      {"inside", {3, 2, 4, 2}, false},
      {"on the cancelled common side: both ends inside, no edge", {5, 1, 5, 4}, false},
      {"outside every area: becomes an edge", {2, 6, 5, 6}, true},
      {"one end inside, one outside: becomes an edge", {7, 2, 7, 6}, true},
      {"inside a balcony: inside, though the balcony gives no edges", {10, 2, 11, 2}, false},
      {"inside an area not enclosed: outside", {14, 2, 15, 2}, true},
      {"diagonal on the triangle's long side", {6, 8, 4, 10}, true},
      {"diagonal inside the triangle", {2, 9, 3, 10}, false},
      {"on X axis 0, along Y", {0, 20, 0, 23}, true},
      {"ending on X axis 0, along X", {4, 23, 0, 23}, true},
      {"starting on X axis 0, inside", {0, 21, 4, 21}, false},
      {"on X axis 0 outside every area", {0, 25, 0, 28}, true},
  };
  // Opening kinds 0 none, 1 window, 2 door, 3 full: base 0, 1, 4, 7.
  const int outerType[] = {0, 1, 4, 7};
  const int partitionType[] = {8, 9, 12, 15};
  for (const Case& c : cases) {
    for (int opening = 0; opening < 4; ++opening) {
      SCOPED_TRACE(testing::Message() << c.name << ", opening kind " << opening);
      ResetModel(ResetForNewProject);
      PutRect(0, 0, {2, 1, 5, 4, 0});
      PutRect(0, 0, {5, 1, 9, 4, 3});
      PutRect(0, 0, {9, 1, 12, 3, 2});
      PutRect(0, 0, {13, 1, 16, 4, 0, 1});
      PutTriangle(0, 0, {2, 8, 6, 8, 2, 12});
      PutRect(0, 0, {0, 20, 4, 23, 14});
      Wall w = c.wall;
      w.opening = opening;
      PutWall(0, 0, w);
      Recalculate();
      EXPECT_EQ(WallTypeOf(0, 0, 0), c.outer ? outerType[opening] : partitionType[opening]);
    }
  }
}

TEST_F(BuildingOutlineTest, OutermostWallsAndOuterLengths) {
  // X axes 1..4 at 1.0, 2.5, 3.0, 4.2 m: X intervals 1, 2, 3 are 1.5, 0.5, 1.2 m.
  // Y axes 1..5 at 0.8, 2.0, 2.9, 3.5, 5.0 m: Y intervals 1..4 are 1.2, 0.9, 0.6, 1.5 m.
  const double xs[] = {0.0, 1.0, 2.5, 3.0, 4.2};
  const double ys[] = {0.0, 0.8, 2.0, 2.9, 3.5, 5.0};
  std::copy(std::begin(xs), std::end(xs), GridAxisX);
  std::copy(std::begin(ys), std::end(ys), GridAxisY);
  PutWall(0, 0, {1, 1, 4, 1});     // 0 top, solid
  PutWall(0, 0, {2, 5, 1, 5});     // 1 bottom left, solid, entered right to left
  PutWall(0, 0, {2, 5, 4, 5, 1});  // 2 bottom right, window
  PutWall(0, 0, {1, 1, 1, 5});     // 3 left, solid
  PutWall(0, 0, {4, 5, 4, 1, 2});  // 4 right, door, entered bottom to top
  PutWall(0, 0, {2, 1, 2, 5});     // 5 inner, solid
  PutWall(0, 0, {3, 1, 4, 2, 1});  // 6 diagonal window: box X 3..4, Y 1..2
  // A column at (6, 7) widens the model extents to X 1..6 and Y 1..7; the
  // intervals it adds have no wall.
  ColumnCount[0][0] = 1;
  Columns[0][0][0] = ColumnRecord{0, 6, 7};
  Recalculate();

  struct Interval {
    OutlineSide side;
    int k;
    int position;
    int openingKind;
    const char* why;
  } intervals[] = {
      {OutlineSideTop, 0, 400, -1, "no wall spans X 0..1"},
      {OutlineSideTop, 1, 1, 0, "wall 0"},
      {OutlineSideTop, 3, 1, 1, "wall 6's box also starts at Y 1 and comes later"},
      {OutlineSideTop, 4, 400, -1, "beyond the walls"},
      {OutlineSideBottom, 1, 5, 0, "wall 1"},
      {OutlineSideBottom, 2, 5, 1, "wall 2"},
      {OutlineSideBottom, 3, 5, 1, "wall 2; wall 6's box ends at Y 2"},
      {OutlineSideLeft, 1, 1, 0, "wall 3"},
      {OutlineSideLeft, 4, 1, 0, "wall 3"},
      {OutlineSideRight, 1, 4, 1, "wall 6's box reaches X 4 after the door"},
      {OutlineSideRight, 2, 4, 2, "wall 4"},
      {OutlineSideRight, 4, 4, 2, "wall 4"},
      {OutlineSideRight, 5, 0, -1, "no wall spans Y 5..6"},
  };
  for (const Interval& i : intervals) {
    SCOPED_TRACE(testing::Message() << "side " << i.side << ", interval " << i.k << ": " << i.why);
    EXPECT_EQ(OutlineWallPosition[i.side][0][0][i.k], i.position);
    EXPECT_EQ(OutlineWallIndex[i.side][0][0][i.k], i.openingKind);
  }

  struct Lengths {
    OutlineSide side;
    double length, solid;
    const char* why;
  } lengths[] = {
      {OutlineSideTop, 3.2, 2.0, "1.5 + 0.5 + 1.2; solid 1.5 + 0.5, interval 3 is wall 6's window"},
      {OutlineSideBottom, 3.2, 1.5, "1.5 + 0.5 + 1.2; solid only interval 1 (wall 1)"},
      {OutlineSideLeft, 4.2, 4.2, "1.2 + 0.9 + 0.6 + 1.5, all wall 3"},
      {OutlineSideRight, 4.2, 0.0, "window on interval 1, door on 2..4"},
  };
  for (const Lengths& l : lengths) {
    SCOPED_TRACE(testing::Message() << "side " << l.side << ": " << l.why);
    EXPECT_NEAR(OuterWallLength[l.side][0][0], l.length, 1e-12);
    EXPECT_NEAR(OuterSolidWallLength[l.side][0][0], l.solid, 1e-12);
  }
}

TEST_F(BuildingOutlineTest, SingleWallAlongXFillsOnlyTopAndBottom) {
  PutWall(0, 0, {2, 7, 5, 7});
  Recalculate();
  for (int k = 2; k <= 4; ++k) {
    EXPECT_EQ(OutlineWallPosition[OutlineSideTop][0][0][k], 7);
    EXPECT_EQ(OutlineWallPosition[OutlineSideBottom][0][0][k], 7);
  }
  EXPECT_EQ(OutlineWallIndex[OutlineSideTop][0][0][5], -1);
  for (int k = 0; k < OutlineIntervalCount; ++k) {
    EXPECT_EQ(OutlineWallIndex[OutlineSideLeft][0][0][k], -1);
    EXPECT_EQ(OutlineWallIndex[OutlineSideRight][0][0][k], -1);
  }
  // Three intervals of the 0.91 m module; no Y interval inside the extent 7..7.
  EXPECT_NEAR(OuterWallLength[OutlineSideTop][0][0], 3 * 0.91, 1e-12);
  EXPECT_NEAR(OuterSolidWallLength[OutlineSideBottom][0][0], 3 * 0.91, 1e-12);
  EXPECT_EQ(OuterWallLength[OutlineSideLeft][0][0], 0.0);
}

TEST_F(BuildingOutlineTest, OnlyTheCurrentVariantUpToItsTopStoreyIsWritten) {
  PutRect(0, 0, {2, 1, 5, 4});
  PutWall(0, 0, {2, 1, 5, 1});
  Recalculate();
  ASSERT_EQ(AreaEdgeCounts[0], 4);
  const double variant0Top = OuterWallLength[OutlineSideTop][0][0];  // 3 x 0.91

  CurrentVariant = 1;
  ProjectSettings.TopStorey[1] = 1;
  PutRect(1, 0, {2, 1, 9, 4});
  PutRect(1, 1, {3, 1, 4, 2});
  PutTriangle(1, 1, {10, 1, 14, 1, 10, 5});
  PutRect(1, 2, {2, 1, 5, 4});  // above the top storey
  PutWall(1, 2, {2, 1, 5, 1});
  WallResults[1][2][0].Blocks[0].WallType = 99;
  OuterWallLength[OutlineSideTop][1][2] = -1.0;
  Recalculate();

  EXPECT_EQ(AreaEdgeCounts[0], 4);
  EXPECT_EQ(AreaEdgeCounts[1], 7);  // rectangle 4 + triangle 3
  EXPECT_EQ(AreaEdgeCounts[2], 0);
  EXPECT_EQ(OutlineOf(1, 0), Sorted({{2, 1, 9, 1}, {2, 4, 9, 4}, {2, 1, 2, 4}, {9, 1, 9, 4}}));
  // Variant 0's edge records are emptied, its other results keep their values.
  EXPECT_EQ(AreaEdges[0][0][0].X2, 0);
  EXPECT_EQ(AreaEdges[0][0][0].Y2, 0);
  EXPECT_EQ(OuterWallLength[OutlineSideTop][0][0], variant0Top);
  EXPECT_EQ(WallResults[1][2][0].Blocks[0].WallType, 99);
  EXPECT_EQ(OuterWallLength[OutlineSideTop][1][2], -1.0);
}

TEST_F(BuildingOutlineTest, AFullEdgeListKeepsItsFirstFourHundredEdges) {
  // 50 separate floor rectangles (200 edges) and 50 separate triangles (150)
  // on storey 0, then 60 separate walls outside every area: walls 0..49 fill
  // the list to 400, walls 50..59 find it full. Nothing touches, so nothing
  // merges. The walls that found no room are judged against the kept edges.
  for (int i = 0; i < 50; ++i) {
    PutRect(0, 0, {2 + 3 * i, 2, 3 + 3 * i, 3});
    PutTriangle(0, 0, {2 + 3 * i, 10, 3 + 3 * i, 10, 2 + 3 * i, 11});
  }
  for (int i = 0; i < 60; ++i) PutWall(0, 0, {2 + 3 * i, 20, 2 + 3 * i, 21});
  // Storey 1 holds one rectangle; its list must not be reached from storey 0.
  PutRect(0, 1, {2, 1, 5, 4});
  Recalculate();

  EXPECT_EQ(AreaEdgeCounts[0], MaxAreaEdges);
  EXPECT_EQ(AreaEdgeCounts[1], 4);
  EXPECT_EQ(OutlineOf(0, 1), Sorted({{2, 1, 5, 1}, {2, 4, 5, 4}, {2, 1, 2, 4}, {5, 1, 5, 4}}));
  EXPECT_EQ(WallTypeOf(0, 0, 49), 0);
  EXPECT_EQ(WallTypeOf(0, 0, 50), 8);
  EXPECT_EQ(WallTypeOf(0, 0, 59), 8);

  // Appending to the full list directly does nothing either.
  AddAreaEdge(0, 7, 7, 8, 8);
  EXPECT_EQ(AreaEdgeCounts[0], MaxAreaEdges);
  EXPECT_EQ(AreaEdgeCounts[1], 4);
}

TEST_F(BuildingOutlineTest, DamagedIndicesAndCountsStayInsideTheArrays) {
  ProjectSettings.TopStorey[0] = 0;
  PutRect(0, 0, {2, 1, 5, 4});
  PutRect(0, 0, {20, 1, 1000, 4});              // corner off the grid
  PutTriangle(0, 0, {20, 10, 25, 10, -7, 12});  // corner off the grid
  for (int i = 0; i < MaxWallsPerStorey; ++i) PutWall(0, 0, {2, 1, 5, 1});
  Walls[0][0][0].X2 = 250;
  Walls[0][0][1].X1 = -1;
  WallCount[0][0] = 1000;
  WallResults[0][1][0].Blocks[0].WallType = 99;  // right behind storey 0's 300 results
  Recalculate();

  // The damaged areas give no edges and the damaged walls none either.
  EXPECT_EQ(OutlineOf(0, 0), Sorted({{2, 1, 5, 1}, {2, 4, 5, 4}, {2, 1, 2, 4}, {5, 1, 5, 4}}));
  EXPECT_EQ(WallTypeOf(0, 0, 0), 8);
  EXPECT_EQ(WallTypeOf(0, 0, 1), 8);
  EXPECT_EQ(WallTypeOf(0, 0, 2), 0);
  EXPECT_EQ(WallTypeOf(0, 0, 299), 0);
  EXPECT_EQ(WallResults[0][1][0].Blocks[0].WallType, 99);
  // The model extent reaches X 1000 and X -7; only the grid's intervals count:
  // walls 2..299 cover X intervals 2, 3, 4 of 0.91 m.
  EXPECT_NEAR(OuterWallLength[OutlineSideTop][0][0], 3 * 0.91, 1e-12);
}

}  // namespace
