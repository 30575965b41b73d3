// A full paint of the plan as the view does it on every scroll and every
// change: the chain and the layers into a viewport-sized image at 1/75 in a
// 1600 x 1000 view, through the Qt canvas, on one core. The maximal model
// (tests/support/MaximalModel.h) is centred in the view, on the middle storey with
// both other storeys' columns and walls shown.
//  - Steady state: the same view painted again and again (every click and
//    scroll), in the edit modes that add marks and labels of their own.
//  - After a load: the first paint of a freshly loaded project through a
//    fresh canvas (nothing cached from earlier paints).
//  - Per layer: each step of the full paint alone, to see where time goes.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "chain/RecalculationChain.h"
#include "editing/ModelReset.h"
#include "editing/ProjectLoad.h"
#include "files/ProjectFile.h"
#include "model/ModelExtents.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"
#include "rendering/AreaLayer.h"
#include "rendering/CentresOverlay.h"
#include "rendering/ColumnLayer.h"
#include "rendering/FloorSpecLayer.h"
#include "rendering/FoundationLayer.h"
#include "rendering/FreeLineLayer.h"
#include "rendering/GableWallLayer.h"
#include "rendering/GridAxisLayer.h"
#include "rendering/PlanPaint.h"
#include "rendering/TextLabelLayer.h"
#include "rendering/WallLayer.h"
#include "rendering/qt/QtCanvas.h"
#include "tests/support/MaximalModel.h"

namespace {

constexpr int kViewWidth = 1600, kViewHeight = 1000;

// The view state of the measured paints; the model must be loaded already.
void ShowMiddleStorey(int32_t editMode) {
  TrySetPlanScale(75);
  CurrentVariant = CurrentState;
  CurrentStorey = 1;
  CurrentEditMode = editMode;
}

// The sheet point at the image's top-left corner: the lattice's middle in
// the middle of the view.
QPoint ViewOrigin() {
  const PlanView view = ScreenPlanView();
  const int cx = view.GridX((MaximalModelFirstAxis + MaximalModelLastAxisX) / 2);
  const int cy = view.GridY((MaximalModelFirstAxis + MaximalModelLastAxisY) / 2);
  return {cx - kViewWidth / 2, cy - kViewHeight / 2};
}

void PaintOnce(QtCanvas& canvas, QImage& image, QPoint origin) {
  image.fill(0xffffffff);
  QPainter painter(&image);
  canvas.Begin(&painter, origin);
  PaintFullPlan(canvas, ScreenPlanView(), SheetWidthPixels(), SheetHeightPixels());
  canvas.End();
  benchmark::DoNotOptimize(image.constBits());
}

void FullPaintOfAnEmptyPlan(benchmark::State& state) {
  ResetModel(ResetForStartUp);
  TrySetPlanScale(75);
  const int sheetWidth = SheetWidthPixels();
  const int sheetHeight = SheetHeightPixels();
  QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
  QtCanvas canvas;
  const QPoint origin((sheetWidth - image.width()) / 2, (sheetHeight - image.height()) / 2);
  for (auto _ : state) PaintOnce(canvas, image, origin);
}
BENCHMARK(FullPaintOfAnEmptyPlan)->Unit(benchmark::kMillisecond);

void SteadyFullPaintOfMaximalModel(benchmark::State& state) {
  BuildMaximalModel();
  ShowMiddleStorey(static_cast<int32_t>(state.range(0)));
  QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
  QtCanvas canvas;
  const QPoint origin = ViewOrigin();
  PaintOnce(canvas, image, origin);  // the chain's fixed point, the canvas's caches
  for (auto _ : state) PaintOnce(canvas, image, origin);
}
BENCHMARK(SteadyFullPaintOfMaximalModel)
    ->ArgName("editMode")
    ->Arg(EditModeColumns)
    ->Arg(EditModeWalls)
    ->Arg(EditModeText)
    ->Arg(EditModeFreeLine)
    ->Arg(EditModeFoundation)
    ->Arg(EditModeGable)
    ->Arg(EditModeRoofFloor)
    ->Arg(EditModeFloorSpec)
    ->Unit(benchmark::kMillisecond);

void FirstFullPaintAfterLoad(benchmark::State& state) {
  BuildMaximalModel();
  const std::vector<unsigned char> file = WriteProjectFile();
  QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    state.PauseTiming();
    ResetModel(ResetForStartUp);
    if (OpenProjectFile(file, "maximal.ytc") != OpenResult::Loaded) state.SkipWithError("load failed");
    ShowMiddleStorey(static_cast<int32_t>(state.range(0)));
    const QPoint origin = ViewOrigin();
    state.ResumeTiming();
    QtCanvas canvas;
    PaintOnce(canvas, image, origin);
  }
}
BENCHMARK(FirstFullPaintAfterLoad)
    ->ArgName("editMode")
    ->Arg(EditModeColumns)
    ->Arg(EditModeWalls)
    ->Unit(benchmark::kMillisecond);

// One step of the full paint of the maximal model, steady state.
enum Step {
  GridLines,
  Chain,
  Axes,
  Foundations,
  OtherColumns,
  ColumnsStep,
  Centres,
  Texts,
  Lines,
  Gables,
  OtherWalls,
  WallsStep,
  Areas,
  FloorSpecs
};

void StepOfFullPaint(benchmark::State& state) {
  BuildMaximalModel();
  const Step step = static_cast<Step>(state.range(0));
  ShowMiddleStorey(step == Gables                            ? EditModeGable
                   : step == OtherWalls || step == WallsStep ? EditModeWalls
                   : step == Areas                           ? EditModeRoofFloor
                   : step == FloorSpecs                      ? EditModeFloorSpec
                                                             : EditModeColumns);
  QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
  QtCanvas canvas;
  const QPoint origin = ViewOrigin();
  PaintOnce(canvas, image, origin);
  const PlanView view = ScreenPlanView();
  for (auto _ : state) {
    QPainter painter(&image);
    canvas.Begin(&painter, origin);
    switch (step) {
      case GridLines:
        UpdateUsedExtents();
        DrawGridLines(canvas, view, SheetWidthPixels(), SheetHeightPixels());
        break;
      case Chain:
        RunRecalculationChain();
        break;
      case Axes:
        DrawGridAxes(canvas, view);
        break;
      case Foundations:
        DrawFoundations(canvas, view);
        break;
      case OtherColumns:
        DrawOtherStoreyColumns(canvas, view);
        break;
      case ColumnsStep:
        DrawColumns(canvas, view);
        break;
      case Centres:
        DrawCentresOverlay(canvas, view);
        break;
      case Texts:
        DrawTextLabels(canvas, view);
        break;
      case Lines:
        DrawFreeLines(canvas, view);
        break;
      case Gables:
        DrawGableWalls(canvas, view);
        break;
      case OtherWalls:
        DrawOtherStoreyWalls(canvas, view);
        break;
      case WallsStep:
        DrawWalls(canvas, view);
        break;
      case Areas:
        DrawRoofFloorAreas(canvas, view);
        break;
      case FloorSpecs:
        DrawFloorSpecs(canvas, view);
        break;
    }
    canvas.End();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(StepOfFullPaint)->ArgName("step")->DenseRange(GridLines, FloorSpecs)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
