// Kind 1: one page per storey with the storey's plan and, under it, the
// legend of the plan's symbols: columns and joint classes, the centre marks,
// the foundations (first storey), the wall lines by opening and a sample of
// every wall element the storey uses. The samples are drawn at the plan's
// scale with the plan's own symbols and colours, so that each one looks
// like the walls it explains.
#include "report/ReportPlanPages.h"

#include <algorithm>
#include <string_view>

#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/GridView.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"
#include "report/ReportFamilies.h"
#include "report/ReportPlan.h"

namespace {

constexpr int32_t Black = 0x000000;
constexpr int32_t White = 0xFFFFFF;

constexpr int32_t RowUnknown = 1;
constexpr int32_t CodeAllUnknown = 1;
constexpr int32_t CodeUnknownPanel = 2;
constexpr int32_t BraceCodeStep = 8, MudWallCodeStep = 128, PanelCodeStep = 2048;
constexpr int32_t FirstBraceCode = 16, FirstMudWallCode = 256;

constexpr std::size_t SymbolLimit = 13, DescriptionLimit = 41;

// The brace names by brace table row.
constexpr int LegendBraceNameCount = 15;
constexpr const char16_t* LegendBraceNames[LegendBraceNameCount] = {
    u"無し",
    u"不明",
    u"鉄筋9mmφ",
    u"筋かい15x90",
    u"筋かい30x90",
    u"筋かい30x90",
    u"筋かい45x90",
    u"筋かい45x90",
    u"筋かい90x90",
    u"その他1",
    u"その他2",
    u"方杖90x90添柱付き",
    u"方杖90x90添柱無し",
    u"",
    u"",
};
// The end joints of a brace by BraceEndJoint.
constexpr int LegendEndJointNameCount = 4;
constexpr const char16_t* LegendEndJointNames[LegendEndJointNameCount] = {u"くぎ打ち", u"金物1.5", u"金物2.0",
                                                                          u"金物告示"};

// The wall rows of the legend: captions, and the opening kind of the walls
// they stand for (row 7 is the wall without strength).
constexpr int32_t WallRowCount = 8;
constexpr const char16_t* WallRowCaptions[WallRowCount] = {
    u"無開口の壁", u"マド(＜1m)", u"マド(＜2m)", u"マド(≧2m)",
    u" 戸 (＜1m)", u" 戸 (＜2m)", u" 戸 (≧2m)",  u"耐力無の壁",
};
constexpr int32_t NoStrengthRow = 7;
constexpr int32_t OpeningKindOfRow(int32_t row) {
  return row == 0 || row == NoStrengthRow ? 0 : row <= 3 ? 1 : 2;
}

// A fixed text field that need not end in a terminator.
template <int N>
std::u16string_view FieldText(const char16_t (&field)[N]) {
  std::size_t n = 0;
  while (n < static_cast<std::size_t>(N) && field[n] != 0) ++n;
  return {field, n};
}

std::u16string Cut(std::u16string text, std::size_t limit) {
  if (text.size() > limit) text.resize(limit);
  return text;
}

bool IsBraceCode(int32_t code) { return code >= FirstBraceCode && code < MudWallCodeStep; }
bool IsMudWallCode(int32_t code) { return code >= FirstMudWallCode && code < PanelCodeStep; }

// The record of a wall that has just the element of a code.
WallRecord WallOfCode(int32_t code) {
  WallRecord wall{};
  if (IsBraceCode(code)) {
    wall.BraceKind = code / BraceCodeStep;
    wall.BraceEndJoint = code % BraceCodeStep / 2;
    wall.BraceArrangement = code % 2;
  } else if (IsMudWallCode(code)) {
    wall.MudWallKind = code / MudWallCodeStep;
  } else if (code >= PanelCodeStep) {
    wall.PanelLeft = code / PanelCodeStep;
  }
  return wall;
}

}  // namespace

std::vector<int32_t> LegendWallCodes(int32_t v, int32_t s) {
  std::vector<int32_t> codes;
  if (!ValidVariant(v) || !ValidStorey(s)) return codes;
  bool full = false;
  const auto add = [&](int32_t code) {
    if (full || std::find(codes.begin(), codes.end(), code) != codes.end()) return;
    if (static_cast<int32_t>(codes.size()) == LegendWallCodeLimit) {
      full = true;
      return;
    }
    codes.push_back(code);
  };
  const bool verification = ProjectSettings.DiagnosisMethod == DiagnosisVerification;
  const int32_t count = WallCountOf(v, s);
  for (int32_t k = 0; k < count && !full; ++k) {
    const WallRecord& w = Walls[v][s][k];
    if (w.BraceKind == RowUnknown && w.MudWallKind == RowUnknown && w.PanelLeft == RowUnknown &&
        w.PanelRight == RowUnknown)
      add(CodeAllUnknown);
    if (verification && (w.PanelLeft == RowUnknown || w.PanelRight == RowUnknown)) add(CodeUnknownPanel);
    // Values off the tables would make a code that reads as another element.
    if (w.BraceKind > 1 && w.BraceKind < BraceTableRows)
      add(BraceCodeStep * w.BraceKind + 2 * ClampInt(w.BraceEndJoint, 0, 3) +
          (w.BraceArrangement == 1 ? 1 : 0));
    if (w.MudWallKind > 1 && w.MudWallKind < MudWallTableRows) add(MudWallCodeStep * w.MudWallKind);
    if (w.PanelLeft > 1 && w.PanelLeft < PanelTableRows) add(PanelCodeStep * w.PanelLeft);
    if (w.PanelRight > 1 && w.PanelRight < PanelTableRows) add(PanelCodeStep * w.PanelRight);
  }
  std::sort(codes.begin(), codes.end());
  return codes;
}

LegendSampleLabels LegendLabelsOf(int32_t code) {
  LegendSampleLabels labels;
  std::u16string symbol, description;
  int32_t braceRow = 0, mudRow = 0, panelRow = 0;
  if (code == CodeAllUnknown || code == CodeUnknownPanel) {
    symbol = FieldText(PanelTable[RowUnknown].Symbol);
    description = FieldText(PanelTable[RowUnknown].Name);
  } else if (IsBraceCode(code)) {
    const int32_t kind = code / BraceCodeStep, joint = code % BraceCodeStep / 2;
    const bool crossed = code % 2 == 1;
    const BraceLabel brace = BraceLabelOf(kind, joint);
    if (brace.Row >= 0 && brace.Row < BraceTableRows) {
      braceRow = brace.Row;
      symbol = FieldText(BraceTable[braceRow].Symbol);
    }
    if (crossed) symbol += u'W';
    if (brace.WeakJoint) symbol += u'*';
    description = LabelAt(LegendBraceNames, LegendBraceNameCount, brace.Row);
    description += crossed ? u"たすき掛け" : u"一方向";
    description += LabelAt(LegendEndJointNames, LegendEndJointNameCount, joint);
  } else if (IsMudWallCode(code)) {
    mudRow = code / MudWallCodeStep;
    if (mudRow < MudWallTableRows) {
      symbol = FieldText(MudWallTable[mudRow].Symbol);
      description = u"土壁";
      description += FieldText(MudWallTable[mudRow].Name);
    } else {
      mudRow = 0;
    }
  } else if (code >= PanelCodeStep && code / PanelCodeStep < PanelTableRows) {
    panelRow = code / PanelCodeStep;
    symbol = FieldText(PanelTable[panelRow].Symbol);
    description = FieldText(PanelTable[panelRow].Name);
  }
  double strength =
      BraceTable[braceRow].Strength + MudWallTable[mudRow].Strength + PanelTable[panelRow].Strength;
  if (code == CodeAllUnknown) strength = 2.0;
  if (code == CodeUnknownPanel) strength = 1.0;
  labels.Symbol = Cut(std::move(symbol), SymbolLimit);
  labels.Description = Cut(std::move(description), DescriptionLimit);
  if (strength > 0) labels.Strength = FormatW(u"%5.2f", strength);
  return labels;
}

namespace {

// The legend of one page. Positions in millimetres become units as the
// product with pixels/mm in extended precision, plus the offsets in units,
// truncated toward zero.
class PlanLegend {
 public:
  PlanLegend(PageFrame& frame, double scale)
      : frame_(frame),
        canvas_(frame.PageCanvas()),
        ppm_(frame.PixelsPerMm()),
        scale_(scale),
        h_(0.06 * scale) {}

  void Draw(int32_t v, int32_t s) {
    Headings();
    Columns();
    Centres();
    if (s == 0) Foundations();
    WallLegend(LegendWallCodes(v, s));
  }

 private:
  // The real position of mm, units.
  long double Real(double mm) const { return static_cast<long double>(mm) * ppm_; }
  static int32_t Trunc(long double v) {
    if (v > -ViewUnitLimit && v < ViewUnitLimit) return static_cast<int32_t>(v);
    return ToViewUnits(static_cast<double>(v));
  }
  int32_t At(double mm, double offset = 0) const { return Trunc(Real(mm) + offset); }
  void Font(double heightMm, double widthMm) { frame_.SelectFont(ReportGothicFace, heightMm, widthMm, 400); }
  // Texts on the page's white, without a box of the last fill behind them.
  void Text(double xMm, double yMm, std::u16string_view text) {
    canvas_.SetBrushStyle(BrushStyle::Clear);
    DrawTextMm(canvas_, ppm_, xMm, yMm, text);
  }
  void Pen(int32_t colour, int32_t width, PenStyle style = PenStyle::Solid) {
    canvas_.SetPenColour(colour);
    canvas_.SetPenWidth(width);
    canvas_.SetPenStyle(style);
    canvas_.SetPenMode(PenMode::Copy);
  }
  void Brush(int32_t colour, BrushStyle style) {
    canvas_.SetBrushColour(colour);
    canvas_.SetBrushStyle(style);
  }
  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    canvas_.MoveTo(x1, y1);
    canvas_.LineTo(x2, y2);
  }

  void Headings() {
    canvas_.SetFontColour(Black);
    Font(3.5, 1.75);
    Text(20, 202, u"凡例");
    Text(20, 208, u"[柱]");
  }

  struct Box {
    int32_t Left, Top, Right, Bottom;
  };
  // The square of a column of half size half centred at (x, y) mm.
  Box Square(double xMm, double yMm, double half) const {
    return {At(xMm, -half - 1), At(yMm, -half - 1), At(xMm, half) + 2, At(yMm, half) + 2};
  }
  void ColumnSquare(const Box& b) {
    Pen(Black, 2);
    Brush(White, BrushStyle::Solid);
    canvas_.Rectangle(b.Left, b.Top, b.Right, b.Bottom);
  }

  void Columns() {
    Font(3, 1.5);
    Text(20, 214, u"管柱(最上階)");
    Text(20, 220, u"管柱(階下)");
    Text(50, 214, u"出隅柱");
    Text(50, 220, u"通し柱");
    Text(74, 214, u"接合部Ⅰ");
    Text(91, 214, u"Ⅱ");
    Text(100, 214, u"Ⅲ、Ⅳ");
    const double h = h_;

    ColumnSquare(Square(43, 216, h));

    ColumnSquare(Square(64, 216, h));
    const Box inner = Square(64, 216, h / 2);
    Pen(Black, 1);
    canvas_.Rectangle(inner.Left, inner.Top, inner.Right, inner.Bottom);

    const Box lower = Square(43, 222, h);
    ColumnSquare(lower);
    Pen(Black, 1);
    Line(lower.Left, lower.Top, lower.Right, lower.Bottom);
    Line(lower.Left, lower.Bottom, lower.Right, lower.Top);

    const Box through = Square(64, 222, h);
    ColumnSquare(through);
    Pen(Black, 1);
    canvas_.SetBrushStyle(BrushStyle::Clear);
    const int32_t l = Trunc(through.Left - h), t = Trunc(through.Top - h);
    canvas_.Arc(l, t, Trunc(through.Right + h), Trunc(through.Bottom + h), l, t, l, t);

    // The joint classes Ⅰ, Ⅱ and Ⅲ-Ⅳ: entries 2, 1 and 0 of the hardware colours.
    const struct {
      double X;
      int32_t Entry;
    } joints[3] = {{80, 2}, {93, 1}, {106, 0}};
    for (const auto& joint : joints) {
      const Box b = Square(joint.X, 222, h);
      const int32_t colour = ColumnHardwareColours[joint.Entry];
      Pen(colour, 1);
      Brush(colour, BrushStyle::Solid);
      canvas_.Ellipse(Trunc(b.Left - h / 2), Trunc(b.Top - h / 2), Trunc(b.Right + h / 2) + 1,
                      Trunc(b.Bottom + h / 2) + 1);
      ColumnSquare(b);
    }
  }

  void Centres() {
    Font(3, 1.5);
    Text(135, 203, u"剛心");
    Text(155, 203, u"重心");
    Font(2.5, 1.25);
    Text(181, 205, u"偏心率0.15の範囲");
    const int32_t width = TruncToInt(0.5 * ppm_);
    canvas_.SetBrushStyle(BrushStyle::Clear);

    Pen(CentreMarkColours[CentreMarkGravity], width);
    const double g = 0.106 * scale_, r = 0.1 * scale_;
    Line(At(172, -g), At(207, -g), At(172, g), At(207, g));
    Line(At(172, g), At(207, -g), At(172, -g), At(207, g));
    canvas_.Ellipse(At(172, -r), At(207, -r), At(172, r), At(207, r));

    Pen(CentreMarkColours[CentreMarkRigidity], width);
    const double k = 0.15 * scale_;
    Line(At(147, -k), At(207), At(147, k), At(207));
    Line(At(147), At(207, -k), At(147), At(207, k));
    canvas_.Ellipse(At(147, -r), At(207, -r), At(147, r), At(207, r));

    Pen(CentreMarkColours[CentreMarkRigidity], 1, PenStyle::DashDotDot);
    DrawRectMm(canvas_, ppm_, 165, 202, 179, 212);
  }

  void Foundations() {
    Font(3.5, 1.75);
    Text(125, 215, u"[基礎]");
    Font(3, 1.5);
    Text(145, 215, u"基礎Ⅰ");
    Text(165, 215, u"基礎Ⅱ");
    Text(185, 215, u"基礎Ⅲ");
    Font(2.5, 1.25);
    Text(143, 226, u"基礎の表示は耐力のある壁下のみ");
    for (int32_t k = 0; k < 3; ++k) {
      Pen(FoundationTypeColours[k], 1, PenStyle::Clear);
      Brush(FoundationTypeColours[k], BrushStyle::Solid);
      DrawRectMm(canvas_, ppm_, 143 + 20 * k, 220, 157 + 20 * k, 224);
    }
  }

  // A sample of column c, row r: from x0 to 0.91 m further at the plan's scale.
  struct Sample {
    long double X0, X1, Y;  // units
    WallFrame Frame;
  };
  Sample SampleAt(int32_t c, int32_t r) const {
    const double x0Mm = 40 + 25 * c + (c > 1 ? 5 : 0) + (c > 3 ? 5 : 0);
    Sample sample;
    sample.X0 = Real(x0Mm);
    sample.X1 = sample.X0 + 0.91L * scale_;
    sample.Y = Real(236 + 7 * r);
    const double y = static_cast<double>(sample.Y);
    sample.Frame = MakeWallFrame({static_cast<double>(sample.X0), y}, {static_cast<double>(sample.X1), y}, h_,
                                 0, 0, false, false);
    return sample;
  }

  // A wall of the outer (partition 0) or partition column in row r: its
  // lines and opening marks in the colours the plan gives such a wall.
  void WallSample(const Sample& sample, int32_t partition, int32_t r) {
    const int32_t opening = OpeningKindOfRow(r);
    const int32_t line = WallLineColourOf(r == NoStrengthRow ? 1 : 0, partition, opening);
    const int32_t wallType = 8 * partition + (r == NoStrengthRow ? 0 : r);
    Pen(line, 1);
    DrawFittingSymbol(canvas_, sample.Frame, 0, opening, line, WallTypeColours[wallType]);
  }

  void ElementSample(const Sample& sample, int32_t code) {
    if (code == CodeAllUnknown) {
      Pen(PanelColours[RowUnknown], 2);
      Brush(PanelColours[RowUnknown], BrushStyle::Solid);
      DrawWallBand(canvas_, sample.Frame);
    }
    const int32_t line = WallLineColourOf(0, 0, 0);
    Pen(line, 1);
    DrawFittingSymbol(canvas_, sample.Frame, 0, 0, line, line);
    DrawWallMakeUp(canvas_, sample.Frame, WallOfCode(code));

    const LegendSampleLabels labels = LegendLabelsOf(code);
    canvas_.SetBrushStyle(BrushStyle::Clear);
    canvas_.SetFontColour(Black);
    Font(2, 1);
    const long double y = sample.Y, h = h_;
    const int32_t middle = (Trunc(sample.X0) + Trunc(sample.X1)) / 2;
    const auto centred = [&](int32_t top, std::u16string_view text) {
      canvas_.TextOut(middle - canvas_.TextWidth(text) / 2, top, text);
    };
    if (IsBraceCode(code) && code % 2 == 0) EndWords(sample, middle, labels.Symbol);
    centred(Trunc(y - h - Real(2)), labels.Symbol);
    if (!labels.Strength.empty()) centred(Trunc(y + h), labels.Strength);
    Font(2.5, 1);
    canvas_.TextOut(Trunc(sample.X1 + h + Real(2)), Trunc(y - Real(1.25)), labels.Description);
  }

  // "柱脚" and "柱頭" over the ends of a one-way brace's sample, in the
  // current font (2 x 1 mm). A sample too short for them beside its symbol
  // text (a large plan at a small scale) has them pushed out to flank the
  // symbol, and lifted clear of the description beside the sample.
  void EndWords(const Sample& sample, int32_t middle, std::u16string_view symbol) {
    const int32_t gap = Trunc(Real(0.5)), height = Trunc(Real(2));
    const int32_t symbolLeft = middle - canvas_.TextWidth(symbol) / 2;
    const int32_t symbolRight = symbolLeft + canvas_.TextWidth(symbol);
    const int32_t footWidth = canvas_.TextWidth(u"柱脚");
    int32_t foot = Trunc(sample.X0 - Real(2)), head = Trunc(sample.X1 - Real(2));
    int32_t top = Trunc(sample.Y - h_ - Real(2.5));
    if (foot + footWidth + gap > symbolLeft || head < symbolRight + gap) {
      foot = std::min(foot, symbolLeft - gap - footWidth);
      head = std::max(head, symbolRight + gap);
      top = std::min(top, Trunc(sample.Y - Real(1.25)) - gap - height);
    }
    canvas_.TextOut(foot, top, u"柱脚");
    canvas_.TextOut(head, top, u"柱頭");
  }

  void WallLegend(const std::vector<int32_t>& codes) {
    canvas_.SetFontColour(Black);
    Font(3.5, 1.75);
    Text(20, 228, u"[壁]");
    Font(3, 1.5);
    for (int32_t r = 0; r < WallRowCount; ++r) Text(20, 234 + 7 * r, WallRowCaptions[r]);
    Text(41, 230, u"外周壁");
    Text(64, 230, u" 間仕切壁");

    std::vector<Sample> drawn;
    for (int32_t r = 0; r < WallRowCount; ++r) {
      drawn.push_back(SampleAt(0, r));
      WallSample(drawn.back(), 0, r);
    }
    for (int32_t r = 0; r < NoStrengthRow; ++r) {
      drawn.push_back(SampleAt(1, r));
      WallSample(drawn.back(), 1, r);
    }
    for (std::size_t i = 0; i < codes.size() && i < static_cast<std::size_t>(LegendWallCodeLimit); ++i) {
      const int32_t r = static_cast<int32_t>(i % WallRowCount);
      drawn.push_back(SampleAt(i < WallRowCount ? 2 : 4, r));
      ElementSample(drawn.back(), codes[i]);
    }

    // The columns at both ends of every sample.
    Pen(Black, 1);
    Brush(White, BrushStyle::Solid);
    const long double half = 0.06 * scale_;
    for (const Sample& sample : drawn)
      for (long double x : {sample.X0, sample.X1})
        canvas_.Rectangle(Trunc(x - half - 1), Trunc(sample.Y - half - 1), Trunc(x + half + 1),
                          Trunc(sample.Y + half + 1));
  }

  PageFrame& frame_;
  Canvas& canvas_;
  double ppm_;
  double scale_;  // units per metre of the plan
  double h_;      // half the thickness of a wall, units
};

}  // namespace

int32_t DrawPlanPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  PageFrame frame(sink, pixelsPerMm, wantedPage);
  const int32_t v = ClampInt(CurrentVariant, 0, VariantCount - 1);
  const int32_t top = TopStoreyOf(v);
  // The legend's samples at the scale of the plan above them.
  const double scale = ReportPlanScale(PlanOnPlanPage, pixelsPerMm);
  for (int32_t s = 0; s <= top; ++s) {
    Canvas& canvas = frame.BeginPage();
    DrawReportPlan(canvas, PlanOnPlanPage, s, pixelsPerMm, wantedPage);
    frame.DrawTitle(FormatW(u"%s平面図（%2i階）", CurrentTitlePrefix(), s + 1));
    PlanLegend(frame, scale).Draw(v, s);
    if (frame.HandOver(s < top)) break;
  }
  return frame.Result();
}
