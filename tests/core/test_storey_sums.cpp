// A wall's reduced strength, stiffness and wall quantity, the storey sums, the
// axis-line stiffness and the first moments, and the quarter-zone sums.
// Grid of 1 m pitch with origin axes X 1 and Y 8: x = X - 1, y = 8 - Y.
// Expected values are worked by hand beside each number.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "StoreyAnalysisFixture.h"
#include "analysis/StoreySums.h"
#include "analysis/WallLines.h"

namespace {

constexpr double kTol = 1e-9;
constexpr int kStorey = 1;

struct LineValue {
  int line;
  double value;
};

class StoreySumsTest : public StoreyAnalysisTest {
 protected:
  void SetUp() override {
    StoreyAnalysisTest::SetUp();
    GridOriginAxisX = 1;
    GridOriginAxisY = 8;
  }

  static void ExpectLines(const LineArray& lines, const std::vector<LineValue>& expected, int k,
                          const char* what) {
    for (int i = 0; i < GridAxisCountX; ++i) {
      double want = 0.0;
      for (const LineValue& e : expected)
        if (e.line == i) want += e.value;
      EXPECT_NEAR(lines[kVariant][kStorey][i][k], want, 1e-6) << what << " line " << i << " case " << k;
    }
  }
};

TEST_F(StoreySumsTest, OneWallInEachDirection) {
  const double r2 = std::sqrt(2.0);
  struct Case {
    const char* name;
    int x1, y1, x2, y2;
    int countSteep;
    WallBase base;
    double reducedStrength, reducedStiffness;
    double strengthX, strengthY, quantityX, quantityY, stiffnessX, stiffnessY;
    double momentX, momentY;
    std::vector<LineValue> linesX, linesY;  // LineStiffnessX by Y axis, LineStiffnessY by X axis
  } cases[] = {
      // clang-format off
      // Reduced: 2.5 x 0.8 x 1 = 2.0 kN/m, 500 x 0.8 = 400. Length 2.
      {"along X", 2, 3, 4, 3, 0, {},
       2.0, 400.0,
       4.0, 0.0,             // 2 x 2.0
       3.0, 0.0,             // 2 x 1.5
       800.0, 0.0,           // (2 / 2) x 2 x 400
       0.0, 4000.0,          // Ly 0; Lx 800 x y (8 - 3 = 5)
       {{3, 800.0}}, {{2, 0.0}}},
      // Reduced: 3.0 x 0.5 x 0.4 = 0.6, 600 x 0.5 x 0.4 = 120. Length 4.
      {"along Y with an opening factor", 5, 2, 5, 6, 0,
       {.Strength = 3.0, .Stiffness = 600.0, .WallFactor = 2.0, .MinReduction = 0.5, .OpeningFactor = 0.4},
       0.6, 120.0,
       0.0, 2.4,             // 4 x 0.6
       0.0, 8.0,             // 4 x 2.0
       0.0, 480.0,           // (4 / 4) x 4 x 120
       1920.0, 0.0,          // 480 x x (5 - 1 = 4)
       {}, {{5, 480.0}}},
      // 1 m of a long opening run counting 0.75 m; reduced 2.5 x 0.8 x 0.5 = 1.0, 500 x 0.8 x 0.5 = 200.
      {"counted part of a run", 2, 3, 3, 3, 0, {.OpeningFactor = 0.5, .Counted = 0.75},
       1.0, 200.0,
       0.75, 0.0,            // 0.75 x 1.0
       1.125, 0.0,           // 0.75 x 1.5
       150.0, 0.0,           // (1 / 1) x 0.75 x 200
       0.0, 750.0,           // 150 x 5
       {{3, 150.0}}, {}},
      // 3-4-5 wall, dX 4, dY 3; reduced 2.0 x 1 = 2.0, 400. Setting 0: only X counts.
      {"diagonal mostly along X, dominant direction only", 2, 2, 6, 5, 0,
       {.Strength = 2.0, .Stiffness = 400.0, .WallFactor = 1.0, .MinReduction = 1.0},
       2.0, 400.0,
       8.0, 0.0,             // 4 x 2.0
       4.0, 0.0,             // 4 x 1.0
       1280.0, 0.0,          // (4 / 5) x 4 x 400
       0.0, 5760.0,          // 1280 x 6 / 2 + 1280 x 3 / 2 (y1 = 8 - 2, y2 = 8 - 5)
       {{2, 640.0}, {5, 640.0}}, {}},
      {"the same wall counted in both directions", 2, 2, 6, 5, 1,
       {.Strength = 2.0, .Stiffness = 400.0, .WallFactor = 1.0, .MinReduction = 1.0},
       2.0, 400.0,
       8.0, 6.0,             // 4 x 2.0, 3 x 2.0
       4.0, 3.0,
       1280.0, 720.0,        // (3 / 5) x 3 x 400
       2160.0, 5760.0,       // 720 x 1 / 2 + 720 x 5 / 2 (x1 = 2 - 1, x2 = 6 - 1)
       {{2, 640.0}, {5, 640.0}}, {{2, 360.0}, {6, 360.0}}},
      // dX 3, dY 4: only Y counts.
      {"diagonal mostly along Y, dominant direction only", 2, 2, 5, 6, 0,
       {.Strength = 2.0, .Stiffness = 400.0, .WallFactor = 1.0, .MinReduction = 1.0},
       2.0, 400.0,
       0.0, 8.0,             // 4 x 2.0
       0.0, 4.0,
       0.0, 1280.0,          // (4 / 5) x 4 x 400
       3200.0, 0.0,          // 1280 x 1 / 2 + 1280 x 4 / 2
       {}, {{2, 640.0}, {5, 640.0}}},
      // dX = dY = 3, length 3 sqrt 2: kept in both directions with setting 0.
      {"diagonal at 45 degrees", 2, 2, 5, 5, 0,
       {.Strength = 2.0, .Stiffness = 400.0, .WallFactor = 1.0, .MinReduction = 1.0},
       2.0, 400.0,
       6.0, 6.0,             // 3 x 2.0
       3.0, 3.0,
       1200.0 / r2, 1200.0 / r2,              // (3 / 3 sqrt 2) x 3 x 400
       1200.0 / r2 * 2.5, 1200.0 / r2 * 4.5,  // K x (1 + 4) / 2, K x (6 + 3) / 2
       {{2, 600.0 / r2}, {5, 600.0 / r2}}, {{2, 600.0 / r2}, {5, 600.0 / r2}}},
      // Both ends on one grid point: length 0 gives no stiffness rather than 0 / 0.
      {"ends on one point", 3, 3, 3, 3, 0, {},
       2.0, 400.0,
       0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, {}, {}},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearStoreyResults();
    WallCount[kVariant][kStorey] = 0;
    ProjectSettings.CountSteepDiagonalWalls = c.countSteep;
    const int w = AddWall(kStorey, c.x1, c.y1, c.x2, c.y2, c.base);
    AddWallToStoreySums(kStorey, w);

    for (int wc = 0; wc < WallLoadingCaseCount; ++wc) {
      const WallCaseResult& b = WallResults[kVariant][kStorey][w].Blocks[wc];
      EXPECT_NEAR(b.ReducedStrength, c.reducedStrength, kTol) << "wall case " << wc;
      EXPECT_NEAR(b.ReducedStiffness, c.reducedStiffness, kTol);
      EXPECT_NEAR(b.StrengthX, c.strengthX, kTol);
      EXPECT_NEAR(b.StrengthY, c.strengthY, kTol);
      EXPECT_NEAR(b.WallQuantityX, c.quantityX, kTol);
      EXPECT_NEAR(b.WallQuantityY, c.quantityY, kTol);
      EXPECT_NEAR(b.StiffnessX, c.stiffnessX, 1e-6);
      EXPECT_NEAR(b.StiffnessY, c.stiffnessY, 1e-6);
    }
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      EXPECT_NEAR(WallStrengthX[kVariant][kStorey][k], c.strengthX, kTol) << "storey case " << k;
      EXPECT_NEAR(WallStrengthY[kVariant][kStorey][k], c.strengthY, kTol);
      EXPECT_NEAR(ExistingWallLengthX[kVariant][kStorey][k], c.quantityX, kTol);
      EXPECT_NEAR(ExistingWallLengthY[kVariant][kStorey][k], c.quantityY, kTol);
      EXPECT_NEAR(StiffnessSumX[kVariant][kStorey][k], c.stiffnessX, 1e-6);
      EXPECT_NEAR(StiffnessSumY[kVariant][kStorey][k], c.stiffnessY, 1e-6);
      EXPECT_NEAR(StiffnessMomentX[kVariant][kStorey][k], c.momentX, 1e-6);
      EXPECT_NEAR(StiffnessMomentY[kVariant][kStorey][k], c.momentY, 1e-6);
      ExpectLines(LineStiffnessX, c.linesX, k, "LineStiffnessX");
      ExpectLines(LineStiffnessY, c.linesY, k, "LineStiffnessY");
    }
    // Nothing reaches the other variants or storeys.
    EXPECT_EQ(WallStrengthX[0][kStorey][0], 0.0);
    EXPECT_EQ(StiffnessSumX[kVariant][0][0], 0.0);
  }
}

// The end points from the origin and the products each wall keeps.
TEST_F(StoreySumsTest, PositionsAndProductsOfADiagonalWall) {
  ProjectSettings.CountSteepDiagonalWalls = 1;
  // Entered from (6, 5) to (2, 2): start x 5, y 3; end x 1, y 6. Lx 1280, Ly 720 as above.
  const int w = AddWall(kStorey, 6, 5, 2, 2, {.Strength = 2.0, .Stiffness = 400.0, .MinReduction = 1.0});
  AddWallToStoreySums(kStorey, w);
  const WallCaseResult& b = WallResults[kVariant][kStorey][w].Blocks[0];
  EXPECT_DOUBLE_EQ(b.StartXFromOrigin, 5.0);
  EXPECT_DOUBLE_EQ(b.StartYFromOrigin, 3.0);
  EXPECT_DOUBLE_EQ(b.EndXFromOrigin, 1.0);
  EXPECT_DOUBLE_EQ(b.EndYFromOrigin, 6.0);
  EXPECT_NEAR(b.LyX, 1800.0, kTol);     // 720 x 5 / 2
  EXPECT_NEAR(b.LyXEnd, 360.0, kTol);   // 720 x 1 / 2
  EXPECT_NEAR(b.LxY, 1920.0, kTol);     // 1280 x 3 / 2
  EXPECT_NEAR(b.LxYEnd, 3840.0, kTol);  // 1280 x 6 / 2
}

// One-way braces: storey case k sums X from wall case XCaseOfStoreyCase[k]
// (0 1 2 1 2) and Y from YCaseOfStoreyCase[k] (0 3 3 4 4).
TEST_F(StoreySumsTest, StoreyCasesTakeTheirWallCases) {
  const int wx = AddWall(kStorey, 2, 3, 4, 3, {.MinReduction = 1.0});  // 2 m along X, y 5
  const int wy = AddWall(kStorey, 5, 2, 5, 4, {.MinReduction = 1.0});  // 2 m along Y, x 4
  const double strengthX[5] = {2.0, 3.0, 1.0, 2.0, 2.0}, stiffnessX[5] = {400, 600, 200, 400, 400};
  const double factorX[5] = {1.0, 1.5, 0.5, 1.0, 1.0};
  const double strengthY[5] = {2.0, 2.0, 2.0, 4.0, 1.0}, stiffnessY[5] = {400, 400, 400, 800, 200};
  for (int c = 0; c < WallLoadingCaseCount; ++c) {
    WallCaseResult& bx = WallResults[kVariant][kStorey][wx].Blocks[c];
    bx.BaseStrength = strengthX[c], bx.BaseStiffness = stiffnessX[c], bx.WallFactor = factorX[c];
    WallCaseResult& by = WallResults[kVariant][kStorey][wy].Blocks[c];
    by.BaseStrength = strengthY[c], by.BaseStiffness = stiffnessY[c];
  }
  AddWallToStoreySums(kStorey, wx);
  AddWallToStoreySums(kStorey, wy);

  // X wall per wall case: strength 2 x {2 3 1 2 2}, stiffness 2 x {400 600 200 400 400},
  // quantity 2 x {1 1.5 0.5 1 1}. Y wall: strength 2 x {2 2 2 4 1}, stiffness 2 x {400 400 400 800 200}.
  const struct {
    double strengthX, strengthY, quantityX, sumX, sumY, momentX, momentY;
  } expected[5] = {
      {4.0, 4.0, 2.0, 800.0, 800.0, 3200.0, 4000.0},    // wall cases 0, 0; moments 800 x 4, 800 x 5
      {6.0, 8.0, 3.0, 1200.0, 1600.0, 6400.0, 6000.0},  // 1, 3: 1600 x 4, 1200 x 5
      {2.0, 8.0, 1.0, 400.0, 1600.0, 6400.0, 2000.0},   // 2, 3: 1600 x 4, 400 x 5
      {6.0, 2.0, 3.0, 1200.0, 400.0, 1600.0, 6000.0},   // 1, 4: 400 x 4, 1200 x 5
      {2.0, 2.0, 1.0, 400.0, 400.0, 1600.0, 2000.0},    // 2, 4: 400 x 4, 400 x 5
  };
  for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(WallStrengthX[kVariant][kStorey][k], expected[k].strengthX, kTol);
    EXPECT_NEAR(WallStrengthY[kVariant][kStorey][k], expected[k].strengthY, kTol);
    EXPECT_NEAR(ExistingWallLengthX[kVariant][kStorey][k], expected[k].quantityX, kTol);
    EXPECT_NEAR(ExistingWallLengthY[kVariant][kStorey][k], 3.0, kTol);  // 2 x 1.5 in every wall case
    EXPECT_NEAR(StiffnessSumX[kVariant][kStorey][k], expected[k].sumX, kTol);
    EXPECT_NEAR(StiffnessSumY[kVariant][kStorey][k], expected[k].sumY, kTol);
    EXPECT_NEAR(StiffnessMomentX[kVariant][kStorey][k], expected[k].momentX, kTol);
    EXPECT_NEAR(StiffnessMomentY[kVariant][kStorey][k], expected[k].momentY, kTol);
    EXPECT_NEAR(LineStiffnessX[kVariant][kStorey][3][k], expected[k].sumX, kTol);
    EXPECT_NEAR(LineStiffnessY[kVariant][kStorey][5][k], expected[k].sumY, kTol);
  }
  // A block shared by two storey cases keeps the product of the later one:
  // LyX of block 1 from storey case 3 (Ly of wall case 4), not case 1 (wall case 3).
  const WallResult& ry = WallResults[kVariant][kStorey][wy];
  EXPECT_NEAR(ry.Blocks[0].LyX, 3200.0, kTol);  // 800 x 4
  EXPECT_NEAR(ry.Blocks[1].LyX, 1600.0, kTol);  // 400 x 4, not 1600 x 4
  EXPECT_NEAR(ry.Blocks[2].LyX, 1600.0, kTol);  // storey case 4
  // LxY of block 3 from storey case 2 (Lx of wall case 2), of block 4 from case 4.
  const WallResult& rx = WallResults[kVariant][kStorey][wx];
  EXPECT_NEAR(rx.Blocks[0].LxY, 4000.0, kTol);  // 800 x 5
  EXPECT_NEAR(rx.Blocks[3].LxY, 2000.0, kTol);  // 400 x 5, not 1200 x 5
  EXPECT_NEAR(rx.Blocks[4].LxY, 2000.0, kTol);
}

// The snow record and snow sums follow the snow reduction factor, and only while there is snow.
TEST_F(StoreySumsTest, SnowTwinsOnlyWithSnow) {
  ProjectSettings.CountSteepDiagonalWalls = 0;
  for (const double snowLoad : {0.0, 0.26}) {
    SCOPED_TRACE(snowLoad);
    ClearStoreyResults();
    WallCount[kVariant][kStorey] = 0;
    ProjectSettings.SnowLoad = snowLoad;
    const int wx = AddWall(kStorey, 2, 3, 4, 3);  // snow reduced: 2.5 x 0.6 = 1.5, 500 x 0.6 = 300
    const int wd = AddWall(kStorey, 2, 2, 6, 5);  // dX 4, dY 3, length 5: only X counts
    for (int w : {wx, wd})
      for (auto& b : SnowWallResults[kVariant][kStorey][w].Blocks)
        b.StrengthX = b.StrengthY = b.StiffnessX = b.StiffnessY = b.LxY = b.StartYFromOrigin = -7.0;
    AddWallToStoreySums(kStorey, wx);
    AddWallToStoreySums(kStorey, wd);

    // Without snow the same either way: 2 x 2.0 + 4 x 2.0; 800 + (4 / 5) x 4 x 400.
    EXPECT_NEAR(WallStrengthX[kVariant][kStorey][2], 12.0, kTol);
    EXPECT_NEAR(StiffnessSumX[kVariant][kStorey][2], 2080.0, kTol);

    const SnowWallCaseResult& sx = SnowWallResults[kVariant][kStorey][wx].Blocks[0];
    const SnowWallCaseResult& sd = SnowWallResults[kVariant][kStorey][wd].Blocks[0];
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      if (snowLoad == 0.0) {
        EXPECT_EQ(WallStrengthXSnow[kVariant][kStorey][k], 0.0);
        EXPECT_EQ(StiffnessSumXSnow[kVariant][kStorey][k], 0.0);
        EXPECT_EQ(StiffnessMomentYSnow[kVariant][kStorey][k], 0.0);
      } else {
        EXPECT_NEAR(WallStrengthXSnow[kVariant][kStorey][k], 9.0, kTol);     // 2 x 1.5 + 4 x 1.5
        EXPECT_NEAR(WallStrengthYSnow[kVariant][kStorey][k], 0.0, kTol);     // 3 x 1.5 cleared
        EXPECT_NEAR(StiffnessSumXSnow[kVariant][kStorey][k], 1560.0, kTol);  // 2 x 300 + 0.8 x 4 x 300
        EXPECT_NEAR(StiffnessSumYSnow[kVariant][kStorey][k], 0.0, kTol);
        EXPECT_NEAR(StiffnessMomentYSnow[kVariant][kStorey][k], 7320.0, kTol);  // 600 x 5 + 960 x (6 + 3) / 2
        EXPECT_NEAR(StiffnessMomentXSnow[kVariant][kStorey][k], 0.0, kTol);
      }
    }
    if (snowLoad == 0.0) {
      EXPECT_EQ(sx.StrengthX, -7.0);
      EXPECT_EQ(sd.StiffnessX, -7.0);
      EXPECT_EQ(sd.LxY, -7.0);
      EXPECT_EQ(sx.StartYFromOrigin, -7.0);
    } else {
      EXPECT_NEAR(sx.ReducedStrength, 1.5, kTol);
      EXPECT_NEAR(sx.ReducedStiffness, 300.0, kTol);
      EXPECT_NEAR(sx.StrengthX, 3.0, kTol);     // 2 x 1.5
      EXPECT_NEAR(sx.StiffnessX, 600.0, kTol);  // 1 x 2 x 300
      EXPECT_NEAR(sx.StartYFromOrigin, 5.0, kTol);
      EXPECT_NEAR(sd.StrengthX, 6.0, kTol);  // 4 x 1.5
      EXPECT_NEAR(sd.StrengthY, 0.0, kTol);
      EXPECT_NEAR(sd.StiffnessX, 960.0, kTol);  // 0.8 x 4 x 300
      EXPECT_NEAR(sd.StiffnessY, 0.0, kTol);
      EXPECT_NEAR(sd.LxY, 2880.0, kTol);     // 960 x 6 / 2
      EXPECT_NEAR(sd.LxYEnd, 1440.0, kTol);  // 960 x 3 / 2
    }
  }
}

class QuarterZoneTest : public StoreySumsTest {
 protected:
  // A wall with the case-0 values the sums would have given it.
  static int ZoneWall(int x1, int y1, int x2, int y2, int openingKind, double strengthX, double quantityX,
                      double strengthY, double quantityY) {
    const int w = AddWall(kStorey, x1, y1, x2, y2, {.OpeningKind = openingKind});
    WallCaseResult& b = WallResults[kVariant][kStorey][w].Blocks[0];
    b.StrengthX = strengthX, b.WallQuantityX = quantityX, b.StrengthY = strengthY,
    b.WallQuantityY = quantityY;
    SnowWallCaseResult& sb = SnowWallResults[kVariant][kStorey][w].Blocks[0];
    sb.StrengthX = strengthX / 2.0, sb.StrengthY = strengthY / 2.0;
    return w;
  }
};

// Boundaries at positions 2 and 6 in both directions (positions, not from the origin).
TEST_F(QuarterZoneTest, WallsWithoutOpeningsInTheEndZones) {
  ZoneWall(1, 2, 3, 2, 0, 4.0, 2.0, 0.0, 0.0);   // on boundary A: zone A
  ZoneWall(3, 1, 5, 1, 1, 1.0, 0.5, 0.0, 0.0);   // a window: no zone
  ZoneWall(1, 7, 3, 7, 0, 3.0, 1.5, 0.0, 0.0);   // zone B
  ZoneWall(3, 4, 5, 4, 0, 5.0, 2.5, 0.0, 0.0);   // between: no zone
  ZoneWall(4, 1, 6, 7, 0, 2.0, 1.0, 6.0, 3.0);   // diagonal: half in A and B (Y 1, 7), half in zone 2 (X 6)
  ZoneWall(1, 3, 1, 5, 0, 0.0, 0.0, 2.5, 1.25);  // zone 1
  ZoneWall(7, 3, 7, 5, 0, 0.0, 0.0, 1.5, 0.75);  // zone 2
  ZoneWall(4, 3, 4, 5, 0, 0.0, 0.0, 9.0, 4.5);   // between: no zone
  ZoneWall(1, 5, 1, 6, 2, 0.0, 0.0, 7.0, 3.5);   // a door: no zone
  BuildWallDirectionLists();
  const QuarterZoneBoundaries b{2.0, 6.0, 2.0, 6.0};

  for (const double snowLoad : {0.0, 0.26}) {
    SCOPED_TRACE(snowLoad);
    ClearStoreyResults();
    ProjectSettings.SnowLoad = snowLoad;
    AddQuarterZoneWallSums(kStorey, b);
    EXPECT_NEAR(QuarterZoneStrengthA[kVariant][kStorey], 5.0, kTol);  // 4 + 2 / 2
    EXPECT_NEAR(QuarterWallLengthA[kVariant][kStorey], 2.5, kTol);    // 2 + 1 / 2
    EXPECT_NEAR(QuarterZoneStrengthB[kVariant][kStorey], 4.0, kTol);  // 3 + 2 / 2
    EXPECT_NEAR(QuarterWallLengthB[kVariant][kStorey], 2.0, kTol);    // 1.5 + 1 / 2
    EXPECT_NEAR(QuarterZoneStrength1[kVariant][kStorey], 2.5, kTol);
    EXPECT_NEAR(QuarterWallLength1[kVariant][kStorey], 1.25, kTol);
    EXPECT_NEAR(QuarterZoneStrength2[kVariant][kStorey], 4.5, kTol);  // 1.5 + 6 / 2
    EXPECT_NEAR(QuarterWallLength2[kVariant][kStorey], 2.25, kTol);   // 0.75 + 3 / 2
    const double snowFactor = snowLoad != 0.0 ? 0.5 : 0.0;  // snow strengths are half the plain ones here
    EXPECT_NEAR(QuarterZoneStrengthASnow[kVariant][kStorey], 5.0 * snowFactor, kTol);
    EXPECT_NEAR(QuarterZoneStrengthBSnow[kVariant][kStorey], 4.0 * snowFactor, kTol);
    EXPECT_NEAR(QuarterZoneStrength1Snow[kVariant][kStorey], 2.5 * snowFactor, kTol);
    EXPECT_NEAR(QuarterZoneStrength2Snow[kVariant][kStorey], 4.5 * snowFactor, kTol);
  }
}

// A line within 0.00001 m of a boundary counts in that zone.
TEST_F(QuarterZoneTest, BoundaryTolerance) {
  ZoneWall(0, 3, 1, 3, 0, 1.0, 1.0, 0.0, 0.0);  // X wall on Y axis 3
  ZoneWall(3, 0, 3, 1, 0, 0.0, 0.0, 1.0, 1.0);  // Y wall on X axis 3
  BuildWallDirectionLists();
  const struct {
    double offset;  // of the boundaries from position 3
    double inLowZones, inHighZones;
  } cases[] = {
      {-0.000009, 1.0, 1.0},  // A, 1: 3 <= 2.999991 + 0.00001; B, 2: 3 >= 2.999991 - 0.00001
      {-0.000011, 0.0, 1.0},  // A, 1: 3 > 2.999989 + 0.00001
      {0.000009, 1.0, 1.0},
      {0.000011, 1.0, 0.0},  // B, 2: 3 < 3.000011 - 0.00001
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.offset);
    ClearStoreyResults();
    const double at = 3.0 + c.offset;
    AddQuarterZoneWallSums(kStorey, {at, at, at, at});
    EXPECT_EQ(QuarterZoneStrengthA[kVariant][kStorey], c.inLowZones);
    EXPECT_EQ(QuarterZoneStrength1[kVariant][kStorey], c.inLowZones);
    EXPECT_EQ(QuarterZoneStrengthB[kVariant][kStorey], c.inHighZones);
    EXPECT_EQ(QuarterZoneStrength2[kVariant][kStorey], c.inHighZones);
  }
}

}  // namespace
