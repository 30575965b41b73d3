#include "analysis/PendingMessages.h"

#include <cstring>

#include "platform/MessageBox.h"

namespace {

PendingMessage Queue[PendingMessageCapacity];
int32_t QueueCount = 0;
bool Showing = false;

// Copies text into buffer, cut at a UTF-8 character boundary when it does not fit.
void CopyText(char* buffer, int capacity, std::string_view text) {
  std::size_t n = text.size();
  if (n > static_cast<std::size_t>(capacity - 1)) {
    n = capacity - 1;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  }
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

}  // namespace

void QueueMessage(std::string_view text, std::string_view caption, int32_t flags) {
  PendingMessage message;
  CopyText(message.Text, PendingMessageTextCapacity, text);
  CopyText(message.Caption, PendingMessageCaptionCapacity, caption);
  message.Flags = flags;
  for (int32_t i = 0; i < QueueCount; ++i) {
    const PendingMessage& queued = Queue[i];
    if (queued.Flags == flags && std::strcmp(queued.Text, message.Text) == 0 &&
        std::strcmp(queued.Caption, message.Caption) == 0)
      return;
  }
  if (QueueCount < PendingMessageCapacity) Queue[QueueCount++] = message;
}

int32_t PendingMessageCount() { return QueueCount; }

const PendingMessage& PendingMessageAt(int32_t index) { return Queue[index]; }

void ShowPendingMessages() {
  if (Showing) return;
  // Take the messages out first: a box may let a repaint run, which queues anew.
  PendingMessage shown[PendingMessageCapacity];
  const int32_t count = QueueCount;
  for (int32_t i = 0; i < count; ++i) shown[i] = Queue[i];
  QueueCount = 0;
  Showing = true;
  for (int32_t i = 0; i < count; ++i) MessageBox(shown[i].Text, shown[i].Caption, shown[i].Flags);
  Showing = false;
}

void ClearPendingMessages() { QueueCount = 0; }
