// Floor diaphragm check of the current variant: the floor unit shear, the
// shears accumulated across the plan and judged at both edges of every
// interval against 1.96 kN/m x the line capacity, the verdict of the worst
// loading case, the diaphragm moments and the horizontal-member forces.
// Expected values are worked by hand; the arithmetic stands beside each one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/FloorCheck.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

constexpr double kTol = 1e-12;
constexpr int kVariant = 1;  // not variant 0, so that indexing by CurrentVariant is exercised
constexpr int32_t kFails = FloorCheckFails;
constexpr int32_t kPasses = FloorCheckPassesOrNotJudged;
constexpr int32_t kNotJudged = FloorCheckNotJudged;

// The arrays of one direction: what the check reads and the members it writes.
struct Side {
  const char* Name;
  double* Position;
  LineArray& Shear;
  AxisBandArray& Band;
  FloorLineArray& Near;
  FloorLineArray& Far;
  int32_t (&Min)[VariantCount][StoreyCount];
  int32_t (&Max)[VariantCount][StoreyCount];
  int FromStart, FromEnd;    // check members of the near edge; the far edge is the next member
  int StartLines, EndLines;  // diaphragm members at lines; at middles the next member
};

Side XSide() {
  return {"X",
          GridAxisY,
          LineShearX,
          FloorBandAreaX,
          FloorLineCapacityX1,
          FloorLineCapacityX2,
          UsedExtentMinY,
          UsedExtentMaxY,
          FloorCheckXFromBelowNear,
          FloorCheckXFromAboveNear,
          DiaphragmXFromBelowAtLines,
          DiaphragmXFromAboveAtLines};
}

Side YSide() {
  return {"Y",
          GridAxisX,
          LineShearY,
          FloorBandAreaY,
          FloorLineCapacityY1,
          FloorLineCapacityY2,
          UsedExtentMinX,
          UsedExtentMaxX,
          FloorCheckYFromLeftNear,
          FloorCheckYFromRightNear,
          DiaphragmYFromLeftAtLines,
          DiaphragmYFromRightAtLines};
}

class FloorCheckTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    CurrentVariant = kVariant;
    ProjectSettings.TopStorey[kVariant] = 0;
    for (int v = 0; v < VariantCount; ++v) {
      for (int s = 0; s < StoreyCount; ++s) {
        UsedExtentMinX[v][s] = UsedExtentMinY[v][s] = 199;
        UsedExtentMaxX[v][s] = UsedExtentMaxY[v][s] = 0;
      }
    }
    for (int i = 0; i < GridAxisCountX; ++i) GridAxisX[i] = i;
    for (int j = 0; j < GridAxisCountY; ++j) GridAxisY[j] = j;
    // What the chain recomputes before the check, zero as after the weights step.
    for (auto* lines : {&LineShearX, &LineShearY}) std::memset(lines, 0, sizeof *lines);
    for (auto* perLine : {&FloorBandAreaX, &FloorBandAreaY, &FloorLineCapacityX1, &FloorLineCapacityX2,
                          &FloorLineCapacityY1, &FloorLineCapacityY2})
      std::memset(perLine, 0, sizeof *perLine);
    std::memset(&RequiredStrength, 0, sizeof RequiredStrength);
    std::memset(&RequiredStrengthArea, 0, sizeof RequiredStrengthArea);
    ClearFloorCheckRequired();
  }

  // The same line shear in all five loading cases.
  static void SetShear(const Side& side, int s, int axis, double shear) {
    for (int m = 0; m < StoreyLoadingCaseCount; ++m) side.Shear[kVariant][s][axis][m] = shear;
  }
  static void SetCapacity(const Side& side, int s, int interval, double nearEdge, double farEdge) {
    side.Near[kVariant][s][interval] = nearEdge;
    side.Far[kVariant][s][interval] = farEdge;
  }
  static void SetExtent(const Side& side, int s, int first, int last) {
    side.Min[kVariant][s] = first;
    side.Max[kVariant][s] = last;
  }

  static double Required(int member, int s, int i, int m = 0) {
    return FloorCheckRequired[member][kVariant][s][i][m];
  }
  static double Ratio(int member, int s, int i) { return FloorCheckRatio[member][kVariant][s][i]; }
  static int32_t Ok(int member, int s, int i) { return FloorCheckOk[member][kVariant][s][i]; }
  static int32_t Case(int member, int s, int i) { return FloorCheckCase[member][kVariant][s][i]; }
  static double Moment(int member, int s, int i, int m = 0) { return FloorMoment[member][kVariant][s][i][m]; }
  static double Force(int member, int s, int i, int m = 0) { return BeamStress[member][kVariant][s][i][m]; }

  // Verdicts and forces of an earlier run that must not survive this one.
  static void LeaveStaleResults(int s) {
    for (int k = 0; k < FloorCheckMemberCount; ++k) {
      for (int i = 0; i < AxisLineCount; ++i) {
        FloorCheckOk[k][kVariant][s][i] = kFails;
        FloorCheckRatio[k][kVariant][s][i] = 0.1;
        FloorCheckCase[k][kVariant][s][i] = 3;
        for (int m = 0; m < StoreyLoadingCaseCount; ++m) BeamStress[k][kVariant][s][i][m] = 99.0;
      }
    }
  }
};

struct Edge {
  double Shear;
  double Ratio;
  int32_t Ok;
};

// One storey, Qr 15 kN over 30 m²: q = 0.5 kN/m². Axes 1 to 4 at 1, 3, 4 and 7 m; intervals
// 1, 2, 3 of 10, 5 and 15 m² (a diaphragm 5 m deep), loads q x A = 5, 2.5, 7.5 kN, middles at
// 2, 3.5 and 5.5 m. Line shears 6, 0, 4, 5 kN (15 in all). Capacities near / far edge:
// interval 1: 5.0 / 0.5, interval 2: 0 / 1.0, interval 3: 2.0 / 2.5, so 1.96 x: 9.8 / 0.98,
// 0 / 1.96, 3.92 / 4.9 kN. Run once in each direction; the other direction has a single axis.
TEST_F(FloorCheckTest, OneStoreyPlan) {
  const Side sides[] = {XSide(), YSide()};
  for (int d = 0; d < 2; ++d) {
    const Side& side = sides[d];
    const Side& other = sides[1 - d];
    SCOPED_TRACE(side.Name);
    ClearFloorCheckRequired();
    LeaveStaleResults(0);
    const double positions[] = {0, 1, 3, 4, 7, 8, 9};
    for (int i = 0; i < 7; ++i) side.Position[i] = positions[i];
    SetExtent(side, 0, 1, 4);
    SetExtent(other, 0, 2, 2);
    SetShear(side, 0, 1, 6.0);
    SetShear(side, 0, 2, 0.0);
    SetShear(side, 0, 3, 4.0);
    SetShear(side, 0, 4, 5.0);
    side.Band[kVariant][0][1] = 10.0;
    side.Band[kVariant][0][2] = 5.0;
    side.Band[kVariant][0][3] = 15.0;
    side.Band[kVariant][0][4] = 100.0;  // past the last axis, outside the storey: changes nothing
    SetCapacity(side, 0, 1, 5.0, 0.5);
    SetCapacity(side, 0, 2, 0.0, 1.0);
    SetCapacity(side, 0, 3, 2.0, 2.5);
    RequiredStrength[kVariant][0] = 15.0;
    RequiredStrengthArea[kVariant][0] = 30.0;

    CheckFloorDiaphragms();

    EXPECT_NEAR(FloorUnitShear[kVariant][0], 0.5, kTol);  // 15 / 30

    // From the first axis: near = 6; far = 6 - 5 = 1; near = 1 + 0 = 1; far = 1 - 2.5 = -1.5;
    // near = -1.5 + 4 = 2.5; far = 2.5 - 7.5 = -5.
    // From the last axis: far = 5; near = 5 - 7.5 = -2.5; far = -2.5 + 4 = 1.5;
    // near = 1.5 - 2.5 = -1; far = -1 + 0 = -1; near = -1 - 5 = -6.
    const Edge expected[4][3] = {
        // near edge from the first axis
        {{6.0, 9.8 / 6.0, kPasses},  // 1.6333
         {1.0, 0.0, kFails},         // no capacity against 1 kN
         {2.5, 1.568, kPasses}},     // 3.92 / 2.5
        // far edge from the first axis
        {{1.0, 0.98, kFails},           // 0.98 / 1
         {-1.5, 1.96 / -1.5, kPasses},  // -1.3067
         {-5.0, -0.98, kFails}},        // 4.9 / -5
        // near edge from the last axis
        {{-6.0, 9.8 / -6.0, kPasses}, {-1.0, 0.0, kFails}, {-2.5, -1.568, kPasses}},
        // far edge from the last axis
        {{-1.0, -0.98, kFails}, {1.5, 1.96 / 1.5, kPasses}, {5.0, 0.98, kFails}},
    };
    const int members[4] = {side.FromStart, side.FromStart + 1, side.FromEnd, side.FromEnd + 1};
    for (int k = 0; k < 4; ++k) {
      for (int j = 0; j < 3; ++j) {
        const int i = j + 1;
        SCOPED_TRACE(testing::Message() << "member " << members[k] << ", interval " << i);
        for (int m = 0; m < StoreyLoadingCaseCount; ++m)
          EXPECT_NEAR(Required(members[k], 0, i, m), expected[k][j].Shear, kTol);
        EXPECT_NEAR(Ratio(members[k], 0, i), expected[k][j].Ratio, kTol);
        EXPECT_EQ(Ok(members[k], 0, i), expected[k][j].Ok);
        EXPECT_EQ(Case(members[k], 0, i), 0);  // every case alike: the first governs
      }
      // Outside the intervals of the extent: reset, not judged.
      for (int i : {0, 4, 5}) {
        EXPECT_EQ(Ratio(members[k], 0, i), 0.0);
        EXPECT_EQ(Ok(members[k], 0, i), kPasses);
        EXPECT_EQ(Case(members[k], 0, i), kNotJudged);
      }
    }

    // Moments from the first axis, at axis z: sum over earlier lines of (y - z) x P minus sum over
    // earlier intervals of qA x (middle - z).
    //   axis 1: 0.  axis 2 (3 m): -2 x 6 - 5 x (-1) = -7.
    //   axis 3 (4 m): -3 x 6 - 1 x 0 - (5 x -2 + 2.5 x -0.5) = -18 + 11.25 = -6.75.
    //   axis 4 (7 m): -6 x 6 - 4 x 0 - 3 x 4 - (5 x -5 + 2.5 x -3.5 + 7.5 x -1.5) = -48 + 45 = -3.
    // At the middles, the interval's own line and interval included:
    //   2 m: -1 x 6 = -6.  3.5 m: -2.5 x 6 - (5 x -1.5) = -7.5.
    //   5.5 m: -4.5 x 6 - 1.5 x 4 - (5 x -3.5 + 2.5 x -2) = -33 + 22.5 = -10.5.
    // From the last axis, lines from the section on and intervals from the section on:
    //   axis 4: 0.  axis 3 (4 m): 3 x 5 - 7.5 x 1.5 = 3.75.
    //   axis 2 (3 m): 1 x 4 + 4 x 5 - (2.5 x 0.5 + 7.5 x 2.5) = 24 - 20 = 4.
    //   axis 1 (1 m): 2 x 0 + 3 x 4 + 6 x 5 - (5 x 1 + 2.5 x 2.5 + 7.5 x 4.5) = 42 - 45 = -3.
    // At the middles, the lines beyond and the interval's own:
    //   5.5 m: 1.5 x 5 = 7.5.  3.5 m: 0.5 x 4 + 3.5 x 5 - 7.5 x 2 = 4.5.
    //   2 m: 1 x 0 + 2 x 4 + 5 x 5 - (2.5 x 1.5 + 7.5 x 3.5) = 33 - 30 = 3.
    const double startLines[4] = {0.0, -7.0, -6.75, -3.0};
    const double startMiddles[3] = {-6.0, -7.5, -10.5};
    const double endLines[4] = {-3.0, 4.0, 3.75, 0.0};
    const double endMiddles[3] = {3.0, 4.5, 7.5};
    // Forces, L = 6 m, end moment E = -3 from either side; the moment less E x d / L, over the
    // strip area, times the strip width:
    //   from the first axis, d from 1 m: axis 2: (-7 + 3 x 2 / 6) / 5 x 1 = -1.2;
    //   axis 3: (-6.75 + 1.5) / 15 x 3 = -1.05; axis 1: 0; axis 4: (-3 + 3) = 0.
    //   middles: (-6 + 0.5) / 10 x 2 = -1.1; (-7.5 + 1.25) / 5 x 1 = -1.25;
    //   (-10.5 + 2.25) / 15 x 3 = -1.65.
    //   From the last axis, d to 7 m: axis 3: (3.75 + 1.5) / 15 x 3 = 1.05;
    //   axis 2: (4 + 2) / 5 = 1.2; axis 1: (-3 + 3) = 0; middles (3 + 2.5) / 10 x 2 = 1.1,
    //   (4.5 + 1.75) / 5 = 1.25, (7.5 + 0.75) / 15 x 3 = 1.65.
    const double startLineForces[4] = {0.0, -1.2, -1.05, 0.0};
    const double startMiddleForces[3] = {-1.1, -1.25, -1.65};
    const double endLineForces[4] = {0.0, 1.2, 1.05, 0.0};
    const double endMiddleForces[3] = {1.1, 1.25, 1.65};
    for (int m = 0; m < StoreyLoadingCaseCount; ++m) {
      SCOPED_TRACE(testing::Message() << "case " << m);
      for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(Moment(side.StartLines, 0, j + 1, m), startLines[j], kTol);
        EXPECT_NEAR(Moment(side.EndLines, 0, j + 1, m), endLines[j], kTol);
        EXPECT_NEAR(Force(side.StartLines, 0, j + 1, m), startLineForces[j], kTol);
        EXPECT_NEAR(Force(side.EndLines, 0, j + 1, m), endLineForces[j], kTol);
      }
      for (int j = 0; j < 3; ++j) {
        EXPECT_NEAR(Moment(side.StartLines + 1, 0, j + 1, m), startMiddles[j], kTol);
        EXPECT_NEAR(Moment(side.EndLines + 1, 0, j + 1, m), endMiddles[j], kTol);
        EXPECT_NEAR(Force(side.StartLines + 1, 0, j + 1, m), startMiddleForces[j], kTol);
        EXPECT_NEAR(Force(side.EndLines + 1, 0, j + 1, m), endMiddleForces[j], kTol);
      }
      for (int member : {side.StartLines, side.StartLines + 1, side.EndLines, side.EndLines + 1}) {
        EXPECT_EQ(Force(member, 0, 0, m), 0.0);
        EXPECT_EQ(Force(member, 0, 5, m), 0.0);
      }
    }

    // The direction with a single axis is not examined and gets no forces.
    const int otherMembers[4] = {other.FromStart, other.FromStart + 1, other.FromEnd, other.FromEnd + 1};
    for (int k : otherMembers) {
      for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Required(k, 0, i), 0.0);
        EXPECT_EQ(Ratio(k, 0, i), 0.0);
        EXPECT_EQ(Ok(k, 0, i), kPasses);
      }
    }
    for (int k : {other.StartLines, other.StartLines + 1, other.EndLines, other.EndLines + 1})
      for (int i = 0; i < 6; ++i) EXPECT_EQ(Force(k, 0, i), 0.0);

    SetExtent(side, 0, 199, 0);
    SetExtent(other, 0, 199, 0);
  }
}

// One interval between Y axes 0 and 1, no floor load: the shear of line 0 reaches both edges of
// the interval from below unchanged, and each edge is judged against 1.96 x its capacity.
TEST_F(FloorCheckTest, JudgementOfAnEdge) {
  const struct {
    const char* name;
    double capacity;
    double shear;
    double ratio;
    int32_t ok;
    int32_t governing;
  } cases[] = {
      {"5.0 against -12 kN fails", 5.0, -12.0, -0.8166666666666667, kFails, 0},  // 9.8 / -12
      {"7.5 against -12 kN passes", 7.5, -12.0, -1.225, kPasses, 0},             // 14.7 / -12
      {"5.0 against +12 kN fails", 5.0, 12.0, 0.8166666666666667, kFails, 0},    // 9.8 / 12
      {"no capacity against 3 kN fails with ratio 0", 0.0, 3.0, 0.0, kFails, 0},
      {"capacity equal to the shear passes", 5.0, 1.96 * 5.0, 1.0, kPasses, 0},
      {"capacity equal and opposite passes", 5.0, -1.96 * 5.0, -1.0, kPasses, 0},
      {"shear below 1e-15 kN is not judged", 5.0, 0.9e-15, 0.0, kPasses, kNotJudged},
      {"shear of 1e-15 kN is judged", 5.0, 1e-15, 9.8e15, kPasses, 0},
      {"no capacity and no shear is not judged", 0.0, 0.0, 0.0, kPasses, kNotJudged},
  };
  const Side x = XSide();
  SetExtent(x, 0, 0, 1);
  RequiredStrength[kVariant][0] = 0.0;
  RequiredStrengthArea[kVariant][0] = 10.0;
  x.Band[kVariant][0][0] = 10.0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetShear(x, 0, 0, c.shear);
    SetCapacity(x, 0, 0, c.capacity, c.capacity);
    CheckFloorDiaphragms();
    for (int member : {FloorCheckXFromBelowNear, FloorCheckXFromBelowFar}) {
      EXPECT_EQ(Required(member, 0, 0), c.shear);
      EXPECT_NEAR(Ratio(member, 0, 0), c.ratio, std::fabs(c.ratio) * 1e-14);
      EXPECT_EQ(Ok(member, 0, 0), c.ok);
      EXPECT_EQ(Case(member, 0, 0), c.governing);
    }
  }
}

// Two storeys on Y axes 0, 1, 2 at 0, 2 and 4 m, intervals of 8 m² (first storey) and 4 m²
// (second storey), middles at 1 and 3 m.
// Qr 28 kN over 16 m² and 8 kN over 8 m²: q = (28 - 8) / 16 = 1.25 and 8 / 8 = 1.0 kN/m².
// Line shears: first storey 12, 4, 12 kN, second storey 2, 4, 2 kN.
// The first storey's shear check takes N = 12 - 2, 4 - 4, 12 - 2 = 10, 0, 10; its moments take
// S = 12 + 2, 4 + 4, 12 + 2 = 14, 8, 14.
TEST_F(FloorCheckTest, TwoStoreys) {
  ProjectSettings.TopStorey[kVariant] = 1;
  const Side x = XSide();
  GridAxisY[1] = 2.0;
  GridAxisY[2] = 4.0;
  for (int i = 3; i < GridAxisCountY; ++i) GridAxisY[i] = i + 2.0;
  const double shears[2][3] = {{12.0, 4.0, 12.0}, {2.0, 4.0, 2.0}};
  for (int s = 0; s < 2; ++s) {
    SetExtent(x, s, 0, 2);
    for (int i = 0; i < 3; ++i) SetShear(x, s, i, shears[s][i]);
  }
  x.Band[kVariant][0][0] = x.Band[kVariant][0][1] = 8.0;
  x.Band[kVariant][1][0] = x.Band[kVariant][1][1] = 4.0;
  SetCapacity(x, 0, 0, 3.0, 3.0);  // 5.88 kN
  SetCapacity(x, 0, 1, 3.0, 3.0);
  RequiredStrength[kVariant][0] = 28.0;
  RequiredStrength[kVariant][1] = 8.0;
  RequiredStrengthArea[kVariant][0] = 16.0;
  RequiredStrengthArea[kVariant][1] = 8.0;

  CheckFloorDiaphragms();

  EXPECT_NEAR(FloorUnitShear[kVariant][0], 1.25, kTol);
  EXPECT_NEAR(FloorUnitShear[kVariant][1], 1.0, kTol);

  // First storey, loads q x A = 10, 10 kN. From below: near 10, far 10 - 10 = 0, near 0 + 0 = 0,
  // far 0 - 10 = -10. From above: far 10, near 0, far 0 + 0 = 0, near 0 - 10 = -10.
  // A zero shear is not judged; the others give 5.88 / 10 = 0.588 and fail.
  const struct {
    int member, interval;
    double shear, ratio;
    int32_t ok, governing;
  } firstStorey[] = {
      {FloorCheckXFromBelowNear, 0, 10.0, 0.588, kFails, 0},
      {FloorCheckXFromBelowFar, 0, 0.0, 0.0, kPasses, kNotJudged},
      {FloorCheckXFromBelowNear, 1, 0.0, 0.0, kPasses, kNotJudged},
      {FloorCheckXFromBelowFar, 1, -10.0, -0.588, kFails, 0},
      {FloorCheckXFromAboveNear, 0, -10.0, -0.588, kFails, 0},
      {FloorCheckXFromAboveFar, 0, 0.0, 0.0, kPasses, kNotJudged},
      {FloorCheckXFromAboveNear, 1, 0.0, 0.0, kPasses, kNotJudged},
      {FloorCheckXFromAboveFar, 1, 10.0, 0.588, kFails, 0},
  };
  for (const auto& e : firstStorey) {
    SCOPED_TRACE(testing::Message() << "member " << e.member << ", interval " << e.interval);
    EXPECT_NEAR(Required(e.member, 0, e.interval), e.shear, kTol);
    EXPECT_NEAR(Ratio(e.member, 0, e.interval), e.ratio, kTol);
    EXPECT_EQ(Ok(e.member, 0, e.interval), e.ok);
    EXPECT_EQ(Case(e.member, 0, e.interval), e.governing);
  }

  // Second storey, its own shears only, loads 4, 4 kN, no floor capacity. From below: near 2,
  // far 2 - 4 = -2, near -2 + 4 = 2, far -2; every edge carries shear and fails with ratio 0.
  for (int member : {FloorCheckXFromBelowNear, FloorCheckXFromBelowFar}) {
    for (int i = 0; i < 2; ++i) {
      SCOPED_TRACE(testing::Message() << "member " << member << ", interval " << i);
      EXPECT_NEAR(std::fabs(Required(member, 1, i)), 2.0, kTol);
      EXPECT_EQ(Ratio(member, 1, i), 0.0);
      EXPECT_EQ(Ok(member, 1, i), kFails);
      EXPECT_EQ(Case(member, 1, i), 0);
    }
  }
  EXPECT_NEAR(Required(FloorCheckXFromBelowFar, 1, 0), -2.0, kTol);

  // First-storey moments from below with S = 14, 8, 14:
  //   axis 1 (2 m): -2 x 14 - 10 x (1 - 2) = -18; axis 2 (4 m): -4 x 14 - 2 x 8 - 10 x (-3 - 1) = -32.
  //   middles: 1 m: -1 x 14 = -14; 3 m: -3 x 14 - 1 x 8 - 10 x (-2) = -30.
  // Forces, E = -32, L = 4: axis 1: (-18 + 32 x 2 / 4) / 8 x 2 = -0.5;
  //   middles (-14 + 8) / 8 x 2 = -1.5 and (-30 + 24) / 8 x 2 = -1.5.
  // From above: axis 1: 2 x 14 - 10 x 1 = 18; axis 0: 2 x 8 + 4 x 14 - 10 x (1 + 3) = 32;
  //   middles: 3 m: 1 x 14 = 14; 1 m: 1 x 8 + 3 x 14 - 10 x 2 = 30.
  //   E = 32: axis 1: (18 - 32 x 2 / 4) / 8 x 2 = 0.5; middles (14 - 8) / 4 = 1.5, (30 - 24) / 4 = 1.5.
  EXPECT_NEAR(Moment(DiaphragmXFromBelowAtLines, 0, 1), -18.0, kTol);
  EXPECT_NEAR(Moment(DiaphragmXFromBelowAtLines, 0, 2), -32.0, kTol);
  EXPECT_NEAR(Moment(DiaphragmXFromBelowAtMiddles, 0, 0), -14.0, kTol);
  EXPECT_NEAR(Moment(DiaphragmXFromBelowAtMiddles, 0, 1), -30.0, kTol);
  EXPECT_NEAR(Moment(DiaphragmXFromAboveAtLines, 0, 1), 18.0, kTol);
  EXPECT_NEAR(Moment(DiaphragmXFromAboveAtLines, 0, 0), 32.0, kTol);
  EXPECT_NEAR(Moment(DiaphragmXFromAboveAtMiddles, 0, 1), 14.0, kTol);
  EXPECT_NEAR(Moment(DiaphragmXFromAboveAtMiddles, 0, 0), 30.0, kTol);
  const struct {
    int member, index;
    double force;
  } forces[] = {
      {DiaphragmXFromBelowAtLines, 0, 0.0},    {DiaphragmXFromBelowAtLines, 1, -0.5},
      {DiaphragmXFromBelowAtLines, 2, 0.0},  // no strip area after the last axis
      {DiaphragmXFromBelowAtMiddles, 0, -1.5}, {DiaphragmXFromBelowAtMiddles, 1, -1.5},
      {DiaphragmXFromAboveAtLines, 0, 0.0},    {DiaphragmXFromAboveAtLines, 1, 0.5},
      {DiaphragmXFromAboveAtMiddles, 0, 1.5},  {DiaphragmXFromAboveAtMiddles, 1, 1.5},
  };
  for (const auto& f : forces) {
    SCOPED_TRACE(testing::Message() << "member " << f.member << ", index " << f.index);
    EXPECT_NEAR(Force(f.member, 0, f.index), f.force, kTol);
  }

  // Second storey, S = 2, 4, 2, loads 4, 4: from below axis 2: -4 x 2 - 2 x 4 - 4 x (-3 - 1) = 0,
  // so no correction; middles 1 m: -1 x 2 = -2, 3 m: -3 x 2 - 1 x 4 - 4 x (-2) = -2:
  // -2 / 4 x 2 = -1 kN each.
  EXPECT_NEAR(Force(DiaphragmXFromBelowAtMiddles, 1, 0), -1.0, kTol);
  EXPECT_NEAR(Force(DiaphragmXFromBelowAtMiddles, 1, 1), -1.0, kTol);
}

// The verdict of an edge is that of the loading case with the smallest ratio in magnitude,
// earlier cases winning ties; the shear of every case is kept. Capacity 5.0 (9.8 kN), no floor
// load, the case's shear on line 0 of a one-interval storey.
TEST_F(FloorCheckTest, WorstLoadingCaseGoverns) {
  const struct {
    const char* name;
    double shears[StoreyLoadingCaseCount];
    double ratio;
    int32_t ok;
    int32_t governing;
  } cases[] = {
      // 9.8 / 6.5 = 1.51, 9.8 / 4.9 = 2, 9.8 / -14 = -0.7, 9.8 / 12.25 = 0.8, 9.8 / 9.8 = 1:
      // the last case passes, the third fails worst.
      {"a failing case among passing ones", {6.5, 4.9, -14.0, 12.25, 9.8}, -0.7, kFails, 2},
      // 2, 1, -2, 4, 1: all pass; the smallest margin is that of case 1, before case 4.
      {"all cases pass", {4.9, 9.8, -4.9, 2.45, 9.8}, 1.0, kPasses, 1},
      // Only case 2 carries shear: 9.8 / 19.6 = 0.5.
      {"cases without shear are passed over", {0.0, 0.0, 19.6, 0.0, 0.0}, 0.5, kFails, 2},
      {"no case carries shear", {0.0, 0.0, 0.0, 0.0, 0.0}, 0.0, kPasses, kNotJudged},
      // -0.8167 and 0.8167 alternate: the first case stays.
      {"equal ratios of opposite sign", {-12.0, 12.0, -12.0, 12.0, -12.0}, 9.8 / -12.0, kFails, 0},
  };
  const Side x = XSide();
  SetExtent(x, 0, 0, 1);
  SetCapacity(x, 0, 0, 5.0, 5.0);
  RequiredStrength[kVariant][0] = 0.0;
  RequiredStrengthArea[kVariant][0] = 10.0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (int m = 0; m < StoreyLoadingCaseCount; ++m) x.Shear[kVariant][0][0][m] = c.shears[m];
    CheckFloorDiaphragms();
    EXPECT_NEAR(Ratio(FloorCheckXFromBelowNear, 0, 0), c.ratio, kTol);
    EXPECT_EQ(Ok(FloorCheckXFromBelowNear, 0, 0), c.ok);
    EXPECT_EQ(Case(FloorCheckXFromBelowNear, 0, 0), c.governing);
    for (int m = 0; m < StoreyLoadingCaseCount; ++m)
      EXPECT_EQ(Required(FloorCheckXFromBelowNear, 0, 0, m), c.shears[m]);
  }
}

// Without a floor area the storey shear is not spread over the floor: q = 0, not Qr.
TEST_F(FloorCheckTest, NoFloorAreaMeansNoFloorLoad) {
  const Side x = XSide();
  SetExtent(x, 0, 0, 1);
  SetShear(x, 0, 0, 3.0);
  x.Band[kVariant][0][0] = 5.0;
  RequiredStrength[kVariant][0] = 10.0;
  RequiredStrengthArea[kVariant][0] = 0.0;
  CheckFloorDiaphragms();
  EXPECT_EQ(FloorUnitShear[kVariant][0], 0.0);
  EXPECT_EQ(Required(FloorCheckXFromBelowFar, 0, 0), 3.0);  // 3 - 0 x 5
  for (int k = 0; k < DiaphragmMemberCount; ++k) EXPECT_TRUE(std::isfinite(Force(k, 0, 0)));
}

// Two axes at the same position: the shears are still checked, but a diaphragm without length
// gets no forces.
TEST_F(FloorCheckTest, AxesAtOnePositionGiveNoForces) {
  const Side x = XSide();
  GridAxisY[1] = GridAxisY[0];
  SetExtent(x, 0, 0, 1);
  SetShear(x, 0, 0, 4.0);
  x.Band[kVariant][0][0] = 2.0;
  SetCapacity(x, 0, 0, 1.0, 1.0);
  RequiredStrength[kVariant][0] = 2.0;
  RequiredStrengthArea[kVariant][0] = 2.0;
  LeaveStaleResults(0);
  CheckFloorDiaphragms();
  EXPECT_NEAR(Ratio(FloorCheckXFromBelowNear, 0, 0), 0.49, kTol);  // 1.96 / 4
  EXPECT_NEAR(Ratio(FloorCheckXFromBelowFar, 0, 0), 0.98, kTol);   // 1.96 / (4 - 1 x 2)
  for (int k = 0; k < DiaphragmMemberCount; ++k) {
    EXPECT_EQ(Force(k, 0, 0), 0.0);
    EXPECT_EQ(Force(k, 0, 1), 0.0);
  }
}

// An empty storey gets its verdicts and forces reset and nothing else; the storeys above the top
// storey and the other variants keep what they held.
TEST_F(FloorCheckTest, OnlyTheCurrentVariantUpToItsTopStorey) {
  ProjectSettings.TopStorey[kVariant] = 1;
  RequiredStrength[kVariant][1] = 6.0;
  RequiredStrengthArea[kVariant][1] = 12.0;
  LeaveStaleResults(1);
  LeaveStaleResults(2);
  FloorCheckRequired[FloorCheckYFromLeftNear][kVariant][1][3][0] = 7.0;
  FloorUnitShear[kVariant][2] = 9.0;
  FloorCheckOk[FloorCheckXFromBelowNear][0][0][3] = kFails;
  BeamStress[DiaphragmXFromBelowAtLines][0][0][3][0] = 9.0;
  FloorUnitShear[0][0] = 9.0;

  CheckFloorDiaphragms();

  EXPECT_NEAR(FloorUnitShear[kVariant][1], 0.5, kTol);  // 6 / 12
  EXPECT_EQ(FloorCheckRequired[FloorCheckYFromLeftNear][kVariant][1][3][0], 7.0);
  for (int k = 0; k < FloorCheckMemberCount; ++k) {
    EXPECT_EQ(Ok(k, 1, 3), kPasses);
    EXPECT_EQ(Ratio(k, 1, 3), 0.0);
    EXPECT_EQ(Case(k, 1, 3), kNotJudged);
    EXPECT_EQ(Force(k, 1, 3, 4), 0.0);
    EXPECT_EQ(Ok(k, 2, 3), kFails);  // above the top storey
    EXPECT_EQ(Force(k, 2, 3, 4), 99.0);
  }
  EXPECT_EQ(FloorUnitShear[kVariant][2], 9.0);
  EXPECT_EQ(FloorCheckOk[FloorCheckXFromBelowNear][0][0][3], kFails);
  EXPECT_EQ(BeamStress[DiaphragmXFromBelowAtLines][0][0][3][0], 9.0);
  EXPECT_EQ(FloorUnitShear[0][0], 9.0);
}

}  // namespace
