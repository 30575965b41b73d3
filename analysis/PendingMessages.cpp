#include "analysis/PendingMessages.h"

#include <algorithm>
#include <cstring>

#include "platform/MessageBox.h"

namespace {

constexpr int kCapacity = 16;
constexpr std::size_t kTextBytes = 512;
constexpr std::size_t kCaptionBytes = 128;

struct PendingMessage {
  char Text[kTextBytes];
  char Caption[kCaptionBytes];
  int Flags;
};

PendingMessage gQueue[kCapacity];
int gCount = 0;
bool gShowing = false;

// Copies at most capacity - 1 bytes, never cutting a UTF-8 sequence.
void CopyUtf8(char* dst, std::size_t capacity, std::string_view src) {
  std::size_t n = std::min(src.size(), capacity - 1);
  if (n < src.size()) {
    while (n > 0 && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80) --n;
  }
  std::memcpy(dst, src.data(), n);
  dst[n] = '\0';
}

bool Same(const PendingMessage& m, const PendingMessage& other) {
  return m.Flags == other.Flags && std::strcmp(m.Text, other.Text) == 0 &&
         std::strcmp(m.Caption, other.Caption) == 0;
}

}  // namespace

void QueueMessage(std::string_view text, std::string_view caption, int flags) {
  PendingMessage message;
  CopyUtf8(message.Text, kTextBytes, text);
  CopyUtf8(message.Caption, kCaptionBytes, caption);
  message.Flags = flags;
  for (int i = 0; i < gCount; ++i) {
    if (Same(gQueue[i], message)) return;
  }
  if (gCount == kCapacity) return;
  gQueue[gCount++] = message;
}

void ShowPendingMessages() {
  // A box runs its own event loop; a paint inside it must not open a second box.
  if (gShowing) return;
  gShowing = true;
  while (gCount > 0) {
    const PendingMessage message = gQueue[0];
    std::copy(gQueue + 1, gQueue + gCount, gQueue);
    --gCount;
    MessageBox(message.Text, message.Caption, message.Flags);
  }
  gShowing = false;
}

int PendingMessageCount() { return gCount; }
