// The copy dialog's choices: the radios offered for each current variant,
// the slots, copy mode and storey mask that its controls give, and what its
// operations leave in the undo ring. Invariants guarded: a copy can be undone
// into the state before it; a swap never leaves the ring able to write lists
// of the other variant over the swapped-in ones; a clear answered No changes
// nothing.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "editing/CopyDialogCommands.h"
#include "editing/SlotCopy.h"
#include "model/ViewState.h"

namespace {

TEST(CopyDialogChoice, OnShowOnlyTheCurrentVariantIsADestinationAndNoSource) {
  const struct {
    int32_t current;
    int32_t checkedSource;
  } cases[] = {{0, 1}, {1, 0}, {2, 0}};
  for (const auto& c : cases) {
    const CopyDialogShowState state = CopyDialogStateOnShow(c.current);
    EXPECT_EQ(state.CheckedDestination, c.current);
    EXPECT_EQ(state.CheckedSource, c.checkedSource);
    for (int v = 0; v < 3; ++v) {
      EXPECT_EQ(state.DestinationEnabled[v], v == c.current) << c.current << " " << v;
      EXPECT_EQ(state.SourceEnabled[v], v != c.current) << c.current << " " << v;
    }
  }
}

TEST(CopyDialogChoice, ControlsGiveSlotsModeAndMask) {
  const struct {
    const char* name;
    CopyDialogControls controls;
    CopyDialogOperation expected;
  } cases[] = {
      // Copy of every storey with the settings, current state into plan 1.
      {"copy all",
       {{false, true, false}, {true, false, false}, true, false, true, {true, true, true}},
       {true, 0, 1, 0, 7}},
      // Without CheckBox1 the lists travel alone: mode + 2.
      {"copy lists only, second storey",
       {{false, false, true}, {false, true, false}, true, false, false, {false, true, false}},
       {true, 1, 2, 2, 2}},
      // A swap pushes no snapshot.
      {"swap with settings, first and third storey",
       {{true, false, false}, {false, false, true}, false, true, true, {true, false, true}},
       {false, 2, 0, 1, 5}},
      {"swap lists only, third storey",
       {{false, true, false}, {true, false, false}, false, true, false, {false, false, true}},
       {false, 0, 1, 3, 4}},
      // No storey ticked: mask 0, and a copy still pushes.
      {"copy no storey",
       {{true, false, false}, {false, true, false}, true, false, true, {}},
       {true, 1, 0, 0, 0}},
      // No radio checked counts as the current state.
      {"nothing checked", {{}, {}, false, false, true, {true, false, false}}, {false, 0, 0, 0, 1}},
  };
  for (const auto& c : cases) {
    const CopyDialogOperation op = CopyDialogOperationOf(c.controls);
    EXPECT_EQ(op.PushUndoFirst, c.expected.PushUndoFirst) << c.name;
    EXPECT_EQ(op.SourceSlot, c.expected.SourceSlot) << c.name;
    EXPECT_EQ(op.DestinationSlot, c.expected.DestinationSlot) << c.name;
    EXPECT_EQ(op.CopyMode, c.expected.CopyMode) << c.name;
    EXPECT_EQ(op.StoreyMask, c.expected.StoreyMask) << c.name;
  }
}

class CopyDialogOperationTest : public ModelTest {
 protected:
  // n walls on a storey of a slot, X1 tagged so that records can be traced.
  static void PutWalls(int slot, int storey, int n, int tag) {
    testmodel::SetTaggedWalls(slot, storey, n, tag);
  }
  // An element edit of the current variant's first storey, as the editors make it.
  static void Edit(int walls, int tag) {
    PushUndo();
    PutWalls(CurrentVariant, 0, walls, tag);
  }
};

TEST_F(CopyDialogOperationTest, UndoAfterACopyRestoresTheDestination) {
  SelectVariant(1);
  PutWalls(0, 1, 5, 100);
  PutWalls(1, 1, 12, 200);
  RunCopyDialogOperation({true, 0, 1, CopyModeCopy, 2});
  EXPECT_EQ(WallCount[1][1], 5);
  EXPECT_EQ(Walls[1][1][0].X1, 100);
  ASSERT_TRUE(MainWindow.BmodoruEnabled);
  UndoStep();
  EXPECT_EQ(WallCount[1][1], 12);
  EXPECT_EQ(Walls[1][1][11].X1, 211);
  EXPECT_EQ(WallCount[0][1], 5);
}

TEST_F(CopyDialogOperationTest, ASwapEmptiesTheRingSoNoUndoWritesOverTheSwappedLists) {
  PutWalls(1, 0, 7, 700);
  Edit(2, 10);
  Edit(3, 20);  // the current state holds 3 walls, its history 0 and 2
  RunCopyDialogOperation({false, 1, 0, CopyModeSwap + CopyModeListsOnly, 7});
  EXPECT_EQ(WallCount[0][0], 7);
  EXPECT_EQ(WallCount[1][0], 3);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  EXPECT_FALSE(MainWindow.BsusumuEnabled);
  // An undo now has nothing to restore: the swapped-in walls stay.
  UndoStep();
  EXPECT_EQ(WallCount[0][0], 7);
  EXPECT_EQ(Walls[0][0][6].X1, 706);
  EXPECT_EQ(WallCount[1][0], 3);
  // Swapping again takes the swap back.
  RunCopyDialogOperation({false, 1, 0, CopyModeSwap + CopyModeListsOnly, 7});
  EXPECT_EQ(WallCount[0][0], 3);
  EXPECT_EQ(Walls[0][0][2].X1, 22);
  EXPECT_EQ(WallCount[1][0], 7);
}

TEST_F(CopyDialogOperationTest, ASwapThatMovesNoListKeepsTheHistory) {
  Edit(2, 10);
  ProjectSettings.TopStorey[1] = 2;
  RunCopyDialogOperation({false, 1, 0, CopyModeSwap, 0});
  EXPECT_EQ(ProjectSettings.TopStorey[0], 2);  // the settings were swapped
  EXPECT_TRUE(MainWindow.BmodoruEnabled);
  UndoStep();
  EXPECT_EQ(WallCount[0][0], 0);
}

TEST_F(CopyDialogOperationTest, ClearButtonsActUnlessTheAnswerIsNo) {
  const struct {
    void (*ask)();
    const char* question;
    int answer;
    bool clears;
  } cases[] = {
      {AskAndClearStoreyElements, ClearStoreyQuestion, IDYES, true},
      {AskAndClearStoreyElements, ClearStoreyQuestion, IDNO, false},
      {AskAndClearWallBearingElements, ClearWallBearingQuestion, IDYES, true},
      {AskAndClearWallBearingElements, ClearWallBearingQuestion, IDNO, false},
  };
  for (const auto& c : cases) {
    ResetModel(ResetForNewProject);
    SelectVariant(2);
    CurrentStorey = 1;
    PutWalls(2, 1, 4, 40);
    Walls[2][1][3].BraceKind = 4;
    Walls[2][1][3].PanelLeft = 5;
    Walls[2][1][3].Height = 2.7;
    ColumnCount[2][1] = 6;
    PutWalls(2, 0, 2, 90);  // another storey: never touched
    boxes.Expect(ClearQuestionCaption, c.answer);
    const std::size_t before = boxes.Calls().size();
    c.ask();
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.question);
    EXPECT_EQ(boxes.Calls().back().flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(MainWindow.BmodoruEnabled, c.clears) << c.question << c.answer;
    EXPECT_EQ(WallCount[2][0], 2);
    const bool wholeStorey = c.ask == AskAndClearStoreyElements;
    EXPECT_EQ(WallCount[2][1], c.clears && wholeStorey ? 0 : 4);
    EXPECT_EQ(ColumnCount[2][1], c.clears && wholeStorey ? 0 : 6);
    if (!wholeStorey) {
      EXPECT_EQ(Walls[2][1][3].BraceKind, c.clears ? 0 : 4);
      EXPECT_EQ(Walls[2][1][3].PanelLeft, c.clears ? 0 : 5);
      EXPECT_EQ(Walls[2][1][3].Height, 2.7);
    }
    if (c.clears) {
      UndoStep();
      EXPECT_EQ(WallCount[2][1], 4);
      EXPECT_EQ(ColumnCount[2][1], 6);
      EXPECT_EQ(Walls[2][1][3].BraceKind, 4);
    }
  }
}

}  // namespace
