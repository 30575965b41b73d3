#pragma once
// Positions in the analysis frame: metres from the origin axes, x to the
// right of X axis GridOriginAxisX and y upward from Y axis GridOriginAxisY.
#include <cstdint>

#include "analysis/GridAxisLabels.h"
#include "model/Grid.h"

inline double XFromOrigin(int32_t xAxis) { return GridAxisX[xAxis] - GridAxisX[GridOriginAxisX]; }
inline double YFromOrigin(int32_t yAxis) { return GridAxisY[GridOriginAxisY] - GridAxisY[yAxis]; }
