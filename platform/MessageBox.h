#pragma once

#include <string_view>

// Message boxes in the style of the Windows API. The core never talks to a
// toolkit: it calls MessageBox(), which forwards to the installed port. The
// GUI installs a Qt port; tests install a scripted one.

inline constexpr int MB_OK = 0x0;
inline constexpr int MB_OKCANCEL = 0x1;
inline constexpr int MB_YESNOCANCEL = 0x3;
inline constexpr int MB_YESNO = 0x4;
inline constexpr int MB_ICONHAND = 0x10;
inline constexpr int MB_ICONSTOP = 0x10;
inline constexpr int MB_ICONQUESTION = 0x20;
inline constexpr int MB_ICONEXCLAMATION = 0x30;
inline constexpr int MB_ICONINFORMATION = 0x40;

inline constexpr int MB_TYPEMASK = 0xF;
inline constexpr int MB_ICONMASK = 0xF0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class MessageBoxPort {
 public:
  virtual ~MessageBoxPort();
  // text and caption are UTF-8; returns one of IDOK, IDCANCEL, IDYES, IDNO.
  virtual int Show(std::string_view text, std::string_view caption, int flags) = 0;
};

// The answer given when nobody can be asked: the button that changes nothing
// (IDOK for MB_OK, IDCANCEL for MB_OKCANCEL and MB_YESNOCANCEL, IDNO for MB_YESNO).
int DefaultMessageBoxAnswer(int flags);

// A port that shows nothing and answers every box with DefaultMessageBoxAnswer.
class SilentMessageBox final : public MessageBoxPort {
 public:
  int Show(std::string_view text, std::string_view caption, int flags) override;
};

// Installs port; nullptr restores the default port, which writes the box to
// stderr and returns DefaultMessageBoxAnswer(flags) without waiting.
void SetMessageBoxPort(MessageBoxPort* port);

// The port in use; never null (the default port when none is installed).
MessageBoxPort* GetMessageBoxPort();

int MessageBox(std::string_view text, std::string_view caption, int flags);
