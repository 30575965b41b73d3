#include <algorithm>
#include <cmath>

#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/RetrofitMarks.h"
#include "evaluation/HardwareClasses.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"
#include "report/ReportNValue.h"
#include "report/ReportPrinting.h"

namespace {

constexpr int32_t Black = 0x000000;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Grey = 0xC0C0C0;
constexpr int32_t Red = 0x0000FF;
constexpr int32_t ZeroStrengthFill = 0xE6E6E6;

const char16_t* const FrameAxisWords[2] = {u"Ｙ", u"Ｘ"};

int32_t ClampAxis(int32_t a) { return std::clamp(a, 0, GridAxisCountX - 1); }

FontDescription FrameFont(double ppm, double heightMm, double widthMm, int32_t weight,
                          int32_t escapement = 0) {
  FontDescription font;
  font.FaceName = ReportGothicFace;
  font.Height = MmToUnits(heightMm, ppm);
  font.Width = MmToUnits(widthMm, ppm);
  font.Weight = weight;
  font.Italic = 0;
  font.Escapement = escapement;
  font.CharSet = 128;
  return font;
}

// The fill class of a wall of strength s (kN); a negative or undefined
// strength is class 0.
int32_t WallFillClass(double s) {
  if (!(s > 0)) return 0;
  const double q = s / 1.2;
  return q >= WallClassCount - 1 ? WallClassCount - 1 : static_cast<int32_t>(q);
}

struct BlockContext {
  Canvas& canvas;
  double ppm;
  const FrameGeometry& g;
  int32_t direction;
  int32_t v;
  int32_t topStorey;
  bool snow;
  int32_t method;
};

// The frame's axes in drawing order: first, last, step.
void FrameAxes(const FrameGeometry& g, int32_t direction, int32_t& first, int32_t& last, int32_t& step) {
  if (direction == 0) {
    first = g.MinX, last = g.MaxX, step = 1;
  } else {
    first = g.MaxY, last = g.MinY, step = -1;
  }
}

void DrawBlock(BlockContext& b, int32_t line, int32_t left, int32_t top) {
  Canvas& canvas = b.canvas;
  const double ppm = b.ppm;
  const int32_t h = FrameBlockHeight(b.topStorey, ppm);
  const int32_t base = top + h;
  const auto at = [&](double mm) { return TruncToInt(base + mm * ppm); };
  const auto x = [&](int32_t a) { return FrameAxisPosition(b.g, b.direction, a, left); };
  int32_t first, last, step;
  FrameAxes(b.g, b.direction, first, last, step);
  const bool anyAxis = step > 0 ? first <= last : first >= last;

  // Box.
  canvas.SetPenColour(Grey);
  canvas.SetPenWidth(1);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.Rectangle(left, TruncToInt(top + 5 * ppm), TruncToInt(left + 90 * ppm), at(30));

  // Caption.
  canvas.SetFont(FrameFont(ppm, 3, 1.5, 400));
  canvas.SetFontColour(Black);
  const char16_t* lineName =
      b.direction == 0 ? GridAxisNameY[ClampAxis(line)] : GridAxisNameX[ClampAxis(line)];
  canvas.TextOut(TruncToInt(left + 40 * ppm), at(25), FormatW(u"%s 通り", lineName));

  // Axis row.
  if (anyAxis) {
    int32_t previous = -1;
    for (int32_t a = first;; a += step) {
      const int32_t kind = b.direction == 0 ? GridAxisKindX[a] : GridAxisKindY[a];
      const int32_t xa = x(a);
      bool drawGround = true;
      if (kind != 2) {
        canvas.SetPenColour(Black);
        canvas.SetPenWidth(1);
        canvas.SetBrushColour(White);
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.MoveTo(xa, at(10));
        canvas.LineTo(xa, at(18));
      }
      if (kind == 0) {
        canvas.Ellipse(TruncToInt(xa - 2 * ppm), at(18), TruncToInt(xa + 2 * ppm), at(21));
        canvas.SetFont(FrameFont(ppm, 1.5, 0.7, 400));
        const std::u16string name = FormatW(u"%s", b.direction == 0 ? GridAxisNameX[a] : GridAxisNameY[a]);
        canvas.TextOut(xa - canvas.TextWidth(name) / 2, at(18.7), name);
      }
      if (kind != 2) {
        canvas.SetBrushColour(Black);
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.SetPenWidth(1);
        canvas.Ellipse(TruncToInt(xa - 0.25 * ppm), at(13.75), TruncToInt(xa + 0.25 * ppm + 1),
                       TruncToInt(base + 14.25 * ppm + 1));
        if (previous < 0) {
          drawGround = false;
        } else {
          const int32_t xp = x(previous);
          canvas.MoveTo(xp, at(14));
          canvas.LineTo(xa, at(14));
          const double distance =
              b.direction == 0 ? GridAxisX[a] - GridAxisX[previous] : GridAxisY[previous] - GridAxisY[a];
          const std::u16string text = FormatW(u"%5.3f", distance);
          canvas.SetBrushColour(White);
          canvas.SetBrushStyle(BrushStyle::Solid);
          const int32_t mid = (xp + xa) / 2;
          if (distance * b.g.FrameScale > 3.5 * ppm) {
            canvas.SetFont(FrameFont(ppm, 1.5, 0.5, 400));
            canvas.TextOut(mid - canvas.TextWidth(text) / 2, at(12.4), text);
          } else {
            canvas.SetFont(FrameFont(ppm, 1.5, 0.5, 400, 900));
            canvas.TextOut(TruncToInt(mid - 0.75 * ppm), at(13.5), text);
          }
        }
        previous = a;
      }
      if (drawGround) {
        canvas.SetPenWidth(5);
        canvas.MoveTo(x(first), at(10));
        canvas.LineTo(x(last), at(10));
      }
      if (a == last) break;
    }
  }

  for (int32_t s = 0; s <= b.topStorey; ++s) {
    const int32_t bandTop = at(-3 - 13.0 * s);
    const int32_t bandBottom = at(10 - 13.0 * s);
    if (!anyAxis) continue;
    // Walls.
    const int32_t wallCount = std::clamp(WallCount[b.v][s], 0, MaxWallsPerStorey);
    for (int32_t a = first;; a += step) {
      canvas.SetPenColour(Black);
      canvas.SetPenWidth(1);
      canvas.SetBrushColour(Grey);
      canvas.SetBrushStyle(BrushStyle::Solid);
      for (int32_t w = 0; w < wallCount; ++w) {
        const WallRecord& wall = Walls[b.v][s][w];
        const bool onLine = b.direction == 0 ? wall.Y1 == line && wall.Y2 == line && wall.X1 == a
                                             : wall.X1 == line && wall.X2 == line && wall.Y1 == a;
        if (!onLine) continue;
        const int32_t end = ClampAxis(b.direction == 0 ? wall.X2 : wall.Y2);
        double sx, sy;
        if (b.snow) {
          sx = SnowWallResults[b.v][s][w].Blocks[0].StrengthX;
          sy = SnowWallResults[b.v][s][w].Blocks[0].StrengthY;
        } else {
          sx = WallResults[b.v][s][w].Blocks[0].StrengthX;
          sy = WallResults[b.v][s][w].Blocks[0].StrengthY;
        }
        const double strength = MaxDouble(sx, sy);
        canvas.SetBrushColour(strength == 0 ? ZeroStrengthFill : WallClassColours[WallFillClass(strength)]);
        const int32_t xs = x(a), xe = x(end);
        canvas.Rectangle(xs, bandTop, xe, bandBottom);
        if (wall.BraceKind >= 2 && wall.BraceKind <= 10) {
          canvas.SetPenColour(BraceColourOf(wall.BraceKind, wall.BraceEndJoint));
          canvas.SetPenWidth(4);
          if (wall.BraceKind <= 8) {
            if (wall.BraceArrangement == 0) {
              canvas.MoveTo(xe, bandTop);
              canvas.LineTo(xs, bandBottom);
            } else {
              canvas.MoveTo(xs, bandTop);
              canvas.LineTo(xe, bandBottom);
              canvas.MoveTo(xe, bandTop);
              canvas.LineTo(xs, bandBottom);
            }
          }
        }
      }
      if (a == last) break;
    }
    // Columns.
    const int32_t columnCount = std::clamp(ColumnCount[b.v][s], 0, MaxColumnsPerStorey);
    int32_t lo = std::max(first, last), hi = std::min(first, last);
    for (int32_t a = first;; a += step) {
      canvas.SetPenColour(Black);
      canvas.SetPenWidth(5);
      for (int32_t c = 0; c < columnCount; ++c) {
        const ColumnRecord& column = Columns[b.v][s][c];
        const bool onLine =
            b.direction == 0 ? column.Y == line && column.X == a : column.X == line && column.Y == a;
        if (!onLine) continue;
        lo = std::min(lo, a);
        hi = std::max(hi, a);
        double t, n;
        if (b.snow) {
          const ColumnSnowResult& r = ColumnSnowResults[b.v][s][c];
          t = MaxDouble(r.ToX, r.ToY);
          n = MaxDouble(r.NX, r.NY);
        } else {
          const ColumnResult& r = ColumnResults[b.v][s][c];
          t = MaxDouble(r.ToX, r.ToY);
          n = MaxDouble(r.NX, r.NY);
        }
        const HardwareClass demand = ClassifyJointDemand(b.method, t, n);
        const HardwareClass capacity = JointCapacityClassOfRow(column.Hardware);
        const int32_t xa = x(a);
        canvas.SetPenColour(DemandClassColour(demand));
        canvas.SetPenWidth(5);
        canvas.MoveTo(xa, bandTop);
        canvas.LineTo(xa, bandBottom);
        FontDescription symbolFont = FrameFont(ppm, 1.5, 0.75, 600);
        canvas.SetFont(symbolFont);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetFontColour(Black);
        canvas.TextOut(xa, at(3 - 13.0 * s), LabelAt(HardwareClassSymbols, HardwareClassCount, demand));
        if (demand > capacity) canvas.SetFontColour(Red);
        canvas.TextOut(xa, at(6 - 13.0 * s), LabelAt(HardwareClassSymbols, HardwareClassCount, capacity));
        canvas.SetFontColour(Black);
      }
      if (lo < hi) {
        canvas.SetPenColour(Black);
        canvas.SetPenWidth(5);
        canvas.MoveTo(x(lo), bandTop);
        canvas.LineTo(x(hi), bandTop);
        canvas.MoveTo(x(lo), bandBottom);
        canvas.LineTo(x(hi), bandBottom);
      }
      if (a == last) break;
    }
  }
}

}  // namespace

FrameGeometry FrameGeometryOf(double ppm) {
  FrameGeometry g{};
  g.MinX = WallExtentMinX, g.MaxX = WallExtentMaxX, g.MinY = WallExtentMinY, g.MaxY = WallExtentMaxY;
  // Columns standing beyond the walls (a porch post) widen the range, as the
  // walls do; without walls there is no axis row at all.
  if (g.MinX <= g.MaxX && g.MinY <= g.MaxY) {
    for (int v = 0; v < VariantCount; ++v)
      for (int s = 0; s < StoreyCount; ++s) {
        const int32_t count = std::clamp(ColumnCount[v][s], 0, MaxColumnsPerStorey);
        for (int32_t c = 0; c < count; ++c) {
          const ColumnRecord& column = Columns[v][s][c];
          if (column.X < 0 || column.X >= GridAxisCountX || column.Y < 0 || column.Y >= GridAxisCountY)
            continue;
          g.MinX = std::min(g.MinX, column.X), g.MaxX = std::max(g.MaxX, column.X);
          g.MinY = std::min(g.MinY, column.Y), g.MaxY = std::max(g.MaxY, column.Y);
        }
      }
  }
  g.MinX = ClampAxis(g.MinX), g.MaxX = ClampAxis(g.MaxX);
  g.MinY = ClampAxis(g.MinY), g.MaxY = ClampAxis(g.MaxY);
  const double span = MaxDouble(GridAxisX[g.MaxX] - GridAxisX[g.MinX], GridAxisY[g.MaxY] - GridAxisY[g.MinY]);
  const double fitted = 75 * ppm / span;
  const double limit = 20 * ppm;
  g.FrameScale = (fitted >= 0 && fitted <= limit) ? fitted : limit;
  g.OriginX = GridAxisX[g.MinX] - 10 * ppm / g.FrameScale;
  g.OriginY = GridAxisY[g.MaxY] + 10 * ppm / g.FrameScale;
  return g;
}

int32_t FrameAxisPosition(const FrameGeometry& g, int32_t direction, int32_t axis, int32_t left) {
  axis = ClampAxis(axis);
  if (direction == 0) return TruncToInt((GridAxisX[axis] - g.OriginX) * g.FrameScale + left);
  return TruncToInt((g.OriginY - GridAxisY[axis]) * g.FrameScale + left);
}

int32_t FrameBlockHeight(int32_t topStorey, double ppm) { return TruncToInt((topStorey + 1) * 13 * ppm); }

int32_t DrawNValueFrameDiagrams(PageSink& sink, double ppm, int32_t wantedPage) {
  const int32_t v = CurrentVariant >= 0 && CurrentVariant < VariantCount ? CurrentVariant : 0;
  const int32_t topStorey = std::clamp(ProjectSettings.TopStorey[v], 0, StoreyCount - 1);
  const FrameGeometry g = FrameGeometryOf(ppm);
  const int32_t h = FrameBlockHeight(topStorey, ppm);
  const bool pw = ProjectSettings.JointHardwareMethod == HardwareByConvertedNValue;
  PageFrame frame(sink, ppm, wantedPage);
  for (int32_t direction = 0; direction < 2; ++direction) {
    Canvas* canvas = &frame.BeginPage();
    frame.DrawTitle(FormatW(pw ? u"%s柱変換Ｎ値軸組図（%s通り）" : u"%s柱Ｎ値軸組図（%s通り）",
                            VariantTitlePrefixes[v], FrameAxisWords[direction]),
                    5, 2.5);
    frame.SelectFont(ReportGothicFace, 3, 1.2, 400);
    DrawTextMm(*canvas, ppm, 120, 10, u"（上段）：柱接合部の必要耐力　告示表３の記号で表示");
    DrawTextMm(*canvas, ppm, 120, 15, u"（下段）：柱接合部の許容耐力");
    if (frame.Printing() && PrintScale != 0) {
      // Beside the shorter second legend line: at 12 mm it stood over the
      // end of the first.
      frame.SelectBodyFont();
      DrawTextMm(*canvas, ppm, 160, 15, FormatW(u"SCALE = 1/%5.0f", ppm / g.FrameScale * 1000 / PrintScale));
    }
    const int32_t n = direction == 0 ? std::clamp(UsedAxisCountY[v], 0, GridAxisCountY)
                                     : std::clamp(UsedAxisCountX[v], 0, GridAxisCountX);
    const int32_t firstTop = TruncToInt(20 * ppm);
    int32_t top = firstTop;
    int32_t left = TruncToInt(20 * ppm);
    for (int32_t i = 0; i < n; ++i) {
      if (top > 235 * ppm) {
        if (frame.HandOver(true)) return frame.Result();
        canvas = &frame.BeginPage();
        top = firstTop;
      }
      const int32_t line = direction == 0 ? UsedAxesY[n - 1 - i] : UsedAxesX[i];
      BlockContext b{*canvas,
                     ppm,
                     g,
                     direction,
                     v,
                     topStorey,
                     ProjectSettings.SnowLoad != 0 && ProjectSettings.SnowCase != SnowCaseWithout,
                     ProjectSettings.JointHardwareMethod};
      DrawBlock(b, line, left, top);
      if (i % 2 == 0) {
        left = TruncToInt(left + 90 * ppm);
      } else {
        left = TruncToInt(20 * ppm);
        top = TruncToInt(top + h + 25 * ppm);
      }
    }
    if (frame.HandOver(direction == 0)) return frame.Result();
  }
  return frame.Result();
}
