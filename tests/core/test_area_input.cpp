// Roof/floor area input: rectangles by two diagonal corners, triangles by
// three points, each with the palette's seven values. Picking an existing
// area (a rectangle from either diagonal, a triangle by its three points in
// any order) opens the change dialog and applies its result. Every refusal,
// silent or reported, leaves the model and the undo ring as they were; the
// attic copies on the storeys below carry the palette's values.
// Grid: 1 m pitch, so the doubled areas of the corner test are whole numbers.
#include <gtest/gtest.h>

#include <vector>

#include "InputRoutineFixture.h"
#include "analysis/FloorAreas.h"
#include "editing/AreaInput.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "presentation/PaletteState.h"

namespace {

class AreaInputTest : public InputRoutineTest {
 protected:
  void SetUp() override {
    InputRoutineTest::SetUp();
    testmodel::UseOneMetreGrid();
    ProjectSettings.TopStorey[0] = 1;  // two storeys
    ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
    ProjectSettings.RequiredStrengthMethod = RequiredByWeightTable;
    RoofFloorPalette = {0, 1, 1, 1800.0, 600.0, 0.0, 0.3};  // 軽い床, not enclosed
    CurrentVariant = 0;
    CurrentStorey = 0;
    SetRoofFloorChangeDialog(nullptr);
  }
  void TearDown() override {
    SetRoofFloorChangeDialog(nullptr);
    InputRoutineTest::TearDown();
  }

  static RoofFloorRectRecord Rect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t code) {
    RoofFloorRectRecord r{};
    r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.AreaCode = code;
    return r;
  }
  static RoofFloorTriangleRecord Tri(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                                     int32_t code) {
    RoofFloorTriangleRecord t{};
    t.X1 = x1, t.Y1 = y1, t.X2 = x2, t.Y2 = y2, t.X3 = x3, t.Y3 = y3, t.AreaCode = code;
    return t;
  }
  static void PutRects(int32_t s, std::initializer_list<RoofFloorRectRecord> list) {
    int32_t n = 0;
    for (const auto& r : list) RoofFloorRects[0][s][n++] = r;
    RoofFloorRectCount[0][s] = n;
  }
  static void PutTriangles(int32_t s, std::initializer_list<RoofFloorTriangleRecord> list) {
    int32_t n = 0;
    for (const auto& t : list) RoofFloorTriangles[0][s][n++] = t;
    RoofFloorTriangleCount[0][s] = n;
  }
  // The model and undo state that a refusal must leave alone.
  struct Snapshot {
    int32_t rects, triangles, undoTop;
    bool undoEnabled;
    bool operator==(const Snapshot&) const = default;
  };
  static Snapshot Now() {
    return {RoofFloorRectCount[0][CurrentStorey], RoofFloorTriangleCount[0][CurrentStorey], UndoTop,
            MainWindow.BmodoruEnabled};
  }
};

TEST_F(AreaInputTest, ARectangleTakesTheCornersAsClickedAndThePaletteValues) {
  ASSERT_EQ(InputRoofFloorRect(6, 2, 1, 5), 1);
  ASSERT_EQ(RoofFloorRectCount[0][0], 1);
  const RoofFloorRectRecord& r = RoofFloorRects[0][0][0];
  EXPECT_EQ(r.X1, 6);
  EXPECT_EQ(r.Y1, 2);
  EXPECT_EQ(r.X2, 1);
  EXPECT_EQ(r.Y2, 5);
  EXPECT_EQ(r.AreaCode, 0);
  EXPECT_EQ(r.NotEnclosed, 1);
  EXPECT_EQ(r.WeightClass, 1);
  EXPECT_DOUBLE_EQ(r.LiveLoad, 1800.0);
  EXPECT_DOUBLE_EQ(r.AddedLoad, 600.0);
  EXPECT_DOUBLE_EQ(r.Slope, 0.3);
  EXPECT_TRUE(MainWindow.BmodoruEnabled);
  EXPECT_GE(window.invalidations, 1);
}

TEST_F(AreaInputTest, TheTopStoreyRefusesFloorsAndTakesRoofs) {
  CurrentStorey = 1;
  const struct {
    int32_t code;
    int result;
  } cases[] = {{0, 0}, {2, 0}, {14, 0}, {19, 0}, {3, 1}, {9, 1}, {13, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    RoofFloorRectCount[0][1] = 0;
    RoofFloorPalette.AreaCode = c.code;
    if (c.result == 0) boxes.Expect(FloorInputCaption, IDOK);
    const Snapshot before = Now();
    EXPECT_EQ(InputRoofFloorRect(1, 1, 4, 4), c.result);
    if (c.result == 0) {
      EXPECT_EQ(Now(), before);
      EXPECT_EQ(boxes.Calls().back().text, TopStoreyFloorMessage);
      EXPECT_EQ(boxes.Calls().back().flags, 32);
    } else {
      EXPECT_EQ(RoofFloorRectCount[0][1], 1);
    }
  }
}

TEST_F(AreaInputTest, TheMaximumRectangleIsAskedForAndASecondOneReported) {
  RoofFloorPalette.AreaCode = 6;
  PutRects(0, {Rect(1, 1, 8, 8, 0)});
  boxes.Expect(MaxRectangleQuestionCaption, IDNO);
  const Snapshot before = Now();
  EXPECT_EQ(InputRoofFloorRect(1, 1, 8, 8), 0);  // the floor's corners: no dialog, the question
  EXPECT_EQ(Now(), before);
  EXPECT_EQ(boxes.Calls().back().flags, 36);

  // Over the floor, without an overlap question.
  boxes.Expect(MaxRectangleQuestionCaption, IDYES);
  EXPECT_EQ(InputRoofFloorRect(8, 8, 1, 1), 1);
  EXPECT_EQ(MaxRectangleCount(), 1);

  boxes.Expect(MaxRectangleQuestionCaption, IDYES).Expect(FloorInputCaption, IDOK);
  EXPECT_EQ(InputRoofFloorRect(2, 2, 5, 5), 1);
  EXPECT_EQ(boxes.Calls().back().text, SecondMaxRectangleMessage);
  EXPECT_EQ(MaxRectangleCount(), 2);  // only reported
}

TEST_F(AreaInputTest, OverlapsAreAskedForByOpenIntervalsAndTrianglePoints) {
  const struct {
    const char* what;
    int32_t paletteCode;
    int32_t x1, y1, x2, y2;
    bool asked;
  } cases[] = {
      {"rectangles sharing an edge", 0, 4, 1, 7, 4, false},
      {"rectangles sharing a corner", 0, 4, 4, 7, 7, false},
      {"rectangles overlapping", 0, 3, 3, 6, 6, true},
      {"attic over a floor", 5, 2, 2, 3, 3, false},
      {"a floor over the attic (skipped) and nothing else", 0, 10, 1, 11, 3, false},
      {"a triangle point strictly inside", 0, 14, 1, 17, 4, true},
      {"a corner inside the triangle", 0, 21, 1, 22, 2, true},
      {"a corner on the triangle's edge", 0, 22, 2, 23, 3, false},
      {"a triangle point inside, palette attic", 5, 14, 1, 17, 4, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // A floor, an attic; a triangle (15,2),(19,2),(15,6); a big triangle (20,0),(24,0),(20,4).
    PutRects(0, {Rect(1, 1, 4, 4, 0), Rect(10, 1, 12, 3, 5)});
    PutTriangles(0, {Tri(15, 2, 19, 2, 15, 6, 3), Tri(20, 0, 24, 0, 20, 4, 0)});
    RoofFloorPalette.AreaCode = c.paletteCode;
    if (c.asked) boxes.Expect(AreaOverlapCaption, IDNO);
    const Snapshot before = Now();
    const int result = InputRoofFloorRect(c.x1, c.y1, c.x2, c.y2);
    if (c.asked) {
      EXPECT_EQ(result, 0);
      EXPECT_EQ(Now(), before);
    } else {
      EXPECT_EQ(result, 1);
    }
  }
  // A corner just inside the triangle's long side: the doubled area
  // (24 - 21.9) x 2 - (20 - 21.9) x (-2) = 0.4 truncates to 0, so it does not count.
  RoofFloorPalette.AreaCode = 0;
  PutRects(0, {});
  PutTriangles(0, {Tri(20, 0, 24, 0, 20, 4, 0)});
  GridAxisX[22] = 21.9;
  EXPECT_EQ(InputRoofFloorRect(22, 2, 23, 3), 1);
  GridAxisX[22] = 22;

  boxes.Expect(AreaOverlapCaption, IDYES);
  PutRects(0, {Rect(1, 1, 4, 4, 0)});
  EXPECT_EQ(InputRoofFloorRect(3, 3, 6, 6), 1);
  EXPECT_EQ(RoofFloorRectCount[0][0], 2);
}

TEST_F(AreaInputTest, SilentRefusalsLeaveModelAndUndoRingAlone) {
  PutRects(0, {Rect(1, 1, 4, 4, 0)});
  GridAxisX[9] = GridAxisX[8];  // two axes at one position
  const struct {
    const char* what;
    int32_t x1, y1, x2, y2;
  } cases[] = {
      {"one X axis", 2, 1, 2, 5},
      {"one Y axis", 1, 3, 5, 3},
      {"off the grid", 1, 1, 250, 5},
      {"zero area", 8, 6, 9, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Snapshot before = Now();
    EXPECT_EQ(InputRoofFloorRect(c.x1, c.y1, c.x2, c.y2), 0);
    EXPECT_EQ(Now(), before);
  }
  RoofFloorRectCount[0][0] = MaxRoofFloorRectsPerStorey;
  for (auto& r : RoofFloorRects[0][0]) r = Rect(30, 30, 31, 31, 7);
  const Snapshot before = Now();
  EXPECT_EQ(InputRoofFloorRect(1, 10, 4, 14), 0);
  EXPECT_EQ(Now(), before);
}

TEST_F(AreaInputTest, AnAtticOnTheTopStoreyIsCopiedBelowWithThePaletteValues) {
  CurrentStorey = 1;
  RoofFloorPalette = {5, 0, 2, 0.0, 250.0, 900.0, 0.45};
  // The slot below holds an older record's values.
  RoofFloorRects[0][0][0] = Rect(0, 0, 0, 0, 4);
  RoofFloorRects[0][0][0].WeightClass = 3, RoofFloorRects[0][0][0].DeadLoad = 1234,
  RoofFloorRects[0][0][0].Slope = 9;
  boxes.Expect(AtticBelowCaption, IDYES);
  ASSERT_EQ(InputRoofFloorRect(2, 2, 6, 5), 1);
  ASSERT_EQ(RoofFloorRectCount[0][0], 1);
  const RoofFloorRectRecord& copy = RoofFloorRects[0][0][0];
  EXPECT_EQ(copy, RoofFloorRects[0][1][0]);
  EXPECT_EQ(copy.WeightClass, 2);
  EXPECT_DOUBLE_EQ(copy.DeadLoad, 900.0);
  EXPECT_DOUBLE_EQ(copy.Slope, 0.45);

  // A full storey below gets nothing, and nothing is said.
  RoofFloorRectCount[0][0] = MaxRoofFloorRectsPerStorey;
  boxes.Expect(AtticBelowCaption, IDYES);
  ASSERT_EQ(InputRoofFloorRect(8, 2, 12, 5), 1);
  EXPECT_EQ(RoofFloorRectCount[0][0], MaxRoofFloorRectsPerStorey);
  EXPECT_EQ(RoofFloorRectCount[0][1], 2);

  // Triangles likewise.
  boxes.Expect(AtticBelowCaption, IDYES);
  ASSERT_EQ(InputRoofFloorTriangle(1, 10, 5, 10, 1, 14), 1);
  ASSERT_EQ(RoofFloorTriangleCount[0][0], 1);
  EXPECT_EQ(RoofFloorTriangles[0][0][0], RoofFloorTriangles[0][1][0]);
}

TEST_F(AreaInputTest, TheAtticQuestionOfTheGeneralMethodWithTheSimpleTable) {
  ProjectSettings.RequiredStrengthMethod = RequiredBySimpleTable;
  RoofFloorPalette.AreaCode = 5;
  boxes.Expect(AtticIgnoredCaption, IDNO);
  const Snapshot before = Now();
  EXPECT_EQ(InputRoofFloorRect(1, 1, 3, 3), 0);
  EXPECT_EQ(Now(), before);
  boxes.Expect(AtticIgnoredCaption, IDYES);
  EXPECT_EQ(InputRoofFloorTriangle(1, 1, 3, 1, 1, 3), 1);
}

// The change dialog, played by a hook that records the buffer and answers.
class AreaChangeTest : public AreaInputTest {
 protected:
  void SetUp() override {
    AreaInputTest::SetUp();
    SetRoofFloorChangeDialog([this] {
      seen.push_back(RoofFloorChangeBuffer);
      answer(RoofFloorChangeBuffer);
    });
  }
  std::vector<RoofFloorChangeExchange> seen;
  std::function<void(RoofFloorChangeExchange&)> answer = [](RoofFloorChangeExchange&) {};
};

TEST_F(AreaChangeTest, ARectangleFromEitherDiagonalOpensItsDialog) {
  RoofFloorRectRecord roof = Rect(2, 7, 6, 3, 3);
  roof.LiveLoad = 600, roof.WeightClass = 0, roof.Slope = 0.5, roof.AddedLoad = 100, roof.NotEnclosed = 1;
  PutRects(0, {Rect(1, 1, 2, 2, 0), roof});
  const int32_t undoTop = UndoTop;
  const int32_t clicks[][4] = {{2, 7, 6, 3}, {6, 3, 2, 7}, {2, 3, 6, 7}, {6, 7, 2, 3}};
  for (const auto& c : clicks) EXPECT_EQ(InputRoofFloorRect(c[0], c[1], c[2], c[3]), 1);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0].Index, 1);
  EXPECT_EQ(seen[0].IsTriangle, 0);
  EXPECT_EQ(seen[0].Result, RoofFloorChangeApply);
  EXPECT_EQ(seen[0].AreaCode, 3);
  EXPECT_EQ(seen[0].NotEnclosed, 1);
  EXPECT_DOUBLE_EQ(seen[0].LiveLoad, 600);
  EXPECT_DOUBLE_EQ(seen[0].Slope, 0.5);
  EXPECT_DOUBLE_EQ(seen[0].AddedLoad, 100);
  EXPECT_EQ(RoofFloorRects[0][0][1], roof);  // written back unchanged
  EXPECT_EQ(UndoTop, undoTop);               // the dialog, not the input, pushes snapshots
}

TEST_F(AreaChangeTest, TheDialogsResultIsApplied) {
  PutRects(0, {Rect(1, 1, 3, 3, 0), Rect(4, 1, 6, 3, 3), Rect(7, 1, 9, 3, 0)});
  answer = [](RoofFloorChangeExchange& b) { b.Result = RoofFloorChangeCancel, b.AreaCode = 4; };
  EXPECT_EQ(InputRoofFloorRect(4, 1, 6, 3), 1);
  EXPECT_EQ(RoofFloorRects[0][0][1].AreaCode, 3);
  answer = [](RoofFloorChangeExchange& b) { b.AreaCode = 4, b.WeightClass = 1, b.LiveLoad = 1100; };
  EXPECT_EQ(InputRoofFloorRect(4, 1, 6, 3), 1);
  EXPECT_EQ(RoofFloorRects[0][0][1].AreaCode, 4);
  EXPECT_DOUBLE_EQ(RoofFloorRects[0][0][1].LiveLoad, 1100);
  answer = [](RoofFloorChangeExchange& b) { b.Result = RoofFloorChangeDelete; };
  EXPECT_EQ(InputRoofFloorRect(6, 3, 4, 1), 1);
  ASSERT_EQ(RoofFloorRectCount[0][0], 2);
  EXPECT_EQ(RoofFloorRects[0][0][1], Rect(7, 1, 9, 3, 0));
}

TEST_F(AreaChangeTest, TrianglesArePickedByTheirThreePointsOnly) {
  PutTriangles(0, {Tri(1, 1, 5, 1, 3, 5, 3)});
  // The same points in any order open the dialog.
  const int32_t same[][6] = {{3, 5, 1, 1, 5, 1}, {5, 1, 3, 5, 1, 1}};
  for (const auto& p : same) EXPECT_EQ(InputRoofFloorTriangle(p[0], p[1], p[2], p[3], p[4], p[5]), 1);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].IsTriangle, 1);
  EXPECT_EQ(RoofFloorTriangleCount[0][0], 1);
  // Another pairing of the same X and Y indices is another triangle.
  EXPECT_EQ(InputRoofFloorTriangle(1, 5, 5, 1, 3, 1), 1);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(RoofFloorTriangleCount[0][0], 2);

  // On the top storey with a floor code in the palette the triangle can still be edited.
  CurrentStorey = 1;
  PutTriangles(1, {Tri(1, 1, 5, 1, 3, 5, 3)});
  answer = [](RoofFloorChangeExchange& b) { b.Result = RoofFloorChangeDelete; };
  EXPECT_EQ(InputRoofFloorTriangle(5, 1, 1, 1, 3, 5), 1);
  EXPECT_EQ(RoofFloorTriangleCount[0][1], 0);
}

TEST_F(AreaInputTest, TriangleRefusals) {
  PutTriangles(0, {Tri(1, 1, 5, 1, 3, 5, 3)});
  const struct {
    const char* what;
    int32_t code;
    int32_t p[6];
    const char* caption;
  } cases[] = {
      {"collinear indices", 0, {1, 1, 3, 3, 6, 6}, nullptr},
      {"two points equal", 0, {1, 1, 1, 1, 6, 6}, nullptr},
      {"the maximum rectangle", 6, {10, 1, 14, 1, 10, 5}, MaxRectangleTriangleCaption},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RoofFloorPalette.AreaCode = c.code;
    if (c.caption) boxes.Expect(c.caption, IDOK);
    const Snapshot before = Now();
    EXPECT_EQ(InputRoofFloorTriangle(c.p[0], c.p[1], c.p[2], c.p[3], c.p[4], c.p[5]), 0);
    EXPECT_EQ(Now(), before);
  }
  RoofFloorPalette.AreaCode = 0;
  CurrentStorey = 1;
  boxes.Expect(FloorInputCaption, IDOK);
  EXPECT_EQ(InputRoofFloorTriangle(10, 1, 14, 1, 10, 5), 0);
  EXPECT_EQ(RoofFloorTriangleCount[0][1], 0);
}

}  // namespace
