#pragma once
// The values of the project settings that hold one of a few choices. The
// members of ProjectSettingsData stay int32_t (the project files store them as
// numbers and a file may hold a value outside a group); code compares them
// with these names. Each enumeration is named after its setting; flags that
// mean plain no/yes share SettingOff and SettingOn. What each choice is
// called in the outline dialog is in the setting table (SettingTable.h).
#include <cstdint>

// Flags: check boxes and yes/no radio pairs.
enum SettingFlag : int32_t {
  SettingOff = 0,
  SettingOn = 1,
};

// Revision of the published diagnosis method.
enum RevisionChoice : int32_t {
  Revision2012 = 0,
  Revision2025 = 1,
  Revision2004 = 2,  // read from old files only; not selectable
};

enum DiagnosisMethodChoice : int32_t {
  DiagnosisPrecise2 = 0,  // lateral-strength calculation; not selectable
  DiagnosisPrecise1 = 1,
  DiagnosisGeneral = 2,
  DiagnosisVerification = 3,  // houses of the new seismic standard
};

enum RequiredStrengthMethodChoice : int32_t {
  RequiredByLoadTakeOff = 0,    // building-standard-law load take-off
  RequiredByWeightTable = 1,    // simple weight table
  RequiredByStrengthTable = 2,  // required-strength table (by floor area)
  RequiredBySimpleTable = 3,    // simple strength table (by floor area)
};

enum BalanceMethodChoice : int32_t {
  BalanceByEccentricity = 0,
  BalanceByQuarterDivision = 1,
};

// Strength of the other seismic elements.
enum OtherElementsMethodChoice : int32_t {
  OtherElementsMethod1 = 0,  // post-and-beam and 2x4 framing
  OtherElementsMethod2 = 1,  // traditional construction: columns between walls carry strength
};

// General method: how walls with openings are counted.
enum OpeningWallBasisChoice : int32_t {
  OpeningWallsByLength = 0,
  OpeningWallsByRatio = 1,
};

// How the column-top and column-bottom hardware is determined.
enum JointHardwareMethodChoice : int32_t {
  HardwareByNValue = 0,           // N-value calculation from the wall base strengths
  HardwareByConvertedNValue = 1,  // converted N-value from the reduced wall strengths
  HardwareByAllowableStress = 2,  // not selectable
};

// Which results are shown where snow is to be considered.
enum SnowCaseChoice : int32_t {
  SnowCaseWithout = 0,
  SnowCaseWith = 1,
};

// Index of the top storey of a variant.
enum TopStoreyChoice : int32_t {
  TopStoreyFirst = 0,   // one storey
  TopStoreySecond = 1,  // two storeys
  TopStoreyThird = 2,   // three storeys
};

// Weight class of a variant and of each part of it.
enum WeightClassChoice : int32_t {
  WeightLight = 0,
  WeightHeavy = 1,
  WeightVeryHeavy = 2,
};

enum GroundClassChoice : int32_t {
  GroundGood = 0,
  GroundNormal = 1,
  GroundBad = 2,
};

enum MixedStructureChoice : int32_t {
  MixedStructureNone = 0,
  MixedStructureConcreteBelow = 1,
  MixedStructureSteelBelow = 2,
};

enum StructureTypeChoice : int32_t {
  StructurePostAndBeam = 0,
  StructureTraditional = 1,
  StructureTwoByFour = 2,
};

enum BuildingUseChoice : int32_t {
  UseDwellingOnly = 0,
  UseWithShop = 1,
  UseWithOffice = 2,
  UseOther = 3,
};

enum GarageChoice : int32_t {
  GarageNone = 0,
  GarageBuiltIn = 1,
  GarageSeparate = 2,
};

enum FoundationTypeChoice : int32_t {
  FoundationReinforcedConcrete = 0,
  FoundationPlainConcrete = 1,
  FoundationStoneFooting = 2,
  FoundationOtherType = 3,
};

enum FoundationCracksChoice : int32_t {
  FoundationWithoutCracks = 0,
  FoundationWithCracks = 1,
};

enum FoundationTieBeamsChoice : int32_t {
  FoundationWithoutTieBeams = 0,
  FoundationWithTieBeams = 1,
};

// Foundation class derived from type, cracks and tie beams.
enum FoundationClassChoice : int32_t {
  FoundationClassI = 0,
  FoundationClassII = 1,
  FoundationClassIII = 2,
};

enum FloorMaterialChoice : int32_t {
  FloorAllPlywood = 0,
  FloorOtherMaterial = 1,
  FloorMaterialNotVisible = 2,
};

enum HorizontalBracesChoice : int32_t {
  HorizontalBracesNone = 0,
  HorizontalBracesPresent = 1,
  HorizontalBracesNotVisible = 2,
};

// Cap of the retrofit plans' deterioration factor.
enum RetrofitDeteriorationRuleChoice : int32_t {
  RetrofitCapHigherOfCurrent = 0,  // the higher of the current factor and 0.9
  RetrofitCapWhenFound = 1,        // 0.9 whenever deterioration is present
};

// Diagonal walls turned by more than 45 degrees from a direction.
enum CountSteepDiagonalWallsChoice : int32_t {
  SteepDiagonalDominantOnly = 0,
  SteepDiagonalBothDirections = 1,
};

// Bits of EccentricityOptions.
enum EccentricityOptionBits : int32_t {
  EccentricityUnresistedIsLarge = 1,  // a direction without strength gives 99.99, else 0.0
  EccentricityCeByTorsionFactor = 4,  // Ce is the torsion correction factor
  EccentricityCeLimitShift = 4,       // bits 4-5: which Ce limits hold
  EccentricityCeLimitMask = 0x30,
};

// Bits 4-5 of EccentricityOptions: Ce held to 1.0 at or below and 1.5 above.
enum EccentricityCeLimitsChoice : int32_t {
  CeLimitsBoth = 0,
  CeLimitLowerOnly = 1,
  CeLimitUpperOnly = 2,
  CeLimitsNone = 3,
};

// Joint reduction factor of lean-to columns.
enum LeanToColumnsChoice : int32_t {
  LeanToColumnsOtherStoreys = 0,
  LeanToColumnsTopStoreyFactor = 1,
};

enum GravityCentreChoice : int32_t {
  GravityCentreUniform = 0,
  GravityCentreBySpecs = 1,  // floor, light roof and heavy roof distinguished
};

enum JointIIIRuleChoice : int32_t {
  JointIIIBetweenThroughColumns = 0,
  JointIIIBothEndsThrough = 1,
};

enum WallStrengthStandardChoice : int32_t {
  WallStandardOfAssociation = 0,
  WallStandardOfCity = 1,
};

// Wall factors of the N-value calculation.
enum NValueWallFactorChoice : int32_t {
  NValueFactorsFromStrength = 0,  // every factor is the base strength / 1.96 kN
  NValueDefinedFactorsOnly = 1,
};

// General method: walls with openings that cannot be rated.
enum UnratedOpeningWallChoice : int32_t {
  UnratedOpeningKeepsStrength = 0,
  UnratedOpeningWithoutStrength = 1,
};

// Reduction of walls with a base strength under 2 kN/m.
enum LowStrengthWallChoice : int32_t {
  LowStrengthAs2kN = 0,
  LowStrengthInterpolated = 1,
};

// A wall without openings that cannot be rated counts as an opening wall ...
enum UnratedSolidWallChoice : int32_t {
  UnratedSolidSameLength = 0,  // ... of the same length without strength
  UnratedSolidNoLength = 1,    // ... of no length and no strength
};

// Method-2 columns between walls of different kinds.
enum Method2ColumnRuleChoice : int32_t {
  Method2ColumnLower = 0,
  Method2ColumnHigher = 1,
  Method2ColumnSum = 2,
};

// Deterioration factor of the verification method, percent.
enum VerificationDeteriorationChoice : int32_t {
  VerificationDeteriorationComputed = 0,
  VerificationDeterioration70 = 70,
  VerificationDeterioration85 = 85,
  VerificationDeterioration100 = 100,
};

// Bits of AxisNumbering.
enum AxisNumberingBits : int32_t {
  AxisNumberingXFrom1 = 1,
  AxisNumberingYFrom1 = 2,
};

// Display switches whose two states show different things.
enum ShowWallElementsChoice : int32_t {
  ShowRetrofitNumbers = 0,
  ShowWallElementLabels = 1,
};
enum ShowReducedStrengthChoice : int32_t {
  ShowBaseStrengths = 0,
  ShowReducedStrengths = 1,
};
enum ShowOtherStoreyWallsChoice : int32_t {
  ShowFoundationsBelow = 0,
  ShowOtherStoreyBearingWalls = 1,
};

// Answers of the deterioration survey (most items).
enum DeteriorationAnswerChoice : int32_t {
  AnswerSound = 0,
  AnswerFound = 1,
  AnswerRepaired = 2,    // found, and repaired by the retrofit
  AnswerPartAbsent = 3,  // gutters and downspouts only
};

// Item 4, the exposed frame.
enum ExposedFrameAnswerChoice : int32_t {
  ExposedFrameNone = 0,
  ExposedFrameSound = 1,
  ExposedFrameFound = 2,
  ExposedFrameRepaired = 3,
};

// Item 10, the bathroom finish.
enum BathroomFinishChoice : int32_t {
  BathroomTiled = 0,
  BathroomNotTiled = 1,
  BathroomAbsent = 2,
};
