// The full paint draws one dotted, one-pixel, copy-mode line per axis from
// edge to edge of the sheet at trunc(position x PixelsPerMetre), coloured by
// the axis kind; the figures drawn between paints go into the view's image.
#include <gtest/gtest.h>

#include "mainwindow/PaintCycle.h"
#include "model/EditingState.h"
#include "model/Grid.h"
#include "model/PlanScale.h"
#include "rendering/RecordingCanvas.h"

namespace {

TEST(PaintCycle, GridLinesFollowTheAxesAndTheirKinds) {
  LayOutGridAtModule();
  ASSERT_TRUE(TrySetPlanScale(75));
  GridAxisKindX[4] = GridAxisAuxiliary;
  GridAxisKindY[199] = GridAxisOutsideChain;
  GridAxisKindY[3] = 7;  // not a kind: drawn as a main axis
  RecordingCanvas canvas;
  canvas.SetPenMode(PenMode::Xor);  // left over from an earlier drawing
  canvas.SetPenWidth(3);
  PaintFullPlan(canvas, 9597, 9000);

  const auto& calls = canvas.Calls();
  ASSERT_EQ(calls.size(), 400u);
  for (const auto& call : calls) {
    EXPECT_EQ(call.Kind, RecordingCanvas::Op::Line);
    EXPECT_EQ(call.Pen.Style, PenStyle::Dot);
    EXPECT_EQ(call.Pen.Width, 1);
    EXPECT_EQ(call.Pen.Mode, PenMode::Copy);
    EXPECT_EQ(call.Args[4], 0);  // the dots start at the sheet's edge
  }
  const struct {
    std::size_t call;
    std::vector<int32_t> line;  // x1 y1 x2 y2
    int32_t colour;             // 0x00BBGGRR
  } cases[] = {
      {0, {0, 0, 0, 9000}, 0xc08080},          // X axis 0
      {4, {192, 0, 192, 9000}, 0xc0c080},      // 3.64 x 53 = 192.92, auxiliary
      {199, {9597, 0, 9597, 9000}, 0xc08080},  // 181.09 x 53 = 9597.77
      {200 + 3, {0, 144, 9597, 144}, 0xc08080},
      {200 + 199, {0, 9597, 9597, 9597}, 0xe6e6e6},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::vector<int32_t>(calls[c.call].Args.begin(), calls[c.call].Args.begin() + 4), c.line) << c.call;
    EXPECT_EQ(calls[c.call].Pen.Colour, c.colour) << c.call;
  }
}

}  // namespace
