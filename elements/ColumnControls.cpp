#include "elements/ColumnControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

QStringList ColumnHardwareItems() {
  QStringList items = {QStringLiteral("＜3kN"), QStringLiteral("≧3kN"), QStringLiteral("告示"), QStringLiteral("HD"),
                       QStringLiteral("い"),    QStringLiteral("ろ"),    QStringLiteral("は"),   QStringLiteral("に"),
                       QStringLiteral("ほ"),    QStringLiteral("へ"),    QStringLiteral("と"),   QStringLiteral("ち"),
                       QStringLiteral("り"),    QStringLiteral("ぬ"),    QStringLiteral("ぬ+")};
  for (int u = 1; u <= 15; ++u) items << QStringLiteral("U%1").arg(u);
  return items;
}

QStringList ColumnSectionItems(bool yDirection) {
  QStringList items = {QStringLiteral("＜120mm"), QStringLiteral("≧120mm"), QStringLiteral("≧135mm"),
                       QStringLiteral("≧150mm"), QStringLiteral("≧180mm"), QStringLiteral("≧240mm")};
  if (yDirection) items.prepend(QStringLiteral("＝X方向"));
  return items;
}

QComboBox* NewColumnList(QWidget* parent, const char* name, const QStringList& items) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setEditable(false);
  list->addItems(items);
  list->setMaxVisibleItems(15);
  list->setCurrentIndex(0);
  return list;
}

RadioRow NewRadioRow(QWidget* parent, const char* name, const char* caption, const char* hint) {
  auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  if (hint) box->setToolTip(QString::fromUtf8(hint));
  new QHBoxLayout(box);
  return {box, new QButtonGroup(box)};
}

QRadioButton* AddRadio(const RadioRow& row, const char* name, const char* caption) {
  auto* radio = new QRadioButton(QString::fromUtf8(caption), row.box);
  radio->setObjectName(QString::fromLatin1(name));
  row.group->addButton(radio);
  row.box->layout()->addWidget(radio);
  return radio;
}

int CheckedCode(std::initializer_list<QRadioButton*> radiosByCode, int keep) {
  int code = 0;
  for (QRadioButton* radio : radiosByCode) {
    if (radio->isChecked()) return code;
    ++code;
  }
  return keep;
}

void CheckCode(std::initializer_list<QRadioButton*> radiosByCode, int code) {
  if (code < 0 || code >= static_cast<int>(radiosByCode.size())) return;
  radiosByCode.begin()[code]->setChecked(true);
}
