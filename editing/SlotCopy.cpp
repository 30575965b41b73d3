#include "editing/SlotCopy.h"

#include <algorithm>
#include <utility>

#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "presentation/MainWindowPort.h"

int32_t UndoTop = 0;
int32_t UndoMarks[UndoRingSize] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int32_t UndoRingVariant = 0;

namespace {

bool ValidSlot(int32_t slot) { return slot >= 0 && slot < ModelSlotCount; }
bool IsVariantSlot(int32_t slot) { return slot >= 0 && slot < VariantCount; }

template <typename T>
void CopyOrSwap(T& a, T& b, bool swap) {
  if (swap)
    std::swap(a, b);
  else
    b = a;
}

void MoveVariantSettings(int32_t from, int32_t to, bool swap) {
  ProjectSettingsData& s = ProjectSettings;
  CopyOrSwap(s.TopStorey[from], s.TopStorey[to], swap);
  CopyOrSwap(s.AtticStorage[from], s.AtticStorage[to], swap);
  CopyOrSwap(s.WeightClass[from], s.WeightClass[to], swap);
  CopyOrSwap(s.SpareVariantValue[from], s.SpareVariantValue[to], swap);
  CopyOrSwap(s.BuildingArea[from], s.BuildingArea[to], swap);
  for (int storey = 0; storey < StoreyCount; ++storey) {
    CopyOrSwap(s.LawFloorArea[storey][from], s.LawFloorArea[storey][to], swap);
    CopyOrSwap(s.StoreyHeight[from][storey], s.StoreyHeight[to][storey], swap);
  }
  CopyOrSwap(s.TotalFloorArea[from], s.TotalFloorArea[to], swap);
  for (int part = 0; part < PartWeightCount; ++part)
    CopyOrSwap(s.PartWeightClass[from][part], s.PartWeightClass[to][part], swap);
}

template <typename Record, int Max>
void CopyList(Record (&records)[ModelSlotCount][StoreyCount][Max],
              int32_t (&count)[ModelSlotCount][StoreyCount], int32_t from, int32_t to, int storey) {
  const int32_t n = std::clamp(count[from][storey], 0, Max);
  std::copy(records[from][storey], records[from][storey] + n, records[to][storey]);
  count[to][storey] = n;
}

template <typename Record, int Max>
void SwapList(Record (&records)[ModelSlotCount][StoreyCount][Max],
              int32_t (&count)[ModelSlotCount][StoreyCount], Record (&swapBlock)[Max], int32_t from,
              int32_t to, int storey) {
  std::swap(count[from][storey], count[to][storey]);
  std::copy(records[to][storey], records[to][storey] + Max, swapBlock);
  std::copy(records[from][storey], records[from][storey] + Max, records[to][storey]);
  std::copy(swapBlock, swapBlock + Max, records[from][storey]);
}

int32_t NextPosition(int32_t p) { return p == UndoRingSize - 1 ? 0 : p + 1; }
int32_t PreviousPosition(int32_t p) { return p == 0 ? UndoRingSize - 1 : p - 1; }

void SaveSnapshotAt(int32_t position) {
  UndoMarks[position] = position;
  CopyModelSlot(CurrentVariant, FirstUndoSlot + position, CopyModeCopy, StoreyMaskAll);
}

// A step may only restore into the variant whose history the ring holds.
bool RingBelongsToCurrentVariant() {
  if (UndoRingVariant == CurrentVariant) return true;
  EmptyUndoRing();
  return false;
}

}  // namespace

void CopyModelSlot(int32_t sourceSlot, int32_t destinationSlot, int32_t copyMode, int32_t storeyMask) {
  if (!ValidSlot(sourceSlot) || !ValidSlot(destinationSlot)) return;
  if (IsVariantSlot(sourceSlot) && IsVariantSlot(destinationSlot)) {
    if (copyMode >= CopyModeListsOnly) {
      copyMode -= CopyModeListsOnly;
    } else {
      MoveVariantSettings(sourceSlot, destinationSlot, copyMode == CopyModeSwap);
      ColourVariantRadios();
      SetVariantPanel();
      RefreshMainWindow();
    }
  }
  const bool swap = copyMode == CopyModeSwap;
  for (int storey = 0; storey < StoreyCount; ++storey) {
    if (!StoreyInMask(storeyMask, storey)) continue;
#define QUILMORA_MOVE_LIST(kind, Record, records, count, swapBlock, max)      \
  if (swap)                                                                   \
    SwapList(records, count, swapBlock, sourceSlot, destinationSlot, storey); \
  else                                                                        \
    CopyList(records, count, sourceSlot, destinationSlot, storey);
    QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_MOVE_LIST)
#undef QUILMORA_MOVE_LIST
  }
}

void ClearStoreyElements() {
  if (!IsVariantSlot(CurrentVariant) || CurrentStorey < 0 || CurrentStorey >= StoreyCount) return;
#define QUILMORA_CLEAR_LIST(kind, Record, records, count, swapBlock, max) \
  count[CurrentVariant][CurrentStorey] = 0;
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_CLEAR_LIST)
#undef QUILMORA_CLEAR_LIST
}

void ClearWallBearingElements() {
  if (!IsVariantSlot(CurrentVariant) || CurrentStorey < 0 || CurrentStorey >= StoreyCount) return;
  const int32_t n = std::clamp(WallCount[CurrentVariant][CurrentStorey], 0, MaxWallsPerStorey);
  for (int32_t i = 0; i < n; ++i) {
    WallRecord& wall = Walls[CurrentVariant][CurrentStorey][i];
    wall.BraceKind = 0;
    wall.MudWallKind = 0;
    wall.PanelLeft = 0;
    wall.PanelRight = 0;
  }
}

void EmptyUndoRing() {
  UndoTop = 0;
  std::fill(UndoMarks, UndoMarks + UndoRingSize, -1);
  MainWindow.BmodoruEnabled = false;
  MainWindow.BsusumuEnabled = false;
  RefreshMainWindow();
}

void PushUndo() {
  if (UndoRingVariant != CurrentVariant) {
    EmptyUndoRing();
    UndoRingVariant = CurrentVariant;
  }
  SaveSnapshotAt(UndoTop);
  UndoTop = NextPosition(UndoTop);
  UndoMarks[UndoTop] = -1;
  UndoMarks[NextPosition(UndoTop)] = -1;
  MainWindow.BmodoruEnabled = true;
  MainWindow.BsusumuEnabled = false;
  RefreshMainWindow();
}

void UndoStep() {
  if (!RingBelongsToCurrentVariant()) return;
  if (UndoMarks[PreviousPosition(UndoTop)] == -1) return;  // nothing to step back to
  SaveSnapshotAt(UndoTop);
  UndoTop = PreviousPosition(UndoTop);
  if (UndoMarks[UndoTop] != -1)
    CopyModelSlot(FirstUndoSlot + UndoTop, CurrentVariant, CopyModeCopy, StoreyMaskAll);
  MainWindow.BmodoruEnabled = UndoMarks[PreviousPosition(UndoTop)] != -1;
  MainWindow.BsusumuEnabled = true;
  RefreshMainWindow();
}

void RedoStep() {
  if (!RingBelongsToCurrentVariant()) return;
  if (UndoMarks[NextPosition(UndoTop)] == -1) return;  // nothing to step forward to
  UndoTop = NextPosition(UndoTop);
  if (UndoMarks[UndoTop] != -1)
    CopyModelSlot(FirstUndoSlot + UndoTop, CurrentVariant, CopyModeCopy, StoreyMaskAll);
  MainWindow.BsusumuEnabled = UndoMarks[NextPosition(UndoTop)] != -1;
  MainWindow.BmodoruEnabled = true;
  RefreshMainWindow();
}

void SelectVariant(int32_t variant) {
  if (!IsVariantSlot(variant)) return;
  if (variant != CurrentVariant) EmptyUndoRing();
  CurrentVariant = variant;
  UndoRingVariant = variant;
  MainWindow.CheckedVariantRadio = variant;
  SetVariantPanel();
  RefreshMainWindow();
}
