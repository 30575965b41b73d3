#include "mainwindow/AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("Quilmora2025"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("Quilmora2025"), this);
  QFont font = title->font();
  font.setPointSize(font.pointSize() * 2);
  title->setFont(font);
  layout->addWidget(title, 0, Qt::AlignCenter);
  layout->addWidget(new QLabel(QStringLiteral("木造住宅の耐震診断・補強設計"), this), 0, Qt::AlignCenter);
  Button1 = NewButton(this, "Button1", "OK");
  Button1->setDefault(true);
  layout->addWidget(Button1, 0, Qt::AlignCenter);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}
