#pragma once
// The settings of the open project beyond its element lists: methods and
// options, per-variant building data, outline texts, the deterioration survey,
// the load take-off table, manual areas and the plan's display switches.
// Texts are NUL-terminated UTF-16 in fixed buffers. The integer members keep
// int32_t (the project files store them so); those that hold one of a few
// choices are compared with the enumerators of SettingChoices.h, and the
// setting table (SettingTable.h) describes each of them once.
#include <cstdint>

#include "model/ElementLists.h"
#include "model/SettingChoices.h"

constexpr int DeteriorationAnswerCount = 17;
constexpr int DeteriorationTextCount = 11;
constexpr int PartWeightCount = 5;     // roof, outer wall, inner wall, floor, live load
constexpr int LoadTakeOffRows = 6;     // floor, balcony, roof, eaves, exterior wall, partition
constexpr int LoadTakeOffClasses = 3;  // light, heavy, very heavy
constexpr int BuildDateEntries = 4;    // completion, then three extensions/renovations

struct ProjectSettingsData {
  // Method and mode switches.
  int32_t Revision;                // 0 2012, 1 2025, 2 2004 (old files only)
  int32_t DiagnosisMethod;         // 0 precise 2, 1 precise 1, 2 general, 3 verification
  int32_t RequiredStrengthMethod;  // 0 building-law load take-off, 1 weight table, 2 strength table, 3 simple
                                   // table
  int32_t BalanceMethod;           // 0 eccentricity ratio, 1 quarter division
  int32_t OtherElementsMethod;     // 0 method 1, 1 method 2
  int32_t OpeningWallBasis;
  int32_t JointHardwareMethod;  // 0 N-value, 1 converted N-value, 2 allowable stress
  int32_t SnowCase;             // 0 results without snow, 1 with snow
  int32_t SpareFlag;

  // Feature flags (set by the about box).
  int32_t WallQuantityFeature;
  int32_t VerificationFeature;

  // Per-variant building data: these travel with a variant when it is copied or swapped.
  int32_t TopStorey[VariantCount];  // 0 one storey, 1 two, 2 three
  int32_t AtticStorage[VariantCount];
  int32_t WeightClass[VariantCount];  // 0 light, 1 heavy, 2 very heavy
  int32_t SpareVariantValue[VariantCount];
  double BuildingArea[VariantCount];
  double LawFloorArea[StoreyCount][VariantCount];  // note: [storey][variant]
  double TotalFloorArea[VariantCount];
  double StoreyHeight[VariantCount][StoreyCount];  // note: [variant][storey]
  int32_t PartWeightClass[VariantCount][PartWeightCount];

  // Building and site.
  double RegionFactorZ;
  double SnowLoad;  // 0.26 x design snow depth in m
  int32_t GroundClass;
  int32_t VerySoftGround;
  int32_t MixedStructure;
  int32_t StructureType;
  int32_t BuildingUse;
  char16_t BuildingUseOther[64];
  int32_t Garage;
  int32_t Basement;

  // Foundation and floor.
  int32_t FoundationType;
  int32_t FoundationCracks;
  int32_t FoundationTieBeams;
  int32_t FoundationClass;  // derived by the outline dialog; not stored
  char16_t FoundationNote[80];
  char16_t CrackLocation[80];
  int32_t CrackCause[3];
  char16_t CrackCauseText[80];
  int32_t UniformFoundation;
  int32_t FloorMaterial;
  int32_t HorizontalBraces;
  int32_t Atrium;
  int32_t UniformFloorSpec;

  // Outline texts.
  char16_t ClientAddress[80];
  char16_t ClientName[80];
  char16_t ClientTel[32];
  char16_t OwnerAddress[80];
  char16_t BuildingName[80];
  char16_t OwnerTel[32];
  char16_t SiteAddress[80];
  char16_t BuildingLocation[80];
  char16_t DesignerName[80];
  char16_t BuildYear[BuildDateEntries][10];  // era digit followed by the year text
  char16_t BuildMonth[BuildDateEntries][10];
  char16_t SpareDateText[BuildDateEntries][10];
  int32_t BuildDateUnknown[BuildDateEntries];
  int32_t RenovationDone[BuildDateEntries];
  int32_t AppendTei;
  int32_t NotDwellingOnly;
  char16_t UseText[80];

  // Deterioration survey.
  int32_t DeteriorationAnswer[DeteriorationAnswerCount];
  char16_t DeteriorationText[DeteriorationTextCount][80];
  char16_t SpareDeteriorationText[80];

  // Calculation options.
  int32_t RetrofitDeteriorationRule;
  int32_t DistinguishBraceDirection;
  int32_t CountSteepDiagonalWalls;
  int32_t EccentricityOptions;
  int32_t LeanToColumnsTopStorey;
  int32_t GravityCentreBySpec;
  int32_t JointIIIRule;
  int32_t WallStrengthStandard;
  int32_t NValueWallFactor;
  int32_t UnratedOpeningWallStrength;
  int32_t LowStrengthWallReduction;
  int32_t UnratedSolidWallRule;
  int32_t Method2ColumnRule;
  int32_t VerificationDeterioration;  // percent: 100, 85, 70, or 0 = computed factor
  int32_t AxisNumbering;              // bit 0: X axes from 1, bit 1: Y axes from 1

  // Display switches of the plan.
  int32_t ShowRetrofitCaution;
  int32_t ShowBeamStress;
  int32_t ShowWallElements;
  int32_t ShowWallStrength;
  int32_t ShowReducedStrength;
  int32_t ShowColumnNValue;
  int32_t ShowRetrofitPlaces;
  int32_t ShowOtherStoreyWalls;

  // Load take-off table, N/m².
  double LoadTakeOff[LoadTakeOffRows][LoadTakeOffClasses];

  // Manual areas: held per variant but never moved with a variant.
  int32_t ManualFloorAreas;
  double ManualFloorArea[VariantCount][StoreyCount];
  double ManualZoneAreaA[VariantCount][StoreyCount];
  double ManualZoneAreaB[VariantCount][StoreyCount];
  double ManualZoneArea1[VariantCount][StoreyCount];
  double ManualZoneArea2[VariantCount][StoreyCount];

  bool operator==(const ProjectSettingsData&) const = default;
};

extern ProjectSettingsData ProjectSettings;

// The values the program starts with.
extern const ProjectSettingsData ProjectSettingsStartValues;

// Puts every setting back to its start value (program start). The integer
// settings start at the reset values of the setting table (SettingTable.h).
void RestoreProjectSettingsStartValues();

// Sets the members that a reset for start-up or File > New restores (the
// rows of the setting table marked for it).
void ResetProjectSettingsSubset();
