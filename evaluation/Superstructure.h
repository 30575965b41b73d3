#pragma once
// Superstructure evaluation (上部構造評点), a step of the recalculation chain
// after the building-law seismic force and before the retrofit-difference
// marks. EvaluateScores computes:
//  - the wall-quantity sufficiency ratios (充足率) of the whole storey and of
//    the quarter-division end zones, and the ratios of the zones (壁率比), for
//    all three variants;
//  - the held strength Pd and the score Pd / Qr of every storey, direction and
//    load combination of the current variant, without and with snow;
//  - the building score (smallest storey score) of every combination;
//  - the shown scores, cut down to two decimals, with their governing
//    combinations;
//  - caution bit 2 of the walls of a retrofit plan.
// Rows of a variant that is not current keep the values of the last paint in
// which it was current (zero if it never was).
#include <cstdint>

#include "analysis/AnalysisResults.h"
#include "model/ElementLists.h"

struct ScoreSet {
  StoreyComboArray PdX;  // held strength Pd, kN
  StoreyComboArray PdY;
  CombinationArray BuildingScore;  // smallest storey score of the combination
  StoreyComboArray ScoreX;         // Pd / Qr; 0 for a storey without demand
  StoreyComboArray ScoreY;
};
extern ScoreSet Scores;
extern ScoreSet SnowScores;

// Combination indices 0..16.
struct GoverningCombinationSet {
  int32_t Building[VariantCount];        // smallest building score
  int32_t X[VariantCount][StoreyCount];  // the combination whose cut score is shown
  int32_t Y[VariantCount][StoreyCount];
};
extern GoverningCombinationSet GoverningCombinations;
extern GoverningCombinationSet SnowGoverningCombinations;

// The score the results panel shows per storey and direction, cut down to two
// decimals; all three storeys are filled, those above the top storey from
// whatever their score rows hold.
struct ShownScoreSet {
  StoreyArray X;
  StoreyArray Y;
};
extern ShownScoreSet ShownScores;
extern ShownScoreSet SnowShownScores;

// Building-law wall check, all three variants.
extern StoreyArray SufficiencyRatioX, SufficiencyRatioY;      // existing / required wall length
extern StoreyArray QuarterSufficiencyA, QuarterSufficiencyB;  // end zones of the X direction
extern StoreyArray QuarterSufficiency1, QuarterSufficiency2;  // end zones of the Y direction
extern StoreyArray WallRatioRatioX, WallRatioRatioY;          // smaller zone / larger zone, 0..1

// Caution bit of a wall of an upper storey on a line whose shear exceeds that
// of the storey below.
constexpr int32_t UpperShearCautionBit = 2;

// D of the held strength of variant v: the deterioration factor of the
// variant in the general and the verification method (the fixed percentage
// of the verification method when one is set), 1 in the precise methods.
double HeldStrengthDeterioration(int v);

// The score cut down to two decimals, never rounded up (0.996 shows 0.99,
// 0.57 shows 0.57); the report prints its two-decimal scores by the same rule.
double CutScore(double score);

// Score class: 0 from 1.5, 1 from 1.0, 2 from 0.7, 3 below 0.7. A score that
// is not a number is class 3, never the best one.
int32_t ClassifyScore(double score);

// Everything above for the current variant (and the wall-quantity ratios for
// all three).
void EvaluateScores();

// The chain step: the scores, then the floor diaphragm check (the chain then
// fills the results panel from them).
void EvaluateSuperstructure();
