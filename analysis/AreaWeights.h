#pragma once
// Area weights and centres of gravity: the dead load of every roof/floor area
// from the load take-off table, its weight without and with snow, its weighted
// area for the centre of gravity, centroids and moments, their storey sums,
// and the centre of gravity of the mass each storey carries. Computed for all
// three variants on every recalculation by CalcWeightsAndRequiredStrength.
// Coordinates are metres from the origin axes, x to the right, y upward.
#include <cstdint>

#include "analysis/AnalysisResults.h"
#include "analysis/FloorAreas.h"

// Weight per unit of calculation area for the centre of gravity,
// [building weight class][top storey][storey]; 0 above the top storey.
extern const double StoreyGravityWeightTable[3][StoreyCount][StoreyCount];

// Unit dead load of an area code, N/m², from ProjectSettings.LoadTakeOff;
// the individual codes (9, 13, 16, 19) give userValue, the area's DeadLoad.
// A code outside 0..19 gives 1.0.
double GetUnitLoadForSpec(int32_t code, double userValue);

// Balconies, roofs and eaves carry snow.
constexpr AreaCodeSet SnowCarryingCodes = AreaCodes({2, 3, 4, 8, 9, 10, 11, 12, 13, 17, 18, 19});

// The weight of a roof/floor area of code code, N, without and with snow:
// (unit dead load of the code + live load) x area, plus added load x area
// where the added load counts; with snow the codes that carry it add
// 5 x ProjectSettings.SnowLoad kN/m².
struct AreaLoadWeights {
  double Weight;
  double WeightSnow;
};
AreaLoadWeights AreaLoadWeight(int32_t code, double liveLoad, double deadLoad, double addedLoad,
                               bool addedLoadCounts, double area);

// Per area, [variant][storey][record].
extern RectAreaArray RectWeightArea;    // A, whatever the code
extern RectAreaArray RectWeightedArea;  // A x GravityWeightFactorTable; only while GravityCentreBySpec is 1
extern RectAreaArray RectCentroidX, RectCentroidY;
extern RectAreaArray RectMomentX, RectMomentY;          // weighted area x centroid
extern RectAreaArray RectCalcMomentX, RectCalcMomentY;  // calculation area x centroid
extern TriAreaArray TriWeightArea;
extern TriAreaArray TriWeightedArea;
extern TriAreaArray TriCentroidX, TriCentroidY;
extern TriAreaArray TriMomentX, TriMomentY;
extern TriAreaArray TriCalcMomentX, TriCalcMomentY;

// Per storey sums.
extern StoreyArray StoreyLoadWeight, StoreyLoadWeightSnow;                      // N
extern StoreyArray LoadMomentX, LoadMomentY, LoadMomentXSnow, LoadMomentYSnow;  // N·m
extern StoreyArray WeightAreaSum, WeightAreaMomentX, WeightAreaMomentY;
extern StoreyArray CalcAreaMomentX, CalcAreaMomentY, CalcAreaMomentXSnow, CalcAreaMomentYSnow;

// Centre of gravity of a storey and the storeys above it; (0, 0) when nothing weighs.
extern StoreyArray CentreOfGravityX, CentreOfGravityY, CentreOfGravityXSnow, CentreOfGravityYSnow;

// Steps of CalcWeightsAndRequiredStrength, in the order it calls them.
void ClearAreaWeightSums();                 // storey sums of every variant
void AddAreaWeightsOfStorey(int v, int s);  // after AddFloorAreasOfStorey of the same storey
void CalcCentresOfGravity();                // every variant and storey
