// The approximate retrofit cost: walls counted by their change marks, storey
// group and length class, the amounts, 計, the tax and 概算額. Every
// expectation is worked by hand beside it.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/RetrofitMarks.h"
#include "evaluation/RetrofitCost.h"
#include "model/ElementLists.h"
#include "model/ProjectSettings.h"
#include "platform/NumberText.h"

namespace {

class RetrofitCostTest : public ModelTest {};

// The default unit prices of the dialog.
RetrofitCostInput DefaultPrices() {
  RetrofitCostInput input;
  for (int row = 0; row < CostRowCount; ++row)
    input.Price[row] = LeadingNumber(RetrofitCostRows[row].DefaultPrice);
  return input;
}

TEST(RetrofitCostLengthClass, BoundariesAt091AndAt182) {
  const struct {
    double length;
    int32_t expected;
  } cases[] = {{0.0, 0}, {0.91, 0}, {0.9100001, 1}, {1.365, 1}, {1.8199999, 1}, {1.82, 2}, {3.64, 2}};
  for (const auto& c : cases) EXPECT_EQ(WallLengthClass(c.length), c.expected) << c.length;
}

// One and two modules of the default grid, measured between its axes as the
// analysis measures a wall: the same class wherever the wall lies (98 x 0.91
// = 89.18 and 100 x 0.91 = 91.0 are 1.8199999999999932 apart in doubles).
TEST(RetrofitCostLengthClass, ModulesMeasuredAnywhereOnTheGrid) {
  for (int i = 0; i < 198; ++i) {
    EXPECT_EQ(WallLengthClass((i + 1) * 0.91 - i * 0.91), 0) << i;
    EXPECT_EQ(WallLengthClass((i + 2) * 0.91 - i * 0.91), 2) << i;
  }
}

TEST(RetrofitCostCount, EachChangeMarkCountsItsRows) {
  // storey, mark, length -> the row that grows by how much, foundation metres.
  const struct {
    int32_t storey;
    int32_t change;
    double length;
    int32_t row;
    int32_t count;
    double foundation;
  } cases[] = {
      // A new wall: core element, both panel sides of its class, its foundation.
      {0, RetrofitChangeNewWall, 1.82, CostCore1, 1, 1.82},
      {0, RetrofitChangeNewWall, 1.82, CostBothSides1 + 2, 1, 1.82},
      // Joint class alone: hardware at both ends of the wall.
      {0, RetrofitChangeJointClass, 0.91, CostHardwareOnly1, 2, 0.0},
      // Brace and joint class together: a new core element, no hardware-only.
      {0, RetrofitChangeBrace | RetrofitChangeJointClass, 0.91, CostCore1, 1, 0.0},
      {0, RetrofitChangeBrace | RetrofitChangeJointClass, 0.91, CostHardwareOnly1, 0, 0.0},
      // One side, either side, by length class.
      {0, RetrofitChangePanelLeft, 0.91, CostOneSide1 + 0, 1, 0.0},
      {0, RetrofitChangePanelRight, 1.365, CostOneSide1 + 1, 1, 0.0},
      {0, RetrofitChangePanelLeft | RetrofitChangePanelRight, 0.455, CostBothSides1 + 0, 1, 0.0},
      // Foundation, deterioration or opening alone: foundation length only.
      {0, RetrofitChangeFoundation, 2.73, CostCore1, 0, 2.73},
      {0, RetrofitChangeDeterioration, 2.73, CostCore1, 0, 2.73},
      {0, RetrofitChangeOpening, 1.0, CostCore1, 0, 1.0},
      // Second and third storeys share the second-storey rows and add no foundation.
      {1, RetrofitChangeNewWall, 0.91, CostCore2, 1, 0.0},
      {2, RetrofitChangeNewWall, 0.91, CostBothSides2 + 0, 1, 0.0},
      {2, RetrofitChangeJointClass, 3.64, CostHardwareOnly2, 2, 0.0},
      {1, RetrofitChangePanelRight, 1.82, CostOneSide2 + 2, 1, 0.0},
      // No change, nothing.
      {0, 0, 1.82, CostCore1, 0, 0.0},
  };
  for (const auto& c : cases) {
    RetrofitCounts counts;
    CountWallChange(counts, c.storey, c.change, c.length);
    EXPECT_EQ(counts.Count[c.row], c.count) << c.storey << " " << c.change << " " << c.length;
    EXPECT_DOUBLE_EQ(counts.FoundationLength, c.foundation) << c.storey << " " << c.change;
    // Nothing else is counted: a new wall in its two rows, any other mark in one.
    int total = 0;
    for (int32_t n : counts.Count) total += n;
    const int expectedTotal = c.change == RetrofitChangeNewWall                              ? 2
                              : c.change == (RetrofitChangeBrace | RetrofitChangeJointClass) ? 1
                                                                                             : c.count;
    EXPECT_EQ(total, expectedTotal) << c.change;
  }
}

TEST_F(RetrofitCostTest, CountsTheWallsOfTheStoreysOfTheVariantShown) {
  ProjectSettings.TopStorey[1] = 1;
  WallCount[1][0] = 3;
  WallCount[1][1] = 1;
  WallCount[1][2] = 1;  // above the top storey: not counted
  const struct {
    int32_t storey, index, change;
    double length;
  } walls[] = {{0, 0, RetrofitChangeNewWall, 1.82},
               {0, 1, RetrofitChangeJointClass | RetrofitChangeFoundation, 0.91},
               {0, 2, 0, 2.73},
               {1, 0, RetrofitChangeBrace, 1.365},
               {2, 0, RetrofitChangeNewWall, 1.82}};
  for (const auto& w : walls) {
    WallResults[1][w.storey][w.index].Blocks[0].RetrofitChange = w.change;
    WallResults[1][w.storey][w.index].Blocks[0].Length = w.length;
    // Only block 0 holds the marks; another block's length must not count.
    WallResults[1][w.storey][w.index].Blocks[1].Length = 100.0;
  }

  const RetrofitCounts counts = CountRetrofitChanges(1);
  EXPECT_EQ(counts.Count[CostCore1], 1);
  EXPECT_EQ(counts.Count[CostBothSides1 + 2], 1);
  EXPECT_EQ(counts.Count[CostHardwareOnly1], 2);
  EXPECT_EQ(counts.Count[CostCore2], 1);  // the third-storey wall is not there
  EXPECT_EQ(counts.Count[CostBothSides2 + 2], 0);
  EXPECT_DOUBLE_EQ(counts.FoundationLength, 1.82 + 0.91);
  // The current state has no marks.
  const RetrofitCounts current = CountRetrofitChanges(0);
  for (int32_t n : current.Count) EXPECT_EQ(n, 0);
}

TEST(RetrofitCostTally, AmountsTotalTaxAndGrandTotal) {
  // One new first-storey wall of 1.82 m at the default prices:
  //   心材 1 x 50000 + 両側 (＞６尺) 1 x 318000 + 基礎 1.82 m x 30000 = 54600
  //   屋根 20 m² x 25000 = 500000; others 10000 and 5000
  //   計 = 50000 + 318000 + 54600 + 500000 + 15000 = 937600
  RetrofitCounts counts;
  CountWallChange(counts, 0, RetrofitChangeNewWall, 1.82);
  RetrofitCostInput input = DefaultPrices();
  input.RoofArea = 20.0;
  input.Other1 = 10000.0;
  input.Other2 = 5000.0;
  const RetrofitCostTally tally = TallyRetrofitCost(counts, input);
  EXPECT_DOUBLE_EQ(tally.Amount[CostCore1], 50000.0);
  EXPECT_DOUBLE_EQ(tally.Amount[CostBothSides1 + 2], 318000.0);
  EXPECT_DOUBLE_EQ(tally.Amount[CostFoundation], 54600.0);
  EXPECT_DOUBLE_EQ(tally.Amount[CostRoof], 500000.0);
  EXPECT_DOUBLE_EQ(tally.Amount[CostColumns], 0.0);
  EXPECT_DOUBLE_EQ(tally.Total, 937600.0);
  EXPECT_DOUBLE_EQ(tally.Tax, 93760.0);
  EXPECT_DOUBLE_EQ(tally.GrandTotal, 1031360.0);
  EXPECT_EQ(RetrofitQuantityText(CostFoundation, tally), "   1.82");
  EXPECT_EQ(RetrofitQuantityText(CostCore1, tally), "     1");
  EXPECT_EQ(RetrofitAmountText(tally.GrandTotal), "   1031360");
}

TEST(RetrofitCostTally, TaxIsATenthOfTheTotal) {
  // Nothing counted: 計 is the other amounts alone, 100000.
  RetrofitCostInput input = DefaultPrices();
  input.Other1 = 60000.0;
  input.Other2 = 40000.0;
  const RetrofitCostTally tally = TallyRetrofitCost(RetrofitCounts{}, input);
  EXPECT_EQ(RetrofitAmountText(tally.Total), "    100000");
  EXPECT_EQ(RetrofitAmountText(tally.Tax), "     10000");
  EXPECT_EQ(RetrofitAmountText(tally.GrandTotal), "    110000");
}

TEST(RetrofitCostTally, CaptionAsksForAPlanOnTheCurrentState) {
  EXPECT_EQ(RetrofitCostCaption(0), "概算集計（現況）－－改修案を選択して下さい。");
  EXPECT_EQ(RetrofitCostCaption(1), "概算集計（改修案１）");
  EXPECT_EQ(RetrofitCostCaption(2), "概算集計（改修案２）");
}

}  // namespace
