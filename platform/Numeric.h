#pragma once

#include <cstdint>
#include <limits>

// double -> integer truncating toward zero like a C cast, but defined for
// every input: NaN and values outside the target range give the minimum
// value, which is what the x86 conversion instructions produce.

constexpr std::int32_t TruncToInt(double v) {
  // Both bounds are exact doubles; NaN fails both comparisons.
  if (v > -2147483649.0 && v < 2147483648.0) return static_cast<std::int32_t>(v);
  return std::numeric_limits<std::int32_t>::min();
}

// a / b in whole numbers, the remainder dropped (truncated toward zero), where
// a floating-point expression means the whole quotient: half a text's width
// in pixels, the middle pixel between two.
constexpr std::int32_t WholeQuotient(std::int32_t a, std::int32_t b) { return a / b; }

constexpr std::int64_t TruncToInt64(double v) {
  // No double lies strictly between -2^63 - 2048 and -2^63, so >= is exact.
  if (v >= -9223372036854775808.0 && v < 9223372036854775808.0) return static_cast<std::int64_t>(v);
  return std::numeric_limits<std::int64_t>::min();
}

#include <charconv>
#include <string_view>

// A text read as a number the way the C library's strtod reads it in the C
// locale: leading blanks skipped, the longest number at the start taken, 0
// when there is none (an empty text included). Infinities and NaN give 0 too,
// so that no input can put a non-finite value into the model.
inline double NumberOfText(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  if (begin < text.size() && text[begin] == '+') ++begin;
  double value = 0;
  const char* first = text.data() + begin;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  if (error != std::errc{} || end == first) return 0;
  if (!(value - value == 0)) return 0;  // inf or NaN
  return value;
}
