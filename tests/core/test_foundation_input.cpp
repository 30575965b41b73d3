// Foundation input: segments of the first storey only, added with the
// palette's class, deleted by picking their two ends again (in either order),
// refused silently at 200 per storey; every change can be undone.
#include <gtest/gtest.h>

#include "InputRoutineFixture.h"
#include "editing/FoundationInput.h"
#include "model/ViewState.h"
#include "presentation/PaletteState.h"

namespace {

class FoundationInputTest : public InputRoutineTest {
 protected:
  static FoundationRecord Segment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t type) {
    FoundationRecord r{};
    r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.Type = type;
    return r;
  }
  static void Put(int32_t v, std::initializer_list<FoundationRecord> records) {
    testmodel::SetList(v, 0, records);
  }
};

TEST_F(FoundationInputTest, AddsTheSegmentAsClickedWithThePaletteClass) {
  CurrentVariant = 1;
  Put(1, {Segment(3, 3, 3, 9, 0)});
  FoundationPaletteType = 2;
  EXPECT_EQ(InputFoundation(12, 7, 5, 7), 1);
  ASSERT_EQ(FoundationCount[1][0], 2);
  EXPECT_EQ(Foundations[1][0][0], Segment(3, 3, 3, 9, 0));
  EXPECT_EQ(Foundations[1][0][1], Segment(12, 7, 5, 7, 2));  // ends kept in the order clicked
  EXPECT_EQ(FoundationCount[0][0], 0);
  EXPECT_EQ(FoundationCount[2][0], 0);
  EXPECT_EQ(window.invalidations, 1);
  EXPECT_TRUE(MainWindow.BmodoruEnabled);

  // A diagonal segment overlapping nothing, and one on the same line with another class: both kept.
  FoundationPaletteType = 0;
  EXPECT_EQ(InputFoundation(3, 3, 3, 6), 1);
  EXPECT_EQ(InputFoundation(20, 20, 24, 30), 1);
  EXPECT_EQ(FoundationCount[1][0], 4);
  EXPECT_EQ(Foundations[1][0][2], Segment(3, 3, 3, 6, 0));
}

TEST_F(FoundationInputTest, RefusalsLeaveTheModelAsItWas) {
  const struct {
    const char* what;
    int32_t storey;
    int32_t x1, y1, x2, y2;
    bool message;
    bool repaint;
  } cases[] = {
      {"the same point twice", 0, 8, 8, 8, 8, false, true},
      {"second storey", 1, 2, 2, 6, 2, true, true},
      {"third storey", 2, 2, 2, 6, 2, true, true},
      {"same point on the second storey", 1, 4, 4, 4, 4, false, true},
      {"a point off the grid", 0, 2, 2, 200, 2, false, false},
      {"a negative index", 0, -1, 2, 6, 2, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetModel(ResetForStartUp);
    SetMainWindowPort(&window);
    window.invalidations = 0;
    Put(0, {Segment(2, 2, 6, 2, 1)});
    CurrentStorey = c.storey;
    if (c.message) boxes.Expect(FoundationStoreyCaption, IDOK);
    const size_t shown = boxes.Calls().size();
    EXPECT_EQ(InputFoundation(c.x1, c.y1, c.x2, c.y2), 0);
    EXPECT_EQ(boxes.Calls().size() - shown, c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(boxes.Calls().back().text, FoundationStoreyMessage);
      EXPECT_EQ(boxes.Calls().back().flags, 16);
    }
    EXPECT_EQ(window.invalidations, c.repaint ? 1 : 0);
    ASSERT_EQ(FoundationCount[0][0], 1);
    EXPECT_EQ(Foundations[0][0][0], Segment(2, 2, 6, 2, 1));
    for (int s = 1; s < 3; ++s) EXPECT_EQ(FoundationCount[0][s], 0);
    EXPECT_FALSE(MainWindow.BmodoruEnabled);
  }
}

TEST_F(FoundationInputTest, PickingTheEndsAgainDeletesTheFirstMatchOnly) {
  Put(0, {Segment(1, 1, 5, 1, 0), Segment(5, 1, 5, 6, 1), Segment(6, 1, 9, 1, 2), Segment(5, 6, 5, 1, 2)});
  EXPECT_EQ(InputFoundation(5, 6, 5, 1), 1);  // ends reversed against the stored record 1
  ASSERT_EQ(FoundationCount[0][0], 3);
  EXPECT_EQ(Foundations[0][0][0], Segment(1, 1, 5, 1, 0));
  EXPECT_EQ(Foundations[0][0][1], Segment(6, 1, 9, 1, 2));
  EXPECT_EQ(Foundations[0][0][2], Segment(5, 6, 5, 1, 2));
  EXPECT_EQ(window.invalidations, 1);

  // The deletion is undone and redone like any edit.
  UndoStep();
  ASSERT_EQ(FoundationCount[0][0], 4);
  EXPECT_EQ(Foundations[0][0][1], Segment(5, 1, 5, 6, 1));
  RedoStep();
  EXPECT_EQ(FoundationCount[0][0], 3);
}

TEST_F(FoundationInputTest, AFullStoreyRefusesSilentlyButStillDeletes) {
  for (int32_t k = 0; k < MaxFoundationsPerStorey; ++k)
    Foundations[0][0][k] = Segment(k % 199, 0, k % 199 + 1, 0, 1);
  FoundationCount[0][0] = MaxFoundationsPerStorey;
  EXPECT_EQ(InputFoundation(10, 40, 20, 40), 0);  // no message: the fixture fails on any box
  EXPECT_EQ(FoundationCount[0][0], MaxFoundationsPerStorey);
  EXPECT_EQ(window.invalidations, 0);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);

  EXPECT_EQ(InputFoundation(1, 0, 0, 0), 1);  // record 0, (0, 0)-(1, 0), picked end first
  EXPECT_EQ(FoundationCount[0][0], MaxFoundationsPerStorey - 1);
  EXPECT_EQ(InputFoundation(10, 40, 20, 40), 1);
  EXPECT_EQ(FoundationCount[0][0], MaxFoundationsPerStorey);
  EXPECT_EQ(Foundations[0][0][MaxFoundationsPerStorey - 1], Segment(10, 40, 20, 40, 1));
}

TEST_F(FoundationInputTest, ADamagedCountNeverReachesOutsideTheList) {
  FoundationCount[0][0] = 5000;  // read from a damaged file: counts as full
  EXPECT_EQ(InputFoundation(1, 1, 2, 2), 0);
  EXPECT_EQ(FoundationCount[0][0], 5000);
  FoundationCount[0][0] = -7;  // counts as empty
  EXPECT_EQ(InputFoundation(1, 1, 2, 2), 1);
  EXPECT_EQ(FoundationCount[0][0], 1);
  EXPECT_EQ(Foundations[0][0][0], Segment(1, 1, 2, 2, 1));
}

TEST_F(FoundationInputTest, AnAddedSegmentIsUndoneAndRedone) {
  EXPECT_EQ(FoundationPaletteType, 1);  // 基礎Ⅱ after the reset
  ASSERT_EQ(InputFoundation(4, 4, 9, 4), 1);
  ASSERT_EQ(InputFoundation(9, 4, 9, 8), 1);
  UndoStep();
  ASSERT_EQ(FoundationCount[0][0], 1);
  EXPECT_EQ(Foundations[0][0][0], Segment(4, 4, 9, 4, 1));
  UndoStep();
  EXPECT_EQ(FoundationCount[0][0], 0);
  RedoStep();
  RedoStep();
  ASSERT_EQ(FoundationCount[0][0], 2);
  EXPECT_EQ(Foundations[0][0][1], Segment(9, 4, 9, 8, 1));
}

}  // namespace
