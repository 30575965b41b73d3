// The setting table: one row per integer setting, read by the validation of
// the project readers and by the model reset. Guards: every row starts at its
// reset value; File > New puts back exactly the rows marked for it; a checked
// row's value beyond its choices makes a project file broken while a free
// row's is kept; each member, entry, component and radio is named once, so
// lookups by member and by component name find the one row meant.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ModelFixture.h"
#include "ProjectFileSupport.h"
#include "model/ModelValidation.h"
#include "model/SettingTable.h"

namespace {

using P = ProjectSettingsData;

int32_t LargestChoice(const SettingDescriptor& d) {
  int32_t largest = d.Choices.empty() ? d.Max : d.Choices[0].Value;
  for (const SettingChoice& c : d.Choices) largest = c.Value > largest ? c.Value : largest;
  return largest;
}

std::string Where(const SettingDescriptor& d, int32_t v) {
  return std::string(d.Name) + " variant " + std::to_string(v);
}

class SettingTableTest : public ModelTest {};

TEST_F(SettingTableTest, EveryRowStartsAtItsResetValue) {
  for (const SettingDescriptor& d : SettingTable())
    for (int32_t v = 0; v < SettingElementCount(d); ++v)
      EXPECT_EQ(SettingValue(ProjectSettingsStartValues, d, v), d.ResetValue) << Where(d, v);
}

// Start values as the program is specified to begin, checked through the table.
TEST_F(SettingTableTest, StartValuesOfTheMethodsAndClasses) {
  const struct {
    SettingMember member;
    int32_t index;
    int32_t value;
  } cases[] = {
      {&P::Revision, 0, 0},         {&P::DiagnosisMethod, 0, 1},      {&P::RequiredStrengthMethod, 0, 2},
      {&P::TopStorey, 0, 1},        {&P::GroundClass, 0, 1},          {&P::FoundationType, 0, 1},
      {&P::FoundationClass, 0, 2},  {&P::FloorMaterial, 0, 1},        {&P::VerificationDeterioration, 0, 100},
      {&P::AppendTei, 0, 1},        {&P::UnratedSolidWallRule, 0, 1}, {&P::EccentricityOptions, 0, 1},
      {&P::ShowWallElements, 0, 1}, {&P::VerificationFeature, 0, 1},  {&P::PartWeightClass, 4, 0},
  };
  for (const auto& c : cases) {
    const SettingDescriptor* d = FindSetting(c.member, c.index);
    ASSERT_NE(d, nullptr);
    for (int32_t v = 0; v < SettingElementCount(*d); ++v)
      EXPECT_EQ(SettingValue(ProjectSettingsStartValues, *d, v), c.value) << Where(*d, v);
  }
}

TEST_F(SettingTableTest, FileNewResetsTheMarkedRowsAndKeepsTheOthers) {
  for (const SettingDescriptor& d : SettingTable())
    for (int32_t v = 0; v < SettingElementCount(d); ++v)
      SettingValue(ProjectSettings, d, v) = d.ResetValue + 1 + v;
  ResetModel(ResetForNewProject);
  for (const SettingDescriptor& d : SettingTable())
    for (int32_t v = 0; v < SettingElementCount(d); ++v) {
      const int32_t expected = d.Reset == SettingReset::OnNew ? d.ResetValue : d.ResetValue + 1 + v;
      EXPECT_EQ(SettingValue(ProjectSettings, d, v), expected) << Where(d, v);
    }
}

TEST_F(SettingTableTest, ValidationAcceptsEveryChoiceAndRejectsOnePastTheLast) {
  for (const SettingDescriptor& d : SettingTable())
    for (int32_t v = 0; v < SettingElementCount(d); ++v) {
      ProjectSettingsData s = ProjectSettingsStartValues;
      for (const SettingChoice& c : d.Choices) {
        SettingValue(s, d, v) = c.Value;
        EXPECT_TRUE(AreValidSettings(s)) << Where(d, v) << " = " << c.Value;
      }
      const bool checked = d.Check == SettingCheck::Choices;
      SettingValue(s, d, v) = LargestChoice(d) + 1;
      EXPECT_EQ(AreValidSettings(s), !checked) << Where(d, v);
      SettingValue(s, d, v) = -1;
      EXPECT_EQ(AreValidSettings(s), !checked) << Where(d, v);
    }
}

TEST_F(SettingTableTest, FileWithACheckedSettingBeyondItsChoicesIsBroken) {
  for (const SettingDescriptor& d : SettingTable()) {
    if (d.Check != SettingCheck::Choices) continue;
    for (int32_t v = 0; v < SettingElementCount(d); ++v) {
      // Old files may count up to five storeys in the current state's entry:
      // the reader takes any count above three as three for every variant.
      if (d.Member == SettingMember(&P::TopStorey) && v == 0) continue;
      RestoreProjectSettingsStartValues();
      ResetModel(ResetForStartUp);
      SettingValue(ProjectSettings, d, v) = LargestChoice(d) + 1;
      const std::vector<unsigned char> file = WriteProjectFile();
      RestoreProjectSettingsStartValues();
      EXPECT_FALSE(ReadBack(file)) << Where(d, v);
      EXPECT_EQ(ProjectSettings, ProjectSettingsStartValues) << Where(d, v);
    }
  }
}

TEST_F(SettingTableTest, EachMemberEntryComponentAndRadioIsNamedOnce) {
  std::map<std::string, std::string> owner;
  const auto claim = [&](const char* name, const std::string& by) {
    if (name == nullptr || *name == '\0') return;
    const auto [it, inserted] = owner.emplace(name, by);
    EXPECT_TRUE(inserted) << name << " names both " << it->second << " and " << by;
  };
  for (const SettingDescriptor& d : SettingTable()) {
    EXPECT_EQ(FindSetting(d.Member, d.Index), &d) << d.Name;
    claim(d.Component, d.Name);
    for (const SettingChoice& c : d.Choices)
      for (int32_t v = 0; v < VariantCount; ++v) {
        EXPECT_EQ(c.Radio[v] != nullptr, v < SettingElementCount(d) && c.Radio[0] != nullptr) << d.Name;
        claim(c.Radio[v], d.Name);
      }
  }
}

TEST_F(SettingTableTest, LookUpByMember) {
  const SettingDescriptor* method = FindSetting(&P::DiagnosisMethod);
  ASSERT_NE(method, nullptr);
  EXPECT_STREQ(method->Component, "GroupBox45");
  const SettingChoice* general = FindSettingChoice(*method, DiagnosisGeneral);
  ASSERT_NE(general, nullptr);
  EXPECT_STREQ(general->Caption, "一般診断法");
  EXPECT_STREQ(general->Radio[0], "Rmode_shindan2");

  const SettingDescriptor* floor = FindSetting(&P::PartWeightClass, 3);
  ASSERT_NE(floor, nullptr);
  EXPECT_STREQ(floor->Caption, "床");
  EXPECT_EQ(FindSetting(&P::PartWeightClass, PartWeightCount), nullptr);
  EXPECT_EQ(FindSettingChoice(*floor, WeightVeryHeavy + 1), nullptr);

  const SettingDescriptor* gutters = FindSetting(&P::DeteriorationAnswer, 1);
  ASSERT_NE(gutters, nullptr);
  EXPECT_STREQ(FindSettingChoice(*gutters, AnswerPartAbsent)->Radio[0], "Etoirekkax");
}

TEST_F(SettingTableTest, LookUpByComponent) {
  const struct {
    const char* component;
    const char* setting;  // nullptr: bound to nothing
    int32_t variant;
    int32_t value;  // -1: the row's own component
  } cases[] = {
      {"GroupBox45", "DiagnosisMethod", 0, -1},
      {"Rmodeb2", "Revision", 0, Revision2025},
      {"Rkaisu12", "TopStorey", 1, TopStoreyThird},
      {"Rkaisu0", "TopStorey", 0, TopStoreyFirst},
      {"Rjuuryou242", "PartWeightClass[live load]", 2, WeightVeryHeavy},
      {"Rkoyaura21", "AtticStorage", 2, SettingOn},
      {"Eroshutsu12", "DeteriorationAnswer[exposed frame]", 0, ExposedFrameRepaired},
      {"Rshinrekka3", "VerificationDeterioration", 0, VerificationDeteriorationComputed},
      {"Ccnchi", "ShowColumnNValue", 0, -1},
      {"Ekoufumei2", "BuildDateUnknown[2]", 0, -1},
      {"Rseki1", "SnowCase", 0, SnowCaseWith},
      {"Rhitsuyou4", nullptr, 0, -1},
      {"", nullptr, 0, -1},
  };
  for (const auto& c : cases) {
    const SettingBinding b = FindSettingByComponent(c.component);
    if (c.setting == nullptr) {
      EXPECT_EQ(b.Setting, nullptr) << c.component;
      continue;
    }
    ASSERT_NE(b.Setting, nullptr) << c.component;
    EXPECT_STREQ(b.Setting->Name, c.setting) << c.component;
    EXPECT_EQ(b.Variant, c.variant) << c.component;
    if (c.value < 0) {
      EXPECT_EQ(b.Choice, nullptr) << c.component;
    } else {
      ASSERT_NE(b.Choice, nullptr) << c.component;
      EXPECT_EQ(b.Choice->Value, c.value) << c.component;
    }
  }
}

}  // namespace
