#pragma once
// Names of element kinds and classes as the plan, the status bar and the
// report write them.
#include <cstdint>

constexpr int32_t FoundationTypeCount = 3;
constexpr int32_t GableShapeCount = 3;

// By FoundationRecord.Type: "基礎Ⅰ", "基礎Ⅱ", "基礎Ⅲ".
extern const char16_t* const FoundationTypeLabels[FoundationTypeCount];
// By GableWallRecord.Shape: "片流れ", "両流れ", "ﾊﾟﾗﾍﾟｯﾄ".
extern const char16_t* const GableShapeLabels[GableShapeCount];

inline bool ValidFoundationType(int32_t type) { return type >= 0 && type < FoundationTypeCount; }
inline bool ValidGableShape(int32_t shape) { return shape >= 0 && shape < GableShapeCount; }

// Roof/floor areas. AreaCode 0..19 names an area kind with a weight class;
// its label is the weight prefix followed by the kind name ("軽い床").
constexpr int32_t AreaLabelCodeCount = 20;
constexpr int32_t AreaKindNameCount = 8;
constexpr int32_t AreaWeightPrefixCount = 5;
// The area kind of each code (the item of the palette's kind list).
extern const int32_t AreaKindOfCode[AreaLabelCodeCount];
// The weight radio of each code: 0 個別, 1 軽い, 2 重い, 3 非常に重い, 4 none.
extern const int32_t WeightRadioOfCode[AreaLabelCodeCount];
// By area kind: "床", "吹抜部", "跳出バルコニー", "屋根", "軒庇", "小屋裏収納", "最大矩形", "独立荷重".
extern const char16_t* const AreaKindNames[AreaKindNameCount];
// By weight radio: "個別荷重の", "軽い", "重い", "非常に重い", "".
extern const char16_t* const AreaWeightPrefixes[AreaWeightPrefixCount];

inline bool ValidAreaCode(int32_t code) { return code >= 0 && code < AreaLabelCodeCount; }

// Room for the longest area label and its terminating zero.
constexpr int32_t AreaLabelCapacity = 16;
// Writes the label of an area code into out, NUL-terminated, and returns its
// length; a code outside 0..19 gives an empty label. Nothing is allocated.
int32_t AreaCodeLabel(int32_t code, char16_t (&out)[AreaLabelCapacity]);

// Column descriptions of the status bar.
constexpr int32_t ColumnTypeLabelCount = 3;
constexpr int32_t HardwareSymbolLabelCount = 30;
constexpr int32_t CornerSettingLabelCount = 3;
constexpr int32_t CornerJudgementLabelCount = 3;
constexpr int32_t PositionLabelCount = 2;
constexpr int32_t SpeciesLabelCount = 3;
constexpr int32_t SectionLabelCount = 6;
constexpr int32_t BreakageRiskLabelCount = 2;
// By ColumnRecord.Type - 1 (types 1 to 3): "管柱", "通し柱(1-2)", "通し柱(2-3)".
extern const char16_t* const ColumnTypeLabels[ColumnTypeLabelCount];
// By ColumnRecord.Hardware: "釘打ち", "ＶＰ", "告示", "ＨＤ", "い" .. "ぬ+", "U1" .. "U15".
extern const char16_t* const HardwareSymbolLabels[HardwareSymbolLabelCount];
// By ColumnRecord.CornerSetting: "自動", "指定", "指定".
extern const char16_t* const CornerSettingLabels[CornerSettingLabelCount];
// 1 "出隅柱", 2 "一般柱" (0 "自動" is never chosen).
extern const char16_t* const CornerJudgementLabels[CornerJudgementLabelCount];
// 0 "最上階", 1 "２階建ての１階" (columns; walls by WallResult.UnderRoofOrFloor).
extern const char16_t* const PositionLabels[PositionLabelCount];
// By ColumnRecord.Species: "スギ", "ヒノキ", "ケヤキ".
extern const char16_t* const SpeciesLabels[SpeciesLabelCount];
// Section class 0 to 5: "＜120mm" .. "≧240mm".
extern const char16_t* const SectionLabels[SectionLabelCount];
// By ColumnResult.BreakageRisk: "", "折損の可能性あり".
extern const char16_t* const BreakageRiskLabels[BreakageRiskLabelCount];

// The BraceTable row of WallRecord.BraceKind 0 to 10.
constexpr int32_t BraceKindCount = 11;
extern const int32_t BraceRowOfKind[BraceKindCount];
