// Kind 12: the wall-quantity report of the building standard law for the
// current variant. Pages in order: the floor areas of every storey (with its
// plan), the required wall lengths of the storeys and of the quarter-division
// end zones, the existing walls of every storey, and the judgement with one
// verdict for the building, always the last page.
#include <string>

#include "analysis/AnalysisResults.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/Superstructure.h"
#include "evaluation/WallQuantityJudgement.h"
#include "model/ModelAccess.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "report/ReportAreaRows.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"
#include "report/ReportScore.h"
#include "report/ReportWallLines.h"

namespace {

constexpr int ZoneCount = 4;  // a and b in X, 1 and 2 in Y

// What every page of the family reads once.
struct WallQuantityPages {
  PageFrame& frame;
  int32_t wantedPage;
  int32_t v;            // the current variant, guarded
  int32_t top;          // its top storey, 0..2
  int32_t weightClass;  // 0..2
  bool manual;          // the floor and zone areas entered by hand are the calculation areas
  double alpha;         // the soft-ground factor
};

WallQuantityPages ReadPages(PageFrame& frame, int32_t wantedPage) {
  // A variant outside the lists reads the nearest one, as the plan does.
  const int32_t v = ClampInt(CurrentVariant, 0, VariantCount - 1);
  return WallQuantityPages{frame,
                           wantedPage,
                           v,
                           TopStoreyOf(v),
                           ClampInt(ProjectSettings.WeightClass[v], 0, 2),
                           ProjectSettings.ManualFloorAreas == SettingOn,
                           VerySoftGroundFactors[ClampInt(ProjectSettings.VerySoftGround, 0, 1)]};
}

// The calculation area of storey s: entered by hand or computed.
double StoreyCalculationArea(const WallQuantityPages& p, int s) {
  return p.manual ? ProjectSettings.ManualFloorArea[p.v][s] : ComputedFloorArea[p.v][s];
}

// Zone z of storey s: its calculation area, its required length per floor
// area, its required length, its existing length and its sufficiency.
struct ZoneValues {
  double Area, PerArea, Required, Existing, Sufficiency;
};

ZoneValues ZoneOf(const WallQuantityPages& p, int s, int z) {
  const int v = p.v;
  switch (z) {
    case 0:
      return {p.manual ? ProjectSettings.ManualZoneAreaA[v][s] : ComputedZoneAreaA[v][s],
              RequiredWallLengthPerAreaA[v][s], RequiredWallLengthA[v][s], QuarterWallLengthA[v][s],
              QuarterSufficiencyA[v][s]};
    case 1:
      return {p.manual ? ProjectSettings.ManualZoneAreaB[v][s] : ComputedZoneAreaB[v][s],
              RequiredWallLengthPerAreaB[v][s], RequiredWallLengthB[v][s], QuarterWallLengthB[v][s],
              QuarterSufficiencyB[v][s]};
    case 2:
      return {p.manual ? ProjectSettings.ManualZoneArea1[v][s] : ComputedZoneArea1[v][s],
              RequiredWallLengthPerArea1[v][s], RequiredWallLength1[v][s], QuarterWallLength1[v][s],
              QuarterSufficiency1[v][s]};
    default:
      return {p.manual ? ProjectSettings.ManualZoneArea2[v][s] : ComputedZoneArea2[v][s],
              RequiredWallLengthPerArea2[v][s], RequiredWallLength2[v][s], QuarterWallLength2[v][s],
              QuarterSufficiency2[v][s]};
  }
}

// --- Floor-area pages --------------------------------------------------------

// The floor-area page of storey s with its continuation pages. False when
// the preview has its page.
bool DrawFloorAreaPages(const WallQuantityPages& p, int s) {
  PageFrame& frame = p.frame;
  const int v = p.v;
  const double ppm = frame.PixelsPerMm();
  Canvas& canvas = frame.BeginPage();
  DrawReportPlan(canvas, PlanOnWallQuantityPage, s, ppm, p.wantedPage);
  canvas.SetFontColour(0);
  frame.DrawTitle(FormatW(u"%s必要壁量（%2i階床面積）", VariantTitlePrefixes[p.v], s + 1));
  frame.SelectBodyFont();
  DrawAreaCodeLegend(canvas, ppm, BalconySpelling::HalfWidth);

  // Each area with its own area, the area counted for the wall quantity, its
  // added load and the floor area of equal weight. Eaves count only for the
  // load take-off and are listed only under it.
  const int32_t weightClass = p.weightClass;
  AreaRowSource source;
  source.Factors = FloorAreaFactorTable;
  if (ProjectSettings.RequiredStrengthMethod != RequiredByLoadTakeOff)
    source.SkippedRectangleCodes = source.SkippedTriangleCodes = AreaCodes({10, 11, 12, 13});
  source.RectangleValues = [v, s, weightClass](int32_t i) {
    const RoofFloorRectRecord& r = RoofFloorRects[v][s][i];
    const double area = RectFloorArea[v][s][i];
    return AreaRowValues{
        {area, RectComputedFloorArea[v][s][i], r.AddedLoad, AddedLoadArea(area, r.AddedLoad, weightClass)}};
  };
  source.TriangleValues = [v, s, weightClass](int32_t i) {
    const RoofFloorTriangleRecord& t = RoofFloorTriangles[v][s][i];
    const double area = TriFloorArea[v][s][i];
    return AreaRowValues{
        {area, TriComputedFloorArea[v][s][i], t.AddedLoad, AddedLoadArea(area, t.AddedLoad, weightClass)}};
  };

  ReportLines lines(frame, ReportLines::BodyFontAt(20));
  lines.SetMm(147);
  if (!DrawFloorAreaTables(
          lines,
          {{u"矩形                       　　　重付     左下      左下      右上      右上        矩形     "
            u"算定用   　追加   　追加",
            u"No.      種類              　　　係数      (X)       (Y)       (X)       (Y)        面積      "
            u"面積      荷重 　　面積"},
           {u"三角                       　　　重付   No.1   No.1   No.2   No.2   No.3   No.3     三角     "
            u"算定用   　追加   　追加",
            u"No.      種類              　　　係数    (X)    (Y)    (X)    (Y)    (X)    (Y)     面積      "
            u"面積      荷重 　　面積"}},
          source, v, s))
    return false;
  // The zone areas are those the wall-quantity check computes with.
  if (!lines.Line(5,
                  FormatW(u"　計                                                                             "
                          u"%8.3f  %8.3f",
                          StoreyGrossArea[v][s], ComputedFloorArea[v][s])) ||
      !DrawZoneAreaBlock(lines, s,
                         {ComputedZoneAreaA[v][s], ComputedZoneAreaB[v][s], ComputedZoneArea1[v][s],
                          ComputedZoneArea2[v][s]}))
    return false;
  return !frame.HandOver(true);
}

// --- Required wall length page ------------------------------------------------

// The row of FloorAreaWallFactorTable for storey s of a building whose top
// storey is top: one storey; two storeys, first and second; three storeys,
// first to third.
int32_t WallFactorTableRow(int32_t top, int32_t s) { return (top == 0 ? 0 : top == 1 ? 1 : 3) + s; }

const char16_t* const StoreyNames[3] = {u"１階", u"２階", u"３階"};
// The very heavy class prints the heavy class's label.
const char16_t* const WeightLabels[3] = {u"軽い", u"重い", u"重い"};
const char16_t* const StoreyCountLabels[3] = {u"平屋建", u"２階建", u"３階建"};

bool DrawRequiredWallLengthPage(const WallQuantityPages& p) {
  PageFrame& frame = p.frame;
  const int v = p.v;
  frame.BeginPage();
  frame.DrawTitle(FormatW(u"%s必要壁量", VariantTitlePrefixes[p.v]), 5, 2.5);
  frame.SelectBodyFont();
  ReportLines lines(frame, ReportLines::BodyFontAt(20));
  lines.SetMm(20);

  bool ok = lines.Line(3, u"［必要壁量の算出］") &&
            lines.Line(6, FormatW(u"（軟弱地盤割り増し係数） %4.1f 倍", p.alpha)) &&
            lines.Line(6, u"〈単位面積あたりの必要壁量の算出〉") &&
            lines.Line(6, FormatW(u"　　　　　　　　　　建物の重さ区分  %-10s　　　建物階数　%-8s",
                                  WeightLabels[p.weightClass], StoreyCountLabels[p.top]));
  for (int s = p.top; ok && s >= 0; --s) {
    const double factor = RequiredWallLengthTable[3 * WallFactorTableRow(p.top, s) + p.weightClass];
    ok = lines.Line(6, FormatW(u"床面積当り必要壁量　%s(ｍ/㎡) ＝%4.2f", StoreyNames[s], factor));
  }
  if (!ok) return false;

  ok = lines.Line(10, p.manual ? u"〈建物全体の必要壁量〉 床面積修正入力" : u"〈建物全体の必要壁量〉") &&
       lines.Line(6, u"　　 算出用　　床面積当たり　軟弱地盤") &&
       lines.Line(4, u"　　 床面積　　　必要壁量　　割増係数　　 必要壁量") &&
       lines.Line(4, p.manual ? u"階　 Ａ(㎡)　　　　(ｍ)　 　　  α 　　　　 (ｍ)"
                              : u"階　 Ａ(㎡)　　　 (ｍ/㎡) 　　  α 　　　　 (ｍ)");
  for (int s = p.top; ok && s >= 0; --s)
    ok = lines.Line(6, FormatW(u"%2i %8.3f　×%8.3f　×%8.3f　＝　%8.3f", s + 1, StoreyCalculationArea(p, s),
                               RequiredWallLengthPerArea[v][s], p.alpha, RequiredWallLength[v][s]));
  if (!ok) return false;

  ok = lines.Line(10, p.manual ? u"〈領域毎の必要壁量〉 床面積修正入力" : u"〈領域毎の必要壁量〉") &&
       lines.Line(6, u"　　 　　　　　算出用　 床面積当たり 軟弱地盤") &&
       lines.Line(4, u"　　 　　　　　床面積　　必要壁量　　割増係数　　必要壁量") &&
       lines.Line(4, u"階 方向 領域　 Ａ(㎡)　　　(ｍ)　　　　 α 　　　　(ｍ)");
  static constexpr const char16_t* ZoneFormats[ZoneCount] = {
      u"%2i  Ｘ　 ａ%8.3f　×%8.3f　×%8.3f　＝ %8.3f", u"%2i  Ｘ　 ｂ%8.3f　×%8.3f　×%8.3f　＝ %8.3f",
      u"%2i  Ｙ　 イ%8.3f　×%8.3f　×%8.3f　＝ %8.3f", u"%2i  Ｙ　 ロ%8.3f　×%8.3f　×%8.3f　＝ %8.3f"};
  for (int s = p.top; ok && s >= 0; --s)
    for (int z = 0; ok && z < ZoneCount; ++z) {
      const ZoneValues zone = ZoneOf(p, s, z);
      ok = lines.Line(6, FormatW(ZoneFormats[z], s + 1, zone.Area, zone.PerArea, p.alpha, zone.Required));
    }
  if (!ok) return false;
  return !frame.HandOver(true);
}

// --- Existing wall pages ---------------------------------------------------

constexpr const char16_t* SubtotalFormat =
    u"                                                                            小計- %6.3f";

// The walls of one direction that count for the existing wall quantity, by
// line, each line closed by its subtotal where it is not 0, the last one
// always. A row breaks to a continuation page when the cursor has passed
// 260 mm before it. False when the preview has its page.
bool DrawExistingWallList(ReportLines& lines, int32_t v, int32_t s, WallListDirection direction) {
  const bool x = direction == WallListDirection::X;
  const bool openingsCount = ProjectSettings.OtherElementsMethod != OtherElementsMethod2;
  WallLineWalk walk;
  walk.CloseZeroLines = false;
  walk.Lists = [openingsCount](const WallLineEntry& e) {
    const int32_t opening = e.Record->OpeningKind;
    return e.Result->BaseStrength != 0 && (opening == 0 || opening == 8 || openingsCount);
  };
  // A wall of factor 0 writes no row, yet its line becomes the current one.
  walk.Entry = [&lines, direction, x](const WallLineEntry& e, WallLineSums& sums) {
    const WallCaseResult& r = *e.Result;
    if (r.WallFactor == 0) return true;
    if (!lines.BreakBeforeRow(0, 260)) return false;
    const double quantity = (x ? r.WallQuantityX : r.WallQuantityY) * e.Share();
    sums.Sum[0] += quantity;
    return lines.Line(4, WallRowLead(direction, e) +
                             FormatW(u"  %-6.3f %-5.2f   %-6.3f", r.Length, r.WallFactor, quantity));
  };
  walk.CloseLine = [&lines](const WallLineSums& sums, bool) {
    return lines.Line(4, FormatW(SubtotalFormat, sums.Sum[0]));
  };
  return WalkWallLines(v, s, direction, walk);
}

// The existing-wall page of storey s with its continuation pages.
bool DrawExistingWallPages(const WallQuantityPages& p, int s) {
  PageFrame& frame = p.frame;
  frame.BeginPage();
  frame.DrawTitle(FormatW(u"%s存在壁量（%2i階）", VariantTitlePrefixes[p.v], s + 1), 5, 2.5);
  frame.SelectBodyFont();
  ReportLines lines(frame, ReportLines::BodyFontAt(20));
  lines.SetMm(20);
  // The storey totals are the analysis's own sums.
  const double totalX = ExistingWallLengthX[p.v][s][0];
  const double totalY = ExistingWallLengthY[p.v][s][0];
  if (!lines.Line(4, u" 方 補強 通り   始点   終点") ||
      !lines.Line(
          3.5,
          u" 向 番号  名    座標   座標   壁タイプ   　     　　仕様記号      　 壁長  倍率  存在壁量") ||
      !DrawExistingWallList(lines, p.v, s, WallListDirection::X))
    return false;
  lines.Gap(4);
  if (!lines.Line(
          4,
          FormatW(u"                                                                     Ｘ方向　計= %7.3f",
                  totalX)))
    return false;
  lines.Gap(6);
  if (!DrawExistingWallList(lines, p.v, s, WallListDirection::Y)) return false;
  lines.Gap(4);
  if (!lines.Line(
          4,
          FormatW(u"                                                                     Ｙ方向　計= %7.3f",
                  totalY)))
    return false;
  lines.Gap(4);
  // The rule spans the table (89 cells, to "存在壁量"); 77 rule characters
  // made it 231 mm long.
  if (!lines.Line(6, std::u16string(45, u'─')) ||
      !lines.Line(4, FormatW(u"　  Ｘ方向壁量計＝ %8.3f      Ｙ方向壁量計＝ %8.3f", totalX, totalY)))
    return false;
  return !frame.HandOver(true);
}

// --- Judgement page ----------------------------------------------------------

const char16_t* Mark(bool met) { return met ? u"Ｏ" : u"Ｘ"; }

// A ratio for a "%10.3f" field, or "---" in the field where nothing is
// required and the ratio means nothing.
std::u16string RatioCell(double ratio, bool nothingRequired) {
  return nothingRequired ? FormatW(u"%10s", u"---") : FormatW(u"%10.3f", ratio);
}

// A row of the overall table from cells already formatted: the label, the
// X cells of storeys 1 to storeys, then the Y cells, with the separators of
// the storey-column rows (one blank, two before the first Y cell).
std::u16string CellRow(std::u16string_view label, const std::u16string x[3], const std::u16string y[3],
                       int32_t storeys) {
  std::u16string row(label);
  row += x[0];
  for (int s = 1; s < storeys; ++s) row += u" " + x[s];
  row += u"  " + y[0];
  for (int s = 1; s < storeys; ++s) row += u" " + y[s];
  return row;
}

// False when the preview has its page before the verdict.
bool DrawJudgementPage(const WallQuantityPages& p) {
  PageFrame& frame = p.frame;
  const int v = p.v;
  const int32_t storeys = p.top + 1;
  const WallQuantityJudgement judgement = JudgeWallQuantity(v);
  frame.BeginPage();
  frame.DrawTitle(FormatW(u"%s壁量判定", VariantTitlePrefixes[p.v]), 5, 2.5);
  frame.SelectBodyFont();
  ReportLines lines(frame, ReportLines::BodyFontAt(20));
  lines.SetMm(20);

  // The overall table: a column per storey under X, then under Y.
  double area[3] = {}, perArea[3] = {}, alpha[3] = {}, required[3] = {}, existX[3] = {}, existY[3] = {};
  std::u16string ratioX[3], ratioY[3], markX[3], markY[3];
  for (int s = 0; s < storeys; ++s) {
    area[s] = StoreyCalculationArea(p, s);
    perArea[s] = RequiredWallLengthPerArea[v][s];
    alpha[s] = p.alpha;
    required[s] = RequiredWallLength[v][s];
    existX[s] = ExistingWallLengthX[v][s][0];
    existY[s] = ExistingWallLengthY[v][s][0];
    const bool nothingRequired = required[s] == 0.0;
    ratioX[s] = RatioCell(SufficiencyRatioX[v][s], nothingRequired);
    ratioY[s] = RatioCell(SufficiencyRatioY[v][s], nothingRequired);
    // The first X mark stands in a field two cells narrower than the others.
    markX[s] = (s == 0 ? u"　　　" : u"        ") + std::u16string(Mark(judgement.Storeys[s].X));
    markY[s] = u"        " + std::u16string(Mark(judgement.Storeys[s].Y));
  }
  bool ok = lines.Line(6, u"[ 全体壁量判定 ]") && lines.Line(6, StoreyColumnDirectionLine(storeys)) &&
            lines.Line(6, StoreyColumnStoreyLine(storeys)) &&
            lines.Line(6, StoreyColumnRow(u"床面積(㎡)　       %10.3f", area, area, storeys)) &&
            lines.Line(6, StoreyColumnRow(u"壁量係数(m/㎡)     %10.3f", perArea, perArea, storeys)) &&
            lines.Line(6, StoreyColumnRow(u"軟弱地盤割増係数   %10.3f", alpha, alpha, storeys)) &&
            lines.Line(6, StoreyColumnRow(u"必要壁量(ｍ)       %10.3f", required, required, storeys)) &&
            lines.Line(6, StoreyColumnRow(u"存在壁量(ｍ)       %10.3f", existX, existY, storeys)) &&
            lines.Line(6, CellRow(u"壁量充足率　       ", ratioX, ratioY, storeys)) &&
            lines.Line(6, CellRow(u"壁量判定　　       ", markX, markY, storeys));

  // The quarter division: per storey the zones of X with the X line between
  // them, then those of Y.
  ok = ok && lines.Line(10, u"[ 四分割法判定 ]") &&
       lines.Line(6,
                  u"　　　　　端部　端部面積　壁量係数　軟弱地盤　必要壁量　存在壁量　壁量充足率　判定　壁率"
                  u"比　判定") &&
       lines.Line(4, u"階　方向　位置　　(㎡)　　(ｍ／㎡)　割増係数　　(ｍ)　　　(ｍ)");
  static constexpr const char16_t* ZoneFormats[ZoneCount] = {
      u"%2i   Ｘ　　ａ%10.3f%10.3f%10.3f%10.3f%10.3f %s     %s",
      u"%2i   Ｘ　　ｂ%10.3f%10.3f%10.3f%10.3f%10.3f %s     %s",
      u"%2i   Ｙ　　１%10.3f%10.3f%10.3f%10.3f%10.3f %s     %s",
      u"%2i   Ｙ　　２%10.3f%10.3f%10.3f%10.3f%10.3f %s     %s"};
  for (int s = p.top; ok && s >= 0; --s) {
    const StoreyWallQuantityJudgement& j = judgement.Storeys[s];
    const bool zoneMarks[ZoneCount] = {j.ZoneA, j.ZoneB, j.Zone1, j.Zone2};
    for (int direction = 0; ok && direction < 2; ++direction) {
      const int first = 2 * direction;
      ZoneValues zones[2] = {ZoneOf(p, s, first), ZoneOf(p, s, first + 1)};
      const auto zoneLine = [&](int k, double step) {
        const ZoneValues& z = zones[k];
        return lines.Line(
            step, FormatW(ZoneFormats[first + k], s + 1, z.Area, z.PerArea, p.alpha, z.Required, z.Existing,
                          RatioCell(z.Sufficiency, z.Required == 0.0).c_str(), Mark(zoneMarks[first + k])));
      };
      // Where neither zone needs walls the wall ratio means nothing.
      const bool neitherRequired = zones[0].Required == 0.0 && zones[1].Required == 0.0;
      const double wallRatio = (direction == 0 ? WallRatioRatioX : WallRatioRatioY)[v][s];
      const bool quarter = direction == 0 ? j.QuarterX : j.QuarterY;
      ok = zoneLine(0, 6) &&
           lines.Line(
               3, FormatW(u"       　　                                                                    "
                          u"%s    %s",
                          RatioCell(wallRatio, neitherRequired).c_str(), Mark(quarter))) &&
           zoneLine(1, 3);
    }
  }
  if (!ok) return false;

  // The verdict in the title's font; the font is chosen after the step, which
  // may begin a continuation page in the body font.
  lines.SetLineHeightMm(5);
  if (!lines.Advance(20)) return false;
  frame.SelectFont(ReportGothicFace, 5, 2.5, 800);
  frame.PageCanvas().TextOut(
      MmToUnits(20, frame.PixelsPerMm()), lines.Y(),
      FormatW(u"%s壁量判定%s", VariantTitlePrefixes[p.v], judgement.Met ? u" --- 適合" : u" --- 不適合"));
  return true;
}

}  // namespace

int32_t DrawWallQuantityReport(PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  PageFrame frame(sink, pixelsPerMm, wantedPage);
  const WallQuantityPages pages = ReadPages(frame, wantedPage);
  for (int s = 0; s <= pages.top; ++s)
    if (!DrawFloorAreaPages(pages, s)) return frame.Result();
  if (!DrawRequiredWallLengthPage(pages)) return frame.Result();
  for (int s = 0; s <= pages.top; ++s)
    if (!DrawExistingWallPages(pages, s)) return frame.Result();
  // The last page: in the preview it is shown for any wanted page from its
  // own on, and the family answers that no page follows.
  if (DrawJudgementPage(pages)) frame.HandOver(false);
  return frame.Result();
}
