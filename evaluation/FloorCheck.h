#pragma once
// Floor diaphragm check (床耐力検定) and horizontal-member forces (横架材応力)
// of every storey of the current variant, grid line by grid line.
//
// The diaphragm of a storey carries its share of the storey shear, spread
// evenly over the floor area, and gives it to the walls of its own storey and
// of the storey above on each axis line. The floor shear is accumulated
// across the plan from both sides of both directions and compared, at both
// edges of every interval between neighbouring axes, with 1.96 kN/m times the
// floor capacity of the interval (FloorLineCapacityX1/X2/Y1/Y2). The moment of
// the diaphragm, made to vanish at both ends of the used extent and divided by
// the depth of the diaphragm, gives the forces of the horizontal members.
//
// X direction: the lines are the Y axes, positions GridAxisY; Y direction:
// the X axes, GridAxisX. Interval i lies between axis i and axis i + 1 and is
// stored at index i. Only the used extent of a storey is computed, and only
// in a direction with at least two axes.
//
// The verdict of an edge is the worst over the five storey loading cases:
// the case whose ratio is smallest in magnitude governs, an earlier case
// winning a tie, and FloorCheckCase names it, so FloorCheckRequired of that
// case is the shear that goes with the ratio. Without one-way braces every
// case gives the same values and case 0 governs.
#include <cstdint>

#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/FloorCheckShear.h"

// Members of FloorMoment and BeamStress. A member at lines is indexed by the
// axis of the section, a member at middles by the interval.
enum DiaphragmMember : int32_t {
  DiaphragmXFromBelowAtLines = 0,
  DiaphragmXFromBelowAtMiddles = 1,
  DiaphragmYFromLeftAtLines = 2,
  DiaphragmYFromLeftAtMiddles = 3,
  DiaphragmXFromAboveAtLines = 4,
  DiaphragmXFromAboveAtMiddles = 5,
  DiaphragmYFromRightAtLines = 6,
  DiaphragmYFromRightAtMiddles = 7,
};
constexpr int DiaphragmMemberCount = 8;

// kN per metre of floor per unit floor factor.
constexpr double FloorShearCapacityPerMetre = 1.96;
// Accumulated shears smaller than this in magnitude, kN, are not judged.
constexpr double SmallestJudgedFloorShear = 1e-15;

// FloorCheckOk values.
constexpr int32_t FloorCheckFails = 0;
constexpr int32_t FloorCheckPassesOrNotJudged = -1;
// FloorCheckCase of an edge that no loading case judged.
constexpr int32_t FloorCheckNotJudged = -1;

using FloorVerdictArray = int32_t[VariantCount][StoreyCount][AxisLineCount];

// Storey shear per floor area of the diaphragm, kN/m²: (Qr of the storey - Qr
// of the storey above) / RequiredStrengthArea; 0 when that area is 0.
extern StoreyArray FloorUnitShear;

// Capacity / accumulated shear of the governing case; 0 where no case judged
// the edge, and also for a judged edge without capacity, which then fails.
extern FloorLineArray FloorCheckRatio[FloorCheckMemberCount];

// FloorCheckFails (0) when the governing ratio lies strictly between -1 and 1,
// otherwise FloorCheckPassesOrNotJudged (-1).
extern FloorVerdictArray FloorCheckOk[FloorCheckMemberCount];

// The storey loading case 0..4 whose ratio governs the edge, or
// FloorCheckNotJudged: tells "no shear to check" from "no capacity".
extern FloorVerdictArray FloorCheckCase[FloorCheckMemberCount];

// Moment of the diaphragm, kN·m, [member][variant][storey][axis or interval][case],
// before the correction that makes it vanish at the ends of the extent.
extern LineArray FloorMoment[DiaphragmMemberCount];

// Horizontal-member force, kN, [member][variant][storey][axis or interval][case];
// 0 where the interval has no floor area.
extern LineArray BeamStress[DiaphragmMemberCount];

// Checks every storey of CurrentVariant up to its top storey and writes
// everything above for it; the other variants and the storeys above the top
// keep their values. Reads RequiredStrength, RequiredStrengthArea,
// LineShearX/Y, FloorBandAreaX/Y, FloorLineCapacityX1/X2/Y1/Y2, the used
// extents and the grid axes.
void CheckFloorDiaphragms();
