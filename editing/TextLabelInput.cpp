#include "editing/TextLabelInput.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "editing/SlotCopy.h"
#include "model/ModelAccess.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"
#include "presentation/MainWindowPort.h"

const char* const NorthMarkTwiceMessage = "方位は一つのみ入力出来ます。\n\n入力済みの方位を消去して下さい。";
const char* const NorthMarkOtherStoreyMessage = "他階の方位が異なります。\n\n確認して下さい。";
const char* const NorthMarkCaption = "方位入力エラー";
const char* const ClearTextLabelsMessage = "この階の全ての室名等を消去します。\n\n本当に消去しますか？";
const char* const ClearTextLabelsCaption = "全て消去の確認";

char16_t TextPaletteText[TextLabelCapacity] = {};

namespace {

std::function<void()> gPaletteListener;
std::function<bool()> gTextDialog;

// A record read from a damaged file may lack its terminator.
std::u16string_view BoundedText(const char16_t (&text)[TextLabelCapacity]) {
  size_t n = 0;
  while (n < static_cast<size_t>(TextLabelCapacity) && text[n] != 0) ++n;
  return {text, std::min(n, static_cast<size_t>(TextLabelMaxLength))};
}

// At most TextLabelMaxLength units, never half a surrogate pair.
void CopyText(char16_t (&to)[TextLabelCapacity], std::u16string_view text) {
  CopyToFixed(to, TextLabelMaxLength + 1, text);
  std::fill(to + TextLabelMaxLength + 1, to + TextLabelCapacity, u'\0');
}

bool IsNorthMark(std::u16string_view text) { return !text.empty() && text.front() == u'*'; }

bool SamePair(int32_t a1, int32_t a2, int32_t b1, int32_t b2) {
  return (a1 == b1 && a2 == b2) || (a1 == b2 && a2 == b1);
}

// The storey whose north mark a new one must equal.
int32_t NeighbourStorey(int32_t storey) { return storey == 0 ? 1 : storey - 1; }

}  // namespace

void SetTextPaletteText(std::u16string_view text) {
  CopyText(TextPaletteText, text);
  if (gPaletteListener) gPaletteListener();
}

std::u16string_view TextPaletteTextView() { return BoundedText(TextPaletteText); }

void SetTextPaletteListener(std::function<void()> listener) { gPaletteListener = std::move(listener); }
void SetTextLabelDialog(std::function<bool()> dialog) { gTextDialog = std::move(dialog); }

int32_t NorthMarkAngle(std::u16string_view text) {
  if (IsNorthMark(text)) text.remove_prefix(1);
  size_t k = 0;
  const auto blank = [](char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
  while (k < text.size() && blank(text[k])) ++k;
  bool negative = false;
  if (k < text.size() && (text[k] == u'+' || text[k] == u'-')) negative = text[k++] == u'-';
  int64_t value = 0;
  for (; k < text.size() && text[k] >= u'0' && text[k] <= u'9'; ++k) {
    value = value * 10 + (text[k] - u'0');
    if (value > INT32_MAX) return 0;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

int32_t InputTextLabel(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey) || !OnGrid(x1, y1) || !OnGrid(x2, y2))
    return 0;
  const int32_t v = CurrentVariant;
  const int32_t s = CurrentStorey;
  TextLabelRecord* const list = TextLabels[v][s];
  const int32_t count = CountOf(TextLabelCount, v, s, MaxTextLabelsPerStorey);

  for (int32_t k = 0; k < count; ++k) {
    const TextLabelRecord& r = list[k];
    if (!SamePair(r.X1, r.X2, x1, x2) || !SamePair(r.Y1, r.Y2, y1, y2)) continue;
    PushUndo();
    const std::u16string text(BoundedText(r.Text));
    for (int32_t m = k; m + 1 < count; ++m) list[m] = list[m + 1];
    TextLabelCount[v][s] = count - 1;
    SetTextPaletteText(text);
    InvalidateSheet();
    return 1;
  }
  if (count >= MaxTextLabelsPerStorey) return 0;

  if (!gTextDialog || !gTextDialog()) {
    InvalidateSheet();
    return 1;
  }
  const std::u16string_view text = TextPaletteTextView();
  if (IsNorthMark(text)) {
    for (int32_t k = 0; k < count; ++k) {
      if (!IsNorthMark(BoundedText(list[k].Text))) continue;
      MessageBox(NorthMarkTwiceMessage, NorthMarkCaption, MB_ICONSTOP);
      InvalidateSheet();
      return 0;
    }
    const int32_t other = NeighbourStorey(s);
    const int32_t otherCount = CountOf(TextLabelCount, v, other, MaxTextLabelsPerStorey);
    for (int32_t k = 0; k < otherCount; ++k) {
      const std::u16string_view mark = BoundedText(TextLabels[v][other][k].Text);
      if (!IsNorthMark(mark) || mark == text) continue;
      MessageBox(NorthMarkOtherStoreyMessage, NorthMarkCaption, MB_ICONSTOP);
      InvalidateSheet();
      return 0;
    }
  }

  PushUndo();
  TextLabelRecord& added = list[count];
  added = TextLabelRecord{};
  added.X1 = x1, added.Y1 = y1, added.X2 = x2, added.Y2 = y2;
  CopyText(added.Text, text);
  TextLabelCount[v][s] = count + 1;
  InvalidateSheet();
  return 1;
}

void ClearStoreyTextLabels() {
  if (MessageBox(ClearTextLabelsMessage, ClearTextLabelsCaption, MB_YESNO | MB_ICONINFORMATION) == IDNO)
    return;
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey)) return;
  PushUndo();
  TextLabelCount[CurrentVariant][CurrentStorey] = 0;
  InvalidateSheet();
}
