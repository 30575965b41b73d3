// Axis names over the model extent: main axes "X%2i" counted from 0 or 1,
// auxiliary axes (kinds 1 and 2) "X%2i-%1i" after a main axis and "XX-%1i"
// before one; Y axes counted from the bottom. The main axis numbered 0 is the
// origin axis; numbering from 1 leaves the origin axis as it was.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "ModelFixture.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/PendingMessages.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"

namespace {

struct Name {
  int32_t axis;
  const char* name;
};

class GridAxisLabelsTest : public ModelTest {
 protected:
  static void SetExtent(int32_t minX, int32_t maxX, int32_t minY, int32_t maxY) {
    ModelExtentMinX = minX, ModelExtentMaxX = maxX, ModelExtentMinY = minY, ModelExtentMaxY = maxY;
  }
  static void SetKinds(int32_t* kinds, int32_t first, std::initializer_list<int32_t> values) {
    for (int32_t k : values) kinds[first++] = k;
  }
  static void ExpectNames(const char16_t (*names)[GridAxisNameCapacity],
                          std::initializer_list<Name> expected) {
    for (const Name& n : expected) EXPECT_EQ(U8(names[n.axis]), n.name) << "axis " << n.axis;
  }
  static int CountNamed() {
    int named = 0;
    for (auto& n : GridAxisNameX) named += n[0] != 0;
    for (auto& n : GridAxisNameY) named += n[0] != 0;
    return named;
  }
};

TEST_F(GridAxisLabelsTest, XNamesAndOrigin) {
  struct Case {
    const char* name;
    int32_t numbering;
    std::initializer_list<int32_t> kinds;  // of X axes 20, 21, ...
    int32_t maxX;
    std::initializer_list<Name> names;
    int32_t origin;
  } cases[] = {
      {"from 0", 0, {0, 1, 0, 0}, 23, {{20, "X 0"}, {21, "X 0-1"}, {22, "X 1"}, {23, "X 2"}}, 20},
      {"from 1", 1, {0, 1, 0, 0}, 23, {{20, "X 1"}, {21, "X 1-1"}, {22, "X 2"}, {23, "X 3"}}, -7},
      {"from 1, both directions", 3, {0, 1, 0, 0}, 23, {{20, "X 1"}, {22, "X 2"}}, -7},
      {"from 0, Y from 1", 2, {0, 1, 0, 0}, 23, {{20, "X 0"}, {22, "X 1"}}, 20},
      {"auxiliary axes before the first main axis",
       0,
       {1, 2, 0, 1},
       23,
       {{20, "XX-1"}, {21, "XX-2"}, {22, "X 0"}, {23, "X 0-1"}},
       22},
      {"kind 2 counts with the auxiliary axes",
       0,
       {0, 2, 1, 2, 0},
       24,
       {{20, "X 0"}, {21, "X 0-1"}, {22, "X 0-2"}, {23, "X 0-3"}, {24, "X 1"}},
       20},
      {"two-digit numbers are not padded",
       1,
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
       31,
       {{28, "X 9"}, {29, "X10"}, {30, "X11"}, {31, "X11-1"}},
       -7},
      {"no main axis in the extent", 0, {1, 1, 1}, 22, {{20, "XX-1"}, {22, "XX-3"}}, -7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LayOutGridAtModule();
    SetKinds(GridAxisKindX, 20, c.kinds);
    ProjectSettings.AxisNumbering = c.numbering;
    SetExtent(20, c.maxX, 5, 6);
    GridOriginAxisX = -7;
    LabelGridAxes();
    ExpectNames(GridAxisNameX, c.names);
    EXPECT_EQ(GridOriginAxisX, c.origin);
    EXPECT_EQ(U8(GridAxisNameX[19]), "") << "left of the extent";
    EXPECT_EQ(U8(GridAxisNameX[c.maxX + 1]), "") << "right of the extent";
  }
}

TEST_F(GridAxisLabelsTest, YNamesFromTheBottom) {
  struct Case {
    const char* name;
    int32_t numbering;
    std::initializer_list<int32_t> kinds;  // of Y axes 10, 11, ... (top down)
    std::initializer_list<Name> names;
    int32_t origin;
  } cases[] = {
      {"all main, from 0", 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {{18, "Y 0"}, {17, "Y 1"}, {10, "Y 8"}}, 18},
      {"from 1", 2, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {{18, "Y 1"}, {10, "Y 9"}}, -7},
      {"X from 1 leaves Y from 0", 1, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {{18, "Y 0"}}, 18},
      {"auxiliary axes at the bottom",
       0,
       {0, 0, 0, 0, 0, 0, 0, 2, 1},
       {{18, "YY-1"}, {17, "YY-2"}, {16, "Y 0"}, {15, "Y 1"}, {10, "Y 6"}},
       16},
      {"auxiliary axes above a main axis",
       0,
       {0, 1, 0, 0, 0, 0, 0, 1, 0},
       {{18, "Y 0"}, {17, "Y 0-1"}, {16, "Y 1"}, {12, "Y 5"}, {11, "Y 5-1"}, {10, "Y 6"}},
       18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LayOutGridAtModule();
    SetKinds(GridAxisKindY, 10, c.kinds);
    ProjectSettings.AxisNumbering = c.numbering;
    SetExtent(3, 4, 10, 18);
    GridOriginAxisY = -7;
    LabelGridAxes();
    ExpectNames(GridAxisNameY, c.names);
    EXPECT_EQ(GridOriginAxisY, c.origin);
    EXPECT_EQ(U8(GridAxisNameY[9]), "") << "above the extent";
    EXPECT_EQ(U8(GridAxisNameY[19]), "") << "below the extent";
  }
}

TEST_F(GridAxisLabelsTest, ExtentWithoutAreaNamesNothing) {
  struct Case {
    const char* name;
    void (*build)();
  } cases[] = {
      {"empty model", [] { UpdateUsedExtents(); }},  // extent 199..0 in both directions
      {"a single wall along Y",
       [] {
         WallCount[1][2] = 1;
         Walls[1][2][0] = WallRecord{0, 5, 3, 5, 9};
         UpdateUsedExtents();  // X extent 5..5
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForNewProject);
    // Names of an earlier labelling must not survive.
    SetExtent(0, 10, 0, 10);
    LabelGridAxes();
    ASSERT_GT(CountNamed(), 0);
    GridOriginAxisX = 4;
    GridOriginAxisY = 6;
    c.build();
    LabelGridAxes();
    EXPECT_EQ(CountNamed(), 0);
    EXPECT_EQ(GridOriginAxisX, 4);
    EXPECT_EQ(GridOriginAxisY, 6);
  }
}

TEST_F(GridAxisLabelsTest, ExtentFromTheModel) {
  // A floor rectangle on storey 2 of plan 2 spans X 7..9 and Y 3..5.
  RoofFloorRectCount[2][1] = 1;
  RoofFloorRects[2][1][0] = RoofFloorRectRecord{0, 9, 3, 7, 5};
  UpdateUsedExtents();
  LabelGridAxes();
  ExpectNames(GridAxisNameX, {{7, "X 0"}, {9, "X 2"}});
  ExpectNames(GridAxisNameY, {{5, "Y 0"}, {3, "Y 2"}});
  EXPECT_EQ(GridOriginAxisX, 7);
  EXPECT_EQ(GridOriginAxisY, 5);
  EXPECT_EQ(CountNamed(), 6);
}

TEST_F(GridAxisLabelsTest, ExtentOffTheGridIsNamedWhereItHasAxes) {
  // Indices from a damaged file: X -3..2 names axes 0..2, Y 190..250 names axes 199 up to 190.
  SetExtent(-3, 2, 190, 250);
  LabelGridAxes();
  ExpectNames(GridAxisNameX, {{0, "X 0"}, {2, "X 2"}});
  ExpectNames(GridAxisNameY, {{199, "Y 0"}, {190, "Y 9"}});
  EXPECT_EQ(GridOriginAxisX, 0);
  EXPECT_EQ(GridOriginAxisY, 199);
  EXPECT_EQ(CountNamed(), 13);
}

// The narrow-spacing warning: any pair of neighbouring axes 0.1 m apart or
// closer, over the whole grid, named lower number first; a Y pair wins over
// every X pair. Queued once per arming, never shown from inside the paint.
std::string NarrowSpacingText(const char* first, const char* second) {
  return std::string("(") + first + " )-(" + second +
         " )の間隔が0."
         "1未満です。\n\n入力ミスの場合は削除して下さい。\n\n通り芯の設定まで、このメッセージは表示されません"
         "。";
}

TEST_F(GridAxisLabelsTest, NarrowSpacingWarningNamesThePair) {
  struct Case {
    const char* name;
    void (*narrow)();
    const char* first;  // as "%5s"
    const char* second;
  } cases[] = {
      // Extent X 20..23, Y 5..6, all main axes at 0.91 m: axis 20 "X 0", axis 6 "Y 0", axis 5 "Y 1".
      {"X pair inside the extent", [] { GridAxisX[21] = GridAxisX[20] + 0.05; }, "  X 0", "  X 1"},
      {"the first X pair, outside the extent", [] { GridAxisX[1] = 0.09; }, "     ", "     "},
      {"X axes that do not increase", [] { GridAxisX[23] = GridAxisX[22] - 0.5; }, "  X 2", "  X 3"},
      {"the last narrow X pair is reported",
       [] {
         GridAxisX[21] = GridAxisX[20] + 0.05;
         GridAxisX[23] = GridAxisX[22] + 0.01;
       },
       "  X 2", "  X 3"},
      {"a Y pair, lower axis first, wins over X",
       [] {
         GridAxisX[21] = GridAxisX[20] + 0.05;
         GridAxisY[6] = GridAxisY[5] + 0.08;
       },
       "  Y 0", "  Y 1"},
      {"an auxiliary axis has a long name",
       [] {
         GridAxisKindX[21] = GridAxisAuxiliary;
         GridAxisX[21] = GridAxisX[20] + 0.05;
       },
       "  X 0", "X 0-1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LayOutGridAtModule();
    c.narrow();
    SetExtent(20, 23, 5, 6);
    ClearPendingMessages();
    GridSpacingCheckPending = 1;
    LabelGridAxes();
    ASSERT_EQ(PendingMessageCount(), 1);
    EXPECT_EQ(std::string(PendingMessageAt(0).Text), NarrowSpacingText(c.first, c.second));
    EXPECT_STREQ(PendingMessageAt(0).Caption, "通り芯データの確認");
    EXPECT_EQ(PendingMessageAt(0).Flags, 64);
    EXPECT_EQ(GridSpacingCheckPending, 0);
  }
}

TEST_F(GridAxisLabelsTest, NarrowSpacingWarningComesOncePerArming) {
  LayOutGridAtModule();
  GridAxisX[31] = GridAxisX[30] + 0.099;
  ClearPendingMessages();
  GridSpacingCheckPending = 1;

  // An empty model keeps the check pending.
  SetExtent(199, 0, 199, 0);
  LabelGridAxes();
  EXPECT_EQ(PendingMessageCount(), 0);
  EXPECT_EQ(GridSpacingCheckPending, 1);

  SetExtent(20, 23, 5, 6);
  LabelGridAxes();
  EXPECT_EQ(PendingMessageCount(), 1);
  EXPECT_EQ(GridSpacingCheckPending, 0);
  ClearPendingMessages();  // shown after the paint
  for (int paint = 0; paint < 3; ++paint) {
    LabelGridAxes();
    EXPECT_EQ(PendingMessageCount(), 0) << "paint " << paint;
  }

  GridSpacingCheckPending = 1;  // File > Open, a new model, a grid click
  LabelGridAxes();
  EXPECT_EQ(PendingMessageCount(), 1);
  EXPECT_EQ(GridSpacingCheckPending, 0);
}

TEST_F(GridAxisLabelsTest, SpacingOfAtLeastATenthIsNotNarrow) {
  LayOutGridAtModule();
  GridAxisX[31] = GridAxisX[30] + 0.11;
  GridAxisY[8] = GridAxisY[7] + 0.125;  // 0.125 is exact in binary
  ClearPendingMessages();
  GridSpacingCheckPending = 1;
  SetExtent(20, 23, 5, 6);
  LabelGridAxes();
  EXPECT_EQ(PendingMessageCount(), 0);
  EXPECT_EQ(GridSpacingCheckPending, 1);
}

}  // namespace
