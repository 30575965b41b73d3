#include "elements/ColumnChangeDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "elements/ColumnControls.h"
#include "mainwindow/Forms.h"
#include "mainwindow/PlaceholderDialog.h"
#include "model/ColumnInput.h"
#include "model/SlotCopy.h"
#include "platform/qt/ModalDialogs.h"

namespace {
constexpr int kModalOk = 1;
constexpr int kModalCancel = 2;
}  // namespace

ThashiraChangeDlg::ThashiraChangeDlg(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("hashiraChangeDlg"));
  setProperty("formClass", QStringLiteral("ThashiraChangeDlg"));
  setWindowTitle(QStringLiteral("柱の変更"));
  auto* layout = new QGridLayout(this);

  Label1 = new QLabel(QStringLiteral("管柱⇔通し柱の変更は、一旦消去し、再入力して下さい。"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Lchuui = new QLabel(QStringLiteral("消去すると壁の耐力が無くなります。"), this);
  Lchuui->setObjectName(QStringLiteral("Lchuui"));
  Lchuui->setStyleSheet(QStringLiteral("color: red;"));

  static_cast<ColumnSettingControls&>(*this) = NewColumnSettingControls(this, "出隅柱");
  Bsetsu->setAutoDefault(false);

  OKBtn = new QPushButton(QStringLiteral("設定"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  Bshoukyo = new QPushButton(QStringLiteral("消去"), this);
  Bshoukyo->setObjectName(QStringLiteral("Bshoukyo"));
  Bshoukyo->setAutoDefault(false);
  CancelBtn = new QPushButton(QStringLiteral("キャンセル"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(Bshoukyo);
  buttons->addWidget(CancelBtn);

  layout->addWidget(Label1, 0, 0, 1, 2);
  layout->addWidget(Lchuui, 1, 0, 1, 2);
  layout->addWidget(Gdesumi, 2, 0);
  layout->addWidget(Gkanamono, 2, 1);
  layout->addWidget(Grekka, 3, 0);
  layout->addWidget(Gzaishu, 3, 1);
  layout->addLayout(buttons, 4, 0, 1, 2);

  connect(OKBtn, &QPushButton::clicked, this, &ThashiraChangeDlg::OKBtnClick);
  connect(Bshoukyo, &QPushButton::clicked, this, &ThashiraChangeDlg::BshoukyoClick);
  connect(CancelBtn, &QPushButton::clicked, this, &ThashiraChangeDlg::CancelBtnClick);
  connect(Bsetsu, &QPushButton::clicked, this, &ThashiraChangeDlg::BsetsuClick);

  SetColumnChangeDialog([this] { RunModal(*this); });
}

ThashiraChangeDlg::~ThashiraChangeDlg() { SetColumnChangeDialog(nullptr); }

void ThashiraChangeDlg::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void ThashiraChangeDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    CancelBtn->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void ThashiraChangeDlg::FormActivate() {
  const ColumnChangeExchange& b = ColumnChangeBuffer;
  if (b.Hardware >= 0 && b.Hardware < Csetsu->count()) Csetsu->setCurrentIndex(b.Hardware);
  CheckCode({Rdesumi0, Rdesumi1, Rdesumi2}, b.CornerSetting);
  Lchuui->setVisible(b.Result == ColumnChangeBearingWall);
  CheckCode({Rsugi, Rhinoki, Rkeyaki}, b.Species);
  if (b.SectionX >= 0 && b.SectionX < Cxdanmen->count()) Cxdanmen->setCurrentIndex(b.SectionX);
  if (b.SectionY >= 0 && b.SectionY < Cydanmen->count()) Cydanmen->setCurrentIndex(b.SectionY);
  CheckCode({Rzentai, Rbubun, Rnashi}, b.Deterioration);
}

void ThashiraChangeDlg::OKBtnClick() {
  PushUndo();
  ColumnChangeExchange& b = ColumnChangeBuffer;
  b.Result = ColumnChangeApply;
  b.Hardware = Csetsu->currentIndex();
  b.CornerSetting = CheckedCode({Rdesumi0, Rdesumi1, Rdesumi2}, b.CornerSetting);
  b.Species = CheckedCode({Rsugi, Rhinoki, Rkeyaki}, b.Species);
  b.SectionX = Cxdanmen->currentIndex();
  b.SectionY = Cydanmen->currentIndex();
  b.Deterioration = CheckedCode({Rzentai, Rbubun, Rnashi}, b.Deterioration);
  done(kModalOk);
}

void ThashiraChangeDlg::BshoukyoClick() {
  PushUndo();
  ColumnChangeBuffer.Result = ColumnChangeDelete;
  done(kModalCancel);
}

void ThashiraChangeDlg::CancelBtnClick() {
  ColumnChangeBuffer.Result = ColumnChangeCancel;
  done(kModalCancel);
}

void ThashiraChangeDlg::BsetsuClick() {
  if (setsuDlg) RunModal(*setsuDlg);
  FormActivate();
}
