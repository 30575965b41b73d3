#pragma once
// The smaller or larger of two values. On a tie the second argument wins, and
// for doubles also when either value is a NaN: callers rely on exactly this.
#include <cstdint>

inline int32_t MinInt(int32_t a, int32_t b) { return a < b ? a : b; }
inline int32_t MaxInt(int32_t a, int32_t b) { return a > b ? a : b; }
inline double MinDouble(double a, double b) { return a < b ? a : b; }
inline double MaxDouble(double a, double b) { return a > b ? a : b; }
