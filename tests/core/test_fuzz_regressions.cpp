// Replays the regression corpora of the fuzzing targets (short, broken and
// once-troublesome files) through the targets' own entry points: a project
// file must load into a consistent model that the writer can write; a data
// file, with the data-file fixtures, must save, load and save the same and
// keep a project that saves and loads in full.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <vector>

#include "DataFileFuzzEntry.h"
#include "ProjectFileFuzzEntry.h"
#include "platform/FileAccess.h"

namespace {

// The files of folders under tests/data, READMEs left out.
std::vector<std::filesystem::path> FilesIn(std::initializer_list<const char*> folders) {
  std::vector<std::filesystem::path> files;
  for (const char* folder : folders)
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(QUILMORA_TEST_DATA_DIR) / folder))
      if (entry.is_regular_file() && entry.path().extension() != ".md") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(FuzzRegressions, EveryCorpusFileLoadsIntoAConsistentModel) {
  const std::vector<std::filesystem::path> files = FilesIn({"fuzz-corpus"});
  ASSERT_GE(files.size(), 10u);
  for (const auto& path : files) {
    std::vector<unsigned char> input;
    ASSERT_TRUE(ReadWholeFile(path.string(), input, nullptr)) << path;
    EXPECT_TRUE(LoadFuzzInput(input.data(), input.size())) << path.filename();
  }
}

TEST(FuzzRegressions, EveryDataFileOfTheCorpusHolds) {
  const std::vector<std::filesystem::path> files = FilesIn({"data-fuzz-corpus", "datafiles"});
  ASSERT_FALSE(files.empty());
  for (const auto& path : files) {
    std::vector<unsigned char> input;
    ASSERT_TRUE(ReadWholeFile(path.string(), input, nullptr)) << path;
    EXPECT_TRUE(LoadDataFileFuzzInput(input.data(), input.size())) << path.filename();
  }
}

}  // namespace
