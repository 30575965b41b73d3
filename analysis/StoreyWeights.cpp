#include "analysis/StoreyWeights.h"

#include <cmath>

#include "analysis/FloorAreas.h"
#include "analysis/PendingMessages.h"
#include "analysis/RequiredStrength.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"

const double PartUnitWeightTable[3][5] = {
    {0.95, 0.75, 0.2, 0.6, 0.6},
    {1.3, 1.2, 0.2, 0.6, 0.6},
    {2.4, 1.2, 0.45, 0.6, 0.6},
};

StoreyArray StoreyWeight, StoreyWeightSnow;
StoreyArray WeightRatioAlpha, WeightRatioAlphaSnow;
double BuildingHeight[VariantCount], BuildingHeightSnow[VariantCount];
double NaturalPeriod[VariantCount], NaturalPeriodSnow[VariantCount];
double GroundPeriodTc;
double VibrationCharacteristicRt[VariantCount], VibrationCharacteristicRtSnow[VariantCount];
StoreyArray ShearDistributionAi, ShearDistributionAiSnow;
StoreyArray SeismicShearCoefficient, SeismicShearCoefficientSnow;

const char* const StoreyHeightMissingText = "建物階高を入力して下さい。";
const char* const StoreyHeightMissingCaption = "建物階高";

namespace {

// W[s] / W[0]; a ratio that is not positive becomes 1e-7, which keeps 1 / sqrt finite.
double WeightRatio(double weight, double firstStoreyWeight) {
  const double alpha = firstStoreyWeight != 0 ? weight / firstStoreyWeight : 0.0;
  return alpha > 0 ? alpha : 1e-7;
}

}  // namespace

double VibrationCharacteristic(double t, double tc) {
  if (t < tc) return 1.0;
  if (t < 2 * tc) return 1 - 0.2 * (t / tc - 1) * (t / tc - 1);
  return 1.6 * tc / t;
}

double ShearDistribution(double alpha, double t) {
  return 1 + (1 / std::sqrt(alpha) - alpha) * 2 * t / (1 + 3 * t);
}

double PartUnitWeight(int v, int part) {
  return PartUnitWeightTable[ClampInt(ProjectSettings.PartWeightClass[v][part], 0, 2)][part];
}

void CalcSeismicShearFromWeights(int v) {
  const ProjectSettingsData& ps = ProjectSettings;
  const int top = ClampInt(ps.TopStorey[v], 0, StoreyCount - 1);
  for (int s = top; s >= 0; --s) {
    WeightRatioAlpha[v][s] = WeightRatio(StoreyWeight[v][s], StoreyWeight[v][0]);
    WeightRatioAlphaSnow[v][s] = WeightRatio(StoreyWeightSnow[v][s], StoreyWeightSnow[v][0]);
  }

  double h = 0;
  for (int s = 0; s <= top; ++s) h += ps.StoreyHeight[v][s];
  BuildingHeight[v] = BuildingHeightSnow[v] = h;
  double t = 0.0;
  if (h > 0) {
    t = 0.03 * h;
    if (ps.MixedStructure != MixedStructureNone) t = (0.02 + 0.01 * (h - ps.StoreyHeight[v][0]) / h) * h;
  } else {
    // Negative heights from a damaged file are as good as none: T stays 0.
    QueueMessage(StoreyHeightMissingText, StoreyHeightMissingCaption, MB_ICONINFORMATION);
  }
  NaturalPeriod[v] = NaturalPeriodSnow[v] = t;

  GroundPeriodTc = ps.GroundClass == GroundGood ? 0.4 : ps.GroundClass == GroundNormal ? 0.6 : 0.8;
  const double rt = VibrationCharacteristic(t, GroundPeriodTc);
  VibrationCharacteristicRt[v] = VibrationCharacteristicRtSnow[v] = rt;

  const double g = VerySoftGroundFactors[ClampInt(ps.VerySoftGround, 0, 1)];
  const double m = MixedStructureFactors[ClampInt(ps.MixedStructure, 0, 2)];
  for (int s = 0; s <= top; ++s) {
    ShearDistributionAi[v][s] = ShearDistribution(WeightRatioAlpha[v][s], t);
    SeismicShearCoefficient[v][s] = ps.RegionFactorZ * rt * ShearDistributionAi[v][s] * 0.2;
    RequiredStrength[v][s] = SeismicShearCoefficient[v][s] * StoreyWeight[v][s] * g * m;
    ShearDistributionAiSnow[v][s] = ShearDistribution(WeightRatioAlphaSnow[v][s], t);
    SeismicShearCoefficientSnow[v][s] = ps.RegionFactorZ * rt * ShearDistributionAiSnow[v][s] * 0.2;
    RequiredStrengthSnow[v][s] = SeismicShearCoefficientSnow[v][s] * StoreyWeightSnow[v][s] * g * m;
  }
}

void CalcRequiredStrengthByStoreyWeights() {
  const int v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  const ProjectSettingsData& ps = ProjectSettings;
  const int top = ClampInt(ps.TopStorey[v], 0, StoreyCount - 1);
  const double roof = PartUnitWeight(v, PartRoof);
  const double walls = PartUnitWeight(v, PartOuterWall) + PartUnitWeight(v, PartInnerWall);
  const double floor = PartUnitWeight(v, PartFloor) + PartUnitWeight(v, PartLiveLoad);
  const double snowRoof = ps.SnowLoad * 5 + roof;
  const double* p = PlanShapeFactor[v];

  // A storey carries its roof or floor, the upper half of its own walls, the
  // lower half of the walls above and all that the storey above carries; the
  // plan-shape factor multiplies only the walls.
  for (int s = top; s >= 0; --s) {
    double w = RoofWeightArea[v][s] * roof + walls * WallWeightArea[v][s] / 2 * p[s];
    double ws = snowRoof * RoofWeightAreaSnow[v][s] + walls * WallWeightAreaSnow[v][s] / 2 * p[s];
    if (s < top) {
      w += walls * WallWeightArea[v][s + 1] / 2 * p[s + 1];
      ws += walls * WallWeightAreaSnow[v][s + 1] / 2 * p[s + 1];
    }
    w += floor * FloorWeightArea[v][s];
    ws += floor * FloorWeightAreaSnow[v][s];
    if (s < top) {
      w += StoreyWeight[v][s + 1];
      ws += StoreyWeightSnow[v][s + 1];
    }
    StoreyWeight[v][s] = w;
    StoreyWeightSnow[v][s] = ws;
  }
  CalcSeismicShearFromWeights(v);
}
