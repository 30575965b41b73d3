// The rigidity and eccentricity pages: per-line sums of hand-set storeys
// worked out by hand (walls of 400, 600 and 0 on one line, a diagonal wall's
// halves and mean second moments in both tables), the storey's 計 lines and
// closing lines as stored, a storey without walls, an empty X table naming
// the origin axis, the snow pass (listed by the stiffness without snow), the
// snow house painted by the chain, and the paging: a line row past 270 mm,
// the 289 mm bottom rule for the Y headings and the first Y row, the
// wanted-page countdown and the printed new pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "WallPagesFixture.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"

namespace {

// At 10.2 pixels per millimetre: text at x = 20 mm is at 203; the table
// starts at 142 mm = trunc(1448.4) = 1448 and every 3.5 mm step adds 35.
constexpr int32_t TextX = 203;

constexpr char16_t Heading1[] =
    u"方向  通り名     剛性　   　原点からの距離                                        剛心からの距離";
constexpr char16_t Heading2X[] =
    u"                  Lx 　      Y        LxY                                          Y'      LxY'Y'";
constexpr char16_t Heading2Y[] =
    u"                  Ly   　    X        LyX                                          X'      LyX'X'";

std::vector<RecordedPage> Print() {
  RecordingPageSink sink;
  EXPECT_EQ(DrawRigidityPages(sink, PreviewPixelsPerMm, 0), 0);
  return sink.Pages;
}

// The texts at x = 20 mm from y on, as (y, text): the tables below the plan.
std::vector<std::pair<int32_t, std::u16string>> Lines(const RecordedPage& page, int32_t fromY = 1440) {
  std::vector<std::pair<int32_t, std::u16string>> lines;
  for (const auto* t : TextsAtX(page, TextX))
    if (t->Args[1] >= fromY) lines.emplace_back(t->Args[1], t->Text);
  return lines;
}

// A line row: the direction, the line's name in six, ΣL, distance, ΣLd,
// 35 blanks, distance from the centre, ΣLd².
std::u16string Row(const char16_t* direction, const char16_t* name, const char16_t* values,
                   const char16_t* centre) {
  return std::u16string(direction) + name + values + std::u16string(35, u' ') + centre;
}

class RigidityPagesTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    storey.Reset();
    ProjectSettings.TopStorey[0] = 0;
    ProjectSettings.SnowLoad = 0;
    GridOriginAxisX = 1;
    GridOriginAxisY = 4;
    for (int snow = 0; snow < 2; ++snow) {
      const double k = snow ? 2 : 1;  // the snow twins are twice the values
      (snow ? StiffnessSumXSnow : StiffnessSumX)[0][0][0] = 1300 * k;
      (snow ? StiffnessMomentYSnow : StiffnessMomentY)[0][0][0] = 2060 * k;
      (snow ? RigidityCentreYSnow : RigidityCentreY)[0][0][0] = 1.585 * k;
      (snow ? EccentricityYSnow : EccentricityY)[0][0][0] = 0.25 * k;
      (snow ? SecondMomentIySnow : SecondMomentIy)[0][0][0] = 350 * k;
      (snow ? StiffnessSumYSnow : StiffnessSumY)[0][0][0] = 700 * k;
      (snow ? StiffnessMomentXSnow : StiffnessMomentX)[0][0][0] = 615 * k;
      (snow ? RigidityCentreXSnow : RigidityCentreX)[0][0][0] = 0.879 * k;
      (snow ? EccentricityXSnow : EccentricityX)[0][0][0] = -0.1 * k;
      (snow ? SecondMomentIxSnow : SecondMomentIx)[0][0][0] = 110 * k;
      (snow ? TorsionalStiffnessSnow : TorsionalStiffness)[0][0][0] = 460 * k;
      (snow ? ElasticRadiusXSnow : ElasticRadiusX)[0][0][0] = 0.595 * k;
      (snow ? ElasticRadiusYSnow : ElasticRadiusY)[0][0][0] = 0.811 * k;
      (snow ? EccentricityRatioXSnow : EccentricityRatioX)[0][0][0] = 0.42 * k;
      (snow ? EccentricityRatioYSnow : EccentricityRatioY)[0][0][0] = 0.123 * k;
    }
  }
  HandSetStorey storey;

  // Line Y 2: walls of stiffness 400, 600 and 0 (the last carries moments
  // and a distance that must not count); a diagonal wall from (6, 3) to
  // (8, 5) in both lists; a Y wall on line X 1.
  void BuildLines() {
    struct XWall {
      double stiffness, moment, second, fromOrigin, fromCentre;
    } walls[] = {{400, 728, 100, 1.82, -0.5}, {600, 1092, 150, 1.82, -0.5}, {0, 999, 999, 9.99, 9.99}};
    for (int i = 0; i < 3; ++i) {
      const int w = storey.Wall(2 * i, 2, 2 * i + 2, 2);
      WallCaseResult& r = HandSetStorey::Result(w);
      r.StiffnessX = walls[i].stiffness, r.LxY = walls[i].moment, r.LxYY = walls[i].second;
      r.StartYFromOrigin = walls[i].fromOrigin, r.StartYFromCentre = walls[i].fromCentre;
      HandSetStorey::XEntry(w, 2);
    }
    const int d = storey.Wall(6, 3, 8, 5);
    WallCaseResult& r = HandSetStorey::Result(d);
    r.StiffnessX = 300, r.LxY = 120, r.LxYY = 40, r.LxYYEnd = 60, r.StartYFromOrigin = 2.73,
    r.StartYFromCentre = 0.41;
    r.StiffnessY = 200, r.LyX = 80, r.LyXX = 10, r.LyXXEnd = 30, r.StartXFromOrigin = 5.46,
    r.StartXFromCentre = 1.2;
    HandSetStorey::XEntry(d, 3);
    HandSetStorey::XEntry(d, 5);
    const int y = storey.Wall(1, 0, 1, 2);
    WallCaseResult& ry = HandSetStorey::Result(y);
    ry.StiffnessY = 500, ry.LyX = 455, ry.LyXX = 70, ry.StartXFromOrigin = 0.91, ry.StartXFromCentre = -2.0;
    HandSetStorey::YEntry(y, 1);
    HandSetStorey::YEntry(d, 6);
    HandSetStorey::YEntry(d, 8);
  }
};

TEST_F(RigidityPagesTest, LineSumsStoreyLinesAndClosingLinesAsWorkedByHand) {
  BuildLines();
  const auto pages = Print();
  ASSERT_EQ(pages.size(), 1u);
  const auto* title = TextAt(pages[0], 203, 101);
  ASSERT_TRUE(title);
  EXPECT_EQ(Utf8(title->Text), "現況 剛心･偏心率（ 1階）");  // no snow: no suffix
  EXPECT_EQ(title->Font.Height, 50);
  EXPECT_EQ(title->Font.Weight, 800);

  const std::vector<std::pair<int32_t, std::u16string>> expected = {
      {1483, Heading1},
      {1518, Heading2X},
      // Line Y 2: 400 + 600 (the wall of stiffness 0 is not listed), first
      // moments 728 + 1092, second 100 + 150; distances of its latest wall.
      {1553, Row(u" Ｘ   ", u"Y 2   ", u"   1000.000     1.820   1820.000", u"  -0.500    250.000")},
      // The diagonal wall on each of its lines: half of 300, its first moment
      // as the analysis halved it, the mean of 40 and 60.
      {1588, Row(u" Ｘ   ", u"Y 3   ", u"    150.000     2.730    120.000", u"   0.410     50.000")},
      {1623, Row(u" Ｘ   ", u"Y 5   ", u"    150.000     2.730    120.000", u"   0.410     50.000")},
      // 2 mm steps: trunc(1623 + 20.4) = 1643, then 1663.
      {1643, std::u16string(49, u'─')},
      {1663,
       u"    計  ΣLx=  1300.000     ΣLxY=  2060.000      Ys=  1.585    ey=  0.250          Iy=    350.000"},
      // a blank step to trunc(1663 + 35.7) = 1698
      {1733, Heading1},
      {1768, Heading2Y},
      {1803, Row(u" Ｙ   ", u"X 1   ", u"    500.000     0.910    455.000", u"  -2.000     70.000")},
      // Half of 200, 80, the mean of 10 and 30.
      {1838, Row(u" Ｙ   ", u"X 6   ", u"    100.000     5.460     80.000", u"   1.200     20.000")},
      {1873, Row(u" Ｙ   ", u"X 8   ", u"    100.000     5.460     80.000", u"   1.200     20.000")},
      {1893, std::u16string(49, u'─')},
      {1913,
       u"    計  ΣLy=   700.000     ΣLyX=   615.000      Xs=  0.879    ex= -0.100          Ix=    110.000"},
      // a blank step of 4 mm to trunc(1913 + 40.8) = 1953
      {1988, u"ねじり剛性 Kr=(Iy+Ix)=    460.000  rex=(Kr/ΣLx)**1/2= 0.595   偏心率 Rex=(ey/rex)= 0.420"},
      {2023, std::u16string(35, u' ') + u"rey=(Kr/ΣLy)**1/2= 0.811   偏心率 Rey=(ex/rey)= 0.123"},
  };
  EXPECT_EQ(Lines(pages[0]), expected);
  for (const auto& [y, text] : expected) {
    const auto* t = TextAt(pages[0], TextX, y);
    EXPECT_EQ(t->Font.Height, 30);  // 3 x 1.5 mm
    EXPECT_EQ(t->Font.Width, 15);
    EXPECT_EQ(t->Font.Weight, 400);
  }
}

TEST_F(RigidityPagesTest, AStoreyWithoutWallsShowsOnlyTheClosingLines) {
  const auto lines = Lines(Print()[0]);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].first, 1483);  // 145.5 mm
  EXPECT_EQ(lines[1].first, 1518);  // 149 mm
  EXPECT_TRUE(StartsWith(lines[0].second, u"ねじり剛性"));
}

TEST_F(RigidityPagesTest, AStoreyWithWallsOnlyInYNamesTheOriginAxisInItsXRow) {
  const int y = storey.Wall(1, 0, 1, 2);
  HandSetStorey::Result(y).StiffnessY = 500;
  HandSetStorey::YEntry(y, 1);
  const auto lines = Lines(Print()[0]);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[1].second, Heading2X);
  // GridOriginAxisY is 4.
  EXPECT_EQ(lines[2], std::make_pair(1553, Row(u" Ｘ   ", u"Y 4   ", u"      0.000     0.000      0.000",
                                               u"   0.000      0.000")));
  EXPECT_TRUE(StartsWith(lines[4].second, u"    計  ΣLx=  1300.000"));
}

TEST_F(RigidityPagesTest, TheSnowPassListsByTheStiffnessWithoutSnowAndSumsTheSnowValues) {
  BuildLines();
  ProjectSettings.SnowLoad = 0.26 * 1.5;
  // With snow: the listed walls 410 and 620; the wall of stiffness 0
  // without snow stays out although its snow stiffness is 77.
  const double snowStiffness[] = {410, 620, 77};
  for (int w = 0; w < 3; ++w) {
    SnowWallCaseResult& s = HandSetStorey::Snow(w);
    s.StiffnessX = snowStiffness[w], s.LxY = 2 * snowStiffness[w], s.LxYY = 1;
    s.StartYFromOrigin = 1.9, s.StartYFromCentre = -0.4;
  }
  SnowWallCaseResult& d = HandSetStorey::Snow(3);
  d.StiffnessX = 320, d.LxY = 130, d.LxYY = 44, d.LxYYEnd = 66, d.StartYFromOrigin = 2.8,
  d.StartYFromCentre = 0.5;
  const auto pages = Print();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(Utf8(TextAt(pages[0], 203, 101)->Text), "現況 剛心･偏心率（ 1階）  雪なし時");
  EXPECT_EQ(Utf8(TextAt(pages[1], 203, 101)->Text), "現況 剛心･偏心率（ 1階）  積雪時");
  const auto lines = Lines(pages[1]);
  ASSERT_GE(lines.size(), 16u);
  // 410 + 620, 820 + 1240, 1 + 1.
  EXPECT_EQ(lines[2].second,
            Row(u" Ｘ   ", u"Y 2   ", u"   1030.000     1.900   2060.000", u"  -0.400      2.000"));
  // Half of 320; 130; the mean of 44 and 66.
  EXPECT_EQ(lines[3].second,
            Row(u" Ｘ   ", u"Y 3   ", u"    160.000     2.800    130.000", u"   0.500     55.000"));
  // The storey values are the snow twins (twice the plain ones here).
  EXPECT_EQ(
      lines[6].second,
      u"    計  ΣLx=  2600.000     ΣLxY=  4120.000      Ys=  3.170    ey=  0.500          Iy=    700.000");
  EXPECT_EQ(lines[14].second,
            u"ねじり剛性 Kr=(Iy+Ix)=    920.000  rex=(Kr/ΣLx)**1/2= 1.190   偏心率 Rex=(ey/rex)= 0.840");
  EXPECT_EQ(lines[15].second,
            std::u16string(35, u' ') + u"rey=(Kr/ΣLy)**1/2= 1.622   偏心率 Rey=(ex/rey)= 0.246");
}

// n X walls on lines Y 0 .. Y n-1, one each; no Y wall.
void WallsOnSeparateLines(HandSetStorey& storey, int n) {
  for (int j = 0; j < n; ++j) {
    const int w = storey.Wall(0, j, 1, j);
    HandSetStorey::Result(w).StiffnessX = 1;
    HandSetStorey::XEntry(w, j);
  }
}

TEST_F(RigidityPagesTest, ALineRowPast270MillimetresEndsThePage) {
  // Line rows at 1518 + 35 k; row 36 at 2778 passes 270 x 10.2 = 2754 and,
  // written inside the walk, ends the page. Rows 37 to 40 follow on a page
  // without title, plan or headings from 23.3 mm: trunc(203 + 35.7) = 238.
  WallsOnSeparateLines(storey, 40);
  const auto pages = Print();
  ASSERT_EQ(pages.size(), 2u);
  const auto first = Lines(pages[0]);
  EXPECT_EQ(first.back(), std::make_pair(2778, Row(u" Ｘ   ", u"Y35   ", u"      1.000     0.000      0.000",
                                                   u"   0.000      0.000")));
  const auto second = Lines(pages[1], 0);
  ASSERT_GE(second.size(), 4u);
  EXPECT_EQ(second[0].first, 238);
  EXPECT_TRUE(StartsWith(second[0].second, u" Ｘ   Y36"));
  EXPECT_EQ(second[3].first, 343);
  EXPECT_TRUE(StartsWith(second[3].second, u" Ｘ   Y39"));
  // No title, no plan (whose frame is the only rectangle but the white
  // page's) and no X headings; the Y table's own follow the X table.
  EXPECT_EQ(TextAt(pages[1], 203, 101), nullptr);
  for (const auto& call : pages[1])
    if (call.Kind == RecordingCanvas::Op::Rectangle) {
      EXPECT_EQ(call.Args[0], 0);
    }
  EXPECT_EQ(FindText(pages[1], Heading2X), nullptr);
  const auto* row = FindText(pages[1], second[0].second);
  EXPECT_EQ(row->Font.Height, 30);
  EXPECT_EQ(row->Font.Width, 15);

  for (int32_t wanted : {1, 2, 3}) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawRigidityPages(preview, PreviewPixelsPerMm, wanted), wanted == 1 ? 1 : 0) << wanted;
  }
}

TEST_F(RigidityPagesTest, TheYHeadingsAndFirstYRowMoveRatherThanRunPast289Millimetres) {
  // 36 lines: the last X row (no break check) at 2778, the rule at 2798, 計
  // at 2818, a blank step to 2853, the first Y heading at 2888 (its bottom
  // 2918 fits) and the second at 2923, whose bottom 2953 passes 2947: it
  // moves to a continuation page at 238. With 35 lines the second heading
  // stands at 2888 and the first Y row (the origin axis) moves.
  for (int n : {36, 35}) {
    XWallCount[0][0] = 0;
    WallCount[0][0] = 0;
    WallsOnSeparateLines(storey, n);
    const auto pages = Print();
    ASSERT_EQ(pages.size(), 2u) << n;
    const auto first = Lines(pages[0]);
    const auto second = Lines(pages[1], 0);
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second[0].first, 238) << n;
    if (n == 36) {
      EXPECT_EQ(first.back(), std::make_pair(2888, std::u16string(Heading1)));
      EXPECT_EQ(second[0].second, Heading2Y);
      EXPECT_EQ(second[1].first, 273);
      EXPECT_TRUE(StartsWith(second[1].second, u" Ｙ   X 1"));  // the origin axis, GridOriginAxisX
    } else {
      EXPECT_EQ(first.back(), std::make_pair(2888, std::u16string(Heading2Y)));
      EXPECT_TRUE(StartsWith(second[0].second, u" Ｙ   X 1"));
    }
    EXPECT_TRUE(StartsWith(second.back().second, std::u16string(35, u' ') + u"rey="));
  }
}

TEST_F(RigidityPagesTest, NoLineEndsBelow289MillimetresWhateverTheNumberOfLines) {
  // 25 to 45 X lines and a Y wall: every text of every page ends at 2947 or above.
  for (int n = 25; n <= 45; ++n) {
    XWallCount[0][0] = YWallCount[0][0] = 0;
    WallCount[0][0] = 0;
    WallsOnSeparateLines(storey, n);
    const int y = storey.Wall(1, 0, 1, 2);
    HandSetStorey::Result(y).StiffnessY = 500;
    HandSetStorey::YEntry(y, 1);
    for (const RecordedPage& page : Print())
      for (const auto* t : TextsOf(page)) EXPECT_LE(t->Args[1] + 30, 2947) << n << " " << Utf8(t->Text);
  }
}

TEST_F(ReportTest, TheSnowHousesRigidityPagesAgainstItsStoredResults) {
  const int diagonal = BuildSnowHouse();
  const int v = RetrofitPlan1;
  RecordingPageSink printer;
  EXPECT_EQ(DrawRigidityPages(printer, PreviewPixelsPerMm, 0), 0);
  ASSERT_EQ(printer.Pages.size(), 4u);
  EXPECT_EQ(printer.NewPageCount, 3);
  const char* titles[] = {"補強計画 剛心･偏心率（ 1階）  雪なし時", "補強計画 剛心･偏心率（ 2階）  雪なし時",
                          "補強計画 剛心･偏心率（ 1階）  積雪時", "補強計画 剛心･偏心率（ 2階）  積雪時"};
  for (int p = 0; p < 4; ++p) {
    ASSERT_TRUE(TextAt(printer.Pages[p], 203, 101)) << p;
    EXPECT_EQ(Utf8(TextAt(printer.Pages[p], 203, 101)->Text), titles[p]);
  }
  for (int pass = 0; pass < 2; ++pass) {
    const RecordedPage& page = printer.Pages[2 * pass];
    const auto& r = WallResults[v][0][diagonal].Blocks[0];
    const auto& sr = SnowWallResults[v][0][diagonal].Blocks[0];
    // The diagonal wall alone stands on Y 11 and Y 13 (and X 19, X 21): half
    // its stiffness and the mean of its second moments on each.
    const double kx = pass ? sr.StiffnessX : r.StiffnessX, ky = pass ? sr.StiffnessY : r.StiffnessY;
    const double ixx = pass ? (sr.LxYY + sr.LxYYEnd) / 2 : (r.LxYY + r.LxYYEnd) / 2;
    const double iyy = pass ? (sr.LyXX + sr.LyXXEnd) / 2 : (r.LyXX + r.LyXXEnd) / 2;
    ASSERT_GT(kx, 0);
    for (int line : {SnowHouseDiagonalY1, SnowHouseDiagonalY2}) {
      const std::u16string start = FormatW(u" Ｘ   %-6s %10.3f", GridAxisNameY[line], kx / 2);
      const auto texts = TextsOf(page);
      EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const auto* t) {
        return StartsWith(t->Text, start);
      })) << Utf8(start);
    }
    int xRows = 0, yRows = 0;
    for (const auto* t : TextsOf(page)) {
      if (t->Text.size() < 11) continue;
      const bool x = StartsWith(t->Text, u" Ｘ   ");
      if (!x && !StartsWith(t->Text, u" Ｙ   ")) continue;
      const std::u16string name = t->Text.substr(5, 6);
      const bool diagonalLine = x ? (name == FormatW(u"%-6s", GridAxisNameY[SnowHouseDiagonalY1]) ||
                                     name == FormatW(u"%-6s", GridAxisNameY[SnowHouseDiagonalY2]))
                                  : (name == FormatW(u"%-6s", GridAxisNameX[SnowHouseDiagonalX1]) ||
                                     name == FormatW(u"%-6s", GridAxisNameX[SnowHouseDiagonalX2]));
      if (!diagonalLine) continue;
      (x ? xRows : yRows)++;
      EXPECT_EQ(t->Text.substr(t->Text.size() - 10), FormatW(u"%10.3f", x ? ixx : iyy)) << Utf8(t->Text);
      EXPECT_EQ(t->Text.substr(11, 11), FormatW(u" %10.3f", (x ? kx : ky) / 2)) << Utf8(t->Text);
    }
    EXPECT_EQ(xRows, 2) << pass;
    EXPECT_EQ(yRows, 2) << pass;
    // The 計 lines and the closing lines: the stored values of the pass.
    const auto at = [&](const StoreyCaseArray& plain, const StoreyCaseArray& snow) {
      return (pass ? snow : plain)[v][0][0];
    };
    EXPECT_TRUE(FindText(
        page, FormatW(u"    計  ΣLx=%10.3f     ΣLxY=%10.3f      Ys=%7.3f    ey=%7.3f          Iy=%11.3f",
                      at(StiffnessSumX, StiffnessSumXSnow), at(StiffnessMomentY, StiffnessMomentYSnow),
                      at(RigidityCentreY, RigidityCentreYSnow), at(EccentricityY, EccentricityYSnow),
                      at(SecondMomentIy, SecondMomentIySnow))))
        << pass;
    EXPECT_TRUE(FindText(
        page, FormatW(u"ねじり剛性 Kr=(Iy+Ix)=%11.3f  rex=(Kr/ΣLx)**1/2=%6.3f   偏心率 Rex=(ey/rex)=%6.3f",
                      at(TorsionalStiffness, TorsionalStiffnessSnow), at(ElasticRadiusX, ElasticRadiusXSnow),
                      at(EccentricityRatioX, EccentricityRatioXSnow))))
        << pass;
  }
  // The preview: 1, 1, 1, 0 and 0 beyond.
  const int32_t results[] = {1, 1, 1, 0, 0};
  for (int32_t wanted = 1; wanted <= 5; ++wanted) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawRigidityPages(preview, PreviewPixelsPerMm, wanted), results[wanted - 1]) << wanted;
    EXPECT_EQ(preview.Pages.size(), static_cast<std::size_t>(std::min(wanted, 4))) << wanted;
  }
}

}  // namespace
