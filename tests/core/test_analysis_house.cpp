// Whole houses through the recalculation chain, checked the way an engineer
// checks a diagnosis by hand: wall by wall from the element tables and the
// reduction tables or formulas, then the storey sums, the centre of rigidity
// and the eccentricity ratios, the required strength, the stiffness ratio and
// the arrangement reduction. The houses are drawn through the model's lists on
// the 0.91 m module with the start settings (revision 2012, precise method 1,
// required strength by the table with the K factors, eccentricity ratios)
// unless a test says otherwise.
//
// The chain reads some values of the previous paint, so every house is
// painted twice before its results are read, and a third paint must change
// nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "ResultSnapshot.h"
#include "StructureFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "chain/RecalculationChain.h"
#include "model/ModelExtents.h"
#include "model/ViewState.h"

namespace {

// Rows of the element tables and codes used by the houses.
constexpr int32_t Brace90x30 = 4;  // BraceKind
constexpr int32_t Brace90x45 = 5;
constexpr int32_t JointStandard = 3;  // BraceEndJoint 規定
constexpr int32_t Crossed = 1;        // BraceArrangement たすき掛け
constexpr int32_t OneWay = 0;
constexpr int32_t PanelP1 = 3;   // 構造用合板大壁四周N50, 5.2 kN/m, 860
constexpr int32_t PanelSH = 16;  // 窯業系ｻｲﾃﾞｨﾝｸﾞ横張, 0.8 kN/m, 200
constexpr int32_t PanelG1 = 21;  // 石膏ﾎﾞｰﾄﾞ12大壁四周GN40, 2.6 kN/m, 450
constexpr int32_t FrameDeteriorated = 0, FramePartly = 1, FrameSound = 2;
constexpr int32_t FloorLight = 0, RoofLight = 3;  // AreaCode

// The hand values below are written to ten digits.
#define EXPECT_HAND(actual, expected) EXPECT_NEAR((actual), (expected), 1e-8 * std::fabs(expected) + 1e-12)

class WholeHouseTest : public StructureTest {
 protected:
  void SetUp() override {
    StructureTest::SetUp();
    testmodel::LayOutGrid(0.91);  // axis i at i x 0.91 m, every axis a main axis
    // A program just started: no recalculation has left base strengths behind.
    std::memset(&WallResults, 0, sizeof WallResults);
  }

  // Two paints, then a third that must leave every result as it was.
  static void PaintUntilSettled() {
    Paint();
    Paint();
    const ResultSnapshot settled(CurrentVariant);
    Paint();
    EXPECT_EQ(ResultSnapshot(CurrentVariant).DifferencesFrom(settled), std::vector<std::string>{})
        << "a third paint changed the results";
  }
  static void Paint() {
    UpdateUsedExtents();
    RunRecalculationChain();
  }

  static RoofFloorRectRecord& PutArea(int x1, int y1, int x2, int y2, int32_t code, int storey = 0) {
    return testmodel::AddRect(CurrentVariant, storey, x1, y1, x2, y2, code);
  }
  static void PutFloorSpec(int x1, int y1, int x2, int y2, int32_t specCode, int storey = 0) {
    testmodel::AddSpecRect(CurrentVariant, storey, x1, y1, x2, y2, specCode);
  }
  static WallRecord& PutBracedWall(int x1, int y1, int x2, int y2, int32_t kind, int32_t arrangement,
                                   int storey = 0) {
    WallRecord& w = PutWall(x1, y1, x2, y2, storey);
    w.BraceKind = kind, w.BraceEndJoint = JointStandard, w.BraceArrangement = arrangement;
    w.Deterioration = FrameSound;
    return w;
  }
  static WallRecord& PutPanelWall(int x1, int y1, int x2, int y2, int32_t panel, int storey = 0) {
    WallRecord& w = PutWall(x1, y1, x2, y2, storey);
    w.PanelLeft = panel;
    w.Deterioration = FrameSound;
    return w;
  }

  // One storey, X axes 2..8 (5.46 m) by Y axes 2..6 (3.64 m), under a light roof.
  // Origin axes X 2 (x0 = 1.82 m, the left side) and Y 6 (y0 = 5.46 m, the front),
  // so the walls lie on x = 0 and 5.46 and on y = 0 and 3.64. Hardware rows at the
  // columns: 2 告示 (10 kN), 1 VP (5 kN).
  //
  //   (2,2) hw2 ───── N: crossed 45x90, foundation I ───── (8,2) hw1
  //     │                                                    │
  //   W: plywood P1, foundation I                E: crossed 30x90, frame partly
  //     │                                                    │  deteriorated, foundation II
  //   (2,6) hw2 ─ window, G1 ─ (4,6) hw2 ── S: G1, foundation II ── (8,6) hw1
  static void DrawOneStoreyHouse() {
    ProjectSettings.TopStorey[0] = 0;
    PutColumn(2, 2, 1, 2);
    PutColumn(8, 2, 1, 1);
    PutColumn(2, 6, 1, 2);
    PutColumn(4, 6, 1, 2);
    PutColumn(8, 6, 1, 1);
    PutBracedWall(2, 2, 8, 2, Brace90x45, Crossed);                              // wall 0, N
    PutPanelWall(2, 6, 4, 6, PanelG1).OpeningKind = 1;                           // wall 1, window
    PutPanelWall(4, 6, 8, 6, PanelG1);                                           // wall 2, S
    PutPanelWall(2, 2, 2, 6, PanelP1);                                           // wall 3, W
    PutBracedWall(8, 2, 8, 6, Brace90x30, Crossed).Deterioration = FramePartly;  // wall 4, E
    PutArea(2, 2, 8, 6, RoofLight);
    PutFoundation(2, 2, 8, 2, 0);
    PutFoundation(2, 2, 2, 6, 0);
    PutFoundation(2, 6, 8, 6, 1);
    PutFoundation(8, 2, 8, 6, 1);
    PutFloorSpec(2, 2, 8, 6, 13 + 32 * 8);  // roof plywood on a 5/10 pitch 0.7 + horizontal braces 0.18
  }

  // Two storeys, light. First storey X axes 2..10 (7.28 m) by Y axes 2..9 (6.37 m): the
  // second-storey floor over X 2..7 and the roof of a one-storey part over X 7..10.
  // Second storey X 2..7 (4.55 m) by Y 2..9 under a light roof. Through columns at the
  // second storey's corners. Origin axes X 2 (x0 = 1.82 m) and Y 9 (y0 = 8.19 m).
  //
  // First storey                                   Second storey
  //   (2,2) ──────── G3 ──────── (7,2) ──── (10,2)       (2,2) ──────── U3 ──────── (7,2)
  //     │                          │           │           │                          │
  //     G1                         G5          G2          U1                         U2
  //     │                          │           │           │                          │
  //   (2,9) ──────── G4 ──────── (7,9) ──── (10,9)       (2,9) ──────── U4 ──────── (7,9)
  //
  // G1 crossed 45x90 + G1, frame deteriorated; G2 crossed 30x90; G3 gypsum board G1 and G4
  // siding SH, each one wall from X 2 to X 10; G5 crossed 45x90, a partition. U1 crossed
  // 45x90; U2 crossed 30x90; U3 45x90 one way, drawn left to right, + G1; U4 P1 + G1.
  static void DrawTwoStoreyHouse() {
    ProjectSettings.TopStorey[0] = 1;
    ProjectSettings.FoundationClass = 2;  // 基礎Ⅲ where no foundation is drawn
    // First storey: through columns (type 2) where the second storey stands.
    PutColumn(2, 2, 2, 2);  // 告示 10 kN
    PutColumn(7, 2, 2, 1);  // VP 5 kN
    PutColumn(10, 2, 1, 2);
    PutColumn(2, 9, 2, 5);  // N-value 0.65, 3.4 kN
    PutColumn(7, 9, 2, 1);
    PutColumn(10, 9, 1, 9);  // N-value 1.8, 10 kN
    // Second storey: nailed joints (row 0) on the through columns.
    for (int x : {2, 7})
      for (int y : {2, 9}) PutColumn(x, y, 2, 0, 1);

    WallRecord& g1 = PutBracedWall(2, 2, 2, 9, Brace90x45, Crossed);  // G1
    g1.PanelLeft = PanelG1;
    g1.Deterioration = FrameDeteriorated;
    PutBracedWall(10, 2, 10, 9, Brace90x30, Crossed);                       // G2
    PutPanelWall(2, 2, 10, 2, PanelG1);                                     // G3
    PutPanelWall(2, 9, 10, 9, PanelSH);                                     // G4
    PutBracedWall(7, 2, 7, 9, Brace90x45, Crossed);                         // G5
    PutBracedWall(2, 2, 2, 9, Brace90x45, Crossed, 1);                      // U1
    PutBracedWall(7, 2, 7, 9, Brace90x30, Crossed, 1);                      // U2
    PutBracedWall(2, 2, 7, 2, Brace90x45, OneWay, 1).PanelRight = PanelG1;  // U3, drawn left to right
    PutPanelWall(2, 9, 7, 9, PanelP1, 1).PanelRight = PanelG1;              // U4

    PutArea(2, 2, 7, 9, FloorLight);
    PutArea(7, 2, 10, 9, RoofLight);
    PutArea(2, 2, 7, 9, RoofLight, 1);
    PutFoundation(2, 2, 2, 9, 0);
    PutFoundation(2, 2, 10, 2, 1);
    PutFoundation(2, 9, 10, 9, 1);
    PutFoundation(10, 2, 10, 9, 0);
  }

  static double Storey(const StoreyCaseArray& a, int s, int k = 0) { return a[0][s][k]; }
  static double Combo(const StoreyComboArray& a, int s, int c) { return a[0][s][c]; }
};

TEST_F(WholeHouseTest, OneStoreyHouseWithUnequalSides) {
  DrawOneStoreyHouse();
  PaintUntilSettled();

  // Origin at the front left corner.
  EXPECT_EQ(GridOriginAxisX, 2);
  EXPECT_EQ(GridOriginAxisY, 6);

  // Wall by wall (case 0; no one-way brace, so every case is the same).
  // Single storey, revision 2012: reduction table of the single storey without snow,
  // joint class 2 - min(hardware), foundation class of the foundation under the wall.
  {
    SCOPED_TRACE("N");
    const WallCaseResult& r = Result(0);
    EXPECT_EQ(r.WallType, 0);          // outer wall, no opening
    EXPECT_EQ(r.JointSpec, 1);         // 2 - min(2, 1)
    EXPECT_EQ(r.FoundationClass, 0);   // foundation I
    EXPECT_EQ(r.UnderRoofOrFloor, 0);  // a roof sets no floor mark
    EXPECT_HAND(r.EffectiveLength, 5.46);
    EXPECT_HAND(r.BaseStrength, 6.4);       // 3.2 x 2 (crossed); q = 3.5 x 5.46 / 3.0 > 1
    EXPECT_HAND(r.BaseStiffness, 1300);     // 650 x 2
    EXPECT_HAND(r.ReductionFactor, 0.815);  // J1 F0: 0.85 at 5, 0.8 at 7: 0.85 - 1.4 x 0.05 / 2
    EXPECT_HAND(r.DeteriorationFactor, 1.0);
    EXPECT_HAND(r.MinReductionFactor, 0.815);
    EXPECT_HAND(r.OpeningFactor, 1.0);
    EXPECT_HAND(r.ReducedStrength, 5.216);  // 6.4 x 0.815
    EXPECT_HAND(r.StrengthX, 28.47936);     // 5.46 x 5.216
    EXPECT_HAND(r.StiffnessX, 5784.87);     // 5.46 x 1300 x 0.815
    EXPECT_HAND(r.StrengthY, 0.0);
  }
  {
    SCOPED_TRACE("window");
    const WallCaseResult& r = Result(1);
    // Window run of 1.82 m supported by the S wall at its end: class "マド＜２ｍ".
    EXPECT_EQ(r.WallType, 2);
    EXPECT_EQ(r.OpeningRunKind, 2);
    EXPECT_HAND(r.RunLength, 1.82);
    EXPECT_HAND(r.EffectiveLength, 1.82);
    EXPECT_HAND(r.BaseStrength, 2.6);
    EXPECT_HAND(r.OpeningFactor, 0.2197802198);  // 0.4 / 1.82
    // P = 2.6 x 0.2197802 = 0.5714 < 1: no joint reduction, no deterioration reduction.
    EXPECT_HAND(r.ReductionFactor, 1.0);
    EXPECT_HAND(r.DeteriorationFactor, 1.0);
    EXPECT_HAND(r.ReducedStrength, 0.5714285714);  // 2.6 x 1.0 x 0.4 / 1.82
    EXPECT_HAND(r.StrengthX, 1.04);                // 1.82 x 0.5714286 = 0.4 x 2.6
    EXPECT_HAND(r.StiffnessX, 180.0);              // 0.4 x 450
  }
  {
    SCOPED_TRACE("S");
    const WallCaseResult& r = Result(2);
    EXPECT_EQ(r.JointSpec, 1);  // 2 - min(2, 1)
    EXPECT_EQ(r.FoundationClass, 1);
    EXPECT_HAND(r.BaseStrength, 2.6);
    EXPECT_HAND(r.ReductionFactor, 0.79);  // J1 F1: 0.85 at 2, 0.75 at 3: 0.85 - 0.6 x 0.1
    EXPECT_HAND(r.MinReductionFactor, 0.79);
    EXPECT_HAND(r.ReducedStrength, 2.054);  // 2.6 x 0.79
    EXPECT_HAND(r.StrengthX, 7.47656);      // 3.64 x 2.054
    EXPECT_HAND(r.StiffnessX, 1294.02);     // 3.64 x 450 x 0.79
  }
  {
    SCOPED_TRACE("W");
    const WallCaseResult& r = Result(3);
    EXPECT_EQ(r.JointSpec, 0);  // 2 - min(2, 2)
    EXPECT_EQ(r.FoundationClass, 0);
    EXPECT_HAND(r.BaseStrength, 5.2);
    EXPECT_HAND(r.ReductionFactor, 1.0);  // J0 F0
    EXPECT_HAND(r.ReducedStrength, 5.2);
    EXPECT_HAND(r.StrengthY, 18.928);   // 3.64 x 5.2
    EXPECT_HAND(r.StiffnessY, 3130.4);  // 3.64 x 860
    EXPECT_HAND(r.StrengthX, 0.0);
  }
  {
    SCOPED_TRACE("E");
    const WallCaseResult& r = Result(4);
    EXPECT_EQ(r.JointSpec, 1);  // 2 - min(1, 1)
    EXPECT_EQ(r.FoundationClass, 1);
    EXPECT_EQ(r.StrengthClass, 2);            // 4.0 <= 4.8 < 6.0
    EXPECT_HAND(r.BaseStrength, 4.8);         // 2.4 x 2
    EXPECT_HAND(r.BaseStiffness, 960);        // 480 x 2
    EXPECT_HAND(r.ReductionFactor, 0.705);    // J1 F1: 0.75 at 3, 0.7 at 5: 0.75 - 1.8 x 0.05 / 2
    EXPECT_HAND(r.DeteriorationFactor, 0.6);  // no floor mark, frame partly, class 2
    EXPECT_HAND(r.MinReductionFactor, 0.6);
    EXPECT_HAND(r.ReducedStrength, 2.88);  // 4.8 x 0.6
    EXPECT_HAND(r.StrengthY, 10.4832);     // 3.64 x 2.88
    EXPECT_HAND(r.StiffnessY, 2096.64);    // 3.64 x 960 x 0.6
  }

  for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_HAND(Storey(WallStrengthX, 0, k), 36.99592);  // 28.47936 + 1.04 + 7.47656
    EXPECT_HAND(Storey(WallStrengthY, 0, k), 29.4112);   // 18.928 + 10.4832
    EXPECT_HAND(Storey(StiffnessSumX, 0, k), 7258.89);   // 5784.87 + 180 + 1294.02
    EXPECT_HAND(Storey(StiffnessSumY, 0, k), 5227.04);   // 3130.4 + 2096.64
  }
  // First moments about the origin axes: Σ Ky x = 3130.4 x 0 + 2096.64 x 5.46,
  // Σ Kx y = 5784.87 x 3.64 + (180 + 1294.02) x 0.
  EXPECT_HAND(Storey(StiffnessMomentX, 0), 11447.6544);
  EXPECT_HAND(Storey(StiffnessMomentY, 0), 21056.9268);
  EXPECT_HAND(Storey(RigidityCentreX, 0), 2.190083565);  // 11447.6544 / 5227.04
  EXPECT_HAND(Storey(RigidityCentreY, 0), 2.900846658);  // 21056.9268 / 7258.89
  // Centre of gravity: the roof's centroid (5.46 / 2, 3.64 / 2).
  EXPECT_HAND(CentreOfGravityX[0][0], 2.73);
  EXPECT_HAND(CentreOfGravityY[0][0], 1.82);
  EXPECT_HAND(Storey(EccentricityX, 0), 0.5399164345);  // |2.73 - 2.1900836|
  EXPECT_HAND(Storey(EccentricityY, 0), 1.080846658);   // |1.82 - 2.9008467|
  // Ix = 3130.4 x 2.1900836² + 2096.64 x (5.46 - 2.1900836)²
  // Iy = 5784.87 x (3.64 - 2.9008467)² + 1474.02 x 2.9008467²
  EXPECT_HAND(Storey(SecondMomentIx, 0), 37432.87326);
  EXPECT_HAND(Storey(SecondMomentIy, 0), 15564.29781);
  EXPECT_HAND(Storey(TorsionalStiffness, 0), 52997.17107);
  EXPECT_HAND(Storey(ElasticRadiusX, 0), 2.702036656);       // √(52997.17107 / 7258.89)
  EXPECT_HAND(Storey(ElasticRadiusY, 0), 3.184186027);       // √(52997.17107 / 5227.04)
  EXPECT_HAND(Storey(EccentricityRatioX, 0), 0.4000118414);  // 1.0808467 / 2.7020367
  EXPECT_HAND(Storey(EccentricityRatioY, 0), 0.1695618378);  // 0.5399164 / 3.1841860

  // Required strength, one storey, light: 0.28 kN/m² x Z 1.0 x 19.8744 m² (5.46 x 3.64).
  // The short side of 3.64 m would give a plan-shape factor of 1.3, but the table method
  // gives none to a one-storey house.
  EXPECT_HAND(RequiredStrengthArea[0][0], 19.8744);
  EXPECT_HAND(PlanShapeFactor[0][0], 1.0);
  EXPECT_HAND(RequiredStrength[0][0], 5.564832);
  // One storey: rs = ΣK / Qr, its own mean, so Rs = 1 and Fsr = 1.
  EXPECT_HAND(Storey(DriftReciprocalX, 0), 1304.422128);  // 7258.89 / 5.564832
  EXPECT_HAND(Storey(DriftReciprocalY, 0), 939.2987964);  // 5227.04 / 5.564832

  // Design shear of each axis line: line stiffness / ΣK x Ce x Qr, Ce = 0.5 + 10/3 Re within
  // 1.0..1.5: CeX = 0.5 + 1.3333728 -> 1.5, CeY = 0.5 + 0.5652061 = 1.0652061.
  EXPECT_HAND(LineStiffnessX[0][0][2][0], 5784.87);
  EXPECT_HAND(LineStiffnessX[0][0][6][0], 1474.02);  // 180 + 1294.02
  EXPECT_HAND(LineShearX[0][0][2][0], 6.652221557);  // 5784.87 / 7258.89 x 1.5 x 5.564832
  EXPECT_HAND(LineShearX[0][0][6][0], 1.695026443);  // 1474.02 / 7258.89 x 1.5 x 5.564832
  EXPECT_HAND(LineShearY[0][0][2][0], 3.55001121);   // 3130.4 / 5227.04 x 1.0652061 x 5.564832
  EXPECT_HAND(LineShearY[0][0][8][0], 2.377681927);  // 2096.64 / 5227.04 x 1.0652061 x 5.564832

  // Floor magnification 0.7 + 0.18 = 0.88: floor class II, and the column 0.5 <= a < 1.0 of Fe.
  EXPECT_HAND(AverageFloorMagnification[0][0], 0.88);
  EXPECT_EQ(FloorSpecClass[0][0], FloorClassII);
  for (int c = 0; c < LoadCombinationCount; ++c) {
    SCOPED_TRACE(c);
    EXPECT_HAND(Combo(StiffnessRatioX, 0, c), 1.0);
    EXPECT_HAND(Combo(StiffnessRatioFactorX, 0, c), 1.0);
    EXPECT_HAND(Combo(StiffnessRatioFactorY, 0, c), 1.0);
    // Rex = 0.4000118: D = 3.33 x 0.4000118 + 0.5 = 1.8320394; (2.3 - 0.4000118) / (2 x 1.8320394)
    EXPECT_HAND(Combo(ReductionFactorEX, 0, c), 0.518544559);
    // Rey = 0.1695618: D = 1.0646409; 1 / D
    EXPECT_HAND(Combo(ReductionFactorEY, 0, c), 0.9392838294);
  }
}

TEST_F(WholeHouseTest, TwoStoreyHouseWithASmallerSecondStorey) {
  DrawTwoStoreyHouse();
  PaintUntilSettled();

  EXPECT_EQ(GridOriginAxisX, 2);
  EXPECT_EQ(GridOriginAxisY, 9);

  // First storey, revision 2012. Walls with both ends under the second-storey floor take
  // the lower-storey table; walls with an end outside it are lean-to walls and take the
  // single-storey table.
  {
    SCOPED_TRACE("G1");
    const WallCaseResult& r = Result(0);
    EXPECT_EQ(r.JointSpec, 1);  // 2 - min(2, 1)
    EXPECT_EQ(r.FoundationClass, 0);
    EXPECT_EQ(r.UnderRoofOrFloor, 1);
    EXPECT_HAND(r.BaseStrength, 9.0);         // 3.2 x 2 + 2.6
    EXPECT_HAND(r.BaseStiffness, 1750);       // 650 x 2 + 450
    EXPECT_HAND(r.ReductionFactor, 0.8);      // lower storey J1 F0 at 7 and above
    EXPECT_HAND(r.DeteriorationFactor, 0.6);  // under the floor, frame deteriorated, class 3
    EXPECT_HAND(r.MinReductionFactor, 0.6);
    EXPECT_HAND(r.StrengthY, 34.398);   // 6.37 x 9.0 x 0.6
    EXPECT_HAND(r.StiffnessY, 6688.5);  // 6.37 x 1750 x 0.6
  }
  {
    SCOPED_TRACE("G2");
    const WallCaseResult& r = Result(1);
    EXPECT_EQ(r.JointSpec, 0);  // 2 - min(2, 2)
    EXPECT_EQ(r.FoundationClass, 0);
    EXPECT_HAND(r.ReductionFactor, 1.0);  // single storey J0 F0
    EXPECT_HAND(r.StrengthY, 30.576);     // 6.37 x 4.8
    EXPECT_HAND(r.StiffnessY, 6115.2);    // 6.37 x 960
  }
  {
    SCOPED_TRACE("G3");
    const WallCaseResult& r = Result(2);
    EXPECT_EQ(r.WallType, 0);  // on the outline merged from the floor and the roof
    EXPECT_EQ(r.JointSpec, 0);
    EXPECT_EQ(r.FoundationClass, 1);
    EXPECT_HAND(r.ReductionFactor, 0.85);  // single storey J0 F1 at 2 and 3
    EXPECT_HAND(r.StrengthX, 16.0888);     // 7.28 x 2.6 x 0.85
    EXPECT_HAND(r.StiffnessX, 2784.6);     // 7.28 x 450 x 0.85
  }
  {
    SCOPED_TRACE("G4");
    const WallCaseResult& r = Result(3);
    EXPECT_HAND(r.BaseStrength, 0.8);
    EXPECT_HAND(r.ReductionFactor, 1.0);  // P < 1
    EXPECT_HAND(r.StrengthX, 5.824);      // 7.28 x 0.8
    EXPECT_HAND(r.StiffnessX, 1456);      // 7.28 x 200
  }
  {
    SCOPED_TRACE("G5");
    const WallCaseResult& r = Result(4);
    EXPECT_EQ(r.WallType, 8);  // the line the floor and the roof share is no outline
    EXPECT_EQ(r.JointSpec, 1);
    EXPECT_EQ(r.FoundationClass, 2);       // no foundation drawn under it
    EXPECT_HAND(r.ReductionFactor, 0.63);  // lower storey J1 F2: 0.7 at 5, 0.6 at 7
    EXPECT_HAND(r.StrengthY, 25.68384);    // 6.37 x 6.4 x 0.63
    EXPECT_HAND(r.StiffnessY, 5217.03);    // 6.37 x 1300 x 0.63
  }
  // Second storey: top-storey table, nailed joints between through columns stay joint III.
  {
    SCOPED_TRACE("U1");
    const WallCaseResult& r = Result(0, 0, 1);
    EXPECT_EQ(r.JointSpec, 2);
    EXPECT_EQ(r.FoundationClass, 0);
    EXPECT_HAND(r.ReductionFactor, 0.38);  // top J2: 0.45 at 5, 0.35 at 7: 0.45 - 1.4 x 0.05
    EXPECT_HAND(r.StrengthY, 15.49184);    // 6.37 x 6.4 x 0.38
    EXPECT_HAND(r.StiffnessY, 3146.78);    // 6.37 x 1300 x 0.38
  }
  {
    SCOPED_TRACE("U2");
    const WallCaseResult& r = Result(1, 0, 1);
    EXPECT_HAND(r.ReductionFactor, 0.465);  // top J2: 0.6 at 3, 0.45 at 5: 0.6 - 1.8 x 0.075
    EXPECT_HAND(r.StrengthY, 14.21784);     // 6.37 x 4.8 x 0.465
    EXPECT_HAND(r.StiffnessY, 2843.568);    // 6.37 x 960 x 0.465
  }
  {
    // One-way 45x90 drawn from left to right: +X compresses it, -X pulls it.
    SCOPED_TRACE("U3");
    const WallCaseResult* r = WallResults[0][1][2].Blocks;
    EXPECT_EQ(r[0].JointSpec, 2);
    EXPECT_HAND(r[0].BaseStrength, 5.8);  // 3.2 + 2.6
    EXPECT_HAND(r[1].BaseStrength, 6.3);  // compression 3.7 + 2.6
    EXPECT_HAND(r[2].BaseStrength, 5.2);  // tension 2.6 + 2.6
    EXPECT_HAND(r[3].BaseStrength, 6.3);  // y2 = y1 counts as y2 >= y1: compression
    EXPECT_HAND(r[4].BaseStrength, 5.2);
    EXPECT_HAND(r[0].BaseStiffness, 1100);     // 650 + 450
    EXPECT_HAND(r[1].BaseStiffness, 1120);     // 670 + 450
    EXPECT_HAND(r[2].BaseStiffness, 1090);     // 640 + 450
    EXPECT_HAND(r[0].ReductionFactor, 0.41);   // 0.45 - 0.8 x 0.05
    EXPECT_HAND(r[1].ReductionFactor, 0.385);  // 0.45 - 1.3 x 0.05
    EXPECT_HAND(r[2].ReductionFactor, 0.44);   // 0.45 - 0.2 x 0.05
    EXPECT_HAND(r[0].StrengthX, 10.8199);      // 4.55 x 5.8 x 0.41
    EXPECT_HAND(r[1].StrengthX, 11.036025);    // 4.55 x 6.3 x 0.385
    EXPECT_HAND(r[2].StrengthX, 10.4104);      // 4.55 x 5.2 x 0.44
    EXPECT_HAND(r[0].StiffnessX, 2052.05);     // 4.55 x 1100 x 0.41
    EXPECT_HAND(r[1].StiffnessX, 1961.96);     // 4.55 x 1120 x 0.385
    EXPECT_HAND(r[2].StiffnessX, 2182.18);     // 4.55 x 1090 x 0.44
  }
  {
    SCOPED_TRACE("U4");
    const WallCaseResult& r = Result(3, 0, 1);
    EXPECT_HAND(r.BaseStrength, 7.8);      // 5.2 + 2.6
    EXPECT_HAND(r.ReductionFactor, 0.35);  // top J2 at 7 and above
    EXPECT_HAND(r.StrengthX, 12.4215);     // 4.55 x 7.8 x 0.35
    EXPECT_HAND(r.StiffnessX, 2086.175);   // 4.55 x 1310 x 0.35
  }

  // Storey sums. First storey, every case: X 16.0888 + 5.824, Y 34.398 + 30.576 + 25.68384.
  for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_HAND(Storey(WallStrengthX, 0, k), 21.9128);
    EXPECT_HAND(Storey(WallStrengthY, 0, k), 90.65784);
    EXPECT_HAND(Storey(StiffnessSumX, 0, k), 4240.6);    // 2784.6 + 1456
    EXPECT_HAND(Storey(StiffnessSumY, 0, k), 18020.73);  // 6688.5 + 6115.2 + 5217.03
    EXPECT_HAND(Storey(WallStrengthY, 1, k), 29.70968);  // 15.49184 + 14.21784
    EXPECT_HAND(Storey(StiffnessSumY, 1, k), 5990.348);  // 3146.78 + 2843.568
  }
  // Second storey in X: storey cases 1 and 3 take wall case 1 (+X), 2 and 4 wall case 2.
  EXPECT_HAND(Storey(WallStrengthX, 1, 0), 23.2414);    // 10.8199 + 12.4215
  EXPECT_HAND(Storey(WallStrengthX, 1, 1), 23.457525);  // 11.036025 + 12.4215
  EXPECT_HAND(Storey(WallStrengthX, 1, 2), 22.8319);    // 10.4104 + 12.4215
  EXPECT_HAND(Storey(WallStrengthX, 1, 3), 23.457525);
  EXPECT_HAND(Storey(WallStrengthX, 1, 4), 22.8319);
  EXPECT_HAND(Storey(StiffnessSumX, 1, 0), 4138.225);  // 2052.05 + 2086.175
  EXPECT_HAND(Storey(StiffnessSumX, 1, 1), 4048.135);  // 1961.96 + 2086.175
  EXPECT_HAND(Storey(StiffnessSumX, 1, 2), 4268.355);  // 2182.18 + 2086.175

  // First storey's centre of gravity carries the second storey: weighted areas
  // floor 2.15 x 28.9835 = 62.314525 and roofs 1.43 x 28.9835 = 41.446405 at x 2.275,
  // roof 1.43 x 17.3901 = 24.867843 at x 5.915, all at y 3.185.
  EXPECT_HAND(CentreOfGravityX[0][0], 2.978722397);  // 383.1494071 / 128.628773
  EXPECT_HAND(CentreOfGravityY[0][0], 3.185);
  EXPECT_HAND(CentreOfGravityX[0][1], 2.275);
  // Centre of rigidity: (6115.2 x 7.28 + 5217.03 x 4.55) / 18020.73, 2784.6 x 6.37 / 4240.6.
  EXPECT_HAND(Storey(RigidityCentreX, 0), 3.787645811);
  EXPECT_HAND(Storey(RigidityCentreY, 0), 4.182875536);
  EXPECT_HAND(Storey(EccentricityX, 0), 0.8089234138);
  EXPECT_HAND(Storey(EccentricityY, 0), 0.9978755365);
  // Ix = 6688.5 x 3.7876458² + 6115.2 x 3.4923542² + 5217.03 x 0.7623542²,
  // Iy = 2784.6 x 2.1871245² + 1456 x 4.1828755².
  EXPECT_HAND(Storey(TorsionalStiffness, 0), 212366.2864);
  EXPECT_HAND(Storey(EccentricityRatioX, 0), 0.1410091335);  // 0.9978755 / √(212366.2864 / 4240.6)
  EXPECT_HAND(Storey(EccentricityRatioY, 0), 0.2356409742);  // 0.8089234 / √(212366.2864 / 18020.73)

  // Required strength by the table with the K factors. Areas: 28.9835 + 17.3901 = 46.3736 m²
  // and 28.9835 m²; Rf1 = 0.625, K1 = 0.4 + 0.6 x 0.625 = 0.775, K2 = 1.3 + 0.07 / 0.625 = 1.412.
  // The second storey's short side of 4.55 m (< 6 m) raises the first storey by 1.15.
  EXPECT_HAND(RequiredStrengthArea[0][0], 46.3736);
  EXPECT_HAND(RequiredStrengthArea[0][1], 28.9835);
  EXPECT_HAND(RequiredStrengthFactorsA.Rf1, 0.625);
  EXPECT_HAND(RequiredStrengthFactorsA.K1, 0.775);
  EXPECT_HAND(RequiredStrengthFactorsA.K2, 1.412);
  EXPECT_HAND(PlanShapeFactor[0][0], 1.15);
  EXPECT_HAND(PlanShapeFactor[0][1], 1.0);
  EXPECT_HAND(RequiredStrengthPerArea[0][0], 0.558);    // 0.72 x 0.775
  EXPECT_HAND(RequiredStrengthPerArea[0][1], 0.39536);  // 0.28 x 1.412
  EXPECT_HAND(RequiredStrength[0][0], 29.75793912);     // 0.558 x 1.15 x 46.3736
  EXPECT_HAND(RequiredStrength[0][1], 11.45891656);     // 0.39536 x 28.9835

  // Drift reciprocals rs = ΣK / Qr.
  EXPECT_HAND(Storey(DriftReciprocalX, 0), 142.5031479);     // 4240.6 / 29.757939
  EXPECT_HAND(Storey(DriftReciprocalX, 1, 0), 361.1358001);  // 4138.225 / 11.458917
  EXPECT_HAND(Storey(DriftReciprocalX, 1, 1), 353.2738003);  // 4048.135 / 11.458917
  EXPECT_HAND(Storey(DriftReciprocalX, 1, 2), 372.4920221);  // 4268.355 / 11.458917
  EXPECT_HAND(Storey(DriftReciprocalY, 0), 605.5772185);     // 18020.73 / 29.757939
  EXPECT_HAND(Storey(DriftReciprocalY, 1), 522.7673985);     // 5990.348 / 11.458917

  // Stiffness ratio, combination 0: mean (142.50315 + 361.13580) / 2 = 251.81947;
  // Rs 0.5658941 < 0.6 gives Fsr = 1 / (2 - 0.5658941 / 0.6) = 0.9462141.
  EXPECT_HAND(DriftReciprocalMeanX[0][0], 251.819474);
  EXPECT_HAND(Combo(StiffnessRatioX, 0, 0), 0.5658940734);
  EXPECT_HAND(Combo(StiffnessRatioFactorX, 0, 0), 0.9462141495);
  EXPECT_HAND(Combo(StiffnessRatioX, 1, 0), 1.434105927);  // 361.13580 / 251.81947
  EXPECT_HAND(Combo(StiffnessRatioFactorX, 1, 0), 1.0);
  // Combination 3 gives the first storey case 1 and the second storey case 2: the mean takes
  // each storey's own case, (142.50315 + 372.49202) / 2 = 257.49759, while the second
  // storey's Rs takes the first storey's case 1: 353.27380 / 257.49759.
  EXPECT_HAND(DriftReciprocalMeanX[0][3], 257.497585);
  EXPECT_HAND(Combo(StiffnessRatioX, 0, 3), 0.5534154734);
  EXPECT_HAND(Combo(StiffnessRatioFactorX, 0, 3), 0.9279529208);  // 1 / (2 - 0.5534155 / 0.6)
  EXPECT_HAND(Combo(StiffnessRatioX, 1, 3), 1.371949956);
  // Y: mean (605.57722 + 522.76740) / 2 = 564.17231; Rs 1.0733905 and 0.9266095, no reduction.
  for (int c = 0; c < LoadCombinationCount; ++c) {
    SCOPED_TRACE(c);
    EXPECT_HAND(Combo(StiffnessRatioY, 0, c), 1.073390539);
    EXPECT_HAND(Combo(StiffnessRatioY, 1, c), 0.9266094607);
    EXPECT_HAND(Combo(StiffnessRatioFactorY, 0, c), 1.0);
    EXPECT_HAND(Combo(StiffnessRatioFactorY, 1, c), 1.0);
    // No floor specification: a = 0. Rex 0.141 < 0.15 gives 1; Rey 0.2356410 gives
    // 1 / (3.33 x 0.2356410 + 0.5) = 1 / 1.2846844.
    EXPECT_HAND(Combo(ReductionFactorEX, 0, c), 1.0);
    EXPECT_HAND(Combo(ReductionFactorEY, 0, c), 0.7784012678);
  }
}

// The two-storey house in revision 2025: joint reduction by the formulas of the joint
// capacity, storey-height factor in the required strength, no plan-shape factor.
TEST_F(WholeHouseTest, TwoStoreyHouseInRevision2025) {
  ProjectSettings.Revision = 1;
  DrawTwoStoreyHouse();
  PaintUntilSettled();

  // Precise method: the end with the weaker hardware names the joint, 2 - row for rows 0..2,
  // row + 1 above; on equal hardware the second point's row. Joint capacity Tj: 10, 5, 2.5 kN
  // for classes 0, 1, 2, the row's tension for a row, at most 5 kN on foundation III.
  // A = 0.3 P + 5, B = 0.35 P + 4, T = Tj x r(P, frame); e1 = (T² - A²) / 100 + 1,
  // e2 = (T - 1.5 A) x 0.07 + 1, e3 = (T² - B²) / 100 + 1, e4 = (T² - (1.1 B)²) / 100 + 1.
  {
    // Row 5 (3.4 kN) against row 2 (10 kN); lower storey, foundation I: e3. Frame deteriorated:
    // r(9) = 0.5 + 2 x (0.36 - 0.5) / 3 = 0.4066667, T = 3.4 x 0.4066667 = 1.3826667, B = 7.15.
    SCOPED_TRACE("G1");
    const WallCaseResult& r = Result(0);
    EXPECT_EQ(r.JointSpec, 6);
    EXPECT_HAND(r.BaseStrength, 9.0);
    EXPECT_HAND(r.ReductionFactor, 0.5078926711);  // (1.3826667² - 7.15²) / 100 + 1
    EXPECT_HAND(r.DeteriorationFactor, 1.0);
    EXPECT_HAND(r.MinReductionFactor, 0.5078926711);
    EXPECT_HAND(r.StrengthY, 29.11748683);  // 6.37 x 9.0 x 0.5078927
  }
  {
    // Rows 2 and 9 (both 10 kN): row 9 of the second point. Lean-to, foundation I: e1 > 1.
    SCOPED_TRACE("G2");
    const WallCaseResult& r = Result(1);
    EXPECT_EQ(r.JointSpec, 10);
    EXPECT_HAND(r.ReductionFactor, 1.0);  // (100 - 6.44²) / 100 + 1 = 1.585 -> 1
  }
  {
    SCOPED_TRACE("G3");
    const WallCaseResult& r = Result(2);
    EXPECT_EQ(r.JointSpec, 0);
    EXPECT_HAND(r.ReductionFactor, 1.0);  // (1.665916 + 1.0931) / 2 -> 1
  }
  {
    // Row 5, Tj = 3.4; P = 0.8 < 1 gives r = 1 but still the formulas: A = 5.24,
    // e1 = (11.56 - 27.4576) / 100 + 1 = 0.841024, e2 = (3.4 - 7.86) x 0.07 + 1 = 0.6878.
    SCOPED_TRACE("G4");
    const WallCaseResult& r = Result(3);
    EXPECT_EQ(r.JointSpec, 6);
    EXPECT_HAND(r.ReductionFactor, 0.764412);  // foundation II: (0.841024 + 0.6878) / 2
    EXPECT_HAND(r.StrengthX, 4.451935488);     // 7.28 x 0.8 x 0.764412
  }
  {
    // Joint II, Tj = 5; under the floor on foundation III: e4, B = 6.24, 1.1 B = 6.864.
    SCOPED_TRACE("G5");
    const WallCaseResult& r = Result(4);
    EXPECT_EQ(r.JointSpec, 1);
    EXPECT_HAND(r.ReductionFactor, 0.77885504);  // (25 - 47.114496) / 100 + 1
    EXPECT_HAND(r.StrengthY, 31.75236227);       // 6.37 x 6.4 x 0.77885504
  }
  // Second storey: joint III between through columns, Tj = 2.5, top storey: e1.
  EXPECT_EQ(Result(0, 0, 1).JointSpec, 2);
  EXPECT_HAND(Result(0, 0, 1).ReductionFactor, 0.583636);  // (6.25 - 6.92²) / 100 + 1
  EXPECT_HAND(Result(1, 0, 1).ReductionFactor, 0.647764);  // (6.25 - 6.44²) / 100 + 1
  EXPECT_HAND(Result(2, 0, 1).ReductionFactor, 0.608224);  // P 5.8: (6.25 - 6.74²) / 100 + 1
  EXPECT_HAND(Result(2, 1, 1).ReductionFactor, 0.587779);  // P 6.3: (6.25 - 6.89²) / 100 + 1
  EXPECT_HAND(Result(2, 2, 1).ReductionFactor, 0.632164);  // P 5.2: (6.25 - 6.56²) / 100 + 1
  EXPECT_HAND(Result(3, 0, 1).ReductionFactor, 0.523744);  // P 7.8: (6.25 - 7.34²) / 100 + 1

  // Sums. First storey: X 7.28 x 2.6 + 4.451935488, Y 29.11748683 + 6.37 x 4.8 + 31.75236227.
  EXPECT_HAND(Storey(WallStrengthX, 0), 23.37993549);
  EXPECT_HAND(Storey(WallStrengthY, 0), 91.44584911);
  EXPECT_HAND(Storey(StiffnessSumX, 0), 4388.983872);  // 7.28 x 450 + 7.28 x 200 x 0.764412
  EXPECT_HAND(Storey(StiffnessSumY, 0), 18226.63214);  // 6.37 x (1750 x 0.5078927 + 960 + 1300 x 0.7788550)
  // Second storey: 4.55 x (5.8 x 0.608224 + 7.8 x 0.523744) in case 0, 6.3 x 0.587779 in the
  // +X cases, 5.2 x 0.632164 in the -X cases; Y 6.37 x (6.4 x 0.583636 + 4.8 x 0.647764).
  EXPECT_HAND(Storey(WallStrengthX, 1, 0), 34.63870592);
  EXPECT_HAND(Storey(WallStrengthX, 1, 1), 35.43635959);
  EXPECT_HAND(Storey(WallStrengthX, 1, 2), 33.5446748);
  EXPECT_HAND(Storey(WallStrengthY, 1), 43.59970451);
  EXPECT_HAND(Storey(StiffnessSumX, 1, 0), 6165.937232);  // 4.55 x (1100 x 0.608224 + 1310 x 0.523744)
  EXPECT_HAND(Storey(StiffnessSumX, 1, 1), 6117.097896);  // 4.55 x (1120 x 0.587779 + 1310 x 0.523744)
  EXPECT_HAND(Storey(StiffnessSumX, 1, 2), 6256.99347);   // 4.55 x (1090 x 0.632164 + 1310 x 0.523744)
  EXPECT_HAND(Storey(StiffnessSumY, 1), 8794.296129);     // 6.37 x (1300 x 0.583636 + 960 x 0.647764)

  // Required strength: first storey 3.0 m high, h / 2.8 = 1.0714286; no plan-shape factor.
  EXPECT_HAND(PlanShapeFactor[0][0], 1.0);
  EXPECT_HAND(StoreyHeightFactor[0], 1.0714285714);
  EXPECT_HAND(StoreyHeightFactor[1], 1.0);
  EXPECT_HAND(RequiredStrengthPerArea[0][0], 0.5978571429);  // 0.72 x 0.775 x 1.0714286
  EXPECT_HAND(RequiredStrength[0][0], 27.724788);            // 0.5978571 x 46.3736
  EXPECT_HAND(RequiredStrength[0][1], 11.45891656);          // 0.28 x 1.412 x 28.9835

  // rs: 4388.983872 / 27.724788 = 158.3054079; 6165.937232 / 11.458917 = 538.0907697;
  // mean 348.1980888, Rs 0.4546418: Fsr = 1 / (2 - 0.4546418 / 0.6) = 0.8049821.
  EXPECT_HAND(Combo(StiffnessRatioX, 0, 0), 0.4546418058);
  EXPECT_HAND(Combo(StiffnessRatioFactorX, 0, 0), 0.804982094);
  EXPECT_HAND(Combo(StiffnessRatioX, 1, 0), 1.545358194);
  // Combination 3: mean (158.3054079 + 546.0370915) / 2 = 352.1712497 (second storey case 2),
  // second storey's Rs from case 1: 533.8286446 / 352.1712497.
  EXPECT_HAND(Combo(StiffnessRatioX, 0, 3), 0.4495125823);
  EXPECT_HAND(Combo(StiffnessRatioFactorX, 0, 3), 0.7994804255);
  EXPECT_HAND(Combo(StiffnessRatioX, 1, 3), 1.515821195);
  // Y: 18226.63214 / 27.724788 = 657.4128588 and 8794.296129 / 11.458917 = 767.4631439.
  EXPECT_HAND(Combo(StiffnessRatioY, 0, 0), 0.9227650091);
  EXPECT_HAND(Combo(StiffnessRatioFactorY, 0, 0), 1.0);
}

// In revision 2025 an opening run is supported only by a wall at least as strong as the opening
// wall, compared on the base strengths of the previous recalculation. The one-storey house
// with plywood P1 (5.2 kN/m) on the window wall next to the S wall with G1 (2.6 kN/m): the
// first paint finds no base strengths yet (0 <= 0) and counts the window; from the second
// paint on the S wall is too weak to support it.
TEST_F(WholeHouseTest, OpeningRunInRevision2025SettlesOnTheSecondPaint) {
  ProjectSettings.Revision = 1;
  DrawOneStoreyHouse();
  Walls[0][0][1].PanelLeft = PanelP1;

  // N: weaker end VP (row 1), Tj = 5, foundation I, one storey: e1 with A = 0.3 x 6.4 + 5 = 6.92:
  // (25 - 47.8864) / 100 + 1 = 0.771136; 5.46 x 6.4 x 0.771136 = 26.946576384.
  // S: Tj = 5, foundation II: A = 5.78, e1 = 0.915916, e2 = (5 - 8.67) x 0.07 + 1 = 0.7431,
  // (e1 + e2) / 2 = 0.829508; 3.64 x 2.6 x 0.829508 = 7.850463712.
  Paint();
  {
    SCOPED_TRACE("first paint");
    const WallCaseResult& window = Result(1);
    EXPECT_EQ(window.OpeningRunKind, 2);
    EXPECT_HAND(window.EffectiveLength, 1.82);
    EXPECT_HAND(window.OpeningFactor, 0.3);  // window class, run supported at its end only
    // Joint I on equal hardware, P = 5.2 x 0.3 = 1.56: A = 5.468, e1 = 1.701, e2 = 1.126 -> 1.
    EXPECT_HAND(window.ReductionFactor, 1.0);
    EXPECT_HAND(window.StrengthX, 2.8392);                // 1.82 x 5.2 x 0.3
    EXPECT_HAND(Storey(WallStrengthX, 0), 37.636240096);  // 26.946576384 + 2.8392 + 7.850463712
  }

  PaintUntilSettled();
  {
    SCOPED_TRACE("settled");
    const WallCaseResult& window = Result(1);
    EXPECT_EQ(window.WallType, 2);
    EXPECT_EQ(window.OpeningRunKind, 0);
    EXPECT_HAND(window.EffectiveLength, 0.0);
    EXPECT_HAND(window.LengthX, 0.0);
    EXPECT_HAND(window.StrengthX, 0.0);
    EXPECT_HAND(Result(0).ReductionFactor, 0.771136);
    EXPECT_HAND(Result(2).ReductionFactor, 0.829508);
    EXPECT_HAND(Storey(WallStrengthX, 0), 34.797040096);  // 26.946576384 + 7.850463712
  }
}

// The one-storey house as a heavy building under 1.5 m of snow, judged by the general method
// with the quarter-division method. The front wall is siding (0.8 kN/m) instead of gypsum
// board, and the roof is a heavy one.
TEST_F(WholeHouseTest, OneStoreyHouseByQuarterDivisionUnderSnow) {
  ProjectSettings.DiagnosisMethod = 2;
  ProjectSettings.BalanceMethod = 1;
  ProjectSettings.WeightClass[0] = 1;
  ProjectSettings.SnowLoad = 0.26 * 1.5;  // 0.39 kN/m²
  ProjectSettings.FloorMaterial = 1;      // floor not all plywood, horizontal braces present:
  ProjectSettings.HorizontalBraces = 1;   // floor class II
  DrawOneStoreyHouse();
  Walls[0][0][2].PanelLeft = PanelSH;
  RoofFloorRects[0][0][0].AreaCode = 4;  // roof, heavy
  PaintUntilSettled();

  // General method: the window wall takes 0.6 kN/m for its class, the stiffness is the
  // strength, and no wall is reduced for deterioration. Snow factors for d = 1.5 m lie halfway
  // between the single-storey tables for 1 m and 2 m.
  {
    SCOPED_TRACE("N");
    const WallCaseResult& r = Result(0);
    EXPECT_HAND(r.BaseStiffness, 6.4);
    EXPECT_HAND(r.ReductionFactor, 0.815);
    // J1 F0 at 6.4: 1 m 0.85 - 1.4 x 0.05 / 2 = 0.815, 2 m likewise 0.815.
    EXPECT_HAND(SnowWallResults[0][0][0].Blocks[0].ReductionFactor, 0.815);
    EXPECT_HAND(r.StrengthX, 28.47936);  // 5.46 x 6.4 x 0.815
  }
  {
    SCOPED_TRACE("window");
    const WallCaseResult& r = Result(1);
    EXPECT_HAND(r.BaseStrength, 0.6);
    EXPECT_HAND(r.BaseStiffness, 0.6);
    EXPECT_HAND(r.OpeningFactor, 1.0);
    EXPECT_HAND(r.StrengthX, 1.092);  // 1.82 x 0.6
  }
  {
    SCOPED_TRACE("E");
    const WallCaseResult& r = Result(4);
    EXPECT_HAND(r.DeteriorationFactor, 1.0);
    EXPECT_HAND(r.MinReductionFactor, 0.705);
    // J1 F1 at 4.8: 1 m 0.8 - 1.8 x 0.05 = 0.71, 2 m 0.9 - 1.8 x 0.05 = 0.81; 0.71 + 0.5 x 0.1
    EXPECT_HAND(SnowWallResults[0][0][4].Blocks[0].ReductionFactor, 0.76);
    EXPECT_HAND(SnowWallResults[0][0][4].Blocks[0].StrengthY, 13.27872);  // 3.64 x 4.8 x 0.76
  }
  EXPECT_HAND(Storey(WallStrengthX, 0), 32.48336);      // 28.47936 + 1.092 + 3.64 x 0.8
  EXPECT_HAND(Storey(WallStrengthXSnow, 0), 32.48336);  // every X factor is the same with snow
  EXPECT_HAND(Storey(WallStrengthY, 0), 31.24576);      // 18.928 + 3.64 x 4.8 x 0.705
  EXPECT_HAND(Storey(WallStrengthYSnow, 0), 32.20672);  // 18.928 + 13.27872

  // Required strength of a heavy one-storey house: 0.40 x 19.8744; with snow (0.40 + 0.39) x 19.8744.
  EXPECT_HAND(RequiredStrength[0][0], 7.94976);
  EXPECT_HAND(RequiredStrengthSnow[0][0], 15.700776);

  // Quarter zones on the plan's positions: Y 1.82..5.46 and X 1.82..7.28, a quarter in from each side.
  EXPECT_HAND(QuarterZoneBoundaryA[0][0], 2.73);   // 1.82 + 3.64 / 4
  EXPECT_HAND(QuarterZoneBoundaryB[0][0], 4.55);   // 5.46 - 3.64 / 4
  EXPECT_HAND(QuarterZoneBoundary1[0][0], 3.185);  // 1.82 + 5.46 / 4
  EXPECT_HAND(QuarterZoneBoundary2[0][0], 5.915);  // 7.28 - 5.46 / 4
  // Each zone holds 0.91 x 5.46 = 1.365 x 3.64 = 4.9686 m² of roof.
  EXPECT_HAND(RequiredStrengthZoneA[0][0], 1.98744);       // 0.40 x 4.9686
  EXPECT_HAND(RequiredStrengthZoneASnow[0][0], 3.925194);  // 0.79 x 4.9686
  // Only walls without openings count: the N wall in zone a, the S wall in zone b (not the
  // window), the W wall in zone 1, the E wall in zone 2.
  EXPECT_HAND(QuarterZoneStrengthA[0][0], 28.47936);
  EXPECT_HAND(QuarterZoneStrengthB[0][0], 2.912);
  EXPECT_HAND(QuarterZoneStrength1[0][0], 18.928);
  EXPECT_HAND(QuarterZoneStrength2[0][0], 12.31776);
  EXPECT_HAND(QuarterZoneStrength2Snow[0][0], 13.27872);
  EXPECT_HAND(QuarterZoneRatioB[0][0], 1.465201465);       // 2.912 / 1.98744
  EXPECT_HAND(QuarterZoneRatioBSnow[0][0], 0.7418741596);  // 2.912 / 3.925194
  EXPECT_HAND(QuarterZoneRatioASnow[0][0], 7.255529281);   // 28.47936 / 3.925194
  EXPECT_EQ(FloorSpecClass[0][0], FloorClassII);
  for (int c = 0; c < LoadCombinationCount; ++c) {
    SCOPED_TRACE(c);
    // Without snow the weaker zone of each direction holds its demand.
    EXPECT_HAND(Combo(ReductionFactorEX, 0, c), 1.0);
    EXPECT_HAND(Combo(ReductionFactorEY, 0, c), 1.0);
    // With snow in X: r1 = 0.7418742, r2 = 7.2555293, r1 / r2 < 0.5:
    // K = (r1 + r2) / r2 / 2 = 0.5511247, N = (r1 + r2) / r2 / 2.5 = 0.4408998; class II (K + N) / 2.
    EXPECT_HAND(Combo(ReductionFactorEXSnow, 0, c), 0.4960122699);
    // Y with snow: 18.928 / 3.925194 = 4.82 and 13.27872 / 3.925194 = 3.38, both at least 1.
    EXPECT_HAND(Combo(ReductionFactorEYSnow, 0, c), 1.0);
  }
}

// The two-storey house by the general method with the quarter-division method: the end zone
// of the first storey that the second storey does not reach takes the one-storey demand.
TEST_F(WholeHouseTest, TwoStoreyHouseByQuarterDivision) {
  ProjectSettings.DiagnosisMethod = 2;
  ProjectSettings.BalanceMethod = 1;
  ProjectSettings.FloorMaterial = 1;  // floor class II
  ProjectSettings.HorizontalBraces = 1;
  DrawTwoStoreyHouse();
  PaintUntilSettled();

  // First storey zones, a quarter in from each side of X 1.82..9.1 and Y 1.82..8.19.
  EXPECT_HAND(QuarterZoneBoundaryA[0][0], 3.4125);  // 1.82 + 6.37 / 4
  EXPECT_HAND(QuarterZoneBoundaryB[0][0], 6.5975);  // 8.19 - 6.37 / 4
  EXPECT_HAND(QuarterZoneBoundary1[0][0], 3.64);    // 1.82 + 7.28 / 4
  EXPECT_HAND(QuarterZoneBoundary2[0][0], 7.28);    // 9.1 - 7.28 / 4
  // Zone areas: a and b 1.5925 x (4.55 + 2.73), zone 1 6.37 x 1.82 of the floor, zone 2
  // 6.37 x 1.82 of the roof: 11.5934 m² each. The second storey ends at x = 6.37 < 7.28, so
  // zone 2 takes the one-storey 0.28 kN/m² instead of 0.72 x K1 = 0.558; both carry the
  // plan-shape factor 1.15 that the second storey gives the first.
  EXPECT_HAND(RequiredStrengthPerAreaA[0][0], 0.558);
  EXPECT_HAND(RequiredStrengthPerArea2[0][0], 0.28);
  EXPECT_HAND(RequiredStrengthZoneA[0][0], 7.43948478);  // 0.558 x 1.15 x 11.5934
  EXPECT_HAND(RequiredStrengthZone2[0][0], 3.7330748);   // 0.28 x 1.15 x 11.5934
  // General method, no deterioration reduction: G3 7.28 x 2.6 x 0.85 in zone a, G4 7.28 x 0.8
  // in zone b, G1 6.37 x 9.0 x 0.8 in zone 1, G2 6.37 x 4.8 in zone 2; G5 on x = 6.37 in none.
  EXPECT_HAND(QuarterZoneStrengthA[0][0], 16.0888);
  EXPECT_HAND(QuarterZoneStrengthB[0][0], 5.824);
  EXPECT_HAND(QuarterZoneStrength1[0][0], 45.864);
  EXPECT_HAND(QuarterZoneStrength2[0][0], 30.576);
  EXPECT_HAND(QuarterZoneRatioB[0][0], 0.7828499113);  // 5.824 / 7.4394848
  EXPECT_HAND(QuarterZoneRatio2[0][0], 8.190567197);   // 30.576 / 3.7330748
  // Second storey: zones of 7.245875 m² (1.5925 x 4.55) at 0.28 x 1.412 = 0.39536 kN/m².
  EXPECT_HAND(RequiredStrengthZoneA[0][1], 2.86472914);
  EXPECT_HAND(QuarterZoneStrengthA[0][1], 10.8199);  // U3 in case 0: 4.55 x 5.8 x 0.41
  for (int c = 0; c < LoadCombinationCount; ++c) {
    SCOPED_TRACE(c);
    // X: r1 = 0.7828499, r2 = 16.0888 / 7.4394848 = 2.1626229, r1 / r2 < 0.5:
    // K = (r1 + r2) / r2 / 2 = 0.6809955, N = (r1 + r2) / r2 / 2.5 = 0.5447964; class II.
    EXPECT_HAND(Combo(ReductionFactorEX, 0, c), 0.6128959276);
    EXPECT_HAND(Combo(ReductionFactorEY, 0, c), 1.0);  // 45.864 / 7.4394848 = 6.16 and 8.19
    EXPECT_HAND(Combo(ReductionFactorEX, 1, c), 1.0);  // 3.78 and 4.34
    EXPECT_HAND(Combo(ReductionFactorEY, 1, c), 1.0);  // 5.41 and 4.96
  }
}

// Three storeys, light, every wall gypsum board G1 (2.6 kN/m, 450) on the outline of its
// storey, no foundation drawn (foundation III). First and second storey X axes 2..8 by Y axes
// 2..8 (5.46 x 5.46 m); the third storey stands on X 2..6 (3.64 x 5.46 m), over the
// second-storey part that carries the third-storey floor; the rest of the second storey is
// roofed. Columns at every storey's corners: 告示 (row 2) on the first and third storeys,
// VP (row 1) on the second.
TEST_F(WholeHouseTest, ThreeStoreyHouse) {
  ProjectSettings.TopStorey[0] = 2;
  ProjectSettings.FoundationClass = 2;
  for (int s = 0; s < 3; ++s) {
    const int east = s == 2 ? 6 : 8;
    const int hardware = s == 1 ? 1 : 2;
    for (int x : {2, east})
      for (int y : {2, 8}) PutColumn(x, y, 1, hardware, s);
    PutPanelWall(2, 2, 2, 8, PanelG1, s);        // wall 0, W
    PutPanelWall(east, 2, east, 8, PanelG1, s);  // wall 1, E
    PutPanelWall(2, 2, east, 2, PanelG1, s);     // wall 2, N
    PutPanelWall(2, 8, east, 8, PanelG1, s);     // wall 3, S
  }
  PutArea(2, 2, 8, 8, FloorLight, 0);
  PutArea(2, 2, 6, 8, FloorLight, 1);
  PutArea(6, 2, 8, 8, RoofLight, 1);
  PutArea(2, 2, 6, 8, RoofLight, 2);
  PaintUntilSettled();

  // First storey: under the floor everywhere, lower-storey table J0 F2: 1 at 2, 0.8 at 3.
  for (int w = 0; w < 4; ++w) EXPECT_HAND(Result(w).ReductionFactor, 0.88);  // 1 - 0.6 x 0.2
  // Second storey: the W wall stands under the third-storey floor (lower-storey table J1 F0,
  // 1 at 2 and 3); the others reach the roofed part and take the top-storey table (J1: 1 at 2,
  // 0.8 at 3).
  EXPECT_HAND(Result(0, 0, 1).ReductionFactor, 1.0);
  EXPECT_HAND(Result(1, 0, 1).ReductionFactor, 0.88);
  EXPECT_HAND(Result(2, 0, 1).ReductionFactor, 0.88);
  EXPECT_HAND(Result(3, 0, 1).ReductionFactor, 0.88);
  EXPECT_HAND(Result(0, 0, 2).ReductionFactor, 1.0);  // third storey, top J0
  EXPECT_HAND(Storey(StiffnessSumX, 0), 4324.32);     // 2 x 5.46 x 450 x 0.88
  EXPECT_HAND(Storey(StiffnessSumY, 1), 4619.16);     // 5.46 x 450 + 5.46 x 450 x 0.88
  EXPECT_HAND(Storey(StiffnessSumX, 1), 4324.32);
  EXPECT_HAND(Storey(StiffnessSumX, 2), 3276);  // 2 x 3.64 x 450
  EXPECT_HAND(Storey(StiffnessSumY, 2), 4914);  // 2 x 5.46 x 450

  // Areas 29.8116, 19.8744 + 9.9372 = 29.8116 and 19.8744 m²: Rf1 = 1, Rf2 = 2/3.
  // K3 = (0.65 + 0.35 x 2/3)(0.25 + 0.75) = 0.8833333, K4 = 1.0, K5 = 1.03 + 0.10 + 0.08 x 1.5
  // = 1.25, K6 = 1.23 + 0.10 + 0.23 x 1.5 = 1.675.
  EXPECT_HAND(RequiredStrengthFactorsA.K3, 0.8833333333);
  EXPECT_HAND(RequiredStrengthFactorsA.K5, 1.25);
  EXPECT_HAND(RequiredStrengthFactorsA.K6, 1.675);
  // Short sides 5.46, 5.46 and 3.64 m: 1.15, 1.15, 1.3; the third storey's 1.3 goes to the
  // second storey and from there to the first, the third keeps none.
  EXPECT_HAND(PlanShapeFactor[0][0], 1.3);
  EXPECT_HAND(PlanShapeFactor[0][1], 1.3);
  EXPECT_HAND(PlanShapeFactor[0][2], 1.0);
  EXPECT_HAND(RequiredStrength[0][0], 39.71103864);  // 1.16 x 0.8833333 x 1.3 x 29.8116
  EXPECT_HAND(RequiredStrength[0][1], 34.879572);    // 0.72 x 1.0 x 1.25 x 1.3 x 29.8116
  EXPECT_HAND(RequiredStrength[0][2], 9.3210936);    // 0.28 x 1.675 x 19.8744
  // Zone 2 (x >= 7.28 - 5.46 / 4 = 5.915) of the second storey lies beyond the third storey
  // (x <= 5.46): the second storey of two storeys, 0.37; the first storey's zone 2 under it the
  // first storey of two storeys, 0.83 (the second storey reaches it).
  EXPECT_HAND(RequiredStrengthPerArea2[0][1], 0.37);
  EXPECT_HAND(RequiredStrengthPerArea2[0][0], 0.83);
  EXPECT_HAND(RequiredStrengthPerArea1[0][0], 1.024666667);  // 1.16 x 0.8833333

  // rs X: 4324.32 / 39.711039 = 108.894659, 4324.32 / 34.879572 = 123.978586,
  // 3276 / 9.321094 = 351.460906; mean 194.778050; Rs 0.5590705 -> 1 / (2 - 0.5590705 / 0.6).
  EXPECT_HAND(DriftReciprocalMeanX[0][0], 194.778050);
  EXPECT_HAND(Combo(StiffnessRatioFactorX, 0, 0), 0.9361403791);
  EXPECT_HAND(Combo(StiffnessRatioFactorX, 1, 0), 1.0);  // 123.978586 / 194.778050 = 0.6365
  // rs Y: 108.894659, 4619.16 / 34.879572 = 132.431671, 4914 / 9.321094 = 527.191359;
  // mean 256.172563; Rs 0.4250832 and 0.5169627.
  EXPECT_HAND(Combo(StiffnessRatioFactorY, 0, 0), 0.774276694);   // 1 / (2 - 0.4250832 / 0.6)
  EXPECT_HAND(Combo(StiffnessRatioFactorY, 1, 0), 0.8784293893);  // 1 / (2 - 0.5169627 / 0.6)
  EXPECT_HAND(Combo(StiffnessRatioFactorY, 2, 0), 1.0);
}

}  // namespace
