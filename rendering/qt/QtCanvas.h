#pragma once
// The canvas on a QPainter. Sheet coordinates are shifted by an origin, so a
// layer draws in sheet pixels while the device holds only the visible part.
// One-pixel lines and solid fills on an RGB32 image are written straight
// into its pixels, which keeps XOR and mask exact and the paint fast.
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>

#include "rendering/Canvas.h"

class QPainter;

// The Qt font of a font description: the Japanese system faces map to the IPA
// fonts, the width becomes a horizontal stretch, no antialiasing.
QFont QFontOfDescription(const FontDescription& font);

// 0x00BBGGRR to a Qt colour value.
inline QRgb QRgbOfColour(int32_t colour) {
  return qRgb(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

class QtCanvas final : public Canvas {
 public:
  // Draws through painter until End(); sheet point origin falls on device
  // pixel (0, 0). The pen position starts at (0, 0); pen, brush and font
  // keep what the previous drawing left.
  void Begin(QPainter* painter, QPoint origin);
  void End();

  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void Polygon(const CanvasPoint* points, int32_t count) override;
  void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
           int32_t y4) override;
  void TextOut(int32_t x, int32_t y, std::u16string_view text) override;
  int32_t TextWidth(std::u16string_view text) override;

 protected:
  void DrawLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) override;
  void FontChanged() override { fontValid_ = false; }

 private:
  const QFont& CurrentQFont();
  // Fills a rectangle of device pixels, clipped to the device, in the pen mode.
  void FillDeviceRect(int x, int y, int width, int height, int32_t colour, PenMode mode);
  // Fills a sheet rectangle (right and bottom exclusive) with the brush.
  void FillWithBrush(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void PrepareShapePainter(bool withPen, bool withBrush);
  void DrawThinLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase);

  QPainter* painter_ = nullptr;
  QImage* image_ = nullptr;  // the device, when pixels may be written directly
  QPoint origin_;
  QSize deviceSize_;
  QFont qfont_;
  bool fontValid_ = false;
};
