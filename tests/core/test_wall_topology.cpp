// Wall topology of the structural recalculation. Invariants guarded here:
// - brace-end codes 2c + 1 / 2c + 2 (crossed: 2c + 1 twice) on the side of
//   each point that faces the other, with the brace class read by BraceTable
//   row, and the larger code kept;
// - bearing flags count "不明" in the current state only;
// - lengths and extents, and no counted length without a column at each end;
// - panel joins of short walls;
// - opening runs: kind, run length, opening class and effective length in
//   both revisions, the run cap of 3.0 m and the 2025 rule of 2.0 m;
// - the line searches end on a damaged plan, and a run of length 0 gives
//   finite results.
// Expected numbers are worked by hand beside each case; the grid is 1 m
// unless a case moves its axes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "StructureFixture.h"
#include "analysis/StoreyAnalysis.h"
#include "analysis/WallTopology.h"
#include "model/ViewState.h"

namespace {

constexpr double kTol = 1e-9;

class WallTopologyTest : public StructureTest {};

// ---------------------------------------------------------------- brace ends

struct BracedWall {
  int x1, y1, x2, y2;
  int kind, joint, crossed;
};

struct Code {
  int x, y, side, code;
};

TEST_F(WallTopologyTest, BraceEndCodes) {
  enum { SmallerX = 0, LargerX = 1, SmallerY = 2, LargerY = 3 };
  const struct {
    std::string name;
    std::vector<BracedWall> walls;
    std::vector<Code> expected;  // every other side of points 0..5 x 0..5 holds 0
  } cases[] = {
      {"90x30 one-way drawn left to right: class 2, first point 2x2+1 = 5, second 2x2+2 = 6",
       {{1, 1, 3, 1, 4, 3, 0}},
       {{1, 1, LargerX, 5}, {3, 1, SmallerX, 6}}},
      {"the same drawn right to left: the right point gets the first code on its left side",
       {{3, 1, 1, 1, 4, 3, 0}},
       {{3, 1, SmallerX, 5}, {1, 1, LargerX, 6}}},
      {"90x30 nailed (row 5) is class 2 as well",
       {{1, 1, 3, 1, 4, 0, 0}},
       {{1, 1, LargerX, 5}, {3, 1, SmallerX, 6}}},
      {"90x30 crossed: c = 3, first 7, second 3 + 2 x (1 + 1) = 7",
       {{1, 1, 3, 1, 4, 3, 1}},
       {{1, 1, LargerX, 7}, {3, 1, SmallerX, 7}}},
      {"90x45 (row 6): class 4, codes 9 and 10",
       {{1, 1, 3, 1, 5, 2, 0}},
       {{1, 1, LargerX, 9}, {3, 1, SmallerX, 10}}},
      {"90x45 nailed (row 7): class 4", {{1, 1, 3, 1, 5, 0, 0}}, {{1, 1, LargerX, 9}, {3, 1, SmallerX, 10}}},
      {"90x90 (row 8): class 6, codes 13 and 14",
       {{1, 1, 3, 1, 6, 0, 0}},
       {{1, 1, LargerX, 13}, {3, 1, SmallerX, 14}}},
      {"90x90 crossed: c = 7, 15 and 7 + 2 x (3 + 1) = 15",
       {{1, 1, 3, 1, 6, 3, 1}},
       {{1, 1, LargerX, 15}, {3, 1, SmallerX, 15}}},
      {"9 mm rod: class 0, codes 1 and 2",
       {{1, 1, 3, 1, 2, 3, 0}},
       {{1, 1, LargerX, 1}, {3, 1, SmallerX, 2}}},
      {"user brace その他1 (row 9): class 0",
       {{1, 1, 3, 1, 7, 3, 0}},
       {{1, 1, LargerX, 1}, {3, 1, SmallerX, 2}}},
      {"knee brace (row 11): class 0", {{1, 1, 3, 1, 9, 3, 0}}, {{1, 1, LargerX, 1}, {3, 1, SmallerX, 2}}},
      {"unknown brace: no codes", {{1, 1, 3, 1, 1, 3, 0}}, {}},
      {"no brace: no codes", {{1, 1, 3, 1, 0, 3, 0}}, {}},
      {"along Y drawn downwards (Y1 < Y2): larger-Y side at the first point",
       {{2, 1, 2, 4, 4, 3, 0}},
       {{2, 1, LargerY, 5}, {2, 4, SmallerY, 6}}},
      {"along Y drawn upwards", {{2, 4, 2, 1, 4, 3, 0}}, {{2, 4, SmallerY, 5}, {2, 1, LargerY, 6}}},
      {"diagonal: both its X and its Y sides",
       {{1, 1, 3, 3, 4, 3, 0}},
       {{1, 1, LargerX, 5}, {1, 1, LargerY, 5}, {3, 3, SmallerX, 6}, {3, 3, SmallerY, 6}}},
      {"two braces leaving (1,1) towards larger X: the larger code stays",
       {{1, 1, 3, 1, 6, 3, 0}, {1, 1, 3, 3, 4, 3, 0}},
       {{1, 1, LargerX, 13},
        {3, 1, SmallerX, 14},
        {1, 1, LargerY, 5},
        {3, 3, SmallerX, 6},
        {3, 3, SmallerY, 6}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WallCount[0][0] = 0;
    for (const BracedWall& b : c.walls) {
      WallRecord& w = PutWall(b.x1, b.y1, b.x2, b.y2);
      w.BraceKind = b.kind, w.BraceEndJoint = b.joint, w.BraceArrangement = b.crossed;
    }
    Recalculate();
    int expected[6][6][4] = {};
    for (const Code& e : c.expected) expected[e.x][e.y][e.side] = e.code;
    for (int x = 0; x < 6; ++x)
      for (int y = 0; y < 6; ++y)
        for (int side = 0; side < 4; ++side)
          EXPECT_EQ(BraceEndMap[0][0][x][y].Side[side], expected[x][y][side])
              << "point (" << x << "," << y << ") side " << side;
  }
}

// ------------------------------------------------------------ bearing flags

TEST_F(WallTopologyTest, BearingFlags) {
  const struct {
    int variant, brace, mud, left, right, expected;
  } cases[] = {
      {0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 1},  // "不明" counts in the current state
      {0, 0, 1, 0, 0, 1}, {0, 0, 0, 0, 1, 1}, {0, 0, 0, 3, 0, 1}, {1, 1, 1, 1, 1, 0},  // ... not in a plan
      {1, 2, 0, 0, 0, 1}, {1, 0, 2, 0, 0, 1}, {1, 0, 0, 2, 0, 1}, {2, 0, 0, 0, 21, 1}, {2, 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    CurrentVariant = c.variant;
    WallCount[c.variant][0] = 0;
    WallRecord& w = PutWall(1, 1, 2, 1);
    w.BraceKind = c.brace, w.MudWallKind = c.mud, w.PanelLeft = c.left, w.PanelRight = c.right;
    w.BraceEndJoint = 3;
    Recalculate();
    EXPECT_EQ(Result(0).HasBearingElements, c.expected)
        << "variant " << c.variant << " brace " << c.brace << " mud " << c.mud << " panels " << c.left << "/"
        << c.right;
  }
}

// ----------------------------------------------------------------- geometry

TEST_F(WallTopologyTest, LengthsExtentsAndFloorFlag) {
  const struct {
    std::string name;
    int x1, y1, x2, y2;
    bool columnAtFirst, columnAtSecond, floor;
    double length, lengthX, lengthY, extentX, extentY, effective;
    int underFloor;
  } cases[] = {
      {"along X with columns", 1, 1, 4, 1, true, true, false, 3, 3, 0, 3, 0, 3, 0},
      {"diagonal 3-4-5", 1, 1, 4, 5, true, true, false, 5, 3, 4, 3, 4, 5, 0},
      {"the same entered from its far end", 4, 5, 1, 1, true, true, false, 5, 3, 4, 3, 4, 5, 0},
      {"no column at the end: nothing counts, the extents stay", 1, 1, 4, 5, true, false, false, 5, 0, 0, 3,
       4, 0, 0},
      {"no column at the start", 1, 1, 1, 3, false, true, false, 2, 0, 0, 0, 2, 0, 0},
      {"both ends under a floor area", 1, 1, 1, 3, true, true, true, 2, 0, 2, 0, 2, 2, 1},
      {"under a floor area but a column missing: no floor flag", 1, 1, 1, 3, true, false, true, 2, 0, 0, 0, 2,
       0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ColumnCount[0][0] = WallCount[0][0] = RoofFloorRectCount[0][0] = 0;
    PutWall(c.x1, c.y1, c.x2, c.y2);
    if (c.columnAtFirst) PutColumn(c.x1, c.y1);
    if (c.columnAtSecond) PutColumn(c.x2, c.y2);
    if (c.floor) PutFloor(0, 0, 6, 6);
    Recalculate();
    const WallCaseResult& r = Result(0);
    EXPECT_NEAR(r.Length, c.length, kTol);
    EXPECT_NEAR(r.LengthX, c.lengthX, kTol);
    EXPECT_NEAR(r.LengthY, c.lengthY, kTol);
    EXPECT_NEAR(r.ExtentX, c.extentX, kTol);
    EXPECT_NEAR(r.ExtentY, c.extentY, kTol);
    EXPECT_NEAR(r.ColumnExtentX, c.extentX, kTol);
    EXPECT_NEAR(r.ColumnExtentY, c.extentY, kTol);
    EXPECT_NEAR(r.EffectiveLength, c.effective, kTol);
    EXPECT_EQ(r.UnderRoofOrFloor, c.underFloor);
  }
}

// A wall under 0.6 m borrows the panel of a collinear solid neighbour that
// shares an end, when the two together reach 0.6 m. Three walls in a row on
// Y axis 1: X axes 0-1, 1-2, 2-3; the middle one is checked.
TEST_F(WallTopologyTest, PanelJoinsOfShortWalls) {
  struct Side {
    int left, right, opening;
  };
  const struct {
    std::string name;
    double x0, x1, x2, x3;
    Side before, middle, after;
    int leftJoined, rightJoined;
  } cases[] = {
      {"0.4 m between 1.0 m walls: same left panel before, both right panels 0 after",
       0,
       1.0,
       1.4,
       2.4,
       {3, 5, 0},
       {3, 0, 0},
       {0, 0, 0},
       1,
       2},
      {"a window after lends nothing", 0, 1.0, 1.4, 2.4, {3, 5, 0}, {3, 0, 0}, {0, 0, 1}, 1, 0},
      {"0.1 + 0.4 < 0.6 on both sides", 0, 0.1, 0.5, 0.6, {3, 0, 0}, {3, 0, 0}, {3, 0, 0}, 0, 0},
      {"0.375 + 0.25 >= 0.6 after counts, 0.125 + 0.375 before does not",
       0,
       0.125,
       0.5,
       0.75,
       {3, 0, 0},
       {3, 0, 0},
       {3, 5, 0},
       1,
       0},
      {"a wall of 0.75 m is not short", 0, 1.0, 1.75, 2.75, {3, 0, 0}, {3, 0, 0}, {3, 0, 0}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WallCount[0][0] = ColumnCount[0][0] = 0;
    SetAxesX({c.x0, c.x1, c.x2, c.x3});
    const Side sides[] = {c.before, c.middle, c.after};
    for (int i = 0; i < 3; ++i) {
      WallRecord& w = PutWall(i, 1, i + 1, 1);
      w.PanelLeft = sides[i].left, w.PanelRight = sides[i].right, w.OpeningKind = sides[i].opening;
      PutColumn(i, 1);
    }
    PutColumn(3, 1);
    // A wall across the short one's start: shares the end but is not collinear.
    PutWall(1, 0, 1, 1).PanelLeft = 3;
    Recalculate();
    EXPECT_EQ(Result(1).LeftPanelJoined, c.leftJoined);
    EXPECT_EQ(Result(1).RightPanelJoined, c.rightJoined);
  }
}

// ------------------------------------------------------------- opening runs

// Wall kinds: B braced solid (90x45, 3.2 kN/m), b weakly braced solid (90x30,
// 2.4 kN/m), P solid with a 5.2 kN/m panel on both faces (10.4 kN/m), S solid
// without elements, W window and D door without elements, g window with a
// gypsum board (2.6 kN/m), p window with a plywood panel (5.2 kN/m), F full opening.
struct PlanWall {
  int x1, y1, x2, y2;
  char kind;
};

struct Expect {
  int wall;
  int wallType;
  double runLength, effective, lengthX, lengthY;
  int runKind;
};

void Dress(WallRecord& w, char kind) {
  switch (kind) {
    case 'B':
      w.BraceKind = 5, w.BraceEndJoint = 3;
      break;
    case 'b':
      w.BraceKind = 4, w.BraceEndJoint = 3;
      break;
    case 'P':
      w.PanelLeft = w.PanelRight = 3;
      break;
    case 'W':
      w.OpeningKind = 1;
      break;
    case 'g':
      w.OpeningKind = 1, w.PanelLeft = 21;
      break;
    case 'p':
      w.OpeningKind = 1, w.PanelLeft = 3;
      break;
    case 'D':
      w.OpeningKind = 2;
      break;
    case 'F':
      w.OpeningKind = 3;
      break;
    default:
      break;
  }
}

struct RunCase {
  std::string name;
  int revision;
  int unratedSolidRule;
  std::vector<double> axesX;  // empty: 1 m grid
  std::vector<PlanWall> walls;
  std::vector<Expect> expected;
  bool floor = false;
  std::vector<std::pair<int, int>> withoutColumn = {};
  int method = 1;  // precise method 1
};

class OpeningRunTest : public WallTopologyTest {
 protected:
  void Build(const RunCase& c) {
    ProjectSettings.Revision = c.revision;
    ProjectSettings.UnratedSolidWallRule = c.unratedSolidRule;
    ProjectSettings.DiagnosisMethod = c.method;
    for (size_t i = 0; i < c.axesX.size(); ++i) GridAxisX[i] = c.axesX[i];
    for (const PlanWall& p : c.walls) {
      Dress(PutWall(p.x1, p.y1, p.x2, p.y2), p.kind);
      for (auto [x, y] : {std::pair{p.x1, p.y1}, std::pair{p.x2, p.y2}}) {
        bool skip = false;
        for (auto [nx, ny] : c.withoutColumn) skip |= nx == x && ny == y;
        for (int i = 0; i < ColumnCount[0][0]; ++i)
          skip |= Columns[0][0][i].X == x && Columns[0][0][i].Y == y;
        if (!skip) PutColumn(x, y);
      }
    }
    if (c.floor) PutFloor(0, 0, 8, 8);
  }
};

TEST_F(OpeningRunTest, RunsClassesAndEffectiveLengths) {
  const RunCase cases[] = {
      {"a window alone: no bearing wall on its line, counts nothing; run 1.0 is class 1",
       0,
       0,
       {},
       {{1, 1, 2, 1, 'W'}},
       {{0, 1, 1.0, 0.0, 0.0, 0.0, 0}}},
      {"2012: 0.9 m window after a braced wall: class 1, counts 0.9, reached at its start",
       0,
       0,
       {0, 1.0, 1.9},
       {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'W'}},
       {{1, 1, 0.9, 0.9, 0.9, 0.0, 1}}},
      {"2012: 0.9 m window before a braced wall: reached at its end only",
       0,
       0,
       {0, 0.9, 1.9},
       {{0, 1, 1, 1, 'W'}, {1, 1, 2, 1, 'B'}},
       {{0, 1, 0.9, 0.9, 0.9, 0.0, 2}}},
      {"0.9 m and 1.2 m windows ending at a braced wall: run 2.1 > 2, class 3 for both",
       0,
       0,
       {0, 0.9, 2.1, 3.1},
       {{0, 1, 1, 1, 'W'}, {1, 1, 2, 1, 'W'}, {2, 1, 3, 1, 'B'}},
       {{0, 3, 2.1, 0.9, 0.9, 0.0, 2}, {1, 3, 2.1, 1.2, 1.2, 0.0, 2}}},
      {"a run of exactly 2.0 m is class 2",
       0,
       0,
       {},
       {{0, 1, 1, 1, 'W'}, {1, 1, 2, 1, 'W'}, {2, 1, 3, 1, 'B'}},
       {{0, 2, 2.0, 1.0, 1.0, 0.0, 2}, {1, 2, 2.0, 1.0, 1.0, 0.0, 2}}},
      {"a window next to a door becomes a door: 4 + 1 for the 2.0 m run; the door takes the class back",
       0,
       0,
       {},
       {{0, 1, 1, 1, 'W'}, {1, 1, 2, 1, 'D'}, {2, 1, 3, 1, 'B'}},
       {{0, 5, 2.0, 1.0, 1.0, 0.0, 2}, {1, 5, 2.0, 1.0, 1.0, 0.0, 2}}},
      {"2012: four 1 m windows between braced walls: run 4, each counts 1 x 3.0 / 4 = 0.75, RunLength 3.0",
       0,
       0,
       {},
       {{0, 1, 1, 1, 'B'},
        {1, 1, 2, 1, 'W'},
        {2, 1, 3, 1, 'W'},
        {3, 1, 4, 1, 'W'},
        {4, 1, 5, 1, 'W'},
        {5, 1, 6, 1, 'B'}},
       {{1, 3, 3.0, 0.75, 0.75, 0.0, 1},
        {2, 3, 3.0, 0.75, 0.75, 0.0, 1},
        {3, 3, 3.0, 0.75, 0.75, 0.0, 1},
        {4, 3, 3.0, 0.75, 0.75, 0.0, 1}}},
      {"2025: the same run of 2.6 kN/m windows between 3.2 kN/m braced walls: 1 x 2.0 / 4 = 0.5, RunLength "
       "2.0",
       1,
       0,
       {},
       {{0, 1, 1, 1, 'B'},
        {1, 1, 2, 1, 'g'},
        {2, 1, 3, 1, 'g'},
        {3, 1, 4, 1, 'g'},
        {4, 1, 5, 1, 'g'},
        {5, 1, 6, 1, 'B'}},
       {{1, 3, 2.0, 0.5, 0.5, 0.0, 1}, {4, 3, 2.0, 0.5, 0.5, 0.0, 1}}},
      {"2025: 1.0 m and 1.5 m windows, run 2.5: each counts its length x 2.0 / 2.5 (0.8 and 1.2)",
       1,
       0,
       {0, 1, 2, 3.5, 4.5},
       {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'g'}, {2, 1, 3, 1, 'g'}, {3, 1, 4, 1, 'B'}},
       {{1, 3, 2.0, 0.8, 0.8, 0.0, 1}, {2, 3, 2.0, 1.2, 1.2, 0.0, 1}}},
      {"2025, precise method 1: a run of 2.5 m supported at its start only still counts 2.0 m",
       1,
       0,
       {0, 1, 2, 3.5},
       {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'g'}, {2, 1, 3, 1, 'g'}},
       {{1, 3, 2.0, 0.8, 0.8, 0.0, 1}, {2, 3, 2.0, 1.2, 1.2, 0.0, 1}}},
      {"2025, precise method 2: supported at one end only, the run counts in full",
       1,
       0,
       {0, 1, 2, 3.5},
       {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'g'}, {2, 1, 3, 1, 'g'}},
       {{1, 3, 2.5, 1.0, 1.0, 0.0, 1}, {2, 3, 2.5, 1.5, 1.5, 0.0, 1}},
       false,
       {},
       0},
      {"2012: the same run counts in full with RunLength 2.5",
       0,
       0,
       {0, 1, 2, 3.5, 4.5},
       {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'g'}, {2, 1, 3, 1, 'g'}, {3, 1, 4, 1, 'B'}},
       {{1, 3, 2.5, 1.0, 1.0, 0.0, 1}, {2, 3, 2.5, 1.5, 1.5, 0.0, 1}}},
      {"2025 without the strength: windows without elements (0 kN/m) keep the 3.0 m cap: 1 x 3.0 / 4",
       1,
       0,
       {},
       {{0, 1, 1, 1, 'B'},
        {1, 1, 2, 1, 'W'},
        {2, 1, 3, 1, 'W'},
        {3, 1, 4, 1, 'W'},
        {4, 1, 5, 1, 'W'},
        {5, 1, 6, 1, 'B'}},
       {{2, 3, 3.0, 0.75, 0.75, 0.0, 1}}},
      {"rule 1: an unbraced solid wall adds no length, the search passes through it to the braced wall",
       0,
       1,
       {},
       {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'W'}, {2, 1, 3, 1, 'S'}, {3, 1, 4, 1, 'B'}},
       {{1, 1, 1.0, 1.0, 1.0, 0.0, 1}}},
      {"rule 0: the same solid wall adds its 1.0 m: run 2.0, class 2",
       0,
       0,
       {},
       {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'W'}, {2, 1, 3, 1, 'S'}, {3, 1, 4, 1, 'B'}},
       {{1, 2, 2.0, 1.0, 1.0, 0.0, 1}}},
      {"2025: a braced neighbour weaker than the window (2.4 < 5.2) is passed, 1.0 m added, the strong wall "
       "beyond "
       "supports: run 2.0",
       1,
       0,
       {},
       {{0, 1, 1, 1, 'P'}, {1, 1, 2, 1, 'b'}, {2, 1, 3, 1, 'p'}},
       {{2, 2, 2.0, 1.0, 1.0, 0.0, 1}}},
      {"2012: the weak braced neighbour supports the window directly",
       0,
       0,
       {},
       {{0, 1, 1, 1, 'P'}, {1, 1, 2, 1, 'b'}, {2, 1, 3, 1, 'p'}},
       {{2, 1, 1.0, 1.0, 1.0, 0.0, 1}}},
      {"a full opening breaks the line: the window beyond it counts nothing",
       0,
       0,
       {},
       {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'F'}, {2, 1, 3, 1, 'W'}},
       {{2, 1, 1.0, 0.0, 0.0, 0.0, 0}}},
      {"a supported window without a column at its end counts nothing",
       0,
       0,
       {},
       {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'W'}},
       {{1, 1, 1.0, 0.0, 0.0, 0.0, 1}},
       false,
       {{2, 1}}},
      {"partition window and door in a run of 2.0 m: 8 + 5 = 13 for both",
       0,
       0,
       {},
       {{1, 3, 2, 3, 'B'}, {2, 3, 3, 3, 'W'}, {3, 3, 4, 3, 'D'}},
       {{1, 13, 2.0, 1.0, 1.0, 0.0, 1}, {2, 13, 2.0, 1.0, 1.0, 0.0, 1}},
       true},
      {"along Y: a window above a braced wall",
       0,
       0,
       {},
       {{1, 0, 1, 1, 'B'}, {1, 1, 1, 2, 'W'}},
       {{1, 1, 1.0, 1.0, 0.0, 1.0, 1}}},
      {"diagonal at 45 degrees: run sqrt 2 > 1, class 2",
       0,
       0,
       {},
       {{0, 0, 1, 1, 'B'}, {1, 1, 2, 2, 'W'}},
       {{1, 2, std::sqrt(2.0), std::sqrt(2.0), 1.0, 1.0, 1}}},
  };
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    Build(c);
    // Revision 2025 compares base strengths of the previous recalculation:
    // the second one is the settled state.
    Recalculate();
    Recalculate();
    for (const Expect& e : c.expected) {
      SCOPED_TRACE("wall " + std::to_string(e.wall));
      const WallCaseResult& r = Result(e.wall);
      EXPECT_EQ(r.WallType, e.wallType);
      EXPECT_NEAR(r.RunLength, e.runLength, kTol);
      EXPECT_NEAR(r.EffectiveLength, e.effective, kTol);
      EXPECT_NEAR(r.LengthX, e.lengthX, kTol);
      EXPECT_NEAR(r.LengthY, e.lengthY, kTol);
      EXPECT_EQ(r.OpeningRunKind, e.runKind);
    }
  }
}

TEST_F(OpeningRunTest, FullOpeningCountsNothing) {
  Build({"", 0, 0, {}, {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'F'}}, {}, true});
  Recalculate();
  EXPECT_EQ(Result(1).WallType, 15);  // partition (inside the floor area) full opening
  EXPECT_EQ(Result(1).EffectiveLength, 0.0);
  EXPECT_EQ(Result(1).LengthX, 0.0);
  EXPECT_NEAR(Result(1).Length, 1.0, kTol);
}

// The 2025 support rule reads the base strengths that the storey analysis
// wrote in the previous recalculation: 0 in the first one, so that a weak
// braced neighbour still supports; from the second on it no longer does.
TEST_F(OpeningRunTest, RevisionRuleReadsThePreviousRecalculation) {
  Build({"", 1, 0, {}, {{0, 1, 1, 1, 'P'}, {1, 1, 2, 1, 'b'}, {2, 1, 3, 1, 'p'}}, {}});
  Recalculate();
  EXPECT_EQ(Result(2).WallType, 1);  // run 1.0: 0 <= 0 lets the weak wall support
  EXPECT_NEAR(Result(2).BaseStrength, 5.2, kTol);
  EXPECT_NEAR(Result(1).BaseStrength, 2.4, kTol);
  Recalculate();
  EXPECT_EQ(Result(2).WallType, 2);  // 5.2 > 2.4: passed through, run 2.0
  Recalculate();
  EXPECT_EQ(Result(2).WallType, 2);
}

// Coincident X axes 1 and 2: a window between them has length 0 and a run of
// 0; nothing it yields may be infinite or undefined.
TEST_F(OpeningRunTest, RunOfLengthZeroStaysFinite) {
  SetAxesX({0, 1, 1, 2});
  Build({"", 0, 0, {}, {{0, 1, 1, 1, 'B'}, {1, 1, 2, 1, 'g'}, {2, 1, 3, 1, 'B'}}, {}});
  Recalculate();
  const WallCaseResult& r = Result(1);
  EXPECT_EQ(r.Length, 0.0);
  EXPECT_EQ(r.RunLength, 0.0);
  EXPECT_EQ(r.EffectiveLength, 0.0);
  EXPECT_EQ(r.WallType, 1);
  EXPECT_EQ(r.OpeningFactor, 0.0);  // 0.4 / RunLength would divide by 0
  for (int c = 0; c < WallLoadingCaseCount; ++c) {
    const WallCaseResult& b = Result(1, c);
    for (double value : {b.BaseStrength, b.BaseStiffness, b.WallFactor, b.ReductionFactor,
                         b.DeteriorationFactor, b.MinReductionFactor})
      EXPECT_TRUE(std::isfinite(value)) << "case " << c;
    EXPECT_EQ(b.StrengthClass, 0);
    EXPECT_EQ(b.StrengthBand, 0);
  }
}

// -------------------------------------------------------------- line searches

// Walls on Y axis 1: 0-1, 1-2 (full opening), 2-3; a through column where given.
TEST_F(WallTopologyTest, FindSupportedLineEnd) {
  const struct {
    std::string name;
    int throughAt;  // X index of the through column on Y axis 1, -1 for none
    int from, direction;
    int expected;
  } cases[] = {
      {"from the last wall towards its start, over the full opening, to the column at 0", 0, 2, 1, 1},
      {"the wall's own start holds it", 2, 2, 1, 1},
      {"towards the end: 3 has no through column and no wall continues", 0, 0, 2, 0},
      {"towards the end, reaching the column at 3", 3, 0, 2, 1},
      {"no through column anywhere", -1, 2, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    PutWall(0, 1, 1, 1);
    PutWall(1, 1, 2, 1).OpeningKind = 3;
    PutWall(2, 1, 3, 1);
    for (int x = 0; x <= 3; ++x) PutColumn(x, 1, x == c.throughAt ? 2 : 1);
    Recalculate();
    const int x = c.from;
    EXPECT_EQ(FindSupportedLineEnd(0, c.from, c.direction, x, 1, x + 1, 1, 0.0), c.expected);
  }
}

TEST_F(WallTopologyTest, AccumulateWallLineFromAWall) {
  // Braced 0-1, window 1-2, door 2-3, window 3-4. After the recalculation the
  // door and both windows share one run of 3.0 m: door class 4 + 2 = 6.
  PutWall(0, 1, 1, 1).BraceKind = 5;
  Walls[0][0][0].BraceEndJoint = 3;
  PutWall(1, 1, 2, 1).OpeningKind = 1;
  PutWall(2, 1, 3, 1).OpeningKind = 2;
  PutWall(3, 1, 4, 1).OpeningKind = 1;
  for (int x = 0; x <= 4; ++x) PutColumn(x, 1);
  Recalculate();
  ASSERT_EQ(Result(2).WallType, 6);
  const struct {
    int startType, expectedType;
  } cases[] = {
      {1, 6},   // outer window: takes the door's class 6
      {9, 14},  // partition window: 8 + 6
      {6, 6},   // already as high: unchanged
  };
  for (const auto& c : cases) {
    WallResults[0][0][3].Blocks[0].WallType = c.startType;
    // From the window at 3-4 towards its start: the door and the window at
    // 1-2 add 1.0 m each, the braced wall ends the search.
    double run = 1.0;
    EXPECT_EQ(AccumulateWallLine(0, 3, run, 1, 3, 1, 4, 1, 0.0, c.startType, 0.0, 3), 1);
    EXPECT_NEAR(run, 3.0, kTol);
    EXPECT_EQ(Result(3).WallType, c.expectedType) << "start type " << c.startType;
  }
  // Towards the end nothing continues the line: no bearing wall, nothing added.
  double run = 1.0;
  EXPECT_EQ(AccumulateWallLine(0, 3, run, 2, 3, 1, 4, 1, 0.0, 1, 0.0, 3), 0);
  EXPECT_EQ(run, 1.0);
}

// A damaged file with two zero-length walls at one point: each search would
// hand over from one to the other for ever. Both searches end, and the
// recalculation of the whole plan finishes.
TEST_F(WallTopologyTest, SearchesEndOnZeroLengthWalls) {
  PutWall(1, 1, 1, 2).OpeningKind = 1;  // window along Y from (1,1)
  PutWall(1, 1, 1, 1);
  PutWall(1, 1, 1, 1);
  PutColumn(1, 1);
  PutColumn(1, 2);
  ProjectSettings.UnratedSolidWallRule = 0;
  Recalculate();
  EXPECT_EQ(Result(0).OpeningRunKind, 0);  // no bearing wall reached
  EXPECT_EQ(Result(0).EffectiveLength, 0.0);
  EXPECT_NEAR(Result(0).RunLength, 1.0, kTol);  // the zero-length walls add nothing

  double run = 0.0;
  EXPECT_EQ(AccumulateWallLine(0, 1, run, 1, 1, 1, 1, 1, VerticalSlope, 1, 0.0, 0), 0);
  EXPECT_EQ(run, 0.0);
  EXPECT_EQ(FindSupportedLineEnd(0, 1, 1, 1, 1, 1, 1, VerticalSlope), 0);
  Columns[0][0][0].Type = 2;  // a through column at the point ends it at once
  BuildGridPointMap();
  EXPECT_EQ(FindSupportedLineEnd(0, 1, 1, 1, 1, 1, 1, VerticalSlope), 1);
}

TEST(WallLines, CollinearSlopes) {
  const struct {
    double reference, candidate;
    bool expected;
  } cases[] = {
      {0.0, 0.0, true},
      {1.0, 0.0, false},  // slope 0 only with slope 0
      {0.0, 1.0, false},
      {1.0, 1.0, true},
      {1.0, 1.01, true},   // 1 / 1.01 = 0.990
      {1.0, 1.02, false},  // 0.980
      {1.01, 1.0, true},
      {1.02, 1.0, false},
      {-1.0, 1.0, false},
      {VerticalSlope, VerticalSlope, true},
      {VerticalSlope, 1.0, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SlopesCollinear(c.reference, c.candidate), c.expected) << c.reference << " / " << c.candidate;
}

}  // namespace
