// The deterioration factor D from the survey answers: points per item, absent
// items, the 0.7 floor, repaired items in the retrofit plans and the two caps
// of the retrofit factor; and the recomputation from the point tables alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "ModelFixture.h"
#include "evaluation/DeteriorationFactor.h"
#include "model/ProjectSettings.h"

namespace {

// The factors are program-wide and no reset restores them: put back their
// start values so that a single-process run of the suite stays order-free.
class DeteriorationFactorTest : public ModelTest {
 protected:
  void TearDown() override {
    DeteriorationFactor = RetrofitDeteriorationFactor = 1.0;
    ModelTest::TearDown();
  }
};

constexpr double kTol = 1e-6;

// Answer indices.
enum : int {
  Roof = 0,
  Gutters = 1,
  Downspouts = 2,
  OuterWall = 3,
  ExposedFrame = 4,
  Balcony = 5,
  Railing = 6,
  Junction = 7,
  Drain = 8,
  InnerWall = 9,
  BathFinish = 10,
  Bathroom = 11,
  TileCracks = 12,
  Stains = 13,
  Floor = 14,
  Corridor = 15,
  Under = 16,
};

using Answers = std::vector<std::pair<int, int32_t>>;

// Every item present: an exposed frame without deterioration and a balcony.
// Points 2+2+2+4+2+1+1+1+2+2+2+1+2 = 24.
const Answers kEveryItem = {{ExposedFrame, 1}, {Balcony, 1}};

void SetAnswers(const Answers& base, const Answers& changes, int32_t rule) {
  for (auto& a : ProjectSettings.DeteriorationAnswer) a = 0;
  for (auto [i, v] : base) ProjectSettings.DeteriorationAnswer[i] = v;
  for (auto [i, v] : changes) ProjectSettings.DeteriorationAnswer[i] = v;
  ProjectSettings.RetrofitDeteriorationRule = rule;
}

TEST_F(DeteriorationFactorTest, FactorsOfTheSurvey) {
  struct Case {
    const char* name;
    Answers base, changes;
    int32_t rule;
    int32_t existence, deterioration, retrofitDeterioration;
    double d, retrofit;
  } cases[] = {
      {"every item sound", kEveryItem, {}, 0, 24, 0, 0, 1.0, 1.0},
      {"bathroom check boxes count for nothing",
       kEveryItem,
       {{TileCracks, 1}, {Stains, 1}},
       1,
       24,
       0,
       0,
       1.0,
       1.0},
      // 1 - 2/24 = 0.916667; rule 0 cap = max(0.916667, 0.9) = 0.916667.
      {"roof found, rule 0", kEveryItem, {{Roof, 1}}, 0, 24, 2, 2, 0.916667, 0.916667},
      {"roof found, rule 1", kEveryItem, {{Roof, 1}}, 1, 24, 2, 2, 0.916667, 0.9},
      // Retrofit 1 - 0/24 = 1.0 before the cap.
      {"roof repaired, rule 0", kEveryItem, {{Roof, 2}}, 0, 24, 2, 0, 0.916667, 0.916667},
      {"roof repaired, rule 1", kEveryItem, {{Roof, 2}}, 1, 24, 2, 0, 0.916667, 0.9},
      {"roof repaired, unknown rule: no cap", kEveryItem, {{Roof, 2}}, 2, 24, 2, 0, 0.916667, 1.0},
      // 1 - 4/24 = 0.833333, under both caps.
      {"outer wall found, rule 0", kEveryItem, {{OuterWall, 1}}, 0, 24, 4, 4, 0.833333, 0.833333},
      {"outer wall found, rule 1", kEveryItem, {{OuterWall, 1}}, 1, 24, 4, 4, 0.833333, 0.833333},
      // Retrofit 1.0 capped at max(0.833333, 0.9) = 0.9.
      {"outer wall repaired, rule 0", kEveryItem, {{OuterWall, 2}}, 0, 24, 4, 0, 0.833333, 0.9},
      {"outer wall repaired, rule 1", kEveryItem, {{OuterWall, 2}}, 1, 24, 4, 0, 0.833333, 0.9},
      // 1 - 6/24 = 0.75; retrofit 1 - 2/24 = 0.916667 capped at 0.9.
      {"outer wall repaired, roof found", kEveryItem, {{OuterWall, 2}, {Roof, 1}}, 0, 24, 6, 2, 0.75, 0.9},
      // All answers 0: no exposed frame, no balcony, 24 - 2 - 3 = 19; 1 - 2/19 = 0.894737.
      {"no exposed frame, no balcony", {}, {{Roof, 1}}, 0, 19, 2, 2, 0.894737, 0.894737},
      // 24 - 2 = 22; 1 - 2/22 = 0.909091.
      {"no gutters", kEveryItem, {{Gutters, 3}, {Roof, 1}}, 0, 22, 2, 2, 0.909091, 0.909091},
      // Codes above 3 also mean absent: 24 - 2 - 2 = 20; 1 - 2/20 = 0.9.
      {"no gutters (code 4), no downspouts",
       kEveryItem,
       {{Gutters, 4}, {Downspouts, 3}, {Roof, 1}},
       0,
       20,
       2,
       2,
       0.9,
       0.9},
      // The balcony items' own answers are ignored: 24 - 3 = 21; 1 - 2/21 = 0.904762.
      {"no balcony",
       kEveryItem,
       {{Balcony, 0}, {Railing, 1}, {Junction, 1}, {Drain, 2}, {Roof, 1}},
       0,
       21,
       2,
       2,
       0.904762,
       0.904762},
      // 24 - 2 = 22; 1 - 4/22 = 0.818182.
      {"no bathroom",
       kEveryItem,
       {{BathFinish, 2}, {Bathroom, 1}, {OuterWall, 1}},
       0,
       22,
       4,
       4,
       0.818182,
       0.818182},
      {"bathroom not tiled, found",
       kEveryItem,
       {{BathFinish, 1}, {Bathroom, 1}},
       0,
       24,
       2,
       2,
       0.916667,
       0.916667},
      {"balcony drain found", kEveryItem, {{Drain, 1}}, 0, 24, 1, 1, 0.958333, 0.958333},  // 1 - 1/24
      {"exposed frame found", kEveryItem, {{ExposedFrame, 2}}, 0, 24, 2, 2, 0.916667, 0.916667},
      {"exposed frame repaired", kEveryItem, {{ExposedFrame, 3}}, 1, 24, 2, 0, 0.916667, 0.9},
      // 1 - 7/24 = 0.708333 stays; 1 - 8/24 = 0.666667 is raised to 0.7.
      {"just above the floor",
       kEveryItem,
       {{OuterWall, 1}, {Railing, 1}, {Junction, 1}, {Corridor, 1}},
       0,
       24,
       7,
       7,
       0.708333,
       0.708333},
      {"just below the floor", kEveryItem, {{OuterWall, 1}, {Roof, 1}, {Gutters, 1}}, 0, 24, 8, 8, 0.7, 0.7},
      // Only the six items that always exist: 2+4+2+2+1+2 = 13, all found: 1 - 13/13 = 0 -> 0.7.
      {"fewest items, all found",
       {},
       {{Roof, 1},
        {Gutters, 3},
        {Downspouts, 3},
        {OuterWall, 1},
        {InnerWall, 1},
        {BathFinish, 2},
        {Floor, 1},
        {Corridor, 1},
        {Under, 1}},
       0,
       13,
       13,
       13,
       0.7,
       0.7},
      // Current 1 - 24/24 = 0 -> 0.7; retrofit 1.0 capped at max(0.7, 0.9) = 0.9.
      {"everything repaired, rule 0",
       kEveryItem,
       {{Roof, 2},
        {Gutters, 2},
        {Downspouts, 2},
        {OuterWall, 2},
        {ExposedFrame, 3},
        {Railing, 2},
        {Junction, 2},
        {Drain, 2},
        {InnerWall, 2},
        {Bathroom, 2},
        {Floor, 2},
        {Corridor, 2},
        {Under, 2}},
       0,
       24,
       24,
       0,
       0.7,
       0.9},
      // A damaged file's codes count as repaired: roof 7, gutters -1, exposed frame -5: 1 - 6/24 = 0.75.
      {"codes out of range",
       kEveryItem,
       {{Roof, 7}, {Gutters, -1}, {ExposedFrame, -5}},
       0,
       24,
       6,
       0,
       0.75,
       0.9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetAnswers(c.base, c.changes, c.rule);
    CalcDeteriorationFactor();
    EXPECT_EQ(ExistencePointTotal, c.existence);
    EXPECT_EQ(DeteriorationPointTotal, c.deterioration);
    EXPECT_EQ(RetrofitExistencePointTotal, c.existence);
    EXPECT_EQ(RetrofitDeteriorationPointTotal, c.retrofitDeterioration);
    EXPECT_NEAR(DeteriorationFactor, c.d, kTol);
    EXPECT_NEAR(RetrofitDeteriorationFactor, c.retrofit, kTol);
  }
}

TEST_F(DeteriorationFactorTest, PointTablesItemByItem) {
  SetAnswers(kEveryItem,
             {{Roof, 1},
              {Gutters, 3},
              {Downspouts, 2},
              {ExposedFrame, 3},
              {Railing, 1},
              {BathFinish, 2},
              {Bathroom, 1},
              {Corridor, 2}},
             0);
  CalcDeteriorationFactor();
  struct Row {
    int32_t existence, deterioration, retrofitDeterioration;
  } rows[DeteriorationItemCount] = {
      {2, 2, 2},  // roof found
      {0, 0, 0},  // gutters absent
      {2, 2, 0},  // downspouts repaired
      {4, 0, 0},  // outer wall sound
      {2, 2, 0},  // exposed frame repaired
      {1, 1, 1},  // balcony railing found
      {1, 0, 0},  // balcony junction sound
      {1, 0, 0},  // balcony drain sound
      {2, 0, 0},  // inner wall sound
      {0, 0, 0},  // bathroom absent, its own answer ignored
      {2, 0, 0},  // floor sound
      {1, 1, 0},  // corridor repaired
      {2, 0, 0},  // foundation sound
  };
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ExistencePoints[i], rows[i].existence);
    EXPECT_EQ(DeteriorationPoints[i], rows[i].deterioration);
    EXPECT_EQ(RetrofitExistencePoints[i], rows[i].existence);
    EXPECT_EQ(RetrofitDeteriorationPoints[i], rows[i].retrofitDeterioration);
  }
  // Existence 2+0+2+4+2+1+1+1+2+0+2+1+2 = 20, deterioration 2+2+2+1+1 = 8, retrofit 2+1 = 3.
  EXPECT_EQ(ExistencePointTotal, 20);
  EXPECT_EQ(DeteriorationPointTotal, 8);
  EXPECT_EQ(RetrofitDeteriorationPointTotal, 3);
  EXPECT_DOUBLE_EQ(DeteriorationFactor, 0.7);            // 1 - 8/20 = 0.6 -> 0.7
  EXPECT_NEAR(RetrofitDeteriorationFactor, 0.85, kTol);  // 1 - 3/20, under the 0.9 cap
}

// The first paint after a command-line open: D alone, from the tables as they stand.
TEST_F(DeteriorationFactorTest, FactorFromThePointTables) {
  struct Case {
    const char* name;
    int32_t existence[DeteriorationItemCount];
    int32_t deterioration[DeteriorationItemCount];
    double d;
  } cases[] = {
      // The reset's tables: 19 points, none deteriorated.
      {"reset tables", {2, 2, 2, 4, 0, 0, 0, 0, 2, 2, 2, 1, 2}, {}, 1.0},
      {"outer wall", {2, 2, 2, 4, 0, 0, 0, 0, 2, 2, 2, 1, 2}, {0, 0, 0, 4}, 0.789474},  // 1 - 4/19
      {"roof and outer wall",
       {2, 2, 2, 4, 0, 0, 0, 0, 2, 2, 2, 1, 2},
       {2, 0, 0, 4},
       0.7},                                 // 1 - 6/19 = 0.684
      {"no existence points", {}, {}, 0.7},  // 0, raised to the floor
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::copy(c.existence, c.existence + DeteriorationItemCount, ExistencePoints);
    std::copy(c.deterioration, c.deterioration + DeteriorationItemCount, DeteriorationPoints);
    DeteriorationFactor = 0.5;
    RetrofitDeteriorationFactor = 0.8;
    ExistencePointTotal = DeteriorationPointTotal = 99;
    DeteriorationFactorFromPoints();
    EXPECT_NEAR(DeteriorationFactor, c.d, kTol);
    EXPECT_EQ(RetrofitDeteriorationFactor, 0.8);
    EXPECT_EQ(ExistencePointTotal, 99);
    EXPECT_EQ(DeteriorationPointTotal, 99);
  }
}

}  // namespace
