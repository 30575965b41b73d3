// One range per kind of number, shared by the file readers, the dialogs and
// the save: a value the dialogs accept is one the reader accepts, a value
// the reader refuses is never written, and the message names the field and
// its range.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ModelFixture.h"
#include "files/ProjectFile.h"
#include "model/ElementLists.h"
#include "model/ModelValidation.h"
#include "model/NumberField.h"
#include "model/SettingTable.h"
#include "presentation/OutlineSheet.h"

namespace fs = std::filesystem;

namespace {

TEST(NumberRanges, MessageNamesTheFieldAndItsRange) {
  const NumberBounds& b = FileNumberBounds;
  EXPECT_EQ(NumberFieldMessage(b.StoreyHeight, "1階階高"),
            "1階階高 は 0 ～ 100 m の範囲で入力してください。");
  EXPECT_EQ(NumberFieldMessage(b.RegionFactorZ), "地域係数Ｚ は 0 ～ 10 の範囲で入力してください。");
  EXPECT_EQ(NumberFieldMessage(b.Area, "建 築 面 積"),
            "建 築 面 積 は 0 ～ 1000000 m² の範囲で入力してください。");
  EXPECT_EQ(NumberFieldMessage(b.FreeLineOffset),
            "オフセット は -10000 ～ 10000 m の範囲で入力してください。");
}

// Typed storey heights in metres: a height typed in millimetres, a negative
// one and whatever is not a number are refused; the bounds themselves and
// full-width digits are accepted.
TEST(NumberRanges, TypedNumbersInsideAndOutsideTheirRange) {
  const NumberBounds& b = FileNumberBounds;
  const struct {
    const NumberField& field;
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {b.StoreyHeight, "2.9", true, 2.9},      {b.StoreyHeight, "2900", false, 0},
      {b.StoreyHeight, "-1", false, 0},        {b.StoreyHeight, "0", true, 0},
      {b.StoreyHeight, "１００", true, 100},   {b.StoreyHeight, "100.001", false, 0},
      {b.StoreyHeight, "2,5", false, 0},       {b.StoreyHeight, "abc", false, 0},
      {b.StoreyHeight, "", false, 0},          {b.StoreyHeight, "3m", false, 0},
      {b.GridPosition, "-10000", true, -1e4},  {b.GridPosition, "-10000.5", false, 0},
      {b.TableWallFactor, "1000", true, 1000}, {b.TableWallFactor, "1000.01", false, 0},
  };
  for (const auto& c : cases) {
    double value = 0.0;
    EXPECT_EQ(ReadNumberField(c.field, c.text, value), c.ok) << c.field.Name << " " << c.text;
    EXPECT_DOUBLE_EQ(value, c.value) << c.field.Name << " " << c.text;
  }
}

// Every value of every number setting: its bounds are read back, a step
// beyond either is refused by the reader's check, and the offence is named.
TEST(NumberRanges, EveryNumberSettingIsBoundedByItsRow) {
  for (const NumberSettingDescriptor& d : NumberSettingTable()) {
    const std::size_t n = d.Values(ProjectSettings).size();
    ASSERT_GT(n, 0u) << d.Name;
    for (std::size_t i = 0; i < n; ++i) {
      ProjectSettingsData s = ProjectSettings;
      auto& value = const_cast<double&>(d.Values(s)[i]);
      const double step = std::max(1e-9, d.Field.Max * 1e-9);
      for (const double inside : {d.Field.Min, d.Field.Max}) {
        value = inside;
        EXPECT_TRUE(AreValidSettings(s)) << d.Name << "[" << i << "] = " << inside;
      }
      for (const double outside : {d.Field.Min - step, d.Field.Max + step, std::nan("")}) {
        value = outside;
        EXPECT_FALSE(AreValidSettings(s)) << d.Name << "[" << i << "] = " << outside;
      }
    }
  }
  EXPECT_EQ(FindNumberSetting("StoreyHeight")->Values(ProjectSettings).size(), 9u);
  EXPECT_EQ(FindNumberSetting("StoreyHeight")->Field.Max, FileNumberBounds.StoreyHeight.Max);
}

// Every number edit of the outline dialog's variant sheets writes a member
// of the number-setting table, and its range is that row's range: what the
// dialog lets through, the reader takes.
TEST(NumberRanges, OutlineSheetEditsUseTheRangeOfTheSettingTheyWrite) {
  ProjectSettingsData s{};
  for (int v = 0; v < VariantCount; ++v)
    for (int e = 0; e < VariantSheetEditCount; ++e) {
      const double* written = &VariantSheetValue(s, v, e);
      const NumberSettingDescriptor* row = nullptr;
      for (const NumberSettingDescriptor& d : NumberSettingTable()) {
        const std::span<const double> values = d.Values(s);
        if (written >= values.data() && written < values.data() + values.size()) row = &d;
      }
      ASSERT_NE(row, nullptr) << v << " " << VariantSheetEditCaption(e);
      EXPECT_EQ(VariantSheetEditField(e).Min, row->Field.Min) << row->Name;
      EXPECT_EQ(VariantSheetEditField(e).Max, row->Field.Max) << row->Name;
      EXPECT_STREQ(VariantSheetEditField(e).Name, row->Field.Name) << row->Name;
    }
}

class SaveRefusalTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    std::string pattern = (fs::temp_directory_path() / "quilmora-refuse-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
    ModelTest::TearDown();
  }
  static std::string Contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  fs::path dir_;
};

// A value the reader would refuse, set straight into the model: the save is
// refused naming it, and the file and its backup stay as they were.
TEST_F(SaveRefusalTest, AValueTheReaderRefusesIsNeverWritten) {
  ASSERT_EQ(FirstRefusedValue(), "");
  const struct {
    const char* what;
    void (*spoil)();
    const char* named;
  } cases[] = {
      {"storey height in mm", [] { ProjectSettings.StoreyHeight[1][0] = 2900; },
       "階高 の値 2900 が範囲外です。"},
      {"negative area", [] { ProjectSettings.TotalFloorArea[2] = -1; }, "面積 の値 -1 が範囲外です。"},
      {"factor Z", [] { ProjectSettings.RegionFactorZ = 11; }, "地域係数Ｚ の値 11 が範囲外です。"},
      {"far axis", [] { GridAxisX[3] = 20000; }, "通り芯の位置 の値 20000 が範囲外です。"},
      {"table wall factor", [] { BraceTable[2].WallFactor = 1e4; }, "壁倍率 の値 10000 が範囲外です。"},
      {"user floor factor", [] { FloorSpecTableFactor[FirstFloorSpecUserRow] = -2000; },
       "床倍率 の値 -2000 が範囲外です。"},
      {"free line offset",
       [] {
         FreeLineCount[0][0] = 1;
         FreeLines[0][0][0] = FreeLineRecord{};
         FreeLines[0][0][0].OffsetY2 = 1e5;
       },
       "オフセット の値 100000 が範囲外です。"},
      {"method choice", [] { ProjectSettings.DiagnosisMethod = 9; }, "計算方法 の値 9"},
  };
  const fs::path file = dir_ / "家.tyc";
  const fs::path backup = dir_ / "家.BAK";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RestoreProjectStartValues();
    ResetModel(ResetForStartUp);
    std::ofstream(file, std::ios::binary) << "previous version";
    std::ofstream(backup, std::ios::binary) << "older backup";
    c.spoil();
    std::string error;
    EXPECT_FALSE(SaveProjectFileWithBackup(file.string(), &error));
    EXPECT_NE(error.find(c.named), std::string::npos) << error;
    EXPECT_FALSE(SaveProjectFile((dir_ / "新規.tyc").string(), &error));
    EXPECT_EQ(Contents(file), "previous version");
    EXPECT_EQ(Contents(backup), "older backup");
    EXPECT_FALSE(fs::exists(dir_ / "新規.tyc"));
  }
}

}  // namespace
