#pragma once
// What the two table editors share: edits that show a stored value and give
// it back exactly unless the user changed the text, the box of their data
// file's buttons, and the loading and saving of their data files (saved
// beside the file replaced).
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/ElementDataFile.h"

class QDialog;
class QGroupBox;
#include "model/NumberField.h"

class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The frame of a table editor: the dialog named and titled, the table on the
// left taking the spare width, and on the right the column returned for the
// editor's other controls.
QVBoxLayout* NewTableEditorFrame(QDialog* dialog, const char* name, const char* title, QWidget* table);

// An edit of a table cell, width pixels wide.
QLineEdit* NewCellEdit(QWidget* parent, const QString& name, int width);
// The text of a fixed-size name field of a table row (up to its first NUL).
QString FixedText(const char16_t* text, std::size_t capacity);

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

// The box of the data file's buttons (GroupBox4): the two lines that name
// the file (what it holds, then "データファイル"), then 読込 (Bload) and 保存
// (Bsave).
QGroupBox* NewDataFileBox(QWidget* parent, const char* contents, QPushButton*& load, QPushButton*& save);

// Asks which data file to load; nothing when the user cancels.
std::optional<std::string> AskDataFileToLoad(const char* filter);
// True when the file was read; otherwise tells the user why not: the
// wrong-magic message given, or that the data is broken (the load stops).
bool ReportDataFileRead(DataFileRead result, const char* wrongMagicMessage);

// Asks where to save a data file (filter in the file dialogs' "text|pattern"
// form); the chosen path gets ".<extension>" when it has none. Nothing when
// the user cancels.
std::optional<std::string> AskDataFileToSave(const char* filter, const char* extension);

// Writes a data file, keeping the file it replaces as <base>.BAK in its
// folder; a failure is reported and leaves both files as they were.
bool SaveDataFile(const std::string& path, const std::vector<unsigned char>& bytes);
