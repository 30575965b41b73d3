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

// The floor pages of the maximal model (three storeys of 50 floor-type
// rectangles and 50 triangles, 15 x 20 axis lines each): the preview of the
// first page and of the last one (page 99 stands for "beyond the end"), every
// page before it drawn as the preview draws it.
void FloorPagesPreviewPage(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  BuildMaximalModel();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  RunRecalculationChain();
  for (auto _ : state) {
    PicturePageSink sink(nullptr);
    benchmark::DoNotOptimize(
        DrawReportPageKind(kind, sink, PreviewPixelsPerMm, static_cast<int>(state.range(1))));
  }
}
BENCHMARK(FloorPagesPreviewPage)
    ->ArgNames({"kind", "page"})
    ->Args({PageFloorMagnification, 1})
    ->Args({PageFloorMagnification, 99})
    ->Args({PageFloorStrengthCheck, 99})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
