// Arrangement reduction: the share of other seismic elements, floor-
// specification areas and line capacities, the floor class, and Fe by the
// eccentricity ratio and by the quarter-division method. Expected values are
// worked by hand from the formulas; the arithmetic stands beside each one.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/BuildingOutline.h"
#include "analysis/RequiredStrength.h"
#include "analysis/WeightsAndRequiredStrength.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

using namespace testmodel;

// Floor-specification codes (floor row + 32 x brace row) and their floor factors.
constexpr int32_t kAtrium = 0;         // 吹抜, 0
constexpr int32_t kPlywood2 = 1;       // 2.0
constexpr int32_t kPlywood1 = 3;       // 1.0
constexpr int32_t kPlywood07 = 6;      // 0.7
constexpr int32_t kCedar03 = 10;       // 0.3
constexpr int32_t kRoof05 = 14;        // 0.5
constexpr int32_t kCedarBraced = 108;  // 12 + 32 x 3: 0.24 + 0.5 = 0.74
constexpr int32_t kAtriumBraced = 32;  // 吹抜 with braces of row 1: 0 + 0.8
constexpr int32_t kNoSuchRow = 22;     // past the floor table

// A 1 m grid, both origin axes at axis 0.
class ArrangementTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    testmodel::LayOutGrid(1.0);
    CurrentVariant = 0;
    ProjectSettings.TopStorey[0] = 0;
    ProjectSettings.DiagnosisMethod = 2;
    ProjectSettings.BalanceMethod = 0;
    ProjectSettings.OpeningWallBasis = 0;
    ProjectSettings.UniformFloorSpec = 0;
    ProjectSettings.FloorMaterial = 0;
    ProjectSettings.HorizontalBraces = 1;
    ProjectSettings.Atrium = 0;
  }

  // Quarter division with the X zones a, b and the Y zones 1, 2 of storey s;
  // the snow zones the same unless set afterwards.
  static void SetZones(int s, double strengthA, double demandA, double strengthB, double demandB,
                       double strength1, double demand1, double strength2, double demand2) {
    QuarterZoneStrengthA[0][s] = QuarterZoneStrengthASnow[0][s] = strengthA;
    RequiredStrengthZoneA[0][s] = RequiredStrengthZoneASnow[0][s] = demandA;
    QuarterZoneStrengthB[0][s] = QuarterZoneStrengthBSnow[0][s] = strengthB;
    RequiredStrengthZoneB[0][s] = RequiredStrengthZoneBSnow[0][s] = demandB;
    QuarterZoneStrength1[0][s] = QuarterZoneStrength1Snow[0][s] = strength1;
    RequiredStrengthZone1[0][s] = RequiredStrengthZone1Snow[0][s] = demand1;
    QuarterZoneStrength2[0][s] = QuarterZoneStrength2Snow[0][s] = strength2;
    RequiredStrengthZone2[0][s] = RequiredStrengthZone2Snow[0][s] = demand2;
  }

  static void UseQuarterDivision() {
    ProjectSettings.DiagnosisMethod = 2;
    ProjectSettings.BalanceMethod = 1;
  }

  // Every one of the 17 combinations of the storey holds the value.
  static void ExpectAllCombinations(const StoreyComboArray& factors, int v, int s, double expected) {
    for (int c = 0; c < LoadCombinationCount; ++c) {
      SCOPED_TRACE(testing::Message() << "combination " << c);
      EXPECT_NEAR(factors[v][s][c], expected, 1e-12);
    }
  }
};

// ---------------------------------------------------------------------------
// Fe by the eccentricity ratio

struct EccentricityRow {
  double re, magnification, fe;
  const char* working;
};

// D = 3.33 Re + 0.5. Rows hold Re from their lower limit up to, not including, the upper one.
const EccentricityRow eccentricityRows[] = {
    {0.0, 0.0, 1.0, "Re < 0.15"},
    {0.1499, 1.5, 1.0, "Re < 0.15"},
    {0.15, 1.5, 1.0 / 0.9995, "D = 0.4995 + 0.5; 1 / D = 1.0005"},
    {0.15, 0.0, 1.0 / 0.9995, "the 1 / D row has one value for every column"},
    {0.2, 1.5, 1.0 / 1.166, "D = 0.666 + 0.5 = 1.166; 0.8576"},
    {0.2, 0.7, 1.0 / 1.166, "0.8576"},
    {0.2, 0.2, 1.0 / 1.166, "0.8576"},
    {0.35, 1.5, 2.95 / 4.9965, "D = 1.1655 + 0.5 = 1.6655; (3.3 - 0.35) / (3 D) = 0.5904"},
    {0.35, 0.7, 1.95 / 3.331, "(2.3 - 0.35) / (2 D) = 0.5854"},
    {0.35, 0.2, 2.9 / 4.9965, "(3.6 - 0.7) / (3 D) = 0.5804"},
    {0.4, 1.0, 2.9 / 5.496, "D = 1.332 + 0.5 = 1.832; 2.9 / 5.496 = 0.5277"},
    {0.4, 0.5, 1.9 / 3.664, "1.9 / 3.664 = 0.5186"},
    {0.4, 0.0, 2.8 / 5.496, "(3.6 - 0.8) / 5.496 = 0.5095"},
    {0.45, 1.5, 2.85 / 6.0, "next row: (3.3 - 0.45) / 6 = 0.475, not 2.85 / 5.9955"},
    {0.45, 0.7, 1.85 / 4.0, "(2.3 - 0.45) / 4 = 0.4625"},
    {0.45, 0.2, 2.7 / 6.0, "(3.6 - 0.9) / 6 = 0.45"},
    {0.5, 1.0, 2.8 / 6.0, "(3.3 - 0.5) / 6 = 0.4667"},
    {0.5, 0.9999, 0.45, "(2.3 - 0.5) / 4 = 0.45: a just under 1.0 is the middle column"},
    {0.5, 0.5, 0.45, "a = 0.5 is the middle column"},
    {0.5, 0.4999, 2.6 / 6.0, "(3.6 - 1.0) / 6 = 0.4333"},
    {0.6, 1.5, 0.45, "Re >= 0.6"},
    {0.6, 0.7, 0.425, "Re >= 0.6"},
    {0.6, 0.2, 0.4, "Re >= 0.6"},
    {2.0, 1.5, 0.45, "Re >= 0.6"},
    {std::numeric_limits<double>::quiet_NaN(), 0.0, 0.4, "no ratio at all: the most severe row, not NaN"},
};

TEST(EccentricityReduction, TableByRowAndFloorColumn) {
  for (const EccentricityRow& r : eccentricityRows) {
    SCOPED_TRACE(testing::Message() << "Re " << r.re << ", a " << r.magnification << ": " << r.working);
    EXPECT_NEAR(ReductionFactorByEccentricity(r.re, r.magnification), r.fe, 1e-12);
  }
}

TEST(EccentricityReduction, FourDigitValues) {
  EXPECT_NEAR(ReductionFactorByEccentricity(0.2, 1.0), 0.8576, 5e-5);
  EXPECT_NEAR(ReductionFactorByEccentricity(0.4, 1.0), 0.5277, 5e-5);
  EXPECT_NEAR(ReductionFactorByEccentricity(0.4, 0.5), 0.5186, 5e-5);
  EXPECT_NEAR(ReductionFactorByEccentricity(0.4, 0.0), 0.5095, 5e-5);
  EXPECT_NEAR(ReductionFactorByEccentricity(0.5, 1.0), 0.4667, 5e-5);
  EXPECT_NEAR(ReductionFactorByEccentricity(0.5, 0.5), 0.45, 5e-5);
  EXPECT_NEAR(ReductionFactorByEccentricity(0.5, 0.0), 0.4333, 5e-5);
}

// ---------------------------------------------------------------------------
// Fe by the quarter-division method

struct QuarterRow {
  double ratio1, ratio2, k, n;
  const char* working;
};

const QuarterRow quarterRows[] = {
    {0.3, 0.9, 1.2 / 0.9 / 2.0, 1.2 / 0.9 / 2.5, "1/3 < 0.5: K = 1.2 / 0.9 / 2 = 0.6667, N = 0.5333"},
    {0.9, 0.3, 1.2 / 0.9 / 2.0, 1.2 / 0.9 / 2.5, "the same zones the other way round"},
    {1.0, 1.2, 1.0, 1.0, "smaller ratio 1.0: no reduction"},
    {1.5, 1.0, 1.0, 1.0, "only the smaller ratio is tested"},
    {0.99, 5.0, 5.99 / 5.0 / 2.0, 5.99 / 5.0 / 2.5, "0.198: K = 0.599, N = 0.4792"},
    {0.5, 0.8, 1.0, 1.3 / 0.8 / 2.5, "0.625 >= 0.5: K = 1, N = 1.3 / 0.8 / 2.5 = 0.65"},
    {0.4, 0.8, 1.0, 1.2 / 0.8 / 2.5, "exactly 0.5: K = 1, N = 0.6"},
    {0.0, 0.6, 0.5, 0.4, "no strength in one zone: K = 0.6 / 0.6 / 2, N = 0.6 / 0.6 / 2.5"},
    {0.0, 0.0, 1.0, 0.8, "no strength in either zone: r2 = 0"},
};

TEST(QuarterDivisionReduction, KAndNAndTheFactorOfEachFloorClass) {
  for (const QuarterRow& r : quarterRows) {
    SCOPED_TRACE(testing::Message() << r.ratio1 << ", " << r.ratio2 << ": " << r.working);
    const QuarterDivisionFactors f = QuarterDivisionFactorsOf(r.ratio1, r.ratio2);
    EXPECT_NEAR(f.K, r.k, 1e-12);
    EXPECT_NEAR(f.N, r.n, 1e-12);
    EXPECT_NEAR(ReductionFactorByQuarterDivision(r.ratio1, r.ratio2, FloorClassI), r.k, 1e-12);
    EXPECT_NEAR(ReductionFactorByQuarterDivision(r.ratio1, r.ratio2, FloorClassII), (r.k + r.n) / 2, 1e-12);
    EXPECT_NEAR(ReductionFactorByQuarterDivision(r.ratio1, r.ratio2, FloorClassIII), r.n, 1e-12);
  }
  // (0.6667 + 0.5333) / 2
  EXPECT_NEAR(ReductionFactorByQuarterDivision(0.3, 0.9, FloorClassII), 0.6, 1e-12);
}

TEST_F(ArrangementTest, QuarterDivisionGivesEveryCombinationTheFactorOfTheFloorClass) {
  UseQuarterDivision();
  ProjectSettings.FloorMaterial = 1;  // not all plywood, braces present: class II
  ProjectSettings.HorizontalBraces = 1;
  // X: a 3 / 10 = 0.3, b 9 / 10 = 0.9 -> 0.6. Y: 1 12 / 10 = 1.2, 2 10 / 10 = 1.0 -> 1.0.
  SetZones(0, 3, 10, 9, 10, 12, 10, 10, 10);
  // Snow X: 3 / 12 = 0.25 and 6 / 12 = 0.5: ratio 0.5, K = 1, N = 0.75 / 0.5 / 2.5 = 0.6 -> 0.8.
  // Snow Y: 2 / 8 = 0.25 and 10 / 8 = 1.25: ratio 0.2, K = 1.5 / 1.25 / 2 = 0.6,
  //         N = 1.5 / 1.25 / 2.5 = 0.48 -> 0.54.
  RequiredStrengthZoneASnow[0][0] = RequiredStrengthZoneBSnow[0][0] = 12;
  QuarterZoneStrengthBSnow[0][0] = 6;
  QuarterZoneStrength1Snow[0][0] = 2;
  RequiredStrengthZone1Snow[0][0] = RequiredStrengthZone2Snow[0][0] = 8;
  // Eccentricities that the quarter division must not use.
  for (int k = 0; k < StoreyLoadingCaseCount; ++k) EccentricityRatioX[0][0][k] = 0.5;

  CalcArrangementReduction();

  EXPECT_EQ(FloorSpecClass[0][0], FloorClassII);
  ExpectAllCombinations(ReductionFactorEX, 0, 0, 0.6);
  ExpectAllCombinations(ReductionFactorEY, 0, 0, 1.0);
  ExpectAllCombinations(ReductionFactorEXSnow, 0, 0, 0.8);
  ExpectAllCombinations(ReductionFactorEYSnow, 0, 0, 0.54);
  EXPECT_NEAR(QuarterZoneRatioA[0][0], 0.3, 1e-12);
  EXPECT_NEAR(QuarterZoneRatioB[0][0], 0.9, 1e-12);
  EXPECT_NEAR(QuarterZoneRatio1[0][0], 1.2, 1e-12);
  EXPECT_NEAR(QuarterZoneRatio2[0][0], 1.0, 1e-12);
  EXPECT_NEAR(QuarterZoneRatioASnow[0][0], 0.25, 1e-12);
  EXPECT_NEAR(QuarterZoneRatio2Snow[0][0], 1.25, 1e-12);
}

TEST_F(ArrangementTest, QuarterDivisionOnlyInTheGeneralAndVerificationMethods) {
  ProjectSettings.BalanceMethod = 1;
  SetZones(0, 3, 10, 9, 10, 3, 10, 9, 10);
  for (int k = 0; k < StoreyLoadingCaseCount; ++k)
    EccentricityRatioX[0][0][k] = EccentricityRatioY[0][0][k] = 0.2;
  for (int32_t method : {0, 1, 2, 3}) {
    SCOPED_TRACE(testing::Message() << "method " << method);
    ProjectSettings.DiagnosisMethod = method;
    CalcArrangementReduction();
    // Precise methods: 1 / 1.166 by the eccentricity. Others: class I (plywood) K = 0.6667.
    const double expected = method <= 1 ? 1.0 / 1.166 : 1.2 / 0.9 / 2.0;
    ExpectAllCombinations(ReductionFactorEX, 0, 0, expected);
    ExpectAllCombinations(ReductionFactorEY, 0, 0, expected);
  }
}

// A zone without demand cannot fall short: its direction keeps Fe 1.0 and the
// ratio is 0, where dividing would give inf or NaN and skipping would leave
// the factor of an earlier run (0 at start, a score of 0).
struct NoDemandRow {
  double demandA, demandB, demand1, demand2;
  double feX, feY;
  const char* working;
};

const NoDemandRow noDemandRows[] = {
    {0, 0, 0, 0, 1.0, 1.0, "a storey without demand anywhere"},
    {0, 10, 10, 10, 1.0, 1.2 / 0.9 / 2.0, "zone a only: X is not judged; Y 0.3 and 0.9 -> K"},
    {10, 10, 10, 0, 1.2 / 0.9 / 2.0, 1.0, "zone 2 only: Y is not judged"},
    {10, -5, 10, 10, 1.0, 1.2 / 0.9 / 2.0, "a negative demand counts as none"},
};

TEST_F(ArrangementTest, ZoneWithoutDemandDoesNotReduceItsDirection) {
  UseQuarterDivision();
  for (const NoDemandRow& r : noDemandRows) {
    SCOPED_TRACE(r.working);
    SetZones(0, 3, r.demandA, 9, r.demandB, 3, r.demand1, 9, r.demand2);
    for (auto* fe : {&ReductionFactorEX, &ReductionFactorEY, &ReductionFactorEXSnow, &ReductionFactorEYSnow})
      for (double& f : (*fe)[0][0]) f = 0.0;  // what an earlier run would leave

    CalcArrangementReduction();

    ExpectAllCombinations(ReductionFactorEX, 0, 0, r.feX);
    ExpectAllCombinations(ReductionFactorEY, 0, 0, r.feY);
    ExpectAllCombinations(ReductionFactorEXSnow, 0, 0, r.feX);
    ExpectAllCombinations(ReductionFactorEYSnow, 0, 0, r.feY);
    const double ratios[] = {QuarterZoneRatioA[0][0], QuarterZoneRatioB[0][0], QuarterZoneRatio1[0][0],
                             QuarterZoneRatio2[0][0]};
    const double demands[] = {r.demandA, r.demandB, r.demand1, r.demand2};
    for (int z = 0; z < 4; ++z) {
      SCOPED_TRACE(testing::Message() << "zone " << z);
      EXPECT_TRUE(std::isfinite(ratios[z]));
      if (demands[z] <= 0) {
        EXPECT_EQ(ratios[z], 0.0);
      }
    }
  }
}

TEST_F(ArrangementTest, SnowZoneWithoutDemandDoesNotReduce) {
  UseQuarterDivision();
  SetZones(0, 3, 10, 9, 10, 3, 10, 9, 10);
  RequiredStrengthZoneBSnow[0][0] = 0;
  RequiredStrengthZone1Snow[0][0] = 0;

  CalcArrangementReduction();

  ExpectAllCombinations(ReductionFactorEX, 0, 0, 1.2 / 0.9 / 2.0);  // 0.3 and 0.9, class I
  ExpectAllCombinations(ReductionFactorEXSnow, 0, 0, 1.0);
  ExpectAllCombinations(ReductionFactorEYSnow, 0, 0, 1.0);
  EXPECT_EQ(QuarterZoneRatioBSnow[0][0], 0.0);
  EXPECT_EQ(QuarterZoneRatio1Snow[0][0], 0.0);
  EXPECT_NEAR(QuarterZoneRatioASnow[0][0], 0.3, 1e-12);
}

// ---------------------------------------------------------------------------
// Fe by the eccentricity ratio in the chain step

TEST_F(ArrangementTest, EccentricityFactorsFollowTheStoreyCaseOfEachCombination) {
  ProjectSettings.TopStorey[0] = 1;
  // Storey 1: a plywood floor of factor 2.0 (a >= 1); storey 0 without areas (a = 0).
  AddSpecRect(0, 1, 0, 0, 2, 2, kPlywood2);
  // Per storey case k: Re and Fe in the columns a >= 1.0 and a < 0.5.
  const double re[5] = {0.1, 0.2, 0.4, 0.5, 0.7};
  const double feRigid[5] = {1.0, 1.0 / 1.166, 2.9 / 5.496, 2.8 / 6.0, 0.45};
  const double feFlexible[5] = {1.0, 1.0 / 1.166, 2.8 / 5.496, 2.6 / 6.0, 0.4};
  for (int s = 0; s < 2; ++s)
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      EccentricityRatioX[0][s][k] = re[k];
      EccentricityRatioY[0][s][k] = re[4 - k];
      EccentricityRatioXSnow[0][s][k] = re[(k + 1) % 5];
      EccentricityRatioYSnow[0][s][k] = re[(k + 2) % 5];
    }

  CalcArrangementReduction();

  for (int s = 0; s < 2; ++s) {
    const double* fe = s == 1 ? feRigid : feFlexible;
    for (int c = 0; c < LoadCombinationCount; ++c) {
      SCOPED_TRACE(testing::Message() << "storey " << s << ", combination " << c);
      const int k = CombinationGroup[c];  // the first storey's case, for every storey
      EXPECT_NEAR(ReductionFactorEX[0][s][c], fe[k], 1e-12);
      EXPECT_NEAR(ReductionFactorEY[0][s][c], fe[4 - k], 1e-12);
      EXPECT_NEAR(ReductionFactorEXSnow[0][s][c], fe[(k + 1) % 5], 1e-12);
      EXPECT_NEAR(ReductionFactorEYSnow[0][s][c], fe[(k + 2) % 5], 1e-12);
    }
  }
}

TEST_F(ArrangementTest, OnlyTheCurrentVariantAndItsStoreysAreWritten) {
  CurrentVariant = 1;
  ProjectSettings.TopStorey[1] = 0;
  AddSpecRect(1, 0, 0, 0, 2, 2, kPlywood2);
  AddSpecRect(0, 0, 0, 0, 2, 2, kPlywood2);
  AddSpecRect(1, 1, 0, 0, 2, 2, kPlywood2);
  ReductionFactorEX[0][0][3] = 0.77;
  ReductionFactorEX[1][1][3] = 0.66;
  FloorSpecArea[0][0] = 5;
  FloorSpecArea[1][1] = 6;

  CalcArrangementReduction();

  EXPECT_EQ(FloorSpecArea[1][0], 4.0);         // 2 x 2
  EXPECT_EQ(ReductionFactorEX[1][0][3], 1.0);  // Re 0
  EXPECT_EQ(ReductionFactorEX[0][0][3], 0.77);
  EXPECT_EQ(ReductionFactorEX[1][1][3], 0.66);
  EXPECT_EQ(FloorSpecArea[0][0], 5.0);
  EXPECT_EQ(FloorSpecArea[1][1], 6.0);
  EXPECT_EQ(FloorLineCapacityX1[0][0][0], 0.0);
  EXPECT_EQ(FloorLineCapacityX1[1][1][0], 0.0);
}

// ---------------------------------------------------------------------------
// Share of other seismic elements

struct OtherElementRow {
  int32_t basis;
  double left, leftSolid, right, rightSolid;  // sides measured along Y: the X share
  double top, topSolid, bottom, bottomSolid;  // sides measured along X: the Y share
  double ratioX, ratioY;
  const char* working;
};

const OtherElementRow otherElementRows[] = {
    {0, 10, 4, 10, 4, 8, 2, 8, 2, 0.0, 0.0, "basis 0: no share"},
    {1, 10, 10, 10, 10, 8, 0, 8, 8, 0.05, 0.25, "all solid: 0.25 - 0.2; no solid on one side: 0.25 - 0"},
    {1, 10, 6, 10, 2.5, 8, 4, 8, 6, 0.2, 0.15,
     "X: min(0.6, 0.25) -> 0.25 - 0.05; Y: min(0.5, 0.75) -> 0.25 - 0.1"},
    {1, 0, 0, 0, 0, 8, 4, 8, 4, 0.0, 0.15, "no outer wall on a side: no share (chosen), not 0 / 0"},
    {1, 6, 6, 0, 0, 0, 0, 8, 8, 0.0, 0.0, "one side without outer wall in each direction"},
};

TEST_F(ArrangementTest, OtherElementRatioFromTheSolidOuterWalls) {
  ProjectSettings.TopStorey[0] = 1;
  for (const OtherElementRow& r : otherElementRows) {
    SCOPED_TRACE(r.working);
    ProjectSettings.OpeningWallBasis = r.basis;
    for (int s = 0; s < 2; ++s) {
      OuterWallLength[OutlineSideLeft][0][s] = r.left;
      OuterSolidWallLength[OutlineSideLeft][0][s] = r.leftSolid;
      OuterWallLength[OutlineSideRight][0][s] = r.right;
      OuterSolidWallLength[OutlineSideRight][0][s] = r.rightSolid;
      OuterWallLength[OutlineSideTop][0][s] = r.top;
      OuterSolidWallLength[OutlineSideTop][0][s] = r.topSolid;
      OuterWallLength[OutlineSideBottom][0][s] = r.bottom;
      OuterSolidWallLength[OutlineSideBottom][0][s] = r.bottomSolid;
      OtherElementRatioX[0][s] = OtherElementRatioY[0][s] = 0.123;  // an earlier run's value
    }
    CalcArrangementReduction();
    for (int s = 0; s < 2; ++s) {
      EXPECT_NEAR(OtherElementRatioX[0][s], r.ratioX, 1e-12);
      EXPECT_NEAR(OtherElementRatioY[0][s], r.ratioY, 1e-12);
    }
  }
}

// ---------------------------------------------------------------------------
// Floor-specification areas and line capacities

TEST_F(ArrangementTest, AreasWeightedByTheFloorFactorOfTheSpecCode) {
  AddSpecRect(0, 0, 0, 0, 2, 1, kCedarBraced);          // 2 m², x 0.74 = 1.48
  AddSpecRect(0, 0, 5, 3, 4, 2, kPlywood2);             // corners the other way round: 1 m², x 2 = 2
  AddSpecRect(0, 0, 6, 0, 9, 1, kNoSuchRow);            // 3 m², factor 0
  AddSpecTriangle(0, 0, 0, 4, 3, 4, 0, 6, kPlywood1);   // 3 x 2 / 2 = 3 m², x 1
  AddSpecTriangle(0, 0, 4, 4, 4, 8, 6, 4, kPlywood07);  // 4 x 2 / 2 = 4 m², x 0.7 = 2.8

  CalcArrangementReduction();

  EXPECT_NEAR(FloorSpecRectArea[0][0][0], 2.0, 1e-12);
  EXPECT_NEAR(FloorSpecRectWeightedArea[0][0][0], 1.48, 1e-12);
  EXPECT_NEAR(FloorSpecRectArea[0][0][1], 1.0, 1e-12);
  EXPECT_NEAR(FloorSpecRectWeightedArea[0][0][1], 2.0, 1e-12);
  EXPECT_NEAR(FloorSpecRectArea[0][0][2], 3.0, 1e-12);
  EXPECT_EQ(FloorSpecRectWeightedArea[0][0][2], 0.0);
  EXPECT_NEAR(FloorSpecTriArea[0][0][0], 3.0, 1e-12);
  EXPECT_NEAR(FloorSpecTriWeightedArea[0][0][0], 3.0, 1e-12);
  EXPECT_NEAR(FloorSpecTriArea[0][0][1], 4.0, 1e-12);
  EXPECT_NEAR(FloorSpecTriWeightedArea[0][0][1], 2.8, 1e-12);
  EXPECT_NEAR(FloorSpecArea[0][0], 13.0, 1e-12);                   // 2 + 1 + 3 + 3 + 4
  EXPECT_NEAR(FloorSpecWeightedArea[0][0], 9.28, 1e-12);           // 1.48 + 2 + 0 + 3 + 2.8
  EXPECT_NEAR(AverageFloorMagnification[0][0], 9.28 / 13, 1e-12);  // 0.7138
}

TEST_F(ArrangementTest, StoreyWithoutAreasHasMagnificationZeroAndTheFlexibleColumn) {
  ProjectSettings.DiagnosisMethod = 1;
  for (int k = 0; k < StoreyLoadingCaseCount; ++k) EccentricityRatioX[0][0][k] = 0.5;
  AverageFloorMagnification[0][0] = 1.5;

  CalcArrangementReduction();

  EXPECT_EQ(FloorSpecArea[0][0], 0.0);
  EXPECT_EQ(AverageFloorMagnification[0][0], 0.0);
  EXPECT_EQ(FloorSpecClass[0][0], FloorClassIII);
  ExpectAllCombinations(ReductionFactorEX, 0, 0, 2.6 / 6.0);  // (3.6 - 1.0) / 6
}

// Capacity values along the axis lines 0..6 for one area, m = 1 unless said.
struct LineCase {
  const char* shape;
  bool triangle;
  int32_t corners[6];
  int32_t code;
  double x1[7], x2[7], y1[7], y2[7];  // X1/X2 per Y axis, Y1/Y2 per X axis
};

const LineCase lineCases[] = {
    // Width 3 on Y axes 1, 2 (not 3); depth 2 on X axes 2, 3, 4 (not 5).
    {"rectangle X 2..5, Y 1..3",
     false,
     {2, 1, 5, 3},
     kPlywood1,
     {0, 3, 3, 0, 0, 0, 0},
     {0, 3, 3, 0, 0, 0, 0},
     {0, 0, 2, 2, 2, 0, 0},
     {0, 0, 2, 2, 2, 0, 0}},
    {"the same, corners reversed",
     false,
     {5, 3, 2, 1},
     kPlywood1,
     {0, 3, 3, 0, 0, 0, 0},
     {0, 3, 3, 0, 0, 0, 0},
     {0, 0, 2, 2, 2, 0, 0},
     {0, 0, 2, 2, 2, 0, 0}},
    // x 0.74: 1 x 0.74 on Y axis 0; 2 x 0.74 on X axis 0.
    {"rectangle X 0..1, Y 0..2, m 0.74",
     false,
     {0, 0, 1, 2},
     kCedarBraced,
     {0.74, 0.74, 0, 0, 0, 0, 0},
     {0.74, 0.74, 0, 0, 0, 0, 0},
     {1.48, 0, 0, 0, 0, 0, 0},
     {1.48, 0, 0, 0, 0, 0, 0}},
    // Right angle at (2, 2): legs on the lowest axes, counted by array 1 only.
    // Chords 3, 2, 1, 0 at axes 2, 3, 4, 5 in both directions.
    {"triangle (2,2) (5,2) (2,5)",
     true,
     {2, 2, 5, 2, 2, 5},
     kPlywood1,
     {0, 0, 3, 2, 1, 0, 0},
     {0, 0, 0, 2, 1, 0, 0},
     {0, 0, 3, 2, 1, 0, 0},
     {0, 0, 0, 2, 1, 0, 0}},
    {"the same triangle from its second corner",
     true,
     {5, 2, 2, 5, 2, 2},
     kPlywood1,
     {0, 0, 3, 2, 1, 0, 0},
     {0, 0, 0, 2, 1, 0, 0},
     {0, 0, 3, 2, 1, 0, 0},
     {0, 0, 0, 2, 1, 0, 0}},
    {"the same triangle from its third corner",
     true,
     {2, 5, 2, 2, 5, 2},
     kPlywood1,
     {0, 0, 3, 2, 1, 0, 0},
     {0, 0, 0, 2, 1, 0, 0},
     {0, 0, 3, 2, 1, 0, 0},
     {0, 0, 0, 2, 1, 0, 0}},
    {"the same triangle, corners in reverse order",
     true,
     {2, 5, 5, 2, 2, 2},
     kPlywood1,
     {0, 0, 3, 2, 1, 0, 0},
     {0, 0, 0, 2, 1, 0, 0},
     {0, 0, 3, 2, 1, 0, 0},
     {0, 0, 0, 2, 1, 0, 0}},
    // Right angle at (5, 5): legs on the highest axes, counted by array 2 only.
    // Chords 0, 1, 2, 3 at axes 2, 3, 4, 5.
    {"triangle (5,5) (2,5) (5,2)",
     true,
     {5, 5, 2, 5, 5, 2},
     kPlywood1,
     {0, 0, 0, 1, 2, 0, 0},
     {0, 0, 0, 1, 2, 3, 0},
     {0, 0, 0, 1, 2, 0, 0},
     {0, 0, 0, 1, 2, 3, 0}},
    // Apex (3, 4) above the base Y 1 from X 1 to 5, m = 2. Along X axes (Y1/Y2): chords
    // 1.5, 3 at X 2, 3 (rising edge: y 1 + 3 (x - 1) / 2), 1.5 at X 4 (falling edge);
    // x 2: 3, 6, 3. Along Y axes (X1/X2): base 4 on Y 1 in array 1, chords
    // 4 (4 - y) / 3 = 2.6667, 1.3333 at Y 2, 3; x 2: 5.3333, 2.6667.
    {"triangle (1,1) (5,1) (3,4), m 2",
     true,
     {1, 1, 5, 1, 3, 4},
     kPlywood2,
     {0, 8, 16.0 / 3, 8.0 / 3, 0, 0, 0},
     {0, 0, 16.0 / 3, 8.0 / 3, 0, 0, 0},
     {0, 0, 3, 6, 3, 0, 0},
     {0, 0, 3, 6, 3, 0, 0}},
};

TEST_F(ArrangementTest, LineCapacitiesOfRectanglesAndTriangles) {
  for (const LineCase& c : lineCases) {
    SCOPED_TRACE(c.shape);
    FloorSpecRectCount[0][0] = FloorSpecTriangleCount[0][0] = 0;
    const int32_t* p = c.corners;
    if (c.triangle)
      AddSpecTriangle(0, 0, p[0], p[1], p[2], p[3], p[4], p[5], c.code);
    else
      AddSpecRect(0, 0, p[0], p[1], p[2], p[3], c.code);
    ClearFloorLineCapacities();
    CalcArrangementReduction();
    for (int k = 0; k < 7; ++k) {
      SCOPED_TRACE(testing::Message() << "axis " << k);
      EXPECT_NEAR(FloorLineCapacityX1[0][0][k], c.x1[k], 1e-12);
      EXPECT_NEAR(FloorLineCapacityX2[0][0][k], c.x2[k], 1e-12);
      EXPECT_NEAR(FloorLineCapacityY1[0][0][k], c.y1[k], 1e-12);
      EXPECT_NEAR(FloorLineCapacityY2[0][0][k], c.y2[k], 1e-12);
    }
  }
}

TEST_F(ArrangementTest, TriangleAreaAndTheLinesOfTwoAreasAddUp) {
  AddSpecTriangle(0, 0, 2, 2, 5, 2, 2, 5, kPlywood1);  // 4.5 m²
  AddSpecRect(0, 0, 2, 2, 4, 3, kPlywood2);            // width 2 x 2 on Y axis 2, depth 1 x 2 on X 2, 3

  CalcArrangementReduction();

  EXPECT_NEAR(FloorSpecTriArea[0][0][0], 4.5, 1e-12);  // 3 x 3 / 2
  EXPECT_NEAR(FloorLineCapacityX1[0][0][2], 3 + 4, 1e-12);
  EXPECT_NEAR(FloorLineCapacityX2[0][0][2], 0 + 4, 1e-12);
  EXPECT_NEAR(FloorLineCapacityY1[0][0][3], 2 + 2, 1e-12);
  EXPECT_NEAR(FloorLineCapacityY2[0][0][4], 1 + 0, 1e-12);
}

TEST_F(ArrangementTest, RepeatedRunDoesNotAddTheLinesTwice) {
  AddSpecRect(0, 0, 0, 0, 2, 2, kPlywood1);
  CalcArrangementReduction();
  CalcArrangementReduction();
  EXPECT_NEAR(FloorLineCapacityX1[0][0][0], 2.0, 1e-12);
  EXPECT_NEAR(FloorLineCapacityY2[0][0][1], 2.0, 1e-12);
}

TEST_F(ArrangementTest, WeightsStepClearsTheLinesOfEveryVariant) {
  FloorLineCapacityX1[2][1][5] = 7;
  FloorLineCapacityY2[1][2][199] = 7;
  CalcWeightsAndRequiredStrength();
  EXPECT_EQ(FloorLineCapacityX1[2][1][5], 0.0);
  EXPECT_EQ(FloorLineCapacityY2[1][2][199], 0.0);
}

// Axes 2 and 3 at the same position (2 m): the triangle (2,2) (3,5) (6,2) has an edge
// standing across X axis 3. Its section there is that edge, 3 m long; the falling edge
// from (2, 5) to (6, 2) gives 3 (6 - x) / 4: 0.75 at X 5, 1.5 at X 4.
TEST_F(ArrangementTest, TriangleOnAxesOfTheSamePositionGivesFiniteChords) {
  GridAxisX[3] = 2.0;
  AddSpecTriangle(0, 0, 2, 2, 3, 5, 6, 2, kPlywood1);

  CalcArrangementReduction();

  EXPECT_NEAR(FloorSpecTriArea[0][0][0], 6.0, 1e-12);  // base 4, height 3
  EXPECT_NEAR(FloorLineCapacityY2[0][0][3], 3.0, 1e-12);
  EXPECT_NEAR(FloorLineCapacityY1[0][0][3], 3.0, 1e-12);
  EXPECT_NEAR(FloorLineCapacityY1[0][0][4], 1.5, 1e-12);
  EXPECT_NEAR(FloorLineCapacityY2[0][0][5], 0.75, 1e-12);
  for (auto* lines : {&FloorLineCapacityX1, &FloorLineCapacityX2, &FloorLineCapacityY1, &FloorLineCapacityY2})
    for (int k = 0; k < GridAxisCountX; ++k) ASSERT_TRUE(std::isfinite((*lines)[0][0][k])) << k;
}

TEST_F(ArrangementTest, AreasOffTheGridAndDamagedCountsAreIgnored) {
  AddSpecRect(0, 0, 0, 0, 250, 2, kPlywood1);
  AddSpecRect(0, 0, -1, 0, 2, 2, kPlywood1);
  AddSpecTriangle(0, 0, 0, 0, 2, 0, 0, 200, kPlywood1);
  AddSpecRect(0, 0, 0, 0, 1, 1, kPlywood2);  // the one area on the grid: 1 m², x 2
  FloorSpecRectArea[0][0][0] = 9;

  CalcArrangementReduction();

  EXPECT_EQ(FloorSpecRectArea[0][0][0], 0.0);
  EXPECT_EQ(FloorSpecTriArea[0][0][0], 0.0);
  EXPECT_NEAR(FloorSpecArea[0][0], 1.0, 1e-12);
  EXPECT_NEAR(AverageFloorMagnification[0][0], 2.0, 1e-12);
  EXPECT_NEAR(FloorLineCapacityX1[0][0][0], 2.0, 1e-12);
  EXPECT_EQ(FloorLineCapacityX1[0][0][1], 0.0);

  FloorSpecRectCount[0][0] = 999;
  FloorSpecTriangleCount[0][0] = -4;
  ProjectSettings.TopStorey[0] = 9;
  CalcArrangementReduction();  // reads no record past the lists and no storey past the third
  CurrentVariant = 7;
  CalcArrangementReduction();  // no variant of that number: nothing to do
}

// ---------------------------------------------------------------------------
// Floor class and the atrium

struct AtriumRow {
  bool triangle;
  int32_t corners[6];
  int32_t code;
  double axis4;  // position of X axis 4
  bool atrium;
  const char* working;
};

const AtriumRow atriumRows[] = {
    {false, {0, 0, 4, 1}, kAtrium, 4.0, true, "4.0 m long: atrium"},
    {false, {0, 0, 4, 1}, kAtrium, 3.99, false, "3.99 m long"},
    {false, {0, 0, 1, 4}, kAtrium, 4.0, true, "4.0 m deep"},
    {false, {0, 0, 4, 1}, kAtriumBraced, 4.0, false, "the atrium row with braces is no atrium"},
    {false, {0, 0, 4, 1}, kPlywood1, 4.0, false, "a floor"},
    {true, {0, 0, 4, 0, 0, 1}, kAtrium, 4.0, true, "triangle side of 4.0 m"},
    {true, {0, 0, 3, 0, 0, 3}, kAtrium, 4.0, true, "legs of 3 m, hypotenuse 4.24 m"},
    {true, {0, 0, 2, 0, 0, 3}, kAtrium, 4.0, false, "hypotenuse 3.61 m"},
};

TEST_F(ArrangementTest, AtriumOfFourMetresLowersTheFloorClassOneStep) {
  for (const AtriumRow& r : atriumRows) {
    SCOPED_TRACE(r.working);
    FloorSpecRectCount[0][0] = FloorSpecTriangleCount[0][0] = 0;
    GridAxisX[4] = r.axis4;
    const int32_t* p = r.corners;
    if (r.triangle)
      AddSpecTriangle(0, 0, p[0], p[1], p[2], p[3], p[4], p[5], r.code);
    else
      AddSpecRect(0, 0, p[0], p[1], p[2], p[3], r.code);
    CalcArrangementReduction();
    // All plywood, braces present: class I, one step lower with an atrium.
    EXPECT_EQ(FloorSpecClass[0][0], r.atrium ? FloorClassII : FloorClassI);
  }
}

struct FloorClassRow {
  int32_t uniform, material, braces, atriumAnswer;
  bool atriumArea;
  int32_t floorClass;
  const char* working;
};

// p = material not all plywood, q = p and braces not present, r = atrium answer.
const FloorClassRow floorClassRows[] = {
    {1, 0, 1, 0, false, FloorClassI, "uniform: 0 + 0 + 0"},
    {1, 1, 1, 0, false, FloorClassII, "uniform: 1 + 0 + 0"},
    {1, 1, 0, 0, false, FloorClassIII, "uniform: 1 + 1 + 0"},
    {1, 2, 2, 0, false, FloorClassIII, "uniform, not visible: 1 + 1 + 0"},
    {1, 0, 0, 0, false, FloorClassI, "uniform, plywood without braces: 0 + 0"},
    {1, 0, 1, 1, false, FloorClassII, "uniform: 0 + 0 + 1"},
    {1, 1, 0, 1, false, FloorClassIII, "uniform: min(2, 3)"},
    {1, 0, 1, 0, true, FloorClassI, "uniform: drawn areas do not count"},
    {0, 0, 1, 0, false, FloorClassI, "individual: 0 + 0"},
    {0, 0, 1, 0, true, FloorClassII, "individual: atrium area, one step"},
    {0, 0, 1, 1, false, FloorClassII, "individual: atrium answer, one step"},
    {0, 0, 1, 1, true, FloorClassII, "individual: area and answer, still one step"},
    {0, 1, 1, 0, true, FloorClassIII, "individual: 1 + 0, then one step"},
    {0, 1, 0, 1, false, FloorClassIII, "individual: min(2, 1 + 1 + 1)"},
};

TEST_F(ArrangementTest, FloorClassOfTheGeneralAndVerificationMethods) {
  for (int32_t method : {2, 3}) {
    for (const FloorClassRow& r : floorClassRows) {
      SCOPED_TRACE(testing::Message() << "method " << method << ": " << r.working);
      ProjectSettings.DiagnosisMethod = method;
      ProjectSettings.UniformFloorSpec = r.uniform;
      ProjectSettings.FloorMaterial = r.material;
      ProjectSettings.HorizontalBraces = r.braces;
      ProjectSettings.Atrium = r.atriumAnswer;
      FloorSpecRectCount[0][0] = 0;
      AddSpecRect(0, 0, 0, 0, 2, 2, kPlywood2);
      if (r.atriumArea) AddSpecRect(0, 0, 2, 0, 6, 2, kAtrium);
      CalcArrangementReduction();
      EXPECT_EQ(FloorSpecClass[0][0], r.floorClass);
    }
  }
}

struct PreciseClassRow {
  int32_t code;
  int32_t floorClass;
  const char* working;
};

const PreciseClassRow preciseClassRows[] = {
    {kPlywood2, FloorClassI, "a = 2.0"},   {kPlywood1, FloorClassI, "a = 1.0"},
    {kPlywood07, FloorClassII, "a = 0.7"}, {kRoof05, FloorClassII, "a = 0.5"},
    {kCedar03, FloorClassIII, "a = 0.3"},  {kAtrium, FloorClassIII, "a = 0"},
};

TEST_F(ArrangementTest, FloorClassOfThePreciseMethodsByTheMagnification) {
  ProjectSettings.FloorMaterial = 2;  // the outline's answers do not count here
  ProjectSettings.Atrium = 1;
  for (int32_t method : {0, 1}) {
    for (const PreciseClassRow& r : preciseClassRows) {
      SCOPED_TRACE(testing::Message() << "method " << method << ": " << r.working);
      ProjectSettings.DiagnosisMethod = method;
      FloorSpecRectCount[0][0] = 0;
      AddSpecRect(0, 0, 0, 0, 2, 2, r.code);
      CalcArrangementReduction();
      EXPECT_EQ(FloorSpecClass[0][0], r.floorClass);
    }
  }
}

// An atrium lowers only the storey whose floor it opens. Quarter division with
// X zones 0.3 and 0.9 on both storeys: class I gives K = 0.6667, class II 0.6.
TEST_F(ArrangementTest, AtriumOfOneStoreyLeavesTheOtherStoreysClass) {
  UseQuarterDivision();
  ProjectSettings.TopStorey[0] = 2;
  for (int s = 0; s < 3; ++s) SetZones(s, 3, 10, 9, 10, 3, 10, 9, 10);

  for (int atriumStorey = 0; atriumStorey < 3; ++atriumStorey) {
    SCOPED_TRACE(testing::Message() << "atrium on storey " << atriumStorey);
    for (int s = 0; s < 3; ++s) {
      FloorSpecRectCount[0][s] = 0;
      AddSpecRect(0, s, 0, 0, 4, 4, kPlywood2);
    }
    AddSpecRect(0, atriumStorey, 4, 0, 8, 4, kAtrium);

    CalcArrangementReduction();

    for (int s = 0; s < 3; ++s) {
      SCOPED_TRACE(testing::Message() << "storey " << s);
      const bool opened = s == atriumStorey;
      EXPECT_EQ(FloorSpecClass[0][s], opened ? FloorClassII : FloorClassI);
      ExpectAllCombinations(ReductionFactorEX, 0, s, opened ? 0.6 : 1.2 / 0.9 / 2.0);
    }
  }
}

}  // namespace
