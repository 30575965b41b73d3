#pragma once
// The plan pages' legend of wall elements: which elements a storey uses and
// how each one is labelled.
#include <cstdint>
#include <string>
#include <vector>

// At most this many element samples stand in the legend.
constexpr int32_t LegendWallCodeLimit = 16;

// The element codes of the walls of storey s of variant v, in ascending
// order: 1 a wall whose every element is unknown; 2 (verification method
// only) a wall with an unknown panel; 8 x brace kind + 2 x end joint +
// arrangement for a brace; 128 x row for a mud wall; 2048 x row for a panel
// on either face. Codes are gathered in wall order and the gathering ends
// at the 17th distinct code, which is left out.
std::vector<int32_t> LegendWallCodes(int32_t v, int32_t s);

// The texts beside the sample of a code: its symbol (at most 13
// characters), its strength ("%5.2f", empty when not above 0) and its
// description (at most 41 characters).
struct LegendSampleLabels {
  std::u16string Symbol;
  std::u16string Strength;
  std::u16string Description;
};
LegendSampleLabels LegendLabelsOf(int32_t code);
