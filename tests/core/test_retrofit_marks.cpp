// Retrofit-change marks, caution bits and wall numbers of the retrofit plans,
// and the axes used by columns and wall ends. Expected values are worked by
// hand; the reasoning stands beside each case.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <utility>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/RetrofitMarks.h"
#include "analysis/WallLines.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

struct Pt {
  int32_t x, y;
};

// A wall as both the current state and the plan start it, with a value in
// every field that a change can touch.
WallRecord BaseWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  WallRecord w{};
  w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
  w.OpeningKind = 0;
  w.BraceKind = 4;
  w.BraceEndJoint = 1;
  w.BraceArrangement = 1;
  w.MudWallKind = 2;
  w.PanelLeft = 3;
  w.PanelRight = 3;
  w.FurringLeft = 0;
  w.FurringRight = 0;
  w.Height = 0.0;
  w.Deterioration = 2;
  return w;
}

class RetrofitMarksTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    Clear();
    for (auto& top : ProjectSettings.TopStorey) top = 2;
    ProjectSettings.JointHardwareMethod = 1;
    CurrentVariant = 0;
  }

  static void Clear() {
    for (int v = 0; v < VariantCount; ++v)
      for (int s = 0; s < StoreyCount; ++s) WallCount[v][s] = ColumnCount[v][s] = 0;
    std::memset(&WallResults, 0, sizeof WallResults);
    std::memset(&ColumnResults, 0, sizeof ColumnResults);
  }

  // Appends a wall with its case-0 length, strength, joint and foundation class.
  static int AddWall(int v, int s, const WallRecord& w, double length = 1.0, double strength = 2.0,
                     int32_t jointSpec = 1, int32_t foundationClass = 1) {
    const int i = WallCount[v][s];
    testmodel::Append<WallRecord>(v, s) = w;
    WallCaseResult& r = WallResults[v][s][i].Blocks[0];
    r.Length = length;
    r.BaseStrength = strength;
    r.JointSpec = jointSpec;
    r.FoundationClass = foundationClass;
    return i;
  }

  static int AddColumn(int v, int s, int32_t x, int32_t y) {
    const int i = ColumnCount[v][s];
    testmodel::AddColumn(v, s, x, y);
    return i;
  }

  static const WallCaseResult& Result(int v, int s, int j) { return WallResults[v][s][j].Blocks[0]; }
};

// ---------------------------------------------------------------------------
// Change bits

TEST_F(RetrofitMarksTest, ChangeBitsAgainstTheSameWallOfTheCurrentState) {
  using Edit = void (*)(WallRecord&, WallCaseResult&);
  struct Case {
    const char* name;
    Edit edit;
    int32_t mark;
  } cases[] = {
      {"identical", [](WallRecord&, WallCaseResult&) {}, 0},
      {"opening kind", [](WallRecord& w, WallCaseResult&) { w.OpeningKind = 1; }, 0x40},
      {"brace kind", [](WallRecord& w, WallCaseResult&) { w.BraceKind = 6; }, 0x02},
      {"brace end joint", [](WallRecord& w, WallCaseResult&) { w.BraceEndJoint = 2; }, 0x02},
      {"brace arrangement", [](WallRecord& w, WallCaseResult&) { w.BraceArrangement = 0; }, 0x02},
      {"mud wall", [](WallRecord& w, WallCaseResult&) { w.MudWallKind = 3; }, 0x02},
      {"joint class", [](WallRecord&, WallCaseResult& r) { r.JointSpec = 0; }, 0x01},
      {"left panel", [](WallRecord& w, WallCaseResult&) { w.PanelLeft = 7; }, 0x04},
      {"right panel", [](WallRecord& w, WallCaseResult&) { w.PanelRight = 7; }, 0x08},
      {"foundation class", [](WallRecord&, WallCaseResult& r) { r.FoundationClass = 2; }, 0x10},
      {"deterioration", [](WallRecord& w, WallCaseResult&) { w.Deterioration = 2 + 16; }, 0x20},
      {"opening, left panel and deterioration",
       [](WallRecord& w, WallCaseResult&) {
         w.OpeningKind = 2;
         w.PanelLeft = 0;
         w.Deterioration = 0;
       },
       0x40 | 0x04 | 0x20},
      {"fields the comparison leaves out",
       [](WallRecord& w, WallCaseResult& r) {
         w.FurringLeft = 2, w.FurringRight = 1, w.FittingSymbol = 3, w.Height = 2.4, w.BraceHeight = 2.7;
         w.MudWallHeight = 1.0, w.PanelLeftHeight = 1.2, w.WingWallStart = 0.3, w.NoStrength = 1;
         w.WeightClass = 1, w.Weight = 600.0, w.Reserved = 5, w.FlipInOut = 1;
         r.WallType = 9, r.Length = 9.0, r.BaseStrength = 7.0;
       },
       0},
      {"reversed, crossed brace: the same wall",
       [](WallRecord& w, WallCaseResult&) { std::swap(w.X1, w.X2); }, 0},
      {"reversed, one-way brace",
       [](WallRecord& w, WallCaseResult&) {
         std::swap(w.X1, w.X2);
         w.BraceArrangement = 0;
       },
       0x02},  // the arrangement differs as well
      {"reversed, right panel changed",
       [](WallRecord& w, WallCaseResult&) { std::swap(w.X1, w.X2), w.PanelRight = 0; }, 0x08},
      {"one end point elsewhere: a new wall", [](WallRecord& w, WallCaseResult&) { w.X2 = 7; }, 0xff},
      {"start on another Y axis, end shared", [](WallRecord& w, WallCaseResult&) { w.Y1 = 5; }, 0xff},
      {"a new wall whatever else differs",
       [](WallRecord& w, WallCaseResult&) {
         w.Y1 = w.Y2 = 8;
         w.PanelLeft = 9;
       },
       0xff},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Clear();
    AddWall(0, 1, BaseWall(2, 3, 6, 3));
    for (int a = 1; a <= 2; ++a) {
      WallRecord w = BaseWall(2, 3, 6, 3);
      const int j = AddWall(a, 1, w);
      c.edit(Walls[a][1][j], WallResults[a][1][j].Blocks[0]);
    }
    MarkRetrofitChanges();
    EXPECT_EQ(Result(1, 1, 0).RetrofitChange, c.mark) << "plan 1";
    EXPECT_EQ(Result(2, 1, 0).RetrofitChange, c.mark) << "plan 2";
    EXPECT_EQ(Result(0, 1, 0).RetrofitChange, 0) << "the current state is never marked";
  }
}

TEST_F(RetrofitMarksTest, ReversalMarksOneWayArrangements) {
  // Current state and plan alike but for the direction of drawing: only a
  // one-way brace turns round. A plain wall (brace 0, arrangement 0 as the
  // palette leaves it) or an unknown brace drawn the other way round is the
  // same wall.
  struct Case {
    const char* name;
    int32_t braceKind, arrangement;
    bool reversed;
    int32_t mark;
  } cases[] = {
      {"one-way 90x45, same direction", 5, 0, false, 0},
      {"one-way 90x45, reversed", 5, 0, true, 0x02},
      {"crossed 90x45, reversed", 5, 1, true, 0},
      {"no brace, arrangement 0, reversed", 0, 0, true, 0},
      {"unknown brace, arrangement 0, reversed", 1, 0, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Clear();
    WallRecord w{};
    w.X1 = 1, w.Y1 = 1, w.X2 = 1, w.Y2 = 4;
    w.BraceKind = c.braceKind, w.BraceArrangement = c.arrangement;
    AddWall(0, 0, w);
    if (c.reversed) std::swap(w.Y1, w.Y2);
    AddWall(1, 0, w);
    MarkRetrofitChanges();
    EXPECT_EQ(Result(1, 0, 0).RetrofitChange, c.mark);
  }
}

TEST_F(RetrofitMarksTest, EveryMatchingWallAddsItsDifferences) {
  // Two current-state walls between the same points: one differs in the left
  // panel, the other (drawn reversed, crossed brace) in the right panel.
  WallRecord first = BaseWall(2, 3, 6, 3);
  first.PanelLeft = 0;
  WallRecord second = BaseWall(6, 3, 2, 3);
  second.PanelRight = 0;
  AddWall(0, 0, first);
  AddWall(0, 0, second);
  AddWall(1, 0, BaseWall(2, 3, 6, 3));
  MarkRetrofitChanges();
  EXPECT_EQ(Result(1, 0, 0).RetrofitChange, 0x04 | 0x08);
}

TEST_F(RetrofitMarksTest, StackedWallsAddTheirDifferencesAsEachWallAlone) {
  // Walls stacked between the same points, many of them alike. The plan's
  // wall is BaseWall(2, 3, 6, 3) with a one-way brace.
  WallRecord plan = BaseWall(2, 3, 6, 3);
  plan.BraceArrangement = 0;
  struct Stack {
    int copies;
    bool reversed;
    int32_t panelLeft, panelRight;
  };
  struct Case {
    const char* name;
    std::initializer_list<Stack> stacks;
    int32_t mark;
  } cases[] = {
      {"many copies of the plan's wall", {{7, false, 3, 3}}, 0},
      // Drawn the other way round, the one-way brace turns: 0x02, however
      // many alike walls stand with it the same way round.
      {"one reversed among many alike", {{4, false, 3, 3}, {1, true, 3, 3}, {3, false, 3, 3}}, 0x02},
      {"left and right panels differ in two stacks",
       {{3, false, 0, 3}, {2, false, 3, 0}, {5, false, 3, 3}},
       0x04 | 0x08},
      {"reversed with the other right panel", {{2, true, 3, 0}, {6, false, 3, 3}}, 0x02 | 0x08},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Clear();
    for (const Stack& stack : c.stacks)
      for (int k = 0; k < stack.copies; ++k) {
        WallRecord w = plan;
        if (stack.reversed) std::swap(w.X1, w.X2);
        w.PanelLeft = stack.panelLeft, w.PanelRight = stack.panelRight;
        AddWall(0, 0, w);
      }
    // A wall elsewhere, sorted among the stacks, matches nothing.
    AddWall(0, 0, BaseWall(2, 3, 2, 9));
    AddWall(1, 0, plan);
    MarkRetrofitChanges();
    EXPECT_EQ(Result(1, 0, 0).RetrofitChange, c.mark);
  }
}

TEST_F(RetrofitMarksTest, StackedColumnsAtAWallEndCountEachColumn) {
  // A new first-storey wall from (2, 3) to (6, 3); five columns stacked at
  // its start, one of them (neither first nor last) with a converted force
  // above 9.53 kN: bit 8. On the second storey five stacked columns below the
  // start and none below the end: bit 1.
  ProjectSettings.JointHardwareMethod = 1;
  const int lower = AddWall(1, 0, BaseWall(2, 3, 6, 3));
  const int upper = AddWall(1, 1, BaseWall(2, 3, 6, 3));
  for (int k = 0; k < 5; ++k) {
    const int i = AddColumn(1, 0, 2, 3);
    ColumnResults[1][0][i].ToX = k == 2 ? 9.54 : 1.0;
  }
  AddColumn(1, 0, 4, 3);
  MarkRetrofitChanges();
  EXPECT_EQ(Result(1, 0, lower).CautionBits, 8);
  EXPECT_EQ(Result(1, 1, upper).CautionBits, 1);
}

TEST_F(RetrofitMarksTest, OnlyTheSameStoreyAndTheStoreysInUseCount) {
  ProjectSettings.TopStorey[1] = 1;
  AddWall(0, 0, BaseWall(2, 3, 6, 3));
  AddWall(1, 1, BaseWall(2, 3, 6, 3));  // the same points one storey up
  const int above = AddWall(1, 2, BaseWall(0, 0, 4, 0));
  WallResults[1][2][above].Blocks[0].RetrofitChange = 0x40;  // from a paint when the plan had three storeys
  MarkRetrofitChanges();
  EXPECT_EQ(Result(1, 1, 0).RetrofitChange, 0xff);
  EXPECT_EQ(Result(1, 2, above).RetrofitChange, 0x40) << "storey above the plan's top storey is left alone";
}

// ---------------------------------------------------------------------------
// Caution bits

TEST_F(RetrofitMarksTest, CautionBitsOfChangedWalls) {
  struct Column {
    int storey;
    Pt at;
    double toX, toY, nX, nY;
  };
  struct Case {
    const char* name;
    int storey;
    int32_t method;  // ProjectSettings.JointHardwareMethod
    int32_t braceKind, braceEndJoint;
    double length;
    std::initializer_list<Column> columns;  // of the plan
    int32_t bits;
  } cases[] = {
      // Bit 4: brace kind >= 6, end joint "2.0", length > 1.5 m.
      {"90x90 with 2.0 joints on 1.82 m", 0, 2, 6, 2, 1.82, {}, 4},
      {"1.5 m is not long", 0, 2, 6, 2, 1.5, {}, 0},
      {"just over 1.5 m", 0, 2, 6, 2, 1.5000001, {}, 4},
      {"90x45 is not strong", 0, 2, 5, 2, 1.82, {}, 0},
      {"last brace row", 0, 2, 10, 2, 1.82, {}, 4},
      {"1.5 joints", 0, 2, 6, 1, 1.82, {}, 0},
      {"規定 joints", 0, 2, 6, 3, 1.82, {}, 0},
      // Bit 8, first storey: a column at an end with a large demand.
      {"converted force above 9.53 at the start", 0, 1, 0, 0, 1.0, {{0, {2, 3}, 9.54, 0, 0, 0}}, 8},
      {"converted force of 9.53 is not large", 0, 1, 0, 0, 1.0, {{0, {2, 3}, 9.53, 9.53, 0, 0}}, 0},
      {"converted force in Y at the end", 0, 1, 0, 0, 1.0, {{0, {6, 3}, 0, 12.0, 0, 0}}, 8},
      {"large column off the wall's ends", 0, 1, 0, 0, 1.0, {{0, {4, 3}, 20.0, 20.0, 0, 0}}, 0},
      {"N-value method reads N", 0, 0, 0, 0, 1.0, {{0, {2, 3}, 20.0, 20.0, 1.800001, 1.8}}, 0},
      {"N just above 1.800001", 0, 0, 0, 0, 1.0, {{0, {6, 3}, 0, 0, 0, 1.800002}}, 8},
      {"N in X", 0, 0, 0, 0, 1.0, {{0, {2, 3}, 0, 0, 2.5, 0}}, 8},
      {"allowable stress judges no column", 0, 2, 0, 0, 1.0, {{0, {2, 3}, 20.0, 20.0, 5.0, 5.0}}, 0},
      {"both cautions on the first storey", 0, 1, 7, 2, 2.73, {{0, {2, 3}, 10.0, 0, 0, 0}}, 4 | 8},
      // Bit 1, upper storeys: an end without a column of the storey below.
      {"columns below both ends", 1, 1, 0, 0, 1.0, {{0, {2, 3}}, {0, {6, 3}}}, 0},
      {"column below the start only", 1, 1, 0, 0, 1.0, {{0, {2, 3}}, {0, {6, 4}}}, 1},
      {"columns on the wall's own storey do not carry it", 1, 1, 0, 0, 1.0, {{1, {2, 3}}, {1, {6, 3}}}, 1},
      {"third storey looks at the second", 2, 1, 0, 0, 1.0, {{1, {2, 3}}, {1, {6, 3}}, {0, {9, 9}}}, 0},
      {"third storey, columns only on the first", 2, 1, 0, 0, 1.0, {{0, {2, 3}}, {0, {6, 3}}}, 1},
      {"upper storey: no bit 8 from the large column below",
       1,
       1,
       0,
       0,
       1.0,
       {{0, {2, 3}, 20.0, 20.0, 5.0, 5.0}, {0, {6, 3}, 20.0, 20.0, 5.0, 5.0}},
       0},
      {"upper storey, long strong brace, one end unsupported", 1, 1, 8, 2, 1.82, {{0, {6, 3}}}, 4 | 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Clear();
    ProjectSettings.JointHardwareMethod = c.method;
    WallRecord w = BaseWall(2, 3, 6, 3);
    w.BraceKind = c.braceKind;
    w.BraceEndJoint = c.braceEndJoint;
    const int j = AddWall(1, c.storey, w, c.length);  // new: the current state is empty
    for (const Column& col : c.columns) {
      const int i = AddColumn(1, col.storey, col.at.x, col.at.y);
      ColumnResult& r = ColumnResults[1][col.storey][i];
      r.ToX = col.toX, r.ToY = col.toY, r.NX = col.nX, r.NY = col.nY;
    }
    // Columns of another variant at the same points never count.
    AddColumn(0, 0, 2, 3);
    AddColumn(0, 0, 6, 3);
    ColumnResults[0][0][0].ToX = ColumnResults[0][0][0].NX = 99.0;
    MarkRetrofitChanges();
    ASSERT_EQ(Result(1, c.storey, j).RetrofitChange, 0xff);
    EXPECT_EQ(Result(1, c.storey, j).CautionBits, c.bits);
  }
}

TEST_F(RetrofitMarksTest, UnchangedWallsGetNoCautionAndBitsAreOnlyAdded) {
  CurrentVariant = 1;
  WallRecord strong = BaseWall(2, 3, 6, 3);
  strong.BraceKind = 6, strong.BraceEndJoint = 2;
  AddWall(0, 1, strong, 1.82);
  AddWall(1, 1, strong, 1.82);  // identical: no caution although the brace would earn bit 4
  WallRecord changed = BaseWall(6, 3, 9, 3);
  AddWall(1, 1, changed);  // new, no column below: bit 1
  // The evaluation has cleared the words of the plan shown and set bit 2 on the new wall.
  WallResults[1][1][1].Blocks[0].CautionBits = 2;
  // Plan 2, not shown, still carries bit 8 from an earlier paint; its wall now earns only bit 1.
  AddWall(2, 1, changed);
  WallResults[2][1][0].Blocks[0].CautionBits = 8;

  MarkRetrofitChanges();
  EXPECT_EQ(Result(1, 1, 0).CautionBits, 0);
  EXPECT_EQ(Result(1, 1, 1).CautionBits, 2 | 1);
  EXPECT_EQ(Result(2, 1, 0).CautionBits, 8 | 1) << "the plan not shown keeps its earlier bits";
}

// ---------------------------------------------------------------------------
// A plan shown: one wall changed, one added, one removed, on two storeys

TEST_F(RetrofitMarksTest, PlanWithChangedAddedAndRemovedWalls) {
  ProjectSettings.TopStorey[0] = ProjectSettings.TopStorey[1] = 1;
  ProjectSettings.TopStorey[2] = 0;
  ProjectSettings.JointHardwareMethod = 0;
  CurrentVariant = 1;

  // Current state: a 4 x 4 frame on the first storey, one wall above.
  WallRecord plain{};
  auto wall = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    WallRecord w = plain;
    w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
    return w;
  };
  AddWall(0, 0, wall(0, 0, 4, 0));
  AddWall(0, 0, wall(0, 4, 4, 4));
  AddWall(0, 0, wall(0, 0, 0, 4));
  AddWall(0, 0, wall(4, 0, 4, 4));  // removed in the plan
  AddWall(0, 1, wall(0, 0, 4, 0));

  // Plan 1, first storey.
  WallRecord braced = wall(0, 0, 4, 0);
  braced.BraceKind = 6, braced.BraceEndJoint = 2, braced.BraceArrangement = 1;
  const int p0 = AddWall(1, 0, braced, 3.64);            // changed: brace
  const int p1 = AddWall(1, 0, wall(0, 4, 4, 4), 3.64);  // unchanged
  const int p2 = AddWall(1, 0, wall(0, 0, 0, 4), 3.64);  // unchanged
  const int p3 = AddWall(1, 0, wall(4, 4, 8, 4), 3.64);  // added
  const int c00 = AddColumn(1, 0, 0, 0);
  AddColumn(1, 0, 4, 0);
  const int c04 = AddColumn(1, 0, 0, 4);
  AddColumn(1, 0, 4, 4);
  ColumnResults[1][0][c00].NX = 1.9;  // large, at the changed wall's start
  ColumnResults[1][0][c04].NY = 2.0;  // large, but only at unchanged walls
  // Plan 1, second storey.
  WallRecord panelled = wall(0, 0, 4, 0);
  panelled.PanelRight = 4;
  const int q0 = AddWall(1, 1, panelled, 3.64);          // changed: right panel; columns below both ends
  const int q1 = AddWall(1, 1, wall(4, 4, 8, 4), 3.64);  // added; no column below (8,4)
  WallResults[1][1][q1].Blocks[0].CautionBits = 2;       // as the evaluation left it

  // Plan 2, not shown: its deterioration differs; its old number stays.
  WallRecord worn = wall(0, 0, 4, 0);
  worn.Deterioration = 1;
  AddWall(2, 0, worn);
  WallResults[2][0][0].Blocks[0].WallNumber = 9;

  BuildWallDirectionLists();
  MarkRetrofitChanges();

  struct Expect {
    int s, j;
    int32_t change, caution, number;
    const char* why;
  } expected[] = {
      {0, p0, 0x02, 4 | 8, 2, "90x90, 2.0 joints, 3.64 m; N 1.9 > 1.800001 at (0,0); second on the X lines"},
      {0, p1, 0, 0, 0, "identical: nothing, although the column at (0,4) is large"},
      {0, p2, 0, 0, 0, "identical"},
      {0, p3, 0xff, 0, 1, "no wall from (4,4) to (8,4) before; the bottom line Y4 is numbered first"},
      {1, q0, 0x08, 0, 4, "columns below (0,0) and (4,0); line Y0 after line Y4"},
      {1, q1, 0xff, 2 | 1, 3, "(8,4) has no column below; numbers go on from the first storey"},
  };
  for (const Expect& e : expected) {
    SCOPED_TRACE(e.why);
    EXPECT_EQ(Result(1, e.s, e.j).RetrofitChange, e.change);
    EXPECT_EQ(Result(1, e.s, e.j).CautionBits, e.caution);
    EXPECT_EQ(Result(1, e.s, e.j).WallNumber, e.number);
  }
  for (int k = 0; k < 4; ++k) EXPECT_EQ(Result(0, 0, k).RetrofitChange, 0) << "current-state wall " << k;
  EXPECT_EQ(Result(2, 0, 0).RetrofitChange, 0x20);
  EXPECT_EQ(Result(2, 0, 0).WallNumber, 9) << "only the plan shown is numbered";
}

// ---------------------------------------------------------------------------
// Wall numbers

TEST_F(RetrofitMarksTest, NumbersFollowTheWallLines) {
  ProjectSettings.TopStorey[1] = 2;
  CurrentVariant = 1;
  // The current state holds nothing, so every plan wall is new.
  WallRecord w{};
  auto at = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
    return w;
  };
  // First storey, record order differs from line order.
  const int a0 = AddWall(1, 0, at(0, 0, 4, 0));            // X line Y0
  const int a1 = AddWall(1, 0, at(4, 0, 4, 4));            // Y line X4
  const int a2 = AddWall(1, 0, at(4, 4, 0, 4));            // X line Y4, drawn right to left
  const int a3 = AddWall(1, 0, at(0, 0, 0, 4), 1.0, 0.0);  // Y line X0, no strength
  const int a4 = AddWall(1, 0, at(0, 4, 0, 8));            // Y line X0, below a3 in the plan
  // Second storey has no walls; third storey one.
  const int c0 = AddWall(1, 2, at(1, 1, 3, 1));

  BuildWallDirectionLists();
  MarkRetrofitChanges();
  // X list: line Y4 (a2), then line Y0 (a0). Y list: line X0 bottom to top
  // (a4 spans Y4..8, a3 Y0..4), then line X4 (a1).
  EXPECT_EQ(Result(1, 0, a2).WallNumber, 1);
  EXPECT_EQ(Result(1, 0, a0).WallNumber, 2);
  EXPECT_EQ(Result(1, 0, a4).WallNumber, 3);
  EXPECT_EQ(Result(1, 0, a3).WallNumber, 0) << "changed, but without strength";
  EXPECT_EQ(Result(1, 0, a1).WallNumber, 4);
  EXPECT_EQ(Result(1, 2, c0).WallNumber, 5) << "the empty second storey is skipped";
}

TEST_F(RetrofitMarksTest, BraceKindsFrom1024AreNumberedWithoutChangeOrStrength) {
  CurrentVariant = 0;  // the current state is numbered too, though it has no changes
  ProjectSettings.TopStorey[0] = 0;
  WallRecord w{};
  w.X1 = 0, w.Y1 = 2, w.X2 = 3, w.Y2 = 2;
  w.BraceKind = 1024;
  const int marked = AddWall(0, 0, w, 1.0, 0.0);
  w.Y1 = w.Y2 = 5;
  w.BraceKind = 1023;
  const int plain = AddWall(0, 0, w, 1.0, 3.0);
  WallResults[0][0][plain].Blocks[0].WallNumber = 7;
  BuildWallDirectionLists();
  MarkRetrofitChanges();
  EXPECT_EQ(Result(0, 0, marked).WallNumber, 1);
  EXPECT_EQ(Result(0, 0, plain).WallNumber, 0) << "strength but no change: the old number goes";
}

TEST_F(RetrofitMarksTest, DiagonalWallIsNumberedInTheYPass) {
  ProjectSettings.TopStorey[1] = 0;
  CurrentVariant = 1;
  WallRecord w{};
  w.X1 = 0, w.Y1 = 0, w.X2 = 4, w.Y2 = 4;
  const int diagonal = AddWall(1, 0, w);
  w.X1 = 0, w.Y1 = 8, w.X2 = 4, w.Y2 = 8;
  const int along = AddWall(1, 0, w);
  w.X1 = 2, w.Y1 = 0, w.X2 = 2, w.Y2 = 3;
  const int across = AddWall(1, 0, w);
  BuildWallDirectionLists();
  MarkRetrofitChanges();
  // X pass: line Y8 (along) 1; the diagonal waits. Y pass, lines X0, X2, X4:
  // the diagonal's entry under X0 takes 2, the wall on X2 3, the diagonal's
  // entry under X4 4, which it keeps.
  EXPECT_EQ(Result(1, 0, along).WallNumber, 1);
  EXPECT_EQ(Result(1, 0, across).WallNumber, 3);
  EXPECT_EQ(Result(1, 0, diagonal).WallNumber, 4);
}

// ---------------------------------------------------------------------------
// Damaged data

TEST_F(RetrofitMarksTest, DamagedCountsAndListsStayInsideTheArrays) {
  CurrentVariant = 1;
  ProjectSettings.TopStorey[1] = 7;
  ProjectSettings.TopStorey[2] = -3;
  for (int v = 0; v < VariantCount; ++v)
    for (int s = 0; s < StoreyCount; ++s) {
      WallCount[v][s] = 5000;
      ColumnCount[v][s] = -4;
    }
  XWallCount[1][0] = 100000;
  YWallCount[1][0] = -1;
  XWallOrder[1][0][0] = -3;
  XWallOrder[1][0][1] = 299;
  XWallOrder[1][0][2] = 5000;
  MarkRetrofitChanges();
  IndexUsedAxes();
  CurrentVariant = 7;
  MarkRetrofitChanges();
  IndexUsedAxes();
  SUCCEED();
}

// ---------------------------------------------------------------------------
// Used axes

TEST_F(RetrofitMarksTest, UsedAxesOfASmallPlan) {
  CurrentVariant = 1;
  ProjectSettings.TopStorey[1] = 0;  // the second storey still counts
  GridAxisKindX[5] = GridAxisAuxiliary;
  GridAxisKindY[7] = GridAxisOutsideChain;
  // Left-overs of an earlier paint.
  for (auto& v : AxisUseX)
    for (auto& s : v)
      for (auto& k : s) k = 4;
  for (auto& k : UsedAxesX) k = 77;
  for (auto& k : UsedAxesY) k = 77;

  AddColumn(1, 0, 2, 3);
  AddColumn(1, 0, 5, 3);
  WallRecord w{};
  w.X1 = 2, w.Y1 = 3, w.X2 = 5, w.Y2 = 3;
  AddWall(1, 0, w);
  w.X1 = 5, w.Y1 = 7, w.X2 = 5, w.Y2 = 3;  // ends on (5,7) without a column
  AddWall(1, 0, w);
  AddColumn(1, 1, 9, 1);
  AddColumn(0, 0, 0, 0);  // the current state
  w.X1 = 0, w.Y1 = 0, w.X2 = 199, w.Y2 = 199;
  AddWall(0, 2, w);
  IndexUsedAxes();

  struct Use {
    int s;
    int32_t k, x, y;
  } uses[] = {
      {0, 2, 1 | 2, 0}, {0, 5, 1 | 2, 0}, {0, 3, 0, 1 | 2}, {0, 7, 0, 2},
      {1, 9, 1, 0},     {1, 1, 0, 1},     {0, 9, 0, 0},     {2, 2, 0, 0},
  };
  for (const Use& u : uses) {
    EXPECT_EQ(AxisUseX[1][u.s][u.k], u.x) << "storey " << u.s << ", X axis " << u.k;
    EXPECT_EQ(AxisUseY[1][u.s][u.k], u.y) << "storey " << u.s << ", Y axis " << u.k;
  }
  EXPECT_EQ(AxisUseX[0][2][199], 2);
  EXPECT_EQ(AxisUseX[2][0][0], 0);

  EXPECT_EQ(UsedAxisCountX[1], 3);
  EXPECT_EQ(UsedAxisCountY[1], 3);
  const int32_t x[] = {2, 5, 9, 0}, y[] = {1, 3, 7, 0};  // then cleared
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(UsedAxesX[i], x[i]) << i;
    EXPECT_EQ(UsedAxesY[i], y[i]) << i;
  }
  EXPECT_EQ(UsedAxesX[GridAxisCountX - 1], 0);
  EXPECT_EQ(UsedAxisCountX[0], 2);  // 0 and 199
  EXPECT_EQ(UsedAxisCountY[0], 2);
  EXPECT_EQ(UsedAxisCountX[2], 0);
  EXPECT_EQ(UsedAxisCountY[2], 0);
}

TEST_F(RetrofitMarksTest, EveryAxisFitsTheLists) {
  CurrentVariant = 2;
  // 200 columns on the diagonal of the grid, over two storeys.
  for (int32_t k = 0; k < GridAxisCountX; ++k) AddColumn(2, k % 2, k, GridAxisCountY - 1 - k);
  IndexUsedAxes();
  ASSERT_EQ(UsedAxisCountX[2], GridAxisCountX);
  ASSERT_EQ(UsedAxisCountY[2], GridAxisCountY);
  for (int32_t k = 0; k < GridAxisCountX; ++k) {
    EXPECT_EQ(UsedAxesX[k], k);
    EXPECT_EQ(UsedAxesY[k], k);
  }
}

TEST_F(RetrofitMarksTest, IndicesOutsideTheGridMarkNothing) {
  CurrentVariant = 0;
  AddColumn(0, 0, -1, 250);
  AddColumn(0, 0, 200, 4);
  WallRecord w{};
  w.X1 = 3, w.Y1 = -7, w.X2 = 5000, w.Y2 = 199;
  AddWall(0, 0, w);
  IndexUsedAxes();
  EXPECT_EQ(UsedAxisCountX[0], 1);  // X 3
  EXPECT_EQ(UsedAxisCountY[0], 2);  // Y 4 and 199
  EXPECT_EQ(UsedAxesX[0], 3);
  EXPECT_EQ(UsedAxesY[0], 4);
  EXPECT_EQ(UsedAxesY[1], 199);
  for (int32_t k = GridAxisCountX; k < AxisLineCount; ++k) EXPECT_EQ(AxisUseX[0][0][k], 0) << k;
}

}  // namespace
