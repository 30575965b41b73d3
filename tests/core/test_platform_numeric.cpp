#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/Numeric.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// In a constant expression an out-of-range cast does not compile, so these
// prove that no such cast is reached.
static_assert(TruncToInt(-2.9) == -2);
static_assert(TruncToInt(kNaN) == INT32_MIN);
static_assert(TruncToInt(kInf) == INT32_MIN);
static_assert(TruncToInt(2147483648.0) == INT32_MIN);
static_assert(TruncToInt64(9223372036854775808.0) == INT64_MIN);
static_assert(TruncToInt64(-kInf) == INT64_MIN);

TEST(TruncToInt, TruncatesTowardZeroAndGivesMinimumOutsideTheRange) {
  const struct {
    double v;
    std::int32_t expected;
  } cases[] = {
      {2.9, 2},
      {-2.9, -2},
      {-0.5, 0},
      {-0.0, 0},
      {0.9999999999999999, 0},
      {std::numeric_limits<double>::denorm_min(), 0},
      {2147483647.0, 2147483647},
      {2147483647.9, 2147483647},
      {2147483648.0, INT32_MIN},
      {-2147483648.0, INT32_MIN},
      {-2147483648.9, -2147483647 - 1},
      {-2147483649.0, INT32_MIN},
      {1e300, INT32_MIN},
      {-1e300, INT32_MIN},
      {kNaN, INT32_MIN},
      {-kNaN, INT32_MIN},
      {kInf, INT32_MIN},
      {-kInf, INT32_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(TruncToInt(c.v), c.expected) << "value " << c.v;
}

TEST(TruncToInt64, TruncatesTowardZeroAndGivesMinimumOutsideTheRange) {
  const struct {
    double v;
    std::int64_t expected;
  } cases[] = {
      {-2.9, -2},
      {4294967296.5, 4294967296LL},
      {-4294967296.5, -4294967296LL},
      {9223372036854774784.0, 9223372036854774784LL},  // largest double below 2^63
      {9223372036854775808.0, INT64_MIN},              // 2^63
      {-9223372036854775808.0, INT64_MIN},             // -2^63 is in range and is the minimum
      {-9223372036854777856.0, INT64_MIN},             // next double below -2^63
      {1e19, INT64_MIN},
      {kNaN, INT64_MIN},
      {kInf, INT64_MIN},
      {-kInf, INT64_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(TruncToInt64(c.v), c.expected) << "value " << c.v;
}

}  // namespace
