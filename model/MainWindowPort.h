#pragma once
// The part of the main window that the core keeps up to date: undo and redo
// buttons, variant and storey radios, edit-mode radios and the caption. The
// core writes MainWindow and then calls RefreshMainWindow(); the GUI, through
// the installed port, shows the state. Without a port (headless use, tests)
// only the state is kept.
#include <cstdint>

struct MainWindowState {
  bool BmodoruEnabled = false;  // 戻る (undo)
  bool BsusumuEnabled = false;  // 進む (redo)
  // Rgenkyou, Rkaishu1, Rkaishu2 (0x00BBGGRR); the light-building colour at start.
  int32_t VariantRadioColour[3] = {0xFFFFD0, 0xFFFFD0, 0xFFFFD0};
  int32_t CheckedVariantRadio = 0;  // 0 Rgenkyou, 1 Rkaishu1, 2 Rkaishu2
  int32_t CheckedStoreyRadio = 0;   // 0 R1kai, 1 R2kai, 2 R3kai
  bool R2kaiEnabled = true;
  bool R3kaiEnabled = false;
  int32_t CheckedEditModeRadio = -1;  // EditMode of the checked radio, -1 none
  // Lnflag, right of the caption "柱軸力：": the column axial-force verdict
  // ("OK" or "NG [X..]-[Y..]", UTF-8) and its font colour, written on every
  // recalculation by ComputeColumnNValues.
  char LnflagText[48] = "";
  int32_t LnflagColour = 0;
};

extern MainWindowState MainWindow;

class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  // Show MainWindow and WindowTitle.
  virtual void MainWindowStateChanged() = 0;
  // Show the tool palette of CurrentEditMode and hide the others.
  virtual void ShowModeToolDialog() = 0;
  // Repaint the plan in full (recalculation included) at the next paint.
  virtual void InvalidateSheet() {}
};

void SetMainWindowPort(MainWindowPort* port);
MainWindowPort* GetMainWindowPort();

void RefreshMainWindow();

// Sets the column palette's new-column kind to 管柱 and lets the GUI show
// the palette of the current edit mode.
void ShowModeToolDialog();

// Asks the main window for a full paint of the plan; the input routines call
// it after every change of the model.
void InvalidateSheet();

// Colours the three variant radios by the weight class of their variant.
void ColourVariantRadios();
