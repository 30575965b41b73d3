#pragma once
// The main window. It shows the state that the core keeps in MainWindow and
// WindowTitle, and turns the user's clicks into core operations.
#include <QMainWindow>

#include "model/MainWindowPort.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

class TQuilmoraForm : public QMainWindow, public MainWindowPort {
  Q_OBJECT

 public:
  explicit TQuilmoraForm(QWidget* parent = nullptr);
  ~TQuilmoraForm() override;

  // MainWindowPort
  void MainWindowStateChanged() override;
  void ShowModeToolDialog() override;

  QRadioButton* Rgenkyou = nullptr;
  QRadioButton* Rkaishu1 = nullptr;
  QRadioButton* Rkaishu2 = nullptr;
  QRadioButton* R1kai = nullptr;
  QRadioButton* R2kai = nullptr;
  QRadioButton* R3kai = nullptr;
  QPushButton* Bmodoru = nullptr;
  QPushButton* Bsusumu = nullptr;
  QLabel* StaticText6 = nullptr;

 public slots:
  void BmodoruClick();
  void BsusumuClick();

 private:
  void FormCreate();
  void VariantClick(int variant);
  void StoreyClick(int storey);

  QButtonGroup* variantGroup_ = nullptr;
  QButtonGroup* storeyGroup_ = nullptr;
};

extern TQuilmoraForm* QuilmoraForm;
