#pragma once
// Placing, changing and deleting columns by a click on a grid point. A click
// on a free point appends a column with the column palette's settings
// (NewColumnDefaults); a click on a column opens the column change dialog and
// applies its result. Through columns (通し柱) keep a partner column on the
// other storey they pass: adding one marks or adds the partner, deleting one
// turns the partner back into a one-storey column.
#include <cstdint>
#include <functional>

#include "model/ElementRecords.h"

enum ColumnType : int32_t {
  ColumnOneStorey = 1,  // 管柱
  ColumnThrough12 = 2,  // 通し柱(1-2)
  ColumnThrough23 = 3,  // 通し柱(2-3)
};

// What the change dialog returns in ColumnChangeBuffer.Result. On entry the
// result says whether a bearing wall ends at the column.
enum ColumnChangeResult : int32_t {
  ColumnChangeNoWall = 0,
  ColumnChangeBearingWall = 1,  // the dialog warns that deleting takes the wall's strength away
  ColumnChangeDelete = 2,       // 消去
  ColumnChangeApply = 5,        // 設定
  ColumnChangeCancel = 9,       // キャンセル
};

// The exchange with the change dialog: the column's settings on entry, the
// new settings after 設定.
struct ColumnChangeExchange {
  int32_t Result;
  int32_t Hardware;
  int32_t CornerSetting;
  int32_t Species;
  int32_t SectionX;
  int32_t SectionY;
  int32_t Deterioration;
};
extern ColumnChangeExchange ColumnChangeBuffer;

// Shows the change dialog modally; the dialog sets the result and pushes the
// undo snapshot before a change or a deletion. The GUI installs it; without
// one the dialog counts as closed by its title bar (nothing changes).
void SetColumnChangeDialog(std::function<void()> dialog);

// Ranges of the setting codes.
constexpr int32_t ColumnHardwareRows = 30;   // JointHardwareTable rows
constexpr int32_t ColumnCornerSettings = 3;  // 自動, 出隅柱, 一般柱
constexpr int32_t ColumnSpeciesCount = 3;    // スギ, ヒノキ, ケヤキ
constexpr int32_t ColumnSectionXCount = 6;
constexpr int32_t ColumnSectionYCount = 7;  // 0 same as X, then the six classes
constexpr int32_t ColumnDeteriorationCount = 3;

// The partner storey of a through column of that type on storey s; -1 for a
// one-storey column.
int32_t PartnerStoreyOf(int32_t type, int32_t storey);

// True when a bearing wall of the current variant and storey ends at (x, y):
// a wall without opening, or with a window or door unless precise method 2
// counts such walls by the ratio of walls without openings; a fully open wall
// never counts.
bool BearingWallEndsAt(int32_t x, int32_t y);

// The click on grid point (x, y) in the column mode. 1 when a column was
// added, changed or deleted, or the change dialog ran; 0 when the storey is
// full (silently, without a repaint) or when a through column could not get
// its partner and was added as a one-storey column. Never touches ModifiedFlag.
int32_t InputColumn(int32_t x, int32_t y);
