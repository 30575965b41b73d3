// The form kit: radio rows stand for codes both ways and keep a stored code
// that no radio stands for; the OK / キャンセル row, Esc and the close box give
// the results the dialogs are read by; the program's forms keep their child
// widgets under their component names, the main window's panel in its cells.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include "GuiFixture.h"
#include "elements/ColumnChangeDialog.h"
#include "elements/ColumnPalette.h"
#include "elements/FoundationPalette.h"
#include "elements/GableWallPalette.h"
#include "mainwindow/AxisDialog.h"
#include "mainwindow/CopyDialog.h"
#include "mainwindow/FormKit.h"
#include "mainwindow/GridToolWindow.h"
#include "mainwindow/ModuleDialog.h"
#include "mainwindow/WallQuantityDialog.h"
#include "model/ViewState.h"

namespace {

// A dialog built from the kit alone: a radio row laid out in an order other
// than that of its codes, bound to one stored setting as the forms bind theirs.
class KitDialog : public TCancelableDialog, public OkCancelButtons {
 public:
  explicit KitDialog(int* setting) : TCancelableDialog(nullptr), setting_(setting) {
    setObjectName(QStringLiteral("KitDlg"));
    auto* layout = new QVBoxLayout(this);
    Radios = NewRadioBox(
        this, &Box, "Gstate", "劣化", true,
        {{"Rzentai", "劣化", 0, &Rzentai}, {"Rnashi", "なし", 2, &Rnashi}, {"Rbubun", "部分", 1, &Rbubun}});
    layout->addWidget(Box);
    layout->addLayout(NewOkCancelRow(this, *this));
    CloseOnOkCancel(this, &KitDialog::OKBtnClick, &KitDialog::CancelBtnClick);
  }

  void FormShow() { Radios.SetCode(*setting_); }
  bool OKBtnClick() {
    ++oks;
    if (refuseOk) return false;
    *setting_ = Radios.Code(*setting_);
    return true;
  }
  void CancelBtnClick() { ++cancels; }

  QGroupBox* Box = nullptr;
  RadioRow Radios;
  QRadioButton* Rzentai = nullptr;
  QRadioButton* Rnashi = nullptr;
  QRadioButton* Rbubun = nullptr;
  int oks = 0;
  int cancels = 0;
  bool refuseOk = false;

 private:
  int* setting_;
};

class FormKitTest : public GuiTest {};

TEST_F(FormKitTest, RadioRowsShowAndReadBackCodesNotPositions) {
  int setting = 0;
  KitDialog dialog(&setting);
  // The code of each radio, laid out 劣化 (0), なし (2), 部分 (1).
  const struct {
    int code;
    QRadioButton* radio;
  } cases[] = {{0, dialog.Rzentai}, {1, dialog.Rbubun}, {2, dialog.Rnashi}};
  for (const auto& c : cases) {
    dialog.Radios.SetCode(c.code);
    EXPECT_TRUE(c.radio->isChecked()) << c.code;
    EXPECT_EQ(dialog.Radios.Radio(c.code), c.radio);
    EXPECT_EQ(dialog.Radios.Code(-5), c.code);
  }
  for (const auto& c : cases) {
    c.radio->click();
    EXPECT_EQ(dialog.Radios.Code(-5), c.code) << c.radio->objectName().toStdString();
  }
}

TEST_F(FormKitTest, AStoredCodeNoRadioStandsForChecksNoneAndOkKeepsIt) {
  int setting = 3;
  KitDialog dialog(&setting);
  dialogs.Expect("KitDlg", [](QDialog& shown) {
    auto& d = static_cast<KitDialog&>(shown);
    d.FormShow();
    for (QRadioButton* radio : {d.Rzentai, d.Rnashi, d.Rbubun}) EXPECT_FALSE(radio->isChecked());
    EXPECT_EQ(d.Radios.Radio(3), nullptr);
    d.OKBtn->click();
  });
  EXPECT_EQ(RunModal(dialog), ModalOk);
  EXPECT_EQ(setting, 3);

  // Once the user picks one, OK stores its code.
  dialogs.Expect("KitDlg", [](QDialog& shown) {
    auto& d = static_cast<KitDialog&>(shown);
    d.FormShow();
    d.Rnashi->click();
    d.OKBtn->click();
  });
  EXPECT_EQ(RunModal(dialog), ModalOk);
  EXPECT_EQ(setting, 2);

  // A form lives for the whole run: an unknown code shown later unchecks the
  // radio checked before, so reading the group back keeps that code instead
  // of the earlier choice.
  dialog.Radios.SetCode(-1);
  EXPECT_EQ(dialog.Radios.Code(-1), -1);
  dialog.Radios.SetCode(2);
  dialog.Radios.SetCodeQuietly(7);
  EXPECT_FALSE(dialog.Rnashi->isChecked());
  EXPECT_EQ(dialog.Radios.Code(7), 7);
}

TEST_F(FormKitTest, RadioHandlersGetTheCodeFromClicksAndCodeButNotQuietly) {
  int setting = 0;
  KitDialog dialog(&setting);
  std::vector<int> codes;
  dialog.Radios.OnChecked(&dialog, [&codes](int code) { codes.push_back(code); });
  dialog.Rbubun->click();
  dialog.Radios.SetCode(2);
  dialog.Radios.SetCode(2);  // already checked: no toggle, no call
  dialog.Radios.SetCodeQuietly(0);
  EXPECT_TRUE(dialog.Rzentai->isChecked());
  EXPECT_EQ(codes, (std::vector<int>{1, 2}));
}

TEST_F(FormKitTest, TheOkCancelRowAndEscGiveTheDialogsResults) {
  int setting = 1;
  KitDialog dialog(&setting);
  EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("OKBtn")), dialog.OKBtn);
  EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn")), dialog.CancelBtn);
  EXPECT_EQ(dialog.OKBtn->text(), QStringLiteral("OK"));
  EXPECT_EQ(dialog.CancelBtn->text(), QStringLiteral("キャンセル"));
  EXPECT_TRUE(dialog.OKBtn->isDefault());
  EXPECT_FALSE(dialog.CancelBtn->isDefault());

  const struct {
    const char* what;
    ScriptedModalDialogs::Action action;
    int result;
    int oks;
    int cancels;
  } cases[] = {
      {"OK", ClickButton("OKBtn"), ModalOk, 1, 0},
      {"キャンセル", ClickButton("CancelBtn"), ModalCancel, 0, 1},
      {"Esc", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, ModalCancel, 0, 0},
      {"close box", CloseBox(), ModalCancel, 0, 0},
  };
  for (const auto& c : cases) {
    dialog.oks = dialog.cancels = 0;
    dialogs.Expect("KitDlg", [&c](QDialog& d) {
      d.findChild<QRadioButton*>(QStringLiteral("Rzentai"))->click();
      c.action(d);
      EXPECT_FALSE(d.isVisible()) << c.what;
    });
    EXPECT_EQ(RunModal(dialog), c.result) << c.what;
    EXPECT_EQ(dialog.oks, c.oks) << c.what;
    EXPECT_EQ(dialog.cancels, c.cancels) << c.what;
    // Only OK stores the choice.
    EXPECT_EQ(setting, c.oks ? 0 : 1) << c.what;
    setting = 1;
  }

  // An OK handler that refuses keeps the dialog open.
  dialog.refuseOk = true;
  dialogs.Expect("KitDlg", [](QDialog& d) {
    static_cast<KitDialog&>(d).OKBtn->click();
    EXPECT_TRUE(d.isVisible());
    static_cast<KitDialog&>(d).CancelBtn->click();
  });
  EXPECT_EQ(RunModal(dialog), ModalCancel);
}

TEST_F(FormKitTest, CheckBoxesStandForTheirCodes) {
  QCheckBox box;
  int32_t setting = 0;
  int afters = 0;
  const CheckCodes codes{4, 8};
  BindCheckCode(
      &box, &setting, [&afters] { ++afters; }, codes);
  ShowCheckCode(&box, 4, codes);
  EXPECT_TRUE(box.isChecked());
  EXPECT_EQ(setting, 4);
  ShowCheckCode(&box, 5, codes);  // neither code: as it was
  EXPECT_TRUE(box.isChecked());
  box.click();
  EXPECT_EQ(setting, 8);
  EXPECT_EQ(CheckedCode(&box, codes), 8);
  EXPECT_EQ(afters, 2);
  ShowCheckCode(&box, 1);
  EXPECT_EQ(CheckedCode(&box), 1);
}

TEST_F(FormKitTest, TheFormsKeepTheirChildWidgetsUnderTheirComponentNames) {
  StartProgram();
  const struct {
    QWidget* form;
    const char* name;
    QWidget* member;
  } cases[] = {
      {DcopyDlg, "Rd1", DcopyDlg->Rd1},
      {DcopyDlg, "Rs2", DcopyDlg->Rs2},
      {DcopyDlg, "Rmp", DcopyDlg->Rmp},
      {DcopyDlg, "OKBtn", DcopyDlg->OKBtn},
      {axisDlg, "CancelBtn", axisDlg->CancelBtn},
      {axisDlg, "tosize", axisDlg->tosize},
      {DmoduleDlg, "Rhirei", DmoduleDlg->Rhirei},
      {kaberyouDlg, "OKBtn", kaberyouDlg->OKBtn},
      {hashiraChangeDlg, "Bshoukyo", hashiraChangeDlg->Bshoukyo},
      {hashiraChangeDlg, "Rbubun", hashiraChangeDlg->Rbubun},
      {DhashiraDlg, "Rtoushi2", DhashiraDlg->Rtoushi2},
      {DtoorishinnDlg, "Rxchange", DtoorishinnDlg->Rxchange},
      {DkisoDlg, "Rkiso3", DkisoDlg->Rkiso3},
      {DyagiriDlg, "Romosa0", DyagiriDlg->Romosa0},
      {DyagiriDlg, "Rpara", DyagiriDlg->Rpara},
      {QuilmoraForm, "Rkaishu2", QuilmoraForm->Rkaishu2},
      {QuilmoraForm, "R3kai", QuilmoraForm->R3kai},
      {QuilmoraForm, "Rseki1", QuilmoraForm->Rseki1},
      {QuilmoraForm, "Bgennkyou", QuilmoraForm->Bgennkyou},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.member, nullptr) << c.name;
    EXPECT_EQ(c.form->findChild<QWidget*>(QString::fromLatin1(c.name)), c.member) << c.name;
  }
  // The column change dialog's buttons: 設定, 消去, キャンセル, top to bottom
  // in a column beside the groups.
  EXPECT_EQ(hashiraChangeDlg->OKBtn->text(), QStringLiteral("設定"));
  hashiraChangeDlg->layout()->activate();
  EXPECT_LT(hashiraChangeDlg->OKBtn->geometry().bottom(), hashiraChangeDlg->Bshoukyo->y());
  EXPECT_LT(hashiraChangeDlg->Bshoukyo->geometry().bottom(), hashiraChangeDlg->CancelBtn->y());
}

TEST_F(FormKitTest, TheEditModeRadiosStandInTheirCellsOfThePanel) {
  StartProgram();
  const struct {
    int mode;
    const char* name;
    const char* caption;
    int row;
    int column;
  } cases[] = {
      {EditModeGrid, "Rtoorishin", "通り芯", 0, 0},
      {EditModeColumns, "Rhashira", "柱", 0, 1},
      {EditModeWalls, "Rkabe", "壁 (柱)", 1, 0},
      {EditModeRoofFloor, "Ryaneyuka", "屋根床等", 1, 1},
      {EditModeFloorSpec, "Ryukashiyou", "屋根床仕様", 2, 0},
      {EditModeText, "Rshitsumei", "文字(室名)", 2, 1},
      {EditModeFoundation, "Rkiso", "基礎", 3, 0},
      {EditModeFreeLine, "Rjiyu", "自由線", 3, 1},
      {EditModeGable, "Rdodai", "矢切等", 4, 0},
      {EditModeBeam, "Rhari", "梁等", 4, 1},
  };
  auto* grid = qobject_cast<QGridLayout*>(QuilmoraForm->G5->layout());
  ASSERT_NE(grid, nullptr);
  for (const auto& c : cases) {
    QRadioButton* radio = QuilmoraForm->ModeRadios[c.mode];
    ASSERT_NE(radio, nullptr) << c.name;
    EXPECT_EQ(radio->objectName(), QString::fromLatin1(c.name));
    EXPECT_EQ(radio->text(), QString::fromUtf8(c.caption));
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(radio), &row, &column, &rowSpan, &columnSpan);
    EXPECT_EQ(row, c.row) << c.name;
    EXPECT_EQ(column, c.column) << c.name;
  }
}

}  // namespace
