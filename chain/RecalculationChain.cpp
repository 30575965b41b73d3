#include "chain/RecalculationChain.h"

#include "analysis/ArrangementReduction.h"
#include "analysis/BuildingLawSeismicForce.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "analysis/RecalcStructure.h"
#include "analysis/RetrofitMarks.h"
#include "analysis/WallLines.h"
#include "analysis/WeightsAndRequiredStrength.h"
#include "evaluation/ColumnNValues.h"
#include "evaluation/Superstructure.h"
#include "model/ViewState.h"
#include "presentation/ResultsPanel.h"

void RunRecalculationChain() {
  // Each step relies on the ones before it; keep this order.
  LabelGridAxes();                   // axis names and origin axes
  SortColumnIndex();                 // column order of the current variant
  BuildGridPointMap();               // grid-point map of the current variant
  CalcWeightsAndRequiredStrength();  // floor areas, weights, required strength (all variants)
  BuildWallDirectionLists();         // wall lines per direction
  RecalcStructure();                 // per-wall and per-storey results
  ComputeColumnNValues();            // column N-value check
  ShowColumnVerdict();               // its verdict beside the plan
  CalcArrangementReduction();        // floor specifications and arrangement reduction
  // Under the building-law method the required strength and the centres of
  // gravity are written only here, so the storey analysis above has used the
  // required strength of the previous recalculation and the centres of the
  // roof and floor areas alone; what follows sees the new values.
  CalcBuildingLawSeismicForce();  // building-standard-law seismic force
  EvaluateSuperstructure();       // scores, floor diaphragm check
  FillResultsPanel();             // the results panel's texts
  MarkRetrofitChanges();          // retrofit-difference marks, wall numbers
  IndexUsedAxes();                // axes used by columns and wall ends
}

void RecalcCurrentStateAfterLoad() {
  if (CurrentVariant == CurrentState) return;
  const int32_t variant = CurrentVariant;
  CurrentVariant = CurrentState;
  LabelGridAxes();  // origin axes of the loaded grid
  BuildGridPointMap();
  // The wall lines too: otherwise the current state would be computed over
  // the wall lines of the project open before.
  BuildWallDirectionLists();
  RecalcStructure();
  CurrentVariant = variant;
}
