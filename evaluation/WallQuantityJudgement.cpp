#include "evaluation/WallQuantityJudgement.h"

#include "analysis/RequiredStrength.h"
#include "evaluation/Superstructure.h"
#include "model/ModelAccess.h"

bool WallLengthSufficient(double ratio, double requiredLength) {
  // A NaN ratio compares false and fails.
  return requiredLength == 0.0 || ratio >= 1.0;
}

bool QuarterDivisionPasses(bool firstZoneSufficient, bool secondZoneSufficient, double wallRatioRatio) {
  return (firstZoneSufficient && secondZoneSufficient) || wallRatioRatio >= 0.5;
}

WallQuantityJudgement JudgeWallQuantity(int32_t v) {
  v = ClampInt(v, 0, VariantCount - 1);
  WallQuantityJudgement judgement;
  judgement.TopStorey = TopStoreyOf(v);
  for (int s = judgement.TopStorey; s >= 0; --s) {
    StoreyWallQuantityJudgement& j = judgement.Storeys[s];
    j.X = WallLengthSufficient(SufficiencyRatioX[v][s], RequiredWallLength[v][s]);
    j.Y = WallLengthSufficient(SufficiencyRatioY[v][s], RequiredWallLength[v][s]);
    j.ZoneA = WallLengthSufficient(QuarterSufficiencyA[v][s], RequiredWallLengthA[v][s]);
    j.ZoneB = WallLengthSufficient(QuarterSufficiencyB[v][s], RequiredWallLengthB[v][s]);
    j.Zone1 = WallLengthSufficient(QuarterSufficiency1[v][s], RequiredWallLength1[v][s]);
    j.Zone2 = WallLengthSufficient(QuarterSufficiency2[v][s], RequiredWallLength2[v][s]);
    j.QuarterX = QuarterDivisionPasses(j.ZoneA, j.ZoneB, WallRatioRatioX[v][s]);
    j.QuarterY = QuarterDivisionPasses(j.Zone1, j.Zone2, WallRatioRatioY[v][s]);
    if (!j.QuarterX || !j.QuarterY) judgement.QuarterDivisionMet = false;
    if (!j.X || !j.Y || !j.QuarterX || !j.QuarterY) judgement.Met = false;
  }
  return judgement;
}
