// The writer of the current layout "ytc", byte by byte. Guards: the size of
// an empty project and of each element, the offsets of the blocks, the exact
// record line of every kind, and that a number too wide for its field never
// moves the fields after it. Every expected text is worked out by hand from
// the layout's field table.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ProjectFileBytes.h"
#include "ProjectFileSupport.h"
#include "files/ProjectFile.h"
#include "model/ElementLists.h"
#include "platform/FileAccess.h"

namespace {

using ProjectFileWriterTest = ModelTest;

TEST_F(ProjectFileWriterTest, EmptyProjectHasTheBlocksAtTheirOffsets) {
  const std::vector<unsigned char> f = WriteProjectFile();
  ASSERT_EQ(f.size(), 20713u);  // 12002 + 8 + 5761 + 108 + 992 + 1842
  EXPECT_EQ(BytesAt(f, 0, 4), std::string("ytc\0", 4));

  // Block 2: MudWallTable row 0 ("  ", 96 bytes), row 2 "T1" 2.4 / 480, row 3 wall factor 0.5.
  EXPECT_EQ(BytesAt(f, 4, 10), Le(u"  ") + std::string(6, '\0'));
  EXPECT_EQ(BytesAt(f, 14, 20), "       0       0   0");
  EXPECT_EQ(BytesAt(f, 34, 8), Le(u"無し") + std::string(4, '\0'));
  EXPECT_EQ(BytesAt(f, 4 + 2 * 96, 30), Le(u"T1") + std::string(6, '\0') + "    2400  480000   0");
  EXPECT_EQ(BytesAt(f, 4 + 3 * 96 + 26, 4), "   5");
  // BraceTable row 2 (rows of 98 bytes after 6 x 96): "BT" 1.6 / 210, factor 1, flag 0.
  EXPECT_EQ(BytesAt(f, 4 + 576 + 2 * 98 + 10, 22), "    1600  210000  10 0");
  // PanelTable row 3 (rows of 100 bytes after 13 x 98): "P1" 5.2 / 860, 2.5, flag 0, display 0.
  EXPECT_EQ(BytesAt(f, 4 + 576 + 1274 + 3 * 100 + 10, 24), "    5200  860000  25 0 0");
  // PanelTable row 43 ends the block; row 44 is not stored.
  EXPECT_EQ(BytesAt(f, 4 + 576 + 1274 + 43 * 100, 4), Le(u"Xa"));

  // Block 3: axis 1 at 0.91 m is 910 mm, axis 199 at 181.09 m, kinds, module.
  EXPECT_EQ(BytesAt(f, kGridBlock, 16), "       0     910");
  EXPECT_EQ(BytesAt(f, kGridBlock + 199 * 8, 8), "  181090");
  EXPECT_EQ(BytesAt(f, kGridBlock + 3200, 10), "    0    0");
  EXPECT_EQ(BytesAt(f, kGridBlock + 5200, 8), "     910");

  for (std::size_t i = 0; i < 108; ++i) ASSERT_EQ(BytesAt(f, kCountBlock + 5 * i, 5), "    0");
  EXPECT_EQ(BytesAt(f, kElementBlocks, 8), std::string("[kihon]\0", 8));

  // Block 18: CurrentVariant, Revision 0, DiagnosisMethod 1, RequiredStrengthMethod 2, ...
  const std::size_t outline = kElementBlocks + 8;
  EXPECT_EQ(BytesAt(f, outline, 41), std::string("    0    0    1    2    0    0    0    0\0", 41));
  EXPECT_EQ(BytesAt(f, outline + kOutlineTopStorey, 18), std::string("    1\0    1\0    1\0", 18));
  // Ground class 1 without very soft ground.
  EXPECT_EQ(BytesAt(f, outline + kOutlineGround, 6), std::string("    1\0", 6));
  // Block 19 of an empty project is the load take-off table: 600, 600, 600, ...
  const std::size_t extras = outline + kOutlineBytes;
  EXPECT_EQ(BytesAt(f, extras, 18), std::string("  600\0  600\0  600\0", 18));
  EXPECT_EQ(BytesAt(f, extras + 17 * 6, 6), std::string("    0\0", 6));
  // Block 20 begins with AppendTei 1 and NotDwellingOnly 0.
  const std::size_t trailer = extras + kExtrasEmptyBytes;
  EXPECT_EQ(BytesAt(f, trailer, 11), std::string("    1    0\0", 11));
  // Block 21: the designer, then 30 rows of 56 bytes; row 1 "接合部Ⅱ   ≧3kN　" "VP  " 5 kN.
  const std::size_t hardware = trailer + kTrailerBytes;
  EXPECT_EQ(hardware, 18871u);
  EXPECT_EQ(BytesAt(f, hardware, 162), std::string(162, '\0'));
  EXPECT_EQ(BytesAt(f, hardware + 162 + 56, 56),
            Le(u"接合部Ⅱ   ≧3kN　") + std::string(8, '\0') + Le(u"VP  ") + std::string(8, '\0') + "    5000");
}

// One record of each kind on storey 3 of retrofit plan 1.
struct KindCase {
  const char* kind;
  std::function<void()> add;
  std::size_t bytes;
};

std::vector<KindCase> OneRecordOfEachKind() {
  const int v = 1, st = 2;
  return {
      {"Column", [=] { ColumnCount[v][st] = 1; }, 45},
      {"Wall", [=] { WallCount[v][st] = 1; }, 144 + 13},
      {"SpareKind3", [=] { SpareKind3Count[v][st] = 1; }, 49},
      {"GableWall", [=] { GableWallCount[v][st] = 1; }, 56},
      {"RoofFloorRect", [=] { RoofFloorRectCount[v][st] = 1; }, 42 + 20 + 8},
      {"RoofFloorTriangle", [=] { RoofFloorTriangleCount[v][st] = 1; }, 52 + 20 + 8},
      {"FloorSpecRect", [=] { FloorSpecRectCount[v][st] = 1; }, 30},
      {"FloorSpecTriangle", [=] { FloorSpecTriangleCount[v][st] = 1; }, 40},
      {"TextLabel", [=] { TextLabelCount[v][st] = 1; }, 107},
      {"Foundation", [=] { FoundationCount[v][st] = 1; }, 30},
      {"FreeLine", [=] { FreeLineCount[v][st] = 1; }, 66},
      {"SpareKind12", [=] { SpareKind12Count[v][st] = 1; }, 25},
  };
}

TEST_F(ProjectFileWriterTest, EachElementAddsItsLineAndItsExtras) {
  for (const KindCase& c : OneRecordOfEachKind()) {
    ResetModel(ResetForNewProject);
    c.add();
    EXPECT_EQ(WriteProjectFile().size(), 20713 + c.bytes) << c.kind;
  }
}

TEST_F(ProjectFileWriterTest, CountHeaderSwapsFloorSpecRectAndRoofFloorTriangle) {
  RoofFloorRectCount[0][0] = 1;
  FloorSpecRectCount[0][0] = 2;
  RoofFloorTriangleCount[0][0] = 3;
  FloorSpecTriangleCount[0][0] = 4;
  WallCount[2][1] = 5;
  const std::vector<unsigned char> f = WriteProjectFile();
  EXPECT_EQ(BytesAt(f, kCountBlock + 4 * 5, 20), "    1    2    3    4");
  // Variant 2, storey 1 is the eighth line; walls are its second count.
  EXPECT_EQ(BytesAt(f, kCountBlock + 7 * 60 + 5, 5), "    5");
}

struct LineCase {
  const char* kind;
  std::function<void()> put;
  std::string line;
};

TEST_F(ProjectFileWriterTest, RecordLinesOfEveryKind) {
  const std::vector<LineCase> cases = {
      {"Column",
       [] {
         testmodel::SetList(0, 0, {ColumnRecord{0, 10, 10, 1, 1, 0, 0, 3, 5, 2}});
       },
       "    0   10   10    1    1    0    0   83    2"},  // sections 3 + 16 x 5
      {"Wall",
       [] {
         WallRecord& w = Walls[0][0][0];
         w = WallRecord{0, 1, 2, 3, 4,  1, 0, 5,    0.455, 0, 1,   0, 4,
                        3, 1, 2, 3, 21, 1, 0, 2.73, 2,     0, 1.5, 0, 6};
         WallCount[0][0] = 1;
       },
       "    0    1    2    3    4    1    0    5  0.455  0.000    1    0    4    3    1    2    3   21    1  "
       "  0"
       "  2.730  2.000  0.000  1.500  0.000    6"},
      {"SpareKind3",
       [] {
         testmodel::SetList(0, 0, {SpareKind3Record{7, 1, 2, 3, 4, -5, 6, 1.25, -2.5}});
       },
       "    7    1    2    3    4   -5    6  1.250 -2.500"},
      {"GableWall",
       [] {
         testmodel::SetList(0, 0, {GableWallRecord{0, 5, 6, 7, 8, 2, 1, 950, 0.5, 1.2}});
       },
       "    0    5    6    7    8    2    1 950.00   0.50   1.20"},
      {"RoofFloorRect",
       [] {
         testmodel::SetList(0, 0, {RoofFloorRectRecord{0, 1, 2, 3, 4, 7, 1, 60.5}});
       },
       "    0    1    2    3    4    7    1 60.500"},
      {"RoofFloorTriangle",
       [] {
         testmodel::SetList(0, 0, {RoofFloorTriangleRecord{0, 1, 2, 3, 4, 5, 6, 19, 0, 60.5}});
       },
       "    0    1    2    3    4    5    6   19    0 60.500"},
      {"FloorSpecRect",
       [] {
         testmodel::SetList(0, 0, {FloorSpecRectRecord{0, 1, 2, 3, 4, 12 + 32 * 3}});
       },
       "    0    1    2    3    4  108"},
      {"FloorSpecTriangle",
       [] {
         testmodel::SetList(0, 0, {FloorSpecTriangleRecord{0, 1, 2, 3, 4, 5, 6, 233}});
       },
       "    0    1    2    3    4    5    6  233"},
      {"TextLabel",
       [] {
         testmodel::SetList(0, 0, {TextLabelRecord{0, 1, 2, 1, 2, u"居 間"}});
       },
       "    0    1    2    1    2" + Le(u"居 間") + std::string(82 - 6, '\0')},
      {"Foundation",
       [] {
         testmodel::SetList(0, 0, {FoundationRecord{0, 1, 2, 3, 4, 2}});
       },
       "    0    1    2    3    4    2"},
      {"FreeLine",
       [] {
         testmodel::SetList(0, 0, {FreeLineRecord{0, 1, 2, 3, 4, 0.1, -0.2, 0.3, 0.4, 2, 0xff}});
       },
       "    0    1    2    3    40.100  -0.200 0.300  0.400      2     255"},
      {"SpareKind12",
       [] {
         testmodel::SetList(0, 0, {SpareKind12Record{1, 2, 3, 4, 9}});
       },
       "    1    2    3    4    9"},
  };
  for (const LineCase& c : cases) {
    ResetModel(ResetForNewProject);
    c.put();
    const std::vector<unsigned char> f = WriteProjectFile();
    EXPECT_EQ(BytesAt(f, kElementBlocks, c.line.size()), c.line) << c.kind;
    EXPECT_EQ(BytesAt(f, kElementBlocks + c.line.size(), 8), std::string("[kihon]\0", 8)) << c.kind;
  }
}

TEST_F(ProjectFileWriterTest, ExtrasOfWallsAndAreasKeepTheirWidths) {
  Walls[0][0][0] = WallRecord{};
  Walls[0][0][0].WeightClass = 2;
  Walls[0][0][0].Weight = 1500;
  WallCount[0][0] = 1;
  testmodel::SetList(0, 0, {RoofFloorRectRecord{0, 0, 0, 1, 1, 1, 0, 0, 3, 1500, 0.5, 25}});
  const std::vector<unsigned char> f = WriteProjectFile();
  const std::size_t extras = kElementBlocks + 144 + 42 + 8 + kOutlineBytes;
  // "%7.3f" of 1500 needs 8 characters: the field gives up one decimal and keeps its NUL.
  EXPECT_EQ(BytesAt(f, extras, 13), std::string("    21500.00\0", 13));
  EXPECT_EQ(BytesAt(f, extras + 13, 20), std::string("    31500.00  0.500\0", 20));
  EXPECT_EQ(BytesAt(f, extras + 33 + 108, 8), std::string(" 25.000\0", 8));
}

// Values too wide for their fields come back as close as the field allows,
// and the fields after them are intact.
TEST_F(ProjectFileWriterTest, TooWideValuesLeaveTheFollowingFieldsIntact) {
  RoofFloorRects[0][0][0] = RoofFloorRectRecord{0, 0, 0, 1, 1, 1, 0, 1000, 3, 1500, 0.5, 25};
  RoofFloorRects[0][0][1] = RoofFloorRectRecord{0, 2, 2, 3, 3, 2, 0, 1800, 3, 1000, 0.25, 10};
  RoofFloorRectCount[0][0] = 2;
  testmodel::SetList(0, 0, {GableWallRecord{0, 1, 1, 2, 2, 0, 1, 10000, 0.4, 1.1}});
  testmodel::SetList(0, 0, {FreeLineRecord{0, 1, 1, 2, 2, -100, 0.25, 0, 0, 3, 0x123456}});
  PanelTable[34].Stiffness = 100000;  // x 1000 needs 9 of the 8 characters
  PanelTable[34].WallFactor = 2.5;
  ProjectSettings.LoadTakeOff[0][0] = 123456;

  ASSERT_TRUE(ReadBack(WriteProjectFile()));
  const RoofFloorRectRecord& a = RoofFloorRects[0][0][0];
  EXPECT_EQ(a.LiveLoad, 1000);
  EXPECT_EQ(a.DeadLoad, 1500);
  EXPECT_EQ(a.Slope, 0.5);
  EXPECT_EQ(a.AddedLoad, 25);
  const RoofFloorRectRecord& b = RoofFloorRects[0][0][1];
  EXPECT_EQ(b.X1, 2);
  EXPECT_EQ(b.LiveLoad, 1800);
  EXPECT_EQ(b.DeadLoad, 1000);
  EXPECT_EQ(b.Slope, 0.25);
  EXPECT_EQ(GableWalls[0][0][0].Weight, 10000);
  EXPECT_EQ(GableWalls[0][0][0].Slope, 0.4);
  EXPECT_EQ(FreeLines[0][0][0].OffsetX1, -100);
  EXPECT_EQ(FreeLines[0][0][0].OffsetY1, 0.25);
  EXPECT_EQ(FreeLines[0][0][0].Colour, 0x123456);
  EXPECT_EQ(PanelTable[34].Stiffness, 99999.999);  // the largest value the field holds
  EXPECT_EQ(PanelTable[34].WallFactor, 2.5);
  EXPECT_EQ(ProjectSettings.LoadTakeOff[0][0], 99999);
}

TEST_F(ProjectFileWriterTest, SaveReportsAFileThatCannotBeWritten) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quilmora-save-test";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "project.tyc").string();
  std::string error;
  ASSERT_TRUE(SaveProjectFile(path, &error)) << error;
  std::vector<unsigned char> saved;
  ASSERT_TRUE(ReadWholeFile(path, saved, nullptr));
  EXPECT_EQ(saved, WriteProjectFile());

  EXPECT_FALSE(SaveProjectFile((folder / "missing" / "project.tyc").string(), &error));
  EXPECT_EQ(error, std::strerror(ENOENT));  // the system's reason
  if (std::filesystem::exists("/dev/full")) {
    EXPECT_FALSE(SaveProjectFile("/dev/full", &error));  // a full disk
  }
  std::filesystem::remove_all(folder);
}

TEST_F(ProjectFileWriterTest, BackupKeepsTheBaseNameInTheSameFolder) {
  EXPECT_EQ(BackupPathOf("/home/eng/plan.tyc"), "/home/eng/plan.BAK");
  EXPECT_EQ(BackupPathOf("/home/eng/plan.ty3"), "/home/eng/plan.BAK");
  EXPECT_EQ(BackupPathOf("/home/eng/a.b.tyc"), "/home/eng/a.b.BAK");
  EXPECT_EQ(BackupPathOf("/home/eng/plan"), "/home/eng/plan.BAK");
}

TEST_F(ProjectFileWriterTest, SavingOverAFileKeepsThePreviousVersionAsTheOneBackup) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("quilmora-backup-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string plan = (folder / "plan.tyc").string(), other = (folder / "plan.ty3").string();
  const std::string backup = (folder / "plan.BAK").string();
  auto version = [](int32_t walls) {
    WallCount[0][0] = walls;
    return WriteProjectFile();
  };
  auto bytesOf = [](const std::string& path) {
    std::vector<unsigned char> bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes, nullptr)) << path;
    return bytes;
  };
  std::string error;

  const auto first = version(1);
  ASSERT_TRUE(SaveProjectFileWithBackup(plan, &error)) << error;
  EXPECT_FALSE(FileExists(backup));  // nothing to keep yet
  const auto second = version(2);
  ASSERT_TRUE(SaveProjectFileWithBackup(plan, &error)) << error;
  EXPECT_EQ(bytesOf(plan), second);
  EXPECT_EQ(bytesOf(backup), first);

  // Another extension of the same base name backs up into the same file.
  const auto third = version(3);
  ASSERT_TRUE(SaveProjectFileWithBackup(other, &error)) << error;
  EXPECT_EQ(bytesOf(backup), first);
  const auto fourth = version(4);
  ASSERT_TRUE(SaveProjectFileWithBackup(other, &error)) << error;
  EXPECT_EQ(bytesOf(backup), third);
  EXPECT_EQ(bytesOf(plan), second);
  EXPECT_EQ(bytesOf(other), fourth);

  EXPECT_FALSE(SaveProjectFileWithBackup((folder / "missing" / "plan.tyc").string(), &error));
  std::filesystem::remove_all(folder);
}

}  // namespace

TEST(OverwritePath, OnlyTheExactExtensionTycIsKept) {
  const struct {
    const char* path;
    const char* written;
  } cases[] = {
      {"/p/plan.tyc", "/p/plan.tyc"}, {"/p/plan.ty3", "/p/plan.tyc"},
      {"/p/plan.TYC", "/p/plan.tyc"},  // letter case counts
      {"/p/plan", "/p/plan.tyc"},     {"/p.v2/家 1.ty0", "/p.v2/家 1.tyc"},
  };
  for (const auto& c : cases) EXPECT_EQ(OverwritePathOf(c.path), c.written) << c.path;
}
