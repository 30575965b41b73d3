#include "mainwindow/GridToolWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "mainwindow/Forms.h"
#include "mainwindow/ModuleDialog.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/Grid.h"
#include "model/ModelRotation.h"
#include "model/ViewState.h"
#include "model/WindowState.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/qt/ModalDialogs.h"

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TDtoorishinnDlg::TDtoorishinnDlg(QWidget* parent)
    : TToolPalette("TDtoorishinnDlg", "DtoorishinnDlg", QStringLiteral("通り芯の設定"), PaletteDockGrid,
                   parent, OwnContent{}) {
  auto* layout = new QVBoxLayout(this);

  auto* modes = new QGridLayout;
  auto* group = new QButtonGroup(this);
  const auto radio = [&](const char* name, const char* caption, int row, int column) {
    auto* button = Named(new QRadioButton(QString::fromUtf8(caption), this), name);
    group->addButton(button);
    modes->addWidget(button, row, column);
    return button;
  };
  modes->addWidget(new QLabel(QStringLiteral("Ｙ座標"), this), 0, 0);
  Ryadd = radio("Ryadd", "追加", 0, 1);
  Rychange = radio("Rychange", "変更", 0, 2);
  modes->addWidget(new QLabel(QStringLiteral("Ｘ座標"), this), 1, 0);
  Rxadd = radio("Rxadd", "追加", 1, 1);
  Rxchange = radio("Rxchange", "変更", 1, 2);
  Rdel = radio("Rdel", "削除・通り芯変更", 2, 0);
  modes->removeWidget(Rdel);
  modes->addWidget(Rdel, 2, 0, 1, 2);
  modes->addWidget(new QLabel(QStringLiteral("(L)変更・(R)削除"), this), 3, 0, 1, 3, Qt::AlignRight);
  layout->addLayout(modes);

  GroupBox1 = Named(new QGroupBox(QStringLiteral("モジュール"), this), "GroupBox1");
  auto* module = new QHBoxLayout(GroupBox1);
  Lmodule = Named(new QLabel(GroupBox1), "Lmodule");
  Bikkatsu = Named(new QPushButton(QStringLiteral("変更"), GroupBox1), "Bikkatsu");
  module->addWidget(Lmodule);
  module->addStretch();
  module->addWidget(Bikkatsu);
  layout->addWidget(GroupBox1);

  GroupBox2 = Named(new QGroupBox(QStringLiteral("建物回転"), this), "GroupBox2");
  auto* turn = new QHBoxLayout(GroupBox2);
  Bkaiten = Named(new QPushButton(QStringLiteral("実行"), GroupBox2), "Bkaiten");
  turn->addWidget(new QLabel(QStringLiteral("90°左回転"), GroupBox2));
  turn->addStretch();
  turn->addWidget(Bkaiten);
  layout->addWidget(GroupBox2);

  // Checking a radio from code runs its handler too.
  const auto onChecked = [this](QRadioButton* button, void (TDtoorishinnDlg::*handler)()) {
    connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
      if (checked) (this->*handler)();
    });
  };
  onChecked(Ryadd, &TDtoorishinnDlg::RyaddClick);
  onChecked(Rychange, &TDtoorishinnDlg::RychangeClick);
  onChecked(Rxadd, &TDtoorishinnDlg::RxaddClick);
  onChecked(Rxchange, &TDtoorishinnDlg::RxchangeClick);
  onChecked(Rdel, &TDtoorishinnDlg::RdelClick);
  connect(Bikkatsu, &QPushButton::clicked, this, &TDtoorishinnDlg::BikkatsuClick);
  connect(Bkaiten, &QPushButton::clicked, this, &TDtoorishinnDlg::BkaitenClick);
  ShowModule();
}

void TDtoorishinnDlg::ShowModule() { Lmodule->setText(QString::fromStdString(FormatA("%5.3f", GridModule))); }

void TDtoorishinnDlg::FormActivate() {
  ShowModule();
  QRadioButton* const byMode[] = {Rxadd, Rxchange, Ryadd, Rychange};
  (GridEditMode >= 0 && GridEditMode < 4 ? byMode[GridEditMode] : Rdel)->setChecked(true);
  TToolPalette::FormActivate();
}

void TDtoorishinnDlg::RyaddClick() { GridEditMode = GridEditAddY; }
void TDtoorishinnDlg::RychangeClick() { GridEditMode = GridEditChangeY; }
void TDtoorishinnDlg::RxaddClick() { GridEditMode = GridEditAddX; }
void TDtoorishinnDlg::RxchangeClick() { GridEditMode = GridEditChangeX; }
void TDtoorishinnDlg::RdelClick() { GridEditMode = GridEditDelete; }

void TDtoorishinnDlg::BikkatsuClick() {
  if (DmoduleDlg) RunModal(*DmoduleDlg);
  ShowModule();
}

void TDtoorishinnDlg::BkaitenClick() {
  if (!RotateModelLeft()) {
    MessageBox("グリッドの外に在るデータがあるため、建物を回転出来ません。\n\n回転しないで続けます。",
               "データ移動不可", MB_ICONSTOP);
    return;
  }
  if (QuilmoraForm) QuilmoraForm->InvalidateSheet();
}
