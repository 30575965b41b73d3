#pragma once
// Pointer tracking on the plan. A move of the pointer snaps it to the grid;
// while a click sequence is pending it drags the rubber band from the pending
// points, otherwise it finds the element of the edit mode under the pointer,
// highlights it and describes it for the status bar. The step itself draws
// nothing: it says which XOR figures to erase and to draw, and the view draws
// them on its image (drawing a figure twice leaves the image as it was).
//
// The figures drawn are remembered here, so that erasing redraws exactly what
// is on the image. A full paint wipes them: the view then calls
// ForgetXorFigures, so that the next move draws without erasing.
#include <cstdint>
#include <string>

#include "rendering/Canvas.h"

enum class XorFigureKind : int32_t {
  None,
  Line,       // Points[0] to Points[1]
  Rectangle,  // corners Points[0] and Points[1], filled
  Polygon,    // Points[0..2], filled
  Outline,    // the sides of the rectangle with corners Points[0] and Points[1], unfilled
};

struct XorFigure {
  XorFigureKind Kind = XorFigureKind::None;
  CanvasPoint Points[3];
  int32_t Colour = 0;  // pen and brush, an entry of XorColours
  int32_t Width = 1;   // pen width
};

// The pixels a figure can touch, in sheet pixels (right and bottom exclusive).
struct SheetRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};
SheetRect XorFigureBounds(const XorFigure& figure);

// Draws a figure in XOR mode with its pen and brush.
void DrawXorFigure(Canvas& canvas, const XorFigure& figure);

// What the view does after a move or a leave: erase one figure, draw one,
// and, when StatusChanged, show Status in the status bar.
struct HoverUpdate {
  XorFigure Erase;
  XorFigure Draw;
  bool StatusChanged = false;
  std::u16string Status;
};

// The figure now drawn in XOR (pixels): [0], [1] the centre of a column
// square; [2]..[5] the ends of a line or the corners of a rectangle; [6], [7]
// the third corner of a triangle; in the grid mode [3]/[5] the top and bottom
// of a horizontal band, [2]/[4] the left and right of a vertical band.
extern int32_t XorHighlightCoords[8];
// The grid point the pointer snapped to at the last move.
extern int32_t SnapAxisX, SnapAxisY;

// trunc(PixelsPerMetre / 5): the hit distance and the half-size of the column square.
int32_t HoverTolerance();

// The pointer moved to sheet pixels (x, y) on a sheet of the given size.
HoverUpdate PlanMouseMove(int32_t x, int32_t y, int32_t sheetWidth, int32_t sheetHeight);
// The pointer left the plan: the highlight is erased; the status text and a
// rubber band stay.
HoverUpdate PlanMouseLeave();
// A full paint wiped every XOR figure: a highlight (HoverState 1 or 3) is
// gone and a rubber band counts as undrawn. HoverState 2 stays.
void ForgetXorFigures();
