// Text label input: labels added through the text dialog with the palette's
// text, removed (their text offered again) by picking their two points, at
// most one north mark per storey agreeing with the neighbouring storey.
#include <gtest/gtest.h>

#include <string>

#include "InputRoutineFixture.h"
#include "editing/TextLabelInput.h"
#include "model/ViewState.h"

namespace {

class TextLabelInputTest : public InputRoutineTest {
 protected:
  void SetUp() override {
    InputRoutineTest::SetUp();
    SetTextPaletteText(u"");
    // The dialog plays a user who types `typed` and presses OK (or Cancel).
    SetTextLabelDialog([this] {
      ++dialogs;
      offered = std::u16string(TextPaletteTextView());
      if (!ok) return false;
      SetTextPaletteText(typed);
      return true;
    });
  }
  void TearDown() override {
    SetTextLabelDialog(nullptr);
    InputRoutineTest::TearDown();
  }
  static TextLabelRecord Label(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::u16string_view text) {
    return testmodel::TextLabel(x1, y1, x2, y2, text);
  }
  static void Put(int32_t v, int32_t s, std::initializer_list<TextLabelRecord> records) {
    testmodel::SetList(v, s, records);
  }

  std::u16string typed = u"居間";
  std::u16string offered;
  bool ok = true;
  int dialogs = 0;
};

TEST_F(TextLabelInputTest, AddsTheTypedTextAtThePointsAsClicked) {
  CurrentVariant = 2;
  CurrentStorey = 1;
  SetTextPaletteText(u"和室");
  EXPECT_EQ(InputTextLabel(9, 4, 3, 7), 1);
  EXPECT_EQ(offered, u"和室");  // the dialog offers the palette's text
  ASSERT_EQ(TextLabelCount[2][1], 1);
  EXPECT_EQ(TextLabels[2][1][0], Label(9, 4, 3, 7, u"居間"));
  EXPECT_EQ(TextPaletteTextView(), u"居間");
  EXPECT_EQ(window.invalidations, 1);
  EXPECT_TRUE(MainWindow.BmodoruEnabled);

  // One point twice anchors a label at that point.
  typed = u"@押入";
  EXPECT_EQ(InputTextLabel(5, 5, 5, 5), 1);
  EXPECT_EQ(TextLabels[2][1][1], Label(5, 5, 5, 5, u"@押入"));

  UndoStep();
  EXPECT_EQ(TextLabelCount[2][1], 1);
  UndoStep();
  EXPECT_EQ(TextLabelCount[2][1], 0);
  RedoStep();
  EXPECT_EQ(TextLabels[2][1][0], Label(9, 4, 3, 7, u"居間"));
}

TEST_F(TextLabelInputTest, PickingTheAnchorAgainRemovesTheLabelAndOffersItsText) {
  Put(0, 0, {Label(2, 8, 6, 3, u"台所"), Label(6, 3, 2, 8, u"食堂"), Label(1, 1, 1, 1, u"玄関")});
  // Each axis matches on its own: X 6/2 and Y 3/8 in any order picks the first label.
  EXPECT_EQ(InputTextLabel(2, 3, 6, 8), 1);
  EXPECT_EQ(dialogs, 0);
  ASSERT_EQ(TextLabelCount[0][0], 2);
  EXPECT_EQ(TextLabels[0][0][0], Label(6, 3, 2, 8, u"食堂"));
  EXPECT_EQ(TextLabels[0][0][1], Label(1, 1, 1, 1, u"玄関"));
  EXPECT_EQ(TextPaletteTextView(), u"台所");
  EXPECT_EQ(window.invalidations, 1);

  // Clicking the points again offers that text: a correction.
  ok = false;
  EXPECT_EQ(InputTextLabel(1, 1, 1, 1), 1);  // removes 玄関
  EXPECT_EQ(InputTextLabel(1, 1, 1, 1), 1);  // cancelled: nothing added
  EXPECT_EQ(offered, u"玄関");
  EXPECT_EQ(TextLabelCount[0][0], 1);

  UndoStep();
  EXPECT_EQ(TextLabelCount[0][0], 2);
  EXPECT_EQ(TextLabels[0][0][1], Label(1, 1, 1, 1, u"玄関"));
}

TEST_F(TextLabelInputTest, NorthMarkRules) {
  const struct {
    const char* what;
    int32_t storey;
    std::u16string here, other, typed;  // other: the label on the neighbouring storey
    int32_t neighbour;
    const char* message;  // nullptr: accepted
  } cases[] = {
      {"first north mark", 0, u"", u"", u"*90", 1, nullptr},
      {"a second one on the storey", 0, u"*0", u"", u"*90", 1, NorthMarkTwiceMessage},
      {"even the same text twice", 1, u"*90", u"*90", u"*90", 0, NorthMarkTwiceMessage},
      {"second storey differs from the first", 1, u"", u"*0", u"*90", 0, NorthMarkOtherStoreyMessage},
      {"first storey differs from the second", 0, u"", u"*0", u"*90", 1, NorthMarkOtherStoreyMessage},
      {"equal on both storeys", 1, u"", u"*90", u"*90", 0, nullptr},
      {"third storey compared with the second", 2, u"", u"*180", u"*90", 1, NorthMarkOtherStoreyMessage},
      {"plain text beside a north mark", 0, u"*0", u"*180", u"北側", 1, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetModel(ResetForStartUp);
    SetMainWindowPort(&window);
    window.invalidations = 0;
    CurrentStorey = c.storey;
    if (!c.here.empty()) Put(0, c.storey, {Label(1, 1, 1, 1, c.here)});
    if (!c.other.empty()) Put(0, c.neighbour, {Label(3, 3, 3, 3, c.other)});
    const int32_t before = TextLabelCount[0][c.storey];
    typed = c.typed;
    if (c.message) boxes.Expect(NorthMarkCaption, IDOK);
    EXPECT_EQ(InputTextLabel(7, 7, 8, 8), c.message ? 0 : 1);
    EXPECT_EQ(TextLabelCount[0][c.storey], before + (c.message ? 0 : 1));
    EXPECT_EQ(window.invalidations, 1);
    EXPECT_EQ(MainWindow.BmodoruEnabled, c.message == nullptr);
    if (c.message) {
      EXPECT_EQ(boxes.Calls().back().text, c.message);
      EXPECT_EQ(boxes.Calls().back().flags, 16);
    }
  }
}

TEST_F(TextLabelInputTest, AFullStoreyRefusesWithoutAMessageOrDialog) {
  for (int32_t k = 0; k < MaxTextLabelsPerStorey; ++k)
    TextLabels[0][0][k] = Label(k % 200, 0, k % 200, 0, u"x");
  TextLabelCount[0][0] = MaxTextLabelsPerStorey;
  EXPECT_EQ(InputTextLabel(10, 40, 20, 40), 0);  // the fixture fails on any box
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(TextLabelCount[0][0], MaxTextLabelsPerStorey);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  // A damaged count reads as full, a point off the grid is refused.
  TextLabelCount[0][0] = 4000;
  EXPECT_EQ(InputTextLabel(10, 40, 20, 40), 0);
  TextLabelCount[0][0] = 0;
  EXPECT_EQ(InputTextLabel(10, 200, 20, 40), 0);
  EXPECT_EQ(InputTextLabel(-1, 4, 20, 40), 0);
  EXPECT_EQ(TextLabelCount[0][0], 0);
  EXPECT_EQ(dialogs, 0);
}

// A label keeps what the project file holds of it: 40 units, and a surrogate
// pair that would straddle the cut is left out whole.
TEST_F(TextLabelInputTest, ATextLongerThanTheFileHoldsKeepsItsFirst40Units) {
  typed = std::u16string(120, u'あ');
  EXPECT_EQ(InputTextLabel(1, 2, 3, 4), 1);
  const TextLabelRecord& r = TextLabels[0][0][0];
  EXPECT_EQ(std::u16string(r.Text), std::u16string(40, u'あ'));
  EXPECT_EQ(r.Text[40], u'\0');
  EXPECT_EQ(TextPaletteTextView().size(), 40u);

  typed = std::u16string(39, u'あ') + u"\U00020BB7" + u"い";  // 𠮷 as units 40 and 41
  EXPECT_EQ(InputTextLabel(3, 4, 5, 6), 1);
  EXPECT_EQ(std::u16string(TextLabels[0][0][1].Text), std::u16string(39, u'あ'));

  // An unterminated record from a damaged file gives back at most 40 units.
  for (char16_t& c : TextLabels[0][0][0].Text) c = u'z';
  EXPECT_EQ(InputTextLabel(3, 4, 1, 2), 1);
  EXPECT_EQ(TextPaletteTextView(), std::u16string(40, u'z'));
}

TEST_F(TextLabelInputTest, ClearingTheStoreyAsksFirstAndCanBeUndone) {
  CurrentStorey = 1;
  Put(0, 1, {Label(1, 1, 2, 2, u"a"), Label(3, 3, 4, 4, u"b")});
  Put(0, 0, {Label(1, 1, 2, 2, u"c")});
  boxes.Expect(ClearTextLabelsCaption, IDNO);
  ClearStoreyTextLabels();
  EXPECT_EQ(TextLabelCount[0][1], 2);
  EXPECT_EQ(boxes.Calls().back().flags, 68);
  EXPECT_EQ(boxes.Calls().back().text, ClearTextLabelsMessage);
  boxes.Expect(ClearTextLabelsCaption, IDYES);
  ClearStoreyTextLabels();
  EXPECT_EQ(TextLabelCount[0][1], 0);
  EXPECT_EQ(TextLabelCount[0][0], 1);
  UndoStep();
  EXPECT_EQ(TextLabelCount[0][1], 2);
}

TEST(NorthMarkAngle, ReadsTheNumberAfterTheStar) {
  const struct {
    std::u16string_view text;
    int32_t degrees;
  } cases[] = {{u"*", 0},     {u"*abc", 0},     {u"*90", 90},         {u"* -90x", -90},
               {u"*+45", 45}, {u"*180度", 180}, {u"*99999999999", 0}, {u"*-", 0}};
  for (const auto& c : cases) EXPECT_EQ(NorthMarkAngle(c.text), c.degrees);
}

}  // namespace
