// Clicks on the plan. Guards: a click snaps to the nearest axis, never to the
// far end of the grid; each mode completes its element with the right number
// of points and hands over the points in click order; a mode without its
// routine only collects points; the project is marked modified exactly when
// a click reaches a routine, a right click or the grid mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModelFixture.h"
#include "editing/ClickInput.h"
#include "editing/ColumnInput.h"
#include "editing/GridAxisEditing.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ViewState.h"

namespace {

// At 1/75 a metre is 53 pixels; the default module is 0.91 m, so axis i lies
// at 0.91 i m and the midpoint between axes 0 and 1 at 0.455 m = 24.1 px.
struct SnapCase {
  const char* name;
  double metres;
  int32_t expected;
};
const SnapCase kSnapCases[] = {
    {"left of the grid", -3.0, 0},
    {"on axis 0", 0.0, 0},
    {"before the 0/1 midpoint", 0.45, 0},
    {"exactly on the midpoint: the lower axis", 0.455, 0},
    {"after the 0/1 midpoint", 0.46, 1},
    {"on axis 5", 4.55, 5},
    {"just before the 198/199 midpoint (180.635)", 180.63, 198},
    {"after the 198/199 midpoint", 180.64, 199},
    {"right of the grid", 500.0, 199},
};

TEST(Snapping, NearestAxis) {
  GridModule = 0.91;
  LayOutGridAtModule();
  for (const SnapCase& c : kSnapCases)
    EXPECT_EQ(NearestAxis(GridAxisX, GridAxisCountX, c.metres), c.expected) << c.name;
}

TEST(Snapping, IntervalAndToleranceOfTheGridMode) {
  GridModule = 0.91;
  LayOutGridAtModule();
  struct Case {
    double metres;
    int32_t interval;  // 201: none
    int32_t axis;      // within 0.099375 m; 200: none
  };
  const Case cases[] = {
      {-0.09, 201, 0},                     // before axis 0, but within its tolerance
      {-0.1, 201, 200},                    // -0.1 < 0 - 0.099375
      {0.5, 1, 200},                       // between axes 0 and 1
      {0.91, 201, 1},                      // exactly on axis 1
      {0.95, 2, 1},       {1.01, 2, 200},  // 0.1 m right of axis 1: outside the tolerance
      {181.0, 199, 199},                   // axes 198 and 199 at 180.18 and 181.09
      {181.15, 201, 199},
  };
  PlanScaleDenominator = 75;
  PixelsPerMetre = 53;
  EXPECT_DOUBLE_EQ(GridClickTolerance(), 0.099375);  // 53 / 40000 x 75
  for (const Case& c : cases) {
    EXPECT_EQ(IntervalUnder(GridAxisX, GridAxisCountX, c.metres), c.interval) << c.metres;
    EXPECT_EQ(AxisWithin(GridAxisX, GridAxisCountX, c.metres, GridClickTolerance()), c.axis) << c.metres;
  }
}

// Records every routine call as text.
std::vector<std::string> gCalls;
std::string Join(std::initializer_list<int32_t> values) {
  std::string text;
  for (int32_t v : values) text += (text.empty() ? "" : ",") + std::to_string(v);
  return text;
}
int32_t One(int32_t x, int32_t y) {
  gCalls.push_back("1:" + Join({x, y}));
  return 1;
}
int32_t Two(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  gCalls.push_back("2:" + Join({x1, y1, x2, y2}));
  return 1;
}
int32_t Three(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) {
  gCalls.push_back("3:" + Join({x1, y1, x2, y2, x3, y3}));
  return 1;
}

class ClickInputTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    SetMainWindowPort(&window);
    for (int m = 0; m < EditModeInputCount; ++m) saved[m] = ClickInputRoutines[m];
    gCalls.clear();
    SetColumnChangeDialog(nullptr);
    PendingPointCount = 0;  // the model reset leaves a click sequence alone
    HoverState = HoverNothing;
  }
  void TearDown() override {
    for (int m = 0; m < EditModeInputCount; ++m) ClickInputRoutines[m] = saved[m];
    SetAxisPrompt(nullptr);
    ModelTest::TearDown();
  }
  void PlugStubs() {
    for (auto& routines : ClickInputRoutines) routines = {One, Two, Three};
  }
  // A click on grid point (i, j), a few pixels off the axes.
  static void Click(int32_t i, int32_t j, PlanMouseButton button = PlanMouseLeft) {
    PlanMouseUp(button, static_cast<int32_t>(i * 0.91 * 53) + 3, static_cast<int32_t>(j * 0.91 * 53) - 4);
  }

  RecordingMainWindow window;
  EditModeInput saved[EditModeInputCount];
};

TEST_F(ClickInputTest, ClickSnapsToTheNearestGridPoint) {
  CurrentEditMode = EditModeNone;
  struct Case {
    int32_t x, y;
    int32_t snapX, snapY, px, py;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0, 0},
      {24, 25, 0, 1, 0, 48},         // 24/53 = 0.453 m; 25/53 = 0.472 m; trunc(0.91 x 53) = 48
      {-40, 9700, 0, 199, 0, 9597},  // trunc(181.09 x 53) = 9597
      {482, 1, 10, 0, 482, 0},       // 482/53 = 9.094 m, nearest axis 10 at 9.1 m; trunc(9.1 x 53) = 482
  };
  for (const Case& c : cases) {
    PendingPointCount = 0;
    PlanMouseUp(PlanMouseLeft, c.x, c.y);
    EXPECT_EQ(ClickSnapX, c.snapX) << c.x;
    EXPECT_EQ(ClickSnapY, c.snapY) << c.y;
    EXPECT_EQ(ClickPoints[0], c.snapX);
    EXPECT_EQ(ClickPoints[1], c.snapY);
    EXPECT_EQ(ClickPixels[0], c.px);
    EXPECT_EQ(ClickPixels[1], c.py);
  }
}

struct SequenceCase {
  const char* name;
  int32_t mode;
  int32_t triangles;
  std::vector<std::pair<int32_t, int32_t>> clicks;  // left clicks on grid points
  std::vector<std::string> calls;
  int32_t pendingAfter;
};

TEST_F(ClickInputTest, ClickSequencePerMode) {
  const SequenceCase cases[] = {
      {"columns: every click", EditModeColumns, 0, {{3, 4}, {5, 6}}, {"1:3,4", "1:5,6"}, 0},
      {"walls: two points", EditModeWalls, 0, {{3, 4}, {7, 4}}, {"2:3,4,7,4"}, 0},
      {"rectangle", EditModeRoofFloor, 0, {{1, 1}, {4, 5}}, {"2:1,1,4,5"}, 0},
      {"triangle: third click", EditModeRoofFloor, 1, {{1, 1}, {4, 1}, {4, 5}}, {"3:1,1,4,1,4,5"}, 0},
      {"floor-specification triangle, two clicks", EditModeFloorSpec, 1, {{1, 1}, {4, 1}}, {}, 2},
      {"text", EditModeText, 0, {{2, 2}, {2, 2}}, {"2:2,2,2,2"}, 0},
      {"foundation", EditModeFoundation, 0, {{2, 2}, {9, 2}}, {"2:2,2,9,2"}, 0},
      {"free line", EditModeFreeLine, 0, {{2, 2}, {9, 3}}, {"2:2,2,9,3"}, 0},
      {"gable", EditModeGable, 0, {{2, 2}, {2, 8}}, {"2:2,2,2,8"}, 0},
      {"no mode: three clicks wrap", EditModeNone, 0, {{1, 1}, {2, 2}, {3, 3}}, {}, 0},
      {"beams collect only", EditModeBeam, 0, {{1, 1}, {2, 2}}, {}, 2},
  };
  PlugStubs();
  for (const SequenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    gCalls.clear();
    CurrentEditMode = c.mode;
    TriangleInput = c.triangles;
    PendingPointCount = 0;
    ModifiedFlag = 0;
    for (auto [i, j] : c.clicks) Click(i, j);
    EXPECT_EQ(gCalls, c.calls);
    EXPECT_EQ(PendingPointCount, c.pendingAfter);
    EXPECT_EQ(ModifiedFlag, c.calls.empty() ? 0 : 1);
    EXPECT_EQ(HoverState, c.calls.empty() ? HoverNothing : HoverEditApplied);
  }
}

TEST_F(ClickInputTest, SecondClickOnTheFirstWallPointPlacesAColumn) {
  ClickInputRoutines[EditModeWalls] = {nullptr, Two, nullptr};
  CurrentEditMode = EditModeWalls;
  Click(6, 7);
  Click(6, 7);
  EXPECT_TRUE(gCalls.empty());
  ASSERT_EQ(ColumnCount[0][0], 1);
  EXPECT_EQ(Columns[0][0][0].X, 6);
  EXPECT_EQ(Columns[0][0][0].Y, 7);
  EXPECT_EQ(ModifiedFlag, 1);
}

TEST_F(ClickInputTest, ModesWithoutTheirRoutineOnlyCollectPoints) {
  // The kinds still to come only collect points; so does a mode whose
  // routine is taken away (the fixture puts it back).
  ClickInputRoutines[EditModeWalls] = {};
  ClickInputRoutines[EditModeText] = {};
  ClickInputRoutines[EditModeFreeLine] = {};
  for (int32_t mode : {EditModeWalls, EditModeText, EditModeFreeLine, EditModeBeam}) {
    CurrentEditMode = mode;
    PendingPointCount = 0;
    Click(1, 1);
    Click(2, 2);
    EXPECT_EQ(PendingPointCount, 2) << mode;
    EXPECT_EQ(std::vector<int32_t>(ClickPoints, ClickPoints + 4), (std::vector<int32_t>{1, 1, 2, 2}));
  }
  EXPECT_EQ(ModifiedFlag, 0);
  CurrentEditMode = EditModeColumns;
  PendingPointCount = 0;
  Click(8, 9);
  EXPECT_EQ(ColumnCount[0][0], 1);
  EXPECT_EQ(ModifiedFlag, 1);
}

TEST_F(ClickInputTest, TwoClicksEnterAFoundationOrAGableWall) {
  const struct {
    int32_t mode;
    const int32_t* count;
  } cases[] = {{EditModeFoundation, &FoundationCount[0][0]}, {EditModeGable, &GableWallCount[0][0]}};
  for (const auto& c : cases) {
    CurrentEditMode = c.mode;
    PendingPointCount = 0;
    Click(1, 1);
    EXPECT_EQ(*c.count, 0) << c.mode;
    Click(4, 1);
    EXPECT_EQ(*c.count, 1) << c.mode;
    EXPECT_EQ(PendingPointCount, 0) << c.mode;
  }
  EXPECT_EQ(Foundations[0][0][0].X2, 4);
  EXPECT_EQ(GableWalls[0][0][0].X1, 1);
  EXPECT_EQ(ModifiedFlag, 1);
}

TEST_F(ClickInputTest, MiddleButtonIsIgnored) {
  PlugStubs();
  CurrentEditMode = EditModeWalls;
  Click(1, 1);
  Click(5, 5, PlanMouseMiddle);
  EXPECT_EQ(PendingPointCount, 1);
  Click(3, 1);
  EXPECT_EQ(gCalls, std::vector<std::string>{"2:1,1,3,1"});
}

TEST_F(ClickInputTest, RightClickAppliesTheHoveredElementAgain) {
  PlugStubs();
  Walls[0][1][1] = WallRecord{};
  Walls[0][1][1].X1 = 2, Walls[0][1][1].Y1 = 3, Walls[0][1][1].X2 = 8, Walls[0][1][1].Y2 = 3;
  WallCount[0][1] = 2;
  RoofFloorTriangles[0][1][0] = RoofFloorTriangleRecord{0, 1, 1, 5, 1, 5, 6};
  RoofFloorTriangleCount[0][1] = 1;
  CurrentStorey = 1;
  struct Case {
    const char* name;
    int32_t mode, hoverState, hoverIndex, triangleIndex;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"column under the pointer", EditModeColumns, 1, 0, 0, {"1:4,4"}},
      {"no column highlighted", EditModeColumns, 0, 0, 0, {}},
      {"hovered wall", EditModeWalls, 1, 1, 0, {"2:2,3,8,3"}},
      {"hovered wall index beyond the list", EditModeWalls, 1, 2, 0, {}},
      {"negative index", EditModeWalls, 1, -1, 0, {}},
      {"hovered triangle", EditModeRoofFloor, 3, 0, 0, {"3:1,1,5,1,5,6"}},
      {"triangle index beyond the list", EditModeRoofFloor, 3, 0, 1, {}},
      {"no mode", EditModeNone, 1, 0, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gCalls.clear();
    CurrentEditMode = c.mode;
    HoverState = c.hoverState, HoverIndex = c.hoverIndex, HoverTriangleIndex = c.triangleIndex;
    PendingPointCount = 1;  // a rubber band is cancelled
    ModifiedFlag = 0;
    Click(4, 4, PlanMouseRight);
    EXPECT_EQ(gCalls, c.calls);
    EXPECT_EQ(PendingPointCount, 0);
    EXPECT_EQ(ModifiedFlag, 1);  // also when nothing was highlighted
    EXPECT_EQ(HoverState, HoverEditApplied);
  }
}

TEST_F(ClickInputTest, GridModeAddsThroughThePromptAndMarksModified) {
  CurrentEditMode = EditModeGrid;
  GridEditMode = GridEditAddX;
  int prompts = 0;
  SetAxisPrompt([&] {
    ++prompts;
    EXPECT_DOUBLE_EQ(AxisPromptOldSpacing, 0.91);
    AxisPromptResult = AxisPromptMainAxis;
    AxisPromptValue = 0.3;
  });
  // 30 px = 0.566 m: interval 1, between X axes 0 and 1.
  PlanMouseUp(PlanMouseLeft, 30, 30);
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(ClickSnapX, 1);
  EXPECT_DOUBLE_EQ(GridAxisX[1], 0.3);
  EXPECT_DOUBLE_EQ(GridAxisX[2], 0.91);
  EXPECT_EQ(ModifiedFlag, 1);
  EXPECT_EQ(HoverState, HoverEditApplied);
  // A right click in an add mode edits nothing but still marks the project.
  ModifiedFlag = 0;
  PlanMouseUp(PlanMouseRight, 30, 30);
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(ModifiedFlag, 1);
}

TEST_F(ClickInputTest, GridDeleteModeLeftCyclesKindRightDeletes) {
  CurrentEditMode = EditModeGrid;
  GridEditMode = GridEditDelete;
  // 3 x 0.91 = 2.73 m = 144.69 px; 147 px = 2.774 m, within 0.099 m of X axis 3.
  // 300 px = 5.66 m is 0.2 m from Y axis 6: no Y axis.
  for (int32_t expected : {1, 2, 0}) {
    PlanMouseUp(PlanMouseLeft, 147, 300);
    EXPECT_EQ(ClickSnapX, 3);
    EXPECT_EQ(ClickSnapY, 200);
    EXPECT_EQ(GridAxisKindX[3], expected);
  }
  EXPECT_EQ(GridSpacingCheckPending, 1);
  PlanMouseUp(PlanMouseRight, 147, 300);
  // Axis 3 is deleted: axes 0..2 move up by one, a new axis 0 one module
  // further left; then the grid moves right by 0.91 m so that axis 0 lies at
  // 0 m again: axis 3 at 1.82 + 0.91 = 2.73 m.
  EXPECT_DOUBLE_EQ(GridAxisX[3], 1.82 + 0.91);
  EXPECT_DOUBLE_EQ(GridAxisX[0], 0.0);
  EXPECT_DOUBLE_EQ(LastGridEditMove.X, 0.91);
  EXPECT_EQ(ModifiedFlag, 1);
}

}  // namespace
