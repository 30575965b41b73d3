// The column layers. At 1/75 (53 px/m) the mark unit u is trunc(53 / 9) = 5
// and h = 2. The column used throughout stands on X axis 4 (3.64 m, pixel
// 192.92) and Y axis 2 (1.82 m, pixel 96.46), so its box is left 187,
// top 91, right 197, bottom 101. Rings are discs with pen and brush in one
// colour; the square (187, 91)-(199, 103) takes the section-class outline and
// the demand-class fill; each later mark covers the earlier ones.
#include <gtest/gtest.h>

#include "LayerTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/GridPointMap.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "rendering/ColumnLayer.h"
#include "rendering/PlanView.h"

namespace {

using Op = RecordingCanvas::Op;

constexpr int32_t White = RgbColour(255, 255, 255);
constexpr int32_t Black = RgbColour(0, 0, 0);
constexpr int32_t Red = RgbColour(255, 0, 0);

class ColumnLayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RestoreProjectSettingsStartValues();
    RestoreElementTableStartValues();
    ASSERT_TRUE(TrySetPlanScale(75));
    GridAxisX[4] = 3.64, GridAxisX[6] = 5.46;
    GridAxisY[2] = 1.82, GridAxisY[5] = 4.55;
    CurrentVariant = 0, CurrentStorey = 0, CurrentEditMode = EditModeGrid;
    ProjectSettings.JointHardwareMethod = 2;
    ProjectSettings.ShowColumnNValue = 1;
    ProjectSettings.SnowLoad = 0, ProjectSettings.SnowCase = 0;
    // Several tests may share one process: no columns or results of the one before.
    for (auto& counts : ColumnCount)
      for (int32_t& count : counts) count = 0;
    ColumnResults[0][0][0] = ColumnResult{};
    GridPointMap[0][0][4][2] = 0;
  }

  // A plain first-storey column of the current variant and storey.
  static ColumnRecord& Put(int32_t x, int32_t y, int32_t storey = CurrentStorey) {
    ColumnRecord& c = Columns[CurrentVariant][storey][ColumnCount[CurrentVariant][storey]++];
    c = ColumnRecord{};
    c.X = x, c.Y = y, c.Type = 1, c.Deterioration = 2;
    return c;
  }

  static RecordingCanvas Draw() {
    RecordingCanvas canvas;
    canvas.SetPenStyle(PenStyle::Dash);  // whatever the layer before left
    canvas.SetBrushStyle(BrushStyle::Clear);
    DrawColumns(canvas, ScreenPlanView());
    return canvas;
  }
};

struct ColumnCase {
  const char* name;
  ColumnRecord column;
  int32_t breakage;
  int32_t mapValue;
  std::vector<Drawn> expected;
};

TEST_F(ColumnLayerTest, RingsSquareAndMarksOfEachKindOfColumn) {
  const Drawn square = {Op::Rectangle, {187, 91, 199, 103}, 0, 0, PenStyle::Solid, White};
  auto outlined = [&](int32_t colour, int32_t width) {
    Drawn d = square;
    d.PenColour = colour, d.PenWidth = width;
    return d;
  };
  const Drawn inner = {Op::Rectangle, {189, 93, 197, 101}, Black, 1, PenStyle::Solid,
                       White};  // 187 + 2 .. 199 - 2
  const Drawn cross1 = {Op::Line, {187, 91, 197, 101}, Black, 1, PenStyle::Solid, -1};
  const Drawn cross2 = {Op::Line, {187, 101, 197, 91}, Black, 1, PenStyle::Solid, -1};
  // Through-column ring: the box grown by u, an arc from its corner round to it.
  auto ring = [](PenStyle style) {
    return Drawn{Op::Arc, {182, 86, 203, 107, 182, 86, 182, 86}, Black, 1, style, -1};
  };
  auto disc = [](std::vector<int32_t> box, int32_t colour) {
    return Drawn{Op::Ellipse, std::move(box), colour, 1, PenStyle::Solid, colour};
  };
  // Halo 2u + 1 out: 176, 80, 197 + 12, 101 + 12. Deterioration 1.3u + 1 out:
  // 179.5, 83.5, 205.5, 109.5 truncated. Corner u + 1 out. Hardware h + 1 out.
  const Drawn halo = disc({176, 80, 209, 113}, RgbColour(150, 150, 150));
  const Drawn decayed = disc({179, 83, 205, 109}, RgbColour(255, 64, 64));
  const Drawn partlyDecayed = disc({179, 83, 205, 109}, RgbColour(255, 255, 64));
  const Drawn corner = disc({181, 85, 204, 108}, RgbColour(255, 128, 255));
  auto hardware = [&](int32_t colour) { return disc({184, 88, 201, 105}, colour); };

  // Record fields: Reserved, X, Y, Type, Hardware, CornerSetting, Species, SectionX, SectionY, Deterioration.
  const ColumnCase cases[] = {
      {"outer-corner through column 1-2 with every ring, under an area",
       {0, 4, 2, 2, 3, 1, 0, 2, 0, 0},
       1,
       -(2 + 4 * 3 + 256),
       {halo, decayed, corner, hardware(RgbColour(81, 251, 106)), outlined(RgbColour(83, 10, 156), 3), inner,
        cross1, cross2, ring(PenStyle::Solid)}},
      {"through column 2-3 under an area, section class from Y (4 - 1 = 3)",
       {0, 4, 2, 3, 0, 0, 0, 0, 4, 2},
       0,
       3 + 256,
       {hardware(RgbColour(246, 180, 180)), outlined(RgbColour(156, 10, 156), 3), cross1, cross2,
        ring(PenStyle::Dot)}},
      {"outer-corner post, section X 5 above Y 2 - 1",
       {0, 4, 2, 1, 1, 0, 0, 5, 2, 2},
       0,
       -(1 + 4),
       {hardware(RgbColour(255, 218, 40)), outlined(RgbColour(156, 10, 10), 3), inner}},
      {"plain post, partly decayed, hardware row outside the table: no rim",
       {0, 4, 2, 1, 30, 0, 0, 0, 0, 1},
       0,
       1 + 4 * 30,
       {partlyDecayed, outlined(Black, 2)}},
      {"section and deterioration out of range: nearest class, no ring",
       {0, 4, 2, 1, 15, 0, 0, 9, 0, 7},
       0,
       0,
       {hardware(RgbColour(192, 192, 192)), outlined(RgbColour(156, 10, 10), 3)}},
      {"a column off the grid is left out", {0, 250, 2, 2, 0, 1, 0, 0, 0, 0}, 1, 0, {}},
  };
  for (const ColumnCase& c : cases) {
    SCOPED_TRACE(c.name);
    ColumnCount[0][0] = 1;
    Columns[0][0][0] = c.column;
    ColumnResults[0][0][0].BreakageRisk = c.breakage;
    GridPointMap[0][0][4][2] = c.mapValue;
    EXPECT_EQ(Shapes(Draw()), c.expected);
  }
}

struct FillCase {
  int32_t method;
  double toX, toY, nX, nY;
  double snowLoad;
  int32_t snowCase;
  double snowTo;
  int32_t expected;
};

TEST_F(ColumnLayerTest, SquareIsFilledByTheDemandClass) {
  const int32_t* scale = ClassColourScale;
  // clang-format off
  const FillCase cases[] = {
      // method 1 counts the pull-out limits 0, 3.44, 5.29, ... 29.64 that max(ToX, ToY) passes
      {1, 3.44, 1.0, 0, 0, 0, 0, 0, scale[1]},     // 3.44 itself is not passed
      {1, 2.0, 3.4401, 0, 0, 0, 0, 0, scale[2]},   // the larger of the two directions
      {1, 29.64, 0, 0, 0, 0, 0, 0, scale[9]},
      {1, 29.65, 0, 0, 0, 0, 0, 0, scale[10]},     // the top of the scale
      {1, 500, 0, 0, 0, 0, 0, 0, scale[10]},
      {1, 0, 0, 0, 0, 0, 0, 0, White},             // 0 is not passed
      // method 0 counts the N-value limits 0.000001, 0.650001, ... 5.600001 that max(NX, NY) passes
      {0, 0, 0, 0.65, 0.2, 0, 0, 0, scale[1]},
      {0, 0, 0, 0.2, 0.650001, 0, 0, 0, scale[1]},
      {0, 0, 0, 0.650002, 0, 0, 0, 0, scale[2]},
      {0, 0, 0, 5.600002, 0, 0, 0, 0, scale[10]},
      {0, 0, 0, 0, 0, 0, 0, 0, White},
      // method 2 fills nothing
      {2, 50, 50, 9, 9, 0, 0, 0, White},
      // snow results only when snow is loaded and the snow case shown: 5.3 passes 0, 3.44, 5.29
      {1, 0, 0, 0, 0, 0.5, 1, 5.3, scale[3]},
      {1, 0, 0, 0, 0, 0.5, 0, 5.3, White},
      {1, 0, 0, 0, 0, 0.0, 1, 5.3, White},
  };
  // clang-format on
  Put(4, 2);
  for (const FillCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "method " << c.method << " To " << c.toX << "/" << c.toY << " N "
                                    << c.nX << "/" << c.nY << " snow " << c.snowLoad << "/" << c.snowCase);
    ProjectSettings.JointHardwareMethod = c.method;
    ProjectSettings.SnowLoad = c.snowLoad, ProjectSettings.SnowCase = c.snowCase;
    ColumnResult& r = ColumnResults[0][0][0];
    r.ToX = c.toX, r.ToY = c.toY, r.NX = c.nX, r.NY = c.nY;
    ColumnSnowResults[0][0][0] = ColumnSnowResult{};
    ColumnSnowResults[0][0][0].ToY = c.snowTo;
    const auto shapes = Shapes(Draw());
    ASSERT_EQ(shapes.size(), 2u);  // hardware rim, square
    EXPECT_EQ(shapes[1].Args, (std::vector<int32_t>{187, 91, 199, 103}));
    EXPECT_EQ(shapes[1].BrushColour, c.expected);
  }
}

struct LabelCase {
  const char* name;
  int32_t mode, show, method;
  double t, n, tension;
  std::vector<Written> expected;
};

TEST_F(ColumnLayerTest, DemandAndHardwareLabelsBesideTheColumn) {
  // Demand label at (197 + 4, 101 + 4); hardware label 0.2 x 53 = 10.6 lower, at trunc(115.6).
  // clang-format off
  const LabelCase cases[] = {
      {"15 kN hardware under a 20 kN demand is too weak", 1, 1, 1, 20, 0, 15,
       {{201, 105, u"(ち)", Black}, {201, 115, u"(と)", Red}}},
      {"3.44 kN is (は) by the label bounds, as is 5.1 kN hardware", 2, 1, 1, 3.44, 0, 5.1,
       {{201, 105, u"(は)", Black}, {201, 115, u"(は)", Black}}},
      {"above 40 kN nothing fits", 1, 1, 1, 40.01, 0, 40,
       {{201, 105, u"(×)", Black}, {201, 115, u"(ぬ+)", Red}}},
      {"N = 0.65 is (ろ); no hardware is (い)", 1, 1, 0, 0, 0.65, 0,
       {{201, 105, u"(ろ)", Black}, {201, 115, u"(い)", Red}}},
      {"N = 0.650001 reaches (は)", 2, 1, 0, 0, 0.650001, 5.1,
       {{201, 105, u"(は)", Black}, {201, 115, u"(は)", Black}}},
      {"N = 0 is (い)", 2, 1, 0, 0, 0, 3.4,
       {{201, 105, u"(い)", Black}, {201, 115, u"(ろ)", Black}}},
      {"method 2: the hardware label alone, black", 2, 1, 2, 50, 9, 0,
       {{201, 115, u"(い)", Black}}},
      {"no labels outside the column and wall modes", 3, 1, 1, 20, 0, 15, {}},
      {"no labels when the setting is off (the number stays)", 1, 0, 1, 20, 0, 15,
       {{171, 78, u"  1", Black}}},
  };
  // clang-format on
  Put(4, 2).Hardware = 5;
  ColumnOrderX[0][0][0] = 0;
  for (const LabelCase& c : cases) {
    SCOPED_TRACE(c.name);
    CurrentEditMode = c.mode;
    ProjectSettings.ShowColumnNValue = c.show;
    ProjectSettings.JointHardwareMethod = c.method;
    ColumnResults[0][0][0].ToY = c.t;
    ColumnResults[0][0][0].NX = c.n;
    JointHardwareTable[5].AllowableTension = c.tension;
    const RecordingCanvas canvas = Draw();
    std::vector<Written> texts = Texts(canvas);
    if (c.mode == EditModeColumns && c.show == 1) texts.pop_back();  // the column number, tested below
    EXPECT_EQ(texts, c.expected);
    EXPECT_EQ(canvas.FontColour(), Black);
  }
}

TEST_F(ColumnLayerTest, ColumnNumbersFollowThePlanOrderInTheColumnMode) {
  Put(6, 2);  // 0: x 289.38, y 96.46
  Put(4, 5);  // 1: x 192.92, y 241.15
  Put(4, 2);  // 2: x 192.92, y 96.46
  const int32_t order[] = {1, 2, 0};
  for (int i = 0; i < 3; ++i) ColumnOrderX[0][0][i] = order[i];
  ProjectSettings.ShowColumnNValue = 0;
  CurrentEditMode = EditModeColumns;
  // x - 53 / 9 - 16 and y - 53 / 9 - 12, 53 / 9 = 5.889 not truncated:
  // 192.92 -> 171.03, 289.38 -> 267.49; 96.46 -> 78.57, 241.15 -> 223.26.
  EXPECT_EQ(
      Texts(Draw()),
      (std::vector<Written>{{171, 223, u"  1", Black}, {171, 78, u"  2", Black}, {267, 78, u"  3", Black}}));

  // A damaged order entry loses its number, not the others.
  ColumnOrderX[0][0][1] = 299;
  EXPECT_EQ(Texts(Draw()), (std::vector<Written>{{171, 223, u"  1", Black}, {267, 78, u"  3", Black}}));

  CurrentEditMode = EditModeWalls;
  EXPECT_TRUE(Texts(Draw()).empty());
}

TEST_F(ColumnLayerTest, OtherStoreysAreLightCrossesAndTheCurrentOneBlackInTheFoundationMode) {
  CurrentStorey = 1;
  Put(4, 2, 0);
  Put(6, 5, 1);
  Put(6, 2, 2);
  ProjectSettings.TopStorey[0] = 1;  // the third storey is drawn all the same
  auto cross = [](int32_t l, int32_t t, int32_t r, int32_t b, int32_t colour) {
    return std::vector<Drawn>{{Op::Line, {l, t, r, b}, colour, 2, PenStyle::Solid, -1},
                              {Op::Line, {l, b, r, t}, colour, 2, PenStyle::Solid, -1}};
  };
  auto concat = [](std::vector<Drawn> a, const std::vector<Drawn>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const int32_t grey = RgbColour(224, 224, 224);
  struct {
    int32_t scale, mode;
    std::vector<Drawn> expected;
  } cases[] = {
      // 1/75, u = 5: X 192.92 +- 5, 289.38 +- 5; Y 96.46 +- 5, 241.15 +- 5.
      {75, EditModeWalls, concat(cross(187, 91, 197, 101, grey), cross(284, 91, 294, 101, grey))},
      {75, EditModeFoundation, cross(284, 236, 294, 246, Black)},
      // 1/200, 20 px/m, u = 2: X 72.8, 109.2; Y 36.4, 91.0.
      {200, EditModeColumns, concat(cross(70, 34, 74, 38, grey), cross(107, 34, 111, 38, grey))},
      {200, EditModeFoundation, cross(107, 89, 111, 93, Black)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "1/" << c.scale << " mode " << c.mode);
    ASSERT_TRUE(TrySetPlanScale(c.scale));
    CurrentEditMode = c.mode;
    RecordingCanvas canvas;
    DrawOtherStoreyColumns(canvas, ScreenPlanView());
    EXPECT_EQ(Shapes(canvas), c.expected);
  }
}

}  // namespace
