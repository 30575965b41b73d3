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
