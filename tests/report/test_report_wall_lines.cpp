// The walk over a storey's wall lists that the wall pages share: the line of
// each entry (a straight wall's own grid index, a diagonal wall's key), the
// half share of a diagonal entry, a closing on every change of line and one
// after the list, the listing predicate, the option that leaves lines whose
// sums are 0 unclosed inside the list, a stop from a callback, damaged lists;
// and the wall row's element symbols and lead.
#include <gtest/gtest.h>

#include <cstring>

#include "ReportTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/WallLines.h"
#include "model/ElementTables.h"
#include "report/ReportWallLines.h"

namespace {

class WallLinesTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    RestoreElementTableStartValues();
    std::memset(WallResults, 0, sizeof WallResults);
    XWallCount[0][0] = YWallCount[0][0] = 0;
  }
  // Appends a wall and returns its index.
  int Wall(int x1, int y1, int x2, int y2, double strength = 1) {
    const int i = WallCount[0][0]++;
    Walls[0][0][i] = WallRecord{};
    Walls[0][0][i].X1 = x1, Walls[0][0][i].Y1 = y1, Walls[0][0][i].X2 = x2, Walls[0][0][i].Y2 = y2;
    WallResults[0][0][i].Blocks[0].StrengthX = strength;
    return i;
  }
  // Appends an entry of the X list.
  void XEntry(int wall, int key) {
    const int n = XWallCount[0][0]++;
    XWallOrder[0][0][n] = wall;
    XWallLineKey[0][0][n] = key;
  }
};

// What a walk saw, as text: "e<wall>@<line>" for an entry (with "/2" for a
// half share), "c<line>=<sum>" for a closing inside the list, "last<line>=<sum>"
// for the final one ("last-" when nothing was listed).
struct Trace {
  std::string text;
  WallLineWalk Walk(bool closeZero = true) {
    WallLineWalk walk;
    walk.Entry = [this](const WallLineEntry& e, WallLineSums& sums) {
      text += "e" + std::to_string(e.Wall) + "@" + std::to_string(e.Line) + (e.Diagonal ? "/2 " : " ");
      sums.Sum[0] += e.Result->StrengthX * e.Share();
      return true;
    };
    walk.CloseLine = [this](const WallLineSums& sums, bool last) {
      text += last ? "last" : "c";
      text += sums.Listed || !last ? std::to_string(sums.Line) : std::string("-");
      text += "=" + std::to_string(static_cast<int>(sums.Sum[0] * 10)) + " ";
      return true;
    };
    walk.CloseZeroLines = closeZero;
    return walk;
  }
};

TEST_F(WallLinesTest, EntriesTakeTheirLineAndDiagonalsHalfTheirShare) {
  // Line Y 12: two walls; line Y 10: one wall and a diagonal from (14, 10)
  // to (16, 12), which the list holds under both of its lines.
  const int a = Wall(10, 12, 12, 12, 2), b = Wall(12, 12, 14, 12, 3);
  const int d = Wall(14, 10, 16, 12, 4);
  const int c = Wall(10, 10, 12, 10, 5);
  XEntry(a, 12);
  XEntry(b, 12);
  XEntry(d, 12);
  XEntry(c, 10);
  XEntry(d, 10);
  Trace t;
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, t.Walk()));
  // Line 12: 2 + 3 + 4 / 2 = 7; line 10: 5 + 4 / 2 = 7.
  EXPECT_EQ(t.text, "e0@12 e1@12 e2@12/2 c12=70 e3@10 e2@10/2 last10=70 ");
}

TEST_F(WallLinesTest, AStraightWallStandsOnItsOwnLineWhateverItsKey) {
  const int a = Wall(10, 12, 12, 12);
  XEntry(a, 7);  // a damaged key
  Trace t;
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, t.Walk()));
  EXPECT_EQ(t.text, "e0@12 last12=10 ");
}

TEST_F(WallLinesTest, TheYListTakesXLinesAndDiagonalsByTheirKey) {
  const int a = Wall(10, 10, 10, 12), d = Wall(10, 12, 12, 14);
  const int entries[][2] = {{a, 10}, {d, 10}, {d, 12}};
  for (const auto& e : entries) {
    const int n = YWallCount[0][0]++;
    YWallOrder[0][0][n] = e[0];
    YWallLineKey[0][0][n] = e[1];
  }
  std::string text;
  WallLineWalk walk;
  walk.Entry = [&](const WallLineEntry& e, WallLineSums&) {
    text += std::to_string(e.Wall) + "@" + std::to_string(e.Line) + (e.Diagonal ? "/2 " : " ");
    return true;
  };
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::Y, walk));
  EXPECT_EQ(text, "0@10 1@10/2 1@12/2 ");
}

TEST_F(WallLinesTest, EntriesNotListedChangeNothing) {
  // The skipped wall on line 8 between two walls of line 12 neither closes
  // line 12 nor opens a line of its own.
  const int a = Wall(10, 12, 12, 12, 1), skip = Wall(10, 8, 12, 8, 0), b = Wall(12, 12, 14, 12, 2);
  XEntry(a, 12);
  XEntry(skip, 8);
  XEntry(b, 12);
  Trace t;
  WallLineWalk walk = t.Walk();
  walk.Lists = [](const WallLineEntry& e) { return e.Result->StrengthX != 0; };
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, walk));
  EXPECT_EQ(t.text, "e0@12 e2@12 last12=30 ");
}

TEST_F(WallLinesTest, LinesWhoseSumsAreZeroCanStayUnclosedInsideTheList) {
  // Lines 14 (0), 12 (1), 10 (0), 8 (0): with zero lines left unclosed, only
  // line 12 is closed inside the list; a listed wall adding nothing still
  // makes its line current, so it closes line 12. The last line is closed
  // although its sum is 0.
  const int w14 = Wall(10, 14, 12, 14, 0), w12 = Wall(10, 12, 12, 12, 1), w10 = Wall(10, 10, 12, 10, 0),
            w8 = Wall(10, 8, 12, 8, 0);
  XEntry(w14, 14);
  XEntry(w12, 12);
  XEntry(w10, 10);
  XEntry(w8, 8);
  Trace skipping;
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, skipping.Walk(false)));
  EXPECT_EQ(skipping.text, "e0@14 e1@12 c12=10 e2@10 e3@8 last8=0 ");
  Trace closing;
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, closing.Walk(true)));
  EXPECT_EQ(closing.text, "e0@14 c14=0 e1@12 c12=10 e2@10 c10=0 e3@8 last8=0 ");
}

TEST_F(WallLinesTest, AnEmptyListIsClosedOnceWithNothingListed) {
  Trace t;
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, t.Walk()));
  EXPECT_EQ(t.text, "last-=0 ");
  // Only entries that are not listed: the same.
  XEntry(Wall(10, 12, 12, 12, 0), 12);
  Trace none;
  WallLineWalk walk = none.Walk();
  walk.Lists = [](const WallLineEntry& e) { return e.Result->StrengthX != 0; };
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, walk));
  EXPECT_EQ(none.text, "last-=0 ");
}

TEST_F(WallLinesTest, TheLatestValuesSurviveAClosingAndTheSumsDoNot) {
  const int a = Wall(10, 12, 12, 12, 1), b = Wall(10, 10, 12, 10, 2);
  XEntry(a, 12);
  XEntry(b, 10);
  std::vector<std::pair<double, double>> closings;  // (sum, latest) at each closing
  WallLineWalk walk;
  walk.Entry = [](const WallLineEntry& e, WallLineSums& sums) {
    sums.Sum[0] += e.Result->StrengthX;
    sums.Sum[2] += 1;
    sums.Latest[0] = e.Line;
    return true;
  };
  walk.CloseLine = [&](const WallLineSums& sums, bool) {
    EXPECT_EQ(sums.Sum[2], 1);  // cleared after the closing before
    closings.emplace_back(sums.Sum[0], sums.Latest[0]);
    return true;
  };
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, walk));
  EXPECT_EQ(closings, (std::vector<std::pair<double, double>>{{1, 12}, {2, 10}}));
}

TEST_F(WallLinesTest, ACallbackThatSaysStopEndsTheWalk) {
  XEntry(Wall(10, 12, 12, 12), 12);
  XEntry(Wall(10, 10, 12, 10), 10);
  XEntry(Wall(10, 8, 12, 8), 8);
  int entries = 0, closings = 0;
  WallLineWalk walk;
  walk.Entry = [&](const WallLineEntry&, WallLineSums&) { return ++entries < 99; };
  walk.CloseLine = [&](const WallLineSums&, bool) { return ++closings < 1; };
  EXPECT_FALSE(WalkWallLines(0, 0, WallListDirection::X, walk));
  EXPECT_EQ(entries, 1);  // the first closing stopped it before the second row
  EXPECT_EQ(closings, 1);
  walk.CloseLine = nullptr;
  entries = 0;
  walk.Entry = [&](const WallLineEntry&, WallLineSums&) { return ++entries < 2; };
  EXPECT_FALSE(WalkWallLines(0, 0, WallListDirection::X, walk));
  EXPECT_EQ(entries, 2);
}

TEST_F(WallLinesTest, DamagedListsReadNothingOutsideTheirArrays) {
  const int a = Wall(10, 12, 12, 12);
  XEntry(-1, 12);     // no wall
  XEntry(a + 5, 12);  // past the storey's walls
  XEntry(a, 12);
  Trace t;
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, t.Walk()));
  EXPECT_EQ(t.text, "e0@12 last12=10 ");
  // A count past the list's capacity is held to it; a negative one lists
  // nothing; a variant or storey outside the model walks nothing.
  for (int i = XWallCount[0][0]; i < WallLineEntryCapacity; ++i) XWallOrder[0][0][i] = -1;
  XWallCount[0][0] = WallLineEntryCapacity + 50;
  Trace big;
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, big.Walk()));
  EXPECT_EQ(big.text, "e0@12 last12=10 ");
  XWallCount[0][0] = -3;
  Trace negative;
  ASSERT_TRUE(WalkWallLines(0, 0, WallListDirection::X, negative.Walk()));
  EXPECT_EQ(negative.text, "last-=0 ");
  Trace outside;
  ASSERT_TRUE(WalkWallLines(3, 0, WallListDirection::X, outside.Walk()));
  ASSERT_TRUE(WalkWallLines(0, -1, WallListDirection::X, outside.Walk()));
  EXPECT_EQ(outside.text, "last-=0 last-=0 ");
  EXPECT_EQ(AxisNameX(-1)[0], u'\0');
  EXPECT_EQ(AxisNameY(GridAxisCountY)[0], u'\0');
}

TEST_F(WallLinesTest, ElementSymbolsFollowTheBraceKindAndEndJoint) {
  // Brace rows: 2 "BT", 3 "B1", 4 "B2", 5 "B2" nailed, 6 "B3", 7 "B3"
  // nailed, 8 "B4", 9 "Ba", 12 "B5"; panel rows 2 "K1", 3 "P1"; mud wall
  // rows 0 "  ", 4 "T3".
  struct Case {
    int kind, joint, crossed, left, mud, right;
    const char* text;
  } cases[] = {
      // K1 on the left, a 30 x 90 brace nailed at its ends: the example of
      // the existing-wall list.
      {4, 0, 0, 2, 0, 0, " K1 B2 *      "},
      {4, 1, 0, 0, 0, 0, "    B2        "},
      {5, 1, 0, 0, 0, 0, "    B3 *      "},
      {5, 2, 0, 0, 0, 0, "    B3        "},
      {6, 2, 1, 0, 0, 0, "    B4W*      "},
      {6, 3, 0, 0, 0, 0, "    B4        "},
      {7, 0, 0, 0, 0, 0, "    Ba        "},
      {10, 0, 0, 0, 0, 0, "    B5        "},
      {1, 0, 1, 0, 0, 0, "    ??        "},  // crossed "不明": no W
      {2, 0, 1, 3, 4, 2, " P1 BTW  T3 K1"},
      // No brace symbol past kind 10 (nor below 0): twelve blanks.
      {11, 0, 0, 0, 0, 0, "            "},
      {-1, 0, 0, 0, 0, 0, "            "},
      // Rows outside their tables give no symbol: only the eight blanks.
      {0, 0, 0, 99, 99, -4, "        "},
  };
  for (const Case& c : cases) {
    WallRecord w{};
    w.BraceKind = c.kind, w.BraceEndJoint = c.joint, w.BraceArrangement = c.crossed;
    w.PanelLeft = c.left, w.MudWallKind = c.mud, w.PanelRight = c.right;
    EXPECT_EQ(Utf8(WallElementSymbols(w)), c.text) << c.kind << " " << c.joint << " " << c.left;
  }
}

TEST_F(WallLinesTest, TheRowLeadWidensTheWallTypeField) {
  std::u16string name = u"X 1";
  std::copy(name.begin(), name.end() + 1, GridAxisNameX[10]);
  name = u"X 2";
  std::copy(name.begin(), name.end() + 1, GridAxisNameX[12]);
  name = u"Y 3";
  std::copy(name.begin(), name.end() + 1, GridAxisNameY[12]);
  const int a = Wall(10, 12, 12, 12);
  Walls[0][0][a].PanelLeft = 3;
  WallCaseResult& r = WallResults[0][0][a].Blocks[0];
  r.WallType = 0;  // "外周壁無開口壁", 7 characters
  r.RetrofitChange = 1;
  r.WallNumber = 4;
  WallLineEntry e;
  e.Wall = a, e.Line = 12, e.Record = &Walls[0][0][a], e.Result = &r;
  // " Ｘ " + "( 4)" + " " + "Y 3   " + " " + "X 1   " + " " + "X 2   " + " ",
  // then the type padded by three blanks that become U+3000, then the
  // symbols: " P1" and twelve blanks (brace row 0 and mud wall and panel
  // row 0 are blanks too), padded to 16.
  EXPECT_EQ(Utf8(WallRowLead(WallListDirection::X, e)),
            " Ｘ ( 4) Y 3    X 1    X 2    外周壁無開口壁\u3000\u3000\u3000 P1" + std::string(13, ' '));
  r.RetrofitChange = 0;
  r.WallType = 99;  // no label: ten blanks widened
  const std::u16string lead = WallRowLead(WallListDirection::Y, e);
  EXPECT_EQ(lead.substr(0, 7), u" Ｙ     ");  // two blanks of the number, padded to four
  EXPECT_EQ(lead.substr(WallTypeFieldFirst, 10), std::u16string(10, u'\u3000'));
  EXPECT_EQ(lead.substr(WallTypeFieldFirst - 1, 1), u" ");
  EXPECT_EQ(lead.substr(WallTypeFieldEnd, 1), u" ");
}

}  // namespace
