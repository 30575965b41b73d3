#pragma once
// Moving element lists between model slots: copy and swap of storeys between
// variants, the undo ring over slots 3..17, and the two storey clears.
#include <cstdint>

#include "model/ElementLists.h"

// Copies or swaps the lists of the storeys in storeyMask from one slot to
// another; between two variants, unless copyMode includes CopyModeListsOnly,
// also their variant settings (and the variant radios are recoloured).
void CopyModelSlot(int32_t sourceSlot, int32_t destinationSlot, int32_t copyMode, int32_t storeyMask);

// Empties all lists of the current variant and storey.
void ClearStoreyElements();
// Strips brace, mud wall and both panels from every wall of the current variant and storey.
void ClearWallBearingElements();

// The undo ring. Position p is slot FirstUndoSlot + p; UndoMarks[p] is p when
// the position holds a snapshot and -1 when it is empty. The ring holds the
// history of one variant, UndoRingVariant: it is emptied when another variant
// is chosen, and a step never restores one variant's snapshot into another.
extern int32_t UndoTop;
extern int32_t UndoMarks[UndoRingSize];
extern int32_t UndoRingVariant;

void PushUndo();
void UndoStep();
void RedoStep();
void EmptyUndoRing();

// Makes a variant current; choosing a different variant empties the undo ring.
void SelectVariant(int32_t variant);
