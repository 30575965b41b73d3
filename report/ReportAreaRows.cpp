#include "report/ReportAreaRows.h"

#include "analysis/GridAxisLabels.h"
#include "model/ElementLabels.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "platform/Format.h"

const AreaRowLayout FloorAreaRowLayout = {
    u"%2i     %-13ls%4.2f     %-6s    %-6s    %-6s    %-6s   %8.3f  %8.3f  %7.0f  %8.3f",
    u"%2i     %-13ls%4.2f   %-6s %-6s %-6s %-6s %-6s %-6s%8.3f  %8.3f  %7.0f  %8.3f",
    7,
    20,
    20,
    4,
    270,
};

const AreaRowLayout CentreOfGravityRowLayout = {
    u"%2i   %-13ls%4.2f    %-6s   %-6s   %-6s   %-6s %8.3f %8.3f  %8.3f  %8.3f  %8.3f  %8.3f",
    u"%2i   %-13ls%4.2f  %-6s%-6s%-6s%-6s%-6s%-6s%8.3f %8.3f  %8.3f  %8.3f  %8.3f  %8.3f",
    5,
    18,
    5,
    4,
    270,
};

const char16_t* AxisNameX(int32_t index) {
  return index >= 0 && index < GridAxisCountX ? GridAxisNameX[index] : u"";
}

const char16_t* AxisNameY(int32_t index) {
  return index >= 0 && index < GridAxisCountY ? GridAxisNameY[index] : u"";
}

std::array<const char16_t*, 4> RectangleCornerNames(const RoofFloorRectRecord& r) {
  return {AxisNameX(MinInt(r.X1, r.X2)), AxisNameY(MaxInt(r.Y1, r.Y2)), AxisNameX(MaxInt(r.X1, r.X2)),
          AxisNameY(MinInt(r.Y1, r.Y2))};
}

std::array<const char16_t*, 6> TriangleCornerNames(const RoofFloorTriangleRecord& t) {
  return {AxisNameX(t.X1), AxisNameY(t.Y1), AxisNameX(t.X2),
          AxisNameY(t.Y2), AxisNameX(t.X3), AxisNameY(t.Y3)};
}

namespace {

void WidenName(const AreaRowLayout& layout, std::u16string& row) {
  WidenBlanks(row, layout.NameFirst, layout.NameEnd);
}

}  // namespace

std::u16string AreaRectangleRowText(const AreaRowLayout& layout, int32_t number, const RoofFloorRectRecord& r,
                                    double factor, const AreaRowValues& values) {
  char16_t name[AreaLabelCapacity];
  AreaCodeLabel(r.AreaCode, name);
  const auto c = RectangleCornerNames(r);
  const auto& n = values.Values;
  std::u16string row = FormatW(layout.RectangleFormat, number, name, factor, c[0], c[1], c[2], c[3], n[0],
                               n[1], n[2], n[3], n[4], n[5]);
  WidenName(layout, row);
  return row;
}

std::u16string AreaTriangleRowText(const AreaRowLayout& layout, int32_t number,
                                   const RoofFloorTriangleRecord& t, double factor,
                                   const AreaRowValues& values) {
  char16_t name[AreaLabelCapacity];
  AreaCodeLabel(t.AreaCode, name);
  const auto c = TriangleCornerNames(t);
  const auto& n = values.Values;
  std::u16string row = FormatW(layout.TriangleFormat, number, name, factor, c[0], c[1], c[2], c[3], c[4],
                               c[5], n[0], n[1], n[2], n[3], n[4], n[5]);
  WidenName(layout, row);
  return row;
}

namespace {

// The rows of one list; text(i, factor, values) formats record i.
template <class Record, class Text>
bool DrawRows(ReportLines& lines, const AreaRowLayout& layout, const AreaRowSource& source,
              const Record* records, int32_t count, AreaCodeSet skipped,
              const std::function<AreaRowValues(int32_t)>& values, Text text) {
  for (int32_t i = 0; i < count; ++i) {
    const Record& r = records[i];
    if (!AreaCodeIn(skipped, r.AreaCode)) {
      const double factor = source.Factors ? AreaFactor(source.Factors, r.AreaCode) : 0.0;
      const AreaRowValues row = values ? values(i) : AreaRowValues{};
      if (!lines.Line(layout.StepMm, text(i + 1, r, factor, row), layout.XMm)) return false;
    }
    if (layout.BreakAfterMm > 0 && !lines.BreakAfterRow(layout.BreakAfterMm)) return false;
  }
  return true;
}

}  // namespace

bool DrawAreaRectangleRows(ReportLines& lines, const AreaRowLayout& layout, const AreaRowSource& source,
                           int32_t v, int32_t s) {
  if (!ValidVariant(v) || !ValidStorey(s)) return true;
  return DrawRows(
      lines, layout, source, RoofFloorRects[v][s],
      CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey), source.SkippedRectangleCodes,
      source.RectangleValues,
      [&layout](int32_t number, const RoofFloorRectRecord& r, double factor, const AreaRowValues& row) {
        return AreaRectangleRowText(layout, number, r, factor, row);
      });
}

bool DrawAreaTriangleRows(ReportLines& lines, const AreaRowLayout& layout, const AreaRowSource& source,
                          int32_t v, int32_t s) {
  if (!ValidVariant(v) || !ValidStorey(s)) return true;
  return DrawRows(
      lines, layout, source, RoofFloorTriangles[v][s],
      CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey), source.SkippedTriangleCodes,
      source.TriangleValues,
      [&layout](int32_t number, const RoofFloorTriangleRecord& t, double factor, const AreaRowValues& row) {
        return AreaTriangleRowText(layout, number, t, factor, row);
      });
}

namespace {

bool DrawFloorAreaHeads(ReportLines& lines, const std::array<const char16_t*, 2>& heads) {
  if (!lines.Line(5, heads[0]) || !lines.Line(3.5, heads[1])) return false;
  lines.Gap(1);
  return true;
}

}  // namespace

bool DrawFloorAreaTables(ReportLines& lines, const FloorAreaTableHeads& heads, const AreaRowSource& source,
                         int32_t v, int32_t s) {
  if (CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey) > 0 &&
      (!DrawFloorAreaHeads(lines, heads.Rectangle) ||
       !DrawAreaRectangleRows(lines, FloorAreaRowLayout, source, v, s)))
    return false;
  return CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey) <= 0 ||
         (DrawFloorAreaHeads(lines, heads.Triangle) &&
          DrawAreaTriangleRows(lines, FloorAreaRowLayout, source, v, s));
}

double AddedLoadArea(double area, double addedLoad, int32_t weightClass) {
  return area * addedLoad / 1000 / WeightClassDivisorTable[ClampInt(weightClass, 0, 2)];
}

std::u16string AreaKindName(int32_t code, BalconySpelling balcony) {
  char16_t label[AreaLabelCapacity];
  AreaCodeLabel(code, label);
  std::u16string name = label;
  if (balcony == BalconySpelling::HalfWidth) {
    const std::u16string full = u"バルコニー";
    if (const auto at = name.find(full); at != std::u16string::npos) name.replace(at, full.size(), u"ﾊﾞﾙｺﾆｰ");
  }
  return name;
}

std::u16string AreaCodeLegendText(int32_t code, BalconySpelling balcony) {
  return FormatW(u"(%i):%s", code, AreaKindName(code, balcony).c_str());
}

void DrawAreaCodeLegend(Canvas& canvas, double pixelsPerMm, BalconySpelling balcony) {
  for (int32_t code = 0; code < AreaLabelCodeCount; ++code)
    DrawTextMm(canvas, pixelsPerMm, 150, 40 + 5 * code, AreaCodeLegendText(code, balcony));
}

bool DrawZoneAreaBlock(ReportLines& lines, int32_t v, int32_t s) {
  if (!ValidVariant(v) || !ValidStorey(s)) return true;
  return DrawZoneAreaBlock(lines, s,
                           {RequiredStrengthAreaA[v][s], RequiredStrengthAreaB[v][s],
                            RequiredStrengthArea1[v][s], RequiredStrengthArea2[v][s]});
}

bool DrawZoneAreaBlock(ReportLines& lines, int32_t s, const std::array<double, 4>& areas) {
  lines.Gap(4);
  return lines.Line(4, u"領域毎の床面積") && lines.Line(4, FormatW(u"%i 階", s + 1)) &&
         lines.Line(4, u"方向Ｘ　　領域ａ　　領域ｂ　　方向Ｙ　領域イ　　領域ロ") &&
         lines.Line(4, FormatW(u"　　　　%8.3f  %8.3f  　　　　%8.3f  %8.3f", areas[0], areas[1], areas[2],
                               areas[3]));
}
