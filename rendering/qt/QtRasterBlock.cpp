#include "rendering/qt/QtRasterBlock.h"

#include <QPaintDevice>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>

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

}  // namespace

QtRasterBlock::QtRasterBlock(QPainter& painter, QPoint origin, int32_t left, int32_t top, int32_t right,
                             int32_t bottom)
    : painter_(painter) {
  if (right <= left || bottom <= top) return;
  const QTransform toDevice = painter.deviceTransform();
  // The sheet rectangle in device pixels, within the device where it has a
  // size of its own (a picture grows with what is drawn on it).
  QRectF covered = toDevice.mapRect(QRectF(double(left) - origin.x(), double(top) - origin.y(),
                                           double(right) - left, double(bottom) - top));
  const QPaintDevice* device = painter.device();
  if (!device) return;
  if (device->devType() != QInternal::Picture)
    covered = covered.intersected(QRectF(0, 0, device->width(), device->height()));
  if (covered.isEmpty()) return;
  deviceRect_ = covered.toAlignedRect();
  scale_ = ImageScaleOf(*device);
  const int longer = std::max(deviceRect_.width(), deviceRect_.height());
  if (longer * scale_ > kImageSideLimit) scale_ = double(kImageSideLimit) / longer;
  const int width = std::max(1, static_cast<int>(std::ceil(deviceRect_.width() * scale_)));
  const int height = std::max(1, static_cast<int>(std::ceil(deviceRect_.height() * scale_)));
  image_ = QImage(width, height, QImage::Format_RGB32);
  if (image_.isNull()) return;  // no memory for it: the group draws as the device would
  image_.fill(0xffffffffu);
  // Logical units of the canvas to device pixels, then onto the image.
  imagePainter_.begin(&image_);
  imagePainter_.setWorldTransform(toDevice * QTransform::fromTranslate(-deviceRect_.x(), -deviceRect_.y()) *
                                  QTransform::fromScale(scale_, scale_));
  canvas_ = std::make_unique<QtCanvas>();
  canvas_->SetCombinesOnImages(true);
  // Stamps pay off for figures drawn again and again on the screen, not for
  // the one drawing of a group.
  canvas_->SetStampsEnabled(false);
  canvas_->Begin(&imagePainter_, origin);
}

QtRasterBlock::~QtRasterBlock() {
  if (canvas_) canvas_->End();
  if (imagePainter_.isActive()) imagePainter_.end();
}

bool QtRasterBlock::Take(const Figure& figure) {
  const bool combining = figure.kind != Kind::Text && figure.pen.Mode != PenMode::Copy;
  if (combining) {
    if (!combined_) {
      combined_ = true;
      if (backdropDrawn_ && canvas_) backdrop_ = image_.copy();
    }
    Draw(figure);
    return true;
  }
  if (combined_) {
    kept_.push_back(figure);
    return true;
  }
  Draw(figure);
  backdropDrawn_ = true;
  return false;
}

void QtRasterBlock::Draw(const Figure& figure) {
  if (!canvas_) return;
  QtCanvas& canvas = *canvas_;
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
  std::vector<Figure> kept = std::move(kept_);
  kept_.clear();
  if (!canvas_ || !combined_) return kept;
  canvas_->End();
  imagePainter_.end();
  canvas_.reset();
  // The pixels that the combined figures changed stay; every other one
  // becomes transparent and lets the device's own drawing show.
  QImage& image = image_;
  image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
  const int width = image.width(), height = image.height();
  int minX = width, minY = height, maxX = -1, maxY = -1;
  const bool backdrop = !backdrop_.isNull();
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const auto* under = backdrop ? reinterpret_cast<const QRgb*>(backdrop_.constScanLine(y)) : nullptr;
    int first = -1, last = -1;
    for (int x = 0; x < width; ++x) {
      const QRgb was = under ? under[x] : 0xffffffffu;
      if ((line[x] | 0xff000000u) == (was | 0xff000000u)) {
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
  backdrop_ = QImage();
  if (maxX < 0) return kept;
  const QRect changed(minX, minY, maxX - minX + 1, maxY - minY + 1);
  const QRectF target(deviceRect_.x() + changed.x() / scale_, deviceRect_.y() + changed.y() / scale_,
                      changed.width() / scale_, changed.height() / scale_);
  painter_.save();
  painter_.resetTransform();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setRenderHint(QPainter::LosslessImageRendering, true);
  painter_.drawImage(target, image.copy(changed));
  painter_.restore();
  image_ = QImage();
  return kept;
}
