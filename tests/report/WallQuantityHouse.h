#pragma once
// The two-storey house of the wall-quantity report tests, built through the
// model's lists on a grid of 1 m pitch (axis i at i metres) and painted twice
// (used extents and recalculation chain). Light building, required strength by the table
// with the storey floor-area ratios (method 2), revision 2012.
//
// Storey 1, X axes 10..18, Y axes 10..16:
//   areas   R1 light floor (code 0) 10,10-16,16: 6 x 6 = 36 m²
//           R2 light roof (code 3) 16,10-18,15: 2 x 5 = 10 m², added load 600 N/m²
//           T1 light roof (code 3) 16,15 18,15 16,16: 2 x 1 / 2 = 1 m²
//           R3 light eaves (code 10) 18,10-19,15, listed only under method 0
//   X walls on Y axis 10: 10-12 plywood P1 (factor 2.5), 12-14 brace 45 x 90
//           with hardware (factor 2.0); axis 12: 16-18 a knee brace (strength,
//           factor 0); axis 13: 10-16 brace 30 x 90 nailed (factor 1.5);
//           axis 16: 10-14 P1
//   Y walls on X axis 10: 10-13 and 13-16 P1; axis 14: 10-16 P1; axis 18:
//           10-11 brace 45 x 90 (factor 2.0): the end zone 2 is short of walls
//   the diagonal P1 wall 12,14-14,16 (45 degrees), on two lines each way
// Storey 2: a light roof 10,10-16,16 (36 m²), a light balcony (code 2)
//   16,12-17,14 (2 m², no floor area for the wall quantity) and P1 walls on
//   the roof's four sides.
#include <array>

#include "chain/RecalculationChain.h"
#include "editing/ModelReset.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"

namespace wallquantityhouse {

constexpr int32_t PanelP1 = 3;
constexpr int32_t BraceNone = 0, Brace30x90 = 4, Brace45x90 = 5, KneeBraceWithPost = 9;
constexpr int32_t JointNailed = 0, JointHardware2 = 2;

inline WallRecord& Wall(int s, int x1, int y1, int x2, int y2, int32_t panel, int32_t brace = BraceNone,
                        int32_t joint = JointNailed) {
  WallRecord& w = Walls[CurrentState][s][WallCount[CurrentState][s]++];
  w = WallRecord{};
  w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
  w.PanelLeft = panel;
  w.BraceKind = brace;
  w.BraceEndJoint = joint;
  w.Deterioration = 2;  // sound
  return w;
}

inline void Rect(int s, int x1, int y1, int x2, int y2, int32_t code, double addedLoad = 0) {
  RoofFloorRectRecord& r = RoofFloorRects[CurrentState][s][RoofFloorRectCount[CurrentState][s]++];
  r = RoofFloorRectRecord{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.AreaCode = code, r.AddedLoad = addedLoad;
}

// Columns at both ends of every wall of storey s.
inline void ColumnsAtWallEnds(int s) {
  const int v = CurrentState;
  for (int i = 0; i < WallCount[v][s]; ++i)
    for (auto [x, y] : {std::array{Walls[v][s][i].X1, Walls[v][s][i].Y1},
                        std::array{Walls[v][s][i].X2, Walls[v][s][i].Y2}}) {
      bool known = false;
      for (int c = 0; c < ColumnCount[v][s]; ++c)
        known = known || (Columns[v][s][c].X == x && Columns[v][s][c].Y == y);
      if (known) continue;
      ColumnRecord& c = Columns[v][s][ColumnCount[v][s]++];
      c = ColumnRecord{};
      c.X = x, c.Y = y, c.Type = 1, c.Deterioration = 2;
    }
}

// Builds the house (without painting it).
inline void BuildHouse() {
  RestoreProjectSettingsStartValues();
  RestoreElementTableStartValues();
  GridModule = 1.0;
  ResetModel(ResetForStartUp);
  CurrentVariant = CurrentState;
  ProjectSettings.TopStorey[CurrentState] = 1;
  ProjectSettings.RequiredStrengthMethod = RequiredByStrengthTable;
  ProjectSettings.WeightClass[CurrentState] = WeightLight;
  ProjectSettings.Revision = Revision2012;
  ProjectSettings.WallQuantityFeature = SettingOn;

  Rect(0, 10, 10, 16, 16, 0);
  Rect(0, 16, 10, 18, 15, 3, 600);
  RoofFloorTriangleRecord& t = RoofFloorTriangles[CurrentState][0][RoofFloorTriangleCount[CurrentState][0]++];
  t = RoofFloorTriangleRecord{};
  t.X1 = 16, t.Y1 = 15, t.X2 = 18, t.Y2 = 15, t.X3 = 16, t.Y3 = 16, t.AreaCode = 3;
  Rect(0, 18, 10, 19, 15, 10);

  Wall(0, 10, 10, 12, 10, PanelP1);
  Wall(0, 12, 10, 14, 10, 0, Brace45x90, JointHardware2);
  Wall(0, 16, 12, 18, 12, 0, KneeBraceWithPost);
  Wall(0, 10, 13, 16, 13, 0, Brace30x90, JointNailed);
  Wall(0, 10, 16, 14, 16, PanelP1);
  Wall(0, 10, 10, 10, 13, PanelP1);
  Wall(0, 10, 13, 10, 16, PanelP1);
  Wall(0, 14, 10, 14, 16, PanelP1);
  Wall(0, 18, 10, 18, 11, 0, Brace45x90, JointHardware2);
  Wall(0, 12, 14, 14, 16, PanelP1);
  ColumnsAtWallEnds(0);

  Rect(1, 10, 10, 16, 16, 3);
  Rect(1, 16, 12, 17, 14, 2);
  Wall(1, 10, 10, 16, 10, PanelP1);
  Wall(1, 10, 16, 16, 16, PanelP1);
  Wall(1, 10, 10, 10, 16, PanelP1);
  Wall(1, 16, 10, 16, 16, PanelP1);
  ColumnsAtWallEnds(1);
}

// One full paint's calculation: the used extents (from which the axes are
// named), then the recalculation chain.
inline void Paint() {
  UpdateUsedExtents();
  RunRecalculationChain();
}

// Builds the house and paints it twice, to the chain's fixed point.
inline void BuildAndPaintHouse() {
  BuildHouse();
  Paint();
  Paint();
}

// Back to the grid of the start-up state, for whatever runs next in the process.
inline void RestoreStartGrid() {
  GridModule = DefaultGridModule;
  ResetModel(ResetForStartUp);
}

}  // namespace wallquantityhouse
