#include "elements/ColumnPalette.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "elements/ColumnControls.h"
#include "mainwindow/Forms.h"
#include "mainwindow/PlaceholderDialog.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/PaletteState.h"
#include "model/WindowState.h"
#include "platform/qt/ModalDialogs.h"

TDhashiraDlg::TDhashiraDlg(QWidget* parent)
    : TToolPalette("TDhashiraDlg", "DhashiraDlg", QStringLiteral("柱の設定"), PaletteDockColumns, parent,
                   OwnContent{}) {
  setWindowFlag(Qt::WindowMinMaxButtonsHint);
  auto* layout = new QGridLayout(this);

  const RadioRow kind = NewRadioRow(this, "Gshurui", "柱の種類", "柱の種類を選びます。");
  Gshurui = kind.box;
  Rkuda = AddRadio(kind, "Rkuda", "管柱");
  Rtoushi = AddRadio(kind, "Rtoushi", "通し柱(1-2)");
  Rtoushi2 = AddRadio(kind, "Rtoushi2", "通し柱(2-3)");
  Rkuda->setChecked(true);

  static_cast<ColumnSettingControls&>(*this) = NewColumnSettingControls(this, "出隅判定");

  layout->addWidget(Gshurui, 0, 0);
  layout->addWidget(Gdesumi, 0, 1);
  layout->addWidget(Gkanamono, 0, 2);
  layout->addWidget(Grekka, 1, 0);
  layout->addWidget(Gzaishu, 1, 1, 1, 2);

  // Every choice is taken over at once, also when made from code.
  for (QRadioButton* radio : {Rkuda, Rtoushi, Rtoushi2, Rdesumi0, Rdesumi1, Rdesumi2, Rzentai, Rnashi, Rbubun,
                              Rsugi, Rhinoki, Rkeyaki})
    connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) ReadControls();
    });
  for (QComboBox* list : {Csetsu, Cxdanmen, Cydanmen})
    connect(list, &QComboBox::currentIndexChanged, this, [this] { ReadControls(); });
  connect(Bsetsu, &QPushButton::clicked, this, &TDhashiraDlg::BsetsuClick);
  ReadControls();
}

void TDhashiraDlg::ReadControls() {
  NewColumnSettings& d = NewColumnDefaults;
  d.Type = CheckedCode({Rkuda, Rtoushi, Rtoushi2}, d.Type - 1) + 1;
  d.CornerSetting = CheckedCode({Rdesumi0, Rdesumi1, Rdesumi2}, d.CornerSetting);
  d.Species = CheckedCode({Rsugi, Rhinoki, Rkeyaki}, d.Species);
  d.Deterioration = CheckedCode({Rzentai, Rbubun, Rnashi}, d.Deterioration);
  if (Csetsu->currentIndex() >= 0) d.Hardware = Csetsu->currentIndex();
  if (Cxdanmen->currentIndex() >= 0) d.SectionX = Cxdanmen->currentIndex();
  if (Cydanmen->currentIndex() >= 0) d.SectionY = Cydanmen->currentIndex();
}

void TDhashiraDlg::Refresh() { CheckCode({Rkuda, Rtoushi, Rtoushi2}, NewColumnDefaults.Type - 1); }

void TDhashiraDlg::FormActivate() {
  Refresh();
  TToolPalette::FormActivate();
}

void TDhashiraDlg::BsetsuClick() {
  if (setsuDlg) RunModal(*setsuDlg);
  // The hardware table may have changed what the plan shows.
  if (QuilmoraForm) QuilmoraForm->InvalidateSheet();
}
