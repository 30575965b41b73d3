#pragma once
// The column-joint pages of the report: the N-value tables (kind 7) and the
// N-value frame diagrams (kind 8). Qt-free.
#include <cstdint>
#include <string>
#include <string_view>

#include "report/ReportPage.h"

// Kind 7: per storey of CurrentVariant, every column's N-value (or pull-out
// force) with its terms and the hardware class it calls for.
int32_t DrawNValueTables(PageSink& sink, double pixelsPerMm, int32_t wantedPage);

// Kind 8: per used axis line an elevation of walls, braces and columns
// coloured by what each joint needs.
int32_t DrawNValueFrameDiagrams(PageSink& sink, double pixelsPerMm, int32_t wantedPage);

// A table line as drawn: tabs, carriage returns and other control characters
// left out, so that no canvas draws them as boxes or breaks.
std::u16string WithoutControlCharacters(std::u16string_view text);

// The place of the frames on a page: drawing units per metre, the origin in
// metres and the axis range drawn.
struct FrameGeometry {
  double FrameScale;
  double OriginX, OriginY;
  int32_t MinX, MaxX, MinY, MaxY;  // axis indices; an empty range is 199..0
};

// From the wall extent, widened to the columns of every variant and storey
// that stand within the drawn lines' reach (a porch post outside the walls).
FrameGeometry FrameGeometryOf(double pixelsPerMm);

// The horizontal position of axis a in a frame whose left edge is left:
// along a Y line (direction 0) by GridAxisX, along an X line by GridAxisY.
int32_t FrameAxisPosition(const FrameGeometry& g, int32_t direction, int32_t axis, int32_t left);

// The height of a block: (TopStorey + 1) x 13 mm.
int32_t FrameBlockHeight(int32_t topStorey, double pixelsPerMm);
