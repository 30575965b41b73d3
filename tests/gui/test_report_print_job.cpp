// The print command as a user meets it: a job that runs longer than the
// progress delay shows a progress dialog with キャンセル, and its end is told
// on the main window's status bar; キャンセル stops the job and leaves the
// output file as it was; printing onto a PDF file that exists asks first
// (not when the printer set-up of the same command has just asked); the PDF
// carries the project's name and the families as its title, and its text
// gives back the half-width middle dot the titles are written with.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "model/FileState.h"
#include "report/ReportFamilies.h"
#include "report/ReportPrinting.h"
#include "report/qt/ReportDialogs.h"
#include "report/qt/ReportPrintService.h"

namespace {

// What the progress dialog showed while the job ran.
struct ProgressSeen {
  bool visible = false;
  QString title, label, cancel;
};

class PrintJobTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    for (int32_t& p : PrintSelection) p = 0;
    PrinterSetupDone = 1;
    PrintProgressDelay = 0;
    StartProgram();
    ASSERT_TRUE(DprintDlg);
    pdf = folder.filePath(QStringLiteral("報告書.pdf"));
    ReportPrinter().setOutputFormat(QPrinter::PdfFormat);
    ReportPrinter().setOutputFileName(pdf);
  }
  void TearDown() override {
    PrintProgressDelay = 500;
    GuiTest::TearDown();
  }

  // Runs the print dialog; click plays the user on it. When the job's
  // progress dialog first lets events run, onProgress sees it.
  void Print(const std::function<void(TDprintDlg&)>& click,
             const std::function<void(QProgressDialog&)>& onProgress = {}) {
    QTimer probe;
    probe.setSingleShot(true);
    QObject::connect(&probe, &QTimer::timeout, [&] {
      auto* progress = DprintDlg->findChild<QProgressDialog*>(QStringLiteral("PrintProgress"));
      if (!progress) return;
      seen.visible = progress->isVisible();
      seen.title = progress->windowTitle();
      seen.label = progress->findChild<QLabel*>()->text();
      seen.cancel = progress->findChild<QPushButton*>()->text();
      if (onProgress) onProgress(*progress);
    });
    dialogs.Expect("DprintDlg", [&](QDialog& dialog) {
      probe.start(0);
      click(static_cast<TDprintDlg&>(dialog));
    });
    RunModal(*DprintDlg);
    probe.stop();
    EXPECT_EQ(dialogs.Pending(), 0u);
  }
  static void ClickAllAndPrint(TDprintDlg& print) {
    QTest::mouseClick(print.Button1, Qt::LeftButton);
    QTest::mouseClick(print.OKBtn, Qt::LeftButton);
  }
  // The document title of a PDF file, as pdfinfo reads it.
  static QString PdfTitle(const QString& path) {
    const QString info = QString::fromUtf8(RunPopplerTool(QStringLiteral("pdfinfo"), {path}));
    const QRegularExpressionMatch title =
        QRegularExpression(QStringLiteral("^Title: *(.*)$"), QRegularExpression::MultilineOption).match(info);
    return title.hasMatch() ? title.captured(1) : QString();
  }
  static QString Status() { return QuilmoraForm->StatusBar->currentMessage(); }
  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }
  // The files of the folder: the output and nothing left over beside it.
  QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files); }

  QTemporaryDir folder;
  QString pdf;
  ProgressSeen seen;
};

// With QUILMORA_SHOT set, the progress dialog and the main window after the
// job are saved beside that file.
TEST_F(PrintJobTest, TheWholeReportShowsItsProgressAndEndsWithTheStatusLine) {
  const QString shot = QString::fromLocal8Bit(qgetenv("QUILMORA_SHOT"));
  Print(ClickAllAndPrint, [&](QProgressDialog& progress) {
    if (!shot.isEmpty()) progress.grab().save(shot + QStringLiteral("-progress.png"));
  });
  if (!shot.isEmpty()) QuilmoraForm->grab().save(shot + QStringLiteral("-status.png"));
  EXPECT_TRUE(seen.visible);
  EXPECT_EQ(seen.title, QStringLiteral("印刷"));
  EXPECT_EQ(seen.cancel, QStringLiteral("キャンセル"));
  EXPECT_TRUE(seen.label.startsWith(QStringLiteral("印刷しています：表紙"))) << seen.label.toStdString();
  // The dialog is gone once the job has ended.
  auto* progress = DprintDlg->findChild<QProgressDialog*>(QStringLiteral("PrintProgress"));
  EXPECT_TRUE(!progress || !progress->isVisible());

  const int pages = PdfPageCount(pdf);
  EXPECT_GE(pages, 12);  // a page at least for each of the twelve families
  EXPECT_EQ(Status(), QStringLiteral("報告書を %1 に書き出しました（%2 ページ）。").arg(pdf).arg(pages));
  EXPECT_EQ(Files(), QStringList{QStringLiteral("報告書.pdf")});

  // The title: the project (untitled) and the twelve families in print order.
  EXPECT_EQ(PdfTitle(pdf),
            QStringLiteral("無題 報告書（表紙、平面図、基礎、必要耐力、壁耐力剛性、重心、剛心･偏心率、"
                           "柱引抜軸組図、柱引抜力、床耐力、床耐力検定、上部構造評点）"));
}

TEST_F(PrintJobTest, CancelStopsTheJobAndKeepsTheFileThatWasThere) {
  Write(pdf, "the earlier report");
  boxes.Expect("印刷", IDYES);
  Print(ClickAllAndPrint, [](QProgressDialog& progress) {
    QTest::mouseClick(progress.findChild<QPushButton*>(), Qt::LeftButton);
  });
  EXPECT_TRUE(seen.visible);
  EXPECT_EQ(Contents(pdf), QByteArray("the earlier report"));
  EXPECT_EQ(Files(), QStringList{QStringLiteral("報告書.pdf")});  // no half-written file beside it
  EXPECT_EQ(Status(), QStringLiteral("印刷を中止しました。%1 は書き出していません。").arg(pdf));
}

TEST_F(PrintJobTest, PrintingOntoAnExistingFileAsksFirst) {
  ProjectSettings.WallQuantityFeature = 1;
  CurrentFilePath = folder.filePath(QStringLiteral("山田邸.tyc")).toStdString();
  const auto printWallQuantity = [](TDprintDlg& print) {
    QTest::mouseClick(print.Bkaberyou, Qt::LeftButton);
  };
  // No file yet: no question.
  Print(printWallQuantity);
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(Contents(pdf).left(5), QByteArray("%PDF-"));
  EXPECT_EQ(PdfTitle(pdf), QStringLiteral("山田邸 報告書（壁量計算）"));

  // The file is there: the question names it; いいえ leaves it alone.
  Write(pdf, "kept");
  boxes.Expect("印刷", IDNO);
  Print(printWallQuantity);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text,
            QStringLiteral("%1 は既にあります。\n置き換えますか？").arg(pdf).toStdString());
  EXPECT_EQ(boxes.Calls()[0].flags, 36);  // MB_YESNO | MB_ICONQUESTION
  EXPECT_EQ(Contents(pdf), QByteArray("kept"));
  EXPECT_EQ(Status(), QStringLiteral("印刷を取りやめました。%1 はそのままです。").arg(pdf));

  // はい replaces it; so does the verification sheet's button.
  ProjectSettings.VerificationFeature = 1;
  boxes.Expect("印刷", IDYES);
  Print([](TDprintDlg& print) { QTest::mouseClick(print.Bkenshou, Qt::LeftButton); });
  EXPECT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(PdfPageCount(pdf), 1);

  // The printer set-up run by the same print command asked already.
  PrinterSetupDone = 0;
  Print([&](TDprintDlg& print) {
    print.findChild<QCheckBox*>(QStringLiteral("Ckiso"))->setChecked(true);
    dialogs.Expect("PrinterSetupDialog1", SetUpToPdf(pdf));
    QTest::mouseClick(print.OKBtn, Qt::LeftButton);
  });
  EXPECT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(PdfPageCount(pdf), 1);  // the foundation page
  EXPECT_EQ(Status(), QStringLiteral("報告書を %1 に書き出しました（1 ページ）。").arg(pdf));
}

TEST_F(PrintJobTest, TitlesWithTheHalfWidthDotAreFoundInThePdfText) {
  // The rigidity pages' and the score page's titles.
  QPrinter printer(QPrinter::HighResolution);
  UseA4PdfFile(printer, pdf);
  ASSERT_GT(PrintReportJob(printer, {PageRigidity, PageScore}), 0);
  const QString text = QString::fromUtf8(
      RunPopplerTool(QStringLiteral("pdftotext"),
                     {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")}));
  EXPECT_TRUE(text.contains(QStringLiteral("現況 剛心･偏心率"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("現況 低減係数･上部構造評点"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QChar(0x00B7)));
}

TEST(PdfTextMap, OnlyWholeGlyphEntriesOfTheDotAreMappedBack) {
  struct Case {
    const char* in;
    const char* out;
    int changed;
  } const cases[] = {
      // A list of characters: the dot in it, not the glyph numbers before it.
      {"begincmap\n<00B7> <00B9> [<525B> <00B7> <5FC3> ]\nendcmap",
       "begincmap\n<00B7> <00B9> [<525B> <FF65> <5FC3> ]\nendcmap", 1},
      // One glyph: its character, even where the glyph is numbered 00B7.
      {"begincmap\n<00B7> <00B7> <00B7>\n<0003> <0003> <00B7>\nendcmap",
       "begincmap\n<00B7> <00B7> <FF65>\n<0003> <0003> <FF65>\nendcmap", 2},
      // A counting range from the dot stands for more glyphs: left alone.
      {"begincmap\n<0010> <0019> <00B7>\nendcmap", "begincmap\n<0010> <0019> <00B7>\nendcmap", 0},
      // Outside a text map nothing changes.
      {"stream <0001> <0001> <00B7>\n[<00B7>] endstream", "stream <0001> <0001> <00B7>\n[<00B7>] endstream",
       0},
      {"begincmap\n[<00B7>", "begincmap\n[<00B7>", 0},  // a map without its end
  };
  for (const Case& c : cases) {
    std::vector<unsigned char> bytes(c.in, c.in + std::strlen(c.in));
    EXPECT_EQ(RestoreReportCharactersInPdf(bytes), c.changed) << c.in;
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.out);
  }
}

}  // namespace
