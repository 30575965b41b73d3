#pragma once
// The free-line mode's forms: the palette (自由線の設定) with the style, the
// colour and the offset switch of the next lines, and the dialog (自由線　位置
// の調整) that asks for the four offsets of a line while the switch is on. The
// dialog installs itself as the free-line input's offsets dialog.
#include "mainwindow/FormKit.h"
#include "mainwindow/ToolPalette.h"

class TDsenDlg : public TToolPalette {
  Q_OBJECT

 public:
  explicit TDsenDlg(QWidget* parent);

  QComboBox* Cshurui = nullptr;  // 線の種類, by FreeLinePaletteStyle
  QLabel* sencolor = nullptr;    // a sample of FreeLinePaletteColour
  QPushButton* Bcolor = nullptr;
  QCheckBox* Csenoff = nullptr;  // FreeLineOffsetSwitch

  void Refresh() override { FormShow(); }

 public slots:
  void FormShow();
  void CshuruiChange(int index);
  void BcolorClick();
  void CsenoffClick(bool checked);

 protected:
  void showEvent(QShowEvent* event) override;
};

class TDsenoffDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  explicit TDsenoffDlg(QWidget* parent);
  ~TDsenoffDlg() override;

  QComboBox *Cox1 = nullptr, *Coy1 = nullptr, *Cox2 = nullptr, *Coy2 = nullptr;
  QCheckBox* Coffflag = nullptr;  // FreeLineKeepOffsets

 public slots:
  // Writes the offsets of the next line into the combos (the Y offsets as
  // the user sees them, growing upward).
  void FormPaint();

 protected:
  void showEvent(QShowEvent* event) override;
};
