#pragma once
// Messages raised inside the recalculation. The recalculation runs inside a
// paint, where no modal box may open, so it queues its messages here and the
// GUI shows them after the paint with ShowPendingMessages().
//
// A message that is already queued (same text, caption and flags) is not
// queued again, so each distinct message is shown at most once per
// recalculation however often a step raises it. Storage is fixed: texts
// longer than their buffers are cut at a character boundary, and messages
// beyond PendingMessageCapacity are dropped.
#include <cstdint>
#include <string_view>

constexpr int PendingMessageCapacity = 8;
constexpr int PendingMessageTextCapacity = 256;    // bytes of UTF-8, with the NUL
constexpr int PendingMessageCaptionCapacity = 64;  // bytes of UTF-8, with the NUL

struct PendingMessage {
  char Text[PendingMessageTextCapacity];
  char Caption[PendingMessageCaptionCapacity];
  int32_t Flags;  // Windows message box flags
};

// text and caption are UTF-8.
void QueueMessage(std::string_view text, std::string_view caption, int32_t flags);

int32_t PendingMessageCount();
const PendingMessage& PendingMessageAt(int32_t index);  // 0 .. PendingMessageCount() - 1

// Shows the queued messages in the order they were raised through MessageBox()
// and empties the queue. Messages raised while a box is open (a repaint
// behind it) stay queued for the next call.
void ShowPendingMessages();

void ClearPendingMessages();
