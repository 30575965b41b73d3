// The N-value frame diagrams: the frame geometry by table, the blocks a page
// by number of storeys, and one small frame drawn at 10 units/mm (exact in
// binary, so every position below is worked by hand): X axes at 0, 0.3, 0.45
// and 1.0 m and a porch post at 1.2 m, Y axes at 0 and 1.0 m, one wall on Y
// line 1 from X axis 0 to 3. Span 1 m gives 1:50 (200 units/m), origin
// 0.5 m before axis 0, so with the block's left edge at 200 the axes stand at
// x 300, 360, 390, 500 (and 540). Block 0: top 200, one storey H 130, base 330,
// storey band 300..430.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "ReportTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/RetrofitMarks.h"
#include "evaluation/HardwareClasses.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "report/ReportLines.h"
#include "report/ReportNValue.h"
#include "report/ReportPrinting.h"

namespace {

using Op = RecordingCanvas::Op;

class NValueFramesTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    ProjectSettings.TopStorey[0] = 0;
    ProjectSettings.JointHardwareMethod = 1;
    ProjectSettings.SnowLoad = 0;
    ProjectSettings.SnowCase = 0;
    const double xs[5] = {0, 0.3, 0.45, 1.0, 1.2};
    for (int a = 0; a < 5; ++a) {
      GridAxisX[a] = xs[a];
      GridAxisKindX[a] = 0;
      GridAxisNameX[a][0] = u'1' + a;
      GridAxisNameX[a][1] = 0;
    }
    GridAxisY[0] = 0, GridAxisY[1] = 1.0;
    GridAxisKindY[0] = GridAxisKindY[1] = 0;
    GridAxisNameY[0][0] = u'A', GridAxisNameY[1][0] = u'B';
    GridAxisNameY[0][1] = GridAxisNameY[1][1] = 0;
    WallExtentMinX = 0, WallExtentMaxX = 3, WallExtentMinY = 0, WallExtentMaxY = 1;
    UsedAxisCountY[0] = 1, UsedAxesY[0] = 1;
    UsedAxisCountX[0] = 0;

    WallCount[0][0] = 1;
    Walls[0][0][0] = WallRecord{};
    Walls[0][0][0].X1 = 0, Walls[0][0][0].X2 = 3, Walls[0][0][0].Y1 = Walls[0][0][0].Y2 = 1;
    Walls[0][0][0].BraceKind = 6, Walls[0][0][0].BraceEndJoint = 3, Walls[0][0][0].BraceArrangement = 1;
    WallResults[0][0][0] = WallResult{};
    WallResults[0][0][0].Blocks[0].StrengthX = 7.5;  // trunc(6.25) capped at 5

    ColumnCount[0][0] = 2;
    for (int c = 0; c < 2; ++c) {
      Columns[0][0][c] = ColumnRecord{};
      Columns[0][0][c].Y = 1;
      Columns[0][0][c].Hardware = 9;  // "へ", 10 kN: class 5
      ColumnResults[0][0][c] = ColumnResult{};
      ColumnSnowResults[0][0][c] = ColumnSnowResult{};
    }
    Columns[0][0][0].X = 3;
    Columns[0][0][1].X = 4;           // the porch post, beyond the walls
    ColumnResults[0][0][0].ToX = 12;  // class 6
    ColumnResults[0][0][1].ToY = 10;  // class 5
  }
  RecordedPage Draw(double ppm, int wanted) {
    RecordingPageSink s;
    DrawNValueFrameDiagrams(s, ppm, wanted);
    return s.Pages.front();
  }
};

TEST_F(NValueFramesTest, FrameScaleOriginAndAxisPositions) {
  struct Case {
    double maxX, ppm, scale;
  } cases[] = {
      {1.0, 10, 200},          // 750 per metre would pass 1:50: 20 x 10
      {15.0, 10, 50},          // 75 mm over 15 m
      {15.0, 23.328, 116.64},  // 75 x 23.328 / 15
  };
  Columns[0][0][1].X = 3;  // no widening here
  for (const Case& c : cases) {
    GridAxisX[3] = c.maxX;
    const FrameGeometry g = FrameGeometryOf(c.ppm);
    EXPECT_NEAR(g.FrameScale, c.scale, 1e-9) << c.maxX;
    // The first axis stands 10 mm right of the left edge.
    EXPECT_EQ(FrameAxisPosition(g, 0, 0, 200), 200 + static_cast<int32_t>(10 * c.ppm)) << c.maxX;
  }
  GridAxisX[3] = 1.0;
  const FrameGeometry g = FrameGeometryOf(10);
  EXPECT_EQ(FrameAxisPosition(g, 0, 3, 200), 500);
  // Along an X line the largest Y index stands on the left.
  EXPECT_EQ(FrameAxisPosition(g, 1, 1, 200), 300);
  EXPECT_EQ(FrameAxisPosition(g, 1, 0, 200), 500);
  EXPECT_EQ(FrameBlockHeight(0, 10), 130);
  EXPECT_EQ(FrameBlockHeight(2, 10), 390);

  // Without walls: 1:50 and an empty axis range.
  WallExtentMinX = WallExtentMinY = 199, WallExtentMaxX = WallExtentMaxY = 0;
  const FrameGeometry none = FrameGeometryOf(10);
  EXPECT_EQ(none.FrameScale, 200);
  EXPECT_GT(none.MinX, none.MaxX);
}

TEST_F(NValueFramesTest, BlocksAPageByStoreysAndTheTwoRuns) {
  UsedAxisCountY[0] = 30;
  for (int i = 0; i < 30; ++i) UsedAxesY[i] = i % 2;
  UsedAxisCountX[0] = 1, UsedAxesX[0] = 0;
  // 12, 10 and 8 blocks a page: 30 Y blocks take 3, 3 and 4 pages, then one X page.
  for (const auto& [top, pages] : {std::pair{0, 4}, {1, 4}, {2, 5}}) {
    ProjectSettings.TopStorey[0] = top;
    RecordingPageSink printer;
    PrintScale = 1;
    EXPECT_EQ(DrawNValueFrameDiagrams(printer, 10, 0), 0);
    EXPECT_EQ(printer.Pages.size(), static_cast<size_t>(pages)) << top;
    EXPECT_EQ(printer.NewPageCount, pages - 1);
  }
  // Two storeys: boxes from top + 5 mm, rows at 20, 71, 122, 173, 224 mm.
  ProjectSettings.TopStorey[0] = 1;
  const RecordedPage page = Draw(10, 1);
  std::vector<int32_t> boxes;
  for (const auto& call : page)
    if (call.Kind == Op::Rectangle && call.Pen.Colour == 0xC0C0C0 && call.Brush.Style == BrushStyle::Clear)
      boxes.push_back(call.Args[0] * 10000 + call.Args[1]);
  EXPECT_EQ(boxes, (std::vector<int32_t>{2000250, 11000250, 2000760, 11000760, 2001270, 11001270, 2001780,
                                         11001780, 2002290, 11002290}));
  EXPECT_EQ(Utf8(TextAt(page, 200, 100)->Text), "現況 柱変換Ｎ値軸組図（Ｙ通り）");
  RecordingPageSink preview;
  EXPECT_EQ(DrawNValueFrameDiagrams(preview, 10, 4), 0);
  EXPECT_EQ(Utf8(TextAt(preview.Pages.back(), 200, 100)->Text), "現況 柱変換Ｎ値軸組図（Ｘ通り）");
  RecordingPageSink third;
  EXPECT_EQ(DrawNValueFrameDiagrams(third, 10, 3), 1);
}

TEST_F(NValueFramesTest, ColumnsWallsBracesAndDistances) {
  const RecordedPage page = Draw(10, 1);
  // The porch post widens the range to axis 4 (x 540 after the origin moves:
  // span 1.2 m, still 1:50, origin 0.5 m before axis 0).
  const RecordingCanvas::Call* wall = nullptr;
  std::vector<const RecordingCanvas::Call*> braces, columns;
  for (const auto& call : page) {
    if (call.Kind == Op::Rectangle && call.Brush.Colour == WallClassColours[5]) wall = &call;
    if (call.Kind == Op::Line && call.Pen.Width == 4 && call.Pen.Colour == BraceColours[6])
      braces.push_back(&call);
    if (call.Kind == Op::Line && call.Pen.Width == 5 && call.Args[0] == call.Args[2] && call.Args[1] == 300)
      columns.push_back(&call);
  }
  ASSERT_TRUE(wall);
  EXPECT_EQ(wall->Args, (std::vector<int32_t>{300, 300, 500, 430}));
  ASSERT_EQ(braces.size(), 2u);  // crossed: both diagonals
  EXPECT_EQ(braces[0]->Args[0], 300);
  EXPECT_EQ(braces[1]->Args[0], 500);
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0]->Args[0], 500);
  EXPECT_EQ(columns[0]->Pen.Colour, ClassColourScale[6]);  // T 12 kN
  EXPECT_EQ(columns[1]->Args[0], 540);                     // the porch post is drawn
  EXPECT_EQ(columns[1]->Pen.Colour, ClassColourScale[5]);  // T 10 kN
  // Symbols: base + 3 mm above, base + 6 mm below.
  ASSERT_TRUE(TextAt(page, 500, 360) && TextAt(page, 500, 390));
  EXPECT_EQ(Utf8(TextAt(page, 500, 360)->Text), Utf8(HardwareClassSymbols[6]));
  EXPECT_EQ(Utf8(TextAt(page, 500, 390)->Text), Utf8(HardwareClassSymbols[5]));
  EXPECT_EQ(TextAt(page, 500, 390)->FontColour, 0x0000FF);  // red: the fitted class is lower
  EXPECT_EQ(TextAt(page, 500, 360)->FontColour, 0);
  EXPECT_EQ(Utf8(TextAt(page, 540, 360)->Text), Utf8(HardwareClassSymbols[5]));
  EXPECT_EQ(TextAt(page, 540, 390)->FontColour, 0);  // (へ) over (へ), black
  // Distances at 1:50: 0.3 m is 6 mm, level at base + 12.4 mm; 0.15 m is 3 mm, turned.
  const auto* level = FindText(page, u"0.300");
  ASSERT_TRUE(level);
  EXPECT_EQ(level->Args[1], 454);
  EXPECT_EQ(level->Font.Escapement, 0);
  const auto* turned = FindText(page, u"0.150");
  ASSERT_TRUE(turned);
  EXPECT_EQ(turned->Font.Escapement, 900);
  EXPECT_EQ(turned->Args[0], 367);  // midpoint 375 less 0.75 mm
  EXPECT_EQ(turned->Args[1], 465);
  EXPECT_EQ(Utf8(FindText(page, u"B 通り")->Text), "B 通り");
}

TEST_F(NValueFramesTest, SnowResultsOnlyWithTheSnowCase) {
  ColumnSnowResults[0][0][0].ToX = 10;  // class 5: no longer red
  ProjectSettings.SnowLoad = 0.26;
  const RecordedPage plain = Draw(10, 1);
  ASSERT_TRUE(TextAt(plain, 500, 390));
  EXPECT_EQ(TextAt(plain, 500, 390)->FontColour, 0x0000FF);  // SnowCase 0: plain results
  ProjectSettings.SnowCase = 1;
  const RecordedPage snow = Draw(10, 1);
  ASSERT_TRUE(TextAt(snow, 500, 390));
  EXPECT_EQ(TextAt(snow, 500, 390)->FontColour, 0);
}

TEST_F(NValueFramesTest, ScaleNoteOnlyWhenPrinted) {
  Columns[0][0][1].X = 3;
  GridAxisX[3] = 15;  // span 15 m at 23.328 units/mm: 116.64 units/m, 1:200 on the picture
  PrintScale = 0.98755;
  RecordingPageSink printer;
  DrawNValueFrameDiagrams(printer, 23.328, 0);
  const auto* note = FindText(printer.Pages.front(), u"SCALE = 1/  203");  // 200 / 0.98755
  ASSERT_TRUE(note);
  // At (160, 15) mm: 3732.48 and 349.92 truncated. The legend's first line,
  // 25 full-width characters at 1.2 mm a cell from (120, 10) mm, ends at
  // 180 mm and 13 mm; its second, 14 characters from (120, 15) mm, at
  // 153.6 mm. The note (15 cells of 1.5 mm, 3 mm high) meets neither.
  EXPECT_EQ(note->Args, (std::vector<int32_t>{3732, 349}));
  const auto box = [](const RecordingCanvas::Call* t) {
    return std::array<int32_t, 4>{t->Args[0], t->Args[1], t->Args[0] + CellsOf(t->Text) * t->Font.Width,
                                  t->Args[1] + t->Font.Height};
  };
  for (const char16_t* legend :
       {u"（上段）：柱接合部の必要耐力　告示表３の記号で表示", u"（下段）：柱接合部の許容耐力"}) {
    const auto* line = FindText(printer.Pages.front(), legend);
    ASSERT_TRUE(line);
    const auto a = box(note), b = box(line);
    EXPECT_TRUE(a[2] <= b[0] || b[2] <= a[0] || a[3] <= b[1] || b[3] <= a[1]) << Utf8(legend);
  }
  const RecordedPage preview = Draw(23.328, 1);
  EXPECT_FALSE(FindText(preview, u"SCALE = 1/  203"));
}

TEST_F(NValueFramesTest, WallFillsBraceKindsAndGuardedEntries) {
  struct Case {
    double strength;
    int32_t braceKind, joint, fill;
    size_t braceLines;
  } cases[] = {
      {0, 2, 0, 0xE6E6E6, 1},                         // zero strength; one-way brace
      {1.19, 4, 0, WallClassColours[0], 1},           // trunc(0.99) = 0
      {2.4, 9, 0, WallClassColours[2], 0},            // a knee brace draws no line
      {-3, 6, 3, WallClassColours[0], 1},             // negative: class 0
      {std::nan(""), 12, 7, WallClassColours[0], 0},  // not a number; kind off the table
  };
  Walls[0][0][0].BraceArrangement = 0;
  Columns[0][0][0].Hardware = 99;  // off the hardware table: capacity class 0, red
  for (const Case& c : cases) {
    WallResults[0][0][0].Blocks[0].StrengthX = WallResults[0][0][0].Blocks[0].StrengthY = c.strength;
    Walls[0][0][0].BraceKind = c.braceKind;
    Walls[0][0][0].BraceEndJoint = c.joint;
    const RecordedPage page = Draw(10, 1);
    const RecordingCanvas::Call* wall = nullptr;
    size_t braces = 0;
    for (const auto& call : page) {
      if (call.Kind == Op::Rectangle && call.Args == std::vector<int32_t>{300, 300, 500, 430}) wall = &call;
      if (call.Kind == Op::Line && call.Pen.Width == 4) ++braces;
    }
    ASSERT_TRUE(wall) << c.strength;
    EXPECT_EQ(wall->Brush.Colour, c.fill) << c.strength;
    EXPECT_EQ(braces, c.braceLines) << c.braceKind;
    if (c.braceLines == 1) {
      const auto it = std::find_if(page.begin(), page.end(), [](const auto& call) {
        return call.Kind == Op::Line && call.Pen.Width == 4;
      });
      EXPECT_EQ(it->Args[0], 500);  // one way: from the end's top to the start's foot
      EXPECT_EQ(it->Args[2], 300);
    }
    ASSERT_TRUE(TextAt(page, 500, 390));
    EXPECT_EQ(Utf8(TextAt(page, 500, 390)->Text), Utf8(HardwareClassSymbols[0]));
    EXPECT_EQ(TextAt(page, 500, 390)->FontColour, 0x0000FF);
  }
}

TEST_F(NValueFramesTest, WithoutWallsABlockIsItsBoxAndCaption) {
  WallExtentMinX = WallExtentMinY = 199, WallExtentMaxX = WallExtentMaxY = 0;
  WallCount[0][0] = 0;
  const RecordedPage page = Draw(10, 1);
  int boxes = 0, lines = 0, ellipses = 0;
  for (const auto& call : page) {
    boxes += call.Kind == Op::Rectangle && call.Pen.Colour == 0xC0C0C0;
    lines += call.Kind == Op::Line;
    ellipses += call.Kind == Op::Ellipse;
  }
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(lines, 0);
  EXPECT_EQ(ellipses, 0);
  EXPECT_TRUE(FindText(page, u"B 通り"));
}

TEST_F(NValueFramesTest, AllowableStressMethodShowsClassZeroNeverRed) {
  ProjectSettings.JointHardwareMethod = 2;
  Columns[0][0][0].Hardware = 0;  // tension 0: class 0 as well
  const RecordedPage page = Draw(10, 1);
  ASSERT_TRUE(TextAt(page, 200, 100));
  EXPECT_EQ(Utf8(TextAt(page, 200, 100)->Text), "現況 柱Ｎ値軸組図（Ｙ通り）");
  for (int32_t x : {500, 540}) {
    ASSERT_TRUE(TextAt(page, x, 360) && TextAt(page, x, 390)) << x;
    EXPECT_EQ(Utf8(TextAt(page, x, 360)->Text), Utf8(HardwareClassSymbols[0]));
    EXPECT_EQ(TextAt(page, x, 390)->FontColour, 0) << x;
  }
  int columnLines = 0;
  for (const auto& call : page)
    if (call.Kind == Op::Line && call.Pen.Width == 5 && call.Args[0] == call.Args[2] && call.Args[1] == 300) {
      EXPECT_EQ(call.Pen.Colour, ClassColourScale[1]);
      ++columnLines;
    }
  EXPECT_EQ(columnLines, 2);
}

}  // namespace
