#pragma once
// The tool palette of the grid mode (通り芯の設定): what a click on the plan
// does to the grid, the module and its change, and the left turn of the
// whole building.
#include "mainwindow/FormKit.h"
#include "mainwindow/ToolPalette.h"

class TDtoorishinnDlg : public TToolPalette {
  Q_OBJECT

 public:
  explicit TDtoorishinnDlg(QWidget* parent);

  RadioRow Modes;  // by GridEditMode
  QRadioButton* Ryadd = nullptr;
  QRadioButton* Rychange = nullptr;
  QRadioButton* Rxadd = nullptr;
  QRadioButton* Rxchange = nullptr;
  QRadioButton* Rdel = nullptr;
  QGroupBox* GroupBox1 = nullptr;  // モジュール
  QLabel* Lmodule = nullptr;
  QPushButton* Bikkatsu = nullptr;
  QGroupBox* GroupBox2 = nullptr;  // 建物回転
  QPushButton* Bkaiten = nullptr;

 public slots:
  void FormActivate() override;
  void BikkatsuClick();
  void BkaitenClick();

 private:
  void ShowModule();
};
