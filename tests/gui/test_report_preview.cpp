// The report preview and the print dialog on the real forms: a report menu
// item opens the preview on its family's tab; the tabs follow the feature
// switches and are shown whole; zoom by combo text and fit buttons, the whole
// page fitted into the view between even margins; bold titles as legible as
// regular text at every zoom; paging buttons and the page label; the wheel
// scrolls every tab; the print dialog remembers its checks,
// asks for the printer set-up once, prints the checked families in print
// order into one job (a PDF file here), prints nothing with no check or a
// cancelled set-up, and says so when the printer cannot begin the job.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "mainwindow/MainMenuCommands.h"
#include "model/ReportPaging.h"
#include "model/ViewState.h"
#include "report/RecordingPageSink.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"
#include "report/ReportPrinting.h"
#include "report/qt/ReportDialogs.h"
#include "report/qt/ReportPrintService.h"

namespace {

class ReportPreviewTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    for (int32_t& p : PrintSelection) p = 0;
    PrinterSetupDone = 0;
    StartProgram();
    ASSERT_TRUE(OhoukokushoDlg);
    ASSERT_TRUE(DprintDlg);
  }

  static QString Label() { return OhoukokushoDlg->Lpage->text(); }

  // Opens the preview from report item name; action plays the user.
  void OpenFromMenu(const char* item, ScriptedModalDialogs::Action action) {
    dialogs.Expect("OhoukokushoDlg", std::move(action));
    QAction* menuItem = QuilmoraForm->findChild<QAction*>(QString::fromLatin1(item));
    ASSERT_TRUE(menuItem) << item;
    ASSERT_TRUE(menuItem->isVisible()) << item;
    menuItem->trigger();
    EXPECT_EQ(dialogs.Pending(), 0u);
  }

  QTemporaryDir folder;
};

TEST_F(ReportPreviewTest, AReportMenuItemOpensThePreviewOnItsFamily) {
  ProjectSettings.VerificationFeature = 1;
  ApplyFeatureMenuItems(QuilmoraForm);
  bool checked = false;
  OpenFromMenu("B1", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.PageControl1->currentIndex(), PageVerification);
    EXPECT_EQ(preview.PageControl1->tabText(PageVerification), QStringLiteral("検証法表紙"));
    EXPECT_TRUE(preview.Images[PageVerification]->HasPage());
    EXPECT_EQ(Label(), QStringLiteral("[1/1]"));
    EXPECT_FALSE(preview.Bnext->isEnabled());
    EXPECT_FALSE(preview.Bprevi->isEnabled());
    checked = true;
    QTest::mouseClick(preview.OKBtn, Qt::LeftButton);
  });
  EXPECT_TRUE(checked);
  EXPECT_FALSE(OhoukokushoDlg->isVisible());
  EXPECT_EQ(PreviewTab, PageVerification);

  OpenFromMenu("PasteItem", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    EXPECT_EQ(preview.PageControl1->currentIndex(), PageFoundation);
    EXPECT_TRUE(preview.Images[PageFoundation]->HasPage());
    dialog.reject();
  });
}

TEST_F(ReportPreviewTest, TheTwoFeatureTabsFollowTheSwitches) {
  for (int flags = 0; flags < 4; ++flags) {
    ProjectSettings.WallQuantityFeature = flags & 1;
    ProjectSettings.VerificationFeature = flags >> 1;
    OpenFromMenu("CutItem", [&](QDialog& dialog) {
      auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
      EXPECT_EQ(preview.PageControl1->isTabVisible(PageWallQuantity), (flags & 1) != 0);
      EXPECT_EQ(preview.PageControl1->isTabVisible(PageVerification), (flags >> 1) != 0);
      EXPECT_TRUE(preview.PageControl1->isTabVisible(PageFoundation));
      dialog.reject();
    });
  }
}

TEST_F(ReportPreviewTest, ZoomByComboTextAndFitButtons) {
  OpenFromMenu("PasteItem", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    const auto imageSize = [&](int kind) { return preview.Images[kind]->size(); };
    preview.Cbairitsu->setEditText(QStringLiteral("50%"));
    EXPECT_EQ(imageSize(PageFoundation), QSize(362, 512));
    EXPECT_EQ(imageSize(PageCover), QSize(362, 512));  // every tab alike
    preview.Cbairitsu->setCurrentIndex(2);             // "100%"
    EXPECT_EQ(imageSize(PageFoundation).width(), 724);
    preview.Cbairitsu->setEditText(QStringLiteral("abc"));
    EXPECT_EQ(imageSize(PageFoundation).width(), 724);  // no number: no change
    preview.Cbairitsu->setEditText(QStringLiteral("0"));
    EXPECT_EQ(imageSize(PageFoundation).width(), 72);  // clamped to 10 %: 2100 x 10 / 290

    QTest::mouseClick(preview.Bpagewidth, Qt::LeftButton);
    const double width = preview.PageControl1->width();
    EXPECT_DOUBLE_EQ(PreviewZoom, (width - 30) / 2100);
    EXPECT_EQ(imageSize(PageFoundation).width(), static_cast<int>(2100 * PreviewZoom));
    EXPECT_EQ(preview.Cbairitsu->currentText(), QString::asprintf("%3.0f%%", PreviewZoom * 290));
    QTest::mouseClick(preview.Bpageall, Qt::LeftButton);
    // The whole page in the tab's view without scroll bars.
    const QSize view = preview.Scrolls[PageFoundation]->maximumViewportSize();
    EXPECT_DOUBLE_EQ(PreviewZoom, std::min(view.width() / 2100.0, view.height() / 2970.0));
    // The fitted zoom stays although the combo shows it rounded.
    EXPECT_EQ(imageSize(PageFoundation).height(), static_cast<int>(2970 * PreviewZoom));
    dialog.reject();
  });
}

TEST_F(ReportPreviewTest, PagingButtonsAndLabelFollowTheBooks) {
  PreviewPage[PageFoundation] = 2;
  PreviewPageCount[PageFoundation] = 3;  // as if the family had shown more pages before
  OpenFromMenu("PasteItem", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    EXPECT_EQ(Label(), QStringLiteral("[2/3]"));
    EXPECT_TRUE(preview.Bnext->isEnabled());
    EXPECT_TRUE(preview.Bprevi->isEnabled());
    QTest::mouseClick(preview.Bnext, Qt::LeftButton);
    EXPECT_EQ(Label(), QStringLiteral("[3/3]"));
    EXPECT_FALSE(preview.Bnext->isEnabled());
    QTest::mouseClick(preview.Bprevi, Qt::LeftButton);
    QTest::mouseClick(preview.Bprevi, Qt::LeftButton);
    EXPECT_EQ(Label(), QStringLiteral("[1/3]"));
    EXPECT_FALSE(preview.Bprevi->isEnabled());
    // Another tab keeps its own page.
    preview.PageControl1->setCurrentIndex(PageCover);
    EXPECT_EQ(Label(), QStringLiteral("[1/1]"));
    EXPECT_EQ(PreviewPage[PageFoundation], 1);
    dialog.reject();
  });
}

TEST_F(ReportPreviewTest, TheWheelScrollsEveryTab) {
  OpenFromMenu("PasteItem", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    preview.Cbairitsu->setEditText(QStringLiteral("200%"));
    QWidget* viewport = preview.Scrolls[PageFoundation]->viewport();
    for (int notch : {-120, -120, 120}) {
      QWheelEvent wheel(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, notch),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(viewport, &wheel);
    }
    EXPECT_EQ(preview.Scrolls[PageFoundation]->verticalScrollBar()->value(), 30);
    for (int kind : {PageCover, PageVerification}) {
      preview.PageControl1->setCurrentIndex(kind);
      EXPECT_EQ(preview.Scrolls[kind]->verticalScrollBar()->value(), 30) << kind;
    }
    dialog.reject();
  });
}

TEST_F(ReportPreviewTest, PrintDialogPrintsTheCheckedFamiliesIntoOneJob) {
  const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
  ProjectSettings.VerificationFeature = 0;
  ProjectSettings.WallQuantityFeature = 1;
  CurrentVariant = 1;
  OpenFromMenu("PasteItem", [&](QDialog& preview) {
    // First showing: nothing checked, the variant's radio checked, the
    // verification sheet's button hidden.
    dialogs.Expect("DprintDlg", [&](QDialog& dialog) {
      auto& print = static_cast<TDprintDlg&>(dialog);
      for (QCheckBox* box : print.Checks) EXPECT_FALSE(box->isChecked());
      EXPECT_TRUE(print.R2->isChecked());
      EXPECT_FALSE(print.R2->isEnabled());
      EXPECT_FALSE(print.GroupBox4->isVisible());
      EXPECT_TRUE(print.GroupBox1->isVisible());
      QTest::mouseClick(print.Button1, Qt::LeftButton);
      for (QCheckBox* box : print.Checks) EXPECT_TRUE(box->isChecked());
      QTest::mouseClick(print.Button2, Qt::LeftButton);
      for (QCheckBox* box : print.Checks) EXPECT_FALSE(box->isChecked());
      QTest::mouseClick(print.OKBtn, Qt::LeftButton);  // nothing checked: no set-up, no job
    });
    QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("Bprint")), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(pdf));

    // 基礎 and 上部構造評点; the set-up is cancelled: nothing printed.
    dialogs.Expect("DprintDlg", [&](QDialog& dialog) {
      auto& print = static_cast<TDprintDlg&>(dialog);
      print.findChild<QCheckBox*>(QStringLiteral("Ckiso"))->setChecked(true);
      print.findChild<QCheckBox*>(QStringLiteral("Chyouten"))->setChecked(true);
      dialogs.Expect("PrinterSetupDialog1", [](QDialog& setup) { setup.reject(); });
      QTest::mouseClick(print.OKBtn, Qt::LeftButton);
    });
    QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("Bprint")), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(PrinterSetupDone, 0);
    EXPECT_EQ(PrintSelection[2], 1);
    EXPECT_EQ(PrintSelection[11], 1);

    // The checks are remembered; the set-up asked again and accepted prints.
    dialogs.Expect("DprintDlg", [&](QDialog& dialog) {
      auto& print = static_cast<TDprintDlg&>(dialog);
      EXPECT_TRUE(print.findChild<QCheckBox*>(QStringLiteral("Ckiso"))->isChecked());
      EXPECT_TRUE(print.findChild<QCheckBox*>(QStringLiteral("Chyouten"))->isChecked());
      EXPECT_FALSE(print.findChild<QCheckBox*>(QStringLiteral("Choukoku"))->isChecked());
      dialogs.Expect("PrinterSetupDialog1", SetUpToPdf(pdf));
      QTest::mouseClick(print.OKBtn, Qt::LeftButton);
    });
    QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("Bprint")), Qt::LeftButton);
    EXPECT_EQ(PrinterSetupDone, 1);
    // The foundation page and the score page.
    EXPECT_EQ(PdfPageCount(pdf), 2);

    // Once accepted, printing does not ask again.
    QFile::remove(pdf);
    dialogs.Expect("DprintDlg", ClickButton("OKBtn"));
    QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("Bprint")), Qt::LeftButton);
    EXPECT_EQ(PdfPageCount(pdf), 2);
    preview.reject();
  });
}

TEST_F(ReportPreviewTest, TheVerificationSheetPrintsAloneWithoutTheSetUp) {
  const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
  ReportPrinter().setOutputFileName(pdf);
  ProjectSettings.VerificationFeature = 1;
  PrintSelection[2] = 1;  // ignored by the single-family button
  dialogs.Expect("DprintDlg", [&](QDialog& dialog) {
    auto& print = static_cast<TDprintDlg&>(dialog);
    EXPECT_TRUE(print.GroupBox4->isVisible());
    QTest::mouseClick(print.Bkenshou, Qt::LeftButton);
  });
  EXPECT_EQ(RunModal(*DprintDlg), ModalOk);
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_EQ(PrinterSetupDone, 0);
}

TEST_F(ReportPreviewTest, APrinterThatCannotBeginSaysSoAndPrintsNothing) {
  ReportPrinter().setOutputFileName(folder.filePath(QStringLiteral("missing/folder/report.pdf")));
  boxes.Expect("印刷", IDOK);
  EXPECT_EQ(PrintReportJob(ReportPrinter(), {PageFoundation}), 0);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "印刷できませんでした。");
  EXPECT_EQ(boxes.Calls()[0].flags, 16);
}

// With QUILMORA_SHOT set, the dialog is saved to that PNG file (see README).
TEST_F(ReportPreviewTest, VerificationSheetAtFullSize) {
  ProjectSettings.VerificationFeature = 1;
  ApplyFeatureMenuItems(QuilmoraForm);
  OpenFromMenu("B1", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    preview.Cbairitsu->setEditText(QStringLiteral("100%"));
    EXPECT_EQ(preview.Images[PageVerification]->size(), QSize(724, 1024));
    // The image shows the sheet: its title lies at (57, 28) mm.
    const QImage shown = preview.Images[PageVerification]->grab().toImage();
    const double perMm = shown.width() / 210.0;
    int inked = 0;
    for (int y = static_cast<int>(25 * perMm); y < static_cast<int>(32 * perMm); ++y)
      for (int x = static_cast<int>(55 * perMm); x < static_cast<int>(120 * perMm); ++x)
        inked += qGray(shown.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(inked, 50);
    const QByteArray shot = qgetenv("QUILMORA_SHOT");
    if (!shot.isEmpty()) {
      QTest::qWait(300);
      EXPECT_TRUE(preview.grab().save(QString::fromLocal8Bit(shot)));
      // The print dialog above it, beside the preview's file.
      dialogs.Expect("DprintDlg", [&](QDialog& print) {
        QTest::qWait(300);
        EXPECT_TRUE(print.grab().save(QString::fromLocal8Bit(shot) + QStringLiteral("-print.png")));
        print.reject();
      });
      QTest::mouseClick(preview.Bprint, Qt::LeftButton);
    }
    dialog.reject();
  });
}

TEST_F(ReportPreviewTest, TheWholeReportGoesIntoOnePdfWithTheSinksPageCount) {
  const QString pdf = folder.filePath(QStringLiteral("all.pdf"));
  const int sheets = PrintReportToPdf(pdf);
  // Every family with pages in print order, then the wall-quantity report
  // and the verification sheet: as many sheets as their page functions
  // hand over when printing.
  int32_t expected = 0;
  std::vector<int32_t> kinds(std::begin(PrintPositionKinds), std::end(PrintPositionKinds));
  kinds.push_back(PageWallQuantity);
  kinds.push_back(PageVerification);
  for (int32_t kind : kinds) {
    if (!ReportPageFunctions[kind]) continue;
    RecordingPageSink count;
    DrawReportPageKind(kind, count, PreviewPixelsPerMm, 0);
    expected += static_cast<int32_t>(count.Pages.size());
  }
  // At least the cover, the foundation page, the N-value frames and tables,
  // the score page and the verification sheet.
  EXPECT_GE(expected, 8);
  EXPECT_EQ(sheets, expected);
  EXPECT_EQ(PdfPageCount(pdf), sheets);
  // With QUILMORA_SHOT set, a copy to look at beside the screenshot.
  const QByteArray shot = qgetenv("QUILMORA_SHOT");
  if (!shot.isEmpty()) QFile::copy(pdf, QString::fromLocal8Bit(shot) + QStringLiteral(".pdf"));
}

// Dark pixels (grey below 128) in the rows [top, bottom) of image: their
// share of the box that holds them all, and that box's columns.
struct Ink {
  double Share = 0;
  int Left = 0, Right = 0;
};
Ink InkOf(const QImage& image, int top, int bottom, int left = -1, int right = -1) {
  if (left < 0) {
    left = image.width();
    right = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) left = std::min(left, x), right = std::max(right, x + 1);
  }
  long dark = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  const long box = static_cast<long>(right - left) * (bottom - top);
  return {box > 0 ? static_cast<double>(dark) / box : 0, left, right};
}

TEST_F(ReportPreviewTest, BoldTitlesKeepTheirCountersAtEveryZoom) {
  // A page title in bold (6 x 3 mm, weight 800) at (20, 10) mm and the same
  // text in the regular weight at (20, 30) mm, recorded as the preview
  // records a page and shown by a preview image.
  const std::u16string text = u"現況 診断結果 基本項目 剛心･偏心率";
  TPageImage image(nullptr);
  PreviewPageSink sink(&image);
  PageFrame frame(sink, PreviewPixelsPerMm, 1);
  Canvas& canvas = frame.BeginPage();
  frame.DrawTitle(text);
  frame.SelectFont(ReportGothicFace, 6, 3, 400);
  DrawTextMm(canvas, PreviewPixelsPerMm, 20, 30, text);
  frame.HandOver(false);

  // The share of dark pixels in the title's box: the regular text's share
  // stays about the same at every zoom; bold strokes are wider, but a bold
  // title whose counters fill up grows far darker where the zoom is small.
  double boldAt200 = 0;
  for (const int percent : {200, 119, 100}) {
    const double zoom = percent / PreviewPercentPerZoom;
    image.setFixedSize(static_cast<int>(PreviewPageWidth * zoom), static_cast<int>(PreviewPageHeight * zoom));
    const QImage shown = image.grab().toImage();
    // Rows: 10 mm to 16 mm and 30 mm to 36 mm, at 10.2 units per mm.
    const auto rows = [&](double mm) { return static_cast<int>(mm * PreviewPixelsPerMm * zoom); };
    const Ink regular = InkOf(shown, rows(30), rows(36));
    const Ink bold = InkOf(shown, rows(10), rows(16), regular.Left, regular.Right);
    ASSERT_GT(regular.Share, 0.05) << percent;
    EXPECT_LT(bold.Share / regular.Share, 1.8)
        << percent << "%: bold " << bold.Share << ", regular " << regular.Share;
    if (percent == 200) boldAt200 = bold.Share;
    EXPECT_NEAR(bold.Share, boldAt200, 0.15 * boldAt200) << percent;
  }
}

TEST_F(ReportPreviewTest, ThePreviewOpensWithEveryTabWhole) {
  ProjectSettings.VerificationFeature = 1;
  ProjectSettings.WallQuantityFeature = 1;
  // A laptop's screen: every family's tab is shown whole.
  OhoukokushoDlg->FitToScreen(QRect(0, 0, 1366, 728));
  OpenFromMenu("CutItem", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    EXPECT_LE(preview.width(), 1366);
    QTabBar* bar = preview.PageControl1->tabBar();
    for (int k = 0; k < ReportPageKindCount; ++k) {
      const QRect tab = bar->tabRect(k);
      EXPECT_GE(tab.left(), 0) << k;
      EXPECT_LE(tab.right(), bar->width() - 1) << k;
    }
    dialog.reject();
  });
  // A screen too narrow for them: the dialog keeps to the screen.
  OhoukokushoDlg->FitToScreen(QRect(0, 0, 900, 700));
  EXPECT_EQ(OhoukokushoDlg->width(), 900);
  EXPECT_LE(OhoukokushoDlg->height(), 700);
}

TEST_F(ReportPreviewTest, TheWholePageFillsTheViewBetweenEvenMargins) {
  OhoukokushoDlg->FitToScreen(QRect(0, 0, 1366, 728));
  OpenFromMenu("CutItem", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    QScrollArea* scroll = preview.Scrolls[PageCover];
    for (const QSize size : {QSize(1200, 700), QSize(1200, 1800), QSize(700, 1000)}) {
      preview.resize(size);
      ProcessUntil([] { return false; }, 100);
      QTest::mouseClick(preview.Bpageall, Qt::LeftButton);
      ProcessUntil([] { return false; }, 100);
      const QRect view = scroll->viewport()->rect();
      const QRect page = preview.Images[PageCover]->geometry();
      // The page needs no scrolling and touches two opposite edges of the view.
      EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0) << size.width() << "x" << size.height();
      EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0) << size.width() << "x" << size.height();
      EXPECT_TRUE(view.height() - page.height() <= 1 || view.width() - page.width() <= 1)
          << page.width() << "x" << page.height() << " in " << view.width() << "x" << view.height();
      // What is left of the view's width lies evenly on both sides.
      EXPECT_LE(std::abs(page.left() - (view.width() - page.right() - 1)), 1) << page.left();
    }
    dialog.reject();
  });
}

// The cover at the default zoom (the page control's design width, 119 %), at
// 100 % and 200 % and as a whole page. With QUILMORA_SHOT set, each view is
// saved beside that file (see README).
TEST_F(ReportPreviewTest, TheCoverAtEachZoom) {
  const QByteArray shot = qgetenv("QUILMORA_SHOT");
  ProjectSettings.VerificationFeature = 1;
  ProjectSettings.WallQuantityFeature = 1;
  OpenFromMenu("CutItem", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    const auto save = [&](const char* name) {
      if (shot.isEmpty()) return;
      QTest::qWait(300);
      EXPECT_TRUE(preview.grab().save(QString::fromLocal8Bit(shot) + QString::fromLatin1(name)));
    };
    // (890 - 30) / 2100 x 290 = 118.8
    EXPECT_EQ(preview.Cbairitsu->currentText(), QStringLiteral("119%"));
    EXPECT_EQ(preview.Images[PageCover]->width(), 860);
    save("-default.png");
    for (const char* zoom : {"100%", "200%"}) {
      preview.Cbairitsu->setEditText(QString::fromLatin1(zoom));
      save(zoom[0] == '1' ? "-100.png" : "-200.png");
    }
    QTest::mouseClick(preview.Bpageall, Qt::LeftButton);
    save("-whole.png");
    dialog.reject();
  });
}

}  // namespace
