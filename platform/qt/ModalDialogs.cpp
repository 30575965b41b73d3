#include "platform/qt/ModalDialogs.h"

#include <QAbstractButton>
#include <QDialog>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {
ModalDialogPort* gPort = nullptr;
}

ModalDialogPort::~ModalDialogPort() = default;

void SetModalDialogPort(ModalDialogPort* port) { gPort = port; }

int RunModal(QDialog& dialog) {
  if (gPort) return gPort->Run(dialog);
  return dialog.exec();
}

ScriptedModalDialogs::ScriptedModalDialogs()
    : OnUnexpected([](const std::string& what) {
        std::fprintf(stderr, "%s\n", what.c_str());
        std::abort();
      }),
      previous_(gPort) {
  SetModalDialogPort(this);
}

ScriptedModalDialogs::~ScriptedModalDialogs() { SetModalDialogPort(previous_); }

ScriptedModalDialogs& ScriptedModalDialogs::Expect(std::string objectName, Action action) {
  script_.push_back({std::move(objectName), std::move(action)});
  return *this;
}

int ScriptedModalDialogs::Run(QDialog& dialog) {
  const std::string name = dialog.objectName().toStdString();
  shown_.push_back(name);
  if (script_.empty() || script_.front().objectName != name) {
    OnUnexpected("Unexpected modal dialog \"" + name + "\"" +
                 (script_.empty() ? std::string(" (none expected)")
                                  : " (expected \"" + script_.front().objectName + "\")"));
    return QDialog::Rejected;
  }
  Action action = std::move(script_.front().action);
  script_.pop_front();
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  if (action) action(dialog);
  // A dialog that the action left open is closed as if by Esc being ignored:
  // it simply goes away with the result it has.
  if (dialog.isVisible()) dialog.hide();
  return dialog.result();
}

ScriptedModalDialogs::Action ClickButton(const char* objectName) {
  const std::string name = objectName;
  return [name](QDialog& dialog) {
    auto* button = dialog.findChild<QAbstractButton*>(QString::fromStdString(name));
    if (!button) {
      std::fprintf(stderr, "dialog \"%s\" has no button \"%s\"\n", dialog.objectName().toUtf8().constData(),
                   name.c_str());
      std::abort();
    }
    button->click();
  };
}

ScriptedModalDialogs::Action CloseBox() {
  return [](QDialog& dialog) { dialog.close(); };
}
