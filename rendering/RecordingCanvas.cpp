#include "rendering/RecordingCanvas.h"

#include <utility>

void RecordingCanvas::Record(Op kind, std::vector<int32_t> args, std::u16string_view text) {
  calls_.push_back({kind, std::move(args), std::u16string(text), Pen(), Brush(), Font(), FontColour()});
}

void RecordingCanvas::DrawLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) {
  Record(Op::Line, {from.X, from.Y, to.X, to.Y, stylePhase});
}

void RecordingCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Record(Op::Rectangle, {x1, y1, x2, y2});
}

void RecordingCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Record(Op::Ellipse, {x1, y1, x2, y2});
}

void RecordingCanvas::Polygon(const CanvasPoint* points, int32_t count) {
  std::vector<int32_t> args;
  for (int32_t i = 0; i < count; ++i) {
    args.push_back(points[i].X);
    args.push_back(points[i].Y);
  }
  Record(Op::Polygon, std::move(args));
}

void RecordingCanvas::Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                          int32_t y4) {
  Record(Op::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void RecordingCanvas::TextOut(int32_t x, int32_t y, std::u16string_view text) {
  Record(Op::TextOut, {x, y}, text);
}

int32_t RecordingCanvas::TextWidth(std::u16string_view text) { return FixedPitchTextWidth(Font(), text); }
