#include "elements/GableWallPalette.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/PaletteState.h"
#include "model/WindowState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// An editable combo with an empty first item.
QComboBox* ValueCombo(const char* name, const QStringList& items, QWidget* parent) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setEditable(true);
  combo->addItem(QString());
  combo->addItems(items);
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

double NumberOf(const QComboBox* combo) { return NumberOfText(combo->currentText().toStdString()); }

void ShowText(QComboBox* combo, const std::string& text) {
  // Text written from code is not a change by the user.
  const QSignalBlocker blocker(combo);
  combo->setEditText(QString::fromStdString(text));
}

}  // namespace

TDyagiriDlg::TDyagiriDlg(QWidget* parent)
    : TToolPalette("TDyagiriDlg", "DyagiriDlg", QStringLiteral("矢切壁の設定"), PaletteDockGable, parent,
                   OwnContent{}) {
  auto* layout = new QVBoxLayout(this);
  const auto radio = [this](QButtonGroup* group, QWidget* box, const char* name, const QString& caption,
                            void (TDyagiriDlg::*handler)()) {
    auto* button = Named(new QRadioButton(caption, box), name);
    group->addButton(button);
    // Checking a radio from code runs its handler too.
    connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
      if (checked) (this->*handler)();
    });
    return button;
  };

  GroupBox1 = Named(new QGroupBox(QStringLiteral("矢切壁の重さ"), this), "GroupBox1");
  GroupBox1->setToolTip(QStringLiteral("荷重拾いの場合は要設定。"));
  auto* weight = new QGridLayout(GroupBox1);
  auto* weights = new QButtonGroup(this);
  Romosa1 = radio(weights, GroupBox1, "Romosa1", QStringLiteral("軽い"), &TDyagiriDlg::Romosa1Click);
  Romosa1->setToolTip(QStringLiteral("軽い矢切壁（外周壁：600 N/㎡、間仕切り壁：200 N/㎡）"));
  Romosa2 = radio(weights, GroupBox1, "Romosa2", QStringLiteral("重い"), &TDyagiriDlg::Romosa2Click);
  Romosa2->setToolTip(QStringLiteral("重い矢切壁（外周壁：1,000 N/㎡、間仕切り壁：950 N/㎡）"));
  Romosa0 = radio(weights, GroupBox1, "Romosa0", QStringLiteral("個別"), &TDyagiriDlg::Romosa0Click);
  Romosa0->setToolTip(QStringLiteral("個別の壁荷重を入力"));
  Comosa = ValueCombo("Comosa", {QStringLiteral(" 200"), QStringLiteral(" 600"), QStringLiteral(" 950"),
                                 QStringLiteral("1000")},
                      GroupBox1);
  weight->addWidget(Romosa1, 0, 0);
  weight->addWidget(Romosa2, 0, 1);
  weight->addWidget(Romosa0, 0, 2);
  weight->addWidget(Comosa, 1, 0, 1, 2);
  weight->addWidget(new QLabel(QStringLiteral("N/㎡"), GroupBox1), 1, 2);
  layout->addWidget(GroupBox1);

  GroupBox2 = Named(new QGroupBox(QStringLiteral("形状"), this), "GroupBox2");
  auto* shape = new QGridLayout(GroupBox2);
  auto* shapes = new QButtonGroup(this);
  Rkata = radio(shapes, GroupBox2, "Rkata", QStringLiteral("片流れ"), &TDyagiriDlg::RkataClick);
  Rryou = radio(shapes, GroupBox2, "Rryou", QStringLiteral("両流れ"), &TDyagiriDlg::RryouClick);
  Rpara = radio(shapes, GroupBox2, "Rpara", QStringLiteral("ﾊﾟﾗﾍﾟｯﾄ"), &TDyagiriDlg::RparaClick);
  const QStringList values = {QStringLiteral("0.0"), QStringLiteral("0.1"), QStringLiteral("0.2"),
                              QStringLiteral("0.3"), QStringLiteral("0.4"), QStringLiteral("0.5"),
                              QStringLiteral("0.6"), QStringLiteral("1.0")};
  Ckoubai = ValueCombo("Ckoubai", values, GroupBox2);
  Ctakasa = ValueCombo("Ctakasa", values, GroupBox2);
  shape->addWidget(Rkata, 0, 0);
  shape->addWidget(Rryou, 0, 1);
  shape->addWidget(Rpara, 0, 2);
  shape->addWidget(new QLabel(QStringLiteral("勾配"), GroupBox2), 1, 0);
  shape->addWidget(Ckoubai, 1, 1);
  shape->addWidget(new QLabel(QStringLiteral("／1.0"), GroupBox2), 1, 2);
  shape->addWidget(new QLabel(QStringLiteral("高さ"), GroupBox2), 2, 0);
  shape->addWidget(Ctakasa, 2, 1);
  shape->addWidget(new QLabel(QStringLiteral("ｍ"), GroupBox2), 2, 2);
  layout->addWidget(GroupBox2);

  // Typing and choosing an item are changes; text written by FormPaint is not.
  connect(Comosa, &QComboBox::editTextChanged, this, &TDyagiriDlg::ComosaChange);
  connect(Ckoubai, &QComboBox::editTextChanged, this, &TDyagiriDlg::CkoubaiChange);
  connect(Ctakasa, &QComboBox::editTextChanged, this, &TDyagiriDlg::CtakasaChange);
  FormPaint();
}

void TDyagiriDlg::showEvent(QShowEvent* event) {
  FormPaint();
  TToolPalette::showEvent(event);
}

void TDyagiriDlg::FormPaint() {
  // A parapet keeps whichever shape radio the user clicked last.
  if (GablePalette.Shape == 0) Rkata->setChecked(true);
  if (GablePalette.Shape == 1) Rryou->setChecked(true);
  if (GablePalette.WeightClass == 0) Romosa0->setChecked(true);
  if (GablePalette.WeightClass == 1) Romosa1->setChecked(true);
  if (GablePalette.WeightClass == 2) Romosa2->setChecked(true);
  ShowText(Comosa, FormatA("%6.0f", GablePalette.Weight));
  ShowText(Ckoubai, FormatA("%6.2f", GablePalette.Slope));
  ShowText(Ctakasa, FormatA("%6.2f", GablePalette.Height));
}

void TDyagiriDlg::Romosa0Click() { GablePalette.WeightClass = 0; }
void TDyagiriDlg::Romosa1Click() { GablePalette.WeightClass = 1; }
void TDyagiriDlg::Romosa2Click() { GablePalette.WeightClass = 2; }
void TDyagiriDlg::ComosaChange() { GablePalette.Weight = NumberOf(Comosa); }
void TDyagiriDlg::RkataClick() { GablePalette.Shape = 0; }
void TDyagiriDlg::RryouClick() { GablePalette.Shape = 1; }
void TDyagiriDlg::RparaClick() { GablePalette.Shape = 2; }
void TDyagiriDlg::CkoubaiChange() { GablePalette.Slope = NumberOf(Ckoubai); }
void TDyagiriDlg::CtakasaChange() { GablePalette.Height = NumberOf(Ctakasa); }
