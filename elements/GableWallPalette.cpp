#include "elements/GableWallPalette.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Format.h"
#include "platform/Numeric.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/PaletteState.h"
#include "presentation/WindowState.h"

namespace {

// An editable combo with an empty first item.
QComboBox* ValueCombo(const char* name, const QStringList& items, QWidget* parent) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setEditable(true);
  combo->addItem(QString());
  combo->addItems(items);
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

// The palette keeps the last accepted number of a combo whose text is none
// within its range, and flags the combo. The lists' empty item stands for 0.
void Follow(QComboBox* combo, const NumberField& field, const char* caption, double& value) {
  const QString text = combo->currentText();
  FollowNumber(text.trimmed().isEmpty() ? QStringLiteral("0") : text, field, caption, combo, value);
}

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
  // The radios stand for GablePalette's weight class and shape; checking one
  // from code sets them too.
  GroupBox1 = NewGroupBox(this, "GroupBox1", "矢切壁の重さ");
  GroupBox1->setToolTip(QStringLiteral("荷重拾いの場合は要設定。"));
  auto* weight = new QGridLayout(GroupBox1);
  Weights = RadioRow(this);
  Weights.Add(GroupBox1, weight,
              {{"Romosa1", "軽い", 1, &Romosa1, 0, 0},
               {"Romosa2", "重い", 2, &Romosa2, 0, 1},
               {"Romosa0", "個別", 0, &Romosa0, 0, 2}});
  Weights.OnChecked(this, [](int code) { GablePalette.WeightClass = code; });
  Romosa1->setToolTip(QStringLiteral("軽い矢切壁（外周壁：600 N/㎡、間仕切り壁：200 N/㎡）"));
  Romosa2->setToolTip(QStringLiteral("重い矢切壁（外周壁：1,000 N/㎡、間仕切り壁：950 N/㎡）"));
  Romosa0->setToolTip(QStringLiteral("個別の壁荷重を入力"));
  Comosa = ValueCombo(
      "Comosa",
      {QStringLiteral(" 200"), QStringLiteral(" 600"), QStringLiteral(" 950"), QStringLiteral("1000")},
      GroupBox1);
  weight->addWidget(Comosa, 1, 0, 1, 2);
  weight->addWidget(new QLabel(QStringLiteral("N/㎡"), GroupBox1), 1, 2);
  layout->addWidget(GroupBox1);

  GroupBox2 = NewGroupBox(this, "GroupBox2", "形状");
  auto* shape = new QGridLayout(GroupBox2);
  Shapes = RadioRow(this);
  Shapes.Add(GroupBox2, shape,
             {{"Rkata", "片流れ", 0, &Rkata, 0, 0},
              {"Rryou", "両流れ", 1, &Rryou, 0, 1},
              {"Rpara", "ﾊﾟﾗﾍﾟｯﾄ", 2, &Rpara, 0, 2}});
  Shapes.OnChecked(this, [](int code) { GablePalette.Shape = code; });
  const QStringList values = {QStringLiteral("0.0"), QStringLiteral("0.1"), QStringLiteral("0.2"),
                              QStringLiteral("0.3"), QStringLiteral("0.4"), QStringLiteral("0.5"),
                              QStringLiteral("0.6"), QStringLiteral("1.0")};
  Ckoubai = ValueCombo("Ckoubai", values, GroupBox2);
  Ctakasa = ValueCombo("Ctakasa", values, GroupBox2);
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
  if (GablePalette.Shape != 2) Shapes.SetCode(GablePalette.Shape);
  Weights.SetCode(GablePalette.WeightClass);
  ShowText(Comosa, FormatA("%6.0f", GablePalette.Weight));
  ShowText(Ckoubai, FormatA("%6.2f", GablePalette.Slope));
  ShowText(Ctakasa, FormatA("%6.2f", GablePalette.Height));
  for (QComboBox* combo : {Comosa, Ckoubai, Ctakasa}) UnflagNumber(combo);
}

void TDyagiriDlg::ComosaChange() {
  Follow(Comosa, FileNumberBounds.WallWeight, "矢切壁の重さ", GablePalette.Weight);
}
void TDyagiriDlg::CkoubaiChange() {
  Follow(Ckoubai, FileNumberBounds.RecordNumber, "勾配", GablePalette.Slope);
}
void TDyagiriDlg::CtakasaChange() {
  Follow(Ctakasa, FileNumberBounds.GableHeight, "高さ", GablePalette.Height);
}
