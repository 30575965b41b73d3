// Report pages: one page of each family that has pages recorded into a
// preview picture (as every preview step draws it), and the typical house's
// whole report printed into a PDF file through the printer sink.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "analysis/RecalculationChain.h"
#include "bench/MaximalModel.h"
#include "model/ElementLists.h"
#include "model/ViewState.h"
#include "rendering/qt/QtCanvas.h"
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

// The plan page's plan of the maximal storey (300 walls, 300 columns, 50 + 50
// areas, texts) into a page-sized RGB32 image at the preview's scale.
void PlanPagePlanIntoImage(benchmark::State& state) {
  BuildMaximalModel();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  QImage image(2142, 3030, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas;
    canvas.Begin(&painter, QPoint(0, 0));
    DrawReportPlan(canvas, PlanOnPlanPage, 0, PreviewPixelsPerMm, 1);
    canvas.End();
  }
}
BENCHMARK(PlanPagePlanIntoImage)->Unit(benchmark::kMillisecond);

void WholeReportToPdf(benchmark::State& state) {
  PreparedTypicalHouse();
  QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath(QStringLiteral("report.pdf"));
  for (auto _ : state) benchmark::DoNotOptimize(PrintReportToPdf(path));
}
BENCHMARK(WholeReportToPdf)->Unit(benchmark::kMillisecond);

// The wall-quantity report's last page (the judgement) in the preview for the
// maximal model, current state of three storeys: every page before it (plans,
// floor areas, 300-wall lists with their continuation pages) is drawn too.
void WallQuantityJudgementPreview(benchmark::State& state) {
  BuildMaximalModel();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  RunRecalculationChain();
  for (auto _ : state) {
    PicturePageSink sink(nullptr);
    benchmark::DoNotOptimize(DrawReportPageKind(PageWallQuantity, sink, PreviewPixelsPerMm, 1000));
    state.counters["pages"] = sink.PageCount();
  }
}
BENCHMARK(WallQuantityJudgementPreview)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
