#pragma once
// The full paint of the plan: the used extents, the dotted grid lines, the
// recalculation chain and the plan layers, in this order, in sheet pixels.
#include <cstdint>

class Canvas;

// One dotted line per axis, from edge to edge of the sheet, coloured by the axis kind.
void DrawGridLines(Canvas& canvas, int32_t sheetWidth, int32_t sheetHeight);

void PaintFullPlan(Canvas& canvas, int32_t sheetWidth, int32_t sheetHeight);
