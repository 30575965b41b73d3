// The zoom arithmetic: the scale text, the scale it sets, the sheet size and
// the carried-over scroll positions. An invalid scale never changes the plan.
#include <gtest/gtest.h>

#include <climits>

#include "model/Grid.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"

namespace {

TEST(PlanScale, ScaleTextGivesItsLeadingInteger) {
  const struct {
    const char* text;
    int32_t denominator;
  } cases[] = {
      {"75", 75},   {"150", 150}, {" 30", 30}, {"100abc", 100},          {"", 0},       {"abc", 0},
      {"-50", -50}, {"+60", 60},  {"7.5", 7},  {"99999999999", INT_MAX}, {"１００", 0},  // full-width digits
                                                                                         // are no number
  };
  for (const auto& c : cases) EXPECT_EQ(ScaleDenominatorOfText(c.text), c.denominator) << c.text;
}

TEST(PlanScale, ValidScalesSetPixelsPerMetreByIntegerDivision) {
  const struct {
    int32_t denominator;
    double pixelsPerMetre;
  } cases[] = {{30, 133}, {50, 80}, {75, 53}, {100, 40}, {150, 26}, {200, 20}, {33, 121}};
  for (const auto& c : cases) {
    ASSERT_TRUE(TrySetPlanScale(c.denominator));
    EXPECT_EQ(PlanScaleDenominator, c.denominator);
    EXPECT_EQ(PixelsPerMetre, c.pixelsPerMetre) << c.denominator;
  }
}

TEST(PlanScale, InvalidScalesChangeNothing) {
  ASSERT_TRUE(TrySetPlanScale(150));
  for (int32_t denominator : {0, 29, 201, 1000, -75}) {
    EXPECT_FALSE(TrySetPlanScale(denominator));
    EXPECT_EQ(PlanScaleDenominator, 150);
    EXPECT_EQ(PixelsPerMetre, 26);
  }
}

TEST(PlanScale, SheetSpansTheLastAxis) {
  LayOutGridAtModule();
  ASSERT_TRUE(TrySetPlanScale(75));
  // 199 x 0.91 = 181.09 m; x 53 = 9597.77
  EXPECT_EQ(SheetWidthPixels(), 9597);
  EXPECT_EQ(SheetHeightPixels(), 9597);
  ASSERT_TRUE(TrySetPlanScale(150));
  // 181.09 x 26 = 4708.34
  EXPECT_EQ(SheetWidthPixels(), 4708);
  GridAxisY[199] = 100.0;
  EXPECT_EQ(SheetHeightPixels(), 2600);
}

// A spacing accepted after the warning can put the last axis anywhere: the
// sheet keeps a size that a window can hold instead of wrapping to nothing.
TEST(PlanScale, SheetSizeStaysWithinWhatAWindowHolds) {
  LayOutGridAtModule();
  ASSERT_TRUE(TrySetPlanScale(30));  // 133 pixels a metre
  struct Case {
    double lastAxis;
    int32_t pixels;
  } const cases[] = {
      {126143.0, 16777019},                                 // 126143 x 133, just below the limit
      {126145.0, MaxSheetPixels}, {1.0e8, MaxSheetPixels},  // 1.33e10 pixels, beyond 32 bits
      {1.0e300, MaxSheetPixels},  {-5.0, 0},
  };
  for (const Case& c : cases) {
    GridAxisX[199] = c.lastAxis;
    GridAxisY[199] = c.lastAxis;
    EXPECT_EQ(SheetWidthPixels(), c.pixels) << c.lastAxis;
    EXPECT_EQ(SheetHeightPixels(), c.pixels) << c.lastAxis;
  }
}

TEST(PlanScale, ScrollPositionsScaleInSixtyFourBits) {
  EXPECT_EQ(RescaledScrollPosition(4000, 4500, 9000), 2000);
  EXPECT_EQ(RescaledScrollPosition(-100, 4500, 9000), -50);  // truncated toward zero
  EXPECT_EQ(RescaledScrollPosition(24000, 100000, 12000), 200000);
  // A sheet no larger than its view leaves nothing to scale.
  EXPECT_EQ(RescaledScrollPosition(500, 300, 0), 0);
  EXPECT_EQ(RescaledScrollPosition(500, 300, -20), 0);
}

}  // namespace
