// Kind 5: per storey the plan with its centre of gravity, the legend of the
// area codes, the tables of the roof and floor areas with their factors,
// centroids and moments, the storey sums, the sums over this storey and the
// ones above it, and the centre of gravity of the weight the storey carries.
// The centre printed is the analysis's own; the page adds up only what it
// prints. A long table continues on pages of its own below 20 mm.
#include <string>

#include "analysis/AreaWeights.h"
#include "analysis/FloorAreas.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "report/ReportAreaRows.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"

namespace {

constexpr double TableXMm = 5;
constexpr double StepMm = 4;
constexpr double TableTopMm = 142;
constexpr double ContinuationTopMm = 20;

constexpr const char16_t* RectangleHeadings[2] = {
    u"矩形   \u3000\u3000     \u3000\u3000\u3000         重付     左下     左下     右上     右上     矩形   "
    u"   面積*     "
    u"図心   面*係*位置   図心   面*係*位置",
    u"No.    種類     \u3000\u3000\u3000         係数      (X)      (Y)      (X)      (Y)     面積      係数 "
    u"      (X)    "
    u"   (X)       (Y)       (Y)",
};
constexpr const char16_t* TriangleHeadings[2] = {
    u"三角   屋根     \u3000\u3000\u3000         重付  No.1  No.1  No.2  No.2  No.3  No.3     矩形      "
    u"面積*     図心   "
    u"面*係*位置   図心   面*係*位置",
    u"No.    ・床     \u3000\u3000\u3000         係数   (X)   (Y)   (X)   (Y)   (X)   (Y)     面積      係数 "
    u"      (X)    "
    u"   (X)       (Y)       (Y)",
};
// "　計", then the three sums under 面積*係数 and the two 面*係*位置 columns.
constexpr char16_t SumFormat[] =
    u"\u3000計                                                                              %8.3f            "
    u"%8.3f            %8.3f";
constexpr char16_t StoreyFormatBySpec[] =
    u"       %2i階\u3000Σ面積*係数=%8.3f\u3000Σ面積*係数*位置(X)=%8.3f\u3000Σ面積*係数*位置(Y)=%8.3f";
constexpr char16_t StoreyFormatByTable[] =
    u" %2i階 "
    u"重量表係数=%4.2f\u3000Σ面積*係数=%8.3f\u3000Σ面積*係数*位置(X)=%8.3f\u3000Σ面積*係数*位置(Y)=%8.3f";
constexpr char16_t TotalFormatBySpec[] =
    u"       \u3000計\u3000Σ面積*係数=%8.3f\u3000Σ面積*係数*位置(X)=%8.3f\u3000Σ面積*係数*位置(Y)=%8.3f";
constexpr char16_t TotalFormatByTable[] =
    u" \u3000計\u3000Σ面積*係数=%8.3f\u3000Σ面積*係数*位置(X)=%8.3f\u3000Σ面積*係数*位置(Y)=%8.3f";
constexpr char16_t CentreFormat[] = u"           Xg= %8.3f ／ %8.3f =%8.3f   Yg= %8.3f ／ %8.3f =%8.3f";

// The numbers the tables print: the weighted areas by the floor-type
// weights, or the calculation areas that the weight table multiplies.
bool BySpec() { return ProjectSettings.GravityCentreBySpec == GravityCentreBySpecs; }

const double* FactorTable() {
  if (BySpec()) return GravityWeightFactorTable;
  return ProjectSettings.RequiredStrengthMethod == RequiredBySimpleTable ? SimpleCalcAreaFactorTable
                                                                         : CalcAreaFactorTable;
}

AreaRowSource RowsOf(int32_t v, int32_t s) {
  AreaRowSource source;
  source.Factors = FactorTable();
  source.SkippedRectangleCodes = AreaCodes({LargestRectangleCode});
  const bool bySpec = BySpec();
  source.RectangleValues = [v, s, bySpec](int32_t i) {
    AreaRowValues row;
    if (bySpec)
      row.Values = {RectWeightArea[v][s][i], RectWeightedArea[v][s][i], RectCentroidX[v][s][i],
                    RectMomentX[v][s][i],    RectCentroidY[v][s][i],    RectMomentY[v][s][i]};
    else
      row.Values = {RectWeightArea[v][s][i],  RectCalcArea[v][s][i],  RectCentroidX[v][s][i],
                    RectCalcMomentX[v][s][i], RectCentroidY[v][s][i], RectCalcMomentY[v][s][i]};
    return row;
  };
  source.TriangleValues = [v, s, bySpec](int32_t i) {
    AreaRowValues row;
    if (bySpec)
      row.Values = {TriWeightArea[v][s][i], TriWeightedArea[v][s][i], TriCentroidX[v][s][i],
                    TriMomentX[v][s][i],    TriCentroidY[v][s][i],    TriMomentY[v][s][i]};
    else
      row.Values = {TriWeightArea[v][s][i],  TriCalcArea[v][s][i],  TriCentroidX[v][s][i],
                    TriCalcMomentX[v][s][i], TriCentroidY[v][s][i], TriCalcMomentY[v][s][i]};
    return row;
  };
  return source;
}

struct StoreySums {
  double Area = 0, MomentX = 0, MomentY = 0;
};

StoreySums SumsOf(int32_t v, int32_t s) {
  if (BySpec()) return {WeightAreaSum[v][s], WeightAreaMomentX[v][s], WeightAreaMomentY[v][s]};
  return {StoreyCalcArea[v][s], CalcAreaMomentX[v][s], CalcAreaMomentY[v][s]};
}

// The table of one storey under its plan; false when the preview has its
// wanted page.
bool DrawStoreyTables(ReportLines& lines, int32_t v, int32_t s, int32_t top) {
  const AreaRowSource source = RowsOf(v, s);
  if (CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey) != 0) {
    for (const char16_t* heading : RectangleHeadings)
      if (!lines.Line(StepMm, heading, TableXMm)) return false;
    if (!DrawAreaRectangleRows(lines, CentreOfGravityRowLayout, source, v, s)) return false;
    lines.Gap(StepMm);
  }
  if (CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey) != 0) {
    for (const char16_t* heading : TriangleHeadings)
      if (!lines.Line(StepMm, heading, TableXMm)) return false;
    if (!DrawAreaTriangleRows(lines, CentreOfGravityRowLayout, source, v, s)) return false;
    lines.Gap(StepMm);
  }

  // The rule stands where the blank step after the tables left the cursor.
  if (!lines.Line(0, std::u16string(65, u'─'), TableXMm)) return false;
  const StoreySums own = SumsOf(v, s);
  if (!lines.Line(StepMm, FormatW(SumFormat, own.Area, own.MomentX, own.MomentY), TableXMm)) return false;

  const bool bySpec = BySpec();
  const int32_t weightClass = ClampInt(ProjectSettings.WeightClass[v], 0, 2);
  StoreySums total;
  lines.Gap(StepMm);
  for (int32_t j = s; j <= top; ++j) {
    const StoreySums sums = SumsOf(v, j);
    std::u16string text;
    if (bySpec) {
      total.Area += sums.Area, total.MomentX += sums.MomentX, total.MomentY += sums.MomentY;
      text = FormatW(StoreyFormatBySpec, j + 1, sums.Area, sums.MomentX, sums.MomentY);
    } else {
      const double k = StoreyGravityWeightTable[weightClass][top][j];
      const StoreySums weighted{k * sums.Area, k * sums.MomentX, k * sums.MomentY};
      total.Area += weighted.Area, total.MomentX += weighted.MomentX, total.MomentY += weighted.MomentY;
      text = FormatW(StoreyFormatByTable, j + 1, k, weighted.Area, weighted.MomentX, weighted.MomentY);
    }
    if (!lines.Line(StepMm, text, TableXMm)) return false;
  }
  lines.Gap(StepMm);
  if (!lines.Line(
          StepMm,
          FormatW(bySpec ? TotalFormatBySpec : TotalFormatByTable, total.Area, total.MomentX, total.MomentY),
          TableXMm))
    return false;
  lines.Gap(StepMm);
  return lines.Line(StepMm,
                    FormatW(CentreFormat, total.MomentX, total.Area, CentreOfGravityX[v][s], total.MomentY,
                            total.Area, CentreOfGravityY[v][s]),
                    TableXMm);
}

}  // namespace

int32_t DrawCentreOfGravityPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  PageFrame frame(sink, pixelsPerMm, wantedPage);
  const int32_t v = ClampInt(CurrentVariant, 0, VariantCount - 1);
  const int32_t top = TopStoreyOf(v);
  // A continuation page: the body font and the rows from 20 mm, no title,
  // plan, legend or headings.
  ReportLines lines(frame, ReportLines::BodyFontAt(ContinuationTopMm));
  for (int32_t s = 0; s <= top; ++s) {
    Canvas& canvas = frame.BeginPage();
    DrawReportPlan(canvas, PlanOnCentreOfGravityPage, s, pixelsPerMm, wantedPage);
    frame.DrawTitle(FormatW(u"%s重心（%2i階）", CurrentTitlePrefix(), s + 1), 5, 2.5);
    frame.SelectBodyFont();
    canvas.SetFontColour(0);
    canvas.SetBrushStyle(BrushStyle::Clear);
    DrawAreaCodeLegend(canvas, pixelsPerMm);
    lines.SetMm(TableTopMm);
    if (!DrawStoreyTables(lines, v, s, top)) return frame.Result();
    if (frame.HandOver(s < top)) break;
  }
  return frame.Result();
}
