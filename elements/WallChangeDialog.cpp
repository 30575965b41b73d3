#include "elements/WallChangeDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/AnalysisResults.h"
#include "analysis/WallStrength.h"
#include "editing/SlotCopy.h"
#include "elements/WallPalette.h"
#include "mainwindow/Forms.h"
#include "model/ElementTables.h"
#include "model/ModelAccess.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/qt/ModalDialogs.h"

namespace {

// The first block of the results of the wall being changed, or null.
const WallCaseResult* ResultOfChangedWall() {
  const int32_t v = CurrentVariant, s = CurrentStorey, i = WallChangeBuffer.WallIndex;
  if (!ValidVariant(v) || !ValidStorey(s) || i < 0 || i >= MaxWallsPerStorey) return nullptr;
  return &WallResults[v][s][i].Blocks[0];
}

QString Utf16(const char16_t* text) { return QString::fromUtf16(text); }

}  // namespace

TDkabeChangeDlg::TDkabeChangeDlg(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("DkabeChangeDlg"));
  setProperty("formClass", QStringLiteral("TDkabeChangeDlg"));
  setWindowTitle(QStringLiteral("壁の変更"));
  static_cast<WallSettingControls&>(*this) = NewWallSettingControls(this, WallControlsFor::ChangeDialog);

  Label4 = NewLabel(this, "Label4", "基準耐力");
  Ltairyoku = NewLabel(this, "Ltairyoku");
  Label5 = NewLabel(this, "Label5", "基準剛性");
  Lgousei = NewLabel(this, "Lgousei");
  Label20 = NewLabel(this, "Label20", "接合部金物");
  Lsetsu = NewLabel(this, "Lsetsu");
  Label21 = NewLabel(this, "Label21", "基礎ランク");
  Lkiso = NewLabel(this, "Lkiso");
  for (QLabel* label : {Label20, Lsetsu, Label21, Lkiso})
    label->setStyleSheet(QStringLiteral("color: #800080;"));
  for (QLabel* label : {Ltairyoku, Lgousei}) label->setTextFormat(Qt::PlainText);

  Gchuui = NewGroupBox(this, "Gchuui", "改修時の注意");
  auto* notes = new QGridLayout(Gchuui);
  Lchuui1 = NewLabel(Gchuui, "Lchuui1", "下階に柱無し");
  Lchuui2 = NewLabel(Gchuui, "Lchuui2", "下階の耐力が小さい");
  Lchuui3 = NewLabel(Gchuui, "Lchuui3", "筋かい金物の選択");
  Lchuui4 = NewLabel(Gchuui, "Lchuui4", "基礎の補強が必要");
  notes->addWidget(Lchuui1, 0, 0);
  notes->addWidget(Lchuui2, 0, 1);
  notes->addWidget(Lchuui3, 0, 2);
  notes->addWidget(Lchuui4, 0, 3);

  GroupBox2 = NewGroupBox(this, "GroupBox2", "改修案入力時の両端柱");
  GroupBox2->setStyleSheet(QStringLiteral("QGroupBox { color: red; }"));
  GroupBox2->setToolTip(
      QStringLiteral("改修案１・改修案２入力時に両端柱の金物仕様を告示にするか否かを指定します。"));
  auto* endColumns = new QHBoxLayout(GroupBox2);
  RadioButton1 = Named(new QRadioButton(QStringLiteral("変更しない"), GroupBox2), "RadioButton1");
  RadioButton2 = Named(new QRadioButton(QStringLiteral("告示にする（今回のみ）"), GroupBox2), "RadioButton2");
  RadioButton3 = Named(new QRadioButton(QStringLiteral("常に告示にする"), GroupBox2), "RadioButton3");
  for (QRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3}) endColumns->addWidget(radio);
  RadioButton1->setChecked(true);

  // OK, 消去, 手前に表示, 要素の取得, 要素の貼付, キャンセル in a column on the right.
  QHBoxLayout* buttonRow = NewOkCancelRow(this, *this);
  Bshoukyo = NewButton(this, "Bshoukyo", "消去");
  Button3 = NewButton(this, "Button3", "手前に表示");
  Bget = NewButton(this, "Bget", "要素の取得");
  Bput = NewButton(this, "Bput", "要素の貼付");
  int at = buttonRow->indexOf(CancelBtn);
  for (QPushButton* button : {Bshoukyo, Button3, Bget, Bput}) buttonRow->insertWidget(at++, button);
  for (QPushButton* button : {Bshoukyo, Button3, Bget, Bput, CancelBtn}) button->setAutoDefault(false);
  buttonRow->setDirection(QBoxLayout::TopToBottom);

  auto* strength = new QGridLayout;
  strength->addWidget(Label4, 0, 0);
  strength->addWidget(Ltairyoku, 0, 1);
  strength->addWidget(Label5, 1, 0);
  strength->addWidget(Lgousei, 1, 1);
  strength->addWidget(Label20, 0, 2);
  strength->addWidget(Lsetsu, 0, 3);
  strength->addWidget(Label21, 1, 2);
  strength->addWidget(Lkiso, 1, 3);

  auto* top = new QHBoxLayout;
  for (QGroupBox* group : {Gshurui, Ghyouji, Gomosa, Grekka, Gshinzai, Gtsuchi})
    top->addWidget(group, 0, Qt::AlignTop);
  top->addStretch();
  auto* middle = new QHBoxLayout;
  for (QGroupBox* group : {Glum, Grdm, Gsuji}) middle->addWidget(group, 0, Qt::AlignTop);
  middle->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(strength);
  bottom->addWidget(Gchuui);
  bottom->addWidget(GroupBox2);
  bottom->addStretch();
  auto* groups = new QVBoxLayout;
  groups->addLayout(top);
  groups->addLayout(middle);
  groups->addLayout(bottom);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(groups, 1);
  layout->addLayout(buttonRow);

  // The fitting controls follow the opening; the strength follows the
  // elements, their heights and the brace's arrangement and ends.
  Opening.OnChecked(this, [this](int code) {
    if (code == 0)
      ClearFittings();
    else
      EnableFittings(true);
  });
  for (QComboBox* list : {Cmenzai1, Cmenzai2, Ctsuchi, Csuji, Cludoubuchi, Crddoubuchi})
    connect(list, &QComboBox::currentIndexChanged, this, &TDkabeChangeDlg::FormPaint);
  for (QLineEdit* edit : HeightEdits())
    connect(edit, &QLineEdit::textChanged, this, &TDkabeChangeDlg::FormPaint);
  for (QButtonGroup* group : {EndJoint.Group(), Arrangement.Group()})
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
      if (on) FormPaint();
    });

  connect(OKBtn, &QPushButton::clicked, this, [this] {
    if (OKBtnClick()) done(ModalOk);
  });
  connect(CancelBtn, &QPushButton::clicked, this, [this] {
    CancelBtnClick();
    done(ModalCancel);
  });
  connect(Bshoukyo, &QPushButton::clicked, this, [this] {
    BshoukyoClick();
    done(ModalOk);
  });
  connect(Button3, &QPushButton::clicked, this, [this] {
    Button3Click();
    done(ModalOk);
  });
  connect(Bget, &QPushButton::clicked, this, [this] {
    if (BgetClick()) done(ModalOk);
  });
  connect(Bput, &QPushButton::clicked, this, &TDkabeChangeDlg::BputClick);

  FillShortLists();
  FitWallForm(this, 843, 215);
  FillLists();

  SetWallChangeDialog([this] {
    if (const WallCaseResult* result = ResultOfChangedWall()) {
      WallChangeBuffer.JointSpec = result->JointSpec;
      WallChangeBuffer.FoundationClass = result->FoundationClass;
    }
    RunModal(*this);
  });
}

TDkabeChangeDlg::~TDkabeChangeDlg() { SetWallChangeDialog(nullptr); }

void TDkabeChangeDlg::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TDkabeChangeDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    CancelBtn->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TDkabeChangeDlg::FormShow() {
  FillLists();
  ShowSettings(WallChangeBuffer);
  const WallCaseResult* result = ResultOfChangedWall();
  const int32_t bits = result ? result->CautionBits : 0;
  Lchuui1->setVisible((bits & 1) != 0);
  Lchuui2->setVisible((bits & 2) != 0);
  Lchuui3->setVisible((bits & 4) != 0);
  Lchuui4->setVisible((bits & 8) != 0);
  FormPaint();
}

void TDkabeChangeDlg::FormPaint() {
  const WallSettings s = Read(WallChangeBuffer);
  WallRecord wall{};
  PutWallSettings(wall, s);
  const WallCaseResult* result = ResultOfChangedWall();
  const WallElementArgs args = WallElementArgsOf(wall, result ? result->EffectiveLength : 0.0,
                                                 BraceTableUndirected, CurrentStorey, 1, 2, 0, 0);
  Ltairyoku->setText(QString::fromStdString(FormatA("%5.2f", CalcWallStrength(args))));
  Lgousei->setText(QString::fromStdString(FormatA("%5.0f", CalcWallStiffness(args))));
  Lkiso->setText(
      Utf16(LabelAt(FoundationClassLabels, FoundationClassLabelCount, WallChangeBuffer.FoundationClass)));
  Lsetsu->setText(Utf16(LabelAt(JointClassLabels, JointClassLabelCount, WallChangeBuffer.JointSpec)));
  GroupBox2->setVisible(CurrentVariant != 0);
}

bool TDkabeChangeDlg::OKBtnClick() {
  WallSettings s;
  if (!Take(WallChangeBuffer, s)) return false;
  const int32_t choice = RadioButton1->isChecked()   ? 0
                         : RadioButton2->isChecked() ? 1
                         : RadioButton3->isChecked() ? 2
                                                     : -1;
  if (ApplyWallChangeDialog(s, choice) && choice == 1) RadioButton1->setChecked(true);
  return true;
}

void TDkabeChangeDlg::BshoukyoClick() {
  PushUndo();
  WallChangeBuffer.Result = WallChangeDelete;
}

void TDkabeChangeDlg::Button3Click() {
  PushUndo();
  WallChangeBuffer.Result = WallChangeToFront;
}

void TDkabeChangeDlg::CancelBtnClick() { WallChangeBuffer.Result = WallChangeCancel; }

bool TDkabeChangeDlg::BgetClick() {
  WallSettings s;
  if (!Take(WallChangeBuffer, s)) return false;
  TakeWallSettingsIntoPalette(s);
  if (DkabeDlg) DkabeDlg->update();
  WallChangeBuffer.Result = WallChangeCancel;
  return true;
}

void TDkabeChangeDlg::BputClick() {
  WallSettings pasted = NewWallDefaults;
  pasted.NoStrength = CheckedCode(Ctairyokunashi);
  pasted.FurringLeft = WallChangeBuffer.FurringLeft;
  pasted.FurringRight = WallChangeBuffer.FurringRight;
  ShowSettings(pasted);
  FormPaint();
}
