// The outline dialog's wall-quantity and display page: the floor-area grid,
// the snow case, the display switches and the axis naming.
#include <QTabWidget>

#include "mainwindow/QuilmoraForm.h"
#include "outline/OutlineDialog.h"
#include "outline/OutlinePageKit.h"
#include "platform/MessageBox.h"
#include "platform/qt/NumberEdits.h"

using namespace outline_page;

void TgaiyouDlg::BuildDisplayPage() {
  TabSheet8 = Named(new QWidget, "TabSheet8");
  auto* page = new QVBoxLayout(TabSheet8);
  page->addWidget(BuildWallQuantityBox());
  page->addWidget(BuildDisplayBox());
  page->addStretch();
}

// The wall-quantity feature's floor-area grid, by variant, storey and area.
QGroupBox* TgaiyouDlg::BuildWallQuantityBox() {
  Gkaberyou = Coloured(NewGroupBox(TabSheet8, "Gkaberyou", "壁量計算"), 0xF0CAA6);
  auto* kaberyou = new QVBoxLayout(Gkaberyou);
  for (const char* note : {"注!） "
                           "壁量計算には、必要耐力算定に於いて「必要耐力表を用いる方法」または「簡易耐力表を"
                           "用いる方法」が必要になります。",
                           " 　　 "
                           "精密診断法の「建築基準法に準拠」または「簡易重量表を用いる方法」を選択中は壁量計"
                           "算が行われないので注意して下さい。"}) {
    QLabel* label = Label(Gkaberyou, note);
    TextColoured(label, kMaroonText);
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
  TextColoured(Label291, kBlueText);
  manualRow->addWidget(Label291);
  manualRow->addStretch();
  areas->addLayout(manualRow);
  QLabel* StaticText5 = Label(GroupBox190, "↑更新されない。!!", "StaticText5");
  TextColoured(StaticText5, QColor(255, 0, 255));
  areas->addWidget(StaticText5);
  kaberyou->addWidget(GroupBox190);
  connect(Cyukamenshuusei, &QCheckBox::clicked, this, &TgaiyouDlg::CyukamenshuuseiClick);
  return Gkaberyou;
}

// The snow case, the display switches, the axis naming and (hidden) the structure type.
QGroupBox* TgaiyouDlg::BuildDisplayBox() {
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
  return GroupBox63;
}

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
