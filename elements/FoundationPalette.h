#pragma once
// The tool palette of the foundation mode (基礎の設定): the class of the next
// foundation segments.
#include "mainwindow/ToolPalette.h"

class QGroupBox;
class QRadioButton;

class TDkisoDlg : public TToolPalette {
  Q_OBJECT

 public:
  explicit TDkisoDlg(QWidget* parent);

  QGroupBox* GroupBox1 = nullptr;  // 基礎仕様
  QRadioButton* Rkiso1 = nullptr;
  QRadioButton* Rkiso2 = nullptr;
  QRadioButton* Rkiso3 = nullptr;

 public slots:
  // Checks the radio of FoundationPaletteType.
  void FormShow();
  void Rkiso1Click();
  void Rkiso2Click();
  void Rkiso3Click();

 protected:
  void showEvent(QShowEvent* event) override;
};
