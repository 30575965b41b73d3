#pragma once
// The controls that the column palette and the column change dialog share:
// the fixed hardware list, the section lists and the radio groups, each
// widget named as in the form so that tests find it by name.
#include <QStringList>

#include "mainwindow/FormKit.h"

// The 30 items of the hardware list: one per JointHardwareTable row, by
// position; they do not follow edits of the table.
QStringList ColumnHardwareItems();
// "＜120mm" .. "≧240mm"; with the leading "＝X方向" for the Y direction.
QStringList ColumnSectionItems(bool yDirection);

// A drop-down list (never editable, so that it always has a position).
QComboBox* NewColumnList(QWidget* parent, const char* name, const QStringList& items);

// A group box of radios laid out in a row, with its hint.
RadioRow NewColumnRadioBox(QWidget* parent, QGroupBox** box, const char* name, const char* caption,
                           const char* hint, std::initializer_list<RadioItem> items);

// The settings of a column that the palette and the change dialog both show:
// outer-corner judgement, joint hardware, deterioration, species and sections.
// The radio rows stand for the codes of the column record.
struct ColumnSettingControls {
  RadioRow Corner;
  RadioRow Deterioration;
  RadioRow Species;
  QGroupBox* Gdesumi = nullptr;
  QRadioButton* Rdesumi0 = nullptr;
  QRadioButton* Rdesumi1 = nullptr;
  QRadioButton* Rdesumi2 = nullptr;
  QGroupBox* Gkanamono = nullptr;
  QComboBox* Csetsu = nullptr;
  QPushButton* Bsetsu = nullptr;
  QGroupBox* Grekka = nullptr;
  QRadioButton* Rzentai = nullptr;
  QRadioButton* Rnashi = nullptr;
  QRadioButton* Rbubun = nullptr;
  QGroupBox* Gzaishu = nullptr;
  QRadioButton* Rsugi = nullptr;
  QRadioButton* Rhinoki = nullptr;
  QRadioButton* Rkeyaki = nullptr;
  QComboBox* Cxdanmen = nullptr;
  QComboBox* Cydanmen = nullptr;
};

// Builds those controls on parent; cornerCaption titles the corner group.
ColumnSettingControls NewColumnSettingControls(QWidget* parent, const char* cornerCaption);
