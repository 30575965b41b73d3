#pragma once
// The drawing steps of the printed plan, shared with the symbols that the
// legends draw as the plan does: pens, brushes, the plan's font, lines and
// centred texts, all in page units.
#include <cstdint>
#include <string_view>

#include "model/GridView.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"

namespace report_plan {

inline constexpr int32_t Black = 0x000000;
inline constexpr const char16_t* GothicFace = u"ＭＳ ゴシック";

inline void SetFont(Canvas& canvas, int32_t height, int32_t width, int32_t escapement = 0,
                    const char16_t* face = GothicFace) {
  FontDescription font = PlanFont(height, width, escapement);
  font.FaceName = face;
  canvas.SetFont(font);
  canvas.SetFontColour(Black);
}

inline void SetPen(Canvas& canvas, int32_t colour, int32_t width, PenStyle style = PenStyle::Solid,
                   PenMode mode = PenMode::Copy) {
  canvas.SetPenColour(colour);
  canvas.SetPenWidth(width);
  canvas.SetPenStyle(style);
  canvas.SetPenMode(mode);
}

inline void SetBrush(Canvas& canvas, int32_t colour, BrushStyle style) {
  canvas.SetBrushColour(colour);
  canvas.SetBrushStyle(style);
}

inline void Line(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

// A text centred on x.
inline void TextCentred(Canvas& canvas, double x, int32_t y, std::u16string_view text) {
  canvas.TextOut(ToViewUnits(x - WholeQuotient(canvas.TextWidth(text), 2)), y, text);
}

}  // namespace report_plan
