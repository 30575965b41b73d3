#pragma once
// The about box: the program's name and an OK button.
#include "mainwindow/FormKit.h"

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent);

  QPushButton* Button1 = nullptr;
};
