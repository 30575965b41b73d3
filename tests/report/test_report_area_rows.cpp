// The roof/floor area rows shared by the floor-area, wall-quantity and
// centre-of-gravity tables: the row text with its widened name field and
// sorted corners, the codes left out (numbered by record, no line, the row
// break still tested), the row break, the added-load area, the area-code
// legend and the zone-area block.
#include <gtest/gtest.h>

#include <string>

#include "ReportTestHelpers.h"
#include "analysis/FloorAreas.h"
#include "analysis/GridAxisLabels.h"
#include "model/ElementLists.h"
#include "platform/Format.h"
#include "report/ReportAreaRows.h"

namespace {

constexpr double Preview = 10.2;

// Axis names "X 0".."X199" and "Y 0".."Y199" by grid index.
void NameAxesByIndex() {
  for (int i = 0; i < GridAxisCountX; ++i) {
    const std::u16string name = FormatW(u"X%2i", i);
    std::copy(name.begin(), name.end() + 1, GridAxisNameX[i]);
  }
  for (int j = 0; j < GridAxisCountY; ++j) {
    const std::u16string name = FormatW(u"Y%2i", j);
    std::copy(name.begin(), name.end() + 1, GridAxisNameY[j]);
  }
}

RoofFloorRectRecord Rect(int x1, int y1, int x2, int y2, int32_t code, double addedLoad = 0) {
  RoofFloorRectRecord r{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.AreaCode = code, r.AddedLoad = addedLoad;
  return r;
}

// One page family of table rows from 147 mm; continuation pages start at 20
// mm. Previewed far beyond its last page, so that it is drawn whole without
// the printed page header.
struct RowsHarness {
  RecordingPageSink sink;
  PageFrame frame;
  ReportLines lines;
  explicit RowsHarness(int32_t wanted = 99)
      : frame(sink, Preview, wanted), lines(frame, [](ReportLines& l) { l.SetMm(20); }) {
    frame.BeginPage();
    lines.SetMm(147);  // 1499 units
  }
  void Finish() { frame.HandOver(false); }
};

class AreaRowsTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    NameAxesByIndex();
  }
  // The floor-area source: the figure's area 10, the counted area 8, the
  // record's added load and its area at a light building's 3.1 kN/m².
  AreaRowSource FloorSource(AreaCodeSet skipped = 0) const {
    AreaRowSource source;
    source.Factors = CalcAreaFactorTable;
    source.SkippedRectangleCodes = skipped;
    source.SkippedTriangleCodes = skipped;
    source.RectangleValues = [](int32_t i) {
      const double load = RoofFloorRects[0][0][i].AddedLoad;
      return AreaRowValues{{10, 8, load, AddedLoadArea(10, load, 0)}};
    };
    source.TriangleValues = [](int32_t) { return AreaRowValues{{4.5, 4.5, 0, 0}}; };
    return source;
  }
};

TEST_F(AreaRowsTest, FloorAreaRowWidensTheNameFieldAndSortsTheCorners) {
  const std::u16string expected =
      u" 1     軽い床\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u30001.00     X 2       Y 5      "
      u" X 4 "
      u"      Y 3        10.000     8.000      600     1.935";
  // 10 m² x 600 N/m² / 1000 / 3.1 = 1.93548 -> 1.935.
  const AreaRowValues values{{10, 8, 600, AddedLoadArea(10, 600, 0)}};
  // The same rectangle entered from either diagonal, and from its upper right corner.
  for (const RoofFloorRectRecord& r : {Rect(2, 5, 4, 3, 0), Rect(4, 3, 2, 5, 0), Rect(2, 3, 4, 5, 0)}) {
    const std::u16string row = AreaRectangleRowText(FloorAreaRowLayout, 1, r, 1.0, values);
    EXPECT_EQ(Utf8(row), Utf8(expected));
    for (std::size_t k = 7; k < 20; ++k) EXPECT_NE(row[k], u' ') << k;
  }
}

TEST_F(AreaRowsTest, TriangleRowKeepsTheCornersInRecordOrder) {
  RoofFloorTriangleRecord t{};
  t.X1 = 4, t.Y1 = 3, t.X2 = 2, t.Y2 = 5, t.X3 = 4, t.Y3 = 5, t.AreaCode = 9;  // 個別荷重の屋根: 7 characters
  const std::u16string row =
      AreaTriangleRowText(FloorAreaRowLayout, 12, t, 1.0, AreaRowValues{{4.5, 4.5, 0, 0}});
  EXPECT_EQ(Utf8(row), Utf8(u"12     個別荷重の屋根\u3000\u3000\u3000\u3000\u3000\u30001.00   X 4    Y 3    "
                            u"X 2    Y 5    X 4    Y 5   "
                            u"   4.500     4.500        0     0.000"));
}

TEST_F(AreaRowsTest, CentreOfGravityRowHasItsNameAtFiveAndSixNumbers) {
  // 跳出バルコニー of weight class 重い (code 17): 9 characters, 4 blanks widened.
  const std::u16string row = AreaRectangleRowText(CentreOfGravityRowLayout, 3, Rect(0, 2, 1, 0, 17), 0.4,
                                                  AreaRowValues{{2, 0.8, 0.5, 0.4, 1, 0.8}});
  EXPECT_EQ(Utf8(row),
            Utf8(u" 3   重い跳出バルコニー\u3000\u3000\u3000\u30000.40    X 0      Y 2      X 1      Y 0    "
                 u"   2.000    0.800     0.500     0.400     1.000     0.800"));
}

TEST_F(AreaRowsTest, NamesOffTheGridAndCodesOffTheTableAreEmpty) {
  EXPECT_EQ(Utf8(AxisNameX(-1)), "");
  EXPECT_EQ(Utf8(AxisNameX(GridAxisCountX)), "");
  EXPECT_EQ(Utf8(AxisNameY(1000)), "");
  EXPECT_EQ(Utf8(AxisNameY(7)), "Y 7");
  const auto corners = RectangleCornerNames(Rect(-3, 250, 2, 1, 0));
  EXPECT_EQ(Utf8(corners[0]), "");
  EXPECT_EQ(Utf8(corners[1]), "");
  EXPECT_EQ(Utf8(corners[2]), "X 2");
  EXPECT_EQ(Utf8(corners[3]), "Y 1");
  // A code outside 0..19: no name, and the factor table gives 0.
  const std::u16string row = AreaRectangleRowText(FloorAreaRowLayout, 1, Rect(0, 1, 1, 0, 40),
                                                  AreaFactor(CalcAreaFactorTable, 40), {});
  EXPECT_EQ(row.substr(0, 24), std::u16string(u" 1     ") + std::u16string(13, u'\u3000') + u"0.00");
}

TEST_F(AreaRowsTest, LeftOutCodesTakeNoLineButKeepTheirNumbers) {
  // Rectangles 1, 2 and 3; number 2 is heavy eaves (code 11).
  RoofFloorRectCount[0][0] = 0;
  for (int32_t code : {0, 11, 14}) RoofFloorRects[0][0][RoofFloorRectCount[0][0]++] = Rect(0, 1, 1, 0, code);
  RowsHarness h;
  ASSERT_TRUE(
      DrawAreaRectangleRows(h.lines, FloorAreaRowLayout, FloorSource(AreaCodes({10, 11, 12, 13})), 0, 0));
  h.Finish();
  const auto texts = TextsOf(h.sink.Pages[0]);
  ASSERT_EQ(texts.size(), 2u);
  // trunc(1499 + 40.8) = 1539, then trunc(1539 + 40.8) = 1579; x = 20 mm = 203.
  EXPECT_EQ(texts[0]->Args, (std::vector<int32_t>{203, 1539}));
  EXPECT_EQ(Utf8(texts[0]->Text.substr(0, 2)), " 1");
  EXPECT_EQ(texts[1]->Args, (std::vector<int32_t>{203, 1579}));
  EXPECT_EQ(Utf8(texts[1]->Text.substr(0, 2)), " 3");
}

TEST_F(AreaRowsTest, TheRowPast270MillimetresEndsItsPage) {
  RoofFloorRectCount[0][0] = 0;
  for (int i = 0; i < 40; ++i) RoofFloorRects[0][0][RoofFloorRectCount[0][0]++] = Rect(0, 1, 1, 0, 0);
  RowsHarness h;
  ASSERT_TRUE(DrawAreaRectangleRows(h.lines, FloorAreaRowLayout, FloorSource(), 0, 0));
  h.Finish();
  // Row n stands at 1499 + 40 n; 270 x 10.2 = 2754: row 31 at 2739 stays,
  // row 32 at 2779 is the last of the page, row 33 opens the next page at
  // trunc(203 + 40.8) = 243.
  ASSERT_EQ(h.sink.Pages.size(), 2u);
  const auto first = TextsOf(h.sink.Pages[0]), second = TextsOf(h.sink.Pages[1]);
  ASSERT_EQ(first.size(), 32u);
  EXPECT_EQ(first.back()->Args[1], 2779);
  EXPECT_EQ(Utf8(first.back()->Text.substr(0, 2)), "32");
  ASSERT_EQ(second.size(), 8u);
  EXPECT_EQ(second[0]->Args[1], 243);
  EXPECT_EQ(Utf8(second[0]->Text.substr(0, 2)), "33");
}

TEST_F(AreaRowsTest, ALeftOutRecordStillEndsAPageItsPredecessorFilled) {
  RoofFloorRectCount[0][0] = 0;
  for (int32_t code : {12, 0}) RoofFloorRects[0][0][RoofFloorRectCount[0][0]++] = Rect(0, 1, 1, 0, code);
  RowsHarness h;
  h.lines.SetY(2760);  // already past 2754
  ASSERT_TRUE(
      DrawAreaRectangleRows(h.lines, FloorAreaRowLayout, FloorSource(AreaCodes({10, 11, 12, 13})), 0, 0));
  h.Finish();
  ASSERT_EQ(h.sink.Pages.size(), 2u);
  EXPECT_TRUE(TextsOf(h.sink.Pages[0]).empty());
  const auto second = TextsOf(h.sink.Pages[1]);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0]->Args[1], 243);
  EXPECT_EQ(Utf8(second[0]->Text.substr(0, 2)), " 2");
}

TEST_F(AreaRowsTest, ThePreviewStopsAtTheWantedPage) {
  RoofFloorRectCount[0][0] = 0;
  for (int i = 0; i < 40; ++i) RoofFloorRects[0][0][RoofFloorRectCount[0][0]++] = Rect(0, 1, 1, 0, 0);
  RowsHarness h(1);
  EXPECT_FALSE(DrawAreaRectangleRows(h.lines, FloorAreaRowLayout, FloorSource(), 0, 0));
  EXPECT_EQ(h.frame.Result(), 1);
  ASSERT_EQ(h.sink.Pages.size(), 1u);
  EXPECT_EQ(TextsOf(h.sink.Pages[0]).size(), 32u);
}

TEST_F(AreaRowsTest, TriangleRowsUseTheirOwnCodes) {
  RoofFloorTriangleRecord t{};
  t.X1 = 0, t.Y1 = 1, t.X2 = 1, t.Y2 = 1, t.X3 = 1, t.Y3 = 0, t.AreaCode = 5;  // 小屋裏収納, factor 0.67
  RoofFloorTriangles[0][1][0] = t;
  RoofFloorTriangleCount[0][1] = 1;
  RowsHarness h;
  ASSERT_TRUE(DrawAreaTriangleRows(h.lines, FloorAreaRowLayout, FloorSource(), 0, 1));
  h.Finish();
  const auto texts = TextsOf(h.sink.Pages[0]);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(Utf8(texts[0]->Text.substr(7, 17)),
            Utf8(u"小屋裏収納\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u30000.67"));
}

TEST(AreaAddedLoad, EquivalentFloorAreaByWeightClass) {
  struct Case {
    double area, load;
    int32_t weightClass;
    const char* text;
  };
  const Case cases[] = {
      {10, 600, 0, "1.935"},  // 10 x 600 / 1000 / 3.1 = 1.93548
      {10, 600, 1, "1.538"},  // / 3.9 = 1.53846
      {10, 600, 2, "1.143"},  // / 5.25 = 1.14286
      {10, 600, 7, "1.143"},  // a class beyond the table reads the very heavy divisor
      {10, 0, 0, "0.000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatA("%.3f", AddedLoadArea(c.area, c.load, c.weightClass)), c.text);
}

TEST(AreaCodeLegend, TextsAndPlaces) {
  EXPECT_EQ(Utf8(AreaCodeLegendText(0)), "(0):軽い床");
  EXPECT_EQ(Utf8(AreaCodeLegendText(1)), "(1):吹抜部");
  EXPECT_EQ(Utf8(AreaCodeLegendText(9)), "(9):個別荷重の屋根");
  EXPECT_EQ(Utf8(AreaCodeLegendText(18)), "(18):非常に重い跳出バルコニー");
  EXPECT_EQ(Utf8(AreaCodeLegendText(18, BalconySpelling::HalfWidth)), "(18):非常に重い跳出ﾊﾞﾙｺﾆｰ");
  EXPECT_EQ(Utf8(AreaCodeLegendText(2, BalconySpelling::HalfWidth)), "(2):軽い跳出ﾊﾞﾙｺﾆｰ");
  EXPECT_EQ(Utf8(AreaCodeLegendText(4, BalconySpelling::HalfWidth)), "(4):重い屋根");

  RecordingCanvas canvas;
  DrawAreaCodeLegend(canvas, Preview);
  ASSERT_EQ(canvas.Calls().size(), 20u);
  // 10.2 is stored a little below itself, so whole multiples truncate one
  // unit lower: 150 mm = 1529, 40 mm = 407, 45 mm = 458, 135 mm = 1376.
  EXPECT_EQ(canvas.Calls()[0].Args, (std::vector<int32_t>{1529, 407}));
  EXPECT_EQ(canvas.Calls()[1].Args, (std::vector<int32_t>{1529, 458}));
  EXPECT_EQ(canvas.Calls()[19].Args, (std::vector<int32_t>{1529, 1376}));
  EXPECT_EQ(Utf8(canvas.Calls()[19].Text), "(19):個別荷重の跳出バルコニー");
}

TEST_F(AreaRowsTest, ZoneAreaBlockOfAStorey) {
  RequiredStrengthAreaA[0][1] = 12.5;
  RequiredStrengthAreaB[0][1] = 10.25;
  RequiredStrengthArea1[0][1] = 9;
  RequiredStrengthArea2[0][1] = 0;
  RowsHarness h;
  ASSERT_TRUE(DrawZoneAreaBlock(h.lines, 0, 1));
  h.Finish();
  const auto texts = TextsOf(h.sink.Pages[0]);
  ASSERT_EQ(texts.size(), 4u);
  // 1499, gap to 1539, then 1579, 1619, 1659, 1699.
  const struct {
    int32_t y;
    const char16_t* text;
  } lines[] = {{1579, u"領域毎の床面積"},
               {1619, u"2 階"},
               {1659, u"方向Ｘ　　領域ａ　　領域ｂ　　方向Ｙ　領域イ　　領域ロ"},
               {1699, u"　　　　  12.500    10.250  　　　　   9.000     0.000"}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(texts[k]->Args, (std::vector<int32_t>{203, lines[k].y}));
    EXPECT_EQ(Utf8(texts[k]->Text), Utf8(lines[k].text));
  }
}

}  // namespace
