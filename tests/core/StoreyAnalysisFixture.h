#pragma once
// A storey as the storey analysis leaves it before the sums: walls whose
// records and base results are written the way the geometry, strength and
// reduction steps would write them, on a grid of 1 m pitch.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

// What the earlier steps give a wall, the same in every wall loading case
// unless a test changes a block afterwards.
struct WallBase {
  double Strength = 2.5;  // BaseStrength, kN/m
  double Stiffness = 500.0;
  double WallFactor = 1.5;
  double MinReduction = 0.8;
  double SnowMinReduction = 0.6;
  double OpeningFactor = 1.0;
  double Counted = 1.0;  // LengthX/Y as a share of the extents (a long opening run counts less)
  int32_t OpeningKind = 0;
};

// Zeroes every storey result array and the line arrays, as the chain does
// before the storey analysis.
inline void ClearStoreyResults() {
#define QUILMORA_ZERO_WITH_SNOW(Type, name) \
  std::memset(&name, 0, sizeof name);       \
  std::memset(&name##Snow, 0, sizeof name##Snow);
#define QUILMORA_ZERO_PLAIN(Type, name) std::memset(&name, 0, sizeof name);
  QUILMORA_STOREY_RESULT_ARRAYS(QUILMORA_ZERO_WITH_SNOW, QUILMORA_ZERO_PLAIN)
#undef QUILMORA_ZERO_WITH_SNOW
#undef QUILMORA_ZERO_PLAIN
  std::memset(&LineStiffnessX, 0, sizeof LineStiffnessX);
  std::memset(&LineStiffnessY, 0, sizeof LineStiffnessY);
  std::memset(&LineShearX, 0, sizeof LineShearX);
  std::memset(&LineShearY, 0, sizeof LineShearY);
}

class StoreyAnalysisTest : public ModelTest {
 protected:
  static constexpr int kVariant = 1;  // not variant 0, so that indexing by CurrentVariant is exercised

  void SetUp() override {
    ModelTest::SetUp();
    testmodel::PlaceAxesAtWholeMetres();
    CurrentVariant = kVariant;
    ProjectSettings.TopStorey[kVariant] = 2;
    ProjectSettings.SnowLoad = 0.0;
    ClearStoreyResults();
  }

  // Appends a wall to storey s of the current variant; returns its index.
  static int AddWall(int s, int x1, int y1, int x2, int y2, const WallBase& base = {}) {
    const int v = CurrentVariant;
    const int i = WallCount[v][s];
    testmodel::AddWall(v, s, x1, y1, x2, y2).OpeningKind = base.OpeningKind;
    WallResult& r = WallResults[v][s][i];
    r = WallResult{};
    SnowWallResults[v][s][i] = SnowWallResult{};
    WallCaseResult& b0 = r.Blocks[0];
    b0.ExtentX = std::fabs(GridAxisX[x2] - GridAxisX[x1]);
    b0.ExtentY = std::fabs(GridAxisY[y2] - GridAxisY[y1]);
    b0.Length = std::sqrt(b0.ExtentX * b0.ExtentX + b0.ExtentY * b0.ExtentY);
    b0.EffectiveLength = b0.Length * base.Counted;
    b0.LengthX = b0.ExtentX * base.Counted;
    b0.LengthY = b0.ExtentY * base.Counted;
    b0.OpeningFactor = base.OpeningFactor;
    for (int c = 0; c < WallLoadingCaseCount; ++c) {
      r.Blocks[c].BaseStrength = base.Strength;
      r.Blocks[c].BaseStiffness = base.Stiffness;
      r.Blocks[c].WallFactor = base.WallFactor;
      r.Blocks[c].MinReductionFactor = base.MinReduction;
      SnowWallResults[v][s][i].Blocks[c].MinReductionFactor = base.SnowMinReduction;
    }
    return i;
  }
};
