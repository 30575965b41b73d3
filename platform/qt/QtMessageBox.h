#pragma once

#include "platform/MessageBox.h"

class QWidget;

// Shows MessageBox() calls as modal QMessageBox dialogs.
class QtMessageBox : public MessageBoxPort {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr);

  int Show(std::string_view text, std::string_view caption, int flags) override;

 private:
  QWidget* parent_;
};
