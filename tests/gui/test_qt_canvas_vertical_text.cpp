// Vertical text: a face whose name begins with '@', turned to run downward,
// stands full-width characters upright in their cells down the line, while
// half-width ones lie along it; the cells are where the turned text lay and
// the text keeps its width.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "model/PlanPalette.h"
#include "rendering/qt/QtCanvas.h"

namespace {

constexpr QRgb kWhite = 0xffffffff;

QImage Draw(const std::function<void(Canvas&)>& draw) {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(kWhite);
  QPainter painter(&image);
  QtCanvas canvas;
  canvas.Begin(&painter, {});
  draw(canvas);
  canvas.End();
  return image;
}

FontDescription Face(const char16_t* face, int32_t escapement) {
  FontDescription font = PlanFont(12, 6, escapement);
  font.FaceName = face;
  return font;
}

QRect ColouredBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kWhite) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

TEST(QtCanvasVerticalText, FullWidthCharactersStandUprightInTheirCells) {
  const QImage vertical = Draw([](Canvas& canvas) {
    canvas.SetFont(Face(u"@ＭＳ ゴシック", -900));
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(30, 5, u"便所");
  });
  // The same characters written level, each in its cell: left of the start
  // point, one below the other.
  const QImage upright = Draw([](Canvas& canvas) {
    canvas.SetFont(Face(u"ＭＳ ゴシック", 0));
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(18, 5, u"便");
    canvas.TextOut(18, 17, u"所");
  });
  ASSERT_FALSE(ColouredBounds(upright).isEmpty());
  EXPECT_EQ(vertical, upright);
  // Inside the cells where the turned text lay: 12 wide left of x, 24 down.
  EXPECT_TRUE(QRect(18, 5, 12, 24).contains(ColouredBounds(vertical)));
}

TEST(QtCanvasVerticalText, HalfWidthCharactersLieAlongTheLineAndTheWidthStays) {
  const QImage vertical = Draw([](Canvas& canvas) {
    canvas.SetFont(Face(u"@ＭＳ ゴシック", -900));
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(30, 5, u"A便");
  });
  const QImage expected = Draw([](Canvas& canvas) {
    canvas.SetFont(Face(u"ＭＳ ゴシック", -900));
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.TextOut(30, 5, u"A");
    canvas.SetFont(Face(u"ＭＳ ゴシック", 0));
    canvas.TextOut(18, 11, u"便");
  });
  EXPECT_EQ(vertical, expected);

  QtCanvas canvas;
  canvas.SetFont(Face(u"@ＭＳ ゴシック", -900));
  EXPECT_EQ(canvas.TextWidth(u"便所"), 24);
  EXPECT_EQ(canvas.TextWidth(u"A便"), 18);
}

TEST(QtCanvasVerticalText, AFaceWithoutTheMarkStillTurnsTheWholeText) {
  const auto turned = [](const char16_t* face) {
    return Draw([face](Canvas& canvas) {
      canvas.SetFont(Face(face, -900));
      canvas.SetBrushStyle(BrushStyle::Clear);
      canvas.TextOut(30, 5, u"便所");
    });
  };
  EXPECT_NE(turned(u"ＭＳ ゴシック"), turned(u"@ＭＳ ゴシック"));
}

}  // namespace
