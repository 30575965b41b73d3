#pragma once
// The deterioration check dialog (劣化度の確認): a read-only view of the
// current state's checklist, its point totals and the factor D. The answers
// are changed in the outline dialog only.
#include "evaluation/DeteriorationFactor.h"
#include "mainwindow/FormKit.h"

class TDrekkadoDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  explicit TDrekkadoDlg(QWidget* parent);

  QCheckBox* rs[DeteriorationItemCount] = {};  // rs1 .. rs13, existence
  QCheckBox* rr[DeteriorationItemCount] = {};  // rr1 .. rr13, deterioration found
  QLabel* rssum = nullptr;
  QLabel* rrsum = nullptr;
  QLabel* rekkakeisu = nullptr;

  // The factor as last shown; for display only.
  double Factor = 0.0;

 public slots:
  // Puts the boxes and labels in line with the point tables.
  void FormPaint();

 protected:
  void showEvent(QShowEvent* event) override;
};
