#pragma once
// Point tables of the deterioration survey (one set per project): the points
// of each checklist item where it exists and where it is deteriorated, for the
// current state and for the retrofit plans, and their totals. The model reset
// sets the current-state tables to their defaults; the deterioration step of
// the evaluation (evaluation/DeteriorationFactor.h) fills them from the
// survey's answers and derives the factors.
#include <cstdint>

constexpr int DeteriorationItemCount = 13;

extern int32_t ExistencePoints[DeteriorationItemCount];
extern int32_t DeteriorationPoints[DeteriorationItemCount];
extern int32_t RetrofitExistencePoints[DeteriorationItemCount];
extern int32_t RetrofitDeteriorationPoints[DeteriorationItemCount];
extern int32_t ExistencePointTotal;
extern int32_t DeteriorationPointTotal;
extern int32_t RetrofitExistencePointTotal;
extern int32_t RetrofitDeteriorationPointTotal;
