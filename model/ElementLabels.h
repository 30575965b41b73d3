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
