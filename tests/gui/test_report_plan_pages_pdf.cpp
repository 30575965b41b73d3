// The plan pages and the centre-of-gravity pages of a two-storey house with
// snow, printed through the printer sink into one PDF kept in the build tree
// as tests/artifacts/plan_and_centre_of_gravity.pdf, for a person to look
// at: the legend's samples against the walls on the plan, the area tables'
// columns under their headings.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "chain/RecalculationChain.h"
#include "model/ElementLists.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "report/ReportPage.h"
#include "report/qt/ReportPrintService.h"
#include "tests/support/MaximalModel.h"

namespace {

// The typical house with every kind of wall element on storey 1 (more than
// the sixteen the legend shows) and windows, doors and walls without
// strength among them.
void BuildSnowHouse() {
  BuildTypicalHouse();
  struct Element {
    int32_t Brace, Joint, Crossed, Mud, PanelLeft, PanelRight;
  };
  const Element elements[] = {
      {2, 0, 0, 0, 0, 0}, {3, 1, 1, 0, 0, 0}, {4, 0, 0, 0, 0, 0},  {4, 2, 1, 0, 0, 0},  {5, 1, 0, 0, 0, 0},
      {6, 3, 1, 0, 0, 0}, {9, 0, 0, 0, 0, 0}, {10, 0, 0, 0, 0, 0}, {0, 0, 0, 2, 0, 0},  {0, 0, 0, 5, 0, 0},
      {0, 0, 0, 0, 3, 0}, {0, 0, 0, 0, 6, 0}, {0, 0, 0, 0, 19, 0}, {0, 0, 0, 0, 25, 0}, {1, 0, 0, 1, 1, 1},
      {0, 0, 0, 0, 0, 9}, {8, 3, 0, 0, 0, 0}, {7, 0, 1, 0, 0, 0},
  };
  const int32_t count = static_cast<int32_t>(std::size(elements));
  for (int32_t s = 0; s < 2; ++s)
    for (int32_t k = 0; k < WallCount[0][s]; ++k) {
      WallRecord& w = Walls[0][s][k];
      const Element& e = elements[(k + 5 * s) % count];
      w.BraceKind = e.Brace, w.BraceEndJoint = e.Joint, w.BraceArrangement = e.Crossed;
      w.MudWallKind = e.Mud, w.PanelLeft = e.PanelLeft, w.PanelRight = e.PanelRight;
      w.OpeningKind = k % 7 == 3 ? 1 : k % 7 == 5 ? 2 : 0;
      w.NoStrength = k % 11 == 6 ? 1 : 0;
      w.Deterioration = 2;
    }
  for (int32_t k = 0; k < ColumnCount[0][0]; ++k) Columns[0][0][k].Hardware = k % 3;
  // A largest rectangle (left out of the table) and a triangle of balcony.
  RoofFloorRectRecord& largest = RoofFloorRects[0][0][RoofFloorRectCount[0][0]++];
  largest = RoofFloorRects[0][0][0];
  largest.AreaCode = 6;
  RoofFloorTriangleRecord& balcony = RoofFloorTriangles[0][1][RoofFloorTriangleCount[0][1]++];
  balcony = {};
  balcony.X1 = 18, balcony.Y1 = 10, balcony.X2 = 20, balcony.Y2 = 10, balcony.X3 = 18, balcony.Y3 = 12;
  balcony.AreaCode = 17;
  ProjectSettings.SnowLoad = 0.26 * 1.5;
  UpdateUsedExtents();
  RunRecalculationChain();
  RunRecalculationChain();
}

TEST_F(GuiTest, PlanAndCentreOfGravityPagesOfASnowHouseGoIntoOnePdf) {
  BuildSnowHouse();
  const QString pdf = ReportArtifactPath(QStringLiteral("plan_and_centre_of_gravity.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  UseA4PdfFile(printer, pdf);
  // Two storeys: two plan pages and two centre-of-gravity pages.
  EXPECT_EQ(PrintReportJob(printer, {PagePlan, PageCentreOfGravity}), 4);
  EXPECT_EQ(PdfPageCount(pdf), 4);
}

}  // namespace
