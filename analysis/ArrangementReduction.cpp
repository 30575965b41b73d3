#include "analysis/ArrangementReduction.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "analysis/BuildingOutline.h"
#include "analysis/RequiredStrength.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

StoreyArray OtherElementRatioX;
StoreyArray OtherElementRatioY;

FloorSpecRectArray FloorSpecRectArea, FloorSpecRectWeightedArea;
FloorSpecTriArray FloorSpecTriArea, FloorSpecTriWeightedArea;
StoreyArray FloorSpecArea;
StoreyArray FloorSpecWeightedArea;
StoreyArray AverageFloorMagnification;

FloorLineArray FloorLineCapacityX1, FloorLineCapacityX2;
FloorLineArray FloorLineCapacityY1, FloorLineCapacityY2;

int32_t FloorSpecClass[VariantCount][StoreyCount];

StoreyArray QuarterZoneRatioA, QuarterZoneRatioB, QuarterZoneRatio1, QuarterZoneRatio2;
StoreyArray QuarterZoneRatioASnow, QuarterZoneRatioBSnow, QuarterZoneRatio1Snow, QuarterZoneRatio2Snow;

double ReductionFactorByEccentricity(double eccentricityRatio, double floorMagnification) {
  const double re = eccentricityRatio;
  // Columns of the table: rigid floors (a >= 1.0), middle, flexible (a < 0.5).
  const int column = floorMagnification >= 1.0 ? 0 : floorMagnification >= 0.5 ? 1 : 2;
  if (re < 0.15) return 1.0;
  const double d = 3.33 * re + 0.5;
  if (re < 0.3) return 1.0 / d;
  if (re < 0.45) {
    const double upper[3] = {(3.3 - re) / (3.0 * d), (2.3 - re) / (2.0 * d), (3.6 - 2.0 * re) / (3.0 * d)};
    return upper[column];
  }
  if (re < 0.6) {
    const double upper[3] = {(3.3 - re) / 6.0, (2.3 - re) / 4.0, (3.6 - 2.0 * re) / 6.0};
    return upper[column];
  }
  // Also where Re is not a number: the most severe row.
  const double floorValue[3] = {0.45, 0.425, 0.4};
  return floorValue[column];
}

QuarterDivisionFactors QuarterDivisionFactorsOf(double zoneRatio1, double zoneRatio2) {
  double r1 = zoneRatio1;
  double r2 = zoneRatio2;
  if (r1 > r2) std::swap(r1, r2);
  if (r1 >= 1.0) return {1.0, 1.0};
  if (r2 > 0.0) {
    const double k = r1 / r2 >= 0.5 ? 1.0 : (r1 + r2) / r2 / 2.0;
    return {k, (r1 + r2) / r2 / 2.5};
  }
  return {1.0, 0.8};
}

double ReductionFactorByQuarterDivision(double zoneRatio1, double zoneRatio2, int32_t floorClass) {
  const QuarterDivisionFactors f = QuarterDivisionFactorsOf(zoneRatio1, zoneRatio2);
  switch (floorClass) {
    case FloorClassI:
      return f.K;
    case FloorClassII:
      return (f.K + f.N) / 2.0;
    default:
      return f.N;
  }
}

void ClearFloorLineCapacities() {
  for (FloorLineArray* lines :
       {&FloorLineCapacityX1, &FloorLineCapacityX2, &FloorLineCapacityY1, &FloorLineCapacityY2})
    for (auto& variant : *lines)
      for (auto& storey : variant)
        for (double& value : storey) value = 0.0;
}

namespace {

// An area of the atrium row without horizontal braces this long on a side
// lowers the floor class of its storey.
constexpr int32_t kAtriumSpecCode = 0;
constexpr double kAtriumSpan = 4.0;

// Damaged files can hold any index; an area off the grid counts for nothing.

// The X share comes from the sides measured along Y, the Y share from those
// measured along X.
double OtherElementRatio(int sideA, int sideB, int v, int s) {
  const double lengthA = OuterWallLength[sideA][v][s];
  const double lengthB = OuterWallLength[sideB][v][s];
  // Without outermost walls along a side there is no wall to credit other
  // elements to, so the storey is given none rather than a ratio of 0 / 0.
  if (!(lengthA > 0.0) || !(lengthB > 0.0)) return 0.0;
  return 0.25 - 0.2 * MinDouble(OuterSolidWallLength[sideA][v][s] / lengthA,
                                OuterSolidWallLength[sideB][v][s] / lengthB);
}

void WriteOtherElementRatios(int v, int s) {
  if (ProjectSettings.OpeningWallBasis == OpeningWallsByLength) {
    OtherElementRatioX[v][s] = 0.0;
    OtherElementRatioY[v][s] = 0.0;
    return;
  }
  OtherElementRatioX[v][s] = OtherElementRatio(OutlineSideLeft, OutlineSideRight, v, s);
  OtherElementRatioY[v][s] = OtherElementRatio(OutlineSideTop, OutlineSideBottom, v, s);
}

struct Corner {
  int32_t ix, iy;
  double x, y;
};

Corner CornerAt(int32_t ix, int32_t iy) { return {ix, iy, GridAxisX[ix], GridAxisY[iy]}; }

// Value at position p of the edge from (p0, v0) to (p1, v1), linear in p.
// An edge between two axes of the same position stands across the line
// there and reaches its second end.
double OnEdge(double p0, double v0, double p1, double v1, double p) {
  if (p1 == p0) return v1;
  return v0 + (v1 - v0) * (p - p0) / (p1 - p0);
}

// Three compare-and-swap steps that swap only on a strictly greater index.
void SortCorners(Corner (&c)[3], int32_t Corner::*index) {
  const auto order = [&](int i, int j) {
    if (c[i].*index > c[j].*index) std::swap(c[i], c[j]);
  };
  order(0, 1);
  order(1, 2);
  order(0, 1);
}

void AddRectLineCapacities(int v, int s, const FloorSpecRectRecord& r, double width, double depth, double m) {
  const int32_t ix1 = MinInt(r.X1, r.X2), ix2 = MaxInt(r.X1, r.X2);
  const int32_t iy1 = MinInt(r.Y1, r.Y2), iy2 = MaxInt(r.Y1, r.Y2);
  for (int32_t k = iy1; k < iy2; ++k) {
    FloorLineCapacityX1[v][s][k] += width * m;
    FloorLineCapacityX2[v][s][k] += width * m;
  }
  for (int32_t k = ix1; k < ix2; ++k) {
    FloorLineCapacityY1[v][s][k] += depth * m;
    FloorLineCapacityY2[v][s][k] += depth * m;
  }
}

// Chords of the triangle on every axis line it crosses. Array 1 counts an
// edge lying on the triangle's lowest axis of a family, array 2 one on its
// highest.
void AddTriangleLineCapacities(int v, int s, const Corner (&corners)[3], double m) {
  Corner c[3] = {corners[0], corners[1], corners[2]};
  SortCorners(c, &Corner::ix);
  {
    const Corner& a = c[0];
    const Corner& b = c[1];
    const Corner& e = c[2];
    for (int32_t k = a.ix + 1; k <= b.ix; ++k) {
      const double x = GridAxisX[k];
      const double chord = std::fabs(OnEdge(a.x, a.y, b.x, b.y, x) - OnEdge(a.x, a.y, e.x, e.y, x)) * m;
      FloorLineCapacityY2[v][s][k] += chord;
      if (k < b.ix) FloorLineCapacityY1[v][s][k] += chord;
    }
    for (int32_t k = e.ix - 1; k >= b.ix; --k) {
      const double x = GridAxisX[k];
      const double chord = std::fabs(OnEdge(e.x, e.y, b.x, b.y, x) - OnEdge(e.x, e.y, a.x, a.y, x)) * m;
      FloorLineCapacityY1[v][s][k] += chord;
      if (k > b.ix) FloorLineCapacityY2[v][s][k] += chord;
    }
  }

  Corner d[3] = {corners[0], corners[1], corners[2]};
  SortCorners(d, &Corner::iy);
  const Corner& a = d[0];
  const Corner& b = d[1];
  const Corner& e = d[2];
  if (a.iy < b.iy) {
    for (int32_t k = a.iy; k <= b.iy; ++k) {
      const double y = GridAxisY[k];
      const double chord = std::fabs(OnEdge(a.y, a.x, b.y, b.x, y) - OnEdge(a.y, a.x, e.y, e.x, y)) * m;
      FloorLineCapacityX2[v][s][k] += chord;
      if (k < b.iy) FloorLineCapacityX1[v][s][k] += chord;
    }
  }
  if (b.iy < e.iy) {
    for (int32_t k = e.iy; k >= b.iy; --k) {
      const double y = GridAxisY[k];
      const double chord = std::fabs(OnEdge(e.y, e.x, b.y, b.x, y) - OnEdge(e.y, e.x, a.y, a.x, y)) * m;
      FloorLineCapacityX1[v][s][k] += chord;
      if (k > b.iy) FloorLineCapacityX2[v][s][k] += chord;
    }
  }
}

double Distance(const Corner& p, const Corner& q) {
  const double dx = q.x - p.x;
  const double dy = q.y - p.y;
  return std::sqrt(dx * dx + dy * dy);
}

// Areas, magnifications and line capacities of one storey. Returns whether
// an atrium-sized opening lies in the storey's floor.
bool AddFloorSpecAreasOfStorey(int v, int s) {
  FloorSpecArea[v][s] = 0.0;
  FloorSpecWeightedArea[v][s] = 0.0;
  AverageFloorMagnification[v][s] = 0.0;
  // The weights step clears the lines at the start of the recalculation; this
  // makes a repeated run give the same values.
  for (FloorLineArray* lines :
       {&FloorLineCapacityX1, &FloorLineCapacityX2, &FloorLineCapacityY1, &FloorLineCapacityY2})
    for (double& value : (*lines)[v][s]) value = 0.0;

  bool atrium = false;

  const int32_t rectCount = CountOf(FloorSpecRectCount, v, s, MaxFloorSpecRectsPerStorey);
  for (int32_t i = 0; i < rectCount; ++i) {
    const FloorSpecRectRecord& r = FloorSpecRects[v][s][i];
    FloorSpecRectArea[v][s][i] = 0.0;
    FloorSpecRectWeightedArea[v][s][i] = 0.0;
    if (!OnGrid(r.X1, r.Y1) || !OnGrid(r.X2, r.Y2)) continue;
    double x1 = GridAxisX[r.X1], x2 = GridAxisX[r.X2];
    double y1 = GridAxisY[r.Y1], y2 = GridAxisY[r.Y2];
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const double width = x2 - x1;
    const double depth = y2 - y1;
    if (r.SpecCode == kAtriumSpecCode && (width >= kAtriumSpan || depth >= kAtriumSpan)) atrium = true;
    const double m = FloorFactorOfSpecCode(r.SpecCode);
    const double area = width * depth;
    FloorSpecRectArea[v][s][i] = area;
    FloorSpecRectWeightedArea[v][s][i] = m * area;
    FloorSpecArea[v][s] += area;
    FloorSpecWeightedArea[v][s] += m * area;
    AddRectLineCapacities(v, s, r, width, depth, m);
  }

  const int32_t triCount = CountOf(FloorSpecTriangleCount, v, s, MaxFloorSpecTrianglesPerStorey);
  for (int32_t i = 0; i < triCount; ++i) {
    const FloorSpecTriangleRecord& t = FloorSpecTriangles[v][s][i];
    FloorSpecTriArea[v][s][i] = 0.0;
    FloorSpecTriWeightedArea[v][s][i] = 0.0;
    if (!OnGrid(t.X1, t.Y1) || !OnGrid(t.X2, t.Y2) || !OnGrid(t.X3, t.Y3)) continue;
    const Corner c[3] = {CornerAt(t.X1, t.Y1), CornerAt(t.X2, t.Y2), CornerAt(t.X3, t.Y3)};
    if (t.SpecCode == kAtriumSpecCode &&
        (Distance(c[0], c[1]) >= kAtriumSpan || Distance(c[1], c[2]) >= kAtriumSpan ||
         Distance(c[2], c[0]) >= kAtriumSpan))
      atrium = true;
    const double m = FloorFactorOfSpecCode(t.SpecCode);
    const double area =
        std::fabs((c[1].x - c[2].x) * (c[0].y - c[2].y) - (c[0].x - c[2].x) * (c[1].y - c[2].y)) / 2.0;
    FloorSpecTriArea[v][s][i] = area;
    FloorSpecTriWeightedArea[v][s][i] = m * area;
    FloorSpecArea[v][s] += area;
    FloorSpecWeightedArea[v][s] += m * area;
    AddTriangleLineCapacities(v, s, c, m);
  }

  if (FloorSpecArea[v][s] != 0.0)
    AverageFloorMagnification[v][s] = FloorSpecWeightedArea[v][s] / FloorSpecArea[v][s];
  return atrium;
}

bool PreciseMethod() {
  return ProjectSettings.DiagnosisMethod == DiagnosisPrecise2 ||
         ProjectSettings.DiagnosisMethod == DiagnosisPrecise1;
}

int32_t FloorClassOfStorey(double magnification, bool atrium) {
  if (PreciseMethod()) {
    if (magnification < 0.5) return FloorClassIII;
    if (magnification < 1.0) return FloorClassII;
    return FloorClassI;
  }
  const int32_t notPlywood = ProjectSettings.FloorMaterial != FloorAllPlywood ? 1 : 0;
  const int32_t noBraces = ProjectSettings.FloorMaterial != FloorAllPlywood &&
                                   ProjectSettings.HorizontalBraces != HorizontalBracesPresent
                               ? 1
                               : 0;
  const int32_t atriumAnswer = ProjectSettings.Atrium == SettingOn ? 1 : 0;
  if (ProjectSettings.UniformFloorSpec == SettingOn)
    return MinInt(FloorClassIII, notPlywood + noBraces + atriumAnswer);
  int32_t floorClass = MinInt(FloorClassIII, notPlywood + noBraces);
  if (atrium || atriumAnswer == 1) floorClass = MinInt(FloorClassIII, floorClass + 1);
  return floorClass;
}

void WriteEccentricityFactors(int v, int s) {
  const double a = AverageFloorMagnification[v][s];
  for (int c = 0; c < LoadCombinationCount; ++c) {
    const int32_t k = CombinationGroup[c];
    ReductionFactorEX[v][s][c] = ReductionFactorByEccentricity(EccentricityRatioX[v][s][k], a);
    ReductionFactorEY[v][s][c] = ReductionFactorByEccentricity(EccentricityRatioY[v][s][k], a);
    ReductionFactorEXSnow[v][s][c] = ReductionFactorByEccentricity(EccentricityRatioXSnow[v][s][k], a);
    ReductionFactorEYSnow[v][s][c] = ReductionFactorByEccentricity(EccentricityRatioYSnow[v][s][k], a);
  }
}

struct EndZone {
  const StoreyArray& Strength;
  const StoreyArray& Demand;
  StoreyArray& Ratio;
};

bool HasDemand(const EndZone& zone, int v, int s) { return zone.Demand[v][s] > 0.0; }

// One direction from its two end zones. Balance is judged only between two
// zones that both carry demand: a zone without demand cannot fall short, so
// it does not reduce the direction (Fe 1.0) and its ratio is 0.
double QuarterDivisionFactorOfDirection(const EndZone& first, const EndZone& second, int v, int s,
                                        int32_t floorClass) {
  for (const EndZone* zone : {&first, &second})
    zone->Ratio[v][s] = HasDemand(*zone, v, s) ? zone->Strength[v][s] / zone->Demand[v][s] : 0.0;
  if (!HasDemand(first, v, s) || !HasDemand(second, v, s)) return 1.0;
  return ReductionFactorByQuarterDivision(first.Ratio[v][s], second.Ratio[v][s], floorClass);
}

void FillCombinations(StoreyComboArray& factors, int v, int s, double value) {
  for (double& f : factors[v][s]) f = value;
}

void WriteQuarterDivisionFactors(int v, int s, int32_t floorClass) {
  const EndZone a{QuarterZoneStrengthA, RequiredStrengthZoneA, QuarterZoneRatioA};
  const EndZone b{QuarterZoneStrengthB, RequiredStrengthZoneB, QuarterZoneRatioB};
  const EndZone one{QuarterZoneStrength1, RequiredStrengthZone1, QuarterZoneRatio1};
  const EndZone two{QuarterZoneStrength2, RequiredStrengthZone2, QuarterZoneRatio2};
  const EndZone aSnow{QuarterZoneStrengthASnow, RequiredStrengthZoneASnow, QuarterZoneRatioASnow};
  const EndZone bSnow{QuarterZoneStrengthBSnow, RequiredStrengthZoneBSnow, QuarterZoneRatioBSnow};
  const EndZone oneSnow{QuarterZoneStrength1Snow, RequiredStrengthZone1Snow, QuarterZoneRatio1Snow};
  const EndZone twoSnow{QuarterZoneStrength2Snow, RequiredStrengthZone2Snow, QuarterZoneRatio2Snow};
  FillCombinations(ReductionFactorEX, v, s, QuarterDivisionFactorOfDirection(a, b, v, s, floorClass));
  FillCombinations(ReductionFactorEY, v, s, QuarterDivisionFactorOfDirection(one, two, v, s, floorClass));
  FillCombinations(ReductionFactorEXSnow, v, s,
                   QuarterDivisionFactorOfDirection(aSnow, bSnow, v, s, floorClass));
  FillCombinations(ReductionFactorEYSnow, v, s,
                   QuarterDivisionFactorOfDirection(oneSnow, twoSnow, v, s, floorClass));
}

}  // namespace

void CalcArrangementReduction() {
  const int v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  const int top = MinInt(MaxInt(ProjectSettings.TopStorey[v], 0), StoreyCount - 1);
  const bool quarterDivision = (ProjectSettings.DiagnosisMethod == DiagnosisGeneral ||
                                ProjectSettings.DiagnosisMethod == DiagnosisVerification) &&
                               ProjectSettings.BalanceMethod == BalanceByQuarterDivision;

  for (int s = top; s >= 0; --s) WriteOtherElementRatios(v, s);

  for (int s = top; s >= 0; --s) {
    // An atrium lowers the class of its own storey only: the floor of each
    // storey is a diaphragm of its own.
    const bool atrium = AddFloorSpecAreasOfStorey(v, s);
    FloorSpecClass[v][s] = FloorClassOfStorey(AverageFloorMagnification[v][s], atrium);
    if (quarterDivision)
      WriteQuarterDivisionFactors(v, s, FloorSpecClass[v][s]);
    else
      WriteEccentricityFactors(v, s);
  }
}
