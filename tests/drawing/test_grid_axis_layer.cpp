// The axis layer outside the model: X axes get ticks from 1 m below the
// bottom-most used Y axis, balloons 2 m below it and a dimension chain 1.3 m
// below it; Y axes the same left of the left-most used X axis, counted from
// the bottom. Only main axes get balloons, kind-2 axes neither a tick nor a
// place in the chain; the chain is drawn at 1/100 and larger only, and a
// spacing text turns upward where it would not fit (spacing <= scale / 119 m
// for X, the other way round for Y). Every pixel value is truncated after its
// offset is added.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/GridAxisLabels.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "rendering/GridAxisLayer.h"
#include "rendering/PlanView.h"
#include "rendering/RecordingCanvas.h"

namespace {

using Op = RecordingCanvas::Op;

struct Expected {
  Op kind;
  std::vector<int32_t> args;  // lines without the style phase
  std::u16string text;
  int32_t escapement;
};

std::vector<int32_t> Geometry(const RecordingCanvas::Call& call) {
  const std::size_t n = call.Kind == Op::Line ? 4 : call.Args.size();
  return {call.Args.begin(), call.Args.begin() + n};
}

// X axes 2..5: main 1.82, auxiliary 2.29, outside the chain 2.73, main 3.64;
// Y axes 1..3: main 0.91, auxiliary 1.47, main 1.82 (bottom-most).
void LayOutSmallGrid() {
  LayOutGridAtModule();
  GridAxisX[3] = 2.29, GridAxisKindX[3] = GridAxisAuxiliary;
  GridAxisX[4] = 2.73, GridAxisKindX[4] = GridAxisOutsideChain;
  GridAxisX[5] = 3.64;
  GridAxisY[2] = 1.47, GridAxisKindY[2] = GridAxisAuxiliary;
  GridAxisY[3] = 1.82;
  ProjectSettings.AxisNumbering = 0;
  ModelExtentMinX = 2, ModelExtentMaxX = 5, ModelExtentMinY = 1, ModelExtentMaxY = 3;
  GridSpacingCheckPending = 0;
  LabelGridAxes();
}

std::vector<RecordingCanvas::Call> DrawAt(int32_t scale) {
  EXPECT_TRUE(TrySetPlanScale(scale));
  RecordingCanvas canvas;
  canvas.SetPenStyle(PenStyle::Dot);  // left by the grid lines
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetBrushStyle(BrushStyle::Clear);
  DrawGridAxes(canvas, ScreenPlanView());
  return canvas.Calls();
}

TEST(GridAxisLayer, EveryCallAt1To100) {
  LayOutSmallGrid();
  const auto calls = DrawAt(100);  // 40 px/m
  // X: yb = 1.82; ticks 2.82 x 40 = 112.8 to 3.82 x 40 - 15 = 137.8; balloon
  // centre 152.8 (137.8 .. 167.8, text at 146.8); chain 3.12 x 40 = 124.8
  // (dots 122.8 .. 127.8, texts at 111.8 across, 123.8 upward).
  // Y: xl = 1.82; ticks from 0.82 x 40 = 32.8 to -0.18 x 40 + 15 = 7.8;
  // balloon centre -7.2 (-22.2 .. 7.8, text at -13.2); chain 0.52 x 40 = 20.8
  // (dots 18.8 .. 23.8, texts at 21.8 across, 7.8 upward).
  // Texts are 6 px a character: "X0" is centred by 6, "1.350" by 15.
  const Expected expected[] = {
      // X axis 2 at 72.8
      {Op::Line, {72, 112, 72, 137}, u"", 0},
      {Op::Ellipse, {57, 137, 87, 167}, u"", 0},
      {Op::TextOut, {66, 146}, u"X0", 0},
      {Op::Ellipse, {70, 122, 75, 127}, u"", 0},
      // X axis 3 at 91.6, auxiliary: 0.470 <= 100 / 119 turns upward at the middle 82.2
      {Op::Line, {91, 112, 91, 137}, u"", 0},
      {Op::Ellipse, {89, 122, 94, 127}, u"", 0},
      {Op::Line, {72, 124, 91, 124}, u"", 0},
      {Op::TextOut, {76, 123}, u"0.470", 900},
      // X axis 4 is outside the chain: nothing. X axis 5 at 145.6, the next balloon;
      // 1.350 runs across at the middle 118.6 - 15
      {Op::Line, {145, 112, 145, 137}, u"", 0},
      {Op::Ellipse, {130, 137, 160, 167}, u"", 0},
      {Op::TextOut, {139, 146}, u"X1", 0},
      {Op::Ellipse, {143, 122, 148, 127}, u"", 0},
      {Op::Line, {91, 124, 145, 124}, u"", 0},
      {Op::TextOut, {103, 111}, u"1.350", 0},
      // Y axis 3 at 72.8, the bottom one, is Y0
      {Op::Line, {32, 72, 7, 72}, u"", 0},
      {Op::Ellipse, {-22, 57, 7, 87}, u"", 0},
      {Op::TextOut, {-13, 66}, u"Y0", 0},
      {Op::Ellipse, {18, 70, 23, 75}, u"", 0},
      // Y axis 2 at 58.8, auxiliary: 0.350 runs across, 6 above the middle 65.8
      {Op::Line, {32, 58, 7, 58}, u"", 0},
      {Op::Ellipse, {18, 56, 23, 61}, u"", 0},
      {Op::Line, {20, 72, 20, 58}, u"", 0},
      {Op::TextOut, {21, 59}, u"0.350", 0},
      // Y axis 1 at 36.4; 0.560 across too, at the middle 47.6
      {Op::Line, {32, 36, 7, 36}, u"", 0},
      {Op::Ellipse, {-22, 21, 7, 51}, u"", 0},
      {Op::TextOut, {-13, 30}, u"Y1", 0},
      {Op::Ellipse, {18, 34, 23, 39}, u"", 0},
      {Op::Line, {20, 58, 20, 36}, u"", 0},
      {Op::TextOut, {21, 41}, u"0.560", 0},
  };
  ASSERT_EQ(calls.size(), std::size(expected));
  for (std::size_t k = 0; k < calls.size(); ++k) {
    SCOPED_TRACE(k);
    const auto& call = calls[k];
    const Expected& e = expected[k];
    EXPECT_EQ(call.Kind, e.kind);
    EXPECT_EQ(Geometry(call), e.args);
    EXPECT_EQ(call.Pen.Colour, 0x202020);
    EXPECT_EQ(call.Pen.Width, 1);
    EXPECT_EQ(call.Pen.Style, PenStyle::Solid);
    EXPECT_EQ(call.Pen.Mode, PenMode::Copy);
    EXPECT_EQ(call.Brush.Style, BrushStyle::Solid);
    if (call.Kind == Op::TextOut) {
      EXPECT_EQ(call.Text, e.text);
      const bool balloon = e.text[0] == u'X' || e.text[0] == u'Y';
      EXPECT_EQ(call.Font.Height, balloon ? 16 : 12);
      EXPECT_EQ(call.Font.Width, 6);
      EXPECT_EQ(call.Font.Escapement, e.escapement);
      EXPECT_EQ(call.Font.FaceName, u"ＭＳ ゴシック");
      EXPECT_EQ(call.FontColour, 0);
      EXPECT_EQ(call.Brush.Colour, 0xFFFFFF);
    }
    if (call.Kind == Op::Ellipse) {
      const bool dot = call.Args[2] - call.Args[0] == 5;
      EXPECT_EQ(call.Brush.Colour, dot ? 0x000000 : 0xFFFFFF);
    }
  }
}

TEST(GridAxisLayer, DimensionChainAt1To50) {
  LayOutSmallGrid();
  const auto calls = DrawAt(50);  // 80 px/m; 50 / 119 = 0.420 m
  // X chain at 3.12 x 80 = 249.6: axes at 145.6, 183.2, 291.2; both spacings
  // now run across, 15 left of the middles 164.4 and 237.2, at 249.6 - 13.
  // Y chain at 0.52 x 80 = 41.6: axes at 145.6, 117.6, 72.8; 0.350 runs across
  // at (42.6, 131.6 - 6), 0.560 upward at (41.6 - 13, 95.2 + 15).
  const Expected expected[] = {
      {Op::Line, {145, 249, 183, 249}, u"", 0}, {Op::TextOut, {149, 236}, u"0.470", 0},
      {Op::Line, {183, 249, 291, 249}, u"", 0}, {Op::TextOut, {222, 236}, u"1.350", 0},
      {Op::Line, {41, 145, 41, 117}, u"", 0},   {Op::TextOut, {42, 125}, u"0.350", 0},
      {Op::Line, {41, 117, 41, 72}, u"", 0},    {Op::TextOut, {28, 110}, u"0.560", 900},
  };
  std::vector<const RecordingCanvas::Call*> chain;
  for (const auto& call : calls) {
    const bool chainLine =
        call.Kind == Op::Line && (call.Args[1] == call.Args[3] ? call.Args[1] == 249 : call.Args[0] == 41);
    const bool spacing = call.Kind == Op::TextOut && call.Text.find(u'.') != std::u16string::npos;
    if (chainLine || spacing) chain.push_back(&call);
  }
  ASSERT_EQ(chain.size(), std::size(expected));
  for (std::size_t k = 0; k < chain.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(chain[k]->Kind, expected[k].kind);
    EXPECT_EQ(Geometry(*chain[k]), expected[k].args);
    EXPECT_EQ(chain[k]->Text, expected[k].text);
    if (chain[k]->Kind == Op::TextOut) {
      EXPECT_EQ(chain[k]->Font.Escapement, expected[k].escapement);
    }
  }
}

TEST(GridAxisLayer, NoChainBeyond1To100) {
  LayOutSmallGrid();
  for (int32_t scale : {150, 200}) {
    SCOPED_TRACE(scale);
    const auto calls = DrawAt(scale);
    // Three ticks and two balloons with their texts in each direction.
    EXPECT_EQ(calls.size(), 14u);
    for (const auto& call : calls) {
      if (call.Kind == Op::Ellipse) {
        EXPECT_GE(call.Args[2] - call.Args[0], 29);  // balloons, no dots
      }
      if (call.Kind == Op::TextOut) {
        EXPECT_EQ(call.Text.find(u'.'), std::u16string::npos);
      }
    }
  }
}

TEST(GridAxisLayer, BalloonsAreNumberedFromOneWhenAsked) {
  LayOutSmallGrid();
  ProjectSettings.AxisNumbering = 3;
  std::vector<std::u16string> texts;
  for (const auto& call : DrawAt(150))
    if (call.Kind == Op::TextOut) texts.push_back(call.Text);
  ProjectSettings.AxisNumbering = 0;
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"X1", u"X2", u"Y1", u"Y2"}));
}

TEST(GridAxisLayer, AnEmptyExtentDrawsNothing) {
  const struct {
    const char* name;
    int32_t minX, maxX, minY, maxY;
  } cases[] = {
      {"no element anywhere", 199, 0, 199, 0},
      {"no width", 5, 5, 1, 3},
      {"no height", 2, 5, 4, 4},
      {"wholly off the grid", 250, 260, 1, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LayOutGridAtModule();
    ASSERT_TRUE(TrySetPlanScale(50));
    ModelExtentMinX = c.minX, ModelExtentMaxX = c.maxX, ModelExtentMinY = c.minY, ModelExtentMaxY = c.maxY;
    RecordingCanvas canvas;
    DrawGridAxes(canvas, ScreenPlanView());
    EXPECT_TRUE(canvas.Calls().empty());
  }
}

TEST(GridAxisLayer, AnExtentReachingOffTheGridIsDrawnWhereItHasAxes) {
  LayOutGridAtModule();
  ProjectSettings.AxisNumbering = 0;
  ModelExtentMinX = 198, ModelExtentMaxX = 260, ModelExtentMinY = -5, ModelExtentMaxY = 0;
  std::vector<std::u16string> texts;
  for (const auto& call : DrawAt(150))
    if (call.Kind == Op::TextOut) texts.push_back(call.Text);
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"X0", u"X1", u"Y0"}));
}

TEST(GridAxisLayer, ATextWiderThanTheBalloonIsNarrowedToFit) {
  const struct {
    std::u16string text;
    int32_t fontWidth, x;
  } cases[] = {
      {u"X199", 6, 100 - 12},    // 24 px fit inside 28
      {u"X12345", 4, 100 - 12},  // 36 px would not: 6 x 28 / 36 = 4 px a character, 24 px
      {u"X1234567890123", 2, 100 - 14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    RecordingCanvas canvas;
    DrawAxisBalloon(canvas, 100.4, 200.4, c.text);
    ASSERT_EQ(canvas.Calls().size(), 2u);
    EXPECT_EQ(canvas.Calls()[0].Args, (std::vector<int32_t>{85, 185, 115, 215}));
    const auto& text = canvas.Calls()[1];
    EXPECT_EQ(text.Font.Width, c.fontWidth);
    EXPECT_EQ(text.Font.Height, 16);
    EXPECT_EQ(text.Args, (std::vector<int32_t>{c.x, 194}));
    EXPECT_LE(FixedPitchTextWidth(text.Font, c.text), 28);
  }
}

}  // namespace
