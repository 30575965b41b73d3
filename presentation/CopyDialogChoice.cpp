#include "presentation/CopyDialogChoice.h"

#include "model/ElementLists.h"

namespace {

// The first of 2, 1 that is checked, else 0.
int32_t CheckedSlot(const bool (&checked)[3]) {
  if (checked[2]) return 2;
  if (checked[1]) return 1;
  return 0;
}

}  // namespace

CopyDialogShowState CopyDialogStateOnShow(int32_t currentVariant) {
  CopyDialogShowState state;
  for (int32_t v = 0; v < VariantCount; ++v) {
    state.DestinationEnabled[v] = v == currentVariant;
    state.SourceEnabled[v] = v != currentVariant;
  }
  state.CheckedDestination = currentVariant;
  state.CheckedSource = currentVariant == 0 ? 1 : 0;
  return state;
}

CopyDialogOperation CopyDialogOperationOf(const CopyDialogControls& controls) {
  CopyDialogOperation operation;
  operation.PushUndoFirst = controls.Copy;
  operation.SourceSlot = CheckedSlot(controls.Source);
  operation.DestinationSlot = CheckedSlot(controls.Destination);
  operation.CopyMode =
      (controls.Swap ? CopyModeSwap : CopyModeCopy) + (controls.SettingsToo ? 0 : CopyModeListsOnly);
  operation.StoreyMask =
      (controls.Storeys[0] ? 1 : 0) + (controls.Storeys[1] ? 2 : 0) + (controls.Storeys[2] ? 4 : 0);
  return operation;
}
