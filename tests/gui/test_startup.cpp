// Start-up: the 29 forms in their order, the single-instance question, the
// title, the command-line file and the two start-up dialogs that follow the
// first full paint exactly once.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "GuiFixture.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ProjectFile.h"
#include "outline/OutlineDialog.h"
#include "platform/qt/InstanceLock.h"

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
  const QString path = WriteFile("old plan.ty0", QByteArray("yt8\0rest", 8));
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
  EXPECT_EQ(boxes.Calls()[0].text, "データが異常です。\n\n読み込みを中止します。");
  EXPECT_EQ(boxes.Calls()[0].flags, 32);
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

}  // namespace
