#include "editing/GableWallInput.h"

#include "editing/SlotCopy.h"
#include "editing/TwoPointInput.h"
#include "model/ModelAccess.h"
#include "model/ViewState.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"

namespace {

struct GableWallKind : TwoPointKindDefaults {
  static void Fill(GableWallRecord& added) {
    added.Shape = GablePalette.Shape;
    added.WeightClass = GablePalette.WeightClass;
    added.Weight = GablePalette.Weight;
    added.Slope = GablePalette.Slope;
    added.Height = GablePalette.Height;
  }
};

}  // namespace

int32_t InputGableWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return InputTwoPointElement<GableWallKind>(GableWalls, GableWallCount, {x1, y1, x2, y2});
}
