#include "elements/FloorSpecPalette.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editing/ClickInput.h"
#include "model/ElementTables.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"
#include "presentation/WindowState.h"

namespace {

struct LegendEntry {
  const char* Caption;
  int32_t Colour;  // 0x00BBGGRR
};

// A legend: coloured panels with their captions, in rows of `perRow`, and
// the hint below them.
QGroupBox* Legend(QWidget* parent, const char* name, const char* caption, const LegendEntry* entries,
                  int count, int perRow) {
  QGroupBox* box = NewGroupBox(parent, name, caption);
  auto* layout = new QGridLayout(box);
  layout->setSpacing(2);
  for (int i = 0; i < count; ++i) {
    auto* panel = new QLabel(QString::fromUtf8(entries[i].Caption), box);
    const int32_t c = entries[i].Colour;
    panel->setAlignment(Qt::AlignCenter);
    panel->setStyleSheet(
        QStringLiteral("background-color: rgb(%1, %2, %3); border: 1px solid gray; padding: 1px 3px;")
            .arg(c & 0xff)
            .arg((c >> 8) & 0xff)
            .arg((c >> 16) & 0xff));
    layout->addWidget(panel, i / perRow, i % perRow);
  }
  layout->addWidget(new QLabel(QStringLiteral("改修計画の参考値です。"), box), (count + perRow - 1) / perRow,
                    0, 1, perRow);
  return box;
}

void FillCombo(QComboBox* combo, const char16_t (*names)[FloorFactorNameCapacity], int rows) {
  const QSignalBlocker blocker(combo);
  combo->clear();
  for (int i = 0; i < rows; ++i) {
    const std::u16string text = FormatW(u"%2i)%s", i, names[i]);
    combo->addItem(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  }
}

}  // namespace

TDyukashiyouDlg::TDyukashiyouDlg(QWidget* parent)
    : TToolPalette("TDyukashiyouDlg", "DyukashiyouDlg", QStringLiteral("屋根床仕様の設定"),
                   PaletteDockFloorSpec, parent, OwnContent{}) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  Shapes = NewRadioBox(this, &GroupBox1, "GroupBox1", "入力形状", false,
                       {{"Rkukei", "矩形", 0, &Rkukei}, {"Rsankaku", "三角形", 1, &Rsankaku}});
  Shapes.SetCodeQuietly(0);
  top->addWidget(GroupBox1);
  auto* rows = new QGridLayout;
  Label1 = NewLabel(this, "Label1", "仕様");
  Label2 = NewLabel(this, "Label2", "火打ち");
  Cshiyou = Named(new QComboBox(this), "Cshiyou");
  Chiuchi = Named(new QComboBox(this), "Chiuchi");
  rows->addWidget(Label1, 0, 0);
  rows->addWidget(Cshiyou, 0, 1);
  rows->addWidget(Label2, 1, 0);
  rows->addWidget(Chiuchi, 1, 1);
  top->addLayout(rows, 1);
  layout->addLayout(top);

  // The floor check as the plan shows it: ratios below 0.1 in the shade of
  // the weakest parts.
  const LegendEntry ratios[] = {
      {"≧1.0", 0xffffff},
      {"≧0.9", 0xf6cf6d},
      {"≧0.8", 0x9cca82},
      {"≧0.7", 0x99ffce},
      {"≧0.6", 0x00f2ff},
      {"≧0.5", 0x85d3fe},
      {"≧0.4", 0x568ef6},
      {"≧0.3", 0xc19af4},
      {"≧0.2", 0x8c00ec},
      {"≧0.1", 0x241ced},
      {"＜0.1", ClassColourScale[10]},
  };
  GroupBox2 = Legend(this, "GroupBox2", "床耐力の検証（存在耐力／必要耐力）", ratios, 11, 6);
  layout->addWidget(GroupBox2);
  const LegendEntry forces[] = {
      {"≦3.0", 0xb5b54a},  {"≦7.5", 0x4ab54a},  {"≦8.5", 0x4ab5b5},
      {"≦10.1", 0x4a83b5}, {"≦15.9", 0x4a4ab5}, {">15.9", 0xb5b5b5},
  };
  GroupBox3 = Legend(this, "GroupBox3", "横架材引抜力（最大の推定値 ｋN）", forces, 6, 6);
  layout->addWidget(GroupBox3);

  connect(Rkukei, &QRadioButton::clicked, this, &TDyukashiyouDlg::RkukeiClick);
  connect(Rsankaku, &QRadioButton::clicked, this, &TDyukashiyouDlg::RsankakuClick);
  connect(Cshiyou, &QComboBox::currentIndexChanged, this, &TDyukashiyouDlg::CshiyouChange);
  connect(Chiuchi, &QComboBox::currentIndexChanged, this, &TDyukashiyouDlg::ChiuchiChange);
  FormShow();
}

void TDyukashiyouDlg::showEvent(QShowEvent* event) {
  FormShow();
  TToolPalette::showEvent(event);
}

void TDyukashiyouDlg::FormShow() {
  FillCombo(Cshiyou, FloorSpecTableName, FloorSpecTableRows);
  FillCombo(Chiuchi, HorizontalBraceTableName, HorizontalBraceTableRows);
  Refresh();
}

void TDyukashiyouDlg::Refresh() {
  const QSignalBlocker specBlocker(Cshiyou), braceBlocker(Chiuchi);
  Cshiyou->setCurrentIndex(
      FloorSpecPaletteSpec >= 0 && FloorSpecPaletteSpec < FloorSpecTableRows ? FloorSpecPaletteSpec : -1);
  Chiuchi->setCurrentIndex(FloorSpecPaletteBrace >= 0 && FloorSpecPaletteBrace < HorizontalBraceTableRows
                               ? FloorSpecPaletteBrace
                               : -1);
  Shapes.SetCodeQuietly(TriangleInput == 1 ? 1 : 0);
}

void TDyukashiyouDlg::RkukeiClick() {
  TriangleInput = 0;
  CancelClickSequence();
  InvalidateSheet();
}

void TDyukashiyouDlg::RsankakuClick() {
  TriangleInput = 1;
  CancelClickSequence();
  InvalidateSheet();
}

void TDyukashiyouDlg::CshiyouChange() {
  if (Cshiyou->currentIndex() >= 0) FloorSpecPaletteSpec = Cshiyou->currentIndex();
}

void TDyukashiyouDlg::ChiuchiChange() {
  if (Chiuchi->currentIndex() >= 0) FloorSpecPaletteBrace = Chiuchi->currentIndex();
}
