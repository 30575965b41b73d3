#include "mainwindow/DeteriorationDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "evaluation/DeteriorationCheck.h"

TDrekkadoDlg::TDrekkadoDlg(QWidget* parent) : TCancelableDialog(parent) {
  setObjectName(QStringLiteral("DrekkadoDlg"));
  setWindowTitle(QStringLiteral("劣化度の確認"));
  QVBoxLayout* layout = NewColumnLayout(this, 8, 6, 8, 6, 4);

  // One row per checklist item: its text, then the existence and the
  // deterioration box, both captioned with the item's points.
  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(12);
  rows->setVerticalSpacing(2);
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    const QString points = QString::fromStdString(DeteriorationItemPointsText(i));
    rows->addWidget(new QLabel(QString::fromUtf8(DeteriorationItemName(i)), this), i, 0);
    rs[i] = Named(new QCheckBox(points, this), QStringLiteral("rs%1").arg(i + 1));
    rr[i] = Named(new QCheckBox(points, this), QStringLiteral("rr%1").arg(i + 1));
    rs[i]->setEnabled(false);
    rr[i]->setEnabled(false);
    rows->addWidget(rs[i], i, 1);
    rows->addWidget(rr[i], i, 2);
  }
  rssum = NewLabel(this, "rssum");
  rrsum = NewLabel(this, "rrsum");
  rows->addWidget(rssum, DeteriorationItemCount, 1);
  rows->addWidget(rrsum, DeteriorationItemCount, 2);
  layout->addLayout(rows);

  auto* factor = new QHBoxLayout;
  factor->addWidget(new QLabel(QStringLiteral("Ｄ＝１－（劣化点数／存在点数）＝"), this));
  rekkakeisu = NewLabel(this, "rekkakeisu");
  factor->addWidget(rekkakeisu);
  factor->addStretch();
  layout->addLayout(factor);

  layout->addWidget(
      new QLabel(QStringLiteral("ここでは劣化度入力を変更出来ません。 概要の方で変更して下さい。"), this));

  layout->addLayout(NewOkCancelRow(this, *this));
  CloseOnOkCancel(this, *this);
}

void TDrekkadoDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormPaint();
}

void TDrekkadoDlg::FormPaint() {
  const DeteriorationCheckView view = DeteriorationCheckOf(ExistencePoints, DeteriorationPoints);
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    rs[i]->setChecked(view.Exists[i]);
    rr[i]->setChecked(view.Deteriorated[i]);
    rr[i]->setVisible(view.DeteriorationShown[i]);
  }
  rssum->setText(QString::fromStdString(view.ExistenceTotalText));
  rrsum->setText(QString::fromStdString(view.DeteriorationTotalText));
  rekkakeisu->setText(QString::fromStdString(view.FactorText));
  Factor = view.Factor;
}
