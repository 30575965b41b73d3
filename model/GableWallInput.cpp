#include "model/GableWallInput.h"

#include "model/MainWindowPort.h"
#include "model/ModelAccess.h"
#include "model/PaletteState.h"
#include "model/SlotCopy.h"
#include "model/ViewState.h"

namespace {

bool SameEnds(const GableWallRecord& r, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return (r.X1 == x1 && r.Y1 == y1 && r.X2 == x2 && r.Y2 == y2) ||
         (r.X1 == x2 && r.Y1 == y2 && r.X2 == x1 && r.Y2 == y1);
}

}  // namespace

int32_t InputGableWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (x1 == x2 && y1 == y2) {
    InvalidateSheet();
    return 0;
  }
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey) || !OnGrid(x1, y1) || !OnGrid(x2, y2))
    return 0;

  const int32_t v = CurrentVariant;
  const int32_t s = CurrentStorey;
  GableWallRecord* const list = GableWalls[v][s];
  const int32_t count = CountOf(GableWallCount, v, s, MaxGableWallsPerStorey);
  for (int32_t k = 0; k < count; ++k) {
    if (!SameEnds(list[k], x1, y1, x2, y2)) continue;
    PushUndo();
    for (int32_t m = k; m + 1 < count; ++m) list[m] = list[m + 1];
    GableWallCount[v][s] = count - 1;
    InvalidateSheet();
    return 1;
  }
  if (count >= MaxGableWallsPerStorey) return 0;

  PushUndo();
  GableWallRecord& added = list[count];
  added = GableWallRecord{};
  added.X1 = x1, added.Y1 = y1, added.X2 = x2, added.Y2 = y2;
  added.Shape = GablePalette.Shape;
  added.WeightClass = GablePalette.WeightClass;
  added.Weight = GablePalette.Weight;
  added.Slope = GablePalette.Slope;
  added.Height = GablePalette.Height;
  GableWallCount[v][s] = count + 1;
  InvalidateSheet();
  return 1;
}
