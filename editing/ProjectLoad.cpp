#include "editing/ProjectLoad.h"

#include <vector>

#include "editing/ModelReset.h"
#include "files/ProjectFile.h"
#include "model/FileState.h"
#include "model/FoundationClass.h"
#include "model/ModelExtents.h"
#include "platform/MessageBox.h"
#include "presentation/MainWindowPort.h"

void FinishProjectLoad(bool complete) {
  DeriveFoundationClass();
  // The variant panel tells the loaded variant and its weight class.
  SetVariantPanel();
  if (!complete) ForgetPathOfPartialLoad();
}

OpenResult OpenProjectFile(std::span<const unsigned char> file, const std::string& path) {
  const ProjectFileFormat format = IdentifyProjectFile(file, path);
  if (format == ProjectFileFormat::Unreadable) {
    MessageBox("読み込み出来ないファイルです。", "読み込みエラー", MB_ICONINFORMATION);
    return OpenResult::Unreadable;
  }
  CurrentFilePath = path;
  ResetModel(ResetBeforeLoad);
  const auto afterMagic = file.subspan(ProjectFileMagicBytes);
  const bool complete = RunProjectFileReader(format, afterMagic);
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
    RunProjectFileReader(format, afterMagic);
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
