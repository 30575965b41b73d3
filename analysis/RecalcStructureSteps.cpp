#include "analysis/RecalcStructureSteps.h"

#include <algorithm>

#include "analysis/AreaWeights.h"
#include "analysis/ColumnStrengths.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "analysis/RigidityCentre.h"
#include "analysis/StiffnessRatio.h"
#include "analysis/StoreySums.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

void CalcWallQuantitiesAndStoreySums(int32_t storey) {
  const int32_t walls = WallCountOf(CurrentVariant, storey);
  for (int32_t wall = 0; wall < walls; ++wall) AddWallToStoreySums(storey, wall);
}

void CalcRigidityAndEccentricity(int32_t storey) {
  const int32_t v = CurrentVariant;
  const bool columns = ProjectSettings.OtherElementsMethod == OtherElementsMethod2;
  // With the building-law method these are the previous paint's values: the
  // seismic force is worked out later in the chain.
  const RigidityCentreInput input{CentreOfGravityX[v][storey], CentreOfGravityY[v][storey],
                                  RequiredStrength[v][storey], columns ? AddColumnTorsionTerms : nullptr,
                                  columns ? AddColumnTorsionTermsSnow : nullptr};
  for (int32_t storeyCase = 0; storeyCase < StoreyLoadingCaseCount; ++storeyCase)
    CalcRigidityCentreAndEccentricity(storey, storeyCase, input);
}

void CalcQuarterZoneWallSums(int32_t storey) {
  const int32_t v = CurrentVariant;
  AddQuarterZoneWallSums(
      storey, QuarterZoneBoundaries{QuarterZoneBoundaryA[v][storey], QuarterZoneBoundaryB[v][storey],
                                    QuarterZoneBoundary1[v][storey], QuarterZoneBoundary2[v][storey]});
}

void CalcDriftAndStiffnessRatios() {
  CalcDriftAndStiffnessRatios(RequiredStrength[CurrentVariant], RequiredStrengthSnow[CurrentVariant]);
}
