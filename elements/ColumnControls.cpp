#include "elements/ColumnControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

QStringList ColumnHardwareItems() {
  QStringList items = {QStringLiteral("＜3kN"), QStringLiteral("≧3kN"), QStringLiteral("告示"),
                       QStringLiteral("HD"),    QStringLiteral("い"),   QStringLiteral("ろ"),
                       QStringLiteral("は"),    QStringLiteral("に"),   QStringLiteral("ほ"),
                       QStringLiteral("へ"),    QStringLiteral("と"),   QStringLiteral("ち"),
                       QStringLiteral("り"),    QStringLiteral("ぬ"),   QStringLiteral("ぬ+")};
  for (int u = 1; u <= 15; ++u) items << QStringLiteral("U%1").arg(u);
  return items;
}

QStringList ColumnSectionItems(bool yDirection) {
  QStringList items = {QStringLiteral("＜120mm"), QStringLiteral("≧120mm"), QStringLiteral("≧135mm"),
                       QStringLiteral("≧150mm"),  QStringLiteral("≧180mm"), QStringLiteral("≧240mm")};
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

ColumnSettingControls NewColumnSettingControls(QWidget* parent, const char* cornerCaption) {
  ColumnSettingControls c;
  const RadioRow corner = NewRadioRow(parent, "Gdesumi", cornerCaption, "出隅柱の判定を指示します。");
  c.Gdesumi = corner.box;
  c.Rdesumi0 = AddRadio(corner, "Rdesumi0", "自動");
  c.Rdesumi1 = AddRadio(corner, "Rdesumi1", "出隅柱");
  c.Rdesumi2 = AddRadio(corner, "Rdesumi2", "一般柱");
  c.Rdesumi0->setChecked(true);

  c.Gkanamono = new QGroupBox(QStringLiteral("金物仕様"), parent);
  c.Gkanamono->setObjectName(QStringLiteral("Gkanamono"));
  c.Gkanamono->setToolTip(QStringLiteral("金物仕様を指定します。"));
  auto* hardware = new QHBoxLayout(c.Gkanamono);
  c.Csetsu = NewColumnList(c.Gkanamono, "Csetsu", ColumnHardwareItems());
  c.Bsetsu = new QPushButton(QStringLiteral("金物追加"), c.Gkanamono);
  c.Bsetsu->setObjectName(QStringLiteral("Bsetsu"));
  hardware->addWidget(c.Csetsu);
  hardware->addWidget(c.Bsetsu);

  const RadioRow state = NewRadioRow(parent, "Grekka", "劣化", nullptr);
  c.Grekka = state.box;
  c.Rzentai = AddRadio(state, "Rzentai", "劣化");
  c.Rnashi = AddRadio(state, "Rnashi", "なし");
  c.Rbubun = AddRadio(state, "Rbubun", "部分");
  c.Rnashi->setChecked(true);

  const RadioRow timber = NewRadioRow(parent, "Gzaishu", "材種・断面（方法２のみ必要）", nullptr);
  c.Gzaishu = timber.box;
  c.Rsugi = AddRadio(timber, "Rsugi", "スギ");
  c.Rhinoki = AddRadio(timber, "Rhinoki", "ヒノキ");
  c.Rkeyaki = AddRadio(timber, "Rkeyaki", "ケヤキ");
  auto* sections = static_cast<QHBoxLayout*>(c.Gzaishu->layout());
  sections->addWidget(new QLabel(QStringLiteral("柱の小径"), c.Gzaishu));
  sections->addWidget(new QLabel(QStringLiteral("X方向"), c.Gzaishu));
  c.Cxdanmen = NewColumnList(c.Gzaishu, "Cxdanmen", ColumnSectionItems(false));
  sections->addWidget(c.Cxdanmen);
  sections->addWidget(new QLabel(QStringLiteral("Y方向"), c.Gzaishu));
  c.Cydanmen = NewColumnList(c.Gzaishu, "Cydanmen", ColumnSectionItems(true));
  sections->addWidget(c.Cydanmen);
  return c;
}
