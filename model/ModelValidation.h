#pragma once
// What a value of the model may hold: grid indices inside the grid, table rows
// inside their tables, enumerations among their choices. The file readers
// accept a record or a block of settings only when it passes these checks, so
// that nothing later indexes outside an array; the same checks tell whether a
// whole model is consistent.
#include <cstdint>
#include <string>

#include "model/ElementRecords.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/NumberField.h"
#include "model/ProjectSettings.h"

// The ranges of the numbers (FileNumberBounds) are in model/NumberField.h.

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
// Strength, stiffness and wall factor within their bounds.
bool AreTableNumbersValid(const ElementSpecRow& row);
bool AreTableNumbersValid(const PanelSpecRow& row);
// Every axis position and the module within their bounds.
bool IsGridWithinBounds(const double* x, int countX, const double* y, int countY, double module);
// A floor-type or horizontal brace factor within its bound.
inline bool IsValidFloorFactor(double factor) { return FileNumberBounds.FloorFactor.Accepts(factor); }

// Every setting that the setting table marks as checked holds one of its
// choices (methods, classes, the storey counts, the deterioration answers),
// and every number of the number-setting table (storey heights, the factor
// Z, the snow load, the areas) lies within its range. Flags and bit sets are
// not restricted.
bool AreValidSettings(const ProjectSettingsData& s);

// Every count of every slot within 0..maximum, every record of the three
// variants valid, the settings valid, CurrentVariant 0..2, every grid kind
// 0..2, the grid within its bounds and every panel row's display kind valid. On failure *why names the
// first offence.
bool IsModelConsistent(const char** why = nullptr);

// The first value of the model that the project file reader would refuse,
// named for a message ("1階階高 (現況)"); empty when there is none.
std::string FirstRefusedValue();
