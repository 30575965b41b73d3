// The wall palette and the wall change dialog through the real plan view:
// two clicks in the wall mode add a wall with what the palette's controls
// show; picking its ends opens the change dialog with the live base strength
// and stiffness; 要素の取得 and 要素の貼付 exchange settings with the
// palette's memory without rounding; the palette's lists follow the element
// tables and Bdisp switches between its two widths.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>

#include "GuiFixture.h"
#include "analysis/AnalysisResults.h"
#include "editing/ClickInput.h"
#include "editing/SlotCopy.h"
#include "editing/WallInput.h"
#include "elements/WallChangeDialog.h"
#include "elements/WallPalette.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/PaletteState.h"

namespace {

class WallClickTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ResetWallPaletteSettings();
    StartProgram();
    QuilmoraForm->Rkabe->click();
    ASSERT_TRUE(ProcessUntil([] { return DkabeDlg->isVisible() && !QuilmoraForm->Gamen->FullPaintDue(); }));
    gx = QuilmoraForm->Gamen->HorzScrollPosition() / 48 + 3;
    gy = QuilmoraForm->Gamen->VertScrollPosition() / 48 + 3;
  }

  static void ClickAt(int i, int j, Qt::MouseButton button = Qt::LeftButton) {
    TPlanScrollBox* gamen = QuilmoraForm->Gamen;
    const int x = static_cast<int>(GridAxisX[i] * PixelsPerMetre) + 5 - gamen->HorzScrollPosition();
    const int y = static_cast<int>(GridAxisY[j] * PixelsPerMetre) - 4 - gamen->VertScrollPosition();
    QTest::mouseClick(gamen->viewport(), button, {}, QPoint(x, y));
  }

  template <typename Widget>
  static Widget* In(QWidget* form, const char* name) {
    auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // A wall from (gx, gy) to (gx + 2, gy) of the current variant, with
  // columns at both ends, and a full paint so that its results exist.
  WallRecord& PutWall(int variant = 0) {
    for (int x : {gx, gx + 2})
      Columns[variant][0][ColumnCount[variant][0]++] = ColumnRecord{0, x, gy, 1, 0, 0, 0, 0, 0, 2};
    WallRecord& w = Walls[variant][0][WallCount[variant][0]++];
    w = WallRecord{};
    w.X1 = gx, w.Y1 = gy, w.X2 = gx + 2, w.Y2 = gy, w.Deterioration = 2;
    Repaint();
    return w;
  }
  static void Repaint() {
    QuilmoraForm->InvalidateSheet();
    ASSERT_TRUE(ProcessUntil([] { return !QuilmoraForm->Gamen->FullPaintDue(); }));
  }
  // A main window whose plan is wide enough for the widened palette.
  static void WidePlan() {
    QuilmoraForm->setGeometry(40, 30, 1600, 900);
    ProcessUntil([] { return false; }, 50);
    ASSERT_GT(QuilmoraForm->Gamen->width() - 30, TruncToInt(885 * WallPaletteScale));
  }
  static void SwitchModeAndBack() {
    QuilmoraForm->Rhashira->click();
    QuilmoraForm->Rkabe->click();
    ASSERT_TRUE(DkabeDlg->isVisible());
  }

  int gx = 0, gy = 0;
};

TEST_F(WallClickTest, TwoClicksAddAWallWithThePalettesSettings) {
  In<QRadioButton>(DkabeDlg, "Rzenkaikou")->click();  // no end columns needed
  In<QRadioButton>(DkabeDlg, "Romosa2")->click();     // 重い, a control without handler
  In<QRadioButton>(DkabeDlg, "Rshin2")->click();
  In<QRadioButton>(DkabeDlg, "Rrmen1")->click();
  In<QComboBox>(DkabeDlg, "Crddoubuchi")->setCurrentIndex(2);
  In<QLineEdit>(DkabeDlg, "Etakasa")->setText(QStringLiteral("2.65"));
  In<QLineEdit>(DkabeDlg, "Eomosa")->setText(QStringLiteral("820"));
  ModifiedFlag = 0;
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  ASSERT_EQ(WallCount[0][0], 1);
  const WallRecord& w = Walls[0][0][0];
  EXPECT_EQ((std::array{w.X1, w.Y1, w.X2, w.Y2}), (std::array{gx, gy, gx + 2, gy}));
  EXPECT_EQ(w.OpeningKind, 3);
  EXPECT_EQ(w.WeightClass, 1);
  EXPECT_EQ(w.Deterioration, 2 + 8 + 64);
  EXPECT_EQ(w.FurringRight, 2);
  EXPECT_EQ(w.Height, 2.65);
  EXPECT_EQ(w.Weight, 820.0);
  EXPECT_EQ(ModifiedFlag, 1);
  // The handler-less controls come back from the palette's memory when it is shown again.
  SwitchModeAndBack();
  EXPECT_TRUE(In<QRadioButton>(DkabeDlg, "Romosa1")->isChecked());
  EXPECT_TRUE(In<QRadioButton>(DkabeDlg, "Rshin0")->isChecked());
  EXPECT_EQ(In<QComboBox>(DkabeDlg, "Crddoubuchi")->currentIndex(), 2);  // keeps its own choice
}

TEST_F(WallClickTest, EndsOpenTheChangeDialogWithLiveStrength) {
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  PutWall();
  dialogs.Expect("DkabeChangeDlg", [](QDialog& dialog) {
    auto& dlg = static_cast<TDkabeChangeDlg&>(dialog);
    EXPECT_FALSE(dlg.GroupBox2->isVisible());  // the current state
    dlg.Cmenzai1->setCurrentIndex(3);          // P1: 5.2 kN/m, 860
    EXPECT_EQ(dlg.Ltairyoku->text(), QStringLiteral(" 5.20"));
    EXPECT_EQ(dlg.Lgousei->text(), QStringLiteral("  860"));
    // 胴縁75: strength above 4 becomes 3.0; stiffness 860 x 800 / (860 + 800) = 414.5.
    dlg.Cludoubuchi->setCurrentIndex(1);
    EXPECT_EQ(dlg.Cludoubuchi->currentText(), QStringLiteral("胴縁75"));
    EXPECT_EQ(dlg.Ltairyoku->text(), QStringLiteral(" 3.00"));
    EXPECT_EQ(dlg.Lgousei->text(), QStringLiteral("  414"));
    dlg.OKBtn->click();
  });
  ClickAt(gx + 2, gy);
  ClickAt(gx, gy);
  EXPECT_EQ(dialogs.Pending(), 0u);
  const WallRecord& w = Walls[0][0][0];
  EXPECT_EQ(w.PanelLeft, 3);
  EXPECT_EQ(w.FurringLeft, 1);
  EXPECT_EQ(w.X1, gx + 2);  // in the order of the clicks

  // Esc is キャンセル; the close box changes nothing either.
  dialogs.Expect("DkabeChangeDlg", [](QDialog& dialog) {
    auto& dlg = static_cast<TDkabeChangeDlg&>(dialog);
    dlg.Cmenzai1->setCurrentIndex(5);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&dlg, &esc);
  });
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  EXPECT_EQ(WallChangeBuffer.Result, WallChangeCancel);
  dialogs.Expect("DkabeChangeDlg", CloseBox());
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  EXPECT_EQ(WallChangeBuffer.Result, WallChangeNotApplied);
  EXPECT_EQ(Walls[0][0][0].PanelLeft, 3);
  EXPECT_EQ(Walls[0][0][0].X1, gx + 2);
}

TEST_F(WallClickTest, TakeIntoThePaletteKeepsExactValues) {
  WallRecord& w = PutWall();
  w.OpeningKind = 1, w.WingWallStart = 0.455, w.Height = 2.725, w.PanelRight = 3, w.WeightClass = 2;
  w.Weight = 455.5, w.Deterioration = 1 + 4 + 32;
  Repaint();
  dialogs.Expect("DkabeChangeDlg", [](QDialog& dialog) {
    auto& dlg = static_cast<TDkabeChangeDlg&>(dialog);
    EXPECT_EQ(dlg.Ehidari->text(), QStringLiteral(" 0.46"));
    EXPECT_TRUE(dlg.Rbubun->isChecked());
    EXPECT_TRUE(dlg.Rlmen2->isChecked());
    dlg.Bget->click();
  });
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_EQ(NewWallDefaults.WingWallStart, 0.455);
  EXPECT_EQ(NewWallDefaults.Height, 2.725);
  EXPECT_EQ(NewWallDefaults.Weight, 455.5);
  SwitchModeAndBack();
  EXPECT_TRUE(DkabeDlg->Rmado->isChecked());
  EXPECT_EQ(DkabeDlg->Ehidari->text(), QStringLiteral(" 0.46"));
  EXPECT_EQ(DkabeDlg->Cmenzai2->currentIndex(), 3);
  EXPECT_TRUE(DkabeDlg->Romosa0->isChecked());
  EXPECT_TRUE(DkabeDlg->Rbubun->isChecked());
  EXPECT_TRUE(DkabeDlg->Rlmen2->isChecked());
  EXPECT_EQ(WallPaletteControls.WingWallStart, 0.455);
  EXPECT_EQ(WallPaletteControls.Height, 2.725);
  EXPECT_EQ(WallPaletteControls.Weight, 455.5);
  EXPECT_EQ(NewWallDefaults.WingWallStart, 0.455);
  // A typed value is read as typed.
  DkabeDlg->Ehidari->setText(QStringLiteral("0.3"));
  EXPECT_EQ(NewWallDefaults.WingWallStart, 0.3);
  EXPECT_EQ(WallPaletteControls.WingWallStart, 0.3);
}

TEST_F(WallClickTest, PasteKeepsTheDialogOpenAndConfirmingUnchangedKeepsExactValues) {
  WallRecord& w = PutWall();
  w.OpeningKind = 2, w.WingWallEnd = 0.455, w.FurringLeft = 2;
  NewWallDefaults.PanelLeft = 3;
  NewWallDefaults.FurringLeft = 1;
  NewWallDefaults.OpeningKind = 1;
  dialogs.Expect("DkabeChangeDlg", [](QDialog& dialog) {
    auto& dlg = static_cast<TDkabeChangeDlg&>(dialog);
    dlg.Bput->click();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.Cmenzai1->currentIndex(), 3);
    EXPECT_EQ(dlg.Cludoubuchi->currentIndex(), 2);  // the wall's own furring
    EXPECT_TRUE(dlg.Rmado->isChecked());
    EXPECT_EQ(Walls[0][0][0].PanelLeft, 0);  // nothing written before OK
    dlg.CancelBtn->click();
  });
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  EXPECT_EQ(Walls[0][0][0].PanelLeft, 0);
  // OK on the unchanged wall keeps 0.455.
  dialogs.Expect("DkabeChangeDlg", ClickButton("OKBtn"));
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  EXPECT_EQ(Walls[0][0][0].WingWallEnd, 0.455);
}

TEST_F(WallClickTest, NoticeForThisTimeOnlyAndTheRetrofitGroup) {
  QuilmoraForm->Rkaishu1->click();
  ASSERT_EQ(CurrentVariant, 1);
  PutWall(1);
  dialogs.Expect("DkabeChangeDlg", [](QDialog& dialog) {
    auto& dlg = static_cast<TDkabeChangeDlg&>(dialog);
    EXPECT_TRUE(dlg.GroupBox2->isVisible());
    dlg.RadioButton2->click();
    dlg.OKBtn->click();
  });
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  EXPECT_EQ(NotifiedEndColumns, 1);
  EXPECT_EQ(Columns[1][0][0].Hardware, 2);
  EXPECT_EQ(Columns[1][0][1].Hardware, 2);
  dialogs.Expect("DkabeChangeDlg", [](QDialog& dialog) {
    auto& dlg = static_cast<TDkabeChangeDlg&>(dialog);
    EXPECT_TRUE(dlg.RadioButton1->isChecked());  // 変更しない again
    dlg.OKBtn->click();
  });
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  EXPECT_EQ(NotifiedEndColumns, 0);
}

TEST_F(WallClickTest, RightClickOpensTheHoveredWallsDialog) {
  PutWall();
  HoverState = HoverFirstFigure;
  HoverIndex = 0;
  dialogs.Expect("DkabeChangeDlg", ClickButton("Bshoukyo"));
  ClickAt(gx + 1, gy, Qt::RightButton);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_EQ(WallCount[0][0], 0);
  QuilmoraForm->Bmodoru->click();
  EXPECT_EQ(WallCount[0][0], 1);
}

TEST_F(WallClickTest, BdispWidensLeftwardsAndBack) {
  WidePlan();
  const double scale = WallPaletteScale;
  EXPECT_EQ(WallPaletteExpanded, 0);
  EXPECT_EQ(DkabeDlg->width(), TruncToInt(490 * scale));
  EXPECT_FALSE(DkabeDlg->Glum->isVisible());
  DkabeDlg->move(600, 100);
  const int left = DkabeDlg->x();
  DkabeDlg->Bdisp->click();
  EXPECT_EQ(WallPaletteExpanded, 1);
  EXPECT_EQ(DkabeDlg->width(), TruncToInt(885 * scale));
  EXPECT_EQ(DkabeDlg->x(), TruncToInt(left - 395 * scale));
  for (QGroupBox* group : {DkabeDlg->Glum, DkabeDlg->Grdm, DkabeDlg->Gsuji, DkabeDlg->Gtsuchi})
    EXPECT_TRUE(group->isVisible());
  DkabeDlg->Bdisp->click();
  EXPECT_EQ(WallPaletteExpanded, 0);
  EXPECT_EQ(DkabeDlg->width(), TruncToInt(490 * scale));
  EXPECT_NEAR(DkabeDlg->x(), left, 1);
  EXPECT_FALSE(DkabeDlg->Gsuji->isVisible());
}

TEST_F(WallClickTest, ListsFollowTheElementTables) {
  std::u16string name = u"合板テスト";
  std::memcpy(PanelTable[3].Name, name.c_str(), (name.size() + 1) * sizeof(char16_t));
  SwitchModeAndBack();
  EXPECT_EQ(DkabeDlg->Cmenzai1->itemText(3), QStringLiteral("P1 合板テスト"));
  EXPECT_EQ(DkabeDlg->Cmenzai2->count(), 45);
  ASSERT_EQ(DkabeDlg->Csuji->count(), 11);
  EXPECT_EQ(DkabeDlg->Csuji->itemText(5), QStringLiteral("45x90"));
  DkabeDlg->Csuji->setCurrentIndex(5);
  emit DkabeDlg->Csuji->activated(5);
  EXPECT_EQ(NewWallDefaults.BraceKind, 5);
  EXPECT_EQ(DkabeDlg->Ctsuchi->count(), 6);
  // 無開口 clears and disables the fittings, and the memory keeps the symbol.
  DkabeDlg->Rmado->click();
  DkabeDlg->Cishou->setCurrentIndex(3);
  emit DkabeDlg->Cishou->activated(3);
  DkabeDlg->Rmukaikou->click();
  EXPECT_EQ(DkabeDlg->Cishou->currentIndex(), 0);
  EXPECT_FALSE(DkabeDlg->Cishou->isEnabled());
  EXPECT_EQ(NewWallDefaults.FittingSymbol, 3);
}

}  // namespace

namespace {

// Every caption shown on a form is whole: no button, radio, check box or
// label narrower than its text.
void ExpectCaptionsWhole(QWidget* form, const char* state) {
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(form)) continue;
    const bool captioned = qobject_cast<QAbstractButton*>(w) ||
                           (qobject_cast<QLabel*>(w) && !static_cast<QLabel*>(w)->text().isEmpty());
    if (!captioned) continue;
    // A push button's size hint has a style minimum beyond its text.
    const auto* button = qobject_cast<QPushButton*>(w);
    const int needed =
        button ? button->fontMetrics().horizontalAdvance(button->text()) + 6 : w->sizeHint().width();
    EXPECT_GE(w->width(), needed) << state << ": " << w->objectName().toStdString();
    EXPECT_GE(w->height(), w->minimumSizeHint().height()) << state << ": " << w->objectName().toStdString();
  }
}

// The palette covers none of the main window's own controls: at 1366 x 768
// the widened palette lies over the plan; where the plan is narrower than the
// widened palette, its bearing elements take a second row. It stays widened,
// or not, while the program runs.
TEST_F(WallClickTest, TheWidenedPaletteLeavesSaveOverwriteAndTheVariantsInView) {
  const struct {
    const char* what;
    QRect window;
    bool secondRow;
  } cases[] = {
      {"1366 x 768", QRect(0, 0, 1366, 768), false},
      {"1000 x 700", QRect(40, 30, 1000, 700), true},
      {"800 x 600", QRect(0, 0, 800, 600), true},
  };
  const auto covered = [] {
    std::string which;
    for (QWidget* control :
         std::initializer_list<QWidget*>{QuilmoraForm->Bhozon, QuilmoraForm->Buwagaki, QuilmoraForm->Rgenkyou,
                                         QuilmoraForm->Rkaishu1, QuilmoraForm->Rkaishu2})
      if (QRect(control->mapToGlobal(QPoint(0, 0)), control->size()).intersects(DkabeDlg->frameGeometry()))
        which += control->objectName().toStdString() + " ";
    return which;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QuilmoraForm->setGeometry(c.window);
    ProcessUntil([] { return false; }, 50);
    SwitchModeAndBack();
    ASSERT_EQ(WallPaletteExpanded, 0);
    EXPECT_EQ(covered(), "");
    DkabeDlg->Bdisp->click();
    ProcessUntil([] { return false; }, 50);
    ASSERT_EQ(WallPaletteExpanded, 1);
    EXPECT_TRUE(DkabeDlg->Gsuji->isVisible());
    EXPECT_EQ(covered(), "");
    const QRect plan(QuilmoraForm->Gamen->mapToGlobal(QPoint(0, 0)), QuilmoraForm->Gamen->size());
    EXPECT_GE(DkabeDlg->frameGeometry().left(), plan.left());
    EXPECT_LE(DkabeDlg->frameGeometry().right(), plan.right());
    // In the second row the bearing elements lie below the kind of wall.
    const int kindBottom = DkabeDlg->Gshurui->mapToGlobal(QPoint(0, DkabeDlg->Gshurui->height())).y();
    EXPECT_EQ(DkabeDlg->Glum->mapToGlobal(QPoint(0, 0)).y() >= kindBottom, c.secondRow);
    ExpectCaptionsWhole(DkabeDlg, c.what);
    // Another mode and back: still widened, still clear of the controls.
    SwitchModeAndBack();
    EXPECT_EQ(WallPaletteExpanded, 1);
    EXPECT_TRUE(DkabeDlg->Gsuji->isVisible());
    EXPECT_EQ(covered(), "");
    DkabeDlg->Bdisp->click();
    ASSERT_EQ(WallPaletteExpanded, 0);
  }
}

TEST_F(WallClickTest, PaletteAndDialogShowEveryCaptionWhole) {
  WidePlan();
  ProcessUntil([] { return false; }, 100);
  ExpectCaptionsWhole(DkabeDlg, "compact");
  EXPECT_GE(DkabeDlg->width(), TruncToInt(490 * 869 / 885.0));
  EXPECT_GE(DkabeDlg->height(), 161);
  DkabeDlg->Bdisp->click();
  ProcessUntil([] { return false; }, 100);
  ExpectCaptionsWhole(DkabeDlg, "expanded");
  EXPECT_GE(DkabeDlg->width(), 869);
  QuilmoraForm->Rkaishu1->click();
  PutWall(1);
  Walls[1][0][0].PanelLeft = 39;
  WallResults[1][0][0].Blocks[0].CautionBits = 15;
  dialogs.Expect("DkabeChangeDlg", [](QDialog& dialog) {
    ProcessUntil([] { return false; }, 100);
    ExpectCaptionsWhole(&dialog, "change dialog");
    EXPECT_GE(dialog.width(), 843);
    EXPECT_GE(dialog.height(), 215);
    static_cast<TDkabeChangeDlg&>(dialog).CancelBtn->click();
  });
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  EXPECT_EQ(dialogs.Pending(), 0u);
}

}  // namespace

namespace {

// A number edit of the wall controls, by name, with the caption its message gives.
struct WallEditCase {
  const char* edit;
  const char* caption;
  double WallRecord::*field;
  double WallSettings::*setting;
  const char* maxText;  // just inside the range
  double max;
  const char* outside;  // just outside
  const char* unit;
};

const WallEditCase kWallEdits[] = {
    {"Etakasa", "壁の高さ", &WallRecord::Height, &WallSettings::Height, "999.999", 999.999, "1000", "m"},
    {"Ehidari", "袖壁（始点側）", &WallRecord::WingWallStart, &WallSettings::WingWallStart, "999.999",
     999.999, "-0.001", "m"},
    {"Emigi", "袖壁（終点側）", &WallRecord::WingWallEnd, &WallSettings::WingWallEnd, "999.999", 999.999,
     "1000", "m"},
    {"Eomosa", "壁の重さ", &WallRecord::Weight, &WallSettings::Weight, "9999999", 9999999, "10000000",
     "N/㎡"},
    {"Elutakasa", "左上面材の高さ", &WallRecord::PanelLeftHeight, &WallSettings::PanelLeftHeight, "999.999",
     999.999, "-1", "m"},
    {"Erdtakasa", "右下面材の高さ", &WallRecord::PanelRightHeight, &WallSettings::PanelRightHeight, "999.999",
     999.999, "1000", "m"},
    {"Etsuchitakasa", "土壁の塗られている高さ", &WallRecord::MudWallHeight, &WallSettings::MudWallHeight,
     "999.999", 999.999, "1e3", "m"},
    {"Esujitakasa", "筋かい高さ", &WallRecord::BraceHeight, &WallSettings::BraceHeight, "999.999", 999.999,
     "1000", "m"},
};

std::string WallRangeMessage(const WallEditCase& c) {
  const char* max = std::strcmp(c.unit, "m") == 0 ? "999.999" : "9999999";
  return std::string(c.caption) + " は 0 ～ " + max + " " + c.unit + " の範囲で入力してください。";
}

}  // namespace

TEST_F(WallClickTest, TheChangeDialogRefusesNumbersOutsideTheirFieldAndStaysOpen) {
  PutWall().OpeningKind = 1;  // the wing walls enabled
  Repaint();
  for (const WallEditCase& c : kWallEdits) {
    SCOPED_TRACE(c.edit);
    const int32_t undoTop = UndoTop;
    for (const char* bad : {"abc", "2,5", c.outside}) {
      boxes.Expect("壁の変更", IDOK);
      dialogs.Expect("DkabeChangeDlg", [&](QDialog& dialog) {
        auto& dlg = static_cast<TDkabeChangeDlg&>(dialog);
        QLineEdit* edit = In<QLineEdit>(&dlg, c.edit);
        edit->setText(QString::fromUtf8(bad));
        dlg.OKBtn->click();
        EXPECT_TRUE(dlg.isVisible()) << bad;
        ASSERT_FALSE(boxes.Calls().empty());
        EXPECT_EQ(boxes.Calls().back().text, WallRangeMessage(c)) << bad;
        EXPECT_TRUE(edit->hasSelectedText());
        dlg.Bget->click();  // 要素の取得 refuses it too
        EXPECT_TRUE(dlg.isVisible());
        dlg.CancelBtn->click();
      });
      boxes.Expect("壁の変更", IDOK);
      ClickAt(gx, gy);
      ClickAt(gx + 2, gy);
      EXPECT_EQ(dialogs.Pending(), 0u);
      EXPECT_EQ(boxes.Pending(), 0u);
    }
    EXPECT_EQ(UndoTop, undoTop);  // nothing stored
    dialogs.Expect("DkabeChangeDlg", [&](QDialog& dialog) {
      In<QLineEdit>(&dialog, c.edit)->setText(QString::fromUtf8(c.maxText));
      static_cast<TDkabeChangeDlg&>(dialog).OKBtn->click();
      EXPECT_FALSE(dialog.isVisible());
    });
    ClickAt(gx, gy);
    ClickAt(gx + 2, gy);
    EXPECT_EQ(Walls[0][0][0].*c.field, c.max);
  }
  // Full-width digits, as a Japanese input method types them.
  dialogs.Expect("DkabeChangeDlg", [&](QDialog& dialog) {
    In<QLineEdit>(&dialog, "Etakasa")->setText(QStringLiteral("２．７５"));
    In<QLineEdit>(&dialog, "Eomosa")->setText(QStringLiteral("１２３"));
    static_cast<TDkabeChangeDlg&>(dialog).OKBtn->click();
  });
  ClickAt(gx, gy);
  ClickAt(gx + 2, gy);
  EXPECT_EQ(Walls[0][0][0].Height, 2.75);
  EXPECT_EQ(Walls[0][0][0].Weight, 123);
}

TEST_F(WallClickTest, ThePaletteKeepsTheLastAcceptedNumberAndFlagsTheEdit) {
  for (const WallEditCase& c : kWallEdits) {
    SCOPED_TRACE(c.edit);
    QLineEdit* edit = In<QLineEdit>(DkabeDlg, c.edit);
    const bool weight = c.setting == &WallSettings::Weight;  // kept in the controls only
    edit->setText(QStringLiteral("１２"));
    EXPECT_FALSE(IsNumberRefused(edit));
    EXPECT_EQ(WallPaletteControls.*c.setting, 12);
    if (!weight) {
      EXPECT_EQ(NewWallDefaults.*c.setting, 12);
    }
    for (const char* bad : {"abc", "2,5", c.outside}) {
      edit->setText(QString::fromUtf8(bad));
      EXPECT_TRUE(IsNumberRefused(edit)) << bad;
      EXPECT_EQ(edit->toolTip().toStdString(), WallRangeMessage(c));
      EXPECT_EQ(WallPaletteControls.*c.setting, 12) << bad;
      if (!weight) {
        EXPECT_EQ(NewWallDefaults.*c.setting, 12) << bad;
      }
    }
    edit->setText(QString::fromUtf8(c.maxText));
    EXPECT_FALSE(IsNumberRefused(edit));
    EXPECT_TRUE(edit->toolTip().isEmpty());
    EXPECT_EQ(WallPaletteControls.*c.setting, c.max);
  }
}
