// Column strength and stiffness from hanging walls (other-elements method 2)
// and the column terms of the storey sums, torsion and quarter zones.
// Every expected value is read by hand from the hanging-wall tables: the
// table, its row (section class) and column (step = trunc(S - 1), kept in
// 0..5, S the smallest wall strength of the openings on that side) are named
// beside each number. Wall strengths S come from the element tables: mud-wall
// rows 2 (2.4 kN/m, stiffness 480), 4 (3.5, 680), 5 (3.9, 750); panel rows 2
// (0.8, 70), 3 (5.2, 860), 21 (2.6, 450).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/ColumnStrengths.h"
#include "analysis/FloorAreas.h"
#include "analysis/GridAxisLabels.h"
#include "model/ViewState.h"

namespace {

constexpr int Window = 1, Door = 2;

// Where a wall with an opening lies relative to the column at grid point (2, 2).
enum Place { Left, Right, Below, Above, Diagonal };

struct OpeningWall {
  Place place;
  int kind;  // Window or Door
  int mud;   // MudWallTable row
  double length;
  int panelLeft = 0, furringLeft = 0, panelRight = 0, furringRight = 0;
};

// The results start at zero in a fresh process; cleared again so that the
// tests also hold when the whole binary runs in one process.
void ZeroResults() {
  std::memset(WallResults, 0, sizeof WallResults);
  std::memset(ColumnResults, 0, sizeof ColumnResults);
  std::memset(ColumnSnowResults, 0, sizeof ColumnSnowResults);
#define ZERO_WITH_SNOW(Type, name)   \
  std::memset(name, 0, sizeof name); \
  std::memset(name##Snow, 0, sizeof name##Snow);
#define ZERO_PLAIN(Type, name) std::memset(name, 0, sizeof name);
  QUILMORA_STOREY_RESULT_ARRAYS(ZERO_WITH_SNOW, ZERO_PLAIN)
#undef ZERO_WITH_SNOW
#undef ZERO_PLAIN
  std::memset(LineStiffnessX, 0, sizeof LineStiffnessX);
  std::memset(LineStiffnessY, 0, sizeof LineStiffnessY);
}

class ColumnStrengthTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    ZeroResults();
    CurrentVariant = 0;
    ProjectSettings.OtherElementsMethod = 1;
    ProjectSettings.DiagnosisMethod = 2;  // general method
    ProjectSettings.Method2ColumnRule = 0;
    testmodel::LayOutGrid(1.0);  // axis i at i m
  }

  int AddColumn(int x, int y, int sectionX, int sectionY = 0, int species = 0, int deterioration = 2,
                int s = 0) {
    const int i = ColumnCount[0][s];
    ColumnRecord& c = testmodel::AddColumn(0, s, x, y);
    c.Species = species, c.SectionX = sectionX, c.SectionY = sectionY, c.Deterioration = deterioration;
    return i;
  }

  // The extents and counted lengths are what the wall geometry step leaves;
  // the strength step reads only them, not the grid positions.
  WallRecord& AddWall(int x1, int y1, int x2, int y2, int opening, double extentX, double extentY,
                      int s = 0) {
    const int i = WallCount[0][s];
    WallRecord& w = testmodel::AddWall(0, s, x1, y1, x2, y2);
    w.OpeningKind = opening;
    WallCaseResult& g = WallResults[0][s][i].Blocks[0];
    g.ColumnExtentX = g.ExtentX = g.LengthX = extentX;
    g.ColumnExtentY = g.ExtentY = g.LengthY = extentY;
    return w;
  }

  void AddOpeningWall(const OpeningWall& o) {
    int x1 = 1, y1 = 2, x2 = 2, y2 = 2;
    double ex = o.length, ey = 0.0;
    switch (o.place) {
      case Left:
        break;
      case Right:
        x1 = 2, x2 = 3;
        break;
      case Below:
        x1 = 2, y1 = 1, ey = o.length, ex = 0.0;
        break;
      case Above:
        x1 = 2, y2 = 3, ey = o.length, ex = 0.0;
        break;
      case Diagonal:
        y1 = 1, ey = o.length;
        break;
    }
    WallRecord& w = AddWall(x1, y1, x2, y2, o.kind, ex, ey);
    w.MudWallKind = o.mud;
    w.PanelLeft = o.panelLeft, w.FurringLeft = o.furringLeft;
    w.PanelRight = o.panelRight, w.FurringRight = o.furringRight;
  }

  static ColumnResult& Result(int i, int s = 0) { return ColumnResults[0][s][i]; }
};

// Strength X and Y of the column at (2, 2) under Method2ColumnRule 0 (lower),
// 1 (higher) and 2 (sum).
struct ByRule {
  double x[3], y[3];
};

TEST_F(ColumnStrengthTest, DoorWallBetweenTwoColumnsGivesEachColumnItsTerm) {
  // Door wall of 0.9 m in X, mud wall row 2: S = 2.4, K = 480. Columns of
  // section class 1 at both ends. Width 0.9 / 2 = 0.45 < 1.2: narrow door
  // table, row 1, step trunc(2.4 - 1) = 1: 0.36.
  const int a = AddColumn(1, 2, 1), b = AddColumn(2, 2, 1);
  AddWall(1, 2, 2, 2, Door, 0.9, 0.0).MudWallKind = 2;
  CalcColumnStrengths();
  for (int i : {a, b}) {
    SCOPED_TRACE(i);
    const ColumnResult& r = Result(i);
    EXPECT_DOUBLE_EQ(r.SideWallTerms[DoorWidthX], 0.45);
    EXPECT_DOUBLE_EQ(r.SideWallTerms[DoorWidthY], 0.0);
    EXPECT_DOUBLE_EQ(r.SideWallTerms[DoorWallStrengthX], 2.4);
    EXPECT_DOUBLE_EQ(r.SideWallTerms[DoorWallStiffnessX], 480.0);
    EXPECT_DOUBLE_EQ(r.SideWallTerms[DoorStrengthX], 0.36);
    EXPECT_DOUBLE_EQ(r.SideWallTerms[DoorStiffnessX], 0.36);  // the general method's strength stands in
    EXPECT_DOUBLE_EQ(r.StrengthX, 0.36);
    EXPECT_DOUBLE_EQ(r.StiffnessX, 0.36);
    EXPECT_DOUBLE_EQ(r.StrengthY, 0.0);
    EXPECT_DOUBLE_EQ(r.StiffnessY, 0.0);
    EXPECT_EQ(r.BreakageRisk, 0);
  }
}

TEST_F(ColumnStrengthTest, GeneralMethodDoorsAndWindowsOnOneAndBothSidesByRule) {
  struct Case {
    const char* name;
    int sectionX, sectionY;
    std::vector<OpeningWall> walls;
    ByRule expected;
  } cases[] = {
      // Door narrow row 1 step 1 (S 2.4): 0.36, whatever the rule.
      {"door on one side in X", 1, 0, {{Left, Door, 2, 0.9}}, {{0.36, 0.36, 0.36}, {0, 0, 0}}},
      // Window narrow row 1 step 1: 0.9.
      {"window on one side in X", 1, 0, {{Right, Window, 2, 0.9}}, {{0.9, 0.9, 0.9}, {0, 0, 0}}},
      // d = 0.36, w = 0.9: lower 0.36, higher 0.9, sum 1.26.
      {"door and window on both sides in X",
       1,
       0,
       {{Left, Door, 2, 0.9}, {Right, Window, 2, 0.9}},
       {{0.36, 0.9, 1.26}, {0, 0, 0}}},
      // Width 0.45 + 0.9 = 1.35 >= 1.2: wide; S = min(2.4, 3.5) = 2.4, step 1:
      // door wide row 1 step 1 = 0.48.
      {"doors on both sides in X, wide",
       1,
       0,
       {{Left, Door, 2, 0.9}, {Right, Door, 4, 1.8}},
       {{0.48, 0.48, 0.48}, {0, 0, 0}}},
      // Width 2.4 / 2 = 1.2 is already wide: door wide row 1 step 1 = 0.48.
      {"door of 2.4 m: width 1.2", 1, 0, {{Left, Door, 2, 2.4}}, {{0.48, 0.48, 0.48}, {0, 0, 0}}},
      // Width 0.45 + 0.45 = 0.9: narrow; S = min(3.5, 3.9) = 3.5, step 2:
      // window narrow row 1 step 2 = 1.26.
      {"windows on both sides in X",
       1,
       0,
       {{Left, Window, 4, 0.9}, {Right, Window, 5, 0.9}},
       {{1.26, 1.26, 1.26}, {0, 0, 0}}},
      // X from SectionX 1: door narrow row 1 step 1 = 0.36; Y from SectionY 4
      // (class 3): window narrow row 3 step 1 = 1.05.
      {"door in X, window in Y",
       1,
       4,
       {{Left, Door, 2, 0.9}, {Above, Window, 2, 0.9}},
       {{0.36, 0.36, 0.36}, {1.05, 1.05, 1.05}}},
      // SectionY 0: Y class = X class 2. Door S 3.5 step 2: door narrow row 2
      // step 2 = 0.54; window S 2.4 step 1: window narrow row 2 step 1 = 0.98.
      // Lower 0.54, higher 0.98, sum 0.54 + 0.98 = 1.52.
      {"door and window on both sides in Y",
       2,
       0,
       {{Below, Door, 4, 0.9}, {Above, Window, 2, 0.9}},
       {{0, 0, 0}, {0.54, 0.98, 1.52}}},
      // A diagonal door has both extents: 0.45 in X and in Y, door narrow
      // row 1 step 1 = 0.36 in each direction.
      {"diagonal door counts in X and Y",
       1,
       0,
       {{Diagonal, Door, 2, 0.9}},
       {{0.36, 0.36, 0.36}, {0.36, 0.36, 0.36}}},
  };
  for (const Case& c : cases) {
    for (int rule = 0; rule < 3; ++rule) {
      SCOPED_TRACE(testing::Message() << c.name << ", rule " << rule);
      ColumnCount[0][0] = WallCount[0][0] = 0;
      const int col = AddColumn(2, 2, c.sectionX, c.sectionY);
      for (const OpeningWall& w : c.walls) AddOpeningWall(w);
      ProjectSettings.Method2ColumnRule = rule;
      CalcColumnStrengths();
      const ColumnResult& r = Result(col);
      EXPECT_NEAR(r.StrengthX, c.expected.x[rule], 1e-12);
      EXPECT_NEAR(r.StrengthY, c.expected.y[rule], 1e-12);
      EXPECT_NEAR(r.StiffnessX, c.expected.x[rule], 1e-12);
      EXPECT_NEAR(r.StiffnessY, c.expected.y[rule], 1e-12);
      EXPECT_EQ(r.BreakageRisk, 0);
    }
  }
}

TEST_F(ColumnStrengthTest, PreciseMethodReadsStrengthAndStiffnessTablesOfTheSpecies) {
  ProjectSettings.DiagnosisMethod = 1;
  struct Case {
    const char* name;
    int sectionX, sectionY, species;
    std::vector<OpeningWall> walls;
    double strengthX[3], stiffnessX[3], strengthY[3], stiffnessY[3];  // by rule 0, 1, 2
    int breakage;
  } cases[] = {
      // Species 0, door narrow row 1 step 1: strength 0.35, stiffness 54.
      {"cedar door in X", 1, 0, 0, {{Left, Door, 2, 0.9}}, {0.35, 0.35, 0.35}, {54, 54, 54}, {}, {}, 0},
      // Species 1, width 0.45 + 0.9 = 1.35 wide, S = min(3.5, 3.9), step 2,
      // row 3: window wide strength 2.68, stiffness 414.
      {"cypress windows on both sides in X, wide",
       3,
       0,
       1,
       {{Left, Window, 4, 0.9}, {Right, Window, 5, 1.8}},
       {2.68, 2.68, 2.68},
       {414, 414, 414},
       {},
       {},
       0},
      // Species 2, SectionY 6 (class 5), S = 3.9 + 5.2 = 9.1, step 5: door
      // narrow strength 1.37, stiffness 264; X class 1 gets no width in X.
      {"zelkova door in Y at step 5",
       1,
       6,
       2,
       {{Below, Door, 5, 0.9, 3}},
       {},
       {},
       {1.37, 1.37, 1.37},
       {264, 264, 264},
       0},
      // Species 1, row 2 step 1: door 0.4 / 72, window 1.0 / 168. Lower
      // 0.4 / 72, higher 1.0 / 168, sum 1.4 / 240.
      {"cypress door and window in X",
       2,
       0,
       1,
       {{Left, Door, 2, 0.9}, {Right, Window, 2, 0.9}},
       {0.4, 1.0, 1.4},
       {72, 168, 240},
       {},
       {},
       0},
      // Species 0, door narrow row 1 step 5 (S 9.1): -0.47 counts 0.47 and
      // marks the breakage risk; the stiffness table gives 78.
      {"cedar door at a negative entry",
       1,
       0,
       0,
       {{Left, Door, 5, 0.9, 3}},
       {0.47, 0.47, 0.47},
       {78, 78, 78},
       {},
       {},
       1},
  };
  for (const Case& c : cases) {
    for (int rule = 0; rule < 3; ++rule) {
      SCOPED_TRACE(testing::Message() << c.name << ", rule " << rule);
      ColumnCount[0][0] = WallCount[0][0] = 0;
      const int col = AddColumn(2, 2, c.sectionX, c.sectionY, c.species);
      for (const OpeningWall& w : c.walls) AddOpeningWall(w);
      ProjectSettings.Method2ColumnRule = rule;
      CalcColumnStrengths();
      const ColumnResult& r = Result(col);
      EXPECT_NEAR(r.StrengthX, c.strengthX[rule], 1e-12);
      EXPECT_NEAR(r.StiffnessX, c.stiffnessX[rule], 1e-12);
      EXPECT_NEAR(r.StrengthY, c.strengthY[rule], 1e-12);
      EXPECT_NEAR(r.StiffnessY, c.stiffnessY[rule], 1e-12);
      EXPECT_EQ(r.BreakageRisk, c.breakage);
    }
  }
}

TEST_F(ColumnStrengthTest, StepFromTheWallStrengthWithFurring) {
  // One door of 0.9 m in X at a column of class 5: door narrow row 5 is
  // 0.24 0.48 0.71 0.93 1.15 1.36 for steps 0..5.
  struct Case {
    const char* name;
    OpeningWall wall;
    double s, k;  // gathered smallest wall strength and stiffness
    double strength;
  } cases[] = {
      {"panel 0.8: trunc(-0.2) = 0", {Left, Door, 0, 0.9, 2}, 0.8, 70, 0.24},
      {"panel 5.2 on furring strips: 1.5, trunc(0.5) = 0; 860 x 500 / 1360",
       {Left, Door, 0, 0.9, 3, 2},
       1.5,
       860.0 * 500 / 1360,
       0.24},
      {"panel 2.6 on N75 furring: 2.6 x (1.25 - 2.6 / 8) = 2.405, step 1; 450 x 800 / 1250 = 288",
       {Left, Door, 0, 0.9, 21, 1},
       2.405,
       288,
       0.48},
      {"mud wall 2.4: step 1", {Left, Door, 2, 0.9}, 2.4, 480, 0.48},
      {"panel 5.2 on N75 furring: 3.0, trunc(2.0) = 2; 860 x 800 / 1660",
       {Left, Door, 0, 0.9, 3, 1},
       3.0,
       860.0 * 800 / 1660,
       0.71},
      {"mud 3.5 + right panel 0.8 = 4.3: step 3; 680 + 70", {Left, Door, 4, 0.9, 0, 0, 2}, 4.3, 750, 0.93},
      {"panels 2.6 + 2.6 = 5.2: step 4; 450 + 450", {Left, Door, 0, 0.9, 21, 0, 21}, 5.2, 900, 1.15},
      {"panels 3.0 + 3.0 on N75 furring = 6.0: trunc(5.0) = 5",
       {Left, Door, 0, 0.9, 3, 1, 3, 1},
       6.0,
       2 * 860.0 * 800 / 1660,
       1.36},
      {"mud 3.9 + panel 5.2 = 9.1: trunc(8.1) kept at 5", {Left, Door, 5, 0.9, 3}, 9.1, 750 + 860, 1.36},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ColumnCount[0][0] = WallCount[0][0] = 0;
    const int col = AddColumn(2, 2, 5);
    AddOpeningWall(c.wall);
    CalcColumnStrengths();
    const ColumnResult& r = Result(col);
    EXPECT_NEAR(r.SideWallTerms[DoorWallStrengthX], c.s, 1e-12);
    EXPECT_NEAR(r.SideWallTerms[DoorWallStiffnessX], c.k, 1e-9);
    EXPECT_NEAR(r.StrengthX, c.strength, 1e-12);
  }
}

TEST_F(ColumnStrengthTest, NegativeTableEntriesMarkBreakageRisk) {
  struct Case {
    const char* name;
    OpeningWall wall;
    double strength;
  } cases[] = {
      // S 9.1, step 5; width 0.45 narrow: door narrow row 1 step 5 = -0.48.
      {"door narrow row 1 step 5", {Left, Door, 5, 0.9, 3}, 0.48},
      // S 3.5, step 2; width 2.7 / 2 = 1.35 wide: door wide row 1 step 2 = -0.45.
      {"door wide row 1 step 2", {Left, Door, 4, 2.7}, 0.45},
      // S 2.4 + 3.0 (panel 5.2 on N75 furring) = 5.4, step 4: window narrow row 1 step 4 = -1.53.
      {"window narrow row 1 step 4", {Right, Window, 2, 0.9, 3, 1}, 1.53},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ColumnCount[0][0] = WallCount[0][0] = 0;
    const int col = AddColumn(2, 2, 1);
    AddOpeningWall(c.wall);
    CalcColumnStrengths();
    EXPECT_NEAR(Result(col).StrengthX, c.strength, 1e-12);
    EXPECT_NEAR(Result(col).StiffnessX, c.strength, 1e-12);
    EXPECT_EQ(Result(col).BreakageRisk, 1);
  }
}

TEST_F(ColumnStrengthTest, SolidWallEndingAtTheColumnRemovesTheTermOfItsDirection) {
  const int col = AddColumn(2, 2, 1);
  const int twin = AddColumn(2, 2, 1);  // a second column at the same point
  AddOpeningWall({Left, Door, 2, 0.9});
  AddOpeningWall({Below, Door, 2, 0.9});
  AddWall(2, 2, 3, 2, 0, 0.9, 0.0);                    // solid wall in X
  AddWall(2, 2, 2, 3, 0, 0.0, 0.0);                    // solid wall in Y that does not count
  AddWall(2, 2, 2, 3, 0, 0.0, 0.9).NoStrength = 1;     // solid wall in Y without strength
  AddWall(1, 2, 2, 2, Door, 0.9, 0.0).NoStrength = 1;  // door without strength: not gathered
  Walls[0][0][5].MudWallKind = 5;
  CalcColumnStrengths();

  const ColumnResult& r = Result(col);
  EXPECT_EQ(r.HasWallX, 1);
  EXPECT_EQ(r.HasWallY, 0);
  EXPECT_DOUBLE_EQ(r.SideWallTerms[DoorWidthX], 0.45);  // still gathered
  EXPECT_DOUBLE_EQ(r.StrengthX, 0.0);
  EXPECT_DOUBLE_EQ(r.StrengthY, 0.36);  // door narrow row 1 step 1
  // Only the first column at a point takes the solid wall; the twin keeps its X term.
  EXPECT_EQ(Result(twin).HasWallX, 0);
  EXPECT_DOUBLE_EQ(Result(twin).StrengthX, 0.36);
  EXPECT_DOUBLE_EQ(Result(twin).StrengthY, 0.36);
}

TEST_F(ColumnStrengthTest, SectionClassesAndWallsThatGiveNoTerm) {
  struct Case {
    const char* name;
    int sectionX, sectionY;
    OpeningWall wall;
    double widthX, strengthX, strengthY;
  } cases[] = {
      {"below 120 mm both ways", 0, 0, {Diagonal, Door, 2, 0.9}, 0, 0, 0},
      {"below 120 mm, SectionY 1 the same class", 0, 1, {Diagonal, Door, 2, 0.9}, 0, 0, 0},
      // Class 0 in X reads row 0 (zeros); class 2 in Y: door narrow row 2 step 1 = 0.39.
      {"below 120 mm in X only", 0, 3, {Diagonal, Door, 2, 0.9}, 0.45, 0, 0.39},
      {"door without any element: S = 0", 1, 0, {Left, Door, 0, 0.9}, 0, 0, 0},
      {"fully open wall", 1, 0, {Left, 3, 2, 0.9}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ColumnCount[0][0] = WallCount[0][0] = 0;
    const int col = AddColumn(2, 2, c.sectionX, c.sectionY);
    AddOpeningWall(c.wall);
    CalcColumnStrengths();
    EXPECT_DOUBLE_EQ(Result(col).SideWallTerms[DoorWidthX], c.widthX);
    EXPECT_DOUBLE_EQ(Result(col).StrengthX, c.strengthX);
    EXPECT_DOUBLE_EQ(Result(col).StrengthY, c.strengthY);
  }
}

TEST_F(ColumnStrengthTest, OtherDiagnosisMethodsGatherTheWallsButAddNothing) {
  for (int method : {0, 3}) {
    SCOPED_TRACE(method);
    ColumnCount[0][0] = WallCount[0][0] = 0;
    ProjectSettings.DiagnosisMethod = method;
    const int col = AddColumn(2, 2, 1);
    AddOpeningWall({Left, Door, 2, 0.9});
    CalcColumnStrengths();
    EXPECT_DOUBLE_EQ(Result(col).SideWallTerms[DoorWidthX], 0.45);
    EXPECT_DOUBLE_EQ(Result(col).SideWallTerms[DoorWallStrengthX], 2.4);
    EXPECT_DOUBLE_EQ(Result(col).StrengthX, 0.0);
    EXPECT_DOUBLE_EQ(Result(col).StiffnessX, 0.0);
  }
}

TEST_F(ColumnStrengthTest, RecalculationClearsTheStoreysUpToTheTop) {
  ProjectSettings.TopStorey[0] = 1;
  const int onFirst = AddColumn(2, 2, 1, 0, 0, 2, 0);
  const int onSecond = AddColumn(2, 2, 1, 0, 0, 2, 1);  // storey without walls
  const int onThird = AddColumn(2, 2, 1, 0, 0, 2, 2);   // above the top storey
  for (int s = 0; s < 3; ++s) {
    ColumnResult& r = Result(s == 0 ? onFirst : s == 1 ? onSecond : onThird, s);
    for (double& t : r.SideWallTerms) t = 9.0;
    r.StrengthX = r.StrengthY = r.StiffnessX = r.StiffnessY = 9.0;
    r.BreakageRisk = r.HasWallX = r.HasWallY = 1;
  }
  AddWall(5, 5, 6, 5, 0, 0.0, 0.0);  // storey 0 has a wall, away from its column
  CalcColumnStrengths();
  for (int s : {0, 1}) {
    SCOPED_TRACE(s);
    const ColumnResult& r = Result(s == 0 ? onFirst : onSecond, s);
    for (double t : r.SideWallTerms) EXPECT_EQ(t, 0.0);
    EXPECT_EQ(r.StrengthX + r.StrengthY + r.StiffnessX + r.StiffnessY, 0.0);
    EXPECT_EQ(r.BreakageRisk + r.HasWallX + r.HasWallY, 0);
  }
  EXPECT_EQ(Result(onThird, 2).StrengthX, 9.0);
  EXPECT_EQ(Result(onThird, 2).HasWallX, 1);
}

// Three columns on a 1 m grid, origin axes X 1 and Y 5 (y upward from Y 5):
//   a at (3, 2): strength 1.5 / 2.0, stiffness 100 / 200, sound (factor 1.0)
//   b at (4, 6): strength 0.5 / 0.25, stiffness 40 / 60, partly deteriorated (0.5)
//   c at (3, 6): strength 1.0 / 0.75, stiffness 10 / 20, deteriorated (0.0)
// Offsets x - xo, yo - y: a (2, 3), b (3, -1), c (2, -1).
class ColumnSumsTest : public ColumnStrengthTest {
 protected:
  void SetUp() override {
    ColumnStrengthTest::SetUp();
    GridOriginAxisX = 1;
    GridOriginAxisY = 5;
    Set(AddColumn(3, 2, 1, 0, 0, 2), 1.5, 2.0, 100, 200);
    Set(AddColumn(4, 6, 1, 0, 0, 1), 0.5, 0.25, 40, 60);
    Set(AddColumn(3, 6, 1, 0, 0, 0), 1.0, 0.75, 10, 20);
  }
  static void Set(int i, double sx, double sy, double kx, double ky) {
    ColumnResult& r = Result(i);
    r.StrengthX = sx, r.StrengthY = sy, r.StiffnessX = kx, r.StiffnessY = ky;
  }
};

TEST_F(ColumnSumsTest, StoreySumsTakeTheDeteriorationMomentsAndLinesDoNot) {
  for (int k = 0; k < 5; ++k) WallStrengthX[0][0][k] = 10.0;  // the sums are added to
  AddColumnsToStoreySums(0);
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_DOUBLE_EQ(WallStrengthX[0][0][k], 10.0 + 1.75);  // 1.5 x 1 + 0.5 x 0.5 + 1.0 x 0
    EXPECT_DOUBLE_EQ(WallStrengthY[0][0][k], 2.125);        // 2.0 + 0.25 x 0.5 + 0
    EXPECT_DOUBLE_EQ(StiffnessSumX[0][0][k], 120.0);        // 100 + 40 x 0.5 + 0
    EXPECT_DOUBLE_EQ(StiffnessSumY[0][0][k], 230.0);        // 200 + 60 x 0.5 + 0
    EXPECT_DOUBLE_EQ(StiffnessMomentX[0][0][k], 620.0);     // 200 x 2 + 60 x 3 + 20 x 2
    EXPECT_DOUBLE_EQ(StiffnessMomentY[0][0][k], 250.0);     // 100 x 3 + 40 x (-1) + 10 x (-1)
    EXPECT_DOUBLE_EQ(LineStiffnessX[0][0][2][k], 100.0);    // Y line 2: a
    EXPECT_DOUBLE_EQ(LineStiffnessX[0][0][6][k], 50.0);     // Y line 6: b 40 + c 10
    EXPECT_DOUBLE_EQ(LineStiffnessY[0][0][3][k], 220.0);    // X line 3: a 200 + c 20
    EXPECT_DOUBLE_EQ(LineStiffnessY[0][0][4][k], 60.0);     // X line 4: b
    EXPECT_DOUBLE_EQ(WallStrengthXSnow[0][0][k], 0.0);
  }
  EXPECT_DOUBLE_EQ(Result(0).OffsetX, 2.0);
  EXPECT_DOUBLE_EQ(Result(0).OffsetY, 3.0);
  EXPECT_DOUBLE_EQ(Result(1).MomentX, 180.0);     // 60 x 3
  EXPECT_DOUBLE_EQ(Result(1).MomentY, -40.0);     // 40 x (-1)
  EXPECT_DOUBLE_EQ(WallStrengthX[0][1][0], 0.0);  // other storeys untouched
}

TEST_F(ColumnSumsTest, SnowSumsGoToTheSnowTwinsOnly) {
  ProjectSettings.SnowLoad = 0.26;
  AddColumnsToStoreySumsSnow(0);
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_DOUBLE_EQ(WallStrengthXSnow[0][0][k], 1.75);
    EXPECT_DOUBLE_EQ(WallStrengthYSnow[0][0][k], 2.125);
    EXPECT_DOUBLE_EQ(StiffnessSumXSnow[0][0][k], 120.0);
    EXPECT_DOUBLE_EQ(StiffnessSumYSnow[0][0][k], 230.0);
    EXPECT_DOUBLE_EQ(StiffnessMomentXSnow[0][0][k], 620.0);
    EXPECT_DOUBLE_EQ(StiffnessMomentYSnow[0][0][k], 250.0);
    EXPECT_DOUBLE_EQ(WallStrengthX[0][0][k], 0.0);
    EXPECT_DOUBLE_EQ(LineStiffnessX[0][0][2][k], 0.0);  // no snow line stiffness exists
  }
  EXPECT_DOUBLE_EQ(Result(2).MomentX, 40.0);  // 20 x 2, written again
}

TEST_F(ColumnSumsTest, TorsionTermsAboutTheCentreOfRigidityOfOneCase) {
  // Storey case 2: centre of rigidity (2.5, 1.0). Centre offsets
  // a (2 - 2.5, 3 - 1) = (-0.5, 2), b (0.5, -2), c (-0.5, -2).
  RigidityCentreX[0][0][2] = 2.5;
  RigidityCentreY[0][0][2] = 1.0;
  SecondMomentIx[0][0][2] = 5.0;
  AddColumnTorsionTerms(0, 2);
  EXPECT_DOUBLE_EQ(SecondMomentIx[0][0][2], 5.0 + 70.0);  // 200 x 0.25 + 60 x 0.25 + 20 x 0.25
  EXPECT_DOUBLE_EQ(SecondMomentIy[0][0][2], 600.0);       // 100 x 4 + 40 x 4 + 10 x 4
  for (int k : {0, 1, 3, 4}) EXPECT_DOUBLE_EQ(SecondMomentIx[0][0][k] + SecondMomentIy[0][0][k], 0.0);
  EXPECT_DOUBLE_EQ(Result(1).CentreOffsetX, 0.5);
  EXPECT_DOUBLE_EQ(Result(1).CentreOffsetY, -2.0);
  EXPECT_DOUBLE_EQ(Result(1).TorsionTermX, 15.0);   // 60 x 0.25
  EXPECT_DOUBLE_EQ(Result(1).TorsionTermY, 160.0);  // 40 x 4

  // With snow: centre (2.0, 3.0) of case 4 gives a (0, 0), b (1, -4), c (0, -4).
  ProjectSettings.SnowLoad = 0.26;
  RigidityCentreXSnow[0][0][4] = 2.0;
  RigidityCentreYSnow[0][0][4] = 3.0;
  AddColumnTorsionTermsSnow(0, 4);
  EXPECT_DOUBLE_EQ(SecondMomentIxSnow[0][0][4], 60.0);   // 60 x 1
  EXPECT_DOUBLE_EQ(SecondMomentIySnow[0][0][4], 800.0);  // 40 x 16 + 10 x 16
  EXPECT_DOUBLE_EQ(ColumnSnowResults[0][0][1].CentreOffsetY, -4.0);
  EXPECT_DOUBLE_EQ(ColumnSnowResults[0][0][1].TorsionTermY, 640.0);
  EXPECT_DOUBLE_EQ(Result(1).TorsionTermY, 160.0);  // the plain record keeps its value
  EXPECT_DOUBLE_EQ(SecondMomentIx[0][0][4], 0.0);
}

TEST_F(ColumnSumsTest, QuarterZonesByPositionWithinTheTolerance) {
  // Positions are grid positions: a (3, 2), b (4, 6), c (3, 6). The
  // deterioration does not enter the zones.
  struct Case {
    const char* name;
    double boundaryA, boundaryB, boundary1, boundary2;
    double a, b, one, two;
  } cases[] = {
      // a on A (2 <= 2 + 0.00001); b and c on B: 0.5 + 1.0; a and c on 1:
      // 2.0 + 0.75; b on 2: 0.25.
      {"on the boundaries", 2.0, 6.0, 3.0, 4.0, 1.5, 1.5, 2.75, 0.25},
      {"just inside the tolerance", 2.0 - 0.000009, 6.0 + 0.000009, 3.0 - 0.000009, 4.0 + 0.000009, 1.5, 1.5,
       2.75, 0.25},
      {"just outside the tolerance", 2.0 - 0.000011, 6.0 + 0.000011, 3.0 - 0.000011, 4.0 + 0.000011, 0, 0, 0,
       0},
      // Overlapping zones: every column in a and b (1.5 + 0.5 + 1.0) and in
      // 1 and 2 (2.0 + 0.25 + 0.75).
      {"overlapping zones", 6.0, 2.0, 4.0, 3.0, 3.0, 3.0, 3.0, 3.0},
  };
  for (const Case& c : cases) {
    for (double snow : {0.0, 0.26}) {
      SCOPED_TRACE(testing::Message() << c.name << ", snow " << snow);
      ProjectSettings.SnowLoad = snow;
      QuarterZoneBoundaryA[0][0] = c.boundaryA, QuarterZoneBoundaryB[0][0] = c.boundaryB;
      QuarterZoneBoundary1[0][0] = c.boundary1, QuarterZoneBoundary2[0][0] = c.boundary2;
      QuarterZoneStrengthA[0][0] = QuarterZoneStrengthB[0][0] = 0.0;
      QuarterZoneStrength1[0][0] = QuarterZoneStrength2[0][0] = 0.0;
      QuarterZoneStrengthASnow[0][0] = QuarterZoneStrengthBSnow[0][0] = 0.0;
      QuarterZoneStrength1Snow[0][0] = QuarterZoneStrength2Snow[0][0] = 0.0;
      AddQuarterZoneColumnStrengths(0);
      EXPECT_DOUBLE_EQ(QuarterZoneStrengthA[0][0], c.a);
      EXPECT_DOUBLE_EQ(QuarterZoneStrengthB[0][0], c.b);
      EXPECT_DOUBLE_EQ(QuarterZoneStrength1[0][0], c.one);
      EXPECT_DOUBLE_EQ(QuarterZoneStrength2[0][0], c.two);
      const double f = snow != 0.0 ? 1.0 : 0.0;
      EXPECT_DOUBLE_EQ(QuarterZoneStrengthASnow[0][0], f * c.a);
      EXPECT_DOUBLE_EQ(QuarterZoneStrengthBSnow[0][0], f * c.b);
      EXPECT_DOUBLE_EQ(QuarterZoneStrength1Snow[0][0], f * c.one);
      EXPECT_DOUBLE_EQ(QuarterZoneStrength2Snow[0][0], f * c.two);
    }
  }
}

TEST_F(ColumnSumsTest, NothingHappensWithMethodOne) {
  ProjectSettings.OtherElementsMethod = 0;
  ProjectSettings.SnowLoad = 0.26;
  AddOpeningWall({Left, Door, 2, 0.9});
  Result(0).SideWallTerms[DoorWidthX] = 7.0;
  Result(0).HasWallX = 1;
  RigidityCentreX[0][0][0] = 1.0;
  QuarterZoneBoundaryA[0][0] = QuarterZoneBoundary1[0][0] = 100.0;

  CalcColumnStrengths();
  AddColumnsToStoreySums(0);
  AddColumnsToStoreySumsSnow(0);
  for (int k = 0; k < 5; ++k) {
    AddColumnTorsionTerms(0, k);
    AddColumnTorsionTermsSnow(0, k);
  }
  AddQuarterZoneColumnStrengths(0);

  EXPECT_EQ(Result(0).SideWallTerms[DoorWidthX], 7.0);
  EXPECT_EQ(Result(0).HasWallX, 1);
  EXPECT_EQ(Result(0).StrengthX, 1.5);
  EXPECT_EQ(Result(0).OffsetX, 0.0);
  EXPECT_EQ(Result(0).CentreOffsetX, 0.0);
  EXPECT_EQ(ColumnSnowResults[0][0][0].CentreOffsetX, 0.0);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(WallStrengthX[0][0][k] + StiffnessSumY[0][0][k] + StiffnessMomentX[0][0][k], 0.0);
    EXPECT_EQ(WallStrengthXSnow[0][0][k] + StiffnessMomentXSnow[0][0][k], 0.0);
    EXPECT_EQ(SecondMomentIx[0][0][k] + SecondMomentIy[0][0][k] + SecondMomentIxSnow[0][0][k], 0.0);
    EXPECT_EQ(LineStiffnessX[0][0][2][k], 0.0);
  }
  EXPECT_EQ(QuarterZoneStrengthA[0][0] + QuarterZoneStrength1[0][0] + QuarterZoneStrengthASnow[0][0], 0.0);
}

TEST_F(ColumnSumsTest, OnlyTheCurrentVariantChanges) {
  CurrentVariant = 1;
  Columns[1][0][0] = Columns[0][0][0];
  ColumnCount[1][0] = 1;
  ColumnResults[1][0][0] = ColumnResults[0][0][0];
  AddColumnsToStoreySums(0);
  EXPECT_DOUBLE_EQ(WallStrengthX[1][0][0], 1.5);
  EXPECT_DOUBLE_EQ(WallStrengthX[0][0][0], 0.0);
}

// Damaged data: every case must give the stated value, never NaN, infinity
// or a read outside a table.
TEST_F(ColumnStrengthTest, DamagedDataGivesDefinedValues) {
  static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  static constexpr double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    void (*damage)();
    OpeningWall wall;
    int sectionX, sectionY, species, method;
    double k, strengthX, strengthY;  // gathered stiffness, column strengths
  } cases[] = {
      // Strength 2.0 stays 2.0 on N75 furring (not above 2); the stiffness
      // -800 x 800 / (-800 + 800) would divide by zero: 0. Step 1: 0.36.
      {"panel stiffness -800 on N75 furring",
       [] { PanelTable[34].Strength = 2.0, PanelTable[34].Stiffness = -800.0; },
       {Left, Door, 0, 0.9, 34, 1},
       1,
       0,
       0,
       2,
       0.0,
       0.36,
       0},
      // 0.75 x 2.0 = 1.5, step 0: 0.2; stiffness -500 x 500 / 0: 0.
      {"panel stiffness -500 on furring strips",
       [] { PanelTable[34].Strength = 2.0, PanelTable[34].Stiffness = -500.0; },
       {Left, Door, 0, 0.9, 34, 2},
       1,
       0,
       0,
       2,
       0.0,
       0.2,
       0},
      // Rows outside the tables count nothing: S = 2.4 from the mud wall alone.
      {"panel rows outside the table", [] {}, {Left, Door, 2, 0.9, 45, 0, -1}, 1, 0, 0, 2, 480, 0.36, 0},
      {"mud-wall row outside the table", [] {}, {Left, Door, 15, 0.9}, 1, 0, 0, 2, 0, 0, 0},
      {"mud-wall row negative", [] {}, {Left, Door, -1, 0.9}, 1, 0, 0, 2, 0, 0, 0},
      // Section classes outside 0..5 give no term; Y class 1 from SectionY 2:
      // door narrow row 1 step 1 = 0.36.
      {"SectionX 6", [] {}, {Diagonal, Door, 2, 0.9}, 6, 2, 0, 2, 480, 0, 0.36},
      {"SectionY 7", [] {}, {Diagonal, Door, 2, 0.9}, 1, 7, 0, 2, 480, 0.36, 0},
      {"SectionY most negative", [] {}, {Diagonal, Door, 2, 0.9}, 1, -2147483647 - 1, 0, 2, 480, 0.36, 0},
      {"species 3 in precise method 1", [] {}, {Left, Door, 2, 0.9}, 1, 0, 3, 1, 480, 0, 0},
      {"species -1 in precise method 1", [] {}, {Left, Door, 2, 0.9}, 1, 0, -1, 1, 480, 0, 0},
      // A wall strength that is not a number: step 0, door narrow row 2 = 0.22.
      {"wall strength NaN",
       [] { MudWallTable[2].Strength = nan; },
       {Left, Door, 2, 0.9},
       2,
       0,
       0,
       2,
       480,
       0.22,
       0},
      // An infinite wall strength: step 5, door narrow row 2 = 0.92.
      {"wall strength infinite",
       [] { MudWallTable[2].Strength = inf; },
       {Left, Door, 2, 0.9},
       2,
       0,
       0,
       2,
       480,
       0.92,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RestoreElementTableStartValues();
    c.damage();
    ColumnCount[0][0] = WallCount[0][0] = 0;
    ProjectSettings.DiagnosisMethod = c.method;
    const int col = AddColumn(2, 2, c.sectionX, c.sectionY, c.species);
    AddOpeningWall(c.wall);
    CalcColumnStrengths();
    const ColumnResult& r = Result(col);
    EXPECT_EQ(r.SideWallTerms[DoorWallStiffnessX], c.k);
    EXPECT_NEAR(r.StrengthX, c.strengthX, 1e-12);
    EXPECT_NEAR(r.StrengthY, c.strengthY, 1e-12);
    EXPECT_TRUE(std::isfinite(r.StiffnessX) && std::isfinite(r.StiffnessY));
  }
}

TEST_F(ColumnStrengthTest, RuleOutsideItsRangeTakesTheLowerValue) {
  const int col = AddColumn(2, 2, 1);
  AddOpeningWall({Left, Door, 2, 0.9});
  AddOpeningWall({Right, Window, 2, 0.9});
  for (int rule : {-1, 3, 99}) {
    SCOPED_TRACE(rule);
    ProjectSettings.Method2ColumnRule = rule;
    CalcColumnStrengths();
    EXPECT_DOUBLE_EQ(Result(col).StrengthX, 0.36);  // min(door 0.36, window 0.9)
  }
}

TEST_F(ColumnSumsTest, DamagedColumnsStoreysAndOriginsStayInBounds) {
  // Deterioration outside 0..2 counts as deteriorated: factor 0.
  Columns[0][0][0].Deterioration = 3;
  Columns[0][0][1].Deterioration = -1;
  // A column off the grid is left out of every sum.
  const int off = AddColumn(250, -3, 1);
  Set(off, 100, 100, 100, 100);
  AddColumnsToStoreySums(0);
  EXPECT_DOUBLE_EQ(WallStrengthX[0][0][0], 0.0);       // 1.5 x 0 + 0.5 x 0 + 1.0 x 0
  EXPECT_DOUBLE_EQ(StiffnessMomentX[0][0][0], 620.0);  // as before: the moments take no factor
  EXPECT_DOUBLE_EQ(Result(off).OffsetX, 0.0);

  // Origin axes off the grid measure from position 0: a's offsets are (3, -2).
  GridOriginAxisX = -1;
  GridOriginAxisY = 400;
  AddColumnsToStoreySums(0);
  EXPECT_DOUBLE_EQ(Result(0).OffsetX, 3.0);
  EXPECT_DOUBLE_EQ(Result(0).OffsetY, -2.0);

  // Storeys, storey cases and variants outside their range do nothing.
  for (int s : {-1, 3}) {
    AddColumnsToStoreySums(s);
    AddColumnTorsionTerms(s, 0);
    AddQuarterZoneColumnStrengths(s);
  }
  AddColumnTorsionTerms(0, 5);
  AddColumnTorsionTerms(0, -1);
  EXPECT_DOUBLE_EQ(SecondMomentIx[0][0][0], 0.0);
  CurrentVariant = 3;
  AddColumnsToStoreySums(0);
  CalcColumnStrengths();
  CurrentVariant = 0;

  // Counts outside 0..300 are cut to the list.
  ColumnCount[0][0] = 400;
  WallCount[0][0] = 400;
  ProjectSettings.TopStorey[0] = 7;
  CalcColumnStrengths();
  AddColumnsToStoreySums(0);
  ColumnCount[0][0] = -5;
  CalcColumnStrengths();
  AddColumnsToStoreySums(0);
  AddQuarterZoneColumnStrengths(0);
  for (int k = 0; k < 5; ++k) EXPECT_TRUE(std::isfinite(WallStrengthX[0][0][k]));
}

}  // namespace
