#pragma once
// Visits the grid points of element records, for the operations that move
// the whole model (recentring, rotation).
#include <cstdint>

#include "model/ElementLists.h"
#include "model/ModelAccess.h"

// Calls f(x, y) with references to each grid point of the record: one for a
// column, two for a two-point kind, three for a triangle.
template <typename Record, typename F>
void ForEachPointOf(Record& record, F&& f) {
  if constexpr (requires { record.X3; }) {
    f(record.X1, record.Y1);
    f(record.X2, record.Y2);
    f(record.X3, record.Y3);
  } else if constexpr (requires { record.X1; }) {
    f(record.X1, record.Y1);
    f(record.X2, record.Y2);
  } else {
    f(record.X, record.Y);
  }
}

// Calls f(record) for every record of all twelve kinds in the three variants
// and all storeys (the undo snapshots are not visited).
template <typename F>
void ForEachVariantRecord(F&& f) {
#define QUILMORA_VISIT_LIST(kind, Record, records, count, swapBlock, max) \
  for (int32_t v = 0; v < VariantCount; ++v)                              \
    for (int32_t s = 0; s < StoreyCount; ++s)                             \
      for (int32_t i = 0, n = CountOf(count, v, s, max); i < n; ++i) f((records)[v][s][i]);
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_VISIT_LIST)
#undef QUILMORA_VISIT_LIST
}

// True when every point of every variant record, moved by (dx, dy) axes,
// stays on the 200 x 200 grid.
inline bool EveryPointStaysOnGrid(int32_t dx, int32_t dy) {
  bool inside = true;
  ForEachVariantRecord([&](auto& record) {
    ForEachPointOf(record, [&](int32_t x, int32_t y) {
      if (!OnGrid(x + dx, y + dy)) inside = false;
    });
  });
  return inside;
}
