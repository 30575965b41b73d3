#include "editing/FloorSpecInput.h"

#include "editing/AreaShapes.h"
#include "editing/SlotCopy.h"
#include "editing/TwoPointInput.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/ViewState.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"

namespace {

int32_t PaletteSpecCode() { return FloorSpecCode(FloorSpecPaletteSpec, FloorSpecPaletteBrace); }

template <typename Record, int32_t Max>
int32_t DeleteArea(Record (&list)[Max], int32_t& storedCount, int32_t k) {
  PushUndo();
  int32_t count = ListLength(storedCount, Max);
  RemoveRecord(list, count, k);
  storedCount = count;
  InvalidateSheet();
  return 1;
}

}  // namespace

int32_t InputFloorSpecRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (x1 == x2 || y1 == y2) return 0;
  const int32_t corners[4] = {x1, y1, x2, y2};
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey) || !PointsOnGrid(corners, 2)) return 0;
  const int32_t v = CurrentVariant, s = CurrentStorey;
  FloorSpecRectRecord(&list)[MaxFloorSpecRectsPerStorey] = FloorSpecRects[v][s];
  const int32_t count = CountOf(FloorSpecRectCount, v, s, MaxFloorSpecRectsPerStorey);
  for (int32_t k = 0; k < count; ++k)
    if (PicksRectangle(list[k], x1, y1, x2, y2)) return DeleteArea(list, FloorSpecRectCount[v][s], k);
  if (count >= MaxFloorSpecRectsPerStorey) return 0;
  // Refused before the snapshot, so that the undo ring stays as it was.
  if (!RectangleHasArea(x1, y1, x2, y2)) return 0;

  PushUndo();
  FloorSpecRectRecord& added = list[count];
  added = FloorSpecRectRecord{};
  added.X1 = x1, added.Y1 = y1, added.X2 = x2, added.Y2 = y2;
  added.SpecCode = PaletteSpecCode();
  FloorSpecRectCount[v][s] = count + 1;
  InvalidateSheet();
  return 1;
}

int32_t InputFloorSpecTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) {
  const int32_t points[6] = {x1, y1, x2, y2, x3, y3};
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey) || !PointsOnGrid(points, 3)) return 0;
  if (DegenerateTriangle(points)) return 0;
  const int32_t v = CurrentVariant, s = CurrentStorey;
  FloorSpecTriangleRecord(&list)[MaxFloorSpecTrianglesPerStorey] = FloorSpecTriangles[v][s];
  const int32_t count = CountOf(FloorSpecTriangleCount, v, s, MaxFloorSpecTrianglesPerStorey);
  for (int32_t k = 0; k < count; ++k)
    if (PicksTriangle(list[k], points)) return DeleteArea(list, FloorSpecTriangleCount[v][s], k);
  if (count >= MaxFloorSpecTrianglesPerStorey) return 0;
  if (!TriangleHasArea(points)) return 0;

  PushUndo();
  FloorSpecTriangleRecord& added = list[count];
  added = FloorSpecTriangleRecord{};
  added.X1 = x1, added.Y1 = y1, added.X2 = x2, added.Y2 = y2, added.X3 = x3, added.Y3 = y3;
  added.SpecCode = PaletteSpecCode();
  FloorSpecTriangleCount[v][s] = count + 1;
  InvalidateSheet();
  return 1;
}
