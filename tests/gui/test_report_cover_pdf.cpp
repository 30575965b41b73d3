// The cover and the score page of a two-storey house with snow printed
// through the printer sink into one PDF, kept in the build tree as
// tests/artifacts/cover_and_score_snow.pdf for a person to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "chain/RecalculationChain.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "report/ReportPage.h"
#include "report/qt/ReportPrintService.h"
#include "tests/support/MaximalModel.h"

namespace {

TEST_F(GuiTest, CoverAndScorePageOfASnowHouseGoIntoOnePdf) {
  BuildTypicalHouse();
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  ProjectSettings.SnowLoad = 0.26 * 1.5;
  RunRecalculationChain();
  RunRecalculationChain();
  const QString pdf = ReportArtifactPath(QStringLiteral("cover_and_score_snow.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  UseA4PdfFile(printer, pdf);
  // The cover and its checklist, then the score page.
  EXPECT_EQ(PrintReportJob(printer, {PageCover, PageScore}), 3);
  EXPECT_EQ(PdfPageCount(pdf), 3);
}

}  // namespace
