#include "analysis/GridAxisLabels.h"

int32_t GridOriginAxisX = 0;
int32_t GridOriginAxisY = 0;
char16_t GridAxisNameX[GridAxisCountX][GridAxisNameCapacity];
char16_t GridAxisNameY[GridAxisCountY][GridAxisNameCapacity];
