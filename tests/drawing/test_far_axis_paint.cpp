// Numbers that reach the plan's canvas stay in range: the oldest-layout file
// with axes near 1e13 m is refused at its grid, and a model at the bounds of
// what a file may hold (axes and free-line offsets 10 km out) paints at the
// largest and the smallest scale with every coordinate far inside int; a
// model beyond those bounds (axes 3e7 m out, which no edit or file can give)
// still paints and hovers with every coordinate clipped to ViewUnitLimit.
// Run under the sanitizers, an overflow here fails the test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "editing/ModelReset.h"
#include "editing/ProjectLoad.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/GridView.h"
#include "model/ModelExtents.h"
#include "model/ModelValidation.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"
#include "platform/ScriptedMessageBox.h"
#include "rendering/PlanHover.h"
#include "rendering/PlanPaint.h"
#include "rendering/RecordingCanvas.h"
#include "tests/core/TestModelBuilder.h"

namespace {

// Leaves the model and the view as the other drawing tests expect them.
class FarAxisPaint : public testing::Test {
 protected:
  void TearDown() override {
    ScriptedMessageBox boxes;
    boxes.OnUnexpected = [](const std::string&) {};
    ScopedMessageBoxPort port(&boxes);
    ResetModel(ResetForStartUp);
    LayOutGridAtModule();
    CurrentEditMode = EditModeNone;
    ForgetXorFigures();
  }
};

// Every coordinate that the paint gave the canvas, as far from 0 as it got.
int64_t LargestCoordinate(const RecordingCanvas& canvas) {
  int64_t largest = 0;
  for (const auto& call : canvas.Calls())
    for (int32_t v : call.Args) largest = std::max<int64_t>(largest, std::llabs(v));
  return largest;
}

void PaintAtScale(RecordingCanvas& canvas, int32_t denominator) {
  ASSERT_TRUE(TrySetPlanScale(denominator));
  UpdateUsedExtents();
  PaintFullPlan(canvas, ScreenPlanView(), SheetWidthPixels(), SheetHeightPixels());
}

void PaintAtLargestScale(RecordingCanvas& canvas) { PaintAtScale(canvas, 30); }

// The scales at the ends of the zoom: 4000 / 30 and 4000 / 200 pixels a metre.
constexpr int32_t kZoomEnds[] = {30, 200};

// One element of every kind in (0, 0) on the outermost axes, with the marks
// that widen a column and the labels that stand off it.
void PutElementsOnTheOuterAxes() {
  using namespace testmodel;
  constexpr int L = GridAxisCountX - 1;
  ColumnRecord& column = AddColumn(0, 0, L, L);
  column.Deterioration = 0;
  column.CornerSetting = 1;
  AddColumn(0, 0, 0, 0);
  AddWall(0, 0, 0, 0, L, 0);
  AddWall(0, 0, L, 0, L, L);
  AddGable(0, 0, 0, L, L, L);
  AddRect(0, 0, 0, 0, L, L, 1);
  AddSpecRect(0, 0, 0, 0, L, L, 0);
  AddFoundation(0, 0, 0, L, 0, 0);
  AddText(0, 0, 0, 0, L, L, u"遠い");
  AddLine(0, 0, 0, L, L, 0);
}

TEST_F(FarAxisPaint, TheFileWithAxesNear1e13MetresIsRefusedAndPaintsInRange) {
  const std::filesystem::path file =
      std::filesystem::path(QUILMORA_DAMAGED_FIXTURES_DIR) / "ty0-axis-1e13.ty0";
  ASSERT_TRUE(std::filesystem::exists(file)) << "the fixture is missing: " << file;
  ScriptedMessageBox boxes;
  boxes.OnUnexpected = [](const std::string&) {};
  ScopedMessageBoxPort port(&boxes);
  ResetModel(ResetForStartUp);
  EXPECT_EQ(OpenProjectFile(ReadProjectFileBytes(file.string()), file.string()), OpenResult::Broken);
  EXPECT_TRUE(IsGridWithinBounds(GridAxisX, GridAxisCountX, GridAxisY, GridAxisCountY, GridModule));

  RecordingCanvas canvas;
  PaintAtLargestScale(canvas);
  EXPECT_GT(canvas.Calls().size(), 0u);
  EXPECT_LT(LargestCoordinate(canvas), int64_t{1} << 24);
}

TEST_F(FarAxisPaint, AModelAtTheBoundsOfAFilePaintsInRange) {
  ScriptedMessageBox boxes;
  boxes.OnUnexpected = [](const std::string&) {};
  ScopedMessageBoxPort port(&boxes);
  ResetModel(ResetForStartUp);
  const double far = FileNumberBounds.GridPosition.Max;
  GridAxisX[0] = GridAxisY[0] = -far;
  GridAxisX[GridAxisCountX - 1] = GridAxisY[GridAxisCountY - 1] = far;
  FreeLines[0][0][0] = FreeLineRecord{0, 0, 0, GridAxisCountX - 1, GridAxisCountY - 1};
  FreeLines[0][0][0].OffsetX1 = FileNumberBounds.FreeLineOffset.Min;
  FreeLines[0][0][0].OffsetY2 = FileNumberBounds.FreeLineOffset.Max;
  FreeLineCount[0][0] = 1;
  const char* why = "";
  ASSERT_TRUE(IsModelConsistent(&why)) << why;

  PutElementsOnTheOuterAxes();
  ASSERT_TRUE(IsModelConsistent(&why)) << why;
  for (int32_t denominator : kZoomEnds) {
    SCOPED_TRACE(denominator);
    RecordingCanvas canvas;
    PaintAtScale(canvas, denominator);
    EXPECT_GT(canvas.Calls().size(), 0u);
    // The free line's end: the axis 1e4 m out and its offset of 1e4 m more,
    // 2e4 x 4000 / 30 = 2.67e6 pixels at the largest scale.
    EXPECT_LT(LargestCoordinate(canvas), int64_t{1} << 22);
  }
}

TEST_F(FarAxisPaint, ViewUnitsAreTruncatedTowardZeroAndClipped) {
  const struct {
    double units;
    int32_t expected;
  } cases[] = {
      {1.9, 1},
      {-1.9, -1},
      {268435455.5, 268435455},  // 2^28 - 0.5
      {268435456.0, ViewUnitLimit},
      {4.0e9, ViewUnitLimit},  // 3e7 m at 4000 / 30 pixels a metre
      {-4.0e9, -ViewUnitLimit},
      {1e300, ViewUnitLimit},
      {-std::numeric_limits<double>::infinity(), -ViewUnitLimit},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.units);
    EXPECT_EQ(ToViewUnits(c.units), c.expected);
  }
  EXPECT_EQ(ViewUnitLimit, 268435456);
}

// Axes 3e7 m either side of the origin give 4e9 pixels at the largest scale,
// beyond int: every layer clips, and what it adds to a clipped coordinate (a
// mark's reach, a label's offset) stays far inside int.
TEST_F(FarAxisPaint, AModelFarBeyondTheBoundsPaintsAndHoversClipped) {
  ScriptedMessageBox boxes;
  boxes.OnUnexpected = [](const std::string&) {};
  ScopedMessageBoxPort port(&boxes);
  ResetModel(ResetForStartUp);
  for (int i = 0; i < GridAxisCountX; ++i) {
    GridAxisX[i] = -3e7 + i * 3e5;
    GridAxisY[i] = -3e7 + i * 3e5;
  }
  PutElementsOnTheOuterAxes();
  for (int32_t denominator : kZoomEnds) {
    SCOPED_TRACE(denominator);
    RecordingCanvas canvas;
    PaintAtScale(canvas, denominator);
    EXPECT_GT(canvas.Calls().size(), 0u);
    EXPECT_LT(LargestCoordinate(canvas), int64_t{1} << 29);

    for (int32_t mode = EditModeGrid; mode <= EditModeGable; ++mode) {
      SCOPED_TRACE(mode);
      CurrentEditMode = mode;
      ForgetXorFigures();
      RecordingCanvas figures;
      for (int32_t x : {0, SheetWidthPixels() / 2, SheetWidthPixels() - 1}) {
        const HoverUpdate update = PlanMouseMove(x, x, SheetWidthPixels(), SheetHeightPixels());
        DrawXorFigure(figures, update.Erase);
        DrawXorFigure(figures, update.Draw);
        const SheetRect r = XorFigureBounds(update.Draw);
        EXPECT_LE(std::max<int64_t>(std::llabs(r.Left), std::llabs(r.Right)), int64_t{1} << 29);
      }
      EXPECT_LT(LargestCoordinate(figures), int64_t{1} << 29);
      PlanMouseLeave();
    }
    CurrentEditMode = EditModeNone;
  }
}

}  // namespace
