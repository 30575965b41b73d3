#pragma once
// Number edits of the dialogs: what OK reads from them. A text that is not a
// number, or a number outside its field's range, is refused with a message
// that names the field and the range; the edit is brought forward and
// selected, so that the dialog stays open with nothing stored.
#include <QString>
#include <string_view>

#include "model/NumberField.h"

class QLineEdit;
class QWidget;

// The value of text for field, or false after the message; focus (may be
// null) is the widget brought forward and selected.
bool TakeNumber(const QString& text, const FilledNumber& filled, const NumberField& field,
                std::string_view caption, QWidget* focus, double& value);
bool TakeNumber(QLineEdit* edit, const FilledNumber& filled, const NumberField& field,
                std::string_view caption, double& value);

// A palette's number edit read as the user types: value takes the number of
// text when it lies within field (true); otherwise value keeps the last
// accepted number and shown is flagged until its text is accepted again: red
// text, the range as its tool tip and the property "numberRefused" true.
bool FollowNumber(const QString& text, const FilledNumber& filled, const NumberField& field,
                  std::string_view caption, QWidget* shown, double& value);
// FollowNumber for an edit without a filled text.
bool FollowNumber(const QString& text, const NumberField& field, std::string_view caption, QWidget* shown,
                  double& value);
// Whether shown is flagged by FollowNumber.
bool IsNumberRefused(const QWidget* shown);
// Takes the flag away (the widget's own tool tip back), when the program
// shows an accepted value in shown.
void UnflagNumber(QWidget* shown);

// The message and the focus of a refused value, for checks made elsewhere.
void RefuseNumber(const NumberField& field, std::string_view caption, QWidget* focus);
