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
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "rendering/qt/QtCanvas.h"
#include "report/RecordingPageSink.h"
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

// The last page of the plan pages and of the centre-of-gravity pages of the
// maximal model (three storeys, 300 walls, 50 + 50 areas each) in the
// preview, which draws every page before it.
void PreviewLastPlanOrCentrePage(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  BuildMaximalModel();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  RunRecalculationChain();
  for (auto _ : state) {
    // As the preview does it: the pages before the last are paged through,
    // the family's end is found, and its last page is recorded.
    PreviewPage[kind] = 99;
    benchmark::DoNotOptimize(DrawPreviewPageInto(nullptr, kind));
  }
}
BENCHMARK(PreviewLastPlanOrCentrePage)
    ->ArgName("kind")
    ->Arg(PagePlan)
    ->Arg(PageCentreOfGravity)
    ->Unit(benchmark::kMillisecond);

// The required-strength family's last page (method 0's second summary) on
// the maximal model, as the preview asks for it: every storey page and its
// continuations (50 + 50 areas, 300 walls and 300 gables a storey) are drawn
// first, since the summary needs their sums.
void PreviewRequiredStrengthLastPage(benchmark::State& state) {
  BuildMaximalModel();
  CurrentVariant = CurrentState;
  ProjectSettings.RequiredStrengthMethod = RequiredByLoadTakeOff;
  RunRecalculationChain();
  RunRecalculationChain();
  RecordingPageSink count;
  DrawReportPageKind(PageRequiredStrength, count, PreviewPixelsPerMm, 0);
  const int32_t last = static_cast<int32_t>(count.Pages.size());
  state.counters["pages"] = last;
  for (auto _ : state) {
    PreviewPage[PageRequiredStrength] = last;
    benchmark::DoNotOptimize(DrawPreviewPageInto(nullptr, PageRequiredStrength));
  }
}
BENCHMARK(PreviewRequiredStrengthLastPage)->Unit(benchmark::kMillisecond);

// The maximal model (three storeys of 300 walls, snow) with every tenth wall
// of each storey of the current state turned diagonal, painted twice; the
// number of pages of family kind.
int32_t PreparedMaximalModelWithDiagonals(int kind) {
  BuildMaximalModel();
  for (int s = 0; s < StoreyCount; ++s)
    for (int i = 0; i < WallCount[CurrentState][s]; i += 10) {
      WallRecord& w = Walls[CurrentState][s][i];
      if (w.Y1 == w.Y2)
        w.Y2 += 2;
      else
        w.X2 += 2;
    }
  CurrentVariant = CurrentState;
  for (int k = 0; k < 2; ++k) {
    UpdateUsedExtents();
    RunRecalculationChain();
  }
  RecordingPageSink pages;
  DrawReportPageKind(kind, pages, PreviewPixelsPerMm, 0);
  return static_cast<int32_t>(pages.Pages.size());
}

// Previewing the last page of the wall strength (kind 4) or rigidity (kind
// 6) pages of that model: every page before it is drawn too.
void PreviewLastWallPage(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  const int32_t last = PreparedMaximalModelWithDiagonals(kind);
  state.counters["pages"] = last;
  for (auto _ : state) {
    PreviewPage[kind] = last;
    benchmark::DoNotOptimize(DrawPreviewPageInto(nullptr, kind));
  }
}
BENCHMARK(PreviewLastWallPage)
    ->ArgName("kind")
    ->Arg(PageWallStrength)
    ->Arg(PageRigidity)
    ->Unit(benchmark::kMillisecond);

// The wall-quantity report's last page (the judgement) in the preview for the
// maximal model, current state of three storeys: every page before it (plans,
// floor areas, 300-wall lists with their continuation pages) is paged through.
void WallQuantityJudgementPreview(benchmark::State& state) {
  BuildMaximalModel();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  RunRecalculationChain();
  for (auto _ : state) {
    PreviewPage[PageWallQuantity] = 1000;
    benchmark::DoNotOptimize(DrawPreviewPageInto(nullptr, PageWallQuantity));
  }
}
BENCHMARK(WallQuantityJudgementPreview)->Unit(benchmark::kMillisecond);

// The floor pages of the maximal model in the preview: the first page, and
// the last, for which every page before it is paged through.
void FloorPagesPreviewPage(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  BuildMaximalModel();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  RunRecalculationChain();
  for (auto _ : state) {
    PreviewPage[kind] = static_cast<int32_t>(state.range(1));
    benchmark::DoNotOptimize(DrawPreviewPageInto(nullptr, kind));
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
