#include "analysis/AreaWeights.h"

#include "analysis/AreaOutline.h"
#include "analysis/GridAxisLabels.h"
#include "model/Grid.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"

const double StoreyGravityWeightTable[3][StoreyCount][StoreyCount] = {
    {{1.43, 0, 0}, {2.15, 1.43, 0}, {2.15, 2.15, 1.43}},
    {{2, 0, 0}, {2.6, 2, 0}, {2.6, 2.6, 2}},
    {{3.23, 0, 0}, {2.85, 3.23, 0}, {2.85, 2.85, 3.23}},
};

RectAreaArray RectWeightArea;
RectAreaArray RectWeightedArea;
RectAreaArray RectCentroidX, RectCentroidY;
RectAreaArray RectMomentX, RectMomentY;
RectAreaArray RectCalcMomentX, RectCalcMomentY;
TriAreaArray TriWeightArea;
TriAreaArray TriWeightedArea;
TriAreaArray TriCentroidX, TriCentroidY;
TriAreaArray TriMomentX, TriMomentY;
TriAreaArray TriCalcMomentX, TriCalcMomentY;

StoreyArray StoreyLoadWeight, StoreyLoadWeightSnow;
StoreyArray LoadMomentX, LoadMomentY, LoadMomentXSnow, LoadMomentYSnow;
StoreyArray WeightAreaSum, WeightAreaMomentX, WeightAreaMomentY;
StoreyArray CalcAreaMomentX, CalcAreaMomentY, CalcAreaMomentXSnow, CalcAreaMomentYSnow;

StoreyArray CentreOfGravityX, CentreOfGravityY, CentreOfGravityXSnow, CentreOfGravityYSnow;

namespace {

// The load take-off row and class of each area code's unit load; NoLoad for the
// kinds without a dead load of their own, OwnLoad for the individual classes.
constexpr int32_t NoLoad = -1, OwnLoad = -2;
constexpr int32_t UnitLoadRow[AreaCodeCount] = {
    0, NoLoad, 1, 2, 2, NoLoad, NoLoad, NoLoad, 2, OwnLoad, 3, 3, 3, OwnLoad, 0, 0, OwnLoad, 1, 1, OwnLoad,
};
constexpr int32_t UnitLoadClass[AreaCodeCount] = {0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0};

}  // namespace

double GetUnitLoadForSpec(int32_t code, double userValue) {
  if (code < 0 || code >= AreaCodeCount) return 1.0;
  const int row = UnitLoadRow[code];
  if (row == NoLoad) return 0.0;
  if (row == OwnLoad) return userValue;
  return ProjectSettings.LoadTakeOff[row][UnitLoadClass[code]];
}

AreaLoadWeights AreaLoadWeight(int32_t code, double liveLoad, double deadLoad, double addedLoad,
                               bool addedLoadCounts, double area) {
  AreaLoadWeights w;
  w.Weight = (GetUnitLoadForSpec(code, deadLoad) + liveLoad) * area;
  w.WeightSnow = w.Weight;
  if (AreaCodeIn(SnowCarryingCodes, code)) w.WeightSnow += area * ProjectSettings.SnowLoad * 5 * 1000;
  if (addedLoadCounts) {
    w.Weight += area * addedLoad;
    w.WeightSnow += area * addedLoad;
  }
  return w;
}

namespace {

int32_t ListCount(int32_t count, int32_t max) { return MinInt(MaxInt(count, 0), max); }

// Positions of the origin axes; an origin off the grid measures from position 0.
double OriginX() {
  return GridOriginAxisX >= 0 && GridOriginAxisX < GridAxisCountX ? GridAxisX[GridOriginAxisX] : 0.0;
}
double OriginY() {
  return GridOriginAxisY >= 0 && GridOriginAxisY < GridAxisCountY ? GridAxisY[GridOriginAxisY] : 0.0;
}

// The per-area outputs of one rectangle or triangle.
struct AreaWeightSlot {
  double& WeightArea;
  double& WeightedArea;
  double& CentroidX;
  double& CentroidY;
  double& MomentX;
  double& MomentY;
  double& CalcMomentX;
  double& CalcMomentY;
};

void AddAreaWeight(int v, int s, const AreaOutline& o, int32_t code, double liveLoad, double deadLoad,
                   double addedLoad, bool addedLoadCounts, double calcArea, const AreaWeightSlot& out) {
  if (!o.OnGrid) {
    out.WeightArea = out.WeightedArea = out.CentroidX = out.CentroidY = 0.0;
    out.MomentX = out.MomentY = out.CalcMomentX = out.CalcMomentY = 0.0;
    return;
  }
  const double a = o.Area;
  const AreaLoadWeights weights = AreaLoadWeight(code, liveLoad, deadLoad, addedLoad, addedLoadCounts, a);
  const double w = weights.Weight, ws = weights.WeightSnow;

  out.WeightArea = a;
  // Not written otherwise: the centre of gravity then does not use it.
  if (ProjectSettings.GravityCentreBySpec == GravityCentreBySpecs)
    out.WeightedArea = a * AreaFactor(GravityWeightFactorTable, code);

  double sumX = 0, sumY = 0;
  for (int k = 0; k < o.CornerCount; ++k) sumX += o.X[k], sumY += o.Y[k];
  const double x = sumX / o.CornerCount - OriginX();
  const double y = OriginY() - sumY / o.CornerCount;
  out.CentroidX = x;
  out.CentroidY = y;
  out.MomentX = out.WeightedArea * x;
  out.MomentY = out.WeightedArea * y;
  out.CalcMomentX = calcArea * x;
  out.CalcMomentY = calcArea * y;

  StoreyLoadWeight[v][s] += w;
  StoreyLoadWeightSnow[v][s] += ws;
  LoadMomentX[v][s] += w * x;
  LoadMomentY[v][s] += w * y;
  LoadMomentXSnow[v][s] += ws * x;
  LoadMomentYSnow[v][s] += ws * y;
  WeightAreaSum[v][s] += out.WeightedArea;
  WeightAreaMomentX[v][s] += out.MomentX;
  WeightAreaMomentY[v][s] += out.MomentY;
  CalcAreaMomentX[v][s] += out.CalcMomentX;
  CalcAreaMomentXSnow[v][s] += out.CalcMomentX;
  CalcAreaMomentY[v][s] += out.CalcMomentY;
  CalcAreaMomentYSnow[v][s] += out.CalcMomentY;
}

}  // namespace

void ClearAreaWeightSums() {
  for (int v = 0; v < VariantCount; ++v) {
    for (int s = 0; s < StoreyCount; ++s) {
      StoreyLoadWeight[v][s] = StoreyLoadWeightSnow[v][s] = 0.0;
      LoadMomentX[v][s] = LoadMomentY[v][s] = LoadMomentXSnow[v][s] = LoadMomentYSnow[v][s] = 0.0;
      WeightAreaSum[v][s] = WeightAreaMomentX[v][s] = WeightAreaMomentY[v][s] = 0.0;
      CalcAreaMomentX[v][s] = CalcAreaMomentY[v][s] = 0.0;
      CalcAreaMomentXSnow[v][s] = CalcAreaMomentYSnow[v][s] = 0.0;
    }
  }
}

void AddAreaWeightsOfStorey(int v, int s) {
  const int32_t rects = ListCount(RoofFloorRectCount[v][s], MaxRoofFloorRectsPerStorey);
  for (int i = 0; i < rects; ++i) {
    const RoofFloorRectRecord& r = RoofFloorRects[v][s][i];
    const AreaWeightSlot out{RectWeightArea[v][s][i],  RectWeightedArea[v][s][i], RectCentroidX[v][s][i],
                             RectCentroidY[v][s][i],   RectMomentX[v][s][i],      RectMomentY[v][s][i],
                             RectCalcMomentX[v][s][i], RectCalcMomentY[v][s][i]};
    AddAreaWeight(v, s, RectangleOutline(r), r.AreaCode, r.LiveLoad, r.DeadLoad, r.AddedLoad,
                  AddedLoadCounts(r), RectCalcArea[v][s][i], out);
  }
  const int32_t triangles = ListCount(RoofFloorTriangleCount[v][s], MaxRoofFloorTrianglesPerStorey);
  for (int i = 0; i < triangles; ++i) {
    const RoofFloorTriangleRecord& t = RoofFloorTriangles[v][s][i];
    const AreaWeightSlot out{TriWeightArea[v][s][i],  TriWeightedArea[v][s][i], TriCentroidX[v][s][i],
                             TriCentroidY[v][s][i],   TriMomentX[v][s][i],      TriMomentY[v][s][i],
                             TriCalcMomentX[v][s][i], TriCalcMomentY[v][s][i]};
    AddAreaWeight(v, s, TriangleOutline(t), t.AreaCode, t.LiveLoad, t.DeadLoad, t.AddedLoad,
                  AddedLoadCounts(t), TriCalcArea[v][s][i], out);
  }
}

void CalcCentresOfGravity() {
  for (int v = 0; v < VariantCount; ++v) {
    const int32_t weightClass = MinInt(MaxInt(ProjectSettings.WeightClass[v], 0), 2);
    const int32_t top = MinInt(MaxInt(ProjectSettings.TopStorey[v], 0), StoreyCount - 1);
    for (int s = 0; s < StoreyCount; ++s) {
      double x, y, xSnow, ySnow;
      if (ProjectSettings.GravityCentreBySpec == GravityCentreBySpecs) {
        double area = 0, momentX = 0, momentY = 0;
        for (int j = s; j < StoreyCount; ++j) {
          area += WeightAreaSum[v][j];
          momentX += WeightAreaMomentX[v][j];
          momentY += WeightAreaMomentY[v][j];
        }
        x = area != 0 ? momentX / area : 0.0;
        y = area != 0 ? momentY / area : 0.0;
        xSnow = x;
        ySnow = y;
      } else {
        double area = 0, momentX = 0, momentY = 0, areaSnow = 0, momentXSnow = 0, momentYSnow = 0;
        for (int j = s; j < StoreyCount; ++j) {
          const double k = StoreyGravityWeightTable[weightClass][top][j];
          area += k * StoreyCalcArea[v][j];
          momentX += k * CalcAreaMomentX[v][j];
          momentY += k * CalcAreaMomentY[v][j];
          areaSnow += k * StoreyCalcAreaSnow[v][j];
          momentXSnow += k * CalcAreaMomentXSnow[v][j];
          momentYSnow += k * CalcAreaMomentYSnow[v][j];
        }
        x = area != 0 ? momentX / area : 0.0;
        y = area != 0 ? momentY / area : 0.0;
        xSnow = areaSnow != 0 ? momentXSnow / areaSnow : 0.0;
        ySnow = areaSnow != 0 ? momentYSnow / areaSnow : 0.0;
      }
      CentreOfGravityX[v][s] = x;
      CentreOfGravityY[v][s] = y;
      CentreOfGravityXSnow[v][s] = xSnow;
      CentreOfGravityYSnow[v][s] = ySnow;
    }
  }
}
