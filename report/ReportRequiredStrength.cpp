// Kind 3, the required strength: a page per storey with its plan, the
// area-code legend and the storey's tables (the floor areas of the table and
// weight-table methods, or the load take-off of the building-law method),
// then a summary page per snow case with the factors and Qr of every storey.
// The load take-off weighs areas, walls and gable walls by the analysis's own
// rules, and its sums of one call feed the summary's storey weights.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/BuildingLawSeismicForce.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "analysis/StoreyWeights.h"
#include "model/ElementLabels.h"
#include "model/ElementTables.h"
#include "model/ModelAccess.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "report/ReportAreaRows.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"

namespace {

constexpr double RowBreakMm = 270;
constexpr double SummaryStepMm = 6;

// The weights of the load take-off of one call, kN by storey: filled by the
// storey pages, read by the summary pages that follow them.
struct PageSums {
  double RoofFloor[StoreyCount] = {};
  double RoofFloorSnow[StoreyCount] = {};
  double Wall[StoreyCount] = {};
  double Gable[StoreyCount] = {};
};

template <std::size_t N>
const char16_t* LabelAt(const char16_t* const (&labels)[N], int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? labels[index] : u"";
}

const char16_t* const WeightClassTexts[3] = {u"軽い", u"重い", u"非常に重い"};
const char16_t* const StoreyCountTexts[3] = {u"平屋建", u"２階建", u"３階建"};
const char16_t* const AtticNotes[2] = {u"", u"１ランク上の重量の建物とする。"};

bool ByFloorArea(int32_t m) {
  return m == RequiredByWeightTable || m == RequiredByStrengthTable || m == RequiredBySimpleTable;
}

double SoftGroundFactor() { return VerySoftGroundFactors[ClampInt(ProjectSettings.VerySoftGround, 0, 1)]; }
double MixedStructureFactor() {
  return MixedStructureFactors[ClampInt(ProjectSettings.MixedStructure, 0, 2)];
}

// --- Floor-area tables (methods 1 to 3) ---------------------------------

constexpr AreaCodeSet EavesCodes = AreaCodes({10, 11, 12, 13});

const FloorAreaTableHeads FloorAreaHeads = {
    {u"矩形　　　                       重付     左下      左下      右上      右上        矩形     "
     u"算定用   　追加   　追加",
     u"No.　     種類　　　             係数      (X)       (Y)       (X)       (Y)        "
     u"面積      面積      荷重 　　面積"},
    {u"三角　　　                       重付   No.1   No.1   No.2   No.2   No.3   No.3     三角     "
     u"算定用   　追加   　追加",
     u"No.      種類　　　              係数    (X)    (Y)    (X)    (Y)    (X)    (Y)     "
     u"面積      面積      荷重 　　面積"}};

bool DrawStoreyFloorAreas(ReportLines& lines, int32_t v, int32_t s, int32_t m) {
  const int32_t weightClass = ProjectSettings.WeightClass[v];
  AreaRowSource source;
  source.Factors = m == RequiredBySimpleTable ? SimpleCalcAreaFactorTable : CalcAreaFactorTable;
  source.SkippedRectangleCodes = source.SkippedTriangleCodes = EavesCodes;
  source.RectangleValues = [v, s, weightClass](int32_t i) {
    const double area = RectFloorArea[v][s][i], load = RoofFloorRects[v][s][i].AddedLoad;
    return AreaRowValues{{area, RectCalcArea[v][s][i], load, AddedLoadArea(area, load, weightClass)}};
  };
  source.TriangleValues = [v, s, weightClass](int32_t i) {
    const double area = TriFloorArea[v][s][i], load = RoofFloorTriangles[v][s][i].AddedLoad;
    return AreaRowValues{{area, TriCalcArea[v][s][i], load, AddedLoadArea(area, load, weightClass)}};
  };

  if (!DrawFloorAreaTables(lines, FloorAreaHeads, source, v, s)) return false;
  if (!lines.Line(5,
                  FormatW(u"　計　　　                                                                       "
                          u"%8.3f  %8.3f",
                          StoreyGrossArea[v][s], RequiredStrengthArea[v][s])))
    return false;
  if (m == RequiredByWeightTable) {
    if (!lines.Line(
            5,
            FormatW(
                u"　屋根計                                                                             %8.3f",
                RoofWeightArea[v][s])) ||
        !lines.Line(
            5,
            FormatW(
                u"　壁計  　                                                                           %8.3f",
                WallWeightArea[v][s])) ||
        !lines.Line(
            5,
            FormatW(
                u"　床計  　                                                                           %8.3f",
                FloorWeightArea[v][s])))
      return false;
  }
  if (ProjectSettings.BalanceMethod == BalanceByQuarterDivision && !DrawZoneAreaBlock(lines, v, s))
    return false;
  return true;
}

// --- Load take-off (method 0) --------------------------------------------

// The area rows of the load take-off: every area, the weight by the
// analysis's rules with the dead load cut to whole newtons, the snow weight
// appended with snow.
template <class Record>
bool DrawWeightRow(ReportLines& lines, const Record& r, double area, std::u16string row, int32_t s, bool snow,
                   PageSums& sums) {
  const AreaLoadWeights w =
      AreaLoadWeight(r.AreaCode, r.LiveLoad, std::trunc(r.DeadLoad), r.AddedLoad, AddedLoadCounts(r), area);
  row += FormatW(u"%8.3f", w.Weight / 1000);
  sums.RoofFloor[s] += w.Weight / 1000;
  if (snow) {
    sums.RoofFloorSnow[s] += w.WeightSnow / 1000;
    row += FormatW(u"   (%8.3f)", w.WeightSnow / 1000);
  }
  return lines.Line(4, row) && lines.BreakAfterRow(RowBreakMm);
}

double UnitDeadLoad(int32_t code, double deadLoad) { return GetUnitLoadForSpec(code, std::trunc(deadLoad)); }

// The columns of the load take-off stand in character cells under their
// heads: a row's number and kind fill the 27 cells before the first axis
// name, "%2i", five blanks and the kind padded to 20 cells. A kind longer
// than that moves left into the blanks, so that a blank still stands before
// the axis name; a balcony, 24 cells in full-width katakana, is written in
// half-width katakana (20 cells).
constexpr int32_t LeadCells = 27;

std::u16string NumberAndKind(int32_t number, std::u16string_view kind) {
  std::u16string lead = FormatW(u"%2i", number);
  lead.append(static_cast<std::size_t>(std::clamp(LeadCells - 1 - CellsOf(lead) - CellsOf(kind), 1, 5)),
              u' ');
  lead += kind;
  return PadToCells(lead, LeadCells);
}

std::u16string AreaKind(int32_t areaCode) {
  std::u16string name = AreaKindName(areaCode);
  if (CellsOf(name) > 20) name = AreaKindName(areaCode, BalconySpelling::HalfWidth);
  return name;
}

// The head lines of a load take-off table, with their gaps: the first
// stands firstStepMm below what is above it.
bool DrawTableHeads(ReportLines& lines, double firstStepMm, std::u16string_view first,
                    std::u16string_view second, std::u16string_view units) {
  if (!lines.Line(firstStepMm, first) || !lines.Line(3.5, second)) return false;
  lines.Gap(1);
  if (!lines.Line(3.5, units)) return false;
  lines.Gap(1);
  return true;
}

// What tells the rectangle table of the area weights from the triangle table.
struct AreaWeightTable {
  double FirstStepMm;
  const char16_t* Head;
  const char16_t* Columns;
  const char16_t* SnowColumn;  // appended to Columns with snow
};

const AreaWeightTable RectangleWeightTable = {
    5,
    u"矩形                       左下       左下       右上       右上        矩形     "
    u"単位面積当たりの重量　　 矩形",
    u"No.      種類              (X)        (Y)        (X)        (Y)         面積     固定    積載    "
    u"追加　　 重量",
    u"    (矩形重量)"};
const AreaWeightTable TriangleWeightTable = {
    10,
    u"三角                      No.1   No.1   No.2   No.2   No.3   No.3       三角     "
    u"単位面積当たりの重量　　 三角",
    u"No.      種類              (X)    (Y)    (X)    (Y)    (X)    (Y)       面積     固定    積載    "
    u"追加　　 重量",
    u"    (三角重量)"};

std::u16string CornerCells(const RoofFloorRectRecord& r) {
  const auto c = RectangleCornerNames(r);
  return FormatW(u"%-6s     %-6s     %-6s     %-6s   ", c[0], c[1], c[2], c[3]);
}

std::u16string CornerCells(const RoofFloorTriangleRecord& t) {
  const auto c = TriangleCornerNames(t);
  return FormatW(u"%-6s %-6s %-6s %-6s %-6s %-6s ", c[0], c[1], c[2], c[3], c[4], c[5]);
}

// One table of the area weights: its heads, then a row per record of the
// storey with its corners, area, unit loads and weight.
template <class Record>
bool DrawAreaWeightTable(ReportLines& lines, const AreaWeightTable& table, const Record* records,
                         const double* areas, int32_t count, int32_t s, bool snow, PageSums& sums) {
  if (count <= 0) return true;
  const std::u16string units =
      std::u16string(
          u"                                                                        (㎡)    (N/㎡)  "
          u"(N/㎡)  (N/㎡)    (KN)") +
      (snow ? u"       (kN)" : u"");
  if (!DrawTableHeads(lines, table.FirstStepMm, std::u16string(table.Head) + (snow ? u"      積雪時" : u""),
                      std::u16string(table.Columns) + (snow ? table.SnowColumn : u""), units))
    return false;
  for (int32_t i = 0; i < count; ++i) {
    const Record& r = records[i];
    const std::u16string row = NumberAndKind(i + 1, AreaKind(r.AreaCode)) + CornerCells(r) +
                               FormatW(u"%8.3f %7.0f %7.0f %7.0f　", areas[i],
                                       UnitDeadLoad(r.AreaCode, r.DeadLoad), r.LiveLoad, r.AddedLoad);
    if (!DrawWeightRow(lines, r, areas[i], row, s, snow, sums)) return false;
  }
  return true;
}

bool DrawAreaWeights(ReportLines& lines, int32_t v, int32_t s, bool snow, PageSums& sums) {
  if (!DrawAreaWeightTable(lines, RectangleWeightTable, RoofFloorRects[v][s], RectWeightArea[v][s],
                           CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey), s, snow, sums) ||
      !DrawAreaWeightTable(lines, TriangleWeightTable, RoofFloorTriangles[v][s], TriWeightArea[v][s],
                           CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey), s, snow,
                           sums))
    return false;

  if (sums.RoofFloor[s] != 0) {
    std::u16string total = FormatW(
        u"　                                                                                 %2i階屋根床等計 "
        u" ＝  %8.3f",
        s + 1, sums.RoofFloor[s]);
    if (snow) total += FormatW(u"   (%8.3f)", sums.RoofFloorSnow[s]);
    if (!lines.Line(10, total)) return false;
  }
  return true;
}

// A row of the wall or gable table besides its two ends: the kind, three
// measures (a wall's length, height and area; a gable's length, height and
// slope), the unit weight (N/m²) and the weight (kN, 0 for one off the grid,
// which the analysis leaves out of the level weights).
struct LineWeightRow {
  const char16_t* Kind;
  std::array<double, 3> Measures;
  double UnitWeight;
  double Weight;
};

struct LineWeightTable {
  const char16_t* Head;
  const char16_t* Columns;
  const char16_t* Units;
  const char16_t* TotalFormat;  // the storey number and the table's sum
};

// The wall or gable table of storey s, its rows added to sum.
template <class Record, class RowOf>
bool DrawLineWeightTable(ReportLines& lines, const LineWeightTable& table, const Record* records,
                         int32_t count, RowOf rowOf, int32_t s, double& sum) {
  if (count <= 0) return true;
  if (!DrawTableHeads(lines, 10, table.Head, table.Columns, table.Units)) return false;
  for (int32_t i = 0; i < count; ++i) {
    const Record& e = records[i];
    const LineWeightRow r = rowOf(e, i);
    sum += r.Weight;
    const std::u16string row =
        FormatW(u"%s%-6s     %-6s     %-6s     %-6s     %6.3f  %6.3f  %6.3f  %6.0f    %6.3f",
                NumberAndKind(i + 1, r.Kind).c_str(), AxisNameX(e.X1), AxisNameY(e.Y1), AxisNameX(e.X2),
                AxisNameY(e.Y2), r.Measures[0], r.Measures[1], r.Measures[2], r.UnitWeight, r.Weight);
    if (!lines.Line(4, row) || !lines.BreakAfterRow(RowBreakMm)) return false;
  }
  return lines.Line(10, FormatW(table.TotalFormat, s + 1, sum));
}

const LineWeightTable WallWeightTable = {
    u"壁　                       始点       始点       終点       終点             　　　　　　　    "
    u"単位面積　  壁",
    u"No.      種類              (X)        (Y)        (X)        (Y)         長さ    高さ    面積    "
    u"の重量    重量",
    u"                                                                        (ｍ)    (ｍ)    (㎡)    "
    u"(N/㎡)    (KN)",
    u"　                                                                         "
    u"              %2i階壁計  ＝  %8.3f"};

const LineWeightTable GableWeightTable = {
    u"矢切等                     始点       始点       終点       終点             "
    u"　　　　　　　　　単位面積　矢切等",
    u"No.      種類              (X)        (Y)        (X)        (Y)         長さ  　高さ  　勾配  "
    u"　の重量  　重量",
    u"                                                                        (ｍ)  　(ｍ)  　(分)    "
    u"(N/㎡)    (KN)",
    u"　                                                                         "
    u"          %2i階矢切等計  ＝  %8.3f"};

bool DrawWallWeights(ReportLines& lines, int32_t v, int32_t s, PageSums& sums) {
  return DrawLineWeightTable(
      lines, WallWeightTable, Walls[v][s], WallCountOf(v, s),
      [v, s](const WallRecord& wall, int32_t i) {
        const WallCaseResult& result = WallResults[v][s][i].Blocks[0];
        const double length = result.Length;
        const double height = wall.Height != 0 ? wall.Height : ProjectSettings.StoreyHeight[v][s];
        const double unit = WallUnitWeight(wall, result.WallType);
        const bool weighed = OnGrid(wall.X1, wall.Y1) && OnGrid(wall.X2, wall.Y2);
        const double weight = weighed ? length * height * unit / 1000 : 0.0;
        return LineWeightRow{
            LabelAt(WallTypeLabels, result.WallType), {length, height, length * height}, unit, weight};
      },
      s, sums.Wall[s]);
}

bool DrawGableWeights(ReportLines& lines, int32_t v, int32_t s, PageSums& sums) {
  return DrawLineWeightTable(
      lines, GableWeightTable, GableWalls[v][s], CountOf(GableWallCount, v, s, MaxGableWallsPerStorey),
      [](const GableWallRecord& gable, int32_t) {
        const double dx = AxisX(gable.X1) - AxisX(gable.X2), dy = AxisY(gable.Y1) - AxisY(gable.Y2);
        const double length = std::sqrt(dx * dx + dy * dy);
        const bool weighed = OnGrid(gable.X1, gable.Y1) && OnGrid(gable.X2, gable.Y2);
        const double weight = weighed ? GableWallWeight(gable, length) / 1000 : 0.0;
        return LineWeightRow{LabelAt(GableShapeLabels, gable.Shape),
                             {length, gable.Height, gable.Slope},
                             GableUnitWeight(gable),
                             weight};
      },
      s, sums.Gable[s]);
}

bool DrawLoadTakeOff(ReportLines& lines, int32_t v, int32_t s, PageSums& sums) {
  const bool snow = ProjectSettings.SnowLoad != 0;
  return DrawAreaWeights(lines, v, s, snow, sums) && DrawWallWeights(lines, v, s, sums) &&
         DrawGableWeights(lines, v, s, sums);
}

// --- Summary: factor lines --------------------------------------------------

bool DrawFactorLines(ReportLines& lines, int32_t v, int32_t m, int32_t pass) {
  if (!lines.Line(SummaryStepMm, FormatW(u"（軟弱地盤割り増し係数） %4.1f 倍", SoftGroundFactor())))
    return false;
  if (ProjectSettings.TopStorey[v] == TopStoreySecond) {
    std::u16string shape;
    bool noRectangle = false;
    if (m == RequiredByStrengthTable) {
      shape = FormatW(u"（形状割り増し係数）　　　２階短辺長さ＝%7.3f 　１階形状係数＝%6.2f",
                      ShortSideLength[v][1], PlanShapeFactor[v][0]);
      noRectangle = MaxRectangleGiven[v][1] == 0;
    } else if (m == RequiredByWeightTable || m == RequiredBySimpleTable) {
      shape = FormatW(u"（形状割り増し係数）　　　１階短辺長さ＝%7.3f 　１階形状係数＝%6.2f",
                      ShortSideLength[v][0], PlanShapeFactor[v][0]);
      noRectangle = MaxRectangleGiven[v][0] == 0;
    }
    if (noRectangle) shape += u"    （検討階の最大矩形未入力）";
    if (shape.empty() ? !lines.Advance(SummaryStepMm) : !lines.Line(SummaryStepMm, shape)) return false;
  }
  if (pass == 1 && (m == RequiredByStrengthTable || m == RequiredBySimpleTable) &&
      !lines.Line(SummaryStepMm, FormatW(u"（積雪深さによる加算）　 %5.2fＺ", ProjectSettings.SnowLoad)))
    return false;
  return lines.Line(SummaryStepMm, FormatW(u"（混構造割り増し）　　　 %4.1f 倍", MixedStructureFactor())) &&
         lines.Line(SummaryStepMm,
                    FormatW(u"（地域係数Ｚ）　　　 Ｚ＝%4.1f 倍", ProjectSettings.RegionFactorZ));
}

// A list of summary lines, each a 6 mm step.
bool Lines(ReportLines& lines, std::initializer_list<std::u16string_view> texts) {
  for (const std::u16string_view text : texts)
    if (!lines.Line(SummaryStepMm, text)) return false;
  return true;
}

// --- Summary of the table methods (2 and 3) ---------------------------------

// The table value per floor area that the summary prints beside storey s's
// result: the base that K multiplies (method 2) or the simple table's value
// (method 3), by the building's weight class.
double BaseValue(int32_t m, int32_t top, int32_t s, int32_t weightClass) {
  if (top == 0) return RequiredStrengthPerAreaTable[weightClass];
  const int32_t row = (top == 1 ? 1 : 3) + s;
  if (m == RequiredByStrengthTable) return RequiredStrengthBaseTable[3 * (row - 1) + weightClass];
  return RequiredStrengthPerAreaTable[3 * row + weightClass];
}

// The K factors of a three-storey per-area line; under the simple table,
// which has no K, blanks of the same cells so that "＝" keeps its column.
std::u16string KFactors(const char16_t* factors, bool simple) {
  std::u16string text = factors;
  if (simple)
    for (char16_t& c : text) c = c < 0x80 ? u' ' : u'\u3000';
  return text;
}

struct TablePass {
  const StoreyArray* Area;
  const StoreyArray* PerArea;
  const StoreyArray* Strength;
  const RequiredStrengthFactors* Factors;
  const StoreyArray* ZonePerArea[4];
  const StoreyArray* ZoneStrength[4];
};

TablePass TablePassOf(int32_t pass) {
  if (pass == 0)
    return {&RequiredStrengthArea,
            &RequiredStrengthPerArea,
            &RequiredStrength,
            &RequiredStrengthFactorsA,
            {&RequiredStrengthPerAreaA, &RequiredStrengthPerAreaB, &RequiredStrengthPerArea1,
             &RequiredStrengthPerArea2},
            {&RequiredStrengthZoneA, &RequiredStrengthZoneB, &RequiredStrengthZone1, &RequiredStrengthZone2}};
  // The snow zone values: each printed product then gives its printed Qr.
  return {&RequiredStrengthAreaSnow,
          &RequiredStrengthPerAreaSnow,
          &RequiredStrengthSnow,
          &RequiredStrengthFactorsB,
          {&RequiredStrengthPerAreaASnow, &RequiredStrengthPerAreaBSnow, &RequiredStrengthPerArea1Snow,
           &RequiredStrengthPerArea2Snow},
          {&RequiredStrengthZoneASnow, &RequiredStrengthZoneBSnow, &RequiredStrengthZone1Snow,
           &RequiredStrengthZone2Snow}};
}

bool DrawPerAreaDerivation(ReportLines& lines, int32_t v, int32_t m, const TablePass& p) {
  const int32_t top = TopStoreyOf(v);
  const int32_t wc = ClampInt(ProjectSettings.WeightClass[v], 0, 2);
  const bool veryHeavy = ProjectSettings.WeightClass[v] == WeightVeryHeavy;
  const double* a = (*p.Area)[v];
  const double* q = (*p.PerArea)[v];
  const RequiredStrengthFactors& f = *p.Factors;
  if (!Lines(lines, {u"〈単位面積あたりの必要耐力の算出〉",
                     FormatW(u"　　　　　　　　　　建物の重さ区分  %-10s　　　建物階数　%-8s　%-40s",
                             LabelAt(WeightClassTexts, ProjectSettings.WeightClass[v]),
                             LabelAt(StoreyCountTexts, ProjectSettings.TopStorey[v]),
                             LabelAt(AtticNotes, ProjectSettings.AtticStorage[v]))}))
    return false;
  if (top == 0)
    return lines.Line(SummaryStepMm, FormatW(u"床面積当り必要耐力　１階(kＮ／㎡) ＝%4.2f　　 ＝　%7.3f",
                                             BaseValue(m, top, 0, wc), q[0]));
  if (top == 1) {
    if (m == RequiredByStrengthTable) {
      const std::u16string rf = FormatW(
          u"　　　　　　　　　　Ｒf ＝ ２階床面積／１階床面積 ＝ %7.3f ／%7.3f ＝%8.5f", a[1], a[0], f.Rf1);
      if (veryHeavy) {
        if (!Lines(lines, {rf, FormatW(u"　　　　　　　　　　Ｋ2 ＝1.06＋0.15／Ｒf         ＝　%8.5f", f.K2),
                           FormatW(u"　　　　　　　　　　Ｋ1 ＝0.53＋0.47×Ｒf         ＝　%8.5f", f.K1)}))
          return false;
      } else if (!Lines(lines,
                        {rf, FormatW(u"　　　　　　　　　　Ｋ2 ＝1.3 ＋0.07／Ｒf         ＝　%8.5f", f.K2),
                         FormatW(u"　　　　　　　　　　Ｋ1 ＝0.40＋0.60×Ｒf         ＝　%8.5f", f.K1)})) {
        return false;
      }
    }
    // Precise method 1 prints no per-area lines for two storeys.
    if (ProjectSettings.DiagnosisMethod == DiagnosisPrecise1) return true;
    if (m == RequiredBySimpleTable)
      return Lines(lines, {FormatW(u"床面積当り必要耐力　２階(kＮ／㎡) ＝%4.2f", q[1]),
                           FormatW(u"床面積当り必要耐力　１階(kＮ／㎡) ＝%4.2f", q[0])});
    return Lines(lines, {FormatW(u"床面積当り必要耐力　２階(kＮ／㎡) ＝%4.2f×Ｋ2　　 ＝　%9.5f",
                                 BaseValue(m, top, 1, wc), q[1]),
                         FormatW(u"床面積当り必要耐力　１階(kＮ／㎡) ＝%4.2f×Ｋ1　　 ＝　%9.5f",
                                 BaseValue(m, top, 0, wc), q[0])});
  }
  if (m == RequiredByStrengthTable) {
    if (!Lines(lines, {FormatW(u"　　　　　　　　　 Ｒf1 ＝ ２階床面積／１階床面積 ＝ %7.3f ／%7.3f ＝%8.5f",
                               a[1], a[0], f.Rf1),
                       FormatW(u"　　　　　　　　　 Ｒf2 ＝ ３階床面積／２階床面積 ＝ %7.3f ／%7.3f ＝%8.5f",
                               a[2], a[1], f.Rf2)}))
      return false;
    if (veryHeavy) {
      if (!Lines(
              lines,
              {FormatW(u"　　　　　　　　　　Ｋ3 ＝(0.36＋0.64×Ｒf1)×(0.68＋0.32×Ｒf2)＝　%8.5f", f.K3),
               FormatW(u"　　　　　　　　　　Ｋ4 ＝0.53＋0.47×Ｒf2                      ＝　%8.5f", f.K4),
               FormatW(u"　　　　　　　　　　Ｋ5 ＝0.98＋0.10／Ｒf1+0.05／Ｒf2           ＝　%8.5f", f.K5),
               FormatW(u"　　　　　　　　　　Ｋ6 ＝1.04＋0.13／Ｒf1+0.24／Ｒf2           ＝　%8.5f", f.K6)}))
        return false;
    } else if (!Lines(
                   lines,
                   {FormatW(u"　　　　　　　　　　Ｋ3 ＝(0.25＋0.75×Ｒf1)×(0.65＋0.35×Ｒf2)＝　%8.5f", f.K3),
                    FormatW(u"　　　　　　　　　　Ｋ4 ＝0.40＋0.60×Ｒf2                      ＝　%8.5f",
                            f.K4),
                    FormatW(u"　　　　　　　　　　Ｋ5 ＝1.03＋0.10／Ｒf1+0.08／Ｒf2           ＝　%8.5f",
                            f.K5),
                    FormatW(u"　　　　　　　　　　Ｋ6 ＝1.23＋0.10／Ｒf1+0.23／Ｒf2           ＝　%8.5f",
                            f.K6)})) {
      return false;
    }
  }
  const bool simple = m == RequiredBySimpleTable;
  return Lines(lines, {FormatW(u"床面積当り必要耐力　３階(kＮ／㎡) ＝%4.2f%s　　          ＝　%8.5f",
                               BaseValue(m, top, 2, wc), KFactors(u"×Ｋ6", simple).c_str(), q[2]),
                       FormatW(u"床面積当り必要耐力　２階(kＮ／㎡) ＝%4.2f%s　　     ＝　%8.5f",
                               BaseValue(m, top, 1, wc), KFactors(u"×Ｋ4×Ｋ5", simple).c_str(), q[1]),
                       FormatW(u"床面積当り必要耐力　１階(kＮ／㎡) ＝%4.2f%s　　          ＝　%8.5f",
                               BaseValue(m, top, 0, wc), KFactors(u"×Ｋ3", simple).c_str(), q[0])});
}

// The three head lines of the summary's tables, without snow (pass 0) and
// with it.
using SummaryHeads = std::array<const char16_t*, 3>;
const SummaryHeads WholeBuildingHeads[2] = {
    {u"　　 算出用　　床面積当たり　　　　　　　軟弱地盤　　　形状　　 　混構造",
     u"　　 床面積　　　必要耐力　　地域係数　　割増係数　　割増係数　　割増係数　　 必要耐力",
     u"階　 Ａ(㎡)　　　(kＮ／㎡)　　  Ｚ 　　　　 α 　　　　 β 　　　　 γ　　　  Ｑr(kＮ)"},
    {u"　　 算出用　　床面積当たり　　　　　　　軟弱地盤　　　形状　　 　混構造        積雪用　 "
     u"　    積雪用",
     u"　　 床面積　　　必要耐力　　地域係数　　割増係数　　割増係数　　割増係数　　   荷重    "
     u"　   必要耐力",
     u"階　 Ａ(㎡)　　　(kＮ／㎡)　　  Ｚ 　　　　 α 　　　　 β 　　　　 γ　　　   "
     u"(kＮ／㎡)　   Ｑr(kＮ)"}};
const SummaryHeads ZoneHeads[2] = {
    {u"　　 　　　　　算出用　　床面積当たり　　　　　軟弱地盤　　形状　　 混構造",
     u"　　 　　　　　床面積　　必要耐力　　地域係数　割増係数　割増係数　割増係数　　必要耐力",
     u"階 方向 領域　 Ａ(㎡)　　　Ｑy　　　　　Ｚ 　　　 α 　　　 β 　　　 γ　　　 Ｑs(kＮ)"},
    {u"　　 　　　　　算出用　　床面積当たり　　　　　軟弱地盤　　形状　　 混構造        積雪用　 "
     u"　    積雪用",
     u"　　 　　　　　床面積　　必要耐力　　地域係数　割増係数　割増係数　割増係数　　   荷重    "
     u"　   必要耐力",
     u"階 方向 領域　 Ａ(㎡)　　　Ｑy　　　　　Ｚ 　　　 α 　　　 β 　　　 γ　　　   "
     u"(kＮ／㎡)　   Ｑr(kＮ)"}};

bool DrawHeads(ReportLines& lines, const SummaryHeads& heads) {
  return Lines(lines, {heads[0], heads[1], heads[2]});
}

bool DrawTableSummary(ReportLines& lines, int32_t v, int32_t m, int32_t pass) {
  const TablePass p = TablePassOf(pass);
  if (!DrawPerAreaDerivation(lines, v, m, p)) return false;
  const int32_t top = TopStoreyOf(v);
  const double z = ProjectSettings.RegionFactorZ, alpha = SoftGroundFactor(), gamma = MixedStructureFactor();
  const double snowLoad = ProjectSettings.SnowLoad;

  if (!lines.Line(SummaryStepMm, u"〈建物全体の必要耐力〉") ||
      !DrawHeads(lines, WholeBuildingHeads[pass != 0]))
    return false;
  for (int32_t s = top; s >= 0; --s) {
    const double a = (*p.Area)[v][s], q = (*p.PerArea)[v][s], qr = (*p.Strength)[v][s];
    const double beta = PlanShapeFactor[v][s];
    const std::u16string row =
        pass == 0 ? FormatW(u"%2i %8.3f　×%8.5f　×%8.3f　×%8.3f　×%8.3f　×%8.3f　＝　%8.5f", s + 1, a, q, z,
                            alpha, beta, gamma, qr)
                  : FormatW(u"%2i %8.3f　×%8.5f　×%8.3f　×%8.3f　×%8.3f　×%8.3f　+　%8.3f Z   ＝  %8.5f",
                            s + 1, a, q, z, alpha, beta, gamma, snowLoad, qr);
    if (!lines.Line(SummaryStepMm, row)) return false;
  }

  if (ProjectSettings.BalanceMethod != BalanceByQuarterDivision) return true;
  if (!lines.Line(SummaryStepMm, u"〈領域毎の必要耐力〉") || !DrawHeads(lines, ZoneHeads[pass != 0]))
    return false;
  const StoreyArray* const zoneArea[4] = {&RequiredStrengthAreaA, &RequiredStrengthAreaB,
                                          &RequiredStrengthArea1, &RequiredStrengthArea2};
  const char16_t* const zoneHeads[4] = {u"%2i  Ｘ　 ａ", u"%2i  Ｘ　 ｂ", u"%2i  Ｙ　 イ", u"%2i  Ｙ　 ロ"};
  for (int32_t s = top; s >= 0; --s) {
    for (int k = 0; k < 4; ++k) {
      std::u16string row = FormatW(zoneHeads[k], s + 1);
      const double area = (*zoneArea[k])[v][s], q = (*p.ZonePerArea[k])[v][s],
                   qs = (*p.ZoneStrength[k])[v][s];
      const double beta = PlanShapeFactor[v][s];
      row += pass == 0 ? FormatW(u"%8.3f　×%8.5f×%8.3f×%8.3f×%8.3f　×%8.3f　＝　%8.5f", area, q, z, alpha,
                                 beta, gamma, qs)
                       : FormatW(u"%8.3f　×%8.5f×%8.3f×%8.3f×%8.3f　×%8.3f　+　%8.3f Z   ＝  %8.5f", area, q,
                                 z, alpha, beta, gamma, snowLoad, qs);
      if (!lines.Line(SummaryStepMm, row)) return false;
    }
  }
  return true;
}

// --- Summary of the weight methods (0 and 1) ---------------------------------

// The snow depth in metres of a snow load (0.26 per metre from the first
// metre on), never negative.
double SnowDepth(double snowLoad) {
  const double d = (snowLoad - 0.26) / 0.26 + 1;
  return d < 0 ? 0.0 : d;
}

bool DrawSnowAddition(ReportLines& lines) {
  const double snowLoad = ProjectSettings.SnowLoad;
  return lines.Line(SummaryStepMm, FormatW(u"（積雪深さによる加算）　 %5.2f ｍ × 1.3 ＝%5.2f kＮ／㎡",
                                           SnowDepth(snowLoad), 5 * snowLoad));
}

bool DrawPartWeights(ReportLines& lines, int32_t v, int32_t pass) {
  const int32_t top = TopStoreyOf(v);
  const double roof = PartUnitWeight(v, PartRoof);
  const double walls = PartUnitWeight(v, PartOuterWall) + PartUnitWeight(v, PartInnerWall);
  const double floor = PartUnitWeight(v, PartFloor) + PartUnitWeight(v, PartLiveLoad);
  const double snow = 5 * ProjectSettings.SnowLoad;
  const double* roofArea = (pass == 0 ? RoofWeightArea : RoofWeightAreaSnow)[v];
  const double* wallArea = (pass == 0 ? WallWeightArea : WallWeightAreaSnow)[v];
  const double* floorArea = (pass == 0 ? FloorWeightArea : FloorWeightAreaSnow)[v];
  const double* beta = PlanShapeFactor[v];

  if (!Lines(lines,
             {u"〈各部の重量〉", FormatW(u"　　　　　　　　　　建物の重さ区分  %-10s　　　建物階数　%-8s",
                                         LabelAt(WeightClassTexts, ProjectSettings.WeightClass[v]),
                                         LabelAt(StoreyCountTexts, ProjectSettings.TopStorey[v]))}))
    return false;
  if (pass == 1 && !DrawSnowAddition(lines)) return false;

  if (pass == 0) {
    if (!Lines(lines, {u"屋根重量", u"　　　屋根重量　    面積  　　   重量",
                       u"階  　 kＮ／㎡　     ㎡  　　　   kＮ"}))
      return false;
  } else if (!Lines(lines, {u"屋根重量", u"　　　屋根重量　  積雪荷重 　　   面積 　    積雪時重量",
                            u"階  　 kＮ／㎡　   kＮ／㎡　　　   ㎡  　　　 　 kＮ"})) {
    return false;
  }
  for (int32_t s = top; s >= 0; --s) {
    const std::u16string row =
        pass == 0 ? FormatW(u"%2i  %8.3f　×%8.3f  ＝　%8.3f", s + 1, roof, roofArea[s], roof * roofArea[s])
                  : FormatW(u"%2i (%8.3f　＋%8.3f )　×　%8.3f　＝ %8.3f", s + 1, roof, snow, roofArea[s],
                            (snow + roof) * roofArea[s]);
    if (!lines.Line(SummaryStepMm, row)) return false;
  }

  if (!Lines(lines, {u"壁重量", u"　　　     壁重量 　      形状割増　　    面積    　　       重量",
                     u"階  　     kＮ／㎡    　  　　　　　　     ㎡　    　　       kＮ"}))
    return false;
  for (int32_t s = top; s >= 0; --s) {
    if (s < top &&
        !lines.Line(SummaryStepMm,
                    FormatW(u"%2i階下部   %8.3f  × %8.3f  　×%8.3f　／２　＝　%8.3f", s + 2, walls,
                            beta[s + 1], wallArea[s + 1], beta[s + 1] * walls * wallArea[s + 1] / 2)))
      return false;
    if (!lines.Line(SummaryStepMm, FormatW(u"%2i階上部   %8.3f  × %8.3f  　×%8.3f　／２　＝　%8.3f", s + 1,
                                           walls, beta[s], wallArea[s], beta[s] * walls * wallArea[s] / 2)))
      return false;
  }

  if (!Lines(lines,
             {u"床･積載重量", u"　　　床･積載重量  面積　　   重量", u"階  　 kＮ／㎡　    ㎡　　　   kＮ"}))
    return false;
  // The floors on the plan of storey s are the level of storey s + 1.
  for (int32_t s = top - 1; s >= 0; --s)
    if (!lines.Line(SummaryStepMm, FormatW(u"%2i  %8.3f　×%8.3f＝　%8.3f", s + 2, floor, floorArea[s],
                                           floor * floorArea[s])))
      return false;
  return true;
}

bool DrawStoreyWeights(ReportLines& lines, int32_t v, int32_t pass, const PageSums& sums) {
  if (pass == 1 && !DrawSnowAddition(lines)) return false;
  if (!Lines(lines, {u"各階重量", u"　　　屋根床等　     壁  　　        矢切等　　　階重量",
                     u"階  　 kＮ　　　     kＮ  　　　       kＮ  　　　 kＮ"}))
    return false;
  const double* level = (pass == 0 ? StoreyLoadWeight : StoreyLoadWeightSnow)[v];
  for (int32_t s = TopStoreyOf(v); s >= 0; --s) {
    if (!lines.Line(SummaryStepMm, FormatW(u"%2i  %8.3f　%8.3f÷2(上部)  　%8.3f  　%8.3f", s + 1,
                                           pass == 0 ? sums.RoofFloor[s] : sums.RoofFloorSnow[s],
                                           sums.Wall[s], sums.Gable[s], level[s] / 1000)))
      return false;
    if (s > 0 && !lines.Line(SummaryStepMm, FormatW(u"            　%8.3f÷2(下部)", sums.Wall[s])))
      return false;
  }
  return true;
}

bool DrawSeismicForce(ReportLines& lines, int32_t v, int32_t pass) {
  const bool snow = pass == 1;
  const double* wi = (snow ? StoreyWeightSnow : StoreyWeight)[v];
  const double* alphaI = (snow ? WeightRatioAlphaSnow : WeightRatioAlpha)[v];
  const double* ai = (snow ? ShearDistributionAiSnow : ShearDistributionAi)[v];
  const double* qr = (snow ? RequiredStrengthSnow : RequiredStrength)[v];
  const double t = (snow ? NaturalPeriodSnow : NaturalPeriod)[v];
  const double rt = (snow ? VibrationCharacteristicRtSnow : VibrationCharacteristicRt)[v];
  const int32_t top = TopStoreyOf(v);

  if (!Lines(
          lines,
          {u"振動特性係数 Rt",
           FormatW(u"　　　　　　　　　　Tc＝  %8.3f　　　建物の固有周期 T＝0.03 × 建物高さ %8.3f ＝ %8.3f",
                   GroundPeriodTc, (snow ? BuildingHeightSnow : BuildingHeight)[v], NaturalPeriod[v]),
           u"層せん断力分布係数 Ai", u"　　　支持重量  重量比　 固有周期",
           u"階  　 kＮ　    　αi　　   T　　　   Ai"}))
    return false;
  for (int32_t s = top; s >= 0; --s)
    if (!lines.Line(SummaryStepMm,
                    FormatW(u"%2i  %8.3f　%8.3f　%8.3f　%8.3f", s + 1, wi[s], alphaI[s], t, ai[s])))
      return false;
  if (!Lines(lines, {u"必要耐力Qr",
                     u"　　　支持     地域　　　 振動　　　層せん断力　標準せん断力係数　 地盤　    必要"}) ||
      !lines.Line(4, u"　　　重量     地震係数　 特性係数　分布係数　　　×調整係数　　　 割増　    耐力") ||
      !lines.Line(SummaryStepMm,
                  u"階  　 kＮ　      Ｚ　　　   Ｒt　　　Ａi　　　　　 Ｃ0×0.2 　　　 β　　   Ｑr"))
    return false;
  for (int32_t s = top; s >= 0; --s)
    if (!lines.Line(SummaryStepMm,
                    FormatW(u"%2i  %8.3f　%8.3f　%8.3f　%8.3f　    　%8.3f　　 %8.3f　 %8.3f", s + 1, wi[s],
                            ProjectSettings.RegionFactorZ, rt, ai[s], 0.2, SoftGroundFactor(), qr[s])))
      return false;
  return true;
}

// --- Pages ------------------------------------------------------------------

// The width of the body font of the storey tables: with snow a row of the
// load take-off's areas runs to 124 cells, which pass the printable width
// (204 mm) at 1.5 mm and end at 200 mm at 1.45 mm; the whole take-off keeps
// one width, so that its tables' columns stand under each other.
double TableWidthMm(int32_t m) {
  return m == RequiredByLoadTakeOff && ProjectSettings.SnowLoad != 0 ? 1.45 : 1.5;
}

bool DrawStoreyPage(PageFrame& frame, ReportLines& lines, int32_t v, int32_t s, int32_t m, PageSums& sums,
                    int32_t wantedPage) {
  Canvas& canvas = frame.BeginPage();
  const double ppm = frame.PixelsPerMm();
  DrawReportPlan(canvas, PlanOnRequiredStrengthPage, s, ppm, wantedPage);
  frame.DrawTitle(FormatW(ByFloorArea(m) ? u"%s必要耐力（%2i階床面積）" : u"%s必要耐力（%2i階重量）",
                          CurrentTitlePrefix(), s + 1));
  frame.SelectBodyFont();
  DrawAreaCodeLegend(canvas, ppm);
  frame.SelectBodyFont(TableWidthMm(m));
  lines.SetMm(147);
  if (ByFloorArea(m)) return DrawStoreyFloorAreas(lines, v, s, m);
  if (m == RequiredByLoadTakeOff) return DrawLoadTakeOff(lines, v, s, sums);
  return true;
}

bool DrawSummaryPage(PageFrame& frame, ReportLines& lines, int32_t v, int32_t m, int32_t pass,
                     const PageSums& sums) {
  frame.BeginPage();
  std::u16string title = FormatW(u"%s必要耐力", CurrentTitlePrefix());
  if (ProjectSettings.SnowLoad != 0) title += pass == 0 ? u"　雪なし時" : u"　積雪時";
  frame.DrawTitle(title, 5, 2.5);
  frame.SelectBodyFont();
  lines.SetMm(20);
  // A small gap above the heading: 3 mm on every device.
  if (!lines.Line(3, u"［必要耐力の算出］") || !DrawFactorLines(lines, v, m, pass)) return false;
  switch (m) {
    case RequiredByStrengthTable:
    case RequiredBySimpleTable:
      return DrawTableSummary(lines, v, m, pass);
    case RequiredByWeightTable:
      return DrawPartWeights(lines, v, pass) && DrawSeismicForce(lines, v, pass);
    case RequiredByLoadTakeOff:
      return DrawStoreyWeights(lines, v, pass, sums) && DrawSeismicForce(lines, v, pass);
    default:
      return true;
  }
}

}  // namespace

int32_t DrawRequiredStrengthPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  PageFrame frame(sink, pixelsPerMm, wantedPage);
  const int32_t v = ValidVariant(CurrentVariant) ? CurrentVariant : 0;
  const int32_t m = ProjectSettings.RequiredStrengthMethod;
  // A table that runs on goes on at 20 mm of a fresh page, in the body font.
  ReportLines lines(frame, ReportLines::BodyFontAt(20, TableWidthMm(m)));
  PageSums sums;

  for (int32_t s = 0; s <= TopStoreyOf(v); ++s) {
    if (!DrawStoreyPage(frame, lines, v, s, m, sums, wantedPage)) return frame.Result();
    if (frame.HandOver(true)) return frame.Result();
  }
  const int32_t passes = ProjectSettings.SnowLoad != 0 ? 2 : 1;
  for (int32_t pass = 0; pass < passes; ++pass) {
    if (!DrawSummaryPage(frame, lines, v, m, pass, sums)) return frame.Result();
    if (frame.HandOver(pass + 1 < passes)) return frame.Result();
  }
  return frame.Result();
}
