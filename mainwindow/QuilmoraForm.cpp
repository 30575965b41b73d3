#include "mainwindow/QuilmoraForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "analysis/PendingMessages.h"
#include "analysis/RecalculationChain.h"
#include "elements/ColumnPalette.h"
#include "elements/ElementTableDialog.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/ResultsPanel.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/CopyDialog.h"
#include "mainwindow/CostDialog.h"
#include "mainwindow/DeteriorationDialog.h"
#include "mainwindow/Forms.h"
#include "mainwindow/MainMenuCommands.h"
#include "mainwindow/PlanScrollBox.h"
#include "mainwindow/ToolPalette.h"
#include "mainwindow/WallQuantityDialog.h"
#include "model/ClickInput.h"
#include "model/ElementTables.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/GridAxisEditing.h"
#include "model/GridView.h"
#include "model/ModelExtents.h"
#include "model/ModelRecentre.h"
#include "model/ModelReset.h"
#include "model/OutlineRules.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ProjectFile.h"
#include "model/ProjectFileOpen.h"
#include "model/ProjectSettings.h"
#include "model/SlotCopy.h"
#include "model/ViewState.h"
#include "model/WindowState.h"
#include "outline/OutlineDialog.h"
#include "platform/FileAccess.h"
#include "platform/MessageBox.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/ModalDialogs.h"
#include "rendering/PlanHover.h"
#include "rendering/PlanPaint.h"
#include "rendering/qt/QtCanvas.h"

TQuilmoraForm* QuilmoraForm = nullptr;

namespace {

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

template <typename Layout>
Layout* Tight(Layout* layout) {
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(1);
  return layout;
}

// The display boxes of the plan with the flag each one stands for.
struct DisplaySwitch {
  const char* name;
  const char* caption;
  int32_t ProjectSettingsData::*flag;
};
const DisplaySwitch kDisplaySwitches[TQuilmoraForm::DisplaySwitchCount] = {
    {"Ccnchi", "柱Ｎ値", &ProjectSettingsData::ShowColumnNValue},
    {"Ckaishu", "改修箇所", &ProjectSettingsData::ShowRetrofitPlaces},
    {"CtakaiW", "他階壁", &ProjectSettingsData::ShowOtherStoreyWalls},
    {"Cwouka", "横架材", &ProjectSettingsData::ShowBeamStress},
    {"Cwyouso", "壁要素", &ProjectSettingsData::ShowWallElements},
    {"Cwtairyoku", "壁耐力", &ProjectSettingsData::ShowWallStrength},
    {"Cwteigenchi", "壁低減値", &ProjectSettingsData::ShowReducedStrength},
    {"Cwkaishu", "改修注意", &ProjectSettingsData::ShowRetrofitCaution},
};

// Sets a colour of a label for its enabled states only: disabled, it greys
// out as the panel around it does.
void SetLiveColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
  palette.setColor(QPalette::Active, role, colour);
  palette.setColor(QPalette::Inactive, role, colour);
}

const char* const kInstanceQuestion =
    "既に起動されています。複数起動しますか？\n\n起動する　　　はい\n\n起動しない　　いいえ";
const char* const kCloseQuestion =
    "保存してから終了しますか？\n\n保存して終了　　　はい\n\n保存しないで終了　いいえ\n\n終了しない　　　　キ"
    "ャンセル";
const char* const kNewQuestion =
    "現在の編集データは破棄されます。\n\n破棄して新規作成する。　　　　　　　はい\n\n保存するので新規作成を中"
    "止する　　　いいえ";
const char* const kOpenQuestion =
    "別のデータを読み込むと現在の編集データは破棄されます。\n\n破棄して読み込む　　　　　　　　　　はい\n\n保"
    "存するので読み込みを中止する　　　いいえ";
const char* const kOpenFilter =
    "改修ファイル (*.tyc)|*.tyc|2012年診断ファイル (*.tyb)|*.tyb|2004診断ファイル (*.ty0)|*.ty0|"
    "2012年版改修ファイル(*.ty3)|*.ty3|2004年版改修ファイル(*.ty2)|*.ty2|すべてのファイル (*.*)|*.*";
const char* const kSaveFilter =
    "耐震ファイル (*.tyc)|*.tyc|耐震ファイル (*.ty3)|*.ty3|耐震ファイル (*.ty2)|*.ty2|すべてのファイル "
    "(*.*)|*.*";

// Writes the project to path, keeping the file it replaces as the backup.
// A failure (the folder, the disk, the rights) is told to the user with the
// system's reason; the file, its backup and the edits in memory stay as
// they were.
bool SaveOrReport(const std::string& path) {
  std::string reason;
  if (SaveProjectFileWithBackup(path, &reason)) return true;
  MessageBox("保存できませんでした。\n" + reason + "\n\n" + path, "保存エラー", MB_ICONSTOP);
  return false;
}

// The widening that a scroll box adds to the sheet when it rescales (its
// scroll bar and border).
constexpr int kZoomAllowance = 21;

// The scroll position that puts the middle of the sheet pixels first..last
// in the middle of a view of the given extent (clamped by the scroll bar).
int CentringScrollPosition(int32_t first, int32_t last, int view) {
  const int64_t position = (int64_t{first} + last - view) / 2;
  return static_cast<int>(std::clamp<int64_t>(position, 0, INT32_MAX));
}

}  // namespace

TQuilmoraForm::TQuilmoraForm(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("QuilmoraForm"));
  QuilmoraForm = this;

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  Gamen = new TPlanScrollBox(central);
  Gamen->OnPaint = [this](Canvas& canvas) { SheetPaint(canvas); };
  Gamen->OnPainted = [this] { AfterSheetPaint(); };
  Gamen->OnMouseUp = [this](Qt::MouseButton button, int x, int y) { SheetMouseUp(button, x, y); };
  Gamen->OnMouseMove = [this](int x, int y) { SheetMouseMove(x, y); };
  Gamen->OnMouseLeave = [this] { SheetMouseLeave(); };
  row->addWidget(Gamen, 1);
  Gamen->installEventFilter(this);

  ScrollBox1 = Named(new QScrollArea(central), "ScrollBox1");
  ScrollBox1->setFixedWidth(185);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setWidgetResizable(true);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Panel1 = Named(new QWidget(ScrollBox1), "Panel1");
  BuildControlPanel();
  ScrollBox1->setWidget(Panel1);
  row->addWidget(ScrollBox1);
  setCentralWidget(central);

  StatusBar = Named(new QStatusBar(this), "StatusBar");
  setStatusBar(StatusBar);
  BuildMenus();

  SetMainWindowPort(this);
  SetFileDialogParent(this);
  FormCreate(arguments);
}

TQuilmoraForm::~TQuilmoraForm() {
  if (GetMainWindowPort() == this) SetMainWindowPort(nullptr);
  SetFileDialogParent(nullptr);
  if (QuilmoraForm == this) QuilmoraForm = nullptr;
}

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
  Bhozon = NewButton(Panel1, "Bhozon", "保存");
  Buwagaki = NewButton(Panel1, "Buwagaki", "上書");
  Buwagaki->setEnabled(false);
  connect(Bhozon, &QPushButton::clicked, this, &TQuilmoraForm::FileSave1Execute);
  connect(Buwagaki, &QPushButton::clicked, this, &TQuilmoraForm::BuwagakiClick);
  saveRow->addWidget(Bhozon);
  saveRow->addWidget(Buwagaki);
  column->addLayout(saveRow);

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
  Bgennkyou = NewButton(G3, "Bgennkyou", "一括編集");
  g3->addWidget(Bgennkyou);
  connect(Bgennkyou, &QPushButton::clicked, this, &TQuilmoraForm::BgennkyouClick);
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

  Brekkado = NewButton(G5, "Brekkado", "劣化度確認");
  Bkabetsuika = NewButton(G5, "Bkabetsuika", "耐力要素編集");
  Bgaiyou = NewButton(G5, "Bgaiyou", "概要");
  Bzoning = NewButton(G5, "Bzoning", "ゾーニング");
  connect(Brekkado, &QPushButton::clicked, this, &TQuilmoraForm::BrekkadoClick);
  connect(Bkabetsuika, &QPushButton::clicked, this, [] {
    if (DkabetsuikaDlg) RunModal(*DkabetsuikaDlg);
    ::InvalidateSheet();
    ::ShowModeToolDialog();
  });
  Bzoning->setEnabled(false);
  g5->addWidget(Brekkado, 5, 0);
  g5->addWidget(Bkabetsuika, 5, 1);
  g5->addWidget(Bgaiyou, 6, 0);
  g5->addWidget(Bzoning, 6, 1);
  StaticText6 = NewLabel(G5, "StaticText6", "↓13手前まで");
  g5->addWidget(StaticText6, 7, 0, 1, 2);
  Bmodoru = NewButton(G5, "Bmodoru", "戻る");
  Bsusumu = NewButton(G5, "Bsusumu", "進む");
  g5->addWidget(Bmodoru, 8, 0);
  g5->addWidget(Bsusumu, 8, 1);
  column->addWidget(G5);
  connect(Bmodoru, &QPushButton::clicked, this, &TQuilmoraForm::BmodoruClick);
  connect(Bsusumu, &QPushButton::clicked, this, &TQuilmoraForm::BsusumuClick);
  connect(Bgaiyou, &QPushButton::clicked, this, &TQuilmoraForm::BgaiyouClick);

  // Display.
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
    const DisplaySwitch& s = kDisplaySwitches[i];
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

  BuildResultsPanel(Panel1, column);
  column->addStretch(1);
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

void TQuilmoraForm::BuildMenus() {
  QMenuBar* menu = menuBar();
  menu->setObjectName(QStringLiteral("MainMenu1"));
  struct Item {
    const char* name;
    const char* caption;
    const char* shortcut;
  };
  auto addItems = [](QMenu* owner, std::initializer_list<Item> items) {
    for (const Item& item : items) {
      if (!item.name) {
        owner->addSeparator();
        continue;
      }
      QAction* action = owner->addAction(QString::fromUtf8(item.caption));
      action->setObjectName(QString::fromLatin1(item.name));
      if (item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
      // The commands arrive with their features; until then they show but do nothing.
      action->setEnabled(false);
    }
  };

  QMenu* file = menu->addMenu(QStringLiteral("ファイル(&F)"));
  struct FileItem {
    const char* name;
    const char* caption;
    const char* shortcut;
    void (TQuilmoraForm::*handler)();
  };
  // The overwrite item carries the Ctrl+S of the save action it was linked to.
  const FileItem fileItems[] = {
      {"FileNewItem", "新規作成(&N)", "Ctrl+N", &TQuilmoraForm::FileNew1Execute},
      {"FileOpenItem", "開く(&O)", "Ctrl+O", &TQuilmoraForm::FileOpen1Execute},
      {"FileSaveItem", "上書き保存(&S)", "Ctrl+S", &TQuilmoraForm::BuwagakiClick},
      {"FileSaveAsItem", "名前を付けて保存(&A)...", nullptr, &TQuilmoraForm::FileSave1Execute},
      {nullptr, nullptr, nullptr, nullptr},
      {"FileExitItem", "終了(&X)", nullptr, &TQuilmoraForm::FileExit1Execute},
  };
  for (const FileItem& item : fileItems) {
    if (!item.name) {
      file->addSeparator();
      continue;
    }
    QAction* action = file->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    if (item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
    connect(action, &QAction::triggered, this, item.handler);
  }

  QMenu* report = menu->addMenu(QStringLiteral("報告書・印刷(&R)"));
  addItems(report, {{"CutItem", "報告書(&R)", nullptr},
                    {"CopyItem", "プランニングシート(&P)", nullptr},
                    {"PasteItem", "基礎(&K)", nullptr},
                    {"H1", "必要耐力(&H)", nullptr},
                    {"U1", "壁耐力剛性(&U)", nullptr},
                    {"W1", "重心(&W)", nullptr},
                    {"S1", "剛心(&S)", nullptr},
                    {"N2", "柱引抜力(&N)", nullptr},
                    {"J1", "柱引抜力軸組図(&J)", nullptr},
                    {"F1", "床耐力(&F)", nullptr},
                    {"Y1", "床耐力検定(&Y)", nullptr},
                    {"T1", "上部構造評点(&T)", nullptr},
                    {"E1", "壁量計算(&E)", nullptr},
                    {"B1", "検証法表紙(&I)", nullptr}});
  // No edit shortcuts on the report items: Ctrl+X, C and V stay with the edits.
  for (int kind = 0; kind < ReportMenuItemCount; ++kind) {
    QAction* action = report->findChild<QAction*>(QString::fromLatin1(ReportMenuItemNames[kind]));
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [kind] { OpenReportFamily(kind); });
  }
  N3 = menu->addAction(QStringLiteral("概算(&G)"));
  N3->setObjectName(QStringLiteral("N3"));
  connect(N3, &QAction::triggered, this, &TQuilmoraForm::N3Click);
  QMenu* settings = menu->addMenu(QStringLiteral("設定(&S)"));
  addItems(settings,
           {{"G1", "概要(&G)", nullptr}, {"A1", "計算条件(&A)", nullptr}, {"D1", "画面表示(&D)", nullptr}});
  // 概要 has no command of its own; 計算条件 and 画面表示 both open the conditions tab.
  for (const char* name : {"G1", "A1", "D1"})
    settings->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(true);
  for (const char* name : {"A1", "D1"})
    connect(settings->findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this,
            [] { OpenOutlineOn(OutlineOnConditions); });
  QMenu* help = menu->addMenu(QStringLiteral("ヘルプ(&H)"));
  addItems(help, {{"H2", "ヘルプ(&H)...", "Ctrl+H"}});
  QAction* helpItem = help->findChild<QAction*>(QStringLiteral("H2"));
  helpItem->setEnabled(true);
  connect(helpItem, &QAction::triggered, this, [] { OpenHelp(); });
  QAction* about = help->addAction(QStringLiteral("バージョン情報(&A)..."));
  about->setObjectName(QStringLiteral("HelpAboutItem"));
  connect(about, &QAction::triggered, this, &TQuilmoraForm::HelpAbout1Execute);
}

void TQuilmoraForm::FormCreate(const QStringList& arguments) {
  if (instanceLock_.HeldElsewhere() &&
      MessageBox(kInstanceQuestion, "終了", MB_YESNO | MB_ICONQUESTION) == IDNO) {
    terminated_ = true;
    return;
  }
  instanceLock_.Acquire();

  CurrentFilePath = UntitledFilePath;
  UpdateWindowTitle();
  setWindowTitle(QString::fromUtf8(WindowTitle.c_str()));
  ResetModel(ResetForStartUp);

  Gamen->SetSheetSize(SheetWidthPixels(), SheetHeightPixels());
  // The view is centred once the window has its size (showEvent).
  centrePending_ = true;

  CommandLineLoadPending = 0;
  CommandLineFile = arguments.size() > 1 ? arguments[1].toStdString() : std::string();
  if (!CommandLineFile.empty()) CommandLineLoadPending = 1;
}

// While an item of the menu bar is highlighted the arrows, the page keys and
// Home/End do not scroll the plan: the user's attention is on the menus.
bool TQuilmoraForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Gamen && event->type() == QEvent::KeyPress && menuBar()->activeAction()) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_Home:
      case Qt::Key_End:
        return true;
      default:
        break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TQuilmoraForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (centrePending_) {
    centrePending_ = false;
    if (layout()) layout()->activate();
    CentreView();
  }
}

void TQuilmoraForm::CentreView() {
  Gamen->SetVertScrollPosition((Gamen->SheetHeight() - Gamen->height()) / 2);
  Gamen->SetHorzScrollPosition((Gamen->SheetWidth() - Gamen->width()) / 2);
  SavedVertScrollPosition = Gamen->VertScrollPosition();
  SavedHorzScrollPosition = Gamen->HorzScrollPosition();
}

void TQuilmoraForm::MainWindowStateChanged() {
  setWindowTitle(QString::fromUtf8(WindowTitle.c_str()));
  // A dialog's OK that changed what the project stores (the about box's
  // switches) offers 上書 at once, not only after the next paint.
  Buwagaki->setEnabled(ModifiedFlag == 1);
  Bmodoru->setEnabled(MainWindow.BmodoruEnabled);
  Bsusumu->setEnabled(MainWindow.BsusumuEnabled);

  for (int v = 0; v < 3; ++v) SetBackground(Variants.Radio(v), MainWindow.VariantRadioColour[v]);
  // State that the core set is shown without running the radios' handlers again.
  Variants.SetCodeQuietly(MainWindow.CheckedVariantRadio);
  SetBackground(Panel2, MainWindow.VariantPanelColour);
  StaticText1->setText(QString::fromUtf8(MainWindow.VariantPanelName));
  StaticText2->setText(QString::fromUtf8(MainWindow.VariantPanelLine1));
  StaticText3->setText(QString::fromUtf8(MainWindow.VariantPanelLine2));

  Storeys.SetCodeQuietly(MainWindow.CheckedStoreyRadio);
  for (QWidget* widget : storeyWidgets_[1]) widget->setEnabled(MainWindow.R2kaiEnabled);
  for (QWidget* widget : storeyWidgets_[2]) widget->setEnabled(MainWindow.R3kaiEnabled);

  // Any other mode checks the hidden radio, which stands for none. A disabled
  // mode radio may stay checked: the edit mode itself is left.
  if (Modes.Radio(MainWindow.CheckedEditModeRadio))
    Modes.SetCodeQuietly(MainWindow.CheckedEditModeRadio);
  else {
    const QSignalBlocker block(Rnull);
    Rnull->setChecked(true);
  }
  Rkiso->setEnabled(MainWindow.RkisoEnabled);
  Ryukashiyou->setEnabled(MainWindow.RyukashiyouEnabled);

  // The method captions read in black on their light colours, unless a
  // caption brings its own font colour (the revision).
  for (int label = 0; label < MethodPanelLabelCount; ++label) {
    const MethodCaptionState& caption = MainWindow.MethodCaption[label];
    QLabel* widget = MethodLabels[label];
    widget->setText(QString::fromUtf8(caption.Text));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText,
                     caption.FontColour >= 0 ? FromColorRef(caption.FontColour) : QColor(Qt::black));
    if (caption.Colour >= 0) {
      palette.setColor(QPalette::Window, FromColorRef(caption.Colour));
      widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
  }

  Rseki1->setEnabled(MainWindow.Rseki1Enabled);
  SnowCases.SetCodeQuietly(MainWindow.CheckedSnowRadio);
  // The display boxes show their flags; a flag that is neither 0 nor 1 leaves its box.
  for (int i = 0; i < DisplaySwitchCount; ++i) {
    const QSignalBlocker block(DisplayBoxes[i]);
    ShowCheckCode(DisplayBoxes[i], ProjectSettings.*kDisplaySwitches[i].flag);
  }
  // A load or a reset may have switched a feature.
  ApplyFeatureMenuItems(this);
}

void TQuilmoraForm::ShowModeToolDialog() {
  // Every change of the mode, storey or variant (and of the model by a
  // dialog or a load) comes here: the status bar told of an element of the
  // plan as it was shown, and the next move of the pointer tells anew.
  StatusBar->clearMessage();
  const auto palettes = PalettesByEditMode();
  for (int mode = 0; mode < 10; ++mode) {
    if (palettes[mode] && mode != CurrentEditMode) palettes[mode]->hide();
  }
  if (CurrentEditMode < 0 || CurrentEditMode >= 10) return;
  if (TToolPalette* palette = palettes[CurrentEditMode]) {
    palette->show();
    palette->raise();
    if (CurrentEditMode == EditModeColumns) palette->Refresh();
  }
}

void TQuilmoraForm::InvalidateSheet() { Gamen->Invalidate(); }

// The paint cycle.

void TQuilmoraForm::SheetPaint(Canvas& canvas) {
  // The fresh image holds none of the XOR figures drawn before.
  ForgetXorFigures();
  if (CommandLineLoadPending == 1) {
    // The first paint only opens the file named on the command line; the
    // opening (and any message it gives) follows the paint.
    CommandLineLoadPending = 0;
    loadDue_ = true;
    return;
  }
  PaintFullPlan(canvas, ScreenPlanView(), Gamen->SheetWidth(), Gamen->SheetHeight());
  fullPaintDone_ = true;
  if (StartupDialogsPending == 1 && StartupDialogsShown == 0) startupDialogsDue_ = true;
}

void TQuilmoraForm::SheetMouseUp(Qt::MouseButton button, int x, int y) {
  const PlanMouseButton which = button == Qt::LeftButton    ? PlanMouseLeft
                                : button == Qt::RightButton ? PlanMouseRight
                                                            : PlanMouseMiddle;
  if (CurrentEditMode != EditModeGrid) {
    PlanMouseUp(which, x, y);
    return;
  }
  LastGridEditMove = {};
  PlanMouseUp(which, x, y);
  GridChanged(LastGridEditMove.X, LastGridEditMove.Y);
}

void TQuilmoraForm::SheetMouseMove(int x, int y) {
  ApplyHoverUpdate(PlanMouseMove(x, y, Gamen->SheetWidth(), Gamen->SheetHeight()));
}

void TQuilmoraForm::SheetMouseLeave() { ApplyHoverUpdate(PlanMouseLeave()); }

void TQuilmoraForm::ApplyHoverUpdate(const HoverUpdate& update) {
  if (update.Erase.Kind != XorFigureKind::None || update.Draw.Kind != XorFigureKind::None) {
    QRect touched;
    for (const XorFigure* figure : {&update.Erase, &update.Draw}) {
      if (figure->Kind == XorFigureKind::None) continue;
      const SheetRect r = XorFigureBounds(*figure);
      touched |= QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
    }
    Gamen->DrawOnImage(
        [&update](Canvas& canvas) {
          DrawXorFigure(canvas, update.Erase);
          DrawXorFigure(canvas, update.Draw);
        },
        touched);
  }
  if (update.StatusChanged) StatusBar->showMessage(QString::fromStdU16String(update.Status));
}

void TQuilmoraForm::AfterSheetPaint() {
  if (loadDue_) {
    loadDue_ = false;
    LoadCommandLineFile();
  }
  ShowPendingMessages();
  if (startupDialogsDue_ && !recentring_) {
    startupDialogsDue_ = false;
    ShowStartupDialogs();
  }
  if (fullPaintDone_) {
    fullPaintDone_ = false;
    Buwagaki->setEnabled(ModifiedFlag == 1);
    // The roof/floor palette follows every plan paint.
    if (DyukaDlg) DyukaDlg->Refresh();
    ShowColumnVerdict();
    ShowResultsPanel();
  }
}

// The axial-force verdict of the column check, beside "柱軸力：".
void TQuilmoraForm::ShowColumnVerdict() {
  Lnflag->setText(QString::fromUtf8(MainWindow.LnflagText));
  QPalette palette = Lnflag->palette();
  const int32_t c = MainWindow.LnflagColour;
  palette.setColor(QPalette::WindowText, QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff));
  Lnflag->setPalette(palette);
}

// The captions and colours the last recalculation gave the results panel.
// The colours hold while a label is enabled; the rows of a storey the
// variant lacks are disabled and grey out, so no verdict colour looks live.
void TQuilmoraForm::ShowResultsPanel() {
  for (const PanelLabelEntry& entry : PanelLabels) {
    auto* label = findChild<QLabel*>(QString::fromLatin1(entry.Name));
    if (!label) continue;
    const PanelLabel& state = ResultsPanel.*entry.Label;
    label->setText(QString::fromUtf8(state.Caption));
    QPalette palette = label->palette();
    if (state.FontColour != FormColour)
      SetLiveColour(palette, QPalette::WindowText, FromColorRef(state.FontColour));
    if (state.Colour == ColourButtonFace) {
      SetLiveColour(palette, QPalette::Window, QApplication::palette().color(QPalette::Button));
      label->setAutoFillBackground(true);
    } else if (state.Colour != FormColour) {
      SetLiveColour(palette, QPalette::Window, FromColorRef(state.Colour));
      label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
  }
}

void TQuilmoraForm::ShowStartupDialogs() {
  if (StartupDialogsPending != 1 || StartupDialogsShown != 0) return;
  StartupDialogsShown = 1;
  OutlineConfirmationPending = 1;
  if (AboutBox) RunModal(*AboutBox);
  // A project named on the command line is confirmed as File > Open confirms one.
  ConfirmOutlineOfOpenedProject();
  StartupDialogsPending = 0;
}

void TQuilmoraForm::LoadCommandLineFile() {
  if (!OpenProject(CommandLineFile)) InvalidateSheet();
}

bool TQuilmoraForm::OpenProject(const std::string& path) {
  // Reports an unreadable file itself and then changes nothing; a broken one
  // is reported with what was kept of it, and the rest of the steps still run.
  if (OpenProjectFile(ReadProjectFileBytes(path), path) == OpenResult::Unreadable) return false;
  ApplyZoom();
  RefreshMainWindow();
  SettleOpenedProject();
  return true;
}

void TQuilmoraForm::SettleOpenedProject() {
  GridSpacingCheckPending = 1;
  UpdateUsedExtents();
  // The start-up dialogs wait while the recentring question is open.
  recentring_ = true;
  RecentreModel();
  recentring_ = false;
  ApplyZoom();
  // Runs the radio's handler when the check changes.
  Variants.SetCode(CurrentVariant);
  DeteriorationFactorFromPoints();
  // The plan behind the dialogs that follow already compares the plans with
  // the current state of this project.
  RecalcCurrentStateAfterLoad();
  ShowBuilding();
}

void TQuilmoraForm::ConfirmOutlineOfOpenedProject() {
  OutlineConfirmationPending = 1;
  if (gaiyouDlg) RunModal(*gaiyouDlg);
  // The outline may have changed what the current state's results rest on.
  RecalcCurrentStateAfterLoad();
}

void TQuilmoraForm::ShowBuilding() {
  UpdateUsedExtents();
  Gamen->SetSheetSize(SheetWidthPixels(), SheetHeightPixels());
  if (ModelExtentMinX > ModelExtentMaxX || ModelExtentMinY > ModelExtentMaxY) {
    CentreView();
    return;
  }
  const QSize view = Gamen->viewport()->size();
  Gamen->SetHorzScrollPosition(CentringScrollPosition(
      GridViewX(ModelExtentMinX, PixelsPerMetre), GridViewX(ModelExtentMaxX, PixelsPerMetre), view.width()));
  Gamen->SetVertScrollPosition(CentringScrollPosition(
      GridViewY(ModelExtentMinY, PixelsPerMetre), GridViewY(ModelExtentMaxY, PixelsPerMetre), view.height()));
  SavedHorzScrollPosition = Gamen->HorzScrollPosition();
  SavedVertScrollPosition = Gamen->VertScrollPosition();
}

void TQuilmoraForm::GridChanged(double movedX, double movedY) {
  const int dx = TruncToInt(movedX * PixelsPerMetre);
  const int dy = TruncToInt(movedY * PixelsPerMetre);
  const int horz = Gamen->HorzScrollPosition(), vert = Gamen->VertScrollPosition();
  Gamen->SetSheetSize(SheetWidthPixels(), SheetHeightPixels());
  Gamen->SetHorzScrollPosition(horz + dx);
  Gamen->SetVertScrollPosition(vert + dy);
  InvalidateSheet();
}

void TQuilmoraForm::RecentreModel() {
  CentreView();
  if (!ModelIsCentred()) InvalidateSheet();
  // Not repainted here: every caller rescales and repaints afterwards.
  ::RecentreModel();
}

// Zoom.

void TQuilmoraForm::ResizeSheetKeepingView(int dv, int dh, int extra) {
  Gamen->SetSheetSize(SheetWidthPixels(), SheetHeightPixels());
  SavedVertScrollPosition =
      RescaledScrollPosition(Gamen->SheetHeight() - Gamen->height() + extra, SavedVertScrollPosition, dv);
  Gamen->SetVertScrollPosition(SavedVertScrollPosition);
  SavedHorzScrollPosition =
      RescaledScrollPosition(Gamen->SheetWidth() - Gamen->width() + extra, SavedHorzScrollPosition, dh);
  Gamen->SetHorzScrollPosition(SavedHorzScrollPosition);
  PendingPointCount = 0;
  InvalidateSheet();
}

void TQuilmoraForm::ApplyZoom() {
  const int dv = Gamen->SheetHeight() - Gamen->height() + kZoomAllowance;
  const int dh = Gamen->SheetWidth() - Gamen->width() + kZoomAllowance;
  // An invalid scale text keeps the scale that the model reset left.
  TrySetPlanScale(ScaleDenominatorOfText(SCALE->currentText().toStdString()));
  ResizeSheetKeepingView(dv, dh, kZoomAllowance);
}

void TQuilmoraForm::SCALEChange(const QString& text) {
  const int dv = Gamen->SheetHeight() - Gamen->height() + kZoomAllowance;
  const int dh = Gamen->SheetWidth() - Gamen->width() + kZoomAllowance;
  // A text that is no scale between 1/30 and 1/200 changes nothing.
  if (!TrySetPlanScale(ScaleDenominatorOfText(text.toStdString()))) return;
  ResizeSheetKeepingView(dv, dh, 0);
}

// Selectors.

void TQuilmoraForm::EditModeClick(int mode) {
  CurrentEditMode = mode;
  CancelClickSequence();
  MainWindow.CheckedEditModeRadio = mode;
  ::ShowModeToolDialog();
  InvalidateSheet();
}

void TQuilmoraForm::RtoorishinClick() { EditModeClick(EditModeGrid); }
void TQuilmoraForm::RhashiraClick() { EditModeClick(EditModeColumns); }
void TQuilmoraForm::RkabeClick() { EditModeClick(EditModeWalls); }
void TQuilmoraForm::RyaneyukaClick() { EditModeClick(EditModeRoofFloor); }
void TQuilmoraForm::RyukashiyouClick() { EditModeClick(EditModeFloorSpec); }
void TQuilmoraForm::RshitsumeiClick() { EditModeClick(EditModeText); }
void TQuilmoraForm::RkisoClick() { EditModeClick(EditModeFoundation); }
void TQuilmoraForm::RjiyuClick() { EditModeClick(EditModeFreeLine); }
void TQuilmoraForm::RhariClick() { EditModeClick(EditModeBeam); }
void TQuilmoraForm::RdodaiClick() { EditModeClick(EditModeGable); }

void TQuilmoraForm::StoreyClick(int storey) {
  SelectStorey(storey);
  if (DyukaDlg) DyukaDlg->Refresh();
}

void TQuilmoraForm::R1kaiClick() { StoreyClick(0); }
void TQuilmoraForm::R2kaiClick() { StoreyClick(1); }
void TQuilmoraForm::R3kaiClick() { StoreyClick(2); }

void TQuilmoraForm::VariantClick(int variant) {
  SelectVariant(variant);
  CancelClickSequence();
  ::KeepStoreyWithinTopStorey();
  if (DhashiraDlg) DhashiraDlg->Refresh();
  InvalidateSheet();
  ::ShowModeToolDialog();
  ::UpdateStoreyControls();
}

void TQuilmoraForm::RgenkyouClick() { VariantClick(0); }
void TQuilmoraForm::Rkaishu1Click() { VariantClick(1); }
void TQuilmoraForm::Rkaishu2Click() { VariantClick(2); }

// Buttons and menu commands.

void TQuilmoraForm::BmodoruClick() {
  UndoStep();
  ModifiedFlag = 1;
  InvalidateSheet();
}

void TQuilmoraForm::BsusumuClick() {
  RedoStep();
  ModifiedFlag = 1;
  InvalidateSheet();
}

void TQuilmoraForm::BrekkadoClick() {
  if (DrekkadoDlg) RunModal(*DrekkadoDlg);
  InvalidateSheet();
}

void TQuilmoraForm::BgennkyouClick() {
  if (DcopyDlg) RunModal(*DcopyDlg);
  // A copy or swap with the variant settings can change the storey count.
  ::KeepStoreyWithinTopStorey();
  ::UpdateStoreyControls();
  InvalidateSheet();
}

void TQuilmoraForm::BkaberyouClick() {
  if (kaberyouDlg) {
    kaberyouDlg->PageControl1->setCurrentIndex(CurrentVariant);
    RunModal(*kaberyouDlg);
  }
  InvalidateSheet();
  ::ShowModeToolDialog();
}

// The repaint asked for here runs the recalculation, and with it the change
// marks that the tally counts, while the dialog is open.
void TQuilmoraForm::N3Click() {
  PendingPointCount = 0;
  InvalidateSheet();
  ::ShowModeToolDialog();
  ::UpdateStoreyControls();
  if (ShuukeiDlg) RunModal(*ShuukeiDlg);
}

void TQuilmoraForm::BgaiyouClick() {
  if (gaiyouDlg) RunModal(*gaiyouDlg);
  InvalidateSheet();
  ::ShowModeToolDialog();
}

void TQuilmoraForm::HelpAbout1Execute() {
  if (AboutBox) RunModal(*AboutBox);
}

// File commands.

void TQuilmoraForm::FileNew1Execute() {
  if (ModifiedFlag == 1 && MessageBox(kNewQuestion, "終了", MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  ResetModel(ResetForNewProject);
  ApplyZoom();
  OutlineConfirmationPending = 1;
  if (gaiyouDlg) RunModal(*gaiyouDlg);
  ModifiedFlag = 0;
}

void TQuilmoraForm::FileOpen1Execute() {
  if (ModifiedFlag == 1 && MessageBox(kOpenQuestion, "読込", MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  CurrentEditMode = EditModeNone;
  ::ShowModeToolDialog();

  FileDialogRequest request;
  request.Filter = kOpenFilter;
  if (const std::optional<std::string> path = AskFileName(request)) {
    if (!OpenProject(*path)) return;
  } else {
    // Also after a cancelled dialog, over the model that stays.
    SettleOpenedProject();
  }
  ConfirmOutlineOfOpenedProject();
}

void TQuilmoraForm::BuwagakiClick() {
  if (CurrentFilePath == UntitledFilePath) {
    MessageBox("「名前を付けて保存」でファイル名を付けて下さい。", "ファイル名がありません",
               MB_ICONINFORMATION);
    return;
  }
  if (!SaveProject(OverwritePathOf(CurrentFilePath))) return;
  MessageBox("同名のファイル名で保存しました。\n\n元のファイルはＢＡＫファイルにリネームしました。",
             "上書き保存", MB_ICONINFORMATION);
}

void TQuilmoraForm::FileSave1Execute() {
  FileDialogRequest request;
  request.Filter = kSaveFilter;
  request.DefaultSuffix = "tyc";
  request.FileName = CurrentFilePath == UntitledFilePath ? std::string() : CurrentFilePath;
  request.Save = true;
  if (const std::optional<std::string> path = AskFileName(request)) SaveProject(*path);
}

bool TQuilmoraForm::SaveProject(const std::string& path) {
  if (!SaveOrReport(path)) return false;
  CurrentFilePath = path;
  UpdateWindowTitle();
  setWindowTitle(QString::fromUtf8(WindowTitle.c_str()));
  ModifiedFlag = 0;
  InvalidateSheet();
  return true;
}

void TQuilmoraForm::FileExit1Execute() { close(); }

// Closing.

void TQuilmoraForm::closeEvent(QCloseEvent* event) { FormClose(event); }

void TQuilmoraForm::FormClose(QCloseEvent* event) {
  int answer = IDNO;
  if (ModifiedFlag == 1) answer = MessageBox(kCloseQuestion, "終了", MB_YESNOCANCEL | MB_ICONQUESTION);
  bool closes = answer != IDCANCEL;
  if (answer == IDYES) {
    FileDialogRequest request;
    request.Filter = kSaveFilter;
    request.DefaultSuffix = "tyc";
    request.FileName = CurrentFilePath == UntitledFilePath ? std::string() : CurrentFilePath;
    request.Save = true;
    const std::optional<std::string> path = AskFileName(request);
    closes = path && SaveProjectOnClose(*path);
  }
  if (!closes) {
    event->ignore();
    return;
  }
  // The palettes go with the window; the lock goes with the program.
  for (TToolPalette* palette : PalettesByEditMode()) {
    if (palette) palette->hide();
  }
  instanceLock_.Release();
  event->accept();
}

// Saved as Save does it, with the backup of the file it replaces; the title
// stays as it is since the window closes. A failed save keeps the window open
// rather than lose the edits.
bool TQuilmoraForm::SaveProjectOnClose(const std::string& path) {
  if (!SaveOrReport(path)) return false;
  CurrentFilePath = path;
  return true;
}
