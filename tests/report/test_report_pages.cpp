// The foundation plan page and the verification result sheet: titles, the
// plan's place before the texts, the list and the sheet's fixed form (a few
// anchors, rules and counts), and the sheet's values from hand-set results,
// worked by hand beside each case: the storey scores, the deterioration
// factor by method and variant, the two-decimal cut, snow.
#include <gtest/gtest.h>

#include "ReportTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/Superstructure.h"
#include "model/SettingChoices.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"
#include "report/ReportPreview.h"
#include "report/VerificationResultSheet.h"

namespace {

using Op = RecordingCanvas::Op;

TEST_F(ReportTest, FoundationPageDrawsThePlanThenTitleAndTheSixFoundationKinds) {
  ProjectSettings.TopStorey[0] = 2;  // three storeys: still the first storey's page alone
  for (int32_t wanted : {1, 2, 5}) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawFoundationPlanPage(preview, PreviewPixelsPerMm, wanted), 0);
    EXPECT_EQ(preview.Pages.size(), 1u);
  }
  DrawFoundationPlanPage(sink, PreviewPixelsPerMm, 1);
  const RecordedPage& page = sink.Pages.back();
  // The plan's frame of kind 5 (20 to 140 mm) comes right after the white page.
  ASSERT_GE(page.size(), 2u);
  EXPECT_EQ(page[1].Kind, Op::Rectangle);
  EXPECT_EQ(page[1].Args, (std::vector<int32_t>{203, 203, 1427, 1427}));  // 20 and 140 mm at 10.2
  EXPECT_EQ(page[1].Pen.Colour, 0xC0C0C0);

  // The plan's own texts (the foundation legend) come first; the page's seven follow.
  auto texts = TextsOf(page);
  ASSERT_EQ(texts.size(), 13u);
  texts.erase(texts.begin(), texts.begin() + 6);
  EXPECT_EQ(texts[0]->Text, u"現況 基礎図");
  EXPECT_EQ(texts[0]->Args[0], 203);  // (20, 10) mm
  EXPECT_EQ(texts[0]->Args[1], 101);
  EXPECT_EQ(texts[0]->Font.Height, 61);  // 6 x 3 mm
  EXPECT_EQ(texts[0]->Font.Width, 30);
  EXPECT_EQ(texts[0]->Font.Weight, 800);
  EXPECT_EQ(texts[0]->Font.Italic, 0);
  EXPECT_EQ(texts[0]->Font.FaceName, ReportGothicFace);
  const char16_t* list[6] = {u"基礎Ⅰ（耐力壁下）", u"基礎Ⅱ（耐力壁下）", u"基礎Ⅲ（耐力壁下）",
                             u"基礎Ⅰ（個別入力）", u"基礎Ⅱ（個別入力）", u"基礎Ⅲ（個別入力）"};
  const int32_t ys[6] = {1019, 1070, 1121, 1172, 1223, 1274};  // 100 .. 125 mm, each a hair below
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(texts[i + 1]->Text, list[i]);
    EXPECT_EQ(texts[i + 1]->Args[0], 1682);  // 165 mm
    EXPECT_EQ(texts[i + 1]->Args[1], ys[i]);
    EXPECT_EQ(texts[i + 1]->Font.Height, 30);  // 3 x 1.5 mm, weight 400
    EXPECT_EQ(texts[i + 1]->Font.Width, 15);
    EXPECT_EQ(texts[i + 1]->Font.Weight, 400);
  }
}

// Sets the results of storey s of variant v that the sheet reads, with the
// governing combination 0: plain or snow.
void SetStorey(bool snow, int v, int s, double qr, double ratioX, double ratioY, double px, double py,
               double ex, double ey) {
  (snow ? RequiredStrengthSnow : RequiredStrength)[v][s] = qr;
  OtherElementRatioX[v][s] = ratioX;
  OtherElementRatioY[v][s] = ratioY;
  (snow ? WallStrengthXSnow : WallStrengthX)[v][s][0] = px;
  (snow ? WallStrengthYSnow : WallStrengthY)[v][s][0] = py;
  (snow ? ReductionFactorEXSnow : ReductionFactorEX)[v][s][0] = ex;
  (snow ? ReductionFactorEYSnow : ReductionFactorEY)[v][s][0] = ey;
}

class VerificationSheetTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    for (int v = 0; v < 2; ++v) {
      GoverningCombinations.Building[v] = SnowGoverningCombinations.Building[v] = 0;
      // Storey 1 (index 0): no demand. Storey 2 (index 1):
      // X (10 x 0 + 12.349) x 1.0 / 10 = 1.2349; Y (10 x 0.1 + 30) x 0.9 / 10 = 2.79.
      SetStorey(false, v, 0, 0, 0.1, 0.1, 5, 5, 1, 1);
      SetStorey(false, v, 1, 10, 0, 0.1, 12.349, 30, 1, 0.9);
    }
  }

  RecordedPage Sheet() {
    RecordingPageSink preview;
    EXPECT_EQ(DrawVerificationResultSheet(preview, PreviewPixelsPerMm, 1), 0);
    EXPECT_EQ(preview.Pages.size(), 1u);
    return preview.Pages.back();
  }

  // The value texts at the four rows (storey 2 X, storey 2 Y, storey 1 X,
  // storey 1 Y) of the left (x 57 mm) or right (x 166 mm) column.
  static std::vector<std::string> Column(const RecordedPage& page, bool right) {
    std::vector<std::string> column;
    for (int32_t y : {897, 968, 1040, 1111}) {  // 88, 95, 102, 109 mm
      const auto* text = TextAt(page, right ? 1693 : 581, y);
      column.push_back(text ? Utf8(text->Text) : "(none)");
    }
    return column;
  }
  static std::string Factor(const RecordedPage& page) {
    const auto* text = TextAt(page, 968, 999);  // (95, 98) mm
    return text ? Utf8(text->Text) : "(none)";
  }
};

// The heads of the judgement scale stand inside their columns, the rule
// between them at 97 mm: "一般診断法に準じた方法による" is 14 full-width
// characters of 3.5 mm, 49 mm; from 44 mm it ends at 93 mm (from 49 mm it
// crossed the rule), from 110 mm at 159 mm, inside the scale's 171 mm.
TEST_F(VerificationSheetTest, TheScaleHeadsStandInsideTheirColumns) {
  const RecordedPage page = Sheet();
  std::vector<std::pair<double, double>> spans;
  for (const auto* t : TextsOf(page))
    if (t->Text == u"一般診断法に準じた方法による" && t->Args[1] == 1234)  // 121 mm: 1234.2
      spans.push_back({t->Args[0] / 10.2, t->Args[0] / 10.2 + CellsOf(t->Text) * 1.75});
  ASSERT_EQ(spans.size(), 2u);
  EXPECT_NEAR(spans[0].first, 44, 0.1);
  EXPECT_LE(spans[0].second, 97 - 1);
  EXPECT_GE(spans[1].first, 97 + 1);
  EXPECT_LE(spans[1].second, 171 - 1);
}

TEST_F(VerificationSheetTest, PreciseMethodPrintsEqualColumnsWithFactorOne) {
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  DeteriorationFactor = 0.8;  // not applied in a precise method
  const RecordedPage page = Sheet();
  EXPECT_EQ(Factor(page), "   1.00");
  const std::vector<std::string> expected{"   1.23", "   2.79", "   0.00", "   0.00"};
  EXPECT_EQ(Column(page, false), expected);
  EXPECT_EQ(Column(page, true), expected);
  EXPECT_FALSE(FindText(page, u"積雪 1.50ｍ"));
}

TEST_F(VerificationSheetTest, VerificationMethodWithAFixedPercentage) {
  ProjectSettings.DiagnosisMethod = DiagnosisVerification;
  ProjectSettings.VerificationDeterioration = VerificationDeterioration85;
  DeteriorationFactor = 0.7;  // the fixed percentage wins
  const RecordedPage page = Sheet();
  EXPECT_EQ(Factor(page), "   0.85");
  EXPECT_EQ(Column(page, false), (std::vector<std::string>{"   1.23", "   2.79", "   0.00", "   0.00"}));
  // 1.2349 x 0.85 = 1.049665; 2.79 x 0.85 = 2.3715.
  EXPECT_EQ(Column(page, true), (std::vector<std::string>{"   1.04", "   2.37", "   0.00", "   0.00"}));
}

TEST_F(VerificationSheetTest, RetrofitPlanTakesTheFactorTheEvaluationApplied) {
  // A retrofit plan under either rule: the retrofit factor, as the scores
  // and the cover use it.
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  DeteriorationFactor = 0.8;
  RetrofitDeteriorationFactor = 0.95;
  for (int32_t rule : {RetrofitCapHigherOfCurrent, RetrofitCapWhenFound}) {
    ProjectSettings.RetrofitDeteriorationRule = rule;
    CurrentVariant = RetrofitPlan1;
    RecordedPage page = Sheet();
    EXPECT_EQ(Factor(page), "   0.95") << rule;
    // 1.2349 x 0.95 = 1.173155; 2.79 x 0.95 = 2.6505.
    EXPECT_EQ(Column(page, true), (std::vector<std::string>{"   1.17", "   2.65", "   0.00", "   0.00"}));
    CurrentVariant = CurrentState;
    page = Sheet();
    EXPECT_EQ(Factor(page), "   0.80") << rule;
  }
}

TEST_F(VerificationSheetTest, ScoresAreCutToTwoDecimals) {
  struct Case {
    double score;
    const char* text;
  };
  const Case cases[] = {{1.23, "   1.23"}, {1.2349, "   1.23"}, {0.999999, "   0.99"}, {0.004, "   0.00"},
                        {0, "   0.00"},    {-0.3, "   0.00"},   {1.5, "   1.50"}};
  for (const Case& c : cases) EXPECT_EQ(Utf8(VerificationScoreText(c.score)), c.text) << c.score;
}

TEST_F(VerificationSheetTest, SnowCaseTakesEveryInputFromTheSnowResults) {
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  ProjectSettings.SnowLoad = 0.39;  // 1.5 m
  // Storey 2 with snow: X (25 x 0.1 + 30) x 0.9 / 25 = 1.17; Y (25 x 0.2 + 20) x 1 / 25 = 1.0.
  SetStorey(true, 0, 1, 25, 0.1, 0.2, 30, 20, 0.9, 1);
  SetStorey(true, 0, 0, 0, 0, 0, 0, 0, 1, 1);

  ProjectSettings.SnowCase = SnowCaseWithout;  // snow depth alone does not switch
  RecordedPage page = Sheet();
  EXPECT_FALSE(FindText(page, u"積雪 1.50ｍ"));
  // The other-element ratio has no snow twin and serves both: (10 x 0.1 + 12.349) / 10 = 1.3349.
  EXPECT_EQ(Column(page, false)[0], "   1.33");

  ProjectSettings.SnowCase = SnowCaseWith;
  page = Sheet();
  const auto* depth = FindText(page, u"積雪 1.50ｍ");
  ASSERT_TRUE(depth);
  EXPECT_EQ(depth->Args, (std::vector<int32_t>{428, 1958}));  // (42, 192) mm
  EXPECT_EQ(Column(page, false), (std::vector<std::string>{"   1.17", "   1.00", "   0.00", "   0.00"}));
}

TEST_F(VerificationSheetTest, TheFixedFormHasItsTitleRulesAndBoxes) {
  const RecordedPage page = Sheet();
  const auto* title = FindText(page, u"新耐震木造住宅検証法 結果表");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->Args, (std::vector<int32_t>{581, 285}));  // (57, 28) mm
  EXPECT_EQ(title->Font.Height, 71);                         // 7 x 3.5 mm
  EXPECT_EQ(title->Font.Width, 35);
  EXPECT_EQ(title->Font.Weight, 400);
  EXPECT_EQ(title->Brush.Style, BrushStyle::Clear);
  // No page title at (20, 10) mm and no variant prefix.
  EXPECT_FALSE(TextAt(page, 203, 101));
  // The paragraph's width font 3.5 x 1.8 mm; the storey labels written downward.
  EXPECT_EQ(FindText(page, u"検証することを目的として作成されたものです。")->Font.Width, 18);
  for (const char16_t* label : {u"２", u"１", u"Ｘ方向", u"講", u"TEL："}) EXPECT_TRUE(FindText(page, label));
  EXPECT_EQ(TextsOf(page).size(), 71u);  // 62 fixed texts, the factor and 8 scores

  int rectangles = 0, solid = 0, dotted = 0;
  for (const auto& call : page) {
    if (&call == &page.front()) continue;  // the white page
    if (call.Kind == Op::Rectangle) {
      ++rectangles;
      EXPECT_EQ(call.Brush.Style, BrushStyle::Clear);
      EXPECT_EQ(call.Pen.Width, 2);  // 0.2 mm
    }
    if (call.Kind == Op::Line) {
      EXPECT_EQ(call.Pen.Width, 2);
      EXPECT_EQ(call.Pen.Colour, 0);
      ++(call.Pen.Style == PenStyle::Dot ? dotted : solid);
    }
  }
  EXPECT_EQ(rectangles, 7);
  EXPECT_EQ(solid, 23);
  EXPECT_EQ(dotted, 5);
  // The result section and the verifier box's middle rule.
  bool section = false, rule = false;
  for (const auto& call : page) {
    section =
        section || (call.Kind == Op::Rectangle && call.Args == std::vector<int32_t>{152, 458, 1999, 1718});
    rule = rule ||
           (call.Kind == Op::Line && call.Args[0] == 152 && call.Args[1] == 2692 && call.Args[2] == 1948);
  }
  EXPECT_TRUE(section);  // (15, 45, 196, 168.5) mm
  EXPECT_TRUE(rule);     // (15, 264) to (191, 264) mm
}

}  // namespace
