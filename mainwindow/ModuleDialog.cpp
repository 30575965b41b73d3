#include "mainwindow/ModuleDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "mainwindow/QuilmoraForm.h"
#include "model/Grid.h"
#include "model/GridModuleChange.h"
#include "platform/Format.h"

namespace {

constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TDmoduleDlg::TDmoduleDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DmoduleDlg"));
  setWindowTitle(QStringLiteral("モジュールの変更"));
  auto* layout = new QVBoxLayout(this);

  auto* module = new QHBoxLayout;
  Label1 = Named(new QLabel(QStringLiteral("モジュール寸法"), this), "Label1");
  Cmodule = Named(new QComboBox(this), "Cmodule");
  Cmodule->setEditable(true);
  Cmodule->setInsertPolicy(QComboBox::NoInsert);
  Cmodule->addItems({QString(), QStringLiteral("0.909"), QStringLiteral("0.910"), QStringLiteral("0.955"),
                     QStringLiteral("0.985"), QStringLiteral("1.000"), QStringLiteral("1.220")});
  module->addWidget(Label1);
  module->addWidget(Cmodule);
  module->addStretch();
  layout->addLayout(module);
  Label2 = Named(new QLabel(QStringLiteral("間隔がモジュールと同じ場合は変更されます。"), this), "Label2");
  layout->addWidget(Label2);

  GroupBox1 = Named(new QGroupBox(QStringLiteral("通り芯間隔変更の指示（モジュール寸法以外の間隔）"), this),
                    "GroupBox1");
  auto* rules = new QVBoxLayout(GroupBox1);
  Rchokusetsu = Named(new QRadioButton(QStringLiteral("モジュール寸法に変更"), GroupBox1), "Rchokusetsu");
  Rhirei =
      Named(new QRadioButton(QStringLiteral("新旧モジュールの寸法比に比例して変更"), GroupBox1), "Rhirei");
  Rnone = Named(new QRadioButton(QStringLiteral("変更しない"), GroupBox1), "Rnone");
  Rnone->setChecked(true);  // the choice then stays from one use to the next
  for (QRadioButton* radio : {Rchokusetsu, Rhirei, Rnone}) rules->addWidget(radio);
  layout->addWidget(GroupBox1);

  Label3 =
      Named(new QLabel(QStringLiteral("注）モジュール寸法を変更すると、画面表示位置が移動します。"), this),
            "Label3");
  layout->addWidget(Label3);

  auto* buttons = new QHBoxLayout;
  OKBtn = Named(new QPushButton(QStringLiteral("OK"), this), "OKBtn");
  OKBtn->setDefault(true);
  CancelBtn = Named(new QPushButton(QStringLiteral("キャンセル"), this), "CancelBtn");
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  layout->addLayout(buttons);

  // A refused value is reported and the dialog still closes.
  connect(OKBtn, &QPushButton::clicked, this, [this] {
    OKBtnClick();
    done(kResultOk);
  });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { done(kResultCancel); });
}

void TDmoduleDlg::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TDmoduleDlg::FormShow() { Cmodule->setEditText(QString::fromStdString(FormatA("%5.3f", GridModule))); }

void TDmoduleDlg::OKBtnClick() {
  const ModuleSpacingRule rule = Rchokusetsu->isChecked() ? ModuleSpacingRule::AllToModule
                                 : Rhirei->isChecked()    ? ModuleSpacingRule::Proportional
                                                          : ModuleSpacingRule::Keep;
  if (!ChangeGridModuleFromText(Cmodule->currentText().toStdString(), rule)) return;
  if (QuilmoraForm) QuilmoraForm->InvalidateSheet();
}
