#include "editing/FoundationInput.h"

#include "editing/SlotCopy.h"
#include "editing/TwoPointInput.h"
#include "model/ElementLabels.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"

const char* const FoundationStoreyMessage = "基礎は１階のみ入力出来ます。\n\n入力階を１階にして下さい。";
const char* const FoundationStoreyCaption = "基礎入力エラー";

namespace {

struct FoundationKind : TwoPointKindDefaults {
  // Foundations stand on the first storey only.
  static bool Refused() {
    if (CurrentStorey == 0) return false;
    MessageBox(FoundationStoreyMessage, FoundationStoreyCaption, MB_ICONSTOP);
    InvalidateSheet();
    return true;
  }
  static void Fill(FoundationRecord& added) {
    // The palette shows any class it does not know as 基礎Ⅲ.
    added.Type = ValidFoundationType(FoundationPaletteType) ? FoundationPaletteType : 2;
  }
};

}  // namespace

int32_t InputFoundation(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return InputTwoPointElement<FoundationKind>(Foundations, FoundationCount, {x1, y1, x2, y2});
}
