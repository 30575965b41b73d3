#include "analysis/WeightsAndRequiredStrength.h"

#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/FloorAreas.h"
#include "analysis/FloorCheckShear.h"
#include "analysis/RequiredStrength.h"
#include "analysis/StoreyWeights.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"

namespace {

// The wall-line arrays that the storey analysis and the method-2 columns add into.
void ClearLineArrays() {
  for (auto* lines : {&LineStiffnessX, &LineStiffnessY, &LineShearX, &LineShearY})
    for (auto& variant : *lines)
      for (auto& storey : variant)
        for (auto& line : storey)
          for (double& value : line) value = 0.0;
}

// Every variant, storey and axis line: the floor capacities that the
// arrangement reduction adds into and the accumulated floor shears of the
// diaphragm check, in every loading case.
void ClearFloorCheckLineArrays() {
  ClearFloorLineCapacities();
  ClearFloorCheckRequired();
}

}  // namespace

void CalcWeightsAndRequiredStrength() {
  ClearLineArrays();
  ClearFloorCheckLineArrays();
  ClearFloorAreaSums();
  ClearAreaWeightSums();

  for (int v = 0; v < VariantCount; ++v) {
    for (int s = 0; s < StoreyCount; ++s) {
      AddFloorAreasOfStorey(v, s);
      AddAreaWeightsOfStorey(v, s);
    }
  }

  CalcCentresOfGravity();

  // The extent of a storey is needed only by its own zones, so extent and
  // zones go storey by storey.
  for (int v = 0; v < VariantCount; ++v) {
    const int top = MinInt(MaxInt(ProjectSettings.TopStorey[v], 0), StoreyCount - 1);
    for (int s = 0; s < StoreyCount; ++s) {
      const PlanExtent extent = MeasurePlanExtent(v, s);
      if (s > top) continue;
      DivideIntoQuarterZones(v, s, extent);
      SetPlanShapeFactor(v, s);
    }
    RedistributePlanShapeFactors(v);
  }

  // Method 0: CalcBuildingLawSeismicForce writes the required strength and
  // the centres of gravity later in the chain. The required wall lengths come
  // from the floor areas under every method.
  if (ProjectSettings.RequiredStrengthMethod == RequiredByWeightTable) CalcRequiredStrengthByStoreyWeights();
  CalcRequiredStrengthByFloorArea();
}
