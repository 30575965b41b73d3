#include "mainwindow/AboutBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/FileState.h"
#include "model/ProgramVersion.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "presentation/MainWindowPort.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("Quilmora2025"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("Quilmora2025"), this);
  QFont font = title->font();
  font.setPointSize(font.pointSize() * 2);
  title->setFont(font);
  layout->addWidget(title, 0, Qt::AlignCenter);
  // The version that the printed pages carry in their header.
  Version = NewLabel(this, "Version", ProgramVersion);
  layout->addWidget(Version, 0, Qt::AlignCenter);
  layout->addWidget(new QLabel(QStringLiteral("木造住宅の耐震診断・補強設計"), this), 0, Qt::AlignCenter);

  auto* switches = new QGridLayout;
  Ckaberyou = NewCheckBox(this, "Ckaberyou", "壁量計算");
  Ckenshouhou = NewCheckBox(this, "Ckenshouhou", "新耐震検証法");
  switches->addWidget(Ckaberyou, 0, 0);
  switches->addWidget(Ckenshouhou, 0, 1);
  switches->addWidget(NewLabel(this, "Label5", "↑使う時はチェック"), 1, 0);
  switches->addWidget(NewLabel(this, "Label6", "切替は概要で行う"), 1, 1);
  layout->addLayout(switches);

  Button1 = NewButton(this, "Button1", "OK");
  Button1->setDefault(true);
  layout->addWidget(Button1, 0, Qt::AlignCenter);
  connect(Button1, &QPushButton::clicked, this, &TAboutBox::Button1Click);
}

void TAboutBox::showEvent(QShowEvent* event) {
  Ckaberyou->setChecked(ProjectSettings.WallQuantityFeature == SettingOn);
  Ckenshouhou->setChecked(ProjectSettings.VerificationFeature == SettingOn);
  QDialog::showEvent(event);
}

void TAboutBox::Button1Click() {
  const int32_t wallQuantity = Ckaberyou->isChecked() ? SettingOn : SettingOff;
  const int32_t verification = Ckenshouhou->isChecked() ? SettingOn : SettingOff;
  // The switches are saved with the project.
  if (wallQuantity != ProjectSettings.WallQuantityFeature ||
      verification != ProjectSettings.VerificationFeature)
    ModifiedFlag = 1;
  ProjectSettings.WallQuantityFeature = wallQuantity;
  ProjectSettings.VerificationFeature = verification;
  // The main window shows the report items by the switches.
  RefreshMainWindow();
  accept();
}
