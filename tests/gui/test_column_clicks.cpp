// Clicks on the plan in the column and grid modes, through the real plan
// view: a click adds a column at the nearest grid point and marks the
// project modified; a click on a column opens its change dialog, whose
// buttons change, delete or keep it; a right click applies the highlighted
// column again; in the grid mode a click edits the axes.
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GuiFixture.h"
#include "editing/ClickInput.h"
#include "editing/ColumnInput.h"
#include "elements/ColumnChangeDialog.h"
#include "elements/ColumnPalette.h"
#include "mainwindow/AxisDialog.h"
#include "mainwindow/GridToolWindow.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ViewState.h"
#include "presentation/PaletteState.h"

namespace {

class ColumnClickTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
    QuilmoraForm->Rhashira->click();
    ASSERT_TRUE(
        ProcessUntil([] { return DhashiraDlg->isVisible() && !QuilmoraForm->Gamen->FullPaintDue(); }));
    // A grid point inside the view: the view is centred on the sheet.
    gx = QuilmoraForm->Gamen->HorzScrollPosition() / 48 + 3;
    gy = QuilmoraForm->Gamen->VertScrollPosition() / 48 + 3;
  }

  // Releases a button 5 px right of and 4 px above grid point (i, j).
  static void ClickAt(int i, int j, Qt::MouseButton button = Qt::LeftButton) {
    TPlanScrollBox* gamen = QuilmoraForm->Gamen;
    const int x = static_cast<int>(GridAxisX[i] * PixelsPerMetre) + 5 - gamen->HorzScrollPosition();
    const int y = static_cast<int>(GridAxisY[j] * PixelsPerMetre) - 4 - gamen->VertScrollPosition();
    QTest::mouseClick(gamen->viewport(), button, {}, QPoint(x, y));
  }

  static int Count(int storey = 0) { return ColumnCount[0][storey]; }

  int gx = 0, gy = 0;
};

TEST_F(ColumnClickTest, ClickAddsAColumnAtTheGridPointAndMarksModified) {
  ASSERT_EQ(ModifiedFlag, 0);
  DhashiraDlg->Csetsu->setCurrentIndex(4);  // い
  DhashiraDlg->Rbubun->click();
  const int paints = QuilmoraForm->Gamen->FullPaintCount();
  ClickAt(gx, gy);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Columns[0][0][0], (ColumnRecord{0, gx, gy, 1, 4, 0, 0, 0, 0, 1}));
  EXPECT_EQ(ModifiedFlag, 1);
  EXPECT_TRUE(QuilmoraForm->Bmodoru->isEnabled());
  ASSERT_TRUE(ProcessUntil([&] { return QuilmoraForm->Gamen->FullPaintCount() > paints; }));
  ASSERT_TRUE(ProcessUntil([] { return QuilmoraForm->Buwagaki->isEnabled(); }));
  EXPECT_FALSE(DhashiraDlg->Csetsu->isEditable());  // always a row of the hardware table
}

TEST_F(ColumnClickTest, ThroughColumnFromThePaletteAndKindResetOnModeChange) {
  DhashiraDlg->Rtoushi->click();
  ClickAt(gx, gy);
  ASSERT_EQ(Count(1), 1);
  EXPECT_EQ(Columns[0][1][0].Type, 2);
  QuilmoraForm->Rkabe->click();
  QuilmoraForm->Rhashira->click();
  EXPECT_TRUE(DhashiraDlg->Rkuda->isChecked());
  EXPECT_EQ(NewColumnDefaults.Type, 1);
}

TEST_F(ColumnClickTest, ClickOnAColumnOpensTheChangeDialog) {
  ClickAt(gx, gy);
  ASSERT_EQ(Count(), 1);
  // 設定 with another hardware row.
  dialogs.Expect("hashiraChangeDlg", [](QDialog& dialog) {
    auto& dlg = static_cast<ThashiraChangeDlg&>(dialog);
    EXPECT_FALSE(dlg.Lchuui->isVisible());  // no wall ends here
    EXPECT_EQ(dlg.Csetsu->currentIndex(), 0);
    dlg.Csetsu->setCurrentIndex(6);
    dlg.Rkeyaki->click();
    dlg.OKBtn->click();
  });
  ModifiedFlag = 0;
  ClickAt(gx, gy);
  EXPECT_EQ(dialogs.Pending(), 0u);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Columns[0][0][0].Hardware, 6);
  EXPECT_EQ(Columns[0][0][0].Species, 2);
  EXPECT_EQ(ModifiedFlag, 1);

  // Esc is キャンセル: nothing changes.
  dialogs.Expect("hashiraChangeDlg", [](QDialog& dialog) {
    auto& dlg = static_cast<ThashiraChangeDlg&>(dialog);
    EXPECT_EQ(dlg.Csetsu->currentIndex(), 6);
    dlg.Csetsu->setCurrentIndex(1);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&dlg, &esc);
  });
  ClickAt(gx, gy);
  EXPECT_EQ(ColumnChangeBuffer.Result, ColumnChangeCancel);
  EXPECT_EQ(Columns[0][0][0].Hardware, 6);

  // 消去 removes the column; undo brings it back.
  dialogs.Expect("hashiraChangeDlg", ClickButton("Bshoukyo"));
  ClickAt(gx, gy);
  EXPECT_EQ(Count(), 0);
  QuilmoraForm->Bmodoru->click();
  EXPECT_EQ(Count(), 1);
}

TEST_F(ColumnClickTest, HardwareEditorFromTheChangeDialogShowsTheStoredValuesAgain) {
  Walls[0][0][0] = WallRecord{};
  Walls[0][0][0].X1 = gx, Walls[0][0][0].Y1 = gy, Walls[0][0][0].X2 = gx + 2, Walls[0][0][0].Y2 = gy;
  WallCount[0][0] = 1;
  Columns[0][0][0] = ColumnRecord{0, gx, gy, 1, 3, 0, 0, 0, 0, 2};
  ColumnCount[0][0] = 1;
  dialogs.Expect("hashiraChangeDlg", [this](QDialog& dialog) {
    auto& dlg = static_cast<ThashiraChangeDlg&>(dialog);
    EXPECT_TRUE(dlg.Lchuui->isVisible());  // a wall without opening ends at the column
    dlg.Csetsu->setCurrentIndex(9);
    dialogs.Expect("setsuDlg", CloseBox());
    dlg.Bsetsu->click();
    EXPECT_EQ(dlg.Csetsu->currentIndex(), 3);
    dlg.CancelBtn->click();
  });
  ClickAt(gx, gy);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_EQ(Columns[0][0][0].Hardware, 3);
}

TEST_F(ColumnClickTest, RightClickAppliesTheHighlightedColumnAgain) {
  ClickAt(gx, gy);
  ASSERT_EQ(Count(), 1);
  // Nothing highlighted: no dialog, but the project is marked.
  HoverState = HoverNothing;
  ModifiedFlag = 0;
  ClickAt(gx, gy, Qt::RightButton);
  EXPECT_EQ(ModifiedFlag, 1);
  EXPECT_EQ(HoverState, HoverEditApplied);
  // The column under the pointer highlighted: its change dialog opens.
  HoverState = HoverFirstFigure;
  dialogs.Expect("hashiraChangeDlg", ClickButton("Bshoukyo"));
  ClickAt(gx, gy, Qt::RightButton);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_EQ(Count(), 0);
}

TEST_F(ColumnClickTest, GridModeClickEditsTheAxes) {
  QuilmoraForm->Rtoorishin->click();
  DtoorishinnDlg->Rxadd->click();
  const double left = GridAxisX[gx], right = GridAxisX[gx + 1];
  dialogs.Expect("axisDlg", [](QDialog& dialog) {
    auto& dlg = static_cast<TaxisDlg&>(dialog);
    dlg.newnum->setCurrentText(QStringLiteral("0.3"));
    dlg.OKBtn->click();
  });
  ModifiedFlag = 0;
  // 5 px right of axis gx: in the interval whose right axis is gx + 1.
  ClickAt(gx, gy);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_DOUBLE_EQ(GridAxisX[gx + 1], left + 0.3);
  EXPECT_DOUBLE_EQ(GridAxisX[gx + 2], right);
  EXPECT_EQ(ModifiedFlag, 1);
  EXPECT_EQ(Count(), 0);
}

}  // namespace
