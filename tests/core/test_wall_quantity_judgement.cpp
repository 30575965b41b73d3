// The wall-quantity verdict that the results panel's quarter-division label
// and the report's judgement page share: the storey marks (ratio >= 1.0), the
// end-zone marks, the quarter-division rule (both zones sufficient, or a
// wall-ratio ratio of at least 0.5), the verdict over every storey up to the
// top one, a requirement of 0 as met, a ratio that is not a number as failed,
// and the stored wall-ratio ratio after a paint whose zones both lose their
// walls. Every row checks the panel's Lshibunok too.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <utility>

#include "ModelFixture.h"
#include "analysis/RequiredStrength.h"
#include "chain/RecalculationChain.h"
#include "evaluation/Superstructure.h"
#include "evaluation/WallQuantityJudgement.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "presentation/ResultsPanel.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

class WallQuantityJudgementTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    CurrentVariant = v;
    ProjectSettings.TopStorey[v] = 1;
    // Every storey and zone needs walls and has enough of them.
    for (int s = 0; s < StoreyCount; ++s) {
      RequiredWallLength[v][s] = 10.0;
      RequiredWallLengthA[v][s] = RequiredWallLengthB[v][s] = 2.0;
      RequiredWallLength1[v][s] = RequiredWallLength2[v][s] = 2.0;
      SufficiencyRatioX[v][s] = SufficiencyRatioY[v][s] = 1.5;
      QuarterSufficiencyA[v][s] = QuarterSufficiencyB[v][s] = 1.5;
      QuarterSufficiency1[v][s] = QuarterSufficiency2[v][s] = 1.5;
      WallRatioRatioX[v][s] = WallRatioRatioY[v][s] = 1.0;
    }
  }
  static constexpr int v = RetrofitPlan1;
};

TEST_F(WallQuantityJudgementTest, MarksVerdictAndPanelLabel) {
  struct Case {
    const char* name;
    int s;                  // the storey changed
    double ratioX, ratioY;  // storey sufficiency
    double required;        // storey required length
    double a, b;            // zone sufficiencies (X, or Y when inY)
    double requiredA, requiredB;
    double wallRatio;
    bool inY;
    // expected
    bool x, y, zoneFirst, zoneSecond, quarter, met;
    const char* panel;
  };
  const Case cases[] = {
      {"ratio 1.000 meets, 0.999 does not", 0, 1.0, 0.999, 10, 1.5, 1.5, 2, 2, 1.0, false,  //
       true, false, true, true, true, false, "OK"},
      {"zones 0.8 and 1.2, wall ratio 0.667", 0, 1.5, 1.5, 10, 0.8, 1.2, 2, 2, 0.667, false,  //
       true, true, false, true, true, true, "OK"},
      {"zones 0.8 and 1.2, wall ratio 0.4", 0, 1.5, 1.5, 10, 0.8, 1.2, 2, 2, 0.4, false,  //
       true, true, false, true, false, false, "NG"},
      {"wall ratio exactly 0.5 passes", 1, 1.5, 1.5, 10, 0.6, 1.2, 2, 2, 0.5, true,  //
       true, true, false, true, true, true, "OK"},
      {"second storey, Y zones short by the wall ratio", 1, 1.5, 1.5, 10, 1.2, 0.3, 2, 2, 0.25, true,  //
       true, true, true, false, false, false, "NG"},
      {"both zones sufficient, wall ratio 0.4", 0, 1.5, 1.5, 10, 1.2, 3.0, 2, 2, 0.4, false,  //
       true, true, true, true, true, true, "OK"},
      // A storey without calculation area: nothing required, ratios 0.
      {"a storey needing nothing", 1, 0.0, 0.0, 0, 1.5, 1.5, 2, 2, 1.0, false,  //
       true, true, true, true, true, true, "OK"},
      // Zone a needs nothing (ratio 0); b is sufficient; stored 0 / 1.2 = 0.
      {"a zone needing nothing beside a sufficient one", 0, 1.5, 1.5, 10, 0.0, 1.2, 0, 2, 0.0, false,  //
       true, true, true, true, true, true, "OK"},
      // Zone a needs nothing, b is short: 0 / 0.8 = 0 < 0.5.
      {"a zone needing nothing beside a short one", 0, 1.5, 1.5, 10, 0.0, 0.8, 0, 2, 0.0, false,  //
       true, true, true, false, false, false, "NG"},
      {"both zones needing nothing", 1, 1.5, 1.5, 10, 0.0, 0.0, 0, 0, 0.0, true,  //
       true, true, true, true, true, true, "OK"},
      {"a storey ratio that is not a number", 0, kNaN, 1.5, 10, 1.5, 1.5, 2, 2, 1.0, false,  //
       false, true, true, true, true, false, "OK"},
      // Earlier the panel showed OK here: NaN < 0.5 is false.
      {"a wall ratio that is not a number", 0, 1.5, 1.5, 10, 0.8, 1.2, 2, 2, kNaN, false,  //
       true, true, false, true, false, false, "NG"},
      {"a zone ratio that is not a number", 1, 1.5, 1.5, 10, kNaN, 1.2, 2, 2, kNaN, true,  //
       true, true, false, true, false, false, "NG"},
      // Above the top storey nothing is judged.
      {"the third storey of a two-storey house", 2, 0.1, 0.1, 10, 0.1, 0.1, 2, 2, 0.0, false,  //
       true, true, true, true, true, true, "OK"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    SufficiencyRatioX[v][c.s] = c.ratioX;
    SufficiencyRatioY[v][c.s] = c.ratioY;
    RequiredWallLength[v][c.s] = c.required;
    (c.inY ? QuarterSufficiency1 : QuarterSufficiencyA)[v][c.s] = c.a;
    (c.inY ? QuarterSufficiency2 : QuarterSufficiencyB)[v][c.s] = c.b;
    (c.inY ? RequiredWallLength1 : RequiredWallLengthA)[v][c.s] = c.requiredA;
    (c.inY ? RequiredWallLength2 : RequiredWallLengthB)[v][c.s] = c.requiredB;
    (c.inY ? WallRatioRatioY : WallRatioRatioX)[v][c.s] = c.wallRatio;

    const WallQuantityJudgement j = JudgeWallQuantity(v);
    EXPECT_EQ(j.TopStorey, 1);
    if (c.s <= 1) {
      const StoreyWallQuantityJudgement& st = j.Storeys[c.s];
      EXPECT_EQ(st.X, c.x);
      EXPECT_EQ(st.Y, c.y);
      EXPECT_EQ(c.inY ? st.Zone1 : st.ZoneA, c.zoneFirst);
      EXPECT_EQ(c.inY ? st.Zone2 : st.ZoneB, c.zoneSecond);
      EXPECT_EQ(c.inY ? st.QuarterY : st.QuarterX, c.quarter);
      // The other direction keeps its sufficient zones.
      EXPECT_TRUE(c.inY ? st.QuarterX : st.QuarterY);
    }
    EXPECT_EQ(j.Met, c.met);
    EXPECT_EQ(j.QuarterDivisionMet, c.panel == std::string("OK"));
    FillResultsPanel();
    EXPECT_EQ(ResultsPanel.Lshibunok.Caption, c.panel);
  }
}

TEST(WallQuantityRules, ThresholdsAreInclusiveAndNaNFails) {
  EXPECT_TRUE(WallLengthSufficient(1.0, 3.0));
  EXPECT_FALSE(WallLengthSufficient(0.9999999, 3.0));
  EXPECT_FALSE(WallLengthSufficient(kNaN, 3.0));
  EXPECT_TRUE(WallLengthSufficient(0.0, 0.0));
  EXPECT_TRUE(WallLengthSufficient(kNaN, 0.0));  // nothing required
  EXPECT_FALSE(WallLengthSufficient(0.0, kNaN));
  EXPECT_TRUE(QuarterDivisionPasses(true, true, 0.0));
  EXPECT_TRUE(QuarterDivisionPasses(false, true, 0.5));
  EXPECT_FALSE(QuarterDivisionPasses(false, true, 0.4999999));
  EXPECT_FALSE(QuarterDivisionPasses(true, false, kNaN));
}

TEST_F(WallQuantityJudgementTest, AVariantOutsideTheListsIsJudgedAsTheCurrentState) {
  ProjectSettings.TopStorey[0] = 7;  // damaged: judged as three storeys
  const WallQuantityJudgement j = JudgeWallQuantity(-3);
  EXPECT_EQ(j.TopStorey, 2);
}

// A one-storey house of 4 x 4 m (light roof, 16 m²) with plywood P1 (wall
// factor 2.5) on its four end lines, painted twice: then every wall loses
// its panel and the house is painted again.
TEST_F(ModelTest, WallRatioOfZonesThatBothLoseTheirWallsIsZeroAndFails) {
  constexpr int32_t PanelP1 = 3, CodeRoofLight = 3;
  testmodel::LayOutGrid(1.0);
  CurrentVariant = CurrentState;
  ProjectSettings.TopStorey[CurrentState] = 0;
  ProjectSettings.RequiredStrengthMethod = RequiredByStrengthTable;
  ProjectSettings.WeightClass[CurrentState] = WeightLight;
  testmodel::AddRect(CurrentState, 0, 10, 10, 14, 14, CodeRoofLight);
  for (auto [x, y] : {std::pair{10, 10}, {14, 10}, {10, 14}, {12, 14}, {14, 12}})
    testmodel::AddColumn(CurrentState, 0, x, y);
  // On the end lines, a full side (4 x 2.5 = 10 m of wall) and half a side
  // (2 x 2.5 = 5 m) in each direction.
  for (auto [x1, y1, x2, y2] :
       {std::array{10, 10, 14, 10}, {10, 14, 12, 14}, {10, 10, 10, 14}, {14, 10, 14, 12}}) {
    WallRecord& w = testmodel::AddWall(CurrentState, 0, x1, y1, x2, y2);
    w.PanelLeft = PanelP1;
    w.Deterioration = 2;  // sound
  }
  RunRecalculationChain();
  RunRecalculationChain();
  // Zones a and b are the 1 m strips at the ends of the 4 m extent: 4 m²,
  // required 0.11 x 4 = 0.44 m each; 10 / 0.44 and 5 / 0.44, ratio 0.5.
  ASSERT_NEAR(RequiredWallLengthA[0][0], 0.44, 1e-12);
  ASSERT_NEAR(QuarterSufficiencyA[0][0], 10 / 0.44, 1e-9);
  ASSERT_NEAR(QuarterSufficiencyB[0][0], 5 / 0.44, 1e-9);
  ASSERT_NEAR(WallRatioRatioX[0][0], 0.5, 1e-12);
  EXPECT_EQ(ResultsPanel.Lshibunok.Caption, "OK");

  for (int i = 0; i < WallCount[CurrentState][0]; ++i) Walls[CurrentState][0][i].PanelLeft = 0;
  RunRecalculationChain();
  EXPECT_EQ(QuarterSufficiencyA[0][0], 0.0);
  EXPECT_EQ(QuarterSufficiencyB[0][0], 0.0);
  // Not the 0.5 of the paint before, which would pass zones without walls.
  EXPECT_EQ(WallRatioRatioX[0][0], 0.0);
  const WallQuantityJudgement j = JudgeWallQuantity(CurrentState);
  EXPECT_FALSE(j.Storeys[0].ZoneA);
  EXPECT_FALSE(j.Storeys[0].ZoneB);
  EXPECT_FALSE(j.Storeys[0].QuarterX);
  EXPECT_FALSE(j.Met);
  EXPECT_EQ(ResultsPanel.Lshibunok.Caption, "NG");
}

}  // namespace
