#pragma once
// The joint-hardware editor (柱頭・柱脚接合部金物の編集): the 30 rows of
// JointHardwareTable edited on a working copy that OK writes back, loaded
// from or saved to a joint-hardware data file. Rows 1 to 15 (the hardware of
// the diagnosis method) open only under 全ての金物.
#include <QDialog>

#include "mainwindow/FormKit.h"
#include "model/ElementTables.h"

class QLineEdit;
class QRadioButton;

extern JointHardwareRow EditedJointHardwareTable[JointHardwareTableRows];

class TsetsuDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  explicit TsetsuDlg(QWidget* parent);

  QWidget* Panel1 = nullptr;
  QLineEdit* Em[JointHardwareTableRows] = {};  // Em1..Em30: names
  QLineEdit* Ek[JointHardwareTableRows] = {};  // Ek1..Ek30: symbols
  QLineEdit* Et[JointHardwareTableRows] = {};  // Et1..Et30: Ta
  QRadioButton* Rsetsu0 = nullptr;
  QRadioButton* Rsetsu1 = nullptr;
  QPushButton* Bload = nullptr;
  QPushButton* Bsave = nullptr;

  void FillJointHardwareEdits();
  // False after a message when a tension is refused.
  bool ReadJointHardwareEdits();

 public slots:
  void FormShow();
  void Rsetsu0Click();
  void Rsetsu1Click();
  bool OKBtnClick();
  void BloadClick();
  void BsaveClick();

 protected:
  void showEvent(QShowEvent* event) override;
};
