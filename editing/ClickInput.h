#pragma once
// Clicks on the plan: the pointer snaps to the grid, the points of a click
// sequence are collected (one, two or three by edit mode) and handed, as
// grid-axis indices, to the input routine of the edit mode; a right click
// applies the hovered element again (its change dialog, or its removal, as
// its routine decides); in the grid mode a click edits the axes. The routines
// change the model, push the undo snapshot and repaint; this part marks the
// project modified and ends the click sequence.
#include <cstdint>

#include "model/ViewState.h"

enum PlanMouseButton : int32_t { PlanMouseLeft, PlanMouseRight, PlanMouseMiddle };

// HoverState: what the pointer tracking highlights in the current mode.
enum HoverStateValue : int32_t {
  HoverNothing = 0,
  HoverFirstFigure = 1,   // a column, a two-point element or rectangle (HoverIndex), a grid band
  HoverEditApplied = 2,   // an edit was just applied: the next hover update is skipped
  HoverSecondFigure = 3,  // a triangle (HoverTriangleIndex), the other grid band
};
extern int32_t HoverState;
extern int32_t HoverIndex;
extern int32_t HoverTriangleIndex;

extern int32_t ClickSnapX, ClickSnapY;  // grid indices of the last mouse-up

// The input routines by edit mode. A mode whose routine is missing only
// collects points, as with no edit mode at all. One point: the column mode.
// Two points: two-point elements and rectangles. Three points: triangles.
using OnePointInput = int32_t (*)(int32_t x, int32_t y);
using TwoPointInput = int32_t (*)(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
using ThreePointInput = int32_t (*)(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);
struct EditModeInput {
  OnePointInput OnePoint;
  TwoPointInput TwoPoints;
  ThreePointInput ThreePoints;
};
constexpr int EditModeInputCount = 10;  // EditMode 0..9
// By EditMode; the grid mode's entry is unused (its clicks edit the axes).
extern EditModeInput ClickInputRoutines[EditModeInputCount];

// The axis nearest to a position (m) among count increasing axes; on a tie
// the lower index. Positions before the first axis snap to it, positions
// after the last to the last.
int32_t NearestAxis(const double* axes, int32_t count, double metres);
// The interval under a position: k + 1 for the first k with
// axes[k] < metres < axes[k + 1]; count + 1 when there is none (outside the
// grid, or exactly on an axis).
int32_t IntervalUnder(const double* axes, int32_t count, double metres);
// The first axis within tolerance of a position, count when there is none.
int32_t AxisWithin(const double* axes, int32_t count, double metres, double tolerance);
// The grid mode's tolerance in metres at the current scale (0.099375 m at 1/75).
double GridClickTolerance();

// The mouse-up on the plan at sheet pixels (x, y).
void PlanMouseUp(PlanMouseButton button, int32_t x, int32_t y);
