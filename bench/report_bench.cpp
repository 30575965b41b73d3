// Report pages: one page of each family that has pages recorded as the
// preview records the page it shows (as every preview step draws it), and
// the typical house's whole report printed into a PDF file through the
// printer sink.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <string>

#include "chain/RecalculationChain.h"
#include "model/ElementLists.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "rendering/qt/QtCanvas.h"
#include "report/RecordingPageSink.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"
#include "report/qt/ReportDialogs.h"
#include "report/qt/ReportPrintService.h"
#include "tests/support/MaximalModel.h"

namespace {

void PreparedTypicalHouse() {
  BuildTypicalHouse();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  RunRecalculationChain();
}

void PreviewPageRecorded(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  PreparedTypicalHouse();
  for (auto _ : state) {
    PreviewPageSink sink(nullptr);
    benchmark::DoNotOptimize(DrawReportPageKind(kind, sink, PreviewPixelsPerMm, 1));
  }
}
BENCHMARK(PreviewPageRecorded)
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

// How the maximal model (three storeys of 300 walls, 300 columns, 50 + 50
// areas, 300 gables, snow) is set up for a report benchmark.
enum MaximalSetUp : int {
  AsBuilt = 0,
  LoadTakeOff = 1,    // required strength by the load take-off (method 0)
  TenthDiagonal = 2,  // every tenth wall of each storey turned diagonal
};

void PreparedMaximalModel(int setUp) {
  BuildMaximalModel();
  if (setUp == LoadTakeOff) ProjectSettings.RequiredStrengthMethod = RequiredByLoadTakeOff;
  if (setUp == TenthDiagonal)
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
}

// A page of a family of the maximal model in the preview, as the preview
// draws it: the pages before it are paged through (the summaries need the
// sums of the storey pages) and only the page shown is recorded. Page 0
// stands for the family's last page.
void PreviewOfMaximalModel(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  PreparedMaximalModel(static_cast<int>(state.range(2)));
  RecordingPageSink pages;
  DrawReportPageKind(kind, pages, PreviewPixelsPerMm, 0);
  const int32_t last = static_cast<int32_t>(pages.Pages.size());
  state.counters["pages"] = last;
  const int32_t wanted = state.range(1) > 0 ? static_cast<int32_t>(state.range(1)) : last;
  for (auto _ : state) {
    PreviewPage[kind] = wanted;
    benchmark::DoNotOptimize(DrawPreviewPageInto(nullptr, kind));
  }
}
BENCHMARK(PreviewOfMaximalModel)
    ->ArgNames({"kind", "page", "setup"})
    ->Args({PagePlan, 0, AsBuilt})
    ->Args({PageRequiredStrength, 0, LoadTakeOff})
    ->Args({PageWallStrength, 0, TenthDiagonal})
    ->Args({PageCentreOfGravity, 0, AsBuilt})
    ->Args({PageRigidity, 0, TenthDiagonal})
    ->Args({PageFloorMagnification, 1, AsBuilt})
    ->Args({PageFloorMagnification, 0, AsBuilt})
    ->Args({PageFloorStrengthCheck, 0, AsBuilt})
    ->Args({PageWallQuantity, 0, AsBuilt})
    ->Unit(benchmark::kMillisecond);

// The maximal model's whole report (every family, then the two printed
// alone) into a PDF file through the printer sink.
void MaximalWholeReportToPdf(benchmark::State& state) {
  PreparedMaximalModel(AsBuilt);
  QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath(QStringLiteral("report.pdf"));
  int32_t sheets = 0;
  for (auto _ : state) benchmark::DoNotOptimize(sheets = PrintReportToPdf(path));
  state.counters["sheets"] = sheets;
}
BENCHMARK(MaximalWholeReportToPdf)->Unit(benchmark::kMillisecond);

// The preview's slowest page of one family of the maximal model, as the
// preview steps to it: the page drawn (the pages before it paged through)
// and shown at the preview's opening zoom (119 %). Every page of the family
// is stepped to once and the slowest is measured; its number is given as
// "page" among the family's "pages"; "first_ms" is its first showing, with
// nothing of it cached yet.
struct FamilyRow {
  const char* name;
  int32_t kind;
  MaximalSetUp setUp;
};
constexpr FamilyRow FamilyRows[] = {
    {"Cover", PageCover, AsBuilt},
    {"Plan", PagePlan, AsBuilt},
    {"Foundation", PageFoundation, AsBuilt},
    {"RequiredStrength", PageRequiredStrength, AsBuilt},
    {"RequiredStrengthLoadTakeOff", PageRequiredStrength, LoadTakeOff},
    {"WallStrength", PageWallStrength, TenthDiagonal},
    {"CentreOfGravity", PageCentreOfGravity, AsBuilt},
    {"Rigidity", PageRigidity, TenthDiagonal},
    {"NValueTables", PageNValueTables, AsBuilt},
    {"NValueFrames", PageNValueFrames, AsBuilt},
    {"FloorMagnification", PageFloorMagnification, AsBuilt},
    {"FloorStrengthCheck", PageFloorStrengthCheck, AsBuilt},
    {"Score", PageScore, AsBuilt},
    {"WallQuantity", PageWallQuantity, AsBuilt},
    {"Verification", PageVerification, AsBuilt},
};

// The preview's image of a page at its opening zoom, and the screen it is
// painted on.
struct PreviewScreen {
  PreviewScreen() : image(nullptr) {
    const double zoom = PageWidthZoom(890);
    image.setFixedSize(static_cast<int>(PagePictureWidth * zoom), static_cast<int>(PagePictureHeight * zoom));
    screen = QImage(image.size(), QImage::Format_ARGB32_Premultiplied);
  }
  void Show(int32_t kind, int32_t page) {
    PreviewPage[kind] = page;
    DrawPreviewPageInto(&image, kind);
    image.render(&screen);
  }
  TPageImage image;
  QImage screen;
};

double SecondsToShow(PreviewScreen& preview, int32_t kind, int32_t page) {
  const auto start = std::chrono::steady_clock::now();
  preview.Show(kind, page);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void SlowestPreviewPageOfMaximalModel(benchmark::State& state, FamilyRow row) {
  PreparedMaximalModel(row.setUp);
  RecordingPageSink pages;
  DrawReportPageKind(row.kind, pages, PreviewPixelsPerMm, 0);
  const int32_t count = std::max<int32_t>(1, static_cast<int32_t>(pages.Pages.size()));
  PreviewScreen preview;
  int32_t slowest = 1;
  double longest = -1;
  for (int32_t page = 1; page <= count; ++page) {
    // The faster of two steps, so a stray pause picks no page.
    const double seconds =
        std::min(SecondsToShow(preview, row.kind, page), SecondsToShow(preview, row.kind, page));
    if (seconds > longest) longest = seconds, slowest = page;
  }
  // The first showing on a fresh preview image, whose canvas has measured
  // and outlined none of the page's texts yet.
  PreviewScreen fresh;
  state.counters["first_ms"] = 1000 * SecondsToShow(fresh, row.kind, slowest);
  for (auto _ : state) preview.Show(row.kind, slowest);
  state.counters["page"] = slowest;
  state.counters["pages"] = count;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // --write-maximal-pdf=FILE: the maximal model's whole report into FILE and
  // no measuring, to compare the pages of two builds.
  const QString writeOption = QStringLiteral("--write-maximal-pdf=");
  for (int i = 1; i < argc; ++i)
    if (const QString argument = QString::fromLocal8Bit(argv[i]); argument.startsWith(writeOption)) {
      PreparedMaximalModel(AsBuilt);
      return PrintReportToPdf(argument.mid(writeOption.size())) > 0 ? 0 : 1;
    }
  for (const FamilyRow& row : FamilyRows)
    benchmark::RegisterBenchmark((std::string("MaximalSlowestPreviewPage/") + row.name).c_str(),
                                 SlowestPreviewPageOfMaximalModel, row)
        ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
