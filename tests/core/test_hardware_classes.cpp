// Joint hardware classes: each classification at and around its limits (the
// tables count N-value limits reached, everything else limits passed), the
// capacity of the hardware rows, the column colours and the two text tables.
#include <gtest/gtest.h>

#include <string>

#include "ModelFixture.h"
#include "evaluation/HardwareClasses.h"
#include "model/ElementTables.h"
#include "model/PlanPalette.h"

namespace {

using HardwareClassTest = ModelTest;

struct ValueCase {
  double value;
  HardwareClass expected;
};

TEST(HardwareClasses, TableNValueCountsLimitsReached) {
  // clang-format off
  const ValueCase cases[] = {
      {-1.0, 0},       // negative: no limit reached
      {0.0, 0},        // below 0.000001
      {0.000001, 1},   // reaches 0.000001
      {0.65, 1},       // below 0.650001
      {0.6500005, 1},  // still below 0.650001
      {0.650001, 2},   // reaches 0.650001 (the frames say class 1 here)
      {0.650002, 2},
      {1.0, 2},
      {1.000001, 3},
      {1.400001, 4},
      {1.800001, 6},   // 0.000001 .. 1.800001: six limits
      {2.8, 6},
      {3.700001, 8},
      {5.6, 9},        // below 5.600001
      {5.600001, 10},  // the tenth and last limit of the tables
      {6.0, 10},
      {7.500001, 10},  // the eleventh limit belongs to the frames only
      {8.0, 10},
  };
  // clang-format on
  for (const ValueCase& c : cases) EXPECT_EQ(ClassifyTableNValue(c.value), c.expected) << c.value;
}

TEST(HardwareClasses, TablePullOutCountsLimitsPassed) {
  // clang-format off
  const ValueCase cases[] = {
      {-1.0, 0},
      {0.0, 0},     // 0 is not passed
      {0.001, 1},   // passes 0
      {3.4, 1},
      {3.41, 1},    // 3.44 not passed (the frames say class 2 here)
      {3.44, 1},
      {3.4401, 2},  // passes 0 and 3.44
      {5.29, 2},
      {5.3, 3},
      {9.53, 5},    // passes 0, 3.44, 5.29, 7.41, 8.47
      {9.54, 6},
      {29.64, 9},
      {29.65, 10},  // passes all ten
      {50.0, 10},   // the tables stop at (ぬ+)
  };
  // clang-format on
  for (const ValueCase& c : cases) EXPECT_EQ(ClassifyTablePullOut(c.value), c.expected) << c.value;
}

TEST(HardwareClasses, JointDemandByMethod) {
  struct Case {
    int32_t method;
    double t, n;
    HardwareClass expected;
  } cases[] = {
      // Converted N-value method: the tension alone.
      {1, -1.0, 0, 0},
      {1, 0.0, 8.0, 0},
      {1, 0.01, 0, 1},
      {1, 3.4, 0, 1},
      {1, 3.41, 0, 2},
      {1, 3.44, 0, 2},  // the table says (ろ) here
      {1, 5.1, 0, 2},
      {1, 5.11, 0, 3},
      {1, 30.0, 0, 9},
      {1, 30.01, 0, 10},
      {1, 40.0, 0, 10},
      {1, 40.01, 0, 11},
      {1, 50.0, 0, 11},
      // N-value method: the N-value alone.
      {0, 50.0, 0.0, 0},
      {0, 0, 0.000001, 0},
      {0, 0, 0.0000011, 1},
      {0, 0, 0.65, 1},
      {0, 0, 0.650001, 1},  // the table says (は) here
      {0, 0, 0.650002, 2},
      {0, 0, 5.600001, 9},
      {0, 0, 6.0, 10},
      {0, 0, 7.500001, 10},
      {0, 0, 7.500002, 11},
      {0, 0, 8.0, 11},
      // Allowable stress calculation and unknown methods.
      {2, 50.0, 8.0, 0},
      {-1, 50.0, 8.0, 0},
      {3, 50.0, 8.0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("method " + std::to_string(c.method) + " T " + std::to_string(c.t) + " N " +
                 std::to_string(c.n));
    EXPECT_EQ(ClassifyJointDemand(c.method, c.t, c.n), c.expected);
  }
}

TEST(HardwareClasses, JointCapacityCountsTensionLimitsPassed) {
  const ValueCase cases[] = {
      {-1.0, 0}, {0.0, 0}, {0.1, 1},  {3.4, 1},   {5.0, 2},
      {7.5, 3},  {7.6, 4}, {10.0, 5}, {40.0, 10}, {40.5, 11},
  };
  for (const ValueCase& c : cases) EXPECT_EQ(ClassifyJointCapacity(c.value), c.expected) << c.value;
}

TEST_F(HardwareClassTest, CapacityOfTheHardwareRows) {
  // Rows 0 (0 kN), 1 VP (5.0), 2 告示 (10.0), 3 (7.5); rows 4..14 carry the tension limits themselves.
  const HardwareClass expected[] = {0, 2, 5, 3, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0};
  for (int row = 0; row < 16; ++row) EXPECT_EQ(JointCapacityClassOfRow(row), expected[row]) << row;

  JointHardwareTable[15].AllowableTension = 12.0;  // 10 < 12 <= 15
  EXPECT_EQ(JointCapacityClassOfRow(15), 6);

  // A row outside the table carries nothing, so every demand shows as insufficient.
  EXPECT_EQ(JointCapacityClassOfRow(-1), 0);
  EXPECT_EQ(JointCapacityClassOfRow(JointHardwareTableRows), 0);
}

TEST(HardwareClasses, DemandColours) {
  struct Case {
    HardwareClass hardwareClass;
    int entry;
  } cases[] = {
      {0, 1},
      {1, 1},
      {2, 2},
      {5, 5},
      {9, 9},
      {10, 9},
      {11, 10},
      // Outside the scale: the nearest end.
      {-3, 1},
      {12, 10},
      {1000, 10},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DemandClassColour(c.hardwareClass), ClassColourScale[c.entry]) << c.hardwareClass;
}

TEST(HardwareClasses, TextTables) {
  // ASCII parentheses and "+", full-width Ｓ Ｈ Ｄ, digits and "－" (U+FF0D), "×" U+00D7; no blanks.
  const char* symbols[HardwareClassCount] = {
      "(い)", "(ろ)", "(は)", "(に)", "(ほ)", "(へ)", "(と)", "(ち)", "(り)", "(ぬ)", "(ぬ+)", "(\u00d7)",
  };
  const char* labels[HardwareClassCount] = {
      "(い)カスガイ",
      "(ろ)\uff23\uff30\uff2c",
      "(は)\uff36\uff30",
      "(に)羽子板(釘なし)",
      "(ほ)羽子板(釘あり)",
      "(へ)\uff33\uff0d\uff28\uff24\uff11\uff10",
      "(と)\uff33\uff0d\uff28\uff24\uff11\uff15",
      "(ち)\uff33\uff0d\uff28\uff24\uff12\uff10",
      "(り)\uff33\uff0d\uff28\uff24\uff12\uff15",
      "(ぬ)\uff33\uff0d\uff28\uff24\uff11\uff15\u00d7\uff12",
      "(ぬ+)\uff33\uff0d\uff28\uff24\uff12\uff10\u00d7\uff12",
      "不可",
  };
  for (int k = 0; k < HardwareClassCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(U8(HardwareClassSymbols[k]), symbols[k]);
    EXPECT_EQ(U8(HardwareClassLabels[k]), labels[k]);
  }
}

struct ColumnClassCase {
  int32_t method;
  double t, n;
  HardwareClass fill, label;
};

// The plan's column fill counts limits passed: pull-out limits 0, 3.44, 5.29,
// ... 29.64 (method 1) or the first ten N-value limits (method 0), so it ends
// at 10. The label beside it uses the tension bounds 0, 3.4, 5.1, ... 40
// passed (method 1) or all eleven N-value limits reached (method 0), up to 11.
TEST(HardwareClasses, PlanColumnFillAndLabelClasses) {
  // clang-format off
  const ColumnClassCase cases[] = {
      {1, 0.0, 0, 0, 0},
      {1, 3.4, 0, 1, 1},      // 3.4 is the label bound itself
      {1, 3.41, 0, 1, 2},     // label passes 3.4, fill not yet 3.44
      {1, 3.44, 0, 1, 2},
      {1, 3.4401, 0, 2, 2},
      {1, 20.0, 0, 8, 7},     // fill passes 19.58; label (ち) stops at 20
      {1, 29.64, 0, 9, 9},
      {1, 29.65, 0, 10, 9},
      {1, 40.0, 0, 10, 10},
      {1, 40.01, 0, 10, 11},
      {1, 9.0, 99, 5, 5},     // method 1 ignores N
      {0, 0, 0.0, 0, 0},
      {0, 0, 0.000001, 0, 1}, // the label reaches the first limit, the fill does not pass it
      {0, 0, 0.65, 1, 1},
      {0, 0, 0.650001, 1, 2},
      {0, 0, 0.650002, 2, 2},
      {0, 0, 5.600001, 9, 10},
      {0, 0, 7.5, 10, 10},
      {0, 0, 7.500001, 10, 11},
      {0, 99, 1.2, 3, 3},     // method 0 ignores T
      {2, 50, 9.0, 0, 0},
      {7, 50, 9.0, 0, 0},
  };
  // clang-format on
  for (const ColumnClassCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "method " << c.method << " T " << c.t << " N " << c.n);
    EXPECT_EQ(ClassifyColumnFill(c.method, c.t, c.n), c.fill);
    EXPECT_EQ(ClassifyColumnDemandLabel(c.method, c.t, c.n), c.label);
  }
}

}  // namespace
