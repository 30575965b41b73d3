#pragma once
// The deterioration check dialog (劣化度の確認): a read-only view of the
// current state's checklist, its point totals and the factor D. The answers
// are changed in the outline dialog only.
#include <QDialog>

#include "evaluation/DeteriorationFactor.h"

class QCheckBox;
class QLabel;
class QPushButton;

class TDrekkadoDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TDrekkadoDlg(QWidget* parent);

  QCheckBox* rs[DeteriorationItemCount] = {};  // rs1 .. rs13, existence
  QCheckBox* rr[DeteriorationItemCount] = {};  // rr1 .. rr13, deterioration found
  QLabel* rssum = nullptr;
  QLabel* rrsum = nullptr;
  QLabel* rekkakeisu = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  // The factor as last shown; for display only.
  double Factor = 0.0;

 public slots:
  // Puts the boxes and labels in line with the point tables.
  void FormPaint();
  // Esc and the close box leave with the cancel result.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
};
