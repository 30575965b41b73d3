#include "mainwindow/WallQuantityDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "mainwindow/Forms.h"
#include "mainwindow/QuilmoraForm.h"
#include "outline/OutlineDialog.h"
#include "platform/MessageBox.h"

namespace {

const char* const kVariantTabs[VariantCount] = {"現況", "改修案１", "改修案２"};
const char* const kStoreyRows[StoreyCount] = {"１階", "２階", "３階"};

QString ComponentName(const char* family, int variant, int storey) {
  return QString::fromStdString(WallQuantityComponentName(family, variant, storey));
}

QLabel* Caption(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

// The storey captions down the first column from row firstRow.
void AddStoreyRows(QGridLayout* grid, QWidget* parent, int firstRow) {
  for (int s = 0; s < StoreyCount; ++s) grid->addWidget(Caption(kStoreyRows[s], parent), firstRow + s, 0);
}

void InvalidatePlanAndOutline() {
  if (QuilmoraForm) QuilmoraForm->InvalidateSheet();
  if (gaiyouDlg) gaiyouDlg->update();
}

}  // namespace

TkaberyouDlg::TkaberyouDlg(QWidget* parent) : TCancelableDialog(parent) {
  setObjectName(QStringLiteral("kaberyouDlg"));
  setWindowTitle(QStringLiteral("壁量計算"));
  QVBoxLayout* layout = NewColumnLayout(this, 8, 6, 8, 6);

  auto* top = new QVBoxLayout;
  Cyukamenshuusei = NewCheckBox(this, "Cyukamenshuusei", "必要耐力算出用床面積を手動で入力する。");
  top->addWidget(Cyukamenshuusei);
  top->addWidget(new QLabel(
      QStringLiteral("オーバーハングや小屋裏収納等がある場合は修正して手動で入れて下さい。"), this));
  top->addWidget(new QLabel(
      QStringLiteral("(４分割領域面積は修正に追随しませんのでこちらも手動で修正して下さい。)"), this));
  layout->addLayout(top);

  PageControl1 = Named(new QTabWidget(this), "PageControl1");
  for (int v = 0; v < VariantCount; ++v)
    PageControl1->addTab(BuildTab(v), QString::fromUtf8(kVariantTabs[v]));
  layout->addWidget(PageControl1);

  layout->addLayout(NewOkCancelRow(this, *this));

  connect(Cyukamenshuusei, &QCheckBox::clicked, this, &TkaberyouDlg::CyukamenshuuseiClick);
  CloseOnOkCancel(this, &TkaberyouDlg::OKBtnClick);
}

QWidget* TkaberyouDlg::BuildTab(int variant) {
  auto* page = Named(new QWidget(PageControl1), QStringLiteral("TabSheet%1").arg(variant + 1));
  auto* column = new QVBoxLayout(page);

  // The result boxes: 必要壁量, and 存在壁量 with the ratios beside the lengths.
  QGroupBox* required = new QGroupBox(QStringLiteral("必要壁量"), page);
  QGroupBox* existing = new QGroupBox(QStringLiteral("存在壁量"), page);
  auto* requiredGrid = new QGridLayout(required);
  auto* existingGrid = new QGridLayout(existing);
  AddStoreyRows(requiredGrid, required, 2);
  AddStoreyRows(existingGrid, existing, 2);
  existingGrid->addWidget(Caption("充足率", existing), 0, 7, 1, 6);
  int requiredColumn = 1;
  int existingColumn = 1;
  for (int f = 0; f < WallQuantityLabelFamilyCount; ++f) {
    const WallQuantityLabelFamily& family = WallQuantityLabelFamilies[f];
    const bool inRequired = family.Group == WallQuantityGroup::Required;
    QGroupBox* box = inRequired ? required : existing;
    QGridLayout* grid = inRequired ? requiredGrid : existingGrid;
    const int c = inRequired ? requiredColumn++ : existingColumn++;
    grid->addWidget(Caption(family.Heading, box), 1, c);
    for (int s = 0; s < StoreyCount; ++s) {
      auto* label = Named(new QLabel(box), ComponentName(family.Name, variant, s));
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      labels_[f][variant][s] = label;
      grid->addWidget(label, 2 + s, c);
    }
  }

  // The areas: 床面積 and the four zones of the quarter division.
  QGroupBox* areas = new QGroupBox(QStringLiteral("必要耐力算出用床面積"), page);
  auto* areaGrid = new QGridLayout(areas);
  AddStoreyRows(areaGrid, areas, 2);
  areaGrid->addWidget(Caption("４分割領域面積", areas), 0, 2, 1, 4);
  for (int f = 0; f < WallQuantityAreaFamilyCount; ++f) {
    const WallQuantityAreaFamily& family = WallQuantityAreaFamilies[f];
    areaGrid->addWidget(Caption(family.Heading, areas), 1, 1 + f);
    for (int s = 0; s < StoreyCount; ++s) {
      auto* edit = Named(new QLineEdit(areas), ComponentName(family.Name, variant, s));
      edit->setAlignment(Qt::AlignRight);
      areas_[WallQuantityAreaIndex(variant, s, f)] = edit;
      areaGrid->addWidget(edit, 2 + s, 1 + f);
    }
  }

  column->addWidget(required);
  column->addWidget(existing);
  column->addWidget(areas);
  column->addStretch();
  return page;
}

QLabel* TkaberyouDlg::ResultLabel(int family, int variant, int storey) const {
  return labels_[family][variant][storey];
}

QLineEdit* TkaberyouDlg::AreaEdit(int family, int variant, int storey) const {
  return areas_[WallQuantityAreaIndex(variant, storey, family)];
}

void TkaberyouDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TkaberyouDlg::FormShow() {
  const bool manual = ProjectSettings.ManualFloorAreas != SettingOff;
  Cyukamenshuusei->setChecked(manual);
  FillAreas(manual);
  for (int f = 0; f < WallQuantityLabelFamilyCount; ++f)
    for (int v = 0; v < VariantCount; ++v)
      for (int s = 0; s < StoreyCount; ++s)
        labels_[f][v][s]->setText(
            QString::fromStdString(WallQuantityText(WallQuantityLabelFamilies[f].Value(v, s))));
}

void TkaberyouDlg::FillAreas(bool manual) {
  for (int v = 0; v < VariantCount; ++v)
    for (int s = 0; s < StoreyCount; ++s)
      for (int f = 0; f < WallQuantityAreaFamilyCount; ++f) {
        const int i = WallQuantityAreaIndex(v, s, f);
        filled_[i] = FillWallQuantityArea(v, s, f, manual);
        areas_[i]->setText(QString::fromStdString(filled_[i].Text));
      }
  SetAreasEditable(manual);
}

void TkaberyouDlg::SetAreasEditable(bool editable) {
  for (QLineEdit* edit : areas_) edit->setReadOnly(!editable);
}

void TkaberyouDlg::CyukamenshuuseiClick() {
  if (!Cyukamenshuusei->isChecked()) {
    // Back to the computed areas; what was entered by hand stays stored.
    FillAreas(false);
  } else if (AnyManualArea()) {
    // The areas entered by hand before come back.
    FillAreas(true);
  } else {
    // The computed areas are the start for the hand input.
    SetAreasEditable(true);
  }
  InvalidatePlanAndOutline();
}

bool TkaberyouDlg::OKBtnClick() {
  WallQuantityAreaEdit edits[WallQuantityAreaCount];
  for (int i = 0; i < WallQuantityAreaCount; ++i) {
    edits[i] = filled_[i];
    edits[i].Text = areas_[i]->text().toStdString();
  }
  const int bad = StoreWallQuantityAreas(Cyukamenshuusei->isChecked(), edits);
  if (bad >= 0) {
    PageControl1->setCurrentIndex(bad / (StoreyCount * WallQuantityAreaFamilyCount));
    MessageBox("床面積には0以上の数値を入力して下さい。", "壁量計算", MB_OK | MB_ICONSTOP);
    areas_[bad]->setFocus();
    areas_[bad]->selectAll();
    return false;
  }
  if (QuilmoraForm) QuilmoraForm->InvalidateSheet();
  return true;
}
