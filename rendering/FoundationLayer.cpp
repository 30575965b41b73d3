#include "rendering/FoundationLayer.h"

#include "model/ElementLabels.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "rendering/Canvas.h"
#include "rendering/ElementBand.h"

void DrawFoundations(Canvas& canvas) {
  if (!ValidVariant(CurrentVariant) || !ValidStorey(CurrentStorey)) return;
  const FoundationRecord* const list = Foundations[CurrentVariant][CurrentStorey];
  const int32_t count = CountOf(FoundationCount, CurrentVariant, CurrentStorey, MaxFoundationsPerStorey);
  const double h = PixelsPerMetre / 9;
  const bool labelled = CurrentEditMode == EditModeFoundation;
  // A record of another type is not drawn.
  for (int32_t type = FoundationTypeCount - 1; type >= 0; --type) {
    for (int32_t k = 0; k < count; ++k) {
      const FoundationRecord& r = list[k];
      SegmentPixels s;
      if (r.Type != type || !SegmentOnSheet(r.X1, r.Y1, r.X2, r.Y2, s)) continue;
      canvas.SetPenColour(FoundationTypeColours[type]);
      canvas.SetBrushColour(FoundationTypeColours[type]);
      canvas.SetPenWidth(1);
      canvas.SetPenStyle(PenStyle::Solid);
      canvas.SetPenMode(PenMode::Copy);
      canvas.SetBrushStyle(BrushStyle::Solid);
      DrawSegmentBand(canvas, s, 2 * h);
      if (labelled) DrawSegmentLabel(canvas, s, h, FoundationTypeLabels[type]);
    }
  }
}
