#include "mainwindow/ModuleDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/GridModuleChange.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/Grid.h"
#include "platform/Format.h"

TDmoduleDlg::TDmoduleDlg(QWidget* parent) : TCancelableDialog(parent), Rules(this) {
  setObjectName(QStringLiteral("DmoduleDlg"));
  setWindowTitle(QStringLiteral("モジュールの変更"));
  auto* layout = new QVBoxLayout(this);

  auto* module = new QHBoxLayout;
  Label1 = NewLabel(this, "Label1", "モジュール寸法");
  Cmodule = Named(new QComboBox(this), "Cmodule");
  Cmodule->setEditable(true);
  Cmodule->setInsertPolicy(QComboBox::NoInsert);
  Cmodule->addItems({QString(), QStringLiteral("0.909"), QStringLiteral("0.910"), QStringLiteral("0.955"),
                     QStringLiteral("0.985"), QStringLiteral("1.000"), QStringLiteral("1.220")});
  module->addWidget(Label1);
  module->addWidget(Cmodule);
  module->addStretch();
  layout->addLayout(module);
  Label2 = NewLabel(this, "Label2", "間隔がモジュールと同じ場合は変更されます。");
  layout->addWidget(Label2);

  GroupBox1 = NewGroupBox(this, "GroupBox1", "通り芯間隔変更の指示（モジュール寸法以外の間隔）");
  Rules.Add(
      GroupBox1, new QVBoxLayout(GroupBox1),
      {{"Rchokusetsu", "モジュール寸法に変更", int(ModuleSpacingRule::AllToModule), &Rchokusetsu},
       {"Rhirei", "新旧モジュールの寸法比に比例して変更", int(ModuleSpacingRule::Proportional), &Rhirei},
       {"Rnone", "変更しない", int(ModuleSpacingRule::Keep), &Rnone}});
  Rnone->setChecked(true);  // the choice then stays from one use to the next
  layout->addWidget(GroupBox1);

  Label3 = NewLabel(this, "Label3", "注）モジュール寸法を変更すると、画面表示位置が移動します。");
  layout->addWidget(Label3);

  // A refused value is reported and the dialog still closes.
  layout->addLayout(NewOkCancelRow(this, *this));
  CloseOnOkCancel(this, &TDmoduleDlg::OKBtnClick);
}

void TDmoduleDlg::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TDmoduleDlg::FormShow() { Cmodule->setEditText(QString::fromStdString(FormatA("%5.3f", GridModule))); }

void TDmoduleDlg::OKBtnClick() {
  const auto rule = static_cast<ModuleSpacingRule>(Rules.Code(int(ModuleSpacingRule::Keep)));
  if (!ChangeGridModuleFromText(Cmodule->currentText().toStdString(), rule)) return;
  // The respaced grid may end elsewhere: the sheet follows it.
  if (QuilmoraForm) QuilmoraForm->GridChanged();
}
