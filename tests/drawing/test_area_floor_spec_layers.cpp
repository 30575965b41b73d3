// The roof/floor area layer and the floor-specification layer on a recording
// canvas. Axes lie at whole metres and the plan is drawn at 1/100 (40 px/m),
// so axis i is pixel 40 i. Area labels are 10 x 5 (a full-width character
// 10 px wide), specification labels 18 x 9, legends 12 x 6.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "analysis/AnalysisResults.h"
#include "analysis/BuildingOutline.h"
#include "analysis/FloorAreas.h"
#include "evaluation/FloorCheck.h"
#include "model/ElementLabels.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "rendering/AreaLayer.h"
#include "rendering/FloorSpecLayer.h"
#include "rendering/PlanPaint.h"
#include "rendering/PlanView.h"
#include "rendering/RecordingCanvas.h"

namespace {

using Op = RecordingCanvas::Op;
using Points = std::vector<int32_t>;
using Calls = std::vector<RecordingCanvas::Call>;

RoofFloorRectRecord Rect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t code) {
  RoofFloorRectRecord r{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.AreaCode = code;
  return r;
}

class AreaLayersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GridModule = DefaultGridModule;
    LayOutGridAtModule();
    for (int32_t i = 0; i < GridAxisCountX; ++i) GridAxisX[i] = i;
    for (int32_t j = 0; j < GridAxisCountY; ++j) GridAxisY[j] = j;
    ASSERT_TRUE(TrySetPlanScale(100));
    CurrentVariant = 1;
    CurrentStorey = 0;
    ProjectSettings.RequiredStrengthMethod = RequiredByWeightTable;
    ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
    ProjectSettings.BalanceMethod = BalanceByEccentricity;
    ProjectSettings.ShowBeamStress = SettingOff;
  }
  template <typename Layer>
  Calls Draw(Layer layer, int32_t mode) {
    CurrentEditMode = mode;
    RecordingCanvas canvas;
    // What a label of a layer before leaves: a clear brush and a dotted pen.
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenStyle(PenStyle::Dot);
    layer(canvas, ScreenPlanView());
    return canvas.Calls();
  }
  static Calls Of(const Calls& calls, Op kind) {
    Calls out;
    for (const auto& c : calls)
      if (c.Kind == kind) out.push_back(c);
    return out;
  }
  static Points Line(const RecordingCanvas::Call& c) { return {c.Args[0], c.Args[1], c.Args[2], c.Args[3]}; }
  static void DrawAreas(Canvas& canvas, const PlanView& view) { DrawRoofFloorAreas(canvas, view); }
};

TEST_F(AreaLayersTest, AreaLabelsComeFromTheFourTables) {
  const char16_t* const expected[20] = {u"軽い床",
                                        u"吹抜部",
                                        u"軽い跳出バルコニー",
                                        u"軽い屋根",
                                        u"重い屋根",
                                        u"小屋裏収納",
                                        u"最大矩形",
                                        u"独立荷重",
                                        u"非常に重い屋根",
                                        u"個別荷重の屋根",
                                        u"軽い軒庇",
                                        u"重い軒庇",
                                        u"非常に重い軒庇",
                                        u"個別荷重の軒庇",
                                        u"重い床",
                                        u"非常に重い床",
                                        u"個別荷重の床",
                                        u"重い跳出バルコニー",
                                        u"非常に重い跳出バルコニー",
                                        u"個別荷重の跳出バルコニー"};
  char16_t text[AreaLabelCapacity];
  for (int32_t code = 0; code < 20; ++code) {
    SCOPED_TRACE(code);
    const int32_t n = AreaCodeLabel(code, text);
    EXPECT_EQ(std::u16string(text, n), expected[code]);
  }
  for (const int32_t bad : {-1, 20, 1000}) EXPECT_EQ(AreaCodeLabel(bad, text), 0);
}

TEST_F(AreaLayersTest, ARectangleDrawsTheSameFromEitherDiagonal) {
  // Axes 1..3 by 2..5: pixels 40..120 by 80..200, filled from (41, 81).
  for (const RoofFloorRectRecord& r : {Rect(3, 2, 1, 5, 3), Rect(1, 5, 3, 2, 3), Rect(1, 2, 3, 5, 3)}) {
    RoofFloorRects[1][0][0] = r;
    RoofFloorRectCount[1][0] = 1;
    const Calls calls = Draw(DrawAreas, EditModeColumns);
    ASSERT_EQ(calls.size(), 1u);  // no diagonal, no label outside the mode
    const auto& c = calls[0];
    EXPECT_EQ(c.Kind, Op::Rectangle);
    EXPECT_EQ(c.Args, (Points{41, 81, 120, 200}));
    EXPECT_EQ(c.Pen.Colour, AreaKindBrushColours[3]);  // the outline in the fill colour
    EXPECT_EQ(c.Pen.Width, 2);
    EXPECT_EQ(c.Pen.Style, PenStyle::Solid);
    EXPECT_EQ(c.Pen.Mode, PenMode::Mask);
    EXPECT_EQ(c.Brush.Colour, RgbColour(255, 240, 240));
    EXPECT_EQ(c.Brush.Style, BrushStyle::Solid);  // even after a clear brush
  }
}

TEST_F(AreaLayersTest, TheEditModeAddsEdgesDiagonalsAndLabels) {
  RoofFloorRects[1][0][0] = Rect(3, 5, 1, 2, 3);
  RoofFloorRectCount[1][0] = 1;
  RoofFloorTriangles[1][0][0] = RoofFloorTriangleRecord{0, 1, 1, 4, 1, 1, 4, 0};
  RoofFloorTriangleCount[1][0] = 1;
  AreaEdgeCounts[0] = 1;
  AreaEdges[1][0][0] = AreaEdge{1, 1, 3, 1, 0};
  const Calls calls = Draw(DrawAreas, EditModeRoofFloor);
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[0].Kind, Op::Line);  // the edge first
  EXPECT_EQ(Line(calls[0]), (Points{40, 40, 120, 40}));
  EXPECT_EQ(calls[0].Pen.Colour, SideZoneTextColour);
  EXPECT_EQ(calls[0].Pen.Width, 10);
  EXPECT_EQ(calls[0].Pen.Mode, PenMode::Mask);
  EXPECT_EQ(calls[1].Pen.Colour, AreaKindPenColours[3]);
  EXPECT_EQ(Line(calls[2]), (Points{41, 81, 120, 200}));
  EXPECT_EQ(Line(calls[3]), (Points{41, 200, 120, 81}));
  // "軽い屋根": 40 px wide, centred on (80, 140), its top 5 px above.
  EXPECT_EQ(calls[4].Kind, Op::TextOut);
  EXPECT_EQ(calls[4].Text, u"軽い屋根");
  EXPECT_EQ(calls[4].Args, (Points{60, 135}));
  EXPECT_EQ(calls[4].Font.Height, 10);
  EXPECT_EQ(calls[4].Font.Width, 5);
  EXPECT_EQ(calls[4].Brush.Colour, LabelBackColour);
  EXPECT_EQ(calls[4].Brush.Style, BrushStyle::Solid);
  // The triangle: (40,40), (160,40), (40,160), no shift; "軽い床" 30 px wide
  // centred on the centroid (80, 80).
  EXPECT_EQ(calls[5].Kind, Op::Polygon);
  EXPECT_EQ(calls[5].Args, (Points{40, 40, 160, 40, 40, 160}));
  EXPECT_EQ(calls[5].Brush.Style, BrushStyle::Solid);
  EXPECT_EQ(calls[6].Args, (Points{65, 75}));
  EXPECT_EQ(calls[6].Text, u"軽い床");
  AreaEdgeCounts[0] = 0;
}

TEST_F(AreaLayersTest, EavesShowOnlyWithTheLoadTakeOffAndBalconiesTakeCode17sColours) {
  RoofFloorRects[1][0][0] = Rect(1, 1, 2, 2, 12);
  RoofFloorRects[1][0][1] = Rect(3, 1, 4, 2, 18);
  RoofFloorRects[1][0][2] = Rect(5, 1, 6, 2, 19);
  RoofFloorRectCount[1][0] = 3;
  Calls calls = Draw(DrawAreas, EditModeRoofFloor);
  ASSERT_EQ(Of(calls, Op::Rectangle).size(), 2u);
  for (const auto& c : Of(calls, Op::Rectangle)) {
    EXPECT_EQ(c.Pen.Colour, AreaKindPenColours[17]);
    EXPECT_EQ(c.Brush.Colour, AreaKindBrushColours[17]);
  }
  ProjectSettings.RequiredStrengthMethod = RequiredByLoadTakeOff;
  calls = Draw(DrawAreas, EditModeRoofFloor);
  ASSERT_EQ(Of(calls, Op::Rectangle).size(), 3u);
  EXPECT_EQ(Of(calls, Op::TextOut)[0].Text, u"非常に重い軒庇");
}

TEST_F(AreaLayersTest, QuarterLinesAreDrawnOncePerPaintInEveryMode) {
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  ProjectSettings.BalanceMethod = BalanceByQuarterDivision;
  // Drawn straight from the zone arrays: a plan 1..9 by 2..6 m.
  QuarterZoneEdge1[1][0] = 1, QuarterZoneEdge2[1][0] = 9, QuarterZoneEdgeA[1][0] = 2,
  QuarterZoneEdgeB[1][0] = 6;
  QuarterZoneBoundary1[1][0] = 3, QuarterZoneBoundary2[1][0] = 7;
  QuarterZoneBoundaryA[1][0] = 3, QuarterZoneBoundaryB[1][0] = 5;
  const auto xorLines = [](const Calls& calls) {
    Calls out;
    for (const auto& c : calls)
      if (c.Kind == Op::Line && c.Pen.Mode == PenMode::Xor) out.push_back(c);
    return out;
  };
  RoofFloorRectCount[1][0] = 0;
  RoofFloorTriangleCount[1][0] = 0;
  EXPECT_TRUE(xorLines(Draw(DrawAreas, EditModeRoofFloor)).empty());  // an empty storey
  RoofFloorRects[1][0][0] = Rect(1, 2, 9, 6, 0);
  RoofFloorRectCount[1][0] = 1;
  for (const int32_t mode : {EditModeRoofFloor, EditModeColumns}) {
    SCOPED_TRACE(mode);
    const Calls lines = xorLines(Draw(DrawPlanLayers, mode));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Line(lines[0]), (Points{40, 120, 360, 120}));
    EXPECT_EQ(Line(lines[1]), (Points{40, 200, 360, 200}));
    EXPECT_EQ(Line(lines[2]), (Points{120, 80, 120, 240}));
    EXPECT_EQ(Line(lines[3]), (Points{280, 80, 280, 240}));
    EXPECT_EQ(lines[0].Pen.Colour, 0x0000FF);
    EXPECT_EQ(lines[0].Pen.Width, 3);
  }
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  EXPECT_TRUE(xorLines(Draw(DrawAreas, EditModeRoofFloor)).empty());
}

class FloorSpecLayerTest : public AreaLayersTest {
 protected:
  void SetUp() override {
    AreaLayersTest::SetUp();
    // The whole model uses X axes 1..5 and Y axes 1..4; this storey X 1..3, Y 2..3.
    ModelExtentMinX = 1, ModelExtentMaxX = 5, ModelExtentMinY = 1, ModelExtentMaxY = 4;
    UsedExtentMinX[1][0] = 1, UsedExtentMaxX[1][0] = 3, UsedExtentMinY[1][0] = 2, UsedExtentMaxY[1][0] = 3;
    for (auto& member : FloorCheckOk)
      for (auto& line : member[1][0]) line = FloorCheckPassesOrNotJudged;
  }
  static void DrawSpecs(Canvas& canvas, const PlanView& view) { DrawFloorSpecs(canvas, view); }
  static Calls Marks(const Calls& calls) {
    Calls out;
    for (const auto& c : calls)
      if (c.Kind == Op::Rectangle && c.Pen.Mode == PenMode::Mask) out.push_back(c);
    return out;
  }
};

TEST_F(FloorSpecLayerTest, NothingOutsideTheTwoModes) {
  FloorSpecRects[1][0][0] = FloorSpecRectRecord{0, 1, 1, 2, 2, 12};
  FloorSpecRectCount[1][0] = 1;
  FloorCheckOk[FloorCheckYFromLeftNear][1][0][1] = FloorCheckFails;
  for (const int32_t mode : {EditModeRoofFloor, EditModeColumns, EditModeGable, EditModeNone})
    EXPECT_TRUE(Draw(DrawSpecs, mode).empty());
  // The wall mode: legends and marks, no areas.
  const Calls walls = Draw(DrawSpecs, EditModeWalls);
  EXPECT_EQ(Of(walls, Op::Line).size(), 0u);
  EXPECT_EQ(Marks(walls).size(), 1u);
  EXPECT_EQ(Of(walls, Op::TextOut).size(), 6u);
}

TEST_F(FloorSpecLayerTest, AreasAreHatchedByFloorRowAndLabelledWithBothRows) {
  const struct {
    int32_t code;
    BrushStyle hatch;
    const char16_t* label;
  } cases[] = {
      {0 + 32 * 3, BrushStyle::Clear, u" 0- 3"},       {5 + 32 * 0, BrushStyle::DiagCross, u" 5- 0"},
      {12 + 32 * 10, BrushStyle::DiagCross, u"12-10"}, {13 + 32 * 1, BrushStyle::Cross, u"13- 1"},
      {21 + 32 * 14, BrushStyle::Cross, u"21-14"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    FloorSpecRects[1][0][0] = FloorSpecRectRecord{0, 3, 4, 1, 2, c.code};
    FloorSpecRectCount[1][0] = 1;
    const Calls calls = Draw(DrawSpecs, EditModeFloorSpec);
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0].Kind, Op::Rectangle);
    EXPECT_EQ(calls[0].Args, (Points{41, 81, 120, 160}));
    EXPECT_EQ(calls[0].Pen.Colour, HorizontalBraceColours[c.code / 32]);
    EXPECT_EQ(calls[0].Pen.Mode, PenMode::Copy);
    EXPECT_EQ(calls[0].Brush.Colour, FloorSpecColours[c.code % 32]);
    EXPECT_EQ(calls[0].Brush.Style, c.hatch);
    EXPECT_EQ(Line(calls[1]), (Points{41, 81, 120, 160}));
    EXPECT_EQ(Line(calls[2]), (Points{41, 160, 120, 81}));
    // Five half-width characters of 9 px: 45 wide, centred on (80, 120), top 9 above.
    EXPECT_EQ(calls[3].Text, c.label);
    EXPECT_EQ(calls[3].Args, (Points{80 - 22, 120 - 9}));
    EXPECT_EQ(calls[3].Font.Height, 18);
    EXPECT_EQ(calls[3].Brush.Style, BrushStyle::Solid);
  }
  // A code outside the tables draws nothing.
  FloorSpecRects[1][0][0].SpecCode = 22;
  EXPECT_TRUE(Of(Draw(DrawSpecs, EditModeFloorSpec), Op::Rectangle).empty());
}

TEST_F(FloorSpecLayerTest, LegendsArePlacedByTheModelExtent) {
  ProjectSettings.ShowBeamStress = SettingOn;
  const Calls texts = Of(Draw(DrawSpecs, EditModeWalls), Op::TextOut);
  ASSERT_EQ(texts.size(), 12u);
  // Below: x = (5 m + 1.2) x 40 - 6 = 242, y = (4 m + 1.3) x 40 - 6 = 206.
  EXPECT_EQ(texts[0].Text, u"床耐力");
  EXPECT_EQ(texts[0].Args, (Points{242, 206}));
  EXPECT_EQ(texts[0].Font.Escapement, 0);
  EXPECT_EQ(texts[1].Text, u"横架材");
  // Left, vertical: x = (1 m - 1.3) x 40 + 6 = -6, y = (1 m - 1.2) x 40 - 30 = -38.
  EXPECT_EQ(texts[6].Text, u"床耐力");
  EXPECT_EQ(texts[6].Args, (Points{-6, -38}));
  EXPECT_EQ(texts[6].Font.Escapement, -900);
  EXPECT_EQ(texts[6].Font.FaceName, u"@ＭＳ ゴシック");
  EXPECT_EQ(texts[6].Font.Height, 12);

  ProjectSettings.ShowBeamStress = SettingOff;
  const Calls fewer = Of(Draw(DrawSpecs, EditModeWalls), Op::TextOut);
  ASSERT_EQ(fewer.size(), 6u);
  for (const auto& t : fewer) EXPECT_NE(t.Text, u"横架材");
}

TEST_F(FloorSpecLayerTest, FailingPartsAreShadedByTheirRatio) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double ratio;
    int32_t shade;
  } cases[] = {{0.95, 1}, {-0.95, 1}, {0.5, 5}, {0.05, 10}, {-0.05, 10}, {0.0, 10}, {nan, 10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ratio);
    EXPECT_EQ(FloorCheckShade(c.ratio), c.shade);
    // Interval 1 (X axes 1..2): member 5 colours its far half 60..80 in the
    // band 1.0..1.3 m below the model's last Y axis: 200..212.
    FloorCheckOk[FloorCheckYFromLeftFar][1][0][1] = FloorCheckFails;
    FloorCheckRatio[FloorCheckYFromLeftFar][1][0][1] = c.ratio;
    const Calls marks = Marks(Draw(DrawSpecs, EditModeFloorSpec));
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].Args, (Points{60, 200, 80, 212}));
    EXPECT_EQ(marks[0].Pen.Colour, ClassColourScale[c.shade]);
    EXPECT_EQ(marks[0].Brush.Colour, ClassColourScale[c.shade]);
  }
  // Left: interval 2 of the Y axes (2..3), member 2 near half 80..100 in the
  // column 1.3..1.6 m left of the first X axis: x 40 - 52 = -12 .. 40 - 64 = -24.
  FloorCheckOk[FloorCheckYFromLeftFar][1][0][1] = FloorCheckPassesOrNotJudged;
  FloorCheckOk[FloorCheckXFromAboveNear][1][0][2] = FloorCheckFails;
  FloorCheckRatio[FloorCheckXFromAboveNear][1][0][2] = 0.75;
  const Calls marks = Marks(Draw(DrawSpecs, EditModeWalls));
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_EQ(marks[0].Args, (Points{-12, 80, -24, 100}));
  EXPECT_EQ(marks[0].Pen.Colour, ClassColourScale[3]);
}

TEST_F(FloorSpecLayerTest, MemberForcesByClass) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double force;
    int32_t cls;
  } cases[] = {{-20, 0}, {3.0, 0}, {3.01, 1}, {7.5, 1}, {8.5, 2}, {10.1, 3}, {15.9, 4}, {16, 5}, {nan, 5}};
  for (const auto& c : cases) EXPECT_EQ(MemberForceClass(c.force), c.cls) << c.force;

  ProjectSettings.ShowBeamStress = SettingOn;
  for (auto& member : BeamStress)
    for (auto& line : member[1][0])
      for (double& v : line) v = 0;
  BeamStress[DiaphragmYFromLeftAtLines][1][0][2][0] = 16;     // at X axis 2
  BeamStress[DiaphragmYFromRightAtMiddles][1][0][1][0] = -9;  // shown negated: 9, class 3
  const Calls marks = Marks(Draw(DrawSpecs, EditModeWalls));
  // X axes 1..3: stubs 1 + 2 + 1 per row, two rows; intervals 2 per row, two
  // rows; Y axes 2..3: 1 + 1 stubs, one interval, two columns each.
  ASSERT_EQ(marks.size(), 8u + 4u + 4u + 2u);
  // Axis 2's stubs in the first row (2.3..2.6 m below Y axis 4: 252..264):
  // from (1 + 3 x 2) / 4 = 1.75 m to 2 m and from 2 m to 2.25 m.
  EXPECT_EQ(marks[2].Args, (Points{70, 252, 80, 264}));
  EXPECT_EQ(marks[2].Pen.Colour, MemberForceColours[5]);
  EXPECT_EQ(marks[3].Args, (Points{80, 252, 90, 264}));
  EXPECT_EQ(marks[0].Pen.Colour, MemberForceColours[0]);
  // Interval 1's middle half 1.25..1.75 m in the second row (264..276).
  EXPECT_EQ(marks[9].Args, (Points{50, 264, 70, 276}));
  EXPECT_EQ(marks[9].Pen.Colour, MemberForceColours[3]);
}

}  // namespace
