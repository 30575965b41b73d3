#include "rendering/qt/QtRasterBlock.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "rendering/qt/QtCanvas.h"

namespace {

// Image pixels per device pixel: the device's own on images and pictures
// (whose units are the pixels they are shown in), at most
// kImageDotsPerInch on printers and PDF files.
double ImageScaleOf(const QPaintDevice& device) {
  const int type = device.devType();
  if (type == QInternal::Image || type == QInternal::Picture || type == QInternal::Pixmap) return 1.0;
  const int dpi = device.logicalDpiX();
  return dpi > QtRasterBlock::kImageDotsPerInch ? double(QtRasterBlock::kImageDotsPerInch) / dpi : 1.0;
}

constexpr QRgb kPaper = 0xffffffffu;

}  // namespace

QtRasterBlock::QtRasterBlock(QPainter& painter, QPoint origin, int32_t left, int32_t top, int32_t right,
                             int32_t bottom, Scratch& scratch)
    : painter_(painter), origin_(origin), scratch_(scratch) {
  if (right > left && bottom > top) sheet_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QtRasterBlock::~QtRasterBlock() = default;

bool QtRasterBlock::Take(const Figure& figure) {
  const bool combining = figure.kind != Kind::Text && figure.pen.Mode != PenMode::Copy;
  if (combining) {
    combined_.push_back(figure);
    reach_ |= ReachOf(figure);
    return true;
  }
  if (!combined_.empty()) {
    kept_.push_back(figure);
    return true;
  }
  backdrop_.push_back(figure);
  return false;
}

QRect QtRasterBlock::ReachOf(const Figure& figure) {
  const int32_t* a = figure.args;
  int64_t minX = 0, minY = 0, maxX = 0, maxY = 0;
  const auto span = [&](const int32_t* values, int n) {
    minX = maxX = values[0], minY = maxY = values[1];
    for (int i = 2; i + 1 < n; i += 2) {
      minX = std::min<int64_t>(minX, values[i]), maxX = std::max<int64_t>(maxX, values[i]);
      minY = std::min<int64_t>(minY, values[i + 1]), maxY = std::max<int64_t>(maxY, values[i + 1]);
    }
  };
  switch (figure.kind) {
    case Kind::Line:
    case Kind::Rectangle:
    case Kind::Ellipse:
    case Kind::Arc:
      span(a, 4);
      break;
    case Kind::Polygon:
      if (figure.points.empty()) return {};
      minX = maxX = figure.points[0].X, minY = maxY = figure.points[0].Y;
      for (const CanvasPoint& p : figure.points) {
        minX = std::min<int64_t>(minX, p.X), maxX = std::max<int64_t>(maxX, p.X);
        minY = std::min<int64_t>(minY, p.Y), maxY = std::max<int64_t>(maxY, p.Y);
      }
      break;
    case Kind::Text: {
      // Two full-width cells a character and three lines every way round.
      const int64_t half = figure.font.Width > 0 ? figure.font.Width : std::abs(figure.font.Height) / 2;
      const int64_t reach = 4 * half * static_cast<int64_t>(figure.text.size()) +
                            3 * std::max<int64_t>(std::abs(int64_t{figure.font.Height}), 12);
      minX = a[0] - reach, maxX = a[0] + reach, minY = a[1] - reach, maxY = a[1] + reach;
      break;
    }
  }
  // Half a wide pen beyond the points, and a pixel of rounding.
  const int64_t pen = std::max(figure.pen.Width, 1) / 2 + 2;
  const auto clamp = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -(1 << 28), 1 << 28)); };
  return QRect(QPoint(clamp(minX - pen), clamp(minY - pen)), QPoint(clamp(maxX + pen), clamp(maxY + pen)));
}

void QtRasterBlock::Draw(QtCanvas& canvas, const Figure& figure) {
  canvas.SetPenColour(figure.pen.Colour);
  canvas.SetPenWidth(figure.pen.Width);
  canvas.SetPenStyle(figure.pen.Style);
  canvas.SetPenMode(figure.pen.Mode);
  canvas.SetBrushColour(figure.brush.Colour);
  canvas.SetBrushStyle(figure.brush.Style);
  canvas.SetFontColour(figure.fontColour);
  const int32_t* a = figure.args;
  switch (figure.kind) {
    case Kind::Line:
      canvas.DrawLine({a[0], a[1]}, {a[2], a[3]}, a[4]);
      break;
    case Kind::Rectangle:
      canvas.Rectangle(a[0], a[1], a[2], a[3]);
      break;
    case Kind::Ellipse:
      canvas.Ellipse(a[0], a[1], a[2], a[3]);
      break;
    case Kind::Polygon:
      canvas.Polygon(figure.points.data(), static_cast<int32_t>(figure.points.size()));
      break;
    case Kind::Arc:
      canvas.Arc(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
      break;
    case Kind::Text:
      canvas.SetFont(figure.font);
      canvas.TextOut(a[0], a[1], figure.text);
      break;
  }
}

std::vector<QtRasterBlock::Figure> QtRasterBlock::Finish() {
  imageSize_ = QSize();
  if (!combined_.empty()) Combine();
  backdrop_.clear();
  combined_.clear();
  return std::move(kept_);
}

void QtRasterBlock::Combine() {
  // The part of the group's rectangle that the combined figures reach, in
  // device pixels, within the device where it has a size of its own.
  const QRect sheet = sheet_ & reach_;
  if (sheet.isEmpty()) return;
  const QTransform toDevice = painter_.deviceTransform();
  QRectF covered = toDevice.mapRect(QRectF(sheet.translated(-origin_)));
  const QPaintDevice* device = painter_.device();
  if (!device) return;
  if (device->devType() != QInternal::Picture)
    covered = covered.intersected(QRectF(0, 0, device->width(), device->height()));
  if (covered.isEmpty()) return;
  const QRect deviceRect = covered.toAlignedRect();
  double scale = ImageScaleOf(*device);
  const int longer = std::max(deviceRect.width(), deviceRect.height());
  if (longer * scale > kImageSideLimit) scale = double(kImageSideLimit) / longer;
  const int width = std::max(1, static_cast<int>(std::ceil(deviceRect.width() * scale)));
  const int height = std::max(1, static_cast<int>(std::ceil(deviceRect.height() * scale)));
  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<QRgb>& buffer = scratch_.image;
  std::vector<QRgb>& under = scratch_.backdrop;
  if (buffer.size() < pixels) buffer.resize(pixels);
  std::fill(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(pixels), kPaper);
  QImage image(reinterpret_cast<uchar*>(buffer.data()), width, height, static_cast<qsizetype>(width) * 4,
               QImage::Format_RGB32);
  imageSize_ = image.size();
  {
    QPainter painter(&image);
    // Logical units of the canvas to device pixels, then onto the image.
    painter.setWorldTransform(toDevice * QTransform::fromTranslate(-deviceRect.x(), -deviceRect.y()) *
                              QTransform::fromScale(scale, scale));
    QtCanvas canvas;
    canvas.SetCombinesOnImages(true);
    // Stamps pay off for figures drawn again and again on the screen, not
    // for the one drawing of a group.
    canvas.SetStampsEnabled(false);
    canvas.Begin(&painter, origin_);
    bool backdrop = false;
    for (const Figure& figure : backdrop_)
      if (ReachOf(figure).intersects(sheet)) {
        Draw(canvas, figure);
        backdrop = true;
      }
    if (backdrop) {
      if (under.size() < pixels) under.resize(pixels);
      std::copy(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(pixels), under.begin());
    }
    for (const Figure& figure : combined_) Draw(canvas, figure);
    canvas.End();
    if (!backdrop) under.clear();  // the image was paper before the combined figures
  }
  // The pixels that the combined figures changed stay; every other one
  // becomes transparent and lets the device's own drawing show.
  int minX = width, minY = height, maxX = -1, maxY = -1;
  for (int y = 0; y < height; ++y) {
    QRgb* const line = buffer.data() + static_cast<std::size_t>(y) * width;
    const QRgb* const was = under.empty() ? nullptr : under.data() + static_cast<std::size_t>(y) * width;
    int first = -1, last = -1;
    for (int x = 0; x < width; ++x) {
      if (((line[x] ^ (was ? was[x] : kPaper)) & 0xffffffu) == 0) {
        line[x] = 0;
      } else {
        line[x] |= 0xff000000u;
        if (first < 0) first = x;
        last = x;
      }
    }
    if (first < 0) continue;
    minX = std::min(minX, first), maxX = std::max(maxX, last);
    minY = std::min(minY, y), maxY = y;
  }
  if (maxX < 0) return;
  // The changed part, as an image over the same pixels. Each pixel is
  // opaque or wholly transparent, the same premultiplied or not: a PDF file
  // takes its images unpremultiplied (given so, they are not converted
  // first), the raster engine premultiplied.
  const QPaintEngine* engine = painter_.paintEngine();
  const QImage changed(
      reinterpret_cast<const uchar*>(buffer.data() + static_cast<std::size_t>(minY) * width + minX),
      maxX - minX + 1, maxY - minY + 1, static_cast<qsizetype>(width) * 4,
      engine && engine->type() == QPaintEngine::Pdf ? QImage::Format_ARGB32
                                                    : QImage::Format_ARGB32_Premultiplied);
  const QRectF target(deviceRect.x() + minX / scale, deviceRect.y() + minY / scale, changed.width() / scale,
                      changed.height() / scale);
  painter_.save();
  painter_.resetTransform();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setRenderHint(QPainter::LosslessImageRendering, true);
  // The pixels are the scratch's: an engine that keeps the image for later
  // gets a copy of its own.
  const bool drawsAtOnce =
      engine && (engine->type() == QPaintEngine::Pdf || engine->type() == QPaintEngine::Raster);
  painter_.drawImage(target, drawsAtOnce ? changed : changed.copy());
  painter_.restore();
}
