#include "elements/ColumnPalette.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "elements/ColumnControls.h"
#include "elements/JointHardwareDialog.h"
#include "mainwindow/Forms.h"
#include "mainwindow/QuilmoraForm.h"
#include "platform/qt/ModalDialogs.h"
#include "presentation/PaletteState.h"
#include "presentation/WindowState.h"

TDhashiraDlg::TDhashiraDlg(QWidget* parent)
    : TToolPalette("TDhashiraDlg", "DhashiraDlg", QStringLiteral("柱の設定"), PaletteDockColumns, parent,
                   OwnContent{}) {
  setWindowFlag(Qt::WindowMinMaxButtonsHint);

  // The kinds stand for NewColumnDefaults.Type.
  Kind = NewColumnRadioBox(this, &Gshurui, "Gshurui", "柱の種類", "柱の種類を選びます。",
                           {{"Rkuda", "管柱", 1, &Rkuda},
                            {"Rtoushi", "通し柱(1-2)", 2, &Rtoushi},
                            {"Rtoushi2", "通し柱(2-3)", 3, &Rtoushi2}});
  Rkuda->setChecked(true);

  static_cast<ColumnSettingControls&>(*this) = NewColumnSettingControls(this, "出隅判定");

  // Two rows of groups, each as wide as its own groups need.
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* bottom = new QHBoxLayout;
  for (QGroupBox* group : {Gshurui, Gdesumi, Gkanamono}) top->addWidget(group);
  for (QGroupBox* group : {Grekka, Gzaishu}) bottom->addWidget(group);
  layout->addLayout(top);
  layout->addLayout(bottom);

  // Every choice is taken over at once, also when made from code.
  for (const RadioRow& row : {Kind, Corner, Deterioration, Species})
    row.OnChecked(this, [this](int) { ReadControls(); });
  for (QComboBox* list : {Csetsu, Cxdanmen, Cydanmen})
    connect(list, &QComboBox::currentIndexChanged, this, [this] { ReadControls(); });
  connect(Bsetsu, &QPushButton::clicked, this, &TDhashiraDlg::BsetsuClick);
  ReadControls();
  FitToClientSize(this, 477, 100);
}

void TDhashiraDlg::ReadControls() {
  NewColumnSettings& d = NewColumnDefaults;
  d.Type = Kind.Code(d.Type);
  d.CornerSetting = Corner.Code(d.CornerSetting);
  d.Species = Species.Code(d.Species);
  d.Deterioration = Deterioration.Code(d.Deterioration);
  if (Csetsu->currentIndex() >= 0) d.Hardware = Csetsu->currentIndex();
  if (Cxdanmen->currentIndex() >= 0) d.SectionX = Cxdanmen->currentIndex();
  if (Cydanmen->currentIndex() >= 0) d.SectionY = Cydanmen->currentIndex();
}

void TDhashiraDlg::Refresh() { Kind.SetCode(NewColumnDefaults.Type); }

void TDhashiraDlg::FormActivate() {
  Refresh();
  TToolPalette::FormActivate();
}

void TDhashiraDlg::BsetsuClick() {
  if (setsuDlg) RunModal(*setsuDlg);
  // The hardware table may have changed what the plan shows.
  if (QuilmoraForm) QuilmoraForm->InvalidateSheet();
}
