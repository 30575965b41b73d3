#pragma once
// Messages raised while the plan is recomputed. A recalculation runs inside a
// paint, where no modal box may open; its steps queue their messages here and
// the main window shows them once the paint is over.
#include <string_view>

// Queues a message box (UTF-8 text and caption, Windows flags). The same
// message is queued at most once until the queue is shown; a queue that is
// full drops further messages.
void QueueMessage(std::string_view text, std::string_view caption, int flags);

// Shows every queued message through MessageBox(), oldest first, and empties
// the queue. Messages queued while a box is open are shown by the same call;
// a call made while a box is open returns at once.
void ShowPendingMessages();

// How many messages wait.
int PendingMessageCount();
