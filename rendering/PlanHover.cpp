#include "rendering/PlanHover.h"

#include <algorithm>

#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "editing/ClickInput.h"
#include "evaluation/HardwareClasses.h"
#include "model/ElementLabels.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/GridView.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"

int32_t XorHighlightCoords[8] = {};
int32_t SnapAxisX = 0, SnapAxisY = 0;

namespace {

// What is on the image now.
XorFigure DrawnHighlight;
XorFigure DrawnRubberBand;

enum XorColourIndex : int32_t {
  XorGridInterval = 0,
  XorGridAxis = 1,
  XorColumn = 2,
  XorWall = 3,
  XorRoofFloor = 4,
  XorFloorSpec = 5,
  XorText = 6,
  XorFoundation = 7,
  XorFreeLine = 8,
  XorGable = 9,
};

int32_t PixelX(int32_t i) { return ToViewUnits(AxisX(i) * PixelsPerMetre); }
int32_t PixelY(int32_t j) { return ToViewUnits(AxisY(j) * PixelsPerMetre); }

const char16_t* NameX(int32_t i) { return i >= 0 && i < GridAxisCountX ? GridAxisNameX[i] : u""; }
const char16_t* NameY(int32_t j) { return j >= 0 && j < GridAxisCountY ? GridAxisNameY[j] : u""; }

template <int N>
const char16_t* Label(const char16_t* const (&table)[N], int32_t index) {
  return LabelAt(table, N, index);
}

int32_t WideWidth() { return ToViewUnits(1.5 * HoverTolerance()); }

XorFigure LineFigure(CanvasPoint a, CanvasPoint b, int32_t colourIndex, int32_t width) {
  XorFigure f;
  f.Kind = XorFigureKind::Line;
  f.Points[0] = a, f.Points[1] = b;
  f.Colour = XorColours[colourIndex];
  f.Width = width;
  return f;
}

XorFigure RectangleFigure(CanvasPoint a, CanvasPoint b, int32_t colourIndex, int32_t width) {
  XorFigure f = LineFigure(a, b, colourIndex, width);
  f.Kind = XorFigureKind::Rectangle;
  return f;
}

XorFigure PolygonFigure(CanvasPoint a, CanvasPoint b, CanvasPoint c, int32_t colourIndex, int32_t width) {
  XorFigure f = LineFigure(a, b, colourIndex, width);
  f.Kind = XorFigureKind::Polygon;
  f.Points[2] = c;
  return f;
}

// The segment test: the pointer lies closer than the tolerance to the segment
// p1-p2 (pixels). A segment of zero length is never hit.
bool NearSegment(int32_t x, int32_t y, CanvasPoint p1, CanvasPoint p2) {
  const double dx = double(p2.X) - p1.X, dy = double(p2.Y) - p1.Y;
  const double dd = dx * dx + dy * dy;
  if (dd == 0) return false;
  double t = -((double(p1.X) - x) * dx + (double(p1.Y) - y) * dy) / dd;
  t = std::clamp(t, 0.0, 1.0);
  const double qx = p1.X + t * dx - x, qy = p1.Y + t * dy - y;
  const double tolerance = HoverTolerance();
  return tolerance * tolerance > qx * qx + qy * qy;
}

// Strictly inside the rectangle with corners a and b.
bool InsideRectangle(int32_t x, int32_t y, CanvasPoint a, CanvasPoint b) {
  return (int64_t(b.X) - x) * (int64_t(a.X) - x) < 0 && (int64_t(b.Y) - y) * (int64_t(a.Y) - y) < 0;
}

int64_t Cross(CanvasPoint a, CanvasPoint b, int64_t x, int64_t y) {
  return (int64_t(b.X) - a.X) * (y - a.Y) - (int64_t(b.Y) - a.Y) * (x - a.X);
}

// Inside the triangle or on one of its sides; a flat triangle holds nothing.
bool InsideTriangle(int32_t x, int32_t y, CanvasPoint a, CanvasPoint b, CanvasPoint c) {
  const int64_t area = Cross(a, b, c.X, c.Y);
  if (area == 0) return false;
  const auto sameSide = [&](CanvasPoint p, CanvasPoint q, CanvasPoint opposite) {
    const int64_t pointer = Cross(p, q, x, y);
    const int64_t corner = Cross(p, q, opposite.X, opposite.Y);
    return pointer == 0 || (pointer > 0) == (corner > 0);
  };
  return sameSide(a, b, c) && sameSide(b, c, a) && sameSide(c, a, b);
}

template <typename Record>
CanvasPoint End1(const Record& r) {
  return {PixelX(r.X1), PixelY(r.Y1)};
}
template <typename Record>
CanvasPoint End2(const Record& r) {
  return {PixelX(r.X2), PixelY(r.Y2)};
}
template <typename Record>
CanvasPoint End3(const Record& r) {
  return {PixelX(r.X3), PixelY(r.Y3)};
}

// The first two-point element of a list whose segment the pointer is near;
// count when there is none.
template <typename Record>
int32_t FindSegment(const Record* records, int32_t count, int32_t x, int32_t y) {
  for (int32_t i = 0; i < count; ++i)
    if (NearSegment(x, y, End1(records[i]), End2(records[i]))) return i;
  return count;
}

void Highlight(HoverUpdate& u, const XorFigure& figure, int32_t state) {
  u.Draw = figure;
  DrawnHighlight = figure;
  HoverState = state;
  const CanvasPoint* p = figure.Points;
  XorHighlightCoords[2] = p[0].X, XorHighlightCoords[3] = p[0].Y;
  XorHighlightCoords[4] = p[1].X, XorHighlightCoords[5] = p[1].Y;
  XorHighlightCoords[6] = p[2].X, XorHighlightCoords[7] = p[2].Y;
}

// ---- Descriptions ----

std::u16string ColumnDescription(int32_t index) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const ColumnRecord& c = Columns[v][s][index];
  const ColumnResult& r = ColumnResults[v][s][index];
  const int32_t point = GridPointValueAt(v, s, SnapAxisX, SnapAxisY);
  const int32_t judgement = GridPointIsOuterCorner(point) ? 1 : 2;
  const int32_t position = GridPointHasFloor(point) ? 1 : 0;
  // The converted N-value method classifies the pull-out force; the others the N-value.
  const bool byForce = ProjectSettings.JointHardwareMethod == HardwareByConvertedNValue;
  const double value = byForce ? std::max(r.ToX, r.ToY) : std::max(r.NX, r.NY);
  const HardwareClass required =
      ClassifyJointDemand(byForce ? HardwareByConvertedNValue : HardwareByNValue, value, value);
  const HardwareClass fitted = JointCapacityClassOfRow(c.Hardware);
  const int32_t sectionY = c.SectionY != 0 ? c.SectionY - 1 : c.SectionX;
  return FormatW(
      u"柱　(%s,%s)   柱の種類:%s  金物仕様:%s  出隅柱:%s(%s)　位置:%s　引き抜き力:%5.3f　"
      u"接合部必要金物:%s 接合部取付金物:%s 材種:%s 断面:%s×%s　劣化：%s　%s",
      NameX(SnapAxisX), NameY(SnapAxisY), Label(ColumnTypeLabels, c.Type - 1),
      Label(HardwareSymbolLabels, c.Hardware), Label(CornerSettingLabels, c.CornerSetting),
      Label(CornerJudgementLabels, judgement), Label(PositionLabels, position), value,
      Label(HardwareClassLabels, required), Label(HardwareClassSymbols, fitted),
      Label(SpeciesLabels, c.Species), Label(SectionLabels, c.SectionX), Label(SectionLabels, sectionY),
      Label(DeteriorationLabels, c.Deterioration), Label(BreakageRiskLabels, r.BreakageRisk));
}

const char16_t* PanelName(int32_t row) {
  if (row == 0) return u"無し";
  return row > 0 && row < PanelTableRows ? PanelTable[row].Name : u"";
}

const char16_t* BraceName(int32_t kind) {
  if (kind == 0) return u"無し";
  if (kind < 0 || kind >= BraceKindCount) return u"";
  return BraceTable[BraceRowOfKind[kind]].Name;
}

const char16_t* MudWallName(int32_t row) {
  if (row == 0) return u"無し";
  return row > 0 && row < MudWallTableRows ? MudWallTable[row].Name : u"";
}

std::u16string WallDescription(int32_t index) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const WallRecord& w = Walls[v][s][index];
  const WallCaseResult& r = WallResults[v][s][index].Blocks[0];
  return FormatW(
      u"壁　(%s,%s)-(%s,%s)　壁の評価:%s　左上面材:%s　右下面材:%s　筋かい:%s　土壁:%s　軸組劣化:%s　"
      u"位置:%s　基礎:%s",
      NameX(w.X1), NameY(w.Y1), NameX(w.X2), NameY(w.Y2), Label(WallTypeLabels, r.WallType),
      PanelName(w.PanelLeft), PanelName(w.PanelRight), BraceName(w.BraceKind), MudWallName(w.MudWallKind),
      Label(DeteriorationLabels, w.Deterioration % 4), Label(PositionLabels, r.UnderRoofOrFloor),
      Label(FoundationClassLabels, r.FoundationClass));
}

template <typename Record>
std::u16string AreaLoads(const Record& r) {
  std::u16string text;
  if (r.LiveLoad != 0) text += FormatW(u"　積載荷重:%+6.0f", r.LiveLoad);
  if (r.AddedLoad != 0) text += FormatW(u"　追加荷重:%+6.0f", r.AddedLoad);
  if (r.Slope != 0) text += FormatW(u" 勾配:%5.2f/1.0", r.Slope);
  if (r.DeadLoad != 0) text += FormatW(u" 固定荷重:%6.2fN/㎡", r.DeadLoad);
  return text;
}

const char16_t* AreaPrefix(int32_t code) {
  return code >= 0 && code < AreaLabelCodeCount ? Label(AreaWeightPrefixes, WeightRadioOfCode[code]) : u"";
}
const char16_t* AreaKind(int32_t code) {
  return code >= 0 && code < AreaLabelCodeCount ? Label(AreaKindNames, AreaKindOfCode[code]) : u"";
}

std::u16string RoofFloorRectDescription(const RoofFloorRectRecord& r) {
  return FormatW(u"床（矩形）　(%s,%s)-(%s,%s)　仕様:%s%s", NameX(r.X1), NameY(r.Y1), NameX(r.X2),
                 NameY(r.Y2), AreaPrefix(r.AreaCode), AreaKind(r.AreaCode)) +
         AreaLoads(r);
}

std::u16string RoofFloorTriangleDescription(const RoofFloorTriangleRecord& r) {
  return FormatW(u"床（三角形）　(%s,%s)-(%s,%s)-(%s,%s)　仕様:%s%s", NameX(r.X1), NameY(r.Y1), NameX(r.X2),
                 NameY(r.Y2), NameX(r.X3), NameY(r.Y3), AreaPrefix(r.AreaCode), AreaKind(r.AreaCode)) +
         AreaLoads(r);
}

const char16_t* FloorSpecName(int32_t code) {
  const int32_t row = code % 32;
  return row >= 0 && row < FloorSpecTableRows ? FloorSpecTableName[row] : u"";
}
const char16_t* HorizontalBraceName(int32_t code) {
  const int32_t row = code / 32;
  return row >= 0 && row < HorizontalBraceTableRows ? HorizontalBraceTableName[row] : u"";
}

std::u16string FloorSpecRectDescription(const FloorSpecRectRecord& r) {
  return FormatW(u"床剛性（矩形）　(%s,%s)-(%s,%s)　仕様:%s　火打ち:%s", NameX(r.X1), NameY(r.Y1),
                 NameX(r.X2), NameY(r.Y2), FloorSpecName(r.SpecCode), HorizontalBraceName(r.SpecCode));
}

std::u16string FloorSpecTriangleDescription(const FloorSpecTriangleRecord& r) {
  return FormatW(u"床剛性（三角形）　(%s,%s)-(%s,%s)-(%s,%s)　仕様:%s　火打ち:%s", NameX(r.X1), NameY(r.Y1),
                 NameX(r.X2), NameY(r.Y2), NameX(r.X3), NameY(r.Y3), FloorSpecName(r.SpecCode),
                 HorizontalBraceName(r.SpecCode));
}

// ---- Hover by mode ----

void HoverGrid(HoverUpdate& u, int32_t x, int32_t y, int32_t sheetWidth, int32_t sheetHeight) {
  const double xm = x / PixelsPerMetre, ym = y / PixelsPerMetre;
  if (GridEditMode == GridEditDelete) {
    const double tolerance = GridClickTolerance();
    const int32_t m = AxisWithin(GridAxisX, GridAxisCountX, xm, tolerance);
    if (m < GridAxisCountX) {
      // An axis running along Y: the texts name lines by the direction they run in.
      u.Status = FormatW(u"Ｙ軸変更・消去　%s", NameX(m));
      const int32_t px = PixelX(m);
      Highlight(u, LineFigure({px, 0}, {px, sheetHeight}, XorGridAxis, 3), HoverSecondFigure);
      return;
    }
    const int32_t n = AxisWithin(GridAxisY, GridAxisCountY, ym, tolerance);
    if (n < GridAxisCountY) {
      u.Status = FormatW(u"Ｘ軸変更・消去　%s", NameY(n));
      const int32_t py = PixelY(n);
      Highlight(u, LineFigure({0, py}, {sheetWidth, py}, XorGridAxis, 3), HoverFirstFigure);
    }
    return;
  }
  if (GridEditMode == GridEditAddY || GridEditMode == GridEditChangeY) {
    const int32_t l = IntervalUnder(GridAxisY, GridAxisCountY, ym);
    if (l >= GridAxisCountY) return;
    u.Status = FormatW(
        GridEditMode == GridEditAddY ? u"Ｙ座標追加　%s,%s　間隔:%5.3f" : u"Ｙ座標変更　%s,%s　間隔:%5.3f",
        NameY(l), NameY(l - 1), GridAxisY[l] - GridAxisY[l - 1]);
    Highlight(u, RectangleFigure({0, PixelY(l - 1)}, {sheetWidth, PixelY(l)}, XorGridInterval, 1),
              HoverFirstFigure);
    return;
  }
  if (GridEditMode == GridEditAddX || GridEditMode == GridEditChangeX) {
    const int32_t k = IntervalUnder(GridAxisX, GridAxisCountX, xm);
    if (k >= GridAxisCountX) return;
    u.Status = FormatW(
        GridEditMode == GridEditAddX ? u"Ｘ座標追加　%s,%s　間隔:%5.3f" : u"Ｘ座標変更　%s,%s　間隔:%5.3f",
        NameX(k - 1), NameX(k), GridAxisX[k] - GridAxisX[k - 1]);
    Highlight(u, RectangleFigure({PixelX(k - 1), 0}, {PixelX(k), sheetHeight}, XorGridInterval, 1),
              HoverSecondFigure);
  }
}

void HoverColumns(HoverUpdate& u) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const int32_t count = CountOf(ColumnCount, v, s, MaxColumnsPerStorey);
  HoverIndex = count;
  for (int32_t i = 0; i < count; ++i)
    if (Columns[v][s][i].X == SnapAxisX && Columns[v][s][i].Y == SnapAxisY) {
      HoverIndex = i;
      break;
    }
  if (HoverIndex == count) return;
  u.Status = ColumnDescription(HoverIndex);
  const int32_t sx = PixelX(SnapAxisX), sy = PixelY(SnapAxisY), t = HoverTolerance();
  Highlight(u, RectangleFigure({sx - t + 1, sy - t + 1}, {sx + t, sy + t}, XorColumn, 1), HoverFirstFigure);
  XorHighlightCoords[0] = sx, XorHighlightCoords[1] = sy;
}

void HoverWalls(HoverUpdate& u, int32_t x, int32_t y) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const int32_t count = WallCountOf(v, s);
  HoverIndex = FindSegment(Walls[v][s], count, x, y);
  if (HoverIndex == count) return;
  const WallRecord& w = Walls[v][s][HoverIndex];
  u.Status = WallDescription(HoverIndex);
  Highlight(u, LineFigure(End1(w), End2(w), XorWall, WideWidth()), HoverFirstFigure);
}

// Roof/floor areas and floor specifications: rectangles first, then triangles.
template <typename Rect, int RectMax, typename Triangle, int TriangleMax, typename SkipRect,
          typename RectText, typename TriangleText>
void HoverAreas(HoverUpdate& u, int32_t x, int32_t y, Rect (&rects)[ModelSlotCount][StoreyCount][RectMax],
                const int32_t (&rectCount)[ModelSlotCount][StoreyCount],
                Triangle (&triangles)[ModelSlotCount][StoreyCount][TriangleMax],
                const int32_t (&triangleCount)[ModelSlotCount][StoreyCount], int32_t colourIndex,
                SkipRect skip, RectText rectText, TriangleText triangleText) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const int32_t nr = CountOf(rectCount, v, s, RectMax);
  HoverIndex = nr;
  for (int32_t i = 0; i < nr; ++i) {
    const Rect& r = rects[v][s][i];
    if (skip(r) || !InsideRectangle(x, y, End1(r), End2(r))) continue;
    HoverIndex = i;
    u.Status = rectText(r);
    Highlight(u, RectangleFigure(End1(r), End2(r), colourIndex, WideWidth()), HoverFirstFigure);
    return;
  }
  const int32_t nt = CountOf(triangleCount, v, s, TriangleMax);
  HoverTriangleIndex = nt;
  for (int32_t i = 0; i < nt; ++i) {
    const Triangle& t = triangles[v][s][i];
    if (!InsideTriangle(x, y, End1(t), End2(t), End3(t))) continue;
    HoverTriangleIndex = i;
    u.Status = triangleText(t);
    Highlight(u, PolygonFigure(End1(t), End2(t), End3(t), colourIndex, WideWidth()), HoverSecondFigure);
    return;
  }
}

void HoverTexts(HoverUpdate& u, int32_t x, int32_t y) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const int32_t count = CountOf(TextLabelCount, v, s, MaxTextLabelsPerStorey);
  const int32_t t = HoverTolerance();
  HoverIndex = count;
  for (int32_t i = 0; i < count; ++i) {
    const TextLabelRecord& r = TextLabels[v][s][i];
    const CanvasPoint a = End1(r), b = End2(r);
    const int32_t mx = (a.X + b.X) / 2, my = (a.Y + b.Y) / 2;
    if (mx - t < x && x < mx + t && my - t < y && y < my + t) {
      HoverIndex = i;
      u.Status =
          FormatW(u"室名等　(%s,%s)-(%s,%s)　%s", NameX(r.X1), NameY(r.Y1), NameX(r.X2), NameY(r.Y2), r.Text);
      const XorFigure figure = a.X != b.X && a.Y != b.Y ? RectangleFigure(a, b, XorText, WideWidth())
                                                        : LineFigure(a, b, XorText, WideWidth());
      Highlight(u, figure, HoverFirstFigure);
      return;
    }
  }
}

template <typename Record, int Max, typename Text>
void HoverSegments(HoverUpdate& u, int32_t x, int32_t y, Record (&records)[ModelSlotCount][StoreyCount][Max],
                   const int32_t (&count)[ModelSlotCount][StoreyCount], int32_t colourIndex, Text text) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const int32_t n = CountOf(count, v, s, Max);
  HoverIndex = FindSegment(records[v][s], n, x, y);
  if (HoverIndex == n) return;
  const Record& r = records[v][s][HoverIndex];
  u.Status = text(r);
  Highlight(u, LineFigure(End1(r), End2(r), colourIndex, WideWidth()), HoverFirstFigure);
}

// ---- Rubber band ----

void RubberBand(HoverUpdate& u, int32_t sx, int32_t sy) {
  u.Erase = DrawnRubberBand;
  DrawnRubberBand = {};
  const int32_t mode = CurrentEditMode;
  const bool area = mode == EditModeRoofFloor || mode == EditModeFloorSpec;
  const int32_t areaColour = mode == EditModeRoofFloor ? XorRoofFloor : XorFloorSpec;
  int32_t* p = ClickPixels;
  XorFigure figure;
  if (PendingPointCount == 1 &&
      (mode == EditModeWalls || mode == EditModeFoundation || mode == EditModeFreeLine ||
       mode == EditModeGable || (area && TriangleInput == 1))) {
    p[2] = sx, p[3] = sy;
    int32_t colour = XorWall;
    if (mode == EditModeRoofFloor || mode == EditModeFloorSpec) colour = areaColour;
    if (mode == EditModeFoundation) colour = XorFoundation;
    if (mode == EditModeFreeLine) colour = XorFreeLine;
    if (mode == EditModeGable) colour = XorGable;
    figure = LineFigure({p[0], p[1]}, {p[2], p[3]}, colour, 1);
  } else if (PendingPointCount == 2 && area && TriangleInput == 1) {
    p[4] = sx, p[5] = sy;
    figure = PolygonFigure({p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]}, areaColour, 1);
  } else if (PendingPointCount == 1 && area) {
    p[2] = sx, p[3] = sy;
    figure = RectangleFigure({p[0], p[1]}, {p[2], p[3]}, areaColour, 1);
  } else if (PendingPointCount == 1 && mode == EditModeText) {
    p[2] = sx, p[3] = sy;
    figure = LineFigure({p[0], p[1]}, {p[2], p[3]}, XorText, 1);
    figure.Kind = XorFigureKind::Outline;
  } else {
    return;
  }
  u.Draw = figure;
  DrawnRubberBand = figure;
}

}  // namespace

int32_t HoverTolerance() { return ToViewUnits(PixelsPerMetre / 5); }

SheetRect XorFigureBounds(const XorFigure& f) {
  if (f.Kind == XorFigureKind::None) return {};
  const int32_t n = f.Kind == XorFigureKind::Polygon ? 3 : 2;
  int32_t left = f.Points[0].X, right = left, top = f.Points[0].Y, bottom = top;
  for (int32_t i = 1; i < n; ++i) {
    left = std::min(left, f.Points[i].X), right = std::max(right, f.Points[i].X);
    top = std::min(top, f.Points[i].Y), bottom = std::max(bottom, f.Points[i].Y);
  }
  const int32_t margin = f.Width + 2;
  return {left - margin, top - margin, right + margin + 1, bottom + margin + 1};
}

void DrawXorFigure(Canvas& canvas, const XorFigure& f) {
  if (f.Kind == XorFigureKind::None) return;
  // The canvas is the one the full paint draws with: it gets back its pen and brush.
  const CanvasPen pen = canvas.Pen();
  const CanvasBrush brush = canvas.Brush();
  canvas.SetPenColour(f.Colour);
  canvas.SetPenWidth(f.Width);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetBrushColour(f.Colour);
  canvas.SetBrushStyle(BrushStyle::Solid);
  const CanvasPoint* p = f.Points;
  switch (f.Kind) {
    case XorFigureKind::Line:
      canvas.MoveTo(p[0].X, p[0].Y);
      canvas.LineTo(p[1].X, p[1].Y);
      break;
    case XorFigureKind::Rectangle:
      canvas.Rectangle(p[0].X, p[0].Y, p[1].X, p[1].Y);
      break;
    case XorFigureKind::Polygon:
      canvas.Polygon(p, 3);
      break;
    case XorFigureKind::Outline:
      canvas.MoveTo(p[0].X, p[0].Y);
      canvas.LineTo(p[0].X, p[1].Y);
      canvas.LineTo(p[1].X, p[1].Y);
      canvas.LineTo(p[1].X, p[0].Y);
      canvas.LineTo(p[0].X, p[0].Y);
      break;
    case XorFigureKind::None:
      break;
  }
  canvas.SetPenColour(pen.Colour);
  canvas.SetPenWidth(pen.Width);
  canvas.SetPenStyle(pen.Style);
  canvas.SetPenMode(pen.Mode);
  canvas.SetBrushColour(brush.Colour);
  canvas.SetBrushStyle(brush.Style);
}

HoverUpdate PlanMouseMove(int32_t x, int32_t y, int32_t sheetWidth, int32_t sheetHeight) {
  HoverUpdate u;
  if (HoverState == HoverEditApplied) {
    HoverState = HoverNothing;
    return u;
  }
  const double xm = x / PixelsPerMetre, ym = y / PixelsPerMetre;
  SnapAxisX = NearestAxis(GridAxisX, GridAxisCountX, xm);
  SnapAxisY = NearestAxis(GridAxisY, GridAxisCountY, ym);
  u.StatusChanged = true;
  if (PendingPointCount != 0) {
    RubberBand(u, PixelX(SnapAxisX), PixelY(SnapAxisY));
    return u;
  }
  u.Erase = DrawnHighlight;
  DrawnHighlight = {};
  HoverState = HoverNothing;
  switch (CurrentEditMode) {
    case EditModeGrid:
      HoverGrid(u, x, y, sheetWidth, sheetHeight);
      break;
    case EditModeColumns:
      HoverColumns(u);
      break;
    case EditModeWalls:
      HoverWalls(u, x, y);
      break;
    case EditModeRoofFloor:
      // The largest rectangle (area code 6) only bounds the others.
      HoverAreas(
          u, x, y, RoofFloorRects, RoofFloorRectCount, RoofFloorTriangles, RoofFloorTriangleCount,
          XorRoofFloor, [](const RoofFloorRectRecord& r) { return r.AreaCode == 6; },
          RoofFloorRectDescription, RoofFloorTriangleDescription);
      break;
    case EditModeFloorSpec:
      HoverAreas(
          u, x, y, FloorSpecRects, FloorSpecRectCount, FloorSpecTriangles, FloorSpecTriangleCount,
          XorFloorSpec, [](const FloorSpecRectRecord&) { return false; }, FloorSpecRectDescription,
          FloorSpecTriangleDescription);
      break;
    case EditModeText:
      HoverTexts(u, x, y);
      break;
    case EditModeFoundation:
      HoverSegments(u, x, y, Foundations, FoundationCount, XorFoundation,
                    [](const FoundationRecord&) { return std::u16string(); });
      break;
    case EditModeFreeLine:
      HoverSegments(u, x, y, FreeLines, FreeLineCount, XorFreeLine, [](const FreeLineRecord& r) {
        return FormatW(u"自由線　(%s,%s)-(%s,%s)", NameX(r.X1), NameY(r.Y1), NameX(r.X2), NameY(r.Y2));
      });
      break;
    case EditModeGable:
      HoverSegments(u, x, y, GableWalls, GableWallCount, XorGable, [](const GableWallRecord& r) {
        return FormatW(u"矢切等　(%s,%s)-(%s,%s)　種類:%s%s 固定荷重:%6.0fN/㎡ 勾配:%5.2f/1.0 高さ:%5.2f",
                       NameX(r.X1), NameY(r.Y1), NameX(r.X2), NameY(r.Y2),
                       Label(AreaWeightPrefixes, r.WeightClass), Label(GableShapeLabels, r.Shape), r.Weight,
                       r.Slope, r.Height);
      });
      break;
    default:
      break;
  }
  return u;
}

HoverUpdate PlanMouseLeave() {
  HoverUpdate u;
  u.Erase = DrawnHighlight;
  DrawnHighlight = {};
  if (HoverState != HoverEditApplied) HoverState = HoverNothing;
  return u;
}

void ForgetXorFigures() {
  DrawnHighlight = {};
  DrawnRubberBand = {};
  if (HoverState != HoverEditApplied) HoverState = HoverNothing;
}
