#pragma once
// Whether two walls given by grid-axis indices cross or overlap: the test
// that keeps a new wall from crossing the walls of its storey.
#include <cstdint>

// 1 when the segment (x1, y1)-(x2, y2) crosses or overlaps the segment
// (x3, y3)-(x4, y4), else 0; arguments are grid-axis indices. A shared end
// point, a T-junction or an end touching the other segment is not a crossing.
int32_t WallsCross(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                   int32_t y4);
