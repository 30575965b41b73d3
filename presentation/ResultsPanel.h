#pragma once
// The results panel beside the plan: the group boxes 計算結果 and 壁量計算 of
// the main window. The recalculation chain fills ResultsPanel right after
// EvaluateSuperstructure from the results of CurrentVariant on every full
// paint; the main window shows it after the paint. The evaluation only
// computes the values; the texts and colours are worked out here. Each member is named after the label it
// feeds.
//
//  - Lqflag, Lqflag2..4: floor diaphragm verdict of the house and of storeys
//    1 to 3; Pkoumen: rigid (剛床) or flexible (柔床) floor of CurrentStorey;
//  - L1hyox..L3hyoy: shown scores, L1henx..L3heny: eccentricity ratios,
//    Label4, Label12, Label19: caption of each storey's eccentricity row;
//  - Ljuusokux1..3, Ljuusokuy1..3: sufficiency ratios; Lshibunok: the
//    quarter-division verdict of JudgeWallQuantity, as the report judges it.
#include <cstddef>
#include <cstdint>
#include <string>

// A colour the panel does not set: the label keeps the form's own.
constexpr int32_t FormColour = 0x20000000;

struct PanelLabel {
  std::string Caption;              // UTF-8
  int32_t FontColour = FormColour;  // 0x00BBGGRR
  int32_t Colour = FormColour;      // background, 0x00BBGGRR or ColourButtonFace
};

struct ResultsPanelState {
  PanelLabel Pkoumen;
  PanelLabel Lqflag, Lqflag2, Lqflag3, Lqflag4;
  PanelLabel L1hyox, L1hyoy, L2hyox, L2hyoy, L3hyox, L3hyoy;
  PanelLabel L1henx, L1heny, L2henx, L2heny, L3henx, L3heny;
  PanelLabel Label4, Label12, Label19;
  PanelLabel Ljuusokux1, Ljuusokux2, Ljuusokux3;
  PanelLabel Ljuusokuy1, Ljuusokuy2, Ljuusokuy3;
  PanelLabel Lshibunok;
};
extern ResultsPanelState ResultsPanel;

// Every label of the panel with its component name, for the GUI.
struct PanelLabelEntry {
  const char* Name;
  PanelLabel ResultsPanelState::*Label;
};
constexpr std::size_t PanelLabelCount = 27;
extern const PanelLabelEntry PanelLabels[PanelLabelCount];

// Eccentricity class: 2 above 0.3, 1 above 0.15, otherwise 0. A ratio that is
// not a number is class 2, never the best one.
int32_t ClassifyEccentricity(double ratio);

// Rewrites every caption and colour that the panel sets. Reads FloorCheckOk
// and FloorCheckRatio, ShownScores or SnowShownScores (by
// ProjectSettings.SnowCase), EccentricityRatioX/Y (or their snow twins), the
// wall-quantity ratios and required lengths, CurrentVariant, CurrentStorey, and
// ProjectSettings.BalanceMethod, DistinguishBraceDirection and TopStorey.
void FillResultsPanel();

// The label Lnflag right of "柱軸力：" (MainWindow.LnflagText, LnflagColour):
// "NG [X..]-[Y..]" in red at the first column of AxialForceNgPosition of
// CurrentVariant from the top storey down, else "OK" in black; an invalid
// CurrentVariant leaves it. The chain runs it after ComputeColumnNValues.
void ShowColumnVerdict();
