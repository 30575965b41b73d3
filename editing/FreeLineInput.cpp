#include "editing/FreeLineInput.h"

#include "editing/SlotCopy.h"
#include "editing/TwoPointInput.h"
#include "model/ModelAccess.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"
#include "platform/Numeric.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"

const char* const FreeLineFarOffsetMessage =
    "元の位置と離れますが。\n\n入力する --- はい\n\n入力しない --- いいえ\n\n";
const char* const FreeLineFarOffsetCaption = "オフセット入力問い合わせ";

int32_t FreeLineOffsetSwitch = 0;
double FreeLineOffsets[4] = {};
int32_t FreeLineKeepOffsets = 0;

namespace {

std::function<bool()> gOffsetDialog;

struct FreeLineKind : TwoPointKindDefaults {
  // The offsets of a new line: asked for when the switch is on, and asked
  // about when one goes beyond 1 m.
  static int32_t BeforeAppend() {
    if (FreeLineOffsetSwitch == 1 && (!gOffsetDialog || !gOffsetDialog())) {
      InvalidateSheet();
      return 1;
    }
    // Only finite offsets reach the model.
    for (double& offset : FreeLineOffsets)
      if (!(offset - offset == 0)) offset = 0;
    bool far = false;
    for (double offset : FreeLineOffsets) far = far || offset < -1.0 || offset > 1.0;
    if (far) {
      const int answer =
          MessageBox(FreeLineFarOffsetMessage, FreeLineFarOffsetCaption, MB_YESNO | MB_ICONQUESTION);
      InvalidateSheet();
      if (answer == IDNO) return 0;
    }
    return AppendGoesOn;
  }
  static void Fill(FreeLineRecord& added) {
    added.OffsetX1 = FreeLineOffsets[0], added.OffsetY1 = FreeLineOffsets[1];
    added.OffsetX2 = FreeLineOffsets[2], added.OffsetY2 = FreeLineOffsets[3];
    added.Style = ValidFreeLineStyle(FreeLinePaletteStyle) ? FreeLinePaletteStyle : 0;
    added.Colour = FreeLinePaletteColour & 0xFFFFFF;
    if (FreeLineKeepOffsets == 0)
      for (double& offset : FreeLineOffsets) offset = 0;
  }
};

}  // namespace

void SetFreeLineOffsetDialog(std::function<bool()> dialog) { gOffsetDialog = std::move(dialog); }

double FreeLineOffsetOfText(std::string_view text) { return NumberOfText(text); }

int32_t InputFreeLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return InputTwoPointElement<FreeLineKind>(FreeLines, FreeLineCount, {x1, y1, x2, y2});
}
