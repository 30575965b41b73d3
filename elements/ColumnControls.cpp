#include "elements/ColumnControls.h"

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
  auto* list = Named(new QComboBox(parent), name);
  list->setEditable(false);
  list->addItems(items);
  list->setMaxVisibleItems(15);
  list->setCurrentIndex(0);
  return list;
}

RadioRow NewColumnRadioBox(QWidget* parent, QGroupBox** box, const char* name, const char* caption,
                           const char* hint, std::initializer_list<RadioItem> items) {
  RadioRow radios = NewRadioBox(parent, box, name, caption, true, items);
  if (hint) (*box)->setToolTip(QString::fromUtf8(hint));
  return radios;
}

ColumnSettingControls NewColumnSettingControls(QWidget* parent, const char* cornerCaption) {
  ColumnSettingControls c;
  c.Corner = NewColumnRadioBox(parent, &c.Gdesumi, "Gdesumi", cornerCaption, "出隅柱の判定を指示します。",
                               {{"Rdesumi0", "自動", 0, &c.Rdesumi0},
                                {"Rdesumi1", "出隅柱", 1, &c.Rdesumi1},
                                {"Rdesumi2", "一般柱", 2, &c.Rdesumi2}});
  c.Rdesumi0->setChecked(true);

  c.Gkanamono = NewGroupBox(parent, "Gkanamono", "金物仕様");
  c.Gkanamono->setToolTip(QStringLiteral("金物仕様を指定します。"));
  auto* hardware = new QHBoxLayout(c.Gkanamono);
  c.Csetsu = NewColumnList(c.Gkanamono, "Csetsu", ColumnHardwareItems());
  c.Bsetsu = NewButton(c.Gkanamono, "Bsetsu", "金物追加");
  hardware->addWidget(c.Csetsu);
  hardware->addWidget(c.Bsetsu);

  // Laid out 劣化, なし, 部分; the codes are 0 劣化, 1 部分, 2 なし.
  c.Deterioration = NewColumnRadioBox(parent, &c.Grekka, "Grekka", "劣化", nullptr,
                                      {{"Rzentai", "劣化", 0, &c.Rzentai},
                                       {"Rnashi", "なし", 2, &c.Rnashi},
                                       {"Rbubun", "部分", 1, &c.Rbubun}});
  c.Rnashi->setChecked(true);

  c.Species = NewColumnRadioBox(parent, &c.Gzaishu, "Gzaishu", "材種・断面（方法２のみ必要）", nullptr,
                                {{"Rsugi", "スギ", 0, &c.Rsugi},
                                 {"Rhinoki", "ヒノキ", 1, &c.Rhinoki},
                                 {"Rkeyaki", "ケヤキ", 2, &c.Rkeyaki}});
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
