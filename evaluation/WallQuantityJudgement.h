#pragma once
// The verdict of the building-law wall-quantity check (壁量判定), judged once
// for the results panel's quarter-division label and the wall-quantity
// report, so that both say the same:
//  - a storey meets the wall quantity in a direction when its existing wall
//    length is at least the required one (sufficiency ratio >= 1.0);
//  - an end zone of the quarter division (四分割法) likewise with its own
//    sufficiency ratio;
//  - a direction passes the quarter division when both of its end zones are
//    sufficient, or else when the wall-ratio ratio (the weaker zone's
//    sufficiency over the stronger one's) is at least 0.5;
//  - the building passes when every storey meets both directions and passes
//    the quarter division in both.
// Where nothing is required (a storey or an end zone without floor area) the
// requirement is met, and such a zone counts as sufficient. Its stored ratio
// is 0, so the stored wall-ratio ratio of a direction whose other zone is
// short is 0 too: as the smaller over an unbounded larger one, it fails.
// A ratio that is not a number never passes. Thresholds are inclusive.
#include <cstdint>

#include "model/ElementLists.h"

// Whether a sufficiency ratio meets its requirement: nothing is required, or
// the ratio is at least 1.0.
bool WallLengthSufficient(double ratio, double requiredLength);

// The quarter-division rule of one direction.
bool QuarterDivisionPasses(bool firstZoneSufficient, bool secondZoneSufficient, double wallRatioRatio);

// The marks of one storey.
struct StoreyWallQuantityJudgement {
  bool X = true, Y = true;  // the whole storey, per direction
  bool ZoneA = true, ZoneB = true, Zone1 = true, Zone2 = true;
  bool QuarterX = true, QuarterY = true;  // the quarter division, per direction
};

struct WallQuantityJudgement {
  int32_t TopStorey = 0;  // storeys 0..TopStorey are judged
  StoreyWallQuantityJudgement Storeys[StoreyCount];
  // Every judged storey passes the quarter division in both directions.
  bool QuarterDivisionMet = true;
  // The verdict: every judged storey meets X and Y and passes the quarter
  // division in both directions; a short end zone alone does not fail it.
  bool Met = true;
};

// Judges variant v (guarded to 0..2) from the wall-quantity results of the
// last recalculation: the required lengths (RequiredWallLength*), the
// sufficiency ratios and the wall-ratio ratios.
WallQuantityJudgement JudgeWallQuantity(int32_t v);
