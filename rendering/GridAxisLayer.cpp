#include "rendering/GridAxisLayer.h"

#include <cstdio>

#include "analysis/GridAxisLabels.h"
#include "model/Grid.h"
#include "model/NumericHelpers.h"
#include "model/PlanPalette.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/PlanView.h"

namespace {

// Distances outside the model, in metres: ticks start 1 m out, the dimension
// chain runs 1.3 m out and the balloons sit 2 m out.
constexpr double TickStart = 1.0;
constexpr double ChainDistance = 1.3;
constexpr double BalloonDistance = 2.0;

constexpr int32_t SpacingFontHeight = 12;
constexpr int32_t SpacingFontWidth = 6;
constexpr int32_t Upward = 900;  // escapement of a text running upward

// Dimensions only at 1/100 and larger; beyond that the texts would crowd.
constexpr int32_t MaxDimensionedScale = 100;

// View units of a position in metres plus an offset in view units, truncated
// after the offset is added.
struct ViewUnits {
  const PlanView& View;
  int32_t X(double metres, double offset = 0) const { return ToViewUnits(View.ScaledX(metres) + offset); }
  int32_t Y(double metres, double offset = 0) const { return ToViewUnits(View.ScaledY(metres) + offset); }
};

// An ASCII text of at most 15 characters, formatted without the heap: this runs on every paint.
struct ShortText {
  char16_t Text[16];
  int32_t Length;
  std::u16string_view View() const { return {Text, static_cast<size_t>(Length)}; }
};

template <typename... Args>
ShortText Format(const char* format, Args... args) {
  char bytes[sizeof(ShortText::Text) / sizeof(char16_t)];
  const int length = std::snprintf(bytes, sizeof bytes, format, args...);
  ShortText text{};
  text.Length = length < 0 ? 0 : MinInt(length, static_cast<int>(sizeof bytes) - 1);
  for (int32_t k = 0; k < text.Length; ++k) text.Text[k] = static_cast<unsigned char>(bytes[k]);
  return text;
}

bool IsMain(int32_t kind) { return kind == GridAxisMain; }
bool IsTicked(int32_t kind) { return kind != GridAxisOutsideChain; }
bool IsInChain(int32_t kind) { return kind == GridAxisMain || kind == GridAxisAuxiliary; }

void DrawDot(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  canvas.SetBrushColour(AxisLabelColour(AxisLabelDotFill));
  canvas.Ellipse(x1, y1, x2, y2);
}

void SetSpacingFont(Canvas& canvas, int32_t escapement) {
  canvas.SetBrushColour(AxisLabelColour(AxisLabelBack));
  canvas.SetFont(PlanFont(SpacingFontHeight, SpacingFontWidth, escapement));
}

// X axes: ticks down from 1 m below the bottom-most used Y axis, balloons 2 m
// below it, the chain 1.3 m below it.
void DrawXAxes(Canvas& canvas, const PlanView& view, const AxisLabelExtent& extent, bool dimensions) {
  const ViewUnits px{view};
  const double yb = GridAxisY[extent.MaxY];
  int32_t number = extent.StartX;
  int32_t previous = -1;
  for (int32_t t = extent.MinX; t <= extent.MaxX; ++t) {
    const int32_t kind = GridAxisKindX[t];
    const double x = GridAxisX[t];
    if (IsTicked(kind)) {
      canvas.MoveTo(px.X(x), px.Y(yb + TickStart));
      canvas.LineTo(px.X(x), px.Y(yb + BalloonDistance, -AxisBalloonRadius));
    }
    if (IsMain(kind))
      DrawAxisBalloon(canvas, view.ScaledX(x), view.ScaledY(yb + BalloonDistance),
                      Format("X%i", number++).View());
    if (!dimensions || !IsInChain(kind)) continue;
    DrawDot(canvas, px.X(x, -2), px.Y(yb + ChainDistance, -2), px.X(x, 3), px.Y(yb + ChainDistance, 3));
    if (previous >= 0) {
      const double xp = GridAxisX[previous];
      canvas.MoveTo(px.X(xp), px.Y(yb + ChainDistance));
      canvas.LineTo(px.X(x), px.Y(yb + ChainDistance));
      const double s = x - xp;
      const double m = (x + xp) / 2;
      const ShortText text = Format("%5.3f", s);
      if (s > view.ScaleDenominator / 119.0) {
        SetSpacingFont(canvas, 0);
        canvas.TextOut(px.X(m, -WholeQuotient(canvas.TextWidth(text.View()), 2)),
                       px.Y(yb + ChainDistance, -13), text.View());
      } else {
        SetSpacingFont(canvas, Upward);
        canvas.TextOut(px.X(m, -6), px.Y(yb + ChainDistance, -1), text.View());
      }
    }
    previous = t;
  }
}

// Y axes from the bottom up: ticks left from 1 m left of the left-most used X
// axis, balloons 2 m left of it, the chain 1.3 m left of it.
void DrawYAxes(Canvas& canvas, const PlanView& view, const AxisLabelExtent& extent, bool dimensions) {
  const ViewUnits px{view};
  const double xl = GridAxisX[extent.MinX];
  int32_t number = extent.StartY;
  int32_t previous = -1;
  for (int32_t t = extent.MaxY; t >= extent.MinY; --t) {
    const int32_t kind = GridAxisKindY[t];
    const double y = GridAxisY[t];
    if (IsTicked(kind)) {
      canvas.MoveTo(px.X(xl - TickStart), px.Y(y));
      canvas.LineTo(px.X(xl - BalloonDistance, AxisBalloonRadius), px.Y(y));
    }
    if (IsMain(kind))
      DrawAxisBalloon(canvas, view.ScaledX(xl - BalloonDistance), view.ScaledY(y),
                      Format("Y%i", number++).View());
    if (!dimensions || !IsInChain(kind)) continue;
    DrawDot(canvas, px.X(xl - ChainDistance, -2), px.Y(y, -2), px.X(xl - ChainDistance, 3), px.Y(y, 3));
    if (previous >= 0) {
      const double yp = GridAxisY[previous];
      canvas.MoveTo(px.X(xl - ChainDistance), px.Y(yp));
      canvas.LineTo(px.X(xl - ChainDistance), px.Y(y));
      const double s = yp - y;
      const double m = (yp + y) / 2;
      const ShortText text = Format("%5.3f", s);
      if (s > view.ScaleDenominator / 119.0) {
        SetSpacingFont(canvas, Upward);
        canvas.TextOut(px.X(xl - ChainDistance, -13),
                       px.Y(m, WholeQuotient(canvas.TextWidth(text.View()), 2)), text.View());
      } else {
        SetSpacingFont(canvas, 0);
        canvas.TextOut(px.X(xl - ChainDistance, 1), px.Y(m, -6), text.View());
      }
    }
    previous = t;
  }
}

}  // namespace

void DrawAxisBalloon(Canvas& canvas, double x, double y, std::u16string_view text) {
  const int32_t r = AxisBalloonRadius;
  canvas.SetBrushColour(AxisLabelColour(AxisLabelBack));
  canvas.Ellipse(ToViewUnits(x - r), ToViewUnits(y - r), ToViewUnits(x + r), ToViewUnits(y + r));
  canvas.SetFont(PlanFont(AxisBalloonFontHeight, AxisBalloonFontWidth));
  int32_t w = canvas.TextWidth(text);
  const int32_t room = 2 * AxisBalloonRadius - 2;
  if (w > room) {
    // Narrower characters in proportion; at least one pixel wide.
    const int32_t narrower = MaxInt(1, AxisBalloonFontWidth * room / w);
    canvas.SetFont(PlanFont(AxisBalloonFontHeight, narrower));
    w = canvas.TextWidth(text);
  }
  canvas.TextOut(ToViewUnits(x - WholeQuotient(w, 2)), ToViewUnits(y - 6), text);
}

void DrawGridAxes(Canvas& canvas, const PlanView& view) {
  const AxisLabelExtent extent = GridAxisLabelExtent();
  if (extent.Empty) return;
  canvas.SetPenColour(AxisLabelColour(AxisLabelPen));
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetFontColour(0);
  canvas.SetBrushStyle(BrushStyle::Solid);
  const bool dimensions = view.ScaleDenominator <= MaxDimensionedScale;
  DrawXAxes(canvas, view, extent, dimensions);
  DrawYAxes(canvas, view, extent, dimensions);
}
