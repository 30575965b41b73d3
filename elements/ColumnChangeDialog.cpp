#include "elements/ColumnChangeDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/ColumnInput.h"
#include "editing/SlotCopy.h"
#include "elements/ColumnControls.h"
#include "elements/JointHardwareDialog.h"
#include "mainwindow/Forms.h"
#include "platform/qt/ModalDialogs.h"

ThashiraChangeDlg::ThashiraChangeDlg(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("hashiraChangeDlg"));
  setProperty("formClass", QStringLiteral("ThashiraChangeDlg"));
  setWindowTitle(QStringLiteral("柱の変更"));

  Label1 = NewLabel(this, "Label1", "管柱⇔通し柱の変更は、一旦消去し、再入力して下さい。");
  Lchuui = NewLabel(this, "Lchuui", "消去すると壁の耐力が無くなります。");
  Lchuui->setStyleSheet(QStringLiteral("color: red;"));

  static_cast<ColumnSettingControls&>(*this) = NewColumnSettingControls(this, "出隅柱");
  Bsetsu->setAutoDefault(false);

  // 設定, 消去, キャンセル; 消去 closes with the cancel result after its handler.
  QHBoxLayout* buttons = NewOkCancelRow(this, *this, "設定");
  Bshoukyo = NewButton(this, "Bshoukyo", "消去");
  buttons->insertWidget(buttons->indexOf(CancelBtn), Bshoukyo);
  setTabOrder(Bshoukyo, CancelBtn);
  Bshoukyo->setAutoDefault(false);
  CancelBtn->setAutoDefault(false);

  // The notes on one line, two rows of groups, the buttons in a column on
  // their right.
  auto* layout = new QVBoxLayout(this);
  auto* notes = new QHBoxLayout;
  notes->addWidget(Label1);
  notes->addWidget(Lchuui);
  notes->addStretch();
  auto* top = new QHBoxLayout;
  for (QGroupBox* group : {Gdesumi, Gkanamono, Grekka}) top->addWidget(group);
  top->addStretch();
  auto* groups = new QVBoxLayout;
  groups->addLayout(top);
  groups->addWidget(Gzaishu, 0, Qt::AlignLeft);
  buttons->setDirection(QBoxLayout::TopToBottom);
  auto* body = new QHBoxLayout;
  body->addLayout(groups, 1);
  body->addLayout(buttons);
  layout->addLayout(notes);
  layout->addLayout(body);

  CloseOnOkCancel(this, &ThashiraChangeDlg::OKBtnClick, &ThashiraChangeDlg::CancelBtnClick);
  connect(Bshoukyo, &QPushButton::clicked, this, [this] {
    BshoukyoClick();
    done(ModalCancel);
  });
  connect(Bsetsu, &QPushButton::clicked, this, &ThashiraChangeDlg::BsetsuClick);
  FitToClientSize(this, 470, 119);

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
  Corner.SetCode(b.CornerSetting);
  Lchuui->setVisible(b.Result == ColumnChangeBearingWall);
  Species.SetCode(b.Species);
  if (b.SectionX >= 0 && b.SectionX < Cxdanmen->count()) Cxdanmen->setCurrentIndex(b.SectionX);
  if (b.SectionY >= 0 && b.SectionY < Cydanmen->count()) Cydanmen->setCurrentIndex(b.SectionY);
  Deterioration.SetCode(b.Deterioration);
}

void ThashiraChangeDlg::OKBtnClick() {
  PushUndo();
  ColumnChangeExchange& b = ColumnChangeBuffer;
  b.Result = ColumnChangeApply;
  b.Hardware = Csetsu->currentIndex();
  b.CornerSetting = Corner.Code(b.CornerSetting);
  b.Species = Species.Code(b.Species);
  b.SectionX = Cxdanmen->currentIndex();
  b.SectionY = Cydanmen->currentIndex();
  b.Deterioration = Deterioration.Code(b.Deterioration);
}

void ThashiraChangeDlg::BshoukyoClick() {
  PushUndo();
  ColumnChangeBuffer.Result = ColumnChangeDelete;
}

void ThashiraChangeDlg::CancelBtnClick() { ColumnChangeBuffer.Result = ColumnChangeCancel; }

void ThashiraChangeDlg::BsetsuClick() {
  if (setsuDlg) RunModal(*setsuDlg);
  FormActivate();
}
