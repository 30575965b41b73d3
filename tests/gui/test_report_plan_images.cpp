// The plans of the report drawn into page images for a person to look at:
// every plan kind of a two-storey house, at the preview's 10.2 units per mm,
// saved as PNG files beside the test binary (report-plan-images/).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string_view>

#include "GuiFixture.h"
#include "chain/RecalculationChain.h"
#include "model/ElementLists.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "rendering/qt/QtCanvas.h"
#include "report/ReportFamilies.h"
#include "tests/support/MaximalModel.h"

namespace {

void AddLabel(int32_t s, int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::u16string_view text) {
  TextLabelRecord& label = TextLabels[0][s][TextLabelCount[0][s]++];
  label = {};
  label.X1 = x1, label.Y1 = y1, label.X2 = x2, label.Y2 = y2;
  std::copy(text.begin(), text.end(), label.Text);
}

// The typical house with every fitting symbol, braces, mud walls, panels,
// hardware, a maximum rectangle, texts and free lines added.
void BuildDecoratedHouse() {
  BuildTypicalHouse();
  for (int32_t s = 0; s < 2; ++s)
    for (int32_t k = 0; k < WallCount[0][s]; ++k) {
      WallRecord& w = Walls[0][s][k];
      w.OpeningKind = k % 3 == 0 ? 0 : 1 + k % 2;
      w.FittingSymbol = k % 12;
      w.BraceKind = k % 4 == 1 ? 2 + k % 9 : 0;
      w.BraceEndJoint = k % 4;
      w.BraceArrangement = k % 8 == 5 ? 1 : 0;
      w.MudWallKind = k % 5 == 2 ? 3 : 0;
      w.PanelLeft = k % 6 == 3 ? 10 : 0;
      w.PanelRight = k % 7 == 4 ? 20 : 0;
      w.Deterioration = k % 3;
    }
  for (int32_t k = 0; k < ColumnCount[0][0]; ++k) {
    Columns[0][0][k].Hardware = k % 8;
    Columns[0][0][k].Type = k % 5 == 0 ? 2 : 0;
  }
  RoofFloorRectRecord& max = RoofFloorRects[0][0][RoofFloorRectCount[0][0]++];
  max = RoofFloorRects[0][0][0];
  max.AreaCode = 6;
  AddLabel(0, 11, 11, 13, 13, u"居間");
  AddLabel(0, 15, 11, 15, 13, u"@和室");
  AddLabel(0, 24, 9, 24, 9, u"*30");
  FreeLineRecord& line = FreeLines[0][0][FreeLineCount[0][0]++];
  line = {};
  line.X1 = 10, line.Y1 = 19, line.X2 = 22, line.Y2 = 19, line.Style = 1, line.OffsetY1 = 0.3,
  line.OffsetY2 = 0.3;
  line.Colour = 0xFF0000;
  UpdateUsedExtents();
  RunRecalculationChain();
}

TEST_F(GuiTest, ReportPlanKindsAsImages) {
  BuildDecoratedHouse();
  ASSERT_LE(ModelExtentMinX, ModelExtentMaxX);
  const QString folder = QDir::current().filePath(QStringLiteral("report-plan-images"));
  QDir().mkpath(folder);
  for (int32_t kind = 0; kind <= 7; ++kind)
    for (int32_t storey = 0; storey < 2; ++storey) {
      QImage image(2142, 3030, QImage::Format_RGB32);  // 210 x 297 mm at 10.2
      image.fill(Qt::white);
      QPainter painter(&image);
      QtCanvas canvas;
      canvas.Begin(&painter, QPoint(0, 0));
      DrawReportPlan(canvas, static_cast<ReportPlanKind>(kind), storey, 10.2, 0);
      canvas.End();
      painter.end();
      // Something besides the frame was drawn inside it.
      int32_t marked = 0;
      for (int y = 250; y < 1400; y += 7)
        for (int x = 250; x < 1400; x += 7)
          if (image.pixel(x, y) != qRgb(255, 255, 255)) ++marked;
      EXPECT_GT(marked, 0) << kind;
      // The quarter-division lines of the wall-quantity page: red under XOR, cyan over white paper
      // and near it over the pale area fills.
      if (kind == PlanOnWallQuantityPage) {
        int32_t cyan = 0;
        for (int y = 0; y < image.height(); ++y)
          for (int x = 0; x < image.width(); ++x)
            if (const QRgb p = image.pixel(x, y); qRed(p) < 40 && qGreen(p) > 200 && qBlue(p) > 200) ++cyan;
        EXPECT_GT(cyan, 0) << "storey " << storey + 1;
      }
      EXPECT_TRUE(
          image.save(QStringLiteral("%1/plan-kind%2-storey%3.png").arg(folder).arg(kind).arg(storey + 1)));
    }
}

}  // namespace
