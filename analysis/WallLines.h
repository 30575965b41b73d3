#pragma once
// The walls of a storey listed by direction, line by line: the X list holds
// the walls that run in X (X1 != X2) from the bottom line of the plan upwards
// and left to right on a line; the Y list the walls that run in Y (Y1 != Y2)
// from the left line to the right and bottom to top on a line. A diagonal
// wall stands twice in each list, once under the line of each end.
#include <cstdint>

#include "model/ElementLists.h"

// Two entries per wall, so that a storey of diagonal walls loses none.
constexpr int32_t WallLineEntryCapacity = 2 * MaxWallsPerStorey;

extern int32_t XWallOrder[VariantCount][StoreyCount][WallLineEntryCapacity];    // wall record index
extern int32_t XWallLineKey[VariantCount][StoreyCount][WallLineEntryCapacity];  // Y index of the line
extern int32_t XWallCount[VariantCount][StoreyCount];
extern int32_t YWallOrder[VariantCount][StoreyCount][WallLineEntryCapacity];
extern int32_t YWallLineKey[VariantCount][StoreyCount][WallLineEntryCapacity];  // X index of the line
extern int32_t YWallCount[VariantCount][StoreyCount];

// Rebuilds both lists of every storey of the current variant.
void BuildWallDirectionLists();

// 1 when the segment (x1, y1)-(x2, y2) crosses or overlaps the segment
// (x3, y3)-(x4, y4), else 0; arguments are grid-axis indices. A shared end
// point, a T-junction or an end touching the other segment is not a crossing.
int32_t WallsCross(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                   int32_t y4);
