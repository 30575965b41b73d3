// Numbers that reach the plan's canvas stay in range: the oldest-layout file
// with axes near 1e13 m is refused at its grid, and a model at the bounds of
// what a file may hold (axes and free-line offsets 10 km out) paints at the
// largest scale with every coordinate far inside int. Run under the
// sanitizers, an overflow here fails the test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/ModelReset.h"
#include "model/ModelValidation.h"
#include "model/PlanScale.h"
#include "model/ProjectFileOpen.h"
#include "model/ViewState.h"
#include "platform/ScriptedMessageBox.h"
#include "rendering/PlanPaint.h"
#include "rendering/RecordingCanvas.h"

namespace {

// Every coordinate that the paint gave the canvas, as far from 0 as it got.
int64_t LargestCoordinate(const RecordingCanvas& canvas) {
  int64_t largest = 0;
  for (const auto& call : canvas.Calls())
    for (int32_t v : call.Args) largest = std::max<int64_t>(largest, std::llabs(v));
  return largest;
}

void PaintAtLargestScale(RecordingCanvas& canvas) {
  ASSERT_TRUE(TrySetPlanScale(30));
  UpdateUsedExtents();
  PaintFullPlan(canvas, ScreenPlanView(), SheetWidthPixels(), SheetHeightPixels());
}

TEST(FarAxisPaint, TheFileWithAxesNear1e13MetresIsRefusedAndPaintsInRange) {
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

TEST(FarAxisPaint, AModelAtTheBoundsOfAFilePaintsInRange) {
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

  RecordingCanvas canvas;
  PaintAtLargestScale(canvas);
  EXPECT_GT(canvas.Calls().size(), 0u);
  EXPECT_LT(LargestCoordinate(canvas), int64_t{1} << 28);
}

}  // namespace
