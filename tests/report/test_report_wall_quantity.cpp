// The wall-quantity report of a two-storey house (tests/report/
// WallQuantityHouse.h) painted twice: the page order and the paging in print
// and preview, the floor-area rows (added area, eaves by method, the
// computed zone areas), the required wall lengths (manual areas, soft
// ground, weight and storey labels), the existing-wall lists (a diagonal
// wall in halves, subtotals, totals), the judgement page (marks, "---" where
// nothing is required, the verdict 20 mm below the table), the row breaks at
// 270 mm (floor areas, after the row) and 260 mm (walls, before the row), the
// 289 mm bottom rule, and damaged indices.
//
// Positions are in preview units (10.2 per mm, every product truncated):
// 20 mm is 203 and 10 mm 101, a 4 mm step adds 40 (40.8 truncated from a whole y), 6 mm 61
// or 62 by the fraction carried, 270 mm is 2754 and 260 mm 2652; a text line
// 3 mm (30 units) high may end at 289 mm = 2947.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ReportTestHelpers.h"
#include "WallQuantityHouse.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"
#include "report/ReportPrinting.h"

namespace {

namespace house = wallquantityhouse;

constexpr double Ppm = PreviewPixelsPerMm;
constexpr int32_t X20 = 203;  // 20 mm

class WallQuantityReportTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    house::BuildAndPaintHouse();
  }
  void TearDown() override { house::RestoreStartGrid(); }

  // Every page, drawn for print at the preview's scale.
  std::vector<RecordedPage> PrintAll() {
    RecordingPageSink print;
    EXPECT_EQ(DrawWallQuantityReport(print, Ppm, 0), 0);
    return print.Pages;
  }
  // The title of a page: the text at (20, 10) mm, empty on a continuation page.
  static std::string Title(const RecordedPage& page) {
    const auto* title = TextAt(page, X20, 101);
    return title ? Utf8(title->Text) : std::string();
  }
  // The y of the text, -1 when the page lacks it.
  static int32_t YOf(const RecordedPage& page, std::u16string_view text) {
    const auto* call = FindText(page, text);
    return call ? call->Args[1] : -1;
  }
  // The body texts of a page in order (no header, no scale note).
  static std::vector<std::string> Body(const RecordedPage& page) {
    std::vector<std::string> texts;
    for (const auto* t : TextsOf(page))
      if (t->Args[1] != 0 && t->Text.rfind(u"SCALE", 0) != 0) texts.push_back(Utf8(t->Text));
    return texts;
  }
  // Storey s's roof/floor areas: n light floors of 1 m² and nothing else.
  static void SmallRectangles(int s, int n) {
    RoofFloorRectCount[CurrentState][s] = 0;
    RoofFloorTriangleCount[CurrentState][s] = 0;
    for (int i = 0; i < n; ++i) house::Rect(s, 10 + i % 6, 10 + i / 6 % 6, 11 + i % 6, 11 + i / 6 % 6, 0);
  }
};

const std::vector<std::string> HouseTitles = {
    "現況 必要壁量（ 1階床面積）", "現況 必要壁量（ 2階床面積）", "現況 必要壁量",
    "現況 存在壁量（ 1階）",       "現況 存在壁量（ 2階）",       "現況 壁量判定",
};

// --- Pages and paging ----------------------------------------------------------

TEST_F(WallQuantityReportTest, SixPagesInOrderPrintedWithFiveNewSheets) {
  RecordingPageSink print;
  EXPECT_EQ(PrintReportFamilies(print, {PageWallQuantity}), 1);
  ASSERT_EQ(print.Pages.size(), 6u);
  EXPECT_EQ(print.NewPageCount, 5);
  EXPECT_EQ(print.Events, (std::vector<std::string>{"page", "new", "page", "new", "page", "new", "page",
                                                    "new", "page", "new", "page"}));
  // The printer's own scale: titles found by their text.
  for (std::size_t i = 0; i < HouseTitles.size(); ++i) {
    bool found = false;
    for (const auto* t : TextsOf(print.Pages[i])) found = found || Utf8(t->Text) == HouseTitles[i];
    EXPECT_TRUE(found) << i;
  }
  // The header counts the job's sheets.
  EXPECT_EQ(Utf8(TextsOf(print.Pages[5])[0]->Text).substr(0, 35), "Quilmora2025 Ver5.0.1 [   P. 6 ] 20");
}

// A progress that stops the job once stopAfter sheets are done.
class StoppingProgress final : public PrintJobProgress {
 public:
  explicit StoppingProgress(int32_t stopAfter) : stopAfter_(stopAfter) {}
  void FamilyBegins(int32_t index, int32_t count, int32_t kind) override {
    Families.push_back({index, count, kind});
  }
  bool SheetPrinted(int32_t sheets) override {
    Sheets.push_back(sheets);
    return sheets < stopAfter_;
  }
  std::vector<std::vector<int32_t>> Families;
  std::vector<int32_t> Sheets;

 private:
  int32_t stopAfter_;
};

TEST_F(WallQuantityReportTest, AStoppedJobEndsOnTheSheetItWasStoppedOn) {
  // The six wall-quantity pages, then the one-page verification sheet.
  struct Case {
    int32_t stopAfter;
    std::vector<std::string> events;
    std::size_t families;
  };
  const Case cases[] = {
      {1, {"page"}, 1},
      {3, {"page", "new", "page", "new", "page"}, 1},
      // Stopped on the family's last sheet: the next family does not begin.
      {6, {"page", "new", "page", "new", "page", "new", "page", "new", "page", "new", "page"}, 1},
      // Never stopped: both families, seven sheets.
      {99,
       {"page", "new", "page", "new", "page", "new", "page", "new", "page", "new", "page", "new", "page"},
       2},
  };
  for (const Case& c : cases) {
    RecordingPageSink print;
    StoppingProgress progress(c.stopAfter);
    PrintReportFamilies(print, {PageWallQuantity, PageVerification}, &progress);
    EXPECT_EQ(print.Events, c.events) << c.stopAfter;
    ASSERT_EQ(progress.Families.size(), c.families) << c.stopAfter;
    EXPECT_EQ(progress.Families[0], (std::vector<int32_t>{0, 2, PageWallQuantity}));
    if (c.families == 2) {
      EXPECT_EQ(progress.Families[1], (std::vector<int32_t>{1, 2, PageVerification}));
    }
    // Told of every sheet, counted over the whole job.
    EXPECT_EQ(progress.Sheets.size(), (c.events.size() + 1) / 2) << c.stopAfter;
    EXPECT_EQ(progress.Sheets.back(), static_cast<int32_t>(progress.Sheets.size())) << c.stopAfter;
  }
}

TEST_F(WallQuantityReportTest, PreviewOfEveryPageAndBeyondShowsTheJudgementWithResultZero) {
  const std::vector<RecordedPage> printed = PrintAll();
  ASSERT_EQ(printed.size(), 6u);
  for (int32_t wanted = 1; wanted <= 9; ++wanted) {
    RecordingPageSink preview;
    const int32_t result = DrawWallQuantityReport(preview, Ppm, wanted);
    EXPECT_EQ(result, wanted < 6 ? 1 : 0) << wanted;
    const std::size_t shown = wanted < 6 ? wanted - 1 : 5;
    EXPECT_EQ(Title(preview.Pages.back()), HouseTitles[shown]) << wanted;
    // The preview page is the printed page without header and scale note.
    EXPECT_EQ(Body(preview.Pages.back()), Body(printed[shown])) << wanted;
  }
}

TEST_F(WallQuantityReportTest, OneStoreyHasFourPages) {
  ProjectSettings.TopStorey[CurrentState] = 0;
  house::Paint();
  const std::vector<RecordedPage> pages = PrintAll();
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(Title(pages[0]), HouseTitles[0]);
  EXPECT_EQ(Title(pages[1]), HouseTitles[2]);
  EXPECT_EQ(Title(pages[2]), HouseTitles[3]);
  EXPECT_EQ(Title(pages[3]), HouseTitles[5]);
}

// --- Floor-area pages ----------------------------------------------------------

TEST_F(WallQuantityReportTest, FloorAreaRowsTotalsAndComputedZoneAreas) {
  const std::vector<RecordedPage> pages = PrintAll();
  const RecordedPage& first = pages[0];
  EXPECT_EQ(Title(first), "現況 必要壁量（ 1階床面積）");
  EXPECT_EQ(TextAt(first, X20, 101)->Font.Height, 61);  // 6 mm
  // The legend at x = 150 mm, line i at 40 + 5 i mm; balconies in half-width kana.
  // (150 mm is 1529, 40 mm 407, 135 mm 1376.)
  EXPECT_EQ(Utf8(TextAt(first, 1529, 407)->Text), "(0):軽い床");
  EXPECT_EQ(Utf8(TextAt(first, 1529, 1376)->Text), "(19):個別荷重の跳出ﾊﾞﾙｺﾆｰ");

  // 147 mm = 1499; headers at +5 (1550) and +3.5 (1585), +1 (1595), rows at +4.
  EXPECT_EQ(
      YOf(first,
          u"矩形                       　　　重付     左下      左下      右上      右上        矩形     "
          u"算定用   　追加   　追加"),
      1550);
  // R2 16,10-18,15: lower left X axis 16 ("X 6", the names start at axis
  // 10) and Y axis 15 ("Y 1", counted up from axis 16); upper right X 8, Y 6.
  // 2 x 5 = 10 m², factor 1.00; added area 10 x 600 / 1000 / 3.1 = 1.9354..
  // The kind name field (characters 7 to 19) has its 9 blanks widened.
  const std::u16string r2 =
      u" 2     軽い屋根" + std::u16string(9, u'\u3000') +
      u"1.00     X 6       Y 1       X 8       Y 6        10.000    10.000      600     1.935";
  EXPECT_EQ(YOf(first, r2), 1675);
  // The eaves R3 (code 10) is left out without a step under method 2: the
  // triangle table's head follows 5 mm below R2.
  EXPECT_EQ(
      YOf(first,
          u"三角                       　　　重付   No.1   No.1   No.2   No.2   No.3   No.3     三角     "
          u"算定用   　追加   　追加"),
      1726);
  // T1: 16,15 18,15 16,16, 2 x 1 / 2 = 1 m².
  const std::u16string t1 =
      u" 1     軽い屋根" + std::u16string(9, u'\u3000') +
      u"1.00   X 6    Y 1    X 8    Y 1    X 6    Y 0      1.000     1.000        0     0.000";
  EXPECT_EQ(YOf(first, t1), 1811);
  // Total: 36 + 10 + 1 = 47 m², all counted at 1.0.
  EXPECT_EQ(YOf(first,
                u"　計                                                                               47.000  "
                u"  47.000"),
            1862);
  EXPECT_EQ(YOf(first, u"領域毎の床面積"), 1942);  // after a 4 mm gap
  // Zone strips of the 8 x 6 m extent: a and b 1.5 m deep (6 x 1.5 + 2 x 1.5
  // = 12; 6 x 1.5 + 2 x 0.5 + 1 = 11), 1 and 2 2 m wide (2 x 6 = 12; 10 + 1 = 11).
  EXPECT_EQ(YOf(first, u"　　　　  12.000    11.000  　　　　  12.000    11.000"), 2062);

  // Storey 2: the balcony counts for the gross total (36 + 2) but not for the
  // wall quantity; zone ロ holds 9 m² of roof for the wall quantity, while the
  // required strength counts the balcony's 2 m² there too.
  const RecordedPage& second = pages[1];
  EXPECT_EQ(Title(second), "現況 必要壁量（ 2階床面積）");
  EXPECT_NE(YOf(second,
                u"　計                                                                               38.000  "
                u"  36.000"),
            -1);
  EXPECT_EQ(RequiredStrengthArea2[CurrentState][1], 11.0);
  EXPECT_NE(YOf(second, u"　　　　   9.000     9.000  　　　　   9.000     9.000"), -1);
}

TEST_F(WallQuantityReportTest, EavesAreListedUnderTheLoadTakeOff) {
  ProjectSettings.RequiredStrengthMethod = RequiredByLoadTakeOff;
  const RecordedPage first = PrintAll()[0];
  // R3 18,10-19,15: eaves have no floor area (0 for codes 10 to 13).
  const std::u16string r3 =
      u" 3     軽い軒庇" + std::u16string(9, u'\u3000') +
      u"0.00     X 8       Y 1       X 9       Y 6         0.000     0.000        0     0.000";
  EXPECT_EQ(YOf(first, r3), 1715);
  EXPECT_EQ(
      YOf(first,
          u"三角                       　　　重付   No.1   No.1   No.2   No.2   No.3   No.3     三角     "
          u"算定用   　追加   　追加"),
      1766);
}

// --- Required wall length page ---------------------------------------------

TEST_F(WallQuantityReportTest, RequiredWallLengthsOfStoreysAndZones) {
  const RecordedPage page = PrintAll()[2];
  EXPECT_EQ(TextAt(page, X20, 101)->Font.Height, 50);  // 5 mm: 51.0 in extended precision falls just short
  // A 3 mm gap after the cursor's 20 mm: 203 + 30.6.
  EXPECT_EQ(YOf(page, u"［必要壁量の算出］"), 233);
  EXPECT_EQ(YOf(page, u"（軟弱地盤割り増し係数）  1.0 倍"), 294);
  EXPECT_EQ(YOf(page, u"　　　　　　　　　　建物の重さ区分  軽い        　　　建物階数　２階建     "), 416);
  EXPECT_EQ(YOf(page, u"床面積当り必要壁量　２階(ｍ/㎡) ＝0.15"), 477);
  EXPECT_EQ(YOf(page, u"床面積当り必要壁量　１階(ｍ/㎡) ＝0.29"), 538);
  EXPECT_EQ(YOf(page, u"〈建物全体の必要壁量〉"), 640);
  EXPECT_EQ(YOf(page, u"階　 Ａ(㎡)　　　 (ｍ/㎡) 　　  α 　　　　 (ｍ)"), 781);
  // 36 x 0.15 = 5.4; 47 x 0.29 = 13.63.
  EXPECT_EQ(YOf(page, u" 2   36.000　×   0.150　×   1.000　＝　   5.400"), 842);
  EXPECT_EQ(YOf(page, u" 1   47.000　×   0.290　×   1.000　＝　  13.630"), 903);
  EXPECT_EQ(YOf(page, u"〈領域毎の必要壁量〉"), 1005);
  // Storey 2's zones: 9 m² each x 0.15 = 1.35; storey 1's 11 m² zone ロ x 0.29 = 3.19.
  EXPECT_EQ(YOf(page, u" 2  Ｘ　 ａ   9.000　×   0.150　×   1.000　＝    1.350"), 1207);
  EXPECT_EQ(YOf(page, u" 1  Ｙ　 ロ  11.000　×   0.290　×   1.000　＝    3.190"), 1634);

  // The print scale: 20 mm = 466 units at 23.328, then 3 mm adds 69.98.
  RecordingPageSink print;
  DrawWallQuantityReport(print, 23.328, 0);
  EXPECT_EQ(YOf(print.Pages[2], u"［必要壁量の算出］"), 535);
}

TEST_F(WallQuantityReportTest, ManualAreasAndSoftGround) {
  ProjectSettings.ManualFloorAreas = SettingOn;
  ProjectSettings.ManualFloorArea[CurrentState][0] = 50;
  ProjectSettings.ManualZoneArea2[CurrentState][0] = 14;
  ProjectSettings.VerySoftGround = 1;
  house::Paint();
  const std::vector<RecordedPage> pages = PrintAll();
  const RecordedPage& page = pages[2];
  EXPECT_NE(YOf(page, u"（軟弱地盤割り増し係数）  1.5 倍"), -1);
  EXPECT_EQ(YOf(page, u"〈建物全体の必要壁量〉 床面積修正入力"), 640);
  EXPECT_EQ(YOf(page, u"階　 Ａ(㎡)　　　　(ｍ)　 　　  α 　　　　 (ｍ)"), 781);
  // 50 x 0.29 x 1.5 = 21.75; zone ロ 14 x 0.29 x 1.5 = 6.09.
  EXPECT_NE(YOf(page, u" 1   50.000　×   0.290　×   1.500　＝　  21.750"), -1);
  EXPECT_EQ(YOf(page, u"〈領域毎の必要壁量〉 床面積修正入力"), 1005);
  EXPECT_NE(YOf(page, u" 1  Ｙ　 ロ  14.000　×   0.290　×   1.500　＝    6.090"), -1);
  // The judgement page takes the same areas.
  EXPECT_NE(YOf(pages[5], u"床面積(㎡)　           50.000      0.000      50.000      0.000"), -1);
}

TEST_F(WallQuantityReportTest, WeightAndStoreyLabelsAndFactorLines) {
  struct Case {
    int32_t top, weightClass;
    std::u16string labels;
    std::vector<std::u16string> factors;
  };
  const Case cases[] = {
      {0, WeightLight, u"建物の重さ区分  軽い        　　　建物階数　平屋建  ", {u"１階(ｍ/㎡) ＝0.11"}},
      // The very heavy class is labelled as the heavy one, with its own column.
      {2,
       WeightVeryHeavy,
       u"建物の重さ区分  重い        　　　建物階数　３階建  ",
       {u"３階(ｍ/㎡) ＝0.24", u"２階(ｍ/㎡) ＝0.39", u"１階(ｍ/㎡) ＝0.50"}},
      {1,
       WeightHeavy,
       u"建物の重さ区分  重い        　　　建物階数　２階建  ",
       {u"２階(ｍ/㎡) ＝0.21", u"１階(ｍ/㎡) ＝0.33"}},
  };
  for (const Case& c : cases) {
    ProjectSettings.TopStorey[CurrentState] = c.top;
    ProjectSettings.WeightClass[CurrentState] = c.weightClass;
    RecordingPageSink preview;
    DrawWallQuantityReport(preview, Ppm, c.top + 2);
    const RecordedPage& page = preview.Pages.back();
    EXPECT_EQ(YOf(page, u"　　　　　　　　　　" + c.labels + u"   "), 416) << c.top;
    int32_t y = 416;
    for (const std::u16string& f : c.factors) {
      y += 61;  // 6 mm from a whole y: 61.2
      EXPECT_EQ(YOf(page, u"床面積当り必要壁量　" + f), y) << Utf8(f);
    }
    EXPECT_EQ(YOf(page, u"〈建物全体の必要壁量〉"), y + 102) << c.top;
  }
}

// --- Existing-wall pages -----------------------------------------------------

TEST_F(WallQuantityReportTest, ExistingWallsByLineWithDiagonalHalvesSubtotalsAndTotals) {
  const RecordedPage page = PrintAll()[3];
  EXPECT_EQ(Title(page), "現況 存在壁量（ 1階）");
  const std::vector<std::string> body = Body(page);
  // The diagonal P1 wall 12,14-14,16 (2 m along X and Y, 2.828 m long):
  // 2 x 2.5 = 5 m of wall quantity each way, half under each of its lines
  // (Y axes 16 and 14 are "Y 0" and "Y 2"). The type's blanks are widened;
  // the symbols: blank, P1, blank, two blanks of brace row 0, no W, no *,
  // blank, mud wall row 0, blank, right panel row 0, padded to 16.
  const std::string diagonalFirst = Utf8(
      u" Ｘ "
      u"    "
      u" Y 0   "
      u" X 2   "
      u" X 4   "
      u" 間仕切壁無開口壁　　"
      u" P1             "
      u"  2.828  2.50    2.500 ");
  const std::string diagonalSecond = Utf8(
      u" Ｘ "
      u"    "
      u" Y 2   "
      u" X 2   "
      u" X 4   "
      u" 間仕切壁無開口壁　　"
      u" P1             "
      u"  2.828  2.50    2.500 ");
  const std::string sub =
      "                                                                            小計- ";
  const std::vector<std::string> expected = {
      "現況 存在壁量（ 1階）",
      " 方 補強 通り   始点   終点",
      " 向 番号  名    座標   座標   壁タイプ   　     　　仕様記号      　 壁長  倍率  存在壁量",
      diagonalFirst,
      // 10-14 on axis 16: 4 x 2.5 = 10.
      Utf8(u" Ｘ      Y 0    X 0    X 4    外周壁無開口壁　　　 P1               4.000  2.50    10.000"),
      sub + "12.500",  // 2.5 + 10
      diagonalSecond,
      sub + " 2.500",
      // The brace 30 x 90 nailed (B2 and its mark *) 6 m at 1.5.
      Utf8(u" Ｘ      Y 3    X 0    X 6    間仕切壁無開口壁　　    B2 *          6.000  1.50    9.000 "),
      sub + " 9.000",
      // The knee brace on axis 12 has strength but factor 0: no row, and its
      // line's subtotal of 0 is not written.
      Utf8(u" Ｘ      Y 6    X 0    X 2    外周壁無開口壁　　　 P1               2.000  2.50    5.000 "),
      Utf8(u" Ｘ      Y 6    X 2    X 4    外周壁無開口壁　　　    B3            2.000  2.00    4.000 "),
      sub + " 9.000",
      // The totals are the analysis's: 5 + 4 + 9 + 10 + 5.
      "                                                                     Ｘ方向　計=  33.000",
      Utf8(u" Ｙ      X 0    Y 3    Y 0    外周壁無開口壁　　　 P1               3.000  2.50    7.500 "),
      Utf8(u" Ｙ      X 0    Y 6    Y 3    外周壁無開口壁　　　 P1               3.000  2.50    7.500 "),
      sub + "15.000",
      Utf8(u" Ｙ      X 2    Y 2    Y 0    間仕切壁無開口壁　　 P1               2.828  2.50    2.500 "),
      sub + " 2.500",
      Utf8(u" Ｙ      X 4    Y 2    Y 0    間仕切壁無開口壁　　 P1               2.828  2.50    2.500 "),
      Utf8(u" Ｙ      X 4    Y 6    Y 0    間仕切壁無開口壁　　 P1               6.000  2.50    15.000"),
      sub + "17.500",
      Utf8(u" Ｙ      X 8    Y 6    Y 5    外周壁無開口壁　　　    B3            1.000  2.00    2.000 "),
      sub + " 2.000",
      // 7.5 + 7.5 + 5 + 15 + 2.
      "                                                                     Ｙ方向　計=  37.000",
      // The rule spans the table's 89 cells: 45 rule characters of two cells.
      "─────────────────────────────────────────────",
      "　  Ｘ方向壁量計＝   33.000      Ｙ方向壁量計＝   37.000",
  };
  EXPECT_EQ(body, expected);
  // Heads at 20 + 4 and + 3.5 mm; rows and subtotals 4 mm apart; the X
  // total after a 4 mm gap, the Y list after 6 mm.
  EXPECT_EQ(YOf(page, u" 方 補強 通り   始点   終点"), 243);
  EXPECT_EQ(
      YOf(page, u"                                                                            小計- 12.500"),
      398);
  EXPECT_EQ(
      YOf(page, u"                                                                     Ｘ方向　計=  33.000"),
      758);
  EXPECT_EQ(
      YOf(page, u" Ｙ      X 0    Y 3    Y 0    外周壁無開口壁　　　 P1               3.000  2.50    7.500 "),
      859);
  EXPECT_EQ(YOf(page, u"─────────────────────────────────────────────"), 1400);
  EXPECT_EQ(YOf(page, u"　  Ｘ方向壁量計＝   33.000      Ｙ方向壁量計＝   37.000"), 1440);
}

// The 1 m brace on X axis 18 made crossed: a 90x90 counts the law's factor 5
// (not 2 x 3), a 90x45 twice its 2. The Y total was 37 with that wall's 2; end
// zone 2 holds only that wall against 3.19 m required.
TEST_F(WallQuantityReportTest, CrossedBracesPrintTheLawsFactor) {
  const struct {
    const char* name;
    int32_t kind;
    std::u16string row, total, judged, zone;
  } cases[] = {
      {"90x90", 6, u"  1.000  5.00    5.000 ",
       u"                                                                     Ｙ方向　計=  40.000",  // 37 - 2
                                                                                                     // + 5
       u"存在壁量(ｍ)           33.000     30.000      40.000     30.000",
       // 5 / 3.19 = 1.567
       u" 1   Ｙ　　２    11.000     0.290     1.000     3.190     5.000      1.567     Ｏ"},
      {"90x45", 5, u"  1.000  4.00    4.000 ",
       u"                                                                     Ｙ方向　計=  39.000",  // 37 - 2
                                                                                                     // + 4
       u"存在壁量(ｍ)           33.000     30.000      39.000     30.000",
       // 4 / 3.19 = 1.254
       u" 1   Ｙ　　２    11.000     0.290     1.000     3.190     4.000      1.254     Ｏ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WallRecord& brace = Walls[CurrentState][0][8];
    ASSERT_EQ(brace.X1, 18);
    brace.BraceKind = c.kind, brace.BraceArrangement = 1;
    house::Paint();
    house::Paint();
    const std::vector<RecordedPage> pages = PrintAll();
    ASSERT_EQ(pages.size(), 6u);
    std::string row;
    for (const std::string& text : Body(pages[3]))
      if (text.rfind(Utf8(u" Ｙ      X 8 "), 0) == 0) row = text;
    ASSERT_GE(row.size(), Utf8(c.row).size());
    EXPECT_EQ(row.substr(row.size() - Utf8(c.row).size()), Utf8(c.row));
    EXPECT_TRUE(FindText(pages[3], c.total));
    EXPECT_TRUE(FindText(pages[5], c.judged));
    EXPECT_TRUE(FindText(pages[5], c.zone));
  }
}

TEST_F(WallQuantityReportTest, UnderMethod2OfTheOtherElementsOnlyWallsWithoutOpeningsAreListed) {
  // A window in the P1 wall of axis 10 of storey 2: listed under method 1
  // (when the analysis gives it strength), never under method 2.
  Walls[CurrentState][1][2].OpeningKind = 1;
  house::Paint();
  ASSERT_NE(WallResults[CurrentState][1][2].Blocks[0].BaseStrength, 0.0);
  const auto listed = [&] {
    for (const std::string& text : Body(PrintAll()[4]))
      if (text.rfind(Utf8(u" Ｙ      X 0 "), 0) == 0) return true;
    return false;
  };
  ProjectSettings.OtherElementsMethod = OtherElementsMethod1;
  EXPECT_EQ(listed(), WallResults[CurrentState][1][2].Blocks[0].WallFactor != 0.0);
  ProjectSettings.OtherElementsMethod = OtherElementsMethod2;
  EXPECT_FALSE(listed());
}

// --- Judgement page -------------------------------------------------------------

TEST_F(WallQuantityReportTest, JudgementMarksAndVerdict) {
  const RecordedPage page = PrintAll()[5];
  EXPECT_EQ(Title(page), "現況 壁量判定");
  EXPECT_EQ(YOf(page, u"[ 全体壁量判定 ]"), 264);
  EXPECT_EQ(YOf(page, u"方向                     Ｘ                     Ｙ"), 325);
  EXPECT_EQ(YOf(page, u"床面積(㎡)　           47.000     36.000      47.000     36.000"), 447);
  // X: 33 / 13.63 = 2.421, 30 / 5.4 = 5.556; Y: 37 / 13.63 = 2.7146.
  EXPECT_EQ(YOf(page, u"存在壁量(ｍ)           33.000     30.000      37.000     30.000"), 691);
  EXPECT_EQ(YOf(page, u"壁量充足率　            2.421      5.556       2.715      5.556"), 752);
  // Each mark ends two cells before its value's field.
  EXPECT_EQ(YOf(page, u"壁量判定　　       　　　Ｏ         Ｏ          Ｏ         Ｏ"), 813);
  EXPECT_EQ(YOf(page, u"[ 四分割法判定 ]"), 915);
  const std::u16string gap = u"       　　" + std::u16string(68, u' ');
  // Storey 1, X: a 9 / 3.48 = 2.586, b 12.5 / 3.19 = 3.918, ratio 0.660.
  EXPECT_EQ(YOf(page, u" 1   Ｘ　　ａ    12.000     0.290     1.000     3.480     9.000      2.586     Ｏ"),
            1319);
  EXPECT_EQ(YOf(page, gap + u"     0.660    Ｏ"), 1349);
  EXPECT_EQ(YOf(page, u" 1   Ｘ　　ｂ    11.000     0.290     1.000     3.190    12.500      3.918     Ｏ"),
            1379);
  // Y: zone 1 holds 7.5 + 7.5 + 2.5 = 17.5 m (17.5 / 3.48 = 5.029), zone 2
  // only the 1 m brace's 2 m (2 / 3.19 = 0.627): 0.627 / 5.029 = 0.125.
  EXPECT_EQ(YOf(page, u" 1   Ｙ　　１    12.000     0.290     1.000     3.480    17.500      5.029     Ｏ"),
            1440);
  EXPECT_EQ(YOf(page, gap + u"     0.125    Ｘ"), 1470);
  EXPECT_EQ(YOf(page, u" 1   Ｙ　　２    11.000     0.290     1.000     3.190     2.000      0.627     Ｘ"),
            1500);
  // 20 mm below the last line (1500 + 204), in the title's font.
  const auto* verdict = FindText(page, u"現況 壁量判定 --- 不適合");
  ASSERT_TRUE(verdict);
  EXPECT_EQ(verdict->Args[1], 1704);
  EXPECT_EQ(verdict->Font.Height, 50);  // 5 mm, as the title
  EXPECT_EQ(verdict->Font.Weight, 800);
  EXPECT_EQ(Body(page).back(), "現況 壁量判定 --- 不適合");
}

TEST_F(WallQuantityReportTest, NothingRequiredIsMetAndPrintsNoRatio) {
  // Areas by hand: storey 1's as computed, storey 2 none, so that it
  // requires nothing. The short zone 2 of storey 1 gets plywood on its brace
  // wall: 1 x (2.0 + 2.5) = 4.5 m, 4.5 / 3.19 = 1.411; storey 1's Y walls
  // then hold 37 + 2.5 = 39.5 m, 39.5 / 13.63 = 2.898.
  ProjectSettings.ManualFloorAreas = SettingOn;
  ProjectSettings.ManualFloorArea[CurrentState][0] = 47;
  ProjectSettings.ManualZoneAreaA[CurrentState][0] = 12;
  ProjectSettings.ManualZoneAreaB[CurrentState][0] = 11;
  ProjectSettings.ManualZoneArea1[CurrentState][0] = 12;
  ProjectSettings.ManualZoneArea2[CurrentState][0] = 11;
  Walls[CurrentState][0][8].PanelLeft = house::PanelP1;
  house::Paint();
  house::Paint();
  const RecordedPage page = PrintAll()[5];
  const std::u16string dashes = u"       ---";
  EXPECT_NE(YOf(page, u"必要壁量(ｍ)           13.630      0.000      13.630      0.000"), -1);
  EXPECT_NE(YOf(page, u"壁量充足率　            2.421 " + dashes + u"       2.898 " + dashes), -1);
  EXPECT_NE(YOf(page, u"壁量判定　　       　　　Ｏ         Ｏ          Ｏ         Ｏ"), -1);
  // Storey 2's zone a holds its 6 m P1 wall on axis 10: 15 m of wall.
  EXPECT_NE(
      YOf(page, u" 2   Ｘ　　ａ     0.000     0.150     1.000     0.000    15.000 " + dashes + u"     Ｏ"),
      -1);
  const std::u16string gap = u"       　　" + std::u16string(68, u' ');
  EXPECT_NE(YOf(page, gap + dashes + u"    Ｏ"), -1);
  EXPECT_NE(YOf(page, u" 1   Ｙ　　２    11.000     0.290     1.000     3.190     4.500      1.411     Ｏ"),
            -1);
  EXPECT_EQ(Body(page).back(), "現況 壁量判定 --- 適合");
}

// --- Breaks and the bottom rule ------------------------------------------------

TEST_F(WallQuantityReportTest, FloorAreaRowsBreakAfterTheFirstRowPast270Mm) {
  // Rows after the heads at 1595 + 40 k: row 28 at 2715 (266.2 mm), row 29 at
  // 2755 > 2754 ends the page; row 30 opens the next at 20 + 4 mm.
  SmallRectangles(0, 30);
  house::Paint();
  const std::vector<RecordedPage> pages = PrintAll();
  ASSERT_EQ(pages.size(), 7u);
  const std::u16string name = u"軽い床" + std::u16string(10, u'\u3000') + u"1.00";
  const auto rowY = [&](const RecordedPage& page, int n) {
    for (const auto* t : TextsOf(page))
      if (t->Text.rfind(FormatW(u"%2i     ", n) + name, 0) == 0) return t->Args[1];
    return -1;
  };
  EXPECT_EQ(rowY(pages[0], 1), 1635);
  EXPECT_EQ(rowY(pages[0], 29), 2755);
  EXPECT_EQ(rowY(pages[0], 30), -1);
  EXPECT_EQ(Title(pages[1]), "");
  EXPECT_EQ(rowY(pages[1], 30), 243);
  // No heads on the continuation; the total 5 mm below row 30.
  EXPECT_EQ(Body(pages[1]).size(), 6u);  // row 30, total, the zone block's 4 lines
  EXPECT_EQ(Body(pages[1])[1].substr(0, 6), "　計");
  EXPECT_EQ(TextsOf(pages[1])[2]->Args[1], 294);  // 243 + 51
  EXPECT_EQ(Title(pages[2]), HouseTitles[1]);
}

TEST_F(WallQuantityReportTest, FloorAreaBlockBelow289MmMovesToAContinuationPage) {
  // 28 rows: the last at 2715 stays (not past 270 mm); the total at 2766, a
  // gap to 2806, "領域毎の床面積" at 2846 and "1 階" at 2886 fit, the zone
  // heads at 2926 would end at 2956 > 2947: they and the areas move.
  SmallRectangles(0, 28);
  house::Paint();
  const std::vector<RecordedPage> pages = PrintAll();
  ASSERT_EQ(pages.size(), 7u);
  EXPECT_EQ(YOf(pages[0], u"領域毎の床面積"), 2846);
  EXPECT_EQ(YOf(pages[0], u"1 階"), 2886);
  EXPECT_EQ(YOf(pages[0], u"方向Ｘ　　領域ａ　　領域ｂ　　方向Ｙ　領域イ　　領域ロ"), -1);
  EXPECT_EQ(Title(pages[1]), "");
  EXPECT_EQ(Body(pages[1]).size(), 2u);
  EXPECT_EQ(YOf(pages[1], u"方向Ｘ　　領域ａ　　領域ｂ　　方向Ｙ　領域イ　　領域ロ"), 243);
  EXPECT_EQ(TextsOf(pages[1])[2]->Args[1], 283);
  for (const RecordedPage& page : pages)
    for (const auto* t : TextsOf(page)) EXPECT_LE(t->Args[1] + 30, 2947) << Utf8(t->Text);
}

// n more P1 walls of 1 m on X axis 40 of storey 2, the last line of its Y list.
void AddWallsOnAxis40(int n) {
  for (int i = 0; i < n; ++i) house::Wall(1, 40, 20 + i, 40, 21 + i, house::PanelP1);
  house::ColumnsAtWallEnds(1);
}

TEST_F(WallQuantityReportTest, WallRowsBreakBeforeARowOnceTheCursorPassed260Mm) {
  // Storey 2's page: heads 243, 278; X rows and subtotals 318..438; the X
  // total at 518 after a gap; the Y list after 6 mm from 579: axis 10's row
  // 619 and subtotal 659, axis 16's 699 and 739, then row j of axis 40 at
  // 739 + 40 j. Row 48 (2659) follows a cursor at 2619; row 49 follows one
  // at 2659 > 2652 and opens the continuation page at 20 + 4 mm.
  AddWallsOnAxis40(60);
  house::Paint();
  house::Paint();
  const std::vector<RecordedPage> pages = PrintAll();
  ASSERT_EQ(pages.size(), 7u);
  const RecordedPage& first = pages[4];
  const RecordedPage& next = pages[5];
  EXPECT_EQ(Title(first), HouseTitles[4]);
  std::vector<int32_t> firstRows, nextRows;
  for (const auto* t : TextsOf(first))
    if (t->Text.rfind(u" Ｙ      X30 ", 0) == 0) firstRows.push_back(t->Args[1]);
  for (const auto* t : TextsOf(next))
    if (t->Text.rfind(u" Ｙ      X30 ", 0) == 0) nextRows.push_back(t->Args[1]);
  ASSERT_EQ(firstRows.size(), 48u);
  EXPECT_EQ(firstRows.front(), 779);
  EXPECT_EQ(firstRows.back(), 2659);
  ASSERT_EQ(nextRows.size(), 12u);
  EXPECT_EQ(nextRows.front(), 243);
  EXPECT_EQ(Title(next), "");
  EXPECT_EQ(YOf(next, u" 方 補強 通り   始点   終点"), -1);
  // 60 x 1 m x 2.5 = 150 m on the line, subtotal on the continuation page.
  EXPECT_EQ(
      YOf(next, u"                                                                            小計- 150.000"),
      243 + 12 * 40);
}

TEST_F(WallQuantityReportTest, ClosingLinesBelow289MmMoveToAContinuationPage) {
  // 48 walls: the last row at 2659, subtotal 2699, gap 2739, the Y total
  // 2779, gap 2819, the rule at 2880 (ends 2910), the closing totals at 2920
  // would end at 2950 > 2947: they alone go on at 20 + 4 mm.
  AddWallsOnAxis40(48);
  house::Paint();
  house::Paint();
  const std::vector<RecordedPage> pages = PrintAll();
  ASSERT_EQ(pages.size(), 7u);
  EXPECT_EQ(YOf(pages[4], u"─────────────────────────────────────────────"), 2880);
  EXPECT_EQ(Title(pages[5]), "");
  EXPECT_EQ(Body(pages[5]),
            (std::vector<std::string>{"　  Ｘ方向壁量計＝   30.000      Ｙ方向壁量計＝  150.000"}));
  EXPECT_EQ(TextsOf(pages[5])[1]->Args[1], 243);
}

TEST_F(WallQuantityReportTest, EveryLineStaysAbove289MmAndEveryPreviewMatchesThePrint) {
  for (int n = 40; n <= 75; n += 5) {
    SCOPED_TRACE(n);
    house::BuildHouse();
    AddWallsOnAxis40(n);
    house::Paint();
    house::Paint();
    const std::vector<RecordedPage> pages = PrintAll();
    for (const RecordedPage& page : pages)
      for (const auto* t : TextsOf(page)) EXPECT_LE(t->Args[1] + t->Font.Height, 2947) << Utf8(t->Text);
    // The preview sweep: 1 up to the last page, then 0; each page as printed.
    for (int32_t wanted = 1; wanted <= static_cast<int32_t>(pages.size()) + 1; ++wanted) {
      RecordingPageSink preview;
      EXPECT_EQ(DrawWallQuantityReport(preview, Ppm, wanted),
                wanted < static_cast<int32_t>(pages.size()) ? 1 : 0);
      EXPECT_EQ(Body(preview.Pages.back()), Body(pages[std::min<std::size_t>(wanted, pages.size()) - 1]));
    }
  }
}

// --- Damaged values -----------------------------------------------------------

TEST_F(WallQuantityReportTest, IndicesOutOfTheirTablesAreBounded) {
  CurrentVariant = -1;                                      // read as the current state
  ProjectSettings.WeightClass[CurrentState] = 9;            // as very heavy
  ProjectSettings.VerySoftGround = 4;                       // as soft ground, 1.5
  WallResults[CurrentState][0][0].Blocks[0].WallType = 77;  // no type label
  std::vector<RecordedPage> pages = PrintAll();
  ASSERT_EQ(pages.size(), 6u);
  EXPECT_EQ(Title(pages[0]), HouseTitles[0]);
  EXPECT_NE(YOf(pages[2], u"　　　　　　　　　　建物の重さ区分  重い        　　　建物階数　２階建     "),
            -1);
  EXPECT_NE(YOf(pages[2], u"（軟弱地盤割り増し係数）  1.5 倍"), -1);
  EXPECT_NE(YOf(pages[3], u" Ｘ      Y 6    X 0    X 2    " + std::u16string(10, u'\u3000') +
                              u" P1               2.000  2.50    5.000 "),
            -1);
  ProjectSettings.TopStorey[CurrentState] = 9;  // as three storeys
  EXPECT_EQ(PrintAll().size(), 8u);
  ProjectSettings.TopStorey[CurrentState] = -2;  // as one storey
  EXPECT_EQ(PrintAll().size(), 4u);
}

}  // namespace
