// Copy and swap of element lists between slots: counts and records follow the
// mode and the storey mask, variant settings travel only between variants and
// only without the lists-only mode, and the storey clears.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "editing/SlotCopy.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"

namespace {

class SlotCopyTest : public ModelTest {
 protected:
  // n walls on a storey whose X1 carries a tag, so records can be traced.
  static void PutWalls(int slot, int storey, int n, int tag) {
    testmodel::SetTaggedWalls(slot, storey, n, tag);
    for (int i = 0; i < n; ++i) Walls[slot][storey][i].Height = 2.5;
  }
};

TEST_F(SlotCopyTest, CopyOfOneStoreyReplacesTheDestinationList) {
  PutWalls(0, 1, 5, 100);
  PutWalls(1, 1, 12, 200);
  PutWalls(1, 0, 4, 300);
  CopyModelSlot(0, 1, CopyModeCopy, 2);
  EXPECT_EQ(WallCount[1][1], 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Walls[1][1][i].X1, 100 + i);
  // Records beyond the new count are left as they were.
  EXPECT_EQ(Walls[1][1][5].X1, 205);
  // Storeys outside the mask are untouched, and the source is unchanged.
  EXPECT_EQ(WallCount[1][0], 4);
  EXPECT_EQ(WallCount[0][1], 5);
}

TEST_F(SlotCopyTest, StoreyMaskFiveSelectsFirstAndThirdStorey) {
  for (int s = 0; s < StoreyCount; ++s) {
    PutWalls(0, s, 2, 10 * s);
    ColumnCount[0][s] = s + 1;
  }
  CopyModelSlot(0, 2, CopyModeCopy, 5);
  EXPECT_EQ(WallCount[2][0], 2);
  EXPECT_EQ(WallCount[2][1], 0);
  EXPECT_EQ(WallCount[2][2], 2);
  EXPECT_EQ(Walls[2][2][1].X1, 21);
  EXPECT_EQ(ColumnCount[2][0], 1);
  EXPECT_EQ(ColumnCount[2][1], 0);
  EXPECT_EQ(ColumnCount[2][2], 3);
  CopyModelSlot(0, 1, CopyModeCopy, 0);
  EXPECT_EQ(WallCount[1][0] + WallCount[1][1] + WallCount[1][2], 0);
}

TEST_F(SlotCopyTest, SwapOfVariantsExchangesListsSettingsAndColours) {
  PutWalls(0, 0, 3, 100);
  PutWalls(1, 0, 7, 200);
  PutWalls(1, 2, 2, 300);
  // Records beyond the count move too: the swap exchanges whole storeys.
  Walls[0][0][150].X1 = 4242;
  SpareKind12Count[1][1] = 1;
  SpareKind12Records[1][1][0] = SpareKind12Record{1, 2, 3, 4, 99};
  TextLabelCount[0][2] = 1;
  TextLabels[0][2][0].Reserved = 17;
  TextLabels[0][2][0].Text[0] = u'居';
  ProjectSettings.TopStorey[0] = 1;
  ProjectSettings.TopStorey[1] = 2;
  ProjectSettings.WeightClass[0] = 0;
  ProjectSettings.WeightClass[1] = 2;
  ProjectSettings.BuildingArea[1] = 70.0;
  ProjectSettings.LawFloorArea[2][1] = 30.0;
  ProjectSettings.StoreyHeight[1][0] = 3.3;
  ProjectSettings.PartWeightClass[1][4] = 2;
  ProjectSettings.ManualFloorArea[1][0] = 44.0;

  CopyModelSlot(0, 1, CopyModeSwap, StoreyMaskAll);

  EXPECT_EQ(WallCount[0][0], 7);
  EXPECT_EQ(WallCount[1][0], 3);
  EXPECT_EQ(WallCount[0][2], 2);
  EXPECT_EQ(WallCount[1][2], 0);
  EXPECT_EQ(Walls[0][0][6].X1, 206);
  EXPECT_EQ(Walls[1][0][2].X1, 102);
  EXPECT_EQ(Walls[1][0][150].X1, 4242);
  EXPECT_EQ(SpareKind12Count[0][1], 1);
  EXPECT_EQ(SpareKind12Records[0][1][0].Param, 99);
  EXPECT_EQ(TextLabels[1][2][0].Reserved, 17);
  EXPECT_EQ(TextLabels[1][2][0].Text[0], u'居');

  EXPECT_EQ(ProjectSettings.TopStorey[0], 2);
  EXPECT_EQ(ProjectSettings.TopStorey[1], 1);
  EXPECT_EQ(ProjectSettings.WeightClass[0], 2);
  EXPECT_DOUBLE_EQ(ProjectSettings.BuildingArea[0], 70.0);
  EXPECT_DOUBLE_EQ(ProjectSettings.LawFloorArea[2][0], 30.0);
  EXPECT_DOUBLE_EQ(ProjectSettings.StoreyHeight[0][0], 3.3);
  EXPECT_DOUBLE_EQ(ProjectSettings.StoreyHeight[1][0], 3.0);
  EXPECT_EQ(ProjectSettings.PartWeightClass[0][4], 2);
  // Manual areas stay with their variant number.
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[1][0], 44.0);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[0][0], 0.0);

  EXPECT_EQ(MainWindow.VariantRadioColour[0], RgbColour(255, 208, 208));  // very heavy
  EXPECT_EQ(MainWindow.VariantRadioColour[1], RgbColour(208, 255, 255));  // light
  EXPECT_EQ(MainWindow.VariantRadioColour[2], RgbColour(208, 255, 255));
}

TEST_F(SlotCopyTest, ListsOnlyModesLeaveVariantSettingsAlone) {
  for (int32_t mode : {CopyModeCopy + CopyModeListsOnly, CopyModeSwap + CopyModeListsOnly}) {
    SCOPED_TRACE(mode);
    ResetModel(ResetForNewProject);
    PutWalls(0, 0, 3, 100);
    PutWalls(1, 0, 7, 200);
    ProjectSettings.TopStorey[1] = 2;
    ProjectSettings.WeightClass[1] = 1;
    const MainWindowState before = MainWindow;
    CopyModelSlot(0, 1, mode, StoreyMaskAll);
    EXPECT_EQ(WallCount[1][0], 3);
    EXPECT_EQ(WallCount[0][0], mode == CopyModeSwap + CopyModeListsOnly ? 7 : 3);
    EXPECT_EQ(ProjectSettings.TopStorey[0], 1);
    EXPECT_EQ(ProjectSettings.TopStorey[1], 2);
    EXPECT_EQ(ProjectSettings.WeightClass[0], 0);
    EXPECT_EQ(MainWindow.VariantRadioColour[0], before.VariantRadioColour[0]);
    EXPECT_EQ(MainWindow.VariantRadioColour[1], before.VariantRadioColour[1]);
  }
}

TEST_F(SlotCopyTest, CopyOfVariantSettingsLeavesTheSourceAsItWas) {
  ProjectSettings.TopStorey[2] = 0;
  ProjectSettings.WeightClass[2] = 1;
  ProjectSettings.TotalFloorArea[2] = 95.0;
  CopyModelSlot(2, 0, CopyModeCopy, 1);
  EXPECT_EQ(ProjectSettings.TopStorey[0], 0);
  EXPECT_EQ(ProjectSettings.WeightClass[0], 1);
  EXPECT_DOUBLE_EQ(ProjectSettings.TotalFloorArea[0], 95.0);
  EXPECT_EQ(ProjectSettings.TopStorey[2], 0);
  EXPECT_EQ(MainWindow.VariantRadioColour[0], RgbColour(208, 255, 208));  // heavy
}

TEST_F(SlotCopyTest, UndoSlotsNeverTouchVariantSettings) {
  ProjectSettings.TopStorey[0] = 2;
  CopyModelSlot(0, FirstUndoSlot + 4, CopyModeCopy, StoreyMaskAll);
  ProjectSettings.TopStorey[0] = 0;
  CopyModelSlot(FirstUndoSlot + 4, 0, CopyModeCopy, StoreyMaskAll);
  EXPECT_EQ(ProjectSettings.TopStorey[0], 0);
}

TEST_F(SlotCopyTest, SlotsOutsideTheModelAreIgnored) {
  PutWalls(0, 0, 3, 100);
  CopyModelSlot(0, ModelSlotCount, CopyModeCopy, StoreyMaskAll);
  CopyModelSlot(-1, 0, CopyModeSwap, StoreyMaskAll);
  EXPECT_EQ(WallCount[0][0], 3);
}

TEST_F(SlotCopyTest, ClearStoreyEmptiesEveryKindOfTheCurrentStoreyOnly) {
  SetEveryCount(4);
  CurrentVariant = 1;
  CurrentStorey = 2;
  ClearStoreyElements();
#define QUILMORA_CHECK_CLEARED(kind, Record, records, count, swapBlock, max) \
  EXPECT_EQ(count[1][2], 0) << #kind;                                        \
  EXPECT_EQ(count[1][1], 4) << #kind;                                        \
  EXPECT_EQ(count[0][2], 4) << #kind;
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_CHECK_CLEARED)
#undef QUILMORA_CHECK_CLEARED
}

TEST_F(SlotCopyTest, ClearWallBearingElementsKeepsEverythingElse) {
  CurrentVariant = 0;
  CurrentStorey = 1;
  WallCount[0][1] = 1;
  WallRecord& w = Walls[0][1][0];
  w = WallRecord{};
  w.BraceKind = 4;
  w.MudWallKind = 3;
  w.PanelLeft = 5;
  w.PanelRight = 7;
  w.Height = 2.6;
  w.PanelLeftHeight = 1.2;
  w.Deterioration = 2 + 16;
  w.FurringLeft = 1;
  ClearWallBearingElements();
  EXPECT_EQ(w.BraceKind, 0);
  EXPECT_EQ(w.MudWallKind, 0);
  EXPECT_EQ(w.PanelLeft, 0);
  EXPECT_EQ(w.PanelRight, 0);
  EXPECT_DOUBLE_EQ(w.Height, 2.6);
  EXPECT_DOUBLE_EQ(w.PanelLeftHeight, 1.2);
  EXPECT_EQ(w.Deterioration, 18);
  EXPECT_EQ(w.FurringLeft, 1);
}

}  // namespace
