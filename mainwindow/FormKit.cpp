#include "mainwindow/FormKit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

namespace {

template <typename Widget>
Widget* MaybeNamed(Widget* widget, const char* name) {
  if (name) widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

QLabel* NewLabel(QWidget* parent, const char* name, const char* caption) {
  return MaybeNamed(new QLabel(QString::fromUtf8(caption), parent), name);
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption) {
  return MaybeNamed(new QPushButton(QString::fromUtf8(caption), parent), name);
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const char* caption) {
  return MaybeNamed(new QCheckBox(QString::fromUtf8(caption), parent), name);
}

QGroupBox* NewGroupBox(QWidget* parent, const char* name, const char* caption) {
  return MaybeNamed(new QGroupBox(QString::fromUtf8(caption), parent), name);
}

QVBoxLayout* NewColumnLayout(QWidget* form, int left, int top, int right, int bottom, int spacing) {
  auto* layout = new QVBoxLayout(form);
  layout->setContentsMargins(left, top, right, bottom);
  if (spacing >= 0) layout->setSpacing(spacing);
  return layout;
}

QHBoxLayout* NewOkCancelRow(QDialog* dialog, OkCancelButtons& buttons, const char* okCaption) {
  buttons.OKBtn = NewButton(dialog, "OKBtn", okCaption);
  buttons.OKBtn->setDefault(true);
  buttons.CancelBtn = NewButton(dialog, "CancelBtn", "キャンセル");
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(buttons.OKBtn);
  row->addWidget(buttons.CancelBtn);
  return row;
}

void CloseOnOkCancel(QDialog* dialog, const OkCancelButtons& buttons, std::function<bool()> onOk,
                     std::function<void()> onCancel) {
  QObject::connect(buttons.OKBtn, &QPushButton::clicked, dialog, [dialog, onOk = std::move(onOk)] {
    if (!onOk || onOk()) dialog->done(ModalOk);
  });
  QObject::connect(buttons.CancelBtn, &QPushButton::clicked, dialog,
                   [dialog, onCancel = std::move(onCancel)] {
                     if (onCancel) onCancel();
                     dialog->done(ModalCancel);
                   });
}

void TCancelableDialog::reject() { done(ModalCancel); }

RadioRow::RadioRow(QObject* owner) : group_(new QButtonGroup(owner)) {}

void RadioRow::Add(QWidget* parent, QLayout* layout, std::initializer_list<RadioItem> items) {
  auto* grid = qobject_cast<QGridLayout*>(layout);
  for (const RadioItem& item : items) {
    QRadioButton* radio = Add(parent, item.Name, item.Caption, item.Code);
    if (item.Member) *item.Member = radio;
    if (grid && item.Row >= 0)
      grid->addWidget(radio, item.Row, item.Column, 1, item.ColumnSpan);
    else if (layout)
      layout->addWidget(radio);
  }
}

QRadioButton* RadioRow::Add(QWidget* parent, const char* name, const char* caption, int code) {
  auto* radio = MaybeNamed(new QRadioButton(QString::fromUtf8(caption), parent), name);
  Add(radio, code);
  return radio;
}

void RadioRow::Add(QRadioButton* radio, int code) { group_->addButton(radio, code); }

QRadioButton* RadioRow::Radio(int code) const {
  // Ids below zero are the group's own numbers for radios without a code.
  return code < 0 ? nullptr : qobject_cast<QRadioButton*>(group_->button(code));
}

void RadioRow::Clear() const {
  QAbstractButton* checked = group_->checkedButton();
  if (!checked) return;
  // An exclusive group keeps one radio checked; uncheck it outside the rule.
  // Nothing is reported: no code was chosen.
  const QSignalBlocker blockRadio(checked);
  const QSignalBlocker blockGroup(group_);
  group_->setExclusive(false);
  checked->setChecked(false);
  group_->setExclusive(true);
}

void RadioRow::SetCode(int code) const {
  if (QRadioButton* radio = Radio(code))
    radio->setChecked(true);
  else
    Clear();
}

void RadioRow::SetCodeQuietly(int code) const {
  QRadioButton* radio = Radio(code);
  if (!radio) return Clear();
  // The group reports its radios' toggles by itself, not through their signals.
  const QSignalBlocker blockRadio(radio);
  const QSignalBlocker blockGroup(group_);
  radio->setChecked(true);
}

int RadioRow::Code(int keep) const {
  const int id = group_->checkedId();
  return id < 0 ? keep : id;
}

void RadioRow::OnChecked(QObject* context, std::function<void(int code)> onCode) const {
  QObject::connect(group_, &QButtonGroup::idToggled, context,
                   [onCode = std::move(onCode)](int id, bool checked) {
                     if (checked && id >= 0) onCode(id);
                   });
}

RadioRow NewRadioBox(QWidget* parent, QGroupBox** box, const char* name, const char* caption, bool horizontal,
                     std::initializer_list<RadioItem> items) {
  *box = NewGroupBox(parent, name, caption);
  QBoxLayout* layout = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(*box))
                                  : static_cast<QBoxLayout*>(new QVBoxLayout(*box));
  RadioRow radios(*box);
  radios.Add(*box, layout, items);
  return radios;
}

void ShowCheckCode(QCheckBox* box, int value, CheckCodes codes) {
  if (value == codes.Checked)
    box->setChecked(true);
  else if (value == codes.Unchecked)
    box->setChecked(false);
}

int CheckedCode(const QCheckBox* box, CheckCodes codes) {
  return box->isChecked() ? codes.Checked : codes.Unchecked;
}

void BindCheckCode(QCheckBox* box, int32_t* setting, std::function<void()> after, CheckCodes codes) {
  QObject::connect(box, &QCheckBox::toggled, box, [box, setting, after = std::move(after), codes] {
    *setting = CheckedCode(box, codes);
    if (after) after();
  });
}

double FitToClientSize(QWidget* form, int width, int height) {
  QList<QLayout*> layouts = form->findChildren<QLayout*>();
  for (QLayout* layout : layouts) {
    layout->setContentsMargins(2, 1, 2, 2);
    layout->setSpacing(2);
    layout->setSizeConstraint(QLayout::SetDefaultConstraint);
  }
  // Radios and check boxes close to their captions, buttons and lists no
  // wider than their texts need.
  form->setStyleSheet(
      form->styleSheet() +
      QStringLiteral(" QRadioButton, QCheckBox { spacing: 2px; } QComboBox { padding: 1px 0px 1px 2px; }"));
  const QSize client(width, height);
  QFont font = QApplication::font();
  double points = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
  constexpr double kSmallest = 7.0;
  for (;; points -= 0.5) {
    if (points < kSmallest) points = kSmallest;
    font.setPointSizeF(points);
    form->setFont(font);
    // A form with a style sheet does not hand its font down by itself.
    for (QWidget* child : form->findChildren<QWidget*>()) child->setFont(font);
    const QFontMetrics metrics(font);
    for (QPushButton* button : form->findChildren<QPushButton*>())
      button->setMinimumWidth(metrics.horizontalAdvance(button->text()) + 14);
    for (QComboBox* list : form->findChildren<QComboBox*>()) {
      int widest = 0;
      for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
      list->setMinimumWidth(widest + 22);
    }
    for (QLayout* layout : layouts) layout->invalidate();
    if (form->layout()) form->layout()->activate();
    const QSize needed = form->minimumSizeHint();
    if ((needed.width() <= client.width() && needed.height() <= client.height()) || points <= kSmallest)
      break;
  }
  form->setFixedSize(client);
  return points;
}
