#include "analysis/AnalysisResults.h"

const int32_t XCaseOfStoreyCase[StoreyLoadingCaseCount] = {0, 1, 2, 1, 2};
const int32_t YCaseOfStoreyCase[StoreyLoadingCaseCount] = {0, 3, 3, 4, 4};

const int32_t LoadCombinations[StoreyCount][LoadCombinationCount] = {
    {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4},
    {0, 1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4},
    {0, 1, 2, 1, 2, 1, 2, 1, 2, 3, 4, 3, 4, 3, 4, 3, 4},
};

const int32_t CombinationGroup[LoadCombinationCount] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4};

WallResult WallResults[VariantCount][StoreyCount][MaxWallsPerStorey];
SnowWallResult SnowWallResults[VariantCount][StoreyCount][MaxWallsPerStorey];
ColumnResult ColumnResults[VariantCount][StoreyCount][MaxColumnsPerStorey];
ColumnSnowResult ColumnSnowResults[VariantCount][StoreyCount][MaxColumnsPerStorey];

#define QUILMORA_WITH_SNOW(Type, name) \
  Type name;                           \
  Type name##Snow;

QUILMORA_WITH_SNOW(StoreyCaseArray, WallStrengthX)
QUILMORA_WITH_SNOW(StoreyCaseArray, WallStrengthY)
StoreyCaseArray ExistingWallLengthX;
StoreyCaseArray ExistingWallLengthY;
QUILMORA_WITH_SNOW(StoreyCaseArray, StiffnessSumX)
QUILMORA_WITH_SNOW(StoreyCaseArray, StiffnessSumY)
QUILMORA_WITH_SNOW(StoreyCaseArray, StiffnessMomentX)
QUILMORA_WITH_SNOW(StoreyCaseArray, StiffnessMomentY)
QUILMORA_WITH_SNOW(StoreyCaseArray, RigidityCentreX)
QUILMORA_WITH_SNOW(StoreyCaseArray, RigidityCentreY)
QUILMORA_WITH_SNOW(StoreyCaseArray, EccentricityX)
QUILMORA_WITH_SNOW(StoreyCaseArray, EccentricityY)
QUILMORA_WITH_SNOW(StoreyCaseArray, SecondMomentIx)
QUILMORA_WITH_SNOW(StoreyCaseArray, SecondMomentIy)
QUILMORA_WITH_SNOW(StoreyCaseArray, TorsionalStiffness)
QUILMORA_WITH_SNOW(StoreyCaseArray, ElasticRadiusX)
QUILMORA_WITH_SNOW(StoreyCaseArray, ElasticRadiusY)
QUILMORA_WITH_SNOW(StoreyCaseArray, EccentricityRatioX)
QUILMORA_WITH_SNOW(StoreyCaseArray, EccentricityRatioY)
QUILMORA_WITH_SNOW(StoreyCaseArray, DriftReciprocalX)
QUILMORA_WITH_SNOW(StoreyCaseArray, DriftReciprocalY)
QUILMORA_WITH_SNOW(StoreyComboArray, StiffnessRatioX)
QUILMORA_WITH_SNOW(StoreyComboArray, StiffnessRatioY)
QUILMORA_WITH_SNOW(StoreyComboArray, StiffnessRatioFactorX)
QUILMORA_WITH_SNOW(StoreyComboArray, StiffnessRatioFactorY)
QUILMORA_WITH_SNOW(StoreyComboArray, ReductionFactorEX)
QUILMORA_WITH_SNOW(StoreyComboArray, ReductionFactorEY)
QUILMORA_WITH_SNOW(CombinationArray, DriftReciprocalMeanX)
QUILMORA_WITH_SNOW(CombinationArray, DriftReciprocalMeanY)
QUILMORA_WITH_SNOW(StoreyArray, QuarterZoneStrengthA)
QUILMORA_WITH_SNOW(StoreyArray, QuarterZoneStrengthB)
QUILMORA_WITH_SNOW(StoreyArray, QuarterZoneStrength1)
QUILMORA_WITH_SNOW(StoreyArray, QuarterZoneStrength2)
StoreyArray QuarterWallLengthA;
StoreyArray QuarterWallLengthB;
StoreyArray QuarterWallLength1;
StoreyArray QuarterWallLength2;

#undef QUILMORA_WITH_SNOW

LineArray LineStiffnessX;
LineArray LineStiffnessY;
LineArray LineShearX;
LineArray LineShearY;
