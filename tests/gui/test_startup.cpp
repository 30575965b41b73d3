// Start-up: the 29 forms in their order, the single-instance question, the
// title, the command-line file and the two start-up dialogs that follow the
// first full paint exactly once.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstring>

#include "GuiFixture.h"
#include "analysis/AnalysisResults.h"
#include "files/ProjectFile.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/CostDialog.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "outline/OutlineDialog.h"
#include "platform/qt/InstanceLock.h"
#include "presentation/ResultsPanel.h"

namespace {

using StartupTest = GuiTest;

TEST_F(StartupTest, CreatesEveryFormOnceInOrder) {
  ASSERT_TRUE(CreateForms({QStringLiteral("Quilmora2025")}));
  const struct {
    const char* formClass;
    const char* instance;
    const char* caption;
  } expected[] = {
      {"TQuilmoraForm", "QuilmoraForm", "Quilmora2025 [無題]"},
      {"TOhoukokushoDlg", "OhoukokushoDlg", "報告書"},
      {"TDmojiChangeDlg", "DmojiChangeDlg", "文字の変更"},
      {"TDmojiDlg", "DmojiDlg", "文字の入力"},
      {"TDmoduleDlg", "DmoduleDlg", "モジュールの変更"},
      {"TDkisoDlg", "DkisoDlg", "基礎の設定"},
      {"TDsenDlg", "DsenDlg", "自由線の設定"},
      {"TDsekisaiDlg", "DsekisaiDlg", "積載荷重の設定"},
      {"TDrekkadoDlg", "DrekkadoDlg", "劣化度の確認"},
      {"TDprintDlg", "DprintDlg", "印刷"},
      {"TDhashiraDlg", "DhashiraDlg", "柱の設定"},
      {"TDcopyDlg", "DcopyDlg", "データの一括編集（先に診断対象を指示します）"},
      {"TaxisDlg", "axisDlg", "通り芯"},
      {"TAboutBox", "AboutBox", "Quilmora2025"},
      {"TDkabetsuikaDlg", "DkabetsuikaDlg", "壁耐力要素の編集"},
      {"TDkabeChangeDlg", "DkabeChangeDlg", "壁の変更"},
      {"TDkabeDlg", "DkabeDlg", "壁の設定"},
      {"ThashiraChangeDlg", "hashiraChangeDlg", "柱の変更"},
      {"TgaiyouDlg", "gaiyouDlg", "概要"},
      {"TkaberyouDlg", "kaberyouDlg", "壁量計算"},
      {"TDyagiriDlg", "DyagiriDlg", "矢切壁の設定"},
      {"TDtsuikaDlg", "DtsuikaDlg", "追加荷重の設定"},
      {"TDtoorishinnDlg", "DtoorishinnDlg", "通り芯の設定"},
      {"TDsenoffDlg", "DsenoffDlg", "自由線　位置の調整"},
      {"TDyukashiyouDlg", "DyukashiyouDlg", "屋根床仕様の設定"},
      {"TDyukachangeDlg", "DyukachangeDlg", "屋根床等の変更"},
      {"TDyukaDlg", "DyukaDlg", "屋根床等の設定"},
      {"TShuukeiDlg", "ShuukeiDlg", "改修集計"},
      {"TsetsuDlg", "setsuDlg", "柱頭・柱脚接合部金物の編集"},
  };
  const std::vector<QWidget*> forms = AllForms();
  ASSERT_EQ(forms.size(), std::size(expected));
  for (std::size_t i = 0; i < forms.size(); ++i) {
    ASSERT_NE(forms[i], nullptr) << i;
    EXPECT_EQ(FormClassName(forms[i]), QString::fromLatin1(expected[i].formClass)) << i;
    EXPECT_EQ(forms[i]->objectName(), QString::fromLatin1(expected[i].instance)) << i;
    EXPECT_EQ(forms[i]->windowTitle(), QString::fromUtf8(expected[i].caption)) << i;
    EXPECT_FALSE(forms[i]->isVisible()) << i;
  }
}

TEST_F(StartupTest, ShowsTheAboutBoxAndTheOutlineOnceAfterTheFirstFullPaint) {
  ASSERT_TRUE(CreateForms({QStringLiteral("Quilmora2025")}));
  int paintsBeforeAbout = -1;
  int paintsBeforeOutline = -1;
  dialogs
      .Expect("AboutBox",
              [&](QDialog& dialog) {
                paintsBeforeAbout = QuilmoraForm->Gamen->FullPaintCount();
                EXPECT_EQ(OutlineConfirmationPending, 1);
                ClickButton("Button1")(dialog);
              })
      .Expect("gaiyouDlg", [&](QDialog& dialog) {
        paintsBeforeOutline = QuilmoraForm->Gamen->FullPaintCount();
        ClickButton("OKBtn")(dialog);
      });
  QuilmoraForm->show();
  ASSERT_TRUE(ProcessUntil([] { return StartupDialogsPending == 0; }));
  EXPECT_GE(paintsBeforeAbout, 1);
  EXPECT_GE(paintsBeforeOutline, paintsBeforeAbout);
  EXPECT_EQ(OutlineConfirmationPending, 0);
  EXPECT_EQ(QuilmoraForm->windowTitle(), QStringLiteral("Quilmora2025 [無題]"));

  // Later paints never show them again.
  const int paints = QuilmoraForm->Gamen->FullPaintCount();
  QuilmoraForm->InvalidateSheet();
  ASSERT_TRUE(ProcessUntil([&] { return QuilmoraForm->Gamen->FullPaintCount() > paints; }));
  QTest::qWait(50);
  EXPECT_EQ(dialogs.Shown().size(), 2u);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(StartupTest, TheStartupOutlineCanOnlyBeLeftWithOk) {
  ASSERT_TRUE(CreateForms({QStringLiteral("Quilmora2025")}));
  dialogs.Expect("AboutBox", ClickButton("Button1")).Expect("gaiyouDlg", [](QDialog& dialog) {
    CloseBox()(dialog);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    ClickButton("OKBtn")(dialog);
  });
  boxes.Expect("データ設定が完了しません。", IDOK).Expect("データ設定が完了しません。", IDOK);
  QuilmoraForm->show();
  ASSERT_TRUE(ProcessUntil([] { return StartupDialogsPending == 0; }));
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(boxes.Calls()[0].text, "起動時はＯＫボタンで閉じて下さい。");
  EXPECT_EQ(boxes.Calls()[0].flags, 32);

  // Opened later from the panel, it closes freely.
  dialogs.Expect("gaiyouDlg", CloseBox());
  QuilmoraForm->Bgaiyou->click();
  EXPECT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(dialogs.Pending(), 0u);
}

TEST_F(StartupTest, ASecondStartAsksAndEndsOnNo) {
  InstanceLock running;
  ASSERT_TRUE(running.Acquire());

  boxes.Expect("終了", IDNO);
  EXPECT_FALSE(CreateForms({QStringLiteral("Quilmora2025")}));
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text,
            "既に起動されています。複数起動しますか？\n\n起動する　　　はい\n\n起動しない　　いいえ");
  EXPECT_EQ(boxes.Calls()[0].flags, 36);
  EXPECT_EQ(QuilmoraForm, nullptr);

  // Yes starts a full second window.
  boxes.Expect("終了", IDYES);
  ASSERT_TRUE(CreateForms({QStringLiteral("Quilmora2025")}));
  EXPECT_EQ(QuilmoraForm->windowTitle(), QStringLiteral("Quilmora2025 [無題]"));
}

TEST_F(StartupTest, TheFirstProgramHoldsTheLockUntilItCloses) {
  ASSERT_TRUE(CreateForms({QStringLiteral("Quilmora2025")}));
  InstanceLock probe;
  EXPECT_TRUE(probe.HeldElsewhere());
  QuilmoraForm->close();
  EXPECT_FALSE(probe.HeldElsewhere());
}

class CommandLineTest : public GuiTest {
 protected:
  QString WriteFile(const char* name, const QByteArray& bytes) {
    const QString path = directory.filePath(QString::fromUtf8(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  QTemporaryDir directory;
};

TEST_F(CommandLineTest, AFileOfAnotherKindIsRefusedAndTheUntitledModelStarts) {
  const QString path = WriteFile("picture.tyc", QByteArray("\x89PNG\r\n\x1a\n", 8));
  boxes.Expect("読み込みエラー", IDOK);
  StartProgram({QStringLiteral("Quilmora2025"), path});
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "読み込み出来ないファイルです。");
  EXPECT_EQ(boxes.Calls()[0].flags, 64);
  EXPECT_EQ(QuilmoraForm->windowTitle(), QStringLiteral("Quilmora2025 [無題]"));
  EXPECT_EQ(dialogs.Shown(), (std::deque<std::string>{"AboutBox", "gaiyouDlg"}));
}

TEST_F(CommandLineTest, AMissingFileIsRefusedLikeAWrongOne) {
  boxes.Expect("読み込みエラー", IDOK);
  StartProgram({QStringLiteral("Quilmora2025"), directory.filePath(QStringLiteral("none.tyc"))});
  EXPECT_EQ(CurrentFilePath, "無題");
}

TEST_F(CommandLineTest, ACurrentFormatFileIsLoadedAndTitlesTheWindowBeforeTheStartupDialogs) {
  // A project with one wall, written as the program writes it.
  WallCount[0][0] = 1;
  Walls[0][0][0] = WallRecord{};
  Walls[0][0][0].X1 = 90, Walls[0][0][0].Y1 = 90, Walls[0][0][0].X2 = 95, Walls[0][0][0].Y2 = 90;
  Walls[0][0][0].PanelLeft = 3;
  const std::vector<unsigned char> project = WriteProjectFile();
  WallCount[0][0] = 0;
  const QString path = WriteFile("家 1.tyc", QByteArray(reinterpret_cast<const char*>(project.data()),
                                                        static_cast<int>(project.size())));
  QString titleAtAbout;
  ASSERT_TRUE(CreateForms({QStringLiteral("Quilmora2025"), path}));
  QuilmoraForm->setGeometry(40, 30, 1000, 700);
  dialogs
      .Expect("AboutBox",
              [&](QDialog& dialog) {
                titleAtAbout = QuilmoraForm->windowTitle();
                ClickButton("Button1")(dialog);
              })
      .Expect("gaiyouDlg", ClickButton("OKBtn"));
  QuilmoraForm->show();
  ASSERT_TRUE(ProcessUntil([] { return StartupDialogsPending == 0; }));
  EXPECT_EQ(titleAtAbout, QStringLiteral("Quilmora2025 [") + path + QLatin1Char(']'));
  EXPECT_EQ(CurrentFilePath, path.toStdString());
  EXPECT_TRUE(boxes.Calls().empty());
  ASSERT_EQ(WallCount[0][0], 1);
  EXPECT_EQ(Walls[0][0][0].X2, 95);
  EXPECT_EQ(Walls[0][0][0].PanelLeft, 3);
}

TEST_F(CommandLineTest, ABrokenCurrentFormatFileIsReportedAfterThePaint) {
  const QString path = WriteFile("cut.tyc", QByteArray("ytc\0    0", 9));
  boxes.Expect("読込ファイルエラー", IDOK);
  StartProgram({QStringLiteral("Quilmora2025"), path});
  ASSERT_EQ(boxes.Calls().size(), 1u);
  // The file ends inside its first block: nothing of it is kept.
  EXPECT_EQ(
      boxes.Calls()[0].text,
      "次のファイルはデータが異常なため、読み込みを途中で中止しました。\n\n" + path.toStdString() +
          "\n\n読み込めたデータはありません。無題の新しいデータを表示します。\n元のファイルは変更しません。");
  EXPECT_EQ(boxes.Calls()[0].flags, 48);
  // The partial model no longer names the file it came from.
  EXPECT_EQ(CurrentFilePath, "無題");
  EXPECT_EQ(ModifiedFlag, 1);
}

TEST_F(CommandLineTest, AModelOffTheMiddleIsOfferedTheMoveBeforeTheStartupDialogs) {
  LayOutGridAtModule();
  ColumnCount[0][0] = 1;
  Columns[0][0][0] = ColumnRecord{};
  Columns[0][0][0].X = 20, Columns[0][0][0].Y = 180, Columns[0][0][0].Type = 1;
  const std::vector<unsigned char> project = WriteProjectFile();
  ColumnCount[0][0] = 0;
  const QString path = WriteFile("corner.tyc", QByteArray(reinterpret_cast<const char*>(project.data()),
                                                          static_cast<int>(project.size())));
  ASSERT_TRUE(CreateForms({QStringLiteral("Quilmora2025"), path}));
  QuilmoraForm->setGeometry(40, 30, 1000, 700);
  boxes.Expect("データ位置の問い合わせ", IDYES);
  std::size_t boxesAtAbout = 0;
  dialogs
      .Expect("AboutBox",
              [&](QDialog& dialog) {
                boxesAtAbout = boxes.Calls().size();
                ClickButton("Button1")(dialog);
              })
      .Expect("gaiyouDlg", ClickButton("OKBtn"));
  QuilmoraForm->show();
  ASSERT_TRUE(ProcessUntil([] { return StartupDialogsPending == 0; }));
  EXPECT_EQ(boxesAtAbout, 1u);
  EXPECT_EQ(boxes.Calls().at(0).flags, 36);
  EXPECT_EQ(Columns[0][0][0].X, 100);
  EXPECT_EQ(Columns[0][0][0].Y, 99);
}

// A one-storey house of four modules square on X and Y axes at..at + 4, a P1
// panel on each of its eight wall segments and a light roof; variant v.
void BuildSquareHouse(int v, int32_t x0, int32_t y0) {
  ProjectSettings.TopStorey[v] = 0;
  ProjectSettings.StoreyHeight[v][0] = 2.8;
  const int32_t corners[8][2] = {{0, 0}, {2, 0}, {4, 0}, {4, 2}, {4, 4}, {2, 4}, {0, 4}, {0, 2}};
  for (int i = 0; i < 8; ++i) {
    ColumnRecord& c = Columns[v][0][ColumnCount[v][0]++];
    c = ColumnRecord{};
    c.X = x0 + corners[i][0], c.Y = y0 + corners[i][1], c.Type = 1, c.Deterioration = 2;
    WallRecord& w = Walls[v][0][WallCount[v][0]++];
    w = WallRecord{};
    w.X1 = x0 + corners[i][0], w.Y1 = y0 + corners[i][1];
    w.X2 = x0 + corners[(i + 1) % 8][0], w.Y2 = y0 + corners[(i + 1) % 8][1];
    w.PanelLeft = 3, w.Deterioration = 2;  // 構造用合板
  }
  RoofFloorRectRecord& roof = RoofFloorRects[v][0][RoofFloorRectCount[v][0]++];
  roof = RoofFloorRectRecord{};
  roof.X1 = x0, roof.Y1 = y0, roof.X2 = x0 + 4, roof.Y2 = y0 + 4, roof.AreaCode = 3;
}

// The file of a project whose plan 1 is its current state with a 1.82 m P1
// partition added from the middle of the south side inward, saved with
// 改修案１ current; the model is emptied again and nothing of it computed.
QByteArray RetrofitProject(int32_t x0, int32_t y0) {
  LayOutGridAtModule();
  for (int v = 0; v < 2; ++v) BuildSquareHouse(v, x0, y0);
  WallRecord& partition = Walls[1][0][WallCount[1][0]++];
  partition = WallRecord{};
  partition.X1 = x0 + 2, partition.Y1 = y0, partition.X2 = x0 + 2, partition.Y2 = y0 + 2;
  partition.PanelLeft = 3, partition.Deterioration = 2;
  CurrentVariant = 1;
  const std::vector<unsigned char> bytes = WriteProjectFile();
  CurrentVariant = 0;
  for (int v = 0; v < 2; ++v) ColumnCount[v][0] = WallCount[v][0] = RoofFloorRectCount[v][0] = 0;
  RestoreProjectSettingsStartValues();
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
}

// What the user sees of the results: the results panel's captions, the
// change mark of every wall of plan 1 and the labels of the cost dialog.
struct ResultsSeen {
  std::vector<std::string> panel;
  std::vector<int32_t> marks;
  std::vector<std::string> cost;
  bool operator==(const ResultsSeen&) const = default;
};

void PrintTo(const ResultsSeen& seen, std::ostream* out) {
  *out << testing::PrintToString(seen.panel) << " marks " << testing::PrintToString(seen.marks) << " cost "
       << testing::PrintToString(seen.cost);
}

class CommandLineOrOpenTest : public CommandLineTest {
 protected:
  static void Repaint() {
    const int paints = QuilmoraForm->Gamen->FullPaintCount();
    QuilmoraForm->InvalidateSheet();
    ASSERT_TRUE(ProcessUntil([&] { return QuilmoraForm->Gamen->FullPaintCount() > paints; }));
    ProcessUntil([] { return false; }, 50);
  }
  ResultsSeen Seen() {
    ResultsSeen seen;
    for (const PanelLabelEntry& entry : PanelLabels) {
      auto* label = QuilmoraForm->findChild<QLabel*>(QString::fromLatin1(entry.Name));
      seen.panel.push_back(entry.Name + std::string("=") + (label ? label->text().toStdString() : "?"));
    }
    for (int k = 0; k < WallCount[1][0]; ++k)
      seen.marks.push_back(WallResults[1][0][k].Blocks[0].RetrofitChange);
    dialogs.Expect("ShuukeiDlg", [&](QDialog& dialog) {
      auto& cost = static_cast<TShuukeiDlg&>(dialog);
      EXPECT_TRUE(ProcessUntil([&] { return cost.TallyCount() > 0; }));
      for (const char* name :
           {"Lshinzai11", "Lshinzai12", "LmenzaiS13", "LmenzaiW13", "Lkiso", "Lgkei", "Lggoukei"})
        seen.cost.push_back(name + std::string("=") +
                            cost.findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString());
      cost.Button2->click();
    });
    QuilmoraForm->N3->trigger();
    EXPECT_EQ(dialogs.Pending(), 0u);
    return seen;
  }
  // A program started afresh: nothing of the results of the one before.
  void StartAgain(const QStringList& arguments) {
    DestroyForms();
    std::memset(&WallResults, 0, sizeof WallResults);
    GuiTest::SetUp();
    StartProgram(arguments);
  }
};

TEST_F(CommandLineOrOpenTest, AProjectSavedOnAPlanShowsTheSameResultsAsAfterFileOpen) {
  const QString path = WriteFile("改修.tyc", RetrofitProject(98, 98));

  // Started with the file on the command line.
  StartProgram({QStringLiteral("Quilmora2025"), path});
  ASSERT_EQ(CurrentVariant, 1);
  ASSERT_TRUE(QuilmoraForm->Rkaishu1->isChecked());
  Repaint();
  const ResultsSeen commandLine = Seen();

  // Opened with File > Open in a program started without it.
  StartAgain({QStringLiteral("Quilmora2025")});
  files.Answer(path.toStdString());
  dialogs.Expect("gaiyouDlg", ClickButton("OKBtn"));
  QuilmoraForm->findChild<QAction*>(QStringLiteral("FileOpenItem"))->trigger();
  ASSERT_EQ(CurrentVariant, 1);
  Repaint();
  const ResultsSeen opened = Seen();

  EXPECT_EQ(commandLine, opened);
  // Only the partition is a change: the eight walls as in the current state
  // have no mark, the partition is a new wall (0xff).
  EXPECT_EQ(commandLine.marks, (std::vector<int32_t>{0, 0, 0, 0, 0, 0, 0, 0, 0xff}));
  // A new wall: one core element, a panel pair of the longest class and its
  // 1.82 m of foundation, no hardware alone: 50000 + 318000 + 1.82 x 30000 =
  // 422600; with a tenth as tax 464860.
  EXPECT_EQ(commandLine.cost,
            (std::vector<std::string>{"Lshinzai11=     1", "Lshinzai12=     0", "LmenzaiS13=     0",
                                      "LmenzaiW13=     1", "Lkiso=   1.82", "Lgkei=    422600",
                                      "Lggoukei=    464860"}));
}

// The sheet pixels of the house on axes x0..x0 + 4, y0..y0 + 4 lie within the
// plan's view.
bool HouseInView(int32_t x0, int32_t y0) {
  const TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  const QRect view(QPoint(gamen->HorzScrollPosition(), gamen->VertScrollPosition()),
                   gamen->viewport()->size());
  const QRect house(QPoint(static_cast<int>(GridAxisX[x0] * PixelsPerMetre),
                           static_cast<int>(GridAxisY[y0] * PixelsPerMetre)),
                    QPoint(static_cast<int>(GridAxisX[x0 + 4] * PixelsPerMetre),
                           static_cast<int>(GridAxisY[y0 + 4] * PixelsPerMetre)));
  return view.contains(house);
}

TEST_F(CommandLineOrOpenTest, AHouseOffTheMiddleIsInViewAfterTheStartAndAfterFileOpen) {
  // Far from the middle of the grid, and left there (いいえ to the move).
  const QString path = WriteFile("隅.tyc", RetrofitProject(20, 150));
  boxes.Expect("データ位置の問い合わせ", IDNO);
  StartProgram({QStringLiteral("Quilmora2025"), path});
  ASSERT_EQ(Walls[0][0][0].X1, 20);
  EXPECT_TRUE(HouseInView(20, 150));

  StartAgain({QStringLiteral("Quilmora2025")});
  ASSERT_FALSE(HouseInView(20, 150));
  files.Answer(path.toStdString());
  boxes.Expect("データ位置の問い合わせ", IDNO);
  dialogs.Expect("gaiyouDlg", ClickButton("OKBtn"));
  QuilmoraForm->findChild<QAction*>(QStringLiteral("FileOpenItem"))->trigger();
  EXPECT_TRUE(HouseInView(20, 150));
  EXPECT_EQ(boxes.Pending(), 0u);
}

}  // namespace
