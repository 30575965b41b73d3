#include "evaluation/Superstructure.h"

#include <cmath>
#include <initializer_list>

#include "analysis/ArrangementReduction.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/FloorCheck.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

ScoreSet Scores;
ScoreSet SnowScores;
GoverningCombinationSet GoverningCombinations;
GoverningCombinationSet SnowGoverningCombinations;
ShownScoreSet ShownScores;
ShownScoreSet SnowShownScores;

StoreyArray SufficiencyRatioX, SufficiencyRatioY;
StoreyArray QuarterSufficiencyA, QuarterSufficiencyB;
StoreyArray QuarterSufficiency1, QuarterSufficiency2;
StoreyArray WallRatioRatioX, WallRatioRatioY;

// D of the held strength: the deterioration factor in the general and the
// verification method (the fixed percentage of the verification method when
// one is set), none in the precise methods.
double HeldStrengthDeterioration(int v) {
  const int32_t method = ProjectSettings.DiagnosisMethod;
  if (method == DiagnosisVerification &&
      ProjectSettings.VerificationDeterioration != VerificationDeteriorationComputed)
    return ProjectSettings.VerificationDeterioration / 100.0;
  if (method == DiagnosisGeneral || method == DiagnosisVerification)
    return v == CurrentState ? DeteriorationFactor : RetrofitDeteriorationFactor;
  return 1.0;
}

namespace {

constexpr double StartBuildingScore = 100.0;

bool IsPreciseMethod() {
  return ProjectSettings.DiagnosisMethod == DiagnosisPrecise2 ||
         ProjectSettings.DiagnosisMethod == DiagnosisPrecise1;
}

double Ratio(double existing, double required) { return required != 0.0 ? existing / required : 0.0; }

// Smaller zone over larger zone.
double ZoneBalance(double a, double b) {
  if (a > b) return b / a;
  if (b != 0.0) return a / b;
  return 0.0;
}

void CalcWallQuantityRatios() {
  for (int v = 0; v < VariantCount; ++v)
    for (int s = TopStoreyOf(v); s >= 0; --s) {
      SufficiencyRatioX[v][s] = Ratio(ExistingWallLengthX[v][s][0], RequiredWallLength[v][s]);
      SufficiencyRatioY[v][s] = Ratio(ExistingWallLengthY[v][s][0], RequiredWallLength[v][s]);
      QuarterSufficiencyA[v][s] = Ratio(QuarterWallLengthA[v][s], RequiredWallLengthA[v][s]);
      QuarterSufficiencyB[v][s] = Ratio(QuarterWallLengthB[v][s], RequiredWallLengthB[v][s]);
      QuarterSufficiency1[v][s] = Ratio(QuarterWallLength1[v][s], RequiredWallLength1[v][s]);
      QuarterSufficiency2[v][s] = Ratio(QuarterWallLength2[v][s], RequiredWallLength2[v][s]);
      WallRatioRatioX[v][s] = ZoneBalance(QuarterSufficiencyA[v][s], QuarterSufficiencyB[v][s]);
      WallRatioRatioY[v][s] = ZoneBalance(QuarterSufficiency1[v][s], QuarterSufficiency2[v][s]);
    }
}

// One direction of one snow family. The other elements have no snow share.
struct ScoreFamily {
  const StoreyArray& RequiredStrength;
  const StoreyArray& OtherElementRatio;
  const StoreyCaseArray& WallStrength;
  const StoreyComboArray& ReductionFactorE;
  const StoreyComboArray& StiffnessRatioFactor;
  StoreyComboArray& Pd;
  StoreyComboArray& Score;
};

const ScoreFamily PlainX{RequiredStrength,      OtherElementRatioX, WallStrengthX, ReductionFactorEX,
                         StiffnessRatioFactorX, Scores.PdX,         Scores.ScoreX};
const ScoreFamily PlainY{RequiredStrength,      OtherElementRatioY, WallStrengthY, ReductionFactorEY,
                         StiffnessRatioFactorY, Scores.PdY,         Scores.ScoreY};
const ScoreFamily SnowX{RequiredStrengthSnow,  OtherElementRatioX,        WallStrengthXSnow,
                        ReductionFactorEXSnow, StiffnessRatioFactorXSnow, SnowScores.PdX,
                        SnowScores.ScoreX};
const ScoreFamily SnowY{RequiredStrengthSnow,  OtherElementRatioY,        WallStrengthYSnow,
                        ReductionFactorEYSnow, StiffnessRatioFactorYSnow, SnowScores.PdY,
                        SnowScores.ScoreY};

void HeldStrengthAndScore(const ScoreFamily& f, int v, int s, int c, double deterioration, bool precise) {
  const double qr = f.RequiredStrength[v][s];
  // Every storey takes the wall strength of the first storey's loading case
  // of the combination, not its own, as the stiffness ratio does. Deliberate.
  const int g = CombinationGroup[c];
  double pd = (qr * f.OtherElementRatio[v][s] + f.WallStrength[v][s][g]) * f.ReductionFactorE[v][s][c] *
              deterioration;
  if (precise) pd *= f.StiffnessRatioFactor[v][s][c];
  // Pd is written for a storey without demand too: the report prints it
  // beside the score, and one left from an earlier state would be wrong there.
  f.Pd[v][s][c] = pd;
  f.Score[v][s][c] = qr != 0.0 ? pd / qr : 0.0;
}

void CalcHeldStrengthAndScores(int v, int top) {
  const double deterioration = HeldStrengthDeterioration(v);
  const bool precise = IsPreciseMethod();
  for (int c = 0; c < LoadCombinationCount; ++c)
    for (int s = top; s >= 0; --s)
      for (const ScoreFamily* f : {&PlainX, &PlainY, &SnowX, &SnowY})
        HeldStrengthAndScore(*f, v, s, c, deterioration, precise);
}

// The smaller score; a score that is not a number stays in, so that a failed
// storey never leaves a building score that looks sound.
double LowerScore(double current, double score) {
  return std::isnan(current) ? current : MinDouble(current, score);
}

// Strictly lower, a score that is not a number counting as the lowest.
bool IsLowerScore(double candidate, double current) {
  return candidate < current || (std::isnan(candidate) && !std::isnan(current));
}

bool HasNoScore(int v, int s, int c) {
  return Scores.ScoreX[v][s][c] <= 0.0 || Scores.ScoreY[v][s][c] <= 0.0 ||
         SnowScores.ScoreX[v][s][c] <= 0.0 || SnowScores.ScoreY[v][s][c] <= 0.0;
}

void CalcBuildingScores(int v, int top) {
  for (int c = 0; c < LoadCombinationCount; ++c) {
    double plain = StartBuildingScore;
    double snow = StartBuildingScore;
    for (int s = top; s >= 0; --s) {
      // A reinforced-concrete or steel lower structure without a score of its own does not count.
      if (s < top && ProjectSettings.MixedStructure != MixedStructureNone && HasNoScore(v, s, c)) continue;
      plain = LowerScore(LowerScore(plain, Scores.ScoreX[v][s][c]), Scores.ScoreY[v][s][c]);
      snow = LowerScore(LowerScore(snow, SnowScores.ScoreX[v][s][c]), SnowScores.ScoreY[v][s][c]);
    }
    Scores.BuildingScore[v][c] = plain;
    SnowScores.BuildingScore[v][c] = snow;
  }
}

// Last combination scanned for a storey when brace directions are
// distinguished, by [storey][top storey]; 0 scans none.
constexpr int LastScannedCombination[StoreyCount][StoreyCount] = {
    {4, 8, 16},
    {0, 4, 8},
    {4, 4, 4},
};

void SelectShownScore(const StoreyComboArray& score, int v, int s, int top, double& shown,
                      int32_t& governing) {
  shown = CutScore(score[v][s][0]);
  governing = 0;
  if (ProjectSettings.DistinguishBraceDirection != SettingOn) return;
  for (int c = 1; c <= LastScannedCombination[s][top]; ++c) {
    const double cut = CutScore(score[v][s][c]);
    if (IsLowerScore(cut, shown)) {  // equal values keep the earlier combination
      shown = cut;
      governing = c;
    }
  }
}

int32_t GoverningBuildingCombination(const ScoreSet& set, int v) {
  int32_t governing = 0;
  if (ProjectSettings.DistinguishBraceDirection != SettingOn) return governing;
  double lowest = StartBuildingScore;
  for (int c = 0; c < LoadCombinationCount; ++c)
    if (IsLowerScore(set.BuildingScore[v][c], lowest)) {
      lowest = set.BuildingScore[v][c];
      governing = c;
    }
  return governing;
}

void SelectShownScores(int v, int top) {
  for (int s = 0; s < StoreyCount; ++s) {
    SelectShownScore(Scores.ScoreX, v, s, top, ShownScores.X[v][s], GoverningCombinations.X[v][s]);
    SelectShownScore(Scores.ScoreY, v, s, top, ShownScores.Y[v][s], GoverningCombinations.Y[v][s]);
    SelectShownScore(SnowScores.ScoreX, v, s, top, SnowShownScores.X[v][s],
                     SnowGoverningCombinations.X[v][s]);
    SelectShownScore(SnowScores.ScoreY, v, s, top, SnowShownScores.Y[v][s],
                     SnowGoverningCombinations.Y[v][s]);
  }
  GoverningCombinations.Building[v] = GoverningBuildingCombination(Scores, v);
  SnowGoverningCombinations.Building[v] = GoverningBuildingCombination(SnowScores, v);
}

bool ShearRisesOnLine(const LineArray& shear, int v, int s, int32_t line) {
  return line >= 0 && line < AxisLineCount && shear[v][s][line][0] > shear[v][s - 1][line][0];
}

// Caution bit 2 of a retrofit plan's walls; the retrofit-difference marks add
// their own bits afterwards.
void MarkUpperShearCautions(int v, int top) {
  if (v == CurrentState) return;
  for (int s = top; s >= 0; --s) {
    const int32_t count = MinInt(MaxInt(WallCount[v][s], 0), MaxWallsPerStorey);
    for (int32_t i = 0; i < count; ++i) {
      int32_t& bits = WallResults[v][s][i].Blocks[0].CautionBits;
      bits = 0;
      if (s == 0) continue;
      const WallRecord& w = Walls[v][s][i];
      bool rises = false;
      if (w.X1 != w.X2)
        rises = ShearRisesOnLine(LineShearX, v, s, w.Y1) || ShearRisesOnLine(LineShearX, v, s, w.Y2);
      if (w.Y1 != w.Y2)
        rises = rises || ShearRisesOnLine(LineShearY, v, s, w.X1) || ShearRisesOnLine(LineShearY, v, s, w.X2);
      if (rises) bits |= UpperShearCautionBit;
    }
  }
}

}  // namespace

double CutScore(double score) {
  // The value less 0.004999999999 as "%.2f" rounds it: cut, yet a score
  // that has two decimals (0.57, the class limits) keeps them, where
  // floor(0.57 x 100) would give 0.56.
  return std::floor((score - 0.004999999999) * 100.0 + 0.5) / 100.0;
}

int32_t ClassifyScore(double score) {
  if (std::isnan(score) || score < 0.7) return 3;
  if (score < 1.0) return 2;
  if (score < 1.5) return 1;
  return 0;
}

void EvaluateScores() {
  CalcWallQuantityRatios();
  const int v = MinInt(MaxInt(CurrentVariant, 0), VariantCount - 1);
  const int top = TopStoreyOf(v);
  CalcHeldStrengthAndScores(v, top);
  CalcBuildingScores(v, top);
  SelectShownScores(v, top);
  MarkUpperShearCautions(v, top);
}

void EvaluateSuperstructure() {
  EvaluateScores();
  CheckFloorDiaphragms();
}
