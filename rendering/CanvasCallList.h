#pragma once
// A drawing kept as the canvas calls that made it, to be drawn again on any
// canvas: the report preview keeps the page it shows so and draws it on its
// window at every repaint and zoom step.
//
// The calls are kept flat, with the pen, brush, font and font colour written
// only where they change, so a page of tens of thousands of figures costs a
// few megabytes and no allocation per figure once the lists have grown.
// Played on a canvas, every figure is drawn with the state it was recorded
// under, line styles continue with the phase they had (lines are played as
// the canvas drew them, pen positions aside), and combined groups open and
// close where they did. The target's pen, brush and font are left as the
// last call set them.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "rendering/Canvas.h"

class CanvasCallList final : public Canvas {
 public:
  // Text widths are asked of measure (its font kept in step with this
  // canvas's), or taken by the fixed-pitch rule when there is none.
  explicit CanvasCallList(Canvas* measure = nullptr) : measure_(measure) {}

  // Forgets the calls (keeping the memory) and starts over: the pen at
  // (0, 0), the pen, brush and font in force written anew at the first call.
  void Clear();
  bool Empty() const { return words_.empty(); }
  // Exchanges the calls of the two lists (not their canvas state or
  // measuring canvas); a list recorded into again is cleared first.
  void SwapCalls(CanvasCallList& other);
  void PlayOn(Canvas& target) const;

  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void Polygon(const CanvasPoint* points, int32_t count) override;
  void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
           int32_t y4) override;
  void TextOut(int32_t x, int32_t y, std::u16string_view text) override;
  int32_t TextWidth(std::u16string_view text) override;
  void BeginCombinedGroup(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void EndCombinedGroup() override;

 protected:
  void DrawLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) override;
  void FontChanged() override { fontChanged_ = measureFontStale_ = true; }

 private:
  enum Op : int32_t {
    OpPen,         // colour width style mode
    OpBrush,       // colour style
    OpFont,        // index into fonts_
    OpFontColour,  // colour
    OpLine,        // x1 y1 x2 y2 phase
    OpRectangle,   // x1 y1 x2 y2
    OpEllipse,     // x1 y1 x2 y2
    OpPolygon,     // count, offset in points_
    OpArc,         // the eight values
    OpText,        // x y, offset and length in texts_
    OpBeginGroup,  // left top right bottom
    OpEndGroup,
  };
  // Writes the pen and brush in force where they differ from the last ones
  // written, and for text the font and its colour too.
  void WriteState(bool forText);
  void Write(Op op, std::initializer_list<int32_t> values);

  Canvas* measure_;
  std::vector<int32_t> words_;
  std::vector<CanvasPoint> points_;
  std::u16string texts_;
  std::vector<FontDescription> fonts_;
  // The state last written, and whether any was.
  bool penWritten_ = false, brushWritten_ = false, fontWritten_ = false, fontColourWritten_ = false;
  CanvasPen pen_;
  CanvasBrush brush_;
  int32_t font_ = 0;
  int32_t fontColour_ = 0;
  bool fontChanged_ = true;
  // The font of measure_ is set from this canvas's when this changed since.
  bool measureFontStale_ = true;
};
