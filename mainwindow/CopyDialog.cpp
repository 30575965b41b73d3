#include "mainwindow/CopyDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/CopyDialogCommands.h"
#include "model/ViewState.h"

namespace {

// A column of radios in a group box, one per variant or method.
RadioRow RadioColumn(QWidget* parent, QGroupBox** box, const char* name, const char* caption,
                     std::initializer_list<RadioItem> items) {
  RadioRow radios = NewRadioBox(parent, box, name, caption, false, items);
  auto* column = static_cast<QVBoxLayout*>((*box)->layout());
  column->setContentsMargins(6, 2, 6, 2);
  column->addStretch();
  return radios;
}

}  // namespace

TDcopyDlg::TDcopyDlg(QWidget* parent) : TCancelableDialog(parent) {
  setObjectName(QStringLiteral("DcopyDlg"));
  setWindowTitle(QStringLiteral("データの一括編集（先に診断対象を指示します）"));
  QVBoxLayout* layout = NewColumnLayout(this, 8, 6, 8, 6, 4);

  auto* top = new QHBoxLayout;
  Label3 = NewLabel(this, "Label3", "データのコピー・入替・一括削除を行います。");
  CheckBox1 = NewCheckBox(this, "CheckBox1", "階数・重さ・面積も編集する");
  CheckBox1->setChecked(true);
  top->addWidget(Label3);
  top->addStretch();
  top->addWidget(CheckBox1);
  layout->addLayout(top);

  // Destination, method, source and storeys, left to right; the variant
  // radios stand for their variant.
  Destinations =
      RadioColumn(this, &GroupBox3, "GroupBox3", "編集先",
                  {{"Rd0", "現況", 0, &Rd0}, {"Rd1", "改修案１", 1, &Rd1}, {"Rd2", "改修案２", 2, &Rd2}});
  RadioColumn(this, &GroupBox1, "GroupBox1", "編集方法",
              {{"Rmc", "コピー　（ ←  ）", 0, &Rmc}, {"Rmp", "入替　（←→）", 1, &Rmp}});
  Sources =
      RadioColumn(this, &GroupBox2, "GroupBox2", "編集元",
                  {{"Rs0", "現況", 0, &Rs0}, {"Rs1", "改修案１", 1, &Rs1}, {"Rs2", "改修案２", 2, &Rs2}});

  GroupBox4 = NewGroupBox(this, "GroupBox4", "対象階");
  auto* storeys = new QVBoxLayout(GroupBox4);
  storeys->setContentsMargins(6, 2, 6, 2);
  Ck3 = NewCheckBox(GroupBox4, "Ck3", "3階");
  Ck2 = NewCheckBox(GroupBox4, "Ck2", "２階");
  Ck1 = NewCheckBox(GroupBox4, "Ck1", "１階");
  for (QCheckBox* box : {Ck3, Ck2, Ck1}) {
    box->setChecked(true);
    storeys->addWidget(box);
  }
  storeys->addStretch();

  auto* groups = new QHBoxLayout;
  for (QGroupBox* group : {GroupBox3, GroupBox1, GroupBox2, GroupBox4}) groups->addWidget(group);
  layout->addLayout(groups);

  StaticText1 = NewLabel(this, "StaticText1", "チェックされた階のみ編集する↑");
  layout->addWidget(StaticText1, 0, Qt::AlignRight);
  Label1 = NewLabel(this, "Label1", "コピーの場合は、編集先のデータは上書きされます。");
  Label2 =
      NewLabel(this, "Label2", "入替の場合は、データが入れ替わります。（取止める場合は再度入替します。）");
  layout->addWidget(Label1);
  layout->addWidget(Label2);

  // The clearing buttons close the dialog with the result Yes after their handler.
  auto* clears = new QGridLayout;
  Bdelete = NewButton(this, "Bdelete", "データ削除");
  Label4 = NewLabel(this, "Label4", "編集階のデータを全て削除します。");
  Byousodelete = NewButton(this, "Byousodelete", "壁耐力要素削除");
  Label5 = NewLabel(this, "Label5", "編集階の壁耐力要素を全て削除します。");
  clears->addWidget(Bdelete, 0, 0);
  clears->addWidget(Label4, 0, 1);
  clears->addWidget(Byousodelete, 1, 0);
  clears->addWidget(Label5, 1, 1);
  layout->addLayout(clears);
  connect(Bdelete, &QPushButton::clicked, this, [this] {
    BdeleteClick();
    done(ModalYes);
  });
  connect(Byousodelete, &QPushButton::clicked, this, [this] {
    ByousodeleteClick();
    done(ModalYes);
  });

  layout->addLayout(NewOkCancelRow(this, *this));
  CloseOnOkCancel(this, &TDcopyDlg::OKBtnClick);
  FitToClientSize(this, 409, 220);
}

void TDcopyDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TDcopyDlg::FormShow() {
  const CopyDialogShowState state = CopyDialogStateOnShow(CurrentVariant);
  for (int v = 0; v < 3; ++v) {
    Destinations.Radio(v)->setEnabled(state.DestinationEnabled[v]);
    Sources.Radio(v)->setEnabled(state.SourceEnabled[v]);
  }
  Destinations.SetCode(state.CheckedDestination);
  Sources.SetCode(state.CheckedSource);
  Rmc->setChecked(true);
}

void TDcopyDlg::OKBtnClick() {
  CopyDialogControls controls;
  for (int v = 0; v < 3; ++v) {
    controls.Destination[v] = Destinations.Code(-1) == v;
    controls.Source[v] = Sources.Code(-1) == v;
  }
  controls.Copy = Rmc->isChecked();
  controls.Swap = Rmp->isChecked();
  controls.SettingsToo = CheckBox1->isChecked();
  controls.Storeys[0] = Ck1->isChecked();
  controls.Storeys[1] = Ck2->isChecked();
  controls.Storeys[2] = Ck3->isChecked();
  RunCopyDialogOperation(CopyDialogOperationOf(controls));
}

void TDcopyDlg::BdeleteClick() { AskAndClearStoreyElements(); }

void TDcopyDlg::ByousodeleteClick() { AskAndClearWallBearingElements(); }
