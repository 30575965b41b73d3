#pragma once
// The drawing surface of the plan layers and the report pages. It keeps the
// rules those drawings were designed for:
// - pen, brush and font are state that persists from one call (and one
//   layer) to the next; nothing is restored;
// - a line leaves out its end pixel; rectangles and ellipses leave out their
//   right and bottom edges; polygons fill odd-even; nothing is antialiased;
// - giving the brush a colour turns a clear brush solid; under a solid brush
//   text cells and the gaps of styled lines are filled in the brush colour,
//   under a clear or hatched brush they stay transparent;
// - styled pens (dash, dot) apply at width 1 only.
// Colours are 0x00BBGGRR. Qt-free: report page logic may draw through it
// from the core.
#include <cstdint>
#include <string>
#include <string_view>

enum class PenStyle : int32_t { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
// Copy draws the colour; Xor combines it with the pixel (drawing the same
// figure twice leaves the pixels as they were); Mask keeps pen AND pixel.
enum class PenMode : int32_t { Copy, Xor, Mask };
enum class BrushStyle : int32_t {
  Solid,
  Clear,
  Horizontal,
  Vertical,
  FDiagonal,
  BDiagonal,
  Cross,
  DiagCross
};

struct CanvasPen {
  int32_t Colour = 0;
  int32_t Width = 1;  // 0 draws as 1
  PenStyle Style = PenStyle::Solid;
  PenMode Mode = PenMode::Copy;
};

struct CanvasBrush {
  int32_t Colour = 0xFFFFFF;
  BrushStyle Style = BrushStyle::Solid;
};

// A font as the drawings describe it.
struct FontDescription {
  int32_t Height = 0;      // cell height in pixels
  int32_t Width = 0;       // average character width in pixels; 0 = the face's own
  int32_t Escapement = 0;  // tenths of a degree, counter-clockwise about the text's top-left corner
  int32_t Weight = 400;
  int32_t Italic = 0;  // 1: italic
  int32_t CharSet = 128;
  std::u16string FaceName;
};

// "ＭＳ ゴシック", weight 400, character set 128: the face of every plan label.
FontDescription PlanFont(int32_t height, int32_t width, int32_t escapement = 0);

// Fixed-pitch text width: half-width characters (ASCII, half-width katakana)
// take the font's width, every other character twice that.
int32_t FixedPitchTextWidth(const FontDescription& font, std::u16string_view text);

struct CanvasPoint {
  int32_t X = 0;
  int32_t Y = 0;
};

// Pixels on and off of each styled pen, starting with "on".
struct DashPattern {
  int32_t Count;
  int32_t Lengths[6];
  int32_t Period;
};
// Null for solid and clear pens.
const DashPattern* DashPatternOf(PenStyle style);

class Canvas {
 public:
  virtual ~Canvas();

  const CanvasPen& Pen() const { return pen_; }
  void SetPenColour(int32_t colour) { pen_.Colour = colour; }
  void SetPenWidth(int32_t width) { pen_.Width = width; }
  void SetPenStyle(PenStyle style) { pen_.Style = style; }
  void SetPenMode(PenMode mode) { pen_.Mode = mode; }

  const CanvasBrush& Brush() const { return brush_; }
  void SetBrushColour(int32_t colour);
  void SetBrushStyle(BrushStyle style) { brush_.Style = style; }

  const FontDescription& Font() const { return font_; }
  void SetFont(const FontDescription& font) {
    font_ = font;
    FontChanged();
  }
  int32_t FontColour() const { return fontColour_; }
  void SetFontColour(int32_t colour) { fontColour_ = colour; }

  CanvasPoint PenPosition() const { return position_; }
  void MoveTo(int32_t x, int32_t y);
  // From the pen position to (x, y), end pixel excluded; the line style runs
  // on from the previous LineTo until the next MoveTo.
  void LineTo(int32_t x, int32_t y);

  virtual void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
  virtual void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
  virtual void Polygon(const CanvasPoint* points, int32_t count) = 0;
  // Counter-clockwise along the ellipse in (x1, y1, x2, y2) from the ray
  // towards (x3, y3) to the ray towards (x4, y4); equal rays give the whole ellipse.
  virtual void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                   int32_t y4) = 0;
  // Text with its top-left corner at (x, y), turned by the font's escapement.
  virtual void TextOut(int32_t x, int32_t y, std::u16string_view text) = 0;
  virtual int32_t TextWidth(std::u16string_view text) = 0;
  // Whether anything drawn inside the sheet rectangle (right and bottom
  // exclusive) can show; a layer skips what cannot before it formats its
  // texts. A canvas that does not know its device shows everything.
  virtual bool MayShow(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
    (void)left, (void)top, (void)right, (void)bottom;
    return true;
  }
  // Whether a text of at most `characters` characters in the current font,
  // at any escapement, anchored within `offset` pixels of (x, y), can show:
  // a layer asks before it formats or measures a label.
  bool MayShowText(int32_t x, int32_t y, int32_t characters, int32_t offset = 0) const;

  // A combined group: the figures drawn in the Xor and Mask modes from
  // BeginCombinedGroup() to EndCombinedGroup() combine with one another and
  // with what was drawn in the group before the first of them, within the
  // sheet rectangle (right and bottom exclusive), as they do on pixels. A
  // canvas whose device has pixels draws every figure as it comes; one whose
  // device has none (a printed page) may combine those figures in pixels of
  // its own, lay them over what lies beneath when the group ends and draw
  // the texts and Copy figures that came after the first combined figure on
  // top of them. Groups do not nest.
  virtual void BeginCombinedGroup(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    (void)left, (void)top, (void)right, (void)bottom;
  }
  virtual void EndCombinedGroup() {}

 protected:
  // A call list plays its lines back as they were drawn.
  friend class CanvasCallList;
  // A line from `from` to `to` without the end pixel; the style pattern
  // starts stylePhase pixels in.
  virtual void DrawLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) = 0;
  virtual void FontChanged() {}
  // Back to the state of a fresh device context: pen position (0, 0).
  void ResetPosition() {
    position_ = {};
    stylePhase_ = 0;
  }

 private:
  CanvasPen pen_;
  CanvasBrush brush_;
  FontDescription font_ = PlanFont(12, 6);
  int32_t fontColour_ = 0;
  CanvasPoint position_;
  int32_t stylePhase_ = 0;
};
