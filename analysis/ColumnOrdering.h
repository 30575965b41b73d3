#pragma once
// The order of a storey's columns by two keys, as the chain has always made
// it with two exchange passes: first every entry against every later one by
// the first key (ascending), then entries of one first key against each
// other by the second (ascending). Keys are taken once, as 64-bit values, so
// a caller may negate a coordinate for a descending order.
#include <cstdint>

// Fills order[0..n) with the record indices 0..n-1 in that order. Where no two
// records share both keys the order is the plain sorted one; records stacked
// on the same keys end up where the exchange passes put them (their places
// depend on the swaps, so the passes are replayed for such a list).
void OrderByTwoKeys(const int64_t* first, const int64_t* second, int32_t n, int32_t* order);
