#pragma once
// The print dialog's state and the print job's order, Qt-free: which families
// the check boxes chose, whether the printer set-up was accepted, the fit
// factor of the layout to the printable area, and the printing of several
// families into one job.
#include <cstdint>
#include <vector>

#include "report/ReportFamilies.h"

// 1 per print position whose family is printed; kept for the whole run.
extern int32_t PrintSelection[PrintPositionCount];
// The result of the last printer set-up: 1 accepted, 0 cancelled.
extern int32_t PrinterSetupDone;
// The fit factor of the last family printed.
extern double PrintScale;

// The factor that fits the 204.05 x 291.04 mm layout into a printable area
// of width x height dots at dpi: the smaller of the two ratios.
double PrintScaleOf(double width, double height, double dpi);

// Whether kind is a family that prints pages (one with a page function).
bool PrintsPages(int32_t kind);

// The kinds of the selected print positions, in print order.
std::vector<int32_t> SelectedPrintKinds();

// What a print job tells while it runs, and how the user stops it.
class PrintJobProgress {
 public:
  virtual ~PrintJobProgress();
  // The family of kind, the index-th of count families with pages, begins.
  virtual void FamilyBegins(int32_t index, int32_t count, int32_t kind) = 0;
  // A sheet has been drawn, the sheets-th of the job; false stops the job.
  virtual bool SheetPrinted(int32_t sheets) = 0;
};

// Prints the families into the job the sink holds, in the order given: before
// every family but the first a new sheet, then PrintScale and PixelsPerMm
// from the sink's printable area and resolution, and the family's pages.
// Families without a page function are left out. With a progress, it hears
// of every family and sheet, and once it answers false the family being
// printed stops after that sheet and no further family begins. Returns how
// many families were printed.
int32_t PrintReportFamilies(PageSink& sink, const std::vector<int32_t>& kinds,
                            PrintJobProgress* progress = nullptr);
