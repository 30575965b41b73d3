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

constexpr std::int64_t TruncToInt64(double v) {
  // No double lies strictly between -2^63 - 2048 and -2^63, so >= is exact.
  if (v >= -9223372036854775808.0 && v < 9223372036854775808.0) return static_cast<std::int64_t>(v);
  return std::numeric_limits<std::int64_t>::min();
}
