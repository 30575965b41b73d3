#pragma once
// Axis names and the origin axes from which the analysis measures its
// coordinates (x to the right of X axis GridOriginAxisX, y upward from Y
// axis GridOriginAxisY). Derived by LabelGridAxes at the start of every
// recalculation.
#include <cstdint>

#include "model/Grid.h"

constexpr int GridAxisNameCapacity = 12;

extern int32_t GridOriginAxisX;
extern int32_t GridOriginAxisY;
extern char16_t GridAxisNameX[GridAxisCountX][GridAxisNameCapacity];
extern char16_t GridAxisNameY[GridAxisCountY][GridAxisNameCapacity];

// The model extent as the axis layer uses it: clipped to the grid, with the
// number of the first main axis of each direction (0 or 1).
struct AxisLabelExtent {
  bool Empty;  // no width or no height: nothing is named or drawn
  int32_t MinX, MaxX, MinY, MaxY;
  int32_t StartX, StartY;
};
AxisLabelExtent GridAxisLabelExtent();

// Two neighbouring axes 0.1 m apart or closer (or not increasing).
struct NarrowAxisPair {
  bool Found;
  bool InY;       // a pair of Y axes; any such pair is reported before X pairs
  int32_t First;  // the pair is First and First + 1
};
// Scans every axis of both directions, not only the model extent; the last
// narrow pair found is the one reported.
NarrowAxisPair FindNarrowAxisPair();

extern const char* const NarrowSpacingCaption;  // "通り芯データの確認"

// Names the axes inside the model extent ("X 0", "X 0-1", "XX-1"; Y axes
// counted from the bottom) and empties every other name. While a direction
// is numbered from 0 its main axis numbered 0 becomes the origin axis; numbered
// from 1, or without such an axis in the extent, the origin axis keeps its value.
// A model extent without width or without height leaves every name empty.
// While GridSpacingCheckPending is set and the extent is not empty, a narrow
// pair of axes queues one warning (analysis/PendingMessages.h) and clears it.
void LabelGridAxes();
