#include "model/CopyDialogChoice.h"

#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/SlotCopy.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"

const char* const ClearStoreyQuestion =
    "この階の全てのデータを消去します。\n\n消去する --- はい\n\n消去しない --- いいえ";
const char* const ClearWallBearingQuestion =
    "この階の壁耐力要素を全て消去します。\n\n消去する --- はい\n\n消去しない --- いいえ";
const char* const ClearQuestionCaption = "データ消去の確認";

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

void RunCopyDialogOperation(const CopyDialogOperation& operation) {
  if (operation.PushUndoFirst) PushUndo();
  CopyModelSlot(operation.SourceSlot, operation.DestinationSlot, operation.CopyMode, operation.StoreyMask);
  const bool swap = (operation.CopyMode & CopyModeSwap) != 0;
  const bool touchesCurrent =
      operation.SourceSlot == CurrentVariant || operation.DestinationSlot == CurrentVariant;
  const bool movesLists =
      operation.SourceSlot != operation.DestinationSlot && (operation.StoreyMask & StoreyMaskAll) != 0;
  if (swap && touchesCurrent && movesLists) EmptyUndoRing();
  ModifiedFlag = 1;
}

void AskAndClearStoreyElements() {
  if (MessageBox(ClearStoreyQuestion, ClearQuestionCaption, MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  PushUndo();
  ClearStoreyElements();
  ModifiedFlag = 1;
}

void AskAndClearWallBearingElements() {
  if (MessageBox(ClearWallBearingQuestion, ClearQuestionCaption, MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  PushUndo();
  ClearWallBearingElements();
  ModifiedFlag = 1;
}
