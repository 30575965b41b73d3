// Messages raised during a recalculation wait for the end of the paint: each
// distinct one once, in order, and the queue is empty afterwards.
#include <gtest/gtest.h>

#include <string>

#include "analysis/PendingMessages.h"
#include "platform/ScriptedMessageBox.h"

namespace {

class PendingMessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  }
  ScriptedMessageBox boxes;
  ScopedMessageBoxPort port{&boxes};
};

TEST_F(PendingMessagesTest, EachDistinctMessageIsShownOnceInOrder) {
  QueueMessage("建物階高を入力して下さい。", "建物階高", 64);
  QueueMessage("other", "建物階高", 64);
  QueueMessage("建物階高を入力して下さい。", "建物階高", 64);
  QueueMessage("建物階高を入力して下さい。", "建物階高", 16);  // other flags: another message
  EXPECT_EQ(PendingMessageCount(), 3);
  boxes.Expect(IDOK).Expect(IDOK).Expect(IDOK);
  ShowPendingMessages();
  ASSERT_EQ(boxes.Calls().size(), 3u);
  EXPECT_EQ(boxes.Calls()[0].text, "建物階高を入力して下さい。");
  EXPECT_EQ(boxes.Calls()[0].caption, "建物階高");
  EXPECT_EQ(boxes.Calls()[1].text, "other");
  EXPECT_EQ(boxes.Calls()[2].flags, 16);
  EXPECT_EQ(PendingMessageCount(), 0);
  // The next recalculation may raise it again.
  QueueMessage("建物階高を入力して下さい。", "建物階高", 64);
  EXPECT_EQ(PendingMessageCount(), 1);
}

TEST_F(PendingMessagesTest, AFullQueueDropsFurtherMessages) {
  for (int i = 0; i < 40; ++i) QueueMessage("message " + std::to_string(i), "c", 64);
  const int kept = PendingMessageCount();
  EXPECT_GT(kept, 0);
  EXPECT_LT(kept, 40);
  for (int i = 0; i < kept; ++i) boxes.Expect(IDOK);
  ShowPendingMessages();
  EXPECT_EQ(boxes.Calls().front().text, "message 0");
  EXPECT_EQ(PendingMessageCount(), 0);
}

TEST_F(PendingMessagesTest, LongTextsAreCutOnACharacterBoundary) {
  std::string text;
  for (int i = 0; i < 400; ++i) text += "あ";  // 1200 bytes
  QueueMessage(text, "c", 64);
  boxes.Expect(IDOK);
  ShowPendingMessages();
  const std::string& shown = boxes.Calls().at(0).text;
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.size() % 3, 0u);
  EXPECT_EQ(text.compare(0, shown.size(), shown), 0);
}

// A box runs an event loop in which the plan may be recomputed: what that
// queues is shown by the same call, and a nested call opens no second box.
class ReentrantBox : public MessageBoxPort {
 public:
  int Show(std::string_view text, std::string_view, int) override {
    shown.emplace_back(text);
    if (shown.size() == 1) {
      QueueMessage("raised under the box", "c", 64);
      ShowPendingMessages();
      nestedShown = shown.size();
    }
    return IDOK;
  }
  std::vector<std::string> shown;
  std::size_t nestedShown = 0;
};

TEST(PendingMessages, MessagesRaisedWhileABoxIsOpenFollowIt) {
  ReentrantBox box;
  ScopedMessageBoxPort port(&box);
  QueueMessage("first", "c", 64);
  ShowPendingMessages();
  EXPECT_EQ(box.nestedShown, 1u);
  ASSERT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(box.shown[1], "raised under the box");
  EXPECT_EQ(PendingMessageCount(), 0);
}

}  // namespace
