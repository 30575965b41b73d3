#pragma once
// The operations behind the three buttons of the copy dialog (一括編集): the
// copy or swap that CopyDialogOperationOf worked out, and the two storey
// clears, each with its undo snapshot.
#include "presentation/CopyDialogChoice.h"

// Runs the operation. A copy pushes an undo snapshot of the current variant
// first. A swap that moves lists of the current variant empties the undo
// ring: its snapshots would otherwise restore lists that now belong to the
// other variant over the swapped-in ones, which would be lost (a swap is
// taken back by swapping again).
void RunCopyDialogOperation(const CopyDialogOperation& operation);

// データ削除: asks, and unless the answer is No pushes an undo snapshot and
// empties every list of the current storey.
void AskAndClearStoreyElements();
// 壁耐力要素削除: asks, and unless the answer is No pushes an undo snapshot and
// strips the bearing elements of the current storey's walls.
void AskAndClearWallBearingElements();

extern const char* const ClearStoreyQuestion;
extern const char* const ClearWallBearingQuestion;
extern const char* const ClearQuestionCaption;
