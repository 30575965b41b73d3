#include "analysis/GridAxisLabels.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "analysis/PendingMessages.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

int32_t GridOriginAxisX = 0;
int32_t GridOriginAxisY = 0;
char16_t GridAxisNameX[GridAxisCountX][GridAxisNameCapacity];
char16_t GridAxisNameY[GridAxisCountY][GridAxisNameCapacity];

namespace {

// The names are plain ASCII; formatted without touching the heap since this runs on every paint.
template <typename... Args>
void SetName(char16_t (&name)[GridAxisNameCapacity], const char* format, Args... args) {
  char text[GridAxisNameCapacity];
  const int length = std::snprintf(text, sizeof text, format, args...);
  const int kept = length < 0 ? 0 : MinInt(length, GridAxisNameCapacity - 1);
  for (int k = 0; k < kept; ++k) name[k] = static_cast<unsigned char>(text[k]);
  name[kept] = u'\0';
}

// One direction, axes in counting order (first, first + step, ..., last).
// Returns the axis whose balloon number is 0, or -1 when none is.
int32_t NameAxes(char16_t (*names)[GridAxisNameCapacity], const int32_t* kinds, int32_t first, int32_t last,
                 int32_t step, int32_t start, char letter) {
  int32_t origin = -1;
  int32_t mainNumber = -1, auxiliaryNumber = 0;
  for (int32_t t = first;; t += step) {
    if (kinds[t] == GridAxisMain) {
      ++mainNumber;
      auxiliaryNumber = 0;
      if (mainNumber + start == 0) origin = t;
      SetName(names[t], "%c%2i", letter, mainNumber + start);
    } else {
      ++auxiliaryNumber;
      if (mainNumber < 0)
        SetName(names[t], "%c%c-%1i", letter, letter, auxiliaryNumber);
      else
        SetName(names[t], "%c%2i-%1i", letter, mainNumber + start, auxiliaryNumber);
    }
    if (t == last) break;
  }
  return origin;
}

}  // namespace

const char* const NarrowSpacingCaption = "通り芯データの確認";

AxisLabelExtent GridAxisLabelExtent() {
  AxisLabelExtent extent{};
  extent.Empty = ModelExtentMinX >= ModelExtentMaxX || ModelExtentMinY >= ModelExtentMaxY;
  // An extent reaching off the grid (indices from a damaged file) is used where it has axes.
  extent.MinX = MaxInt(ModelExtentMinX, 0), extent.MaxX = MinInt(ModelExtentMaxX, GridAxisCountX - 1);
  extent.MinY = MaxInt(ModelExtentMinY, 0), extent.MaxY = MinInt(ModelExtentMaxY, GridAxisCountY - 1);
  if (extent.MinX > extent.MaxX || extent.MinY > extent.MaxY) extent.Empty = true;
  const int32_t numbering = ProjectSettings.AxisNumbering;
  // Only the values the dialog writes name a start; any other keeps both at 0.
  constexpr int32_t bothFrom1 = AxisNumberingXFrom1 | AxisNumberingYFrom1;
  extent.StartX = numbering == AxisNumberingXFrom1 || numbering == bothFrom1 ? 1 : 0;
  extent.StartY = numbering == AxisNumberingYFrom1 || numbering == bothFrom1 ? 1 : 0;
  return extent;
}

NarrowAxisPair FindNarrowAxisPair() {
  NarrowAxisPair pair{};
  for (int32_t i = 0; i + 1 < GridAxisCountX; ++i)
    if (GridAxisX[i + 1] - 0.1 <= GridAxisX[i]) pair = {true, false, i};
  for (int32_t j = 0; j + 1 < GridAxisCountY; ++j)
    if (GridAxisY[j + 1] - 0.1 <= GridAxisY[j]) pair = {true, true, j};
  return pair;
}

namespace {

// Names the lower-numbered axis first: X axes count from the left, Y axes from the bottom.
void QueueNarrowSpacingWarning(const NarrowAxisPair& pair) {
  const char16_t* first = pair.InY ? GridAxisNameY[pair.First + 1] : GridAxisNameX[pair.First];
  const char16_t* second = pair.InY ? GridAxisNameY[pair.First] : GridAxisNameX[pair.First + 1];
  const std::string text = FormatA(
      "(%5s )-(%5s )の間隔が0.1未満です。\n\n入力ミスの場合は削除して下さい。\n\n通り芯の設定まで、"
      "このメッセージは表示されません。",
      Utf16ToUtf8(first).c_str(), Utf16ToUtf8(second).c_str());
  QueueMessage(text, NarrowSpacingCaption, MB_ICONINFORMATION);
}

}  // namespace

void LabelGridAxes() {
  const NarrowAxisPair narrow = FindNarrowAxisPair();
  for (auto& name : GridAxisNameX) std::fill(std::begin(name), std::end(name), u'\0');
  for (auto& name : GridAxisNameY) std::fill(std::begin(name), std::end(name), u'\0');
  const AxisLabelExtent extent = GridAxisLabelExtent();
  // An empty model keeps the check pending for the first paint with elements.
  if (extent.Empty) return;

  const int32_t originX =
      NameAxes(GridAxisNameX, GridAxisKindX, extent.MinX, extent.MaxX, 1, extent.StartX, 'X');
  if (originX >= 0) GridOriginAxisX = originX;
  // Y axes are stored top to bottom and counted from the bottom.
  const int32_t originY =
      NameAxes(GridAxisNameY, GridAxisKindY, extent.MaxY, extent.MinY, -1, extent.StartY, 'Y');
  if (originY >= 0) GridOriginAxisY = originY;

  if (narrow.Found && GridSpacingCheckPending == 1) {
    QueueNarrowSpacingWarning(narrow);
    GridSpacingCheckPending = 0;
  }
}
