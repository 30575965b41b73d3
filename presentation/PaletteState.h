#pragma once
// Choices of the element tool palettes that outlive the palettes' windows
// and that the model reset puts back.
#include <cstdint>

struct RoofFloorPaletteState {
  int32_t AreaCode;  // 0..19
  int32_t NotEnclosed;
  int32_t WeightClass;  // 0..3, 4 when the area kind has no weight choice
  double LiveLoad;
  double AddedLoad;
  double DeadLoad;
  double Slope;
};
extern RoofFloorPaletteState RoofFloorPalette;

extern int32_t FloorSpecPaletteSpec;   // FloorSpecTable row for new areas
extern int32_t FloorSpecPaletteBrace;  // HorizontalBraceTable row
extern int32_t FoundationPaletteType;  // 0 基礎Ⅰ, 1 基礎Ⅱ, 2 基礎Ⅲ
extern int32_t FreeLinePaletteStyle;
extern int32_t FreeLinePaletteColour;
extern int32_t NotifiedEndColumns;  // 1: ends of a changed retrofit wall get hardware row 2

// The settings of the column being added, coded like the ColumnRecord fields;
// the column palette writes them as the user chooses.
struct NewColumnSettings {
  int32_t Type;  // 1 管柱, 2 通し柱(1-2), 3 通し柱(2-3)
  int32_t Hardware;
  int32_t CornerSetting;
  int32_t Species;
  int32_t SectionX;
  int32_t SectionY;
  int32_t Deterioration;
};
extern NewColumnSettings NewColumnDefaults;

// The gable wall palette's settings for new gable walls. The model reset
// leaves them alone: they hold from start-up to the end of the run.
struct GableWallPaletteState {
  int32_t Shape;        // GableWallRecord.Shape
  int32_t WeightClass;  // GableWallRecord.WeightClass
  double Slope;
  double Weight;
  double Height;
};
extern GableWallPaletteState GablePalette;

// Puts back the palette choices that every model reset restores.
void ResetPaletteChoices();
