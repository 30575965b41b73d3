#include "mainwindow/ControlPanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/ClickInput.h"
#include "mainwindow/MainMenuCommands.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "presentation/OutlineRules.h"
#include "presentation/ResultsPanel.h"
#include "presentation/WindowState.h"
#include "rendering/qt/QtCanvas.h"

QColor FromColorRef(int32_t bgr) { return QColor(QRgbOfColour(bgr)); }

void SetBackground(QWidget* widget, int32_t colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, FromColorRef(colour));
  widget->setAutoFillBackground(true);
  widget->setPalette(palette);
  // The panel's style sheet governs the buttons in it and would paint over
  // the palette: their colour goes through a sheet of their own.
  if (qobject_cast<QAbstractButton*>(widget))
    widget->setStyleSheet(QStringLiteral("background-color: %1;").arg(FromColorRef(colour).name()));
}

const PanelDisplaySwitch PanelDisplaySwitches[TQuilmoraForm::DisplaySwitchCount] = {
    {"Ccnchi", "柱Ｎ値", &ProjectSettingsData::ShowColumnNValue},
    {"Ckaishu", "改修箇所", &ProjectSettingsData::ShowRetrofitPlaces},
    {"CtakaiW", "他階壁", &ProjectSettingsData::ShowOtherStoreyWalls},
    {"Cwouka", "横架材", &ProjectSettingsData::ShowBeamStress},
    {"Cwyouso", "壁要素", &ProjectSettingsData::ShowWallElements},
    {"Cwtairyoku", "壁耐力", &ProjectSettingsData::ShowWallStrength},
    {"Cwteigenchi", "壁低減値", &ProjectSettingsData::ShowReducedStrength},
    {"Cwkaishu", "改修注意", &ProjectSettingsData::ShowRetrofitCaution},
};

namespace {

template <typename Layout>
Layout* Tight(Layout* layout) {
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(1);
  return layout;
}

// The push buttons of the control panel with their commands; a button
// without one, or not enabled, starts disabled. row and column: the cell in
// the edit-mode box.
using PanelButton = TQuilmoraForm::PanelButton;
// 上書 is enabled once the project has unsaved edits.
const PanelButton kSaveButtons[] = {
    {"Bhozon", "保存", &TQuilmoraForm::Bhozon, &TQuilmoraForm::FileSave1Execute},
    {"Buwagaki", "上書", &TQuilmoraForm::Buwagaki, &TQuilmoraForm::BuwagakiClick, false},
};
const PanelButton kBulkEditButton = {"Bgennkyou", "一括編集", &TQuilmoraForm::Bgennkyou,
                                     &TQuilmoraForm::BgennkyouClick};
const PanelButton kModeButtons[] = {
    {"Brekkado", "劣化度確認", &TQuilmoraForm::Brekkado, &TQuilmoraForm::BrekkadoClick, true, 5, 0},
    {"Bkabetsuika", "耐力要素編集", &TQuilmoraForm::Bkabetsuika, &TQuilmoraForm::BkabetsuikaClick, true, 5,
     1},
    {"Bgaiyou", "概要", &TQuilmoraForm::Bgaiyou, &TQuilmoraForm::BgaiyouClick, true, 6, 0},
    {"Bzoning", "ゾーニング", &TQuilmoraForm::Bzoning, nullptr, false, 6, 1},
    {"Bmodoru", "戻る", &TQuilmoraForm::Bmodoru, &TQuilmoraForm::BmodoruClick, true, 8, 0},
    {"Bsusumu", "進む", &TQuilmoraForm::Bsusumu, &TQuilmoraForm::BsusumuClick, true, 8, 1},
};

}  // namespace

void TQuilmoraForm::BuildControlPanel() {
  // The panel is 185 pixels wide, scroll bar included: a smaller face and
  // tight layouts keep every control in it.
  QFont small = Panel1->font();
  small.setPointSize(8);
  Panel1->setFont(small);
  Panel1->setStyleSheet(
      QStringLiteral("QGroupBox { margin-top: 1.2em; } QPushButton { padding: 1px 2px; } "
                     "QRadioButton, QCheckBox { spacing: 3px; }"));
  QVBoxLayout* column = NewColumnLayout(Panel1, 1, 1, 1, 1, 2);

  auto* saveRow = new QHBoxLayout;
  for (const PanelButton& button : kSaveButtons) saveRow->addWidget(AddPanelButton(Panel1, button));
  column->addLayout(saveRow);
  BuildSelectorBoxes(column);
  BuildModeBox(column);
  BuildDisplayBox(column);
  BuildResultsPanel(Panel1, column);
  column->addStretch(1);
}

QPushButton* TQuilmoraForm::AddPanelButton(QWidget* parent, const PanelButton& button) {
  QPushButton* widget = this->*button.member = NewButton(parent, button.name, button.caption);
  if (button.slot) connect(widget, &QPushButton::clicked, this, button.slot);
  if (!button.slot || !button.enabled) widget->setEnabled(false);
  return widget;
}

void TQuilmoraForm::BuildSelectorBoxes(QVBoxLayout* column) {
  // Variants, by variant; checking one runs its handler, also from code.
  G3 = NewGroupBox(Panel1, "G3", "診断対象");
  auto* g3 = Tight(new QVBoxLayout(G3));
  Variants = RadioRow(this);
  Variants.Add(G3, g3,
               {{"Rgenkyou", "現況", 0, &Rgenkyou},
                {"Rkaishu1", "改修案１", 1, &Rkaishu1},
                {"Rkaishu2", "改修案２", 2, &Rkaishu2}});
  Rgenkyou->setChecked(true);
  Panel2 = Named(new QFrame(G3), "Panel2");
  Panel2->setFrameShape(QFrame::Panel);
  auto* panel2 = new QVBoxLayout(Panel2);
  panel2->setContentsMargins(4, 2, 4, 2);
  StaticText1 = NewLabel(Panel2, "StaticText1");
  StaticText2 = NewLabel(Panel2, "StaticText2");
  StaticText3 = NewLabel(Panel2, "StaticText3");
  for (QLabel* label : {StaticText1, StaticText2, StaticText3}) panel2->addWidget(label);
  g3->addWidget(Panel2);
  g3->addWidget(AddPanelButton(G3, kBulkEditButton));
  column->addWidget(G3);
  Variants.OnChecked(this, [this](int variant) { VariantClick(variant); });

  // Storeys, by storey.
  G4 = NewGroupBox(Panel1, "G4", "階（入力・表示）");
  Storeys = RadioRow(this);
  Storeys.Add(G4, Tight(new QHBoxLayout(G4)),
              {{"R1kai", "１階", 0, &R1kai}, {"R2kai", "２階", 1, &R2kai}, {"R3kai", "３階", 2, &R3kai}});
  R1kai->setChecked(true);
  storeyWidgets_[1] << R2kai;
  storeyWidgets_[2] << R3kai;
  column->addWidget(G4);
  Storeys.OnChecked(this, [this](int storey) { StoreyClick(storey); });
}

void TQuilmoraForm::BuildModeBox(QVBoxLayout* column) {
  // Edit modes, by EditMode value, laid out as on the panel: grid and
  // columns first, then walls and areas.
  G5 = NewGroupBox(Panel1, "G5", "入力");
  auto* g5 = Tight(new QGridLayout(G5));
  g5->setHorizontalSpacing(0);
  Modes = RadioRow(this);
  Modes.Add(G5, g5,
            {{"Rtoorishin", "通り芯", EditModeGrid, &Rtoorishin, 0, 0},
             {"Rhashira", "柱", EditModeColumns, &Rhashira, 0, 1},
             {"Rkabe", "壁 (柱)", EditModeWalls, &Rkabe, 1, 0},
             {"Ryaneyuka", "屋根床等", EditModeRoofFloor, &Ryaneyuka, 1, 1},
             {"Ryukashiyou", "屋根床仕様", EditModeFloorSpec, &Ryukashiyou, 2, 0},
             {"Rshitsumei", "文字(室名)", EditModeText, &Rshitsumei, 2, 1},
             {"Rkiso", "基礎", EditModeFoundation, &Rkiso, 3, 0},
             {"Rjiyu", "自由線", EditModeFreeLine, &Rjiyu, 3, 1},
             {"Rdodai", "矢切等", EditModeGable, &Rdodai, 4, 0},
             {"Rhari", "梁等", EditModeBeam, &Rhari, 4, 1}});
  for (int mode = 0; mode < 10; ++mode) ModeRadios[mode] = Modes.Radio(mode);
  Modes.OnChecked(this, [this](int mode) { EditModeClick(mode); });
  // File > Open leaves the edit mode but not the check mark: a click on the
  // checked radio, which changes no check, takes its mode up again.
  for (int mode = 0; mode < 10; ++mode)
    connect(ModeRadios[mode], &QRadioButton::clicked, this, [this, mode] {
      if (CurrentEditMode != mode && ModeRadios[mode]->isChecked()) EditModeClick(mode);
    });
  Rhari->setEnabled(false);
  // Checking the hidden radio, which stands for no mode, unchecks every mode radio.
  Rnull = Named(new QRadioButton(G5), "Rnull");
  Rnull->hide();
  Modes.Add(Rnull, -1);
  Rnull->setChecked(true);

  for (const PanelButton& button : kModeButtons)
    g5->addWidget(AddPanelButton(G5, button), button.row, button.column);
  StaticText6 = NewLabel(G5, "StaticText6", "↓13手前まで");
  g5->addWidget(StaticText6, 7, 0, 1, 2);
  column->addWidget(G5);
}

void TQuilmoraForm::BuildDisplayBox(QVBoxLayout* column) {
  G6 = NewGroupBox(Panel1, "G6", "画面表示");
  auto* g6 = Tight(new QVBoxLayout(G6));
  auto* scaleRow = new QHBoxLayout;
  scaleRow->addWidget(new QLabel(QStringLiteral("表示サイズ ＝ １／"), G6));
  SCALE = Named(new QComboBox(G6), "SCALE");
  SCALE->setEditable(true);
  SCALE->addItems({QStringLiteral("30"), QStringLiteral("50"), QStringLiteral("75"), QStringLiteral("100"),
                   QStringLiteral("150"), QStringLiteral("200")});
  SCALE->setCurrentText(QStringLiteral("75"));
  SCALE->setInsertPolicy(QComboBox::NoInsert);
  scaleRow->addWidget(SCALE, 1);
  g6->addLayout(scaleRow);
  // Typing and choosing both change the scale; setting the text from code does not.
  connect(SCALE, &QComboBox::currentTextChanged, this, &TQuilmoraForm::SCALEChange);

  auto* displayBox = NewGroupBox(G6, "GroupBox75", "壁(柱)入力時の画面表示");
  auto* display = Tight(new QGridLayout(displayBox));
  for (int i = 0; i < DisplaySwitchCount; ++i) {
    const PanelDisplaySwitch& s = PanelDisplaySwitches[i];
    QCheckBox* box = DisplayBoxes[i] = NewCheckBox(displayBox, s.name, s.caption);
    box->setChecked(ProjectSettings.*s.flag == 1);
    display->addWidget(box, i / 2, i % 2);
    BindCheckCode(box, &(ProjectSettings.*s.flag), [this] { InvalidateSheet(); });
  }
  g6->addWidget(displayBox);
  auto* snowBox = NewGroupBox(G6, "GroupBox1", "多雪区域の場合");
  auto* snow = Tight(new QHBoxLayout(snowBox));
  SnowCases = RadioRow(this);
  SnowCases.Add(
      snowBox, snow,
      {{"Rseki0", "雪なし時", SnowCaseWithout, &Rseki0}, {"Rseki1", "積雪時", SnowCaseWith, &Rseki1}});
  SnowCases.SetCodeQuietly(MainWindow.CheckedSnowRadio);
  g6->addWidget(snowBox);
  // The user's choice is kept in the state too, so that a later refresh shows it.
  SnowCases.OnChecked(this, [this](int snowCase) {
    ProjectSettings.SnowCase = snowCase;
    MainWindow.CheckedSnowRadio = snowCase;
    InvalidateSheet();
  });
  column->addWidget(G6);
}

void TQuilmoraForm::BuildResultsPanel(QWidget* panel, QVBoxLayout* column) {
  Gkekka = NewGroupBox(panel, "Gkekka", "計算結果");
  auto* results = Tight(new QGridLayout(Gkekka));
  results->addWidget(new QLabel(QStringLiteral("Ｘ方向"), Gkekka), 0, 2);
  results->addWidget(new QLabel(QStringLiteral("Ｙ方向"), Gkekka), 0, 3);
  // Per storey: its name, the eccentricity row and the score row.
  struct StoreyRow {
    const char* storeyLabel;
    const char* eccentricityCaption;
    const char* scoreCaption;
    const char* henx;
    const char* heny;
    const char* hyox;
    const char* hyoy;
  };
  const StoreyRow rows[3] = {
      {nullptr, "Label4", nullptr, "L1henx", "L1heny", "L1hyox", "L1hyoy"},
      {"Label11", "Label12", "Label13", "L2henx", "L2heny", "L2hyox", "L2hyoy"},
      {"Label18", "Label19", "Label20", "L3henx", "L3heny", "L3hyox", "L3hyoy"},
  };
  const char* const storeyNames[3] = {"１階", "２階", "３階"};
  for (int s = 0; s < 3; ++s) {
    const StoreyRow& r = rows[s];
    const int line = 1 + 2 * s;
    QWidget* widgets[] = {
        NewLabel(Gkekka, r.storeyLabel, storeyNames[s]),
        NewLabel(Gkekka, r.eccentricityCaption, "偏心率"),
        NewLabel(Gkekka, r.henx),
        NewLabel(Gkekka, r.heny),
        NewLabel(Gkekka, r.scoreCaption, "評点"),
        NewLabel(Gkekka, r.hyox),
        NewLabel(Gkekka, r.hyoy),
    };
    results->addWidget(widgets[0], line, 0);
    results->addWidget(widgets[1], line, 1);
    results->addWidget(widgets[2], line, 2);
    results->addWidget(widgets[3], line, 3);
    results->addWidget(widgets[4], line + 1, 1);
    results->addWidget(widgets[5], line + 1, 2);
    results->addWidget(widgets[6], line + 1, 3);
    for (QWidget* widget : widgets) storeyWidgets_[s] << widget;
  }
  results->addWidget(new QLabel(QStringLiteral("柱軸力："), Gkekka), 7, 0, 1, 2);
  Lnflag = NewLabel(Gkekka, "Lnflag");
  results->addWidget(Lnflag, 7, 2, 1, 2);
  results->addWidget(NewLabel(Gkekka, "Lqflag"), 8, 0);
  results->addWidget(NewLabel(Gkekka, "Lqflag2"), 8, 1);
  results->addWidget(NewLabel(Gkekka, "Lqflag3"), 8, 2);
  results->addWidget(NewLabel(Gkekka, "Lqflag4"), 8, 3);
  auto* koumen = NewLabel(Gkekka, "Pkoumen");
  koumen->setFrameShape(QFrame::Panel);
  SetBackground(koumen, RgbColour(128, 0, 0));
  QPalette koumenText = koumen->palette();
  koumenText.setColor(QPalette::WindowText, Qt::yellow);
  koumen->setPalette(koumenText);
  results->addWidget(koumen, 9, 0, 1, 4);
  column->addWidget(Gkekka);

  GroupBox3 = NewGroupBox(panel, "GroupBox3", "壁量計算");
  auto* quantity = Tight(new QGridLayout(GroupBox3));
  const char* storeyLabels[3] = {nullptr, "Label21", "Label22"};
  const char* ratioX[3] = {"Ljuusokux1", "Ljuusokux2", "Ljuusokux3"};
  const char* ratioY[3] = {"Ljuusokuy1", "Ljuusokuy2", "Ljuusokuy3"};
  for (int s = 0; s < 3; ++s) {
    QWidget* widgets[] = {NewLabel(GroupBox3, storeyLabels[s], storeyNames[s]),
                          NewLabel(GroupBox3, ratioX[s]), NewLabel(GroupBox3, ratioY[s])};
    for (int c = 0; c < 3; ++c) quantity->addWidget(widgets[c], s, c);
    for (QWidget* widget : widgets) storeyWidgets_[s] << widget;
  }
  quantity->addWidget(NewLabel(GroupBox3, "Lshibunok"), 3, 0, 1, 3);
  Bkaberyou = NewButton(GroupBox3, "Bkaberyou", "設定・詳細確認");
  quantity->addWidget(Bkaberyou, 4, 0, 1, 3);
  connect(Bkaberyou, &QPushButton::clicked, this, &TQuilmoraForm::BkaberyouClick);
  column->addWidget(GroupBox3);

  Panel3 = Named(new QFrame(panel), "Panel3");
  Panel3->setFrameShape(QFrame::Panel);
  SetBackground(Panel3, RgbColour(0, 0, 128));
  auto* methods = Tight(new QVBoxLayout(Panel3));
  static_assert(std::tuple_size_v<decltype(MethodLabels)> == MethodPanelLabelCount);
  for (int label = 0; label < MethodPanelLabelCount; ++label) {
    MethodLabels[label] = NewLabel(Panel3, MethodPanelLabelNames[label]);
    methods->addWidget(MethodLabels[label]);
  }
  column->addWidget(Panel3);
  OnClick(Panel3, [] { OpenOutlineOn(OutlineOnBasics); });

  GroupBox2 = NewGroupBox(panel, "GroupBox2", "備考");
  GroupBox2->hide();
  column->addWidget(GroupBox2);
}
