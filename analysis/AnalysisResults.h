#pragma once
// Where the structural analysis leaves its results. Arrays are indexed
// [variant][storey][...]; only the current variant is recomputed, the others
// keep the values of the last recalculation in which they were current.
//
// Wall loading cases: 0 direction ignored, 1 +X, 2 -X, 3 +Y, 4 -Y.
// Storey loading cases 0..4 map to wall cases by XCaseOfStoreyCase and
// YCaseOfStoreyCase; a load combination 0..16 gives each storey one case.
#include <cstdint>

#include "model/ElementLists.h"

constexpr int WallLoadingCaseCount = 5;
constexpr int StoreyLoadingCaseCount = 5;
constexpr int LoadCombinationCount = 17;
constexpr int AxisLineCount = 300;

extern const int32_t XCaseOfStoreyCase[StoreyLoadingCaseCount];
extern const int32_t YCaseOfStoreyCase[StoreyLoadingCaseCount];
extern const int32_t LoadCombinations[StoreyCount][LoadCombinationCount];
extern const int32_t CombinationGroup[LoadCombinationCount];

// One block of a wall's results. Fields of wall scope are kept in block 0
// only; fields of storey-case scope sit in the block of the storey case.
struct WallCaseResult {
  int32_t RetrofitChange;
  int32_t CautionBits;
  int32_t WallNumber;
  int32_t StrengthClass;  // 0..3
  int32_t StrengthBand;   // 0..6
  int32_t UnderRoofOrFloor;
  int32_t WallType;       // 8 x (partition) + opening class
  int32_t JointSpec;
  int32_t FoundationClass;
  int32_t HasBearingElements;
  double LengthX, LengthY;
  double Length;
  double EffectiveLength;
  double RunLength;
  double ExtentX, ExtentY;
  double ColumnExtentX, ColumnExtentY;
  double BaseStrength;   // kN/m
  double BaseStiffness;
  double DeteriorationFactor;
  double ReductionFactor;
  double ReducedStrength;
  double ReducedStiffness;
  double MinReductionFactor;
  double OpeningFactor;
  double StrengthX, StrengthY;    // kN
  double StiffnessX, StiffnessY;
  double StartXFromOrigin, StartYFromOrigin, EndXFromOrigin, EndYFromOrigin;
  double LyX, LxY, LyXEnd, LxYEnd;
  double StartXFromCentre, StartYFromCentre, EndXFromCentre, EndYFromCentre;
  double LyXX, LxYY, LyXXEnd, LxYYEnd;
  double WallFactor;
  double WallQuantityX, WallQuantityY;
  int32_t LeftPanelJoined, RightPanelJoined;
  int32_t OpeningRunKind;  // 0 none, 1 start side, 2 end side only
};

struct WallResult {
  WallCaseResult Blocks[WallLoadingCaseCount];
};

// The snow counterpart of a wall's results, five blocks of the same index.
struct SnowWallCaseResult {
  double ReductionFactor;
  double ReducedStrength;
  double ReducedStiffness;
  double MinReductionFactor;
  double StrengthX, StrengthY;
  double StiffnessX, StiffnessY;
  double StartXFromOrigin, StartYFromOrigin, EndXFromOrigin, EndYFromOrigin;
  double LyX, LxY, LyXEnd, LxYEnd;
  double StartXFromCentre, StartYFromCentre, EndXFromCentre, EndYFromCentre;
  double LyXX, LxYY, LyXXEnd, LxYYEnd;
};

struct SnowWallResult {
  SnowWallCaseResult Blocks[WallLoadingCaseCount];
};

constexpr int UpperEntryCount = 8;
constexpr int TopEntryCount = 12;
constexpr int SideWallTermCount = 20;

struct ColumnResult {
  double Pw1X, Pw1Y;
  double A1X, A1Y;
  double Pw2X[UpperEntryCount], Pw2Y[UpperEntryCount], A2X[UpperEntryCount], A2Y[UpperEntryCount];
  int32_t UpperNo[UpperEntryCount];
  double UpperPwX[UpperEntryCount], UpperPwY[UpperEntryCount];
  double UpperAX[UpperEntryCount], UpperAY[UpperEntryCount];
  double UpperDistA[UpperEntryCount], UpperDistB[UpperEntryCount];
  double B1;
  double B2[UpperEntryCount];
  int32_t UpperCount;
  double L;
  double ToX, ToY;
  double NX, NY;
  double Pw3X[TopEntryCount], Pw3Y[TopEntryCount], A3X[TopEntryCount], A3Y[TopEntryCount];
  int32_t TopNo[TopEntryCount];
  double TopPwX[TopEntryCount], TopPwY[TopEntryCount], TopAX[TopEntryCount], TopAY[TopEntryCount];
  double TopDistA[TopEntryCount], TopDistB[TopEntryCount], B3[TopEntryCount];
  int32_t TopCount;
  double SideWallTerms[SideWallTermCount];
  double StrengthX, StrengthY;
  double StiffnessX, StiffnessY;
  double OffsetX, OffsetY;
  double MomentX, MomentY;
  double CentreOffsetX, CentreOffsetY;
  double TorsionTermX, TorsionTermY;
  int32_t BreakageRisk;
  int32_t HasWallX, HasWallY;
};

struct ColumnSnowResult {
  double L;
  double ToX, ToY;
  double NX, NY;
  double CentreOffsetX, CentreOffsetY;
  double TorsionTermX, TorsionTermY;
};

extern WallResult WallResults[VariantCount][StoreyCount][MaxWallsPerStorey];
extern SnowWallResult SnowWallResults[VariantCount][StoreyCount][MaxWallsPerStorey];
extern ColumnResult ColumnResults[VariantCount][StoreyCount][MaxColumnsPerStorey];
extern ColumnSnowResult ColumnSnowResults[VariantCount][StoreyCount][MaxColumnsPerStorey];

using StoreyCaseArray = double[VariantCount][StoreyCount][StoreyLoadingCaseCount];
using StoreyComboArray = double[VariantCount][StoreyCount][LoadCombinationCount];
using StoreyArray = double[VariantCount][StoreyCount];
using CombinationArray = double[VariantCount][LoadCombinationCount];
using LineArray = double[VariantCount][StoreyCount][AxisLineCount][StoreyLoadingCaseCount];

// Per-storey arrays, each with a snow twin but ExistingWallLengthX/Y.
#define QUILMORA_WITH_SNOW(Type, name) \
  extern Type name;                    \
  extern Type name##Snow;

QUILMORA_WITH_SNOW(StoreyCaseArray, WallStrengthX)
QUILMORA_WITH_SNOW(StoreyCaseArray, WallStrengthY)
extern StoreyCaseArray ExistingWallLengthX;
extern StoreyCaseArray ExistingWallLengthY;
QUILMORA_WITH_SNOW(StoreyCaseArray, StiffnessSumX)
QUILMORA_WITH_SNOW(StoreyCaseArray, StiffnessSumY)
QUILMORA_WITH_SNOW(StoreyCaseArray, StiffnessMomentX)
QUILMORA_WITH_SNOW(StoreyCaseArray, StiffnessMomentY)
QUILMORA_WITH_SNOW(StoreyCaseArray, RigidityCentreX)
QUILMORA_WITH_SNOW(StoreyCaseArray, RigidityCentreY)
QUILMORA_WITH_SNOW(StoreyCaseArray, EccentricityX)
QUILMORA_WITH_SNOW(StoreyCaseArray, EccentricityY)
QUILMORA_WITH_SNOW(StoreyCaseArray, SecondMomentIx)
QUILMORA_WITH_SNOW(StoreyCaseArray, SecondMomentIy)
QUILMORA_WITH_SNOW(StoreyCaseArray, TorsionalStiffness)
QUILMORA_WITH_SNOW(StoreyCaseArray, ElasticRadiusX)
QUILMORA_WITH_SNOW(StoreyCaseArray, ElasticRadiusY)
QUILMORA_WITH_SNOW(StoreyCaseArray, EccentricityRatioX)
QUILMORA_WITH_SNOW(StoreyCaseArray, EccentricityRatioY)
QUILMORA_WITH_SNOW(StoreyCaseArray, DriftReciprocalX)
QUILMORA_WITH_SNOW(StoreyCaseArray, DriftReciprocalY)
QUILMORA_WITH_SNOW(StoreyComboArray, StiffnessRatioX)
QUILMORA_WITH_SNOW(StoreyComboArray, StiffnessRatioY)
QUILMORA_WITH_SNOW(StoreyComboArray, StiffnessRatioFactorX)
QUILMORA_WITH_SNOW(StoreyComboArray, StiffnessRatioFactorY)
QUILMORA_WITH_SNOW(StoreyComboArray, ReductionFactorEX)
QUILMORA_WITH_SNOW(StoreyComboArray, ReductionFactorEY)

QUILMORA_WITH_SNOW(CombinationArray, DriftReciprocalMeanX)
QUILMORA_WITH_SNOW(CombinationArray, DriftReciprocalMeanY)

// Quarter-division end zones: existing strength (kN) and wall quantity (m).
QUILMORA_WITH_SNOW(StoreyArray, QuarterZoneStrengthA)
QUILMORA_WITH_SNOW(StoreyArray, QuarterZoneStrengthB)
QUILMORA_WITH_SNOW(StoreyArray, QuarterZoneStrength1)
QUILMORA_WITH_SNOW(StoreyArray, QuarterZoneStrength2)
extern StoreyArray QuarterWallLengthA;
extern StoreyArray QuarterWallLengthB;
extern StoreyArray QuarterWallLength1;
extern StoreyArray QuarterWallLength2;

#undef QUILMORA_WITH_SNOW

// Per axis line: LineStiffnessX/LineShearX on the Y axis lines, ...Y on the X axis lines.
extern LineArray LineStiffnessX;
extern LineArray LineStiffnessY;
extern LineArray LineShearX;
extern LineArray LineShearY;
