// The wall strength and rigidity pages of the snow house (a diagonal wall,
// other elements by method 2, retrofit plan 1 shown with one changed wall)
// printed through the printer sink into one PDF, kept in the build tree as
// tests/artifacts/wall_strength_and_rigidity_snow.pdf for a person to look
// at the value columns under their headings.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "report/ReportPage.h"
#include "report/qt/ReportPrintService.h"
#include "tests/report/WallPagesFixture.h"

namespace {

TEST_F(GuiTest, WallStrengthAndRigidityPagesOfTheSnowHouseGoIntoOnePdf) {
  BuildSnowHouse();
  const QString pdf = ReportArtifactPath(QStringLiteral("wall_strength_and_rigidity_snow.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  UseA4PdfFile(printer, pdf);
  // Two storeys without and with snow, for each family.
  EXPECT_EQ(PrintReportJob(printer, {PageWallStrength, PageRigidity}), 8);
  EXPECT_EQ(PdfPageCount(pdf), 8);
}

}  // namespace
