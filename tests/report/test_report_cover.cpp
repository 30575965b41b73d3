// The cover family: verdict classes and texts, the completion date, the
// brace and joint summaries, the deterioration row, the key texts of page 1
// worked by hand from set results (one-storey general method, two storeys
// with snow), the governing combination of a row, paging, the checklist page,
// and a house run through the recalculation chain.
#include <gtest/gtest.h>

#include "ReportTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "chain/RecalculationChain.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/Superstructure.h"
#include "model/ElementLists.h"
#include "model/SettingChoices.h"
#include "platform/Format.h"
#include "report/ReportCover.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"
#include "report/ReportPreview.h"
#include "report/ReportScore.h"
#include "tests/support/MaximalModel.h"

namespace {

// y (or x) in units at the preview's 10.2 per mm.
int32_t U(double mm) { return MmToUnits(mm, PreviewPixelsPerMm); }

std::string TextAtMm(const RecordedPage& page, double x, double y) {
  const auto* text = TextAt(page, U(x), U(y));
  return text ? Utf8(text->Text) : "(none)";
}

template <std::size_t N>
void SetField(char16_t (&field)[N], std::u16string_view text) {
  std::fill(std::begin(field), std::end(field), u'\0');
  std::copy(text.begin(), text.end(), field);
}

TEST_F(ReportTest, VerdictClassesAndTexts) {
  struct Case {
    double score;
    int32_t judgement;
    const char* shown;
  };
  const Case cases[] = {{1.5, 0, "1.500"}, {1.4999, 1, "1.499"}, {1.0, 1, "1.000"},  {0.9996, 2, "0.999"},
                        {0.7, 2, "0.700"}, {0.0, 3, "0.000"},    {-0.1, 4, "-0.100"}};
  for (const Case& c : cases) {
    EXPECT_EQ(JudgeScore(c.score), c.judgement) << c.score;
    EXPECT_EQ(FormatA("%5.3f", CutForThreeDecimals(c.score)), c.shown) << c.score;
  }
  EXPECT_EQ(Utf8(CollapseJudgementText(4)), " ");
  EXPECT_EQ(Utf8(CollapseJudgementText(9)), "");
  ProjectSettings.Revision = 0;
  EXPECT_EQ(Utf8(CollapseJudgementText(1)), "一応倒壊しない");
  ProjectSettings.Revision = 1;
  EXPECT_EQ(Utf8(CollapseJudgementText(1)), "倒壊する可能性が低い");
  EXPECT_EQ(Utf8(CollapseJudgementText(0)), "倒壊しない");
  // Two decimals for the overall score: cut, and 0.57 stays 0.57.
  EXPECT_EQ(FormatA("%5.2f", CutForTwoDecimals(0.995)), " 0.99");
  EXPECT_EQ(FormatA("%5.2f", CutForTwoDecimals(0.57)), " 0.57");
  EXPECT_EQ(FormatA("%5.2f", CutForTwoDecimals(1.0)), " 1.00");
}

TEST_F(ReportTest, CompletionDates) {
  struct Case {
    const char16_t* year;
    const char16_t* month;
    int32_t unknown;
    const char* text;
  };
  const Case cases[] = {{u"3      56", u"6", 0, "  昭和   56 年    6 月"},
                        {u"3      56", u"6", 1, "  昭和   56 年    6 月 頃"},
                        {u"5       2", u"12", 0, "  令和    2 年   12 月"},
                        {u"6", u"", 0, "  　　      年      月"},
                        {u"8      56", u"6", 0, "  　　   56 年    6 月"},  // no era 8: the empty choice
                        {u"S56", u"6", 0, "  　　  S56 年    6 月"}};
  for (const Case& c : cases) {
    SetField(ProjectSettings.BuildYear[0], c.year);
    SetField(ProjectSettings.BuildMonth[0], c.month);
    ProjectSettings.BuildDateUnknown[0] = c.unknown;
    EXPECT_EQ(Utf8(CoverCompletionDate()), c.text) << Utf8(c.year);
  }
}

TEST_F(ReportTest, BraceAndJointSummaries) {
  ProjectSettings.TopStorey[0] = 1;
  EXPECT_EQ(Utf8(CoverBraceSummary(0)), "筋カイ無し（不明）");
  EXPECT_EQ(Utf8(CoverJointClasses(0)), "");
  WallCount[0][0] = 3;
  Walls[0][0][0].BraceKind = 2;  // the steel bar: not a wooden brace
  Walls[0][0][1].BraceKind = 4;
  Walls[0][0][1].BraceEndJoint = 0;
  Walls[0][0][2].BraceKind = 3;
  Walls[0][0][2].BraceEndJoint = 3;
  WallResults[0][0][0].Blocks[0].JointSpec = 2;
  WallResults[0][0][1].Blocks[0].JointSpec = 5;  // a hardware row: no class
  WallResults[0][0][2].Blocks[0].JointSpec = 0;
  EXPECT_EQ(Utf8(CoverBraceSummary(0)), "金物 無し　金物 有り　");
  EXPECT_EQ(Utf8(CoverJointClasses(0)), " Ⅰ  Ⅲ ");
  Walls[0][0][1].BraceKind = 1;
  EXPECT_EQ(Utf8(CoverBraceSummary(0)), "金物 有り　");
  // Storey 2 counts while it exists.
  WallCount[0][1] = 1;
  WallResults[0][1][0].Blocks[0].JointSpec = 3;
  EXPECT_EQ(Utf8(CoverJointClasses(0)), " Ⅰ  Ⅲ  Ⅳ ");
  ProjectSettings.TopStorey[0] = 0;
  EXPECT_EQ(Utf8(CoverJointClasses(0)), " Ⅰ  Ⅲ ");
}

// The evaluation's results outlive a model reset: every combination 0.
void ResetScoreResults() {
  GoverningCombinations = {};
  SnowGoverningCombinations = {};
  Scores = {};
  SnowScores = {};
}

class CoverTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    ResetScoreResults();
  }
  RecordedPage Cover(int32_t wanted = 1) {
    RecordingPageSink preview;
    DrawCoverPage(preview, PreviewPixelsPerMm, wanted);
    return preview.Pages.front();
  }
};

TEST_F(CoverTest, DeteriorationRowInItsFourCases) {
  ExistencePointTotal = 20;
  DeteriorationPointTotal = 4;
  DeteriorationFactor = 0.8;
  RetrofitExistencePointTotal = 20;
  RetrofitDeteriorationPointTotal = 2;
  RetrofitDeteriorationFactor = 0.9;
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  RecordedPage page = Cover();
  EXPECT_EQ(TextAtMm(page, 70, 117), "一般診断法による劣化度（建物全体）は考慮しない");
  EXPECT_EQ(TextAtMm(page, 70, 111), "(none)");

  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  page = Cover();
  EXPECT_EQ(TextAtMm(page, 70, 117),
            "存在点数: 20　劣化点数:  4　(1.0 -   4/ 20 ＝)　劣化度低減係数＝ 0.800");
  EXPECT_EQ(TextAtMm(page, 70, 111), "(none)");

  CurrentVariant = RetrofitPlan1;
  page = Cover();
  EXPECT_EQ(TextAtMm(page, 70, 111), std::string(32, ' ') + "現況調査における劣化度低減係数＝ 0.800");
  EXPECT_EQ(U(111), 1132);
  EXPECT_EQ(TextAtMm(page, 70, 117),
            "存在点数: 20　劣化点数:  2　(1.0 -   2/ 20 ＝)　劣化度低減係数＝ 0.900");

  ProjectSettings.DiagnosisMethod = DiagnosisVerification;
  ProjectSettings.VerificationDeterioration = VerificationDeterioration85;
  page = Cover();
  EXPECT_EQ(TextAtMm(page, 70, 117), "一般診断法に準じた方法における劣化度による低減係数＝ 0.850");
}

// Sets the results the result row of storey s, direction X and Y, reads at
// combination c; snow values are the plain ones + 100 for P, Pd and Qr.
void SetRowResults(int v, int s, int c, double qr, double wall, double e, double pd, double score) {
  const int g = CombinationGroup[c];
  for (int snow = 0; snow < 2; ++snow) {
    (snow ? RequiredStrengthSnow : RequiredStrength)[v][s] = qr + 100 * snow;
    (snow ? WallStrengthXSnow : WallStrengthX)[v][s][g] = wall + 100 * snow;
    (snow ? WallStrengthYSnow : WallStrengthY)[v][s][g] = wall + 1 + 100 * snow;
    (snow ? ReductionFactorEXSnow : ReductionFactorEX)[v][s][c] = e;
    (snow ? ReductionFactorEYSnow : ReductionFactorEY)[v][s][c] = e;
    (snow ? StiffnessRatioFactorXSnow : StiffnessRatioFactorX)[v][s][c] = 1;
    (snow ? StiffnessRatioFactorYSnow : StiffnessRatioFactorY)[v][s][c] = 1;
    ScoreSet& set = snow ? SnowScores : Scores;
    set.PdX[v][s][c] = set.PdY[v][s][c] = pd + 100 * snow;
    set.ScoreX[v][s][c] = set.ScoreY[v][s][c] = score - 0.1 * snow;
  }
  OtherElementRatioX[v][s] = OtherElementRatioY[v][s] = 0.1;
}

TEST_F(CoverTest, OneStoreyGeneralMethodHouse) {
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  ProjectSettings.TopStorey[0] = 0;
  SetField(ProjectSettings.BuildingName, u"山田");
  ProjectSettings.AppendTei = 1;
  DeteriorationFactor = 0.9;
  // Storey 1: P = 20 x 0.1 + 18 = 20.0 under X, 21.0 under Y.
  SetRowResults(0, 0, 0, 20, 18, 0.85, 15.3, 0.765);
  Scores.BuildingScore[0][0] = 0.765;
  StoreyGrossArea[0][0] = 60.5;
  const RecordedPage page = Cover();
  const auto* title = FindText(page, u"「一般診断法」による診断");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->Args, (std::vector<int32_t>{U(72), U(13)}));
  EXPECT_EQ(title->Font.Height, U(6));
  EXPECT_EQ(title->Font.Weight, 800);
  EXPECT_EQ(TextAtMm(page, 54, 34), "山田 邸");
  EXPECT_EQ(TextAtMm(page, 87, 52), "　現況");
  EXPECT_EQ(TextAtMm(page, 135, 86), "");  // no plan-shape factors for one storey
  EXPECT_EQ(TextAtMm(page, 108, 147), "  60.500 ㎡");
  EXPECT_EQ(TextAtMm(page, 37, 141), "(none)");  // no storey-2 row
  // Storey 1 X band: 225 + 4 x 8.5 = 259, the row 1.25 mm below.
  const double y = 260.25;
  EXPECT_EQ(TextAtMm(page, 46, y), "  20.000");
  EXPECT_EQ(TextAtMm(page, 77, y), "   0.850");
  EXPECT_EQ(TextAtMm(page, 102, 261.5), "   0.900");
  EXPECT_EQ(TextAtMm(page, 121, y), "  15.300");
  EXPECT_EQ(TextAtMm(page, 138, y), "  20.000");
  EXPECT_EQ(TextAtMm(page, 156, y), "0.765");  // three decimals print as they are
  EXPECT_EQ(TextAtMm(page, 167, y), "倒壊する可能性がある");
  EXPECT_EQ(TextAt(page, U(46), U(y))->Font.Height, U(3.5));
  EXPECT_EQ(TextAtMm(page, 46, 268.75), "  21.000");  // the Y band
  EXPECT_EQ(TextAtMm(page, 25, 265.5), "１階");
  EXPECT_EQ(TextAtMm(page, 25, 248.5), "(none)");
  EXPECT_EQ(TextAtMm(page, 154.25, 284.25), " 0.76");
  EXPECT_EQ(TextAtMm(page, 167, 284.5), "倒壊する可能性がある");
  EXPECT_FALSE(FindText(page, u"（上段：雪なし時、下段：積雪時）"));
}

TEST_F(CoverTest, TwoStoreyPreciseHouseWithSnow) {
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  ProjectSettings.TopStorey[0] = 1;
  ProjectSettings.SnowLoad = 0.39;
  PlanShapeFactor[0][0] = 1.15;
  SetRowResults(0, 0, 0, 30, 40, 0.9, 39.6, 1.32);
  SetRowResults(0, 1, 0, 10, 20, 1.0, 21, 2.1);
  Scores.BuildingScore[0][0] = 1.32;
  SnowScores.BuildingScore[0][0] = 1.22;
  const RecordedPage page = Cover();
  EXPECT_EQ(TextAtMm(page, 72, 13), "「精密診断法１」による診断");
  EXPECT_EQ(TextAtMm(page, 135, 66), "   1.5 ｍ");
  EXPECT_EQ(TextAtMm(page, 135, 86), "１階＝1.15");
  EXPECT_EQ(TextAtMm(page, 175, 195), "(130.000 kN)");
  const auto* note = FindText(page, u"（上段：雪なし時、下段：積雪時）");
  ASSERT_TRUE(note);
  EXPECT_EQ(note->Args[1], U(203));
  // Storey 1 X band top 259: plain row 1.5 mm, snow row 5 mm below.
  EXPECT_EQ(TextAtMm(page, 46, 260.5), "  43.000");  // 30 x 0.1 + 40
  EXPECT_EQ(TextAtMm(page, 46, 264), " 153.000");    // 130 x 0.1 + 140
  EXPECT_EQ(TextAtMm(page, 68, 260.5), "1.000");
  EXPECT_EQ(TextAtMm(page, 80, 260.5), "0.900");
  EXPECT_EQ(TextAtMm(page, 156, 260.5), "1.320");
  EXPECT_EQ(TextAtMm(page, 156, 264), "1.220");
  EXPECT_EQ(TextAtMm(page, 167, 264), "一応倒壊しない");
  EXPECT_EQ(TextAt(page, U(46), U(264))->Font.Height, U(2.5));
  EXPECT_EQ(TextAtMm(page, 102, 261.5), "(none)");  // no D in a precise method
  // Storey 3 bands stay empty.
  EXPECT_EQ(TextAtMm(page, 25, 231.5), "(none)");
  EXPECT_EQ(TextAtMm(page, 46, 226.5), "(none)");
  EXPECT_EQ(TextAtMm(page, 25, 248.5), "２階");
  EXPECT_EQ(TextAtMm(page, 154.25, 284.25), " 1.22");
}

// The snow Qr in brackets at 175 mm stands in the cell that the frame ends at
// 196 mm. In the label font (1.75 mm a cell) "(130.000 kN)", 12 cells, ended
// at 196 mm and a Qr from 1000 kN crossed the frame; at 1.5 mm a cell, or
// narrower where 20 mm would not hold the text, it ends by 195 mm.
TEST_F(CoverTest, TheBracketedSnowQrEndsBeforeTheFrame) {
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  ProjectSettings.TopStorey[0] = 0;
  ProjectSettings.SnowLoad = 0.39;
  struct Case {
    double qr;
    const char* text;
    int32_t widthUnits;  // at 100 units per mm
    double endMm;
  };
  const Case cases[] = {
      {130, "(130.000 kN)", 150, 175 + 12 * 1.5},           // 193 mm
      {1994.033, "(1994.033 kN)", 150, 175 + 13 * 1.5},     // 194.5 mm
      {12345.678, "(12345.678 kN)", 142, 175 + 14 * 1.42},  // 20 / 14 = 1.428.. mm: 194.88 mm
  };
  for (const Case& c : cases) {
    RequiredStrengthSnow[0][0] = c.qr;
    RecordingPageSink preview;
    DrawCoverPage(preview, 100, 1);
    const auto* text = TextAt(preview.Pages.front(), 17500, 19500);
    ASSERT_TRUE(text) << c.qr;
    EXPECT_EQ(Utf8(text->Text), c.text);
    EXPECT_EQ(text->Font.Height, 350);  // 3.5 mm
    EXPECT_EQ(text->Font.Width, c.widthUnits) << c.qr;
    EXPECT_LE(text->Args[0] + CellsOf(text->Text) * text->Font.Width, c.endMm * 100) << c.qr;
    EXPECT_LE(c.endMm, 195.0);
  }
}

TEST_F(CoverTest, RowsReadTheirGoverningCombination) {
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  ProjectSettings.DistinguishBraceDirection = 1;
  ProjectSettings.TopStorey[0] = 0;
  SetRowResults(0, 0, 0, 20, 10, 1, 10, 0.5);
  SetRowResults(0, 0, 6, 20, 30, 1, 33, 1.65);  // case 2 holds wall strength 30
  GoverningCombinations.X[0][0] = 6;
  GoverningCombinations.Building[0] = 6;
  Scores.BuildingScore[0][6] = 1.65;
  const RecordedPage page = Cover();
  EXPECT_EQ(TextAtMm(page, 46, 260.25), "  32.000");  // 20 x 0.1 + 30 (case 2)
  EXPECT_EQ(TextAtMm(page, 121, 260.25), "  33.000");
  EXPECT_EQ(TextAtMm(page, 156, 260.25), "1.650");
  EXPECT_EQ(TextAtMm(page, 46, 268.75), "  13.000");  // Y at combination 0, case 0: 20 x 0.1 + 11
  EXPECT_EQ(TextAtMm(page, 154.25, 284.25), " 1.65");
  // The score page's final line states the same G.
  ProjectSettings.SnowLoad = 0.26;
  SnowScores.BuildingScore[0][0] = 2.0;
  RecordingPageSink preview;
  DrawScorePage(preview, PreviewPixelsPerMm, 1);
  EXPECT_EQ(Utf8(TextsOf(preview.Pages.back()).back()->Text),
            "当該建物の耐震診断評点  1.650 ＜－－ 雪なし時の上部構造評点");
}

TEST_F(CoverTest, MixedStructureBlanksTheFirstStoreyVerdictAtZero) {
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  ProjectSettings.TopStorey[0] = 0;
  SetRowResults(0, 0, 0, 20, 0, 1, 0, 0);
  ProjectSettings.MixedStructure = 0;
  EXPECT_EQ(TextAtMm(Cover(), 167, 260.25), "倒壊する可能性が高い");
  EXPECT_EQ(TextAtMm(Cover(), 156, 260.25), "0.000");
  ProjectSettings.MixedStructure = 1;
  EXPECT_EQ(TextAtMm(Cover(), 167, 260.25), " ");
}

TEST_F(CoverTest, PagingByMethod) {
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  RecordingPageSink one;
  EXPECT_EQ(DrawCoverPage(one, PreviewPixelsPerMm, 1), 1);
  EXPECT_EQ(one.Pages.size(), 1u);
  RecordingPageSink two;
  EXPECT_EQ(DrawCoverPage(two, PreviewPixelsPerMm, 2), 0);
  EXPECT_EQ(two.Pages.size(), 2u);
  EXPECT_TRUE(FindText(two.Pages.back(), u"劣化度による低減係数"));
  RecordingPageSink printer;
  EXPECT_EQ(DrawReportPageKind(PageCover, printer, 23.328, 0), 0);
  EXPECT_EQ(printer.Pages.size(), 2u);
  EXPECT_EQ(printer.NewPageCount, 1);

  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  RecordingPageSink precise;
  EXPECT_EQ(DrawCoverPage(precise, PreviewPixelsPerMm, 2), 0);
  EXPECT_EQ(precise.Pages.size(), 1u);
  RecordingPageSink printer1;
  DrawCoverPage(printer1, 23.328, 0);
  EXPECT_EQ(printer1.Pages.size(), 1u);
  EXPECT_EQ(printer1.NewPageCount, 0);
}

TEST_F(CoverTest, ChecklistPageSumsItsOwnTotals) {
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    ExistencePoints[i] = i < 3 ? 2 : 1;  // 3 x 2 + 10 x 1 = 16
    DeteriorationPoints[i] = i == 1 ? 2 : 0;
    RetrofitDeteriorationPoints[i] = 0;  // the gutters repaired
  }
  ExistencePointTotal = 99;  // the page sums for itself
  DeteriorationFactor = 0.875;
  RetrofitDeteriorationFactor = 1.0;
  RecordingPageSink sink2;
  DrawCoverPage(sink2, PreviewPixelsPerMm, 2);
  RecordedPage page = sink2.Pages.back();
  EXPECT_EQ(TextAtMm(page, 155, 43), "  2         0");  // roof, 3 mm lower
  EXPECT_EQ(TextAtMm(page, 155, 52), "  2         2");  // gutters
  EXPECT_EQ(TextAtMm(page, 155, 160), " 16         2");
  EXPECT_EQ(TextAtMm(page, 160, 168), "0.875");
  EXPECT_EQ(TextAt(page, U(20), U(25))->Font.Width, U(1.3));

  CurrentVariant = RetrofitPlan1;
  RecordingPageSink plan;
  DrawCoverPage(plan, PreviewPixelsPerMm, 2);
  page = plan.Pages.back();
  EXPECT_EQ(TextAtMm(page, 155, 52), "  2         2 ( 0)");
  EXPECT_EQ(TextAtMm(page, 155, 133), "  1         0 ( 0)");  // bathroom wall, 3 mm lower
  EXPECT_EQ(TextAtMm(page, 155, 160), " 16         2 ( 0)");
  EXPECT_EQ(TextAtMm(page, 160, 168), "0.875 (1.000)");
}

TEST_F(ReportTest, CoverOfAHouseAgreesWithTheResults) {
  BuildTypicalHouse();
  for (double snow : {0.0, 0.26}) {
    ProjectSettings.SnowLoad = snow;
    ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
    RunRecalculationChain();
    RunRecalculationChain();
    RecordingPageSink preview;
    DrawCoverPage(preview, PreviewPixelsPerMm, 1);
    const RecordedPage& page = preview.Pages.front();
    double smallest = 1e9;
    for (int s = 0; s <= ProjectSettings.TopStorey[0]; ++s)
      for (int d = 0; d < 2; ++d) {
        const int c = (d ? GoverningCombinations.Y : GoverningCombinations.X)[0][s];
        const double score = (d ? Scores.ScoreY : Scores.ScoreX)[0][s][c];
        smallest = std::min(smallest, score);
        const double y = 225 + 8.5 * (2 * (2 - s) + d) + (snow != 0 ? 1.5 : 1.25);
        EXPECT_EQ(TextAtMm(page, 156, y), FormatA("%5.3f", score - 0.0004999999999)) << s << d;
        // The panel's caption of the storey and direction, to two decimals.
        EXPECT_EQ(FormatA("%.2f", CutScore(score)),
                  FormatA("%.2f", (d ? ShownScores.Y : ShownScores.X)[0][s]));
        if (snow != 0) {
          const int cs = (d ? SnowGoverningCombinations.Y : SnowGoverningCombinations.X)[0][s];
          smallest = std::min(smallest, (d ? SnowScores.ScoreY : SnowScores.ScoreX)[0][s][cs]);
        }
      }
    ASSERT_GT(smallest, 0.1);
    EXPECT_EQ(TextAtMm(page, 154.25, 284.25), FormatA("%5.2f", smallest - 0.004999999999)) << snow;
  }
}

}  // namespace
