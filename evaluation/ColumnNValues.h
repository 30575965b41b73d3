#pragma once
// Column-joint N-values, one step of the recalculation chain (after the
// structural recalculation, before the arrangement reduction). For every
// column of the current variant it computes the demand on its column-top and
// column-bottom hardware by the N-value method: the wall-magnification and
// wall-strength differences at the column (A1, PW1) with the brace-end
// correction, the shares handed down from the columns of the storeys above,
// the N-values NX, NY and the converted pull-out forces ToX, ToY (kN), with
// and without snow. It also judges whether every share handed down found a
// column to carry it (the axial-force verdict of the label Lnflag).
// It reads the grid-point map, the brace-end map, the case-0 wall results and
// the used extents as the same recalculation left them.
//
// Results go to ColumnResults and ColumnSnowResults (analysis/AnalysisResults.h)
// and to the arrays below; only the current variant and its storeys up to the
// top storey are written, the other entries keep what they held.
#include <cstdint>

#include "analysis/AnalysisResults.h"
#include "model/ElementLists.h"

// The first ColumnCount entries of a storey: its column record indices by Y
// index descending and, within one Y index, by X index ascending.
extern int32_t ColumnOrderY[VariantCount][StoreyCount][MaxColumnsPerStorey];

// A grid point whose share found no column on the storey below; X = -1 when none did.
struct AxialForceNgPoint {
  int32_t X;
  int32_t Y;
};
constexpr AxialForceNgPoint NoAxialForceNg = {-1, -1};

// Per storey s: entries 1 and 2 a column of storey s whose own values found no
// column on storey s - 1; entry 0 a second-storey column whose passed-on
// third-storey share found no column on the first storey.
extern AxialForceNgPoint AxialForceNgPosition[VariantCount][StoreyCount];

// Correction of A1 by the brace-end codes of a column's two sides in one
// direction, read [code towards the smaller index][code towards the larger
// index]; the table is symmetric, so a house and its mirror image get the
// same correction.
constexpr int BraceEndCodeCount = 16;
extern const double BraceCorrectionTable[BraceEndCodeCount][BraceEndCodeCount];

// One share that a column carries for a column of a storey above.
struct HandDownEntry {
  int32_t Column;           // record index of the carrying column
  int32_t Next;             // next entry of the same carrying column, -1 after the last
  int32_t FromNo;           // UpperNo (TopNo): ColumnOrderX position + 1 of the handing column
  double PwX, PwY, AX, AY;  // the share carried: Pw2 and A2 (Pw3 and A3)
  double FromPwX, FromPwY, FromAX, FromAY;  // UpperPw and UpperA (TopPw and TopA)
  double DistA, DistB;                      // a and b of a split, m; 0 otherwise
  double B;                                 // B2 (B3)
};

// Every share handed down to one storey, with no limit per column. The first
// UpperEntryCount (TopEntryCount) entries of each column are also copied into
// the slots of its ColumnResult, whose UpperCount (TopCount) counts the slots
// in use; ColumnEntries counts them all. Entries of one column are linked in
// the order they were handed down.
template <int Capacity>
struct HandDownList {
  int32_t Count;
  int32_t First[MaxColumnsPerStorey];  // -1 for a column without entries
  int32_t Last[MaxColumnsPerStorey];
  int32_t ColumnEntries[MaxColumnsPerStorey];
  HandDownEntry Entries[Capacity];
};

// A column hands at most two shares per direction down to the storey below,
// and each of those reaches at most four columns two storeys down.
constexpr int UpperHandDownCapacity = 4 * MaxColumnsPerStorey;
constexpr int TopHandDownCapacity = 4 * UpperHandDownCapacity;

// [v][s]: shares that storey s carries for the columns of storey s + 1.
extern HandDownList<UpperHandDownCapacity> UpperHandDowns[VariantCount][StoreyCount - 1];
// [v]: shares that the first storey carries for the third, through the second.
extern HandDownList<TopHandDownCapacity> TopHandDowns[VariantCount];

// The chain step; the label Lnflag shows its verdict (ShowColumnVerdict).
void ComputeColumnNValues();
