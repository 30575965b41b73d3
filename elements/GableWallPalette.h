#pragma once
// The tool palette of the gable mode (矢切壁の設定): weight class and weight,
// shape, roof slope and height of the next gable walls.
#include "mainwindow/FormKit.h"
#include "mainwindow/ToolPalette.h"

class TDyagiriDlg : public TToolPalette {
  Q_OBJECT

 public:
  explicit TDyagiriDlg(QWidget* parent);

  QGroupBox* GroupBox1 = nullptr;  // 矢切壁の重さ
  RadioRow Weights;                // by GablePalette.WeightClass
  QRadioButton *Romosa1 = nullptr, *Romosa2 = nullptr, *Romosa0 = nullptr;
  QComboBox* Comosa = nullptr;
  QGroupBox* GroupBox2 = nullptr;  // 形状
  RadioRow Shapes;                 // by GablePalette.Shape
  QRadioButton *Rkata = nullptr, *Rryou = nullptr, *Rpara = nullptr;
  QComboBox *Ckoubai = nullptr, *Ctakasa = nullptr;

 public slots:
  // Puts the controls in line with GablePalette.
  void FormPaint();
  void ComosaChange();
  void CkoubaiChange();
  void CtakasaChange();

 protected:
  void showEvent(QShowEvent* event) override;
};
