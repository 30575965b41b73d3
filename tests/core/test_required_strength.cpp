// Required strength by floor area (methods 2 and 3), the required wall
// lengths (every method), the K factors, the zones
// that the storey above does not reach, the storey-height factor and the
// plan-shape factor. The inputs from the floor areas are set directly, so each
// test sees only the tables and formulas of the required strength.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

class RequiredStrengthTest : public ModelTest {
 protected:
  // Storey areas A (required strength) and floor areas for the wall quantity,
  // the storey values of every storey; every zone reached; plan-shape factor 1.
  void SetBuilding(int method, int top, int weightClass, const double (&area)[3] = {100, 80, 40},
                   const double (&floorArea)[3] = {90, 70, 30}) {
    ProjectSettings.RequiredStrengthMethod = method;
    ProjectSettings.TopStorey[0] = top;
    ProjectSettings.WeightClass[0] = weightClass;
    for (int s = 0; s < StoreyCount; ++s) {
      RequiredStrengthArea[0][s] = RequiredStrengthAreaSnow[0][s] = area[s];
      ComputedFloorArea[0][s] = floorArea[s];
      PlanShapeFactor[0][s] = 1.0;
      QuarterZoneEdgeA[0][s] = QuarterZoneEdgeB[0][s] = QuarterZoneEdge1[0][s] = QuarterZoneEdge2[0][s] = 0;
      QuarterZoneBoundaryA[0][s] = QuarterZoneBoundaryB[0][s] = 0;
      QuarterZoneBoundary1[0][s] = QuarterZoneBoundary2[0][s] = 0;
    }
  }
};

// Areas A = 100, 80, 40 m² and floor areas 90, 70, 30 m² for storeys 1, 2, 3.
// Two storeys: Rf1 = 80 / 100 = 0.8.
//   light, heavy: K1 = 0.4 + 0.6 x 0.8 = 0.88,    K2 = 1.3 + 0.07 / 0.8 = 1.3875
//   very heavy:   K1 = 0.53 + 0.47 x 0.8 = 0.906, K2 = 1.06 + 0.15 / 0.8 = 1.2475
// Three storeys: Rf1 = 0.8, Rf2 = 40 / 80 = 0.5.
//   light, heavy: K3 = (0.65 + 0.175)(0.25 + 0.6) = 0.70125, K4 = 0.88,
//                 K5 = 1.03 + 0.125 + 0.16 = 1.315, K4 K5 = 1.1572, K6 = 1.23 + 0.125 + 0.46 = 1.815
//   very heavy:   K3 = (0.68 + 0.16)(0.36 + 0.512) = 0.73248, K4 = 0.906,
//                 K5 = 0.98 + 0.125 + 0.1 = 1.205, K4 K5 = 1.09173, K6 = 1.04 + 0.1625 + 0.48 = 1.6825
// Qr = per-area x A; wall length = table x floor area; with very soft ground and
// 1 m of snow the snow line is (per-area + 0.26) x 1.5 x A.
struct StoreyRow {
  int method, top, weightClass, storey;
  double perArea, qr, wall, qrSnowSoft;
};
const StoreyRow storeyRows[] = {
    // Method 2, one storey: 0.28 / 0.40 / 0.64, walls 0.11 / 0.15 / 0.15 x 90.
    {2, 0, 0, 0, 0.28, 28, 9.9, 81},  // (0.28 + 0.26) x 1.5 x 100
    {2, 0, 1, 0, 0.40, 40, 13.5, 99},
    {2, 0, 2, 0, 0.64, 64, 13.5, 135},
    // Method 2, two storeys.
    {2, 1, 0, 0, 0.6336, 63.36, 26.1, 134.04},      // 0.72 x 0.88; wall 0.29 x 90
    {2, 1, 0, 1, 0.3885, 31.08, 10.5, 77.82},       // 0.28 x 1.3875; x 80; wall 0.15 x 70
    {2, 1, 1, 0, 0.8096, 80.96, 29.7, 160.44},      // 0.92 x 0.88; wall 0.33 x 90
    {2, 1, 1, 1, 0.555, 44.4, 14.7, 97.8},          // 0.40 x 1.3875; wall 0.21 x 70
    {2, 1, 2, 0, 1.10532, 110.532, 29.7, 204.798},  // 1.22 x 0.906
    {2, 1, 2, 1, 0.7984, 63.872, 14.7, 127.008},    // 0.64 x 1.2475
    // Method 2, three storeys.
    {2, 2, 0, 0, 0.81345, 81.345, 41.4, 161.0175},          // 1.16 x 0.70125; wall 0.46 x 90
    {2, 2, 0, 1, 0.833184, 66.65472, 23.8, 131.18208},      // 0.72 x 1.1572; x 80; wall 0.34 x 70
    {2, 2, 0, 2, 0.5082, 20.328, 5.4, 46.092},              // 0.28 x 1.815; x 40; wall 0.18 x 30
    {2, 2, 1, 0, 1.0098, 100.98, 45, 190.47},               // 1.44 x 0.70125; wall 0.50 x 90
    {2, 2, 1, 1, 1.064624, 85.16992, 27.3, 158.95488},      // 0.92 x 1.1572; wall 0.39 x 70
    {2, 2, 1, 2, 0.726, 29.04, 7.2, 59.16},                 // 0.40 x 1.815; wall 0.24 x 30
    {2, 2, 2, 0, 1.318464, 131.8464, 45, 236.7696},         // 1.80 x 0.73248
    {2, 2, 2, 1, 1.3319106, 106.552848, 27.3, 191.029272},  // 1.22 x 1.09173
    {2, 2, 2, 2, 1.0768, 43.072, 7.2, 80.208},              // 0.64 x 1.6825
    // Method 3: the per-area table itself.
    {3, 0, 0, 0, 0.28, 28, 9.9, 81},
    {3, 0, 1, 0, 0.40, 40, 13.5, 99},
    {3, 0, 2, 0, 0.64, 64, 13.5, 135},
    {3, 1, 0, 0, 0.83, 83, 26.1, 163.5},   // (0.83 + 0.26) x 1.5 x 100
    {3, 1, 0, 1, 0.37, 29.6, 10.5, 75.6},  // 0.37 x 80; (0.63) x 1.5 x 80
    {3, 1, 1, 0, 1.06, 106, 29.7, 198},
    {3, 1, 1, 1, 0.53, 42.4, 14.7, 94.8},
    {3, 1, 2, 0, 1.41, 141, 29.7, 250.5},
    {3, 1, 2, 1, 0.78, 62.4, 14.7, 124.8},
    {3, 2, 0, 0, 1.34, 134, 41.4, 240},
    {3, 2, 0, 1, 0.98, 78.4, 23.8, 148.8},
    {3, 2, 0, 2, 0.43, 17.2, 5.4, 41.4},  // 0.43 x 40; 0.69 x 1.5 x 40
    {3, 2, 1, 0, 1.66, 166, 45, 288},
    {3, 2, 1, 1, 1.25, 100, 27.3, 181.2},
    {3, 2, 1, 2, 0.62, 24.8, 7.2, 52.8},
    {3, 2, 2, 0, 2.07, 207, 45, 349.5},
    {3, 2, 2, 1, 1.59, 127.2, 27.3, 222},
    {3, 2, 2, 2, 0.91, 36.4, 7.2, 70.2},
};

TEST_F(RequiredStrengthTest, StoreysOfEveryBuildingByMethodAndWeightClass) {
  for (const StoreyRow& r : storeyRows) {
    SCOPED_TRACE(testing::Message() << "method " << r.method << ", top " << r.top << ", class "
                                    << r.weightClass << ", storey " << r.storey);
    const int s = r.storey;
    SetBuilding(r.method, r.top, r.weightClass);
    ProjectSettings.SnowLoad = 0;
    ProjectSettings.VerySoftGround = 0;
    CalcRequiredStrengthByFloorArea();
    EXPECT_NEAR(RequiredStrengthPerArea[0][s], r.perArea, 1e-12);
    EXPECT_NEAR(RequiredStrength[0][s], r.qr, 1e-9);
    EXPECT_NEAR(RequiredStrengthSnow[0][s], r.qr, 1e-9);  // no snow: the same
    EXPECT_NEAR(RequiredWallLength[0][s], r.wall, 1e-9);
    EXPECT_NEAR(RequiredStrengthPerAreaA[0][s], r.perArea, 1e-12);  // every zone reached
    EXPECT_NEAR(RequiredStrengthPerArea2Snow[0][s], r.perArea, 1e-12);

    ProjectSettings.SnowLoad = 0.26;
    ProjectSettings.VerySoftGround = 1;
    CalcRequiredStrengthByFloorArea();
    EXPECT_NEAR(RequiredStrengthPerAreaSnow[0][s], r.perArea, 1e-12);  // the snow load comes after
    EXPECT_NEAR(RequiredStrength[0][s], 1.5 * r.qr, 1e-9);
    EXPECT_NEAR(RequiredStrengthSnow[0][s], r.qrSnowSoft, 1e-9);
    EXPECT_NEAR(RequiredWallLength[0][s], 1.5 * r.wall, 1e-9);
  }
}

TEST_F(RequiredStrengthTest, FactorsOnTheStoreyValue) {
  // Two light storeys, method 2, first storey: 0.72 x K1 0.88 = 0.6336 kN/m² on 100 m², floor 90 m².
  struct Case {
    const char* what;
    void (*set)();
    double qr, qrSnow, wall;
  } cases[] = {
      {"none", [] {}, 63.36, 63.36, 26.1},
      {"1 m of snow", [] { ProjectSettings.SnowLoad = 0.26; }, 63.36, 89.36, 26.1},  // (0.6336 + 0.26) x 100
      {"very soft ground", [] { ProjectSettings.VerySoftGround = 1; }, 95.04, 95.04, 39.15},  // x 1.5
      // x 1.2 on the required strength only
      {"concrete lower structure", [] { ProjectSettings.MixedStructure = 1; }, 76.032, 76.032, 26.1},
      {"steel lower structure", [] { ProjectSettings.MixedStructure = 2; }, 76.032, 76.032, 26.1},
      {"Z 0.8", [] { ProjectSettings.RegionFactorZ = 0.8; }, 50.688, 50.688, 26.1},
      {"plan shape 1.15", [] { PlanShapeFactor[0][0] = 1.15; }, 72.864, 72.864, 26.1},
      {"manual floor area 50 m²",
       [] {
         ProjectSettings.ManualFloorAreas = 1;
         ProjectSettings.ManualFloorArea[0][0] = 50;
       },
       63.36, 63.36, 14.5},  // 0.29 x 50; the required strength keeps the computed area
      // Z 1.2 x soft 1.5 x plan shape 1.3 x mixed 1.2 = 2.808; 2 m of snow 0.52:
      // 0.6336 x 2.808 x 100 = 177.91488; (0.6336 + 0.52) x 280.8 = 323.93088; wall 0.29 x 1.5 x 90.
      {"all together",
       [] {
         ProjectSettings.RegionFactorZ = 1.2;
         ProjectSettings.VerySoftGround = 1;
         PlanShapeFactor[0][0] = 1.3;
         ProjectSettings.MixedStructure = 1;
         ProjectSettings.SnowLoad = 0.52;
       },
       177.91488, 323.93088, 39.15},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RestoreProjectSettingsStartValues();
    SetBuilding(2, 1, 0);
    c.set();
    CalcRequiredStrengthByFloorArea();
    EXPECT_NEAR(RequiredStrength[0][0], c.qr, 1e-9);
    EXPECT_NEAR(RequiredStrengthSnow[0][0], c.qrSnow, 1e-9);
    EXPECT_NEAR(RequiredWallLength[0][0], c.wall, 1e-9);
  }
}

TEST_F(RequiredStrengthTest, KFactorRecordsAndTheirLimits) {
  // Second storey of 5 m² over 100 m²: Rf1 = 0.05 raised to 0.1;
  // K1 = 0.4 + 0.06 = 0.46, K2 = 1.3 + 0.7 = 2.0.
  SetBuilding(2, 1, 0, {100, 5, 0});
  CalcRequiredStrengthByFloorArea();
  EXPECT_DOUBLE_EQ(RequiredStrengthFactorsA.Rf1, 0.1);
  EXPECT_NEAR(RequiredStrengthFactorsA.K1, 0.46, 1e-15);
  EXPECT_NEAR(RequiredStrengthFactorsA.K2, 2.0, 1e-15);
  EXPECT_NEAR(RequiredStrengthPerArea[0][1], 0.56, 1e-15);  // 0.28 x 2.0

  // No first-storey area: K1 = K2 = 0, so both storeys require nothing; Rf1 keeps its value.
  SetBuilding(2, 1, 0, {0, 50, 0});
  CalcRequiredStrengthByFloorArea();
  EXPECT_EQ(RequiredStrengthFactorsA.K1, 0.0);
  EXPECT_EQ(RequiredStrengthFactorsA.K2, 0.0);
  EXPECT_DOUBLE_EQ(RequiredStrengthFactorsA.Rf1, 0.1);
  EXPECT_EQ(RequiredStrength[0][0], 0.0);
  EXPECT_EQ(RequiredStrength[0][1], 0.0);

  // Three storeys without a second-storey area: K3 to K6 are 0.
  SetBuilding(2, 2, 0, {100, 0, 40});
  CalcRequiredStrengthByFloorArea();
  EXPECT_EQ(RequiredStrengthFactorsA.K3, 0.0);
  EXPECT_EQ(RequiredStrengthFactorsA.K6, 0.0);
  EXPECT_EQ(RequiredStrength[0][2], 0.0);

  // The snow line takes its K factors from the snow areas: Rf1 = 50 / 100 = 0.5,
  // K2 = 1.3 + 0.07 / 0.5 = 1.44, so 0.28 x 1.44 = 0.4032 kN/m², x 50 m² = 20.16 kN.
  SetBuilding(2, 1, 0);
  RequiredStrengthAreaSnow[0][1] = 50;
  CalcRequiredStrengthByFloorArea();
  EXPECT_DOUBLE_EQ(RequiredStrengthFactorsB.Rf1, 0.5);
  EXPECT_NEAR(RequiredStrengthFactorsB.K2, 1.44, 1e-15);
  EXPECT_NEAR(RequiredStrengthFactorsA.K2, 1.3875, 1e-15);
  EXPECT_NEAR(RequiredStrengthPerAreaSnow[0][1], 0.4032, 1e-15);
  EXPECT_NEAR(RequiredStrengthSnow[0][1], 20.16, 1e-12);
  EXPECT_NEAR(RequiredStrength[0][1], 31.08, 1e-12);  // 0.3885 x 80
}

TEST_F(RequiredStrengthTest, StoreyHeightFactorOfRevision2025) {
  // Heights 3.5, 3.08, 2.8 m: factors 3.5 / 2.8 = 1.25, 3.08 / 2.8 = 1.1, and 1.0 at exactly 2.8.
  struct Case {
    const char* what;
    int revision, method, top;
    double perArea0, wallPerArea0;
  } cases[] = {
      {"one storey, method 2", 1, 2, 0, 0.35, 0.1375},  // 0.28 x 1.25; 0.11 x 1.25
      {"one storey, method 3", 1, 3, 0, 0.35, 0.1375},
      {"two storeys, method 2", 1, 2, 1, 0.792, 0.3625},  // 0.6336 x 1.25; 0.29 x 1.25
      {"three storeys, method 2: not on the wall length", 1, 2, 2, 1.0168125, 0.46},  // 0.81345 x 1.25
      {"two storeys, method 3: none", 1, 3, 1, 0.83, 0.29},
      {"revision 2012: none", 0, 2, 0, 0.28, 0.11},
      {"revision 2004: none", 2, 2, 0, 0.28, 0.11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetBuilding(c.method, c.top, 0);
    ProjectSettings.Revision = c.revision;
    ProjectSettings.StoreyHeight[0][0] = 3.5;
    ProjectSettings.StoreyHeight[0][1] = 3.08;
    ProjectSettings.StoreyHeight[0][2] = 2.8;
    CalcRequiredStrengthByFloorArea();
    EXPECT_NEAR(RequiredStrengthPerArea[0][0], c.perArea0, 1e-12);
    EXPECT_NEAR(RequiredWallLengthPerArea[0][0], c.wallPerArea0, 1e-12);
    if (c.revision == 1) {
      EXPECT_NEAR(StoreyHeightFactor[0], 1.25, 1e-15);
      EXPECT_NEAR(StoreyHeightFactor[1], 1.1, 1e-15);
      EXPECT_EQ(StoreyHeightFactor[2], 1.0);
    }
  }
  // Two storeys, method 2, second storey: 0.3885 x 1.1 = 0.42735; wall 0.15 x 1.1 = 0.165.
  SetBuilding(2, 1, 0);
  ProjectSettings.Revision = 1;
  ProjectSettings.StoreyHeight[0][1] = 3.08;
  CalcRequiredStrengthByFloorArea();
  EXPECT_NEAR(RequiredStrengthPerArea[0][1], 0.42735, 1e-12);
  EXPECT_NEAR(RequiredWallLengthPerArea[0][1], 0.165, 1e-12);
}

TEST_F(RequiredStrengthTest, AtticStorageUnderMethod3) {
  struct Case {
    const char* what;
    int method, top, weightClass;
    double perArea0, wallPerArea0;
  } cases[] = {
      {"light one storey reads the heavy column", 3, 0, 0, 0.40, 0.11},  // walls stay light
      {"very heavy stays very heavy", 3, 0, 2, 0.64, 0.15},
      {"light two storeys", 3, 1, 0, 1.06, 0.29},
      {"method 2 ignores the attic", 2, 0, 0, 0.28, 0.11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetBuilding(c.method, c.top, c.weightClass);
    ProjectSettings.AtticStorage[0] = 1;
    CalcRequiredStrengthByFloorArea();
    EXPECT_NEAR(RequiredStrengthPerArea[0][0], c.perArea0, 1e-12);
    EXPECT_NEAR(RequiredWallLengthPerArea[0][0], c.wallPerArea0, 1e-12);
  }
}

TEST_F(RequiredStrengthTest, ZonesThatTheStoreyAboveDoesNotReachOnTwoStoreys) {
  // First storey boundaries a 2, b 8, 1 3, 2 9; second storey edges a 3, b 7, 1 3, 2 9:
  // zone a (2 < 3) and zone b (7 < 8) are not reached, zones 1 and 2 are (a shared line counts).
  SetBuilding(2, 1, 0);
  QuarterZoneBoundaryA[0][0] = 2, QuarterZoneBoundaryB[0][0] = 8;
  QuarterZoneBoundary1[0][0] = 3, QuarterZoneBoundary2[0][0] = 9;
  QuarterZoneEdgeA[0][1] = 3, QuarterZoneEdgeB[0][1] = 7;
  QuarterZoneEdge1[0][1] = 3, QuarterZoneEdge2[0][1] = 9;
  RequiredStrengthAreaA[0][0] = RequiredStrengthAreaB[0][0] = 20;
  RequiredStrengthArea1[0][0] = RequiredStrengthArea2[0][0] = 20;
  ComputedZoneAreaA[0][0] = ComputedZoneAreaB[0][0] = ComputedZoneArea1[0][0] = ComputedZoneArea2[0][0] = 10;
  ProjectSettings.SnowLoad = 0.26;
  CalcRequiredStrengthByFloorArea();
  EXPECT_NEAR(RequiredStrengthPerAreaA[0][0], 0.28, 1e-15);  // one-storey table, no K factor
  EXPECT_NEAR(RequiredStrengthPerAreaBSnow[0][0], 0.28, 1e-15);
  EXPECT_NEAR(RequiredWallLengthPerAreaA[0][0], 0.11, 1e-15);
  EXPECT_NEAR(RequiredStrengthPerArea1[0][0], 0.6336, 1e-15);   // the storey value
  EXPECT_NEAR(RequiredStrengthZoneA[0][0], 5.6, 1e-12);         // 0.28 x 20
  EXPECT_NEAR(RequiredStrengthZoneASnow[0][0], 10.8, 1e-12);    // (0.28 + 0.26) x 20
  EXPECT_NEAR(RequiredStrengthZone1[0][0], 12.672, 1e-12);      // 0.6336 x 20
  EXPECT_NEAR(RequiredStrengthZone2Snow[0][0], 17.872, 1e-12);  // (0.6336 + 0.26) x 20
  EXPECT_NEAR(RequiredWallLengthA[0][0], 1.1, 1e-12);           // 0.11 x 10
  EXPECT_NEAR(RequiredWallLength2[0][0], 2.9, 1e-12);           // 0.29 x 10
  EXPECT_NEAR(RequiredStrengthPerAreaA[0][1], 0.3885, 1e-15);   // the top storey keeps its own

  // Hand-entered zone areas replace the computed ones in the wall lengths only.
  ProjectSettings.ManualFloorAreas = 1;
  ProjectSettings.ManualZoneAreaA[0][0] = 4;
  CalcRequiredStrengthByFloorArea();
  EXPECT_NEAR(RequiredWallLengthA[0][0], 0.44, 1e-12);  // 0.11 x 4
  EXPECT_NEAR(RequiredStrengthZoneA[0][0], 5.6, 1e-12);

  // Method 3 with attic storage on a light building reads class 1 for the zone's wall
  // length as well (0.15), while the storey's wall length reads class 0 (0.29).
  ProjectSettings.ManualFloorAreas = 0;
  ProjectSettings.RequiredStrengthMethod = 3;
  ProjectSettings.AtticStorage[0] = 1;
  CalcRequiredStrengthByFloorArea();
  EXPECT_NEAR(RequiredStrengthPerAreaA[0][0], 0.40, 1e-15);
  EXPECT_NEAR(RequiredWallLengthPerAreaA[0][0], 0.15, 1e-15);
  EXPECT_NEAR(RequiredWallLengthPerArea[0][0], 0.29, 1e-15);
}

TEST_F(RequiredStrengthTest, ZonesThatTheStoreyAboveDoesNotReachOnThreeStoreys) {
  // First storey boundaries a 2, b 8, 1 3, 2 9; second storey edges a 1, b 7, 1 4, 2 10 and
  // boundaries a 3, b 6, 1 5, 2 8; third storey edges a 4, b 5, 1 5, 2 8.
  // Storey 2 reaches zone a of storey 1 (2 < 1 no) but storey 3 does not (3 < 4): storey 2
  // takes the second storey of two storeys (0.37), storey 1 the first storey of two (0.83).
  // Zone b: neither reaches (7 < 8, 5 < 6): storey 1 ends with the one-storey value (0.28).
  // Zone 1: storey 3 reaches (5 < 5 no), storey 2 does not (3 < 4): storey 1 takes 0.28.
  // Zone 2: both reach (10 < 9 no, 8 < 8 no): the storey values.
  SetBuilding(2, 2, 0);
  QuarterZoneBoundaryA[0][0] = 2, QuarterZoneBoundaryB[0][0] = 8;
  QuarterZoneBoundary1[0][0] = 3, QuarterZoneBoundary2[0][0] = 9;
  QuarterZoneEdgeA[0][1] = 1, QuarterZoneEdgeB[0][1] = 7;
  QuarterZoneEdge1[0][1] = 4, QuarterZoneEdge2[0][1] = 10;
  QuarterZoneBoundaryA[0][1] = 3, QuarterZoneBoundaryB[0][1] = 6;
  QuarterZoneBoundary1[0][1] = 5, QuarterZoneBoundary2[0][1] = 8;
  QuarterZoneEdgeA[0][2] = 4, QuarterZoneEdgeB[0][2] = 5;
  QuarterZoneEdge1[0][2] = 5, QuarterZoneEdge2[0][2] = 8;
  CalcRequiredStrengthByFloorArea();
  EXPECT_NEAR(RequiredStrengthPerAreaA[0][1], 0.37, 1e-15);
  EXPECT_NEAR(RequiredWallLengthPerAreaA[0][1], 0.15, 1e-15);
  EXPECT_NEAR(RequiredStrengthPerAreaA[0][0], 0.83, 1e-15);
  EXPECT_NEAR(RequiredWallLengthPerAreaA[0][0], 0.29, 1e-15);
  EXPECT_NEAR(RequiredStrengthPerAreaB[0][1], 0.37, 1e-15);
  EXPECT_NEAR(RequiredStrengthPerAreaB[0][0], 0.28, 1e-15);
  EXPECT_NEAR(RequiredWallLengthPerAreaB[0][0], 0.11, 1e-15);
  EXPECT_NEAR(RequiredStrengthPerArea1[0][1], 0.833184, 1e-12);  // 0.72 x K4 K5 1.1572
  EXPECT_NEAR(RequiredStrengthPerArea1[0][0], 0.28, 1e-15);
  EXPECT_NEAR(RequiredStrengthPerArea2[0][1], 0.833184, 1e-12);
  EXPECT_NEAR(RequiredStrengthPerArea2[0][0], 0.81345, 1e-12);  // 1.16 x K3 0.70125
  for (double* top : {&RequiredStrengthPerAreaA[0][2], &RequiredStrengthPerAreaB[0][2],
                      &RequiredStrengthPerArea1[0][2], &RequiredStrengthPerArea2[0][2]})
    EXPECT_NEAR(*top, 0.5082, 1e-12);  // 0.28 x K6 1.815
}

TEST_F(RequiredStrengthTest, OnlyTheCurrentVariantIsComputedAndTheStrengthOnlyByMethods2And3) {
  SetBuilding(2, 1, 0);
  RequiredStrength[0][0] = 777;
  RequiredWallLength[1][0] = 555;
  CurrentVariant = 1;  // an empty variant: its areas are 0
  ProjectSettings.TopStorey[1] = 0;
  CalcRequiredStrengthByFloorArea();
  EXPECT_EQ(RequiredStrength[0][0], 777);
  EXPECT_EQ(RequiredWallLength[1][0], 0.0);

  CurrentVariant = 0;
  for (int method : {0, 1}) {
    ProjectSettings.RequiredStrengthMethod = method;
    CalcRequiredStrengthByFloorArea();
    EXPECT_EQ(RequiredStrength[0][0], 777) << method;
  }
}

// The building-law wall length does not depend on how the required strength
// is found: under the weight methods 0 and 1 it takes method 2's rules, and
// the required strength is left to those methods.
TEST_F(RequiredStrengthTest, TheWeightMethodsGetTheWallLengthsOfMethod2) {
  struct Case {
    int top, weightClass, storey;
    double wall;
  };
  const Case cases[] = {
      {0, 0, 0, 9.9},   // 0.11 x 90
      {1, 0, 0, 26.1},  // 0.29 x 90
      {1, 0, 1, 10.5},  // 0.15 x 70
      {1, 2, 0, 29.7},  // 0.33 x 90
      {2, 1, 0, 45},    // 0.50 x 90
      {2, 1, 1, 27.3},  // 0.39 x 70
      {2, 1, 2, 7.2},   // 0.24 x 30
  };
  for (int method : {0, 1}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "method " << method << ", top " << c.top << ", class "
                                      << c.weightClass << ", storey " << c.storey);
      SetBuilding(method, c.top, c.weightClass);
      ProjectSettings.Revision = Revision2012;
      ProjectSettings.ManualFloorAreas = 0;
      ComputedZoneArea2[0][c.storey] = 9;
      RequiredStrength[0][c.storey] = RequiredStrengthZoneA[0][c.storey] = 777;
      RequiredStrengthPerArea[0][c.storey] = 7;
      CalcRequiredStrengthByFloorArea();
      EXPECT_NEAR(RequiredWallLength[0][c.storey], c.wall, 1e-9);
      // Every zone reached: the storey's wall length per area on the zone's 9 m².
      EXPECT_NEAR(RequiredWallLength2[0][c.storey], c.wall / ComputedFloorArea[0][c.storey] * 9, 1e-9);
      EXPECT_EQ(RequiredStrength[0][c.storey], 777);
      EXPECT_EQ(RequiredStrengthZoneA[0][c.storey], 777);
      EXPECT_EQ(RequiredStrengthPerArea[0][c.storey], 7);
    }
  }
  // Two storeys of 3.08 m in revision 2025: h / 2.8 = 1.1 enters the wall
  // length as under method 2: 0.29 x 1.1 x 90 = 28.71.
  SetBuilding(0, 1, 0);
  ProjectSettings.Revision = Revision2025;
  ProjectSettings.StoreyHeight[0][0] = 3.08;
  CalcRequiredStrengthByFloorArea();
  EXPECT_NEAR(RequiredWallLength[0][0], 28.71, 1e-9);
}

// Plan-shape factors after SetPlanShapeFactor of every storey and the redistribution.
TEST_F(RequiredStrengthTest, PlanShapeFactor) {
  struct Case {
    const char* what;
    int revision, method, top;
    double shortSide[3];
    double factor[3];
  } cases[] = {
      {"method 1: 4.0 m", 0, 1, 0, {4.0}, {1.15}},
      {"method 1: 3.99 m", 0, 1, 0, {3.99}, {1.3}},
      {"method 1: 6.0 m", 0, 1, 0, {6.0}, {1.0}},
      {"method 1: 5.99 m", 0, 1, 0, {5.99}, {1.15}},
      {"method 1: no plan", 0, 1, 0, {0.0}, {1.0}},
      {"method 0: each storey its own", 0, 0, 1, {3, 5}, {1.3, 1.15}},
      {"method 3: below the top 3.99 m", 0, 3, 1, {3.99, 3.99}, {1.13, 1.0}},
      {"method 3: 4.0 m", 0, 3, 1, {4.0, 10}, {1.0, 1.0}},
      {"method 3: one storey", 0, 3, 0, {3.0}, {1.0}},
      {"method 2: one storey", 0, 2, 0, {3.0}, {1.0}},
      {"method 2: the second storey raises the first", 0, 2, 1, {10, 5}, {1.15, 1.0}},
      {"method 2: the first storey's own factor is replaced", 0, 2, 1, {3, 10}, {1.0, 1.0}},
      {"method 2, three storeys: top raised", 0, 2, 2, {10, 10, 5}, {1.15, 1.15, 1.0}},
      {"method 2, three storeys: second raised", 0, 2, 2, {10, 5, 10}, {1.15, 1.0, 1.0}},
      {"method 2, three storeys: second overrides the first", 0, 2, 2, {3, 5, 10}, {1.15, 1.0, 1.0}},
      {"method 2, three storeys: first keeps its own", 0, 2, 2, {3, 10, 10}, {1.3, 1.0, 1.0}},
      {"method 2, three storeys: larger of second and top", 0, 2, 2, {10, 3, 5}, {1.3, 1.3, 1.0}},
      {"revision 2025: none", 1, 1, 1, {3, 3}, {1.0, 1.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectSettings.Revision = c.revision;
    ProjectSettings.RequiredStrengthMethod = c.method;
    ProjectSettings.TopStorey[2] = c.top;
    for (int s = 0; s <= c.top; ++s) {
      ShortSideLength[2][s] = c.shortSide[s];
      SetPlanShapeFactor(2, s);
    }
    RedistributePlanShapeFactors(2);
    for (int s = 0; s <= c.top; ++s) EXPECT_DOUBLE_EQ(PlanShapeFactor[2][s], c.factor[s]) << s;
  }
}

}  // namespace
