#include "editing/AreaInput.h"

#include "editing/AreaShapes.h"
#include "editing/SlotCopy.h"
#include "editing/TwoPointInput.h"
#include "model/ElementLabels.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"
#include "platform/Numeric.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"

const char* const MaxRectangleQuestion = "最大矩形の入力ですか？\n\n";
const char* const MaxRectangleQuestionCaption = "屋根床等入力仕様の確認";
const char* const AreaOverlapQuestion =
    "領域が重なっています。\n\n入力する --- はい\n\n入力しない --- いいえ\n\n";
const char* const AreaOverlapCaption = "屋根床等入力エラー";
const char* const TopStoreyFloorMessage = "最上階には入力出来ません。\n\n屋根に切り替えて下さい。\n";
const char* const FloorInputCaption = "床入力問い合わせ";
const char* const AtticIgnoredQuestion =
    "一般診断（簡易耐力表）では、小屋裏入力は無視されます。\n\nそれでも入力しますか？\n\n入力する --- "
    "はい\n\n入力しない --- いいえ\n\n";
const char* const AtticIgnoredCaption = "小屋裏入力問い合わせ";
const char* const AtticBelowQuestion =
    "下の階にも小屋裏を入力する必要があります。\n\n入力する --- はい\n\n入力しない --- いいえ\n\n";
const char* const AtticBelowCaption = "下の階の小屋裏入力問い合わせ";
const char* const SecondMaxRectangleMessage =
    "複数の最大矩形が入力されています。\n\n最大矩形の入力は一つのみです。\n";
const char* const MaxRectangleTriangleMessage =
    "三角形では入力出来ません。\n\n矩形入力に切り替えて下さい。\n\n";
const char* const MaxRectangleTriangleCaption = "最大矩形入力問い合わせ";

RoofFloorChangeExchange RoofFloorChangeBuffer{};

namespace {

std::function<void()> gChangeDialog;
std::function<void()> gPaletteListener;

constexpr int32_t AtticCode = 5;
constexpr int32_t MaxRectangleCode = 6;
constexpr int32_t IndependentLoadCode = 7;
constexpr int32_t LowestRoofSideCode = 3;
constexpr int32_t HighestRoofSideCode = 13;
constexpr int32_t QuestionFlags = MB_YESNO | MB_ICONQUESTION;

void RepaintPalette() {
  if (gPaletteListener) gPaletteListener();
}

// Attic storage, the maximum rectangle and independent loads may lie over
// other areas.
bool MayOverlap(int32_t code) {
  return code == AtticCode || code == MaxRectangleCode || code == IndependentLoadCode;
}

// A code for floors (or balconies) only: refused on the top storey.
bool FloorSideCode(int32_t code) { return code < LowestRoofSideCode || code > HighestRoofSideCode; }

struct IndexBox {
  int32_t MinX, MaxX, MinY, MaxY;
};

IndexBox BoxOf(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return {x1 < x2 ? x1 : x2, x1 < x2 ? x2 : x1, y1 < y2 ? y1 : y2, y1 < y2 ? y2 : y1};
}

// Twice the signed area of (p, a, b) in metres, truncated toward zero.
int32_t DoubledArea(double px, double py, double ax, double ay, double bx, double by) {
  return TruncToInt((ax - px) * (by - py) - (bx - px) * (ay - py));
}

bool CornerInsideTriangle(int32_t cx, int32_t cy, const RoofFloorTriangleRecord& t) {
  const double px = AxisX(cx), py = AxisY(cy);
  const double x1 = AxisX(t.X1), y1 = AxisY(t.Y1), x2 = AxisX(t.X2), y2 = AxisY(t.Y2);
  const double x3 = AxisX(t.X3), y3 = AxisY(t.Y3);
  const int32_t a = DoubledArea(px, py, x1, y1, x2, y2);
  const int32_t b = DoubledArea(px, py, x2, y2, x3, y3);
  const int32_t c = DoubledArea(px, py, x3, y3, x1, y1);
  return (a >= 1 && b >= 1 && c >= 1) || (a <= -1 && b <= -1 && c <= -1);
}

bool StrictlyInside(int32_t x, int32_t y, const IndexBox& box) {
  return x > box.MinX && x < box.MaxX && y > box.MinY && y < box.MaxY;
}

bool OverlapsAnArea(const IndexBox& box, int32_t paletteCode) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  if (!MayOverlap(paletteCode)) {
    const int32_t n = CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey);
    for (int32_t k = 0; k < n; ++k) {
      const RoofFloorRectRecord& r = RoofFloorRects[v][s][k];
      if (MayOverlap(r.AreaCode)) continue;
      const IndexBox o = BoxOf(r.X1, r.Y1, r.X2, r.Y2);
      if (box.MaxX > o.MinX && o.MaxX > box.MinX && box.MaxY > o.MinY && o.MaxY > box.MinY) return true;
    }
  }
  const int32_t n = CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey);
  for (int32_t k = 0; k < n; ++k) {
    const RoofFloorTriangleRecord& t = RoofFloorTriangles[v][s][k];
    if (MayOverlap(t.AreaCode)) continue;
    if (StrictlyInside(t.X1, t.Y1, box) || StrictlyInside(t.X2, t.Y2, box) || StrictlyInside(t.X3, t.Y3, box))
      return true;
    if (CornerInsideTriangle(box.MinX, box.MinY, t) || CornerInsideTriangle(box.MaxX, box.MinY, t) ||
        CornerInsideTriangle(box.MinX, box.MaxY, t) || CornerInsideTriangle(box.MaxX, box.MaxY, t))
      return true;
  }
  return false;
}

// The questions and refusals that follow the search for an existing area:
// true when the input goes on.
bool TopStoreyAllows(int32_t code) {
  if (CurrentStorey != TopStoreyOf(CurrentVariant) || !FloorSideCode(code)) return true;
  MessageBox(TopStoreyFloorMessage, FloorInputCaption, MB_OK | MB_ICONQUESTION);
  InvalidateSheet();
  return false;
}

bool AtticAccepted(int32_t code) {
  if (ProjectSettings.DiagnosisMethod != DiagnosisGeneral ||
      ProjectSettings.RequiredStrengthMethod != RequiredBySimpleTable || code != AtticCode)
    return true;
  if (MessageBox(AtticIgnoredQuestion, AtticIgnoredCaption, QuestionFlags) != IDNO) return true;
  InvalidateSheet();
  return false;
}

template <typename Record>
void FillFromPalette(Record& r) {
  r.AreaCode = RoofFloorPalette.AreaCode;
  r.NotEnclosed = RoofFloorPalette.NotEnclosed;
  r.LiveLoad = RoofFloorPalette.LiveLoad;
  r.AddedLoad = RoofFloorPalette.AddedLoad;
  r.WeightClass = RoofFloorPalette.WeightClass;
  r.DeadLoad = RoofFloorPalette.DeadLoad;
  r.Slope = RoofFloorPalette.Slope;
}

// Runs the change dialog on record k of a list and applies its result.
template <typename Record, int32_t Max>
void ChangeArea(Record (&list)[Max], int32_t& storedCount, int32_t k, bool triangle) {
  Record& r = list[k];
  RoofFloorChangeExchange& b = RoofFloorChangeBuffer;
  b.IsTriangle = triangle ? 1 : 0;
  b.Result = RoofFloorChangeApply;
  b.Index = k;
  b.AreaCode = r.AreaCode;
  b.NotEnclosed = r.NotEnclosed;
  b.LiveLoad = r.LiveLoad;
  b.WeightClass = r.WeightClass;
  b.DeadLoad = r.DeadLoad;
  b.Slope = r.Slope;
  b.AddedLoad = r.AddedLoad;
  if (gChangeDialog) gChangeDialog();
  if (b.Result == RoofFloorChangeDelete) {
    int32_t count = ListLength(storedCount, Max);
    RemoveRecord(list, count, k);
    storedCount = count;
  } else if (b.Result == RoofFloorChangeApply) {
    // A code outside the tables is never stored.
    if (ValidAreaCode(b.AreaCode)) r.AreaCode = b.AreaCode;
    r.NotEnclosed = b.NotEnclosed;
    r.LiveLoad = b.LiveLoad;
    r.WeightClass = b.WeightClass;
    r.DeadLoad = b.DeadLoad;
    r.Slope = b.Slope;
    r.AddedLoad = b.AddedLoad;
  }
  InvalidateSheet();
}

// After an attic area on the top storey (or above it), the same area on every
// storey below, as far as each has room.
template <typename Record, int32_t Max, typename Corners>
void CopyAtticBelow(Record (&lists)[ModelSlotCount][StoreyCount][Max],
                    int32_t (&counts)[ModelSlotCount][StoreyCount], Corners corners) {
  if (RoofFloorPalette.AreaCode != AtticCode || CurrentStorey < TopStoreyOf(CurrentVariant)) return;
  if (MessageBox(AtticBelowQuestion, AtticBelowCaption, QuestionFlags) != IDYES) return;
  for (int32_t s = CurrentStorey - 1; s >= 0; --s) {
    const int32_t n = CountOf(counts, CurrentVariant, s, Max);
    if (n >= Max) break;
    Record& copy = lists[CurrentVariant][s][n];
    copy = Record{};
    corners(copy);
    FillFromPalette(copy);
    counts[CurrentVariant][s] = n + 1;
  }
}

}  // namespace

void SetRoofFloorChangeDialog(std::function<void()> dialog) { gChangeDialog = std::move(dialog); }
void SetRoofFloorPaletteListener(std::function<void()> listener) { gPaletteListener = std::move(listener); }

int32_t MaxRectangleCount() {
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey)) return 0;
  const int32_t n = CountOf(RoofFloorRectCount, CurrentVariant, CurrentStorey, MaxRoofFloorRectsPerStorey);
  int32_t found = 0;
  for (int32_t k = 0; k < n; ++k) found += RoofFloorRects[CurrentVariant][CurrentStorey][k].AreaCode == 6;
  return found;
}

int32_t InputRoofFloorRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (x1 == x2 || y1 == y2) return 0;
  const int32_t corners[4] = {x1, y1, x2, y2};
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey) || !PointsOnGrid(corners, 2)) return 0;
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const int32_t code = RoofFloorPalette.AreaCode;
  RoofFloorRectRecord(&list)[MaxRoofFloorRectsPerStorey] = RoofFloorRects[v][s];
  const int32_t count = CountOf(RoofFloorRectCount, v, s, MaxRoofFloorRectsPerStorey);

  // The maximum rectangle is picked only while the palette holds it, so that
  // it can be laid over an ordinary area of the same corners.
  for (int32_t k = 0; k < count; ++k) {
    const RoofFloorRectRecord& r = list[k];
    if (!PicksRectangle(r, x1, y1, x2, y2)) continue;
    if ((r.AreaCode == MaxRectangleCode) != (code == MaxRectangleCode)) continue;
    ChangeArea(list, RoofFloorRectCount[v][s], k, false);
    RepaintPalette();
    return 1;
  }

  if (code == MaxRectangleCode &&
      MessageBox(MaxRectangleQuestion, MaxRectangleQuestionCaption, QuestionFlags) == IDNO) {
    InvalidateSheet();
    return 0;
  }
  if (count >= MaxRoofFloorRectsPerStorey) return 0;
  if (OverlapsAnArea(BoxOf(x1, y1, x2, y2), code) &&
      MessageBox(AreaOverlapQuestion, AreaOverlapCaption, QuestionFlags) == IDNO) {
    InvalidateSheet();
    return 0;
  }
  if (!TopStoreyAllows(code) || !AtticAccepted(code)) return 0;
  // Two axes at the same position give no area; refused before the undo
  // snapshot, so that the undo ring stays as it was.
  if (!RectangleHasArea(x1, y1, x2, y2)) return 0;

  PushUndo();
  RoofFloorRectRecord& added = list[count];
  added = RoofFloorRectRecord{};
  added.X1 = x1, added.Y1 = y1, added.X2 = x2, added.Y2 = y2;
  FillFromPalette(added);
  RoofFloorRectCount[v][s] = count + 1;
  CopyAtticBelow(RoofFloorRects, RoofFloorRectCount,
                 [&](RoofFloorRectRecord& r) { r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2; });

  InvalidateSheet();
  if (MaxRectangleCount() > 1) {
    MessageBox(SecondMaxRectangleMessage, FloorInputCaption, MB_OK | MB_ICONQUESTION);
    InvalidateSheet();
  }
  RepaintPalette();
  return 1;
}

int32_t InputRoofFloorTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) {
  const int32_t points[6] = {x1, y1, x2, y2, x3, y3};
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey) || !PointsOnGrid(points, 3)) return 0;
  if (DegenerateTriangle(points)) return 0;
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const int32_t code = RoofFloorPalette.AreaCode;
  RoofFloorTriangleRecord(&list)[MaxRoofFloorTrianglesPerStorey] = RoofFloorTriangles[v][s];
  const int32_t count = CountOf(RoofFloorTriangleCount, v, s, MaxRoofFloorTrianglesPerStorey);

  // An existing triangle is looked up first, so that it can be edited
  // whatever the palette holds.
  for (int32_t k = 0; k < count; ++k) {
    if (!PicksTriangle(list[k], points)) continue;
    ChangeArea(list, RoofFloorTriangleCount[v][s], k, true);
    return 1;
  }

  if (!TopStoreyAllows(code) || !AtticAccepted(code)) return 0;
  if (code == MaxRectangleCode) {
    MessageBox(MaxRectangleTriangleMessage, MaxRectangleTriangleCaption, MB_OK | MB_ICONQUESTION);
    InvalidateSheet();
    return 0;
  }
  if (count >= MaxRoofFloorTrianglesPerStorey) return 0;
  if (!TriangleHasArea(points)) return 0;

  PushUndo();
  RoofFloorTriangleRecord& added = list[count];
  added = RoofFloorTriangleRecord{};
  added.X1 = x1, added.Y1 = y1, added.X2 = x2, added.Y2 = y2, added.X3 = x3, added.Y3 = y3;
  FillFromPalette(added);
  RoofFloorTriangleCount[v][s] = count + 1;
  CopyAtticBelow(RoofFloorTriangles, RoofFloorTriangleCount, [&](RoofFloorTriangleRecord& r) {
    r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.X3 = x3, r.Y3 = y3;
  });
  InvalidateSheet();
  return 1;
}
