#pragma once
// How the walls of a storey meet: the brace-end codes at the grid points,
// which walls bear, how long each wall is and how much of it counts, the
// runs of collinear walls with openings and the opening class they give, and
// the two searches along a wall line. Each step works on storeys
// 0..TopStorey of CurrentVariant and writes the case-0 block of WallResults.
//
// A wall's start is the end with the smaller X index, or with equal X
// indices the smaller Y index; the other end is its end. Its slope is dy / dx
// on positions from start to end, 999999 along Y.
#include <cstdint>

#include "model/ElementRecords.h"
#include "model/ElementTables.h"

// Brace class by BraceTable row: 90x30 (rows 4, 5) 2, 90x45 (rows 6, 7) 4,
// 90x90 (row 8) 6, every other row 0.
extern const int32_t BraceClassTable[BraceTableRows];

// The slope given to a wall along Y, and the bounds of the ratio of two
// slopes within which two walls are collinear.
constexpr double VerticalSlope = 999999.0;
constexpr double CollinearRatioMin = 0.99;
constexpr double CollinearRatioMax = 1.01;

// A wall with its ends ordered and its geometry on positions in metres.
struct WallLine {
  int32_t StartX, StartY, EndX, EndY;  // grid indices
  double Dx, Dy;                       // end minus start, m
  double Length;                       // m
  double Slope;
};

WallLine WallLineOf(const WallRecord& wall);

// A candidate of slope 0 lies on a line only with a reference of slope 0;
// otherwise reference / candidate must lie in [0.99, 1.01].
bool SlopesCollinear(double reference, double candidate);

// Column type at a grid point of a storey of the current variant: 1
// ordinary, 2 and 3 through columns, 0 none or off the grid.
int32_t ColumnTypeAt(int32_t storey, int32_t x, int32_t y);

// Brace-end codes of the braced walls into BraceEndMap: at the first point
// 2c + 1, at the second 2c + 2 (a crossed brace, odd c, 2c + 1 at both), on
// the side towards the other point, each side keeping its largest code.
// c is the brace class of the wall's BraceTable row, plus 1 when crossed.
void FillBraceEndCodes();

// HasBearingElements of every wall: any brace, mud wall or panel; in the
// retrofit plans "不明" (row 1) does not count.
void SetBearingFlags();

// Lengths, extents, the floor flag, the panel joins of short walls and, for
// walls with openings, the opening run, its kind and length, the refined
// WallType and the effective lengths. Needs the base WallType of the outline
// step and this recalculation's bearing flags.
void MeasureWallsAndOpeningRuns();

// Walks the line on from wall excludedWall (ends xA, yA - xB, yB, slope
// `slope`) away from its start (direction 1) or its end (direction 2),
// adding the lengths of the walls it passes to runLength; returns 1 when it
// reaches a bearing wall without opening that the revision rule accepts
// against startStrength, else 0. A wall with an opening on the way gives
// startWall its opening class when it is the higher one (by startType).
// Stops after as many steps as the storey has walls, so that a damaged file
// (zero-length walls at one point) cannot keep it going.
int32_t AccumulateWallLine(int32_t storey, int32_t excludedWall, double& runLength, int32_t direction,
                           int32_t xA, int32_t yA, int32_t xB, int32_t yB, double slope, int32_t startType,
                           double startStrength, int32_t startWall);

// 1 when walking the line on from wall excludedWall, from its start
// (direction 1) or its end (direction 2), over walls of any type, reaches a
// point with a through column; else 0. Bounded like AccumulateWallLine.
int32_t FindSupportedLineEnd(int32_t storey, int32_t excludedWall, int32_t direction, int32_t xA, int32_t yA,
                             int32_t xB, int32_t yB, double slope);
