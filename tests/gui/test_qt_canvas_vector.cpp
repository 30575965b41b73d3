// The vector path of the Qt canvas (pictures, printers, PDF files, scaled
// painters): the same figures as on the raster, lines that survive scaling,
// no clipping in logical units, and the stated stand-ins for XOR and mask.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "rendering/qt/QtCanvas.h"

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr int32_t kBlack = 0x000000;  // 0x00BBGGRR
constexpr int32_t kNavy = 0x800000;
constexpr int32_t kPaleYellow = 0xC0FFFF;

using Figure = std::function<void(Canvas&)>;

bool IsDark(QRgb pixel) { return qGray(pixel) < 128; }

QImage WhiteImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kWhite);
  return image;
}

QImage DrawnDirectly(const Figure& figure, QSize size) {
  QImage image = WhiteImage(size.width(), size.height());
  QPainter painter(&image);
  QtCanvas canvas;
  canvas.Begin(&painter, {});
  EXPECT_FALSE(canvas.DrawsVectors());
  figure(canvas);
  canvas.End();
  return image;
}

QImage DrawnThroughAPicture(const Figure& figure, QSize size) {
  QPicture picture;
  {
    QPainter painter(&picture);
    QtCanvas canvas;
    canvas.Begin(&painter, {});
    EXPECT_TRUE(canvas.DrawsVectors());
    figure(canvas);
    canvas.End();
  }
  QImage image = WhiteImage(size.width(), size.height());
  QPainter painter(&image);
  painter.drawPicture(0, 0, picture);
  return image;
}

// How far two drawings agree: the dark pixels of each, and those dark pixels
// of one that have no dark pixel of the other within one pixel (8-neighbours).
struct Agreement {
  int darkA = 0, darkB = 0;
  int strayA = 0, strayB = 0;
  std::string firstStray;
};

Agreement Compare(const QImage& a, const QImage& b) {
  auto darkNear = [](const QImage& image, int x, int y) {
    for (int v = y - 1; v <= y + 1; ++v)
      for (int u = x - 1; u <= x + 1; ++u)
        if (u >= 0 && v >= 0 && u < image.width() && v < image.height() && IsDark(image.pixel(u, v)))
          return true;
    return false;
  };
  Agreement agreement;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      if (IsDark(a.pixel(x, y))) {
        ++agreement.darkA;
        if (!darkNear(b, x, y)) {
          if (agreement.firstStray.empty())
            agreement.firstStray = "direct " + std::to_string(x) + "," + std::to_string(y);
          ++agreement.strayA;
        }
      }
      if (IsDark(b.pixel(x, y))) {
        ++agreement.darkB;
        if (!darkNear(a, x, y)) {
          if (agreement.firstStray.empty())
            agreement.firstStray = "picture " + std::to_string(x) + "," + std::to_string(y);
          ++agreement.strayB;
        }
      }
    }
  return agreement;
}

Figure StyledLines(PenStyle style, int width, int32_t brush) {
  return [=](Canvas& canvas) {
    canvas.SetPenColour(kBlack);
    canvas.SetPenStyle(style);
    canvas.SetPenWidth(width);
    canvas.SetBrushColour(brush);
    canvas.MoveTo(5, 10);
    canvas.LineTo(150, 10);   // horizontal
    canvas.LineTo(150, 110);  // vertical, the pattern running on
    canvas.MoveTo(10, 20);
    canvas.LineTo(140, 100);  // slanted, x major
    canvas.MoveTo(20, 110);
    canvas.LineTo(60, 25);  // slanted, y major, upwards
    canvas.MoveTo(100, 30);
    canvas.LineTo(70, 30);  // right to left
  };
}

struct FigureCase {
  std::string name;
  Figure figure;
};

std::vector<FigureCase> Figures() {
  std::vector<FigureCase> cases;
  const struct {
    PenStyle style;
    const char* name;
  } styles[] = {{PenStyle::Solid, "solid"},
                {PenStyle::Dash, "dash"},
                {PenStyle::Dot, "dot"},
                {PenStyle::DashDot, "dash-dot"},
                {PenStyle::DashDotDot, "dash-dot-dot"}};
  for (const auto& s : styles)
    for (int width = 0; width <= 3; ++width)
      cases.push_back({std::string("lines ") + s.name + " width " + std::to_string(width),
                       StyledLines(s.style, width, 0xFFFFFF)});
  // The gaps of styled pens filled in a dark brush colour.
  cases.push_back({"dashed lines, gaps in navy", StyledLines(PenStyle::Dash, 1, kNavy)});
  cases.push_back({"dotted lines, gaps in navy", StyledLines(PenStyle::Dot, 0, kNavy)});

  cases.push_back({"rectangles", [](Canvas& canvas) {
                     canvas.SetPenColour(kBlack);
                     canvas.SetBrushColour(kPaleYellow);
                     canvas.Rectangle(5, 5, 60, 40);
                     canvas.SetPenStyle(PenStyle::Dot);
                     canvas.Rectangle(70, 5, 150, 50);
                     canvas.SetPenStyle(PenStyle::Solid);
                     canvas.SetPenWidth(3);
                     canvas.Rectangle(10, 60, 50, 100);
                     canvas.SetPenWidth(1);
                     canvas.SetBrushStyle(BrushStyle::Clear);
                     canvas.Rectangle(60, 60, 61, 100);  // one unit wide: a bar in the pen colour
                     canvas.Rectangle(70, 60, 130, 61);
                     canvas.SetPenStyle(PenStyle::Clear);
                     canvas.SetBrushColour(kNavy);
                     canvas.Rectangle(80, 70, 120, 110);
                   }});
  cases.push_back({"hatched rectangle", [](Canvas& canvas) {
                     canvas.SetPenColour(kBlack);
                     canvas.SetBrushColour(kNavy);
                     canvas.SetBrushStyle(BrushStyle::DiagCross);
                     canvas.Rectangle(10, 10, 90, 70);
                     canvas.SetBrushStyle(BrushStyle::Horizontal);
                     canvas.Rectangle(100, 10, 150, 100);
                   }});
  cases.push_back({"ellipses", [](Canvas& canvas) {
                     canvas.SetPenColour(kBlack);
                     canvas.SetBrushStyle(BrushStyle::Clear);
                     canvas.Ellipse(5, 5, 70, 50);
                     canvas.SetPenWidth(2);
                     canvas.Ellipse(80, 5, 150, 60);
                     canvas.SetPenWidth(1);
                     canvas.SetBrushColour(kNavy);
                     canvas.Ellipse(20, 60, 60, 100);
                     canvas.SetPenStyle(PenStyle::Dash);
                     canvas.SetBrushStyle(BrushStyle::Clear);
                     canvas.Ellipse(70, 65, 150, 115);
                   }});
  cases.push_back({"arcs", [](Canvas& canvas) {
                     canvas.SetPenColour(kBlack);
                     canvas.Arc(10, 10, 70, 70, 70, 40, 40, 10);    // a quarter, right to top
                     canvas.Arc(80, 10, 150, 80, 80, 45, 150, 45);  // the lower half
                     canvas.SetPenWidth(3);
                     canvas.Arc(10, 75, 60, 115, 0, 0, 0, 0);  // the whole ellipse
                     canvas.SetPenWidth(1);
                     canvas.SetPenStyle(PenStyle::Dot);
                     canvas.Arc(70, 80, 150, 118, 150, 99, 70, 99);  // the upper half, dotted
                   }});
  cases.push_back({"polygons", [](Canvas& canvas) {
                     canvas.SetPenColour(kBlack);
                     canvas.SetBrushColour(kPaleYellow);
                     const CanvasPoint triangle[3] = {{10, 10}, {70, 20}, {30, 60}};
                     canvas.Polygon(triangle, 3);
                     canvas.SetBrushColour(kNavy);
                     canvas.SetPenStyle(PenStyle::Clear);
                     const CanvasPoint star[5] = {{110, 10}, {130, 70}, {80, 30}, {140, 30}, {90, 70}};
                     canvas.Polygon(star, 5);  // odd-even: the centre stays open
                     canvas.SetPenStyle(PenStyle::DashDot);
                     canvas.SetBrushStyle(BrushStyle::Clear);
                     const CanvasPoint square[4] = {{10, 80}, {70, 80}, {70, 115}, {10, 115}};
                     canvas.Polygon(square, 4);
                     canvas.SetPenStyle(PenStyle::Solid);
                     canvas.SetPenWidth(2);
                     const CanvasPoint wedge[3] = {{90, 80}, {150, 90}, {100, 115}};
                     canvas.Polygon(wedge, 3);
                   }});
  cases.push_back({"texts", [](Canvas& canvas) {
                     canvas.SetFontColour(kBlack);
                     canvas.SetBrushStyle(BrushStyle::Clear);
                     canvas.SetFont(PlanFont(12, 6));
                     canvas.TextOut(5, 5, u"X 12.5m");
                     canvas.TextOut(5, 25, u"通り芯 耐力壁");
                     canvas.SetFont(PlanFont(20, 10));
                     canvas.TextOut(5, 45, u"床合板12mm");
                     canvas.SetFont(PlanFont(16, 8, 900));  // turned a quarter, reading upwards
                     canvas.TextOut(140, 110, u"ぬき 45");
                     canvas.SetFont(PlanFont(12, 6));
                     canvas.SetBrushColour(kPaleYellow);  // a light cell under the text
                     canvas.TextOut(5, 80, u"ＡＢ筋かい");
                   }});
  return cases;
}

// Every figure drawn into a picture and replayed on an image looks like the
// figure drawn on that image directly. Tolerance: every dark pixel of either
// drawing has a dark pixel of the other within one pixel, and the numbers of
// dark pixels differ by at most 2 % (at least 2 pixels are allowed): Qt puts
// the odd pixel of a slanted line elsewhere than the canvas's own line pixels.
TEST(QtCanvasVector, APictureReplaysTheFiguresOfTheRaster) {
  const QSize size(160, 120);
  for (const FigureCase& c : Figures()) {
    const QImage direct = DrawnDirectly(c.figure, size);
    const QImage replayed = DrawnThroughAPicture(c.figure, size);
    const Agreement agreement = Compare(direct, replayed);
    ASSERT_GT(agreement.darkA, 20) << c.name;
    EXPECT_EQ(agreement.strayA + agreement.strayB, 0)
        << c.name << ": first stray pixel " << agreement.firstStray;
    const int allowed = std::max(2, agreement.darkA * 2 / 100);
    EXPECT_LE(std::abs(agreement.darkA - agreement.darkB), allowed)
        << c.name << ": " << agreement.darkA << " dark pixels direct, " << agreement.darkB << " replayed";
  }
}

// Straight one-unit lines keep the raster's pixels exactly when replayed at
// scale 1: the end point left out, the dash pattern running on, and the gaps
// filled only under a solid brush.
TEST(QtCanvasVector, StraightLinesReplayPixelForPixel) {
  const QSize size(40, 30);
  for (const PenStyle style :
       {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot, PenStyle::DashDotDot})
    for (const BrushStyle brush : {BrushStyle::Solid, BrushStyle::Clear}) {
      const Figure figure = [&](Canvas& canvas) {
        canvas.SetPenColour(0x0000ff);
        canvas.SetBrushColour(kNavy);
        canvas.SetBrushStyle(brush);
        canvas.SetPenStyle(style);
        canvas.MoveTo(2, 3);
        canvas.LineTo(37, 3);
        canvas.LineTo(37, 27);
        canvas.LineTo(4, 27);
        canvas.SetPenStyle(PenStyle::Solid);
        canvas.Rectangle(5, 6, 20, 20);
      };
      EXPECT_EQ(DrawnThroughAPicture(figure, size), DrawnDirectly(figure, size))
          << static_cast<int>(style) << "/" << static_cast<int>(brush);
    }
}

// On a device drawn at its own resolution (here an image format that the
// raster path does not take, as a printer's page) the runs of a styled line
// are drawn together, the gaps under the dashes: the dots and the filled gaps
// are still those of the raster, also where they cross lines drawn before.
TEST(QtCanvasVector, StyledLinesAtTheDevicesResolutionKeepTheRasterPixels) {
  const QSize size(60, 40);
  for (const PenStyle style : {PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot, PenStyle::DashDotDot})
    for (const BrushStyle brush : {BrushStyle::Solid, BrushStyle::Clear}) {
      const Figure figure = [&](Canvas& canvas) {
        // Red lines beneath, which the gaps cover where they are filled.
        canvas.SetPenColour(0x0000ff);
        canvas.MoveTo(10, 0);
        canvas.LineTo(10, 40);
        canvas.MoveTo(0, 20);
        canvas.LineTo(60, 20);
        canvas.SetPenColour(kBlack);
        canvas.SetBrushColour(kNavy);
        canvas.SetBrushStyle(brush);
        canvas.SetPenStyle(style);
        canvas.MoveTo(2, 20);
        canvas.LineTo(57, 20);  // along the red line
        canvas.LineTo(57, 35);  // the pattern running on round the corner
        canvas.MoveTo(10, 38);
        canvas.LineTo(10, 1);  // upwards along the other red line
        canvas.MoveTo(30, 5);
        canvas.LineTo(31, 5);  // a single dot
      };
      QImage atOwnResolution(size, QImage::Format_RGB888);
      atOwnResolution.fill(Qt::white);
      {
        QPainter painter(&atOwnResolution);
        QtCanvas canvas;
        canvas.Begin(&painter, {});
        EXPECT_TRUE(canvas.DrawsVectors());
        figure(canvas);
        canvas.End();
      }
      EXPECT_EQ(atOwnResolution.convertToFormat(QImage::Format_RGB32), DrawnDirectly(figure, size))
          << static_cast<int>(style) << "/" << static_cast<int>(brush);
    }
}

// A page of 2100 x 2970 logical units drawn at 0.1 onto a 210 x 297 image.
QImage DrawnScaled(const Figure& figure, QSize size, double scale, QtCanvas* keep = nullptr) {
  QImage image = WhiteImage(size.width(), size.height());
  QPainter painter(&image);
  painter.scale(scale, scale);
  QtCanvas local;
  QtCanvas& canvas = keep ? *keep : local;
  canvas.Begin(&painter, {});
  EXPECT_TRUE(canvas.DrawsVectors());
  figure(canvas);
  canvas.End();
  EXPECT_EQ(painter.transform(), QTransform::fromScale(scale, scale));
  return image;
}

int DarkInColumn(const QImage& image, int x) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) dark += IsDark(image.pixel(x, y));
  return dark;
}

int DarkInRow(const QImage& image, int y) {
  int dark = 0;
  for (int x = 0; x < image.width(); ++x) dark += IsDark(image.pixel(x, y));
  return dark;
}

TEST(QtCanvasVector, OneUnitLinesSurviveAPageScaledDownTenTimes) {
  const int columns[] = {0, 5, 1000, 1503, 2095, 2099};
  const int rows[] = {0, 5, 1480, 2965, 2969};
  for (const PenStyle style : {PenStyle::Solid, PenStyle::Dot, PenStyle::DashDotDot}) {
    const QImage page = DrawnScaled(
        [&](Canvas& canvas) {
          canvas.SetPenColour(kBlack);
          canvas.SetBrushStyle(BrushStyle::Clear);
          canvas.SetPenStyle(style);
          for (const int x : columns) {
            canvas.MoveTo(x, 100);
            canvas.LineTo(x, 2900);
          }
          for (const int y : rows) {
            canvas.MoveTo(100, y);
            canvas.LineTo(2000, y);
          }
        },
        QSize(210, 297), 0.1);
    for (const int x : columns) {
      EXPECT_GE(DarkInColumn(page, x / 10), 200) << "x " << x << " style " << static_cast<int>(style);
    }
    for (const int y : rows) {
      EXPECT_GE(DarkInRow(page, y / 10), 150) << "y " << y << " style " << static_cast<int>(style);
    }
    // Nothing but the lines: a column between them stays white save where
    // the horizontal lines cross it, in rows 0, 148 and 296.
    EXPECT_EQ(DarkInColumn(page, 50), 3) << static_cast<int>(style);
  }
}

TEST(QtCanvasVector, ScaledFramesKeepTheirRightAndBottomEdgesInside) {
  const QImage page = DrawnScaled(
      [](Canvas& canvas) {
        canvas.SetPenColour(kBlack);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.Rectangle(0, 0, 2100, 2970);  // edges at 0 and 2099, 0 and 2969
        canvas.Ellipse(1000, 1000, 1500, 1400);
      },
      QSize(210, 297), 0.1);
  EXPECT_GE(DarkInColumn(page, 0), 290);
  EXPECT_GE(DarkInColumn(page, 209), 290);
  EXPECT_GE(DarkInRow(page, 0), 200);
  EXPECT_GE(DarkInRow(page, 296), 200);
  // The ellipse spans 100..149 x 100..139 device pixels.
  EXPECT_GT(DarkInColumn(page, 100), 0);
  EXPECT_GT(DarkInColumn(page, 149), 0);
  EXPECT_EQ(DarkInColumn(page, 151), 2);  // only the frame
  EXPECT_GT(DarkInRow(page, 139), 2);
  EXPECT_EQ(DarkInRow(page, 141), 2);
}

TEST(QtCanvasVector, NothingIsClippedInLogicalUnits) {
  // Logical x 3000 on a painter scaled by 0.1 is device column 300 of a
  // 320-pixel image, though 3000 lies far beyond the device's 320 pixels.
  const QImage image = DrawnScaled(
      [](Canvas& canvas) {
        canvas.SetPenColour(kBlack);
        canvas.MoveTo(3000, 0);
        canvas.LineTo(3000, 2000);
        canvas.MoveTo(0, 1900);
        canvas.LineTo(3200, 1900);
        canvas.SetBrushColour(kBlack);
        canvas.SetPenStyle(PenStyle::Clear);
        canvas.Rectangle(2500, 500, 2601, 601);  // a 10 x 10 block at device 250, 50
      },
      QSize(320, 240), 0.1);
  EXPECT_GE(DarkInColumn(image, 300), 199);
  EXPECT_EQ(DarkInColumn(image, 299), 1);  // where the horizontal line crosses
  EXPECT_EQ(DarkInColumn(image, 301), 1);
  EXPECT_GE(DarkInRow(image, 190), 318);
  for (int y = 50; y < 60; ++y)
    for (int x = 250; x < 260; ++x) ASSERT_TRUE(IsDark(image.pixel(x, y))) << x << "," << y;
  EXPECT_FALSE(IsDark(image.pixel(260, 55)));
  EXPECT_FALSE(IsDark(image.pixel(255, 60)));
}

TEST(QtCanvasVector, TextScalesWithThePainter) {
  auto inked = [](const QImage& image, QRect* bounds) {
    int count = 0;
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (IsDark(image.pixel(x, y))) {
          ++count;
          box |= QRect(x, y, 1, 1);
        }
    *bounds = box;
    return count;
  };
  const Figure text = [](Canvas& canvas) {
    canvas.SetFontColour(kBlack);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFont(PlanFont(200, 100));
    canvas.TextOut(100, 100, u"耐震");
  };
  QRect bounds;
  ASSERT_GT(inked(DrawnScaled(text, QSize(100, 60), 0.1), &bounds), 20);
  // Two full-width characters of a 200-unit font: a cell of 400 x 200 units
  // from (100, 100), 40 x 20 pixels from (10, 10) at 0.1.
  EXPECT_GE(bounds.left(), 10);
  EXPECT_LE(bounds.right(), 50);
  EXPECT_GE(bounds.top(), 10);
  EXPECT_LE(bounds.bottom(), 30);
  EXPECT_GE(bounds.width(), 30);
  EXPECT_GE(bounds.height(), 14);
}

TEST(QtCanvasVector, ATranslatedPainterOnAnImageKeepsTheRasterPath) {
  auto figure = [](Canvas& canvas) {
    canvas.SetPenMode(PenMode::Xor);
    canvas.SetPenColour(0x00ffff);
    canvas.SetBrushColour(0x404040);
    canvas.Rectangle(3, 3, 20, 15);
    canvas.MoveTo(0, 10);
    canvas.LineTo(30, 12);
  };
  QImage translated = WhiteImage(40, 30);
  {
    QPainter painter(&translated);
    painter.translate(5, 7);
    QtCanvas canvas;
    canvas.Begin(&painter, QPoint(2, 1));
    EXPECT_FALSE(canvas.DrawsVectors());
    figure(canvas);
    canvas.End();
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(5, 7));
  }
  // Sheet point (2, 1) on logical (0, 0), which the painter puts on (5, 7).
  // Sheet point s is device pixel s + (3, 6); XOR stays exact.
  const QImage shifted = DrawnDirectly(figure, QSize(40, 30));
  EXPECT_EQ(shifted.pixel(3, 3), qRgb(0, 0, 255));  // white XOR yellow
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const int sx = x - 3, sy = y - 6;
      const QRgb expected = sx >= 0 && sy >= 0 && sx < 40 && sy < 30 ? shifted.pixel(sx, sy) : kWhite;
      ASSERT_EQ(translated.pixel(x, y), expected) << x << "," << y;
    }
}

// Pictures, pages and scaled painters have no pixels to combine with: XOR and
// mask draw in the pen and brush colours, so a figure drawn twice stays.
TEST(QtCanvasVector, XorAndMaskDrawInTheirOwnColoursOnVectorDevices) {
  const struct {
    PenMode mode;
    int32_t pen, brush;
  } cases[] = {{PenMode::Xor, 0x00ffff, 0x404040}, {PenMode::Mask, 0x0000ff, 0xff00ff}};
  for (const auto& c : cases) {
    const Figure figure = [&](Canvas& canvas) {
      canvas.SetPenMode(c.mode);
      canvas.SetPenColour(c.pen);
      canvas.SetBrushColour(c.brush);
      canvas.Rectangle(3, 3, 20, 15);
      canvas.MoveTo(0, 25);
      canvas.LineTo(35, 25);
    };
    const Figure twice = [&](Canvas& canvas) {
      figure(canvas);
      figure(canvas);
    };
    for (const Figure& f : {figure, twice}) {
      const QImage picture = DrawnThroughAPicture(f, QSize(40, 30));
      EXPECT_EQ(picture.pixel(3, 3), QRgbOfColour(c.pen)) << static_cast<int>(c.mode);
      EXPECT_EQ(picture.pixel(10, 10), QRgbOfColour(c.brush)) << static_cast<int>(c.mode);
      EXPECT_EQ(picture.pixel(20, 25), QRgbOfColour(c.pen)) << static_cast<int>(c.mode);
      const QImage scaled = DrawnScaled(f, QSize(80, 60), 2.0);
      EXPECT_EQ(scaled.pixel(6, 6), QRgbOfColour(c.pen)) << static_cast<int>(c.mode);
      EXPECT_EQ(scaled.pixel(20, 20), QRgbOfColour(c.brush)) << static_cast<int>(c.mode);
    }
  }
}

// Bold text on a picture is filled from its outline, which the canvas keeps
// per font and text: after the same words in other sizes, faces and weights,
// a text still comes out as on a canvas that never drew them.
TEST(QtCanvasVector, BoldTextOutlinesAreKeptPerFontAndText) {
  const auto font = [](int32_t height, int32_t weight, const char16_t* face) {
    FontDescription f = PlanFont(height, height / 2);
    f.Weight = weight;
    f.FaceName = face;
    return f;
  };
  const std::u16string title = u"診断結果 12.5";
  const Figure titles = [&](Canvas& canvas) {
    canvas.SetFontColour(kBlack);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFont(font(24, 800, u"ＭＳ 明朝"));
    canvas.TextOut(10, 10, title);
    canvas.SetFont(font(16, 700, u"ＭＳ ゴシック"));
    canvas.TextOut(10, 50, title);
  };
  const Figure others = [&](Canvas& canvas) {
    canvas.SetFontColour(kBlack);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFont(font(16, 800, u"ＭＳ 明朝"));
    canvas.TextOut(10, 10, title);
    canvas.SetFont(font(24, 700, u"ＭＳ ゴシック"));
    canvas.TextOut(10, 50, title);
    canvas.SetFont(font(24, 600, u"ＭＳ 明朝"));
    canvas.TextOut(10, 90, title);
  };
  const QSize size(220, 120);
  const auto replayed = [&](QtCanvas& canvas, const Figure& figure) {
    QPicture picture;
    {
      QPainter painter(&picture);
      canvas.Begin(&painter, {});
      figure(canvas);
      canvas.End();
    }
    QImage image = WhiteImage(size.width(), size.height());
    QPainter painter(&image);
    painter.drawPicture(0, 0, picture);
    return image;
  };
  QtCanvas fresh;
  const QImage expected = replayed(fresh, titles);
  QtCanvas used;
  replayed(used, others);
  const QImage drawn = replayed(used, titles);
  EXPECT_EQ(drawn, expected);
  // Each title in its own size: the 24-unit one (rows 0 to 47) has about
  // (24 / 16)^2 the ink of the 16-unit one below it.
  int inkTop = 0, inkBottom = 0;
  for (int y = 0; y < size.height(); ++y) (y < 48 ? inkTop : inkBottom) += DarkInRow(expected, y);
  EXPECT_GT(inkBottom, 100);
  EXPECT_GT(inkTop, 3 * inkBottom / 2);
  // And drawn again from the kept outlines, the same pixels.
  EXPECT_EQ(replayed(used, titles), expected);
}

}  // namespace
