#pragma once
// The floor shears that the diaphragm check (evaluation/FloorCheck.h)
// accumulates along the axis lines. The weights step clears them at the start
// of every recalculation, together with the floor capacities that the
// arrangement reduction adds into.
#include <cstdint>

#include "analysis/AnalysisResults.h"

// Members of FloorCheckRequired, FloorCheckRatio, FloorCheckOk and
// FloorCheckCase: direction, the side the shear is accumulated from, and the
// edge of the interval. The near edge (next to axis i) is judged against
// capacity array 1, the far edge (next to axis i + 1) against array 2.
enum FloorCheckMember : int32_t {
  FloorCheckXFromBelowNear = 0,  // from the smallest Y axis
  FloorCheckXFromBelowFar = 1,
  FloorCheckXFromAboveNear = 2,  // from the largest Y axis
  FloorCheckXFromAboveFar = 3,
  FloorCheckYFromLeftNear = 4,  // from the smallest X axis
  FloorCheckYFromLeftFar = 5,
  FloorCheckYFromRightNear = 6,  // from the largest X axis
  FloorCheckYFromRightFar = 7,
};
constexpr int FloorCheckMemberCount = 8;

// Accumulated floor shear at an edge, kN, [member][variant][storey][interval][case].
// The weights step zeroes it for every variant at the start of a recalculation.
extern LineArray FloorCheckRequired[FloorCheckMemberCount];

// Sets FloorCheckRequired of every variant, storey, interval and case to 0.
void ClearFloorCheckRequired();
