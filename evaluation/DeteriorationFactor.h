#pragma once
// Factors of the deterioration survey (one set per project) and the step
// that fills the point tables (model/DeteriorationPoints.h) they come from.
#include <cstdint>

#include "model/DeteriorationPoints.h"

// D of the current state and of the retrofit plans, 0.7 to 1.0.
extern double DeteriorationFactor;
extern double RetrofitDeteriorationFactor;

// Points of checklist item 0..12 when it exists; 0 for any other index.
int32_t DeteriorationItemPoints(int item);

// 1 - deteriorated / existing, never below 0.7; 0.7 as well without
// existence points (existing <= 0).
double DeteriorationFactorOfTotals(int32_t deteriorated, int32_t existing);

// Fills the four point tables, their totals and both factors from
// ProjectSettings.DeteriorationAnswer and ProjectSettings.RetrofitDeteriorationRule.
// Runs only when the outline is confirmed; loading a project does not call it.
void CalcDeteriorationFactor();

// Sets DeteriorationFactor alone from the current-state point tables as they
// stand (the totals, the retrofit tables and the retrofit factor are left
// alone). Used when a project named on the command line is opened.
void DeteriorationFactorFromPoints();
