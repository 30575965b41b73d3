// The canvas on an image keeps the pixel rules of the classic Windows canvas:
// end pixels and right/bottom edges left out, dotted pens with gaps filled
// only under a solid brush, XOR undone by drawing again, text cells filled
// only under a solid brush, and sheet coordinates shifted by the origin.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <functional>

#include "model/PlanPalette.h"
#include "rendering/RecordingCanvas.h"
#include "rendering/qt/QtCanvas.h"

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr int32_t kRed = 0x0000ff;  // 0x00BBGGRR
constexpr int32_t kBlue = 0xff0000;

// Draws on a white 40 x 30 image whose pixel (0, 0) shows sheet point origin.
QImage Draw(const std::function<void(Canvas&)>& draw, QPoint origin = {}, QtCanvas* keep = nullptr) {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(kWhite);
  QPainter painter(&image);
  QtCanvas local;
  QtCanvas& canvas = keep ? *keep : local;
  canvas.Begin(&painter, origin);
  draw(canvas);
  canvas.End();
  return image;
}

std::vector<QPoint> Coloured(const QImage& image) {
  std::vector<QPoint> points;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kWhite) points.emplace_back(x, y);
  return points;
}

TEST(QtCanvas, LinesLeaveOutTheirEndPixel) {
  const struct {
    int x1, y1, x2, y2;
    std::vector<QPoint> pixels;
  } cases[] = {
      {2, 3, 6, 3, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}}, {6, 3, 2, 3, {{3, 3}, {4, 3}, {5, 3}, {6, 3}}},
      {4, 1, 4, 4, {{4, 1}, {4, 2}, {4, 3}}},         {4, 4, 4, 1, {{4, 2}, {4, 3}, {4, 4}}},
      {1, 1, 4, 4, {{1, 1}, {2, 2}, {3, 3}}},         {5, 5, 5, 5, {}},
  };
  for (const auto& c : cases) {
    const QImage image = Draw([&](Canvas& canvas) {
      canvas.SetPenColour(kRed);
      canvas.MoveTo(c.x1, c.y1);
      canvas.LineTo(c.x2, c.y2);
    });
    EXPECT_EQ(Coloured(image), c.pixels) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
  }
}

TEST(QtCanvas, DottedPenFillsItsGapsOnlyUnderASolidBrush) {
  auto dotted = [](BrushStyle brush) {
    return Draw([brush](Canvas& canvas) {
      canvas.SetBrushColour(kBlue);
      canvas.SetBrushStyle(brush);
      canvas.SetPenStyle(PenStyle::Dot);
      canvas.SetPenColour(kRed);
      canvas.MoveTo(0, 2);
      canvas.LineTo(12, 2);
    });
  };
  const QImage solid = dotted(BrushStyle::Solid);
  const QImage clear = dotted(BrushStyle::Clear);
  for (int x = 0; x < 12; ++x) {
    const bool on = x % 6 < 3;
    EXPECT_EQ(solid.pixel(x, 2), on ? qRgb(255, 0, 0) : qRgb(0, 0, 255)) << x;
    EXPECT_EQ(clear.pixel(x, 2), on ? qRgb(255, 0, 0) : kWhite) << x;
  }
  EXPECT_EQ(solid.pixel(12, 2), kWhite);
}

TEST(QtCanvas, TheDotPatternRunsOnFromOneLineToTheNext) {
  const QImage image = Draw([](Canvas& canvas) {
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.SetPenColour(kRed);
    canvas.MoveTo(0, 0);
    canvas.LineTo(4, 0);  // x 0..3: on on on off
    canvas.LineTo(4, 6);  // pixels 4..9 of the pattern: off off on on on off
  });
  EXPECT_EQ(image.pixel(2, 0), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(3, 0), kWhite);
  EXPECT_EQ(image.pixel(4, 1), kWhite);
  EXPECT_EQ(image.pixel(4, 2), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(4, 5), kWhite);
}

TEST(QtCanvas, RectanglesLeaveOutTheRightAndBottomEdges) {
  const QImage framed = Draw([](Canvas& canvas) {
    canvas.SetPenColour(kRed);
    canvas.SetBrushColour(kBlue);
    canvas.Rectangle(2, 2, 8, 6);
  });
  EXPECT_EQ(framed.pixel(2, 2), qRgb(255, 0, 0));
  EXPECT_EQ(framed.pixel(7, 5), qRgb(255, 0, 0));
  EXPECT_EQ(framed.pixel(3, 3), qRgb(0, 0, 255));
  EXPECT_EQ(framed.pixel(8, 4), kWhite);
  EXPECT_EQ(framed.pixel(4, 6), kWhite);
  EXPECT_EQ(Coloured(framed).size(), 24u);  // 6 x 4

  // Without a pen the filled area is one pixel smaller each way.
  const QImage bare = Draw([](Canvas& canvas) {
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColour(kBlue);
    canvas.Rectangle(2, 2, 8, 6);
  });
  EXPECT_EQ(Coloured(bare).size(), 15u);  // 5 x 3
  EXPECT_EQ(bare.pixel(6, 4), qRgb(0, 0, 255));
  EXPECT_EQ(bare.pixel(7, 4), kWhite);
}

TEST(QtCanvas, EllipsesLeaveOutTheRightAndBottomEdges) {
  const QImage image = Draw([](Canvas& canvas) {
    canvas.SetPenColour(kRed);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Ellipse(0, 0, 11, 11);
  });
  int right = 0, bottom = 0;
  for (const QPoint& p : Coloured(image)) {
    right = std::max(right, p.x());
    bottom = std::max(bottom, p.y());
  }
  EXPECT_EQ(right, 10);
  EXPECT_EQ(bottom, 10);
}

TEST(QtCanvas, XorFiguresVanishWhenDrawnTwice) {
  auto figure = [](Canvas& canvas) {
    canvas.SetPenMode(PenMode::Xor);
    canvas.SetPenColour(0x00ffff);  // XOR highlight of walls
    canvas.SetBrushColour(0x404040);
    canvas.Rectangle(3, 3, 20, 15);
    canvas.MoveTo(0, 10);
    canvas.LineTo(35, 12);
    const CanvasPoint triangle[3] = {{5, 20}, {30, 22}, {12, 28}};
    canvas.Polygon(triangle, 3);
  };
  const QImage once = Draw(figure);
  EXPECT_EQ(once.pixel(3, 3), qRgb(0, 0, 255));  // white XOR yellow: blue
  const QImage twice = Draw([&](Canvas& canvas) {
    figure(canvas);
    figure(canvas);
  });
  EXPECT_TRUE(Coloured(twice).empty());
}

TEST(QtCanvas, MaskKeepsPenAndPixel) {
  const QImage image = Draw([](Canvas& canvas) {
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColour(RgbColour(200, 255, 255));
    canvas.Rectangle(0, 0, 11, 11);
    canvas.SetPenMode(PenMode::Mask);
    canvas.SetBrushColour(RgbColour(255, 255, 100));
    canvas.Rectangle(5, 5, 16, 16);
  });
  EXPECT_EQ(image.pixel(2, 2), qRgb(200, 255, 255));
  EXPECT_EQ(image.pixel(7, 7), qRgb(200, 255, 100));
  EXPECT_EQ(image.pixel(12, 12), qRgb(255, 255, 100));
}

TEST(QtCanvas, ABrushColourTurnsAClearBrushSolid) {
  RecordingCanvas canvas;
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetBrushColour(kRed);
  EXPECT_EQ(canvas.Brush().Style, BrushStyle::Solid);
  canvas.SetBrushStyle(BrushStyle::DiagCross);
  canvas.SetBrushColour(kBlue);
  EXPECT_EQ(canvas.Brush().Style, BrushStyle::DiagCross);
}

TEST(QtCanvas, TextCellsAreFilledOnlyUnderASolidBrush) {
  auto text = [](BrushStyle brush) {
    return Draw([brush](Canvas& canvas) {
      canvas.SetFont(PlanFont(12, 6));
      canvas.SetBrushColour(kBlue);
      canvas.SetBrushStyle(brush);
      canvas.TextOut(2, 2, u"ＡＢ");
    });
  };
  const QImage solid = text(BrushStyle::Solid);
  const QImage hatched = text(BrushStyle::DiagCross);
  // The cell is 24 x 12 from (2, 2); its corners are background.
  EXPECT_EQ(solid.pixel(2, 2), qRgb(0, 0, 255));
  EXPECT_EQ(solid.pixel(25, 13), qRgb(0, 0, 255));
  EXPECT_EQ(solid.pixel(26, 13), kWhite);
  EXPECT_EQ(hatched.pixel(2, 2), kWhite);
  EXPECT_FALSE(Coloured(hatched).empty());  // the glyphs themselves
}

TEST(QtCanvas, PlanFontsAreTheFixedPitchIpaFaces) {
  const QFont gothic = QFontOfDescription(PlanFont(12, 6));
  EXPECT_EQ(QFontInfo(gothic).family(), QStringLiteral("IPAGothic"));
  FontDescription mincho = PlanFont(12, 6);
  mincho.FaceName = u"ＭＳ 明朝";
  EXPECT_EQ(QFontInfo(QFontOfDescription(mincho)).family(), QStringLiteral("IPAMincho"));

  const struct {
    int height, width;
    std::u16string text;
  } cases[] = {
      {12, 6, u"ＡA"}, {12, 6, u"X 12"}, {16, 6, u"通り芯"}, {8, 4, u"ぬ+ "}, {18, 9, u"床合板12mm"}};
  for (const auto& c : cases) {
    QtCanvas canvas;
    canvas.SetFont(PlanFont(c.height, c.width));
    EXPECT_EQ(canvas.TextWidth(c.text), FixedPitchTextWidth(PlanFont(c.height, c.width), c.text))
        << c.height << "x" << c.width;
  }
  EXPECT_EQ(FixedPitchTextWidth(PlanFont(12, 6), u"ＡA"), 18);
}

TEST(QtCanvas, DrawingIsInSheetCoordinatesShiftedByTheOrigin) {
  auto figure = [](Canvas& canvas) {
    canvas.SetPenColour(kRed);
    canvas.SetBrushColour(kBlue);
    canvas.Rectangle(1005, 2003, 1015, 2010);
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.MoveTo(1000, 2020);
    canvas.LineTo(3000, 2020);
  };
  const QImage shifted = Draw(figure, QPoint(1000, 2000));
  const QImage plain = Draw([&](Canvas& canvas) {
    canvas.SetPenColour(kRed);
    canvas.SetBrushColour(kBlue);
    canvas.Rectangle(5, 3, 15, 10);
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.MoveTo(0, 20);
    canvas.LineTo(2000, 20);
  });
  EXPECT_EQ(shifted, plain);
  // A dotted line that starts far outside keeps its phase.
  const QImage late = Draw(
      [](Canvas& canvas) {
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetPenStyle(PenStyle::Dot);
        canvas.SetPenColour(kRed);
        canvas.MoveTo(0, 5);
        canvas.LineTo(5000, 5);
      },
      QPoint(1001, 0));
  for (int x = 0; x < 12; ++x) EXPECT_EQ(late.pixel(x, 5) != kWhite, (x + 1001) % 6 < 3) << x;
}

TEST(QtCanvas, StateOutlivesADrawing) {
  QtCanvas canvas;
  Draw(
      [](Canvas& c) {
        c.SetPenColour(kBlue);
        c.SetPenMode(PenMode::Xor);
        c.SetFont(PlanFont(8, 4, 900));
      },
      {}, &canvas);
  EXPECT_EQ(canvas.Pen().Colour, kBlue);
  EXPECT_EQ(canvas.Pen().Mode, PenMode::Xor);
  EXPECT_EQ(canvas.Font().Escapement, 900);
}

}  // namespace
