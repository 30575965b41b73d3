// A full paint of the plan as the view does it on every scroll and every
// change: the chain and the layers into a viewport-sized image, here an
// empty plan at 1/75 in a 1600 x 1000 view at the middle of the sheet.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "model/ModelReset.h"
#include "model/PlanScale.h"
#include "rendering/PlanPaint.h"
#include "rendering/qt/QtCanvas.h"

namespace {

void FullPaintOfAnEmptyPlan(benchmark::State& state) {
  ResetModel(ResetForStartUp);
  TrySetPlanScale(75);
  const int sheetWidth = SheetWidthPixels();
  const int sheetHeight = SheetHeightPixels();
  QImage image(1600, 1000, QImage::Format_RGB32);
  QtCanvas canvas;
  const QPoint origin((sheetWidth - image.width()) / 2, (sheetHeight - image.height()) / 2);
  for (auto _ : state) {
    image.fill(0xffffffff);
    QPainter painter(&image);
    canvas.Begin(&painter, origin);
    PaintFullPlan(canvas, ScreenPlanView(), sheetWidth, sheetHeight);
    canvas.End();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(FullPaintOfAnEmptyPlan)->Unit(benchmark::kMillisecond);

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
