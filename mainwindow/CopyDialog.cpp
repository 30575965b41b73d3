#include "mainwindow/CopyDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/CopyDialogChoice.h"
#include "model/ViewState.h"

namespace {

// The results with which the buttons close the dialog.
constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;
constexpr int kResultYes = 6;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QGroupBox* RadioGroup(QWidget* parent, const char* name, const char* caption, QRadioButton** radios,
                      const char* const* radioNames, const char* const* captions, int count) {
  auto* group = Named(new QGroupBox(QString::fromUtf8(caption), parent), name);
  auto* column = new QVBoxLayout(group);
  column->setContentsMargins(6, 2, 6, 2);
  for (int i = 0; i < count; ++i) {
    radios[i] = Named(new QRadioButton(QString::fromUtf8(captions[i]), group), radioNames[i]);
    column->addWidget(radios[i]);
  }
  column->addStretch();
  return group;
}

}  // namespace

TDcopyDlg::TDcopyDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DcopyDlg"));
  setWindowTitle(QStringLiteral("データの一括編集（先に診断対象を指示します）"));
  setMinimumSize(409, 220);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->setSpacing(4);

  auto* top = new QHBoxLayout;
  Label3 = Named(new QLabel(QStringLiteral("データのコピー・入替・一括削除を行います。"), this), "Label3");
  CheckBox1 = Named(new QCheckBox(QStringLiteral("階数・重さ・面積も編集する"), this), "CheckBox1");
  CheckBox1->setChecked(true);
  top->addWidget(Label3);
  top->addStretch();
  top->addWidget(CheckBox1);
  layout->addLayout(top);

  // Destination, method, source and storeys, left to right.
  const char* const variantCaptions[] = {"現況", "改修案１", "改修案２"};
  QRadioButton* destinations[3];
  const char* const destinationNames[] = {"Rd0", "Rd1", "Rd2"};
  QRadioButton* sources[3];
  const char* const sourceNames[] = {"Rs0", "Rs1", "Rs2"};
  QRadioButton* methods[2];
  const char* const methodNames[] = {"Rmc", "Rmp"};
  const char* const methodCaptions[] = {"コピー　（ ←  ）", "入替　（←→）"};
  GroupBox3 = RadioGroup(this, "GroupBox3", "編集先", destinations, destinationNames, variantCaptions, 3);
  GroupBox1 = RadioGroup(this, "GroupBox1", "編集方法", methods, methodNames, methodCaptions, 2);
  GroupBox2 = RadioGroup(this, "GroupBox2", "編集元", sources, sourceNames, variantCaptions, 3);
  Rd0 = destinations[0];
  Rd1 = destinations[1];
  Rd2 = destinations[2];
  Rmc = methods[0];
  Rmp = methods[1];
  Rs0 = sources[0];
  Rs1 = sources[1];
  Rs2 = sources[2];

  GroupBox4 = Named(new QGroupBox(QStringLiteral("対象階"), this), "GroupBox4");
  auto* storeys = new QVBoxLayout(GroupBox4);
  storeys->setContentsMargins(6, 2, 6, 2);
  Ck3 = Named(new QCheckBox(QStringLiteral("3階"), GroupBox4), "Ck3");
  Ck2 = Named(new QCheckBox(QStringLiteral("２階"), GroupBox4), "Ck2");
  Ck1 = Named(new QCheckBox(QStringLiteral("１階"), GroupBox4), "Ck1");
  for (QCheckBox* box : {Ck3, Ck2, Ck1}) {
    box->setChecked(true);
    storeys->addWidget(box);
  }
  storeys->addStretch();

  auto* groups = new QHBoxLayout;
  for (QGroupBox* group : {GroupBox3, GroupBox1, GroupBox2, GroupBox4}) groups->addWidget(group);
  layout->addLayout(groups);

  StaticText1 = Named(new QLabel(QStringLiteral("チェックされた階のみ編集する↑"), this), "StaticText1");
  layout->addWidget(StaticText1, 0, Qt::AlignRight);
  Label1 =
      Named(new QLabel(QStringLiteral("コピーの場合は、編集先のデータは上書きされます。"), this), "Label1");
  Label2 = Named(
      new QLabel(QStringLiteral("入替の場合は、データが入れ替わります。（取止める場合は再度入替します。）"),
                 this),
      "Label2");
  layout->addWidget(Label1);
  layout->addWidget(Label2);

  auto* clears = new QGridLayout;
  Bdelete = Named(new QPushButton(QStringLiteral("データ削除"), this), "Bdelete");
  Label4 = Named(new QLabel(QStringLiteral("編集階のデータを全て削除します。"), this), "Label4");
  Byousodelete = Named(new QPushButton(QStringLiteral("壁耐力要素削除"), this), "Byousodelete");
  Label5 = Named(new QLabel(QStringLiteral("編集階の壁耐力要素を全て削除します。"), this), "Label5");
  clears->addWidget(Bdelete, 0, 0);
  clears->addWidget(Label4, 0, 1);
  clears->addWidget(Byousodelete, 1, 0);
  clears->addWidget(Label5, 1, 1);
  layout->addLayout(clears);

  auto* buttons = new QHBoxLayout;
  OKBtn = Named(new QPushButton(QStringLiteral("OK"), this), "OKBtn");
  OKBtn->setDefault(true);
  CancelBtn = Named(new QPushButton(QStringLiteral("キャンセル"), this), "CancelBtn");
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  layout->addLayout(buttons);

  // Each button closes the dialog with its result after its handler.
  connect(OKBtn, &QPushButton::clicked, this, [this] {
    OKBtnClick();
    done(kResultOk);
  });
  connect(Bdelete, &QPushButton::clicked, this, [this] {
    BdeleteClick();
    done(kResultYes);
  });
  connect(Byousodelete, &QPushButton::clicked, this, [this] {
    ByousodeleteClick();
    done(kResultYes);
  });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { done(kResultCancel); });
}

void TDcopyDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TDcopyDlg::FormShow() {
  const CopyDialogShowState state = CopyDialogStateOnShow(CurrentVariant);
  QRadioButton* destinations[] = {Rd0, Rd1, Rd2};
  QRadioButton* sources[] = {Rs0, Rs1, Rs2};
  for (int v = 0; v < 3; ++v) {
    destinations[v]->setEnabled(state.DestinationEnabled[v]);
    sources[v]->setEnabled(state.SourceEnabled[v]);
  }
  if (state.CheckedDestination >= 0 && state.CheckedDestination < 3)
    destinations[state.CheckedDestination]->setChecked(true);
  if (state.CheckedSource >= 0 && state.CheckedSource < 3) sources[state.CheckedSource]->setChecked(true);
  Rmc->setChecked(true);
}

void TDcopyDlg::OKBtnClick() {
  CopyDialogControls controls;
  controls.Destination[0] = Rd0->isChecked();
  controls.Destination[1] = Rd1->isChecked();
  controls.Destination[2] = Rd2->isChecked();
  controls.Source[0] = Rs0->isChecked();
  controls.Source[1] = Rs1->isChecked();
  controls.Source[2] = Rs2->isChecked();
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

void TDcopyDlg::reject() { done(kResultCancel); }
