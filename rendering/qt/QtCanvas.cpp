#include "rendering/qt/QtCanvas.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "rendering/qt/QtCanvasShared.h"

using namespace qt_canvas;

namespace {

constexpr double kPi = 3.141592654;

QString FamilyOfFace(std::u16string_view face) {
  if (!face.empty() && face.front() == u'@') face.remove_prefix(1);
  if (face == u"ＭＳ ゴシック") return QStringLiteral("IPAGothic");
  if (face == u"ＭＳ 明朝") return QStringLiteral("IPAMincho");
  if (face == u"ＭＳ Ｐゴシック") return QStringLiteral("IPAPGothic");
  if (face == u"ＭＳ Ｐ明朝") return QStringLiteral("IPAPMincho");
  return QString::fromUtf16(face.data(), static_cast<qsizetype>(face.size()));
}

// A face whose name begins with '@' writes vertically: turned a quarter to
// run downward, full-width characters stand upright in their cells while
// half-width ones lie along the line.
bool IsVerticalFace(std::u16string_view face) { return !face.empty() && face.front() == u'@'; }

// Writes text downward from origin, where a turned line would lie: its cells
// follow one another down the line, height wide and reaching left of origin.
void DrawVerticalText(QPainter& painter, const QFont& font, QPoint origin, const QString& text, int width,
                      int height, const QColor& background, const QColor& colour) {
  const QFontMetrics metrics(font);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (background.isValid())
    painter.fillRect(QRect(origin.x() - height, origin.y(), height, width), background);
  painter.setFont(font);
  painter.setPen(colour);
  // A character at least three quarters as wide as an ideograph is full-width.
  const int fullWidth = metrics.horizontalAdvance(QChar(0x56FD));
  const QTransform base = painter.transform();
  int along = 0;
  for (qsizetype k = 0; k < text.size();) {
    const qsizetype n = text.at(k).isHighSurrogate() && k + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(k, n);
    const int advance = metrics.horizontalAdvance(character);
    painter.setTransform(base);
    if (4 * advance >= 3 * fullWidth) {
      painter.translate(origin.x() - height, origin.y() + along);
    } else {
      painter.translate(origin.x(), origin.y() + along);
      painter.rotate(90);
    }
    painter.drawText(0, metrics.ascent(), character);
    along += advance;
    k += n;
  }
  painter.setTransform(base);
}

void XorSpan(QRgb* p, int n, QRgb colour) {
  for (int i = 0; i < n; ++i) p[i] = (p[i] ^ colour) | 0xff000000u;
}

}  // namespace

QFont QFontOfDescription(const FontDescription& description) {
  QFont font(FamilyOfFace(description.FaceName));
  const int height = std::abs(description.Height) > 0 ? std::abs(description.Height) : 12;
  font.setPixelSize(height);
  if (description.Width > 0) font.setStretch(std::clamp(200 * description.Width / height, 1, 4000));
  font.setWeight(
      static_cast<QFont::Weight>(std::clamp(description.Weight > 0 ? description.Weight : 400, 1, 1000)));
  font.setItalic(description.Italic != 0);
  font.setStyleStrategy(QFont::NoAntialias);
  font.setKerning(false);
  return font;
}

void QtCanvas::Begin(QPainter* painter, QPoint origin) {
  painter_ = painter;
  origin_ = origin;
  image_ = nullptr;
  vector_ = true;
  restoreTransform_ = false;
  QPaintDevice* device = painter->device();
  deviceSize_ = QSize(device->width(), device->height());
  QImage* image = nullptr;
  if (device->devType() == QInternal::Image) {
    auto* candidate = static_cast<QImage*>(device);
    const QImage::Format format = candidate->format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
        format == QImage::Format_ARGB32_Premultiplied)
      image = candidate;
  }
  // The raster path needs logical units that are device pixels, shifted by
  // whole pixels at most; the shift is folded into the origin.
  const QTransform toDevice = painter->deviceTransform();
  deviceScale_ = std::sqrt(std::abs(toDevice.determinant()));
  const bool wholeShift = toDevice.type() <= QTransform::TxTranslate &&
                          toDevice.dx() == std::round(toDevice.dx()) &&
                          toDevice.dy() == std::round(toDevice.dy());
  if (image && wholeShift) {
    vector_ = false;
    image_ = image;
    if (toDevice.type() != QTransform::TxNone) {
      savedWorld_ = painter->worldTransform();
      savedViewEnabled_ = painter->viewTransformEnabled();
      restoreTransform_ = true;
      painter->setViewTransformEnabled(false);
      painter->setWorldTransform(QTransform());
      origin_ -=
          QPoint(static_cast<int>(std::lround(toDevice.dx())), static_cast<int>(std::lround(toDevice.dy())));
    }
  }
  combines_ = vector_ && combinesOnImages_ && device->devType() == QInternal::Image;
  const QPaintEngine* engine = painter->paintEngine();
  pdf_ = vector_ && engine && engine->type() == QPaintEngine::Pdf;
  rasterOpsGroup_ = false;
  block_.reset();
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, false);
  direct_ = image_ && painter_->transform().isIdentity() && !painter_->hasClipping();
  bits_ = direct_ ? image_->bits() : nullptr;
  stride_ = direct_ ? image_->bytesPerLine() : 0;
  ResetPosition();
  // Stamps of other scales and texts long gone are dropped now and then.
  constexpr size_t kMaxStamps = 8192;
  if (shapeStamps_.size() > kMaxStamps) shapeStamps_.clear();
  if (texts_.size() > kMaxStamps) texts_.clear();
}

void QtCanvas::End() {
  EndCombinedGroup();
  if (painter_ && restoreTransform_) {
    painter_->setViewTransformEnabled(savedViewEnabled_);
    painter_->setWorldTransform(savedWorld_);
  }
  restoreTransform_ = false;
  painter_ = nullptr;
  image_ = nullptr;
  bits_ = nullptr;
  stride_ = 0;
  direct_ = false;
}

const QFont& QtCanvas::CurrentQFont() {
  if (!fontValid_) {
    const FontDescription& d = Font();
    const auto same = [&](const std::pair<FontDescription, QFont>& f) {
      const FontDescription& e = f.first;
      return e.Height == d.Height && e.Width == d.Width && e.Escapement == d.Escapement &&
             e.Weight == d.Weight && e.Italic == d.Italic && e.CharSet == d.CharSet &&
             e.FaceName == d.FaceName;
    };
    auto it = std::find_if(fonts_.begin(), fonts_.end(), same);
    if (it == fonts_.end()) {
      fonts_.emplace_back(d, QFontOfDescription(d));
      it = fonts_.end() - 1;
    }
    qfont_ = it->second;
    fontValid_ = true;
  }
  return qfont_;
}

namespace {

enum ShapeKind : int32_t { KindRectangle, KindEllipse, KindArc, KindLine, KindPolygon };

}  // namespace

QtCanvas::TextEntry& QtCanvas::TextEntryOf(std::u16string_view text) {
  const FontDescription& d = Font();
  textKey_.clear();
  for (int32_t v : {d.Height, d.Width, d.Escapement, d.Weight, d.Italic, d.CharSet}) {
    textKey_.push_back(static_cast<char16_t>(static_cast<uint32_t>(v) & 0xffff));
    textKey_.push_back(static_cast<char16_t>(static_cast<uint32_t>(v) >> 16));
  }
  textKey_.append(d.FaceName);
  textKey_.push_back(0);
  textKey_.append(text);
  auto it = texts_.find(textKey_);
  if (it == texts_.end()) {
    TextEntry entry;
    const QFontMetrics metrics(CurrentQFont());
    entry.width =
        metrics.horizontalAdvance(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
    entry.ascent = metrics.ascent();
    entry.height = metrics.height();
    it = texts_.emplace(textKey_, std::move(entry)).first;
  }
  return it->second;
}

void QtCanvas::FillDeviceRect(int x, int y, int width, int height, int32_t colour, PenMode mode) {
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const int right = std::min(x + width, deviceSize_.width());
  const int bottom = std::min(y + height, deviceSize_.height());
  if (left >= right || top >= bottom) return;
  const QRgb rgb = QRgbOfColour(colour);
  if (direct_) {
    for (int row = top; row < bottom; ++row) {
      QRgb* const line = Row(row);
      switch (mode) {
        case PenMode::Copy:
          std::fill(line + left, line + right, rgb);
          break;
        case PenMode::Xor:
          XorSpan(line + left, right - left, rgb);
          break;
        case PenMode::Mask:
          MaskSpan(line + left, right - left, rgb);
          break;
      }
    }
    return;
  }
  painter_->setCompositionMode(CompositionOf(mode));
  painter_->fillRect(QRect(left, top, right - left, bottom - top), QColor(rgb));
}

void QtCanvas::FillSheetRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t colour) {
  if (left >= right || top >= bottom) return;
  if (!vector_) {
    FillDeviceRect(left - origin_.x(), top - origin_.y(), right - left, bottom - top, colour, Pen().Mode);
    return;
  }
  painter_->setCompositionMode(CompositionOf(EffectiveMode()));
  painter_->fillRect(QRect(left - origin_.x(), top - origin_.y(), right - left, bottom - top),
                     QColor(QRgbOfColour(colour)));
}

void QtCanvas::FillWithBrush(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (!painter_ || left >= right || top >= bottom) return;
  const CanvasBrush& brush = Brush();
  if (brush.Style == BrushStyle::Clear) return;
  if (brush.Style == BrushStyle::Solid) {
    FillSheetRect(left, top, right, bottom, brush.Colour);
    return;
  }
  // Hatches are laid on the sheet, whatever part of it the device shows.
  if (const uint8_t* const tile = LaysHatch(brush.Style) ? HatchTileOf(brush.Style) : nullptr) {
    const int x0 = std::max(left - origin_.x(), 0);
    const int x1 = std::min(right - origin_.x(), deviceSize_.width());
    const int y0 = std::max(top - origin_.y(), 0);
    const int y1 = std::min(bottom - origin_.y(), deviceSize_.height());
    for (int y = y0; y < y1; ++y) HatchSpan(y, x0, x1, QRgbOfColour(brush.Colour), tile);
    return;
  }
  painter_->setCompositionMode(CompositionOf(EffectiveMode()));
  painter_->setBrushOrigin(-origin_);
  painter_->fillRect(QRect(left - origin_.x(), top - origin_.y(), right - left, bottom - top),
                     QBrush(QColor(QRgbOfColour(brush.Colour)), QtBrushStyleOf(brush.Style)));
}

namespace {

// Coordinates beyond this reach no device (a sheet has at most 2^24 pixels);
// a line with an end so far out is first cut to the part within kNearLimit.
constexpr int64_t kFarLimit = int64_t{1} << 29;
constexpr int64_t kNearLimit = int64_t{1} << 28;

// A corner of a figure (rectangle, ellipse, arc, polygon, text anchor) within
// kNearLimit, so that the margins and sizes worked out from it overflow no
// int; a figure reaching so far out covers or misses the device all the same.
int32_t Near(int32_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, -kNearLimit, kNearLimit)); }

// The dash phase after a side of an outline, wrapped at the pattern's period.
int32_t PhaseAfter(int32_t phase, CanvasPoint a, CanvasPoint b, const DashPattern* pattern) {
  const int64_t run = std::max(std::llabs(int64_t{b.X} - a.X), std::llabs(int64_t{b.Y} - a.Y));
  return pattern ? static_cast<int32_t>((phase + run) % pattern->Period) : 0;
}

// Cuts a line with an end far outside every device (an axis beyond the
// range of int arrives at INT_MIN) to its part within kNearLimit, in 64 bits
// and doubles, so that the pixel arithmetic that follows overflows no int;
// the dash phase follows the cut. Lines with both ends nearer are left as
// they are. False when nothing of the line is near.
bool CutFarLine(CanvasPoint& from, CanvasPoint& to, int32_t& phase, int32_t period) {
  const int64_t x1 = from.X, y1 = from.Y, x2 = to.X, y2 = to.Y;
  const auto far = [](int64_t v) { return v < -kFarLimit || v > kFarLimit; };
  if (!far(x1) && !far(y1) && !far(x2) && !far(y2)) return true;
  const int64_t dx = x2 - x1, dy = y2 - y1;
  const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  // The points k (0 <= k <= steps) of the line within the near square.
  double first = 0, last = static_cast<double>(steps);
  const auto limit = [&](int64_t start, int64_t d) {
    if (d == 0) {
      if (start < -kNearLimit || start > kNearLimit) last = -1;
      return;
    }
    double a = static_cast<double>(-kNearLimit - start) * static_cast<double>(steps) / static_cast<double>(d);
    double b = static_cast<double>(kNearLimit - start) * static_cast<double>(steps) / static_cast<double>(d);
    if (a > b) std::swap(a, b);
    first = std::max(first, a);
    last = std::min(last, b);
  };
  limit(x1, dx);
  limit(y1, dy);
  if (steps == 0 || first > last) return false;
  const int64_t k1 = static_cast<int64_t>(std::ceil(first));
  const int64_t k2 = static_cast<int64_t>(std::floor(last));
  if (k1 > k2) return false;
  const auto at = [&](int64_t start, int64_t d, int64_t k) {
    const double v = static_cast<double>(start) +
                     static_cast<double>(d) * static_cast<double>(k) / static_cast<double>(steps);
    return static_cast<int32_t>(std::clamp<int64_t>(std::llround(v), -kNearLimit, kNearLimit));
  };
  from = CanvasPoint{at(x1, dx, k1), at(y1, dy, k1)};
  to = CanvasPoint{at(x1, dx, k2), at(y1, dy, k2)};
  if (period > 0) phase = static_cast<int32_t>((phase + k1 % period) % period);
  return true;
}

}  // namespace

void QtCanvas::DrawLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) {
  if (!painter_ || Pen().Style == PenStyle::Clear) return;
  if (block_ && HandedToGroup(QtRasterBlock::Kind::Line, {from.X, from.Y, to.X, to.Y, stylePhase})) return;
  const DashPattern* dashes = DashPatternOf(Pen().Style);
  if (!CutFarLine(from, to, stylePhase, dashes ? dashes->Period : 0)) return;
  if (Pen().Width > 1) {
    if (ShapeStampApplies()) {
      Stamp& stamp = shapeStamps_[KeyOf(KindLine, {to.X - from.X, to.Y - from.Y})];
      const int32_t m = Pen().Width + 2;
      if (DrawShapeStamped(stamp, from.X, from.Y, std::min(from.X, to.X) - m, std::min(from.Y, to.Y) - m,
                           std::max(from.X, to.X) + m, std::max(from.Y, to.Y) + m, Pen().Colour,
                           Brush().Colour, [&] { DrawWideLine(from, to); }))
        return;
    }
    DrawWideLine(from, to);
    return;
  }
  DrawThinLine(from, to, stylePhase);
}

void QtCanvas::DrawWideLine(CanvasPoint from, CanvasPoint to) {
  // Wide pens are solid with round ends and cover both end points.
  PrepareShapePainter(true, false);
  painter_->drawLine(QPoint(from.X, from.Y) - origin_, QPoint(to.X, to.Y) - origin_);
}

void QtCanvas::PrepareShapePainter(bool withPen, bool withBrush) {
  painter_->setCompositionMode(CompositionOf(EffectiveMode()));
  painter_->setBrushOrigin(-origin_);
  if (withPen && Pen().Style != PenStyle::Clear) {
    QPen pen(QColor(QRgbOfColour(Pen().Colour)));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (Pen().Width > 1) {
      pen.setWidth(Pen().Width);
    } else if (!vector_) {
      pen.setWidth(0);
      if (const DashPattern* pattern = DashPatternOf(Pen().Style)) {
        QList<qreal> dashes;
        for (int i = 0; i < pattern->Count; ++i) dashes.append(pattern->Lengths[i]);
        pen.setDashPattern(dashes);
      }
    } else {
      pen = CosmeticPen(Pen().Colour);
      pen.setJoinStyle(Qt::RoundJoin);
      // A cosmetic pen measures its dashes in device pixels: scaled by the
      // painter they come out in logical units.
      if (const DashPattern* pattern = VisibleDashPattern()) {
        QList<qreal> dashes;
        for (int i = 0; i < pattern->Count; ++i) dashes.append(pattern->Lengths[i] * deviceScale_);
        pen.setDashPattern(dashes);
      }
    }
    painter_->setPen(pen);
  } else {
    painter_->setPen(Qt::NoPen);
  }
  if (withBrush && Brush().Style != BrushStyle::Clear)
    painter_->setBrush(QBrush(QColor(QRgbOfColour(Brush().Colour)), QtBrushStyleOf(Brush().Style)));
  else
    painter_->setBrush(Qt::NoBrush);
}

void QtCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (!painter_) return;
  x1 = Near(x1), y1 = Near(y1), x2 = Near(x2), y2 = Near(y2);
  if (block_ && HandedToGroup(QtRasterBlock::Kind::Rectangle, {x1, y1, x2, y2})) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  // Thin pens and pen-less fills are written straight into the pixels anyway.
  if (Pen().Width > 1 && Pen().Style != PenStyle::Clear && ShapeStampApplies()) {
    Stamp& stamp = shapeStamps_[KeyOf(KindRectangle, {x2 - x1, y2 - y1})];
    const int32_t m = Pen().Width + 2;
    if (DrawShapeStamped(stamp, x1, y1, x1 - m, y1 - m, x2 + m, y2 + m, Pen().Colour, Brush().Colour,
                         [&] { DrawRectangle(x1, y1, x2, y2); }))
      return;
  }
  DrawRectangle(x1, y1, x2, y2);
}

void QtCanvas::DrawRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (Pen().Style == PenStyle::Clear) {
    // Without a pen the filled area is one pixel smaller each way.
    FillWithBrush(x1, y1, x2 - 1, y2 - 1);
    return;
  }
  if (Pen().Width > 1) {
    FillWithBrush(x1, y1, x2, y2);
    PrepareShapePainter(true, false);
    painter_->drawRect(QRect(QPoint(x1, y1) - origin_, QPoint(x2 - 1, y2 - 1) - origin_));
    return;
  }
  FillWithBrush(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
  // The outline as one closed path, so that each border pixel is drawn once.
  const CanvasPoint corners[4] = {{x1, y1}, {x2 - 1, y1}, {x2 - 1, y2 - 1}, {x1, y2 - 1}};
  if (x2 - x1 <= 1 || y2 - y1 <= 1) {
    FillSheetRect(x1, y1, x2, y2, Pen().Colour);
    return;
  }
  const DashPattern* pattern = DashPatternOf(Pen().Style);
  int32_t phase = 0;
  for (int i = 0; i < 4; ++i) {
    const CanvasPoint a = corners[i];
    const CanvasPoint b = corners[(i + 1) % 4];
    DrawThinLine(a, b, phase);
    phase = PhaseAfter(phase, a, b, pattern);
  }
}

void QtCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (!painter_) return;
  x1 = Near(x1), y1 = Near(y1), x2 = Near(x2), y2 = Near(y2);
  if (block_ && HandedToGroup(QtRasterBlock::Kind::Ellipse, {x1, y1, x2, y2})) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (ShapeStampApplies()) {
    Stamp& stamp = shapeStamps_[KeyOf(KindEllipse, {x2 - x1, y2 - y1})];
    const int32_t m = Pen().Width + 2;
    if (DrawShapeStamped(
            stamp, x1, y1, x1 - m, y1 - m, x2 + m, y2 + m, Pen().Colour, Brush().Colour,
            [&] { DrawEllipse(x1, y1, x2, y2); }, !PainterDashes()))
      return;
  }
  DrawEllipse(x1, y1, x2, y2);
}

void QtCanvas::DrawEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  PrepareShapePainter(true, true);
  painter_->drawEllipse(QRect(x1 - origin_.x(), y1 - origin_.y(), x2 - x1 - 1, y2 - y1 - 1));
}

void QtCanvas::Polygon(const CanvasPoint* farPoints, int32_t count) {
  if (!painter_ || count < 2) return;
  const auto far = [](CanvasPoint p) { return Near(p.X) != p.X || Near(p.Y) != p.Y; };
  std::vector<CanvasPoint> near;
  const CanvasPoint* points = farPoints;
  if (std::any_of(farPoints, farPoints + count, far)) {
    for (int32_t i = 0; i < count; ++i) near.push_back({Near(farPoints[i].X), Near(farPoints[i].Y)});
    points = near.data();
  }
  if (block_ && HandedToGroup(QtRasterBlock::Kind::Polygon, {}, points, count)) return;
  if (count <= 7 && ShapeStampApplies()) {
    // The corners relative to the first, and the box around them.
    int32_t values[16] = {count};
    int32_t left = points[0].X, top = points[0].Y, right = left, bottom = top;
    for (int32_t i = 1, j = 1; i < count; ++i, j += 2) {
      values[j] = points[i].X - points[0].X;
      values[j + 1] = points[i].Y - points[0].Y;
      left = std::min(left, points[i].X), right = std::max(right, points[i].X);
      top = std::min(top, points[i].Y), bottom = std::max(bottom, points[i].Y);
    }
    ShapeKey key = KeyOf(KindPolygon, {});
    std::copy(values, values + 16, key.values);
    Stamp& stamp = shapeStamps_[key];
    const int32_t m = Pen().Width + 2;
    if (DrawShapeStamped(stamp, points[0].X, points[0].Y, left - m, top - m, right + m, bottom + m,
                         Pen().Colour, Brush().Colour, [&] { DrawPolygon(points, count); }))
      return;
  }
  DrawPolygon(points, count);
}

void QtCanvas::DrawPolygon(const CanvasPoint* points, int32_t count) {
  QPolygon polygon;
  for (int32_t i = 0; i < count; ++i) polygon << QPoint(points[i].X, points[i].Y) - origin_;
  if (Brush().Style != BrushStyle::Clear) {
    PrepareShapePainter(false, true);
    painter_->drawPolygon(polygon, Qt::OddEvenFill);
  }
  if (Pen().Style == PenStyle::Clear) return;
  if (Pen().Width > 1) {
    PrepareShapePainter(true, false);
    painter_->drawPolygon(polygon, Qt::OddEvenFill);
    return;
  }
  const DashPattern* pattern = DashPatternOf(Pen().Style);
  int32_t phase = 0;
  for (int32_t i = 0; i < count; ++i) {
    const CanvasPoint a = points[i];
    const CanvasPoint b = points[(i + 1) % count];
    DrawThinLine(a, b, phase);
    phase = PhaseAfter(phase, a, b, pattern);
  }
}

void QtCanvas::Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                   int32_t y4) {
  if (!painter_ || Pen().Style == PenStyle::Clear) return;
  x1 = Near(x1), y1 = Near(y1), x2 = Near(x2), y2 = Near(y2);
  x3 = Near(x3), y3 = Near(y3), x4 = Near(x4), y4 = Near(y4);
  if (block_ && HandedToGroup(QtRasterBlock::Kind::Arc, {x1, y1, x2, y2, x3, y3, x4, y4})) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (ShapeStampApplies()) {
    Stamp& stamp = shapeStamps_[KeyOf(KindArc, {x2 - x1, y2 - y1, x3 - x1, y3 - y1, x4 - x1, y4 - y1})];
    const int32_t m = Pen().Width + 2;
    if (DrawShapeStamped(
            stamp, x1, y1, x1 - m, y1 - m, x2 + m, y2 + m, Pen().Colour, Brush().Colour,
            [&] { DrawArc(x1, y1, x2, y2, x3, y3, x4, y4); }, !PainterDashes()))
      return;
  }
  DrawArc(x1, y1, x2, y2, x3, y3, x4, y4);
}

void QtCanvas::DrawArc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                       int32_t y4) {
  const double cx = (x1 + x2) / 2.0;
  const double cy = (y1 + y2) / 2.0;
  // Angles counter-clockwise with y upward, as Qt takes them.
  const double start = std::atan2(cy - y3, x3 - cx) * 180.0 / kPi;
  const double end = std::atan2(cy - y4, x4 - cx) * 180.0 / kPi;
  double span = end - start;
  while (span <= 0) span += 360.0;
  if (x3 == x4 && y3 == y4) span = 360.0;
  PrepareShapePainter(true, false);
  painter_->drawArc(QRect(x1 - origin_.x(), y1 - origin_.y(), x2 - x1 - 1, y2 - y1 - 1),
                    static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::TextOut(int32_t x, int32_t y, std::u16string_view text) {
  if (!painter_ || text.empty()) return;
  x = Near(x), y = Near(y);
  if (block_ && HandedToGroup(QtRasterBlock::Kind::Text, {x, y}, nullptr, 0, text)) return;
  if (StampsApply()) {
    TextEntry& entry = TextEntryOf(text);
    const bool background = Brush().Style == BrushStyle::Solid;
    const int32_t h = std::max(std::abs(Font().Height), 12);
    // The text's cell (width by height from (x, y), turned about that corner
    // as the painter turns it), and two lines of room every way round.
    int32_t left = x - 2 * h, top = y - 2 * h, right = x + entry.width + 2 * h, bottom = y + 3 * h;
    if (Font().Escapement != 0) {
      const double a = -Font().Escapement / 10.0 * kPi / 180.0;
      const double c = std::cos(a), s = std::sin(a);
      double minX = 0, maxX = 0, minY = 0, maxY = 0;
      for (const auto& [px, py] : {std::pair<double, double>{entry.width, 0.0},
                                   {0.0, double(h)},
                                   {double(entry.width), double(h)}}) {
        minX = std::min(minX, px * c - py * s), maxX = std::max(maxX, px * c - py * s);
        minY = std::min(minY, px * s + py * c), maxY = std::max(maxY, px * s + py * c);
      }
      left = x + static_cast<int32_t>(std::floor(minX)) - 2 * h;
      top = y + static_cast<int32_t>(std::floor(minY)) - 2 * h;
      right = x + static_cast<int32_t>(std::ceil(maxX)) + 2 * h;
      bottom = y + static_cast<int32_t>(std::ceil(maxY)) + 2 * h;
    }
    if (DrawStamped(entry.stamps[background ? 1 : 0], x, y, left, top, right, bottom, FontColour(),
                    Brush().Colour, [&] { DrawText(x, y, text); }))
      return;
  }
  DrawText(x, y, text);
}

void QtCanvas::DrawText(int32_t x, int32_t y, std::u16string_view text) {
  const QString string = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  const QFont& font = CurrentQFont();
  TextEntry& entry = TextEntryOf(text);
  const int width = entry.width;
  const int height = Font().Height > 0 ? Font().Height : entry.height;

  const QTransform saved = painter_->transform();
  if (IsVerticalFace(Font().FaceName) && Font().Escapement == -900) {
    DrawVerticalText(*painter_, font, QPoint(x - origin_.x(), y - origin_.y()), string, width, height,
                     Brush().Style == BrushStyle::Solid ? QColor(QRgbOfColour(Brush().Colour)) : QColor(),
                     QColor(QRgbOfColour(FontColour())));
    painter_->setTransform(saved);
    return;
  }
  painter_->translate(x - origin_.x(), y - origin_.y());
  if (Font().Escapement != 0) painter_->rotate(-Font().Escapement / 10.0);
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (Brush().Style == BrushStyle::Solid)
    painter_->fillRect(QRect(0, 0, width, height), QColor(QRgbOfColour(Brush().Colour)));
  if (OutlinesBoldText(font)) {
    // The outline of a text is made once per font and text.
    if (!entry.outlined) {
      entry.outline.addText(0, entry.ascent, font, string);
      entry.outlined = true;
    }
    painter_->fillPath(entry.outline, QColor(QRgbOfColour(FontColour())));
  } else {
    painter_->setFont(font);
    // Text takes only the pen's colour: the lines' pen in that colour, so a
    // picture records no change of pen between a text and a line.
    painter_->setPen(CosmeticPen(FontColour()));
    painter_->drawText(0, entry.ascent, string);
  }
  painter_->setTransform(saved);
}

bool QtCanvas::OutlinesBoldText(const QFont& font) const {
  if (!vector_ || font.weight() < QFont::DemiBold) return false;
  const QPaintEngine* engine = painter_->paintEngine();
  return engine && (engine->type() == QPaintEngine::Raster || engine->type() == QPaintEngine::Picture);
}

int32_t QtCanvas::TextWidth(std::u16string_view text) { return TextEntryOf(text).width; }

// ---------------------------------------------------------------------------
// Combined groups

void QtCanvas::BeginCombinedGroup(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  // On the raster path every figure combines with the pixels as it comes.
  if (!painter_ || !vector_ || combines_) return;
  EndCombinedGroup();
  // A picture is only ever played onto pixels, and a window's or pixmap's
  // painter paints pixels (the preview's page): the raster operations are
  // kept, in the order they come, and combine there.
  const int device = painter_->device()->devType();
  const QPaintEngine* engine = painter_->paintEngine();
  if (device == QInternal::Picture || ((device == QInternal::Widget || device == QInternal::Pixmap) &&
                                       engine && engine->type() == QPaintEngine::Raster)) {
    rasterOpsGroup_ = true;
    return;
  }
  block_ = std::make_unique<QtRasterBlock>(*painter_, origin_, left, top, right, bottom, groupScratch_);
}

void QtCanvas::EndCombinedGroup() {
  rasterOpsGroup_ = false;
  if (!block_) return;
  // Closed first: the kept figures go to the device.
  const std::unique_ptr<QtRasterBlock> block = std::move(block_);
  const std::vector<QtRasterBlock::Figure> kept = block->Finish();
  if (kept.empty()) return;
  const CanvasPen pen = Pen();
  const CanvasBrush brush = Brush();
  const FontDescription font = Font();
  const int32_t fontColour = FontColour();
  const auto setState = [this](const CanvasPen& p, const CanvasBrush& b, const FontDescription& f,
                               int32_t c) {
    SetPenColour(p.Colour);
    SetPenWidth(p.Width);
    SetPenStyle(p.Style);
    SetPenMode(p.Mode);
    SetBrushColour(b.Colour);
    SetBrushStyle(b.Style);
    SetFont(f);
    SetFontColour(c);
  };
  for (const QtRasterBlock::Figure& f : kept) {
    setState(f.pen, f.brush, f.font, f.fontColour);
    const int32_t* a = f.args;
    switch (f.kind) {
      case QtRasterBlock::Kind::Line:
        DrawLine({a[0], a[1]}, {a[2], a[3]}, a[4]);
        break;
      case QtRasterBlock::Kind::Rectangle:
        Rectangle(a[0], a[1], a[2], a[3]);
        break;
      case QtRasterBlock::Kind::Ellipse:
        Ellipse(a[0], a[1], a[2], a[3]);
        break;
      case QtRasterBlock::Kind::Polygon:
        Polygon(f.points.data(), static_cast<int32_t>(f.points.size()));
        break;
      case QtRasterBlock::Kind::Arc:
        Arc(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
        break;
      case QtRasterBlock::Kind::Text:
        TextOut(a[0], a[1], f.text);
        break;
    }
  }
  setState(pen, brush, font, fontColour);
}

bool QtCanvas::HandedToGroup(QtRasterBlock::Kind kind, std::initializer_list<int32_t> args,
                             const CanvasPoint* points, int32_t count, std::u16string_view text) {
  QtRasterBlock::Figure figure;
  figure.kind = kind;
  std::copy(args.begin(), args.end(), figure.args);
  if (points) figure.points.assign(points, points + count);
  figure.text = text;
  figure.pen = Pen();
  figure.brush = Brush();
  figure.font = Font();
  figure.fontColour = FontColour();
  return block_->Take(figure);
}
