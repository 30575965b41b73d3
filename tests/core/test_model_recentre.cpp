// Recentring: the question only for a model off the middle by 2 m or more,
// a shift in whole axes that always exceeds the offset, every index of every
// kind moved with the axes, nothing changed when an element would leave the
// grid, and an undo ring emptied once the model has moved.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ModelFixture.h"
#include "editing/ModelRecentre.h"
#include "editing/SlotCopy.h"
#include "model/ElementPoints.h"
#include "model/ModelExtents.h"

namespace {

const char* const kQuestionCaption = "データ位置の問い合わせ";

class RecentreTest : public ModelTest {
 protected:
  static void PutColumn(int32_t x, int32_t y) { testmodel::AddColumn(0, 0, x, y); }
};

TEST_F(RecentreTest, OneColumnFarFromTheMiddleEndsNearIt) {
  // Grid middle 181.09 / 2 = 90.545 m; column at X(20) = 18.2 m, Y(180) = 163.8 m.
  // dx = 72.345: 79 x 0.91 = 71.89 is not more, 80 x 0.91 = 72.8 is.
  // dy = -73.255: -80 x 0.91 = -72.8 is not less, -81 x 0.91 = -73.71 is.
  PutColumn(20, 180);
  UpdateUsedExtents();
  EXPECT_FALSE(ModelIsCentred());
  const RecentreShift shift = RecentreShiftOfModel();
  EXPECT_EQ(shift.X, 80);
  EXPECT_EQ(shift.Y, -81);

  boxes.Expect(kQuestionCaption, IDYES);
  EXPECT_EQ(RecentreModel(), RecentreResult::Moved);
  EXPECT_EQ(boxes.Calls().at(0).flags, 36);
  EXPECT_EQ(Columns[0][0][0].X, 100);
  EXPECT_EQ(Columns[0][0][0].Y, 99);
  EXPECT_EQ(GridAxisX[0], 0.0);
  EXPECT_EQ(GridAxisY[0], 0.0);
  // The axes that came in lie at the module pitch before the old axis 0.
  EXPECT_NEAR(GridAxisX[80] - GridAxisX[79], 0.91, 1e-9);
  EXPECT_NEAR(GridAxisY[199] - GridAxisY[118], 81 * 0.91, 1e-9);
  UpdateUsedExtents();
  EXPECT_TRUE(ModelIsCentred());
}

TEST_F(RecentreTest, ToleranceIsTwoMetresEachWayAndACentredDirectionStillMovesByAxes) {
  // Module 1 m: grid middle 99.5 m. Each case puts two columns whose middle
  // lies (offX, offY) metres from it (Y grows downward).
  struct Case {
    int32_t x1, x2, y1, y2;  // column indices
    bool centred;
    int32_t shiftX, shiftY;
  } cases[] = {
      // 1.5 m right, 3 m above: asked for Y; X moves too, by -2 (-1 m is not past -1.5 m).
      {100, 102, 95, 98, false, -2, 4},
      // 1.5 m right and 1.5 m below: centred.
      {100, 102, 100, 102, true, 0, 0},
      // exactly 2 m left: the tolerance is strict.
      {97, 98, 99, 100, false, 3, 1},
  };
  for (const Case& c : cases) {
    GridModule = 1.0;
    ResetModel(ResetForStartUp);
    PutColumn(c.x1, c.y1);
    PutColumn(c.x2, c.y2);
    UpdateUsedExtents();
    EXPECT_EQ(ModelIsCentred(), c.centred) << c.x1;
    if (c.centred) continue;
    const RecentreShift shift = RecentreShiftOfModel();
    EXPECT_EQ(shift.X, c.shiftX) << c.x1;
    EXPECT_EQ(shift.Y, c.shiftY) << c.x1;
  }
}

TEST_F(RecentreTest, AxisShiftForUnevenAxesAndTheEnds) {
  double axes[200];
  for (int i = 0; i < 200; ++i) axes[i] = i * 0.91;
  axes[1] = 3.0;  // the first gap is 3 m wide
  for (int i = 2; i < 200; ++i) axes[i] += 3.0 - 0.91;
  EXPECT_EQ(AxisShiftFor(axes, 0.0), 1);
  EXPECT_EQ(AxisShiftFor(axes, 2.99), 1);
  EXPECT_EQ(AxisShiftFor(axes, 3.0), 2);
  EXPECT_EQ(AxisShiftFor(axes, 1e6), 200);
  EXPECT_EQ(AxisShiftFor(axes, -0.5), -1);
  EXPECT_EQ(AxisShiftFor(axes, -1e6), -200);
}

TEST_F(RecentreTest, AnEmptyModelIsNotAskedAbout) {
  UpdateUsedExtents();
  EXPECT_EQ(RecentreModel(), RecentreResult::Centred);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(RecentreTest, NoKeepsTheModel) {
  PutColumn(20, 180);
  UpdateUsedExtents();
  boxes.Expect(kQuestionCaption, IDNO);
  EXPECT_EQ(RecentreModel(), RecentreResult::Declined);
  EXPECT_EQ(Columns[0][0][0].X, 20);
  EXPECT_EQ(GridAxisX[1], 0.91);
}

TEST_F(RecentreTest, EveryIndexOfEveryKindInEveryVariantMoves) {
  SetEveryCount(1);
  ForEachVariantRecord(
      [](auto& record) { ForEachPointOf(record, [](int32_t& x, int32_t& y) { x = 10, y = 20; }); });
  ASSERT_TRUE(ShiftModel({5, -7}));
  int points = 0;
  ForEachVariantRecord([&](auto& record) {
    ForEachPointOf(record, [&](int32_t x, int32_t y) {
      EXPECT_EQ(x, 15);
      EXPECT_EQ(y, 13);
      ++points;
    });
  });
  // 3 variants x 3 storeys x (1 column + 9 two-point kinds x 2 + 2 triangles x 3).
  EXPECT_EQ(points, 9 * (1 + 18 + 6));
}

TEST_F(RecentreTest, AModelTooWideIsReportedAndNothingChanges) {
  // With the column at (20, 180) the shift is (80, -81). Two columns spanning
  // every X axis centre the model in X, yet the shift is at least one axis.
  // A text label or free line (kinds that do not count for the extents) at
  // the right edge would leave the grid as well.
  struct Case {
    const char* what;
    void (*put)();
  } cases[] = {
      {"columns",
       [] {
         PutColumn(0, 180);
         PutColumn(199, 180);
       }},
      {"text label",
       [] {
         TextLabelCount[2][1] = 1;
         TextLabels[2][1][0] = TextLabelRecord{0, 60, 150, 199, 150};
       }},
      {"free line",
       [] {
         FreeLineCount[1][0] = 1;
         FreeLines[1][0][0] = FreeLineRecord{0, 199, 150, 198, 150};
       }},
  };
  for (const Case& c : cases) {
    ResetModel(ResetForStartUp);
    PutColumn(20, 180);
    c.put();
    UpdateUsedExtents();
    // A snapshot in the ring survives a refused move.
    PushUndo();
    const std::vector<unsigned char> before(
        reinterpret_cast<unsigned char*>(&GridAxisX[0]),
        reinterpret_cast<unsigned char*>(&GridAxisX[0]) + sizeof GridAxisX);
    const int32_t textX = TextLabels[2][1][0].X2;
    boxes.Expect(kQuestionCaption, IDYES).Expect("データ移動不可", IDOK);
    EXPECT_EQ(RecentreModel(), RecentreResult::TooWide) << c.what;
    EXPECT_EQ(boxes.Calls().back().text,
              "データの範囲が大き過ぎて位置の移動が出来ません。\n\n移動しないで続けます。");
    EXPECT_EQ(boxes.Calls().back().flags, 16);
    EXPECT_EQ(Columns[0][0][0].X, 20) << c.what;
    EXPECT_EQ(TextLabels[2][1][0].X2, textX) << c.what;
    EXPECT_EQ(std::memcmp(before.data(), GridAxisX, sizeof GridAxisX), 0) << c.what;
    EXPECT_TRUE(MainWindow.BmodoruEnabled) << c.what;
  }
}

TEST_F(RecentreTest, AMoveEmptiesTheUndoRing) {
  PutColumn(20, 180);
  PushUndo();
  ASSERT_TRUE(MainWindow.BmodoruEnabled);
  ASSERT_TRUE(ShiftModel({80, -81}));
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  UndoStep();  // nothing to restore: the column stays on the new grid
  EXPECT_EQ(Columns[0][0][0].X, 100);
}

}  // namespace
