#pragma once
// The house of the floor page tests, built through the model's lists and
// recalculated as a paint does it.
#include "chain/RecalculationChain.h"
#include "model/ElementLists.h"
#include "model/ModelExtents.h"
#include "tests/core/TestModelBuilder.h"
#include "tests/support/MaximalModel.h"

// Used extents, then the chain twice, so that the values it takes from the
// previous run have settled.
inline void RecalculateAsPainted() {
  UpdateUsedExtents();
  RunRecalculationChain();
  RunRecalculationChain();
}

// The typical two-storey house (tests/support/MaximalModel.h: storey 1 of 12 x 8
// modules of 0.91 m from axis (10, 10), storey 2 over its left 8 x 8 modules,
// eaves one module outside storey 2) with storey 1's floor types replaced:
//   1. the left 8 x 8 modules, entered from the upper-right corner to the
//      lower-left one: board row 1 (2.00) + bracing row 1 (0.80);
//   2. the upper right 4 x 4 modules: 吹抜 + 火打なし (0.00 + 0.00), so the
//      floor intervals across it have no strength and fail;
//   3. a triangle over the lower right 4 x 4 modules, with its right angle
//      at the upper right: board row 3 (1.00) without bracing.
// Storey 2 keeps its one area of board row 13 (0.70).
inline void BuildFloorTypeHouse() {
  BuildTypicalHouse();
  constexpr int x0 = 10, y0 = 10;
  FloorSpecRectCount[CurrentState][0] = 0;
  FloorSpecTriangleCount[CurrentState][0] = 0;
  testmodel::AddSpecRect(CurrentState, 0, x0 + 8, y0, x0, y0 + 8, 1 + 32 * 1);
  testmodel::AddSpecRect(CurrentState, 0, x0 + 8, y0, x0 + 12, y0 + 4, 0);
  testmodel::AddSpecTriangle(CurrentState, 0, x0 + 8, y0 + 4, x0 + 12, y0 + 4, x0 + 12, y0 + 8, 3);
  RecalculateAsPainted();
}
