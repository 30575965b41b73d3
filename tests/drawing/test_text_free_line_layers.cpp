// The text label and free line layers on a recording canvas at 1/75
// (53 px/m). Grid at the 0.91 m module: the axes 0 to 6 lie at 0, 48, 96,
// 144, 192, 241, 289 px. Labels are 12 x 6: a full-width character is 12 px.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LayerTestHelpers.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"
#include "rendering/FreeLineLayer.h"
#include "rendering/PlanView.h"
#include "rendering/RecordingCanvas.h"
#include "rendering/TextLabelLayer.h"

namespace {

using Op = RecordingCanvas::Op;
constexpr int32_t Guide = RgbColour(255, 0, 192);

TextLabelRecord Label(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::u16string_view text) {
  TextLabelRecord r{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2;
  for (size_t k = 0; k < text.size(); ++k) r.Text[k] = text[k];
  return r;
}

FreeLineRecord Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, double ox1, double oy1, double ox2,
                    double oy2, int32_t style, int32_t colour) {
  FreeLineRecord r{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2;
  r.OffsetX1 = ox1, r.OffsetY1 = oy1, r.OffsetX2 = ox2, r.OffsetY2 = oy2;
  r.Style = style, r.Colour = colour;
  return r;
}

struct Text {
  int32_t X, Y;
  std::u16string String;
  int32_t Escapement;
  std::u16string Face;
  bool operator==(const Text&) const = default;
};

class TextFreeLineLayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GridModule = DefaultGridModule;
    LayOutGridAtModule();
    ASSERT_TRUE(TrySetPlanScale(75));
    CurrentVariant = 2;
    CurrentStorey = 1;
  }
  void TearDown() override {
    TextLabelCount[2][1] = 0;
    FreeLineCount[2][1] = 0;
  }
  static void PutLabels(std::initializer_list<TextLabelRecord> records) {
    int32_t n = 0;
    for (const auto& r : records) TextLabels[2][1][n++] = r;
    TextLabelCount[2][1] = n;
  }
  static void PutLines(std::initializer_list<FreeLineRecord> records) {
    int32_t n = 0;
    for (const auto& r : records) FreeLines[2][1][n++] = r;
    FreeLineCount[2][1] = n;
  }
  // A canvas that the layers before left with a thick XOR dash pen and a solid brush.
  template <typename Layer>
  void Draw(Layer layer, int32_t mode) {
    CurrentEditMode = mode;
    canvas.Clear();
    canvas.SetPenStyle(PenStyle::Dash);
    canvas.SetPenMode(PenMode::Xor);
    canvas.SetPenWidth(3);
    canvas.SetBrushColour(RgbColour(1, 2, 3));
    layer(canvas, ScreenPlanView());
  }
  std::vector<Text> Texts() const {
    std::vector<Text> texts;
    for (const auto& call : canvas.Calls()) {
      if (call.Kind != Op::TextOut) continue;
      EXPECT_EQ(call.Font.Height, 12);
      EXPECT_EQ(call.Font.Width, 6);
      EXPECT_EQ(call.FontColour, 0);
      EXPECT_EQ(call.Brush.Style, BrushStyle::Clear);
      texts.push_back({call.Args[0], call.Args[1], call.Text, call.Font.Escapement, call.Font.FaceName});
    }
    return texts;
  }
  RecordingCanvas canvas;
};

TEST_F(TextFreeLineLayerTest, HorizontalAndVerticalTextsAroundTheAnchorMidpoint) {
  // Anchors (2, 2)-(4, 4): midpoint (144, 144); "居間" and "便所" are 24 px wide.
  PutLabels({Label(2, 2, 4, 4, u"居間"), Label(4, 2, 2, 4, u"@便所"), Label(5, 5, 5, 5, u"ab")});
  Draw(DrawTextLabels, EditModeWalls);
  EXPECT_TRUE(Shapes(canvas).empty());  // no guides outside the text mode
  const std::vector<Text> expected = {
      {132, 139, u"居間", 0, u"ＭＳ ゴシック"},
      {151, 132, u"便所", -900, u"@ＭＳ ゴシック"},  // the '@' is not written
      {235, 236, u"ab", 0, u"ＭＳ ゴシック"},        // (241, 241), 12 px wide
  };
  EXPECT_EQ(Texts(), expected);
}

TEST_F(TextFreeLineLayerTest, NorthMarkRingTriangleAndLetter) {
  // "*90" at (4, 4): centre (192, 192), R = 26.5. Tip P(90) = (165.5, 192);
  // P(-70) = (192 + 26.5 sin 70, 192 - 26.5 cos 70) = (216.9, 182.9);
  // P(250) = (216.9, 201.1). "北" at (192 - 6 - 37.1, 192 - 6).
  // "*" alone at (2, 2)-(4, 4): centre (144, 144), tip (144, 117.5); P(-160) =
  // (144 + 9.06, 144 + 24.9), P(160) = (134.9, 168.9); "北" at (138, 144 - 6 - 37.1).
  PutLabels({Label(4, 4, 4, 4, u"*90"), Label(2, 2, 4, 4, u"*")});
  Draw(DrawTextLabels, EditModeFreeLine);
  const int32_t black = 0;
  const std::vector<Drawn> shapes = {
      {Op::Ellipse, {165, 165, 218, 218}, black, 2, PenStyle::Solid, -1},
      {Op::Line, {165, 192, 216, 182}, black, 2, PenStyle::Solid, -1},
      {Op::Line, {216, 182, 216, 201}, black, 2, PenStyle::Solid, -1},
      {Op::Line, {216, 201, 165, 192}, black, 2, PenStyle::Solid, -1},
      {Op::Ellipse, {117, 117, 170, 170}, black, 2, PenStyle::Solid, -1},
      {Op::Line, {144, 117, 153, 168}, black, 2, PenStyle::Solid, -1},
      {Op::Line, {153, 168, 134, 168}, black, 2, PenStyle::Solid, -1},
      {Op::Line, {134, 168, 144, 117}, black, 2, PenStyle::Solid, -1},
  };
  EXPECT_EQ(Shapes(canvas), shapes);
  const std::vector<Text> texts = {{148, 186, u"北", 0, u"ＭＳ ゴシック"},
                                   {138, 100, u"北", 0, u"ＭＳ ゴシック"}};
  EXPECT_EQ(Texts(), texts);
}

TEST_F(TextFreeLineLayerTest, GuidesInTheTextModeAndLabelsOffTheGridSkipped) {
  PutLabels(
      {Label(2, 2, 4, 4, u""), Label(4, 4, 4, 4, u""), Label(200, 4, 4, 4, u"x"), Label(4, -3, 4, 4, u"y")});
  Draw(DrawTextLabels, EditModeText);
  const std::vector<Drawn> shapes = {
      {Op::Line, {96, 96, 96, 192}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {96, 192, 192, 192}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {192, 192, 192, 96}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {192, 96, 96, 96}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {96, 96, 192, 192}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {96, 192, 192, 96}, Guide, 1, PenStyle::Dot, -1},
      // One point: the lines have no length; the circle of radius trunc(53 / 4) = 13.
      {Op::Line, {192, 192, 192, 192}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {192, 192, 192, 192}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {192, 192, 192, 192}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {192, 192, 192, 192}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {192, 192, 192, 192}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {192, 192, 192, 192}, Guide, 1, PenStyle::Dot, -1},
      {Op::Ellipse, {179, 179, 205, 205}, Guide, 1, PenStyle::Dot, -1},
  };
  EXPECT_EQ(Shapes(canvas), shapes);
}

TEST_F(TextFreeLineLayerTest, FreeLinesInEveryStyleWithTheirOffsets) {
  // Line k on Y axis k + 1 (48, 96, 144, 192, 241, 289) from X axis 0 to 2
  // (0 to 96); the first with offsets 0.455 / -0.303 and -0.455 / 0:
  // x 0 + 24.115, y 48 - 16.059, x 96 - 24.115.
  PutLines({Line(0, 1, 2, 1, 0.455, -0.303, -0.455, 0, 0, 0x0000FF),
            Line(0, 2, 2, 2, 0, 0, 0, 0, 1, 0x00FF00), Line(0, 3, 2, 3, 0, 0, 0, 0, 2, 0xFF0000),
            Line(0, 4, 2, 4, 0, 0, 0, 0, 3, 0x123456), Line(0, 5, 2, 5, 0, 0, 0, 0, 4, 0),
            Line(0, 6, 2, 6, 0, 0, 0, 0, 5, 0x808080),
            // A style no table knows keeps the pen style before it; off the grid: skipped.
            Line(2, 1, 4, 1, 0, 0, 0, 0, 17, 0x10), Line(2, 1, 2, 300, 0, 0, 0, 0, 0, 0)});
  Draw(DrawFreeLines, EditModeWalls);
  const std::vector<Drawn> shapes = {
      {Op::Line, {24, 31, 71, 48}, 0x0000FF, 1, PenStyle::Solid, -1},
      {Op::Line, {0, 96, 96, 96}, 0x00FF00, 3, PenStyle::Solid, -1},
      {Op::Line, {0, 144, 96, 144}, 0xFF0000, 1, PenStyle::Dot, -1},
      {Op::Line, {0, 192, 96, 192}, 0x123456, 1, PenStyle::Dash, -1},
      {Op::Line, {0, 241, 96, 241}, 0, 1, PenStyle::DashDot, -1},
      {Op::Line, {0, 289, 96, 289}, 0x808080, 1, PenStyle::DashDotDot, -1},
      {Op::Line, {96, 48, 192, 48}, 0x10, 1, PenStyle::DashDotDot, -1},
  };
  EXPECT_EQ(Shapes(canvas), shapes);

  // In the free-line mode the dotted chord lies underneath each line.
  PutLines({Line(0, 1, 2, 1, 0.455, -0.303, -0.455, 0, 1, 0x0000FF)});
  Draw(DrawFreeLines, EditModeFreeLine);
  const std::vector<Drawn> guided = {
      {Op::Line, {0, 48, 96, 48}, Guide, 1, PenStyle::Dot, -1},
      {Op::Line, {24, 31, 71, 48}, 0x0000FF, 3, PenStyle::Solid, -1},
  };
  EXPECT_EQ(Shapes(canvas), guided);
}

}  // namespace
