#include "rendering/GableWallLayer.h"

#include "model/ElementLabels.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "rendering/Canvas.h"
#include "rendering/ElementBand.h"
#include "rendering/PlanView.h"

void DrawGableWalls(Canvas& canvas, const PlanView& view) {
  if (!ValidVariant(view.Variant) || !ValidStorey(view.Storey)) return;
  const GableWallRecord* const list = GableWalls[view.Variant][view.Storey];
  const int32_t count = CountOf(GableWallCount, view.Variant, view.Storey, MaxGableWallsPerStorey);
  const double h = view.UnitsPerMetre / 9;
  const bool labelled = view.EditMode == EditModeGable;
  for (int32_t k = 0; k < count; ++k) {
    const GableWallRecord& r = list[k];
    SegmentPixels s;
    if (!ValidGableShape(r.Shape) || !SegmentOnSheet(view, r.X1, r.Y1, r.X2, r.Y2, s)) continue;
    DrawSegmentBand(canvas, s, h, GableShapeColours[r.Shape]);
    if (labelled) DrawSegmentLabel(canvas, s, h, GableShapeLabels[r.Shape]);
  }
}
