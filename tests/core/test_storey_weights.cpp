// Required strength by storey weights: storey weights from the part unit
// weights and the weight areas, weight ratio, natural period, Rt, Ai, Ci and
// Qr, without and with snow, and the message when the storey heights are missing.
#include <gtest/gtest.h>

#include <cmath>

#include "ModelFixture.h"
#include "analysis/FloorAreas.h"
#include "analysis/PendingMessages.h"
#include "analysis/RequiredStrength.h"
#include "analysis/StoreyWeights.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

struct StoreyAreas {
  double roof, wall, floor;
};

class StoreyWeightsTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    ClearPendingMessages();
    ProjectSettings.RequiredStrengthMethod = 1;
  }
  // Weight areas of variant 0 (snow copies equal), all parts light, plan-shape factor 1.
  void SetBuilding(int top, std::initializer_list<StoreyAreas> storeys) {
    ProjectSettings.TopStorey[0] = top;
    int s = 0;
    for (const StoreyAreas& a : storeys) {
      RoofWeightArea[0][s] = RoofWeightAreaSnow[0][s] = a.roof;
      WallWeightArea[0][s] = WallWeightAreaSnow[0][s] = a.wall;
      FloorWeightArea[0][s] = FloorWeightAreaSnow[0][s] = a.floor;
      PlanShapeFactor[0][s] = 1.0;
      ++s;
    }
  }
};

// Light parts: roof 0.95, walls 0.75 + 0.2 = 0.95, floor and live load 0.6 + 0.6 = 1.2 kN/m².
TEST_F(StoreyWeightsTest, OneLightStorey) {
  // Roof 50 m², walls 50 m², height 2.8 m: W = 50 x 0.95 + 0.95 x 50 / 2 = 71.25 kN;
  // T = 0.03 x 2.8 = 0.084 s < Tc 0.6: Rt 1; alpha 1: Ai 1; Ci = 0.2; Qr = 14.25 kN.
  SetBuilding(0, {{50, 50, 0}});
  ProjectSettings.StoreyHeight[0][0] = 2.8;
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_NEAR(StoreyWeight[0][0], 71.25, 1e-12);
  EXPECT_DOUBLE_EQ(WeightRatioAlpha[0][0], 1.0);
  EXPECT_DOUBLE_EQ(BuildingHeight[0], 2.8);
  EXPECT_NEAR(NaturalPeriod[0], 0.084, 1e-15);
  EXPECT_DOUBLE_EQ(GroundPeriodTc, 0.6);
  EXPECT_DOUBLE_EQ(VibrationCharacteristicRt[0], 1.0);
  EXPECT_DOUBLE_EQ(ShearDistributionAi[0][0], 1.0);
  EXPECT_DOUBLE_EQ(SeismicShearCoefficient[0][0], 0.2);
  EXPECT_NEAR(RequiredStrength[0][0], 14.25, 1e-12);
  EXPECT_NEAR(RequiredStrengthSnow[0][0], 14.25, 1e-12);
}

TEST_F(StoreyWeightsTest, TwoStoreysWithAndWithoutSnow) {
  // Second storey: roof 40, walls 40; first storey: walls 60, floor 40; heights 3.0 + 2.8.
  // W2 = 40 x 0.95 + 0.95 x 40 / 2 = 38 + 19 = 57 kN
  // W1 = 0.95 x 60 / 2 + 0.95 x 40 / 2 + 1.2 x 40 + W2 = 28.5 + 19 + 48 + 57 = 152.5 kN
  // alpha2 = 57 / 152.5 = 0.37377; T = 0.03 x 5.8 = 0.174 s, Rt 1;
  // Ai2 = 1 + (1 / sqrt(0.37377) - 0.37377) x 0.348 / 1.522 = 1 + 1.26189 x 0.228647 = 1.288530;
  // Qr2 = 0.2 x 1.288530 x 57 = 14.68925 kN; Qr1 = 0.2 x 152.5 = 30.5 kN.
  // Snow 0.26: roof 0.95 + 1.3 = 2.25: Ws2 = 40 x 2.25 + 19 = 109, Ws1 = 28.5 + 19 + 48 + 109 = 204.5;
  // alpha2 = 0.533007, Ai2 = 1 + (1.369728 - 0.533007) x 0.228647 = 1.191313;
  // Qr2 = 0.2 x 1.191313 x 109 = 25.97061 kN; Qr1 = 0.2 x 204.5 = 40.9 kN.
  SetBuilding(1, {{0, 60, 40}, {40, 40, 0}});
  ProjectSettings.SnowLoad = 0.26;
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_NEAR(StoreyWeight[0][1], 57, 1e-12);
  EXPECT_NEAR(StoreyWeight[0][0], 152.5, 1e-12);
  EXPECT_NEAR(WeightRatioAlpha[0][1], 0.3737704918, 1e-10);
  EXPECT_NEAR(NaturalPeriod[0], 0.174, 1e-15);
  EXPECT_NEAR(ShearDistributionAi[0][1], 1.28853048, 1e-8);
  EXPECT_NEAR(RequiredStrength[0][1], 14.6892475, 1e-6);
  EXPECT_NEAR(RequiredStrength[0][0], 30.5, 1e-12);
  EXPECT_NEAR(StoreyWeightSnow[0][1], 109, 1e-12);
  EXPECT_NEAR(StoreyWeightSnow[0][0], 204.5, 1e-12);
  EXPECT_NEAR(WeightRatioAlphaSnow[0][1], 0.5330073350, 1e-10);
  EXPECT_NEAR(ShearDistributionAiSnow[0][1], 1.19131260, 1e-8);
  EXPECT_NEAR(RequiredStrengthSnow[0][1], 25.9706146, 1e-6);
  EXPECT_NEAR(RequiredStrengthSnow[0][0], 40.9, 1e-12);
  EXPECT_DOUBLE_EQ(BuildingHeightSnow[0], 5.8);
  EXPECT_EQ(PendingMessageCount(), 0);
}

TEST_F(StoreyWeightsTest, ThreeStoreys) {
  // Third: roof 30, walls 30; second: walls 40, floor 30; first: roof 10, walls 60, floor 40.
  // W3 = 28.5 + 0.95 x 15 = 42.75
  // W2 = 0.95 x 20 + 0.95 x 15 + 1.2 x 30 + 42.75 = 19 + 14.25 + 36 + 42.75 = 112
  // W1 = 10 x 0.95 + 0.95 x 30 + 0.95 x 20 + 1.2 x 40 + 112 = 9.5 + 28.5 + 19 + 48 + 112 = 217
  // T = 0.03 x (3.0 + 2.8 + 2.8) = 0.258 s; Qr1 = 0.2 x 217 = 43.4;
  // Ai2 = 1 + (1 / sqrt(112/217) - 112/217) x 0.516 / 1.774 = 1 + 0.875812 x 0.290868
  //     = 1.254746, Qr2 = 0.2 x 1.254746 x 112 = 28.10631;
  // Ai3 = 1 + (1 / sqrt(0.197005) - 0.197005) x 0.290868 = 1 + 2.055997 x 0.290868 = 1.598024,
  //     Qr3 = 0.2 x 1.598024 x 42.75 = 13.66311.
  SetBuilding(2, {{10, 60, 40}, {0, 40, 30}, {30, 30, 0}});
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_NEAR(StoreyWeight[0][2], 42.75, 1e-12);
  EXPECT_NEAR(StoreyWeight[0][1], 112, 1e-12);
  EXPECT_NEAR(StoreyWeight[0][0], 217, 1e-12);
  EXPECT_NEAR(WeightRatioAlpha[0][2], 42.75 / 217, 1e-15);
  EXPECT_NEAR(NaturalPeriod[0], 0.258, 1e-15);
  EXPECT_NEAR(RequiredStrength[0][0], 43.4, 1e-12);
  EXPECT_NEAR(RequiredStrength[0][1], 28.1063056, 1e-6);
  EXPECT_NEAR(RequiredStrength[0][2], 13.6631085, 1e-6);
}

TEST_F(StoreyWeightsTest, PartClassesAndPlanShape) {
  // Heavy roof 1.3, very heavy outer wall 1.2 and inner wall 0.45; roof 50, walls 50, floor 10:
  // W = 50 x 1.3 + 1.65 x 25 + 1.2 x 10 = 65 + 41.25 + 12 = 118.25 kN, Qr = 23.65 kN.
  SetBuilding(0, {{50, 50, 10}});
  ProjectSettings.PartWeightClass[0][PartRoof] = 1;
  ProjectSettings.PartWeightClass[0][PartOuterWall] = 2;
  ProjectSettings.PartWeightClass[0][PartInnerWall] = 2;
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_NEAR(StoreyWeight[0][0], 118.25, 1e-12);
  EXPECT_NEAR(RequiredStrength[0][0], 23.65, 1e-12);

  // The plan-shape factor multiplies only the walls. Two light storeys as above with
  // factor 1.15 on the first: W1 = 0.95 x 30 x 1.15 + 0.95 x 20 + 48 + 57 = 156.775 kN.
  ProjectSettings.PartWeightClass[0][PartRoof] = 0;
  ProjectSettings.PartWeightClass[0][PartOuterWall] = 0;
  ProjectSettings.PartWeightClass[0][PartInnerWall] = 0;
  SetBuilding(1, {{0, 60, 40}, {40, 40, 0}});
  PlanShapeFactor[0][0] = 1.15;
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_NEAR(StoreyWeight[0][1], 57, 1e-12);
  EXPECT_NEAR(StoreyWeight[0][0], 156.775, 1e-12);
}

TEST_F(StoreyWeightsTest, GroundMixedStructureAndSoftGround) {
  struct Case {
    const char* what;
    void (*set)();
    double tc, t, rt, qr1;  // one light storey of W = 71.25 kN unless said
  } cases[] = {
      {"good ground", [] { ProjectSettings.GroundClass = 0; }, 0.4, 0.084, 1, 14.25},
      {"bad ground", [] { ProjectSettings.GroundClass = 2; }, 0.8, 0.084, 1, 14.25},
      {"any other class", [] { ProjectSettings.GroundClass = 7; }, 0.8, 0.084, 1, 14.25},
      // 20 m: T = 0.6 on good ground, Tc <= T < 2 Tc: Rt = 1 - 0.2 (1.5 - 1)² = 0.95; 0.2 x 0.95 x 71.25.
      {"long period",
       [] {
         ProjectSettings.GroundClass = 0;
         ProjectSettings.StoreyHeight[0][0] = 20;
       },
       0.4, 0.6, 0.95, 13.5375},
      {"very soft ground", [] { ProjectSettings.VerySoftGround = 1; }, 0.6, 0.084, 1, 21.375},  // x 1.5
      // One storey: T = (0.02 + 0.01 x 0 / 2.8) x 2.8 = 0.056 s; Qr x 1.2.
      {"mixed structure", [] { ProjectSettings.MixedStructure = 1; }, 0.6, 0.056, 1, 17.1},
      {"Z 0.7", [] { ProjectSettings.RegionFactorZ = 0.7; }, 0.6, 0.084, 1, 9.975},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RestoreProjectSettingsStartValues();
    ProjectSettings.RequiredStrengthMethod = 1;
    ProjectSettings.StoreyHeight[0][0] = 2.8;
    SetBuilding(0, {{50, 50, 0}});
    c.set();
    CalcRequiredStrengthByStoreyWeights();
    EXPECT_DOUBLE_EQ(GroundPeriodTc, c.tc);
    EXPECT_NEAR(NaturalPeriod[0], c.t, 1e-15);
    EXPECT_NEAR(VibrationCharacteristicRt[0], c.rt, 1e-15);
    EXPECT_NEAR(RequiredStrength[0][0], c.qr1, 1e-12);
  }

  // Mixed structure on two storeys of 3.0 m: H = 6, T = (0.02 + 0.01 x 3 / 6) x 6 = 0.15 s.
  // Ai2 = 1 + (1.635678 - 0.373770) x 0.3 / 1.45 = 1.261084; Qr2 = 0.2 x 1.261084 x 57 x 1.2 = 17.25163.
  RestoreProjectSettingsStartValues();
  ProjectSettings.MixedStructure = 1;
  ProjectSettings.StoreyHeight[0][1] = 3.0;
  SetBuilding(1, {{0, 60, 40}, {40, 40, 0}});
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_NEAR(NaturalPeriod[0], 0.15, 1e-15);
  EXPECT_NEAR(RequiredStrength[0][0], 36.6, 1e-12);  // 0.2 x 152.5 x 1.2
  EXPECT_NEAR(RequiredStrength[0][1], 17.25163, 1e-5);
}

TEST_F(StoreyWeightsTest, MissingStoreyHeightsAreReportedAndTheCalculationGoesOn) {
  // Heights 0: T = 0, so Rt = 1 and Ai = 1 on every storey: Qr2 = 0.2 x 57 = 11.4.
  SetBuilding(1, {{0, 60, 40}, {40, 40, 0}});
  ProjectSettings.StoreyHeight[0][0] = ProjectSettings.StoreyHeight[0][1] = 0;
  CalcRequiredStrengthByStoreyWeights();
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_EQ(NaturalPeriod[0], 0.0);
  EXPECT_DOUBLE_EQ(ShearDistributionAi[0][1], 1.0);
  EXPECT_NEAR(RequiredStrength[0][1], 11.4, 1e-12);
  ASSERT_EQ(PendingMessageCount(), 1);  // once, however often raised
  EXPECT_STREQ(PendingMessageAt(0).Text, "建物階高を入力して下さい。");
  EXPECT_STREQ(PendingMessageAt(0).Caption, "建物階高");
  EXPECT_EQ(PendingMessageAt(0).Flags, 64);
  boxes.Expect("建物階高", IDOK);
  ShowPendingMessages();

  // Negative heights from a damaged file count as missing: no negative period.
  ProjectSettings.StoreyHeight[0][0] = -3;
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_EQ(NaturalPeriod[0], 0.0);
  EXPECT_EQ(PendingMessageCount(), 1);
  ClearPendingMessages();
}

TEST_F(StoreyWeightsTest, WeightlessOrNegativeFirstStorey) {
  // No weight at all: every alpha 1e-7 and every Qr 0.
  SetBuilding(1, {{0, 0, 0}, {0, 0, 0}});
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_EQ(WeightRatioAlpha[0][0], 1e-7);
  EXPECT_EQ(WeightRatioAlpha[0][1], 1e-7);
  EXPECT_EQ(RequiredStrength[0][0], 0.0);
  EXPECT_EQ(RequiredStrength[0][1], 0.0);

  // A negative floor weight area (negative added loads): W1 = 28.5 + 19 - 240 + 57 = -135.5 kN.
  // The ratio 57 / -135.5 is below 0 and becomes 1e-7 instead of a square root of a negative.
  SetBuilding(1, {{0, 60, -200}, {40, 40, 0}});
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_NEAR(StoreyWeight[0][0], -135.5, 1e-12);
  EXPECT_EQ(WeightRatioAlpha[0][1], 1e-7);
  EXPECT_TRUE(std::isfinite(ShearDistributionAi[0][1]));
  EXPECT_TRUE(std::isfinite(RequiredStrength[0][1]));
}

TEST_F(StoreyWeightsTest, RtAndAi) {
  struct Case {
    double t, tc, rt;
  } cases[] = {
      {0.0, 0.4, 1.0},    {0.5, 0.6, 1.0}, {0.6, 0.6, 1.0},  // Tc: 1 - 0.2 x 0²
      {1.0, 0.8, 0.9875},                                    // 1 - 0.2 x 0.25²
      {1.2, 0.6, 0.8},                                       // 2 Tc: 1.6 x 0.6 / 1.2
      {2.0, 0.8, 0.64},                                      // 1.6 x 0.8 / 2.0
  };
  for (const Case& c : cases)
    EXPECT_NEAR(VibrationCharacteristic(c.t, c.tc), c.rt, 1e-15) << c.t << " " << c.tc;
  // 1 + (1 / sqrt(0.5) - 0.5) x 0.4 / 1.6 = 1 + 0.9142136 x 0.25
  EXPECT_NEAR(ShearDistribution(0.5, 0.2), 1.2285533906, 1e-10);
  EXPECT_DOUBLE_EQ(ShearDistribution(1.0, 0.3), 1.0);
}

TEST_F(StoreyWeightsTest, OnlyTheCurrentVariant) {
  SetBuilding(0, {{50, 50, 0}});
  RequiredStrength[1][0] = 777;
  CurrentVariant = 0;
  CalcRequiredStrengthByStoreyWeights();
  EXPECT_EQ(RequiredStrength[1][0], 777);
  EXPECT_EQ(StoreyWeight[1][0], 0.0);
}

}  // namespace
