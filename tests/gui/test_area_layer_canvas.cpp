// Roof/floor areas on the plan's image: the fills are ANDed into what lies
// below, so overlapping areas darken each other (and the white sheet shows
// each area's own colour); drawn from stamps they give the same pixels as
// drawn by the painter.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "rendering/AreaLayer.h"
#include "rendering/PlanView.h"
#include "rendering/qt/QtCanvas.h"

namespace {

QRgb Rgb(int32_t colour) { return qRgb(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff); }

class AreaCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GridModule = DefaultGridModule;
    LayOutGridAtModule();
    for (int32_t i = 0; i < GridAxisCountX; ++i) GridAxisX[i] = i;
    for (int32_t j = 0; j < GridAxisCountY; ++j) GridAxisY[j] = j;
    ASSERT_TRUE(TrySetPlanScale(100));  // 40 px/m
    CurrentVariant = 0;
    CurrentStorey = 0;
    ProjectSettings.RequiredStrengthMethod = RequiredByWeightTable;
    ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
    // A floor over axes 1..4 x 1..3 and a roof over 3..6 x 2..5; a triangle
    // 5..7 x 4..6 crossing the roof.
    RoofFloorRects[0][0][0] = RoofFloorRectRecord{0, 1, 1, 4, 3, 0};
    RoofFloorRects[0][0][1] = RoofFloorRectRecord{0, 6, 5, 3, 2, 4};
    RoofFloorRectCount[0][0] = 2;
    RoofFloorTriangles[0][0][0] = RoofFloorTriangleRecord{0, 5, 4, 7, 4, 5, 6, 14};
    RoofFloorTriangleCount[0][0] = 1;
  }
  static QImage Paint(int32_t mode, bool stamps) {
    CurrentEditMode = mode;
    QImage image(320, 280, QImage::Format_RGB32);
    image.fill(0xffffffff);
    QPainter painter(&image);
    QtCanvas canvas;
    canvas.SetStampsEnabled(stamps);
    // Twice over the same canvas, so that the second pass comes from stamps.
    for (int pass = 0; pass < 2; ++pass) {
      image.fill(0xffffffff);
      canvas.Begin(&painter, QPoint(0, 0));
      DrawRoofFloorAreas(canvas, ScreenPlanView());
      canvas.End();
    }
    return image;
  }
};

TEST_F(AreaCanvasTest, OverlappingAreasGiveTheAndOfTheirFills) {
  const QImage image = Paint(EditModeColumns, true);
  const QRgb floor = Rgb(AreaKindBrushColours[0]), roof = Rgb(AreaKindBrushColours[4]);
  const QRgb heavyFloor = Rgb(AreaKindBrushColours[14]);
  EXPECT_EQ(image.pixel(60, 60), floor);                 // the floor alone
  EXPECT_EQ(image.pixel(200, 150), roof);                // the roof alone
  EXPECT_EQ(image.pixel(140, 100), floor & roof);        // both
  EXPECT_EQ(image.pixel(225, 175), roof & heavyFloor);   // roof and triangle
  EXPECT_EQ(image.pixel(270, 170), heavyFloor);          // the triangle alone
  EXPECT_EQ(image.pixel(300, 20), qRgb(255, 255, 255));  // nothing
}

TEST_F(AreaCanvasTest, StampsGiveThePaintersPixels) {
  for (const int32_t mode : {EditModeColumns, EditModeRoofFloor}) {
    SCOPED_TRACE(mode);
    const QImage painted = Paint(mode, false), stamped = Paint(mode, true);
    int differing = 0;
    for (int y = 0; y < painted.height(); ++y)
      for (int x = 0; x < painted.width(); ++x) {
        if (painted.pixel(x, y) != stamped.pixel(x, y) && differing < 8)
          ADD_FAILURE() << x << "," << y << " " << std::hex << painted.pixel(x, y) << " "
                        << stamped.pixel(x, y);
        differing += painted.pixel(x, y) != stamped.pixel(x, y);
      }
    EXPECT_EQ(differing, 0);
  }
}

}  // namespace
