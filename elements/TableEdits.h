#pragma once
// What the two table editors share: edits that show a stored value and give
// it back exactly unless the user changed the text, and the saving of their
// data files beside the file replaced.
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/NumberField.h"

class QLineEdit;
class QWidget;

// Sets the text, letting the edit hold it whole even where it is longer than
// what the user may type (typedLimit).
void ShowWhole(QLineEdit* edit, const QString& text, int typedLimit);

// The printf text of a value ("%5.2f"), in the C locale.
QString NumberText(const char* format, double value);
// The value of a number edit: the stored value while the edit still shows
// it in format, otherwise the number typed when field accepts it; false,
// after a message naming caption and the range, for anything else.
bool TakeEditNumber(QLineEdit* edit, const char* format, double stored, const NumberField& field,
                    std::string_view caption, double& value);
// An integer edit's value: the number at the start of the text, 0 for none.
int IntOfEdit(const QLineEdit* edit);

// Asks where to save a data file (filter in the file dialogs' "text|pattern"
// form); the chosen path gets ".<extension>" when it has none. Nothing when
// the user cancels.
std::optional<std::string> AskDataFileToSave(const char* filter, const char* extension);

// Writes a data file, keeping the file it replaces as <base>.BAK in its
// folder; a failure is reported and leaves both files as they were.
bool SaveDataFile(const std::string& path, const std::vector<unsigned char>& bytes);
