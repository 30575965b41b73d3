#include "presentation/PaletteState.h"

RoofFloorPaletteState RoofFloorPalette{};
int32_t FloorSpecPaletteSpec = 12;
int32_t FloorSpecPaletteBrace = 0;
int32_t FoundationPaletteType = 1;
int32_t FreeLinePaletteStyle = 0;
int32_t FreeLinePaletteColour = 0;
int32_t NotifiedEndColumns = 0;
GableWallPaletteState GablePalette{0, 1, 0.0, 0.0, 0.0};
NewColumnSettings NewColumnDefaults{1, 0, 0, 0, 0, 0, 2};

void ResetPaletteChoices() {
  RoofFloorPalette.AreaCode = 0;
  FloorSpecPaletteSpec = 12;
  FloorSpecPaletteBrace = 0;
  FoundationPaletteType = 1;
  FreeLinePaletteStyle = 0;
  FreeLinePaletteColour = 0;
}
