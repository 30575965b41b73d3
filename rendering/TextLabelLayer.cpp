#include "rendering/TextLabelLayer.h"

#include <cmath>
#include <string_view>

#include "editing/TextLabelInput.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/PlanView.h"

namespace {

constexpr double kPi = 3.141592654;
constexpr int32_t LabelFontHeight = 12;
constexpr int32_t LabelFontWidth = 6;
constexpr int32_t Downward = -900;

// The label's text up to its terminator, never beyond the record.
std::u16string_view TextOf(const TextLabelRecord& r) {
  size_t n = 0;
  while (n < static_cast<size_t>(TextLabelMaxLength) && r.Text[n] != 0) ++n;
  return {r.Text, n};
}

void SetLabelFont(Canvas& canvas, const FontDescription& font) {
  canvas.SetFont(font);
  canvas.SetFontColour(0);
  canvas.SetBrushColour(LabelBackColour);
  canvas.SetBrushStyle(BrushStyle::Clear);
}

void DrawGuides(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t r) {
  canvas.SetPenColour(EditGuideColour);
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Dot);
  canvas.SetPenMode(PenMode::Copy);
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x1, y2);
  canvas.LineTo(x2, y2);
  canvas.LineTo(x2, y1);
  canvas.LineTo(x1, y1);
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
  canvas.MoveTo(x1, y2);
  canvas.LineTo(x2, y1);
  if (x1 == x2 && y1 == y2) {
    // An outline only: the brush stays as the layers before left it otherwise.
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Ellipse(x1 - r, y1 - r, x1 + r, y1 + r);
  }
}

void DrawNorthMark(Canvas& canvas, const PlanView& view, int32_t mx, int32_t my, int32_t degrees) {
  SetLabelFont(canvas, PlanFont(LabelFontHeight, LabelFontWidth));
  const double radius = view.UnitsPerMetre / 2;
  const auto tip = [&](double d) {
    const double a = d * kPi / 180;
    return CanvasPoint{ToViewUnits(mx - radius * std::sin(a)), ToViewUnits(my - radius * std::cos(a))};
  };
  canvas.SetPenColour(0);
  canvas.SetPenWidth(2);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Copy);
  canvas.Ellipse(ToViewUnits(mx - radius), ToViewUnits(my - radius), ToViewUnits(mx + radius),
                 ToViewUnits(my + radius));
  const double d = degrees;
  const CanvasPoint a = tip(d), b = tip(d - 160), c = tip(d + 160);
  canvas.MoveTo(a.X, a.Y);
  canvas.LineTo(b.X, b.Y);
  canvas.LineTo(c.X, c.Y);
  canvas.LineTo(a.X, a.Y);
  const std::u16string_view north = u"北";
  const int32_t w = canvas.TextWidth(north) / 2;
  const double angle = d * kPi / 180;
  canvas.TextOut(ToViewUnits(mx - w - 1.4 * radius * std::sin(angle)),
                 ToViewUnits(my - 6 - 1.4 * radius * std::cos(angle)), north);
}

}  // namespace

void DrawTextLabels(Canvas& canvas, const PlanView& view) {
  if (!ValidVariant(view.Variant) || !ValidStorey(view.Storey)) return;
  const int32_t count = CountOf(TextLabelCount, view.Variant, view.Storey, MaxTextLabelsPerStorey);
  const TextLabelRecord* const list = TextLabels[view.Variant][view.Storey];
  const int32_t r = ToViewUnits(view.UnitsPerMetre / 4);
  const bool guides = view.EditMode == EditModeText;
  for (int32_t k = 0; k < count; ++k) {
    const TextLabelRecord& label = list[k];
    if (!OnGrid(label.X1, label.Y1) || !OnGrid(label.X2, label.Y2)) continue;
    const int32_t x1 = view.GridX(label.X1), y1 = view.GridY(label.Y1);
    const int32_t x2 = view.GridX(label.X2), y2 = view.GridY(label.Y2);
    const int32_t mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    if (guides) DrawGuides(canvas, x1, y1, x2, y2, r);

    std::u16string_view text = TextOf(label);
    if (!text.empty() && text.front() == u'*') {
      DrawNorthMark(canvas, view, mx, my, NorthMarkAngle(text));
    } else if (!text.empty() && text.front() == u'@') {
      text.remove_prefix(1);
      FontDescription font = PlanFont(LabelFontHeight, LabelFontWidth, Downward);
      font.FaceName = u"@ＭＳ ゴシック";
      SetLabelFont(canvas, font);
      // The font is set either way: the layers after this one inherit it.
      if (!canvas.MayShowText(mx, my, static_cast<int32_t>(text.size()), 7)) continue;
      const int32_t w = canvas.TextWidth(text) / 2;
      canvas.TextOut(mx + 7, my - w, text);
    } else {
      SetLabelFont(canvas, PlanFont(LabelFontHeight, LabelFontWidth));
      if (!canvas.MayShowText(mx, my, static_cast<int32_t>(text.size()), 5)) continue;
      const int32_t w = canvas.TextWidth(text) / 2;
      canvas.TextOut(mx - w, my - 5, text);
    }
  }
}
