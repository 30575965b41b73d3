#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/FileAccess.h"

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

std::string ReadWithStreams(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWithStreams(const fs::path& p, std::string_view content) {
  std::ofstream out(p, std::ios::binary);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string MakeTempDir(const fs::path& under) {
  std::string pattern = (under / "quilmora-file-XXXXXX").string();
  return mkdtemp(pattern.data()) ? pattern : std::string();
}

class FileAccessTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = MakeTempDir(fs::temp_directory_path());
    ASSERT_FALSE(dir_.empty());
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string Path(std::string_view name) const { return dir_ + "/" + std::string(name); }

  std::string dir_;
};

// Bytes that text-mode I/O or string handling would damage.
const std::string kAwkwardBytes = std::string("A\0B\r\n\x1A\xFF\x82\xA0\n", 10);

TEST_F(FileAccessTest, WriteThenReadGivesTheSameBytesUnderAJapaneseName) {
  const std::string path = Path("\xE5\xBB\xBA\xE7\x89\xA9.qlm");  // 建物.qlm
  std::string error = "untouched";
  ASSERT_TRUE(WriteWholeFile(path, kAwkwardBytes.data(), kAwkwardBytes.size(), &error)) << error;
  EXPECT_EQ(ReadWithStreams(path), kAwkwardBytes);

  std::vector<unsigned char> read = {1, 2, 3};
  ASSERT_TRUE(ReadWholeFile(path, read, &error)) << error;
  EXPECT_EQ(read, Bytes(kAwkwardBytes));
}

TEST_F(FileAccessTest, LargeFileRoundTrips) {
  std::vector<unsigned char> data(300000);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i * 7 + i / 256);
  const std::string path = Path("large.bin");
  ASSERT_TRUE(WriteWholeFile(path, data.data(), data.size(), nullptr));
  std::vector<unsigned char> read;
  ASSERT_TRUE(ReadWholeFile(path, read, nullptr));
  EXPECT_EQ(read, data);
}

TEST_F(FileAccessTest, WritingReplacesALongerFileAndEmptyWritesWork) {
  const std::string path = Path("replace.bin");
  WriteWithStreams(path, "a much longer previous content");
  ASSERT_TRUE(WriteWholeFile(path, "new", 3, nullptr));
  EXPECT_EQ(ReadWithStreams(path), "new");

  ASSERT_TRUE(WriteWholeFile(path, nullptr, 0, nullptr));
  EXPECT_TRUE(FileExists(path));
  std::vector<unsigned char> read = {9};
  ASSERT_TRUE(ReadWholeFile(path, read, nullptr));
  EXPECT_TRUE(read.empty());
}

TEST_F(FileAccessTest, ReadingAMissingFileFailsWithAMessage) {
  const std::string path = Path("missing.qlm");
  std::vector<unsigned char> read = {1, 2};
  std::string error;
  EXPECT_FALSE(ReadWholeFile(path, read, &error));
  EXPECT_TRUE(read.empty());
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_FALSE(ReadWholeFile(path, read, nullptr));
}

TEST_F(FileAccessTest, WritingIntoAMissingDirectoryFails) {
  const std::string path = Path("no-such-dir/file.qlm");
  std::string error;
  EXPECT_FALSE(WriteWholeFile(path, "x", 1, &error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_FALSE(FileExists(path));
}

TEST(FileAccessFullDisk, WritingToAFullDeviceIsAFailure) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "/dev/full is not available";
  // A few bytes stay in the stdio buffer and only fail when flushed; a large
  // block fails in the write itself. Both must be reported.
  for (std::size_t size : {std::size_t{5}, std::size_t{1} << 20}) {
    const std::vector<unsigned char> data(size, 'x');
    std::string error;
    EXPECT_FALSE(WriteWholeFile("/dev/full", data.data(), data.size(), &error)) << size << " bytes";
    EXPECT_NE(error.find("/dev/full"), std::string::npos) << error;
  }
}

TEST_F(FileAccessTest, FileExistsOnlyForFiles) {
  const std::string file = Path("present.txt");
  WriteWithStreams(file, "x");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(dir_));
  EXPECT_FALSE(FileExists(Path("absent.txt")));
}

TEST_F(FileAccessTest, DeleteRemovesAFileAndFailsForAMissingOne) {
  const std::string file = Path("doomed.txt");
  WriteWithStreams(file, "x");
  EXPECT_TRUE(DeleteFileAt(file));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(DeleteFileAt(file));
}

TEST_F(FileAccessTest, MoveRenamesAndReplacesTheTarget) {
  const std::string from = Path("from.qlm");
  const std::string to = Path("\xE6\x97\xA7.bak");  // 旧.bak
  WriteWithStreams(from, kAwkwardBytes);
  WriteWithStreams(to, "old backup");

  EXPECT_TRUE(MoveFileTo(from, to));
  EXPECT_FALSE(fs::exists(from));
  EXPECT_EQ(ReadWithStreams(to), kAwkwardBytes);

  EXPECT_FALSE(MoveFileTo(Path("absent.qlm"), Path("target.qlm")));
  EXPECT_FALSE(fs::exists(Path("target.qlm")));
}

TEST_F(FileAccessTest, MoveAcrossFileSystemsCopiesAndDeletes) {
  struct stat here, there;
  if (stat(dir_.c_str(), &here) != 0 || stat("/dev/shm", &there) != 0 || here.st_dev == there.st_dev)
    GTEST_SKIP() << "no second file system to move across";
  const std::string otherDir = MakeTempDir("/dev/shm");
  if (otherDir.empty()) GTEST_SKIP() << "/dev/shm is not writable";

  const std::string from = otherDir + "/source.qlm";
  const std::string to = Path("moved.qlm");
  WriteWithStreams(from, kAwkwardBytes);
  const bool moved = MoveFileTo(from, to);
  const bool sourceLeft = fs::exists(from);
  std::error_code ec;
  fs::remove_all(otherDir, ec);

  EXPECT_TRUE(moved);
  EXPECT_FALSE(sourceLeft);
  EXPECT_EQ(ReadWithStreams(to), kAwkwardBytes);
}

}  // namespace
