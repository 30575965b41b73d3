#include "rendering/ColumnLayer.h"

#include "analysis/AnalysisResults.h"
#include "analysis/GridPointMap.h"
#include "evaluation/HardwareClasses.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/PlanView.h"

namespace {

constexpr int32_t FontBlack = 0;
constexpr int32_t FontRed = RgbColour(255, 0, 0);

// Column types that run through two storeys.
constexpr int32_t ThroughColumn12 = 2;
constexpr int32_t ThroughColumn23 = 3;

// Beyond this many pixels right of and below where they start, no column
// label or number reaches.
constexpr int32_t LabelReach = 24 * ColumnLabelFontHeight;

// Deterioration values that get a ring; なし (2) gets none.
constexpr int32_t DeteriorationNone = 2;

// The mark unit of columns: the view units of a ninth of a metre.
int32_t ColumnUnit(const PlanView& view) { return ToViewUnits(view.UnitsPerMetre / 9); }

// The square of a column before the marks grow it: its grid point in view
// units, u on either side, truncated after the offset.
struct ColumnBox {
  int32_t Left, Top, Right, Bottom;
};

ColumnBox BoxAt(const PlanView& view, const ColumnRecord& column, int32_t u) {
  const double x = view.ScaledX(GridAxisX[column.X]), y = view.ScaledY(GridAxisY[column.Y]);
  return {ToViewUnits(x - u), ToViewUnits(y - u), ToViewUnits(x + u), ToViewUnits(y + u)};
}

void Disc(Canvas& canvas, int32_t colour, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  canvas.SetPenColour(colour);
  canvas.SetBrushColour(colour);
  canvas.Ellipse(x1, y1, x2, y2);
}

// The values the demand is read from: the snow results when snow is loaded and shown.
struct ColumnDemand {
  double T;
  double N;
};

ColumnDemand DemandOf(int32_t v, int32_t s, int32_t c) {
  const bool snow = ProjectSettings.SnowLoad != 0 && ProjectSettings.SnowCase != SnowCaseWithout;
  if (snow) {
    const ColumnSnowResult& r = ColumnSnowResults[v][s][c];
    return {MaxDouble(r.ToX, r.ToY), MaxDouble(r.NX, r.NY)};
  }
  const ColumnResult& r = ColumnResults[v][s][c];
  return {MaxDouble(r.ToX, r.ToY), MaxDouble(r.NX, r.NY)};
}

// The larger section class of the two directions; SectionY 0 means "as X".
int32_t SectionClassOf(const ColumnRecord& column) {
  int32_t s = column.SectionX;
  if (column.SectionY - 1 > s) s = column.SectionY - 1;
  return ClampInt(s, 0, ColumnMarkBreakageHalo - 1);
}

void DrawClassLabels(Canvas& canvas, const PlanView& view, const ColumnRecord& column, const ColumnBox& box,
                     ColumnDemand demand, int32_t method) {
  canvas.SetFont(PlanFont(ColumnLabelFontHeight, ColumnLabelFontWidth));
  canvas.SetFontColour(FontBlack);
  canvas.SetBrushColour(LabelBackColour);
  canvas.SetBrushStyle(BrushStyle::Clear);
  const bool demandShown = method == HardwareByNValue || method == HardwareByConvertedNValue;
  HardwareClass d = 0;
  if (demandShown) {
    d = ClassifyColumnDemandLabel(method, demand.T, demand.N);
    canvas.TextOut(box.Right + 4, box.Bottom + 4, LabelAt(JointDemandClassLabels, HardwareClassCount, d));
  }
  const HardwareClass g = JointCapacityClassOfRow(column.Hardware);
  if (demandShown && d > g) canvas.SetFontColour(FontRed);
  canvas.TextOut(box.Right + 4, ToViewUnits(box.Bottom + 4 + 0.2 * view.UnitsPerMetre),
                 LabelAt(JointDemandClassLabels, HardwareClassCount, g));
  canvas.SetFontColour(FontBlack);
}

void DrawColumn(Canvas& canvas, const PlanView& view, int32_t c, bool labels) {
  const int32_t v = view.Variant, s = view.Storey;
  const ColumnRecord& column = Columns[v][s][c];
  if (!OnGrid(column.X, column.Y)) return;
  const int32_t u = ColumnUnit(view);
  const int32_t h = u / 2;
  const ColumnBox box = BoxAt(view, column, u);
  const int32_t left = box.Left, top = box.Top, right = box.Right, bottom = box.Bottom;
  // The widest ring reaches 2u + 2 beyond the square, the labels start right
  // and below it: nothing of a column outside this rectangle can show.
  const int32_t reach = 2 * u + 4;
  if (!canvas.MayShow(left - reach, top - reach, right + reach + LabelReach,
                      bottom + reach + ToViewUnits(0.2 * view.UnitsPerMetre) + LabelReach))
    return;
  const int32_t method = ProjectSettings.JointHardwareMethod;

  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetBrushStyle(BrushStyle::Solid);

  if (ColumnResults[v][s][c].BreakageRisk != 0)
    Disc(canvas, ColumnMarkColours[ColumnMarkBreakageHalo], left - 2 * u - 1, top - 2 * u - 1,
         right + 2 * u + 2, bottom + 2 * u + 2);
  // Only the first group of the table belongs to columns.
  if (column.Deterioration != DeteriorationNone && column.Deterioration >= 0 &&
      column.Deterioration < DeteriorationNone)
    Disc(canvas, DeteriorationColours[column.Deterioration], ToViewUnits(left - 1.3 * u - 1),
         ToViewUnits(top - 1.3 * u - 1), ToViewUnits(right + 1.3 * u + 2), ToViewUnits(bottom + 1.3 * u + 2));
  if (column.CornerSetting != 0)
    Disc(canvas, CornerColumnColour, left - u - 1, top - u - 1, right + u + 2, bottom + u + 2);
  // A row outside the hardware table has no colour: no rim.
  if (HasColour(ColumnHardwareColours, column.Hardware))
    Disc(canvas, ColumnHardwareColours[column.Hardware], left - h - 1, top - h - 1, right + h + 2,
         bottom + h + 2);

  const int32_t section = SectionClassOf(column);
  canvas.SetPenColour(ColumnMarkColours[section]);
  canvas.SetPenWidth(section == 0 ? 2 : 3);
  const ColumnDemand demand = DemandOf(v, s, c);
  const int32_t fill =
      ColourAt(ClassColourScale, ClassifyColumnFill(method, demand.T, demand.N), ClassColourScale[0]);
  canvas.SetBrushColour(fill);
  canvas.Rectangle(left, top, right + 2, bottom + 2);

  const int32_t mark = GridPointMap[v][s][column.X][column.Y];
  if (GridPointIsOuterCorner(mark)) {
    canvas.SetPenColour(ColumnMarkColours[0]);
    canvas.SetPenWidth(1);
    canvas.Rectangle(left + h, top + h, right + 2 - h, bottom + 2 - h);
  }
  if (GridPointHasFloor(mark)) {
    canvas.SetPenColour(AreaColumnCrossColour);
    canvas.SetPenWidth(1);
    canvas.MoveTo(left, top);
    canvas.LineTo(right, bottom);
    canvas.MoveTo(left, bottom);
    canvas.LineTo(right, top);
  }
  if (column.Type == ThroughColumn12 || column.Type == ThroughColumn23) {
    canvas.SetPenColour(ThroughColumnRingColour);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(column.Type == ThroughColumn12 ? PenStyle::Solid : PenStyle::Dot);
    canvas.Arc(left - u, top - u, right + u + 1, bottom + u + 1, left - u, top - u, left - u, top - u);
  }
  if (labels) DrawClassLabels(canvas, view, column, box, demand, method);
}

// "%3i" numbers in plan order, above and left of each column.
void DrawColumnNumbers(Canvas& canvas, const PlanView& view, int32_t count) {
  const int32_t v = view.Variant, s = view.Storey;
  canvas.SetFont(PlanFont(ColumnLabelFontHeight, ColumnLabelFontWidth));
  canvas.SetFontColour(FontBlack);
  canvas.SetBrushStyle(BrushStyle::Clear);
  const double ninth = view.UnitsPerMetre / 9;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t c = ColumnOrderX[v][s][i];
    if (c < 0 || c >= count) continue;
    const ColumnRecord& column = Columns[v][s][c];
    if (!OnGrid(column.X, column.Y)) continue;
    const int32_t x = ToViewUnits(view.ScaledX(GridAxisX[column.X]) - ninth - 16);
    const int32_t y = ToViewUnits(view.ScaledY(GridAxisY[column.Y]) - ninth - 12);
    if (!canvas.MayShow(x - LabelReach, y - LabelReach, x + LabelReach, y + LabelReach)) continue;
    canvas.TextOut(x, y, FormatW(u"%3i", i + 1));
  }
}

}  // namespace

void DrawColumns(Canvas& canvas, const PlanView& view) {
  if (!ValidVariant(view.Variant) || !ValidStorey(view.Storey)) return;
  const int32_t count = CountOf(ColumnCount, view.Variant, view.Storey, MaxColumnsPerStorey);
  const bool labelMode = view.EditMode == EditModeColumns || view.EditMode == EditModeWalls;
  const bool labels = labelMode && ProjectSettings.ShowColumnNValue == SettingOn;
  for (int32_t c = 0; c < count; ++c) DrawColumn(canvas, view, c, labels);
  if (view.EditMode == EditModeColumns) DrawColumnNumbers(canvas, view, count);
}

void DrawOtherStoreyColumns(Canvas& canvas, const PlanView& view) {
  if (!ValidVariant(view.Variant)) return;
  const int32_t v = view.Variant;
  const bool foundation = view.EditMode == EditModeFoundation;
  const int32_t u = ColumnUnit(view);
  canvas.SetPenWidth(2);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColour(foundation ? RgbColour(0, 0, 0) : OtherStoreyColumnColour);
  for (int32_t s = 0; s < StoreyCount; ++s) {
    if ((s == view.Storey) != foundation) continue;
    const int32_t count = CountOf(ColumnCount, v, s, MaxColumnsPerStorey);
    for (int32_t c = 0; c < count; ++c) {
      const ColumnRecord& column = Columns[v][s][c];
      if (!OnGrid(column.X, column.Y)) continue;
      const ColumnBox box = BoxAt(view, column, u);
      if (!canvas.MayShow(box.Left - 4, box.Top - 4, box.Right + 4, box.Bottom + 4)) continue;
      canvas.MoveTo(box.Left, box.Top);
      canvas.LineTo(box.Right, box.Bottom);
      canvas.MoveTo(box.Left, box.Bottom);
      canvas.LineTo(box.Right, box.Top);
    }
  }
}
