#include "presentation/OutlineRules.h"

#include "model/SettingChoices.h"

const char* const OutlineRuleRadioNames[OutlineRuleRadioCount] = {
    "Rhitsuyou0", "Rhitsuyou1", "Rhitsuyou2", "Rhitsuyou3", "Rbalance0",
    "Rbalance1",  "Ryuukaikou", "Rmukaikou",  "Rhouhou2",
};

namespace {

// A cell of the tables: disabled, enabled, or disabled when the stored
// other-elements method is 方法２.
enum Cell : int8_t { D, E, O };

// H0 H1 H2 H3 B0 B1 Y M, then the verification group.
struct ShowRow {
  Cell Radios[RuleM + 1];
  bool Verification;
};

// [revision][method 1, 2, 3, any other]
constexpr ShowRow ShowRows[2][4] = {
    {
        {{E, E, E, D, E, D, D, D}, false},
        {{D, D, E, E, E, E, O, O}, false},
        {{D, D, D, E, D, E, E, D}, true},
        {{E, E, D, D, E, D, D, D}, false},
    },
    {
        {{E, E, D, D, E, D, D, D}, false},
        {{E, D, E, D, E, D, O, D}, false},
        {{E, D, E, D, E, D, E, D}, true},
        {{E, E, D, D, E, D, D, D}, false},
    },
};

bool IsRequiredStrengthRadio(int32_t r) { return r >= RuleH0 && r <= RuleH3; }

bool Enabled(const OutlineRuleState& s, Cell cell) {
  return cell == E || (cell == O && s.StoredOtherElementsMethod != OtherElementsMethod2);
}

void Check(OutlineRuleState& s, OutlineRuleRadio radio) {
  // Radios of one group exclude each other.
  const int32_t first = IsRequiredStrengthRadio(radio) ? RuleH0 : radio <= RuleB1 ? RuleB0 : RuleY;
  const int32_t last = IsRequiredStrengthRadio(radio) ? RuleH3 : radio <= RuleB1 ? RuleB1 : RuleM;
  for (int32_t r = first; r <= last; ++r) s.Checked[r] = r == radio;
  // Checking a required-strength radio runs its click rule.
  if (IsRequiredStrengthRadio(radio)) OutlineRequiredStrengthClick(s, radio - RuleH0);
}

// Checks to when from is checked.
void Move(OutlineRuleState& s, OutlineRuleRadio from, OutlineRuleRadio to) {
  if (s.Checked[from]) Check(s, to);
}

void ApplyRow(OutlineRuleState& s, const ShowRow& row) {
  for (int32_t r = RuleH0; r <= RuleM; ++r) s.Enabled[r] = Enabled(s, row.Radios[r]);
  s.VerificationGroupVisible = row.Verification;
}

const ShowRow& RowOf(int32_t revision, int32_t method) {
  const int32_t m = method >= DiagnosisPrecise1 && method <= DiagnosisVerification ? method - 1 : 3;
  return ShowRows[revision == Revision2025 ? 1 : 0][m];
}

}  // namespace

void ApplyOutlineShowRow(OutlineRuleState& s) {
  if (s.Revision != Revision2012 && s.Revision != Revision2025) return;
  if (s.Revision == Revision2025) s.Enabled[RuleB1] = s.Enabled[RuleM] = false;
  ApplyRow(s, RowOf(s.Revision, s.Method));
}

void OutlineRevisionClick(OutlineRuleState& s, int32_t revision) {
  if (revision == Revision2012) {
    s.Revision = Revision2012;
    ApplyRow(s, RowOf(Revision2012, s.Method));
    if (s.Method == DiagnosisGeneral) Move(s, RuleH0, RuleH2);
  } else if (revision == Revision2025) {
    s.Revision = Revision2025;
    s.Enabled[RuleB1] = s.Enabled[RuleM] = false;
    Move(s, RuleB1, RuleB0);
    Move(s, RuleM, RuleY);
    if (s.Method < DiagnosisPrecise1 || s.Method > DiagnosisVerification) return;
    ApplyRow(s, RowOf(Revision2025, s.Method));
    if (s.Method == DiagnosisPrecise1)
      Move(s, RuleH2, RuleH1);
    else
      Move(s, RuleH3, RuleH2);
  }
}

void OutlineMethodClick(OutlineRuleState& s, int32_t method) {
  // H0 H1 H2 H3 B0 B1 Y M W2
  struct ClickRow {
    Cell Radios[OutlineRuleRadioCount];
    bool Verification;
  };
  static constexpr ClickRow Rows[3] = {
      {{E, E, E, D, E, D, D, D, E}, false},
      {{D, D, E, E, E, E, O, O, E}, false},
      {{D, D, D, E, D, E, E, D, D}, true},
  };
  if (method < DiagnosisPrecise1 || method > DiagnosisVerification) return;
  s.Method = method;
  const ClickRow& row = Rows[method - 1];
  for (int32_t r = 0; r < OutlineRuleRadioCount; ++r) s.Enabled[r] = Enabled(s, row.Radios[r]);
  s.VerificationGroupVisible = row.Verification;
  switch (method) {
    case DiagnosisPrecise1:
      Move(s, RuleH3, RuleH2);
      if (s.Revision == Revision2025) Move(s, RuleH2, RuleH1);
      Move(s, RuleM, RuleY);
      Check(s, RuleB0);
      break;
    case DiagnosisGeneral:
      if (s.Revision == Revision2025) s.Enabled[RuleH0] = true;
      Move(s, RuleH0, RuleH2);
      Move(s, RuleH1, RuleH2);
      break;
    default:
      Move(s, RuleB0, RuleB1);
      Move(s, RuleH0, RuleH3);
      Move(s, RuleH1, RuleH3);
      Move(s, RuleH2, RuleH3);
      break;
  }
}

void OutlineRequiredStrengthClick(OutlineRuleState& s, int32_t method) {
  s.LoadGroupVisible = method == RequiredByLoadTakeOff;
}

void OutlineOtherElementsClick(OutlineRuleState& s, int32_t otherElementsMethod) {
  if (s.Method != DiagnosisGeneral) return;
  s.Enabled[RuleY] = s.Enabled[RuleM] = otherElementsMethod == OtherElementsMethod1;
}

// --- Class captions, packed options and the method captions -----------------

int32_t OutlineFoundationCaptionClass(bool revision2012Checked, int32_t t, int32_t c, int32_t a) {
  if (t == 0 && c == 0) return 0;
  if ((t == 0 && c == 1) || (t == 2 && a == 1)) return 1;
  if (t == 1 && (!revision2012Checked || c == 0)) return 1;
  return 2;
}

int32_t OutlineFloorCaptionClass(int32_t m, int32_t h, int32_t f) {
  int32_t k = m == 0 ? 0 : 1;
  if (m != 0 && h != 1) ++k;
  if (f == 1) ++k;
  return k > 2 ? 2 : k;
}

const char* OutlineFoundationCaption(int32_t cls) {
  static const char* const captions[] = {"基礎Ⅰ", "基礎Ⅱ", "基礎Ⅲ"};
  return captions[cls < 0 || cls > 2 ? 2 : cls];
}

const char* OutlineFloorCaption(int32_t cls) {
  static const char* const captions[] = {"床仕様Ⅰ", "床仕様Ⅱ", "床仕様Ⅲ"};
  return captions[cls < 0 || cls > 2 ? 2 : cls];
}

EccentricityChecks EccentricityOptionsShown(int32_t value) {
  if (value < 0) return {};
  return {value % 2, (value / 4) % 2, (value / 16) % 4};
}

int32_t EccentricityOptionsToStore(const EccentricityChecks& checked, int32_t stored) {
  const EccentricityChecks keep = EccentricityOptionsShown(stored < 0 ? 0 : stored);
  const int32_t unresisted = checked.Unresisted >= 0 ? checked.Unresisted : keep.Unresisted;
  const int32_t formula = checked.CeFormula >= 0 ? checked.CeFormula : keep.CeFormula;
  const int32_t limits = checked.CeLimits >= 0 ? checked.CeLimits : keep.CeLimits;
  return unresisted + 4 * formula + 16 * limits;
}

AxisNumberingChecks AxisNumberingShown(int32_t value) {
  AxisNumberingChecks c;
  if (value % 2 == 0 || value % 2 == 1) c.X = value % 2;
  if (value % 2 < 0) c.X = -1;
  if (value / 2 == 0 || value / 2 == 1) c.Y = value / 2;
  return c;
}

int32_t AxisNumberingToStore(const AxisNumberingChecks& checked, int32_t stored) {
  int32_t value = checked.X >= 0 ? checked.X : (stored & 1);
  if (checked.Y == 1) value += 2;
  return value;
}

const char* const MethodPanelLabelNames[MethodPanelLabelCount] = {"Lkaiteiban", "Lshindan", "Lhouhou",
                                                                  "Lhitsuyou", "Lban"};

const MethodPanelCaption* MethodPanelCaptionOf(int32_t label, int32_t value) {
  static const MethodPanelCaption revision[] = {{"2012年改訂版", 0xFFFFDD, 0xE63F00},
                                                {"2025年改訂版", 0xFDE1FF, 0x0000FF}};
  static const MethodPanelCaption method[] = {{"精密診断法２", 0xFFFFFF, -1},
                                              {"精密診断法１", 0xFFFF00, -1},
                                              {"一般診断法", 0x00FFFF, -1},
                                              {"新耐震検証法", 0xFF00FF, -1}};
  static const MethodPanelCaption other[] = {{"方法１", 0xFFFF00, -1}, {"方法２", 0x00FF00, -1}};
  static const MethodPanelCaption required[] = {{"建築基準法", 0xDBED9E, -1},
                                                {"簡易重量表", 0xDFE9FF, -1},
                                                {"必要耐力表", 0xF8E4D8, -1},
                                                {"簡易耐力表", 0x80FFFF, -1}};
  static const MethodPanelCaption balance[] = {{"偏心率法", 0xF8E4D8, -1}, {"４分割法", 0x80FFFF, -1}};
  static const struct {
    const MethodPanelCaption* Rows;
    int32_t Count;
  } tables[MethodPanelLabelCount] = {{revision, 2}, {method, 4}, {other, 2}, {required, 4}, {balance, 2}};
  if (label < 0 || label >= MethodPanelLabelCount) return nullptr;
  if (value < 0 || value >= tables[label].Count) return nullptr;
  return &tables[label].Rows[value];
}
