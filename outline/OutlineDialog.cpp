#include "outline/OutlineDialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <iterator>
#include <tuple>
#include <utility>

#include "evaluation/DeteriorationFactor.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/FileState.h"
#include "model/FoundationClass.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/MainWindowPort.h"
#include "presentation/OutlineAccept.h"
#include "presentation/WindowState.h"

namespace {

// Indexes of OutlineTexts.
enum OutlineTextIndex : int {
  TextBuildingName,
  TextBuildingLocation,
  TextDesignerName,
  TextUseText,
  TextClientAddress,
  TextClientName,
  TextClientTel,
  TextOwnerTel,
  TextSiteAddress,
  TextBuildingUseOther,
  TextBuildMonth0,
};

// The client size the dialog is designed for, its bottom bar and the main
// window height below which it opens as high as the main window.
constexpr int kClientWidth = 686;
constexpr int kClientHeight = 635;
constexpr int kBottomBarHeight = 34;
constexpr int kFullHeightWindow = 676;

// Background colours (0x00BBGGRR): items the deterioration survey shares, and
// items the calculation needs.
constexpr uint32_t kDeteriorationColour = 11660209;
constexpr uint32_t kCalculationColour = 16311512;
constexpr uint32_t kGeneralOnlyColour = 0x00FFFF;  // yellow
constexpr uint32_t kBottomBarColour = 14211288;
constexpr uint32_t kVariantSheetColours[VariantCount] = {16053492, 14671839, 13948116};
constexpr uint32_t kLoadTakeOffColour = 14413214;
constexpr uint32_t kNoteColour = 8454143;

const char* const kVariantTabs[VariantCount] = {"現況", "改修案１", "改修案２"};

QColor ColourOf(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

template <typename Widget>
Widget* Coloured(Widget* widget, uint32_t bgr) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ColourOf(bgr));
  widget->setPalette(palette);
  return widget;
}

template <typename Widget>
Widget* RedText(Widget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  widget->setPalette(palette);
  return widget;
}

QLabel* Label(QWidget* parent, const char* caption, const char* name = nullptr) {
  return NewLabel(parent, name, caption);
}

// Under the foundation's and the floor's choices: the label of the class
// they give, and the box of the checked switch that gives every part that
// class, with its notes.
struct ClassAndSwitch {
  struct Widget {
    const char* name;
    const char* caption;
  };
  Widget classCaption, classLabel, box, uniformSwitch;
  std::array<const char*, 3> notes;
};

const ClassAndSwitch kFoundationClass = {
    {"Label161", "基礎の種類"},
    {"Lkisoshu", "基礎Ⅲ"},
    {"GroupBox39", "基礎の個別入力"},
    {"Ckisokobetsu", "基礎(Ⅰ、Ⅱ、Ⅲ)の個別入力を行わない。(全て上記の基礎にする）"},
    {"注） チェック無しの場合は下記で計算します。", "個別入力のある部分－－入力された基礎",
     "個別入力のない部分－－上記の基礎"}};

const ClassAndSwitch kFloorClass = {
    {"Label244", "床仕様の種類"},
    {"Lyukashu", "床仕様Ⅲ"},
    {"GroupBox42", "床仕様の個別入力"},
    {"Cyukakobetsu", "床仕様（Ⅰ、Ⅱ、Ⅲ）の個別入力を行わない。（上記床仕様で計算する）"},
    {"注） チェック無しの場合は下記で計算します。", "一般診断法－－上記の床仕様",
     "精密診断法－－個別入力が必須　入力無しの部分は床耐力無し"}};

// The class label in cell (1, classColumn) of grid, the switch's box across
// row 2.
std::pair<QLabel*, QCheckBox*> AddClassAndSwitch(QGridLayout* grid, QWidget* parent, const ClassAndSwitch& c,
                                                 int classColumn) {
  auto* line = new QHBoxLayout;
  line->addWidget(Label(parent, c.classCaption.caption, c.classCaption.name));
  QLabel* label = Label(parent, c.classLabel.caption, c.classLabel.name);
  line->addWidget(label);
  grid->addLayout(line, 1, classColumn);
  QGroupBox* box = NewGroupBox(parent, c.box.name, c.box.caption);
  auto* column = new QVBoxLayout(box);
  QCheckBox* uniform = NewCheckBox(box, c.uniformSwitch.name, c.uniformSwitch.caption);
  uniform->setChecked(true);
  column->addWidget(uniform);
  for (const char* note : c.notes) column->addWidget(Label(box, note));
  grid->addWidget(box, 2, 0, 1, classColumn + 1);
  return {label, uniform};
}

QLineEdit* NewEdit(QWidget* parent, const std::string& name, int width) {
  auto* edit = Named(new QLineEdit(parent), QString::fromStdString(name));
  edit->setMinimumWidth(width);
  edit->setMaximumWidth(width + 20);
  return edit;
}

// A text with an input limit; a longer stored text is shown whole, so that
// nothing of it is lost by showing it.
void ShowText(QLineEdit* edit, std::u16string_view text, int limit) {
  const int length = static_cast<int>(text.size());
  edit->setMaxLength(limit > 0 ? std::max(limit, length) : 32767);
  edit->setText(QString::fromStdU16String(std::u16string(text)));
}

std::u16string TextOf(const QLineEdit* edit) { return edit->text().toStdU16String(); }

QComboBox* NewList(QWidget* parent, const char* name) {
  auto* list = Named(new QComboBox(parent), name);
  list->setEditable(false);
  return list;
}

// A check box that shows exactly the value 1 as checked.
void ShowExactlyOne(QCheckBox* box, int32_t value) { box->setChecked(value == SettingOn); }
int32_t CheckedValue(const QCheckBox* box) { return box->isChecked() ? SettingOn : SettingOff; }

}  // namespace

namespace {

using P = ProjectSettingsData;

constexpr OutlineRadioGroup FoundationTypeGroup{&P::FoundationType, 0, FoundationOtherType};
constexpr OutlineRadioGroup CracksGroup{&P::FoundationCracks, 0, SettingOn};
constexpr OutlineRadioGroup TieBeamsGroup{&P::FoundationTieBeams, 0, SettingOn};
constexpr OutlineRadioGroup FloorMaterialGroup{&P::FloorMaterial, 0, FloorMaterialNotVisible};
constexpr OutlineRadioGroup BracesGroup{&P::HorizontalBraces, 0, HorizontalBracesNotVisible};
constexpr OutlineRadioGroup AtriumGroup{&P::Atrium, 0, SettingOn};
constexpr OutlineRadioGroup GroundGroup{&P::GroundClass, 0, GroundBad};
constexpr OutlineRadioGroup SnowCaseGroup{&P::SnowCase, 0, NoOtherValue};
constexpr OutlineRadioGroup StructureGroup{&P::StructureType, 0, StructureTwoByFour};

// The radio group of a deterioration answer; the radio that also stands for
// the values outside the list.
constexpr int32_t kAnswerOther[DeteriorationAnswerCount] = {
    AnswerRepaired, AnswerPartAbsent, AnswerPartAbsent, AnswerRepaired, ExposedFrameRepaired, SettingOn,
    AnswerRepaired, AnswerRepaired,   AnswerRepaired,   AnswerRepaired, BathroomAbsent,       AnswerRepaired,
    SettingOn,      SettingOn,        AnswerRepaired,   AnswerRepaired, AnswerRepaired};
constexpr int kTiledBathroom = 12, kUntiledBathroom = 13, kExposedFrame = 4, kBalcony = 5;
OutlineRadioGroup AnswerGroup(int entry) { return {&P::DeteriorationAnswer, entry, kAnswerOther[entry]}; }

// The calculation conditions bound one radio group to one setting, in page order.
const OutlineRadioGroup kConditionGroups[TgaiyouDlg::ConditionGroupCount] = {
    {&P::RetrofitDeteriorationRule, 0, NoOtherValue}, {&P::DistinguishBraceDirection, 0, NoOtherValue},
    {&P::CountSteepDiagonalWalls, 0, NoOtherValue},   {&P::JointIIIRule, 0, NoOtherValue},
    {&P::GravityCentreBySpec, 0, NoOtherValue},       {&P::WallStrengthStandard, 0, NoOtherValue},
    {&P::JointHardwareMethod, 0, NoOtherValue},       {&P::NValueWallFactor, 0, NoOtherValue},
    {&P::LeanToColumnsTopStorey, 0, NoOtherValue},    {&P::UnratedOpeningWallStrength, 0, NoOtherValue},
    {&P::LowStrengthWallReduction, 0, NoOtherValue},  {&P::UnratedSolidWallRule, 0, NoOtherValue}};
constexpr int kRetrofitRule = 0, kJointHardware = 6, kNValueFactor = 7;
// The layout checks the first radio of each group but these two.
constexpr int kGravityCentre = 4, kUnratedSolid = 11;

// The display switches in the order OK copies them to the main window.
struct DisplaySwitch {
  const char* Name;
  const char* Caption;
  const char* Hint;
  int32_t P::*Flag;
};
const DisplaySwitch kDisplaySwitches[TgaiyouDlg::DisplaySwitchCount] = {
    {"Ccnchi", "柱Ｎ値", "柱N値　チェックあり：表示する、チェック無し：表示しない", &P::ShowColumnNValue},
    {"Cwyouso", "壁要素or補強No.", "壁要素or補強No.　チェックあり：壁要素、チェック無し：補強No.",
     &P::ShowWallElements},
    {"Ckaishu", "改修箇所", "改修箇所　チェックあり：表示する、チェック無し：表示しない",
     &P::ShowRetrofitPlaces},
    {"Cwtairyoku", "壁耐力", "壁耐力　チェックあり：表示する、チェック無し：表示しない",
     &P::ShowWallStrength},
    {"CtakaiW", "他階耐力壁or基礎", "他階耐力壁or基礎　チェックあり：他階耐力壁、チェック無し：基礎",
     &P::ShowOtherStoreyWalls},
    {"Cwteigenchi", "壁低減値or基準耐力",
     "壁低減値or基準耐力　チェックあり：壁低減値、チェック無し：基準耐力", &P::ShowReducedStrength},
    {"Cwouka", "横架材応力", "横架材応力　チェックあり：表示する、チェック無し：表示しない",
     &P::ShowBeamStress},
    {"Cwkaishu", "改修注意", "改修注意　チェックあり：表示する、チェック無し：表示しない",
     &P::ShowRetrofitCaution},
};

QGroupBox* SettingBox(QWidget* parent, const OutlineRadioGroup& group, uint32_t colour) {
  const SettingDescriptor& d = OutlineRadioSetting(group);
  return Coloured(NewGroupBox(parent, *d.Component ? d.Component : nullptr, d.Caption), colour);
}

QLineEdit* BoundEdit(QWidget* parent, const OutlineTextBinding& b) {
  auto* edit = Named(new QLineEdit(parent), b.Component);
  edit->setMaxLength(b.Limit);
  return edit;
}

// Shows a check box checked for any value but 0.
void ShowNonZero(QCheckBox* box, int32_t value) { box->setChecked(value != 0); }

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

QWidget* TgaiyouDlg::BuildMethodPage() {
  TabSheet2 = Named(new QWidget, "TabSheet2");
  auto* page = new QVBoxLayout(TabSheet2);

  // Revision, mixed structure, snow depth and region factor in one row.
  auto* top = new QHBoxLayout;
  G1 = NewGroupBox(TabSheet2, "G1", "動作モード");
  revision_ = Radios(RevisionGroup, G1, new QHBoxLayout(G1));
  Rmodeb0 = revision_.Radio(Revision2012);
  Rmodeb2 = revision_.Radio(Revision2025);
  Rmodeb4 = revision_.Radio(Revision2004);
  Rmodeb4->setVisible(false);
  Rmodeb4->setEnabled(false);
  top->addWidget(G1);

  GG7 = Coloured(NewGroupBox(TabSheet2, "GG7", "混構造の有無"), kCalculationColour);
  auto* mixed = new QGridLayout(GG7);
  mixed_ = Radios(MixedStructureGroup, GG7, nullptr);
  for (int i = 0; i < 3; ++i) mixed->addWidget(mixed_.Radio(i), 0, i);
  mixed->addWidget(Label(GG7, "ありの場合の１階構造", "Label13"), 1, 1, 1, 2);
  top->addWidget(GG7);

  GG8 = Coloured(NewGroupBox(TabSheet2, "GG8", "積雪深さ（ｍ）"), kCalculationColour);
  Csekiset = NewList(GG8, "Csekiset");
  for (int i = 0; i < SnowDepthItemCount; ++i) Csekiset->addItem(QString::fromStdString(SnowDepthItem(i)));
  Csekiset->setMaxVisibleItems(SnowDepthItemCount);
  (new QVBoxLayout(GG8))->addWidget(Csekiset);
  top->addWidget(GG8);

  GG9 = Coloured(NewGroupBox(TabSheet2, "GG9", "地域係数Ｚ"), kCalculationColour);
  auto* zRow = new QHBoxLayout(GG9);
  zRow->addWidget(Label(GG9, "Ｚ ＝", "Label95"));
  CchiikiZ = NewList(GG9, "CchiikiZ");
  for (const char* item : RegionFactorItems) CchiikiZ->addItem(QString::fromUtf8(item));
  zRow->addWidget(CchiikiZ);
  top->addWidget(GG9);
  top->addStretch();
  page->addLayout(top);

  // 診断法: the method and the methods of the calculation.
  G2 = NewGroupBox(TabSheet2, "G2", "診断法");
  auto* g2 = new QVBoxLayout(G2);
  GroupBox45 = Coloured(NewGroupBox(G2, "GroupBox45", "計算方法"), kCalculationColour);
  auto* methods = new QGridLayout(GroupBox45);
  methods->addWidget(Label(GroupBox45, "精密診断法２", "Label119"), 0, 0);
  method_ = RadioRow(GroupBox45);
  Rmode_shindan00 = method_.Add(GroupBox45, "Rmode_shindan00", "保有水平耐力計算１", DiagnosisPrecise2);
  Rmode_shindan00->setToolTip(QStringLiteral("層の荷重変形関係に基づき、保有水平耐力を求める場合"));
  Rmode_shindan01 =
      Named(new QRadioButton(QStringLiteral("保有水平耐力計算２"), GroupBox45), "Rmode_shindan01");
  Rmode_shindan01->setToolTip(QStringLiteral("単体壁の終局耐力の累加により、保有水平耐力を求める場合"));
  Rmode_shindan02 = Named(new QRadioButton(QStringLiteral("限界耐力計算"), GroupBox45), "Rmode_shindan02");
  Rmode_shindan03 = Named(new QRadioButton(QStringLiteral("時刻歴応答計算"), GroupBox45), "Rmode_shindan03");
  QRadioButton* firstRow[] = {Rmode_shindan00, Rmode_shindan01, Rmode_shindan02, Rmode_shindan03};
  for (int i = 0; i < 4; ++i) {
    firstRow[i]->setEnabled(false);
    methods->addWidget(firstRow[i], 0, i + 1);
  }
  Rmode_shindan1 = method_.Add(GroupBox45, "Rmode_shindan1", "精密診断法１", DiagnosisPrecise1);
  Rmode_shindan2 = method_.Add(GroupBox45, "Rmode_shindan2", "一般診断法", DiagnosisGeneral);
  Rmode_shindan3 = method_.Add(GroupBox45, "Rmode_shindan3", "新耐震木造住宅検証法", DiagnosisVerification);
  methods->addWidget(Rmode_shindan1, 1, 1);
  methods->addWidget(Rmode_shindan2, 1, 2);
  methods->addWidget(Rmode_shindan3, 1, 3, 1, 2);
  Rmode_shindan2->setChecked(true);
  g2->addWidget(GroupBox45);

  auto* calc = new QHBoxLayout;
  GroupBox16 = Coloured(NewGroupBox(G2, "GroupBox16", "必要耐力算出"), kCalculationColour);
  auto* required = new QVBoxLayout(GroupBox16);
  required_ = Radios(RequiredStrengthGroup, GroupBox16, nullptr);
  required->addWidget(required_.Radio(RequiredByLoadTakeOff));
  required->addWidget(Label(GroupBox16, "↑荷重拾いによる方法", "Label120"));
  required->addWidget(RedText(Label(GroupBox16, "↑階高＆部位別重量が必要！", "Label258")));
  for (int m = RequiredByWeightTable; m <= RequiredBySimpleTable; ++m)
    required->addWidget(required_.Radio(m));
  required->addStretch();
  calc->addWidget(GroupBox16);

  auto* right = new QVBoxLayout;
  GroupBox44 = Coloured(NewGroupBox(G2, "GroupBox44", "耐力要素の配置等による低減係数"), kCalculationColour);
  balance_ = Radios(BalanceGroup, GroupBox44, new QHBoxLayout(GroupBox44));
  right->addWidget(GroupBox44);
  GroupBox49 = Coloured(NewGroupBox(G2, "GroupBox49", "その他の耐震要素の耐力"), kCalculationColour);
  otherElements_ = Radios(OtherElementsGroup, GroupBox49, new QVBoxLayout(GroupBox49));
  Rhouhou1 = otherElements_.Radio(OtherElementsMethod1);
  right->addWidget(GroupBox49);
  GroupBox43 = Coloured(NewGroupBox(G2, "GroupBox43", "その他の耐震要素の耐力"), kGeneralOnlyColour);
  openingWall_ = Radios(OpeningWallGroup, GroupBox43, new QHBoxLayout(GroupBox43));
  right->addWidget(GroupBox43);
  auto* yellowNote = new QHBoxLayout;
  yellowNote->addWidget(Coloured(Label(G2, "黄色の項目", "Label78"), kGeneralOnlyColour));
  yellowNote->addWidget(Label(G2, "は一般診断法のみ選択可能", "Label99"));
  yellowNote->addStretch();
  right->addLayout(yellowNote);
  right->addStretch();
  calc->addLayout(right, 1);
  g2->addLayout(calc);
  page->addWidget(G2);

  for (int r = RuleH0; r <= RuleH3; ++r) RuleRadio[r] = required_.Radio(r - RuleH0);
  RuleRadio[RuleB0] = balance_.Radio(BalanceByEccentricity);
  RuleRadio[RuleB1] = balance_.Radio(BalanceByQuarterDivision);
  RuleRadio[RuleY] = openingWall_.Radio(OpeningWallsByLength);
  RuleRadio[RuleM] = openingWall_.Radio(OpeningWallsByRatio);
  RuleRadio[RuleW2] = otherElements_.Radio(OtherElementsMethod2);

  for (int i = 0; i < OutlineTextCount; ++i) {
    const OutlineTextBinding& b = OutlineTexts[i];
    TextEdit[i] = Named(new QLineEdit(TabSheet2), b.Component);
  }

  // The verification deterioration and the cover texts.
  auto* bottom = new QHBoxLayout;
  Grekkado = Coloured(NewGroupBox(TabSheet2, "Grekkado", "劣化度"), kCalculationColour);
  auto* rekkado = new QVBoxLayout(Grekkado);
  for (const char* line : {"新耐震木造住宅", "検証法における", "劣化度の値"})
    rekkado->addWidget(Label(Grekkado, line));
  verification_ = Radios(VerificationDeteriorationGroup, Grekkado, rekkado);
  rekkado->addStretch();
  bottom->addWidget(Grekkado);

  GroupBox187 = NewGroupBox(TabSheet2, "GroupBox187", "表紙印刷設定");
  auto* cover = new QGridLayout(GroupBox187);
  cover->addWidget(Label(GroupBox187, "建物名"), 0, 0);
  cover->addWidget(TextEdit[TextBuildingName], 0, 1);
  Cteifuka = NewCheckBox(GroupBox187, "Cteifuka", "邸を付ける");
  Cteifuka->setChecked(true);
  cover->addWidget(Cteifuka, 0, 2);
  cover->addWidget(Label(GroupBox187, "（建物所有者＋邸）　または　建物の名称", "Label329"), 0, 3);
  cover->addWidget(Label(GroupBox187, "建物所在地"), 1, 0);
  cover->addWidget(TextEdit[TextBuildingLocation], 1, 1, 1, 3);
  cover->addWidget(Label(GroupBox187, "設計者"), 2, 0);
  cover->addWidget(TextEdit[TextDesignerName], 2, 1, 1, 3);

  GroupBox189 = NewGroupBox(GroupBox187, "GroupBox189", "建物用途");
  GroupBox189->setToolTip(QStringLiteral("専用住宅で無い場合はチェックを入れ、表示する用途を入力する。"));
  auto* use = new QHBoxLayout(GroupBox189);
  Chijuutaku = NewCheckBox(GroupBox189, "Chijuutaku", "専用住宅では無い");
  Chijuutaku->setToolTip(QStringLiteral("チェックが無い時は「専用住宅」と表示"));
  use->addWidget(Chijuutaku);
  use->addWidget(Label(GroupBox189, "表示する用途"));
  use->addWidget(TextEdit[TextUseText], 1);
  cover->addWidget(GroupBox189, 3, 0, 1, 4);

  GG6 = NewGroupBox(GroupBox187, "GG6", "竣工年月　（数字を含め全角文字で入力）");
  auto* dates = new QGridLayout(GG6);
  GroupBox6 = NewGroupBox(GG6, "GroupBox6", "増築･改築･その他");
  auto* renovations = new QGridLayout(GroupBox6);
  const char* const renovationCaptions[BuildDateEntries] = {"", "第１回", "第２回", "第３回"};
  for (int i = 0; i < BuildDateEntries; ++i) {
    QWidget* parent = i == 0 ? static_cast<QWidget*>(GG6) : GroupBox6;
    QGridLayout* grid = i == 0 ? dates : renovations;
    const int row = i == 0 ? 0 : i - 1;
    Ekouyearn[i] = NewList(parent, QStringLiteral("Ekouyearn%1").arg(i).toLatin1().constData());
    for (const char* era : EraItems) Ekouyearn[i]->addItem(QString::fromUtf8(era));
    Ekouyear[i] = NewEdit(parent, "Ekouyear" + std::to_string(i), 50);
    QLineEdit* month = TextEdit[TextBuildMonth0 + i];
    month->setParent(parent);
    month->setMinimumWidth(40);
    month->setMaximumWidth(60);
    int column = 0;
    if (i == 0) {
      grid->addWidget(Label(parent, "竣工年月"), row, column++);
    } else {
      Ekouzou[i] = NewCheckBox(parent, QStringLiteral("Ekouzou%1").arg(i).toLatin1().constData(),
                               renovationCaptions[i]);
      grid->addWidget(Ekouzou[i], row, column++);
    }
    grid->addWidget(Ekouyearn[i], row, column++);
    grid->addWidget(Ekouyear[i], row, column++);
    grid->addWidget(Label(parent, "年"), row, column++);
    grid->addWidget(month, row, column++);
    grid->addWidget(Label(parent, "月"), row, column++);
  }
  dates->setColumnStretch(6, 1);
  dates->addWidget(GroupBox6, 1, 0, 1, 7);
  GroupBox6->setVisible(false);
  cover->addWidget(GG6, 4, 0, 1, 4);
  cover->setColumnStretch(3, 1);
  bottom->addWidget(GroupBox187, 1);
  page->addLayout(bottom);

  // Client, owner and site: stored, never shown.
  GG1 = NewGroupBox(TabSheet2, "GG1", "診断依頼者");
  auto* client = new QGridLayout(GG1);
  client->addWidget(Label(GG1, "住所"), 0, 0);
  client->addWidget(TextEdit[TextClientAddress], 0, 1);
  client->addWidget(Label(GG1, "氏名"), 1, 0);
  client->addWidget(TextEdit[TextClientName], 1, 1);
  client->addWidget(Label(GG1, "TEL"), 2, 0);
  client->addWidget(TextEdit[TextClientTel], 2, 1);
  GG2 = NewGroupBox(TabSheet2, "GG2", "建物所有者");
  auto* owner = new QGridLayout(GG2);
  Epost = Named(new QLineEdit(GG2), "Epost");
  Eshoaddr = Named(new QLineEdit(GG2), "Eshoaddr");
  owner->addWidget(Label(GG2, "〒"), 0, 0);
  owner->addWidget(Epost, 0, 1);
  owner->addWidget(Label(GG2, "住所"), 1, 0);
  owner->addWidget(Eshoaddr, 1, 1);
  owner->addWidget(Label(GG2, "TEL"), 2, 0);
  owner->addWidget(TextEdit[TextOwnerTel], 2, 1);
  GG3 = NewGroupBox(TabSheet2, "GG3", "建物所在地");
  auto* site = new QGridLayout(GG3);
  site->addWidget(Label(GG3, "住居表示"), 0, 0);
  site->addWidget(TextEdit[TextSiteAddress], 0, 1);
  for (QGroupBox* hidden : {GG1, GG2, GG3}) {
    page->addWidget(hidden);
    hidden->setVisible(false);
  }
  page->addStretch();

  // The rules of the revision, method, required-strength and other-elements
  // radios run whenever one becomes checked, by a click or from code.
  connect(Rmodeb0, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Rmodeb0Click();
  });
  connect(Rmodeb2, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Rmodeb2Click();
  });
  connect(Rmode_shindan1, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Rmode_shindan1Click();
  });
  connect(Rmode_shindan2, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Rmode_shindan2Click();
  });
  connect(Rmode_shindan3, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Rmode_shindan3Click();
  });
  required_.OnChecked(this, [this](int method) { RequiredStrengthClick(method); });
  otherElements_.OnChecked(this, [this](int method) {
    if (method == OtherElementsMethod1)
      Rhouhou1Click();
    else
      Rhouhou2Click();
  });
  connect(Csekiset, &QComboBox::activated, this, &TgaiyouDlg::CsekisetChange);
  return TabSheet2;
}

QWidget* TgaiyouDlg::BuildBuildingPage() {
  TabSheet21 = Named(new QWidget, "TabSheet21");
  auto* page = new QVBoxLayout(TabSheet21);
  page->addWidget(Label(TabSheet21,
                        "現状のデータを改修案にコピーする場合は、診断対象のデータコピーを行って下さい。",
                        "Label163"));
  page->addWidget(RedText(Label(TabSheet21, "旧データ読み込みの場合は階高に注意！", "Label277")));

  auto* top = new QHBoxLayout;
  GG5 = Coloured(NewGroupBox(TabSheet21, "GG5", "用途"), kDeteriorationColour);
  auto* use = new QGridLayout(GG5);
  use_ = Radios(BuildingUseGroup, GG5, nullptr);
  use->addWidget(use_.Radio(UseDwellingOnly), 0, 0);
  use->addWidget(Label(GG5, "併用住宅"), 0, 1);
  use->addWidget(use_.Radio(UseWithShop), 0, 2);
  use->addWidget(use_.Radio(UseWithOffice), 0, 3);
  use->addWidget(use_.Radio(UseOther), 1, 0);
  use->addWidget(TextEdit[TextBuildingUseOther], 1, 1, 1, 3);
  TextEdit[TextBuildingUseOther]->setParent(GG5);
  top->addWidget(GG5);
  GG51 = Coloured(NewGroupBox(TabSheet21, "GG51", "地上階ガレージ"), kDeteriorationColour);
  garage_ = Radios(GarageGroup, GG51, new QHBoxLayout(GG51));
  top->addWidget(GG51);
  GG52 = Coloured(NewGroupBox(TabSheet21, "GG52", "地階・地下車庫"), kDeteriorationColour);
  auto* basement = new QVBoxLayout(GG52);
  basement_ = Radios(BasementGroup, GG52, nullptr);
  basement->addWidget(basement_.Radio(SettingOn));
  basement->addWidget(basement_.Radio(SettingOff));
  top->addWidget(GG52);
  auto* panel6 = Coloured(Named(new QWidget(TabSheet21), "Panel6"), kNoteColour);
  auto* panel6Lines = new QVBoxLayout(panel6);
  panel6Lines->addWidget(Label(panel6, "[建物の重さの区分]にある[小屋裏収納]の有無は"));
  panel6Lines->addWidget(Label(panel6, "簡易耐力表の場合以外は無視されます。"));
  top->addWidget(panel6, 0, Qt::AlignBottom);
  top->addStretch();
  page->addLayout(top);

  PageControl5 = Named(new QTabWidget(TabSheet21), "PageControl5");
  for (int v = 0; v < VariantCount; ++v)
    PageControl5->addTab(BuildVariantSheet(v), QString::fromUtf8(kVariantTabs[v]));
  page->addWidget(PageControl5);
  page->addWidget(BuildLoadTakeOff(TabSheet21));
  page->addStretch();
  return TabSheet21;
}

QWidget* TgaiyouDlg::BuildVariantSheet(int v) {
  static const char* const kSheetNames[VariantCount] = {"TabSheet16", "TabSheet18", "TabSheet19"};
  QWidget* sheet = Coloured(Named(new QWidget, kSheetNames[v]), kVariantSheetColours[v]);
  VariantSheet[v] = sheet;
  auto* columns = new QHBoxLayout(sheet);

  auto* first = new QVBoxLayout;
  QGroupBox* storeys = Coloured(NewGroupBox(sheet, nullptr, "建物階数"), kCalculationColour);
  topStorey_[v] = Radios(TopStoreyGroup, storeys, new QVBoxLayout(storeys), v);
  first->addWidget(storeys);
  QGroupBox* weight = Coloured(NewGroupBox(sheet, nullptr, "建物の重さの区分"), kCalculationColour);
  auto* weightColumn = new QVBoxLayout(weight);
  weight_[v] = Radios(WeightClassGroup, weight, weightColumn, v);
  QGroupBox* attic = NewGroupBox(weight, nullptr, "小屋裏収納");
  if (v == 0) attic->setToolTip(QStringLiteral("簡易耐力表以外の場合は無視されます。"));
  auto* atticRow = new QHBoxLayout(attic);
  attic_[v] = Radios(AtticStorageGroup, attic, nullptr, v);
  atticRow->addWidget(attic_[v].Radio(SettingOn));
  atticRow->addWidget(attic_[v].Radio(SettingOff));
  weightColumn->addWidget(attic);
  first->addWidget(weight);
  first->addStretch();
  columns->addLayout(first);

  // Areas and heights: caption, edit, unit.
  auto* second = new QVBoxLayout;
  QGroupBox* areas = Coloured(NewGroupBox(sheet, nullptr, "基準法上の面積 "), kCalculationColour);
  QGroupBox* heights = Coloured(NewGroupBox(sheet, nullptr, "階高"), kCalculationColour);
  auto* areaGrid = new QGridLayout(areas);
  auto* heightGrid = new QGridLayout(heights);
  int storeyWidgets[StoreyCount] = {};
  for (int e = 0; e < VariantSheetEditCount; ++e) {
    const bool height = e >= SheetStoreyHeight1;
    QGroupBox* box = height ? heights : areas;
    QGridLayout* grid = height ? heightGrid : areaGrid;
    const int row = height ? e - SheetStoreyHeight1 : e;
    QLabel* caption = Label(box, VariantSheetEditCaption(e));
    SheetEdit[v][e] = NewEdit(box, VariantSheetEditName(v, e), 64);
    QLabel* unit = Label(box, height ? "m" : "㎡");
    grid->addWidget(caption, row, 0);
    grid->addWidget(SheetEdit[v][e], row, 1);
    grid->addWidget(unit, row, 2);
    const int storey = VariantSheetEditStorey(e);
    if (storey >= 1) {
      int& n = storeyWidgets[storey];
      for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(SheetEdit[v][e]),
                         static_cast<QWidget*>(unit)})
        storeyRowWidgets_[v][storey][n++] = w;
    }
  }
  heightGrid->addWidget(RedText(Label(heights, "←階高の入力単位はｍです。")), 0, 3, 3, 1);
  second->addWidget(areas);
  second->addWidget(heights);
  second->addStretch();
  columns->addLayout(second);

  // Part weight classes, one group per part.
  auto* third = new QVBoxLayout;
  QGroupBox* parts =
      Coloured(NewGroupBox(sheet, nullptr, "住宅の簡易重量表における部位別重量"), kCalculationColour);
  auto* partGrid = new QGridLayout(parts);
  for (int part = 0; part < PartWeightCount; ++part) {
    QGroupBox* group = NewGroupBox(parts, nullptr, OutlineRadioSetting(PartWeightGroup(part)).Caption);
    partWeight_[v][part] = Radios(PartWeightGroup(part), group, new QHBoxLayout(group), v);
    partGrid->addWidget(group, part / 2, part % 2);
  }
  auto* notes = new QVBoxLayout;
  notes->addWidget(Label(parts, "非重：非常に重い"));
  notes->addWidget(Label(parts, "代表する仕様で重量を決める"));
  partGrid->addLayout(notes, 2, 1);
  third->addWidget(parts);
  third->addStretch();
  columns->addLayout(third, 1);

  for (int code = TopStoreyFirst; code <= TopStoreyThird; ++code)
    connect(topStorey_[v].Radio(code), &QRadioButton::toggled, this, [this, v](bool on) {
      if (on) UpdateStoreyRows(v);
    });
  return sheet;
}

QWidget* TgaiyouDlg::BuildLoadTakeOff(QWidget* parent) {
  GroupBox178 =
      Coloured(RedText(NewGroupBox(parent, "GroupBox178", "荷重拾いによる方法における各部位の荷重")),
               kLoadTakeOffColour);
  auto* column = new QVBoxLayout(GroupBox178);
  auto* row = new QHBoxLayout;
  column->addLayout(row);
  static const char* const kParts[LoadTakeOffRows] = {"GroupBox179", "GroupBox184", "GroupBox180",
                                                      "GroupBox181", "GroupBox182", "GroupBox183"};
  for (int r = 0; r < LoadTakeOffRows; ++r) {
    QGroupBox* part = NewGroupBox(GroupBox178, kParts[r], LoadTakeOffPartCaption(r));
    auto* grid = new QGridLayout(part);
    for (int c = 0; c < LoadTakeOffClasses; ++c) {
      LoadEdit[r][c] = NewEdit(part, LoadTakeOffEditName(r, c), 36);
      QLabel* unit = Label(part, "N/㎡");
      grid->addWidget(Label(part, LoadTakeOffClassCaption(c)), c, 0);
      grid->addWidget(LoadEdit[r][c], c, 1);
      grid->addWidget(unit, c, 2);
      // The walls have no very heavy class to show; the value is still kept.
      if (r >= 4 && c == 2) {
        LoadEdit[r][c]->setVisible(false);
        unit->setVisible(false);
      }
    }
    row->addWidget(part);
  }
  auto* notes = new QHBoxLayout;
  for (const char* note : {"非重：非常に重い", "※荷重は任意の値に設定可能",
                           "（データファイルに記憶される。）", "個別荷重の値は要素毎に設定。"})
    notes->addWidget(Label(GroupBox178, note));
  notes->addStretch();
  column->addLayout(notes);
  // The layout's values until the first show.
  static constexpr double kLayout[LoadTakeOffRows][LoadTakeOffClasses] = {
      {600, 600, 600}, {600, 600, 600}, {700, 950, 1500}, {700, 950, 1500}, {600, 1000, 0}, {350, 950, 0}};
  for (int r = 0; r < LoadTakeOffRows; ++r)
    for (int c = 0; c < LoadTakeOffClasses; ++c) LoadEdit[r][c]->setText(QString::number(kLayout[r][c]));
  return GroupBox178;
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

void TgaiyouDlg::UpdateStoreyRows(int v) {
  const int top = topStorey_[v].Code(-1);
  if (top < 0) return;
  for (int storey = 1; storey < StoreyCount; ++storey)
    for (QWidget* w : storeyRowWidgets_[v][storey])
      if (w) w->setEnabled(top >= storey);
}

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

// --- The foundation, deterioration, conditions and display pages -------------

RadioRow TgaiyouDlg::CalculationRadios(QGridLayout* grid, QWidget* parent, const OutlineRadioGroup& group,
                                       int row, int column) {
  QGroupBox* box = SettingBox(parent, group, kCalculationColour);
  RadioRow radios = Radios(group, box, new QHBoxLayout(box));
  grid->addWidget(box, row, column);
  return radios;
}

void TgaiyouDlg::BuildFoundationPage() {
  TabSheet9 = Named(new QWidget, "TabSheet9");
  auto* page = new QVBoxLayout(TabSheet9);

  QGroupBox* GBox13 =
      NewGroupBox(TabSheet9, "GBox13", "基礎 （ここは計算の為の入力、劣化入力とは連動しません。）");
  auto* kiso = new QGridLayout(GBox13);
  QGroupBox* GBox18 = SettingBox(GBox13, FoundationTypeGroup, kCalculationColour);
  auto* types = new QHBoxLayout(GBox18);
  foundation_ = Radios(FoundationTypeGroup, GBox18, types);
  Ekisomemo = BoundEdit(GBox18, OutlineFoundationTexts[0]);
  types->addWidget(Ekisomemo);
  kiso->addWidget(GBox18, 0, 0, 1, 3);
  cracks_ = CalculationRadios(kiso, GBox13, CracksGroup, 1, 0);
  tieBeams_ = CalculationRadios(kiso, GBox13, TieBeamsGroup, 1, 1);
  std::tie(Lkisoshu, Ckisokobetsu) = AddClassAndSwitch(kiso, GBox13, kFoundationClass, 2);
  page->addWidget(GBox13);

  QGroupBox* GBox14 = NewGroupBox(TabSheet9, "GBox14", "床仕様（１階・２階 天井面）");
  auto* yuka = new QGridLayout(GBox14);
  floor_ = CalculationRadios(yuka, GBox14, FloorMaterialGroup, 0, 0);
  braces_ = CalculationRadios(yuka, GBox14, BracesGroup, 0, 1);
  atrium_ = CalculationRadios(yuka, GBox14, AtriumGroup, 1, 0);
  std::tie(Lyukashu, Cyukakobetsu) = AddClassAndSwitch(yuka, GBox14, kFloorClass, 1);
  page->addWidget(GBox14);

  auto* groundRow = new QHBoxLayout;
  QGroupBox* GroupBox55 = SettingBox(TabSheet9, GroundGroup, kCalculationColour);
  auto* ground = new QVBoxLayout(GroupBox55);
  auto* groundRadios = new QHBoxLayout;
  ground_ = Radios(GroundGroup, GroupBox55, groundRadios);
  ground->addLayout(groundRadios);
  QLabel* lawNote = Label(GroupBox55, "建築基準法に準拠する場合に必要です。");
  QPalette blue = lawNote->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  lawNote->setPalette(blue);
  ground->addWidget(lawNote);
  groundRow->addWidget(GroupBox55);
  QGroupBox* GroupBox54 =
      Coloured(NewGroupBox(TabSheet9, "GroupBox54", "著しく軟弱な地盤の指定"), kCalculationColour);
  auto* soft = new QVBoxLayout(GroupBox54);
  Cichijiru = NewCheckBox(GroupBox54, "Cichijiru", "著しく軟弱な地盤");
  soft->addWidget(Cichijiru);
  soft->addWidget(Label(GroupBox54, "注） 軟弱地盤割増で計算します。"));
  soft->addWidget(Label(GroupBox54, "(必要耐力×1.5)"));
  groundRow->addWidget(GroupBox54);
  groundRow->addStretch();
  page->addLayout(groundRow);
  page->addStretch();

  // The crack fields, on a page that is never shown.
  auto* TabSheet5 = Named(new QWidget, "TabSheet5");
  auto* GBox19 = NewGroupBox(TabSheet5, "GBox19", "基礎に亀裂がある場合");
  auto* crackFields = new QVBoxLayout(GBox19);
  Ehibikasho = BoundEdit(GBox19, OutlineFoundationTexts[1]);
  crackFields->addWidget(Ehibikasho);
  const char* const causes[3] = {"地盤沈下", "鉄筋のさび等", "その他"};
  for (int i = 0; i < 3; ++i) {
    Ehibigen[i] =
        NewCheckBox(GBox19, QStringLiteral("Ehibigen%1").arg(i + 1).toLatin1().constData(), causes[i]);
    crackFields->addWidget(Ehibigen[i]);
  }
  Ehibigeng = BoundEdit(GBox19, OutlineFoundationTexts[2]);
  crackFields->addWidget(Ehibigeng);
  (new QVBoxLayout(TabSheet5))->addWidget(GBox19);
  TabSheet5->setParent(TabSheet9);
  TabSheet5->setVisible(false);

  foundation_.OnChecked(this, [this](int) { EkisokClick(); });
  for (RadioRow* row : {&cracks_, &tieBeams_, &floor_, &braces_, &atrium_})
    row->OnChecked(this, [this](int) { FormPaint(); });
}

void TgaiyouDlg::BuildDeteriorationPage() {
  TabSheet20 = Named(new QWidget, "TabSheet20");
  auto* page = new QGridLayout(TabSheet20);
  const auto box = [](QWidget* parent, int entry) {
    return SettingBox(parent, AnswerGroup(entry), kDeteriorationColour);
  };
  // An answer's box with its radios in a row or a column.
  const auto answerBox = [this, &box](QWidget* parent, int entry, Qt::Orientation direction) {
    QGroupBox* group = box(parent, entry);
    QBoxLayout* radios = direction == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(group))
                                                     : new QVBoxLayout(group);
    answers_[entry] = Radios(AnswerGroup(entry), group, radios);
    return group;
  };
  const auto text = [this](QWidget* parent, QGridLayout* grid, int entry, const char* caption, int row,
                           int column) {
    grid->addWidget(Label(parent, caption), row, column);
    DeteriorationEdit[entry] = BoundEdit(parent, OutlineDeteriorationTexts[entry]);
    grid->addWidget(DeteriorationEdit[entry], row, column + 1);
  };

  // Roof and outer wall: finish, answer, place, state.
  for (int part = 0; part < 2; ++part) {
    const int entry = part == 0 ? 0 : 3;
    QGroupBox* group = box(TabSheet20, entry);
    auto* grid = new QGridLayout(group);
    auto* radios = new QHBoxLayout;
    answers_[entry] = Radios(AnswerGroup(entry), group, radios);
    if (part == 0) {
      text(group, grid, 0, "仕上げ", 0, 0);
      grid->addWidget(Label(group, "劣化"), 0, 2);
      grid->addLayout(radios, 0, 3);
      text(group, grid, 1, "場所", 1, 0);
      text(group, grid, 2, "状況", 1, 2);
    } else {
      text(group, grid, 3, "下地", 0, 0);
      grid->addWidget(Label(group, "(不明は無記入)"), 0, 2);
      text(group, grid, 4, "仕上げ", 1, 0);
      grid->addWidget(Label(group, "劣化"), 1, 2);
      grid->addLayout(radios, 1, 3);
      text(group, grid, 5, "場所", 2, 0);
      text(group, grid, 6, "状況", 2, 2);
    }
    page->addWidget(group, part == 0 ? 0 : 2, 0);
  }

  // Gutters and downspouts.
  QGroupBox* GBox23 = Coloured(NewGroupBox(TabSheet20, "GBox23", "樋"), kDeteriorationColour);
  auto* gutters = new QVBoxLayout(GBox23);
  for (int entry : {1, 2}) {
    QGroupBox* group = box(GBox23, entry);
    auto* grid = new QGridLayout(group);
    answers_[entry] = Radios(AnswerGroup(entry), group, nullptr);
    const int codes[] = {AnswerSound, AnswerRepaired, AnswerFound, AnswerPartAbsent};
    for (int i = 0; i < 4; ++i) grid->addWidget(answers_[entry].Radio(codes[i]), i / 2, i % 2);
    gutters->addWidget(group);
  }
  page->addWidget(GBox23, 1, 0);

  // The exposed frame.
  QGroupBox* GBox24 = box(TabSheet20, kExposedFrame);
  auto* frame = new QVBoxLayout(GBox24);
  auto* frameChoice = new QHBoxLayout;
  exposed_ = RadioRow(GBox24);
  frameChoice->addWidget(exposed_.Add(GBox24, "Eroshutsu0", "露出した躯体無し", 0));
  Eroshutsu1 = exposed_.Add(GBox24, "Eroshutsu1", "露出した躯体有り", 1);
  frameChoice->addWidget(Eroshutsu1);
  frame->addLayout(frameChoice);
  QGroupBox* GroupBox28 = NewGroupBox(GBox24, "GroupBox28", "劣化");
  auto* frameAnswers = new QVBoxLayout(GroupBox28);
  answers_[kExposedFrame] = RadioRow(GroupBox28);
  for (const SettingChoice& c : OutlineRadioSetting(AnswerGroup(kExposedFrame)).Choices)
    if (c.Value != ExposedFrameNone)
      frameAnswers->addWidget(answers_[kExposedFrame].Add(GroupBox28, c.Radio[0], c.Caption, c.Value));
  frame->addWidget(GroupBox28, 1);
  page->addWidget(GBox24, 3, 0);

  // The balcony.
  QGroupBox* GBox25 = box(TabSheet20, kBalcony);
  auto* balcony = new QGridLayout(GBox25);
  answers_[kBalcony] = Radios(AnswerGroup(kBalcony), GBox25, nullptr);
  balcony->addWidget(answers_[kBalcony].Radio(0), 0, 0);
  balcony->addWidget(answers_[kBalcony].Radio(1), 0, 1);
  text(GBox25, balcony, 7, "材質", 0, 2);
  for (int entry = 6; entry <= 8; ++entry)
    balcony->addWidget(answerBox(GBox25, entry, Qt::Vertical), entry - 5, 0, 1, 4);
  page->addWidget(GBox25, 0, 1, 2, 1);

  // Inner walls.
  QGroupBox* GBox26 = box(TabSheet20, 9);
  auto* inner = new QGridLayout(GBox26);
  auto* innerRadios = new QHBoxLayout;
  answers_[9] = Radios(AnswerGroup(9), GBox26, innerRadios);
  text(GBox26, inner, 8, "仕上げ", 0, 0);
  text(GBox26, inner, 9, "下地", 0, 2);
  inner->addWidget(Label(GBox26, "(不明は無記入)"), 0, 4);
  inner->addLayout(innerRadios, 1, 0, 1, 5);
  text(GBox26, inner, 10, "場所", 2, 0);
  page->addWidget(GBox26, 4, 0);

  // The bathroom; its 下地 edit is bound to nothing.
  QGroupBox* GBox27 = Coloured(NewGroupBox(TabSheet20, "GBox27", "内壁（浴室）"), kDeteriorationColour);
  auto* bath = new QGridLayout(GBox27);
  for (int entry : {10, 11}) bath->addWidget(answerBox(GBox27, entry, Qt::Horizontal), 0, entry - 10);
  Eyokurek10 = NewCheckBox(GBox27, "Eyokurek10", "タイル壁：目地の亀裂、タイルの割れがある");
  Eyokurek11 = NewCheckBox(GBox27, "Eyokurek11", "タイル以外：水侵み痕、変色、亀裂、カビ、腐朽、蟻害がある");
  bath->addWidget(Eyokurek10, 1, 0, 1, 2);
  bath->addWidget(Eyokurek11, 2, 0, 1, 2);
  auto* Enairekkaj = Named(new QLineEdit(GBox27), "Enairekkaj");
  Enairekkaj->setMaxLength(40);
  bath->addWidget(Label(GBox27, "下地"), 3, 0);
  bath->addWidget(Enairekkaj, 3, 1);
  bath->addWidget(Label(GBox27, "(不明は無記入)"), 3, 2);
  page->addWidget(GBox27, 2, 1);

  // Floors and under-floor members.
  QGroupBox* GBox31 = Coloured(NewGroupBox(TabSheet20, "GBox31", "床面　床下"), kDeteriorationColour);
  auto* floors = new QVBoxLayout(GBox31);
  for (int entry : {14, 15}) floors->addWidget(answerBox(GBox31, entry, Qt::Horizontal));
  page->addWidget(GBox31, 3, 1);
  QGroupBox* GBox33 = box(TabSheet20, 16);
  auto* underFloor = new QGridLayout(GBox33);
  answers_[16] = Radios(AnswerGroup(16), GBox33, nullptr);
  underFloor->addWidget(answers_[16].Radio(AnswerSound), 0, 0);
  underFloor->addWidget(answers_[16].Radio(AnswerRepaired), 0, 1);
  underFloor->addWidget(answers_[16].Radio(AnswerFound), 1, 0, 1, 2);
  page->addWidget(GBox33, 4, 1);

  exposed_.OnChecked(this, [this](int code) { code == 0 ? Eroshutsu0Click() : Eroshutsu1Click(); });
  answers_[kBalcony].OnChecked(this, [this](int code) { code == 0 ? Ebaruko0Click() : Ebaruko1Click(); });
  connect(answers_[10].Radio(BathroomAbsent), &QRadioButton::clicked, this, &TgaiyouDlg::EyokutaixClick);
}

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
  QPalette maroon = braceNote->palette();
  maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
  braceNote->setPalette(maroon);
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

void TgaiyouDlg::BuildDisplayPage() {
  TabSheet8 = Named(new QWidget, "TabSheet8");
  auto* page = new QVBoxLayout(TabSheet8);

  Gkaberyou = Coloured(NewGroupBox(TabSheet8, "Gkaberyou", "壁量計算"), 0xF0CAA6);
  auto* kaberyou = new QVBoxLayout(Gkaberyou);
  for (const char* note : {"注!） "
                           "壁量計算には、必要耐力算定に於いて「必要耐力表を用いる方法」または「簡易耐力表を"
                           "用いる方法」が必要になります。",
                           " 　　 "
                           "精密診断法の「建築基準法に準拠」または「簡易重量表を用いる方法」を選択中は壁量計"
                           "算が行われないので注意して下さい。"}) {
    QLabel* label = Label(Gkaberyou, note);
    QPalette maroon = label->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    label->setPalette(maroon);
    label->setWordWrap(true);
    kaberyou->addWidget(label);
  }
  QGroupBox* GroupBox190 = NewGroupBox(Gkaberyou, "GroupBox190", "必要耐力算出用床面積");
  auto* areas = new QVBoxLayout(GroupBox190);
  auto* PageControl7 = Named(new QTabWidget(GroupBox190), "PageControl7");
  const char* const storeys[StoreyCount] = {"１階", "２階", "３階"};
  const char* const columns[WallQuantityAreaFamilyCount] = {"床面積", "領域ａ", "領域ｂ", "領域１", "領域２"};
  for (int v = 0; v < VariantCount; ++v) {
    auto* sheet = Named(new QWidget, QStringLiteral("TabSheet3%1").arg(v + 1));
    auto* grid = new QGridLayout(sheet);
    grid->addWidget(Label(sheet, "４分割領域面積"), 0, 2, 1, 4, Qt::AlignHCenter);
    for (int f = 0; f < WallQuantityAreaFamilyCount; ++f) grid->addWidget(Label(sheet, columns[f]), 1, f + 1);
    for (int st = 0; st < StoreyCount; ++st) {
      grid->addWidget(Label(sheet, storeys[st]), st + 2, 0);
      for (int f = 0; f < WallQuantityAreaFamilyCount; ++f) {
        const int i = WallQuantityAreaIndex(v, st, f);
        AreaEdit[i] = NewEdit(sheet, WallQuantityComponentName(WallQuantityAreaFamilies[f].Name, v, st), 56);
        grid->addWidget(AreaEdit[i], st + 2, f + 1);
      }
      grid->addWidget(Label(sheet, "㎡"), st + 2, WallQuantityAreaFamilyCount + 1);
    }
    PageControl7->addTab(sheet, QString::fromUtf8(kVariantTabs[v]));
  }
  PageControl7->setCurrentIndex(2);
  areas->addWidget(PageControl7);
  auto* manualRow = new QHBoxLayout;
  Cyukamenshuusei = NewCheckBox(GroupBox190, "Cyukamenshuusei", "面積を手動で入力する。");
  manualRow->addWidget(Cyukamenshuusei);
  QLabel* Label291 =
      Label(GroupBox190, "オーバーハングや小屋裏収納等がある場合は修正して手動で入れて下さい。", "Label291");
  QPalette blue = Label291->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  Label291->setPalette(blue);
  manualRow->addWidget(Label291);
  manualRow->addStretch();
  areas->addLayout(manualRow);
  QLabel* StaticText5 = Label(GroupBox190, "↑更新されない。!!", "StaticText5");
  QPalette fuchsia = StaticText5->palette();
  fuchsia.setColor(QPalette::WindowText, QColor(255, 0, 255));
  StaticText5->setPalette(fuchsia);
  areas->addWidget(StaticText5);
  kaberyou->addWidget(GroupBox190);
  page->addWidget(Gkaberyou);
  connect(Cyukamenshuusei, &QCheckBox::clicked, this, &TgaiyouDlg::CyukamenshuuseiClick);

  QGroupBox* GroupBox63 = NewGroupBox(TabSheet8, "GroupBox63", "画面表示");
  auto* display = new QHBoxLayout(GroupBox63);
  QGroupBox* GroupBox177 = SettingBox(GroupBox63, SnowCaseGroup, kCalculationColour);
  GroupBox177->setToolTip(QStringLiteral("多雪区域の場合のみ。"));
  snowCase_ = Radios(SnowCaseGroup, GroupBox177, new QVBoxLayout(GroupBox177));
  Rseki0 = snowCase_.Radio(SnowCaseWithout);
  Rseki1 = snowCase_.Radio(SnowCaseWith);
  display->addWidget(GroupBox177);
  QGroupBox* GroupBox75 = NewGroupBox(GroupBox63, "GroupBox75", "壁(柱)入力時の画面表示");
  auto* switches = new QGridLayout(GroupBox75);
  // Laid out as the main window's boxes: N value, places, other storeys, beams, then the wall labels.
  const int cell[DisplaySwitchCount] = {0, 4, 1, 5, 2, 6, 3, 7};
  for (int i = 0; i < DisplaySwitchCount; ++i) {
    DisplayBox[i] = NewCheckBox(GroupBox75, kDisplaySwitches[i].Name, kDisplaySwitches[i].Caption);
    DisplayBox[i]->setToolTip(QString::fromUtf8(kDisplaySwitches[i].Hint));
    switches->addWidget(DisplayBox[i], cell[i] % 4, cell[i] / 4);
  }
  display->addWidget(GroupBox75);
  QGroupBox* GroupBox197 = NewGroupBox(GroupBox63, "GroupBox197", "通り芯名");
  auto* axes = new QVBoxLayout(GroupBox197);
  QGroupBox* GroupBox198 = NewGroupBox(GroupBox197, "GroupBox198", "Ｘ座標");
  axisX_ = RadioRow(GroupBox198);
  auto* x = new QHBoxLayout(GroupBox198);
  x->addWidget(axisX_.Add(GroupBox198, "Rshinmeix0", "X0～", 0));
  x->addWidget(axisX_.Add(GroupBox198, "Rshinmeix1", "X1～", 1));
  QGroupBox* GroupBox199 = NewGroupBox(GroupBox197, "GroupBox199", "Ｙ座標");
  axisY_ = RadioRow(GroupBox199);
  auto* y = new QHBoxLayout(GroupBox199);
  y->addWidget(axisY_.Add(GroupBox199, "Rshinmeiy0", "Y0～", 0));
  y->addWidget(axisY_.Add(GroupBox199, "Rshinmeiy1", "Y1～", 1));
  axes->addWidget(GroupBox198);
  axes->addWidget(GroupBox199);
  display->addWidget(GroupBox197);
  QGroupBox* GG4 = SettingBox(GroupBox63, StructureGroup, kCalculationColour);
  structure_ = Radios(StructureGroup, GG4, new QVBoxLayout(GG4));
  structure_.Radio(StructureTraditional)->setEnabled(false);
  structure_.Radio(StructureTwoByFour)->setEnabled(false);
  GG4->setVisible(false);
  display->addWidget(GG4);
  display->addStretch();
  page->addWidget(GroupBox63);
  page->addStretch();
}

// --- Page handlers ----------------------------------------------------------

void TgaiyouDlg::FormPaint() {
  if (!Lkisoshu || !Lyukashu) return;  // the pages are still being built
  const int type = foundation_.Code(-1);
  Lkisoshu->setText(QString::fromUtf8(OutlineFoundationCaption(
      OutlineFoundationCaptionClass(Rmodeb0->isChecked(), type, cracks_.Code(-1), tieBeams_.Code(-1)))));
  Lyukashu->setText(QString::fromUtf8(
      OutlineFloorCaption(OutlineFloorCaptionClass(floor_.Code(-1), braces_.Code(-1), atrium_.Code(-1)))));
}

void TgaiyouDlg::EkisokClick() {
  const int type = foundation_.Code(-1);
  const bool cracks = type == FoundationReinforcedConcrete || type == FoundationPlainConcrete;
  for (int code = 0; code <= 1; ++code) {
    cracks_.Radio(code)->setEnabled(cracks);
    tieBeams_.Radio(code)->setEnabled(type == FoundationStoneFooting);
  }
  FormPaint();
}

void TgaiyouDlg::Eroshutsu1Click() {
  for (int code = ExposedFrameSound; code <= ExposedFrameRepaired; ++code)
    answers_[kExposedFrame].Radio(code)->setEnabled(true);
  answers_[kExposedFrame].SetCode(ExposedFrameSound);
}

void TgaiyouDlg::Eroshutsu0Click() {
  answers_[kExposedFrame].SetCode(-1);
  for (int code = ExposedFrameSound; code <= ExposedFrameRepaired; ++code)
    answers_[kExposedFrame].Radio(code)->setEnabled(false);
}

void TgaiyouDlg::Ebaruko1Click() {
  for (int entry = 6; entry <= 8; ++entry) {
    for (int code = AnswerSound; code <= AnswerRepaired; ++code)
      answers_[entry].Radio(code)->setEnabled(true);
    answers_[entry].SetCode(AnswerSound);
  }
}

void TgaiyouDlg::Ebaruko0Click() {
  for (int entry = 6; entry <= 8; ++entry) {
    answers_[entry].SetCode(-1);
    for (int code = AnswerSound; code <= AnswerRepaired; ++code)
      answers_[entry].Radio(code)->setEnabled(false);
  }
}

void TgaiyouDlg::EyokutaixClick() { answers_[11].SetCode(AnswerSound); }

void TgaiyouDlg::FillAreas(bool manual) {
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st)
      for (int f = 0; f < WallQuantityAreaFamilyCount; ++f) {
        const int i = WallQuantityAreaIndex(v, st, f);
        areaFilled_[i] = FillWallQuantityArea(v, st, f, manual);
        AreaEdit[i]->setText(QString::fromStdString(areaFilled_[i].Text));
      }
  for (QLineEdit* edit : AreaEdit) edit->setReadOnly(!manual);
}

void TgaiyouDlg::CyukamenshuuseiClick() {
  // As in the wall-quantity dialog: unticked shows the computed areas, ticked
  // brings back the areas entered by hand (or starts from the computed ones).
  if (!Cyukamenshuusei->isChecked())
    FillAreas(false);
  else if (AnyManualArea())
    FillAreas(true);
  else
    for (QLineEdit* edit : AreaEdit) edit->setReadOnly(false);
  if (QuilmoraForm) QuilmoraForm->InvalidateSheet();
  update();
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

bool TgaiyouDlg::CheckAreas() {
  if (!Cyukamenshuusei->isChecked()) return true;
  for (int i = 0; i < WallQuantityAreaCount; ++i) {
    WallQuantityAreaEdit edit = areaFilled_[i];
    edit.Text = AreaEdit[i]->text().toStdString();
    double area = 0.0;
    if (WallQuantityAreaValue(edit, area)) continue;
    PageControl1->setCurrentIndex(0);
    PageControl2->setCurrentIndex(5);
    if (auto* areas = TabSheet8->findChild<QTabWidget*>(QStringLiteral("PageControl7")))
      areas->setCurrentIndex(i / (StoreyCount * WallQuantityAreaFamilyCount));
    MessageBox("床面積には0以上の数値を入力して下さい。", "壁量計算", MB_OK | MB_ICONSTOP);
    AreaEdit[i]->setFocus();
    AreaEdit[i]->selectAll();
    return false;
  }
  return true;
}

// --- Showing the later pages -------------------------------------------------

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
