#pragma once
// Plans built through the model's lists for the tests of the structural
// recalculation: a one-storey current state on a 1 m grid unless a test says
// otherwise, and the recalculation chain up to RecalcStructure.
#include <gtest/gtest.h>

#include <initializer_list>

#include "ModelFixture.h"
#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "analysis/RecalcStructure.h"
#include "analysis/WallLines.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

class StructureTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    testmodel::PlaceAxesAtWholeMetres();
    for (int v = 0; v < VariantCount; ++v) ProjectSettings.TopStorey[v] = 0;
    CurrentVariant = 0;
  }

  static void SetAxesX(std::initializer_list<double> positions) { testmodel::SetAxesX(positions); }

  // Elements of the current variant; columns and walls sound unless a test says otherwise.
  static ColumnRecord& PutColumn(int x, int y, int type = 1, int hardware = 0, int storey = 0) {
    ColumnRecord& c = testmodel::AddColumn(CurrentVariant, storey, x, y, type);
    c.Hardware = hardware, c.Deterioration = 2;
    return c;
  }

  static WallRecord& PutWall(int x1, int y1, int x2, int y2, int storey = 0) {
    return testmodel::AddWall(CurrentVariant, storey, x1, y1, x2, y2);
  }

  static RoofFloorRectRecord& PutFloor(int x1, int y1, int x2, int y2, int storey = 0) {
    return testmodel::AddRect(CurrentVariant, storey, x1, y1, x2, y2, 0);  // floor, light
  }

  static FoundationRecord& PutFoundation(int x1, int y1, int x2, int y2, int type) {
    return testmodel::AddFoundation(CurrentVariant, x1, y1, x2, y2, type);
  }

  // What the paint handler runs before and including the structural recalculation.
  static void Recalculate() {
    UpdateUsedExtents();
    LabelGridAxes();
    SortColumnIndex();
    BuildGridPointMap();
    BuildWallDirectionLists();
    RecalcStructure();
  }

  static const WallCaseResult& Result(int wall, int wallCase = 0, int storey = 0) {
    return WallResults[CurrentVariant][storey][wall].Blocks[wallCase];
  }
};
