#pragma once
// What stands at each grid point of a storey, and the storey's columns in plan
// order. Rebuilt for the current variant at the head of every recalculation;
// the other variants keep what they held when they were last current.
#include <cstdint>

#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"

// Only the part below GridAxisCountX x GridAxisCountY is used.
constexpr int GridPointMapSize = 300;

// A grid point's value: column Type + 4 x Hardware, GridPointFloorMark added
// where a floor area of the storey covers the point, the whole value negated
// for an outer-corner column. 0 is nothing, exactly 256 a floor without column.
constexpr int32_t GridPointFloorMark = 256;

extern int32_t GridPointMap[VariantCount][StoreyCount][GridPointMapSize][GridPointMapSize];

// The value of a column of this type and hardware row, before the marks.
inline int32_t GridPointColumnCode(int32_t type, int32_t hardware) { return type + 4 * hardware; }

// Decoding a value; the sign and the floor mark do not change the column part.
inline int64_t GridPointMagnitude(int32_t value) { return value < 0 ? -static_cast<int64_t>(value) : value; }
inline bool GridPointIsOuterCorner(int32_t value) { return value < 0; }
inline bool GridPointHasFloor(int32_t value) { return GridPointMagnitude(value) >= GridPointFloorMark; }
inline int32_t GridPointColumnType(int32_t value) {
  return static_cast<int32_t>(GridPointMagnitude(value) % GridPointFloorMark % 4);
}
inline int32_t GridPointHardware(int32_t value) {
  return static_cast<int32_t>(GridPointMagnitude(value) % GridPointFloorMark / 4);
}

// The value at a grid point of a storey; 0 off the grid.
inline int32_t GridPointValueAt(int32_t v, int32_t s, int32_t x, int32_t y) {
  return OnGrid(x, y) ? GridPointMap[v][s][x][y] : 0;
}

enum BraceEndSide : int32_t {
  BraceEndTowardsSmallerX = 0,
  BraceEndTowardsLargerX = 1,
  BraceEndTowardsSmallerY = 2,
  BraceEndTowardsLargerY = 3,
};
constexpr int BraceEndSideCount = 4;

struct BraceEndCodes {
  int32_t Side[BraceEndSideCount];  // by BraceEndSide
};

// Cleared here, filled by the structural recalculation, read by the N-value check.
extern BraceEndCodes BraceEndMap[VariantCount][StoreyCount][GridPointMapSize][GridPointMapSize];

// The first ColumnCount entries of a storey: its column record indices by X
// index ascending and, within one X index, by Y index descending.
extern int32_t ColumnOrderX[VariantCount][StoreyCount][MaxColumnsPerStorey];

// Sorts the columns of every storey of the current variant into ColumnOrderX;
// a storey without columns keeps its old order.
void SortColumnIndex();

// Rebuilds GridPointMap and clears BraceEndMap for every storey of the current
// variant. Needs the used extents to be up to date.
void BuildGridPointMap();
