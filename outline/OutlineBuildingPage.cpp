// The outline dialog's building page: use, garage, basement, the sheets of
// the three variants and the load take-off.
#include <QTabWidget>

#include "outline/OutlineDialog.h"
#include "outline/OutlinePageKit.h"

using namespace outline_page;

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

void TgaiyouDlg::UpdateStoreyRows(int v) {
  const int top = topStorey_[v].Code(-1);
  if (top < 0) return;
  for (int storey = 1; storey < StoreyCount; ++storey)
    for (QWidget* w : storeyRowWidgets_[v][storey])
      if (w) w->setEnabled(top >= storey);
}
