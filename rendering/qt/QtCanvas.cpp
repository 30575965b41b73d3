#include "rendering/qt/QtCanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

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

QPainter::CompositionMode CompositionOf(PenMode mode) {
  switch (mode) {
    case PenMode::Xor:
      return QPainter::RasterOp_SourceXorDestination;
    case PenMode::Mask:
      return QPainter::RasterOp_SourceAndDestination;
    default:
      return QPainter::CompositionMode_SourceOver;
  }
}

Qt::BrushStyle QtBrushStyleOf(BrushStyle style) {
  switch (style) {
    case BrushStyle::Solid:
      return Qt::SolidPattern;
    case BrushStyle::Horizontal:
      return Qt::HorPattern;
    case BrushStyle::Vertical:
      return Qt::VerPattern;
    case BrushStyle::FDiagonal:
      return Qt::FDiagPattern;
    case BrushStyle::BDiagonal:
      return Qt::BDiagPattern;
    case BrushStyle::Cross:
      return Qt::CrossPattern;
    case BrushStyle::DiagCross:
      return Qt::DiagCrossPattern;
    default:
      return Qt::NoBrush;
  }
}

// Splits the pixels k in [first, last) of a styled line into runs that are
// on or off the pattern, calling visit(k1, k2, on) for each.
template <typename Visit>
void ForEachRun(int32_t first, int32_t last, int32_t phase, const DashPattern* pattern, Visit visit) {
  if (!pattern) {
    if (first < last) visit(first, last, true);
    return;
  }
  int32_t k = first;
  while (k < last) {
    int32_t p = (phase + k) % pattern->Period;
    if (p < 0) p += pattern->Period;
    int32_t segment = 0;
    while (p >= pattern->Lengths[segment]) p -= pattern->Lengths[segment++];
    const int32_t end = std::min(last, k + pattern->Lengths[segment] - p);
    visit(k, end, segment % 2 == 0);
    k = end;
  }
}

// The one-unit pen of the vector path: one device pixel whatever the scale.
QPen CosmeticPen(int32_t colour) {
  QPen pen(QColor(QRgbOfColour(colour)));
  pen.setWidth(1);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::SquareCap);
  return pen;
}

}  // namespace

QFont QFontOfDescription(const FontDescription& description) {
  QFont font(FamilyOfFace(description.FaceName));
  const int height = std::abs(description.Height) > 0 ? std::abs(description.Height) : 12;
  font.setPixelSize(height);
  if (description.Width > 0) font.setStretch(std::clamp(200 * description.Width / height, 1, 4000));
  font.setWeight(
      static_cast<QFont::Weight>(std::clamp(description.Weight > 0 ? description.Weight : 400, 1, 1000)));
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
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, false);
  ResetPosition();
}

void QtCanvas::End() {
  if (painter_ && restoreTransform_) {
    painter_->setViewTransformEnabled(savedViewEnabled_);
    painter_->setWorldTransform(savedWorld_);
  }
  restoreTransform_ = false;
  painter_ = nullptr;
  image_ = nullptr;
}

const QFont& QtCanvas::CurrentQFont() {
  if (!fontValid_) {
    qfont_ = QFontOfDescription(Font());
    fontValid_ = true;
  }
  return qfont_;
}

void QtCanvas::FillDeviceRect(int x, int y, int width, int height, int32_t colour, PenMode mode) {
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const int right = std::min(x + width, deviceSize_.width());
  const int bottom = std::min(y + height, deviceSize_.height());
  if (left >= right || top >= bottom) return;
  const QRgb rgb = QRgbOfColour(colour);
  if (image_ && painter_->transform().isIdentity() && !painter_->hasClipping()) {
    const QRgb opaque = 0xff000000u;
    for (int row = top; row < bottom; ++row) {
      auto* line = reinterpret_cast<QRgb*>(image_->scanLine(row));
      switch (mode) {
        case PenMode::Copy:
          std::fill(line + left, line + right, rgb);
          break;
        case PenMode::Xor:
          for (int i = left; i < right; ++i) line[i] = (line[i] ^ rgb) | opaque;
          break;
        case PenMode::Mask:
          for (int i = left; i < right; ++i) line[i] &= rgb;
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
  painter_->setCompositionMode(CompositionOf(EffectiveMode()));
  painter_->setBrushOrigin(-origin_);
  painter_->fillRect(QRect(left - origin_.x(), top - origin_.y(), right - left, bottom - top),
                     QBrush(QColor(QRgbOfColour(brush.Colour)), QtBrushStyleOf(brush.Style)));
}

void QtCanvas::DrawLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) {
  if (!painter_ || Pen().Style == PenStyle::Clear) return;
  if (Pen().Width > 1) {
    // Wide pens are solid with round ends and cover both end points.
    PrepareShapePainter(true, false);
    painter_->drawLine(QPoint(from.X, from.Y) - origin_, QPoint(to.X, to.Y) - origin_);
    return;
  }
  DrawThinLine(from, to, stylePhase);
}

void QtCanvas::DrawThinLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) {
  if (vector_)
    DrawVectorThinLine(from, to, stylePhase);
  else
    DrawRasterThinLine(from, to, stylePhase);
}

const DashPattern* QtCanvas::VisibleDashPattern() const {
  const DashPattern* pattern = DashPatternOf(Pen().Style);
  return pattern && pattern->Period * deviceScale_ >= 2.0 ? pattern : nullptr;
}

void QtCanvas::DrawVectorThinLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) {
  const int32_t dx = to.X - from.X;
  const int32_t dy = to.Y - from.Y;
  const int32_t steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0) return;
  const DashPattern* pattern = VisibleDashPattern();
  const bool fillGaps = pattern && Brush().Style == BrushStyle::Solid;
  // Point k of the line, k logical units along its longer axis; a run of
  // points [k1, k2) is a segment from point k1 to point k2 - 1, so the end
  // point of the line is left out as on the raster.
  const QPointF start(from.X - origin_.x(), from.Y - origin_.y());
  const QPointF step(static_cast<double>(dx) / steps, static_cast<double>(dy) / steps);
  painter_->setCompositionMode(CompositionOf(EffectiveMode()));
  painter_->setBrush(Qt::NoBrush);
  int32_t penColour = -1;
  ForEachRun(0, steps, stylePhase, pattern, [&](int32_t k1, int32_t k2, bool on) {
    if (!on && !fillGaps) return;
    const int32_t colour = on ? Pen().Colour : Brush().Colour;
    if (colour != penColour) {
      painter_->setPen(CosmeticPen(colour));
      penColour = colour;
    }
    if (k2 - 1 == k1)
      painter_->drawPoint(start + step * k1);
    else
      painter_->drawLine(start + step * k1, start + step * (k2 - 1));
  });
}

void QtCanvas::DrawRasterThinLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) {
  const int32_t dx = to.X - from.X;
  const int32_t dy = to.Y - from.Y;
  const int32_t steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0) return;

  const DashPattern* pattern = DashPatternOf(Pen().Style);
  const bool fillGaps = pattern && Brush().Style == BrushStyle::Solid;
  const int32_t penColour = Pen().Colour;
  const int32_t gapColour = Brush().Colour;
  const PenMode mode = Pen().Mode;
  const int sx = dx > 0 ? 1 : (dx < 0 ? -1 : 0);
  const int sy = dy > 0 ? 1 : (dy < 0 ? -1 : 0);

  // The pixels k (0 <= k < steps) that fall inside the device.
  auto visibleRange = [](int32_t start, int s, int32_t lo, int32_t hi, int32_t& first, int32_t& last) {
    // start + s * k in [lo, hi)
    if (s == 0) {
      if (start < lo || start >= hi) first = last = 0;
      return;
    }
    int32_t a = s > 0 ? lo - start : start - (hi - 1);
    int32_t b = s > 0 ? hi - start : start - lo + 1;
    first = std::max(first, a);
    last = std::min(last, b);
  };

  if (dx == 0 || dy == 0) {
    int32_t first = 0;
    int32_t last = steps;
    visibleRange(from.X - origin_.x(), sx, 0, deviceSize_.width(), first, last);
    visibleRange(from.Y - origin_.y(), sy, 0, deviceSize_.height(), first, last);
    if (first >= last) return;
    ForEachRun(first, last, stylePhase, pattern, [&](int32_t k1, int32_t k2, bool on) {
      if (!on && !fillGaps) return;
      const int32_t colour = on ? penColour : gapColour;
      // The run's pixels from + s * k for k in [k1, k2), as a device rectangle.
      const int x1 = from.X + sx * k1 - origin_.x();
      const int x2 = from.X + sx * (k2 - 1) - origin_.x();
      const int y1 = from.Y + sy * k1 - origin_.y();
      const int y2 = from.Y + sy * (k2 - 1) - origin_.y();
      FillDeviceRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1, colour,
                     mode);
    });
    return;
  }

  // Slanted: one pixel per step of the longer axis, the other axis rounded.
  const int minX = std::min(from.X, to.X) - origin_.x();
  const int maxX = std::max(from.X, to.X) - origin_.x();
  const int minY = std::min(from.Y, to.Y) - origin_.y();
  const int maxY = std::max(from.Y, to.Y) - origin_.y();
  if (maxX < 0 || maxY < 0 || minX >= deviceSize_.width() || minY >= deviceSize_.height()) return;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  for (int32_t k = 0; k < steps; ++k) {
    int32_t x, y;
    if (xMajor) {
      x = from.X + sx * k;
      y = from.Y + static_cast<int32_t>(std::floor(static_cast<double>(dy) * k / std::abs(dx) + 0.5));
    } else {
      y = from.Y + sy * k;
      x = from.X + static_cast<int32_t>(std::floor(static_cast<double>(dx) * k / std::abs(dy) + 0.5));
    }
    bool on = true;
    if (pattern) {
      int32_t p = (stylePhase + k) % pattern->Period;
      int32_t segment = 0;
      while (p >= pattern->Lengths[segment]) p -= pattern->Lengths[segment++];
      on = segment % 2 == 0;
    }
    if (!on && !fillGaps) continue;
    FillDeviceRect(x - origin_.x(), y - origin_.y(), 1, 1, on ? penColour : gapColour, mode);
  }
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
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
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
  int32_t phase = 0;
  for (int i = 0; i < 4; ++i) {
    const CanvasPoint a = corners[i];
    const CanvasPoint b = corners[(i + 1) % 4];
    DrawThinLine(a, b, phase);
    phase += std::max(std::abs(b.X - a.X), std::abs(b.Y - a.Y));
  }
}

void QtCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (!painter_) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  PrepareShapePainter(true, true);
  painter_->drawEllipse(QRect(x1 - origin_.x(), y1 - origin_.y(), x2 - x1 - 1, y2 - y1 - 1));
}

void QtCanvas::Polygon(const CanvasPoint* points, int32_t count) {
  if (!painter_ || count < 2) return;
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
  int32_t phase = 0;
  for (int32_t i = 0; i < count; ++i) {
    const CanvasPoint a = points[i];
    const CanvasPoint b = points[(i + 1) % count];
    DrawThinLine(a, b, phase);
    phase += std::max(std::abs(b.X - a.X), std::abs(b.Y - a.Y));
  }
}

void QtCanvas::Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                   int32_t y4) {
  if (!painter_ || Pen().Style == PenStyle::Clear) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
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
  const QString string = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  const QFont& font = CurrentQFont();
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(string);
  const int height = Font().Height > 0 ? Font().Height : metrics.height();

  const QTransform saved = painter_->transform();
  painter_->translate(x - origin_.x(), y - origin_.y());
  if (Font().Escapement != 0) painter_->rotate(-Font().Escapement / 10.0);
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (Brush().Style == BrushStyle::Solid)
    painter_->fillRect(QRect(0, 0, width, height), QColor(QRgbOfColour(Brush().Colour)));
  painter_->setFont(font);
  painter_->setPen(QColor(QRgbOfColour(FontColour())));
  painter_->drawText(0, metrics.ascent(), string);
  painter_->setTransform(saved);
}

int32_t QtCanvas::TextWidth(std::u16string_view text) {
  const QFontMetrics metrics(CurrentQFont());
  return metrics.horizontalAdvance(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}
