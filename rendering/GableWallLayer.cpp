#include "rendering/GableWallLayer.h"

#include "model/ElementLabels.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "rendering/Canvas.h"
#include "rendering/ElementBand.h"

void DrawGableWalls(Canvas& canvas) {
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey)) return;
  const GableWallRecord* const list = GableWalls[CurrentVariant][CurrentStorey];
  const int32_t count = CountOf(GableWallCount, CurrentVariant, CurrentStorey, MaxGableWallsPerStorey);
  const double h = PixelsPerMetre / 9;
  const bool labelled = CurrentEditMode == EditModeGable;
  for (int32_t k = 0; k < count; ++k) {
    const GableWallRecord& r = list[k];
    SegmentPixels s;
    if (!ValidGableShape(r.Shape) || !SegmentOnSheet(r.X1, r.Y1, r.X2, r.Y2, s)) continue;
    canvas.SetPenColour(GableShapeColours[r.Shape]);
    canvas.SetBrushColour(GableShapeColours[r.Shape]);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenMode(PenMode::Copy);
    canvas.SetBrushStyle(BrushStyle::Solid);
    DrawSegmentBand(canvas, s, h);
    if (labelled) DrawSegmentLabel(canvas, s, h, GableShapeLabels[r.Shape]);
  }
}
