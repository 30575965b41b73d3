#pragma once
// The input of the elements that are entered as two picked grid points on the
// current variant and storey: picking the two ends of an element again deletes
// it, any other pair of points appends a new one. It works in place on the
// program-wide lists of the kind; nothing is allocated.
//
// An element kind plugs in through a small struct of static hooks, most of
// which it takes from TwoPointKindDefaults:
//   EndOrder Ends             which stored ends the two points pick
//   bool Refused()            a refusal of the kind, asked once the two points
//                             differ; it reports and repaints itself
//   int32_t BeforeAppend()    asked when a new element fits into the list:
//                             AppendGoesOn, or the result of the input with
//                             nothing changed (it repaints itself)
//   void Fill(Record&)        the new record's values besides its ends; runs
//                             once for every appended record
// Undo: a snapshot is pushed before every change. The caller sets
// ModifiedFlag. The plan is repainted after every change and when the two
// points coincide; a full list refuses silently.
#include <cstdint>

#include "editing/SlotCopy.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/ViewState.h"
#include "presentation/MainWindowPort.h"

struct GridSegment {
  int32_t X1, Y1, X2, Y2;
};

// Whether a record is picked by its ends as clicked only, or in either order.
enum class EndOrder { AsClicked, EitherOrder };

template <typename Record>
bool JoinsEnds(const Record& r, const GridSegment& s, EndOrder order) {
  if (r.X1 == s.X1 && r.Y1 == s.Y1 && r.X2 == s.X2 && r.Y2 == s.Y2) return true;
  return order == EndOrder::EitherOrder && r.X1 == s.X2 && r.Y1 == s.Y2 && r.X2 == s.X1 && r.Y2 == s.Y1;
}

constexpr int32_t AppendGoesOn = -1;

struct TwoPointKindDefaults {
  static constexpr EndOrder Ends = EndOrder::EitherOrder;
  static bool Refused() { return false; }
  static int32_t BeforeAppend() { return AppendGoesOn; }
};

// Removes record k of a list of `count` records; the later ones move down.
template <typename Record>
void RemoveRecord(Record* list, int32_t& count, int32_t k) {
  for (int32_t m = k; m + 1 < count; ++m) list[m] = list[m + 1];
  --count;
}

// 1 when an element was deleted or appended, 0 when the input was refused,
// or what a hook decided.
template <typename Kind, typename Record, int32_t Max>
int32_t InputTwoPointElement(Record (&lists)[ModelSlotCount][StoreyCount][Max],
                             int32_t (&counts)[ModelSlotCount][StoreyCount], const GridSegment& clicked) {
  if (clicked.X1 == clicked.X2 && clicked.Y1 == clicked.Y2) {
    InvalidateSheet();
    return 0;
  }
  if (Kind::Refused()) return 0;
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey) || !OnGrid(clicked.X1, clicked.Y1) ||
      !OnGrid(clicked.X2, clicked.Y2))
    return 0;

  Record* const list = lists[CurrentVariant][CurrentStorey];
  int32_t& storedCount = counts[CurrentVariant][CurrentStorey];
  int32_t count = ListLength(storedCount, Max);
  for (int32_t k = 0; k < count; ++k) {
    if (!JoinsEnds(list[k], clicked, Kind::Ends)) continue;
    PushUndo();
    RemoveRecord(list, count, k);
    storedCount = count;
    InvalidateSheet();
    return 1;
  }
  if (count >= Max) return 0;
  const int32_t decided = Kind::BeforeAppend();
  if (decided != AppendGoesOn) return decided;

  PushUndo();
  Record& added = list[count];
  added = Record{};
  added.X1 = clicked.X1, added.Y1 = clicked.Y1, added.X2 = clicked.X2, added.Y2 = clicked.Y2;
  Kind::Fill(added);
  storedCount = count + 1;
  InvalidateSheet();
  return 1;
}
