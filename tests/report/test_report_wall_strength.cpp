// The wall strength and stiffness pages: rows, detail lines, subtotals,
// totals and summary of hand-set storeys worked out by hand (with the
// two-decimal snow rows of diagonal Y walls), the deterioration label and
// the guarded label lookups, method 2's wall choice and column rows, the
// snow house painted by the chain (its changed wall, its diagonal wall's
// halves, the stored totals), the value columns under their headings by
// character cells, and the paging: a row past 260 mm, the 289 mm bottom
// rule, the wanted-page countdown and the printed new pages.
#include <gtest/gtest.h>

#include "WallPagesFixture.h"
#include "analysis/GridPointMap.h"
#include "evaluation/ColumnNValues.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"

namespace {

// At the preview's 10.2 pixels per millimetre (a hair below in binary): rows
// at x = 5 mm are at 50, detail lines at 38 mm at 387; y starts at 20 mm =
// 203 and every 4 mm step adds 40 (40.8 truncated from a whole number).
constexpr int32_t RowX = 50;
constexpr int32_t DetailX = 387;

constexpr char16_t Heading1[] =
    u" 方 補強 通り   始点   終点  　　　　　　　　 　　　    　　　   　        基準  基準 開口  修正   "
    u"　柱脚接合部"
    u"　　　　　劣化　　 最小低  低減修  耐力";
constexpr char16_t Heading2[] =
    u" 向 番号  名    座標   座標   壁タイプ   　     　　仕様記号      　 壁長  耐力  剛性 係数  耐力 "
    u"　仕様  　基礎"
    u" 低減　　程度 係数 減係数  正耐力 有効長  耐力   剛性";

std::vector<RecordedPage> Print() {
  RecordingPageSink sink;
  EXPECT_EQ(DrawWallStrengthPages(sink, PreviewPixelsPerMm, 0), 0);
  return sink.Pages;
}

// The texts of a page below the title as (y, text) at x.
std::vector<std::pair<int32_t, std::u16string>> Lines(const RecordedPage& page) {
  std::vector<std::pair<int32_t, std::u16string>> lines;
  for (const auto* t : TextsOf(page))
    if (t->Args[1] > 150) lines.emplace_back(t->Args[1], t->Text);
  return lines;
}

std::u16string Subtotal(const char16_t* values) { return std::u16string(146, u' ') + u"小計- " + values; }
std::u16string Total(const char16_t* head, const char16_t* values) {
  return std::u16string(139, u' ') + head + values;
}

class WallStrengthPagesTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    storey.Reset();
    RestoreElementTableStartValues();
    ProjectSettings.TopStorey[0] = 0;
    ProjectSettings.SnowLoad = 0;
    ProjectSettings.OtherElementsMethod = OtherElementsMethod1;
    for (int snow = 0; snow < 2; ++snow) {
      (snow ? WallStrengthXSnow : WallStrengthX)[0][0][0] = snow ? 3.0 : 3.5;
      (snow ? WallStrengthYSnow : WallStrengthY)[0][0][0] = snow ? 2.0 : 2.6;
      (snow ? StiffnessSumXSnow : StiffnessSumX)[0][0][0] = snow ? 600 : 700;
      (snow ? StiffnessSumYSnow : StiffnessSumY)[0][0][0] = snow ? 400 : 500;
    }
  }
  HandSetStorey storey;

  // An X wall on line Y 2 from X 3 to X 5: a partition wall braced 30 x 90
  // nailed at its ends, frame deterioration 3.
  int PartitionWall() {
    const int w = storey.Wall(3, 2, 5, 2);
    WallRecord& rec = Walls[0][0][w];
    rec.BraceKind = 4, rec.BraceEndJoint = 0, rec.Deterioration = 3;
    WallCaseResult& r = HandSetStorey::Result(w);
    r.WallType = 8;  // 間仕切壁無開口壁, eight characters
    r.Length = 1.82, r.BaseStrength = 2.4, r.BaseStiffness = 480, r.OpeningFactor = 1.0;
    r.JointSpec = 1, r.StrengthBand = 2, r.FoundationClass = 0, r.ReductionFactor = 0.85;
    r.StrengthClass = 1, r.DeteriorationFactor = 0.7, r.MinReductionFactor = 0.7, r.ReducedStrength = 1.68;
    r.EffectiveLength = 1.82, r.StrengthX = 3.0576, r.StiffnessX = 611.52;
    HandSetStorey::XEntry(w, 2);
    return w;
  }
  // A diagonal wall from (6, 3) to (8, 5), in the Y list under X 6 and X 8.
  int DiagonalWall() {
    const int w = storey.Wall(6, 3, 8, 5);
    Walls[0][0][w].Deterioration = 2 + 8;  // frame sound, core deteriorated
    WallCaseResult& r = HandSetStorey::Result(w);
    r.WallType = 0;  // 外周壁無開口壁, seven characters
    r.Length = 2.828, r.BaseStrength = 1.6, r.BaseStiffness = 320, r.OpeningFactor = 1.0;
    r.JointSpec = 2, r.StrengthBand = 0, r.FoundationClass = 2, r.ReductionFactor = 0.9;
    r.StrengthClass = 0, r.DeteriorationFactor = 1.0, r.MinReductionFactor = 0.9, r.ReducedStrength = 1.44;
    r.EffectiveLength = 2.0, r.StrengthY = 2.4, r.StiffnessY = 480;
    SnowWallCaseResult& s = HandSetStorey::Snow(w);
    s.ReductionFactor = 0.8125, s.MinReductionFactor = 0.8125, s.ReducedStrength = 1.3;
    s.StrengthY = 2.6, s.StiffnessY = 500;
    HandSetStorey::YEntry(w, 6);
    HandSetStorey::YEntry(w, 8);
    return w;
  }
};

TEST_F(WallStrengthPagesTest, RowsSubtotalsTotalsAndSummaryAsWorkedByHand) {
  const int partition = PartitionWall();
  Walls[0][0][partition].FurringLeft = 1;
  Walls[0][0][partition].Height = 2.4;
  DiagonalWall();
  ProjectSettings.SnowLoad = 0.26 * 1.5;
  const auto pages = Print();
  ASSERT_EQ(pages.size(), 2u);  // one storey, without and with snow

  const auto* title = TextAt(pages[0], 203, 101);  // (20, 10) mm
  ASSERT_TRUE(title);
  EXPECT_EQ(Utf8(title->Text), "現況 壁耐力剛性（ 1階）");
  EXPECT_EQ(title->Font.Height, 50);  // 5 x 2.5 mm, bold
  EXPECT_EQ(title->Font.Width, 25);
  EXPECT_EQ(title->Font.Weight, 800);
  EXPECT_EQ(Utf8(TextAt(pages[1], 203, 101)->Text), "現況 壁耐力剛性（ 1階）   積雪時");

  // The X row: lead, then length 1.820, strength 2.40, stiffness 480, opening
  // 1.00, corrected 2.4 x 1.0, joint ＶＰ (1), band 2 + 1, 基Ⅰ, reduction
  // 0.850, frame 3 counted as 劣化, class 1 + 1, 0.70, smallest 0.700,
  // reduced 1.680, effective 1.820, StrengthX 3.0576 and StiffnessX 611.52.
  const std::u16string xRow = std::u16string(u" Ｘ      Y 2    X 3    X 5    間仕切壁無開口壁　　") +
                              u"    B2 *        " +
                              u"  1.820  2.40   480 1.00 2.400   ＶＰ3   基Ⅰ 0.850  劣化2" +
                              u" 0.70  0.700  1.680   1.820  3.058   612";
  // The Y rows of the diagonal wall without snow: half of StrengthY 2.4 and
  // StiffnessY 480; 2 + 8 is a sound frame.
  const std::u16string yLead = u"     X 6    Y 3    Y 5    外周壁無開口壁　　　" + std::u16string(16, u' ');
  const std::u16string yRow = u" Ｙ " + yLead + u"  2.828  1.60   320 1.00 1.600   釘通1   基Ⅲ 0.900  なし1" +
                              u" 1.00  0.900  1.440   2.000  1.200   240";
  std::u16string yRow8 = yRow;
  yRow8.replace(8, 3, u"X 8");
  const std::vector<std::pair<int32_t, std::u16string>> expected = {
      {243, Heading1},
      {278, Heading2},
      {318, xRow},
      {358, u"  左上面材胴縁75下地  壁の高さ＝2.400"},
      {398, Subtotal(u" 3.058   612")},
      // a blank step to 438
      {478, Total(u"Ｘ方向　計= ", u"  3.500   700")},
      // 6 mm: trunc(478 + 61.2) = 539
      {579, yRow},
      {619, Subtotal(u" 1.200   240")},
      {659, yRow8},
      {699, Subtotal(u" 1.200   240")},
      {779, Total(u"Ｙ方向　計= ", u"  2.600   500")},
      // 4 mm to 819, then 6 mm: trunc(819 + 61.2) = 880
      {880, std::u16string(82, u'─')},
      {920,
       u"　  Ｘ方向耐力計＝    3.500      Ｙ方向耐力計＝    2.600　  Ｘ方向剛性計＝  700.000      "
       u"Ｙ方向剛性計＝  "
       u"500.000"},
  };
  EXPECT_EQ(Lines(pages[0]), expected);
  EXPECT_EQ(TextAt(pages[0], DetailX, 358), FindText(pages[0], expected[3].second));
  for (const auto* t : TextsOf(pages[0])) {
    if (t->Args[1] <= 150) continue;
    EXPECT_EQ(t->Font.Height, 30);  // 3 x 1.2 mm
    EXPECT_EQ(t->Font.Width, 12);
    EXPECT_EQ(t->Font.Weight, 400);
  }

  // With snow: the snow reduction factors (the Y block's diagonal rows with
  // two decimals: 0.8125 -> 0.81, the columns kept by the blank after it)
  // and halves of the snow StrengthY 2.6 and StiffnessY 500; the totals are
  // the snow twins.
  const auto snow = Lines(pages[1]);
  ASSERT_EQ(snow.size(), expected.size());
  EXPECT_EQ(snow[6].second, u" Ｙ " + yLead +
                                u"  2.828  1.60   320 1.00 1.600   釘通1   基Ⅲ 0.81   なし1 1.00  0.81" +
                                u"   1.300   2.000  1.300   250");
  EXPECT_EQ(Cells(snow[6].second), Cells(yRow));
  EXPECT_EQ(snow[7].second, Subtotal(u" 1.300   250"));
  EXPECT_EQ(snow[10].second, Total(u"Ｙ方向　計= ", u"  2.000   400"));
  EXPECT_EQ(snow[12].second,
            u"　  Ｘ方向耐力計＝    3.000      Ｙ方向耐力計＝    2.000　  Ｘ方向剛性計＝  600.000      "
            u"Ｙ方向剛性計＝  400.000");
  // An X row of a straight wall keeps three decimals on the snow pages; its
  // snow values are zero here.
  EXPECT_EQ(snow[2].second.substr(96, 6), u" 0.000");
}

TEST_F(WallStrengthPagesTest, DeteriorationLabelsAndOtherLabelsOutsideTheirTables) {
  const int w = PartitionWall();
  struct Case {
    int32_t deterioration, joint, foundation;
    const char16_t* label;  // the deterioration field, characters 102 to 105
    const char16_t* joints;
    const char16_t* foundations;
  } cases[] = {
      {0, 1, 0, u"  劣化", u"  ＶＰ", u"   基Ⅰ"},
      {1, 1, 0, u"  部分", u"  ＶＰ", u"   基Ⅰ"},
      {2, 1, 0, u"  なし", u"  ＶＰ", u"   基Ⅰ"},
      {3, 1, 0, u"  劣化", u"  ＶＰ", u"   基Ⅰ"},      // past the three labels: deteriorated, as analysed
      {2 + 8, 1, 0, u"  なし", u"  ＶＰ", u"   基Ⅰ"},  // the core's bit does not touch the frame
      {1 + 4 + 64, 1, 0, u"  部分", u"  ＶＰ", u"   基Ⅰ"},
      {-1, 1, 0, u"  劣化", u"  ＶＰ", u"   基Ⅰ"},  // low bits 3
      {2, 31, 8, u"  なし", u"    ", u"     "},     // joint and foundation past their tables
      {2, -1, -1, u"  なし", u"    ", u"     "},
  };
  for (const Case& c : cases) {
    Walls[0][0][w].Deterioration = c.deterioration;
    HandSetStorey::Result(w).JointSpec = c.joint;
    HandSetStorey::Result(w).FoundationClass = c.foundation;
    const auto lines = Lines(Print()[0]);
    ASSERT_GE(lines.size(), 3u);
    const std::u16string& row = lines[2].second;
    EXPECT_EQ(row.substr(86, 4), c.joints) << c.deterioration;
    EXPECT_EQ(row.substr(91, 5), c.foundations) << c.deterioration;
    EXPECT_EQ(row.substr(102, 4), c.label) << c.deterioration;
    // A missing label leaves its field in half-width blanks, two cells short.
    EXPECT_EQ(Cells(row), c.joint == 1 ? 164 : 160) << c.deterioration;
  }
}

TEST_F(WallStrengthPagesTest, Method2LeavesOutWallsWithOpeningsAndListsTheColumns) {
  // Three X walls on line Y 2: a window (left out in method 2), the value 8
  // (no opening) and a plain wall.
  const int window = PartitionWall();
  Walls[0][0][window].OpeningKind = 1;
  const int eight = PartitionWall();
  Walls[0][0][eight].OpeningKind = 8;
  PartitionWall();
  // Two columns: at (4, 2) with strength in X and Y, partly deteriorated; at
  // (6, 2) without strength.
  ColumnCount[0][0] = 2;
  Columns[0][0][0] = ColumnRecord{0, 4, 2, 1, 0, 0, 0, 0, 0, 1};
  Columns[0][0][1] = ColumnRecord{0, 6, 2, 1, 0, 0, 0, 0, 0, 2};
  ColumnOrderY[0][0][0] = 1, ColumnOrderY[0][0][1] = 0;
  ColumnOrderX[0][0][0] = 0, ColumnOrderX[0][0][1] = 1;
  ColumnResult& r = ColumnResults[0][0][0];
  r.StrengthX = 2.42, r.StiffnessX = 300, r.StrengthY = 1.5, r.StiffnessY = 200;

  ProjectSettings.OtherElementsMethod = OtherElementsMethod2;
  const RecordedPage method2Page = Print()[0];
  EXPECT_TRUE(FindText(method2Page, u"現況 壁・柱耐力剛性（ 1階）"));
  auto lines = Lines(method2Page);
  // Rows at 318 and 358 (the window's left out), the subtotal at 398, then
  // "柱の耐力" after 5 mm (trunc(398 + 51) = 449) and the column at 489.
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[2].first, 318);
  EXPECT_EQ(lines[3].first, 358);
  EXPECT_EQ(lines[4], std::make_pair(398, Subtotal(u" 6.115  1223")));  // 2 x 3.0576, 2 x 611.52
  EXPECT_EQ(lines[5], std::make_pair(449, std::u16string(u"柱の耐力")));
  // s = 2.42, g = 300, 部分: d = 0.5, s x d = 1.21, g x d = 150.
  const std::u16string columnX = std::u16string(u" Ｘ      Y 2    X 4   ") + std::u16string(8, u' ') +
                                 std::u16string(32, u' ') + std::u16string(13, u' ') + u"2.42   300" +
                                 std::u16string(32, u' ') + u"  部分  0.50  0.50   1.210 " +
                                 std::u16string(8, u' ') + u" 1.210   150";
  EXPECT_EQ(lines[6], std::make_pair(489, columnX));
  // The X total after a blank step: the stored total, not the rows' sum.
  EXPECT_EQ(lines[7], std::make_pair(569, Total(u"Ｘ方向　計= ", u"  3.500   700")));
  // The Y block: no walls, a subtotal of zeros, then the column by its Y
  // strength (1.5 x 0.5 = 0.75, 200 x 0.5 = 100) on line X 4 at Y 2.
  ASSERT_GE(lines.size(), 12u);
  EXPECT_EQ(lines[8].second, Subtotal(u" 0.000     0"));
  EXPECT_EQ(lines[9].second, u"柱の耐力");
  EXPECT_EQ(lines[10].second.substr(0, 21), u" Ｙ      X 4    Y 2   ");
  EXPECT_EQ(lines[10].second.substr(lines[10].second.size() - 12), u" 0.750   100");

  // Method 1: every wall with a base strength, no column rows.
  ProjectSettings.OtherElementsMethod = OtherElementsMethod1;
  const RecordedPage page = Print()[0];
  lines = Lines(page);
  EXPECT_EQ(lines[5], std::make_pair(438, Subtotal(u" 9.173  1835")));  // 3 x 3.0576, 3 x 611.52
  EXPECT_EQ(FindText(page, u"柱の耐力"), nullptr);
  EXPECT_TRUE(FindText(page, u"現況 壁耐力剛性（ 1階）"));
}

TEST_F(WallStrengthPagesTest, ALongListContinuesAt24MillimetresWithTheSplitLinesSubtotalThere) {
  // 70 walls on line Y 2, each of strength 1 and stiffness 10. Rows stand at
  // 278 + 40 k: row 60 at 2678 (262.5 mm) is the last before y passes
  // 260 x 10.2 = 2652, so row 61 begins the continuation page.
  for (int i = 0; i < 70; ++i) {
    const int w = storey.Wall(i, 2, i + 1, 2);
    WallCaseResult& r = HandSetStorey::Result(w);
    r.BaseStrength = 1, r.StrengthX = 1, r.StiffnessX = 10, r.WallType = 0;
    HandSetStorey::XEntry(w, 2);
  }
  const auto pages = Print();
  ASSERT_EQ(pages.size(), 2u);
  const auto first = Lines(pages[0]), second = Lines(pages[1]);
  ASSERT_EQ(first.size(), 62u);  // two headings and 60 rows
  EXPECT_EQ(first.back().first, 2678);
  EXPECT_EQ(TextAt(pages[1], 203, 101), nullptr);  // no title
  EXPECT_EQ(FindText(pages[1], Heading1), nullptr);
  ASSERT_GE(second.size(), 11u);
  EXPECT_EQ(second[0].first, 243);  // trunc(203 + 40.8): 24 mm
  EXPECT_TRUE(StartsWith(second[0].second, u" Ｘ      Y 2    X60    "));
  EXPECT_EQ(second[9].first, 603);
  EXPECT_EQ(second[10], std::make_pair(643, Subtotal(u"70.000   700")));
  const auto* row = FindText(pages[1], second[0].second);
  EXPECT_EQ(row->Font.Height, 30);  // the body font
  EXPECT_EQ(row->Font.Width, 12);

  // The preview: page 1 answers that a page follows, page 2 that none does.
  for (int32_t wanted : {1, 2, 3}) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawWallStrengthPages(preview, PreviewPixelsPerMm, wanted), wanted == 1 ? 1 : 0) << wanted;
    EXPECT_EQ(preview.Pages.size(), wanted == 1 ? 1u : 2u) << wanted;
  }
}

TEST_F(WallStrengthPagesTest, TheSummaryGoesToAContinuationPageRatherThanRunPast289Millimetres) {
  // One X wall, then n Y walls on line X 2. Y rows stand at 499 + 40 j; the
  // last of 54 at 2659, its subtotal 2699, total 2779, rule 2880 and the
  // summary at 2920, whose bottom (2950) falls below 289 x 10.2 = 2947; with
  // 53 walls the summary stands at 2880 and stays.
  const int x = storey.Wall(3, 2, 5, 2);
  HandSetStorey::Result(x).BaseStrength = 1;
  HandSetStorey::XEntry(x, 2);
  for (int n : {53, 54}) {
    YWallCount[0][0] = 0;
    WallCount[0][0] = 1;
    for (int j = 0; j < n; ++j) {
      const int w = storey.Wall(2, j, 2, j + 1);
      HandSetStorey::Result(w).BaseStrength = 1;
      HandSetStorey::YEntry(w, 2);
    }
    const auto pages = Print();
    const auto first = Lines(pages[0]);
    if (n == 53) {
      ASSERT_EQ(pages.size(), 1u);
      EXPECT_EQ(first.back().first, 2880);
      EXPECT_TRUE(StartsWith(first.back().second, u"　  Ｘ方向耐力計＝"));
    } else {
      ASSERT_EQ(pages.size(), 2u);
      EXPECT_EQ(first.back(), std::make_pair(2880, std::u16string(82, u'─')));
      const auto second = Lines(pages[1]);
      ASSERT_EQ(second.size(), 1u);
      EXPECT_EQ(second[0].first, 243);
      EXPECT_TRUE(StartsWith(second[0].second, u"　  Ｘ方向耐力計＝"));
    }
  }
}

TEST_F(WallStrengthPagesTest, NoLineEndsBelow289MillimetresWhateverTheListsLength) {
  // One X wall and 40 to 80 Y walls on one line, with and without a detail
  // line each: every text of every page ends at 289 x 10.2 = 2947 or above.
  const int x = storey.Wall(3, 2, 5, 2);
  HandSetStorey::Result(x).BaseStrength = 1;
  HandSetStorey::XEntry(x, 2);
  for (int detail = 0; detail < 2; ++detail)
    for (int n = 40; n <= 80; ++n) {
      YWallCount[0][0] = 0;
      WallCount[0][0] = 1;
      for (int j = 0; j < n; ++j) {
        const int w = storey.Wall(2, j, 2, j + 1);
        Walls[0][0][w].Height = detail ? 2.4 : 0.0;
        HandSetStorey::Result(w).BaseStrength = 1;
        HandSetStorey::YEntry(w, 2);
      }
      for (const RecordedPage& page : Print())
        for (const auto* t : TextsOf(page)) EXPECT_LE(t->Args[1] + 30, 2947) << n << " " << Utf8(t->Text);
    }
}

class SnowHouseWallPagesTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    diagonal = BuildSnowHouse();
  }
  int diagonal = -1;
};

TEST_F(SnowHouseWallPagesTest, RowsTotalsColumnsAndTheDiagonalWallsHalves) {
  const auto pages = Print();
  // Two storeys, without and with snow.
  ASSERT_EQ(pages.size(), 4u);
  const char* titles[] = {"補強計画 壁・柱耐力剛性（ 1階）", "補強計画 壁・柱耐力剛性（ 2階）",
                          "補強計画 壁・柱耐力剛性（ 1階）   積雪時",
                          "補強計画 壁・柱耐力剛性（ 2階）   積雪時"};
  for (int p = 0; p < 4; ++p) {
    const auto* title = TextAt(pages[p], 203, 101);
    ASSERT_TRUE(title) << p;
    EXPECT_EQ(Utf8(title->Text), titles[p]);
    // Headings at 24 and 27.5 mm: trunc(203 + 40.8) = 243, trunc(243 + 35.7) = 278.
    ASSERT_TRUE(TextAt(pages[p], RowX, 243));
    EXPECT_EQ(TextAt(pages[p], RowX, 243)->Text, Heading1);
    EXPECT_EQ(TextAt(pages[p], RowX, 278)->Text, Heading2);
  }

  const int v = RetrofitPlan1;
  for (int pass = 0; pass < 2; ++pass) {
    const RecordedPage& page = pages[2 * pass];
    const auto lines = Lines(page);
    // Only the changed wall carries a number, and it is the first numbered.
    int numbered = 0, subtotals = 0, columns = 0;
    bool inY = false, inColumns = false;
    std::vector<std::u16string> diagonalX, diagonalY;
    for (const auto& [y, text] : lines) {
      if (StartsWith(text, u" Ｙ ")) inY = true;
      if (text == u"柱の耐力") inColumns = true;
      if (StartsWith(text, std::u16string(139, u' '))) inColumns = false;
      if ((StartsWith(text, u" Ｘ (") || StartsWith(text, u" Ｙ (")) && !inColumns) {
        ++numbered;
        EXPECT_TRUE(StartsWith(text, u" Ｘ ( 1) ")) << Utf8(text);
      }
      if (text.find(u"小計-") != std::u16string::npos) ++subtotals;
      if (inColumns && text != u"柱の耐力") {
        ++columns;
        // A column row: s x d with d = 0.5 of a partly deteriorated column.
        EXPECT_NE(text.find(u"部分  0.50  0.50"), std::u16string::npos) << Utf8(text);
      }
      // The diagonal wall's rows: its length, sqrt(2) x 1.82 = 2.574 m.
      if (!inColumns && text.size() > 63 && text.substr(57, 6) == u"2.574 ")
        (inY ? diagonalY : diagonalX).push_back(text);
    }
    EXPECT_EQ(numbered, 1) << pass;
    EXPECT_GE(subtotals, 4) << pass;
    EXPECT_GE(columns, 1) << pass;
    // Listed twice in each block, each time with half its strength and
    // stiffness, on its two lines.
    const WallCaseResult& r = WallResults[v][0][diagonal].Blocks[0];
    const SnowWallCaseResult& sr = SnowWallResults[v][0][diagonal].Blocks[0];
    ASSERT_EQ(diagonalX.size(), 2u) << pass;
    ASSERT_EQ(diagonalY.size(), 2u) << pass;
    const double sx = pass ? sr.StrengthX : r.StrengthX, kx = pass ? sr.StiffnessX : r.StiffnessX;
    const double sy = pass ? sr.StrengthY : r.StrengthY, ky = pass ? sr.StiffnessY : r.StiffnessY;
    ASSERT_GT(sx, 0);
    ASSERT_GT(sy, 0);
    for (const auto& row : diagonalX)
      EXPECT_EQ(row.substr(row.size() - 12), FormatW(u"%6.3f %5.0f", sx / 2, kx / 2));
    for (const auto& row : diagonalY)
      EXPECT_EQ(row.substr(row.size() - 12), FormatW(u"%6.3f %5.0f", sy / 2, ky / 2));
    EXPECT_NE(diagonalX[0].substr(8, 6), diagonalX[1].substr(8, 6));  // two lines
    EXPECT_NE(diagonalY[0].substr(8, 6), diagonalY[1].substr(8, 6));
    // The direction totals and the summary are the stored storey values.
    const double wx = (pass ? WallStrengthXSnow : WallStrengthX)[v][0][0];
    const double wy = (pass ? WallStrengthYSnow : WallStrengthY)[v][0][0];
    const double gx = (pass ? StiffnessSumXSnow : StiffnessSumX)[v][0][0];
    const double gy = (pass ? StiffnessSumYSnow : StiffnessSumY)[v][0][0];
    EXPECT_TRUE(FindText(page, std::u16string(139, u' ') + FormatW(u"Ｘ方向　計= %7.3f %5.0f", wx, gx)))
        << pass;
    EXPECT_TRUE(FindText(page, std::u16string(139, u' ') + FormatW(u"Ｙ方向　計= %7.3f %5.0f", wy, gy)))
        << pass;
    EXPECT_EQ(lines.back().second, FormatW(u"　  Ｘ方向耐力計＝ %8.3f      Ｙ方向耐力計＝ %8.3f　  "
                                           u"Ｘ方向剛性計＝ %8.3f      Ｙ方向剛性計＝ %8.3f",
                                           wx, wy, gx, gy));
  }
}

TEST_F(SnowHouseWallPagesTest, ValueColumnsLineUpUnderTheirHeadingsByCells) {
  // 壁長 in the second heading begins at cell 69; the length value of every
  // wall row begins at cell 68 (the lead's 30 cells, the wall type's 20
  // whether its label has seven or eight full-width characters, the symbols'
  // 16 and two blanks) and spans the heading word. Every wall row, subtotal
  // and direction total ends at cell 164, under the end of "剛性".
  const std::u16string h2 = Heading2;
  EXPECT_EQ(Cells(h2.substr(0, h2.find(u"壁長"))), 69);
  EXPECT_EQ(Cells(h2), 164);
  bool seven = false, eight = false;
  for (const RecordedPage& page : Print()) {
    bool inColumns = false;
    for (const auto& [y, text] : Lines(page)) {
      if (text == u"柱の耐力") inColumns = true;
      const bool wallRow = (StartsWith(text, u" Ｘ ") || StartsWith(text, u" Ｙ ")) && !inColumns;
      const bool closing =
          text.find(u"小計-") != std::u16string::npos || text.find(u"方向　計=") != std::u16string::npos;
      if (closing) inColumns = false;
      if (wallRow) {
        EXPECT_EQ(Cells(text.substr(0, 57)), 68) << Utf8(text);
        EXPECT_NE(text[57], u' ') << Utf8(text);
        seven = seven || text.find(u"外周壁無開口壁") != std::u16string::npos;
        eight = eight || text.find(u"間仕切壁無開口壁") != std::u16string::npos;
      }
      if (wallRow || closing) {
        EXPECT_EQ(Cells(text), 164) << Utf8(text);
      }
    }
  }
  EXPECT_TRUE(seven);
  EXPECT_TRUE(eight);
}

TEST_F(SnowHouseWallPagesTest, PagesPerStoreyAndPassInThePreviewAndInPrint) {
  // (top storey + 1) x (1 + snow) = 4 pages: the preview answers 1, 1, 1, 0
  // and shows the last page for any page beyond.
  const int32_t results[] = {1, 1, 1, 0, 0};
  for (int32_t wanted = 1; wanted <= 5; ++wanted) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawWallStrengthPages(preview, PreviewPixelsPerMm, wanted), results[wanted - 1]) << wanted;
    EXPECT_EQ(preview.Pages.size(), static_cast<std::size_t>(std::min(wanted, 4))) << wanted;
    EXPECT_EQ(preview.NewPageCount, 0);
  }
  RecordingPageSink printer;
  EXPECT_EQ(DrawWallStrengthPages(printer, 23.328, 0), 0);
  EXPECT_EQ(printer.Pages.size(), 4u);
  EXPECT_EQ(printer.NewPageCount, 3);
  // Without snow, one page per storey.
  ProjectSettings.SnowLoad = 0;
  RecordingPageSink plain;
  DrawWallStrengthPages(plain, PreviewPixelsPerMm, 0);
  EXPECT_EQ(plain.Pages.size(), 2u);
  EXPECT_EQ(plain.NewPageCount, 1);
}

}  // namespace
