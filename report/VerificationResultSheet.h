#pragma once
// What the verification result sheet prints of the results: the
// deterioration factor and the storey scores of the first two storeys.
#include <cstdint>
#include <string>

struct VerificationSheetValues {
  double Deterioration = 1.0;
  double Score[2][2] = {};  // [storey 0 or 1][0 X, 1 Y], without the deterioration factor
  bool Snow = false;        // the snow results, and the snow depth printed
};

// The values of variant v: S = (Qr x other-element ratio + wall strength) x
// Fe / Qr (0 without demand) of the combination that governs the building
// score, from the snow results when the project has snow and the snow case
// is chosen; d is the deterioration factor the evaluation applied.
VerificationSheetValues VerificationSheetValuesOf(int32_t v);

// "%7.2f" of a score cut to two decimals.
std::u16string VerificationScoreText(double score);
