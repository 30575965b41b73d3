// The roof/floor palette, its change dialog and load pickers, and the
// floor-specification palette, through the real windows: the palette writes
// the settings of new areas, a double click on a load edit offers the
// standard loads, clicks on the plan add areas, clicking an area's corners
// again opens its change dialog, whose buttons change, delete or keep it.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GuiFixture.h"
#include "editing/AreaInput.h"
#include "editing/SlotCopy.h"
#include "elements/FloorSpecPalette.h"
#include "elements/LoadPickers.h"
#include "elements/RoofFloorChangeDialog.h"
#include "elements/RoofFloorPalette.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ViewState.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/PaletteState.h"

namespace {

class RoofFloorPaletteTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    RoofFloorPalette = {};
    TriangleInput = 0;
    StartProgram();
    QuilmoraForm->Ryaneyuka->click();
    ASSERT_TRUE(ProcessUntil([] { return DyukaDlg->isVisible() && !QuilmoraForm->Gamen->FullPaintDue(); }));
    gx = QuilmoraForm->Gamen->HorzScrollPosition() / 48 + 3;
    gy = QuilmoraForm->Gamen->VertScrollPosition() / 48 + 3;
  }

  static void ClickAt(int i, int j) {
    TPlanScrollBox* gamen = QuilmoraForm->Gamen;
    const int x = static_cast<int>(GridAxisX[i] * PixelsPerMetre) + 5 - gamen->HorzScrollPosition();
    const int y = static_cast<int>(GridAxisY[j] * PixelsPerMetre) - 4 - gamen->VertScrollPosition();
    QTest::mouseClick(gamen->viewport(), Qt::LeftButton, {}, QPoint(x, y));
  }
  static void ChooseKind(int item) {
    DyukaDlg->Cshiyou->setCurrentIndex(item);
    emit DyukaDlg->Cshiyou->activated(item);
  }
  // Picks a room kind in a load picker and presses its OK.
  static ScriptedModalDialogs::Action Pick(int row) {
    return [row](QDialog& d) {
      auto& picker = static_cast<TLoadPickerDlg&>(d);
      picker.Lkind->setCurrentRow(row);
      picker.LkindClick();
      picker.OKBtn->click();
    };
  }

  int gx = 0, gy = 0;
};

TEST_F(RoofFloorPaletteTest, KindAndWeightMakeTheAreaCode) {
  EXPECT_EQ(DyukaDlg->windowTitle(), QStringLiteral("屋根床等の設定"));
  EXPECT_TRUE(DyukaDlg->Romosa1->isChecked());
  EXPECT_FALSE(DyukaDlg->Eomosa->isEnabled());
  const struct {
    int kind;
    QRadioButton* RoofFloorControls::*weight;
    int code;
  } cases[] = {
      {3, &RoofFloorControls::Romosa1, 3},  {3, &RoofFloorControls::Romosa2, 4},
      {3, &RoofFloorControls::Romosa3, 8},  {3, &RoofFloorControls::Romosa0, 9},
      {0, &RoofFloorControls::Romosa2, 14}, {2, &RoofFloorControls::Romosa0, 19},
      {4, &RoofFloorControls::Romosa3, 12}, {6, &RoofFloorControls::Romosa1, 6},
  };
  for (const auto& c : cases) {
    ChooseKind(c.kind);
    (DyukaDlg->*c.weight)->click();
    EXPECT_EQ(RoofFloorPalette.AreaCode, c.code) << c.kind;
  }
  // 個別 takes the dead load from its edit.
  DyukaDlg->Romosa0->click();
  EXPECT_TRUE(DyukaDlg->Eomosa->isEnabled());
  DyukaDlg->Eomosa->setText(QStringLiteral("1350"));
  EXPECT_DOUBLE_EQ(RoofFloorPalette.DeadLoad, 1350);
  // The maximum rectangle has no live load.
  ChooseKind(6);
  EXPECT_FALSE(DyukaDlg->Ekaju->isEnabled());
  EXPECT_FALSE(DyukaDlg->Label6->isEnabled());
}

TEST_F(RoofFloorPaletteTest, AnotherKindClearsTheLoadsButKeepsSlopeAndDeadLoad) {
  DyukaDlg->Romosa0->click();
  DyukaDlg->Eomosa->setText(QStringLiteral("700"));
  DyukaDlg->Ekaju->setText(QStringLiteral("1800"));
  DyukaDlg->Etsuika->setText(QStringLiteral("300"));
  DyukaDlg->Ckoubai->setEditText(QStringLiteral("0.45"));
  EXPECT_DOUBLE_EQ(RoofFloorPalette.LiveLoad, 1800);
  EXPECT_DOUBLE_EQ(RoofFloorPalette.Slope, 0.45);
  ChooseKind(3);
  EXPECT_EQ(RoofFloorPalette.LiveLoad, 0);
  EXPECT_EQ(RoofFloorPalette.AddedLoad, 0);
  EXPECT_DOUBLE_EQ(RoofFloorPalette.Slope, 0.45);
  EXPECT_DOUBLE_EQ(RoofFloorPalette.DeadLoad, 700);
  EXPECT_EQ(RoofFloorPalette.AreaCode, 9);
}

TEST_F(RoofFloorPaletteTest, TheRefreshShowsWholeLoads) {
  RoofFloorPalette.LiveLoad = 550.7;
  RoofFloorPalette.Slope = 0.3;
  DyukaDlg->Refresh();
  EXPECT_EQ(DyukaDlg->Ekaju->text(), QStringLiteral("   550"));
  EXPECT_DOUBLE_EQ(RoofFloorPalette.LiveLoad, 550);
  EXPECT_EQ(DyukaDlg->Ckoubai->currentText(), QStringLiteral("  0.30"));
}

TEST_F(RoofFloorPaletteTest, ADoubleClickOnTheLoadOffersTheStandardLoads) {
  dialogs.Expect("DsekisaiDlg", Pick(2));  // 教室
  QTest::mouseDClick(DyukaDlg->Ekaju, Qt::LeftButton);
  EXPECT_EQ(DyukaDlg->Ekaju->text(), QStringLiteral("1100"));
  EXPECT_DOUBLE_EQ(RoofFloorPalette.LiveLoad, 1100);
  EXPECT_EQ(DsekisaiDlg->Lkajuu->currentRow(), 2);

  dialogs.Expect("DtsuikaDlg", Pick(7));  // 無し・その他: the value typed in
  QTest::mouseDClick(DyukaDlg->Etsuika, Qt::LeftButton);
  EXPECT_EQ(DyukaDlg->Etsuika->text(), QStringLiteral("0"));
  dialogs.Expect("DtsuikaDlg", [this](QDialog& d) {
    auto& picker = static_cast<TDtsuikaDlg&>(d);
    picker.Etsuika->setText(QStringLiteral("250abc"));
    picker.OKBtn->click();  // refused, the picker stays open
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(boxes.Calls().back().text, "追加荷重 は -999999 ～ 9999999 の範囲で入力してください。");
    picker.Etsuika->setText(QStringLiteral("２５０"));
    picker.OKBtn->click();
  });
  boxes.Expect("追加荷重の設定", IDOK);
  QTest::mouseDClick(DyukaDlg->Etsuika, Qt::LeftButton);
  EXPECT_EQ(boxes.Pending(), 0u);
  EXPECT_DOUBLE_EQ(RoofFloorPalette.AddedLoad, 250);
  dialogs.Expect("DtsuikaDlg", ClickButton("CancelBtn"));
  QTest::mouseDClick(DyukaDlg->Etsuika, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(RoofFloorPalette.AddedLoad, 250);
}

TEST_F(RoofFloorPaletteTest, ClicksOnThePlanAddRectanglesAndTriangles) {
  ClickAt(gx + 4, gy + 3);
  ClickAt(gx, gy);
  ASSERT_EQ(RoofFloorRectCount[0][0], 1);
  const RoofFloorRectRecord& r = RoofFloorRects[0][0][0];
  EXPECT_EQ(r.X1, gx + 4);
  EXPECT_EQ(r.Y1, gy + 3);
  EXPECT_EQ(r.X2, gx);
  EXPECT_EQ(r.Y2, gy);
  EXPECT_EQ(ModifiedFlag, 1);

  DyukaDlg->Rsankaku->click();
  EXPECT_EQ(TriangleInput, 1);
  ClickAt(gx + 6, gy);
  ClickAt(gx + 9, gy);
  EXPECT_EQ(RoofFloorTriangleCount[0][0], 0);
  ClickAt(gx + 6, gy + 3);
  ASSERT_EQ(RoofFloorTriangleCount[0][0], 1);
  EXPECT_EQ(RoofFloorTriangles[0][0][0].X3, gx + 6);
  EXPECT_EQ(RoofFloorTriangles[0][0][0].Y3, gy + 3);
}

TEST_F(RoofFloorPaletteTest, TheChangeDialogChangesDeletesOrKeepsAnArea) {
  ChooseKind(3);  // 軽い屋根
  ClickAt(gx, gy);
  ClickAt(gx + 4, gy + 3);
  ASSERT_EQ(RoofFloorRectCount[0][0], 1);
  const int32_t undoTop = UndoTop;

  // 軽い → 重い, 教室 from the picker opened in the dialog: code 4, 1100.
  dialogs.Expect("DyukachangeDlg", [](QDialog& d) {
    auto& dlg = static_cast<TDyukachangeDlg&>(d);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("屋根床等の変更"));
    EXPECT_EQ(dlg.Cshiyou->currentIndex(), 3);
    EXPECT_TRUE(dlg.Romosa1->isChecked());
    EXPECT_TRUE(dlg.Rkukei->isChecked());
    EXPECT_FALSE(dlg.GroupBox1->isEnabled());
    EXPECT_EQ(dlg.Ekaju->text(), QStringLiteral("    0"));
    QTest::mouseDClick(dlg.Ekaju, Qt::LeftButton);
    EXPECT_EQ(dlg.Ekaju->text(), QStringLiteral("1100"));
    dlg.Romosa2->click();
    dlg.OKBtn->click();
  });
  dialogs.Expect("DsekisaiDlg", Pick(2));
  ClickAt(gx + 4, gy);  // the other diagonal
  ClickAt(gx, gy + 3);
  EXPECT_EQ(dialogs.Pending(), 0u);
  ASSERT_EQ(RoofFloorRectCount[0][0], 1);
  EXPECT_EQ(RoofFloorRects[0][0][0].AreaCode, 4);
  EXPECT_DOUBLE_EQ(RoofFloorRects[0][0][0].LiveLoad, 1100);
  EXPECT_EQ(UndoTop, undoTop + 1);

  // An untouched slope of 0.455 shown as " 0.46" comes back as it was.
  RoofFloorRects[0][0][0].Slope = 0.455;
  dialogs.Expect("DyukachangeDlg", ClickButton("OKBtn"));
  ClickAt(gx, gy);
  ClickAt(gx + 4, gy + 3);
  EXPECT_DOUBLE_EQ(RoofFloorRects[0][0][0].Slope, 0.455);

  dialogs.Expect("DyukachangeDlg", ClickButton("CancelBtn"));
  const int32_t beforeCancel = UndoTop;
  ClickAt(gx, gy);
  ClickAt(gx + 4, gy + 3);
  EXPECT_EQ(UndoTop, beforeCancel);
  EXPECT_EQ(RoofFloorRectCount[0][0], 1);

  // The close box keeps the area as it was, without a snapshot.
  dialogs.Expect("DyukachangeDlg", [](QDialog& d) {
    static_cast<TDyukachangeDlg&>(d).Romosa3->click();
    CloseBox()(d);
  });
  ClickAt(gx, gy);
  ClickAt(gx + 4, gy + 3);
  EXPECT_EQ(RoofFloorRects[0][0][0].AreaCode, 4);
  EXPECT_EQ(UndoTop, beforeCancel);

  dialogs.Expect("DyukachangeDlg", ClickButton("Bshoukyo"));
  ClickAt(gx, gy);
  ClickAt(gx + 4, gy + 3);
  EXPECT_EQ(RoofFloorRectCount[0][0], 0);
  EXPECT_EQ(UndoTop, beforeCancel + 1);
}

// A load or slope that is not a number, or does not fit its field, is
// refused with a message naming it: the dialog stays open, the area and the
// undo ring are untouched; full-width digits are read.
TEST_F(RoofFloorPaletteTest, TheChangeDialogRefusesWhatIsNotANumber) {
  ChooseKind(3);
  ClickAt(gx, gy);
  ClickAt(gx + 4, gy + 3);
  ASSERT_EQ(RoofFloorRectCount[0][0], 1);
  const int32_t undoTop = UndoTop;
  const struct {
    const char* what;
    void (*type)(TDyukachangeDlg&, const QString&);
    const char* outside;
    const char* message;
  } cases[] = {
      {"live load", [](TDyukachangeDlg& d, const QString& t) { d.Ekaju->setText(t); }, "2,5",
       "積載荷重 は -999999 ～ 9999999 の範囲で入力してください。"},
      {"added load", [](TDyukachangeDlg& d, const QString& t) { d.Etsuika->setText(t); }, "10000000",
       "追加荷重 は -999999 ～ 9999999 の範囲で入力してください。"},
      {"slope", [](TDyukachangeDlg& d, const QString& t) { d.Ckoubai->setEditText(t); }, "abc",
       "勾配 は -999999 ～ 9999999 の範囲で入力してください。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.Expect("屋根床等の変更", IDOK);
    dialogs.Expect("DyukachangeDlg", [&](QDialog& d) {
      auto& dlg = static_cast<TDyukachangeDlg&>(d);
      c.type(dlg, QString::fromUtf8(c.outside));
      dlg.OKBtn->click();
      EXPECT_TRUE(dlg.isVisible());
      ASSERT_FALSE(boxes.Calls().empty());
      EXPECT_EQ(boxes.Calls().back().text, c.message);
      c.type(dlg, QStringLiteral("１２３"));
      dlg.OKBtn->click();
      EXPECT_FALSE(dlg.isVisible());
    });
    ClickAt(gx, gy);
    ClickAt(gx + 4, gy + 3);
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_EQ(boxes.Pending(), 0u);
  }
  const RoofFloorRectRecord& r = RoofFloorRects[0][0][0];
  EXPECT_EQ(r.LiveLoad, 123);
  EXPECT_EQ(r.AddedLoad, 123);
  EXPECT_EQ(r.Slope, 123);
  EXPECT_EQ(UndoTop, undoTop + 3);  // one snapshot per stored change, none per refusal
}

TEST_F(RoofFloorPaletteTest, ThePaletteKeepsTheLastAcceptedNumberAndFlagsTheEdit) {
  const struct {
    QWidget* (*widget)();
    void (*type)(const QString&);
    double RoofFloorPaletteState::*value;
    const char* message;
  } cases[] = {
      {[]() -> QWidget* { return DyukaDlg->Ekaju; }, [](const QString& t) { DyukaDlg->Ekaju->setText(t); },
       &RoofFloorPaletteState::LiveLoad, "積載荷重 は -999999 ～ 9999999 の範囲で入力してください。"},
      {[]() -> QWidget* { return DyukaDlg->Etsuika; },
       [](const QString& t) { DyukaDlg->Etsuika->setText(t); }, &RoofFloorPaletteState::AddedLoad,
       "追加荷重 は -999999 ～ 9999999 の範囲で入力してください。"},
      {[]() -> QWidget* { return DyukaDlg->Eomosa; }, [](const QString& t) { DyukaDlg->Eomosa->setText(t); },
       &RoofFloorPaletteState::DeadLoad, "個別荷重 は -999999 ～ 9999999 の範囲で入力してください。"},
      {[]() -> QWidget* { return DyukaDlg->Ckoubai; },
       [](const QString& t) { DyukaDlg->Ckoubai->setEditText(t); }, &RoofFloorPaletteState::Slope,
       "勾配 は -999999 ～ 9999999 の範囲で入力してください。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    c.type(QStringLiteral("１２３"));
    EXPECT_EQ(RoofFloorPalette.*c.value, 123);
    for (const char* bad : {"abc", "2,5", "10000000", "-1000000"}) {
      c.type(QString::fromUtf8(bad));
      EXPECT_EQ(RoofFloorPalette.*c.value, 123) << bad;
      EXPECT_TRUE(IsNumberRefused(c.widget())) << bad;
      EXPECT_EQ(c.widget()->toolTip().toStdString(), c.message);
    }
  }
  // An area placed meanwhile takes the last accepted load.
  ClickAt(gx, gy);
  ClickAt(gx + 4, gy + 3);
  ASSERT_EQ(RoofFloorRectCount[0][0], 1);
  EXPECT_EQ(RoofFloorRects[0][0][0].LiveLoad, 123);
  for (const auto& c : cases) {
    c.type(QStringLiteral("9999999"));
    EXPECT_EQ(RoofFloorPalette.*c.value, 9999999);
    EXPECT_FALSE(IsNumberRefused(c.widget()));
    EXPECT_NE(c.widget()->toolTip().toStdString(), c.message);
  }
  EXPECT_EQ(DyukaDlg->Ekaju->toolTip(),
            QStringLiteral("ダブルクリックで部屋の種類から選択"));  // its own back
}

TEST_F(RoofFloorPaletteTest, TheNoteFollowsTheMaximumRectangle) {
  EXPECT_EQ(DyukaDlg->chuui->text(), QStringLiteral("最大矩形未入力"));
  ChooseKind(6);
  boxes.Expect(MaxRectangleQuestionCaption, IDYES);
  ClickAt(gx, gy);
  ClickAt(gx + 4, gy + 3);
  EXPECT_EQ(DyukaDlg->chuui->text(), QStringLiteral("最大矩形入力済"));
}

class FloorSpecPaletteTest : public GuiTest {};

TEST_F(FloorSpecPaletteTest, CombosFollowTheTablesAndTheRows) {
  TriangleInput = 0;
  StartProgram();
  EXPECT_EQ(FloorSpecPaletteSpec, 12);  // after the start-up reset
  FloorSpecPaletteSpec = 21, FloorSpecPaletteBrace = 14;
  QuilmoraForm->Ryukashiyou->click();
  ASSERT_TRUE(ProcessUntil([] { return DyukashiyouDlg->isVisible(); }));
  EXPECT_EQ(DyukashiyouDlg->windowTitle(), QStringLiteral("屋根床仕様の設定"));
  EXPECT_EQ(DyukashiyouDlg->Cshiyou->count(), 22);
  EXPECT_EQ(DyukashiyouDlg->Chiuchi->count(), 15);
  EXPECT_EQ(DyukashiyouDlg->Cshiyou->currentIndex(), 21);
  EXPECT_EQ(DyukashiyouDlg->Chiuchi->currentIndex(), 14);
  EXPECT_TRUE(DyukashiyouDlg->Cshiyou->itemText(0).startsWith(QStringLiteral(" 0)")));
  EXPECT_TRUE(DyukashiyouDlg->Chiuchi->itemText(14).startsWith(QStringLiteral("14)")));
  DyukashiyouDlg->Cshiyou->setCurrentIndex(3);
  DyukashiyouDlg->Chiuchi->setCurrentIndex(2);
  EXPECT_EQ(FloorSpecPaletteSpec, 3);
  EXPECT_EQ(FloorSpecPaletteBrace, 2);
  DyukashiyouDlg->Rsankaku->click();
  EXPECT_EQ(TriangleInput, 1);
  EXPECT_EQ(DyukashiyouDlg->GroupBox2->findChildren<QLabel*>().size(), 12);  // 11 panels and the hint
}

}  // namespace
