#include "model/ProjectSettings.h"

namespace {

// The members that a reset for start-up or File > New puts back.
constexpr void ApplyResetSubset(ProjectSettingsData& s) {
  s.Revision = 0;
  s.DiagnosisMethod = 1;
  s.RequiredStrengthMethod = 2;
  s.BalanceMethod = 0;
  s.OtherElementsMethod = 0;
  s.OpeningWallBasis = 0;
  s.SpareFlag = 0;
  s.WallQuantityFeature = 1;
  s.ManualFloorAreas = 0;
  s.VerificationDeterioration = 100;
  s.JointHardwareMethod = 0;
  s.ShowRetrofitCaution = 1;
  s.ShowBeamStress = 1;
  s.ShowWallElements = 1;
  s.ShowWallStrength = 1;
  s.ShowReducedStrength = 1;
  s.ShowColumnNValue = 1;
  s.ShowRetrofitPlaces = 1;
  s.RetrofitDeteriorationRule = 0;
  s.DistinguishBraceDirection = 0;
  s.CountSteepDiagonalWalls = 0;
  s.EccentricityOptions = 1;
  s.LeanToColumnsTopStorey = 1;
  s.ShowOtherStoreyWalls = 1;
  s.GravityCentreBySpec = 1;
  s.JointIIIRule = 0;
  s.WallStrengthStandard = 0;
  s.NValueWallFactor = 0;
  s.SnowCase = 0;
  s.UnratedOpeningWallStrength = 0;
  s.LowStrengthWallReduction = 0;
}

constexpr ProjectSettingsData MakeStartValues() {
  ProjectSettingsData s{};
  ApplyResetSubset(s);
  s.VerificationFeature = 1;
  for (int v = 0; v < VariantCount; ++v) {
    s.TopStorey[v] = 1;
    s.StoreyHeight[v][0] = 3.0;
    s.StoreyHeight[v][1] = 2.8;
    s.StoreyHeight[v][2] = 2.8;
  }
  s.RegionFactorZ = 1.0;
  s.GroundClass = 1;
  s.FoundationType = 1;
  s.FoundationClass = 2;
  s.FloorMaterial = 1;
  s.BuildYear[0][0] = u'3';
  s.BuildYear[1][0] = u'6';
  s.BuildYear[2][0] = u'6';
  s.BuildYear[3][0] = u'6';
  s.AppendTei = 1;
  s.UnratedSolidWallRule = 1;
  constexpr double loadTakeOff[LoadTakeOffRows][LoadTakeOffClasses] = {
      {600, 600, 600}, {600, 600, 600}, {700, 950, 1500},
      {700, 950, 1500}, {600, 1000, 0}, {350, 950, 0},
  };
  for (int r = 0; r < LoadTakeOffRows; ++r)
    for (int c = 0; c < LoadTakeOffClasses; ++c) s.LoadTakeOff[r][c] = loadTakeOff[r][c];
  return s;
}

}  // namespace

constexpr ProjectSettingsData ProjectSettingsStartValues = MakeStartValues();
ProjectSettingsData ProjectSettings = ProjectSettingsStartValues;

void RestoreProjectSettingsStartValues() { ProjectSettings = ProjectSettingsStartValues; }

void ResetProjectSettingsSubset() { ApplyResetSubset(ProjectSettings); }
