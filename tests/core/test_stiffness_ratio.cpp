// Drift reciprocal rs = stiffness sum / Qr, its mean over the storeys of a
// combination, stiffness ratio Rs and factor Fsr = 1 / (2 - Rs / 0.6) below
// Rs 0.6. Expected values are worked by hand beside each number.
#include <gtest/gtest.h>

#include "StoreyAnalysisFixture.h"
#include "analysis/StiffnessRatio.h"

namespace {

constexpr double kTol = 1e-9;

class StiffnessRatioTest : public StoreyAnalysisTest {
 protected:
  // Every array this step writes, storeys and combinations alike, marked so unwritten entries show.
  static void MarkOutputs() {
    for (int s = 0; s < StoreyCount; ++s) {
      for (int k = 0; k < StoreyLoadingCaseCount; ++k)
        for (StoreyCaseArray* a :
             {&DriftReciprocalX, &DriftReciprocalY, &DriftReciprocalXSnow, &DriftReciprocalYSnow})
          (*a)[kVariant][s][k] = -7.0;
      for (int c = 0; c < LoadCombinationCount; ++c)
        for (StoreyComboArray* a : {&StiffnessRatioX, &StiffnessRatioY, &StiffnessRatioFactorX,
                                    &StiffnessRatioFactorY, &StiffnessRatioXSnow, &StiffnessRatioYSnow,
                                    &StiffnessRatioFactorXSnow, &StiffnessRatioFactorYSnow})
          (*a)[kVariant][s][c] = -7.0;
    }
    for (int c = 0; c < LoadCombinationCount; ++c)
      for (CombinationArray* a : {&DriftReciprocalMeanX, &DriftReciprocalMeanY, &DriftReciprocalMeanXSnow,
                                  &DriftReciprocalMeanYSnow})
        (*a)[kVariant][c] = -7.0;
  }
};

TEST_F(StiffnessRatioTest, Combinations) {
  struct Case {
    const char* name;
    int top;
    double sums[3][5];  // StiffnessSumX [storey][storey case]; StiffnessSumY is twice that
    double qr[3];
    int combination;
    double mean;  // of X; Y's is twice that, its Rs and Fsr the same
    double rs[3], fsr[3];
  } cases[] = {
      // rs 20 / 10 = 2 in every case: mean 2, Rs 1.
      {"one storey", 0, {{20, 20, 20, 20, 20}}, {10}, 16, 2.0, {1.0}, {1.0}},
      // rs 2.5 and 0.5: mean 1.5; Rs 2.5 / 1.5 = 1.6667 and 0.5 / 1.5 = 1/3;
      // Fsr 1.0 and 1 / (2 - (1/3) / 0.6) = 1 / (2 - 5/9) = 9/13 = 0.6923.
      {"rs 2.5 and 0.5",
       1,
       {{25, 25, 25, 25, 25}, {5, 5, 5, 5, 5}},
       {10, 10},
       0,
       1.5,
       {5.0 / 3.0, 1.0 / 3.0},
       {1.0, 9.0 / 13.0}},
      // rs 3 and 7: mean 5, Rs 0.6 exactly keeps 1.0.
      {"Rs 0.6", 1, {{30, 30, 30, 30, 30}, {70, 70, 70, 70, 70}}, {10, 10}, 5, 5.0, {0.6, 1.4}, {1.0, 1.0}},
      // rs 2.9 and 7.1: mean 5, Rs 0.58: 1 / (2 - 0.58 / 0.6) = 1 / (2 - 29/30) = 30/31 = 0.9677.
      {"Rs just below 0.6",
       1,
       {{29, 29, 29, 29, 29}, {71, 71, 71, 71, 71}},
       {10, 10},
       9,
       5.0,
       {0.58, 1.42},
       {30.0 / 31.0, 1.0}},
      // Qr 0 on storey 2: its rs 0 lowers the mean to (2 + 0) / 2 = 1; Rs 2 and 0, Fsr 1 and 1 / 2.
      {"no required strength on storey 2",
       1,
       {{20, 20, 20, 20, 20}, {50, 50, 50, 50, 50}},
       {10, 0},
       13,
       1.0,
       {2.0, 0.0},
       {1.0, 0.5}},
      // Nothing anywhere: mean 0, Rs 0, Fsr 1 / (2 - 0) = 0.5.
      {"no walls", 1, {}, {10, 10}, 3, 0.0, {0.0, 0.0}, {0.5, 0.5}},
      // Combination 2 takes storey cases 1, 1, 2. rs: storeys 1 and 2 case 1: 2; storey 3 case 1: 1,
      // case 2: 4. Mean (2 + 2 + 4) / 3 = 8/3 from each storey's own case; Rs from storey 1's case 1:
      // 2 / (8/3) = 0.75, 0.75, 1 / (8/3) = 0.375; Fsr of 0.375: 1 / (2 - 0.625) = 8/11.
      {"combination 2 of three storeys",
       2,
       {{0, 20, 0, 0, 0}, {0, 20, 0, 0, 0}, {0, 10, 40, 0, 0}},
       {10, 10, 10},
       2,
       8.0 / 3.0,
       {0.75, 0.75, 0.375},
       {1.0, 1.0, 8.0 / 11.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearStoreyResults();
    MarkOutputs();
    ProjectSettings.TopStorey[kVariant] = c.top;
    for (int s = 0; s < StoreyCount; ++s)
      for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
        StiffnessSumX[kVariant][s][k] = c.sums[s][k];
        StiffnessSumY[kVariant][s][k] = 2.0 * c.sums[s][k];
      }
    CalcDriftAndStiffnessRatios(c.qr, c.qr);

    EXPECT_NEAR(DriftReciprocalMeanX[kVariant][c.combination], c.mean, kTol);
    EXPECT_NEAR(DriftReciprocalMeanY[kVariant][c.combination], 2.0 * c.mean, kTol);
    for (int s = 0; s <= c.top; ++s) {
      SCOPED_TRACE(s);
      EXPECT_NEAR(DriftReciprocalX[kVariant][s][1], c.qr[s] != 0.0 ? c.sums[s][1] / c.qr[s] : 0.0, kTol);
      EXPECT_NEAR(StiffnessRatioX[kVariant][s][c.combination], c.rs[s], kTol);
      EXPECT_NEAR(StiffnessRatioY[kVariant][s][c.combination], c.rs[s], kTol);
      EXPECT_NEAR(StiffnessRatioFactorX[kVariant][s][c.combination], c.fsr[s], kTol);
      EXPECT_NEAR(StiffnessRatioFactorY[kVariant][s][c.combination], c.fsr[s], kTol);
    }
    for (int s = c.top + 1; s < StoreyCount; ++s) {
      EXPECT_EQ(DriftReciprocalX[kVariant][s][0], -7.0);
      EXPECT_EQ(StiffnessRatioFactorX[kVariant][s][c.combination], -7.0);
    }
    EXPECT_EQ(DriftReciprocalMeanXSnow[kVariant][c.combination], -7.0);  // no snow load
  }
}

// With snow the snow family uses the snow sums and the snow required strength.
TEST_F(StiffnessRatioTest, SnowTwinsOnlyWithSnow) {
  ProjectSettings.TopStorey[kVariant] = 1;
  const double qr[3] = {10.0, 10.0, 0.0};
  const double qrSnow[3] = {10.0, 12.0, 0.0};
  for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
    StiffnessSumX[kVariant][0][k] = StiffnessSumY[kVariant][0][k] = 25.0;
    StiffnessSumX[kVariant][1][k] = StiffnessSumY[kVariant][1][k] = 5.0;
    StiffnessSumXSnow[kVariant][0][k] = StiffnessSumYSnow[kVariant][0][k] = 30.0;
    StiffnessSumXSnow[kVariant][1][k] = StiffnessSumYSnow[kVariant][1][k] = 6.0;
  }
  for (const double snowLoad : {0.0, 0.26}) {
    SCOPED_TRACE(snowLoad);
    MarkOutputs();
    ProjectSettings.SnowLoad = snowLoad;
    CalcDriftAndStiffnessRatios(qr, qrSnow);
    EXPECT_NEAR(StiffnessRatioFactorX[kVariant][1][4], 9.0 / 13.0, kTol);  // rs 2.5 and 0.5 as above
    if (snowLoad == 0.0) {
      EXPECT_EQ(DriftReciprocalXSnow[kVariant][0][0], -7.0);
      EXPECT_EQ(DriftReciprocalMeanYSnow[kVariant][4], -7.0);
      EXPECT_EQ(StiffnessRatioFactorXSnow[kVariant][1][4], -7.0);
      continue;
    }
    for (int c = 0; c < LoadCombinationCount; ++c) {
      // rs 30 / 10 = 3 and 6 / 12 = 0.5: mean 1.75; Rs 3 / 1.75 = 12/7 and 0.5 / 1.75 = 2/7;
      // Fsr 1 / (2 - (2/7) / 0.6) = 1 / (2 - 10/21) = 21/32.
      EXPECT_NEAR(DriftReciprocalXSnow[kVariant][1][0], 0.5, kTol);
      EXPECT_NEAR(DriftReciprocalMeanXSnow[kVariant][c], 1.75, kTol);
      EXPECT_NEAR(DriftReciprocalMeanYSnow[kVariant][c], 1.75, kTol);
      EXPECT_NEAR(StiffnessRatioXSnow[kVariant][0][c], 12.0 / 7.0, kTol);
      EXPECT_NEAR(StiffnessRatioYSnow[kVariant][1][c], 2.0 / 7.0, kTol);
      EXPECT_NEAR(StiffnessRatioFactorXSnow[kVariant][0][c], 1.0, kTol);
      EXPECT_NEAR(StiffnessRatioFactorYSnow[kVariant][1][c], 21.0 / 32.0, kTol);
      EXPECT_EQ(StiffnessRatioFactorXSnow[kVariant][2][c], -7.0);  // above the top storey
    }
  }
}

}  // namespace
