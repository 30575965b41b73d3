// The results panel beside the plan: the captions and colours it gives its
// labels from the results of the current variant. Results are set by hand;
// every expected caption is the printf text worked out by hand and every
// colour is written out as 0x00BBGGRR.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/FloorCheck.h"
#include "evaluation/Superstructure.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "presentation/ResultsPanel.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr int32_t Blue = 0xB70000, Green = 0x00B700, Olive = 0x00A5B7, Red = 0x0000B7;
constexpr int32_t DimBlue = 0x6C4A4A, DimGreen = 0x4A6C4A, DimOlive = 0x4D676A, DimRed = 0x4D4D6A;
constexpr int32_t Black = 0x000000, PureRed = 0x0000FF, Lime = 0x00FF00, Yellow = 0x00FFFF;
constexpr int32_t ButtonFace = static_cast<int32_t>(0xFF00000Fu);

class ResultsPanelTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    CurrentVariant = 1;  // a plan, so that variant 0 stays apart
    CurrentStorey = 0;
    ProjectSettings.TopStorey[1] = 1;
    ProjectSettings.BalanceMethod = 0;
    ProjectSettings.SnowCase = 0;
    ProjectSettings.DistinguishBraceDirection = 0;
    for (auto& member : FloorCheckOk)
      for (auto& variant : member)
        for (auto& storey : variant)
          for (int32_t& ok : storey) ok = FloorCheckPassesOrNotJudged;
  }

  // A failing floor line of the current variant.
  static void FailLine(int s, int member, int line, double ratio) {
    FloorCheckOk[member][1][s][line] = FloorCheckFails;
    FloorCheckRatio[member][1][s][line] = ratio;
  }
};

// --- Floor diaphragm verdict ---

TEST_F(ResultsPanelTest, NoFailingLineGivesOkAndEmptyStoreyFlags) {
  // A failure in another variant and one above the top storey do not count.
  FloorCheckOk[FloorCheckXFromBelowNear][0][0][3] = FloorCheckFails;
  FailLine(2, FloorCheckYFromLeftNear, 5, 0.2);
  ResultsPanel.Lqflag3 = {"stale", Black, 0x123456};
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.Lqflag.Caption, "OK");
  EXPECT_EQ(ResultsPanel.Lqflag.FontColour, Black);
  for (const PanelLabel* flag : {&ResultsPanel.Lqflag2, &ResultsPanel.Lqflag3, &ResultsPanel.Lqflag4}) {
    EXPECT_EQ(flag->Caption, "");
    EXPECT_EQ(flag->Colour, ButtonFace);
  }
  EXPECT_EQ(ResultsPanel.Pkoumen.Caption, "剛床");
  EXPECT_EQ(ResultsPanel.Pkoumen.FontColour, Lime);
  EXPECT_EQ(ResultsPanel.Pkoumen.Colour, FormColour);  // its maroon stays
}

TEST_F(ResultsPanelTest, SecondStoreyFailingOnlyInYIsFlaggedByItsWorstLine) {
  // Two failing Y lines of storey 2: |trunc(1000 x 0.42)| = 420 is the
  // smaller, 420 / 100 = 4, so entry 10 - 4 = 6 of the scale.
  FailLine(1, FloorCheckYFromRightFar, 7, 0.61);
  FailLine(1, FloorCheckYFromLeftNear, 4, 0.42);
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.Lqflag.Caption, "NG ");
  EXPECT_EQ(ResultsPanel.Lqflag.FontColour, PureRed);
  EXPECT_EQ(ResultsPanel.Lqflag2.Caption, "");
  EXPECT_EQ(ResultsPanel.Lqflag2.Colour, ButtonFace);
  EXPECT_EQ(ResultsPanel.Lqflag3.Caption, "2FY");
  EXPECT_EQ(ResultsPanel.Lqflag3.Colour, 0x568ef6);  // ClassColourScale[6]
  EXPECT_EQ(ResultsPanel.Lqflag3.FontColour, Black);
  EXPECT_EQ(ResultsPanel.Lqflag4.Caption, "");
  EXPECT_EQ(ResultsPanel.Lqflag4.Colour, ButtonFace);
  // The first storey is shown and has no failing line.
  EXPECT_EQ(ResultsPanel.Pkoumen.Caption, "剛床");
  EXPECT_EQ(ResultsPanel.Pkoumen.FontColour, Lime);

  CurrentStorey = 1;
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.Pkoumen.Caption, "柔床");
  EXPECT_EQ(ResultsPanel.Pkoumen.FontColour, Yellow);
}

TEST_F(ResultsPanelTest, StoreyFlagCaptionAndColourByDirectionsAndWorstRatio) {
  struct Case {
    int member;  // first failing line
    double ratio;
    int secondMember;  // -1 none
    double secondRatio;
    const char* caption;
    int32_t colour;
  };
  const Case cases[] = {
      // 950 / 100 = 9: entry 1.
      {FloorCheckXFromBelowNear, 0.95, -1, 0, "1FX", 0xf6cf6d},
      // X 0.95 (9) and Y 0.35 (3): the smaller, 3, gives entry 7.
      {FloorCheckXFromAboveFar, 0.95, FloorCheckYFromRightNear, 0.35, "1FXY", 0xc19af4},
      // 50 / 100 = 0: entry 10.
      {FloorCheckYFromLeftFar, 0.05, -1, 0, "1FY", 0xff1c80},
      // A negative ratio counts by its size: |trunc(-420.0)| = 420, entry 6.
      {FloorCheckXFromBelowFar, -0.42, -1, 0, "1FX", 0x568ef6},
      // No capacity: ratio 0, entry 10.
      {FloorCheckXFromAboveNear, 0.0, -1, 0, "1FX", 0xff1c80},
      // trunc(999.9) = 999: still 9, entry 1.
      {FloorCheckYFromRightFar, 0.9999, -1, 0, "1FY", 0xf6cf6d},
  };
  for (const Case& c : cases) {
    SetUp();
    FailLine(0, c.member, 10, c.ratio);
    if (c.secondMember >= 0) FailLine(0, c.secondMember, 11, c.secondRatio);
    FillResultsPanel();
    EXPECT_EQ(ResultsPanel.Lqflag2.Caption, c.caption) << c.ratio;
    EXPECT_EQ(ResultsPanel.Lqflag2.Colour, c.colour) << c.ratio;
    EXPECT_EQ(ResultsPanel.Lqflag.Caption, "NG ");
    EXPECT_EQ(ResultsPanel.Lqflag3.Caption, "");
    EXPECT_EQ(ResultsPanel.Pkoumen.Caption, "柔床");
  }
}

TEST_F(ResultsPanelTest, ARatioThatIsNotANumberNeverReadsOutsideTheScale) {
  FailLine(0, FloorCheckXFromBelowNear, 0, kNaN);
  FailLine(0, FloorCheckYFromLeftNear, 0, 1e300);
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.Lqflag2.Caption, "1FXY");
  EXPECT_EQ(ResultsPanel.Lqflag2.Colour, 0xffffff);  // both stay at 1000: p = 10, entry 0
}

// --- Scores ---

TEST_F(ResultsPanelTest, ScoreCaptionAndClassColour) {
  struct Case {
    double shown;
    const char* caption;
    int32_t current, other;
  };
  const Case cases[] = {
      {1.5, "  1.50", Blue, DimBlue},
      {1.49, "  1.49", Green, DimGreen},
      {1.0, "  1.00", Green, DimGreen},
      {CutScore(0.996), "  0.99", Olive, DimOlive},  // cut, not rounded to 1.00
      {0.7, "  0.70", Olive, DimOlive},
      {0.69, "  0.69", Red, DimRed},
      {0.0, "  0.00", Red, DimRed},
      {123.45, "123.45", Blue, DimBlue},
      {kNaN, "   nan", Red, DimRed},  // never the best class
  };
  for (const Case& c : cases) {
    ShownScores.X[1][0] = c.shown;
    ShownScores.Y[1][1] = c.shown;
    FillResultsPanel();
    EXPECT_EQ(ResultsPanel.L1hyox.Caption, c.caption) << c.shown;
    EXPECT_EQ(ResultsPanel.L1hyox.FontColour, c.current) << c.shown;
    EXPECT_EQ(ResultsPanel.L2hyoy.Caption, c.caption) << c.shown;
    EXPECT_EQ(ResultsPanel.L2hyoy.FontColour, c.other) << c.shown;
  }
}

TEST_F(ResultsPanelTest, ScoresComeFromTheSnowResultsInTheSnowCaseAndFillEveryStorey) {
  ShownScores.X[1][2] = 1.2;
  SnowShownScores.X[1][2] = 0.85;
  ShownScores.Y[0][0] = 2.0;  // another variant
  ShownScores.Y[1][0] = 0.5;
  CurrentStorey = 2;  // storey 3 of a two-storey variant: still written
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.L3hyox.Caption, "  1.20");
  EXPECT_EQ(ResultsPanel.L3hyox.FontColour, Green);
  EXPECT_EQ(ResultsPanel.L1hyoy.Caption, "  0.50");
  EXPECT_EQ(ResultsPanel.L1hyoy.FontColour, DimRed);

  ProjectSettings.SnowCase = 1;
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.L3hyox.Caption, "  0.85");
  EXPECT_EQ(ResultsPanel.L3hyox.FontColour, Olive);
  EXPECT_EQ(ResultsPanel.L1hyoy.Caption, "  0.00");
}

// --- Eccentricity ---

TEST_F(ResultsPanelTest, EccentricityClasses) {
  struct Case {
    double ratio;
    int32_t expected;
  };
  const Case cases[] = {{0.0, 0},       {0.15, 0}, {0.1500001, 1}, {0.3, 1},
                        {0.3000001, 2}, {5.0, 2},  {-1.0, 0},      {kNaN, 2}};
  for (const Case& c : cases) EXPECT_EQ(ClassifyEccentricity(c.ratio), c.expected) << c.ratio;
}

TEST_F(ResultsPanelTest, EccentricityCaptionRoundsAndColoursByClass) {
  struct Case {
    double ratio;
    const char* caption;
    int32_t current, other;
  };
  const Case cases[] = {
      {0.156, "  0.16", Olive, DimOlive},  // rounded for the text, class 1 by the value
      {0.15, "  0.15", Green, DimGreen},  {0.3, "  0.30", Olive, DimOlive},
      {0.304, "  0.30", Red, DimRed},     {0.0, "  0.00", Green, DimGreen},
  };
  for (const Case& c : cases) {
    EccentricityRatioY[1][0][0] = c.ratio;
    EccentricityRatioX[1][1][0] = c.ratio;
    FillResultsPanel();
    EXPECT_EQ(ResultsPanel.L1heny.Caption, c.caption) << c.ratio;
    EXPECT_EQ(ResultsPanel.L1heny.FontColour, c.current) << c.ratio;
    EXPECT_EQ(ResultsPanel.L2henx.Caption, c.caption) << c.ratio;
    EXPECT_EQ(ResultsPanel.L2henx.FontColour, c.other) << c.ratio;
  }
  EXPECT_EQ(ResultsPanel.Label4.Caption, "偏心率");
  EXPECT_EQ(ResultsPanel.Label12.Caption, "偏心率");
  EXPECT_EQ(ResultsPanel.Label19.Caption, "偏心率");
}

TEST_F(ResultsPanelTest, OneWayBracesShowTheLargestOfTheDirectedCases) {
  const double cases[5] = {0.10, 0.12, 0.05, 0.35, 0.20};
  for (int c = 0; c < 5; ++c) {
    EccentricityRatioX[1][0][c] = cases[c];
    EccentricityRatioXSnow[1][0][c] = cases[c] / 2;  // 0.05, 0.06, 0.025, 0.175, 0.1
  }
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.L1henx.Caption, "  0.10");  // case 0 only
  EXPECT_EQ(ResultsPanel.L1henx.FontColour, Green);

  ProjectSettings.DistinguishBraceDirection = 1;
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.L1henx.Caption, "  0.35");
  EXPECT_EQ(ResultsPanel.L1henx.FontColour, Red);

  ProjectSettings.SnowCase = 1;
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.L1henx.Caption, "  0.17");  // 0.175 is 0.17499.. in binary
  EXPECT_EQ(ResultsPanel.L1henx.FontColour, Olive);
}

TEST_F(ResultsPanelTest, QuarterDivisionMethodShowsNoEccentricity) {
  ProjectSettings.BalanceMethod = 1;
  EccentricityRatioX[1][0][0] = 0.5;
  FillResultsPanel();
  for (const PanelLabel* label : {&ResultsPanel.L1henx, &ResultsPanel.L1heny, &ResultsPanel.L2henx,
                                  &ResultsPanel.L2heny, &ResultsPanel.L3henx, &ResultsPanel.L3heny}) {
    EXPECT_EQ(label->Caption, "  -.--");
    EXPECT_EQ(label->FontColour, Black);
  }
  for (const PanelLabel* label : {&ResultsPanel.Label4, &ResultsPanel.Label12, &ResultsPanel.Label19})
    EXPECT_EQ(label->Caption, "４分割法");
}

// --- Wall quantities ---

TEST_F(ResultsPanelTest, SufficiencyRatiosOfEveryStoreyWithThreeDecimals) {
  SufficiencyRatioX[1][0] = 1.25;
  SufficiencyRatioY[1][0] = 0.8766;
  SufficiencyRatioX[1][1] = 12.3456;
  SufficiencyRatioY[1][1] = 123.4567;
  SufficiencyRatioX[1][2] = 0.0;  // above the top storey, written all the same
  SufficiencyRatioY[0][2] = 9.0;  // another variant
  FillResultsPanel();
  EXPECT_EQ(ResultsPanel.Ljuusokux1.Caption, " 1.250");
  EXPECT_EQ(ResultsPanel.Ljuusokuy1.Caption, " 0.877");
  EXPECT_EQ(ResultsPanel.Ljuusokux2.Caption, "12.346");
  EXPECT_EQ(ResultsPanel.Ljuusokuy2.Caption, "123.457");
  EXPECT_EQ(ResultsPanel.Ljuusokux3.Caption, " 0.000");
  EXPECT_EQ(ResultsPanel.Ljuusokuy3.Caption, " 0.000");
}

TEST_F(ResultsPanelTest, QuarterDivisionVerdict) {
  struct Case {
    int storey;
    bool inY;
    double a, b;
    const char* verdict;
  };
  const Case cases[] = {
      {0, false, 0.8, 1.9, "NG"},  // a zone short of walls, 0.8 / 1.9 = 0.42
      {0, false, 0.8, 1.5, "OK"},  // 0.8 / 1.5 = 0.53
      {0, false, 1.2, 3.0, "OK"},  // 0.4, but no zone is short
      {1, true, 1.9, 0.8, "NG"},   // the second storey, Y
      {1, true, 1.0, 2.5, "OK"},   // 1.0 is not short
      {2, false, 0.8, 1.9, "OK"},  // above the top storey
  };
  for (const Case& c : cases) {
    SetUp();
    auto& first = c.inY ? QuarterSufficiency1 : QuarterSufficiencyA;
    auto& second = c.inY ? QuarterSufficiency2 : QuarterSufficiencyB;
    auto& balance = c.inY ? WallRatioRatioY : WallRatioRatioX;
    for (int s = 0; s < 3; ++s) {
      QuarterSufficiencyA[1][s] = QuarterSufficiencyB[1][s] = 1.0;
      QuarterSufficiency1[1][s] = QuarterSufficiency2[1][s] = 1.0;
      WallRatioRatioX[1][s] = WallRatioRatioY[1][s] = 1.0;
      // Every zone needs walls: a zone that needs none is never short.
      RequiredWallLengthA[1][s] = RequiredWallLengthB[1][s] = 2.0;
      RequiredWallLength1[1][s] = RequiredWallLength2[1][s] = 2.0;
    }
    first[1][c.storey] = c.a;
    second[1][c.storey] = c.b;
    balance[1][c.storey] = std::min(c.a, c.b) / std::max(c.a, c.b);
    FillResultsPanel();
    EXPECT_EQ(ResultsPanel.Lshibunok.Caption, c.verdict) << c.storey << " " << c.a << " " << c.b;
  }
}

TEST_F(ResultsPanelTest, EveryLabelIsNamedOnce) {
  for (size_t i = 0; i < PanelLabelCount; ++i)
    for (size_t j = i + 1; j < PanelLabelCount; ++j) {
      EXPECT_STRNE(PanelLabels[i].Name, PanelLabels[j].Name);
      EXPECT_NE(&(ResultsPanel.*PanelLabels[i].Label), &(ResultsPanel.*PanelLabels[j].Label));
    }
}

}  // namespace
