#pragma once
// The band and the turned label shared by the foundation and gable wall
// layers: a rectangle around the segment between two grid points, and a name
// beside its centre, written along it on the side of larger y.
#include <cstdint>
#include <string_view>

class Canvas;
struct PlanView;

// View units of a segment's ends.
struct SegmentPixels {
  int32_t X1, Y1, X2, Y2;
};

// The ends of the segment between grid points (i1, j1) and (i2, j2); false,
// with nothing set, when a point lies off the grid.
bool SegmentOnSheet(const PlanView& view, int32_t i1, int32_t j1, int32_t i2, int32_t j2,
                    SegmentPixels& pixels);

// The band reaching `reach` view units beyond each end and to either side,
// outlined and filled in `colour` (pen 1 solid, copy mode; brush solid).
void DrawSegmentBand(Canvas& canvas, const SegmentPixels& s, double reach, int32_t colour);

// The label in a 12 x 6 plan font turned along the segment, black and without
// a box, 2.5 h from the centre of the segment and centred along it (h: the
// band unit, a ninth of the view's units per metre). Leaves the brush clear.
void DrawSegmentLabel(Canvas& canvas, const SegmentPixels& s, double h, std::u16string_view label);
