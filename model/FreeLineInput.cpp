#include "model/FreeLineInput.h"

#include "model/MainWindowPort.h"
#include "model/ModelAccess.h"
#include "model/PaletteState.h"
#include "model/SlotCopy.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"
#include "platform/Numeric.h"

const char* const FreeLineFarOffsetMessage =
    "元の位置と離れますが。\n\n入力する --- はい\n\n入力しない --- いいえ\n\n";
const char* const FreeLineFarOffsetCaption = "オフセット入力問い合わせ";

int32_t FreeLineOffsetSwitch = 0;
double FreeLineOffsets[4] = {};
int32_t FreeLineKeepOffsets = 0;

namespace {

std::function<bool()> gOffsetDialog;

bool SameEnds(const FreeLineRecord& r, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return (r.X1 == x1 && r.Y1 == y1 && r.X2 == x2 && r.Y2 == y2) ||
         (r.X1 == x2 && r.Y1 == y2 && r.X2 == x1 && r.Y2 == y1);
}

}  // namespace

void SetFreeLineOffsetDialog(std::function<bool()> dialog) { gOffsetDialog = std::move(dialog); }

double FreeLineOffsetOfText(std::string_view text) { return NumberOfText(text); }

int32_t InputFreeLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (x1 == x2 && y1 == y2) {
    InvalidateSheet();
    return 0;
  }
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey) || !OnGrid(x1, y1) || !OnGrid(x2, y2))
    return 0;
  const int32_t v = CurrentVariant;
  const int32_t s = CurrentStorey;
  FreeLineRecord* const list = FreeLines[v][s];
  const int32_t count = CountOf(FreeLineCount, v, s, MaxFreeLinesPerStorey);
  for (int32_t k = 0; k < count; ++k) {
    if (!SameEnds(list[k], x1, y1, x2, y2)) continue;
    PushUndo();
    for (int32_t m = k; m + 1 < count; ++m) list[m] = list[m + 1];
    FreeLineCount[v][s] = count - 1;
    InvalidateSheet();
    return 1;
  }
  if (count >= MaxFreeLinesPerStorey) return 0;

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

  PushUndo();
  FreeLineRecord& added = list[count];
  added = FreeLineRecord{};
  added.X1 = x1, added.Y1 = y1, added.X2 = x2, added.Y2 = y2;
  added.OffsetX1 = FreeLineOffsets[0], added.OffsetY1 = FreeLineOffsets[1];
  added.OffsetX2 = FreeLineOffsets[2], added.OffsetY2 = FreeLineOffsets[3];
  added.Style = ValidFreeLineStyle(FreeLinePaletteStyle) ? FreeLinePaletteStyle : 0;
  added.Colour = FreeLinePaletteColour & 0xFFFFFF;
  FreeLineCount[v][s] = count + 1;
  if (FreeLineKeepOffsets == 0)
    for (double& offset : FreeLineOffsets) offset = 0;
  InvalidateSheet();
  return 1;
}
