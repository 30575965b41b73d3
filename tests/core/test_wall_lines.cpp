// Wall lines by direction: X list by line key (Y index) descending, Y list by
// line key (X index) ascending, then along each line by the exchange pass on
// the walls' end indices; a diagonal wall stands under both of its lines.
// WallsCross: collinear overlap and strict crossings are 1, touching is 0.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "ModelFixture.h"
#include "analysis/WallLines.h"
#include "editing/WallCrossing.h"
#include "model/ViewState.h"

namespace {

struct Seg {
  int32_t x1, y1, x2, y2;
};
using Entries = std::vector<std::pair<int32_t, int32_t>>;  // (wall, line key)

class WallLinesTest : public ModelTest {
 protected:
  static void PutWalls(int v, int s, std::initializer_list<Seg> segs) {
    for (const Seg& g : segs) testmodel::AddWall(v, s, g.x1, g.y1, g.x2, g.y2);
  }
  static Entries XList(int v, int s) {
    Entries e;
    for (int32_t i = 0; i < XWallCount[v][s]; ++i) e.emplace_back(XWallOrder[v][s][i], XWallLineKey[v][s][i]);
    return e;
  }
  static Entries YList(int v, int s) {
    Entries e;
    for (int32_t i = 0; i < YWallCount[v][s]; ++i) e.emplace_back(YWallOrder[v][s][i], YWallLineKey[v][s][i]);
    return e;
  }
};

TEST_F(WallLinesTest, Orders) {
  struct Case {
    const char* name;
    std::initializer_list<Seg> walls;
    Entries x, y;
    const char* why;
  } cases[] = {
      {"one wall of each direction",
       {{2, 5, 6, 5}, {3, 1, 3, 4}, {4, 2, 7, 6}},
       {{2, 6}, {0, 5}, {2, 2}},
       {{1, 3}, {2, 4}, {2, 7}},
       "X appends (0,5) (2,2) (2,6), sorted by key descending; Y appends (1,3) (2,4) (2,7), already "
       "ascending"},
      {"one line entered right to left",
       {{8, 5, 10, 5}, {8, 5, 5, 5}, {1, 5, 5, 5}},
       {{2, 5}, {1, 5}, {0, 5}},
       {},
       "i=0: max 10 > min 5 swaps to [1 0 2], max 8 > min 1 swaps to [2 0 1]; i=1: 10 > 5 gives [2 1 0]"},
      {"lines in X from the bottom, lines in Y from the left",
       {{0, 10, 2, 10}, {3, 3, 3, 5}, {0, 12, 2, 12}, {5, 3, 5, 5}},
       {{2, 12}, {0, 10}},
       {{1, 3}, {3, 5}},
       "Y index 12 lies below 10; X index 3 left of 5"},
      {"one Y line from the bottom up",
       {{4, 1, 4, 3}, {4, 6, 4, 8}, {4, 3, 4, 6}},
       {},
       {{1, 4}, {2, 4}, {0, 4}},
       "i=0: min 1 < max 8 swaps to [1 0 2], min 6 < max 6 fails; i=1: min 1 < max 6 gives [1 2 0]"},
      {"overlapping walls on a Y line",
       {{4, 5, 4, 6}, {4, 6, 4, 1}},
       {},
       {{1, 4}, {0, 4}},
       "min 5 of wall 0 < max 6 of wall 1 swaps, though wall 0 does not lie above wall 1"},
      {"diagonal sharing an X line",
       {{6, 5, 8, 5}, {3, 5, 7, 9}, {2, 5, 4, 5}},
       {{1, 9}, {2, 5}, {0, 5}, {1, 5}},
       {{1, 3}, {1, 7}},
       "keys: [(1,9) (1,5) (0,5) (2,5)]; line 5, i=1: max 7 of wall 1 > min 6 of wall 0 swaps, then max 8 of "
       "wall 0 > min 2 of wall 2 swaps, [(2) (1) (0)]; i=2: 7 > 6 swaps again: the diagonal ends last"},
      {"diagonal sharing a Y line",
       {{4, 1, 4, 3}, {4, 2, 8, 6}, {4, 5, 4, 7}},
       {{1, 6}, {1, 2}},
       {{2, 4}, {1, 4}, {0, 4}, {1, 8}},
       "keys: (1,8) moves behind (2,4); line 4, i=0: min 1 < max 6 swaps in wall 1, min 2 < max 7 swaps in "
       "wall 2; i=1: min 1 of wall 0 < max 6 of wall 1 swaps: [2 1 0]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForNewProject);
    PutWalls(0, 0, c.walls);
    BuildWallDirectionLists();
    EXPECT_EQ(XList(0, 0), c.x) << c.why;
    EXPECT_EQ(YList(0, 0), c.y) << c.why;
  }
}

TEST_F(WallLinesTest, DiagonalWallsDoNotOverflowTheLists) {
  // 300 diagonal walls take 600 entries per list; a damaged count reads no more than 300 walls.
  WallCount[0][1] = 5000;
  for (int32_t j = 0; j < MaxWallsPerStorey; ++j) {
    Walls[0][1][j] = WallRecord{};
    Walls[0][1][j].X1 = j % 150, Walls[0][1][j].Y1 = j / 150, Walls[0][1][j].X2 = j % 150 + 1;
    Walls[0][1][j].Y2 = j / 150 + 2;
  }
  BuildWallDirectionLists();
  ASSERT_EQ(XWallCount[0][1], 600);
  ASSERT_EQ(YWallCount[0][1], 600);
  // Every wall stands twice in each list, once under each of its lines.
  std::vector<int> seenX(MaxWallsPerStorey), seenY(MaxWallsPerStorey);
  for (int32_t i = 0; i < 600; ++i) {
    const WallRecord& wx = Walls[0][1][XWallOrder[0][1][i]];
    const int32_t kx = XWallLineKey[0][1][i];
    seenX[XWallOrder[0][1][i]] += kx == wx.Y1 ? 1 : kx == wx.Y2 ? 2 : 100;
    const WallRecord& wy = Walls[0][1][YWallOrder[0][1][i]];
    const int32_t ky = YWallLineKey[0][1][i];
    seenY[YWallOrder[0][1][i]] += ky == wy.X1 ? 1 : ky == wy.X2 ? 2 : 100;
    if (i > 0) {
      EXPECT_GE(XWallLineKey[0][1][i - 1], kx);
      EXPECT_LE(YWallLineKey[0][1][i - 1], ky);
    }
  }
  for (int32_t j = 0; j < MaxWallsPerStorey; ++j) {
    EXPECT_EQ(seenX[j], 3) << "wall " << j << ": keys Y1 and Y2 once each";
    EXPECT_EQ(seenY[j], 3) << "wall " << j << ": keys X1 and X2 once each";
  }
}

TEST_F(WallLinesTest, StoreysOfTheCurrentVariantOnly) {
  CurrentVariant = 2;
  ProjectSettings.TopStorey[2] = 0;
  PutWalls(2, 0, {{0, 0, 3, 0}});
  XWallCount[2][0] = 9;
  YWallCount[2][0] = 9;
  PutWalls(2, 1, {{0, 0, 3, 0}});  // above the top storey
  XWallCount[2][1] = 7;
  XWallCount[0][0] = 5;
  BuildWallDirectionLists();
  EXPECT_EQ(XList(2, 0), (Entries{{0, 0}}));
  EXPECT_EQ(YWallCount[2][0], 0);
  EXPECT_EQ(XWallCount[2][1], 7);
  EXPECT_EQ(XWallCount[0][0], 5);

  WallCount[2][0] = 0;  // every wall deleted
  BuildWallDirectionLists();
  EXPECT_EQ(XWallCount[2][0], 0);
  EXPECT_EQ(YWallCount[2][0], 0);
}

TEST_F(WallLinesTest, WallsCross) {
  // Uniform grid of 0.91 m; a = 3.64 is four axes.
  struct Case {
    const char* name;
    Seg a, b;
    int32_t cross;
    const char* why;
  } cases[] = {
      // A along X, B along X.
      {"collinear, meeting at an end", {0, 0, 2, 0}, {2, 0, 4, 0}, 0, "x2 2 > 2 and x2 2 > 4 both fail"},
      {"collinear, sharing a stretch", {0, 0, 3, 0}, {2, 0, 5, 0}, 1, "3 > 2 and 0 < 2"},
      {"collinear, both reversed", {3, 0, 0, 0}, {5, 0, 2, 0}, 1, "A ordered to 0..3: 3 > 2 and 0 < 5"},
      {"collinear, B inside A", {0, 0, 4, 0}, {1, 0, 2, 0}, 1, "4 > 1 and 0 < 1"},
      {"collinear, apart", {0, 0, 1, 0}, {2, 0, 3, 0}, 0, "1 > 2 and 1 > 3 both fail"},
      {"parallel lines", {0, 0, 4, 0}, {0, 1, 4, 1}, 0, "y1 0 differs from y3 1"},
      // A along X, B along Y.
      {"cross", {0, 2, 4, 2}, {2, 0, 2, 4}, 1, "(0-2)(4-2) = -4 and (0-2)(4-2) = -4"},
      {"T-junction", {0, 2, 4, 2}, {2, 2, 2, 4}, 0, "(y3-y1)(y4-y1) = 0 x 2 = 0"},
      {"shared corner", {0, 2, 4, 2}, {4, 2, 4, 5}, 0, "(x1-x3)(x2-x3) = -4 x 0 = 0"},
      {"B short of A", {0, 2, 4, 2}, {2, 3, 2, 5}, 0, "(3-2)(5-2) = 3 > 0"},
      // A along Y.
      {"Y collinear, sharing a stretch", {3, 0, 3, 4}, {3, 2, 3, 6}, 1, "4 > 2 and 0 < 2"},
      {"Y collinear, reversed", {3, 4, 3, 0}, {3, 6, 3, 2}, 1, "A ordered to 0..4: 4 > 2 and 0 < 6"},
      {"Y collinear, meeting at an end", {3, 0, 3, 4}, {3, 4, 3, 6}, 0, "4 > 4 and 4 > 6 both fail"},
      {"Y parallel lines", {3, 0, 3, 4}, {4, 0, 4, 4}, 0, "x1 3 differs from x3 4"},
      {"Y cross", {2, 0, 2, 4}, {0, 2, 4, 2}, 1, "(0-2)(4-2) = -4 and (0-2)(4-2) = -4"},
      {"Y T-junction", {2, 0, 2, 4}, {2, 2, 5, 2}, 0, "(x3-x1)(x4-x1) = 0 x 3 = 0"},
      // Any other pair, on positions.
      {"diagonals crossing inside", {0, 0, 4, 4}, {0, 4, 4, 0}, 1, "s3 = -a², s4 = a², s1 = a², s2 = -a²"},
      {"diagonal through the end of a wall", {0, 0, 4, 4}, {2, 2, 5, 2}, 0, "s3 = 0: |s3 x s4| <= 0.0001"},
      {"wall ending on a diagonal", {2, 2, 5, 2}, {0, 0, 4, 4}, 0, "step 1 passes on to positions; s1 = 0"},
      {"wall across a diagonal",
       {0, 2, 4, 2},
       {1, 0, 3, 4},
       1,
       "s3 = 6.62, s4 = -6.62, s1 = -6.62, s2 = 6.62"},
      {"diagonal across a wall along Y", {0, 0, 4, 4}, {2, 0, 2, 4}, 1, "s3 x s4 = -43.9, s1 x s2 = -43.9"},
      {"diagonal on a diagonal", {0, 0, 3, 3}, {2, 2, 5, 5}, 1, "s3 = s4 = 0 and the boxes overlap"},
      {"diagonal inside a diagonal", {0, 0, 4, 4}, {1, 1, 3, 3}, 1, "s3 = s4 = 0"},
      {"diagonals meeting end to end", {0, 0, 2, 2}, {2, 2, 4, 4}, 0, "max X of A 1.82 <= min X of B 1.82"},
      {"parallel diagonals", {0, 0, 2, 2}, {1, 0, 3, 2}, 0, "s3 = s4 = 1.66: same side"},
      {"diagonal T on a diagonal", {0, 0, 4, 4}, {2, 2, 4, 0}, 0, "s3 = 0"},
      {"boxes overlap, segments apart", {0, 0, 4, 4}, {3, 0, 4, 2}, 0, "s3 = 9.94, s4 = 6.62: same side"},
      {"boxes apart", {0, 0, 1, 1}, {3, 3, 4, 5}, 0, "max X of A 0.91 <= min X of B 2.73"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WallsCross(c.a.x1, c.a.y1, c.a.x2, c.a.y2, c.b.x1, c.b.y1, c.b.x2, c.b.y2), c.cross) << c.why;
  }
}

TEST_F(WallLinesTest, WallsCrossJudgesDiagonalsOnPositions) {
  // On the uniform grid the wall (2,2)-(5,2) only touches the diagonal (0,0)-(4,4). With X axis 2
  // moved left by d its start (1.82 - d, 1.82) lies above the line y = x and its end (4.55, 1.82)
  // below it: s3 = (-3.64)(1.82) + (-3.64)(d - 1.82) = -3.64 d, s4 = 9.94, so s3 x s4 = -36.2 d;
  // s1 x s2 < 0 as A's ends lie on both sides of y = 1.82.
  struct Case {
    double d;
    int32_t cross;
    const char* why;
  } cases[] = {
      {0.0, 0, "s3 = 0: the end touches the diagonal"},
      {1e-6, 0, "|s3 x s4| = 3.6e-5 <= 0.0001 counts as touching"},
      {1e-5, 1, "|s3 x s4| = 3.6e-4: a crossing"},
      {0.32, 1, "X axis 2 at 1.5 m"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    GridAxisX[2] = 2 * 0.91 - c.d;
    EXPECT_EQ(WallsCross(0, 0, 4, 4, 2, 2, 5, 2), c.cross);
  }
}

TEST_F(WallLinesTest, WallsCrossOffTheGrid) {
  // Index arithmetic needs no positions; the position test has none for a point off the grid.
  EXPECT_EQ(WallsCross(0, 5, 400, 5, 300, 0, 300, 9), 1);
  EXPECT_EQ(WallsCross(0, 0, 4, 4, 2, -1, 2, 250), 0);
}

}  // namespace
