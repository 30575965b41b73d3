#include "report/ReportPrinting.h"

int32_t PrintSelection[PrintPositionCount];
int32_t PrinterSetupDone = 0;
double PrintScale = 1.0;

double PrintScaleOf(double width, double height, double dpi) {
  const double a = (width / dpi) / 2892 * 360;
  const double b = (height / dpi) / 4125 * 360;
  return a > b ? b : a;
}

std::vector<int32_t> SelectedPrintKinds() {
  std::vector<int32_t> kinds;
  for (int p = 0; p < PrintPositionCount; ++p)
    if (PrintSelection[p] == 1) kinds.push_back(PrintPositionKinds[p]);
  return kinds;
}

int32_t PrintReportFamilies(PageSink& sink, const std::vector<int32_t>& kinds) {
  int32_t printed = 0;
  for (int32_t kind : kinds) {
    if (kind < 0 || kind >= ReportPageKindCount || !ReportPageFunctions[kind]) continue;
    if (printed > 0) sink.NewPage();
    const double dpi = sink.Resolution();
    PrintScale = PrintScaleOf(sink.PrintableWidth(), sink.PrintableHeight(), dpi);
    const double pixelsPerMm = dpi / 25.4 * PrintScale;
    ReportPageFunctions[kind](sink, pixelsPerMm, 0);
    ++printed;
  }
  return printed;
}
