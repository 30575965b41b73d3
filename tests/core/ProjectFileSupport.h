#pragma once
// Helpers of the project-file tests: block offsets of the current layout
// worked out from its block table, byte access and patching, reading a file
// back into a model reset for a load.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ModelFixture.h"
#include "editing/ModelReset.h"
#include "files/ProjectFile.h"

// Offsets in a "ytc" file.
constexpr std::size_t kTableBlock = 4;
constexpr std::size_t kGridBlock = 4 + 6250;               // 6254
constexpr std::size_t kCountBlock = kGridBlock + 5208;     // 11462
constexpr std::size_t kElementBlocks = kCountBlock + 540;  // 12002
// Offsets inside the outline block (block 18), from its field table.
constexpr std::size_t kOutlineTopStorey = 41 + 162 * 2 + 66 + 162 * 2 + 66 + 162 * 2         // 1145: texts
                                          + 6 + 6 + 130 + 6 + 6                              // 1299: use
                                          + 12 * 22 + 8 * 6                                  // 1611: dates
                                          + 6 + 17 + 17;                                     // 1651
constexpr std::size_t kOutlineGround = kOutlineTopStorey + 12 * 6 + 15 * 17;                 // 1978
constexpr std::size_t kOutlineFloorRows = kOutlineGround + 6 + 18 + 324 + 16 + 162 + 6 + 21  // 2531
                                          + 2043 + 9 * 17 + 15 * 6;                          // 4817
constexpr std::size_t kOutlineBytes = 5761;
constexpr std::size_t kExtrasEmptyBytes = 108;
constexpr std::size_t kTrailerBytes = 992;
constexpr std::size_t kJointHardwareBytes = 1842;

inline std::string BytesAt(const std::vector<unsigned char>& file, std::size_t offset, std::size_t n) {
  return std::string(file.begin() + static_cast<std::ptrdiff_t>(offset),
                     file.begin() + static_cast<std::ptrdiff_t>(offset + n));
}

inline void Patch(std::vector<unsigned char>& file, std::size_t offset, std::string_view bytes) {
  std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Reads a whole "ytc" file (magic included) into the model as File > Open does.
inline bool ReadBack(const std::vector<unsigned char>& file) {
  ResetModel(ResetBeforeLoad);
  return ReadProjectFile(std::span(file).subspan(4));
}

// The message of a refused load, as the message box port saw it: the file
// named, and what the program shows instead of it.
inline void ExpectOneRefusedLoadMessage(const ScriptedMessageBox& boxes, const std::string& path,
                                        bool somethingKept) {
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text,
            "次のファイルはデータが異常なため、読み込みを途中で中止しました。\n\n" + path + "\n\n" +
                (somethingKept
                     ? "読み込めた部分までを、無題のデータとして表示します。\n元のファイルは変更しません。"
                     : "読み込めたデータはありません。無題の新しいデータを表示します。\n元のファイルは変更し"
                       "ません。"));
  EXPECT_EQ(boxes.Calls()[0].caption, "読込ファイルエラー");
  EXPECT_EQ(boxes.Calls()[0].flags, 48);
}
