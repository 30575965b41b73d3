// Which method choices the outline dialog offers and which checks move: the
// rows of the show table, the two revision clicks, the three method clicks
// with their moves, the required-strength and other-elements clicks. A
// disabled radio keeps its check; only the listed moves change checks.
#include <gtest/gtest.h>

#include <string>

#include "model/FoundationClass.h"
#include "model/SettingChoices.h"
#include "presentation/OutlineRules.h"

namespace {

// "EEDD..." for H0 H1 H2 H3 B0 B1 Y M (and W2 when nine letters).
std::string Enables(const OutlineRuleState& s, int count = RuleW2) {
  std::string out;
  for (int r = 0; r < count; ++r) out += s.Enabled[r] ? 'E' : 'D';
  return out;
}

// The checked radio of the required-strength, balance and opening-wall groups.
std::string Checks(const OutlineRuleState& s) {
  std::string out;
  for (int r = 0; r < RuleW2; ++r)
    if (s.Checked[r]) out += std::string(out.empty() ? "" : " ") + OutlineRuleRadioNames[r];
  return out;
}

OutlineRuleState State(int revision, int method, int oem, OutlineRuleRadio h, OutlineRuleRadio b,
                       OutlineRuleRadio ym, bool allEnabled = true) {
  OutlineRuleState s;
  s.Revision = revision;
  s.Method = method;
  s.StoredOtherElementsMethod = oem;
  for (bool& e : s.Enabled) e = allEnabled;
  s.Checked[h] = s.Checked[b] = s.Checked[ym] = true;
  s.LoadGroupVisible = h == RuleH0;
  return s;
}

TEST(OutlineRules, ShowTableRows) {
  const struct {
    int revision, method, oem;
    const char* enables;  // H0 H1 H2 H3 B0 B1 Y M
    bool verification;
  } rows[] = {
      {0, 1, 0, "EEEDEDDD", false}, {0, 2, 0, "DDEEEEEE", false}, {0, 2, 1, "DDEEEEDD", false},
      {0, 3, 1, "DDDEDEED", true},  {0, 0, 0, "EEDDEDDD", false}, {0, 7, 0, "EEDDEDDD", false},
      {1, 1, 0, "EEDDEDDD", false}, {1, 2, 0, "EDEDEDED", false}, {1, 2, 1, "EDEDEDDD", false},
      {1, 3, 0, "EDEDEDED", true},  {1, 0, 0, "EEDDEDDD", false},
  };
  for (const auto& r : rows) {
    OutlineRuleState s = State(r.revision, r.method, r.oem, RuleH2, RuleB1, RuleM, r.revision == 0);
    s.VerificationGroupVisible = !r.verification;
    const OutlineRuleState before = s;
    ApplyOutlineShowRow(s);
    const std::string at = "revision " + std::to_string(r.revision) + " method " + std::to_string(r.method) +
                           " oem " + std::to_string(r.oem);
    EXPECT_EQ(Enables(s), r.enables) << at;
    EXPECT_EQ(s.VerificationGroupVisible, r.verification) << at;
    // The table moves no check and leaves W2 as it was.
    EXPECT_EQ(Checks(s), Checks(before)) << at;
    EXPECT_EQ(s.Enabled[RuleW2], before.Enabled[RuleW2]) << at;
  }
}

TEST(OutlineRules, ShowAppliesNothingForOtherRevisions) {
  for (int revision : {2, -1}) {
    OutlineRuleState s = State(revision, 2, 0, RuleH0, RuleB1, RuleM, false);
    const OutlineRuleState before = s;
    ApplyOutlineShowRow(s);
    EXPECT_EQ(s, before) << revision;
  }
}

TEST(OutlineRules, Revision2012Click) {
  // General method: the 2012 row, and 建築基準法に準拠 moves to 必要耐力表.
  OutlineRuleState s = State(Revision2025, DiagnosisGeneral, 0, RuleH0, RuleB0, RuleY);
  OutlineRevisionClick(s, Revision2012);
  EXPECT_EQ(s.Revision, Revision2012);
  EXPECT_EQ(Enables(s), "DDEEEEEE");
  EXPECT_EQ(Checks(s), "Rhitsuyou2 Rbalance0 Ryuukaikou");
  EXPECT_FALSE(s.LoadGroupVisible);

  // Other methods move nothing; a method outside 1 to 3 takes the last row.
  s = State(Revision2025, DiagnosisPrecise1, 0, RuleH0, RuleB0, RuleY);
  OutlineRevisionClick(s, Revision2012);
  EXPECT_EQ(Enables(s), "EEEDEDDD");
  EXPECT_EQ(Checks(s), "Rhitsuyou0 Rbalance0 Ryuukaikou");
  s = State(Revision2025, DiagnosisPrecise2, 0, RuleH3, RuleB1, RuleM);
  OutlineRevisionClick(s, Revision2012);
  EXPECT_EQ(Enables(s), "EEDDEDDD");
  EXPECT_EQ(Checks(s), "Rhitsuyou3 Rbalance1 Rmukaikou");
}

TEST(OutlineRules, Revision2025ClickUnderTheGeneralMethod) {
  // 2012, general method as shown: 建築基準法 and 簡易重量表 disabled. 2025
  // enables the first, disables 簡易耐力表 and ４分割法 and moves their checks.
  OutlineRuleState s = State(Revision2012, DiagnosisGeneral, 0, RuleH3, RuleB1, RuleM);
  ApplyOutlineShowRow(s);
  ASSERT_EQ(Enables(s), "DDEEEEEE");
  OutlineRevisionClick(s, Revision2025);
  EXPECT_EQ(s.Revision, Revision2025);
  EXPECT_EQ(Enables(s), "EDEDEDED");
  EXPECT_EQ(Checks(s), "Rhitsuyou2 Rbalance0 Ryuukaikou");
}

TEST(OutlineRules, Revision2025ClickMovesByMethod) {
  const struct {
    int method;
    OutlineRuleRadio h;
    const char* enables;
    const char* checks;
    bool verification;
  } cases[] = {
      {DiagnosisPrecise1, RuleH2, "EEDDEDDD", "Rhitsuyou1 Rbalance0 Ryuukaikou", false},
      {DiagnosisPrecise1, RuleH3, "EEDDEDDD", "Rhitsuyou3 Rbalance0 Ryuukaikou", false},
      {DiagnosisVerification, RuleH3, "EDEDEDED", "Rhitsuyou2 Rbalance0 Ryuukaikou", true},
      {DiagnosisVerification, RuleH1, "EDEDEDED", "Rhitsuyou1 Rbalance0 Ryuukaikou", true},
  };
  for (const auto& c : cases) {
    OutlineRuleState s = State(Revision2012, c.method, 0, c.h, RuleB1, RuleM);
    OutlineRevisionClick(s, Revision2025);
    EXPECT_EQ(Enables(s), c.enables) << c.method << " " << c.h;
    EXPECT_EQ(Checks(s), c.checks) << c.method << " " << c.h;
    EXPECT_EQ(s.VerificationGroupVisible, c.verification) << c.method;
  }
}

TEST(OutlineRules, Revision2025ClickWithAnotherMethodOnlyTakesItsFirstStep) {
  OutlineRuleState s = State(Revision2012, DiagnosisPrecise2, 0, RuleH3, RuleB1, RuleM);
  OutlineRevisionClick(s, Revision2025);
  EXPECT_EQ(Enables(s), "EEEEEDED");
  EXPECT_EQ(Checks(s), "Rhitsuyou3 Rbalance0 Ryuukaikou");
}

TEST(OutlineRules, MethodClicks) {
  const struct {
    int revision, method, oem;
    OutlineRuleRadio h, b, ym;
    const char* enables;  // with W2
    const char* checks;
    bool verification;
  } cases[] = {
      // 精密診断法１: 簡易耐力表 → 必要耐力表, then under 2025 → 簡易重量表; 無開口 → 有開口; 偏心率法.
      {0, 1, 0, RuleH3, RuleB1, RuleM, "EEEDEDDDE", "Rhitsuyou2 Rbalance0 Ryuukaikou", false},
      {1, 1, 0, RuleH2, RuleB1, RuleY, "EEEDEDDDE", "Rhitsuyou1 Rbalance0 Ryuukaikou", false},
      {1, 1, 0, RuleH3, RuleB0, RuleY, "EEEDEDDDE", "Rhitsuyou1 Rbalance0 Ryuukaikou", false},
      // 一般診断法: 建築基準法 and 簡易重量表 → 必要耐力表, also where 建築基準法 stays enabled.
      {0, 2, 0, RuleH0, RuleB1, RuleM, "DDEEEEEEE", "Rhitsuyou2 Rbalance1 Rmukaikou", false},
      {1, 2, 0, RuleH0, RuleB0, RuleY, "EDEEEEEEE", "Rhitsuyou2 Rbalance0 Ryuukaikou", false},
      {1, 2, 1, RuleH1, RuleB0, RuleY, "EDEEEEDDE", "Rhitsuyou2 Rbalance0 Ryuukaikou", false},
      {0, 2, 0, RuleH3, RuleB0, RuleY, "DDEEEEEEE", "Rhitsuyou3 Rbalance0 Ryuukaikou", false},
      // 新耐震木造住宅検証法: every other required-strength check → 簡易耐力表, 偏心率法 → ４分割法.
      {0, 3, 0, RuleH0, RuleB0, RuleY, "DDDEDEEDD", "Rhitsuyou3 Rbalance1 Ryuukaikou", true},
      {1, 3, 0, RuleH2, RuleB1, RuleM, "DDDEDEEDD", "Rhitsuyou3 Rbalance1 Rmukaikou", true},
      {0, 3, 0, RuleH1, RuleB0, RuleY, "DDDEDEEDD", "Rhitsuyou3 Rbalance1 Ryuukaikou", true},
  };
  for (const auto& c : cases) {
    OutlineRuleState s = State(c.revision, 0, c.oem, c.h, c.b, c.ym, false);
    s.VerificationGroupVisible = !c.verification;
    OutlineMethodClick(s, c.method);
    const std::string at = "revision " + std::to_string(c.revision) + " method " + std::to_string(c.method) +
                           " from " + OutlineRuleRadioNames[c.h];
    EXPECT_EQ(s.Method, c.method) << at;
    EXPECT_EQ(Enables(s, OutlineRuleRadioCount), c.enables) << at;
    EXPECT_EQ(Checks(s), c.checks) << at;
    EXPECT_EQ(s.VerificationGroupVisible, c.verification) << at;
    EXPECT_EQ(s.LoadGroupVisible, s.Checked[RuleH0]) << at;
  }
}

TEST(OutlineRules, ADisabledCheckedRadioStaysCheckedUntilAMoveTakesIt) {
  OutlineRuleState s = State(Revision2012, DiagnosisGeneral, 0, RuleH2, RuleB0, RuleM);
  OutlineMethodClick(s, DiagnosisVerification);
  EXPECT_FALSE(s.Enabled[RuleM]);
  EXPECT_TRUE(s.Checked[RuleM]);
  OutlineMethodClick(s, DiagnosisPrecise1);
  EXPECT_TRUE(s.Checked[RuleY]);
  EXPECT_FALSE(s.Checked[RuleM]);
}

TEST(OutlineRules, MethodsOutsideTheSelectableOnesHaveNoRule) {
  for (int method : {0, 4, -1}) {
    OutlineRuleState s = State(Revision2012, DiagnosisGeneral, 0, RuleH0, RuleB0, RuleY);
    const OutlineRuleState before = s;
    OutlineMethodClick(s, method);
    EXPECT_EQ(s, before) << method;
  }
}

TEST(OutlineRules, RequiredStrengthClicksShowTheLoadGroupWithTheBuildingLawOnly) {
  OutlineRuleState s;
  for (int method = 0; method < 4; ++method) {
    OutlineRequiredStrengthClick(s, method);
    EXPECT_EQ(s.LoadGroupVisible, method == RequiredByLoadTakeOff) << method;
  }
}

TEST(OutlineRules, OtherElementsClicksGovernTheOpeningWallsUnderTheGeneralMethodOnly) {
  OutlineRuleState s = State(Revision2012, DiagnosisGeneral, 1, RuleH2, RuleB0, RuleY, false);
  OutlineOtherElementsClick(s, OtherElementsMethod1);
  EXPECT_TRUE(s.Enabled[RuleY] && s.Enabled[RuleM]);
  OutlineOtherElementsClick(s, OtherElementsMethod2);
  EXPECT_FALSE(s.Enabled[RuleY] || s.Enabled[RuleM]);
  EXPECT_TRUE(s.Checked[RuleY]);

  s = State(Revision2012, DiagnosisPrecise1, 0, RuleH2, RuleB0, RuleY, false);
  OutlineOtherElementsClick(s, OtherElementsMethod1);
  EXPECT_FALSE(s.Enabled[RuleY] || s.Enabled[RuleM]);
}

}  // namespace

namespace {

// Type × cracks × tie beams × revision: the class the page shows, beside the
// class the calculation derives (they differ for 無筋 with cracks under 2025).
TEST(OutlineClassCaptions, FoundationCaptionAndDerivedClass) {
  struct Case {
    int Type, Cracks, TieBeams;
    int Caption2012, Caption2025, Derived;
  } const cases[] = {
      {0, 0, 0, 0, 0, 0},  // 鉄筋コンクリート, no cracks: 基礎Ⅰ
      {0, 0, 1, 0, 0, 0},  // tie beams do not count for concrete
      {0, 1, 0, 1, 1, 1},  // 鉄筋 with cracks: 基礎Ⅱ
      {1, 0, 0, 1, 1, 1},  // 無筋 without cracks: 基礎Ⅱ
      {1, 1, 0, 2, 1, 2},  // 無筋 with cracks: 基礎Ⅲ, shown Ⅱ under 2025
      {2, 0, 1, 1, 1, 1},  // 玉石 with tie beams: 基礎Ⅱ
      {2, 1, 1, 1, 1, 1},  // its cracks do not count
      {2, 0, 0, 2, 2, 2},  // 玉石 without tie beams: 基礎Ⅲ
      {3, 0, 1, 2, 2, 2},  // その他: always 基礎Ⅲ
      {7, 0, 0, 2, 2, 2},  // a type no radio stands for
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Type << c.Cracks << c.TieBeams);
    EXPECT_EQ(OutlineFoundationCaptionClass(true, c.Type, c.Cracks, c.TieBeams), c.Caption2012);
    EXPECT_EQ(OutlineFoundationCaptionClass(false, c.Type, c.Cracks, c.TieBeams), c.Caption2025);
    EXPECT_EQ(FoundationClassOf(c.Type, c.Cracks, c.TieBeams), c.Derived);
  }
  EXPECT_STREQ(OutlineFoundationCaption(1), "基礎Ⅱ");
  EXPECT_STREQ(OutlineFoundationCaption(2), "基礎Ⅲ");
}

TEST(OutlineClassCaptions, FloorCaption) {
  struct Case {
    int Material, Braces, Atrium, Class;
  } const cases[] = {
      {0, 0, 0, 0},                // 全て合板: Ⅰ whatever the braces
      {0, 2, 0, 0}, {0, 0, 1, 1},  // 全て合板 + atrium: Ⅱ
      {1, 1, 0, 1},                // その他 / 有: Ⅱ
      {1, 0, 0, 2}, {2, 2, 0, 2},  // no braces, not visible: Ⅲ
      {1, 2, 1, 2},                // その他 / 目視不可 / atrium: capped at Ⅲ
      {2, 1, 1, 2},
  };
  for (const Case& c : cases)
    EXPECT_EQ(OutlineFloorCaptionClass(c.Material, c.Braces, c.Atrium), c.Class)
        << c.Material << c.Braces << c.Atrium;
  EXPECT_STREQ(OutlineFloorCaption(0), "床仕様Ⅰ");
  EXPECT_STREQ(OutlineFloorCaption(2), "床仕様Ⅲ");
}

TEST(OutlinePackedOptions, EccentricityOptions) {
  // 1: 無限大, Ce ＝ 0.5…, the first of the invisible limits.
  EXPECT_EQ(EccentricityOptionsShown(1), (EccentricityChecks{1, 0, 0}));
  EXPECT_EQ(EccentricityOptionsShown(0x25), (EccentricityChecks{1, 1, 2}));
  EXPECT_EQ(EccentricityOptionsShown(0x3F), (EccentricityChecks{1, 1, 3}));
  // Choosing ねじれ補正 on 1 stores 5; 0x25 survives untouched.
  EXPECT_EQ(EccentricityOptionsToStore({1, 1, 0}, 1), 5);
  EXPECT_EQ(EccentricityOptionsToStore(EccentricityOptionsShown(0x25), 0x25), 0x25);
  // The bits no group stands for become 0; unchecked groups keep theirs.
  EXPECT_EQ(EccentricityOptionsToStore(EccentricityOptionsShown(0x2F), 0x2F), 0x25);
  EXPECT_EQ(EccentricityOptionsToStore({0, -1, -1}, 0x35), 0x34);
  EXPECT_EQ(EccentricityOptionsToStore({-1, -1, 1}, 0x05), 0x15);
}

TEST(OutlinePackedOptions, AxisNumbering) {
  EXPECT_EQ(AxisNumberingShown(0), (AxisNumberingChecks{0, 0}));
  EXPECT_EQ(AxisNumberingShown(3), (AxisNumberingChecks{1, 1}));
  EXPECT_EQ(AxisNumberingShown(2), (AxisNumberingChecks{0, 1}));
  EXPECT_EQ(AxisNumberingShown(5), (AxisNumberingChecks{1, -1}));
  EXPECT_EQ(AxisNumberingToStore({1, 0}, 3), 1);  // Y0～ on 3
  EXPECT_EQ(AxisNumberingToStore({0, 1}, 0), 2);
  EXPECT_EQ(AxisNumberingToStore({-1, 1}, 1), 3);
  EXPECT_EQ(AxisNumberingToStore({1, -1}, 5), 1);
}

TEST(OutlineMethodPanel, CaptionsAndColours) {
  struct Case {
    int Label, Value;
    const char* Text;
    int Colour, Font;
  } const cases[] = {
      {PanelRevision, 0, "2012年改訂版", 0xFFFFDD, 0xE63F00},
      {PanelRevision, 1, "2025年改訂版", 0xFDE1FF, 0x0000FF},
      {PanelDiagnosisMethod, 0, "精密診断法２", 0xFFFFFF, -1},
      {PanelDiagnosisMethod, 3, "新耐震検証法", 0xFF00FF, -1},
      {PanelOtherElements, 1, "方法２", 0x00FF00, -1},
      {PanelRequiredStrength, 0, "建築基準法", 0xDBED9E, -1},
      {PanelRequiredStrength, 3, "簡易耐力表", 0x80FFFF, -1},
      {PanelBalance, 0, "偏心率法", 0xF8E4D8, -1},
      {PanelBalance, 1, "４分割法", 0x80FFFF, -1},
  };
  for (const Case& c : cases) {
    const MethodPanelCaption* caption = MethodPanelCaptionOf(c.Label, c.Value);
    ASSERT_NE(caption, nullptr) << c.Text;
    EXPECT_STREQ(caption->Text, c.Text);
    EXPECT_EQ(caption->Colour, c.Colour) << c.Text;
    EXPECT_EQ(caption->FontColour, c.Font) << c.Text;
  }
  // The revision 2004 and an unchecked group leave the label as it is.
  EXPECT_EQ(MethodPanelCaptionOf(PanelRevision, 2), nullptr);
  EXPECT_EQ(MethodPanelCaptionOf(PanelBalance, -1), nullptr);
}

}  // namespace
