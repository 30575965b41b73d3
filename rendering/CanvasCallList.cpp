#include "rendering/CanvasCallList.h"

namespace {

bool SameFont(const FontDescription& a, const FontDescription& b) {
  return a.Height == b.Height && a.Width == b.Width && a.Escapement == b.Escapement && a.Weight == b.Weight &&
         a.Italic == b.Italic && a.CharSet == b.CharSet && a.FaceName == b.FaceName;
}

bool SamePen(const CanvasPen& a, const CanvasPen& b) {
  return a.Colour == b.Colour && a.Width == b.Width && a.Style == b.Style && a.Mode == b.Mode;
}

}  // namespace

void CanvasCallList::Clear() {
  words_.clear();
  points_.clear();
  texts_.clear();
  fonts_.clear();
  penWritten_ = brushWritten_ = fontWritten_ = fontColourWritten_ = false;
  fontChanged_ = true;
  ResetPosition();
}

void CanvasCallList::SwapCalls(CanvasCallList& other) {
  words_.swap(other.words_);
  points_.swap(other.points_);
  texts_.swap(other.texts_);
  fonts_.swap(other.fonts_);
  // Neither list may take the other's state for written.
  penWritten_ = brushWritten_ = fontWritten_ = fontColourWritten_ = false;
  other.penWritten_ = other.brushWritten_ = other.fontWritten_ = other.fontColourWritten_ = false;
  fontChanged_ = other.fontChanged_ = true;
}

void CanvasCallList::Write(Op op, std::initializer_list<int32_t> values) {
  words_.push_back(op);
  words_.insert(words_.end(), values.begin(), values.end());
}

void CanvasCallList::WriteState(bool forText) {
  if (!penWritten_ || !SamePen(Pen(), pen_)) {
    pen_ = Pen();
    penWritten_ = true;
    Write(OpPen,
          {pen_.Colour, pen_.Width, static_cast<int32_t>(pen_.Style), static_cast<int32_t>(pen_.Mode)});
  }
  if (!brushWritten_ || Brush().Colour != brush_.Colour || Brush().Style != brush_.Style) {
    brush_ = Brush();
    brushWritten_ = true;
    Write(OpBrush, {brush_.Colour, static_cast<int32_t>(brush_.Style)});
  }
  if (!forText) return;
  if (fontChanged_) {
    fontChanged_ = false;
    // A page uses a handful of fonts: the last one used is the likeliest.
    int32_t index = static_cast<int32_t>(fonts_.size()) - 1;
    while (index >= 0 && !SameFont(fonts_[static_cast<size_t>(index)], Font())) --index;
    if (index < 0) {
      fonts_.push_back(Font());
      index = static_cast<int32_t>(fonts_.size()) - 1;
    }
    if (!fontWritten_ || index != font_) {
      font_ = index;
      fontWritten_ = true;
      Write(OpFont, {index});
    }
  }
  if (!fontColourWritten_ || FontColour() != fontColour_) {
    fontColour_ = FontColour();
    fontColourWritten_ = true;
    Write(OpFontColour, {fontColour_});
  }
}

void CanvasCallList::DrawLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) {
  WriteState(false);
  Write(OpLine, {from.X, from.Y, to.X, to.Y, stylePhase});
}

void CanvasCallList::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  WriteState(false);
  Write(OpRectangle, {x1, y1, x2, y2});
}

void CanvasCallList::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  WriteState(false);
  Write(OpEllipse, {x1, y1, x2, y2});
}

void CanvasCallList::Polygon(const CanvasPoint* points, int32_t count) {
  if (count < 0) count = 0;
  WriteState(false);
  Write(OpPolygon, {count, static_cast<int32_t>(points_.size())});
  points_.insert(points_.end(), points, points + count);
}

void CanvasCallList::Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                         int32_t y4) {
  WriteState(false);
  Write(OpArc, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void CanvasCallList::TextOut(int32_t x, int32_t y, std::u16string_view text) {
  WriteState(true);
  Write(OpText, {x, y, static_cast<int32_t>(texts_.size()), static_cast<int32_t>(text.size())});
  texts_.append(text);
}

int32_t CanvasCallList::TextWidth(std::u16string_view text) {
  if (!measure_) return FixedPitchTextWidth(Font(), text);
  if (measureFontStale_) {
    measure_->SetFont(Font());
    measureFontStale_ = false;
  }
  return measure_->TextWidth(text);
}

void CanvasCallList::BeginCombinedGroup(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Write(OpBeginGroup, {left, top, right, bottom});
}

void CanvasCallList::EndCombinedGroup() { words_.push_back(OpEndGroup); }

void CanvasCallList::PlayOn(Canvas& target) const {
  const int32_t* w = words_.data();
  const int32_t* const end = w + words_.size();
  while (w < end) {
    const auto op = static_cast<Op>(*w++);
    switch (op) {
      case OpPen:
        target.SetPenColour(w[0]);
        target.SetPenWidth(w[1]);
        target.SetPenStyle(static_cast<PenStyle>(w[2]));
        target.SetPenMode(static_cast<PenMode>(w[3]));
        w += 4;
        break;
      case OpBrush:
        target.SetBrushColour(w[0]);
        target.SetBrushStyle(static_cast<BrushStyle>(w[1]));
        w += 2;
        break;
      case OpFont:
        target.SetFont(fonts_[static_cast<size_t>(w[0])]);
        w += 1;
        break;
      case OpFontColour:
        target.SetFontColour(w[0]);
        w += 1;
        break;
      case OpLine:
        target.DrawLine({w[0], w[1]}, {w[2], w[3]}, w[4]);
        w += 5;
        break;
      case OpRectangle:
        target.Rectangle(w[0], w[1], w[2], w[3]);
        w += 4;
        break;
      case OpEllipse:
        target.Ellipse(w[0], w[1], w[2], w[3]);
        w += 4;
        break;
      case OpPolygon:
        target.Polygon(points_.data() + w[1], w[0]);
        w += 2;
        break;
      case OpArc:
        target.Arc(w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7]);
        w += 8;
        break;
      case OpText:
        target.TextOut(
            w[0], w[1],
            std::u16string_view(texts_).substr(static_cast<size_t>(w[2]), static_cast<size_t>(w[3])));
        w += 4;
        break;
      case OpBeginGroup:
        target.BeginCombinedGroup(w[0], w[1], w[2], w[3]);
        w += 4;
        break;
      case OpEndGroup:
        target.EndCombinedGroup();
        break;
    }
  }
}
