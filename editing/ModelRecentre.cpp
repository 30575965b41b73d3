#include "editing/ModelRecentre.h"

#include "editing/SlotCopy.h"
#include "model/ElementPoints.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/GridFileBounds.h"
#include "model/ModelExtents.h"
#include "platform/MessageBox.h"

namespace {

constexpr int32_t kLastAxis = 199;
constexpr double kCentredTolerance = 2.0;  // m

double MiddleOf(const double (&axes)[200], int32_t first, int32_t last) {
  return (axes[ClampInt(first, 0, kLastAxis)] + axes[ClampInt(last, 0, kLastAxis)]) / 2;
}

// Axis i takes the place of axis i - shift; the axes that come in are laid
// out at the module pitch from their neighbour.
void ShiftAxes(double (&axes)[200], int32_t (&kinds)[200], int32_t shift) {
  if (shift > 0) {
    for (int32_t i = kLastAxis; i >= shift; --i) {
      axes[i] = axes[i - shift];
      kinds[i] = kinds[i - shift];
    }
    for (int32_t i = shift - 1; i >= 0; --i) {
      axes[i] = axes[i + 1] - GridModule;
      kinds[i] = GridAxisMain;
    }
  } else if (shift < 0) {
    for (int32_t i = 0; i <= kLastAxis + shift; ++i) {
      axes[i] = axes[i - shift];
      kinds[i] = kinds[i - shift];
    }
    for (int32_t i = kLastAxis + 1 + shift; i <= kLastAxis; ++i) {
      axes[i] = axes[i - 1] + GridModule;
      kinds[i] = GridAxisMain;
    }
  }
  PutAxisZeroAtOrigin(axes);
}

}  // namespace

bool ModelIsCentred() {
  const double mx = MiddleOf(GridAxisX, ModelExtentMinX, ModelExtentMaxX);
  const double my = MiddleOf(GridAxisY, ModelExtentMinY, ModelExtentMaxY);
  const double gx = MiddleOf(GridAxisX, 0, kLastAxis);
  const double gy = MiddleOf(GridAxisY, 0, kLastAxis);
  return gx - kCentredTolerance < mx && mx < gx + kCentredTolerance && gy - kCentredTolerance < my &&
         my < gy + kCentredTolerance;
}

int32_t AxisShiftFor(const double (&axes)[200], double offset) {
  if (offset >= 0) {
    for (int32_t b = 0; b <= kLastAxis; ++b)
      if (axes[b] - axes[0] > offset) return b;
    return 200;
  }
  for (int32_t b = 0; b > -200; --b)
    if (axes[kLastAxis + b] - axes[kLastAxis] < offset) return b;
  return -200;
}

RecentreShift RecentreShiftOfModel() {
  const double dx = MiddleOf(GridAxisX, 0, kLastAxis) - MiddleOf(GridAxisX, ModelExtentMinX, ModelExtentMaxX);
  const double dy = MiddleOf(GridAxisY, 0, kLastAxis) - MiddleOf(GridAxisY, ModelExtentMinY, ModelExtentMaxY);
  return {AxisShiftFor(GridAxisX, dx), AxisShiftFor(GridAxisY, dy)};
}

bool ShiftModel(RecentreShift shift) {
  // Every kind is tested, also those that do not count for the extents: an
  // index off the grid would be read outside the axis tables later.
  if (!EveryPointStaysOnGrid(shift.X, shift.Y)) return false;
  const GridBackup before;
  ShiftAxes(GridAxisX, GridAxisKindX, shift.X);
  ShiftAxes(GridAxisY, GridAxisKindY, shift.Y);
  if (!GridFitsProjectFile()) {
    before.Restore();
    return false;
  }
  ForEachVariantRecord([&](auto& record) {
    ForEachPointOf(record, [&](int32_t& x, int32_t& y) {
      x += shift.X;
      y += shift.Y;
    });
  });
  EmptyUndoRing();
  return true;
}

RecentreResult RecentreModel() {
  if (ModelIsCentred()) return RecentreResult::Centred;
  if (MessageBox(
          "データ位置が偏っています。中央付近に移動しますか？\n\n移動する --- はい\n\nそのまま続ける --- "
          "いいえ\n\n注）'はい'で表示位置がずれる場合は、\n\n   読み直して'いいえ'を押して下さい。",
          "データ位置の問い合わせ", MB_YESNO | MB_ICONQUESTION) != IDYES)
    return RecentreResult::Declined;
  const RecentreShift shift = RecentreShiftOfModel();
  if (!ShiftModel(shift)) {
    // The axes that come in at the module pitch can carry the grid beyond
    // what a project file holds while every element stays on it.
    if (EveryPointStaysOnGrid(shift.X, shift.Y)) {
      TellGridTooLarge("通り芯の全長", "位置を移動");
      return RecentreResult::TooWide;
    }
    MessageBox("データの範囲が大き過ぎて位置の移動が出来ません。\n\n移動しないで続けます。", "データ移動不可",
               MB_ICONSTOP);
    return RecentreResult::TooWide;
  }
  ModifiedFlag = 1;
  return RecentreResult::Moved;
}
