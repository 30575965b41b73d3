#pragma once
// The about box: the program's name and version and the two feature switches of the
// project (壁量計算, 新耐震検証法). Its OK stores the switches, marking the
// project modified when one changes, and shows or hides their report menu
// items; the close box changes nothing.
#include "mainwindow/FormKit.h"

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent);

  QLabel* Version = nullptr;
  QCheckBox* Ckaberyou = nullptr;
  QCheckBox* Ckenshouhou = nullptr;
  QPushButton* Button1 = nullptr;

 public slots:
  void Button1Click();

 protected:
  void showEvent(QShowEvent* event) override;
};
