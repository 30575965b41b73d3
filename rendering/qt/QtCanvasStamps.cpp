// The raster stamp cache: a figure rasterised once per shape, size, pen and
// font, and its pixels copied at each place it is drawn again.
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "rendering/qt/QtCanvas.h"
#include "rendering/qt/QtCanvasShared.h"

using namespace qt_canvas;

namespace {

// The colours a stamp is rasterised in, on a background of neither.
constexpr int32_t kStampPen = 0x000001;
constexpr int32_t kStampBrush = 0x000002;
constexpr QRgb kStampBackground = 0xffffffffu;

}  // namespace

size_t QtCanvas::ShapeKeyHash::operator()(const ShapeKey& key) const {
  size_t h = static_cast<size_t>(key.kind) * 0x9E3779B97F4A7C15ull;
  const auto mix = [&](int32_t v) { h = (h ^ static_cast<uint32_t>(v)) * 0x100000001B3ull; };
  mix(key.penWidth);
  mix(key.penStyle);
  mix(key.brushStyle);
  mix(key.penMode);
  for (int32_t v : key.values) mix(v);
  return h;
}

bool QtCanvas::StampsApply() const { return stampsEnabled_ && painter_ && direct_; }

bool QtCanvas::LaysHatch(BrushStyle style) const {
  return stampsEnabled_ && direct_ && IsHatch(style) && Pen().Mode == PenMode::Copy;
}

void QtCanvas::HatchSpan(int y, int x0, int x1, QRgb colour, const uint8_t* tile) {
  if (x0 >= x1) return;
  // The hatch lies on the sheet: tile row and column by sheet coordinates.
  const uint8_t bits = tile[(y + origin_.y()) & 7];
  if (bits == 0) return;
  QRgb* const line = Row(y);
  if (bits == 0xff) {
    std::fill(line + x0, line + x1, colour);
    return;
  }
  for (int b = 0; b < 8; ++b) {
    if (!(bits & (1u << b))) continue;
    // The first pixel i >= x0 whose sheet column falls on bit b.
    for (int i = x0 + ((b - (x0 + origin_.x())) & 7); i < x1; i += 8) line[i] = colour;
  }
}

bool QtCanvas::MayShow(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
  if (!StampsApply()) return true;
  return right - origin_.x() > 0 && bottom - origin_.y() > 0 && left - origin_.x() < deviceSize_.width() &&
         top - origin_.y() < deviceSize_.height();
}

bool QtCanvas::ShapeStampApplies() const {
  const BrushStyle b = Brush().Style;
  if (!StampsApply() || Pen().Mode == PenMode::Xor) return false;
  // A mask figure is stamped as it masks the white scratch: pen, brush, or
  // both where the pen lies over the fill; its runs are ANDed into the image.
  if (b == BrushStyle::Solid || b == BrushStyle::Clear) return true;
  // A hatched figure is stamped as with a solid brush, whose pixels the hatch
  // then picks: so not where a solid brush would also fill a dashed pen's gaps.
  const bool gapless = Pen().Width > 1 || Pen().Style == PenStyle::Solid || Pen().Style == PenStyle::Clear;
  return LaysHatch(b) && gapless;
}

QtCanvas::ShapeKey QtCanvas::KeyOf(int32_t kind, std::initializer_list<int32_t> values) const {
  ShapeKey key{};
  key.kind = kind;
  key.penWidth = Pen().Width;
  key.penStyle = static_cast<int32_t>(Pen().Style);
  // Hatched figures share the stamp of the solid brush (see ShapeStampApplies).
  key.brushStyle = static_cast<int32_t>(IsHatch(Brush().Style) ? BrushStyle::Solid : Brush().Style);
  key.penMode = static_cast<int32_t>(Pen().Mode);
  int i = 0;
  for (int32_t v : values) key.values[i++] = v;
  return key;
}

bool QtCanvas::DrawStamped(Stamp& stamp, int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                           int32_t bottom, int32_t penColour, int32_t brushColour,
                           const std::function<void()>& draw, bool clipSafe) {
  // Nothing of a figure wholly off the device shows.
  if (right - origin_.x() <= 0 || bottom - origin_.y() <= 0 || left - origin_.x() >= deviceSize_.width() ||
      top - origin_.y() >= deviceSize_.height())
    return true;
  // A figure that the device cuts off is copied in part, unless the clip may
  // change its pixels or the figure is larger than the device (zoomed in, a
  // stamp would only hold pixels that never show).
  const bool cut = left - origin_.x() < 0 || top - origin_.y() < 0 ||
                   right - origin_.x() > deviceSize_.width() || bottom - origin_.y() > deviceSize_.height();
  if (cut && (!clipSafe || right - left > deviceSize_.width() || bottom - top > deviceSize_.height()))
    return false;
  if (!stamp.built) BuildStamp(stamp, x, y, left, top, right, bottom, draw);
  if (!stamp.usable) return false;
  PaintStamp(stamp, x, y, penColour, brushColour);
  return true;
}

void QtCanvas::BuildStamp(Stamp& stamp, int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                          int32_t bottom, const std::function<void()>& draw) {
  stamp.built = true;
  stamp.usable = false;
  stamp.runs.clear();
  if (right <= left || bottom <= top || right - left > 4096 || bottom - top > 4096) return;
  QImage scratch(right - left, bottom - top, QImage::Format_RGB32);
  scratch.fill(kStampBackground);
  {
    // The figure drawn as it would be, onto the scratch image in the stamp
    // colours; then the canvas is given back its device and colours.
    QPainter painter(&scratch);
    QPainter* const savedPainter = painter_;
    QImage* const savedImage = image_;
    uchar* const savedBits = bits_;
    const qsizetype savedStride = stride_;
    const bool savedDirect = direct_;
    const QPoint savedOrigin = origin_;
    const QSize savedSize = deviceSize_;
    const int32_t penColour = Pen().Colour;
    const int32_t brushColour = Brush().Colour;
    const int32_t fontColour = FontColour();
    const BrushStyle brushStyle = Brush().Style;
    painter_ = &painter;
    image_ = &scratch;
    bits_ = scratch.bits();
    stride_ = scratch.bytesPerLine();
    direct_ = true;
    origin_ = QPoint(left, top);
    deviceSize_ = scratch.size();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    SetPenColour(kStampPen);
    SetFontColour(kStampPen);
    SetBrushColour(kStampBrush);
    // A hatch is laid when the stamp is painted: built with its solid fill.
    SetBrushStyle(IsHatch(brushStyle) ? BrushStyle::Solid : brushStyle);
    draw();
    SetPenColour(penColour);
    SetFontColour(fontColour);
    SetBrushColour(brushColour);
    SetBrushStyle(brushStyle);
    painter_ = savedPainter;
    image_ = savedImage;
    bits_ = savedBits;
    stride_ = savedStride;
    direct_ = savedDirect;
    origin_ = savedOrigin;
    deviceSize_ = savedSize;
  }
  const QRgb pen = QRgbOfColour(kStampPen) | 0xff000000u;
  const QRgb brush = QRgbOfColour(kStampBrush) | 0xff000000u;
  const int width = scratch.width(), height = scratch.height();
  const uchar* const bits = scratch.constBits();
  const qsizetype stride = scratch.bytesPerLine();
  for (int row = 0; row < height; ++row) {
    const auto* line = reinterpret_cast<const QRgb*>(bits + row * stride);
    int col = 0;
    while (col < width) {
      const QRgb p = line[col] | 0xff000000u;
      int end = col + 1;
      while (end < width && (line[end] | 0xff000000u) == p) ++end;
      if (p != kStampBackground) {
        // Any other colour (a blended edge) cannot be copied in new colours.
        const bool both = maskStamp_ && p == (pen & brush);
        if (p != pen && p != brush && !both) {
          stamp.runs.clear();
          return;
        }
        stamp.runs.push_back({row + top - y, col + left - x, end + left - x, p == brush, both});
      }
      col = end;
    }
  }
  // The figure must not have reached the scratch's border (clipped there).
  for (const StampRun& r : stamp.runs) {
    const int row = r.dy + y - top;
    if (row == 0 || row == height - 1 || r.x0 + x - left == 0 || r.x1 + x - left == width) {
      stamp.runs.clear();
      return;
    }
  }
  stamp.usable = true;
}

bool QtCanvas::DrawShapeStamped(Stamp& stamp, int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                                int32_t bottom, int32_t penColour, int32_t brushColour,
                                const std::function<void()>& draw, bool clipSafe) {
  maskStamp_ = Pen().Mode == PenMode::Mask;
  hatch_ = IsHatch(Brush().Style) ? HatchTileOf(Brush().Style) : nullptr;
  const bool drawn =
      DrawStamped(stamp, x, y, left, top, right, bottom, penColour, brushColour, draw, clipSafe);
  maskStamp_ = false;
  hatch_ = nullptr;
  return drawn;
}

void QtCanvas::PaintStamp(const Stamp& stamp, int32_t x, int32_t y, int32_t penColour, int32_t brushColour) {
  const int ox = x - origin_.x();
  const int oy = y - origin_.y();
  const QRgb pen = QRgbOfColour(penColour);
  const QRgb brush = QRgbOfColour(brushColour);
  const bool mask = maskStamp_;
  const int width = deviceSize_.width();
  const int height = deviceSize_.height();
  for (const StampRun& r : stamp.runs) {
    // Only the part on the device.
    const int row = oy + r.dy;
    if (row < 0 || row >= height) continue;
    const int x0 = std::max(ox + r.x0, 0);
    const int x1 = std::min(ox + r.x1, width);
    if (x0 >= x1) continue;
    if (r.brush && hatch_) {
      HatchSpan(row, x0, x1, brush, hatch_);
      continue;
    }
    QRgb* const line = Row(row);
    const QRgb colour = r.both ? pen & brush : r.brush ? brush : pen;
    if (mask)
      MaskSpan(line + x0, x1 - x0, colour);
    else
      std::fill(line + x0, line + x1, colour);
  }
}
