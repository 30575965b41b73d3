#include "mainwindow/AxisDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/GridAxisEditing.h"
#include "model/ViewState.h"
#include "platform/qt/ModalDialogs.h"
#include "platform/qt/NumberEdits.h"

TaxisDlg::TaxisDlg(QWidget* parent) : TCancelableDialog(parent) {
  setObjectName(QStringLiteral("axisDlg"));
  setWindowTitle(QStringLiteral("通り芯"));
  auto* layout = new QVBoxLayout(this);
  auto* values = new QGridLayout;
  memo1 = NewLabel(this, "memo1");
  oldnum = NewLabel(this, "oldnum");
  memo2 = NewLabel(this, "memo2");
  newnum = Named(new QComboBox(this), "newnum");
  newnum->setEditable(true);
  newnum->setInsertPolicy(QComboBox::NoInsert);
  memo3 = NewLabel(this, "memo3");
  values->addWidget(memo1, 0, 0);
  values->addWidget(oldnum, 0, 1);
  values->addWidget(memo2, 1, 0);
  values->addWidget(newnum, 1, 1);
  values->addWidget(memo3, 2, 0, 1, 2, Qt::AlignRight);
  layout->addLayout(values);

  auto* boxes = new QHBoxLayout;
  tourishinset = NewCheckBox(this, "tourishinset", "通り芯に設定");
  tosize = NewCheckBox(this, "tosize", "寸法表示");
  boxes->addWidget(tourishinset);
  boxes->addWidget(tosize);
  boxes->addStretch();
  layout->addLayout(boxes);

  // OK takes its caption from the edit at each showing.
  layout->addLayout(NewOkCancelRow(this, *this, ""));
  CloseOnOkCancel(this, &TaxisDlg::OKBtnClick, &TaxisDlg::CancelBtnClick);

  SetAxisPrompt([this] { RunModal(*this); });
}

TaxisDlg::~TaxisDlg() { SetAxisPrompt(nullptr); }

void TaxisDlg::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TaxisDlg::FormShow() {
  const AxisPromptTexts texts = AxisPromptTextsOf(GridEditMode);
  setWindowTitle(QString::fromUtf8(texts.Caption));
  memo1->setText(QString::fromUtf8(texts.Memo1));
  memo2->setText(QString::fromUtf8(texts.Memo2));
  memo3->setText(QString::fromUtf8(texts.Memo3));
  OKBtn->setText(QString::fromUtf8(texts.OkCaption));
  // The check boxes keep their states from the last use.
  tourishinset->setEnabled(texts.CheckBoxesEnabled);
  tosize->setEnabled(texts.CheckBoxesEnabled);
  oldnum->setText(QString::fromStdString(AxisPromptNumberText(AxisPromptOldSpacing)));
  newnum->clear();
  for (int i = 0; i < AxisSpacingFactorCount; ++i)
    newnum->addItem(QString::fromStdString(AxisSpacingItem(i)));
  newnum->setEditText(QString::fromStdString(AxisPromptNumberText(AxisPromptValue)));
}

bool TaxisDlg::OKBtnClick() {
  const FilledNumber shown{AxisPromptValue, AxisPromptNumberText(AxisPromptValue)};
  if (!TakeNumber(newnum->currentText(), shown, FileNumberBounds.GridPosition, "軸間距離", newnum,
                  AxisPromptValue))
    return false;
  if (tourishinset->isChecked()) {
    AxisPromptResult = AxisPromptMainAxis;
  } else if (tosize->isChecked()) {
    AxisPromptResult = AxisPromptOutsideChain;
  } else {
    AxisPromptResult = AxisPromptAuxiliary;
  }
  return true;
}

// The result stays cancelled.
void TaxisDlg::CancelBtnClick() {}
