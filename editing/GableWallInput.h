#pragma once
// Gable walls are entered on any storey of the current variant, between two
// grid points picked on the plan, with the settings of the gable wall
// palette (GablePalette).
#include <cstdint>

// Adds the gable wall from (x1, y1) to (x2, y2), or deletes the first one
// with these two ends in either order. 1 when a gable wall was added or
// deleted, 0 when the input was refused (silently): the two points coincide,
// a point lies off the grid, or the storey holds MaxGableWallsPerStorey gable
// walls already. An undo snapshot is pushed before every change; the plan is
// repainted after a change and when the points coincide.
int32_t InputGableWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
