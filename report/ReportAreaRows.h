#pragma once
// The roof/floor area rows that several families print under a storey's
// plan (the required strength's floor areas, the wall quantity's floor
// areas, the centre of gravity's areas): one row per rectangle or triangle
// in record order, numbered by the record's position, with the area's kind
// name in a field whose blanks are widened to U+3000, the weighting factor of
// its code, its corners as axis names and the family's numbers. The layout,
// the factor table, the codes left out and the numbers are the family's; a
// left-out record takes no line but still counts for the row break. Also the
// area-code legend beside the plan and the block of the quarter-division
// zone areas.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "analysis/FloorAreas.h"
#include "model/ElementRecords.h"
#include "report/ReportLines.h"

// How a family's area rows read and where they stand.
struct AreaRowLayout {
  // printf formats of a row: the number ("%2i"), the kind name ("%-13ls"),
  // the factor ("%4.2f"), the axis names ("%-6s" each; a rectangle's lower
  // left corner then its upper right corner, a triangle's three corners in
  // record order), then up to six numbers.
  const char16_t* RectangleFormat;
  const char16_t* TriangleFormat;
  // The kind-name field [NameFirst, NameEnd) of the formatted row, whose
  // ordinary blanks become U+3000.
  std::size_t NameFirst;
  std::size_t NameEnd;
  double XMm;
  double StepMm;
  // A page ends after a row that stands below this many millimetres; 0: the
  // rows never break (only the bottom rule moves them).
  double BreakAfterMm;
};

// The floor-area tables of the required strength and of the wall quantity:
// number, five blanks, the name at 7..19, the figure's area, the counted
// area, the added load and its equivalent area; at x = 20 mm, 4 mm apart,
// breaking after a row past 270 mm.
extern const AreaRowLayout FloorAreaRowLayout;
// The centre-of-gravity tables: number, three blanks, the name at 5..17, the
// weight area, the counted area, then centroid and moment in X and in Y; at
// x = 5 mm, 4 mm apart, breaking after a row past 270 mm.
extern const AreaRowLayout CentreOfGravityRowLayout;

// The numbers of a row, in the order of the layout's format.
struct AreaRowValues {
  std::array<double, 6> Values{};
};

// What a family prints of its areas.
struct AreaRowSource {
  // Weighting factor by area code (AreaFactorTableSize entries).
  const double* Factors = nullptr;
  // Records of these codes take no line.
  AreaCodeSet SkippedRectangleCodes = 0;
  AreaCodeSet SkippedTriangleCodes = 0;
  // The numbers of record i of the storey.
  std::function<AreaRowValues(int32_t)> RectangleValues;
  std::function<AreaRowValues(int32_t)> TriangleValues;
};

// Axis names of a grid index; an index off the grid names nothing.
const char16_t* AxisNameX(int32_t index);
const char16_t* AxisNameY(int32_t index);
// A rectangle's lower left corner (smaller X index, larger Y index: Y
// indices grow downward on the plan) then its upper right corner, X and Y
// names alternating, whichever corners the record holds.
std::array<const char16_t*, 4> RectangleCornerNames(const RoofFloorRectRecord& r);
// A triangle's corners in record order, X and Y names alternating.
std::array<const char16_t*, 6> TriangleCornerNames(const RoofFloorTriangleRecord& t);

// The formatted rows, name field widened.
std::u16string AreaRectangleRowText(const AreaRowLayout& layout, int32_t number, const RoofFloorRectRecord& r,
                                    double factor, const AreaRowValues& values);
std::u16string AreaTriangleRowText(const AreaRowLayout& layout, int32_t number,
                                   const RoofFloorTriangleRecord& t, double factor,
                                   const AreaRowValues& values);

// The rows of the rectangles (triangles) of storey s of variant v, each
// after a step of the layout, then the row break. False when the preview
// has its wanted page (the family returns the frame's result).
[[nodiscard]] bool DrawAreaRectangleRows(ReportLines& lines, const AreaRowLayout& layout,
                                         const AreaRowSource& source, int32_t v, int32_t s);
[[nodiscard]] bool DrawAreaTriangleRows(ReportLines& lines, const AreaRowLayout& layout,
                                        const AreaRowSource& source, int32_t v, int32_t s);

// The floor-area tables of the required strength and of the wall quantity:
// for the rectangles, then for the triangles, when storey s of variant v has
// any, the family's two head lines (5 mm, then 3.5 mm below), a 1 mm gap and
// the rows in FloorAreaRowLayout. False as for the rows.
struct FloorAreaTableHeads {
  std::array<const char16_t*, 2> Rectangle;
  std::array<const char16_t*, 2> Triangle;
};
[[nodiscard]] bool DrawFloorAreaTables(ReportLines& lines, const FloorAreaTableHeads& heads,
                                       const AreaRowSource& source, int32_t v, int32_t s);

// An added load (N/m²) on an area (m²) as the floor area of equal weight:
// area x load / 1000 / the divisor of the building's weight class.
double AddedLoadArea(double area, double addedLoad, int32_t weightClass);

// The name of an area code (at most 12 characters); the balcony may be
// written in half-width katakana, which takes 20 cells where the full-width
// name takes 24.
enum class BalconySpelling { FullWidth, HalfWidth };
std::u16string AreaKindName(int32_t code, BalconySpelling balcony = BalconySpelling::FullWidth);
// The legend of the twenty area codes, "(c):" and the code's name; the wall
// quantity's legend writes the balcony in half-width katakana.
std::u16string AreaCodeLegendText(int32_t code, BalconySpelling balcony = BalconySpelling::FullWidth);
// The twenty lines at x = 150 mm, line i at y = 40 + 5 i mm, in the current font.
void DrawAreaCodeLegend(Canvas& canvas, double pixelsPerMm,
                        BalconySpelling balcony = BalconySpelling::FullWidth);

// The floor areas of the four quarter-division end zones of storey s: a
// 4 mm gap, then 4 mm apart "領域毎の床面積", "%i 階", the zone heads and the
// areas of zones a, b, イ and ロ. False as for the rows.
[[nodiscard]] bool DrawZoneAreaBlock(ReportLines& lines, int32_t v, int32_t s);
// The same block with the four areas given (zones a, b, イ and ロ): the wall
// quantity prints the zone areas its check uses.
[[nodiscard]] bool DrawZoneAreaBlock(ReportLines& lines, int32_t s, const std::array<double, 4>& areas);
