#include "platform/qt/FileDialogs.h"

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {
FileDialogPort* gPort = nullptr;
QWidget* gParent = nullptr;
}  // namespace

FileDialogPort::~FileDialogPort() = default;

void SetFileDialogPort(FileDialogPort* port) { gPort = port; }
void SetFileDialogParent(QWidget* parent) { gParent = parent; }

std::string QtFilterOf(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    // A description that already names its pattern keeps it.
    entries << (description.contains(QLatin1Char('('))
                    ? description
                    : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
  }
  return entries.join(QStringLiteral(";;")).toStdString();
}

std::optional<std::string> AskFileName(const FileDialogRequest& request) {
  if (gPort) return gPort->Ask(request);
  QFileDialog dialog(gParent);
  dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(QString::fromStdString(QtFilterOf(request.Filter)));
  if (!request.DefaultSuffix.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.DefaultSuffix));
  if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(gPort) { SetFileDialogPort(this); }

ScriptedFileDialogs::~ScriptedFileDialogs() { SetFileDialogPort(previous_); }

ScriptedFileDialogs& ScriptedFileDialogs::Answer(std::optional<std::string> path) {
  answers_.push_back(std::move(path));
  return *this;
}

std::optional<std::string> ScriptedFileDialogs::Ask(const FileDialogRequest& request) {
  requests_.push_back(request);
  if (answers_.empty()) {
    std::fprintf(stderr, "Unexpected file dialog\n");
    std::abort();
  }
  auto answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}
