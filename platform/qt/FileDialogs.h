#pragma once
// Open and save dialogs behind a small service that a test can answer.
#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;

struct FileDialogRequest {
  // Filter in the "description|pattern|description|pattern" form.
  std::string Filter;
  std::string DefaultSuffix;  // without the dot
  std::string FileName;       // preset name (UTF-8), may be empty
  bool Save = false;
};

class FileDialogPort {
 public:
  virtual ~FileDialogPort();
  // The chosen path (UTF-8), or nothing when the user cancels.
  virtual std::optional<std::string> Ask(const FileDialogRequest& request) = 0;
};

void SetFileDialogPort(FileDialogPort* port);
// The dialog's parent for the Qt dialogs.
void SetFileDialogParent(QWidget* parent);

std::optional<std::string> AskFileName(const FileDialogRequest& request);

// "desc|*.a|desc|*.b" to the Qt form "desc (*.a);;desc (*.b)".
std::string QtFilterOf(const std::string& filter);

// Answers from a script and records the requests.
class ScriptedFileDialogs : public FileDialogPort {
 public:
  ScriptedFileDialogs();
  ~ScriptedFileDialogs() override;
  ScriptedFileDialogs& Answer(std::optional<std::string> path);
  std::optional<std::string> Ask(const FileDialogRequest& request) override;
  const std::vector<FileDialogRequest>& Requests() const { return requests_; }

 private:
  std::deque<std::optional<std::string>> answers_;
  std::vector<FileDialogRequest> requests_;
  FileDialogPort* previous_;
};
