#include "platform/MessageBox.h"

#include <atomic>
#include <cstdio>

MessageBoxPort::~MessageBoxPort() = default;

namespace {

class StderrMessageBox final : public MessageBoxPort {
 public:
  int Show(std::string_view text, std::string_view caption, int flags) override {
    std::fprintf(stderr, "[%.*s]\n%.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
    std::fflush(stderr);
    return DefaultMessageBoxAnswer(flags);
  }
};

StderrMessageBox g_defaultPort;
std::atomic<MessageBoxPort*> g_port{nullptr};

}  // namespace

int DefaultMessageBoxAnswer(int flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_YESNO:
      return IDNO;
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

int SilentMessageBox::Show(std::string_view, std::string_view, int flags) {
  return DefaultMessageBoxAnswer(flags);
}

void SetMessageBoxPort(MessageBoxPort* port) { g_port.store(port); }

MessageBoxPort* GetMessageBoxPort() {
  MessageBoxPort* port = g_port.load();
  return port ? port : &g_defaultPort;
}

int MessageBox(std::string_view text, std::string_view caption, int flags) {
  return GetMessageBoxPort()->Show(text, caption, flags);
}
