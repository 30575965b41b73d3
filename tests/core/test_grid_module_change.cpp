// The module change lays the grid out again from axis 0; intervals of the old
// module's width get the new one, the others follow the chosen rule. Values
// outside 0.6..1.82 (and texts that are no number) are refused.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "editing/GridModuleChange.h"
#include "editing/SlotCopy.h"

namespace {

using GridModuleTest = ModelTest;

TEST_F(GridModuleTest, IntervalsFollowTheRule) {
  const struct {
    ModuleSpacingRule rule;
    double w1, w2, w3;  // new widths of intervals 0.91, 0.455, 1.82
  } cases[] = {
      {ModuleSpacingRule::Keep, 1.0, 0.455, 1.82},
      {ModuleSpacingRule::Proportional, 1.0, 0.5, 2.0},  // x 1.0 / 0.91
      {ModuleSpacingRule::AllToModule, 1.0, 1.0, 1.0},
  };
  for (const auto& c : cases) {
    GridModule = DefaultGridModule;  // the reset keeps the module
    ResetModel(ResetForStartUp);
    for (double* axes : {GridAxisX, GridAxisY}) {
      axes[0] = 2.0;  // axis 0 keeps its place
      axes[1] = 2.91, axes[2] = 3.365, axes[3] = 5.185;
      for (int i = 4; i < 200; ++i) axes[i] = axes[i - 1] + 0.91;
    }
    GridAxisKindX[2] = 2;
    ColumnCount[0][0] = 1;
    Columns[0][0][0].X = 3;
    PushUndo();
    ASSERT_TRUE(ChangeGridModuleFromText(" 1.0", c.rule));
    EXPECT_DOUBLE_EQ(GridModule, 1.0);
    for (const double* axes : {GridAxisX, GridAxisY}) {
      EXPECT_DOUBLE_EQ(axes[0], 2.0);
      EXPECT_NEAR(axes[1] - axes[0], c.w1, 1e-9);
      EXPECT_NEAR(axes[2] - axes[1], c.w2, 1e-9);
      EXPECT_NEAR(axes[3] - axes[2], c.w3, 1e-9);
      EXPECT_NEAR(axes[199] - axes[198], 1.0, 1e-9);
      EXPECT_NEAR(axes[199], 2.0 + c.w1 + c.w2 + c.w3 + 196 * 1.0, 1e-9);
    }
    EXPECT_EQ(GridAxisKindX[2], 2);
    EXPECT_EQ(Columns[0][0][0].X, 3);
    EXPECT_FALSE(MainWindow.BmodoruEnabled);
  }
}

TEST_F(GridModuleTest, ValuesOutsideTheRangeAreRefused) {
  const struct {
    const char* text;
    const char* message;  // nullptr: accepted
  } cases[] = {
      {"0.6", nullptr},
      {"1.82", nullptr},
      {"0.5999", "モジュール値は'0.600'以上にして下さい。"},
      {"1.8201", "モジュール値は'1.820'以下にして下さい。"},
      {"-1", "モジュール値は'0.600'以上にして下さい。"},
      {"１．８２", nullptr},  // full-width, as an input method types it
      {"abc", "モジュール値は'0.600'～'1.820'の数値で入力して下さい。"},
      {"", "モジュール値は'0.600'～'1.820'の数値で入力して下さい。"},
      {"inf", "モジュール値は'0.600'～'1.820'の数値で入力して下さい。"},
      {"1,0", "モジュール値は'0.600'～'1.820'の数値で入力して下さい。"},
      {"1.0m", "モジュール値は'0.600'～'1.820'の数値で入力して下さい。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    GridModule = DefaultGridModule;
    ResetModel(ResetForStartUp);
    if (c.message) boxes.Expect("入力値確認", IDOK);
    EXPECT_EQ(ChangeGridModuleFromText(c.text, ModuleSpacingRule::Keep), c.message == nullptr);
    if (c.message) {
      EXPECT_EQ(boxes.Calls().back().text, c.message);
      EXPECT_EQ(boxes.Calls().back().flags, 64);
      EXPECT_DOUBLE_EQ(GridModule, 0.91);
      EXPECT_DOUBLE_EQ(GridAxisX[199], 199 * 0.91);
    }
  }
}

}  // namespace
