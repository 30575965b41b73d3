#pragma once
// The arithmetic of the plan zoom: the scale text of the zoom combo, the size
// of the sheet at the current scale and the scroll positions that keep the
// view in proportion when the scale changes.
#include <cstdint>
#include <string_view>

// The denominator written in a scale text: an optional sign after leading
// blanks, then decimal digits up to the first other character; 0 when there
// are no digits. Locale-independent; saturates instead of overflowing.
int32_t ScaleDenominatorOfText(std::string_view text);

// Sets PlanScaleDenominator and PixelsPerMetre (4000 div n) when n lies in
// 30..200 and returns true; otherwise changes nothing and returns false.
bool TrySetPlanScale(int32_t denominator);

// The largest extent of the sheet in pixels, the most a window can take
// (2^24 - 1): an axis spacing accepted far beyond any building must not turn
// the sheet into nothing.
constexpr int32_t MaxSheetPixels = 16777215;

// The sheet's size in pixels: trunc(position of the last axis x PixelsPerMetre),
// kept within 0..MaxSheetPixels.
int32_t SheetWidthPixels();
int32_t SheetHeightPixels();

// A saved scroll position carried over a change of scale:
// numerator x saved div divisor in 64 bits, truncating toward zero; 0 when the
// divisor is not positive (a sheet no larger than its view cannot scroll).
int32_t RescaledScrollPosition(int32_t numerator, int32_t saved, int32_t divisor);
