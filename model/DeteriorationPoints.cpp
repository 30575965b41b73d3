#include "model/DeteriorationPoints.h"

int32_t ExistencePoints[DeteriorationItemCount];
int32_t DeteriorationPoints[DeteriorationItemCount];
int32_t RetrofitExistencePoints[DeteriorationItemCount];
int32_t RetrofitDeteriorationPoints[DeteriorationItemCount];
int32_t ExistencePointTotal = 0;
int32_t DeteriorationPointTotal = 0;
int32_t RetrofitExistencePointTotal = 0;
int32_t RetrofitDeteriorationPointTotal = 0;
