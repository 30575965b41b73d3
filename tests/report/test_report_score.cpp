// The reduction factor and score page: the three-decimal score cut, the
// storey-column rows, the layouts of the precise, general and verification
// methods with and without snow (headings and rows at their cursor y, worked
// by hand from the pitch), the governing combination each pass reads, the
// final line, paging, and a whole house through the recalculation chain.
#include <gtest/gtest.h>

#include "ReportTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/RequiredStrength.h"
#include "chain/RecalculationChain.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/Superstructure.h"
#include "model/SettingChoices.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"
#include "report/ReportPreview.h"
#include "report/ReportScore.h"
#include "tests/support/MaximalModel.h"

namespace {

constexpr double PrintPixelsPerMm = 23.328;
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t Maroon = 0x000080;

TEST(ScoreTexts, ThirdDecimalIsCutAndZeroHasNoSign) {
  struct Case {
    double score;
    const char* text;
  };
  const Case cases[] = {{1.5, "1.500"},     {1.4999, "1.499"}, {0.9996, "0.999"}, {1.0, "1.000"},
                        {0.99999, "0.999"}, {0.0, "0.000"},    {-0.1, "-0.100"},  {0.123, "0.123"}};
  for (const Case& c : cases) EXPECT_EQ(FormatA("%.3f", CutForThreeDecimals(c.score)), c.text) << c.score;
}

TEST(ScoreTexts, StoreyColumnsForOneTwoAndThreeStoreys) {
  EXPECT_EQ(Utf8(StoreyColumnDirectionLine(1)), "方向                     Ｘ          Ｙ");
  // Three storeys: two gaps of eleven spaces after Ｘ.
  EXPECT_EQ(Utf8(StoreyColumnDirectionLine(3)),
            "方向                     Ｘ" + std::string(22, ' ') + "          Ｙ");
  EXPECT_EQ(Utf8(StoreyColumnStoreyLine(1)), "階                      １階        １階");
  EXPECT_EQ(Utf8(StoreyColumnStoreyLine(2)),
            "階                      １階       ２階        １階       ２階");
  EXPECT_EQ(Utf8(StoreyColumnStoreyLine(3)),
            "階                      １階       ２階       ３階        １階       ２階       ３階");

  const double x[3] = {40.5, 20.25, 1.0}, y[3] = {41.5, 21.25, 2.0};
  EXPECT_EQ(Utf8(StoreyColumnRow(u"必要耐力           %10.3f", x, y, 2)),
            "必要耐力               40.500     20.250      41.500     21.250");
  EXPECT_EQ(Utf8(StoreyColumnRow(u"必要耐力           %10.3f", x, y, 1)),
            "必要耐力               40.500      41.500");
  const double rx[3] = {120.4, 240.6, 0}, ry[3] = {99.5, 300, 0};
  EXPECT_EQ(
      Utf8(StoreyColumnRow(u"層間変形角             1/%4.0f", rx, ry, 2, StoreyColumnStyle::DriftAngle)),
      "層間変形角             1/ 120     1/ 241      1/ 100     1/ 300");
  EXPECT_EQ(Utf8(StoreyColumnRow(u"rs    　　　　          %4.0f", rx, ry, 2, StoreyColumnStyle::Reciprocal)),
            "rs    　　　　           120        241         100        300");
}

// Results of storey s of variant v at combination c (wall case g): every
// array the page reads, plain and snow (snow values + 100).
void SetStoreyResults(int v, int s, int c, double base) {
  const int g = CombinationGroup[c];
  for (int snow = 0; snow < 2; ++snow) {
    const double b = base + (snow ? 100 : 0);
    (snow ? RequiredStrengthSnow : RequiredStrength)[v][s] = b + 1;
    (snow ? StiffnessSumXSnow : StiffnessSumX)[v][s][g] = b + 2;
    (snow ? StiffnessSumYSnow : StiffnessSumY)[v][s][g] = b + 3;
    (snow ? DriftReciprocalXSnow : DriftReciprocalX)[v][s][g] = b + 120;
    (snow ? DriftReciprocalYSnow : DriftReciprocalY)[v][s][g] = b + 130;
    (snow ? StiffnessRatioXSnow : StiffnessRatioX)[v][s][c] = 0.9;
    (snow ? StiffnessRatioYSnow : StiffnessRatioY)[v][s][c] = 0.8;
    (snow ? StiffnessRatioFactorXSnow : StiffnessRatioFactorX)[v][s][c] = 1.0;
    (snow ? StiffnessRatioFactorYSnow : StiffnessRatioFactorY)[v][s][c] = 0.95;
    (snow ? EccentricityRatioXSnow : EccentricityRatioX)[v][s][g] = 0.25;
    (snow ? EccentricityRatioYSnow : EccentricityRatioY)[v][s][g] = 0.35;
    (snow ? ReductionFactorEXSnow : ReductionFactorEX)[v][s][c] = 0.9;
    (snow ? ReductionFactorEYSnow : ReductionFactorEY)[v][s][c] = 0.85;
    (snow ? WallStrengthXSnow : WallStrengthX)[v][s][g] = b + 4;
    (snow ? WallStrengthYSnow : WallStrengthY)[v][s][g] = b + 5;
    ScoreSet& set = snow ? SnowScores : Scores;
    set.PdX[v][s][c] = b + 6;
    set.PdY[v][s][c] = b + 7;
    set.ScoreX[v][s][c] = 1.2346;
    set.ScoreY[v][s][c] = 0.9996;
  }
  AverageFloorMagnification[v][s] = 1.5;
  OtherElementRatioX[v][s] = 0.5;
  OtherElementRatioY[v][s] = 0.25;
}

class ScorePageTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    GoverningCombinations = {};  // the evaluation's results outlive a model reset
    SnowGoverningCombinations = {};
    ProjectSettings.TopStorey[0] = 1;
    for (int s = 0; s < 3; ++s) SetStoreyResults(0, s, 0, 10 * (s + 1));
    Scores.BuildingScore[0][0] = 0.9996;
    SnowScores.BuildingScore[0][0] = 1.0;
    DriftReciprocalMeanX[0][0] = 150;
    DriftReciprocalMeanY[0][0] = 160;
  }
  RecordedPage Page(double ppm = PreviewPixelsPerMm) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawScorePage(preview, ppm, 1), 0);
    EXPECT_EQ(preview.Pages.size(), 1u);
    return preview.Pages.back();
  }
  // The texts below the title, each as its y and its text.
  static std::vector<std::pair<int32_t, std::string>> Lines(const RecordedPage& page) {
    std::vector<std::pair<int32_t, std::string>> lines;
    for (const auto* text : TextsOf(page))
      if (text->Args[1] > 110) lines.emplace_back(text->Args[1], Utf8(text->Text));
    return lines;
  }
  static int Index(const std::vector<std::pair<int32_t, std::string>>& lines, const std::string& start) {
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i].second.rfind(start, 0) == 0) return static_cast<int>(i);
    return -1;
  }
};

TEST_F(ScorePageTest, PreciseLayoutWithoutSnow) {
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  const RecordedPage page = Page();
  const auto* title = FindText(page, u"現況 低減係数･上部構造評点");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->Args, (std::vector<int32_t>{101, 101}));  // (10, 10) mm at 10.2
  EXPECT_EQ(title->Font.Height, 50);                         // 5 x 2.5 mm
  EXPECT_EQ(title->Font.Width, 25);
  EXPECT_EQ(title->Font.Weight, 800);

  // At 10.2 (a hair below in binary): p = trunc(71.39) = 71, y from
  // trunc(152.99) = 152, 1.5 p steps of 106.5.
  const auto lines = Lines(page);
  const std::vector<std::pair<int32_t, std::string>> head = {
      {294, "[ 剛性率による低減係数 ]"},                            // 152 + 2 x 71
      {400, "方向                     Ｘ                     Ｙ"},  // + trunc(106.5)
      {471, "階                      １階       ２階        １階       ２階"},
      {542, "必要耐力               11.000     21.000      11.000     21.000"},
      {613, "剛性    　　           12.000     22.000      13.000     23.000"},
      {684, "層間変形角             1/ 130     1/ 140      1/ 140     1/ 150"},
      {755, "rs    　　　　           130        140         140        150"},
      {826, "rsの平均                      150                    160"},
      {897, "剛性率(Rs)    　        0.900      0.900       0.800      0.800"},
      {968, "低減係数(Fsr)    　     1.000      1.000       0.950      0.950"},
      {1074, "[ 偏心率と床仕様による低減係数 ]"},
  };
  ASSERT_GE(lines.size(), head.size());
  for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << i;
  for (const auto& call : page)
    if (call.Kind == RecordingCanvas::Op::TextOut && call.Args[1] > 110) {
      EXPECT_EQ(call.Args[0], 203);  // 20 mm
      EXPECT_EQ(call.Font.Height, 40);
      EXPECT_EQ(call.Font.Width, 20);
      EXPECT_EQ(call.Font.Weight, 400);
      EXPECT_EQ(call.Font.FaceName, ReportGothicFace);
    }
  EXPECT_EQ(TextAt(page, 203, 294)->FontColour, Blue);
  EXPECT_EQ(TextAt(page, 203, 968)->FontColour, Blue);
  EXPECT_EQ(TextAt(page, 203, 1074)->FontColour, Maroon);
  EXPECT_EQ(TextAt(page, 203, 542)->FontColour, 0);

  const int fe = Index(lines, "低減係数(Fe) 　　　");
  ASSERT_GE(fe, 0);
  EXPECT_EQ(lines[fe].second, "低減係数(Fe) 　　　     0.900      0.900       0.850      0.850");
  EXPECT_EQ(TextAt(page, 203, lines[fe].first)->FontColour, Maroon);
  EXPECT_EQ(lines[Index(lines, "偏心率(Re)")].second,
            "偏心率(Re)              0.250      0.250       0.350      0.350");

  const int c = Index(lines, "[ 上部構造評点 ]");
  ASSERT_GE(c, 0);
  EXPECT_EQ(lines[c].first, lines[fe].first + 106);  // 1.5 p
  const std::vector<std::string> blockC = {
      "[ 上部構造評点 ]",
      "方向                     Ｘ                     Ｙ",
      "階                      １階       ２階        １階       ２階",
      "必要耐力(kN)           11.000     21.000      11.000     21.000",
      "壁の耐力               14.000     24.000      15.000     25.000",
      "低減係数(Fsr)    　     1.000      1.000       0.950      0.950",
      "低減係数(Fe) 　　　     0.900      0.900       0.850      0.850",
      "保有する耐力           16.000     26.000      17.000     27.000",
      "評点                    1.234      1.234       0.999      0.999",
      "上部構造評点            0.999 ＝ 各階各方向評点の最小値",
  };
  ASSERT_EQ(lines.size(), c + blockC.size());  // the last line, no final line without snow
  for (std::size_t i = 0; i < blockC.size(); ++i) EXPECT_EQ(lines[c + i].second, blockC[i]) << i;
  EXPECT_EQ(lines.back().first, lines[lines.size() - 2].first + 106);
  EXPECT_EQ(lines[c + 5].first, lines[c + 4].first + 71);
}

TEST_F(ScorePageTest, OneStoreyKeepsTheMeanLineBlankAndThreeStoreysCentreTheMean) {
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise2;
  ProjectSettings.TopStorey[0] = 0;
  auto lines = Lines(Page());
  EXPECT_EQ(lines[2].second, "階                      １階        １階");
  EXPECT_EQ(lines[7], (std::pair<int32_t, std::string>{826, ""}));  // the step is still taken
  EXPECT_EQ(lines[8].first, 897);

  ProjectSettings.TopStorey[0] = 2;
  lines = Lines(Page());
  EXPECT_EQ(lines[7].second,
            "rsの平均" + std::string(27, ' ') + " 150" + std::string(22, ' ') + "         160");
}

TEST_F(ScorePageTest, GeneralLayoutsByBalanceAndOpeningWallRule) {
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  DeteriorationFactor = 0.9;
  struct Case {
    int32_t balance, otherMethod, openingBasis;
    bool eccentricityRow, openingRow;
  };
  const Case cases[] = {{BalanceByEccentricity, OtherElementsMethod1, OpeningWallsByLength, true, false},
                        {BalanceByQuarterDivision, OtherElementsMethod1, OpeningWallsByRatio, false, true},
                        {BalanceByQuarterDivision, OtherElementsMethod2, OpeningWallsByRatio, false, false}};
  for (const Case& k : cases) {
    ProjectSettings.BalanceMethod = k.balance;
    ProjectSettings.OtherElementsMethod = k.otherMethod;
    ProjectSettings.OpeningWallBasis = k.openingBasis;
    const RecordedPage page = Page();
    const auto lines = Lines(page);
    EXPECT_EQ(lines[0], (std::pair<int32_t, std::string>{294, "[ 配置などによる低減係数 ]"}));
    EXPECT_EQ(TextAt(page, 203, 294)->FontColour, 0);
    EXPECT_EQ(Index(lines, "偏心率(Re)") >= 0, k.eccentricityRow);
    EXPECT_EQ(Index(lines, "無開口壁率による耐力") >= 0, k.openingRow);
    EXPECT_LT(Index(lines, "剛性率"), 0);
    EXPECT_LT(Index(lines, "低減係数(Fsr)"), 0);
    EXPECT_LT(Index(lines, "[ 偏心率と床仕様"), 0);
    // Storey 1: X 11 x 0.5 = 5.5, + 14 = 19.5; Y 11 x 0.25 = 2.75, + 15 = 17.75.
    // Storey 2: X 21 x 0.5 = 10.5, + 24 = 34.5; Y 21 x 0.25 = 5.25, + 25 = 30.25.
    if (k.openingRow) {
      EXPECT_EQ(lines[Index(lines, "無開口壁率による耐力")].second,
                "無開口壁率による耐力    5.500     10.500       2.750      5.250");
    }
    const int strength = Index(lines, "強さ");
    ASSERT_GE(strength, 0);
    EXPECT_EQ(lines[strength].second, "強さ　　               19.500     34.500      17.750     30.250");
    EXPECT_EQ(lines[strength + 1].second, "低減係数Ｅ              0.900      0.900       0.850      0.850");
    EXPECT_EQ(lines[strength + 2].second, "劣化度　　              0.900      0.900       0.900      0.900");
    EXPECT_EQ(lines[strength + 3].second.substr(0, 18), "保有する耐力");
  }
}

TEST_F(ScorePageTest, VerificationMethodIsLaidOutAsThePreciseOnes) {
  ProjectSettings.DiagnosisMethod = DiagnosisVerification;
  const auto lines = Lines(Page());
  EXPECT_GE(Index(lines, "[ 偏心率と床仕様による低減係数 ]"), 0);
  EXPECT_GE(Index(lines, "低減係数(Fsr)"), 0);
  EXPECT_LT(Index(lines, "劣化度"), 0);
  EXPECT_LT(Index(lines, "強さ"), 0);
}

TEST_F(ScorePageTest, SnowPassesFollowOnTheOnePageAndTheFinalLineFits) {
  ProjectSettings.SnowLoad = 0.26;
  for (int32_t method : {DiagnosisPrecise1, DiagnosisGeneral}) {
    ProjectSettings.DiagnosisMethod = method;
    for (int32_t top : {0, 1, 2}) {
      ProjectSettings.TopStorey[0] = top;
      for (double ppm : {PreviewPixelsPerMm, PrintPixelsPerMm}) {
        const RecordedPage page = Page(ppm);
        const auto* plain = FindText(page, u"雪なし時");
        const auto* snow = FindText(page, u"積雪時");
        ASSERT_TRUE(plain && snow);
        EXPECT_EQ(plain->Font.Weight, 800);
        EXPECT_EQ(snow->Font.Weight, 400);
        EXPECT_EQ(plain->Font.Height, MmToUnits(5, ppm));
        const auto texts = TextsOf(page);
        const auto* last = texts.back();
        EXPECT_EQ(Utf8(last->Text), "当該建物の耐震診断評点  0.999 ＜－－ 雪なし時の上部構造評点");
        EXPECT_EQ(last->Font.Height, MmToUnits(3, ppm));
        EXPECT_LE(last->Args[1] + last->Font.Height, MmToUnits(289, ppm))
            << method << " " << top << " " << ppm;
      }
    }
  }
  // Cursor at 10.2, precise, two storeys: p = trunc(40.8) = 40; the header
  // 10 mm (10 x 10.2 is 102 in doubles) below 152: 254; block A two
  // pitches lower.
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  ProjectSettings.TopStorey[0] = 1;
  const RecordedPage page = Page();
  EXPECT_EQ(FindText(page, u"雪なし時")->Args[1], 254);
  EXPECT_EQ(FindText(page, u"[ 剛性率による低減係数 ]")->Args[1], 334);
  EXPECT_EQ(FindText(page, u"[ 剛性率による低減係数 ]")->Font.Height, 30);
  const auto lines = Lines(page);
  const int second = Index(lines, "積雪時");
  ASSERT_GT(second, 0);
  EXPECT_EQ(lines[second].first, lines[second - 1].first + 102);
  EXPECT_EQ(lines[second + 4].second, "必要耐力(積雪時)      111.000    121.000     111.000    121.000");
  EXPECT_EQ(lines[second + 10].second.substr(0, 36), "低減係数(Fsr)(積雪時)   1.000");
  EXPECT_EQ(lines[lines.size() - 2].second, "上部構造評点(積雪時)    1.000 ＝ 各階各方向評点の最小値");
  // Precise layouts: the final line a single pitch below.
  EXPECT_EQ(lines.back().first, lines[lines.size() - 2].first + 40);
}

TEST_F(ScorePageTest, FinalLineNamesTheSmallerScore) {
  ProjectSettings.SnowLoad = 0.26;
  ProjectSettings.DiagnosisMethod = DiagnosisGeneral;
  struct Case {
    double plain, snow;
    const char* line;
  };
  const Case cases[] = {{1.2, 1.2, "当該建物の耐震診断評点  1.200 ＜－－ 雪なし時の上部構造評点"},
                        {1.2, 0.75, "当該建物の耐震診断評点  0.750 ＜－－ 積雪時の上部構造評点"},
                        {0.0, 0.5, "当該建物の耐震診断評点  0.000 ＜－－ 雪なし時の上部構造評点"}};
  for (const Case& k : cases) {
    Scores.BuildingScore[0][0] = k.plain;
    SnowScores.BuildingScore[0][0] = k.snow;
    const auto lines = Lines(Page());
    EXPECT_EQ(lines.back().second, k.line);
    // General layout: two pitches.
    EXPECT_EQ(lines.back().first, lines[lines.size() - 2].first + 80);
  }
}

TEST_F(ScorePageTest, EachPassReadsItsGoverningCombination) {
  // Directed braces: X governs at combination 6 (wall case 2) without snow
  // and at 9 (wall case 3) with snow; combination 0 holds other values.
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  ProjectSettings.DistinguishBraceDirection = 1;
  ProjectSettings.SnowLoad = 0.26;
  for (int s = 0; s < 2; ++s) {
    SetStoreyResults(0, s, 6, 50 * (s + 1));
    SetStoreyResults(0, s, 9, 70 * (s + 1));
  }
  GoverningCombinations.Building[0] = 6;
  SnowGoverningCombinations.Building[0] = 9;
  Scores.BuildingScore[0][6] = 0.8;
  SnowScores.BuildingScore[0][9] = 0.9;
  const auto lines = Lines(Page());
  EXPECT_EQ(lines[Index(lines, "壁の耐力  ")].second,
            "壁の耐力               54.000    104.000      55.000    105.000");
  EXPECT_EQ(lines[Index(lines, "壁の耐力(積雪時)")].second,
            "壁の耐力(積雪時)      174.000    244.000     175.000    245.000");
  EXPECT_EQ(lines[Index(lines, "上部構造評点  ")].second,
            "上部構造評点            0.800 ＝ 各階各方向評点の最小値");
  EXPECT_EQ(lines.back().second, "当該建物の耐震診断評点  0.800 ＜－－ 雪なし時の上部構造評点");
  EXPECT_EQ(Utf8(FormatW(u"%.3f", CutForThreeDecimals(BuildingDiagnosisScore(0)))), "0.800");

  // The cover prints each row at its own governing combination; the page
  // says which one its rows use, under the title (17 and 20 mm: 173 and 203
  // units), above the first pass (254). Combination 6 takes storey case 2
  // (wall cases 2 and 3: -X, +Y), combination 9 case 3 (+X, -Y).
  const RecordedPage page = Page();
  const auto* note = TextAt(page, 203, 173);
  ASSERT_TRUE(note);
  EXPECT_EQ(Utf8(note->Text),
            "※各階各方向の値は、上部構造評点を決める荷重の組合せ 6（加力 －Ｘ ＋Ｙ）による。"
            "積雪時は組合せ 9（加力 ＋Ｘ －Ｙ）による。");
  EXPECT_EQ(note->Font.Height, 25);  // 2.5 x 1.25 mm
  EXPECT_LE(20 + CellsOf(note->Text) * 1.25, 204.05);
  const auto* second = TextAt(page, 203, 203);
  ASSERT_TRUE(second);
  EXPECT_EQ(Utf8(second->Text), "　表紙の各階各方向の値は、それぞれ評点が最小となる組合せによる。");
  EXPECT_LE(second->Args[1] + second->Font.Height, FindText(page, u"雪なし時")->Args[1]);
  // One combination for both passes is named once; without snow the note
  // names one combination; combination 0 ignores the direction.
  SnowGoverningCombinations.Building[0] = 6;
  EXPECT_EQ(
      Utf8(ScoreCombinationNote(0, true)),
      "※各階各方向の値は、上部構造評点を決める荷重の組合せ 6（加力 －Ｘ ＋Ｙ）による（積雪時も同じ）。");
  ProjectSettings.SnowLoad = 0;
  GoverningCombinations.Building[0] = 0;
  EXPECT_EQ(Utf8(ScoreCombinationNote(0, false)),
            "※各階各方向の値は、上部構造評点を決める荷重の組合せ 0（加力方向を区別しない）による。");
  // Brace directions not told apart: one combination everywhere, no note.
  ProjectSettings.DistinguishBraceDirection = 0;
  const RecordedPage plain = Page();
  for (const auto* text : TextsOf(plain)) EXPECT_NE(text->Text.substr(0, 1), u"※");
}

TEST_F(ScorePageTest, OnePageInPreviewAndPrint) {
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  for (int32_t wanted : {1, 2, 5}) {
    RecordingPageSink preview;
    EXPECT_EQ(DrawReportPageKind(PageScore, preview, PreviewPixelsPerMm, wanted), 0);
    EXPECT_EQ(preview.Pages.size(), 1u);
  }
  RecordingPageSink printer;
  EXPECT_EQ(DrawReportPageKind(PageScore, printer, PrintPixelsPerMm, 0), 0);
  EXPECT_EQ(printer.Pages.size(), 1u);
  EXPECT_EQ(printer.NewPageCount, 0);
  CurrentVariant = RetrofitPlan1;
  ProjectSettings.TopStorey[1] = 1;
  EXPECT_TRUE(FindText(Page(), u"補強計画 低減係数･上部構造評点"));
}

TEST_F(ReportTest, ScorePageOfAHouseStatesTheEvaluatedScores) {
  BuildTypicalHouse();
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  RunRecalculationChain();
  RunRecalculationChain();
  RecordingPageSink preview;
  DrawScorePage(preview, PreviewPixelsPerMm, 1);
  const RecordedPage& page = preview.Pages.back();
  const int c = GoverningCombinations.Building[0];
  std::string scoreRow = "評点               " + FormatA("%10.3f", Scores.ScoreX[0][0][c] - 0.0004999999999);
  for (int s = 1; s <= ProjectSettings.TopStorey[0]; ++s)
    scoreRow += FormatA(" %10.3f", Scores.ScoreX[0][s][c] - 0.0004999999999);
  bool found = false;
  for (const auto* text : TextsOf(page)) found = found || Utf8(text->Text).rfind(scoreRow, 0) == 0;
  EXPECT_TRUE(found) << scoreRow;
  ASSERT_GT(Scores.BuildingScore[0][c], 0.1);
  EXPECT_TRUE(FindText(page, FormatW(u"上部構造評点       %10.3f ＝ 各階各方向評点の最小値",
                                     Scores.BuildingScore[0][c] - 0.0004999999999)));
}

}  // namespace
