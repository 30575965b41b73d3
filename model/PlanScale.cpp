#include "model/PlanScale.h"

#include <limits>

#include "model/Grid.h"
#include "model/GridView.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"

int32_t ScaleDenominatorOfText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
  }
  return static_cast<int32_t>(negative ? -value : value);
}

bool TrySetPlanScale(int32_t denominator) {
  if (denominator < MinPlanScaleDenominator || denominator > MaxPlanScaleDenominator) return false;
  SetPlanScale(denominator);
  return true;
}

namespace {

int32_t SheetExtent(double lastAxis) {
  const double pixels = lastAxis * PixelsPerMetre;
  // NaN fails both tests and gives an empty sheet.
  if (!(pixels > 0)) return 0;
  if (pixels >= MaxSheetPixels) return MaxSheetPixels;
  return TruncToInt(pixels);
}

}  // namespace

int32_t SheetWidthPixels() { return SheetExtent(GridAxisX[GridAxisCountX - 1]); }

int32_t SheetHeightPixels() { return SheetExtent(GridAxisY[GridAxisCountY - 1]); }

int32_t RescaledScrollPosition(int32_t numerator, int32_t saved, int32_t divisor) {
  if (divisor <= 0) return 0;
  return static_cast<int32_t>(static_cast<int64_t>(numerator) * saved / divisor);
}
