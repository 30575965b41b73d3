#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Format.h"
#include "platform/TextCodec.h"

namespace {

struct ACase {
  const char* label;
  std::function<std::string()> format;
  std::string expected;
};

TEST(FormatA, GivesCPrintfTexts) {
  const ACase cases[] = {
      {"%6.2f 1.005 (binary value lies below 1.005)", [] { return FormatA("%6.2f", 1.005); }, "  1.00"},
      {"%5i", [] { return FormatA("%5i", -12); }, "  -12"},
      {"%8li", [] { return FormatA("%8li", 12345L); }, "   12345"},
      {"%16li", [] { return FormatA("%16li", -1234567890123L); }, "  -1234567890123"},
      {"%-7.3f", [] { return FormatA("[%-7.3f]", -0.5); }, "[-0.500 ]"},
      {"%7.3f wider than the field", [] { return FormatA("%7.3f", 1234.5); }, "1234.500"},
      {"%5.0f tie rounds to even", [] { return FormatA("%5.0f", 2.5); }, "    2"},
      {"%5.0f 3.5", [] { return FormatA("%5.0f", 3.5); }, "    4"},
      {"%e", [] { return FormatA("%e", 12345.678); }, "1.234568e+04"},
      {"%g", [] { return FormatA("%g %g %g", 0.0001, 0.00001, 1e6); }, "0.0001 1e-05 1e+06"},
      {"%05d %x %#o", [] { return FormatA("%05d %x %#o", 42, 255, 8); }, "00042 ff 010"},
      {"UTF-8 passes through", [] { return FormatA("%s=%d", "\xE6\x9F\xB1", 3); }, "\xE6\x9F\xB1=3"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.format(), c.expected) << c.label;
}

TEST(FormatA, LongResultIsNotTruncated) {
  const std::string name(1000, 'x');
  const std::string s = FormatA("<%s|%5d>", name.c_str(), 7);
  EXPECT_EQ(s, "<" + name + "|    7>");
}

struct WCase {
  const char* label;
  std::function<std::u16string()> format;
  std::u16string expected;
};

TEST(FormatW, NumbersMatchCPrintf) {
  const WCase cases[] = {
      {"%6.2f", [] { return FormatW(u"%6.2f", 1.005); }, u"  1.00"},
      {"%5i", [] { return FormatW(u"%5i", -12); }, u"  -12"},
      {"%8li", [] { return FormatW(u"%8li", 12345L); }, u"   12345"},
      {"%16li", [] { return FormatW(u"%16li", -1234567890123L); }, u"  -1234567890123"},
      {"%-7.3f", [] { return FormatW(u"[%-7.3f]", -0.5); }, u"[-0.500 ]"},
      {"%7.3f", [] { return FormatW(u"%7.3f", 1234.5); }, u"1234.500"},
      {"%5.0f", [] { return FormatW(u"%5.0f", 2.5); }, u"    2"},
      {"%08.3f", [] { return FormatW(u"%08.3f", -3.14159); }, u"-003.142"},
      {"%+d % d", [] { return FormatW(u"%+d|% d", 5, 5); }, u"+5| 5"},
      {"%e %E", [] { return FormatW(u"%e %E", 12345.678, 0.00012); }, u"1.234568e+04 1.200000E-04"},
      {"%g %G", [] { return FormatW(u"%g %g %G", 100000.0, 1e6, 1e-10); }, u"100000 1e+06 1E-10"},
      {"%#x %X %o", [] { return FormatW(u"%#x %X %o", 255u, 255u, 8u); }, u"0xff FF 10"},
      {"%u", [] { return FormatW(u"%u", 4294967295u); }, u"4294967295"},
      {"%d INT_MIN", [] { return FormatW(u"%d", INT_MIN); }, u"-2147483648"},
      {"%hd narrows", [] { return FormatW(u"%hd", 70000); }, u"4464"},
      {"%hhu narrows", [] { return FormatW(u"%hhu", 300); }, u"44"},
      {"%lld", [] { return FormatW(u"%lld", -9000000000LL); }, u"-9000000000"},
      {"%llu", [] { return FormatW(u"%llu", 18446744073709551615ULL); }, u"18446744073709551615"},
      {"%*d %-*d", [] { return FormatW(u"[%*d|%-*d]", 5, 42, 4, 7); }, u"[   42|7   ]"},
      {"%*d negative width", [] { return FormatW(u"[%*d]", -5, 42); }, u"[42   ]"},
      {"%.*f", [] { return FormatW(u"%.*f", 3, 3.14159); }, u"3.142"},
      {"%.*f negative precision", [] { return FormatW(u"%.*f", -1, 1.5); }, u"1.500000"},
      {"%*.*f", [] { return FormatW(u"[%*.*f]", 8, 2, 2.3456); }, u"[    2.35]"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(c.format()), Utf16ToUtf8(c.expected)) << c.label;
}

TEST(FormatW, StringsAndCharactersCountUtf16CodeUnits) {
  const char16_t* name = u"軽い建物";
  const WCase cases[] = {
      {"%-20s", [&] { return FormatW(u"[%-20s]", name); }, u"[軽い建物                ]"},
      {"%20s", [&] { return FormatW(u"[%20s]", name); }, u"[                軽い建物]"},
      {"%3s longer than width", [] { return FormatW(u"[%3s]", u"木造住宅です"); }, u"[木造住宅です]"},
      {"%.2s", [&] { return FormatW(u"[%.2s]", name); }, u"[軽い]"},
      {"%-6.2s", [&] { return FormatW(u"[%-6.2s]", name); }, u"[軽い    ]"},
      {"%.9s longer than text", [&] { return FormatW(u"[%.9s]", name); }, u"[軽い建物]"},
      {"%-*s", [&] { return FormatW(u"[%-*s]", 6, name); }, u"[軽い建物  ]"},
      {"%ls", [&] { return FormatW(u"%ls", name); }, u"軽い建物"},
      {"%hs is UTF-8", [] { return FormatW(u"[%4hs]", "\xE6\x9F\xB1"); }, u"[   柱]"},
      {"%s null", [] { return FormatW(u"%s", static_cast<const char16_t*>(nullptr)); }, u"(null)"},
      {"%c", [] { return FormatW(u"%c%c", 0x3042, 'A'); }, u"あA"},
      {"%3c %-3c", [] { return FormatW(u"[%3c|%-3c]", 'x', 'y'); }, u"[  x|y  ]"},
      {"%%", [] { return FormatW(u"100%%"); }, u"100%"},
      {"mixed", [] { return FormatW(u"%s: %d 本 (%.1f%%)", u"柱", 12, 37.25); }, u"柱: 12 本 (37.2%)"},
      {"surrogate pair counts two", [] { return FormatW(u"[%3s]", u"\U0001F600"); }, u"[ \U0001F600]"},
      {"unknown conversion kept", [] { return FormatW(u"%y|%Ld", 1); }, u"%y|%Ld"},
      {"lone % at the end kept", [] { return FormatW(u"50%"); }, u"50%"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(c.format()), Utf16ToUtf8(c.expected)) << c.label;
}

TEST(FormatW, LongResultIsNotTruncated) {
  const std::u16string name(1000, u'壁');
  const std::u16string s = FormatW(u"%s%8.3f", name.c_str(), 1.0);
  EXPECT_EQ(s, name + u"   1.000");
}

// Restores the C locale when a test has switched the process to another one.
class CommaLocale : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') return;
    }
    std::setlocale(LC_ALL, "C");
    GTEST_SKIP() << "no locale with a decimal comma is installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaLocale, NumbersKeepTheDecimalPoint) {
  char plain[16];
  std::snprintf(plain, sizeof plain, "%.1f", 1.5);
  ASSERT_STREQ(plain, "1,5") << "the locale is not in effect";

  EXPECT_EQ(FormatA("%.1f", 1.5), "1.5");
  EXPECT_EQ(FormatA("%8.3f|%g", -1234.5, 0.25), "-1234.500|0.25");
  EXPECT_EQ(FormatW(u"%.1f", 1.5), u"1.5");
  EXPECT_EQ(FormatW(u"%s %6.2f", u"柱", 2.5), u"柱   2.50");

  // The caller's locale is left as it was.
  std::snprintf(plain, sizeof plain, "%.1f", 1.5);
  EXPECT_STREQ(plain, "1,5");
}

TEST_F(CommaLocale, ThreadsFormattingTogetherAllUseTheDecimalPoint) {
  std::vector<int> bad(6, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 6; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        if (FormatA("%.2f", i + 0.25) != std::to_string(i) + ".25") ++bad[t];
        if (FormatW(u"%.1f", 0.5) != u"0.5") ++bad[t];
      }
    });
  }
  for (auto& th : threads) th.join();
  for (int t = 0; t < 6; ++t) EXPECT_EQ(bad[t], 0) << "thread " << t;
}

}  // namespace
