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

#define QUILMORA_DEFINE_WITH_SNOW(Type, name) \
  Type name;                                  \
  Type name##Snow;
#define QUILMORA_DEFINE_PLAIN(Type, name) Type name;
QUILMORA_STOREY_RESULT_ARRAYS(QUILMORA_DEFINE_WITH_SNOW, QUILMORA_DEFINE_PLAIN)
#undef QUILMORA_DEFINE_WITH_SNOW
#undef QUILMORA_DEFINE_PLAIN

LineArray LineStiffnessX;
LineArray LineStiffnessY;
LineArray LineShearX;
LineArray LineShearY;
