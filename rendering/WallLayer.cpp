#include "rendering/WallLayer.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

#include "analysis/AnalysisResults.h"
#include "analysis/BuildingOutline.h"
#include "analysis/WallStrength.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/PlanView.h"
#include "rendering/WallSymbols.h"

namespace {

constexpr int32_t WallFontHeight = 12;
constexpr int32_t WallFontWidth = 6;
constexpr int32_t FontBlack = 0;

// Deterioration of the frame (the low two bits): 0 劣化, 1 部分, 2 なし; 3,
// which no editor gives, counts as deteriorated.
constexpr int32_t FrameStateBits = 3;
// Partition walls: WallType 8 or more.
constexpr int32_t PartitionWallType = 8;

// A text of the layer on the stack, formatted without the heap. Long enough
// for every text whole: four table symbols and two marks, or a strength of
// any size.
class WallText {
 public:
  std::u16string_view View() const { return {chars_, static_cast<std::size_t>(length_)}; }
  bool Empty() const { return length_ == 0; }
  void Append(std::u16string_view text) {
    for (char16_t c : text)
      if (length_ < Capacity) chars_[length_++] = c;
  }
  void AppendAscii(const char* first, const char* last, int32_t width) {
    for (int32_t pad = width - static_cast<int32_t>(last - first); pad > 0; --pad) Append(u" ");
    for (; first != last && length_ < Capacity; ++first) chars_[length_++] = static_cast<char16_t>(*first);
  }
  // "%<width>.2f"
  void AppendFixed(double v, int32_t width) {
    char digits[Capacity];
    const auto result = std::to_chars(digits, digits + Capacity, v, std::chars_format::fixed, 2);
    if (result.ec == std::errc{}) AppendAscii(digits, result.ptr, width);
  }
  // "%<width>i"
  void AppendInt(int32_t v, int32_t width) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, v);
    AppendAscii(digits, result.ptr, width);
  }

 private:
  static constexpr int32_t Capacity = 400;
  char16_t chars_[Capacity];
  int32_t length_ = 0;
};

void SetSolidPen(Canvas& canvas, int32_t colour, int32_t width) {
  canvas.SetPenColour(colour);
  canvas.SetPenWidth(width);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Copy);
}

bool SnowShown() { return ProjectSettings.SnowLoad != 0 && ProjectSettings.SnowCase != SnowCaseWithout; }

// The strength written below a wall: its base strength from the element
// tables, or the reduced strength where the settings ask for it.
double ShownStrength(const PlanView& view, int32_t wallIndex, const WallRecord& wall,
                     const WallCaseResult& result) {
  const bool reduced = ProjectSettings.ShowReducedStrength == ShowReducedStrengths ||
                       (ProjectSettings.DiagnosisMethod == DiagnosisGeneral &&
                        ProjectSettings.OpeningWallBasis == OpeningWallsByLength && wall.OpeningKind != 0);
  if (reduced) {
    if (result.EffectiveLength == 0) return 0;
    if (SnowShown()) return SnowWallResults[view.Variant][view.Storey][wallIndex].Blocks[0].ReducedStrength;
    return result.ReducedStrength;
  }
  const int32_t deterioration =
      ProjectSettings.Revision == Revision2012 ? (wall.Deterioration & FrameStateBits) : wall.Deterioration;
  return CalcWallStrength(WallElementArgsOf(wall, result.EffectiveLength, BraceTableUndirected, view.Storey,
                                            result.LeftPanelJoined, result.RightPanelJoined, deterioration,
                                            0));
}

void ElementLabelOf(const WallRecord& wall, WallText& label) {
  char16_t text[ElementLabelCapacity];
  const int32_t n = ::ElementLabelOf(wall, text);
  label.Append({text, static_cast<std::size_t>(n)});
}

// The texts of a wall: the label or retrofit number above its middle, the
// strength below, written along the wall.
void DrawWallTexts(Canvas& canvas, const PlanView& view, int32_t wallIndex, const WallRecord& wall,
                   const WallCaseResult& result, const WallFrame& frame) {
  canvas.SetFont(PlanFont(WallFontHeight, WallFontWidth, WallTextEscapement(frame)));
  canvas.SetFontColour(FontBlack);
  canvas.SetBrushColour(LabelBackColour);
  canvas.SetBrushStyle(BrushStyle::Clear);

  const double m = frame.Unit;
  const double e = std::fabs(frame.Gamma.Y);
  double f = std::fabs(frame.Gamma.X);
  const double dx = frame.P2.X - frame.P1.X, dy = frame.P2.Y - frame.P1.Y;
  if (dx != 0 && dy != 0 && (dx > 0) == (dy > 0)) f = -f;
  const WallVector middle = (frame.P1 + frame.P2) / 2;
  const WallVector above = middle - 1.5 * WallVector{f, e};
  const WallVector below = middle + WallVector{f, e} + WallVector{5, 5};

  const auto writeAbove = [&](std::u16string_view text) {
    const int32_t h = canvas.TextWidth(text) / 2;
    canvas.TextOut(ToViewUnits(above.X - ToViewUnits(h * e / m + 12 * f / m)),
                   ToViewUnits(above.Y - ToViewUnits(-h * f / m + 12 * e / m)), text);
  };
  if (ProjectSettings.ShowWallElements == ShowRetrofitNumbers) {
    if (result.WallNumber != 0) {
      WallText number;
      number.Append(u"[");
      number.AppendInt(result.WallNumber, 2);
      number.Append(u"]");
      writeAbove(number.View());
    }
  } else if (ProjectSettings.ShowWallElements == ShowWallElementLabels) {
    WallText label;
    ElementLabelOf(wall, label);
    if (!label.Empty()) writeAbove(label.View());
  }
  if (ProjectSettings.ShowWallStrength == SettingOn) {
    const double v = ShownStrength(view, wallIndex, wall, result);
    if (v > 0) {
      WallText strength;
      strength.AppendFixed(v, 5);
      const int32_t h = canvas.TextWidth(strength.View()) / 2;
      canvas.TextOut(ToViewUnits(below.X - ToViewUnits(h * e / m)),
                     ToViewUnits(below.Y - ToViewUnits(-h * f / m)), strength.View());
    }
  }
}

// Beyond this many view units from a wall's ends none of its texts reaches
// (a label of four full-width symbols and two marks, 12 px high, 5 px moved).
constexpr double TextReach = 220;

void DrawWall(Canvas& canvas, const PlanView& view, int32_t k, bool texts) {
  const int32_t v = view.Variant, s = view.Storey;
  const WallRecord& wall = Walls[v][s][k];
  if (!OnGrid(wall.X1, wall.Y1) || !OnGrid(wall.X2, wall.Y2)) return;
  const double m = view.UnitsPerMetre / 9;
  const WallVector p1{view.ScaledX(GridAxisX[wall.X1]), view.ScaledY(GridAxisY[wall.Y1])};
  const WallVector p2{view.ScaledX(GridAxisX[wall.X2]), view.ScaledY(GridAxisY[wall.Y2])};
  const int32_t symbol = wall.OpeningKind == 0 ? 0 : wall.FittingSymbol;
  const bool swings = symbol >= 5 && symbol <= 8;
  const double length = std::hypot(p2.X - p1.X, p2.Y - p1.Y);
  // The bays reach 6 m out, a door's swing its opening's length.
  const double reach = 7 * m + 4 + (swings ? length : 0) + (texts ? TextReach : 0);
  if (!canvas.MayShow(ToViewUnits(std::fmin(p1.X, p2.X) - reach), ToViewUnits(std::fmin(p1.Y, p2.Y) - reach),
                      ToViewUnits(std::fmax(p1.X, p2.X) + reach), ToViewUnits(std::fmax(p1.Y, p2.Y) + reach)))
    return;
  const WallFrame frame =
      MakeWallFrame(p1, p2, m, wall.WingWallStart * view.UnitsPerMetre, wall.WingWallEnd * view.UnitsPerMetre,
                    wall.FlipInOut == 1, wall.FlipLeftRight == 1);
  if (!frame.Drawable) return;

  const WallCaseResult& result = WallResults[v][s][k].Blocks[0];
  const bool known =
      (wall.NoStrength == 0 || wall.NoStrength == 1) && wall.OpeningKind >= 0 && wall.OpeningKind <= 3;
  const int32_t partition = result.WallType >= PartitionWallType ? 1 : 0;
  const int32_t lineColour =
      known ? WallLineColours[8 * wall.NoStrength + 4 * partition + wall.OpeningKind] : WallLineColours[0];
  const int32_t markColour = ColourAt(WallTypeColours, result.WallType, WallTypeColours[0]);

  const int32_t band = WallBandColour(wall, result, view.Variant != CurrentState);
  SetSolidPen(canvas, band, 2);
  canvas.SetBrushColour(band);
  canvas.SetBrushStyle(BrushStyle::Solid);
  DrawWallBand(canvas, frame);

  SetSolidPen(canvas, lineColour, 1);
  DrawFittingSymbol(canvas, frame, symbol, wall.OpeningKind, lineColour, markColour);

  if (wall.MudWallKind >= 2 && wall.MudWallKind <= 5) {
    SetSolidPen(canvas, MudWallColour, ToViewUnits(m * wall.MudWallKind / 5));
    DrawMudWallLine(canvas, frame);
  }
  if (wall.BraceKind >= 2 && wall.BraceKind <= 10) {
    const int32_t colour = BraceColourOf(wall.BraceKind, wall.BraceEndJoint);
    SetSolidPen(canvas, colour, 1);
    canvas.SetBrushColour(colour);
    canvas.SetBrushStyle(BrushStyle::Solid);
    DrawBraceWedges(canvas, frame, wall.BraceKind, wall.BraceArrangement);
  }
  for (const auto& [row, face] :
       {std::pair{wall.PanelLeft, WallFace::Left}, std::pair{wall.PanelRight, WallFace::Right}}) {
    if (row < 2 || row >= PanelTableRows) continue;
    SetSolidPen(canvas, PanelColours[row], PanelPenWidth(PanelTable[row].Strength));
    DrawPanelLine(canvas, frame, face, PanelTable[row].DisplayKind);
  }

  if (!texts) return;
  if (wall.OpeningKind != 0 && ProjectSettings.DiagnosisMethod == DiagnosisGeneral &&
      ProjectSettings.OpeningWallBasis != OpeningWallsByLength)
    return;
  DrawWallTexts(canvas, view, k, wall, result, frame);
}

// Side zones: per grid interval the opening kind of the outermost wall of
// each side, in a 5-pixel strip half a metre outside the used extent.
void DrawSideZones(Canvas& canvas, const PlanView& view) {
  const int32_t v = view.Variant, s = view.Storey;
  const auto x = [&](double metres) { return ToViewUnits(view.ScaledX(metres)); };
  const auto y = [&](double metres) { return ToViewUnits(view.ScaledY(metres)); };
  const int32_t minX = ModelExtentMinX, maxX = ModelExtentMaxX, minY = ModelExtentMinY,
                maxY = ModelExtentMaxY;
  canvas.SetPenWidth(5);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Mask);
  const auto strip = [&](int32_t side, int32_t interval, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (interval < 0 || interval >= OutlineIntervalCount) return;
    const int32_t kind = OutlineWallIndex[side][v][s][interval];
    if (!HasColour(OpeningKindColours, kind)) return;
    canvas.SetPenColour(OpeningKindColours[kind]);
    canvas.SetBrushColour(OpeningKindColours[kind]);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  for (int32_t i = minX; i < maxX; ++i) {
    strip(OutlineSideTop, i, x(AxisX(i)), y(AxisY(minY) - 0.5), x(AxisX(i + 1)), y(AxisY(minY) - 0.5));
    strip(OutlineSideBottom, i, x(AxisX(i)), y(AxisY(maxY) + 0.5), x(AxisX(i + 1)), y(AxisY(maxY) + 0.5));
  }
  for (int32_t j = minY; j < maxY; ++j) {
    strip(OutlineSideLeft, j, x(AxisX(minX) - 0.5), y(AxisY(j)), x(AxisX(minX) - 0.5), y(AxisY(j + 1)));
    strip(OutlineSideRight, j, x(AxisX(maxX) + 0.5), y(AxisY(j)), x(AxisX(maxX) + 0.5), y(AxisY(j + 1)));
  }

  // The ratio of each side at one end of its strip, continuing it away from the plan.
  canvas.SetBrushColour(SideZoneTextColour);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetFontColour(FontBlack);
  const struct {
    int32_t Escapement;
    int32_t X, Y;
  } places[OutlineSideCount] = {
      {1800, x(AxisX(minX)), y(AxisY(minY) - 0.5)},
      {0, x(AxisX(maxX)), y(AxisY(maxY) + 0.5)},
      {2700, x(AxisX(minX) - 0.5), y(AxisY(maxY))},
      {900, x(AxisX(maxX) + 0.5), y(AxisY(minY))},
  };
  for (int32_t side = 0; side < OutlineSideCount; ++side) {
    const double total = OuterWallLength[side][v][s];
    if (total == 0) continue;
    const double solid = OuterSolidWallLength[side][v][s];
    WallText ratio;
    ratio.AppendFixed(solid, 5);
    ratio.Append(u" / ");
    ratio.AppendFixed(total, 5);
    ratio.Append(u" = ");
    ratio.AppendFixed(100 * solid / total, 5);
    ratio.Append(u"%");
    canvas.SetFont(PlanFont(WallFontHeight, WallFontWidth, places[side].Escapement));
    canvas.TextOut(places[side].X, places[side].Y, ratio.View());
  }
}

}  // namespace

void DrawWalls(Canvas& canvas, const PlanView& view) {
  if (!ValidVariant(view.Variant) || !ValidStorey(view.Storey)) return;
  if (ProjectSettings.OpeningWallBasis == OpeningWallsByRatio) DrawSideZones(canvas, view);
  const int32_t count = WallCountOf(view.Variant, view.Storey);
  const bool texts = view.EditMode == EditModeWalls;
  for (int32_t k = 0; k < count; ++k) DrawWall(canvas, view, k, texts);
}

int32_t OtherStoreyWallClass(double strength) {
  const double c = strength / 1.2;
  if (!(c > 0)) return 0;
  return c >= WallClassCount - 1 ? WallClassCount - 1 : ToViewUnits(c);
}

void DrawOtherStoreyWalls(Canvas& canvas, const PlanView& view) {
  if (!ValidVariant(view.Variant)) return;
  const int32_t v = view.Variant;
  const bool foundation = view.EditMode == EditModeFoundation;
  const bool bands = view.EditMode == EditModeWalls && ProjectSettings.ShowOtherStoreyWalls == SettingOn;
  const bool snow = SnowShown();
  const int32_t wide = ToViewUnits(view.UnitsPerMetre / 2);
  for (int32_t s = 0; s < StoreyCount; ++s) {
    if ((s == view.Storey) != foundation) continue;
    const int32_t count = WallCountOf(v, s);
    canvas.SetPenColour(WallClassColours[0]);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenMode(PenMode::Copy);
    const auto ends = [&](const WallRecord& wall, CanvasPoint& a, CanvasPoint& b) {
      if (!OnGrid(wall.X1, wall.Y1) || !OnGrid(wall.X2, wall.Y2)) return false;
      a = {ToViewUnits(view.ScaledX(GridAxisX[wall.X1])), ToViewUnits(view.ScaledY(GridAxisY[wall.Y1]))};
      b = {ToViewUnits(view.ScaledX(GridAxisX[wall.X2])), ToViewUnits(view.ScaledY(GridAxisY[wall.Y2]))};
      const int32_t r = wide > 3 ? wide : 3;
      return canvas.MayShow((a.X < b.X ? a.X : b.X) - r, (a.Y < b.Y ? a.Y : b.Y) - r,
                            (a.X > b.X ? a.X : b.X) + r + 1, (a.Y > b.Y ? a.Y : b.Y) + r + 1);
    };
    if (bands) {
      for (int32_t k = 0; k < count; ++k) {
        double a, b;
        if (snow) {
          const SnowWallCaseResult& r = SnowWallResults[v][s][k].Blocks[0];
          a = r.StrengthX, b = r.StrengthY;
        } else {
          const WallCaseResult& r = WallResults[v][s][k].Blocks[0];
          a = r.StrengthX, b = r.StrengthY;
        }
        const double strength = b > a ? b : a;
        canvas.SetPenWidth(strength > 0 ? wide : 3);
        canvas.SetPenColour(WallClassColours[OtherStoreyWallClass(strength)]);
        CanvasPoint p1, p2;
        if (!ends(Walls[v][s][k], p1, p2)) continue;
        canvas.MoveTo(p1.X, p1.Y);
        canvas.LineTo(p2.X, p2.Y);
      }
    }
    canvas.SetPenColour(foundation ? RgbColour(0, 0, 0) : WallClassColours[0]);
    canvas.SetPenWidth(3);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenMode(PenMode::Copy);
    for (int32_t k = 0; k < count; ++k) {
      CanvasPoint p1, p2;
      if (!ends(Walls[v][s][k], p1, p2)) continue;
      canvas.MoveTo(p1.X, p1.Y);
      canvas.LineTo(p2.X, p2.Y);
    }
  }
}
