// The pointer tracking of the plan: what each mode finds under the pointer
// (edges of every hit test), the status texts in full, the XOR figures to
// erase and draw, and the hover state across edits, full paints and leaving.
// The grid is laid out at 1 m per axis and the plan drawn at 50 pixels per
// metre (1/80), so axis i lies at pixel 50 i and the hover tolerance is 10 px.
#include <gtest/gtest.h>

#include <string>

#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "editing/ClickInput.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/TextCodec.h"
#include "rendering/PlanHover.h"
#include "rendering/RecordingCanvas.h"

namespace {

constexpr int32_t W = 2000, H = 1500;  // sheet size

class PlanHoverTest : public testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < GridAxisCountX; ++i) {
      GridAxisX[i] = i;
      CopyToFixed(GridAxisNameX[i], GridAxisNameCapacity, u"x" + Utf8ToUtf16(std::to_string(i)));
    }
    for (int j = 0; j < GridAxisCountY; ++j) {
      GridAxisY[j] = j;
      CopyToFixed(GridAxisNameY[j], GridAxisNameCapacity, u"y" + Utf8ToUtf16(std::to_string(j)));
    }
    SetPlanScale(80);
    ASSERT_EQ(PixelsPerMetre, 50);
    ASSERT_EQ(HoverTolerance(), 10);
    CurrentVariant = 0, CurrentStorey = 0;
    PendingPointCount = 0;
    HoverState = HoverNothing;
    ForgetXorFigures();
  }

  static HoverUpdate Move(int32_t x, int32_t y) { return PlanMouseMove(x, y, W, H); }
};

std::string Utf8(const std::u16string& s) { return Utf16ToUtf8(s); }

XorFigure Figure(XorFigureKind kind, std::initializer_list<CanvasPoint> points, int32_t colour,
                 int32_t width) {
  XorFigure f;
  f.Kind = kind;
  int i = 0;
  for (CanvasPoint p : points) f.Points[i++] = p;
  f.Colour = colour, f.Width = width;
  return f;
}

void ExpectFigure(const XorFigure& actual, const XorFigure& expected) {
  EXPECT_EQ(actual.Kind, expected.Kind);
  const int n = expected.Kind == XorFigureKind::Polygon ? 3 : 2;
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(actual.Points[i].X, expected.Points[i].X) << "point " << i;
    EXPECT_EQ(actual.Points[i].Y, expected.Points[i].Y) << "point " << i;
  }
  EXPECT_EQ(actual.Colour, expected.Colour);
  EXPECT_EQ(actual.Width, expected.Width);
}

// ---- Columns ----

TEST_F(PlanHoverTest, ColumnAtAnOuterCornerOfALowerStoreyIsDescribedWhole) {
  CurrentEditMode = EditModeColumns;
  ColumnRecord& c = Columns[0][0][0];
  c = ColumnRecord{};
  c.X = 2, c.Y = 3, c.Type = 1, c.Hardware = 0, c.CornerSetting = 0, c.Species = 0, c.SectionX = 1,
  c.SectionY = 0, c.Deterioration = 2;
  ColumnCount[0][0] = 1;
  GridPointMap[0][0][2][3] = -260;
  ProjectSettings.JointHardwareMethod = HardwareByNValue;
  ColumnResults[0][0][0].NX = 0.5, ColumnResults[0][0][0].NY = 0.7;  // N 0.7: past 0.65, short of 1.0 -> (は)

  const HoverUpdate u = Move(100 + 20, 150 - 20);  // snaps to (2, 3) at (100, 150)
  EXPECT_EQ(HoverState, HoverFirstFigure);
  EXPECT_EQ(HoverIndex, 0);
  EXPECT_TRUE(u.StatusChanged);
  EXPECT_EQ(Utf8(u.Status),
            "柱　(x2,y3)   柱の種類:管柱  金物仕様:釘打ち  出隅柱:自動(出隅柱)　位置:２階建ての１階　"
            "引き抜き力:0.700　接合部必要金物:(は)ＶＰ 接合部取付金物:(い) 材種:スギ 断面:≧120mm×≧120mm　"
            "劣化：なし　");
  // The square of half-size 10 about the grid point.
  ExpectFigure(u.Draw, Figure(XorFigureKind::Rectangle, {{91, 141}, {110, 160}}, XorColours[2], 1));
  EXPECT_EQ(u.Erase.Kind, XorFigureKind::None);
}

TEST_F(PlanHoverTest, ColumnTextByMethod) {
  CurrentEditMode = EditModeColumns;
  ColumnRecord& c = Columns[0][0][0];
  c = ColumnRecord{};
  c.X = 2, c.Y = 2, c.Type = 2, c.Hardware = 7, c.CornerSetting = 1, c.Species = 1, c.SectionX = 2,
  c.SectionY = 5, c.Deterioration = 0;
  ColumnCount[0][0] = 1;
  GridPointMap[0][0][2][2] = 6 + 4 * 7;  // an inner column of the top storey
  ColumnResult& r = ColumnResults[0][0][0];
  r.ToX = 8.0, r.ToY = 3.0, r.NX = 0.2, r.NY = 1.9, r.BreakageRisk = 1;
  // Row 7 carries Ta 7.5, past 0, 3.4 and 5.1: (に).
  const struct {
    int32_t method;
    const char* force;
    const char* required;
  } cases[] = {
      {HardwareByConvertedNValue, "8.000", "(ほ)羽子板(釘あり)"},  // 8.0 kN: past 0, 3.4, 5.1, 7.5
      {HardwareByNValue, "1.900", "(と)Ｓ－ＨＤ１５"},             // N 1.9: past 0 .. 1.8
      {HardwareByAllowableStress, "1.900", "(と)Ｓ－ＨＤ１５"},    // classified by N as well
  };
  for (const auto& k : cases) {
    ProjectSettings.JointHardwareMethod = k.method;
    const HoverUpdate u = Move(100, 100);
    EXPECT_EQ(Utf8(u.Status),
              std::string("柱　(x2,y2)   柱の種類:通し柱(1-2)  金物仕様:に  出隅柱:指定(一般柱)　"
                          "位置:最上階　引き抜き力:") +
                  k.force + "　接合部必要金物:" + k.required +
                  " 接合部取付金物:(に) 材種:ヒノキ 断面:≧135mm×≧180mm　劣化：劣化　折損の可能性あり")
        << "method " << k.method;
  }
}

TEST_F(PlanHoverTest, NoColumnAtTheSnappedPointLeavesAnEmptyStatus) {
  CurrentEditMode = EditModeColumns;
  Columns[0][0][0] = ColumnRecord{};
  Columns[0][0][0].X = 2, Columns[0][0][0].Y = 2;
  ColumnCount[0][0] = 1;
  const HoverUpdate u = Move(100 + 26, 100);  // nearer to axis 3
  EXPECT_TRUE(u.StatusChanged);
  EXPECT_TRUE(u.Status.empty());
  EXPECT_EQ(u.Draw.Kind, XorFigureKind::None);
  EXPECT_EQ(HoverState, HoverNothing);
  EXPECT_EQ(HoverIndex, 1);  // the count when nothing is found
}

TEST_F(PlanHoverTest, PointerNearTheFirstAxisSnapsToIt) {
  CurrentEditMode = EditModeColumns;
  Columns[0][0][0] = ColumnRecord{};
  Columns[0][0][0].X = 0, Columns[0][0][0].Y = 0;
  ColumnCount[0][0] = 1;
  Move(3, 4);
  EXPECT_EQ(SnapAxisX, 0);
  EXPECT_EQ(SnapAxisY, 0);
  EXPECT_EQ(HoverState, HoverFirstFigure);
}

// ---- Walls ----

TEST_F(PlanHoverTest, WallHitTestByDistanceToTheSegment) {
  CurrentEditMode = EditModeWalls;
  Walls[0][0][0] = WallRecord{};
  Walls[0][0][0].X1 = 3, Walls[0][0][0].Y1 = 3, Walls[0][0][0].X2 = 3, Walls[0][0][0].Y2 = 3;  // zero length
  Walls[0][0][1] = WallRecord{};
  Walls[0][0][1].X1 = 1, Walls[0][0][1].Y1 = 1, Walls[0][0][1].X2 = 5,
  Walls[0][0][1].Y2 = 1;  // (50,50)-(250,50)
  WallCount[0][0] = 2;
  const struct {
    int32_t x, y;
    int32_t index;  // 2: none
  } cases[] = {
      {100, 59, 1},                 // 9 px off the line
      {100, 60, 2},                 // exactly the tolerance: not hit
      {100, 41, 1},  {259, 50, 1},  // 9 px past the end
      {260, 50, 2},  {256, 56, 1},  // 6² + 6² = 72 < 100
      {258, 58, 2},                 // 8² + 8² = 128
      {150, 150, 2},                // on the wall of zero length
  };
  for (const auto& k : cases) {
    const HoverUpdate u = Move(k.x, k.y);
    EXPECT_EQ(HoverIndex, k.index) << k.x << "," << k.y;
    EXPECT_EQ(HoverState, k.index == 1 ? HoverFirstFigure : HoverNothing) << k.x << "," << k.y;
    if (k.index == 1)
      ExpectFigure(u.Draw, Figure(XorFigureKind::Line, {{50, 50}, {250, 50}}, XorColours[3], 15));
  }
}

TEST_F(PlanHoverTest, WallTexts) {
  CurrentEditMode = EditModeWalls;
  WallRecord& w = Walls[0][0][0];
  w = WallRecord{};
  w.X1 = 1, w.Y1 = 1, w.X2 = 5, w.Y2 = 1;
  WallCount[0][0] = 1;
  WallCaseResult& r = WallResults[0][0][0].Blocks[0];
  r.WallType = 0, r.UnderRoofOrFloor = 0, r.FoundationClass = 0;
  EXPECT_EQ(
      Utf8(Move(100, 50).Status),
      "壁　(x1,y1)-(x5,y1)　壁の評価:外周壁無開口壁　左上面材:無し　右下面材:無し　筋かい:無し　土壁:無し　"
      "軸組劣化:劣化　位置:最上階　基礎:基Ⅰ");

  w.BraceKind = 5;  // BraceTable row 6
  w.PanelLeft = 2;
  w.MudWallKind = 3;
  w.Deterioration = 3 + 16;  // frame state 3 has no label
  r.WallType = 9, r.UnderRoofOrFloor = 1, r.FoundationClass = 1;
  const std::string panel = Utf16ToUtf8(PanelTable[2].Name), mud = Utf16ToUtf8(MudWallTable[3].Name);
  EXPECT_EQ(Utf8(Move(100, 50).Status),
            "壁　(x1,y1)-(x5,y1)　壁の評価:間仕切壁マド＜１ｍ　左上面材:" + panel +
                "　右下面材:無し　筋かい:45x90　土壁:" + mud + "　軸組劣化:　位置:２階建ての１階　基礎:基Ⅱ");
}

// ---- Areas ----

TEST_F(PlanHoverTest, RectanglesAreStrictTrianglesIncludeTheirSides) {
  CurrentEditMode = EditModeRoofFloor;
  RoofFloorRectRecord& rect = RoofFloorRects[0][0][0];
  rect = RoofFloorRectRecord{};
  rect.X1 = 1, rect.Y1 = 1, rect.X2 = 3, rect.Y2 = 3;  // (50,50)-(150,150)
  RoofFloorRectCount[0][0] = 1;
  RoofFloorTriangleRecord& tri = RoofFloorTriangles[0][0][0];
  tri = RoofFloorTriangleRecord{};
  tri.X1 = 1, tri.Y1 = 1, tri.X2 = 1, tri.Y2 = 3, tri.X3 = 3, tri.Y3 = 3;
  RoofFloorTriangleCount[0][0] = 1;
  const struct {
    int32_t x, y, state;
  } cases[] = {
      {100, 100, HoverFirstFigure},  // inside the rectangle
      {50, 100, HoverSecondFigure},  // on the rectangle's edge, on the triangle's side
      {100, 100 - 1, HoverFirstFigure}, {149, 149, HoverFirstFigure},
      {150, 150, HoverSecondFigure},  // a corner of both
      {151, 150, HoverNothing},         {200, 100, HoverNothing},
  };
  for (const auto& k : cases) {
    Move(k.x, k.y);
    EXPECT_EQ(HoverState, k.state) << k.x << "," << k.y;
  }
  // The largest rectangle only bounds the others: the triangle under it is found.
  rect.AreaCode = 6;
  const HoverUpdate u = Move(100, 100);  // on the triangle's long side
  EXPECT_EQ(HoverState, HoverSecondFigure);
  EXPECT_EQ(HoverTriangleIndex, 0);
  ExpectFigure(u.Draw, Figure(XorFigureKind::Polygon, {{50, 50}, {50, 150}, {150, 150}}, XorColours[4], 15));
  // A flat triangle holds nothing.
  tri.X3 = 1, tri.Y3 = 2;
  Move(50, 100);
  EXPECT_EQ(HoverState, HoverNothing);
}

TEST_F(PlanHoverTest, AreaTexts) {
  CurrentEditMode = EditModeRoofFloor;
  RoofFloorRectRecord& rect = RoofFloorRects[0][0][0];
  rect = RoofFloorRectRecord{};
  rect.X1 = 1, rect.Y1 = 1, rect.X2 = 3, rect.Y2 = 3, rect.AreaCode = 0, rect.LiveLoad = 1300;
  RoofFloorRectCount[0][0] = 1;
  EXPECT_EQ(Utf8(Move(100, 100).Status), "床（矩形）　(x1,y1)-(x3,y3)　仕様:軽い床　積載荷重: +1300");
  rect.AreaCode = 9, rect.LiveLoad = 0, rect.AddedLoad = -200, rect.Slope = 0.5, rect.DeadLoad = 950.5;
  EXPECT_EQ(
      Utf8(Move(100, 100).Status),
      "床（矩形）　(x1,y1)-(x3,y3)　仕様:個別荷重の屋根　追加荷重:  -200 勾配: 0.50/1.0 固定荷重:950.50N/㎡");
  rect.AreaCode = 25;  // no such code: no name, no crash
  EXPECT_EQ(Utf8(Move(100, 100).Status),
            "床（矩形）　(x1,y1)-(x3,y3)　仕様:　追加荷重:  -200 勾配: 0.50/1.0 固定荷重:950.50N/㎡");

  CurrentEditMode = EditModeFloorSpec;
  FloorSpecTriangleRecord& t = FloorSpecTriangles[0][0][0];
  t = FloorSpecTriangleRecord{};
  t.X1 = 1, t.Y1 = 1, t.X2 = 1, t.Y2 = 3, t.X3 = 3, t.Y3 = 3, t.SpecCode = 2 + 32 * 1;
  FloorSpecTriangleCount[0][0] = 1;
  FloorSpecRectCount[0][0] = 0;
  const HoverUpdate u = Move(60, 120);
  EXPECT_EQ(Utf8(u.Status),
            "床剛性（三角形）　(x1,y1)-(x1,y3)-(x3,y3)　仕様:" + Utf16ToUtf8(FloorSpecTableName[2]) +
                "　火打ち:" + Utf16ToUtf8(HorizontalBraceTableName[1]));
  EXPECT_EQ(u.Draw.Colour, XorColours[5]);
}

// ---- Texts, foundations, free lines, gables ----

TEST_F(PlanHoverTest, TextLabelFoundByTheMiddleOfItsAnchors) {
  CurrentEditMode = EditModeText;
  TextLabelRecord& t = TextLabels[0][0][0];
  t = TextLabelRecord{};
  t.X1 = 1, t.Y1 = 1, t.X2 = 4, t.Y2 = 2;  // (50,50)-(200,100), middle (125, 75)
  CopyToFixed(t.Text, TextLabelCapacity, u"居間");
  TextLabelCount[0][0] = 1;
  HoverUpdate u = Move(125 + 9, 75 - 9);
  EXPECT_EQ(Utf8(u.Status), "室名等　(x1,y1)-(x4,y2)　居間");
  ExpectFigure(u.Draw, Figure(XorFigureKind::Rectangle, {{50, 50}, {200, 100}}, XorColours[6], 15));
  Move(125 + 10, 75);
  EXPECT_EQ(HoverState, HoverNothing);
  // Anchors on one axis: a line (of zero length when they coincide).
  t.X2 = 1, t.Y2 = 1;
  u = Move(50, 50);
  ExpectFigure(u.Draw, Figure(XorFigureKind::Line, {{50, 50}, {50, 50}}, XorColours[6], 15));
}

TEST_F(PlanHoverTest, FoundationIsHighlightedWithoutText) {
  CurrentEditMode = EditModeFoundation;
  Foundations[0][0][0] = FoundationRecord{};
  Foundations[0][0][0].X1 = 1, Foundations[0][0][0].Y1 = 1, Foundations[0][0][0].X2 = 1,
  Foundations[0][0][0].Y2 = 5;
  FoundationCount[0][0] = 1;
  const HoverUpdate u = Move(55, 200);
  EXPECT_EQ(HoverState, HoverFirstFigure);
  EXPECT_TRUE(u.StatusChanged);
  EXPECT_TRUE(u.Status.empty());
  ExpectFigure(u.Draw, Figure(XorFigureKind::Line, {{50, 50}, {50, 250}}, XorColours[7], 15));
}

TEST_F(PlanHoverTest, FreeLineAndGableTexts) {
  CurrentEditMode = EditModeFreeLine;
  FreeLines[0][0][0] = FreeLineRecord{};
  FreeLines[0][0][0].X1 = 1, FreeLines[0][0][0].Y1 = 1, FreeLines[0][0][0].X2 = 5, FreeLines[0][0][0].Y2 = 1;
  FreeLines[0][0][0].OffsetX1 = 3;  // offsets are not applied
  FreeLineCount[0][0] = 1;
  EXPECT_EQ(Utf8(Move(100, 50).Status), "自由線　(x1,y1)-(x5,y1)");

  CurrentEditMode = EditModeGable;
  GableWallRecord& g = GableWalls[0][0][0];
  g = GableWallRecord{};
  g.X1 = 1, g.Y1 = 1, g.X2 = 5, g.Y2 = 1, g.WeightClass = 1, g.Shape = 1, g.Weight = 600, g.Slope = 0.5,
  g.Height = 1.2;
  GableWallCount[0][0] = 1;
  const HoverUpdate u = Move(100, 50);
  EXPECT_EQ(Utf8(u.Status),
            "矢切等　(x1,y1)-(x5,y1)　種類:軽い両流れ 固定荷重:   600N/㎡ 勾配: 0.50/1.0 高さ: 1.20");
  EXPECT_EQ(u.Draw.Colour, XorColours[9]);
}

// ---- Grid ----

TEST_F(PlanHoverTest, GridIntervalsAndAxes) {
  CurrentEditMode = EditModeGrid;
  GridEditMode = GridEditAddX;
  HoverUpdate u = Move(125, 10);
  EXPECT_EQ(Utf8(u.Status), "Ｘ座標追加　x2,x3　間隔:1.000");
  EXPECT_EQ(HoverState, HoverSecondFigure);
  ExpectFigure(u.Draw, Figure(XorFigureKind::Rectangle, {{100, 0}, {150, H}}, XorColours[0], 1));

  GridEditMode = GridEditChangeY;
  u = Move(10, 125);
  EXPECT_EQ(Utf8(u.Status), "Ｙ座標変更　y3,y2　間隔:1.000");
  EXPECT_EQ(HoverState, HoverFirstFigure);
  ExpectFigure(u.Erase, Figure(XorFigureKind::Rectangle, {{100, 0}, {150, H}}, XorColours[0], 1));
  ExpectFigure(u.Draw, Figure(XorFigureKind::Rectangle, {{0, 100}, {W, 150}}, XorColours[0], 1));

  // The delete mode's tolerance is 0.1 m here (5 px); an X axis wins over a Y axis.
  GridEditMode = GridEditDelete;
  u = Move(104, 146);
  EXPECT_EQ(Utf8(u.Status), "Ｙ軸変更・消去　x2");
  EXPECT_EQ(HoverState, HoverSecondFigure);
  ExpectFigure(u.Draw, Figure(XorFigureKind::Line, {{100, 0}, {100, H}}, XorColours[1], 3));
  u = Move(120, 146);
  EXPECT_EQ(Utf8(u.Status), "Ｘ軸変更・消去　y3");
  ExpectFigure(u.Draw, Figure(XorFigureKind::Line, {{0, 150}, {W, 150}}, XorColours[1], 3));
  u = Move(120, 120);
  EXPECT_TRUE(u.Status.empty());
  EXPECT_EQ(HoverState, HoverNothing);
}

// ---- State ----

TEST_F(PlanHoverTest, AfterAnAppliedEditTheNextMoveDrawsNothing) {
  CurrentEditMode = EditModeWalls;
  Walls[0][0][0] = WallRecord{};
  Walls[0][0][0].X1 = 1, Walls[0][0][0].Y1 = 1, Walls[0][0][0].X2 = 5, Walls[0][0][0].Y2 = 1;
  WallCount[0][0] = 1;
  HoverState = HoverEditApplied;
  ForgetXorFigures();  // the edit's repaint
  EXPECT_EQ(HoverState, HoverEditApplied);
  HoverUpdate u = Move(100, 50);
  EXPECT_FALSE(u.StatusChanged);
  EXPECT_EQ(u.Draw.Kind, XorFigureKind::None);
  EXPECT_EQ(u.Erase.Kind, XorFigureKind::None);
  EXPECT_EQ(HoverState, HoverNothing);
  u = Move(100, 50);
  EXPECT_EQ(u.Draw.Kind, XorFigureKind::Line);
  EXPECT_EQ(u.Erase.Kind, XorFigureKind::None);
  // Moving along the wall erases and draws the same line: it stays visible.
  u = Move(120, 50);
  ExpectFigure(u.Erase, u.Draw);
}

TEST_F(PlanHoverTest, AFullPaintForgetsTheFiguresItWiped) {
  CurrentEditMode = EditModeWalls;
  Walls[0][0][0] = WallRecord{};
  Walls[0][0][0].X1 = 1, Walls[0][0][0].Y1 = 1, Walls[0][0][0].X2 = 5, Walls[0][0][0].Y2 = 1;
  WallCount[0][0] = 1;
  Move(100, 50);
  ASSERT_EQ(HoverState, HoverFirstFigure);
  ForgetXorFigures();
  EXPECT_EQ(HoverState, HoverNothing);
  const HoverUpdate u = Move(100, 52);
  EXPECT_EQ(u.Erase.Kind, XorFigureKind::None);  // no ghost: nothing erased that is not there
  EXPECT_EQ(u.Draw.Kind, XorFigureKind::Line);
}

TEST_F(PlanHoverTest, LeavingErasesTheHighlightAndKeepsTheRubberBand) {
  CurrentEditMode = EditModeWalls;
  Walls[0][0][0] = WallRecord{};
  Walls[0][0][0].X1 = 1, Walls[0][0][0].Y1 = 1, Walls[0][0][0].X2 = 5, Walls[0][0][0].Y2 = 1;
  WallCount[0][0] = 1;
  const HoverUpdate drawn = Move(100, 50);
  HoverUpdate u = PlanMouseLeave();
  ExpectFigure(u.Erase, drawn.Draw);
  EXPECT_FALSE(u.StatusChanged);
  EXPECT_EQ(HoverState, HoverNothing);
  u = PlanMouseLeave();
  EXPECT_EQ(u.Erase.Kind, XorFigureKind::None);

  PendingPointCount = 1;
  ClickPixels[0] = ClickPixels[2] = 50, ClickPixels[1] = ClickPixels[3] = 50;
  Move(200, 100);
  u = PlanMouseLeave();
  EXPECT_EQ(u.Erase.Kind, XorFigureKind::None);
}

TEST_F(PlanHoverTest, RubberBandsByModeAndPendingPoints) {
  const struct {
    int32_t mode, triangles, pending;
    XorFigureKind kind;
    int32_t colour;
  } cases[] = {
      {EditModeWalls, 0, 1, XorFigureKind::Line, 3},
      {EditModeFoundation, 0, 1, XorFigureKind::Line, 7},
      {EditModeFreeLine, 0, 1, XorFigureKind::Line, 8},
      {EditModeGable, 0, 1, XorFigureKind::Line, 9},
      {EditModeRoofFloor, 1, 1, XorFigureKind::Line, 4},
      {EditModeFloorSpec, 1, 2, XorFigureKind::Polygon, 5},
      {EditModeRoofFloor, 0, 1, XorFigureKind::Rectangle, 4},
      {EditModeText, 0, 1, XorFigureKind::Outline, 6},
      {EditModeColumns, 0, 1, XorFigureKind::None, 0},
  };
  for (const auto& k : cases) {
    ForgetXorFigures();
    CurrentEditMode = k.mode, TriangleInput = k.triangles, PendingPointCount = k.pending;
    ClickPixels[0] = 50, ClickPixels[1] = 50, ClickPixels[2] = 100, ClickPixels[3] = 50;
    ClickPixels[4] = ClickPixels[2], ClickPixels[5] = ClickPixels[3];
    HoverUpdate u = Move(204, 148);  // snaps to (200, 150)
    EXPECT_EQ(u.Erase.Kind, XorFigureKind::None) << "mode " << k.mode;
    EXPECT_EQ(u.Draw.Kind, k.kind) << "mode " << k.mode;
    if (k.kind == XorFigureKind::None) continue;
    EXPECT_EQ(u.Draw.Colour, XorColours[k.colour]) << "mode " << k.mode;
    EXPECT_EQ(u.Draw.Width, 1);
    const int moving = k.pending == 2 ? 2 : 1;
    EXPECT_EQ(u.Draw.Points[moving].X, 200);
    EXPECT_EQ(u.Draw.Points[moving].Y, 150);
    EXPECT_EQ(ClickPixels[2 * moving], 200);
    // The next move erases exactly what was drawn.
    const XorFigure drawn = u.Draw;
    u = Move(300, 300);
    ExpectFigure(u.Erase, drawn);
    EXPECT_EQ(u.Draw.Points[moving].X, 300);
  }
}

TEST(XorFigureDrawing, DrawsInXorWithPenAndBrushOfTheFigure) {
  RecordingCanvas canvas;
  canvas.SetPenWidth(2);
  canvas.SetPenStyle(PenStyle::Dot);
  canvas.SetBrushStyle(BrushStyle::Clear);
  XorFigure f = Figure(XorFigureKind::Outline, {{10, 20}, {40, 60}}, XorColours[6], 1);
  DrawXorFigure(canvas, f);
  ASSERT_EQ(canvas.Calls().size(), 4u);
  for (const auto& call : canvas.Calls()) {
    EXPECT_EQ(call.Kind, RecordingCanvas::Op::Line);
    EXPECT_EQ(call.Pen.Mode, PenMode::Xor);
    EXPECT_EQ(call.Pen.Colour, XorColours[6]);
    EXPECT_EQ(call.Pen.Width, 1);
    EXPECT_EQ(call.Pen.Style, PenStyle::Solid);
  }
  // The canvas is left as it was for the next full paint.
  EXPECT_EQ(canvas.Pen().Mode, PenMode::Copy);
  EXPECT_EQ(canvas.Pen().Width, 2);
  EXPECT_EQ(canvas.Pen().Style, PenStyle::Dot);
  EXPECT_EQ(canvas.Brush().Style, BrushStyle::Clear);
  const SheetRect r = XorFigureBounds(Figure(XorFigureKind::Line, {{50, 80}, {10, 20}}, 0, 15));
  EXPECT_LE(r.Left, 10 - 8);
  EXPECT_LE(r.Top, 20 - 8);
  EXPECT_GE(r.Right, 50 + 8);
  EXPECT_GE(r.Bottom, 80 + 8);
}

}  // namespace
