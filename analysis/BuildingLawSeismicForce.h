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

// One step of the recalculation chain, after the arrangement reduction and
// before the evaluation; under any other method it changes nothing. It adds
// to the storey sums, so it must follow CalcWeightsAndRequiredStrength of the
// same recalculation, and it weighs walls with the lengths and wall types the
// storey analysis last wrote. Queues "建物階高を入力して下さい。" when the
// current variant's storey heights add up to nothing.
void CalcBuildingLawSeismicForce();
