// Gable wall input: on any storey of the current variant, added with the
// palette's five settings, deleted by picking their two ends again (in either
// order), refused silently at 300 per storey; every change can be undone.
// The model reset leaves the palette alone.
#include <gtest/gtest.h>

#include "InputRoutineFixture.h"
#include "editing/GableWallInput.h"
#include "model/ViewState.h"
#include "presentation/PaletteState.h"

namespace {

class GableWallInputTest : public InputRoutineTest {
 protected:
  void SetUp() override {
    InputRoutineTest::SetUp();
    GablePalette = {0, 1, 0.0, 0.0, 0.0};  // the start values; no reset puts them back
  }
  static GableWallRecord Gable(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t shape = 0) {
    GableWallRecord r{};
    r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.Shape = shape, r.WeightClass = 1;
    return r;
  }
};

TEST_F(GableWallInputTest, TheFirstGableAfterStartUpTakesThePaletteStartValues) {
  CurrentStorey = 2;  // any storey, the third included
  EXPECT_EQ(InputGableWall(7, 3, 2, 3), 1);
  ASSERT_EQ(GableWallCount[0][2], 1);
  EXPECT_EQ(GableWalls[0][2][0], Gable(7, 3, 2, 3));  // 片流れ, 軽い, zero weight, slope, height
  EXPECT_EQ(window.invalidations, 1);
  EXPECT_TRUE(MainWindow.BmodoruEnabled);
}

TEST_F(GableWallInputTest, EveryPaletteSettingGoesIntoTheRecord) {
  GablePalette = {2, 1, 0.45, 950.0, 1.8};  // a weight typed under 軽い is kept all the same
  ResetModel(ResetForNewProject);           // File > New leaves the palette as it is
  SetMainWindowPort(&window);
  CurrentVariant = 2;
  CurrentStorey = 1;
  ASSERT_EQ(InputGableWall(10, 10, 10, 14), 1);
  const GableWallRecord& r = GableWalls[2][1][0];
  EXPECT_EQ(r.Shape, 2);
  EXPECT_EQ(r.WeightClass, 1);
  EXPECT_DOUBLE_EQ(r.Slope, 0.45);
  EXPECT_DOUBLE_EQ(r.Weight, 950.0);
  EXPECT_DOUBLE_EQ(r.Height, 1.8);
  EXPECT_EQ(GableWallCount[0][1], 0);
  EXPECT_EQ(GableWallCount[1][1], 0);
}

TEST_F(GableWallInputTest, RefusalsLeaveTheModelAsItWas) {
  const struct {
    const char* what;
    int32_t x1, y1, x2, y2;
    int repaints;
  } cases[] = {
      {"the same point twice", 5, 5, 5, 5, 1},
      {"a point off the grid", 5, 5, 5, 200, 0},
      {"a negative index", -2, 5, 5, 9, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    window.invalidations = 0;
    GableWallCount[0][0] = 1;
    GableWalls[0][0][0] = Gable(1, 1, 4, 1);
    EXPECT_EQ(InputGableWall(c.x1, c.y1, c.x2, c.y2), 0);
    EXPECT_EQ(window.invalidations, c.repaints);
    ASSERT_EQ(GableWallCount[0][0], 1);
    EXPECT_EQ(GableWalls[0][0][0], Gable(1, 1, 4, 1));
    EXPECT_FALSE(MainWindow.BmodoruEnabled);
  }
}

TEST_F(GableWallInputTest, PickingTheEndsAgainDeletesTheFirstMatchOnly) {
  CurrentStorey = 1;
  const GableWallRecord list[] = {Gable(2, 2, 2, 8, 0), Gable(2, 8, 9, 8, 1), Gable(9, 8, 2, 8, 2),
                                  Gable(3, 3, 4, 4, 0)};
  for (int k = 0; k < 4; ++k) GableWalls[0][1][k] = list[k];
  GableWallCount[0][1] = 4;
  EXPECT_EQ(InputGableWall(9, 8, 2, 8), 1);  // reversed against record 1, same as record 2
  ASSERT_EQ(GableWallCount[0][1], 3);
  EXPECT_EQ(GableWalls[0][1][0], list[0]);
  EXPECT_EQ(GableWalls[0][1][1], list[2]);
  EXPECT_EQ(GableWalls[0][1][2], list[3]);
  EXPECT_EQ(window.invalidations, 1);
  UndoStep();
  ASSERT_EQ(GableWallCount[0][1], 4);
  EXPECT_EQ(GableWalls[0][1][1], list[1]);
}

TEST_F(GableWallInputTest, AFullStoreyRefusesSilentlyButStillDeletes) {
  for (int32_t k = 0; k < MaxGableWallsPerStorey; ++k)
    GableWalls[0][0][k] = Gable(k % 150, 0, k % 150 + 1, 1);
  GableWallCount[0][0] = MaxGableWallsPerStorey;
  EXPECT_EQ(InputGableWall(20, 50, 30, 50), 0);  // no message: the fixture fails on any box
  EXPECT_EQ(GableWallCount[0][0], MaxGableWallsPerStorey);
  EXPECT_EQ(window.invalidations, 0);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  EXPECT_EQ(InputGableWall(1, 1, 0, 0), 1);  // record 0
  EXPECT_EQ(InputGableWall(20, 50, 30, 50), 1);
  EXPECT_EQ(GableWallCount[0][0], MaxGableWallsPerStorey);
  EXPECT_EQ(GableWalls[0][0][MaxGableWallsPerStorey - 1], Gable(20, 50, 30, 50));

  GableWallCount[0][0] = 1000;  // damaged: counts as full
  EXPECT_EQ(InputGableWall(40, 50, 60, 50), 0);
  EXPECT_EQ(GableWallCount[0][0], 1000);
}

TEST_F(GableWallInputTest, AnAddedGableIsUndoneAndRedone) {
  ASSERT_EQ(InputGableWall(4, 4, 9, 4), 1);
  UndoStep();
  EXPECT_EQ(GableWallCount[0][0], 0);
  RedoStep();
  ASSERT_EQ(GableWallCount[0][0], 1);
  EXPECT_EQ(GableWalls[0][0][0], Gable(4, 4, 9, 4));
}

}  // namespace
