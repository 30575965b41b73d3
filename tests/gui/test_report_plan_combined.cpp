// The printed plan's areas combine as on the screen on every device: an
// attic over a floor darkens it (mask), an independent load leaves it as it
// is, and the quarter-division lines invert what they cross (XOR: cyan over
// white paper); in the preview and in a PDF file, whose labels stay text.
#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cmath>
#include <functional>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "analysis/FloorAreas.h"
#include "chain/RecalculationChain.h"
#include "editing/ModelReset.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/ViewState.h"
#include "rendering/CanvasCallList.h"
#include "rendering/qt/QtCanvas.h"
#include "report/ReportFamilies.h"
#include "report/ReportPage.h"
#include "report/ReportPreview.h"
#include "report/ReportPrinting.h"
#include "report/qt/ReportDialogs.h"

namespace {

// Colours as the page shows them.
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kFloor = qRgb(240, 255, 240);           // brush of code 0 (floor)
constexpr QRgb kAttic = qRgb(220, 220, 220);           // brush of code 5 (attic storage)
constexpr QRgb kAtticOverFloor = qRgb(208, 220, 208);  // 240 & 220 = 208, 255 & 220 = 220
constexpr QRgb kCyan = qRgb(0, 255, 255);              // red (255, 0, 0) XOR white
constexpr QRgb kRedOverFloor = qRgb(15, 255, 240);     // 240 ^ 255 = 15, 255 ^ 0, 240 ^ 0
// The floor's diagonal: its pen (180, 195, 180) masked over its fill, 180 & 240 = 176.
constexpr QRgb kDiagonalOverFloor = qRgb(176, 195, 176);

// The wall-quantity page's plan (the small box, quarter lines always shown)
// of a 15 m square with axes every 5 m, at the preview's 10.2 units per mm:
// u = 6.8, c = 1020 / 15 = 68 units per metre, OriginX = -(204 + 170) / 68 =
// -5.5 m, OriginY = 15 - (204 + 1054) / 68 = -3.5 m: axes at x = 374, 714,
// 1054, 1394 and y = 238, 578, 918, 1258.
// - record 1, a floor (code 0) from axis (0, 0) to (2, 2): x 375..1054, y 239..918;
// - record 2, code `upper` from axis (1, 1) to (3, 3): x 715..1394, y 579..1258;
// - quarter lines (pen trunc(u) = 6) at y = (3.75 + 3.5) x 68 = 493 and
//   (11.25 + 3.5) x 68 = 1003 from x 374 to 1394, and at x = (3.75 + 5.5) x 68
//   = 629 and (11.25 + 5.5) x 68 = 1139 from y 238 to 1258.
class PrintedPlanAreasTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ResetModel(ResetForStartUp);
    CurrentVariant = 0;
    PrintScale = 1.0;
    const double at[4] = {0, 5, 10, 15};
    for (int i = 0; i < 4; ++i) {
      GridAxisX[i] = at[i], GridAxisY[i] = at[i];
      GridAxisKindX[i] = 0, GridAxisKindY[i] = 0;
    }
    ModelExtentMinX = 0, ModelExtentMaxX = 3, ModelExtentMinY = 0, ModelExtentMaxY = 3;
    QuarterZoneEdge1[0][0] = 0, QuarterZoneEdge2[0][0] = 15;
    QuarterZoneEdgeA[0][0] = 0, QuarterZoneEdgeB[0][0] = 15;
    QuarterZoneBoundaryA[0][0] = 3.75, QuarterZoneBoundaryB[0][0] = 11.25;
    QuarterZoneBoundary1[0][0] = 3.75, QuarterZoneBoundary2[0][0] = 11.25;
  }
  void TearDown() override {
    PrintScale = 1.0;
    GuiTest::TearDown();
  }
  void Areas(int32_t upper) {
    RoofFloorRectCount[0][0] = 2;
    RoofFloorRects[0][0][0] = {};
    RoofFloorRects[0][0][0].X2 = 2, RoofFloorRects[0][0][0].Y2 = 2;
    RoofFloorRects[0][0][0].AreaCode = 0;
    RoofFloorRects[0][0][1] = {};
    RoofFloorRects[0][0][1].X1 = 1, RoofFloorRects[0][0][1].Y1 = 1;
    RoofFloorRects[0][0][1].X2 = 3, RoofFloorRects[0][0][1].Y2 = 3;
    RoofFloorRects[0][0][1].AreaCode = upper;
  }
};

// What a point of the plan (in units at 10.2 per mm) shows, and why.
struct Sample {
  int x, y;
  QRgb colour;
  const char* what;
};

std::vector<Sample> SamplesOver(QRgb upper) {
  return {
      {450, 400, kFloor, "floor alone"},
      {950, 640, upper, "the upper area over the floor"},
      {1300, 1100, upper == kAtticOverFloor ? kAttic : kWhite, "the upper area alone"},
      {450, 493, kRedOverFloor, "a quarter line over the floor"},
      {450, 1003, kCyan, "a quarter line over white paper"},
      // The floor's diagonal runs from (375, 239) through (629, 493).
      {629, 493, kDiagonalOverFloor, "two quarter lines crossing on the floor's diagonal (XOR twice)"},
      {1410, 700, kWhite, "right of the building, inside the frame"},
  };
}

void DrawPlan(QPainter& painter, double ppm) {
  QtCanvas canvas;
  canvas.Begin(&painter, QPoint(0, 0));
  DrawReportPlan(canvas, PlanOnWallQuantityPage, 0, ppm, 1);
  canvas.End();
}

// The plan recorded as the preview records a page, and shown by a preview
// image shrunk by scale, as the preview's zoom shows it.
QImage ThroughThePreview(double scale) {
  QtCanvas measure;
  CanvasCallList page(&measure);
  DrawReportPlan(page, PlanOnWallQuantityPage, 0, 10.2, 1);
  TPageImage image(nullptr);
  image.SetPage(page);
  image.setFixedSize(static_cast<int>(PreviewPageWidth * scale), static_cast<int>(PreviewPageHeight * scale));
  return image.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The plan printed into a PDF file at 1200 dpi (47.24 units per mm, as the
// printer draws), the file read back at 254 dpi: 10 pixels per mm.
QImage ThroughAPdfFile(const QString& path) {
  {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter painter(&writer);
    DrawPlan(painter, 1200 / 25.4);
  }
  const QString stem = path + QStringLiteral("-page");
  RunPopplerTool(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), path, stem});
  return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

void ExpectSamples(const QImage& image, double pixelsPerUnit, const std::vector<Sample>& samples,
                   const char* device) {
  ASSERT_FALSE(image.isNull()) << device;
  for (const Sample& s : samples) {
    const int x = static_cast<int>(std::lround(s.x * pixelsPerUnit));
    const int y = static_cast<int>(std::lround(s.y * pixelsPerUnit));
    EXPECT_EQ(image.pixel(x, y) | 0xff000000u, s.colour) << device << ": " << s.what << " at (" << x << ", "
                                                         << y << ") shows " << std::hex << image.pixel(x, y);
  }
}

TEST_F(PrintedPlanAreasTest, AnAtticDarkensTheFloorAndAnIndependentLoadLeavesItInThePreview) {
  // Code 7 (independent load) has a white brush: masked over the floor it
  // leaves the floor's colour, and over white paper nothing.
  const struct {
    int32_t code;
    QRgb overFloor;
  } cases[] = {{5, kAtticOverFloor}, {7, kFloor}};
  for (const auto& c : cases) {
    Areas(c.code);
    // Lines of 6 units stay 3 pixels wide at half size, around the points sampled.
    for (double scale : {1.0, 0.5})
      ExpectSamples(ThroughThePreview(scale), scale, SamplesOver(c.overFloor), "preview");
  }
}

TEST_F(PrintedPlanAreasTest, AnAtticDarkensTheFloorInAPdfFileWhoseLabelsStayText) {
  Areas(5);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("plan.pdf"));
  ExpectSamples(ThroughAPdfFile(path), 10 / 10.2, SamplesOver(kAtticOverFloor), "PDF file");
  const QString text =
      QString::fromUtf8(RunPopplerTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
  EXPECT_TRUE(text.contains(QStringLiteral("1(0)"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("2(5)"))) << text.toStdString();
}

}  // namespace
