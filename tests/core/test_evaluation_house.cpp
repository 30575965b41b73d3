// Superstructure scores of whole houses: a one-storey house under the general
// method (with the deterioration factor, without and with snow) and a
// two-storey house under precise method 1 (required strength by the table and
// by the building-law seismic force), each built through the model's lists
// and run through the paint's recalculation chain. Every expected value is
// worked by hand beside it, from the wall elements through the reduced
// strengths and storey strengths to Pd, Qr and the score. Last, the fixed
// point: from the second paint on a paint changes no result.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "ModelFixture.h"
#include "ResultSnapshot.h"
#include "analysis/AnalysisResults.h"
#include "analysis/RequiredStrength.h"
#include "chain/RecalculationChain.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/Superstructure.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

// Element rows used below.
constexpr int32_t PanelK1 = 2;    // 木ずり釘打ち      0.8 kN/m, stiffness 70
constexpr int32_t PanelP1 = 3;    // 構造用合板 N50    5.2 kN/m, stiffness 860
constexpr int32_t PanelG1 = 21;   // 石膏ボード12 GN40 2.6 kN/m, stiffness 450
constexpr int32_t MudWallT3 = 4;  // 7～9cm            3.5 kN/m, stiffness 680
constexpr int32_t Brace90x45 = 5;
constexpr int32_t Brace90x90 = 6;
constexpr int32_t JointStandard = 3;  // 規定
constexpr int32_t Joint2_0 = 2;       // "2.0"
constexpr int32_t OneWay = 0, Crossed = 1;
constexpr int32_t Window = 1, Door = 2;
constexpr int32_t FrameDeteriorated = 0, FramePartly = 1, FrameSound = 2;

constexpr int32_t CodeFloorLight = 0;  // floor of the storey above
constexpr int32_t CodeRoofLight = 3;

constexpr double kTolerance = 1e-9;

using Points = std::initializer_list<std::pair<int, int>>;

// floor(x 100) / 100, the two-decimal score the panel shows.
double Cut(double score) { return std::floor(score * 100.0) / 100.0; }

class HouseEvaluationTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    testmodel::LayOutGrid(1.0);  // axis i at i metres, every axis a main axis
    CurrentVariant = CurrentState;
  }

  // Elements of the current state; columns and walls with a sound frame.
  static void Column(int s, int x, int y, int type, int hardware) {
    ColumnRecord& c = testmodel::AddColumn(CurrentState, s, x, y, type);
    c.Hardware = hardware, c.Deterioration = FrameSound;
  }

  static WallRecord& Wall(int s, int x1, int y1, int x2, int y2) {
    WallRecord& w = testmodel::AddWall(CurrentState, s, x1, y1, x2, y2);
    w.Deterioration = FrameSound;
    return w;
  }

  static void Area(int s, int x1, int y1, int x2, int y2, int32_t code, double liveLoad = 0.0) {
    testmodel::AddRect(CurrentState, s, x1, y1, x2, y2, code, {.LiveLoad = liveLoad});
  }

  static void FloorSpec(int s, int x1, int y1, int x2, int y2, int32_t specCode) {
    testmodel::AddSpecRect(CurrentState, s, x1, y1, x2, y2, specCode);
  }

  static void Foundation(int x1, int y1, int x2, int y2, int32_t type) {
    testmodel::AddFoundation(CurrentState, x1, y1, x2, y2, type);
  }

  // What a full paint computes.
  static void Paint() {
    UpdateUsedExtents();
    RunRecalculationChain();
  }

  // One storey, 8 m (X axes 2..10) by 6 m (Y axes 2..8) under one light roof.
  // The origin axes are X 2 and Y 8, so x = X - 2 and y = 8 - Y.
  //
  //   y=6  T1 G1+G1 4 m ------------- T2 G1+G1 4 m
  //        |                                      |
  //        L1 crossed 45x90, 3 m                  R1 G1 one face, 3 m
  //        |                                      |
  //        L2 mud wall T3, 3 m                    R2 door, 3 m
  //        |                                      |
  //   y=0  B1 P1 2 m - B2 window 2 m - B3 window 2 m - B4 one-way 45x90 2 m
  //        x=0                                    x=8
  //
  // VP hardware (joint II) on every column, foundation II for the whole house.
  static void BuildOneStoreyHouse() {
    ProjectSettings.TopStorey[CurrentState] = 0;
    ProjectSettings.StoreyHeight[CurrentState][0] = 2.8;
    ProjectSettings.DiagnosisMethod = 2;  // general method
    ProjectSettings.RequiredStrengthMethod = 2;
    ProjectSettings.WeightClass[CurrentState] = 0;
    ProjectSettings.RegionFactorZ = 1.0;
    ProjectSettings.UniformFoundation = 1;
    ProjectSettings.FoundationClass = 1;
    ProjectSettings.DistinguishBraceDirection = 1;

    for (auto [x, y] :
         Points{{2, 8}, {4, 8}, {6, 8}, {8, 8}, {10, 8}, {2, 2}, {6, 2}, {10, 2}, {2, 5}, {10, 5}})
      Column(0, x, y, 1, 1);

    Wall(0, 2, 8, 4, 8).PanelLeft = PanelP1;   // B1
    Wall(0, 4, 8, 6, 8).OpeningKind = Window;  // B2
    Wall(0, 6, 8, 8, 8).OpeningKind = Window;  // B3
    WallRecord& b4 = Wall(0, 10, 8, 8, 8);     // B4, drawn from right to left
    b4.BraceKind = Brace90x45, b4.BraceEndJoint = JointStandard, b4.BraceArrangement = OneWay;
    WallRecord& t1 = Wall(0, 2, 2, 6, 2);
    t1.PanelLeft = t1.PanelRight = PanelG1;
    WallRecord& t2 = Wall(0, 6, 2, 10, 2);
    t2.PanelLeft = t2.PanelRight = PanelG1;
    WallRecord& l1 = Wall(0, 2, 2, 2, 5);
    l1.BraceKind = Brace90x45, l1.BraceEndJoint = JointStandard, l1.BraceArrangement = Crossed;
    Wall(0, 2, 5, 2, 8).MudWallKind = MudWallT3;  // L2
    Wall(0, 10, 2, 10, 5).PanelLeft = PanelG1;    // R1
    Wall(0, 10, 5, 10, 8).OpeningKind = Door;     // R2

    Area(0, 2, 2, 10, 8, CodeRoofLight);
    FloorSpec(0, 2, 2, 10, 8, 13);  // 屋根5寸勾配合板厚9mm, floor factor 0.7

    // Deterioration survey: only the outer wall shows deterioration.
    ProjectSettings.DeteriorationAnswer[3] = 1;
    CalcDeteriorationFactor();
  }

  // Two storeys on X axes 2..10 (x = X - 2) and Y axes 2..9 (y = 9 - Y).
  // Storey 1 covers Y 2..9: the part Y 2..7 lies under storey 2's floor, the
  // strip Y 7..9 has a lean-to roof of its own. Storey 2 covers Y 2..7.
  //
  // Storey 1 (notified hardware, joint I, on every column; foundations: I
  // under the top line, II under the left line, III elsewhere):
  //   y=7  A1 P1+G1 4 m --------------- A2 one-way 90x90 (joint 2.0) 4 m
  //        A6 P1 5 m                          A8 G1 5 m, frame partly deteriorated
  //   y=2  A3 partition G1+G1 8 m (under the edge of storey 2)
  //        A7 crossed 45x90 2 m               A9 window with G1, 2 m
  //   y=0  A4 mud wall T3 4 m, deteriorated - A5 P1 4 m
  //
  // Storey 2 (nailed columns, joint III, with through columns at the corners):
  //   y=7  U1 P1 4 m ------------------ U2 P1+G1 4 m
  //        U6 K1 5 m                          U7 G1 2 m (y 7..5)
  //   y=2  U3 crossed 45x90 2 m - U4 window with G1, 4 m - U5 crossed 45x90 2 m
  static void BuildTwoStoreyHouse() {
    ProjectSettings.TopStorey[CurrentState] = 1;
    ProjectSettings.StoreyHeight[CurrentState][0] = 2.8;
    ProjectSettings.StoreyHeight[CurrentState][1] = 2.8;
    ProjectSettings.DiagnosisMethod = 1;  // precise method 1
    ProjectSettings.RequiredStrengthMethod = 2;
    ProjectSettings.WeightClass[CurrentState] = 0;
    ProjectSettings.RegionFactorZ = 1.0;
    ProjectSettings.FoundationClass = 2;
    ProjectSettings.DistinguishBraceDirection = 0;

    // Storey 1.
    for (auto [x, y] : Points{{2, 2}, {10, 2}, {2, 7}, {10, 7}}) Column(0, x, y, 2, 2);
    for (auto [x, y] : Points{{6, 2}, {2, 9}, {6, 9}, {10, 9}}) Column(0, x, y, 1, 2);

    WallRecord& a1 = Wall(0, 2, 2, 6, 2);
    a1.PanelLeft = PanelP1, a1.PanelRight = PanelG1;
    WallRecord& a2 = Wall(0, 6, 2, 10, 2);  // drawn from left to right
    a2.BraceKind = Brace90x90, a2.BraceEndJoint = Joint2_0, a2.BraceArrangement = OneWay;
    WallRecord& a3 = Wall(0, 2, 7, 10, 7);
    a3.PanelLeft = a3.PanelRight = PanelG1;
    WallRecord& a4 = Wall(0, 2, 9, 6, 9);
    a4.MudWallKind = MudWallT3, a4.Deterioration = FrameDeteriorated;
    Wall(0, 6, 9, 10, 9).PanelLeft = PanelP1;  // A5
    Wall(0, 2, 2, 2, 7).PanelLeft = PanelP1;   // A6
    WallRecord& a7 = Wall(0, 2, 7, 2, 9);
    a7.BraceKind = Brace90x45, a7.BraceEndJoint = JointStandard, a7.BraceArrangement = Crossed;
    WallRecord& a8 = Wall(0, 10, 2, 10, 7);
    a8.PanelLeft = PanelG1, a8.Deterioration = FramePartly;
    WallRecord& a9 = Wall(0, 10, 7, 10, 9);
    a9.OpeningKind = Window, a9.PanelLeft = PanelG1;

    Area(0, 2, 2, 10, 7, CodeFloorLight, 600.0);
    Area(0, 2, 7, 10, 9, CodeRoofLight);
    FloorSpec(0, 2, 2, 10, 9, 1);  // 床合板12mm根太落込@340, floor factor 2.0
    Foundation(2, 2, 10, 2, 0);
    Foundation(2, 2, 2, 9, 1);

    // Storey 2.
    for (auto [x, y] : Points{{2, 2}, {10, 2}, {2, 7}, {10, 7}}) Column(1, x, y, 2, 0);
    for (auto [x, y] : Points{{6, 2}, {4, 7}, {8, 7}, {10, 4}}) Column(1, x, y, 1, 0);

    Wall(1, 2, 2, 6, 2).PanelLeft = PanelP1;  // U1
    WallRecord& u2 = Wall(1, 6, 2, 10, 2);
    u2.PanelLeft = PanelP1, u2.PanelRight = PanelG1;
    WallRecord& u3 = Wall(1, 2, 7, 4, 7);
    u3.BraceKind = Brace90x45, u3.BraceEndJoint = JointStandard, u3.BraceArrangement = Crossed;
    WallRecord& u4 = Wall(1, 4, 7, 8, 7);
    u4.OpeningKind = Window, u4.PanelLeft = PanelG1;
    WallRecord& u5 = Wall(1, 8, 7, 10, 7);
    u5.BraceKind = Brace90x45, u5.BraceEndJoint = JointStandard, u5.BraceArrangement = Crossed;
    Wall(1, 2, 2, 2, 7).PanelLeft = PanelK1;    // U6
    Wall(1, 10, 2, 10, 4).PanelLeft = PanelG1;  // U7

    Area(1, 2, 2, 10, 7, CodeRoofLight);
    FloorSpec(1, 2, 2, 10, 7, 13);  // floor factor 0.7
  }
};

// Storey loading case of every storey in each load combination; the first
// row is the case in which every storey is rated.
constexpr int kStoreyCase[2][17] = {
    {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4},
    {0, 1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4},
};
constexpr const int (&kFirstStoreyCase)[17] = kStoreyCase[0];

// Fe by the eccentricity ratio for the rows these houses reach, D = 3.33 Re + 0.5.
double FeBelow03(double re) { return 1.0 / (3.33 * re + 0.5); }
double FeBelow045StiffFloor(double re) { return (3.3 - re) / (3.0 * (3.33 * re + 0.5)); }   // a >= 1.0
double FeBelow045MiddleFloor(double re) { return (2.3 - re) / (2.0 * (3.33 * re + 0.5)); }  // 0.5 <= a < 1.0

// The joint and foundation reduction factors of the one-storey house's walls,
// by corrected strength P (kN/m).
struct OneStoreyReductions {
  double p5_2;  // P1 5.2, G1 + G1 5.2
  double p3_2;  // one-way 45x90, undirected 3.2
  double p3_7;  // one-way 45x90 in compression 3.7
  double p2_6;  // one-way 45x90 in tension 2.6, G1 2.6
  double p6_4;  // crossed 45x90, 3.2 x 2
  double p3_5;  // mud wall T3 3.5
  // Window 0.6 and door 0.3 kN/m by the opening table: below 1 kN/m, factor 1.
};

// One family of results (without or with snow) of the one-storey house.
struct OneStoreyFamily {
  const StoreyCaseArray& wallStrengthX;
  const StoreyCaseArray& wallStrengthY;
  const StoreyCaseArray& eccentricityRatioX;
  const StoreyCaseArray& eccentricityRatioY;
  const StoreyComboArray& feX;
  const StoreyComboArray& feY;
  const ScoreSet& scores;
};

// Checks storey strengths, eccentricity ratios, Fe, Pd, scores and building
// scores of every combination against the hand values; gives the scores of
// storey cases 0..4.
void ExpectOneStoreyScores(const OneStoreyReductions& r, double qr, double d, const OneStoreyFamily& f,
                           double (&scoreX)[5], double (&scoreY)[5]) {
  const int v = CurrentState;
  // Wall strengths, kN (counted length x base strength x reduction):
  const double b1 = 2 * 5.2 * r.p5_2;
  // B2 and B3 make a 4 m window run between B1 and B4: over 3 m, so each
  // counts 2 x 3 / 4 = 1.5 m.
  const double b2 = 1.5 * 0.6, b3 = 1.5 * 0.6;
  // B4 is drawn from axis 10 to axis 8, so +X loads its one-way brace in
  // tension (2.6 kN/m) and -X in compression (3.7 kN/m).
  const double b4Undirected = 2 * 3.2 * r.p3_2;
  const double b4Tension = 2 * 2.6 * r.p2_6;
  const double b4Compression = 2 * 3.7 * r.p3_7;
  const double top = 4 * 5.2 * r.p5_2 + 4 * 5.2 * r.p5_2;   // T1 + T2 at y = 6
  const double left = 3 * 6.4 * r.p6_4 + 3 * 3.5 * r.p3_5;  // L1 + L2 at x = 0
  const double right = 3 * 2.6 * r.p2_6 + 3 * 0.3;          // R1 + R2 (door run of 3 m) at x = 8

  const double bottom0 = b1 + b2 + b3 + b4Undirected;   // storey case 0
  const double bottomT = b1 + b2 + b3 + b4Tension;      // wall case +X
  const double bottomC = b1 + b2 + b3 + b4Compression;  // wall case -X
  // Storey cases 0..4 take X from wall cases 0, +X, -X, +X, -X.
  const double strengthX[5] = {bottom0 + top, bottomT + top, bottomC + top, bottomT + top, bottomC + top};
  const double strengthY = left + right;  // no one-way brace in Y
  for (int k = 0; k < 5; ++k) {
    EXPECT_NEAR(f.wallStrengthX[v][0][k], strengthX[k], kTolerance) << "storey case " << k;
    EXPECT_NEAR(f.wallStrengthY[v][0][k], strengthY, kTolerance) << "storey case " << k;
  }

  // Eccentricity. Centre of gravity: the roof's centre (4, 3). Centre of
  // rigidity: x = 8 right / (left + right), y = 6 top / (bottom + top). The
  // torsional stiffness takes each wall's own block k; for B4 (a wall along X
  // drawn right to left) blocks 3 (+Y) and 4 (-Y) hold compression and
  // tension, while storey cases 3 and 4 sum X from +X (tension) and -X
  // (compression).
  const double bottomInBlock[5] = {bottom0, bottomT, bottomC, bottomC, bottomT};
  const double rigidityX = 8 * right / strengthY;
  double feX[5], feY[5];
  for (int k = 0; k < 5; ++k) {
    const double rigidityY = 6 * top / strengthX[k];
    const double kr = left * rigidityX * rigidityX + right * (8 - rigidityX) * (8 - rigidityX) +
                      bottomInBlock[k] * rigidityY * rigidityY + top * (6 - rigidityY) * (6 - rigidityY);
    const double reX = std::fabs(3 - rigidityY) / std::sqrt(kr / strengthX[k]);
    const double reY = std::fabs(4 - rigidityX) / std::sqrt(kr / strengthY);
    // Floor factor 0.7: the middle column of the Fe table.
    ASSERT_TRUE(reX >= 0.15 && reX < 0.3) << reX;
    ASSERT_TRUE(reY >= 0.3 && reY < 0.45) << reY;
    feX[k] = FeBelow03(reX);
    feY[k] = FeBelow045MiddleFloor(reY);
    EXPECT_NEAR(f.eccentricityRatioX[v][0][k], reX, kTolerance) << "storey case " << k;
    EXPECT_NEAR(f.eccentricityRatioY[v][0][k], reY, kTolerance) << "storey case " << k;
    scoreX[k] = strengthX[k] * feX[k] * d / qr;
    scoreY[k] = strengthY * feY[k] * d / qr;
  }

  // Pd = wall strength of the combination's first-storey case x Fe x D (no
  // other elements, no Fsr in the general method); score = Pd / Qr.
  for (int c = 0; c < 17; ++c) {
    const int g = kFirstStoreyCase[c];
    EXPECT_NEAR(f.feX[v][0][c], feX[g], kTolerance) << "combination " << c;
    EXPECT_NEAR(f.feY[v][0][c], feY[g], kTolerance) << "combination " << c;
    EXPECT_NEAR(f.scores.PdX[v][0][c], strengthX[g] * feX[g] * d, kTolerance) << "combination " << c;
    EXPECT_NEAR(f.scores.PdY[v][0][c], strengthY * feY[g] * d, kTolerance) << "combination " << c;
    EXPECT_NEAR(f.scores.ScoreX[v][0][c], scoreX[g], kTolerance) << "combination " << c;
    EXPECT_NEAR(f.scores.ScoreY[v][0][c], scoreY[g], kTolerance) << "combination " << c;
    EXPECT_NEAR(f.scores.BuildingScore[v][c], std::fmin(scoreX[g], scoreY[g]), kTolerance)
        << "combination " << c;
  }
}

// Reduction, single storey, joint II, foundation II, no snow: 0.85 / 0.75 /
// 0.70 / 0.70 at 2 / 3 / 5 / 7 kN/m, straight between. The general method
// takes no wall deterioration (1.0), and no stiffness of its own: a wall's
// stiffness is its strength.
const OneStoreyReductions kOneStoreyReductions{
    0.70,
    0.75 + (3.2 - 3.0) * (0.70 - 0.75) / 2,  // 0.745
    0.75 + (3.7 - 3.0) * (0.70 - 0.75) / 2,  // 0.7325
    0.85 + (2.6 - 2.0) * (0.75 - 0.85),      // 0.79
    0.70,
    0.75 + (3.5 - 3.0) * (0.70 - 0.75) / 2,  // 0.7375
};

const OneStoreyFamily kPlainFamily{
    WallStrengthX,     WallStrengthY, EccentricityRatioX, EccentricityRatioY, ReductionFactorEX,
    ReductionFactorEY, Scores};
const OneStoreyFamily kSnowFamily{WallStrengthXSnow,
                                  WallStrengthYSnow,
                                  EccentricityRatioXSnow,
                                  EccentricityRatioYSnow,
                                  ReductionFactorEXSnow,
                                  ReductionFactorEYSnow,
                                  SnowScores};

TEST_F(HouseEvaluationTest, OneStoreyHouseUnderTheGeneralMethodGetsItsScoresFromWallsFeAndDeterioration) {
  BuildOneStoreyHouse();
  Paint();
  const int v = CurrentState;

  // Qr, required-strength table: one light storey 0.28 kN/m² x Z 1.0 x roof 8 x 6 m
  // (no plan-shape factor for the top storey under this method).
  const double qr = 0.28 * 1.0 * 48.0;  // 13.44 kN
  EXPECT_NEAR(RequiredStrength[v][0], qr, kTolerance);

  // D: existence 2+2+2+4+2+2+2+1+2 = 19 points (no exposed frame, no balcony),
  // the outer wall's 4 points deteriorated.
  const double d = 1.0 - 4.0 / 19.0;
  EXPECT_NEAR(DeteriorationFactor, d, kTolerance);

  double scoreX[5], scoreY[5];
  ExpectOneStoreyScores(kOneStoreyReductions, qr, d, kPlainFamily, scoreX, scoreY);
  // Case 0: X 42.968 x 0.7170 x 0.7895 / 13.44 = 1.8098, Y 28.246 x 0.5083 x 0.7895 / 13.44 = 0.8434.
  EXPECT_NEAR(scoreX[0], 1.8098, 1e-4);
  EXPECT_NEAR(scoreY[0], 0.8434, 1e-4);

  // Shown scores: with brace directions distinguished a one-storey house
  // scans combinations 1..4 (all of them storey case +X / +Y) against 0.
  // X: 1.80 against 1.71 (+X puts B4 in tension); Y: 0.84 against 0.83.
  EXPECT_EQ(Cut(scoreX[0]), 1.80);
  EXPECT_EQ(Cut(scoreX[1]), 1.71);
  EXPECT_EQ(Cut(scoreY[0]), 0.84);
  EXPECT_EQ(Cut(scoreY[1]), 0.83);
  EXPECT_EQ(ShownScores.X[v][0], Cut(scoreX[1]));
  EXPECT_EQ(ShownScores.Y[v][0], Cut(scoreY[1]));
  EXPECT_EQ(GoverningCombinations.X[v][0], 1);
  EXPECT_EQ(GoverningCombinations.Y[v][0], 1);
  // Building scores: 0.8434 (case 0), 0.8368 (+X/+Y, Y), 0.8497 (-X/+Y), 0.8500
  // (+X/-Y), 0.8372 (-X/-Y): lowest in storey case 1, first reached at combination 1.
  for (int k = 0; k < 5; ++k) EXPECT_GE(std::fmin(scoreX[k], scoreY[k]), scoreY[1]) << "storey case " << k;
  EXPECT_EQ(GoverningCombinations.Building[v], 1);
}

TEST_F(HouseEvaluationTest, OneStoreyHouseWithSnowGetsItsSnowScoresBesideTheOthers) {
  BuildOneStoreyHouse();
  ProjectSettings.SnowLoad = 0.26 * 1.5;  // snow 1.5 m
  Paint();
  const int v = CurrentState;
  const double d = 1.0 - 4.0 / 19.0;

  // Without snow nothing changes.
  double scoreX[5], scoreY[5];
  ExpectOneStoreyScores(kOneStoreyReductions, 0.28 * 48.0, d, kPlainFamily, scoreX, scoreY);
  EXPECT_EQ(ShownScores.X[v][0], 1.71);
  EXPECT_EQ(ShownScores.Y[v][0], 0.83);

  // Snow Qr: (0.28 + snow load 0.39 kN/m²) x 48 m².
  const double qrSnow = (0.28 + 0.39) * 48.0;  // 32.16 kN
  EXPECT_NEAR(RequiredStrengthSnow[v][0], qrSnow, kTolerance);

  // Snow depth (0.39 - 0.26) / 0.26 + 1 = 1.5 m: halfway between the tables
  // for 1 m and 2 m, single storey, joint II, foundation II:
  //   1 m: 1 / 0.8 / 0.7 / 0.7, 2 m: 1 / 0.9 / 0.8 / 0.75 at 2 / 3 / 5 / 7 kN/m.
  const auto halfway = [](double at1m, double at2m) { return at1m + 0.5 * (at2m - at1m); };
  const OneStoreyReductions snow{
      halfway(0.7, 0.8 + 0.2 * (0.75 - 0.8) / 2),                         // 5.2: 0.7475
      halfway(0.8 + 0.2 * (0.7 - 0.8) / 2, 0.9 + 0.2 * (0.8 - 0.9) / 2),  // 3.2: 0.84
      halfway(0.8 + 0.7 * (0.7 - 0.8) / 2, 0.9 + 0.7 * (0.8 - 0.9) / 2),  // 3.7: 0.815
      halfway(1.0 + 0.6 * (0.8 - 1.0), 1.0 + 0.6 * (0.9 - 1.0)),          // 2.6: 0.91
      halfway(0.7, 0.8 + 1.4 * (0.75 - 0.8) / 2),                         // 6.4: 0.7325
      halfway(0.8 + 0.5 * (0.7 - 0.8) / 2, 0.9 + 0.5 * (0.8 - 0.9) / 2),  // 3.5: 0.825
  };
  // The snow eccentricities are measured from the same centre of gravity.
  double snowX[5], snowY[5];
  ExpectOneStoreyScores(snow, qrSnow, d, kSnowFamily, snowX, snowY);
  // Case 0: X 46.046 x Fe / 32.16 = 0.8235, Y 30.7245 x Fe / 32.16 = 0.4003.
  EXPECT_NEAR(snowX[0], 0.8235, 1e-4);
  EXPECT_NEAR(snowY[0], 0.4003, 1e-4);
  EXPECT_EQ(Cut(snowX[1]), 0.78);
  EXPECT_EQ(Cut(snowY[1]), 0.39);
  EXPECT_EQ(SnowShownScores.X[v][0], Cut(snowX[1]));
  EXPECT_EQ(SnowShownScores.Y[v][0], Cut(snowY[1]));
  EXPECT_EQ(SnowGoverningCombinations.X[v][0], 1);
  EXPECT_EQ(SnowGoverningCombinations.Y[v][0], 1);
  EXPECT_EQ(SnowGoverningCombinations.Building[v], 1);
}

// The two-storey house's walls, by storey and line: strength kN and
// stiffness, per storey loading case where a one-way brace makes them differ.
struct StoreyLines {
  double strengthX[5], stiffnessX[5];  // all X walls
  double stiffnessXAt[3][5];           // X walls on the lines y = 7, 2, 0
  double strengthY, stiffnessY;
  double stiffnessYLeft, stiffnessYRight;  // x = 0 and x = 8
};

StoreyLines TwoStoreyHouseFirstStorey() {
  // Lower storey (under storey 2's floor), joint I: foundation I 1.0 at every
  // strength; foundation II 1 / 0.9 / 0.85 / 0.8 and III 1 / 0.8 / 0.7 / 0.6
  // at 2 / 3 / 5 / 7 kN/m. Lean-to walls (an end outside the floor) take the
  // single-storey table, joint I: foundation II 0.85 / 0.85 / 0.8 / 0.8,
  // III 0.7 throughout.
  // A1 P1 + G1: 7.8 kN/m, stiffness 860 + 450, foundation I: 1.0.
  const double a1S = 4 * 7.8, a1K = 4 * 1310.0;
  // A2 one-way 90x90 at joint 2.0: x 0.9 of 4.8 / 830 undirected, 6.9 / 1010
  // in compression (+X, drawn left to right), 2.7 / 640 in tension; foundation I: 1.0.
  const double a2S[3] = {4 * 4.8 * 0.9, 4 * 6.9 * 0.9, 4 * 2.7 * 0.9};
  const double a2K[3] = {4 * 830 * 0.9, 4 * 1010 * 0.9, 4 * 640 * 0.9};
  // A3 partition G1 + G1 5.2 / 900, foundation III: 0.7 + 0.2 x (0.6 - 0.7) / 2 = 0.69.
  const double r3 = 0.7 + (5.2 - 5.0) * (0.6 - 0.7) / 2;
  const double a3S = 8 * 5.2 * r3, a3K = 8 * 900 * r3;
  // A4 mud wall T3 3.5 / 680, lean-to on foundation III: 0.7; deteriorated
  // frame outside the floor, strength class 1 (2.5 <= 3.5 < 4): 0.35, the smaller.
  const double a4S = 4 * 3.5 * 0.35, a4K = 4 * 680 * 0.35;
  // A5 P1 lean-to, foundation III: 0.7.
  const double a5S = 4 * 5.2 * 0.7, a5K = 4 * 860 * 0.7;
  // A6 P1 on foundation II: 0.85 + 0.2 x (0.8 - 0.85) / 2 = 0.845.
  const double r6 = 0.85 + (5.2 - 5.0) * (0.8 - 0.85) / 2;
  const double a6S = 5 * 5.2 * r6, a6K = 5 * 860 * r6;
  // A7 crossed 45x90 3.2 x 2 = 6.4 / 650 x 2, lean-to on foundation II: 0.8.
  const double a7S = 2 * 6.4 * 0.8, a7K = 2 * 1300 * 0.8;
  // A8 G1 2.6 / 450, foundation III: 1 + 0.6 x (0.8 - 1) = 0.88; its partly
  // deteriorated frame under the floor, class 1, gives 0.9: 0.88 holds.
  const double r8 = 1.0 + (2.6 - 2.0) * (0.8 - 1.0);
  const double a8S = 5 * 2.6 * r8, a8K = 5 * 450 * r8;
  // A9 window with G1 at the end of A8: a run of 2 m, opening factor
  // 0.4 / 2; P = 2.6 x 0.2 = 0.52 is below 1 kN/m, so no reduction.
  const double a9S = 2 * 2.6 * 0.4 / 2, a9K = 2 * 450 * 0.4 / 2;

  StoreyLines l{};
  const int wallCase[5] = {0, 1, 2, 1, 2};  // X walls: storey case -> undirected / +X / -X
  for (int k = 0; k < 5; ++k) {
    const int c = wallCase[k];
    l.stiffnessXAt[0][k] = a1K + a2K[c];
    l.stiffnessXAt[1][k] = a3K;
    l.stiffnessXAt[2][k] = a4K + a5K;
    l.strengthX[k] = a1S + a2S[c] + a3S + a4S + a5S;
    l.stiffnessX[k] = l.stiffnessXAt[0][k] + l.stiffnessXAt[1][k] + l.stiffnessXAt[2][k];
  }
  l.strengthY = a6S + a7S + a8S + a9S;
  l.stiffnessYLeft = a6K + a7K;
  l.stiffnessYRight = a8K + a9K;
  l.stiffnessY = l.stiffnessYLeft + l.stiffnessYRight;
  return l;
}

StoreyLines TwoStoreyHouseSecondStorey() {
  // Top storey, joint III (nailed, with through columns at the line ends):
  // 0.7 / 0.6 / 0.45 / 0.35 at 2 / 3 / 5 / 7 kN/m.
  const double r5_2 = 0.45 + (5.2 - 5.0) * (0.35 - 0.45) / 2;  // 0.44
  const double r6_4 = 0.45 + (6.4 - 5.0) * (0.35 - 0.45) / 2;  // 0.38
  const double r2_6 = 0.7 + (2.6 - 2.0) * (0.6 - 0.7);         // 0.64
  const double u1S = 4 * 5.2 * r5_2, u1K = 4 * 860 * r5_2;
  const double u2S = 4 * 7.8 * 0.35, u2K = 4 * 1310 * 0.35;  // P1 + G1 7.8 >= 7
  const double u3S = 2 * 6.4 * r6_4, u3K = 2 * 1300 * r6_4;
  // U4 window with G1 in a 4 m run between U3 and U5: 3 m counted, run
  // length 3, opening factor 0.4 / 3; P = 0.35 below 1 kN/m.
  const double u4S = 3 * 2.6 * 0.4 / 3, u4K = 3 * 450 * 0.4 / 3;
  const double u5S = u3S, u5K = u3K;
  const double u6S = 5 * 0.8, u6K = 5 * 70.0;  // K1 0.8 below 1 kN/m
  const double u7S = 2 * 2.6 * r2_6, u7K = 2 * 450 * r2_6;

  StoreyLines l{};
  for (int k = 0; k < 5; ++k) {
    l.stiffnessXAt[0][k] = u1K + u2K;
    l.stiffnessXAt[1][k] = u3K + u4K + u5K;
    l.stiffnessXAt[2][k] = 0;
    l.strengthX[k] = u1S + u2S + u3S + u4S + u5S;
    l.stiffnessX[k] = l.stiffnessXAt[0][k] + l.stiffnessXAt[1][k];
  }
  l.strengthY = u6S + u7S;
  l.stiffnessYLeft = u6K;
  l.stiffnessYRight = u7K;
  l.stiffnessY = u6K + u7K;
  return l;
}

// Eccentricity ratios of a storey case: X walls on y = 7, 2, 0, Y walls on
// x = 0 and 8, centre of gravity (4, cgY).
void EccentricityRatios(const StoreyLines& l, int k, double cgY, double& reX, double& reY) {
  const double y[3] = {7, 2, 0};
  double momentX = 0;
  for (int i = 0; i < 3; ++i) momentX += y[i] * l.stiffnessXAt[i][k];
  const double rigidityY = momentX / l.stiffnessX[k];
  const double rigidityX = 8 * l.stiffnessYRight / l.stiffnessY;
  double kr =
      l.stiffnessYLeft * rigidityX * rigidityX + l.stiffnessYRight * (8 - rigidityX) * (8 - rigidityX);
  for (int i = 0; i < 3; ++i) kr += l.stiffnessXAt[i][k] * (y[i] - rigidityY) * (y[i] - rigidityY);
  reX = std::fabs(cgY - rigidityY) / std::sqrt(kr / l.stiffnessX[k]);
  reY = std::fabs(4 - rigidityX) / std::sqrt(kr / l.stiffnessY);
}

// Checks the scores of the two-storey house for the required strengths qr0
// (storey 1) and qr1 (storey 2); returns the score of combination 0, [storey][X, Y].
void ExpectTwoStoreyScores(double qr0, double qr1, double (&score0)[2][2]) {
  const int v = CurrentState;
  const StoreyLines lines[2] = {TwoStoreyHouseFirstStorey(), TwoStoreyHouseSecondStorey()};
  for (int k = 0; k < 5; ++k) {
    EXPECT_NEAR(WallStrengthX[v][0][k], lines[0].strengthX[k], kTolerance) << "storey case " << k;
    EXPECT_NEAR(WallStrengthY[v][0][k], lines[0].strengthY, kTolerance) << "storey case " << k;
    EXPECT_NEAR(StiffnessSumX[v][0][k], lines[0].stiffnessX[k], 1e-7) << "storey case " << k;
    EXPECT_NEAR(StiffnessSumY[v][0][k], lines[0].stiffnessY, 1e-7) << "storey case " << k;
    EXPECT_NEAR(WallStrengthX[v][1][k], lines[1].strengthX[k], kTolerance) << "storey case " << k;
    EXPECT_NEAR(WallStrengthY[v][1][k], lines[1].strengthY, kTolerance) << "storey case " << k;
  }

  // Centres of gravity from the weighted areas (factors 2.15 floor, 1.43 light
  // roof), all centred on x = 4: storey 2 its roof at y = 4.5; storey 1 also
  // its floor at y = 4.5 and the lean-to roof at y = 1.
  const double cgY[2] = {
      (40 * 2.15 * 4.5 + 16 * 1.43 * 1.0 + 40 * 1.43 * 4.5) / (40 * 2.15 + 16 * 1.43 + 40 * 1.43), 4.5};
  // Fe: storey 1 has floor factor 2.0 (stiff column), storey 2 0.7 (middle).
  double feX[2][5], feY[2][5];
  for (int k = 0; k < 5; ++k) {
    double reX, reY;
    EccentricityRatios(lines[0], k, cgY[0], reX, reY);
    ASSERT_LT(reX, 0.15);
    ASSERT_TRUE(reY >= 0.3 && reY < 0.45) << reY;
    feX[0][k] = 1.0;
    feY[0][k] = FeBelow045StiffFloor(reY);
    EXPECT_NEAR(EccentricityRatioY[v][0][k], reY, kTolerance) << "storey case " << k;
    EccentricityRatios(lines[1], k, cgY[1], reX, reY);
    ASSERT_TRUE(reX >= 0.15 && reX < 0.3) << reX;
    ASSERT_LT(reY, 0.15);
    feX[1][k] = FeBelow03(reX);
    feY[1][k] = 1.0;
    EXPECT_NEAR(EccentricityRatioX[v][1][k], reX, kTolerance) << "storey case " << k;
  }

  const double qr[2] = {qr0, qr1};
  for (int c = 0; c < 17; ++c) {
    const int g = kStoreyCase[0][c];
    double lowest = 100.0;
    for (int dir = 0; dir < 2; ++dir) {
      // Drift reciprocal rs = stiffness sum / Qr; the mean takes each storey's
      // own case of the combination, Rs every storey's rs in case g.
      double rs[2][5];
      for (int s = 0; s < 2; ++s)
        for (int k = 0; k < 5; ++k)
          rs[s][k] = (dir == 0 ? lines[s].stiffnessX[k] : lines[s].stiffnessY) / qr[s];
      const double mean = (rs[0][kStoreyCase[0][c]] + rs[1][kStoreyCase[1][c]]) / 2;
      for (int s = 0; s < 2; ++s) {
        const double stiffnessRatio = rs[s][g] / mean;
        const double fsr = stiffnessRatio < 0.6 ? 1.0 / (2.0 - stiffnessRatio / 0.6) : 1.0;
        const double strength = dir == 0 ? lines[s].strengthX[g] : lines[s].strengthY;
        const double fe = dir == 0 ? feX[s][g] : feY[s][g];
        // Pd = wall strength x Fe x Fsr (precise method: no D, no other elements).
        const double pd = strength * fe * fsr;
        const StoreyComboArray& fsrArray = dir == 0 ? StiffnessRatioFactorX : StiffnessRatioFactorY;
        const StoreyComboArray& pdArray = dir == 0 ? Scores.PdX : Scores.PdY;
        const StoreyComboArray& scoreArray = dir == 0 ? Scores.ScoreX : Scores.ScoreY;
        EXPECT_NEAR(fsrArray[v][s][c], fsr, kTolerance)
            << "storey " << s << " direction " << dir << " combination " << c;
        EXPECT_NEAR(pdArray[v][s][c], pd, kTolerance)
            << "storey " << s << " direction " << dir << " combination " << c;
        EXPECT_NEAR(scoreArray[v][s][c], pd / qr[s], kTolerance)
            << "storey " << s << " direction " << dir << " combination " << c;
        lowest = std::fmin(lowest, pd / qr[s]);
        if (c == 0) score0[s][dir] = pd / qr[s];
      }
    }
    EXPECT_NEAR(Scores.BuildingScore[v][c], lowest, kTolerance) << "combination " << c;
  }

  // Brace directions are not distinguished: combination 0 is shown, and governs.
  for (int s = 0; s < 2; ++s) {
    EXPECT_EQ(ShownScores.X[v][s], Cut(score0[s][0])) << "storey " << s;
    EXPECT_EQ(ShownScores.Y[v][s], Cut(score0[s][1])) << "storey " << s;
    EXPECT_EQ(GoverningCombinations.X[v][s], 0);
    EXPECT_EQ(GoverningCombinations.Y[v][s], 0);
  }
  EXPECT_EQ(GoverningCombinations.Building[v], 0);
}

TEST_F(HouseEvaluationTest, TwoStoreyHouseUnderPreciseMethod1WithTheRequiredStrengthTable) {
  BuildTwoStoreyHouse();
  Paint();
  const int v = CurrentState;

  // Qr by the required-strength table, light building:
  // A1 = 40 (floor) + 16 (lean-to roof) = 56 m², A2 = 40 m²; Rf1 = 40 / 56.
  // K1 = 0.4 + 0.6 Rf1, K2 = 1.3 + 0.07 / Rf1. Storey 2's short side 5 m < 6 m
  // gives the plan-shape factor 1.15, which the method hands down to storey 1.
  const double rf1 = 40.0 / 56.0;
  const double k1 = 0.4 + 0.6 * rf1, k2 = 1.3 + 0.07 / rf1;
  const double qr0 = 0.72 * k1 * 1.0 * 1.15 * 56.0;  // 38.4192 kN
  const double qr1 = 0.28 * k2 * 1.0 * 1.0 * 40.0;   // 15.6576 kN
  EXPECT_NEAR(RequiredStrength[v][0], qr0, kTolerance);
  EXPECT_NEAR(RequiredStrength[v][1], qr1, kTolerance);

  double score0[2][2];
  ExpectTwoStoreyScores(qr0, qr1, score0);
  // Combination 0: storey 1 X 96.644 / 38.419 = 2.5155, Y 44.69 x 0.6318 / 38.419 = 0.7349;
  // storey 2 X 30.84 x 0.8939 / 15.658 = 1.7607, Y 7.328 x Fsr 0.7978 / 15.658 = 0.3734.
  EXPECT_NEAR(score0[0][0], 2.5155, 1e-4);
  EXPECT_NEAR(score0[0][1], 0.7349, 1e-4);
  EXPECT_NEAR(score0[1][0], 1.7607, 1e-4);
  EXPECT_NEAR(score0[1][1], 0.3734, 1e-4);
  EXPECT_NEAR(StiffnessRatioFactorY[v][1][0], 0.7978, 1e-4);
  EXPECT_NEAR(Scores.BuildingScore[v][0], 0.3734, 1e-4);
}

TEST_F(HouseEvaluationTest, TwoStoreyHouseUnderPreciseMethod1WithTheBuildingLawSeismicForce) {
  BuildTwoStoreyHouse();
  ProjectSettings.RequiredStrengthMethod = 0;
  // The storey analysis of a paint uses the seismic force of the paint before.
  Paint();
  Paint();
  const int v = CurrentState;

  // Weights, N. Walls: light, 600 N/m² outside, 350 N/m² for the partition,
  // storey height 2.8 m, half on their own level and half on the level below.
  // Storey 2 walls 4+4+2+4+2+5+2 = 23 m; storey 1 outer walls 4+4+4+4+5+2+5+2 = 30 m,
  // partition A3 8 m. Roofs 700 N/m², floor 600 + live load 600 N/m².
  const double storey2Walls = 23 * 2.8 * 600;
  const double storey1Walls = 30 * 2.8 * 600 + 8 * 2.8 * 350;
  const double level2 = 40 * 700 + storey2Walls / 2;                                        // 47 320
  const double level1 = 40 * (600 + 600) + 16 * 700 + storey2Walls / 2 + storey1Walls / 2;  // 107 640
  const double w1 = level2 / 1000, w0 = (level1 + level2) / 1000;                           // Wi, kN
  // T = 0.03 x 5.6 = 0.168 s below Tc 0.6 s: Rt = 1. alpha2 = W2 / W1.
  const double t = 0.03 * 5.6;
  const double alpha = w1 / w0;
  const double ai = 1 + (1 / std::sqrt(alpha) - alpha) * 2 * t / (1 + 3 * t);  // 1.3361
  const double qr0 = 0.2 * 1.0 * 1.0 * 1.0 * w0;                               // Z Rt Ai1 W1: 30.992 kN
  const double qr1 = 0.2 * 1.0 * 1.0 * ai * w1;                                // 12.644 kN
  EXPECT_NEAR(RequiredStrength[v][0], qr0, kTolerance);
  EXPECT_NEAR(RequiredStrength[v][1], qr1, kTolerance);

  double score0[2][2];
  ExpectTwoStoreyScores(qr0, qr1, score0);
  EXPECT_NEAR(score0[0][0], 3.1184, 1e-4);
  EXPECT_NEAR(score0[0][1], 0.9110, 1e-4);
  EXPECT_NEAR(score0[1][0], 2.1803, 1e-4);
  EXPECT_NEAR(score0[1][1], 0.4621, 1e-4);
}

// Some steps read what the previous paint left (the building-law seismic
// force, the base strengths of the opening runs): from the second paint on,
// a paint must change nothing.
void ExpectFixedPointAfterTwoPaints(bool firstPaintDiffers) {
  UpdateUsedExtents();
  RunRecalculationChain();
  const ResultSnapshot first(CurrentVariant);
  UpdateUsedExtents();
  RunRecalculationChain();
  const ResultSnapshot second(CurrentVariant);
  UpdateUsedExtents();
  RunRecalculationChain();
  const ResultSnapshot third(CurrentVariant);
  ASSERT_GT(third.ArrayCount(), 100u);
  EXPECT_EQ(third.DifferencesFrom(second), std::vector<std::string>{});
  if (firstPaintDiffers) {
    EXPECT_FALSE(second.DifferencesFrom(first).empty());
  }
}

TEST_F(HouseEvaluationTest, OneStoreyHouseReachesItsFixedPointAtTheSecondPaint) {
  BuildOneStoreyHouse();
  ExpectFixedPointAfterTwoPaints(false);
}

TEST_F(HouseEvaluationTest, OneStoreyHouseUnderThe2025RevisionReachesItsFixedPointAtTheSecondPaint) {
  BuildOneStoreyHouse();
  ProjectSettings.Revision = 1;  // the opening runs compare the previous paint's base strengths
  ExpectFixedPointAfterTwoPaints(false);
}

TEST_F(HouseEvaluationTest, TwoStoreyHouseReachesItsFixedPointAtTheSecondPaint) {
  BuildTwoStoreyHouse();
  ExpectFixedPointAfterTwoPaints(false);
}

TEST_F(HouseEvaluationTest, TwoStoreyHouseUnderTheBuildingLawReachesItsFixedPointAtTheSecondPaint) {
  BuildTwoStoreyHouse();
  ProjectSettings.RequiredStrengthMethod = 0;
  // The first paint's storey analysis has no seismic force yet (Fsr from
  // Qr 0), so the second paint differs from it; the third must not.
  ExpectFixedPointAfterTwoPaints(true);
}

}  // namespace
