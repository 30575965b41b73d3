#include "mainwindow/GridToolWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/ModelRotation.h"
#include "mainwindow/Forms.h"
#include "mainwindow/ModuleDialog.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/Grid.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/qt/ModalDialogs.h"
#include "presentation/WindowState.h"

TDtoorishinnDlg::TDtoorishinnDlg(QWidget* parent)
    : TToolPalette("TDtoorishinnDlg", "DtoorishinnDlg", QStringLiteral("通り芯の設定"), PaletteDockGrid,
                   parent, OwnContent{}) {
  auto* layout = new QVBoxLayout(this);

  // The radios stand for GridEditMode; checking one from code sets it too.
  auto* modes = new QGridLayout;
  modes->addWidget(new QLabel(QStringLiteral("Ｙ座標"), this), 0, 0);
  modes->addWidget(new QLabel(QStringLiteral("Ｘ座標"), this), 1, 0);
  Modes = RadioRow(this);
  Modes.Add(this, modes,
            {{"Ryadd", "追加", GridEditAddY, &Ryadd, 0, 1},
             {"Rychange", "変更", GridEditChangeY, &Rychange, 0, 2},
             {"Rxadd", "追加", GridEditAddX, &Rxadd, 1, 1},
             {"Rxchange", "変更", GridEditChangeX, &Rxchange, 1, 2},
             {"Rdel", "削除・通り芯変更", GridEditDelete, &Rdel, 2, 0, 2}});
  modes->addWidget(new QLabel(QStringLiteral("(L)変更・(R)削除"), this), 3, 0, 1, 3, Qt::AlignRight);
  layout->addLayout(modes);
  Modes.OnChecked(this, [](int mode) { GridEditMode = mode; });

  GroupBox1 = NewGroupBox(this, "GroupBox1", "モジュール");
  auto* module = new QHBoxLayout(GroupBox1);
  Lmodule = NewLabel(GroupBox1, "Lmodule");
  Bikkatsu = NewButton(GroupBox1, "Bikkatsu", "変更");
  module->addWidget(Lmodule);
  module->addStretch();
  module->addWidget(Bikkatsu);
  layout->addWidget(GroupBox1);

  GroupBox2 = NewGroupBox(this, "GroupBox2", "建物回転");
  auto* turn = new QHBoxLayout(GroupBox2);
  Bkaiten = NewButton(GroupBox2, "Bkaiten", "実行");
  turn->addWidget(new QLabel(QStringLiteral("90°左回転"), GroupBox2));
  turn->addStretch();
  turn->addWidget(Bkaiten);
  layout->addWidget(GroupBox2);

  connect(Bikkatsu, &QPushButton::clicked, this, &TDtoorishinnDlg::BikkatsuClick);
  connect(Bkaiten, &QPushButton::clicked, this, &TDtoorishinnDlg::BkaitenClick);
  ShowModule();
}

void TDtoorishinnDlg::ShowModule() { Lmodule->setText(QString::fromStdString(FormatA("%5.3f", GridModule))); }

void TDtoorishinnDlg::FormActivate() {
  ShowModule();
  // Any mode but the four of the axes shows as deletion, and is then deletion.
  Modes.SetCode(Modes.Radio(GridEditMode) ? GridEditMode : GridEditDelete);
  TToolPalette::FormActivate();
}

void TDtoorishinnDlg::BikkatsuClick() {
  if (DmoduleDlg) RunModal(*DmoduleDlg);
  ShowModule();
}

void TDtoorishinnDlg::BkaitenClick() {
  if (!RotateModelLeft()) return;  // told why
  // The turned building lies elsewhere on the grid, and the grid's two
  // directions may differ in length.
  if (QuilmoraForm) {
    QuilmoraForm->ShowBuilding();
    QuilmoraForm->InvalidateSheet();
  }
}
