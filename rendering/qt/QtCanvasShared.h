#pragma once
// The pixel and pen helpers that the canvas's drawing files share.
#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <array>
#include <cstdint>
#include <cstring>

#include "rendering/Canvas.h"
#include "rendering/qt/QtCanvas.h"

namespace qt_canvas {

inline QPainter::CompositionMode CompositionOf(PenMode mode) {
  switch (mode) {
    case PenMode::Xor:
      return QPainter::RasterOp_SourceXorDestination;
    case PenMode::Mask:
      return QPainter::RasterOp_SourceAndDestination;
    default:
      return QPainter::CompositionMode_SourceOver;
  }
}

inline Qt::BrushStyle QtBrushStyleOf(BrushStyle style) {
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

// The 8 x 8 tile of a hatched brush as the painter lays it with its brush
// origin at (0, 0): bit x of row y is set where pixel (x, y) takes the
// colour. Taken from the painter once, so the canvas lays the same hatch.
inline const uint8_t* HatchTileOf(BrushStyle style) {
  static const auto tiles = [] {
    std::array<std::array<uint8_t, 8>, 8> all{};
    for (int k = 0; k < 8; ++k) {
      const Qt::BrushStyle qtStyle = QtBrushStyleOf(static_cast<BrushStyle>(k));
      if (qtStyle == Qt::NoBrush) continue;
      QImage tile(8, 8, QImage::Format_RGB32);
      tile.fill(0xffffffffu);
      {
        QPainter painter(&tile);
        painter.fillRect(QRect(0, 0, 8, 8), QBrush(QColor(0, 0, 0), qtStyle));
      }
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
          if ((tile.pixel(x, y) & 0xffffffu) == 0) all[k][y] |= static_cast<uint8_t>(1u << x);
    }
    return all;
  }();
  const auto k = static_cast<size_t>(style);
  return k < tiles.size() ? tiles[k].data() : nullptr;
}

inline bool IsHatch(BrushStyle style) { return style != BrushStyle::Solid && style != BrushStyle::Clear; }

// Pixel rows combined with a colour, four pixels at a time where they can be.
inline void MaskSpan(QRgb* p, int n, QRgb colour) {
  int i = 0;
#if defined(__GNUC__)
  typedef uint32_t Quad __attribute__((vector_size(16)));
  const Quad c = {colour, colour, colour, colour};
  for (; i + 8 <= n; i += 8) {
    Quad a, b;
    std::memcpy(&a, p + i, sizeof a);
    std::memcpy(&b, p + i + 4, sizeof b);
    a &= c, b &= c;
    std::memcpy(p + i, &a, sizeof a);
    std::memcpy(p + i + 4, &b, sizeof b);
  }
#endif
  const uint64_t c2 = (static_cast<uint64_t>(colour) << 32) | colour;
  for (; i + 2 <= n; i += 2) {
    uint64_t a;
    std::memcpy(&a, p + i, sizeof a);
    a &= c2;
    std::memcpy(p + i, &a, sizeof a);
  }
  if (i < n) p[i] &= colour;
}

// The one-unit pen of the vector path: one device pixel whatever the scale.
inline QPen CosmeticPen(int32_t colour) {
  QPen pen(QColor(QRgbOfColour(colour)));
  pen.setWidth(1);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::SquareCap);
  return pen;
}

}  // namespace qt_canvas
