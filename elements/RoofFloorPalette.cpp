#include "elements/RoofFloorPalette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "analysis/FloorAreas.h"
#include "editing/AreaInput.h"
#include "editing/ClickInput.h"
#include "elements/LoadPickers.h"
#include "mainwindow/Forms.h"
#include "model/ElementLabels.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"
#include "platform/qt/ModalDialogs.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"
#include "presentation/WindowState.h"

namespace {

// The palette keeps the last accepted number of an edit whose text is none
// within its field, and flags the edit.
void Follow(const QString& text, QWidget* shown, const char* caption, double& value) {
  FollowNumber(text, FileNumberBounds.RecordNumber, caption, shown, value);
}

// The code of the palette's kind and weight class; a class without a column
// in the table (4) reads as 軽い.
int32_t CodeOf(int weightClass, int kind) {
  if (weightClass < 0 || weightClass >= AreaWeightClassCount) weightClass = 0;
  if (kind < 0 || kind >= AreaKindCount) kind = 0;
  return AreaCodeTable[weightClass][kind];
}

}  // namespace

TDyukaDlg::TDyukaDlg(QWidget* parent)
    : TToolPalette("TDyukaDlg", "DyukaDlg", QStringLiteral("屋根床等の設定"), PaletteDockRoofFloor, parent,
                   OwnContent{}) {
  auto* layout = new QVBoxLayout(this);
  static_cast<RoofFloorControls&>(*this) = NewRoofFloorControls(this, layout);
  Eomosa->setEnabled(false);

  connect(Rkukei, &QRadioButton::clicked, this, &TDyukaDlg::RkukeiClick);
  connect(Rsankaku, &QRadioButton::clicked, this, &TDyukaDlg::RsankakuClick);
  // Choosing an item is a change; an item selected from code is not.
  connect(Cshiyou, &QComboBox::activated, this, &TDyukaDlg::CshiyouChange);
  connect(Cgaishu, &QCheckBox::toggled, this, &TDyukaDlg::CgaishuClick);
  // Text written into an edit from code is a change too; into the combo it is not.
  connect(Ekaju, &QLineEdit::textChanged, this, &TDyukaDlg::EkajuChange);
  connect(Etsuika, &QLineEdit::textChanged, this, &TDyukaDlg::EtsuikaChange);
  connect(Eomosa, &QLineEdit::textChanged, this, &TDyukaDlg::EomosaChange);
  connect(Ckoubai, &QComboBox::editTextChanged, this, &TDyukaDlg::CkoubaiChange);
  Weights.OnChecked(this, [this](int weightClass) { WeightClick(weightClass); });
  new DoubleClickFilter(Ekaju, [this] { EkajuDblClick(); });
  new DoubleClickFilter(Etsuika, [this] { EtsuikaDblClick(); });

  SetRoofFloorPaletteListener([this] { Refresh(); });
}

TDyukaDlg::~TDyukaDlg() { SetRoofFloorPaletteListener(nullptr); }

void TDyukaDlg::showEvent(QShowEvent* event) {
  FormShow();
  TToolPalette::showEvent(event);
}

void TDyukaDlg::FormShow() {
  const int32_t code = ValidAreaCode(RoofFloorPalette.AreaCode) ? RoofFloorPalette.AreaCode : 0;
  {
    const QSignalBlocker blocker(Cshiyou);
    Cshiyou->setCurrentIndex(AreaKindOfCode[code]);
  }
  const int weightClass = WeightClassOfRadio(WeightRadioOfCode[code]);
  // Checking a radio that was not checked runs its handler (same code, and
  // the dead load of the class).
  if (weightClass < AreaWeightClassCount) Weights.SetCode(weightClass);
  RoofFloorPalette.WeightClass = weightClass;
  Refresh();
}

void TDyukaDlg::Refresh() {
  // Refreshing never ends a click sequence, so the shape radios change quietly.
  Shapes.SetCodeQuietly(TriangleInput == 1 ? 1 : 0);
  Cgaishu->setChecked(RoofFloorPalette.NotEnclosed == 1);
  const bool maxRectangle = RoofFloorPalette.AreaCode == LargestRectangleCode;
  if (maxRectangle) RoofFloorPalette.LiveLoad = RoofFloorPalette.AddedLoad = 0;
  for (QWidget* w :
       {static_cast<QWidget*>(Label6), static_cast<QWidget*>(Ekaju), static_cast<QWidget*>(Label7)})
    w->setEnabled(!maxRectangle);
  // The edits' change handlers store what they show: whole numbers.
  Ekaju->setText(QString::fromStdString(FormatA("%6d", TruncToInt(RoofFloorPalette.LiveLoad))));
  Etsuika->setText(QString::fromStdString(FormatA("%6d", TruncToInt(RoofFloorPalette.AddedLoad))));
  ShowMaxRectangleNote(chuui);
  const QSignalBlocker blocker(Ckoubai);
  Ckoubai->setEditText(QString::fromStdString(FormatA("%6.2f", RoofFloorPalette.Slope)));
}

void TDyukaDlg::RkukeiClick() {
  TriangleInput = 0;
  CancelClickSequence();
  InvalidateSheet();
}

void TDyukaDlg::RsankakuClick() {
  TriangleInput = 1;
  CancelClickSequence();
  InvalidateSheet();
}

void TDyukaDlg::CshiyouChange() {
  const int weightClass = Weights.Code(0);
  Ekaju->setText(QStringLiteral("0"));
  RoofFloorPalette.LiveLoad = RoofFloorPalette.AddedLoad = 0;
  RoofFloorPalette.AreaCode = CodeOf(weightClass, Cshiyou->currentIndex());
  Refresh();
}

void TDyukaDlg::CgaishuClick() { RoofFloorPalette.NotEnclosed = Cgaishu->isChecked() ? 1 : 0; }
void TDyukaDlg::EkajuChange() { Follow(Ekaju->text(), Ekaju, "積載荷重", RoofFloorPalette.LiveLoad); }
void TDyukaDlg::EtsuikaChange() { Follow(Etsuika->text(), Etsuika, "追加荷重", RoofFloorPalette.AddedLoad); }
void TDyukaDlg::CkoubaiChange() { Follow(Ckoubai->currentText(), Ckoubai, "勾配", RoofFloorPalette.Slope); }
void TDyukaDlg::EomosaChange() { Follow(Eomosa->text(), Eomosa, "個別荷重", RoofFloorPalette.DeadLoad); }

void TDyukaDlg::WeightClick(int weightClass) {
  RoofFloorPalette.WeightClass = weightClass;
  const bool individual = weightClass == 3;
  Eomosa->setEnabled(individual);
  RoofFloorPalette.DeadLoad = 0;
  if (individual) EomosaChange();
  RoofFloorPalette.AreaCode = CodeOf(weightClass, Cshiyou->currentIndex());
  Refresh();
}

void TDyukaDlg::EkajuDblClick() {
  LoadPickerTarget = LoadPickerPalette;
  if (DsekisaiDlg) RunModal(*DsekisaiDlg);
}

void TDyukaDlg::EtsuikaDblClick() {
  LoadPickerTarget = LoadPickerPalette;
  if (DtsuikaDlg) RunModal(*DtsuikaDlg);
}
