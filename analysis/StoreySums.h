#pragma once
// A wall's reduced strength, stiffness and wall quantity in X and Y for each
// wall loading case, and what the walls of a storey add up to: the storey
// strength, wall quantity and stiffness sums, the stiffness of every axis
// line, the first moments about the origin axes, and the strength and wall
// quantity of the four quarter-division end zones.
//
// Both functions work on CurrentVariant and add into the storey arrays of
// AnalysisResults.h, which the storey analysis zeroes before its first wall
// (the line stiffness arrays are zeroed earlier in the chain). The snow
// records and sums are written only while ProjectSettings.SnowLoad is not 0.
//
// Coordinates are measured from the origin axes (GridOriginAxisX/Y): x to the
// right, y upward.
#include <cstdint>

// Call once per wall of the storey, after the wall's base values
// (BaseStrength, BaseStiffness, WallFactor per wall case; Length, LengthX,
// LengthY, ExtentX, ExtentY and OpeningFactor in block 0) and all five
// reduction factors are in its WallResult and SnowWallResult.
//
// Writes per wall case: ReducedStrength, ReducedStiffness, StrengthX/Y,
// StiffnessX/Y, WallQuantityX/Y (and the snow record's counterparts without
// the wall quantities); per storey case k: the end points from the origin in
// block k and the moment products LyX/LyXEnd in block XCaseOfStoreyCase[k]
// and LxY/LxYEnd in block YCaseOfStoreyCase[k], so a block shared by two
// storey cases keeps the products of the later one. The *End products are 0
// for a wall along an axis.
//
// A wall whose ends coincide in position (length 0) has stiffness 0.
void AddWallToStoreySums(int32_t storey, int32_t wall);

// The quarter-division zone boundaries of the storey, as axis positions in m
// (GridAxisX/GridAxisY, not measured from the origin axes): zone A is
// y <= A, zone B y >= B, zone 1 x <= One, zone 2 x >= Two.
struct QuarterZoneBoundaries {
  double A, B;      // QuarterZoneBoundaryA/B [CurrentVariant][storey]
  double One, Two;  // QuarterZoneBoundary1/2 [CurrentVariant][storey]
};

// Adds the walls without an opening to the zone sums of the storey, once per
// storey after its storey loading cases. Walks XWallOrder and YWallOrder
// (BuildWallDirectionLists): a diagonal wall stands in them once per end and
// counts half at each. Reads case 0's StrengthX/Y and WallQuantityX/Y.
void AddQuarterZoneWallSums(int32_t storey, const QuarterZoneBoundaries& boundaries);
