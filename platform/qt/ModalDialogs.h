#pragma once
// Every modal dialog of the program runs through RunModal(), so that a test
// can script it instead of waiting for a user.
#include <deque>
#include <functional>
#include <string>

class QDialog;

class ModalDialogPort {
 public:
  virtual ~ModalDialogPort();
  // Shows dialog modally and returns its result code.
  virtual int Run(QDialog& dialog) = 0;
};

// Installs port; nullptr restores QDialog::exec().
void SetModalDialogPort(ModalDialogPort* port);

int RunModal(QDialog& dialog);

// A port for tests: each dialog must be the next one expected (by object
// name); its action plays the user (sets widgets, clicks buttons, closes it)
// while the dialog is shown, and the dialog's result is returned.
class ScriptedModalDialogs : public ModalDialogPort {
 public:
  using Action = std::function<void(QDialog&)>;

  ScriptedModalDialogs();
  ~ScriptedModalDialogs() override;

  ScriptedModalDialogs& Expect(std::string objectName, Action action);

  int Run(QDialog& dialog) override;

  // Object names of the dialogs run so far, in order.
  const std::deque<std::string>& Shown() const { return shown_; }
  std::size_t Pending() const { return script_.size(); }

  // Called for a dialog that was not expected; it is rejected. Default: abort.
  std::function<void(const std::string&)> OnUnexpected;

 private:
  struct Expected {
    std::string objectName;
    Action action;
  };
  std::deque<Expected> script_;
  std::deque<std::string> shown_;
  ModalDialogPort* previous_ = nullptr;
};

// Actions for scripts.
// Clicks the button with that object name.
ScriptedModalDialogs::Action ClickButton(const char* objectName);
// Presses the title bar's close box.
ScriptedModalDialogs::Action CloseBox();
