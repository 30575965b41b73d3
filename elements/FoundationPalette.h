#pragma once
// The tool palette of the foundation mode (基礎の設定): the class of the next
// foundation segments.
#include "mainwindow/FormKit.h"
#include "mainwindow/ToolPalette.h"

class TDkisoDlg : public TToolPalette {
  Q_OBJECT

 public:
  explicit TDkisoDlg(QWidget* parent);

  QGroupBox* GroupBox1 = nullptr;  // 基礎仕様
  RadioRow Classes;                // by FoundationPaletteType
  QRadioButton* Rkiso1 = nullptr;
  QRadioButton* Rkiso2 = nullptr;
  QRadioButton* Rkiso3 = nullptr;

 public slots:
  // Checks the radio of FoundationPaletteType.
  void FormShow();

 protected:
  void showEvent(QShowEvent* event) override;
};
