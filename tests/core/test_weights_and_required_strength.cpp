// The weights step as the recalculation runs it: a house drawn through the
// model's lists gives floor areas, weights, centres of gravity and required
// strengths per storey; all variants get their areas, only the current one its
// required strength; the step clears the line arrays and reports missing
// storey heights through the message queue.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "analysis/AreaWeights.h"
#include "analysis/FloorAreas.h"
#include "analysis/FloorCheckShear.h"
#include "analysis/PendingMessages.h"
#include "analysis/RequiredStrength.h"
#include "analysis/StoreyWeights.h"
#include "analysis/WeightsAndRequiredStrength.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

using namespace testmodel;

// A light two-storey house on the 0.91 m module, the start settings (revision 2012, method 2).
// First storey: floor (code 0) X 0..10, Y 0..8 = 9.1 x 7.28 = 66.248 m², and the roof of a
// one-storey part (code 3) X 10..14, Y 0..8 = 3.64 x 7.28 = 26.4992 m².
// Second storey: roof (code 3) X 2..10, Y 0..8 = 7.28 x 7.28 = 52.9984 m², and a light
// balcony (code 2) X 2..10, Y 8..10 = 7.28 x 1.82 = 13.2496 m².
// Origin axes X 0 and Y 8 (the front line of the house, 7.28 m).
class TwoStoreyHouseTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    ClearPendingMessages();
    GridOriginAxisX = 0;
    GridOriginAxisY = 8;
    DrawHouse(0);
  }
  static void DrawHouse(int v) {
    AddRect(v, 0, 0, 0, 10, 8, 0);
    AddRect(v, 0, 10, 0, 14, 8, 3);
    AddRect(v, 1, 2, 0, 10, 8, 3);
    AddRect(v, 1, 2, 8, 10, 10, 2);
  }
};

TEST_F(TwoStoreyHouseTest, FloorAreasZonesAndRequiredStrengthByTheTable) {
  CalcWeightsAndRequiredStrength();

  EXPECT_NEAR(StoreyGrossArea[0][0], 92.7472, 1e-12);  // 66.248 + 26.4992
  EXPECT_NEAR(ComputedFloorArea[0][0], 92.7472, 1e-12);
  EXPECT_NEAR(RequiredStrengthArea[0][0], 92.7472, 1e-12);
  EXPECT_NEAR(StoreyGrossArea[0][1], 66.248, 1e-12);         // 52.9984 + 13.2496
  EXPECT_NEAR(ComputedFloorArea[0][1], 52.9984, 1e-12);      // the balcony is no floor here
  EXPECT_NEAR(RequiredStrengthArea[0][1], 58.29824, 1e-12);  // 52.9984 + 0.4 x 13.2496

  // Extents 12.74 x 7.28 and 7.28 x 7.28 m: short sides of at least 6 m, no plan-shape increase.
  EXPECT_NEAR(ShortSideLength[0][0], 7.28, 1e-12);
  EXPECT_NEAR(ShortSideLength[0][1], 7.28, 1e-12);
  EXPECT_EQ(PlanShapeFactor[0][0], 1.0);
  EXPECT_EQ(PlanShapeFactor[0][1], 1.0);

  // Rf1 = 58.29824 / 92.7472 = 8.8 / 14 = 0.628571; K1 = 0.4 + 0.6 x 0.628571 = 0.777143,
  // K2 = 1.3 + 0.07 / 0.628571 = 1.411364.
  // Qr1 = 0.72 x 0.777143 x 92.7472 = 0.559543 x 92.7472 = 51.89603 kN;
  // Qr2 = 0.28 x 1.411364 x 58.29824 = 0.395182 x 58.29824 = 23.03840 kN.
  EXPECT_NEAR(RequiredStrengthFactorsA.Rf1, 22.0 / 35, 1e-12);
  EXPECT_NEAR(RequiredStrength[0][0], 51.89603328, 1e-7);
  EXPECT_NEAR(RequiredStrength[0][1], 23.03840448, 1e-7);
  EXPECT_NEAR(RequiredWallLength[0][0], 26.896688, 1e-9);  // 0.29 x 92.7472
  EXPECT_NEAR(RequiredWallLength[0][1], 7.94976, 1e-9);    // 0.15 x 52.9984

  // First-storey zones: b1 = 12.74 / 4 = 3.185, b2 = 12.74 - 3.185 = 9.555, bA = 1.82, bB = 5.46.
  // The second storey ends at X 9.1 < 9.555: zone 2 takes the one-storey 0.28 kN/m². It holds
  // only the one-storey roof beyond 9.555: 7.28 x (12.74 - 9.555) = 23.1868 m².
  EXPECT_NEAR(QuarterZoneBoundary2[0][0], 9.555, 1e-12);
  EXPECT_NEAR(RequiredStrengthArea2[0][0], 23.1868, 1e-12);
  EXPECT_NEAR(RequiredStrengthPerArea2[0][0], 0.28, 1e-15);
  EXPECT_NEAR(RequiredStrengthZone2[0][0], 6.492304, 1e-12);  // 0.28 x 23.1868
  // Zone 1 is reached and keeps the storey value: 0.559543 x (7.28 x 3.185 = 23.1868).
  EXPECT_NEAR(RequiredStrengthZone1[0][0], 12.97400832, 1e-7);

  // Weights from the start load table: floor 600, roof 700, balcony 600 N/m².
  EXPECT_NEAR(StoreyLoadWeight[0][0], 58298.24, 1e-8);  // 600 x 66.248 + 700 x 26.4992
  EXPECT_NEAR(StoreyLoadWeight[0][1], 45048.64, 1e-8);  // 700 x 52.9984 + 600 x 13.2496

  // Centres of gravity by weighted area: floor 66.248 x 2.15 = 142.4332 at (4.55, 3.64),
  // low roof 26.4992 x 1.43 = 37.893856 at (10.92, 3.64), upper roof 52.9984 x 1.43 = 75.787712
  // at (5.46, 3.64), balcony 13.2496 x 0.86 = 11.394656 at (5.46, 7.28 - 8.19 = -0.91).
  // Second storey: y = (75.787712 x 3.64 - 11.394656 x 0.91) / 87.182368 = 3.045319.
  // First storey: x = (142.4332 x 4.55 + 37.893856 x 10.92 + 87.182368 x 5.46) / 267.509424
  //   = 1537.8877 / 267.509424 = 5.748910; y = (256.114768 x 3.64 - 10.369137) / 267.509424 = 3.446191.
  EXPECT_NEAR(CentreOfGravityX[0][1], 5.46, 1e-12);
  EXPECT_NEAR(CentreOfGravityY[0][1], 3.045319149, 1e-9);
  EXPECT_NEAR(CentreOfGravityX[0][0], 5.748910352, 1e-9);
  EXPECT_NEAR(CentreOfGravityY[0][0], 3.446191184, 1e-9);
}

TEST_F(TwoStoreyHouseTest, RequiredStrengthBySimpleTable) {
  ProjectSettings.RequiredStrengthMethod = 3;
  CalcWeightsAndRequiredStrength();
  EXPECT_NEAR(RequiredStrength[0][0], 76.980176, 1e-9);   // 0.83 x 92.7472
  EXPECT_NEAR(RequiredStrength[0][1], 21.5703488, 1e-9);  // 0.37 x 58.29824
}

TEST_F(TwoStoreyHouseTest, RequiredStrengthByStoreyWeights) {
  // Weight areas: first storey roof 26.4992, walls 66.248 + 26.4992 = 92.7472, floor 66.248;
  // second storey roof 52.9984, walls 52.9984, floor 0.4 x 13.2496 = 5.29984 (the balcony).
  // W2 = 52.9984 x 0.95 + 0.95 x 52.9984 / 2 + 1.2 x 5.29984 = 50.34848 + 25.17424 + 6.359808 = 81.882528
  // W1 = 26.4992 x 0.95 + 0.95 x 92.7472 / 2 + 0.95 x 52.9984 / 2 + 1.2 x 66.248 + W2
  //    = 25.17424 + 44.05492 + 25.17424 + 79.4976 + 81.882528 = 255.783528
  // T = 0.03 x 5.8 = 0.174; alpha2 = 0.320124; Ai2 = 1 + (1.767422 - 0.320124) x 0.228647 = 1.330920.
  ProjectSettings.RequiredStrengthMethod = 1;
  CalcWeightsAndRequiredStrength();
  EXPECT_NEAR(FloorWeightArea[0][1], 5.29984, 1e-12);
  EXPECT_NEAR(StoreyWeight[0][1], 81.882528, 1e-9);
  EXPECT_NEAR(StoreyWeight[0][0], 255.783528, 1e-9);
  EXPECT_NEAR(ShearDistributionAi[0][1], 1.33091996, 1e-8);
  EXPECT_NEAR(RequiredStrength[0][0], 51.1567056, 1e-9);  // 0.2 x 255.783528
  EXPECT_NEAR(RequiredStrength[0][1], 21.7958181, 1e-6);  // 0.2 x 1.330920 x 81.882528
  EXPECT_EQ(PendingMessageCount(), 0);
}

TEST_F(TwoStoreyHouseTest, AreasForEveryVariantRequiredStrengthForTheCurrentOne) {
  // The first retrofit plan: the same house, heavy, with 3900 N/m² added on the first-storey
  // floor: + 66.248 x 3.9 / 3.9 = 66.248 m² of calculation area.
  DrawHouse(1);
  ProjectSettings.WeightClass[1] = 1;
  RoofFloorRects[1][0][0].AddedLoad = 3900;
  RequiredStrength[1][0] = 777;
  CalcWeightsAndRequiredStrength();
  EXPECT_NEAR(RequiredStrengthArea[1][0], 158.9952, 1e-9);  // 92.7472 + 66.248
  EXPECT_NEAR(RequiredStrengthArea[0][0], 92.7472, 1e-12);
  EXPECT_EQ(RequiredStrength[1][0], 777);  // not current: untouched
  const double current = RequiredStrength[0][0];

  CurrentVariant = 1;
  CalcWeightsAndRequiredStrength();
  // Rf1 = 58.29824 / 158.9952 = 0.366666; K1 = 0.4 + 0.6 x 0.366666 = 0.62;
  // heavy: 0.92 x 0.62 x 158.9952 = 90.69086 kN.
  EXPECT_NEAR(RequiredStrengthFactorsA.Rf1, 0.3666666667, 1e-9);
  EXPECT_NEAR(RequiredStrength[1][0], 90.6908621, 1e-6);
  EXPECT_EQ(RequiredStrength[0][0], current);  // the other variant keeps its last value
}

TEST_F(AreaTest, UpperStoreyInTheMiddleHalfLeavesEveryZoneToTheOneStoreyValue) {
  // 1 m grid. First storey floor X 0..16, Y 0..16 (256 m²), boundaries at 4 and 12 both ways;
  // second storey roof X 6..10, Y 6..10 (16 m²) reaches none of the four zones.
  // Its short side 4 m gives 1.15, which method 2 moves to the first storey.
  // Rf1 = 16 / 256 = 0.0625, raised to 0.1: K1 = 0.46, K2 = 2.0.
  AddRect(0, 0, 0, 0, 16, 16, 0);
  AddRect(0, 1, 6, 6, 10, 10, 3);
  CalcWeightsAndRequiredStrength();
  EXPECT_EQ(PlanShapeFactor[0][0], 1.15);
  EXPECT_EQ(PlanShapeFactor[0][1], 1.0);
  EXPECT_NEAR(RequiredStrength[0][0], 97.50528, 1e-9);  // 0.72 x 0.46 x 1.15 x 256
  EXPECT_NEAR(RequiredStrength[0][1], 8.96, 1e-12);     // 0.28 x 2.0 x 16
  for (StoreyArray* zone :
       {&RequiredStrengthZoneA, &RequiredStrengthZoneB, &RequiredStrengthZone1, &RequiredStrengthZone2})
    EXPECT_NEAR((*zone)[0][0], 20.608, 1e-12);  // 0.28 x 1.15 x (4 x 16 = 64)
}

TEST_F(AreaTest, OnlyTheFirstStoreyDrawnOnATwoStoreyVariant) {
  // The start project has two storeys; the second is still empty. It has no plan: no
  // plan-shape increase reaches the first storey, and it reaches none of its zones.
  // K1 = 0.4 + 0.6 x 0.1 = 0.46: Qr1 = 0.72 x 0.46 x 256 = 84.7872 kN.
  AddRect(0, 0, 0, 0, 16, 16, 0);
  CalcWeightsAndRequiredStrength();
  EXPECT_EQ(PlanShapeFactor[0][0], 1.0);
  EXPECT_NEAR(RequiredStrength[0][0], 84.7872, 1e-9);
  EXPECT_NEAR(RequiredStrengthZoneA[0][0], 17.92, 1e-12);  // 0.28 x 64
  EXPECT_NEAR(RequiredStrengthZone2[0][0], 17.92, 1e-12);
  EXPECT_EQ(RequiredStrength[0][1], 0.0);
}

TEST_F(AreaTest, BuildingLawMethodLeavesTheRequiredStrengthToItsOwnStep) {
  ProjectSettings.RequiredStrengthMethod = 0;
  AddRect(0, 0, 0, 0, 10, 10, 0);
  RequiredStrength[0][0] = 42;
  RequiredWallLength[0][0] = 43;
  CalcWeightsAndRequiredStrength();
  EXPECT_EQ(RequiredStrength[0][0], 42);
  // The building-law wall length is still required: the first of two light
  // storeys, 0.29 x 100 m².
  EXPECT_NEAR(RequiredWallLength[0][0], 29, 1e-9);
  EXPECT_NEAR(StoreyCalcAreaSnow[0][0], 100, 1e-12);
  EXPECT_NEAR(CentreOfGravityX[0][0], 5, 1e-12);
}

TEST_F(AreaTest, LineArraysAreClearedForEveryVariant) {
  LineStiffnessX[2][1][5][3] = 7;
  LineStiffnessY[1][2][199][0] = 7;
  LineShearX[0][0][0][4] = 7;
  LineShearY[0][2][299][2] = 7;
  CalcWeightsAndRequiredStrength();
  EXPECT_EQ(LineStiffnessX[2][1][5][3], 0.0);
  EXPECT_EQ(LineStiffnessY[1][2][199][0], 0.0);
  EXPECT_EQ(LineShearX[0][0][0][4], 0.0);
  EXPECT_EQ(LineShearY[0][2][299][2], 0.0);
}

// The accumulated floor shears of the diaphragm check too, in every member and loading case,
// also of the variants that are not current.
TEST_F(AreaTest, FloorCheckShearsAreClearedForEveryVariant) {
  FloorCheckRequired[FloorCheckXFromBelowNear][2][1][5][3] = 7;
  FloorCheckRequired[FloorCheckYFromRightFar][0][2][299][4] = 7;
  FloorCheckRequired[FloorCheckXFromAboveFar][1][0][0][0] = 7;
  CalcWeightsAndRequiredStrength();
  EXPECT_EQ(FloorCheckRequired[FloorCheckXFromBelowNear][2][1][5][3], 0.0);
  EXPECT_EQ(FloorCheckRequired[FloorCheckYFromRightFar][0][2][299][4], 0.0);
  EXPECT_EQ(FloorCheckRequired[FloorCheckXFromAboveFar][1][0][0][0], 0.0);
}

TEST_F(AreaTest, MissingStoreyHeightIsShownOnceAfterThePaint) {
  ClearPendingMessages();
  ProjectSettings.RequiredStrengthMethod = 1;
  ProjectSettings.StoreyHeight[0][0] = ProjectSettings.StoreyHeight[0][1] = 0;
  AddRect(0, 0, 0, 0, 10, 10, 3);
  CalcWeightsAndRequiredStrength();  // the recalculation itself shows nothing
  CalcWeightsAndRequiredStrength();
  EXPECT_TRUE(boxes.Calls().empty());
  boxes.Expect("建物階高", IDOK);
  ShowPendingMessages();
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "建物階高を入力して下さい。");
  EXPECT_EQ(boxes.Calls()[0].flags, 64);
}

}  // namespace
