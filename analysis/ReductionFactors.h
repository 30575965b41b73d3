#pragma once
// Reduction of a wall's strength by its column-end joints and the foundation
// (接合部・基礎による低減), with and without snow, and by the deterioration
// of its frame; the smaller of the two is the wall's MinReductionFactor.
// Revision 2012 reads twelve tables by corrected strength, joint class and
// foundation class; revision 2025 computes the factor from the joint capacity.
//
// The storey analysis calls CalcWallReductionFactors once per wall and wall
// loading case; the lookups and formulas it is made of are declared first.
//
// Guards for data no editor produces: a joint class outside 0..3 (revision
// 2012) reads as joint IV, a foundation class outside 0..2 as base III, a
// frame state outside 0..2 as deteriorated, a strength class outside 0..3 as
// the nearest class, a hardware row outside the table as capacity 0.
#include <cstdint>

#include "analysis/AnalysisResults.h"

// Table t of the revision-2012 set serves situation t mod 3 and snow depth t div 3.
enum ReductionSituation : int32_t {
  SituationTopStorey = 0,  // top storey of a house of two or three storeys
  SituationLowerStorey = 1,
  SituationSingleStorey = 2,  // single-storey house, or a lean-to wall on storey 0
};

constexpr int JointReductionTableCount = 12;  // 3 situations x (no snow, 1 m, 2 m, 2.5 m)
constexpr int JointReductionPointCount = 4;
constexpr int JointClassCount = 4;       // joints I, II, III, IV
constexpr int FoundationClassCount = 3;  // bases I, II, III
constexpr int JointCapacityPointCount = 6;
constexpr int FrameStateCount = 3;  // 0 deteriorated, 1 partly, 2 none
constexpr int StrengthClassCount = 4;

// Strength points, kN/m, of the revision-2012 tables and of the 2025 capacity factors.
extern const double JointReductionPoints[JointReductionPointCount];
extern const double JointCapacityPoints[JointCapacityPointCount];

// [table][strength point][JointSpec][FoundationClass]
extern const double JointReductionTables[JointReductionTableCount][JointReductionPointCount][JointClassCount]
                                        [FoundationClassCount];
// [frame state][strength point]
extern const double JointCapacityFactorTable[FrameStateCount][JointCapacityPointCount];
// [UnderRoofOrFloor][frame state][StrengthClass]
extern const double WallDeteriorationTable[2][FrameStateCount][StrengthClassCount];

// Piecewise-linear value over ascending strength points: the first value below
// the first point, the last at or above the last point.
double LookupByStrengthPoints(const double* points, const double* values, int count, double p);

// Design snow depth in m for a snow load (0.26 per m); 0 without snow.
double SnowDepthOfLoad(double snowLoad);

// WallRecord.Deterioration reduced to the frame state (its two low bits).
int32_t FrameStateOf(int32_t deteriorationBits);

// A wall of a house of two or three storeys at least one of whose ends lacks
// the floor mark of GridPointMap, while the lean-to rule is 1.
bool IsLeanToWall(int32_t topStorey, int32_t leanToRule, int32_t startPointValue, int32_t endPointValue);

// Revision 2012: which table set a wall of storey s reads.
ReductionSituation ReductionSituationOf(int32_t storey, int32_t topStorey, bool leanTo);

// Revision 2012, no snow: table lookup at P, the straight line from 1.0 at
// 1 kN/m to the 2 kN/m value when lowStrengthLine is set, and 1.0 below 1 kN/m.
double ReductionFactor2012(ReductionSituation situation, int32_t jointSpec, int32_t foundationClass, double p,
                           bool lowStrengthLine);

// Revision 2012 with snow of depth d > 0: between the 1 m, 2 m and 2.5 m tables.
double SnowReductionFactor2012(ReductionSituation situation, int32_t jointSpec, int32_t foundationClass,
                               double p, double snowDepth);

// Revision 2025: the joint capacity Tj in kN of a JointSpec (hardware rows
// from JointHardwareTable), cut to 5 kN on base III.
double JointCapacity2025(int32_t jointSpec, int32_t foundationClass);

// Revision 2025: the factor of a wall of storey s from its joint capacity; a
// snow depth of 0 gives the factor without snow.
double ReductionFactor2025(int32_t storey, int32_t topStorey, bool leanTo, int32_t foundationClass,
                           double jointCapacity, int32_t frameState, double p, double snowDepth);

// The wall's own deterioration factor; 1.0 in revision 2025, in the general
// and verification methods, and below 1 kN/m.
double WallDeteriorationFactor(int32_t revision, int32_t diagnosisMethod, int32_t underRoofOrFloor,
                               int32_t frameState, int32_t strengthClass, double p);

// What the storey analysis knows of one wall in one wall loading case.
struct WallReductionInput {
  double CorrectedStrength;  // P = BaseStrength[c] x OpeningFactor, kN/m
  int32_t JointSpec;
  int32_t FoundationClass;
  int32_t StrengthClass;  // StrengthClass[c]
  int32_t UnderRoofOrFloor;
  int32_t FrameState;       // FrameStateOf(WallRecord.Deterioration)
  int32_t StartPointValue;  // GridPointMap at the wall's start and end
  int32_t EndPointValue;
  int32_t Storey;
  int32_t TopStorey;  // ProjectSettings.TopStorey of the variant
};

// The input for wall loading case c of a wall whose base values, classes and
// flags the storey analysis has already written into `result`.
WallReductionInput WallReductionInputOf(const WallResult& result, int c, const WallRecord& wall,
                                        int32_t startPointValue, int32_t endPointValue, int32_t storey,
                                        int32_t topStorey);

// Writes ReductionFactor, DeteriorationFactor and MinReductionFactor of one
// wall loading case, and the snow ReductionFactor and MinReductionFactor as
// the revision requires: revision 2012 only with snow, revision 2025 the snow
// ReductionFactor always and its MinReductionFactor only with snow. Reads
// ProjectSettings (Revision, DiagnosisMethod, SnowLoad,
// LeanToColumnsTopStorey, LowStrengthWallReduction) and JointHardwareTable.
void CalcWallReductionFactors(const WallReductionInput& in, WallCaseResult& block,
                              SnowWallCaseResult& snowBlock);
