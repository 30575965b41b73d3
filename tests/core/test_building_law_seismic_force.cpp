// Required strength by the building standard law: wall and gable weights by
// class and shape in the storey sums, centres of gravity including them, Wi,
// alpha_i, T, Rt, Ai, Ci and Qr for one to three storeys without and with
// snow, the missing-height message, zero weights, and the step in the chain.
#include <gtest/gtest.h>

#include <cmath>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/BuildingLawSeismicForce.h"
#include "analysis/PendingMessages.h"
#include "analysis/RequiredStrength.h"
#include "analysis/StoreyWeights.h"
#include "chain/RecalculationChain.h"
#include "model/ElementLists.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

using namespace testmodel;

constexpr int kVariant = 1;  // not variant 0, so that indexing by the current variant is exercised

// Start load take-off rows (N/m²): exterior wall 600 / 1000, partition 350 / 950.
// Start storey heights 3.0, 2.8, 2.8 m. Grid of 1 m pitch; origin axes X 2 and
// Y 10, so x = X index - 2 and y = 10 - Y index.
class BuildingLawTest : public AreaTest {
 protected:
  void SetUp() override {
    AreaTest::SetUp();
    GridOriginAxisX = 2;
    GridOriginAxisY = 10;
    ProjectSettings.RequiredStrengthMethod = 0;
    CurrentVariant = kVariant;
    ClearAreaWeightSums();
    ClearPendingMessages();
  }

  // A wall with the length and wall type the storey analysis would have written.
  static WallRecord& AddWall(int v, int s, int x1, int y1, int x2, int y2, int32_t weightClass,
                             int32_t wallType, double length) {
    const int i = WallCount[v][s];
    WallRecord& w = testmodel::AddWall(v, s, x1, y1, x2, y2);
    w.WeightClass = weightClass;
    WallResults[v][s][i] = WallResult{};
    WallResults[v][s][i].Blocks[0].Length = length;
    WallResults[v][s][i].Blocks[0].WallType = wallType;
    return w;
  }

  static GableWallRecord& AddGable(int v, int s, int x1, int y1, int x2, int y2, int32_t weightClass,
                                   int32_t shape, double slope, double height) {
    GableWallRecord& g = testmodel::AddGable(v, s, x1, y1, x2, y2);
    g.WeightClass = weightClass;
    g.Shape = shape;
    g.Slope = slope;
    g.Height = height;
    return g;
  }

  // Roof and floor loads as the weights step leaves them: weight in N at (x, y).
  static void SetLevelLoad(int v, int level, double weight, double x, double y, double snowWeight) {
    StoreyLoadWeight[v][level] = weight;
    LoadMomentX[v][level] = weight * x;
    LoadMomentY[v][level] = weight * y;
    StoreyLoadWeightSnow[v][level] = snowWeight;
    LoadMomentXSnow[v][level] = snowWeight * x;
    LoadMomentYSnow[v][level] = snowWeight * y;
  }

  static void ExpectLevel(int v, int level, double weight, double momentX, double momentY) {
    SCOPED_TRACE(::testing::Message() << "level " << level);
    EXPECT_NEAR(StoreyLoadWeight[v][level], weight, 1e-9);
    EXPECT_NEAR(LoadMomentX[v][level], momentX, 1e-9);
    EXPECT_NEAR(LoadMomentY[v][level], momentY, 1e-9);
    EXPECT_NEAR(StoreyLoadWeightSnow[v][level], weight, 1e-9);
    EXPECT_NEAR(LoadMomentXSnow[v][level], momentX, 1e-9);
    EXPECT_NEAR(LoadMomentYSnow[v][level], momentY, 1e-9);
  }
};

TEST_F(BuildingLawTest, WallWeightsByClassTypeAndStorey) {
  // A 4 m wall along Y index 4 from X 2 to 6: midpoint x = 4 - 2 = 2, y = 10 - 4 = 6.
  // Each level it reaches gets w / 2 with moments w / 2 x 2 and w / 2 x 6.
  struct Case {
    const char* what;
    int storey;
    int32_t weightClass, wallType;
    double ownHeight, ownWeight, length;
    double half;  // w / 2, N
  } cases[] = {
      {"exterior, light", 1, 0, 0, 0, 0, 4, 3360},                 // 600 x 4 x 2.8 = 6720
      {"exterior with a window, heavy", 1, 1, 3, 0, 0, 4, 5600},   // 1000 x 4 x 2.8 = 11200
      {"partition, light", 1, 0, 8, 0, 0, 4, 1960},                // 350 x 4 x 2.8 = 3920
      {"partition with a door, heavy", 1, 1, 15, 0, 0, 4, 5320},   // 950 x 4 x 2.8 = 10640
      {"individual partition", 1, 2, 8, 0, 1234, 4, 6910.4},       // 1234 x 4 x 2.8 = 13820.8
      {"individual exterior", 1, 2, 0, 0, 1234, 4, 6910.4},        // the type does not matter
      {"own height 2.0 m", 1, 0, 0, 2.0, 0, 4, 2400},              // 600 x 4 x 2.0 = 4800
      {"length from the wall results", 1, 0, 0, 0, 0, 2.5, 2100},  // 600 x 2.5 x 2.8 = 4200
      {"first storey", 0, 0, 0, 0, 0, 4, 3600},                    // 600 x 4 x 3.0 = 7200
      {"third storey", 2, 1, 8, 0, 0, 4, 5320},                    // 950 x 4 x 2.8 = 10640
      {"no such class", 1, 3, 0, 0, 0, 4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (int s = 0; s < StoreyCount; ++s) WallCount[kVariant][s] = 0;
    ClearAreaWeightSums();
    WallRecord& w = AddWall(kVariant, c.storey, 2, 4, 6, 4, c.weightClass, c.wallType, c.length);
    w.Height = c.ownHeight;
    w.Weight = c.ownWeight;
    CalcBuildingLawSeismicForce();
    for (int level = 0; level < StoreyCount; ++level) {
      const bool carries = level == c.storey || level == c.storey - 1;
      const double half = carries ? c.half : 0.0;
      ExpectLevel(kVariant, level, half, half * 2, half * 6);
    }
  }
}

TEST_F(BuildingLawTest, WallPositionIsTheMidpointWhicheverEndComesFirst) {
  // X 9 to 5 and Y 7 to 3: midpoint (7, 5), x = 5, y = 5; light exterior on the first
  // storey, Length 5: w = 600 x 5 x 3.0 = 9000, half 4500, moments 22500 and 22500.
  AddWall(kVariant, 0, 9, 7, 5, 3, 0, 0, 5);
  // A wall off the grid is not weighed.
  AddWall(kVariant, 0, 2, 4, GridAxisCountX, 4, 0, 0, 4);
  CalcBuildingLawSeismicForce();
  ExpectLevel(kVariant, 0, 4500, 22500, 22500);
}

TEST_F(BuildingLawTest, GableWeightsByClassAndShape) {
  // Plan line from (X 2, Y 4) to (X 5, Y 8): dx 3, dy 4, l = 5; midpoint x = 3.5 - 2 = 1.5,
  // y = 10 - 6 = 4. Slope 0.5, base height 0.3 m. The whole weight g sits on its own level.
  struct Case {
    const char* what;
    int32_t weightClass, shape;
    double ownWeight;
    double g;  // N
  } cases[] = {
      {"mono-pitch, light", 1, 0, 0, 4650},         // 600 x 5 x (5 x 0.5 / 2 + 0.3) = 3000 x 1.55
      {"dual-pitch, heavy", 2, 1, 0, 4625},         // 1000 x 5 x (5 x 0.5 / 4 + 0.3) = 5000 x 0.925
      {"parapet, individual", 0, 2, 800, 1200},     // 800 x 5 x 0.3, the slope ignored
      {"parapet, heavy", 2, 2, 0, 1500},            // 1000 x 5 x 0.3
      {"mono-pitch, individual", 0, 0, 800, 6200},  // 800 x 5 x 1.55
      {"no such shape", 1, 3, 0, 0},
      {"no such class", 3, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GableWallCount[kVariant][1] = 0;
    ClearAreaWeightSums();
    AddGable(kVariant, 1, 2, 4, 5, 8, c.weightClass, c.shape, 0.5, 0.3).Weight = c.ownWeight;
    CalcBuildingLawSeismicForce();
    ExpectLevel(kVariant, 1, c.g, c.g * 1.5, c.g * 4);
    ExpectLevel(kVariant, 0, 0, 0, 0);
  }
}

TEST_F(BuildingLawTest, CentresOfGravityIncludeWallsAndGables) {
  ProjectSettings.TopStorey[kVariant] = 1;
  // Areas: level 1 roof 20000 N at (4, 5), with snow 30000 N; level 0 floor 40000 N at (3, 2).
  SetLevelLoad(kVariant, 1, 20000, 4, 5, 30000);
  SetLevelLoad(kVariant, 0, 40000, 3, 2, 40000);
  // Second-storey light exterior wall X 2..6 on Y 4: 6720 N at (2, 6), 3360 to levels 1 and 0.
  AddWall(kVariant, 1, 2, 4, 6, 4, 0, 0, 4);
  // First-storey heavy partition X 8, Y 2..7: 950 x 5 x 3.0 = 14250 N at (6, 5.5), 7125 to level 0.
  AddWall(kVariant, 0, 8, 2, 8, 7, 1, 8, 5);
  // Second-storey light parapet X 2..4 on Y 9, 0.5 m: 600 x 2 x 0.5 = 600 N at (1, 1).
  AddGable(kVariant, 1, 2, 9, 4, 9, 1, 2, 0, 0.5);
  CentreOfGravityX[kVariant][2] = CentreOfGravityY[kVariant][2] = 9;  // stale values to be replaced
  CalcBuildingLawSeismicForce();

  // Level 1: 20000 + 3360 + 600 = 23960 N; moments 80000 + 6720 + 600 = 87320 and
  // 100000 + 20160 + 600 = 120760. Snow: 30000 + 3960 = 33960 N, 127320, 170760.
  // Level 0: 40000 + 3360 + 7125 = 50485 N; moments 120000 + 6720 + 42750 = 169470 and
  // 80000 + 20160 + 39187.5 = 139347.5; the same with snow.
  EXPECT_NEAR(StoreyLoadWeight[kVariant][1], 23960, 1e-9);
  EXPECT_NEAR(StoreyLoadWeightSnow[kVariant][1], 33960, 1e-9);
  EXPECT_NEAR(LoadMomentYSnow[kVariant][1], 170760, 1e-9);
  EXPECT_NEAR(StoreyLoadWeight[kVariant][0], 50485, 1e-9);
  EXPECT_NEAR(LoadMomentY[kVariant][0], 139347.5, 1e-9);

  // Storey 2 (levels 1 and 2): 87320 / 23960 = 3.644407, 120760 / 23960 = 5.040067.
  EXPECT_NEAR(CentreOfGravityX[kVariant][1], 3.6444073456, 1e-9);
  EXPECT_NEAR(CentreOfGravityY[kVariant][1], 5.0400667780, 1e-9);
  // Snow: 127320 / 33960 = 3.749117, 170760 / 33960 = 5.028269.
  EXPECT_NEAR(CentreOfGravityXSnow[kVariant][1], 3.7491166078, 1e-9);
  EXPECT_NEAR(CentreOfGravityYSnow[kVariant][1], 5.0282685512, 1e-9);
  // Storey 1 (all levels): 50485 + 23960 = 74445 N; 256790 / 74445 = 3.449392,
  // 260107.5 / 74445 = 3.493955.
  EXPECT_NEAR(CentreOfGravityX[kVariant][0], 3.4493921687, 1e-9);
  EXPECT_NEAR(CentreOfGravityY[kVariant][0], 3.4939552690, 1e-9);
  // Snow: 84445 N; 296790 / 84445 = 3.514595, 310107.5 / 84445 = 3.672301.
  EXPECT_NEAR(CentreOfGravityXSnow[kVariant][0], 3.5145952987, 1e-9);
  EXPECT_NEAR(CentreOfGravityYSnow[kVariant][0], 3.6723014980, 1e-9);
  // Nothing on level 2: its centre is the origin.
  EXPECT_EQ(CentreOfGravityX[kVariant][2], 0.0);
  EXPECT_EQ(CentreOfGravityY[kVariant][2], 0.0);
  EXPECT_EQ(CentreOfGravityXSnow[kVariant][2], 0.0);

  // W2 = 23960 / 1000 = 23.96 kN; W1 = 50.485 + 23.96 = 74.445 kN; snow 33.96 and 84.445.
  EXPECT_NEAR(StoreyWeight[kVariant][1], 23.96, 1e-12);
  EXPECT_NEAR(StoreyWeight[kVariant][0], 74.445, 1e-12);
  EXPECT_NEAR(StoreyWeightSnow[kVariant][1], 33.96, 1e-12);
  EXPECT_NEAR(StoreyWeightSnow[kVariant][0], 84.445, 1e-12);
  EXPECT_NEAR(WeightRatioAlpha[kVariant][1], 23.96 / 74.445, 1e-15);
}

TEST_F(BuildingLawTest, OtherVariantsGetWeightsAndCentresButKeepTheirRequiredStrength) {
  // Variant 0 is not current: its wall is weighed with the length and type the
  // storey analysis last left (light exterior 4 m at (2, 6) on the first storey:
  // 600 x 4 x 3.0 = 7200 N, half 3600), its centre follows, its Qr stays.
  AddWall(0, 0, 2, 4, 6, 4, 0, 0, 4);
  StoreyWeight[0][0] = RequiredStrength[0][0] = RequiredStrengthSnow[0][0] = 77;
  CalcBuildingLawSeismicForce();
  ExpectLevel(0, 0, 3600, 7200, 21600);
  EXPECT_NEAR(CentreOfGravityX[0][0], 2, 1e-12);
  EXPECT_NEAR(CentreOfGravityY[0][0], 6, 1e-12);
  EXPECT_EQ(StoreyWeight[0][0], 77);
  EXPECT_EQ(RequiredStrength[0][0], 77);
  EXPECT_EQ(RequiredStrengthSnow[0][0], 77);
}

TEST_F(BuildingLawTest, OtherMethodsChangeNothing) {
  SetLevelLoad(kVariant, 0, 40000, 3, 2, 40000);
  AddWall(kVariant, 0, 2, 4, 6, 4, 0, 0, 4);
  CentreOfGravityX[kVariant][0] = 5;
  RequiredStrength[kVariant][0] = StoreyWeight[kVariant][0] = 77;
  for (int32_t method : {1, 2, 3}) {
    SCOPED_TRACE(method);
    ProjectSettings.RequiredStrengthMethod = method;
    CalcBuildingLawSeismicForce();
    ExpectLevel(kVariant, 0, 40000, 120000, 80000);
    EXPECT_EQ(CentreOfGravityX[kVariant][0], 5);
    EXPECT_EQ(RequiredStrength[kVariant][0], 77);
    EXPECT_EQ(StoreyWeight[kVariant][0], 77);
  }
}

TEST_F(BuildingLawTest, OneStoreyOfOneHundredKilonewtons) {
  // Roof 70000 N (snow 80000 N) and four heavy exterior walls of 5 m, 3.0 m high:
  // 1000 x 5 x 3.0 = 15000 N each, half on the first level: 4 x 7500 = 30000 N.
  // W1 = 100 kN; T = 0.03 x 3.0 = 0.09 s < Tc 0.6 (normal ground): Rt 1; alpha 1: Ai 1;
  // Ci = 1.0 x 1 x 1 x 0.2 = 0.2; Qr = 0.2 x 100 = 20 kN. Snow: Ws = 110 kN, Qr 22 kN.
  ProjectSettings.TopStorey[kVariant] = 0;
  SetLevelLoad(kVariant, 0, 70000, 4, 5, 80000);
  AddWall(kVariant, 0, 2, 0, 7, 0, 1, 0, 5);
  AddWall(kVariant, 0, 7, 0, 7, 5, 1, 0, 5);
  AddWall(kVariant, 0, 2, 5, 7, 5, 1, 0, 5);
  AddWall(kVariant, 0, 2, 0, 2, 5, 1, 0, 5);
  CalcBuildingLawSeismicForce();
  EXPECT_NEAR(StoreyWeight[kVariant][0], 100, 1e-12);
  EXPECT_EQ(WeightRatioAlpha[kVariant][0], 1.0);
  EXPECT_NEAR(BuildingHeight[kVariant], 3.0, 1e-15);
  EXPECT_NEAR(BuildingHeightSnow[kVariant], 3.0, 1e-15);
  EXPECT_NEAR(NaturalPeriod[kVariant], 0.09, 1e-15);
  EXPECT_NEAR(NaturalPeriodSnow[kVariant], 0.09, 1e-15);
  EXPECT_EQ(GroundPeriodTc, 0.6);
  EXPECT_EQ(VibrationCharacteristicRt[kVariant], 1.0);
  EXPECT_EQ(VibrationCharacteristicRtSnow[kVariant], 1.0);
  EXPECT_EQ(ShearDistributionAi[kVariant][0], 1.0);
  EXPECT_NEAR(SeismicShearCoefficient[kVariant][0], 0.2, 1e-15);
  EXPECT_NEAR(RequiredStrength[kVariant][0], 20, 1e-12);
  EXPECT_NEAR(StoreyWeightSnow[kVariant][0], 110, 1e-12);
  EXPECT_NEAR(RequiredStrengthSnow[kVariant][0], 22, 1e-12);
  EXPECT_EQ(PendingMessageCount(), 0);
}

TEST_F(BuildingLawTest, TwoStoreysWithAndWithoutSnow) {
  // Level 1 roof 40000 N (snow 60000 N), level 0 floor 50000 N; a light exterior
  // second-storey wall of 4 m: 6720 N, 3360 to each level.
  // W2 = 43.36 kN, W1 = 53.36 + 43.36 = 96.72 kN; snow 63.36 and 116.72 kN.
  // T = 0.03 x (3.0 + 2.8) = 0.174 s, Rt 1; 2T / (1 + 3T) = 0.348 / 1.522 = 0.228647.
  // alpha2 = 43.36 / 96.72 = 0.448304: Ai2 = 1 + (1.493529 - 0.448304) x 0.228647 = 1.238987,
  // Ci2 = 0.247797, Qr2 = 0.247797 x 43.36 = 10.744494 kN; Qr1 = 0.2 x 96.72 = 19.344 kN.
  // Snow: alpha2 = 63.36 / 116.72 = 0.542838: Ai2 = 1 + (1.357267 - 0.542838) x 0.228647
  // = 1.186216, Qr2 = 0.2 x 1.186216 x 63.36 = 15.031733 kN; Qr1 = 0.2 x 116.72 = 23.344 kN.
  ProjectSettings.TopStorey[kVariant] = 1;
  SetLevelLoad(kVariant, 1, 40000, 4, 5, 60000);
  SetLevelLoad(kVariant, 0, 50000, 4, 5, 50000);
  AddWall(kVariant, 1, 2, 4, 6, 4, 0, 0, 4);
  CalcBuildingLawSeismicForce();
  EXPECT_NEAR(StoreyWeight[kVariant][1], 43.36, 1e-12);
  EXPECT_NEAR(StoreyWeight[kVariant][0], 96.72, 1e-12);
  EXPECT_NEAR(WeightRatioAlpha[kVariant][1], 0.4483043838, 1e-10);
  EXPECT_EQ(WeightRatioAlpha[kVariant][0], 1.0);
  EXPECT_NEAR(NaturalPeriod[kVariant], 0.174, 1e-15);
  EXPECT_EQ(VibrationCharacteristicRt[kVariant], 1.0);
  EXPECT_NEAR(ShearDistributionAi[kVariant][1], 1.2389868488, 1e-9);
  EXPECT_EQ(ShearDistributionAi[kVariant][0], 1.0);
  EXPECT_NEAR(SeismicShearCoefficient[kVariant][1], 0.2477973698, 1e-9);
  EXPECT_NEAR(RequiredStrength[kVariant][1], 10.7444939525, 1e-8);
  EXPECT_NEAR(RequiredStrength[kVariant][0], 19.344, 1e-12);

  EXPECT_NEAR(StoreyWeightSnow[kVariant][1], 63.36, 1e-12);
  EXPECT_NEAR(StoreyWeightSnow[kVariant][0], 116.72, 1e-12);
  EXPECT_NEAR(WeightRatioAlphaSnow[kVariant][1], 0.5428375600, 1e-10);
  EXPECT_NEAR(ShearDistributionAiSnow[kVariant][1], 1.1862162876, 1e-9);
  EXPECT_NEAR(SeismicShearCoefficientSnow[kVariant][1], 0.2372432575, 1e-9);
  EXPECT_NEAR(RequiredStrengthSnow[kVariant][1], 15.0317327966, 1e-8);
  EXPECT_NEAR(RequiredStrengthSnow[kVariant][0], 23.344, 1e-12);
}

TEST_F(BuildingLawTest, ThreeStoreysOnSoftGroundOverAConcreteLowerStructure) {
  // Levels 0..2 carry 60000, 46640 and 26640 N of roof and floor, and a light exterior
  // third-storey wall of 4 m adds 3360 to levels 2 and 1: W3 = 30, W2 = 80, W1 = 140 kN.
  // Mixed structure 1: T = ((8.6 - 3.0) x 0.01 / 8.6 + 0.02) x 8.6 = 0.056 + 0.172 = 0.228 s
  // (0.258 s without); bad ground Tc 0.8: Rt 1. 2T / (1 + 3T) = 0.456 / 1.684 = 0.270784.
  // Z 0.8, very soft ground 1.5, mixed structure 1.2: Qr = 0.8 x Ai x 0.2 x W x 1.8.
  // alpha3 = 30 / 140 = 0.214286: Ai3 = 1 + (2.160247 - 0.214286) x 0.270784 = 1.526935,
  //   Ci3 = 0.244310, Qr3 = 0.244310 x 30 x 1.8 = 13.192717 kN;
  // alpha2 = 80 / 140 = 0.571429: Ai2 = 1 + (1.322876 - 0.571429) x 0.270784 = 1.203480,
  //   Ci2 = 0.192557, Qr2 = 0.192557 x 80 x 1.8 = 27.728173 kN;
  // Qr1 = 0.16 x 140 x 1.8 = 40.32 kN.
  ProjectSettings.TopStorey[kVariant] = 2;
  ProjectSettings.RegionFactorZ = 0.8;
  ProjectSettings.GroundClass = 2;
  ProjectSettings.VerySoftGround = 1;
  ProjectSettings.MixedStructure = 1;
  SetLevelLoad(kVariant, 2, 26640, 4, 5, 26640);
  SetLevelLoad(kVariant, 1, 46640, 4, 5, 46640);
  SetLevelLoad(kVariant, 0, 60000, 4, 5, 60000);
  AddWall(kVariant, 2, 2, 4, 6, 4, 0, 0, 4);
  CalcBuildingLawSeismicForce();
  EXPECT_NEAR(StoreyWeight[kVariant][2], 30, 1e-12);
  EXPECT_NEAR(StoreyWeight[kVariant][1], 80, 1e-12);
  EXPECT_NEAR(StoreyWeight[kVariant][0], 140, 1e-12);
  EXPECT_NEAR(BuildingHeight[kVariant], 8.6, 1e-14);
  EXPECT_NEAR(NaturalPeriod[kVariant], 0.228, 1e-15);
  EXPECT_NEAR(NaturalPeriodSnow[kVariant], 0.228, 1e-15);
  EXPECT_EQ(GroundPeriodTc, 0.8);
  EXPECT_NEAR(ShearDistributionAi[kVariant][2], 1.5269348577, 1e-9);
  EXPECT_NEAR(ShearDistributionAi[kVariant][1], 1.2034797330, 1e-9);
  EXPECT_NEAR(SeismicShearCoefficient[kVariant][2], 0.2443095772, 1e-9);
  EXPECT_NEAR(SeismicShearCoefficient[kVariant][0], 0.16, 1e-15);
  EXPECT_NEAR(RequiredStrength[kVariant][2], 13.1927171709, 1e-8);
  EXPECT_NEAR(RequiredStrength[kVariant][1], 27.7281730480, 1e-8);
  EXPECT_NEAR(RequiredStrength[kVariant][0], 40.32, 1e-12);
  EXPECT_NEAR(RequiredStrengthSnow[kVariant][2], 13.1927171709, 1e-8);
}

TEST_F(BuildingLawTest, PeriodAndRtInTheirRanges) {
  // All weight on level 0, 100 kN: alpha1 = 1, Ai1 = 1, Qr1 = 0.2 x Rt x 100 x mixed factor.
  struct Case {
    const char* what;
    int32_t groundClass, top;
    double h1, h2, h3;
    int32_t mixed;
    double t, tc, rt, qr1;
  } cases[] = {
      // 0.03 x 3.0 = 0.09 < 0.6
      {"short period", 1, 0, 3.0, 0, 0, 0, 0.09, 0.6, 1.0, 20},
      // 0.03 x 15 = 0.45; 0.4 <= 0.45 < 0.8: 1 - 0.2 x (1.125 - 1)² = 0.996875
      {"between Tc and 2 Tc", 0, 0, 15, 0, 0, 0, 0.45, 0.4, 0.996875, 19.9375},
      // 0.03 x 30 = 0.9 >= 0.8: 1.6 x 0.4 / 0.9 = 0.711111
      {"beyond 2 Tc", 0, 0, 30, 0, 0, 0, 0.9, 0.4, 0.7111111111, 14.2222222222},
      // steel lower structure, 3.0 + 2.8: ((5.8 - 3.0) x 0.01 / 5.8 + 0.02) x 5.8 = 0.028 + 0.116
      //   = 0.144 (0.174 without); Qr1 = 0.2 x 100 x 1.2 = 24
      {"mixed, two storeys", 1, 1, 3.0, 2.8, 0, 2, 0.144, 0.6, 1.0, 24},
      // 10 + 5 + 5 = 20 m: (10 x 0.01 / 20 + 0.02) x 20 = 0.1 + 0.4 = 0.5 (0.6 without);
      //   0.4 <= 0.5 < 0.8: 1 - 0.2 x 0.25² = 0.9875; Qr1 = 0.2 x 0.9875 x 100 x 1.2 = 23.7
      {"mixed, three storeys, between Tc and 2 Tc", 0, 2, 10, 5, 5, 1, 0.5, 0.4, 0.9875, 23.7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearAreaWeightSums();
    ProjectSettings.GroundClass = c.groundClass;
    ProjectSettings.TopStorey[kVariant] = c.top;
    ProjectSettings.StoreyHeight[kVariant][0] = c.h1;
    ProjectSettings.StoreyHeight[kVariant][1] = c.h2;
    ProjectSettings.StoreyHeight[kVariant][2] = c.h3;
    ProjectSettings.MixedStructure = c.mixed;
    SetLevelLoad(kVariant, 0, 100000, 0, 0, 100000);
    CalcBuildingLawSeismicForce();
    EXPECT_NEAR(NaturalPeriod[kVariant], c.t, 1e-15);
    EXPECT_EQ(GroundPeriodTc, c.tc);
    EXPECT_NEAR(VibrationCharacteristicRt[kVariant], c.rt, 1e-10);
    EXPECT_NEAR(VibrationCharacteristicRtSnow[kVariant], c.rt, 1e-10);
    EXPECT_NEAR(RequiredStrength[kVariant][0], c.qr1, 1e-8);
    // The storeys above carry nothing: alpha 1e-7, Qr 0, everything finite.
    for (int s = 1; s <= c.top; ++s) {
      EXPECT_EQ(WeightRatioAlpha[kVariant][s], 1e-7);
      EXPECT_TRUE(std::isfinite(ShearDistributionAi[kVariant][s]));
      EXPECT_EQ(RequiredStrength[kVariant][s], 0.0);
    }
  }
  EXPECT_EQ(PendingMessageCount(), 0);
}

TEST_F(BuildingLawTest, MissingStoreyHeightsAreReportedOnceAndTheCalculationGoesOn) {
  // Heights 0: T = 0, Rt = 1, Ai = 1 on every storey. W2 = 40, W1 = 100 kN:
  // Qr2 = 0.2 x 40 = 8, Qr1 = 0.2 x 100 = 20.
  ProjectSettings.TopStorey[kVariant] = 1;
  ProjectSettings.StoreyHeight[kVariant][0] = ProjectSettings.StoreyHeight[kVariant][1] = 0;
  ProjectSettings.StoreyHeight[0][0] = 3.0;  // another variant's heights do not count
  SetLevelLoad(kVariant, 1, 40000, 0, 0, 40000);
  SetLevelLoad(kVariant, 0, 60000, 0, 0, 60000);
  CalcBuildingLawSeismicForce();
  EXPECT_EQ(BuildingHeight[kVariant], 0.0);
  EXPECT_EQ(NaturalPeriod[kVariant], 0.0);
  EXPECT_EQ(NaturalPeriodSnow[kVariant], 0.0);
  EXPECT_EQ(VibrationCharacteristicRt[kVariant], 1.0);
  EXPECT_EQ(ShearDistributionAi[kVariant][1], 1.0);
  EXPECT_NEAR(RequiredStrength[kVariant][1], 8, 1e-12);
  EXPECT_NEAR(RequiredStrength[kVariant][0], 20, 1e-12);
  ASSERT_EQ(PendingMessageCount(), 1);
  EXPECT_STREQ(PendingMessageAt(0).Text, "建物階高を入力して下さい。");
  EXPECT_STREQ(PendingMessageAt(0).Caption, "建物階高");
  EXPECT_EQ(PendingMessageAt(0).Flags, 64);
}

TEST_F(BuildingLawTest, NothingWeighsNothingIsInfinite) {
  // No weight anywhere: alpha 1e-7 on every storey, Qr 0, centres at the origin.
  ProjectSettings.TopStorey[kVariant] = 2;
  for (int s = 0; s < StoreyCount; ++s) CentreOfGravityX[kVariant][s] = CentreOfGravityYSnow[kVariant][s] = 9;
  CalcBuildingLawSeismicForce();
  for (int s = 0; s < StoreyCount; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(WeightRatioAlpha[kVariant][s], 1e-7);
    EXPECT_EQ(WeightRatioAlphaSnow[kVariant][s], 1e-7);
    EXPECT_TRUE(std::isfinite(ShearDistributionAi[kVariant][s]));
    EXPECT_TRUE(std::isfinite(SeismicShearCoefficientSnow[kVariant][s]));
    EXPECT_EQ(RequiredStrength[kVariant][s], 0.0);
    EXPECT_EQ(RequiredStrengthSnow[kVariant][s], 0.0);
    EXPECT_EQ(CentreOfGravityX[kVariant][s], 0.0);
    EXPECT_EQ(CentreOfGravityYSnow[kVariant][s], 0.0);
  }
}

// The step in the chain: a one-storey house of 4 x 4 m drawn through the lists.
class BuildingLawChainTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    ClearPendingMessages();
    LayOutGrid(1.0);
    ProjectSettings.RequiredStrengthMethod = 0;
    ProjectSettings.TopStorey[0] = 0;
    // Light roof (code 3, 700 N/m²) X 1..5, Y 1..5: 700 x 16 = 11200 N at its centre.
    AddRect(0, 0, 1, 1, 5, 5, 3);
    // Light exterior walls round it, 4 m each, 3.0 m high: 600 x 4 x 3.0 = 7200 N, half
    // 3600 each on the first level. Their lengths and wall types are what the storey
    // analysis gives such walls (full length, outer wall without openings).
    const int ends[4][4] = {{1, 1, 5, 1}, {5, 1, 5, 5}, {1, 5, 5, 5}, {1, 1, 1, 5}};
    for (const auto& e : ends) {
      const int i = WallCount[0][0];
      AddWall(0, 0, e[0], e[1], e[2], e[3]);
      WallResults[0][0][i] = WallResult{};
      WallResults[0][0][i].Blocks[0].Length = 4;
      WallResults[0][0][i].Blocks[0].WallType = 0;
    }
    UpdateUsedExtents();
  }
};

TEST_F(BuildingLawChainTest, TheChainAddsTheWallsAndComputesQr) {
  // W1 = (11200 + 4 x 3600) / 1000 = 25.6 kN; T = 0.09 s: Qr = 0.2 x 25.6 = 5.12 kN.
  // Roof and walls are symmetric about the house's centre, 2 m from both origin axes.
  RunRecalculationChain();
  EXPECT_NEAR(StoreyLoadWeight[0][0], 25600, 1e-9);
  EXPECT_NEAR(StoreyWeight[0][0], 25.6, 1e-12);
  EXPECT_NEAR(RequiredStrength[0][0], 5.12, 1e-12);
  EXPECT_NEAR(std::fabs(CentreOfGravityX[0][0]), 2, 1e-12);
  EXPECT_NEAR(std::fabs(CentreOfGravityY[0][0]), 2, 1e-12);

  // The weights step starts the sums from zero on every recalculation: a second
  // one gives the same weight, not the walls twice.
  RunRecalculationChain();
  EXPECT_NEAR(StoreyLoadWeight[0][0], 25600, 1e-9);
  EXPECT_NEAR(RequiredStrength[0][0], 5.12, 1e-12);
  EXPECT_EQ(PendingMessageCount(), 0);
}

TEST_F(BuildingLawChainTest, MissingHeightIsQueuedOncePerRecalculation) {
  ProjectSettings.StoreyHeight[0][0] = 0;
  RunRecalculationChain();
  RunRecalculationChain();  // the queue has not been shown in between
  ASSERT_EQ(PendingMessageCount(), 1);
  EXPECT_STREQ(PendingMessageAt(0).Caption, "建物階高");
  boxes.Expect("建物階高", IDOK);
  ShowPendingMessages();
  EXPECT_EQ(PendingMessageCount(), 0);
  // Walls of height 0 weigh nothing; the roof alone: Qr = 0.2 x 11.2 = 2.24 kN.
  EXPECT_NEAR(RequiredStrength[0][0], 2.24, 1e-12);
}

}  // namespace
