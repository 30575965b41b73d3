#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/TextCodec.h"

namespace {

// Shows strings as code units so that a mismatch is readable.
std::string Hex(std::u16string_view s) {
  std::string out;
  char buf[8];
  for (char16_t c : s) {
    std::snprintf(buf, sizeof buf, "%04X ", static_cast<unsigned>(c));
    out += buf;
  }
  return out;
}

std::string Hex(std::string_view s) {
  std::string out;
  char buf[8];
  for (char c : s) {
    std::snprintf(buf, sizeof buf, "%02X ", static_cast<unsigned char>(c));
    out += buf;
  }
  return out;
}

struct Pair {
  const char* cp932;
  const char16_t* utf16;
};

// Characters whose CP932 mapping differs from plain Shift_JIS or is easy to get wrong.
const Pair kCp932RoundTrip[] = {
    {"\xB1", u"\uFF71"},                    // half-width katakana a
    {"\x82\xA0", u"\u3042"},                // hiragana a
    {"\x81\x40", u"\u3000"},                // ideographic space
    {"\x87\x55", u"\u2161"},                // roman numeral two (NEC row 13)
    {"\x81\x60", u"\uFF5E"},                // wave dash is the full-width tilde in CP932
    {"\x87\x75", u"\u33A1"},                // square metre
    {"\x87\x70", u"\u339D"},                // square centimetre
    {"\x81\x5F", u"\uFF3C"},                // full-width reverse solidus
    {"\x81\x7C", u"\uFF0D"},                // full-width hyphen-minus
    {"\x96\xD8\x91\xA2", u"\u6728\u9020"},  // wooden construction
    {"\\~ AZaz09!", u"\\~ AZaz09!"},        // ASCII, including the bytes Shift_JIS treats differently
    {"A\x82\xA0"
     "1\xB1",
     u"A\u30421\uFF71"},
    {"", u""},
};

TEST(Cp932, DecodesAndEncodesCharacterTable) {
  for (const Pair& p : kCp932RoundTrip) {
    EXPECT_EQ(Cp932ToUtf16(p.cp932), p.utf16) << Hex(std::string_view(p.cp932));
    EXPECT_EQ(Utf16ToCp932(p.utf16), p.cp932) << Hex(std::u16string_view(p.utf16));
  }
}

TEST(Cp932, BadBytesBecomeReplacementAndDecodingContinues) {
  const struct {
    std::string bytes;
    std::u16string expected;
  } cases[] = {
      {"\x81", u"\uFFFD"},                // lead byte alone
      {"AB\x81", u"AB\uFFFD"},            // lead byte at the end
      {"\x82\xA0\x82", u"\u3042\uFFFD"},  // truncated after a good pair
      {"\x82\x20"
       "B",
       u"\uFFFD B"},                                          // invalid trail is read again
      {"\x82\xA0\x81\x0A\x82\xA0", u"\u3042\uFFFD\n\u3042"},  // invalid pair mid-string
      {"\x85\x40X", u"\uFFFDX"},  // well-formed but unassigned pair: one character
  };
  for (const auto& c : cases)
    EXPECT_EQ(Cp932ToUtf16(c.bytes), c.expected) << Hex(c.bytes) << "-> " << Hex(Cp932ToUtf16(c.bytes));
}

TEST(Cp932, UnrepresentableCharactersBecomeQuestionMarks) {
  const struct {
    std::u16string text;
    std::string expected;
  } cases[] = {
      {u"A\uAC00B", "A?B"},  // Hangul is not in CP932
      {u"\U0001F600", "?"},  // one supplementary character, one '?'
      {u"x\xD800y", "x?y"},  // lone high surrogate
      {u"\xDC00", "?"},      // lone low surrogate
      {u"\xD800", "?"},      // high surrogate at the end
      {u"\u3042\uAC00\u3042", "\x82\xA0?\x82\xA0"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToCp932(c.text), c.expected) << Hex(c.text);
}

TEST(Cp932, ConvertsConcurrentlyFromManyThreads) {
  const std::u16string text = u"\u6728\u9020\u4F4F\u5B85 ABC \uFF71\u3000";
  const std::string bytes = Utf16ToCp932(text);
  std::vector<std::thread> threads;
  std::vector<int> bad(8, 0);
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 500; ++i) {
        if (Cp932ToUtf16(bytes + "\x81") != text + u"\uFFFD" || Utf16ToCp932(text) != bytes) ++bad[t];
      }
    });
  }
  for (auto& th : threads) th.join();
  for (int t = 0; t < 8; ++t) EXPECT_EQ(bad[t], 0) << "thread " << t;
}

TEST(Utf8, ConvertsBothWays) {
  const struct {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"", u""},
      {"Az~\x7F", u"Az~\x7F"},
      {"\xC3\xA9", u"\u00E9"},
      {"\xDF\xBF", u"\u07FF"},
      {"\xE3\x81\x82", u"\u3042"},
      {"\xEF\xBF\xBD", u"\uFFFD"},
      {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
      {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
      {"\xE5\xA3\x81\xE9\x87\x8F\n\n", u"\u58C1\u91CF\n\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << Hex(c.utf8);
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << Hex(c.utf16);
  }
}

TEST(Utf8, InvalidSequencesBecomeOneReplacementEach) {
  const struct {
    std::string utf8;
    std::u16string expected;
  } cases[] = {
      {"\x80", u"\uFFFD"},  // stray continuation byte
      {"\xFF"
       "A",
       u"\uFFFDA"},                             // never valid
      {"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong '/'
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},  // overlong three-byte form
      {"\xE3\x81", u"\uFFFD"},                  // truncated at the end
      {"\xE3\x81"
       "A\xE3\x81\x82",
       u"\uFFFDA\u3042"},                                 // truncated mid-string
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\xF0\x9F\x98", u"\uFFFD"},                        // truncated four-byte form
  };
  for (const auto& c : cases)
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.expected) << Hex(c.utf8) << "-> " << Hex(Utf8ToUtf16(c.utf8));
}

TEST(Utf8, LoneSurrogatesBecomeReplacement) {
  const struct {
    std::u16string utf16;
    std::string expected;
  } cases[] = {
      {u"\xD800", "\xEF\xBF\xBD"},
      {u"a\xDC00"
       "b",
       "a\xEF\xBF\xBD"
       "b"},
      {u"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // pair in the wrong order
      {u"\xD83D\xD83D\xDE00", "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(c.utf16), c.expected) << Hex(c.utf16);
}

TEST(FixedBuffer, CopyCutsToCapacityMinusOneAndZeroFillsTheRest) {
  const struct {
    std::size_t capacity;
    std::u16string src;
    std::u16string stored;
  } cases[] = {
      {5, u"abcdef", u"abcd"},
      {5, u"abcd", u"abcd"},
      {5, u"ab", u"ab"},
      {1, u"abc", u""},
      {4, u"ab\xD83D\xDE00", u"ab"},              // would end on a high surrogate
      {5, u"ab\xD83D\xDE00", u"ab\xD83D\xDE00"},  // the pair fits
      {6, u"\u8EFD\u3044\u5EFA\u7269\u3067\u3059", u"\u8EFD\u3044\u5EFA\u7269\u3067"},
  };
  for (const auto& c : cases) {
    char16_t buf[10];
    std::fill(std::begin(buf), std::end(buf), u'#');
    CopyToFixed(buf, c.capacity, c.src);
    EXPECT_EQ(FixedView(buf, c.capacity), c.stored) << "capacity " << c.capacity;
    for (std::size_t i = c.stored.size(); i < c.capacity; ++i)
      EXPECT_EQ(buf[i], u'\0') << "capacity " << c.capacity << " index " << i;
    for (std::size_t i = c.capacity; i < std::size(buf); ++i)
      EXPECT_EQ(buf[i], u'#') << "written past capacity " << c.capacity;
  }
}

TEST(FixedBuffer, ZeroCapacityWritesNothing) {
  char16_t buf[2] = {u'#', u'#'};
  CopyToFixed(buf, 0, u"abc");
  EXPECT_EQ(buf[0], u'#');
  EXPECT_EQ(buf[1], u'#');
}

TEST(FixedBuffer, ViewStopsAtTheFirstNulOrAtCapacity) {
  const char16_t full[4] = {u'a', u'b', u'c', u'd'};
  EXPECT_EQ(FixedView(full, 4), u"abcd");
  EXPECT_EQ(FixedView(full, 2), u"ab");
  const char16_t withNul[5] = {u'a', u'\0', u'c', u'd', u'\0'};
  EXPECT_EQ(FixedView(withNul, 5), u"a");
  EXPECT_EQ(FixedView(withNul, 0), u"");
}

}  // namespace
