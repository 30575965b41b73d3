// Report pages: one page of each family that has pages recorded into a
// preview picture (as every preview step draws it), and the typical house's
// whole report printed into a PDF file through the printer sink.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "analysis/RecalculationChain.h"
#include "bench/MaximalModel.h"
#include "model/ElementLists.h"
#include "model/ViewState.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"
#include "report/qt/ReportPrintService.h"

namespace {

void PreparedTypicalHouse() {
  BuildTypicalHouse();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  RunRecalculationChain();
}

void PreviewPageIntoPicture(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  PreparedTypicalHouse();
  for (auto _ : state) {
    PicturePageSink sink(nullptr);
    benchmark::DoNotOptimize(DrawReportPageKind(kind, sink, PreviewPixelsPerMm, 1));
  }
}
BENCHMARK(PreviewPageIntoPicture)
    ->ArgName("kind")
    ->Arg(PageFoundation)
    ->Arg(PageVerification)
    ->Unit(benchmark::kMillisecond);

void WholeReportToPdf(benchmark::State& state) {
  PreparedTypicalHouse();
  QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath(QStringLiteral("report.pdf"));
  for (auto _ : state) benchmark::DoNotOptimize(PrintReportToPdf(path));
}
BENCHMARK(WholeReportToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
