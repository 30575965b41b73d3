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
