// The outline dialog's show step (the stored settings onto every page) and
// its store step (every page back into the settings, in a fixed order).
#include <QPushButton>
#include <iterator>

#include "evaluation/DeteriorationFactor.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/FileState.h"
#include "model/FoundationClass.h"
#include "outline/OutlineDialog.h"
#include "outline/OutlinePageKit.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/MainWindowPort.h"
#include "presentation/OutlineAccept.h"
#include "presentation/WindowState.h"

using namespace outline_page;

namespace {

// The main window height below which the dialog opens as high as the main window.
constexpr int kFullHeightWindow = 676;

}  // namespace

// --- Showing ----------------------------------------------------------------

void TgaiyouDlg::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TgaiyouDlg::ShowRadios(const RadioRow& row, const OutlineRadioGroup& group, int variant) {
  const int32_t value = SettingValue(ProjectSettings, OutlineRadioSetting(group), variant);
  row.SetCode(OutlineRadioToCheck(group, value));
}

void TgaiyouDlg::StoreRadios(const RadioRow& row, const OutlineRadioGroup& group, int variant) {
  int32_t& value = SettingValue(ProjectSettings, OutlineRadioSetting(group), variant);
  value = OutlineRadioToStore(group, row.Code(-1), value);
}

void TgaiyouDlg::FormShow() {
  ProjectSettingsData& s = ProjectSettings;
  // 1. A main window lower than the dialog makes it as low (for good).
  if (QuilmoraForm && QuilmoraForm->height() < kFullHeightWindow) setFixedHeight(QuilmoraForm->height());

  // 2. The features offered.
  Rmode_shindan3->setVisible(s.VerificationFeature == SettingOn);

  // 3. Revision and method, each running its rule when its check changes;
  // for the revisions the dialog offers, the show table after them.
  ruleMethod_ = s.DiagnosisMethod;
  ShowRadios(revision_, RevisionGroup);
  if (s.Revision == Revision2012 || s.Revision == Revision2025) {
    ShowRadios(method_, DiagnosisMethodGroup);
    OutlineRuleState rules = RuleState();
    ApplyOutlineShowRow(rules);
    ShowRuleState(rules);
  } else {
    method_.SetCodeQuietly(OutlineRadioToCheck(DiagnosisMethodGroup, s.DiagnosisMethod));
  }

  // 4. The pages.
  ShowPages();

  // 5. Only OK leaves while a confirmation is pending.
  CancelBtn->setEnabled(OutlineConfirmationPending != 1);
}

void TgaiyouDlg::ShowPages() {
  ProjectSettingsData& s = ProjectSettings;
  ShowRadios(otherElements_, OtherElementsGroup);
  ShowRadios(required_, RequiredStrengthGroup);
  ShowRadios(balance_, BalanceGroup);
  ShowRadios(openingWall_, OpeningWallGroup);
  GroupBox178->setVisible(RuleRadio[RuleH0]->isChecked());

  ShowRadios(use_, BuildingUseGroup);
  ShowRadios(garage_, GarageGroup);
  ShowRadios(basement_, BasementGroup);
  ShowRadios(mixed_, MixedStructureGroup);
  Csekiset->setCurrentIndex(SnowDepthIndexOfLoad(s.SnowLoad));
  CchiikiZ->setCurrentIndex(RegionFactorIndexOf(s.RegionFactorZ));

  for (int i = 0; i < OutlineTextCount; ++i)
    ShowText(TextEdit[i], OutlineTextOf(OutlineTexts[i], s), OutlineTexts[i].Limit);
  const OwnerAddressParts owner = SplitOwnerAddress(FixedView(s.OwnerAddress, std::size(s.OwnerAddress)));
  ShowText(Epost, owner.PostCode, 0);
  ShowText(Eshoaddr, owner.Address, 48);
  for (int i = 0; i < BuildDateEntries; ++i) {
    yearShown_[i] = ParseBuildYear(FixedView(s.BuildYear[i], std::size(s.BuildYear[i])));
    Ekouyearn[i]->setCurrentIndex(yearShown_[i].Era);
    ShowText(Ekouyear[i], yearShown_[i].Year, 4);
    if (Ekouzou[i]) ShowExactlyOne(Ekouzou[i], s.RenovationDone[i]);
    ShowExactlyOne(Ekoufumei[i], s.BuildDateUnknown[i]);
  }

  for (int v = 0; v < VariantCount; ++v) {
    ShowRadios(topStorey_[v], TopStoreyGroup, v);
    ShowRadios(weight_[v], WeightClassGroup, v);
    ShowRadios(attic_[v], AtticStorageGroup, v);
    for (int e = 0; e < VariantSheetEditCount; ++e) {
      sheetFilled_[v][e] = FillOutlineNumber(VariantSheetValue(s, v, e), OutlineNumberFormat);
      SheetEdit[v][e]->setText(QString::fromStdString(sheetFilled_[v][e].Text));
    }
    for (int part = 0; part < PartWeightCount; ++part)
      ShowRadios(partWeight_[v][part], PartWeightGroup(part), v);
    UpdateStoreyRows(v);
  }
  ShowLaterPages();

  for (int r = 0; r < LoadTakeOffRows; ++r)
    for (int c = 0; c < LoadTakeOffClasses; ++c) {
      loadFilled_[r][c] = FillOutlineNumber(s.LoadTakeOff[r][c], LoadTakeOffFormat);
      LoadEdit[r][c]->setText(QString::fromStdString(loadFilled_[r][c].Text));
    }
  ShowCheckCode(Cteifuka, s.AppendTei);
  ShowCheckCode(Chijuutaku, s.NotDwellingOnly);
  Gkaberyou->setVisible(s.WallQuantityFeature == SettingOn);
  Cyukamenshuusei->setChecked(s.ManualFloorAreas != SettingOff);
  FillAreas(Cyukamenshuusei->isChecked());
  ShowRadios(verification_, VerificationDeteriorationGroup);
  ShowRadios(method2Column_, {&P::Method2ColumnRule, 0, NoOtherValue});
  snowShown_ = Csekiset->currentIndex();
  FormPaint();
}

// --- Leaving ----------------------------------------------------------------

// The settings are stored in a fixed order (the foundation class after the
// foundation answers, the deterioration factors after the answers and the
// retrofit rule); what the main window shows of them follows at the end, in
// one step.
void TgaiyouDlg::StorePages() {
  ProjectSettingsData& s = ProjectSettings;
  OutlineAcceptChecks checks;
  // The method page's radios; their checks give the method panel's captions.
  StoreRadios(revision_, RevisionGroup);
  StoreRadios(method_, DiagnosisMethodGroup);
  StoreRadios(otherElements_, OtherElementsGroup);
  StoreRadios(required_, RequiredStrengthGroup);
  StoreRadios(balance_, BalanceGroup);
  checks.MethodRadio[PanelRevision] = revision_.Code(-1);
  checks.MethodRadio[PanelDiagnosisMethod] = method_.Code(-1);
  checks.MethodRadio[PanelOtherElements] = otherElements_.Code(-1);
  checks.MethodRadio[PanelRequiredStrength] = required_.Code(-1);
  checks.MethodRadio[PanelBalance] = balance_.Code(-1);
  StoreRadios(openingWall_, OpeningWallGroup);
  // Use, garage, basement, structure type; mixed structure.
  StoreRadios(use_, BuildingUseGroup);
  StoreRadios(garage_, GarageGroup);
  StoreRadios(basement_, BasementGroup);
  StoreRadios(structure_, StructureGroup);
  StoreRadios(mixed_, MixedStructureGroup);
  // Snow depth (an untouched list keeps the exact load).
  if (Csekiset->currentIndex() != snowShown_)
    s.SnowLoad = SnowLoadOfDepthIndex(Csekiset->currentIndex(), s.SnowLoad);
  checks.SnowDepthIndex = Csekiset->currentIndex();
  // Region factor, texts, the owner's address and the build dates.
  s.RegionFactorZ = RegionFactorOfIndex(CchiikiZ->currentIndex(), s.RegionFactorZ);
  for (int i = 0; i < OutlineTextCount; ++i) StoreOutlineText(OutlineTexts[i], s, TextOf(TextEdit[i]));
  StoreOwnerAddress(s, TextOf(Epost), TextOf(Eshoaddr));
  for (int i = 0; i < BuildDateEntries; ++i) {
    StoreBuildYear(s.BuildYear[i], yearShown_[i], {Ekouyearn[i]->currentIndex(), TextOf(Ekouyear[i])});
    s.BuildDateUnknown[i] = CheckedValue(Ekoufumei[i]);
    if (Ekouzou[i]) s.RenovationDone[i] = CheckedValue(Ekouzou[i]);
  }
  // The variants: storey count, attic, weight class.
  for (int v = 0; v < VariantCount; ++v) {
    StoreRadios(topStorey_[v], TopStoreyGroup, v);
    StoreRadios(attic_[v], AtticStorageGroup, v);
    StoreRadios(weight_[v], WeightClassGroup, v);
  }
  // Areas, heights (checked before anything is stored) and part weights.
  for (int v = 0; v < VariantCount; ++v) {
    for (int e = 0; e < VariantSheetEditCount; ++e)
      ReadFilledNumber(sheetFilled_[v][e], SheetEdit[v][e]->text().toStdString(), VariantSheetEditField(e),
                       VariantSheetValue(s, v, e));
    for (int part = 0; part < PartWeightCount; ++part)
      StoreRadios(partWeight_[v][part], PartWeightGroup(part), v);
  }
  StoreFoundationAndDeterioration();
  // The retrofit rule, then the deterioration factors.
  StoreRadios(conditions_[kRetrofitRule], kConditionGroups[kRetrofitRule]);
  CalcDeteriorationFactor();
  // The other conditions and the axis naming.
  for (int g = 0; g < ConditionGroupCount; ++g)
    if (g != kRetrofitRule) StoreRadios(conditions_[g], kConditionGroups[g]);
  s.EccentricityOptions = EccentricityOptionsToStore(
      {unresisted_.Code(-1), ceFormula_.Code(-1), ceLimits_.Code(-1)}, s.EccentricityOptions);
  s.AxisNumbering = AxisNumberingToStore({axisX_.Code(-1), axisY_.Code(-1)}, s.AxisNumbering);
  // Display switches; the main window's boxes of the same name show them.
  for (int i = 0; i < DisplaySwitchCount; ++i) s.*kDisplaySwitches[i].Flag = CheckedValue(DisplayBox[i]);
  // The snow case is settled with the main window's radios, at the end.
  checks.CheckedSnowCase = snowCase_.Code(-1);
  // Load take-off, cover options, the area grid (checked before anything is stored).
  for (int r = 0; r < LoadTakeOffRows; ++r)
    for (int c = 0; c < LoadTakeOffClasses; ++c)
      ReadFilledNumber(loadFilled_[r][c], LoadEdit[r][c]->text().toStdString(), FileNumberBounds.LoadTakeOff,
                       s.LoadTakeOff[r][c]);
  s.AppendTei = CheckedCode(Cteifuka);
  s.NotDwellingOnly = CheckedCode(Chijuutaku);
  WallQuantityAreaEdit edits[WallQuantityAreaCount];
  for (int i = 0; i < WallQuantityAreaCount; ++i) {
    edits[i] = areaFilled_[i];
    edits[i].Text = AreaEdit[i]->text().toStdString();
  }
  StoreWallQuantityAreas(Cyukamenshuusei->isChecked(), edits);
  // Verification deterioration; method-2 column rule.
  StoreRadios(verification_, VerificationDeteriorationGroup);
  StoreRadios(method2Column_, {&P::Method2ColumnRule, 0, NoOtherValue});
  // The main window: method captions, variant colours and panel, edit modes,
  // storey controls, snow case and display boxes; one repaint follows.
  ShowOutlineOnMainWindow(checks);
}

// Foundation, floor and ground, then the deterioration answers and texts.
void TgaiyouDlg::StoreFoundationAndDeterioration() {
  ProjectSettingsData& s = ProjectSettings;
  // Foundation; the calculation reads the class its answers give. The
  // crack and tie-beam radios store their value even while disabled.
  StoreRadios(foundation_, FoundationTypeGroup);
  StoreRadios(cracks_, CracksGroup);
  StoreRadios(tieBeams_, TieBeamsGroup);
  StoreOutlineText(OutlineFoundationTexts[0], s, TextOf(Ekisomemo));
  StoreOutlineText(OutlineFoundationTexts[1], s, TextOf(Ehibikasho));
  DeriveFoundationClass();
  for (int i = 0; i < 3; ++i) s.CrackCause[i] = CheckedValue(Ehibigen[i]);
  StoreOutlineText(OutlineFoundationTexts[2], s, TextOf(Ehibigeng));
  s.UniformFoundation = CheckedValue(Ckisokobetsu);
  // Floor and ground.
  StoreRadios(floor_, FloorMaterialGroup);
  StoreRadios(braces_, BracesGroup);
  StoreRadios(atrium_, AtriumGroup);
  s.UniformFloorSpec = CheckedValue(Cyukakobetsu);
  StoreRadios(ground_, GroundGroup);
  s.VerySoftGround = CheckedValue(Cichijiru);
  // Deterioration answers and texts. Without a balcony its three answers
  // stay as they were.
  for (int entry = 0; entry < DeteriorationAnswerCount; ++entry) {
    if (entry == kExposedFrame || entry == kTiledBathroom || entry == kUntiledBathroom) continue;
    if (answers_[entry].Code(-1) >= 0) StoreRadios(answers_[entry], AnswerGroup(entry));
  }
  int32_t& frame = s.DeteriorationAnswer[kExposedFrame];
  if (exposed_.Code(-1) == 0)
    frame = ExposedFrameNone;
  else if (exposed_.Code(-1) == 1)
    frame = answers_[kExposedFrame].Code(frame);
  s.DeteriorationAnswer[kTiledBathroom] = CheckedValue(Eyokurek10);
  s.DeteriorationAnswer[kUntiledBathroom] = CheckedValue(Eyokurek11);
  for (int i = 0; i < DeteriorationTextCount; ++i)
    StoreOutlineText(OutlineDeteriorationTexts[i], s, TextOf(DeteriorationEdit[i]));
}

void TgaiyouDlg::ShowLaterPages() {
  ProjectSettingsData& s = ProjectSettings;
  // Foundation, floor and ground.
  ShowRadios(foundation_, FoundationTypeGroup);
  EkisokClick();
  ShowText(Ekisomemo, OutlineTextOf(OutlineFoundationTexts[0], s), OutlineFoundationTexts[0].Limit);
  ShowRadios(cracks_, CracksGroup);
  ShowRadios(tieBeams_, TieBeamsGroup);
  ShowExactlyOne(Ckisokobetsu, s.UniformFoundation);
  ShowRadios(floor_, FloorMaterialGroup);
  ShowRadios(braces_, BracesGroup);
  ShowRadios(atrium_, AtriumGroup);
  ShowNonZero(Cyukakobetsu, s.UniformFloorSpec);
  ShowRadios(ground_, GroundGroup);
  ShowNonZero(Cichijiru, s.VerySoftGround);
  ShowText(Ehibikasho, OutlineTextOf(OutlineFoundationTexts[1], s), OutlineFoundationTexts[1].Limit);
  for (int i = 0; i < 3; ++i) ShowNonZero(Ehibigen[i], s.CrackCause[i]);
  ShowText(Ehibigeng, OutlineTextOf(OutlineFoundationTexts[2], s), OutlineFoundationTexts[2].Limit);

  // Deterioration.
  for (int entry = 0; entry < DeteriorationAnswerCount; ++entry) {
    if (entry == kExposedFrame || entry == kBalcony || entry == kTiledBathroom || entry == kUntiledBathroom)
      continue;
    ShowRadios(answers_[entry], AnswerGroup(entry));
  }
  const int32_t frame = s.DeteriorationAnswer[kExposedFrame];
  exposed_.SetCodeQuietly(frame == ExposedFrameNone ? 0 : 1);
  if (frame == ExposedFrameNone)
    Eroshutsu0Click();
  else {
    Eroshutsu1Click();
    ShowRadios(answers_[kExposedFrame], AnswerGroup(kExposedFrame));
  }
  const bool balcony = s.DeteriorationAnswer[kBalcony] != SettingOff;
  answers_[kBalcony].SetCodeQuietly(balcony ? SettingOn : SettingOff);
  balcony ? Ebaruko1Click() : Ebaruko0Click();
  for (int entry = 6; entry <= 8; ++entry) ShowRadios(answers_[entry], AnswerGroup(entry));
  ShowNonZero(Eyokurek10, s.DeteriorationAnswer[kTiledBathroom]);
  ShowNonZero(Eyokurek11, s.DeteriorationAnswer[kUntiledBathroom]);
  for (int i = 0; i < DeteriorationTextCount; ++i)
    ShowText(DeteriorationEdit[i], OutlineTextOf(OutlineDeteriorationTexts[i], s),
             OutlineDeteriorationTexts[i].Limit);

  // Calculation conditions and the axis naming.
  for (int g = 0; g < ConditionGroupCount; ++g) ShowRadios(conditions_[g], kConditionGroups[g]);
  const EccentricityChecks ecc = EccentricityOptionsShown(s.EccentricityOptions);
  unresisted_.SetCode(ecc.Unresisted);
  ceFormula_.SetCode(ecc.CeFormula);
  ceLimits_.SetCode(ecc.CeLimits);
  const AxisNumberingChecks axes = AxisNumberingShown(s.AxisNumbering);
  axisX_.SetCode(axes.X);
  axisY_.SetCode(axes.Y);
  ShowRadios(structure_, StructureGroup);

  // Display switches and the snow case.
  for (int i = 0; i < DisplaySwitchCount; ++i) ShowCheckCode(DisplayBox[i], s.*kDisplaySwitches[i].Flag);
  Rseki1->setEnabled(s.SnowLoad != 0);
  MainWindow.Rseki1Enabled = s.SnowLoad != 0;
  RefreshMainWindow();
  ShowRadios(snowCase_, SnowCaseGroup);
}
