#pragma once
// Required strength by the building standard law (required-strength method 0,
// "建築基準法に準拠"). The weights of the walls and gable walls join the roof
// and floor weights that CalcWeightsAndRequiredStrength summed per storey
// level, the centres of gravity are taken again from the combined weights,
// and the storeys of the current variant get Wi, alpha_i, T, Rt, Ai, Ci and
// Qr without and with snow.
//
// Outputs are the arrays the other methods write too: the storey sums and the
// centres of gravity (analysis/AreaWeights.h, every variant), StoreyWeight to
// SeismicShearCoefficient (analysis/StoreyWeights.h) and RequiredStrength /
// RequiredStrengthSnow (analysis/RequiredStrength.h), the current variant's
// storeys up to its top storey.

#include <cstdint>

#include "model/ElementRecords.h"

// Unit weight of a wall, N/m²: its own weight when its class is individual,
// else the load take-off's exterior-wall or partition row (wall types 8 and
// above) in its class. A class outside the enumeration weighs nothing.
double WallUnitWeight(const WallRecord& wall, int32_t wallType);
// Unit weight of a gable wall, N/m²: its own (class 0), or the load
// take-off's light (1) or heavy (2) exterior wall; any other class nothing.
double GableUnitWeight(const GableWallRecord& gable);
// Weight of a gable wall of horizontal length length (m), N: unit weight x
// length x height, the height of a mono-pitch (dual-pitch) gable raised by
// half (a quarter) of length x slope, the mean height of its sloped part; a
// shape outside mono-pitch, dual-pitch and parapet weighs nothing.
double GableWallWeight(const GableWallRecord& gable, double length);

// One step of the recalculation chain, after the arrangement reduction and
// before the evaluation; under any other method it changes nothing. It adds
// to the storey sums, so it must follow CalcWeightsAndRequiredStrength of the
// same recalculation, and it weighs walls with the lengths and wall types the
// storey analysis last wrote. Queues "建物階高を入力して下さい。" when the
// current variant's storey heights add up to nothing.
void CalcBuildingLawSeismicForce();
