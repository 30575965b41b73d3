#include "analysis/RecalcStructure.h"

#include <algorithm>
#include <iterator>

#include "analysis/AnalysisResults.h"
#include "analysis/BuildingOutline.h"
#include "analysis/ColumnStrengths.h"
#include "analysis/RecalcStructureSteps.h"
#include "analysis/StoreyAnalysis.h"
#include "analysis/WallTopology.h"
#include "model/ElementLists.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

// The method-2 part of every column's result starts from zero; with method 1
// it keeps what it held.
void ClearColumnStrengths(int32_t v) {
  for (int32_t s = 0, top = MinInt(ProjectSettings.TopStorey[v], StoreyCount - 1); s <= top; ++s) {
    for (int32_t i = 0, n = std::clamp(ColumnCount[v][s], 0, MaxColumnsPerStorey); i < n; ++i) {
      ColumnResult& c = ColumnResults[v][s][i];
      std::fill(std::begin(c.SideWallTerms), std::end(c.SideWallTerms), 0.0);
      c.StrengthX = c.StrengthY = 0.0;
      c.StiffnessX = c.StiffnessY = 0.0;
      c.BreakageRisk = 0;
      c.HasWallX = c.HasWallY = 0;
    }
  }
}

}  // namespace

void RecalcStructure() {
  const int32_t v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  FillBraceEndCodes();
  BuildOutline();
  SetBearingFlags();
  MeasureWallsAndOpeningRuns();
  if (ProjectSettings.OtherElementsMethod == OtherElementsMethod2) {
    ClearColumnStrengths(v);
    CalcColumnStrengths();
  }
  AnalyseStoreys();
}
