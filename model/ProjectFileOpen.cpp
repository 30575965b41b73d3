#include "model/ProjectFileOpen.h"

#include "model/FileState.h"
#include "model/FoundationClass.h"
#include "model/MainWindowPort.h"
#include "model/ModelExtents.h"
#include "model/ModelReset.h"
#include "model/ProjectFile.h"
#include "platform/FileAccess.h"
#include "platform/MessageBox.h"

namespace {

constexpr std::size_t kMagicBytes = 4;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The extension of the last path component, dot included, in lower case.
std::string LowerExtension(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  std::string extension;
  if (dot != std::string_view::npos)
    for (char c : name.substr(dot)) extension.push_back(LowerAscii(c));
  return extension;
}

}  // namespace

ProjectFileFormat IdentifyProjectFile(std::span<const unsigned char> file, std::string_view path) {
  if (file.size() < kMagicBytes) return ProjectFileFormat::Unreadable;
  const std::string_view magic(reinterpret_cast<const char*>(file.data()), 3);
  if (magic == "ytc") return ProjectFileFormat::Ytc;
  if (magic == "ytb") return ProjectFileFormat::Ytb;
  if (magic == "yta") return ProjectFileFormat::Yta;
  if (magic == "yt8") {
    const std::string extension = LowerExtension(path);
    if (extension == ".ty0") return ProjectFileFormat::Yt8Diagnosis;
    if (extension == ".ty2") return ProjectFileFormat::Yt8Retrofit;
  }
  return ProjectFileFormat::Unreadable;
}

std::vector<unsigned char> ReadProjectFileBytes(const std::string& path) {
  auto known = [](std::span<const unsigned char> prefix, const std::string& name) {
    return IdentifyProjectFile(prefix, name) != ProjectFileFormat::Unreadable;
  };
  std::vector<unsigned char> bytes;
  ReadBoundedFile(path, MaxProjectFileBytes, kMagicBytes, known, bytes, nullptr);
  return bytes;
}

void FinishProjectLoad(bool complete) {
  DeriveFoundationClass();
  // The variant panel tells the loaded variant and its weight class.
  SetVariantPanel();
  if (!complete) ForgetPathOfPartialLoad();
}

namespace {

bool RunReader(ProjectFileFormat format, std::span<const unsigned char> afterMagic) {
  switch (format) {
    case ProjectFileFormat::Ytc:
      return ReadProjectFile(afterMagic);
    case ProjectFileFormat::Ytb:
      return ReadYtbFile(afterMagic);
    case ProjectFileFormat::Yta:
      return ReadYtaFile(afterMagic);
    case ProjectFileFormat::Yt8Diagnosis:
      return ReadYt8DiagnosisFile(afterMagic);
    case ProjectFileFormat::Yt8Retrofit:
      return ReadYt8RetrofitFile(afterMagic);
    case ProjectFileFormat::Unreadable:
      break;
  }
  return false;
}

}  // namespace

OpenResult OpenProjectFile(std::span<const unsigned char> file, const std::string& path) {
  const ProjectFileFormat format = IdentifyProjectFile(file, path);
  if (format == ProjectFileFormat::Unreadable) {
    MessageBox("読み込み出来ないファイルです。", "読み込みエラー", MB_ICONINFORMATION);
    return OpenResult::Unreadable;
  }
  CurrentFilePath = path;
  ResetModel(ResetBeforeLoad);
  const auto afterMagic = file.subspan(kMagicBytes);
  const bool complete = RunReader(format, afterMagic);
  bool somethingKept = false;
  if (!complete) {
    // A complete file sets what its layout holds and the rest stays, as the
    // older layouts expect. A refused one must not mix with the project open
    // before it (its client, its methods, its tables): it is read again over
    // the values the program starts with, and the reader stops at the same
    // place and keeps the same blocks. Whether it kept anything is judged
    // against those start values.
    RestoreProjectStartValues();
    ResetModel(ResetBeforeLoad);
    const std::vector<unsigned char> asReset = WriteProjectFile();
    RunReader(format, afterMagic);
    somethingKept = WriteProjectFile() != asReset;
  }
  FinishProjectLoad(complete);
  UpdateUsedExtents();
  if (complete) return OpenResult::Loaded;
  ShowRefusedLoadMessage(path, somethingKept);
  return OpenResult::Broken;
}

void ShowRefusedLoadMessage(const std::string& path, bool somethingKept) {
  const std::string what =
      somethingKept
          ? "読み込めた部分までを、無題のデータとして表示します。\n元のファイルは変更しません。"
          : "読み込めたデータはありません。無題の新しいデータを表示します。\n元のファイルは変更しません。";
  MessageBox("次のファイルはデータが異常なため、読み込みを途中で中止しました。\n\n" + path + "\n\n" + what,
             "読込ファイルエラー", MB_ICONEXCLAMATION);
}
