#pragma once
// The outline dialog ("概要"), the editor of the project settings. While an
// outline confirmation is pending (start-up, File > New, File > Open) it can
// only be left with its OK button.
#include "mainwindow/FormKit.h"

class TgaiyouDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TgaiyouDlg(QWidget* parent);

  QPushButton* OKBtn = nullptr;

 public slots:
  void OKBtnClick();
  // Esc and the close box end here.
  void reject() override;
};
