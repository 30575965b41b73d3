#pragma once
// Recorded calls of a plan layer reduced to what the eye sees: the figure,
// its corners and the pen and brush it was drawn with.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "rendering/RecordingCanvas.h"

struct Drawn {
  RecordingCanvas::Op Kind;
  std::vector<int32_t> Args;  // lines without the style phase
  int32_t PenColour;
  int32_t PenWidth;
  PenStyle Style;
  int32_t BrushColour;  // -1: not filled (lines, arcs, clear brush)

  bool operator==(const Drawn&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Drawn& d) {
  out << "{op " << static_cast<int>(d.Kind) << " (";
  for (int32_t a : d.Args) out << a << ' ';
  return out << ") pen " << std::hex << d.PenColour << std::dec << " w" << d.PenWidth << " style "
             << static_cast<int>(d.Style) << " brush " << std::hex << d.BrushColour << std::dec << '}';
}

inline std::vector<Drawn> Shapes(const RecordingCanvas& canvas) {
  using Op = RecordingCanvas::Op;
  std::vector<Drawn> shapes;
  for (const auto& call : canvas.Calls()) {
    if (call.Kind == Op::TextOut) continue;
    const std::size_t n = call.Kind == Op::Line ? 4 : call.Args.size();
    const bool filled =
        (call.Kind == Op::Rectangle || call.Kind == Op::Ellipse || call.Kind == Op::Polygon) &&
        call.Brush.Style == BrushStyle::Solid;
    EXPECT_EQ(call.Pen.Mode, PenMode::Copy);
    shapes.push_back({call.Kind,
                      {call.Args.begin(), call.Args.begin() + n},
                      call.Pen.Colour,
                      call.Pen.Width,
                      call.Pen.Style,
                      filled ? call.Brush.Colour : -1});
  }
  return shapes;
}

struct Written {
  int32_t X, Y;
  std::u16string Text;
  int32_t FontColour;
  bool operator==(const Written&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Written& w) {
  out << "{" << w.X << ' ' << w.Y << " \"";
  for (char16_t c : w.Text) out << (c < 128 ? static_cast<char>(c) : '?');
  return out << "\" " << std::hex << w.FontColour << std::dec << '}';
}

// Texts with their place and colour; every one must be 8 x 4 on a clear brush.
inline std::vector<Written> Texts(const RecordingCanvas& canvas) {
  std::vector<Written> texts;
  for (const auto& call : canvas.Calls()) {
    if (call.Kind != RecordingCanvas::Op::TextOut) continue;
    EXPECT_EQ(call.Font.Height, 8);
    EXPECT_EQ(call.Font.Width, 4);
    EXPECT_EQ(call.Font.Escapement, 0);
    EXPECT_EQ(call.Brush.Style, BrushStyle::Clear);
    texts.push_back({call.Args[0], call.Args[1], call.Text, call.FontColour});
  }
  return texts;
}
