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

// Names the axes inside the model extent ("X 0", "X 0-1", "XX-1"; Y axes
// counted from the bottom) and empties every other name. While a direction
// is numbered from 0 its main axis numbered 0 becomes the origin axis; numbered
// from 1, or without such an axis in the extent, the origin axis keeps its value.
// A model extent without width or without height leaves every name empty.
void LabelGridAxes();
