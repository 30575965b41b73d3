#pragma once
// The shapes of one wall, laid out in the wall's own frame: the band, the
// fitting symbol of its opening (twelve of them), the mud-wall line, the
// brace wedges and the panel lines. The frame is computed in real view units
// from the wall's ends, the mark unit and the wing walls, so the plan window
// and the printed plan draw the same shapes at their own scales; the drawing
// functions only issue MoveTo / LineTo / Polygon / Arc with the pen and brush
// the caller has set (the symbol switches between the caller's line and mark
// colours itself).
//
// Pixel rule: every point is computed as a real point, moved by one unit in
// x and y and truncated toward zero when it reaches the canvas.
#include <cstdint>

#include "rendering/Canvas.h"

struct WallVector {
  double X = 0;
  double Y = 0;
};

inline WallVector operator+(WallVector a, WallVector b) { return {a.X + b.X, a.Y + b.Y}; }
inline WallVector operator-(WallVector a, WallVector b) { return {a.X - b.X, a.Y - b.Y}; }
inline WallVector operator*(double k, WallVector a) { return {k * a.X, k * a.Y}; }
inline WallVector operator/(WallVector a, double k) { return {a.X / k, a.Y / k}; }

// A wall's frame. P1 is always the end picked first; nothing reorders the ends.
struct WallFrame {
  // False for a wall whose ends meet (or are not finite numbers): such a
  // wall has no direction, and nothing of it is drawn.
  bool Drawable = false;
  WallVector P1, P2;
  double Unit = 0;           // m: half the band's width, the inset at each end
  WallVector Q1, Q2;         // the opening's ends, inside the wing walls
  WallVector M;              // the middle of the opening
  double Length = 0;         // L1 = |Q2 - Q1|
  WallVector D;              // Q2 - Q1
  double Slope = 0;          // phi, in [-pi/2, pi/2]: 0 level, -pi/2 upright
  WallVector Gamma;          // the fixed normal: down for a level wall, right for an upright one
  WallVector Delta;          // the fixed along vector: right, or up for an upright wall
  WallVector Alpha;          // length m from P1 toward P2
  WallVector Beta;           // Alpha turned a quarter: (1, 0) becomes (0, 1)
  double SideInOut = 1;      // s_io: the side of door leaves, sashes and bays
  double SideLeftRight = 1;  // s_lr
  WallVector F1, F2;         // the fitting's first and second ends
};

// The frame of the wall from p1 to p2 with mark unit `unit` and wing walls of
// wingStart and wingEnd view units at the first and the second end. Wing
// walls are clamped to the wall (negative ones to 0, and the two together to
// the wall's length) so that Q1 and Q2 never pass each other. The slope is
// the wall's own, so an opening closed to a point keeps it.
WallFrame MakeWallFrame(WallVector p1, WallVector p2, double unit, double wingStart, double wingEnd,
                        bool flipInOut, bool flipLeftRight);

// A point of the frame on the canvas: moved by (1, 1), truncated toward zero.
CanvasPoint WallPixel(WallVector p);

// The fitting symbols.
constexpr int32_t FittingSymbolCount = 12;

// The band: one quadrilateral along the axis, shortened by m at each end, m
// to either side. Pen and brush are the caller's.
void DrawWallBand(Canvas& canvas, const WallFrame& frame);

// The lines and marks of fitting symbol `symbol` (0..11; any other value
// draws nothing) for an opening of `openingKind` (0 none, 1 window, 2 door,
// 3 fully open): the lines in lineColour first, then the marks and the
// opening ticks in markColour. Width, style and mode of the pen are the
// caller's (symbol 2 draws one line dotted and sets the pen solid after it).
// Arcs whose radius is not above 0 are left out.
void DrawFittingSymbol(Canvas& canvas, const WallFrame& frame, int32_t symbol, int32_t openingKind,
                       int32_t lineColour, int32_t markColour);

// The mud-wall line on the axis, m inside each end.
void DrawMudWallLine(Canvas& canvas, const WallFrame& frame);

// The wedges of brace kind 2..10: one wedge (arrangement 0) or two meeting
// at the middle of the opening (crossed) for kinds 2..8, the knee braces of
// kinds 9 (with posts) and 10. Other kinds draw nothing.
void DrawBraceWedges(Canvas& canvas, const WallFrame& frame, int32_t braceKind, int32_t arrangement);

// The faces of a panel: left/top (PanelLeft) and right/bottom (PanelRight),
// along the fixed normal whichever end came first.
enum class WallFace : int32_t { Left, Right };
// The panel line of a face: 0.7 m out for a panel between the posts
// (display kind 2), else 1.3 m.
void DrawPanelLine(Canvas& canvas, const WallFrame& frame, WallFace face, int32_t displayKind);

// The escapement of texts written along the wall, tenths of a degree.
int32_t WallTextEscapement(const WallFrame& frame);

// The pen width of a panel line by the panel's strength.
int32_t PanelPenWidth(double strength);

// The brace part of a wall's element label: the BraceTable row whose symbol is
// written (-1 none) and whether the weak-joint mark "*" follows.
struct BraceLabel {
  int32_t Row;
  bool WeakJoint;
};
BraceLabel BraceLabelOf(int32_t kind, int32_t joint);

// A wall's element label, as the plan and the printed plan write it: left
// panel, brace, "W" for crossed braces, "*", mud wall, right panel. Written
// into out without the heap; returns its length.
struct WallRecord;
constexpr int32_t ElementLabelCapacity = 64;
int32_t ElementLabelOf(const WallRecord& wall, char16_t (&out)[ElementLabelCapacity]);

// The colour of a wall's band: grey-blue for a wall whose make-up is wholly
// unknown, else by its frame's deterioration, moved on for a retrofit place
// and, in a retrofit plan, for each caution the retrofit raised.
struct WallCaseResult;
int32_t WallBandColour(const WallRecord& wall, const WallCaseResult& result, bool inRetrofitPlan);
