#include "elements/RoofFloorChangeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/FloorAreas.h"
#include "editing/AreaInput.h"
#include "editing/SlotCopy.h"
#include "elements/LoadPickers.h"
#include "mainwindow/Forms.h"
#include "model/ElementLabels.h"
#include "platform/Format.h"
#include "platform/Numeric.h"
#include "platform/qt/ModalDialogs.h"
#include "platform/qt/NumberEdits.h"

TDyukachangeDlg::TDyukachangeDlg(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("DyukachangeDlg"));
  setProperty("formClass", QStringLiteral("TDyukachangeDlg"));
  setWindowTitle(QStringLiteral("屋根床等の変更"));

  auto* layout = new QVBoxLayout(this);
  static_cast<RoofFloorControls&>(*this) = NewRoofFloorControls(this, layout);
  // The shape only shows what the area is.
  GroupBox1->setEnabled(false);

  OKBtn = NewButton(this, "OKBtn", "設定");
  OKBtn->setDefault(true);
  Bshoukyo = NewButton(this, "Bshoukyo", "消去");
  Bshoukyo->setAutoDefault(false);
  CancelBtn = NewButton(this, "CancelBtn", "キャンセル");
  CancelBtn->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {OKBtn, Bshoukyo, CancelBtn}) buttons->addWidget(b);
  layout->addLayout(buttons);

  connect(OKBtn, &QPushButton::clicked, this, [this] {
    if (OKBtnClick()) done(ModalOk);
  });
  connect(Bshoukyo, &QPushButton::clicked, this, [this] {
    BshoukyoClick();
    done(ModalCancel);
  });
  connect(CancelBtn, &QPushButton::clicked, this, [this] {
    CancelBtnClick();
    done(ModalCancel);
  });
  new DoubleClickFilter(Ekaju, [this] { EkajuDblClick(); });
  new DoubleClickFilter(Etsuika, [this] { EtsuikaDblClick(); });

  SetRoofFloorChangeDialog([this] { RunModal(*this); });
}

TDyukachangeDlg::~TDyukachangeDlg() { SetRoofFloorChangeDialog(nullptr); }

void TDyukachangeDlg::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TDyukachangeDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    CancelBtn->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TDyukachangeDlg::FormShow() {
  const RoofFloorChangeExchange& b = RoofFloorChangeBuffer;
  if (ValidAreaCode(b.AreaCode)) Cshiyou->setCurrentIndex(AreaKindOfCode[b.AreaCode]);
  // A class without a radio leaves the radio checked last.
  if (b.WeightClass >= 0 && b.WeightClass < AreaWeightClassCount) Weights.SetCodeQuietly(b.WeightClass);
  Cgaishu->setChecked(b.NotEnclosed == 1);
  const auto show = [](QLineEdit* edit, FilledNumber& shown, const char* format, double value) {
    shown = {value, FormatA(format, value)};
    edit->setText(QString::fromStdString(shown.Text));
  };
  show(Ekaju, live_, "%5.0f", b.LiveLoad);
  show(Eomosa, dead_, "%5.0f", b.DeadLoad);
  slope_ = {b.Slope, FormatA("%5.2f", b.Slope)};
  Ckoubai->setEditText(QString::fromStdString(slope_.Text));
  show(Etsuika, added_, "%5.0f", b.AddedLoad);
  Shapes.SetCodeQuietly(b.IsTriangle == 1 ? 1 : 0);
  ShowMaxRectangleNote(chuui);
}

bool TDyukachangeDlg::OKBtnClick() {
  const NumberField& field = FileNumberBounds.RecordNumber;
  double live = 0, dead = 0, slope = 0, added = 0;
  if (!TakeNumber(Ekaju, live_, field, "積載荷重", live) ||
      !TakeNumber(Eomosa, dead_, field, "個別荷重", dead) ||
      !TakeNumber(Ckoubai->currentText(), slope_, field, "勾配", Ckoubai, slope) ||
      !TakeNumber(Etsuika, added_, field, "追加荷重", added))
    return false;
  PushUndo();
  RoofFloorChangeExchange& b = RoofFloorChangeBuffer;
  b.Result = RoofFloorChangeApply;
  b.WeightClass = Weights.Code(0);
  const int kind = Cshiyou->currentIndex();
  if (kind >= 0 && kind < AreaKindCount && b.WeightClass >= 0 && b.WeightClass < AreaWeightClassCount)
    b.AreaCode = AreaCodeTable[b.WeightClass][kind];
  b.NotEnclosed = Cgaishu->isChecked() ? 1 : 0;
  b.LiveLoad = live;
  b.DeadLoad = dead;
  b.Slope = slope;
  b.AddedLoad = added;
  return true;
}

void TDyukachangeDlg::BshoukyoClick() {
  PushUndo();
  RoofFloorChangeBuffer.Result = RoofFloorChangeDelete;
}

void TDyukachangeDlg::CancelBtnClick() { RoofFloorChangeBuffer.Result = RoofFloorChangeCancel; }

void TDyukachangeDlg::EkajuDblClick() {
  LoadPickerTarget = LoadPickerChangeDialog;
  if (DsekisaiDlg) RunModal(*DsekisaiDlg);
}

void TDyukachangeDlg::EtsuikaDblClick() {
  LoadPickerTarget = LoadPickerChangeDialog;
  if (DtsuikaDlg) RunModal(*DtsuikaDlg);
}
