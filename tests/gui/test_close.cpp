// Closing the main window: no question without unsaved edits; with them the
// question with flags 35, where Cancel, a cancelled save dialog or a save
// that fails keep the window open.
#include <QTemporaryDir>

#include "GuiFixture.h"
#include "files/ProjectFile.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "platform/FileAccess.h"
#include "platform/qt/InstanceLock.h"

namespace {

class CloseTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
  }
  static bool LockHeld() {
    InstanceLock probe;
    return probe.HeldElsewhere();
  }
};

TEST_F(CloseTest, AnUnmodifiedProjectClosesWithoutAQuestion) {
  EXPECT_TRUE(QuilmoraForm->close());
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_FALSE(LockHeld());
}

TEST_F(CloseTest, UnsavedEditsAreAskedAbout) {
  const struct {
    int answer;
    std::optional<std::string> savePath;  // answer of the save dialog, when asked
    bool closes;
  } cases[] = {
      {IDCANCEL, std::nullopt, false},
      {IDYES, std::nullopt, false},                          // save dialog cancelled
      {IDYES, std::string("/nonexistent/plan.tyc"), false},  // the save fails: reported, window stays
      {IDNO, std::nullopt, true},
  };
  for (const auto& c : cases) {
    ModifiedFlag = 1;
    const std::size_t calls = boxes.Calls().size();
    boxes.Expect("終了", c.answer);
    const bool asksSave = c.answer == IDYES;
    if (asksSave) files.Answer(c.savePath);
    if (c.savePath) boxes.Expect("保存エラー", IDOK);
    EXPECT_EQ(QuilmoraForm->close(), c.closes) << c.answer;
    EXPECT_EQ(QuilmoraForm->isVisible(), !c.closes);
    EXPECT_EQ(LockHeld(), !c.closes);
    const auto& question = boxes.Calls().at(calls);
    EXPECT_EQ(question.text,
              "保存してから終了しますか？\n\n保存して終了　　　はい\n\n保存しないで終了　いいえ\n\n終了しない"
              "　　　　キャンセル");
    EXPECT_EQ(question.flags, 35);
    if (c.savePath) {
      EXPECT_EQ(boxes.Calls().back().flags, 16);
    }
  }
  ASSERT_EQ(files.Requests().size(), 2u);
  EXPECT_TRUE(files.Requests()[0].Save);
  EXPECT_EQ(files.Requests()[0].FileName, "");  // untitled
  EXPECT_EQ(files.Requests()[0].DefaultSuffix, "tyc");
  EXPECT_EQ(boxes.Pending(), 0u);
}

TEST_F(CloseTest, TheSaveDialogStartsFromTheProjectsPath) {
  CurrentFilePath = "/tmp/家.tyc";
  ModifiedFlag = 1;
  boxes.Expect("終了", IDYES);
  files.Answer(std::nullopt);
  EXPECT_FALSE(QuilmoraForm->close());
  EXPECT_EQ(files.Requests().at(0).FileName, "/tmp/家.tyc");
}

TEST_F(CloseTest, YesSavesTheProjectKeepingTheReplacedFileAsBackup) {
  QTemporaryDir folder;
  const std::string path = folder.filePath(QStringLiteral("家.tyc")).toStdString();
  const std::string backup = folder.filePath(QStringLiteral("家.BAK")).toStdString();
  ASSERT_TRUE(WriteWholeFile(path, "old", 3, nullptr));
  WallCount[0][0] = 1;
  Walls[0][0][0] = WallRecord{};
  Walls[0][0][0].X1 = 90, Walls[0][0][0].Y1 = 90, Walls[0][0][0].X2 = 92, Walls[0][0][0].Y2 = 90;
  ModifiedFlag = 1;
  boxes.Expect("終了", IDYES);
  files.Answer(path);
  EXPECT_TRUE(QuilmoraForm->close());
  EXPECT_EQ(CurrentFilePath, path);
  std::vector<unsigned char> saved, kept;
  ASSERT_TRUE(ReadWholeFile(path, saved, nullptr));
  EXPECT_EQ(saved, WriteProjectFile());
  ASSERT_TRUE(ReadWholeFile(backup, kept, nullptr));
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "old");
}

}  // namespace
