// File > Open without its dialogs: the reader chosen by the magic (only its
// first three bytes count) and, for "yt8", by the extension; an unreadable
// file is reported and changes nothing, also a "yt8" file of another
// extension; a readable one becomes the open project under its path.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "ProjectFileBytes.h"
#include "ProjectFileSupport.h"
#include "editing/ProjectLoad.h"
#include "files/ProjectFile.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/ModelExtents.h"
#include "model/ViewState.h"

namespace {

using ProjectFileOpenTest = ModelTest;

std::vector<unsigned char> Magic(std::string_view bytes) { return {bytes.begin(), bytes.end()}; }

TEST_F(ProjectFileOpenTest, FormatByMagicAndExtension) {
  struct Case {
    std::string_view magic;
    const char* path;
    ProjectFileFormat format;
  } cases[] = {
      {{"ytc\0", 4}, "a.tyc", ProjectFileFormat::Ytc},
      {"ytcX", "a.ty3", ProjectFileFormat::Ytc},  // the fourth byte is replaced by NUL
      {{"ytb\0", 4}, "a.tyb", ProjectFileFormat::Ytb},
      {{"yta\0", 4}, "a.ty2", ProjectFileFormat::Yta},
      {{"yt8\0", 4}, "/p/a.ty0", ProjectFileFormat::Yt8Diagnosis},
      {{"yt8\0", 4}, "C:\\P\\A.TY0", ProjectFileFormat::Yt8Diagnosis},
      {{"yt8\0", 4}, "a.Ty2", ProjectFileFormat::Yt8Retrofit},
      {{"yt8\0", 4}, "a.tyc", ProjectFileFormat::Unreadable},
      {{"yt8\0", 4}, "a.ty0.bak", ProjectFileFormat::Unreadable},
      {{"yt8\0", 4}, "ty0", ProjectFileFormat::Unreadable},
      {{"yt8\0", 4}, "dir.ty0/a", ProjectFileFormat::Unreadable},
      {{"YTC\0", 4}, "a.tyc", ProjectFileFormat::Unreadable},
      {{"yt\0c", 4}, "a.tyc", ProjectFileFormat::Unreadable},
      {{"yd1\0", 4}, "a.yd1", ProjectFileFormat::Unreadable},
      {"ytc", "a.tyc", ProjectFileFormat::Unreadable},  // shorter than the magic
      {"", "a.tyc", ProjectFileFormat::Unreadable},
  };
  for (const Case& c : cases) EXPECT_EQ(IdentifyProjectFile(Magic(c.magic), c.path), c.format) << c.path;
}

TEST_F(ProjectFileOpenTest, UnreadableFileIsReportedAndChangesNothing) {
  const Yt8File diagnosis;
  const std::vector<unsigned char> yt8 = diagnosis.Build();
  struct Case {
    std::vector<unsigned char> file;
    const char* path;
  } cases[] = {
      {Magic({"xyz\0", 4}), "a.tyc"},
      {Magic("yt"), "a.tyc"},
      {yt8, "a.txt"},  // a valid diagnosis file under a name no reader takes
      {yt8, "a.ty3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    WallCount[0][1] = 4;
    ProjectSettings.RegionFactorZ = 0.7;
    CurrentFilePath = "/home/eng/open.tyc";
    CurrentVariant = 2;
    ModifiedFlag = 1;
    boxes = ScriptedMessageBox();
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    boxes.Expect("読み込みエラー", IDOK);
    EXPECT_EQ(OpenProjectFile(c.file, c.path), OpenResult::Unreadable);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "読み込み出来ないファイルです。");
    EXPECT_EQ(boxes.Calls()[0].flags, 64);
    EXPECT_EQ(WallCount[0][1], 4);
    EXPECT_EQ(ProjectSettings.RegionFactorZ, 0.7);
    EXPECT_EQ(CurrentFilePath, "/home/eng/open.tyc");
    EXPECT_EQ(CurrentVariant, 2);
    EXPECT_EQ(ModifiedFlag, 1);
  }
}

TEST_F(ProjectFileOpenTest, ReadableFileBecomesTheOpenProject) {
  Columns[1][0][0] = ColumnRecord{0, 12, 30, 1, 0, 0, 0, 0, 0, 2};
  ColumnCount[1][0] = 1;
  CurrentVariant = 1;
  std::vector<unsigned char> file = WriteProjectFile();
  file[3] = 'X';
  ResetModel(ResetForNewProject);
  WallCount[2][2] = 7;
  ModifiedFlag = 1;

  EXPECT_EQ(OpenProjectFile(file, "/home/eng/田中邸.tyc"), OpenResult::Loaded);
  EXPECT_EQ(CurrentFilePath, "/home/eng/田中邸.tyc");
  EXPECT_EQ(WindowTitle, "Quilmora2025 [/home/eng/田中邸.tyc]");
  EXPECT_EQ(ModifiedFlag, 0);
  EXPECT_EQ(WallCount[2][2], 0);
  EXPECT_EQ(ColumnCount[1][0], 1);
  EXPECT_EQ(CurrentVariant, 1);
  EXPECT_EQ(UsedExtentMinX[1][0], 12);  // the used extents follow the loaded project
  EXPECT_EQ(UsedExtentMaxY[1][0], 30);
}

TEST_F(ProjectFileOpenTest, ExtensionChoosesTheOldestLayout) {
  const std::vector<unsigned char> diagnosis = Yt8File().Build();
  EXPECT_EQ(OpenProjectFile(diagnosis, "old.TY0"), OpenResult::Loaded);
  EXPECT_EQ(ProjectSettings.DiagnosisMethod, 2);

  // The same bytes read as the longer retrofit layout end early; what was
  // read before the end changed nothing of the reset model.
  boxes.Expect("読込ファイルエラー", IDOK);
  EXPECT_EQ(OpenProjectFile(diagnosis, "old.ty2"), OpenResult::Broken);
  ExpectOneRefusedLoadMessage(boxes, "old.ty2", false);
  // The partial model keeps no path, so no overwrite can reach the file.
  EXPECT_EQ(CurrentFilePath, UntitledFilePath);
  EXPECT_EQ(WindowTitle, "Quilmora2025 [無題]");
  EXPECT_EQ(ModifiedFlag, 1);
}

}  // namespace
