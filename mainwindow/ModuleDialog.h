#pragma once
// The module change (モジュールの変更): a new module and what becomes of the
// intervals that are not one module wide; the grid is laid out again.
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TDmoduleDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TDmoduleDlg(QWidget* parent);

  QComboBox* Cmodule = nullptr;
  QLabel* Label1 = nullptr;  // モジュール寸法
  QLabel* Label2 = nullptr;  // note on intervals of the module's width
  QGroupBox* GroupBox1 = nullptr;
  QRadioButton* Rchokusetsu = nullptr;
  QRadioButton* Rhirei = nullptr;
  QRadioButton* Rnone = nullptr;
  QLabel* Label3 = nullptr;  // note on the view
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 public slots:
  void FormShow();
  void OKBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;
};
