#include "editing/ClickInput.h"

#include <cmath>

#include "editing/AreaInput.h"
#include "editing/ColumnInput.h"
#include "editing/FloorSpecInput.h"
#include "editing/FoundationInput.h"
#include "editing/FreeLineInput.h"
#include "editing/GableWallInput.h"
#include "editing/GridAxisEditing.h"
#include "editing/TextLabelInput.h"
#include "editing/WallInput.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/GridView.h"
#include "model/ModelAccess.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "presentation/MainWindowPort.h"

int32_t HoverState = 0;
int32_t HoverIndex = 0;
int32_t HoverTriangleIndex = 0;
int32_t ClickSnapX = 0, ClickSnapY = 0;

// Each element kind's routine is plugged in here.
EditModeInput ClickInputRoutines[EditModeInputCount] = {
    /* EditModeGrid */ {},
    /* EditModeColumns */ {InputColumn, nullptr, nullptr},
    /* EditModeWalls */ {nullptr, InputWall, nullptr},
    /* EditModeRoofFloor */ {nullptr, InputRoofFloorRect, InputRoofFloorTriangle},
    /* EditModeFloorSpec */ {nullptr, InputFloorSpecRect, InputFloorSpecTriangle},
    /* EditModeText */ {nullptr, InputTextLabel, nullptr},
    /* EditModeFoundation */ {nullptr, InputFoundation, nullptr},
    /* EditModeFreeLine */ {nullptr, InputFreeLine, nullptr},
    /* EditModeBeam */ {},
    /* EditModeGable */ {nullptr, InputGableWall, nullptr},
};

namespace {

const EditModeInput* RoutinesOf(int32_t mode) {
  return mode >= 0 && mode < EditModeInputCount ? &ClickInputRoutines[mode] : nullptr;
}

// The number of points that complete an element of the mode; 0 for modes
// that only collect points.
int32_t PointsPerElement(int32_t mode) {
  switch (mode) {
    case EditModeColumns:
      return 1;
    case EditModeRoofFloor:
    case EditModeFloorSpec:
      return TriangleInput == 1 ? 3 : 2;
    case EditModeWalls:
    case EditModeText:
    case EditModeFoundation:
    case EditModeFreeLine:
    case EditModeGable:
      return 2;
    default:
      return 0;
  }
}

template <typename Record>
bool TwoPointsOf(const Record* records, const int32_t (&count)[ModelSlotCount][StoreyCount], int32_t max,
                 int32_t index, int32_t (&p)[6]) {
  if (index < 0 || index >= CountOf(count, CurrentVariant, CurrentStorey, max)) return false;
  const Record& r = records[index];
  p[0] = r.X1, p[1] = r.Y1, p[2] = r.X2, p[3] = r.Y2;
  return true;
}

template <typename Record>
bool ThreePointsOf(const Record* records, const int32_t (&count)[ModelSlotCount][StoreyCount], int32_t max,
                   int32_t index, int32_t (&p)[6]) {
  if (index < 0 || index >= CountOf(count, CurrentVariant, CurrentStorey, max)) return false;
  const Record& r = records[index];
  p[0] = r.X1, p[1] = r.Y1, p[2] = r.X2, p[3] = r.Y2, p[4] = r.X3, p[5] = r.Y3;
  return true;
}

// The points of the hovered element of the mode: 2 for a two-point element or
// rectangle, 3 for a triangle, 0 when nothing valid is hovered.
int32_t HoveredPoints(int32_t mode, int32_t (&p)[6]) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
#define QUILMORA_TWO(records, count, max) (TwoPointsOf((records)[v][s], count, max, HoverIndex, p) ? 2 : 0)
#define QUILMORA_THREE(records, count, max) \
  (ThreePointsOf((records)[v][s], count, max, HoverTriangleIndex, p) ? 3 : 0)
  if (HoverState == HoverFirstFigure) {
    switch (mode) {
      case EditModeWalls:
        return QUILMORA_TWO(Walls, WallCount, MaxWallsPerStorey);
      case EditModeRoofFloor:
        return QUILMORA_TWO(RoofFloorRects, RoofFloorRectCount, MaxRoofFloorRectsPerStorey);
      case EditModeFloorSpec:
        return QUILMORA_TWO(FloorSpecRects, FloorSpecRectCount, MaxFloorSpecRectsPerStorey);
      case EditModeText:
        return QUILMORA_TWO(TextLabels, TextLabelCount, MaxTextLabelsPerStorey);
      case EditModeFoundation:
        return QUILMORA_TWO(Foundations, FoundationCount, MaxFoundationsPerStorey);
      case EditModeFreeLine:
        return QUILMORA_TWO(FreeLines, FreeLineCount, MaxFreeLinesPerStorey);
      case EditModeGable:
        return QUILMORA_TWO(GableWalls, GableWallCount, MaxGableWallsPerStorey);
      default:
        return 0;
    }
  }
  if (HoverState == HoverSecondFigure) {
    switch (mode) {
      case EditModeRoofFloor:
        return QUILMORA_THREE(RoofFloorTriangles, RoofFloorTriangleCount, MaxRoofFloorTrianglesPerStorey);
      case EditModeFloorSpec:
        return QUILMORA_THREE(FloorSpecTriangles, FloorSpecTriangleCount, MaxFloorSpecTrianglesPerStorey);
      default:
        return 0;
    }
  }
#undef QUILMORA_TWO
#undef QUILMORA_THREE
  return 0;
}

void EndClick() {
  PendingPointCount = 0;
  ModifiedFlag = 1;
  HoverState = HoverEditApplied;
}

// The right click outside the grid mode: the hovered element once more.
void ReapplyHovered(int32_t mode) {
  if (PendingPointCount != 0) InvalidateSheet();
  if (const EditModeInput* input = RoutinesOf(mode)) {
    if (mode == EditModeColumns) {
      if (HoverState == HoverFirstFigure && input->OnePoint) input->OnePoint(ClickSnapX, ClickSnapY);
    } else {
      int32_t p[6] = {};
      const int32_t n = HoveredPoints(mode, p);
      if (n == 2 && input->TwoPoints) input->TwoPoints(p[0], p[1], p[2], p[3]);
      if (n == 3 && input->ThreePoints) input->ThreePoints(p[0], p[1], p[2], p[3], p[4], p[5]);
    }
  }
  EndClick();
  InvalidateSheet();
}

// Calls the mode's routine when this click completes an element; false when
// the click only adds a point.
bool ApplyClickSequence(int32_t mode) {
  const EditModeInput* input = RoutinesOf(mode);
  const int32_t needed = PointsPerElement(mode);
  if (!input || needed == 0 || PendingPointCount != needed - 1) return false;
  const int32_t x = ClickSnapX, y = ClickSnapY;
  const int32_t *first = &ClickPoints[0], *second = &ClickPoints[2];
  switch (needed) {
    case 1:
      if (!input->OnePoint) return false;
      input->OnePoint(x, y);
      return true;
    case 2:
      if (!input->TwoPoints) return false;
      // A second click on the first point of a wall places a column there.
      if (mode == EditModeWalls && x == first[0] && y == first[1])
        InputColumn(x, y);
      else
        input->TwoPoints(first[0], first[1], x, y);
      return true;
    default:
      if (!input->ThreePoints) return false;
      input->ThreePoints(first[0], first[1], second[0], second[1], x, y);
      return true;
  }
}

void CollectPoint(int32_t px, int32_t py) {
  switch (PendingPointCount) {
    case 0:
      ClickPoints[0] = ClickSnapX, ClickPoints[1] = ClickSnapY;
      HoverState = HoverNothing;
      InvalidateSheet();
      ClickPixels[0] = px, ClickPixels[1] = py, ClickPixels[2] = px, ClickPixels[3] = py;
      break;
    case 1:
      ClickPoints[2] = ClickSnapX, ClickPoints[3] = ClickSnapY;
      ClickPixels[2] = px, ClickPixels[3] = py, ClickPixels[4] = px, ClickPixels[5] = py;
      break;
    default:
      ClickPixels[4] = px, ClickPixels[5] = py;
  }
  PendingPointCount = (PendingPointCount + 1) % 3;
}

void CycleAxisKind(int32_t& kind) { kind = (ClampInt(kind, 0, 2) + 1) % 3; }

void GridModeClick(PlanMouseButton button, double xm, double ym) {
  const bool deleteMode = GridEditMode == GridEditDelete;
  if (!deleteMode) {
    ClickSnapX = IntervalUnder(GridAxisX, GridAxisCountX, xm);
    ClickSnapY = IntervalUnder(GridAxisY, GridAxisCountY, ym);
  } else {
    const double tolerance = GridClickTolerance();
    ClickSnapX = AxisWithin(GridAxisX, GridAxisCountX, xm, tolerance);
    ClickSnapY = AxisWithin(GridAxisY, GridAxisCountY, ym, tolerance);
  }
  if ((button == PlanMouseLeft && !deleteMode) || (button == PlanMouseRight && deleteMode)) {
    EditGridAxis(ClickSnapX, ClickSnapY);
  } else if (button == PlanMouseLeft) {
    if (ClickSnapX < GridAxisCountX) CycleAxisKind(GridAxisKindX[ClickSnapX]);
    if (ClickSnapY < GridAxisCountY) CycleAxisKind(GridAxisKindY[ClickSnapY]);
    GridSpacingCheckPending = 1;
  }
  EndClick();
  InvalidateSheet();
}

}  // namespace

int32_t NearestAxis(const double* axes, int32_t count, double metres) {
  int32_t nearest = 0;
  double best = std::fabs(axes[0] - metres);
  for (int32_t i = 1; i < count; ++i) {
    const double distance = std::fabs(axes[i] - metres);
    if (distance < best) best = distance, nearest = i;
  }
  return nearest;
}

int32_t IntervalUnder(const double* axes, int32_t count, double metres) {
  for (int32_t k = 0; k + 1 < count; ++k)
    if (axes[k] < metres && metres < axes[k + 1]) return k + 1;
  return count + 1;
}

int32_t AxisWithin(const double* axes, int32_t count, double metres, double tolerance) {
  for (int32_t i = 0; i < count; ++i)
    if (axes[i] - tolerance < metres && metres < axes[i] + tolerance) return i;
  return count;
}

double GridClickTolerance() { return PixelsPerMetre / 40000.0 * PlanScaleDenominator; }

void PlanMouseUp(PlanMouseButton button, int32_t x, int32_t y) {
  if (PixelsPerMetre <= 0) return;
  const double xm = x / PixelsPerMetre, ym = y / PixelsPerMetre;
  ClickSnapX = NearestAxis(GridAxisX, GridAxisCountX, xm);
  ClickSnapY = NearestAxis(GridAxisY, GridAxisCountY, ym);
  const int32_t px = GridViewX(ClickSnapX, PixelsPerMetre);
  const int32_t py = GridViewY(ClickSnapY, PixelsPerMetre);
  if (PendingPointCount < 0 || PendingPointCount > 2) PendingPointCount = 0;

  const int32_t mode = CurrentEditMode;
  if (mode == EditModeGrid) {
    GridModeClick(button, xm, ym);
    return;
  }
  if (button == PlanMouseRight) {
    ReapplyHovered(mode);
    return;
  }
  // The middle button would advance the sequence over a stale point.
  if (button != PlanMouseLeft) return;
  if (ApplyClickSequence(mode)) {
    EndClick();
    return;
  }
  CollectPoint(px, py);
}
