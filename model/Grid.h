#pragma once
// The grid of axes on which every element is placed. Axis i is element i.
#include <cstdint>

constexpr int32_t GridAxisCountX = 200;
constexpr int32_t GridAxisCountY = 200;

enum GridAxisKind : int32_t {
  GridAxisMain = 0,          // labelled and dimensioned
  GridAxisAuxiliary = 1,     // unlabelled, in the dimension chain
  GridAxisOutsideChain = 2,  // auxiliary, outside the dimension chain
};

extern double GridAxisX[GridAxisCountX];  // positions, m
extern double GridAxisY[GridAxisCountY];
extern int32_t GridAxisKindX[GridAxisCountX];
extern int32_t GridAxisKindY[GridAxisCountY];
extern double GridModule;  // default axis pitch, m

constexpr double DefaultGridModule = 0.91;

// 1 while the axis spacing is still to be checked (set by a new model, File >
// Open and the clicks of the grid mode): the axis labelling then warns once of
// a narrow pair of axes and clears it (analysis/GridAxisLabels.h).
extern int32_t GridSpacingCheckPending;

// Lays both directions out at the module pitch, every axis a main axis.
void LayOutGridAtModule();

// Moves every axis of one direction by the same distance so that axis 0 lies
// at 0 m, where the plan's sheet begins; returns that distance (m).
double PutAxisZeroAtOrigin(double (&axes)[GridAxisCountX]);
static_assert(GridAxisCountX == GridAxisCountY);
