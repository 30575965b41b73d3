#include "elements/TableEdits.h"

#include <QLineEdit>
#include <algorithm>
#include <filesystem>

#include "model/ProjectFile.h"
#include "platform/FileAccess.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/NumberEdits.h"

void ShowWhole(QLineEdit* edit, const QString& text, int typedLimit) {
  edit->setMaxLength(std::max<int>(typedLimit, text.size()));
  edit->setText(text);
  edit->setCursorPosition(0);
}

QString NumberText(const char* format, double value) {
  return QString::fromStdString(FormatA(format, value));
}

bool TakeEditNumber(QLineEdit* edit, const char* format, double stored, const NumberField& field,
                    std::string_view caption, double& value) {
  return TakeNumber(edit, {stored, FormatA(format, stored)}, field, caption, value);
}

int IntOfEdit(const QLineEdit* edit) {
  const double value = LeadingNumber(edit->text().toStdString());
  return value >= 0 && value < 1e9 ? static_cast<int>(value) : 0;
}

std::optional<std::string> AskDataFileToSave(const char* filter, const char* extension) {
  FileDialogRequest request;
  request.Filter = filter;
  request.DefaultSuffix = extension;
  request.Save = true;
  const std::optional<std::string> path = AskFileName(request);
  if (!path || std::filesystem::path(*path).has_extension()) return path;
  return *path + "." + extension;
}

bool SaveDataFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::string reason;
  if (ReplaceFileSafely(path, bytes.data(), bytes.size(), BackupPathOf(path), &reason)) return true;
  MessageBox("保存できませんでした。\n" + reason + "\n\n" + path, "保存エラー", MB_ICONSTOP);
  return false;
}
