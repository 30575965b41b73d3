#pragma once
// The pixels of a combined group (Canvas::BeginCombinedGroup) for a canvas
// whose device has none and is not a picture: a page of a printer or a PDF
// file, or an image under a painter that scales.
//
// The group's figures are drawn, as on the raster, into an image over the
// group's rectangle at the device's resolution (at most kImageDotsPerInch on
// printers and PDF files, and at most kImageSideLimit pixels a side): the
// figures before the first combined one (the backdrop) go to the device as
// well, the combined ones (Xor, Mask) only into the image, and the texts and
// Copy figures after that are kept. When the group ends, the pixels that the
// combined figures changed are laid over the device as one image (the rest
// of it is transparent, so the backdrop keeps its vector lines and texts),
// and the kept figures are handed back to be drawn on top.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rendering/Canvas.h"

class QtCanvas;

class QtRasterBlock {
 public:
  // Resolution of the combined pixels on printers and PDF files.
  static constexpr int kImageDotsPerInch = 300;
  // The longest side of the image, whatever the device.
  static constexpr int kImageSideLimit = 4096;

  enum class Kind : int32_t { Line, Rectangle, Ellipse, Polygon, Arc, Text };
  // One drawing call of the canvas, with the state in force.
  struct Figure {
    Kind kind = Kind::Line;
    // Line: x1 y1 x2 y2 phase; Rectangle, Ellipse: the corners; Arc: the
    // eight values; Text: x y.
    int32_t args[8] = {};
    std::vector<CanvasPoint> points;  // Polygon
    std::u16string text;              // Text
    CanvasPen pen;
    CanvasBrush brush;
    FontDescription font;
    int32_t fontColour = 0;
  };

  // A group over the sheet rectangle [left, right) x [top, bottom) of a
  // canvas that draws through painter with sheet point origin on the
  // painter's logical (0, 0).
  QtRasterBlock(QPainter& painter, QPoint origin, int32_t left, int32_t top, int32_t right, int32_t bottom);
  ~QtRasterBlock();
  QtRasterBlock(const QtRasterBlock&) = delete;
  QtRasterBlock& operator=(const QtRasterBlock&) = delete;

  // Takes a figure of the group: true when the canvas is not to draw it on
  // the device now (a combined figure, or a figure kept for later).
  bool Take(const Figure& figure);
  // Lays the combined pixels over the device and gives back the kept
  // figures in their order.
  std::vector<Figure> Finish();

  // The image's size in pixels (empty when the rectangle misses the device).
  QSize ImageSize() const { return image_.size(); }

 private:
  void Draw(const Figure& figure);

  QPainter& painter_;
  // Device pixels covered by the image, and image pixels per device pixel.
  QRect deviceRect_;
  double scale_ = 1.0;
  QImage image_;
  QImage backdrop_;  // the image before the first combined figure
  QPainter imagePainter_;
  std::unique_ptr<QtCanvas> canvas_;  // on the image
  bool backdropDrawn_ = false;
  bool combined_ = false;
  std::vector<Figure> kept_;
};
