#pragma once
// The storey analysis of the current variant: every wall of every storey gets
// its joint class, its base strength, stiffness and wall factor for the five
// wall loading cases, its opening factor, strength classes and bands, its
// foundation class and its reduction factors; the storey sums, the centre of
// rigidity and the drift ratios follow in the order AnalyseStoreys keeps.
#include <cstdint>

#include "analysis/AnalysisResults.h"
#include "model/ElementRecords.h"

// By WallType: mod 8 gives 0 no opening, 1-3 window, 4-6 door, 7 full opening.
constexpr int WallTypeCount = 16;
extern const double OpeningStrengthTable[WallTypeCount];        // kN/m
extern const double OpeningRunCoefficientTable[WallTypeCount];  // divided by the run length
extern const double OpeningFactorTable[WallTypeCount];

// Joint classes (JointSpec): 0 joint I, 1 II, 2 III, 3 IV; from 4 on, in
// revision 2025, a JointHardwareTable row + 1 (4 is row 3, II+).
constexpr int32_t JointSpecIIPlus = 4;

// Hardware row at a grid point: |(value rem 256) / 4|; 0 where no column stands.
int32_t HardwareIndexOf(int32_t pointValue);

// Joint class from the hardware rows at a wall's two ends, before the
// through-column test; reads Revision, DiagnosisMethod and JointHardwareTable.
// Revision 2025, general and verification methods: ends both of class II+
// (hardware row 3, or a row of at least 7.5 kN and below 10 kN) give
// JointSpecIIPlus.
int32_t JointSpecOfEnds(int32_t startHardware, int32_t endHardware);

// Joint class of a wall of a storey of the current variant: a joint III
// wall whose line does not reach a through column beyond both ends is joint IV.
int32_t WallJointSpec(int32_t storey, int32_t wall);

// Foundation class of a wall: 0 above the ground storey; on it the project's
// class, or the type of the first foundation record the wall lies on.
int32_t WallFoundationClass(int32_t storey, int32_t wall);

// Brace table a one-way brace reads in a wall loading case: compression or
// tension by the direction in which the wall was drawn (positions of its
// first and second point); case 0 reads the undirected table.
int32_t BraceTableSelectorFor(const WallRecord& wall, int32_t wallCase);

// Opening factor of a wall from its wall-scope results (WallType,
// HasBearingElements, OpeningRunKind, RunLength) and the project's method
// settings; 1.0 for a wall without openings. A run of length 0 (coincident
// axes) gives 0: the wall has no length to count.
double OpeningFactorOf(const WallCaseResult& own);

// True where a wall's base strength and stiffness are replaced by
// OpeningStrengthTable: walls with openings in the general and verification
// methods, with the other-elements method 1 and the opening-wall basis 0.
bool RatesOpeningWallByTable(int32_t wallType);

// Classes of the corrected strength P = BaseStrength x OpeningFactor, kN/m.
int32_t StrengthClassOf(double p);  // 0 < 2.5, 1 < 4, 2 < 6, 3
int32_t StrengthBandOf(double p,
                       int32_t revision);  // 0 < 2, 1 < 3, 2 < 5, 3 < 7, then 4 (2025: 4 < 10, 5 < 14, 6)

// One wall: joint class, the five loading cases, foundation class, then the
// reduction factors of each case. Needs this recalculation's wall geometry.
void AnalyseWall(int32_t storey, int32_t wall);

// Zeroes the storey sums of a variant (all storeys and loading cases) and their snow twins.
void ClearStoreySums(int32_t variant);

// The whole stage for the current variant, in its fixed order.
void AnalyseStoreys();
