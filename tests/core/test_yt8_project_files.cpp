// The oldest layout "yt8", diagnosis (".ty0") and retrofit (".ty2"), from
// files built byte by byte by the tests. Guards: the empty sizes, the old
// 100-axis grid landing on axes 50 to 149, the shift of every axis index, the
// conversion tables of the wall, floor-specification and method codes, the
// word fields, and that a code no table knows makes the file broken.
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
#include "model/Grid.h"
#include "model/ModelValidation.h"
#include "model/ViewState.h"

namespace {

std::string Line(std::initializer_list<int> values, bool nul = true) {
  Bytes b;
  for (int v : values) b.Int(v, 5);
  if (nul) b.Nul();
  return {b.data.begin(), b.data.end()};
}

class Yt8FileTest : public ModelTest {
 protected:
  bool Read(const Yt8File& f) {
    const std::vector<unsigned char> file = f.Build();
    ResetModel(ResetBeforeLoad);
    const auto afterMagic = std::span(file).subspan(4);
    return f.retrofit ? ReadYt8RetrofitFile(afterMagic) : ReadYt8DiagnosisFile(afterMagic);
  }

  // Old axes 0.91 m apart.
  static Yt8File WithModuleGrid(bool retrofit) {
    Yt8File f;
    f.retrofit = retrofit;
    for (int i = 0; i < 100; ++i) f.storedX[i] = f.storedY[i] = i * 0.91;
    return f;
  }
};

TEST_F(Yt8FileTest, EmptyFilesHaveTheirSizesAndLoadEmpty) {
  Yt8File diagnosis, retrofit;
  retrofit.retrofit = true;
  EXPECT_EQ(diagnosis.Build().size(), 17280u);
  EXPECT_EQ(retrofit.Build().size(), 24241u);
  for (const Yt8File* f : {&diagnosis, &retrofit}) {
    SetEveryCount(2);
    EXPECT_TRUE(Read(*f));
    EXPECT_EQ(SumOfEveryCount(), 0);
  }
}

TEST_F(Yt8FileTest, OldAxesLandOnAxes50To149AndTheGridContinuesAtTheModule) {
  GridModule = 1.0;  // the module of the project open before
  ResetModel(ResetForNewProject);
  Yt8File f = WithModuleGrid(false);
  f.storedX[99] = 90.0;
  f.storedY[0] = 1.0;
  f.kindX[3] = 2;
  f.kindY[99] = 1;
  EXPECT_TRUE(Read(f));
  EXPECT_EQ(GridAxisX[10], 10.0);  // axes 0 to 49 keep their places
  EXPECT_EQ(GridAxisKindX[10], 0);
  EXPECT_EQ(GridAxisX[50], 45.5);
  EXPECT_EQ(GridAxisY[50], 46.5);
  EXPECT_DOUBLE_EQ(GridAxisX[51], 46.41);
  EXPECT_EQ(GridAxisX[149], 135.5);
  EXPECT_DOUBLE_EQ(GridAxisX[150], 136.41);
  EXPECT_DOUBLE_EQ(GridAxisX[151], 137.32);
  EXPECT_NEAR(GridAxisX[199], 135.5 + 50 * 0.91, 1e-9);
  EXPECT_EQ(GridAxisKindX[53], 2);
  EXPECT_EQ(GridAxisKindY[149], 1);
  EXPECT_EQ(GridAxisKindY[150], 0);
  EXPECT_EQ(GridModule, 0.91);
}

TEST_F(Yt8FileTest, DiagnosisOutlineWithItsPresets) {
  ProjectSettings.Revision = 1;
  ProjectSettings.DiagnosisMethod = 1;
  ProjectSettings.MixedStructure = 2;
  CopyToFixed(ProjectSettings.BuildingName, 80, u"前の建物");
  Yt8File f;
  f.clientName = "\x8e\x52\x93\x63";  // 山田
  f.topStorey = {2, 0, 1};
  f.regionZ = 0.8;
  f.ground = 2;
  f.atticStorage0 = 1;
  f.answer16 = 2;
  f.horizontalBraces = 1;
  EXPECT_TRUE(Read(f));
  const ProjectSettingsData& p = ProjectSettings;
  EXPECT_EQ(p.Revision, 0);
  EXPECT_EQ(p.DiagnosisMethod, 2);
  EXPECT_EQ(p.MixedStructure, 0);
  EXPECT_EQ(FixedView(p.ClientName, 80), u"山田");
  EXPECT_EQ(p.TopStorey[0], 2);
  EXPECT_EQ(p.TopStorey[1], 0);
  EXPECT_EQ(p.TopStorey[2], 1);
  EXPECT_EQ(p.RegionFactorZ, 0.8);
  EXPECT_EQ(p.GroundClass, 2);
  EXPECT_EQ(p.AtticStorage[0], 1);
  EXPECT_EQ(p.DeteriorationAnswer[16], 2);
  EXPECT_EQ(p.HorizontalBraces, 1);
  EXPECT_EQ(p.FloorMaterial, 1);
  EXPECT_EQ(FixedView(p.BuildingName, 80), u"前の建物");  // not in the layout
  EXPECT_EQ(CurrentVariant, 0);
}

TEST_F(Yt8FileTest, RecordsShiftEveryAxisIndexBy50) {
  for (bool retrofit : {false, true}) {
    SCOPED_TRACE(retrofit ? "retrofit" : "diagnosis");
    Yt8File f = WithModuleGrid(retrofit);
    f.lines[Yt8Column][1 * 3 + 2] = {retrofit ? Line({3, 4, 2, 5, 9}) : Line({3, 4, 2, 5})};
    f.lines[Yt8Rect][0] = {Line({0, 1, 2, 3, 7})};
    f.lines[Yt8Triangle][0] = {Line({0, 0, 4, 0, 0, 4, 12}), Line({1, 1, 4, 1, 1, 4, 3})};
    f.lines[Yt8SpecRect][0] = {Line({0, 0, 1, 1, 3}), Line({0, 0, 1, 1, 3}), Line({0, 0, 1, 1, 3})};
    f.lines[Yt8Foundation][2 * 3 + 0] = {Line({5, 6, 7, 8, 2})};
    f.lines[Yt8Label][0] = {
        Line({1, 2, 1, 2}, false) + " " + "\x8b\x8f\x8a\xd4" + " xyz" + std::string(22, '\0'),
        Line({1, 2, 1, 2}, false) + std::string(31, ' ')};
    f.lines[Yt8FreeLine][0] = {Line({1, 1, 2, 2}, false) + (retrofit ? "0.100  -0.200 1.5    -2.25  " : "") +
                               "3     255" + std::string(1, '\0')};
    if (retrofit) f.lines[Yt8Spare12][0] = {Line({1, 2, 3, 4, -7})};
    EXPECT_TRUE(Read(f));

    ASSERT_EQ(ColumnCount[1][2], 1);
    const ColumnRecord& c = Columns[1][2][0];
    EXPECT_EQ(c.X, 53);
    EXPECT_EQ(c.Y, 54);
    EXPECT_EQ(c.Type, 2);
    EXPECT_EQ(c.Hardware, 5);
    EXPECT_EQ(c.Deterioration, 2);
    // The count lines give FloorSpecRect before RoofFloorTriangle.
    EXPECT_EQ(RoofFloorRectCount[0][0], 1);
    EXPECT_EQ(RoofFloorTriangleCount[0][0], 2);
    EXPECT_EQ(FloorSpecRectCount[0][0], 3);
    EXPECT_EQ(RoofFloorRects[0][0][0].X2, 52);
    EXPECT_EQ(RoofFloorRects[0][0][0].AreaCode, 7);
    EXPECT_EQ(RoofFloorTriangles[0][0][0].Y3, 54);
    EXPECT_EQ(RoofFloorTriangles[0][0][0].AreaCode, 12);
    EXPECT_EQ(Foundations[2][0][0].Y2, 58);
    EXPECT_EQ(Foundations[2][0][0].Type, 2);
    ASSERT_EQ(TextLabelCount[0][0], 2);
    EXPECT_EQ(TextLabels[0][0][0].X1, 51);
    EXPECT_EQ(FixedView(TextLabels[0][0][0].Text, TextLabelCapacity), u"居間");
    EXPECT_EQ(FixedView(TextLabels[0][0][1].Text, TextLabelCapacity), u"");
    const FreeLineRecord& line = FreeLines[0][0][0];
    EXPECT_EQ(line.X2, 52);
    EXPECT_EQ(line.Style, 3);
    EXPECT_EQ(line.Colour, 255);
    EXPECT_EQ(line.OffsetX1, retrofit ? 0.1 : 0.0);
    EXPECT_EQ(line.OffsetY1, retrofit ? -0.2 : 0.0);
    EXPECT_EQ(line.OffsetY2, retrofit ? -2.25 : 0.0);
    EXPECT_EQ(SpareKind12Count[0][0], retrofit ? 1 : 0);
    if (retrofit) {
      EXPECT_EQ(SpareKind12Records[0][0][0].Y2, 54);
      EXPECT_EQ(SpareKind12Records[0][0][0].Param, -7);
    }
  }
}

TEST_F(Yt8FileTest, DiagnosisWallCodes) {
  struct Case {
    int w4, w5, w6, w7, w9;
    WallRecord expected;
  } cases[] = {
      // w5 = mud-wall code x 128 + brace code; wall from old axis (0, 0) to (4, 0): L = 3.64 m.
      {0,
       2 * 128 + 11,
       0,
       0,
       0,
       {.BraceKind = 3, .BraceEndJoint = 3, .BraceArrangement = 1, .MudWallKind = 2}},
      {0,
       1,
       1,
       1,
       0,
       {.BraceKind = 1,
        .MudWallKind = 0,
        .PanelLeft = 1,
        .PanelRight = 1,
        .FurringLeft = 1,
        .FurringRight = 1}},
      {0, 5 * 128 + 22, 0, 0, 0, {.BraceKind = 6, .BraceEndJoint = 3, .MudWallKind = 5}},
      {0, 16, 0, 0, 0, {.BraceKind = 5}},
      {0, 0, 25, 46, 0, {.PanelLeft = 2, .PanelRight = 15, .FurringLeft = 1}},
      {0, 0, 55, 56, 0, {.PanelLeft = 27, .PanelRight = 27, .FurringRight = 1}},
      {0, 0, 34, 59, 0, {}},  // codes without an entry give 0
      {2, 0, 0, 0, 19, {.OpeningKind = 2, .FittingSymbol = 1, .WingWallStart = 0.91, .WingWallEnd = 0.91}},
      {0,
       0,
       0,
       0,
       16 * 5 + 8 + 4 + 1,
       {.FittingSymbol = 5, .WingWallEnd = 1.82, .FlipInOut = 1, .FlipLeftRight = 1}},
      {0, 0, 0, 0, 2, {.WingWallStart = 1.82}},
  };
  Yt8File f = WithModuleGrid(false);
  for (const Case& c : cases)
    f.lines[Yt8Wall][0].push_back(Line({0, 0, 4, 0, c.w4, c.w5, c.w6, c.w7, 99, c.w9, 99}));
  EXPECT_TRUE(Read(f));
  ASSERT_EQ(WallCount[0][0], static_cast<int>(std::size(cases)));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    WallRecord expected = cases[i].expected;
    expected.X1 = expected.Y1 = expected.Y2 = 50;
    expected.X2 = 54;
    expected.Deterioration = 2;
    WallRecord actual = Walls[0][0][i];
    EXPECT_NEAR(actual.WingWallStart, expected.WingWallStart, 1e-12) << i;
    EXPECT_NEAR(actual.WingWallEnd, expected.WingWallEnd, 1e-12) << i;
    actual.WingWallStart = expected.WingWallStart;
    actual.WingWallEnd = expected.WingWallEnd;
    EXPECT_TRUE(actual == expected) << "case " << i;
  }
}

TEST_F(Yt8FileTest, RetrofitWallCodes) {
  struct Case {
    int w4, w5, w6, w7, w9;
    WallRecord expected;
  } cases[] = {
      {7, 0, 0, 0, 0, {.OpeningKind = 0}},
      {9, 0, 0, 0, 0, {.OpeningKind = 1}},
      {14, 0, 0, 0, 0, {.OpeningKind = 3}},
      {0, 27, 0, 0, 0, {.BraceKind = 2, .BraceEndJoint = 3, .BraceArrangement = 1}},
      {0, 64, 0, 0, 0, {.BraceKind = 5, .BraceEndJoint = 1}},
      {0,
       4 * 128 + 83,
       0,
       0,
       0,
       {.BraceKind = 6, .BraceEndJoint = 3, .BraceArrangement = 1, .MudWallKind = 4}},
      {0, 11, 0, 0, 0, {}},
      {0, 0, 33, 3, 0, {.PanelLeft = 29, .PanelRight = 1, .FurringLeft = 1}},
      {0, 0, 58, 69, 6, {.PanelLeft = 4, .Deterioration = 6}},
  };
  Yt8File f = WithModuleGrid(true);
  for (const Case& c : cases)
    f.lines[Yt8Wall][0].push_back(Line({0, 0, 4, 0, c.w4, c.w5, c.w6, c.w7, 99, c.w9, 99, 99}));
  EXPECT_TRUE(Read(f));
  ASSERT_EQ(WallCount[0][0], static_cast<int>(std::size(cases)));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    WallRecord expected = cases[i].expected;
    expected.X1 = expected.Y1 = expected.Y2 = 50;
    expected.X2 = 54;
    EXPECT_TRUE(Walls[0][0][i] == expected) << "case " << i;
  }
}

TEST_F(Yt8FileTest, FloorSpecificationCodes) {
  struct Case {
    bool retrofit;
    int stored, specCode;
  } cases[] = {
      {false, 0, 3},   {false, 1, 233},  // FloorSpecTable row 9 with HorizontalBraceTable row 7
      {false, 2, 9},   {false, 7, 7},          {false, 12 + 32 * 3, 12 + 32 * 3},
      {true, 547, 35},  // 17 x 32 + 3: brace row 17 - 16 = 1
      {true, 21, 21},  {true, 16 * 32 + 5, 5},
  };
  for (const Case& c : cases) {
    Yt8File f = WithModuleGrid(c.retrofit);
    f.lines[Yt8SpecRect][0] = {Line({0, 0, 1, 1, c.stored})};
    f.lines[Yt8SpecTriangle][0] = {Line({0, 0, 1, 0, 0, 1, c.stored})};
    EXPECT_TRUE(Read(f)) << c.stored;
    EXPECT_EQ(FloorSpecRects[0][0][0].SpecCode, c.specCode) << c.stored;
    EXPECT_EQ(FloorSpecTriangles[0][0][0].SpecCode, c.specCode) << c.stored;
  }
}

TEST_F(Yt8FileTest, RetrofitPanelRowsAreWordFields) {
  Yt8File f;
  f.retrofit = true;
  f.panelSymbols[0] = "  X1 ";                     // row 34
  f.panelNames[0] = "\xca\xdf\xc8\xd9 two words";  // ﾊﾟﾈﾙ
  f.panelStrengths[0] = 2.5;
  f.panelSymbols[1] = "     ";  // blanks only: row 35 keeps "X2"
  f.panelNames[1] = std::string(23, ' ');
  f.panelSymbols[2] = "";  // NUL first: row 36 empties
  f.panelNames[2] = "";
  f.panelSymbols[9] = "Q9";  // row 43
  EXPECT_TRUE(Read(f));
  EXPECT_EQ(FixedView(PanelTable[34].Symbol, 8), u"X1");
  EXPECT_EQ(FixedView(PanelTable[34].Name, PanelNameCapacity), u"ﾊﾟﾈﾙ");
  EXPECT_EQ(PanelTable[34].Strength, 2.5);
  EXPECT_EQ(FixedView(PanelTable[35].Symbol, 8), u"X2");
  EXPECT_EQ(FixedView(PanelTable[35].Name, PanelNameCapacity), u"その他2");
  EXPECT_EQ(FixedView(PanelTable[36].Symbol, 8), u"");
  EXPECT_EQ(FixedView(PanelTable[36].Name, PanelNameCapacity), u"");
  EXPECT_EQ(FixedView(PanelTable[43].Symbol, 8), u"Q9");
  EXPECT_EQ(FixedView(PanelTable[44].Symbol, 8), u"Xb");  // not in the file
}

TEST_F(Yt8FileTest, RetrofitMethodCodeAndOutline) {
  struct Case {
    int code, diagnosisMethod, requiredStrengthMethod;
  } cases[] = {{0, 1, 2}, {1, 2, 2}, {2, 2, 3}, {3, 3, 0}};
  for (const Case& c : cases) {
    ProjectSettings.RequiredStrengthMethod = 0;
    Yt8File f;
    f.retrofit = true;
    f.storedRevision = 1;
    f.methodCode = c.code;
    f.clientName = "\x8e\x52\x93\x63";
    f.topStorey = {0, 2, 1};
    f.ground = 0;
    f.horizontalBraces = 2;
    f.storeyHeights[4] = 3.25;
    EXPECT_TRUE(Read(f)) << c.code;
    EXPECT_EQ(ProjectSettings.Revision, 0);
    EXPECT_EQ(ProjectSettings.DiagnosisMethod, c.diagnosisMethod) << c.code;
    EXPECT_EQ(ProjectSettings.RequiredStrengthMethod, c.requiredStrengthMethod) << c.code;
    EXPECT_EQ(FixedView(ProjectSettings.ClientName, 80), u"山田");
    EXPECT_EQ(ProjectSettings.TopStorey[1], 2);
    EXPECT_EQ(ProjectSettings.GroundClass, 0);
    EXPECT_EQ(ProjectSettings.HorizontalBraces, 2);
    EXPECT_EQ(ProjectSettings.StoreyHeight[1][1], 3.25);
  }
}

TEST_F(Yt8FileTest, CodesNoTableKnowsMakeTheFileBroken) {
  struct Case {
    const char* what;
    bool retrofit;
    int kind;
    std::string line;
  } cases[] = {
      {"diagnosis brace code 60", false, Yt8Wall, Line({0, 0, 1, 0, 0, 60, 0, 0, 0, 0, 0})},
      {"diagnosis panel code 60", false, Yt8Wall, Line({0, 0, 1, 0, 0, 0, 60, 0, 0, 0, 0})},
      {"diagnosis opening kind 4", false, Yt8Wall, Line({0, 0, 1, 0, 4, 0, 0, 0, 0, 0, 0})},
      {"diagnosis fitting symbol 12", false, Yt8Wall, Line({0, 0, 1, 0, 0, 0, 0, 0, 0, 12 * 16, 0})},
      {"diagnosis negative code", false, Yt8Wall, Line({0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0})},
      {"old axis 150", false, Yt8Column, Line({150, 0, 1, 0})},
      {"old axis -51", false, Yt8Foundation, Line({-51, 0, 1, 0, 0})},
      {"diagnosis floor-specification code 500", false, Yt8SpecRect, Line({0, 0, 1, 1, 500})},
      {"retrofit opening code 15", true, Yt8Wall, Line({0, 0, 1, 0, 15, 0, 0, 0, 0, 0, 0, 0})},
      {"retrofit brace code 84", true, Yt8Wall, Line({0, 0, 1, 0, 0, 84, 0, 0, 0, 0, 0, 0})},
      {"retrofit mud-wall code 6", true, Yt8Wall, Line({0, 0, 1, 0, 0, 6 * 128, 0, 0, 0, 0, 0, 0})},
      {"retrofit panel code 70", true, Yt8Wall, Line({0, 0, 1, 0, 0, 0, 0, 70, 0, 0, 0, 0})},
      {"retrofit frame state 3", true, Yt8Wall, Line({0, 0, 1, 0, 0, 0, 0, 0, 0, 3, 0, 0})},
      {"retrofit floor-specification code 40 (brace row -15)", true, Yt8SpecRect, Line({0, 0, 1, 1, 40})},
      {"column type 4", false, Yt8Column, Line({0, 0, 4, 0})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    boxes = ScriptedMessageBox();
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    Yt8File f = WithModuleGrid(c.retrofit);
    f.lines[c.kind][0] = {c.line};
    // A sound record after the broken one, never reached.
    f.lines[Yt8FreeLine][0] = {Line({1, 1, 2, 2}, false) + (c.retrofit ? std::string(28, ' ') : "") +
                               "0       0" + std::string(1, '\0')};
    EXPECT_FALSE(Read(f));
    EXPECT_TRUE(boxes.Calls().empty()) << "the reader leaves the message to the open step";
    EXPECT_EQ(SumOfEveryCount(), 0);
    EXPECT_EQ(GridAxisX[50], 45.5);  // the grid before the records stays
    const char* why = "";
    EXPECT_TRUE(IsModelConsistent(&why)) << why;
  }
}

TEST_F(Yt8FileTest, ShortFilesAreBroken) {
  for (bool retrofit : {false, true}) {
    boxes = ScriptedMessageBox();
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    Yt8File f = WithModuleGrid(retrofit);
    f.lines[Yt8Column][0] = {retrofit ? Line({3, 4, 1, 0, 0}) : Line({3, 4, 1, 0})};
    std::vector<unsigned char> file = f.Build();
    file.resize(file.size() - 1);
    ResetModel(ResetBeforeLoad);
    const auto afterMagic = std::span(file).subspan(4);
    EXPECT_FALSE(retrofit ? ReadYt8RetrofitFile(afterMagic) : ReadYt8DiagnosisFile(afterMagic));
    EXPECT_TRUE(boxes.Calls().empty()) << "the reader leaves the message to the open step";
    EXPECT_EQ(ColumnCount[0][0], 1);  // read whole before the end
  }
}

}  // namespace
