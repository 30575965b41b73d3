#pragma once
// Arrangement reduction, one step of the recalculation chain (after the
// column N-value check, before the building-law seismic force). For every
// storey of the current variant it computes the share of other seismic
// elements, the floor-specification areas with their average floor
// magnification, the floor capacities along every axis line and the floor
// class, and the arrangement reduction factor Fe of every load combination,
// by the eccentricity ratio or by the quarter-division method.
// ReductionFactorEX/EY and their snow twins are declared with the storey
// results (analysis/AnalysisResults.h).
//
// Only the entries of the current variant and of its storeys up to the top
// storey are written; the other entries keep what they held.
#include <cstdint>

#include "analysis/AnalysisResults.h"
#include "model/ElementLists.h"

// Share of the required strength held by other seismic elements.
extern StoreyArray OtherElementRatioX;
extern StoreyArray OtherElementRatioY;

// Per floor-specification area, m², and area x floor magnification.
using FloorSpecRectArray = double[VariantCount][StoreyCount][MaxFloorSpecRectsPerStorey];
using FloorSpecTriArray = double[VariantCount][StoreyCount][MaxFloorSpecTrianglesPerStorey];
extern FloorSpecRectArray FloorSpecRectArea, FloorSpecRectWeightedArea;
extern FloorSpecTriArray FloorSpecTriArea, FloorSpecTriWeightedArea;

extern StoreyArray FloorSpecArea;              // sum over the storey's areas, m²
extern StoreyArray FloorSpecWeightedArea;      // sum of area x magnification
extern StoreyArray AverageFloorMagnification;  // weighted / area; 0 without areas

// Length of each axis line inside the floor-specification areas times their
// magnification, m: X1/X2 per Y axis (sections of the X direction), Y1/Y2
// per X axis. Array 1 serves the near edge of an interval, array 2 its far
// edge. Cleared for every variant by ClearFloorLineCapacities.
using FloorLineArray = double[VariantCount][StoreyCount][AxisLineCount];
extern FloorLineArray FloorLineCapacityX1, FloorLineCapacityX2;
extern FloorLineArray FloorLineCapacityY1, FloorLineCapacityY2;

enum FloorClass : int32_t { FloorClassI = 0, FloorClassII = 1, FloorClassIII = 2 };
extern int32_t FloorSpecClass[VariantCount][StoreyCount];

// Zone strength / zone required strength of the quarter-division end zones
// (a, b: X direction; 1, 2: Y direction); 0 for a zone without demand.
// Written only by the quarter-division method.
extern StoreyArray QuarterZoneRatioA, QuarterZoneRatioB, QuarterZoneRatio1, QuarterZoneRatio2;
extern StoreyArray QuarterZoneRatioASnow, QuarterZoneRatioBSnow, QuarterZoneRatio1Snow, QuarterZoneRatio2Snow;

// Fe from the eccentricity ratio Re and the average floor magnification.
double ReductionFactorByEccentricity(double eccentricityRatio, double floorMagnification);

// Fe candidates of the quarter-division method for the two end-zone ratios
// of a direction (in either order): K for floor class I, N for class III.
struct QuarterDivisionFactors {
  double K;
  double N;
};
QuarterDivisionFactors QuarterDivisionFactorsOf(double zoneRatio1, double zoneRatio2);

// Fe of the quarter-division method: K, (K + N) / 2 or N by the floor class.
double ReductionFactorByQuarterDivision(double zoneRatio1, double zoneRatio2, int32_t floorClass);

// Sets the four floor line capacity arrays of every variant and storey to 0;
// the weights step calls it at the start of every recalculation.
void ClearFloorLineCapacities();

// The chain step: reads the current variant's settings, floor-specification
// areas, outermost walls, eccentricity ratios and quarter-zone strengths and
// writes everything above for it.
void CalcArrangementReduction();
