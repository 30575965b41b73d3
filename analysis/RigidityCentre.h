#pragma once
// Centre of rigidity, eccentricity, torsional stiffness, elastic radii and
// eccentricity ratios (偏心率) of one storey loading case of a storey, and the
// design shear of every axis line: the required strength shared out by line
// stiffness and raised for torsion.
//
// Works on CurrentVariant from the sums AddWallToStoreySums left (and the
// method-2 columns added), after every wall of the storey has been summed;
// call it for storey cases 0 to 4 in order. It writes the storey's results of
// that case and, in block storeyCase of each wall's records, the end points
// from the centre of rigidity and the second-moment products. With
// ProjectSettings.SnowLoad not 0 it repeats all of it but the line shear for
// the snow family.
//
// Where a divisor is zero: a centre of rigidity and an elastic radius are 0
// (also a radius whose square would be negative), an eccentricity ratio is
// 99.99 or 0.0 by bit 0 of ProjectSettings.EccentricityOptions, a line shear
// of a direction without stiffness is not written (the chain zeroes the line
// arrays before), and with the torsion correction factor a storey without
// torsional stiffness takes the factor 1 on every line.
#include <cstdint>

// What the storey analysis takes from other steps of the chain.
struct RigidityCentreInput {
  // CentreOfGravityX/Y [CurrentVariant][storey], m from the origin axes; the
  // snow family is measured from these too, not from the snow centres.
  double CentreOfGravityX;
  double CentreOfGravityY;
  // RequiredStrength [CurrentVariant][storey], Qr in kN, as the chain holds it:
  // with the building-law method that is the value of the previous paint.
  double RequiredStrength;
  // The method-2 columns' torsion terms (storey, storeyCase), called with
  // ProjectSettings.OtherElementsMethod 1 once the centre of rigidity of the
  // case is known and before the walls' terms; may be null otherwise.
  void (*AddColumnTorsionTerms)(int32_t storey, int32_t storeyCase);
  void (*AddColumnTorsionTermsSnow)(int32_t storey, int32_t storeyCase);
};

void CalcRigidityCentreAndEccentricity(int32_t storey, int32_t storeyCase, const RigidityCentreInput& input);
