// The required-strength family (kind 3) on a two-storey house built through
// the model's lists and painted twice by the recalculation chain: the storey
// pages of every method (floor-area tables, load take-off), the summary pages
// with and without snow, the load take-off's page sums against the stored
// level weights, and the paging with its row break and bottom rule. Texts
// and positions are worked by hand at the preview's 10.2 units per mm.
//
// The house: a 6 m x 4 m box of one-metre axes 2..8 and 2..6, storey
// height 3 m, four exterior walls on each storey (20 m per storey), storey 1
// with a light floor of 24 m² (live load 1300, added load 600 N/m²) and
// heavy eaves of 2 m² (record 2), storey 2 with a light roof of 24 m² and a
// dual-pitch gable of 4 m (600 N/m², slope 0.5, height 0.5 m). The default
// load take-off: floor 600, roof light 700, eaves heavy 950, exterior wall
// light 600 N/m².
#include <gtest/gtest.h>

#include <string>

#include "ReportTestHelpers.h"
#include "analysis/AreaWeights.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "chain/RecalculationChain.h"
#include "model/ModelExtents.h"
#include "model/SettingChoices.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"
#include "tests/core/TestModelBuilder.h"

namespace {

constexpr double Preview = 10.2;

// The text of a page that starts with prefix, or null.
const RecordingCanvas::Call* TextStarting(const RecordedPage& page, std::u16string_view prefix) {
  for (const auto* t : TextsOf(page))
    if (t->Text.substr(0, prefix.size()) == prefix) return t;
  return nullptr;
}

std::string TextOf(const RecordingCanvas::Call* call) { return call ? Utf8(call->Text) : "(none)"; }

class RequiredStrengthTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    testmodel::LayOutGrid(1.0);
    ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
    ProjectSettings.Revision = Revision2012;
  }

  void BuildHouse() {
    ProjectSettings.TopStorey[0] = TopStoreySecond;
    ProjectSettings.StoreyHeight[0][0] = ProjectSettings.StoreyHeight[0][1] = 3.0;
    for (int s = 0; s < 2; ++s) {
      for (auto [x, y] : {std::pair{2, 2}, {8, 2}, {8, 6}, {2, 6}}) testmodel::AddColumn(0, s, x, y);
      BoxWalls(s);
    }
    testmodel::AddRect(0, 0, 2, 2, 8, 6, 0, {1300, 0, 600});
    testmodel::AddRect(0, 0, 1, 1, 3, 2, 11);
    testmodel::AddRect(0, 1, 2, 2, 8, 6, 3);
    GableWallRecord& g = testmodel::AddGable(0, 1, 2, 2, 6, 2);
    g.WeightClass = 0, g.Weight = 600, g.Shape = 1, g.Slope = 0.5, g.Height = 0.5;
  }
  static void BoxWalls(int s) {
    testmodel::AddWall(0, s, 2, 2, 8, 2);
    testmodel::AddWall(0, s, 8, 2, 8, 6);
    testmodel::AddWall(0, s, 8, 6, 2, 6);
    testmodel::AddWall(0, s, 2, 6, 2, 2);
  }
  // As a full paint does: the used extents, then the chain, twice.
  static void Paint() {
    UpdateUsedExtents();
    RunRecalculationChain();
    RunRecalculationChain();
  }
  // Every page of the family, previewed beyond its end (no page header).
  RecordingPageSink& AllPages() {
    sink = RecordingPageSink{};
    EXPECT_EQ(DrawRequiredStrengthPages(sink, Preview, 99), 0);
    return sink;
  }
  void Method(int32_t m, double snowLoad) {
    ProjectSettings.RequiredStrengthMethod = m;
    ProjectSettings.SnowLoad = snowLoad;
  }
};

// --- Storey pages -------------------------------------------------------------

TEST_F(RequiredStrengthTest, StoreyPageOfEveryMethod) {
  BuildHouse();
  // Below the plan the cursor stands at 147 mm = 1499 units; the rectangle
  // heads follow at +5 (1550) and +3.5 (1585), then a 1 mm gap (1595).
  struct Case {
    int32_t method;
    double snow;
    const char16_t* title;
    int32_t rowY;
    const char16_t* row;
    int32_t totalY;
    const char16_t* total;
  };
  const Case cases[] = {
      // Load take-off: the units line at +3.5 (1630), a gap (1640), the row at +4 (1680):
      // (600 + 1300 + 600) x 24 / 1000 = 60 kN, no snow on a floor. The eaves row
      // (950 x 2 / 1000 = 1.9, with snow + 1.3 x 2 = 4.5) at 1720, the total 10 mm
      // lower: 60 + 1.9 = 61.9 and 60 + 4.5 = 64.5.
      {RequiredByLoadTakeOff, 0.26, u"現況 必要耐力（ 1階重量）", 1680,
       u" 1     軽い床              X 1        Y 0        X 7        Y 4        24.000     600    1300    "
       u" 600　  "
       u"60.000   (  60.000)",
       1822,
       u"　                                                                                  1階屋根床等計  "
       u"＝    "
       u"61.900   (  64.500)"},
      // Floor areas: the row at +4 (1635), counted area 24 + 24 x 600 / 1000 / 3.1
      // = 28.645; the eaves row takes no line, the total follows at +5 (1686).
      {RequiredByWeightTable, 0, u"現況 必要耐力（ 1階床面積）", 1635,
       u" 1     軽い床　　　　　　　　　　1.00     X 1       Y 0       X 7       Y 4        24.000    28.645 "
       u"     600  "
       u"   4.645",
       1686,
       u"　計　　　                                                                         24.000    "
       u"28.645"},
      {RequiredByStrengthTable, 0.26, u"現況 必要耐力（ 1階床面積）", 1635,
       u" 1     軽い床　　　　　　　　　　1.00     X 1       Y 0       X 7       Y 4        24.000    28.645 "
       u"     600  "
       u"   4.645",
       1686,
       u"　計　　　                                                                         24.000    "
       u"28.645"},
      {RequiredBySimpleTable, 0, u"現況 必要耐力（ 1階床面積）", 1635,
       u" 1     軽い床　　　　　　　　　　1.00     X 1       Y 0       X 7       Y 4        24.000    28.645 "
       u"     600  "
       u"   4.645",
       1686,
       u"　計　　　                                                                         24.000    "
       u"28.645"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method);
    Method(c.method, c.snow);
    Paint();
    const RecordedPage& page = AllPages().Pages.at(0);
    const auto* title = FindText(page, c.title);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->Args, (std::vector<int32_t>{203, 101}));  // (20, 10) mm
    EXPECT_EQ(title->Font.Height, 61);                         // 6 mm
    EXPECT_EQ(title->Font.Weight, 800);
    const auto* row = TextStarting(page, u" 1     ");
    ASSERT_TRUE(row);
    EXPECT_EQ(Utf8(row->Text), Utf8(c.row));
    EXPECT_EQ(row->Args, (std::vector<int32_t>{203, c.rowY}));
    EXPECT_EQ(row->Font.Height, 30);  // the 3 mm body font
    const auto* total = FindText(page, c.total);
    ASSERT_TRUE(total) << Utf8(c.total);
    EXPECT_EQ(total->Args[1], c.totalY);
    // The legend beside the plan.
    const auto* legend = FindText(page, u"(19):個別荷重の跳出バルコニー");
    ASSERT_TRUE(legend);
    EXPECT_EQ(legend->Args, (std::vector<int32_t>{1529, 1376}));  // (150, 135) mm
  }
}

TEST_F(RequiredStrengthTest, LoadTakeOffOfWallsAndGables) {
  BuildHouse();
  Method(RequiredByLoadTakeOff, 0);
  Paint();
  const RecordingPageSink& pages = AllPages();
  ASSERT_EQ(pages.Pages.size(), 3u);
  const RecordedPage& upper = pages.Pages[1];
  // Without snow no bracketed weight and no "積雪時".
  EXPECT_EQ(TextOf(TextStarting(upper, u" 1     軽い屋根")),
            " 1     軽い屋根            X 1        Y 0        X 7        Y 4        24.000     700       "
            "0       "
            "0　  16.800");
  // Wall 1: 6 m x 3 m (height 0 takes the storey's) = 18 m² x 600 N/m² = 10.8 kN.
  EXPECT_EQ(TextOf(TextStarting(upper, u" 1     外周壁")),
            " 1     外周壁無開口壁      X 1        Y 4        X 7        Y 4         6.000   3.000  "
            "18.000     "
            "600    10.800");
  // (6 + 4 + 6 + 4) x 3 x 600 / 1000 = 36 kN.
  EXPECT_NE(FindText(upper,
                     u"　                                                                                    "
                     u"    2階壁計  ＝    36.000"),
            nullptr);
  // G = (4 x 0.5 / 4 + 0.5) x 4 x 600 / 1000 = 2.4 kN.
  EXPECT_EQ(TextOf(TextStarting(upper, u" 1     両流れ")),
            " 1     両流れ              X 1        Y 4        X 5        Y 4         4.000   0.500   "
            "0.500     600    "
            " 2.400");
}

// With snow every area row carries its weight with snow in brackets, and the
// heads name the snow column of their own table. A light-roof triangle of
// 1 m² on storey 2 at axes (2, 2), (4, 2), (2, 3), named X 1 Y 4, X 3 Y 4,
// X 1 Y 3: 1 x 700 / 1000 = 0.7 kN, with 1.3 kN/m² of snow (0.7 + 1.3) x 1
// = 2.0 kN; the roof rectangle 24 x 2.0 = 48 kN.
TEST_F(RequiredStrengthTest, LoadTakeOffWithSnowBracketsEveryAreaWeight) {
  BuildHouse();
  testmodel::AddTriangle(0, 1, 2, 2, 4, 2, 2, 3, 3);
  Method(RequiredByLoadTakeOff, 0.26);
  Paint();
  const RecordedPage& upper = AllPages().Pages.at(1);
  const char16_t* const rows[] = {
      u" 1     軽い屋根            X 1        Y 0        X 7        Y 4        24.000     700       0       "
      u"0　  16.800   (  48.000)",
      u" 1     軽い屋根            X 1    Y 4    X 3    Y 4    X 1    Y 3       1.000     700       0       "
      u"0　   0.700   (   2.000)",
  };
  for (const char16_t* row : rows) EXPECT_NE(FindText(upper, row), nullptr) << Utf8(row);
  // The second head line of each table ends in its own snow column.
  for (const char16_t* column : {u"(矩形重量)", u"(三角重量)"}) {
    bool found = false;
    for (const auto* t : TextsOf(upper))
      found = found || (t->Text.starts_with(u"No.") && t->Text.ends_with(column));
    EXPECT_TRUE(found) << Utf8(column);
  }
}

TEST_F(RequiredStrengthTest, LoadTakeOffSumsAddUpToTheStoredLevelWeights) {
  BuildHouse();
  for (double snow : {0.0, 0.26}) {
    SCOPED_TRACE(snow);
    Method(RequiredByLoadTakeOff, snow);
    Paint();
    const RecordingPageSink& pages = AllPages();
    // Level 2: 16.8 + 36 / 2 + 2.4 = 37.2; with 1.3 kN/m² of snow on the roof
    // 16.8 + 31.2 = 48 and 48 + 18 + 2.4 = 68.4. Level 1: 61.9 + 36 / 2 + 36 / 2
    // = 97.9; with snow 64.5 + 36 = 100.5.
    struct Row {
      double levelWeight;
      const char16_t* text;
    };
    const bool s = snow != 0;
    const Row rows[] = {
        {s ? 68.4 : 37.2, s ? u" 2    48.000　  36.000÷2(上部)  　   2.400  　  68.400"
                            : u" 2    16.800　  36.000÷2(上部)  　   2.400  　  37.200"},
        {s ? 100.5 : 97.9, s ? u" 1    64.500　  36.000÷2(上部)  　   0.000  　 100.500"
                             : u" 1    61.900　  36.000÷2(上部)  　   0.000  　  97.900"},
    };
    const RecordedPage& summary = pages.Pages.back();
    for (int k = 0; k < 2; ++k) {
      const int storey = 1 - k;
      EXPECT_NE(FindText(summary, rows[k].text), nullptr) << Utf8(rows[k].text);
      EXPECT_NEAR((s ? StoreyLoadWeightSnow : StoreyLoadWeight)[0][storey] / 1000, rows[k].levelWeight, 1e-9);
    }
    EXPECT_NE(FindText(summary, u"            　  36.000÷2(下部)"), nullptr);
  }
}

// Every row of the load take-off stands under its heads, counted in cells of
// the fixed-pitch font (a half-width character one, any other two): the
// first axis name at cell 27, under "(X)" (7 cells of number and blanks, 20
// of kind, a kind of 20 cells starting a cell early); area rows as long as their head, 124 cells with snow;
// wall and gable rows 111 cells (20 + 7, four names of 6 and 5 blanks, then 6 + 2 + 6 + 2 + 6 + 2 + 6 + 4 +
// 6). Kinds of every width: "軽い床" (6 cells), the balcony of 24 cells in its 20-cell half-width spelling,
// wall kinds of seven, eight and nine characters (14, 16 and 18 cells; a 2 m partition with a window is
// "間仕切壁マド＜２ｍ"), the half-width "ﾊﾟﾗﾍﾟｯﾄ". With snow the tables are set 1.45 mm a cell, so the
// longest row ends at 20 + 124 x 1.45 = 199.8 mm, inside the printable 204 mm (at 1.5 mm it ended at 206 mm).
TEST_F(RequiredStrengthTest, LoadTakeOffColumnsStandUnderTheirHeadsInsideThePrintableWidth) {
  BuildHouse();
  testmodel::AddRect(0, 0, 2, 2, 4, 3, 18);
  testmodel::AddTriangle(0, 0, 2, 2, 4, 2, 2, 3, 19);
  testmodel::AddWall(0, 0, 5, 2, 5, 4);                  // a partition without opening
  testmodel::AddWall(0, 0, 5, 4, 5, 6).OpeningKind = 1;  // a partition with a window
  GableWallRecord& parapet = testmodel::AddGable(0, 1, 2, 6, 8, 6);
  parapet.Shape = 2, parapet.WeightClass = 1, parapet.Height = 0.6;
  for (double snow : {0.0, 0.26}) {
    SCOPED_TRACE(snow);
    Method(RequiredByLoadTakeOff, snow);
    Paint();
    const RecordingPageSink& pages = AllPages();
    std::u16string kinds;
    int rows = 0;
    for (int page = 0; page < 2; ++page)
      for (const auto* t : TextsOf(pages.Pages.at(page))) {
        const std::u16string& text = t->Text;
        if (text.size() < 8 || text[0] != u' ' || text[1] < u'1' || text[1] > u'9' || text[2] != u' ')
          continue;
        ++rows;
        const std::size_t axis = text.find(u'X', 7);
        ASSERT_NE(axis, std::u16string::npos) << Utf8(text);
        EXPECT_EQ(CellsOf(text.substr(0, axis)), 27) << Utf8(text);
        const bool area = text.find(u'　') != std::u16string::npos;  // before the weight
        EXPECT_EQ(CellsOf(text), area ? (snow != 0 ? 124 : 111) : 111) << Utf8(text);
        EXPECT_EQ(t->Font.Width, snow != 0 ? 14 : 15) << Utf8(text);  // 1.45 or 1.5 mm at 10.2
        kinds += text;
      }
    EXPECT_EQ(rows, 3 + 1 + 6 + 1 + 4 + 2);  // areas, walls (and gables) of storey 1, of storey 2
    // The balconies of 20 cells start a cell early and keep a blank before
    // the axis name.
    for (const char16_t* kind :
         {u" 3    非常に重い跳出ﾊﾞﾙｺﾆｰ X", u" 1    個別荷重の跳出ﾊﾞﾙｺﾆｰ X", u"     間仕切壁無開口壁    X",
          u"     間仕切壁マド＜２ｍ  X", u"     ﾊﾟﾗﾍﾟｯﾄ"})
      EXPECT_NE(kinds.find(kind), std::u16string::npos) << Utf8(kind);
    // The heads: "(X)" at cell 27 of the second head line of every table.
    for (const auto* t : TextsOf(pages.Pages.at(0))) {
      if (t->Text.substr(0, 3) == u"No.") {
        EXPECT_EQ(CellsOf(t->Text.substr(0, t->Text.find(u"(X)"))), 27);
      }
    }
  }
}

// One storey of one area on the page of a method: the row's text.
TEST_F(RequiredStrengthTest, AreaRowCases) {
  ProjectSettings.TopStorey[0] = TopStoreyFirst;
  ProjectSettings.StoreyHeight[0][0] = 3.0;
  BoxWalls(0);
  struct Case {
    const char* name;
    int32_t method;
    int32_t code;
    testmodel::AreaLoads loads;
    const char16_t* row;
  };
  // Every area 5 m x 2 m = 10 m² on axes 2..7 and 2..4.
  const Case cases[] = {
      // 10 x 600 / 1000 / 3.1 = 1.935, counted 10 + 1.935 = 11.935.
      {"added load",
       RequiredByStrengthTable,
       0,
       {0, 0, 600},
       u" 1     軽い床　　　　　　　　　　1.00     X 0       Y 2       X 5       Y 4        10.000    11.935 "
       u"     600 "
       u"    1.935"},
      // Attic storage: 0.67 under method 2 (counted 6.7), 0.00 under method 3.
      {"attic, method 2",
       RequiredByStrengthTable,
       5,
       {},
       u" 1     小屋裏収納　　　　　　　　0.67     X 0       Y 2       X 5       Y 4         0.000     6.700 "
       u"       0 "
       u"    0.000"},
      {"attic, method 3",
       RequiredBySimpleTable,
       5,
       {},
       u" 1     小屋裏収納　　　　　　　　0.00     X 0       Y 2       X 5       Y 4         0.000     0.000 "
       u"       0 "
       u"    0.000"},
      // Heavy balcony: 0.40 under methods 1 and 2, 1.00 under method 3.
      {"balcony, method 2",
       RequiredByStrengthTable,
       17,
       {},
       u" 1     重い跳出バルコニー　　　　0.40     X 0       Y 2       X 5       Y 4        10.000     4.000 "
       u"       0 "
       u"    0.000"},
      {"balcony, method 3",
       RequiredBySimpleTable,
       17,
       {},
       u" 1     重い跳出バルコニー　　　　1.00     X 0       Y 2       X 5       Y 4        10.000    10.000 "
       u"       0 "
       u"    0.000"},
      // Individual roof load 1234.9 is cut to 1234 before it is used:
      // 1234 x 10 / 1000 = 12.34 kN.
      {"dead load cut",
       RequiredByLoadTakeOff,
       9,
       {0, 1234.9, 0},
       u" 1     個別荷重の屋根      X 0        Y 2        X 5        Y 4        10.000    1234       "
       u"0       "
       u"0　  12.340"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RoofFloorRectCount[0][0] = 0;
    testmodel::AddRect(0, 0, 2, 4, 7, 2, c.code, c.loads);
    Method(c.method, 0);
    Paint();
    EXPECT_EQ(TextOf(TextStarting(AllPages().Pages.at(0), u" 1     ")), Utf8(c.row));
  }
}

TEST_F(RequiredStrengthTest, EavesRowsAreLeftOutButKeepTheNumbering) {
  BuildHouse();
  testmodel::AddRect(0, 0, 8, 2, 9, 6, 3);  // record 3, after the eaves
  Method(RequiredByStrengthTable, 0);
  Paint();
  const RecordedPage& page = AllPages().Pages.at(0);
  // Row 1 at 1635; the eaves (record 2) take no step; row 3 at 1675.
  EXPECT_EQ(TextStarting(page, u" 1     ")->Args[1], 1635);
  EXPECT_EQ(TextStarting(page, u" 2     "), nullptr);
  ASSERT_TRUE(TextStarting(page, u" 3     軽い屋根"));
  EXPECT_EQ(TextStarting(page, u" 3     ")->Args[1], 1675);
  // Under the load take-off the eaves are listed.
  Method(RequiredByLoadTakeOff, 0);
  Paint();
  EXPECT_NE(TextStarting(AllPages().Pages.at(0), u" 2     重い軒庇"), nullptr);
}

TEST_F(RequiredStrengthTest, MethodOneTotalsAndZoneAreas) {
  BuildHouse();
  Method(RequiredByWeightTable, 0);
  ProjectSettings.BalanceMethod = BalanceByQuarterDivision;
  Paint();
  const RecordedPage& page = AllPages().Pages.at(0);
  // Totals at 1686, then 屋根計, 壁計, 床計 5 mm apart: 1737, 1788, 1839. Roofs:
  // none on storey 1; walls over the floor 24; floors with their counted area 28.645.
  const struct {
    int32_t y;
    const char16_t* text;
  } lines[] = {
      {1737,
       u"　屋根計                                                                                0.000"},
      {1788,
       u"　壁計  　                                                                             24.000"},
      {1839,
       u"　床計  　                                                                             28.645"},
      // A 4 mm gap (1879), then 4 mm apart.
      {1919, u"領域毎の床面積"},
      {1959, u"1 階"},
  };
  for (const auto& line : lines) {
    const auto* text = FindText(page, line.text);
    ASSERT_TRUE(text) << Utf8(line.text);
    EXPECT_EQ(text->Args[1], line.y);
  }
}

// --- Summary pages -------------------------------------------------------------

TEST_F(RequiredStrengthTest, SummaryOfTheStrengthTable) {
  BuildHouse();
  Method(RequiredByStrengthTable, 0.26);
  ProjectSettings.BalanceMethod = BalanceByQuarterDivision;
  Paint();
  const RecordingPageSink& pages = AllPages();
  ASSERT_EQ(pages.Pages.size(), 4u);
  const RecordedPage& pass0 = pages.Pages[2];
  const RecordedPage& pass1 = pages.Pages[3];
  const auto* title = FindText(pass0, u"現況 必要耐力　雪なし時");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->Font.Height, 50);  // 5 mm: 50.99... in binary
  EXPECT_NE(FindText(pass1, u"現況 必要耐力　積雪時"), nullptr);
  // 20 mm = 203, the heading 3 mm lower (233), factor lines 6 mm apart.
  EXPECT_EQ(FindText(pass0, u"［必要耐力の算出］")->Args[1], 233);
  EXPECT_EQ(FindText(pass0, u"（軟弱地盤割り増し係数）  1.0 倍")->Args[1], 294);
  // Two storeys: the shape line; a storey-2 short side of 4 m gives 1.15,
  // which method 2 moves to the first storey.
  EXPECT_EQ(
      TextOf(TextStarting(pass0, u"（形状割り増し係数）")),
      "（形状割り増し係数）　　　２階短辺長さ＝  4.000 　１階形状係数＝  1.15    （検討階の最大矩形未入力）");
  EXPECT_EQ(TextStarting(pass0, u"（積雪深さによる加算）"), nullptr);
  EXPECT_NE(FindText(pass1, u"（積雪深さによる加算）　  0.26Ｚ"), nullptr);
  EXPECT_NE(FindText(pass0,
                     u"　　　　　　　　　　建物の重さ区分  軽い        　　　建物階数　２階建     　        "
                     u"                                "),
            nullptr);
  // A1 = 28.645161, A2 = 24: Rf = 24 / 28.645161 = 0.837838,
  // K2 = 1.3 + 0.07 / Rf = 1.383548, K1 = 0.40 + 0.60 Rf = 0.902703.
  EXPECT_NE(
      FindText(pass0, u"　　　　　　　　　　Ｒf ＝ ２階床面積／１階床面積 ＝  24.000 ／ 28.645 ＝ 0.83784"),
      nullptr);
  EXPECT_NE(FindText(pass0, u"　　　　　　　　　　Ｋ2 ＝1.3 ＋0.07／Ｒf         ＝　 1.38355"), nullptr);
  EXPECT_NE(FindText(pass0, u"　　　　　　　　　　Ｋ1 ＝0.40＋0.60×Ｒf         ＝　 0.90270"), nullptr);
  // q2 = 0.28 K2 = 0.387394, q1 = 0.72 K1 = 0.649946.
  EXPECT_NE(FindText(pass0, u"床面積当り必要耐力　２階(kＮ／㎡) ＝0.28×Ｋ2　　 ＝　  0.38739"), nullptr);
  EXPECT_NE(FindText(pass0, u"床面積当り必要耐力　１階(kＮ／㎡) ＝0.72×Ｋ1　　 ＝　  0.64995"), nullptr);
  // Qr1 = 28.645161 x 0.649946 x 1.15 = 21.41048, the stored value.
  const auto* row1 = TextStarting(pass0, u" 1   28.645");
  EXPECT_EQ(TextOf(row1), " 1   28.645　× 0.64995　×   1.000　×   1.000　×   1.150　×   1.000　＝　21.41048");
  EXPECT_EQ(TextOf(row1).substr(TextOf(row1).size() - 8), FormatA("%8.5f", RequiredStrength[0][0]));
  // Rows run from the top storey down.
  EXPECT_LT(TextStarting(pass0, u" 2   24.000")->Args[1], row1->Args[1]);
  // With snow: (0.649946 + 0.26) x 1.15 x 28.645161 = 29.97538.
  EXPECT_EQ(
      TextOf(TextStarting(pass1, u" 1   28.645")),
      " 1   28.645　× 0.64995　×   1.000　×   1.000　×   1.150　×   1.000　+　   0.260 Z   ＝  29.97538");
  EXPECT_NE(FindText(pass0, u"〈領域毎の必要耐力〉"), nullptr);
}

TEST_F(RequiredStrengthTest, KLinesOfAVeryHeavyHouse) {
  BuildHouse();
  ProjectSettings.WeightClass[0] = WeightVeryHeavy;
  Method(RequiredByStrengthTable, 0);
  Paint();
  const RecordedPage& summary = AllPages().Pages.back();
  // A1 = 24 + 24 x 0.6 / 5.25 = 26.742857, Rf = 0.897436:
  // K2 = 1.06 + 0.15 / Rf = 1.227143, K1 = 0.53 + 0.47 Rf = 0.951795.
  EXPECT_NE(FindText(summary, u"　　　　　　　　　　Ｋ2 ＝1.06＋0.15／Ｒf         ＝　 1.22714"), nullptr);
  EXPECT_NE(FindText(summary, u"　　　　　　　　　　Ｋ1 ＝0.53＋0.47×Ｒf         ＝　 0.95179"), nullptr);
  EXPECT_NE(TextStarting(summary, u"　　　　　　　　　　建物の重さ区分  非常に重い"), nullptr);
}

TEST_F(RequiredStrengthTest, PreciseMethodOnePrintsNoPerAreaLinesForTwoStoreys) {
  BuildHouse();
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  Method(RequiredByStrengthTable, 0);
  Paint();
  const RecordedPage& summary = AllPages().Pages.back();
  EXPECT_NE(TextStarting(summary, u"　　　　　　　　　　Ｋ1"), nullptr);
  EXPECT_EQ(TextStarting(summary, u"床面積当り必要耐力"), nullptr);
}

TEST_F(RequiredStrengthTest, SnowZoneRowsPrintTheSnowPerAreaValues) {
  BuildHouse();
  Method(RequiredByStrengthTable, 0.26);
  ProjectSettings.BalanceMethod = BalanceByQuarterDivision;
  Paint();
  // Tell the two sets apart: the page only prints what it reads.
  RequiredStrengthPerAreaA[0][0] = 0.5;
  RequiredStrengthPerAreaASnow[0][0] = 0.75;
  const RecordingPageSink& pages = AllPages();
  EXPECT_NE(TextStarting(pages.Pages[2], u" 1  Ｘ　 ａ   6.000　× 0.50000×"), nullptr);
  EXPECT_NE(TextStarting(pages.Pages[3], u" 1  Ｘ　 ａ   6.000　× 0.75000×"), nullptr);
}

TEST_F(RequiredStrengthTest, SummaryOfTheSimpleTableForTwoStoreys) {
  BuildHouse();
  Method(RequiredBySimpleTable, 0);
  Paint();
  const RecordedPage& summary = AllPages().Pages.back();
  EXPECT_NE(FindText(summary, u"現況 必要耐力"), nullptr);
  // The first storey's short side of 4 m is not below 4 m: no increase.
  EXPECT_EQ(
      TextOf(TextStarting(summary, u"（形状割り増し係数）")),
      "（形状割り増し係数）　　　１階短辺長さ＝  4.000 　１階形状係数＝  1.00    （検討階の最大矩形未入力）");
  EXPECT_EQ(TextStarting(summary, u"　　　　　　　　　　Ｒf"), nullptr);
  // The light two-storey values of the simple table; Qr1 = 28.645161 x 0.83 = 23.77548.
  EXPECT_NE(FindText(summary, u"床面積当り必要耐力　２階(kＮ／㎡) ＝0.37"), nullptr);
  EXPECT_NE(FindText(summary, u"床面積当り必要耐力　１階(kＮ／㎡) ＝0.83"), nullptr);
  EXPECT_NE(
      FindText(summary, u" 1   28.645　× 0.83000　×   1.000　×   1.000　×   1.000　×   1.000　＝　23.77548"),
      nullptr);
}

TEST_F(RequiredStrengthTest, SummaryOfTheLoadTakeOff) {
  BuildHouse();
  Method(RequiredByLoadTakeOff, 0.26);
  Paint();
  const RecordingPageSink& pages = AllPages();
  const RecordedPage& pass0 = pages.Pages[2];
  const RecordedPage& pass1 = pages.Pages[3];
  // Method 0: the shape line of two storeys is empty but takes its 6 mm:
  // mixed structure at 294 + 61 + 61 = 416.
  EXPECT_EQ(TextStarting(pass0, u"（形状割り増し係数）"), nullptr);
  EXPECT_EQ(FindText(pass0, u"（混構造割り増し）　　　  1.0 倍")->Args[1], 416);
  EXPECT_NE(FindText(pass1, u"（積雪深さによる加算）　  1.00 ｍ × 1.3 ＝ 1.30 kＮ／㎡"), nullptr);
  // Tc of normal ground 0.6; height 3 + 3 = 6 m, T = 0.03 x 6 = 0.18.
  EXPECT_NE(
      FindText(pass0,
               u"　　　　　　　　　　Tc＝     0.600　　　建物の固有周期 T＝0.03 × 建物高さ    6.000 ＝    "
               u"0.180"),
      nullptr);
  // W1 = 37.2 + 97.9 = 135.1, alpha1 = 1, A1 = 1; T = 0.18 < Tc: Rt = 1;
  // Qr1 = 135.1 x 0.2 = 27.02.
  EXPECT_NE(FindText(pass0, u" 1   135.100　   1.000　   0.180　   1.000"), nullptr);
  EXPECT_NE(
      FindText(pass0, u" 1   135.100　   1.000　   1.000　   1.000　    　   0.200　　    1.000　   27.020"),
      nullptr);
  EXPECT_NEAR(RequiredStrength[0][0], 27.02, 1e-9);
  // With snow W1 = 68.4 + 100.5 = 168.9, Qr1 = 33.78.
  EXPECT_NE(
      FindText(pass1, u" 1   168.900　   1.000　   1.000　   1.000　    　   0.200　　    1.000　   33.780"),
      nullptr);
}

TEST_F(RequiredStrengthTest, SummaryOfTheWeightTable) {
  BuildHouse();
  Method(RequiredByWeightTable, 0.312);
  Paint();
  const RecordingPageSink& pages = AllPages();
  const RecordedPage& pass0 = pages.Pages[2];
  const RecordedPage& pass1 = pages.Pages[3];
  EXPECT_NE(FindText(pass0, u"　　　　　　　　　　建物の重さ区分  軽い        　　　建物階数　２階建     "),
            nullptr);
  // Depth (0.312 - 0.26) / 0.26 + 1 = 1.2 m, addition 5 x 0.312 = 1.56 kN/m².
  EXPECT_NE(FindText(pass1, u"（積雪深さによる加算）　  1.20 ｍ × 1.3 ＝ 1.56 kＮ／㎡"), nullptr);
  // Roof of storey 2: 0.95 x 24 = 22.8; with snow (0.95 + 1.56) x 24 = 60.24.
  EXPECT_NE(FindText(pass0, u" 2     0.950　×  24.000  ＝　  22.800"), nullptr);
  EXPECT_NE(FindText(pass1, u" 2 (   0.950　＋   1.560 )　×　  24.000　＝   60.240"), nullptr);
  // Walls 0.75 + 0.2 = 0.95 kN/m² over 24 m², shape factor of a 4 m short side 1.15:
  // 1.15 x 0.95 x 24 / 2 = 13.11.
  EXPECT_NE(FindText(pass0, u" 2階下部      0.950  ×    1.150  　×  24.000　／２　＝　  13.110"), nullptr);
  // Floors 0.6 + 0.6 over the counted floor 28.645 of storey 1's plan, row 2.
  EXPECT_NE(FindText(pass0, u" 2     1.200　×  28.645＝　  34.374"), nullptr);
}

TEST_F(RequiredStrengthTest, PartWeightClassBeyondTheTableReadsTheLastRow) {
  BuildHouse();
  Method(RequiredByWeightTable, 0);
  ProjectSettings.PartWeightClass[0][0] = 7;  // roof: very heavy 2.4
  Paint();
  EXPECT_NE(FindText(AllPages().Pages.back(), u" 2     2.400　×  24.000  ＝　  57.600"), nullptr);
}

TEST_F(RequiredStrengthTest, ThreeStoreysUnderTheWeightTableAndTheSimpleTable) {
  ProjectSettings.TopStorey[0] = TopStoreyThird;
  for (int s = 0; s < 3; ++s) {
    ProjectSettings.StoreyHeight[0][s] = 3.0;
    BoxWalls(s);
    testmodel::AddRect(0, s, 2, 2, 8, 6, s == 2 ? 3 : 0);
  }
  Method(RequiredByWeightTable, 0);
  Paint();
  const RecordedPage& weights = AllPages().Pages.back();
  // Five wall rows from the top: 3 upper, 3 lower, 2 upper, 2 lower, 1 upper.
  std::vector<std::string> wallRows;
  for (const auto* t : TextsOf(weights))
    if (t->Text.find(u"階上部") != std::u16string::npos || t->Text.find(u"階下部") != std::u16string::npos)
      wallRows.push_back(Utf8(t->Text.substr(0, 5)));
  EXPECT_EQ(wallRows, (std::vector<std::string>{" 3階上部", " 3階下部", " 2階上部", " 2階下部", " 1階上部"}));
  // Floor rows labelled 3 (the second storey's plan) and 2 (the first's).
  EXPECT_NE(TextStarting(weights, u" 3     1.200　×  24.000＝"), nullptr);
  EXPECT_NE(TextStarting(weights, u" 2     1.200　×  24.000＝"), nullptr);

  // The simple table has no K: its cells stay empty so that "＝" keeps its column.
  Method(RequiredBySimpleTable, 0);
  Paint();
  const RecordedPage& simple = AllPages().Pages.back();
  EXPECT_EQ(TextStarting(simple, u"　　　　　　　　　 Ｒf1"), nullptr);
  EXPECT_NE(FindText(simple, u"床面積当り必要耐力　３階(kＮ／㎡) ＝0.43　　 　　          ＝　 0.43000"),
            nullptr);
  EXPECT_NE(FindText(simple, u"床面積当り必要耐力　２階(kＮ／㎡) ＝0.98　　 　　 　　     ＝　 0.98000"),
            nullptr);
  EXPECT_NE(FindText(simple, u"床面積当り必要耐力　１階(kＮ／㎡) ＝1.34　　 　　          ＝　 1.34000"),
            nullptr);
}

TEST_F(RequiredStrengthTest, ThreeStoreysUnderTheStrengthTablePrintRfAndK) {
  ProjectSettings.TopStorey[0] = TopStoreyThird;
  for (int s = 0; s < 3; ++s) {
    ProjectSettings.StoreyHeight[0][s] = 3.0;
    BoxWalls(s);
    testmodel::AddRect(0, s, 2, 2, 8, 6, s == 2 ? 3 : 0);
  }
  Method(RequiredByStrengthTable, 0);
  Paint();
  const RecordedPage& summary = AllPages().Pages.back();
  // Equal areas: Rf1 = Rf2 = 1, K3 = (0.25 + 0.75)(0.65 + 0.35) = 1, K4 = 1,
  // K5 = 1.03 + 0.10 + 0.08 = 1.21, K6 = 1.23 + 0.10 + 0.23 = 1.56.
  EXPECT_NE(
      FindText(summary, u"　　　　　　　　　 Ｒf2 ＝ ３階床面積／２階床面積 ＝  24.000 ／ 24.000 ＝ 1.00000"),
      nullptr);
  EXPECT_NE(
      FindText(summary, u"　　　　　　　　　　Ｋ5 ＝1.03＋0.10／Ｒf1+0.08／Ｒf2           ＝　 1.21000"),
      nullptr);
  // q2 = 0.72 x K4 x K5 = 0.8712.
  EXPECT_NE(FindText(summary, u"床面積当り必要耐力　２階(kＮ／㎡) ＝0.72×Ｋ4×Ｋ5　　     ＝　 0.87120"),
            nullptr);
}

// --- Paging -------------------------------------------------------------------

TEST_F(RequiredStrengthTest, PagesAndPreviewResults) {
  BuildHouse();
  Method(RequiredByStrengthTable, 0);
  Paint();
  // Storey 1, storey 2, summary: the wanted pages 1..4 answer 1, 1, 0, 0 and
  // show storey 1, storey 2, the summary, the summary.
  const struct {
    int32_t wanted, result;
    const char16_t* title;
  } previews[] = {{1, 1, u"現況 必要耐力（ 1階床面積）"},
                  {2, 1, u"現況 必要耐力（ 2階床面積）"},
                  {3, 0, u"現況 必要耐力"},
                  {4, 0, u"現況 必要耐力"}};
  for (const auto& p : previews) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawRequiredStrengthPages(preview, Preview, p.wanted), p.result) << p.wanted;
    EXPECT_NE(FindText(preview.Pages.back(), p.title), nullptr) << p.wanted;
  }
  // With snow four pages, three new sheets when printed.
  ProjectSettings.SnowLoad = 0.26;
  Paint();
  RecordingPageSink print;
  EXPECT_EQ(DrawRequiredStrengthPages(print, 23.328, 0), 0);
  EXPECT_EQ(print.Pages.size(), 4u);
  EXPECT_EQ(print.NewPageCount, 3);
  for (int wanted = 1; wanted <= 5; ++wanted) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawRequiredStrengthPages(preview, Preview, wanted), wanted < 4 ? 1 : 0) << wanted;
  }
}

TEST_F(RequiredStrengthTest, TheRowPast270MillimetresEndsItsPage) {
  BuildHouse();
  RoofFloorRectCount[0][0] = 0;
  for (int i = 0; i < 35; ++i) testmodel::AddRect(0, 0, 2, 2, 3, 3, 0);
  Method(RequiredByStrengthTable, 0);
  ProjectSettings.BalanceMethod = BalanceByEccentricity;
  Paint();
  const RecordingPageSink& pages = AllPages();
  ASSERT_EQ(pages.Pages.size(), 4u);  // storey 1 and its continuation, storey 2, summary
  // Row n at 1595 + 40 n: row 28 at 2715 stays, row 29 at 2755 > 270 x 10.2 =
  // 2754 is the last of its page; row 30 opens the next at trunc(203 + 40.8).
  const auto first = TextsOf(pages.Pages[0]);
  EXPECT_EQ(TextOf(first.back()).substr(0, 2), "29");
  EXPECT_EQ(first.back()->Args[1], 2755);
  const auto next = TextsOf(pages.Pages[1]);
  ASSERT_FALSE(next.empty());
  EXPECT_EQ(TextOf(next[0]).substr(0, 2), "30");
  EXPECT_EQ(next[0]->Args, (std::vector<int32_t>{203, 243}));
  EXPECT_EQ(next[0]->Font.Height, 30);
  // No title, plan, legend or heads on the continuation: its texts are the
  // rows 30 to 35 and the total.
  EXPECT_EQ(next.size(), 7u);
  EXPECT_EQ(TextStarting(pages.Pages[1], u"矩形"), nullptr);
}

TEST_F(RequiredStrengthTest, WallHeadsThatWouldRunOffTheSheetMoveToTheNextPage) {
  BuildHouse();
  RoofFloorRectCount[0][0] = 0;
  for (int i = 0; i < 27; ++i) testmodel::AddRect(0, 0, 2, 2, 3, 3, 0);
  Method(RequiredByLoadTakeOff, 0);
  Paint();
  const RecordingPageSink& pages = AllPages();
  // Rows at 1640 + 40 n: row 27 at 2720 (266.7 mm) keeps the page; the roof
  // and floor total 10 mm lower at 2822; the wall head would stand at 2924
  // and end at 2954, past 289 mm (2947): it opens the next page at 203 + 102.
  ASSERT_EQ(pages.Pages.size(), 4u);
  const RecordedPage& first = pages.Pages[0];
  ASSERT_TRUE(TextStarting(first, u"27     "));
  EXPECT_EQ(TextStarting(first, u"27     ")->Args[1], 2720);
  ASSERT_TRUE(TextStarting(first, u"　        "));
  EXPECT_EQ(TextStarting(first, u"　        ")->Args[1], 2822);
  EXPECT_EQ(TextStarting(first, u"壁　"), nullptr);
  const RecordedPage& next = pages.Pages[1];
  ASSERT_TRUE(TextStarting(next, u"壁　"));
  EXPECT_EQ(TextStarting(next, u"壁　")->Args[1], 305);
  // Heads at +3.5 (340), gap (350), +3.5 (385), gap (395), the first wall at +4.
  ASSERT_TRUE(TextStarting(next, u" 1     "));
  EXPECT_EQ(TextStarting(next, u" 1     ")->Args[1], 435);
}

// --- Values outside the tables ---------------------------------------------------

TEST_F(RequiredStrengthTest, AMethodOutsideTheFourGivesPagesWithoutTables) {
  BuildHouse();
  Method(RequiredByStrengthTable, 0);
  Paint();
  ProjectSettings.RequiredStrengthMethod = 7;
  const RecordingPageSink& pages = AllPages();
  ASSERT_EQ(pages.Pages.size(), 3u);
  EXPECT_NE(FindText(pages.Pages[0], u"現況 必要耐力（ 1階重量）"), nullptr);
  EXPECT_EQ(TextStarting(pages.Pages[0], u"矩形"), nullptr);
  // The summary: title, heading and the factor lines (an empty shape line).
  const auto summary = TextsOf(pages.Pages[2]);
  ASSERT_EQ(summary.size(), 5u);
  EXPECT_EQ(TextOf(summary.back()), "（地域係数Ｚ）　　　 Ｚ＝ 1.0 倍");
}

TEST_F(RequiredStrengthTest, GableShapeAndWeightClassOutsideTheirTablesWeighNothing) {
  BuildHouse();
  GableWalls[0][1][0].Shape = 5;
  Walls[0][1][0].WeightClass = 9;
  Method(RequiredByLoadTakeOff, 0);
  Paint();
  const RecordedPage& upper = AllPages().Pages[1];
  EXPECT_NE(
      FindText(upper,
               u" 1                         X 1        Y 4        X 5        Y 4         4.000   0.500   "
               u"0.500     600     0.000"),
      nullptr);
  EXPECT_NE(FindText(upper,
                     u" 1     外周壁無開口壁      X 1        Y 4        X 7        Y 4         6.000   "
                     u"3.000  18.000       0     0.000"),
            nullptr);
  // Walls 36 - 10.8 = 25.2 and no gable: level 2 = 16.8 + 12.6 = 29.4, as stored.
  EXPECT_NE(FindText(AllPages().Pages.back(), u" 2    16.800　  25.200÷2(上部)  　   0.000  　  29.400"),
            nullptr);
}

}  // namespace
