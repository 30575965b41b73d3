// What the printed plan shares with the pages around a plan: the plan's box
// and scale, the colour of a wall's lines and the symbols of a wall's
// elements, drawn for the plan and for the legends alike.
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/PlanPalette.h"
#include "platform/Numeric.h"
#include "report/ReportPlan.h"
#include "report/ReportPlanDrawing.h"

namespace {

using namespace report_plan;

void DrawPanel(Canvas& canvas, const WallFrame& frame, int32_t row, WallFace face) {
  if (row < 2 || row >= PanelTableRows) return;
  SetPen(canvas, ColourAt(PanelColours, row, PanelColours[0]), PanelPenWidth(PanelTable[row].Strength));
  DrawPanelLine(canvas, frame, face, PanelTable[row].DisplayKind);
}

}  // namespace

double ReportPlanBoxMm(ReportPlanKind kind) {
  return kind == PlanOnPlanPage || kind == PlanAxesOnly || kind < 0 || kind > 7 ? 150 : 100;
}

double ReportPlanScale(ReportPlanKind kind, double pixelsPerMm) {
  const double boxMm = ReportPlanBoxMm(kind);
  const double cap = 20 * pixelsPerMm;
  const bool extentUsed = ModelExtentMinX >= 0 && ModelExtentMaxX < GridAxisCountX && ModelExtentMinY >= 0 &&
                          ModelExtentMaxY < GridAxisCountY;
  // A reversed extent (an empty model) has a negative side; a zero side
  // gives an unbounded quotient: both end at the cap of 20 mm per metre.
  const double larger = extentUsed ? MaxDouble(AxisX(ModelExtentMaxX) - AxisX(ModelExtentMinX),
                                               AxisY(ModelExtentMaxY) - AxisY(ModelExtentMinY))
                                   : -1;
  double c = boxMm * pixelsPerMm / larger;
  if (c > cap) c = cap;
  if (c < 0) c = cap;
  return c;
}

int32_t WallLineColourOf(int32_t noStrength, int32_t partition, int32_t openingKind) {
  const bool known = (noStrength == 0 || noStrength == 1) && (partition == 0 || partition == 1) &&
                     openingKind >= 0 && openingKind <= 3;
  return known ? WallLineColours[8 * noStrength + 4 * partition + openingKind] : WallLineColours[0];
}

void DrawWallMakeUp(Canvas& canvas, const WallFrame& frame, const WallRecord& wall) {
  if (!frame.Drawable) return;
  if (wall.MudWallKind >= 2 && wall.MudWallKind <= 5) {
    SetPen(canvas, MudWallColour, ToViewUnits(wall.MudWallKind * frame.Unit / 5));
    DrawMudWallLine(canvas, frame);
  }
  if (wall.BraceKind >= 2 && wall.BraceKind <= 10) {
    const int32_t joint = ClampInt(wall.BraceEndJoint, 0, 3);
    const int32_t colour = ColourAt(BraceColours, BraceColourIndex[wall.BraceKind][joint], BraceColours[0]);
    SetPen(canvas, colour, 1);
    SetBrush(canvas, colour, BrushStyle::Solid);
    DrawBraceWedges(canvas, frame, wall.BraceKind, wall.BraceArrangement);
  }
  DrawPanel(canvas, frame, wall.PanelLeft, WallFace::Left);
  DrawPanel(canvas, frame, wall.PanelRight, WallFace::Right);
}
