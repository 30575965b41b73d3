// Edits that change what the project file stores mark the project modified,
// so that 上書 is offered and Exit asks before dropping them; a dialog left by
// キャンセル or its close box marks nothing. A project whose reading stopped
// at damage keeps what was read but not its path, so that nothing can be
// written over the file it came from. After a load the derived settings and
// the variant radio follow the project read.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "GuiFixture.h"
#include "analysis/AnalysisResults.h"
#include "editing/ClickInput.h"
#include "editing/ModelReset.h"
#include "files/ProjectFile.h"
#include "mainwindow/CopyDialog.h"
#include "mainwindow/GridToolWindow.h"
#include "mainwindow/ModuleDialog.h"
#include "mainwindow/PlanScrollBox.h"
#include "mainwindow/WallQuantityDialog.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/FileAccess.h"
#include "presentation/ResultsPanel.h"

namespace {

constexpr int kExitQuestionFlags = 35;  // MB_YESNOCANCEL | MB_ICONQUESTION

std::vector<unsigned char> Read(const std::string& path) {
  std::vector<unsigned char> bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes, nullptr)) << path;
  return bytes;
}

std::string Title() { return QuilmoraForm->windowTitle().toStdString(); }

void Repaint() {
  TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  const int paints = gamen->FullPaintCount();
  gamen->Invalidate();
  ASSERT_TRUE(ProcessUntil([&] { return gamen->FullPaintCount() > paints; }));
  QCoreApplication::processEvents();
}

void Trigger(const char* item) {
  QAction* action = QuilmoraForm->findChild<QAction*>(QString::fromLatin1(item));
  ASSERT_NE(action, nullptr) << item;
  action->trigger();
}

// Releases the left button 5 px right of and 4 px above grid point (i, j).
void ClickAt(int i, int j) {
  TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  const int x = static_cast<int>(GridAxisX[i] * PixelsPerMetre) + 5 - gamen->HorzScrollPosition();
  const int y = static_cast<int>(GridAxisY[j] * PixelsPerMetre) - 4 - gamen->VertScrollPosition();
  QTest::mouseClick(gamen->viewport(), Qt::LeftButton, {}, QPoint(x, y));
}

// The texts of every label of the results panel, in table order.
std::vector<QString> PanelTexts() {
  std::vector<QString> texts;
  for (const PanelLabelEntry& entry : PanelLabels) {
    auto* label = QuilmoraForm->findChild<QLabel*>(QString::fromLatin1(entry.Name));
    texts.push_back(label ? label->text() : QStringLiteral("<missing>"));
  }
  return texts;
}

class UnsavedEditsTest : public GuiTest {
 protected:
  void TearDown() override {
    EXPECT_EQ(boxes.Pending(), 0u) << "a message box expected was not shown";
    EXPECT_EQ(dialogs.Pending(), 0u) << "a dialog expected was not shown";
    GuiTest::TearDown();
  }

  // Writes the model as a project file into the temporary folder.
  std::string SaveModelAs(const char* name) {
    const std::string path = folder.filePath(QString::fromUtf8(name)).toStdString();
    const std::vector<unsigned char> bytes = WriteProjectFile();
    EXPECT_TRUE(WriteWholeFile(path, bytes.data(), bytes.size(), nullptr));
    return path;
  }

  // Exit asks (flags 35) and, answered キャンセル, keeps the window.
  void ExpectExitAsks(const char* what) {
    const std::size_t calls = boxes.Calls().size();
    boxes.Expect("終了", IDCANCEL);
    Trigger("FileExitItem");
    ASSERT_GT(boxes.Calls().size(), calls) << what << ": Exit did not ask";
    EXPECT_EQ(boxes.Calls().at(calls).flags, kExitQuestionFlags) << what;
    EXPECT_TRUE(QuilmoraForm->isVisible()) << what;
  }

  QTemporaryDir folder;
};

// A small model that every edit of the table can work on: two walls on each
// storey of the current state and one on the first storey of 改修案１.
void PutWalls() {
  for (int v = 0; v < 2; ++v)
    for (int s = 0; s < (v == 0 ? 2 : 1); ++s)
      for (int y : {98, 100}) {
        WallRecord& w = Walls[v][s][WallCount[v][s]++];
        w = WallRecord{};
        w.X1 = 98, w.Y1 = y, w.X2 = 100, w.Y2 = y;
        w.PanelLeft = 3, w.BraceKind = 4;
      }
}

TEST_F(UnsavedEditsTest, EveryEditOfTheStoredModelMarksItModifiedAndExitAsks) {
  StartProgram();
  PutWalls();
  using Edit = std::function<void(ScriptedModalDialogs&)>;
  const auto copyDialog = [](std::function<void(TDcopyDlg&)> play) {
    return [play](ScriptedModalDialogs& dialogs) {
      dialogs.Expect("DcopyDlg", [play](QDialog& d) { play(static_cast<TDcopyDlg&>(d)); });
      QuilmoraForm->Bgennkyou->click();
    };
  };
  const struct {
    const char* what;
    Edit edit;
  } cases[] = {
      {"copy", copyDialog([](TDcopyDlg& d) {
         d.Rmc->setChecked(true);
         d.OKBtn->click();
       })},
      {"swap", copyDialog([](TDcopyDlg& d) {
         d.Rmp->setChecked(true);
         d.OKBtn->click();
       })},
      {"データ削除, then the close box", copyDialog([](TDcopyDlg& d) {
         d.Bdelete->click();
         d.close();
       })},
      {"壁耐力要素削除, then キャンセル", copyDialog([](TDcopyDlg& d) {
         d.Byousodelete->click();
         d.CancelBtn->click();
       })},
      {"floor areas by hand",
       [](ScriptedModalDialogs& dialogs) {
         dialogs.Expect("kaberyouDlg", [](QDialog& d) {
           auto& dlg = static_cast<TkaberyouDlg&>(d);
           if (!dlg.Cyukamenshuusei->isChecked()) dlg.Cyukamenshuusei->click();
           dlg.AreaEdit(0, 1, 0)->setText(QStringLiteral("31.5"));
           dlg.OKBtn->click();
         });
         QuilmoraForm->Bkaberyou->click();
       }},
      {"90° turn", [](ScriptedModalDialogs&) { DtoorishinnDlg->Bkaiten->click(); }},
      {"module change",
       [](ScriptedModalDialogs& dialogs) {
         dialogs.Expect("DmoduleDlg", [](QDialog& d) {
           auto& dlg = static_cast<TDmoduleDlg&>(d);
           dlg.Cmodule->setEditText(QStringLiteral("1.000"));
           dlg.OKBtn->click();
         });
         DtoorishinnDlg->Bikkatsu->click();
       }},
      {"grid edit (an axis kind cycled)",
       [](ScriptedModalDialogs&) {
         QuilmoraForm->Rtoorishin->click();
         DtoorishinnDlg->Rdel->click();
         ClickAt(QuilmoraForm->Gamen->HorzScrollPosition() / 48 + 3,
                 QuilmoraForm->Gamen->VertScrollPosition() / 48 + 3);
       }},
  };
  for (const auto& c : cases) {
    if (c.what == std::string("データ削除, then the close box")) boxes.Expect("データ消去の確認", IDYES);
    if (c.what == std::string("壁耐力要素削除, then キャンセル")) boxes.Expect("データ消去の確認", IDYES);
    ModifiedFlag = 0;
    Repaint();
    ASSERT_FALSE(QuilmoraForm->Buwagaki->isEnabled()) << c.what;
    c.edit(dialogs);
    EXPECT_EQ(dialogs.Pending(), 0u) << c.what;
    EXPECT_EQ(ModifiedFlag, 1) << c.what;
    Repaint();
    EXPECT_TRUE(QuilmoraForm->Buwagaki->isEnabled()) << c.what;
    ExpectExitAsks(c.what);
  }
}

TEST_F(UnsavedEditsTest, CancelledDialogsAndDeclinedQuestionsLeaveTheFlagAsItWas) {
  StartProgram();
  PutWalls();
  const double module = GridModule;
  const struct {
    const char* dialog;
    ScriptedModalDialogs::Action play;
    QPushButton* button;
  } cases[] = {
      {"DcopyDlg", ClickButton("CancelBtn"), QuilmoraForm->Bgennkyou},
      {"DcopyDlg", CloseBox(), QuilmoraForm->Bgennkyou},
      {"DcopyDlg",
       [](QDialog& d) {
         static_cast<TDcopyDlg&>(d).Bdelete->click();  // answered いいえ
         d.close();
       },
       QuilmoraForm->Bgennkyou},
      {"kaberyouDlg",
       [](QDialog& d) {
         auto& dlg = static_cast<TkaberyouDlg&>(d);
         dlg.Cyukamenshuusei->click();
         dlg.AreaEdit(0, 0, 0)->setText(QStringLiteral("44"));
         dlg.CancelBtn->click();
       },
       QuilmoraForm->Bkaberyou},
      {"kaberyouDlg", CloseBox(), QuilmoraForm->Bkaberyou},
      {"DmoduleDlg",
       [](QDialog& d) {
         static_cast<TDmoduleDlg&>(d).Cmodule->setEditText(QStringLiteral("1.000"));
         ClickButton("CancelBtn")(d);
       },
       DtoorishinnDlg->Bikkatsu},
      {"DmoduleDlg", CloseBox(), DtoorishinnDlg->Bikkatsu},
  };
  int i = 0;
  for (const auto& c : cases) {
    for (int before : {0, 1}) {
      if (i == 2) boxes.Expect("データ消去の確認", IDNO);
      ModifiedFlag = before;
      dialogs.Expect(c.dialog, c.play);
      c.button->click();
      EXPECT_EQ(dialogs.Pending(), 0u) << c.dialog << " case " << i;
      EXPECT_EQ(ModifiedFlag, before) << c.dialog << " case " << i;
    }
    ++i;
  }
  EXPECT_EQ(WallCount[0][0], 2);
  EXPECT_EQ(GridModule, module);
}

TEST_F(UnsavedEditsTest, RecentringThatMovesTheOpenedModelMarksItModified) {
  StartProgram();
  LayOutGridAtModule();
  ColumnRecord& c = Columns[0][0][ColumnCount[0][0]++];
  c = ColumnRecord{};
  c.X = 20, c.Y = 180, c.Type = 1;
  const std::string path = SaveModelAs("corner.tyc");
  for (int answer : {IDNO, IDYES}) {
    ModifiedFlag = 0;
    files.Answer(path);
    boxes.Expect("データ位置の問い合わせ", answer);
    dialogs.Expect("gaiyouDlg", ClickButton("OKBtn"));
    Trigger("FileOpenItem");
    EXPECT_EQ(ModifiedFlag, answer == IDYES ? 1 : 0) << answer;
    EXPECT_EQ(Columns[0][0][0].X, answer == IDYES ? 100 : 20);
  }
  Repaint();
  EXPECT_TRUE(QuilmoraForm->Buwagaki->isEnabled());
  ExpectExitAsks("recentring");
}

// A project whose reading stops at damage: File > Open of the shared fixture
// (a "ytb" file whose last text ends in a lone high surrogate), and from the
// command line a current-layout file cut short. Either way the title names no
// file, the project is modified, and 上書 asks for a name instead of writing
// over the file.
TEST_F(UnsavedEditsTest, ABrokenProjectKeepsNoPathSoNothingIsWrittenOverIt) {
  const QString fixtures = QString::fromUtf8(QUILMORA_DAMAGED_FIXTURES_DIR);
  ASSERT_TRUE(QDir(fixtures).exists()) << "the damaged fixtures are missing: " << fixtures.toStdString();
  const std::string damaged = (fixtures + QStringLiteral("/ytb-trailing-high-surrogates.tyc")).toStdString();
  const std::vector<unsigned char> damagedBytes = Read(damaged);

  // A current-layout project cut in its element lists.
  std::vector<unsigned char> whole = Read((fixtures + QStringLiteral("/house2-client-ue.tyc")).toStdString());
  ASSERT_GT(whole.size(), 4000u);
  whole.resize(whole.size() * 2 / 3);
  const std::string cut = folder.filePath(QStringLiteral("cut.tyc")).toStdString();
  ASSERT_TRUE(WriteWholeFile(cut, whole.data(), whole.size(), nullptr));

  // From the command line.
  boxes.Expect("読込ファイルエラー", IDOK);
  StartProgram({QStringLiteral("Quilmora2025"), QString::fromStdString(cut)});
  ASSERT_EQ(boxes.Pending(), 0u);
  // The message names the file and tells that an untitled copy of what was read is shown.
  EXPECT_EQ(boxes.Calls().at(0).text,
            "次のファイルはデータが異常なため、読み込みを途中で中止しました。\n\n" + cut +
                "\n\n読み込めた部分までを、無題のデータとして表示します。\n元のファイルは変更しません。");
  EXPECT_EQ(Title(), "Quilmora2025 [無題]");
  EXPECT_EQ(CurrentFilePath, "無題");
  EXPECT_EQ(ModifiedFlag, 1);
  Repaint();
  EXPECT_TRUE(QuilmoraForm->Buwagaki->isEnabled());
  boxes.Expect("ファイル名がありません", IDOK);
  QuilmoraForm->Buwagaki->click();
  EXPECT_EQ(Read(cut), whole);

  // File > Open, asked first about the unsaved partial model.
  boxes.Expect("読込", IDYES);
  files.Answer(damaged);
  boxes.Expect("読込ファイルエラー", IDOK);
  dialogs.Expect("gaiyouDlg", ClickButton("OKBtn"));
  Trigger("FileOpenItem");
  ASSERT_EQ(boxes.Pending(), 0u);
  // Its first block is already damaged: nothing of it could be read.
  EXPECT_NE(boxes.Calls().back().text.find("\n\n" + damaged + "\n\n読み込めたデータはありません"),
            std::string::npos);
  EXPECT_EQ(Title(), "Quilmora2025 [無題]");
  EXPECT_EQ(ModifiedFlag, 1);
  Repaint();
  EXPECT_TRUE(QuilmoraForm->Buwagaki->isEnabled());
  boxes.Expect("ファイル名がありません", IDOK);
  QuilmoraForm->Buwagaki->click();
  EXPECT_EQ(Read(damaged), damagedBytes);
  // Exit asks about the partial model.
  ExpectExitAsks("broken project");
}

TEST_F(UnsavedEditsTest, AStrayPointOfAnotherModeNeverJoinsTheNextElement) {
  StartProgram();
  QuilmoraForm->Rkabe->click();
  ASSERT_TRUE(ProcessUntil([] { return !QuilmoraForm->Gamen->FullPaintDue(); }));
  const int gx = QuilmoraForm->Gamen->HorzScrollPosition() / 48 + 3;
  const int gy = QuilmoraForm->Gamen->VertScrollPosition() / 48 + 3;
  ClickAt(gx, gy + 3);  // one wall point, never finished
  ASSERT_EQ(PendingPointCount, 1);
  QuilmoraForm->Rkiso->click();
  ClickAt(gx, gy);
  ClickAt(gx + 4, gy);
  ASSERT_EQ(FoundationCount[0][0], 1);
  const FoundationRecord& f = Foundations[0][0][0];
  EXPECT_EQ(f.X1, gx);
  EXPECT_EQ(f.Y1, gy);
  EXPECT_EQ(f.X2, gx + 4);
  EXPECT_EQ(f.Y2, gy);
  EXPECT_EQ(WallCount[0][0], 0);
}

TEST_F(UnsavedEditsTest, ACommandLineProjectShowsTheRadioOfItsVariant) {
  LayOutGridAtModule();
  CurrentVariant = 1;  // saved with 改修案１ current
  PutWalls();
  const std::string path = SaveModelAs("plan 1.tyc");
  ResetModel(ResetForNewProject);
  StartProgram({QStringLiteral("Quilmora2025"), QString::fromStdString(path)});
  EXPECT_EQ(CurrentVariant, 1);
  EXPECT_TRUE(QuilmoraForm->Rkaishu1->isChecked());
  EXPECT_FALSE(QuilmoraForm->Rgenkyou->isChecked());
  QuilmoraForm->Rgenkyou->click();
  EXPECT_EQ(CurrentVariant, 0);
  EXPECT_TRUE(QuilmoraForm->Rgenkyou->isChecked());
}

// A two-storey house on a reinforced-concrete foundation without cracks
// (基礎Ⅰ): its results after a save and a fresh start on the file are those
// shown before the save, since the class is derived again after the load.
TEST_F(UnsavedEditsTest, AReopenedProjectShowsTheResultsItWasSavedWith) {
  StartProgram();
  ProjectSettings.TopStorey[0] = TopStoreySecond;
  ProjectSettings.Revision = Revision2012;  // its reduction tables weigh the class
  ProjectSettings.FoundationType = FoundationReinforcedConcrete;
  ProjectSettings.FoundationCracks = FoundationWithoutCracks;
  const int corners[4][2] = {{98, 98}, {102, 98}, {102, 102}, {98, 102}};
  for (int s = 0; s < 2; ++s)
    for (int i = 0; i < 4; ++i) {
      ColumnRecord& c = Columns[0][s][ColumnCount[0][s]++];
      c = ColumnRecord{};
      c.X = corners[i][0], c.Y = corners[i][1], c.Type = 1, c.Deterioration = 2;
      WallRecord& w = Walls[0][s][WallCount[0][s]++];
      w = WallRecord{};
      w.X1 = corners[i][0], w.Y1 = corners[i][1];
      w.X2 = corners[(i + 1) % 4][0], w.Y2 = corners[(i + 1) % 4][1];
      w.PanelLeft = 3, w.Deterioration = 2;
    }
  for (int s = 0; s < 2; ++s) {
    RoofFloorRectRecord& r = RoofFloorRects[0][s][RoofFloorRectCount[0][s]++];
    r = RoofFloorRectRecord{};
    r.X1 = 98, r.Y1 = 98, r.X2 = 102, r.Y2 = 102, r.AreaCode = 3;
  }
  // The outline dialog's OK derives the class from the answers.
  dialogs.Expect("gaiyouDlg", ClickButton("OKBtn"));
  QuilmoraForm->Bgaiyou->click();
  ASSERT_EQ(ProjectSettings.FoundationClass, FoundationClassI);
  Repaint();
  Repaint();  // the chain reaches its fixed point on the second run
  const std::vector<QString> saved = PanelTexts();
  ASSERT_EQ(WallResults[0][0][0].Blocks[0].FoundationClass, FoundationClassI);
  const std::string path = SaveModelAs("house.tyc");

  // A fresh program on the file.
  DestroyForms();
  RestoreProjectSettingsStartValues();
  RestoreElementTableStartValues();
  ResetModel(ResetForNewProject);
  ASSERT_EQ(ProjectSettings.FoundationClass, FoundationClassIII);
  StartupDialogsPending = 1;
  StartupDialogsShown = 0;
  int32_t classAtAbout = -1;
  ASSERT_TRUE(CreateForms({QStringLiteral("Quilmora2025"), QString::fromStdString(path)}));
  QuilmoraForm->setGeometry(40, 30, 1000, 700);
  dialogs
      .Expect("AboutBox",
              [&](QDialog& dialog) {
                classAtAbout = ProjectSettings.FoundationClass;
                ClickButton("Button1")(dialog);
              })
      .Expect("gaiyouDlg", ClickButton("OKBtn"));
  QuilmoraForm->show();
  ASSERT_TRUE(ProcessUntil([] { return StartupDialogsPending == 0; }));
  EXPECT_EQ(classAtAbout, FoundationClassI);  // derived by the load itself
  Repaint();
  Repaint();
  EXPECT_EQ(PanelTexts(), saved);
  // The ground-storey walls are calculated on the class of the answers.
  EXPECT_EQ(WallResults[0][0][0].Blocks[0].FoundationClass, FoundationClassI);
}

}  // namespace
