#include <QApplication>
#include <QFont>
#include <QScreen>
#include <clocale>

#include "mainwindow/Forms.h"
#include "mainwindow/QuilmoraForm.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/Translations.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Numbers in texts and files are always written and read with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  // A Japanese face for every caption, so that no glyph goes missing.
  application.setFont(QFont(QStringLiteral("IPAPGothic"), 9));
  // Standard buttons and dialogs speak Japanese as the rest of the program.
  InstallJapaneseQtTranslations(application);

  QtMessageBox messageBox;
  SetMessageBoxPort(&messageBox);

  int result = 0;
  if (CreateForms(QCoreApplication::arguments())) {
    if (const QScreen* screen = application.primaryScreen())
      QuilmoraForm->setGeometry(screen->availableGeometry());
    QuilmoraForm->showMaximized();
    result = application.exec();
    DestroyForms();
  }
  SetMessageBoxPort(nullptr);
  return result;
}
