#pragma once
// Columns as seismic elements in traditional construction (other-elements
// method 2): a column that carries the hanging wall above a door, or the
// hanging and waist walls around a window, has a strength and stiffness of
// its own, read from the hanging-wall tables by the column's section, the
// wall's strength and the width of the openings at the column. The storey
// analysis then adds the columns to its sums, torsion terms and quarter zones.
//
// Every function here works on CurrentVariant and does nothing unless
// ProjectSettings.OtherElementsMethod is 1; the column results then keep
// whatever they held.
//
// Where the structural recalculation calls them:
//   CalcColumnStrengths              after the wall geometry and effective lengths, once per recalculation;
//   AddColumnsToStoreySums(s)        per storey 0..top, before its walls are summed (also without walls);
//   AddColumnsToStoreySumsSnow(s)    right after it, while ProjectSettings.SnowLoad is not 0;
//   AddColumnTorsionTerms(s, k)      per storey with walls and storey case k, once RigidityCentreX/Y of k
//                                    are known, before the walls' second moments;
//   AddColumnTorsionTermsSnow(s, k)  the same in the snow pass, after RigidityCentreX/YSnow of k;
//   AddQuarterZoneColumnStrengths(s) per storey with walls, after the five storey cases and before the
//                                    walls' quarter-zone sums.
//
// Guards for data no editor produces: a panel or mud-wall row outside its
// table counts nothing; a panel stiffness that makes the furring formula
// divide by zero counts 0; a section class outside 0..5 or a species outside
// 0..2 gives no column term; a Method2ColumnRule other than 1 or 2 takes the
// lower value like 0; a column deterioration outside 0..2 counts as
// deteriorated (factor 0); a column off the grid is left out of the sums; an
// origin axis off the grid measures from position 0; a storey, storey case or
// variant outside its range does nothing.
#include <cstdint>

#include "analysis/AnalysisResults.h"

constexpr int SectionClassCount = 6;     // below 120 mm, >= 120, 135, 150, 180, 240 mm
constexpr int HangingWallStepCount = 6;  // steps of the hanging wall's strength
constexpr int HangingWallTableCount = 28;
constexpr int ColumnDeteriorationStateCount = 3;

// [table][section class][step], kN for strengths. Tables 0..3: general
// method strength, door narrow, door wide, window narrow, window wide; tables
// 4..15: precise method 1 strength and 16..27 its stiffness, each ordered door
// then window, species 0..2, narrow then wide. Narrow is a width below 1.2 m.
// Row 0 is all zeros. A negative entry counts with its sign removed and marks
// a risk of breakage.
extern const double HangingWallColumnTable[HangingWallTableCount][SectionClassCount][HangingWallStepCount];

// By ColumnRecord.Deterioration: 0 劣化, 1 部分, 2 なし.
extern const double ColumnDeteriorationFactors[ColumnDeteriorationStateCount];

// Indices into ColumnResult.SideWallTerms; doors and windows alike, the
// window entry is the door entry + 6 (widths, smallest strengths and
// stiffnesses) or + 4 (column values).
enum SideWallTerm : int {
  DoorWidthX = 0,  // sum of half the X extents of the door walls at the column
  DoorWidthY = 1,
  DoorWallStrengthX = 2,  // smallest wall strength of the X door walls, 0 while none
  DoorWallStrengthY = 3,
  DoorWallStiffnessX = 4,  // gathered, not used by the column values
  DoorWallStiffnessY = 5,
  WindowWidthX = 6,
  WindowWidthY = 7,
  WindowWallStrengthX = 8,
  WindowWallStrengthY = 9,
  WindowWallStiffnessX = 10,
  WindowWallStiffnessY = 11,
  DoorStrengthX = 12,
  DoorStrengthY = 13,
  DoorStiffnessX = 14,
  DoorStiffnessY = 15,
  WindowStrengthX = 16,
  WindowStrengthY = 17,
  WindowStiffnessX = 18,
  WindowStiffnessY = 19,
};

// Clears the column-strength fields of every column of storeys 0..top, then
// gathers the door and window walls at each column and sets StrengthX/Y,
// StiffnessX/Y, BreakageRisk and HasWallX/Y for the storeys that have walls.
// Reads the case-0 LengthX/Y and ColumnExtentX/Y of every wall.
void CalcColumnStrengths();

// Adds each column's strength and stiffness (times its deterioration factor)
// to WallStrengthX/Y and StiffnessSumX/Y of every storey case, its stiffness
// to LineStiffnessX/Y and StiffnessMomentX/Y; writes OffsetX/Y and MomentX/Y.
void AddColumnsToStoreySums(int32_t storey);
void AddColumnsToStoreySumsSnow(int32_t storey);

// Adds each column's second moments about the centre of rigidity of storey
// case `storeyCase` to SecondMomentIx/Iy; writes CentreOffsetX/Y and
// TorsionTermX/Y (of ColumnSnowResults for the snow one).
void AddColumnTorsionTerms(int32_t storey, int32_t storeyCase);
void AddColumnTorsionTermsSnow(int32_t storey, int32_t storeyCase);

// Adds the column strengths of the quarter-division end zones, and with snow
// the same to the snow twins.
void AddQuarterZoneColumnStrengths(int32_t storey);
