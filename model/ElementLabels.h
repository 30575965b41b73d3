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

// Roof and floor area codes 0 to 19: the kind and weight prefix of a code,
// whose label is AreaWeightPrefixes[WeightRadioOfCode[c]] followed by
// AreaKindNames[AreaKindOfCode[c]].
constexpr int32_t AreaCodeCount = 20;
constexpr int32_t AreaKindNameCount = 8;
constexpr int32_t AreaWeightPrefixCount = 5;
extern const int32_t AreaKindOfCode[AreaCodeCount];
extern const int32_t WeightRadioOfCode[AreaCodeCount];
// 0 "床", 1 "吹抜部", 2 "跳出バルコニー", 3 "屋根", 4 "軒庇", 5 "小屋裏収納", 6 "最大矩形", 7 "独立荷重".
extern const char16_t* const AreaKindNames[AreaKindNameCount];
// 0 "個別荷重の", 1 "軽い", 2 "重い", 3 "非常に重い", 4 "".
extern const char16_t* const AreaWeightPrefixes[AreaWeightPrefixCount];
