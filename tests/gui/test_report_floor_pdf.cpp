// The floor magnification and floor strength check pages of the floor-type
// house printed through the printer sink into one PDF, kept in the build tree
// as tests/artifacts/floor_pages.pdf for a person to look at: the columns of
// the floor-type rows under their heads whatever the names' widths, a
// continuation page of the second storey's rows, the check tables' values
// under their heads and the NG marks at the right of the failing intervals.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include "GuiFixture.h"
#include "report/ReportPage.h"
#include "report/qt/ReportPrintService.h"
#include "tests/report/FloorTypeHouse.h"

namespace {

TEST_F(GuiTest, FloorPagesOfTheFloorTypeHouseGoIntoOnePdf) {
  BuildFloorTypeHouse();
  // Storey 2 gets 31 more one-module areas of every board and bracing row, so
  // that names of every width stand one above the other and its rows run
  // onto a continuation page.
  for (int k = 0; k < 31; ++k)
    testmodel::AddSpecRect(CurrentState, 1, 10 + k % 8, 10 + k / 8, 11 + k % 8, 11 + k / 8,
                           k % 22 + 32 * (k % 15));
  RecalculateAsPainted();

  const QString folder = QDir::current().absoluteFilePath(QStringLiteral("artifacts"));
  QDir().mkpath(folder);
  const QString pdf = folder + QStringLiteral("/floor_pages.pdf");
  QFile::remove(pdf);
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  // Magnification: storey 1, storey 2 and its continuation; check: one page
  // per storey.
  EXPECT_EQ(PrintReportJob(printer, {PageFloorMagnification, PageFloorStrengthCheck}), 3 + 2);
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromLatin1(file.readAll());
  EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 5);
}

}  // namespace
