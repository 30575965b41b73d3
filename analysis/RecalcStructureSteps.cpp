#include "analysis/RecalcStructureSteps.h"

void CalcColumnStrengths() {}
void AddColumnsToStoreySums(int32_t) {}
void AddColumnsToStoreySumsSnow(int32_t) {}
void AddQuarterZoneColumnStrengths(int32_t) {}
void CalcWallQuantitiesAndStoreySums(int32_t) {}
void CalcRigidityAndEccentricity(int32_t) {}
void CalcQuarterZoneWallSums(int32_t) {}
void CalcDriftAndStiffnessRatios() {}
