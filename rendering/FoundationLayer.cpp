#include "rendering/FoundationLayer.h"

#include "model/ElementLabels.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "rendering/Canvas.h"
#include "rendering/ElementBand.h"
#include "rendering/PlanView.h"

void DrawFoundations(Canvas& canvas, const PlanView& view) {
  if (!ValidVariant(view.Variant) || !ValidStorey(view.Storey)) return;
  const FoundationRecord* const list = Foundations[view.Variant][view.Storey];
  const int32_t count = CountOf(FoundationCount, view.Variant, view.Storey, MaxFoundationsPerStorey);
  const double h = view.UnitsPerMetre / 9;
  const bool labelled = view.EditMode == EditModeFoundation;
  // A record of another type is not drawn.
  for (int32_t type = FoundationTypeCount - 1; type >= 0; --type) {
    for (int32_t k = 0; k < count; ++k) {
      const FoundationRecord& r = list[k];
      SegmentPixels s;
      if (r.Type != type || !SegmentOnSheet(view, r.X1, r.Y1, r.X2, r.Y2, s)) continue;
      DrawSegmentBand(canvas, s, 2 * h, FoundationTypeColours[type]);
      if (labelled) DrawSegmentLabel(canvas, s, h, FoundationTypeLabels[type]);
    }
  }
}
