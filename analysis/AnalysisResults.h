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
  int32_t WallType;  // 8 x (partition) + opening class
  int32_t JointSpec;
  int32_t FoundationClass;
  int32_t HasBearingElements;
  double LengthX, LengthY;
  double Length;
  double EffectiveLength;
  double RunLength;
  double ExtentX, ExtentY;
  double ColumnExtentX, ColumnExtentY;
  double BaseStrength;  // kN/m
  double BaseStiffness;
  double DeteriorationFactor;
  double ReductionFactor;
  double ReducedStrength;
  double ReducedStiffness;
  double MinReductionFactor;
  double OpeningFactor;
  double StrengthX, StrengthY;  // kN
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

// The per-storey result arrays. Every array but ExistingWallLengthX/Y and the
// QuarterWallLength ones has a snow twin whose name ends in Snow.
// X(type, name) for an array with a snow twin, Y(type, name) for one without.
#define QUILMORA_STOREY_RESULT_ARRAYS(X, Y)                             \
  X(StoreyCaseArray, WallStrengthX)                                     \
  X(StoreyCaseArray, WallStrengthY)                                     \
  Y(StoreyCaseArray, ExistingWallLengthX)                               \
  Y(StoreyCaseArray, ExistingWallLengthY)                               \
  X(StoreyCaseArray, StiffnessSumX)                                     \
  X(StoreyCaseArray, StiffnessSumY)                                     \
  X(StoreyCaseArray, StiffnessMomentX)                                  \
  X(StoreyCaseArray, StiffnessMomentY)                                  \
  X(StoreyCaseArray, RigidityCentreX)                                   \
  X(StoreyCaseArray, RigidityCentreY)                                   \
  X(StoreyCaseArray, EccentricityX)                                     \
  X(StoreyCaseArray, EccentricityY)                                     \
  X(StoreyCaseArray, SecondMomentIx)                                    \
  X(StoreyCaseArray, SecondMomentIy)                                    \
  X(StoreyCaseArray, TorsionalStiffness)                                \
  X(StoreyCaseArray, ElasticRadiusX)                                    \
  X(StoreyCaseArray, ElasticRadiusY)                                    \
  X(StoreyCaseArray, EccentricityRatioX)                                \
  X(StoreyCaseArray, EccentricityRatioY)                                \
  X(StoreyCaseArray, DriftReciprocalX)                                  \
  X(StoreyCaseArray, DriftReciprocalY)                                  \
  X(StoreyComboArray, StiffnessRatioX)                                  \
  X(StoreyComboArray, StiffnessRatioY)                                  \
  X(StoreyComboArray, StiffnessRatioFactorX)                            \
  X(StoreyComboArray, StiffnessRatioFactorY)                            \
  X(StoreyComboArray, ReductionFactorEX)                                \
  X(StoreyComboArray, ReductionFactorEY)                                \
  X(CombinationArray, DriftReciprocalMeanX)                             \
  X(CombinationArray, DriftReciprocalMeanY)                             \
  /* quarter-division end zones: strength (kN) and wall quantity (m) */ \
  X(StoreyArray, QuarterZoneStrengthA)                                  \
  X(StoreyArray, QuarterZoneStrengthB)                                  \
  X(StoreyArray, QuarterZoneStrength1)                                  \
  X(StoreyArray, QuarterZoneStrength2)                                  \
  Y(StoreyArray, QuarterWallLengthA)                                    \
  Y(StoreyArray, QuarterWallLengthB)                                    \
  Y(StoreyArray, QuarterWallLength1)                                    \
  Y(StoreyArray, QuarterWallLength2)

#define QUILMORA_DECLARE_WITH_SNOW(Type, name) \
  extern Type name;                            \
  extern Type name##Snow;
#define QUILMORA_DECLARE_PLAIN(Type, name) extern Type name;
QUILMORA_STOREY_RESULT_ARRAYS(QUILMORA_DECLARE_WITH_SNOW, QUILMORA_DECLARE_PLAIN)
#undef QUILMORA_DECLARE_WITH_SNOW
#undef QUILMORA_DECLARE_PLAIN

// Per axis line: LineStiffnessX/LineShearX on the Y axis lines, ...Y on the X axis lines.
extern LineArray LineStiffnessX;
extern LineArray LineStiffnessY;
extern LineArray LineShearX;
extern LineArray LineShearY;
