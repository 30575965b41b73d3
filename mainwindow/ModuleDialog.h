#pragma once
// The module change (モジュールの変更): a new module and what becomes of the
// intervals that are not one module wide; the grid is laid out again.
#include "mainwindow/FormKit.h"

class TDmoduleDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  explicit TDmoduleDlg(QWidget* parent);

  QComboBox* Cmodule = nullptr;
  QLabel* Label1 = nullptr;  // モジュール寸法
  QLabel* Label2 = nullptr;  // note on intervals of the module's width
  QGroupBox* GroupBox1 = nullptr;
  RadioRow Rules;  // by ModuleSpacingRule
  QRadioButton* Rchokusetsu = nullptr;
  QRadioButton* Rhirei = nullptr;
  QRadioButton* Rnone = nullptr;
  QLabel* Label3 = nullptr;  // note on the view

 public slots:
  void FormShow();
  void OKBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;
};
