#pragma once
// The tool palette of the column mode (柱の設定): the kind, outer-corner
// setting, joint hardware, deterioration, species and sections of the next
// new column. Every choice goes into NewColumnDefaults at once; the column
// input reads it there.
#include "elements/ColumnControls.h"
#include "mainwindow/ToolPalette.h"

class TDhashiraDlg : public TToolPalette, public ColumnSettingControls {
  Q_OBJECT

 public:
  explicit TDhashiraDlg(QWidget* parent);

  QGroupBox* Gshurui = nullptr;
  RadioRow Kind;  // by NewColumnDefaults.Type
  QRadioButton* Rkuda = nullptr;
  QRadioButton* Rtoushi = nullptr;
  QRadioButton* Rtoushi2 = nullptr;

  // Puts the kind radios in line with NewColumnDefaults (the main window
  // resets the kind to 管柱 whenever it shows a palette).
  void Refresh() override;

 public slots:
  void FormActivate() override;
  void BsetsuClick();

 private:
  void ReadControls();
};
