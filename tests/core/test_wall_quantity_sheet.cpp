// What the wall-quantity dialog shows and stores: the value behind every
// component name, the "%6.3f" texts, and the manual floor areas stored on OK
// (exact where the user left a text as it was filled, refused when a text is
// not a number, kept when the box is unticked).
#include <gtest/gtest.h>

#include <string>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/Superstructure.h"
#include "evaluation/WallQuantitySheet.h"
#include "model/ProjectSettings.h"

namespace {

class WallQuantitySheetTest : public ModelTest {
 protected:
  // Every edit as the dialog fills it.
  static void FillAll(WallQuantityAreaEdit (&edits)[WallQuantityAreaCount], bool manual) {
    for (int v = 0; v < VariantCount; ++v)
      for (int s = 0; s < StoreyCount; ++s)
        for (int f = 0; f < WallQuantityAreaFamilyCount; ++f)
          edits[WallQuantityAreaIndex(v, s, f)] = FillWallQuantityArea(v, s, f, manual);
  }
};

TEST(WallQuantitySheet, ComponentNamesAndTexts) {
  EXPECT_EQ(WallQuantityComponentName("Eyukamena", 1, 1), "Eyukamena12");
  EXPECT_EQ(WallQuantityComponentName("Lkaberitsuab", 2, 0), "Lkaberitsuab21");
  EXPECT_EQ(WallQuantityText(1.23456), " 1.235");
  EXPECT_EQ(WallQuantityText(0.0), " 0.000");
  EXPECT_EQ(WallQuantityText(123.4), "123.400");
}

TEST_F(WallQuantitySheetTest, EachLabelFamilyShowsItsResultOfVariantAndStorey) {
  // A distinct value in each source at [2][1]; the existing lengths of storey case 0 only.
  const struct {
    const char* name;
    double* cell;
  } sources[] = {{"Lhitsuyou", &RequiredWallLength[2][1]},    {"Lhitsuyoua", &RequiredWallLengthA[2][1]},
                 {"Lhitsuyoub", &RequiredWallLengthB[2][1]},  {"Lhitsuyou1", &RequiredWallLength1[2][1]},
                 {"Lhitsuyou2", &RequiredWallLength2[2][1]},  {"Lsonzaix", &ExistingWallLengthX[2][1][0]},
                 {"Lsonzaiy", &ExistingWallLengthY[2][1][0]}, {"Lsonzaia", &QuarterWallLengthA[2][1]},
                 {"Lsonzaib", &QuarterWallLengthB[2][1]},     {"Lsonzai1", &QuarterWallLength1[2][1]},
                 {"Lsonzai2", &QuarterWallLength2[2][1]},     {"Ljusokux", &SufficiencyRatioX[2][1]},
                 {"Ljusokuy", &SufficiencyRatioY[2][1]},      {"Ljusokua", &QuarterSufficiencyA[2][1]},
                 {"Ljusokub", &QuarterSufficiencyB[2][1]},    {"Ljusoku1", &QuarterSufficiency1[2][1]},
                 {"Ljusoku2", &QuarterSufficiency2[2][1]},    {"Lkaberitsuab", &WallRatioRatioX[2][1]},
                 {"Lkaberitsu12", &WallRatioRatioY[2][1]}};
  static_assert(std::size(sources) == WallQuantityLabelFamilyCount);
  // Variant 1 of storey 1 holds 0 whatever earlier tests left there (the
  // existing lengths keep a value per storey case).
  for (const auto& source : sources) {
    const bool existing =
        source.cell == &ExistingWallLengthX[2][1][0] || source.cell == &ExistingWallLengthY[2][1][0];
    *(source.cell - (existing ? StoreyLoadingCaseCount : 1) * StoreyCount) = 0.0;
  }
  for (std::size_t i = 0; i < std::size(sources); ++i) *sources[i].cell = 10.0 + static_cast<double>(i);
  ExistingWallLengthX[2][1][1] = -1.0;
  for (std::size_t i = 0; i < std::size(sources); ++i) {
    const WallQuantityLabelFamily& family = WallQuantityLabelFamilies[i];
    EXPECT_EQ(std::string(family.Name), sources[i].name);
    EXPECT_DOUBLE_EQ(family.Value(2, 1), 10.0 + static_cast<double>(i)) << family.Name;
    EXPECT_DOUBLE_EQ(family.Value(1, 1), 0.0) << family.Name;
  }
}

TEST_F(WallQuantitySheetTest, FillsFromTheManualOrTheComputedAreas) {
  ComputedZoneAreaB[1][2] = 12.3456;
  ProjectSettings.ManualZoneAreaB[1][2] = 40.5;
  const WallQuantityAreaEdit computed = FillWallQuantityArea(1, 2, 2, false);
  EXPECT_DOUBLE_EQ(computed.Filled, 12.3456);
  EXPECT_EQ(computed.Text, "12.346");
  const WallQuantityAreaEdit manual = FillWallQuantityArea(1, 2, 2, true);
  EXPECT_EQ(manual.Text, "40.500");
}

TEST_F(WallQuantitySheetTest, OkWithTheBoxTickedStoresExactValuesWhereTheTextWasLeft) {
  ComputedFloorArea[0][0] = 66.24321;  // shown as "66.243"
  ComputedZoneArea1[2][1] = 9.87654;
  WallQuantityAreaEdit edits[WallQuantityAreaCount];
  FillAll(edits, false);
  edits[WallQuantityAreaIndex(2, 1, 3)].Text = " 12.5 ";  // typed
  ASSERT_EQ(StoreWallQuantityAreas(true, edits), -1);
  EXPECT_EQ(ProjectSettings.ManualFloorAreas, 1);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[0][0], 66.24321);  // not 66.243
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualZoneArea1[2][1], 12.5);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualZoneArea1[2][0], 0.0);

  // Reopened with the flag set: the stored values come back.
  FillAll(edits, true);
  EXPECT_EQ(edits[WallQuantityAreaIndex(0, 0, 0)].Text, "66.243");
  EXPECT_EQ(edits[WallQuantityAreaIndex(2, 1, 3)].Text, "12.500");
  ASSERT_EQ(StoreWallQuantityAreas(true, edits), -1);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[0][0], 66.24321);
}

TEST_F(WallQuantitySheetTest, ANonNumberIsRefusedAndNothingIsStored) {
  ProjectSettings.ManualFloorArea[1][0] = 30.0;
  ProjectSettings.ManualFloorAreas = 1;
  WallQuantityAreaEdit edits[WallQuantityAreaCount];
  FillAll(edits, true);
  edits[WallQuantityAreaIndex(0, 2, 0)].Text = "55";
  edits[WallQuantityAreaIndex(1, 0, 0)].Text = "31";
  for (const char* bad : {"abc", "", "12,5", "-3"}) {
    edits[WallQuantityAreaIndex(1, 2, 4)].Text = bad;
    EXPECT_EQ(StoreWallQuantityAreas(true, edits), WallQuantityAreaIndex(1, 2, 4)) << bad;
    EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[0][2], 0.0) << bad;
    EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[1][0], 30.0) << bad;
  }
}

TEST_F(WallQuantitySheetTest, OkWithTheBoxUntickedKeepsTheAreasEnteredByHand) {
  ProjectSettings.ManualFloorAreas = 1;
  ProjectSettings.ManualFloorArea[0][1] = 48.6;
  ComputedFloorArea[0][1] = 52.99;
  EXPECT_TRUE(AnyManualArea());
  WallQuantityAreaEdit edits[WallQuantityAreaCount];
  FillAll(edits, false);  // unticking shows the computed areas
  edits[WallQuantityAreaIndex(0, 0, 0)].Text = "not looked at";
  ASSERT_EQ(StoreWallQuantityAreas(false, edits), -1);
  EXPECT_EQ(ProjectSettings.ManualFloorAreas, 0);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[0][1], 48.6);
}

}  // namespace
