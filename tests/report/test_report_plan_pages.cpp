// The plan pages (kind 1): one page per storey with its plan and legend.
// Guards: the paging contract; the legend's element list (at most 16 codes,
// sorted, the rest dropped in wall order) and its labels, with names and
// strengths of any length; the samples drawn at the plan's scale and each
// wall sample in the colour the plan gives that wall; the foundation legend
// on the first storey only.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PlanTestHouse.h"
#include "ReportTestHelpers.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "report/ReportFamilies.h"
#include "report/ReportPlan.h"
#include "report/ReportPlanPages.h"
#include "report/ReportPreview.h"

namespace {

using Op = RecordingCanvas::Op;
using Call = RecordingCanvas::Call;

class PlanPagesTest : public ReportTest {
 protected:
  void TearDown() override { plantest::Clear(); }

  // The pages of the preview up to page n; the last one is page n.
  const RecordedPage& Preview(int32_t n) {
    sink.Pages.clear();
    result = DrawPlanPages(sink, PreviewPixelsPerMm, n);
    return sink.Pages.back();
  }
  int32_t result = -1;
};

bool HasRect(const RecordedPage& page, std::vector<int32_t> args) {
  return std::any_of(page.begin(), page.end(),
                     [&](const Call& c) { return c.Kind == Op::Rectangle && c.Args == args; });
}

// The pen colour of the first horizontal line at y (within one unit) whose
// ends lie strictly between xFrom and xTo; -1 when there is none.
int32_t FirstLineColour(const RecordedPage& page, int32_t xFrom, int32_t xTo, int32_t y,
                        std::size_t from = 0) {
  for (std::size_t i = from; i < page.size(); ++i) {
    const Call& c = page[i];
    if (c.Kind != Op::Line || c.Args[1] != c.Args[3] || std::abs(c.Args[1] - y) > 1) continue;
    if (std::min(c.Args[0], c.Args[2]) > xFrom && std::max(c.Args[0], c.Args[2]) < xTo) return c.Pen.Colour;
  }
  return -1;
}

// The y of the plan's tick of each Y axis (ticks from 285 to 408 units at
// 10.2 per mm, drawn from the last axis of the extent, the lowest on the
// sheet, to the first), by axis index.
std::vector<int32_t> PlanAxisYs(const RecordedPage& page, int32_t lastAxis) {
  std::vector<int32_t> ys(GridAxisCountY, -1);
  int32_t j = lastAxis;
  for (const Call& c : page)
    if (c.Kind == Op::Line && c.Args[0] == 285 && c.Args[2] == 408 && j >= 0) ys[j--] = c.Args[1];
  return ys;
}

// The x of the plan's tick of each X axis (from 1836 to 1958 units), by axis index.
std::vector<int32_t> PlanAxisXs(const RecordedPage& page, int32_t firstAxis) {
  std::vector<int32_t> xs(GridAxisCountX, -1);
  int32_t i = firstAxis;
  for (const Call& c : page)
    if (c.Kind == Op::Line && c.Args[1] == 1836 && c.Args[3] == 1958 && i < GridAxisCountX)
      xs[i++] = c.Args[0];
  return xs;
}

// ---------------------------------------------------------------- paging and titles

TEST_F(PlanPagesTest, OnePagePerStoreyTitledAtTwentyTen) {
  plantest::BuildHouse();
  plantest::Recalculate();
  // N = 2 pages: WantedPage 1, 2, 3 give 1, 0, 0, showing pages 1, 2, 2.
  const struct {
    int32_t wanted, result;
    const char* title;
  } cases[] = {{1, 1, "現況 平面図（ 1階）"}, {2, 0, "現況 平面図（ 2階）"}, {3, 0, "現況 平面図（ 2階）"}};
  for (const auto& c : cases) {
    const RecordedPage& page = Preview(c.wanted);
    EXPECT_EQ(result, c.result) << c.wanted;
    EXPECT_EQ(sink.Pages.size(), static_cast<std::size_t>(std::min(c.wanted, 2)));
    // (20, 10) mm: 20 x 10.2 = 204 and 10 x 10.2 = 102 in decimal, a hair below
    // in extended precision, so 203 and 101; the font 6 x 3 mm is 61 x 30, weight 800.
    const Call* title = TextAt(page, 203, 101);
    ASSERT_NE(title, nullptr) << c.wanted;
    EXPECT_EQ(Utf8(title->Text), c.title);
    EXPECT_EQ(title->Font.Height, 61);
    EXPECT_EQ(title->Font.Width, 30);
    EXPECT_EQ(title->Font.Weight, 800);
  }

  // Printed: both pages with one new sheet between them, each with its header.
  RecordingPageSink printer;
  EXPECT_EQ(DrawPlanPages(printer, 23.328, 0), 0);
  EXPECT_EQ(printer.Pages.size(), 2u);
  EXPECT_EQ(printer.NewPageCount, 1);

  // A third storey, and a retrofit plan's prefix.
  ProjectSettings.TopStorey[2] = 2;
  CurrentVariant = 2;
  for (int32_t n = 1; n <= 3; ++n) {
    const RecordedPage& page = Preview(n);
    ASSERT_NE(TextAt(page, 203, 101), nullptr);
    EXPECT_EQ(Utf8(TextAt(page, 203, 101)->Text), "補強計画案２ 平面図（ " + std::to_string(n) + "階）");
    EXPECT_EQ(result, n < 3 ? 1 : 0);
  }
}

TEST_F(PlanPagesTest, FoundationLegendOnTheFirstStoreyOnly) {
  plantest::BuildHouse();
  plantest::Recalculate();
  const RecordedPage& first = Preview(1);
  // "[基礎]" at (125, 215) mm: 1275 and 2193 in decimal, each a hair below in
  // extended precision: 1274 and 2192.
  const Call* heading = FindText(first, u"[基礎]");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->Args, (std::vector<int32_t>{1274, 2192}));
  EXPECT_NE(FindText(first, u"基礎の表示は耐力のある壁下のみ"), nullptr);
  // Bands from (143 + 20k, 220) to (157 + 20k, 224) mm: 1458.6, 2244 (2243 a hair below), 1601.4, 2284.8.
  for (int32_t k = 0; k < 3; ++k) {
    const int32_t x1 = static_cast<int32_t>((143 + 20 * k) * 10.2),
                  x2 = static_cast<int32_t>((157 + 20 * k) * 10.2);
    const auto band = std::find_if(first.begin(), first.end(), [&](const Call& c) {
      return c.Kind == Op::Rectangle && c.Args == std::vector<int32_t>{x1, 2243, x2, 2284};
    });
    ASSERT_NE(band, first.end()) << k;
    EXPECT_EQ(band->Brush.Colour, FoundationTypeColours[k]);
    EXPECT_EQ(band->Pen.Style, PenStyle::Clear);
  }
  const RecordedPage& second = Preview(2);
  EXPECT_EQ(FindText(second, u"[基礎]"), nullptr);
  EXPECT_EQ(FindText(second, u"基礎Ⅰ"), nullptr);
  // The rest of the legend stands on every page: "凡例" at (20, 202) mm = (203, 2060).
  ASSERT_NE(TextAt(second, 203, 2060), nullptr);
  EXPECT_EQ(Utf8(TextAt(second, 203, 2060)->Text), "凡例");
}

// ---------------------------------------------------------------- element codes and labels

struct Element {
  int32_t Brace, Joint, Crossed, Mud, PanelLeft, PanelRight;
};

void SetElement(WallRecord& w, const Element& e) {
  w.BraceKind = e.Brace, w.BraceEndJoint = e.Joint, w.BraceArrangement = e.Crossed;
  w.MudWallKind = e.Mud, w.PanelLeft = e.PanelLeft, w.PanelRight = e.PanelRight;
}

TEST_F(PlanPagesTest, SixteenSortedCodesOfTwentyElementsWithTheirLabels) {
  plantest::BuildHouse();
  // Storey 2's first twenty walls each use another element; the last four
  // met in wall order would sort first and must not be shown.
  const Element elements[20] = {
      {0, 0, 0, 0, 3, 0},   // 2048 x 3 = 6144
      {0, 0, 0, 0, 0, 10},  // right face: 20480
      {0, 0, 0, 2, 0, 0},   // 128 x 2 = 256
      {0, 0, 0, 5, 0, 0},   // 640
      {4, 0, 0, 0, 0, 0},   // 8 x 4 + 0 + 0 = 32: row 5, nailed
      {4, 0, 1, 0, 0, 0},   // 33: crossed
      {5, 2, 0, 0, 0, 0},   // 40 + 4 = 44: row 6
      {6, 3, 0, 0, 0, 0},   // 48 + 6 = 54: row 8, hardware to the notice: no mark
      {7, 0, 0, 0, 0, 0},   // 56: row 9, strength 0
      {9, 1, 0, 0, 0, 0},   // 72 + 2 = 74: row 11
      {10, 0, 0, 0, 0, 0},  // 80: row 12
      {0, 0, 0, 0, 19, 0},  // 38912
      {0, 0, 0, 0, 25, 0},  // 51200
      {1, 0, 0, 1, 1, 1},   // all unknown: 1
      {0, 0, 0, 0, 6, 0},   // 12288
      {0, 0, 0, 4, 0, 0},   // 512
      {2, 0, 0, 0, 0, 0},   // 16: the 17th code, dropped
      {3, 0, 0, 0, 0, 0},   // 24
      {0, 0, 0, 3, 0, 0},   // 384
      {0, 0, 0, 0, 2, 0},   // 4096
  };
  for (int32_t k = 0; k < 20; ++k) SetElement(Walls[0][1][k], elements[k]);
  plantest::Recalculate();

  const std::vector<int32_t> expected = {1,   32,  33,  44,   54,    56,    74,    80,
                                         256, 512, 640, 6144, 12288, 20480, 38912, 51200};
  EXPECT_EQ(LegendWallCodes(0, 1), expected);
  // Storey 1 uses the plywood panel only.
  EXPECT_EQ(LegendWallCodes(0, 0), (std::vector<int32_t>{6144}));

  const RecordedPage& page = Preview(2);
  // Descriptions at (x1 + h + 2 mm, y - 1.25 mm), P = 1530 / 10 m = 153 units/m,
  // h = 0.06 P = 9.18, a sample 0.91 P = 139.23 long. Column 2 starts at
  // 95 mm (968.99..), so x1 = 1108.23 and x = 1137.81 -> 1137; column 4 at
  // 150 mm: x1 = 1669.23, x = 1698.81 -> 1698. Row r at (236 + 7r) x 10.2 - 12.75.
  const int32_t rowY[8] = {2394, 2465, 2537, 2608, 2680, 2751, 2822, 2894};
  const char* column2[8] = {
      "不明",
      "筋かい30x90一方向くぎ打ち",
      "筋かい30x90たすき掛けくぎ打ち",
      "筋かい45x90一方向金物2.0",
      "筋かい90x90一方向金物告示",
      "その他1一方向くぎ打ち",
      "方杖90x90添柱付き一方向金物1.5",
      "方杖90x90添柱無し一方向くぎ打ち",
  };
  const char* column4[8] = {
      "土壁4～5cm",
      "土壁7～9cm",
      "土壁9cm～",
      "構造用合板大壁四周N50",
      "構造用合板大壁川の字N50",
      "硬質木片ｾﾒﾝﾄ板四周N50",
      "構造用合板真壁四周N50",
      "石膏ﾎﾞｰﾄﾞ12胴縁ﾋﾞｽ",
  };
  for (int32_t r = 0; r < 8; ++r) {
    const Call* left = TextAt(page, 1137, rowY[r]);
    const Call* right = TextAt(page, 1698, rowY[r]);
    ASSERT_NE(left, nullptr) << r;
    ASSERT_NE(right, nullptr) << r;
    EXPECT_EQ(Utf8(left->Text), column2[r]);
    EXPECT_EQ(Utf8(right->Text), column4[r]);
    EXPECT_EQ(left->Font.Height, 25);  // 2.5 x 1 mm
    EXPECT_EQ(left->Font.Width, 10);
  }
  for (const char16_t* dropped :
       {u"鉄筋9mmφ一方向くぎ打ち", u"筋かい15x90一方向くぎ打ち", u"土壁5～7cm", u"木ずり釘打ち"})
    EXPECT_EQ(FindText(page, dropped), nullptr);

  // Symbols and strengths centred on the sample's middle (968 + 1108) / 2 =
  // 1038, 2 x 1 mm (10 units a character): the symbol's top at y - h - 2 mm,
  // the strength's at y + h. Row 1: y = 2478.6; row 2: 2550 (a hair below).
  const struct {
    int32_t x, y;
    const char* text;
  } labels[] = {
      {1038 - 15, 2449, "B2*"},    // 2478.6 - 9.18 - 20.4 = 2449.02
      {1038 - 25, 2487, " 1.90"},  // 2478.6 + 9.18 = 2487.78
      {1038 - 20, 2520, "B2W*"},   // 2550 - 29.58 = 2520.42
      {1038 - 10, 2377, "??"},     // row 0: 2407.2 - 29.58 = 2377.62
      {1038 - 25, 2416, " 2.00"},  // 2407.2 + 9.18 = 2416.38
  };
  for (const auto& label : labels) {
    const Call* text = TextAt(page, label.x, label.y);
    ASSERT_NE(text, nullptr) << label.text;
    EXPECT_EQ(Utf8(text->Text), label.text);
  }
  // Row 5 of column 2 (code 56, strength 0): nothing under the sample, at
  // y + h = 2764.2 + 9.18 -> 2773; column 4's row 5 has its " 4.10" there.
  for (const Call* text : TextsOf(page))
    if (text->Args[1] == 2773) {
      EXPECT_GT(text->Args[0], 1530) << Utf8(text->Text);
    }
}

// "柱脚" and "柱頭" over a one-way brace's sample. On a house of 10 m (153
// units a metre at 10.2 units/mm) they stand where the legend puts them: x0 -
// 2 mm and x1 - 2 mm, h + 2.5 mm above the sample's line (x0 = 95 mm =
// 968.99.., x1 = x0 + 0.91 x 153 = 1108.22.., y = 236 mm = 2407.2, h = 9.18:
// 948, 1087, 2372). With a column 25 m further (35 m, 43.7 units a metre) the
// sample is 3.9 mm long, shorter than the two words of 4 mm: they flank the
// symbol "B2*" instead and stand clear of it, of each other, of the strength
// under the sample and of the description beside it.
TEST_F(PlanPagesTest, EndWordsOfAOneWayBraceStandClearAtEveryPlanScale) {
  plantest::BuildHouse();
  SetElement(Walls[0][1][0], {4, 0, 0, 0, 3, 0});  // code 32 (B2*, row 0 of column 2) and the panel
  for (const bool large : {false, true}) {
    SCOPED_TRACE(large);
    if (large) testmodel::AddColumn(0, 0, 37, 2);
    plantest::Recalculate();
    const RecordedPage& page = Preview(2);
    const Call* foot = FindText(page, u"柱脚");
    const Call* head = FindText(page, u"柱頭");
    ASSERT_TRUE(foot && head);
    if (!large) {
      EXPECT_EQ(foot->Args, (std::vector<int32_t>{948, 2372}));
      EXPECT_EQ(head->Args, (std::vector<int32_t>{1087, 2372}));
    }
    const Call* symbol = FindText(page, u"B2*");
    const Call* strength = FindText(page, u" 1.90");
    const Call* description = FindText(page, u"筋かい30x90一方向くぎ打ち");
    ASSERT_TRUE(symbol && strength && description);
    const auto box = [](const Call* t) {
      return std::vector<int32_t>{t->Args[0], t->Args[1], t->Args[0] + FixedPitchTextWidth(t->Font, t->Text),
                                  t->Args[1] + t->Font.Height};
    };
    const std::vector<const Call*> texts = {foot, head, symbol, strength, description};
    for (std::size_t i = 0; i < texts.size(); ++i)
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        const auto a = box(texts[i]), b = box(texts[j]);
        EXPECT_TRUE(a[2] <= b[0] || b[2] <= a[0] || a[3] <= b[1] || b[3] <= a[1])
            << Utf8(texts[i]->Text) << " meets " << Utf8(texts[j]->Text);
      }
    EXPECT_LT(foot->Args[0], symbol->Args[0]);
    EXPECT_GT(head->Args[0], symbol->Args[0]);
  }
}

TEST_F(PlanPagesTest, CodesOfUnknownElementsDependOnTheMethod) {
  testmodel::UseOneMetreGrid();
  const struct {
    int32_t method;
    Element element;
    std::vector<int32_t> codes;
  } cases[] = {
      {DiagnosisGeneral, {1, 0, 0, 1, 1, 1}, {1}},
      {DiagnosisVerification, {1, 0, 0, 1, 1, 1}, {1, 2}},
      {DiagnosisVerification, {0, 0, 0, 0, 0, 1}, {2}},
      {DiagnosisGeneral, {0, 0, 0, 0, 0, 1}, {}},
      {DiagnosisPrecise1, {0, 0, 0, 0, 1, 3}, {6144}},
      // A brace, a mud wall and panels on both faces of one wall: four codes.
      {DiagnosisGeneral, {5, 1, 1, 3, 4, 3}, {8 * 5 + 2 + 1, 384, 6144, 8192}},
  };
  for (const auto& c : cases) {
    ProjectSettings.DiagnosisMethod = c.method;
    WallCount[0][0] = 0;
    SetElement(testmodel::AddWall(0, 0, 1, 1, 2, 1), c.element);
    EXPECT_EQ(LegendWallCodes(0, 0), c.codes) << c.method;
  }
  const LegendSampleLabels unknownPanel = LegendLabelsOf(2);
  EXPECT_EQ(Utf8(unknownPanel.Symbol), "??");
  EXPECT_EQ(Utf8(unknownPanel.Description), "不明");
  EXPECT_EQ(Utf8(unknownPanel.Strength), " 1.00");
}

TEST_F(PlanPagesTest, LongUserNamesAreCutAndLargeStrengthsPrintedWhole) {
  // A user panel row whose name fills all 64 places with no terminator and
  // whose symbol fills all 8; strength 123.456 needs six places.
  PanelSpecRow& user = PanelTable[FirstPanelUserRow];
  std::fill(std::begin(user.Name), std::end(user.Name), u'あ');
  std::copy_n(u"ABCDEFGH", ElementSymbolCapacity, user.Symbol);
  user.Strength = 123.456;
  const LegendSampleLabels panel = LegendLabelsOf(2048 * FirstPanelUserRow);
  EXPECT_EQ(panel.Symbol, u"ABCDEFGH");
  EXPECT_EQ(panel.Description, std::u16string(41, u'あ'));
  EXPECT_EQ(Utf8(panel.Strength), "123.46");

  // The user brace row "その他1" (brace kind 7) crossed, strength 100.
  ElementSpecRow& brace = BraceTable[9];
  std::copy_n(u"UVWXYZab", ElementSymbolCapacity, brace.Symbol);
  brace.Strength = 100;
  const LegendSampleLabels crossed = LegendLabelsOf(8 * 7 + 2 * 3 + 1);
  EXPECT_EQ(crossed.Symbol, u"UVWXYZabW");
  EXPECT_EQ(Utf8(crossed.Description), "その他1たすき掛け金物告示");
  EXPECT_EQ(Utf8(crossed.Strength), "100.00");

  // Drawn on a page with such walls, whole.
  plantest::BuildHouse();
  Walls[0][0][0].PanelLeft = FirstPanelUserRow;
  SetElement(Walls[0][0][1], {7, 3, 1, 0, 0, 0});
  plantest::Recalculate();
  const RecordedPage& page = Preview(1);
  EXPECT_NE(FindText(page, u"123.46"), nullptr);
  EXPECT_NE(FindText(page, u"100.00"), nullptr);
  EXPECT_NE(FindText(page, std::u16string(41, u'あ')), nullptr);
}

// ---------------------------------------------------------------- samples

TEST_F(PlanPagesTest, SamplesStandAtThePlansScale) {
  // Only columns: the extent alone sets the scale.
  testmodel::UseOneMetreGrid();
  const struct {
    int32_t far;  // the extent runs from axis 2 to this one, metres
    double scale;
    std::vector<int32_t> start, end;  // the squares at both ends of the first outer sample
  } cases[] = {
      // 5 m: 1530 / 5 = 306 is above 20 mm/m, so P = 204; half a square 0.06 P = 12.24.
      // x0 = 40 mm = 408 (a hair below), y = 236 mm = 2407.2; x1 = 408 + 185.64.
      // 394.76 -> 394, 421.24 -> 421, 2393.96 -> 2393, 2420.44 -> 2420; 580.4, 606.88.
      {7, 204, {394, 2393, 421, 2420}, {580, 2393, 606, 2420}},
      // 15 m: 1530 / 15 = 102 (10 mm/m); half 6.12; x1 = 408 + 92.82 = 500.82.
      // 400.88 -> 400, 415.12 -> 415, 2400.08 -> 2400, 2414.32 -> 2414; 493.7, 507.94.
      {17, 102, {400, 2400, 415, 2414}, {493, 2400, 507, 2414}},
  };
  for (const auto& c : cases) {
    ColumnCount[0][0] = 0;
    testmodel::AddColumn(0, 0, 2, 2);
    testmodel::AddColumn(0, 0, c.far, 4);
    UpdateUsedExtents();
    EXPECT_DOUBLE_EQ(ReportPlanScale(PlanOnPlanPage, PreviewPixelsPerMm), c.scale);
    const RecordedPage& page = Preview(1);
    EXPECT_TRUE(HasRect(page, c.start)) << c.far;
    EXPECT_TRUE(HasRect(page, c.end)) << c.far;
  }
}

TEST_F(PlanPagesTest, EachWallSampleInThePlansColourForThatWall) {
  plantest::BuildHouse();
  // Storey 1's side along Y axis 8 (walls 10..19 from X axis 2) is outer,
  // the line along Y axis 5 (walls 32..41) partition.
  Walls[0][0][11].OpeningKind = 1;  // X 3..4: a window
  Walls[0][0][12].OpeningKind = 2;  // X 4..5: a door
  Walls[0][0][13].NoStrength = 1;   // X 5..6: no strength
  Walls[0][0][33].OpeningKind = 1;
  Walls[0][0][34].OpeningKind = 2;
  plantest::Recalculate();
  const RecordedPage& page = Preview(1);

  const std::vector<int32_t> ys = PlanAxisYs(page, plantest::Lower);
  const std::vector<int32_t> xs = PlanAxisXs(page, plantest::Left);
  // The plan's upper outline of the wall from X axis a to a + 1 on Y axis j
  // lies h (9.18) above the axis, moved down by the pixel rule's one unit.
  const auto planColour = [&](int32_t a, int32_t j) {
    return FirstLineColour(page, xs[a], xs[a + 1], static_cast<int32_t>(ys[j] - 9.18 + 1));
  };
  // The legend's sample of column c (x0 at 40 or 65 mm), row r.
  const auto sampleColour = [&](int32_t c, int32_t r) {
    const double x0 = (40 + 25 * c) * 10.2, y = (236 + 7 * r) * 10.2;
    return FirstLineColour(page, static_cast<int32_t>(x0), static_cast<int32_t>(x0 + 139.23) + 1,
                           static_cast<int32_t>(y - 9.18 + 1));
  };
  const struct {
    int32_t column, row;   // legend sample
    int32_t axisX, axisY;  // the plan's wall
    int32_t entry;         // WallLineColours: 8 x no strength + 4 x partition + opening kind
  } cases[] = {
      {0, 0, 2, plantest::Lower, 0},     {0, 1, 3, plantest::Lower, 1},     {0, 4, 4, plantest::Lower, 2},
      {0, 7, 5, plantest::Lower, 8},     {1, 0, 2, plantest::Partition, 4}, {1, 1, 3, plantest::Partition, 5},
      {1, 4, 4, plantest::Partition, 6},
  };
  for (const auto& c : cases) {
    const int32_t plan = planColour(c.axisX, c.axisY);
    ASSERT_NE(plan, -1) << c.column << "/" << c.row;
    EXPECT_EQ(plan, WallLineColours[c.entry]) << c.column << "/" << c.row;
    EXPECT_EQ(sampleColour(c.column, c.row), plan) << c.column << "/" << c.row;
  }
  // The other window and door rows take the colour of their kind.
  EXPECT_EQ(sampleColour(0, 3), WallLineColours[1]);
  EXPECT_EQ(sampleColour(1, 6), WallLineColours[6]);
}

TEST_F(PlanPagesTest, ElementSamplesUseThePlansSymbols) {
  plantest::BuildHouse();
  SetElement(Walls[0][1][0], {4, 0, 1, 0, 0, 0});  // crossed: two wedges meeting in the middle
  SetElement(Walls[0][1][1], {0, 0, 0, 4, 0, 0});  // mud wall row 4
  SetElement(Walls[0][1][2], {1, 0, 0, 1, 1, 1});  // all unknown: the lilac band
  SetElement(Walls[0][1][3], {9, 0, 0, 0, 0, 0});  // knee braces with posts
  plantest::Recalculate();
  EXPECT_EQ(LegendWallCodes(0, 1), (std::vector<int32_t>{1, 33, 72, 512, 6144}));
  const RecordedPage& page = Preview(2);
  // Only the legend's samples lie below the plan's frame (2039).
  std::vector<const Call*> polygons;
  int32_t mudWidth = -1, bandColour = -1;
  for (const Call& c : page) {
    if (c.Kind == Op::Polygon && c.Args[1] > 2039) polygons.push_back(&c);
    if (c.Kind == Op::Line && c.Args[1] > 2039 && c.Pen.Colour == MudWallColour) mudWidth = c.Pen.Width;
    if (c.Kind == Op::Polygon && c.Args[1] > 2039 && c.Pen.Width == 2) bandColour = c.Brush.Colour;
  }
  // The band (row 0), two wedges (row 1) and the knee braces' four shapes (row 2).
  EXPECT_EQ(polygons.size(), 1u + 2u + 4u);
  EXPECT_EQ(bandColour, PanelColours[1]);
  // Crossed kind 4 with a nailed joint: BraceColours entry 3; kind 9: entry 10.
  EXPECT_EQ(polygons[1]->Brush.Colour, BraceColours[3]);
  EXPECT_EQ(polygons[3]->Brush.Colour, BraceColours[10]);
  // The mud wall line as on the plan: trunc(row x h / 5) = trunc(4 x 9.18 / 5) = 7.
  EXPECT_EQ(mudWidth, 7);
  // The plywood panel line: PanelColours[3], width 3 for a strength above 5 (5.2).
  bool panel = false;
  for (const Call& c : page)
    if (c.Kind == Op::Line && c.Args[1] > 2039 && c.Pen.Colour == PanelColours[3]) panel = c.Pen.Width == 3;
  EXPECT_TRUE(panel);
}

}  // namespace
