#include "platform/qt/QtMessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>
#include <utility>

namespace {

QMessageBox::Icon IconFor(int flags) {
  switch (flags & MB_ICONMASK) {
    case MB_ICONSTOP:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// Buttons, and the one that is default (the first, as in Windows).
std::pair<QMessageBox::StandardButtons, QMessageBox::StandardButton> ButtonsFor(int flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
    case MB_YESNOCANCEL:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
    case MB_YESNO:
      return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    default:
      return {QMessageBox::Ok, QMessageBox::Ok};
  }
}

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

QtMessageBox::QtMessageBox(QWidget* parent) : parent_(parent) {}

int QtMessageBox::Show(std::string_view text, std::string_view caption, int flags) {
  const auto [buttons, defaultButton] = ButtonsFor(flags);
  QMessageBox box(IconFor(flags), FromUtf8(caption), FromUtf8(text), buttons, parent_);
  // Messages may contain '<' and must never be taken for HTML.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultButton);
  box.exec();

  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
      return IDOK;
    case QMessageBox::Cancel:
      return IDCANCEL;
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return DefaultMessageBoxAnswer(flags);
  }
}
