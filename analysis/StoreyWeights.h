#pragma once
// Required strength by storey weights (required-strength method 1): roof, wall
// and floor weights from fixed unit weights per part and the weight areas,
// the weight each storey carries, and from there the seismic shear: weight
// ratio, natural period, Rt, Ai, Ci and Qr, once without and once with snow.
// The building-law method shares everything from the weight ratio on.
//
// Outputs are written for the current variant's storeys up to its top storey.
#include <cstdint>

#include "analysis/AnalysisResults.h"

constexpr int PartRoof = 0, PartOuterWall = 1, PartInnerWall = 2, PartFloor = 3, PartLiveLoad = 4;

// kN/m² of weight area, [part weight class][part].
extern const double PartUnitWeightTable[3][5];
// The unit weight of part of variant v in its part weight class, a class
// outside the table read as the nearest row.
double PartUnitWeight(int v, int part);

extern StoreyArray StoreyWeight, StoreyWeightSnow;  // weight carried by the storey (支持重量), kN
extern StoreyArray WeightRatioAlpha, WeightRatioAlphaSnow;
extern double BuildingHeight[VariantCount], BuildingHeightSnow[VariantCount];  // m
extern double NaturalPeriod[VariantCount], NaturalPeriodSnow[VariantCount];    // s
extern double GroundPeriodTc;                                                  // s
extern double VibrationCharacteristicRt[VariantCount], VibrationCharacteristicRtSnow[VariantCount];
extern StoreyArray ShearDistributionAi, ShearDistributionAiSnow;
extern StoreyArray SeismicShearCoefficient, SeismicShearCoefficientSnow;  // Ci

extern const char* const StoreyHeightMissingText;     // "建物階高を入力して下さい。"
extern const char* const StoreyHeightMissingCaption;  // "建物階高"

// Rt of natural period t on ground of period tc.
double VibrationCharacteristic(double t, double tc);
// Ai of a storey with weight ratio alpha in a building of natural period t.
double ShearDistribution(double alpha, double t);

// From StoreyWeight and StoreyWeightSnow of variant v on: the weight ratios,
// height and period (queueing the storey-height message when the height is
// missing), Tc, Rt, Ai, Ci and RequiredStrength / RequiredStrengthSnow.
void CalcSeismicShearFromWeights(int v);

// Step of CalcWeightsAndRequiredStrength: the current variant under method 1.
void CalcRequiredStrengthByStoreyWeights();
