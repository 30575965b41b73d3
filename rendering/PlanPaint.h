#pragma once
// The full paint of the plan: the used extents, the dotted grid lines, the
// recalculation chain and the plan layers, in this order, in view units.
#include <cstdint>

#include "rendering/PlanView.h"

class Canvas;

// One dotted line per axis, from edge to edge of the sheet, coloured by the axis kind.
void DrawGridLines(Canvas& canvas, const PlanView& view, int32_t sheetWidth, int32_t sheetHeight);

// The plan layers of the view, each under its condition, in the order of the
// full paint; they draw from what the last run of the chain left.
void DrawPlanLayers(Canvas& canvas, const PlanView& view);

void PaintFullPlan(Canvas& canvas, const PlanView& view, int32_t sheetWidth, int32_t sheetHeight);
