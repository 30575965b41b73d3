#include "outline/OutlineDialog.h"
// The frame of the outline dialog (its pages are built in the files
// outline/Outline*Page.cpp), the enabling rules, OK and Cancel.

#include <QButtonGroup>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>

#include "mainwindow/QuilmoraForm.h"
#include "model/FileState.h"
#include "outline/OutlinePageKit.h"
#include "platform/MessageBox.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/MainWindowPort.h"
#include "presentation/WindowState.h"

using namespace outline_page;

namespace {

// The client size the dialog is designed for and its bottom bar.
constexpr int kClientWidth = 686;
constexpr int kClientHeight = 635;
constexpr int kBottomBarHeight = 34;

}  // namespace

TgaiyouDlg::TgaiyouDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("gaiyouDlg"));
  setWindowTitle(QStringLiteral("概要"));
  setWindowFlags(
      (windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) &
      ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  ScrollBox1 = Named(new QScrollArea(this), "ScrollBox1");
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setWidgetResizable(false);
  Panel1 = Named(new QWidget, "Panel1");
  auto* panelLayout = new QVBoxLayout(Panel1);
  PageControl1 = Named(new QTabWidget(Panel1), "PageControl1");
  panelLayout->addWidget(PageControl1);

  TabSheet1 = Named(new QWidget, "TabSheet1");
  auto* sheet1 = new QVBoxLayout(TabSheet1);
  PageControl2 = Named(new QTabWidget(TabSheet1), "PageControl2");
  sheet1->addWidget(PageControl2);
  PageControl1->addTab(TabSheet1, QStringLiteral("計算"));

  PageControl2->addTab(BuildMethodPage(), QStringLiteral("基本事項（診断法）"));
  PageControl2->addTab(BuildBuildingPage(), QStringLiteral("建物概要・階数・重さ・面積"));
  BuildFoundationPage();
  PageControl2->addTab(TabSheet9, QStringLiteral("基礎・床仕様・軟弱な地盤"));
  BuildDeteriorationPage();
  PageControl2->addTab(TabSheet20, QStringLiteral("劣化"));
  BuildConditionsPage();
  PageControl2->addTab(TabSheet6, QStringLiteral("計算条件"));
  BuildDisplayPage();
  PageControl2->addTab(TabSheet8, QStringLiteral("壁量計算・画面表示"));
  BuildHiddenPages();

  ScrollBox1->setWidget(Panel1);
  layout->addWidget(ScrollBox1, 1);
  layout->addWidget(BuildBottomBar());

  // Pages and bottom bar at the designed size, each with the largest font
  // that shows it whole.
  FitToClientSize(Panel1, kClientWidth, kClientHeight - kBottomBarHeight);
  FitToClientSize(Panel2, kClientWidth, kBottomBarHeight);
  setFixedSize(kClientWidth, kClientHeight);
}

// --- Building the pages -----------------------------------------------------

RadioRow TgaiyouDlg::Radios(const OutlineRadioGroup& group, QWidget* parent, QLayout* layout, int variant) {
  RadioRow row(parent);
  for (const SettingChoice& choice : OutlineRadioSetting(group).Choices) {
    QRadioButton* radio = row.Add(parent, choice.Radio[variant], choice.Caption, choice.Value);
    if (layout) layout->addWidget(radio);
  }
  return row;
}

void TgaiyouDlg::BuildHiddenPages() {
  TabSheet7 = Named(new QWidget, "TabSheet7");
  PageControl3 = Named(new QTabWidget(TabSheet7), "PageControl3");
  (new QVBoxLayout(TabSheet7))->addWidget(PageControl3);
  PageControl3->setVisible(false);
  PageControl1->addTab(TabSheet7, QStringLiteral("診断報告書"));

  TabSheet10 = Named(new QWidget, "TabSheet10");
  PageControl4 = Named(new QTabWidget(TabSheet10), "PageControl4");
  (new QVBoxLayout(TabSheet10))->addWidget(PageControl4);
  PageControl4->setVisible(false);
  PageControl1->addTab(TabSheet10, QStringLiteral("改修申請"));
  TabSheet11 = Named(new QWidget, "TabSheet11");
  auto* unknown = new QHBoxLayout(TabSheet11);
  for (int i = 0; i < BuildDateEntries; ++i) {
    Ekoufumei[i] =
        NewCheckBox(TabSheet11, QStringLiteral("Ekoufumei%1").arg(i).toLatin1().constData(), "不明");
    unknown->addWidget(Ekoufumei[i]);
  }
  PageControl4->addTab(TabSheet11, QStringLiteral("確認申請・図面"));

  PageControl1->setTabVisible(1, false);
  PageControl1->setTabVisible(2, false);
}

QWidget* TgaiyouDlg::BuildBottomBar() {
  Panel2 = Coloured(Named(new QWidget(this), "Panel2"), kBottomBarColour);
  auto* row = new QHBoxLayout(Panel2);
  row->addWidget(Label(Panel2, "注） ", "Label105"));
  row->addWidget(Coloured(Label(Panel2, "緑の項目", "Label106"), kDeteriorationColour));
  row->addWidget(Label(Panel2, "の入力は劣化度入力にも連動します。", "Label107"));
  row->addWidget(Coloured(Label(Panel2, "水色の項目", "Label29"), kCalculationColour));
  row->addWidget(Label(Panel2, "の入力は計算条件設定に必要です。", "Label30"));
  row->addStretch();
  OKBtn = NewButton(Panel2, "OKBtn", "OK");
  OKBtn->setDefault(true);
  CancelBtn = NewButton(Panel2, "CancelBtn", "キャンセル");
  row->addWidget(OKBtn);
  row->addWidget(CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, [this] {
    if (OKBtnClick()) done(ModalOk);
  });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { done(ModalCancel); });
  return Panel2;
}

// --- The enabling rules -----------------------------------------------------

OutlineRuleState TgaiyouDlg::RuleState() const {
  OutlineRuleState s;
  s.Revision = revision_.Code(-1);
  s.Method = ruleMethod_;
  s.StoredOtherElementsMethod = ProjectSettings.OtherElementsMethod;
  for (int r = 0; r < OutlineRuleRadioCount; ++r) {
    s.Checked[r] = RuleRadio[r]->isChecked();
    s.Enabled[r] = RuleRadio[r]->isEnabled();
  }
  s.VerificationGroupVisible = !Grekkado->isHidden();
  s.LoadGroupVisible = !GroupBox178->isHidden();
  return s;
}

void TgaiyouDlg::ShowRuleState(const OutlineRuleState& s) {
  for (int r = 0; r < OutlineRuleRadioCount; ++r) {
    QRadioButton* radio = RuleRadio[r];
    radio->setEnabled(s.Enabled[r]);
    if (s.Checked[r] && !radio->isChecked()) {
      // The rules have run their consequences already.
      const QSignalBlocker blockRadio(radio);
      const QSignalBlocker blockGroup(radio->group());
      radio->setChecked(true);
    }
  }
  Grekkado->setVisible(s.VerificationGroupVisible);
  GroupBox178->setVisible(s.LoadGroupVisible);
}

void TgaiyouDlg::RevisionClick(int revision) {
  OutlineRuleState s = RuleState();
  OutlineRevisionClick(s, revision);
  ShowRuleState(s);
  FormPaint();
}

void TgaiyouDlg::Rmodeb0Click() { RevisionClick(Revision2012); }
void TgaiyouDlg::Rmodeb2Click() { RevisionClick(Revision2025); }

void TgaiyouDlg::MethodClick(int method) {
  ruleMethod_ = method;
  OutlineRuleState s = RuleState();
  OutlineMethodClick(s, method);
  ShowRuleState(s);
}

void TgaiyouDlg::Rmode_shindan1Click() { MethodClick(DiagnosisPrecise1); }
void TgaiyouDlg::Rmode_shindan2Click() { MethodClick(DiagnosisGeneral); }
void TgaiyouDlg::Rmode_shindan3Click() { MethodClick(DiagnosisVerification); }

void TgaiyouDlg::RequiredStrengthClick(int method) {
  OutlineRuleState s = RuleState();
  OutlineRequiredStrengthClick(s, method);
  ShowRuleState(s);
  update();
}

void TgaiyouDlg::OtherElementsClick(int method) {
  OutlineRuleState s = RuleState();
  OutlineOtherElementsClick(s, method);
  ShowRuleState(s);
}

void TgaiyouDlg::Rhouhou1Click() { OtherElementsClick(OtherElementsMethod1); }
void TgaiyouDlg::Rhouhou2Click() { OtherElementsClick(OtherElementsMethod2); }

void TgaiyouDlg::CsekisetChange() {
  if (Rseki1) Rseki1->setEnabled(Csekiset->currentIndex() != 0);
}

bool TgaiyouDlg::OKBtnClick() {
  if (!CheckNumbers() || !CheckAreas()) return false;
  const ProjectSettingsData before = ProjectSettings;
  StorePages();
  ProjectSettingsData after = ProjectSettings;
  after.FoundationClass = before.FoundationClass;  // derived, not saved
  if (!(after == before)) ModifiedFlag = 1;
  OutlineConfirmationPending = 0;
  return true;
}

void TgaiyouDlg::reject() {
  if (OutlineConfirmationPending == 1) {
    if (StartupDialogsPending == 1)
      MessageBox("起動時はＯＫボタンで閉じて下さい。", "データ設定が完了しません。", MB_ICONQUESTION);
    else
      MessageBox("データ読込時はＯＫボタンで閉じて下さい。", "データ読込が完了しません。", MB_ICONQUESTION);
    return;
  }
  done(ModalCancel);
}

bool TgaiyouDlg::CheckNumbers() {
  double value = 0.0;
  for (int v = 0; v < VariantCount; ++v)
    for (int e = 0; e < VariantSheetEditCount; ++e)
      if (!TakeNumber(SheetEdit[v][e], sheetFilled_[v][e], VariantSheetEditField(e),
                      VariantSheetEditCaption(e), value))
        return false;
  for (int r = 0; r < LoadTakeOffRows; ++r)
    for (int c = 0; c < LoadTakeOffClasses; ++c)
      if (!TakeNumber(LoadEdit[r][c], loadFilled_[r][c], FileNumberBounds.LoadTakeOff,
                      LoadTakeOffEditCaption(r, c), value))
        return false;
  return true;
}
