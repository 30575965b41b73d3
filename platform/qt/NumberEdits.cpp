#include "platform/qt/NumberEdits.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "platform/MessageBox.h"

namespace {

constexpr const char* kNumberRefused = "numberRefused";
constexpr const char* kOwnToolTip = "numberOwnToolTip";  // the tool tip before the flag

// Makes every tab page that holds w the current one of its tab widget.
void BringForward(QWidget* w) {
  for (QWidget* page = w; page; page = page->parentWidget()) {
    QWidget* stack = page->parentWidget();
    if (auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr))
      if (const int index = tabs->indexOf(page); index >= 0) tabs->setCurrentIndex(index);
  }
}

}  // namespace

void RefuseNumber(const NumberField& field, std::string_view caption, QWidget* focus) {
  if (focus) BringForward(focus);
  const QString title = focus ? focus->window()->windowTitle() : QString();
  MessageBox(NumberFieldMessage(field, caption), title.isEmpty() ? "入力エラー" : title.toStdString(),
             MB_OK | MB_ICONEXCLAMATION);
  if (!focus) return;
  focus->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(focus)) edit->selectAll();
  if (auto* combo = qobject_cast<QComboBox*>(focus); combo && combo->lineEdit())
    combo->lineEdit()->selectAll();
}

bool TakeNumber(const QString& text, const FilledNumber& filled, const NumberField& field,
                std::string_view caption, QWidget* focus, double& value) {
  if (ReadFilledNumber(filled, text.toStdString(), field, value)) return true;
  RefuseNumber(field, caption, focus);
  return false;
}

bool FollowNumber(const QString& text, const FilledNumber& filled, const NumberField& field,
                  std::string_view caption, QWidget* shown, double& value) {
  const bool accepted = ReadFilledNumber(filled, text.toStdString(), field, value);
  if (!accepted && shown && !IsNumberRefused(shown)) {
    shown->setProperty(kNumberRefused, true);
    shown->setProperty(kOwnToolTip, shown->toolTip());
    shown->setStyleSheet(QStringLiteral("color: red;"));
    shown->setToolTip(QString::fromStdString(NumberFieldMessage(field, caption)));
  }
  if (accepted && shown) UnflagNumber(shown);
  return accepted;
}

bool FollowNumber(const QString& text, const NumberField& field, std::string_view caption, QWidget* shown,
                  double& value) {
  // A filled text that no edit shows: every text is read.
  return FollowNumber(text, FilledNumber{0.0, "\n"}, field, caption, shown, value);
}

bool IsNumberRefused(const QWidget* shown) { return shown->property(kNumberRefused).toBool(); }

void UnflagNumber(QWidget* shown) {
  if (!IsNumberRefused(shown)) return;
  shown->setProperty(kNumberRefused, false);
  shown->setStyleSheet(QString());
  shown->setToolTip(shown->property(kOwnToolTip).toString());
}

bool TakeNumber(QLineEdit* edit, const FilledNumber& filled, const NumberField& field,
                std::string_view caption, double& value) {
  return TakeNumber(edit->text(), filled, field, caption, edit, value);
}
