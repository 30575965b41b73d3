#pragma once
// The building outline of every storey of the current variant and what
// depends on it: the edges of the enclosed roof/floor areas, merged so that
// stretches shared by neighbouring areas cancel, plus the walls that stand
// outside the areas; the outer-wall/partition base of each wall's WallType;
// and, per grid interval, the outermost wall on each side of the plan with
// the plan lengths those walls cover.
#include <cstdint>

#include "model/ElementLists.h"

// One outline edge in grid-axis indices. Mark belongs to the roof/floor
// plan layer; it is zero whenever the lists are cleared and not set here.
struct AreaEdge {
  int32_t X1, Y1, X2, Y2;
  int32_t Mark;
};

constexpr int32_t MaxAreaEdges = 400;

// Only the current variant's lists are filled; every recalculation empties
// the other variants' lists, so the counts always describe the current one.
extern AreaEdge AreaEdges[VariantCount][StoreyCount][MaxAreaEdges];
extern int32_t AreaEdgeCounts[StoreyCount];

// Sides of the plan: top = smallest Y index over an X interval, bottom =
// largest Y index, left = smallest X index over a Y interval, right = largest.
enum OutlineSide : int32_t {
  OutlineSideTop = 0,
  OutlineSideBottom = 1,
  OutlineSideLeft = 2,
  OutlineSideRight = 3,
};
constexpr int OutlineSideCount = 4;

// Interval k lies between axis k and axis k + 1 (X axes for top and bottom,
// Y axes for left and right).
constexpr int OutlineIntervalCount = 400;

// Grid index of the outermost wall found over each interval (working
// storage: 400 for top and left, 0 for bottom and right when none).
extern int32_t OutlineWallPosition[OutlineSideCount][VariantCount][StoreyCount][OutlineIntervalCount];
// OpeningKind of the outermost wall over each interval, -1 when no wall spans it.
extern int32_t OutlineWallIndex[OutlineSideCount][VariantCount][StoreyCount][OutlineIntervalCount];

// Plan length covered by outermost walls per side, m (top and bottom along X,
// left and right along Y); the solid length counts only walls without opening.
extern double OuterWallLength[OutlineSideCount][VariantCount][StoreyCount];
extern double OuterSolidWallLength[OutlineSideCount][VariantCount][StoreyCount];

// Appends an edge to the current variant's list of the storey; does nothing
// once the list holds MaxAreaEdges. Storey -1 clears every list, record and count.
void AddAreaEdge(int32_t storey, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Rebuilds everything above for storeys 0..TopStorey of CurrentVariant and
// writes the base WallType (case-0 block) of each of their walls: 0 no
// opening, 1 window, 4 door, 7 full opening, plus 8 for a partition.
// Reads ModelExtent*, so UpdateUsedExtents must have run.
void BuildOutline();
