#pragma once
// What the outline dialog's OK shows on the main window, once the dialog has
// stored its pages into ProjectSettings: the method panel's captions, the
// snow-case radios, the variant colours and panel, the foundation and
// floor-type edit modes and the storey controls. Writes MainWindow (and the
// snow case), then refreshes the main window and asks for one full repaint.
#include <cstdint>

#include "presentation/OutlineRules.h"

// The dialog's controls that OK reads for the main window.
struct OutlineAcceptChecks {
  // Value of the checked radio of the revision, diagnosis-method,
  // other-elements, required-strength and balance groups, by
  // MethodPanelLabel; -1 where the group has no checked radio.
  int32_t MethodRadio[MethodPanelLabelCount] = {-1, -1, -1, -1, -1};
  int32_t SnowDepthIndex = 0;    // Csekiset; 0 is 無し（1.0ｍ未満）
  int32_t CheckedSnowCase = -1;  // the dialog's Rseki0 (0) or Rseki1 (1); -1 neither
};

// In order:
//  - each method caption whose group has a checked radio with a caption
//    (the 2004 revision and an unchecked group leave their label as it is);
//  - 積雪時 offered when a snow depth is chosen;
//  - the variant radios' colours and Panel2 for CurrentVariant;
//  - 基礎 and 屋根床仕様 disabled while the foundations or floor types are
//    one for the whole house;
//  - the storey controls for the top storey of CurrentVariant; the plan
//    moves down to the top storey when it shows a storey the variant lacks;
//  - the snow case: without snow, or with 雪なし時 checked, 0 and Rseki0;
//    then, with snow and 積雪時 checked, 1 and Rseki1; otherwise both stay.
void ShowOutlineOnMainWindow(const OutlineAcceptChecks& checks);
