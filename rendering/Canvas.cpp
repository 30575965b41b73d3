#include "rendering/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// The patterns of the one-pixel styled pens.
constexpr DashPattern kDash{2, {18, 6}, 24};
constexpr DashPattern kDot{2, {3, 3}, 6};
constexpr DashPattern kDashDot{4, {9, 6, 3, 6}, 24};
constexpr DashPattern kDashDotDot{6, {9, 3, 3, 3, 3, 3}, 24};
constexpr int64_t kStylePhaseWrap = int64_t{24} << 26;
static_assert(kStylePhaseWrap % kDash.Period == 0 && kStylePhaseWrap % kDot.Period == 0 &&
              kStylePhaseWrap % kDashDot.Period == 0 && kStylePhaseWrap % kDashDotDot.Period == 0);

bool IsHalfWidth(char16_t c) { return c < 0x0100 || (c >= 0xFF61 && c <= 0xFF9F); }

}  // namespace

FontDescription PlanFont(int32_t height, int32_t width, int32_t escapement) {
  FontDescription font;
  font.Height = height;
  font.Width = width;
  font.Escapement = escapement;
  font.Weight = 400;
  font.CharSet = 128;
  font.FaceName = u"ＭＳ ゴシック";
  return font;
}

int32_t FixedPitchTextWidth(const FontDescription& font, std::u16string_view text) {
  const int32_t half = font.Width > 0 ? font.Width : std::abs(font.Height) / 2;
  int32_t width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    // A surrogate pair is one character.
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) ++i;
    width += IsHalfWidth(c) ? half : 2 * half;
  }
  return width;
}

const DashPattern* DashPatternOf(PenStyle style) {
  switch (style) {
    case PenStyle::Dash:
      return &kDash;
    case PenStyle::Dot:
      return &kDot;
    case PenStyle::DashDot:
      return &kDashDot;
    case PenStyle::DashDotDot:
      return &kDashDotDot;
    default:
      return nullptr;
  }
}

Canvas::~Canvas() = default;

bool Canvas::MayShowText(int32_t x, int32_t y, int32_t characters, int32_t offset) const {
  // Twice the fixed-pitch width of as many full-width characters, and room
  // for the cell and glyphs reaching beyond it, every way round the anchor.
  const int64_t half = font_.Width > 0 ? font_.Width : std::abs(font_.Height) / 2;
  const int64_t height = std::max<int64_t>(std::abs(int64_t{font_.Height}), 12);
  const int64_t reach =
      std::min<int64_t>(4 * half * std::max(characters, 0) + 3 * height + std::abs(int64_t{offset}), 1 << 24);
  const auto at = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return MayShow(at(x - reach), at(y - reach), at(x + reach), at(y + reach));
}

void Canvas::SetBrushColour(int32_t colour) {
  brush_.Colour = colour;
  if (brush_.Style == BrushStyle::Clear) brush_.Style = BrushStyle::Solid;
}

void Canvas::MoveTo(int32_t x, int32_t y) {
  position_ = {x, y};
  stylePhase_ = 0;
}

void Canvas::LineTo(int32_t x, int32_t y) {
  const CanvasPoint to{x, y};
  DrawLine(position_, to, stylePhase_);
  // In 64 bits, wrapped at a multiple of every dash period: the pattern is
  // the same, and a long run of far lines overflows nothing.
  const int64_t run = std::max(std::llabs(int64_t{x} - position_.X), std::llabs(int64_t{y} - position_.Y));
  stylePhase_ = static_cast<int32_t>((stylePhase_ + run) % kStylePhaseWrap);
  position_ = to;
}
