// The outline dialog's foundation, floor and ground page, and the class
// captions its choices give.
#include <array>
#include <tuple>
#include <utility>

#include "outline/OutlineDialog.h"
#include "outline/OutlinePageKit.h"

using namespace outline_page;

namespace {

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

}  // namespace

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
  TextColoured(lawNote, kBlueText);
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
