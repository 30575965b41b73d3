// The centres overlay. Positions are metres from the origin axes (X axis 2 at
// 1.82 m, Y axis 10 at 9.1 m), so a point (x, y) lies at pixel
// (trunc((x + 1.82) ppm), trunc((9.1 - y) ppm)). The centre of gravity
// (1.0, 2.03) lies at 2.82 / 7.07 m, the centre of rigidity of case 0
// (1.5, 1.04) at 3.32 / 8.06 m. The range rectangle about the centre of
// gravity is 0.15 x ElasticRadiusY (3.1 m) wide on either side and
// 0.15 x ElasticRadiusX (2.1 m) high. Brush clear, pens solid.
#include <gtest/gtest.h>

#include "LayerTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/GridAxisLabels.h"
#include "model/Grid.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "rendering/CentresOverlay.h"
#include "rendering/PlanView.h"

namespace {

using Op = RecordingCanvas::Op;

constexpr int32_t GravityRed = RgbColour(255, 0, 0);
constexpr int32_t RigidityBlue = RgbColour(0, 0, 255);

class CentresOverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RestoreProjectSettingsStartValues();
    GridAxisX[2] = 1.82;
    GridAxisY[10] = 9.1;
    GridOriginAxisX = 2, GridOriginAxisY = 10;
    CurrentVariant = 1, CurrentStorey = 2;
    ProjectSettings.DistinguishBraceDirection = 0;
    ProjectSettings.SnowCase = 0;
    CentreOfGravityX[1][2] = 1.0, CentreOfGravityY[1][2] = 2.03;
    RigidityCentreX[1][2][0] = 1.5, RigidityCentreY[1][2][0] = 1.04;
    ElasticRadiusX[1][2][0] = 2.1, ElasticRadiusY[1][2][0] = 3.1;
  }

  static std::vector<Drawn> Draw(int32_t scale) {
    EXPECT_TRUE(TrySetPlanScale(scale));
    RecordingCanvas canvas;
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.SetBrushColour(RgbColour(1, 2, 3));  // solid, as another layer may leave it
    DrawCentresOverlay(canvas, ScreenPlanView());
    return Shapes(canvas);
  }
};

Drawn Line(std::vector<int32_t> a, int32_t colour, int32_t width) {
  return {Op::Line, std::move(a), colour, width, PenStyle::Solid, -1};
}
Drawn Outline(Op kind, std::vector<int32_t> a, int32_t colour, int32_t width) {
  return {kind, std::move(a), colour, width, PenStyle::Solid, -1};
}

TEST_F(CentresOverlayTest, GravityRigidityAndRangeAtTwoScales) {
  // 1/75, 53 px/m: gravity 149.46, 374.71 -> (149, 374); cross +-7.1 truncated
  // 141.9 / 156.1, 366.9 / 381.1; circle +-7. Rigidity 175.96, 427.18 ->
  // (175, 427); cross +-10, circle -7 / +8. Range: 3.1 x 53 x 0.15 = 24.645,
  // 2.1 x 53 x 0.15 = 16.695: 124.355, 357.305, 173.645 + 1, 390.695 + 1.
  const std::vector<Drawn> at75 = {
      Line({141, 366, 156, 381}, GravityRed, 3),
      Line({156, 366, 141, 381}, GravityRed, 3),
      Outline(Op::Ellipse, {142, 367, 156, 381}, GravityRed, 3),
      Line({165, 427, 185, 427}, RigidityBlue, 3),
      Line({175, 417, 175, 437}, RigidityBlue, 3),
      Outline(Op::Ellipse, {168, 420, 183, 435}, RigidityBlue, 3),
      Outline(Op::Rectangle, {124, 357, 174, 391}, RigidityBlue, 1),
  };
  EXPECT_EQ(Draw(75), at75);
  // 1/200, 20 px/m: gravity 56.4, 141.4 -> (56, 141); cross 48.9 / 63.1,
  // 133.9 / 148.1. Rigidity 66.4, 161.2 -> (66, 161). Range 9.3 and 6.3:
  // 46.7, 134.7, 65.3 + 1, 147.3 + 1 truncated.
  const std::vector<Drawn> at200 = {
      Line({48, 133, 63, 148}, GravityRed, 3),
      Line({63, 133, 48, 148}, GravityRed, 3),
      Outline(Op::Ellipse, {49, 134, 63, 148}, GravityRed, 3),
      Line({56, 161, 76, 161}, RigidityBlue, 3),
      Line({66, 151, 66, 171}, RigidityBlue, 3),
      Outline(Op::Ellipse, {59, 154, 74, 169}, RigidityBlue, 3),
      Outline(Op::Rectangle, {46, 134, 66, 148}, RigidityBlue, 1),
  };
  EXPECT_EQ(Draw(200), at200);
}

TEST_F(CentresOverlayTest, SnowCaseMovesTheRigidityCentreOnly) {
  ProjectSettings.SnowCase = 1;
  CentreOfGravityXSnow[1][2] = 4.0;  // not read by the screen
  RigidityCentreXSnow[1][2][0] = 0, RigidityCentreYSnow[1][2][0] = 1.04;
  ElasticRadiusXSnow[1][2][0] = 9, ElasticRadiusYSnow[1][2][0] = 9;  // not read either
  // 1/200: rigidity (0 + 1.82) x 20 = 36.4 -> 36, row 161 as before.
  const int32_t snowBlue = RgbColour(0, 128, 255);
  const std::vector<Drawn> expected = {
      Line({48, 133, 63, 148}, GravityRed, 3),
      Line({63, 133, 48, 148}, GravityRed, 3),
      Outline(Op::Ellipse, {49, 134, 63, 148}, GravityRed, 3),
      Line({26, 161, 46, 161}, snowBlue, 3),
      Line({36, 151, 36, 171}, snowBlue, 3),
      Outline(Op::Ellipse, {29, 154, 44, 169}, snowBlue, 3),
      Outline(Op::Rectangle, {46, 134, 66, 148}, snowBlue, 1),
  };
  EXPECT_EQ(Draw(200), expected);
}

TEST_F(CentresOverlayTest, BraceDirectionsShowOneCentrePerLoadingCase) {
  ProjectSettings.DistinguishBraceDirection = 1;
  // Case 1 at the case-0 place (66, 161 at 1/200); case 4 at (0.5, 1.04):
  // 2.32 x 20 = 46.4 -> 46; cases 2 and 3 not computed.
  RigidityCentreX[1][2][1] = 1.5, RigidityCentreY[1][2][1] = 1.04;
  RigidityCentreX[1][2][4] = 0.5, RigidityCentreY[1][2][4] = 1.04;
  ElasticRadiusX[1][2][1] = 2.1, ElasticRadiusY[1][2][1] = 3.1;
  ElasticRadiusX[1][2][4] = 1.1, ElasticRadiusY[1][2][4] = 2.1;  // 6.3 / 3.3: 49.7 / 137.7 / 62.3 / 144.3
  const int32_t case1 = RgbColour(150, 0, 150), case4 = RgbColour(0, 150, 0);
  const std::vector<Drawn> expected = {
      Line({48, 133, 63, 148}, GravityRed, 3),
      Line({63, 133, 48, 148}, GravityRed, 3),
      Outline(Op::Ellipse, {49, 134, 63, 148}, GravityRed, 3),
      // case 1: arrow heads left and up
      Line({56, 161, 76, 161}, case1, 1),
      Line({66, 151, 66, 171}, case1, 1),
      Outline(Op::Ellipse, {60, 155, 73, 168}, case1, 1),
      Line({60, 159, 56, 161}, case1, 1),
      Line({56, 161, 61, 164}, case1, 1),
      Line({64, 155, 66, 151}, case1, 1),
      Line({66, 151, 69, 156}, case1, 1),
      Outline(Op::Rectangle, {46, 134, 66, 148}, case1, 1),
      // case 4: arrow heads right and down
      Line({36, 161, 56, 161}, case4, 1),
      Line({46, 151, 46, 171}, case4, 1),
      Outline(Op::Ellipse, {40, 155, 53, 168}, case4, 1),
      Line({52, 159, 56, 161}, case4, 1),
      Line({56, 161, 51, 164}, case4, 1),
      Line({44, 167, 46, 171}, case4, 1),
      Line({46, 171, 49, 166}, case4, 1),
      Outline(Op::Rectangle, {49, 137, 63, 145}, case4, 1),
  };
  EXPECT_EQ(Draw(200), expected);
}

TEST_F(CentresOverlayTest, PositionsAtTheOriginAreNotComputedAndDrawNothing) {
  CentreOfGravityX[1][2] = 0, CentreOfGravityY[1][2] = 0;
  // Without a centre of gravity there is no rectangle either.
  const std::vector<Drawn> rigidityOnly = {
      Line({56, 161, 76, 161}, RigidityBlue, 3),
      Line({66, 151, 66, 171}, RigidityBlue, 3),
      Outline(Op::Ellipse, {59, 154, 74, 169}, RigidityBlue, 3),
  };
  EXPECT_EQ(Draw(200), rigidityOnly);
  RigidityCentreX[1][2][0] = 0, RigidityCentreY[1][2][0] = 0;
  EXPECT_TRUE(Draw(200).empty());
  // A damaged origin axis draws nothing rather than reading off the grid.
  CentreOfGravityX[1][2] = 1.0;
  GridOriginAxisX = -1;
  EXPECT_TRUE(Draw(200).empty());
}

}  // namespace
