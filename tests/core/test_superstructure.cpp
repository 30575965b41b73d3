// Superstructure evaluation: sufficiency ratios, held strength Pd and scores
// by diagnosis method, building score, shown scores with their governing
// combinations, and the upper-storey shear caution of retrofit plans.
// Expected values are worked by hand; the arithmetic stands beside each one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/Superstructure.h"
#include "model/ElementLists.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

constexpr double kTol = 1e-9;
constexpr double kMark = -7.0;  // in entries that must stay unwritten
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The shown-score arithmetic, as the panel of the original does it.
// Two decimals cut the way the report prints them: x - 0.004999999999, rounded.
double Cut(double x) { return std::round((x - 0.004999999999) * 100.0) / 100.0; }

template <typename T>
void Zero(T& a) {
  std::memset(&a, 0, sizeof a);
}

template <typename T>
void Fill(T& a, double value) {
  double* p = reinterpret_cast<double*>(&a);
  for (size_t i = 0; i < sizeof a / sizeof(double); ++i) p[i] = value;
}

class SuperstructureTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    ClearAll();
  }

  static void ClearAll() {
    for (StoreyCaseArray* a : {&WallStrengthX, &WallStrengthY, &WallStrengthXSnow, &WallStrengthYSnow,
                               &ExistingWallLengthX, &ExistingWallLengthY})
      Zero(*a);
    for (StoreyComboArray* a : {&ReductionFactorEX, &ReductionFactorEY, &ReductionFactorEXSnow,
                                &ReductionFactorEYSnow, &StiffnessRatioFactorX, &StiffnessRatioFactorY,
                                &StiffnessRatioFactorXSnow, &StiffnessRatioFactorYSnow})
      Zero(*a);
    for (StoreyArray* a : {&RequiredStrength, &RequiredStrengthSnow, &OtherElementRatioX, &OtherElementRatioY,
                           &RequiredWallLength, &RequiredWallLengthA, &RequiredWallLengthB,
                           &RequiredWallLength1, &RequiredWallLength2, &QuarterWallLengthA,
                           &QuarterWallLengthB, &QuarterWallLength1, &QuarterWallLength2})
      Zero(*a);
    Zero(Scores);
    Zero(SnowScores);
    Zero(ShownScores);
    Zero(SnowShownScores);
    Zero(GoverningCombinations);
    Zero(SnowGoverningCombinations);
    Zero(LineShearX);
    Zero(LineShearY);
  }

  // Qr 1, no other elements and every factor 1 in precise method 1: a score
  // is then exactly the wall strength of its case times the Fe of its combination.
  static void UnitScoreInputs(int v, int top) {
    ProjectSettings.DiagnosisMethod = 1;
    ProjectSettings.TopStorey[v] = top;
    for (int s = 0; s <= top; ++s) {
      RequiredStrength[v][s] = RequiredStrengthSnow[v][s] = 1.0;
      for (int k = 0; k < StoreyLoadingCaseCount; ++k)
        WallStrengthX[v][s][k] = WallStrengthY[v][s][k] = WallStrengthXSnow[v][s][k] =
            WallStrengthYSnow[v][s][k] = 1.0;
      for (int c = 0; c < LoadCombinationCount; ++c) {
        ReductionFactorEX[v][s][c] = ReductionFactorEY[v][s][c] = 1.0;
        ReductionFactorEXSnow[v][s][c] = ReductionFactorEYSnow[v][s][c] = 1.0;
        StiffnessRatioFactorX[v][s][c] = StiffnessRatioFactorY[v][s][c] = 1.0;
        StiffnessRatioFactorXSnow[v][s][c] = StiffnessRatioFactorYSnow[v][s][c] = 1.0;
      }
    }
  }
};

// --- Wall-quantity ratios ---------------------------------------------------

TEST_F(SuperstructureTest, SufficiencyRatiosOfEveryVariant) {
  CurrentVariant = RetrofitPlan1;  // the ratios do not depend on it
  ProjectSettings.TopStorey[0] = 1;
  ProjectSettings.TopStorey[1] = 0;
  ProjectSettings.TopStorey[2] = 2;
  Fill(SufficiencyRatioX, kMark);
  Fill(SufficiencyRatioY, kMark);
  struct Case {
    int v, s;
    double existingX, existingY, required;
    double x, y;
  } cases[] = {
      {0, 0, 30.0, 18.0, 24.0, 1.25, 0.75},  // 30 / 24, 18 / 24
      {0, 1, 12.0, 12.0, 0.0, 0.0, 0.0},     // no required length: 0
      {1, 0, 4.55, 13.65, 9.1, 0.5, 1.5},    // 4.55 / 9.1, 13.65 / 9.1
      {2, 0, 10.0, 5.0, 20.0, 0.5, 0.25},    // 10 / 20, 5 / 20
      {2, 2, 7.28, 0.0, 3.64, 2.0, 0.0},     // 7.28 / 3.64, 0 / 3.64
  };
  for (const Case& c : cases) {
    ExistingWallLengthX[c.v][c.s][0] = c.existingX;
    ExistingWallLengthY[c.v][c.s][0] = c.existingY;
    ExistingWallLengthX[c.v][c.s][1] = ExistingWallLengthY[c.v][c.s][3] = 99.0;  // only case 0 counts
    RequiredWallLength[c.v][c.s] = c.required;
  }
  ExistingWallLengthX[1][1][0] = 5.0;  // storey 2 of a one-storey plan
  RequiredWallLength[1][1] = 10.0;

  EvaluateScores();

  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "variant " << c.v << " storey " << c.s);
    EXPECT_NEAR(SufficiencyRatioX[c.v][c.s], c.x, kTol);
    EXPECT_NEAR(SufficiencyRatioY[c.v][c.s], c.y, kTol);
  }
  EXPECT_EQ(SufficiencyRatioX[1][1], kMark);  // above the top storey: not written
  EXPECT_EQ(SufficiencyRatioX[0][2], kMark);
}

TEST_F(SuperstructureTest, QuarterSufficienciesAndWallRatioRatios) {
  struct Case {
    const char* name;
    double lengthA, requiredA, lengthB, requiredB;
    double a, b, ratio;
  } cases[] = {
      {"0.6 and 1.2", 3.0, 5.0, 6.0, 5.0, 0.6, 1.2, 0.5},              // 3/5, 6/5; 0.6 / 1.2
      {"1.2 and 0.6", 6.0, 5.0, 3.0, 5.0, 1.2, 0.6, 0.5},              // 0.6 / 1.2 again
      {"both 0", 0.0, 5.0, 0.0, 5.0, 0.0, 0.0, 0.0},                   // no walls in either zone
      {"no required length in a", 4.0, 0.0, 4.5, 5.0, 0.0, 0.9, 0.0},  // a 0; 0 / 0.9
      {"b empty", 4.5, 5.0, 0.0, 5.0, 0.9, 0.0, 0.0},                  // 0 / 0.9
      {"equal", 4.0, 5.0, 2.0, 2.5, 0.8, 0.8, 1.0},                    // 0.8 / 0.8
      {"0.8 and 1.9", 4.0, 5.0, 9.5, 5.0, 0.8, 1.9, 0.8 / 1.9},        // 0.42, the quarter-division NG side
  };
  const int v = RetrofitPlan2;
  CurrentVariant = CurrentState;
  ProjectSettings.TopStorey[v] = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // X zones a and b; Y zones 1 and 2 take the same pair the other way round.
    QuarterWallLengthA[v][0] = QuarterWallLength2[v][0] = c.lengthA;
    RequiredWallLengthA[v][0] = RequiredWallLength2[v][0] = c.requiredA;
    QuarterWallLengthB[v][0] = QuarterWallLength1[v][0] = c.lengthB;
    RequiredWallLengthB[v][0] = RequiredWallLength1[v][0] = c.requiredB;
    EvaluateScores();
    EXPECT_NEAR(QuarterSufficiencyA[v][0], c.a, kTol);
    EXPECT_NEAR(QuarterSufficiencyB[v][0], c.b, kTol);
    EXPECT_NEAR(QuarterSufficiency2[v][0], c.a, kTol);
    EXPECT_NEAR(QuarterSufficiency1[v][0], c.b, kTol);
    EXPECT_NEAR(WallRatioRatioX[v][0], c.ratio, kTol);
    EXPECT_NEAR(WallRatioRatioY[v][0], c.ratio, kTol);
  }
}

// --- Held strength and scores ----------------------------------------------

// A two-storey plan. Per storey: Qr, other-element ratios, wall strengths by
// storey case, Fe and Fsr the same in every combination.
//   storey 1: Qr 40, ratio X 0.05 / Y 0.25, WallStrengthX 38 46 30 42 26, Y 50,
//             Fe X 0.9 / Y 0.5, Fsr X 0.8 (0.7 in combination 3) / Y 1.0
//   storey 2: Qr 20, ratio X 0.05 / Y 0.25, WallStrengthX 19 23 15 21 13, Y 25,
//             Fe X 1.0 / Y 0.8, Fsr X 0.5 / Y 0.6
// Bases Qr x ratio + wall strength:
//   X, combination 0 (case 0):  40 x 0.05 + 38 = 40;  20 x 0.05 + 19 = 20
//   X, combination 3 (storey cases 1, 2, 1): storey 1's case 1 for both storeys:
//                               2 + 46 = 48;          1 + 23 = 24 (its own case 2 would give 16)
//   Y, combination 0:           40 x 0.25 + 50 = 60;  20 x 0.25 + 25 = 30
void TwoStoreyInputs(int v) {
  ProjectSettings.TopStorey[v] = 1;
  const double qr[2] = {40.0, 20.0};
  const double wallX[2][5] = {{38, 46, 30, 42, 26}, {19, 23, 15, 21, 13}};
  const double wallY[2] = {50.0, 25.0};
  const double feX[2] = {0.9, 1.0}, feY[2] = {0.5, 0.8};
  const double fsrX[2] = {0.8, 0.5}, fsrY[2] = {1.0, 0.6};
  for (int s = 0; s < 2; ++s) {
    RequiredStrength[v][s] = qr[s];
    OtherElementRatioX[v][s] = 0.05;
    OtherElementRatioY[v][s] = 0.25;
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      WallStrengthX[v][s][k] = wallX[s][k];
      WallStrengthY[v][s][k] = wallY[s];
    }
    for (int c = 0; c < LoadCombinationCount; ++c) {
      ReductionFactorEX[v][s][c] = feX[s];
      ReductionFactorEY[v][s][c] = feY[s];
      StiffnessRatioFactorX[v][s][c] = fsrX[s];
      StiffnessRatioFactorY[v][s][c] = fsrY[s];
    }
  }
  StiffnessRatioFactorX[v][0][3] = 0.7;
  DeteriorationFactor = 0.9;
  RetrofitDeteriorationFactor = 0.95;
}

TEST_F(SuperstructureTest, HeldStrengthAndScoresByMethod) {
  struct Case {
    const char* name;
    int method, verificationPercent, variant;
    double pdX0[2], pdX3[2], pdY0[2];  // [storey] of combinations 0 and 3
  } cases[] = {
      // General method, current state, D 0.9:
      //   X0 40 x 0.9 x 0.9 = 32.4, 20 x 1.0 x 0.9 = 18; X3 48 x 0.81 = 38.88, 24 x 0.9 = 21.6;
      //   Y0 60 x 0.5 x 0.9 = 27, 30 x 0.8 x 0.9 = 21.6.
      {"general, current state", 2, 100, 0, {32.4, 18.0}, {38.88, 21.6}, {27.0, 21.6}},
      // The verification percentage belongs to the verification method only.
      {"general ignores the verification percentage", 2, 85, 0, {32.4, 18.0}, {38.88, 21.6}, {27.0, 21.6}},
      // General method, retrofit plan, D 0.95:
      //   X0 40 x 0.9 x 0.95 = 34.2, 20 x 0.95 = 19; X3 48 x 0.855 = 41.04, 24 x 0.95 = 22.8;
      //   Y0 60 x 0.5 x 0.95 = 28.5, 30 x 0.8 x 0.95 = 22.8.
      {"general, retrofit plan 1", 2, 100, 1, {34.2, 19.0}, {41.04, 22.8}, {28.5, 22.8}},
      // Precise methods: no D, times Fsr:
      //   X0 40 x 0.9 x 0.8 = 28.8, 20 x 1.0 x 0.5 = 10; X3 48 x 0.9 x 0.7 = 30.24, 24 x 0.5 = 12;
      //   Y0 60 x 0.5 x 1.0 = 30, 30 x 0.8 x 0.6 = 14.4.
      {"precise 1, current state", 1, 100, 0, {28.8, 10.0}, {30.24, 12.0}, {30.0, 14.4}},
      {"precise 1, retrofit plan 2", 1, 100, 2, {28.8, 10.0}, {30.24, 12.0}, {30.0, 14.4}},
      {"precise 2, retrofit plan 1", 0, 100, 1, {28.8, 10.0}, {30.24, 12.0}, {30.0, 14.4}},
      // Verification method at 85 %, every variant D 0.85:
      //   X0 40 x 0.9 x 0.85 = 30.6, 20 x 0.85 = 17; X3 48 x 0.765 = 36.72, 24 x 0.85 = 20.4;
      //   Y0 60 x 0.5 x 0.85 = 25.5, 30 x 0.8 x 0.85 = 20.4.
      {"verification 85 %, current state", 3, 85, 0, {30.6, 17.0}, {36.72, 20.4}, {25.5, 20.4}},
      {"verification 85 %, retrofit plan 2", 3, 85, 2, {30.6, 17.0}, {36.72, 20.4}, {25.5, 20.4}},
      // Verification at 70 %: X0 40 x 0.9 x 0.7 = 25.2, 20 x 0.7 = 14; X3 48 x 0.63 = 30.24,
      //   24 x 0.7 = 16.8; Y0 60 x 0.5 x 0.7 = 21, 30 x 0.8 x 0.7 = 16.8.
      {"verification 70 %, retrofit plan 1", 3, 70, 1, {25.2, 14.0}, {30.24, 16.8}, {21.0, 16.8}},
      // Verification with the computed factor: as the general method.
      {"verification computed, current state", 3, 0, 0, {32.4, 18.0}, {38.88, 21.6}, {27.0, 21.6}},
      {"verification computed, retrofit plan 1", 3, 0, 1, {34.2, 19.0}, {41.04, 22.8}, {28.5, 22.8}},
  };
  const double qr[2] = {40.0, 20.0};
  for (const int revision : {0, 1}) {  // the revisions do not differ here
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.name << ", revision " << revision);
      ClearAll();
      Fill(Scores, kMark);
      ProjectSettings.Revision = revision;
      ProjectSettings.DiagnosisMethod = c.method;
      ProjectSettings.VerificationDeterioration = c.verificationPercent;
      CurrentVariant = c.variant;
      TwoStoreyInputs(c.variant);

      EvaluateScores();

      const int v = c.variant;
      for (int s = 0; s < 2; ++s) {
        SCOPED_TRACE(testing::Message() << "storey " << s + 1);
        EXPECT_NEAR(Scores.PdX[v][s][0], c.pdX0[s], kTol);
        EXPECT_NEAR(Scores.PdX[v][s][3], c.pdX3[s], kTol);
        EXPECT_NEAR(Scores.PdY[v][s][0], c.pdY0[s], kTol);
        EXPECT_NEAR(Scores.ScoreX[v][s][0], c.pdX0[s] / qr[s], kTol);
        EXPECT_NEAR(Scores.ScoreX[v][s][3], c.pdX3[s] / qr[s], kTol);
        EXPECT_NEAR(Scores.ScoreY[v][s][0], c.pdY0[s] / qr[s], kTol);
      }
      EXPECT_EQ(Scores.PdX[v][2][0], kMark);  // above the top storey
      EXPECT_EQ(Scores.ScoreY[v][2][16], kMark);
      const int other = (v + 1) % VariantCount;
      EXPECT_EQ(Scores.PdX[other][0][0], kMark);  // only the current variant
      EXPECT_EQ(Scores.ScoreX[other][1][3], kMark);
      EXPECT_EQ(Scores.BuildingScore[other][0], kMark);
    }
  }
}

// The report prints Pd beside the score, so a storey without demand gets its
// held strength too (score 0), not a value left from an earlier state.
TEST_F(SuperstructureTest, StoreyWithoutDemandScoresZeroWithCurrentPd) {
  ProjectSettings.DiagnosisMethod = 2;
  CurrentVariant = 0;
  TwoStoreyInputs(0);
  RequiredStrength[0][1] = 0.0;
  Fill(Scores, 99.0);
  Fill(SnowScores, 99.0);

  EvaluateScores();

  // Storey 2, D 0.9, no other-element share without Qr:
  //   X0 19 x 1.0 x 0.9 = 17.1; X3 23 x 0.9 = 20.7; Y0 25 x 0.8 x 0.9 = 18.
  EXPECT_NEAR(Scores.PdX[0][1][0], 17.1, kTol);
  EXPECT_NEAR(Scores.PdX[0][1][3], 20.7, kTol);
  EXPECT_NEAR(Scores.PdY[0][1][0], 18.0, kTol);
  EXPECT_EQ(Scores.ScoreX[0][1][0], 0.0);
  EXPECT_EQ(Scores.ScoreY[0][1][16], 0.0);
  // No snow demand either (the snow arrays are all 0): Pd 0, score 0.
  EXPECT_EQ(SnowScores.PdX[0][1][0], 0.0);
  EXPECT_EQ(SnowScores.ScoreX[0][1][0], 0.0);
  // Storey 1 as before: 32.4 / 40.
  EXPECT_NEAR(Scores.ScoreX[0][0][0], 0.81, kTol);
  // The building score of a combination takes the 0 of storey 2.
  EXPECT_EQ(Scores.BuildingScore[0][0], 0.0);
}

TEST_F(SuperstructureTest, SnowScoresUseTheSnowFamily) {
  // One storey. Without snow: Qr 40, wall X 38, Y 30, Fe X 0.9, Y 0.9, Fsr X 0.8, Y 1.0.
  // With snow: Qr 50, wall X 45, Y 30, Fe X 0.8, Y 0.75, Fsr X 0.5, Y 0.4.
  // Other elements X 0.1, Y 0.2 for both (no snow share).
  struct Case {
    const char* name;
    int method;
    double pdX, pdY, snowPdX, snowPdY;
  } cases[] = {
      // General, D 0.9: plain X (4 + 38) x 0.9 x 0.9 = 34.02, Y (8 + 30) x 0.9 x 0.9 = 30.78;
      //   snow X (50 x 0.1 + 45) x 0.8 x 0.9 = 36, snow Y (50 x 0.2 + 30) x 0.75 x 0.9 = 27.
      {"general: no Fsr", 2, 34.02, 30.78, 36.0, 27.0},
      // Precise: plain X 42 x 0.9 x 0.8 = 30.24, Y 38 x 0.9 x 1.0 = 34.2;
      //   snow X 50 x 0.8 x 0.5 = 20, snow Y 40 x 0.75 x 0.4 = 12.
      {"precise: the snow Fsr of each direction", 1, 30.24, 34.2, 20.0, 12.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearAll();
    ProjectSettings.DiagnosisMethod = c.method;
    CurrentVariant = 0;
    ProjectSettings.TopStorey[0] = 0;
    DeteriorationFactor = 0.9;
    RequiredStrength[0][0] = 40.0;
    RequiredStrengthSnow[0][0] = 50.0;
    OtherElementRatioX[0][0] = 0.1;
    OtherElementRatioY[0][0] = 0.2;
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      WallStrengthX[0][0][k] = 38.0;
      WallStrengthY[0][0][k] = 30.0;
      WallStrengthXSnow[0][0][k] = 45.0;
      WallStrengthYSnow[0][0][k] = 30.0;
    }
    for (int k = 0; k < LoadCombinationCount; ++k) {
      ReductionFactorEX[0][0][k] = ReductionFactorEY[0][0][k] = 0.9;
      ReductionFactorEXSnow[0][0][k] = 0.8;
      ReductionFactorEYSnow[0][0][k] = 0.75;
      StiffnessRatioFactorX[0][0][k] = 0.8;
      StiffnessRatioFactorY[0][0][k] = 1.0;
      StiffnessRatioFactorXSnow[0][0][k] = 0.5;
      StiffnessRatioFactorYSnow[0][0][k] = 0.4;
    }

    EvaluateScores();

    for (const int comb : {0, 11}) {
      EXPECT_NEAR(Scores.PdX[0][0][comb], c.pdX, kTol);
      EXPECT_NEAR(Scores.PdY[0][0][comb], c.pdY, kTol);
      EXPECT_NEAR(SnowScores.PdX[0][0][comb], c.snowPdX, kTol);
      EXPECT_NEAR(SnowScores.PdY[0][0][comb], c.snowPdY, kTol);
      EXPECT_NEAR(SnowScores.ScoreX[0][0][comb], c.snowPdX / 50.0, kTol);
      EXPECT_NEAR(SnowScores.ScoreY[0][0][comb], c.snowPdY / 50.0, kTol);
    }
  }
}

// --- Building score ---------------------------------------------------------

TEST_F(SuperstructureTest, BuildingScoreIsTheSmallestCountedStoreyScore) {
  struct Case {
    const char* name;
    int top, mixed;
    double scores[3][4];  // per storey: X, Y, snow X, snow Y
    double building, snowBuilding;
  } cases[] = {
      {"one storey", 0, 0, {{0.8, 0.6, 0.9, 0.7}}, 0.6, 0.7},
      {"one storey above 100", 0, 0, {{150, 120, 101, 130}}, 100.0, 100.0},
      // min(0.9, 1.1, 0.7, 1.3) = 0.7; snow min(0.85, 1.0, 0.95, 0.8) = 0.8
      {"two storeys", 1, 0, {{0.9, 1.1, 0.85, 1.0}, {0.7, 1.3, 0.95, 0.8}}, 0.7, 0.8},
      // Concrete ground storey without scores is skipped: min(1.2, 0.95) and min(1.1, 0.9).
      {"RC lower structure", 1, 1, {{0, 0, 0, 0}, {1.2, 0.95, 1.1, 0.9}}, 0.95, 0.9},
      {"same house without mixed structure", 1, 0, {{0, 0, 0, 0}, {1.2, 0.95, 1.1, 0.9}}, 0.0, 0.0},
      // A steel lower structure with scores counts: min(0.5, 0.8, 1.2, 0.95) = 0.5; snow 0.6.
      {"steel lower structure with scores", 1, 2, {{0.5, 0.8, 0.6, 0.7}, {1.2, 0.95, 1.1, 0.9}}, 0.5, 0.6},
      // Any one score of 0 skips the storey for both building scores.
      {"only X missing", 1, 1, {{0.0, 0.8, 0.6, 0.7}, {1.2, 0.95, 1.1, 0.9}}, 0.95, 0.9},
      {"only Y missing", 1, 1, {{0.6, 0.0, 0.6, 0.7}, {1.2, 0.95, 1.1, 0.9}}, 0.95, 0.9},
      {"only snow Y missing", 1, 1, {{0.6, 0.8, 0.6, 0.0}, {1.2, 0.95, 1.1, 0.9}}, 0.95, 0.9},
      {"only snow X missing", 1, 1, {{0.6, 0.8, 0.0, 0.7}, {1.2, 0.95, 1.1, 0.9}}, 0.95, 0.9},
      {"top storey never skipped", 1, 1, {{0.8, 0.9, 0.8, 0.9}, {0, 0, 0, 0}}, 0.0, 0.0},
      // Middle storey skipped: min(0.9, 1.0, 1.1, 0.75) = 0.75; snow min(0.8, 1.0, 1.2, 0.85) = 0.8.
      {"three storeys, middle without scores",
       2,
       1,
       {{0.9, 1.0, 0.8, 1.0}, {0, 0, 0, 0}, {1.1, 0.75, 1.2, 0.85}},
       0.75,
       0.8},
  };
  const int v = RetrofitPlan1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearAll();
    CurrentVariant = v;
    UnitScoreInputs(v, c.top);
    ProjectSettings.MixedStructure = c.mixed;
    for (int s = 0; s <= c.top; ++s)
      for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
        WallStrengthX[v][s][k] = c.scores[s][0];
        WallStrengthY[v][s][k] = c.scores[s][1];
        WallStrengthXSnow[v][s][k] = c.scores[s][2];
        WallStrengthYSnow[v][s][k] = c.scores[s][3];
      }
    EvaluateScores();
    for (int comb = 0; comb < LoadCombinationCount; ++comb) {
      EXPECT_EQ(Scores.BuildingScore[v][comb], c.building);
      EXPECT_EQ(SnowScores.BuildingScore[v][comb], c.snowBuilding);
    }
  }
}

// --- Shown scores and governing combinations --------------------------------

TEST_F(SuperstructureTest, ShownScoreIsCutAndGovernedByTheLowestScannedCombination) {
  struct Low {
    int combination;
    double score;
  };
  struct Case {
    const char* name;
    int distinguish, top, storey;
    Low lows[5];  // the other combinations score 1.2
    double shown;
    int governing;
  } cases[] = {
      {"cut, not rounded", 0, 0, 0, {{0, 0.996}}, Cut(0.996), 0},  // 99.6 -> 99 -> 0.99
      // 1.15 x 100 is 114.99999999999999 in double; the panel still shows 1.15, as the cover does.
      {"a score with two decimals keeps them", 0, 0, 0, {{0, 1.15}}, 1.15, 0},
      {"not distinguished: combination 0 only", 0, 0, 0, {{1, 0.5}, {4, 0.3}}, Cut(1.2), 0},
      // 0.996, 0.991 and 0.995 all cut to 0.99: the first one governs.
      {"equal cuts keep the earlier combination",
       1,
       0,
       0,
       {{1, 0.996}, {2, 0.991}, {3, 1.0}, {4, 0.995}},
       Cut(0.996),
       1},
      {"one storey scans to 4", 1, 0, 0, {{4, 0.3}}, Cut(0.3), 4},
      {"one storey: 5 is not scanned", 1, 0, 0, {{5, 0.3}}, Cut(1.2), 0},
      {"one storey: storey 2 scans none", 1, 0, 1, {{1, 0.3}}, Cut(1.2), 0},
      {"one storey: storey 3 scans to 4", 1, 0, 2, {{4, 0.3}}, Cut(0.3), 4},
      {"two storeys: storey 1 scans to 8", 1, 1, 0, {{8, 0.4}}, Cut(0.4), 8},
      {"two storeys: storey 1 not to 9", 1, 1, 0, {{9, 0.4}}, Cut(1.2), 0},
      {"two storeys: storey 2 scans to 4", 1, 1, 1, {{4, 0.4}}, Cut(0.4), 4},
      {"two storeys: storey 2 not to 5", 1, 1, 1, {{5, 0.4}}, Cut(1.2), 0},
      {"three storeys: storey 1 scans to 16", 1, 2, 0, {{16, 0.45}}, Cut(0.45), 16},
      {"three storeys: storey 2 scans to 8", 1, 2, 1, {{8, 0.45}}, Cut(0.45), 8},
      {"three storeys: storey 2 not to 9", 1, 2, 1, {{9, 0.45}}, Cut(1.2), 0},
      {"three storeys: storey 3 scans to 4", 1, 2, 2, {{4, 0.45}}, Cut(0.45), 4},
      {"three storeys: storey 3 not to 5", 1, 2, 2, {{5, 0.45}}, Cut(1.2), 0},
      // 0.759 and 0.75 both cut to 0.75; the earlier 3 stays even though 6 is lower unrounded.
      {"cut before comparing", 1, 1, 0, {{3, 0.759}, {6, 0.75}}, Cut(0.759), 3},
  };
  const int v = CurrentState;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearAll();
    CurrentVariant = v;
    ProjectSettings.DistinguishBraceDirection = c.distinguish;
    UnitScoreInputs(v, c.top);
    // Storeys up to the top score Fe; storeys above it keep what an earlier plan left.
    for (int comb = 0; comb < LoadCombinationCount; ++comb) {
      if (c.storey <= c.top)
        ReductionFactorEX[v][c.storey][comb] = 1.2;
      else
        Scores.ScoreX[v][c.storey][comb] = 1.2;
    }
    for (const Low& low : c.lows) {
      if (low.score == 0.0) continue;
      if (c.storey <= c.top)
        ReductionFactorEX[v][c.storey][low.combination] = low.score;
      else
        Scores.ScoreX[v][c.storey][low.combination] = low.score;
    }
    GoverningCombinations.X[v][c.storey] = 13;  // from an earlier paint

    EvaluateScores();

    EXPECT_EQ(ShownScores.X[v][c.storey], c.shown);
    EXPECT_EQ(GoverningCombinations.X[v][c.storey], c.governing);
  }
  EXPECT_EQ(Cut(0.996), 0.99);
  EXPECT_EQ(Cut(1.15), 1.15);
  EXPECT_EQ(Cut(0.57), 0.57);
  EXPECT_EQ(CutScore(0.57), 0.57);  // floor(0.57 x 100) would show 0.56
  EXPECT_EQ(CutScore(0.5799), 0.57);
}

TEST_F(SuperstructureTest, DirectionsAndSnowGovernOnTheirOwn) {
  const int v = RetrofitPlan2;
  CurrentVariant = v;
  ProjectSettings.DistinguishBraceDirection = 1;
  UnitScoreInputs(v, 0);
  ReductionFactorEX[v][0][1] = 0.8;
  ReductionFactorEY[v][0][3] = 0.7;
  ReductionFactorEXSnow[v][0][4] = 0.6;
  ReductionFactorEYSnow[v][0][2] = 0.65;

  EvaluateScores();

  EXPECT_EQ(ShownScores.X[v][0], Cut(0.8));
  EXPECT_EQ(GoverningCombinations.X[v][0], 1);
  EXPECT_EQ(ShownScores.Y[v][0], Cut(0.7));
  EXPECT_EQ(GoverningCombinations.Y[v][0], 3);
  EXPECT_EQ(SnowShownScores.X[v][0], Cut(0.6));
  EXPECT_EQ(SnowGoverningCombinations.X[v][0], 4);
  EXPECT_EQ(SnowShownScores.Y[v][0], Cut(0.65));
  EXPECT_EQ(SnowGoverningCombinations.Y[v][0], 2);
  // Building scores: combination 1 min(0.8, 1) = 0.8, 3 0.7; snow 2 0.65, 4 0.6.
  EXPECT_EQ(GoverningCombinations.Building[v], 3);
  EXPECT_EQ(SnowGoverningCombinations.Building[v], 4);
}

TEST_F(SuperstructureTest, GoverningBuildingCombinationOnUnroundedScores) {
  struct Case {
    const char* name;
    int distinguish;
    double base;  // score of the combinations not listed
    int governing;
  } cases[] = {
      // 0.705 at 3, 0.701 at 7 and 9: 7 is strictly below 0.705, 9 only equal to 7.
      {"lowest unrounded, earlier on a tie", 1, 0.8, 7},
      {"not distinguished", 0, 0.8, 0},
      // Every building score is 100 (the start value): none is strictly below it.
      {"all at least 100", 1, 150.0, 0},
  };
  const int v = CurrentState;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearAll();
    CurrentVariant = v;
    ProjectSettings.DistinguishBraceDirection = c.distinguish;
    UnitScoreInputs(v, 0);
    for (int comb = 0; comb < LoadCombinationCount; ++comb) {
      ReductionFactorEX[v][0][comb] = c.base;
      ReductionFactorEY[v][0][comb] = ReductionFactorEXSnow[v][0][comb] = ReductionFactorEYSnow[v][0][comb] =
          200.0;
    }
    if (c.base < 1.0) {
      ReductionFactorEX[v][0][3] = 0.705;
      ReductionFactorEX[v][0][7] = ReductionFactorEX[v][0][9] = 0.701;
      ReductionFactorEYSnow[v][0][12] = 0.5;
    }
    GoverningCombinations.Building[v] = SnowGoverningCombinations.Building[v] = 13;

    EvaluateScores();

    EXPECT_EQ(GoverningCombinations.Building[v], c.governing);
    EXPECT_EQ(SnowGoverningCombinations.Building[v], c.distinguish == 1 && c.base < 1.0 ? 12 : 0);
    EXPECT_EQ(Scores.BuildingScore[v][7], c.base < 1.0 ? 0.701 : 100.0);
  }
}

// --- Scores that are not a number --------------------------------------------

// A broken input (an Fe that is not a number, say) must not hide behind a
// sound-looking score.
TEST_F(SuperstructureTest, ScoreThatIsNotANumberIsNeverShownAsSound) {
  const int v = CurrentState;
  CurrentVariant = v;
  ProjectSettings.DistinguishBraceDirection = 1;
  UnitScoreInputs(v, 1);              // every score 1 but these:
  ReductionFactorEX[v][0][2] = kNaN;  // storey 1, X, combination 2
  ReductionFactorEX[v][0][5] = 0.5;   // lower, scanned after it
  ReductionFactorEY[v][1][0] = kNaN;  // storey 2, Y, combination 0
  ReductionFactorEY[v][1][3] = 0.3;   // lower, scanned after it
  GoverningCombinations.Building[v] = 13;

  EvaluateScores();

  EXPECT_TRUE(std::isnan(ShownScores.X[v][0]));
  EXPECT_EQ(GoverningCombinations.X[v][0], 2);
  EXPECT_EQ(ClassifyScore(ShownScores.X[v][0]), 3);
  EXPECT_TRUE(std::isnan(ShownScores.Y[v][1]));  // T(0) itself, not the later 0.3
  EXPECT_EQ(GoverningCombinations.Y[v][1], 0);
  // Storey 2's Y score is followed by storey 1's sound scores of 1, which
  // must not replace it.
  EXPECT_TRUE(std::isnan(Scores.BuildingScore[v][0]));
  EXPECT_TRUE(std::isnan(Scores.BuildingScore[v][2]));
  EXPECT_EQ(Scores.BuildingScore[v][3], 0.3);
  EXPECT_EQ(Scores.BuildingScore[v][5], 0.5);
  // Combination 0 governs: 0.3 at 3 is not below a score that is not a number.
  EXPECT_EQ(GoverningCombinations.Building[v], 0);
  EXPECT_EQ(SnowScores.BuildingScore[v][0], 1.0);  // the snow family is sound
}

TEST_F(SuperstructureTest, ScoreClasses) {
  struct Case {
    double score;
    int32_t expected;
  } cases[] = {
      {1.5, 0},  {20.0, 0},   {1.4999, 1}, {1.0, 1},  {0.9999, 2},
      {0.7, 2},  {0.6999, 3}, {0.0, 3},    {-1.0, 3}, {Cut(0.996), 2},  // shows 0.99, not 1.00
      {kNaN, 3},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyScore(c.score), c.expected) << c.score;
}

// --- Upper-storey shear caution -----------------------------------------------

class ShearCautionTest : public SuperstructureTest {
 protected:
  static int AddWall(int v, int s, int x1, int y1, int x2, int y2, int32_t oldBits) {
    const int i = WallCount[v][s];
    testmodel::AddWall(v, s, x1, y1, x2, y2);
    WallResults[v][s][i].Blocks[0].CautionBits = oldBits;
    return i;
  }
  static int32_t Bits(int v, int s, int i) { return WallResults[v][s][i].Blocks[0].CautionBits; }
};

TEST_F(ShearCautionTest, RetrofitPlanWallsOnLinesWhoseShearRises) {
  const int v = RetrofitPlan1;
  CurrentVariant = v;
  ProjectSettings.TopStorey[v] = 1;
  // X-direction lines (LineShearX, by Y axis), storey 2 against storey 1, case 0.
  LineShearX[v][1][2][0] = 5.0, LineShearX[v][0][2][0] = 4.0;  // rises
  LineShearX[v][1][3][0] = 3.0, LineShearX[v][0][3][0] = 3.0;  // equal: no
  LineShearX[v][1][0][0] = 10.0;                               // rises, but only Y walls end on it
  LineShearX[v][1][4][1] = 9.0;                                // case 1 does not count
  // Y-direction lines (LineShearY, by X axis).
  LineShearY[v][1][5][0] = 6.0, LineShearY[v][0][5][0] = 2.0;  // rises
  LineShearY[v][1][8][0] = 1.5, LineShearY[v][0][8][0] = 1.0;  // rises
  LineShearY[v][1][9][0] = 1.0, LineShearY[v][0][9][0] = 2.0;  // falls
  LineShearY[v][1][4][0] = 2.0;                                // rises, but only X walls end on it

  const int lower = AddWall(v, 0, 1, 2, 4, 2, 13);
  const int onRisingLine = AddWall(v, 1, 1, 2, 4, 2, 13);
  const int onEqualLine = AddWall(v, 1, 1, 3, 4, 3, 13);
  const int yWall = AddWall(v, 1, 5, 0, 5, 3, 0);
  const int yWallFalling = AddWall(v, 1, 9, 0, 9, 3, 13);
  const int diagonalRisingAtEnd = AddWall(v, 1, 6, 4, 8, 6, 0);  // X lines 4, 6; Y lines 6, 8
  const int diagonalRisingOnX = AddWall(v, 1, 1, 2, 3, 5, 0);    // X lines 2, 5; Y lines 1, 3
  const int diagonalFlat = AddWall(v, 1, 6, 4, 7, 6, 13);        // X lines 4, 6; Y lines 6, 7
  const int otherPlanWall = AddWall(RetrofitPlan2, 1, 1, 2, 4, 2, 13);
  LineShearX[RetrofitPlan2][1][2][0] = 5.0;

  EvaluateScores();

  EXPECT_EQ(Bits(v, 0, lower), 0);  // cleared; the ground storey gets nothing
  EXPECT_EQ(Bits(v, 1, onRisingLine), 2);
  EXPECT_EQ(Bits(v, 1, onEqualLine), 0);
  EXPECT_EQ(Bits(v, 1, yWall), 2);
  EXPECT_EQ(Bits(v, 1, yWallFalling), 0);
  EXPECT_EQ(Bits(v, 1, diagonalRisingAtEnd), 2);
  EXPECT_EQ(Bits(v, 1, diagonalRisingOnX), 2);
  EXPECT_EQ(Bits(v, 1, diagonalFlat), 0);
  EXPECT_EQ(Bits(RetrofitPlan2, 1, otherPlanWall), 13);  // not the current variant
}

TEST_F(ShearCautionTest, CurrentStateKeepsItsBits) {
  CurrentVariant = CurrentState;
  ProjectSettings.TopStorey[0] = 1;
  LineShearX[0][1][2][0] = 5.0;
  const int lower = AddWall(0, 0, 1, 2, 4, 2, 13);
  const int upper = AddWall(0, 1, 1, 2, 4, 2, 5);

  EvaluateScores();

  EXPECT_EQ(Bits(0, 0, lower), 13);
  EXPECT_EQ(Bits(0, 1, upper), 5);
}

}  // namespace
