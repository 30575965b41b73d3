// The foundation and gable wall layers: a band around each segment, reaching
// 2h (foundations) or h (gables) beyond its ends and to either side, h being
// PixelsPerMetre / 9, every corner truncated after adding 1; foundations by
// type 基礎Ⅲ, Ⅱ, Ⅰ so that Ⅰ lies on top, gables in list order; the name is
// written along the segment, 2.5 h from its centre on the side of larger y,
// centred by half its width, only in the layer's own edit mode.
//
// Grid at the 0.91 m module. At 1/75 (53 px/m, h = 5.889) the axes 2, 3, 4,
// 5, 6, 7 lie at 96, 144, 192, 241, 289, 337; at 1/200 (20 px/m, h = 2.222)
// at 36, 54, 72, 91, 109, 127. Every label here is three full-width
// characters of 12 px: 36 px wide, half width 18.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"
#include "rendering/FoundationLayer.h"
#include "rendering/GableWallLayer.h"
#include "rendering/PlanView.h"
#include "rendering/RecordingCanvas.h"

namespace {

using Op = RecordingCanvas::Op;
using Points = std::vector<int32_t>;

constexpr int32_t Grey160 = RgbColour(160, 160, 160);
constexpr int32_t Grey192 = RgbColour(192, 192, 192);
constexpr int32_t Grey224 = RgbColour(224, 224, 224);

FoundationRecord Foundation(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t type) {
  FoundationRecord r{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.Type = type;
  return r;
}

GableWallRecord Gable(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t shape) {
  GableWallRecord r{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.Shape = shape, r.WeightClass = 1;
  return r;
}

class PlanLayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GridModule = DefaultGridModule;
    LayOutGridAtModule();
    CurrentVariant = 1;
    CurrentStorey = 0;
  }

  static void PutFoundations(std::initializer_list<FoundationRecord> records) {
    int32_t n = 0;
    for (const FoundationRecord& r : records) Foundations[1][0][n++] = r;
    FoundationCount[1][0] = n;
  }
  static void PutGables(std::initializer_list<GableWallRecord> records) {
    int32_t n = 0;
    for (const GableWallRecord& r : records) GableWalls[1][0][n++] = r;
    GableWallCount[1][0] = n;
  }

  // The layer's calls on a canvas that the layers before left with a dotted
  // XOR pen of width 3 and a clear brush.
  template <typename Layer>
  std::vector<RecordingCanvas::Call> Draw(Layer layer, int32_t scale, int32_t mode) {
    EXPECT_TRUE(TrySetPlanScale(scale));
    CurrentEditMode = mode;
    RecordingCanvas canvas;
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.SetPenMode(PenMode::Xor);
    canvas.SetPenWidth(3);
    canvas.SetBrushStyle(BrushStyle::Clear);
    layer(canvas, ScreenPlanView());
    return canvas.Calls();
  }

  static void ExpectBand(const RecordingCanvas::Call& call, const Points& corners, int32_t colour) {
    ASSERT_EQ(call.Kind, Op::Polygon);
    EXPECT_EQ(call.Args, corners);
    EXPECT_EQ(call.Pen.Colour, colour);
    EXPECT_EQ(call.Pen.Width, 1);
    EXPECT_EQ(call.Pen.Style, PenStyle::Solid);
    EXPECT_EQ(call.Pen.Mode, PenMode::Copy);
    EXPECT_EQ(call.Brush.Colour, colour);
    EXPECT_EQ(call.Brush.Style, BrushStyle::Solid);
  }

  static void ExpectLabel(const RecordingCanvas::Call& call, int32_t x, int32_t y, const std::u16string& text,
                          int32_t escapement) {
    ASSERT_EQ(call.Kind, Op::TextOut);
    EXPECT_EQ(call.Args, (Points{x, y}));
    EXPECT_EQ(call.Text, text);
    EXPECT_EQ(call.Font.Height, 12);
    EXPECT_EQ(call.Font.Width, 6);
    EXPECT_EQ(call.Font.Escapement, escapement);
    EXPECT_EQ(call.Font.FaceName, u"ＭＳ ゴシック");
    EXPECT_EQ(call.FontColour, 0);
    EXPECT_EQ(call.Brush.Colour, LabelBackColour);
    EXPECT_EQ(call.Brush.Style, BrushStyle::Clear);  // no box behind the text
  }

  // The corners as a set: the same band drawn from the other end.
  static Points Sorted(const Points& corners) {
    std::vector<std::pair<int32_t, int32_t>> pairs;
    for (size_t k = 0; k + 1 < corners.size(); k += 2) pairs.emplace_back(corners[k], corners[k + 1]);
    std::sort(pairs.begin(), pairs.end());
    Points flat;
    for (const auto& [x, y] : pairs) flat.push_back(x), flat.push_back(y);
    return flat;
  }
};

TEST_F(PlanLayerTest, FoundationBandsAndLabelsAtTwoScales) {
  // Axis 2 to 6 along Y axis 3, and Y axis 2 to 7 along X axis 4.
  PutFoundations({Foundation(2, 3, 6, 3, 0), Foundation(4, 2, 4, 7, 1)});
  const struct {
    int32_t scale;
    Points across, upright;
    int32_t acrossX, acrossY, uprightX, uprightY;
  } cases[] = {
      // 2h = 11.78: across x 96 - 11.78 + 1 .. 289 + 11.78 + 1, y 144 -/+ 11.78 + 1;
      // labels: across at (192 - 18, 144 + 14.72), upright at (192 + 14.72, 216 + 18).
      {75,
       {301, 133, 85, 133, 85, 156, 301, 156},
       {204, 349, 204, 85, 181, 85, 181, 349},
       174,
       158,
       206,
       234},
      // 2h = 4.44; labels across at (72 - 18, 54 + 5.56), upright at (72 + 5.56, 81 + 18).
      {200, {114, 50, 32, 50, 32, 59, 114, 59}, {77, 132, 77, 32, 68, 32, 68, 132}, 54, 59, 77, 99},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    const auto calls = Draw(DrawFoundations, c.scale, EditModeFoundation);
    ASSERT_EQ(calls.size(), 4u);
    // 基礎Ⅱ first, 基礎Ⅰ on top.
    ExpectBand(calls[0], c.upright, Grey192);
    ExpectLabel(calls[1], c.uprightX, c.uprightY, u"基礎Ⅱ", 900);
    ExpectBand(calls[2], c.across, Grey160);
    ExpectLabel(calls[3], c.acrossX, c.acrossY, u"基礎Ⅰ", 0);
  }
}

TEST_F(PlanLayerTest, FoundationsLieByTypeAndOnlyTheirModeLabelsThem) {
  PutFoundations({Foundation(2, 3, 6, 3, 0), Foundation(2, 5, 6, 5, 2), Foundation(2, 2, 2, 5, 1),
                  Foundation(3, 3, 3, 6, 5), Foundation(6, 2, 6, 5, 2), Foundation(2, 3, 2, 200, 0),
                  Foundation(3, 3, 3, 3, 2)});
  const auto calls = Draw(DrawFoundations, 75, EditModeGable);
  // Type 5 and the record off the grid are not drawn; no labels outside the foundation mode.
  ASSERT_EQ(calls.size(), 5u);
  const int32_t colours[] = {Grey224, Grey224, Grey224, Grey192, Grey160};
  for (size_t k = 0; k < calls.size(); ++k) {
    EXPECT_EQ(calls[k].Kind, Op::Polygon);
    EXPECT_EQ(calls[k].Pen.Colour, colours[k]) << k;
  }
  EXPECT_EQ(calls[0].Args[1], 230);  // Y axis 5 at 241: 241 - 11.78 + 1
  EXPECT_EQ(calls[1].Args[0], 301);  // X axis 6 at 289
  // A single point: a square of side 4h around (144, 144), 1 pixel down and right.
  EXPECT_EQ(calls[2].Args, (Points{156, 133, 133, 133, 133, 156, 156, 156}));
}

TEST_F(PlanLayerTest, ASegmentDrawnFromEitherEndGivesTheSameBandAndLabel) {
  PutFoundations({Foundation(2, 3, 6, 3, 2)});
  const auto forward = Draw(DrawFoundations, 75, EditModeFoundation);
  PutFoundations({Foundation(6, 3, 2, 3, 2)});
  const auto backward = Draw(DrawFoundations, 75, EditModeFoundation);
  ASSERT_EQ(forward.size(), 2u);
  ASSERT_EQ(backward.size(), 2u);
  EXPECT_EQ(Sorted(forward[0].Args), Sorted(backward[0].Args));
  EXPECT_EQ(backward[1].Args, forward[1].Args);
  EXPECT_EQ(backward[1].Text, u"基礎Ⅲ");
}

TEST_F(PlanLayerTest, GableBandsAndLabelsAtTwoScales) {
  PutGables({Gable(2, 3, 6, 3, 1)});
  const struct {
    int32_t scale;
    Points band;
    int32_t x, y;
  } cases[] = {
      // h = 5.89: x 96 - 5.89 + 1 .. 289 + 5.89 + 1, y 144 -/+ 5.89 + 1; label as for a foundation.
      {75, {295, 139, 91, 139, 91, 150, 295, 150}, 174, 158},
      {200, {112, 52, 34, 52, 34, 57, 112, 57}, 54, 59},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    const auto calls = Draw(DrawGableWalls, c.scale, EditModeGable);
    ASSERT_EQ(calls.size(), 2u);
    ExpectBand(calls[0], c.band, RgbColour(192, 160, 160));
    ExpectLabel(calls[1], c.x, c.y, u"両流れ", 0);
  }
}

TEST_F(PlanLayerTest, AFallingGableIsLabelledBelowItAlongItsSlope) {
  // (96, 96) to (289, 192): dx 193, dy 96, angle atan(96 / 193) = 26.446 degrees,
  // escapement -264; t = (0.8954, 0.4454), n = (-0.4454, 0.8954).
  PutGables({Gable(2, 2, 6, 4, 0)});
  const auto calls = Draw(DrawGableWalls, 75, EditModeGable);
  ASSERT_EQ(calls.size(), 2u);
  // end + h t - h n = (289 + 5.27 + 2.62 + 1, 192 + 2.62 - 5.27 + 1) and so on round.
  ExpectBand(calls[0], {297, 190, 94, 89, 89, 99, 292, 200}, RgbColour(192, 192, 160));
  // u = -2.62 (falling), v = 5.27; x = trunc(192 - 6.56) - trunc(18 x 5.27 / 5.89),
  // y = trunc(144 + 13.18) - trunc(18 x 2.62 / 5.89).
  ExpectLabel(calls[1], 185 - 16, 157 - 8, u"片流れ", -264);
}

TEST_F(PlanLayerTest, GablesLieInListOrderAndUnknownShapesAreSkipped) {
  PutGables({Gable(2, 3, 6, 3, 2), Gable(2, 3, 6, 3, 0), Gable(2, 3, 6, 3, -1), Gable(2, 3, 6, 3, 3),
             Gable(4, 2, 4, 7, 1), Gable(4, 2, 250, 7, 1), Gable(3, 3, 3, 3, 0)});
  const auto calls = Draw(DrawGableWalls, 75, EditModeFoundation);
  ASSERT_EQ(calls.size(), 4u);  // no labels outside the gable mode
  EXPECT_EQ(calls[0].Pen.Colour, RgbColour(192, 160, 192));
  EXPECT_EQ(calls[1].Pen.Colour, RgbColour(192, 192, 160));
  EXPECT_EQ(calls[2].Pen.Colour, RgbColour(192, 160, 160));
  // A single point: a square of side 2h around (144, 144).
  EXPECT_EQ(calls[3].Args, (Points{150, 139, 139, 139, 139, 150, 150, 150}));
}

TEST_F(PlanLayerTest, EmptyListsAndDamagedCountsDrawSafely) {
  FoundationCount[1][0] = 0;
  GableWallCount[1][0] = 0;
  EXPECT_TRUE(Draw(DrawFoundations, 75, EditModeFoundation).empty());
  EXPECT_TRUE(Draw(DrawGableWalls, 75, EditModeGable).empty());
  FoundationCount[1][0] = -4;
  GableWallCount[1][0] = -1;
  EXPECT_TRUE(Draw(DrawFoundations, 75, EditModeFoundation).empty());
  EXPECT_TRUE(Draw(DrawGableWalls, 75, EditModeGable).empty());
  CurrentVariant = 7;  // never reads outside the lists
  EXPECT_TRUE(Draw(DrawFoundations, 75, EditModeFoundation).empty());
  EXPECT_TRUE(Draw(DrawGableWalls, 75, EditModeGable).empty());
}

}  // namespace
