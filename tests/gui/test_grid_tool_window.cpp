// The grid mode's tool window and its dialogs: the radios choose what a click
// does to the grid, the turn button turns the model and repaints (or reports
// why it cannot), the module dialog lays the grid out again, and the grid
// edits ask for their distance through the 通り芯 prompt.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "GuiFixture.h"
#include "editing/GridAxisEditing.h"
#include "mainwindow/AxisDialog.h"
#include "mainwindow/GridToolWindow.h"
#include "mainwindow/ModuleDialog.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"

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
  // Where grid point (i, j) shows in the plan's view.
  static QPoint OnScreen(int32_t i, int32_t j) {
    const TPlanScrollBox* gamen = QuilmoraForm->Gamen;
    return QPoint(TruncToInt(GridAxisX[i] * PixelsPerMetre) - gamen->HorzScrollPosition(),
                  TruncToInt(GridAxisY[j] * PixelsPerMetre) - gamen->VertScrollPosition());
  }
  static bool InView(int32_t i, int32_t j) {
    return QRect(QPoint(0, 0), QuilmoraForm->Gamen->viewport()->size()).contains(OnScreen(i, j));
  }
  static void PutColumn(int32_t x, int32_t y) {
    ColumnRecord& c = Columns[0][0][ColumnCount[0][0]++];
    c = ColumnRecord{};
    c.X = x, c.Y = y, c.Type = 1, c.Deterioration = 2;
  }
  static void Wheel(QPoint angle, int times) {
    QWidget* viewport = QuilmoraForm->Gamen->viewport();
    for (int i = 0; i < times; ++i) {
      QWheelEvent wheel(QPointF(20, 20), viewport->mapToGlobal(QPointF(20, 20)), QPoint(), angle,
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(viewport, &wheel);
    }
  }
};

TEST_F(GridToolWindowTest, AfterATurnTheHouseIsInView) {
  // A house on X 20..24, Y 95..99, in view before the turn.
  for (int32_t x : {20, 24})
    for (int32_t y : {95, 99}) PutColumn(x, y);
  TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  gamen->SetHorzScrollPosition(TruncToInt(GridAxisX[20] * PixelsPerMetre) - 100);
  gamen->SetVertScrollPosition(TruncToInt(GridAxisY[95] * PixelsPerMetre) - 100);
  ASSERT_TRUE(InView(20, 95) && InView(24, 99));
  DtoorishinnDlg->Bkaiten->click();
  // (x, y) becomes (y, 199 - x): the house lies on X 95..99, Y 175..179.
  ASSERT_EQ(Columns[0][0][0].X, 95);
  ASSERT_EQ(Columns[0][0][0].Y, 179);
  for (int32_t x : {95, 99})
    for (int32_t y : {175, 179}) EXPECT_TRUE(InView(x, y)) << x << "," << y;
}

// Deleting an axis in the lower half moves the whole grid one module to keep
// axis 0 at 0 m; the view follows, so the drawing stays where it was.
TEST_F(GridToolWindowTest, DeletingAnAxisInTheLowerHalfLeavesTheDrawingWhereItWas) {
  PutColumn(90, 97);
  PutColumn(97, 97);
  const QPoint before[] = {OnScreen(90, 97), OnScreen(97, 97)};
  ASSERT_TRUE(InView(95, 97));
  DtoorishinnDlg->Rdel->click();
  // On X axis 95, halfway between Y axes 97 and 98.
  const QPoint at = OnScreen(95, 97) + QPoint(0, TruncToInt(0.455 * PixelsPerMetre));
  QTest::mouseClick(QuilmoraForm->Gamen->viewport(), Qt::RightButton, {}, at);
  ASSERT_EQ(Columns[0][0][0].X, 91);  // below the deleted axis: one up
  ASSERT_EQ(Columns[0][0][1].X, 97);
  EXPECT_EQ(GridAxisX[0], 0.0);
  // 0.91 m at 53 px/m moves the sheet by trunc(48.23) = 48 px, and the view with it.
  EXPECT_EQ(OnScreen(91, 97), before[0]);
  EXPECT_EQ(OnScreen(97, 97), before[1]);
  EXPECT_EQ(QuilmoraForm->Gamen->SheetWidth(), SheetWidthPixels());
}

// The sheet ends at the last axis whatever the module: the wheel scrolls the
// view up to it and no further, so the view never shows an empty sheet.
TEST_F(GridToolWindowTest, AfterAModuleChangeTheWheelStopsAtTheLastAxis) {
  dialogs.Expect("DmoduleDlg", [](QDialog& d) {
    auto& dlg = static_cast<TDmoduleDlg&>(d);
    dlg.Cmodule->setEditText(QStringLiteral("0.600"));
    dlg.Rhirei->setChecked(true);
    dlg.OKBtn->click();
  });
  DtoorishinnDlg->Bikkatsu->click();
  ASSERT_NEAR(GridAxisX[199], 199 * 0.6, 1e-9);
  // 119.4 m at 53 px/m: trunc(6328.2) = 6328 px each way.
  TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  EXPECT_EQ(gamen->SheetWidth(), 6328);
  EXPECT_EQ(gamen->SheetHeight(), 6328);
  Wheel(QPoint(0, -120), 400);  // down
  Wheel(QPoint(-120, 0), 400);  // right
  const QSize view = gamen->viewport()->size();
  EXPECT_EQ(gamen->VertScrollPosition(), 6328 - view.height());
  EXPECT_EQ(gamen->HorzScrollPosition(), 6328 - view.width());
  Wheel(QPoint(0, 120), 400);  // up
  Wheel(QPoint(120, 0), 400);  // left
  EXPECT_EQ(gamen->VertScrollPosition(), 0);
  EXPECT_EQ(gamen->HorzScrollPosition(), 0);
}

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

TEST_F(GridToolWindowTest, ATurnThatWouldCarryTheGridBeyondAFileIsReportedAndChangesNothing) {
  // The old X axes, laid out again from 0 as the new Y axes, would reach
  // 9900 + 199 x 0.91 = 10081.09 m.
  GridAxisX[0] = -9900;
  WallCount[1][0] = 1;
  Walls[1][0][0] = WallRecord{};
  Walls[1][0][0].X1 = 10, Walls[1][0][0].Y1 = 20, Walls[1][0][0].X2 = 10, Walls[1][0][0].Y2 = 30;
  ModifiedFlag = 0;
  boxes.Expect("入力値確認", IDOK);
  DtoorishinnDlg->Bkaiten->click();
  ASSERT_EQ(boxes.Pending(), 0u);
  EXPECT_EQ(boxes.Calls().back().text,
            "通り芯の全長が大きすぎて、通り芯の位置が範囲（±10000 m）を超えます。\n\n建物を回転出来ません。");
  EXPECT_EQ(Walls[1][0][0].X1, 10);
  EXPECT_EQ(Walls[1][0][0].Y1, 20);
  EXPECT_EQ(GridAxisX[0], -9900);
  EXPECT_EQ(GridAxisY[199], 199 * 0.91);
  EXPECT_EQ(ModifiedFlag, 0);
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

TEST_F(GridToolWindowTest, TheSpacingPromptRefusesWhatIsNoNumberWithinTheFieldAndStaysOpen) {
  DtoorishinnDlg->Rxchange->click();
  const char* refused[] = {"abc", "2,5", "1.2m", "10000.001", "-10000.001", ""};
  for (std::size_t i = 0; i < std::size(refused); ++i) boxes.Expect("Ｘ座標変更", IDOK);
  dialogs.Expect("axisDlg", [&](QDialog& d) {
    auto& dlg = static_cast<TaxisDlg&>(d);
    for (const char* text : refused) {
      SCOPED_TRACE(text);
      dlg.newnum->setEditText(QString::fromUtf8(text));
      dlg.OKBtn->click();
      EXPECT_TRUE(dlg.isVisible());
      ASSERT_FALSE(boxes.Calls().empty());
      EXPECT_EQ(boxes.Calls().back().text, "軸間距離 は -10000 ～ 10000 m の範囲で入力してください。");
    }
    dlg.newnum->setEditText(QStringLiteral("１．２"));  // full-width, as an input method types it
    dlg.OKBtn->click();
    EXPECT_FALSE(dlg.isVisible());
  });
  EXPECT_EQ(EditGridAxis(40, 201), 1);
  EXPECT_EQ(boxes.Pending(), 0u);
  EXPECT_NEAR(GridAxisX[40] - GridAxisX[39], 1.2, 1e-9);
}

}  // namespace
