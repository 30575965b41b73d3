// The centre-of-gravity pages (kind 5): per storey the area tables, the
// storey sums, the sums over the storeys above and the centre of gravity.
// Guards: the rows and sums in both weighting modes worked by hand from the
// areas; Xg and Yg taken from the analysis; the largest rectangle left out
// with the numbering kept; a long table continuing below 20 mm on pages of
// its own; a line that would end below 289 mm moved; the paging contract.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlanTestHouse.h"
#include "ReportTestHelpers.h"
#include "analysis/AreaWeights.h"
#include "model/SettingChoices.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"

namespace {

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;

// Lines stand 4 mm apart from 142 mm: 1448.4 -> 1448, each step + 40.8 truncated.
constexpr int32_t LineY(int32_t n) { return 1448 + 40 * n; }
// Table text at x = 5 mm: 51 in decimal, a hair below in extended precision.
constexpr int32_t TableX = 50;

class CentreOfGravityTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    ProjectSettings.AxisNumbering = 0;
    ProjectSettings.WeightClass[0] = 0;  // light
    ProjectSettings.RequiredStrengthMethod = RequiredByStrengthTable;
    ProjectSettings.GravityCentreBySpec = GravityCentreUniform;
  }
  void TearDown() override { plantest::Clear(); }

  const RecordedPage& Preview(int32_t n) {
    sink.Pages.clear();
    result = DrawCentreOfGravityPages(sink, PreviewPixelsPerMm, n);
    return sink.Pages.back();
  }
  int32_t result = -1;
};

// The text at (50, y) or "" when there is none.
std::string TableLine(const RecordedPage& page, int32_t y) {
  const Call* text = TextAt(page, TableX, y);
  return text ? Utf8(text->Text) : std::string("(none at " + std::to_string(y) + ")");
}

bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

// A name field of 13 places: the name, then U+3000 for every blank.
std::string NameField(const std::u16string& name) {
  std::u16string field = name;
  field.resize(13, u'\u3000');
  return Utf8(field);
}

TEST_F(CentreOfGravityTest, WeightTableModeOfALightTwoStoreyHouse) {
  plantest::BuildHouse();
  plantest::Recalculate();

  const RecordedPage& first = Preview(1);
  EXPECT_EQ(result, 1);
  ASSERT_NE(TextAt(first, 203, 101), nullptr);
  EXPECT_EQ(Utf8(TextAt(first, 203, 101)->Text), "現況 重心（ 1階）");
  EXPECT_EQ(TextAt(first, 203, 101)->Font.Height, 50);  // 5 mm: 51 less a hair
  // The area-code legend at (150, 40 + 5i) mm: line 9 at (1530, 867) less a hair.
  ASSERT_NE(TextAt(first, 1529, 866), nullptr);
  EXPECT_EQ(Utf8(TextAt(first, 1529, 866)->Text), "(9):個別荷重の屋根");

  EXPECT_EQ(
      TableLine(first, LineY(1)),
      "矩形   　　     　　　         重付     左下     左下     右上     右上     矩形      面積*     図心  "
      " 面*係*位置   図心   面*係*位置");
  // Rectangle 1: the floor (code 0, factor 1.00) from X axis 2 to 8 and Y
  // axis 2 to 8: X 0 .. X 6, Y 0 (lower) .. Y 6; 6 x 6 = 36 m², centroid
  // (3, 3), moments 36 x 3 = 108.
  EXPECT_EQ(TableLine(first, LineY(3)),
            " 1   " + NameField(u"軽い床") +
                "1.00    X 0      Y 0      X 6      Y 6      36.000   36.000     3.000 "
                "  108.000     3.000   108.000");
  // Rectangle 2: the lean-to roof (code 3) X 6 .. X10, 4 x 6 = 24 m², centroid
  // (8, 3): moments 192 and 72.
  EXPECT_EQ(TableLine(first, LineY(4)),
            " 2   " + NameField(u"軽い屋根") +
                "1.00    X 6      Y 0      X10      Y 6      24.000   24.000     8.000 "
                "  192.000     3.000    72.000");
  // The rule where the blank step left the cursor, then the storey's sums:
  // 36 + 24 = 60, 108 + 192 = 300, 108 + 72 = 180.
  EXPECT_EQ(TableLine(first, LineY(5)), Utf8(std::u16string(65, u'─')));
  EXPECT_EQ(TableLine(first, LineY(6)), "　計" + std::string(78, ' ') + "  60.000" + std::string(12, ' ') +
                                            " 300.000" + std::string(12, ' ') + " 180.000");
  // Light, two storeys: 2.15 on storey 1, 1.43 on storey 2 (36 m², moments 108).
  // 2.15 x 60 = 129, x 300 = 645, x 180 = 387; 1.43 x 36 = 51.48, x 108 = 154.44.
  EXPECT_EQ(
      TableLine(first, LineY(8)),
      "  1階 重量表係数=2.15　Σ面積*係数= 129.000　Σ面積*係数*位置(X)= 645.000　Σ面積*係数*位置(Y)= 387.000");
  EXPECT_EQ(
      TableLine(first, LineY(9)),
      "  2階 重量表係数=1.43　Σ面積*係数=  51.480　Σ面積*係数*位置(X)= 154.440　Σ面積*係数*位置(Y)= 154.440");
  // 129 + 51.48 = 180.48, 645 + 154.44 = 799.44, 387 + 154.44 = 541.44.
  EXPECT_EQ(TableLine(first, LineY(11)),
            " 　計　Σ面積*係数= 180.480　Σ面積*係数*位置(X)= 799.440　Σ面積*係数*位置(Y)= 541.440");
  // 799.44 / 180.48 = 4.4295.., 541.44 / 180.48 = 3.
  EXPECT_NEAR(CentreOfGravityX[0][0], 799.44 / 180.48, 1e-9);
  EXPECT_EQ(TableLine(first, LineY(13)),
            "           Xg=  799.440 ／  180.480 =   4.430   Yg=  541.440 ／  180.480 =   3.000");
  EXPECT_EQ(TextAt(first, TableX, LineY(13))->Font.Height, 30);  // 3 x 1.5 mm
  EXPECT_EQ(TextAt(first, TableX, LineY(13))->Font.Width, 15);

  // Storey 2 lists itself only.
  const RecordedPage& second = Preview(2);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(Utf8(TextAt(second, 203, 101)->Text), "現況 重心（ 2階）");
  EXPECT_EQ(TableLine(second, LineY(3)),
            " 1   " + NameField(u"軽い屋根") +
                "1.00    X 0      Y 0      X 6      Y 6      36.000   36.000     3.000 "
                "  108.000     3.000   108.000");
  EXPECT_EQ(
      TableLine(second, LineY(7)),
      "  2階 重量表係数=1.43　Σ面積*係数=  51.480　Σ面積*係数*位置(X)= 154.440　Σ面積*係数*位置(Y)= 154.440");
  EXPECT_EQ(TableLine(second, LineY(11)),
            "           Xg=  154.440 ／   51.480 =   3.000   Yg=  154.440 ／   51.480 =   3.000");
}

TEST_F(CentreOfGravityTest, FloorTypeModeWeighsEachAreaByItsCode) {
  ProjectSettings.GravityCentreBySpec = GravityCentreBySpecs;
  plantest::BuildHouse();
  plantest::Recalculate();
  const RecordedPage& first = Preview(1);
  // The floor weighs 2.15, the light roof 1.43: 36 x 2.15 = 77.4 (moments
  // x 3: 232.2), 24 x 1.43 = 34.32 (x 8 = 274.56, x 3 = 102.96).
  EXPECT_EQ(TableLine(first, LineY(3)),
            " 1   " + NameField(u"軽い床") +
                "2.15    X 0      Y 0      X 6      Y 6      36.000   77.400     3.000 "
                "  232.200     3.000   232.200");
  EXPECT_EQ(TableLine(first, LineY(4)),
            " 2   " + NameField(u"軽い屋根") +
                "1.43    X 6      Y 0      X10      Y 6      24.000   34.320     8.000 "
                "  274.560     3.000   102.960");
  // 77.4 + 34.32 = 111.72; 232.2 + 274.56 = 506.76; 232.2 + 102.96 = 335.16.
  EXPECT_EQ(TableLine(first, LineY(8)),
            "        1階　Σ面積*係数= 111.720　Σ面積*係数*位置(X)= 506.760　Σ面積*係数*位置(Y)= 335.160");
  EXPECT_EQ(TableLine(first, LineY(9)),
            "        2階　Σ面積*係数=  51.480　Σ面積*係数*位置(X)= 154.440　Σ面積*係数*位置(Y)= 154.440");
  EXPECT_EQ(TableLine(first, LineY(11)),
            "       　計　Σ面積*係数= 163.200　Σ面積*係数*位置(X)= 661.200　Σ面積*係数*位置(Y)= 489.600");
  // 661.2 / 163.2 = 4.0514..; 489.6 / 163.2 = 3.
  EXPECT_EQ(TableLine(first, LineY(13)),
            "           Xg=  661.200 ／  163.200 =   4.051   Yg=  489.600 ／  163.200 =   3.000");
}

TEST_F(CentreOfGravityTest, CentrePrintedIsTheAnalysisOwn) {
  plantest::BuildHouse();
  plantest::Recalculate();
  CentreOfGravityX[0][0] = 9.876;
  CentreOfGravityY[0][0] = -1.5;
  EXPECT_EQ(TableLine(Preview(1), LineY(13)),
            "           Xg=  799.440 ／  180.480 =   9.876   Yg=  541.440 ／  180.480 =  -1.500");
}

TEST_F(CentreOfGravityTest, FactorsCodesLeftOutAndTriangles) {
  plantest::BuildHouse();
  // Storey 1: a largest rectangle (code 6) third, attic storage (code 5) fourth.
  testmodel::AddRect(0, 0, plantest::Left, plantest::Upper, plantest::Right, plantest::Lower, 6);
  testmodel::AddRect(0, 0, 3, 3, 5, 4, 5);  // 2 x 1 m
  // Storey 2: its roof becomes a triangle: corners X axis 2 / Y axis 8,
  // 8 / 8 and 2 / 2, that is (0, 0), (6, 0), (0, 6).
  RoofFloorRectCount[0][1] = 0;
  testmodel::AddTriangle(0, 1, 2, 8, 8, 8, 2, 2, 3);
  plantest::Recalculate();

  // The attic storage's factor: 0.67 (strength table), 0.00 (simple table), 1.44 (by floor type).
  const struct {
    int32_t method, bySpec;
    const char* factor;
  } cases[] = {{RequiredByStrengthTable, GravityCentreUniform, "0.67"},
               {RequiredBySimpleTable, GravityCentreUniform, "0.00"},
               {RequiredByStrengthTable, GravityCentreBySpecs, "1.44"}};
  for (const auto& c : cases) {
    ProjectSettings.RequiredStrengthMethod = c.method;
    ProjectSettings.GravityCentreBySpec = c.bySpec;
    plantest::Recalculate();
    const RecordedPage& first = Preview(1);
    // Rows 1, 2 and then 4: record 3 takes no line.
    EXPECT_TRUE(StartsWith(TableLine(first, LineY(5)), " 4   ")) << c.method;
    EXPECT_EQ(TableLine(first, LineY(5)).substr(5 + 13 * 3, 4), c.factor) << c.method << " " << c.bySpec;
    EXPECT_TRUE(StartsWith(TableLine(first, LineY(6)), "─"));  // blank step, then the rule
  }

  // The triangle table alone on storey 2: 18 m², centroid (2, 2), the
  // weight table's calculation area 18 (factor 1), moments 36.
  ProjectSettings.RequiredStrengthMethod = RequiredByStrengthTable;
  ProjectSettings.GravityCentreBySpec = GravityCentreUniform;
  plantest::Recalculate();
  const RecordedPage& second = Preview(2);
  EXPECT_EQ(
      TableLine(second, LineY(1)),
      "三角   屋根     　　　         重付  No.1  No.1  No.2  No.2  No.3  No.3     矩形      面積*     図心  "
      " 面*係*位置   図心   面*係*位置");
  EXPECT_EQ(TableLine(second, LineY(3)),
            " 1   " + NameField(u"軽い屋根") +
                "1.00  X 0   Y 0   X 6   Y 0   X 0   Y 6     18.000   18.000     2.000 "
                "   36.000     2.000    36.000");
}

TEST_F(CentreOfGravityTest, FortyRectanglesContinueOnAPageOfTheirOwn) {
  plantest::BuildHouse();
  // Forty 1 m squares on storey 1 instead of its two areas.
  RoofFloorRectCount[0][0] = 0;
  for (int32_t k = 0; k < 40; ++k)
    testmodel::AddRect(0, 0, 2 + k % 10, 2 + k / 10, 3 + k % 10, 3 + k / 10, 0);
  plantest::Recalculate();

  // Row i at LineY(2 + i); after a row below 270 mm (2754 units) the page
  // ends: row 30 at 2728 stays, row 31 at 2768 is the last of the page.
  const RecordedPage& first = Preview(1);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(StartsWith(TableLine(first, LineY(33)), "31 "));
  EXPECT_EQ(TextAt(first, TableX, LineY(34)), nullptr);

  // The continuation: no title, plan or headings; the body font; the cursor
  // at 20 mm (203), so row 32 at trunc(203 + 40.8) = 243, then 40 apart.
  const RecordedPage& next = Preview(2);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(TextAt(next, 203, 101), nullptr);
  for (const Call& c : next) EXPECT_FALSE(c.Kind == Op::Rectangle && c.Args[0] == 203 && c.Args[1] == 203);
  EXPECT_EQ(FindText(next, u"(0):軽い床"), nullptr);
  EXPECT_TRUE(StartsWith(TableLine(next, 243), "32 "));
  EXPECT_EQ(TextAt(next, TableX, 243)->Font.Height, 30);
  EXPECT_TRUE(StartsWith(TableLine(next, 243 + 8 * 40), "40 "));
  // Blank step, rule, sums, blank, two storey lines, blank, total, blank, Xg.
  EXPECT_EQ(TableLine(next, 603), Utf8(std::u16string(65, u'─')));
  EXPECT_TRUE(StartsWith(TableLine(next, 643), "　計"));
  EXPECT_TRUE(StartsWith(TableLine(next, 763), "  2階"));
  EXPECT_TRUE(StartsWith(TableLine(next, 923), "           Xg="));

  // Three pages: WantedPage 1..4 gives 1, 1, 0, 0; printing three sheets, two new ones.
  const int32_t expected[4] = {1, 1, 0, 0};
  for (int32_t n = 1; n <= 4; ++n) {
    Preview(n);
    EXPECT_EQ(result, expected[n - 1]) << n;
    EXPECT_EQ(sink.Pages.size(), static_cast<std::size_t>(std::min(n, 3)));
  }
  EXPECT_EQ(Utf8(TextAt(Preview(3), 203, 101)->Text), "現況 重心（ 2階）");
  RecordingPageSink printer;
  EXPECT_EQ(DrawCentreOfGravityPages(printer, 23.328, 0), 0);
  EXPECT_EQ(printer.Pages.size(), 3u);
  EXPECT_EQ(printer.NewPageCount, 2);
}

TEST_F(CentreOfGravityTest, ALineEndingBelowTheSheetMovesToAContinuation) {
  plantest::BuildHouse();
  RoofFloorRectCount[0][0] = 0;
  for (int32_t k = 0; k < 30; ++k)
    testmodel::AddRect(0, 0, 2 + k % 10, 2 + k / 10, 3 + k % 10, 3 + k / 10, 0);
  plantest::Recalculate();
  // Row 30 at 2728 stays (not past 2754); blank 2768, the rule there, sums
  // 2808, blank 2848, storey 1 at 2888 (ends at 2918). Storey 2 at 2928
  // would end at 2958, below 289 mm (2947): it opens the continuation at 243.
  const RecordedPage& first = Preview(1);
  EXPECT_TRUE(StartsWith(TableLine(first, 2888), "  1階"));
  EXPECT_EQ(TextAt(first, TableX, 2928), nullptr);
  const RecordedPage& next = Preview(2);
  EXPECT_TRUE(StartsWith(TableLine(next, 243), "  2階"));
  EXPECT_TRUE(StartsWith(TableLine(next, 323), " 　計"));
  EXPECT_TRUE(StartsWith(TableLine(next, 403), "           Xg="));
}

TEST_F(CentreOfGravityTest, AStoreyWithoutAreasShowsTheRuleAt142mm) {
  plantest::BuildHouse();
  RoofFloorRectCount[0][1] = 0;
  plantest::Recalculate();
  const RecordedPage& second = Preview(2);
  EXPECT_EQ(TableLine(second, LineY(0)), Utf8(std::u16string(65, u'─')));
  EXPECT_EQ(TableLine(second, LineY(1)), "　計" + std::string(78, ' ') + "   0.000" + std::string(12, ' ') +
                                             "   0.000" + std::string(12, ' ') + "   0.000");
  EXPECT_TRUE(StartsWith(TableLine(second, LineY(3)), "  2階"));
}

}  // namespace
