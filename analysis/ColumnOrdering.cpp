#include "analysis/ColumnOrdering.h"

#include <algorithm>
#include <utility>

#include "model/ElementLists.h"

namespace {

// The two exchange passes themselves, with the keys moved along with the
// entries so that no comparison looks a record up.
void ExchangePasses(const int64_t* first, const int64_t* second, int32_t n, int32_t* order) {
  int64_t a[MaxColumnsPerStorey], b[MaxColumnsPerStorey];
  for (int32_t i = 0; i < n; ++i) a[i] = first[order[i]], b[i] = second[order[i]];
  const auto swap = [&](int32_t i, int32_t j) {
    std::swap(order[i], order[j]);
    std::swap(a[i], a[j]);
    std::swap(b[i], b[j]);
  };
  for (int32_t i = 0; i < n - 1; ++i)
    for (int32_t j = i + 1; j < n; ++j)
      if (a[i] > a[j]) swap(i, j);
  // Entries of one first key now stand together: the second pass meets no
  // other entry with the same first key beyond the end of its run.
  for (int32_t i = 0; i < n - 1; ++i)
    for (int32_t j = i + 1; j < n && a[j] == a[i]; ++j)
      if (b[i] > b[j]) swap(i, j);
}

}  // namespace

void OrderByTwoKeys(const int64_t* first, const int64_t* second, int32_t n, int32_t* order) {
  n = std::clamp<int32_t>(n, 0, MaxColumnsPerStorey);
  for (int32_t i = 0; i < n; ++i) order[i] = i;
  const auto before = [&](int32_t x, int32_t y) {
    return first[x] != first[y] ? first[x] < first[y] : second[x] < second[y];
  };
  std::sort(order, order + n, before);
  for (int32_t i = 1; i < n; ++i) {
    if (first[order[i - 1]] != first[order[i]] || second[order[i - 1]] != second[order[i]]) continue;
    for (int32_t k = 0; k < n; ++k) order[k] = k;
    ExchangePasses(first, second, n, order);
    return;
  }
}
