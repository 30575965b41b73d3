#include "elements/FoundationPalette.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "presentation/PaletteState.h"
#include "presentation/WindowState.h"

TDkisoDlg::TDkisoDlg(QWidget* parent)
    : TToolPalette("TDkisoDlg", "DkisoDlg", QStringLiteral("基礎の設定"), PaletteDockFoundation, parent,
                   OwnContent{}) {
  auto* layout = new QVBoxLayout(this);
  // The radios stand for FoundationPaletteType; checking one from code sets it too.
  Classes = NewRadioBox(
      this, &GroupBox1, "GroupBox1", "基礎仕様", false,
      {{"Rkiso1", "基礎Ⅰ", 0, &Rkiso1}, {"Rkiso2", "基礎Ⅱ", 1, &Rkiso2}, {"Rkiso3", "基礎Ⅲ", 2, &Rkiso3}});
  Classes.OnChecked(this, [](int type) { FoundationPaletteType = type; });
  layout->addWidget(GroupBox1);
  // The layout's start state; it agrees with the start value of the class.
  Classes.SetCodeQuietly(1);
}

void TDkisoDlg::showEvent(QShowEvent* event) {
  FormShow();
  TToolPalette::showEvent(event);
}

void TDkisoDlg::FormShow() {
  // Any class but the first two shows as 基礎Ⅲ, and is then 基礎Ⅲ.
  if (FoundationPaletteType != 0 && FoundationPaletteType != 1) FoundationPaletteType = 2;
  Classes.SetCode(FoundationPaletteType);
}
