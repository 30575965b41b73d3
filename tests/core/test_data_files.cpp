// The element data file (".yd1") and the joint-hardware file (".yd2"): exact
// sizes and field bytes, round trips to a thousandth, symbols trimmed as the
// sibling product writes them, refusals that leave the tables untouched (a
// shifted file, a field the program never writes, what cannot be a data
// file at all), save, load and save giving the same bytes, the lock-box
// rules of a load, and the save that never loses a file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/ElementDataFile.h"
#include "files/JointHardwareFile.h"
#include "model/ElementTables.h"
#include "platform/FileAccess.h"
#include "platform/TextCodec.h"

namespace {

std::string Field(const std::vector<unsigned char>& bytes, std::size_t at, std::size_t n) {
  return std::string(reinterpret_cast<const char*>(bytes.data()) + at, n);
}

ElementTableSet LiveSet() {
  ElementTableSet set;
  CaptureElementTables(set);
  return set;
}

TEST(ElementDataFile, LayoutOfTheStartTables) {
  const std::vector<unsigned char> bytes = WriteElementDataFile(LiveSet());
  ASSERT_EQ(bytes.size(), 7099u);
  EXPECT_EQ(Field(bytes, 0, 4), std::string("yd1\0", 4));
  // Panel row 0: symbol of two blanks, three zero numbers, flags, name "無し".
  EXPECT_EQ(Field(bytes, 4, 5), std::string("  \0\0\0", 5));
  EXPECT_EQ(Field(bytes, 4 + 5, 16), std::string(15, ' ') + "0");
  EXPECT_EQ(Field(bytes, 4 + 53, 4), " 0 0");
  EXPECT_EQ(Field(bytes, 4 + 57, 5), std::string("\x96\xB3\x82\xB5\0", 5));  // 無し in code page 932
  // Brace row 4 (30x90, 2.4 kN/m, 480): "2400" and "480000".
  const std::size_t brace4 = 4009 + 4 * 87;
  EXPECT_EQ(Field(bytes, brace4, 5), std::string("B2\0\0\0", 5));
  EXPECT_EQ(Field(bytes, brace4 + 5, 16), std::string(12, ' ') + "2400");
  EXPECT_EQ(Field(bytes, brace4 + 21, 16), std::string(10, ' ') + "480000");
  EXPECT_EQ(Field(bytes, brace4 + 37, 16), std::string(12, ' ') + "1500");
  // Mud-wall row 2 is meant for the current state only.
  EXPECT_EQ(Field(bytes, 5314 + 2 * 87 + 53, 2), " 1");
}

TEST(ElementDataFile, RoundTripToAThousandth) {
  ElementTableSet set = LiveSet();
  set.Panels[40].Strength = -0.0005;  // -0.5 thousandths: half away from zero gives -1
  set.Panels[40].Stiffness = -1.2;    // -1200, not -1199
  set.Panels[40].WallFactor = 1e12;   // kept within 32 bits
  set.Panels[40].DisplayKind = 3;
  set.Braces[9].WallFactor = -0.0004;
  set.FloorSpecFactor[4] = 0.39;
  CopyToFixed(set.FloorSpecName[4], FloorFactorNameCapacity, u"構造用合板24mm");
  CopyToFixed(set.HorizontalBraceName[0], FloorFactorNameCapacity, u"鋼製火打");
  std::vector<unsigned char> bytes = WriteElementDataFile(set);
  ASSERT_EQ(bytes.size(), ElementDataFileSize);
  EXPECT_EQ(Field(bytes, 4 + 40 * 89 + 21, 16), std::string(11, ' ') + "-1200");
  EXPECT_EQ(Field(bytes, 4 + 40 * 89 + 37, 16), std::string(6, ' ') + "2147483647");
  // A wall factor of 2147483.647 is beyond what a project file's table holds.
  ElementTableSet back{};
  EXPECT_EQ(ReadElementDataFile(bytes, back), DataFileRead::Broken);
  set.Panels[40].WallFactor = 999.9994;  // 999999.4 thousandths: 999999
  bytes = WriteElementDataFile(set);
  ASSERT_EQ(ReadElementDataFile(bytes, back), DataFileRead::Read);
  EXPECT_DOUBLE_EQ(back.Panels[40].WallFactor, 999.999);
  EXPECT_DOUBLE_EQ(back.Panels[40].Strength, -0.001);
  EXPECT_DOUBLE_EQ(back.Panels[40].Stiffness, -1.2);
  EXPECT_EQ(back.Panels[40].DisplayKind, 3);
  EXPECT_DOUBLE_EQ(back.Braces[9].WallFactor, 0);
  EXPECT_DOUBLE_EQ(back.FloorSpecFactor[4], 0.39);
  EXPECT_EQ(Utf16ToUtf8(back.FloorSpecName[4]), "構造用合板24mm");
  // Every number and flag comes back to the thousandth.
  const auto same = [](const auto& a, const auto& b, int row) {
    EXPECT_NEAR(a.Strength, b.Strength, 0.0005) << row;
    EXPECT_NEAR(a.Stiffness, b.Stiffness, 0.0005) << row;
    EXPECT_EQ(a.DiagnosisOnly, b.DiagnosisOnly) << row;
  };
  for (int r = 0; r < PanelTableRows; ++r) {
    if (r != 40) same(set.Panels[r], back.Panels[r], r);
    EXPECT_EQ(set.Panels[r].DisplayKind, back.Panels[r].DisplayKind);
  }
  for (int r = 0; r < BraceTableRows; ++r) same(set.Braces[r], back.Braces[r], r);
  for (int r = 0; r < MudWallTableRows; ++r) same(set.MudWalls[r], back.MudWalls[r], r);
  // What was read once is written back byte for byte.
  EXPECT_EQ(WriteElementDataFile(back), bytes);
}

TEST(ElementDataFile, SymbolsAndNamesAsTheFileHoldsThem) {
  const struct {
    const char* bytes;  // the five bytes of the field
    const char* symbol;
  } cases[] = {
      {"AB  \0", "AB"},   {"A B \0", "A B"}, {"A   \0", "A "},
      {"  \0\0\0", "  "}, {"ABCDE", "ABCD"}, {"AB C\0", "AB C"},
  };
  std::vector<unsigned char> bytes = WriteElementDataFile(LiveSet());
  for (const auto& k : cases) {
    std::memcpy(bytes.data() + 4 + 34 * 89, k.bytes, 5);
    ElementTableSet set{};
    ASSERT_EQ(ReadElementDataFile(bytes, set), DataFileRead::Read);
    EXPECT_EQ(Utf16ToUtf8(set.Panels[34].Symbol), k.symbol) << k.bytes;
  }
  // Writing cuts at character boundaries: a symbol keeps 4 bytes, a name 32.
  ElementTableSet set = LiveSet();
  CopyToFixed(set.Panels[35].Symbol, ElementSymbolCapacity, u"A合板");  // 1 + 2 + 2 bytes
  CopyToFixed(set.Panels[35].Name, PanelNameCapacity, u"x" + std::u16string(20, u'板'));
  bytes = WriteElementDataFile(set);
  EXPECT_EQ(Field(bytes, 4 + 35 * 89, 5), std::string("A\x8D\x87\0\0", 5));
  EXPECT_EQ(bytes[4 + 35 * 89 + 57 + 31], 0);  // 1 + 15 x 2 = 31 bytes, no half character
  ASSERT_EQ(ReadElementDataFile(bytes, set), DataFileRead::Read);
  EXPECT_EQ(Utf16ToUtf8(set.Panels[35].Symbol), "A合");
  EXPECT_EQ(set.Panels[35].Name, u"x" + std::u16string(15, u'板'));
}

TEST(ElementDataFile, RefusedFilesChangeNothing) {
  const std::vector<unsigned char> good = WriteElementDataFile(LiveSet());
  ElementTableSet untouched = LiveSet();
  untouched.Panels[40].Strength = 99;
  const auto refused = [&](std::vector<unsigned char> bytes, DataFileRead expected) {
    ElementTableSet set = untouched;
    EXPECT_EQ(ReadElementDataFile(bytes, set), expected);
    EXPECT_TRUE(set == untouched);
  };
  std::vector<unsigned char> yd2 = good;
  yd2[2] = '2';
  refused(yd2, DataFileRead::WrongMagic);
  refused({}, DataFileRead::WrongMagic);
  refused(std::vector<unsigned char>(good.begin(), good.end() - 1), DataFileRead::Broken);  // 7098 bytes
  std::vector<unsigned char> flag = good;
  std::memcpy(flag.data() + 4 + 3 * 89 + 55, " 4", 2);  // display kind 4
  refused(flag, DataFileRead::Broken);
  flag = good;
  std::memcpy(flag.data() + 5314 + 87 + 53, " 2", 2);  // diagnosis-only 2
  refused(flag, DataFileRead::Broken);
}

TEST(ElementDataFile, LoadTakesRowsByTheLockBoxes) {
  ElementTableSet loaded = LiveSet();
  for (auto& row : loaded.Panels) row.Strength = 7;
  for (auto& row : loaded.Braces) row.Strength = 7;
  for (auto& row : loaded.MudWalls) row.Strength = 7;
  loaded.FloorSpecFactor[0] = 7, loaded.HorizontalBraceFactor[4] = 7;
  const auto taken = [](auto rows, int n) {
    std::string mask;
    for (int r = 0; r < n; ++r) mask += rows[r].Strength == 7 ? '1' : '0';
    return mask;
  };
  const struct {
    bool panels, braces, mudWalls;
    std::string panelRows, braceRows, mudWallRows;
  } cases[] = {
      {false, false, false, std::string(34, '0') + std::string(10, '1') + "0", "000000000110000",
       std::string(15, '0')},
      {true, true, true, std::string(44, '1') + "0", std::string(15, '1'), std::string(15, '1')},
  };
  for (const auto& k : cases) {
    ElementTableSet working = LiveSet();
    for (auto& row : working.Panels) row.Strength = 0;
    for (auto& row : working.Braces) row.Strength = 0;
    for (auto& row : working.MudWalls) row.Strength = 0;
    TakeLoadedElementData(loaded, k.panels, k.braces, k.mudWalls, working);
    EXPECT_EQ(taken(working.Panels, PanelTableRows), k.panelRows);
    EXPECT_EQ(taken(working.Braces, BraceTableRows), k.braceRows);
    EXPECT_EQ(taken(working.MudWalls, MudWallTableRows), k.mudWallRows);
    EXPECT_EQ(working.FloorSpecFactor[0], 7);
    EXPECT_EQ(working.HorizontalBraceFactor[4], 7);
  }
}

TEST(ElementDataFile, ApplyTellsWhetherTheLiveTablesChanged) {
  ElementTableSet set = LiveSet();
  EXPECT_FALSE(ApplyElementTables(set));
  set.HorizontalBraceFactor[2] = 0.5;
  EXPECT_TRUE(ApplyElementTables(set));
  EXPECT_EQ(HorizontalBraceTableFactor[12], 0.5);
}

TEST(JointHardwareFile, LayoutAndRoundTrip) {
  JointHardwareRow rows[JointHardwareTableRows];
  for (int r = 0; r < JointHardwareTableRows; ++r) rows[r] = JointHardwareTable[r];
  rows[15].AllowableTension = -1.2;
  rows[16].AllowableTension = 12.3456;
  CopyToFixed(rows[17].Name, JointHardwareNameCapacity, std::u16string(31, u'金'));
  CopyToFixed(rows[17].Symbol, JointHardwareSymbolCapacity, u"ABCDEFG");
  const std::vector<unsigned char> bytes = WriteJointHardwareFile(rows);
  ASSERT_EQ(bytes.size(), 3034u);
  EXPECT_EQ(Field(bytes, 0, 4), std::string("yd2\0", 4));
  // Row 3 (Ta 7.5): the symbol "HO  " in UTF-16LE and "%16li" of 7500.
  EXPECT_EQ(Field(bytes, 4 + 3 * 101 + 66, 10), std::string("H\0O\0 \0 \0\0\0", 10));
  EXPECT_EQ(Field(bytes, 4 + 3 * 101 + 85, 16), std::string(12, ' ') + "7500");
  EXPECT_EQ(Field(bytes, 4 + 15 * 101 + 85, 16), std::string(11, ' ') + "-1200");

  JointHardwareRow back[JointHardwareTableRows] = {};
  ASSERT_EQ(ReadJointHardwareFile(bytes, back), DataFileRead::Read);
  for (int r = 0; r < JointHardwareTableRows; ++r) {
    EXPECT_EQ(std::u16string(back[r].Name), std::u16string(rows[r].Name)) << r;
    EXPECT_EQ(std::u16string(back[r].Symbol), std::u16string(rows[r].Symbol)) << r;
    EXPECT_NEAR(back[r].AllowableTension, rows[r].AllowableTension, 0.0005) << r;
  }
  EXPECT_DOUBLE_EQ(back[15].AllowableTension, -1.2);
}

TEST(JointHardwareFile, LongTextsFromAFileAreCutToTheTable) {
  JointHardwareRow rows[JointHardwareTableRows];
  for (int r = 0; r < JointHardwareTableRows; ++r) rows[r] = JointHardwareTable[r];
  std::vector<unsigned char> bytes = WriteJointHardwareFile(rows);
  // 33 name units without terminator, 9.5 symbol units.
  for (int i = 0; i < 66; i += 2) bytes[4 + i] = 'n', bytes[4 + i + 1] = 0;
  for (int i = 0; i < 19; ++i) bytes[4 + 66 + i] = i % 2 ? 0 : 's';
  ASSERT_EQ(ReadJointHardwareFile(bytes, rows), DataFileRead::Read);
  EXPECT_EQ(std::u16string(rows[0].Name), std::u16string(31, u'n'));
  EXPECT_EQ(std::u16string(rows[0].Symbol), std::u16string(7, u's'));
}

TEST(JointHardwareFile, RefusedFilesChangeNothing) {
  JointHardwareRow rows[JointHardwareTableRows];
  for (int r = 0; r < JointHardwareTableRows; ++r) rows[r] = JointHardwareTable[r];
  const std::vector<unsigned char> good = WriteJointHardwareFile(rows);
  rows[20].AllowableTension = 55;
  std::vector<unsigned char> yd1 = good;
  yd1[2] = '1';
  EXPECT_EQ(ReadJointHardwareFile(yd1, rows), DataFileRead::WrongMagic);
  EXPECT_EQ(ReadJointHardwareFile(std::vector<unsigned char>(good.begin(), good.end() - 1), rows),
            DataFileRead::Broken);
  EXPECT_EQ(rows[20].AllowableTension, 55);
}

// ---- Reading from the disk ----

const std::filesystem::path kDataFiles = std::filesystem::path(QUILMORA_TEST_DATA_DIR) / "datafiles";

std::vector<unsigned char> FileBytes(const std::filesystem::path& path) {
  std::vector<unsigned char> bytes;
  EXPECT_TRUE(ReadWholeFile(path.string(), bytes, nullptr)) << path;
  return bytes;
}

// Each fixture is read from the disk as 読込 reads it: an intact file loads
// and is written back byte for byte; a file shifted by one byte (a line end
// turned into CR LF, a byte lost, or one inserted and one lost so that the
// length is right) is refused and changes nothing.
TEST(DataFileFixtures, ShiftedFilesAreRefusedIntactOnesWriteBackTheSame) {
  const struct {
    const char* file;
    DataFileRead result;
  } cases[] = {
      {"elements.yd1", DataFileRead::Read},
      {"elements-byte-inserted.yd1", DataFileRead::Broken},
      {"elements-byte-removed.yd1", DataFileRead::Broken},
      {"elements-shifted-same-length.yd1", DataFileRead::Broken},
      {"hardware-ue.yd2", DataFileRead::Read},
      {"hardware-ue-lf-to-crlf.yd2", DataFileRead::Broken},
      {"hardware-ue-byte-removed.yd2", DataFileRead::Broken},
      {"hardware-shifted-same-length.yd2", DataFileRead::Broken},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::filesystem::path path = kDataFiles / c.file;
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << "a fixture is missing";
    if (path.extension() == ".yd1") {
      ElementTableSet set = LiveSet();
      const ElementTableSet before = set;
      ASSERT_EQ(LoadElementDataFile(path.string(), set), c.result);
      if (c.result == DataFileRead::Read) {
        EXPECT_EQ(Utf16ToUtf8(set.Panels[34].Name), "上塗り合板");
        EXPECT_EQ(WriteElementDataFile(set), FileBytes(path));
      } else {
        EXPECT_TRUE(set == before);
      }
    } else {
      JointHardwareRow rows[JointHardwareTableRows];
      std::copy(std::begin(JointHardwareTable), std::end(JointHardwareTable), rows);
      ASSERT_EQ(LoadJointHardwareFile(path.string(), rows), c.result);
      if (c.result == DataFileRead::Read) {
        EXPECT_EQ(Utf16ToUtf8(rows[15].Name), "柱頭上部金物");
        EXPECT_EQ(rows[15].AllowableTension, 12.5);
        EXPECT_EQ(WriteJointHardwareFile(rows), FileBytes(path));
      } else {
        EXPECT_TRUE(std::equal(std::begin(rows), std::end(rows), std::begin(JointHardwareTable)));
      }
    }
  }
}

class DataFileOpenTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "quilmora-data-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

// What cannot be a data file is refused before it is read: the window never
// waits for a FIFO's writer nor reads /dev/zero or a huge file into memory.
// A file of the right kind that is longer than its layout is broken; one of
// another kind, or none at all, is not a data file.
TEST_F(DataFileOpenTest, WhatCannotBeADataFileIsRefusedAtOnce) {
  const std::filesystem::path fifo = folder_ / "pipe.yd1";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto huge = [&](const char* name, std::string_view start) {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary).write(start.data(), static_cast<std::streamsize>(start.size()));
    EXPECT_EQ(::truncate(path.c_str(), off_t{1} << 32), 0);  // 4 GB, sparse
    return path;
  };
  const struct {
    std::filesystem::path path;
    DataFileRead yd1, yd2;
  } cases[] = {
      {fifo, DataFileRead::WrongMagic, DataFileRead::WrongMagic},
      {"/dev/zero", DataFileRead::WrongMagic, DataFileRead::WrongMagic},
      {folder_, DataFileRead::WrongMagic, DataFileRead::WrongMagic},
      {folder_ / "absent.yd1", DataFileRead::WrongMagic, DataFileRead::WrongMagic},
      {huge("huge.yd1", {"yd1\0", 4}), DataFileRead::Broken, DataFileRead::WrongMagic},
      {huge("huge.yd2", {"yd2\0", 4}), DataFileRead::WrongMagic, DataFileRead::Broken},
      {kDataFiles / "elements.yd1", DataFileRead::Read, DataFileRead::WrongMagic},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.string());
    const auto start = std::chrono::steady_clock::now();
    ElementTableSet set = LiveSet();
    EXPECT_EQ(LoadElementDataFile(c.path.string(), set), c.yd1);
    JointHardwareRow rows[JointHardwareTableRows];
    EXPECT_EQ(LoadJointHardwareFile(c.path.string(), rows), c.yd2);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  }
}

// Fields that the program never writes, in an otherwise intact file: a
// number or flag that is not printf's text (a NUL, a blank after the digits,
// more than 32 bits), a text going on after a NUL, a number beyond what the
// project file's tables hold. The joint-hardware file's padding after a
// text's end carries no meaning and is not checked.
TEST(DataFiles, FieldsTheProgramNeverWritesBreakTheFile) {
  const std::size_t row34 = 4 + 34 * 89;
  const std::size_t brace2 = 4009 + 2 * 87;
  const std::size_t floor0 = 6619;
  const std::size_t hardware20 = 4 + 20 * 101;
  const struct {
    const char* what;
    bool yd2;
    std::size_t at;
    std::string bytes;
    DataFileRead result;
  } cases[] = {
      {"a zeroed strength", false, row34 + 5, std::string(16, '\0'), DataFileRead::Broken},
      {"a NUL among the digits", false, row34 + 21,
       std::string("          64\0"
                   "000",
                   16),
       DataFileRead::Broken},
      {"a blank after the digits", false, row34 + 37, "           1500 ", DataFileRead::Broken},
      {"no digit", false, row34 + 37, std::string(16, ' '), DataFileRead::Broken},
      {"beyond 32 bits", false, row34 + 37, "     99999999999", DataFileRead::Broken},
      {"a flag written to the left", false, row34 + 53, "0 ", DataFileRead::Broken},
      {"a name going on after a NUL", false, row34 + 57 + 3, std::string("\0x", 2), DataFileRead::Broken},
      {"a symbol going on after a NUL", false, brace2 + 1, std::string("\0\0B", 3), DataFileRead::Broken},
      {"a floor factor zeroed", false, floor0 + 32, std::string(16, '\0'), DataFileRead::Broken},
      {"a strength of 100001 kN/m", false, row34 + 5, "       100001000", DataFileRead::Broken},
      {"a floor factor of 1000.001", false, floor0 + 32, "         1000001", DataFileRead::Broken},
      {"a zeroed tension", true, hardware20 + 85, std::string(16, '\0'), DataFileRead::Broken},
      {"a tension shifted left", true, hardware20 + 85, "           7500 ", DataFileRead::Broken},
      {"a tension beyond 32 bits", true, hardware20 + 85, "   -999999999999", DataFileRead::Broken},
      // What printf does write.
      {"a negative number", false, row34 + 37, "           -1500", DataFileRead::Read},
      {"a strength of 100000 kN/m", false, row34 + 5, "       100000000", DataFileRead::Read},
      {"a symbol of five bytes", false, brace2, "ABCDE", DataFileRead::Read},
      {"a name of 32 bytes", false, row34 + 57, std::string(32, 'n'), DataFileRead::Read},
      {"padding after a hardware name's end", true, hardware20 + 60, "xyz", DataFileRead::Read},
  };
  ElementTableSet tables = LiveSet();
  CopyToFixed(tables.Panels[34].Name, PanelNameCapacity, u"上塗り合板");
  JointHardwareRow rows[JointHardwareTableRows];
  std::copy(std::begin(JointHardwareTable), std::end(JointHardwareTable), rows);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<unsigned char> bytes = c.yd2 ? WriteJointHardwareFile(rows) : WriteElementDataFile(tables);
    std::memcpy(bytes.data() + c.at, c.bytes.data(), c.bytes.size());
    ElementTableSet set = LiveSet();
    JointHardwareRow read[JointHardwareTableRows];
    EXPECT_EQ(c.yd2 ? ReadJointHardwareFile(bytes, read) : ReadElementDataFile(bytes, set), c.result);
  }
}

// Save, load and save give the same bytes, also for the texts that change
// on a first load: names ending in a lone or doubled high surrogate (a load
// gives U+FFFD for the last), symbols with trailing blanks (a load trims them).
TEST(DataFiles, SaveLoadSaveIsAFixedPoint) {
  const std::u16string high(1, char16_t(0xD800));
  const std::u16string names[] = {
      u"AB" + high,
      u"AB" + high + high,
      std::u16string(30, u'金') + high,
      u"柱" + high + u"脚",
      u"\U0001F3E0" + std::u16string(29, u'x'),  // 31 units, the pair first
  };
  const std::u16string symbols[] = {u"AB  ", u"A  ", u"A B ", u"釘　", u"ABCDE", u"X" + high};
  for (const std::u16string& name : names) {
    SCOPED_TRACE(Utf16ToUtf8(name));
    JointHardwareRow rows[JointHardwareTableRows];
    std::copy(std::begin(JointHardwareTable), std::end(JointHardwareTable), rows);
    CopyToFixed(rows[15].Name, JointHardwareNameCapacity, name);
    CopyToFixed(rows[16].Name, JointHardwareNameCapacity, u"x");
    rows[16].Name[1] = high[0];  // a lone high surrogate at the end, past CopyToFixed
    const std::vector<unsigned char> first = WriteJointHardwareFile(rows);
    ASSERT_EQ(ReadJointHardwareFile(first, rows), DataFileRead::Read);
    EXPECT_EQ(WriteJointHardwareFile(rows), first);
    EXPECT_EQ(std::u16string(rows[16].Name), u"x\uFFFD");
  }
  for (const std::u16string& symbol : symbols) {
    SCOPED_TRACE(Utf16ToUtf8(symbol));
    ElementTableSet set = LiveSet();
    CopyToFixed(set.Panels[34].Symbol, ElementSymbolCapacity, symbol);
    CopyToFixed(set.Braces[9].Name, ElementNameCapacity, symbol + u"壁" + high);
    const std::vector<unsigned char> first = WriteElementDataFile(set);
    ASSERT_EQ(ReadElementDataFile(first, set), DataFileRead::Read);
    EXPECT_EQ(WriteElementDataFile(set), first);
  }
}

// A file that ends a name in two high surrogates, as the fuzzer found it:
// the name changed on every load and save until it was gone.
TEST(JointHardwareFile, ANameEndingInHighSurrogatesReadsTheSameAfterASave) {
  JointHardwareRow rows[JointHardwareTableRows];
  std::copy(std::begin(JointHardwareTable), std::end(JointHardwareTable), rows);
  std::vector<unsigned char> file = WriteJointHardwareFile(rows);
  const unsigned char name[] = {'A', 0, 0x00, 0xD8, 0x01, 0xD8, 0, 0};  // A, U+D800, U+D801
  std::memcpy(file.data() + 4 + 15 * 101, name, sizeof name);
  ASSERT_EQ(ReadJointHardwareFile(file, rows), DataFileRead::Read);
  const std::u16string read = rows[15].Name;
  EXPECT_EQ(read, std::u16string(u"A") + char16_t(0xD800) + u"\uFFFD");
  const std::vector<unsigned char> saved = WriteJointHardwareFile(rows);
  ASSERT_EQ(ReadJointHardwareFile(saved, rows), DataFileRead::Read);
  EXPECT_EQ(std::u16string(rows[15].Name), read);
  EXPECT_EQ(WriteJointHardwareFile(rows), saved);
}

// ---- Saving beside the file ----

class ReplaceFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("quilmora-replace-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    ::chmod(folder_.c_str(), 0755);
    std::filesystem::remove_all(folder_);
  }
  static std::string Contents(const std::filesystem::path& p) {
    std::vector<unsigned char> bytes;
    EXPECT_TRUE(ReadWholeFile(p.string(), bytes, nullptr)) << p;
    return std::string(bytes.begin(), bytes.end());
  }
  bool Save(const std::string& text, std::string* error = nullptr) {
    return ReplaceFileSafely((folder_ / "house.yd1").string(), text.data(), text.size(),
                             (folder_ / "house.BAK").string(), error);
  }
  std::filesystem::path folder_;
};

TEST_F(ReplaceFileTest, KeepsTheReplacedFileAsBackupBesideIt) {
  ASSERT_TRUE(Save("one"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "house.BAK"));
  ASSERT_TRUE(Save("two"));
  ASSERT_TRUE(Save("three"));
  EXPECT_EQ(Contents(folder_ / "house.yd1"), "three");
  EXPECT_EQ(Contents(folder_ / "house.BAK"), "two");
  // Nothing else is left in the folder.
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()), 2);
}

TEST_F(ReplaceFileTest, AFailedSaveLeavesTheFileAndItsBackup) {
  ASSERT_TRUE(Save("one"));
  ASSERT_TRUE(Save("two"));
  // The disk fills up while the new file is written.
  SetSaveFailureHookForTests([](SaveStep step, std::size_t) { return step == SaveStep::Write ? ENOSPC : 0; });
  std::string error;
  EXPECT_FALSE(Save("three", &error));
  SetSaveFailureHookForTests(nullptr);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(Contents(folder_ / "house.yd1"), "two");
  EXPECT_EQ(Contents(folder_ / "house.BAK"), "one");
}

}  // namespace
