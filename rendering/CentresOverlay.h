#pragma once
// The balance of the view's variant and storey on the plan: the centre of
// gravity (a red cross in a circle), the centre of rigidity (an upright cross
// in a circle; with the brace directions told apart, one small centre per
// storey loading case with arrow heads) and, around the centre of gravity,
// the rectangle inside which a centre of rigidity keeps the eccentricity at
// 0.15 of the elastic radius. Drawn only under the eccentricity-ratio
// balance method. A position of exactly (0, 0) was not computed and is not
// drawn.
class Canvas;
struct PlanView;

void DrawCentresOverlay(Canvas& canvas, const PlanView& view);
