// The floor pages: the floor-type tables with the average magnification of
// each storey (kind 9) and the floor diaphragm check (kind 10). Guards: rows
// line up by cells (ideographic blanks behind short full-width names), the
// corners of a rectangle do not depend on the diagonal it was entered by, the
// shear printed beside a ratio is that of the loading case the ratio comes
// from, ratios stay inside their field, a row past 270 mm ends its page, the
// Y table of the check does not start below 250 mm, no text line ends below
// 289 mm, and the preview stops at the wanted page.
//
// Positions at the preview's 10.2 units/mm: 20 mm is 203 units, 80 mm 815,
// 142 mm 1448 (the products are taken in extended precision and cut); every
// step adds trunc(step x 10.2) to a whole cursor, so 4 mm adds 40, 3.6 mm 36,
// 3.2 mm 32, 2 mm 20 and 1.8 mm 18.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "FloorTypeHouse.h"
#include "ReportTestHelpers.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "editing/SlotCopy.h"
#include "evaluation/FloorCheck.h"
#include "model/ElementTables.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"

namespace {

constexpr double PrintPixelsPerMm = 23.328;
constexpr char16_t Wide = u'\u3000';
// 289 mm at 10.2 units/mm, cut.
constexpr int32_t SheetBottom = 2947;

class FloorPagesTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    RestoreElementTableStartValues();
  }

  std::vector<RecordedPage> Printed(int32_t kind) {
    RecordingPageSink printer;
    EXPECT_EQ(DrawReportPageKind(kind, printer, PreviewPixelsPerMm, 0), 0);
    EXPECT_EQ(printer.NewPageCount, static_cast<int32_t>(printer.Pages.size()) - 1);
    return printer.Pages;
  }

  // The text that starts with prefix, or null.
  static const RecordingCanvas::Call* StartingWith(const RecordedPage& page, std::u16string_view prefix) {
    for (const auto* text : TextsOf(page))
      if (text->Text.substr(0, prefix.size()) == prefix) return text;
    return nullptr;
  }

  static std::u16string Repeat(char16_t c, int n) { return std::u16string(n, c); }
};

// ------------------------------------------------------------------ kind 9

TEST_F(FloorPagesTest, MagnificationPageOfTheFirstStorey) {
  BuildFloorTypeHouse();
  const std::vector<RecordedPage> pages = Printed(PageFloorMagnification);
  ASSERT_EQ(pages.size(), 2u);
  const RecordedPage& page = pages[0];

  const auto* title = FindText(page, u"現況 平均床倍率（ 1階）");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->Args[0], 203);
  EXPECT_EQ(title->Args[1], 101);     // 10 mm
  EXPECT_EQ(title->Font.Height, 50);  // 5 mm, cut
  EXPECT_EQ(title->Font.Weight, 800);

  // Axis names: X axes from the eaves' axis 9 ("X 0"), so axis 10 is "X 1",
  // 18 "X 9" and 22 "X13"; Y axes counted from the bottom axis 18 ("Y 0"), so
  // 14 is "Y 4" and 10 "Y 8".
  // Rectangle 1, 8 x 8 modules: 7.28 x 7.28 = 52.9984 m², x (2.00 + 0.80) =
  // 148.39552; entered from (18, 10) to (10, 18), its lower-left corner is
  // (X 1, Y 0) and its upper-right one (X 9, Y 8).
  // Rectangle 2, 4 x 4 modules: 3.64 x 3.64 = 13.2496 m², x 0.
  // Triangle, half of 4 x 4 modules: 6.6248 m², x 1.00.
  const struct {
    int32_t y;
    std::u16string text;
  } rows[] = {
      {1488,
       u"矩形                                                                単位      左下     左下     "
       u"右上     "
       u"右上      矩形      面積*"},
      {1528,
       u"No.  床仕様                                                         床倍率    (X)      (Y)      (X) "
       u"   "
       u"  (Y)       面積      係数 "},
      {1568,
       u" 1   床合板12mm根太落込@340  +火打負担面積2.5㎡梁成240   2.00+0.80 = 2.80    X 1      Y 0      X 9  "
       u"    Y 8      52.998   148.396"},
      {1608, u" 2   吹抜" + Repeat(Wide, 6) + Repeat(u' ', 9) + u"+火打なし" + Repeat(Wide, 5) +
                 Repeat(u' ', 8) +
                 u" 0.00+0.00 = 0.00    X 9      Y 4      X13      Y 8      13.250     0.000"},
      {1648,
       u"三角                                                                単位    No.1  No.1  No.2  No.2  "
       u"No.3  No.3     矩形      面積*"},
      {1688,
       u"No.  床仕様                                                         床倍率  (X)   (Y)   (X)   (Y)   "
       u"(X)   (Y)      面積      係数 "},
      {1728, u" 1   床合板12mm根太転ばし@340 +火打なし" + Repeat(Wide, 5) + Repeat(u' ', 8) +
                 u" 1.00+0.00 = 1.00  X 9   Y 4   X13   Y 4   X13   Y 0      6.625     6.625"},
      // One empty line after the triangles, then the closing lines.
      {1808, Repeat(u'─', 67)},
      // 52.9984 + 13.2496 + 6.6248 = 72.8728; 148.39552 + 0 + 6.6248 = 155.02032.
      {1848, u"\u3000計" + Repeat(u' ', 108) + u"  72.873   155.020"},
      // 155.02032 / 72.8728 = 2.12727...
      {1888, u"           1階平均床倍率=   2.127"},
  };
  for (const auto& row : rows) {
    const auto* text = TextAt(page, 203, row.y);
    ASSERT_TRUE(text) << row.y;
    EXPECT_EQ(Utf8(text->Text), Utf8(row.text)) << row.y;
    EXPECT_EQ(text->Font.Height, 25) << row.y;  // 2.5 mm
    EXPECT_EQ(text->Font.Width, 12) << row.y;   // 1.25 mm
    EXPECT_EQ(text->Font.Weight, 400) << row.y;
  }
  // The short names' blanks: ideographic at 7-12 and 27-31, ordinary after.
  const std::u16string& atrium = TextAt(page, 203, 1608)->Text;
  for (int i = 7; i <= 12; ++i) EXPECT_EQ(atrium[i], Wide) << i;
  for (int i = 27; i <= 31; ++i) EXPECT_EQ(atrium[i], Wide) << i;
  EXPECT_EQ(atrium[13], u' ');
  EXPECT_EQ(atrium[32], u' ');
  EXPECT_EQ(TextsOf(page).back(), TextAt(page, 203, 1888));

  // Storey 2: one area of 52.9984 m² x 0.70 = 37.09888.
  EXPECT_TRUE(FindText(pages[1], u"現況 平均床倍率（ 2階）"));
  const auto* average = TextAt(pages[1], 203, 1688);
  ASSERT_TRUE(average);
  EXPECT_EQ(Utf8(average->Text), "           2階平均床倍率=   0.700");
  EXPECT_EQ(Utf8(TextAt(pages[1], 203, 1648)->Text),
            Utf8(u"\u3000計" + Repeat(u' ', 108) + u"  52.998    37.099"));
}

TEST_F(FloorPagesTest, ARectangleShowsTheSameCornersWhicheverDiagonalItWasEnteredBy) {
  BuildFloorTypeHouse();
  FloorSpecRectRecord& first = FloorSpecRects[CurrentState][0][0];
  const std::u16string expected = u"    X 1      Y 0      X 9      Y 8  ";
  for (auto [x1, y1, x2, y2] : {std::array{18, 10, 10, 18}, std::array{10, 18, 18, 10},
                                std::array{10, 10, 18, 18}, std::array{18, 18, 10, 10}}) {
    first.X1 = x1, first.Y1 = y1, first.X2 = x2, first.Y2 = y2;
    const RecordedPage page = Printed(PageFloorMagnification)[0];
    const auto* row = TextAt(page, 203, 1568);
    ASSERT_TRUE(row);
    EXPECT_NE(row->Text.find(expected), std::u16string::npos) << Utf8(row->Text);
  }
}

TEST_F(FloorPagesTest, AStoreyWithoutFloorTypesPrintsItsClosingLinesUnderThePlan) {
  BuildFloorTypeHouse();
  FloorSpecRectCount[CurrentState][1] = 0;
  RecalculateAsPainted();
  const RecordedPage page = Printed(PageFloorMagnification)[1];
  // 142 + 4 mm: 1448 + 40.
  ASSERT_TRUE(TextAt(page, 203, 1488));
  EXPECT_EQ(TextAt(page, 203, 1488)->Text, Repeat(u'─', 67));
  EXPECT_EQ(Utf8(TextAt(page, 203, 1528)->Text),
            Utf8(u"\u3000計" + Repeat(u' ', 108) + u"   0.000     0.000"));
  EXPECT_EQ(Utf8(TextAt(page, 203, 1568)->Text), "           2階平均床倍率=   0.000");
}

TEST_F(FloorPagesTest, FloorTypeCodesAndCornersOffTheTablesPrintEmptyNames) {
  BuildFloorTypeHouse();
  // Board row 31 lies past the 22 rows, bracing row 1 is "火打負担面積2.5㎡梁成240" 0.80;
  // a code below 0 names no row; corners off the grid have no name.
  FloorSpecRectRecord& rect = FloorSpecRects[CurrentState][0][0];
  rect.SpecCode = 31 + 32 * 1;
  rect.X1 = 250;
  FloorSpecTriangles[CurrentState][0][0].SpecCode = -5;
  FloorSpecTriangles[CurrentState][0][0].Y3 = -1;
  const RecordedPage page = Printed(PageFloorMagnification)[0];
  const std::u16string rectRow = TextAt(page, 203, 1568)->Text;
  EXPECT_EQ(rectRow.substr(0, 23), u" 1   " + Repeat(u' ', 2) + Repeat(Wide, 6) + Repeat(u' ', 9) + u"+");
  EXPECT_NE(rectRow.find(u" 0.00+0.80 = 0.80    X 1      Y 0" + Repeat(u' ', 15) + u"Y 8  "),
            std::u16string::npos)
      << Utf8(rectRow);
  const std::u16string triangleRow = TextAt(page, 203, 1728)->Text;
  EXPECT_NE(triangleRow.find(u" 0.00+0.00 = 0.00  X 9   Y 4   X13   Y 4   X13         "),
            std::u16string::npos)
      << Utf8(triangleRow);
}

// A first storey of n rectangles and no triangles.
void SetRectangleCount(int32_t n) {
  FloorSpecTriangleCount[CurrentState][0] = 0;
  FloorSpecRectCount[CurrentState][0] = 0;
  for (int32_t k = 0; k < n; ++k)
    testmodel::AddSpecRect(CurrentState, 0, 10 + k % 12, 10, 11 + k % 12, 11, 1);
  RecalculateAsPainted();
}

TEST_F(FloorPagesTest, MagnificationRowsEndThePageAfterTheFirstRowPast270Millimetres) {
  BuildFloorTypeHouse();
  // Row k (from 0) stands at 1568 + 40k; 270 mm is 2754 units. Row 30 at
  // 2728 stays, row 31 at 2768 is the first past it and ends the page.
  const struct {
    int32_t rows;
    int32_t storeyOnePages;
    int32_t ruleY;  // on the storey's last page
  } cases[] = {
      {30, 1, 2768},  // the closing lines follow at 2768, 2808, 2848
      {31, 2, 243},   // 20 + 4 mm on the continuation page
      {32, 2, 283},   // row 32 at 243, then the rule
  };
  for (const auto& c : cases) {
    SetRectangleCount(c.rows);
    const std::vector<RecordedPage> pages = Printed(PageFloorMagnification);
    ASSERT_EQ(pages.size(), static_cast<size_t>(c.storeyOnePages + 1)) << c.rows;
    const RecordedPage& last = pages[c.storeyOnePages - 1];
    const auto* rule = TextAt(last, 203, c.ruleY);
    ASSERT_TRUE(rule) << c.rows;
    EXPECT_EQ(rule->Text, Repeat(u'─', 67)) << c.rows;
    EXPECT_TRUE(TextAt(pages[0], 203, 2768)) << c.rows;
    if (c.storeyOnePages == 1) continue;
    // The continuation page: no plan, no title, no heads; its body font.
    const RecordedPage& next = pages[1];
    EXPECT_FALSE(StartingWith(next, u"現況"));
    EXPECT_FALSE(StartingWith(next, u"矩形"));
    for (const auto& call : next) EXPECT_NE(call.Kind, RecordingCanvas::Op::Line);
    if (c.rows == 32) {
      ASSERT_TRUE(StartingWith(next, u"32   "));
      EXPECT_EQ(StartingWith(next, u"32   ")->Args[1], 243);
      EXPECT_EQ(StartingWith(next, u"32   ")->Font.Height, 25);
    }
    EXPECT_TRUE(FindText(pages[2], u"現況 平均床倍率（ 2階）"));
  }
}

TEST_F(FloorPagesTest, MagnificationPreviewStopsAtTheWantedPage) {
  BuildFloorTypeHouse();
  SetRectangleCount(32);  // storey 1 on two pages, storey 2 on one
  const struct {
    int32_t wanted;
    int32_t result;
    size_t pages;
  } cases[] = {{1, 1, 1}, {2, 1, 2}, {3, 0, 3}, {4, 0, 3}, {9, 0, 3}};
  for (const auto& c : cases) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawReportPageKind(PageFloorMagnification, preview, PreviewPixelsPerMm, c.wanted), c.result)
        << c.wanted;
    ASSERT_EQ(preview.Pages.size(), c.pages) << c.wanted;
    EXPECT_EQ(preview.NewPageCount, 0);
  }
  RecordingPageSink preview;
  DrawFloorMagnificationPages(preview, PreviewPixelsPerMm, 2);
  EXPECT_FALSE(StartingWith(preview.Pages.back(), u"現況"));
  ASSERT_TRUE(StartingWith(preview.Pages.back(), u"32   "));
}

TEST_F(FloorPagesTest, NoMagnificationLineEndsBelow289Millimetres) {
  BuildFloorTypeHouse();
  for (int32_t rects : {1, 29, 30, 31, 45, 50})
    for (int32_t triangles : {0, 1, 2, 50}) {
      FloorSpecRectCount[CurrentState][0] = 0;
      FloorSpecTriangleCount[CurrentState][0] = 0;
      for (int32_t k = 0; k < rects; ++k) testmodel::AddSpecRect(CurrentState, 0, 10, 10, 11, 11, 1);
      for (int32_t k = 0; k < triangles; ++k)
        testmodel::AddSpecTriangle(CurrentState, 0, 10, 10, 11, 10, 11, 11, 1);
      RecalculateAsPainted();
      const std::vector<RecordedPage> pages = Printed(PageFloorMagnification);
      int32_t rows = 0, totals = 0;
      for (const RecordedPage& page : pages)
        for (const auto* text : TextsOf(page)) {
          EXPECT_LE(text->Args[1] + text->Font.Height, SheetBottom) << rects << " " << triangles;
          const std::u16string& t = text->Text;
          if (t.size() > 5 && t[1] >= u'0' && t[1] <= u'9' && t.substr(2, 3) == u"   ") ++rows;
          if (text->Text.find(u"階平均床倍率=") != std::u16string::npos) ++totals;
        }
      EXPECT_EQ(rows, rects + triangles + 1) << rects << " " << triangles;  // and storey 2's one
      EXPECT_EQ(totals, 2);
    }
}

// ------------------------------------------------------------------ kind 10

TEST_F(FloorPagesTest, CheckPageOfTheFirstStorey) {
  BuildFloorTypeHouse();
  const std::vector<RecordedPage> pages = Printed(PageFloorStrengthCheck);
  ASSERT_EQ(pages.size(), 2u);
  const RecordedPage& page = pages[0];
  const auto* title = FindText(page, u"現況 床耐力検定（ 1階）");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->Args[1], 101);

  // Storey 1's floor area is 12 x 8 modules = 96 x 0.8281 = 79.4976 m²; the
  // unit shear is what storey 1 takes beyond storey 2 per m².
  const double qr1 = RequiredStrength[CurrentState][0], qr2 = RequiredStrength[CurrentState][1];
  ASSERT_GT(qr1, qr2);
  const double q = (qr1 - qr2) / 79.4976;
  const auto* storeyLine = TextAt(page, 203, 223);  // 203 + 20
  ASSERT_TRUE(storeyLine);
  EXPECT_EQ(Utf8(storeyLine->Text), Utf8(FormatW(u" 1階\u3000(必要耐力%8.3f－上階必要耐力%8.3f)／(床面積  "
                                                 u"79.498)＝(単位面積あたりの層せん断力%8.3f)",
                                                 qr1, qr2, q)));
  ASSERT_TRUE(TextAt(page, 203, 263));
  EXPECT_EQ(TextAt(page, 203, 263)->Text.substr(0, 6), u"\u3000\u3000方\u3000\u3000\u3000");
  ASSERT_TRUE(TextAt(page, 203, 295));
  EXPECT_NE(TextAt(page, 203, 295)->Text.find(u"（ 倍率 ） \u3000必要耐力"), std::u16string::npos);

  // The X table runs over Y axes 10 (Y 8) to 18 (Y 0): line rows at 331 +
  // 90k, the interval after them at 349, 367 and 385 + 90k.
  const auto* firstLine = TextAt(page, 203, 331);
  ASSERT_TRUE(firstLine);
  EXPECT_EQ(Utf8(firstLine->Text),
            Utf8(FormatW(u" 1  Ｘ  Y 8  %8.3f%8.3f", LineShearX[0][0][10][0], LineShearX[0][1][10][0])));
  // The interval Y 8 - Y 7 crosses rectangle 1 (7.28 m x 2.80 = 20.384) and
  // the atrium (3.64 m x 0): strength 1.96 x 20.384 = 39.95264. Its band is
  // 12 x 1 modules = 10.92 x 0.91 = 9.9372 m².
  const auto* nearEdge = TextAt(page, 815, 349);
  ASSERT_TRUE(nearEdge);
  EXPECT_EQ(Utf8(nearEdge->Text.substr(0, 19)), "   39.953  (20.384)");
  EXPECT_EQ(nearEdge->Text.find(u"NG"), std::u16string::npos);
  EXPECT_EQ(Utf8(TextAt(page, 203, 367)->Text),
            Utf8(FormatW(u"                              %8.3f  %8.3f", 9.9372, 9.9372 * q)));
  EXPECT_TRUE(TextAt(page, 815, 385));
  // The last axis has no interval after it; then the Y table: 4 mm gap,
  // heads at 3.6 and 3.2 mm.
  const auto* lastLine = TextAt(page, 203, 331 + 90 * 8);
  ASSERT_TRUE(lastLine);
  EXPECT_EQ(lastLine->Text.substr(0, 12), u" 1  Ｘ  Y 0  ");
  EXPECT_FALSE(TextAt(page, 815, 331 + 90 * 8 + 18));
  ASSERT_TRUE(TextAt(page, 203, 1127));  // trunc(1051 + 40.8) = 1091, + 36
  EXPECT_NE(TextAt(page, 203, 1159)->Text.find(u"（ 倍率 ）   必要耐力"), std::u16string::npos);

  // Y table over X axes 10 (X 1) to 22 (X13) from 1195. The interval X 9 -
  // X10 (axes 18, 19) lies under the atrium only (the triangle meets axis 18
  // at its corner): no strength, ratio 0, NG from both sides. Its band is 1 x
  // 8 modules = 0.91 x 7.28 = 6.6248 m².
  const int32_t y = 1195 + 90 * 8;
  EXPECT_EQ(TextAt(page, 203, y)->Text.substr(0, 12), u" 1  Ｙ  X 9  ");
  for (int32_t edge : {0, 1}) {
    const int32_t from = FloorCheckYFromLeftNear + edge, to = FloorCheckYFromRightNear + edge;
    const auto* text = TextAt(page, 815, y + 18 + 36 * edge);
    ASSERT_TRUE(text);
    EXPECT_EQ(Utf8(text->Text),
              Utf8(FormatW(u"    0.000  ( 0.000)   %8.3f     0.000      %8.3f     0.000  <-- NG",
                           FloorCheckRequired[from][0][0][18][0], FloorCheckRequired[to][0][0][18][0])));
  }
  EXPECT_EQ(Utf8(TextAt(page, 203, y + 36)->Text),
            Utf8(FormatW(u"                              %8.3f  %8.3f", 6.6248, 6.6248 * q)));
  EXPECT_EQ(TextsOf(page).back()->Text.substr(0, 12), u" 1  Ｙ  X13  ");
}

TEST_F(FloorPagesTest, TheTopStoreyHasNoStoreyAbove) {
  BuildFloorTypeHouse();
  const RecordedPage page = Printed(PageFloorStrengthCheck)[1];
  EXPECT_TRUE(FindText(page, u"現況 床耐力検定（ 2階）"));
  const auto* storeyLine = TextAt(page, 203, 223);
  ASSERT_TRUE(storeyLine);
  EXPECT_EQ(storeyLine->Text.find(u"上階"), std::u16string::npos);
  const std::u16string start = FormatW(u" 2階\u3000(必要耐力%8.3f)／(床面積", RequiredStrength[0][1]);
  EXPECT_EQ(Utf8(storeyLine->Text.substr(0, start.size())), Utf8(start));
  int32_t lineRows = 0;
  for (const auto* text : TextsOf(page)) {
    if (text->Text.substr(0, 4) != u" 2  ") continue;
    ++lineRows;
    EXPECT_EQ(text->Text.substr(text->Text.size() - 8), u"  ------") << Utf8(text->Text);
  }
  // Storey 2's extent with its eaves: Y axes 9-18 and X axes 9-19.
  EXPECT_EQ(lineRows, 10 + 11);
}

TEST_F(FloorPagesTest, AnEdgePrintsTheShearOfItsGoverningCaseAndItsRatioInsideTheField) {
  BuildFloorTypeHouse();
  constexpr int l = 10;  // the interval Y 8 - Y 7 of storey 1
  auto set = [](int32_t member, int32_t governing, double shear, double ratio, int32_t ok) {
    FloorCheckCase[member][0][0][l] = governing;
    for (int m = 0; m < StoreyLoadingCaseCount; ++m) FloorCheckRequired[member][0][0][l][m] = 1.0 + m;
    if (governing >= 0 && governing < StoreyLoadingCaseCount)
      FloorCheckRequired[member][0][0][l][governing] = shear;
    FloorCheckRatio[member][0][0][l] = ratio;
    FloorCheckOk[member][0][0][l] = ok;
  };
  const struct {
    const char* what;
    int32_t fromBelow[2], fromAbove[2];  // governing case, verdict
    double ratioBelow, ratioAbove;
    std::string expected;  // after the strength and magnification
  } cases[] = {
      // Case 3 governs from below with shear 12.345: NG from one side marks the row.
      {"one side", {3, 0}, {0, -1}, 0.5, 2.25, "     12.345     0.500        12.345     2.250  <-- NG"},
      // Not judged (-1) and a case off the five: case 0's shear, 1.000.
      {"unjudged", {-1, -1}, {7, -1}, 0.0, 0.0, "      1.000     0.000         1.000     0.000"},
      {"clamped", {0, -1}, {0, -1}, 1234.5, -2000, "     12.345   999.999        12.345  -999.999"},
      // No strength against a negative shear: 0 / -x, printed without a sign.
      {"minus zero", {2, 0}, {4, 0}, -0.0, -0.0004, "     12.345     0.000        12.345     0.000  <-- NG"},
      {"exactly", {1, -1}, {1, -1}, 999.999, -999.999, "     12.345   999.999        12.345  -999.999"},
  };
  for (const auto& c : cases) {
    set(FloorCheckXFromBelowNear, c.fromBelow[0], 12.345, c.ratioBelow, c.fromBelow[1]);
    set(FloorCheckXFromAboveNear, c.fromAbove[0], 12.345, c.ratioAbove, c.fromAbove[1]);
    const RecordedPage page = Printed(PageFloorStrengthCheck)[0];
    const auto* text = TextAt(page, 815, 349);
    ASSERT_TRUE(text) << c.what;
    EXPECT_EQ(Utf8(text->Text.substr(19)), c.expected) << c.what;
  }
}

// One storey whose used extent spans Y axes 10 to 10 + intervals and X axes
// 10 and 11: one floor area over it.
void BuildLongStorey(int32_t intervals) {
  ProjectSettings.TopStorey[CurrentState] = 0;
  RoofFloorRectCount[CurrentState][0] = 0;
  testmodel::AddRect(CurrentState, 0, 10, 10, 11, 10 + intervals, 0);
  RecalculateAsPainted();
}

TEST_F(FloorPagesTest, TheYTableStartsOnANewPageBelow250Millimetres) {
  // The X table's last line row stands at 331 + 90n for n intervals; 250 mm
  // is 2550 units.
  const struct {
    int32_t intervals;
    size_t pages;
    int32_t yHead;  // the Y table's first head
  } cases[] = {
      {24, 1, 2567},  // last row at 2491: gap to 2531, head at 2567
      {25, 2, 279},   // last row at 2581: head at 20 + 4 + 3.6 mm = 203 + 40 + 36
  };
  for (const auto& c : cases) {
    BuildLongStorey(c.intervals);
    const std::vector<RecordedPage> pages = Printed(PageFloorStrengthCheck);
    ASSERT_EQ(pages.size(), c.pages) << c.intervals;
    const auto* last = TextAt(pages[0], 203, 331 + 90 * c.intervals);
    ASSERT_TRUE(last) << c.intervals;
    EXPECT_EQ(Utf8(last->Text.substr(last->Text.size() - 8)), "  ------");
    const auto* head = TextAt(pages.back(), 203, c.yHead);
    ASSERT_TRUE(head) << c.intervals;
    EXPECT_EQ(head->Text.substr(0, 3), u"\u3000\u3000方");
    EXPECT_NE(TextAt(pages.back(), 203, c.yHead + 32)->Text.find(u"（ 倍率 ）   "), std::u16string::npos);
    EXPECT_TRUE(StartingWith(pages.back(), u" 1  Ｙ  "));
    if (c.pages == 2) {
      EXPECT_FALSE(StartingWith(pages[1], u"現況"));
      // The page header, the heads, 2 lines and their interval.
      EXPECT_EQ(TextsOf(pages[1]).size(), 1u + 2u + 2u + 3u);
    }
  }
}

TEST_F(FloorPagesTest, CheckRowsEndThePageAfterTheFirstIntervalPast270Millimetres) {
  // Interval k's last text stands at 385 + 90k; 270 mm is 2754: k = 26 at
  // 2725 stays, k = 27 at 2815 ends the page.
  BuildLongStorey(29);
  const std::vector<RecordedPage> pages = Printed(PageFloorStrengthCheck);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_TRUE(TextAt(pages[0], 815, 2815));
  EXPECT_TRUE(TextAt(pages[0], 203, 331 + 90 * 27));
  EXPECT_FALSE(TextAt(pages[0], 203, 331 + 90 * 28));
  // Axis 10 + 28 opens the continuation page at 20 + 3.6 mm, its interval
  // follows, then the last axis and the Y table on the same page.
  const RecordedPage& next = pages[1];
  EXPECT_FALSE(StartingWith(next, u"現況"));
  const auto* line = TextAt(next, 203, 239);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Text.substr(0, 4), u" 1  ");
  EXPECT_EQ(line->Font.Height, 25);
  EXPECT_TRUE(TextAt(next, 815, 257));
  EXPECT_TRUE(TextAt(next, 203, 275));
  EXPECT_TRUE(TextAt(next, 815, 293));
  EXPECT_TRUE(TextAt(next, 203, 329));
  EXPECT_EQ(TextAt(next, 203, 329 + 40 + 36)->Text.substr(0, 3), u"\u3000\u3000方");
}

TEST_F(FloorPagesTest, CheckPreviewStopsAtTheWantedPage) {
  BuildFloorTypeHouse();
  const struct {
    int32_t wanted;
    int32_t result;
    size_t pages;
  } cases[] = {{1, 1, 1}, {2, 0, 2}, {3, 0, 2}};
  for (const auto& c : cases) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawReportPageKind(PageFloorStrengthCheck, preview, PreviewPixelsPerMm, c.wanted), c.result);
    EXPECT_EQ(preview.Pages.size(), c.pages) << c.wanted;
  }
  // One storey on two pages: the X table's continuation is page 2.
  BuildLongStorey(25);
  for (const auto& c : cases) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawFloorStrengthCheckPages(preview, PreviewPixelsPerMm, c.wanted), c.result);
    EXPECT_EQ(preview.Pages.size(), c.pages) << c.wanted;
  }
}

TEST_F(FloorPagesTest, NoCheckLineEndsBelow289Millimetres) {
  for (int32_t intervals : {1, 23, 24, 25, 26, 27, 28, 29, 40, 55, 56, 57, 90}) {
    BuildLongStorey(intervals);
    int32_t lineRows = 0;
    for (double ppm : {PreviewPixelsPerMm, PrintPixelsPerMm}) {
      RecordingPageSink printer;
      DrawFloorStrengthCheckPages(printer, ppm, 0);
      const int32_t bottom = static_cast<int32_t>(289 * ppm);
      for (const RecordedPage& page : printer.Pages)
        for (const auto* text : TextsOf(page)) {
          EXPECT_LE(text->Args[1] + text->Font.Height, bottom) << intervals << " " << ppm;
          if (text->Text.substr(0, 4) == u" 1  ") ++lineRows;
        }
    }
    // Every X axis line and the two Y axis lines, at both scales.
    EXPECT_EQ(lineRows, 2 * (intervals + 1 + 2)) << intervals;
  }
}

TEST_F(FloorPagesTest, ARetrofitPlanCarriesItsPrefix) {
  BuildFloorTypeHouse();
  CopyModelSlot(CurrentState, RetrofitPlan1, CopyModeCopy, 0b111);
  ProjectSettings.TopStorey[RetrofitPlan1] = 1;
  CurrentVariant = RetrofitPlan1;
  RecalculateAsPainted();
  EXPECT_TRUE(FindText(Printed(PageFloorMagnification)[0], u"補強計画 平均床倍率（ 1階）"));
  EXPECT_TRUE(FindText(Printed(PageFloorStrengthCheck)[1], u"補強計画 床耐力検定（ 2階）"));
}

}  // namespace
