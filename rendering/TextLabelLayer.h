#pragma once
// The text labels of the view's variant and storey: horizontal text, text
// beginning with '@' written downward, and the north mark ('*' and its angle
// in degrees, 0 pointing up, counter-clockwise). In the text edit mode each
// label also shows its anchor as a dotted box with diagonals, or a dotted
// circle when both points coincide. Leaves the brush clear.
class Canvas;
struct PlanView;

void DrawTextLabels(Canvas& canvas, const PlanView& view);
