#pragma once
// Colour tables shared by the main window, the plan and the report.
// Colours are 0x00BBGGRR.
#include <cstdint>

constexpr int32_t RgbColour(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// By building weight class: variant radios, labels and panel.
extern const int32_t WeightClassColours[7];

// Entry 0 no demand, entries 1..10 rising classes.
extern const int32_t ClassColourScale[11];
// The class above entry 10 on the printed plan.
extern const int32_t ClassColourOverflow;

// Dotted grid lines by axis kind (GridAxisKindX / GridAxisKindY 0, 1, 2).
extern const int32_t GridLineColours[3];

// GridLineColours entry of an axis kind; an unknown kind takes the main-axis colour.
int32_t GridLineColour(int32_t axisKind);

// WeightClassColours entry of a weight class; an unknown class takes the light one.
int32_t WeightClassColour(int32_t weightClass);
