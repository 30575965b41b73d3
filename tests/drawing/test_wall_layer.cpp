// The wall layer and the other storeys' walls. Invariants guarded here:
// - the band colour counts the frame deterioration, the retrofit mark and,
//   in a retrofit plan only, one group per caution bit; an all-不明 wall
//   takes the 不明 panel colour;
// - a wall without opening draws symbol 0 whatever it stores; every colour
//   and table lookup by a record field stays inside its table;
// - texts only in the wall edit mode, each whole, centred along the wall at
//   anchors A (above) and B (below), turned with the wall;
// - the strength text is the base, reduced, snow-reduced strength or none as
//   the settings ask; the side zones show the outermost walls' opening kinds
//   and each side's solid / total ratio with a literal '%';
// - other storeys' walls: class = strength / 1.2 kN capped at 5, bands
//   trunc(PixelsPerMetre / 2) wide, the foundation mode draws only the
//   current storey in black.
//
// Grid: axis i at i metres. At 1/75 (53 px/m, m = 53/9 = 5.889) axis k lies
// at 53 k: 2 -> 106, 3 -> 159, 6 -> 318.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/AnalysisResults.h"
#include "analysis/BuildingOutline.h"
#include "editing/ModelReset.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "rendering/PlanPaint.h"
#include "rendering/PlanView.h"
#include "rendering/RecordingCanvas.h"
#include "rendering/WallLayer.h"
#include "tests/core/TestModelBuilder.h"

namespace {

using Op = RecordingCanvas::Op;
using Ints = std::vector<int32_t>;
using testmodel::AddWall;

// Table rows.
constexpr int32_t PanelK1 = 2, PanelP1 = 3, PanelPb = 5, PanelG1 = 21, PanelXb = 44;
constexpr int32_t MudT3 = 4;

class WallLayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RestoreProjectSettingsStartValues();
    RestoreElementTableStartValues();
    ResetModel(ResetForStartUp);
    testmodel::UseOneMetreGrid();
    ASSERT_TRUE(TrySetPlanScale(75));
    CurrentVariant = 0;
    CurrentStorey = 0;
    CurrentEditMode = EditModeWalls;
    ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
    ProjectSettings.Revision = Revision2012;
    ProjectSettings.OpeningWallBasis = OpeningWallsByLength;
    ProjectSettings.ShowWallElements = ShowWallElementLabels;
    ProjectSettings.ShowWallStrength = SettingOff;
    ProjectSettings.ShowReducedStrength = ShowBaseStrengths;
    ProjectSettings.SnowLoad = 0;
  }

  static WallCaseResult& Result(int v, int s, int k) { return WallResults[v][s][k].Blocks[0]; }

  static std::vector<RecordingCanvas::Call> Walls(int32_t mode = EditModeWalls) {
    CurrentEditMode = mode;
    RecordingCanvas canvas;
    DrawWalls(canvas, ScreenPlanView());
    return canvas.Calls();
  }

  static std::vector<RecordingCanvas::Call> TextsOf(const std::vector<RecordingCanvas::Call>& calls) {
    std::vector<RecordingCanvas::Call> texts;
    for (const auto& call : calls)
      if (call.Kind == Op::TextOut) texts.push_back(call);
    return texts;
  }
};

TEST_F(WallLayerTest, BandColourByDeteriorationRetrofitAndCautions) {
  const struct {
    const char* name;
    int32_t variant;
    int32_t deterioration;
    int32_t change, cautionBits;
    int32_t places, caution;
    bool allUnknown;
    int32_t colour;
  } cases[] = {
      {"current state, なし", 0, 2, 0, 0, 1, 1, false, DeteriorationColours[2]},
      {"current state, 部分, changed: cautions count only in a plan", 0, 1, 1, 1 | 8, 1, 1, false,
       DeteriorationColours[1 + 3]},
      {"plan 1, なし, changed, cautions 1 and 8", 1, 2, 1, 1 | 8, 1, 1, false,
       DeteriorationColours[2 + 3 + 6]},
      {"plan 1, 劣化, all four cautions, places off", 1, 0, 1, 15, 0, 1, false, DeteriorationColours[12]},
      {"plan 1, cautions shown off", 1, 0, 1, 15, 1, 0, false, DeteriorationColours[3]},
      {"plan 1, unchanged: no caution", 1, 2, 0, 15, 1, 1, false, DeteriorationColours[2]},
      {"core and panel bits do not count", 1, 2 + 8 + 64, 0, 0, 1, 1, false, DeteriorationColours[2]},
      {"frame value 3 counts as 劣化", 1, 3, 1, 15, 1, 1, false, DeteriorationColours[15]},
      {"all 不明", 1, 0, 1, 15, 1, 1, true, PanelColours[1]},
  };
  for (const auto& c : cases) {
    CurrentVariant = c.variant;
    WallCount[c.variant][0] = 0;
    WallRecord& w = AddWall(c.variant, 0, 2, 3, 6, 3);
    w.Deterioration = c.deterioration;
    if (c.allUnknown) w.BraceKind = w.MudWallKind = w.PanelLeft = w.PanelRight = 1;
    Result(c.variant, 0, 0).RetrofitChange = c.change;
    Result(c.variant, 0, 0).CautionBits = c.cautionBits;
    ProjectSettings.ShowRetrofitPlaces = c.places;
    ProjectSettings.ShowRetrofitCaution = c.caution;
    const auto calls = Walls(EditModeColumns);
    ASSERT_FALSE(calls.empty()) << c.name;
    const auto& band = calls[0];
    EXPECT_EQ(band.Kind, Op::Polygon) << c.name;
    EXPECT_EQ(band.Pen.Colour, c.colour) << c.name;
    EXPECT_EQ(band.Pen.Width, 2) << c.name;
    EXPECT_EQ(band.Brush.Colour, c.colour) << c.name;
    EXPECT_EQ(band.Brush.Style, BrushStyle::Solid) << c.name;
    // P1 (106, 159) to P2 (318, 159): corners m inside the ends, m either side,
    // + 1: x 112.89, 313.11; y 165.89, 154.11.
    EXPECT_EQ(band.Args, (Ints{112, 165, 313, 165, 313, 154, 112, 154})) << c.name;
  }
}

TEST_F(WallLayerTest, SymbolLineAndMarkColoursAndTheStoredSymbolOfAWallWithoutOpening) {
  WallRecord& solid = AddWall(0, 0, 2, 3, 6, 3);
  solid.FittingSymbol = 5;  // stored, but the wall has no opening
  Result(0, 0, 0).WallType = 8;
  const auto calls = Walls(EditModeColumns);
  ASSERT_EQ(calls.size(), 3u);  // band and the two outline lines
  EXPECT_EQ(calls[1].Pen.Colour, WallLineColours[4]);
  EXPECT_EQ(calls[2].Pen.Colour, WallLineColours[4]);

  WallRecord& door = AddWall(0, 0, 2, 5, 6, 5);
  door.OpeningKind = 1, door.NoStrength = 1, door.FittingSymbol = 5;
  Result(0, 0, 1).WallType = 9;
  const auto both = Walls(EditModeColumns);
  // Band, outline, jambs, leaf and arc (a window gets no tick).
  ASSERT_EQ(both.size(), 3u + 7);
  for (std::size_t i = 4; i < 8; ++i) EXPECT_EQ(both[i].Pen.Colour, WallLineColours[8 + 4 + 1]) << i;
  EXPECT_EQ(both[8].Pen.Colour, WallTypeColours[9]);
  EXPECT_EQ(both[9].Kind, Op::Arc);
  EXPECT_EQ(both[9].Pen.Colour, WallTypeColours[9]);
}

TEST_F(WallLayerTest, ElementPensMudBracesAndPanels) {
  const struct {
    int32_t scale;
    int32_t mud;
    int32_t width;
  } muds[] = {{75, 2, 2}, {75, 3, 3}, {75, 4, 4}, {75, 5, 5}, {200, 2, 0}};
  for (const auto& c : muds) {
    ASSERT_TRUE(TrySetPlanScale(c.scale));
    WallCount[0][0] = 0;
    AddWall(0, 0, 2, 3, 6, 3).MudWallKind = c.mud;
    const auto calls = Walls(EditModeColumns);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[3].Pen.Colour, MudWallColour);
    EXPECT_EQ(calls[3].Pen.Width, c.width) << c.scale << " " << c.mud;
  }
  ASSERT_TRUE(TrySetPlanScale(75));

  const struct {
    int32_t kind, joint;
    int32_t colour;
  } braces[] = {{5, 1, BraceColours[5]},
                {5, 2, BraceColours[4]},
                {4, 0, BraceColours[3]},
                {6, 3, BraceColours[6]},
                {9, 0, BraceColours[10]}};
  for (const auto& c : braces) {
    WallCount[0][0] = 0;
    WallRecord& w = AddWall(0, 0, 2, 3, 6, 3);
    w.BraceKind = c.kind, w.BraceEndJoint = c.joint;
    const auto calls = Walls(EditModeColumns);
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[3].Kind, Op::Polygon);
    EXPECT_EQ(calls[3].Pen.Colour, c.colour) << c.kind << " " << c.joint;
    EXPECT_EQ(calls[3].Brush.Colour, c.colour) << c.kind << " " << c.joint;
  }

  const struct {
    int32_t row;
    int32_t colour, width;  // strength above 5: 3, above 3: 2, else 1
  } panels[] = {{PanelP1, RgbColour(237, 28, 36), 3},
                {PanelPb, RgbColour(0, 128, 128), 2},
                {PanelK1, RgbColour(0, 128, 244), 1},
                {PanelXb, RgbColour(128, 128, 128), 1}};
  for (const auto& c : panels) {
    WallCount[0][0] = 0;
    AddWall(0, 0, 2, 3, 6, 3).PanelRight = c.row;
    const auto calls = Walls(EditModeColumns);
    ASSERT_EQ(calls.size(), 4u) << c.row;
    EXPECT_EQ(calls[3].Pen.Colour, c.colour) << c.row;
    EXPECT_EQ(calls[3].Pen.Width, c.width) << c.row;
  }
  // Rows 0, 1 and rows off the table draw no panel line.
  for (int32_t row : {0, 1, 45, -3}) {
    WallCount[0][0] = 0;
    AddWall(0, 0, 2, 3, 6, 3).PanelLeft = row;
    EXPECT_EQ(Walls(EditModeColumns).size(), 3u) << row;
  }
}

TEST_F(WallLayerTest, WallsThatCannotBeDrawnAreLeftOut) {
  AddWall(0, 0, 4, 4, 4, 4);    // both ends on one point
  AddWall(0, 0, 2, 3, 250, 3);  // an end off the grid
  GridAxisX[8] = GridAxisX[7];  // two axes at one position
  AddWall(0, 0, 7, 5, 8, 5);
  EXPECT_TRUE(Walls().empty());
}

TEST_F(WallLayerTest, ElementLabels) {
  const struct {
    int32_t panelLeft, braceKind, joint, arrangement, mud, panelRight;
    std::u16string label;
  } cases[] = {
      {0, 5, 1, 0, 0, 0, u"B3*"},
      {0, 5, 2, 0, 0, 0, u"B3"},
      {0, 4, 3, 1, 0, 0, u"B2W"},
      {0, 4, 0, 1, 0, 0, u"B2W*"},
      {0, 6, 2, 0, 0, 0, u"B4*"},
      {0, 6, 3, 0, 0, 0, u"B4"},
      {0, 9, 0, 1, 0, 0, u"B5W"},
      {1, 1, 0, 0, 1, 1, u"????????"},
      {PanelP1, 2, 0, 0, MudT3, PanelG1, u"P1BTT3G1"},
      {0, 1, 0, 1, 0, 0, u"??"},  // no "W" for an unknown brace
  };
  for (const auto& c : cases) {
    WallCount[0][0] = 0;
    WallRecord& w = AddWall(0, 0, 2, 3, 6, 3);
    w.PanelLeft = c.panelLeft, w.BraceKind = c.braceKind, w.BraceEndJoint = c.joint;
    w.BraceArrangement = c.arrangement, w.MudWallKind = c.mud, w.PanelRight = c.panelRight;
    const auto texts = TextsOf(Walls());
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, c.label);
  }
  // Nothing to write: no text.
  WallCount[0][0] = 0;
  AddWall(0, 0, 2, 3, 6, 3);
  EXPECT_TRUE(TextsOf(Walls()).empty());
}

TEST_F(WallLayerTest, TextsAlongLevelUprightAndSlantedWalls) {
  ProjectSettings.ShowWallStrength = SettingOn;
  ProjectSettings.ShowReducedStrength = ShowReducedStrengths;
  const auto wall = [&](int x1, int y1, int x2, int y2, int32_t number, double strength) {
    const int k = WallCount[0][0];
    WallRecord& w = AddWall(0, 0, x1, y1, x2, y2);
    w.BraceKind = 5, w.BraceEndJoint = 1;  // "B3*", 18 px wide
    Result(0, 0, k).WallNumber = number;
    Result(0, 0, k).EffectiveLength = 1;
    Result(0, 0, k).ReducedStrength = strength;
  };
  wall(2, 3, 6, 3, 5, 7.8);         // level
  wall(8, 2, 8, 6, 123, 7.8);       // upright
  wall(10, 6, 14, 2, 123, 123.45);  // rising to the right at 45°
  wall(2, 10, 6, 14, 0, 0.5);       // falling to the right at 45°

  // Level: e = m, f = 0; the middle (212, 159). A = (212, 150.17): the label
  // (h 9) at (203, 138); B = (217, 169.89): " 7.80" (h 15) at (202, 169).
  // Upright: e = 0, f = m; middle (424, 212). A = (415.17, 212): x = 415.17 -
  // 12, y = 212 + h; B = (434.89, 217): x 434, y = 217 + h.
  // Rising: e = f = m / sqrt 2 (e / m = 0.7071); middle (636, 212); A =
  // (629.75, 205.75): the label at x = 629.75 - trunc(21 x 0.7071 = 14.85),
  // y = 205.75 - trunc(3 x 0.7071); B = (645.16, 221.16): "123.45" (h 18) at
  // x = 645.16 - trunc(12.73), y = 221.16 + 12.
  // Falling: f is negated; middle (212, 636); A = (218.25, 629.75): the label
  // at x = 218.25 - trunc(9 x 0.7071 - 12 x 0.7071 = -2.12), y = 629.75 -
  // trunc(9 x 0.7071 + 12 x 0.7071 = 14.85); B = (212.84, 645.16): " 0.50"
  // (h 15) at x = 212.84 - trunc(10.61), y = 645.16 - trunc(10.61).
  const struct {
    int32_t x, y, escapement;
    std::u16string text;
  } expected[] = {
      {203, 138, 0, u"B3*"},     {202, 169, 0, u" 7.80"},    {403, 221, 900, u"B3*"},
      {434, 232, 900, u" 7.80"}, {615, 203, 449, u"B3*"},    {633, 233, 449, u"123.45"},
      {220, 615, -449, u"B3*"},  {202, 635, -449, u" 0.50"},
  };
  auto texts = TextsOf(Walls());
  ASSERT_EQ(texts.size(), std::size(expected));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].Text, expected[i].text) << i;
    EXPECT_EQ(texts[i].Args, (Ints{expected[i].x, expected[i].y})) << i;
    EXPECT_EQ(texts[i].Font.Escapement, expected[i].escapement) << i;
    EXPECT_EQ(texts[i].Font.Height, 12);
    EXPECT_EQ(texts[i].Font.Width, 6);
    EXPECT_EQ(texts[i].FontColour, 0);
    EXPECT_EQ(texts[i].Brush.Style, BrushStyle::Clear);
  }

  // Retrofit numbers in place of the labels, whole: "[ 5]", "[123]".
  ProjectSettings.ShowWallElements = ShowRetrofitNumbers;
  ProjectSettings.ShowWallStrength = SettingOff;
  texts = TextsOf(Walls());
  ASSERT_EQ(texts.size(), 3u);  // the last wall has no number
  EXPECT_EQ(texts[0].Text, u"[ 5]");
  EXPECT_EQ(texts[0].Args, (Ints{212 - 12, 138}));
  EXPECT_EQ(texts[1].Text, u"[123]");
  // "[123]" is 30 px wide: h 15, x = 629.75 - trunc(27 x 0.7071), y = 205.75 + 2.
  EXPECT_EQ(texts[2].Args, (Ints{610, 207}));

  // Outside the wall mode nothing is written.
  ProjectSettings.ShowWallStrength = SettingOn;
  for (int32_t mode : {EditModeColumns, EditModeText, EditModeFoundation, EditModeNone})
    EXPECT_TRUE(TextsOf(Walls(mode)).empty()) << mode;
}

TEST_F(WallLayerTest, StrengthTextByTheSettings) {
  // Panels P1 (5.2 kN/m) left and G1 (2.6) right over the whole height: base 7.8.
  const struct {
    const char* name;
    int32_t reduced, method, basis, opening;
    double snowLoad;
    int32_t snowCase;
    double effectiveLength;
    int32_t showStrength;
    std::u16string text;  // empty: no strength text
    bool label;
  } cases[] = {
      {"base strength", 0, DiagnosisPrecise1, 0, 0, 0, 0, 1.82, 1, u" 7.80", true},
      {"reduced", 1, DiagnosisPrecise1, 0, 0, 0, 0, 1.82, 1, u" 3.21", true},
      {"reduced with snow", 1, DiagnosisPrecise1, 0, 0, 0.39, 1, 1.82, 1, u" 2.50", true},
      {"snow loaded, results without snow shown", 1, DiagnosisPrecise1, 0, 0, 0.39, 0, 1.82, 1, u" 3.21",
       true},
      {"reduced, no effective length", 1, DiagnosisPrecise1, 0, 0, 0, 0, 0, 1, u"", true},
      {"general method, window wall by length: reduced", 0, DiagnosisGeneral, 0, 1, 0, 0, 1.82, 1, u" 3.21",
       true},
      {"general method, solid wall by length: base", 0, DiagnosisGeneral, 0, 0, 0, 0, 1.82, 1, u" 7.80",
       true},
      {"general method, window wall by ratio: no texts", 0, DiagnosisGeneral, 1, 1, 0, 0, 1.82, 1, u"",
       false},
      {"strength not shown", 1, DiagnosisPrecise1, 0, 0, 0, 0, 1.82, 0, u"", true},
  };
  for (const auto& c : cases) {
    WallCount[0][0] = 0;
    WallRecord& w = AddWall(0, 0, 2, 3, 4, 3);
    w.PanelLeft = PanelP1, w.PanelRight = PanelG1, w.OpeningKind = c.opening;
    Result(0, 0, 0).EffectiveLength = c.effectiveLength;
    Result(0, 0, 0).ReducedStrength = 3.21;
    SnowWallResults[0][0][0].Blocks[0].ReducedStrength = 2.5;
    ProjectSettings.ShowReducedStrength = c.reduced;
    ProjectSettings.DiagnosisMethod = c.method;
    ProjectSettings.OpeningWallBasis = c.basis;
    ProjectSettings.SnowLoad = c.snowLoad;
    ProjectSettings.SnowCase = c.snowCase;
    ProjectSettings.ShowWallStrength = c.showStrength;
    std::vector<std::u16string> written;
    for (const auto& t : TextsOf(Walls())) written.push_back(t.Text);
    std::vector<std::u16string> expected;
    if (c.label) expected.push_back(u"P1G1");
    if (!c.text.empty()) expected.push_back(c.text);
    EXPECT_EQ(written, expected) << c.name;
  }
}

TEST_F(WallLayerTest, SideZonesAndRatios) {
  ProjectSettings.OpeningWallBasis = OpeningWallsByRatio;
  ModelExtentMinX = 2, ModelExtentMaxX = 5, ModelExtentMinY = 3, ModelExtentMaxY = 6;
  for (auto& side : OutlineWallIndex)
    for (int i = 0; i < OutlineIntervalCount; ++i) side[0][0][i] = -1;
  OutlineWallIndex[OutlineSideTop][0][0][2] = 1;
  OutlineWallIndex[OutlineSideTop][0][0][4] = 3;
  OutlineWallIndex[OutlineSideBottom][0][0][2] = 0;
  OutlineWallIndex[OutlineSideLeft][0][0][3] = 2;
  OutlineWallIndex[OutlineSideRight][0][0][5] = 1;
  OutlineWallIndex[OutlineSideRight][0][0][6] = 7;  // outside the extent and the colours: not drawn
  const double lengths[4][2] = {{3, 4}, {0, 5}, {2.73, 3.64}, {1.82, 1.82}};  // solid, total
  for (int side = 0; side < 4; ++side) {
    OuterSolidWallLength[side][0][0] = lengths[side][0];
    OuterWallLength[side][0][0] = lengths[side][1];
  }
  OuterWallLength[OutlineSideBottom][0][0] = 0;  // no text, no division

  const auto calls = Walls(EditModeColumns);
  // Strips half a metre out: y 2.5 x 53 = 132, 6.5 x 53 = 344; x 1.5 x 53 = 79, 5.5 x 53 = 291.
  const struct {
    Ints line;
    int32_t colour;
  } strips[] = {
      {{106, 132, 159, 132}, OpeningKindColours[1]}, {{106, 344, 159, 344}, OpeningKindColours[0]},
      {{212, 132, 265, 132}, OpeningKindColours[3]}, {{79, 159, 79, 212}, OpeningKindColours[2]},
      {{291, 265, 291, 318}, OpeningKindColours[1]},
  };
  ASSERT_EQ(calls.size(), std::size(strips) + 3);
  for (std::size_t i = 0; i < std::size(strips); ++i) {
    EXPECT_EQ(Ints(calls[i].Args.begin(), calls[i].Args.begin() + 4), strips[i].line) << i;
    EXPECT_EQ(calls[i].Pen.Colour, strips[i].colour) << i;
    EXPECT_EQ(calls[i].Pen.Width, 5);
    EXPECT_EQ(calls[i].Pen.Mode, PenMode::Mask);
  }
  const struct {
    int32_t x, y, escapement;
    std::u16string text;
  } ratios[] = {
      {106, 132, 1800, u" 3.00 /  4.00 = 75.00%"},
      {79, 318, 2700, u" 2.73 /  3.64 = 75.00%"},
      {291, 159, 900, u" 1.82 /  1.82 = 100.00%"},
  };
  for (std::size_t i = 0; i < std::size(ratios); ++i) {
    const auto& call = calls[std::size(strips) + i];
    EXPECT_EQ(call.Kind, Op::TextOut);
    EXPECT_EQ(call.Text, ratios[i].text);
    EXPECT_EQ(call.Args, (Ints{ratios[i].x, ratios[i].y}));
    EXPECT_EQ(call.Font.Escapement, ratios[i].escapement);
    EXPECT_EQ(call.Brush.Style, BrushStyle::Solid);
    EXPECT_EQ(call.Brush.Colour, SideZoneTextColour);
  }
  // The bottom side (escapement 0 at the right end) once it has walls.
  OuterWallLength[OutlineSideBottom][0][0] = 5;
  const auto bottom = TextsOf(Walls(EditModeColumns));
  ASSERT_EQ(bottom.size(), 4u);
  EXPECT_EQ(bottom[1].Text, u" 0.00 /  5.00 =  0.00%");
  EXPECT_EQ(bottom[1].Args, (Ints{265, 344}));
  EXPECT_EQ(bottom[1].Font.Escapement, 0);

  ProjectSettings.OpeningWallBasis = OpeningWallsByLength;
  EXPECT_TRUE(Walls(EditModeColumns).empty());
}

TEST(OtherStoreyWalls, StrengthClasses) {
  const struct {
    double strength;
    int32_t cls;
  } cases[] = {{0, 0}, {1.19, 0}, {1.2, 1}, {3.0, 2}, {5.99, 4}, {6.0, 5}, {8, 5}, {1e300, 5}, {-1, 0}};
  for (const auto& c : cases) EXPECT_EQ(OtherStoreyWallClass(c.strength), c.cls) << c.strength;
}

class OtherStoreyWallsTest : public WallLayerTest {
 protected:
  void SetUp() override {
    WallLayerTest::SetUp();
    CurrentStorey = 1;
    ProjectSettings.ShowOtherStoreyWalls = ShowOtherStoreyBearingWalls;
    const struct {
      int s;
      int x1, y1, x2, y2;
      double x, y, snowX, snowY;
    } walls[] = {
        {0, 2, 3, 6, 3, 1.19, 0, 8, 0},  // class 0, wide
        {0, 2, 5, 2, 9, 0, 0, 0, 0},     // no strength: 3 px
        {1, 4, 4, 8, 4, 9, 9, 9, 9},     // the current storey: not drawn
        {2, 3, 3, 3, 7, 0, 3.0, 1, 1},   // class 2
        {2, 4, 7, 9, 7, 2, 8, 2, 2},     // class 5
    };
    for (const auto& w : walls) {
      const int k = WallCount[0][w.s];
      AddWall(0, w.s, w.x1, w.y1, w.x2, w.y2);
      Result(0, w.s, k).StrengthX = w.x;
      Result(0, w.s, k).StrengthY = w.y;
      SnowWallResults[0][w.s][k].Blocks[0].StrengthX = w.snowX;
      SnowWallResults[0][w.s][k].Blocks[0].StrengthY = w.snowY;
    }
  }

  struct Stroke {
    Ints Line;
    int32_t Colour, Width;
    bool operator==(const Stroke&) const = default;
  };

  static std::vector<Stroke> Strokes(int32_t mode) {
    CurrentEditMode = mode;
    RecordingCanvas canvas;
    DrawOtherStoreyWalls(canvas, ScreenPlanView());
    std::vector<Stroke> strokes;
    for (const auto& call : canvas.Calls()) {
      EXPECT_EQ(call.Kind, Op::Line);
      EXPECT_EQ(call.Pen.Style, PenStyle::Solid);
      EXPECT_EQ(call.Pen.Mode, PenMode::Copy);
      strokes.push_back({Ints(call.Args.begin(), call.Args.begin() + 4), call.Pen.Colour, call.Pen.Width});
    }
    return strokes;
  }
};

const Ints A{106, 159, 318, 159}, B{106, 265, 106, 477}, C{159, 159, 159, 371}, D{212, 371, 477, 371};

TEST_F(OtherStoreyWallsTest, BandsInTheWallModeOverGreyLines) {
  const int32_t grey = WallClassColours[0];
  // Bands trunc(53 / 2) = 26 px wide, 3 px without strength.
  EXPECT_EQ(Strokes(EditModeWalls), (std::vector<Stroke>{{A, grey, 26},
                                                         {B, grey, 3},
                                                         {A, grey, 3},
                                                         {B, grey, 3},
                                                         {C, WallClassColours[2], 26},
                                                         {D, WallClassColours[5], 26},
                                                         {C, grey, 3},
                                                         {D, grey, 3}}));
  // With snow shown the classes come from the snow results: 8 -> 5, 1 -> 0.
  ProjectSettings.SnowLoad = 0.39;
  ProjectSettings.SnowCase = SnowCaseWith;
  const auto snow = Strokes(EditModeWalls);
  EXPECT_EQ(snow[0], (Stroke{A, WallClassColours[5], 26}));
  EXPECT_EQ(snow[4], (Stroke{C, grey, 26}));
  ProjectSettings.SnowCase = SnowCaseWithout;
  EXPECT_EQ(Strokes(EditModeWalls)[0], (Stroke{A, grey, 26}));

  // Switch off, or another mode: the grey lines alone.
  const std::vector<Stroke> lines = {{A, grey, 3}, {B, grey, 3}, {C, grey, 3}, {D, grey, 3}};
  EXPECT_EQ(Strokes(EditModeColumns), lines);
  ProjectSettings.ShowOtherStoreyWalls = ShowFoundationsBelow;
  EXPECT_EQ(Strokes(EditModeWalls), lines);
}

TEST_F(OtherStoreyWallsTest, FoundationModeDrawsTheCurrentStoreyInBlack) {
  EXPECT_EQ(Strokes(EditModeFoundation), (std::vector<Stroke>{{{212, 212, 424, 212}, 0, 3}}));
  // Walls above the variant's top storey are drawn like any other.
  ProjectSettings.TopStorey[0] = TopStoreyFirst;
  EXPECT_EQ(Strokes(EditModeWalls).size(), 8u);
}

TEST_F(WallLayerTest, FullPaintOrderOfTheWallLayers) {
  ProjectSettings.TopStorey[0] = TopStoreySecond;
  ProjectSettings.UniformFoundation = SettingOn;
  ProjectSettings.BalanceMethod = BalanceByQuarterDivision;
  ProjectSettings.ShowOtherStoreyWalls = ShowFoundationsBelow;
  testmodel::AddColumn(0, 0, 2, 3);
  testmodel::AddColumn(0, 0, 6, 3);
  AddWall(0, 0, 2, 3, 6, 3);
  AddWall(0, 1, 2, 3, 6, 3);
  const auto paint = [](int32_t storey, int32_t mode) {
    CurrentStorey = storey;
    CurrentEditMode = mode;
    RecordingCanvas canvas;
    PaintFullPlan(canvas, ScreenPlanView(), 2000, 2000);
    std::vector<char> kinds;  // o other-storey line, w wall band, c column
    for (const auto& call : canvas.Calls()) {
      if (call.Kind == Op::Line && call.Pen.Width == 3 && call.Args[0] == 106 && call.Args[2] == 318)
        kinds.push_back('o');
      if (call.Kind == Op::Polygon && call.Pen.Width == 2) kinds.push_back('w');
      if (call.Kind == Op::Rectangle && call.Pen.Width >= 2) kinds.push_back('c');
    }
    return std::string(kinds.begin(), kinds.end());
  };
  EXPECT_EQ(paint(1, EditModeWalls), "ow");          // storey 1's wall under storey 2's
  EXPECT_EQ(paint(0, EditModeWalls), "owcc");        // storey 2's line, the wall, its columns
  EXPECT_EQ(paint(0, EditModeFoundation), "owcco");  // the first storey's own wall again on top
}

}  // namespace
