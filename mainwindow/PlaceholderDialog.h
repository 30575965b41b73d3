#pragma once
// A form whose content comes with its own feature: its caption and an OK button.
#include <QDialog>

class QPushButton;

class TPlaceholderDlg : public QDialog {
  Q_OBJECT

 public:
  TPlaceholderDlg(const char* formClass, const char* instanceName, const QString& caption, QWidget* parent);

  QPushButton* OKBtn = nullptr;
};
