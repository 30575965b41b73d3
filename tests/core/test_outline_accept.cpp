// What the outline dialog's OK shows on the main window, headless: the method
// panel's captions with their colours, the variant colours and panel, the
// storey controls, the foundation and floor-type edit modes, and the snow
// depth and snow case. Colours are 0x00BBGGRR.
#include <gtest/gtest.h>

#include <string>

#include "ModelFixture.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "presentation/OutlineAccept.h"

namespace {

class OutlineAcceptTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    SetMainWindowPort(&window);
  }

  // OK with the given method radios checked (-1 none) and no snow.
  static void Accept(int32_t revision, int32_t method, int32_t other, int32_t required, int32_t balance) {
    OutlineAcceptChecks checks;
    const int32_t values[MethodPanelLabelCount] = {revision, method, other, required, balance};
    for (int label = 0; label < MethodPanelLabelCount; ++label) checks.MethodRadio[label] = values[label];
    ShowOutlineOnMainWindow(checks);
  }

  RecordingMainWindow window;
};

struct CaptionRow {
  MethodPanelLabel Label;
  int32_t Value;
  const char* Text;
  int32_t Colour;
  int32_t Font;  // -1: black
};

// One row per caption: the label alone is written, the others stay empty.
TEST_F(OutlineAcceptTest, EveryCaptionRowReachesItsLabelWithItsColours) {
  const CaptionRow rows[] = {
      {PanelRevision, 0, "2012年改訂版", 0xFFFFDD, 0xE63F00},
      {PanelRevision, 1, "2025年改訂版", 0xFDE1FF, 0x0000FF},
      {PanelDiagnosisMethod, 0, "精密診断法２", 0xFFFFFF, -1},
      {PanelDiagnosisMethod, 1, "精密診断法１", 0xFFFF00, -1},
      {PanelDiagnosisMethod, 2, "一般診断法", 0x00FFFF, -1},
      {PanelDiagnosisMethod, 3, "新耐震検証法", 0xFF00FF, -1},
      {PanelOtherElements, 0, "方法１", 0xFFFF00, -1},
      {PanelOtherElements, 1, "方法２", 0x00FF00, -1},
      {PanelRequiredStrength, 0, "建築基準法", 0xDBED9E, -1},
      {PanelRequiredStrength, 1, "簡易重量表", 0xDFE9FF, -1},
      {PanelRequiredStrength, 2, "必要耐力表", 0xF8E4D8, -1},
      {PanelRequiredStrength, 3, "簡易耐力表", 0x80FFFF, -1},
      {PanelBalance, 0, "偏心率法", 0xF8E4D8, -1},
      {PanelBalance, 1, "４分割法", 0x80FFFF, -1},
  };
  for (const CaptionRow& row : rows) {
    MainWindow = MainWindowState{};
    int32_t values[MethodPanelLabelCount] = {-1, -1, -1, -1, -1};
    values[row.Label] = row.Value;
    Accept(values[0], values[1], values[2], values[3], values[4]);
    for (int label = 0; label < MethodPanelLabelCount; ++label) {
      const MethodCaptionState& shown = MainWindow.MethodCaption[label];
      if (label != row.Label) {
        EXPECT_EQ(shown, MethodCaptionState{}) << row.Text << " wrote label " << label;
        continue;
      }
      EXPECT_STREQ(shown.Text, row.Text);
      EXPECT_EQ(shown.Colour, row.Colour) << row.Text;
      EXPECT_EQ(shown.FontColour, row.Font) << row.Text;
    }
  }
}

TEST_F(OutlineAcceptTest, AllFiveCaptionsAtOnceAndGroupsThatLeaveTheirLabel) {
  Accept(1, 2, 1, 3, 1);
  const char* const texts[MethodPanelLabelCount] = {"2025年改訂版", "一般診断法", "方法２", "簡易耐力表",
                                                    "４分割法"};
  const int32_t colours[MethodPanelLabelCount] = {0xFDE1FF, 0x00FFFF, 0x00FF00, 0x80FFFF, 0x80FFFF};
  for (int label = 0; label < MethodPanelLabelCount; ++label) {
    EXPECT_STREQ(MainWindow.MethodCaption[label].Text, texts[label]);
    EXPECT_EQ(MainWindow.MethodCaption[label].Colour, colours[label]) << texts[label];
  }
  EXPECT_EQ(MainWindow.MethodCaption[PanelRevision].FontColour, 0x0000FF);
  EXPECT_GE(window.stateChanges, 1);
  EXPECT_GE(window.invalidations, 1);

  // The 2004 revision and a method group without a check leave their
  // captions; the others follow the new checks.
  Accept(2, -1, 0, 0, 0);
  EXPECT_STREQ(MainWindow.MethodCaption[PanelRevision].Text, "2025年改訂版");
  EXPECT_EQ(MainWindow.MethodCaption[PanelRevision].FontColour, 0x0000FF);
  EXPECT_STREQ(MainWindow.MethodCaption[PanelDiagnosisMethod].Text, "一般診断法");
  EXPECT_STREQ(MainWindow.MethodCaption[PanelOtherElements].Text, "方法１");
  EXPECT_STREQ(MainWindow.MethodCaption[PanelRequiredStrength].Text, "建築基準法");
  EXPECT_STREQ(MainWindow.MethodCaption[PanelBalance].Text, "偏心率法");
  // A value outside a group's radios is no check either.
  Accept(7, 4, 2, -5, 9);
  EXPECT_STREQ(MainWindow.MethodCaption[PanelBalance].Text, "偏心率法");
  EXPECT_STREQ(MainWindow.MethodCaption[PanelRequiredStrength].Text, "建築基準法");
}

// Panel2 tells the current variant with its weight class; the three radios
// take the colour of their own variant's class.
TEST_F(OutlineAcceptTest, VariantPanelAndColoursFollowTheCurrentVariantAndItsWeightClass) {
  const char* const names[3] = {"現　況", "改修案１", "改修案２"};
  const int32_t classColour[3] = {0xFFFFD0, 0xD0FFD0, 0xD0D0FF};  // light, heavy, very heavy
  const char* const line1[3] = {"軽い建物", "重い建物", "非常に　"};
  const char* const line2[3] = {"　　　　", "　　　　", "重い建物"};
  for (int variant = 0; variant < VariantCount; ++variant)
    for (int weight = 0; weight < 3; ++weight) {
      CurrentVariant = variant;
      // The current variant gets the class under test, the others the next ones.
      for (int v = 0; v < VariantCount; ++v) ProjectSettings.WeightClass[v] = (weight + v - variant + 3) % 3;
      Accept(-1, -1, -1, -1, -1);
      const std::string what = std::string(names[variant]) + " class " + std::to_string(weight);
      EXPECT_EQ(MainWindow.VariantPanelColour, classColour[weight]) << what;
      EXPECT_STREQ(MainWindow.VariantPanelName, names[variant]) << what;
      EXPECT_STREQ(MainWindow.VariantPanelLine1, line1[weight]) << what;
      EXPECT_STREQ(MainWindow.VariantPanelLine2, line2[weight]) << what;
      for (int v = 0; v < VariantCount; ++v)
        EXPECT_EQ(MainWindow.VariantRadioColour[v], classColour[ProjectSettings.WeightClass[v]]) << what;
    }
  // A damaged class takes the light colour and blank lines, never a read
  // outside the tables.
  CurrentVariant = 0;
  ProjectSettings.WeightClass[0] = 99;
  Accept(-1, -1, -1, -1, -1);
  EXPECT_EQ(MainWindow.VariantPanelColour, 0xFFFFD0);
  EXPECT_STREQ(MainWindow.VariantPanelLine1, "");
  EXPECT_EQ(MainWindow.VariantRadioColour[0], 0xFFFFD0);
}

struct StoreyRow {
  int32_t Top;  // TopStorey of the current variant
  int32_t StoreyBefore;
  bool R2, R3;
  int32_t StoreyAfter;
};

// The storey radios and result rows follow the current variant's storey
// count; the plan stays on its storey unless the variant lacks it.
TEST_F(OutlineAcceptTest, StoreyControlsForEveryStoreyCount) {
  const StoreyRow rows[] = {
      {0, 0, false, false, 0}, {1, 0, true, false, 0},   {1, 1, true, false, 1},  {2, 0, true, true, 0},
      {2, 1, true, true, 1},   {2, 2, true, true, 2},    {0, 1, false, false, 0}, {0, 2, false, false, 0},
      {1, 2, true, false, 1},  {-1, 1, false, false, 0}, {7, 2, true, true, 2},
  };
  for (const StoreyRow& row : rows) {
    CurrentVariant = 1;
    // The other variants' counts differ and do not count.
    ProjectSettings.TopStorey[0] = ProjectSettings.TopStorey[2] = row.Top == 2 ? 0 : 2;
    ProjectSettings.TopStorey[1] = row.Top;
    CurrentStorey = row.StoreyBefore;
    MainWindow.CheckedStoreyRadio = row.StoreyBefore;
    PendingPointCount = 1;
    Accept(-1, -1, -1, -1, -1);
    const std::string what =
        "top " + std::to_string(row.Top) + ", storey " + std::to_string(row.StoreyBefore);
    EXPECT_EQ(MainWindow.R2kaiEnabled, row.R2) << what;
    EXPECT_EQ(MainWindow.R3kaiEnabled, row.R3) << what;
    EXPECT_EQ(CurrentStorey, row.StoreyAfter) << what;
    EXPECT_EQ(MainWindow.CheckedStoreyRadio, row.StoreyAfter) << what;
    // Moving the plan cancels a click sequence begun on the storey left.
    EXPECT_EQ(PendingPointCount, row.StoreyAfter == row.StoreyBefore ? 1 : 0) << what;
  }
}

TEST_F(OutlineAcceptTest, KeepStoreyWithinTopStoreyMovesOnlyFromAboveTheTop) {
  CurrentVariant = 2;
  ProjectSettings.TopStorey[2] = TopStoreySecond;
  CurrentStorey = 1;
  const int toolCalls = window.toolDialogCalls;
  KeepStoreyWithinTopStorey();
  EXPECT_EQ(CurrentStorey, 1);
  EXPECT_EQ(window.toolDialogCalls, toolCalls);
  CurrentStorey = 2;
  KeepStoreyWithinTopStorey();
  EXPECT_EQ(CurrentStorey, 1);
  EXPECT_EQ(MainWindow.CheckedStoreyRadio, 1);
  EXPECT_EQ(window.toolDialogCalls, toolCalls + 1);
}

// 基礎 and 屋根床仕様 are offered while the foundations and floor types are
// entered one by one; the edit mode itself stays.
TEST_F(OutlineAcceptTest, FoundationAndFloorTypeModeRadiosOverEveryCombination) {
  CurrentEditMode = EditModeFoundation;
  MainWindow.CheckedEditModeRadio = EditModeFoundation;
  for (int32_t foundation : {SettingOff, SettingOn})
    for (int32_t floor : {SettingOff, SettingOn}) {
      ProjectSettings.UniformFoundation = foundation;
      ProjectSettings.UniformFloorSpec = floor;
      Accept(-1, -1, -1, -1, -1);
      EXPECT_EQ(MainWindow.RkisoEnabled, foundation == SettingOff) << foundation << floor;
      EXPECT_EQ(MainWindow.RyukashiyouEnabled, floor == SettingOff) << foundation << floor;
      EXPECT_EQ(CurrentEditMode, EditModeFoundation);
      EXPECT_EQ(MainWindow.CheckedEditModeRadio, EditModeFoundation);
    }
}

struct SnowRow {
  double Load;  // the stored load after the depth list
  int32_t DepthIndex;
  int32_t Checked;  // the dialog's radio: 0 雪なし時, 1 積雪時, -1 neither
  int32_t CaseBefore;
  int32_t CaseAfter;
  bool Rseki1Enabled;
};

// Snow depth and snow case: without snow the case is 0 whatever was checked;
// with snow the dialog's check decides, and no check keeps both.
TEST_F(OutlineAcceptTest, SnowDepthAndSnowCase) {
  // Depth index i > 0 stores (i - 1) / 10 × 0.26 + 0.26: index 1 → 0.26,
  // index 4 → 0.338.
  const SnowRow rows[] = {
      {0.0, 0, SnowCaseWith, SnowCaseWith, SnowCaseWithout, false},
      {0.0, 0, -1, SnowCaseWith, SnowCaseWithout, false},
      {0.0, 0, SnowCaseWithout, SnowCaseWithout, SnowCaseWithout, false},
      {0.26, 1, SnowCaseWith, SnowCaseWithout, SnowCaseWith, true},
      {0.338, 4, SnowCaseWithout, SnowCaseWith, SnowCaseWithout, true},
      {0.338, 4, -1, SnowCaseWith, SnowCaseWith, true},
      {0.338, 4, -1, SnowCaseWithout, SnowCaseWithout, true},
      // A stored load off the list shows no depth (-1): 積雪時 stays offered.
      {2.0, -1, SnowCaseWith, SnowCaseWithout, SnowCaseWith, true},
  };
  for (const SnowRow& row : rows) {
    ProjectSettings.SnowLoad = row.Load;
    ProjectSettings.SnowCase = row.CaseBefore;
    MainWindow.CheckedSnowRadio = row.CaseBefore;
    OutlineAcceptChecks checks;
    checks.SnowDepthIndex = row.DepthIndex;
    checks.CheckedSnowCase = row.Checked;
    ShowOutlineOnMainWindow(checks);
    const std::string what = "load " + std::to_string(row.Load) + ", checked " + std::to_string(row.Checked) +
                             ", before " + std::to_string(row.CaseBefore);
    EXPECT_EQ(ProjectSettings.SnowCase, row.CaseAfter) << what;
    EXPECT_EQ(MainWindow.CheckedSnowRadio, row.CaseAfter) << what;
    EXPECT_EQ(MainWindow.Rseki1Enabled, row.Rseki1Enabled) << what;
  }
}

}  // namespace
