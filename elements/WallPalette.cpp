#include "elements/WallPalette.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "mainwindow/PlanScrollBox.h"
#include "mainwindow/QuilmoraForm.h"
#include "platform/Numeric.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/WindowState.h"

double WallPaletteScale = 1.0;
int32_t WallPaletteExpanded = 0;

namespace {

// The designed client area, expanded, and the widths of the two states.
constexpr int kDesignedWidth = 869;
constexpr int kDesignedHeight = 161;
constexpr double kExpandedWidth = 885;
constexpr double kCompactWidth = 490;
constexpr double kShift = 395;
// The room kept between the palette and the edges of the plan.
constexpr int kPlanMargin = 15;

}  // namespace

TDkabeDlg::TDkabeDlg(QWidget* parent)
    : TToolPalette("TDkabeDlg", "DkabeDlg", QStringLiteral("壁の設定"), PaletteDockWalls, parent,
                   OwnContent{}) {
  setWindowFlag(Qt::WindowMinMaxButtonsHint);
  static_cast<WallSettingControls&>(*this) = NewWallSettingControls(this, WallControlsFor::Palette);
  Bdisp = NewButton(this, "Bdisp", "耐力要素の表示　ON / OFF");
  Bdisp->setAutoDefault(false);

  // Left the kind, fitting and weight; between them and the deterioration
  // (anchored right, under Bdisp) the bearing elements, which move to a
  // second row where the plan has no room for them beside the others.
  auto* outer = new QVBoxLayout(this);
  row_ = new QHBoxLayout;
  outer->addLayout(row_);
  secondRow_ = new QHBoxLayout;
  secondRow_->addStretch();
  outer->addLayout(secondRow_);
  auto* left = new QVBoxLayout;
  left->addWidget(Gshurui);
  left->addWidget(Gomosa);
  left->addStretch();
  row_->addLayout(left);
  row_->addWidget(Ghyouji, 0, Qt::AlignTop);
  bearing_ = new QHBoxLayout;
  auto* panels = new QVBoxLayout;
  panels->addWidget(Glum);
  panels->addWidget(Grdm);
  panels->addStretch();
  bearing_->addLayout(panels);
  auto* elements = new QVBoxLayout;
  elements->addWidget(Gsuji);
  elements->addWidget(Gtsuchi);
  elements->addStretch();
  bearing_->addLayout(elements);
  row_->addLayout(bearing_);
  row_->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(Bdisp, 0, Qt::AlignRight);
  right->addWidget(Grekka);
  right->addStretch();
  row_->addLayout(right);

  // The handlers that write the palette's memory.
  Opening.OnChecked(this, [this](int code) {
    NewWallDefaults.OpeningKind = code;
    if (code == 0)
      ClearFittings();
    else
      EnableFittings(true);
  });
  connect(Ctairyokunashi, &QCheckBox::toggled, this,
          [](bool on) { NewWallDefaults.NoStrength = on ? 1 : 0; });
  connect(Cishou, &QComboBox::activated, this, &TDkabeDlg::CishouClick);
  connect(Cnaigai, &QCheckBox::toggled, this, [](bool on) { NewWallDefaults.FlipInOut = on ? 1 : 0; });
  connect(Csayuu, &QCheckBox::toggled, this, [](bool on) { NewWallDefaults.FlipLeftRight = on ? 1 : 0; });
  connect(Csuji, &QComboBox::activated, this, [](int position) { NewWallDefaults.BraceKind = position; });
  connect(Ctsuchi, &QComboBox::activated, this, [](int position) { NewWallDefaults.MudWallKind = position; });
  connect(Cmenzai1, &QComboBox::activated, this, [](int position) { NewWallDefaults.PanelLeft = position; });
  connect(Cmenzai2, &QComboBox::activated, this, [](int position) { NewWallDefaults.PanelRight = position; });
  EndJoint.OnChecked(this, [](int code) { NewWallDefaults.BraceEndJoint = code; });
  Arrangement.OnChecked(this, [](int code) { NewWallDefaults.BraceArrangement = code; });
  // A number is stored as typed when it lies within its range; otherwise the
  // palette keeps the last one and the edit is flagged. The weight is kept
  // in the palette's controls only.
  for (const WallNumberEdit& e : NumberEdits()) {
    double* value = e.Edit == Eomosa ? nullptr : &(NewWallDefaults.*e.Value);
    connect(e.Edit, &QLineEdit::textChanged, this, [e, value] {
      double typed = 0;
      if (FollowNumber(e.Edit->text(), FilledIn(e.Edit), e.Field, e.Caption, e.Edit, typed) && value)
        *value = typed;
    });
  }

  // Every control keeps WallPaletteControls in step, handler or not.
  for (QButtonGroup* group : {Opening.Group(), Weight.Group(), EndJoint.Group(), Arrangement.Group(),
                              Frame.Group(), Core.Group(), LeftPanel.Group(), RightPanel.Group()})
    connect(group, &QButtonGroup::idToggled, this, [this] { Sync(); });
  for (QCheckBox* box : {Ctairyokunashi, Cnaigai, Csayuu})
    connect(box, &QCheckBox::toggled, this, [this] { Sync(); });
  for (QComboBox* list : {Cishou, Csuji, Ctsuchi, Cmenzai1, Cmenzai2, Cludoubuchi, Crddoubuchi})
    connect(list, &QComboBox::currentIndexChanged, this, [this] { Sync(); });
  for (QLineEdit* edit : {Ehidari, Emigi, Etakasa, Esujitakasa, Etsuchitakasa, Elutakasa, Erdtakasa, Eomosa})
    connect(edit, &QLineEdit::textChanged, this, [this] { Sync(); });
  connect(Bdisp, &QPushButton::clicked, this, &TDkabeDlg::BdispClick);

  FillShortLists();
  // The font at which both the expanded and the compact palette fit; where
  // even the smallest does not, the palette is made wider in both states.
  const double expanded = FitToClientSize(this, kDesignedWidth, kDesignedHeight);
  const int compactWidth = static_cast<int>(kCompactWidth * kDesignedWidth / kExpandedWidth);
  for (QGroupBox* group : {Glum, Grdm, Gsuji, Gtsuchi}) group->hide();
  const double compact = FitToClientSize(this, compactWidth, kDesignedHeight);
  outer->activate();
  const QSize compactNeed = minimumSizeHint();
  for (QGroupBox* group : {Glum, Grdm, Gsuji, Gtsuchi}) group->show();
  if (compact > expanded) FitToClientSize(this, kDesignedWidth, kDesignedHeight);
  outer->activate();
  const QSize expandedNeed = minimumSizeHint();
  const int created =
      std::max({kDesignedWidth, expandedNeed.width(),
                static_cast<int>(std::ceil(compactNeed.width() * kExpandedWidth / kCompactWidth))});
  rowHeight_ = std::max({kDesignedHeight, expandedNeed.height(), compactNeed.height()});
  setFixedSize(created, rowHeight_);

  // The lists are filled after the fitting: the long table lists keep a modest width.
  FillLists();
  WallPaletteScale = width() / kExpandedWidth;
  SetExpanded(false);
  ShowSettings(NewWallDefaults);
  Sync();
}

void TDkabeDlg::Sync() { WallPaletteControls = Read(WallPaletteControls); }

void TDkabeDlg::SetExpanded(bool expanded) {
  WallPaletteExpanded = expanded ? 1 : 0;
  for (QGroupBox* group : {Glum, Grdm, Gsuji, Gtsuchi}) group->setVisible(expanded);
  const int compactWidth = TruncToInt(kCompactWidth * WallPaletteScale);
  const int expandedWidth = TruncToInt(kExpandedWidth * WallPaletteScale);
  PutBearingElementsInSecondRow(expanded && !PlanHasRoomFor(expandedWidth));
  if (!twoRows_) {
    setFixedSize(expanded ? expandedWidth : compactWidth, rowHeight_);
    return;
  }
  layout()->activate();
  const QSize need = minimumSizeHint();
  setFixedSize(std::max(compactWidth, need.width()), std::max(rowHeight_, need.height()));
}

bool TDkabeDlg::PlanHasRoomFor(int width) const {
  if (!QuilmoraForm) return true;
  const int frame = frameGeometry().width() - this->width();
  return width + frame <= QuilmoraForm->Gamen->width() - 2 * kPlanMargin;
}

void TDkabeDlg::PutBearingElementsInSecondRow(bool secondRow) {
  if (secondRow == twoRows_) return;
  twoRows_ = secondRow;
  (secondRow ? row_ : secondRow_)->removeItem(bearing_);
  bearing_->setParent(nullptr);
  if (secondRow)
    secondRow_->insertLayout(0, bearing_);
  else
    row_->insertLayout(2, bearing_);
}

void TDkabeDlg::BdispClick() {
  const bool expand = WallPaletteExpanded == 0;
  const int wasRight = x() + width();
  const int left = TruncToInt(x() + (expand ? -kShift : kShift) * WallPaletteScale);
  const bool wasTwoRows = twoRows_;
  SetExpanded(expand);
  // The palette widens to the left and narrows from the left: its right
  // edge stays. Then it keeps clear of the main window's controls.
  move(twoRows_ || wasTwoRows ? wasRight - width() : left, y());
  KeepOffTheControlPanel(true);
}

void TDkabeDlg::CishouClick(int position) { NewWallDefaults.FittingSymbol = position; }

void TDkabeDlg::FormShow() {
  FillLists();
  // The furring lists and the no-strength box keep their own state.
  WallSettings shown = NewWallDefaults;
  shown.NoStrength = CheckedCode(Ctairyokunashi);
  shown.FurringLeft = Cludoubuchi->currentIndex();
  shown.FurringRight = Crddoubuchi->currentIndex();
  // The opening radio first: its handler may clear the wing walls in the memory.
  Opening.SetCode(NewWallDefaults.OpeningKind);
  shown.WingWallStart = NewWallDefaults.WingWallStart;
  shown.WingWallEnd = NewWallDefaults.WingWallEnd;
  ShowSettings(shown);
  Sync();
}

void TDkabeDlg::showEvent(QShowEvent* event) {
  FormShow();
  // The palette shows as it was left, ON or OFF, arranged for the plan's
  // width now.
  SetExpanded(WallPaletteExpanded != 0);
  TToolPalette::showEvent(event);
  KeepOffTheControlPanel();
}
