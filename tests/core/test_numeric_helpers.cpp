// MinInt/MaxInt/MinDouble/MaxDouble return the second argument on a tie and,
// for doubles, whenever either argument is a NaN; storey masks use only the
// low three bits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/ElementLists.h"
#include "model/NumericHelpers.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumericHelpers, IntegersTakeTheSecondOnATie) {
  EXPECT_EQ(MinInt(3, 5), 3);
  EXPECT_EQ(MinInt(5, 3), 3);
  EXPECT_EQ(MaxInt(3, 5), 5);
  EXPECT_EQ(MaxInt(-7, -7), -7);
}

TEST(NumericHelpers, DoublesFollowTheComparisonLiterally) {
  EXPECT_EQ(MinDouble(1.0, 2.0), 1.0);
  EXPECT_EQ(MaxDouble(1.0, 2.0), 2.0);
  // A tie of 0.0 and -0.0 returns the second argument.
  EXPECT_TRUE(std::signbit(MinDouble(0.0, -0.0)));
  EXPECT_FALSE(std::signbit(MaxDouble(-0.0, 0.0)));
  // With a NaN the comparison is false, so the second argument is returned.
  EXPECT_TRUE(std::isnan(MinDouble(1.0, kNaN)));
  EXPECT_EQ(MinDouble(kNaN, 1.0), 1.0);
  EXPECT_TRUE(std::isnan(MaxDouble(1.0, kNaN)));
  EXPECT_EQ(MaxDouble(kNaN, 1.0), 1.0);
}

TEST(NumericHelpers, StoreyMaskSelectsStoreysByBit) {
  struct Case {
    int32_t mask;
    bool storey1, storey2, storey3;
  } cases[] = {
      {0, false, false, false}, {5, true, false, true},   {7, true, true, true},
      {2, false, true, false},  {8, false, false, false},  // bit 3 means nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    EXPECT_EQ(StoreyInMask(c.mask, 0), c.storey1);
    EXPECT_EQ(StoreyInMask(c.mask, 1), c.storey2);
    EXPECT_EQ(StoreyInMask(c.mask, 2), c.storey3);
  }
}

}  // namespace
