#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/ScriptedMessageBox.h"

namespace {

// The flags the program passes, and what a box nobody answers must return.
TEST(MessageBoxDefaultAnswer, IsTheButtonThatChangesNothing) {
  const struct {
    int flags;
    int answer;
  } cases[] = {
      {MB_OK, IDOK},
      {MB_OKCANCEL, IDCANCEL},
      {16, IDOK},      // error
      {32, IDOK},      // question with OK only
      {35, IDCANCEL},  // question yes/no/cancel
      {36, IDNO},      // question yes/no
      {64, IDOK},      // information
      {68, IDNO},      // information yes/no
      {MB_YESNO | MB_ICONEXCLAMATION, IDNO},
  };
  for (const auto& c : cases) EXPECT_EQ(DefaultMessageBoxAnswer(c.flags), c.answer) << "flags " << c.flags;
}

TEST(MessageBoxDefaultPort, WritesCaptionAndTextToStderrAndAnswersWithoutWaiting) {
  SetMessageBoxPort(nullptr);
  const std::string text = "壁量が不足しています。\n\n保存しますか？";
  const std::string caption = "木造住宅診断";

  testing::internal::CaptureStderr();
  const int answer = MessageBox(text, caption, MB_YESNOCANCEL | MB_ICONQUESTION);
  const std::string written = testing::internal::GetCapturedStderr();

  EXPECT_EQ(answer, IDCANCEL);
  EXPECT_NE(written.find(caption), std::string::npos) << written;
  EXPECT_NE(written.find(text), std::string::npos) << written;
}

TEST(MessageBoxPortInstall, MessageBoxGoesToTheInstalledPortUntilReset) {
  ScriptedMessageBox script;
  script.OnUnexpected = [](const std::string& m) { ADD_FAILURE() << m; };
  script.Expect(IDYES);

  SetMessageBoxPort(&script);
  EXPECT_EQ(GetMessageBoxPort(), &script);
  EXPECT_EQ(MessageBox("text", "caption", MB_YESNO), IDYES);
  SetMessageBoxPort(nullptr);

  ASSERT_NE(GetMessageBoxPort(), nullptr);
  EXPECT_NE(GetMessageBoxPort(), &script);
  testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox("after reset", "caption", MB_YESNO), IDNO);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(script.Calls().size(), 1u);
}

TEST(ScopedMessageBoxPort, NestedGuardsRestoreInReverseOrder) {
  SetMessageBoxPort(nullptr);
  MessageBoxPort* const original = GetMessageBoxPort();
  ScriptedMessageBox outer;
  ScriptedMessageBox inner;
  {
    ScopedMessageBoxPort a(&outer);
    EXPECT_EQ(GetMessageBoxPort(), &outer);
    {
      ScopedMessageBoxPort b(&inner);
      EXPECT_EQ(GetMessageBoxPort(), &inner);
    }
    EXPECT_EQ(GetMessageBoxPort(), &outer);
  }
  EXPECT_EQ(GetMessageBoxPort(), original);
}

TEST(ScriptedMessageBox, AnswersInScriptOrderAndRecordsEachBoxVerbatim) {
  ScriptedMessageBox script;
  script.OnUnexpected = [](const std::string& m) { ADD_FAILURE() << m; };
  script.Expect(IDNO).Expect("確認", IDYES).Expect(IDCANCEL);
  ScopedMessageBoxPort guard(&script);
  EXPECT_EQ(script.Pending(), 3u);

  EXPECT_EQ(MessageBox("一つ目\n\n二行目", "注意", 36), IDNO);
  EXPECT_EQ(script.Pending(), 2u);
  EXPECT_EQ(MessageBox("二つ目", "確認", 68), IDYES);
  EXPECT_EQ(MessageBox("三つ目", "x", 35), IDCANCEL);
  EXPECT_EQ(script.Pending(), 0u);
  EXPECT_EQ(script.Failures(), 0u);

  const std::vector<ScriptedMessageBox::Call>& calls = script.Calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].text, "一つ目\n\n二行目");
  EXPECT_EQ(calls[0].caption, "注意");
  EXPECT_EQ(calls[0].flags, 36);
  EXPECT_EQ(calls[1].caption, "確認");
  EXPECT_EQ(calls[1].flags, 68);
  EXPECT_EQ(calls[2].text, "三つ目");
  for (const auto& call : calls) EXPECT_FALSE(call.unexpected);
}

TEST(ScriptedMessageBox, BoxBeyondTheScriptIsAFailureAnsweredLikeTheDefaultPort) {
  for (int flags : {16, 35, 36, 64, MB_OKCANCEL}) {
    ScriptedMessageBox script;
    std::vector<std::string> reports;
    script.OnUnexpected = [&](const std::string& m) { reports.push_back(m); };

    EXPECT_EQ(script.Show("予期しない", "題名", flags), DefaultMessageBoxAnswer(flags)) << flags;
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("題名"), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find("予期しない"), std::string::npos) << reports[0];
    EXPECT_EQ(script.Failures(), 1u);
    ASSERT_EQ(script.Calls().size(), 1u);
    EXPECT_TRUE(script.Calls()[0].unexpected);
  }
}

TEST(ScriptedMessageBox, WrongCaptionIsAFailureAndLeavesTheExpectationPending) {
  ScriptedMessageBox script;
  std::vector<std::string> reports;
  script.OnUnexpected = [&](const std::string& m) { reports.push_back(m); };
  script.Expect("保存", IDYES);

  EXPECT_EQ(script.Show("text", "削除", MB_YESNO | MB_ICONQUESTION), IDNO);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("保存"), std::string::npos) << reports[0];
  EXPECT_NE(reports[0].find("削除"), std::string::npos) << reports[0];
  EXPECT_EQ(script.Pending(), 1u);

  // The box that was expected still gets its scripted answer.
  EXPECT_EQ(script.Show("text", "保存", MB_YESNO | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(script.Pending(), 0u);
  EXPECT_EQ(reports.size(), 1u);
  EXPECT_EQ(script.Failures(), 1u);
}

TEST(ScriptedMessageBoxDeathTest, DefaultHandlerAbortsOnAnUnexpectedBox) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        ScriptedMessageBox script;
        script.Show("surprise", "caption", MB_OK);
      },
      "surprise");
}

}  // namespace
