#include "mainwindow/PlaceholderDialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "mainwindow/FormKit.h"

TPlaceholderDlg::TPlaceholderDlg(const char* formClass, const char* instanceName, const QString& caption,
                                 QWidget* parent)
    : QDialog(parent) {
  setObjectName(QString::fromLatin1(instanceName));
  setProperty("formClass", QString::fromLatin1(formClass));
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  OKBtn = NewButton(this, "OKBtn", "OK");
  OKBtn->setDefault(true);
  layout->addWidget(OKBtn, 0, Qt::AlignCenter);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  setMinimumSize(240, 100);
}
