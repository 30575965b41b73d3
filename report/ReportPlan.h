#pragma once
// What the printed plan shares with the pages around a plan, so that a
// legend draws its samples exactly as the plan draws the walls they stand
// for: the plan's scale, the colour of a wall's lines and the symbols of a
// wall's elements.
#include <cstdint>

#include "model/ElementLists.h"
#include "rendering/Canvas.h"
#include "rendering/WallSymbols.h"
#include "report/ReportFamilies.h"

// The box the plan of a kind is fitted into: 150 mm for the plan page and
// the axes-only plan (and any kind outside 0..7), 100 mm for the others.
double ReportPlanBoxMm(ReportPlanKind kind);

// Drawing units per metre of the plan of a kind: the box over the larger
// side of the model's extent, at most 20 mm per metre (also for an empty or
// zero extent).
double ReportPlanScale(ReportPlanKind kind, double pixelsPerMm);

// The colour of a wall's lines: WallLineColours entry 8 x noStrength +
// 4 x partition + openingKind; a value off the table takes entry 0.
int32_t WallLineColourOf(int32_t noStrength, int32_t partition, int32_t openingKind);

// The symbols of a wall's elements in its frame, with the plan's colours and
// pen widths: the mud-wall line, the brace wedges and the panel lines of
// both faces. Changes the canvas's pen and brush.
void DrawWallMakeUp(Canvas& canvas, const WallFrame& frame, const WallRecord& wall);
