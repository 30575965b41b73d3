// Damaged and odd project files from tests/data/damaged: a damaged file is
// reported once and leaves a consistent model, an intact one loads, and a
// save, a reload and a second save give the same bytes and the same results.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "ProjectFileBytes.h"
#include "ProjectFileSupport.h"
#include "ResultSnapshot.h"
#include "chain/RecalculationChain.h"
#include "editing/ProjectLoad.h"
#include "files/ElementDataFile.h"
#include "files/ProjectFile.h"
#include "files/ProjectFileFields.h"
#include "model/FileState.h"
#include "model/ModelValidation.h"
#include "model/ViewState.h"
#include "platform/FileAccess.h"
#include "presentation/ResultsPanel.h"

namespace {

const std::filesystem::path kDamaged = QUILMORA_DAMAGED_FIXTURES_DIR;

class DamagedFilesTest : public ModelTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::is_directory(kDamaged)) << "the damaged fixtures are missing: " << kDamaged;
    ModelTest::SetUp();
  }

  // The program as it starts, before a file is opened.
  static void FreshProgram() {
    RestoreProjectStartValues();
    ResetModel(ResetForStartUp);
  }

  // File > Open of a fixture, from the disk.
  OpenResult Open(const std::string& name) {
    const std::string path = (kDamaged / name).string();
    const std::vector<unsigned char> bytes = ReadProjectFileBytes(path);
    EXPECT_FALSE(bytes.empty()) << name;
    return OpenProjectFile(bytes, path);
  }
};

// The captions of the results panel after two runs of the chain (the chain
// reaches its fixed point on the second).
std::vector<std::string> PanelAfterRecalculation() {
  RunRecalculationChain();
  RunRecalculationChain();
  std::vector<std::string> captions;
  for (const PanelLabelEntry& entry : PanelLabels) captions.push_back((ResultsPanel.*entry.Label).Caption);
  return captions;
}

TEST_F(DamagedFilesTest, ShiftedOrOverlongFilesAndImpossibleValuesAreReportedOnce) {
  const struct {
    const char* file;
    const char* fault;
  } cases[] = {
      {"house2-client-ue-lf-to-crlf.tyc", "one byte inserted: a NUL after a field is no longer 0"},
      {"valid-plus-1-byte.tyc", "a byte after the last block"},
      {"ty0-axis-1e13.ty0", "grid positions near 1e13 m"},
  };
  for (const auto& c : cases) {
    FreshProgram();
    ScriptedMessageBox local;
    ScopedMessageBoxPort port(&local);
    local.Expect("読込ファイルエラー", IDOK);
    EXPECT_EQ(Open(c.file), OpenResult::Broken) << c.file << ": " << c.fault;
    ExpectOneRefusedLoadMessage(local, (kDamaged / c.file).string(), true);
    const char* why = "";
    EXPECT_TRUE(IsModelConsistent(&why)) << c.file << ": " << why;
    EXPECT_EQ(CurrentFilePath, UntitledFilePath) << c.file;
    EXPECT_EQ(ModifiedFlag, 1) << c.file;
  }
}

// The byte inserted into a text of block 18 shifts every later field by one:
// today's reader found the region factor, the storey heights and the top
// storey as 0. Now the outline block is refused whole, and what the intact
// file holds before the damage (the tables, the grid, the element lists) is
// kept exactly.
TEST_F(DamagedFilesTest, ALineEndTurnedIntoCrLfKeepsWhatWasReadBeforeIt) {
  EXPECT_EQ(Open("house2-client-ue.tyc"), OpenResult::Loaded);
  EXPECT_GT(ProjectSettings.RegionFactorZ, 0);
  const int32_t walls = WallCount[0][0];
  const double axis = GridAxisX[60];
  ASSERT_GT(walls, 0);

  FreshProgram();
  boxes.Expect("読込ファイルエラー", IDOK);
  EXPECT_EQ(Open("house2-client-ue-lf-to-crlf.tyc"), OpenResult::Broken);
  EXPECT_EQ(WallCount[0][0], walls);
  EXPECT_EQ(GridAxisX[60], axis);
  // The outline block was not taken: the settings are those of the reset, not zeros.
  ProjectSettingsData reset = ProjectSettings;
  FreshProgram();
  EXPECT_EQ(reset.RegionFactorZ, ProjectSettings.RegionFactorZ);
  EXPECT_EQ(reset.TopStorey[0], ProjectSettings.TopStorey[0]);
}

// What a project brings besides its element lists.
struct ProjectState {
  ProjectSettingsData Settings;
  ElementTableSet Tables;
  std::vector<JointHardwareRow> Hardware;
  std::vector<double> Grid;  // both directions, then the module

  static ProjectState Take() {
    ProjectState s{ProjectSettings, {}, {std::begin(JointHardwareTable), std::end(JointHardwareTable)}, {}};
    CaptureElementTables(s.Tables);
    s.Grid.assign(std::begin(GridAxisX), std::end(GridAxisX));
    s.Grid.insert(s.Grid.end(), std::begin(GridAxisY), std::end(GridAxisY));
    s.Grid.push_back(GridModule);
    return s;
  }
  bool operator==(const ProjectState&) const = default;
};

// A project open before, with a client and values off every start value.
void OpenSomeClientsProject() {
  CopyToFixed(ProjectSettings.ClientName, 80, u"前田 施主");
  CopyToFixed(ProjectSettings.ClientAddress, 80, u"東京都千代田区1-1");
  CopyToFixed(ProjectSettings.DesignerName, 80, u"設計 次郎");
  ProjectSettings.DiagnosisMethod = 3;
  ProjectSettings.RequiredStrengthMethod = 0;
  ProjectSettings.WeightClass[0] = 2;
  ProjectSettings.BuildingArea[0] = 123.4;
  ProjectSettings.StoreyHeight[0][0] = 2.95;
  ProjectSettings.LoadTakeOff[2][1] = 1234;  // a stored 0 would keep it
  PanelTable[40].Strength = 9.9;
  FloorSpecTableFactor[FirstFloorSpecUserRow] = 4.2;
  JointHardwareTable[20].AllowableTension = 33;
  GridModule = 1.0;
  LayOutGridAtModule();
}

// A refused file leaves exactly what a program fresh from its start reads of
// it: the project open before (its client, designer, methods, building data,
// tables, hardware, grid module) is gone, the result untitled. The damage
// is reported once.
TEST_F(DamagedFilesTest, ARefusedFileKeepsNothingOfTheProjectOpenBefore) {
  std::vector<unsigned char> intact;
  ASSERT_TRUE(ReadWholeFile((kDamaged / "house2-client-ue.tyc").string(), intact, nullptr));
  const struct {
    const char* what;
    std::string name;
    std::size_t cut;  // bytes kept of the file, 0 for all
  } cases[] = {
      {"the outline block of a current file shifted", "house2-client-ue-lf-to-crlf.tyc", 0},
      {"a 2004 file whose grid is refused after its outline", "ty0-axis-1e13.ty0", 0},
      {"a current file cut inside its tables", "house2-client-ue.tyc", 1000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<unsigned char> file;
    ASSERT_TRUE(ReadWholeFile((kDamaged / c.name).string(), file, nullptr));
    if (c.cut) file.resize(c.cut);
    const auto openReportingOnce = [&] {
      ScriptedMessageBox local;
      ScopedMessageBoxPort port(&local);
      local.Expect("読込ファイルエラー", IDOK);
      EXPECT_EQ(OpenProjectFile(file, (kDamaged / c.name).string()), OpenResult::Broken);
      EXPECT_EQ(local.Calls().size(), 1u);
    };
    FreshProgram();
    openReportingOnce();
    const ProjectState fresh = ProjectState::Take();

    FreshProgram();
    OpenSomeClientsProject();
    openReportingOnce();
    EXPECT_TRUE(ProjectState::Take() == fresh);
    EXPECT_EQ(std::u16string_view(ProjectSettings.ClientName).find(u"前田"), std::u16string_view::npos);
    EXPECT_EQ(std::u16string_view(ProjectSettings.DesignerName).find(u"次郎"), std::u16string_view::npos);
    EXPECT_EQ(CurrentFilePath, UntitledFilePath);
  }
}

TEST_F(DamagedFilesTest, TheIntactProjectLoadsWithItsTexts) {
  EXPECT_EQ(Open("house2-client-ue.tyc"), OpenResult::Loaded);
  EXPECT_EQ(boxes.Calls().size(), 0u);
  const char* why = "";
  EXPECT_TRUE(IsModelConsistent(&why)) << why;
  EXPECT_EQ(CurrentFilePath, (kDamaged / "house2-client-ue.tyc").string());
  bool hasUe = false;
  for (const auto* text :
       {ProjectSettings.ClientAddress, ProjectSettings.ClientName, ProjectSettings.SiteAddress,
        ProjectSettings.BuildingName, ProjectSettings.OwnerAddress})
    hasUe = hasUe || std::u16string_view(text).find(u'上') != std::u16string_view::npos;
  EXPECT_TRUE(hasUe);
}

// Save, reload, save of every fixture: the same bytes and the same results.
// Some held a value that changed on every cycle (a negative "x 1000" value,
// a heavy roof's weight class, a five-character panel symbol, a lone high
// surrogate at the end of a text); a broken one counts with what it left.
TEST_F(DamagedFilesTest, SaveLoadSaveIsAFixedPoint) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(kDamaged))
    if (entry.path().extension() != ".md") files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  ASSERT_GE(files.size(), 8u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    FreshProgram();
    ScriptedMessageBox local;  // a fixture may be reported broken: its partial model still counts
    local.OnUnexpected = [](const std::string&) {};
    ScopedMessageBoxPort port(&local);
    Open(file);
    const std::vector<std::string> panel = PanelAfterRecalculation();
    const ResultSnapshot results(CurrentVariant);
    const std::vector<unsigned char> first = WriteProjectFile();

    FreshProgram();
    ASSERT_EQ(OpenProjectFile(first, "reloaded.tyc"), OpenResult::Loaded);
    EXPECT_EQ(PanelAfterRecalculation(), panel);
    // Imported axes are stored to the millimetre, so only a current-layout
    // file gives bit-identical results; the panel is the same for all.
    if (file.ends_with(".tyc")) {
      EXPECT_EQ(ResultSnapshot(CurrentVariant).DifferencesFrom(results), std::vector<std::string>{});
    }
    const std::vector<unsigned char> second = WriteProjectFile();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i)
      if (first[i] != second[i]) {
        ADD_FAILURE() << "first difference at byte " << i;
        break;
      }
  }
}

TEST_F(DamagedFilesTest, ImportedValuesAreThoseThatAReloadGives) {
  // A heavy roof (area code 4) of the oldest layout has weight class 1, as
  // every current-layout file gives it.
  EXPECT_EQ(Open("ty0-heavy-roof-weightclass.ty0"), OpenResult::Loaded);
  int heavy = 0;
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st) {
      for (int i = 0; i < RoofFloorRectCount[v][st]; ++i)
        if (RoofFloorRects[v][st][i].AreaCode == 4) {
          ++heavy;
          EXPECT_EQ(RoofFloorRects[v][st][i].WeightClass, 1);
        }
      for (int i = 0; i < RoofFloorTriangleCount[v][st]; ++i)
        if (RoofFloorTriangles[v][st][i].AreaCode == 4) {
          ++heavy;
          EXPECT_EQ(RoofFloorTriangles[v][st][i].WeightClass, 1);
        }
    }
  EXPECT_GT(heavy, 0);
}

// A five-character panel symbol of a retrofit file keeps the four characters
// that a current-layout file holds, so that it reads the same after a save.
TEST_F(DamagedFilesTest, ARetrofitPanelSymbolKeepsFourCharacters) {
  Yt8File f;
  f.retrofit = true;
  f.panelSymbols[0] = "ABCDE";
  f.panelSymbols[1] = "\xca\xdf\xc8\xd9X";  // ﾊﾟﾈﾙX
  ASSERT_EQ(OpenProjectFile(f.Build(), "old.ty2"), OpenResult::Loaded);
  EXPECT_EQ(FixedView(PanelTable[34].Symbol, ElementSymbolCapacity), u"ABCD");
  EXPECT_EQ(FixedView(PanelTable[35].Symbol, ElementSymbolCapacity), u"ﾊﾟﾈﾙ");
  const std::vector<unsigned char> saved = WriteProjectFile();
  FreshProgram();
  ASSERT_EQ(OpenProjectFile(saved, "saved.tyc"), OpenResult::Loaded);
  EXPECT_EQ(FixedView(PanelTable[34].Symbol, ElementSymbolCapacity), u"ABCD");
  EXPECT_EQ(FixedView(PanelTable[35].Symbol, ElementSymbolCapacity), u"ﾊﾟﾈﾙ");
}

// A lone high surrogate at the end of a text becomes one U+FFFD instead of
// disappearing one load later; a pair whose low half the field cuts off goes
// whole.
TEST(ProjectFileTexts, ALoneHighSurrogateAtTheEndBecomesAReplacementCharacter) {
  const struct {
    std::u16string field;  // 5 characters, as a table symbol field
    std::u16string read;
  } cases[] = {
      {std::u16string(u"AB") + char16_t(0xD800) + std::u16string(2, u'\0'), u"AB\uFFFD"},
      {std::u16string(u"A") + char16_t(0xD800) + char16_t(0xD801) + std::u16string(2, u'\0'),
       std::u16string(u"A") + char16_t(0xD800) + u"\uFFFD"},
      {std::u16string(u"ABC") + char16_t(0xD83D) + char16_t(0xDE00),
       u"ABC"},  // the pair's low half is the 5th
      {std::u16string(u"AB") + char16_t(0xD83D) + char16_t(0xDE00) + u'\0', std::u16string(u"AB\U0001F600")},
  };
  for (const auto& c : cases) {
    std::vector<unsigned char> bytes;
    for (char16_t ch : c.field) {
      bytes.push_back(static_cast<unsigned char>(ch & 0xFF));
      bytes.push_back(static_cast<unsigned char>(ch >> 8));
    }
    FieldReader reader(bytes, FieldWidths::Ytc);
    char16_t symbol[ElementSymbolCapacity] = {};
    reader.TableSymbol(symbol);
    EXPECT_TRUE(reader.Ok());
    EXPECT_EQ(std::u16string(symbol), c.read);

    // Written and read again, the text stays as it is.
    FieldWriter writer;
    writer.TableSymbol(symbol);
    FieldReader again(writer.Output(), FieldWidths::Ytc);
    char16_t reread[ElementSymbolCapacity] = {};
    again.TableSymbol(reread);
    EXPECT_EQ(std::u16string(reread), c.read);
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Checks of every layout, on files built here.

class LayoutChecksTest : public ModelTest {
 protected:
  OpenResult OpenSilently(const std::vector<unsigned char>& file, const std::string& name) {
    ScriptedMessageBox local;
    local.OnUnexpected = [](const std::string&) {};
    ScopedMessageBoxPort port(&local);
    RestoreProjectStartValues();
    ResetModel(ResetForStartUp);
    const OpenResult result = OpenProjectFile(file, name);
    EXPECT_EQ(local.Calls().size(), result == OpenResult::Loaded ? 0u : 1u) << name;
    return result;
  }
};

// A file of each layout with one byte appended, and one whose NUL after a
// number is another byte, is broken; the intact file loads.
TEST_F(LayoutChecksTest, ABytePastTheEndOrInPlaceOfANulBreaksEveryLayout) {
  OldProjectFile ytb, yta;
  yta.yta = true;
  Yt8File diagnosis, retrofit;
  retrofit.retrofit = true;
  const std::size_t noNul = 0;
  const struct {
    const char* name;
    std::vector<unsigned char> file;
    std::size_t nulAt;  // a NUL after a number field, or noNul
  } cases[] = {
      {"x.tyc", WriteProjectFile(), kElementBlocks + 8 + 40},  // after the first eight numbers of the outline
      {"x.tyc", ytb.Build(), noNul},
      {"x.tyc", yta.Build(), noNul},
      {"x.ty0", diagnosis.Build(), 4 + 81 + 81 + 17 + 17 + 33 + 409 + 81 + 5},  // after the first top storey
      {"x.ty2", retrofit.Build(), 4 + 5 + 16},  // after the first panel row's strength
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::string(c.file.begin(), c.file.begin() + 3));
    EXPECT_EQ(OpenSilently(c.file, c.name), OpenResult::Loaded);
    for (unsigned char extra : {'\0', ' ', '\n'}) {
      std::vector<unsigned char> longer = c.file;
      longer.push_back(extra);
      EXPECT_EQ(OpenSilently(longer, c.name), OpenResult::Broken) << int(extra);
      const char* why = "";
      EXPECT_TRUE(IsModelConsistent(&why)) << why;
    }
    if (c.nulAt != noNul) {
      ASSERT_EQ(c.file.at(c.nulAt), 0);
      std::vector<unsigned char> shifted = c.file;
      shifted[c.nulAt] = ' ';
      EXPECT_EQ(OpenSilently(shifted, c.name), OpenResult::Broken);
    }
  }
}

// Numbers that no house has are refused like an index outside its array;
// the largest accepted ones load.
TEST_F(LayoutChecksTest, NumbersBeyondTheirBoundsMakeTheFileBroken) {
  const struct {
    const char* what;
    void (*set)(double);
    double accepted, refused;
  } cases[] = {
      {"axis position", [](double v) { GridAxisX[199] = v; }, 9999.999, 10000.001},
      {"module", [](double v) { GridModule = v; }, 100, 100.001},
      {"storey height", [](double v) { ProjectSettings.StoreyHeight[2][1] = v; }, 100, 100.001},
      {"factor Z", [](double v) { ProjectSettings.RegionFactorZ = v; }, 10, 10.001},
      {"snow load", [](double v) { ProjectSettings.SnowLoad = v; }, 100, 100.5},
      {"building area", [](double v) { ProjectSettings.BuildingArea[1] = v; }, 1e6, 1e6 + 1},
      {"manual zone area", [](double v) { ProjectSettings.ManualZoneArea2[2][2] = v; }, 0, -0.001},
      {"negative storey height", [](double v) { ProjectSettings.StoreyHeight[0][0] = v; }, 0, -0.001},
      {"floor-type factor", [](double v) { FloorSpecTableFactor[FirstFloorSpecUserRow + 4] = v; }, 1000,
       1000.5},
  };
  for (const auto& c : cases) {
    for (double value : {c.accepted, c.refused}) {
      RestoreProjectSettingsStartValues();
      RestoreElementTableStartValues();
      GridModule = DefaultGridModule;
      ResetModel(ResetForStartUp);
      c.set(value);
      const std::vector<unsigned char> file = WriteProjectFile();
      EXPECT_EQ(OpenSilently(file, "x.tyc"), value == c.accepted ? OpenResult::Loaded : OpenResult::Broken)
          << c.what << " " << value;
      const char* why = "";
      EXPECT_TRUE(IsModelConsistent(&why)) << c.what << ": " << why;
    }
  }

  // The oldest layout holds axis positions of up to about 1e13 m.
  for (double stored : {9000.0, 1e12}) {
    Yt8File f;
    f.storedX[99] = stored;
    EXPECT_EQ(OpenSilently(f.Build(), "x.ty0"), stored < 1e4 ? OpenResult::Loaded : OpenResult::Broken)
        << stored;
  }
}
