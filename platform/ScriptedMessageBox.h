#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"

// A message box port for tests: answers from a script of expected boxes and
// records every box shown.
class ScriptedMessageBox : public MessageBoxPort {
 public:
  struct Call {
    std::string text;
    std::string caption;
    int flags = 0;
    bool unexpected = false;
  };

  ScriptedMessageBox();

  // The next box is answered with answer, whatever its caption.
  ScriptedMessageBox& Expect(int answer);
  // The next box must have this caption; it is answered with answer.
  ScriptedMessageBox& Expect(std::string_view captionMustEqual, int answer);

  int Show(std::string_view text, std::string_view caption, int flags) override;

  const std::vector<Call>& Calls() const { return calls_; }
  // Boxes expected but not shown yet.
  std::size_t Pending() const { return script_.size(); }
  std::size_t Failures() const { return failures_; }

  // Called with a description of each box that the script did not expect
  // (script empty or caption different). Such a box is not taken from the
  // script and gets DefaultMessageBoxAnswer(flags). The default handler
  // prints the description and aborts; tests usually put ADD_FAILURE here.
  std::function<void(const std::string&)> OnUnexpected;

 private:
  struct Expected {
    std::optional<std::string> caption;
    int answer;
  };

  std::deque<Expected> script_;
  std::vector<Call> calls_;
  std::size_t failures_ = 0;
};

// Installs a port for the lifetime of the guard and then puts back the one
// that was installed before.
class ScopedMessageBoxPort {
 public:
  explicit ScopedMessageBoxPort(MessageBoxPort* port);
  ~ScopedMessageBoxPort();
  ScopedMessageBoxPort(const ScopedMessageBoxPort&) = delete;
  ScopedMessageBoxPort& operator=(const ScopedMessageBoxPort&) = delete;

 private:
  MessageBoxPort* previous_;
};
