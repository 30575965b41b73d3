#pragma once
// The free lines of the view's variant and storey in their own colour and
// style, their ends moved by their offsets; in the free-line edit mode the
// chord between the two grid points is drawn dotted underneath.
class Canvas;
struct PlanView;

void DrawFreeLines(Canvas& canvas, const PlanView& view);
