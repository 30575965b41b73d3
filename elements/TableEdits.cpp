#include "elements/TableEdits.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "files/ProjectFile.h"
#include "mainwindow/FormKit.h"
#include "platform/FileAccess.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "platform/TextCodec.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/NumberEdits.h"

QVBoxLayout* NewTableEditorFrame(QDialog* dialog, const char* name, const char* title, QWidget* table) {
  dialog->setObjectName(QString::fromLatin1(name));
  dialog->setWindowTitle(QString::fromUtf8(title));
  auto* layout = new QHBoxLayout(dialog);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(table, 1);
  auto* column = new QVBoxLayout;
  layout->addLayout(column);
  return column;
}

QLineEdit* NewCellEdit(QWidget* parent, const QString& name, int width) {
  auto* edit = Named(new QLineEdit(parent), name);
  edit->setFixedWidth(width);
  return edit;
}

QString FixedText(const char16_t* text, std::size_t capacity) {
  return QString::fromStdU16String(std::u16string(FixedView(text, capacity)));
}

void ShowWhole(QLineEdit* edit, const QString& text, int typedLimit) {
  edit->setMaxLength(static_cast<int>(std::max<qsizetype>(typedLimit, text.size())));
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

QGroupBox* NewDataFileBox(QWidget* parent, const char* contents, QPushButton*& load, QPushButton*& save) {
  QGroupBox* box = NewGroupBox(parent, "GroupBox4", "");
  auto* column = new QVBoxLayout(box);
  column->addWidget(NewLabel(box, "Label117", contents));
  column->addWidget(NewLabel(box, "Label118", "データファイル"));
  load = NewButton(box, "Bload", "読込");
  save = NewButton(box, "Bsave", "保存");
  column->addWidget(load);
  column->addWidget(save);
  return box;
}

std::optional<std::string> AskDataFileToLoad(const char* filter) {
  FileDialogRequest request;
  request.Filter = filter;
  return AskFileName(request);
}

bool ReportDataFileRead(DataFileRead result, const char* wrongMagicMessage) {
  switch (result) {
    case DataFileRead::WrongMagic:
      MessageBox(wrongMagicMessage, "読み込みエラー", MB_ICONINFORMATION);
      return false;
    case DataFileRead::Broken:
      MessageBox("データが異常です。\n\n読み込みを中止します。", "読み込みエラー", MB_ICONQUESTION);
      return false;
    case DataFileRead::Read:
      break;
  }
  return true;
}

std::optional<std::string> AskDataFileToSave(const char* filter, const char* extension) {
  FileDialogRequest request;
  request.Filter = filter;
  request.DefaultSuffix = extension;
  request.Save = true;
  std::optional<std::string> path = AskFileName(request);
  if (!path || std::filesystem::path(*path).has_extension()) return path;
  return *path + "." + extension;
}

bool SaveDataFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::string reason;
  if (ReplaceFileSafely(path, bytes.data(), bytes.size(), BackupPathOf(path), &reason)) return true;
  MessageBox("保存できませんでした。\n" + reason + "\n\n" + path, "保存エラー", MB_ICONSTOP);
  return false;
}
