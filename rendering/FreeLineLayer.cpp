#include "rendering/FreeLineLayer.h"

#include "model/ElementLists.h"
#include "model/FreeLineInput.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"

namespace {

// By FreeLineRecord.Style: 細線 太線 点線 鎖線 １点鎖線 ２点鎖線.
constexpr PenStyle kStylePens[FreeLineStyleCount] = {PenStyle::Solid, PenStyle::Solid,   PenStyle::Dot,
                                                     PenStyle::Dash,  PenStyle::DashDot, PenStyle::DashDotDot};
constexpr int32_t ThickStyle = 1;

}  // namespace

void DrawFreeLines(Canvas& canvas) {
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey)) return;
  const int32_t count = CountOf(FreeLineCount, CurrentVariant, CurrentStorey, MaxFreeLinesPerStorey);
  const FreeLineRecord* const list = FreeLines[CurrentVariant][CurrentStorey];
  const bool guides = CurrentEditMode == EditModeFreeLine;
  for (int32_t k = 0; k < count; ++k) {
    const FreeLineRecord& line = list[k];
    if (!OnGrid(line.X1, line.Y1) || !OnGrid(line.X2, line.Y2)) continue;
    const double x1 = TruncToInt(GridAxisX[line.X1] * PixelsPerMetre);
    const double y1 = TruncToInt(GridAxisY[line.Y1] * PixelsPerMetre);
    const double x2 = TruncToInt(GridAxisX[line.X2] * PixelsPerMetre);
    const double y2 = TruncToInt(GridAxisY[line.Y2] * PixelsPerMetre);
    if (guides) {
      canvas.SetPenColour(EditGuideColour);
      canvas.SetPenWidth(1);
      canvas.SetPenStyle(PenStyle::Dot);
      canvas.SetPenMode(PenMode::Copy);
      canvas.MoveTo(static_cast<int32_t>(x1), static_cast<int32_t>(y1));
      canvas.LineTo(static_cast<int32_t>(x2), static_cast<int32_t>(y2));
    }
    canvas.SetPenWidth(line.Style == ThickStyle ? 3 : 1);
    // A style the table does not know keeps the pen style as it was.
    if (ValidFreeLineStyle(line.Style)) canvas.SetPenStyle(kStylePens[line.Style]);
    canvas.SetPenColour(line.Colour & 0xFFFFFF);
    canvas.SetPenMode(PenMode::Copy);
    canvas.MoveTo(TruncToInt(x1 + line.OffsetX1 * PixelsPerMetre), TruncToInt(y1 + line.OffsetY1 * PixelsPerMetre));
    canvas.LineTo(TruncToInt(x2 + line.OffsetX2 * PixelsPerMetre), TruncToInt(y2 + line.OffsetY2 * PixelsPerMetre));
  }
}
