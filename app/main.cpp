#include <QApplication>
#include <clocale>

#include "mainwindow/QuilmoraForm.h"
#include "platform/qt/QtMessageBox.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Numbers in texts and files are always written and read with a decimal point.
  std::setlocale(LC_NUMERIC, "C");

  QtMessageBox messageBox;
  SetMessageBoxPort(&messageBox);

  TQuilmoraForm form;
  form.showMaximized();
  const int result = application.exec();
  SetMessageBoxPort(nullptr);
  return result;
}
