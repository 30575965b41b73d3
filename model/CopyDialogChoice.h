#pragma once
// What the copy dialog (一括編集) does with the user's choice: which radios it
// offers when it opens, which slots, copy mode and storey mask its radios and
// check boxes give, and the operations behind its three buttons. The dialog
// only reads its controls and calls these.
#include <cstdint>

// The radios of the dialog when it is shown for a current variant.
struct CopyDialogShowState {
  bool DestinationEnabled[3] = {};  // Rd0, Rd1, Rd2
  int32_t CheckedDestination = 0;
  bool SourceEnabled[3] = {};  // Rs0, Rs1, Rs2
  int32_t CheckedSource = 0;
};

CopyDialogShowState CopyDialogStateOnShow(int32_t currentVariant);

// The state of the dialog's controls when OK is pressed.
struct CopyDialogControls {
  bool Destination[3] = {};  // Rd0, Rd1, Rd2 checked
  bool Source[3] = {};       // Rs0, Rs1, Rs2 checked
  bool Copy = true;          // Rmc checked
  bool Swap = false;         // Rmp checked
  bool SettingsToo = true;   // CheckBox1 "階数・重さ・面積も編集する"
  bool Storeys[3] = {};      // Ck1, Ck2, Ck3 ticked
};

struct CopyDialogOperation {
  bool PushUndoFirst = false;
  int32_t SourceSlot = 0;
  int32_t DestinationSlot = 0;
  int32_t CopyMode = 0;
  int32_t StoreyMask = 0;
};

CopyDialogOperation CopyDialogOperationOf(const CopyDialogControls& controls);

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
