#include "analysis/StiffnessRatio.h"

#include <cstdint>

#include "analysis/AnalysisResults.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

constexpr double FullStiffnessRatio = 0.6;

struct DriftFamily {
  StoreyCaseArray& StiffnessSum;
  StoreyCaseArray& DriftReciprocal;
  CombinationArray& DriftReciprocalMean;
  StoreyComboArray& StiffnessRatio;
  StoreyComboArray& StiffnessRatioFactor;
};

const DriftFamily PlainX{StiffnessSumX, DriftReciprocalX, DriftReciprocalMeanX, StiffnessRatioX,
                         StiffnessRatioFactorX};
const DriftFamily PlainY{StiffnessSumY, DriftReciprocalY, DriftReciprocalMeanY, StiffnessRatioY,
                         StiffnessRatioFactorY};
const DriftFamily SnowX{StiffnessSumXSnow, DriftReciprocalXSnow, DriftReciprocalMeanXSnow,
                        StiffnessRatioXSnow, StiffnessRatioFactorXSnow};
const DriftFamily SnowY{StiffnessSumYSnow, DriftReciprocalYSnow, DriftReciprocalMeanYSnow,
                        StiffnessRatioYSnow, StiffnessRatioFactorYSnow};

void CalcFamily(const DriftFamily& f, int v, int top, const double (&requiredStrength)[StoreyCount]) {
  for (int s = 0; s <= top; ++s)
    for (int k = 0; k < StoreyLoadingCaseCount; ++k)
      f.DriftReciprocal[v][s][k] =
          requiredStrength[s] != 0.0 ? f.StiffnessSum[v][s][k] / requiredStrength[s] : 0.0;

  for (int c = 0; c < LoadCombinationCount; ++c) {
    double sum = 0.0;
    for (int s = 0; s <= top; ++s) sum += f.DriftReciprocal[v][s][LoadCombinations[s][c]];
    const double mean = sum / (top + 1);
    f.DriftReciprocalMean[v][c] = mean;
    for (int s = 0; s <= top; ++s) {
      // Every storey is rated in the first storey's loading case of the
      // combination, while the mean takes each storey's own case.
      const double rs = f.DriftReciprocal[v][s][CombinationGroup[c]];
      const double ratio = mean != 0.0 ? rs / mean : 0.0;
      f.StiffnessRatio[v][s][c] = ratio;
      f.StiffnessRatioFactor[v][s][c] =
          ratio < FullStiffnessRatio ? 1.0 / (2.0 - ratio / FullStiffnessRatio) : 1.0;
    }
  }
}

}  // namespace

void CalcDriftAndStiffnessRatios(const double (&requiredStrength)[StoreyCount],
                                 const double (&requiredStrengthSnow)[StoreyCount]) {
  const int v = CurrentVariant;
  const int top = MinInt(MaxInt(ProjectSettings.TopStorey[v], 0), StoreyCount - 1);
  CalcFamily(PlainX, v, top, requiredStrength);
  CalcFamily(PlainY, v, top, requiredStrength);
  if (ProjectSettings.SnowLoad != 0.0) {
    CalcFamily(SnowX, v, top, requiredStrengthSnow);
    CalcFamily(SnowY, v, top, requiredStrengthSnow);
  }
}
