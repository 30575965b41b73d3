// Kind 4: the wall strength and stiffness pages. Per storey, the bearing
// walls running in X and then those running in Y, line by line with a
// subtotal per line, each block closed by the storey's direction total (and,
// with the other elements by method 2, preceded by the column strengths), and
// a summary of both directions; the whole set again with the snow results
// when a snow load is set.
#include <string>

#include "analysis/AnalysisResults.h"
#include "analysis/ColumnStrengths.h"
#include "analysis/GridPointMap.h"
#include "analysis/ReductionFactors.h"
#include "evaluation/ColumnNValues.h"
#include "model/ElementTables.h"
#include "model/ModelAccess.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"
#include "report/ReportWallLines.h"

namespace {

constexpr double RowXMm = 5;
constexpr double DetailXMm = 38;
constexpr double RowStepMm = 4;
// A wall or column row whose page has passed this ends the page first.
constexpr double RowLimitMm = 260;

constexpr char16_t HeadingLine1[] =
    u" 方 補強 通り   始点   終点  　　　　　　　　 　　　    　　　   　        基準  基準 開口  修正   "
    u"　柱脚接合部　　　　　劣化　　 最小低  低減修  耐力";
constexpr char16_t HeadingLine2[] =
    u" 向 番号  名    座標   座標   壁タイプ   　     　　仕様記号      　 壁長  耐力  剛性 係数  耐力 "
    u"　仕様  　基礎 低減　　程度 係数 減係数  正耐力 有効長  耐力   剛性";

// The fields after the lead and the wall type, element symbols: length to
// stiffness.
constexpr char16_t RowTail[] =
    u"  %-6.3f %-5.2f%5.0f%5.2f %-6.3f%4s%1i%5s%6.3f%4s%1i%5.2f %6.3f  %-6.3f  %-6.3f%6.3f %5.0f";
// Snow rows of diagonal walls in the Y block: the reduction factors with two
// decimals, the columns kept.
constexpr char16_t DiagonalSnowRowTail[] =
    u"  %-6.3f %-5.2f%5.0f%5.2f %-6.3f%4s%1i%5s%5.2f %4s%1i%5.2f %5.2f   %-6.3f  %-6.3f%6.3f %5.0f";

constexpr char16_t ColumnRowX[] =
    u" Ｘ      %-6s %-6s        %-16s%-16s             %-5.2f%5.0f                                %4s %5.2f "
    u"%5.2f   %-6.3f        %6.3f %5.0f";
constexpr char16_t ColumnRowY[] =
    u" Ｙ      %-6s %-6s        %-16s%-16s             %-5.2f%5.0f                                %4s %5.2f "
    u"%5.2f   %-6.3f        %6.3f %5.0f";

// The deterioration label of the wall's frame, the low two bits of its
// deterioration value; the value 3 counts as deteriorated, as the analysis
// counts it.
const char16_t* FrameDeteriorationLabel(int32_t deterioration) {
  int32_t state = FrameStateOf(deterioration);
  if (state >= DeteriorationLabelCount) state = 0;
  return LabelAt(DeteriorationLabels, DeteriorationLabelCount, state);
}

double ColumnFactor(int32_t deterioration) {
  return deterioration >= 0 && deterioration < ColumnDeteriorationStateCount
             ? ColumnDeteriorationFactors[deterioration]
             : 0.0;
}

// The detail line of a wall: furring and the heights that differ from the
// storey's, empty when there is none.
std::u16string DetailLine(const WallRecord& w) {
  std::u16string text;
  if (w.FurringLeft == 1) text += u"  左上面材胴縁75下地";
  if (w.FurringLeft == 2) text += u"  左上面材胴縁下地";
  if (w.FurringRight == 1) text += u"  右下面材胴縁75下地";
  if (w.FurringRight == 2) text += u"  右下面材胴縁下地";
  if (w.Height != 0) text += FormatW(u"  壁の高さ＝%5.3f", w.Height);
  if (w.BraceHeight != 0) text += FormatW(u"  筋かいの高さ＝%5.3f", w.BraceHeight);
  if (w.MudWallHeight != 0) text += FormatW(u"  土塗り壁の高さ＝%5.3f", w.MudWallHeight);
  if (w.PanelLeftHeight != 0) text += FormatW(u"  左上面材の高さ＝%5.3f", w.PanelLeftHeight);
  if (w.PanelRightHeight != 0) text += FormatW(u"  右下面材の高さ＝%5.3f", w.PanelRightHeight);
  return text;
}

// One page set (pass) of one storey.
class WallStrengthStorey {
 public:
  WallStrengthStorey(ReportLines& lines, int32_t v, int32_t s, bool snow)
      : lines_(lines),
        v_(v),
        s_(s),
        snow_(snow),
        strengthX_(snow ? WallStrengthXSnow : WallStrengthX),
        strengthY_(snow ? WallStrengthYSnow : WallStrengthY),
        stiffnessX_(snow ? StiffnessSumXSnow : StiffnessSumX),
        stiffnessY_(snow ? StiffnessSumYSnow : StiffnessSumY) {}

  // The storey's pages after the headings; false when the preview has its page.
  bool Draw() {
    if (!Block(WallListDirection::X)) return false;
    lines_.Gap(6);
    if (!Block(WallListDirection::Y)) return false;
    lines_.Gap(4);
    if (!lines_.Line(6, std::u16string(82, u'─'), RowXMm)) return false;
    return lines_.Line(
        RowStepMm,
        FormatW(u"　  Ｘ方向耐力計＝ %8.3f      Ｙ方向耐力計＝ %8.3f　  Ｘ方向剛性計＝ %8.3f      "
                u"Ｙ方向剛性計＝ %8.3f",
                Storey(strengthX_), Storey(strengthY_), Storey(stiffnessX_), Storey(stiffnessY_)),
        RowXMm);
  }

 private:
  // The storey's value in storey loading case 0.
  double Storey(const StoreyCaseArray& a) const { return a[v_][s_][0]; }

  bool Block(WallListDirection d) {
    const bool x = d == WallListDirection::X;
    const bool method2 = ProjectSettings.OtherElementsMethod == OtherElementsMethod2;
    WallLineWalk walk;
    walk.Lists = [method2](const WallLineEntry& e) {
      if (e.Result->BaseStrength == 0) return false;
      // 8 stands for no opening too.
      return !method2 || e.Record->OpeningKind == 0 || e.Record->OpeningKind == 8;
    };
    walk.Entry = [&](const WallLineEntry& e, WallLineSums& sums) { return Row(d, e, sums); };
    walk.CloseLine = [&](const WallLineSums& sums, bool) {
      return lines_.Line(RowStepMm,
                         std::u16string(146, u' ') + FormatW(u"小計- %6.3f %5.0f", sums.Sum[0], sums.Sum[1]),
                         RowXMm);
    };
    if (!WalkWallLines(v_, s_, d, walk)) return false;
    if (method2 && !ColumnRows(d)) return false;
    lines_.Gap(4);
    return lines_.Line(
        RowStepMm,
        std::u16string(139, u' ') + FormatW(x ? u"Ｘ方向　計= %7.3f %5.0f" : u"Ｙ方向　計= %7.3f %5.0f",
                                            Storey(x ? strengthX_ : strengthY_),
                                            Storey(x ? stiffnessX_ : stiffnessY_)),
        RowXMm);
  }

  bool Row(WallListDirection d, const WallLineEntry& e, WallLineSums& sums) {
    const bool x = d == WallListDirection::X;
    const WallCaseResult& r = *e.Result;
    const SnowWallCaseResult& sr = *e.Snow;
    const double strength =
        (snow_ ? (x ? sr.StrengthX : sr.StrengthY) : (x ? r.StrengthX : r.StrengthY)) * e.Share();
    const double stiffness =
        (snow_ ? (x ? sr.StiffnessX : sr.StiffnessY) : (x ? r.StiffnessX : r.StiffnessY)) * e.Share();
    const char16_t* tail = snow_ && !x && e.Diagonal ? DiagonalSnowRowTail : RowTail;
    const std::u16string row =
        WallRowLead(d, e) +
        FormatW(
            tail, r.Length, r.BaseStrength, r.BaseStiffness, r.OpeningFactor,
            r.BaseStrength * r.OpeningFactor, LabelAt(JointClassLabels, JointClassLabelCount, r.JointSpec),
            r.StrengthBand + 1, LabelAt(FoundationClassLabels, FoundationClassLabelCount, r.FoundationClass),
            snow_ ? sr.ReductionFactor : r.ReductionFactor, FrameDeteriorationLabel(e.Record->Deterioration),
            r.StrengthClass + 1, r.DeteriorationFactor, snow_ ? sr.MinReductionFactor : r.MinReductionFactor,
            snow_ ? sr.ReducedStrength : r.ReducedStrength, r.EffectiveLength, strength, stiffness);
    const std::u16string detail = DetailLine(*e.Record);
    if (!lines_.BreakAfterRow(RowLimitMm)) return false;
    if (!lines_.Line(RowStepMm, row, RowXMm)) return false;
    if (!detail.empty() && !lines_.Line(RowStepMm, detail, DetailXMm)) return false;
    sums.Sum[0] += strength;
    sums.Sum[1] += stiffness;
    return true;
  }

  // The columns with strength in direction d, in the order of the lines
  // (ColumnOrderY for the X block, ColumnOrderX for the Y block).
  bool ColumnRows(WallListDirection d) {
    const bool x = d == WallListDirection::X;
    if (!lines_.Line(5, u"柱の耐力", RowXMm)) return false;
    const int32_t count = CountOf(ColumnCount, v_, s_, MaxColumnsPerStorey);
    for (int32_t i = 0; i < count; ++i) {
      const int32_t c = x ? ColumnOrderY[v_][s_][i] : ColumnOrderX[v_][s_][i];
      if (c < 0 || c >= count) continue;
      const ColumnRecord& column = Columns[v_][s_][c];
      const ColumnResult& r = ColumnResults[v_][s_][c];
      const double strength = x ? r.StrengthX : r.StrengthY;
      if (strength == 0) continue;
      const double stiffness = x ? r.StiffnessX : r.StiffnessY;
      const double factor = ColumnFactor(column.Deterioration);
      const std::u16string row =
          FormatW(x ? ColumnRowX : ColumnRowY, x ? AxisNameY(column.Y) : AxisNameX(column.X),
                  x ? AxisNameX(column.X) : AxisNameY(column.Y), u"", u"", strength, stiffness,
                  LabelAt(DeteriorationLabels, DeteriorationLabelCount, column.Deterioration), factor, factor,
                  strength * factor, strength * factor, stiffness * factor);
      if (!lines_.BreakAfterRow(RowLimitMm)) return false;
      if (!lines_.Line(RowStepMm, row, RowXMm)) return false;
    }
    return true;
  }

  ReportLines& lines_;
  int32_t v_;
  int32_t s_;
  bool snow_;
  // The storey sums of the pass.
  const StoreyCaseArray& strengthX_;
  const StoreyCaseArray& strengthY_;
  const StoreyCaseArray& stiffnessX_;
  const StoreyCaseArray& stiffnessY_;
};

}  // namespace

int32_t DrawWallStrengthPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  const int32_t v = ValidVariant(CurrentVariant) ? CurrentVariant : 0;
  const int32_t top = TopStoreyOf(v);
  const int32_t passes = ProjectSettings.SnowLoad != 0 ? 2 : 1;
  const bool method2 = ProjectSettings.OtherElementsMethod == OtherElementsMethod2;

  PageFrame frame(sink, pixelsPerMm, wantedPage);
  // The wall tables' body font is narrower than the other families'.
  constexpr double BodyWidthMm = 1.2;
  // A continuation page: the body font, no title and no headings, from 20 mm.
  ReportLines lines(frame, ReportLines::BodyFontAt(20, BodyWidthMm));
  for (int32_t pass = 0; pass < passes; ++pass) {
    for (int32_t s = 0; s <= top; ++s) {
      frame.BeginPage();
      std::u16string title = FormatW(method2 ? u"%s壁・柱耐力剛性（%2i階）" : u"%s壁耐力剛性（%2i階）",
                                     CurrentTitlePrefix(), s + 1);
      if (pass == 1) title += u"   積雪時";
      frame.DrawTitle(title, 5, 2.5);
      frame.SelectBodyFont(BodyWidthMm);
      lines.SetMm(20);
      if (!lines.Line(4, HeadingLine1, RowXMm) || !lines.Line(3.5, HeadingLine2, RowXMm))
        return frame.Result();
      WallStrengthStorey storey(lines, v, s, pass == 1);
      if (!storey.Draw()) return frame.Result();
      const bool last = pass == passes - 1 && s == top;
      if (frame.HandOver(!last)) return frame.Result();
    }
  }
  return frame.Result();
}
