#pragma once
// The controls that the roof/floor palette (屋根床等の設定) and the roof/floor
// change dialog (屋根床等の変更) share, under the same names and captions:
// area kind, outside-the-outer-walls flag, slope, live and added loads,
// input shape, weight class with the individual dead load, and the note on
// the maximum rectangle.
#include <QObject>
#include <functional>

#include "mainwindow/FormKit.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;
class QWidget;

struct RoofFloorControls {
  QLabel* Label1 = nullptr;  // 種類
  QComboBox* Cshiyou = nullptr;
  QCheckBox* Cgaishu = nullptr;
  QLabel* Label2 = nullptr;  // 勾配
  QComboBox* Ckoubai = nullptr;
  QLabel *Label6 = nullptr, *Label7 = nullptr;  // 積載荷重, N/㎡
  QLineEdit* Ekaju = nullptr;
  QLabel *Label8 = nullptr, *Label9 = nullptr;  // 追加荷重, N/㎡
  QLineEdit* Etsuika = nullptr;
  QGroupBox* GroupBox1 = nullptr;  // 入力形状
  RadioRow Shapes;                 // by TriangleInput
  QRadioButton *Rkukei = nullptr, *Rsankaku = nullptr;
  QGroupBox* GroupBox2 = nullptr;  // 重さ（固定荷重）
  RadioRow Weights;                // by weight class 0 軽い, 1 重い, 2 非常に重い, 3 個別
  QRadioButton *Romosa1 = nullptr, *Romosa2 = nullptr, *Romosa3 = nullptr, *Romosa0 = nullptr;
  QLineEdit* Eomosa = nullptr;
  QLabel* chuui = nullptr;
};

// Creates the controls on form and lays them out in layout; 軽い and 矩形
// start checked, the loads at "0", the slope at "0.0", the note red
// "最大矩形未入力".
RoofFloorControls NewRoofFloorControls(QWidget* form, QVBoxLayout* layout);

// The note on the maximum rectangle of the current storey: black
// "最大矩形入力済" when one is entered, else red "最大矩形未入力".
void ShowMaxRectangleNote(QLabel* chuui);

// The weight class (0..3) of a weight radio of WeightRadioOfCode (0 個別,
// 1 軽い, 2 重い, 3 非常に重い), 4 for none.
int WeightClassOfRadio(int radio);

// Runs onDoubleClick when the watched widget is double-clicked.
class DoubleClickFilter : public QObject {
 public:
  DoubleClickFilter(QWidget* watched, std::function<void()> onDoubleClick);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onDoubleClick_;
};
