// Numbers typed into the dialogs: the strict reader of the area edits and the
// leading-number reader of the price edits, both with a decimal point in any
// locale.
#include <gtest/gtest.h>

#include <clocale>

#include "platform/NumberText.h"

namespace {

TEST(NumberText, StrictReaderTakesOnlyAWholeNumber) {
  const struct {
    const char* text;
    bool ok;
    double value;
  } cases[] = {{"12.5", true, 12.5}, {"  7 ", true, 7.0}, {".5", true, 0.5},   {"3.", true, 3.0},
               {"-2", true, -2.0},   {"+4", true, 4.0},   {"", false, 0.0},    {"   ", false, 0.0},
               {"abc", false, 0.0},  {"12a", false, 0.0}, {"1,5", false, 0.0}, {"1.2.3", false, 0.0},
               {"1e3", false, 0.0},  {"inf", false, 0.0}, {"nan", false, 0.0}, {"-", false, 0.0}};
  for (const auto& c : cases) {
    double value = -99.0;
    EXPECT_EQ(ParseNumberText(c.text, value), c.ok) << c.text;
    EXPECT_DOUBLE_EQ(value, c.ok ? c.value : -99.0) << c.text;
  }
}

// What a Japanese input method types: full-width digits, signs, point and
// the ideographic space read as ASCII; a full-width comma is still a comma.
TEST(NumberText, FullWidthCharactersReadAsTheirAsciiForms) {
  const struct {
    const char* text;
    bool ok;
    double value;
  } cases[] = {{"１２３", true, 123.0},
               {"１．５", true, 1.5},
               {"－２", true, -2.0},
               {"＋４", true, 4.0},
               {"\u2212"
                "3",
                true, -3.0},
               {"　７．２５　", true, 7.25},
               {"1２.5", true, 12.5},
               {"２，５", false, 0.0},
               {"１２ａ", false, 0.0},
               {"ｉｎｆ", false, 0.0},
               {"　", false, 0.0},
               {"１ ２", false, 0.0}};
  for (const auto& c : cases) {
    double value = -99.0;
    EXPECT_EQ(ParseNumberText(c.text, value), c.ok) << c.text;
    EXPECT_DOUBLE_EQ(value, c.ok ? c.value : -99.0) << c.text;
  }
  EXPECT_EQ(AsciiNumberText("上１０ｍ"), "上10ｍ");
  EXPECT_DOUBLE_EQ(LeadingNumber("２５０００円"), 25000.0);
}

TEST(NumberText, LeadingReaderStopsAtTheFirstNonNumber) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"25000", 25000.0}, {" 12.5m2", 12.5}, {"abc", 0.0}, {"", 0.0}, {"1,5", 1.0}, {"-3x", -3.0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(NumberText, DecimalPointEvenUnderADecimalCommaLocale) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  double value = 0.0;
  EXPECT_TRUE(ParseNumberText("1.25", value));
  EXPECT_DOUBLE_EQ(value, 1.25);
  EXPECT_FALSE(ParseNumberText("1,25", value));
  std::setlocale(LC_ALL, "C");
}

}  // namespace
