#pragma once
// What a value of the model may hold: grid indices inside the grid, table rows
// inside their tables, enumerations among their choices. The file readers
// accept a record or a block of settings only when it passes these checks, so
// that nothing later indexes outside an array; the same checks tell whether a
// whole model is consistent.
#include <cstdint>

#include "model/ElementRecords.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"

inline bool IsGridIndexX(int32_t i) { return i >= 0 && i < GridAxisCountX; }
inline bool IsGridIndexY(int32_t i) { return i >= 0 && i < GridAxisCountY; }
inline bool IsGridAxisKind(int32_t kind) { return kind >= 0 && kind <= 2; }
inline bool IsFloorSpecCode(int32_t code) {
  return code >= 0 && code % 32 < FloorSpecTableRows && code / 32 < HorizontalBraceTableRows;
}

bool IsValidRecord(const ColumnRecord& r);
bool IsValidRecord(const WallRecord& r);
bool IsValidRecord(const SpareKind3Record& r);
bool IsValidRecord(const GableWallRecord& r);
bool IsValidRecord(const RoofFloorRectRecord& r);
bool IsValidRecord(const RoofFloorTriangleRecord& r);
bool IsValidRecord(const FloorSpecRectRecord& r);
bool IsValidRecord(const FloorSpecTriangleRecord& r);
bool IsValidRecord(const TextLabelRecord& r);
bool IsValidRecord(const FoundationRecord& r);
bool IsValidRecord(const FreeLineRecord& r);
bool IsValidRecord(const SpareKind12Record& r);

bool IsValidPanelRow(const PanelSpecRow& row);

// Every setting that the setting table marks as checked holds one of its
// choices (methods, classes, the storey counts, the deterioration answers).
// Flags, bit sets and numbers are not restricted.
bool AreValidSettings(const ProjectSettingsData& s);

// Every count of every slot within 0..maximum, every record of the three
// variants valid, the settings valid, CurrentVariant 0..2, every grid kind
// 0..2 and every panel row's display kind valid. On failure *why names the
// first offence.
bool IsModelConsistent(const char** why = nullptr);
