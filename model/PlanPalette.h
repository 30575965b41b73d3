#pragma once
// Colour tables shared by the main window, the plan and the report.
// Colours are 0x00BBGGRR.
#include <cstdint>

constexpr int32_t RgbColour(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// By building weight class: variant radios, labels and panel.
extern const int32_t WeightClassColours[7];

// Entry 0 no demand, entries 1..10 rising classes.
extern const int32_t ClassColourScale[11];
// The class above entry 10 on the printed plan.
extern const int32_t ClassColourOverflow;

// Score classes (ClassifyScore) 0 blue, 1 green, 2 olive, 3 red: bright for
// the storey being shown, dim for the others.
extern const int32_t ScoreClassColours[4];
extern const int32_t DimScoreClassColours[4];
// Eccentricity classes (ClassifyEccentricity) 0 green, 1 olive, 2 red.
extern const int32_t EccentricityClassColours[3];
extern const int32_t DimEccentricityClassColours[3];

// Fixed colours of the main window's result labels.
constexpr int32_t ColourBlack = 0x000000;
constexpr int32_t ColourRed = 0x0000FF;
constexpr int32_t ColourLime = 0x00FF00;
constexpr int32_t ColourYellow = 0x00FFFF;
// The system colour of button faces: a system-colour index, not an RGB value;
// the GUI shows it in the palette's button colour.
constexpr int32_t ColourButtonFace = static_cast<int32_t>(0xFF00000Fu);

// Dotted grid lines by axis kind (GridAxisKindX / GridAxisKindY 0, 1, 2).
extern const int32_t GridLineColours[3];

// GridLineColours entry of an axis kind; an unknown kind takes the main-axis colour.
int32_t GridLineColour(int32_t axisKind);

// Axis balloons and spacing dimensions outside the model.
enum AxisLabelColourIndex : int32_t {
  AxisLabelPen = 0,      // ticks, balloon outlines, dimension lines
  AxisLabelDotFill = 1,  // the dots of the dimension chains
  AxisLabelBack = 2,     // balloon fill and the cells behind the spacing texts
};
extern const int32_t AxisLabelColours[3];

// AxisLabelColours entry; an unknown index takes the pen colour.
int32_t AxisLabelColour(int32_t index);

// WeightClassColours entry of a weight class; an unknown class takes the light one.
int32_t WeightClassColour(int32_t weightClass);

// The entry `index` of a colour table, or `fallback` when the index lies outside it.
template <int N>
constexpr int32_t ColourAt(const int32_t (&table)[N], int32_t index, int32_t fallback) {
  return index >= 0 && index < N ? table[index] : fallback;
}
template <int N>
constexpr bool HasColour(const int32_t (&)[N], int32_t index) {
  return index >= 0 && index < N;
}

// Brush behind plan labels.
extern const int32_t LabelBackColour;
// Dotted editing guides of text labels and free lines.
extern const int32_t EditGuideColour;

// Centres overlay.
enum CentreMarkColourIndex : int32_t {
  CentreMarkRigidity = 0,       // centre of rigidity, storey loading case 0
  CentreMarkRigiditySnow = 1,   // the same in the snow case
  CentreMarkRigidityCase1 = 2,  // entries 2..5: storey loading cases 1..4
  CentreMarkGravity = 6,
};
extern const int32_t CentreMarkColours[7];

// Column marks.
// [0] outline of a section-class-0 column and of the inner square of an
// outer-corner column; [1]..[5] outline by section class; [6] breakage halo.
constexpr int32_t ColumnMarkBreakageHalo = 6;
extern const int32_t ColumnMarkColours[7];
extern const int32_t ThroughColumnRingColour;
extern const int32_t AreaColumnCrossColour;
extern const int32_t CornerColumnColour;
extern const int32_t OtherStoreyColumnColour;
// Six groups of three, each by deterioration 0 劣化, 1 部分, 2 なし.
extern const int32_t DeteriorationColours[18];
// Column fill by JointHardwareTable row.
extern const int32_t ColumnHardwareColours[30];

// Foundation bands on the screen by FoundationRecord.Type (on the printed
// plan: the foundation band of a wall by its foundation class).
extern const int32_t FoundationTypeColours[3];
// Foundation bands of the printed plan by FoundationRecord.Type.
extern const int32_t FoundationRecordColours[3];
// Gable wall bands by GableWallRecord.Shape.
extern const int32_t GableShapeColours[3];

// Walls.
// Other-storey walls by strength class 0..5 (class 0 also their plain lines).
constexpr int32_t WallClassCount = 6;
extern const int32_t WallClassColours[WallClassCount];
// A wall's lines by OpeningKind + 4 x (partition: WallType 8 or more) + 8 x NoStrength.
extern const int32_t WallLineColours[16];
// The marks of a wall's fitting symbol by WallType.
extern const int32_t WallTypeColours[16];
// Brace marks; the entry of a brace comes from BraceColourIndex.
extern const int32_t BraceColours[11];
// The BraceColours entry by BraceKind (rows 0..10) and BraceEndJoint (0..3).
extern const int32_t BraceColourIndex[11][4];
// The BraceColours colour of a brace; kinds and joints off the table take entry 0.
int32_t BraceColourOf(int32_t braceKind, int32_t braceEndJoint);
extern const int32_t MudWallColour;
// Panel lines by PanelTable row 0..44 (row 44, the last user row, grey like rows 34..43).
extern const int32_t PanelColours[45];
// Brush behind the side-zone ratio texts; also the first area-edge colour.
extern const int32_t SideZoneTextColour;
// Side-zone strips by the opening kind 0 無開口, 1 窓, 2 戸, 3 全開口 of the
// outermost walls; also area-edge colours 1..4.
extern const int32_t OpeningKindColours[4];

// Roof/floor areas by AreaCode 0..19: outline (in the roof/floor edit mode)
// and fill. The cantilevered balconies 18 and 19 take the colours of 17.
extern const int32_t AreaKindPenColours[20];
extern const int32_t AreaKindBrushColours[20];
// Floor-specification areas: hatch by FloorSpecTable row, outline by
// HorizontalBraceTable row.
extern const int32_t FloorSpecColours[22];
extern const int32_t HorizontalBraceColours[15];
// Horizontal-member force classes 0..5.
extern const int32_t MemberForceColours[6];
// XOR pen and brush of the hover highlights and rubber bands: [0] grid
// intervals, [1] grid axes (delete mode), [2] columns, [3] walls, [4] roof and
// floor areas, [5] floor specifications, [6] text labels, [7] foundations,
// [8] free lines, [9] gable walls.
constexpr int XorColourCount = 10;
extern const int32_t XorColours[XorColourCount];
