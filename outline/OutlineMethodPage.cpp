// The outline dialog's method page: revision, method, the methods of the
// calculation, the cover texts and build dates.
#include <QTabWidget>
#include <string>

#include "outline/OutlineDialog.h"
#include "outline/OutlinePageKit.h"

using namespace outline_page;

QWidget* TgaiyouDlg::BuildMethodPage() {
  TabSheet2 = Named(new QWidget, "TabSheet2");
  auto* page = new QVBoxLayout(TabSheet2);
  page->addLayout(BuildMethodTopRow());
  page->addWidget(BuildMethodGroups());

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
  bottom->addWidget(BuildCoverBox(), 1);
  page->addLayout(bottom);
  BuildContactBoxes(page);
  page->addStretch();
  ConnectMethodRules();
  return TabSheet2;
}

// Revision, mixed structure, snow depth and region factor in one row.
QBoxLayout* TgaiyouDlg::BuildMethodTopRow() {
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
  return top;
}

// 診断法: the method and the methods of the calculation.
QGroupBox* TgaiyouDlg::BuildMethodGroups() {
  G2 = NewGroupBox(TabSheet2, "G2", "診断法");
  auto* g2 = new QVBoxLayout(G2);
  GroupBox45 = Coloured(NewGroupBox(G2, "GroupBox45", "計算方法"), kCalculationColour);
  auto* methods = new QGridLayout(GroupBox45);
  methods->addWidget(Label(GroupBox45, "精密診断法２", "Label119"), 0, 0);
  // The methods the program calculates are the setting's choices; the other
  // methods of the first row are shown disabled.
  method_ = RadioRow(GroupBox45);
  Rmode_shindan00 = AddChoice(method_, GroupBox45, DiagnosisMethodGroup, DiagnosisPrecise2);
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
  Rmode_shindan1 = AddChoice(method_, GroupBox45, DiagnosisMethodGroup, DiagnosisPrecise1);
  Rmode_shindan2 = AddChoice(method_, GroupBox45, DiagnosisMethodGroup, DiagnosisGeneral);
  Rmode_shindan3 = AddChoice(method_, GroupBox45, DiagnosisMethodGroup, DiagnosisVerification);
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
  return G2;
}

// The cover texts: building name, location, designer, use and build dates.
QGroupBox* TgaiyouDlg::BuildCoverBox() {
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

  cover->addWidget(BuildBuildDates(), 4, 0, 1, 4);
  cover->setColumnStretch(3, 1);
  return GroupBox187;
}

// The build date and, hidden, the three renovations.
QGroupBox* TgaiyouDlg::BuildBuildDates() {
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
  return GG6;
}

// Client, owner and site: stored, never shown.
void TgaiyouDlg::BuildContactBoxes(QVBoxLayout* page) {
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
}

// The rules of the revision, method, required-strength and other-elements
// radios run whenever one becomes checked, by a click or from code.
void TgaiyouDlg::ConnectMethodRules() {
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
}
