#include "report/ReportPrinting.h"

#include <optional>

int32_t PrintSelection[PrintPositionCount];
int32_t PrinterSetupDone = 0;
double PrintScale = 1.0;

double PrintScaleOf(double width, double height, double dpi) {
  const double a = (width / dpi) / 2892 * 360;
  const double b = (height / dpi) / 4125 * 360;
  return a > b ? b : a;
}

bool PrintsPages(int32_t kind) {
  return kind >= 0 && kind < ReportPageKindCount && ReportPageFunctions[kind];
}

std::vector<int32_t> SelectedPrintKinds() {
  std::vector<int32_t> kinds;
  for (int p = 0; p < PrintPositionCount; ++p)
    if (PrintSelection[p] == 1) kinds.push_back(PrintPositionKinds[p]);
  return kinds;
}

PrintJobProgress::~PrintJobProgress() = default;

namespace {

// The job's sink with the progress told of every sheet; cancelled once the
// progress said so.
class ProgressPageSink final : public PageSink {
 public:
  ProgressPageSink(PageSink& sink, PrintJobProgress& progress) : sink_(sink), progress_(progress) {}
  Canvas& BeginPage() override { return sink_.BeginPage(); }
  void HandOverPage() override {
    sink_.HandOverPage();
    ++sheets_;
    if (!progress_.SheetPrinted(sheets_)) cancelled_ = true;
  }
  void NewPage() override { sink_.NewPage(); }
  int32_t JobPageNumber() const override { return sink_.JobPageNumber(); }
  int32_t PrintableWidth() const override { return sink_.PrintableWidth(); }
  int32_t PrintableHeight() const override { return sink_.PrintableHeight(); }
  int32_t Resolution() const override { return sink_.Resolution(); }
  LocalTime Now() const override { return sink_.Now(); }
  bool Cancelled() const override { return cancelled_ || sink_.Cancelled(); }

 private:
  PageSink& sink_;
  PrintJobProgress& progress_;
  int32_t sheets_ = 0;
  bool cancelled_ = false;
};

}  // namespace

int32_t PrintReportFamilies(PageSink& jobSink, const std::vector<int32_t>& kinds,
                            PrintJobProgress* progress) {
  std::optional<ProgressPageSink> told;
  if (progress) told.emplace(jobSink, *progress);
  PageSink& sink = told ? static_cast<PageSink&>(*told) : jobSink;
  int32_t count = 0;
  for (int32_t kind : kinds) count += PrintsPages(kind) ? 1 : 0;
  int32_t printed = 0;
  for (int32_t kind : kinds) {
    if (!PrintsPages(kind)) continue;
    if (sink.Cancelled()) break;
    if (printed > 0) sink.NewPage();
    if (progress) progress->FamilyBegins(printed, count, kind);
    const double dpi = sink.Resolution();
    PrintScale = PrintScaleOf(sink.PrintableWidth(), sink.PrintableHeight(), dpi);
    const double pixelsPerMm = dpi / 25.4 * PrintScale;
    ReportPageFunctions[kind](sink, pixelsPerMm, 0);
    ++printed;
  }
  return printed;
}
