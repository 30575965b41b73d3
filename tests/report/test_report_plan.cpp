// The plan on report pages, recorded: the frame, the scale and the origins
// of the fitted plan, the scale note, the axes and their dimension chains,
// and the element blocks of each plan kind. Positions are worked by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ReportTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/FloorAreas.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "model/SettingChoices.h"
#include "rendering/RecordingCanvas.h"
#include "report/ReportFamilies.h"
#include "report/ReportPrinting.h"

namespace {

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;

class ReportPlanTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    PrintScale = 1.0;
    for (int i = 0; i < GridAxisCountX; ++i) GridAxisKindX[i] = 0;
    for (int j = 0; j < GridAxisCountY; ++j) GridAxisKindY[j] = 0;
    GridOriginAxisX = 0;
    GridOriginAxisY = 0;
  }
  void TearDown() override { PrintScale = 1.0; }

  // Axes at these positions (m); the extent covers all of them.
  void Axes(std::vector<double> xs, std::vector<double> ys) {
    for (std::size_t i = 0; i < xs.size(); ++i) GridAxisX[i] = xs[i];
    for (std::size_t j = 0; j < ys.size(); ++j) GridAxisY[j] = ys[j];
    ModelExtentMinX = 0, ModelExtentMaxX = static_cast<int32_t>(xs.size()) - 1;
    ModelExtentMinY = 0, ModelExtentMaxY = static_cast<int32_t>(ys.size()) - 1;
  }
  // A 15 m square: c = 150 x 10.2 / 15 = 102 units per metre (10 mm per metre, 1:100).
  void Square15() { Axes({0, 5, 10, 15}, {0, 5, 10, 15}); }

  const std::vector<Call>& Draw(int32_t kind, double ppm = 10.2, int32_t wanted = 1, int32_t storey = 0) {
    canvas.Clear();
    DrawReportPlan(canvas, static_cast<ReportPlanKind>(kind), storey, ppm, wanted);
    return canvas.Calls();
  }
  RecordingCanvas canvas;
};

const Call* Find(const std::vector<Call>& calls, std::u16string_view text) {
  for (const Call& c : calls)
    if (c.Kind == Op::TextOut && c.Text == text) return &c;
  return nullptr;
}

std::vector<const Call*> OfKind(const std::vector<Call>& calls, Op kind) {
  std::vector<const Call*> out;
  for (const Call& c : calls)
    if (c.Kind == kind) out.push_back(&c);
  return out;
}

bool HasLine(const std::vector<Call>& calls, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  for (const Call& c : calls)
    if (c.Kind == Op::Line && c.Args[0] == x1 && c.Args[1] == y1 && c.Args[2] == x2 && c.Args[3] == y2)
      return true;
  return false;
}

// ---------------------------------------------------------------- frame, scale, axes

TEST_F(ReportPlanTest, FrameEndsAt200mmForTheLargeBoxAnd140mmForTheSmallOnes) {
  Square15();
  struct Case {
    int32_t kind;
    int32_t end;  // units at 10.2 per mm, truncated in extended precision
  };
  // 200 x 10.2 = 2039.99.. -> 2039; 140 x 10.2 = 1427.99.. -> 1427; 20 mm -> 203.
  const Case cases[] = {{0, 2039}, {3, 2039}, {8, 2039}, {-1, 2039}, {1, 1427},
                        {2, 1427}, {4, 1427}, {5, 1427}, {6, 1427},  {7, 1427}};
  for (const Case& c : cases) {
    const auto calls = Draw(c.kind);
    const auto rects = OfKind(calls, Op::Rectangle);
    ASSERT_FALSE(rects.empty()) << c.kind;
    EXPECT_EQ(rects[0]->Args, (std::vector<int32_t>{203, 203, c.end, c.end})) << "kind " << c.kind;
    EXPECT_EQ(rects[0]->Pen.Colour, 0xC0C0C0);
  }
}

TEST_F(ReportPlanTest, FifteenMetresFitAtOneToHundredAndThreeMetresAreCapped) {
  // 15 m: c = 1530 / 15 = 102 units/m. OriginX = 0 - (204 + 255) / 102 = -4.5 m,
  // so axis 0 at 459 (45 mm) and axis 3 at 15 x 102 + 459 = 1989.
  Square15();
  auto calls = Draw(0);
  // Ticks from e + 160u = 1836 to e + 172u = 204 + 1754.4 = 1958.
  EXPECT_TRUE(HasLine(calls, 459, 1836, 459, 1958));
  EXPECT_TRUE(HasLine(calls, 1989, 1836, 1989, 1958));
  // Y: OriginY = 15 - (204 + 1581) / 102 = -2.5; axis 3 (bottom) at 17.5 x 102 = 1785,
  // axis 0 at 255. Y ticks from e + 8u = 285.6 -> 285 to e + 20u = 408.
  EXPECT_TRUE(HasLine(calls, 285, 1785, 408, 1785));
  EXPECT_TRUE(HasLine(calls, 285, 255, 408, 255));

  // 3 m: 1530 / 3 = 510 > e = 204, so c = 204 (20 mm/m): axis 1 at 3 x 204 + 459 = 1071.
  Axes({0, 3}, {0, 3});
  calls = Draw(0, 10.2, 0);
  EXPECT_TRUE(HasLine(calls, 1071, 1836, 1071, 1958));
  EXPECT_NE(Find(calls, u"SCALE = 1/   50"), nullptr);  // 10.2 / 204 x 1000

  // The small box at 23.328: u = 15.552, e = 466.56; 15 m: c = 2332.8 / 15 = 155.52.
  // Axis 0 at e + 25u = 466.56 + 388.8 = 855.36 -> 855.
  Square15();
  calls = Draw(6, 23.328);
  const double u = 100.0 / 150 * 23.328, e = 20 * 23.328;
  EXPECT_TRUE(HasLine(calls, 855, static_cast<int32_t>(e + 160 * u), 855, static_cast<int32_t>(e + 172 * u)));
}

TEST_F(ReportPlanTest, ScaleNoteOnlyWhenPrintingWithTheTrueScale) {
  Square15();
  auto calls = Draw(0, 10.2, 0);
  const Call* note = Find(calls, u"SCALE = 1/  100");  // 10.2 / 102 x 1000
  ASSERT_NE(note, nullptr);
  // Right-aligned to the frame: 2039 - 15 x 1.5 mm wide characters (15 x 15 = 225) = 1814;
  // y = trunc(204 - 35.7) = 168.
  EXPECT_EQ(note->Args[1], 168);
  EXPECT_EQ(note->Args[0] + FixedPitchTextWidth(note->Font, note->Text), 2039);
  PrintScale = 0.98755;  // 100 / 0.98755 = 101.26
  EXPECT_NE(Find(Draw(0, 10.2, 0), u"SCALE = 1/  101"), nullptr);
  // 23.328 / 233.28 x 1000 = 100 again.
  PrintScale = 1;
  EXPECT_NE(Find(Draw(0, 23.328, 0), u"SCALE = 1/  100"), nullptr);
  for (int32_t wanted : {1, 2, -1}) {
    calls = Draw(0, 10.2, wanted);
    for (const Call* t : OfKind(calls, Op::TextOut)) EXPECT_NE(t->Text.substr(0, 5), u"SCALE") << wanted;
  }
}

TEST_F(ReportPlanTest, AxisNamesCountMainAxesFromTheNumberingBits) {
  Square15();
  GridAxisKindX[1] = 1;  // auxiliary: dotted line, tick, no name
  GridAxisKindY[2] = 2;  // nothing at all
  struct Case {
    int32_t bits;
    std::u16string firstX, lastX, firstY, lastY;
  };
  const Case cases[] = {{0, u"X0", u"X2", u"Y0", u"Y2"},
                        {1, u"X1", u"X3", u"Y0", u"Y2"},
                        {2, u"X0", u"X2", u"Y1", u"Y3"},
                        {3, u"X1", u"X3", u"Y1", u"Y3"}};
  for (const Case& c : cases) {
    ProjectSettings.AxisNumbering = c.bits;
    const auto calls = Draw(0);
    const Call* fx = Find(calls, c.firstX);
    const Call* lx = Find(calls, c.lastX);
    ASSERT_NE(fx, nullptr) << c.bits;
    ASSERT_NE(lx, nullptr) << c.bits;
    // X names under their axes at y = e + 173u = 204 + 1764.6 = 1968; centred on x.
    EXPECT_EQ(fx->Args[1], 1968);
    EXPECT_EQ(fx->Args[0] + FixedPitchTextWidth(fx->Font, fx->Text) / 2, 459);
    EXPECT_EQ(lx->Args[0] + FixedPitchTextWidth(lx->Font, lx->Text) / 2, 1989);
    // Y axes count from the bottom: the first name belongs to axis 3 (y 1785), at y - 2u = 1764.6.
    const Call* fy = Find(calls, c.firstY);
    ASSERT_NE(fy, nullptr);
    EXPECT_EQ(fy->Args[1], 1764);
    EXPECT_NE(Find(calls, c.lastY), nullptr);
  }
  const auto calls = Draw(0);
  // Axis 1 (x = 5 x 102 + 459 = 969): dotted guide, a tick; axis Y 2 (y = 12.5 x 102 = 1275): nothing.
  bool dotted = false;
  for (const Call& c : calls)
    if (c.Kind == Op::Line && c.Args[0] == 969 && c.Args[2] == 969 && c.Pen.Style == PenStyle::Dot)
      dotted = true;
  EXPECT_TRUE(dotted);
  for (const Call& c : calls)
    if (c.Kind == Op::Line) {
      EXPECT_FALSE(c.Args[1] == 1275 && c.Args[3] == 1275) << "kind-2 axis drew a line";
    }
}

TEST_F(ReportPlanTest, OnlyThePlanPageCarriesDimensionChains) {
  Square15();
  auto calls = Draw(0);
  // 5 m spacing: "5.000" horizontal at e + 164.9u = 204 + 1681.98 = 1885.
  const Call* spacing = Find(calls, u"5.000");
  ASSERT_NE(spacing, nullptr);
  EXPECT_EQ(spacing->Font.Escapement, 0);
  EXPECT_EQ(spacing->Args[1], 1885);
  for (int kind : {1, 2, 3, 4, 5, 6, 7}) EXPECT_EQ(Find(Draw(kind), u"5.000"), nullptr) << kind;
}

TEST_F(ReportPlanTest, ShortSpacingTurnsVerticalBelowNinePointNineBoxUnits) {
  // At 10 mm/m (c = 102): 0.91 x 102 = 92.82 > 8.9u = 90.78: horizontal.
  Axes({0, 0.91, 15}, {0, 15});
  auto spacing = Find(Draw(0), u"0.910");
  ASSERT_NE(spacing, nullptr);
  EXPECT_EQ(spacing->Font.Escapement, 0);
  // At 9 mm/m: larger side 1530 / 91.8 = 16.667 m; 0.91 x 91.8 = 83.5 < 90.78: vertical.
  Axes({0, 0.91, 1530 / 91.8}, {0, 15});
  spacing = Find(Draw(0), u"0.910");
  ASSERT_NE(spacing, nullptr);
  EXPECT_EQ(spacing->Font.Escapement, 900);
}

TEST_F(ReportPlanTest, AnEmptyModelDrawsTheFrameOnly) {
  ModelExtentMinX = 5, ModelExtentMaxX = 4, ModelExtentMinY = 5, ModelExtentMaxY = 4;
  const auto calls = Draw(0, 10.2, 0);
  EXPECT_EQ(OfKind(calls, Op::Rectangle).size(), 1u);
  EXPECT_TRUE(OfKind(calls, Op::Line).empty());
  EXPECT_NE(Find(calls, u"SCALE = 1/   50"), nullptr);  // capped at 20 mm per metre
}

// ---------------------------------------------------------------- areas, floor types, foundations

class ReportPlanElementsTest : public ReportPlanTest {
 protected:
  void SetUp() override {
    ReportPlanTest::SetUp();
    Square15();
  }
  RoofFloorRectRecord& Rect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t code) {
    RoofFloorRectRecord& r = RoofFloorRects[0][0][RoofFloorRectCount[0][0]++];
    r = {};
    r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.AreaCode = code;
    return r;
  }
  WallRecord& Wall(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int32_t k = WallCount[0][0]++;
    WallRecord& w = Walls[0][0][k];
    w = {};
    w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
    w.Deterioration = 2;
    WallResults[0][0][k] = {};
    return w;
  }
  WallCaseResult& WallResult0(int32_t k) { return WallResults[0][0][k].Blocks[0]; }
};

TEST_F(ReportPlanElementsTest, EavesOnlyUnderTheLoadTakeOff) {
  Rect(0, 0, 1, 1, 10);
  ProjectSettings.RequiredStrengthMethod = RequiredByLoadTakeOff;
  EXPECT_NE(Find(Draw(2), u"1(10)"), nullptr);
  ProjectSettings.RequiredStrengthMethod = RequiredByWeightTable;
  EXPECT_EQ(Find(Draw(2), u"1(10)"), nullptr);
  // Not filled either: only the frame and the balloons' ellipses remain.
  for (const Call* r : OfKind(Draw(0), Op::Rectangle)) EXPECT_EQ(r->Pen.Colour, 0xC0C0C0);
}

TEST_F(ReportPlanElementsTest, AreaFillsLabelsAndTheMaximumRectangle) {
  RoofFloorRectRecord& r = Rect(1, 1, 0, 0, 0);  // corners given reversed
  r.AddedLoad = 150.4;
  Rect(0, 0, 2, 2, 6);
  RoofFloorTriangleRecord& t = RoofFloorTriangles[0][0][RoofFloorTriangleCount[0][0]++];
  t = {};
  t.X1 = 0, t.Y1 = 0, t.X2 = 1, t.Y2 = 0, t.X3 = 0, t.Y3 = 1, t.AreaCode = 3;

  auto calls = Draw(2);
  // The small box: u = 6.8, c = 1020 / 15 = 68; OriginX = -(204 + 170) / 68 = -5.5,
  // OriginY = 15 - (204 + 1054) / 68 = -3.5. Axis 0 at (374, 238), axis 1 at (714, 578) in real
  // numbers; in binary 237.99.., 713.99.. and 577.99.. truncate one lower: (374, 237), (713, 577).
  // Sorted, the top left raised by one: (375, 238)-(713, 577).
  const auto rects = OfKind(calls, Op::Rectangle);
  ASSERT_GE(rects.size(), 2u);
  EXPECT_EQ(rects[1]->Args, (std::vector<int32_t>{375, 238, 713, 577}));
  EXPECT_EQ(rects[1]->Pen.Mode, PenMode::Mask);
  EXPECT_EQ(rects[1]->Pen.Width, 6);  // trunc(u) = trunc(6.8)
  EXPECT_EQ(rects[1]->Brush.Colour, AreaKindBrushColours[0]);
  // No fill for the maximum rectangle anywhere.
  EXPECT_EQ(rects.size(), 2u);
  // Labels: centre (544, 407); "1(0)" 3u up, the load 5u down with four places.
  const Call* load = Find(calls, u"+ 150N/㎡");
  ASSERT_NE(load, nullptr);
  EXPECT_EQ(load->Args[1], 441);     // 407 + 34
  EXPECT_EQ(load->Font.Height, 20);  // trunc(3u)
  // The maximum rectangle's label comes after the triangle's.
  const auto texts = OfKind(calls, Op::TextOut);
  std::vector<std::u16string> labels;
  for (const Call* c : texts)
    if (c->Text.find(u'(') != std::u16string::npos && c->Text[0] != u'S') labels.push_back(c->Text);
  EXPECT_EQ(labels, (std::vector<std::u16string>{u"1(0)", u"1(3)", u"2(6)"}));

  // The plan page: fills only, pen width 1 in the brush colour, no labels.
  calls = Draw(0);
  EXPECT_EQ(Find(calls, u"1(0)"), nullptr);
  EXPECT_EQ(OfKind(calls, Op::Rectangle)[1]->Pen.Colour, AreaKindBrushColours[0]);
  EXPECT_EQ(OfKind(calls, Op::Rectangle)[1]->Pen.Width, 1);
}

int32_t XorLineCount(const std::vector<Call>& calls) {
  int32_t n = 0;
  for (const Call& c : calls)
    if (c.Kind == Op::Line && c.Pen.Mode == PenMode::Xor) ++n;
  return n;
}

TEST_F(ReportPlanElementsTest, QuarterLinesByKindMethodAndBalance) {
  QuarterZoneEdge1[0][0] = 0, QuarterZoneEdge2[0][0] = 10, QuarterZoneEdgeA[0][0] = 0,
  QuarterZoneEdgeB[0][0] = 10;
  QuarterZoneBoundaryA[0][0] = 2.5, QuarterZoneBoundaryB[0][0] = 7.5;
  QuarterZoneBoundary1[0][0] = 2.5, QuarterZoneBoundary2[0][0] = 7.5;
  // No area: no lines on any page.
  EXPECT_EQ(XorLineCount(Draw(7)), 0);
  Rect(0, 0, 2, 2, 0);
  struct Case {
    int32_t kind, method, balance, lines;
  };
  const Case cases[] = {
      {7, DiagnosisPrecise1, BalanceByEccentricity, 4},
      {1, DiagnosisPrecise1, BalanceByQuarterDivision, 0},
      {1, DiagnosisGeneral, BalanceByQuarterDivision, 4},
      {2, DiagnosisVerification, BalanceByQuarterDivision, 4},
      {2, DiagnosisGeneral, BalanceByEccentricity, 0},
      {0, DiagnosisGeneral, BalanceByQuarterDivision, 0},
  };
  for (const Case& c : cases) {
    ProjectSettings.DiagnosisMethod = c.method;
    ProjectSettings.BalanceMethod = c.balance;
    EXPECT_EQ(XorLineCount(Draw(c.kind)), c.lines) << c.kind << " " << c.method << " " << c.balance;
  }
  // The small plan (c = 68, OriginX -5.5, OriginY -3.5): line a from (5.5 x 68, 6 x 68) = (374, 408)
  // to (15.5 x 68 = 1054, 408); in binary 407.99.. and 1053.99.. truncate one lower: (374, 407)-(1053, 407).
  const auto calls = Draw(7);
  std::string xorLines;
  for (const Call& c : calls)
    if (c.Kind == Op::Line && c.Pen.Mode == PenMode::Xor)
      xorLines += std::to_string(c.Args[0]) + "," + std::to_string(c.Args[1]) + "," +
                  std::to_string(c.Args[2]) + "," + std::to_string(c.Args[3]) + " ";
  EXPECT_TRUE(HasLine(calls, 374, 407, 1053, 407)) << xorLines;
  for (const Call& c : calls)
    if (c.Kind == Op::Line && c.Pen.Mode == PenMode::Xor) {
      EXPECT_EQ(c.Pen.Colour, 0x0000FF);
      EXPECT_EQ(c.Pen.Width, 6);
    }
}

TEST_F(ReportPlanElementsTest, FloorSpecCodeNamesSpecAndBrace) {
  FloorSpecRectRecord& r = FloorSpecRects[0][0][FloorSpecRectCount[0][0]++];
  r = {};
  r.X1 = 0, r.Y1 = 0, r.X2 = 1, r.Y2 = 1, r.SpecCode = 37;  // 5 + 32 x 1
  FloorSpecTriangleRecord& t = FloorSpecTriangles[0][0][FloorSpecTriangleCount[0][0]++];
  t = {};
  t.X1 = 0, t.Y1 = 0, t.X2 = 1, t.Y2 = 0, t.X3 = 0, t.Y3 = 1, t.SpecCode = 18;
  const auto calls = Draw(4);
  const Call* label = Find(calls, u"1(5-1)");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Brush.Style, BrushStyle::Clear);  // written transparently over the hatch
  const auto rects = OfKind(calls, Op::Rectangle);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[1]->Brush.Style, BrushStyle::DiagCross);
  EXPECT_EQ(rects[1]->Brush.Colour, FloorSpecColours[5]);
  EXPECT_EQ(rects[1]->Pen.Colour, HorizontalBraceColours[1]);
  const auto polygons = OfKind(calls, Op::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0]->Brush.Style, BrushStyle::Cross);  // a user row
  EXPECT_NE(Find(calls, u"1(18-0)"), nullptr);
}

TEST_F(ReportPlanElementsTest, FoundationsInTheOrderTwoOneZeroWithTheLegend) {
  Wall(0, 0, 1, 0);
  WallResult0(0).FoundationClass = 0;
  WallResult0(0).StrengthX = 3;
  Wall(0, 1, 1, 1);
  WallResult0(1).FoundationClass = 0;  // no strength: no band
  Wall(0, 2, 1, 2);
  WallResult0(2).FoundationClass = 2;
  WallResult0(2).StrengthY = 1;
  FoundationRecord& f = Foundations[0][0][FoundationCount[0][0]++];
  f = {};
  f.X1 = 2, f.Y1 = 0, f.X2 = 2, f.Y2 = 2, f.Type = 1;
  FoundationRecord& zero = Foundations[0][0][FoundationCount[0][0]++];
  zero = {};
  zero.X1 = 3, zero.Y1 = 3, zero.X2 = 3, zero.Y2 = 3, zero.Type = 0;  // length 0: nothing

  const auto calls = Draw(5);
  std::vector<int32_t> order;
  for (const Call* p : OfKind(calls, Op::Polygon)) {
    if (p->Brush.Colour == FoundationTypeColours[2])
      order.push_back(2);
    else if (p->Brush.Colour == FoundationRecordColours[1])
      order.push_back(1);
    else if (p->Brush.Colour == FoundationTypeColours[0])
      order.push_back(0);
    else
      order.push_back(-1);
  }
  EXPECT_EQ(order, (std::vector<int32_t>{2, 1, 0}));
  // The class-0 wall's band on the small plan (c = 68): S (374, 237), E (713, 237) (see the area
  // test for the binary 237.99.. and 713.99..); t = 0.06 x 68 = 4.08, a = (4.08, 0), n = (0, 4.08):
  // E + 3n + 3a = (725.24, 249.24), S + 3n - 3a = (361.76, 249.24), S - 3n - 3a = (361.76, 224.76).
  const Call* band0 = OfKind(calls, Op::Polygon)[2];
  EXPECT_EQ(band0->Args, (std::vector<int32_t>{725, 249, 361, 249, 361, 224, 725, 224}));
  EXPECT_EQ(band0->Pen.Style, PenStyle::Clear);
  // Labels: K3 (wall), K2 (record), K1 (wall).
  std::vector<std::u16string> labels;
  for (const Call* t : OfKind(calls, Op::TextOut))
    if (t->Text.size() == 2 && t->Text[0] == u'K') labels.push_back(t->Text);
  ASSERT_GE(labels.size(), 3u);
  EXPECT_EQ(std::vector<std::u16string>(labels.begin(), labels.begin() + 3),
            (std::vector<std::u16string>{u"K3", u"K2", u"K1"}));
  // Legend: six swatches from 150 to 160 mm, 0.18 m x 102 = 18.36 either side of (101.5 + 5i) mm.
  std::vector<const Call*> swatches;
  for (const Call* r : OfKind(calls, Op::Rectangle))
    if (r->Args[0] == 1529) swatches.push_back(r);
  ASSERT_EQ(swatches.size(), 6u);
  // 150 x 10.2 = 1529.99.. -> 1529 and 160 x 10.2 = 1631.99.. -> 1631 in extended precision;
  // y 1035.3 -+ 0.18 x 68 = 12.24: 1023.06 and 1047.54.
  EXPECT_EQ(swatches[0]->Args, (std::vector<int32_t>{1529, 1023, 1631, 1047}));
  EXPECT_EQ(swatches[3]->Brush.Colour, FoundationRecordColours[0]);
  EXPECT_EQ(swatches[0]->Pen.Style, PenStyle::Clear);
  // Another storey: the legend only.
  const auto upper = Draw(5, 10.2, 1, 1);
  EXPECT_EQ(OfKind(upper, Op::Polygon).size(), 0u);
}

// ---------------------------------------------------------------- walls

TEST_F(ReportPlanElementsTest, WallBandColours) {
  struct Case {
    int32_t deterioration, retrofit, caution, variant, brace, mud, left, right;
    int32_t colour;
  };
  const Case cases[] = {
      {2 + 8, 0, 0, 0, 0, 0, 0, 0, DeteriorationColours[2]},
      {1, 0, 0, 0, 0, 0, 0, 0, DeteriorationColours[1]},
      {0, 1, 1 + 4, 1, 0, 0, 0, 0, DeteriorationColours[0 + 9]},
      {2, 1, 1 + 4, 0, 0, 0, 0, 0, DeteriorationColours[2 + 3]},  // the current state has no cautions
      {0, 0, 0, 0, 1, 1, 1, 1, PanelColours[1]},
  };
  ProjectSettings.ShowRetrofitPlaces = SettingOn;
  ProjectSettings.ShowRetrofitCaution = SettingOn;
  for (const Case& c : cases) {
    WallCount[c.variant][0] = 0;
    CurrentVariant = c.variant;
    const int32_t k = WallCount[c.variant][0]++;
    WallRecord& w = Walls[c.variant][0][k];
    w = {};
    w.X1 = 0, w.Y1 = 0, w.X2 = 1, w.Y2 = 0;
    w.Deterioration = c.deterioration;
    w.BraceKind = c.brace, w.MudWallKind = c.mud, w.PanelLeft = c.left, w.PanelRight = c.right;
    WallResults[c.variant][0][k] = {};
    WallResults[c.variant][0][k].Blocks[0].RetrofitChange = c.retrofit;
    WallResults[c.variant][0][k].Blocks[0].CautionBits = c.caution;
    const auto polygons = OfKind(Draw(0), Op::Polygon);
    ASSERT_FALSE(polygons.empty());
    ASSERT_EQ(polygons[0]->Args.size(), 8u);
    EXPECT_EQ(polygons[0]->Brush.Colour, c.colour) << c.deterioration << " " << c.caution;
    // The band: D = 6.12, P1 (459, 255) + alpha + beta + (1, 1) = (466.12, 262.12).
    EXPECT_EQ(polygons[0]->Args[0], 466);
    EXPECT_EQ(polygons[0]->Args[1], 262);
    WallCount[c.variant][0] = 0;
  }
}

TEST_F(ReportPlanElementsTest, ElementLabelsAndValuesByPage) {
  struct Case {
    int32_t kind, joint, arrangement;
    std::u16string label;
  };
  // 30x90 nailed (4, joint 0), 90x90 (6) with joint 3 (規定), 45x90 (5) crossed with joint 2.
  const Case cases[] = {{4, 0, 0, u"B2*"}, {6, 3, 0, u"B4"}, {5, 2, 1, u"B3W"}};
  for (const Case& c : cases) {
    WallCount[0][0] = 0;
    WallRecord& w = Wall(0, 0, 1, 0);
    w.BraceKind = c.kind, w.BraceEndJoint = c.joint, w.BraceArrangement = c.arrangement;
    const auto drawn = Draw(0);
    std::string all;
    for (const Call* t : OfKind(drawn, Op::TextOut)) all += Utf8(t->Text) + "|";
    EXPECT_NE(Find(drawn, c.label), nullptr) << Utf8(c.label) << " in " << all;
  }
  WallCount[0][0] = 0;
  WallRecord& w = Wall(0, 0, 1, 0);
  w.BraceKind = 6, w.BraceEndJoint = 3;
  WallResult0(0).ReducedStrength = 2.5;
  WallResult0(0).EffectiveLength = 2;
  WallResult0(0).ReducedStiffness = 1.75;
  WallResult0(0).WallNumber = 7;
  auto calls = Draw(0);
  const Call* value = Find(calls, u" 2.50");
  ASSERT_NE(value, nullptr);
  // W = (714, 255); D d = (0, 6.12); + (5, 5); half of 5 x 10 units = 25: (694.0, 266.12).
  EXPECT_EQ(value->Args, (std::vector<int32_t>{694, 266}));
  EXPECT_EQ(value->Font.Height, 20);  // trunc(2u)
  const Call* number = Find(calls, u"[ 7]");
  ASSERT_NE(number, nullptr);
  // (1.5 x 6.12 + 40.8) = 49.98 above: y = 205.02; x = 714 - 20.
  EXPECT_EQ(number->Args, (std::vector<int32_t>{694, 205}));
  EXPECT_NE(Find(Draw(6), u" 3.50"), nullptr);  // 2 x 1.75 on the rigidity page
  EXPECT_EQ(Find(Draw(6), u" 2.50"), nullptr);

  // The general method with the ratio basis: a wall with an opening has no texts;
  // with the length basis the value and the number but no label.
  w.OpeningKind = 1;
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  ProjectSettings.OpeningWallBasis = OpeningWallsByRatio;
  calls = Draw(0);
  EXPECT_EQ(Find(calls, u" 2.50"), nullptr);
  EXPECT_EQ(Find(calls, u"[ 7]"), nullptr);
  ProjectSettings.OpeningWallBasis = OpeningWallsByLength;
  calls = Draw(0);
  EXPECT_NE(Find(calls, u" 2.50"), nullptr);
  EXPECT_NE(Find(calls, u"[ 7]"), nullptr);
  EXPECT_EQ(Find(calls, u"B4"), nullptr);
}

TEST_F(ReportPlanElementsTest, ASolidWallWithAStoredSymbolKeepsItsOutline) {
  WallRecord& w = Wall(0, 0, 1, 0);
  w.FittingSymbol = 1;  // 引き違い stored on a wall without an opening
  const int32_t line = WallLineColours[0];
  int32_t outline = 0;
  for (const Call& c : Draw(0))
    if (c.Kind == Op::Line && c.Pen.Colour == line && c.Args[1] != c.Args[3]) ++outline;
  EXPECT_GT(outline, 0) << "symbol 0 draws the band's end lines";
}

TEST_F(ReportPlanElementsTest, AZeroLengthWallDrawsNothing) {
  Wall(1, 1, 1, 1);
  WallResult0(0).FoundationClass = 0;
  WallResult0(0).StrengthX = 2;
  WallResult0(0).ReducedStrength = 1;
  for (int kind : {0, 5, 6}) {
    const auto calls = Draw(kind);
    EXPECT_TRUE(OfKind(calls, Op::Polygon).empty()) << kind;
    EXPECT_EQ(Find(calls, u" 1.00"), nullptr);
  }
}

// ---------------------------------------------------------------- columns

class ReportPlanColumnTest : public ReportPlanElementsTest {
 protected:
  ColumnRecord& Column(int32_t x, int32_t y) {
    const int32_t k = ColumnCount[0][0]++;
    ColumnRecord& c = Columns[0][0][k];
    c = {};
    c.X = x, c.Y = y, c.Deterioration = 2;
    ColumnResults[0][0][k] = {};
    ColumnOrderX[0][0][k] = k;
    return c;
  }
  // The column square: the rectangle drawn with the widest pen so far.
  const Call* Square(const std::vector<Call>& calls) {
    for (const Call& c : calls)
      if (c.Kind == Op::Rectangle && c.Pen.Colour != 0xC0C0C0 && c.Args[0] != 1529) return &c;
    return nullptr;
  }
};

TEST_F(ReportPlanColumnTest, FillAndLabelsByTheHardwareMethod) {
  Column(1, 1);
  struct Case {
    int32_t method;
    double t, n;
    int32_t fill;
    std::u16string label;
  };
  const Case cases[] = {
      {HardwareByConvertedNValue, 3.4, 0, ClassColourScale[1], u"(ろ)"},
      {HardwareByConvertedNValue, 3.41, 0, ClassColourScale[2], u"(は)"},
      {HardwareByConvertedNValue, 0, 0, ClassColourScale[0], u"(い)"},
      {HardwareByNValue, 0, 0.65, ClassColourScale[1], u"(ろ)"},
      {HardwareByNValue, 0, 2.0, ClassColourScale[6], u"(と)"},
  };
  for (const Case& c : cases) {
    ProjectSettings.JointHardwareMethod = c.method;
    ColumnResults[0][0][0].ToX = c.t;
    ColumnResults[0][0][0].NY = c.n;
    const auto calls = Draw(0);
    const Call* square = Square(calls);
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->Brush.Colour, c.fill) << c.t << " " << c.n;
    // I = trunc(6.12) = 6; (969, 765): L 963, T 759, R 975, Bm 771; square to (977, 773).
    EXPECT_EQ(square->Args, (std::vector<int32_t>{963, 759, 977, 773}));
    const Call* label = Find(calls, c.label);
    ASSERT_NE(label, nullptr) << Utf8(c.label);
    EXPECT_EQ(label->Args, (std::vector<int32_t>{979, 775}));
  }
}

TEST_F(ReportPlanColumnTest, InstalledClassBelowTheRequiredPrintsRed) {
  ColumnRecord& column = Column(1, 1);
  JointHardwareTable[3].AllowableTension = 7.5;  // (に)
  column.Hardware = 3;
  ProjectSettings.JointHardwareMethod = HardwareByNValue;
  ColumnResults[0][0][0].NX = 1.7;  // (へ)
  auto calls = Draw(0);
  const Call* installed = Find(calls, u"(に)");
  ASSERT_NE(installed, nullptr);
  EXPECT_EQ(installed->FontColour, 0x0000FF);
  // (R + 4, trunc(Bm + 4 + 0.1 x 102)) = (979, 785).
  EXPECT_EQ(installed->Args, (std::vector<int32_t>{979, 785}));
  ColumnResults[0][0][0].NX = 0.5;  // (ろ): black
  EXPECT_EQ(Find(Draw(0), u"(に)")->FontColour, 0);
  // The allowable-stress method leaves the required class to the engineer's
  // own calculation: no required label, and the installed one black, as on
  // the screen, whatever the N-value.
  ProjectSettings.JointHardwareMethod = HardwareByAllowableStress;
  for (double n : {0.5, 1.7, 9.0}) {
    ColumnResults[0][0][0].NX = n;
    calls = Draw(0);
    EXPECT_EQ(Find(calls, u"(に)")->FontColour, 0) << n;
    for (const char16_t* required : {u"(ろ)", u"(へ)", u"(×)"})
      EXPECT_EQ(Find(calls, required), nullptr) << n;
  }
}

TEST_F(ReportPlanColumnTest, RigidityPageLabelsOnlyWithTheNValueSwitch) {
  Column(1, 1);
  ProjectSettings.ShowColumnNValue = SettingOff;
  EXPECT_EQ(Find(Draw(6), u"(い)"), nullptr);
  EXPECT_NE(Find(Draw(0), u"(い)"), nullptr);
  EXPECT_NE(Find(Draw(0), u"  1"), nullptr);  // the column number, plan page only
  EXPECT_EQ(Find(Draw(6), u"  1"), nullptr);
  ProjectSettings.ShowColumnNValue = SettingOn;
  EXPECT_NE(Find(Draw(6), u"(い)"), nullptr);
}

TEST_F(ReportPlanColumnTest, HardwareRowsKeepTheirOwnColour) {
  ColumnRecord& column = Column(1, 1);
  column.Hardware = 6;
  JointHardwareTable[6].AllowableTension = 10;
  const auto calls = Draw(0);
  bool disc = false;
  for (const Call* e : OfKind(calls, Op::Ellipse))
    if (e->Brush.Colour == ColumnHardwareColours[6] && e->Args[0] == 963 - 3 - 1) disc = true;
  EXPECT_TRUE(disc);
}

// ---------------------------------------------------------------- texts, lines, centres

TEST_F(ReportPlanElementsTest, NorthArrowVerticalTextAndFreeLines) {
  TextLabelRecord& north = TextLabels[0][0][TextLabelCount[0][0]++];
  north = {};
  north.X1 = 1, north.Y1 = 1, north.X2 = 1, north.Y2 = 1;
  std::u16string_view text = u"*30";
  std::copy(text.begin(), text.end(), north.Text);
  TextLabelRecord& room = TextLabels[0][0][TextLabelCount[0][0]++];
  room = {};
  room.X1 = 0, room.Y1 = 0, room.X2 = 2, room.Y2 = 0;
  text = u"@和室";
  std::copy(text.begin(), text.end(), room.Text);
  FreeLineRecord& line = FreeLines[0][0][FreeLineCount[0][0]++];
  line = {};
  line.X1 = 0, line.Y1 = 3, line.X2 = 3, line.Y2 = 3, line.Style = 1, line.OffsetY1 = 0.5, line.Colour = 0xFF;

  const auto calls = Draw(0);
  // Centre (969, 765), r = 51: tip P(30) = (969 - 25.5, 765 - 44.17) = (943, 720).
  bool tip = false;
  for (const Call* l : OfKind(calls, Op::Line))
    if (l->Args[0] == 943 && l->Args[1] == 720 && l->Pen.Width == 2) tip = true;
  EXPECT_TRUE(tip);
  const Call* kita = Find(calls, u"北");
  ASSERT_NE(kita, nullptr);
  // A full-width character is two cells of 15: x = 969 - 15 - 1.4 x 51 x 0.5 = 918.3;
  // y = 765 - 15.3 - 61.83 = 687.87.
  EXPECT_EQ(kita->Args, (std::vector<int32_t>{918, 687}));
  const Call* vertical = Find(calls, u"和室");
  ASSERT_NE(vertical, nullptr);
  EXPECT_EQ(vertical->Font.Escapement, -900);
  EXPECT_EQ(vertical->Font.FaceName, u"@ＭＳ ゴシック");
  // Centre (969, 255), two full-width characters 60 wide: (trunc(969 + 15.3), 255 - 30).
  EXPECT_EQ(vertical->Args, (std::vector<int32_t>{984, 225}));
  // Style 1 is trunc(u) = 10 wide; from (459, 1785 + 51) to (1989, 1785).
  bool thick = false;
  for (const Call* l : OfKind(calls, Op::Line))
    if (l->Args[0] == 459 && l->Args[1] == 1836 && l->Args[2] == 1989 && l->Pen.Width == 10) thick = true;
  EXPECT_TRUE(thick);
  // None of them on the small plans.
  EXPECT_EQ(Find(Draw(6), u"北"), nullptr);
}

TEST_F(ReportPlanElementsTest, CentresMoveWithSnowAndTheRangeKeepsItsRadii) {
  CentreOfGravityX[0][0] = 5, CentreOfGravityY[0][0] = 10;
  CentreOfGravityXSnow[0][0] = 6, CentreOfGravityYSnow[0][0] = 9;
  RigidityCentreX[0][0][0] = 0, RigidityCentreY[0][0][0] = 0;
  RigidityCentreXSnow[0][0][0] = 0, RigidityCentreYSnow[0][0][0] = 0;
  ElasticRadiusX[0][0][0] = 2, ElasticRadiusY[0][0][0] = 4;
  GridOriginAxisY = 3;  // the analysis origin at the bottom axis, 15 m
  // Gravity (5, 10): x = (5 + 0 + 4.5) x 102 = 969, y = (15 - 10 + 2.5) x 102 = 765;
  // 1.41u = 14.382: from (954.6, 750.6) to (983.4, 779.4).
  auto calls = Draw(0);
  EXPECT_TRUE(HasLine(calls, 954, 750, 983, 779));
  // No rigidity centre at (0, 0) on the plan page, always on the rigidity page.
  EXPECT_TRUE(OfKind(calls, Op::Rectangle).size() == 1u);
  calls = Draw(6);
  int32_t ranges = 0;
  for (const Call* r : OfKind(calls, Op::Rectangle))
    if (r->Pen.Style == PenStyle::DashDotDot) ++ranges;
  EXPECT_EQ(ranges, 1);
  ProjectSettings.SnowLoad = 1;
  ProjectSettings.SnowCase = SnowCaseWith;
  calls = Draw(1);
  // Snow gravity (6, 9) at 10 mm/m on the small plan: c = 1020 / 15 = 68, OriginX = -(204 + 170) / 68 = -5.5;
  // x = 11.5 x 68 = 782, OriginY = 15 - (204 + 1054) / 68 = -3.5, y = (15 - 9 + 3.5) x 68 = 646;
  // both 781.99.. and 645.99.. in binary: (781, 645). 1.41u = 9.588: the cross from
  // (771.4, 635.4) to (790.6, 654.6).
  EXPECT_TRUE(HasLine(calls, 771, 635, 790, 654));
  // The range around the snow gravity: half widths 0.15 x 4 x 68 = 40.8 and 0.15 x 2 x 68 = 20.4
  // (radii without snow).
  RigidityCentreXSnow[0][0][0] = 1;
  calls = Draw(1);
  const Call* range = nullptr;
  for (const Call* r : OfKind(calls, Op::Rectangle))
    if (r->Pen.Style == PenStyle::DashDotDot) range = r;
  ASSERT_NE(range, nullptr);
  EXPECT_EQ(range->Args, (std::vector<int32_t>{740, 624, 821, 665}));
}

}  // namespace
