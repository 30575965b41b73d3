// The left turn of the whole model: axes, every point of every kind, column
// sections, wall faces and free-line offsets; four turns give the model back.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "editing/ModelRotation.h"
#include "editing/SlotCopy.h"
#include "files/ProjectFile.h"
#include "model/ElementPoints.h"

namespace {

using RotationTest = ModelTest;

WallRecord Wall(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  WallRecord w{};
  w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
  w.PanelLeft = 3, w.PanelRight = 7;
  w.FurringLeft = 1, w.FurringRight = 2;
  return w;
}

TEST_F(RotationTest, WallsTurnAndAWallComingToRunAlongXChangesItsFaces) {
  struct Case {
    WallRecord before;
    int32_t x1, y1, x2, y2;
    bool facesExchanged;
  } cases[] = {
      {Wall(10, 20, 10, 30), 20, 189, 30, 189, true},   // along Y before
      {Wall(10, 20, 15, 20), 20, 189, 20, 184, false},  // along X before
      {Wall(10, 20, 15, 25), 20, 189, 25, 184, true},   // diagonal
  };
  for (const Case& c : cases) {
    ResetModel(ResetForStartUp);
    WallCount[1][2] = 1;
    Walls[1][2][0] = c.before;
    ASSERT_TRUE(RotateModelLeft());
    const WallRecord& w = Walls[1][2][0];
    EXPECT_EQ(w.X1, c.x1);
    EXPECT_EQ(w.Y1, c.y1);
    EXPECT_EQ(w.X2, c.x2);
    EXPECT_EQ(w.Y2, c.y2);
    EXPECT_EQ(w.PanelLeft, c.facesExchanged ? 7 : 3) << c.before.X2;
    EXPECT_EQ(w.FurringRight, c.facesExchanged ? 1 : 2) << c.before.X2;
  }
}

TEST_F(RotationTest, AxesTurn) {
  // Uneven X axes: a 2 m first gap.
  for (int i = 1; i < 200; ++i) GridAxisX[i] = 2.0 + (i - 1) * 0.91;
  GridAxisKindX[0] = 2;
  GridAxisKindY[5] = 1;
  const double lastX = GridAxisX[199];
  ASSERT_TRUE(RotateModelLeft());
  EXPECT_DOUBLE_EQ(GridAxisX[5], 5 * 0.91);
  EXPECT_EQ(GridAxisKindX[5], 1);
  // Y(i) = oldX(199) - oldX(199 - i): the old first gap is now the last one.
  EXPECT_DOUBLE_EQ(GridAxisY[0], 0.0);
  EXPECT_DOUBLE_EQ(GridAxisY[198], 198 * 0.91);
  EXPECT_DOUBLE_EQ(GridAxisY[199], lastX);
  EXPECT_EQ(GridAxisKindY[199], 2);
}

TEST_F(RotationTest, ColumnSectionsKeepTheirMeaning) {
  // SectionY 0 is "the same as X"; otherwise class + 1.
  struct Case {
    int32_t x, y, turnedX, turnedY;
  } cases[] = {
      {2, 0, 2, 0},  // square column
      {1, 4, 3, 2},  // 1 by 3 becomes 3 by 1
      {5, 6, 5, 6},  // stated as the same class both ways
  };
  for (const Case& c : cases) {
    int32_t x = c.x, y = c.y;
    TurnColumnSections(x, y);
    EXPECT_EQ(x, c.turnedX) << c.x << "," << c.y;
    EXPECT_EQ(y, c.turnedY) << c.x << "," << c.y;
  }
}

TEST_F(RotationTest, FourTurnsGiveTheModelBack) {
  // Every kind in every variant and storey, with distinct points.
  SetEveryCount(2);
  int32_t n = 0;
  ForEachVariantRecord([&](auto& record) {
    ForEachPointOf(record, [&](int32_t& x, int32_t& y) {
      x = n % 200;
      y = (n * 7 + 3) % 200;
      ++n;
    });
  });
  Columns[0][0][0].SectionX = 1, Columns[0][0][0].SectionY = 4;
  Walls[2][1][1].PanelLeft = 5, Walls[2][1][1].FurringRight = 2;
  FreeLines[1][0][0].OffsetX1 = 0.3, FreeLines[1][0][0].OffsetY1 = -0.2, FreeLines[1][0][0].OffsetX2 = 1.5;
  // Uneven axes in steps that double arithmetic keeps exact.
  for (int i = 0; i < 200; ++i) GridAxisX[i] = i * 0.75;
  for (int i = 1; i < 200; ++i) GridAxisY[i] = 0.5 + i * 0.25;
  GridAxisKindX[17] = 2;
  const std::vector<unsigned char> before = WriteProjectFile();

  for (int turn = 0; turn < 4; ++turn) ASSERT_TRUE(RotateModelLeft());
  // The whole project, grid and every record of every kind, byte for byte.
  EXPECT_EQ(WriteProjectFile(), before);
}

TEST_F(RotationTest, OneTurnTurnsFreeLineOffsetsAndEmptiesTheUndoRing) {
  FreeLineCount[0][0] = 1;
  FreeLines[0][0][0] = FreeLineRecord{0, 1, 2, 3, 4, 0.5, -0.25, 1.0, 2.0};
  PushUndo();
  ASSERT_TRUE(RotateModelLeft());
  const FreeLineRecord& f = FreeLines[0][0][0];
  EXPECT_EQ(f.OffsetX1, -0.25);
  EXPECT_EQ(f.OffsetY1, -0.5);
  EXPECT_EQ(f.OffsetX2, 2.0);
  EXPECT_EQ(f.OffsetY2, -1.0);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
}

TEST_F(RotationTest, AnIndexAlreadyOffTheGridRefusesTheTurn) {
  ColumnCount[0][0] = 1;
  Columns[0][0][0] = ColumnRecord{0, 10, 20, 1};
  GableWallCount[2][2] = 1;
  GableWalls[2][2][0] = GableWallRecord{0, 5, 5, 200, 5};
  boxes.Expect("データ移動不可", IDOK);
  EXPECT_FALSE(RotateModelLeft());
  EXPECT_EQ(boxes.Calls().back().text.rfind("グリッドの外に在るデータがあるため", 0), 0u);
  EXPECT_EQ(Columns[0][0][0].X, 10);
  EXPECT_EQ(GridAxisX[1], 0.91);
}

}  // namespace
