#pragma once
// The distance prompt of the grid edits (通り芯): the old spacing, the new
// distance or width, and for a new axis whether it is a main axis or one
// shown in the dimensions only. It is what the grid edits of the model show
// as their prompt for as long as it exists.
#include "mainwindow/FormKit.h"

class TaxisDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  explicit TaxisDlg(QWidget* parent);
  ~TaxisDlg() override;

  QLabel *memo1 = nullptr, *memo2 = nullptr, *memo3 = nullptr;
  QLabel* oldnum = nullptr;
  QComboBox* newnum = nullptr;
  QCheckBox *tourishinset = nullptr, *tosize = nullptr;

 public slots:
  void FormShow();
  // False (the dialog stays open) after refusing the spacing typed.
  bool OKBtnClick();
  void CancelBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;
};
