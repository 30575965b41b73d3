// Used extents per variant and storey and over the model: only columns,
// walls, roof/floor areas and foundations count; an empty range is 199..0.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "model/ModelExtents.h"

namespace {

using ModelExtentsTest = ModelTest;

TEST_F(ModelExtentsTest, EmptyModelGivesEmptyRanges) {
  UpdateUsedExtents();
  for (int v = 0; v < VariantCount; ++v) {
    for (int s = 0; s < StoreyCount; ++s) {
      EXPECT_EQ(UsedExtentMinX[v][s], 199);
      EXPECT_EQ(UsedExtentMaxX[v][s], 0);
      EXPECT_EQ(UsedExtentMinY[v][s], 199);
      EXPECT_EQ(UsedExtentMaxY[v][s], 0);
    }
  }
  EXPECT_EQ(ModelExtentMinX, 199);
  EXPECT_EQ(ModelExtentMaxX, 0);
  EXPECT_EQ(WallExtentMinY, 199);
  EXPECT_EQ(WallExtentMaxY, 0);
}

TEST_F(ModelExtentsTest, EachCountingKindWidensItsStorey) {
  // One element per case on variant 1, storey 2; expected minX, maxX, minY, maxY.
  struct Case {
    const char* kind;
    void (*put)();
    int minX, maxX, minY, maxY;
  } cases[] = {
      {"column",
       [] {
         ColumnCount[1][2] = 1;
         Columns[1][2][0] = ColumnRecord{0, 40, 60};
       },
       40, 40, 60, 60},
      {"wall",
       [] {
         WallCount[1][2] = 1;
         Walls[1][2][0] = WallRecord{};
         Walls[1][2][0].X1 = 50, Walls[1][2][0].Y1 = 70, Walls[1][2][0].X2 = 30, Walls[1][2][0].Y2 = 70;
       },
       30, 50, 70, 70},
      {"rectangle",
       [] {
         RoofFloorRectCount[1][2] = 1;
         RoofFloorRects[1][2][0] = RoofFloorRectRecord{0, 10, 90, 20, 80};
       },
       10, 20, 80, 90},
      {"triangle",
       [] {
         RoofFloorTriangleCount[1][2] = 1;
         RoofFloorTriangles[1][2][0] = RoofFloorTriangleRecord{0, 5, 5, 9, 3, 7, 11};
       },
       5, 9, 3, 11},
      {"foundation",
       [] {
         FoundationCount[1][2] = 1;
         Foundations[1][2][0] = FoundationRecord{0, 100, 100, 120, 100, 1};
       },
       100, 120, 100, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    ResetModel(ResetForNewProject);
    c.put();
    UpdateUsedExtents();
    EXPECT_EQ(UsedExtentMinX[1][2], c.minX);
    EXPECT_EQ(UsedExtentMaxX[1][2], c.maxX);
    EXPECT_EQ(UsedExtentMinY[1][2], c.minY);
    EXPECT_EQ(UsedExtentMaxY[1][2], c.maxY);
    EXPECT_EQ(ModelExtentMinX, c.minX);
    EXPECT_EQ(ModelExtentMaxY, c.maxY);
    EXPECT_EQ(UsedExtentMinX[1][1], 199);  // other storeys stay empty
    EXPECT_EQ(UsedExtentMaxX[0][2], 0);
  }
}

TEST_F(ModelExtentsTest, NonStructuralKindsDoNotCount) {
  testmodel::SetList(0, 0, {GableWallRecord{0, 1, 1, 198, 198}});
  testmodel::SetList(0, 0, {TextLabelRecord{0, 2, 2, 2, 2, {}}});
  testmodel::SetList(0, 0, {FloorSpecRectRecord{0, 3, 3, 190, 190, 12}});
  testmodel::SetList(0, 0, {FreeLineRecord{0, 4, 4, 180, 180, 0, 0, 0, 0, 0, 0}});
  testmodel::SetList(0, 0, {SpareKind3Record{0, 0, 0, 199, 199, 0, 0, 0, 0}});
  testmodel::SetList(0, 0, {SpareKind12Record{0, 0, 199, 199, 0}});
  UpdateUsedExtents();
  EXPECT_EQ(UsedExtentMinX[0][0], 199);
  EXPECT_EQ(UsedExtentMaxX[0][0], 0);
  EXPECT_EQ(ModelExtentMinX, 199);
}

TEST_F(ModelExtentsTest, ModelAndWallExtentsSpanAllVariantsAndStoreys) {
  testmodel::SetList(0, 0, {ColumnRecord{0, 20, 180}});
  WallCount[2][1] = 1;
  Walls[2][1][0] = WallRecord{};
  Walls[2][1][0].X1 = 60, Walls[2][1][0].Y1 = 90, Walls[2][1][0].X2 = 60, Walls[2][1][0].Y2 = 95;
  FoundationCount[1][0] = 1;
  Foundations[1][0][0] = FoundationRecord{0, 150, 10, 160, 10, 0};
  // Records beyond the count do not count.
  Walls[2][1][1] = WallRecord{};
  Walls[2][1][1].X1 = 199;
  UpdateUsedExtents();
  EXPECT_EQ(ModelExtentMinX, 20);
  EXPECT_EQ(ModelExtentMaxX, 160);
  EXPECT_EQ(ModelExtentMinY, 10);
  EXPECT_EQ(ModelExtentMaxY, 180);
  EXPECT_EQ(WallExtentMinX, 60);
  EXPECT_EQ(WallExtentMaxX, 60);
  EXPECT_EQ(WallExtentMinY, 90);
  EXPECT_EQ(WallExtentMaxY, 95);
  EXPECT_EQ(UsedExtentMinX[0][0], 20);
  EXPECT_EQ(UsedExtentMaxY[0][0], 180);
}

}  // namespace
