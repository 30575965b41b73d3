// File > New, File > Open, Overwrite and Save: the questions before unsaved
// edits are dropped, the choice of the reader by the magic, the steps after a
// load (recentring, variant radio, outline dialog, the current state's
// results), the backup of a replaced file, and saves that fail: reported,
// with the path, the title and ModifiedFlag left as they were.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cmath>
#include <optional>

#include "../core/ProjectFileBytes.h"
#include "GuiFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/WallLines.h"
#include "editing/SlotCopy.h"
#include "files/ProjectFile.h"
#include "mainwindow/ToolPalette.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ViewState.h"
#include "platform/FileAccess.h"
#include "presentation/MainWindowPort.h"

namespace {

const char* const kUnreadable = "読み込み出来ないファイルです。";
const char* const kRecentreCaption = "データ位置の問い合わせ";

std::string Ints(std::initializer_list<int> values, bool nul = false) {
  Bytes b;
  for (int v : values) b.Int(v, 5);
  if (nul) b.Nul();
  return {b.data.begin(), b.data.end()};
}

void PutColumn(int v, int s, int32_t x, int32_t y) {
  const int32_t n = ColumnCount[v][s]++;
  Columns[v][s][n] = ColumnRecord{};
  Columns[v][s][n].X = x, Columns[v][s][n].Y = y, Columns[v][s][n].Type = 1;
}

void PutWall(int v, int s, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const int32_t n = WallCount[v][s]++;
  Walls[v][s][n] = WallRecord{};
  Walls[v][s][n].X1 = x1, Walls[v][s][n].Y1 = y1, Walls[v][s][n].X2 = x2, Walls[v][s][n].Y2 = y2;
}

std::string Text(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, bytes, nullptr)) return "<none>";
  return {bytes.begin(), bytes.end()};
}

std::string Title() { return QuilmoraForm->windowTitle().toStdString(); }

class FileCommandsTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
  }
  void TearDown() override {
    EXPECT_EQ(boxes.Pending(), 0u) << "a message box expected was not shown";
    EXPECT_EQ(dialogs.Pending(), 0u) << "a dialog expected was not shown";
    GuiTest::TearDown();
  }

  std::string PathOf(const char* name) const {
    return folder.filePath(QString::fromUtf8(name)).toStdString();
  }
  std::string Put(const char* name, const std::vector<unsigned char>& bytes) const {
    const std::string path = PathOf(name);
    EXPECT_TRUE(WriteWholeFile(path, bytes.data(), bytes.size(), nullptr));
    return path;
  }
  std::string Put(const char* name, std::string_view bytes) const {
    return Put(name, std::vector<unsigned char>(bytes.begin(), bytes.end()));
  }

  static void Trigger(const char* item) {
    QAction* action = QuilmoraForm->findChild<QAction*>(QString::fromLatin1(item));
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
  }
  void ExpectOutlineOk() {
    dialogs.Expect("gaiyouDlg", [](QDialog& dialog) {
      EXPECT_EQ(OutlineConfirmationPending, 1);
      ClickButton("OKBtn")(dialog);
    });
  }
  // A project of the current layout whose model is then cleared again.
  static std::vector<unsigned char> ProjectWithColumnAt(int32_t x, int32_t y) {
    PutColumn(0, 0, x, y);
    std::vector<unsigned char> bytes = WriteProjectFile();
    ColumnCount[0][0] = 0;
    return bytes;
  }

  QTemporaryDir folder;
};

// File > New.

TEST_F(FileCommandsTest, NewAsksAboutUnsavedEditsThenStartsAnUntitledProject) {
  const struct {
    int modified;
    std::optional<int> answer;
    bool resets;
  } cases[] = {{0, std::nullopt, true}, {1, IDYES, true}, {1, IDNO, false}};
  for (const auto& c : cases) {
    CurrentFilePath = "/p/plan.tyc";
    UpdateWindowTitle();
    RefreshMainWindow();
    PutColumn(1, 0, 90, 90);
    QuilmoraForm->Rkabe->setChecked(true);
    ModifiedFlag = c.modified;
    const std::size_t calls = boxes.Calls().size();
    if (c.answer) boxes.Expect("終了", *c.answer);
    if (c.resets) ExpectOutlineOk();
    Trigger("FileNewItem");

    if (c.answer) {
      ASSERT_EQ(boxes.Calls().size(), calls + 1);
      EXPECT_EQ(boxes.Calls().back().text,
                "現在の編集データは破棄されます。\n\n破棄して新規作成する。　　　　　　　はい\n\n保存するので"
                "新規作成を中止"
                "する　　　いいえ");
      EXPECT_EQ(boxes.Calls().back().flags, 36);
    } else {
      EXPECT_EQ(boxes.Calls().size(), calls);
    }
    if (c.resets) {
      EXPECT_EQ(ColumnCount[1][0], 0);
      EXPECT_EQ(CurrentFilePath, "無題");
      EXPECT_EQ(Title(), "Quilmora2025 [無題]");
      EXPECT_EQ(CurrentEditMode, EditModeNone);
      EXPECT_FALSE(DkabeDlg->isVisible());
      EXPECT_EQ(ModifiedFlag, 0);
      EXPECT_EQ(OutlineConfirmationPending, 0);
      EXPECT_EQ(dialogs.Shown().back(), "gaiyouDlg");
    } else {
      EXPECT_EQ(ColumnCount[1][0], 1);
      EXPECT_EQ(CurrentFilePath, "/p/plan.tyc");
      EXPECT_EQ(CurrentEditMode, EditModeWalls);
      EXPECT_EQ(ModifiedFlag, 1);
      ColumnCount[1][0] = 0;
    }
  }
}

// File > Open.

TEST_F(FileCommandsTest, OpenWithUnsavedEditsAndNoChangesNothing) {
  QuilmoraForm->Rkabe->setChecked(true);
  PutColumn(0, 0, 90, 90);
  ModifiedFlag = 1;
  boxes.Expect("読込", IDNO);
  Trigger("FileOpenItem");
  EXPECT_EQ(boxes.Calls().back().text,
            "別のデータを読み込むと現在の編集データは破棄されます。\n\n破棄して読み込む　　　　　　　　　　は"
            "い\n\n保存す"
            "るので読み込みを中止する　　　いいえ");
  EXPECT_EQ(boxes.Calls().back().flags, 36);
  EXPECT_TRUE(files.Requests().empty());
  EXPECT_EQ(CurrentEditMode, EditModeWalls);
  EXPECT_TRUE(DkabeDlg->isVisible());
  EXPECT_EQ(ColumnCount[0][0], 1);
}

TEST_F(FileCommandsTest, ACancelledOpenDialogKeepsTheModelAndStillRecentresAndConfirmsTheOutline) {
  QuilmoraForm->Rkabe->setChecked(true);
  CurrentFilePath = "/p/plan.tyc";
  PutColumn(0, 0, 20, 180);
  PushUndo();  // a snapshot numbered for the grid before the move
  ASSERT_TRUE(QuilmoraForm->Bmodoru->isEnabled());
  ModifiedFlag = 1;
  boxes.Expect("読込", IDYES).Expect(kRecentreCaption, IDYES);
  files.Answer(std::nullopt);
  ExpectOutlineOk();
  Trigger("FileOpenItem");

  ASSERT_EQ(files.Requests().size(), 1u);
  EXPECT_FALSE(files.Requests()[0].Save);
  EXPECT_EQ(files.Requests()[0].Filter,
            "改修ファイル (*.tyc)|*.tyc|2012年診断ファイル (*.tyb)|*.tyb|2004診断ファイル "
            "(*.ty0)|*.ty0|2012年版改修ファイ"
            "ル(*.ty3)|*.ty3|2004年版改修ファイル(*.ty2)|*.ty2|すべてのファイル (*.*)|*.*");
  EXPECT_EQ(CurrentEditMode, EditModeNone);
  EXPECT_FALSE(DkabeDlg->isVisible());
  EXPECT_EQ(CurrentFilePath, "/p/plan.tyc");
  EXPECT_EQ(ModifiedFlag, 1);
  // Moved to the middle; the snapshot of the old numbering is gone.
  EXPECT_EQ(Columns[0][0][0].X, 100);
  EXPECT_EQ(Columns[0][0][0].Y, 99);
  EXPECT_FALSE(QuilmoraForm->Bmodoru->isEnabled());
  QuilmoraForm->Bmodoru->click();
  EXPECT_EQ(Columns[0][0][0].X, 100);
}

TEST_F(FileCommandsTest, AnUnreadableFileIsReportedAndChangesNothing) {
  const struct {
    const char* name;
    std::optional<std::string_view> bytes;  // none: no such file
  } cases[] = {
      {"notes.tyc", std::string_view("abcd and more", 13)},
      {"old.ty3", std::string_view("yt8\0rest", 8)},  // "yt8" needs .ty0 or .ty2
      {"short.tyc", std::string_view("yt", 2)},
      {"missing.tyc", std::nullopt},
  };
  CurrentFilePath = "/p/plan.tyc";
  UpdateWindowTitle();
  RefreshMainWindow();
  PutColumn(0, 0, 99, 99);
  for (const auto& c : cases) {
    const std::string path = c.bytes ? Put(c.name, *c.bytes) : PathOf(c.name);
    const std::size_t shown = dialogs.Shown().size();
    files.Answer(path);
    boxes.Expect("読み込みエラー", IDOK);
    Trigger("FileOpenItem");
    EXPECT_EQ(boxes.Calls().back().text, kUnreadable) << c.name;
    EXPECT_EQ(boxes.Calls().back().flags, 64);
    EXPECT_EQ(CurrentFilePath, "/p/plan.tyc") << c.name;
    EXPECT_EQ(Title(), "Quilmora2025 [/p/plan.tyc]");
    EXPECT_EQ(ColumnCount[0][0], 1) << c.name;
    EXPECT_EQ(dialogs.Shown().size(), shown) << "the command stops: no outline dialog";
  }
}

// File > Open leaves the edit mode but not the check mark of its radio: a
// click on that radio, which changes no check, takes the mode up again.
TEST_F(FileCommandsTest, TheCheckedModeRadioWorksAfterACancelledOrRefusedOpen) {
  const struct {
    const char* what;
    bool refused;
  } cases[] = {{"cancelled", false}, {"refused", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QuilmoraForm->Rkabe->click();
    ASSERT_TRUE(DkabeDlg->isVisible());
    if (c.refused) {
      files.Answer(Put("notes.tyc", std::string_view("abcd and more", 13)));
      boxes.Expect("読み込みエラー", IDOK);
    } else {
      files.Answer(std::nullopt);
      ExpectOutlineOk();
    }
    Trigger("FileOpenItem");
    ASSERT_EQ(CurrentEditMode, EditModeNone);
    ASSERT_TRUE(QuilmoraForm->Rkabe->isChecked());
    EXPECT_FALSE(DkabeDlg->isVisible());
    QuilmoraForm->Rkabe->click();
    EXPECT_EQ(CurrentEditMode, EditModeWalls);
    EXPECT_TRUE(DkabeDlg->isVisible());
  }
}

TEST_F(FileCommandsTest, EveryFormatIsReadByTheReaderOfItsMagic) {
  OldProjectFile ytb, yta;
  ytb.lines[0] = {Ints({0, 98, 100, 1, 2, 0, 1, 35, 2})};
  yta.yta = true;
  yta.lines[0] = ytb.lines[0];
  // The oldest layout numbers its axes from 50 on the new grid.
  Yt8File diagnosis, retrofit;
  retrofit.retrofit = true;
  for (Yt8File* f : {&diagnosis, &retrofit})
    for (int i = 0; i < 100; ++i) f->storedX[i] = f->storedY[i] = i * 0.91;
  diagnosis.lines[Yt8Column][0] = {Ints({48, 50, 1, 0}, true)};
  retrofit.lines[Yt8Column][0] = {Ints({48, 50, 1, 0, 2}, true)};
  const struct {
    const char* name;
    std::vector<unsigned char> bytes;
  } cases[] = {
      {"plan.tyc", ProjectWithColumnAt(98, 100)},
      {"plan2012.tyb", ytb.Build()},
      {"any name.ty3", yta.Build()},   // "yta" whatever the extension
      {"old.TY0", diagnosis.Build()},  // the extension's case does not count
      {"old retrofit.ty2", retrofit.Build()},
  };
  for (const auto& c : cases) {
    const std::string path = Put(c.name, c.bytes);
    PutWall(1, 0, 90, 90, 92, 90);  // what the previous project held
    ModifiedFlag = 0;
    files.Answer(path);
    ExpectOutlineOk();
    Trigger("FileOpenItem");
    EXPECT_EQ(CurrentFilePath, path) << c.name;
    EXPECT_EQ(Title(), "Quilmora2025 [" + path + "]");
    EXPECT_EQ(WallCount[1][0], 0) << c.name;
    ASSERT_EQ(ColumnCount[0][0], 1) << c.name;
    EXPECT_EQ(Columns[0][0][0].X, 98) << c.name;
    EXPECT_EQ(Columns[0][0][0].Y, 100) << c.name;
    EXPECT_EQ(ModifiedFlag, 0);
    EXPECT_EQ(GridSpacingCheckPending, 1);
  }
  EXPECT_TRUE(boxes.Calls().empty()) << "no file was reported broken";
}

TEST_F(FileCommandsTest, AFileOfABrokenProjectIsReportedAndTheOtherStepsStillRun) {
  const std::string path = Put("cut.tyc", std::string_view("ytc\0    0", 9));
  files.Answer(path);
  boxes.Expect("読込ファイルエラー", IDOK);
  ExpectOutlineOk();
  Trigger("FileOpenItem");
  // What was read stays, but not the file's path.
  EXPECT_EQ(CurrentFilePath, "無題");
  EXPECT_EQ(Title(), "Quilmora2025 [無題]");
  EXPECT_EQ(ModifiedFlag, 1);
}

TEST_F(FileCommandsTest, AProjectSavedOnARetrofitPlanOpensOnItAndComputesTheCurrentState) {
  // The project open before: three X walls in the current state, computed.
  for (int y : {95, 97, 99}) PutWall(0, 0, 98, y, 100, y);
  QuilmoraForm->InvalidateSheet();
  ASSERT_TRUE(ProcessUntil([] { return XWallCount[0][0] == 3; }));

  // The file: one X wall five axes long and one Y wall, saved on 改修案２.
  WallCount[0][0] = 0;
  PutWall(0, 0, 95, 99, 100, 99);
  PutWall(0, 0, 95, 96, 95, 99);
  PutWall(2, 0, 95, 99, 100, 99);
  CurrentVariant = 2;
  const std::vector<unsigned char> project = WriteProjectFile();
  CurrentVariant = 0;
  WallCount[0][0] = WallCount[2][0] = 0;
  const std::string path = Put("retrofit.tyc", project);

  files.Answer(path);
  ExpectOutlineOk();
  Trigger("FileOpenItem");
  EXPECT_EQ(CurrentVariant, 2);
  EXPECT_TRUE(QuilmoraForm->Rkaishu2->isChecked());
  EXPECT_EQ(QuilmoraForm->StaticText1->text(), QStringLiteral("改修案２"));
  // The wall lines and results of the current state are those of the file.
  EXPECT_EQ(XWallCount[0][0], 1);
  EXPECT_EQ(YWallCount[0][0], 1);
  EXPECT_NEAR(WallResults[0][0][0].Blocks[0].Length, 5 * 0.91, 1e-9);
  EXPECT_NEAR(WallResults[0][0][1].Blocks[0].Length, 3 * 0.91, 1e-9);
}

// Overwrite.

TEST_F(FileCommandsTest, OverwriteOfAnUntitledProjectAsksForSaveAs) {
  ModifiedFlag = 1;
  boxes.Expect("ファイル名がありません", IDOK);
  Trigger("FileSaveItem");
  EXPECT_EQ(boxes.Calls().back().text, "「名前を付けて保存」でファイル名を付けて下さい。");
  EXPECT_EQ(boxes.Calls().back().flags, 64);
  EXPECT_EQ(ModifiedFlag, 1);
}

TEST_F(FileCommandsTest, OverwriteWritesTycBesideTheOpenFileAndKeepsTheReplacedOneAsBak) {
  const std::string ty3 = Put("plan.ty3", std::string_view("old ty3"));
  const std::string tyc = Put("plan.tyc", std::string_view("old tyc"));
  PutColumn(0, 0, 99, 99);
  const struct {
    const char* what;
    std::string path;
    std::string written;
    const char* backup;  // content of plan.BAK afterwards
  } cases[] = {
      {".ty3 project", ty3, tyc, "old tyc"},
      {"again, now .tyc", tyc, tyc, nullptr},  // the first overwrite's file
      {"no earlier file", PathOf("new.TYC"), PathOf("new.tyc"), nullptr},
  };
  std::string firstWrite;
  for (const auto& c : cases) {
    CurrentFilePath = c.path;
    ModifiedFlag = 1;
    boxes.Expect("上書き保存", IDOK);
    Trigger("FileSaveItem");
    EXPECT_EQ(boxes.Calls().back().text,
              "同名のファイル名で保存しました。\n\n元のファイルはＢＡＫファイルにリネームしました。");
    EXPECT_EQ(boxes.Calls().back().flags, 64);
    EXPECT_EQ(CurrentFilePath, c.written) << c.what;
    EXPECT_EQ(Title(), "Quilmora2025 [" + c.written + "]");
    EXPECT_EQ(ModifiedFlag, 0);
    const std::vector<unsigned char> expected = WriteProjectFile();
    EXPECT_EQ(Text(c.written), std::string(expected.begin(), expected.end())) << c.what;
    if (c.backup) {
      EXPECT_EQ(Text(PathOf("plan.BAK")), c.backup);
    }
    if (firstWrite.empty()) firstWrite = Text(tyc);
  }
  EXPECT_EQ(Text(ty3), "old ty3");
  EXPECT_EQ(Text(PathOf("plan.BAK")), firstWrite);
  EXPECT_EQ(Text(PathOf("new.BAK")), "<none>");
}

// Save with the dialog.

TEST_F(FileCommandsTest, SaveAsksForTheNameAndKeepsTheReplacedFileAsBak) {
  const std::string path = Put("家 1.tyc", std::string_view("older"));
  PutColumn(0, 0, 99, 99);
  // Cancelled first, from an untitled project.
  ModifiedFlag = 1;
  files.Answer(std::nullopt);
  QuilmoraForm->Bhozon->click();
  EXPECT_EQ(ModifiedFlag, 1);
  EXPECT_EQ(CurrentFilePath, "無題");

  CurrentFilePath = "/elsewhere/家.ty2";
  files.Answer(path);
  Trigger("FileSaveAsItem");
  ASSERT_EQ(files.Requests().size(), 2u);
  for (const FileDialogRequest& request : files.Requests()) {
    EXPECT_TRUE(request.Save);
    EXPECT_EQ(request.DefaultSuffix, "tyc");
    EXPECT_EQ(request.Filter,
              "耐震ファイル (*.tyc)|*.tyc|耐震ファイル (*.ty3)|*.ty3|耐震ファイル "
              "(*.ty2)|*.ty2|すべてのファイル (*.*)|*.*");
  }
  EXPECT_EQ(files.Requests()[0].FileName, "");
  EXPECT_EQ(files.Requests()[1].FileName, "/elsewhere/家.ty2");
  EXPECT_EQ(CurrentFilePath, path);
  EXPECT_EQ(Title(), "Quilmora2025 [" + path + "]");
  EXPECT_EQ(ModifiedFlag, 0);
  const std::vector<unsigned char> expected = WriteProjectFile();
  EXPECT_EQ(Text(path), std::string(expected.begin(), expected.end()));
  EXPECT_EQ(Text(PathOf("家 1.BAK")), "older");
  EXPECT_TRUE(boxes.Calls().empty()) << "Save tells nothing";
  // The next paint disables the overwrite button.
  ASSERT_TRUE(ProcessUntil([] { return !QuilmoraForm->Buwagaki->isEnabled(); }));
}

TEST_F(FileCommandsTest, AFailedSaveIsReportedAndTheProjectStaysModified) {
  const std::string missing = PathOf("no such folder/plan.tyc");
  const struct {
    const char* what;
    const char* item;
    std::string currentPath;
    std::optional<std::string> dialogAnswer;
  } cases[] = {
      {"save", "FileSaveAsItem", "無題", missing},
      {"overwrite", "FileSaveItem", PathOf("no such folder/plan.ty3"), std::nullopt},
  };
  for (const auto& c : cases) {
    CurrentFilePath = c.currentPath;
    UpdateWindowTitle();
    RefreshMainWindow();
    const std::string title = Title();
    ModifiedFlag = 1;
    if (c.dialogAnswer) files.Answer(*c.dialogAnswer);
    boxes.Expect("保存エラー", IDOK);
    Trigger(c.item);
    EXPECT_EQ(boxes.Calls().back().flags, 16) << c.what;
    EXPECT_EQ(boxes.Calls().back().text, "保存できませんでした。\nNo such file or directory\n\n" + missing)
        << c.what;
    EXPECT_EQ(ModifiedFlag, 1) << c.what;
    EXPECT_EQ(CurrentFilePath, c.currentPath) << c.what;
    EXPECT_EQ(Title(), title) << c.what;
  }
}

}  // namespace
