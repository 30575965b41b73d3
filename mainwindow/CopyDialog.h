#pragma once
// The copy dialog (一括編集): copies storeys of another variant over the
// current one, swaps storeys between them, or clears the current storey's
// elements or its walls' bearing elements. The destination is always the
// variant that was current when the dialog opened.
#include "mainwindow/FormKit.h"

class TDcopyDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  explicit TDcopyDlg(QWidget* parent);

  QLabel* Label3 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QGroupBox* GroupBox3 = nullptr;  // 編集先
  RadioRow Destinations;           // by variant
  QRadioButton *Rd0 = nullptr, *Rd1 = nullptr, *Rd2 = nullptr;
  QGroupBox* GroupBox1 = nullptr;  // 編集方法
  QRadioButton *Rmc = nullptr, *Rmp = nullptr;
  QGroupBox* GroupBox2 = nullptr;  // 編集元
  RadioRow Sources;                // by variant
  QRadioButton *Rs0 = nullptr, *Rs1 = nullptr, *Rs2 = nullptr;
  QGroupBox* GroupBox4 = nullptr;  // 対象階
  QCheckBox *Ck3 = nullptr, *Ck2 = nullptr, *Ck1 = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr;
  QLabel* StaticText1 = nullptr;
  QPushButton* Bdelete = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* Byousodelete = nullptr;
  QLabel* Label5 = nullptr;

 public slots:
  void FormShow();
  void OKBtnClick();
  void BdeleteClick();
  void ByousodeleteClick();

 protected:
  void showEvent(QShowEvent* event) override;
};
