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
    for (int i = 0; i < GridAxisCountX; ++i) GridAxisX[i] = i;
    for (int i = 0; i < GridAxisCountY; ++i) GridAxisY[i] = i;
    for (int v = 0; v < VariantCount; ++v) ProjectSettings.TopStorey[v] = 0;
    CurrentVariant = 0;
  }

  // X axes 0, 1, ... at the given positions; the rest keep their places.
  static void SetAxesX(std::initializer_list<double> positions) {
    int i = 0;
    for (double p : positions) GridAxisX[i++] = p;
  }

  static ColumnRecord& PutColumn(int x, int y, int type = 1, int hardware = 0, int storey = 0) {
    const int v = CurrentVariant;
    ColumnRecord& c = Columns[v][storey][ColumnCount[v][storey]++];
    c = ColumnRecord{};
    c.X = x, c.Y = y, c.Type = type, c.Hardware = hardware, c.Deterioration = 2;
    return c;
  }

  static WallRecord& PutWall(int x1, int y1, int x2, int y2, int storey = 0) {
    const int v = CurrentVariant;
    WallRecord& w = Walls[v][storey][WallCount[v][storey]++];
    w = WallRecord{};
    w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
    return w;
  }

  static RoofFloorRectRecord& PutFloor(int x1, int y1, int x2, int y2, int storey = 0) {
    const int v = CurrentVariant;
    RoofFloorRectRecord& r = RoofFloorRects[v][storey][RoofFloorRectCount[v][storey]++];
    r = RoofFloorRectRecord{};
    r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.AreaCode = 0;  // floor, light
    return r;
  }

  static FoundationRecord& PutFoundation(int x1, int y1, int x2, int y2, int type) {
    const int v = CurrentVariant;
    FoundationRecord& f = Foundations[v][0][FoundationCount[v][0]++];
    f = FoundationRecord{0, x1, y1, x2, y2, type};
    return f;
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
