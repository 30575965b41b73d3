#pragma once
// The part of the main window that the core keeps up to date: undo and redo
// buttons, variant and storey radios, the variant panel, edit-mode radios, the
// method panel, the snow-case radios and the caption. The core writes
// MainWindow and then calls RefreshMainWindow(); the GUI, through the
// installed port, shows the state (and the eight display boxes from their
// flags in ProjectSettings). Without a port (headless use, tests) only the
// state is kept.
#include <cstdint>

// A caption of the method panel (Panel3).
struct MethodCaptionState {
  char Text[32] = "";       // UTF-8
  int32_t Colour = -1;      // background, 0x00BBGGRR; -1 not written yet (the panel shows through)
  int32_t FontColour = -1;  // 0x00BBGGRR; -1 black
  bool operator==(const MethodCaptionState&) const = default;
};

struct MainWindowState {
  bool BmodoruEnabled = false;  // 戻る (undo)
  bool BsusumuEnabled = false;  // 進む (redo)
  // Rgenkyou, Rkaishu1, Rkaishu2 (0x00BBGGRR); the light-building colour at start.
  int32_t VariantRadioColour[3] = {0xFFFFD0, 0xFFFFD0, 0xFFFFD0};
  int32_t CheckedVariantRadio = 0;  // 0 Rgenkyou, 1 Rkaishu1, 2 Rkaishu2
  // Panel2: colour, name and weight class (two lines) of the current variant (UTF-8).
  int32_t VariantPanelColour = 0xFFFFD0;
  char VariantPanelName[32] = "現　況";
  char VariantPanelLine1[32] = "軽い建物";
  char VariantPanelLine2[32] = "　　　　";
  int32_t CheckedStoreyRadio = 0;  // 0 R1kai, 1 R2kai, 2 R3kai
  bool R2kaiEnabled = true;
  bool R3kaiEnabled = false;
  int32_t CheckedEditModeRadio = -1;  // EditMode of the checked radio, -1 none
  bool RkisoEnabled = true;           // 基礎 (the foundations are entered one by one)
  bool RyukashiyouEnabled = true;     // 屋根床仕様 (the floor types are entered one by one)
  // Panel3, by MethodPanelLabel: Lkaiteiban, Lshindan, Lhouhou, Lhitsuyou, Lban.
  MethodCaptionState MethodCaption[5];
  // Snow case: Rseki0 雪なし時 (0) or Rseki1 積雪時 (1) checked; 積雪時 offered.
  int32_t CheckedSnowRadio = 0;
  bool Rseki1Enabled = true;
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

// Panel2 for CurrentVariant: its weight class's colour, the variant's name and
// the two lines of the weight class. An unknown variant leaves the panel.
void SetVariantPanel();

// R2kai, R3kai and the storey rows of the results panel, enabled by the
// storey count of CurrentVariant; CurrentStorey stays.
void UpdateStoreyControls();

// Shows storey (0..2) on the plan: CurrentStorey, its radio, the click
// sequence cancelled, the tool palette and a full repaint.
void SelectStorey(int32_t storey);

// When CurrentStorey lies above the top storey of CurrentVariant, shows the
// top storey instead, so the plan never stays on a storey the variant lacks.
void KeepStoreyWithinTopStorey();
