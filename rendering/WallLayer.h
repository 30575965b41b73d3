#pragma once
// The wall layers of the plan.
//
// DrawWalls: the walls of the view's variant and storey in list order, each a
// band coloured by its frame deterioration and retrofit state, its fitting
// symbol, mud-wall line, brace wedges and panel lines (rendering/WallSymbols.h);
// in the wall edit mode the element label or retrofit number above the wall
// and its strength below it. When walls with openings are rated by the ratio
// of solid outer walls, the side zones come first: strips half a metre
// outside the plan in the opening kind of the outermost wall over each grid
// interval, with the solid / total outer-wall ratio of each side.
//
// DrawOtherStoreyWalls: the other storeys' walls of the view's variant as
// three-pixel lines, in the wall edit mode with the other-storey switch on
// over bands half a metre wide in the colour of their strength class; in the
// foundation edit mode only the view's own storey, in black.
//
// Both read the results of the last recalculation and leave pen, brush and
// font as their last wall set them.
#include <cstdint>

class Canvas;
struct PlanView;

void DrawWalls(Canvas& canvas, const PlanView& view);
void DrawOtherStoreyWalls(Canvas& canvas, const PlanView& view);

// The strength class of an other-storey wall's band: strength / 1.2 kN
// truncated, 0..5.
int32_t OtherStoreyWallClass(double strength);
