#include "rendering/FloorSpecLayer.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "editing/FloorSpecInput.h"
#include "evaluation/FloorCheck.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/PlanView.h"

namespace {

constexpr int32_t FloorRowCount = 22;
constexpr int32_t BraceRowCount = 15;
constexpr int32_t LastFloorBoardRow = 12;

const FontDescription& SpecLabelFont() {
  static const FontDescription font = PlanFont(18, 9);
  return font;
}
const FontDescription& LegendFont() {
  static const FontDescription font = PlanFont(12, 6);
  return font;
}
const FontDescription& VerticalLegendFont() {
  static const FontDescription font = [] {
    FontDescription f = PlanFont(12, 6, -900);
    f.FaceName = u"@ＭＳ ゴシック";
    return f;
  }();
  return font;
}

// The two rows of a specification code, false for a code outside the tables.
bool RowsOf(int32_t code, int32_t& floorRow, int32_t& braceRow) {
  if (code < 0) return false;
  floorRow = FloorSpecRowOf(code);
  braceRow = BraceRowOf(code);
  return floorRow < FloorRowCount && braceRow < BraceRowCount;
}

// "%2i-%2i" of the two rows (both below 100).
struct SpecLabel {
  char16_t Text[5];
  SpecLabel(int32_t floorRow, int32_t braceRow) {
    const auto two = [](char16_t* at, int32_t n) {
      at[0] = n < 10 ? u' ' : static_cast<char16_t>(u'0' + n / 10);
      at[1] = static_cast<char16_t>(u'0' + n % 10);
    };
    two(Text, floorRow);
    Text[2] = u'-';
    two(Text + 3, braceRow);
  }
  std::u16string_view View() const { return {Text, 5}; }
};

BrushStyle HatchOf(int32_t floorRow) {
  if (floorRow == 0) return BrushStyle::Clear;
  return floorRow <= LastFloorBoardRow ? BrushStyle::DiagCross : BrushStyle::Cross;
}

void SetAreaPen(Canvas& canvas, int32_t floorRow, int32_t braceRow) {
  canvas.SetPenColour(HorizontalBraceColours[braceRow]);
  canvas.SetPenWidth(2);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetBrushColour(FloorSpecColours[floorRow]);
  canvas.SetBrushStyle(HatchOf(floorRow));
}

void DrawSpecLabel(Canvas& canvas, int32_t floorRow, int32_t braceRow, int32_t cx, int32_t cy) {
  canvas.SetFont(SpecLabelFont());
  canvas.SetFontColour(0);
  canvas.SetBrushColour(LabelBackColour);
  canvas.SetBrushStyle(BrushStyle::Solid);
  // A label off the view is neither formatted nor measured (the settings
  // above stay: the next drawing inherits them).
  if (!canvas.MayShowText(cx, cy, 5, 9)) return;
  const SpecLabel label(floorRow, braceRow);
  canvas.TextOut(cx - canvas.TextWidth(label.View()) / 2, cy - 9, label.View());
}

void DrawSpecAreas(Canvas& canvas, const PlanView& view) {
  const int32_t v = view.Variant, s = view.Storey;
  int32_t floorRow = 0, braceRow = 0;
  const int32_t rects = CountOf(FloorSpecRectCount, v, s, MaxFloorSpecRectsPerStorey);
  for (int32_t k = 0; k < rects; ++k) {
    const FloorSpecRectRecord& r = FloorSpecRects[v][s][k];
    if (!OnGrid(r.X1, r.Y1) || !OnGrid(r.X2, r.Y2) || !RowsOf(r.SpecCode, floorRow, braceRow)) continue;
    SetAreaPen(canvas, floorRow, braceRow);
    int32_t x1 = view.GridX(r.X1), y1 = view.GridY(r.Y1), x2 = view.GridX(r.X2), y2 = view.GridY(r.Y2);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    ++x1, ++y1;
    canvas.Rectangle(x1, y1, x2, y2);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    canvas.MoveTo(x1, y2);
    canvas.LineTo(x2, y1);
    DrawSpecLabel(canvas, floorRow, braceRow, (x1 + x2) / 2, (y1 + y2) / 2);
  }
  const int32_t triangles = CountOf(FloorSpecTriangleCount, v, s, MaxFloorSpecTrianglesPerStorey);
  for (int32_t k = 0; k < triangles; ++k) {
    const FloorSpecTriangleRecord& t = FloorSpecTriangles[v][s][k];
    if (!OnGrid(t.X1, t.Y1) || !OnGrid(t.X2, t.Y2) || !OnGrid(t.X3, t.Y3) ||
        !RowsOf(t.SpecCode, floorRow, braceRow))
      continue;
    SetAreaPen(canvas, floorRow, braceRow);
    const CanvasPoint p[3] = {{view.GridX(t.X1), view.GridY(t.Y1)},
                              {view.GridX(t.X2), view.GridY(t.Y2)},
                              {view.GridX(t.X3), view.GridY(t.Y3)}};
    canvas.Polygon(p, 3);
    DrawSpecLabel(canvas, floorRow, braceRow, (p[0].X + p[1].X + p[2].X) / 3, (p[0].Y + p[1].Y + p[2].Y) / 3);
  }
}

// Metres of the plan frame to view units, with a pixel offset added before
// the truncation.
struct Frame {
  const PlanView& View;
  int32_t X(double metres, double offset = 0) const { return ToViewUnits(View.ScaledX(metres) + offset); }
  int32_t Y(double metres, double offset = 0) const { return ToViewUnits(View.ScaledY(metres) + offset); }
};

struct LegendText {
  std::u16string_view Text;
  double Across, Along;  // metres beyond the outermost axes
  int32_t Rise;          // pixels (vertical texts)
  bool BeamStressOnly;
};

void DrawLegends(Canvas& canvas, const Frame& f, bool beamStress) {
  const double xr = AxisX(ModelExtentMaxX), yb = AxisY(ModelExtentMaxY);
  const double xl = AxisX(ModelExtentMinX), yt = AxisY(ModelExtentMinY);
  static constexpr LegendText below[] = {
      {u"床耐力", 1.2, 1.3, 0, false}, {u"横架材", 1.2, 2.6, 0, true}, {u"→ 左", 0.4, 1.15, 0, false},
      {u"→ 左", 0.4, 2.45, 0, true},   {u"← 右", 0.4, 1.45, 0, false}, {u"← 右", 0.4, 2.75, 0, true},
  };
  static constexpr LegendText left[] = {
      {u"床耐力", 1.3, 1.2, 30, false}, {u"横架材", 2.6, 1.2, 30, true}, {u"上 →", 1.15, 0.4, 24, false},
      {u"上 →", 2.45, 0.4, 24, true},   {u"下 ←", 1.45, 0.4, 24, false}, {u"下 ←", 2.75, 0.4, 24, true},
  };
  canvas.SetFont(LegendFont());
  canvas.SetFontColour(0);
  canvas.SetBrushColour(LabelBackColour);
  canvas.SetBrushStyle(BrushStyle::Solid);
  for (const LegendText& t : below)
    if (beamStress || !t.BeamStressOnly)
      canvas.TextOut(f.X(xr + t.Across, -6), f.Y(yb + t.Along, -6), t.Text);
  canvas.SetFont(VerticalLegendFont());
  for (const LegendText& t : left)
    if (beamStress || !t.BeamStressOnly)
      canvas.TextOut(f.X(xl - t.Across, 6), f.Y(yt - t.Along, -t.Rise), t.Text);
}

void Mark(Canvas& canvas, int32_t colour, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  canvas.SetPenColour(colour);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Mask);
  canvas.SetBrushColour(colour);
  canvas.Rectangle(x1, y1, x2, y2);
}

// The marks of one side: along the X axes below the plan (Below) or along
// the Y axes left of it. `from`..`to` is the band across, in metres.
struct Side {
  const Frame& F;
  bool Below;
  double (*Axis)(int32_t);
  void Box(Canvas& canvas, int32_t colour, double along1, double along2, double across1,
           double across2) const {
    if (Below)
      Mark(canvas, colour, F.X(along1), F.Y(across1), F.X(along2), F.Y(across2));
    else
      Mark(canvas, colour, F.X(across1), F.Y(along1), F.X(across2), F.Y(along2));
  }
};

double Force(int32_t member, int32_t v, int32_t s, int32_t line, bool negated) {
  const double force = BeamStress[member][v][s][line][0];
  return negated ? -force : force;
}

// Steps 1 to 4: the member forces at the axes (stubs) and in the middles.
void DrawForces(Canvas& canvas, const Side& side, int32_t v, int32_t s, int32_t first, int32_t last,
                const int32_t (&members)[4], double near, double sign) {
  static constexpr double edges[3] = {2.3, 2.6, 2.9};  // metres beyond the outermost axis
  const auto band = [&](int32_t k) { return near + sign * edges[k]; };
  for (int32_t i = first; i <= last; ++i) {
    const double at = side.Axis(i);
    for (int32_t pass = 0; pass < 2; ++pass) {
      const int32_t colour = MemberForceColours[MemberForceClass(Force(members[pass], v, s, i, pass == 1))];
      if (i != first)
        side.Box(canvas, colour, (side.Axis(i - 1) + 3 * at) / 4, at, band(pass), band(pass + 1));
      if (i != last)
        side.Box(canvas, colour, at, (3 * at + side.Axis(i + 1)) / 4, band(pass), band(pass + 1));
    }
  }
  for (int32_t i = first; i < last; ++i) {
    const double a = side.Axis(i), b = side.Axis(i + 1);
    for (int32_t pass = 0; pass < 2; ++pass) {
      const int32_t colour =
          MemberForceColours[MemberForceClass(Force(members[2 + pass], v, s, i, pass == 1))];
      side.Box(canvas, colour, (3 * a + b) / 4, (a + 3 * b) / 4, band(pass), band(pass + 1));
    }
  }
}

// Steps 5 to 8: the failing halves of every interval, two rows of two members.
void DrawFloorStrength(Canvas& canvas, const Side& side, int32_t v, int32_t s, int32_t first, int32_t last,
                       int32_t firstMember, double near, double sign) {
  static constexpr double edges[3] = {1.0, 1.3, 1.6};  // metres beyond the outermost axis
  for (int32_t row = 0; row < 2; ++row) {
    const double from = near + sign * edges[row], to = near + sign * edges[row + 1];
    for (int32_t i = first; i < last; ++i) {
      const double a = side.Axis(i), b = side.Axis(i + 1), m = (a + b) / 2;
      for (int32_t half = 0; half < 2; ++half) {
        const int32_t member = firstMember + 2 * row + half;
        if (FloorCheckOk[member][v][s][i] != FloorCheckFails) continue;
        const int32_t colour = ClassColourScale[FloorCheckShade(FloorCheckRatio[member][v][s][i])];
        side.Box(canvas, colour, half == 0 ? a : m, half == 0 ? m : b, from, to);
      }
    }
  }
}

void DrawMarks(Canvas& canvas, const Frame& f, int32_t v, int32_t s, bool beamStress) {
  const int32_t x0 = ClampInt(UsedExtentMinX[v][s], 0, AxisLineCount - 1);
  const int32_t x1 = ClampInt(UsedExtentMaxX[v][s], 0, GridAxisCountX - 1);
  const int32_t y0 = ClampInt(UsedExtentMinY[v][s], 0, AxisLineCount - 1);
  const int32_t y1 = ClampInt(UsedExtentMaxY[v][s], 0, GridAxisCountY - 1);
  const double yb = AxisY(ModelExtentMaxY), xl = AxisX(ModelExtentMinX);
  const Side below{f, true, AxisX}, left{f, false, AxisY};
  if (beamStress) {
    DrawForces(canvas, below, v, s, x0, x1,
               {DiaphragmYFromLeftAtLines, DiaphragmYFromRightAtLines, DiaphragmYFromLeftAtMiddles,
                DiaphragmYFromRightAtMiddles},
               yb, 1);
    DrawForces(canvas, left, v, s, y0, y1,
               {DiaphragmXFromBelowAtLines, DiaphragmXFromAboveAtLines, DiaphragmXFromBelowAtMiddles,
                DiaphragmXFromAboveAtMiddles},
               xl, -1);
  }
  DrawFloorStrength(canvas, below, v, s, x0, x1, FloorCheckYFromLeftNear, yb, 1);
  DrawFloorStrength(canvas, left, v, s, y0, y1, FloorCheckXFromBelowNear, xl, -1);
}

}  // namespace

int32_t FloorCheckShade(double ratio) {
  if (std::isnan(ratio)) return 10;
  return ClampInt(10 - std::abs(ToViewUnits(10 * ratio)), 1, 10);
}

int32_t MemberForceClass(double force) {
  if (force <= 3) return 0;
  if (force <= 7.5) return 1;
  if (force <= 8.5) return 2;
  if (force <= 10.1) return 3;
  if (force <= 15.9) return 4;
  return 5;
}

void DrawFloorSpecs(Canvas& canvas, const PlanView& view) {
  if (view.EditMode != EditModeFloorSpec && view.EditMode != EditModeWalls) return;
  if (!ValidVariant(view.Variant) || !ValidStorey(view.Storey)) return;
  if (view.EditMode == EditModeFloorSpec) DrawSpecAreas(canvas, view);
  const Frame f{view};
  const bool beamStress = ProjectSettings.ShowBeamStress == SettingOn;
  DrawLegends(canvas, f, beamStress);
  DrawMarks(canvas, f, view.Variant, view.Storey, beamStress);
}
