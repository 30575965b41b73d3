// The reader of the current layout "ytc". Guards: the transformations it
// makes on purpose (symbols, names, labels, storey count, area code 4, load
// take-off zeros, packed fields, the rounding of negative lengths); the joint
// hardware read whatever the revision; and that a broken file (marker, early
// end, values the program never writes, zero bytes in a number or inside a
// text) is reported once, stops the reading
// and leaves a consistent model holding exactly what was read whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProjectFileBytes.h"
#include "ProjectFileSupport.h"
#include "editing/ProjectLoad.h"
#include "files/ProjectFile.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelValidation.h"
#include "model/ViewState.h"

namespace {

using ProjectFileReaderTest = ModelTest;

TEST_F(ProjectFileReaderTest, TableSymbolsAndNamesAreCutAsStored) {
  struct Case {
    std::u16string written, read;
  } symbols[] = {
      {u"AB  ", u"AB"},  // a blank fourth, then a blank third character end the symbol
      {u"ABC ", u"ABC"},   {u"AB C", u"AB"},   {u"A B ", u"A B"},
      {u"ABCDE", u"ABCD"}, {u"釘　", u"釘　"},  // the full-width space is an ordinary character
      {u"", u""},
  };
  for (int i = 0; i < 7; ++i)
    CopyToFixed(PanelTable[34 + i].Symbol, ElementSymbolCapacity, symbols[i].written);
  const std::u16string longName =
      u"構造用合板大壁四周N50構造用合板大壁四周N50構造用合板大壁";  // 40 characters
  CopyToFixed(BraceTable[9].Name, ElementNameCapacity, longName);
  CopyToFixed(PanelTable[40].Name, PanelNameCapacity, u"");

  const std::vector<unsigned char> file = WriteProjectFile();
  RestoreElementTableStartValues();
  ASSERT_TRUE(ReadBack(file));
  for (int i = 0; i < 7; ++i) EXPECT_EQ(FixedView(PanelTable[34 + i].Symbol, 8), symbols[i].read) << i;
  EXPECT_EQ(FixedView(BraceTable[9].Name, ElementNameCapacity), longName.substr(0, 32));
  EXPECT_EQ(FixedView(PanelTable[40].Name, PanelNameCapacity), u"");  // an empty field empties the name
}

TEST_F(ProjectFileReaderTest, TextLabelsKeepTheirBlanksAndFortyCharacters) {
  const std::u16string texts[] = {
      u"居 間",  // an ASCII blank no longer ends the label
      u"LDK 16.5 帖",
      u"*30",
      u"居　間",
      u"1234567890123456789012345678901234567890",       // 40 characters: kept with a NUL
      u"1234567890123456789012345678901234567890ABCDE",  // 45: the file keeps 40 (41 written)
  };
  TextLabelCount[1][2] = 6;
  for (int i = 0; i < 6; ++i) {
    TextLabels[1][2][i] = TextLabelRecord{0, i, i, i, i};
    CopyToFixed(TextLabels[1][2][i].Text, TextLabelCapacity, texts[i]);
  }
  ASSERT_TRUE(ReadBack(WriteProjectFile()));
  ASSERT_EQ(TextLabelCount[1][2], 6);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(FixedView(TextLabels[1][2][i].Text, TextLabelCapacity), texts[i].substr(0, 40)) << i;
}

TEST_F(ProjectFileReaderTest, DeliberateTransformationsOfTheReader) {
  ProjectSettings.TopStorey[0] = 0;
  ProjectSettings.TopStorey[1] = 1;
  ProjectSettings.TopStorey[2] = 0;
  ProjectSettings.GroundClass = 1;
  ProjectSettings.VerySoftGround = 1;
  RoofFloorRects[0][1][0] =
      RoofFloorRectRecord{0, 0, 0, 2, 2, 4, 0, 600, 0, 0, 0, 0};  // area code 4, class 0
  RoofFloorRectCount[0][1] = 1;
  ProjectSettings.LoadTakeOff[2][0] = 0;
  ProjectSettings.LoadTakeOff[2][1] = 350;
  GridAxisX[3] = -0.5;
  std::vector<unsigned char> file = WriteProjectFile();
  const std::size_t outline = kElementBlocks + 42 + 8;
  EXPECT_EQ(BytesAt(file, outline + kOutlineGround, 6), std::string("    9\0", 6));  // 1 + 8 x 1
  EXPECT_EQ(BytesAt(file, kGridBlock + 3 * 8, 8), "    -500");  // a negative value keeps its integer
  Patch(file, outline + kOutlineTopStorey, "    5");

  ProjectSettings.LoadTakeOff[2][0] = 700;
  ProjectSettings.LoadTakeOff[2][1] = 950;
  ProjectSettings.GroundClass = 0;
  ProjectSettings.VerySoftGround = 0;
  ASSERT_TRUE(ReadBack(file));
  for (int v = 0; v < VariantCount; ++v) EXPECT_EQ(ProjectSettings.TopStorey[v], 2) << v;
  EXPECT_EQ(ProjectSettings.GroundClass, 1);
  EXPECT_EQ(ProjectSettings.VerySoftGround, 1);
  EXPECT_EQ(RoofFloorRects[0][1][0].WeightClass, 1);
  EXPECT_EQ(ProjectSettings.LoadTakeOff[2][0], 700);  // a stored 0 keeps the value in memory
  EXPECT_EQ(ProjectSettings.LoadTakeOff[2][1], 350);
  EXPECT_EQ(GridAxisX[3], -0.5);
}

TEST_F(ProjectFileReaderTest, JointHardwareIsReadWhateverTheRevision) {
  for (int32_t revision : {0, 1}) {
    RestoreElementTableStartValues();
    ProjectSettings.Revision = revision;
    CopyToFixed(JointHardwareTable[20].Name, JointHardwareNameCapacity, u"ホールダウン20kN");
    CopyToFixed(JointHardwareTable[20].Symbol, JointHardwareSymbolCapacity, u"HD20");
    JointHardwareTable[20].AllowableTension = 20.5;
    CopyToFixed(JointHardwareTable[3].Name, JointHardwareNameCapacity,
                u"接合部Ⅱ⁺  ≧7.5kN+more");  // 20 characters
    CopyToFixed(ProjectSettings.DesignerName, 80, u"設計 太郎");
    const std::vector<unsigned char> file = WriteProjectFile();

    RestoreElementTableStartValues();
    CopyToFixed(ProjectSettings.DesignerName, 80, u"");
    ASSERT_TRUE(ReadBack(file));
    EXPECT_EQ(FixedView(JointHardwareTable[20].Name, 32), u"ホールダウン20kN") << revision;
    EXPECT_EQ(FixedView(JointHardwareTable[20].Symbol, 8), u"HD20");
    EXPECT_EQ(JointHardwareTable[20].AllowableTension, 20.5);
    EXPECT_EQ(FixedView(JointHardwareTable[3].Name, 32), u"接合部Ⅱ⁺  ≧7.5kN+mo");  // the file keeps 16
    EXPECT_EQ(FixedView(ProjectSettings.DesignerName, 80), u"設計 太郎");
  }
}

// A project with a recognisable value in every block, to see what a broken
// file leaves behind.
class BrokenProjectFileTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    PanelTable[34].Strength = 7.5;          // block 2
    GridAxisX[1] = 1.5;                     // block 3
    for (int v = 0; v < VariantCount; ++v)  // blocks 5 to 16
      testmodel::SetList(v, 0, {ColumnRecord{0, 1, 1, 1, 2, 0, 0, 0, 0, 2}});
    WallCount[0][0] = 0;
    for (int i = 0; i < 3; ++i) {
      WallRecord& w = testmodel::AddWall(0, 0, 0, 0, i + 1, 0);
      w.WeightClass = 2;  // block 19
      w.Weight = 300;
    }
    ProjectSettings.RegionFactorZ = 0.8;           // block 18
    ProjectSettings.AxisNumbering = 3;             // block 20
    JointHardwareTable[15].AllowableTension = 12;  // block 21
    file = WriteProjectFile();
    StartAgainExpectingTheBrokenFileBox();
  }

  static constexpr const char* kPath = "/home/eng/壊れた家.tyc";

  // A started program again, whose next read is to show the broken-file box.
  void StartAgainExpectingTheBrokenFileBox() {
    RestoreProjectSettingsStartValues();
    RestoreElementTableStartValues();
    ResetModel(ResetForStartUp);
    boxes = ScriptedMessageBox();
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << "unexpected message box: " << what; };
    boxes.Expect("読込ファイルエラー", IDOK);
  }

  // Offsets of this project's file.
  static constexpr std::size_t kColumnLines = kElementBlocks;
  static constexpr std::size_t kWallLines = kElementBlocks + 3 * 45;
  static constexpr std::size_t kMarker = kWallLines + 3 * 144;
  static constexpr std::size_t kOutline = kMarker + 8;
  static constexpr std::size_t kExtras = kOutline + kOutlineBytes;
  static constexpr std::size_t kTrailer = kExtras + 3 * 13 + kExtrasEmptyBytes;
  static constexpr std::size_t kHardware = kTrailer + kTrailerBytes;

  // File > Open of the broken file: the message names it and tells whether
  // anything of it was kept.
  void ReadBroken(const std::vector<unsigned char>& broken, bool somethingKept) {
    EXPECT_EQ(OpenProjectFile(broken, kPath), OpenResult::Broken);
    ExpectOneRefusedLoadMessage(boxes, kPath, somethingKept);
    const char* why = "";
    EXPECT_TRUE(IsModelConsistent(&why)) << why;
  }

  std::vector<unsigned char> file;
};

TEST_F(BrokenProjectFileTest, MarkerDifferingInAnyByteStopsAfterTheElements) {
  for (std::size_t i = 0; i < 8; ++i) {
    std::vector<unsigned char> broken = file;
    broken[kMarker + i] ^= 0x01;
    ResetModel(ResetForStartUp);
    boxes = ScriptedMessageBox();
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    boxes.Expect("読込ファイルエラー", IDOK);
    ReadBroken(broken, true);
    for (int v = 0; v < VariantCount; ++v) EXPECT_EQ(ColumnCount[v][0], 1) << i;
    EXPECT_EQ(WallCount[0][0], 3);
    EXPECT_EQ(PanelTable[34].Strength, 7.5);
    EXPECT_EQ(ProjectSettings.RegionFactorZ, 1.0) << "settings keep their values";
    EXPECT_EQ(JointHardwareTable[15].AllowableTension, 0);
  }
}

TEST_F(BrokenProjectFileTest, FileEndingEarlyKeepsWhatWasReadWhole) {
  struct Case {
    const char* where;
    std::size_t length;
    bool tables, grid;
    int walls;
    bool outline;
    int weighedWalls;
    bool trailer;
  } cases[] = {
      {"in the magic's block", 4, false, false, 0, false, 0, false},
      {"inside the tables", kGridBlock - 1, false, false, 0, false, 0, false},
      {"after the tables", kGridBlock, true, false, 0, false, 0, false},
      {"after the grid", kCountBlock, true, true, 0, false, 0, false},
      {"inside the count lines", kCountBlock + 300, true, true, 0, false, 0, false},
      {"inside the second wall", kWallLines + 144 + 70, true, true, 1, false, 0, false},
      {"inside the marker", kMarker + 4, true, true, 3, false, 0, false},
      {"inside the outline", kOutline + 3000, true, true, 3, false, 0, false},
      {"after the outline", kExtras, true, true, 3, true, 0, false},
      // Block 19 completes the records already read, one by one.
      {"inside the second wall weight", kExtras + 20, true, true, 3, true, 1, false},
      {"inside the trailer", kTrailer + 500, true, true, 3, true, 3, false},
      {"after the trailer", kHardware, true, true, 3, true, 3, true},
      {"one byte short", kHardware + kJointHardwareBytes - 1, true, true, 3, true, 3, true},
  };
  ASSERT_EQ(file.size(), kHardware + kJointHardwareBytes);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    StartAgainExpectingTheBrokenFileBox();
    // Nothing is kept until the first block, the tables, is read whole.
    ReadBroken(std::vector<unsigned char>(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(c.length)),
               c.tables);
    EXPECT_EQ(PanelTable[34].Strength, c.tables ? 7.5 : 0.0);
    EXPECT_EQ(GridAxisX[1], c.grid ? 1.5 : 0.91);
    EXPECT_EQ(WallCount[0][0], c.walls);
    EXPECT_EQ(ColumnCount[2][0], c.walls > 0 ? 1 : 0);
    EXPECT_EQ(ProjectSettings.RegionFactorZ, c.outline ? 0.8 : 1.0);
    for (int i = 0; i < c.walls; ++i) EXPECT_EQ(Walls[0][0][i].WeightClass, i < c.weighedWalls ? 2 : 0) << i;
    EXPECT_EQ(ProjectSettings.AxisNumbering, c.trailer ? 3 : 0);
    EXPECT_EQ(JointHardwareTable[15].AllowableTension, 0) << "the last block is never half-read";
  }
}

TEST_F(BrokenProjectFileTest, ValuesTheProgramNeverWritesStopTheReading) {
  struct Case {
    const char* what;
    std::size_t offset;
    std::string bytes;
    int columns, walls;  // of variant 0, storey 0, as left by the reader
    bool grid, outline;
    bool tablesKept = true;  // the first block
  } cases[] = {
      {"wall count above 300", kCountBlock + 5, "  301", 0, 0, true, false},
      {"negative wall count", kCountBlock + 5, "   -1", 0, 0, true, false},
      {"column off the grid", kColumnLines + 5, "  200", 0, 0, true, false},
      {"column hardware row 30", kColumnLines + 20, "   30", 0, 0, true, false},
      {"column type 0", kColumnLines + 15, "    0", 0, 0, true, false},
      {"wall end point off the grid", kWallLines + 144 + 15, "   -1", 1, 1, true, false},
      {"wall mud-wall row 15", kWallLines + 79, "   15", 1, 0, true, false},
      {"wall panel row 45", kWallLines + 84, "   45", 1, 0, true, false},
      {"wall brace kind 11", kWallLines + 64, "   11", 1, 0, true, false},
      {"wall frame state 3", kWallLines + 139, "    3", 1, 0, true, false},
      {"grid axis kind 3", kGridBlock + 3200, "    3", 0, 0, false, false},
      {"panel display kind 4", 4 + 576 + 1274 + 32, " 4", 0, 0, false, false, false},
      {"current variant 3", kOutline, "    3", 1, 3, true, false},
      {"diagnosis method 4", kOutline + 10, "    4", 1, 3, true, false},
      {"storey count of variant 1", kOutline + kOutlineTopStorey + 6, "    3", 1, 3, true, false},
      {"negative storey count of variant 0", kOutline + kOutlineTopStorey, "   -1", 1, 3, true, false},
      {"ground class 3", kOutline + kOutlineGround, "    3", 1, 3, true, false},
      {"wall weight class 3", kExtras, "    3", 1, 3, true, true},
      // Zero bytes where printf never writes one: in a number, inside a text.
      {"panel row 34's strength zeroed", 4 + 576 + 1274 + 34 * 100 + 10, std::string(8, '\0'), 0, 0, false,
       false, false},
      {"a NUL inside the wall count", kCountBlock + 5, std::string("  \0 3", 5), 0, 0, true, false},
      {"a client name that goes on after its NUL", kOutline + 41 + 162, std::string("A\0\0\0B\0", 6), 1, 3,
       true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartAgainExpectingTheBrokenFileBox();
    std::vector<unsigned char> broken = file;
    Patch(broken, c.offset, c.bytes);
    ReadBroken(broken, c.tablesKept);
    EXPECT_EQ(ColumnCount[0][0], c.columns);
    EXPECT_EQ(WallCount[0][0], c.walls);
    EXPECT_EQ(GridAxisX[1], c.grid ? 1.5 : 0.91);
    EXPECT_EQ(ProjectSettings.RegionFactorZ, c.outline ? 0.8 : 1.0);
    EXPECT_EQ(CurrentVariant, 0);
    EXPECT_EQ(ProjectSettings.AxisNumbering, 0);
  }
}

}  // namespace
