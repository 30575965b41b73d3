#pragma once
// What the copy dialog (一括編集) does with the user's choice: which radios it
// offers when it opens, which slots, copy mode and storey mask its radios and
// check boxes give. The operations behind its three buttons are
// CopyDialogCommands. The dialog only reads its controls and calls these.
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
