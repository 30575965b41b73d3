#include "rendering/FreeLineLayer.h"

#include "editing/FreeLineInput.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/PlanView.h"

namespace {

// By FreeLineRecord.Style: 細線 太線 点線 鎖線 １点鎖線 ２点鎖線.
constexpr PenStyle kStylePens[FreeLineStyleCount] = {
    PenStyle::Solid, PenStyle::Solid, PenStyle::Dot, PenStyle::Dash, PenStyle::DashDot, PenStyle::DashDotDot};
constexpr int32_t ThickStyle = 1;

}  // namespace

void DrawFreeLines(Canvas& canvas, const PlanView& view) {
  if (!ValidVariant(view.Variant) || !ValidStorey(view.Storey)) return;
  const int32_t count = CountOf(FreeLineCount, view.Variant, view.Storey, MaxFreeLinesPerStorey);
  const FreeLineRecord* const list = FreeLines[view.Variant][view.Storey];
  const bool guides = view.EditMode == EditModeFreeLine;
  const double units = view.UnitsPerMetre;
  for (int32_t k = 0; k < count; ++k) {
    const FreeLineRecord& line = list[k];
    if (!OnGrid(line.X1, line.Y1) || !OnGrid(line.X2, line.Y2)) continue;
    const double x1 = view.GridX(line.X1);
    const double y1 = view.GridY(line.Y1);
    const double x2 = view.GridX(line.X2);
    const double y2 = view.GridY(line.Y2);
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
    canvas.MoveTo(ToViewUnits(x1 + line.OffsetX1 * units), ToViewUnits(y1 + line.OffsetY1 * units));
    canvas.LineTo(ToViewUnits(x2 + line.OffsetX2 * units), ToViewUnits(y2 + line.OffsetY2 * units));
  }
}
