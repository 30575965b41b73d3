#pragma once
// Helpers for the floor-area, weight and required-strength tests: a grid of
// 1 m pitch with both origin axes at axis 0, and roof/floor areas appended to
// a variant's lists.
#include "ModelFixture.h"
#include "analysis/GridAxisLabels.h"
#include "model/ElementLists.h"
#include "model/Grid.h"

class AreaTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    GridModule = 1.0;
    LayOutGridAtModule();
    GridOriginAxisX = 0;
    GridOriginAxisY = 0;
  }
};

struct AreaLoads {
  double LiveLoad = 0;
  double DeadLoad = 0;
  double AddedLoad = 0;
};

inline RoofFloorRectRecord& AddRect(int v, int s, int x1, int y1, int x2, int y2, int code,
                                    AreaLoads loads = {}) {
  RoofFloorRectRecord& r = RoofFloorRects[v][s][RoofFloorRectCount[v][s]++];
  r = RoofFloorRectRecord{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2;
  r.AreaCode = code;
  r.LiveLoad = loads.LiveLoad, r.DeadLoad = loads.DeadLoad, r.AddedLoad = loads.AddedLoad;
  return r;
}

inline RoofFloorTriangleRecord& AddTriangle(int v, int s, int x1, int y1, int x2, int y2, int x3, int y3,
                                            int code, AreaLoads loads = {}) {
  RoofFloorTriangleRecord& t = RoofFloorTriangles[v][s][RoofFloorTriangleCount[v][s]++];
  t = RoofFloorTriangleRecord{};
  t.X1 = x1, t.Y1 = y1, t.X2 = x2, t.Y2 = y2, t.X3 = x3, t.Y3 = y3;
  t.AreaCode = code;
  t.LiveLoad = loads.LiveLoad, t.DeadLoad = loads.DeadLoad, t.AddedLoad = loads.AddedLoad;
  return t;
}
