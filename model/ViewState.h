#pragma once
// What the user is looking at and working on: variant, storey, edit mode, the
// click sequence and the plan scale. Program-wide; the main window writes most
// of it, the model reset and the project readers the rest.
#include <cstdint>

enum EditMode : int32_t {
  EditModeNone = -1,
  EditModeGrid = 0,
  EditModeColumns = 1,
  EditModeWalls = 2,
  EditModeRoofFloor = 3,
  EditModeFloorSpec = 4,
  EditModeText = 5,
  EditModeFoundation = 6,
  EditModeFreeLine = 7,
  EditModeBeam = 8,
  EditModeGable = 9,
};

enum GridEditAction : int32_t {
  GridEditAddX = 0,
  GridEditChangeX = 1,
  GridEditAddY = 2,
  GridEditChangeY = 3,
  GridEditDelete = 4,  // right click deletes an axis, left click changes its kind
};

extern int32_t CurrentVariant;   // 0..2
extern int32_t CurrentStorey;    // 0..2
extern int32_t CurrentEditMode;  // EditMode
extern int32_t TriangleInput;    // 1: areas by three points, 0: by two diagonal points
// What a click in the grid mode does: GridEditMode values.
extern int32_t GridEditMode;
extern int32_t PendingPointCount;
extern int32_t ClickPoints[4];  // X, Y of the first and of the second pending point
extern int32_t ClickPixels[6];  // pixel x, y of the three corners of the rubber band

// Drops a half-finished click sequence: PendingPointCount 0 and the collected
// points and rubber-band corners cleared. A change of edit mode, storey or
// variant calls it, so that points clicked for one kind never end up in
// another kind's element.
void CancelClickSequence();

extern int32_t PlanScaleDenominator;  // 1/n, 30..200
extern double PixelsPerMetre;         // 4000 / PlanScaleDenominator, integer division

constexpr int32_t DefaultPlanScaleDenominator = 75;
constexpr int32_t MinPlanScaleDenominator = 30;
constexpr int32_t MaxPlanScaleDenominator = 200;

// Whole pixels per metre at 1/n: 4000 div n, the remainder dropped.
constexpr int32_t WholePixelsPerMetre(int32_t denominator) { return 4000 / denominator; }

// Sets the plan scale; a denominator outside 30..200 is brought into range.
void SetPlanScale(int32_t denominator);
