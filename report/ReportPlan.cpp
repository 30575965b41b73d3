#include "report/ReportFamilies.h"

// The frame of the plan only: the plan inside it comes with the printed plan
// renderer.
void DrawReportPlan(Canvas& canvas, ReportPlanKind kind, int32_t storey, double pixelsPerMm,
                    int32_t wantedPage) {
  (void)storey, (void)wantedPage;
  const double box = kind == PlanOnPlanPage ? 150 : 100;
  canvas.SetPenColour(0xC0C0C0);
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetBrushStyle(BrushStyle::Clear);
  DrawRectMm(canvas, pixelsPerMm, 20, 20, 20 + 1.2 * box, 20 + 1.2 * box);
}
