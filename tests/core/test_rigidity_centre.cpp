// Centre of rigidity, eccentricity, second moments, torsional stiffness,
// elastic radii, eccentricity ratios and line shears of a storey.
// Grid of 1 m pitch with origin axes X 0 and Y 4: x = X, y = 4 - Y.
// Expected values are worked by hand beside each number.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "StoreyAnalysisFixture.h"
#include "analysis/RigidityCentre.h"
#include "analysis/StoreySums.h"
#include "model/ModelExtents.h"
#include "model/ViewState.h"

namespace {

constexpr double kTol = 1e-9;
constexpr int kStorey = 2;
constexpr int32_t kBit0 = 1;        // 99.99 for a direction without strength
constexpr int32_t kAlpha = 4;       // torsion correction factor instead of Ce
constexpr int32_t kMode1 = 1 << 4;  // only the 1.0 limit
constexpr int32_t kMode2 = 2 << 4;  // only the 1.5 limit
constexpr int32_t kNoLimit = 3 << 4;

class RigidityCentreTest : public StoreyAnalysisTest {
 protected:
  void SetUp() override {
    StoreyAnalysisTest::SetUp();
    GridOriginAxisX = 0;
    GridOriginAxisY = 4;
    UsedExtentMinX[kVariant][kStorey] = 0;
    UsedExtentMaxX[kVariant][kStorey] = 4;
    UsedExtentMinY[kVariant][kStorey] = 0;
    UsedExtentMaxY[kVariant][kStorey] = 4;
    ProjectSettings.EccentricityOptions = kBit0;
    ProjectSettings.OtherElementsMethod = 0;
  }

  // A 4 m x 4 m storey, walls of 4 m summed as the storey analysis does (reduction 1.0):
  // Y walls at x 0 (Ly 4 x 200 = 800) and x 4 (Ly 4 x 50 = 200),
  // X walls at y 0 (Y axis 4) and y 4 (Y axis 0), Lx 4 x 100 = 400 each.
  // Snow: the wall at x 0 has snow reduction 0.5 (Ly 400), the others 1.0.
  static void BuildLopsidedStorey() {
    AddWall(kStorey, 0, 0, 0, 4, {.Stiffness = 200.0, .MinReduction = 1.0, .SnowMinReduction = 0.5});
    AddWall(kStorey, 4, 0, 4, 4, {.Stiffness = 50.0, .MinReduction = 1.0, .SnowMinReduction = 1.0});
    AddWall(kStorey, 0, 4, 4, 4, {.Stiffness = 100.0, .MinReduction = 1.0, .SnowMinReduction = 1.0});
    AddWall(kStorey, 0, 0, 4, 0, {.Stiffness = 100.0, .MinReduction = 1.0, .SnowMinReduction = 1.0});
    for (int w = 0; w < WallCount[kVariant][kStorey]; ++w) AddWallToStoreySums(kStorey, w);
  }

  // Centres and second moments back to the zero the storey analysis starts from; line shears to a
  // mark that shows which lines were written.
  static void ResetCaseResults() {
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      RigidityCentreX[kVariant][kStorey][k] = RigidityCentreXSnow[kVariant][kStorey][k] = 0.0;
      SecondMomentIx[kVariant][kStorey][k] = SecondMomentIy[kVariant][kStorey][k] = 0.0;
      SecondMomentIxSnow[kVariant][kStorey][k] = SecondMomentIySnow[kVariant][kStorey][k] = 0.0;
    }
    for (auto& line : LineShearX[kVariant][kStorey])
      for (double& v : line) v = -7.0;
    for (auto& line : LineShearY[kVariant][kStorey])
      for (double& v : line) v = -7.0;
  }

  static void RunAllCases(const RigidityCentreInput& in) {
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) CalcRigidityCentreAndEccentricity(kStorey, k, in);
  }

  static double At(const StoreyCaseArray& a, int k) { return a[kVariant][kStorey][k]; }
};

TEST_F(RigidityCentreTest, LopsidedStorey) {
  BuildLopsidedStorey();
  RunAllCases({.CentreOfGravityX = 2.0, .CentreOfGravityY = 2.0, .RequiredStrength = 10.0});
  for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(At(RigidityCentreX, k), 0.8, kTol);  // (800 x 0 + 200 x 4) / 1000
    EXPECT_NEAR(At(RigidityCentreY, k), 2.0, kTol);  // (400 x 0 + 400 x 4) / 800
    EXPECT_NEAR(At(EccentricityX, k), 1.2, kTol);    // |2 - 0.8|
    EXPECT_NEAR(At(EccentricityY, k), 0.0, kTol);
    EXPECT_NEAR(At(SecondMomentIx, k), 2560.0, kTol);          // 800 x 0.8^2 + 200 x 3.2^2 = 512 + 2048
    EXPECT_NEAR(At(SecondMomentIy, k), 3200.0, kTol);          // 400 x 2^2 + 400 x 2^2
    EXPECT_NEAR(At(TorsionalStiffness, k), 5760.0, kTol);      // 2560 + 3200
    EXPECT_NEAR(At(ElasticRadiusX, k), std::sqrt(7.2), kTol);  // sqrt(5760 / 800) = 2.6833
    EXPECT_NEAR(At(ElasticRadiusY, k), 2.4, kTol);             // sqrt(5760 / 1000)
    EXPECT_NEAR(At(EccentricityRatioX, k), 0.0, kTol);         // 0 / 2.6833
    EXPECT_NEAR(At(EccentricityRatioY, k), 0.5, kTol);         // 1.2 / 2.4
  }
  // The wall at x 4, from (4, 0) to (4, 4): y 4 and 0.
  const WallCaseResult& b = WallResults[kVariant][kStorey][1].Blocks[3];
  EXPECT_NEAR(b.StartXFromCentre, 3.2, kTol);  // 4 - 0.8
  EXPECT_NEAR(b.EndXFromCentre, 3.2, kTol);
  EXPECT_NEAR(b.StartYFromCentre, 2.0, kTol);  // 4 - 2
  EXPECT_NEAR(b.EndYFromCentre, -2.0, kTol);   // 0 - 2
  EXPECT_NEAR(b.LyXX, 2048.0, kTol);           // 200 x 3.2^2
  EXPECT_NEAR(b.LxYY, 0.0, kTol);              // no X stiffness
  EXPECT_EQ(b.LyXXEnd, 0.0);
  // Without snow the snow family is left alone.
  EXPECT_EQ(At(RigidityCentreXSnow, 0), 0.0);
  EXPECT_EQ(At(TorsionalStiffnessSnow, 0), 0.0);
}

// Line stiffness: X lines (Y axes 0 and 4) 400 each of 800; Y lines (X axis 0) 800 and (X axis 4) 200 of
// 1000. Rey = ex / 2.4: 0.5 with the centre of gravity at x 2, 0.0833 at x 1 (ex 0.2); Rex = 0.
TEST_F(RigidityCentreTest, LineShears) {
  BuildLopsidedStorey();
  const struct {
    const char* name;
    int32_t options;
    double gravityX;
    double shearX0, shearX4, shearY0, shearY4;
  } cases[] = {
      // Ce = 10/3 Re + 0.5: CeX 0.5 -> 1.0; CeY 13/6 = 2.1667 -> 1.5. Shear = line / sum x Ce x 10:
      // 0.5 x 1 x 10; 0.8 x 1.5 x 10, 0.2 x 1.5 x 10.
      {"Ce, both limits", kBit0, 2.0, 5.0, 5.0, 12.0, 3.0},
      // 0.5 x 0.5 x 10; 0.8 x 13/6 x 10, 0.2 x 13/6 x 10.
      {"Ce, no limit", kBit0 | kNoLimit, 2.0, 2.5, 2.5, 8.0 * 13.0 / 6.0, 2.0 * 13.0 / 6.0},
      {"Ce, lower limit only", kBit0 | kMode1, 2.0, 5.0, 5.0, 8.0 * 13.0 / 6.0, 2.0 * 13.0 / 6.0},
      {"Ce, upper limit only", kBit0 | kMode2, 2.0, 2.5, 2.5, 12.0, 3.0},
      // CeY = 0.2778 + 0.5 = 0.7778 -> 1.0.
      {"Ce, small eccentricity", kBit0, 1.0, 5.0, 5.0, 8.0, 2.0},
      // alpha: ax = 0 (ey 0); ay = (2 - 0.8) x 1000 / 5760 = 0.20833. x 0: -0.8 ay + 1 = 0.833 -> 1;
      // x 4: 3.2 x 0.20833 + 1 = 1.6667 -> 0.2 x 1.6667 x 10.
      {"alpha", kBit0 | kAlpha, 2.0, 5.0, 5.0, 8.0, 10.0 / 3.0},
      // Rey 0.0833 < 0.15 clears ay under limit mode 0: alpha 1.
      {"alpha, small eccentricity ignored", kBit0 | kAlpha, 1.0, 5.0, 5.0, 8.0, 2.0},
      // Mode 2 keeps it: ay = 0.2 x 1000 / 5760 = 0.034722; x 4: 3.2 x 0.034722 + 1 = 1.1111.
      {"alpha, small eccentricity kept", kBit0 | kAlpha | kMode2, 1.0, 5.0, 5.0, 8.0, 2.0 * 10.0 / 9.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetCaseResults();
    ProjectSettings.EccentricityOptions = c.options;
    RunAllCases({.CentreOfGravityX = c.gravityX, .CentreOfGravityY = 2.0, .RequiredStrength = 10.0});
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      const auto& sx = LineShearX[kVariant][kStorey];
      const auto& sy = LineShearY[kVariant][kStorey];
      EXPECT_NEAR(sx[0][k], c.shearX0, kTol) << k;
      EXPECT_NEAR(sx[4][k], c.shearX4, kTol) << k;
      EXPECT_NEAR(sy[0][k], c.shearY0, kTol) << k;
      EXPECT_NEAR(sy[4][k], c.shearY4, kTol) << k;
      for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(sx[i][k], 0.0) << i;  // lines without walls, written as 0
        EXPECT_EQ(sy[i][k], 0.0) << i;
      }
      EXPECT_EQ(sx[5][k], -7.0);  // outside the used extent: not written
      EXPECT_EQ(sy[5][k], -7.0);
    }
  }
}

// A direction without stiffness: no centre in that direction, radius 0, ratio by bit 0, no line shear.
TEST_F(RigidityCentreTest, NoStiffnessAlongY) {
  AddWall(kStorey, 0, 4, 4, 4, {.Stiffness = 100.0, .MinReduction = 1.0});  // y 0, Lx 400
  AddWall(kStorey, 0, 0, 4, 0, {.Stiffness = 100.0, .MinReduction = 1.0});  // y 4, Lx 400
  for (int w = 0; w < 2; ++w) AddWallToStoreySums(kStorey, w);
  for (const int32_t options : {kBit0, 0}) {
    SCOPED_TRACE(options);
    ProjectSettings.EccentricityOptions = options;
    ResetCaseResults();
    RunAllCases({.CentreOfGravityX = 2.0, .CentreOfGravityY = 2.0, .RequiredStrength = 10.0});
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      EXPECT_EQ(At(RigidityCentreX, k), 0.0);
      EXPECT_NEAR(At(RigidityCentreY, k), 2.0, kTol);  // 400 x 4 / 800
      EXPECT_NEAR(At(EccentricityX, k), 2.0, kTol);    // |2 - 0|
      EXPECT_NEAR(At(TorsionalStiffness, k), 3200.0, kTol);
      EXPECT_NEAR(At(ElasticRadiusX, k), 2.0, kTol);  // sqrt(3200 / 800)
      EXPECT_EQ(At(ElasticRadiusY, k), 0.0);
      EXPECT_NEAR(At(EccentricityRatioX, k), 0.0, kTol);
      EXPECT_EQ(At(EccentricityRatioY, k), options == kBit0 ? 99.99 : 0.0);
      EXPECT_NEAR(LineShearX[kVariant][kStorey][0][k], 5.0, kTol);  // 400 / 800 x 1.0 x 10
      for (int j = 0; j <= 5; ++j) EXPECT_EQ(LineShearY[kVariant][kStorey][j][k], -7.0) << j;
    }
  }
}

// Both walls on lines through the centre of rigidity: Kr = 0 with stiffness in both directions.
TEST_F(RigidityCentreTest, NoTorsionalStiffness) {
  AddWall(kStorey, 0, 2, 4, 2, {.Stiffness = 100.0, .MinReduction = 1.0});  // y 2, Lx 400
  AddWall(kStorey, 2, 0, 2, 4, {.Stiffness = 200.0, .MinReduction = 1.0});  // x 2, Ly 800
  for (int w = 0; w < 2; ++w) AddWallToStoreySums(kStorey, w);
  const struct {
    int32_t options;
    double shear;
  } cases[] = {
      {kBit0 | kAlpha, 10.0},  // alpha taken as 1: 400 / 400 x 1 x 10
      {kBit0, 15.0},           // Re 99.99: Ce 333.8 -> 1.5
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    ProjectSettings.EccentricityOptions = c.options;
    ResetCaseResults();
    RunAllCases({.CentreOfGravityX = 3.0, .CentreOfGravityY = 1.0, .RequiredStrength = 10.0});
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      EXPECT_NEAR(At(RigidityCentreX, k), 2.0, kTol);
      EXPECT_NEAR(At(RigidityCentreY, k), 2.0, kTol);
      EXPECT_EQ(At(TorsionalStiffness, k), 0.0);
      EXPECT_EQ(At(ElasticRadiusX, k), 0.0);
      EXPECT_EQ(At(EccentricityRatioX, k), 99.99);
      EXPECT_EQ(At(EccentricityRatioY, k), 99.99);
      for (int i = 0; i <= 4; ++i) {
        const double want = i == 2 ? c.shear : 0.0;
        EXPECT_EQ(LineShearX[kVariant][kStorey][i][k], want) << i;
        EXPECT_EQ(LineShearY[kVariant][kStorey][i][k], want) << i;
      }
    }
  }
}

// Second moments take each wall's own block k, halves at the two ends of a diagonal wall.
TEST_F(RigidityCentreTest, SecondMomentsFromTheWallsOwnBlock) {
  const int k = 1;  // the sums of storey case 1 come from wall cases 1 (X) and 3 (Y)
  const int diagonal = AddWall(kStorey, 1, 1, 4, 3);  // x 1..4, y 3..1
  const int upright = AddWall(kStorey, 3, 0, 3, 4);   // x 3
  StiffnessSumX[kVariant][kStorey][k] = 1000.0;
  StiffnessSumY[kVariant][kStorey][k] = 1000.0;
  StiffnessMomentX[kVariant][kStorey][k] = 2000.0;  // centre x 2
  StiffnessMomentY[kVariant][kStorey][k] = 2000.0;  // centre y 2
  WallResult& d = WallResults[kVariant][kStorey][diagonal];
  d.Blocks[1].StiffnessX = 300.0, d.Blocks[1].StiffnessY = 200.0;
  d.Blocks[3].StiffnessX = 5000.0, d.Blocks[3].StiffnessY = 5000.0;  // what the Y sums would take
  WallResult& u = WallResults[kVariant][kStorey][upright];
  u.Blocks[1].StiffnessY = 100.0, u.Blocks[1].LyXXEnd = -7.0, u.Blocks[1].LxYYEnd = -7.0;
  u.Blocks[3].StiffnessY = 5000.0;

  CalcRigidityCentreAndEccentricity(kStorey, k, {.CentreOfGravityX = 2.0, .CentreOfGravityY = 2.0});

  const WallCaseResult& b = d.Blocks[k];
  EXPECT_NEAR(b.StartXFromCentre, -1.0, kTol);  // 1 - 2
  EXPECT_NEAR(b.EndXFromCentre, 2.0, kTol);     // 4 - 2
  EXPECT_NEAR(b.StartYFromCentre, 1.0, kTol);   // (4 - 1) - 2
  EXPECT_NEAR(b.EndYFromCentre, -1.0, kTol);    // (4 - 3) - 2
  EXPECT_NEAR(b.LyXX, 100.0, kTol);             // 200 x 1 / 2
  EXPECT_NEAR(b.LyXXEnd, 400.0, kTol);          // 200 x 4 / 2
  EXPECT_NEAR(b.LxYY, 150.0, kTol);             // 300 x 1 / 2
  EXPECT_NEAR(b.LxYYEnd, 150.0, kTol);          // 300 x 1 / 2
  EXPECT_NEAR(u.Blocks[k].LyXX, 100.0, kTol);   // 100 x (3 - 2)^2
  EXPECT_EQ(u.Blocks[k].LyXXEnd, 0.0);
  EXPECT_EQ(u.Blocks[k].LxYYEnd, 0.0);
  EXPECT_NEAR(At(SecondMomentIx, k), 600.0, kTol);  // 100 + 400 + 100
  EXPECT_NEAR(At(SecondMomentIy, k), 300.0, kTol);  // 150 + 150
  EXPECT_NEAR(At(TorsionalStiffness, k), 900.0, kTol);
  EXPECT_NEAR(At(ElasticRadiusX, k), std::sqrt(0.9), kTol);  // sqrt(900 / 1000)
  EXPECT_NEAR(At(ElasticRadiusY, k), std::sqrt(0.9), kTol);
}

// The snow family: its own sums and centre, eccentricity from the centre of gravity without snow.
TEST_F(RigidityCentreTest, SnowFamily) {
  ProjectSettings.SnowLoad = 0.26;
  BuildLopsidedStorey();
  SnowWallResults[kVariant][kStorey][0].Blocks[0].StartXFromCentre = -7.0;
  RunAllCases({.CentreOfGravityX = 2.0, .CentreOfGravityY = 2.0, .RequiredStrength = 10.0});
  const double r80 = std::sqrt(80.0);
  for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(At(RigidityCentreX, k), 0.8, kTol);            // unchanged by snow
    EXPECT_NEAR(At(RigidityCentreXSnow, k), 4.0 / 3.0, kTol);  // (400 x 0 + 200 x 4) / 600
    EXPECT_NEAR(At(RigidityCentreYSnow, k), 2.0, kTol);        // (400 x 0 + 400 x 4) / 800
    EXPECT_NEAR(At(EccentricityXSnow, k), 2.0 / 3.0, kTol);    // |2 - 4/3|
    EXPECT_NEAR(At(EccentricityYSnow, k), 0.0, kTol);
    EXPECT_NEAR(At(SecondMomentIxSnow, k), 19200.0 / 9.0, 1e-9);  // 400 x 16/9 + 200 x 64/9
    EXPECT_NEAR(At(SecondMomentIySnow, k), 3200.0, kTol);
    EXPECT_NEAR(At(TorsionalStiffnessSnow, k), 48000.0 / 9.0, 1e-9);
    EXPECT_NEAR(At(ElasticRadiusXSnow, k), std::sqrt(60.0 / 9.0), kTol);  // sqrt(5333.3 / 800)
    EXPECT_NEAR(At(ElasticRadiusYSnow, k), r80 / 3.0, kTol);              // sqrt(5333.3 / 600) = 2.9814
    EXPECT_NEAR(At(EccentricityRatioXSnow, k), 0.0, kTol);
    EXPECT_NEAR(At(EccentricityRatioYSnow, k), 2.0 / r80, kTol);   // (2/3) / (sqrt 80 / 3) = 0.2236
    EXPECT_NEAR(LineShearY[kVariant][kStorey][0][k], 12.0, kTol);  // the line shear has no snow variant
  }
  const SnowWallCaseResult& s = SnowWallResults[kVariant][kStorey][0].Blocks[0];
  EXPECT_NEAR(s.StartXFromCentre, -4.0 / 3.0, kTol);
  EXPECT_NEAR(s.LyXX, 400.0 * 16.0 / 9.0, 1e-9);
  // Without snow the snow wall fields keep their values.
  ProjectSettings.SnowLoad = 0.0;
  SnowWallResults[kVariant][kStorey][0].Blocks[2].StartXFromCentre = -7.0;
  CalcRigidityCentreAndEccentricity(kStorey, 2, {.CentreOfGravityX = 2.0, .CentreOfGravityY = 2.0});
  EXPECT_EQ(SnowWallResults[kVariant][kStorey][0].Blocks[2].StartXFromCentre, -7.0);
}

// In method 2 the columns' torsion terms go in once the centre is known and before Kr is formed.
std::vector<std::pair<int, int>> columnCalls;
void AddCentreTimes100(int32_t storey, int32_t storeyCase) {
  columnCalls.emplace_back(storey, storeyCase);
  SecondMomentIx[CurrentVariant][storey][storeyCase] +=
      100.0 * RigidityCentreX[CurrentVariant][storey][storeyCase];
}
void AddTenSnow(int32_t storey, int32_t storeyCase) {
  columnCalls.emplace_back(-storey, -storeyCase);
  SecondMomentIxSnow[CurrentVariant][storey][storeyCase] += 10.0;
}

TEST_F(RigidityCentreTest, ColumnTorsionTermsInMethod2) {
  ProjectSettings.SnowLoad = 0.26;
  BuildLopsidedStorey();
  const RigidityCentreInput in{2.0, 2.0, 10.0, AddCentreTimes100, AddTenSnow};
  for (const int32_t method : {0, 1}) {
    SCOPED_TRACE(method);
    ProjectSettings.OtherElementsMethod = method;
    columnCalls.clear();
    ResetCaseResults();
    CalcRigidityCentreAndEccentricity(kStorey, 3, in);
    if (method == 1) {
      EXPECT_EQ(columnCalls, (std::vector<std::pair<int, int>>{{2, 3}, {-2, -3}}));
      EXPECT_NEAR(At(TorsionalStiffness, 3), 5840.0, kTol);  // 5760 + 100 x 0.8
      EXPECT_NEAR(At(ElasticRadiusY, 3), std::sqrt(5.84), kTol);
      EXPECT_NEAR(At(TorsionalStiffnessSnow, 3), 48000.0 / 9.0 + 10.0, 1e-9);
    } else {
      EXPECT_TRUE(columnCalls.empty());
      EXPECT_NEAR(At(TorsionalStiffness, 3), 5760.0, kTol);
    }
  }
}

}  // namespace
