#pragma once
// The element lists of the building model: for each of the twelve element
// kinds one record array [model slot][storey][record], one count array
// [model slot][storey] and one scratch block used by the slot swap. Slots 0..2
// are the three variants, slots 3..17 the undo ring. All of it is fixed-size
// and program-wide; nothing is allocated per element.
#include <cstdint>

#include "model/ElementRecords.h"

constexpr int ModelSlotCount = 18;
constexpr int VariantCount = 3;
constexpr int StoreyCount = 3;
constexpr int UndoRingSize = 15;
constexpr int FirstUndoSlot = 3;

enum ModelVariant : int32_t { CurrentState = 0, RetrofitPlan1 = 1, RetrofitPlan2 = 2 };

// In the order of the project file's element blocks.
enum class ElementKind : int32_t {
  Column,
  Wall,
  SpareKind3,
  GableWall,
  RoofFloorRect,
  RoofFloorTriangle,
  FloorSpecRect,
  FloorSpecTriangle,
  TextLabel,
  Foundation,
  FreeLine,
  SpareKind12,
};
constexpr int ElementKindCount = 12;

constexpr int32_t MaxColumnsPerStorey = 300;
constexpr int32_t MaxWallsPerStorey = 300;
constexpr int32_t MaxSpareKind3PerStorey = 300;
constexpr int32_t MaxGableWallsPerStorey = 300;
constexpr int32_t MaxRoofFloorRectsPerStorey = 50;
constexpr int32_t MaxRoofFloorTrianglesPerStorey = 50;
constexpr int32_t MaxFloorSpecRectsPerStorey = 50;
constexpr int32_t MaxFloorSpecTrianglesPerStorey = 50;
constexpr int32_t MaxTextLabelsPerStorey = 300;
constexpr int32_t MaxFoundationsPerStorey = 200;
constexpr int32_t MaxFreeLinesPerStorey = 200;
constexpr int32_t MaxSpareKind12PerStorey = 100;

// One line per kind, in ElementKind order:
// X(kind, record type, records, count, swap block, maximum)
#define QUILMORA_FOR_EACH_ELEMENT_KIND(X)                                                               \
  X(Column, ColumnRecord, Columns, ColumnCount, ColumnSwapBlock, MaxColumnsPerStorey)                   \
  X(Wall, WallRecord, Walls, WallCount, WallSwapBlock, MaxWallsPerStorey)                               \
  X(SpareKind3, SpareKind3Record, SpareKind3Records, SpareKind3Count, SpareKind3SwapBlock,              \
    MaxSpareKind3PerStorey)                                                                             \
  X(GableWall, GableWallRecord, GableWalls, GableWallCount, GableWallSwapBlock, MaxGableWallsPerStorey) \
  X(RoofFloorRect, RoofFloorRectRecord, RoofFloorRects, RoofFloorRectCount, RoofFloorRectSwapBlock,     \
    MaxRoofFloorRectsPerStorey)                                                                         \
  X(RoofFloorTriangle, RoofFloorTriangleRecord, RoofFloorTriangles, RoofFloorTriangleCount,             \
    RoofFloorTriangleSwapBlock, MaxRoofFloorTrianglesPerStorey)                                         \
  X(FloorSpecRect, FloorSpecRectRecord, FloorSpecRects, FloorSpecRectCount, FloorSpecRectSwapBlock,     \
    MaxFloorSpecRectsPerStorey)                                                                         \
  X(FloorSpecTriangle, FloorSpecTriangleRecord, FloorSpecTriangles, FloorSpecTriangleCount,             \
    FloorSpecTriangleSwapBlock, MaxFloorSpecTrianglesPerStorey)                                         \
  X(TextLabel, TextLabelRecord, TextLabels, TextLabelCount, TextLabelSwapBlock, MaxTextLabelsPerStorey) \
  X(Foundation, FoundationRecord, Foundations, FoundationCount, FoundationSwapBlock,                    \
    MaxFoundationsPerStorey)                                                                            \
  X(FreeLine, FreeLineRecord, FreeLines, FreeLineCount, FreeLineSwapBlock, MaxFreeLinesPerStorey)       \
  X(SpareKind12, SpareKind12Record, SpareKind12Records, SpareKind12Count, SpareKind12SwapBlock,         \
    MaxSpareKind12PerStorey)

#define QUILMORA_DECLARE_ELEMENT_LIST(kind, Record, records, count, swapBlock, max) \
  extern Record records[ModelSlotCount][StoreyCount][max];                          \
  extern int32_t count[ModelSlotCount][StoreyCount];                                \
  extern Record swapBlock[max];
QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_DECLARE_ELEMENT_LIST)
#undef QUILMORA_DECLARE_ELEMENT_LIST

// Maximum per storey of a kind, by ElementKind.
extern const int32_t ElementKindMaximum[ElementKindCount];

// Storey masks: bit s selects storey s; only the low three bits count.
constexpr int32_t StoreyMaskAll = 7;
inline bool StoreyInMask(int32_t mask, int storey) { return (mask >> storey) & 1; }

// Copy modes of CopyModelSlot; adding CopyModeListsOnly leaves the variant settings alone.
constexpr int32_t CopyModeCopy = 0;
constexpr int32_t CopyModeSwap = 1;
constexpr int32_t CopyModeListsOnly = 2;
