#include "mainwindow/QuilmoraForm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/EditingState.h"
#include "model/ModelReset.h"
#include "model/SlotCopy.h"

TQuilmoraForm* QuilmoraForm = nullptr;

namespace {

QColor FromColorRef(int32_t bgr) { return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff); }

QRadioButton* AddRadio(QWidget* parent, QVBoxLayout* layout, QButtonGroup* group, const char* name,
                       const QString& caption, int id) {
  auto* radio = new QRadioButton(caption, parent);
  radio->setObjectName(QString::fromLatin1(name));
  layout->addWidget(radio);
  group->addButton(radio, id);
  return radio;
}

}  // namespace

TQuilmoraForm::TQuilmoraForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("QuilmoraForm"));
  QuilmoraForm = this;

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  auto* gamen = new QScrollArea(central);
  gamen->setObjectName(QStringLiteral("Gamen"));
  row->addWidget(gamen, 1);

  auto* panel = new QWidget(central);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFixedWidth(185);
  auto* column = new QVBoxLayout(panel);

  auto* g3 = new QGroupBox(QStringLiteral("診断対象"), panel);
  g3->setObjectName(QStringLiteral("G3"));
  auto* g3Layout = new QVBoxLayout(g3);
  variantGroup_ = new QButtonGroup(this);
  Rgenkyou = AddRadio(g3, g3Layout, variantGroup_, "Rgenkyou", QStringLiteral("現況"), 0);
  Rkaishu1 = AddRadio(g3, g3Layout, variantGroup_, "Rkaishu1", QStringLiteral("改修案１"), 1);
  Rkaishu2 = AddRadio(g3, g3Layout, variantGroup_, "Rkaishu2", QStringLiteral("改修案２"), 2);
  column->addWidget(g3);

  auto* g4 = new QGroupBox(QStringLiteral("階（入力・表示）"), panel);
  g4->setObjectName(QStringLiteral("G4"));
  auto* g4Layout = new QVBoxLayout(g4);
  storeyGroup_ = new QButtonGroup(this);
  R1kai = AddRadio(g4, g4Layout, storeyGroup_, "R1kai", QStringLiteral("１階"), 0);
  R2kai = AddRadio(g4, g4Layout, storeyGroup_, "R2kai", QStringLiteral("２階"), 1);
  R3kai = AddRadio(g4, g4Layout, storeyGroup_, "R3kai", QStringLiteral("３階"), 2);
  column->addWidget(g4);

  auto* g5 = new QGroupBox(QStringLiteral("入力"), panel);
  g5->setObjectName(QStringLiteral("G5"));
  auto* g5Layout = new QVBoxLayout(g5);
  StaticText6 = new QLabel(QStringLiteral("↓13手前まで"), g5);
  StaticText6->setObjectName(QStringLiteral("StaticText6"));
  g5Layout->addWidget(StaticText6);
  auto* undoRow = new QHBoxLayout;
  Bmodoru = new QPushButton(QStringLiteral("戻る"), g5);
  Bmodoru->setObjectName(QStringLiteral("Bmodoru"));
  Bsusumu = new QPushButton(QStringLiteral("進む"), g5);
  Bsusumu->setObjectName(QStringLiteral("Bsusumu"));
  undoRow->addWidget(Bmodoru);
  undoRow->addWidget(Bsusumu);
  g5Layout->addLayout(undoRow);
  column->addWidget(g5);
  column->addStretch(1);

  row->addWidget(panel);
  setCentralWidget(central);

  connect(Bmodoru, &QPushButton::clicked, this, &TQuilmoraForm::BmodoruClick);
  connect(Bsusumu, &QPushButton::clicked, this, &TQuilmoraForm::BsusumuClick);
  connect(variantGroup_, &QButtonGroup::idClicked, this, &TQuilmoraForm::VariantClick);
  connect(storeyGroup_, &QButtonGroup::idClicked, this, &TQuilmoraForm::StoreyClick);

  SetMainWindowPort(this);
  FormCreate();
}

TQuilmoraForm::~TQuilmoraForm() {
  if (GetMainWindowPort() == this) SetMainWindowPort(nullptr);
  if (QuilmoraForm == this) QuilmoraForm = nullptr;
}

void TQuilmoraForm::FormCreate() {
  CurrentFilePath = UntitledFilePath;
  UpdateWindowTitle();
  ResetModel(ResetForStartUp);
}

void TQuilmoraForm::MainWindowStateChanged() {
  setWindowTitle(QString::fromUtf8(WindowTitle.c_str()));
  Bmodoru->setEnabled(MainWindow.BmodoruEnabled);
  Bsusumu->setEnabled(MainWindow.BsusumuEnabled);

  QRadioButton* variants[] = {Rgenkyou, Rkaishu1, Rkaishu2};
  for (int v = 0; v < 3; ++v) {
    QPalette palette = variants[v]->palette();
    palette.setColor(QPalette::Window, FromColorRef(MainWindow.VariantRadioColour[v]));
    variants[v]->setAutoFillBackground(true);
    variants[v]->setPalette(palette);
  }
  if (MainWindow.CheckedVariantRadio >= 0 && MainWindow.CheckedVariantRadio < 3) {
    const QSignalBlocker block(variantGroup_);
    variants[MainWindow.CheckedVariantRadio]->setChecked(true);
  }
  QRadioButton* storeys[] = {R1kai, R2kai, R3kai};
  R2kai->setEnabled(MainWindow.R2kaiEnabled);
  R3kai->setEnabled(MainWindow.R3kaiEnabled);
  if (MainWindow.CheckedStoreyRadio >= 0 && MainWindow.CheckedStoreyRadio < 3) {
    const QSignalBlocker block(storeyGroup_);
    storeys[MainWindow.CheckedStoreyRadio]->setChecked(true);
  }
}

void TQuilmoraForm::ShowModeToolDialog() {
  // The tool palettes arrive with the element editors; no palette to show yet.
}

void TQuilmoraForm::BmodoruClick() {
  UndoStep();
  ModifiedFlag = 1;
  update();
}

void TQuilmoraForm::BsusumuClick() {
  RedoStep();
  ModifiedFlag = 1;
  update();
}

void TQuilmoraForm::VariantClick(int variant) {
  PendingPointCount = 0;
  SelectVariant(variant);
  update();
}

void TQuilmoraForm::StoreyClick(int storey) {
  PendingPointCount = 0;
  CurrentStorey = storey;
  MainWindow.CheckedStoreyRadio = storey;
  update();
}
