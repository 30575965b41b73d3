// Saving never loses the last good copy, and opening reads only what can be
// a project: failures injected at every step of a save (a disk that fills
// up, a failed flush or rename) leave the file and its backup byte for byte
// as they were, also after a second failed save; a read-only file is
// refused; a symbolic link survives; a FIFO, /dev/zero and a huge file are
// refused at once.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "editing/ProjectLoad.h"
#include "files/ProjectFile.h"
#include "model/FileState.h"
#include "platform/FileAccess.h"

namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const fs::path& p, std::string_view content) {
  std::ofstream out(p, std::ios::binary);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The injected failure: at which step, after how many bytes of a write.
SaveStep failingStep = SaveStep::Write;
std::size_t failAfterBytes = 0;
int FailingHook(SaveStep step, std::size_t written) {
  if (step != failingStep) return 0;
  if (step == SaveStep::Write && written < failAfterBytes) return 0;
  return step == SaveStep::Write ? ENOSPC : EIO;
}

class SaveTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    std::string pattern = (fs::temp_directory_path() / "quilmora-save-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    SetSaveFailureHookForTests(nullptr);
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
    ModelTest::TearDown();
  }
  fs::path dir_;
};

// A project big enough that its bytes are written in several blocks (every
// column list full of 管柱 at the origin).
void MakeProject() {
  testmodel::SetList(0, 0, {WallRecord{0, 1, 1, 5, 1}});
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st) {
      ColumnCount[v][st] = MaxColumnsPerStorey;
      for (ColumnRecord& r : Columns[v][st]) r.Type = 1;
    }
}

TEST_F(SaveTest, AFailedSaveAtAnyStepLeavesTheFileAndItsBackupAsTheyWere) {
  MakeProject();
  const std::size_t size = WriteProjectFile().size();
  ASSERT_GT(size, std::size_t{1} << 17);
  const struct {
    const char* what;
    SaveStep step;
    std::size_t afterBytes;
  } cases[] = {
      {"disk full at once", SaveStep::Write, 0},
      {"disk full after the first block", SaveStep::Write, 1},
      {"disk full halfway", SaveStep::Write, size / 2},
      {"flush to disk", SaveStep::Sync, 0},
      {"second name of the previous version", SaveStep::Backup, 0},
      {"rename into place", SaveStep::Rename, 0},
      {"backup rename", SaveStep::BackupRename, 0},
  };
  const fs::path file = dir_ / "家.tyc";
  const fs::path backup = dir_ / "家.BAK";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Put(file, "previous version");
    Put(backup, "older backup");
    failingStep = c.step;
    failAfterBytes = c.afterBytes;
    SetSaveFailureHookForTests(FailingHook);
    for (int attempt = 1; attempt <= 2; ++attempt) {
      std::string reason;
      EXPECT_FALSE(SaveProjectFileWithBackup(file.string(), &reason)) << attempt;
      EXPECT_FALSE(reason.empty());
      EXPECT_TRUE(Contents(file) == "previous version") << attempt;
      EXPECT_TRUE(Contents(backup) == "older backup") << attempt;
      EXPECT_EQ(Names(dir_), (std::vector<std::string>{"家.BAK", "家.tyc"})) << "a temporary file was left";
    }
    SetSaveFailureHookForTests(nullptr);
  }
  // The reason of a full disk is the system's own.
  failingStep = SaveStep::Write;
  failAfterBytes = 1;
  SetSaveFailureHookForTests(FailingHook);
  std::string reason;
  EXPECT_FALSE(SaveProjectFileWithBackup(file.string(), &reason));
  EXPECT_EQ(reason, std::strerror(ENOSPC));
}

TEST_F(SaveTest, SuccessfulSavesKeepThePreviousVersionAsTheBackup) {
  const fs::path file = dir_ / "plan.tyc";
  std::string reason;
  ASSERT_TRUE(SaveProjectFileWithBackup(file.string(), &reason)) << reason;
  const std::string first = Contents(file);
  EXPECT_EQ(first.substr(0, 3), "ytc");
  EXPECT_FALSE(fs::exists(dir_ / "plan.BAK"));

  MakeProject();
  ASSERT_TRUE(SaveProjectFileWithBackup(file.string(), &reason)) << reason;
  const std::vector<unsigned char> bytes = WriteProjectFile();
  EXPECT_EQ(Contents(file), std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(Contents(dir_ / "plan.BAK"), first);
  EXPECT_EQ(Names(dir_), (std::vector<std::string>{"plan.BAK", "plan.tyc"}));
}

// Save As onto the backup's own name used to delete it and then fail.
TEST_F(SaveTest, SavingOntoTheBackupsOwnNameReplacesIt) {
  const fs::path backup = dir_ / "plan.BAK";
  Put(backup, "old backup");
  std::string reason;
  ASSERT_TRUE(SaveProjectFileWithBackup(backup.string(), &reason)) << reason;
  EXPECT_EQ(Contents(backup).substr(0, 3), "ytc");
  EXPECT_EQ(Names(dir_), std::vector<std::string>{"plan.BAK"});
}

TEST_F(SaveTest, AReadOnlyFileIsRefusedNotReplaced) {
  const fs::path file = dir_ / "plan.tyc";
  Put(file, "protected");
  Put(dir_ / "plan.BAK", "older backup");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  std::string reason;
  EXPECT_FALSE(SaveProjectFileWithBackup(file.string(), &reason));
  EXPECT_EQ(reason, std::strerror(EACCES));
  EXPECT_EQ(Contents(file), "protected");
  EXPECT_EQ(Contents(dir_ / "plan.BAK"), "older backup");
}

TEST_F(SaveTest, ASymbolicLinkKeepsPointingAtItsTargetWhichIsReplaced) {
  fs::create_directory(dir_ / "real");
  const fs::path target = dir_ / "real" / "plan.tyc";
  const fs::path link = dir_ / "plan.tyc";
  Put(target, "previous version");
  fs::create_symlink("real/plan.tyc", link);
  std::string reason;
  ASSERT_TRUE(SaveProjectFileWithBackup(link.string(), &reason)) << reason;
  ASSERT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::read_symlink(link), fs::path("real/plan.tyc"));
  EXPECT_EQ(Contents(target).substr(0, 3), "ytc");
  EXPECT_EQ(Contents(dir_ / "plan.BAK"), "previous version");
}

TEST_F(SaveTest, TheNewFileKeepsThePermissionsOfTheOneItReplaces) {
  const fs::path file = dir_ / "plan.tyc";
  Put(file, "x");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  std::string reason;
  ASSERT_TRUE(SaveProjectFile(file.string(), &reason)) << reason;
  EXPECT_EQ(fs::status(file).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SaveTest, AMissingFolderIsReportedWithTheSystemsReason) {
  std::string reason;
  EXPECT_FALSE(SaveProjectFileWithBackup((dir_ / "absent" / "plan.tyc").string(), &reason));
  EXPECT_EQ(reason, std::strerror(ENOENT));
  EXPECT_EQ(Names(dir_), std::vector<std::string>{});
}

// The temporary file of a save lies beside the file under a longer name; it
// once exceeded the file system's limit of 255 bytes, so that a name of 80
// kanji could not be saved ("File name too long").
TEST_F(SaveTest, ANameTheFileSystemTakesCanBeSavedAndReopened) {
  std::string kanji80;
  for (int i = 0; i < 80; ++i) kanji80 += "耐";  // 3 bytes each in UTF-8
  const struct {
    const char* what;
    std::string name;
    bool fits;
  } cases[] = {
      {"80 kanji: 244 bytes", kanji80 + ".tyc", true},
      {"255 bytes, the limit", std::string(251, 'a') + ".tyc", true},
      {"84 kanji: 256 bytes, over the limit", kanji80 + "耐耐耐耐.tyc", false},
  };
  testmodel::SetList(0, 0, {WallRecord{0, 1, 1, 5, 1}});
  const std::vector<unsigned char> bytes = WriteProjectFile();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path file = dir_ / c.name;
    std::string reason;
    // The second save also keeps the first as the backup.
    for (int save = 0; save < 2; ++save)
      EXPECT_EQ(SaveProjectFileWithBackup(file.string(), &reason), c.fits) << reason;
    if (!c.fits) {
      EXPECT_EQ(reason, std::strerror(ENAMETOOLONG));
      EXPECT_EQ(Names(dir_), std::vector<std::string>{}) << "a temporary file was left";
      continue;
    }
    EXPECT_EQ(ReadProjectFileBytes(file.string()), bytes);
    EXPECT_TRUE(fs::exists(fs::path(file).replace_extension(".BAK")));
    EXPECT_EQ(OpenProjectFile(ReadProjectFileBytes(file.string()), file.string()), OpenResult::Loaded);
    EXPECT_EQ(CurrentFilePath, file.string());
    EXPECT_EQ(Names(dir_).size(), 2u) << "a temporary file was left";
    fs::remove_all(dir_);
    fs::create_directory(dir_);
  }
}

// ---------------------------------------------------------------------------
// Opening

class BoundedOpenTest : public SaveTest {};

TEST_F(BoundedOpenTest, WhatCannotBeAProjectIsRefusedPromptly) {
  const fs::path fifo = dir_ / "pipe.tyc";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const fs::path huge = dir_ / "huge.tyc";
  {
    Put(huge, std::string("ytc\0", 4));
    ASSERT_EQ(truncate(huge.c_str(), 100 << 20), 0);  // 100 MB, sparse
  }
  const fs::path otherMagic = dir_ / "other.tyc";
  Put(otherMagic, "PK\x03\x04 not a project");
  const fs::path wrongExtension = dir_ / "old.tyc";
  Put(wrongExtension, std::string("yt8\0", 4) + std::string(100, ' '));

  for (const fs::path& path : {fifo, fs::path("/dev/zero"), huge, otherMagic, wrongExtension, dir_}) {
    SCOPED_TRACE(path.string());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(ReadProjectFileBytes(path.string()).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  }

  // File > Open then reports the file as unreadable and changes nothing.
  boxes.Expect("読み込みエラー", IDOK);
  EXPECT_EQ(OpenProjectFile(ReadProjectFileBytes(fifo.string()), fifo.string()), OpenResult::Unreadable);
  EXPECT_EQ(boxes.Calls().back().text, "読み込み出来ないファイルです。");
  EXPECT_EQ(CurrentFilePath, UntitledFilePath);
}

TEST_F(BoundedOpenTest, AProjectIsReadWhole) {
  MakeProject();
  const fs::path file = dir_ / "plan.tyc";
  std::string reason;
  ASSERT_TRUE(SaveProjectFile(file.string(), &reason)) << reason;
  EXPECT_EQ(ReadProjectFileBytes(file.string()), WriteProjectFile());
  Put(dir_ / "old.TY0", std::string("yt8\0", 4) + "abc");
  EXPECT_EQ(ReadProjectFileBytes((dir_ / "old.TY0").string()).size(), 7u);
}

// The bound of an open is well above the largest project: every list of
// every variant and storey full, in the current layout (the widest).
TEST_F(BoundedOpenTest, TheLargestProjectIsFarBelowTheBound) {
  SetEveryCount(INT32_MAX);  // each list written to its maximum
  const std::size_t largest = WriteProjectFile().size();
  EXPECT_GT(largest, std::size_t{1} << 20);
  EXPECT_LT(largest * 4, MaxProjectFileBytes) << largest;
}

}  // namespace
