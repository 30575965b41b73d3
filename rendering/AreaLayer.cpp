#include "rendering/AreaLayer.h"

#include <utility>

#include "analysis/BuildingOutline.h"
#include "analysis/FloorAreas.h"
#include "model/ElementLabels.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/PlanView.h"

namespace {

constexpr int32_t EavesFirstCode = 10;
constexpr int32_t EavesLastCode = 13;
constexpr int32_t QuarterLineColour = 0x0000FF;

const FontDescription& AreaLabelFont() {
  static const FontDescription font = PlanFont(10, 5);
  return font;
}

int32_t EdgeColour(int32_t mark) {
  return mark >= 1 && mark <= 4 ? OpeningKindColours[mark - 1] : SideZoneTextColour;
}

// Eaves count only in the load take-off of the building standard law.
bool Hidden(int32_t code) {
  return ProjectSettings.RequiredStrengthMethod != RequiredByLoadTakeOff && code >= EavesFirstCode &&
         code <= EavesLastCode;
}

// Pen and brush of an area; false for a code without colours.
bool SetAreaColours(Canvas& canvas, int32_t code, bool editing) {
  if (!ValidAreaCode(code) || Hidden(code)) return false;
  canvas.SetPenColour(editing ? AreaKindPenColours[code] : AreaKindBrushColours[code]);
  canvas.SetPenWidth(2);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Mask);
  canvas.SetBrushColour(AreaKindBrushColours[code]);
  // A label before may have left the brush clear: areas are always filled.
  canvas.SetBrushStyle(BrushStyle::Solid);
  return true;
}

// The label of an area on an opaque white box, centred on (cx, cy + 5).
void DrawLabel(Canvas& canvas, int32_t code, int32_t cx, int32_t cy) {
  canvas.SetFont(AreaLabelFont());
  canvas.SetFontColour(0);
  canvas.SetBrushColour(LabelBackColour);
  canvas.SetBrushStyle(BrushStyle::Solid);
  // A label off the view is neither formatted nor measured (the settings
  // above stay: the next drawing inherits them).
  if (!canvas.MayShowText(cx, cy, AreaLabelCapacity, 5)) return;
  char16_t text[AreaLabelCapacity];
  const int32_t n = AreaCodeLabel(code, text);
  const std::u16string_view label(text, static_cast<std::size_t>(n));
  canvas.TextOut(cx - canvas.TextWidth(label) / 2, cy - 5, label);
}

void DrawEdges(Canvas& canvas, const PlanView& view) {
  const int32_t n = ClampInt(AreaEdgeCounts[view.Storey], 0, MaxAreaEdges);
  const AreaEdge* const edges = AreaEdges[view.Variant][view.Storey];
  for (int32_t i = 0; i < n; ++i) {
    const AreaEdge& e = edges[i];
    if (!OnGrid(e.X1, e.Y1) || !OnGrid(e.X2, e.Y2)) continue;
    const int32_t colour = EdgeColour(e.Mark);
    canvas.SetPenColour(colour);
    canvas.SetPenWidth(10);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenMode(PenMode::Mask);
    canvas.SetBrushColour(colour);
    canvas.MoveTo(view.GridX(e.X1), view.GridY(e.Y1));
    canvas.LineTo(view.GridX(e.X2), view.GridY(e.Y2));
  }
}

void DrawRectangles(Canvas& canvas, const PlanView& view, bool editing) {
  const int32_t n = CountOf(RoofFloorRectCount, view.Variant, view.Storey, MaxRoofFloorRectsPerStorey);
  const RoofFloorRectRecord* const list = RoofFloorRects[view.Variant][view.Storey];
  for (int32_t k = 0; k < n; ++k) {
    const RoofFloorRectRecord& r = list[k];
    if (!OnGrid(r.X1, r.Y1) || !OnGrid(r.X2, r.Y2) || !SetAreaColours(canvas, r.AreaCode, editing)) continue;
    int32_t x1 = view.GridX(r.X1), y1 = view.GridY(r.Y1), x2 = view.GridX(r.X2), y2 = view.GridY(r.Y2);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    ++x1, ++y1;
    canvas.Rectangle(x1, y1, x2, y2);
    if (!editing) continue;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    canvas.MoveTo(x1, y2);
    canvas.LineTo(x2, y1);
    DrawLabel(canvas, r.AreaCode, (x1 + x2) / 2, (y1 + y2) / 2);
  }
}

void DrawTriangles(Canvas& canvas, const PlanView& view, bool editing) {
  const int32_t n =
      CountOf(RoofFloorTriangleCount, view.Variant, view.Storey, MaxRoofFloorTrianglesPerStorey);
  const RoofFloorTriangleRecord* const list = RoofFloorTriangles[view.Variant][view.Storey];
  for (int32_t k = 0; k < n; ++k) {
    const RoofFloorTriangleRecord& t = list[k];
    if (!OnGrid(t.X1, t.Y1) || !OnGrid(t.X2, t.Y2) || !OnGrid(t.X3, t.Y3) ||
        !SetAreaColours(canvas, t.AreaCode, editing))
      continue;
    const CanvasPoint p[3] = {{view.GridX(t.X1), view.GridY(t.Y1)},
                              {view.GridX(t.X2), view.GridY(t.Y2)},
                              {view.GridX(t.X3), view.GridY(t.Y3)}};
    canvas.Polygon(p, 3);
    if (editing)
      DrawLabel(canvas, t.AreaCode, (p[0].X + p[1].X + p[2].X) / 3, (p[0].Y + p[1].Y + p[2].Y) / 3);
  }
}

void DrawQuarterLines(Canvas& canvas, const PlanView& view) {
  const int32_t v = view.Variant, s = view.Storey;
  const auto x = [&](double metres) { return ToViewUnits(view.ScaledX(metres)); };
  const auto y = [&](double metres) { return ToViewUnits(view.ScaledY(metres)); };
  canvas.SetPenColour(QuarterLineColour);
  canvas.SetPenWidth(3);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Xor);
  const double left = QuarterZoneEdge1[v][s], right = QuarterZoneEdge2[v][s];
  const double top = QuarterZoneEdgeA[v][s], bottom = QuarterZoneEdgeB[v][s];
  for (const double at : {QuarterZoneBoundaryA[v][s], QuarterZoneBoundaryB[v][s]}) {
    canvas.MoveTo(x(left), y(at));
    canvas.LineTo(x(right), y(at));
  }
  for (const double at : {QuarterZoneBoundary1[v][s], QuarterZoneBoundary2[v][s]}) {
    canvas.MoveTo(x(at), y(top));
    canvas.LineTo(x(at), y(bottom));
  }
}

}  // namespace

void DrawRoofFloorAreas(Canvas& canvas, const PlanView& view, bool quarterLines) {
  if (!ValidVariant(view.Variant) || !ValidStorey(view.Storey)) return;
  const bool editing = view.EditMode == EditModeRoofFloor;
  if (editing) DrawEdges(canvas, view);
  DrawRectangles(canvas, view, editing);
  DrawTriangles(canvas, view, editing);
  const int32_t method = ProjectSettings.DiagnosisMethod;
  const bool hasAreas =
      CountOf(RoofFloorRectCount, view.Variant, view.Storey, MaxRoofFloorRectsPerStorey) > 0 ||
      CountOf(RoofFloorTriangleCount, view.Variant, view.Storey, MaxRoofFloorTrianglesPerStorey) > 0;
  if (quarterLines && (method == DiagnosisGeneral || method == DiagnosisVerification) &&
      ProjectSettings.BalanceMethod == BalanceByQuarterDivision && hasAreas)
    DrawQuarterLines(canvas, view);
}
