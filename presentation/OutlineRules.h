#pragma once
// Which method choices of the outline dialog (概要) are offered for the revision
// and diagnosis method chosen, and which checks move when they change: the
// required-strength, balance, opening-wall and other-elements radios, the
// verification deterioration group "劣化度" and the load take-off group of
// the building page. One function per event, over the state of those
// controls; the dialog reads its controls into the state, runs the event and
// shows the state again.
//
// Disabling a radio never unchecks it; only the moves of an event change
// which radio is checked. The show, revision and method events deliberately
// apply rule sets that differ (a method click under the 2025 revision may
// offer what the revision otherwise withholds).
#include <cstdint>

enum OutlineRuleRadio : int32_t {
  RuleH0,  // Rhitsuyou0 建築基準法に準拠
  RuleH1,  // Rhitsuyou1 簡易重量表を用いる方法
  RuleH2,  // Rhitsuyou2 必要耐力表を用いる方法
  RuleH3,  // Rhitsuyou3 簡易耐力表を用いる方法
  RuleB0,  // Rbalance0 偏心率法
  RuleB1,  // Rbalance1 ４分割法
  RuleY,   // Ryuukaikou 有開口壁長による算定
  RuleM,   // Rmukaikou 無開口壁率による算定
  RuleW2,  // Rhouhou2 方法２（伝統的構法）
  OutlineRuleRadioCount
};

// Component names of the radios, by OutlineRuleRadio.
extern const char* const OutlineRuleRadioNames[OutlineRuleRadioCount];

struct OutlineRuleState {
  int32_t Revision = -1;                  // value of the checked revision radio; -1 when none is checked
  int32_t Method = -1;                    // the diagnosis method the rules read
  int32_t StoredOtherElementsMethod = 0;  // ProjectSettings.OtherElementsMethod, not the radios
  bool Checked[OutlineRuleRadioCount] = {};
  bool Enabled[OutlineRuleRadioCount] = {};
  bool VerificationGroupVisible = false;  // Grekkado
  bool LoadGroupVisible = false;          // GroupBox178

  bool operator==(const OutlineRuleState&) const = default;
};

// The showing of the dialog, after its revision and method radios have been
// checked (and their click events run): for revisions 0 and 1 the row of the
// show table for Method; nothing for any other revision.
void ApplyOutlineShowRow(OutlineRuleState& s);

// A click on (or a check from code of) the revision radio of revision 0
// (2012年改訂版) or 1 (2025年改訂板). The revision becomes the checked one.
void OutlineRevisionClick(OutlineRuleState& s, int32_t revision);

// A click on the radio of method 1 (精密診断法１), 2 (一般診断法) or 3
// (新耐震木造住宅検証法); the method becomes the one the rules read.
void OutlineMethodClick(OutlineRuleState& s, int32_t method);

// A required-strength radio (0 to 3) becoming checked: the load take-off
// group shows with 建築基準法に準拠 only.
void OutlineRequiredStrengthClick(OutlineRuleState& s, int32_t method);

// An other-elements radio becoming checked (0 方法１, 1 方法２): under the
// general method the opening-wall radios are offered with 方法１ only.
void OutlineOtherElementsClick(OutlineRuleState& s, int32_t otherElementsMethod);

// --- Class captions, packed options and the method captions -----------------

// The foundation class the page shows (0 基礎Ⅰ, 1 基礎Ⅱ, 2 基礎Ⅲ) from the
// checked type, crack and tie-beam radios (-1 for none checked). With the
// 2012 revision checked it is the class the calculation derives; with any
// other revision an unreinforced foundation counts as 基礎Ⅱ even with cracks,
// while the derived class stays 基礎Ⅲ (kept as the program has always shown it).
int32_t OutlineFoundationCaptionClass(bool revision2012Checked, int32_t type, int32_t cracks,
                                      int32_t tieBeams);
// The floor class the page shows (0 床仕様Ⅰ .. 2 床仕様Ⅲ) from the checked
// floor-material, horizontal-brace and atrium radios.
int32_t OutlineFloorCaptionClass(int32_t material, int32_t braces, int32_t atrium);
// "基礎Ⅰ".."基礎Ⅲ", "床仕様Ⅰ".."床仕様Ⅲ" (UTF-8).
const char* OutlineFoundationCaption(int32_t cls);
const char* OutlineFloorCaption(int32_t cls);

// ProjectSettings.EccentricityOptions as three radio groups: bit 0 (耐力無し時の
// 偏心率), bit 2 (the Ce formula) and bits 4-5 (the Ce limits, a group never
// shown). -1 where no radio is checked.
struct EccentricityChecks {
  int32_t Unresisted = -1;  // 0 Rhmode0, 1 Rhmode1
  int32_t CeFormula = -1;   // 0 Rhmode10, 1 Rhmode11
  int32_t CeLimits = -1;    // 0..3 Rhmode20..Rhmode23
  bool operator==(const EccentricityChecks&) const = default;
};
EccentricityChecks EccentricityOptionsShown(int32_t value);
// The packed value of the checks; a group without a check keeps its bits of
// stored; the other bits become 0.
int32_t EccentricityOptionsToStore(const EccentricityChecks& checked, int32_t stored);

// ProjectSettings.AxisNumbering: X from 0 or 1 (bit 0), Y from 0 or 1 (bit 1).
struct AxisNumberingChecks {
  int32_t X = -1;  // 0 Rshinmeix0 "X0～", 1 Rshinmeix1 "X1～"
  int32_t Y = -1;  // 0 Rshinmeiy0 "Y0～", 1 Rshinmeiy1 "Y1～"
  bool operator==(const AxisNumberingChecks&) const = default;
};
AxisNumberingChecks AxisNumberingShown(int32_t value);
// X0～ gives 0 and X1～ 1 (no X check keeps bit 0 of stored); Y1～ adds 2.
int32_t AxisNumberingToStore(const AxisNumberingChecks& checked, int32_t stored);

// A caption of the main window's method panel: text (UTF-8), background and
// font colour (0x00BBGGRR; font -1 where the label keeps its own).
struct MethodPanelCaption {
  const char* Text;
  int32_t Colour;
  int32_t FontColour;
};
enum MethodPanelLabel : int32_t {
  PanelRevision,          // Lkaiteiban
  PanelDiagnosisMethod,   // Lshindan
  PanelOtherElements,     // Lhouhou
  PanelRequiredStrength,  // Lhitsuyou
  PanelBalance,           // Lban
  MethodPanelLabelCount
};
extern const char* const MethodPanelLabelNames[MethodPanelLabelCount];
// The caption of a label for the value of its checked radio; null where the
// value has no caption (no radio checked, or the revision 2004): the label
// then keeps what it shows.
const MethodPanelCaption* MethodPanelCaptionOf(int32_t label, int32_t value);
