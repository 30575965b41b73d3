// The undo ring: at most thirteen steps back, redo until a new edit, the
// button states after every step, and that a step never writes one variant's
// snapshot into another variant.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "editing/SlotCopy.h"
#include "model/ViewState.h"

namespace {

class UndoRingTest : public ModelTest {
 protected:
  // An edit: push, then change the lists of the current variant.
  static void Edit(int32_t newWallCount) {
    PushUndo();
    WallCount[CurrentVariant][0] = newWallCount;
  }
  static int32_t Walls0() { return WallCount[CurrentVariant][0]; }
};

TEST_F(UndoRingTest, FreshRingHasNothingToStep) {
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  EXPECT_FALSE(MainWindow.BsusumuEnabled);
  UndoStep();
  RedoStep();
  EXPECT_EQ(Walls0(), 0);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  EXPECT_FALSE(MainWindow.BsusumuEnabled);
}

TEST_F(UndoRingTest, OneEditUndoneAndRedone) {
  Edit(1);
  EXPECT_TRUE(MainWindow.BmodoruEnabled);
  EXPECT_FALSE(MainWindow.BsusumuEnabled);
  UndoStep();
  EXPECT_EQ(Walls0(), 0);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  EXPECT_TRUE(MainWindow.BsusumuEnabled);
  RedoStep();
  EXPECT_EQ(Walls0(), 1);
  EXPECT_TRUE(MainWindow.BmodoruEnabled);
  EXPECT_FALSE(MainWindow.BsusumuEnabled);
}

TEST_F(UndoRingTest, FourteenEditsGiveExactlyThirteenStepsBack) {
  for (int n = 1; n <= 14; ++n) Edit(n);  // states 0, 1, ..., 14
  for (int step = 1; step <= 13; ++step) {
    ASSERT_TRUE(MainWindow.BmodoruEnabled) << step;
    UndoStep();
    EXPECT_EQ(Walls0(), 14 - step) << step;
    EXPECT_TRUE(MainWindow.BsusumuEnabled) << step;
    EXPECT_EQ(MainWindow.BmodoruEnabled, step < 13) << step;
  }
  // The fourteenth step back is refused; the oldest reachable state is 1.
  UndoStep();
  EXPECT_EQ(Walls0(), 1);
  for (int step = 1; step <= 13; ++step) {
    ASSERT_TRUE(MainWindow.BsusumuEnabled) << step;
    RedoStep();
    EXPECT_EQ(Walls0(), 1 + step) << step;
    EXPECT_TRUE(MainWindow.BmodoruEnabled) << step;
    EXPECT_EQ(MainWindow.BsusumuEnabled, step < 13) << step;
  }
  RedoStep();
  EXPECT_EQ(Walls0(), 14);
}

TEST_F(UndoRingTest, ManyEditsAroundTheRingStillKeepThirteen) {
  for (int n = 1; n <= 40; ++n) Edit(n);
  int steps = 0;
  while (MainWindow.BmodoruEnabled) {
    UndoStep();
    ++steps;
  }
  EXPECT_EQ(steps, 13);
  EXPECT_EQ(Walls0(), 27);
}

TEST_F(UndoRingTest, NewEditAfterUndoEndsTheRedoChain) {
  Edit(1);
  Edit(2);
  Edit(3);
  UndoStep();
  UndoStep();
  EXPECT_EQ(Walls0(), 1);
  Edit(5);
  EXPECT_FALSE(MainWindow.BsusumuEnabled);
  RedoStep();
  EXPECT_EQ(Walls0(), 5);
  UndoStep();
  EXPECT_EQ(Walls0(), 1);
  UndoStep();
  EXPECT_EQ(Walls0(), 0);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
}

TEST_F(UndoRingTest, SnapshotsHoldAllStoreysButNoSettings) {
  WallCount[0][2] = 4;
  ProjectSettings.TopStorey[0] = 2;
  PushUndo();
  WallCount[0][2] = 9;
  ColumnCount[0][1] = 3;
  ProjectSettings.TopStorey[0] = 1;
  UndoStep();
  EXPECT_EQ(WallCount[0][2], 4);
  EXPECT_EQ(ColumnCount[0][1], 0);
  EXPECT_EQ(ProjectSettings.TopStorey[0], 1);
}

TEST_F(UndoRingTest, ChoosingAnotherVariantEmptiesTheRing) {
  Edit(3);
  WallCount[1][0] = 8;
  SelectVariant(1);
  EXPECT_EQ(CurrentVariant, 1);
  EXPECT_EQ(MainWindow.CheckedVariantRadio, 1);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  EXPECT_FALSE(MainWindow.BsusumuEnabled);
  UndoStep();
  EXPECT_EQ(WallCount[1][0], 8);
  EXPECT_EQ(WallCount[0][0], 3);
  // Choosing the same variant again keeps the history.
  Edit(9);
  SelectVariant(1);
  EXPECT_TRUE(MainWindow.BmodoruEnabled);
  UndoStep();
  EXPECT_EQ(WallCount[1][0], 8);
}

TEST_F(UndoRingTest, AStepNeverRestoresIntoAnotherVariant) {
  // Even when the current variant changes without SelectVariant (a reader
  // sets it, or any other writer), neither step writes variant 0's history
  // into variant 2.
  Edit(3);
  Edit(4);
  UndoStep();
  ASSERT_TRUE(MainWindow.BmodoruEnabled);
  ASSERT_TRUE(MainWindow.BsusumuEnabled);
  WallCount[2][0] = 6;
  CurrentVariant = 2;
  UndoStep();
  EXPECT_EQ(WallCount[2][0], 6);
  RedoStep();
  EXPECT_EQ(WallCount[2][0], 6);
  EXPECT_EQ(WallCount[0][0], 3);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  EXPECT_FALSE(MainWindow.BsusumuEnabled);
  // A new edit in variant 2 starts that variant's own history.
  Edit(7);
  UndoStep();
  EXPECT_EQ(WallCount[2][0], 6);
  EXPECT_EQ(WallCount[0][0], 3);
}

}  // namespace
