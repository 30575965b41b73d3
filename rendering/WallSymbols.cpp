#include "rendering/WallSymbols.h"

#include <cmath>
#include <initializer_list>

#include "analysis/AnalysisResults.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/GridView.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"

namespace {

constexpr double Pi = 3.141592654;
const double Sin60 = std::sin(Pi / 3);
const double Sin75 = std::sin(5 * Pi / 12);
const double Cos75 = std::cos(5 * Pi / 12);

// Opening kinds.
constexpr int32_t OpeningWindow = 1;
constexpr int32_t OpeningDoor = 2;
constexpr int32_t OpeningFull = 3;

double SignOf(double v) { return v > 0 ? 1.0 : v < 0 ? -1.0 : 0.0; }

bool Finite(WallVector v) { return std::isfinite(v.X) && std::isfinite(v.Y); }

void Segment(Canvas& canvas, WallVector from, WallVector to) {
  const CanvasPoint a = WallPixel(from), b = WallPixel(to);
  canvas.MoveTo(a.X, a.Y);
  canvas.LineTo(b.X, b.Y);
}

// tick(X, k): across the wall along the fixed normal, k mark units either side.
void Tick(Canvas& canvas, const WallFrame& f, WallVector at, double k) {
  Segment(canvas, at - k * f.Gamma, at + k * f.Gamma);
}

void Outline(Canvas& canvas, const WallFrame& f) {
  const WallVector a = f.Alpha, b = f.Beta;
  Segment(canvas, f.P1 + a - b, f.P2 - a - b);
  Segment(canvas, f.P1 + a + b, f.P2 - a + b);
}

void Jambs(Canvas& canvas, const WallFrame& f) {
  const WallVector a = f.Alpha, b = f.Beta;
  Segment(canvas, f.Q1 + a - b, f.Q1 + a + b);
  Segment(canvas, f.Q2 - a - b, f.Q2 - a + b);
}

// The tick size of an opening kind: 1 for windows, 2 for doors and full
// openings, 0 (no ticks) otherwise.
double TickSize(int32_t openingKind) {
  if (openingKind == OpeningWindow) return 1;
  if (openingKind == OpeningDoor || openingKind == OpeningFull) return 2;
  return 0;
}

bool DoorLike(int32_t openingKind) { return openingKind == OpeningDoor || openingKind == OpeningFull; }

// An arc of radius r about hinge h between the rays toward p and q, always
// sweeping the smaller angle: the canvas runs counter-clockwise from start
// to end, so the start is the end point the cross product puts first.
void SwingArc(Canvas& canvas, WallVector h, double r, WallVector p, WallVector q) {
  if (!(r > 0)) return;
  const CanvasPoint hp = WallPixel(h), pp = WallPixel(p), qp = WallPixel(q);
  const double c =
      static_cast<double>(pp.X - hp.X) * (qp.Y - hp.Y) - static_cast<double>(pp.Y - hp.Y) * (qp.X - hp.X);
  const CanvasPoint start = c < 0 ? pp : qp;
  const CanvasPoint end = c < 0 ? qp : pp;
  canvas.Arc(ToViewUnits(h.X + 1 - r), ToViewUnits(h.Y + 1 - r), ToViewUnits(h.X + 1 + r + 1),
             ToViewUnits(h.Y + 1 + r + 1), start.X, start.Y, end.X, end.Y);
}

// The two bays' outline beside the opening, the bay's double front four mark
// units out, the jambs and the bay's sides (symbols 10 and 11).
void BayLines(Canvas& canvas, const WallFrame& f) {
  const WallVector a = f.Alpha, b = f.Beta;
  const double s = f.SideInOut;
  Segment(canvas, f.P1 + a - b, f.Q1 + a - b);
  Segment(canvas, f.P1 + a + b, f.Q1 + a + b);
  Segment(canvas, f.P2 - a - b, f.Q2 - a - b);
  Segment(canvas, f.P2 - a + b, f.Q2 - a + b);
  Segment(canvas, f.Q1 + a - (4 * s + 0.5) * b, f.Q2 - a - (4 * s + 0.5) * b);
  Segment(canvas, f.Q1 + a - (4 * s - 0.5) * b, f.Q2 - a - (4 * s - 0.5) * b);
  Jambs(canvas, f);
  Segment(canvas, f.Q1 + a - (4.5 * s) * b, f.Q1 + a - s * b);
  Segment(canvas, f.Q2 - a - (4.5 * s) * b, f.Q2 - a - s * b);
}

// Symbols 5..8: leaves and swing arcs of hinged and folding doors.
void HingedDoor(Canvas& canvas, const WallFrame& f) {
  const WallVector a = f.Alpha, b = f.Beta;
  const double sio = f.SideInOut, slr = f.SideLeftRight, m = f.Unit;
  const double r = f.Length - 2 * m;
  const WallVector h = f.F2 - slr * a - sio * b;
  const WallVector p = f.M - sio * (Sin60 * r / m + 1) * b;
  Segment(canvas, p, h);
  SwingArc(canvas, h, r, p, f.F1 - sio * b);
}

void DoubleHingedDoor(Canvas& canvas, const WallFrame& f) {
  const WallVector a = f.Alpha, b = f.Beta;
  const double sio = f.SideInOut, slr = f.SideLeftRight, m = f.Unit;
  const double r = std::sqrt(f.D.X * f.D.X / 4 + f.D.Y * f.D.Y / 4) - m;
  const double k = Sin60 * r / m + 1;
  const WallVector h2 = f.F2 - slr * a - sio * b;
  const WallVector h1 = f.F1 + slr * a - sio * b;
  const WallVector p2 = (f.M + f.F2) / 2 - sio * k * b;
  const WallVector p1 = (f.M + f.F1) / 2 - sio * k * b;
  Segment(canvas, p2, h2);
  Segment(canvas, p1, h1);
  const WallVector q = f.M - sio * b;
  SwingArc(canvas, h2, r, p2, q);
  SwingArc(canvas, h1, r, p1, q);
}

// One folding door hinged at `end` (F2 with along = -s_lr alpha, F1 with
// +s_lr alpha): its two leaves; returns the fold point.
WallVector FoldingLeaves(Canvas& canvas, const WallFrame& f, WallVector end, WallVector along, double r,
                         WallVector& hinge) {
  const WallVector b = f.Beta;
  const double sio = f.SideInOut, m = f.Unit;
  const double kw = Cos75 * r / m + 1;
  const double kv = Sin75 * r / m + 1;
  hinge = end + along - sio * b;
  const WallVector k = end + kw * along - sio * kv * b;
  Segment(canvas, k, hinge);
  Segment(canvas, k, end + 2 * kw * along - sio * b);
  return k;
}

void FoldingDoor(Canvas& canvas, const WallFrame& f) {
  const double r = f.Length / 2 - f.Unit;
  WallVector h;
  const WallVector k = FoldingLeaves(canvas, f, f.F2, -f.SideLeftRight * f.Alpha, r, h);
  SwingArc(canvas, h, r, k, f.M - f.SideInOut * f.Beta);
}

void DoubleFoldingDoor(Canvas& canvas, const WallFrame& f) {
  const double r = std::sqrt(f.D.X * f.D.X / 16 + f.D.Y * f.D.Y / 16) - f.Unit;
  WallVector h2, h1;
  const WallVector k2 = FoldingLeaves(canvas, f, f.F2, -f.SideLeftRight * f.Alpha, r, h2);
  const WallVector k1 = FoldingLeaves(canvas, f, f.F1, f.SideLeftRight * f.Alpha, r, h1);
  const WallVector q = f.M - f.SideInOut * f.Beta;
  SwingArc(canvas, h2, r, k2, q);
  SwingArc(canvas, h1, r, k1, q);
}

// Symbol 9: a zigzag of twelve steps over the half of the opening from F1 to
// the middle, four fifths of a mark unit to either side.
void ScreenZigzag(Canvas& canvas, const WallFrame& f) {
  static constexpr int32_t Pattern[12] = {0, 1, 0, -1, 0, 1, 0, -1, 0, 1, 0, -1};
  const WallVector a = f.Alpha, b = f.Beta;
  const double sio = f.SideInOut, slr = f.SideLeftRight;
  const WallVector step = (f.F1 - f.M + (5.0 / 3) * slr * a) / 12;
  const WallVector start = f.F1 + slr * a;
  for (int32_t i = 0; i < 12; ++i) {
    const CanvasPoint z = WallPixel(start - 0.8 * sio * Pattern[i] * b - i * step);
    if (i == 0)
      canvas.MoveTo(z.X, z.Y);
    else
      canvas.LineTo(z.X, z.Y);
  }
  const CanvasPoint last = WallPixel(f.M - (2.0 / 3) * slr * a);
  canvas.LineTo(last.X, last.Y);
}

}  // namespace

CanvasPoint WallPixel(WallVector p) { return {ToViewUnits(p.X + 1), ToViewUnits(p.Y + 1)}; }

WallFrame MakeWallFrame(WallVector p1, WallVector p2, double unit, double wingStart, double wingEnd,
                        bool flipInOut, bool flipLeftRight) {
  WallFrame f;
  f.P1 = p1;
  f.P2 = p2;
  f.Unit = unit;
  const WallVector w = p2 - p1;
  const double length = std::sqrt(w.X * w.X + w.Y * w.Y);
  if (!Finite(p1) || !Finite(p2) || !std::isfinite(unit) || !(unit > 0) || !(length > 0) ||
      !std::isfinite(length))
    return f;
  f.Drawable = true;

  // Wing walls that no editor gives (negative, or longer than the wall
  // together) would turn the opening inside out: clamp them to the wall.
  const double start = wingStart > 0 ? (wingStart < length ? wingStart : length) : 0;
  const double room = length - start;
  const double end = wingEnd > 0 ? (wingEnd < room ? wingEnd : room) : 0;
  f.Q1 = start != 0 ? p1 + start * (w / length) : p1;
  f.Q2 = end != 0 ? p2 - end * (w / length) : p2;
  f.M = (f.Q1 + f.Q2) / 2;
  f.D = f.Q2 - f.Q1;
  f.Length = std::sqrt(f.D.X * f.D.X + f.D.Y * f.D.Y);

  // The opening lies on the wall: its slope is the wall's.
  const double m = unit;
  if (w.X == 0) {
    f.Slope = -Pi / 2;
    f.Gamma = {m, 0};
    f.Delta = {0, -m};
  } else if (w.Y == 0) {
    f.Slope = 0;
    f.Gamma = {0, m};
    f.Delta = {m, 0};
  } else {
    f.Slope = std::atan(w.Y / w.X);
    f.Gamma = {-m * std::sin(f.Slope), m * std::cos(f.Slope)};
    f.Delta = {m * std::cos(f.Slope), m * std::sin(f.Slope)};
  }
  f.Alpha = {std::fabs(f.Gamma.Y) * SignOf(w.X), std::fabs(f.Gamma.X) * SignOf(w.Y)};
  f.Beta = {-f.Alpha.Y, f.Alpha.X};

  f.SideInOut = flipInOut ? -1 : 1;
  f.SideLeftRight = flipLeftRight ? -1 : 1;
  f.F1 = flipLeftRight ? f.Q2 : f.Q1;
  f.F2 = flipLeftRight ? f.Q1 : f.Q2;
  return f;
}

void DrawWallBand(Canvas& canvas, const WallFrame& f) {
  if (!f.Drawable) return;
  const WallVector a = f.Alpha, b = f.Beta;
  const CanvasPoint corners[4] = {WallPixel(f.P1 + a + b), WallPixel(f.P2 - a + b), WallPixel(f.P2 - a - b),
                                  WallPixel(f.P1 + a - b)};
  canvas.Polygon(corners, 4);
}

namespace {

// 出窓2 (10) and 出窓4 (11): the bay's lines and its sashes out in front of the wall.
void DrawBayWindowSymbol(Canvas& canvas, const WallFrame& f, int32_t symbol, int32_t openingKind,
                         int32_t markColour, double ticks) {
  const WallVector a = f.Alpha, b = f.Beta, M = f.M, F1 = f.F1, F2 = f.F2;
  const double sio = f.SideInOut, slr = f.SideLeftRight;
  const WallVector quarter1 = (f.Q1 + M) / 2, quarter2 = (f.Q2 + M) / 2;
  const auto tick = [&](WallVector at, double k) { Tick(canvas, f, at, k); };
  const auto seg = [&](WallVector from, WallVector to) { Segment(canvas, from, to); };
  BayLines(canvas, f);
  canvas.SetPenColour(markColour);
  const double out25 = 25.0 / 6 * sio, out23 = 23.0 / 6 * sio;
  if (symbol == 10) {
    seg(F1 + slr * a - out25 * b, M + (2.0 / 3) * slr * a - out25 * b);
    seg(M - (2.0 / 3) * slr * a - out23 * b, F2 - slr * a - out23 * b);
  } else {
    seg(F1 + slr * a - out25 * b, (M + F1) / 2 + (2.0 / 3) * slr * a - out25 * b);
    seg((M + F2) / 2 - (2.0 / 3) * slr * a - out25 * b, F2 - slr * a - out25 * b);
    seg((M + F1) / 2 - (2.0 / 3) * slr * a - out23 * b, (M + F2) / 2 + (2.0 / 3) * slr * a - out23 * b);
  }
  const WallVector bay = -4 * sio * b;
  if (ticks == 0) return;
  tick(M + bay, ticks);
  if (openingKind == OpeningWindow) seg(f.P1 + a + sio * b, f.P2 - a + sio * b);
  if (symbol == 11) {
    tick(quarter1 + bay, ticks);
    tick(quarter2 + bay, ticks);
  }
}

}  // namespace

void DrawFittingSymbol(Canvas& canvas, const WallFrame& f, int32_t symbol, int32_t openingKind,
                       int32_t lineColour, int32_t markColour) {
  if (!f.Drawable || symbol < 0 || symbol >= FittingSymbolCount) return;
  const WallVector a = f.Alpha, b = f.Beta, M = f.M, F1 = f.F1, F2 = f.F2;
  const double sio = f.SideInOut, slr = f.SideLeftRight;
  const double ticks = TickSize(openingKind);
  const WallVector quarter1 = (f.Q1 + M) / 2, quarter2 = (f.Q2 + M) / 2;
  const auto tick = [&](WallVector at, double k) { Tick(canvas, f, at, k); };
  const auto seg = [&](WallVector from, WallVector to) { Segment(canvas, from, to); };

  canvas.SetPenColour(lineColour);
  switch (symbol) {
    case 0:  // 簡易表示
      Outline(canvas, f);
      canvas.SetPenColour(markColour);
      if (openingKind == OpeningWindow) {
        tick(M, 1);
        seg(f.P1 + a - b / 5, M + (2.0 / 3) * a - b / 5);
        seg(M - (2.0 / 3) * a + b / 5, f.P2 - a + b / 5);
      } else if (openingKind == OpeningDoor) {
        tick(M, 2);
        // Along alpha, so that the line stays inside the band whichever end
        // was picked first.
        seg(f.P1 + a, f.P2 - a);
      }
      return;
    case 1:  // 引き違い
      Outline(canvas, f);
      Jambs(canvas, f);
      canvas.SetPenColour(markColour);
      seg(F1 + slr * a - (sio / 5) * b, M + (2.0 / 3) * slr * a - (sio / 5) * b);
      seg(M - (2.0 / 3) * slr * a + (sio / 5) * b, F2 - slr * a + (sio / 5) * b);
      if (ticks > 0) tick(M, ticks);
      return;
    case 2: {  // １本引き
      Outline(canvas, f);
      Jambs(canvas, f);
      seg(F1 + slr * a - (0.4 * sio) * b, M + (2.0 / 3) * slr * a - (0.4 * sio) * b);
      seg(M - slr * a, F2 - slr * a);
      canvas.SetPenColour(markColour);
      seg(M - slr * a, M - slr * a + sio * b);
      canvas.SetPenStyle(PenStyle::Dot);
      seg(M + (2.0 / 3) * slr * a - (0.4 * sio) * b, F2 - slr * a - (0.4 * sio) * b);
      canvas.SetPenStyle(PenStyle::Solid);
      if (DoorLike(openingKind)) {
        const WallVector f1Cut = {std::trunc(F1.X), std::trunc(F1.Y)};
        tick((f1Cut + M) / 2, 2);
      }
      return;
    }
    case 3:  // ４本引違
      Outline(canvas, f);
      Jambs(canvas, f);
      canvas.SetPenColour(markColour);
      seg(F1 + slr * a - (sio / 5) * b, (M + F1) / 2 + (2.0 / 3) * slr * a - (sio / 5) * b);
      seg((M + F2) / 2 - (2.0 / 3) * slr * a - (sio / 5) * b, F2 - slr * a - (sio / 5) * b);
      seg((M + F1) / 2 - (2.0 / 3) * slr * a + (sio / 5) * b,
          (M + F2) / 2 + (2.0 / 3) * slr * a + (sio / 5) * b);
      if (ticks > 0) {
        tick(M, ticks);
        tick(quarter1, ticks);
        tick(quarter2, ticks);
      }
      return;
    case 4: {  // ３本引き
      Outline(canvas, f);
      Jambs(canvas, f);
      canvas.SetPenColour(markColour);
      const WallVector A = (2 * F1 + F2) / 3, B = (F1 + 2 * F2) / 3;
      seg(F1 + slr * a - (sio / 5) * b, A + (2.0 / 3) * slr * a - (sio / 5) * b);
      seg(B - (2.0 / 3) * slr * a - (sio / 5) * b, F2 - slr * a - (sio / 5) * b);
      seg(A - (2.0 / 3) * slr * a + (sio / 5) * b, B + (2.0 / 3) * slr * a + (sio / 5) * b);
      if (ticks > 0) {
        tick(A, ticks);
        tick(B, ticks);
      }
      return;
    }
    case 5:  // 片開き
    case 6:  // 両開き
    case 7:  // 片折れ戸
    case 8:  // 両折れ戸
    case 9:  // スクリーン
      Outline(canvas, f);
      Jambs(canvas, f);
      canvas.SetPenColour(markColour);
      if (symbol == 5) HingedDoor(canvas, f);
      if (symbol == 6) DoubleHingedDoor(canvas, f);
      if (symbol == 7) FoldingDoor(canvas, f);
      if (symbol == 8) DoubleFoldingDoor(canvas, f);
      if (symbol == 9) {
        seg(M + (2.0 / 3) * slr * a, M - (2.0 / 3) * slr * a);
        ScreenZigzag(canvas, f);
      }
      if (DoorLike(openingKind)) tick(M, 2);
      return;
    case 10:  // 出窓2
    case 11:  // 出窓4
      DrawBayWindowSymbol(canvas, f, symbol, openingKind, markColour, ticks);
      return;
    default:
      return;
  }
}

void DrawMudWallLine(Canvas& canvas, const WallFrame& f) {
  if (!f.Drawable) return;
  Segment(canvas, f.P1 + f.Alpha, f.P2 - f.Alpha);
}

void DrawBraceWedges(Canvas& canvas, const WallFrame& f, int32_t braceKind, int32_t arrangement) {
  if (!f.Drawable || braceKind < 2 || braceKind > 10) return;
  const WallVector a = f.Alpha, b = f.Beta, P1 = f.P1, P2 = f.P2, M = f.M;
  const WallVector U = (P1 + M) / 2, V = (P2 + M) / 2;
  const auto polygon = [&](std::initializer_list<WallVector> points) {
    CanvasPoint corners[4];
    int32_t n = 0;
    for (WallVector p : points) corners[n++] = WallPixel(p);
    canvas.Polygon(corners, n);
  };
  if (braceKind <= 8) {
    if (arrangement == 0) {
      polygon({V + 0.75 * (a - b), U - 0.75 * a, V + 0.75 * (a + b)});
    } else {
      polygon({U + 0.75 * (a - b), M, U + 0.75 * (a + b)});
      polygon({V + 0.75 * (b - a), M, V - 0.75 * (a + b)});
    }
  } else if (braceKind == 9) {
    polygon({P1 + 0.75 * (a - b), P1 + 2.25 * a - 0.75 * b, P1 + 2.25 * a + 0.75 * b, P1 + 0.75 * (a + b)});
    polygon({U - 0.75 * b, P1 + 2.25 * a, U + 0.75 * b});
    polygon(
        {P2 - 0.75 * (a + b), P2 - 2.25 * a - 0.75 * b, P2 - 2.25 * a + 0.75 * b, P2 - 0.75 * a + 0.75 * b});
    polygon({V - 0.75 * b, P2 - 2.25 * a, V + 0.75 * b});
  } else {
    polygon({U - 0.75 * (a + b), P1 + 0.75 * a, U + 0.75 * (b - a)});
    polygon({V + 0.75 * (a - b), P2 - 0.75 * a, V + 0.75 * (a + b)});
  }
}

void DrawPanelLine(Canvas& canvas, const WallFrame& f, WallFace face, int32_t displayKind) {
  if (!f.Drawable) return;
  constexpr int32_t BetweenPosts = 2;
  const double out = (displayKind == BetweenPosts ? 0.7 : 1.3) * (face == WallFace::Left ? -1 : 1);
  Segment(canvas, f.P1 + out * f.Gamma, f.P2 + out * f.Gamma);
}

int32_t WallTextEscapement(const WallFrame& f) { return ToViewUnits(-f.Slope * 180 / Pi * 10); }

int32_t PanelPenWidth(double strength) {
  if (strength > 5) return 3;
  if (strength > 3) return 2;
  return 1;
}

BraceLabel BraceLabelOf(int32_t kind, int32_t joint) {
  switch (kind) {
    case 1:
    case 2:
    case 3:
      return {kind, false};
    case 4:
      return joint == 0 ? BraceLabel{5, true} : BraceLabel{4, false};
    case 5:
      return joint == 0 || joint == 1 ? BraceLabel{7, true} : BraceLabel{6, false};
    case 6:
      return {8, joint == 0 || joint == 1 || joint == 2};
    case 7:
    case 8:
    case 9:
    case 10:
      return {kind + 2, false};
    default:
      return {-1, false};
  }
}

namespace {

// A table row's symbol; a row off the table has none.
template <class Row, int N>
const char16_t* SymbolAt(const Row (&table)[N], int32_t row) {
  return row >= 0 && row < N ? table[row].Symbol : u"";
}

void AppendSymbol(const char16_t* symbol, char16_t (&out)[ElementLabelCapacity], int32_t& n) {
  for (int32_t i = 0; i < ElementSymbolCapacity && symbol[i] != 0 && n < ElementLabelCapacity - 1; ++i)
    out[n++] = symbol[i];
}

void AppendMark(char16_t mark, char16_t (&out)[ElementLabelCapacity], int32_t& n) {
  if (n < ElementLabelCapacity - 1) out[n++] = mark;
}

}  // namespace

int32_t ElementLabelOf(const WallRecord& wall, char16_t (&out)[ElementLabelCapacity]) {
  constexpr int32_t RowNone = 0;
  int32_t n = 0;
  if (wall.PanelLeft != RowNone) AppendSymbol(SymbolAt(PanelTable, wall.PanelLeft), out, n);
  const BraceLabel brace = BraceLabelOf(wall.BraceKind, wall.BraceEndJoint);
  if (brace.Row >= 0) AppendSymbol(SymbolAt(BraceTable, brace.Row), out, n);
  if (wall.BraceKind > 1 && wall.BraceArrangement == 1) AppendMark(u'W', out, n);
  if (brace.WeakJoint) AppendMark(u'*', out, n);
  if (wall.MudWallKind != RowNone) AppendSymbol(SymbolAt(MudWallTable, wall.MudWallKind), out, n);
  if (wall.PanelRight != RowNone) AppendSymbol(SymbolAt(PanelTable, wall.PanelRight), out, n);
  out[n] = 0;
  return n;
}

int32_t WallBandColour(const WallRecord& wall, const WallCaseResult& result, bool inRetrofitPlan) {
  constexpr int32_t RowUnknown = 1;
  // The frame's state is the low two bits: 0 劣化, 1 部分, 2 なし; 3, which no
  // editor gives, counts as deteriorated.
  constexpr int32_t FrameStateBits = 3;
  constexpr int32_t FrameDeteriorated = 0;
  constexpr int32_t CautionBitValues[4] = {1, 2, 4, 8};
  if (wall.BraceKind == RowUnknown && wall.MudWallKind == RowUnknown && wall.PanelLeft == RowUnknown &&
      wall.PanelRight == RowUnknown)
    return PanelColours[RowUnknown];
  int32_t index = wall.Deterioration & FrameStateBits;
  if (index == FrameStateBits) index = FrameDeteriorated;
  const bool changed = result.RetrofitChange != 0;
  if (ProjectSettings.ShowRetrofitPlaces == SettingOn && changed) index += 3;
  if (changed && inRetrofitPlan && ProjectSettings.ShowRetrofitCaution == SettingOn)
    for (int32_t bit : CautionBitValues)
      if ((result.CautionBits & bit) != 0) index += 3;
  return DeteriorationColours[index];
}
