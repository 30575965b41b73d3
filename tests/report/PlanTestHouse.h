#pragma once
// A two-storey house on a one-metre grid, built through the model's lists,
// for the plan and centre-of-gravity pages: storey 1 is 10 m x 6 m (X axes 2
// to 12, Y axes 2 to 8) in walls of 1 m with a partition line along Y axis
// 5; storey 2 is 6 m x 6 m over its left part. Every wall carries a
// structural plywood panel (row 3) and a frame without deterioration;
// columns stand at every wall end. Storey 1 has the floor under storey 2
// (code 0) and a lean-to roof (code 3); storey 2 its roof (code 3).
#include "chain/RecalculationChain.h"
#include "editing/ModelReset.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "tests/core/TestModelBuilder.h"

namespace plantest {

// Y axes count up the sheet of the plan, so Y axis 8 is the house's lower
// side; in the analysis x = X axis - 2, y = 8 - Y axis.
constexpr int32_t Left = 2, Right = 12, Upper = 2, Lower = 8, Partition = 5, StoreyTwoRight = 8;
constexpr int32_t PanelPlywood = 3;
constexpr int32_t FrameSound = 2;

inline WallRecord& Wall(int32_t s, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  WallRecord& w = testmodel::AddWall(0, s, x1, y1, x2, y2);
  w.PanelLeft = PanelPlywood;
  w.Deterioration = FrameSound;
  return w;
}

// One-metre walls from (x1, y1) to (x2, y2) along an axis.
inline void WallRun(int32_t s, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (y1 == y2)
    for (int32_t x = x1; x < x2; ++x) Wall(s, x, y1, x + 1, y1);
  else
    for (int32_t y = y1; y < y2; ++y) Wall(s, x1, y, x1, y + 1);
}

// Columns at every wall end that has none.
inline void ColumnsAtWallEnds(int32_t s) {
  for (int32_t k = 0; k < WallCount[0][s]; ++k)
    for (int32_t end = 0; end < 2; ++end) {
      const WallRecord& w = Walls[0][s][k];
      const int32_t x = end == 0 ? w.X1 : w.X2, y = end == 0 ? w.Y1 : w.Y2;
      bool known = false;
      for (int32_t c = 0; c < ColumnCount[0][s]; ++c)
        known = known || (Columns[0][s][c].X == x && Columns[0][s][c].Y == y);
      if (!known) testmodel::AddColumn(0, s, x, y).Deterioration = FrameSound;
    }
}

// The outline walls of storey 1 come first: along Y axis 2, Y axis 8, X axis
// 2 and X axis 12.
inline void BuildHouse() {
  testmodel::UseOneMetreGrid();
  ProjectSettings.TopStorey[0] = 1;
  WallRun(0, Left, Upper, Right, Upper);
  WallRun(0, Left, Lower, Right, Lower);
  WallRun(0, Left, Upper, Left, Lower);
  WallRun(0, Right, Upper, Right, Lower);
  WallRun(0, Left, Partition, Right, Partition);
  WallRun(1, Left, Upper, StoreyTwoRight, Upper);
  WallRun(1, Left, Lower, StoreyTwoRight, Lower);
  WallRun(1, Left, Upper, Left, Lower);
  WallRun(1, StoreyTwoRight, Upper, StoreyTwoRight, Lower);
  testmodel::AddRect(0, 0, Left, Upper, StoreyTwoRight, Lower, 0);
  testmodel::AddRect(0, 0, StoreyTwoRight, Upper, Right, Lower, 3);
  testmodel::AddRect(0, 1, Left, Upper, StoreyTwoRight, Lower, 3);
}

// What a full paint does before the pages are drawn, twice, so that the
// steps that read the previous run's values have settled.
inline void Recalculate() {
  for (int32_t s = 0; s < 2; ++s) ColumnsAtWallEnds(s);
  UpdateUsedExtents();
  RunRecalculationChain();
  RunRecalculationChain();
}

// Back to the empty model with its results, so that a later test in the same
// process finds no extent, axis names or results of the house.
inline void Clear() {
  RestoreElementTableStartValues();
  RestoreProjectSettingsStartValues();
  ResetModel(ResetForStartUp);
  UpdateUsedExtents();
  RunRecalculationChain();
}

}  // namespace plantest
