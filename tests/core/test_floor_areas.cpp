// Floor areas, band areas, plan extent and quarter zones. Every expected value
// is worked out from the area-code tables on a grid of 1 m pitch.
#include <gtest/gtest.h>

#include <cmath>

#include "ModelFixture.h"
#include "analysis/AreaOutline.h"
#include "analysis/AreaWeights.h"
#include "analysis/FloorAreas.h"
#include "analysis/WeightsAndRequiredStrength.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

using namespace testmodel;

using FloorAreasTest = AreaTest;

TEST_F(FloorAreasTest, RectangleOfEveryAreaCode) {
  // One rectangle X 1..3, Y 1..6: A = 2 m x 5 m = 10 m², light building, no added load.
  struct Case {
    int code;
    double gross, computed, calc2, calc3;                       // calc under methods 2 and 3
    double roofWeight, wallWeight, floorWeight2, floorWeight3;  // floor weight takes the calc area
    double bandFactor;                                          // CalcAreaFactorTable, under both methods
  } cases[] = {
      {0, 10, 10, 10, 10, 0, 10, 10, 10, 1},    // floor, light
      {1, 10, 0, 10, 10, 0, 10, 0, 0, 1},       // atrium: not a floor for the wall quantity
      {2, 10, 0, 4, 4, 0, 0, 4, 4, 0.4},        // balcony, light: 0.4 x 10
      {3, 10, 10, 10, 10, 10, 10, 0, 0, 1},     // roof, light
      {4, 10, 10, 10, 10, 10, 10, 0, 0, 1},     // roof, heavy
      {5, 0, 6.7, 6.7, 0, 0, 0, 6.7, 0, 0.67},  // attic: 0.67 x 10, 0 under method 3; no gross area
      {6, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // largest rectangle
      {7, 0, 0, 0, 0, 0, 0, 0, 0, 1},           // independent load: bands only
      {8, 10, 10, 10, 10, 10, 10, 0, 0, 1},     // roof, very heavy
      {9, 10, 10, 10, 10, 10, 10, 0, 0, 1},     // roof, individual
      {10, 0, 0, 0, 0, 0, 0, 0, 0, 0},          // eaves, light
      {11, 0, 0, 0, 0, 0, 0, 0, 0, 0},          // eaves, heavy
      {12, 0, 0, 0, 0, 0, 0, 0, 0, 0},          // eaves, very heavy
      {13, 0, 0, 0, 0, 0, 0, 0, 0, 0},          // eaves, individual
      {14, 10, 10, 10, 10, 0, 10, 10, 10, 1},   // floor, heavy
      {15, 10, 10, 10, 10, 0, 10, 10, 10, 1},   // floor, very heavy
      {16, 10, 10, 10, 10, 0, 10, 10, 10, 1},   // floor, individual
      {17, 10, 4, 4, 10, 0, 0, 0, 0, 0.4},      // balcony, heavy: 0.4 x 10, 1.0 x 10 under method 3
      {18, 10, 4, 4, 10, 0, 0, 0, 0, 0.4},      // balcony, very heavy
      {19, 10, 4, 4, 10, 0, 0, 0, 0, 0.4},      // balcony, individual
  };
  for (const Case& c : cases) {
    for (int method : {2, 3}) {
      SCOPED_TRACE(testing::Message() << "code " << c.code << ", method " << method);
      RoofFloorRectCount[0][0] = 0;
      AddRect(0, 0, 1, 1, 3, 6, c.code);
      ProjectSettings.RequiredStrengthMethod = method;
      CalcWeightsAndRequiredStrength();
      const double calc = method == 2 ? c.calc2 : c.calc3;
      EXPECT_NEAR(RectFloorArea[0][0][0], c.gross, 1e-12);
      EXPECT_NEAR(RectComputedFloorArea[0][0][0], c.computed, 1e-12);
      EXPECT_NEAR(RectCalcArea[0][0][0], calc, 1e-12);
      EXPECT_NEAR(StoreyGrossArea[0][0], c.gross, 1e-12);
      EXPECT_NEAR(ComputedFloorArea[0][0], c.computed, 1e-12);
      EXPECT_NEAR(StoreyCalcArea[0][0], calc, 1e-12);
      EXPECT_NEAR(StoreyCalcAreaSnow[0][0], calc, 1e-12);
      EXPECT_NEAR(RequiredStrengthArea[0][0], calc, 1e-12);
      EXPECT_NEAR(RequiredStrengthAreaSnow[0][0], calc, 1e-12);
      EXPECT_NEAR(RoofWeightArea[0][0], c.roofWeight, 1e-12);
      EXPECT_NEAR(WallWeightArea[0][0], c.wallWeight, 1e-12);
      EXPECT_NEAR(FloorWeightArea[0][0], method == 2 ? c.floorWeight2 : c.floorWeight3, 1e-12);
      EXPECT_NEAR(FloorWeightAreaSnow[0][0], method == 2 ? c.floorWeight2 : c.floorWeight3, 1e-12);
      EXPECT_NEAR(RoofWeightAreaSnow[0][0], c.roofWeight, 1e-12);
      EXPECT_NEAR(WallWeightAreaSnow[0][0], c.wallWeight, 1e-12);
      // Bands between Y axes 1..6 are 2 m x 1 m, between X axes 1..3 are 5 m x 1 m, times the band factor.
      EXPECT_EQ(FloorBandAreaX[0][0][0], 0.0);
      EXPECT_NEAR(FloorBandAreaX[0][0][1], 2 * c.bandFactor, 1e-12);
      EXPECT_NEAR(FloorBandAreaX[0][0][5], 2 * c.bandFactor, 1e-12);
      EXPECT_EQ(FloorBandAreaX[0][0][6], 0.0);
      EXPECT_NEAR(FloorBandAreaY[0][0][1], 5 * c.bandFactor, 1e-12);
      EXPECT_NEAR(FloorBandAreaY[0][0][2], 5 * c.bandFactor, 1e-12);
      EXPECT_EQ(FloorBandAreaY[0][0][3], 0.0);
    }
  }
}

TEST_F(FloorAreasTest, AddedLoadBecomesEquivalentArea) {
  // 1 m² rectangles (X 0..1, Y 0..1) with an added load; divisor 3.1 light, 3.9 heavy kN/m².
  struct Case {
    const char* what;
    int code;
    double addedLoad;
    int weightClass;
    double calc;
    double band;  // FloorBandAreaX[0]
  } cases[] = {
      {"floor, light", 0, 3100, 0, 2.0, 1},                        // 1 + 1 x 3.1 / 3.1
      {"floor, heavy", 0, 3100, 1, 1 + 3.1 / 3.9, 1},              // 1 + 0.794871...
      {"floor, very heavy", 0, 5250, 2, 2.0, 1},                   // 1 + 5.25 / 5.25
      {"eaves: only the load", 11, 3100, 0, 1.0, 0},               // 0 + 1; band factor 0
      {"independent load: only the load", 7, 6200, 0, 2.0, 1},     // 0 + 6.2 / 3.1; full band
      {"negative load reduces a rectangle", 0, -1550, 0, 0.5, 1},  // 1 - 1.55 / 3.1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RoofFloorRectCount[0][0] = 0;
    ProjectSettings.WeightClass[0] = c.weightClass;
    AddRect(0, 0, 0, 0, 1, 1, c.code, {.AddedLoad = c.addedLoad});
    CalcWeightsAndRequiredStrength();
    EXPECT_NEAR(RectCalcArea[0][0][0], c.calc, 1e-12);
    EXPECT_NEAR(RequiredStrengthArea[0][0], c.calc, 1e-12);
    EXPECT_NEAR(FloorBandAreaX[0][0][0], c.band, 1e-12);  // added loads stay out of the bands
  }
}

TEST_F(FloorAreasTest, EachVariantDividesByItsOwnWeightClass) {
  ProjectSettings.WeightClass[0] = 0;
  ProjectSettings.WeightClass[1] = 1;
  AddRect(0, 0, 0, 0, 1, 1, 7, {.AddedLoad = 3100});
  AddRect(1, 0, 0, 0, 1, 1, 7, {.AddedLoad = 3100});
  CurrentVariant = 0;
  CalcWeightsAndRequiredStrength();
  EXPECT_NEAR(RequiredStrengthArea[0][0], 1.0, 1e-12);                 // 3.1 / 3.1
  EXPECT_NEAR(RequiredStrengthArea[1][0], 0.7948717948717949, 1e-12);  // 3.1 / 3.9
}

TEST_F(FloorAreasTest, TriangleAreasAndAddedLoad) {
  // Right triangle on axes (0,0), (4,0), (0,3): A = |((0-3)(4-0) - (0-3)(0-0)) / 2| = 6 m².
  struct Case {
    const char* what;
    int code;
    double addedLoad;
    double gross, computed, calc;
  } cases[] = {
      {"floor", 0, 0, 6, 6, 6},
      {"heavy balcony", 17, 0, 6, 2.4, 2.4},                  // 0.4 x 6
      {"positive added load", 0, 3100, 6, 6, 12},             // 6 + 6 x 3.1 / 3.1
      {"negative added load is ignored", 0, -3100, 6, 6, 6},  // a rectangle's would count
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RoofFloorTriangleCount[0][0] = 0;
    AddTriangle(0, 0, 0, 0, 4, 0, 0, 3, c.code, {.AddedLoad = c.addedLoad});
    CalcWeightsAndRequiredStrength();
    EXPECT_NEAR(TriFloorArea[0][0][0], c.gross, 1e-12);
    EXPECT_NEAR(TriComputedFloorArea[0][0][0], c.computed, 1e-12);
    EXPECT_NEAR(TriCalcArea[0][0][0], c.calc, 1e-12);
    EXPECT_NEAR(StoreyGrossArea[0][0], c.gross, 1e-12);
    EXPECT_NEAR(RequiredStrengthArea[0][0], c.calc, 1e-12);
  }
}

TEST_F(FloorAreasTest, TriangleBands) {
  struct Case {
    const char* what;
    int corners[6];
    int code;
    double bandsY[4];  // between X axes 0..4
    double bandsX[4];  // between Y axes 0..4
  } cases[] = {
      // Height 3 (1 - x/4) over x: band k = 3 - 3/8 (2k + 1): 2.625, 1.875, 1.125, 0.375.
      // Width 4 (1 - y/3) over y: band k = 4 - 2/3 (2k + 1): 3.3333, 2, 0.6667.
      {"right triangle", {0, 0, 4, 0, 0, 3}, 0, {2.625, 1.875, 1.125, 0.375}, {10.0 / 3, 2, 2.0 / 3, 0}},
      // Apex in the middle, corners listed out of order: height 2x up to x = 2, then 2 (4 - x):
      // bands 1, 3, 3, 1. Width 4 - y: bands 3.5, 2.5, 1.5, 0.5.
      {"apex between the ends", {4, 0, 0, 0, 2, 4}, 0, {1, 3, 3, 1}, {3.5, 2.5, 1.5, 0.5}},
      // The same weighted by 0.4 for a light balcony.
      {"balcony", {4, 0, 0, 0, 2, 4}, 2, {0.4, 1.2, 1.2, 0.4}, {1.4, 1.0, 0.6, 0.2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RoofFloorTriangleCount[0][0] = 0;
    const int* p = c.corners;
    AddTriangle(0, 0, p[0], p[1], p[2], p[3], p[4], p[5], c.code);
    CalcWeightsAndRequiredStrength();
    for (int k = 0; k < 4; ++k) {
      EXPECT_NEAR(FloorBandAreaY[0][0][k], c.bandsY[k], 1e-12) << k;
      EXPECT_NEAR(FloorBandAreaX[0][0][k], c.bandsX[k], 1e-12) << k;
    }
    EXPECT_EQ(FloorBandAreaY[0][0][4], 0.0);
  }
}

TEST_F(FloorAreasTest, EmptyAndDegenerateAreasAddNothing) {
  AddRect(0, 0, 3, 1, 3, 6, 0);            // both corners on X axis 3
  AddTriangle(0, 0, 0, 0, 2, 2, 4, 4, 0);  // collinear corners
  CalcWeightsAndRequiredStrength();
  EXPECT_EQ(RectFloorArea[0][0][0], 0.0);
  EXPECT_EQ(TriFloorArea[0][0][0], 0.0);
  for (int v = 0; v < VariantCount; ++v) {
    for (int s = 0; s < StoreyCount; ++s) {
      EXPECT_EQ(StoreyGrossArea[v][s], 0.0);
      EXPECT_EQ(RequiredStrengthArea[v][s], 0.0);
      for (int k = 0; k < AxisLineCount; ++k) {
        ASSERT_EQ(FloorBandAreaX[v][s][k], 0.0);
        ASSERT_EQ(FloorBandAreaY[v][s][k], 0.0);
      }
    }
  }
}

TEST_F(FloorAreasTest, SumsAreRebuiltOnEveryRecalculation) {
  AddRect(0, 0, 0, 0, 2, 2, 0);
  CalcWeightsAndRequiredStrength();
  CalcWeightsAndRequiredStrength();
  EXPECT_NEAR(StoreyGrossArea[0][0], 4.0, 1e-12);  // not 8
  EXPECT_NEAR(FloorBandAreaX[0][0][0], 2.0, 1e-12);
}

TEST_F(FloorAreasTest, DamagedInputGivesSoundAreas) {
  // Axes that share a position: X axes 1 and 2 both at 1 m. The triangle (1,0), (2,2), (3,0)
  // has corners (1,0), (1,2), (3,0): legs 2 and 2, A = 2; a band of zero width gets 0.
  GridAxisX[2] = 1.0;
  AddTriangle(0, 0, 1, 0, 2, 2, 3, 0, 0);
  // X axes whose positions run backwards: axis 5 at 7 m, axis 6 at 6.5 m. The rectangle from
  // axis 5 to 6 and Y 0..2 spans 0.5 m x 2 m = 1 m², not -1.
  GridAxisX[5] = 7.0;
  GridAxisX[6] = 6.5;
  AddRect(0, 1, 5, 0, 6, 2, 0);
  // Corners off the grid and counts outside the lists.
  AddRect(0, 2, 0, 0, 250, 2, 0);
  AddTriangle(0, 2, 0, 0, 2, -1, 2, 2, 0);
  RoofFloorRectCount[1][0] = -3;
  for (int i = 0; i < MaxRoofFloorRectsPerStorey; ++i)
    RoofFloorRects[2][0][i] = RoofFloorRectRecord{0, 0, 0, 1, 1};
  RoofFloorRectCount[2][0] = MaxRoofFloorRectsPerStorey + 7;
  ProjectSettings.TopStorey[0] = 2;

  CalcWeightsAndRequiredStrength();

  EXPECT_NEAR(TriFloorArea[0][0][0], 2.0, 1e-12);
  EXPECT_EQ(FloorBandAreaY[0][0][1], 0.0);           // between the two axes at 1 m
  EXPECT_NEAR(FloorBandAreaY[0][0][2], 2.0, 1e-12);  // 1 m to 3 m holds the whole triangle
  EXPECT_NEAR(FloorBandAreaX[0][0][0], 1.5, 1e-12);  // width 2 - y: 1.5 over 0..1
  EXPECT_NEAR(FloorBandAreaX[0][0][1], 0.5, 1e-12);  // and 0.5 over 1..2
  EXPECT_NEAR(RectFloorArea[0][1][0], 1.0, 1e-12);
  EXPECT_NEAR(StoreyGrossArea[0][1], 1.0, 1e-12);
  EXPECT_EQ(StoreyGrossArea[0][2], 0.0);  // both areas off the grid
  EXPECT_EQ(RectFloorArea[0][2][0], 0.0);
  EXPECT_EQ(StoreyGrossArea[1][0], 0.0);           // negative count: no areas
  EXPECT_NEAR(StoreyGrossArea[2][0], 50.0, 1e-9);  // count past the list: its 50 records of 1 m²
  for (int v = 0; v < VariantCount; ++v) {
    for (int s = 0; s < StoreyCount; ++s) {
      EXPECT_TRUE(std::isfinite(CentreOfGravityX[v][s]) && std::isfinite(CentreOfGravityY[v][s]));
      EXPECT_TRUE(std::isfinite(RequiredStrengthAreaA[v][s]) && std::isfinite(RequiredStrengthArea1[v][s]));
      EXPECT_TRUE(std::isfinite(ShortSideLength[v][s]));
    }
  }
}

TEST_F(FloorAreasTest, PlanExtentAndShortSide) {
  struct Case {
    const char* what;
    void (*put)();
    double edge1, edge2, edgeA, edgeB, shortSide;
    int maxRectangleGiven;
  } cases[] = {
      {"floor rectangle", [] { AddRect(0, 0, 2, 1, 12, 7, 0); }, 2, 12, 1, 7, 6, 0},
      {"a triangle widens the extent with its three corners",
       [] {
         AddRect(0, 0, 0, 0, 4, 4, 0);
         AddTriangle(0, 0, 4, 0, 9, 0, 4, 2, 3);
       },
       0, 9, 0, 4, 4, 0},
      {"balconies and attics lie outside the extent",
       [] {
         AddRect(0, 0, 0, 0, 4, 4, 0);
         AddRect(0, 0, 4, 0, 6, 9, 2);
         AddRect(0, 0, 0, 4, 4, 20, 5);
         AddTriangle(0, 0, 0, 0, 30, 0, 0, 30, 17);
       },
       0, 4, 0, 4, 4, 0},
      {"the last largest rectangle gives the short side",
       [] {
         AddRect(0, 0, 0, 0, 4, 4, 0);
         AddRect(0, 0, 0, 0, 3, 9, 6);  // short side 3
         AddRect(0, 0, 0, 0, 7, 5, 6);  // short side 5, larger than the extent's 4
       },
       0, 4, 0, 4, 5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetModel(ResetForNewProject);
    c.put();
    CalcWeightsAndRequiredStrength();
    EXPECT_DOUBLE_EQ(QuarterZoneEdge1[0][0], c.edge1);
    EXPECT_DOUBLE_EQ(QuarterZoneEdge2[0][0], c.edge2);
    EXPECT_DOUBLE_EQ(QuarterZoneEdgeA[0][0], c.edgeA);
    EXPECT_DOUBLE_EQ(QuarterZoneEdgeB[0][0], c.edgeB);
    EXPECT_DOUBLE_EQ(ShortSideLength[0][0], c.shortSide);
    EXPECT_EQ(MaxRectangleGiven[0][0], c.maxRectangleGiven);
  }
}

TEST_F(FloorAreasTest, StoreyWithoutPlanHasNoShortSide) {
  // Only a balcony: no area of the extent codes. The extent stays at its search start 199..0
  // (edges at 199 m and 0 m), but the short side is 0, not negative.
  AddRect(0, 0, 0, 0, 2, 2, 2);
  CalcWeightsAndRequiredStrength();
  EXPECT_EQ(ShortSideLength[0][0], 0.0);
  EXPECT_EQ(ShortSideLength[0][1], 0.0);  // the empty second storey
  EXPECT_DOUBLE_EQ(QuarterZoneEdge1[0][1], 199.0);
  EXPECT_DOUBLE_EQ(QuarterZoneEdge2[0][1], 0.0);
  EXPECT_DOUBLE_EQ(QuarterZoneEdgeA[0][1], 199.0);
  EXPECT_DOUBLE_EQ(QuarterZoneEdgeB[0][1], 0.0);
}

TEST_F(FloorAreasTest, QuarterZonesOfRectanglesByAreaCode) {
  // Floor X 0..8, Y 0..4: W = 8, D = 4, b1 = 0 + 8/4 = 2, b2 = 8 - 2 = 6, bA = 0 + 4/4 = 1,
  // bB = 4 - 1 = 3. It crosses every boundary: zone a (1 - 0) x 8 = 8, zone b (4 - 3) x 8 = 8,
  // zone 1 4 x (2 - 0) = 8, zone 2 4 x (8 - 6) = 8.
  // The tested rectangle X 6..8, Y 3..4 (2 m²) lies wholly in zones b and 2, its lower and
  // left edges on their boundaries, and adds nothing to zones a and 1.
  struct Case {
    int code;
    bool required, computed;  // counted in the zones of the required strength / wall quantity
  } cases[] = {
      {0, true, true},   {1, true, false},  {2, true, false},   {3, true, true},  {5, false, false},
      {6, false, false}, {7, false, false}, {11, false, false}, {14, true, true}, {17, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    ResetModel(ResetForNewProject);
    AddRect(0, 0, 0, 0, 8, 4, 0);
    AddRect(0, 0, 6, 3, 8, 4, c.code);
    CalcWeightsAndRequiredStrength();
    EXPECT_DOUBLE_EQ(QuarterZoneBoundary1[0][0], 2.0);
    EXPECT_DOUBLE_EQ(QuarterZoneBoundary2[0][0], 6.0);
    EXPECT_DOUBLE_EQ(QuarterZoneBoundaryA[0][0], 1.0);
    EXPECT_DOUBLE_EQ(QuarterZoneBoundaryB[0][0], 3.0);
    EXPECT_DOUBLE_EQ(RequiredStrengthAreaA[0][0], 8.0);
    EXPECT_DOUBLE_EQ(RequiredStrengthArea1[0][0], 8.0);
    EXPECT_DOUBLE_EQ(RequiredStrengthAreaB[0][0], c.required ? 10.0 : 8.0);
    EXPECT_DOUBLE_EQ(RequiredStrengthArea2[0][0], c.required ? 10.0 : 8.0);
    EXPECT_DOUBLE_EQ(ComputedZoneAreaA[0][0], 8.0);
    EXPECT_DOUBLE_EQ(ComputedZoneArea1[0][0], 8.0);
    EXPECT_DOUBLE_EQ(ComputedZoneAreaB[0][0], c.computed ? 10.0 : 8.0);
    EXPECT_DOUBLE_EQ(ComputedZoneArea2[0][0], c.computed ? 10.0 : 8.0);
  }
}

TEST_F(FloorAreasTest, ZoneAreasAreGrossAreas) {
  // A heavy balcony with an added load, under the zone of its own: 2 m² in zone 2 of the
  // frame above, not 0.4 x 2 and no added-load equivalent.
  AddRect(0, 0, 0, 0, 8, 4, 0);
  AddRect(0, 0, 6, 3, 8, 4, 17, {.AddedLoad = 3100});
  CalcWeightsAndRequiredStrength();
  EXPECT_DOUBLE_EQ(RequiredStrengthArea2[0][0], 10.0);
  EXPECT_DOUBLE_EQ(ComputedZoneArea2[0][0], 10.0);
}

TEST_F(FloorAreasTest, QuarterZonesOfTriangles) {
  // Frame floor X 0..8, Y 0..4 as above (8 m² in each zone; bA 1, bB 3, b1 2, b2 6), plus a triangle.
  struct Case {
    const char* what;
    int corners[6];
    double a, b, one, two;  // the triangle's part of each zone
  } cases[] = {
      // x + y <= 4: y <= 1 holds 4 - 1/2 = 3.5 (two corners inside); y >= 3 the tip 1 x 1 / 2 = 0.5
      // (one inside); x <= 2 holds 8 - 2 = 6; x >= 6 nothing.
      {"corner triangle", {0, 0, 4, 0, 0, 4}, 3.5, 0.5, 6, 0},
      // Corners (0,0) inside zone 1, (2,2) on its boundary, (4,0) outside: the triangle
      // (0,0), (2,2), (2,0) = 2 x 2 / 2 = 2. Zone a: width 4 - 2y over y 0..1 = 3.
      {"corner on a boundary", {0, 0, 2, 2, 4, 0}, 3, 0, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetModel(ResetForNewProject);
    AddRect(0, 0, 0, 0, 8, 4, 0);
    const int* p = c.corners;
    AddTriangle(0, 0, p[0], p[1], p[2], p[3], p[4], p[5], 0);
    CalcWeightsAndRequiredStrength();
    EXPECT_NEAR(RequiredStrengthAreaA[0][0], 8 + c.a, 1e-12);
    EXPECT_NEAR(RequiredStrengthAreaB[0][0], 8 + c.b, 1e-12);
    EXPECT_NEAR(RequiredStrengthArea1[0][0], 8 + c.one, 1e-12);
    EXPECT_NEAR(RequiredStrengthArea2[0][0], 8 + c.two, 1e-12);
    EXPECT_NEAR(ComputedZoneAreaA[0][0], 8 + c.a, 1e-12);
    EXPECT_NEAR(ComputedZoneArea1[0][0], 8 + c.one, 1e-12);
  }
}

TEST_F(FloorAreasTest, ClippedTriangleAreaAcrossTheLine) {
  const double u[3] = {0, 4, 0}, w[3] = {0, 0, 3};             // A = 6
  EXPECT_DOUBLE_EQ(ClippedTriangleArea(u, w, 2, false), 4.5);  // 6 - (2 x 1.5) / 2
  EXPECT_DOUBLE_EQ(ClippedTriangleArea(u, w, 2, true), 1.5);
  EXPECT_DOUBLE_EQ(ClippedTriangleArea(u, w, -1, false), 0.0);
  EXPECT_DOUBLE_EQ(ClippedTriangleArea(u, w, 4, false), 6.0);
  EXPECT_DOUBLE_EQ(ClippedTriangleArea(u, w, 0, false), 0.0);  // only the edge on the line
  const double same[3] = {1, 1, 1}, any[3] = {0, 5, 2};
  EXPECT_DOUBLE_EQ(ClippedTriangleArea(same, any, 1, false), 0.0);  // all corners on the line
}

}  // namespace
