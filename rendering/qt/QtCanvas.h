#pragma once
// The canvas on a QPainter. Sheet coordinates are shifted by an origin, so a
// layer draws in sheet pixels while the device holds only the visible part.
// Its members are defined in QtCanvas.cpp (set-up, fills, figures, text,
// combined groups), QtCanvasStamps.cpp (the raster stamp cache and hatches)
// and QtCanvasThinLines.cpp (one-pixel lines on both paths).
//
// Two paths, chosen in Begin() from the painter:
// - Raster: the device is an RGB32/ARGB32 QImage and the painter maps
//   logical units onto device pixels by at most a whole-pixel translation
//   (the plan on the screen). One-pixel lines and solid fills are written
//   straight into the image's pixels, which keeps XOR and mask exact and the
//   paint fast; the drawing is clipped to the image.
// - Vector: every other device (QPicture, QPdfWriter, QPrinter, other image
//   formats) and any painter that scales, rotates or shears (printed pages).
//   All rules hold in logical units: lines leave out their end point,
//   rectangles and ellipses their right and bottom edges (one logical unit);
//   one-unit pens are cosmetic (one device pixel wide whatever the scale)
//   and their dash patterns (DashPatternOf) run in logical units, with the
//   phase carried from one LineTo to the next as on the raster (a pattern
//   shrunk below two device pixels is drawn solid); wider pens
//   are that many logical units wide; fonts are pixel-sized in logical units,
//   so text scales with the painter. The canvas does not clip: the painter
//   clips to the device in device units.
//   Raster operations have no meaning on these devices (a picture or a page
//   has no pixels to combine with), so both Xor and Mask draw as Copy: the
//   figure appears in the pen (and brush) colour. On white paper that is what
//   Mask gives anyway; XOR figures are screen highlights and print in their
//   own colour. Inside a combined group (BeginCombinedGroup) they combine
//   as on the raster: a picture records them with their raster operations,
//   which combine when it is played onto pixels, a window or pixmap that
//   the raster engine paints (the preview's page) combines them as they
//   come, and on other devices (pages) they combine in pixels of the
//   group's own (QtRasterBlock).
#include <QFont>
#include <QImage>
#include <QLine>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QTransform>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "rendering/Canvas.h"
#include "rendering/qt/QtRasterBlock.h"

class QPainter;

// The Qt font of a font description: the Japanese system faces map to the IPA
// fonts, the height is a pixel size, the width becomes a horizontal stretch,
// no antialiasing.
QFont QFontOfDescription(const FontDescription& font);

// 0x00BBGGRR to a Qt colour value.
inline QRgb QRgbOfColour(int32_t colour) {
  return qRgb(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

class QtCanvas final : public Canvas {
 public:
  // Draws through painter until End(); sheet point origin falls on logical
  // point (0, 0) of the painter. The pen position starts at (0, 0); pen,
  // brush and font keep what the previous drawing left.
  void Begin(QPainter* painter, QPoint origin);
  // Gives the painter back with the transform it had at Begin().
  void End();
  // Whether the current drawing takes the vector path (see above).
  bool DrawsVectors() const { return vector_; }
  // Stamps (on by default): on the raster path, a figure that the painter
  // draws (ellipses, arcs, wide lines and rectangles, polygons, text at any
  // escapement) is rasterised once per shape, size, pen and font, and its
  // pixels are copied at each place it is drawn again, also where the device
  // cuts the figure off (only the part on the device is copied). Rasterising
  // is the same at every whole-pixel position, so the pixels are those the
  // painter would draw. Hatched brushes are laid on the sheet in 8 x 8 tiles
  // taken from the painter once; a hatched figure's stamp holds its filled
  // stretches, and the hatch is laid on them where the figure falls. Left to
  // the painter: XOR figures, hatches in the XOR and mask modes, dashed
  // one-pixel ellipses and arcs that the device cuts off (clipping may move
  // their dashes), and a figure larger than the whole device (no huge stamps
  // when zoomed in). Off, every figure and hatch goes through the painter
  // (the tests compare both).
  void SetStampsEnabled(bool on) { stampsEnabled_ = on; }
  // On an image under a painter that scales (the vector path), whether Xor
  // and Mask still combine with the image's pixels through the painter's
  // raster operations; off by default (they draw as Copy). Taken at Begin().
  void SetCombinesOnImages(bool on) { combinesOnImages_ = on; }

  void BeginCombinedGroup(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void EndCombinedGroup() override;

  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void Polygon(const CanvasPoint* points, int32_t count) override;
  void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
           int32_t y4) override;
  void TextOut(int32_t x, int32_t y, std::u16string_view text) override;
  int32_t TextWidth(std::u16string_view text) override;
  // On the raster path with stamps on: whether the rectangle meets the image.
  bool MayShow(int32_t left, int32_t top, int32_t right, int32_t bottom) const override;

 protected:
  void DrawLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase) override;
  void FontChanged() override { fontValid_ = false; }

 private:
  const QFont& CurrentQFont();
  // The pen mode as the device can carry it out: Copy on the vector path
  // (unless it combines on an image).
  PenMode EffectiveMode() const {
    return vector_ && !combines_ && !rasterOpsGroup_ ? PenMode::Copy : Pen().Mode;
  }
  // Inside a combined group on the vector path: hands the figure to the
  // group; true when it is not to be drawn on the device now.
  bool HandedToGroup(QtRasterBlock::Kind kind, std::initializer_list<int32_t> args,
                     const CanvasPoint* points = nullptr, int32_t count = 0, std::u16string_view text = {});
  friend class QtRasterBlock;
  // Fills a rectangle of device pixels, clipped to the device, in the pen
  // mode (raster path).
  void FillDeviceRect(int x, int y, int width, int height, int32_t colour, PenMode mode);
  // Fills a sheet rectangle (right and bottom exclusive) in one colour.
  void FillSheetRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t colour);
  // Fills a sheet rectangle (right and bottom exclusive) with the brush.
  void FillWithBrush(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void PrepareShapePainter(bool withPen, bool withBrush);
  void DrawThinLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase);
  void DrawRasterThinLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase);
  void DrawVectorThinLine(CanvasPoint from, CanvasPoint to, int32_t stylePhase);
  // A styled line along an axis of a PDF file (or a printer, which prints
  // one): one path under a dashed pen, whose dashes the file lays, instead of
  // a path for each dash (a page of dotted grid lines would hold hundreds of
  // thousands). start, step: unit 0 of the line and the step from one unit
  // to the next in logical units; steps: the units drawn. The gaps are the
  // caller's.
  void DrawPdfDashedLine(QPointF start, QPointF step, int32_t steps, int32_t stylePhase,
                         const DashPattern& pattern);
  // The dash pattern of the pen on the vector path; null where the pattern
  // would shrink below a couple of device pixels, which no eye tells from a
  // solid line (dots of a tenth of a pixel would only thin the line out).
  const DashPattern* VisibleDashPattern() const;

  // Row y of the device image (raster path, direct_ only).
  QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_); }
  // Lays the brush's hatch, in colour, on the device pixels [x0, x1) of row y
  // (raster path, Copy mode).
  void HatchSpan(int y, int x0, int x1, QRgb colour, const uint8_t* tile);
  // Whether a hatched brush of this style is laid by the canvas itself.
  bool LaysHatch(BrushStyle style) const;

  // A figure's pixels, as runs of pen (or font) pixels and brush pixels
  // relative to the point it is drawn at.
  struct StampRun {
    int32_t dy, x0, x1;
    bool brush;
    bool both = false;  // a mask figure's pen over its own fill
  };
  struct Stamp {
    bool built = false;
    bool usable = false;  // false: the figure left pixels of mixed colour
    std::vector<StampRun> runs;
  };
  // What decides a figure's pixels but its position and colours.
  struct ShapeKey {
    int32_t kind;
    int32_t penWidth, penStyle, brushStyle;
    int32_t values[16];
    int32_t penMode;
    bool operator==(const ShapeKey&) const = default;
  };
  struct ShapeKeyHash {
    size_t operator()(const ShapeKey& key) const;
  };
  struct TextEntry {
    int32_t width = 0;
    int32_t ascent = 0, height = 0;  // of the font
    Stamp stamps[2];                 // without and with the solid background
    // The outline of bold text on pictures (see OutlinesBoldText), once made.
    QPainterPath outline;
    bool outlined = false;
  };
  bool StampsApply() const;
  // Whether the painter lays the pen's dashes (one-pixel styled pens on
  // ellipses and arcs).
  bool PainterDashes() const { return Pen().Width <= 1 && DashPatternOf(Pen().Style) != nullptr; }
  bool ShapeStampApplies() const;
  ShapeKey KeyOf(int32_t kind, std::initializer_list<int32_t> values) const;
  // Draws the figure that draw() paints at sheet point (x, y) from its stamp,
  // building the stamp within the sheet box (left, top, right, bottom) when
  // it is new; false when the figure has no usable stamp.
  // A figure that the device cuts off is copied from its stamp too, unless
  // clipSafe is false (its pixels could change with the clip).
  bool DrawStamped(Stamp& stamp, int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                   int32_t bottom, int32_t penColour, int32_t brushColour, const std::function<void()>& draw,
                   bool clipSafe = true);
  void BuildStamp(Stamp& stamp, int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                  int32_t bottom, const std::function<void()>& draw);
  // DrawStamped for a figure: a mask figure's stamp is ANDed into the image.
  bool DrawShapeStamped(Stamp& stamp, int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                        int32_t bottom, int32_t penColour, int32_t brushColour,
                        const std::function<void()>& draw, bool clipSafe = true);
  void PaintStamp(const Stamp& stamp, int32_t x, int32_t y, int32_t penColour, int32_t brushColour);
  TextEntry& TextEntryOf(std::u16string_view text);
  void DrawRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void DrawEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void DrawPolygon(const CanvasPoint* points, int32_t count);
  void DrawArc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
               int32_t y4);
  void DrawWideLine(CanvasPoint from, CanvasPoint to);
  void DrawText(int32_t x, int32_t y, std::u16string_view text);
  // Whether bold text is drawn as its outline: on pictures and on painters
  // that scale onto pixels. The faces have no bold style, so the font engine
  // emboldens its glyphs, and a glyph cached for a shrunk painter is widened
  // by the stroke of the unshrunk size: at the preview's 100 % and 119 % bold
  // titles fill their counters. The outline is emboldened at the font's own
  // size and shrinks with the painter. Printers and PDF files keep text.
  bool OutlinesBoldText(const QFont& font) const;

  QPainter* painter_ = nullptr;
  QImage* image_ = nullptr;  // the device, when pixels may be written directly
  // The image's pixels, fetched once per drawing (QImage::scanLine checks for
  // sharing on every call); direct_: no clip or transform on the painter, so
  // they may be written straight.
  uchar* bits_ = nullptr;
  qsizetype stride_ = 0;
  bool direct_ = false;
  bool vector_ = false;
  bool pdf_ = false;  // the painter writes a PDF file (a printer prints one too)
  bool combinesOnImages_ = false;
  bool combines_ = false;  // the vector path combines on an image (see SetCombinesOnImages)
  // A combined group open on a picture, a window or a pixmap: the raster
  // operations are kept, and combine on the pixels (once played, for a
  // picture).
  bool rasterOpsGroup_ = false;
  std::unique_ptr<QtRasterBlock> block_;  // the open combined group on the vector path
  QtRasterBlock::Scratch groupScratch_;
  QPoint origin_;
  QSize deviceSize_;
  double deviceScale_ = 1.0;  // device pixels per logical unit
  // What Begin() took off the painter on the raster path, for End().
  QTransform savedWorld_;
  bool savedViewEnabled_ = true;
  bool restoreTransform_ = false;
  QFont qfont_;
  bool fontValid_ = false;
  bool stampsEnabled_ = true;
  bool maskStamp_ = false;          // the stamp being built or painted is a mask figure's
  const uint8_t* hatch_ = nullptr;  // the hatch of the stamp being painted, or none
  // Every font drawn with so far, by description.
  std::vector<std::pair<FontDescription, QFont>> fonts_;
  std::unordered_map<ShapeKey, Stamp, ShapeKeyHash> shapeStamps_;
  // By font and text (see TextEntryOf); textKey_ is the scratch key.
  std::unordered_map<std::u16string, TextEntry> texts_;
  std::u16string textKey_;
  // Scratch lists of the dashes of a styled line (vector path).
  std::vector<QLineF> lines_;
  std::vector<QPointF> points_;
};
