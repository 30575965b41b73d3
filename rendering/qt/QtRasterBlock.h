#pragma once
// The pixels of a combined group (Canvas::BeginCombinedGroup) for a canvas
// whose device has none and is not a picture: a page of a printer or a PDF
// file, or an image under a painter that scales.
//
// The group's figures before the first combined one (the backdrop) go to
// the device and are remembered; the combined ones (Xor, Mask) are only
// remembered; the texts and Copy figures after that are kept back. When the
// group ends, the backdrop and the combined figures are drawn, as on the
// raster, into an image over the part of the group's rectangle that the
// combined figures reach, at the device's resolution (at most
// kImageDotsPerInch on printers and PDF files, and at most kImageSideLimit
// pixels a side); the pixels that the combined figures changed are laid over
// the device as one image (the rest of it is transparent, so the backdrop
// keeps its vector lines and texts), and the kept figures are handed back to
// be drawn on top.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <string>
#include <vector>

#include "rendering/Canvas.h"

class QtCanvas;

class QtRasterBlock {
 public:
  // Resolution of the combined pixels on printers and PDF files: flat fills
  // and lines of half a millimetre and more need no more, and each further
  // dot costs time to compress into a PDF file (the maximal model's report
  // takes 3 % longer at 200, 17 % at 300).
  static constexpr int kImageDotsPerInch = 200;
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

  // Pixel memory kept from one group to the next (a printed report has many).
  struct Scratch {
    std::vector<QRgb> image, backdrop;
  };

  // A group over the sheet rectangle [left, right) x [top, bottom) of a
  // canvas that draws through painter with sheet point origin on the
  // painter's logical (0, 0).
  QtRasterBlock(QPainter& painter, QPoint origin, int32_t left, int32_t top, int32_t right, int32_t bottom,
                Scratch& scratch);
  ~QtRasterBlock();
  QtRasterBlock(const QtRasterBlock&) = delete;
  QtRasterBlock& operator=(const QtRasterBlock&) = delete;

  // Takes a figure of the group: true when the canvas is not to draw it on
  // the device now (a combined figure, or a figure kept for later).
  bool Take(const Figure& figure);
  // Lays the combined pixels over the device and gives back the kept
  // figures in their order.
  std::vector<Figure> Finish();

  // The size in pixels of the image the last Finish() combined in (empty
  // when nothing was combined on the device).
  QSize ImageSize() const { return imageSize_; }

 private:
  static void Draw(QtCanvas& canvas, const Figure& figure);
  // The sheet box a figure's pixels can reach (right and bottom exclusive).
  static QRect ReachOf(const Figure& figure);
  void Combine();

  QPainter& painter_;
  QPoint origin_;
  QRect sheet_;  // the group's rectangle
  Scratch& scratch_;
  std::vector<Figure> backdrop_;  // drawn on the device as well
  std::vector<Figure> combined_;
  std::vector<Figure> kept_;
  QRect reach_;  // of the combined figures, in sheet units
  QSize imageSize_;
};
