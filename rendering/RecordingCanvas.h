#pragma once
// A canvas that draws nothing and remembers every call with the pen, brush
// and font in force, so that geometry can be checked call by call.
#include <string>
#include <vector>

#include "rendering/Canvas.h"

class RecordingCanvas final : public Canvas {
 public:
  enum class Op { Line, Rectangle, Ellipse, Polygon, Arc, TextOut };

  struct Call {
    Op Kind;
    std::vector<int32_t> Args;  // Line: x1 y1 x2 y2 phase; Polygon: x y pairs; others as passed
    std::u16string Text;
    CanvasPen Pen;
    CanvasBrush Brush;
    FontDescription Font;
    int32_t FontColour;
  };

  const std::vector<Call>& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }

  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void Polygon(const CanvasPoint* points, int32_t count) override;
  void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
           int32_t y4) override;
  void TextOut(int32_t x, int32_t y, std::u16string_view text) override;
  // The fixed-pitch width of the mapped Japanese faces.
  int32_t TextWidth(std::u16string_view text) override;

 protected:
  void DrawLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) override;

 private:
  void Record(Op kind, std::vector<int32_t> args, std::u16string_view text = {});
  std::vector<Call> calls_;
};
