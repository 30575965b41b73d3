// Adding, respacing and deleting grid axes. Guards: every index of every
// element kind, variant and storey follows its axis; the undo snapshots are
// never renumbered, so the ring is emptied instead; the grid keeps 200
// increasing axes; every refusal changes nothing and no index leaves 0..199.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "ModelFixture.h"
#include "editing/GridAxisEditing.h"
#include "editing/SlotCopy.h"
#include "model/ElementPoints.h"
#include "model/ViewState.h"

namespace {

constexpr double kModule = 0.91;

struct Point {
  int32_t x, y;
  bool operator==(const Point&) const = default;
};

// The points of record i of every kind in (variant, storey), kind by kind.
std::vector<std::vector<Point>> PointsOf(int variant, int storey, int i) {
  std::vector<std::vector<Point>> kinds;
#define QUILMORA_COLLECT(kind, Record, records, count, swapBlock, max)                                    \
  {                                                                                                       \
    std::vector<Point> points;                                                                            \
    ForEachPointOf(records[variant][storey][i], [&](int32_t x, int32_t y) { points.push_back({x, y}); }); \
    kinds.push_back(points);                                                                              \
  }
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_COLLECT)
#undef QUILMORA_COLLECT
  return kinds;
}

// Two records of every kind in (variant, storey): record 0 with every point at
// (before, before), record 1 with its points at (at + p, at + p), p = 0, 1, 2.
void PutTwoOfEveryKind(int variant, int storey, int32_t before, int32_t at) {
#define QUILMORA_PUT(kind, Record, records, count, swapBlock, max)                                  \
  count[variant][storey] = 2;                                                                       \
  records[variant][storey][0] = Record{};                                                           \
  records[variant][storey][1] = Record{};                                                           \
  ForEachPointOf(records[variant][storey][0], [&](int32_t& x, int32_t& y) { x = y = before; });     \
  {                                                                                                 \
    int32_t p = 0;                                                                                  \
    ForEachPointOf(records[variant][storey][1], [&](int32_t& x, int32_t& y) { x = y = at + p++; }); \
  }
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_PUT)
#undef QUILMORA_PUT
}

class GridAxisEditingTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    SetAxisPrompt([this] {
      ++prompts;
      shownOldSpacing = AxisPromptOldSpacing;
      shownValue = AxisPromptValue;
      AxisPromptValue = answerValue;
      AxisPromptResult = answerResult;
    });
  }
  void TearDown() override {
    SetAxisPrompt(nullptr);
    ModelTest::TearDown();
  }

  // The prompt answered with value and result.
  int32_t Edit(int32_t mode, int32_t kx, int32_t ky, double value = 0, int32_t result = AxisPromptMainAxis) {
    GridEditMode = mode;
    answerValue = value;
    answerResult = result;
    return EditGridAxis(kx, ky);
  }

  int prompts = 0;
  double shownOldSpacing = 0, shownValue = 0;
  double answerValue = 0;
  int32_t answerResult = 0;
};

struct GridCopy {
  double x[200], y[200];
  int32_t kx[200], ky[200];
  static GridCopy Now() {
    GridCopy g;
    std::memcpy(g.x, GridAxisX, sizeof g.x);
    std::memcpy(g.y, GridAxisY, sizeof g.y);
    std::memcpy(g.kx, GridAxisKindX, sizeof g.kx);
    std::memcpy(g.ky, GridAxisKindY, sizeof g.ky);
    return g;
  }
  bool operator==(const GridCopy& o) const {
    return !std::memcmp(x, o.x, sizeof x) && !std::memcmp(y, o.y, sizeof y) &&
           !std::memcmp(kx, o.kx, sizeof kx) && !std::memcmp(ky, o.ky, sizeof ky);
  }
};

TEST_F(GridAxisEditingTest, AddingAnAxisRaisesTheIndicesFromItsIntervalOnInEveryKindVariantAndStorey) {
  const struct {
    int32_t mode;
    int variant, storey;
  } cases[] = {{GridEditAddX, 0, 0}, {GridEditAddX, 2, 1}, {GridEditAddY, 1, 2}, {GridEditAddY, 2, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode * 10 + c.variant);
    ResetModel(ResetForStartUp);
    // Interval 30 (axes 29..30): points on axis 29 stay, points on 30.. move on.
    PutTwoOfEveryKind(c.variant, c.storey, 29, 30);
    PutTwoOfEveryKind(FirstUndoSlot, 0, 29, 30);  // an undo snapshot
    const bool x = c.mode == GridEditAddX;
    ASSERT_EQ(Edit(c.mode, x ? 30 : 201, x ? 201 : 30, 0.3), 1);

    const auto before = PointsOf(c.variant, c.storey, 0);
    const auto after = PointsOf(c.variant, c.storey, 1);
    for (int k = 0; k < ElementKindCount; ++k) {
      SCOPED_TRACE(k);
      for (const Point& p : before[k]) EXPECT_EQ(p, (Point{29, 29}));
      // 30, 31, 32 become 31, 32, 33 in the edited direction only.
      for (size_t p = 0; p < after[k].size(); ++p) {
        const int32_t old = 30 + static_cast<int32_t>(p);
        EXPECT_EQ(after[k][p], (Point{x ? old + 1 : old, x ? old : old + 1}));
      }
      ASSERT_FALSE(after[k].empty());
      EXPECT_EQ(PointsOf(FirstUndoSlot, 0, 1)[k].front(), (Point{30, 30}));  // snapshots are not renumbered
    }
  }
}

TEST_F(GridAxisEditingTest, AddedAxisLiesInItsIntervalWithTheKindOfTheAnswer) {
  const struct {
    int32_t mode;
    double value;
    int32_t result;
    double position;  // of the new axis 30 (the interval is 29 x 0.91 .. 30 x 0.91)
    int32_t kind;
  } cases[] = {
      {GridEditAddX, 0.3, AxisPromptMainAxis, 26.39 + 0.3, 0},
      {GridEditAddX, -0.2, AxisPromptAuxiliary, 26.39 + 0.71, 1},   // 0.2 left of the right axis
      {GridEditAddX, 0.5, AxisPromptOutsideChain, 26.39 + 0.5, 2},  // 寸法表示 gives kind 2
      {GridEditAddY, 0.3, AxisPromptMainAxis, 27.3 - 0.3, 0},       // 0.3 above the lower axis
      {GridEditAddY, -0.2, AxisPromptAuxiliary, 27.3 - 0.71, 1},    // 0.2 below the upper axis
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    ResetModel(ResetForStartUp);
    GridAxisKindX[198] = GridAxisKindY[198] = 2;
    const bool x = c.mode == GridEditAddX;
    prompts = 0;
    ASSERT_EQ(Edit(c.mode, x ? 30 : 5, x ? 5 : 30, c.value, c.result), 1);
    EXPECT_EQ(prompts, 1);
    EXPECT_NEAR(shownOldSpacing, 0.91, 1e-12);
    EXPECT_DOUBLE_EQ(shownValue, kModule / 2);  // the add prompt proposes half the module
    const double* axes = x ? GridAxisX : GridAxisY;
    const int32_t* kinds = x ? GridAxisKindX : GridAxisKindY;
    EXPECT_NEAR(axes[30], c.position, 1e-9);
    EXPECT_EQ(kinds[30], c.kind);
    EXPECT_NEAR(axes[29], 29 * kModule, 1e-9);
    EXPECT_NEAR(axes[31], 30 * kModule, 1e-9);
    // Old axis 198 moved to 199 with its kind; old axis 199 fell off.
    EXPECT_NEAR(axes[199], 198 * kModule, 1e-9);
    EXPECT_EQ(kinds[199], 2);
    // The other direction is untouched.
    EXPECT_NEAR((x ? GridAxisY : GridAxisX)[30], 30 * kModule, 1e-9);
  }
}

// Past the middle the axes after the interval move; up to it the axes
// before it move, and then the whole grid moves back so that axis 0 lies at
// 0 m again (the view scrolls by as much, so on the screen the far half
// stays): in metres from axis 0 the axes after the interval move in both cases.
TEST_F(GridAxisEditingTest, ChangingASpacingMovesTheFarHalfOfTheGrid) {
  const struct {
    int32_t mode;
    int32_t k;
    double value;
    int32_t movedFrom, movedTo;  // axes moved
    double by;
    double gridMove;  // LastGridEditMove in the direction
  } cases[] = {
      {GridEditChangeX, 150, 1.00, 150, 199, 0.09, 0},  // 1.00 - 0.91 to the right
      // Axes 0..49 move 0.09 left, then every axis 0.09 right.
      {GridEditChangeX, 50, 1.00, 50, 199, 0.09, 0.09},
      {GridEditChangeY, 101, 0.5, 101, 199, -0.41, 0},  // 0.5 - 0.91
      // Axes 0..99 move 0.41 down the axis, then every axis 0.41 back.
      {GridEditChangeY, 100, 0.5, 100, 199, -0.41, -0.41},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.k);
    ResetModel(ResetForStartUp);
    PutTwoOfEveryKind(1, 1, 40, 160);
    const bool x = c.mode == GridEditChangeX;
    ASSERT_EQ(Edit(c.mode, x ? c.k : 201, x ? 201 : c.k, c.value), 1);
    EXPECT_DOUBLE_EQ(shownValue, kModule);  // the change prompt proposes the module
    const double* axes = x ? GridAxisX : GridAxisY;
    for (int32_t i = 0; i < 200; ++i) {
      const bool moved = i >= c.movedFrom && i <= c.movedTo;
      ASSERT_NEAR(axes[i], i * kModule + (moved ? c.by : 0), 1e-9) << i;
    }
    EXPECT_NEAR(axes[c.k] - axes[c.k - 1], c.value, 1e-9);
    EXPECT_NEAR(x ? LastGridEditMove.X : LastGridEditMove.Y, c.gridMove, 1e-12);
    EXPECT_EQ(x ? LastGridEditMove.Y : LastGridEditMove.X, 0.0);
    EXPECT_EQ(PointsOf(1, 1, 1)[0].front(), (Point{160, 160}));  // no index changes
  }
}

TEST_F(GridAxisEditingTest, DeletingAnEmptyAxisClosesTheGapTowardsTheNearerEnd) {
  // X axis 30 (lower half): axes 0..29 move up to 1..30, a new axis 0 one
  // module before the old one, every X index below 30 goes up by one; then
  // the grid moves one module right, so that axis 0 lies at 0 m again.
  GridAxisKindX[0] = 2;
  GridAxisKindX[29] = 1;
  PutTwoOfEveryKind(2, 1, 10, 31);
  ASSERT_EQ(Edit(GridEditDelete, 30, 200), 1);
  EXPECT_EQ(prompts, 0);
  EXPECT_NEAR(GridAxisX[0], 0.0, 1e-12);
  EXPECT_NEAR(GridAxisX[1], kModule, 1e-12);
  EXPECT_NEAR(GridAxisX[30], (29 + 1) * kModule, 1e-9);
  EXPECT_NEAR(GridAxisX[31], (31 + 1) * kModule, 1e-9);
  EXPECT_NEAR(LastGridEditMove.X, kModule, 1e-12);
  EXPECT_EQ(GridAxisKindX[0], 0);
  EXPECT_EQ(GridAxisKindX[1], 2);
  EXPECT_EQ(GridAxisKindX[30], 1);
  EXPECT_EQ(PointsOf(2, 1, 0)[0].front(), (Point{11, 10}));
  EXPECT_EQ(PointsOf(2, 1, 1)[5], (std::vector<Point>{{31, 31}, {32, 32}, {33, 33}}));

  // Y axis 150 (upper half): axes 151..199 move down to 150..198, a new axis
  // 199 one module after 198, every Y index above 150 goes down by one.
  PutTwoOfEveryKind(0, 2, 150 - 1, 151);
  GridAxisKindY[151] = 1;
  ASSERT_EQ(Edit(GridEditDelete, 200, 150), 1);
  EXPECT_EQ(LastGridEditMove.Y, 0.0);
  EXPECT_NEAR(GridAxisY[149], 149 * kModule, 1e-9);
  EXPECT_NEAR(GridAxisY[150], 151 * kModule, 1e-9);
  EXPECT_NEAR(GridAxisY[198], 199 * kModule, 1e-9);
  EXPECT_NEAR(GridAxisY[199], 200 * kModule, 1e-9);
  EXPECT_EQ(GridAxisKindY[150], 1);
  EXPECT_EQ(PointsOf(0, 2, 0)[1].front(), (Point{149, 149}));
  EXPECT_EQ(PointsOf(0, 2, 1)[4], (std::vector<Point>{{151, 150}, {152, 151}}));
}

TEST_F(GridAxisEditingTest, AClickNearTwoEmptyAxesDeletesBoth) {
  ASSERT_EQ(Edit(GridEditDelete, 120, 20), 1);
  EXPECT_NEAR(GridAxisX[120], 121 * kModule, 1e-9);
  // Y axis 20 lies in the lower half: the old axis 0 becomes axis 1, one
  // module after the new axis 0 at 0 m.
  EXPECT_NEAR(GridAxisY[0], 0.0, 1e-12);
  EXPECT_NEAR(GridAxisY[1], kModule, 1e-12);
}

// Elements on the first axes of the grid: an edit in the lower half moves the
// axes before the edit; the grid then moves as a whole so that axis 0 lies at
// 0 m, where the sheet begins. Every element keeps its place relative to the
// others and lies on the sheet.
TEST_F(GridAxisEditingTest, AnEditInTheLowerHalfKeepsEveryElementOnTheSheet) {
  const struct {
    const char* what;
    int32_t mode, kx, ky;
    double value;
    double movedX, movedY;  // every element, m
  } cases[] = {
      // Axes 0..2 (the elements) move up by one index, 0.91 m right with the grid.
      {"delete X axis 40", GridEditDelete, 40, 200, 0, kModule, 0},
      {"delete Y axis 3", GridEditDelete, 200, 3, 0, 0, kModule},
      // Interval 50 from 0.91 to 2.00: axes 0..49 move 1.09 m left, then the
      // grid moves 1.09 m right: the elements stay.
      {"widen X interval 50", GridEditChangeX, 50, 201, 2.00, 0, 0},
      // Interval 10 from 0.91 to 0.30: axes 0..9 move 0.61 m down the axis,
      // then every axis 0.61 m back: the elements stay.
      {"narrow Y interval 10", GridEditChangeY, 201, 10, 0.30, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetModel(ResetForStartUp);
    PutTwoOfEveryKind(0, 0, 0, 0);  // points on axes 0, 1 and 2
    std::vector<std::pair<double, double>> before;
    ForEachVariantRecord([&](auto& record) {
      ForEachPointOf(record, [&](int32_t x, int32_t y) { before.emplace_back(GridAxisX[x], GridAxisY[y]); });
    });
    ASSERT_EQ(Edit(c.mode, c.kx, c.ky, c.value), 1);
    EXPECT_EQ(GridAxisX[0], 0.0);
    EXPECT_EQ(GridAxisY[0], 0.0);
    std::size_t n = 0;
    ForEachVariantRecord([&](auto& record) {
      ForEachPointOf(record, [&](int32_t x, int32_t y) {
        ASSERT_LT(n, before.size());
        EXPECT_GE(GridAxisX[x], 0.0);
        EXPECT_GE(GridAxisY[y], 0.0);
        EXPECT_NEAR(GridAxisX[x], before[n].first + c.movedX, 1e-9);
        EXPECT_NEAR(GridAxisY[y], before[n].second + c.movedY, 1e-9);
        ++n;
      });
    });
    EXPECT_EQ(n, before.size());
  }
}

TEST_F(GridAxisEditingTest, RefusalsChangeNothing) {
  struct Case {
    const char* what;
    int32_t mode, kx, ky;
    double value;
    int32_t result;
    std::vector<int> answers;  // of the questions, in order
    const char* message;       // the last box shown, nullptr for none
  };
  const char* zero = "入力値（＝０ or 空白）は無効です。";
  const char* large =
      "入力値が大きすぎです。\n\n入力値を直します　－－　はい\n\nこのまま入力する　－－　いいえ";
  const char* beyond = "軸間距離より大きい入力値は無効です。";
  const char* small =
      "入力値が小さすぎです。\n\n入力値を直します　－－　はい\n\nこのまま入力する　－－　いいえ";
  const char* inUse = "データの在る軸は消去出来ません。";
  const char* last = "最後の通り芯にデータが在るため、通り芯を追加出来ません。";
  const Case cases[] = {
      {"cancelled", GridEditAddX, 30, 201, 0.3, AxisPromptCancelled, {}, nullptr},
      {"zero", GridEditAddX, 30, 201, 0, AxisPromptMainAxis, {}, zero},
      {"zero change", GridEditChangeY, 201, 30, 0, AxisPromptMainAxis, {}, zero},
      // Interval 1 (axes 0..1) is exactly 0.91 wide.
      {"the spacing", GridEditAddX, 1, 201, 0.91, AxisPromptMainAxis, {}, beyond},
      // -1.0 from the right is 0.09 left of the left axis: refused, not placed outside.
      {"beyond from the right", GridEditAddY, 201, 30, -1.0, AxisPromptMainAxis, {}, beyond},
      {"on the left axis", GridEditAddX, 1, 201, -0.91, AxisPromptMainAxis, {}, beyond},
      {"near the right axis, corrected", GridEditAddX, 30, 201, 0.85, AxisPromptMainAxis, {IDYES}, large},
      {"large change, corrected", GridEditChangeX, 30, 201, 5.0, AxisPromptMainAxis, {IDYES}, large},
      {"negative change",
       GridEditChangeX,
       30,
       201,
       -0.5,
       AxisPromptMainAxis,
       {},
       "マイナス値は入力出来ません。"},
      {"small, corrected", GridEditChangeX, 30, 201, 0.05, AxisPromptMainAxis, {IDYES}, small},
      {"element on the last X axis", GridEditAddX, 30, 201, 0.3, AxisPromptMainAxis, {}, last},
      {"used X axis", GridEditDelete, 60, 200, 0, 0, {}, inUse},
      // X axis 20 is empty, Y axis 70 is not: neither is deleted.
      {"used Y axis of the pair", GridEditDelete, 20, 70, 0, 0, {}, inUse},
      {"interval 0", GridEditAddX, 0, 201, 0.3, AxisPromptMainAxis, {}, nullptr},
      {"interval 200", GridEditChangeX, 200, 5, 0.3, AxisPromptMainAxis, {}, nullptr},
      {"interval 201", GridEditAddY, 5, 201, 0.3, AxisPromptMainAxis, {}, nullptr},
      {"negative interval", GridEditChangeY, 5, -3, 0.3, AxisPromptMainAxis, {}, nullptr},
      {"axis beyond 200", GridEditDelete, 201, 10, 0, 0, {}, nullptr},
      {"no axis", GridEditDelete, 200, 200, 0, 0, {}, nullptr},
      {"unknown mode", 5, 30, 30, 0.3, AxisPromptMainAxis, {}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetModel(ResetForStartUp);
    // A text label of a retrofit plan on X axis 60 and Y axis 70; in the
    // last-axis case a column of the second plan on X axis 199.
    TextLabelCount[1][2] = 1;
    TextLabels[1][2][0] = TextLabelRecord{};
    TextLabels[1][2][0].X1 = 60, TextLabels[1][2][0].Y1 = 3;
    TextLabels[1][2][0].X2 = 4, TextLabels[1][2][0].Y2 = 70;
    Columns[2][0][0] = ColumnRecord{};
    if (c.message == last) {
      ColumnCount[2][0] = 1;
      Columns[2][0][0].X = 199;
    }
    PushUndo();
    const GridCopy grid = GridCopy::Now();
    for (int answer : c.answers) boxes.Expect("入力値確認", answer);
    if (c.message && c.answers.empty()) boxes.Expect(IDOK);
    const size_t shown = boxes.Calls().size();
    prompts = 0;
    EXPECT_EQ(Edit(c.mode, c.kx, c.ky, c.value, c.result), 0);
    EXPECT_TRUE(GridCopy::Now() == grid);
    EXPECT_EQ(TextLabels[1][2][0].X1, 60);
    EXPECT_EQ(TextLabels[1][2][0].Y2, 70);
    EXPECT_EQ(Columns[2][0][0].X, c.message == last ? 199 : 0);
    EXPECT_TRUE(MainWindow.BmodoruEnabled);  // nothing changed, the history stays
    if (c.message) {
      ASSERT_GT(boxes.Calls().size(), shown);
      EXPECT_EQ(boxes.Calls().back().text, c.message);
      const int flags = c.message == inUse || c.message == last ? 32 : c.answers.empty() ? 64 : 68;
      EXPECT_EQ(boxes.Calls().back().flags, flags);
    } else {
      EXPECT_EQ(boxes.Calls().size(), shown);
    }
    // The last axis is checked before the user is asked for a distance.
    if (c.message == last) {
      EXPECT_EQ(prompts, 0);
    }
  }
}

TEST_F(GridAxisEditingTest, AnsweringNoToAQuestionKeepsTheValue) {
  const struct {
    int32_t mode;
    double value;
    const char* question;
    double width;  // of interval 30 (X) afterwards, or of the new interval 30
  } cases[] = {
      {GridEditAddX, 0.85, "入力値が大きすぎです。", 0.85},
      {GridEditChangeX, 5.0, "入力値が大きすぎです。", 5.0},
      {GridEditAddX, 0.05, "入力値が小さすぎです。", 0.05},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    ResetModel(ResetForStartUp);
    boxes.Expect("入力値確認", IDNO);
    ASSERT_EQ(Edit(c.mode, 30, 201, c.value), 1);
    EXPECT_EQ(boxes.Calls().back().text.rfind(c.question, 0), 0u);
    EXPECT_NEAR(GridAxisX[30] - GridAxisX[29], c.width, 1e-9);
  }
}

TEST_F(GridAxisEditingTest, EveryEditEmptiesTheUndoRingSoNoUndoBringsBackOldIndices) {
  const struct {
    int32_t mode, kx, ky;
  } cases[] = {{GridEditAddX, 30, 201}, {GridEditChangeY, 201, 30}, {GridEditDelete, 20, 200}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    ResetModel(ResetForStartUp);
    ColumnCount[0][0] = 1;
    Columns[0][0][0].X = 40;
    PushUndo();  // a snapshot with the column on axis 40
    ColumnCount[0][0] = 2;
    Columns[0][0][1].X = 50;
    ASSERT_TRUE(MainWindow.BmodoruEnabled);
    ASSERT_EQ(Edit(c.mode, c.kx, c.ky, 0.3), 1);
    EXPECT_FALSE(MainWindow.BmodoruEnabled);
    const int32_t x = Columns[0][0][0].X;
    UndoStep();
    EXPECT_EQ(ColumnCount[0][0], 2);
    EXPECT_EQ(Columns[0][0][0].X, x);
  }
}

TEST_F(GridAxisEditingTest, WithoutAPromptTheEditCountsAsCancelled) {
  SetAxisPrompt(nullptr);
  const GridCopy grid = GridCopy::Now();
  GridEditMode = GridEditAddX;
  EXPECT_EQ(EditGridAxis(30, 201), 0);
  EXPECT_TRUE(GridCopy::Now() == grid);
}

TEST(AxisPromptTexts, ShowNumbersAndTheListOfProposals) {
  GridModule = 0.91;
  EXPECT_EQ(AxisPromptNumberText(0.91), "0.91");
  EXPECT_EQ(AxisPromptNumberText(26.390000001), "26.39");
  EXPECT_EQ(AxisPromptNumberText(0.455), "0.455");
  EXPECT_EQ(AxisSpacingItem(0), " 0.758");  // 0.91 x 0.83333333
  EXPECT_EQ(AxisSpacingItem(4), " 0.152");
  EXPECT_EQ(AxisSpacingItem(5), "-0.152");
  EXPECT_EQ(AxisSpacingItem(9), "-0.758");
  EXPECT_STREQ(AxisPromptTextsOf(GridEditAddY).Memo3, "　マイナス値は上からの距離↑");
  EXPECT_STREQ(AxisPromptTextsOf(GridEditDelete).Caption, "Ｙ座標変更");
  EXPECT_FALSE(AxisPromptTextsOf(GridEditChangeX).CheckBoxesEnabled);
}

}  // namespace
