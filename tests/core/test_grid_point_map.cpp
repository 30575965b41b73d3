// The grid-point map: value = column Type + 4 x Hardware, +256 under a floor
// area (area codes 0, 14, 15, 16 only), negated for an outer-corner column (a
// quadrant of the used extent holds no other column), then forced by the
// column's corner setting; and the column order: X ascending, within one X
// index Y descending, with the exchange-sort tie-breaks.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "ModelFixture.h"
#include "analysis/GridPointMap.h"
#include "model/ModelExtents.h"
#include "model/ViewState.h"

namespace {

struct Col {
  int32_t x, y, type = 1, hardware = 0, corner = 0;
};

struct Point {
  int32_t x, y, value;
  const char* why;
};

class GridPointMapTest : public ModelTest {
 protected:
  static void PutColumns(int v, int s, std::initializer_list<Col> cols) {
    for (const Col& c : cols) {
      ColumnRecord& r = testmodel::AddColumn(v, s, c.x, c.y, c.type);
      r.Hardware = c.hardware, r.CornerSetting = c.corner;
    }
  }
  // What the paint does before and in the head of the recalculation chain.
  static void Recalculate() {
    UpdateUsedExtents();
    SortColumnIndex();
    BuildGridPointMap();
  }
  static void ExpectPoints(int v, int s, std::initializer_list<Point> points) {
    for (const Point& p : points)
      EXPECT_EQ(GridPointMap[v][s][p.x][p.y], p.value) << "(" << p.x << "," << p.y << "): " << p.why;
  }
  static std::vector<int32_t> Order(int v, int s) {
    return std::vector<int32_t>(ColumnOrderX[v][s], ColumnOrderX[v][s] + ColumnCount[v][s]);
  }
};

TEST_F(GridPointMapTest, ColumnCodesAndOuterCorners) {
  struct Case {
    const char* name;
    void (*build)();
    std::initializer_list<Point> points;
  };
  const Case cases[] = {
      {"single column",
       [] {
         PutColumns(0, 0, {{10, 20}});
       },
       {{10, 20, -1, "type 1, all four quadrants empty: -(1)"}, {11, 20, 0, "nothing"}}},
      {"type and hardware",
       [] {
         PutColumns(0, 0, {{10, 20, 2, 29}, {12, 20, 3, 0}, {10, 22, 1, 5}, {12, 22, 2, 1}, {11, 21, 1, 7}});
       },
       {{10, 20, -118, "corner: -(2 + 4 x 29)"},
        {12, 20, -3, "corner: -(3 + 0)"},
        {10, 22, -21, "corner: -(1 + 4 x 5)"},
        {12, 22, -6, "corner: -(2 + 4 x 1)"},
        {11, 21, 29, "centre of the X: every quadrant holds a corner column: 1 + 4 x 7"}}},
      {"3x3 block",
       [] {
         for (int32_t x = 10; x <= 12; ++x)
           for (int32_t y = 20; y <= 22; ++y) PutColumns(0, 0, {{x, y}});
       },
       {{10, 20, -1, "corner: quadrant x'<=10, y'<=20 holds only itself"},
        {12, 20, -1, "corner"},
        {10, 22, -1, "corner"},
        {12, 22, -1, "corner"},
        {11, 20, 1, "edge middle: (10,20), (12,20), (10,21), (12,21) fill its four quadrants"},
        {10, 21, 1, "edge middle"},
        {12, 21, 1, "edge middle"},
        {11, 22, 1, "edge middle"},
        {11, 21, 1, "centre"}}},
      {"L-shaped plan",
       [] {
         // Rows y = 10: x 10, 11; y = 11 and 12: x 10, 11, 12 (no column at (12,10)).
         PutColumns(0, 0, {{10, 10}, {11, 10}, {10, 11}, {11, 11}, {12, 11}, {10, 12}, {11, 12}, {12, 12}});
       },
       {{10, 10, -1, "top left"},
        {11, 10, -1, "x'>=11, y'<=10 holds (12,10) only, which is empty"},
        {12, 11, -1, "x'>=12, y'<=11 holds only itself"},
        {11, 11, 1, "inner corner: (10,10), (11,10), (10,12), (12,12) fill its quadrants"},
        {10, 11, 1, "left edge"},
        {11, 12, 1, "bottom edge"},
        {12, 12, -1, "bottom right"},
        {10, 12, -1, "bottom left"}}},
      {"later column on the same point wins",
       [] {
         PutColumns(0, 0, {{5, 5, 1, 3}, {5, 5, 2, 4}});
       },
       {{5, 5, -18, "second record: -(2 + 4 x 4); the twin is not another column point"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForNewProject);
    c.build();
    Recalculate();
    ExpectPoints(0, 0, c.points);
  }
}

TEST_F(GridPointMapTest, FloorMark) {
  struct Case {
    const char* name;
    void (*build)();
    std::initializer_list<Point> points;
  };
  const Case cases[] = {
      {"rectangle, light floor, corners given in any order",
       [] {
         testmodel::AddRect(0, 0, 8, 8, 5, 5, 0);
         PutColumns(0, 0, {{5, 5, 3, 2}});
       },
       {{5, 5, -267, "floor + type 3 + 4 x 2 = 267, single column, outer corner"},
        {8, 8, 256, "far corner of the rectangle, bounds included"},
        {8, 5, 256, "corner"},
        {6, 7, 256, "inside"},
        {9, 8, 0, "one axis right of the rectangle"},
        {5, 4, 0, "one axis above it"}}},
      {"floor points are not columns",
       [] {
         testmodel::AddRect(0, 0, 10, 10, 12, 12, 14);
         PutColumns(0, 0, {{11, 11}});
       },
       {{11, 11, -257, "floor + 1; its quadrants hold floor points (256) but no column"},
        {10, 10, 256, "floor, heavy"}}},
      {"columns on floor points are columns",
       [] {
         testmodel::AddRect(0, 0, 10, 10, 12, 12, 15);
         for (int32_t x = 10; x <= 12; ++x)
           for (int32_t y = 10; y <= 12; ++y) PutColumns(0, 0, {{x, y}});
       },
       {{11, 10, 257, "edge middle stays positive: its neighbours are 257, which count"},
        {10, 10, -257, "corner"},
        {11, 11, 257, "centre"}}},
      {"two rectangles over one point mark it once",
       [] {
         testmodel::AddRect(0, 0, 0, 0, 4, 4, 16);
         testmodel::AddRect(0, 0, 2, 2, 6, 6, 0);
       },
       {{3, 3, 256, "bit 8 set, not 512"}, {6, 6, 256, "second rectangle"}}},
      {"triangle, edges and corners are inside",
       [] { testmodel::AddTriangle(0, 0, 0, 0, 4, 0, 0, 4, 0); },
       // Uniform 0.91 m grid. Edge 2-3 from (3.64, 0) to (0, 3.64): side(P) = 3.64 (xP + yP - 3.64),
       // corner 1 gives 3.64 x (-3.64) = -13.25; a point is outside where xP + yP > 3.64.
       {{0, 0, 256, "corner 1"},
        {4, 0, 256, "corner 2"},
        {2, 2, 256, "on the hypotenuse: side 0, product 0"},
        {1, 3, 256, "on the hypotenuse (rounding far below the tolerance)"},
        {1, 1, 256, "inside"},
        {3, 2, 0, "1.82 beyond: side 3.64 x 0.91 = 3.31, product -43.9"},
        {4, 4, 0, "corner of the index box, outside"},
        {5, 0, 0, "outside the index box"}}},
      {"triangle, corners clockwise",
       [] { testmodel::AddTriangle(0, 0, 0, 4, 4, 0, 0, 0, 14); },
       {{2, 2, 256, "on the edge"}, {1, 2, 256, "inside"}, {3, 2, 0, "outside"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForNewProject);
    c.build();
    Recalculate();
    ExpectPoints(0, 0, c.points);
  }
}

TEST_F(GridPointMapTest, OnlyFloorAreaCodesSetTheMark) {
  // Floor column of AreaCodeTable: 0 light, 14 heavy, 15 very heavy, 16 individual.
  for (int32_t code = 0; code < 20; ++code) {
    SCOPED_TRACE(code);
    ResetModel(ResetForNewProject);
    testmodel::AddRect(0, 0, 2, 2, 3, 3, code);
    testmodel::AddTriangle(0, 0, 6, 6, 8, 6, 6, 8, code);
    Recalculate();
    const int32_t expected = code == 0 || code == 14 || code == 15 || code == 16 ? 256 : 0;
    EXPECT_EQ(GridPointMap[0][0][2][3], expected);
    EXPECT_EQ(GridPointMap[0][0][7][7], expected);
  }
}

TEST_F(GridPointMapTest, TriangleEdgeTolerance) {
  // Triangle (0,0), (4,0), (0,4); point (2,2) lies on the hypotenuse until axis X2 moves right by d:
  // side(P) = 3.64 d, product with corner 1 = -13.2496 x 3.64 d = -48.23 d.
  struct Case {
    double d;
    int32_t value;
    const char* why;
  } cases[] = {
      {1e-7, 256, "-4.8e-6 is not below -0.00001: covered"},
      {1e-6, 0, "-4.8e-5 is below -0.00001: outside"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ResetModel(ResetForNewProject);
    GridAxisX[2] = 2 * 0.91 + c.d;
    testmodel::AddTriangle(0, 0, 0, 0, 4, 0, 0, 4, 0);
    Recalculate();
    EXPECT_EQ(GridPointMap[0][0][2][2], c.value);
  }
}

TEST_F(GridPointMapTest, CornerSettingOverridesTheJudgement) {
  struct Case {
    const char* name;
    int32_t centreCorner, cornerCorner;
    int32_t centre, corner;
    const char* why;
  } cases[] = {
      {"automatic", 0, 0, 1, -1, "the judgement stands"},
      {"forced", 1, 2, -1, 1, "出隅柱 negates the centre, 一般柱 restores the corner"},
      {"forced where the judgement agrees", 2, 1, 1, -1, "nothing to change"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForNewProject);
    for (int32_t x = 10; x <= 12; ++x)
      for (int32_t y = 20; y <= 22; ++y)
        PutColumns(0, 0,
                   {{x, y, 1, 0,
                     x == 11 && y == 21   ? c.centreCorner
                     : x == 10 && y == 20 ? c.cornerCorner
                                          : 0}});
    Recalculate();
    EXPECT_EQ(GridPointMap[0][0][11][21], c.centre) << c.why;
    EXPECT_EQ(GridPointMap[0][0][10][20], c.corner) << c.why;
  }
}

TEST_F(GridPointMapTest, OverridesOfTwinColumnsApplyInListOrder) {
  // Centre of a 3 x 3 block (automatic: +1) holding two records with opposite settings.
  struct Case {
    int32_t first, second, value;
    const char* why;
  } cases[] = {
      {1, 2, 1, "1 negates +1 to -1, then 2 negates -1 back to +1"},
      {2, 1, -1, "2 sees +1 and keeps it, then 1 negates it"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ResetModel(ResetForNewProject);
    for (int32_t x = 10; x <= 12; ++x)
      for (int32_t y = 20; y <= 22; ++y)
        if (x != 11 || y != 21) PutColumns(0, 0, {{x, y}});
    PutColumns(0, 0, {{11, 21, 1, 0, c.first}, {11, 21, 1, 0, c.second}});
    Recalculate();
    EXPECT_EQ(GridPointMap[0][0][11][21], c.value);
  }
}

TEST_F(GridPointMapTest, ColumnOrder) {
  struct Case {
    const char* name;
    std::initializer_list<Col> cols;
    std::vector<int32_t> order;
    const char* why;
  } cases[] = {
      {"by X, then Y descending",
       {{5, 3}, {2, 7}, {5, 9}, {2, 1}, {4, 4}},
       {1, 3, 4, 2, 0},
       "X 2: records 1 (Y 7), 3 (Y 1); X 4: record 4; X 5: records 2 (Y 9), 0 (Y 3)"},
      {"two twins", {{2, 2}, {2, 2}}, {0, 1}, "same X and same Y: neither pass swaps them"},
      {"twins on one point",
       {{2, 2}, {2, 2}, {2, 3}},
       {2, 1, 0},
       "first pass: all X equal, [0 1 2]; second: i=0 (Y 2) and j=2 (Y 3) swap to [2 1 0]; "
       "0 and 1 never swap with each other, so they end reversed"},
      {"twins reordered by the first pass",
       {{3, 5}, {1, 2}, {3, 5}, {1, 8}, {3, 9}},
       {3, 1, 4, 0, 2},
       "first pass: [1 0 2 3 4] then [1 3 2 0 4]; second: [3 1 2 0 4], then i=2 (Y 5) with j=4 (Y 9) "
       "gives [3 1 4 0 2]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForNewProject);
    PutColumns(0, 0, c.cols);
    Recalculate();
    EXPECT_EQ(Order(0, 0), c.order) << c.why;
  }
}

TEST_F(GridPointMapTest, OnlyTheCurrentVariantUpToItsTopStoreyIsRebuilt) {
  CurrentVariant = 1;
  ProjectSettings.TopStorey[1] = 1;
  PutColumns(1, 0, {{50, 50}});
  PutColumns(1, 1, {{10, 10}, {10, 12}});  // outside storey 0's extent: each storey has its own
  PutColumns(0, 0, {{3, 3}});
  PutColumns(1, 2, {{7, 7}});
  GridPointMap[0][0][3][3] = 99;
  GridPointMap[1][2][7][7] = 99;
  GridPointMap[1][1][0][0] = 99;
  BraceEndMap[1][0][4][4].Side[BraceEndTowardsLargerY] = 5;
  BraceEndMap[0][0][4][4].Side[BraceEndTowardsLargerY] = 5;
  ColumnOrderX[0][0][0] = 42;
  Recalculate();
  EXPECT_EQ(GridPointMap[1][0][50][50], -1);
  EXPECT_EQ(GridPointMap[1][1][10][10], -1);
  EXPECT_EQ(GridPointMap[1][1][10][12], -1);
  EXPECT_EQ(GridPointMap[1][1][0][0], 0) << "storey rebuilt from zero";
  EXPECT_EQ(BraceEndMap[1][0][4][4].Side[BraceEndTowardsLargerY], 0) << "cleared";
  EXPECT_EQ(BraceEndMap[0][0][4][4].Side[BraceEndTowardsLargerY], 5) << "other variant";
  EXPECT_EQ(GridPointMap[0][0][3][3], 99) << "other variant";
  EXPECT_EQ(GridPointMap[1][2][7][7], 99) << "above the top storey";
  EXPECT_EQ(ColumnOrderX[0][0][0], 42) << "other variant";
  EXPECT_EQ(Order(1, 1), (std::vector<int32_t>{1, 0}));
}

TEST_F(GridPointMapTest, StoreyWithoutColumnsKeepsItsOrderAndHoldsOnlyFloor) {
  testmodel::AddRect(0, 1, 0, 0, 2, 2, 0);
  ColumnOrderX[0][1][0] = 7;
  ColumnOrderX[0][1][1] = 8;
  Recalculate();
  EXPECT_EQ(ColumnOrderX[0][1][0], 7);
  EXPECT_EQ(ColumnOrderX[0][1][1], 8);
  for (int32_t x = 0; x < GridAxisCountX; ++x)
    for (int32_t y = 0; y < GridAxisCountY; ++y)
      ASSERT_EQ(GridPointMap[0][1][x][y], x <= 2 && y <= 2 ? 256 : 0) << x << "," << y;
}

TEST_F(GridPointMapTest, DamagedRecordsStayInsideTheArrays) {
  // A count above the maximum reads 300 records; indices off the grid are not placed.
  ColumnCount[0][0] = 100000;
  for (int32_t i = 0; i < MaxColumnsPerStorey; ++i) Columns[0][0][i] = ColumnRecord{0, 3, 3, 1};
  Columns[0][0][1] = ColumnRecord{0, -1, 3, 1, 0, 1};
  Columns[0][0][2] = ColumnRecord{0, 3, 250, 2, 0, 2};
  RoofFloorRectCount[0][0] = 60;  // 50 at most
  for (auto& r : RoofFloorRects[0][0]) r = RoofFloorRectRecord{0, -5, -5, 1, 1, 0};
  RoofFloorTriangleCount[0][0] = 1;
  RoofFloorTriangles[0][0][0] = RoofFloorTriangleRecord{0, 5, 5, 5, 900, 9, 5, 0};
  ProjectSettings.TopStorey[0] = 7;
  ColumnCount[0][2] = -4;
  SortColumnIndex();
  UpdateUsedExtents();  // the extents now reach off the grid as well
  BuildGridPointMap();
  EXPECT_EQ(GridPointMap[0][0][3][3], -1) << "the only placed column point is a single column";
  EXPECT_EQ(GridPointMap[0][0][0][0], 256) << "the rectangle's part on the grid";
  EXPECT_EQ(GridPointMap[0][0][1][1], 256);
  EXPECT_EQ(GridPointMap[0][0][2][2], 0);
  EXPECT_EQ(GridPointMap[0][0][5][5], 0) << "a triangle with a corner off the grid has no inside";
  EXPECT_EQ(ColumnOrderX[0][0][0], 1) << "the column at X -1 comes first";
}

}  // namespace
