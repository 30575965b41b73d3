// A project whose axes reach the farthest position a project file holds: it
// opens, the plan paints at every zoom scrolled to both ends of the sheet
// with the pointer moving over it in every edit mode, every report tab
// previews and the whole report prints to PDF. The sanitized build runs this
// to show that no paint coordinate overflows on the way.
#include <QComboBox>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "files/ProjectFile.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ModelValidation.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"
#include "report/ReportPreview.h"
#include "report/ReportPrinting.h"
#include "report/qt/ReportDialogs.h"
#include "report/qt/ReportPrintService.h"
#include "tests/core/TestModelBuilder.h"

namespace {

class FarGridTest : public GuiTest {
 protected:
  TPlanScrollBox* Gamen() const { return QuilmoraForm->Gamen; }

  // Axes at the module pitch, the last of each direction at the bound, with
  // elements on the last three axes only (so the report draws the few axes
  // of the building, 9820 m wide); written as the program writes.
  QString WriteFarProject() {
    using namespace testmodel;
    LayOutGridAtModule();
    GridAxisX[GridAxisCountX - 1] = GridAxisY[GridAxisCountY - 1] = FileNumberBounds.GridPosition.Max;
    constexpr int L = GridAxisCountX - 1, F = L - 2;
    AddColumn(0, 0, F, F);
    AddColumn(0, 0, L, L);
    AddColumn(0, 0, F, L);
    AddColumn(0, 0, L, F);
    AddWall(0, 0, F, F, L, F).PanelLeft = 3;
    AddWall(0, 0, L, F, L, L).PanelLeft = 3;
    AddGable(0, 0, F, L, L, L);
    AddRect(0, 0, F, F, L, L, 1);
    AddSpecRect(0, 0, F, F, L, L, 0);
    AddFoundation(0, F, F, L, F, 0);
    AddText(0, 0, F, F, L, L, u"遠い通り芯");
    AddLine(0, 0, F, L, L, F);
    const char* why = "";
    EXPECT_TRUE(IsModelConsistent(&why)) << why;
    const std::vector<unsigned char> bytes = WriteProjectFile();
    const QString path = folder.filePath(QStringLiteral("遠い軸.tyc"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path;
  }

  // Starts the program on the project. It lies off the middle of the grid;
  // the user keeps it where it is.
  void OpenFarProject() {
    const QString path = WriteFarProject();
    boxes.Expect("データ位置の問い合わせ", IDNO);
    StartProgram({QStringLiteral("Quilmora2025"), path});
    ASSERT_EQ(CurrentFilePath, path.toStdString()) << "the project at the bound must open";
    ASSERT_EQ(boxes.Pending(), 0u);
    EXPECT_EQ(GridAxisX[GridAxisCountX - 1], FileNumberBounds.GridPosition.Max);
    EXPECT_EQ(GridAxisY[GridAxisCountY - 1], FileNumberBounds.GridPosition.Max);
    EXPECT_EQ(Columns[0][0][1].X, GridAxisCountX - 1);
  }

  void WaitForPaint() {
    ASSERT_TRUE(ProcessUntil([&] { return !Gamen()->FullPaintDue(); }));
  }

  // Scrolls to (horizontal, vertical) and moves the pointer over the
  // viewport in every edit mode.
  void PaintAndHoverAt(int horizontal, int vertical) {
    const int paints = Gamen()->FullPaintCount();
    Gamen()->Invalidate();
    Gamen()->horizontalScrollBar()->setValue(horizontal);
    Gamen()->verticalScrollBar()->setValue(vertical);
    ASSERT_TRUE(ProcessUntil([&] { return Gamen()->FullPaintCount() > paints && !Gamen()->FullPaintDue(); }));
    EXPECT_FALSE(Gamen()->Image().isNull());
    QWidget* viewport = Gamen()->viewport();
    for (int32_t mode = EditModeGrid; mode <= EditModeGable; ++mode) {
      CurrentEditMode = mode;
      for (const QPoint& at : {QPoint(1, 1), QPoint(viewport->width() / 2, viewport->height() / 2),
                               QPoint(viewport->width() - 2, viewport->height() - 2)})
        QTest::mouseMove(viewport, at);
      QCoreApplication::processEvents();
    }
    CurrentEditMode = EditModeColumns;
  }

  QTemporaryDir folder;
};

TEST_F(FarGridTest, OpensAndPaintsAtEveryZoom) {
  OpenFarProject();
  QComboBox* zoom = QuilmoraForm->SCALE;
  ASSERT_GT(zoom->count(), 1);
  for (int i = 0; i < zoom->count(); ++i) {
    SCOPED_TRACE(zoom->itemText(i).toStdString());
    zoom->setCurrentIndex(i);
    WaitForPaint();
    // The sheet reaches the last axis, 1e4 m at 4000 div n pixels a metre.
    const int n = zoom->itemText(i).toInt();
    ASSERT_EQ(PixelsPerMetre, 4000 / n);
    EXPECT_EQ(Gamen()->SheetWidth(), 10000 * (4000 / n));
    EXPECT_EQ(Gamen()->SheetHeight(), 10000 * (4000 / n));
    PaintAndHoverAt(0, 0);
    PaintAndHoverAt(Gamen()->horizontalScrollBar()->maximum(), Gamen()->verticalScrollBar()->maximum());
  }
}

TEST_F(FarGridTest, EveryTabOfThePreviewDrawsItsPages) {
  OpenFarProject();
  int tabsSeen = 0;
  dialogs.Expect("OhoukokushoDlg", [&](QDialog& dialog) {
    auto& preview = static_cast<TOhoukokushoDlg&>(dialog);
    for (int tab = 0; tab < preview.PageControl1->count(); ++tab) {
      if (!preview.PageControl1->isTabVisible(tab)) continue;
      preview.PageControl1->setCurrentIndex(tab);
      QCoreApplication::processEvents();
      EXPECT_TRUE(preview.Images[tab]->HasPage()) << tab;
      ++tabsSeen;
    }
    dialog.reject();
  });
  QAction* previewItem = QuilmoraForm->findChild<QAction*>(QStringLiteral("CutItem"));
  ASSERT_TRUE(previewItem);
  previewItem->trigger();
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_GE(tabsSeen, 12);  // the twelve families
}

TEST_F(FarGridTest, TheWholeReportPrintsToPdf) {
  OpenFarProject();
  for (int32_t& p : PrintSelection) p = 0;
  PrinterSetupDone = 1;
  const QString pdf = folder.filePath(QStringLiteral("報告書.pdf"));
  ReportPrinter().setOutputFormat(QPrinter::PdfFormat);
  ReportPrinter().setOutputFileName(pdf);
  dialogs.Expect("DprintDlg", [](QDialog& dialog) {
    auto& print = static_cast<TDprintDlg&>(dialog);
    QTest::mouseClick(print.Button1, Qt::LeftButton);
    QTest::mouseClick(print.OKBtn, Qt::LeftButton);
  });
  RunModal(*DprintDlg);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_GE(PdfPageCount(pdf), 12);  // a page at least for each family
}

}  // namespace
