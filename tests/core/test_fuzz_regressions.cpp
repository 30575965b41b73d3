// Replays the regression corpus of the project-file fuzzing target (short,
// broken and once-troublesome files) through the target's own entry point:
// each must load into a consistent model that the writer can write.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "ProjectFileFuzzEntry.h"
#include "platform/FileAccess.h"

namespace {

TEST(FuzzRegressions, EveryCorpusFileLoadsIntoAConsistentModel) {
  const std::filesystem::path folder = std::filesystem::path(QUILMORA_TEST_DATA_DIR) / "fuzz-corpus";
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_GE(files.size(), 10u) << folder;
  for (const auto& path : files) {
    std::vector<unsigned char> input;
    ASSERT_TRUE(ReadWholeFile(path.string(), input, nullptr)) << path;
    EXPECT_TRUE(LoadFuzzInput(input.data(), input.size())) << path.filename();
  }
}

}  // namespace
