// Messages raised inside the recalculation wait in a fixed queue until the GUI
// shows them: each distinct message once, in the order raised, and a box that
// lets a repaint run must not show the queue twice or lose what it raises.
#include <gtest/gtest.h>

#include <string>

#include "ModelFixture.h"
#include "analysis/PendingMessages.h"

namespace {

class PendingMessagesTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    ClearPendingMessages();
  }
};

TEST_F(PendingMessagesTest, EachDistinctMessageIsQueuedOnce) {
  QueueMessage("建物階高を入力して下さい。", "建物階高", 64);
  QueueMessage("建物階高を入力して下さい。", "建物階高", 64);
  QueueMessage("建物階高を入力して下さい。", "建物階高", 16);  // other flags: another message
  QueueMessage("other", "建物階高", 64);
  ASSERT_EQ(PendingMessageCount(), 3);
  EXPECT_STREQ(PendingMessageAt(0).Text, "建物階高を入力して下さい。");
  EXPECT_STREQ(PendingMessageAt(0).Caption, "建物階高");
  EXPECT_EQ(PendingMessageAt(0).Flags, 64);
  EXPECT_EQ(PendingMessageAt(1).Flags, 16);
  EXPECT_STREQ(PendingMessageAt(2).Text, "other");
}

TEST_F(PendingMessagesTest, ShowForwardsInOrderAndEmptiesTheQueue) {
  QueueMessage("first", "A", 64);
  QueueMessage("second", "B", 32);
  boxes.Expect("A", IDOK).Expect("B", IDOK);
  ShowPendingMessages();
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(boxes.Calls()[0].text, "first");
  EXPECT_EQ(boxes.Calls()[0].flags, 64);
  EXPECT_EQ(boxes.Calls()[1].text, "second");
  EXPECT_EQ(PendingMessageCount(), 0);
  ShowPendingMessages();  // nothing left: no box
  EXPECT_EQ(boxes.Calls().size(), 2u);
}

TEST_F(PendingMessagesTest, MessagesRaisedWhileABoxIsOpenWaitForTheNextShow) {
  // A box whose modal loop repaints: the repaint raises a message and asks to show again.
  class RepaintingBox : public MessageBoxPort {
   public:
    int Show(std::string_view text, std::string_view, int) override {
      shown += std::string(text) + ";";
      if (text == "first") {
        QueueMessage("raised during the box", "C", 64);
        ShowPendingMessages();
      }
      return IDOK;
    }
    std::string shown;
  } box;
  ScopedMessageBoxPort port(&box);
  QueueMessage("first", "A", 64);
  QueueMessage("second", "B", 64);
  ShowPendingMessages();
  EXPECT_EQ(box.shown, "first;second;");
  ASSERT_EQ(PendingMessageCount(), 1);
  EXPECT_STREQ(PendingMessageAt(0).Text, "raised during the box");
  ShowPendingMessages();
  EXPECT_EQ(box.shown, "first;second;raised during the box;");
}

TEST_F(PendingMessagesTest, StorageIsFixed) {
  for (int i = 0; i < PendingMessageCapacity + 3; ++i) QueueMessage(std::to_string(i), "", 64);
  ASSERT_EQ(PendingMessageCount(), PendingMessageCapacity);  // the newest are dropped
  EXPECT_STREQ(PendingMessageAt(PendingMessageCapacity - 1).Text,
               std::to_string(PendingMessageCapacity - 1).c_str());

  // A text longer than its buffer is cut before a whole character, never inside one.
  ClearPendingMessages();
  std::string longText(PendingMessageTextCapacity - 2, 'x');
  longText += "階";  // 3 bytes of UTF-8 that straddle the end of the buffer
  QueueMessage(longText, "建物階高", 64);
  EXPECT_EQ(std::string(PendingMessageAt(0).Text), std::string(PendingMessageTextCapacity - 2, 'x'));
  // Two texts that differ only beyond the cut are the same message once cut.
  QueueMessage(longText + "more", "建物階高", 64);
  EXPECT_EQ(PendingMessageCount(), 1);
}

}  // namespace
