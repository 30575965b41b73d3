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
#include <iterator>

#include "mainwindow/QuilmoraForm.h"
#include "model/FileState.h"
#include "model/FoundationClass.h"
#include "model/WindowState.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

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

QColor ColourOf(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

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
  // The pages whose controls come later.
  const struct {
    QWidget** Member;
    const char* Name;
    const char* Caption;
  } laterPages[] = {{&TabSheet9, "TabSheet9", "基礎・床仕様・軟弱な地盤"},
                    {&TabSheet20, "TabSheet20", "劣化"},
                    {&TabSheet6, "TabSheet6", "計算条件"},
                    {&TabSheet8, "TabSheet8", "壁量計算・画面表示"}};
  for (const auto& page : laterPages) {
    *page.Member = Named(new QWidget, page.Name);
    new QVBoxLayout(*page.Member);
    PageControl2->addTab(*page.Member, QString::fromUtf8(page.Caption));
  }
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
  static const char* const kCaptions[VariantSheetEditCount] = {"建 築 面 積", "１ 階床面積", "２ 階床面積",
                                                               "３ 階床面積", "延べ床面積",  "１階階高",
                                                               "２階階高",    "３階階高"};
  int storeyWidgets[StoreyCount] = {};
  for (int e = 0; e < VariantSheetEditCount; ++e) {
    const bool height = e >= SheetStoreyHeight1;
    QGroupBox* box = height ? heights : areas;
    QGridLayout* grid = height ? heightGrid : areaGrid;
    const int row = height ? e - SheetStoreyHeight1 : e;
    QLabel* caption = Label(box, kCaptions[e]);
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
  static const struct {
    const char* Name;
    const char* Caption;
  } kParts[LoadTakeOffRows] = {{"GroupBox179", "床"},     {"GroupBox184", "ﾊﾞﾙｺﾆｰ床"},
                               {"GroupBox180", "屋根"},   {"GroupBox181", "軒庇"},
                               {"GroupBox182", "外周壁"}, {"GroupBox183", "間仕切壁"}};
  static const char* const kClasses[LoadTakeOffClasses] = {"軽い", "重い", "非重"};
  for (int r = 0; r < LoadTakeOffRows; ++r) {
    QGroupBox* part = NewGroupBox(GroupBox178, kParts[r].Name, kParts[r].Caption);
    auto* grid = new QGridLayout(part);
    for (int c = 0; c < LoadTakeOffClasses; ++c) {
      LoadEdit[r][c] = NewEdit(part, LoadTakeOffEditName(r, c), 36);
      QLabel* unit = Label(part, "N/㎡");
      grid->addWidget(Label(part, kClasses[c]), c, 0);
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
    OKBtnClick();
    done(ModalOk);
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

void TgaiyouDlg::Rmodeb0Click() {
  OutlineRuleState s = RuleState();
  OutlineRevisionClick(s, Revision2012);
  ShowRuleState(s);
  update();
}

void TgaiyouDlg::Rmodeb2Click() {
  OutlineRuleState s = RuleState();
  OutlineRevisionClick(s, Revision2025);
  ShowRuleState(s);
  update();
}

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

void TgaiyouDlg::Rhouhou1Click() {
  OutlineRuleState s = RuleState();
  OutlineOtherElementsClick(s, OtherElementsMethod1);
  ShowRuleState(s);
}

void TgaiyouDlg::Rhouhou2Click() {
  OutlineRuleState s = RuleState();
  OutlineOtherElementsClick(s, OtherElementsMethod2);
  ShowRuleState(s);
}

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
      SheetEdit[v][e]->setText(QString::fromStdString(sheetFilled_[v][e].FilledText));
    }
    for (int part = 0; part < PartWeightCount; ++part)
      ShowRadios(partWeight_[v][part], PartWeightGroup(part), v);
    UpdateStoreyRows(v);
  }

  for (int r = 0; r < LoadTakeOffRows; ++r)
    for (int c = 0; c < LoadTakeOffClasses; ++c) {
      loadFilled_[r][c] = FillOutlineNumber(s.LoadTakeOff[r][c], LoadTakeOffFormat);
      LoadEdit[r][c]->setText(QString::fromStdString(loadFilled_[r][c].FilledText));
    }
  ShowCheckCode(Cteifuka, s.AppendTei);
  ShowCheckCode(Chijuutaku, s.NotDwellingOnly);
  ShowRadios(verification_, VerificationDeteriorationGroup);
  snowShown_ = Csekiset->currentIndex();
}

// --- Leaving ----------------------------------------------------------------

void TgaiyouDlg::StorePages() {
  ProjectSettingsData& s = ProjectSettings;
  // The method page's radios.
  StoreRadios(revision_, RevisionGroup);
  StoreRadios(method_, DiagnosisMethodGroup);
  StoreRadios(otherElements_, OtherElementsGroup);
  StoreRadios(required_, RequiredStrengthGroup);
  StoreRadios(balance_, BalanceGroup);
  StoreRadios(openingWall_, OpeningWallGroup);
  // Use, garage, basement; mixed structure.
  StoreRadios(use_, BuildingUseGroup);
  StoreRadios(garage_, GarageGroup);
  StoreRadios(basement_, BasementGroup);
  StoreRadios(mixed_, MixedStructureGroup);
  // Snow depth (an untouched list keeps the exact load) and region factor.
  if (Csekiset->currentIndex() != snowShown_)
    s.SnowLoad = SnowLoadOfDepthIndex(Csekiset->currentIndex(), s.SnowLoad);
  s.RegionFactorZ = RegionFactorOfIndex(CchiikiZ->currentIndex(), s.RegionFactorZ);
  // Texts, the owner's address and the build dates.
  for (int i = 0; i < OutlineTextCount; ++i) StoreOutlineText(OutlineTexts[i], s, TextOf(TextEdit[i]));
  StoreOwnerAddress(s, TextOf(Epost), TextOf(Eshoaddr));
  for (int i = 0; i < BuildDateEntries; ++i) {
    StoreBuildYear(s.BuildYear[i], yearShown_[i], {Ekouyearn[i]->currentIndex(), TextOf(Ekouyear[i])});
    s.BuildDateUnknown[i] = CheckedValue(Ekoufumei[i]);
    if (Ekouzou[i]) s.RenovationDone[i] = CheckedValue(Ekouzou[i]);
  }
  // The variants: storey count, attic, weight class; areas, heights and part weights.
  for (int v = 0; v < VariantCount; ++v) {
    StoreRadios(topStorey_[v], TopStoreyGroup, v);
    StoreRadios(attic_[v], AtticStorageGroup, v);
    StoreRadios(weight_[v], WeightClassGroup, v);
  }
  for (int v = 0; v < VariantCount; ++v) {
    for (int e = 0; e < VariantSheetEditCount; ++e)
      VariantSheetValue(s, v, e) =
          OutlineNumberValue(sheetFilled_[v][e], SheetEdit[v][e]->text().toStdString());
    for (int part = 0; part < PartWeightCount; ++part)
      StoreRadios(partWeight_[v][part], PartWeightGroup(part), v);
  }
  // The calculation reads the class that the foundation answers give.
  DeriveFoundationClass();
  // Load take-off, cover options, verification deterioration.
  for (int r = 0; r < LoadTakeOffRows; ++r)
    for (int c = 0; c < LoadTakeOffClasses; ++c)
      s.LoadTakeOff[r][c] = OutlineNumberValue(loadFilled_[r][c], LoadEdit[r][c]->text().toStdString());
  s.AppendTei = CheckedCode(Cteifuka);
  s.NotDwellingOnly = CheckedCode(Chijuutaku);
  StoreRadios(verification_, VerificationDeteriorationGroup);
}

void TgaiyouDlg::OKBtnClick() {
  const ProjectSettingsData before = ProjectSettings;
  StorePages();
  ProjectSettingsData after = ProjectSettings;
  after.FoundationClass = before.FoundationClass;  // derived, not saved
  if (!(after == before)) ModifiedFlag = 1;
  OutlineConfirmationPending = 0;
  if (QuilmoraForm) QuilmoraForm->InvalidateSheet();
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
