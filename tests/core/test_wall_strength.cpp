// Base strength, stiffness and wall factor of single walls. Every expected
// value is worked by hand from the element tables (the arithmetic is beside
// it): brace rows by kind and end joint, one-way brace tables, crossed braces
// and the 3.5 L / H rule, mud walls and panels with their height ratios,
// furring, the short-wall limits, the revision-2025 deterioration bits, the
// general method's all-unknown value and the caps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ModelFixture.h"
#include "analysis/WallStrength.h"
#include "model/ViewState.h"

namespace {

// A wall built up element by element; 1.82 m long and 2.7 m high unless a
// case says otherwise, so that 3.5 L / H = 2.36 leaves braces unreduced.
struct Wall {
  WallElementArgs a{};
  Wall() {
    a.Length = 1.82;
    a.Height = 2.7;
  }
  Wall& Brace(int kind, int joint) { return a.BraceKind = kind, a.BraceEndJoint = joint, *this; }
  Wall& Crossed() { return a.BraceArrangement = 1, *this; }
  Wall& Table(int selector) { return a.TableSelector = selector, *this; }
  Wall& BraceHeight(double h) { return a.BraceHeight = h, *this; }
  Wall& Mud(int kind, double h = 0.0) { return a.MudWallKind = kind, a.MudWallHeight = h, *this; }
  Wall& Left(int kind, int furring = 0, double h = 0.0) {
    return a.PanelLeft = kind, a.FurringLeft = furring, a.PanelLeftHeight = h, *this;
  }
  Wall& Right(int kind, int furring = 0, double h = 0.0) {
    return a.PanelRight = kind, a.FurringRight = furring, a.PanelRightHeight = h, *this;
  }
  Wall& Length(double l) { return a.Length = l, *this; }
  Wall& Height(double h) { return a.Height = h, *this; }
  Wall& Storey(int s) { return a.Storey = s, *this; }
  Wall& Opening(int kind) { return a.OpeningKind = kind, *this; }
  Wall& Joined(int left, int right) { return a.LeftPanelJoined = left, a.RightPanelJoined = right, *this; }
  Wall& Bits(int bits) { return a.DeteriorationBits = bits, *this; }
  Wall& PartialRule(int rule) { return a.PartialPanelRule = rule, *this; }
};

struct Case {
  std::string name;
  Wall wall;
  double strength, stiffness, factor;
};

class WallStrengthTest : public ModelTest {
 protected:
  void Check(const Case& c) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(CalcWallStrength(c.wall.a), c.strength, 1e-9);
    EXPECT_NEAR(CalcWallStiffness(c.wall.a), c.stiffness, 1e-9);
    EXPECT_NEAR(CalcWallFactor(c.wall.a), c.factor, 1e-9);
  }
  void SetMethod(int revision, int method) {
    ProjectSettings.Revision = revision;
    ProjectSettings.DiagnosisMethod = method;
  }
};

// Brace kinds: 0 無し, 1 不明, 2 鉄筋9mm, 3 90x15, 4 90x30, 5 90x45, 6 90x90,
// 7/8 その他, 9 方杖添柱, 10 方杖添無. End joints: 0 nailed, 1 "1.5", 2 "2.0", 3 規定.
TEST_F(WallStrengthTest, BracesByKindAndEndJoint) {
  SetMethod(0, 1);
  // The user rows 9 and 10 as a user would fill them.
  BraceTable[9].Strength = 2.0, BraceTable[9].Stiffness = 400.0, BraceTable[9].WallFactor = 1.2;
  BraceTable[10].Strength = 1.1, BraceTable[10].Stiffness = 250.0, BraceTable[10].WallFactor = 0.7;
  const Case cases[] = {
      {"none", Wall().Brace(0, 3), 0, 0, 0},
      {"unknown outside the general method", Wall().Brace(1, 3), 0, 0, 0},
      {"rebar: row 2", Wall().Brace(2, 0), 1.6, 210, 1.0},
      {"90x15: row 3", Wall().Brace(3, 3), 1.6, 320, 1.0},
      {"90x30 nailed: row 5", Wall().Brace(4, 0), 1.9, 390, 1.5},
      {"90x30 joint 2: row 4", Wall().Brace(4, 2), 2.4, 480, 1.5},
      {"90x45 nailed: row 7", Wall().Brace(5, 0), 2.6, 520, 2.0},
      {"90x45 joint 1: row 6 x 0.8 = 3.2 x 0.8, 650 x 0.8; factor row 6", Wall().Brace(5, 1), 2.56, 520, 2.0},
      {"90x45 joint 2: row 6", Wall().Brace(5, 2), 3.2, 650, 2.0},
      {"90x45 joint 3: row 6", Wall().Brace(5, 3), 3.2, 650, 2.0},
      {"90x90 nailed: 4.8 x 0.7, 830 x 0.7; factor 3 for every joint", Wall().Brace(6, 0), 3.36, 581, 3.0},
      {"90x90 joint 1: 4.8 x 0.8, 830 x 0.8", Wall().Brace(6, 1), 3.84, 664, 3.0},
      {"90x90 joint 2: 4.8 x 0.9, 830 x 0.9", Wall().Brace(6, 2), 4.32, 747, 3.0},
      {"90x90 joint 3: 4.8 x 1.0", Wall().Brace(6, 3), 4.8, 830, 3.0},
      {"other 1: user row 9", Wall().Brace(7, 0), 2.0, 400, 1.2},
      {"other 2: user row 10", Wall().Brace(8, 3), 1.1, 250, 0.7},
      {"knee brace with post: 1.3 / 1.82, 220 / 1.82", Wall().Brace(9, 0), 1.3 / 1.82, 220 / 1.82, 0},
      {"knee brace without post: 0.7 / 1.82, 70 / 1.82", Wall().Brace(10, 0), 0.7 / 1.82, 70 / 1.82, 0},
  };
  for (const Case& c : cases) Check(c);
}

TEST_F(WallStrengthTest, KneeBraceWallFactorIsNotDividedByLength) {
  SetMethod(0, 1);
  BraceTable[11].WallFactor = 0.5;
  // Strength 1.3 / 1.82; wall factor 0.5 as it stands in row 11.
  Check({"knee brace", Wall().Brace(9, 3), 1.3 / 1.82, 220 / 1.82, 0.5});
}

// One-way braces read the compression (selector 1) or tension (selector 2)
// table for strength and stiffness; crossed braces and every wall factor read
// BraceTable.
TEST_F(WallStrengthTest, OneWayBracesByDirectionAndCrossedBraces) {
  SetMethod(0, 1);
  const Case cases[] = {
      {"90x90 compression: 6.9, 1010; factor from BraceTable 3", Wall().Brace(6, 3).Table(1), 6.9, 1010, 3.0},
      {"90x90 tension: 2.7, 640", Wall().Brace(6, 3).Table(2), 2.7, 640, 3.0},
      {"90x90 nailed in compression: 6.9 x 0.7, 1010 x 0.7", Wall().Brace(6, 0).Table(1), 4.83, 707, 3.0},
      {"90x90 crossed, selector 1: 4.8 x 2, 830 x 2; factor the law's 5",
       Wall().Brace(6, 3).Crossed().Table(1), 9.6, 1660, 5.0},
      {"90x90 joint 1 crossed, selector 2: 4.8 x 0.8 x 2, 830 x 0.8 x 2; factor 5",
       Wall().Brace(6, 1).Crossed().Table(2), 7.68, 1328, 5.0},
      {"90x45 nailed in tension: row 7 2.08, 512; factor row 7", Wall().Brace(5, 0).Table(2), 2.08, 512, 2.0},
      {"90x45 joint 1 in compression: 3.7 x 0.8, 670 x 0.8", Wall().Brace(5, 1).Table(1), 2.96, 536, 2.0},
      {"90x30 nailed in compression: row 5 2.32, 408", Wall().Brace(4, 0).Table(1), 2.32, 408, 1.5},
      {"rebar in compression carries nothing: row 2 0, 0", Wall().Brace(2, 3).Table(1), 0, 0, 1.0},
      {"rebar in tension: 3.1, 430", Wall().Brace(2, 3).Table(2), 3.1, 430, 1.0},
      {"90x15 in compression: 1.7, 320", Wall().Brace(3, 3).Table(1), 1.7, 320, 1.0},
  };
  for (const Case& c : cases) Check(c);
}

// A crossed brace doubles its one-way wall factor, except that the building
// law gives a crossed 90x90 brace 5, not 2 x 3; its strength still doubles.
TEST_F(WallStrengthTest, CrossedBraceWallFactors) {
  SetMethod(0, 1);
  BraceTable[9].WallFactor = 3.0;  // a user brace as strong as 90x90
  const struct {
    const char* name;
    Wall wall;
    double factor;
  } cases[] = {
      {"rebar: 1 x 2", Wall().Brace(2, 3).Crossed(), 2.0},
      {"90x15: 1 x 2", Wall().Brace(3, 3).Crossed(), 2.0},
      {"90x30 nailed: 1.5 x 2", Wall().Brace(4, 0).Crossed(), 3.0},
      {"90x45: 2 x 2", Wall().Brace(5, 3).Crossed(), 4.0},
      {"90x90 one way: 3", Wall().Brace(6, 3), 3.0},
      {"90x90 crossed: 5 for every joint", Wall().Brace(6, 0).Crossed(), 5.0},
      {"90x90 crossed with P1: 5 + 2.5", Wall().Brace(6, 3).Crossed().Left(3), 7.5},
      {"90x90 crossed in a 0.91 m wall 3.5 m high: q = 3.185 / 3.5 = 0.91, 5 x 0.91",
       Wall().Brace(6, 3).Crossed().Length(0.91).Height(3.5), 4.55},
      {"user brace of factor 3 crossed: 3 x 2", Wall().Brace(7, 3).Crossed(), 6.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(CalcWallFactor(c.wall.a), c.factor, 1e-9) << c.name;
  EXPECT_NEAR(CalcWallStrength(Wall().Brace(6, 3).Crossed().a), 9.6, 1e-9);  // 4.8 x 2

  // Revision 2025, core partly deteriorated: 5 x 0.5.
  SetMethod(1, 1);
  EXPECT_NEAR(CalcWallFactor(Wall().Brace(6, 3).Crossed().Bits(4).a), 2.5, 1e-9);

  // A 90x90 row the user edited: twice its factor, at most the law's 5.
  SetMethod(0, 1);
  BraceTable[8].WallFactor = 2.0;
  EXPECT_NEAR(CalcWallFactor(Wall().Brace(6, 3).Crossed().a), 4.0, 1e-9);  // 2 x 2
  BraceTable[8].WallFactor = 2.8;
  EXPECT_NEAR(CalcWallFactor(Wall().Brace(6, 3).Crossed().a), 5.0, 1e-9);  // 5.6, cut to 5
}

// q = 3.5 L / H_b; below 1 the brace is multiplied by q. H_b is the brace
// height, else the wall height, else the storey height.
TEST_F(WallStrengthTest, BraceHeightRule) {
  SetMethod(0, 1);
  ProjectSettings.StoreyHeight[CurrentState][1] = 3.5;
  const Case cases[] = {
      {"crossed 90x45 in 0.91 x 2.7: q = 3.185 / 2.7 = 1.18, 3.2 x 2, 650 x 2, 2 x 2",
       Wall().Brace(5, 2).Crossed().Length(0.91), 6.4, 1300, 4.0},
      {"same in a 3.5 m wall: q = 3.185 / 3.5 = 0.91; 6.4 x 0.91, 1300 x 0.91, 4 x 0.91",
       Wall().Brace(5, 3).Crossed().Length(0.91).Height(3.5), 5.824, 1183, 3.64},
      {"brace height 3.64 replaces the wall's 2.7: q = 3.185 / 3.64 = 0.875; 6.4 x 0.875, 1300 x 0.875, 4 x "
       "0.875",
       Wall().Brace(5, 3).Crossed().Length(0.91).BraceHeight(3.64), 5.6, 1137.5, 3.5},
      {"wall height 0 takes storey 2's 3.5 m: q = 0.91",
       Wall().Brace(5, 3).Crossed().Length(0.91).Height(0).Storey(1), 5.824, 1183, 3.64},
      {"0.9 m is long enough: q = 3.15 / 2.7 = 1.17", Wall().Brace(5, 3).Crossed().Length(0.9), 6.4, 1300,
       4.0},
      {"0.89 m is too short for a brace", Wall().Brace(5, 3).Crossed().Length(0.89), 0, 0, 0},
  };
  for (const Case& c : cases) Check(c);
}

TEST_F(WallStrengthTest, StoreyHeightIsTheCurrentVariants) {
  SetMethod(0, 1);
  ProjectSettings.StoreyHeight[CurrentState][1] = 2.7;
  ProjectSettings.StoreyHeight[RetrofitPlan1][1] = 3.5;
  const Wall wall = Wall().Brace(5, 3).Crossed().Length(0.91).Height(0).Storey(1);
  CurrentVariant = RetrofitPlan1;
  EXPECT_NEAR(CalcWallStrength(wall.a), 5.824, 1e-9);  // 6.4 x 3.185 / 3.5
  CurrentVariant = CurrentState;
  EXPECT_NEAR(CalcWallStrength(wall.a), 6.4, 1e-9);  // q = 1.18, unreduced
}

// Mud wall rows 2..5: T1 2.4/480/0, T2 2.8/560/0.5, T3 3.5/680/0.5, T4 3.9/750/0.5.
// A plastered height h gives r = h / H (at most 1): r < 0.7 gives 0, else x r x 0.9.
TEST_F(WallStrengthTest, MudWalls) {
  SetMethod(0, 1);
  const Case cases[] = {
      {"T1 full height", Wall().Mud(2), 2.4, 480, 0},
      {"T4 full height", Wall().Mud(5), 3.9, 750, 0.5},
      {"T3 plastered 2.7 of 2.7: r = 1, x 0.9: 3.15, 612, 0.45", Wall().Mud(4, 2.7), 3.15, 612, 0.45},
      {"T3 plastered 2.16 of 2.7: r = 0.8, x 0.72: 2.52, 489.6, 0.36", Wall().Mud(4, 2.16), 2.52, 489.6,
       0.36},
      {"T3 plastered 1.8 of 2.7: r = 0.667 < 0.7", Wall().Mud(4, 1.8), 0, 0, 0},
      {"T3 plastered 3.0 of 2.7: r cut to 1", Wall().Mud(4, 3.0), 3.15, 612, 0.45},
      {"T4 in a window wall: no wall factor", Wall().Mud(5).Opening(1), 3.9, 750, 0},
      {"T4 on 0.6 m", Wall().Mud(5).Length(0.6), 3.9, 750, 0.5},
      {"T4 on 0.59 m", Wall().Mud(5).Length(0.59), 0, 0, 0},
      {"joined flags do not let a mud wall count", Wall().Mud(5).Length(0.5).Joined(1, 1), 0, 0, 0},
  };
  for (const Case& c : cases) Check(c);
}

// Panel rows used: 3 P1 5.2/860/2.5, 7 Q1 5/920/2.5, 14 MS 2.5/810/1,
// 20 P2 3/430/1.5, 21 G1 2.6/450/0.9, 22 Ga 1.6/310/0.9.
// Furring 1: p > 4 gives 3, p > 2 gives p (1.25 - p / 8); furring 2: p > 2 gives
// 1.5, else p x 0.75. Stiffness: k x 800 / (k + 800) and k x 500 / (k + 500).
TEST_F(WallStrengthTest, PanelsWithFurringAndHeights) {
  SetMethod(0, 1);
  const Case cases[] = {
      {"P1 left, direct", Wall().Left(3), 5.2, 860, 2.5},
      {"P1 both faces", Wall().Left(3).Right(3), 10.4, 1720, 5.0},
      {"P2 3.0 on furring 1: 3 x (1.25 - 0.375); 430 x 800 / 1230; 1.5 not above 2", Wall().Left(20, 1),
       2.625, 430.0 * 800 / 1230, 1.5},
      {"P1 5.2 on furring 1: 3.0; 860 x 800 / 1660; 2.5 x (1.25 - 0.3125)", Wall().Left(3, 1), 3.0,
       860.0 * 800 / 1660, 2.34375},
      {"Q1 5.0 on furring 1 (right face): 3.0; 920 x 800 / 1720", Wall().Right(7, 1), 3.0, 920.0 * 800 / 1720,
       2.34375},
      {"MS 2.5 on furring 2: 1.5; 810 x 500 / 1310; 1 x 0.75", Wall().Left(14, 2), 1.5, 810.0 * 500 / 1310,
       0.75},
      {"Ga 1.6 on furring 2: 1.6 x 0.75; 310 x 500 / 810; 0.9 x 0.75", Wall().Right(22, 2), 1.2,
       310.0 * 500 / 810, 0.675},
      {"P1 1.8 high in a 2.8 m wall: r = 0.643 < 0.7", Wall().Left(3, 0, 1.8).Height(2.8), 0, 0, 0},
      {"P1 2.43 high in 2.7: r = 0.9, x 0.81: 4.212, 696.6, 2.025", Wall().Left(3, 0, 2.43), 4.212, 696.6,
       2.025},
      {"right face by its own height: 5.2 + 4.212, 860 + 696.6, 2.5 + 2.025",
       Wall().Left(3).Right(3, 0, 2.43), 9.412, 1556.6, 4.525},
      {"P1 and G1: 5.2 + 2.6, 860 + 450, 2.5 + 0.9", Wall().Left(3).Right(21), 7.8, 1310, 3.4},
      {"P1 in a door wall: no wall factor", Wall().Left(3).Opening(2), 5.2, 860, 0},
  };
  for (const Case& c : cases) Check(c);
}

// Mud walls and panels need L > 0.59999 unless the panel's joined flag is set;
// the wall factor never reads the joined flags.
TEST_F(WallStrengthTest, ShortWallsAndJoinedPanels) {
  SetMethod(0, 1);
  const Case cases[] = {
      {"P1 on 0.6 m", Wall().Left(3).Length(0.6), 5.2, 860, 2.5},
      {"P1 on 0.45 m", Wall().Left(3).Length(0.45), 0, 0, 0},
      {"P1 on 0.45 m, left joined", Wall().Left(3).Length(0.45).Joined(1, 0), 5.2, 860, 0},
      {"P1 on 0.45 m, only the right face joined", Wall().Left(3).Length(0.45).Joined(0, 1), 0, 0, 0},
      {"P1 both faces on 0.45 m, flags 1 and 2 as the wall dialog passes them",
       Wall().Left(3).Right(3).Length(0.45).Joined(1, 2), 10.4, 1720, 0},
  };
  for (const Case& c : cases) Check(c);
}

// Rule 1: a panel of partial height is further multiplied by 0.6 x h / H, and
// a wall lower than 0.36 m loses it.
TEST_F(WallStrengthTest, PartialPanelRule) {
  SetMethod(0, 1);
  const Case cases[] = {
      {"P1 2.43 of 2.7: 4.212 x 0.6 x 0.9 = 2.27448; 696.6 x 0.54; 2.025 x 0.54",
       Wall().Left(3, 0, 2.43).PartialRule(1), 2.27448, 376.164, 1.0935},
      {"full-height panel: rule does nothing", Wall().Left(3).PartialRule(1), 5.2, 860, 2.5},
      {"only rule value 1 applies (2 is an opening-run kind)", Wall().Left(3, 0, 2.43).PartialRule(2), 4.212,
       696.6, 2.025},
      {"wall of 0.3 m under the rule: 0", Wall().Left(3, 0, 0.3).Height(0.3).PartialRule(1), 0, 0, 0},
  };
  for (const Case& c : cases) Check(c);
}

// Revision 2025: brace and mud wall x {1, 0.5, 0} by the core state (bits
// 4/8), each panel x {1, 0.8, 0.5} by its own state (16/32 left, 64/128 right).
// Both bits of a part set count as deteriorated.
TEST_F(WallStrengthTest, DeteriorationBitsInRevision2025) {
  SetMethod(1, 1);
  // Crossed 90x45 6.4/1300/4, T4 3.9/750/0.5, P1 5.2/860/2.5, G1 2.6/450/0.9.
  const Wall core = Wall().Brace(5, 3).Crossed().Mud(5).Left(3);
  const Wall panels = Wall().Left(3).Right(21);
  const Case cases[] = {
      {"sound: 6.4 + 3.9 + 5.2 = 15.5 capped at 14; 1300 + 750 + 860; 4 + 0.5 + 2.5", Wall(core), 14.0, 2910,
       7.0},
      {"core partly: 3.2 + 1.95 + 5.2; 650 + 375 + 860; 2 + 0.25 + 2.5", Wall(core).Bits(4), 10.35, 1885,
       4.75},
      {"core deteriorated: brace and mud wall gone", Wall(core).Bits(8), 5.2, 860, 2.5},
      {"core state 3 counts as deteriorated", Wall(core).Bits(12), 5.2, 860, 2.5},
      {"frame bits alone change nothing here", Wall(core).Bits(1), 14.0, 2910, 7.0},
      {"left partly: 5.2 x 0.8 + 2.6; 688 + 450; 2 + 0.9", Wall(panels).Bits(16), 6.76, 1138, 2.9},
      {"left deteriorated: 2.6 + 2.6; 430 + 450; 1.25 + 0.9", Wall(panels).Bits(32), 5.2, 880, 2.15},
      {"right partly: 5.2 + 2.08; 860 + 360; 2.5 + 0.72", Wall(panels).Bits(64), 7.28, 1220, 3.22},
      {"right deteriorated: 5.2 + 1.3; 860 + 225; 2.5 + 0.45", Wall(panels).Bits(128), 6.5, 1085, 2.95},
      {"right state 3 counts as deteriorated", Wall(panels).Bits(192), 6.5, 1085, 2.95},
      {"core and left deteriorated", Wall().Brace(5, 3).Crossed().Left(3).Bits(8 | 32), 2.6, 430, 1.25},
  };
  for (const Case& c : cases) Check(c);
}

TEST_F(WallStrengthTest, Revision2012IgnoresDeteriorationBits) {
  SetMethod(0, 1);
  // Crossed 90x45 + P1: 6.4 + 5.2, 1300 + 860, 4 + 2.5, whatever the bits.
  Check({"core and left deteriorated", Wall().Brace(5, 3).Crossed().Left(3).Bits(8 | 32), 11.6, 2160, 6.5});
}

// The general method rates a wall of unknown brace, mud wall and panels at
// 2.0 kN/m; the stiffness takes 2.0 even on a short wall. The verification
// method rates an unknown panel at 1.0 kN/m.
TEST_F(WallStrengthTest, UnknownElements) {
  const Wall unknown = Wall().Brace(1, 3).Mud(1).Left(1).Right(1);
  struct MethodCase {
    std::string name;
    int method;
    Wall wall;
    double strength, stiffness, factor;
  } cases[] = {
      {"general, 0.91 m", 2, Wall(unknown).Length(0.91), 2.0, 2.0, 0},
      {"general, 0.45 m: strength needs L > 0.6, stiffness does not", 2, Wall(unknown).Length(0.45), 0, 2.0,
       0},
      {"general, one face 無し: no rule", 2, Wall(unknown).Right(0), 0, 0, 0},
      {"precise 1: unknown counts nothing", 1, Wall(unknown), 0, 0, 0},
      {"verification: two unknown panels at 1.0", 3, Wall(unknown).Length(0.91), 2.0, 2.0, 2.0},
      {"verification: unknown panel on furring 2: 1.0 x 0.75", 3, Wall().Left(1, 2), 0.75, 0.75, 0.75},
      {"general: unknown panel alone counts nothing", 2, Wall().Left(1), 0, 0, 0},
  };
  for (const auto& c : cases) {
    SetMethod(0, c.method);
    Check({c.name, c.wall, c.strength, c.stiffness, c.factor});
  }
}

// Caps: 10 kN/m in the general and verification methods, 14 in the precise
// ones. Crossed 90x90 + P1 + P1 = 9.6 + 10.4 = 20.0 kN/m,
// 1660 + 1720 = 3380, wall factor 5 + 2.5 + 2.5 = 10 (never capped).
TEST_F(WallStrengthTest, Caps) {
  const Wall strong = Wall().Brace(6, 3).Crossed().Left(3).Right(3);
  struct MethodCase {
    int method;
    double strength, stiffness;
  } cases[] = {
      {0, 14.0, 3380},
      {1, 14.0, 3380},
      {2, 10.0, 10.0},  // stiffness is the strength in these methods
      {3, 10.0, 10.0},
  };
  for (const auto& c : cases) {
    SetMethod(0, c.method);
    Check({"method " + std::to_string(c.method), strong, c.strength, c.stiffness, 10.0});
  }
  SetMethod(0, 2);
  Check({"below the cap: 9.6 stays", Wall().Brace(6, 3).Crossed(), 9.6, 9.6, 5.0});
}

// A knee brace divides by the length; on a wall of length 0 it must add
// nothing and leave the other elements finite.
TEST_F(WallStrengthTest, KneeBraceOnZeroLength) {
  for (int method : {1, 2}) {
    SetMethod(0, method);
    for (int kind : {9, 10}) {
      const Wall wall = Wall().Brace(kind, 3).Crossed().Left(3).Length(0.0).Joined(1, 0);
      SCOPED_TRACE("method " + std::to_string(method) + " kind " + std::to_string(kind));
      const double strength = CalcWallStrength(wall.a);
      const double stiffness = CalcWallStiffness(wall.a);
      const double factor = CalcWallFactor(wall.a);
      EXPECT_EQ(strength, 5.2);  // the joined P1 alone
      EXPECT_EQ(stiffness, method == 1 ? 860.0 : 5.2);
      EXPECT_EQ(factor, 0.0);
    }
  }
}

// Indices no editor produces must not read outside a table.
TEST_F(WallStrengthTest, ValuesOutsideTheirRangesCountNothing) {
  SetMethod(1, 1);
  const Case cases[] = {
      {"brace kind 11", Wall().Brace(11, 3), 0, 0, 0},
      {"brace kind -1", Wall().Brace(-1, 3), 0, 0, 0},
      {"end joint 4", Wall().Brace(6, 4), 0, 0, 0},
      {"end joint -1", Wall().Brace(5, -1), 0, 0, 0},
      {"mud wall row 15", Wall().Mud(15), 0, 0, 0},
      {"panel rows 45 and -1", Wall().Left(45).Right(-1), 0, 0, 0},
      {"negative bits: core and panel states 3 count as deteriorated", Wall().Left(3).Bits(-1), 2.6, 430,
       1.25},
      {"storey 3 has no storey height, so no height rule",
       Wall().Brace(5, 3).Crossed().Length(0.91).Height(0).Storey(3), 6.4, 1300, 4.0},
  };
  for (const Case& c : cases) Check(c);
}

// The arguments taken from a wall record keep left and right apart.
TEST_F(WallStrengthTest, ArgumentsFromAWallRecord) {
  SetMethod(1, 1);
  WallRecord wall{};
  wall.OpeningKind = 0;
  wall.BraceKind = 5;
  wall.BraceEndJoint = 1;
  wall.MudWallKind = 3;
  wall.PanelLeft = 3;
  wall.FurringLeft = 1;
  wall.PanelRight = 22;
  wall.FurringRight = 2;
  wall.PanelRightHeight = 2.43;
  wall.Height = 2.7;
  wall.Deterioration = 2 | 64;  // frame none, right panel partly
  const WallElementArgs a =
      WallElementArgsOf(wall, 1.82, BraceTableCompression, 0, 0, 0, wall.Deterioration, 0);
  // Brace 3.7 x 0.8 = 2.96; T2 2.8; left P1 on furring 1: 3.0;
  // right Ga 1.6 x 0.75 = 1.2, x 0.81 (2.43 / 2.7 = 0.9) = 0.972, x 0.8 = 0.7776.
  EXPECT_NEAR(CalcWallStrength(a), 2.96 + 2.8 + 3.0 + 0.7776, 1e-9);
  // Stiffness: 670 x 0.8 = 536; 560; 860 x 800 / 1660; 310 x 500 / 810 x 0.81 x 0.8.
  EXPECT_NEAR(CalcWallStiffness(a), 536 + 560 + 860.0 * 800 / 1660 + 310.0 * 500 / 810 * 0.81 * 0.8, 1e-9);
  // Wall factor: brace row 6 2.0; T2 0.5; P1 2.5 x 0.9375; Ga 0.9 x 0.75 x 0.81 x 0.8.
  EXPECT_NEAR(CalcWallFactor(a), 2.0 + 0.5 + 2.34375 + 0.9 * 0.75 * 0.81 * 0.8, 1e-9);
}

}  // namespace
