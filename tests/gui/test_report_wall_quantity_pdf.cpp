// The wall-quantity report of the two-storey house of the report tests,
// printed alone from the print dialog's button of its group: one job of six
// sheets through the printer sink, without asking for the printer set-up,
// kept in the build tree as tests/artifacts/wall_quantity.pdf for a person
// to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "../report/WallQuantityHouse.h"
#include "GuiFixture.h"
#include "ReportPdf.h"
#include "report/ReportPrinting.h"
#include "report/qt/ReportDialogs.h"
#include "report/qt/ReportPrintService.h"

namespace {

TEST_F(GuiTest, WallQuantityReportPrintsAloneFromItsButtonIntoOnePdf) {
  StartProgram();
  wallquantityhouse::BuildAndPaintHouse();
  PrinterSetupDone = 0;
  const QString pdf = ReportArtifactPath(QStringLiteral("wall_quantity.pdf"));
  ReportPrinter().setOutputFileName(pdf);
  dialogs.Expect("DprintDlg", [&](QDialog& dialog) {
    auto& print = static_cast<TDprintDlg&>(dialog);
    EXPECT_TRUE(print.GroupBox1->isVisible());
    QTest::mouseClick(print.Bkaberyou, Qt::LeftButton);
  });
  EXPECT_EQ(RunModal(*DprintDlg), ModalOk);
  // Floor areas of storeys 1 and 2, required lengths, existing walls of
  // storeys 1 and 2, judgement.
  EXPECT_EQ(PdfPageCount(pdf), 6);
  EXPECT_EQ(PrinterSetupDone, 0);
  wallquantityhouse::RestoreStartGrid();
}

}  // namespace
