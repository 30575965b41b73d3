// The floor pages: each storey's floor-type areas with the storey's average
// floor magnification (kind 9), and the floor diaphragm check of every axis
// interval with its NG marks (kind 10). Both only print what the
// recalculation left, apart from the unit magnification of an area (floor
// board plus horizontal bracing), the floor strength 1.96 x magnification sum
// and an interval's shear, its area x the unit storey shear.
#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/FloorCheck.h"
#include "model/ElementTables.h"
#include "model/ModelAccess.h"
#include "model/ModelExtents.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "report/ReportAreaRows.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"

namespace {

// The body font of both families, 2.5 x 1.25 mm.
constexpr double BodyHeightMm = 2.5;

void SelectBodyFont(PageFrame& frame) { frame.SelectFont(ReportGothicFace, BodyHeightMm, 1.25, 400); }

// A continuation page: the body font and the cursor at 20 mm; no plan,
// title or heads.
ReportLines BodyLines(PageFrame& frame) {
  return ReportLines(
      frame,
      [&frame](ReportLines& lines) {
        SelectBodyFont(frame);
        lines.SetMm(20);
      },
      BodyHeightMm);
}

// ------------------------------------------------------------ floor magnification

constexpr int32_t FloorRowsPerBrace = 32;

// A table name, which need not end in a terminator.
std::u16string TableName(const char16_t (&name)[FloorFactorNameCapacity]) {
  std::u16string text(name, FloorFactorNameCapacity);
  if (const auto end = text.find(u'\0'); end != std::u16string::npos) text.resize(end);
  return text;
}

// The floor board and the horizontal bracing of a floor-type code; a row off
// its table has no name and adds nothing.
struct FloorType {
  std::u16string FloorName, BraceName;
  double Floor = 0, Brace = 0;
};

FloorType FloorTypeOf(int32_t code) {
  FloorType type;
  const int32_t floorRow = code % FloorRowsPerBrace;
  const int32_t braceRow = code / FloorRowsPerBrace;
  if (code >= 0 && floorRow < FloorSpecTableRows) {
    type.FloorName = TableName(FloorSpecTableName[floorRow]);
    type.Floor = FloorSpecTableFactor[floorRow];
  }
  if (code >= 0 && braceRow < HorizontalBraceTableRows) {
    type.BraceName = TableName(HorizontalBraceTableName[braceRow]);
    type.Brace = HorizontalBraceTableFactor[braceRow];
  }
  return type;
}

// Full-width names are padded with ordinary blanks; widening those at
// positions 7-12 and 27-31 keeps the columns behind short names such as
// "吹抜" or "火打なし" near those behind the long ones.
std::u16string WithWidenedNameBlanks(std::u16string row) {
  WidenBlanks(row, 7, 13);
  WidenBlanks(row, 27, 32);
  return row;
}

constexpr char16_t RectangleHead1[] =
    u"矩形                                                                単位      左下     左下     右上   "
    u"  右上      矩形      面積*";
constexpr char16_t RectangleHead2[] =
    u"No.  床仕様                                                         床倍率    (X)      (Y)      (X)    "
    u"  (Y)       面積      係数 ";
constexpr char16_t TriangleHead1[] =
    u"三角                                                                単位    No.1  No.1  No.2  No.2  "
    u"No.3  No.3     矩形      面積*";
constexpr char16_t TriangleHead2[] =
    u"No.  床仕様                                                         床倍率  (X)   (Y)   (X)   (Y)   "
    u"(X)   (Y)      面積      係数 ";

// Rectangle r of storey s: its lower-left and upper-right corners,
// whichever diagonal it was entered by, named as a roof/floor area's are.
std::u16string RectangleRow(int32_t v, int32_t s, int32_t r) {
  const FloorSpecRectRecord& rect = FloorSpecRects[v][s][r];
  RoofFloorRectRecord corners{};
  corners.X1 = rect.X1, corners.Y1 = rect.Y1, corners.X2 = rect.X2, corners.Y2 = rect.Y2;
  const auto c = RectangleCornerNames(corners);
  const FloorType type = FloorTypeOf(rect.SpecCode);
  return WithWidenedNameBlanks(
      FormatW(u"%2i   %-17ls+%-17ls %3.2f+%3.2f = %3.2f    %-6s   %-6s   %-6s   %-6s %8.3f  %8.3f", r + 1,
              type.FloorName.c_str(), type.BraceName.c_str(), type.Floor, type.Brace, type.Floor + type.Brace,
              c[0], c[1], c[2], c[3], FloorSpecRectArea[v][s][r], FloorSpecRectWeightedArea[v][s][r]));
}

// Triangle t of storey s: its corners in record order.
std::u16string TriangleRow(int32_t v, int32_t s, int32_t t) {
  const FloorSpecTriangleRecord& tri = FloorSpecTriangles[v][s][t];
  RoofFloorTriangleRecord corners{};
  corners.X1 = tri.X1, corners.Y1 = tri.Y1, corners.X2 = tri.X2, corners.Y2 = tri.Y2;
  corners.X3 = tri.X3, corners.Y3 = tri.Y3;
  const auto c = TriangleCornerNames(corners);
  const FloorType type = FloorTypeOf(tri.SpecCode);
  return WithWidenedNameBlanks(FormatW(
      u"%2i   %-17ls+%-17ls %3.2f+%3.2f = %3.2f  %-6s%-6s%-6s%-6s%-6s%-6s%8.3f  %8.3f", t + 1,
      type.FloorName.c_str(), type.BraceName.c_str(), type.Floor, type.Brace, type.Floor + type.Brace, c[0],
      c[1], c[2], c[3], c[4], c[5], FloorSpecTriArea[v][s][t], FloorSpecTriWeightedArea[v][s][t]));
}

// Rows of a table; each row past 270 mm ends its page. False when the preview
// has its page.
template <typename RowOf>
bool DrawTable(ReportLines& lines, const char16_t* head1, const char16_t* head2, int32_t count, RowOf rowOf) {
  if (!lines.Line(4, head1) || !lines.Line(4, head2)) return false;
  for (int32_t k = 0; k < count; ++k)
    if (!lines.Line(4, rowOf(k)) || !lines.BreakAfterRow(270)) return false;
  return true;
}

// The storey's tables and closing lines, from 142 mm under the plan. False
// when the preview has its page.
bool DrawMagnificationTables(PageFrame& frame, int32_t v, int32_t s) {
  ReportLines lines = BodyLines(frame);
  SelectBodyFont(frame);
  lines.SetMm(142);
  const int32_t rects = CountOf(FloorSpecRectCount, v, s, MaxFloorSpecRectsPerStorey);
  const int32_t triangles = CountOf(FloorSpecTriangleCount, v, s, MaxFloorSpecTrianglesPerStorey);
  if (rects > 0 && !DrawTable(lines, RectangleHead1, RectangleHead2, rects,
                              [&](int32_t r) { return RectangleRow(v, s, r); }))
    return false;
  if (triangles > 0) {
    if (!DrawTable(lines, TriangleHead1, TriangleHead2, triangles,
                   [&](int32_t t) { return TriangleRow(v, s, t); }))
      return false;
    lines.Gap(4);
  }
  std::u16string rule;
  for (int k = 0; k < 67; ++k) rule += u'─';
  return lines.Line(4, rule) &&
         lines.Line(4, FormatW(u"\u3000計                                                                    "
                               u"                                        %8.3f  %8.3f",
                               FloorSpecArea[v][s], FloorSpecWeightedArea[v][s])) &&
         lines.Line(4, FormatW(u"           %i階平均床倍率=%8.3f", s + 1, AverageFloorMagnification[v][s]));
}

// ------------------------------------------------------------ floor strength check

constexpr char16_t CheckHead1[] =
    u"\u3000\u3000方\u3000\u3000\u3000\u3000 負担せん断力Ｐ\u3000\u3000\u3000\u3000\u3000\u3000 軸間層 "
    u"\u3000        \u3000\u3000\u3000\u3000 \u3000  下(Ｘ)左(Ｙ)より加算\u3000\u3000上(Ｘ)右(Ｙ)より加算";
constexpr char16_t CheckHeadX2[] =
    u"階\u3000向\u3000軸名\u3000\u3000下階\u3000  上階 \u3000軸間面積\u3000せん断力\u3000 保有耐力（ 倍率 ） "
    u"\u3000必要耐力\u3000 耐力比 \u3000\u3000\u3000必要耐力\u3000 耐力比";
constexpr char16_t CheckHeadY2[] =
    u"階\u3000向\u3000軸名\u3000\u3000下階\u3000  上階 \u3000軸間面積\u3000せん断力\u3000 保有耐力（ 倍率 ） "
    u"  必要耐力\u3000 耐力比 \u3000\u3000\u3000必要耐力\u3000 耐力比";

// One direction's table: its lines (Y axes for X, X axes for Y) and the
// check members accumulated from either side.
struct CheckDirection {
  const char16_t* LineFormat;     // a line row with the storey above
  const char16_t* TopLineFormat;  // on the top storey
  const char16_t* (*AxisName)(int32_t);
  int32_t AxisCount;
  int32_t First, Last;  // the used extent
  const LineArray& Shear;
  const AxisBandArray& BandArea;
  const FloorLineArray& CapacityNear;
  const FloorLineArray& CapacityFar;
  int32_t FromStartNear;  // the far edge's member follows the near edge's
  int32_t FromEndNear;
};

CheckDirection XCheck(int32_t v, int32_t s) {
  return {u"%2i  Ｘ  %-5s%8.3f%8.3f",
          u"%2i  Ｘ  %-5s%8.3f  ------",
          AxisNameY,
          GridAxisCountY,
          UsedExtentMinY[v][s],
          UsedExtentMaxY[v][s],
          LineShearX,
          FloorBandAreaX,
          FloorLineCapacityX1,
          FloorLineCapacityX2,
          FloorCheckXFromBelowNear,
          FloorCheckXFromAboveNear};
}

CheckDirection YCheck(int32_t v, int32_t s) {
  return {u"%2i  Ｙ  %-5s%8.3f%8.3f",
          u"%2i  Ｙ  %-5s%8.3f  ------",
          AxisNameX,
          GridAxisCountX,
          UsedExtentMinX[v][s],
          UsedExtentMaxX[v][s],
          LineShearY,
          FloorBandAreaY,
          FloorLineCapacityY1,
          FloorLineCapacityY2,
          FloorCheckYFromLeftNear,
          FloorCheckYFromRightNear};
}

// The shear that goes with an edge's verdict: that of the loading case whose
// ratio governs it (case 0 where no case judged the edge).
double GoverningShear(int32_t member, int32_t v, int32_t s, int32_t l) {
  int32_t c = FloorCheckCase[member][v][s][l];
  if (c < 0 || c >= StoreyLoadingCaseCount) c = 0;
  return FloorCheckRequired[member][v][s][l][c];
}

// A ratio as printed: within -999.999 .. 999.999, and a ratio that shows as
// zero without a minus sign.
double PrintedRatio(double ratio) {
  if (ratio > 999.999) return 999.999;
  if (ratio < -999.999) return -999.999;
  if (std::fabs(ratio) < 0.0005) return 0.0;
  return ratio;
}

// One edge of an interval, judged from both sides: the floor's strength and
// magnification sum, then shear and ratio from the start and from the end.
std::u16string EdgeRow(double capacity, int32_t fromStart, int32_t fromEnd, int32_t v, int32_t s, int32_t l) {
  std::u16string row =
      FormatW(u" %8.3f  (%6.3f)   %8.3f  %8.3f      %8.3f  %8.3f", FloorShearCapacityPerMetre * capacity,
              capacity, GoverningShear(fromStart, v, s, l), PrintedRatio(FloorCheckRatio[fromStart][v][s][l]),
              GoverningShear(fromEnd, v, s, l), PrintedRatio(FloorCheckRatio[fromEnd][v][s][l]));
  if (FloorCheckOk[fromStart][v][s][l] == FloorCheckFails ||
      FloorCheckOk[fromEnd][v][s][l] == FloorCheckFails)
    row += u"  <-- NG";
  return row;
}

// The line rows and intervals of one direction. False when the preview has
// its page.
bool DrawCheckBody(ReportLines& lines, const CheckDirection& d, int32_t v, int32_t s, int32_t top) {
  const int32_t first = std::max(d.First, 0);
  const int32_t last = std::min(d.Last, d.AxisCount - 1);
  for (int32_t l = first; l <= last; ++l) {
    const double shear = d.Shear[v][s][l][0];
    const std::u16string lineRow =
        s < top ? FormatW(d.LineFormat, s + 1, d.AxisName(l), shear, d.Shear[v][s + 1][l][0])
                : FormatW(d.TopLineFormat, s + 1, d.AxisName(l), shear);
    if (!lines.Line(3.6, lineRow)) return false;
    if (l == last) break;
    const double area = d.BandArea[v][s][l];
    if (!lines.Line(1.8, EdgeRow(d.CapacityNear[v][s][l], d.FromStartNear, d.FromEndNear, v, s, l), 80) ||
        !lines.Line(
            1.8, FormatW(u"                              %8.3f  %8.3f", area, area * FloorUnitShear[v][s])) ||
        !lines.Line(1.8, EdgeRow(d.CapacityFar[v][s][l], d.FromStartNear + 1, d.FromEndNear + 1, v, s, l),
                    80) ||
        !lines.BreakAfterRow(270))
      return false;
  }
  return true;
}

// The storey's page or pages after the title. False when the preview has its
// page.
bool DrawCheckTables(PageFrame& frame, int32_t v, int32_t s, int32_t top) {
  ReportLines lines = BodyLines(frame);
  SelectBodyFont(frame);
  lines.SetMm(20);
  std::u16string storeyLine = FormatW(u"%2i階\u3000(必要耐力%8.3f", s + 1, RequiredStrength[v][s]);
  if (s < top) storeyLine += FormatW(u"－上階必要耐力%8.3f", RequiredStrength[v][s + 1]);
  storeyLine += FormatW(u")／(床面積%8.3f)＝(単位面積あたりの層せん断力%8.3f)", RequiredStrengthArea[v][s],
                        FloorUnitShear[v][s]);
  if (!lines.Line(2, storeyLine) || !lines.Line(4, CheckHead1) || !lines.Line(3.2, CheckHeadX2) ||
      !DrawCheckBody(lines, XCheck(v, s), v, s, top))
    return false;
  // The Y table starts on a page of its own when less than 40 mm are left.
  if (!lines.BreakAfterRow(250)) return false;
  lines.Gap(4);
  return lines.Line(3.6, CheckHead1) && lines.Line(3.2, CheckHeadY2) &&
         DrawCheckBody(lines, YCheck(v, s), v, s, top);
}

}  // namespace

int32_t DrawFloorMagnificationPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  PageFrame frame(sink, pixelsPerMm, wantedPage);
  const int32_t v = ClampInt(CurrentVariant, 0, VariantCount - 1);
  const int32_t top = TopStoreyOf(v);
  for (int32_t s = 0; s <= top; ++s) {
    Canvas& canvas = frame.BeginPage();
    DrawReportPlan(canvas, PlanOnFloorMagnificationPage, s, pixelsPerMm, wantedPage);
    frame.DrawTitle(FormatW(u"%s平均床倍率（%2i階）", CurrentTitlePrefix(), s + 1), 5, 2.5);
    if (!DrawMagnificationTables(frame, v, s) || frame.HandOver(s < top)) break;
  }
  return frame.Result();
}

int32_t DrawFloorStrengthCheckPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  PageFrame frame(sink, pixelsPerMm, wantedPage);
  const int32_t v = ClampInt(CurrentVariant, 0, VariantCount - 1);
  const int32_t top = TopStoreyOf(v);
  for (int32_t s = 0; s <= top; ++s) {
    frame.BeginPage();
    frame.DrawTitle(FormatW(u"%s床耐力検定（%2i階）", CurrentTitlePrefix(), s + 1), 5, 2.5);
    if (!DrawCheckTables(frame, v, s, top) || frame.HandOver(s < top)) break;
  }
  return frame.Result();
}
