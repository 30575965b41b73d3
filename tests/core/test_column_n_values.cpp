// Column-joint N-values. Guards: B1 and L by corner, floor mark and storey
// count; PW1 and A1 as (walls on the larger side) - (walls on the smaller
// side) with the brace-end correction; the shares handed down to the storeys
// below, every one of them counted however many reach one column;
// N = sum(A x B) - L and To = (sum(PW x B) - 1.96 L) x 2.7, with and without
// snow; the axial-force verdict. Expected values are worked by hand; the
// arithmetic stands beside each one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "analysis/WallTopology.h"
#include "evaluation/ColumnNValues.h"
#include "evaluation/HardwareClasses.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/TextCodec.h"
#include "presentation/MainWindowPort.h"
#include "presentation/ResultsPanel.h"

namespace {

constexpr int kV = 1;  // not variant 0, so that indexing by CurrentVariant is exercised
constexpr double kTol = 1e-9;

// PanelTable rows and their wall factors / strengths.
constexpr int32_t kP1 = 3;     // 構造用合板大壁四周N50: factor 2.5, strength 5.2
constexpr int32_t kG1 = 21;    // 石膏ﾎﾞｰﾄﾞ12大壁四周GN40: factor 0.9
constexpr int32_t kMudT3 = 4;  // MudWallTable 7～9cm: factor 0.5, strength 3.5

// What the structural recalculation leaves for a wall, as far as the N-values read it.
struct WallSpec {
  double Pw = 0.0;  // case-0 ReducedStrength, kN/m
  int32_t PanelLeft = 0, PanelRight = 0;
  int32_t MudWallKind = 0;
  int32_t BraceKind = 0, BraceEndJoint = 3, BraceArrangement = 0;
  double EffectiveLength = 1.0;
  double OpeningFactor = 1.0;
};

class ColumnNValueTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    GridModule = 1.0;
    LayOutGridAtModule();  // axis i at i m
    CurrentVariant = kV;
    ProjectSettings.TopStorey[kV] = 0;
    ProjectSettings.SnowLoad = 0.0;
    ProjectSettings.NValueWallFactor = 1;
    // The earlier steps' outputs start empty, whatever ran before in this process.
    std::memset(&GridPointMap[kV], 0, sizeof GridPointMap[kV]);
    std::memset(&BraceEndMap[kV], 0, sizeof BraceEndMap[kV]);
    std::memset(&ColumnResults, 0, sizeof ColumnResults);
    std::memset(&ColumnSnowResults, 0, sizeof ColumnSnowResults);
    MainWindow = MainWindowState{};
  }

  // A 管柱 with the grid-point map value the map step gives it.
  static int AddColumn(int s, int x, int y, bool corner = false, bool floor = false, int32_t hardware = 0) {
    const int i = ColumnCount[kV][s];
    testmodel::AddColumn(kV, s, x, y).Hardware = hardware;
    const int32_t m = 1 + 4 * hardware + (floor ? GridPointFloorMark : 0);
    GridPointMap[kV][s][x][y] = corner ? -m : m;
    return i;
  }

  // A floor area over a point without column.
  static void MarkFloor(int s, int x, int y) { GridPointMap[kV][s][x][y] = GridPointFloorMark; }

  static int AddWall(int s, int x1, int y1, int x2, int y2, const WallSpec& elements) {
    const int i = WallCount[kV][s];
    WallRecord& w = testmodel::AddWall(kV, s, x1, y1, x2, y2);
    w.PanelLeft = elements.PanelLeft, w.PanelRight = elements.PanelRight,
    w.MudWallKind = elements.MudWallKind;
    w.BraceKind = elements.BraceKind, w.BraceEndJoint = elements.BraceEndJoint;
    w.BraceArrangement = elements.BraceArrangement;
    WallCaseResult& r = WallResults[kV][s][i].Blocks[0];
    r.ReducedStrength = elements.Pw;
    r.EffectiveLength = elements.EffectiveLength;
    r.OpeningFactor = elements.OpeningFactor;
    return i;
  }

  // Brace-end codes of a braced wall as the structural recalculation writes
  // them: class c from the wall's BraceTable row (rows 4-5 give 2, rows 6-7
  // give 4, row 8 gives 6, any other 0), +1 crossed; first point 2c + 1,
  // second point c + 2 (c / 2 + 1), each on the side towards the other point.
  static void MarkBraceEnds(int s, int x1, int y1, int x2, int y2, int32_t braceClass) {
    const int32_t a = 2 * braceClass + 1, b = braceClass + 2 * (braceClass / 2 + 1);
    auto put = [&](int x, int y, int side, int32_t code) {
      int32_t& slot = BraceEndMap[kV][s][x][y].Side[side];
      if (code > slot) slot = code;
    };
    if (x1 != x2) {
      put(x1, y1, x1 < x2 ? BraceEndTowardsLargerX : BraceEndTowardsSmallerX, a);
      put(x2, y2, x1 < x2 ? BraceEndTowardsSmallerX : BraceEndTowardsLargerX, b);
    }
    if (y1 != y2) {
      put(x1, y1, y1 < y2 ? BraceEndTowardsLargerY : BraceEndTowardsSmallerY, a);
      put(x2, y2, y1 < y2 ? BraceEndTowardsSmallerY : BraceEndTowardsLargerY, b);
    }
  }

  static void SetAxisName(char16_t (*names)[GridAxisNameCapacity], int i, const char16_t* name) {
    CopyToFixed(names[i], GridAxisNameCapacity, name);
  }

  // The chain's step: the N values, then the label that shows their verdict.
  static void ComputeStep() {
    ComputeColumnNValues();
    ShowColumnVerdict();
  }

  static void Run() {
    UpdateUsedExtents();
    ComputeStep();
  }

  static const ColumnResult& R(int s, int i) { return ColumnResults[kV][s][i]; }
  static const ColumnSnowResult& Snow(int s, int i) { return ColumnSnowResults[kV][s][i]; }
  static std::string Verdict() { return MainWindow.LnflagText; }
};

// ---------------------------------------------------------------------------
// Column orders

TEST_F(ColumnNValueTest, ColumnOrdersByXAndByY) {
  ProjectSettings.TopStorey[kV] = 0;
  AddColumn(0, 2, 3);  // 0
  AddColumn(0, 1, 5);  // 1
  AddColumn(0, 2, 7);  // 2
  AddColumn(0, 1, 3);  // 3
  AddColumn(0, 3, 3);  // 4
  Run();
  // X ascending, Y descending within one X: X1 {(1,5) #1, (1,3) #3}, X2 {(2,7) #2, (2,3) #0}, X3 {#4}.
  const int32_t byX[] = {1, 3, 2, 0, 4};
  // Y descending, X ascending within one Y: Y7 {#2}, Y5 {#1}, Y3 {(1,3) #3, (2,3) #0, (3,3) #4}.
  const int32_t byY[] = {2, 1, 3, 0, 4};
  for (int p = 0; p < 5; ++p) {
    EXPECT_EQ(ColumnOrderX[kV][0][p], byX[p]) << p;
    EXPECT_EQ(ColumnOrderY[kV][0][p], byY[p]) << p;
  }
}

// ---------------------------------------------------------------------------
// B1 and L

struct LoadCase {
  const char* name;
  int top, storey;
  bool corner, mark, markOnSecond;
  int32_t hardware;
  double b1, l;
  // With SnowLoad 0.26: L + 3.8462 x 0.26 (= L + 1.000012), at a corner L + 2.1539 x 0.26 (= L + 0.560014).
  double snowL;
};

// clang-format off
const LoadCase loadCases[] = {
    {"one storey, corner",                          0, 0, true,  false, false, 0, 0.8, 0.4, 0.960014},
    {"one storey, ordinary",                        0, 0, false, false, false, 0, 0.5, 0.6, 1.600012},
    {"two storeys, first, ordinary under floor",    1, 0, false, true,  false, 0, 0.5, 1.6, 2.600012},
    {"two storeys, first, corner under floor",      1, 0, true,  true,  false, 0, 0.8, 1.0, 1.560014},
    {"two storeys never use 2.6",                   1, 0, false, true,  true,  0, 0.5, 1.6, 2.600012},
    {"three storeys, first, floor on both",         2, 0, false, true,  true,  0, 0.5, 2.6, 3.600012},
    {"three storeys, first, corner, floor on both", 2, 0, true,  true,  true,  0, 0.8, 1.6, 2.160014},
    {"three storeys, first, floor on first only",   2, 0, false, true,  false, 0, 0.5, 1.6, 2.600012},
    {"three storeys, first, floor on second only",  2, 0, false, false, true,  0, 0.5, 0.6, 1.600012},
    {"three storeys, second, floor on both",        2, 1, false, true,  true,  0, 0.5, 1.6, 2.600012},
    {"three storeys, top, corner",                  2, 2, true,  false, false, 0, 0.8, 0.4, 0.960014},
    // 1 + 4 x 29 = 117 < 256: the hardware part is no floor mark.
    {"hardware row 29 is no floor mark",            1, 0, true,  false, false, 29, 0.8, 0.4, 0.960014},
    // 1 + 4 x 9 + 256 = 293.
    {"hardware row 9 under floor",                  1, 0, false, true,  false, 9, 0.5, 1.6, 2.600012},
};
// clang-format on

TEST_F(ColumnNValueTest, B1AndLByCornerFloorMarkAndStoreys) {
  for (const LoadCase& c : loadCases) {
    SCOPED_TRACE(c.name);
    std::memset(&ColumnCount, 0, sizeof ColumnCount);
    std::memset(&GridPointMap[kV], 0, sizeof GridPointMap[kV]);
    ProjectSettings.TopStorey[kV] = c.top;
    ProjectSettings.SnowLoad = 0.26;
    const int i = AddColumn(c.storey, 5, 5, c.corner, c.mark, c.hardware);
    if (c.markOnSecond && c.storey != 1) MarkFloor(1, 5, 5);
    Run();
    EXPECT_DOUBLE_EQ(R(c.storey, i).B1, c.b1);
    EXPECT_DOUBLE_EQ(R(c.storey, i).L, c.l);
    EXPECT_NEAR(Snow(c.storey, i).L, c.snowL, kTol);
    // No walls: N = -L, To = -1.96 L x 2.7.
    EXPECT_NEAR(R(c.storey, i).NX, -c.l, kTol);
    EXPECT_NEAR(R(c.storey, i).NY, -c.l, kTol);
    EXPECT_NEAR(R(c.storey, i).ToY, -1.96 * c.l * 2.7, kTol);
    EXPECT_NEAR(Snow(c.storey, i).NY, -c.snowL, kTol);
  }
}

// ---------------------------------------------------------------------------
// PW1 and A1 from the walls at one column, N and To

struct WallAtColumn {
  int x1, y1, x2, y2;
  WallSpec elements;
};

struct OwnValueCase {
  const char* name;
  int32_t wallFactorMode;  // ProjectSettings.NValueWallFactor
  std::vector<WallAtColumn> walls;
  double pw1x, pw1y, a1x, a1y;
  double nx, ny, tox, toy;
};

// The column stands alone at (5, 5) of a one-storey variant: B1 0.5, L 0.6,
// so N = 0.5 A - 0.6 and To = (0.5 PW - 1.176) x 2.7; without walls in a
// direction N = -0.6 and To = -3.1752.
// clang-format off
const OwnValueCase ownValueCases[] = {
    {"X wall on the larger-X side",
     1, {{5, 5, 7, 5, {.Pw = 3.0, .PanelLeft = kP1}}},
     3.0, 0, 2.5, 0,
     0.65, -0.6, 0.8748, -3.1752},  // 1.25 - 0.6; (1.5 - 1.176) x 2.7
    {"X wall on the smaller-X side, drawn towards the column",
     1, {{3, 5, 5, 5, {.Pw = 3.0, .PanelLeft = kP1}}},
     3.0, 0, 2.5, 0,
     0.65, -0.6, 0.8748, -3.1752},  // |-3.0|, |-2.5|
    {"X wall drawn from the column to the smaller X",
     1, {{5, 5, 3, 5, {.Pw = 3.0, .PanelLeft = kP1}}},
     3.0, 0, 2.5, 0,
     0.65, -0.6, 0.8748, -3.1752},
    {"equal X walls on both sides cancel",
     1, {{3, 5, 5, 5, {.Pw = 3.0, .PanelLeft = kP1}}, {5, 5, 7, 5, {.Pw = 3.0, .PanelLeft = kP1}}},
     0, 0, 0, 0,
     -0.6, -0.6, -3.1752, -3.1752},
    {"unequal X walls leave their difference",
     1, {{3, 5, 5, 5, {.Pw = 1.0, .PanelLeft = kG1}}, {5, 5, 7, 5, {.Pw = 3.0, .PanelLeft = kP1}}},
     2.0, 0, 1.6, 0,                // 3 - 1; 2.5 - 0.9
     0.2, -0.6, -0.4752, -3.1752},  // 0.8 - 0.6; (1.0 - 1.176) x 2.7
    {"Y wall with panels on both faces",
     1, {{5, 5, 5, 8, {.Pw = 2.0, .PanelLeft = kP1, .PanelRight = kP1}}},
     0, 2.0, 0, 5.0,
     -0.6, 1.9, -3.1752, -0.4752},  // 2.5 - 0.6; (1.0 - 1.176) x 2.7
    {"an oblique wall adds to both directions",
     1, {{5, 5, 7, 7, {.Pw = 2.0, .PanelLeft = kP1}}},
     2.0, 2.0, 2.5, 2.5,
     0.65, 0.65, -0.4752, -0.4752},
    {"oblique walls on both sides add up",
     1, {{3, 3, 5, 5, {.Pw = 2.0, .PanelLeft = kP1}}, {5, 5, 7, 7, {.Pw = 2.0, .PanelLeft = kP1}}},
     4.0, 4.0, 5.0, 5.0,
     1.9, 1.9, 2.2248, 2.2248},  // 2.5 - 0.6; (2.0 - 1.176) x 2.7
    {"a wall of effective length 0 counts nothing",
     1, {{5, 5, 7, 5, {.Pw = 3.0, .PanelLeft = kP1, .EffectiveLength = 0.0}}},
     0, 0, 0, 0,
     -0.6, -0.6, -3.1752, -3.1752},
    {"base strengths / 1.96 with the opening factor",
     0, {{5, 5, 7, 5, {.Pw = 1.0, .PanelLeft = kP1, .MudWallKind = kMudT3, .OpeningFactor = 0.5}}},
     1.0, 0, 2.2193877551020, 0,  // 0.5 x (5.2 + 3.5) / 1.96
     0.5096938775510, -0.6, -1.8252, -3.1752},  // 1.1096939 - 0.6; (0.5 - 1.176) x 2.7
    {"wall factors ignore the opening factor",
     1, {{5, 5, 7, 5, {.Pw = 1.0, .PanelLeft = kP1, .MudWallKind = kMudT3, .OpeningFactor = 0.5}}},
     1.0, 0, 3.0, 0,  // 2.5 + 0.5
     0.9, -0.6, -1.8252, -3.1752},
    {"crossed 90x45 brace counts twice",
     1, {{5, 5, 7, 5, {.BraceKind = 5, .BraceEndJoint = 3, .BraceArrangement = 1}}},
     0, 0, 4.0, 0,  // 2 x 2.0 (row 6)
     1.4, -0.6, -3.1752, -3.1752},
    {"crossed 90x90 brace counts the law's 5, not 2 x 3",
     1, {{5, 5, 7, 5, {.BraceKind = 6, .BraceEndJoint = 3, .BraceArrangement = 1}}},
     0, 0, 5.0, 0,
     1.9, -0.6, -3.1752, -3.1752},  // 5 x 0.5 - 0.6
    {"crossed 90x90 brace by strengths: twice 4.8",
     0, {{5, 5, 7, 5, {.BraceKind = 6, .BraceEndJoint = 3, .BraceArrangement = 1}}},
     0, 0, 4.897959183673469, 0,  // 9.6 / 1.96
     1.848979591836735, -0.6, -3.1752, -3.1752},  // 4.897959 x 0.5 - 0.6
    {"90x90 brace reads row 8",
     0, {{5, 5, 7, 5, {.BraceKind = 6, .BraceEndJoint = 1}}},
     0, 0, 2.4489795918367, 0,  // 4.8 / 1.96
     0.6244897959184, -0.6, -3.1752, -3.1752},
    {"nailed 90x30 brace reads row 5",
     0, {{5, 5, 7, 5, {.BraceKind = 4, .BraceEndJoint = 0}}},
     0, 0, 0.9693877551020, 0,  // 1.9 / 1.96 (row 4 would give 2.4 / 1.96)
     -0.1153061224490, -0.6, -3.1752, -3.1752},
    {"nailed 90x45 brace reads row 7",
     0, {{5, 5, 7, 5, {.BraceKind = 5, .BraceEndJoint = 0}}},
     0, 0, 1.3265306122449, 0,  // 2.6 / 1.96 (row 6 would give 3.2 / 1.96)
     0.0632653061224, -0.6, -3.1752, -3.1752},
    {"brace 不明 counts nothing",
     1, {{5, 5, 7, 5, {.BraceKind = 1}}},
     0, 0, 0, 0,
     -0.6, -0.6, -3.1752, -3.1752},
};
// clang-format on

TEST_F(ColumnNValueTest, OwnValuesFromTheWallsAtTheColumn) {
  for (const OwnValueCase& c : ownValueCases) {
    SCOPED_TRACE(c.name);
    ColumnCount[kV][0] = WallCount[kV][0] = 0;
    ProjectSettings.NValueWallFactor = c.wallFactorMode;
    const int col = AddColumn(0, 5, 5);
    for (const WallAtColumn& w : c.walls) AddWall(0, w.x1, w.y1, w.x2, w.y2, w.elements);
    Run();
    const ColumnResult& r = R(0, col);
    EXPECT_NEAR(r.Pw1X, c.pw1x, kTol);
    EXPECT_NEAR(r.Pw1Y, c.pw1y, kTol);
    EXPECT_NEAR(r.A1X, c.a1x, 1e-12);
    EXPECT_NEAR(r.A1Y, c.a1y, 1e-12);
    EXPECT_NEAR(r.NX, c.nx, 1e-12);
    EXPECT_NEAR(r.NY, c.ny, 1e-12);
    EXPECT_NEAR(r.ToX, c.tox, kTol);
    EXPECT_NEAR(r.ToY, c.toy, kTol);
    EXPECT_EQ(r.UpperCount, 0);
    EXPECT_EQ(r.TopCount, 0);
  }
}

// ---------------------------------------------------------------------------
// Brace-end corrections

struct BraceCase {
  const char* name;
  int32_t kind, joint;
  int32_t braceClass;  // of the BraceTable row
  double right;        // wall (5,5)-(7,5), the column is its first point
  double left;         // wall (3,5)-(5,5), the column is its second point
  double both;         // both walls
};

// A1X = |sum of the walls| + BraceCorrectionTable[code on side 0][code on side 1].
// Right: A + T[0][2c+1]; left: A + T[2c+2][0]; both: 0 + T[2c+2][2c+1].
// clang-format off
const BraceCase braceCases[] = {
    {"90x30, row 4, class 2", 4, 3, 2, 1.0, 2.0, 1.0},          // 1.5 - 0.5; 1.5 + 0.5; T[6][5] = 1.0
    {"90x45, row 6, class 4", 5, 2, 4, 1.5, 2.5, 1.0},          // 2.0 - 0.5; 2.0 + 0.5; T[10][9] = 1.0
    {"90x45 nailed, row 7, class 4", 5, 0, 4, 1.5, 2.5, 1.0},  // as row 6
    {"90x90, row 8, class 6", 6, 1, 6, 1.0, 5.0, 4.0},          // 3.0 - 2.0; 3.0 + 2.0; T[14][13] = 4.0
    {"その他1, row 9, class 0", 7, 3, 0, 2.5, 2.5, 0.0},         // user factor 2.5; T[0][1] = T[2][0] = T[2][1] = 0
};
// clang-format on

TEST_F(ColumnNValueTest, BraceEndCorrectionsOnEitherAndBothSides) {
  BraceTable[9].WallFactor = 2.5;
  for (const BraceCase& c : braceCases) {
    SCOPED_TRACE(c.name);
    const WallSpec brace{.BraceKind = c.kind, .BraceEndJoint = c.joint};
    struct Layout {
      bool left, right;
      double expected;
    };
    for (const Layout& layout :
         {Layout{false, true, c.right}, Layout{true, false, c.left}, Layout{true, true, c.both}}) {
      SCOPED_TRACE(layout.left ? (layout.right ? "both" : "left") : "right");
      ColumnCount[kV][0] = WallCount[kV][0] = 0;
      std::memset(&BraceEndMap[kV][0], 0, sizeof BraceEndMap[kV][0]);
      const int col = AddColumn(0, 5, 5);
      if (layout.left) {
        AddWall(0, 3, 5, 5, 5, brace);
        MarkBraceEnds(0, 3, 5, 5, 5, c.braceClass);
      }
      if (layout.right) {
        AddWall(0, 5, 5, 7, 5, brace);
        MarkBraceEnds(0, 5, 5, 7, 5, c.braceClass);
      }
      Run();
      EXPECT_NEAR(R(0, col).A1X, layout.expected, 1e-12);
      EXPECT_NEAR(R(0, col).NX, 0.5 * layout.expected - 0.6, 1e-12);
      EXPECT_DOUBLE_EQ(R(0, col).A1Y, 0.0);
    }
  }
}

TEST_F(ColumnNValueTest, BraceEndCorrectionsInY) {
  const WallSpec brace90{.BraceKind = 6, .BraceEndJoint = 3};
  const int top = AddColumn(0, 5, 2);     // first point of (5,2)-(5,4): code 13 on side 3
  const int bottom = AddColumn(0, 5, 4);  // second point: code 14 on side 2
  AddWall(0, 5, 2, 5, 4, brace90);
  MarkBraceEnds(0, 5, 2, 5, 4, 6);
  Run();
  EXPECT_NEAR(R(0, top).A1Y, 1.0, 1e-12);     // 3.0 + T[0][13] = 3.0 - 2.0
  EXPECT_NEAR(R(0, bottom).A1Y, 5.0, 1e-12);  // |-3.0| + T[14][0] = 3.0 + 2.0
  EXPECT_DOUBLE_EQ(R(0, top).A1X, 0.0);       // T[0][0]
}

// The correction depends on the two braces at a column, never on which side
// each stands. The codes: 0 no brace; the end at a wall's first point (the
// brace's foot), at its second point (its head), and crossed: 1, 2, 3 for
// braces lighter than 90x30 (they count as no brace), 5, 6, 7 for 90x30,
// 9, 10, 11 for 90x45, 13, 14, 15 for 90x90.
TEST(BraceCorrection, TheSameWhicheverSideEachBraceStands) {
  const int32_t codes[] = {0, 1, 2, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15};
  for (const int32_t a : codes)
    for (const int32_t b : codes)
      EXPECT_EQ(BraceCorrectionTable[a][b], BraceCorrectionTable[b][a]) << a << ", " << b;

  // The pairs whose two orders once differed, by the rule: a brace alone
  // gives +0.5 (90x30, 90x45) or +2.0 (90x90) with its head at the column,
  // -0.5 or -2.0 with its foot, 0 crossed; beside a crossed brace a one-way
  // head gives its +0.5 or +2.0 and a foot 0.
  const struct {
    int32_t a, b;
    double expected;
    const char* rule;
  } pairs[] = {
      {1, 5, -0.5, "rebar counts as none: 90x30 foot alone"},
      {1, 7, 0.0, "crossed 90x30 alone"},
      {1, 9, -0.5, "90x45 foot alone"},
      {1, 15, 0.0, "crossed 90x90 alone"},
      {2, 7, 0.0, "crossed 90x30 alone"},
      {2, 15, 0.0, "crossed 90x90 alone"},
      {5, 7, 0.0, "90x30 foot beside a crossed brace"},
      {5, 15, 0.0, "90x30 foot beside a crossed brace"},
      {6, 7, 0.5, "90x30 head beside a crossed brace"},
      {6, 15, 0.5, "90x30 head beside a crossed 90x90"},
      {7, 9, 0.0, "90x45 foot beside a crossed brace"},
      {7, 10, 0.5, "90x45 head beside a crossed brace"},
      {7, 13, 0.0, "90x90 foot beside a crossed brace"},
      {7, 14, 2.0, "90x90 head beside a crossed 90x30"},
      {9, 11, 0.0, "90x45 foot beside a crossed brace"},
      {9, 15, 0.0, "90x45 foot beside a crossed brace"},
      {10, 11, 0.5, "90x45 head beside a crossed brace"},
      {10, 15, 0.5, "90x45 head beside a crossed 90x90"},
  };
  for (const auto& p : pairs) {
    SCOPED_TRACE(p.rule);
    EXPECT_EQ(BraceCorrectionTable[p.a][p.b], p.expected) << p.a << ", " << p.b;
    EXPECT_EQ(BraceCorrectionTable[p.b][p.a], p.expected) << p.b << ", " << p.a;
  }
}

// One brace beside the column, as its wall is drawn: the wall's first point
// is the brace's foot, its second point its head.
struct SideBrace {
  const char* name;
  int32_t kind;  // 0 no wall
  int32_t arrangement;
  bool headAtColumn;
};

// Every brace-end code: none 0; rebar foot 1, 90x15 head 2, 90x15 crossed 3;
// then foot, head and crossed of 90x30 (5, 6, 7), 90x45 (9, 10, 11) and 90x90 (13, 14, 15).
const SideBrace sideBraces[] = {
    {"none", 0, 0, false},          {"rebar foot", 2, 0, false}, {"90x15 head", 3, 0, true},
    {"90x15 crossed", 3, 1, false}, {"90x30 foot", 4, 0, false}, {"90x30 head", 4, 0, true},
    {"90x30 crossed", 4, 1, false}, {"90x45 foot", 5, 0, false}, {"90x45 head", 5, 0, true},
    {"90x45 crossed", 5, 1, false}, {"90x90 foot", 6, 0, false}, {"90x90 head", 6, 0, true},
    {"90x90 crossed", 6, 1, false},
};

// A top-storey column at (5,5) of a two-storey variant, with one brace on
// each side in X and the same two in Y, over a first-storey column. The
// brace-end codes come from the structural recalculation's own step.
class MirroredBraceTest : public ColumnNValueTest {
 protected:
  struct Demand {
    double nx, ny;
    std::string classX, classY;
  };

  Demand Build(const SideBrace& smaller, const SideBrace& larger) {
    std::memset(&ColumnCount, 0, sizeof ColumnCount);
    std::memset(&WallCount, 0, sizeof WallCount);
    std::memset(&BraceEndMap[kV], 0, sizeof BraceEndMap[kV]);
    ProjectSettings.TopStorey[kV] = 1;
    const int column = AddColumn(1, 5, 5);
    AddColumn(0, 5, 5, false, true);
    // Along X (other = 3 or 7) and along Y.
    for (const bool alongX : {true, false})
      for (const auto& [brace, other] : {std::pair{&smaller, 3}, std::pair{&larger, 7}}) {
        if (brace->kind == 0) continue;
        const int ox = alongX ? other : 5, oy = alongX ? 5 : other;
        const WallSpec wall{.Pw = 1.0, .BraceKind = brace->kind, .BraceArrangement = brace->arrangement};
        if (brace->headAtColumn)
          AddWall(1, ox, oy, 5, 5, wall);
        else
          AddWall(1, 5, 5, ox, oy, wall);
      }
    FillBraceEndCodes();
    Run();
    const ColumnResult& r = R(1, column);
    return {r.NX, r.NY, U8(HardwareClassSymbols[ClassifyTableNValue(r.NX)]),
            U8(HardwareClassSymbols[ClassifyTableNValue(r.NY)])};
  }
};

TEST_F(MirroredBraceTest, AColumnAndItsMirrorImageGetTheSameNValueAndClass) {
  for (const SideBrace& a : sideBraces)
    for (const SideBrace& b : sideBraces) {
      SCOPED_TRACE(std::string(a.name) + " | " + b.name);
      const Demand plan = Build(a, b);
      const Demand mirror = Build(b, a);
      EXPECT_EQ(plan.nx, mirror.nx);
      EXPECT_EQ(plan.ny, mirror.ny);
      EXPECT_EQ(plan.classX, mirror.classX);
      EXPECT_EQ(plan.classY, mirror.classY);
      EXPECT_EQ(plan.nx, plan.ny);  // the Y layout is the X layout turned
    }
}

// A one-way 90x90 brace with its head at the column (factor 3) on one side,
// a crossed 90x30 (1.5 x 2 = 3) on the other: the walls cancel, and the
// 90x90 head gives +2.0 whichever side it stands on. A1 = |3 - 3| + 2.0,
// N = 2.0 x 0.5 - 0.6 = 0.4, class (ろ); the mirror image once got 0 and (い).
TEST_F(MirroredBraceTest, A90x90HeadBesideACrossedBraceOnEitherSide) {
  const SideBrace head90{"90x90 head", 6, 0, true};
  const SideBrace crossed30{"90x30 crossed", 4, 1, false};
  for (const auto& [smaller, larger] : {std::pair{head90, crossed30}, std::pair{crossed30, head90}}) {
    SCOPED_TRACE(smaller.name);
    const Demand d = Build(smaller, larger);
    EXPECT_NEAR(R(1, 0).A1X, 2.0, 1e-12);
    EXPECT_NEAR(d.nx, 0.4, 1e-12);
    EXPECT_EQ(d.classX, "(ろ)");
    EXPECT_EQ(Verdict(), "OK");
  }
}

TEST_F(ColumnNValueTest, StoreyWithoutWallsGetsNoCorrection) {
  const int col = AddColumn(0, 5, 5);
  MarkBraceEnds(0, 5, 5, 7, 5, 6);  // codes left over without any wall
  Run();
  EXPECT_DOUBLE_EQ(R(0, col).A1X, 0.0);
  EXPECT_NEAR(R(0, col).NX, -0.6, 1e-12);
}

// ---------------------------------------------------------------------------
// Snow

TEST_F(ColumnNValueTest, SnowTermsUseTheSnowL) {
  ProjectSettings.SnowLoad = 0.26;
  const WallSpec p1{.Pw = 3.0, .PanelLeft = kP1};
  const int ordinary = AddColumn(0, 5, 5);
  AddWall(0, 5, 5, 7, 5, p1);
  const int corner = AddColumn(0, 5, 9, true);
  AddWall(0, 5, 9, 7, 9, {.Pw = 3.0, .PanelLeft = kP1, .PanelRight = kP1});
  Run();
  // Ordinary: L 0.6, snow L 0.6 + 3.8462 x 0.26 = 1.600012; SPX = 1.5, SAX = 1.25.
  EXPECT_NEAR(Snow(0, ordinary).L, 1.600012, kTol);
  EXPECT_NEAR(Snow(0, ordinary).NX, -0.350012, kTol);      // 1.25 - 1.600012
  EXPECT_NEAR(Snow(0, ordinary).ToX, -4.417263504, kTol);  // (1.5 - 3.13602352) x 2.7
  EXPECT_NEAR(Snow(0, ordinary).NY, -1.600012, kTol);
  EXPECT_NEAR(R(0, ordinary).NX, 0.65, kTol);  // without snow: 1.25 - 0.6
  // Corner: B1 0.8, L 0.4, snow L 0.4 + 2.1539 x 0.26 = 0.960014; SPX = 2.4, SAX = 4.0.
  EXPECT_NEAR(Snow(0, corner).L, 0.960014, kTol);
  EXPECT_NEAR(Snow(0, corner).NX, 3.039986, kTol);      // 5.0 x 0.8 - 0.960014
  EXPECT_NEAR(Snow(0, corner).ToX, 1.399605912, kTol);  // (2.4 - 1.88162744) x 2.7
  EXPECT_NEAR(R(0, corner).NX, 3.6, kTol);              // 4.0 - 0.4
  EXPECT_NEAR(R(0, corner).ToX, 4.3632, kTol);          // (2.4 - 0.784) x 2.7
}

TEST_F(ColumnNValueTest, WithoutSnowTheSnowLKeepsItsValue) {
  const int col = AddColumn(0, 5, 5);
  AddWall(0, 5, 5, 7, 5, {.Pw = 3.0, .PanelLeft = kP1});
  ColumnSnowResults[kV][0][col].L = 9.0;  // from an earlier paint with snow
  Run();
  EXPECT_DOUBLE_EQ(Snow(0, col).L, 9.0);
  EXPECT_NEAR(Snow(0, col).NX, -7.75, kTol);     // 1.25 - 9.0
  EXPECT_NEAR(Snow(0, col).ToX, -43.578, kTol);  // (1.5 - 17.64) x 2.7
}

// ---------------------------------------------------------------------------
// Hand-down between storeys

// Published example: an ordinary first-storey column of a two-storey house
// under the column above, A1 = A2 = 2.5: N = 2.5 x 0.5 + 2.5 x 0.5 - 1.6 = 0.9, class (は).
TEST_F(ColumnNValueTest, OrdinaryFirstStoreyColumnUnderAnotherGivesClassHa) {
  ProjectSettings.TopStorey[kV] = 1;
  const WallSpec p1{.Pw = 2.0, .PanelLeft = kP1};
  AddColumn(1, 9, 5);  // listed first, second in plan order
  const int upper = AddColumn(1, 5, 5);
  AddWall(1, 5, 5, 6, 5, p1);
  const int lower = AddColumn(0, 5, 5, false, true);
  AddWall(0, 5, 5, 6, 5, p1);
  AddColumn(0, 9, 5, false, true);
  Run();
  const ColumnResult& r = R(0, lower);
  ASSERT_EQ(r.UpperCount, 1);
  EXPECT_EQ(r.UpperNo[0], 1);  // position 0 of the second storey's X order, not record 1
  EXPECT_DOUBLE_EQ(r.Pw2X[0], 2.0);
  EXPECT_DOUBLE_EQ(r.A2X[0], 2.5);
  EXPECT_DOUBLE_EQ(r.UpperPwX[0], 2.0);
  EXPECT_DOUBLE_EQ(r.UpperAX[0], 2.5);
  EXPECT_DOUBLE_EQ(r.UpperDistA[0], 0.0);
  EXPECT_DOUBLE_EQ(r.UpperDistB[0], 0.0);
  EXPECT_DOUBLE_EQ(r.B2[0], R(1, upper).B1);
  EXPECT_DOUBLE_EQ(r.L, 1.6);
  EXPECT_NEAR(r.NX, 0.9, 1e-12);
  EXPECT_EQ(U8(HardwareClassSymbols[ClassifyTableNValue(r.NX)]), "(は)");
  EXPECT_NEAR(r.ToX, (2.0 - 3.136) * 2.7, 1e-12);  // SPX = 2 x 0.5 + 2 x 0.5, 1.96 x 1.6 = 3.136
  EXPECT_EQ(Verdict(), "OK");
  EXPECT_EQ(MainWindow.LnflagColour, 0);

  // Every run starts its lists afresh.
  Run();
  EXPECT_EQ(R(0, lower).UpperCount, 1);
  EXPECT_NEAR(R(0, lower).NX, 0.9, 1e-12);
}

// Published example: a corner column of the top storey with A1 = 5:
// N = 5 x 0.8 - 0.4 = 3.6, class (ち).
TEST_F(ColumnNValueTest, TopStoreyCornerColumnGivesClassChi) {
  ProjectSettings.TopStorey[kV] = 1;
  const int upper = AddColumn(1, 5, 5, true);
  AddWall(1, 5, 5, 6, 5, {.Pw = 4.0, .PanelLeft = kP1, .PanelRight = kP1});
  AddColumn(0, 5, 5, true, true);
  Run();
  EXPECT_DOUBLE_EQ(R(1, upper).L, 0.4);
  EXPECT_NEAR(R(1, upper).NX, 3.6, 1e-12);
  EXPECT_EQ(U8(HardwareClassSymbols[ClassifyTableNValue(R(1, upper).NX)]), "(ち)");
  EXPECT_NEAR(R(1, upper).ToX, (3.2 - 0.784) * 2.7, 1e-12);  // 4.0 x 0.8 - 1.96 x 0.4
}

TEST_F(ColumnNValueTest, DirectSupportHandsDownEvenWithoutValues) {
  ProjectSettings.TopStorey[kV] = 1;
  AddColumn(1, 5, 5);
  const int lower = AddColumn(0, 5, 5);
  ColumnResults[0][0][0].NX = 42.0;  // another variant keeps its results
  Run();
  ASSERT_EQ(R(0, lower).UpperCount, 1);
  EXPECT_EQ(R(0, lower).UpperNo[0], 1);
  EXPECT_DOUBLE_EQ(R(0, lower).Pw2X[0], 0.0);
  EXPECT_EQ(R(0, lower).UpperNo[1], -1);
  EXPECT_DOUBLE_EQ(ColumnResults[0][0][0].NX, 42.0);
}

// Second-storey column over no first-storey column, first-storey columns 1 m
// to its left and 3 m to its right: a = 1, b = 3, D = 4; left b / D = 0.75,
// right a / D = 0.25.
TEST_F(ColumnNValueTest, SplitAlongXInInverseProportionToTheDistances) {
  ProjectSettings.TopStorey[kV] = 1;
  AddColumn(1, 5, 5);
  AddWall(1, 5, 5, 6, 5, {.Pw = 2.0, .PanelLeft = kP1});  // PW1 2.0, A1 2.5
  const int left = AddColumn(0, 4, 5);
  const int right = AddColumn(0, 8, 5);
  Run();
  const ColumnResult& l = R(0, left);
  const ColumnResult& r = R(0, right);
  ASSERT_EQ(l.UpperCount, 1);
  ASSERT_EQ(r.UpperCount, 1);
  EXPECT_DOUBLE_EQ(l.Pw2X[0], 1.5);   // 2.0 x 0.75
  EXPECT_DOUBLE_EQ(l.A2X[0], 1.875);  // 2.5 x 0.75
  EXPECT_DOUBLE_EQ(l.UpperDistA[0], 1.0);
  EXPECT_DOUBLE_EQ(l.UpperDistB[0], 3.0);
  EXPECT_DOUBLE_EQ(r.Pw2X[0], 0.5);   // 2.0 x 0.25
  EXPECT_DOUBLE_EQ(r.A2X[0], 0.625);  // 2.5 x 0.25
  EXPECT_DOUBLE_EQ(r.UpperDistA[0], 3.0);
  EXPECT_DOUBLE_EQ(r.UpperDistB[0], 1.0);
  for (const ColumnResult* c : {&l, &r}) {
    EXPECT_EQ(c->UpperNo[0], 1);
    EXPECT_DOUBLE_EQ(c->UpperPwX[0], 2.0);
    EXPECT_DOUBLE_EQ(c->UpperAX[0], 2.5);
    EXPECT_DOUBLE_EQ(c->B2[0], 0.5);
    EXPECT_DOUBLE_EQ(c->Pw2Y[0], 0.0);
    EXPECT_DOUBLE_EQ(c->UpperAY[0], 0.0);
  }
  // Left: L 0.6 (no floor mark), SAX = 1.875 x 0.5, SPX = 1.5 x 0.5.
  EXPECT_NEAR(l.NX, 0.3375, 1e-12);                 // 0.9375 - 0.6
  EXPECT_NEAR(l.ToX, (0.75 - 1.176) * 2.7, 1e-12);  // -1.1502
  EXPECT_EQ(Verdict(), "OK");
}

// Neighbours of the upper column at (5,5) on the first storey:
// X- (3,5), X+ (9,5): a = 2, b = 4, D = 6, shares 4/6 and 2/6;
// Y- (5,2), Y+ (5,9): a = 3, b = 4, D = 7, shares 4/7 and 3/7.
// The upper column has PW1X 6 and PW1Y 7.
struct ChainCase {
  const char* name;
  bool xMinus, xPlus, yMinus, yPlus;
  double pw2x[4], pw2y[4];  // received by X-, X+, Y-, Y+
};

// clang-format off
const ChainCase chainCases[] = {
    {"all four: X values split along X, Y values along Y", true, true, true, true,
     {4, 2, 0, 0}, {0, 0, 4, 3}},                       // 6 x 4/6, 6 x 2/6; 7 x 4/7, 7 x 3/7
    {"only Y neighbours: X values split along Y", false, false, true, true,
     {0, 0, 24.0 / 7, 18.0 / 7}, {0, 0, 4, 3}},         // 6 x 4/7, 6 x 3/7
    {"only X neighbours: Y values split along X", true, true, false, false,
     {4, 2, 0, 0}, {14.0 / 3, 7.0 / 3, 0, 0}},          // 7 x 4/6, 7 x 2/6
    {"X- and Y-: each to its own side, whole", true, false, true, false,
     {6, 0, 0, 0}, {0, 0, 7, 0}},
    {"X+ and Y+: each to its own side, whole", false, true, false, true,
     {0, 6, 0, 0}, {0, 0, 0, 7}},
    {"X+ and Y-", false, true, true, false,
     {0, 6, 0, 0}, {0, 0, 7, 0}},
    {"Y- only takes both", false, false, true, false,
     {0, 0, 6, 0}, {0, 0, 7, 0}},
    {"X+ only takes both", false, true, false, false,
     {0, 6, 0, 0}, {0, 7, 0, 0}},
    {"X-, X+ and Y+: Y values split along X before Y+ alone", true, true, false, true,
     {4, 2, 0, 0}, {14.0 / 3, 7.0 / 3, 0, 0}},
};
// clang-format on

TEST_F(ColumnNValueTest, HandDownChainsInOrder) {
  const int points[4][2] = {{3, 5}, {9, 5}, {5, 2}, {5, 9}};
  for (const ChainCase& c : chainCases) {
    SCOPED_TRACE(c.name);
    std::memset(&ColumnCount, 0, sizeof ColumnCount);
    std::memset(&WallCount, 0, sizeof WallCount);
    std::memset(&GridPointMap[kV], 0, sizeof GridPointMap[kV]);
    ProjectSettings.TopStorey[kV] = 1;
    AddColumn(1, 5, 5);
    AddWall(1, 5, 5, 6, 5, {.Pw = 6.0});
    AddWall(1, 5, 5, 5, 6, {.Pw = 7.0});
    const bool present[4] = {c.xMinus, c.xPlus, c.yMinus, c.yPlus};
    int column[4] = {-1, -1, -1, -1};
    for (int k = 0; k < 4; ++k)
      if (present[k]) column[k] = AddColumn(0, points[k][0], points[k][1]);
    Run();
    for (int k = 0; k < 4; ++k) {
      if (column[k] < 0) continue;
      SCOPED_TRACE(k);
      const ColumnResult& r = R(0, column[k]);
      double x = 0, y = 0;
      for (int e = 0; e < r.UpperCount; ++e) x += r.Pw2X[e], y += r.Pw2Y[e];
      EXPECT_NEAR(x, c.pw2x[k], 1e-12);
      EXPECT_NEAR(y, c.pw2y[k], 1e-12);
    }
    EXPECT_EQ(Verdict(), "OK");
  }
}

TEST_F(ColumnNValueTest, SplitAlongYUsesTheYPositions) {
  ProjectSettings.TopStorey[kV] = 1;
  GridAxisY[2] = 1.0, GridAxisY[5] = 2.5, GridAxisY[9] = 4.0;  // a = 1.5, b = 1.5
  AddColumn(1, 5, 5);
  AddWall(1, 5, 5, 5, 6, {.Pw = 4.0, .PanelLeft = kP1});
  const int up = AddColumn(0, 5, 2);
  const int down = AddColumn(0, 5, 9);
  Run();
  EXPECT_DOUBLE_EQ(R(0, up).Pw2Y[0], 2.0);  // 4.0 x 1.5 / 3.0
  EXPECT_DOUBLE_EQ(R(0, up).A2Y[0], 1.25);  // 2.5 x 0.5
  EXPECT_DOUBLE_EQ(R(0, up).UpperDistA[0], 1.5);
  EXPECT_DOUBLE_EQ(R(0, down).Pw2Y[0], 2.0);
  EXPECT_DOUBLE_EQ(R(0, up).UpperPwY[0], 4.0);
  EXPECT_DOUBLE_EQ(R(0, up).Pw2X[0], 0.0);
}

TEST_F(ColumnNValueTest, NothingToHandDownWithoutPw) {
  ProjectSettings.TopStorey[kV] = 1;
  SetAxisName(GridAxisNameX, 5, u"X 5");
  SetAxisName(GridAxisNameY, 5, u"Y 5");
  const int upper = AddColumn(1, 5, 5);
  // A1 from a panel but PW1 0: nothing is searched for.
  AddWall(1, 5, 5, 6, 5, {.Pw = 0.0, .PanelLeft = kP1});
  AddColumn(0, 20, 20);
  Run();
  EXPECT_DOUBLE_EQ(R(1, upper).A1X, 2.5);
  EXPECT_EQ(Verdict(), "OK");
  EXPECT_EQ(AxialForceNgPosition[kV][1].X, -1);
}

// ---------------------------------------------------------------------------
// The axial-force verdict

TEST_F(ColumnNValueTest, VerdictNamesTheFailingColumnsPoint) {
  ProjectSettings.TopStorey[kV] = 2;
  SetAxisName(GridAxisNameX, 5, u"X 5");
  SetAxisName(GridAxisNameY, 5, u"Y 3");
  SetAxisName(GridAxisNameX, 7, u"X 7");
  SetAxisName(GridAxisNameY, 9, u"Y12-3");
  SetAxisName(GridAxisNameX, 12, u"X123-4");
  SetAxisName(GridAxisNameY, 12, u"YY-1");
  // A second-storey column whose X values find no first-storey column on its lines.
  AddColumn(1, 5, 5);
  AddWall(1, 5, 5, 6, 5, {.Pw = 1.0});
  AddColumn(0, 20, 20);
  Run();
  EXPECT_EQ(Verdict(), "NG [X 5]-[Y 3]");
  EXPECT_EQ(MainWindow.LnflagColour, 255);
  EXPECT_EQ(AxialForceNgPosition[kV][1].X, 5);
  EXPECT_EQ(AxialForceNgPosition[kV][1].Y, 5);
  EXPECT_EQ(AxialForceNgPosition[kV][2].X, -1);

  // A later column of the same storey in X order wins.
  AddColumn(1, 7, 9);
  AddWall(1, 7, 9, 7, 10, {.Pw = 1.0});  // its Y values find nothing either
  Run();
  EXPECT_EQ(Verdict(), "NG [X 7]-[Y12-3]");

  // A failing third-storey column wins over the second storey; names are cut to five characters.
  AddColumn(2, 12, 12);
  AddWall(2, 12, 12, 13, 12, {.Pw = 1.0});
  Run();
  EXPECT_EQ(Verdict(), "NG [X123-]-[YY-1]");
  EXPECT_EQ(MainWindow.LnflagColour, 255);
}

TEST_F(ColumnNValueTest, VerdictOfAShareFromTheThirdStoreyThatFindsNoFirstStoreyColumn) {
  ProjectSettings.TopStorey[kV] = 2;
  SetAxisName(GridAxisNameX, 5, u"X 2");
  SetAxisName(GridAxisNameY, 5, u"Y 1");
  AddColumn(2, 5, 5);
  AddWall(2, 5, 5, 6, 5, {.Pw = 1.0});
  AddColumn(1, 5, 5);  // carries it directly, no values of its own
  AddColumn(0, 9, 9);  // off both lines through (5,5)
  Run();
  EXPECT_EQ(AxialForceNgPosition[kV][0].X, 5);
  EXPECT_EQ(AxialForceNgPosition[kV][0].Y, 5);
  EXPECT_EQ(AxialForceNgPosition[kV][1].X, -1);  // the second storey's own values are 0
  EXPECT_EQ(Verdict(), "NG [X 2]-[Y 1]");
  EXPECT_EQ(R(0, 0).TopCount, 0);  // the share is dropped
}

// ---------------------------------------------------------------------------
// Two-up entries

// Third-storey column at (5,5) with PW1X 2.0, A1X 2.5 straight over a
// second-storey column; first-storey columns 1 m left and 3 m right.
TEST_F(ColumnNValueTest, TwoUpEntriesSplitLikeTheUpperOnes) {
  ProjectSettings.TopStorey[kV] = 2;
  AddColumn(2, 5, 5, true);  // B1 0.8
  AddWall(2, 5, 5, 6, 5, {.Pw = 2.0, .PanelLeft = kP1});
  const int middle = AddColumn(1, 5, 5);
  const int left = AddColumn(0, 4, 5);
  const int right = AddColumn(0, 8, 5);
  Run();
  ASSERT_EQ(R(1, middle).UpperCount, 1);
  EXPECT_DOUBLE_EQ(R(1, middle).B2[0], 0.8);
  const ColumnResult& l = R(0, left);
  ASSERT_EQ(l.TopCount, 1);
  EXPECT_EQ(l.TopNo[0], 1);
  EXPECT_DOUBLE_EQ(l.TopPwX[0], 2.0);  // what the second storey passed on
  EXPECT_DOUBLE_EQ(l.TopAX[0], 2.5);
  EXPECT_DOUBLE_EQ(l.Pw3X[0], 1.5);   // 2.0 x 0.75
  EXPECT_DOUBLE_EQ(l.A3X[0], 1.875);  // 2.5 x 0.75
  EXPECT_DOUBLE_EQ(l.TopDistA[0], 1.0);
  EXPECT_DOUBLE_EQ(l.TopDistB[0], 3.0);
  EXPECT_DOUBLE_EQ(l.B3[0], 0.8);
  EXPECT_DOUBLE_EQ(R(0, right).A3X[0], 0.625);  // 2.5 x 0.25
  EXPECT_DOUBLE_EQ(R(0, right).TopDistA[0], 3.0);
  // The second-storey column's own values are 0 and, not standing on a column, hand nothing down.
  EXPECT_EQ(l.UpperCount, 0);
  // Left: L 0.6, SAX = 1.875 x 0.8 = 1.5.
  EXPECT_NEAR(l.NX, 0.9, 1e-12);                   // 1.5 - 0.6
  EXPECT_NEAR(l.ToX, (1.2 - 1.176) * 2.7, 1e-12);  // SPX = 1.5 x 0.8
  // Middle: L 0.6, SAX = 2.5 x 0.8 = 2.0.
  EXPECT_NEAR(R(1, middle).NX, 1.4, 1e-12);
}

// ---------------------------------------------------------------------------
// More entries than the slots hold

// Nine second-storey columns at (1..9, 5), each with PW1Y 2.0 and A1Y 2.5
// from a Y wall; the first storey has columns only at (0,5) and (10,5). The
// Y values find no Y neighbour and split along X: the column at x = i gives
// (10 - i) / 10 to (0,5) and i / 10 to (10,5).
class ManyEntriesTest : public ColumnNValueTest {
 protected:
  void AddNineUpperColumns(int s) {
    for (int i = 1; i <= 9; ++i) {
      AddColumn(s, i, 5);
      AddWall(s, i, 5, i, 4, {.Pw = 2.0, .PanelLeft = kP1});  // the column is the wall's first point: -PW
    }
  }
};

TEST_F(ManyEntriesTest, EveryUpperEntryCountsBeyondTheEightSlots) {
  ProjectSettings.TopStorey[kV] = 1;
  AddNineUpperColumns(1);
  const int left = AddColumn(0, 0, 5);
  const int right = AddColumn(0, 10, 5);
  Run();
  const ColumnResult& l = R(0, left);
  EXPECT_EQ(l.UpperCount, 8);  // the slots hold the first eight
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(l.UpperNo[k], k + 1);
    EXPECT_NEAR(l.Pw2Y[k], 2.0 * (9 - k) / 10, 1e-12);  // from x = k + 1
  }
  const auto& list = UpperHandDowns[kV][0];
  EXPECT_EQ(list.ColumnEntries[left], 9);
  EXPECT_EQ(list.ColumnEntries[right], 9);
  const HandDownEntry& ninth = list.Entries[list.Last[left]];
  EXPECT_EQ(ninth.FromNo, 9);
  EXPECT_NEAR(ninth.PwY, 0.2, 1e-12);  // 2.0 x (10 - 9) / 10
  EXPECT_DOUBLE_EQ(ninth.DistA, 9.0);
  EXPECT_DOUBLE_EQ(ninth.DistB, 1.0);

  // Shares to (0,5): (9 + 8 + ... + 1) / 10 = 4.5 of each column's values.
  // SAY = 4.5 x 2.5 x 0.5 = 5.625, SPY = 4.5 x 2.0 x 0.5 = 4.5, L 0.6.
  // Keeping only the last of the entries beyond seven would give 4.3 and NY 4.775.
  EXPECT_NEAR(l.NY, 5.025, 1e-12);            // 5.625 - 0.6
  EXPECT_NEAR(l.ToY, 8.9748, 1e-12);          // (4.5 - 1.176) x 2.7
  EXPECT_NEAR(R(0, right).NY, 5.025, 1e-12);  // 1/10 + ... + 9/10 = 4.5 as well
  EXPECT_EQ(Verdict(), "OK");
}

TEST_F(ManyEntriesTest, EveryTwoUpEntryCountsBeyondTheTwelveSlots) {
  ProjectSettings.TopStorey[kV] = 2;
  AddNineUpperColumns(2);
  AddColumn(1, 0, 5);   // takes 4.5 of the values in nine entries, passes them straight down
  AddColumn(1, 10, 5);  // takes 4.5 in nine entries, passes them to its X- neighbour (0,5) whole
  const int bottom = AddColumn(0, 0, 5);
  Run();
  const ColumnResult& b = R(0, bottom);
  EXPECT_EQ(TopHandDowns[kV].ColumnEntries[bottom], 18);
  EXPECT_EQ(b.TopCount, 12);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(b.TopNo[k], 1) << k;   // through the second storey's column 1
  for (int k = 9; k < 12; ++k) EXPECT_EQ(b.TopNo[k], 2) << k;  // and its column 2
  EXPECT_NEAR(b.Pw3Y[9], 0.2, 1e-12);                          // from x = 1 through (10,5): 2.0 x 1 / 10
  EXPECT_EQ(b.UpperCount, 1);  // the second storey's own (zero) values through (0,5)
  // All nine columns' values arrive whole: SAY = 9 x 2.5 x 0.5 = 11.25, SPY = 9 x 2.0 x 0.5 = 9.
  EXPECT_NEAR(b.NY, 10.65, 1e-12);     // 11.25 - 0.6
  EXPECT_NEAR(b.ToY, 21.1248, 1e-12);  // (9 - 1.176) x 2.7
}

// ---------------------------------------------------------------------------
// Damaged data

TEST_F(ColumnNValueTest, NeighboursAtOnePositionShareEqually) {
  ProjectSettings.TopStorey[kV] = 1;
  GridAxisX[4] = GridAxisX[5] = GridAxisX[8] = 4.0;  // a = b = D = 0
  AddColumn(1, 5, 5);
  AddWall(1, 5, 5, 6, 5, {.Pw = 2.0, .PanelLeft = kP1});
  const int left = AddColumn(0, 4, 5);
  const int right = AddColumn(0, 8, 5);
  Run();
  EXPECT_DOUBLE_EQ(R(0, left).Pw2X[0], 1.0);   // 2.0 / 2
  EXPECT_DOUBLE_EQ(R(0, right).A2X[0], 1.25);  // 2.5 / 2
  EXPECT_TRUE(std::isfinite(R(0, left).NX));
}

struct DamageCase {
  const char* name;
  void (*damage)();
  double nx;  // of the column at (5,5) of storey 0, a one-storey variant
};

// The column at (5,5) has a wall on its right, (5,5)-(7,5), PW 3.0, panel P1: NX 0.65 when sound.
const DamageCase damageCases[] = {
    {"rows outside their tables count nothing",
     [] {
       Walls[kV][0][0].PanelLeft = 99, Walls[kV][0][0].PanelRight = -7;
       Walls[kV][0][0].MudWallKind = -1, Walls[kV][0][0].BraceKind = 42;
     },
     -0.6},
    {"an end joint outside 0..3 gives no brace",
     [] { Walls[kV][0][0].PanelLeft = 0, Walls[kV][0][0].BraceKind = 6, Walls[kV][0][0].BraceEndJoint = 9; },
     -0.6},
    {"an arrangement other than crossed counts once",
     [] {
       Walls[kV][0][0].PanelLeft = 0, Walls[kV][0][0].BraceKind = 6, Walls[kV][0][0].BraceArrangement = 7;
     },
     0.9},  // 3.0 x 0.5 - 0.6
    {"brace-end codes outside 0..15 give no correction",
     [] {
       BraceEndMap[kV][0][5][5].Side[0] = 99;
       BraceEndMap[kV][0][5][5].Side[1] = -3;
     },
     0.65},
    {"a wall end off the grid reaches no column", [] { Walls[kV][0][0].X2 = 250; }, 0.65},
    {"a count above the maximum is cut", [] { ColumnCount[kV][0] = 999; }, 0.65},
    {"a storey count above three is cut", [] { ProjectSettings.TopStorey[kV] = 7; }, 0.65},
};

TEST_F(ColumnNValueTest, DamagedDataGivesDefinedValues) {
  for (const DamageCase& c : damageCases) {
    SCOPED_TRACE(c.name);
    std::memset(&ColumnCount, 0, sizeof ColumnCount);
    std::memset(&WallCount, 0, sizeof WallCount);
    std::memset(&BraceEndMap[kV][0][5][5], 0, sizeof(BraceEndCodes));
    ProjectSettings.TopStorey[kV] = 0;
    const int col = AddColumn(0, 5, 5);
    AddWall(0, 5, 5, 7, 5, {.Pw = 3.0, .PanelLeft = kP1});
    UpdateUsedExtents();
    c.damage();
    ComputeStep();
    EXPECT_NEAR(R(0, col).NX, c.nx, 1e-12);
    EXPECT_EQ(Verdict(), "OK");
  }
}

TEST_F(ColumnNValueTest, UsedExtentsOffTheGridAreCut) {
  ProjectSettings.TopStorey[kV] = 1;
  AddColumn(1, 5, 5);
  AddWall(1, 5, 5, 6, 5, {.Pw = 7.0});
  const int left = AddColumn(0, 2, 5);
  const int right = AddColumn(0, 9, 5);
  UpdateUsedExtents();
  UsedExtentMinX[kV][0] = -50, UsedExtentMaxX[kV][0] = 900;
  UsedExtentMinY[kV][0] = -50, UsedExtentMaxY[kV][0] = 900;
  ComputeStep();
  EXPECT_NEAR(R(0, left).Pw2X[0], 4.0, 1e-12);   // a = 3, b = 4, D = 7: 7 x 4/7
  EXPECT_NEAR(R(0, right).Pw2X[0], 3.0, 1e-12);  // 7 x 3/7
}

TEST_F(ColumnNValueTest, DamagedColumnsAndSettings) {
  const int off = AddColumn(0, 5, 5);
  Columns[kV][0][off].X = 250, Columns[kV][0][off].Y = -1;  // off the grid: no point, no walls
  ColumnCount[kV][1] = -4;
  ProjectSettings.TopStorey[kV] = 1;
  UpdateUsedExtents();
  ComputeStep();
  EXPECT_DOUBLE_EQ(R(0, off).B1, 0.5);
  EXPECT_DOUBLE_EQ(R(0, off).L, 0.6);
  EXPECT_NEAR(R(0, off).NX, -0.6, 1e-12);

  // No storey at all: nothing to compute, and nothing fails.
  ProjectSettings.TopStorey[kV] = -1;
  ColumnResults[kV][0][off].NX = 42.0;
  ComputeStep();
  EXPECT_DOUBLE_EQ(R(0, off).NX, 42.0);
  EXPECT_EQ(Verdict(), "OK");

  // A variant index outside 0..2 touches nothing.
  std::strcpy(MainWindow.LnflagText, "before");
  CurrentVariant = 9;
  ComputeStep();
  EXPECT_EQ(Verdict(), "before");
}

}  // namespace
