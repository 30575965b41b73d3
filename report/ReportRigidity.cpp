// Kind 6: the rigidity and eccentricity pages. Per storey the plan and,
// below it, per wall line the line's stiffness, its distance from the origin
// axis and from the centre of rigidity with the first and second moments,
// for the lines in X and then in Y, each table closed by the storey's sums,
// and last the torsional stiffness, the elastic radii and the eccentricity
// ratios as the analysis stored them; again with the snow results when a
// snow load is set.
#include <string>

#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "model/ModelAccess.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"
#include "report/ReportWallLines.h"

namespace {

constexpr double StepMm = 3.5;
// A line row inside a table whose page has passed this ends the page.
constexpr double RowLimitMm = 270;

// The storey results of one pass.
struct RigidityResults {
  const StoreyCaseArray& StiffnessSumX;
  const StoreyCaseArray& StiffnessSumY;
  const StoreyCaseArray& StiffnessMomentX;
  const StoreyCaseArray& StiffnessMomentY;
  const StoreyCaseArray& RigidityCentreX;
  const StoreyCaseArray& RigidityCentreY;
  const StoreyCaseArray& EccentricityX;
  const StoreyCaseArray& EccentricityY;
  const StoreyCaseArray& SecondMomentIx;
  const StoreyCaseArray& SecondMomentIy;
  const StoreyCaseArray& TorsionalStiffness;
  const StoreyCaseArray& ElasticRadiusX;
  const StoreyCaseArray& ElasticRadiusY;
  const StoreyCaseArray& EccentricityRatioX;
  const StoreyCaseArray& EccentricityRatioY;
};

const RigidityResults PlainResults{StiffnessSumX,   StiffnessSumY,      StiffnessMomentX,   StiffnessMomentY,
                                   RigidityCentreX, RigidityCentreY,    EccentricityX,      EccentricityY,
                                   SecondMomentIx,  SecondMomentIy,     TorsionalStiffness, ElasticRadiusX,
                                   ElasticRadiusY,  EccentricityRatioX, EccentricityRatioY};
const RigidityResults SnowResults{StiffnessSumXSnow,    StiffnessSumYSnow,      StiffnessMomentXSnow,
                                  StiffnessMomentYSnow, RigidityCentreXSnow,    RigidityCentreYSnow,
                                  EccentricityXSnow,    EccentricityYSnow,      SecondMomentIxSnow,
                                  SecondMomentIySnow,   TorsionalStiffnessSnow, ElasticRadiusXSnow,
                                  ElasticRadiusYSnow,   EccentricityRatioXSnow, EccentricityRatioYSnow};

constexpr char16_t HeadingLine1[] =
    u"方向  通り名     剛性　   　原点からの距離                                        剛心からの距離";
constexpr char16_t HeadingLine2X[] =
    u"                  Lx 　      Y        LxY                                          Y'      LxY'Y'";
constexpr char16_t HeadingLine2Y[] =
    u"                  Ly   　    X        LyX                                          X'      LyX'X'";
constexpr char16_t RowX[] = u" Ｘ   %-6s %10.3f  %8.3f %10.3f                                   %8.3f %10.3f";
constexpr char16_t RowY[] = u" Ｙ   %-6s %10.3f  %8.3f %10.3f                                   %8.3f %10.3f";

// The table of one direction of one storey and pass.
class RigidityTable {
 public:
  RigidityTable(ReportLines& lines, int32_t v, int32_t s, bool snow, WallListDirection d)
      : lines_(lines), v_(v), s_(s), snow_(snow), x_(d == WallListDirection::X), d_(d) {}

  bool Draw() {
    if (!lines_.Line(StepMm, HeadingLine1) || !lines_.Line(StepMm, x_ ? HeadingLine2X : HeadingLine2Y))
      return false;
    WallLineWalk walk;
    // Listed by the stiffness without snow on both passes.
    walk.Lists = [this](const WallLineEntry& e) {
      return (x_ ? e.Result->StiffnessX : e.Result->StiffnessY) != 0;
    };
    walk.Entry = [this](const WallLineEntry& e, WallLineSums& sums) {
      Add(e, sums);
      return true;
    };
    walk.CloseLine = [this](const WallLineSums& sums, bool last) {
      const int32_t line = sums.Listed ? sums.Line : (x_ ? GridOriginAxisY : GridOriginAxisX);
      if (!lines_.Line(StepMm, FormatW(x_ ? RowX : RowY, LineName(d_, line), sums.Sum[0], sums.Latest[0],
                                       sums.Sum[1], sums.Latest[1], sums.Sum[2])))
        return false;
      return last || lines_.BreakAfterRow(RowLimitMm);
    };
    return WalkWallLines(v_, s_, d_, walk);
  }

 private:
  // The wall's terms: half its stiffness and the mean of its end terms for a
  // diagonal wall (its first moment is halved by the analysis already).
  void Add(const WallLineEntry& e, WallLineSums& sums) const {
    const WallCaseResult& r = *e.Result;
    const SnowWallCaseResult& sr = *e.Snow;
    double stiffness, moment, second, secondEnd, fromOrigin, fromCentre;
    if (snow_) {
      stiffness = x_ ? sr.StiffnessX : sr.StiffnessY;
      moment = x_ ? sr.LxY : sr.LyX;
      second = x_ ? sr.LxYY : sr.LyXX;
      secondEnd = x_ ? sr.LxYYEnd : sr.LyXXEnd;
      fromOrigin = x_ ? sr.StartYFromOrigin : sr.StartXFromOrigin;
      fromCentre = x_ ? sr.StartYFromCentre : sr.StartXFromCentre;
    } else {
      stiffness = x_ ? r.StiffnessX : r.StiffnessY;
      moment = x_ ? r.LxY : r.LyX;
      second = x_ ? r.LxYY : r.LyXX;
      secondEnd = x_ ? r.LxYYEnd : r.LyXXEnd;
      fromOrigin = x_ ? r.StartYFromOrigin : r.StartXFromOrigin;
      fromCentre = x_ ? r.StartYFromCentre : r.StartXFromCentre;
    }
    sums.Sum[0] += stiffness * e.Share();
    sums.Sum[1] += moment;
    sums.Sum[2] += e.Diagonal ? (second + secondEnd) / 2 : second;
    sums.Latest[0] = fromOrigin;
    sums.Latest[1] = fromCentre;
  }

  ReportLines& lines_;
  int32_t v_;
  int32_t s_;
  bool snow_;
  bool x_;
  WallListDirection d_;
};

}  // namespace

int32_t DrawRigidityPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  const int32_t v = ValidVariant(CurrentVariant) ? CurrentVariant : 0;
  const int32_t top = TopStoreyOf(v);
  const bool snowSet = ProjectSettings.SnowLoad != 0;
  const int32_t passes = snowSet ? 2 : 1;

  PageFrame frame(sink, pixelsPerMm, wantedPage);
  // A continuation page: the body font, no title, plan or headings, from 20 mm.
  ReportLines lines(frame, ReportLines::BodyFontAt(20));
  for (int32_t pass = 0; pass < passes; ++pass) {
    const bool snow = pass == 1;
    const RigidityResults& r = snow ? SnowResults : PlainResults;
    for (int32_t s = 0; s <= top; ++s) {
      Canvas& canvas = frame.BeginPage();
      DrawReportPlan(canvas, PlanOnRigidityPage, s, pixelsPerMm, wantedPage);
      canvas.SetFontColour(0);
      std::u16string title = FormatW(u"%s剛心･偏心率（%2i階）", CurrentTitlePrefix(), s + 1);
      if (snowSet) title += snow ? u"  積雪時" : u"  雪なし時";
      frame.DrawTitle(title, 5, 2.5);
      frame.SelectBodyFont();
      lines.SetMm(142);
      const auto value = [&](const StoreyCaseArray& a) { return a[v][s][0]; };
      if (WallCountOf(v, s) != 0) {
        if (!RigidityTable(lines, v, s, snow, WallListDirection::X).Draw()) return frame.Result();
        if (!lines.Line(2, std::u16string(49, u'─')) ||
            !lines.Line(
                2, FormatW(u"    計  ΣLx=%10.3f     ΣLxY=%10.3f      Ys=%7.3f    ey=%7.3f          Iy=%11.3f",
                           value(r.StiffnessSumX), value(r.StiffnessMomentY), value(r.RigidityCentreY),
                           value(r.EccentricityY), value(r.SecondMomentIy))))
          return frame.Result();
        lines.Gap(StepMm);
        if (!RigidityTable(lines, v, s, snow, WallListDirection::Y).Draw()) return frame.Result();
        if (!lines.Line(2, std::u16string(49, u'─')) ||
            !lines.Line(
                2, FormatW(u"    計  ΣLy=%10.3f     ΣLyX=%10.3f      Xs=%7.3f    ex=%7.3f          Ix=%11.3f",
                           value(r.StiffnessSumY), value(r.StiffnessMomentX), value(r.RigidityCentreX),
                           value(r.EccentricityX), value(r.SecondMomentIx))))
          return frame.Result();
        lines.Gap(4);
      }
      if (!lines.Line(
              StepMm,
              FormatW(u"ねじり剛性 Kr=(Iy+Ix)=%11.3f  rex=(Kr/ΣLx)**1/2=%6.3f   偏心率 Rex=(ey/rex)=%6.3f",
                      value(r.TorsionalStiffness), value(r.ElasticRadiusX), value(r.EccentricityRatioX))) ||
          !lines.Line(StepMm, std::u16string(35, u' ') +
                                  FormatW(u"rey=(Kr/ΣLy)**1/2=%6.3f   偏心率 Rey=(ex/rey)=%6.3f",
                                          value(r.ElasticRadiusY), value(r.EccentricityRatioY))))
        return frame.Result();
      const bool last = pass == passes - 1 && s == top;
      if (frame.HandOver(!last)) return frame.Result();
    }
  }
  return frame.Result();
}
