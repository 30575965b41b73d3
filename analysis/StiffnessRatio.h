#pragma once
// Drift and stiffness ratios of the current variant, run once after all its
// storeys have been analysed: rs (the reciprocal of the storey drift angle,
// stiffness sum over required strength) per storey and storey loading case,
// its mean over the storeys of every load combination, the stiffness ratio
// Rs (剛性率) and its reduction factor Fsr. The snow family is computed only
// while ProjectSettings.SnowLoad is not 0; storeys above
// ProjectSettings.TopStorey are not written.
//
// rs of a storey without required strength is 0, and so is Rs where the mean
// rs of a combination is 0 (which gives Fsr 0.5).
#include "model/ElementLists.h"

// RequiredStrength and RequiredStrengthSnow [CurrentVariant], Qr per storey in
// kN, as the chain holds them: with the building-law method those of the
// previous paint.
void CalcDriftAndStiffnessRatios(const double (&requiredStrength)[StoreyCount],
                                 const double (&requiredStrengthSnow)[StoreyCount]);
