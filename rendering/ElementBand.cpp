#include "rendering/ElementBand.h"

#include <cmath>

#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/PlanView.h"

namespace {

constexpr double Pi = 3.141592654;
constexpr double UpwardAngle = -1.570796327;
constexpr int32_t LabelFontHeight = 12;
constexpr int32_t LabelFontWidth = 6;

// The direction of the segment as the label turns: 0 across (also for a
// single point), -pi/2 upright, else the slope's angle.
double DirectionAngle(const SegmentPixels& s) {
  const int32_t dx = s.X2 - s.X1;
  const int32_t dy = s.Y2 - s.Y1;
  if (dy == 0) return 0;
  if (dx == 0) return UpwardAngle;
  return std::atan(static_cast<double>(dy) / dx);
}

}  // namespace

bool SegmentOnSheet(const PlanView& view, int32_t i1, int32_t j1, int32_t i2, int32_t j2,
                    SegmentPixels& pixels) {
  if (!OnGrid(i1, j1) || !OnGrid(i2, j2)) return false;
  pixels.X1 = view.GridX(i1);
  pixels.Y1 = view.GridY(j1);
  pixels.X2 = view.GridX(i2);
  pixels.Y2 = view.GridY(j2);
  return true;
}

void DrawSegmentBand(Canvas& canvas, const SegmentPixels& s, double reach, int32_t colour) {
  canvas.SetPenColour(colour);
  canvas.SetBrushColour(colour);
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetBrushStyle(BrushStyle::Solid);
  const double dx = s.X2 - s.X1;
  const double dy = s.Y2 - s.Y1;
  const double length = std::sqrt(dx * dx + dy * dy);
  double tx = 1, ty = 0;  // a single point: the square across and down
  if (length > 0) tx = dx / length, ty = dy / length;
  const double nx = -ty, ny = tx;
  const double ax = tx * reach, ay = ty * reach;  // along
  const double cx = nx * reach, cy = ny * reach;  // across
  const auto corner = [](double x, double y) { return CanvasPoint{ToViewUnits(x + 1), ToViewUnits(y + 1)}; };
  const CanvasPoint corners[4] = {
      corner(s.X2 + ax - cx, s.Y2 + ay - cy),
      corner(s.X1 - ax - cx, s.Y1 - ay - cy),
      corner(s.X1 - ax + cx, s.Y1 - ay + cy),
      corner(s.X2 + ax + cx, s.Y2 + ay + cy),
  };
  canvas.Polygon(corners, 4);
}

void DrawSegmentLabel(Canvas& canvas, const SegmentPixels& s, double h, std::u16string_view label) {
  const double a = DirectionAngle(s);
  canvas.SetFont(PlanFont(LabelFontHeight, LabelFontWidth, ToViewUnits(-a * 180 / Pi * 10)));
  canvas.SetFontColour(0);
  canvas.SetBrushColour(LabelBackColour);
  canvas.SetBrushStyle(BrushStyle::Clear);

  const double ox = -std::sin(a) * h;
  const double oy = std::cos(a) * h;
  const bool falling = (s.X1 < s.X2 && s.Y1 < s.Y2) || (s.X1 > s.X2 && s.Y1 > s.Y2);
  const double u = falling ? -std::fabs(ox) : std::fabs(ox);
  const double v = std::fabs(oy);
  const int32_t mx = (s.X1 + s.X2) / 2;
  const int32_t my = (s.Y1 + s.Y2) / 2;
  // The text starts within 2.5 h of the middle, shifted back by half its width.
  if (!canvas.MayShowText(mx, my, static_cast<int32_t>(label.size()), ToViewUnits(2.5 * std::fabs(h)) + 1))
    return;
  const int32_t w = canvas.TextWidth(label) / 2;
  const int32_t x = ToViewUnits(mx + 2.5 * u) - ToViewUnits(w * v / h);
  const int32_t y = ToViewUnits(my + 2.5 * v) - ToViewUnits(-w * u / h);
  canvas.TextOut(x, y, label);
}
