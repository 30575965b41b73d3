#include "mainwindow/PaintCycle.h"

#include "analysis/RecalculationChain.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/CentresOverlay.h"
#include "rendering/ColumnLayer.h"
#include "rendering/FoundationLayer.h"
#include "rendering/FreeLineLayer.h"
#include "rendering/GableWallLayer.h"
#include "rendering/GridAxisLayer.h"
#include "rendering/TextLabelLayer.h"

void DrawGridLines(Canvas& canvas, int32_t sheetWidth, int32_t sheetHeight) {
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Dot);
  canvas.SetPenMode(PenMode::Copy);
  for (int32_t i = 0; i < GridAxisCountX; ++i) {
    canvas.SetPenColour(GridLineColour(GridAxisKindX[i]));
    const int32_t x = TruncToInt(GridAxisX[i] * PixelsPerMetre);
    canvas.MoveTo(x, 0);
    canvas.LineTo(x, sheetHeight);
  }
  for (int32_t j = 0; j < GridAxisCountY; ++j) {
    canvas.SetPenColour(GridLineColour(GridAxisKindY[j]));
    const int32_t y = TruncToInt(GridAxisY[j] * PixelsPerMetre);
    canvas.MoveTo(0, y);
    canvas.LineTo(sheetWidth, y);
  }
}

void PaintFullPlan(Canvas& canvas, int32_t sheetWidth, int32_t sheetHeight) {
  UpdateUsedExtents();
  DrawGridLines(canvas, sheetWidth, sheetHeight);
  RunRecalculationChain();
  // The balloons and dimensions belong to the chain's first step, which names
  // the axes; nothing of the chain draws, so they come first of the layers.
  DrawGridAxes(canvas);
  // The plan layers follow, each under its condition, in this order.
  // Foundations come first unless the foundation is uniform or the other
  // storey's walls are shown in their place.
  if (ProjectSettings.UniformFoundation == 0 && ProjectSettings.ShowOtherStoreyWalls == 0)
    DrawFoundations(canvas);
  //   DrawRoofFloorAreas
  //   DrawOtherStoreyWalls
  DrawOtherStoreyColumns(canvas);
  //   DrawWalls
  DrawColumns(canvas);
  if (ProjectSettings.BalanceMethod == 0) DrawCentresOverlay(canvas);
  DrawTextLabels(canvas);
  DrawFreeLines(canvas);
  //   DrawRoofFloorAreas       again in the roof/floor edit mode
  if (CurrentEditMode == EditModeGable) DrawGableWalls(canvas);
  //   DrawFloorSpecs
  // On the first storey in the foundation edit mode the foundations, then the
  // other storey's walls and columns, are drawn again on top of everything.
  const bool foundationsOnTop = CurrentStorey == 0 && CurrentEditMode == EditModeFoundation;
  if (foundationsOnTop) DrawFoundations(canvas);
  //   DrawOtherStoreyWalls again when foundationsOnTop
  if (foundationsOnTop) DrawOtherStoreyColumns(canvas);
}
