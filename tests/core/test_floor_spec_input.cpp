// Floor-specification input: a new rectangle or triangle takes the code
// floor row + 32 x brace row of the palette; picking an existing one (a
// rectangle from either diagonal, a triangle by its points in any order)
// deletes it whatever the palette holds. Refusals are silent and leave the
// model and the undo ring as they were; a full storey still deletes.
#include <gtest/gtest.h>

#include "InputRoutineFixture.h"
#include "editing/FloorSpecInput.h"
#include "model/ViewState.h"
#include "presentation/PaletteState.h"

namespace {

class FloorSpecInputTest : public InputRoutineTest {
 protected:
  void SetUp() override {
    InputRoutineTest::SetUp();
    testmodel::UseOneMetreGrid();
    CurrentVariant = 1;
    CurrentStorey = 2;
  }
  static int32_t& Rects() { return FloorSpecRectCount[1][2]; }
  static int32_t& Triangles() { return FloorSpecTriangleCount[1][2]; }
};

TEST_F(FloorSpecInputTest, TheCodePacksFloorAndBraceRows) {
  EXPECT_EQ(FloorSpecPaletteSpec, 12);  // after the reset
  EXPECT_EQ(FloorSpecPaletteBrace, 0);
  const struct {
    int32_t floorRow, brace, code;
  } cases[] = {{12, 0, 12}, {0, 1, 32}, {21, 14, 21 + 32 * 14}, {5, 3, 101}};
  int32_t x = 0;
  for (const auto& c : cases) {
    FloorSpecPaletteSpec = c.floorRow, FloorSpecPaletteBrace = c.brace;
    ASSERT_EQ(InputFloorSpecRect(x, 0, x + 1, 3), 1);
    EXPECT_EQ(FloorSpecRects[1][2][Rects() - 1].SpecCode, c.code);
    EXPECT_EQ(FloorSpecRowOf(c.code), c.floorRow);
    EXPECT_EQ(BraceRowOf(c.code), c.brace);
    x += 2;
  }
  EXPECT_EQ(FloorSpecCode(21, 14), 469);
}

TEST_F(FloorSpecInputTest, PickingAnAreaAgainDeletesItWhateverThePaletteHolds) {
  ASSERT_EQ(InputFloorSpecRect(2, 6, 5, 3), 1);
  FloorSpecPaletteSpec = 1, FloorSpecPaletteBrace = 7;
  const int32_t top = UndoTop;
  EXPECT_EQ(InputFloorSpecRect(5, 6, 2, 3), 1);  // the other diagonal
  EXPECT_EQ(Rects(), 0);
  EXPECT_NE(UndoTop, top);
  EXPECT_EQ(InputFloorSpecRect(2, 6, 5, 3), 1);
  ASSERT_EQ(Rects(), 1);
  EXPECT_EQ(FloorSpecRects[1][2][0].SpecCode, 1 + 32 * 7);

  ASSERT_EQ(InputFloorSpecTriangle(1, 1, 5, 1, 3, 5), 1);
  EXPECT_EQ(InputFloorSpecTriangle(1, 5, 5, 1, 3, 1), 1);  // same index sets, other points: added
  EXPECT_EQ(Triangles(), 2);
  EXPECT_EQ(InputFloorSpecTriangle(3, 5, 1, 1, 5, 1), 1);  // the first one's points
  ASSERT_EQ(Triangles(), 1);
  EXPECT_EQ(FloorSpecTriangles[1][2][0].X1, 1);
  EXPECT_EQ(FloorSpecTriangles[1][2][0].Y1, 5);
}

TEST_F(FloorSpecInputTest, RefusalsAreSilentAndLeaveTheUndoRingAlone) {
  GridAxisY[4] = GridAxisY[3];
  const int32_t top = UndoTop;
  EXPECT_EQ(InputFloorSpecRect(1, 1, 1, 4), 0);
  EXPECT_EQ(InputFloorSpecRect(1, 3, 5, 4), 0);  // zero area
  EXPECT_EQ(InputFloorSpecRect(1, 3, 5, -1), 0);
  EXPECT_EQ(InputFloorSpecTriangle(1, 1, 2, 2, 3, 3), 0);
  EXPECT_EQ(InputFloorSpecTriangle(1, 1, 1, 1, 3, 5), 0);
  EXPECT_EQ(InputFloorSpecTriangle(1, 3, 5, 4, 9, 3), 0);  // zero area in metres
  EXPECT_EQ(Rects(), 0);
  EXPECT_EQ(Triangles(), 0);
  EXPECT_EQ(UndoTop, top);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
}

TEST_F(FloorSpecInputTest, AFullStoreyRefusesNewAreasButDeletes) {
  for (int32_t k = 0; k < MaxFloorSpecRectsPerStorey; ++k) FloorSpecRects[1][2][k] = {0, k, 0, k + 1, 1, 12};
  Rects() = MaxFloorSpecRectsPerStorey;
  EXPECT_EQ(InputFloorSpecRect(0, 5, 3, 8), 0);
  EXPECT_EQ(Rects(), MaxFloorSpecRectsPerStorey);
  EXPECT_EQ(InputFloorSpecRect(8, 1, 7, 0), 1);
  EXPECT_EQ(Rects(), MaxFloorSpecRectsPerStorey - 1);
  EXPECT_EQ(FloorSpecRects[1][2][7].X1, 8);
}

}  // namespace
