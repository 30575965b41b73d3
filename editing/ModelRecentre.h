#pragma once
// Moving a model that lies off the middle of the grid back to the middle, by
// renumbering the axes and every element index. Run after every load, right
// after UpdateUsedExtents.
#include <cstdint>

// True when the middle of the model extent lies within 2 m (strictly) of the
// middle of the grid in both directions. An empty model counts as centred.
bool ModelIsCentred();

// The number of axes to move by so that the shift exceeds offset metres:
// for offset >= 0 the smallest b >= 0 with axes[b] - axes[0] > offset (200
// when there is none), for offset < 0 the first b = 0, -1, ... with
// axes[199 + b] - axes[199] < offset (-200 when there is none). Never 0.
int32_t AxisShiftFor(const double (&axes)[200], double offset);

struct RecentreShift {
  int32_t X = 0;
  int32_t Y = 0;
};

// The shift that moves the model's middle past the grid's middle.
RecentreShift RecentreShiftOfModel();

// Moves the axes (positions and kinds) by the shift, lays out the axes that
// come in at GridModule pitch, puts axis 0 back at 0 and adds the shift to
// every index of every element of the three variants. The undo ring is
// emptied: its snapshots are numbered for the old grid. False, with nothing
// changed, when an element of any kind would leave the grid or an axis what a
// project file holds.
bool ShiftModel(RecentreShift shift);

enum class RecentreResult {
  Centred,   // nothing asked
  Declined,  // the user chose to keep the model where it is
  TooWide,   // reported; nothing changed
  Moved,
};

// Asks "データ位置が偏っています。…" when the model is off the middle and, on
// Yes, shifts it. The caller centres the view before and repaints after.
RecentreResult RecentreModel();
