// The two column orders of the chain (ColumnOrderX: X ascending, Y descending
// within one X; ColumnOrderY: Y descending, X ascending within one Y) come
// from one sort that takes the keys once. Columns stacked on one point keep
// the places that the program's exchange passes have always given them, so
// every list is checked against those passes as they were written before:
// thousands of random lists, half of them full of stacked columns.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "ModelFixture.h"
#include "analysis/ColumnOrdering.h"
#include "analysis/GridPointMap.h"
#include "model/ElementLists.h"
#include "model/ViewState.h"

namespace {

// The order by X as the chain made it before: two exchange passes over the
// records.
std::vector<int32_t> ExchangeOrderByX(const std::vector<ColumnRecord>& columns) {
  const int32_t n = static_cast<int32_t>(columns.size());
  std::vector<int32_t> order(columns.size());
  for (int32_t j = 0; j < n; ++j) order[j] = j;
  for (int32_t i = 0; i < n - 1; ++i)
    for (int32_t j = i + 1; j < n; ++j)
      if (columns[order[i]].X > columns[order[j]].X) std::swap(order[i], order[j]);
  for (int32_t i = 0; i < n - 1; ++i)
    for (int32_t j = i + 1; j < n; ++j) {
      const ColumnRecord& a = columns[order[i]];
      const ColumnRecord& b = columns[order[j]];
      if (a.X == b.X && a.Y < b.Y) std::swap(order[i], order[j]);
    }
  return order;
}

// The order by Y as the N-value check made it before.
std::vector<int32_t> ExchangeOrderByY(const std::vector<ColumnRecord>& columns) {
  const int32_t n = static_cast<int32_t>(columns.size());
  std::vector<int32_t> order(columns.size());
  for (int32_t j = 0; j < n; ++j) order[j] = j;
  for (int32_t i = 0; i < n - 1; ++i)
    for (int32_t j = i + 1; j < n; ++j)
      if (columns[order[i]].Y < columns[order[j]].Y) std::swap(order[i], order[j]);
  for (int32_t i = 0; i < n - 1; ++i)
    for (int32_t j = i + 1; j < n; ++j) {
      const ColumnRecord& a = columns[order[i]];
      const ColumnRecord& b = columns[order[j]];
      if (a.Y == b.Y && b.X < a.X) std::swap(order[i], order[j]);
    }
  return order;
}

std::vector<int32_t> OrderByY(const std::vector<ColumnRecord>& columns) {
  const int32_t n = static_cast<int32_t>(columns.size());
  std::vector<int64_t> minusY(columns.size()), x(columns.size());
  for (int32_t j = 0; j < n; ++j) minusY[j] = -int64_t{columns[j].Y}, x[j] = columns[j].X;
  std::vector<int32_t> order(columns.size());
  OrderByTwoKeys(minusY.data(), x.data(), n, order.data());
  return order;
}

class ColumnOrderingTest : public ModelTest {};

TEST_F(ColumnOrderingTest, RandomListsWithAndWithoutStackedColumnsKeepTheExchangeOrder) {
  std::mt19937 random(20250611);
  int stackedLists = 0;
  for (int list = 0; list < 3000; ++list) {
    // Every 25th list full; the others short, as most storeys are.
    const int32_t n = list % 25 == 0 ? MaxColumnsPerStorey : static_cast<int32_t>(random() % 41);
    // Odd lists crowd the columns onto a few points (stacked twins
    // everywhere); even lists spread them over the grid (few or none).
    const int32_t span = list % 2 == 1 ? 2 + static_cast<int32_t>(random() % 4) : 200;
    std::vector<ColumnRecord> columns(static_cast<size_t>(n));
    for (ColumnRecord& c : columns) {
      c.X = static_cast<int32_t>(random() % span);
      c.Y = static_cast<int32_t>(random() % span);
    }
    // Damaged files: coordinates at the ends of the range.
    if (list % 50 == 7 && n > 2) columns[0].Y = INT_MIN, columns[1].X = INT_MAX, columns[2].Y = INT_MAX;
    if (list % 2 == 1 && n > 1) ++stackedLists;
    SCOPED_TRACE(testing::Message() << "list " << list << ", " << n << " columns");

    ResetModel(ResetForNewProject);
    CurrentVariant = 0;
    ProjectSettings.TopStorey[0] = 0;
    for (int32_t j = 0; j < n; ++j) Columns[0][0][j] = columns[j];
    ColumnCount[0][0] = n;
    SortColumnIndex();
    ASSERT_EQ(std::vector<int32_t>(ColumnOrderX[0][0], ColumnOrderX[0][0] + n), ExchangeOrderByX(columns));
    ASSERT_EQ(OrderByY(columns), ExchangeOrderByY(columns));
  }
  EXPECT_GT(stackedLists, 1000);
}

TEST_F(ColumnOrderingTest, StackedColumnsBetweenOthersTakeTheExchangePlaces) {
  // Records 0, 2 and 4 stand on (3, 5), records 1 and 3 at (1, 2) and (1, 8).
  const std::vector<ColumnRecord> columns = [] {
    std::vector<ColumnRecord> c(5);
    const int32_t xy[5][2] = {{3, 5}, {1, 2}, {3, 5}, {1, 8}, {3, 5}};
    for (int k = 0; k < 5; ++k) c[k].X = xy[k][0], c[k].Y = xy[k][1];
    return c;
  }();
  // By Y descending, first pass over [0 1 2 3 4] (Y 5 2 5 8 5):
  //  i=0: j=3 (Y 8 > 5) swaps -> [3 1 2 0 4];
  //  i=1 (Y 2): j=2 (Y 5) swaps -> [3 2 1 0 4]; then record 2 (Y 5) meets
  //       record 0 (Y 5) and 4 (Y 5): no swap;
  //  i=2 (record 1, Y 2): j=3 (record 0, Y 5) swaps -> [3 2 0 1 4];
  //       record 0 meets record 4 (Y 5): no swap;
  //  i=3 (record 1, Y 2): j=4 (Y 5) swaps -> [3 2 0 4 1].
  // Second pass: records 2, 0, 4 share Y 5 and X 3: no swap.
  EXPECT_EQ(OrderByY(columns), (std::vector<int32_t>{3, 2, 0, 4, 1}));
  EXPECT_EQ(OrderByY(columns), ExchangeOrderByY(columns));
}

}  // namespace
