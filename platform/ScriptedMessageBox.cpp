#include "platform/ScriptedMessageBox.h"

#include <cstdio>
#include <cstdlib>

ScriptedMessageBox::ScriptedMessageBox()
    : OnUnexpected([](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
        std::fflush(stderr);
        std::abort();
      }) {}

ScriptedMessageBox& ScriptedMessageBox::Expect(int answer) {
  script_.push_back({std::nullopt, answer});
  return *this;
}

ScriptedMessageBox& ScriptedMessageBox::Expect(std::string_view captionMustEqual, int answer) {
  script_.push_back({std::string(captionMustEqual), answer});
  return *this;
}

int ScriptedMessageBox::Show(std::string_view text, std::string_view caption, int flags) {
  Call call{std::string(text), std::string(caption), flags, false};

  std::string problem;
  if (script_.empty()) {
    problem = "no more boxes expected";
  } else if (script_.front().caption && *script_.front().caption != caption) {
    problem = "expected caption \"" + *script_.front().caption + "\"";
  }

  if (problem.empty()) {
    const int answer = script_.front().answer;
    script_.pop_front();
    calls_.push_back(std::move(call));
    return answer;
  }

  call.unexpected = true;
  calls_.push_back(std::move(call));
  ++failures_;
  if (OnUnexpected) {
    OnUnexpected("Unexpected message box (" + problem + "): caption \"" + std::string(caption) +
                 "\", flags " + std::to_string(flags) + ", text \"" + std::string(text) + "\"");
  }
  return DefaultMessageBoxAnswer(flags);
}

ScopedMessageBoxPort::ScopedMessageBoxPort(MessageBoxPort* port) : previous_(GetMessageBoxPort()) {
  SetMessageBoxPort(port);
}

ScopedMessageBoxPort::~ScopedMessageBoxPort() { SetMessageBoxPort(previous_); }
