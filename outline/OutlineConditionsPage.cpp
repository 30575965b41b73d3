// The outline dialog's calculation conditions page.
#include "outline/OutlineDialog.h"
#include "outline/OutlinePageKit.h"

using namespace outline_page;

void TgaiyouDlg::BuildConditionsPage() {
  TabSheet6 = Named(new QWidget, "TabSheet6");
  auto* page = new QVBoxLayout(TabSheet6);
  QGroupBox* GroupBox62 = NewGroupBox(TabSheet6, "GroupBox62", "計算条件");
  auto* grid = new QGridLayout(GroupBox62);
  QGroupBox* boxes[ConditionGroupCount] = {};
  for (int g = 0; g < ConditionGroupCount; ++g) {
    QWidget* parent = g == kNValueFactor ? static_cast<QWidget*>(boxes[kJointHardware]) : GroupBox62;
    boxes[g] = SettingBox(parent, kConditionGroups[g], kCalculationColour);
    conditions_[g] = Radios(kConditionGroups[g], boxes[g], new QVBoxLayout(boxes[g]));
    const int first = g == kGravityCentre || g == kUnratedSolid ? 1 : 0;
    conditions_[g].SetCodeQuietly(first);
  }
  conditions_[kRetrofitRule].Radio(0)->setToolTip(QStringLiteral("全ての劣化部位の内部を確認・修繕した場合"));
  conditions_[kRetrofitRule].Radio(1)->setToolTip(QStringLiteral("劣化部位の内部確認・補修を行わない場合"));
  conditions_[kJointHardware].Radio(HardwareByAllowableStress)->setEnabled(false);
  boxes[kJointHardware]->layout()->addWidget(boxes[kNValueFactor]);
  auto* braceNote = Label(boxes[1], "筋かいの要素を変更している場合は区別出来ません。", "StaticText1");
  TextColoured(braceNote, kMaroonText);
  boxes[1]->layout()->addWidget(braceNote);

  QGroupBox* GroupBox72 =
      Coloured(NewGroupBox(GroupBox62, "GroupBox72", "耐力無し時の偏心率"), kCalculationColour);
  unresisted_ = RadioRow(GroupBox72);
  auto* unresisted = new QVBoxLayout(GroupBox72);
  unresisted->addWidget(
      unresisted_.Add(GroupBox72, "Rhmode0", "無し（計算上は0.0）とする。　　　　 →　偏心していない。", 0));
  unresisted->addWidget(
      unresisted_.Add(GroupBox72, "Rhmode1", "無限大（計算上は99.99）とする。　→　大きく偏心している。", 1));
  QGroupBox* GroupBox185 = Coloured(
      NewGroupBox(GroupBox62, "GroupBox185", "偏心によるねじれを考慮した割増係数"), kCalculationColour);
  ceFormula_ = RadioRow(GroupBox185);
  auto* formula = new QVBoxLayout(GroupBox185);
  formula->addWidget(ceFormula_.Add(GroupBox185, "Rhmode10", "Ce ＝ 0.5 ＋ 10/3 × 偏心率", 0));
  formula->addWidget(ceFormula_.Add(GroupBox185, "Rhmode11", "Ce ＝ ねじれ補正係数αの値", 1));
  GroupBox186 = NewGroupBox(GroupBox62, "GroupBox186", "偏心率による割増係数の取り扱い");
  ceLimits_ = RadioRow(GroupBox186);
  auto* limits = new QVBoxLayout(GroupBox186);
  const char* const limitCaptions[4] = {
      "偏心率≦0.15 → Ce =1.0　偏心率＞0.3 → Ce＝1.5", "偏心率≦0.15 → Ce =1.0　偏心率＞0.3 → 制限なし",
      "偏心率≦0.15 → 制限なし　偏心率＞0.3 → Ce＝1.5", "偏心率≦0.15 → 制限なし　偏心率＞0.3 → 制限なし"};
  for (int i = 0; i < 4; ++i)
    limits->addWidget(ceLimits_.Add(GroupBox186, QStringLiteral("Rhmode2%1").arg(i).toLatin1().constData(),
                                    limitCaptions[i], i));
  for (const RadioRow* row : {&unresisted_, &ceFormula_, &ceLimits_}) row->SetCodeQuietly(0);
  GroupBox186->setVisible(false);

  QGroupBox* GroupBox200 =
      SettingBox(GroupBox62, {&P::Method2ColumnRule, 0, NoOtherValue}, kCalculationColour);
  method2Column_ =
      Radios({&P::Method2ColumnRule, 0, NoOtherValue}, GroupBox200, new QVBoxLayout(GroupBox200));
  method2Column_.SetCodeQuietly(0);

  // Two columns: the deterioration and wall rules left, the rest right.
  QWidget* left[] = {boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], boxes[5], boxes[6]};
  QWidget* right[] = {GroupBox72, boxes[8], GroupBox185, boxes[9], boxes[10], boxes[11], GroupBox200};
  for (int i = 0; i < 7; ++i) {
    grid->addWidget(left[i], i, 0);
    grid->addWidget(right[i], i, 1);
  }
  grid->addWidget(GroupBox186, 7, 1);
  page->addWidget(GroupBox62);
  page->addStretch();
}
