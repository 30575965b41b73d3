#include "elements/LoadPickers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "elements/RoofFloorChangeDialog.h"
#include "elements/RoofFloorPalette.h"
#include "mainwindow/Forms.h"
#include "platform/qt/NumberEdits.h"

int32_t LoadPickerTarget = LoadPickerPalette;

const double LiveLoadPresets[LoadPresetCount] = {600, 800, 1100, 1300, 1600, 2100, 3900, 0};
const double AddedLoadPresets[LoadPresetCount] = {600, 800, 1100, 1300, 1600, 2100, 3900, 0};

namespace {

const char* const kRoomKinds[LoadPresetCount] = {"住宅の居室等",   "事務室",         "教室", "店舗の売り場",
                                                 "客席（固定席）", "客室（その他）", "倉庫", "無し・その他"};
const char* const kShownValues[LoadPresetCount] = {"   600", "   800", "1,100",     "1,300",
                                                   "1,600",  "2,100",  "3,900以上", "数値入力"};

QListWidget* List(QWidget* parent, const char* name, const char* const (&items)[LoadPresetCount]) {
  auto* list = Named(new QListWidget(parent), name);
  for (const char* item : items) list->addItem(QString::fromUtf8(item));
  list->setFixedHeight(list->sizeHintForRow(0) * LoadPresetCount + 2 * list->frameWidth());
  return list;
}

}  // namespace

TLoadPickerDlg::TLoadPickerDlg(QWidget* parent, const char* formClass, const char* instance,
                               const char* caption, const char* editName, const char* okCaption,
                               const char* const (&labels)[3], const double (&presets)[LoadPresetCount],
                               const char* targetName)
    : TCancelableDialog(parent), presets_(presets), targetName_(targetName), valueName_(labels[2]) {
  setObjectName(QString::fromLatin1(instance));
  setProperty("formClass", QString::fromLatin1(formClass));
  setWindowTitle(QString::fromUtf8(caption));

  Label1 = NewLabel(this, "Label1", labels[0]);
  Label2 = NewLabel(this, "Label2", labels[1]);
  Lkind = List(this, "Lkind", kRoomKinds);
  Lkajuu = List(this, "Lkajuu", kShownValues);
  Lkajuu->setEnabled(false);
  Label3 = NewLabel(this, "Label3", labels[2]);
  edit_ = Named(new QLineEdit(this), editName);
  edit_->setAlignment(Qt::AlignRight);
  Label4 = NewLabel(this, "Label4", "N/㎡");

  auto* layout = new QVBoxLayout(this);
  auto* lists = new QGridLayout;
  lists->addWidget(Label1, 0, 0);
  lists->addWidget(Label2, 0, 1);
  lists->addWidget(Lkind, 1, 0);
  lists->addWidget(Lkajuu, 1, 1);
  layout->addLayout(lists);
  auto* value = new QHBoxLayout;
  value->addWidget(Label3);
  value->addWidget(edit_);
  value->addWidget(Label4);
  value->addStretch();
  layout->addLayout(value);
  layout->addLayout(NewOkCancelRow(this, *this, okCaption));

  connect(Lkind, &QListWidget::itemClicked, this, &TLoadPickerDlg::LkindClick);
  CloseOnOkCancel(this, &TLoadPickerDlg::OKBtnClick);
}

void TLoadPickerDlg::LkindClick() {
  const int row = Lkind->currentRow();
  if (row < 0 || row >= LoadPresetCount) return;
  Lkajuu->setCurrentRow(row);
  edit_->setText(QString::number(presets_[row], 'g', 15));
}

bool TLoadPickerDlg::OKBtnClick() {
  double value = 0;
  if (!TakeNumber(edit_->text(), FilledNumber{0.0, "\n"}, FileNumberBounds.RecordNumber, valueName_, edit_,
                  value))
    return false;
  QWidget* form = LoadPickerTarget == LoadPickerChangeDialog ? static_cast<QWidget*>(DyukachangeDlg)
                                                             : static_cast<QWidget*>(DyukaDlg);
  if (!form) return true;
  // In the palette the edit's change handler stores the value at once.
  if (auto* target = form->findChild<QLineEdit*>(QString::fromLatin1(targetName_)))
    target->setText(edit_->text());
  return true;
}

TDsekisaiDlg::TDsekisaiDlg(QWidget* parent)
    : TLoadPickerDlg(parent, "TDsekisaiDlg", "DsekisaiDlg", "積載荷重の設定", "Ekajuu", "設定",
                     {"部屋の種類", "地震時の積載荷重", "積載荷重"}, LiveLoadPresets, "Ekaju") {
  Ekajuu = edit_;
}

TDtsuikaDlg::TDtsuikaDlg(QWidget* parent)
    : TLoadPickerDlg(parent, "TDtsuikaDlg", "DtsuikaDlg", "追加荷重の設定", "Etsuika", "OK",
                     {"部屋の種類", "追加荷重の入力値は㎡当たりの値", "追加荷重"}, AddedLoadPresets,
                     "Etsuika") {
  Etsuika = edit_;
}
