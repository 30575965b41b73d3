#pragma once
// Foundation segments are entered on the first storey of the current variant,
// between two grid points picked on the plan, with the class chosen in the
// foundation palette (FoundationPaletteType).
#include <cstdint>

// Adds the segment from (x1, y1) to (x2, y2), or deletes the first segment
// with these two ends in either order. 1 when a segment was added or deleted,
// 0 when the input was refused: the two points coincide, the current storey
// is not the first (reported), a point lies off the grid, or the storey holds
// MaxFoundationsPerStorey segments already (silently). An undo snapshot is
// pushed before every change; the plan is repainted after a change and after
// the first two refusals.
int32_t InputFoundation(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// The refusal on storeys above the first (stop icon).
extern const char* const FoundationStoreyMessage;
extern const char* const FoundationStoreyCaption;
