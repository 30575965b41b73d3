#pragma once
// The roof and floor areas of the view's variant and storey: every rectangle
// and triangle outlined and filled in the colours of its area code with a
// mask pen, so that overlapping areas darken each other. In the roof/floor
// edit mode also the outline edges of the areas that the last recalculation
// found, the diagonals of the rectangles and the label of every area. With
// the general or the verification method and the quarter-division balance
// method, the four quarter-division lines of a storey with areas, in XOR.
class Canvas;
struct PlanView;

// quarterLines: whether this pass draws the quarter-division lines. The
// full paint draws the layer twice in the roof/floor edit mode and lets only
// one pass draw them, since a second XOR pass would erase them.
void DrawRoofFloorAreas(Canvas& canvas, const PlanView& view, bool quarterLines = true);
