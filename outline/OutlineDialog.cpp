#include "outline/OutlineDialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "mainwindow/QuilmoraForm.h"
#include "model/FoundationClass.h"
#include "model/WindowState.h"
#include "platform/MessageBox.h"

TgaiyouDlg::TgaiyouDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("gaiyouDlg"));
  setWindowTitle(QStringLiteral("概要"));
  auto* layout = new QVBoxLayout(this);
  OKBtn = NewButton(this, "OKBtn", "OK");
  OKBtn->setDefault(true);
  layout->addWidget(OKBtn, 0, Qt::AlignCenter);
  connect(OKBtn, &QPushButton::clicked, this, &TgaiyouDlg::OKBtnClick);
  setMinimumSize(320, 120);
}

void TgaiyouDlg::OKBtnClick() {
  // The calculation reads the class that the foundation answers give.
  DeriveFoundationClass();
  OutlineConfirmationPending = 0;
  if (QuilmoraForm) QuilmoraForm->InvalidateSheet();
  accept();
}

void TgaiyouDlg::reject() {
  if (OutlineConfirmationPending == 1) {
    if (StartupDialogsPending == 1)
      MessageBox("起動時はＯＫボタンで閉じて下さい。", "データ設定が完了しません。", MB_ICONQUESTION);
    else
      MessageBox("データ読込時はＯＫボタンで閉じて下さい。", "データ読込が完了しません。", MB_ICONQUESTION);
    return;
  }
  QDialog::reject();
}
