// The foundation class from the foundation answers of the outline dialog,
// worked out by hand from the rule: 基礎Ⅰ for reinforced concrete without
// cracks; 基礎Ⅱ for reinforced concrete with cracks, unreinforced concrete
// without cracks or a stone footing with tie beams; 基礎Ⅲ otherwise.
#include <gtest/gtest.h>

#include "model/FoundationClass.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"

namespace {

constexpr int32_t RC = FoundationReinforcedConcrete, Plain = FoundationPlainConcrete,
                  Stone = FoundationStoneFooting, Other = FoundationOtherType;
constexpr int32_t I = FoundationClassI, II = FoundationClassII, III = FoundationClassIII;

TEST(FoundationClassTest, ClassByTypeCracksAndTieBeams) {
  const struct {
    int32_t type, cracks, tieBeams, expected;
  } cases[] = {
      {RC, 0, 0, I},      {RC, 0, 1, I},       // tie beams do not count for concrete
      {RC, 1, 0, II},     {RC, 1, 1, II},      //
      {Plain, 0, 0, II},  {Plain, 0, 1, II},   //
      {Plain, 1, 0, III}, {Plain, 1, 1, III},  // cracked unreinforced: Ⅲ in every revision
      {Stone, 0, 1, II},  {Stone, 1, 1, II},   // cracks do not count for a stone footing
      {Stone, 0, 0, III}, {Stone, 1, 0, III},  //
      {Other, 0, 0, III}, {Other, 1, 1, III},  //
      {RC, 2, 0, III},    {Plain, 7, 0, III},  // a crack value other than 0 or 1 from a file
      {Stone, 0, 2, III}, {9, 0, 1, III},      // likewise tie beams, and an unknown type
      {-1, 0, 0, III},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FoundationClassOf(c.type, c.cracks, c.tieBeams), c.expected)
        << "type " << c.type << " cracks " << c.cracks << " tie beams " << c.tieBeams;
}

TEST(FoundationClassTest, DerivedFromTheStoredAnswers) {
  RestoreProjectSettingsStartValues();
  ProjectSettings.FoundationClass = III;
  ProjectSettings.FoundationType = RC;
  ProjectSettings.FoundationCracks = 0;
  ProjectSettings.FoundationTieBeams = 0;
  DeriveFoundationClass();
  EXPECT_EQ(ProjectSettings.FoundationClass, I);
  ProjectSettings.FoundationType = Stone;
  ProjectSettings.FoundationTieBeams = 1;
  DeriveFoundationClass();
  EXPECT_EQ(ProjectSettings.FoundationClass, II);
}

}  // namespace
