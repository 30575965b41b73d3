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
#include "ReportPdf.h"
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

  const QString pdf = ReportArtifactPath(QStringLiteral("floor_pages.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  UseA4PdfFile(printer, pdf);
  // Magnification: storey 1, storey 2 and its continuation; check: one page
  // per storey.
  EXPECT_EQ(PrintReportJob(printer, {PageFloorMagnification, PageFloorStrengthCheck}), 3 + 2);
  EXPECT_EQ(PdfPageCount(pdf), 5);
}

}  // namespace
