#include "editing/ModelRotation.h"

#include <type_traits>
#include <utility>

#include "editing/SlotCopy.h"
#include "model/ElementPoints.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/GridFileBounds.h"
#include "platform/MessageBox.h"

namespace {
constexpr int32_t kLastAxis = 199;
}

void TurnColumnSections(int32_t& sectionX, int32_t& sectionY) {
  if (sectionY == 0) return;
  const int32_t classX = sectionX;
  sectionX = sectionY - 1;
  sectionY = classX + 1;
}

bool RotateModelLeft() {
  if (!EveryPointStaysOnGrid(0, 0)) {
    MessageBox("グリッドの外に在るデータがあるため、建物を回転出来ません。\n\n回転しないで続けます。",
               "データ移動不可", MB_ICONSTOP);
    return false;
  }

  const GridBackup before;
  double oldX[GridAxisCountX];
  int32_t oldKindX[GridAxisCountX];
  for (int32_t i = 0; i <= kLastAxis; ++i) {
    oldX[i] = GridAxisX[i];
    oldKindX[i] = GridAxisKindX[i];
    GridAxisX[i] = GridAxisY[i];
    GridAxisKindX[i] = GridAxisKindY[i];
  }
  for (int32_t i = 0; i <= kLastAxis; ++i) {
    GridAxisY[i] = oldX[kLastAxis] - oldX[kLastAxis - i];
    GridAxisKindY[i] = oldKindX[kLastAxis - i];
  }
  // The old X axes, laid out again from 0, may reach further than before.
  if (!GridFitsProjectFile()) {
    before.Restore();
    TellGridTooLarge("通り芯の全長", "建物を回転");
    return false;
  }

  ForEachVariantRecord([](auto& record) {
    ForEachPointOf(record, [](int32_t& x, int32_t& y) {
      const int32_t oldXIndex = x;
      x = y;
      y = kLastAxis - oldXIndex;
    });
    using Record = std::remove_cvref_t<decltype(record)>;
    if constexpr (std::is_same_v<Record, ColumnRecord>) {
      TurnColumnSections(record.SectionX, record.SectionY);
    } else if constexpr (std::is_same_v<Record, WallRecord>) {
      // A wall that ran along Y now runs along X: its left face is now below.
      if (record.X1 != record.X2) {
        std::swap(record.PanelLeft, record.PanelRight);
        std::swap(record.FurringLeft, record.FurringRight);
      }
    } else if constexpr (std::is_same_v<Record, FreeLineRecord>) {
      const double x1 = record.OffsetX1, x2 = record.OffsetX2;
      record.OffsetX1 = record.OffsetY1;
      record.OffsetY1 = -x1;
      record.OffsetX2 = record.OffsetY2;
      record.OffsetY2 = -x2;
    }
  });
  EmptyUndoRing();
  ModifiedFlag = 1;
  return true;
}
