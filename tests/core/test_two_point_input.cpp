// The ends that pick a stored two-point element: as clicked, or also reversed.
// The input routines themselves are tested per element kind.
#include <gtest/gtest.h>

#include "editing/TwoPointInput.h"

namespace {

TEST(TwoPointInput, TheEndsPickARecordAsClickedOrInEitherOrder) {
  FoundationRecord r{};
  r.X1 = 2, r.Y1 = 5, r.X2 = 7, r.Y2 = 5;
  const struct {
    const char* what;
    GridSegment clicked;
    bool asClicked, eitherOrder;
  } cases[] = {
      {"the same ends", {2, 5, 7, 5}, true, true},
      {"reversed", {7, 5, 2, 5}, false, true},
      {"one end differs", {2, 5, 7, 6}, false, false},
      {"x and y of an end swapped", {5, 2, 7, 5}, false, false},
      {"one end twice", {2, 5, 2, 5}, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(JoinsEnds(r, c.clicked, EndOrder::AsClicked), c.asClicked);
    EXPECT_EQ(JoinsEnds(r, c.clicked, EndOrder::EitherOrder), c.eitherOrder);
  }
}

}  // namespace
