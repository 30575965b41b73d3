#include "mainwindow/FreeLineDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/FreeLineInput.h"
#include "mainwindow/DesktopServices.h"
#include "platform/Format.h"
#include "platform/qt/ModalDialogs.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/PaletteState.h"
#include "presentation/WindowState.h"

namespace {

void ColourSample(QLabel* sample, int32_t value) {
  const QColor colour = QColor::fromRgb(RgbOfColourValue(value));
  sample->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;").arg(colour.name()));
}

QComboBox* OffsetCombo(QWidget* parent, const char* name) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  for (const char* item :
       {"0.754", "0.607", "0.455", "0.303", "0.156", "0", "-0.156", "-0.303", "-0.455", "-0.607", "-0.754"})
    combo->addItem(QString::fromLatin1(item));
  combo->setEditText(QStringLiteral("0"));
  return combo;
}

}  // namespace

TDsenDlg::TDsenDlg(QWidget* parent)
    : TToolPalette("TDsenDlg", "DsenDlg", QStringLiteral("自由線の設定"), PaletteDockFreeLine, parent,
                   OwnContent{}) {
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("線の種類"), this), 0, 0);
  Cshurui = Named(new QComboBox(this), "Cshurui");
  for (const char* item : {"細線", "太線", "点線", "鎖線", "１点鎖線", "２点鎖線"})
    Cshurui->addItem(QString::fromUtf8(item));
  layout->addWidget(Cshurui, 0, 1, 1, 2);
  sencolor = NewLabel(this, "sencolor");
  sencolor->setMinimumSize(48, 20);
  layout->addWidget(sencolor, 1, 0);
  Bcolor = NewButton(this, "Bcolor", "色変更");
  Bcolor->setAutoDefault(false);
  layout->addWidget(Bcolor, 1, 1);
  Csenoff = NewCheckBox(this, "Csenoff", "オフセット");
  layout->addWidget(Csenoff, 2, 0, 1, 3);

  connect(Cshurui, qOverload<int>(&QComboBox::currentIndexChanged), this, &TDsenDlg::CshuruiChange);
  connect(Bcolor, &QPushButton::clicked, this, &TDsenDlg::BcolorClick);
  connect(Csenoff, &QCheckBox::toggled, this, &TDsenDlg::CsenoffClick);
  FormShow();
}

void TDsenDlg::showEvent(QShowEvent* event) {
  FormShow();
  TToolPalette::showEvent(event);
}

void TDsenDlg::FormShow() {
  {
    const QSignalBlocker blocker(Cshurui);
    Cshurui->setCurrentIndex(ValidFreeLineStyle(FreeLinePaletteStyle) ? FreeLinePaletteStyle : 0);
  }
  {
    const QSignalBlocker blocker(Csenoff);
    Csenoff->setChecked(FreeLineOffsetSwitch != 0);
  }
  ColourSample(sencolor, FreeLinePaletteColour);
}

void TDsenDlg::CshuruiChange(int index) {
  if (ValidFreeLineStyle(index)) FreeLinePaletteStyle = index;
}

void TDsenDlg::BcolorClick() {
  const std::optional<int32_t> chosen = AskColour(FreeLinePaletteColour, this);
  if (!chosen) return;
  FreeLinePaletteColour = *chosen & 0xFFFFFF;
  ColourSample(sencolor, FreeLinePaletteColour);
}

void TDsenDlg::CsenoffClick(bool checked) { FreeLineOffsetSwitch = checked ? 1 : 0; }

TDsenoffDlg::TDsenoffDlg(QWidget* parent)
    : TCancelableDialog(
          parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("DsenoffDlg"));
  setProperty("formClass", QStringLiteral("TDsenoffDlg"));
  setWindowTitle(QStringLiteral("自由線　位置の調整"));
  auto* layout = new QVBoxLayout(this);
  auto* groups = new QHBoxLayout;
  const auto group = [this, groups](const char* name, const char* caption, const char* xName,
                                    const char* yName, QComboBox*& x, QComboBox*& y) {
    QGroupBox* box = NewGroupBox(this, name, caption);
    auto* grid = new QGridLayout(box);
    x = OffsetCombo(box, xName);
    y = OffsetCombo(box, yName);
    grid->addWidget(new QLabel(QStringLiteral("Ｘ座標 ："), box), 0, 0);
    grid->addWidget(x, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Ｙ座標 ："), box), 1, 0);
    grid->addWidget(y, 1, 1);
    groups->addWidget(box);
  };
  group("GroupBox1", "１点目オフセット", "Cox1", "Coy1", Cox1, Coy1);
  group("GroupBox2", "２点目オフセット", "Cox2", "Coy2", Cox2, Coy2);
  layout->addLayout(groups);
  QLabel* note = NewLabel(this, "Label1", "オフセット値を忘れないように！（編集時に必要）");
  note->setStyleSheet(QStringLiteral("color: red;"));
  layout->addWidget(note);
  Coffflag = NewCheckBox(this, "Coffflag", "オフセット値を残す。");
  layout->addWidget(Coffflag);
  layout->addLayout(NewOkCancelRow(this, *this));

  // What the user types or chooses is the offset at once when it is a number
  // within the field; else the last one stays, the combo is flagged and OK
  // names it. The Y offsets are stored growing downward.
  const struct {
    QComboBox* combo;
    int index;
    double sign;
    const char* caption;
  } offsets[] = {{Cox1, 0, 1.0, "１点目のＸ座標オフセット"},
                 {Coy1, 1, -1.0, "１点目のＹ座標オフセット"},
                 {Cox2, 2, 1.0, "２点目のＸ座標オフセット"},
                 {Coy2, 3, -1.0, "２点目のＹ座標オフセット"}};
  for (const auto& o : offsets)
    connect(o.combo, &QComboBox::editTextChanged, this, [o](const QString& text) {
      double typed = 0;
      if (FollowNumber(text, FileNumberBounds.FreeLineOffset, o.caption, o.combo, typed))
        FreeLineOffsets[o.index] = o.sign * typed;
    });
  CloseOnOkCancel(this, *this, [offsets] {
    for (const auto& o : offsets)
      if (IsNumberRefused(o.combo)) {
        RefuseNumber(FileNumberBounds.FreeLineOffset, o.caption, o.combo);
        return false;
      }
    return true;
  });
  // Ticked, the offsets stay for the line after.
  connect(Coffflag, &QCheckBox::toggled, this, [](bool checked) { FreeLineKeepOffsets = checked ? 1 : 0; });

  SetFreeLineOffsetDialog([this] { return RunModal(*this) == ModalOk; });
}

TDsenoffDlg::~TDsenoffDlg() { SetFreeLineOffsetDialog(nullptr); }

void TDsenoffDlg::showEvent(QShowEvent* event) {
  FormPaint();
  TCancelableDialog::showEvent(event);
}

void TDsenoffDlg::FormPaint() {
  const struct {
    QComboBox* combo;
    double value;
  } texts[] = {{Cox1, FreeLineOffsets[0]},
               {Coy1, -FreeLineOffsets[1]},
               {Cox2, FreeLineOffsets[2]},
               {Coy2, -FreeLineOffsets[3]}};
  for (const auto& t : texts) {
    const QSignalBlocker blocker(t.combo);
    t.combo->setEditText(QString::fromStdString(FormatA("%7.3f", t.value + 0.0)));
    UnflagNumber(t.combo);
  }
  const QSignalBlocker blocker(Coffflag);
  Coffflag->setChecked(FreeLineKeepOffsets != 0);
}
