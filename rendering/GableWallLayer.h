#pragma once
// The gable walls of the view's variant and storey, in list order: a band of
// half width (units per metre) / 9 along each in the colour of its shape, with
// the shape's name beside it in the gable edit mode. A record of an unknown
// shape is not drawn.
class Canvas;
struct PlanView;

void DrawGableWalls(Canvas& canvas, const PlanView& view);
