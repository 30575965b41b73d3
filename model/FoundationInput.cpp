#include "model/FoundationInput.h"

#include "model/ElementLabels.h"
#include "model/MainWindowPort.h"
#include "model/ModelAccess.h"
#include "model/PaletteState.h"
#include "model/SlotCopy.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"

const char* const FoundationStoreyMessage = "基礎は１階のみ入力出来ます。\n\n入力階を１階にして下さい。";
const char* const FoundationStoreyCaption = "基礎入力エラー";

namespace {

bool SameEnds(const FoundationRecord& r, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return (r.X1 == x1 && r.Y1 == y1 && r.X2 == x2 && r.Y2 == y2) ||
         (r.X1 == x2 && r.Y1 == y2 && r.X2 == x1 && r.Y2 == y1);
}

}  // namespace

int32_t InputFoundation(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (x1 == x2 && y1 == y2) {
    InvalidateSheet();
    return 0;
  }
  if (CurrentStorey != 0) {
    MessageBox(FoundationStoreyMessage, FoundationStoreyCaption, MB_ICONSTOP);
    InvalidateSheet();
    return 0;
  }
  if (!ValidVariant(CurrentVariant) || !OnGrid(x1, y1) || !OnGrid(x2, y2)) return 0;

  const int32_t v = CurrentVariant;
  constexpr int32_t s = 0;
  FoundationRecord* const list = Foundations[v][s];
  const int32_t count = CountOf(FoundationCount, v, s, MaxFoundationsPerStorey);
  for (int32_t k = 0; k < count; ++k) {
    if (!SameEnds(list[k], x1, y1, x2, y2)) continue;
    PushUndo();
    for (int32_t m = k; m + 1 < count; ++m) list[m] = list[m + 1];
    FoundationCount[v][s] = count - 1;
    InvalidateSheet();
    return 1;
  }
  if (count >= MaxFoundationsPerStorey) return 0;

  PushUndo();
  FoundationRecord& added = list[count];
  added = FoundationRecord{};
  added.X1 = x1, added.Y1 = y1, added.X2 = x2, added.Y2 = y2;
  // The palette shows any class it does not know as 基礎Ⅲ.
  added.Type = ValidFoundationType(FoundationPaletteType) ? FoundationPaletteType : 2;
  FoundationCount[v][s] = count + 1;
  InvalidateSheet();
  return 1;
}
