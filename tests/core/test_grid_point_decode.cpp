// Decoding a grid-point value: column type + 4 x hardware row, the floor mark
// 256 added on top, the whole value negated at an outer corner. The sign and
// the floor mark never change the column part, and the column part never
// reads as a floor.
#include <gtest/gtest.h>

#include "analysis/GridPointMap.h"

namespace {

TEST(GridPointDecode, EveryPartOfTheValueReadsBackOnItsOwn) {
  const struct {
    const char* what;
    int32_t value;
    int32_t type, hardware;
    bool floor, corner;
  } cases[] = {
      {"nothing", 0, 0, 0, false, false},
      {"floor without column", 256, 0, 0, true, false},
      {"column type 1, row 3: 1 + 12", 13, 1, 3, false, false},
      {"through column 2 on a floor, row 9: 256 + 2 + 36", 294, 2, 9, true, false},
      {"outer corner, type 3, row 2, floor: -(256 + 3 + 8)", -267, 3, 2, true, true},
      {"outer corner without floor, type 1, row 29: -(1 + 116)", -117, 1, 29, false, true},
      {"largest column part: 3 + 4 x 63", 255, 3, 63, false, false},
      {"type 0 with a hardware row: 4 x 5", 20, 0, 5, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(GridPointColumnType(c.value), c.type);
    EXPECT_EQ(GridPointHardware(c.value), c.hardware);
    EXPECT_EQ(GridPointHasFloor(c.value), c.floor);
    EXPECT_EQ(GridPointIsOuterCorner(c.value), c.corner);
  }
}

TEST(GridPointDecode, TheColumnCodeIsTypePlusFourTimesTheHardwareRow) {
  EXPECT_EQ(GridPointColumnCode(0, 0), 0);
  EXPECT_EQ(GridPointColumnCode(3, 2), 11);
  EXPECT_EQ(GridPointColumnCode(1, 29), 117);
  for (int32_t type = 0; type < 4; ++type) {
    for (int32_t hardware = 0; hardware < 30; ++hardware) {
      const int32_t code = GridPointColumnCode(type, hardware);
      for (const int32_t value : {code, code + GridPointFloorMark, -code, -(code + GridPointFloorMark)}) {
        EXPECT_EQ(GridPointColumnType(value), type) << value;
        EXPECT_EQ(GridPointHardware(value), hardware) << value;
      }
    }
  }
}

TEST(GridPointDecode, TheMostNegativeValueReadsWithoutOverflow) {
  // 2^31 = 8388608 x 256: no column part, a floor, a corner.
  const int32_t lowest = INT32_MIN;
  EXPECT_EQ(GridPointColumnType(lowest), 0);
  EXPECT_EQ(GridPointHardware(lowest), 0);
  EXPECT_TRUE(GridPointHasFloor(lowest));
  EXPECT_TRUE(GridPointIsOuterCorner(lowest));
}

}  // namespace
