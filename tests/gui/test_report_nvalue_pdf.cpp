// The N-value frame diagrams and tables of a three-storey house with snow,
// printed through the printer sink into one PDF, kept beside the test binary
// (report_nvalue_pages.pdf) for a person to look at the colours, the red
// capacity symbols and the alignment of the rows under the headers.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "analysis/GridAxisLabels.h"
#include "chain/RecalculationChain.h"
#include "model/ElementLists.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "report/ReportFamilies.h"
#include "report/qt/ReportPrintService.h"
#include "tests/support/MaximalModel.h"

namespace {

class NValuePdfTest : public GuiTest {};

TEST_F(NValuePdfTest, TheThreeStoreyHousePrintsBothFamiliesIntoOnePdf) {
  BuildTypicalHouse();
  // A third storey like the second.
  for (int v = 0; v < VariantCount; ++v) {
    WallCount[v][2] = WallCount[v][1];
    ColumnCount[v][2] = ColumnCount[v][1];
    for (int i = 0; i < WallCount[v][1]; ++i) Walls[v][2][i] = Walls[v][1][i];
    for (int i = 0; i < ColumnCount[v][1]; ++i) Columns[v][2][i] = Columns[v][1][i];
    ProjectSettings.TopStorey[v] = 2;
  }
  ProjectSettings.SnowLoad = 0.26;
  ProjectSettings.SnowCase = SnowCaseWith;
  ProjectSettings.JointHardwareMethod = HardwareByConvertedNValue;
  CurrentVariant = 0;
  UpdateUsedExtents();
  LabelGridAxes();
  RunRecalculationChain();
  RunRecalculationChain();

  const QString path =
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("report_nvalue_pages.pdf"));
  QFile::remove(path);
  QPrinter printer(QPrinter::HighResolution);
  UseA4PdfFile(printer, path);
  const int32_t sheets = PrintReportJob(printer, {PageNValueFrames, PageNValueTables});
  // At least one page per direction of frames and one per storey of tables.
  EXPECT_GE(sheets, 2 + 3);
  EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
