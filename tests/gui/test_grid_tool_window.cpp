// The grid mode's tool window and its dialogs: the radios choose what a click
// does to the grid, the turn button turns the model and repaints (or reports
// why it cannot), the module dialog lays the grid out again, and the grid
// edits ask for their distance through the 通り芯 prompt.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "GuiFixture.h"
#include "mainwindow/AxisDialog.h"
#include "mainwindow/GridToolWindow.h"
#include "mainwindow/ModuleDialog.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/GridAxisEditing.h"
#include "model/ViewState.h"

namespace {

class GridToolWindowTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
    QuilmoraForm->Rtoorishin->click();
    ASSERT_TRUE(ProcessUntil([] { return DtoorishinnDlg->isVisible(); }));
    ASSERT_TRUE(ProcessUntil([] { return !QuilmoraForm->Gamen->FullPaintDue(); }));
  }

  static bool RepaintedSince(int paints) {
    return ProcessUntil([&] { return QuilmoraForm->Gamen->FullPaintCount() > paints; });
  }
};

TEST_F(GridToolWindowTest, RadiosSetTheGridEditModeAndShowIt) {
  const struct {
    QRadioButton* TDtoorishinnDlg::*radio;
    int32_t mode;
  } cases[] = {{&TDtoorishinnDlg::Rychange, 3},
               {&TDtoorishinnDlg::Rxchange, 1},
               {&TDtoorishinnDlg::Rdel, 4},
               {&TDtoorishinnDlg::Ryadd, 2},
               {&TDtoorishinnDlg::Rxadd, 0}};
  for (const auto& c : cases) {
    (DtoorishinnDlg->*c.radio)->click();
    EXPECT_EQ(GridEditMode, c.mode);
  }
  // Activation checks the radio of the mode; a mode beyond 3 is shown by Rdel.
  GridEditMode = 3;
  DtoorishinnDlg->FormActivate();
  EXPECT_TRUE(DtoorishinnDlg->Rychange->isChecked());
  EXPECT_FALSE(DtoorishinnDlg->Rxadd->isChecked());
  GridEditMode = 9;
  DtoorishinnDlg->FormActivate();
  EXPECT_TRUE(DtoorishinnDlg->Rdel->isChecked());
  EXPECT_EQ(GridEditMode, 4);  // checking a radio runs its handler
  EXPECT_EQ(DtoorishinnDlg->Lmodule->text(), QStringLiteral("0.910"));
  EXPECT_EQ(DtoorishinnDlg->Bkaiten->text(), QStringLiteral("実行"));
}

TEST_F(GridToolWindowTest, TheTurnButtonTurnsTheModelAndRepaints) {
  WallCount[1][0] = 1;
  Walls[1][0][0] = WallRecord{};
  Walls[1][0][0].X1 = 10, Walls[1][0][0].Y1 = 20, Walls[1][0][0].X2 = 10, Walls[1][0][0].Y2 = 30;
  const int paints = QuilmoraForm->Gamen->FullPaintCount();
  DtoorishinnDlg->Bkaiten->click();
  // (x, y) becomes (y, 199 - x).
  EXPECT_EQ(Walls[1][0][0].X1, 20);
  EXPECT_EQ(Walls[1][0][0].Y1, 189);
  EXPECT_EQ(Walls[1][0][0].X2, 30);
  EXPECT_TRUE(RepaintedSince(paints));
  EXPECT_EQ(ModifiedFlag, 1);  // the file stores the turned model
}

TEST_F(GridToolWindowTest, ATurnThatCannotBeMadeIsReportedAndChangesNothing) {
  ColumnCount[2][1] = 1;
  Columns[2][1][0] = ColumnRecord{};
  Columns[2][1][0].X = 250;  // off the grid, as a damaged model could hold
  Columns[2][1][0].Y = 5;
  GridAxisKindY[0] = 2;
  boxes.Expect("データ移動不可", IDOK);
  DtoorishinnDlg->Bkaiten->click();
  ASSERT_EQ(boxes.Pending(), 0u);
  EXPECT_EQ(boxes.Calls().back().flags, 16);
  EXPECT_EQ(Columns[2][1][0].X, 250);
  EXPECT_EQ(Columns[2][1][0].Y, 5);
  EXPECT_EQ(GridAxisKindY[0], 2);
  EXPECT_EQ(GridAxisKindX[0], 0);
}

TEST_F(GridToolWindowTest, TheModuleDialogLaysTheGridOutAndKeepsItsRule) {
  GridAxisX[2] = GridAxisX[1] + 0.455;  // interval 2 is half a module
  for (int i = 3; i < 200; ++i) GridAxisX[i] = GridAxisX[i - 1] + 0.91;
  int paints = QuilmoraForm->Gamen->FullPaintCount();
  dialogs.Expect("DmoduleDlg", [](QDialog& d) {
    auto& dlg = static_cast<TDmoduleDlg&>(d);
    EXPECT_EQ(dlg.Cmodule->currentText(), QStringLiteral("0.910"));
    EXPECT_TRUE(dlg.Rnone->isChecked());
    dlg.Cmodule->setEditText(QStringLiteral("1.000"));
    dlg.Rhirei->setChecked(true);
    dlg.OKBtn->click();
  });
  DtoorishinnDlg->Bikkatsu->click();
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_DOUBLE_EQ(GridModule, 1.0);
  EXPECT_NEAR(GridAxisX[1], 1.0, 1e-9);
  EXPECT_NEAR(GridAxisX[2] - GridAxisX[1], 0.5, 1e-9);  // 0.455 x 1.0 / 0.91
  EXPECT_NEAR(GridAxisY[199], 199.0, 1e-9);
  EXPECT_EQ(DtoorishinnDlg->Lmodule->text(), QStringLiteral("1.000"));
  EXPECT_TRUE(RepaintedSince(paints));

  // A value out of range is reported, the dialog closes and nothing changes;
  // the rule chosen last time is still chosen.
  boxes.Expect("入力値確認", IDOK);
  dialogs.Expect("DmoduleDlg", [](QDialog& d) {
    auto& dlg = static_cast<TDmoduleDlg&>(d);
    EXPECT_TRUE(dlg.Rhirei->isChecked());
    dlg.Cmodule->setEditText(QStringLiteral("1.8201"));
    dlg.OKBtn->click();
    EXPECT_FALSE(dlg.isVisible());
  });
  DtoorishinnDlg->Bikkatsu->click();
  EXPECT_EQ(boxes.Calls().back().text, "モジュール値は'1.820'以下にして下さい。");
  EXPECT_DOUBLE_EQ(GridModule, 1.0);
  EXPECT_NEAR(GridAxisX[199], 1.0 + 0.5 + 197.0, 1e-9);
}

TEST_F(GridToolWindowTest, GridEditsAskForTheirDistanceThroughThePrompt) {
  // Adding a Y axis: the prompt shows the old spacing and half a module and
  // proposes fractions of the module; 寸法表示 makes an axis outside the chain.
  DtoorishinnDlg->Ryadd->click();
  dialogs.Expect("axisDlg", [](QDialog& d) {
    auto& dlg = static_cast<TaxisDlg&>(d);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ｙ座標追加"));
    EXPECT_EQ(dlg.memo2->text(), QStringLiteral("新軸の下からの距離　＝"));
    EXPECT_EQ(dlg.OKBtn->text(), QStringLiteral("追加"));
    EXPECT_EQ(dlg.oldnum->text(), QStringLiteral("0.91"));
    EXPECT_EQ(dlg.newnum->currentText(), QStringLiteral("0.455"));
    ASSERT_EQ(dlg.newnum->count(), 10);
    EXPECT_EQ(dlg.newnum->itemText(9), QStringLiteral("-0.758"));
    EXPECT_TRUE(dlg.tosize->isEnabled());
    dlg.tourishinset->setChecked(false);
    dlg.tosize->setChecked(true);
    dlg.newnum->setEditText(QStringLiteral("-0.2"));  // 0.2 below the upper axis
    dlg.OKBtn->click();
  });
  EXPECT_EQ(EditGridAxis(201, 30), 1);
  EXPECT_NEAR(GridAxisY[30], 29 * 0.91 + 0.2, 1e-9);
  EXPECT_EQ(GridAxisKindY[30], 2);

  // Changing an X spacing: the check boxes are off and keep their states;
  // Cancel changes nothing.
  DtoorishinnDlg->Rxchange->click();
  dialogs.Expect("axisDlg", [](QDialog& d) {
    auto& dlg = static_cast<TaxisDlg&>(d);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ｘ座標変更"));
    EXPECT_EQ(dlg.newnum->currentText(), QStringLiteral("0.91"));
    EXPECT_FALSE(dlg.tourishinset->isEnabled());
    EXPECT_TRUE(dlg.tosize->isChecked());
    dlg.newnum->setEditText(QStringLiteral("2"));
    dlg.CancelBtn->click();
  });
  EXPECT_EQ(EditGridAxis(40, 201), 0);
  EXPECT_NEAR(GridAxisX[40] - GridAxisX[39], 0.91, 1e-9);
  EXPECT_EQ(dialogs.Pending(), 0u);
}

}  // namespace
