// Write, read, write: a model with every kind of element on every storey of
// the three variants and every stored setting off its start value comes back
// field by field, and its second file is byte-identical to the first. Values
// stay inside the precisions the layout keeps (0.001 for lengths and "%7.3f"
// values, 0.01 for gable values, 0.1 for wall factors, whole N/m² for the load
// take-off table) and avoid the transformations the reader makes on purpose.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ProjectFileSupport.h"
#include "files/ProjectFile.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ViewState.h"
#include "platform/TextCodec.h"

namespace {

class Filler {
 public:
  explicit Filler(unsigned seed) : rng_(seed) {}

  int32_t Int(int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(rng_); }
  // A multiple of 1 / steps in [lo, hi].
  double Real(double lo, double hi, int steps) {
    return Int(static_cast<int32_t>(lo * steps), static_cast<int32_t>(hi * steps)) /
           static_cast<double>(steps);
  }
  double Milli(double lo, double hi) { return Real(lo, hi, 1000); }

  // Up to maxChars characters: ASCII, blanks, kana and kanji, a full-width space.
  template <std::size_t N>
  void Text(char16_t (&text)[N], std::size_t maxChars, bool blanks = true) {
    static const std::u16string kChars = u"AZaz09-@*居間和室ﾊﾟﾈﾙ①　 ";
    std::u16string s;
    const auto n = static_cast<std::size_t>(Int(0, static_cast<int32_t>(std::min(maxChars, N - 1))));
    while (s.size() < n) {
      const char16_t c = kChars[static_cast<std::size_t>(Int(0, static_cast<int32_t>(kChars.size()) - 1))];
      if (c != u' ' || blanks) s.push_back(c);
    }
    CopyToFixed(text, N, s);
  }

 private:
  std::mt19937 rng_;
};

void FillRecord(Filler& f, ColumnRecord& r) {
  r = ColumnRecord{f.Int(-9999, 99999), f.Int(0, 199), f.Int(0, 199), f.Int(1, 3), f.Int(0, 29),
                   f.Int(0, 2),         f.Int(0, 2),   f.Int(0, 5),   f.Int(0, 6), f.Int(0, 2)};
}

void FillRecord(Filler& f, WallRecord& r) {
  r = WallRecord{f.Int(-9999, 99999), f.Int(0, 199),
                 f.Int(0, 199),       f.Int(0, 199),
                 f.Int(0, 199),       f.Int(0, 3),
                 f.Int(0, 1),         f.Int(0, 11),
                 f.Milli(0, 9),       f.Milli(0, 9),
                 f.Int(0, 1),         f.Int(0, 1),
                 f.Int(0, 10),        f.Int(0, 3),
                 f.Int(0, 1),         f.Int(0, 5),
                 f.Int(0, 44),        f.Int(0, 44),
                 f.Int(0, 2),         f.Int(0, 2),
                 f.Milli(0, 999),     f.Milli(0, 9),
                 f.Milli(0, 9),       f.Milli(-99, 9),
                 f.Milli(0, 9),       f.Int(0, 2) + 4 * f.Int(0, 63),
                 f.Int(0, 2),         f.Milli(0, 999.999)};
}

void FillRecord(Filler& f, SpareKind3Record& r) {
  r = SpareKind3Record{f.Int(-9999, 99999), f.Int(0, 199),     f.Int(0, 199),
                       f.Int(0, 199),       f.Int(0, 199),     f.Int(-9999, 99999),
                       f.Int(-9999, 99999), f.Milli(-99, 999), f.Milli(-99, 999)};
}

void FillRecord(Filler& f, GableWallRecord& r) {
  r = GableWallRecord{f.Int(-9999, 99999), f.Int(0, 199),    f.Int(0, 199), f.Int(0, 199),
                      f.Int(0, 199),       f.Int(0, 2),      f.Int(0, 2),   f.Real(0, 9999.99, 100),
                      f.Real(0, 2, 100),   f.Real(0, 9, 100)};
}

template <class Area>
void FillArea(Filler& f, Area& r) {
  r.Reserved = f.Int(-9999, 99999);
  r.X1 = f.Int(0, 199);
  r.Y1 = f.Int(0, 199);
  r.X2 = f.Int(0, 199);
  r.Y2 = f.Int(0, 199);
  if constexpr (requires { r.X3; }) {
    r.X3 = f.Int(0, 199);
    r.Y3 = f.Int(0, 199);
  }
}

void FillRecord(Filler& f, auto& r) requires requires { r.AreaCode; }
{
  FillArea(f, r);
  r.AreaCode = f.Int(0, 19);
  r.NotEnclosed = f.Int(0, 1);
  r.LiveLoad = f.Milli(0, 999.999);
  r.WeightClass = r.AreaCode == 4 ? 1 : f.Int(0, 3);  // the reader forces class 1 for area code 4
  r.DeadLoad = f.Milli(0, 999.999);
  r.Slope = f.Milli(0, 1);
  r.AddedLoad = f.Milli(0, 999.999);
}

void FillRecord(Filler& f, auto& r) requires requires { r.SpecCode; }
{
  FillArea(f, r);
  r.SpecCode = f.Int(0, 21) + 32 * f.Int(0, 14);
}

void FillRecord(Filler& f, TextLabelRecord& r) {
  FillArea(f, r);
  f.Text(r.Text, 40);
}

void FillRecord(Filler& f, FoundationRecord& r) {
  FillArea(f, r);
  r.Type = f.Int(0, 2);
}

void FillRecord(Filler& f, FreeLineRecord& r) {
  FillArea(f, r);
  r.OffsetX1 = f.Milli(-99, 999);
  r.OffsetY1 = f.Milli(-99, 999);
  r.OffsetX2 = f.Milli(-99, 999);
  r.OffsetY2 = f.Milli(-99, 999);
  r.Style = f.Int(0, 5);
  r.Colour = f.Int(0, 0xFFFFFF);
}

void FillRecord(Filler& f, SpareKind12Record& r) {
  r = SpareKind12Record{f.Int(0, 199), f.Int(0, 199), f.Int(0, 199), f.Int(0, 199), f.Int(-9999, 99999)};
}

void FillElements(Filler& f) {
#define QUILMORA_FILL_LIST(kind, Record, records, count, swapBlock, max)       \
  for (int v = 0; v < VariantCount; ++v)                                       \
    for (int st = 0; st < StoreyCount; ++st) {                                 \
      count[v][st] = f.Int(1, 4);                                              \
      for (int i = 0; i < count[v][st]; ++i) FillRecord(f, records[v][st][i]); \
    }
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_FILL_LIST)
#undef QUILMORA_FILL_LIST
  // One full list, to cover the largest count.
  WallCount[2][2] = MaxWallsPerStorey;
  for (WallRecord& w : Walls[2][2]) FillRecord(f, w);
}

template <class Row>
void FillTableRow(Filler& f, Row& row, bool storesDiagnosisFlag) {
  f.Text(row.Symbol, 4, false);
  row.Strength = f.Milli(0, 99);
  row.Stiffness = f.Milli(0, 9999);
  row.WallFactor = f.Real(0, 99.9, 10);
  if (storesDiagnosisFlag) row.DiagnosisOnly = f.Int(0, 1);
  if constexpr (requires { row.DisplayKind; }) row.DisplayKind = f.Int(0, 3);
  f.Text(row.Name, 32);
}

void FillTablesAndGrid(Filler& f) {
  for (int i = 0; i < 6; ++i) FillTableRow(f, MudWallTable[i], false);
  for (int i = 0; i < 13; ++i) FillTableRow(f, BraceTable[i], true);
  for (int i = 0; i < 44; ++i) FillTableRow(f, PanelTable[i], true);
  for (int i = 0; i < 5; ++i) {
    f.Text(FloorSpecTableName[17 + i], 31);
    FloorSpecTableFactor[17 + i] = f.Milli(0, 9);
    f.Text(HorizontalBraceTableName[10 + i], 31);
    HorizontalBraceTableFactor[10 + i] = f.Milli(0, 9);
  }
  for (JointHardwareRow& row : JointHardwareTable) {
    f.Text(row.Name, 16);
    f.Text(row.Symbol, 7);
    row.AllowableTension = f.Milli(0, 99);
  }
  int32_t xMillimetres = 0, yMillimetres = 0;
  for (int i = 0; i < 200; ++i) {
    GridAxisX[i] = (xMillimetres += f.Int(100, 2000)) / 1000.0;
    GridAxisY[i] = (yMillimetres += f.Int(100, 2000)) / 1000.0;
    GridAxisKindX[i] = f.Int(0, 2);
    GridAxisKindY[i] = f.Int(0, 2);
  }
  GridModule = 0.455;
}

void FillSettings(Filler& f) {
  ProjectSettingsData& p = ProjectSettings;
  p.Revision = 1;
  p.DiagnosisMethod = 3;
  p.RequiredStrengthMethod = 0;
  p.BalanceMethod = 1;
  p.OtherElementsMethod = 1;
  p.OpeningWallBasis = 1;
  p.JointHardwareMethod = 2;
  p.SnowCase = 1;
  p.SpareFlag = 77;
  p.WallQuantityFeature = 0;
  p.VerificationFeature = 0;
  for (int v = 0; v < VariantCount; ++v) {
    p.TopStorey[v] = f.Int(0, 2);
    p.AtticStorage[v] = f.Int(0, 1);
    p.WeightClass[v] = f.Int(0, 2);
    p.SpareVariantValue[v] = f.Int(-9999, 99999);
    p.BuildingArea[v] = f.Milli(0, 9999);
    p.TotalFloorArea[v] = f.Milli(0, 9999);
    for (int s = 0; s < StoreyCount; ++s) {
      p.LawFloorArea[s][v] = f.Milli(0, 9999);
      p.StoreyHeight[v][s] = f.Milli(2, 4);
      p.ManualFloorArea[v][s] = f.Milli(0, 999);
      p.ManualZoneAreaA[v][s] = f.Milli(0, 999);
      p.ManualZoneAreaB[v][s] = f.Milli(0, 999);
      p.ManualZoneArea1[v][s] = f.Milli(0, 999);
      p.ManualZoneArea2[v][s] = f.Milli(0, 999);
    }
    for (int32_t& w : p.PartWeightClass[v]) w = f.Int(0, 2);
  }
  p.RegionFactorZ = 0.8;
  p.SnowLoad = 0.338;
  p.GroundClass = 2;
  p.VerySoftGround = 1;
  p.MixedStructure = 2;
  p.StructureType = 1;
  p.BuildingUse = 3;
  p.Garage = 2;
  p.Basement = 1;
  p.FoundationType = 3;
  p.FoundationCracks = 1;
  p.FoundationTieBeams = 1;
  for (int32_t& c : p.CrackCause) c = f.Int(0, 1);
  p.UniformFoundation = 1;
  p.FloorMaterial = 2;
  p.HorizontalBraces = 2;
  p.Atrium = 1;
  p.UniformFloorSpec = 1;
  for (auto* text : {&p.ClientAddress, &p.ClientName, &p.OwnerAddress, &p.BuildingName, &p.SiteAddress,
                     &p.BuildingLocation, &p.DesignerName, &p.UseText, &p.FoundationNote, &p.CrackLocation,
                     &p.CrackCauseText, &p.SpareDeteriorationText})
    f.Text(*text, 79);
  f.Text(p.ClientTel, 31);
  f.Text(p.OwnerTel, 31);
  f.Text(p.BuildingUseOther, 63);
  for (int i = 0; i < BuildDateEntries; ++i) {
    f.Text(p.BuildYear[i], 9);
    f.Text(p.BuildMonth[i], 9);
    f.Text(p.SpareDateText[i], 9);
    p.BuildDateUnknown[i] = f.Int(0, 1);
    p.RenovationDone[i] = f.Int(0, 1);
  }
  p.AppendTei = 0;
  p.NotDwellingOnly = 1;
  const int32_t largestAnswer[DeteriorationAnswerCount] = {2, 3, 3, 2, 3, 1, 2, 2, 2, 2, 2, 2, 1, 1, 2, 2, 2};
  for (int i = 0; i < DeteriorationAnswerCount; ++i) p.DeteriorationAnswer[i] = f.Int(1, largestAnswer[i]);
  for (auto& text : p.DeteriorationText) f.Text(text, 79);
  p.RetrofitDeteriorationRule = 1;
  p.DistinguishBraceDirection = 1;
  p.CountSteepDiagonalWalls = 1;
  p.EccentricityOptions = 0x35;
  p.LeanToColumnsTopStorey = 0;
  p.GravityCentreBySpec = 0;
  p.JointIIIRule = 1;
  p.WallStrengthStandard = 1;
  p.NValueWallFactor = 1;
  p.UnratedOpeningWallStrength = 1;
  p.LowStrengthWallReduction = 1;
  p.UnratedSolidWallRule = 0;
  p.Method2ColumnRule = 2;
  p.VerificationDeterioration = 85;
  p.AxisNumbering = 3;
  for (int32_t* show :
       {&p.ShowRetrofitCaution, &p.ShowBeamStress, &p.ShowWallElements, &p.ShowWallStrength,
        &p.ShowReducedStrength, &p.ShowColumnNValue, &p.ShowRetrofitPlaces, &p.ShowOtherStoreyWalls})
    *show = 0;
  for (auto& row : p.LoadTakeOff)
    for (double& load : row) load = f.Int(1, 99999);
  p.ManualFloorAreas = 1;
}

// Everything a project file stores, copied out of the program-wide model.
struct Snapshot {
  ProjectSettingsData Settings;
  int32_t Variant;
  std::array<PanelSpecRow, PanelTableRows> Panels;
  std::array<ElementSpecRow, BraceTableRows> Braces;
  std::array<ElementSpecRow, MudWallTableRows> MudWalls;
  std::vector<std::u16string> FloorNames;
  std::vector<double> FloorFactors;
  std::array<JointHardwareRow, JointHardwareTableRows> Hardware;
  std::vector<double> Grid;
  std::vector<int32_t> Kinds;
  std::vector<int32_t> Counts;
#define QUILMORA_SNAPSHOT_MEMBER(kind, Record, records, count, swapBlock, max) std::vector<Record> kind##List;
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_SNAPSHOT_MEMBER)
#undef QUILMORA_SNAPSHOT_MEMBER

  static Snapshot Take() {
    Snapshot s;
    s.Settings = ProjectSettings;
    s.Variant = CurrentVariant;
    std::copy(std::begin(PanelTable), std::end(PanelTable), s.Panels.begin());
    std::copy(std::begin(BraceTable), std::end(BraceTable), s.Braces.begin());
    std::copy(std::begin(MudWallTable), std::end(MudWallTable), s.MudWalls.begin());
    for (int i = 0; i < FloorSpecTableRows; ++i) {
      s.FloorNames.emplace_back(FixedView(FloorSpecTableName[i], FloorFactorNameCapacity));
      s.FloorFactors.push_back(FloorSpecTableFactor[i]);
    }
    for (int i = 0; i < HorizontalBraceTableRows; ++i) {
      s.FloorNames.emplace_back(FixedView(HorizontalBraceTableName[i], FloorFactorNameCapacity));
      s.FloorFactors.push_back(HorizontalBraceTableFactor[i]);
    }
    std::copy(std::begin(JointHardwareTable), std::end(JointHardwareTable), s.Hardware.begin());
    s.Grid.assign(std::begin(GridAxisX), std::end(GridAxisX));
    s.Grid.insert(s.Grid.end(), std::begin(GridAxisY), std::end(GridAxisY));
    s.Grid.push_back(GridModule);
    s.Kinds.assign(std::begin(GridAxisKindX), std::end(GridAxisKindX));
    s.Kinds.insert(s.Kinds.end(), std::begin(GridAxisKindY), std::end(GridAxisKindY));
#define QUILMORA_SNAPSHOT_LIST(kind, Record, records, count, swapBlock, max)                  \
  for (int v = 0; v < VariantCount; ++v)                                                      \
    for (int st = 0; st < StoreyCount; ++st) {                                                \
      s.Counts.push_back(count[v][st]);                                                       \
      s.kind##List.insert(s.kind##List.end(), records[v][st], records[v][st] + count[v][st]); \
    }
    QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_SNAPSHOT_LIST)
#undef QUILMORA_SNAPSHOT_LIST
    return s;
  }
};

using ProjectFileRoundTripTest = ModelTest;

}  // namespace

TEST_F(ProjectFileRoundTripTest, EveryStoredValueSurvivesWriteAndRead) {
  Filler f(20250613);
  FillTablesAndGrid(f);
  FillSettings(f);
  FillElements(f);
  CurrentVariant = 2;
  const Snapshot before = Snapshot::Take();
  const std::vector<unsigned char> first = WriteProjectFile();

  // Start over from the values of a fresh program, then load.
  RestoreProjectSettingsStartValues();
  RestoreElementTableStartValues();
  GridModule = DefaultGridModule;
  ResetModel(ResetForStartUp);
  ASSERT_TRUE(ReadBack(first));

  const Snapshot after = Snapshot::Take();
  EXPECT_TRUE(after.Settings == before.Settings);
  EXPECT_EQ(after.Variant, 2);
  EXPECT_TRUE(after.Panels == before.Panels);
  EXPECT_TRUE(after.Braces == before.Braces);
  EXPECT_TRUE(after.MudWalls == before.MudWalls);
  EXPECT_EQ(after.FloorNames, before.FloorNames);
  EXPECT_EQ(after.FloorFactors, before.FloorFactors);
  EXPECT_TRUE(after.Hardware == before.Hardware);
  EXPECT_EQ(after.Grid, before.Grid);
  EXPECT_EQ(after.Kinds, before.Kinds);
  EXPECT_EQ(after.Counts, before.Counts);
#define QUILMORA_COMPARE_LIST(kind, Record, records, count, swapBlock, max) \
  EXPECT_TRUE(after.kind##List == before.kind##List) << #kind;
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_COMPARE_LIST)
#undef QUILMORA_COMPARE_LIST

  EXPECT_EQ(WriteProjectFile(), first);
}

namespace {

template <std::size_t N>
void Put(char16_t (&text)[N], std::u16string_view value) {
  CopyToFixed(text, N, value);
}
template <std::size_t N>
std::u16string Got(const char16_t (&text)[N]) {
  return std::u16string(FixedView(text, N));
}

void PutArea(int32_t areaCode, int32_t weightClass) {
  testmodel::SetList(0, 1, {RoofFloorRectRecord{0, 0, 0, 2, 2, areaCode, 0, 600, weightClass, 950, 0.5, 0}});
  testmodel::SetList(0, 1,
                     {RoofFloorTriangleRecord{0, 0, 0, 4, 0, 0, 4, areaCode, 0, 0, weightClass, 0, 0, 0}});
}

}  // namespace

// Values a dialog can enter that a field cannot hold as they are: the writer
// writes them as the reader gives them back, so that save, load and save give
// the same bytes and the load shows what the second save writes.
TEST_F(ProjectFileRoundTripTest, OddValuesADialogCanEnterSaveLoadAndSaveTheSame) {
  const std::u16string house = u"\U0001F3E0";                       // one character, a surrogate pair
  const std::u16string name15 = u"ホールダウン金物２０ｋＮ用Ａ型";  // 15 units
  ASSERT_EQ(name15.size(), 15u);
  struct Case {
    const char* what;
    std::function<void()> enter;
    std::function<void()> check;
  } cases[] = {
      {"panel symbol with two trailing blanks", [] { Put(PanelTable[34].Symbol, u"AB  "); },
       [] { EXPECT_EQ(Got(PanelTable[34].Symbol), u"AB"); }},
      {"panel symbol of a letter and two blanks", [] { Put(PanelTable[35].Symbol, u"A  "); },
       [] { EXPECT_EQ(Got(PanelTable[35].Symbol), u"A "); }},
      {"brace symbol of five letters", [] { Put(BraceTable[9].Symbol, u"ABCDE"); },
       [] { EXPECT_EQ(Got(BraceTable[9].Symbol), u"ABCD"); }},
      {"panel symbol whose 4th and 5th units are a pair", [&] { Put(PanelTable[36].Symbol, u"ABC" + house); },
       [] { EXPECT_EQ(Got(PanelTable[36].Symbol), u"ABC"); }},
      {"brace name of 40 characters", [] { Put(BraceTable[10].Name, std::u16string(40, u'筋')); },
       [] { EXPECT_EQ(Got(BraceTable[10].Name), std::u16string(32, u'筋')); }},
      {"panel name whose 32nd and 33rd units are a pair",
       [&] { Put(PanelTable[37].Name, std::u16string(31, u'板') + house + u"x"); },
       [] { EXPECT_EQ(Got(PanelTable[37].Name), std::u16string(31, u'板')); }},
      {"text label of 45 characters",
       [] {
         testmodel::SetList(1, 0, {TextLabelRecord{0, 1, 1, 1, 1}});
         Put(TextLabels[1][0][0].Text, std::u16string(45, u'間'));
       },
       [] { EXPECT_EQ(Got(TextLabels[1][0][0].Text), std::u16string(40, u'間')); }},
      {"text label whose 40th and 41st units are a pair",
       [&] {
         testmodel::SetList(1, 0, {TextLabelRecord{0, 1, 1, 1, 1}});
         Put(TextLabels[1][0][0].Text, std::u16string(39, u'間') + house);
       },
       [] { EXPECT_EQ(Got(TextLabels[1][0][0].Text), std::u16string(39, u'間')); }},
      // The file keeps 16 units of a hardware name: cut before the pair, never into U+FFFD.
      {"hardware name whose 16th and 17th units are a pair",
       [&] { Put(JointHardwareTable[15].Name, name15 + house + u"用"); },
       [&] { EXPECT_EQ(Got(JointHardwareTable[15].Name), name15); }},
      {"hardware name of 31 characters", [] { Put(JointHardwareTable[16].Name, std::u16string(31, u'金')); },
       [] { EXPECT_EQ(Got(JointHardwareTable[16].Name), std::u16string(16, u'金')); }},
      // Area code 4 (a heavy roof) always reads with weight class 1.
      {"area code 4 with weight class 0", [] { PutArea(4, 0); },
       [] { EXPECT_EQ(RoofFloorTriangles[0][1][0].WeightClass, 1); }},
      {"area code 4 with weight class 2", [] { PutArea(4, 2); },
       [] { EXPECT_EQ(RoofFloorRects[0][1][0].WeightClass, 1); }},
      {"area code 4 with weight class 3", [] { PutArea(4, 3); },
       [] { EXPECT_EQ(RoofFloorRects[0][1][0].WeightClass, 1); }},
      // An atrium has no weight choice: the palette gives it class 4.
      {"atrium from the palette", [] { PutArea(1, 4); },
       [] { EXPECT_EQ(RoofFloorRects[0][1][0].WeightClass, 4); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RestoreProjectStartValues();
    ResetModel(ResetForStartUp);
    c.enter();
    const std::vector<unsigned char> first = WriteProjectFile();
    RestoreProjectStartValues();
    ResetModel(ResetForStartUp);
    ASSERT_TRUE(ReadBack(first));
    c.check();
    EXPECT_EQ(WriteProjectFile(), first);
  }
}
