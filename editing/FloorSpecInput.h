#pragma once
// Floor and roof diaphragm specifications (屋根床仕様) of the current variant
// and storey: rectangles by two diagonal grid points or triangles by three,
// each with the floor row and the horizontal-brace row of the palette
// (FloorSpecPaletteSpec, FloorSpecPaletteBrace). Picking the corners of an
// existing area deletes it. No message is ever shown.
#include <cstdint>

// SpecCode of a floor row and a brace row: floor row + 32 x brace row.
constexpr int32_t FloorSpecCode(int32_t floorRow, int32_t braceRow) { return floorRow + 32 * braceRow; }
constexpr int32_t FloorSpecRowOf(int32_t specCode) { return specCode % 32; }
constexpr int32_t BraceRowOf(int32_t specCode) { return specCode / 32; }

// 1 when an area was added or deleted; 0 when refused (silently): a
// degenerate or off-grid rectangle, a full storey, a zero area. A refusal
// changes neither the model nor the undo ring.
int32_t InputFloorSpecRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// The three points as clicked; a triangle whose three points are those of
// an existing one, in any order, deletes it.
int32_t InputFloorSpecTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);
