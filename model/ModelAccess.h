#pragma once
// Guarded reads of the model for the recalculation. The project readers keep
// the model sound; these guards only make sure that a damaged value never
// reads outside an array.
#include <cstdint>

#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"

inline int32_t ClampInt(int32_t value, int32_t lo, int32_t hi) {
  return value < lo ? lo : value > hi ? hi : value;
}

// The number of records of a list whose count may come from a damaged file.
inline int32_t ListLength(int32_t count, int32_t max) { return ClampInt(count, 0, max); }
inline int32_t CountOf(const int32_t (&count)[ModelSlotCount][StoreyCount], int32_t v, int32_t s,
                       int32_t max) {
  return ListLength(count[v][s], max);
}
inline int32_t WallCountOf(int32_t v, int32_t s) { return ListLength(WallCount[v][s], MaxWallsPerStorey); }

inline bool OnGrid(int32_t x, int32_t y) {
  return x >= 0 && x < GridAxisCountX && y >= 0 && y < GridAxisCountY;
}
inline bool ValidVariant(int32_t v) { return v >= 0 && v < VariantCount; }
inline bool ValidStorey(int32_t s) { return s >= 0 && s < StoreyCount; }

// The top storey of a variant, inside 0..2.
inline int32_t TopStoreyOf(int32_t v) { return ClampInt(ProjectSettings.TopStorey[v], 0, StoreyCount - 1); }

// Axis positions; an index off the grid reads the nearest end axis.
inline double AxisX(int32_t i) { return GridAxisX[ClampInt(i, 0, GridAxisCountX - 1)]; }
inline double AxisY(int32_t i) { return GridAxisY[ClampInt(i, 0, GridAxisCountY - 1)]; }
