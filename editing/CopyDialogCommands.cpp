#include "editing/CopyDialogCommands.h"

#include "editing/SlotCopy.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"

const char* const ClearStoreyQuestion =
    "この階の全てのデータを消去します。\n\n消去する --- はい\n\n消去しない --- いいえ";
const char* const ClearWallBearingQuestion =
    "この階の壁耐力要素を全て消去します。\n\n消去する --- はい\n\n消去しない --- いいえ";
const char* const ClearQuestionCaption = "データ消去の確認";

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
