// What the outline dialog shows and stores on its method and building pages:
// the radio a value checks and what a group gives back, number edits that give
// back the exact value when left alone, the snow-depth and Z lists, the build
// dates, the owner's address and the bounded text copies.
#include <gtest/gtest.h>

#include <string>

#include "model/ProjectSettings.h"
#include "platform/TextCodec.h"
#include "presentation/OutlineSheet.h"

namespace {

TEST(OutlineSheet, RadioGroupsShowAndStore) {
  const struct {
    const char* name;
    OutlineRadioGroup group;
    int32_t stored, checks;  // the radio a stored value checks (-1 none)
    int32_t none;            // what OK stores from the stored value with no radio checked
  } cases[] = {
      {"revision 2 from a file", RevisionGroup, 2, 2, 2},
      {"revision 9", RevisionGroup, 9, 2, 2},
      {"method 0 checks its disabled radio", DiagnosisMethodGroup, 0, 0, 0},
      {"method 5 checks none and is kept", DiagnosisMethodGroup, 5, -1, 5},
      {"required strength 7", RequiredStrengthGroup, 7, 3, 3},
      {"balance 4", BalanceGroup, 4, 1, 1},
      {"other elements 2", OtherElementsGroup, 2, 1, 1},
      {"opening walls 9", OpeningWallGroup, 9, 1, 1},
      {"mixed structure 5", MixedStructureGroup, 5, 2, 2},
      {"verification deterioration 50", VerificationDeteriorationGroup, 50, -1, 50},
      {"verification deterioration 85", VerificationDeteriorationGroup, 85, 85, 85},
      {"use 8", BuildingUseGroup, 8, 3, 3},
      {"garage 3", GarageGroup, 3, 2, 2},
      {"basement 5 shows あり", BasementGroup, 5, 1, 1},
      {"top storey 5 checks ３階建", TopStoreyGroup, 5, 2, 2},
      {"weight class 4", WeightClassGroup, 4, 2, 2},
      {"attic 3", AtticStorageGroup, 3, 1, 1},
      {"part weight 3 checks none and is kept", PartWeightGroup(2), 3, -1, 3},
      {"part weight 1", PartWeightGroup(4), 1, 1, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OutlineRadioToCheck(c.group, c.stored), c.checks) << c.name;
    EXPECT_EQ(OutlineRadioToStore(c.group, -1, c.stored), c.none) << c.name;
    EXPECT_EQ(OutlineRadioToStore(c.group, 1, c.stored), 1) << c.name;
  }
  EXPECT_STREQ(OutlineRadioSetting(PartWeightGroup(3)).Caption, "床");
  EXPECT_STREQ(OutlineRadioSetting(TopStoreyGroup).Choices[0].Radio[1], "Rkaisu10");
}

TEST(OutlineSheet, NumberEditsGiveBackTheExactValueWhenLeftAlone) {
  const OutlineNumberEdit area = FillOutlineNumber(0.45562, OutlineNumberFormat);
  EXPECT_EQ(area.Text, " 0.456");
  const NumberField& field = FileNumberBounds.Area;
  // Left alone, changed to a number, or to something that is none (the
  // value is then untouched: -1 stands for "nothing stored").
  const struct {
    const char* text;
    bool ok;
    double value;
  } cases[] = {{" 0.456", true, 0.45562}, {"0.456", true, 0.456}, {"１２．５", true, 12.5},
               {"12.5m", false, -1.0},    {"", false, -1.0},      {"abc", false, -1.0},
               {"nan", false, -1.0},      {"1e400", false, -1.0}, {"-0.5", false, -1.0}};
  for (const auto& c : cases) {
    double value = -1.0;
    EXPECT_EQ(ReadFilledNumber(area, c.text, field, value), c.ok) << c.text;
    EXPECT_DOUBLE_EQ(value, c.value) << c.text;
  }
  EXPECT_EQ(FillOutlineNumber(949.6, LoadTakeOffFormat).Text, " 950");
  EXPECT_EQ(FillOutlineNumber(1500, LoadTakeOffFormat).Text, "1500");
}

TEST(OutlineSheet, VariantSheetEditsAndTheirSettings) {
  const struct {
    int variant, edit;
    const char* name;
    int storey;
  } cases[] = {
      {0, SheetBuildingArea, "Ekenmen", -1},   {1, SheetBuildingArea, "Ekenmen1", -1},
      {0, SheetFloorArea1, "Eyuka1", 0},       {1, SheetFloorArea1, "Eyuka11", 0},
      {2, SheetFloorArea3, "Eyuka32", 2},      {0, SheetTotalFloorArea, "Enobe", -1},
      {2, SheetTotalFloorArea, "Enobe2", -1},  {0, SheetStoreyHeight1, "Etakasa01", 0},
      {2, SheetStoreyHeight3, "Etakasa23", 2}, {1, SheetStoreyHeight2, "Etakasa12", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VariantSheetEditName(c.variant, c.edit), c.name);
    EXPECT_EQ(VariantSheetEditStorey(c.edit), c.storey) << c.name;
  }
  ProjectSettingsData s{};
  VariantSheetValue(s, 2, SheetFloorArea2) = 1.5;
  VariantSheetValue(s, 1, SheetStoreyHeight3) = 2.5;
  VariantSheetValue(s, 0, SheetBuildingArea) = 3.5;
  VariantSheetValue(s, 2, SheetTotalFloorArea) = 4.5;
  EXPECT_EQ(s.LawFloorArea[1][2], 1.5);
  EXPECT_EQ(s.StoreyHeight[1][2], 2.5);
  EXPECT_EQ(s.BuildingArea[0], 3.5);
  EXPECT_EQ(s.TotalFloorArea[2], 4.5);
  EXPECT_EQ(LoadTakeOffEditName(0, 0), "Ewfl");
  EXPECT_EQ(LoadTakeOffEditName(1, 1), "Ewbw");
  EXPECT_EQ(LoadTakeOffEditName(5, 2), "Ewmh");
}

TEST(OutlineSheet, SnowDepth) {
  EXPECT_EQ(SnowDepthItem(0), "無し（1.0ｍ未満）");
  EXPECT_EQ(SnowDepthItem(1), "1.0ｍ");
  EXPECT_EQ(SnowDepthItem(12), "2.1ｍ");
  EXPECT_EQ(SnowDepthItem(16), "2.5ｍ");
  // Load 0.26 x depth; the item k >= 1 is the depth 1.0 + 0.1 (k - 1).
  const struct {
    double load;
    int index;
  } shows[] = {{0.0, 0}, {0.26, 1}, {0.546, 12}, {0.39, 6}, {0.65, 16}, {0.676, -1}, {0.1, -1}, {-0.26, -1}};
  for (const auto& c : shows) EXPECT_EQ(SnowDepthIndexOfLoad(c.load), c.index) << c.load;
  EXPECT_EQ(SnowLoadOfDepthIndex(0, 0.3), 0.0);
  EXPECT_NEAR(SnowLoadOfDepthIndex(6, 0.0), 5 / 10.0 * 0.26 + 0.26, 1e-12);  // 1.5 m -> 0.39
  EXPECT_NEAR(SnowLoadOfDepthIndex(6, 0.0), 0.39, 1e-12);
  EXPECT_NEAR(SnowLoadOfDepthIndex(16, 0.0), 0.65, 1e-12);
  EXPECT_EQ(SnowLoadOfDepthIndex(-1, 0.78), 0.78);  // over 2.5 m: nothing selected, kept
  // Every item's load shows that item again.
  for (int k = 0; k < SnowDepthItemCount; ++k) EXPECT_EQ(SnowDepthIndexOfLoad(SnowLoadOfDepthIndex(k, 0)), k);
}

TEST(OutlineSheet, RegionFactorZ) {
  EXPECT_STREQ(RegionFactorItems[0], "1.2 （静岡）");
  const struct {
    double z;
    int index;
  } cases[] = {{1.2, 0}, {1.0, 1}, {0.9, 2}, {0.8, 3}, {0.7, 4}, {0.85, -1}, {0.0, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(RegionFactorIndexOf(c.z), c.index) << c.z;
    if (c.index >= 0) {
      EXPECT_EQ(RegionFactorOfIndex(c.index, -1.0), c.z);
    }
  }
  EXPECT_EQ(RegionFactorOfIndex(-1, 0.85), 0.85);
}

TEST(OutlineSheet, BuildYearEntries) {
  const struct {
    const char16_t* entry;
    int era;
    const char16_t* year;
  } shows[] = {
      {u"3      45", 3, u"45"}, {u"5       7", 5, u"7"},          {u"3", 3, u""},
      {u"", -1, u""},           {u"6        ", 6, u""},           {u"7    1999", -1, u"1999"},
      {u"x2001", -1, u"2001"},  {u"0 123456789", 0, u"12345678"},
  };
  for (const auto& c : shows) {
    const BuildYearFields f = ParseBuildYear(c.entry);
    EXPECT_EQ(f.Era, c.era) << Utf16ToUtf8(c.entry);
    EXPECT_EQ(f.Year, c.year) << Utf16ToUtf8(c.entry);
  }

  char16_t entry[10] = u"3      45";
  BuildYearFields shown = ParseBuildYear(entry);
  // Left alone, any entry stays as it is.
  char16_t start[10] = u"3";
  StoreBuildYear(start, ParseBuildYear(start), ParseBuildYear(start));
  EXPECT_EQ(std::u16string(start), u"3");
  // 令和 7.
  StoreBuildYear(entry, shown, {5, u"7"});
  EXPECT_EQ(std::u16string(entry), u"5       7");
  // No era selected keeps the entry's digit, 6 when it has none.
  shown = ParseBuildYear(entry);
  StoreBuildYear(entry, shown, {-1, u"8"});
  EXPECT_EQ(std::u16string(entry), u"5       8");
  char16_t bare[10] = u"abc";
  StoreBuildYear(bare, ParseBuildYear(bare), {-1, u"2"});
  EXPECT_EQ(std::u16string(bare), u"6       2");
  // Never more than 9 units.
  StoreBuildYear(entry, shown, {4, u"1234567890"});
  EXPECT_EQ(std::u16string(entry), u"412345678");
  EXPECT_EQ(entry[9], u'\0');
}

TEST(OutlineSheet, OwnerAddressSplitsAndJoinsBack) {
  for (const std::u16string& address :
       {std::u16string(u"〒123-4567東京都千代田区"), std::u16string(u"123-456東京都千代田区"),
        std::u16string(u"123"), std::u16string()}) {
    const OwnerAddressParts parts = SplitOwnerAddress(address);
    EXPECT_EQ(parts.PostCode, address.substr(0, std::min<std::size_t>(8, address.size())));
    ProjectSettingsData s{};
    StoreOwnerAddress(s, parts.PostCode, parts.Address);
    EXPECT_EQ(FixedView(s.OwnerAddress, 80), address);
  }
  // A 7-character code takes the first character of the address with it.
  EXPECT_EQ(SplitOwnerAddress(u"123-456東京都").PostCode, u"123-456東");
  EXPECT_EQ(SplitOwnerAddress(u"123-456東京都").Address, u"京都");
  // The join is cut at 79 units.
  ProjectSettingsData s{};
  StoreOwnerAddress(s, u"12345678", std::u16string(100, u'住'));
  EXPECT_EQ(FixedView(s.OwnerAddress, 80).size(), 79u);
  EXPECT_EQ(s.OwnerAddress[79], u'\0');
}

TEST(OutlineSheet, TextsAreBoundedCopies) {
  const OutlineTextBinding* designer = nullptr;
  for (const OutlineTextBinding& b : OutlineTexts)
    if (std::string(b.Component) == "Esekname1") designer = &b;
  ASSERT_NE(designer, nullptr);
  EXPECT_EQ(designer->Capacity, 80);
  EXPECT_EQ(designer->Limit, 79);

  ProjectSettingsData s{};
  StoreOutlineText(*designer, s, std::u16string(79, u'設'));
  EXPECT_EQ(FixedView(s.DesignerName, 80), std::u16string(79, u'設'));
  StoreOutlineText(*designer, s, std::u16string(80, u'計'));
  EXPECT_EQ(FixedView(s.DesignerName, 80), std::u16string(79, u'計'));
  EXPECT_EQ(s.DesignerName[79], u'\0');
  // A pair that does not fit whole is left out.
  std::u16string pairs(78, u'a');
  pairs += u"\U0002000B";
  StoreOutlineText(*designer, s, pairs);
  EXPECT_EQ(FixedView(s.DesignerName, 80), std::u16string(78, u'a'));

  // Every binding writes its own array, and reads it back.
  for (const OutlineTextBinding& b : OutlineTexts) {
    ProjectSettingsData t{};
    StoreOutlineText(b, t, u"ab");
    EXPECT_EQ(OutlineTextOf(b, t), u"ab") << b.Component;
    EXPECT_LT(b.Limit, b.Capacity) << b.Component;
  }
  ProjectSettingsData t{};
  StoreOutlineText(OutlineTexts[10], t, u"１２");
  EXPECT_EQ(FixedView(t.BuildMonth[0], 10), u"１２");
}

}  // namespace
