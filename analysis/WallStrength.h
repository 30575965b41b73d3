#pragma once
// Base strength (kN/m), base stiffness and wall factor of one wall for one
// loading case, summed over its brace, mud wall and two panels from the
// element tables. The functions read the element tables and
// ProjectSettings (Revision, DiagnosisMethod, StoreyHeight of CurrentVariant)
// and write nothing.
//
// Guards for data no editor produces: a table row outside its table counts
// as "無し" (nothing); a brace kind outside 0..10 or an end joint outside
// 0..3 gives no brace; a deterioration state of 3 (both bits of one part set)
// counts as deteriorated; a storey outside 0..2 has storey height 0.
#include <cstdint>

#include "model/ElementRecords.h"
#include "model/ElementTables.h"

// Which brace table a one-way brace reads; crossed braces always read BraceTable.
enum BraceTableSelector : int32_t {
  BraceTableUndirected = 0,
  BraceTableCompression = 1,
  BraceTableTension = 2,
};

// One-way braces in compression and in tension. Only Strength and Stiffness
// are read; the wall factor always comes from BraceTable.
extern const ElementSpecRow BraceCompressionTable[BraceTableRows];
extern const ElementSpecRow BraceTensionTable[BraceTableRows];

// Revision 2025 factors by part state 0 sound, 1 partly, 2 deteriorated:
// the brace and the mud wall follow the core state, each panel its own.
constexpr int PartStateCount = 3;
extern const double BraceDeteriorationFactors[PartStateCount];
extern const double PanelDeteriorationFactors[PartStateCount];

// The arguments the three functions share.
struct WallElementArgs {
  int32_t OpeningKind;  // read by CalcWallFactor only
  int32_t NoStrength;   // read by none; carried for the callers
  int32_t BraceKind;
  int32_t BraceEndJoint;
  int32_t BraceArrangement;  // 1 crossed
  int32_t MudWallKind;
  int32_t PanelLeft, PanelRight;
  int32_t FurringLeft, FurringRight;
  double Height;       // 0 = storey height
  double BraceHeight;  // 0 = wall height
  double MudWallHeight;
  double PanelLeftHeight, PanelRightHeight;  // 0 = whole wall
  double Length;                             // m, for the short-wall rules and the knee-brace division
  int32_t TableSelector;                     // BraceTableSelector
  int32_t Storey;
  int32_t LeftPanelJoined, RightPanelJoined;  // non-zero: the panel counts on a short wall
  int32_t DeteriorationBits;                  // WallRecord.Deterioration as the caller passes it
  int32_t PartialPanelRule;                   // 1 applies the partial-height panel rule
};

// The arguments for a wall record; the remaining values are the caller's.
WallElementArgs WallElementArgsOf(const WallRecord& wall, double length, int32_t tableSelector,
                                  int32_t storey, int32_t leftPanelJoined, int32_t rightPanelJoined,
                                  int32_t deteriorationBits, int32_t partialPanelRule);

// The BraceTable row that a brace kind and end joint read for strength and
// stiffness (the nailed rows 5 and 7 come from the end joint); -1 for no
// brace, "不明" or values outside the lists.
int32_t BraceTableRowOf(int32_t braceKind, int32_t braceEndJoint);

// The BraceTable row of the 90x90 brace, and the wall factor the building law
// gives it crossed: 5, not twice the one-way 3.
constexpr int32_t Brace90x90Row = 8;
constexpr double Crossed90x90WallFactor = 5.0;

// The wall factor of the brace of BraceTable row `row` before the length,
// height and deterioration rules: the row's WallFactor, doubled when crossed
// (arrangement 1), except that a crossed 90x90 brace counts at most 5. 0 for a
// row outside the table. The diagnosis strength of a crossed brace is always
// twice the one-way value; only the wall factor takes the law's 5.
double BraceWallFactor(int32_t row, int32_t braceArrangement);

double CalcWallStrength(const WallElementArgs& args);
double CalcWallStiffness(const WallElementArgs& args);
double CalcWallFactor(const WallElementArgs& args);
