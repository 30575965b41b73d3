// The older layouts "ytb" and "yta", from files built byte by byte by the
// tests. Guards: the empty sizes and the bytes each element adds (a file
// loads to its end only when every width is right), the 8-bit text rules of
// "yta", its numbers without NUL, and that neither layout touches the
// designer or the joint-hardware table.
#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "ProjectFileBytes.h"
#include "ProjectFileSupport.h"
#include "editing/ModelReset.h"
#include "files/ProjectFile.h"
#include "model/ElementLists.h"

namespace {

std::string Ints(std::initializer_list<int> values) {
  Bytes b;
  for (int v : values) b.Int(v, 5);
  return {b.data.begin(), b.data.end()};
}

std::string Reals(std::initializer_list<double> values) {
  Bytes b;
  for (double v : values) b.Real(v, 7, 3);
  return {b.data.begin(), b.data.end()};
}

// Code page 932 bytes.
const std::string kIma = "\x8b\x8f\x8a\xd4";                          // 居間
const std::string kFullWidthTwo = "\x82\x51";                         // ２
const std::string kFullWidthSpace = "\x81\x40";                       // U+3000
const std::string kPanelGouhan = "\xca\xdf\xc8\xd9\x8d\x87\x94\xc2";  // ﾊﾟﾈﾙ合板

class OldProjectFileTest : public ModelTest {
 protected:
  bool Read(const OldProjectFile& old) {
    const std::vector<unsigned char> file = old.Build();
    ResetModel(ResetBeforeLoad);
    const auto afterMagic = std::span(file).subspan(4);
    return old.yta ? ReadYtaFile(afterMagic) : ReadYtbFile(afterMagic);
  }
};

TEST_F(OldProjectFileTest, EmptyProjectsHaveTheirSizesAndLoadToTheEnd) {
  OldProjectFile ytb, yta;
  yta.yta = true;
  EXPECT_EQ(ytb.Build().size(), 18871u);
  EXPECT_EQ(yta.Build().size(), 14000u);
  for (const OldProjectFile* old : {&ytb, &yta}) {
    ProjectSettings.RegionFactorZ = 0.7;
    EXPECT_TRUE(Read(*old));
    EXPECT_EQ(ProjectSettings.RegionFactorZ, 1.0);  // the outline was read
    EXPECT_EQ(ProjectSettings.StoreyHeight[2][1], 2.8);
    EXPECT_EQ(ProjectSettings.VerificationDeterioration, 100);  // and the trailer
  }
}

TEST_F(OldProjectFileTest, YtbIsTheCurrentFileWithoutItsLastBlock) {
  Walls[1][1][0] = WallRecord{0, 1, 1, 5, 1, 1};
  WallCount[1][1] = 1;
  ProjectSettings.RegionFactorZ = 0.9;
  CopyToFixed(ProjectSettings.DesignerName, 80, u"新しい設計者");
  JointHardwareTable[16].AllowableTension = 9;
  std::vector<unsigned char> ytb = WriteProjectFile();
  ytb.resize(ytb.size() - kJointHardwareBytes);
  ytb[2] = 'b';

  // The project open before keeps its designer and hardware rows.
  RestoreProjectSettingsStartValues();
  RestoreElementTableStartValues();
  CopyToFixed(ProjectSettings.DesignerName, 80, u"前の設計者");
  ResetModel(ResetBeforeLoad);
  EXPECT_TRUE(ReadYtbFile(std::span(ytb).subspan(4)));
  EXPECT_EQ(WallCount[1][1], 1);
  EXPECT_EQ(Walls[1][1][0].X2, 5);
  EXPECT_EQ(ProjectSettings.RegionFactorZ, 0.9);
  EXPECT_EQ(FixedView(ProjectSettings.DesignerName, 80), u"前の設計者");
  EXPECT_EQ(JointHardwareTable[16].AllowableTension, 0);
}

TEST_F(OldProjectFileTest, YtaSymbolsAndNamesAreCodePage932Bytes) {
  OldProjectFile yta;
  yta.yta = true;
  yta.symbols[0][2] = std::string("T1  \0", 5);  // blank fourth and third bytes end it
  yta.symbols[2][34] = kIma + "X";               // two double-byte characters; byte 5 ignored
  yta.symbols[2][35] = "ABC D";                  // the first four bytes are "ABC "
  yta.symbols[1][9] = "";                        // empties the symbol
  yta.names[2][34] = kPanelGouhan;
  yta.names[1][10] = std::string(33, 'A');  // the 33rd byte is ignored
  yta.names[0][3] = "AB\x82";               // a lead byte without its partner
  yta.floorSpecNames[0] = kIma + "12mm";
  yta.floorSpecFactors[0] = 1.25;
  yta.braceNames[4] = "\x89\xce\x91\xc5";  // 火打
  yta.braceFactors[4] = 0.125;
  yta.clientName = "\x8e\x52\x93\x63 " + kIma;  // 山田 居間
  EXPECT_TRUE(Read(yta));
  EXPECT_EQ(FixedView(MudWallTable[2].Symbol, 8), u"T1");
  EXPECT_EQ(FixedView(PanelTable[34].Symbol, 8), u"居間");
  EXPECT_EQ(FixedView(PanelTable[35].Symbol, 8), u"ABC");
  EXPECT_EQ(FixedView(BraceTable[9].Symbol, 8), u"");
  EXPECT_EQ(FixedView(PanelTable[34].Name, PanelNameCapacity), u"ﾊﾟﾈﾙ合板");
  EXPECT_EQ(FixedView(BraceTable[10].Name, ElementNameCapacity), std::u16string(32, u'A'));
  EXPECT_EQ(FixedView(MudWallTable[3].Name, ElementNameCapacity), u"AB\uFFFD");
  EXPECT_EQ(FixedView(FloorSpecTableName[17], 32), u"居間12mm");
  EXPECT_EQ(FloorSpecTableFactor[17], 1.25);
  EXPECT_EQ(FixedView(FloorSpecTableName[18], 32), u"");  // an empty name empties the row's name
  EXPECT_EQ(FixedView(HorizontalBraceTableName[14], 32), u"火打");
  EXPECT_EQ(HorizontalBraceTableFactor[14], 0.125);
  EXPECT_EQ(FixedView(ProjectSettings.ClientName, 80), u"山田 居間");
}

TEST_F(OldProjectFileTest, YtaLabelsEndAtTheirFirstBlankByte) {
  struct Case {
    std::string field;
    std::u16string text;
  } cases[] = {
      {kIma + " " + kFullWidthTwo, u"居間"},
      {"ABC" + std::string(37, ' '), u"ABC"},
      {" X", u""},
      {"\x8b\x8f" + kFullWidthSpace + "\x8a\xd4", u"居　間"},  // the full-width space is a character
      {std::string(40, 'A'), std::u16string(40, u'A')},
  };
  OldProjectFile yta;
  yta.yta = true;
  for (const Case& c : cases) {
    std::string field = c.field;
    field.resize(40, '\0');
    yta.lines[8].push_back(Ints({0, 1, 1, 1, 1}) + field);
  }
  EXPECT_TRUE(Read(yta));
  ASSERT_EQ(TextLabelCount[0][0], 5);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(FixedView(TextLabels[0][0][i].Text, TextLabelCapacity), cases[i].text) << i;
}

TEST_F(OldProjectFileTest, YtaNumbersWithoutTheirNulAndTheBytesOfEachElement) {
  OldProjectFile yta;
  yta.yta = true;
  yta.lines[0] = {Ints({0, 3, 4, 1, 2, 0, 1, 35, 2})};  // sections 3 and 2
  yta.lines[1] = {Ints({0, 1, 2, 5, 2, 1, 0, 2}) + Reals({0.455, 0}) + Ints({1, 0, 4, 3, 1, 2, 3, 21, 1, 0}) +
                  Reals({2.73, 0, 0, 0, 0}) + Ints({2})};
  yta.lines[4] = {Ints({0, 0, 0, 5, 5, 1, 0}) + Reals({180})};
  yta.lines[5] = {Ints({0, 0, 0, 5, 0, 0, 5, 4, 1}) + Reals({60})};
  yta.lines[8] = {Ints({0, 2, 2, 2, 2}) + std::string(40, 'L')};
  yta.wallWeights = {"    2120.500"};       // "%5i%7.3f", no NUL
  yta.rectLoads = {"    3600.000  0.500"};  // "%5i%7.3f%7.3f", no NUL
  yta.triangleLoads = {"    0900.000  0.250"};
  yta.loadTakeOff[0] = 350;
  yta.rectAddedLoads = {" 50.000"};
  yta.triangleAddedLoads = {" 12.500"};
  yta.useText = "\x8e\x96\x96\xb1\x8f\x8a";  // 事務所
  const std::vector<unsigned char> file = yta.Build();
  EXPECT_EQ(file.size(), 14000u + 45 + (144 + 12) + (42 + 19 + 7) + (52 + 19 + 7) + (25 + 40));

  EXPECT_TRUE(Read(yta));
  EXPECT_EQ(Columns[0][0][0].X, 3);
  EXPECT_EQ(Columns[0][0][0].SectionX, 3);
  EXPECT_EQ(Columns[0][0][0].SectionY, 2);
  const WallRecord& w = Walls[0][0][0];
  EXPECT_EQ(w.X2, 5);
  EXPECT_EQ(w.WingWallStart, 0.455);
  EXPECT_EQ(w.PanelRight, 21);
  EXPECT_EQ(w.Height, 2.73);
  EXPECT_EQ(w.WeightClass, 2);
  EXPECT_EQ(w.Weight, 120.5);
  const RoofFloorRectRecord& rect = RoofFloorRects[0][0][0];
  EXPECT_EQ(rect.LiveLoad, 180);
  EXPECT_EQ(rect.WeightClass, 3);
  EXPECT_EQ(rect.DeadLoad, 600);
  EXPECT_EQ(rect.Slope, 0.5);
  EXPECT_EQ(rect.AddedLoad, 50);
  const RoofFloorTriangleRecord& tri = RoofFloorTriangles[0][0][0];
  EXPECT_EQ(tri.AreaCode, 4);
  EXPECT_EQ(tri.WeightClass, 1);  // area code 4 forces class 1
  EXPECT_EQ(tri.DeadLoad, 900);
  EXPECT_EQ(tri.Slope, 0.25);
  EXPECT_EQ(tri.AddedLoad, 12.5);
  EXPECT_EQ(ProjectSettings.LoadTakeOff[0][0], 350);
  EXPECT_EQ(ProjectSettings.LoadTakeOff[0][1], 600);  // stored 0: kept
  EXPECT_EQ(FixedView(TextLabels[0][0][0].Text, TextLabelCapacity), std::u16string(40, u'L'));
  EXPECT_EQ(FixedView(ProjectSettings.UseText, 80), u"事務所");
}

TEST_F(OldProjectFileTest, ShortYtaFileIsBroken) {
  OldProjectFile yta;
  yta.yta = true;
  yta.lines[0] = {Ints({0, 3, 4, 1, 2, 0, 1, 35, 2})};
  std::vector<unsigned char> file = yta.Build();
  file.resize(file.size() - 1);
  ResetModel(ResetBeforeLoad);
  EXPECT_FALSE(ReadYtaFile(std::span(file).subspan(4)));
  EXPECT_TRUE(boxes.Calls().empty()) << "the reader leaves the message to the open step";
  EXPECT_EQ(ColumnCount[0][0], 1);
}

}  // namespace
