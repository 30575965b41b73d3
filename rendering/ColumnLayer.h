#pragma once
// The columns of the plan. DrawColumns draws each column of the view's
// variant and storey as a small square inside rings: breakage halo,
// deterioration, outer-corner setting, hardware rim; the square is outlined
// by the section class and filled by the joint demand that the N-value check
// found; an inner square marks an outer corner, a cross a point under a
// roof/floor area, an ellipse a through column. In the column and wall modes
// it writes the demand and hardware classes beside each column (when the
// settings ask for them), and in the column mode it numbers the columns in
// plan order. DrawOtherStoreyColumns marks the other storeys' columns with
// light crosses, or the view's storey's in black in the foundation mode.
#include <cstdint>

#include "evaluation/HardwareClasses.h"

class Canvas;
struct PlanView;

// Class labels beside the columns, in the status bar and on the printed plan.
inline constexpr const char16_t* const (&JointDemandClassLabels)[HardwareClassCount] = HardwareClassSymbols;

constexpr int32_t ColumnLabelFontHeight = 8;
constexpr int32_t ColumnLabelFontWidth = 4;

void DrawColumns(Canvas& canvas, const PlanView& view);
void DrawOtherStoreyColumns(Canvas& canvas, const PlanView& view);
