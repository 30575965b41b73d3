// The fixed-width number fields of the project files. Guards: every field
// written has exactly its width (a number too wide gives up decimals or is
// limited, never pushes the next field), the text is that of printf in the C
// locale, and reading takes the longest decimal prefix after blanks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "files/ProjectFileFields.h"

namespace {

std::string IntField(int64_t value, int width) {
  std::vector<unsigned char> out;
  AppendIntField(out, value, width);
  return {out.begin(), out.end()};
}

std::string FixedField(double value, int width, int decimals, bool left = false) {
  std::vector<unsigned char> out;
  AppendFixedField(out, value, width, decimals, left);
  return {out.begin(), out.end()};
}

std::span<const unsigned char> Span(const std::string& s) {
  return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

TEST(ProjectFileFields, IntegersFillTheirWidthAndAreLimitedToIt) {
  struct Case {
    int64_t value;
    int width;
    const char* text;
  } cases[] = {
      {7, 5, "    7"},      {-3, 5, "   -3"},          {83, 5, "   83"},
      {99999, 5, "99999"},  {123456, 5, "99999"},      {-12345, 5, "-9999"},
      {1, 2, " 1"},         {16777215, 8, "16777215"},  // the largest colour
      {910, 8, "     910"}, {-499, 8, "    -499"},
  };
  for (const Case& c : cases) EXPECT_EQ(IntField(c.value, c.width), c.text) << c.value;
}

TEST(ProjectFileFields, RealsGiveUpDecimalsBeforeTheyOverflowTheirWidth) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double value;
    int width, decimals;
    bool left;
    const char* text;
  } cases[] = {
      {1.5, 7, 3, false, "  1.500"},     {999.999, 7, 3, false, "999.999"},
      {1500, 7, 3, false, "1500.00"},                                    // "%7.3f" would need 8 characters
      {-1000.5, 7, 3, false, "-1000.5"}, {-100, 7, 3, true, "-100.00"},  // a free-line offset
      {-0.2, 7, 3, true, "-0.200 "},     {123456.7, 7, 3, false, " 123457"},
      {1e9, 7, 3, false, "9999999"},     {-1e9, 7, 3, false, "-999999"},
      {inf, 7, 3, false, "9999999"},     {nan, 7, 3, false, "  0.000"},
      {0.0005, 7, 3, false, "  0.001"},  // exact decimal rounding, as printf
      {2.675, 7, 2, false, "   2.67"},   // 2.675 is 2.67499999... in binary
      {10000, 7, 2, false, "10000.0"},   // a gable weight
      {350, 5, 0, false, "  350"},       {123456, 5, 0, false, "99999"},
      {-0.0, 7, 3, false, " -0.000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FixedField(c.value, c.width, c.decimals, c.left), c.text) << c.value;
}

TEST(ProjectFileFields, ScaledValuesRoundToTheNearestIntegerHalvesAwayFromZero) {
  EXPECT_EQ(ScaledForField(0.91, 1000), 910);
  EXPECT_EQ(ScaledForField(2.675, 1000), 2675);
  EXPECT_EQ(ScaledForField(0.0004, 1000), 0);    // 0.4 + 0.5 = 0.9
  EXPECT_EQ(ScaledForField(0.0005, 1000), 1);    // a half goes up
  EXPECT_EQ(ScaledForField(-0.5, 1000), -500);   // not -499: a negative value keeps its integer
  EXPECT_EQ(ScaledForField(-0.0005, 1000), -1);  // a half goes away from zero
  EXPECT_EQ(ScaledForField(-0.0004, 1000), 0);
  EXPECT_EQ(ScaledForField(2.5, 10), 25);
  EXPECT_EQ(ScaledForField(-2.5, 10), -25);
  EXPECT_EQ(ScaledForField(std::numeric_limits<double>::quiet_NaN(), 1000), 0);
}

// A value read from a "x 1000" or "x 10" field is the integer divided by the
// scale; writing it again must give the same integer, or the value drifts by
// one unit on every save.
TEST(ProjectFileFields, EveryScaledIntegerReadBackIsWrittenAsItself) {
  for (int64_t n = -200000; n <= 200000; n += 7) {
    EXPECT_EQ(ScaledForField(static_cast<double>(n) / 1000, 1000), n);
    EXPECT_EQ(ScaledForField(static_cast<double>(n) / 10, 10), n);
  }
}

TEST(ProjectFileFields, ReadingTakesTheLongestDecimalPrefixAfterBlanks) {
  struct Case {
    const char* text;
    int64_t integer;
    double decimal;
  } cases[] = {
      {"    7", 7, 7},
      {"   -3", -3, -3},
      {"  1.5", 1, 1.5},
      {"1500.00", 1500, 1500},
      {"   .5", 0, 0.5},
      {"  -.25", 0, -0.25},
      {" +12x", 12, 12},
      {" 12 34", 12, 12},
      {"12,5", 12, 12},
      {"1e3", 1, 1},
      {"  nan", 0, 0},
      {"  inf", 0, 0},
      {"", 0, 0},
      {"   ", 0, 0},
      {" - 4", 0, 0},
      {"\t\n 9", 9, 9},
      {"   -0.499", 0, -0.499},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseIntField(Span(c.text)), c.integer) << '"' << c.text << '"';
    EXPECT_EQ(ParseDecimalField(Span(c.text)), c.decimal) << '"' << c.text << '"';
  }
  // A field read with its NUL ends at the NUL.
  EXPECT_EQ(ParseIntField(Span(std::string("   42\0", 6))), 42);
  EXPECT_EQ(ParseIntField(Span("99999999999999999999999")), std::numeric_limits<int64_t>::max());
}

TEST(ProjectFileFields, ReaderNeverReadsPastItsBytes) {
  const std::string bytes = "   12   34";
  FieldReader r(Span(bytes), FieldWidths::Ytc);
  int32_t a = -1, b = -1, c = -1;
  r.Int(a, 5);
  r.Int(b, 5);
  EXPECT_TRUE(r.Ok());
  r.Int(c, 5);
  EXPECT_FALSE(r.Ok());
  EXPECT_EQ(a, 12);
  EXPECT_EQ(b, 34);
  EXPECT_EQ(c, -1);  // left alone
  EXPECT_TRUE(r.Take(1).empty());
}

}  // namespace
