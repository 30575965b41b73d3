// Combined groups of the Qt canvas on devices without pixels of their own to
// combine with: mask and XOR figures combine with one another and with the
// backdrop drawn before them, as on the raster, on a painter that scales and
// on a picture played onto an image; a figure after the first combined one
// stands on top.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <functional>

#include "rendering/qt/QtCanvas.h"

namespace {

using Figure = std::function<void(Canvas&)>;

constexpr QRgb kWhite = qRgb(255, 255, 255);

// Sheet units (40 x 30):
// - backdrop: a green (0, 255, 0) line of width 2 along y = 10 from x = 0 to 40;
// - mask: a magenta (255, 0, 255) rectangle from (5, 5) to (20, 20) with its
//   pen in the same colour;
// - XOR: a red (255, 0, 0) line of width 2 along y = 25 from x = 0 to 40, and
//   a red rectangle from (25, 5) to (35, 15) drawn twice;
// - then (Copy) a black rectangle from (8, 14) to (12, 18).
void Group(Canvas& canvas) {
  canvas.BeginCombinedGroup(0, 0, 40, 30);
  canvas.SetPenWidth(2);
  canvas.SetPenColour(0x00FF00);
  canvas.MoveTo(0, 10);
  canvas.LineTo(40, 10);
  canvas.SetPenMode(PenMode::Mask);
  canvas.SetPenColour(0xFF00FF);
  canvas.SetBrushColour(0xFF00FF);
  canvas.Rectangle(5, 5, 20, 20);
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetPenColour(0x0000FF);
  canvas.MoveTo(0, 25);
  canvas.LineTo(40, 25);
  canvas.SetBrushColour(0x0000FF);
  canvas.Rectangle(25, 5, 35, 15);
  canvas.Rectangle(25, 5, 35, 15);
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColour(0x000000);
  canvas.SetBrushColour(0x000000);
  canvas.Rectangle(8, 14, 12, 18);
  canvas.EndCombinedGroup();
}

struct Sample {
  int x, y;  // sheet units
  QRgb colour;
  const char* what;
};

const Sample kSamples[] = {
    {15, 7, qRgb(255, 0, 255), "the mask fill over white"},
    {15, 10, qRgb(0, 0, 0), "the green line under the magenta fill: 0 & 255, 255 & 0, 0 & 255"},
    {30, 10, qRgb(0, 255, 0), "the green line outside the fill"},
    {3, 25, qRgb(0, 255, 255), "the red XOR line over white: cyan"},
    {30, 8, kWhite, "the XOR rectangle drawn twice: gone"},
    {10, 16, qRgb(0, 0, 0), "the black rectangle drawn after, over the fill"},
    {3, 3, kWhite, "paper"},
};

QImage OnAScalingPainter(double scale) {
  QImage image(static_cast<int>(40 * scale), static_cast<int>(30 * scale), QImage::Format_RGB32);
  image.fill(kWhite);
  QPainter painter(&image);
  painter.scale(scale, scale);
  QtCanvas canvas;
  canvas.Begin(&painter, {});
  EXPECT_TRUE(canvas.DrawsVectors());
  Group(canvas);
  canvas.End();
  return image;
}

QImage ThroughAPicture(double scale) {
  QPicture picture;
  {
    QPainter painter(&picture);
    QtCanvas canvas;
    canvas.Begin(&painter, {});
    Group(canvas);
    canvas.End();
  }
  QImage image(static_cast<int>(40 * scale), static_cast<int>(30 * scale), QImage::Format_RGB32);
  image.fill(kWhite);
  QPainter painter(&image);
  painter.scale(scale, scale);
  painter.drawPicture(0, 0, picture);
  return image;
}

TEST(QtCanvasGroups, MaskAndXorCombineOnDevicesWithoutPixels) {
  const struct {
    const char* device;
    QImage image;
    double scale;
  } cases[] = {
      {"a painter that scales by 4", OnAScalingPainter(4), 4},
      {"a painter that scales by 2.5", OnAScalingPainter(2.5), 2.5},
      {"a picture played at 4", ThroughAPicture(4), 4},
      {"a picture played at 1", ThroughAPicture(1), 1},
  };
  for (const auto& c : cases)
    for (const Sample& s : kSamples) {
      // The middle of the sheet unit.
      const int x = static_cast<int>((s.x + 0.5) * c.scale), y = static_cast<int>((s.y + 0.5) * c.scale);
      EXPECT_EQ(c.image.pixel(x, y), s.colour) << c.device << ": " << s.what << " at (" << x << ", " << y
                                               << ") shows " << std::hex << c.image.pixel(x, y);
    }
}

// Outside a group nothing combines on these devices: the fill hides the line.
TEST(QtCanvasGroups, WithoutAGroupFiguresStayCopies) {
  QImage image(160, 120, QImage::Format_RGB32);
  image.fill(kWhite);
  {
    QPainter painter(&image);
    painter.scale(4, 4);
    QtCanvas canvas;
    canvas.Begin(&painter, {});
    canvas.SetPenWidth(2);
    canvas.SetPenColour(0x00FF00);
    canvas.MoveTo(0, 10);
    canvas.LineTo(40, 10);
    canvas.SetPenMode(PenMode::Mask);
    canvas.SetPenColour(0xFF00FF);
    canvas.SetBrushColour(0xFF00FF);
    canvas.Rectangle(5, 5, 20, 20);
    canvas.End();
  }
  EXPECT_EQ(image.pixel(62, 42), qRgb(255, 0, 255));
}

}  // namespace
