// Joint, foundation and deterioration reductions of a wall. Expected values
// are worked by hand from the tables (arithmetic beside each): revision-2012
// lookups and interpolation between strength points, the low-strength line,
// snow interpolation between the 1 m, 2 m and 2.5 m tables, the revision-2025
// formulas with and without snow, the wall deterioration table, and which
// result fields the per-wall step writes in each revision.
#include <gtest/gtest.h>

#include <string>

#include "ModelFixture.h"
#include "analysis/ReductionFactors.h"

namespace {

constexpr double kTol = 1e-9;

TEST(ReductionFactors, StrengthPointLookup) {
  const double points[] = {2.0, 3.0, 5.0, 7.0};
  const double values[] = {1.0, 0.8, 0.6, 0.2};
  const struct {
    double p, expected;
  } cases[] = {
      {0.0, 1.0},                // below the first point
      {2.0, 1.0},   {2.5, 0.9},  // 1 + 0.5 x (0.8 - 1) / 1
      {4.0, 0.7},                // 0.8 + 1 x (0.6 - 0.8) / 2
      {5.0, 0.6},   {6.5, 0.3},  // 0.6 + 1.5 x (0.2 - 0.6) / 2
      {7.0, 0.2},                // at the last point
      {100.0, 0.2},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(LookupByStrengthPoints(points, values, 4, c.p), c.expected, kTol) << c.p;
}

TEST(ReductionFactors, SituationOfAWall) {
  const struct {
    int storey, top;
    bool leanTo;
    ReductionSituation expected;
  } cases[] = {
      {0, 0, false, SituationSingleStorey}, {0, 0, true, SituationSingleStorey},
      {1, 1, false, SituationTopStorey},    {0, 1, false, SituationLowerStorey},
      {0, 1, true, SituationSingleStorey},  // a lean-to on the ground storey
      {2, 2, false, SituationTopStorey},    {1, 2, false, SituationLowerStorey},
      {1, 2, true, SituationTopStorey},     {0, 2, false, SituationLowerStorey},
      {0, 2, true, SituationSingleStorey},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReductionSituationOf(c.storey, c.top, c.leanTo), c.expected)
        << "storey " << c.storey << " top " << c.top << " lean-to " << c.leanTo;
}

// An end without the floor mark (|value| < 256) makes a lean-to wall.
TEST(ReductionFactors, LeanToWalls) {
  const struct {
    int top, rule, start, end;
    bool expected;
  } cases[] = {
      {1, 1, 257, 261, false},   // both ends under the floor
      {1, 1, 5, 261, true},      // start outside
      {1, 1, 261, 255, true},    // 255: column under no floor
      {1, 1, 256, 256, false},   // 256: floor only
      {1, 1, -261, 261, false},  // outer-corner column under the floor
      {1, 1, -5, 261, true},    {2, 1, 0, 0, true}, {1, 0, 5, 5, false},  // rule off
      {0, 1, 5, 5, false},                                                // single-storey house
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsLeanToWall(c.top, c.rule, c.start, c.end), c.expected) << c.start << " " << c.end;
}

TEST(ReductionFactors, SnowDepth) {
  EXPECT_EQ(SnowDepthOfLoad(0.0), 0.0);
  EXPECT_NEAR(SnowDepthOfLoad(0.26), 1.0, kTol);
  EXPECT_NEAR(SnowDepthOfLoad(0.26 * 1.4), 1.4, kTol);  // fifth entry of the snow list
  EXPECT_NEAR(SnowDepthOfLoad(0.52), 2.0, kTol);
  EXPECT_NEAR(SnowDepthOfLoad(0.65), 2.5, kTol);
}

// Revision 2012 without snow. Situations: top 0, lower 1, single 2.
TEST(ReductionFactors, Revision2012Tables) {
  const struct {
    const char* why;
    ReductionSituation situation;
    int j, f;
    double p;
    bool line;
    double expected;
  } cases[] = {
      {"single J2 F0: 3 -> 0.6, 5 -> 0.5; 0.6 - 1 x 0.1 / 2", SituationSingleStorey, 2, 0, 4.0, false, 0.55},
      {"lower J0 F2 above 7: 0.6", SituationLowerStorey, 0, 2, 9.0, false, 0.6},
      {"lower J0 F1: 0.9 - 1 x 0.05 / 2", SituationLowerStorey, 0, 1, 4.0, false, 0.875},
      {"top J1: 5 -> 0.65, 7 -> 0.5; 0.65 - 1 x 0.15 / 2", SituationTopStorey, 1, 2, 6.0, false, 0.575},
      {"single J1 F1: 2 -> 0.85, 3 -> 0.75; 0.85 - 0.5 x 0.1", SituationSingleStorey, 1, 1, 2.5, false, 0.8},
      {"single J3 F2 at 5: 0.5", SituationSingleStorey, 3, 2, 5.0, false, 0.5},
      {"single J3 F2 at 7: 0.3", SituationSingleStorey, 3, 2, 7.0, false, 0.3},
      {"top J0: 1 everywhere", SituationTopStorey, 0, 2, 9.0, false, 1.0},
      {"top J3 F0 at 1.5 with the line: (2 - 1.5)(1 - 0.7) + 0.7", SituationTopStorey, 3, 0, 1.5, true, 0.85},
      {"top J3 F0 at 1.5 without: the 2 kN/m value", SituationTopStorey, 3, 0, 1.5, false, 0.7},
      {"top J3 F0 at 0.8: below 1 kN/m", SituationTopStorey, 3, 0, 0.8, true, 1.0},
      {"single J2 F0 at 1.0 without the line: 0.7", SituationSingleStorey, 2, 0, 1.0, false, 0.7},
      {"single J2 F0 at 1.2 with the line: 0.8 x 0.3 + 0.7", SituationSingleStorey, 2, 0, 1.2, true, 0.94},
      {"single J0 F1 at 1.5 with the line: 0.5 x 0.15 + 0.85", SituationSingleStorey, 0, 1, 1.5, true, 0.925},
      {"single J2 F0 at 2.0 with the line: the table", SituationSingleStorey, 2, 0, 2.0, true, 0.7},
      // Classes no editor produces read as the weakest.
      {"J7 reads as J3: 0.25 - 1 x 0.05 / 2", SituationTopStorey, 7, 0, 6.0, false, 0.225},
      {"F5 reads as F2: single J0 F2 0.7", SituationSingleStorey, 0, 5, 4.0, false, 0.7},
      {"J-1 F-1 read as J3 F2: 0.5 - 1 x 0.2 / 2", SituationSingleStorey, -1, -1, 6.0, false, 0.4},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(ReductionFactor2012(c.situation, c.j, c.f, c.p, c.line), c.expected, kTol) << c.why;
}

// Single storey J2 F0 at 4 kN/m: 1 m table 3 -> 0.75, 5 -> 0.65: 0.70;
// 2 m: 0.85, 0.8: 0.825; 2.5 m: 1.0, 0.9: 0.95.
TEST(ReductionFactors, Revision2012Snow) {
  const struct {
    const char* why;
    ReductionSituation situation;
    int j, f;
    double p, d, expected;
  } cases[] = {
      {"1 m", SituationSingleStorey, 2, 0, 4.0, 1.0, 0.70},
      {"1.5 m: 0.70 + 0.5 x 0.125", SituationSingleStorey, 2, 0, 4.0, 1.5, 0.7625},
      {"2 m", SituationSingleStorey, 2, 0, 4.0, 2.0, 0.825},
      {"2.25 m: 0.825 + 2 x 0.25 x 0.125", SituationSingleStorey, 2, 0, 4.0, 2.25, 0.8875},
      {"2.5 m", SituationSingleStorey, 2, 0, 4.0, 2.5, 0.95},
      {"3 m: the 2.5 m table", SituationSingleStorey, 2, 0, 4.0, 3.0, 0.95},
      {"below 1 kN/m", SituationSingleStorey, 2, 0, 0.5, 1.5, 1.0},
      {"lower J1 F2, 1 m: 5 -> 0.85, 7 -> 0.75", SituationLowerStorey, 1, 2, 6.0, 1.0, 0.80},
      {"top J3 F1, 2 m: 3 -> 0.85, 5 -> 0.75", SituationTopStorey, 3, 1, 4.0, 2.0, 0.80},
      {"single J2 F2, 2 m at 5: 0.75", SituationSingleStorey, 2, 2, 5.0, 2.0, 0.75},
      {"single J2 F1, 2 m at 5: 0.8", SituationSingleStorey, 2, 1, 5.0, 2.0, 0.8},
      // The published 2.5 m top-storey table: J1 at 7 kN/m is 0.55 on base I, 0.85 on II.
      {"top J1 F0, 2.5 m at 7", SituationTopStorey, 1, 0, 7.0, 2.5, 0.55},
      {"top J1 F1, 2.5 m at 7", SituationTopStorey, 1, 1, 7.0, 2.5, 0.85},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(SnowReductionFactor2012(c.situation, c.j, c.f, c.p, c.d), c.expected, kTol) << c.why;
}

using JointCapacityTest = ModelTest;

// Joint classes I..IV give 10, 5, 2.5, 0 kN; 4 and above name hardware row
// JointSpec - 1; base III cuts anything above 5 kN.
TEST_F(JointCapacityTest, Revision2025) {
  JointHardwareTable[15].AllowableTension = 12.0;
  JointHardwareTable[29].AllowableTension = 6.0;
  const struct {
    int j, f;
    double expected;
  } cases[] = {
      {0, 0, 10.0},  {0, 1, 10.0}, {0, 2, 5.0}, {1, 2, 5.0},
      {2, 0, 2.5},   {3, 0, 0.0},  {4, 0, 7.5},  // row 3, II+
      {4, 2, 5.0},                               // cut on base III
      {6, 0, 3.4},                               // row 5, N-value 0.65
      {10, 0, 10.0},                             // row 9
      {16, 1, 12.0},                             // user row 15
      {16, 2, 5.0},  {30, 0, 6.0},               // last row
      {31, 0, 0.0},                              // outside the table
      {-1, 0, 0.0},  {0, 3, 5.0},                // a foundation class outside 0..2 counts as base III
  };
  for (const auto& c : cases) EXPECT_EQ(JointCapacity2025(c.j, c.f), c.expected) << c.j << " " << c.f;
}

// A = 0.3 P + 5, B = 0.35 P + 4; T = Tj x r(frame state, P);
// e1 = (T^2 - A^2) 0.01 + 1, e2 = (T - 1.5 A) 0.07 + 1,
// e3 = (T^2 - B^2) 0.01 + 1, e4 = (T^2 - (1.1 B)^2) 0.01 + 1; at most 1.
TEST(ReductionFactors, Revision2025Formulas) {
  const struct {
    const char* why;
    int storey, top;
    bool leanTo;
    int f;
    double tj;
    int frame;
    double p, d, expected;
  } cases[] = {
      {"single F0, Tj 10, P 5: A 6.5, e1 = 1.5775 -> 1", 0, 0, false, 0, 10.0, 2, 5.0, 0.0, 1.0},
      {"single F2, Tj 0, P 7: A 7.1, e2 = (0 - 10.65) 0.07 + 1", 0, 0, false, 2, 0.0, 2, 7.0, 0.0, 0.2545},
      {"single F1, Tj 0, P 7: (e1 0.4959 + e2 0.2545) / 2", 0, 0, false, 1, 0.0, 2, 7.0, 0.0, 0.3752},
      {"ground of two, F0, Tj 5, P 7: B 6.45, e3 = (25 - 41.6025) 0.01 + 1", 0, 1, false, 0, 5.0, 2, 7.0, 0.0,
       0.833975},
      {"ground of two, F2: 1.1 B = 7.095, e4 = (25 - 50.339025) 0.01 + 1", 0, 1, false, 2, 5.0, 2, 7.0, 0.0,
       0.74660975},
      {"ground of two, F1: (e3 + e4) / 2", 0, 1, false, 1, 5.0, 2, 7.0, 0.0, 0.790292375},
      {"top of two, Tj 2.5, P 3: A 5.9, e1 = (6.25 - 34.81) 0.01 + 1", 1, 1, false, 2, 2.5, 2, 3.0, 0.0,
       0.7144},
      {"middle of three: B 5.05, e3 = (6.25 - 25.5025) 0.01 + 1", 1, 2, false, 0, 2.5, 2, 3.0, 0.0, 0.807475},
      {"middle of three, lean-to: e1", 1, 2, true, 0, 2.5, 2, 3.0, 0.0, 0.7144},
      {"top of three: e1", 2, 2, false, 0, 2.5, 2, 3.0, 0.0, 0.7144},
      {"ground of two, lean-to, F0: e1", 0, 1, true, 0, 2.5, 2, 3.0, 0.0, 0.7144},
      {"ground of two, lean-to, F2: e2 = (2.5 - 8.85) 0.07 + 1", 0, 1, true, 2, 2.5, 2, 3.0, 0.0, 0.5555},
      {"partly, P 4: r = 0.9 - 0.07 / 2 = 0.865, T 4.325, A 6.2: (18.705625 - 38.44) 0.01 + 1", 0, 0, false,
       0, 5.0, 1, 4.0, 0.0, 0.80265625},
      {"deteriorated, P 12: r = 0.36 - 2 x 0.21 / 4 = 0.255, T 2.55, A 8.6: (6.5025 - 73.96) 0.01 + 1", 0, 0,
       false, 0, 10.0, 0, 12.0, 0.0, 0.325425},
      {"deteriorated, P 14: r 0.15, T 1.5, A 9.2: (2.25 - 84.64) 0.01 + 1", 0, 0, false, 0, 10.0, 0, 14.0,
       0.0, 0.1761},
      {"deteriorated, P 0.5: r = 1, T 5, A 5.15: (25 - 26.5225) 0.01 + 1", 0, 0, false, 0, 5.0, 0, 0.5, 0.0,
       0.984775},
      {"frame state 3 reads as deteriorated", 0, 0, false, 0, 10.0, 3, 12.0, 0.0, 0.325425},
      // With snow: As = A - 14 d / P, Bs = B - 14 d / P, at least 0.
      {"snow 1 m, single F2, Tj 0, P 7: As 5.1, (0 - 7.65) 0.07 + 1", 0, 0, false, 2, 0.0, 2, 7.0, 1.0,
       0.4645},
      {"snow 2 m: As 3.1, (0 - 4.65) 0.07 + 1", 0, 0, false, 2, 0.0, 2, 7.0, 2.0, 0.6745},
      {"snow 2 m, P 1.5: As = 5.45 - 18.67 cut to 0, e1 = 1", 0, 0, false, 0, 0.0, 2, 1.5, 2.0, 1.0},
      {"no snow, P 0, ground of two: B 4, e3 = 1 - 0.16", 0, 1, false, 0, 0.0, 2, 0.0, 0.0, 0.84},
      {"snow, P 0: As = Bs = 0, e3 = 1", 0, 1, false, 0, 0.0, 2, 0.0, 1.0, 1.0},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(ReductionFactor2025(c.storey, c.top, c.leanTo, c.f, c.tj, c.frame, c.p, c.d), c.expected,
                kTol)
        << c.why;
}

TEST(ReductionFactors, WallDeterioration) {
  const struct {
    const char* why;
    int revision, method, under, frame, strengthClass;
    double p, expected;
  } cases[] = {
      {"open, deteriorated, class 1", 0, 1, 0, 0, 1, 3.0, 0.35},
      {"open, deteriorated, class 0", 0, 1, 0, 0, 0, 2.0, 0.7},
      {"open, deteriorated, class 3", 0, 1, 0, 0, 3, 7.0, 0.2},
      {"open, partly, class 2", 0, 1, 0, 1, 2, 5.0, 0.6},
      {"covered, deteriorated, class 3", 0, 1, 1, 0, 3, 7.0, 0.6},
      {"covered, partly, class 1", 0, 1, 1, 1, 1, 3.0, 0.9},
      {"precise method 2 as well", 0, 0, 1, 0, 2, 5.0, 0.7},
      {"no deterioration", 0, 1, 0, 2, 3, 7.0, 1.0},
      {"below 1 kN/m", 0, 1, 0, 0, 1, 0.9, 1.0},
      {"general method", 0, 2, 0, 0, 1, 3.0, 1.0},
      {"verification method", 0, 3, 0, 0, 1, 3.0, 1.0},
      {"revision 2025", 1, 1, 0, 0, 1, 3.0, 1.0},
      {"frame state 3 reads as deteriorated", 0, 1, 0, 3, 1, 3.0, 0.35},
      {"class 7 reads as class 3", 0, 1, 0, 0, 7, 3.0, 0.2},
      {"any non-zero cover flag is covered", 0, 1, 5, 1, 1, 3.0, 0.9},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(WallDeteriorationFactor(c.revision, c.method, c.under, c.frame, c.strengthClass, c.p),
                c.expected, kTol)
        << c.why;
}

// The per-wall step: which factor lands in which field, in each revision,
// with and without snow. -1 marks a field the step must leave alone.
class WallReductionTest : public ModelTest {};

TEST_F(WallReductionTest, FieldsWrittenPerRevisionAndSnow) {
  constexpr double kUntouched = -1.0;
  struct Case {
    const char* why;
    int revision, method, lowStrength, leanToRule;
    double snowLoad;
    WallReductionInput in;
    double factor, deterioration, minimum, snowFactor, snowMinimum;
  };
  // Inputs: P, J, F, class, under roof, frame, start and end grid values, storey, top storey.
  const Case cases[] = {
      {"2012 ground of two: lower J2 F1 at 3.5: 0.8 - 0.5 x 0.1 / 2",
       0,
       1,
       0,
       1,
       0.0,
       {3.5, 2, 1, 1, 0, 2, 257, 261, 0, 1},
       0.775,
       1.0,
       0.775,
       kUntouched,
       kUntouched},
      {"2012 partly deteriorated frame: open, class 1: 0.7",
       0,
       1,
       0,
       1,
       0.0,
       {3.5, 2, 1, 1, 0, 1, 257, 261, 0, 1},
       0.775,
       0.7,
       0.7,
       kUntouched,
       kUntouched},
      {"2012 snow 1.5 m: (1 m: 1 - 0.5 x 0.15 / 2 = 0.9625; 2 m: 0.9875) -> 0.975",
       0,
       1,
       0,
       1,
       0.39,
       {3.5, 2, 1, 1, 0, 2, 257, 261, 0, 1},
       0.775,
       1.0,
       0.775,
       0.975,
       0.975},
      {"2012 snow with a partly deteriorated frame",
       0,
       1,
       0,
       1,
       0.39,
       {3.5, 2, 1, 1, 0, 1, 257, 261, 0, 1},
       0.775,
       0.7,
       0.7,
       0.975,
       0.7},
      {"2012 lean-to on the ground: single J2 F1: 0.6 - 0.5 x 0.1 / 2",
       0,
       1,
       0,
       1,
       0.0,
       {3.5, 2, 1, 1, 0, 2, 5, 261, 0, 1},
       0.575,
       1.0,
       0.575,
       kUntouched,
       kUntouched},
      {"2012 lean-to rule off: lower",
       0,
       1,
       0,
       0,
       0.0,
       {3.5, 2, 1, 1, 0, 2, 5, 261, 0, 1},
       0.775,
       1.0,
       0.775,
       kUntouched,
       kUntouched},
      {"2012 top J3 F0 at 1.5 with the low-strength setting: 0.5 x 0.3 + 0.7",
       0,
       1,
       1,
       1,
       0.0,
       {1.5, 3, 0, 0, 0, 2, 257, 257, 1, 1},
       0.85,
       1.0,
       0.85,
       kUntouched,
       kUntouched},
      {"2012 same without the setting: 0.7",
       0,
       1,
       0,
       1,
       0.0,
       {1.5, 3, 0, 0, 0, 2, 257, 257, 1, 1},
       0.7,
       1.0,
       0.7,
       kUntouched,
       kUntouched},
      {"2012 verification method takes the line and no wall deterioration",
       0,
       3,
       0,
       1,
       0.0,
       {1.5, 3, 0, 0, 0, 0, 257, 257, 1, 1},
       0.85,
       1.0,
       0.85,
       kUntouched,
       kUntouched},
      {"2012 general method: no wall deterioration",
       0,
       2,
       0,
       1,
       0.0,
       {3.5, 2, 1, 1, 0, 0, 257, 261, 0, 1},
       0.775,
       1.0,
       0.775,
       kUntouched,
       kUntouched},
      {"2012 below 1 kN/m with snow: all 1",
       0,
       1,
       0,
       1,
       0.26,
       {0.8, 3, 2, 0, 0, 0, 257, 261, 0, 1},
       1.0,
       1.0,
       1.0,
       1.0,
       1.0},
      {"2025 single J3 F2 at 7, no snow: 0.2545; the snow factor is written, its minimum is not",
       1,
       1,
       0,
       1,
       0.0,
       {7.0, 3, 2, 3, 0, 2, 257, 257, 0, 0},
       0.2545,
       1.0,
       0.2545,
       0.2545,
       kUntouched},
      {"2025 snow 1 m: As 5.1, 0.4645",
       1,
       1,
       0,
       1,
       0.26,
       {7.0, 3, 2, 3, 0, 2, 257, 257, 0, 0},
       0.2545,
       1.0,
       0.2545,
       0.4645,
       0.4645},
      {"2025 deteriorated frame lowers the joint capacity instead of a wall deterioration factor: Tj 10, P "
       "12 -> 0.325425",
       1,
       1,
       0,
       1,
       0.0,
       {12.0, 0, 0, 3, 0, 0, 257, 257, 0, 0},
       0.325425,
       1.0,
       0.325425,
       0.325425,
       kUntouched},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ProjectSettings.Revision = c.revision;
    ProjectSettings.DiagnosisMethod = c.method;
    ProjectSettings.LowStrengthWallReduction = c.lowStrength;
    ProjectSettings.LeanToColumnsTopStorey = c.leanToRule;
    ProjectSettings.SnowLoad = c.snowLoad;
    WallCaseResult block{};
    SnowWallCaseResult snow{};
    snow.ReductionFactor = kUntouched;
    snow.MinReductionFactor = kUntouched;
    CalcWallReductionFactors(c.in, block, snow);
    EXPECT_NEAR(block.ReductionFactor, c.factor, kTol);
    EXPECT_NEAR(block.DeteriorationFactor, c.deterioration, kTol);
    EXPECT_NEAR(block.MinReductionFactor, c.minimum, kTol);
    EXPECT_NEAR(snow.ReductionFactor, c.snowFactor, kTol);
    EXPECT_NEAR(snow.MinReductionFactor, c.snowMinimum, kTol);
  }
}

// The wall-scope fields live in block 0; the case's own block gives its base
// strength and strength class.
TEST_F(WallReductionTest, InputTakesWallFieldsFromBlockZero) {
  WallResult result{};
  result.Blocks[0].OpeningFactor = 0.3;
  result.Blocks[0].JointSpec = 2;
  result.Blocks[0].FoundationClass = 1;
  result.Blocks[0].UnderRoofOrFloor = 1;
  result.Blocks[0].BaseStrength = 99.0;
  result.Blocks[3].BaseStrength = 10.0;
  result.Blocks[3].StrengthClass = 3;
  result.Blocks[3].OpeningFactor = 0.9;  // carries no value in blocks 1-4
  result.Blocks[3].JointSpec = 0;
  WallRecord wall{};
  wall.Deterioration = 1 | 32;  // frame partly, left panel deteriorated
  const WallReductionInput in = WallReductionInputOf(result, 3, wall, 5, 261, 0, 1);
  EXPECT_NEAR(in.CorrectedStrength, 3.0, kTol);  // 10 x 0.3
  EXPECT_EQ(in.JointSpec, 2);
  EXPECT_EQ(in.FoundationClass, 1);
  EXPECT_EQ(in.StrengthClass, 3);
  EXPECT_EQ(in.UnderRoofOrFloor, 1);
  EXPECT_EQ(in.FrameState, 1);
  EXPECT_EQ(in.StartPointValue, 5);
  EXPECT_EQ(in.EndPointValue, 261);
  EXPECT_EQ(in.Storey, 0);
  EXPECT_EQ(in.TopStorey, 1);
}

}  // namespace
