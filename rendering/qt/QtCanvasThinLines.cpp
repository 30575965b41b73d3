// One-pixel lines: pixel-exact into the image on the raster path, cosmetic
// runs of the dash pattern on the vector path.
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "rendering/qt/QtCanvas.h"
#include "rendering/qt/QtCanvasShared.h"

using namespace qt_canvas;

namespace {

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

}  // namespace

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
  // A PDF file lays the dashes of a line along an axis itself.
  const bool fileDashes = pattern && pdf_ && (dx == 0 || dy == 0);
  // The runs of a styled line are whole logical units that never overlap:
  // the gaps are laid as one line under the whole run and the dashes go on
  // top, all in one drawing each. At one device pixel per unit (a printer, a
  // PDF file, a picture replayed at 100 %) that gives the dots of the runs
  // drawn one by one; a page of long dotted lines stays a few drawings
  // instead of a path and a pen for every dot. Run by run where the painter
  // scales the units: there the order of the runs decides the pixels they
  // share.
  if (deviceScale_ != 1.0 && !fileDashes) {
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
    return;
  }
  if (fillGaps) {
    painter_->setPen(CosmeticPen(Brush().Colour));
    if (steps == 1)
      painter_->drawPoint(start);
    else
      painter_->drawLine(start, start + step * (steps - 1));
  }
  if (fileDashes) {
    DrawPdfDashedLine(start, step, steps, stylePhase, *pattern);
    return;
  }
  lines_.clear();
  points_.clear();
  ForEachRun(0, steps, stylePhase, pattern, [&](int32_t k1, int32_t k2, bool on) {
    if (!on) return;
    if (k2 - 1 == k1)
      points_.push_back(start + step * k1);
    else
      lines_.push_back(QLineF(start + step * k1, start + step * (k2 - 1)));
  });
  painter_->setPen(CosmeticPen(Pen().Colour));
  if (!lines_.empty()) painter_->drawLines(lines_.data(), static_cast<int>(lines_.size()));
  if (!points_.empty()) painter_->drawPoints(points_.data(), static_cast<int>(points_.size()));
}

void QtCanvas::DrawPdfDashedLine(QPointF start, QPointF step, int32_t steps, int32_t stylePhase,
                                 const DashPattern& pattern) {
  // Unit k of the line covers [k - 1/2, k + 1/2) along it, so the path runs
  // from half a unit before the first unit to half a unit before the end
  // point (left out), and the file's dashes (flat ends, from the phase on)
  // cover the units of the runs. A pen of one device pixel measures its
  // pattern in its widths.
  const QPointF half = step * 0.5;
  const QPointF from = start - half, to = start + step * steps - half;
  const double width = 1.0 / deviceScale_;
  QList<qreal> dashes;
  for (int i = 0; i < pattern.Count; ++i) dashes.append(pattern.Lengths[i] / width);
  QPen pen(QColor(QRgbOfColour(Pen().Colour)));
  pen.setWidthF(width);
  pen.setCapStyle(Qt::FlatCap);
  pen.setDashPattern(dashes);
  int32_t phase = stylePhase % pattern.Period;
  if (phase < 0) phase += pattern.Period;
  pen.setDashOffset(phase / width);
  painter_->setPen(pen);
  painter_->drawLine(from, to);
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
  // Pixel k of the line, in sheet coordinates.
  const auto pixel = [&](int32_t k, int32_t& x, int32_t& y) {
    if (xMajor) {
      x = from.X + sx * k;
      y = from.Y + static_cast<int32_t>(std::floor(static_cast<double>(dy) * k / std::abs(dx) + 0.5));
    } else {
      y = from.Y + sy * k;
      x = from.X + static_cast<int32_t>(std::floor(static_cast<double>(dx) * k / std::abs(dy) + 0.5));
    }
  };
  if (!direct_) {
    for (int32_t k = 0; k < steps; ++k) {
      int32_t x, y;
      pixel(k, x, y);
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
    return;
  }
  // Straight into the image: the pixels of the major axis that fall on the
  // device, run by run of the pattern.
  int32_t first = 0;
  int32_t last = steps;
  if (xMajor)
    visibleRange(from.X - origin_.x(), sx, 0, deviceSize_.width(), first, last);
  else
    visibleRange(from.Y - origin_.y(), sy, 0, deviceSize_.height(), first, last);
  const int width = deviceSize_.width();
  const int height = deviceSize_.height();
  const QRgb opaque = 0xff000000u;
  ForEachRun(first, last, stylePhase, pattern, [&](int32_t k1, int32_t k2, bool on) {
    if (!on && !fillGaps) return;
    const QRgb rgb = QRgbOfColour(on ? penColour : gapColour);
    for (int32_t k = k1; k < k2; ++k) {
      int32_t x, y;
      pixel(k, x, y);
      x -= origin_.x();
      y -= origin_.y();
      if (x < 0 || y < 0 || x >= width || y >= height) continue;
      QRgb& p = Row(y)[x];
      switch (mode) {
        case PenMode::Copy:
          p = rgb;
          break;
        case PenMode::Xor:
          p = (p ^ rgb) | opaque;
          break;
        case PenMode::Mask:
          p &= rgb;
          break;
      }
    }
  });
}
