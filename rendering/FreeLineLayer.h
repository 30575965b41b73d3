#pragma once
// The free lines of the current variant and storey in their own colour and
// style, their ends moved by their offsets; in the free-line edit mode the
// chord between the two grid points is drawn dotted underneath.
class Canvas;

void DrawFreeLines(Canvas& canvas);
