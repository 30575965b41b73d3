#pragma once
// Required strength by floor area (required-strength methods 2, the table with
// the K factors, and 3, the simple table): per storey and per quarter-division
// end zone the required strength per floor area, the required strength Qr
// without and with snow, and the required wall length. Also the plan-shape
// factor of all three variants, which methods 1 to 3 use.
//
// Outputs are [variant][storey] and written for the current variant's storeys
// up to its top storey only; the other entries keep the values of the last
// recalculation that wrote them.
#include <cstdint>

#include "analysis/AnalysisResults.h"

// Rows: one storey; two storeys, first and second storey; three storeys, first
// to third storey. Columns: light, heavy, very heavy building.
constexpr int RequiredStrengthTableRows = 6;
extern const double RequiredStrengthPerAreaTable[RequiredStrengthTableRows * 3];     // kN/m²
extern const double RequiredStrengthBaseTable[(RequiredStrengthTableRows - 1) * 3];  // kN/m², from row 1
extern const double RequiredWallLengthTable[RequiredStrengthTableRows * 3];          // m/m²

extern const double MixedStructureFactors[3];  // by ProjectSettings.MixedStructure
extern const double VerySoftGroundFactors[2];  // by ProjectSettings.VerySoftGround

// The K factors of method 2 and the area ratios they come from; fields of a
// storey count not computed keep older values.
struct RequiredStrengthFactors {
  double K1, K2;          // two storeys
  double K3, K4, K5, K6;  // three storeys
  double Rf1, Rf2;
};
extern RequiredStrengthFactors RequiredStrengthFactorsA;  // from RequiredStrengthArea
extern RequiredStrengthFactors RequiredStrengthFactorsB;  // from RequiredStrengthAreaSnow

extern StoreyArray PlanShapeFactor;  // all three variants

extern StoreyArray RequiredStrengthPerArea, RequiredStrengthPerAreaSnow;  // kN/m², snow before the snow load
extern StoreyArray RequiredStrengthPerAreaA, RequiredStrengthPerAreaB;
extern StoreyArray RequiredStrengthPerArea1, RequiredStrengthPerArea2;
extern StoreyArray RequiredStrengthPerAreaASnow, RequiredStrengthPerAreaBSnow;
extern StoreyArray RequiredStrengthPerArea1Snow, RequiredStrengthPerArea2Snow;
extern StoreyArray RequiredWallLengthPerArea;  // m/m²
extern StoreyArray RequiredWallLengthPerAreaA, RequiredWallLengthPerAreaB;
extern StoreyArray RequiredWallLengthPerArea1, RequiredWallLengthPerArea2;

// Qr, kN; also written by the storey-weight and the building-law methods.
extern StoreyArray RequiredStrength, RequiredStrengthSnow;
extern StoreyArray RequiredStrengthZoneA, RequiredStrengthZoneB, RequiredStrengthZone1, RequiredStrengthZone2;
extern StoreyArray RequiredStrengthZoneASnow, RequiredStrengthZoneBSnow;
extern StoreyArray RequiredStrengthZone1Snow, RequiredStrengthZone2Snow;
extern StoreyArray RequiredWallLength, RequiredWallLengthA, RequiredWallLengthB;  // m
extern StoreyArray RequiredWallLength1, RequiredWallLength2;

// Working values of the last calculation: h / 2.8 above 2.8 m in revision 2025, else 1.0.
extern double StoreyHeightFactor[StoreyCount];

// Steps of CalcWeightsAndRequiredStrength, in the order it calls them.
void SetPlanShapeFactor(int v, int s);     // after DivideIntoQuarterZones of the storey
void RedistributePlanShapeFactors(int v);  // after the storeys of the variant
// Current variant: the required strength of methods 2 and 3, and the
// building-law required wall lengths of every method.
void CalcRequiredStrengthByFloorArea();
