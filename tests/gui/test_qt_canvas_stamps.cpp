// Stamped figures are pixel for pixel what the painter draws: each figure
// kind drawn at many places (also across the image's edges) and in changing
// colours gives the same image with stamps as without, and so does the full
// paint of a busy plan in every edit mode and on every storey.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "GuiFixture.h"
#include "analysis/AnalysisResults.h"
#include "editing/ModelReset.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "rendering/PlanPaint.h"
#include "rendering/PlanView.h"
#include "rendering/qt/QtCanvas.h"

namespace {

// The first point where two images differ, for the failure message.
::testing::AssertionResult SameImages(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y))
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                             << b.pixel(x, y) << " instead of " << a.pixel(x, y);
  return ::testing::AssertionSuccess();
}

// Draws twice on a 120 x 90 image, with and without stamps, the same canvas
// drawing everything twice over so that the second time comes from stamps.
std::pair<QImage, QImage> BothWays(const std::function<void(Canvas&)>& draw, QPoint origin) {
  QImage images[2];
  for (int stamped = 0; stamped < 2; ++stamped) {
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(0xffffffff);
    QPainter painter(&image);
    QtCanvas canvas;
    canvas.SetStampsEnabled(stamped != 0);
    for (int pass = 0; pass < 2; ++pass) {
      canvas.Begin(&painter, origin);
      draw(canvas);
      canvas.End();
    }
    images[stamped] = image;
  }
  return {images[0], images[1]};
}

TEST(QtCanvasStamps, EveryFigureKindMatchesThePainterAtEveryPlace) {
  struct Case {
    const char* name;
    std::function<void(Canvas&, int32_t x, int32_t y)> figure;
  } cases[] = {
      {"filled ellipse", [](Canvas& c, int32_t x, int32_t y) { c.Ellipse(x, y, x + 13, y + 11); }},
      {"ellipse outline, wide pen",
       [](Canvas& c, int32_t x, int32_t y) {
         c.SetPenWidth(3);
         c.SetBrushStyle(BrushStyle::Clear);
         c.Ellipse(x, y, x + 16, y + 16);
       }},
      {"dotted full arc",
       [](Canvas& c, int32_t x, int32_t y) {
         c.SetPenStyle(PenStyle::Dot);
         c.Arc(x, y, x + 20, y + 20, x, y, x, y);
       }},
      {"quarter arc", [](Canvas& c, int32_t x, int32_t y) { c.Arc(x, y, x + 18, y + 14, x + 18, y, x, y); }},
      {"wide rectangle over a brush",
       [](Canvas& c, int32_t x, int32_t y) {
         c.SetPenWidth(2);
         c.Rectangle(x, y, x + 9, y + 9);
         c.SetPenWidth(3);
         c.SetBrushStyle(BrushStyle::Clear);
         c.Rectangle(x + 3, y + 12, x + 15, y + 20);
       }},
      {"wide slanted lines",
       [](Canvas& c, int32_t x, int32_t y) {
         c.SetPenWidth(2);
         c.MoveTo(x, y);
         c.LineTo(x + 17, y + 6);
         c.SetPenWidth(3);
         c.LineTo(x + 2, y + 19);
       }},
      {"filled polygon with a dashed rim",
       [](Canvas& c, int32_t x, int32_t y) {
         const CanvasPoint p[4] = {{x, y}, {x + 20, y + 3}, {x + 16, y + 18}, {x + 2, y + 12}};
         c.SetPenStyle(PenStyle::DashDot);
         c.Polygon(p, 4);
       }},
      {"text without and with a background",
       [](Canvas& c, int32_t x, int32_t y) {
         c.SetFont(PlanFont(12, 6));
         c.SetBrushStyle(BrushStyle::Clear);
         c.TextOut(x, y, u"和室 6帖");
         c.SetBrushColour(0x80ffff);
         c.TextOut(x, y + 14, u"Bath 12");
       }},
      {"turned text", [](Canvas& c, int32_t x, int32_t y) {
         c.SetFont(PlanFont(12, 6, -900));
         c.TextOut(x, y, u"縦書き");
       }}};
  // Places inside, across each edge and across the corners of the image.
  const int32_t places[][2] = {{30, 30},  {57, 41}, {71, 23}, {33, 47}, {-6, 20},
                               {110, 40}, {50, -7}, {60, 82}, {-5, -5}, {112, 84}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [plain, stamped] = BothWays(
        [&](Canvas& canvas) {
          int32_t colour = 0x102030;
          for (const auto& at : places) {
            canvas.SetPenWidth(1);
            canvas.SetPenStyle(PenStyle::Solid);
            canvas.SetPenMode(PenMode::Copy);
            canvas.SetPenColour(colour);
            canvas.SetBrushColour(colour ^ 0xffffff);
            canvas.SetBrushStyle(BrushStyle::Solid);
            canvas.SetFontColour(colour ^ 0x00ff00);
            c.figure(canvas, at[0], at[1]);
            colour = (colour * 7 + 0x1f3d5b) & 0xffffff;
          }
        },
        QPoint(3, -2));
    EXPECT_TRUE(SameImages(plain, stamped));
  }
}

TEST(QtCanvasStamps, XorFiguresAndHatchedBrushesStillGoThroughThePainter) {
  const auto [plain, stamped] = BothWays(
      [](Canvas& c) {
        c.SetPenMode(PenMode::Xor);
        c.SetPenColour(0x00ff00);
        c.Ellipse(10, 10, 40, 30);
        c.SetPenMode(PenMode::Copy);
        c.SetBrushStyle(BrushStyle::DiagCross);
        c.Ellipse(50, 10, 80, 40);
      },
      QPoint(0, 0));
  EXPECT_TRUE(SameImages(plain, stamped));
}

TEST(QtCanvasStamps, SlantedThinLinesWrittenStraightIntoTheImageMatchThePainter) {
  // A clip on the painter sends every pixel through the painter; without it
  // the pixels are written into the image run by run.
  QImage images[2];
  for (int clipped = 0; clipped < 2; ++clipped) {
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(0xff808080);
    QPainter painter(&image);
    if (clipped) painter.setClipRect(QRect(0, 0, 120, 90));
    QtCanvas canvas;
    canvas.Begin(&painter, QPoint(5, -3));
    const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot,
                               PenStyle::DashDotDot};
    const PenMode modes[] = {PenMode::Copy, PenMode::Xor, PenMode::Mask};
    int n = 0;
    for (PenStyle style : styles)
      for (PenMode mode : modes)
        for (BrushStyle brush : {BrushStyle::Solid, BrushStyle::Clear}) {
          canvas.SetPenStyle(style);
          canvas.SetPenMode(mode);
          canvas.SetPenColour(0x3060c0 + n);
          canvas.SetBrushColour(0x20a040);
          canvas.SetBrushStyle(brush);
          // Steep and shallow, every direction, some leaving the image.
          const int32_t x = (n * 13) % 130 - 10, y = (n * 7) % 100 - 8;
          canvas.MoveTo(x, y);
          canvas.LineTo(x + 37 - n % 5 * 17, y + 11 + n % 3 * 9);
          canvas.LineTo(x - 5 + n % 4, y - 40 + n % 7 * 11);
          ++n;
        }
    canvas.End();
    images[clipped] = image;
  }
  EXPECT_TRUE(SameImages(images[1], images[0]));
}

// A busy plan: columns with every mark, labels, free lines of every style,
// gable walls and foundations on each storey.
void BuildBusyPlan() {
  RestoreProjectSettingsStartValues();
  ResetModel(ResetForStartUp);
  ProjectSettings.TopStorey[0] = 2;
  ProjectSettings.ShowColumnNValue = SettingOn;
  ProjectSettings.UniformFoundation = SettingOff;
  ProjectSettings.ShowOtherStoreyWalls = ShowFoundationsBelow;
  const char16_t* texts[] = {u"居間", u"@縦書き", u"*30", u"Bath 1", u"和室 6帖"};
  for (int s = 0; s < StoreyCount; ++s) {
    for (int k = 0; k < 40; ++k) {
      const int x = 4 + 3 * (k % 8), y = 4 + 3 * (k / 8);
      ColumnRecord& c = Columns[0][s][ColumnCount[0][s]++];
      c = ColumnRecord{};
      c.X = x, c.Y = y, c.Type = k % 4, c.Hardware = k % 15, c.Deterioration = k % 3;
      c.CornerSetting = k % 5 == 0, c.SectionX = k % 3;
      TextLabelRecord& t = TextLabels[0][s][TextLabelCount[0][s]++];
      t = TextLabelRecord{};
      t.X1 = x, t.Y1 = y, t.X2 = x + 2, t.Y2 = y + 1;
      const char16_t* text = texts[k % 5];
      for (int i = 0; text[i]; ++i) t.Text[i] = text[i];
      FreeLineRecord& f = FreeLines[0][s][FreeLineCount[0][s]++];
      f = FreeLineRecord{};
      f.X1 = x, f.Y1 = y, f.X2 = x + 3 + k % 3, f.Y2 = y + k % 4;
      f.OffsetX1 = 0.05 * (k % 3), f.Style = k % 6, f.Colour = 0x3344ff * (k % 3);
      GableWallRecord& g = GableWalls[0][s][GableWallCount[0][s]++];
      g = GableWallRecord{};
      g.X1 = x, g.Y1 = y, g.X2 = x + 3, g.Y2 = y + (k % 2) * 3, g.Shape = k % 3, g.WeightClass = k % 3;
      FoundationRecord& d = Foundations[0][s][FoundationCount[0][s]++];
      d = FoundationRecord{0, x, y, x, y + 3, k % 3};
      ColumnResults[0][s][k].BreakageRisk = k % 7 == 0;
      ColumnResults[0][s][k].ToX = 0.5 * k;
      ColumnResults[0][s][k].NX = 0.1 * k;
    }
  }
}

class PlanPaintStampsTest : public GuiTest {};

TEST_F(PlanPaintStampsTest, TheFullPaintIsTheSameWithStamps) {
  BuildBusyPlan();
  TrySetPlanScale(50);
  const int32_t modes[] = {EditModeNone,       EditModeColumns,  EditModeText,
                           EditModeFoundation, EditModeFreeLine, EditModeGable};
  for (int s = 0; s < StoreyCount; ++s)
    for (int32_t mode : modes) {
      SCOPED_TRACE(testing::Message() << "storey " << s << ", edit mode " << mode);
      CurrentStorey = s;
      CurrentEditMode = mode;
      QImage images[2];
      for (int stamped = 0; stamped < 2; ++stamped) {
        QImage image(700, 500, QImage::Format_RGB32);
        QtCanvas canvas;
        canvas.SetStampsEnabled(stamped != 0);
        for (int paint = 0; paint < 2; ++paint) {
          image.fill(0xffffffff);
          QPainter painter(&image);
          canvas.Begin(&painter,
                       QPoint(GridViewX(3, PixelsPerMetre, 0) - 40, GridViewY(3, PixelsPerMetre, 0) - 30));
          PaintFullPlan(canvas, ScreenPlanView(), SheetWidthPixels(), SheetHeightPixels());
          canvas.End();
        }
        images[stamped] = image;
      }
      EXPECT_TRUE(SameImages(images[0], images[1]));
    }
}

}  // namespace
