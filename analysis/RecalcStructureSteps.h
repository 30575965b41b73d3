#pragma once
// The storey-level steps of the structural recalculation that gather what
// their own files compute: all work on CurrentVariant. The method-2 column
// steps (analysis/ColumnStrengths.h) are called directly.
#include <cstdint>

// After every wall of the storey has its base values and reduction factors:
// reduced strengths and stiffnesses, quantities and the storey sums of the
// five storey loading cases, walls in list order.
void CalcWallQuantitiesAndStoreySums(int32_t storey);

// Storey loading cases 0..4 in order: centre of rigidity, torsion, eccentricity.
void CalcRigidityAndEccentricity(int32_t storey);

// The quarter-division end zones from the storey's walls, after the columns' share.
void CalcQuarterZoneWallSums(int32_t storey);

// Once after the last storey.
void CalcDriftAndStiffnessRatios();
