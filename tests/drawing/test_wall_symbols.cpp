// The wall frame and the shapes drawn in it. Invariants guarded here:
// - the fixed normal gamma and the fixed along vector delta do not depend on
//   which end was picked first; alpha runs from P1 to P2 and beta is alpha
//   turned (1, 0) -> (0, 1); upright walls get their vectors exactly;
// - wing walls never let the opening's ends pass each other, an opening
//   closed to a point keeps the wall's slope, and a wall whose ends meet (or
//   are not numbers) draws nothing;
// - every point reaches the canvas moved by (1, 1) and truncated;
// - a wall picked either way round gives the same band, outline, jambs, panel
//   lines and ticks, and the door line stays inside the band both ways;
// - FlipLeftRight mirrors a symbol along the wall, FlipInOut across it;
// - door arcs sweep the smaller angle (start chosen by the cross product)
//   and are left out when their radius is not above 0.
//
// Most cases use a level wall from (10, 20) to (70, 20) with mark unit 6:
// alpha (6, 0), beta (0, 6), gamma (0, 6), opening middle M (40, 20).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "rendering/RecordingCanvas.h"
#include "rendering/WallSymbols.h"

namespace {

using Op = RecordingCanvas::Op;
using Ints = std::vector<int32_t>;

constexpr int32_t LineColour = 0x000001;
constexpr int32_t MarkColour = 0x000002;

WallFrame Level(bool flipInOut = false, bool flipLeftRight = false) {
  return MakeWallFrame({10, 20}, {70, 20}, 6, 0, 0, flipInOut, flipLeftRight);
}
WallFrame LevelBackwards() { return MakeWallFrame({70, 20}, {10, 20}, 6, 0, 0, false, false); }

void ExpectVector(WallVector actual, WallVector expected, const char* what) {
  EXPECT_NEAR(actual.X, expected.X, 1e-9) << what;
  EXPECT_NEAR(actual.Y, expected.Y, 1e-9) << what;
}

// A line or an arc as the eye sees it: lines without their direction.
struct Figure {
  Op Kind;
  Ints Args;  // line: x1 y1 x2 y2 (ends ordered); arc: box, start, end
  int32_t Colour;
  PenStyle Style;
  bool operator==(const Figure&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Figure& f) {
  out << (f.Kind == Op::Arc ? "arc(" : f.Kind == Op::Line ? "line(" : "fig(");
  for (int32_t a : f.Args) out << a << ' ';
  return out << ") " << f.Colour;
}

std::vector<Figure> Figures(const RecordingCanvas& canvas) {
  std::vector<Figure> figures;
  for (const auto& call : canvas.Calls()) {
    Ints args = call.Args;
    if (call.Kind == Op::Line) {
      args.resize(4);
      if (std::make_pair(args[2], args[3]) < std::make_pair(args[0], args[1]))
        args = {args[2], args[3], args[0], args[1]};
    }
    figures.push_back({call.Kind, args, call.Pen.Colour, call.Pen.Style});
  }
  return figures;
}

template <typename Draw>
std::vector<Figure> Drawn(Draw draw) {
  RecordingCanvas canvas;
  draw(canvas);
  return Figures(canvas);
}

std::vector<Figure> Symbol(const WallFrame& frame, int32_t symbol, int32_t kind) {
  return Drawn([&](Canvas& c) { DrawFittingSymbol(c, frame, symbol, kind, LineColour, MarkColour); });
}

Figure Line(Ints args, int32_t colour = LineColour) {
  if (std::make_pair(args[2], args[3]) < std::make_pair(args[0], args[1]))
    args = {args[2], args[3], args[0], args[1]};
  return {Op::Line, args, colour, PenStyle::Solid};
}

TEST(WallFrame, VectorsOfLevelUprightAndSlantedWalls) {
  const double s = 6 * std::sqrt(0.5);  // 4.2426: 6 sin 45°
  const struct {
    const char* name;
    WallVector p1, p2;
    WallVector gamma, delta, alpha, beta;
    int32_t escapement;
  } cases[] = {
      {"level, left to right", {10, 20}, {70, 20}, {0, 6}, {6, 0}, {6, 0}, {0, 6}, 0},
      {"level, right to left", {70, 20}, {10, 20}, {0, 6}, {6, 0}, {-6, 0}, {0, -6}, 0},
      {"upright, picked upward", {10, 80}, {10, 20}, {6, 0}, {0, -6}, {0, -6}, {6, 0}, 900},
      {"upright, picked downward", {10, 20}, {10, 80}, {6, 0}, {0, -6}, {0, 6}, {-6, 0}, 900},
      // phi = atan(-60 / 60) = -pi/4; 450 x pi / 3.141592654 is just below 450.
      {"rising to the right", {0, 60}, {60, 0}, {s, s}, {s, -s}, {s, -s}, {s, s}, 449},
      {"falling to the right", {0, 0}, {60, 60}, {-s, s}, {s, s}, {s, s}, {-s, s}, -449},
  };
  for (const auto& c : cases) {
    const WallFrame f = MakeWallFrame(c.p1, c.p2, 6, 0, 0, false, false);
    ASSERT_TRUE(f.Drawable) << c.name;
    ExpectVector(f.Gamma, c.gamma, c.name);
    ExpectVector(f.Delta, c.delta, c.name);
    ExpectVector(f.Alpha, c.alpha, c.name);
    ExpectVector(f.Beta, c.beta, c.name);
    EXPECT_EQ(WallTextEscapement(f), c.escapement) << c.name;
  }
  // An upright wall's vectors involve no trigonometry: exact.
  const WallFrame upright = MakeWallFrame({10, 80}, {10, 20}, 53.0 / 9, 0, 0, false, false);
  EXPECT_EQ(upright.Gamma.X, 53.0 / 9);
  EXPECT_EQ(upright.Gamma.Y, 0.0);
  EXPECT_EQ(upright.Delta.X, 0.0);
  EXPECT_EQ(upright.Delta.Y, -53.0 / 9);
}

TEST(WallFrame, OpeningBetweenTheWingWallsAndTheFlips) {
  // Wing walls of 12 and 6 units: the opening runs from x 22 to 64.
  const WallFrame f = MakeWallFrame({10, 20}, {70, 20}, 6, 12, 6, false, false);
  ExpectVector(f.Q1, {22, 20}, "Q1");
  ExpectVector(f.Q2, {64, 20}, "Q2");
  ExpectVector(f.M, {43, 20}, "M");
  EXPECT_DOUBLE_EQ(f.Length, 42);
  ExpectVector(f.F1, {22, 20}, "F1");
  EXPECT_EQ(f.SideInOut, 1);
  EXPECT_EQ(f.SideLeftRight, 1);

  const WallFrame flipped = MakeWallFrame({10, 20}, {70, 20}, 6, 12, 6, true, true);
  ExpectVector(flipped.F1, {64, 20}, "flipped F1");
  ExpectVector(flipped.F2, {22, 20}, "flipped F2");
  EXPECT_EQ(flipped.SideInOut, -1);
  EXPECT_EQ(flipped.SideLeftRight, -1);
}

TEST(WallFrame, WingWallsAreClampedToTheWall) {
  const struct {
    const char* name;
    double start, end;
    WallVector q1, q2;
  } cases[] = {
      {"together longer than the wall", 50, 50, {60, 20}, {60, 20}},
      {"one longer than the wall", 90, 5, {70, 20}, {70, 20}},
      {"together exactly the wall", 20, 40, {30, 20}, {30, 20}},
      {"negative", -5, -8, {10, 20}, {70, 20}},
  };
  for (const auto& c : cases) {
    const WallFrame f = MakeWallFrame({10, 20}, {70, 20}, 6, c.start, c.end, false, false);
    ExpectVector(f.Q1, c.q1, c.name);
    ExpectVector(f.Q2, c.q2, c.name);
    EXPECT_LE(f.Q1.X, f.Q2.X) << c.name;
  }
}

TEST(WallFrame, AnOpeningClosedToAPointKeepsTheWallsSlope) {
  // Upright: the band still runs along the wall, not across it.
  const WallFrame upright = MakeWallFrame({10, 80}, {10, 20}, 6, 30, 40, false, false);
  EXPECT_EQ(upright.Length, 0);
  ExpectVector(upright.Gamma, {6, 0}, "upright gamma");
  ExpectVector(upright.Alpha, {0, -6}, "upright alpha");
  EXPECT_EQ(WallTextEscapement(upright), 900);

  const double length = std::hypot(60, 60);
  const WallFrame slanted = MakeWallFrame({0, 60}, {60, 0}, 6, length / 2, length / 2, false, false);
  EXPECT_EQ(WallTextEscapement(slanted), 449);
  RecordingCanvas canvas;
  for (int32_t symbol = 0; symbol < FittingSymbolCount; ++symbol)
    DrawFittingSymbol(canvas, slanted, symbol, 2, LineColour, MarkColour);
  DrawWallBand(canvas, slanted);
  // No NaN or infinity reaches the canvas: every point lies near the wall.
  for (const auto& call : canvas.Calls())
    for (std::size_t i = 0; i + 1 < call.Args.size() && i < 4; i += 2) {
      EXPECT_GT(call.Args[i], -100) << static_cast<int>(call.Kind);
      EXPECT_LT(call.Args[i], 200) << static_cast<int>(call.Kind);
    }
}

TEST(WallFrame, AWallWhoseEndsMeetDrawsNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const WallFrame frames[] = {
      MakeWallFrame({40, 20}, {40, 20}, 6, 0, 0, false, false),
      MakeWallFrame({nan, 20}, {70, 20}, 6, 0, 0, false, false),
      MakeWallFrame({10, 20}, {inf, 20}, 6, 0, 0, false, false),
      MakeWallFrame({10, 20}, {70, 20}, nan, 0, 0, false, false),
  };
  for (const WallFrame& f : frames) {
    EXPECT_FALSE(f.Drawable);
    RecordingCanvas canvas;
    DrawWallBand(canvas, f);
    for (int32_t symbol = 0; symbol < FittingSymbolCount; ++symbol)
      DrawFittingSymbol(canvas, f, symbol, 1, LineColour, MarkColour);
    DrawMudWallLine(canvas, f);
    DrawBraceWedges(canvas, f, 5, 1);
    DrawPanelLine(canvas, f, WallFace::Left, 0);
    EXPECT_TRUE(canvas.Calls().empty());
  }
}

TEST(WallShapes, BandMudWallAndPanelLinesPointByPoint) {
  // Band corners P1 + a + b = (16, 26), P2 - a + b = (64, 26), P2 - a - b,
  // P1 + a - b, each moved by (1, 1).
  EXPECT_EQ(Drawn([](Canvas& c) { DrawWallBand(c, Level()); }),
            (std::vector<Figure>{{Op::Polygon, {17, 27, 65, 27, 65, 15, 17, 15}, 0, PenStyle::Solid}}));
  EXPECT_EQ(Drawn([](Canvas& c) { DrawMudWallLine(c, Level()); }),
            (std::vector<Figure>{Line({17, 21, 65, 21}, 0)}));
  // 1.3 gamma = 7.8 above (y 12.2 + 1) or, between the posts, 0.7 gamma =
  // 4.2 below (y 24.2 + 1).
  EXPECT_EQ(Drawn([](Canvas& c) { DrawPanelLine(c, Level(), WallFace::Left, 0); }),
            (std::vector<Figure>{Line({11, 13, 71, 13}, 0)}));
  EXPECT_EQ(Drawn([](Canvas& c) { DrawPanelLine(c, Level(), WallFace::Right, 2); }),
            (std::vector<Figure>{Line({11, 25, 71, 25}, 0)}));
  EXPECT_EQ(Drawn([](Canvas& c) { DrawPanelLine(c, Level(), WallFace::Right, 3); }),
            (std::vector<Figure>{Line({11, 28, 71, 28}, 0)}));
}

TEST(WallShapes, PickedEitherWayRoundTheWallLooksTheSame) {
  const WallFrame forward = Level(), backward = LevelBackwards();
  const auto band = [](const WallFrame& f) {
    RecordingCanvas canvas;
    DrawWallBand(canvas, f);
    std::vector<std::pair<int32_t, int32_t>> corners;
    const Ints& a = canvas.Calls().at(0).Args;
    for (std::size_t i = 0; i < a.size(); i += 2) corners.push_back({a[i], a[i + 1]});
    std::sort(corners.begin(), corners.end());
    return corners;
  };
  EXPECT_EQ(band(forward), band(backward));
  for (WallFace face : {WallFace::Left, WallFace::Right})
    EXPECT_EQ(Drawn([&](Canvas& c) { DrawPanelLine(c, forward, face, 0); }),
              Drawn([&](Canvas& c) { DrawPanelLine(c, backward, face, 0); }));
  // Outline, jambs and the ticks at M and the quarter points (41, 26, 56);
  // the sashes lie the other way round.
  const std::vector<Figure> same = {Line({17, 15, 65, 15}),
                                    Line({17, 27, 65, 27}),
                                    Line({17, 15, 17, 27}),
                                    Line({65, 15, 65, 27}),
                                    Line({41, 9, 41, 33}, MarkColour),
                                    Line({26, 9, 26, 33}, MarkColour),
                                    Line({56, 9, 56, 33}, MarkColour)};
  for (const WallFrame& f : {forward, backward}) {
    const std::vector<Figure> drawn = Symbol(f, 3, 2);
    for (const Figure& x : same) EXPECT_NE(std::find(drawn.begin(), drawn.end(), x), drawn.end()) << x;
  }

  // Symbol 0 of a door: the outline, tick(M, 2) and the door line along the
  // axis from m inside P1 to m inside P2, within the band both ways.
  const std::vector<Figure> door = {Line({17, 15, 65, 15}), Line({17, 27, 65, 27}),
                                    Line({41, 9, 41, 33}, MarkColour), Line({17, 21, 65, 21}, MarkColour)};
  EXPECT_EQ(Symbol(forward, 0, 2), door);
  const auto backwardDoor = Symbol(backward, 0, 2);
  EXPECT_TRUE(std::is_permutation(backwardDoor.begin(), backwardDoor.end(), door.begin(), door.end()));
}

TEST(WallShapes, SymbolZeroByOpeningKind) {
  const std::vector<Figure> outline = {Line({17, 15, 65, 15}), Line({17, 27, 65, 27})};
  EXPECT_EQ(Symbol(Level(), 0, 0), outline);
  EXPECT_EQ(Symbol(Level(), 0, 3), outline);
  // A window: tick(M, 1) and two sash lines, beta / 5 = 1.2 off the axis:
  // (16, 18.8) -> (44, 18.8) and (36, 21.2) -> (64, 21.2).
  std::vector<Figure> window = outline;
  window.push_back(Line({41, 15, 41, 27}, MarkColour));
  window.push_back(Line({17, 19, 45, 19}, MarkColour));
  window.push_back(Line({37, 22, 65, 22}, MarkColour));
  EXPECT_EQ(Symbol(Level(), 0, 1), window);
  // Values outside 0..11 draw nothing.
  EXPECT_TRUE(Symbol(Level(), 12, 1).empty());
  EXPECT_TRUE(Symbol(Level(), -1, 1).empty());
}

// Mirror images of figures, within one pixel for the truncation.
Figure Mirrored(const Figure& f, bool acrossX, int32_t twiceAxis) {
  Figure m = f;
  const auto flip = [&](int32_t& v) { v = twiceAxis + 2 - v; };
  if (f.Kind == Op::Line) {
    flip(m.Args[acrossX ? 0 : 1]);
    flip(m.Args[acrossX ? 2 : 3]);
    Figure line = Line(m.Args, f.Colour);
    line.Style = f.Style;
    return line;
  }
  // Arcs: the box turns over (its far edge lies one pixel further out) and
  // the ends swap, since a mirror turns the sweep round.
  const int32_t lo = acrossX ? 0 : 1;
  const int32_t a = m.Args[lo], b = m.Args[lo + 2];
  m.Args[lo] = twiceAxis + 3 - b;
  m.Args[lo + 2] = twiceAxis + 3 - a;
  flip(m.Args[4 + lo]);
  flip(m.Args[6 + lo]);
  std::swap(m.Args[4], m.Args[6]);
  std::swap(m.Args[5], m.Args[7]);
  return m;
}

bool Near(const Figure& a, const Figure& b) {
  if (a.Kind != b.Kind || a.Colour != b.Colour || a.Style != b.Style || a.Args.size() != b.Args.size())
    return false;
  for (std::size_t i = 0; i < a.Args.size(); ++i)
    if (std::abs(a.Args[i] - b.Args[i]) > 1) return false;
  return true;
}

// Every figure of `a` matches one of `b` within a pixel, and the counts agree.
::testing::AssertionResult SameWithinAPixel(const std::vector<Figure>& a, std::vector<Figure> b) {
  if (a.size() != b.size())
    return ::testing::AssertionFailure() << a.size() << " figures against " << b.size();
  for (const Figure& f : a) {
    auto match = std::find_if(b.begin(), b.end(), [&](const Figure& g) { return Near(f, g); });
    if (match == b.end()) return ::testing::AssertionFailure() << "no match for " << f;
    b.erase(match);
  }
  return ::testing::AssertionSuccess();
}

TEST(WallShapes, FlipsMirrorTheSymbolAlongAndAcrossTheWall) {
  // A longer wall at 1/75's unit: P1 (100, 300), P2 (460, 300), M.x = 280.
  const double m = 53.0 / 9;
  const auto frame = [&](bool io, bool lr) { return MakeWallFrame({100, 300}, {460, 300}, m, 0, 0, io, lr); };
  // Symbol 0 ignores the flips.
  for (int32_t symbol = 1; symbol < FittingSymbolCount; ++symbol)
    for (int32_t kind : {1, 2}) {
      const std::vector<Figure> plain = Symbol(frame(false, false), symbol, kind);
      std::vector<Figure> along, across;
      for (const Figure& f : plain) along.push_back(Mirrored(f, true, 2 * 280));
      for (const Figure& f : plain) across.push_back(Mirrored(f, false, 2 * 300));
      EXPECT_TRUE(SameWithinAPixel(Symbol(frame(false, true), symbol, kind), along))
          << symbol << " kind " << kind;
      EXPECT_TRUE(SameWithinAPixel(Symbol(frame(true, false), symbol, kind), across))
          << symbol << " kind " << kind;
    }
  // The one-sided symbols do change: the hinge moves to the other end.
  EXPECT_NE(Symbol(frame(false, false), 5, 2), Symbol(frame(false, true), 5, 2));
  EXPECT_NE(Symbol(frame(false, false), 5, 2), Symbol(frame(true, false), 5, 2));
  // Band and outline stay.
  for (bool io : {false, true})
    for (bool lr : {false, true}) {
      EXPECT_EQ(Drawn([&](Canvas& c) { DrawWallBand(c, frame(io, lr)); }),
                Drawn([&](Canvas& c) { DrawWallBand(c, frame(false, false)); }));
      const auto drawn = Symbol(frame(io, lr), 6, 2);
      const auto plain = Symbol(frame(false, false), 6, 2);
      EXPECT_EQ(std::vector<Figure>(drawn.begin(), drawn.begin() + 2),
                std::vector<Figure>(plain.begin(), plain.begin() + 2));
    }
}

TEST(WallShapes, HingedDoorLeafAndArc) {
  // L1 = 60, R = 60 - 12 = 48; hinge H = F2 - a - b = (64, 14); leaf end
  // P = M - (sin 60° x 8 + 1) b = (40, -27.57); Q = F1 - b = (10, 14). The box
  // runs from H + (1, 1) - 48 to H + (1, 1) + 49. With P - H = (-24, -41) and
  // Q - H = (-54, 0) the cross product is -2214 < 0: from P to Q.
  const std::vector<Figure> marks = {
      Line({41, -26, 65, 15}, MarkColour),
      {Op::Arc, {17, -33, 114, 64, 41, -26, 11, 15}, MarkColour, PenStyle::Solid},
      Line({41, 9, 41, 33}, MarkColour)};
  const auto drawn = Symbol(Level(), 5, 2);
  ASSERT_EQ(drawn.size(), 7u);  // outline, jambs, leaf, arc, tick
  EXPECT_EQ(std::vector<Figure>(drawn.begin() + 4, drawn.end()), marks);
  // Turned inward the cross product is +2214: from Q (11, 27) to P (41, 68).
  const auto inward = Symbol(Level(true), 5, 1);
  ASSERT_EQ(inward.size(), 6u);  // no tick for a window
  EXPECT_EQ(inward[5], (Figure{Op::Arc, {17, -21, 114, 76, 11, 27, 41, 68}, MarkColour, PenStyle::Solid}));
}

TEST(WallShapes, ArcsWithoutRadiusAreLeftOut) {
  const struct {
    int32_t symbol;
    double wallLength;  // R = L1 - 2m, L1 / 2 - m, L1 / 2 - m, L1 / 4 - m with m = 6
    std::size_t arcs;
  } cases[] = {
      {5, 12, 0}, {5, 10, 0}, {5, 13, 1}, {6, 12, 0}, {6, 14, 2},
      {7, 12, 0}, {7, 14, 1}, {8, 24, 0}, {8, 26, 2},
  };
  for (const auto& c : cases) {
    const WallFrame f = MakeWallFrame({10, 20}, {10 + c.wallLength, 20}, 6, 0, 0, false, false);
    const auto drawn = Symbol(f, c.symbol, 2);
    EXPECT_EQ(static_cast<std::size_t>(std::count_if(drawn.begin(), drawn.end(),
                                                     [](const Figure& x) { return x.Kind == Op::Arc; })),
              c.arcs)
        << c.symbol << " " << c.wallLength;
    for (const Figure& x : drawn)
      for (int32_t v : x.Args) EXPECT_LT(std::abs(v), 1000) << c.symbol;
  }
}

TEST(WallShapes, ScreenZigzagAndSlidingDoorDottedLine) {
  // Zigzag: from F1 + a (17, 21) in twelve steps of (F1 - M + 10) / 12 =
  // -20 / 12 along and 0.8 m = 4.8 across, then to M - (2/3) a = (36, 20).
  RecordingCanvas canvas;
  DrawFittingSymbol(canvas, Level(), 9, 1, LineColour, MarkColour);
  const auto& calls = canvas.Calls();
  ASSERT_EQ(calls.size(), 4u + 1 + 12);
  EXPECT_EQ(Ints(calls[5].Args.begin(), calls[5].Args.begin() + 4), (Ints{17, 21, 18, 16}));
  EXPECT_EQ(Ints(calls[16].Args.begin() + 2, calls[16].Args.begin() + 4), (Ints{37, 21}));
  // Symbol 2 draws one line dotted and leaves the pen solid.
  RecordingCanvas sliding;
  DrawFittingSymbol(sliding, Level(), 2, 2, LineColour, MarkColour);
  const auto dotted = std::count_if(sliding.Calls().begin(), sliding.Calls().end(),
                                    [](const auto& call) { return call.Pen.Style == PenStyle::Dot; });
  EXPECT_EQ(dotted, 1);
  EXPECT_EQ(sliding.Pen().Style, PenStyle::Solid);
  // Its tick sits halfway between F1, truncated, and M: (10 + 40) / 2 = 25.
  EXPECT_EQ(Figures(sliding).back(), Line({26, 9, 26, 33}, MarkColour));
}

TEST(WallShapes, BraceWedgesByKindAndArrangement) {
  // U = (25, 20), V = (55, 20); 3/4 m = 4.5.
  const auto wedges = [](int32_t kind, int32_t arrangement) {
    RecordingCanvas canvas;
    DrawBraceWedges(canvas, Level(), kind, arrangement);
    std::vector<Ints> polygons;
    for (const auto& call : canvas.Calls()) {
      EXPECT_EQ(call.Kind, Op::Polygon);
      polygons.push_back(call.Args);
    }
    return polygons;
  };
  const std::vector<Ints> oneWay = {{60, 16, 21, 21, 60, 25}};
  const std::vector<Ints> crossed = {{30, 16, 41, 21, 30, 25}, {51, 25, 41, 21, 51, 16}};
  for (int32_t kind = 2; kind <= 8; ++kind) {
    EXPECT_EQ(wedges(kind, 0), oneWay) << kind;
    EXPECT_EQ(wedges(kind, 1), crossed) << kind;
  }
  // Kind 9: posts from 4.5 to 13.5 inside each end, triangles to the quarter points.
  EXPECT_EQ(wedges(9, 0), (std::vector<Ints>{{15, 16, 24, 16, 24, 25, 15, 25},
                                             {26, 16, 24, 21, 26, 25},
                                             {66, 16, 57, 16, 57, 25, 66, 25},
                                             {56, 16, 57, 21, 56, 25}}));
  EXPECT_EQ(wedges(10, 1), (std::vector<Ints>{{21, 16, 15, 21, 21, 25}, {60, 16, 66, 21, 60, 25}}));
  for (int32_t kind : {0, 1, 11, -1}) EXPECT_TRUE(wedges(kind, 0).empty()) << kind;
}

}  // namespace
