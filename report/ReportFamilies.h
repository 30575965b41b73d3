#pragma once
// The page functions of the report families, the table that finds them by
// page kind, the print order of the print dialog's check boxes, and the plan
// renderer the plan-bearing families call.
#include <cstdint>

#include "report/ReportPage.h"

// Kind 1: per storey the plan with the legend of its symbols and elements.
int32_t DrawPlanPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage);
// Kind 2: the first storey's plan with its foundations and the list of the
// six foundation kinds; one page.
int32_t DrawFoundationPlanPage(PageSink& sink, double pixelsPerMm, int32_t wantedPage);
// Kind 3: how the required strength of every storey was obtained; a page per
// storey with its tables, then a summary page per snow case.
int32_t DrawRequiredStrengthPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage);
// Kind 5: per storey the plan, the area tables and the centre of gravity.
int32_t DrawCentreOfGravityPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage);
// Kind 4: per storey the bearing walls with their make-up, strength and
// stiffness by line, subtotals and totals; again with snow when set.
int32_t DrawWallStrengthPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage);
// Kind 6: per storey the plan and the per-line stiffness tables behind the
// centre of rigidity and the eccentricity ratios; again with snow when set.
int32_t DrawRigidityPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage);
// Kind 12: the wall-quantity report of the building standard law.
int32_t DrawWallQuantityReport(PageSink& sink, double pixelsPerMm, int32_t wantedPage);
// Kind 9: each storey's floor-type areas and its average floor magnification.
int32_t DrawFloorMagnificationPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage);
// Kind 10: the floor diaphragm check of every axis interval, storey by storey.
int32_t DrawFloorStrengthCheckPages(PageSink& sink, double pixelsPerMm, int32_t wantedPage);
// Kind 13: the result sheet of the verification method; one page.
int32_t DrawVerificationResultSheet(PageSink& sink, double pixelsPerMm, int32_t wantedPage);

// The page function of each kind; null for a family that has none yet.
extern const ReportPageGenerator ReportPageFunctions[ReportPageKindCount];

// Runs the page function of kind. A kind without one draws one white page in
// the preview (result 0) and prints nothing.
int32_t DrawReportPageKind(int32_t kind, PageSink& sink, double pixelsPerMm, int32_t wantedPage);

// The families of the print dialog's twelve check boxes in print order: the
// N-value frame diagrams come before the N-value tables.
constexpr int PrintPositionCount = 12;
extern const int32_t PrintPositionKinds[PrintPositionCount];

// The plans drawn on report pages.
enum ReportPlanKind : int32_t {
  PlanOnPlanPage = 0,
  PlanOnCentreOfGravityPage = 1,
  PlanOnRequiredStrengthPage = 2,
  PlanAxesOnly = 3,
  PlanOnFloorMagnificationPage = 4,
  PlanOnFoundationPage = 5,
  PlanOnRigidityPage = 6,
  PlanOnWallQuantityPage = 7,
};

// Draws the plan of storey (0..2) of CurrentVariant in its frame on a report
// page: a light grey square frame from (20, 20) mm, 1.2 x the box size wide
// (box 150 mm for kinds 0 and 3, 100 mm for the others), the plan fitted
// into it with its axes and the element blocks of the kind (any kind outside
// 0..7 draws as 3), and when printing (wantedPage 0) the scale note above the
// frame's right end. Keeps nothing between calls; changes the canvas's pen,
// brush and font.
void DrawReportPlan(Canvas& canvas, ReportPlanKind kind, int32_t storey, double pixelsPerMm,
                    int32_t wantedPage);
