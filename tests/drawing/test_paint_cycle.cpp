// The full paint draws one dotted, one-pixel, copy-mode line per axis from
// edge to edge of the sheet at trunc(position x PixelsPerMetre), coloured by
// the axis kind; the figures drawn between paints go into the view's image.
#include <gtest/gtest.h>

#include <algorithm>

#include "editing/ModelReset.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "rendering/PlanPaint.h"
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
  PaintFullPlan(canvas, ScreenPlanView(), 9597, 9000);

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
      {200 + 3, {0, 144, 9597, 144}, 0xc08080}, {200 + 199, {0, 9597, 9597, 9597}, 0xe6e6e6},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::vector<int32_t>(calls[c.call].Args.begin(), calls[c.call].Args.begin() + 4), c.line)
        << c.call;
    EXPECT_EQ(calls[c.call].Pen.Colour, c.colour) << c.call;
  }
}

// A first-storey floor of 4 x 4 axes round axis 100 / 100 with a column at its
// middle, on the default 0.91 m grid at 1/75: the column's box is
// trunc(91 x 53 -+ 5) = 4818 .. 4828 both ways.
void PutSmallHouse() {
  ResetModel(ResetForStartUp);
  ASSERT_TRUE(TrySetPlanScale(75));
  RoofFloorRectRecord& area = RoofFloorRects[0][0][RoofFloorRectCount[0][0]++];
  area = RoofFloorRectRecord{};
  area.X1 = 98, area.Y1 = 98, area.X2 = 102, area.Y2 = 102;
  area.LiveLoad = 1300, area.WeightClass = 0;
  ColumnRecord& column = Columns[0][0][ColumnCount[0][0]++];
  column = ColumnRecord{};
  column.X = 100, column.Y = 100, column.Type = 1, column.Deterioration = 2;
}

std::vector<RecordingCanvas::Call> Paint() {
  RecordingCanvas canvas;
  PaintFullPlan(canvas, ScreenPlanView(), 20000, 20000);
  return canvas.Calls();
}

bool IsGravityMark(const RecordingCanvas::Call& call) {
  return call.Kind == RecordingCanvas::Op::Ellipse && call.Pen.Colour == CentreMarkColours[CentreMarkGravity];
}

TEST(PaintCycle, CentresOverlayOnlyUnderTheEccentricityRatioMethod) {
  PutSmallHouse();
  ProjectSettings.BalanceMethod = 0;
  const auto drawn = Paint();
  const auto square = std::find_if(drawn.begin(), drawn.end(), [](const auto& call) {
    return call.Kind == RecordingCanvas::Op::Rectangle &&
           call.Args == std::vector<int32_t>{4818, 4818, 4830, 4830};
  });
  const auto gravity = std::find_if(drawn.begin(), drawn.end(), IsGravityMark);
  ASSERT_NE(square, drawn.end());
  ASSERT_NE(gravity, drawn.end());
  EXPECT_LT(square, gravity);  // the overlay lies over the columns

  ProjectSettings.BalanceMethod = 1;
  const auto quarter = Paint();
  EXPECT_EQ(std::count_if(quarter.begin(), quarter.end(), IsGravityMark), 0);
  // Without walls there is no centre of rigidity: the gravity cross (two
  // lines) and circle and the range rectangle around it are all.
  EXPECT_EQ(quarter.size(), drawn.size() - 4);
}

TEST(PaintCycle, FoundationModeOnTheFirstStoreyDrawsTheColumnCrossesAgainOnTop) {
  PutSmallHouse();
  CurrentStorey = 0;
  auto blackCrosses = [](const std::vector<RecordingCanvas::Call>& calls) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < calls.size(); ++i)
      if (calls[i].Kind == RecordingCanvas::Op::Line && calls[i].Pen.Width == 2 && calls[i].Pen.Colour == 0 &&
          calls[i].Args[0] == 4818 && calls[i].Args[2] == 4828)
        at.push_back(i);
    return at;
  };
  CurrentEditMode = EditModeFoundation;
  const auto drawn = Paint();
  const auto crosses = blackCrosses(drawn);
  // Before the columns (two lines) and again as the very last figures.
  ASSERT_EQ(crosses.size(), 4u);
  EXPECT_EQ(crosses[3], drawn.size() - 1);
  EXPECT_EQ(crosses[2], drawn.size() - 2);
  EXPECT_EQ(crosses[1], crosses[0] + 1);

  CurrentStorey = 1;  // the cross of the current storey is drawn once, below the layers
  ProjectSettings.TopStorey[0] = 1;
  EXPECT_EQ(blackCrosses(Paint()).size(), 0u);
  CurrentStorey = 0;
  CurrentEditMode = EditModeWalls;
  EXPECT_EQ(blackCrosses(Paint()).size(), 0u);
}

}  // namespace
