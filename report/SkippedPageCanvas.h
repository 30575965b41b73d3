#pragma once
// The canvas of a page that is only paged through, not shown: the preview
// draws every page before the one it shows (a family's later pages depend
// on what the earlier ones laid out), but only the shown page needs its
// picture. Nothing is drawn; text is measured by the fixed-pitch rule of the
// report fonts, and nothing shows, so layers skip their work.
#include "rendering/Canvas.h"

class SkippedPageCanvas final : public Canvas {
 public:
  void Rectangle(int32_t, int32_t, int32_t, int32_t) override {}
  void Ellipse(int32_t, int32_t, int32_t, int32_t) override {}
  void Polygon(const CanvasPoint*, int32_t) override {}
  void Arc(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
  void TextOut(int32_t, int32_t, std::u16string_view) override {}
  int32_t TextWidth(std::u16string_view text) override { return FixedPitchTextWidth(Font(), text); }
  bool MayShow(int32_t, int32_t, int32_t, int32_t) const override { return false; }

 protected:
  void DrawLine(CanvasPoint, CanvasPoint, int32_t) override {}
};
