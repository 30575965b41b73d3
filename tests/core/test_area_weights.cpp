// Unit loads of the area codes, area weights without and with snow, centroids,
// moments and the centres of gravity of the storeys and the storeys above them.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "analysis/AreaWeights.h"
#include "analysis/WeightsAndRequiredStrength.h"
#include "model/ProjectSettings.h"

namespace {

using namespace testmodel;

using AreaWeightsTest = AreaTest;

TEST_F(AreaWeightsTest, UnitLoadOfEveryAreaCode) {
  // A load table whose every entry differs: row r, class c holds 100 (r + 1) + 10 (c + 1).
  for (int r = 0; r < LoadTakeOffRows; ++r)
    for (int c = 0; c < LoadTakeOffClasses; ++c)
      ProjectSettings.LoadTakeOff[r][c] = 100 * (r + 1) + 10 * (c + 1);
  const double user = 999;
  const double expected[AreaCodeCount] = {
      110,   // 0 floor, light: floor row, light
      0,     // 1 atrium
      210,   // 2 balcony, light
      310,   // 3 roof, light
      320,   // 4 roof, heavy
      0,     // 5 attic storage
      0,     // 6 largest rectangle
      0,     // 7 independent load
      330,   // 8 roof, very heavy
      user,  // 9 roof, individual
      410,   // 10 eaves, light
      420,   // 11 eaves, heavy
      430,   // 12 eaves, very heavy
      user,  // 13 eaves, individual
      120,   // 14 floor, heavy
      130,   // 15 floor, very heavy
      user,  // 16 floor, individual
      220,   // 17 balcony, heavy
      230,   // 18 balcony, very heavy
      user,  // 19 balcony, individual
  };
  for (int code = 0; code < AreaCodeCount; ++code)
    EXPECT_EQ(GetUnitLoadForSpec(code, user), expected[code]) << code;
  EXPECT_EQ(GetUnitLoadForSpec(20, user), 1.0);
  EXPECT_EQ(GetUnitLoadForSpec(-1, user), 1.0);
}

TEST_F(AreaWeightsTest, AreaWeightWithoutAndWithSnow) {
  // Start load table (floor 600, balcony 600, roof 700/950/1500, eaves 700/950/1500 N/m²) and
  // 1 m of snow: SnowLoad 0.26, so 0.26 x 5 x 1000 = 1300 N/m² on balconies, roofs and eaves.
  // Rectangle X 1..3, Y 1..6 of 10 m²; triangle (0,0), (4,0), (0,3) of 6 m².
  ProjectSettings.SnowLoad = 0.26;
  struct Case {
    const char* what;
    bool triangle;
    int code;
    AreaLoads loads;
    double w, ws;  // N
  } cases[] = {
      {"light roof", false, 3, {}, 7000, 20000},                                      // 700 x 10; + 10 x 1300
      {"floor with live load: no snow", false, 0, {.LiveLoad = 1800}, 24000, 24000},  // (600 + 1800) x 10
      {"individual roof", false, 9, {.DeadLoad = 1200}, 12000, 25000},                // 1200 x 10; + 13000
      {"independent load", false, 7, {.LiveLoad = 500, .AddedLoad = 300}, 8000, 8000},  // 500 x 10 + 10 x 300
      {"attic storage", false, 5, {.LiveLoad = 1000}, 10000, 10000},                    // only its live load
      {"eaves", false, 10, {}, 7000, 20000},
      {"balcony", false, 2, {.LiveLoad = 1800}, 24000, 37000},  // (600 + 1800) x 10; + 13000
      {"atrium", false, 1, {}, 0, 0},
      {"negative added load on a rectangle", false, 0, {.AddedLoad = -200}, 4000, 4000},  // 6000 - 2000
      {"triangle with live and added load", true, 0, {.LiveLoad = 1800, .AddedLoad = 200}, 15600, 15600},
      // (600 + 1800) x 6 + 6 x 200 = 14400 + 1200
      {"negative added load on a triangle is ignored", true, 0, {.AddedLoad = -200}, 3600, 3600},
      {"triangle roof", true, 3, {}, 4200, 12000},  // 700 x 6; + 6 x 1300
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetModel(ResetForNewProject);
    if (c.triangle)
      AddTriangle(0, 0, 0, 0, 4, 0, 0, 3, c.code, c.loads);
    else
      AddRect(0, 0, 1, 1, 3, 6, c.code, c.loads);
    CalcWeightsAndRequiredStrength();
    EXPECT_NEAR(StoreyLoadWeight[0][0], c.w, 1e-9);
    EXPECT_NEAR(StoreyLoadWeightSnow[0][0], c.ws, 1e-9);
  }
}

TEST_F(AreaWeightsTest, CentroidsAndMomentsFromTheOriginAxes) {
  // Origin at X axis 1 (1 m) and Y axis 10 (10 m); y counts upward, away from higher Y axes.
  GridOriginAxisX = 1;
  GridOriginAxisY = 10;
  ProjectSettings.SnowLoad = 0.26;
  AddRect(0, 0, 1, 1, 3, 6, 3);  // light roof, 10 m², centre (2, 3.5): x = 2 - 1 = 1, y = 10 - 3.5 = 6.5
  AddTriangle(0, 1, 0, 0, 4, 0, 0, 3, 0);  // floor, 6 m², centre (4/3, 1): x = 1/3, y = 10 - 1 = 9
  CalcWeightsAndRequiredStrength();

  EXPECT_DOUBLE_EQ(RectWeightArea[0][0][0], 10.0);
  EXPECT_DOUBLE_EQ(RectWeightedArea[0][0][0], 14.3);  // 10 x 1.43
  EXPECT_DOUBLE_EQ(RectCentroidX[0][0][0], 1.0);
  EXPECT_DOUBLE_EQ(RectCentroidY[0][0][0], 6.5);
  EXPECT_DOUBLE_EQ(RectMomentX[0][0][0], 14.3);      // 14.3 x 1
  EXPECT_DOUBLE_EQ(RectMomentY[0][0][0], 92.95);     // 14.3 x 6.5
  EXPECT_DOUBLE_EQ(RectCalcMomentX[0][0][0], 10.0);  // calculation area 10 x 1
  EXPECT_DOUBLE_EQ(RectCalcMomentY[0][0][0], 65.0);
  EXPECT_DOUBLE_EQ(LoadMomentX[0][0], 7000.0);        // 7000 N x 1 m
  EXPECT_DOUBLE_EQ(LoadMomentY[0][0], 45500.0);       // 7000 x 6.5
  EXPECT_DOUBLE_EQ(LoadMomentXSnow[0][0], 20000.0);   // 20000 x 1
  EXPECT_DOUBLE_EQ(LoadMomentYSnow[0][0], 130000.0);  // 20000 x 6.5
  EXPECT_DOUBLE_EQ(WeightAreaSum[0][0], 14.3);
  EXPECT_DOUBLE_EQ(CalcAreaMomentYSnow[0][0], 65.0);

  EXPECT_DOUBLE_EQ(TriWeightArea[0][1][0], 6.0);
  EXPECT_DOUBLE_EQ(TriWeightedArea[0][1][0], 12.9);  // 6 x 2.15
  EXPECT_NEAR(TriCentroidX[0][1][0], 1.0 / 3, 1e-15);
  EXPECT_DOUBLE_EQ(TriCentroidY[0][1][0], 9.0);
  EXPECT_NEAR(TriMomentX[0][1][0], 4.3, 1e-12);     // 12.9 / 3
  EXPECT_DOUBLE_EQ(TriCalcMomentY[0][1][0], 54.0);  // 6 x 9
  EXPECT_DOUBLE_EQ(LoadMomentY[0][1], 32400.0);     // 600 x 6 = 3600 N, x 9

  // An origin axis off the grid measures from position 0.
  GridOriginAxisX = 300;
  CalcWeightsAndRequiredStrength();
  EXPECT_DOUBLE_EQ(RectCentroidX[0][0][0], 2.0);
}

TEST_F(AreaWeightsTest, CentreOfGravityOfTheStoreyAndTheStoreysAbove) {
  // Origin axes X 0, Y 10. First storey: floor X 0..4, Y 0..10, 40 m² at (2, 10 - 5 = 5).
  // Second storey: heavy roof X 2..6, Y 0..5, 20 m² at (4, 10 - 2.5 = 7.5).
  GridOriginAxisY = 10;
  struct Case {
    const char* what;
    int bySpec, weightClass;
    double x0, y0, x1, y1;
  } cases[] = {
      // Weighted areas 40 x 2.15 = 86 and 20 x 2 = 40:
      // x0 = (86 x 2 + 40 x 4) / 126 = 332 / 126, y0 = (86 x 5 + 40 x 7.5) / 126 = 730 / 126.
      {"by floor and roof kind", 1, 0, 332.0 / 126, 730.0 / 126, 4, 7.5},
      // Calculation areas weighted 2.15 and 1.43 for a light two-storey building:
      // x0 = (2.15 x 80 + 1.43 x 80) / (2.15 x 40 + 1.43 x 20) = 286.4 / 114.6,
      // y0 = (2.15 x 200 + 1.43 x 150) / 114.6 = 644.5 / 114.6.
      {"by storey, light", 0, 0, 286.4 / 114.6, 644.5 / 114.6, 4, 7.5},
      // Very heavy: 2.85 and 3.23: x0 = (228 + 258.4) / (114 + 64.6) = 486.4 / 178.6,
      // y0 = (2.85 x 200 + 3.23 x 150) / 178.6 = (570 + 484.5) / 178.6.
      {"by storey, very heavy", 0, 2, 486.4 / 178.6, 1054.5 / 178.6, 4, 7.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetModel(ResetForNewProject);
    ProjectSettings.GravityCentreBySpec = c.bySpec;
    ProjectSettings.WeightClass[0] = c.weightClass;
    AddRect(0, 0, 0, 0, 4, 10, 0);
    AddRect(0, 1, 2, 0, 6, 5, 4);
    CalcWeightsAndRequiredStrength();
    EXPECT_NEAR(CentreOfGravityX[0][0], c.x0, 1e-12);
    EXPECT_NEAR(CentreOfGravityY[0][0], c.y0, 1e-12);
    EXPECT_NEAR(CentreOfGravityX[0][1], c.x1, 1e-12);
    EXPECT_NEAR(CentreOfGravityY[0][1], c.y1, 1e-12);
    EXPECT_NEAR(CentreOfGravityXSnow[0][0], c.x0, 1e-12);
    EXPECT_NEAR(CentreOfGravityYSnow[0][1], c.y1, 1e-12);
    // Nothing on or above the third storey: the origin.
    EXPECT_EQ(CentreOfGravityX[0][2], 0.0);
    EXPECT_EQ(CentreOfGravityY[0][2], 0.0);
    EXPECT_EQ(CentreOfGravityX[1][0], 0.0);  // an empty variant
  }
}

}  // namespace
