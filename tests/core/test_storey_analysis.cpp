// Storey analysis of the structural recalculation. Invariants guarded here:
// - joint classes from the hardware at a wall's ends in revision 2012 and in
//   both method groups of revision 2025, with II+ for two II+ ends in the
//   general method, and joint III turning IV without through columns beyond
//   both ends (rule 0, rule 1, diagonal lines);
// - foundation classes from the first foundation record under a wall;
// - the brace table of each loading case by drawing direction;
// - opening factors, the strength replaced by the opening table, strength
//   classes and bands;
// - a one-storey house built through the model's lists gives the per-wall
//   base values, reduction factors and reduced strengths worked by hand;
// - the storey sums of the current variant start from zero; nothing of the
//   other variants is written.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "StructureFixture.h"
#include "analysis/ReductionFactors.h"
#include "analysis/StoreyAnalysis.h"
#include "analysis/WallStrength.h"
#include "model/ViewState.h"

namespace {

constexpr double kTol = 1e-9;

class StoreyAnalysisTest : public StructureTest {};

TEST(StoreyAnalysis, HardwareIndexAtAGridPoint) {
  const struct {
    int value, expected;
  } cases[] = {
      {0, 0},
      {256, 0},                 // nothing, floor only
      {1 + 4 * 3, 3},           // ordinary column, row 3
      {256 + 2 + 4 * 9, 9},     // through column on a floor, row 9
      {-(256 + 3 + 4 * 2), 2},  // outer corner: -267
      {-(1 + 4 * 29), 29},
      {1 + 4 * 29 + 256, 29},
  };
  for (const auto& c : cases) EXPECT_EQ(HardwareIndexOf(c.value), c.expected) << c.value;
}

// Default JointHardwareTable tensions (kN): row 0 0, 1 5, 2 10, 3 7.5, 4 0,
// 5 3.4, 6 5.1, 7 7.5, 8 8.5, 9 10, 10 15, 14 40, user rows 0.
TEST_F(StoreyAnalysisTest, JointClassFromTheHardwareAtBothEnds) {
  const struct {
    int revision, method, start, end, expected;
    const char* why;
  } cases[] = {
      {0, 1, 2, 0, 2, "rows 2 and 0: classes 2 and 0, 2 - 0"},
      {0, 1, 9, 9, 0, "10 kN: class 2 at both ends, joint I"},
      {0, 1, 1, 2, 1, "VP: class 1"},
      {0, 1, 3, 2, 1, "7.5 kN < 10: class 1"},
      {0, 1, 5, 9, 1, "3.4 kN: class 1"},
      {0, 1, 4, 9, 2, "0 kN < 3: class 0"},
      {0, 1, 14, 10, 0, "40 and 15 kN: class 2"},
      {0, 1, 15, 15, 2, "user row of 0 kN"},
      {0, 2, 2, 0, 2, "revision 2012 does not look at the method"},
      {1, 2, 3, 3, JointSpecIIPlus, "general method, both ends II+ (row 3)"},
      {1, 2, 3, 7, JointSpecIIPlus, "row 7, 7.5 kN: II+ as well"},
      {1, 2, 8, 7, JointSpecIIPlus, "8.5 and 7.5 kN"},
      {1, 3, 3, 3, JointSpecIIPlus, "verification method alike"},
      {1, 2, 3, 1, 1, "II+ and II: the weaker, II"},
      {1, 2, 3, 0, 2, "II+ and nailed: III"},
      {1, 2, 9, 3, 0, "10 kN (class 2) and II+: min(2, 3) = 2, joint I as the rule stands"},
      {1, 2, 6, 6, 1, "5.1 kN: class 1"},
      {1, 2, 5, 2, 2, "3.4 kN < 5: class 0"},
      {1, 2, 2, 2, 0, "告示 at both ends"},
      {1, 1, 3, 9, 4, "precise: row 3 (7.5) weaker than row 9 (10): 3 + 1"},
      {1, 1, 9, 3, 4, "either way round"},
      {1, 1, 2, 9, 10, "equal 10 kN: the end's row 9, 9 + 1"},
      {1, 1, 9, 2, 0, "equal: the end's row 2, 2 - 2"},
      {1, 1, 0, 2, 2, "row 0 weaker: 2 - 0"},
      {1, 1, 1, 14, 1, "row 1 (5 kN): 2 - 1"},
      {1, 1, 15, 1, 16, "user row 15 (0 kN) weaker: 15 + 1"},
      {1, 0, 3, 9, 4, "precise method 2 alike"},
  };
  for (const auto& c : cases) {
    ProjectSettings.Revision = c.revision;
    ProjectSettings.DiagnosisMethod = c.method;
    EXPECT_EQ(JointSpecOfEnds(c.start, c.end), c.expected) << c.why;
  }
}

// A joint III wall stays III only when its line reaches a through column
// beyond both ends within the used extent; hardware row 0 everywhere.
TEST_F(StoreyAnalysisTest, ThroughColumnTest) {
  struct Col {
    int x, y, type;
  };
  struct Seg {
    int x1, y1, x2, y2;
  };
  const struct {
    std::string name;
    int rule;
    std::vector<Col> columns;
    std::vector<Seg> walls;  // the wall judged is the first
    bool floor;
    int expected;
  } cases[] = {
      {"X wall, through columns at 1 and 7 beyond its ends",
       0,
       {{1, 2, 2}, {3, 2, 1}, {5, 2, 1}, {7, 2, 3}},
       {{3, 2, 5, 2}},
       false,
       2},
      {"X wall, none beyond its end",
       0,
       {{1, 2, 2}, {3, 2, 1}, {5, 2, 1}, {7, 2, 1}},
       {{3, 2, 5, 2}},
       false,
       3},
      {"X wall on through columns of its own", 0, {{3, 2, 2}, {5, 2, 2}}, {{3, 2, 5, 2}}, false, 2},
      {"the wall drawn right to left is judged the same",
       0,
       {{1, 2, 2}, {3, 2, 1}, {5, 2, 1}, {7, 2, 3}},
       {{5, 2, 3, 2}},
       false,
       2},
      {"rule 1: the outermost columns are through columns",
       1,
       {{1, 2, 2}, {3, 2, 1}, {5, 2, 1}, {7, 2, 3}},
       {{3, 2, 5, 2}},
       false,
       2},
      {"rule 1: an ordinary column further out decides",
       1,
       {{0, 2, 1}, {1, 2, 2}, {3, 2, 1}, {5, 2, 1}, {7, 2, 3}},
       {{3, 2, 5, 2}},
       false,
       3},
      {"rule 0: the same plan passes",
       0,
       {{0, 2, 1}, {1, 2, 2}, {3, 2, 1}, {5, 2, 1}, {7, 2, 3}},
       {{3, 2, 5, 2}},
       false,
       2},
      {"rule 1: a floor mark without column at the outermost point decides, and is no through column",
       1,
       {{1, 2, 2}, {3, 2, 1}, {5, 2, 1}, {7, 2, 3}},
       {{3, 2, 5, 2}},
       true,
       3},
      {"rule 0 ignores floor marks",
       0,
       {{1, 2, 2}, {3, 2, 1}, {5, 2, 1}, {7, 2, 3}},
       {{3, 2, 5, 2}},
       true,
       2},
      {"Y wall, through columns above and below",
       0,
       {{2, 1, 3}, {2, 3, 1}, {2, 5, 1}, {2, 7, 2}},
       {{2, 3, 2, 5}},
       false,
       2},
      {"Y wall, none below", 0, {{2, 1, 3}, {2, 3, 1}, {2, 5, 1}, {2, 7, 1}}, {{2, 3, 2, 5}}, false, 3},
      {"diagonal: through column along the line before it, and two walls on beyond it",
       0,
       {{1, 1, 2}, {3, 3, 1}, {5, 5, 1}, {7, 7, 1}, {8, 8, 3}},
       {{3, 3, 5, 5}, {1, 1, 3, 3}, {5, 5, 7, 7}, {7, 7, 8, 8}},
       false,
       2},
      {"diagonal: the line beyond it ends without one",
       0,
       {{1, 1, 2}, {3, 3, 1}, {5, 5, 1}, {7, 7, 1}, {8, 8, 3}},
       {{3, 3, 5, 5}, {1, 1, 3, 3}, {5, 5, 7, 7}},
       false,
       3},
      {"diagonal on through columns of its own", 0, {{3, 3, 2}, {5, 5, 2}}, {{3, 3, 5, 5}}, false, 2},
      {"diagonal: a wall of slope 0 ending at its start is not followed",
       0,
       {{1, 3, 2}, {3, 3, 1}, {5, 5, 2}},
       {{3, 3, 5, 5}, {1, 3, 3, 3}},
       false,
       3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ProjectSettings.JointIIIRule = c.rule;
    for (const Col& col : c.columns) PutColumn(col.x, col.y, col.type, 0);
    for (const Seg& s : c.walls) PutWall(s.x1, s.y1, s.x2, s.y2);
    if (c.floor) PutFloor(0, 0, 8, 4);
    Recalculate();
    EXPECT_EQ(Result(0).JointSpec, c.expected);
  }
}

// Y axes 3 and 4 at one position: the wall from (3,3) to (5,4) is diagonal by
// its indices but has slope 0, like the wall from (1,3) that ends at its
// start; such a wall is not followed, so the through column at (1,3) does not
// hold the start, although (5,4) holds the end.
TEST_F(StoreyAnalysisTest, ThroughColumnTestSkipsLinesOfSlope0) {
  GridAxisY[4] = GridAxisY[3];
  for (int y = 5; y < GridAxisCountY; ++y) GridAxisY[y] = y - 1;
  PutColumn(1, 3, 2, 0);
  PutColumn(3, 3, 1, 0);
  PutColumn(5, 4, 2, 0);
  PutWall(3, 3, 5, 4);
  PutWall(1, 3, 3, 3);
  Recalculate();
  EXPECT_EQ(Result(0).JointSpec, 3);
}

TEST_F(StoreyAnalysisTest, FoundationClass) {
  struct Found {
    int x1, y1, x2, y2, type;
  };
  const struct {
    std::string name;
    int x1, y1, x2, y2;
    std::vector<Found> foundations;
    int method, uniform, variant;
    int expected;
  } cases[] = {
      {"no foundation record: the project's class", 1, 1, 3, 1, {}, 1, 0, 0, 1},
      {"on a record of type 0", 1, 1, 3, 1, {{0, 1, 4, 1, 0}}, 1, 0, 0, 0},
      {"on two records: the earlier one", 1, 1, 3, 1, {{0, 1, 4, 1, 2}, {1, 1, 3, 1, 0}}, 1, 0, 0, 2},
      {"the record covers only part of the wall", 1, 1, 3, 1, {{1, 1, 2, 1, 0}}, 1, 0, 0, 1},
      {"a record on another line", 1, 1, 3, 1, {{0, 2, 4, 2, 0}}, 1, 0, 0, 1},
      {"a record on the line of a diagonal wall", 1, 1, 3, 3, {{0, 0, 4, 4, 0}}, 1, 0, 0, 0},
      {"general method with one foundation for the whole house: the project's class",
       1,
       1,
       3,
       1,
       {{0, 1, 4, 1, 0}},
       2,
       1,
       0,
       1},
      {"... in a retrofit plan the records still count", 1, 1, 3, 1, {{0, 1, 4, 1, 0}}, 2, 1, 1, 0},
      {"precise method: the records count whatever the switch", 1, 1, 3, 1, {{0, 1, 4, 1, 0}}, 1, 1, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ProjectSettings.FoundationClass = 1;
    ProjectSettings.DiagnosisMethod = c.method;
    ProjectSettings.UniformFoundation = c.uniform;
    CurrentVariant = c.variant;
    PutWall(c.x1, c.y1, c.x2, c.y2);
    for (const Found& f : c.foundations) PutFoundation(f.x1, f.y1, f.x2, f.y2, f.type);
    Recalculate();
    EXPECT_EQ(Result(0).FoundationClass, c.expected);
  }
}

TEST_F(StoreyAnalysisTest, UpperStoreyWallsHaveFoundationClass0) {
  ProjectSettings.TopStorey[0] = 1;
  ProjectSettings.FoundationClass = 1;
  PutWall(1, 1, 3, 1, 0);
  PutWall(1, 1, 3, 1, 1);
  PutFoundation(0, 1, 4, 1, 2);
  Recalculate();
  EXPECT_EQ(Result(0, 0, 0).FoundationClass, 2);
  EXPECT_EQ(Result(0, 0, 1).FoundationClass, 0);
}

TEST_F(StoreyAnalysisTest, BraceTableOfEachLoadingCase) {
  const struct {
    int x1, y1, x2, y2;
    int expected[WallLoadingCaseCount];  // 0 undirected, 1 compression, 2 tension
  } cases[] = {
      {1, 1, 3, 1, {0, 1, 2, 1, 2}},  // left to right; equal y counts as y2 >= y1
      {3, 1, 1, 1, {0, 2, 1, 1, 2}},  // right to left: +X loads it in tension
      {1, 1, 1, 3, {0, 1, 2, 1, 2}},
      {1, 3, 1, 1, {0, 1, 2, 2, 1}},
  };
  for (const auto& c : cases) {
    WallRecord w{};
    w.X1 = c.x1, w.Y1 = c.y1, w.X2 = c.x2, w.Y2 = c.y2;
    for (int k = 0; k < WallLoadingCaseCount; ++k)
      EXPECT_EQ(BraceTableSelectorFor(w, k), c.expected[k])
          << "(" << c.x1 << "," << c.y1 << ")-(" << c.x2 << "," << c.y2 << ") case " << k;
  }
}

// One-way 90x90 brace, end joint 規定, 2 m long, drawn right to left; storey
// height 3.0 m, so 3.5 x 2 / 3 > 1 leaves it unreduced.
TEST_F(StoreyAnalysisTest, OneWayBraceValuesPerLoadingCase) {
  WallRecord& w = PutWall(3, 1, 1, 1);
  w.BraceKind = 6, w.BraceEndJoint = 3, w.Deterioration = 2;
  PutColumn(1, 1);
  PutColumn(3, 1);
  Recalculate();
  const struct {
    double strength, stiffness;
  } expected[] = {
      {4.8, 830},   // case 0: BraceTable row 8
      {2.7, 640},   // +X: tension table
      {6.9, 1010},  // -X: compression table
      {6.9, 1010},  // +Y: y2 = y1, compression
      {2.7, 640},   // -Y: tension
  };
  for (int c = 0; c < WallLoadingCaseCount; ++c) {
    EXPECT_NEAR(Result(0, c).BaseStrength, expected[c].strength, kTol) << c;
    EXPECT_NEAR(Result(0, c).BaseStiffness, expected[c].stiffness, kTol) << c;
    EXPECT_NEAR(Result(0, c).WallFactor, 3.0, kTol) << c;  // always BraceTable's
  }
}

// A crossed brace in a 1 m wall between two columns (storey height 3.0 m:
// 3.5 x 1 / 3 > 1 leaves it unreduced) counts its wall factor times 1 m in the
// building-law wall quantity of every loading case; the law gives a crossed
// 90x90 brace 5, not 2 x 3. The diagnosis strength doubles the one-way 4.8.
TEST_F(StoreyAnalysisTest, CrossedBraceWallQuantity) {
  const struct {
    const char* name;
    int32_t kind;
    double factor, strength;
  } cases[] = {
      {"90x90: 5 x 1 m; 4.8 x 2", 6, 5.0, 9.6},
      {"90x45: 2 x 2 x 1 m; 3.2 x 2", 5, 4.0, 6.4},
      {"90x30: 1.5 x 2 x 1 m; 2.4 x 2", 4, 3.0, 4.8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WallCount[0][0] = ColumnCount[0][0] = 0;
    WallRecord& w = PutWall(1, 1, 2, 1);
    w.BraceKind = c.kind, w.BraceEndJoint = 3, w.BraceArrangement = 1, w.Deterioration = 2;
    PutColumn(1, 1);
    PutColumn(2, 1);
    Recalculate();
    EXPECT_NEAR(Result(0).BaseStrength, c.strength, kTol);
    for (int k = 0; k < WallLoadingCaseCount; ++k) EXPECT_NEAR(Result(0, k).WallFactor, c.factor, kTol) << k;
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      EXPECT_NEAR(ExistingWallLengthX[0][0][k], c.factor, kTol) << k;
      EXPECT_NEAR(ExistingWallLengthY[0][0][k], 0.0, kTol) << k;
    }
  }
}

TEST_F(StoreyAnalysisTest, OpeningFactors) {
  const struct {
    std::string name;
    int method, revision, otherElements, basis, unrated;
    int wallType, bearing, runKind;
    double runLength;
    double expected;
    bool byTable;
  } cases[] = {
      {"general, unrated opening walls have none: window without elements", 2, 0, 0, 0, 1, 1, 0, 0, 1.0, 0.0,
       true},
      {"general, unrated opening walls keep strength", 2, 0, 0, 0, 0, 1, 0, 0, 1.0, 1.0, true},
      {"general, a bearing window keeps it", 2, 0, 0, 0, 1, 3, 1, 0, 1.0, 1.0, true},
      {"general, partition door", 2, 1, 0, 0, 0, 12, 0, 0, 1.0, 1.0, true},
      {"general, basis of solid-wall ratio", 2, 0, 0, 1, 0, 1, 1, 0, 1.0, 0.0, false},
      {"general, other-elements method 2", 2, 0, 1, 0, 0, 1, 1, 0, 1.0, 0.0, false},
      {"verification method as general", 3, 0, 0, 0, 1, 1, 0, 0, 1.0, 0.0, true},
      {"precise 2012: window 0.4 / 2.0", 1, 0, 0, 0, 0, 2, 1, 1, 2.0, 0.2, false},
      {"precise 2012: door 0.2 / 1.6", 1, 0, 0, 0, 0, 5, 1, 1, 1.6, 0.125, false},
      {"precise 2012: partition window 0.4 / 0.8", 1, 0, 0, 0, 0, 9, 1, 1, 0.8, 0.5, false},
      {"precise 2012: run of length 0", 1, 0, 0, 0, 0, 1, 1, 1, 0.0, 0.0, false},
      {"precise method 2, 2012: 0.4 / 0.5", 0, 0, 0, 0, 0, 1, 1, 1, 0.5, 0.8, false},
      {"precise 2025: supported only at its end, window", 1, 1, 0, 0, 0, 2, 1, 2, 1.0, 0.3, false},
      {"precise 2025: supported only at its end, door", 1, 1, 0, 0, 0, 6, 1, 2, 1.0, 0.15, false},
      {"precise 2025: supported at its start", 1, 1, 0, 0, 0, 2, 1, 1, 1.0, 1.0, false},
      {"precise 2025: not supported", 1, 1, 0, 0, 0, 2, 1, 0, 1.0, 1.0, false},
      {"precise, other-elements method 2: counts through the columns", 1, 0, 1, 0, 0, 1, 1, 1, 1.0, 0.0,
       false},
      {"no opening", 1, 0, 0, 0, 0, 0, 1, 0, 0.0, 1.0, false},
      {"no opening, partition, general", 2, 0, 0, 0, 1, 8, 0, 0, 0.0, 1.0, false},
      {"full opening", 1, 0, 0, 0, 0, 7, 0, 0, 0.0, 1.0, false},
      {"full opening, partition, general", 2, 0, 0, 0, 1, 15, 0, 0, 0.0, 1.0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectSettings.DiagnosisMethod = c.method;
    ProjectSettings.Revision = c.revision;
    ProjectSettings.OtherElementsMethod = c.otherElements;
    ProjectSettings.OpeningWallBasis = c.basis;
    ProjectSettings.UnratedOpeningWallStrength = c.unrated;
    WallCaseResult own{};
    own.WallType = c.wallType, own.HasBearingElements = c.bearing, own.OpeningRunKind = c.runKind;
    own.RunLength = c.runLength;
    EXPECT_NEAR(OpeningFactorOf(own), c.expected, kTol);
    EXPECT_EQ(RatesOpeningWallByTable(c.wallType), c.byTable);
  }
}

TEST(StoreyAnalysis, StrengthClassesAndBands) {
  const struct {
    double p;
    int strengthClass, band2012, band2025;
  } cases[] = {
      {0.0, 0, 0, 0},  {1.99, 0, 0, 0}, {2.0, 0, 1, 1},   {2.49, 0, 1, 1}, {2.5, 1, 1, 1},
      {2.99, 1, 1, 1}, {3.0, 1, 2, 2},  {3.99, 1, 2, 2},  {4.0, 2, 2, 2},  {4.99, 2, 2, 2},
      {5.0, 2, 3, 3},  {5.99, 2, 3, 3}, {6.0, 3, 3, 3},   {6.99, 3, 3, 3}, {7.0, 3, 4, 4},
      {9.99, 3, 4, 4}, {10.0, 3, 4, 5}, {13.99, 3, 4, 5}, {14.0, 3, 4, 6}, {20.0, 3, 4, 6},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StrengthClassOf(c.p), c.strengthClass) << c.p;
    EXPECT_EQ(StrengthBandOf(c.p, 0), c.band2012) << c.p;
    EXPECT_EQ(StrengthBandOf(c.p, 1), c.band2025) << c.p;
    EXPECT_EQ(StrengthBandOf(c.p, 2), c.band2012) << c.p;  // the 2004 revision of old files
  }
}

// General method: a window beside a braced wall takes 0.6 kN/m in every
// case, counted or not by the unrated-opening switch and its own elements;
// stiffness is the strength.
TEST_F(StoreyAnalysisTest, GeneralMethodOpeningWalls) {
  const struct {
    int opening, panel, unrated;
    double strength, factor;
  } cases[] = {
      {1, 0, 1, 0.6, 0.0},   // window without elements, unrated walls have none
      {1, 0, 0, 0.6, 1.0},   // ... keep strength
      {1, 21, 1, 0.6, 1.0},  // a window with a board bears: its own 2.6 gives way to 0.6
      {2, 0, 0, 0.3, 1.0},   // door
  };
  for (const auto& c : cases) {
    SetUp();
    ProjectSettings.DiagnosisMethod = 2;
    ProjectSettings.UnratedOpeningWallStrength = c.unrated;
    WallRecord& b = PutWall(0, 1, 1, 1);
    b.BraceKind = 5, b.BraceEndJoint = 3;
    WallRecord& w = PutWall(1, 1, 2, 1);
    w.OpeningKind = c.opening, w.PanelLeft = c.panel;
    for (int x = 0; x <= 2; ++x) PutColumn(x, 1);
    Recalculate();
    for (int k = 0; k < WallLoadingCaseCount; ++k) {
      EXPECT_NEAR(Result(1, k).BaseStrength, c.strength, kTol);
      EXPECT_NEAR(Result(1, k).BaseStiffness, c.strength, kTol);
      EXPECT_EQ(Result(1, k).StrengthClass, 0);
    }
    EXPECT_EQ(Result(1).OpeningFactor, c.factor);
    // The braced wall: 3.2 kN/m, stiffness = strength in the general method.
    EXPECT_NEAR(Result(0).BaseStrength, 3.2, kTol);
    EXPECT_NEAR(Result(0).BaseStiffness, 3.2, kTol);
  }
}

// General method, every element "不明": 2.0 kN/m above 0.6 m; stiffness is
// the strength, also on a short wall where the stiffness function alone
// would give 2.0 whatever the length.
TEST_F(StoreyAnalysisTest, GeneralMethodStiffnessIsTheStrength) {
  const struct { double length, strength; } cases[] = {{0.91, 2.0}, {0.45, 0.0}};
  for (const auto& c : cases) {
    SetUp();
    ProjectSettings.DiagnosisMethod = 2;
    SetAxesX({0, 1, 1 + c.length});
    WallRecord& w = PutWall(1, 1, 2, 1);
    w.BraceKind = w.MudWallKind = w.PanelLeft = w.PanelRight = 1;
    PutColumn(1, 1);
    PutColumn(2, 1);
    Recalculate();
    EXPECT_NEAR(Result(0).BaseStrength, c.strength, kTol) << c.length;
    EXPECT_NEAR(Result(0).BaseStiffness, c.strength, kTol) << c.length;
  }
}

// ------------------------------------------------------------------ a house

// One storey on the 0.91 m module, revision 2012, precise method 1, no snow,
// storey height 3.0 m, project foundation class 1 (基礎Ⅱ). A floor area
// covers the plan from (1,1) to (5,4); a foundation of type 0 runs along the
// bottom line y = 4.
//
//   (1,1) W0 90x45 one-way, deteriorated (3,1) W1 plywood + gypsum (5,1)
//     |                                                              |
//     W2 mud wall 7-9 cm                                      W3 90x30 crossed
//     |                                                              |
//   (1,4) W4 window (2,4)         W5 90x45 one-way       (4,4) W6 door (5,4)
//
// Columns (type, hardware row): (1,1) through, 2; (3,1) 1, 2; (5,1) 1, 1;
// (1,4) through, 0; (2,4) 1, 5 (3.4 kN); (4,4) 1, 2; (5,4) 1, 9 (10 kN).
struct CaseValues {
  double base, stiffness, factor;  // BaseStrength, BaseStiffness, WallFactor
  double reduction, deterioration, minimum;
  int strengthClass, band;
  double reduced;  // BaseStrength x MinReductionFactor x OpeningFactor
};

struct WallValues {
  std::string name;
  int jointSpec, foundationClass, wallType, runKind;
  double effective, runLength, openingFactor;
  std::vector<CaseValues>
      cases;  // one entry: the same in all five cases; three: cases 0, 1, 2 (3 = 1, 4 = 2)
};

class HouseTest : public StoreyAnalysisTest {
 protected:
  void SetUp() override {
    StoreyAnalysisTest::SetUp();
    LayOutGridAtModule();
    ProjectSettings.Revision = 0;
    ProjectSettings.DiagnosisMethod = 1;
    ProjectSettings.FoundationClass = 1;
    ProjectSettings.StoreyHeight[0][0] = 3.0;

    PutColumn(1, 1, 2, 2);
    PutColumn(3, 1, 1, 2);
    PutColumn(5, 1, 1, 1);
    PutColumn(1, 4, 2, 0);
    PutColumn(2, 4, 1, 5);
    PutColumn(4, 4, 1, 2);
    PutColumn(5, 4, 1, 9);
    PutFloor(1, 1, 5, 4);
    PutFoundation(1, 4, 5, 4, 0);

    WallRecord& w0 = PutWall(1, 1, 3, 1);
    w0.BraceKind = 5, w0.BraceEndJoint = 3, w0.Deterioration = 0;
    WallRecord& w1 = PutWall(3, 1, 5, 1);
    w1.PanelLeft = 3, w1.PanelRight = 21, w1.Deterioration = 2;
    WallRecord& w2 = PutWall(1, 1, 1, 4);
    w2.MudWallKind = 4, w2.Deterioration = 2;
    WallRecord& w3 = PutWall(5, 1, 5, 4);
    w3.BraceKind = 4, w3.BraceEndJoint = 3, w3.BraceArrangement = 1, w3.Deterioration = 2;
    WallRecord& w4 = PutWall(1, 4, 2, 4);
    w4.OpeningKind = 1, w4.PanelLeft = 21, w4.Deterioration = 2;
    WallRecord& w5 = PutWall(2, 4, 4, 4);
    w5.BraceKind = 5, w5.BraceEndJoint = 3, w5.Deterioration = 2;
    WallRecord& w6 = PutWall(4, 4, 5, 4);
    w6.OpeningKind = 2, w6.PanelLeft = 21, w6.Deterioration = 2;
  }
};

TEST_F(HouseTest, PerWallValuesWorkedByHand) {
  Recalculate();
  // Reduction factors from the single-storey table (2) of revision 2012, at
  // strength points 2, 3, 5, 7 kN/m: J0 F1 0.85 0.85 0.8 0.8; J1 F1 0.85 0.75
  // 0.7 0.7; J2 F1 0.7 0.6 0.5 0.3; J3 F0 0.7 0.6 0.5 0.3; J1 F0 1.0 0.9 0.85 0.8.
  // Deterioration (under the floor): deteriorated frame, class 1: 0.8; sound: 1.0.
  const double window = 0.4 / 0.91;  // run coefficient / RunLength
  const double door = 0.2 / 0.91;
  const WallValues walls[] = {
      {"W0: 90x45 one-way drawn left to right; joints 告示/告示: 2 - 2 = 0",
       0,
       1,
       0,
       -1,
       1.82,
       -1,
       1.0,
       {
           // case 0, BraceTable 3.2: 0.85 + 0.2 x (0.8 - 0.85) / 2 = 0.845; min with 0.8
           {3.2, 650, 2.0, 0.845, 0.8, 0.8, 1, 2, 3.2 * 0.8},
           // +X, compression 3.7: 0.85 - 0.7 x 0.025 = 0.8325
           {3.7, 670, 2.0, 0.8325, 0.8, 0.8, 1, 2, 3.7 * 0.8},
           // -X, tension 2.6: between 2 and 3, both 0.85
           {2.6, 640, 2.0, 0.85, 0.8, 0.8, 1, 1, 2.6 * 0.8},
       }},
      {"W1: plywood 5.2 + gypsum 2.6 = 7.8; joints 告示/VP: 2 - 1 = 1; above 7 kN/m: 0.7",
       1,
       1,
       0,
       -1,
       1.82,
       -1,
       1.0,
       {{7.8, 860 + 450, 2.5 + 0.9, 0.7, 1.0, 0.7, 3, 4, 7.8 * 0.7}}},
      {"W2: mud wall 3.5; joints 告示/nailed: III, through columns at both ends keep it; "
       "0.6 + 0.5 x (0.5 - 0.6) / 2 = 0.575",
       2,
       1,
       0,
       -1,
       2.73,
       -1,
       1.0,
       {{3.5, 680, 0.5, 0.575, 1.0, 0.575, 1, 2, 3.5 * 0.575}}},
      {"W3: 90x30 crossed 2.4 x 2 = 4.8; joints VP/10 kN: 1; 0.75 + 1.8 x (0.7 - 0.75) / 2 = 0.705",
       1,
       1,
       0,
       -1,
       2.73,
       -1,
       1.0,
       {{4.8, 480 * 2, 1.5 * 2, 0.705, 1.0, 0.705, 2, 2, 4.8 * 0.705}}},
      {"W4: window 0.91 m, gypsum 2.6, supported at its end by W5: class 1; nailed/3.4 kN: III, "
       "no through column beyond (2,4): IV; on the foundation: 0. P = 2.6 x 0.4 / 0.91 = 1.143 < 2: 0.7",
       3,
       0,
       1,
       2,
       0.91,
       0.91,
       window,
       {{2.6, 450, 0.0, 0.7, 1.0, 0.7, 0, 0, 2.6 * 0.7 * window}}},
      {"W5: 90x45 one-way, sound; 3.4 kN/告示: 1; on the foundation",
       1,
       0,
       0,
       -1,
       1.82,
       -1,
       1.0,
       {
           {3.2, 650, 2.0, 0.895, 1.0, 0.895, 1, 2, 3.2 * 0.895},     // 0.9 - 0.2 x 0.05 / 2
           {3.7, 670, 2.0, 0.8825, 1.0, 0.8825, 1, 2, 3.7 * 0.8825},  // 0.9 - 0.7 x 0.05 / 2
           {2.6, 640, 2.0, 0.94, 1.0, 0.94, 1, 1, 2.6 * 0.94},        // 1.0 - 0.6 x 0.1
       }},
      {"W6: door 0.91 m, gypsum 2.6, supported at its start: class 4; 告示/10 kN: 0; "
       "P = 2.6 x 0.2 / 0.91 = 0.571 < 1: factors 1.0",
       0,
       0,
       4,
       1,
       0.91,
       0.91,
       door,
       {{2.6, 450, 0.0, 1.0, 1.0, 1.0, 0, 0, 2.6 * door}}},
  };
  for (int w = 0; w < 7; ++w) {
    const WallValues& e = walls[w];
    SCOPED_TRACE(e.name);
    const WallCaseResult& own = Result(w);
    EXPECT_EQ(own.JointSpec, e.jointSpec);
    EXPECT_EQ(own.FoundationClass, e.foundationClass);
    EXPECT_EQ(own.WallType, e.wallType);
    EXPECT_EQ(own.UnderRoofOrFloor, 1);
    EXPECT_NEAR(own.EffectiveLength, e.effective, kTol);
    EXPECT_NEAR(own.OpeningFactor, e.openingFactor, kTol);
    if (e.runKind >= 0) {
      EXPECT_EQ(own.OpeningRunKind, e.runKind);
      EXPECT_NEAR(own.RunLength, e.runLength, kTol);
    }
    for (int c = 0; c < WallLoadingCaseCount; ++c) {
      SCOPED_TRACE("case " + std::to_string(c));
      const CaseValues& x = e.cases.size() == 1 ? e.cases[0] : e.cases[c <= 2 ? c : c - 2];
      const WallCaseResult& r = Result(w, c);
      EXPECT_NEAR(r.BaseStrength, x.base, kTol);
      EXPECT_NEAR(r.BaseStiffness, x.stiffness, kTol);
      EXPECT_NEAR(r.WallFactor, x.factor, kTol);
      EXPECT_NEAR(r.ReductionFactor, x.reduction, kTol);
      EXPECT_NEAR(r.DeteriorationFactor, x.deterioration, kTol);
      EXPECT_NEAR(r.MinReductionFactor, x.minimum, kTol);
      EXPECT_EQ(r.StrengthClass, x.strengthClass);
      EXPECT_EQ(r.StrengthBand, x.band);
      EXPECT_NEAR(r.BaseStrength * r.MinReductionFactor * own.OpeningFactor, x.reduced, kTol);
    }
  }
  // W4's reduced strength: 2.6 x 0.7 x 0.4 / 0.91 = 0.728 / 0.91 = 0.8 kN/m.
  EXPECT_NEAR(Result(4).BaseStrength * Result(4).MinReductionFactor * Result(4).OpeningFactor, 0.8, kTol);
}

TEST_F(HouseTest, TheCurrentVariantOnly) {
  for (int w = 0; w < MaxWallsPerStorey; ++w) WallResults[1][0][w].Blocks[0].Length = -1.0;
  WallStrengthX[1][0][0] = 9.0;
  Recalculate();
  EXPECT_NEAR(Result(1).Length, 1.82, kTol);
  EXPECT_EQ(WallResults[1][0][0].Blocks[0].Length, -1.0);
  EXPECT_EQ(WallStrengthX[1][0][0], 9.0);
}

TEST_F(StoreyAnalysisTest, StoreySumsStartFromZero) {
  ProjectSettings.TopStorey[0] = 2;
  WallStrengthX[0][0][0] = 5.0;
  StiffnessSumYSnow[0][2][4] = 5.0;
  RigidityCentreY[0][1][3] = 5.0;
  EccentricityRatioXSnow[0][2][1] = 5.0;
  QuarterZoneStrength2Snow[0][1] = 5.0;
  QuarterWallLengthA[0][2] = 5.0;
  WallStrengthX[2][0][0] = 9.0;  // another variant
  Recalculate();
  EXPECT_EQ(WallStrengthX[0][0][0], 0.0);
  EXPECT_EQ(StiffnessSumYSnow[0][2][4], 0.0);
  EXPECT_EQ(RigidityCentreY[0][1][3], 0.0);
  EXPECT_EQ(EccentricityRatioXSnow[0][2][1], 0.0);
  EXPECT_EQ(QuarterZoneStrength2Snow[0][1], 0.0);
  EXPECT_EQ(QuarterWallLengthA[0][2], 0.0);
  EXPECT_EQ(WallStrengthX[2][0][0], 9.0);
}

TEST_F(StoreyAnalysisTest, MethodTwoColumnPartStartsFromZero) {
  for (int otherElementsMethod : {1, 0}) {
    SetUp();
    ProjectSettings.OtherElementsMethod = otherElementsMethod;
    PutColumn(1, 1);
    ColumnResult& c = ColumnResults[0][0][0];
    c.StrengthX = 9.0, c.StiffnessY = 9.0, c.SideWallTerms[19] = 9.0, c.BreakageRisk = 1, c.HasWallY = 1;
    Recalculate();
    const bool cleared = otherElementsMethod == 1;  // with method 1 (value 0) they keep their values
    EXPECT_EQ(c.StrengthX, cleared ? 0.0 : 9.0);
    EXPECT_EQ(c.StiffnessY, cleared ? 0.0 : 9.0);
    EXPECT_EQ(c.SideWallTerms[19], cleared ? 0.0 : 9.0);
    EXPECT_EQ(c.BreakageRisk, cleared ? 0 : 1);
    EXPECT_EQ(c.HasWallY, cleared ? 0 : 1);
  }
}

}  // namespace
