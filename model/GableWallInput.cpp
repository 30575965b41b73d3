#include "model/GableWallInput.h"

#include "model/MainWindowPort.h"
#include "model/ModelAccess.h"
#include "model/PaletteState.h"
#include "model/SlotCopy.h"
#include "model/TwoPointInput.h"
#include "model/ViewState.h"

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
