#pragma once
// What stands at each grid point of a storey, and the storey's columns in plan
// order. Rebuilt for the current variant at the head of every recalculation;
// the other variants keep what they held when they were last current.
#include <cstdint>

#include "model/ElementLists.h"
#include "model/Grid.h"

// Only the part below GridAxisCountX x GridAxisCountY is used.
constexpr int GridPointMapSize = 300;

// A grid point's value: column Type + 4 x Hardware, GridPointFloorMark added
// where a floor area of the storey covers the point, the whole value negated
// for an outer-corner column. 0 is nothing, exactly 256 a floor without column.
constexpr int32_t GridPointFloorMark = 256;

extern int32_t GridPointMap[VariantCount][StoreyCount][GridPointMapSize][GridPointMapSize];

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
