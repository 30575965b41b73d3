// Wall input. Guards: a new wall takes exactly what the palette's controls
// show; every refusal and every いいえ leaves the walls and the undo ring as
// they were; the change dialog's result is applied (change, deletion, bring
// to front) and only ever undone through the snapshot the dialog pushed; in
// retrofit plans elements meant for the current state are asked about and
// the columns at a changed wall's ends can get the 告示 hardware.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "InputRoutineFixture.h"
#include "editing/ClickInput.h"
#include "editing/SlotCopy.h"
#include "editing/WallInput.h"
#include "model/FileState.h"
#include "model/ViewState.h"
#include "presentation/PaletteState.h"

namespace {

class WallInputTest : public InputRoutineTest {
 protected:
  void SetUp() override {
    InputRoutineTest::SetUp();
    ResetWallPaletteSettings();
    SetWallChangeDialog(nullptr);
  }
  void TearDown() override {
    SetWallChangeDialog(nullptr);
    InputRoutineTest::TearDown();
  }

  // A change dialog that answers as its buttons do. OK goes through the
  // dialog's own step with the settings given (or the wall's own).
  enum class Button { Ok, Cancel, CloseBox, Delete, ToFront, Take };
  void Answer(Button button, std::function<void(WallSettings&)> edit = nullptr, int32_t endChoice = 0) {
    SetWallChangeDialog([this, button, edit, endChoice] {
      ++dialogRuns;
      WallSettings controls = WallChangeBuffer;
      switch (button) {
        case Button::Ok:
          if (edit) edit(controls);
          okApplied = ApplyWallChangeDialog(controls, endChoice);
          break;
        case Button::Cancel:
          WallChangeBuffer.Result = WallChangeCancel;
          break;
        case Button::CloseBox:
          break;
        case Button::Delete:
          PushUndo();
          WallChangeBuffer.Result = WallChangeDelete;
          break;
        case Button::ToFront:
          PushUndo();
          WallChangeBuffer.Result = WallChangeToFront;
          break;
        case Button::Take:
          TakeWallSettingsIntoPalette(controls);
          WallChangeBuffer.Result = WallChangeCancel;
          break;
      }
    });
  }

  static WallRecord& Wall(int v, int s, int i) { return Walls[v][s][i]; }
  static WallRecord PlainWall(int x1, int y1, int x2, int y2) {
    WallRecord w{};
    w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2, w.Deterioration = 2;
    return w;
  }
  static void PutColumn(int v, int s, int x, int y) {
    Columns[v][s][ColumnCount[v][s]++] = ColumnRecord{0, x, y, 1, 0, 0, 0, 0, 0, 2};
  }
  // A wall between two columns, the columns first.
  static void PutSupportedWall(int v, int s, const WallRecord& wall) {
    PutColumn(v, s, wall.X1, wall.Y1);
    PutColumn(v, s, wall.X2, wall.Y2);
    Walls[v][s][WallCount[v][s]++] = wall;
  }

  int dialogRuns = 0;
  bool okApplied = false;
};

TEST_F(WallInputTest, IsTheWallModesTwoPointRoutine) {
  EXPECT_EQ(ClickInputRoutines[EditModeWalls].TwoPoints, &InputWall);
}

TEST_F(WallInputTest, NewWallTakesEveryControlOfThePalette) {
  PutColumn(0, 1, 2, 3);
  PutColumn(0, 1, 6, 3);
  CurrentStorey = 1;
  // What the controls show; the palette's memory differs and is not read.
  WallPaletteControls = {2,  1, 5, 0.455, 0.3, 1,   1,   0,   3,          1, 4,  3,
                         44, 1, 2, 2.7,   2.1, 1.2, 0.9, 0.8, 2 + 8 + 64, 1, 950};
  NewWallDefaults.OpeningKind = 0;
  NewWallDefaults.WeightClass = 0;
  ASSERT_EQ(InputWall(2, 3, 6, 3), 1);
  ASSERT_EQ(WallCount[0][1], 1);
  WallRecord expected{0, 2, 3, 6,  3, 2, 1,   5,   0.455, 0.3, 1,   1,  0, 3,
                      1, 4, 3, 44, 1, 2, 2.7, 2.1, 1.2,   0.9, 0.8, 74, 1, 950};
  EXPECT_EQ(Wall(0, 1, 0), expected);
  EXPECT_EQ(window.invalidations, 1);
  EXPECT_EQ(ModifiedFlag, 0);
  UndoStep();
  EXPECT_EQ(WallCount[0][1], 0);
}

TEST_F(WallInputTest, ListPositionsOutsideTheirListsNeverReachAWall) {
  WallPaletteControls.OpeningKind = 3;  // no questions
  WallPaletteControls.BraceKind = 11;
  WallPaletteControls.PanelLeft = -1;
  WallPaletteControls.FurringRight = 3;
  WallPaletteControls.Deterioration = 3;  // frame part 3: no radio
  ASSERT_EQ(InputWall(0, 0, 4, 0), 1);
  const WallRecord& w = Wall(0, 0, 0);
  EXPECT_EQ(w.BraceKind, 0);
  EXPECT_EQ(w.PanelLeft, 0);
  EXPECT_EQ(w.FurringRight, 0);
  EXPECT_EQ(w.Deterioration, 2);
}

// Each path that refuses or is answered いいえ: nothing appended, no
// snapshot; the boxes by text, caption and flags.
TEST_F(WallInputTest, RefusalsAndQuestions) {
  struct Case {
    const char* what;
    int32_t opening, brace;
    bool startColumn, endColumn, columnOnWall, crossingWall;
    std::vector<std::pair<const char*, int>> boxes;  // text, answer
    int32_t flagsOfLast;
    int32_t result;
  };
  const Case cases[] = {
      {"crossing wall", 0, 0, true, true, false, true, {{WallCrossingMessage, IDOK}}, 16, 0},
      {"無開口 with one end column, いいえ",
       0,
       0,
       true,
       false,
       false,
       false,
       {{WallEndColumnQuestion, IDNO}},
       36,
       0},
      {"無開口 with one end column, はい",
       0,
       0,
       false,
       true,
       false,
       false,
       {{WallEndColumnQuestion, IDYES}},
       36,
       1},
      {"全開口 without end columns", 3, 0, false, false, false, false, {}, 0, 1},
      {"column on the wall after はい",
       0,
       0,
       false,
       false,
       true,
       false,
       {{WallEndColumnQuestion, IDYES}, {WallOnColumnMessage, IDOK}},
       32,
       0},
      {"column on a 全開口 wall", 3, 0, true, true, true, false, {{WallOnColumnMessage, IDOK}}, 32, 0},
      {"brace 不明 in a 窓, いいえ", 1, 1, true, true, false, false, {{WallBraceQuestion, IDNO}}, 36, 0},
      {"brace in a 戸, はい", 2, 4, true, true, false, false, {{WallBraceQuestion, IDYES}}, 36, 1},
      {"brace in a 全開口 wall", 3, 4, false, false, false, false, {}, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetModel(ResetForNewProject);
    SetMainWindowPort(&window);
    boxes = ScriptedMessageBox();
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    SetMessageBoxPort(&boxes);
    if (c.startColumn) PutColumn(0, 0, 2, 2);
    if (c.endColumn) PutColumn(0, 0, 6, 2);
    if (c.columnOnWall) PutColumn(0, 0, 4, 2);
    if (c.crossingWall) Walls[0][0][WallCount[0][0]++] = PlainWall(4, 0, 4, 5);
    WallPaletteControls.OpeningKind = c.opening;
    WallPaletteControls.BraceKind = c.brace;
    for (const auto& [text, answer] : c.boxes) boxes.Expect(answer);
    const int32_t walls = WallCount[0][0];
    const int32_t undoTop = UndoTop;
    EXPECT_EQ(InputWall(2, 2, 6, 2), c.result);
    EXPECT_EQ(UndoTop != undoTop, c.result == 1);
    ASSERT_EQ(boxes.Calls().size(), c.boxes.size());
    for (size_t k = 0; k < c.boxes.size(); ++k) EXPECT_EQ(boxes.Calls()[k].text, c.boxes[k].first);
    if (!c.boxes.empty()) {
      EXPECT_EQ(boxes.Calls().back().flags, c.flagsOfLast);
      EXPECT_EQ(boxes.Calls().back().caption, c.crossingWall ? WallErrorCaption : WallQuestionCaption);
    }
    EXPECT_EQ(WallCount[0][0], walls + c.result);
    EXPECT_EQ(MainWindow.BmodoruEnabled, c.result == 1);
    EXPECT_EQ(dialogRuns, 0);
  }
}

TEST_F(WallInputTest, SamePointAndFullStorey) {
  EXPECT_EQ(InputWall(3, 3, 3, 3), 0);
  EXPECT_EQ(window.invalidations, 1);
  for (int i = 0; i < MaxWallsPerStorey; ++i)
    Walls[0][0][i] = PlainWall(i % 50, i / 50 * 2, i % 50, i / 50 * 2 + 1);
  WallCount[0][0] = MaxWallsPerStorey;
  WallPaletteControls.OpeningKind = 3;
  EXPECT_EQ(InputWall(60, 60, 64, 60), 0);  // the 301st: no box, no repaint
  EXPECT_EQ(window.invalidations, 1);
  EXPECT_EQ(WallCount[0][0], MaxWallsPerStorey);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
}

TEST_F(WallInputTest, OkWritesTheWallInTheOrderOfTheClicks) {
  PutSupportedWall(0, 0, PlainWall(2, 2, 6, 2));
  Answer(Button::Ok, [](WallSettings& c) {
    c.PanelLeft = 3;
    c.Height = 2.75;
  });
  EXPECT_EQ(InputWall(6, 2, 2, 2), 1);
  EXPECT_EQ(dialogRuns, 1);
  EXPECT_EQ(WallChangeBuffer.WallIndex, 0);
  const WallRecord& w = Wall(0, 0, 0);
  EXPECT_EQ((std::array{w.X1, w.Y1, w.X2, w.Y2}), (std::array{6, 2, 2, 2}));
  EXPECT_EQ(w.PanelLeft, 3);
  EXPECT_EQ(w.Height, 2.75);
  UndoStep();
  EXPECT_EQ(Wall(0, 0, 0), PlainWall(2, 2, 6, 2));
}

TEST_F(WallInputTest, DeleteAndUndo) {
  PutSupportedWall(0, 0, PlainWall(2, 2, 6, 2));
  PutSupportedWall(0, 0, PlainWall(6, 2, 6, 5));
  Answer(Button::Delete);
  EXPECT_EQ(InputWall(2, 2, 6, 2), 1);
  ASSERT_EQ(WallCount[0][0], 1);
  EXPECT_EQ(Wall(0, 0, 0), PlainWall(6, 2, 6, 5));
  UndoStep();
  ASSERT_EQ(WallCount[0][0], 2);
  EXPECT_EQ(Wall(0, 0, 0), PlainWall(2, 2, 6, 2));
}

TEST_F(WallInputTest, BringToFrontPutsTheWallLastAndTwoUndosLeadBack) {
  WallRecord front = PlainWall(2, 2, 6, 2);
  front.PanelLeft = 3, front.Weight = 455.5, front.WingWallStart = 0.455, front.OpeningKind = 1;
  PutSupportedWall(0, 0, front);
  PutSupportedWall(0, 0, PlainWall(6, 2, 6, 5));
  // Another wall overlapping it, as only a file can bring: re-appended all the same.
  Walls[0][0][WallCount[0][0]++] = PlainWall(3, 2, 5, 2);
  Answer(Button::ToFront);
  EXPECT_EQ(InputWall(2, 2, 6, 2), 1);
  ASSERT_EQ(WallCount[0][0], 3);
  EXPECT_EQ(Wall(0, 0, 0), PlainWall(6, 2, 6, 5));
  EXPECT_EQ(Wall(0, 0, 2), front);
  UndoStep();
  EXPECT_EQ(WallCount[0][0], 2);  // without the wall
  UndoStep();
  ASSERT_EQ(WallCount[0][0], 3);  // before the command
  EXPECT_EQ(Wall(0, 0, 0), front);
}

TEST_F(WallInputTest, ClosingWithoutApplyingChangesNothingAndAsksNothing) {
  CurrentVariant = 1;
  // A wall already carrying a brace meant for the current state, and an
  // earlier edit that must survive.
  WallRecord wall = PlainWall(2, 2, 6, 2);
  wall.BraceKind = 3;
  PutSupportedWall(1, 0, wall);
  PushUndo();
  Walls[1][0][WallCount[1][0]++] = PlainWall(6, 2, 6, 5);
  const struct {
    const char* what;
    Button button;
    std::function<void(WallSettings&)> edit;
    std::vector<int> answers;
  } cases[] = {
      {"close box", Button::CloseBox, nullptr, {}},
      {"OK refused: strength element in a 全開口 wall",
       Button::Ok,
       [](WallSettings& c) { c.OpeningKind = 3; },
       {IDOK}},
      {"OK: いいえ to the brace question", Button::Ok, [](WallSettings& c) { c.OpeningKind = 1; }, {IDNO}},
      {"キャンセル", Button::Cancel, nullptr, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (int answer : c.answers) boxes.Expect(answer);
    Answer(c.button, c.edit);
    EXPECT_EQ(InputWall(6, 2, 2, 2), 1);
    EXPECT_EQ(boxes.Pending(), 0u);
    EXPECT_EQ(Wall(1, 0, 0), wall);  // ends not even reversed
    EXPECT_EQ(WallCount[1][0], 2);
  }
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(boxes.Calls()[0].text, WallNoStrengthMessage);
  EXPECT_EQ(boxes.Calls()[0].flags, 32);
  EXPECT_EQ(boxes.Calls()[1].text, WallBraceQuestion);
  UndoStep();  // the earlier edit is still the last step
  EXPECT_EQ(WallCount[1][0], 1);
}

TEST_F(WallInputTest, TheDialogsOkChecks) {
  PutSupportedWall(0, 0, PlainWall(2, 2, 6, 2));
  const struct {
    const char* what;
    int32_t opening, brace, mud, left, right;
    int answer;  // 0: no box
    bool applied;
  } cases[] = {
      {"全開口, brace 2", 3, 2, 0, 0, 0, -1, false},
      {"全開口, mud wall 2", 3, 0, 2, 0, 0, -1, false},
      {"全開口, right panel 2", 3, 0, 0, 0, 2, -1, false},
      {"全開口, 不明 everywhere", 3, 1, 1, 1, 1, 0, true},
      {"窓, brace 不明", 1, 1, 0, 0, 0, 0, true},
      {"窓, brace 2, いいえ", 1, 2, 0, 0, 0, IDNO, false},
      {"戸, brace 2, はい", 2, 2, 0, 0, 0, IDYES, true},
      {"無開口, brace 4", 0, 4, 0, 0, 0, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WallChangeBuffer.WallIndex = 0;
    WallChangeBuffer.Result = WallChangeNotApplied;
    WallSettings controls = SettingsOfWall(Wall(0, 0, 0));
    controls.OpeningKind = c.opening, controls.BraceKind = c.brace, controls.MudWallKind = c.mud;
    controls.PanelLeft = c.left, controls.PanelRight = c.right;
    if (c.answer != 0) boxes.Expect(c.answer == -1 ? IDOK : c.answer);
    const WallRecord before = Wall(0, 0, 0);
    EXPECT_EQ(ApplyWallChangeDialog(controls, 0), c.applied);
    EXPECT_EQ(boxes.Pending(), 0u);
    EXPECT_EQ(WallChangeBuffer.Result, c.applied ? WallChangeApply : WallChangeNotApplied);
    if (c.applied)
      EXPECT_EQ(SettingsOfWall(Wall(0, 0, 0)), controls);
    else
      EXPECT_EQ(Wall(0, 0, 0), before);
  }
}

TEST_F(WallInputTest, EndColumnChoiceSetsTheNotice) {
  PutSupportedWall(0, 0, PlainWall(2, 2, 6, 2));
  WallChangeBuffer.WallIndex = 0;
  const WallSettings same = SettingsOfWall(Wall(0, 0, 0));
  for (auto [choice, expected] : {std::pair{1, 1}, {0, 0}, {2, 1}}) {
    EXPECT_TRUE(ApplyWallChangeDialog(same, choice));
    EXPECT_EQ(NotifiedEndColumns, expected) << choice;
  }
}

TEST_F(WallInputTest, TakeIntoThePaletteKeepsItsNoStrengthAndFurrings) {
  NewWallDefaults.NoStrength = 1;
  NewWallDefaults.FurringLeft = 2;
  WallSettings dialog = {1, 0, 3, 0.455, 0.91, 1,   0,   4,   1,  1, 2,  3,
                         5, 1, 1, 2.5,   2.4,  2.3, 2.2, 2.1, 18, 2, 777};
  TakeWallSettingsIntoPalette(dialog);
  WallSettings expected = dialog;
  expected.NoStrength = 1, expected.FurringLeft = 2, expected.FurringRight = 0;
  EXPECT_EQ(NewWallDefaults, expected);
  // No model reset puts the palette's memory back.
  ResetModel(ResetForNewProject);
  EXPECT_EQ(NewWallDefaults, expected);
}

TEST_F(WallInputTest, DiagnosisOnlyBraceRows) {
  const struct {
    int32_t kind, joint, row;
  } cases[] = {{3, 0, 3}, {3, 2, 3},   {4, 0, 5}, {4, 1, 0}, {5, 0, 7}, {5, 3, 0},
               {6, 0, 0}, {10, 1, 12}, {1, 0, 0}, {0, 0, 0}, {9, 0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(DiagnosisOnlyBraceRow(c.kind, c.joint), c.row) << c.kind << "/" << c.joint;
}

TEST_F(WallInputTest, DeteriorationParts) {
  // 2 + 8 + 16 + 128: frame なし, core 劣化, left panel 部分, right panel 劣化.
  const int32_t code = 154;
  EXPECT_EQ(DeteriorationPartOf(code, DeteriorationFrame), 2);
  EXPECT_EQ(DeteriorationPartOf(code, DeteriorationCore), 2);
  EXPECT_EQ(DeteriorationPartOf(code, DeteriorationLeftPanel), 1);
  EXPECT_EQ(DeteriorationPartOf(code, DeteriorationRightPanel), 2);
  EXPECT_EQ(DeteriorationPartOf(64, DeteriorationRightPanel), 1);
  EXPECT_EQ(WithDeteriorationPart(code, DeteriorationRightPanel, 1), 2 + 8 + 16 + 64);
  EXPECT_EQ(WithDeteriorationPart(code, DeteriorationFrame, 0), 152);
}

// Retrofit plans: the question about elements meant for the current state.
class RetrofitWallChangeTest : public WallInputTest {
 protected:
  void SetUp() override {
    WallInputTest::SetUp();
    CurrentVariant = 1;
    PutSupportedWall(0, 0, PlainWall(2, 2, 6, 2));  // the current state's twin
    PutSupportedWall(1, 0, PlainWall(2, 2, 6, 2));
  }
};

TEST_F(RetrofitWallChangeTest, ElementsMeantForTheCurrentStateAsk) {
  const struct {
    const char* what;
    int32_t brace, joint, mud, left;
    bool twinHasIt;
    bool asked;
  } cases[] = {
      {"15x90 the twin lacks", 3, 3, 0, 0, false, true},
      {"15x90 the twin has", 3, 3, 0, 0, true, false},
      {"30x90 with 1.5", 4, 1, 0, 0, false, false},
      {"30x90 with くぎ打", 4, 0, 0, 0, false, true},
      {"方杖添無", 10, 3, 0, 0, false, true},
      {"mud wall row 2", 0, 3, 2, 0, false, true},
      {"mud wall row 4 (not flagged)", 0, 3, 4, 0, false, false},
      {"木ずり left panel", 0, 3, 0, 2, false, true},
      {"木ずり left panel, twin has it", 0, 3, 0, 2, true, false},
      {"合板 left panel", 0, 3, 0, 3, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Wall(0, 0, 0) = PlainWall(6, 2, 2, 2);  // reversed: either order matches
    if (c.twinHasIt) {
      Wall(0, 0, 0).BraceKind = c.brace, Wall(0, 0, 0).BraceEndJoint = c.joint;
      Wall(0, 0, 0).MudWallKind = c.mud, Wall(0, 0, 0).PanelLeft = c.left;
    }
    Wall(1, 0, 0) = PlainWall(2, 2, 6, 2);
    if (c.asked) boxes.Expect(WallDiagnosisOnlyCaption, IDYES);
    Answer(Button::Ok, [&](WallSettings& s) {
      s.BraceKind = c.brace, s.BraceEndJoint = c.joint, s.MudWallKind = c.mud, s.PanelLeft = c.left;
    });
    EXPECT_EQ(InputWall(2, 2, 6, 2), 1);
    EXPECT_EQ(boxes.Pending(), 0u);
    EXPECT_EQ(Wall(1, 0, 0).BraceKind, c.brace);
  }
  ASSERT_FALSE(boxes.Calls().empty());
  EXPECT_EQ(boxes.Calls()[0].text, WallDiagnosisOnlyQuestion);
  EXPECT_EQ(boxes.Calls()[0].flags, 36);
}

TEST_F(RetrofitWallChangeTest, NoRestoresTheWallWhileAnEarlierEditStays) {
  PushUndo();
  Walls[1][0][WallCount[1][0]++] = PlainWall(6, 2, 6, 5);  // the earlier edit
  boxes.Expect(WallDiagnosisOnlyCaption, IDNO);
  Answer(Button::Ok, [](WallSettings& s) { s.BraceKind = 3; });
  EXPECT_EQ(InputWall(6, 2, 2, 2), 0);
  ASSERT_EQ(WallCount[1][0], 2);
  EXPECT_EQ(Wall(1, 0, 0), PlainWall(2, 2, 6, 2));
  UndoStep();
  EXPECT_EQ(WallCount[1][0], 1);
}

TEST_F(RetrofitWallChangeTest, AChangedWallWithoutTwinAsksForAnyFlaggedElement) {
  Wall(0, 0, 0) = PlainWall(2, 2, 6, 3);  // other ends
  boxes.Expect(WallDiagnosisOnlyCaption, IDYES);
  Answer(Button::Ok, [](WallSettings& s) { s.PanelRight = 2; });
  EXPECT_EQ(InputWall(2, 2, 6, 2), 1);
  EXPECT_EQ(Wall(1, 0, 0).PanelRight, 2);
  // Without flagged elements nothing is asked.
  Answer(Button::Ok, [](WallSettings& s) { s.PanelRight = 3; });
  EXPECT_EQ(InputWall(2, 2, 6, 2), 1);
}

TEST_F(RetrofitWallChangeTest, NoticeHardwareAtTheEndsOfAChangedOrDeletedWall) {
  PutColumn(1, 0, 4, 4);  // elsewhere
  const struct {
    const char* what;
    Button button;
    int32_t variant;
    int32_t notified;
    int32_t endHardware;
  } cases[] = {
      {"消去 with the notice", Button::Delete, 1, 1, 2},
      {"消去 without it", Button::Delete, 1, 0, 0},
      {"キャンセル with the notice", Button::Cancel, 1, 1, 0},
      {"手前に表示 with the notice", Button::ToFront, 1, 1, 0},
      {"消去 in the current state", Button::Delete, 0, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CurrentVariant = c.variant;
    for (int k = 0; k < ColumnCount[c.variant][0]; ++k) Columns[c.variant][0][k].Hardware = 0;
    WallCount[c.variant][0] = 1;
    Wall(c.variant, 0, 0) = PlainWall(2, 2, 6, 2);
    NotifiedEndColumns = c.notified;
    Answer(c.button);
    EXPECT_EQ(InputWall(2, 2, 6, 2), 1);
    const int n = ColumnCount[c.variant][0];
    for (int k = 0; k < n; ++k) {
      const ColumnRecord& column = Columns[c.variant][0][k];
      const bool atEnd = (column.X == 2 || column.X == 6) && column.Y == 2;
      EXPECT_EQ(column.Hardware, atEnd ? c.endHardware : 0) << column.X << "," << column.Y;
    }
  }
  // OK with 告示にする（今回のみ） gives the hardware at once.
  CurrentVariant = 1;
  Answer(Button::Ok, nullptr, 1);
  EXPECT_EQ(InputWall(2, 2, 6, 2), 1);
  EXPECT_EQ(Columns[1][0][0].Hardware, 2);
  EXPECT_EQ(Columns[1][0][2].Hardware, 0);
}

}  // namespace
