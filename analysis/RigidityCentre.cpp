#include "analysis/RigidityCentre.h"

#include <cmath>

#include "analysis/AnalysisResults.h"
#include "analysis/OriginCoordinates.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

constexpr double NoStrengthEccentricityRatio = 99.99;
constexpr double MinElasticRadius = 0.00001;
constexpr double SmallEccentricityRatio = 0.15;

// The storey arrays of one family, without or with snow.
struct StoreyFamily {
  StoreyCaseArray& StiffnessSumX;
  StoreyCaseArray& StiffnessSumY;
  StoreyCaseArray& StiffnessMomentX;
  StoreyCaseArray& StiffnessMomentY;
  StoreyCaseArray& RigidityCentreX;
  StoreyCaseArray& RigidityCentreY;
  StoreyCaseArray& EccentricityX;
  StoreyCaseArray& EccentricityY;
  StoreyCaseArray& SecondMomentIx;
  StoreyCaseArray& SecondMomentIy;
  StoreyCaseArray& TorsionalStiffness;
  StoreyCaseArray& ElasticRadiusX;
  StoreyCaseArray& ElasticRadiusY;
  StoreyCaseArray& EccentricityRatioX;
  StoreyCaseArray& EccentricityRatioY;
};

const StoreyFamily PlainFamily{
    StiffnessSumX,      StiffnessSumY,  StiffnessMomentX, StiffnessMomentY,   RigidityCentreX,
    RigidityCentreY,    EccentricityX,  EccentricityY,    SecondMomentIx,     SecondMomentIy,
    TorsionalStiffness, ElasticRadiusX, ElasticRadiusY,   EccentricityRatioX, EccentricityRatioY,
};

const StoreyFamily SnowFamily{
    StiffnessSumXSnow,   StiffnessSumYSnow,      StiffnessMomentXSnow,   StiffnessMomentYSnow,
    RigidityCentreXSnow, RigidityCentreYSnow,    EccentricityXSnow,      EccentricityYSnow,
    SecondMomentIxSnow,  SecondMomentIySnow,     TorsionalStiffnessSnow, ElasticRadiusXSnow,
    ElasticRadiusYSnow,  EccentricityRatioXSnow, EccentricityRatioYSnow,
};

double QuotientOrZero(double numerator, double denominator) {
  return denominator != 0.0 ? numerator / denominator : 0.0;
}

double ElasticRadius(double torsionalStiffness, double stiffnessSum) {
  const double square = QuotientOrZero(torsionalStiffness, stiffnessSum);
  return square > 0.0 ? std::sqrt(square) : 0.0;
}

double EccentricityRatio(double eccentricity, double elasticRadius, int32_t options) {
  if (elasticRadius > MinElasticRadius) return eccentricity / elasticRadius;
  return (options & EccentricityUnresistedIsLarge) != 0 ? NoStrengthEccentricityRatio : 0.0;
}

// Centre of rigidity and eccentricity of the case (everything the column
// torsion terms need).
void LocateRigidityCentre(const StoreyFamily& f, int v, int s, int k, const RigidityCentreInput& in) {
  f.RigidityCentreX[v][s][k] = QuotientOrZero(f.StiffnessMomentX[v][s][k], f.StiffnessSumY[v][s][k]);
  f.RigidityCentreY[v][s][k] = QuotientOrZero(f.StiffnessMomentY[v][s][k], f.StiffnessSumX[v][s][k]);
  f.EccentricityX[v][s][k] = std::fabs(in.CentreOfGravityX - f.RigidityCentreX[v][s][k]);
  f.EccentricityY[v][s][k] = std::fabs(in.CentreOfGravityY - f.RigidityCentreY[v][s][k]);
}

// Second moments of the walls about the centre of rigidity, from each wall's
// own block k (not the blocks the storey sums map storey case k to).
template <typename Record>
void AddWallTorsionTerms(const StoreyFamily& f, Record* records, int v, int s, int k) {
  const double centreX = f.RigidityCentreX[v][s][k];
  const double centreY = f.RigidityCentreY[v][s][k];
  const int32_t wallCount = MinInt(WallCount[v][s], MaxWallsPerStorey);
  for (int32_t i = 0; i < wallCount; ++i) {
    const WallRecord& w = Walls[v][s][i];
    auto& b = records[i].Blocks[k];
    b.StartXFromCentre = XFromOrigin(w.X1) - centreX;
    b.EndXFromCentre = XFromOrigin(w.X2) - centreX;
    b.StartYFromCentre = YFromOrigin(w.Y1) - centreY;
    b.EndYFromCentre = YFromOrigin(w.Y2) - centreY;
    const double ly = b.StiffnessY;
    const double lx = b.StiffnessX;
    if (GridAxisX[w.X1] == GridAxisX[w.X2] || GridAxisY[w.Y1] == GridAxisY[w.Y2]) {
      b.LyXX = ly * b.StartXFromCentre * b.StartXFromCentre;
      b.LxYY = lx * b.StartYFromCentre * b.StartYFromCentre;
      b.LyXXEnd = 0.0;
      b.LxYYEnd = 0.0;
    } else {
      b.LyXX = ly * b.StartXFromCentre * b.StartXFromCentre / 2.0;
      b.LyXXEnd = ly * b.EndXFromCentre * b.EndXFromCentre / 2.0;
      b.LxYY = lx * b.StartYFromCentre * b.StartYFromCentre / 2.0;
      b.LxYYEnd = lx * b.EndYFromCentre * b.EndYFromCentre / 2.0;
    }
    f.SecondMomentIx[v][s][k] += b.LyXX;
    f.SecondMomentIx[v][s][k] += b.LyXXEnd;
    f.SecondMomentIy[v][s][k] += b.LxYY;
    f.SecondMomentIy[v][s][k] += b.LxYYEnd;
  }
}

void CalcTorsionAndEccentricityRatios(const StoreyFamily& f, int v, int s, int k, int32_t options) {
  const double kr = f.SecondMomentIx[v][s][k] + f.SecondMomentIy[v][s][k];
  f.TorsionalStiffness[v][s][k] = kr;
  f.ElasticRadiusX[v][s][k] = ElasticRadius(kr, f.StiffnessSumX[v][s][k]);
  f.ElasticRadiusY[v][s][k] = ElasticRadius(kr, f.StiffnessSumY[v][s][k]);
  f.EccentricityRatioX[v][s][k] =
      EccentricityRatio(f.EccentricityY[v][s][k], f.ElasticRadiusX[v][s][k], options);
  f.EccentricityRatioY[v][s][k] =
      EccentricityRatio(f.EccentricityX[v][s][k], f.ElasticRadiusY[v][s][k], options);
}

template <typename Record>
void AnalyseFamily(const StoreyFamily& f, Record* records, int v, int s, int k, const RigidityCentreInput& in,
                   void (*addColumnTorsionTerms)(int32_t, int32_t)) {
  LocateRigidityCentre(f, v, s, k, in);
  if (ProjectSettings.OtherElementsMethod == OtherElementsMethod2 && addColumnTorsionTerms != nullptr)
    addColumnTorsionTerms(s, k);
  AddWallTorsionTerms(f, records, v, s, k);
  CalcTorsionAndEccentricityRatios(f, v, s, k, ProjectSettings.EccentricityOptions);
}

// Ce = 0.5 + 10/3 x Re, held to 1.0..1.5 as the limit mode says.
double TorsionIncrease(double eccentricityRatio, int32_t limitMode) {
  double ce = eccentricityRatio * 10.0 / 3.0 + 0.5;
  if ((limitMode == CeLimitsBoth || limitMode == CeLimitLowerOnly) && ce < 1.0) ce = 1.0;
  if ((limitMode == CeLimitsBoth || limitMode == CeLimitUpperOnly) && ce > 1.5) ce = 1.5;
  return ce;
}

void CalcLineShears(int v, int s, int k, const RigidityCentreInput& in) {
  const int32_t options = ProjectSettings.EccentricityOptions;
  const int32_t limitMode = (options & EccentricityCeLimitMask) >> EccentricityCeLimitShift;
  const double qr = in.RequiredStrength;
  const double sumX = StiffnessSumX[v][s][k];
  const double sumY = StiffnessSumY[v][s][k];
  const int32_t firstY = MaxInt(UsedExtentMinY[v][s], 0);
  const int32_t lastY = MinInt(UsedExtentMaxY[v][s], GridAxisCountY - 1);
  const int32_t firstX = MaxInt(UsedExtentMinX[v][s], 0);
  const int32_t lastX = MinInt(UsedExtentMaxX[v][s], GridAxisCountX - 1);

  if ((options & EccentricityCeByTorsionFactor) == 0) {
    const double ceX = TorsionIncrease(EccentricityRatioX[v][s][k], limitMode);
    const double ceY = TorsionIncrease(EccentricityRatioY[v][s][k], limitMode);
    if (sumX != 0.0)
      for (int32_t i = firstY; i <= lastY; ++i)
        LineShearX[v][s][i][k] = LineStiffnessX[v][s][i][k] / sumX * ceX * qr;
    if (sumY != 0.0)
      for (int32_t j = firstX; j <= lastX; ++j)
        LineShearY[v][s][j][k] = LineStiffnessY[v][s][j][k] / sumY * ceY * qr;
    return;
  }

  // Torsion correction factor alpha per line. Without torsional stiffness
  // the slope is taken as 0, so alpha is 1 on every line.
  const double kr = TorsionalStiffness[v][s][k];
  const double centreX = RigidityCentreX[v][s][k];
  const double centreY = RigidityCentreY[v][s][k];
  double ax = kr != 0.0 ? (in.CentreOfGravityY - centreY) * sumX / kr : 0.0;
  double ay = kr != 0.0 ? (in.CentreOfGravityX - centreX) * sumY / kr : 0.0;
  if (limitMode == CeLimitsBoth || limitMode == CeLimitLowerOnly) {
    if (EccentricityRatioX[v][s][k] < SmallEccentricityRatio) ax = 0.0;
    if (EccentricityRatioY[v][s][k] < SmallEccentricityRatio) ay = 0.0;
  }
  if (sumX != 0.0)
    for (int32_t i = firstY; i <= lastY; ++i) {
      const double alpha = MaxDouble((YFromOrigin(i) - centreY) * ax + 1.0, 1.0);
      LineShearX[v][s][i][k] = LineStiffnessX[v][s][i][k] / sumX * alpha * qr;
    }
  if (sumY != 0.0)
    for (int32_t j = firstX; j <= lastX; ++j) {
      const double alpha = MaxDouble((XFromOrigin(j) - centreX) * ay + 1.0, 1.0);
      LineShearY[v][s][j][k] = LineStiffnessY[v][s][j][k] / sumY * alpha * qr;
    }
}

}  // namespace

void CalcRigidityCentreAndEccentricity(int32_t storey, int32_t storeyCase, const RigidityCentreInput& input) {
  const int v = CurrentVariant;
  const int s = storey;
  const int k = storeyCase;
  AnalyseFamily(PlainFamily, WallResults[v][s], v, s, k, input, input.AddColumnTorsionTerms);
  CalcLineShears(v, s, k, input);
  if (ProjectSettings.SnowLoad != 0.0)
    AnalyseFamily(SnowFamily, SnowWallResults[v][s], v, s, k, input, input.AddColumnTorsionTermsSnow);
}
