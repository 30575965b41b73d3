// The copy dialog opened by 一括編集: it offers the current variant as the
// only destination, copies the ticked storeys into it (undoable), swaps
// storeys with or without the variant settings, clears the current storey
// after a question, and the plan is repainted when it closes.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "GuiFixture.h"
#include "editing/CopyDialogCommands.h"
#include "editing/SlotCopy.h"
#include "mainwindow/CopyDialog.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/ViewState.h"
#include "presentation/MainWindowPort.h"

namespace {

class CopyDialogTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
  }

  // n walls on a storey of a variant, X1 tagged so that records can be traced.
  // Walls tagged by their first axis, which must stay on the grid (tag + n < 200).
  static void PutWalls(int variant, int storey, int n, int tag) {
    WallCount[variant][storey] = n;
    for (int i = 0; i < n; ++i) {
      Walls[variant][storey][i] = WallRecord{};
      Walls[variant][storey][i].X1 = tag + i;
      Walls[variant][storey][i].BraceKind = 4;
      Walls[variant][storey][i].PanelRight = 7;
    }
  }

  // Presses 一括編集 with the dialog played by action and waits for the repaint.
  void RunCopyDialog(ScriptedModalDialogs::Action action) {
    ASSERT_TRUE(ProcessUntil([] { return !QuilmoraForm->Gamen->FullPaintDue(); }));
    const int paints = QuilmoraForm->Gamen->FullPaintCount();
    dialogs.Expect("DcopyDlg", std::move(action));
    QuilmoraForm->Bgennkyou->click();
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_TRUE(ProcessUntil([&] { return QuilmoraForm->Gamen->FullPaintCount() > paints; }));
  }

  static TDcopyDlg& Dialog(QDialog& dialog) { return static_cast<TDcopyDlg&>(dialog); }
};

TEST_F(CopyDialogTest, CopiesAStoreyOfTheCurrentStateIntoThePlanAndUndoRestoresIt) {
  PutWalls(0, 1, 5, 60);
  PutWalls(1, 1, 12, 120);
  PutWalls(1, 0, 3, 180);
  ColumnCount[0][1] = 4;
  QuilmoraForm->Rkaishu1->click();
  ASSERT_EQ(CurrentVariant, 1);

  int result = -1;
  RunCopyDialog([&](QDialog& d) {
    TDcopyDlg& dlg = Dialog(d);
    // Only the current plan is a destination; the current state is the source.
    EXPECT_TRUE(dlg.Rd1->isChecked());
    EXPECT_FALSE(dlg.Rd0->isEnabled());
    EXPECT_FALSE(dlg.Rd2->isEnabled());
    EXPECT_TRUE(dlg.Rs0->isChecked());
    EXPECT_FALSE(dlg.Rs1->isEnabled());
    EXPECT_TRUE(dlg.Rmc->isChecked());
    dlg.Ck1->setChecked(false);
    dlg.Ck3->setChecked(false);
    dlg.OKBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    result = dlg.result();
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(WallCount[1][1], 5);
  EXPECT_EQ(Walls[1][1][4].X1, 64);
  EXPECT_EQ(ColumnCount[1][1], 4);
  EXPECT_EQ(WallCount[1][0], 3);  // not ticked
  EXPECT_EQ(WallCount[0][1], 5);  // the source stays
  ASSERT_TRUE(QuilmoraForm->Bmodoru->isEnabled());

  QuilmoraForm->Bmodoru->click();
  EXPECT_EQ(WallCount[1][1], 12);
  EXPECT_EQ(Walls[1][1][11].X1, 131);
  EXPECT_EQ(ColumnCount[1][1], 0);
  EXPECT_EQ(WallCount[1][0], 3);
  EXPECT_FALSE(QuilmoraForm->Bmodoru->isEnabled());

  // The storey check boxes keep their state to the next showing.
  RunCopyDialog([](QDialog& d) {
    EXPECT_FALSE(Dialog(d).Ck1->isChecked());
    EXPECT_TRUE(Dialog(d).Ck2->isChecked());
    EXPECT_FALSE(Dialog(d).Ck3->isChecked());
    Dialog(d).CancelBtn->click();
  });
  EXPECT_EQ(WallCount[1][1], 12);
}

TEST_F(CopyDialogTest, SwapsWithTheVariantSettingsOrTheListsOnly) {
  const struct { bool settingsToo; } cases[] = {{true}, {false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settingsToo ? "with settings" : "lists only");
    QuilmoraForm->Rgenkyou->click();
    for (int s = 0; s < 3; ++s) {
      PutWalls(0, s, 2 + s, 10 * s);
      PutWalls(2, s, 6, 100 + 10 * s);
    }
    ProjectSettings.TopStorey[0] = 1;
    ProjectSettings.TopStorey[2] = 2;
    ProjectSettings.WeightClass[0] = 0;
    ProjectSettings.WeightClass[2] = 2;
    ProjectSettings.StoreyHeight[2][1] = 3.3;
    PushUndo();  // a history that the swap must not leave reachable
    WallCount[0][0] = 2;
    ASSERT_TRUE(QuilmoraForm->Bmodoru->isEnabled());

    RunCopyDialog([&](QDialog& d) {
      TDcopyDlg& dlg = Dialog(d);
      EXPECT_TRUE(dlg.Rs1->isChecked());  // the default source of the current state
      dlg.CheckBox1->setChecked(c.settingsToo);
      dlg.Rs2->setChecked(true);
      dlg.Rmp->setChecked(true);
      dlg.OKBtn->click();
    });
    for (int s = 0; s < 3; ++s) {
      EXPECT_EQ(WallCount[0][s], 6) << s;
      EXPECT_EQ(Walls[0][s][5].X1, 105 + 10 * s) << s;
      EXPECT_EQ(WallCount[2][s], 2 + s) << s;
      EXPECT_EQ(Walls[2][s][1].X1, 10 * s + 1) << s;
    }
    EXPECT_EQ(ProjectSettings.TopStorey[0], c.settingsToo ? 2 : 1);
    EXPECT_EQ(ProjectSettings.TopStorey[2], c.settingsToo ? 1 : 2);
    EXPECT_EQ(ProjectSettings.StoreyHeight[0][1], c.settingsToo ? 3.3 : 2.8);
    const QColor light(208, 255, 255), veryHeavy(255, 208, 208);
    EXPECT_EQ(QuilmoraForm->Rgenkyou->palette().color(QPalette::Window), c.settingsToo ? veryHeavy : light);
    EXPECT_EQ(QuilmoraForm->Rkaishu2->palette().color(QPalette::Window), c.settingsToo ? light : veryHeavy);
    // No undo can write the old history over the swapped-in lists.
    EXPECT_FALSE(QuilmoraForm->Bmodoru->isEnabled());
    QuilmoraForm->BmodoruClick();
    EXPECT_EQ(WallCount[0][0], 6);

    // Swapping again takes the swap back.
    RunCopyDialog([](QDialog& d) {
      Dialog(d).Rs2->setChecked(true);
      Dialog(d).Rmp->setChecked(true);
      Dialog(d).OKBtn->click();
    });
    EXPECT_EQ(WallCount[0][2], 4);
    EXPECT_EQ(WallCount[2][2], 6);
    EXPECT_EQ(ProjectSettings.TopStorey[0], 1);
    EXPECT_EQ(ProjectSettings.WeightClass[2], 2);
  }
}

TEST_F(CopyDialogTest, ASwapThatLowersTheStoreyCountBringsTheStoreyShownDown) {
  // The current state has three storeys and its third is shown; the plan
  // swapped in has two.
  QuilmoraForm->Rgenkyou->click();
  ProjectSettings.TopStorey[0] = 2;
  ProjectSettings.TopStorey[2] = 1;
  UpdateStoreyControls();
  QuilmoraForm->R3kai->click();
  ASSERT_EQ(CurrentStorey, 2);
  RunCopyDialog([](QDialog& d) {
    Dialog(d).CheckBox1->setChecked(true);
    Dialog(d).Rs2->setChecked(true);
    Dialog(d).Rmp->setChecked(true);
    Dialog(d).OKBtn->click();
  });
  ASSERT_EQ(ProjectSettings.TopStorey[0], 1);
  EXPECT_EQ(CurrentStorey, 1);
  EXPECT_TRUE(QuilmoraForm->R2kai->isChecked());
  EXPECT_FALSE(QuilmoraForm->R3kai->isEnabled());
}

TEST_F(CopyDialogTest, ClearButtonsAskAndActOnlyOnYes) {
  const struct {
    const char* button;
    const char* question;
    int answer;
  } cases[] = {
      {"Bdelete", ClearStoreyQuestion, IDYES},
      {"Bdelete", ClearStoreyQuestion, IDNO},
      {"Byousodelete", ClearWallBearingQuestion, IDYES},
      {"Byousodelete", ClearWallBearingQuestion, IDNO},
  };
  QuilmoraForm->Rkaishu2->click();
  QuilmoraForm->R2kai->click();
  ASSERT_EQ(CurrentStorey, 1);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.button) + (c.answer == IDYES ? " yes" : " no"));
    EmptyUndoRing();
    PutWalls(2, 1, 4, 40);
    ColumnCount[2][1] = 3;
    PutWalls(2, 0, 2, 90);
    boxes.Expect(ClearQuestionCaption, c.answer);
    const std::size_t shown = boxes.Calls().size();
    int result = -1;
    RunCopyDialog([&](QDialog& d) {
      // The storey check boxes do not limit the clears.
      Dialog(d).Ck2->setChecked(false);
      ClickButton(c.button)(d);
      EXPECT_FALSE(d.isVisible());
      result = d.result();
      Dialog(d).Ck2->setChecked(true);
    });
    EXPECT_EQ(result, 6);  // the dialog closes either way
    ASSERT_EQ(boxes.Calls().size(), shown + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.question);
    EXPECT_EQ(boxes.Calls().back().flags, 36);

    const bool yes = c.answer == IDYES;
    const bool wholeStorey = std::string(c.button) == "Bdelete";
    EXPECT_EQ(WallCount[2][1], yes && wholeStorey ? 0 : 4);
    EXPECT_EQ(ColumnCount[2][1], yes && wholeStorey ? 0 : 3);
    if (!wholeStorey) {
      EXPECT_EQ(Walls[2][1][3].BraceKind, yes ? 0 : 4);
      EXPECT_EQ(Walls[2][1][3].PanelRight, yes ? 0 : 7);
      EXPECT_EQ(Walls[2][1][3].X1, 43);
    }
    EXPECT_EQ(WallCount[2][0], 2);
    EXPECT_EQ(Walls[2][0][0].BraceKind, 4);
    EXPECT_EQ(QuilmoraForm->Bmodoru->isEnabled(), yes);
  }
}

TEST_F(CopyDialogTest, CancelChangesNothingButThePlanIsStillRepainted) {
  PutWalls(0, 0, 3, 10);
  PutWalls(1, 0, 5, 50);
  RunCopyDialog([](QDialog& d) {
    Dialog(d).CancelBtn->click();
    EXPECT_EQ(d.result(), 2);
  });
  EXPECT_EQ(dialogs.Shown().back(), "DcopyDlg");
  EXPECT_EQ(WallCount[0][0], 3);
  EXPECT_FALSE(QuilmoraForm->Bmodoru->isEnabled());
  // The close box leaves the same way.
  RunCopyDialog(CloseBox());
  EXPECT_EQ(WallCount[0][0], 3);
}

}  // namespace
