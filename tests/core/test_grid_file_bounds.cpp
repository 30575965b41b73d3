// Every edit of the grid keeps each axis where a project file can hold it
// (FileNumberBounds.GridPosition, measured from the origin and from axis 0):
// an edit just inside the bound is made, also after 「入力値が大きすぎです」
// answered いいえ; one beyond it is refused with a message naming the field
// and the range, grid and elements as they were.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "ModelFixture.h"
#include "editing/GridAxisEditing.h"
#include "editing/GridModuleChange.h"
#include "editing/ModelRecentre.h"
#include "editing/ModelRotation.h"
#include "model/GridFileBounds.h"
#include "model/ModelExtents.h"
#include "model/ModelValidation.h"
#include "model/ViewState.h"

namespace {

constexpr double kPitch = 0.91;  // the start module; axis 199 lies at 199 x 0.91 = 181.09 m

struct GridCopy {
  double x[200], y[200];
  int32_t kx[200], ky[200];
  double module;
  static GridCopy Now() {
    GridCopy g;
    std::memcpy(g.x, GridAxisX, sizeof g.x);
    std::memcpy(g.y, GridAxisY, sizeof g.y);
    std::memcpy(g.kx, GridAxisKindX, sizeof g.kx);
    std::memcpy(g.ky, GridAxisKindY, sizeof g.ky);
    g.module = GridModule;
    return g;
  }
  bool operator==(const GridCopy& o) const {
    return !std::memcmp(x, o.x, sizeof x) && !std::memcmp(y, o.y, sizeof y) &&
           !std::memcmp(kx, o.kx, sizeof kx) && !std::memcmp(ky, o.ky, sizeof ky) && module == o.module;
  }
};

// Axes i x pitch, the last interval `last` wide instead.
void LayOut(double* axes, double pitch, double last) {
  for (int i = 0; i < 200; ++i) axes[i] = i * pitch;
  axes[199] = axes[198] + last;
}

class GridFileBoundsTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    SetAxisPrompt([this] {
      AxisPromptValue = answer;
      AxisPromptResult = AxisPromptMainAxis;
    });
  }
  void TearDown() override {
    SetAxisPrompt(nullptr);
    ModelTest::TearDown();
  }

 public:
  ScriptedMessageBox& Boxes() { return boxes; }
  bool EditAxis(int32_t mode, int32_t kx, int32_t ky, double value) {
    GridEditMode = mode;
    answer = value;
    return EditGridAxis(kx, ky) == 1;
  }
  double answer = 0;
};

TEST_F(GridFileBoundsTest, TheRefusalNamesTheFieldAndTheRange) {
  EXPECT_EQ(GridTooLargeText("軸間距離", "入力"),
            "軸間距離が大きすぎて、通り芯の位置が範囲（±10000 m）を超えます。\n\n入力出来ません。");
}

TEST_F(GridFileBoundsTest, EditsUpToTheBoundAreMadeAndEditsBeyondItAreRefused) {
  const std::string spacing = GridTooLargeText("軸間距離", "入力");
  const std::string length = GridTooLargeText("通り芯の全長", "通り芯を消去");
  const std::string adding = GridTooLargeText("通り芯の全長", "通り芯を追加");
  const std::string module = GridTooLargeText("モジュール値", "モジュールを変更");
  const std::string turning = GridTooLargeText("通り芯の全長", "建物を回転");
  using Edit = std::function<bool(GridFileBoundsTest&)>;
  const auto change = [](int32_t mode, int32_t k, double v) -> Edit {
    return [=](GridFileBoundsTest& t) {
      t.Boxes().Expect("入力値確認", IDNO);  // 入力値が大きすぎです: keep the value
      const bool x = mode == GridEditChangeX;
      return t.EditAxis(mode, x ? k : 201, x ? 201 : k, v);
    };
  };
  const struct Case {
    const char* what;
    std::function<void()> grid;  // after the reset
    Edit edit;
    const std::string* refusal;  // null: the edit is made
    double lastX, lastY;         // axis 199 afterwards, when made
  } cases[] = {
      // 181.09 - 0.91 + 9818.91 = 9999.09
      {"X interval 150 respaced to 9818.91 m", [] {}, change(GridEditChangeX, 150, 9818.91), nullptr, 9999.09,
       181.09},
      // 181.09 - 0.91 + 9820 = 10000.18
      {"X interval 150 respaced to 9820 m", [] {}, change(GridEditChangeX, 150, 9820), &spacing},
      {"X interval 150 respaced to 3e7 m", [] {}, change(GridEditChangeX, 150, 3e7), &spacing},
      // The axes before interval 50 move: axis 0 goes to -9818 m, and the
      // whole grid back, to the same lengths as above.
      {"Y interval 50 respaced to 9818.91 m", [] {}, change(GridEditChangeY, 50, 9818.91), nullptr, 181.09,
       9999.09},
      {"Y interval 50 respaced to 9820 m", [] {}, change(GridEditChangeY, 50, 9820), &spacing},
      // Deleting axis 150 adds an axis one module beyond axis 199.
      {"X axis 150 deleted, axis 199 at 9999 m", [] { LayOut(GridAxisX, kPitch, 9999 - 198 * kPitch); },
       [](GridFileBoundsTest& t) { return t.EditAxis(GridEditDelete, 150, 200, 0); }, nullptr, 9999.91,
       181.09},
      {"X axis 150 deleted, axis 199 at 9999.5 m", [] { LayOut(GridAxisX, kPitch, 9999.5 - 198 * kPitch); },
       [](GridFileBoundsTest& t) { return t.EditAxis(GridEditDelete, 150, 200, 0); }, &length},
      // Axis 0 goes one module below 0; the grid moves back by as much.
      {"X and Y axis 50 deleted, Y axis 199 at 9999.5 m",
       [] { LayOut(GridAxisY, kPitch, 9999.5 - 198 * kPitch); },
       [](GridFileBoundsTest& t) { return t.EditAxis(GridEditDelete, 50, 50, 0); }, &length},
      // A file may hold axis 0 at -9900 m: with axis 0 back at 0 axis 199
      // would lie at 10081.09 m, which the file could not hold.
      {"an axis added to a grid 10081 m long", [] { GridAxisX[0] = -9900; },
       [](GridFileBoundsTest& t) { return t.EditAxis(GridEditAddX, 30, 201, 0.3); }, &adding},
      // Module 0.6 to 1.82: 198 x 1.82 + 3300 = 3660.36 keeping the wide
      // interval; 3300 x 1.82 / 0.6 = 10010 in proportion.
      {"the module 1.82 keeping the widths",
       [] {
         GridModule = 0.6;
         LayOut(GridAxisX, 0.6, 3300);
         LayOut(GridAxisY, 0.6, 3300);
       },
       [](GridFileBoundsTest&) { return ChangeGridModuleFromText("1.82", ModuleSpacingRule::Keep); }, nullptr,
       3660.36, 3660.36},
      {"the module 1.82 in proportion",
       [] {
         GridModule = 0.6;
         LayOut(GridAxisX, 0.6, 3300);
         LayOut(GridAxisY, 0.6, 3300);
       },
       [](GridFileBoundsTest&) { return ChangeGridModuleFromText("1.82", ModuleSpacingRule::Proportional); },
       &module},
      // A file's module of 0: widths in proportion would be infinite.
      {"the module from 0 in proportion", [] { GridModule = 0; },
       [](GridFileBoundsTest&) { return ChangeGridModuleFromText("1.0", ModuleSpacingRule::Proportional); },
       &module},
      // The new Y axes are the old X axes from axis 199 back: 181.09 + 9800.
      {"a turn of a grid 9981.09 m long", [] { GridAxisX[0] = -9800; },
       [](GridFileBoundsTest&) { return RotateModelLeft(); }, nullptr, 181.09, 9981.09},
      {"a turn of a grid 10081.09 m long", [] { GridAxisX[0] = -9900; },
       [](GridFileBoundsTest&) { return RotateModelLeft(); }, &turning},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GridModule = DefaultGridModule;
    ResetModel(ResetForStartUp);
    c.grid();
    // A column on axis (40, 160) and one on (160, 40): respacing moves them
    // with their axes, a refusal leaves them where they were.
    ColumnCount[1][0] = 2;
    Columns[1][0][0] = ColumnRecord{0, 40, 160, 1};
    Columns[1][0][1] = ColumnRecord{0, 160, 40, 1};
    const GridCopy before = GridCopy::Now();
    if (c.refusal) boxes.Expect("入力値確認", IDOK);
    const size_t shown = boxes.Calls().size();
    const bool made = c.edit(*this);
    // What the reader accepts, made or refused.
    EXPECT_TRUE(IsGridWithinBounds(GridAxisX, GridAxisCountX, GridAxisY, GridAxisCountY, GridModule));
    if (c.refusal) {
      EXPECT_FALSE(made);
      EXPECT_TRUE(GridCopy::Now() == before);
      ASSERT_GT(boxes.Calls().size(), shown);
      EXPECT_EQ(boxes.Calls().back().text, *c.refusal);
      EXPECT_EQ(boxes.Calls().back().flags, MB_ICONINFORMATION);
      EXPECT_EQ(Columns[1][0][0].X, 40);
      EXPECT_EQ(Columns[1][0][1].Y, 40);
    } else {
      EXPECT_TRUE(made);
      EXPECT_TRUE(GridFitsProjectFile());
      EXPECT_NEAR(GridAxisX[199], c.lastX, 1e-6);
      EXPECT_NEAR(GridAxisY[199], c.lastY, 1e-6);
    }
  }
}

TEST_F(GridFileBoundsTest, ARecentringThatWouldCarryTheGridBeyondTheBoundIsRefused) {
  // A file's module of 100 m. The column on X axis 0 lies 90.545 m left of
  // the grid's middle, so the grid moves by 100 axes: axis 0 comes in at
  // -100 x 100 = -10000 m, and with axis 0 back at 0 the old axis 99 lies at
  // 10000 + 99 x 0.91 = 10090.09 m.
  GridModule = 100;
  ColumnCount[0][0] = 1;
  Columns[0][0][0] = ColumnRecord{0, 0, 100, 1};
  UpdateUsedExtents();
  const GridCopy before = GridCopy::Now();
  EXPECT_FALSE(ShiftModel(RecentreShiftOfModel()));
  EXPECT_TRUE(GridCopy::Now() == before);
  EXPECT_EQ(Columns[0][0][0].X, 0);

  boxes.Expect("データ位置の問い合わせ", IDYES).Expect("入力値確認", IDOK);
  EXPECT_EQ(RecentreModel(), RecentreResult::TooWide);
  EXPECT_EQ(boxes.Calls().back().text, GridTooLargeText("通り芯の全長", "位置を移動"));
  EXPECT_TRUE(GridCopy::Now() == before);

  // At a module of 1 m the same move is made: axis 0 at -100 m, the old
  // axis 99 at 100 + 90.09 m from it.
  GridModule = 1;
  ASSERT_TRUE(ShiftModel(RecentreShiftOfModel()));
  EXPECT_EQ(Columns[0][0][0].X, 100);
  EXPECT_NEAR(GridAxisX[199], 190.09, 1e-9);
  GridModule = DefaultGridModule;
}

}  // namespace
