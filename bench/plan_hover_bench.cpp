// One move of the pointer over the plan of the maximal model at 1/75 in a
// 1600 x 1000 view: snapping, the hit test of the edit mode, the status text
// and the XOR figures erased and drawn into the view's image through the Qt
// canvas. The pointer alternates between points of the lattice, so that every
// step erases one highlight and draws another (or scans the whole list and
// finds nothing).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "chain/RecalculationChain.h"
#include "editing/ClickInput.h"
#include "model/Grid.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"
#include "rendering/PlanHover.h"
#include "rendering/qt/QtCanvas.h"
#include "tests/support/MaximalModel.h"

namespace {

constexpr int kViewWidth = 1600, kViewHeight = 1000;

void HoverStep(benchmark::State& state) {
  BuildMaximalModel();
  TrySetPlanScale(75);
  CurrentVariant = 0;
  CurrentStorey = 1;
  RunRecalculationChain();
  CurrentEditMode = static_cast<int32_t>(state.range(0));
  PendingPointCount = 0;
  const int a = MaximalModelFirstAxis + 10, b = MaximalModelFirstAxis + 11;
  const int px[3] = {int(GridAxisX[a] * PixelsPerMetre),
                     int((GridAxisX[a] + GridAxisX[a + 2]) / 2 * PixelsPerMetre),
                     int(GridAxisX[b] * PixelsPerMetre) + 3};
  const int py[3] = {int(GridAxisY[a] * PixelsPerMetre), int(GridAxisY[a] * PixelsPerMetre) + 2,
                     int(GridAxisY[b] * PixelsPerMetre) + 3};
  const QPoint origin(px[0] - kViewWidth / 2, py[0] - kViewHeight / 2);
  QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
  image.fill(0xffffffff);
  QtCanvas canvas;
  ForgetXorFigures();
  int i = 0;
  for (auto _ : state) {
    const HoverUpdate u = PlanMouseMove(px[i % 3], py[i % 3], 20000, 20000);
    QPainter painter(&image);
    canvas.Begin(&painter, origin);
    DrawXorFigure(canvas, u.Erase);
    DrawXorFigure(canvas, u.Draw);
    canvas.End();
    benchmark::DoNotOptimize(u.Status.data());
    ++i;
  }
}
BENCHMARK(HoverStep)
    ->ArgName("mode")
    ->Arg(EditModeColumns)
    ->Arg(EditModeWalls)
    ->Arg(EditModeRoofFloor)
    ->Arg(EditModeFloorSpec)
    ->Unit(benchmark::kMicrosecond);

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
