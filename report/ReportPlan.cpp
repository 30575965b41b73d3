// The plan drawn on report pages: one storey of the current variant fitted
// into its box, with the grid axes and the element blocks each page needs.
// Everything is drawn in page units; the positions of the building are
// truncated toward zero as they reach the page.
#include "report/ReportPlan.h"

#include <cmath>
#include <string>
#include <string_view>

#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/FloorAreas.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "evaluation/HardwareClasses.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/GridView.h"
#include "model/ModelAccess.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"
#include "rendering/ColumnLayer.h"
#include "rendering/WallSymbols.h"
#include "report/ReportFamilies.h"
#include "report/ReportPlanDrawing.h"
#include "report/ReportPrinting.h"

namespace {

using namespace report_plan;

constexpr double Pi = 3.14159265358979323846;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t LightGrey = 0xC0C0C0;
constexpr int32_t FontRed = 0x0000FF;
constexpr int32_t QuarterLineColour = 0x0000FF;
constexpr const char16_t* VerticalGothicFace = u"@ＭＳ ゴシック";

// Half the wall thickness and half the column size, m.
constexpr double HalfThickness = 0.06;
// Area code of the maximum rectangle; eaves codes.
constexpr int32_t MaxRectangleCode = 6;
constexpr int32_t FirstEavesCode = 10, LastEavesCode = 13;
constexpr int32_t AreaCodeCount = 20;
constexpr int32_t PartitionWallType = 8;

constexpr const char16_t* FoundationLabels[3] = {u"K1", u"K2", u"K3"};

// A page position, truncated toward zero like every length of the plan.
int32_t Px(double v) { return ToViewUnits(v); }

// The quantities of one call.
struct PlanContext {
  Canvas& canvas;
  int32_t kind;  // 0..7; any other value is drawn as 3
  int32_t v, s;
  double ppm;               // page units per mm
  double e;                 // the margin, units
  double u;                 // the box unit, units
  double c;                 // units per metre of the building
  double originX, originY;  // m

  double X(double metres) const { return (metres - originX) * c; }
  double Y(double metres) const { return (metres - originY) * c; }
  double AxisXPos(int32_t i) const { return X(AxisX(i)); }
  double AxisYPos(int32_t j) const { return Y(AxisY(j)); }
  int32_t PX(int32_t i) const { return Px(AxisXPos(i)); }
  int32_t PY(int32_t j) const { return Px(AxisYPos(j)); }
  int32_t Mm(double mm) const { return MmToUnits(mm, ppm); }
};

std::u16string_view SymbolText(const char16_t* symbol, int capacity) {
  std::size_t n = 0;
  while (static_cast<int>(n) < capacity && symbol[n] != 0) ++n;
  return {symbol, n};
}

// ---------------------------------------------------------------- axes

void DrawXAxes(const PlanContext& p, int32_t firstNumber) {
  Canvas& canvas = p.canvas;
  const int32_t yT = p.PY(ModelExtentMinY);
  const double u = p.u, e = p.e;
  int32_t number = firstNumber;
  int32_t previous = -1;
  for (int32_t i = ModelExtentMinX; i <= ModelExtentMaxX; ++i) {
    if (i < 0 || i >= GridAxisCountX) continue;
    const int32_t kind = GridAxisKindX[i];
    if (kind != 0 && kind != 1) continue;
    const int32_t x = p.PX(i);
    SetPen(canvas, LightGrey, 1, kind == 1 ? PenStyle::Dot : PenStyle::DashDot);
    Line(canvas, x, yT, x, Px(e + 160 * u));
    SetPen(canvas, Black, 1);
    Line(canvas, x, Px(e + 160 * u), x, Px(e + 172 * u));
    if (kind == 0) {
      const std::u16string name = FormatW(u"X%i", number++);
      SetBrush(canvas, White, BrushStyle::Solid);
      canvas.Ellipse(Px(x - 3.5 * u), Px(e + 172 * u), Px(x + 3.5 * u), Px(e + 178 * u));
      SetFont(canvas, ToViewUnits(4 * u), ToViewUnits(1.5 * u));
      TextCentred(canvas, x, Px(e + 173 * u), name);
    }
    if (p.kind != PlanOnPlanPage) continue;
    const double yD = e + 168 * u;
    SetPen(canvas, Black, 1);
    SetBrush(canvas, Black, BrushStyle::Solid);
    canvas.Ellipse(Px(x - 0.5 * u), Px(yD - 0.5 * u), Px(x + 0.5 * u + 1), Px(yD + 0.5 * u + 1));
    if (previous >= 0) {
      Line(canvas, p.PX(previous), Px(yD), x, Px(yD));
      const double spacing = GridAxisX[i] - GridAxisX[previous];
      const std::u16string text = FormatW(u"%5.3f", spacing);
      const double middle = p.X((GridAxisX[i] + GridAxisX[previous]) / 2);
      SetBrush(canvas, White, BrushStyle::Solid);
      if (spacing * p.c > 8.9 * u) {
        SetFont(canvas, ToViewUnits(3 * u), ToViewUnits(1.5 * u));
        TextCentred(canvas, middle, Px(e + 164.9 * u), text);
      } else {
        SetFont(canvas, ToViewUnits(3 * u), ToViewUnits(1.5 * u), 900);
        canvas.TextOut(Px(middle - 1.5 * u), Px(e + 167.5 * u), text);
      }
    }
    previous = i;
  }
}

void DrawYAxes(const PlanContext& p, int32_t firstNumber) {
  Canvas& canvas = p.canvas;
  const int32_t xR = p.PX(ModelExtentMaxX);
  const double u = p.u, e = p.e;
  int32_t number = firstNumber;
  int32_t previous = -1;
  for (int32_t j = ModelExtentMaxY; j >= ModelExtentMinY; --j) {
    if (j < 0 || j >= GridAxisCountY) continue;
    const int32_t kind = GridAxisKindY[j];
    if (kind != 0 && kind != 1) continue;
    const int32_t y = p.PY(j);
    SetPen(canvas, LightGrey, 1, kind == 1 ? PenStyle::Dot : PenStyle::DashDot);
    Line(canvas, xR, y, Px(e + 20 * u), y);
    SetPen(canvas, Black, 1);
    Line(canvas, Px(e + 8 * u), y, Px(e + 20 * u), y);
    if (kind == 0) {
      const std::u16string name = FormatW(u"Y%i", number++);
      SetBrush(canvas, White, BrushStyle::Solid);
      canvas.Ellipse(Px(e + 1 * u), Px(y - 3 * u), Px(e + 8 * u), Px(y + 3 * u));
      SetFont(canvas, ToViewUnits(4 * u), ToViewUnits(1.5 * u));
      TextCentred(canvas, e + 4.5 * u, Px(y - 2 * u), name);
    }
    if (p.kind != PlanOnPlanPage) continue;
    const double xD = e + 12 * u;
    SetPen(canvas, Black, 1);
    SetBrush(canvas, Black, BrushStyle::Solid);
    canvas.Ellipse(Px(xD - 0.5 * u), Px(y - 0.5 * u), Px(xD + 0.5 * u + 1), Px(y + 0.5 * u + 1));
    if (previous >= 0) {
      Line(canvas, Px(xD), p.PY(previous), Px(xD), y);
      const double spacing = GridAxisY[previous] - GridAxisY[j];
      const std::u16string text = FormatW(u"%5.3f", spacing);
      const double middle = p.Y((GridAxisY[j] + GridAxisY[previous]) / 2);
      SetBrush(canvas, White, BrushStyle::Solid);
      if (spacing * p.c > 8.9 * u) {
        SetFont(canvas, ToViewUnits(3 * u), ToViewUnits(1.5 * u), 900);
        canvas.TextOut(Px(xD - 3.5 * u), ToViewUnits(middle + WholeQuotient(canvas.TextWidth(text), 2)),
                       text);
      } else {
        SetFont(canvas, ToViewUnits(3 * u), ToViewUnits(1.5 * u));
        canvas.TextOut(Px(e + 12.5 * u), Px(middle - 1.5 * u), text);
      }
    }
    previous = j;
  }
}

// ---------------------------------------------------------------- areas

bool AreaSkipped(int32_t code) {
  if (code < 0 || code >= AreaCodeCount) return true;
  return code >= FirstEavesCode && code <= LastEavesCode &&
         ProjectSettings.RequiredStrengthMethod != RequiredByLoadTakeOff;
}

void SetAreaPen(const PlanContext& p, int32_t code) {
  if (p.kind == PlanOnPlanPage)
    SetPen(p.canvas, AreaKindBrushColours[code], 1, PenStyle::Solid, PenMode::Mask);
  else
    SetPen(p.canvas, AreaKindPenColours[code], ToViewUnits(p.u), PenStyle::Solid, PenMode::Mask);
  SetBrush(p.canvas, AreaKindBrushColours[code], BrushStyle::Solid);
}

// "%i(%i)" at the centre, 3u up, and the added load 5u below the centre.
void AreaLabels(const PlanContext& p, int32_t index, int32_t code, double addedLoad, int32_t xm, int32_t ym) {
  Canvas& canvas = p.canvas;
  TextCentred(canvas, xm, Px(ym - 3 * p.u), FormatW(u"%i(%i)", index + 1, code));
  if (addedLoad > 0) {
    SetFont(canvas, ToViewUnits(3 * p.u), ToViewUnits(1.5 * p.u));
    TextCentred(canvas, xm, Px(ym + 5 * p.u), FormatW(u"+%4.0fN/㎡", addedLoad));
    SetFont(canvas, ToViewUnits(6 * p.u), ToViewUnits(3 * p.u));
  }
}

struct SortedRect {
  int32_t x1, y1, x2, y2;
};

// The corners sorted, the top left raised by one.
SortedRect SortRect(const PlanContext& p, int32_t ax1, int32_t ay1, int32_t ax2, int32_t ay2) {
  int32_t x1 = p.PX(ax1), y1 = p.PY(ay1), x2 = p.PX(ax2), y2 = p.PY(ay2);
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  return {x1 + 1, y1 + 1, x2, y2};
}

void Diagonals(Canvas& canvas, const SortedRect& r) {
  Line(canvas, r.x1, r.y1, r.x2, r.y2);
  Line(canvas, r.x1, r.y2, r.x2, r.y1);
}

bool QuarterLinesShown(const PlanContext& p) {
  if (p.kind == PlanOnPlanPage) return false;
  const bool method = (ProjectSettings.DiagnosisMethod == DiagnosisGeneral ||
                       ProjectSettings.DiagnosisMethod == DiagnosisVerification) &&
                      ProjectSettings.BalanceMethod == BalanceByQuarterDivision;
  if (p.kind != PlanOnWallQuantityPage && !method) return false;
  return CountOf(RoofFloorRectCount, p.v, p.s, MaxRoofFloorRectsPerStorey) +
             CountOf(RoofFloorTriangleCount, p.v, p.s, MaxRoofFloorTrianglesPerStorey) >
         0;
}

void DrawAreas(const PlanContext& p) {
  Canvas& canvas = p.canvas;
  const int32_t v = p.v, s = p.s;
  const bool labelled = p.kind != PlanOnPlanPage;
  SetFont(canvas, ToViewUnits(6 * p.u), ToViewUnits(3 * p.u));
  SetBrush(canvas, LabelBackColour, BrushStyle::Solid);
  const int32_t rects = CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey);
  const int32_t triangles = CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey);
  for (int32_t k = 0; k < rects; ++k) {
    const RoofFloorRectRecord& r = RoofFloorRects[v][s][k];
    if (AreaSkipped(r.AreaCode) || r.AreaCode == MaxRectangleCode) continue;
    if (!OnGrid(r.X1, r.Y1) || !OnGrid(r.X2, r.Y2)) continue;
    SetAreaPen(p, r.AreaCode);
    const SortedRect q = SortRect(p, r.X1, r.Y1, r.X2, r.Y2);
    canvas.Rectangle(q.x1, q.y1, q.x2, q.y2);
    if (!labelled) continue;
    Diagonals(canvas, q);
    AreaLabels(p, k, r.AreaCode, r.AddedLoad, (q.x1 + q.x2) / 2, (q.y1 + q.y2) / 2);
  }
  for (int32_t k = 0; k < triangles; ++k) {
    const RoofFloorTriangleRecord& t = RoofFloorTriangles[v][s][k];
    if (AreaSkipped(t.AreaCode)) continue;
    if (!OnGrid(t.X1, t.Y1) || !OnGrid(t.X2, t.Y2) || !OnGrid(t.X3, t.Y3)) continue;
    SetAreaPen(p, t.AreaCode);
    const CanvasPoint corners[3] = {
        {p.PX(t.X1), p.PY(t.Y1)}, {p.PX(t.X2), p.PY(t.Y2)}, {p.PX(t.X3), p.PY(t.Y3)}};
    canvas.Polygon(corners, 3);
    if (!labelled) continue;
    AreaLabels(p, k, t.AreaCode, t.AddedLoad, (corners[0].X + corners[1].X + corners[2].X) / 3,
               (corners[0].Y + corners[1].Y + corners[2].Y) / 3);
  }
  // The maximum rectangles: outline and diagonals only, after the triangles.
  if (labelled)
    for (int32_t k = 0; k < rects; ++k) {
      const RoofFloorRectRecord& r = RoofFloorRects[v][s][k];
      if (r.AreaCode != MaxRectangleCode || AreaSkipped(r.AreaCode)) continue;
      if (!OnGrid(r.X1, r.Y1) || !OnGrid(r.X2, r.Y2)) continue;
      SetAreaPen(p, r.AreaCode);
      const SortedRect q = SortRect(p, r.X1, r.Y1, r.X2, r.Y2);
      canvas.MoveTo(q.x1, q.y1);
      canvas.LineTo(q.x2, q.y1);
      canvas.LineTo(q.x2, q.y2);
      canvas.LineTo(q.x1, q.y2);
      canvas.LineTo(q.x1, q.y1);
      Diagonals(canvas, q);
      AreaLabels(p, k, r.AreaCode, r.AddedLoad, (q.x1 + q.x2) / 2, (q.y1 + q.y2) / 2);
    }
  if (!QuarterLinesShown(p)) return;
  // Red under XOR: shows cyan over white paper.
  SetPen(canvas, QuarterLineColour, ToViewUnits(p.u), PenStyle::Solid, PenMode::Xor);
  const int32_t left = Px(p.X(QuarterZoneEdge1[v][s])), right = Px(p.X(QuarterZoneEdge2[v][s]));
  const int32_t top = Px(p.Y(QuarterZoneEdgeA[v][s])), bottom = Px(p.Y(QuarterZoneEdgeB[v][s]));
  const int32_t a = Px(p.Y(QuarterZoneBoundaryA[v][s])), b = Px(p.Y(QuarterZoneBoundaryB[v][s]));
  const int32_t one = Px(p.X(QuarterZoneBoundary1[v][s])), two = Px(p.X(QuarterZoneBoundary2[v][s]));
  Line(canvas, left, a, right, a);
  Line(canvas, left, b, right, b);
  Line(canvas, one, top, one, bottom);
  Line(canvas, two, top, two, bottom);
}

// ---------------------------------------------------------------- floor specifications

constexpr int32_t FloorRowsPerBrace = 32;

// Pen and brush of a floor-type code; false for a code off the tables.
bool SetFloorSpecPen(Canvas& canvas, int32_t code, int32_t& floorRow, int32_t& brace) {
  if (code < 0) return false;
  floorRow = code % FloorRowsPerBrace;
  brace = code / FloorRowsPerBrace;
  if (floorRow >= FloorSpecTableRows || brace >= HorizontalBraceTableRows) return false;
  SetPen(canvas, HorizontalBraceColours[brace], 1);
  const BrushStyle style = floorRow == 0    ? BrushStyle::Clear
                           : floorRow <= 12 ? BrushStyle::DiagCross
                                            : BrushStyle::Cross;
  SetBrush(canvas, FloorSpecColours[floorRow], style);
  return true;
}

// Labels on an opaque background of a solid fill, transparent over a clear or hatched one.
void FloorSpecLabel(Canvas& canvas, int32_t x, int32_t y, std::u16string_view text) {
  const BrushStyle style = canvas.Brush().Style;
  if (style != BrushStyle::Solid) canvas.SetBrushStyle(BrushStyle::Clear);
  TextCentred(canvas, x, y, text);
  canvas.SetBrushStyle(style);
}

void DrawFloorSpecs(const PlanContext& p) {
  Canvas& canvas = p.canvas;
  const int32_t v = p.v, s = p.s;
  SetFont(canvas, ToViewUnits(6 * p.u), ToViewUnits(3 * p.u));
  SetBrush(canvas, LabelBackColour, BrushStyle::Solid);
  int32_t floorRow = 0, brace = 0;
  const int32_t rects = CountOf(FloorSpecRectCount, v, s, MaxFloorSpecRectsPerStorey);
  for (int32_t k = 0; k < rects; ++k) {
    const FloorSpecRectRecord& r = FloorSpecRects[v][s][k];
    if (!OnGrid(r.X1, r.Y1) || !OnGrid(r.X2, r.Y2)) continue;
    if (!SetFloorSpecPen(canvas, r.SpecCode, floorRow, brace)) continue;
    const SortedRect q = SortRect(p, r.X1, r.Y1, r.X2, r.Y2);
    canvas.Rectangle(q.x1, q.y1, q.x2, q.y2);
    Diagonals(canvas, q);
    FloorSpecLabel(canvas, (q.x1 + q.x2) / 2, Px(WholeQuotient(q.y1 + q.y2, 2) - 3 * p.u),
                   FormatW(u"%i(%i-%i)", k + 1, floorRow, brace));
  }
  const int32_t triangles = CountOf(FloorSpecTriangleCount, v, s, MaxFloorSpecTrianglesPerStorey);
  for (int32_t k = 0; k < triangles; ++k) {
    const FloorSpecTriangleRecord& t = FloorSpecTriangles[v][s][k];
    if (!OnGrid(t.X1, t.Y1) || !OnGrid(t.X2, t.Y2) || !OnGrid(t.X3, t.Y3)) continue;
    if (!SetFloorSpecPen(canvas, t.SpecCode, floorRow, brace)) continue;
    const CanvasPoint corners[3] = {
        {p.PX(t.X1), p.PY(t.Y1)}, {p.PX(t.X2), p.PY(t.Y2)}, {p.PX(t.X3), p.PY(t.Y3)}};
    canvas.Polygon(corners, 3);
    FloorSpecLabel(canvas, (corners[0].X + corners[1].X + corners[2].X) / 3,
                   Px(WholeQuotient(corners[0].Y + corners[1].Y + corners[2].Y, 3) - 3 * p.u),
                   FormatW(u"%i(%i-%i)", k + 1, floorRow, brace));
  }
}

// ---------------------------------------------------------------- foundations

// The band of a segment: 0.36 m wide, 0.18 m beyond both ends. False (and
// nothing drawn) for a segment of length 0.
bool FoundationBand(const PlanContext& p, int32_t sx, int32_t sy, int32_t ex, int32_t ey) {
  const double dx = ex - sx, dy = ey - sy;
  const double length = std::hypot(dx, dy);
  if (!(length > 0)) return false;
  const double t = HalfThickness * p.c;
  const double ax = t * dx / length, ay = t * dy / length;
  const double nx = -ay, ny = ax;
  const CanvasPoint corners[4] = {
      {ToViewUnits(ex + 3 * nx + 3 * ax), ToViewUnits(ey + 3 * ny + 3 * ay)},
      {ToViewUnits(sx + 3 * nx - 3 * ax), ToViewUnits(sy + 3 * ny - 3 * ay)},
      {ToViewUnits(sx - 3 * nx - 3 * ax), ToViewUnits(sy - 3 * ny - 3 * ay)},
      {ToViewUnits(ex - 3 * nx + 3 * ax), ToViewUnits(ey - 3 * ny + 3 * ay)},
  };
  p.canvas.Polygon(corners, 4);
  return true;
}

// "K1".."K3" along the band, 1 mm above its middle.
void FoundationLabel(const PlanContext& p, int32_t sx, int32_t sy, int32_t ex, int32_t ey, int32_t type) {
  Canvas& canvas = p.canvas;
  const double dx = ex - sx, dy = ey - sy;
  const double phi = dx == 0 ? -Pi / 2 : std::atan(dy / dx);
  SetFont(canvas, p.Mm(2.5), p.Mm(1.25), ToViewUnits(-phi * 180 / Pi * 10));
  const double rx = std::cos(phi), ry = std::sin(phi);
  const double fx = -ry, fy = rx;
  const std::u16string_view text = FoundationLabels[type];
  const double half = WholeQuotient(canvas.TextWidth(text), 2);
  const double mx = WholeQuotient(sx + ex, 2), my = WholeQuotient(sy + ey, 2);
  canvas.TextOut(ToViewUnits(mx - half * rx - p.ppm * fx), ToViewUnits(my - half * ry - p.ppm * fy), text);
}

bool WallHasFoundation(int32_t v, int32_t s, int32_t k, int32_t cls) {
  const WallCaseResult& r = WallResults[v][s][k].Blocks[0];
  return r.FoundationClass == cls && (r.StrengthX != 0 || r.StrengthY != 0);
}

// The foundation bands under the walls of class cls; labels on the foundation plan only.
void DrawWallFoundations(const PlanContext& p, int32_t cls, bool labels) {
  Canvas& canvas = p.canvas;
  const int32_t count = WallCountOf(p.v, p.s);
  for (int32_t k = 0; k < count; ++k) {
    const WallRecord& w = Walls[p.v][p.s][k];
    if (!OnGrid(w.X1, w.Y1) || !OnGrid(w.X2, w.Y2) || !WallHasFoundation(p.v, p.s, k, cls)) continue;
    SetPen(canvas, FoundationTypeColours[cls], 1, PenStyle::Clear);
    SetBrush(canvas, FoundationTypeColours[cls], BrushStyle::Solid);
    const int32_t sx = p.PX(w.X1), sy = p.PY(w.Y1), ex = p.PX(w.X2), ey = p.PY(w.Y2);
    if (!FoundationBand(p, sx, sy, ex, ey) || !labels) continue;
    canvas.SetBrushStyle(BrushStyle::Clear);
    FoundationLabel(p, sx, sy, ex, ey, cls);
  }
}

void DrawFoundationPlan(const PlanContext& p) {
  Canvas& canvas = p.canvas;
  if (p.s == 0)
    for (int32_t cls = 2; cls >= 0; --cls) {
      DrawWallFoundations(p, cls, true);
      const int32_t count = CountOf(FoundationCount, p.v, p.s, MaxFoundationsPerStorey);
      for (int32_t k = 0; k < count; ++k) {
        const FoundationRecord& f = Foundations[p.v][p.s][k];
        if (f.Type != cls || !OnGrid(f.X1, f.Y1) || !OnGrid(f.X2, f.Y2)) continue;
        SetPen(canvas, FoundationRecordColours[cls], 1);
        SetBrush(canvas, FoundationRecordColours[cls], BrushStyle::Solid);
        const int32_t sx = p.PX(f.X1), sy = p.PY(f.Y1), ex = p.PX(f.X2), ey = p.PY(f.Y2);
        if (!FoundationBand(p, sx, sy, ex, ey)) continue;
        SetBrush(canvas, LabelBackColour, BrushStyle::Solid);
        FoundationLabel(p, sx, sy, ex, ey, cls);
      }
    }
  // The legend: swatches without an outline, as wide as a band at the plan's scale.
  const double half = 0.18 * p.c;
  for (int32_t i = 0; i < 6; ++i) {
    SetPen(canvas, Black, 1, PenStyle::Clear);
    SetBrush(canvas, i < 3 ? FoundationTypeColours[i] : FoundationRecordColours[i - 3], BrushStyle::Solid);
    const double y = (101.5 + 5 * i) * p.ppm;
    canvas.Rectangle(p.Mm(150), ToViewUnits(y - half), p.Mm(160), ToViewUnits(y + half));
    SetFont(canvas, p.Mm(2.5), p.Mm(1.25));
    SetBrush(canvas, LabelBackColour, i < 3 ? BrushStyle::Clear : BrushStyle::Solid);
    canvas.TextOut(p.Mm(154), p.Mm(100.5 + 5 * i), FoundationLabels[i % 3]);
  }
}

// ---------------------------------------------------------------- walls

std::u16string ElementLabelOf(const WallRecord& wall) {
  char16_t text[ElementLabelCapacity];
  const int32_t n = ::ElementLabelOf(wall, text);
  return std::u16string(text, static_cast<std::size_t>(n));
}

void DrawWallTexts(const PlanContext& p, const WallRecord& wall, const WallCaseResult& result,
                   const WallFrame& frame) {
  Canvas& canvas = p.canvas;
  const bool general = ProjectSettings.DiagnosisMethod == DiagnosisGeneral;
  if (general && ProjectSettings.OpeningWallBasis == OpeningWallsByRatio && wall.OpeningKind != 0) return;
  SetFont(canvas, ToViewUnits(2 * p.u), ToViewUnits(p.u), WallTextEscapement(frame));
  SetBrush(canvas, LabelBackColour, BrushStyle::Clear);
  const double d = frame.Unit;
  const WallVector r = frame.Delta / d, foot = frame.Gamma / d;
  const WallVector middle = (frame.P1 + frame.P2) / 2;
  const auto write = [&](WallVector at, std::u16string_view text) {
    const WallVector pos = at - (canvas.TextWidth(text) / 2.0) * r;
    canvas.TextOut(ToViewUnits(pos.X), ToViewUnits(pos.Y), text);
  };
  if (result.WallNumber != 0)
    write(middle - (1.5 * d + 4 * p.u) * foot, FormatW(u"[%2i]", result.WallNumber));
  if (!(general && wall.OpeningKind != 0)) {
    const std::u16string label = ElementLabelOf(wall);
    if (!label.empty()) write(middle - (1.5 * d + 2 * p.u) * foot, label);
  }
  const double value = p.kind == PlanOnRigidityPage ? result.EffectiveLength * result.ReducedStiffness
                                                    : result.ReducedStrength;
  if (value > 0) write(middle + d * foot + WallVector{5, 5}, FormatW(u"%5.2f", value));
}

void DrawWall(const PlanContext& p, int32_t k) {
  Canvas& canvas = p.canvas;
  const WallRecord& wall = Walls[p.v][p.s][k];
  if (!OnGrid(wall.X1, wall.Y1) || !OnGrid(wall.X2, wall.Y2)) return;
  const double d = HalfThickness * p.c;
  const WallVector p1{p.AxisXPos(wall.X1), p.AxisYPos(wall.Y1)};
  const WallVector p2{p.AxisXPos(wall.X2), p.AxisYPos(wall.Y2)};
  const WallFrame frame = MakeWallFrame(p1, p2, d, wall.WingWallStart * p.c, wall.WingWallEnd * p.c,
                                        wall.FlipInOut == 1, wall.FlipLeftRight == 1);
  // A wall whose ends meet has no direction: nothing of it is drawn.
  if (!frame.Drawable) return;
  const WallCaseResult& result = WallResults[p.v][p.s][k].Blocks[0];
  const int32_t partition = result.WallType >= PartitionWallType ? 1 : 0;
  const int32_t lineColour = WallLineColourOf(wall.NoStrength, partition, wall.OpeningKind);
  const int32_t markColour = ColourAt(WallTypeColours, result.WallType, WallTypeColours[0]);

  const int32_t band = WallBandColour(wall, result, p.v != 0);
  SetPen(canvas, band, 2);
  SetBrush(canvas, band, BrushStyle::Solid);
  DrawWallBand(canvas, frame);

  // A wall without an opening draws the plain symbol, as on screen: its
  // stored symbol would print a solid wall as a window or a door.
  SetPen(canvas, lineColour, 1);
  DrawFittingSymbol(canvas, frame, wall.OpeningKind == 0 ? 0 : wall.FittingSymbol, wall.OpeningKind,
                    lineColour, markColour);
  DrawWallMakeUp(canvas, frame, wall);
  DrawWallTexts(p, wall, result, frame);
}

void DrawWalls(const PlanContext& p) {
  if (p.s == 0)
    for (int32_t cls = 2; cls >= 0; --cls) DrawWallFoundations(p, cls, false);
  const int32_t count = WallCountOf(p.v, p.s);
  for (int32_t k = 0; k < count; ++k) DrawWall(p, k);
}

// ---------------------------------------------------------------- columns

constexpr int32_t ThroughColumn12 = 2, ThroughColumn23 = 3;
constexpr int32_t DeteriorationNone = 2;
constexpr int32_t ColumnSectionClasses = 6;

void Disc(Canvas& canvas, int32_t colour, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  SetPen(canvas, colour, 1);
  SetBrush(canvas, colour, BrushStyle::Solid);
  canvas.Ellipse(x1, y1, x2, y2);
}

bool SnowShown() { return ProjectSettings.SnowLoad != 0 && ProjectSettings.SnowCase != SnowCaseWithout; }

void DrawColumn(const PlanContext& p, int32_t k) {
  Canvas& canvas = p.canvas;
  const ColumnRecord& column = Columns[p.v][p.s][k];
  if (!OnGrid(column.X, column.Y)) return;
  double t, n;
  if (SnowShown()) {
    const ColumnSnowResult& r = ColumnSnowResults[p.v][p.s][k];
    t = MaxDouble(r.ToX, r.ToY), n = MaxDouble(r.NX, r.NY);
  } else {
    const ColumnResult& r = ColumnResults[p.v][p.s][k];
    t = MaxDouble(r.ToX, r.ToY), n = MaxDouble(r.NX, r.NY);
  }
  const int32_t i = ToViewUnits(HalfThickness * p.c);
  const int32_t h = i / 2;
  const double x = p.AxisXPos(column.X), y = p.AxisYPos(column.Y);
  const int32_t left = ToViewUnits(x - i), right = ToViewUnits(x + i);
  const int32_t top = ToViewUnits(y - i), bottom = ToViewUnits(y + i);

  if (ColumnResults[p.v][p.s][k].BreakageRisk != 0)
    Disc(canvas, ColumnMarkColours[ColumnMarkBreakageHalo], left - 2 * i - 1, top - 2 * i - 1,
         right + 2 * i + 2, bottom + 2 * i + 2);
  if (column.Deterioration != DeteriorationNone && HasColour(DeteriorationColours, column.Deterioration))
    Disc(canvas, DeteriorationColours[column.Deterioration], ToViewUnits(left - 1.3 * i - 1),
         ToViewUnits(top - 1.3 * i - 1), ToViewUnits(right + 1.3 * i + 2), ToViewUnits(bottom + 1.3 * i + 2));
  if (column.CornerSetting != 0)
    Disc(canvas, CornerColumnColour, left - i - 1, top - i - 1, right + i + 2, bottom + i + 2);
  // The hardware row's own colour, as on screen.
  if (HasColour(ColumnHardwareColours, column.Hardware))
    Disc(canvas, ColumnHardwareColours[column.Hardware], left - h - 1, top - h - 1, right + h + 2,
         bottom + h + 2);

  const int32_t section = ClampInt(MaxInt(column.SectionX, column.SectionY - 1), 0, ColumnSectionClasses - 1);
  SetPen(canvas, ColumnMarkColours[section], section == 0 ? 2 : 9);
  const int32_t method = ProjectSettings.JointHardwareMethod;
  const HardwareClass fillClass = ClassifyJointDemand(
      method == HardwareByConvertedNValue ? HardwareByConvertedNValue : HardwareByNValue, t, n);
  const int32_t fill = ColourAt(ClassColourScale, fillClass, ClassColourOverflow);
  SetBrush(canvas, fill, BrushStyle::Solid);
  canvas.Rectangle(left, top, right + 2, bottom + 2);

  const int32_t mark = GridPointMap[p.v][p.s][column.X][column.Y];
  if (GridPointIsOuterCorner(mark)) {
    SetPen(canvas, ColumnMarkColours[0], 1);
    canvas.Rectangle(left + h, top + h, right - h + 2, bottom - h + 2);
  }
  if (GridPointHasFloor(mark)) {
    SetPen(canvas, AreaColumnCrossColour, 1);
    Line(canvas, left, top, right, bottom);
    Line(canvas, left, bottom, right, top);
  }
  if (column.Type == ThroughColumn12 || column.Type == ThroughColumn23) {
    SetPen(canvas, ThroughColumnRingColour, 1,
           column.Type == ThroughColumn12 ? PenStyle::Solid : PenStyle::Dot);
    canvas.Arc(left - i, top - i, right + i + 1, bottom + i + 1, left - i, top - i, left - i, top - i);
  }

  if (p.kind != PlanOnPlanPage && ProjectSettings.ShowColumnNValue != SettingOn) return;
  SetFont(canvas, ToViewUnits(1.5 * p.u), ToViewUnits(0.75 * p.u));
  SetBrush(canvas, LabelBackColour, BrushStyle::Clear);
  // Red tells of a required class that the fitted hardware does not meet,
  // as on the screen. The allowable-stress method leaves the required class
  // to the engineer's own calculation: none is printed, and nothing in red.
  const bool requiredShown = method == HardwareByNValue || method == HardwareByConvertedNValue;
  HardwareClass required{};
  if (requiredShown) {
    required = ClassifyColumnDemandLabel(method, t, n);
    canvas.TextOut(right + 4, bottom + 4, LabelAt(JointDemandClassLabels, HardwareClassCount, required));
  }
  const HardwareClass installed = JointCapacityClassOfRow(column.Hardware);
  if (requiredShown && installed < required) canvas.SetFontColour(FontRed);
  canvas.TextOut(right + 4, ToViewUnits(bottom + 4 + 0.1 * p.c),
                 LabelAt(JointDemandClassLabels, HardwareClassCount, installed));
  canvas.SetFontColour(Black);
}

void DrawColumns(const PlanContext& p) {
  const int32_t count = CountOf(ColumnCount, p.v, p.s, MaxColumnsPerStorey);
  for (int32_t k = 0; k < count; ++k) DrawColumn(p, k);
  if (p.kind != PlanOnPlanPage) return;
  Canvas& canvas = p.canvas;
  SetFont(canvas, ToViewUnits(1.5 * p.u), ToViewUnits(0.75 * p.u));
  canvas.SetBrushStyle(BrushStyle::Clear);
  for (int32_t n = 0; n < count; ++n) {
    const int32_t k = ColumnOrderX[p.v][p.s][n];
    if (k < 0 || k >= count) continue;
    const ColumnRecord& column = Columns[p.v][p.s][k];
    if (!OnGrid(column.X, column.Y)) continue;
    canvas.TextOut(ToViewUnits(p.AxisXPos(column.X) - HalfThickness * p.c - 3 * p.u),
                   ToViewUnits(p.AxisYPos(column.Y) - HalfThickness * p.c - 2 * p.u), FormatW(u"%3i", n + 1));
  }
}

// ---------------------------------------------------------------- texts, free lines

// The whole number at the start of a text, as the standard wide-string
// conversion reads it: blanks, a sign, digits; 0 when there are none.
int32_t LeadingInteger(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    if (value < 1000000000) value = value * 10 + (text[i] - u'0');
  return static_cast<int32_t>(negative ? -value : value);
}

void DrawNorthMark(const PlanContext& p, int32_t cx, int32_t cy, int32_t degrees) {
  Canvas& canvas = p.canvas;
  SetPen(canvas, Black, 2);
  canvas.SetBrushStyle(BrushStyle::Clear);
  const double r = p.c / 2;
  canvas.Ellipse(ToViewUnits(cx - r), ToViewUnits(cy - r), ToViewUnits(cx + r), ToViewUnits(cy + r));
  const auto at = [&](double deg) {
    const double phi = deg * Pi / 180;
    return CanvasPoint{ToViewUnits(cx - r * std::sin(phi)), ToViewUnits(cy - r * std::cos(phi))};
  };
  const CanvasPoint tip = at(degrees), a = at(degrees - 160.0), b = at(degrees + 160.0);
  canvas.MoveTo(tip.X, tip.Y);
  canvas.LineTo(a.X, a.Y);
  canvas.LineTo(b.X, b.Y);
  canvas.LineTo(tip.X, tip.Y);
  const double theta = degrees * Pi / 180;
  const std::u16string_view north = u"北";
  canvas.TextOut(ToViewUnits(cx - WholeQuotient(canvas.TextWidth(north), 2) - 1.4 * r * std::sin(theta)),
                 ToViewUnits(cy - 1.5 * p.u - 1.4 * r * std::cos(theta)), north);
}

void DrawTextLabels(const PlanContext& p) {
  Canvas& canvas = p.canvas;
  const int32_t count = CountOf(TextLabelCount, p.v, p.s, MaxTextLabelsPerStorey);
  const int32_t height = ToViewUnits(3 * p.u), width = ToViewUnits(1.5 * p.u);
  for (int32_t k = 0; k < count; ++k) {
    const TextLabelRecord& label = TextLabels[p.v][p.s][k];
    if (!OnGrid(label.X1, label.Y1) || !OnGrid(label.X2, label.Y2)) continue;
    const int32_t cx = (p.PX(label.X1) + p.PX(label.X2)) / 2, cy = (p.PY(label.Y1) + p.PY(label.Y2)) / 2;
    const std::u16string_view text = SymbolText(label.Text, TextLabelCapacity);
    SetBrush(canvas, LabelBackColour, BrushStyle::Clear);
    if (!text.empty() && text[0] == u'*') {
      SetFont(canvas, height, width);
      DrawNorthMark(p, cx, cy, LeadingInteger(text.substr(1)));
    } else if (!text.empty() && text[0] == u'@') {
      SetFont(canvas, height, width, -900, VerticalGothicFace);
      const std::u16string_view rest = text.substr(1);
      canvas.TextOut(ToViewUnits(cx + 1.5 * p.u), cy - canvas.TextWidth(rest) / 2, rest);
    } else {
      SetFont(canvas, height, width);
      canvas.TextOut(cx - canvas.TextWidth(text) / 2, ToViewUnits(cy - 1.5 * p.u), text);
    }
  }
}

PenStyle FreeLineStyle(int32_t style) {
  switch (style) {
    case 2:
      return PenStyle::Dot;
    case 3:
      return PenStyle::Dash;
    case 4:
      return PenStyle::DashDot;
    case 5:
      return PenStyle::DashDotDot;
    default:
      return PenStyle::Solid;
  }
}

void DrawFreeLines(const PlanContext& p) {
  Canvas& canvas = p.canvas;
  const int32_t count = CountOf(FreeLineCount, p.v, p.s, MaxFreeLinesPerStorey);
  for (int32_t k = 0; k < count; ++k) {
    const FreeLineRecord& line = FreeLines[p.v][p.s][k];
    if (!OnGrid(line.X1, line.Y1) || !OnGrid(line.X2, line.Y2)) continue;
    SetPen(canvas, line.Colour, line.Style == 1 ? ToViewUnits(p.u) : 1, FreeLineStyle(line.Style));
    Line(canvas, ToViewUnits(p.PX(line.X1) + line.OffsetX1 * p.c),
         ToViewUnits(p.PY(line.Y1) + line.OffsetY1 * p.c), ToViewUnits(p.PX(line.X2) + line.OffsetX2 * p.c),
         ToViewUnits(p.PY(line.Y2) + line.OffsetY2 * p.c));
  }
}

// ---------------------------------------------------------------- centres

void DrawCentres(const PlanContext& p) {
  Canvas& canvas = p.canvas;
  const int32_t v = p.v, s = p.s;
  // With snow the centres move to the snow results; the range keeps the
  // elastic radii without snow.
  const bool snow = SnowShown();
  const double gX = snow ? CentreOfGravityXSnow[v][s] : CentreOfGravityX[v][s];
  const double gY = snow ? CentreOfGravityYSnow[v][s] : CentreOfGravityY[v][s];
  const double rX = snow ? RigidityCentreXSnow[v][s][0] : RigidityCentreX[v][s][0];
  const double rY = snow ? RigidityCentreYSnow[v][s][0] : RigidityCentreY[v][s][0];
  const double originX = AxisX(GridOriginAxisX), originY = AxisY(GridOriginAxisY);
  const auto pageX = [&](double x) { return ToViewUnits((x + originX - p.originX) * p.c); };
  const auto pageY = [&](double y) { return ToViewUnits((originY - y - p.originY) * p.c); };
  const double u = p.u;
  const int32_t gx = pageX(gX), gy = pageY(gY);
  SetPen(canvas, CentreMarkColours[6], ToViewUnits(0.5 * u));
  canvas.SetBrushStyle(BrushStyle::Clear);
  if (gX != 0 || gY != 0) {
    Line(canvas, ToViewUnits(gx - 1.41 * u), ToViewUnits(gy - 1.41 * u), ToViewUnits(gx + 1.41 * u),
         ToViewUnits(gy + 1.41 * u));
    Line(canvas, ToViewUnits(gx + 1.41 * u), ToViewUnits(gy - 1.41 * u), ToViewUnits(gx - 1.41 * u),
         ToViewUnits(gy + 1.41 * u));
    canvas.Ellipse(ToViewUnits(gx - 1.5 * u), ToViewUnits(gy - 1.5 * u), ToViewUnits(gx + 1.5 * u),
                   ToViewUnits(gy + 1.5 * u));
  }
  // The rigidity page always shows its centre, even at (0, 0).
  if (rX == 0 && rY == 0 && p.kind != PlanOnRigidityPage) return;
  canvas.SetPenColour(CentreMarkColours[0]);
  const int32_t rx = pageX(rX), ry = pageY(rY);
  Line(canvas, ToViewUnits(rx - 2 * u), ry, ToViewUnits(rx + 2 * u), ry);
  Line(canvas, rx, ToViewUnits(ry - 2 * u), rx, ToViewUnits(ry + 2 * u));
  canvas.Ellipse(ToViewUnits(rx - 1.5 * u), ToViewUnits(ry - 1.5 * u), ToViewUnits(rx + 1.5 * u),
                 ToViewUnits(ry + 1.5 * u));
  SetPen(canvas, CentreMarkColours[0], 1, PenStyle::DashDotDot);
  const double hx = 0.15 * ElasticRadiusY[v][s][0] * p.c, hy = 0.15 * ElasticRadiusX[v][s][0] * p.c;
  canvas.Rectangle(ToViewUnits(gx - hx), ToViewUnits(gy - hy), ToViewUnits(gx + hx), ToViewUnits(gy + hy));
}

}  // namespace

void DrawReportPlan(Canvas& canvas, ReportPlanKind kindArg, int32_t storey, double pixelsPerMm,
                    int32_t wantedPage) {
  int32_t kind = kindArg;
  if (kind < 0 || kind > 7) kind = PlanAxesOnly;
  const int32_t v = ClampInt(CurrentVariant, 0, VariantCount - 1);
  const int32_t s = ClampInt(storey, 0, StoreyCount - 1);

  SetPen(canvas, LightGrey, 1);
  SetBrush(canvas, White, BrushStyle::Clear);
  const double boxMm = ReportPlanBoxMm(static_cast<ReportPlanKind>(kind));
  const double frameEndMm = 20 + 1.2 * boxMm;  // e + 180u
  const double e = 20 * pixelsPerMm;
  const double u = boxMm / 150 * pixelsPerMm;
  const double minX = AxisX(ModelExtentMinX), maxY = AxisY(ModelExtentMaxY);
  const double c = ReportPlanScale(static_cast<ReportPlanKind>(kind), pixelsPerMm);
  const PlanContext p{
      canvas, kind, v, s, pixelsPerMm, e, u, c, minX - (e + 25 * u) / c, maxY - (e + 155 * u) / c};

  SetFont(canvas, ToViewUnits(3 * pixelsPerMm), ToViewUnits(1.5 * pixelsPerMm));
  if (wantedPage == 0) {
    const std::u16string note = FormatW(u"SCALE = 1/%5.0f", pixelsPerMm / c * 1000 / PrintScale);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(MmToUnits(frameEndMm, pixelsPerMm) - canvas.TextWidth(note),
                   ToViewUnits(e - 3.5 * pixelsPerMm), note);
  }
  const bool areas = kind == PlanOnPlanPage || kind == PlanOnCentreOfGravityPage ||
                     kind == PlanOnRequiredStrengthPage || kind == PlanOnWallQuantityPage;
  const bool walls = kind == PlanOnPlanPage || kind == PlanOnRigidityPage;
  // The areas darken one another and the axes beneath them (mask), and the
  // quarter-division lines invert what they cross (XOR), on every device;
  // all of it lies within the frame.
  const int32_t frameStart = MmToUnits(20, pixelsPerMm), frameEnd = MmToUnits(frameEndMm, pixelsPerMm);
  if (areas) canvas.BeginCombinedGroup(frameStart, frameStart, frameEnd, frameEnd);
  SetPen(canvas, LightGrey, 1);
  SetBrush(canvas, White, BrushStyle::Clear);
  DrawRectMm(canvas, pixelsPerMm, 20, 20, frameEndMm, frameEndMm);

  DrawXAxes(p, (ProjectSettings.AxisNumbering & 1) != 0 ? 1 : 0);
  DrawYAxes(p, (ProjectSettings.AxisNumbering & 2) != 0 ? 1 : 0);

  if (areas) {
    DrawAreas(p);
    canvas.EndCombinedGroup();
  }
  if (kind == PlanOnFloorMagnificationPage) DrawFloorSpecs(p);
  if (kind == PlanOnFoundationPage) DrawFoundationPlan(p);
  if (walls) DrawWalls(p);
  if (walls) DrawColumns(p);
  if (kind == PlanOnPlanPage) {
    DrawTextLabels(p);
    DrawFreeLines(p);
  }
  if (kind == PlanOnPlanPage || kind == PlanOnCentreOfGravityPage || kind == PlanOnRigidityPage)
    DrawCentres(p);
  SetBrush(canvas, White, BrushStyle::Clear);
}
