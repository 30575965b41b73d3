#pragma once
// Floor areas and quarter zones: per roof/floor area its gross area, its floor
// area for the wall-quantity check and its calculation area for the required
// strength; per storey their sums, the weight areas of the weight method, the
// band areas between neighbouring axes, the plan extent with the quarter-
// division end zones, and the area of each zone. Computed for all three
// variants on every recalculation by CalcWeightsAndRequiredStrength.
//
// AreaCode 0..19 combines the area kind and the weight class of an area
// (AreaCodeTable). Zones a and b are the strips at the two ends of the Y
// extent, zones 1 and 2 those at the two ends of the X extent.
#include <cstdint>
#include <initializer_list>

#include "analysis/AnalysisResults.h"
#include "model/ElementLists.h"

constexpr int AreaWeightClassCount = 4;  // light, heavy, very heavy, individual
constexpr int AreaKindCount = 8;
constexpr int AreaCodeCount = 20;
constexpr int AreaFactorTableSize = 32;  // entries 20..31 are 0

enum AreaKind : int32_t {
  AreaKindFloor = 0,  // floor of the second or third storey
  AreaKindAtrium = 1,
  AreaKindBalcony = 2,
  AreaKindRoof = 3,
  AreaKindEaves = 4,  // for the load take-off only
  AreaKindAtticStorage = 5,
  AreaKindLargestRectangle = 6,
  AreaKindIndependentLoad = 7,
};

constexpr int32_t LargestRectangleCode = 6;

extern const int32_t AreaCodeTable[AreaWeightClassCount][AreaKindCount];

extern const double CalcAreaFactorTable[AreaFactorTableSize];
extern const double SimpleCalcAreaFactorTable[AreaFactorTableSize];  // required-strength method 3
extern const double FloorAreaFactorTable[AreaFactorTableSize];
extern const double GravityWeightFactorTable[AreaFactorTableSize];

// kN/m² by the building weight class: turns an added load into equivalent area.
extern const double WeightClassDivisorTable[3];

// Which codes take part in which quantity, as bit sets over the codes.
using AreaCodeSet = uint32_t;
constexpr AreaCodeSet AreaCodes(std::initializer_list<int32_t> codes) {
  AreaCodeSet set = 0;
  for (int32_t c : codes) set |= AreaCodeSet{1} << c;
  return set;
}
constexpr bool AreaCodeIn(AreaCodeSet set, int32_t code) {
  return code >= 0 && code < AreaCodeCount && ((set >> code) & 1);
}
constexpr AreaCodeSet GrossAreaCodes = AreaCodes({0, 1, 2, 3, 4, 8, 9, 14, 15, 16, 17, 18, 19});
constexpr AreaCodeSet ComputedFloorAreaCodes = AreaCodes({0, 3, 4, 5, 8, 9, 14, 15, 16, 17, 18, 19});
constexpr AreaCodeSet CalcAreaCodes = AreaCodes({0, 1, 2, 3, 4, 5, 8, 9, 14, 15, 16, 17, 18, 19});
constexpr AreaCodeSet RoofWeightAreaCodes = AreaCodes({3, 4, 8, 9});
constexpr AreaCodeSet WallWeightAreaCodes = AreaCodes({0, 1, 3, 4, 5, 8, 9, 14, 15, 16});
constexpr AreaCodeSet FloorWeightAreaCodes = AreaCodes({0, 2, 5, 14, 15, 16});
constexpr AreaCodeSet PlanExtentCodes = AreaCodes({0, 1, 3, 4, 8, 9, 14, 15, 16});
constexpr AreaCodeSet RequiredStrengthZoneCodes = AreaCodes({0, 1, 2, 3, 4, 8, 9, 14, 15, 16, 17, 18, 19});
constexpr AreaCodeSet ComputedZoneCodes = AreaCodes({0, 3, 4, 8, 9, 14, 15, 16, 17, 18, 19});

// Whether an area's added load counts toward its calculation area and its
// weight: a rectangle's whenever it is not 0, a triangle's only when positive.
inline bool AddedLoadCounts(const RoofFloorRectRecord& r) { return r.AddedLoad != 0; }
inline bool AddedLoadCounts(const RoofFloorTriangleRecord& t) { return t.AddedLoad > 0; }

// table[code], 0 for a code outside the table.
double AreaFactor(const double table[AreaFactorTableSize], int32_t code);

// Per area, [variant][storey][record]; records at or beyond the count keep older values.
using RectAreaArray = double[VariantCount][StoreyCount][MaxRoofFloorRectsPerStorey];
using TriAreaArray = double[VariantCount][StoreyCount][MaxRoofFloorTrianglesPerStorey];

extern RectAreaArray RectFloorArea;          // gross area, or 0 when the code does not count
extern RectAreaArray RectComputedFloorArea;  // x FloorAreaFactorTable
extern RectAreaArray RectCalcArea;           // x area factor + added-load equivalent
extern TriAreaArray TriFloorArea;
extern TriAreaArray TriComputedFloorArea;
extern TriAreaArray TriCalcArea;

// Per storey sums, m².
extern StoreyArray StoreyGrossArea;
extern StoreyArray ComputedFloorArea;  // the floor area for the wall-quantity check
extern StoreyArray StoreyCalcArea;
extern StoreyArray StoreyCalcAreaSnow;
extern StoreyArray RequiredStrengthArea;
extern StoreyArray RequiredStrengthAreaSnow;
extern StoreyArray RoofWeightArea;
extern StoreyArray WallWeightArea;
extern StoreyArray FloorWeightArea;
extern StoreyArray RoofWeightAreaSnow;
extern StoreyArray WallWeightAreaSnow;
extern StoreyArray FloorWeightAreaSnow;

// Area between Y axes k and k + 1 (X) and between X axes k and k + 1 (Y),
// each area weighted by CalcAreaFactorTable, m².
using AxisBandArray = double[VariantCount][StoreyCount][AxisLineCount];
extern AxisBandArray FloorBandAreaX;
extern AxisBandArray FloorBandAreaY;

// Plan geometry, written for the storeys up to the variant's top storey.
extern StoreyArray QuarterZoneEdgeA, QuarterZoneEdgeB;        // smallest and largest Y of the extent
extern StoreyArray QuarterZoneEdge1, QuarterZoneEdge2;        // smallest and largest X of the extent
extern StoreyArray QuarterZoneBoundaryA;                      // zone a is y <= this
extern StoreyArray QuarterZoneBoundaryB;                      // zone b is y >= this
extern StoreyArray QuarterZoneBoundary1;                      // zone 1 is x <= this
extern StoreyArray QuarterZoneBoundary2;                      // zone 2 is x >= this
extern int32_t MaxRectangleGiven[VariantCount][StoreyCount];  // written for every storey
extern StoreyArray ShortSideLength;
extern StoreyArray RequiredStrengthAreaA, RequiredStrengthAreaB, RequiredStrengthArea1, RequiredStrengthArea2;
extern StoreyArray ComputedZoneAreaA, ComputedZoneAreaB, ComputedZoneArea1, ComputedZoneArea2;

// Axis indices of the plan extent of a storey and its largest rectangle.
struct PlanExtent {
  int32_t MinX, MaxX, MinY, MaxY;  // 199, 0, 199, 0 when no area of the extent codes exists
  double LargestRectangleWidth, LargestRectangleDepth;
};

// Steps of CalcWeightsAndRequiredStrength, in the order it calls them.
void ClearFloorAreaSums();                   // band areas and storey sums of every variant
void AddFloorAreasOfStorey(int v, int s);    // rectangles, then triangles
PlanExtent MeasurePlanExtent(int v, int s);  // also writes MaxRectangleGiven
void DivideIntoQuarterZones(int v, int s, const PlanExtent& extent);
