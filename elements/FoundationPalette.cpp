#include "elements/FoundationPalette.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/PaletteState.h"
#include "model/WindowState.h"

TDkisoDlg::TDkisoDlg(QWidget* parent)
    : TToolPalette("TDkisoDlg", "DkisoDlg", QStringLiteral("基礎の設定"), PaletteDockFoundation, parent,
                   OwnContent{}) {
  auto* layout = new QVBoxLayout(this);
  GroupBox1 = new QGroupBox(QStringLiteral("基礎仕様"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* radios = new QVBoxLayout(GroupBox1);
  auto* group = new QButtonGroup(this);
  const auto radio = [&](const char* name, const QString& caption, void (TDkisoDlg::*handler)()) {
    auto* button = new QRadioButton(caption, GroupBox1);
    button->setObjectName(QString::fromLatin1(name));
    group->addButton(button);
    radios->addWidget(button);
    // Checking a radio from code runs its handler too.
    connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
      if (checked) (this->*handler)();
    });
    return button;
  };
  Rkiso1 = radio("Rkiso1", QStringLiteral("基礎Ⅰ"), &TDkisoDlg::Rkiso1Click);
  Rkiso2 = radio("Rkiso2", QStringLiteral("基礎Ⅱ"), &TDkisoDlg::Rkiso2Click);
  Rkiso3 = radio("Rkiso3", QStringLiteral("基礎Ⅲ"), &TDkisoDlg::Rkiso3Click);
  layout->addWidget(GroupBox1);
  // The layout's start state; it agrees with the start value of the class.
  {
    const QSignalBlocker blocker(Rkiso2);
    Rkiso2->setChecked(true);
  }
}

void TDkisoDlg::showEvent(QShowEvent* event) {
  FormShow();
  TToolPalette::showEvent(event);
}

void TDkisoDlg::FormShow() {
  // Any class but the first two shows as 基礎Ⅲ, and is then 基礎Ⅲ.
  if (FoundationPaletteType == 0)
    Rkiso1->setChecked(true);
  else if (FoundationPaletteType == 1)
    Rkiso2->setChecked(true);
  else {
    Rkiso3->setChecked(true);
    FoundationPaletteType = 2;
  }
}

void TDkisoDlg::Rkiso1Click() { FoundationPaletteType = 0; }
void TDkisoDlg::Rkiso2Click() { FoundationPaletteType = 1; }
void TDkisoDlg::Rkiso3Click() { FoundationPaletteType = 2; }
