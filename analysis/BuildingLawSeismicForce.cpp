#include "analysis/BuildingLawSeismicForce.h"

#include <cmath>

#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/StoreyWeights.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

constexpr int LoadTakeOffExteriorWall = 4;
constexpr int LoadTakeOffPartition = 5;
constexpr int32_t PartitionWallType = 8;  // wall types 8 and above are partitions

constexpr int32_t WallClassIndividual = 2;
constexpr int32_t GableClassIndividual = 0, GableClassLight = 1, GableClassHeavy = 2;
constexpr int32_t GableMonoPitch = 0, GableDualPitch = 1, GableParapet = 2;

}  // namespace

double WallUnitWeight(const WallRecord& wall, int32_t wallType) {
  if (wall.WeightClass == WallClassIndividual) return wall.Weight;
  if (wall.WeightClass != 0 && wall.WeightClass != 1) return 0.0;
  const int row = wallType < PartitionWallType ? LoadTakeOffExteriorWall : LoadTakeOffPartition;
  return ProjectSettings.LoadTakeOff[row][wall.WeightClass];
}

double GableUnitWeight(const GableWallRecord& gable) {
  switch (gable.WeightClass) {
    case GableClassIndividual:
      return gable.Weight;
    case GableClassLight:
      return ProjectSettings.LoadTakeOff[LoadTakeOffExteriorWall][0];
    case GableClassHeavy:
      return ProjectSettings.LoadTakeOff[LoadTakeOffExteriorWall][1];
    default:
      return 0.0;
  }
}

double GableWallWeight(const GableWallRecord& gable, double length) {
  const double u = GableUnitWeight(gable);
  switch (gable.Shape) {
    case GableMonoPitch:
      return u * length * (length * gable.Slope / 2 + gable.Height);
    case GableDualPitch:
      return u * length * (length * gable.Slope / 4 + gable.Height);
    case GableParapet:
      return u * length * gable.Height;
    default:
      return 0.0;
  }
}

namespace {

// A weight and its moments into one storey level, the same value with and without snow.
void AddToLevel(int v, int level, double weight, double momentX, double momentY) {
  StoreyLoadWeight[v][level] += weight;
  StoreyLoadWeightSnow[v][level] += weight;
  LoadMomentX[v][level] += momentX;
  LoadMomentXSnow[v][level] += momentX;
  LoadMomentY[v][level] += momentY;
  LoadMomentYSnow[v][level] += momentY;
}

// Walls hang half on their own storey level and half on the level below
// (nowhere for the first storey); gable walls wholly on their own level.
// Other variants are weighed with the lengths and wall types of the last
// storey analysis in which they were current.
void AddWallAndGableWeightsOfStorey(int v, int s) {
  const double x0 = GridAxisX[GridOriginAxisX];
  const double y0 = GridAxisY[GridOriginAxisY];

  const int32_t walls = ClampInt(WallCount[v][s], 0, MaxWallsPerStorey);
  for (int i = 0; i < walls; ++i) {
    const WallRecord& wall = Walls[v][s][i];
    if (!OnGrid(wall.X1, wall.Y1) || !OnGrid(wall.X2, wall.Y2)) continue;
    const WallCaseResult& result = WallResults[v][s][i].Blocks[0];
    const double h = wall.Height != 0 ? wall.Height : ProjectSettings.StoreyHeight[v][s];
    const double w = WallUnitWeight(wall, result.WallType) * result.Length * h;
    const double x = (GridAxisX[MinInt(wall.X1, wall.X2)] + GridAxisX[MaxInt(wall.X1, wall.X2)]) / 2 - x0;
    const double y = y0 - (GridAxisY[MinInt(wall.Y1, wall.Y2)] + GridAxisY[MaxInt(wall.Y1, wall.Y2)]) / 2;
    AddToLevel(v, s, w / 2, w * x / 2, w * y / 2);
    if (s > 0) AddToLevel(v, s - 1, w / 2, w * x / 2, w * y / 2);
  }

  const int32_t gables = ClampInt(GableWallCount[v][s], 0, MaxGableWallsPerStorey);
  for (int i = 0; i < gables; ++i) {
    const GableWallRecord& gable = GableWalls[v][s][i];
    if (!OnGrid(gable.X1, gable.Y1) || !OnGrid(gable.X2, gable.Y2)) continue;
    const double dx = GridAxisX[gable.X2] - GridAxisX[gable.X1];
    const double dy = GridAxisY[gable.Y2] - GridAxisY[gable.Y1];
    const double g = GableWallWeight(gable, std::sqrt(dx * dx + dy * dy));
    const double x = (GridAxisX[gable.X1] + GridAxisX[gable.X2]) / 2 - x0;
    const double y = y0 - (GridAxisY[gable.Y1] + GridAxisY[gable.Y2]) / 2;
    AddToLevel(v, s, g, g * x, g * y);
  }
}

// Centre of the weight of storey level s and every level above it; (0, 0) without weight.
void CalcCentresOfGravityFromLoadWeights(int v) {
  for (int s = 0; s < StoreyCount; ++s) {
    double w = 0, mx = 0, my = 0, ws = 0, mxs = 0, mys = 0;
    for (int j = s; j < StoreyCount; ++j) {
      w += StoreyLoadWeight[v][j];
      mx += LoadMomentX[v][j];
      my += LoadMomentY[v][j];
      ws += StoreyLoadWeightSnow[v][j];
      mxs += LoadMomentXSnow[v][j];
      mys += LoadMomentYSnow[v][j];
    }
    CentreOfGravityX[v][s] = w != 0 ? mx / w : 0.0;
    CentreOfGravityY[v][s] = w != 0 ? my / w : 0.0;
    CentreOfGravityXSnow[v][s] = ws != 0 ? mxs / ws : 0.0;
    CentreOfGravityYSnow[v][s] = ws != 0 ? mys / ws : 0.0;
  }
}

}  // namespace

void CalcBuildingLawSeismicForce() {
  if (ProjectSettings.RequiredStrengthMethod != RequiredByLoadTakeOff) return;

  for (int v = 0; v < VariantCount; ++v) {
    for (int s = 0; s < StoreyCount; ++s) AddWallAndGableWeightsOfStorey(v, s);
    CalcCentresOfGravityFromLoadWeights(v);
  }

  const int v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  // Wi in kN: the weight of level i and of every level above it.
  const int top = ClampInt(ProjectSettings.TopStorey[v], 0, StoreyCount - 1);
  for (int s = top; s >= 0; --s) {
    StoreyWeight[v][s] = StoreyLoadWeight[v][s] / 1000;
    StoreyWeightSnow[v][s] = StoreyLoadWeightSnow[v][s] / 1000;
    if (s < top) {
      StoreyWeight[v][s] += StoreyWeight[v][s + 1];
      StoreyWeightSnow[v][s] += StoreyWeightSnow[v][s + 1];
    }
  }
  // From the weights on the law's formulas are those of the storey-weight
  // method. Its mixed-structure period (0.02 + 0.01 (H - h1) / H) H differs from
  // ((H - h1) 0.01 / H + 0.02) H only by the order of the operands of one
  // product and one sum, so both give the same double.
  CalcSeismicShearFromWeights(v);
}
