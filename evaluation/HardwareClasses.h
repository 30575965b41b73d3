#pragma once
// Classes of column-joint hardware as the notification's table names them,
// (い) to (ぬ+), shared by the N-value tables and frame diagrams of the report,
// the plan's column layer and the status texts. Class 11 lies beyond the scale.
#include <cstdint>

using HardwareClass = int32_t;

constexpr int HardwareClassCount = 12;
constexpr HardwareClass HardwareClassBeyondScale = 11;

// Symbols for the frame diagrams and the plan; labels for the N-value tables.
// Index them through LabelAt (model/ElementTables.h) when the class is not
// known to lie in 0..11.
extern const char16_t* const HardwareClassSymbols[HardwareClassCount];
extern const char16_t* const HardwareClassLabels[HardwareClassCount];

constexpr int NValueClassLimitCount = 11;
constexpr int PullOutClassLimitCount = 10;
constexpr int TensionClassLimitCount = 11;

// Class boundaries: the N-values 0, 0.65, ... 7.5 plus 0.000001.
extern const double NValueClassLimits[NValueClassLimitCount];
// Pull-out forces of the converted N-value method, kN (tables only).
extern const double PullOutClassLimits[PullOutClassLimitCount];
// Tensions, kN (frame diagrams): the allowable tensions of the hardware rows (い) to (ぬ+).
extern const double TensionClassLimits[TensionClassLimitCount];

// N-value tables: how many of the first ten N-value limits N reaches (0..10).
HardwareClass ClassifyTableNValue(double n);

// N-value tables, converted N-value method: how many pull-out limits T passes (0..10).
HardwareClass ClassifyTablePullOut(double t);

// Frame diagrams: what the joint needs. Method is ProjectSettings.JointHardwareMethod:
// 1 classifies the tension T, 0 the N-value N (limits passed, 0..11); any other method gives 0.
HardwareClass ClassifyJointDemand(int32_t method, double t, double n);

// Plan column fill: method 1 counts the pull-out limits that T passes, method
// 0 the first ten N-value limits that N passes (0..10); any other method gives 0.
HardwareClass ClassifyColumnFill(int32_t method, double t, double n);

// Plan column label: method 1 as ClassifyJointDemand; method 0 counts the
// N-value limits that N reaches (0..11); any other method gives 0.
HardwareClass ClassifyColumnDemandLabel(int32_t method, double t, double n);

// Frame diagrams: what hardware of allowable tension A (kN) carries (limits passed, 0..11).
HardwareClass ClassifyJointCapacity(double allowableTension);

// Capacity class of a JointHardwareTable row; a row outside the table carries nothing (class 0).
HardwareClass JointCapacityClassOfRow(int32_t row);

// Colour of a column line in the frame diagrams (an entry of ClassColourScale).
int32_t DemandClassColour(HardwareClass hardwareClass);
