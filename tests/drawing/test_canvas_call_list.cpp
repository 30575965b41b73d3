// A call list played on a canvas draws what drawing on that canvas directly
// would have drawn: every figure with the state it was drawn under, line
// styles running on with their phase, groups where they were, whatever
// state the target held before.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rendering/CanvasCallList.h"

namespace {

std::string Utf8Of(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

// Writes each call with the whole state in force.
class LogCanvas final : public Canvas {
 public:
  std::vector<std::string> Log;
  int32_t WidthAsked = 0;

  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override { Add("rect", {x1, y1, x2, y2}); }
  void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override { Add("ellipse", {x1, y1, x2, y2}); }
  void Polygon(const CanvasPoint* points, int32_t count) override {
    std::vector<int32_t> values;
    for (int32_t i = 0; i < count; ++i) values.insert(values.end(), {points[i].X, points[i].Y});
    Add("polygon", values);
  }
  void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
           int32_t y4) override {
    Add("arc", {x1, y1, x2, y2, x3, y3, x4, y4});
  }
  void TextOut(int32_t x, int32_t y, std::u16string_view text) override {
    Add("text " + Utf8Of(text), {x, y});
  }
  // A width that shows the font it was measured in.
  int32_t TextWidth(std::u16string_view text) override {
    ++WidthAsked;
    return Font().Height * 1000 + Font().Weight + static_cast<int32_t>(text.size());
  }
  void BeginCombinedGroup(int32_t left, int32_t top, int32_t right, int32_t bottom) override {
    Log.push_back("group " + std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(right) +
                  " " + std::to_string(bottom));
  }
  void EndCombinedGroup() override { Log.push_back("end group"); }

 protected:
  void DrawLine(CanvasPoint from, CanvasPoint to, int32_t phase) override {
    Add("line", {from.X, from.Y, to.X, to.Y, phase});
  }

 private:
  void Add(const std::string& what, const std::vector<int32_t>& values) {
    std::string line = what;
    for (int32_t v : values) line += " " + std::to_string(v);
    const CanvasPen& p = Pen();
    const CanvasBrush& b = Brush();
    const FontDescription& f = Font();
    line += " | pen " + std::to_string(p.Colour) + "/" + std::to_string(p.Width) + "/" +
            std::to_string(static_cast<int>(p.Style)) + "/" + std::to_string(static_cast<int>(p.Mode)) +
            " brush " + std::to_string(b.Colour) + "/" + std::to_string(static_cast<int>(b.Style));
    // The font matters to texts alone.
    if (what.rfind("text", 0) == 0)
      line += " font " + std::to_string(f.Height) + "/" + std::to_string(f.Width) + "/" +
              std::to_string(f.Escapement) + "/" + std::to_string(f.Weight) + "/" + Utf8Of(f.FaceName) +
              " colour " + std::to_string(FontColour());
    Log.push_back(line);
  }
};

// A drawing that changes every kind of state between its figures, returns
// to earlier fonts and runs a dashed line over several LineTo calls.
void Drawing(Canvas& c) {
  c.SetPenColour(0x0000FF);
  c.SetPenStyle(PenStyle::Dash);
  c.MoveTo(10, 10);
  c.LineTo(40, 10);
  c.LineTo(40, 33);  // the dash runs on 30 pixels in
  c.MoveTo(0, 0);
  c.LineTo(5, 0);  // and starts again after a move
  c.SetPenStyle(PenStyle::Solid);
  c.SetPenWidth(3);
  c.SetBrushStyle(BrushStyle::Clear);
  c.Rectangle(1, 2, 30, 40);
  c.SetBrushColour(0x00FF00);  // a colour turns the clear brush solid
  c.Ellipse(5, 6, 25, 26);
  const CanvasPoint triangle[] = {{0, 0}, {10, 0}, {5, 8}};
  c.SetBrushStyle(BrushStyle::DiagCross);
  c.Polygon(triangle, 3);
  c.Arc(0, 0, 20, 20, 20, 10, 0, 10);
  c.SetFont(PlanFont(20, 10));
  c.SetFontColour(0x123456);
  c.TextOut(3, 4, u"N=1.25");
  c.SetFont(PlanFont(12, 6, 900));
  c.TextOut(3, 40, u"X");
  c.SetFont(PlanFont(20, 10));  // back to the first font
  c.TextOut(3, 60, u"Y");
  c.SetFont(PlanFont(20, 10));  // set again, unchanged
  c.TextOut(3, 80, u"Z");
  c.BeginCombinedGroup(0, 0, 100, 100);
  c.SetPenMode(PenMode::Mask);
  c.SetBrushColour(0x808080);
  c.Rectangle(10, 10, 50, 50);
  c.SetPenMode(PenMode::Xor);
  c.MoveTo(0, 25);
  c.LineTo(100, 25);
  c.EndCombinedGroup();
  c.SetPenMode(PenMode::Copy);
  c.SetPenWidth(1);
  c.SetBrushStyle(BrushStyle::Clear);
  c.Rectangle(0, 0, 2, 2);
}

// A target left in another state than a fresh canvas's by earlier drawing.
void Disturb(Canvas& c) {
  c.SetPenColour(0xABCDEF);
  c.SetPenWidth(7);
  c.SetPenStyle(PenStyle::Dot);
  c.SetPenMode(PenMode::Xor);
  c.SetBrushColour(0x111111);
  c.SetBrushStyle(BrushStyle::Vertical);
  c.SetFont(PlanFont(33, 11));
  c.SetFontColour(0x222222);
}

TEST(CanvasCallList, PlayingTheListDrawsWhatDrawingDirectlyDrew) {
  LogCanvas direct;
  Drawing(direct);

  CanvasCallList list;
  Drawing(list);
  for (const bool disturbed : {false, true}) {
    LogCanvas played;
    if (disturbed) Disturb(played);
    list.PlayOn(played);
    EXPECT_EQ(played.Log, direct.Log) << (disturbed ? "on a disturbed canvas" : "on a fresh canvas");
  }
  // Played twice on one canvas, the drawing comes twice, the same.
  LogCanvas twice;
  list.PlayOn(twice);
  list.PlayOn(twice);
  std::vector<std::string> expected = direct.Log;
  expected.insert(expected.end(), direct.Log.begin(), direct.Log.end());
  EXPECT_EQ(twice.Log, expected);
}

TEST(CanvasCallList, AClearedListWritesTheStateItDrawsWithAgain) {
  // Drawn in red, cleared, then drawn on with the same (unchanged) red pen,
  // large font and blue text: the second recording alone must carry them.
  CanvasCallList list;
  list.SetPenColour(0x0000FF);
  list.SetFont(PlanFont(40, 20));
  list.SetFontColour(0xFF0000);
  list.Rectangle(0, 0, 5, 5);
  list.TextOut(0, 0, u"A");
  list.MoveTo(3, 3);
  list.Clear();
  EXPECT_TRUE(list.Empty());
  list.LineTo(9, 0);  // from (0, 0): the pen position went back too
  list.TextOut(1, 1, u"B");

  LogCanvas direct;
  direct.SetPenColour(0x0000FF);
  direct.SetFont(PlanFont(40, 20));
  direct.SetFontColour(0xFF0000);
  direct.LineTo(9, 0);
  direct.TextOut(1, 1, u"B");

  LogCanvas played;
  Disturb(played);
  list.PlayOn(played);
  EXPECT_EQ(played.Log, direct.Log);
}

TEST(CanvasCallList, SwappedCallsPlayAsTheyWereRecorded) {
  LogCanvas direct;
  Drawing(direct);
  CanvasCallList recorded, shown;
  Drawing(recorded);
  shown.SwapCalls(recorded);
  EXPECT_TRUE(recorded.Empty());

  LogCanvas played;
  shown.PlayOn(played);
  EXPECT_EQ(played.Log, direct.Log);

  // The list that gave its calls away records again from scratch, its own
  // state (the last pen of the drawing) written anew.
  recorded.Rectangle(1, 1, 2, 2);
  LogCanvas again;
  Disturb(again);
  recorded.PlayOn(again);
  LogCanvas expected;
  Drawing(expected);
  expected.Log.clear();
  expected.Rectangle(1, 1, 2, 2);
  EXPECT_EQ(again.Log, expected.Log);
}

TEST(CanvasCallList, TextIsMeasuredInTheFontInForce) {
  LogCanvas measure;
  CanvasCallList list(&measure);
  list.SetFont(PlanFont(20, 10));
  EXPECT_EQ(list.TextWidth(u"abc"), 20 * 1000 + 400 + 3);
  FontDescription bold = PlanFont(30, 15);
  bold.Weight = 700;
  list.SetFont(bold);
  EXPECT_EQ(list.TextWidth(u"ab"), 30 * 1000 + 700 + 2);
  EXPECT_EQ(list.TextWidth(u"a"), 30 * 1000 + 700 + 1);
  EXPECT_EQ(measure.WidthAsked, 3);
  EXPECT_TRUE(list.Empty()) << "measuring draws nothing";

  // Without a measuring canvas: the fixed-pitch rule.
  CanvasCallList alone;
  alone.SetFont(PlanFont(20, 10));
  EXPECT_EQ(alone.TextWidth(u"a全"), 10 + 20);
}

}  // namespace
