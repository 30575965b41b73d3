// The line cursor shared by the table families: whole-unit steps, the row
// breaks after and before a row, the 289 mm bottom rule and the preview's
// stop at the wanted page.
#include <gtest/gtest.h>

#include "ReportTestHelpers.h"
#include "report/ReportLines.h"

namespace {

constexpr double Preview = 10.2;

// A family of one page that draws nothing of its own; the continuation page
// starts at 20 mm, as the required-strength tables' row break does.
struct LinesHarness {
  RecordingPageSink sink;
  PageFrame frame;
  int32_t continuations = 0;
  ReportLines lines;
  explicit LinesHarness(int32_t wanted, double ppm = Preview)
      : frame(sink, ppm, wanted), lines(frame, [this](ReportLines& l) {
          ++continuations;
          l.SetMm(20);
        }) {
    frame.BeginPage();
  }
};

TEST(ReportLines, StepsAreWholeUnitsTruncatedFromTheCursor) {
  LinesHarness h(0);
  h.lines.SetMm(20);
  EXPECT_EQ(h.lines.Y(), 203);  // 20 x 10.2 is 203.99999... in binary
  h.lines.Gap(4);
  EXPECT_EQ(h.lines.Y(), 243);  // trunc(203 + 40.8)
  h.lines.Gap(4);
  EXPECT_EQ(h.lines.Y(), 283);  // trunc(243 + 40.8): the fraction is lost at every step
  h.lines.GapUnits(30);
  EXPECT_EQ(h.lines.Y(), 313);
  ASSERT_TRUE(h.lines.Line(6, u"行"));
  EXPECT_EQ(h.lines.Y(), 374);  // trunc(313 + 61.2)
  h.frame.HandOver(false);
  ASSERT_EQ(h.sink.Pages.size(), 1u);
  EXPECT_NE(TextAt(h.sink.Pages[0], 203, 374), nullptr);  // at 20 mm
}

TEST(ReportLines, ARowEndsThePageOnlyOnceItStandsPast270Millimetres) {
  LinesHarness h(0);
  // A row at 269.9 mm: trunc(2752.98) = 2752 <= 270 x 10.2 = 2754 stays.
  h.lines.SetMm(269.9);
  EXPECT_EQ(h.lines.Y(), 2752);
  ASSERT_TRUE(h.lines.BreakAfterRow(270));
  EXPECT_EQ(h.continuations, 0);
  // The next row at trunc(2752 + 40.8) = 2792 ends the page; the following
  // row starts from the continuation's 20 mm.
  ASSERT_TRUE(h.lines.Line(4, u"次の行"));
  EXPECT_EQ(h.lines.Y(), 2792);
  ASSERT_TRUE(h.lines.BreakAfterRow(270));
  EXPECT_EQ(h.continuations, 1);
  EXPECT_EQ(h.lines.Y(), 203);
  EXPECT_EQ(h.sink.NewPageCount, 1);
}

TEST(ReportLines, ARowThatWouldStandPastTheLimitBreaksBeforeIt) {
  LinesHarness h(0);
  h.lines.SetMm(256);  // 2611; a row 4 mm lower stands at 2651 <= 2652 (260 x 10.2)
  ASSERT_TRUE(h.lines.BreakBeforeRow(4, 260));
  EXPECT_EQ(h.continuations, 0);
  h.lines.SetY(2612);  // the row would stand at 2652.8 -> 2652: still in
  ASSERT_TRUE(h.lines.BreakBeforeRow(4, 260));
  EXPECT_EQ(h.continuations, 0);
  h.lines.SetY(2613);  // 2653 > 2652
  ASSERT_TRUE(h.lines.BreakBeforeRow(4, 260));
  EXPECT_EQ(h.continuations, 1);
  EXPECT_EQ(h.lines.Y(), 203);
}

TEST(ReportLines, ATextLineWhoseBottomWouldPass289MillimetresMovesToTheNextPage) {
  // 289 x 10.2 = 2947.8 -> 2947; the 3 mm body line is 30 units high.
  struct Case {
    int32_t y;
    double step;
    bool moves;
  } cases[] = {
      {2876, 4, false},  // 2876 + 40.8 -> 2916, ends at 2946
      {2877, 4, false},  // -> 2917, ends at 2947 exactly
      {2878, 4, true},   // -> 2918, would end at 2948
      {2917, 0, false},  // a zero step: ends at 2947
      {2918, 0, true},   // ... or at 2948, and moves
  };
  for (const Case& c : cases) {
    LinesHarness h(0);
    h.lines.SetY(c.y);
    ASSERT_TRUE(h.lines.Line(c.step, u"計"));
    EXPECT_EQ(h.continuations, c.moves ? 1 : 0) << c.y;
    // The line stands at its step from wherever the page lets it start.
    EXPECT_EQ(h.lines.Y(), c.moves ? h.lines.StepFrom(203, c.step) : h.lines.StepFrom(c.y, c.step)) << c.y;
  }
}

TEST(ReportLines, ALineTooLowForAFreshContinuationPageIsDrawnRatherThanBreakingForever) {
  LinesHarness h(0);
  h.lines.SetY(2940);
  // A step of 300 mm from the continuation's start can never fit.
  ASSERT_TRUE(h.lines.Line(300, u"x"));
  EXPECT_EQ(h.continuations, 1);
}

TEST(ReportLines, ThePreviewStopsWhenTheWantedPageIsHandedOver) {
  LinesHarness first(1);
  first.lines.SetY(2900);
  EXPECT_FALSE(first.lines.Line(4, u"x"));
  EXPECT_EQ(first.continuations, 0);
  EXPECT_EQ(first.frame.Result(), 1);
  ASSERT_EQ(first.sink.Pages.size(), 1u);

  LinesHarness second(2);
  second.lines.SetY(2900);
  ASSERT_TRUE(second.lines.Line(4, u"x"));
  EXPECT_EQ(second.continuations, 1);
  // Drawn on the second page, which is the wanted one.
  second.frame.HandOver(false);
  ASSERT_EQ(second.sink.Pages.size(), 2u);
  EXPECT_NE(FindText(second.sink.Pages[1], u"x"), nullptr);
  EXPECT_EQ(FindText(second.sink.Pages[0], u"x"), nullptr);
}

TEST(ReportLines, WidenBlanksTouchesOnlyTheField) {
  std::u16string text = u"a b c d e";
  WidenBlanks(text, 2, 6);
  EXPECT_EQ(text, u"a b\u3000c\u3000d e");
  std::u16string shortText = u"x y";
  WidenBlanks(shortText, 1, 40);  // an end past the text stops at it
  EXPECT_EQ(shortText, u"x\u3000y");
}

}  // namespace
