#pragma once
// Steps of the structural recalculation that live in other files: the
// method-2 column strengths, the wall quantities and storey sums, the centre
// of rigidity and eccentricity, and the drift and stiffness ratios. All work
// on CurrentVariant. Until a step is built its stand-in in
// RecalcStructureSteps.cpp does nothing; each stand-in goes when its step
// arrives.
#include <cstdint>

// Method-2 columns (other-elements method 2 only): the column strengths,
// after the wall geometry; their share of a storey's sums, before its walls;
// their share of the quarter-division end zones, after the loading cases.
void CalcColumnStrengths();
void AddColumnsToStoreySums(int32_t storey);
void AddColumnsToStoreySumsSnow(int32_t storey);
void AddQuarterZoneColumnStrengths(int32_t storey);

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
