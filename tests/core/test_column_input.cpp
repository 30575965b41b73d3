// Placing, changing and deleting columns. Guards: a click never adds a
// second column on a point; a full storey refuses silently and unchanged;
// through columns always have their partner on the other storey they pass
// (or are one-storey columns); every change is undoable; no value outside
// its table reaches a column.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "editing/ColumnInput.h"
#include "editing/SlotCopy.h"
#include "model/FileState.h"
#include "model/ViewState.h"
#include "presentation/PaletteState.h"

namespace {

class ColumnInputTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    SetMainWindowPort(&window);
    NewColumnDefaults = {1, 0, 0, 0, 0, 0, 2};
    SetColumnChangeDialog(nullptr);
  }
  void TearDown() override {
    SetColumnChangeDialog(nullptr);
    ModelTest::TearDown();
  }
  // A dialog that answers as its buttons do: 設定 and 消去 push the snapshot.
  void AnswerDialog(int32_t result, int32_t hardware = -1) {
    SetColumnChangeDialog([this, result, hardware] {
      ++dialogRuns;
      seenResult = ColumnChangeBuffer.Result;
      seenHardware = ColumnChangeBuffer.Hardware;
      if (result == ColumnChangeApply || result == ColumnChangeDelete) PushUndo();
      if (result >= 0) ColumnChangeBuffer.Result = result;
      if (hardware != -1) ColumnChangeBuffer.Hardware = hardware;
    });
  }
  static int32_t Count(int v, int s) { return ColumnCount[v][s]; }
  static const ColumnRecord& At(int v, int s, int i) { return Columns[v][s][i]; }
  static void Fill(int v, int s, int n) {
    for (int i = 0; i < n; ++i) Columns[v][s][i] = ColumnRecord{0, 100 + i % 90, 100 + i / 90, 1};
    ColumnCount[v][s] = n;
  }

  RecordingMainWindow window;
  int dialogRuns = 0;
  int32_t seenResult = -1;
  int32_t seenHardware = -1;
};

TEST_F(ColumnInputTest, AddsAColumnWithThePaletteSettings) {
  CurrentVariant = 1;
  CurrentStorey = 1;
  NewColumnDefaults = {1, 7, 1, 2, 3, 4, 0};
  EXPECT_EQ(InputColumn(10, 12), 1);
  ASSERT_EQ(Count(1, 1), 1);
  EXPECT_EQ(At(1, 1, 0), (ColumnRecord{0, 10, 12, 1, 7, 1, 2, 3, 4, 0}));
  EXPECT_EQ(Count(0, 1) + Count(1, 0) + Count(1, 2), 0);
  EXPECT_EQ(window.invalidations, 1);
  EXPECT_EQ(ModifiedFlag, 0);  // the click handler marks the project, not the routine
  EXPECT_TRUE(MainWindow.BmodoruEnabled);
  UndoStep();
  EXPECT_EQ(Count(1, 1), 0);
}

TEST_F(ColumnInputTest, FullStoreyRefusesSilentlyWithoutRepaint) {
  Fill(0, 0, MaxColumnsPerStorey);
  EXPECT_EQ(InputColumn(5, 5), 0);
  EXPECT_EQ(Count(0, 0), 300);
  EXPECT_EQ(window.invalidations, 0);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);  // no snapshot either
  // A column already standing there still opens its dialog on a full storey.
  AnswerDialog(ColumnChangeCancel);
  EXPECT_EQ(InputColumn(100, 100), 1);
  EXPECT_EQ(dialogRuns, 1);
}

TEST_F(ColumnInputTest, OffGridPointAddsNothing) {
  EXPECT_EQ(InputColumn(200, 3), 0);
  EXPECT_EQ(InputColumn(3, -1), 0);
  EXPECT_EQ(Count(0, 0), 0);
}

TEST_F(ColumnInputTest, OutOfRangePaletteValuesNeverReachTheColumn) {
  // An unselected hardware list gives -1; a column keeps a table row.
  NewColumnDefaults = {1, -1, 3, -2, 6, 7, 5};
  InputColumn(1, 1);
  EXPECT_EQ(At(0, 0, 0), (ColumnRecord{0, 1, 1, 1, 0, 0, 0, 0, 0, 2}));
}

struct ThroughCase {
  const char* name;
  int32_t paletteType;
  int32_t storey;
  int32_t partnerHasColumnOfType;  // 0 none, else the type of the column already there
  int32_t partnerFull;
  int32_t expectedResult;
  int32_t expectedType;     // of the new column
  int32_t expectedPartner;  // storey, -1 none
  int32_t expectedPartnerCount;
  int32_t expectedPartnerType;
};

// Partner storey: type 2 pairs storeys 1 and 2 (s 0 <-> 1), type 3 storeys 2 and 3 (s 1 <-> 2).
const ThroughCase kThroughCases[] = {
    {"one-storey on storey 1", 1, 0, 0, 0, 1, 1, -1, 0, 0},
    {"1-2 on storey 1 adds it on 2", 2, 0, 0, 0, 1, 2, 1, 1, 2},
    {"1-2 on storey 2 adds it on 1", 2, 1, 0, 0, 1, 2, 0, 1, 2},
    {"1-2 on storey 3 is one-storey", 2, 2, 0, 0, 1, 1, -1, 0, 0},
    {"2-3 on storey 1 is one-storey", 3, 0, 0, 0, 1, 1, -1, 0, 0},
    {"2-3 on storey 2 adds it on 3", 3, 1, 0, 0, 1, 3, 2, 1, 3},
    {"2-3 on storey 3 adds it on 2", 3, 2, 0, 0, 1, 3, 1, 1, 3},
    {"1-2 marks the column on 2", 2, 0, 1, 0, 1, 2, 1, 1, 2},
    {"2-3 marks a 1-2 column on 2", 3, 2, 2, 0, 1, 3, 1, 1, 3},
    {"full partner: one-storey, result 0", 2, 0, 0, 1, 0, 1, 1, 300, 0},
};

TEST_F(ColumnInputTest, ThroughColumnsGetTheirPartner) {
  for (const ThroughCase& c : kThroughCases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForStartUp);
    NewColumnDefaults = {c.paletteType, 4, 1, 1, 2, 0, 1};
    const int32_t partner = PartnerStoreyOf(c.paletteType, c.storey);
    if (c.partnerHasColumnOfType) {
      Columns[0][partner][0] = ColumnRecord{0, 7, 8, c.partnerHasColumnOfType, 9, 2, 2, 5, 6, 0};
      ColumnCount[0][partner] = 1;
    }
    if (c.partnerFull) Fill(0, partner, MaxColumnsPerStorey);
    CurrentStorey = c.storey;
    EXPECT_EQ(InputColumn(7, 8), c.expectedResult);
    ASSERT_EQ(Count(0, c.storey), 1);
    EXPECT_EQ(At(0, c.storey, 0).Type, c.expectedType);
    EXPECT_EQ(NewColumnDefaults.Type, c.paletteType);  // the palette keeps its choice
    for (int s = 0; s < StoreyCount; ++s) {
      if (s == c.storey) continue;
      if (s != c.expectedPartner) {
        EXPECT_EQ(Count(0, s), 0) << s;
        continue;
      }
      ASSERT_EQ(Count(0, s), c.expectedPartnerCount);
      if (c.partnerFull) continue;
      const ColumnRecord& p = At(0, s, 0);
      EXPECT_EQ(p.Type, c.expectedPartnerType);
      if (c.partnerHasColumnOfType)  // only the type changes
        EXPECT_EQ(p, (ColumnRecord{0, 7, 8, c.expectedPartnerType, 9, 2, 2, 5, 6, 0}));
      else
        EXPECT_EQ(p, (ColumnRecord{0, 7, 8, c.expectedPartnerType, 4, 1, 1, 2, 0, 1}));
    }
  }
}

TEST_F(ColumnInputTest, UndoTakesBackColumnAndPartnerTogether) {
  NewColumnDefaults.Type = 2;
  InputColumn(3, 4);
  ASSERT_EQ(Count(0, 1), 1);
  UndoStep();
  EXPECT_EQ(Count(0, 0), 0);
  EXPECT_EQ(Count(0, 1), 0);
}

TEST_F(ColumnInputTest, ChangeDialogResults) {
  struct Case {
    const char* name;
    int32_t answer;  // -1: closed by the title bar
    int32_t expectedHardware;
    bool undoPushed;
    int expectedInvalidations;
  };
  const Case cases[] = {
      {"設定 writes the settings", ColumnChangeApply, 11, true, 1},
      {"消去 removes the column", ColumnChangeDelete, -1, true, 1},
      {"キャンセル repaints only", ColumnChangeCancel, 5, false, 1},
      {"title bar changes nothing", -1, 5, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForStartUp);
    window.invalidations = 0;
    Columns[0][0][0] = ColumnRecord{0, 1, 1, 1, 3, 0, 0, 0, 0, 2};
    Columns[0][0][1] = ColumnRecord{0, 2, 2, 1, 5, 1, 1, 4, 2, 1};
    Columns[0][0][2] = ColumnRecord{0, 3, 3, 1, 6, 0, 0, 0, 0, 2};
    ColumnCount[0][0] = 3;
    AnswerDialog(c.answer, 11);
    EXPECT_EQ(InputColumn(2, 2), 1);
    EXPECT_EQ(seenHardware, 5);  // the dialog sees the column's values
    EXPECT_EQ(Count(0, 0), c.answer == ColumnChangeDelete ? 2 : 3);
    EXPECT_EQ(At(0, 0, 2 - (c.answer == ColumnChangeDelete)).X, 3);  // later records moved down
    if (c.expectedHardware >= 0) {
      EXPECT_EQ(At(0, 0, 1).Hardware, c.expectedHardware);
      EXPECT_EQ(At(0, 0, 1).Type, 1);
      EXPECT_EQ(At(0, 0, 1).SectionX, 4);
    }
    EXPECT_EQ(MainWindow.BmodoruEnabled, c.undoPushed);
    EXPECT_EQ(window.invalidations, c.expectedInvalidations);
    if (c.undoPushed) {
      UndoStep();
      EXPECT_EQ(At(0, 0, 1), (ColumnRecord{0, 2, 2, 1, 5, 1, 1, 4, 2, 1}));
    }
  }
}

TEST_F(ColumnInputTest, AppliedSettingOutsideItsTableKeepsTheStoredOne) {
  testmodel::SetList(0, 0, {ColumnRecord{0, 1, 1, 1, 3, 0, 0, 0, 0, 2}});
  SetColumnChangeDialog([] {
    PushUndo();
    ColumnChangeBuffer.Result = ColumnChangeApply;
    ColumnChangeBuffer.Hardware = 30;
    ColumnChangeBuffer.Species = 2;
  });
  InputColumn(1, 1);
  EXPECT_EQ(At(0, 0, 0).Hardware, 3);
  EXPECT_EQ(At(0, 0, 0).Species, 2);
}

TEST_F(ColumnInputTest, DeletingAThroughColumnMakesItsPartnerOneStorey) {
  // A 2-3 column on storey 2 with partners on 3; storey 1 is untouched.
  for (int s = 0; s < 3; ++s) {
    Columns[0][s][0] = ColumnRecord{0, 4, 4, s == 0 ? 2 : 3};
    Columns[0][s][1] = ColumnRecord{0, 5, 4, 3};
    ColumnCount[0][s] = 2;
  }
  CurrentStorey = 1;
  AnswerDialog(ColumnChangeDelete);
  EXPECT_EQ(InputColumn(4, 4), 1);
  EXPECT_EQ(Count(0, 1), 1);
  EXPECT_EQ(At(0, 2, 0).Type, 1);
  EXPECT_EQ(At(0, 2, 1).Type, 3);  // another point keeps its type
  EXPECT_EQ(At(0, 0, 0).Type, 2);  // not the partner storey of a 2-3 column
}

TEST_F(ColumnInputTest, BearingWallWarning) {
  struct Case {
    const char* name;
    int32_t opening;
    int32_t method, otherElements, openingBasis;
    int32_t expected;
  };
  const Case cases[] = {
      {"no opening", 0, 2, 0, 0, 1},
      {"fully open", 3, 2, 0, 0, 0},
      {"window, general method", 1, 2, 0, 0, 1},
      {"door, precise 2 with method 2, basis 0", 2, 0, 1, 0, 0},
      {"window, precise 2 with method 2, basis 1", 1, 0, 1, 1, 1},
      {"window, precise 2 with method 1", 1, 0, 0, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetModel(ResetForStartUp);
    ProjectSettings.DiagnosisMethod = c.method;
    ProjectSettings.OtherElementsMethod = c.otherElements;
    ProjectSettings.OpeningWallBasis = c.openingBasis;
    Walls[0][0][0] = WallRecord{};
    Walls[0][0][0].X1 = 9, Walls[0][0][0].Y1 = 1, Walls[0][0][0].X2 = 6, Walls[0][0][0].Y2 = 6;
    Walls[0][0][0].OpeningKind = c.opening;
    WallCount[0][0] = 1;
    testmodel::SetList(0, 0, {ColumnRecord{0, 6, 6, 1}});
    AnswerDialog(ColumnChangeCancel);
    InputColumn(6, 6);
    EXPECT_EQ(seenResult, c.expected);
  }
}

}  // namespace
