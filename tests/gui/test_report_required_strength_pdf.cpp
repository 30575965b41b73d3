// The required-strength pages of the typical two-storey house with snow,
// printed through the printer sink into one job: first under the load
// take-off (method 0), then under the required-strength table (method 2)
// with the quarter division. Kept in the build tree as
// tests/artifacts/required_strength_snow.pdf for a person to look at the
// plans, the legend and the column alignment.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "chain/RecalculationChain.h"
#include "model/ElementLists.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "report/ReportFamilies.h"
#include "report/ReportPrinting.h"
#include "report/qt/ReportPrintService.h"
#include "tests/support/MaximalModel.h"

namespace {

// The typical house with a gable wall and a triangle of roof on storey 2, an
// individual-load balcony on storey 1, and snow, painted twice under method m.
void PrepareHouse(int32_t m) {
  BuildTypicalHouse();
  GableWallRecord& gable = GableWalls[0][1][GableWallCount[0][1]++];
  gable = GableWallRecord{};
  gable.X1 = 10, gable.Y1 = 10, gable.X2 = 18, gable.Y2 = 10;
  gable.WeightClass = 1, gable.Shape = 1, gable.Slope = 0.5, gable.Height = 0.3;
  RoofFloorTriangleRecord& triangle = RoofFloorTriangles[0][1][RoofFloorTriangleCount[0][1]++];
  triangle = RoofFloorTriangleRecord{};
  triangle.X1 = 10, triangle.Y1 = 18, triangle.X2 = 14, triangle.Y2 = 18, triangle.X3 = 10, triangle.Y3 = 20;
  triangle.AreaCode = 3;
  RoofFloorRectRecord& balcony = RoofFloorRects[0][0][RoofFloorRectCount[0][0]++];
  balcony = RoofFloorRectRecord{};
  balcony.X1 = 12, balcony.Y1 = 18, balcony.X2 = 16, balcony.Y2 = 20;
  balcony.AreaCode = 19, balcony.DeadLoad = 1200, balcony.LiveLoad = 1800, balcony.AddedLoad = 300;
  ProjectSettings.RequiredStrengthMethod = m;
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  ProjectSettings.BalanceMethod = BalanceByQuarterDivision;
  ProjectSettings.SnowLoad = 0.26 * 1.5;
  CurrentVariant = CurrentState;
  UpdateUsedExtents();
  RunRecalculationChain();
  RunRecalculationChain();
}

TEST_F(GuiTest, RequiredStrengthPagesOfTwoSnowHousesGoIntoOnePdf) {
  const QString pdf = ReportArtifactPath(QStringLiteral("required_strength_snow.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  UseA4PdfFile(printer, pdf);

  QPainter painter;
  ASSERT_TRUE(painter.begin(&printer));
  PrinterPageSink sink(painter, printer);
  PrepareHouse(RequiredByLoadTakeOff);
  EXPECT_EQ(PrintReportFamilies(sink, {PageRequiredStrength}), 1);
  const int32_t first = sink.JobPageNumber();
  sink.NewPage();
  PrepareHouse(RequiredByStrengthTable);
  EXPECT_EQ(PrintReportFamilies(sink, {PageRequiredStrength}), 1);
  const int32_t sheets = sink.JobPageNumber();
  painter.end();

  // Each house: two storey pages (and any continuation) and two summaries.
  EXPECT_GE(first, 4);
  EXPECT_GE(sheets - first, 4);
  EXPECT_EQ(PdfPageCount(pdf), sheets);
}

}  // namespace
