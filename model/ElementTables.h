#pragma once
// The element tables from which walls, floor areas and columns take their
// structural values by row index, and the label tables of result codes.
// Texts are NUL-terminated UTF-16; several predefined texts end in blanks
// (ASCII or U+3000) that belong to the value.
#include <cstdint>

constexpr int ElementSymbolCapacity = 8;
constexpr int ElementNameCapacity = 66;
constexpr int PanelNameCapacity = 64;
constexpr int FloorFactorNameCapacity = 32;
constexpr int JointHardwareNameCapacity = 32;
constexpr int JointHardwareSymbolCapacity = 8;

struct ElementSpecRow {
  char16_t Symbol[ElementSymbolCapacity];
  double Strength;  // kN/m
  double Stiffness;
  double WallFactor;
  int32_t DiagnosisOnly;
  char16_t Name[ElementNameCapacity];

  bool operator==(const ElementSpecRow&) const = default;
};

struct PanelSpecRow {
  char16_t Symbol[ElementSymbolCapacity];
  double Strength;
  double Stiffness;
  double WallFactor;
  int32_t DiagnosisOnly;
  int32_t DisplayKind;  // 0 大壁, 1 川の字, 2 真壁, 3 胴縁
  char16_t Name[PanelNameCapacity];

  bool operator==(const PanelSpecRow&) const = default;
};

struct JointHardwareRow {
  char16_t Name[JointHardwareNameCapacity];
  char16_t Symbol[JointHardwareSymbolCapacity];
  double AllowableTension;  // kN

  bool operator==(const JointHardwareRow&) const = default;
};

constexpr int PanelTableRows = 45;
constexpr int BraceTableRows = 15;
constexpr int MudWallTableRows = 15;
constexpr int FloorSpecTableRows = 22;
constexpr int HorizontalBraceTableRows = 15;
constexpr int JointHardwareTableRows = 30;

// First user row of each table (the user rows run to the end, but for BraceTable).
constexpr int FirstPanelUserRow = 34;
constexpr int FirstBraceUserRow = 9;  // rows 9 and 10
constexpr int FirstFloorSpecUserRow = 17;
constexpr int FirstHorizontalBraceUserRow = 10;
constexpr int FirstJointHardwareUserRow = 15;

extern PanelSpecRow PanelTable[PanelTableRows];
extern ElementSpecRow BraceTable[BraceTableRows];
extern ElementSpecRow MudWallTable[MudWallTableRows];

// The floor tables are held as parallel arrays of names and factors.
extern char16_t FloorSpecTableName[FloorSpecTableRows][FloorFactorNameCapacity];
extern double FloorSpecTableFactor[FloorSpecTableRows];
extern char16_t HorizontalBraceTableName[HorizontalBraceTableRows][FloorFactorNameCapacity];
extern double HorizontalBraceTableFactor[HorizontalBraceTableRows];

extern JointHardwareRow JointHardwareTable[JointHardwareTableRows];

// Puts every table back to the rows the program starts with.
void RestoreElementTableStartValues();

// Floor factor of a floor-specification code (floor row + 32 x brace row);
// a code naming a row outside either table gives 0.
double FloorFactorOfSpecCode(int32_t specCode);

// Label tables.
constexpr int WallTypeLabelCount = 16;
constexpr int DeteriorationLabelCount = 3;
constexpr int JointClassLabelCount = 31;
constexpr int FoundationClassLabelCount = 8;
constexpr int WeightClassCaptionCount = 3;

extern const char16_t* const WallTypeLabels[WallTypeLabelCount];
extern const char16_t* const DeteriorationLabels[DeteriorationLabelCount];
extern const char16_t* const JointClassLabels[JointClassLabelCount];
extern const char16_t* const FoundationClassLabels[FoundationClassLabelCount];
extern const char16_t* const WeightClassCaptionLine1[WeightClassCaptionCount];
extern const char16_t* const WeightClassCaptionLine2[WeightClassCaptionCount];

// Looks up a label, giving the empty text for an index outside the table.
const char16_t* LabelAt(const char16_t* const* table, int count, int32_t index);
