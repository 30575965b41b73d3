#pragma once
// Axis names and the origin axes from which the analysis measures its
// coordinates (x to the right of X axis GridOriginAxisX, y upward from Y
// axis GridOriginAxisY). Derived by LabelGridAxes at the start of every
// recalculation.
#include <cstdint>

#include "model/Grid.h"

constexpr int GridAxisNameCapacity = 12;

extern int32_t GridOriginAxisX;
extern int32_t GridOriginAxisY;
extern char16_t GridAxisNameX[GridAxisCountX][GridAxisNameCapacity];
extern char16_t GridAxisNameY[GridAxisCountY][GridAxisNameCapacity];
