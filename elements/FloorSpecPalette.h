#pragma once
// The tool palette of the floor-specification mode (屋根床仕様の設定): the
// floor row and the horizontal-brace row of the next areas
// (FloorSpecPaletteSpec, FloorSpecPaletteBrace), the input shape
// (TriangleInput), and the legends of the colours that the plan shows for
// the floor check and the horizontal-member forces.
#include "mainwindow/FormKit.h"
#include "mainwindow/ToolPalette.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

class TDyukashiyouDlg : public TToolPalette {
  Q_OBJECT

 public:
  explicit TDyukashiyouDlg(QWidget* parent);

  QGroupBox* GroupBox1 = nullptr;  // 入力形状
  RadioRow Shapes;
  QRadioButton *Rkukei = nullptr, *Rsankaku = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr;  // 仕様, 火打ち
  QComboBox *Cshiyou = nullptr, *Chiuchi = nullptr;
  QGroupBox* GroupBox2 = nullptr;  // 床耐力の検証
  QGroupBox* GroupBox3 = nullptr;  // 横架材引抜力

  void Refresh() override;

 public slots:
  // The combos rebuilt from the live tables and set to the palette's rows.
  void FormShow();
  void RkukeiClick();
  void RsankakuClick();
  void CshiyouChange();
  void ChiuchiChange();

 protected:
  void showEvent(QShowEvent* event) override;
};
