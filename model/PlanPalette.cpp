#include "model/PlanPalette.h"

const int32_t WeightClassColours[7] = {
    RgbColour(208, 255, 255), RgbColour(208, 255, 208), RgbColour(255, 208, 208), RgbColour(208, 255, 255),
    RgbColour(170, 208, 208), RgbColour(208, 255, 208), RgbColour(170, 208, 170),
};

const int32_t ClassColourScale[11] = {
    0xffffff, 0xf6cf6d, 0x9cca82, 0x99ffce, 0x00f2ff, 0x85d3fe,
    0x568ef6, 0xc19af4, 0x8c00ec, 0x241ced, 0xff1c80,
};

const int32_t ScoreClassColours[4] = {0xB70000, 0x00B700, 0x00A5B7, 0x0000B7};
const int32_t DimScoreClassColours[4] = {0x6C4A4A, 0x4A6C4A, 0x4D676A, 0x4D4D6A};
const int32_t EccentricityClassColours[3] = {0x00B700, 0x00A5B7, 0x0000B7};
const int32_t DimEccentricityClassColours[3] = {0x4A6C4A, 0x4D676A, 0x4D4D6A};

const int32_t ClassColourOverflow = RgbColour(150, 150, 150);

const int32_t GridLineColours[3] = {
    RgbColour(128, 128, 192),
    RgbColour(128, 192, 192),
    RgbColour(230, 230, 230),
};

int32_t GridLineColour(int32_t axisKind) {
  return axisKind >= 0 && axisKind < 3 ? GridLineColours[axisKind] : GridLineColours[0];
}

const int32_t AxisLabelColours[3] = {
    RgbColour(32, 32, 32),
    RgbColour(0, 0, 0),
    RgbColour(255, 255, 255),
};

int32_t AxisLabelColour(int32_t index) {
  return index >= 0 && index < 3 ? AxisLabelColours[index] : AxisLabelColours[AxisLabelPen];
}

int32_t WeightClassColour(int32_t weightClass) {
  return weightClass >= 0 && weightClass < 7 ? WeightClassColours[weightClass] : WeightClassColours[0];
}

const int32_t LabelBackColour = RgbColour(255, 255, 255);
const int32_t EditGuideColour = RgbColour(255, 0, 192);

const int32_t CentreMarkColours[7] = {
    RgbColour(0, 0, 255), RgbColour(0, 128, 255), RgbColour(150, 0, 150), RgbColour(150, 150, 0),
    RgbColour(0, 0, 150), RgbColour(0, 150, 0),   RgbColour(255, 0, 0),
};

const int32_t ColumnMarkColours[7] = {
    RgbColour(0, 0, 0),     RgbColour(10, 10, 156), RgbColour(83, 10, 156),   RgbColour(156, 10, 156),
    RgbColour(156, 10, 83), RgbColour(156, 10, 10), RgbColour(150, 150, 150),
};

const int32_t ThroughColumnRingColour = RgbColour(0, 0, 0);
const int32_t AreaColumnCrossColour = RgbColour(0, 0, 0);
const int32_t CornerColumnColour = RgbColour(255, 128, 255);
const int32_t OtherStoreyColumnColour = RgbColour(224, 224, 224);

const int32_t DeteriorationColours[18] = {
    RgbColour(255, 64, 64), RgbColour(255, 255, 64), RgbColour(230, 255, 255),  //
    RgbColour(255, 0, 0),   RgbColour(255, 255, 0),  RgbColour(64, 255, 255),   //
    RgbColour(255, 0, 0),   RgbColour(255, 255, 0),  RgbColour(106, 255, 181),  //
    RgbColour(255, 0, 0),   RgbColour(255, 255, 0),  RgbColour(155, 155, 255),  //
    RgbColour(255, 0, 0),   RgbColour(255, 255, 0),  RgbColour(228, 104, 255),  //
    RgbColour(255, 0, 0),   RgbColour(255, 255, 0),  RgbColour(255, 188, 155),
};

const int32_t ColumnHardwareColours[30] = {
    RgbColour(246, 180, 180), RgbColour(255, 218, 40),  RgbColour(109, 207, 246), RgbColour(81, 251, 106),
    RgbColour(255, 104, 104), RgbColour(255, 187, 104), RgbColour(240, 255, 104), RgbColour(157, 255, 104),
    RgbColour(104, 255, 134), RgbColour(104, 255, 218), RgbColour(104, 209, 255), RgbColour(104, 126, 255),
    RgbColour(165, 104, 255), RgbColour(248, 104, 255), RgbColour(255, 104, 180), RgbColour(192, 192, 192),
    RgbColour(192, 192, 192), RgbColour(192, 192, 192), RgbColour(192, 192, 192), RgbColour(192, 192, 192),
    RgbColour(192, 192, 192), RgbColour(192, 192, 192), RgbColour(192, 192, 192), RgbColour(192, 192, 192),
    RgbColour(192, 192, 192), RgbColour(192, 192, 192), RgbColour(192, 192, 192), RgbColour(192, 192, 192),
    RgbColour(192, 192, 192), RgbColour(192, 192, 192),
};

const int32_t FoundationTypeColours[3] = {
    RgbColour(160, 160, 160),
    RgbColour(192, 192, 192),
    RgbColour(224, 224, 224),
};

const int32_t FoundationRecordColours[3] = {
    RgbColour(160, 128, 128),
    RgbColour(192, 160, 160),
    RgbColour(224, 192, 192),
};

const int32_t GableShapeColours[3] = {
    RgbColour(192, 192, 160),
    RgbColour(192, 160, 160),
    RgbColour(192, 160, 192),
};

const int32_t WallClassColours[WallClassCount] = {
    RgbColour(224, 224, 224), RgbColour(197, 226, 231), RgbColour(197, 231, 214),
    RgbColour(222, 231, 197), RgbColour(231, 218, 197), RgbColour(231, 197, 197),
};

const int32_t WallLineColours[16] = {
    RgbColour(0, 0, 0),  RgbColour(0, 16, 64), RgbColour(0, 32, 128), RgbColour(181, 184, 200),
    RgbColour(43, 0, 0), RgbColour(64, 0, 0),  RgbColour(85, 0, 0),   RgbColour(200, 180, 180),
    RgbColour(0, 0, 0),  RgbColour(0, 16, 64), RgbColour(0, 32, 128), RgbColour(181, 184, 200),
    RgbColour(43, 0, 0), RgbColour(64, 0, 0),  RgbColour(85, 0, 0),   RgbColour(200, 180, 180),
};

const int32_t WallTypeColours[16] = {
    RgbColour(43, 0, 85), RgbColour(43, 0, 85), RgbColour(43, 0, 85), RgbColour(43, 0, 85),
    RgbColour(43, 0, 85), RgbColour(43, 0, 85), RgbColour(43, 0, 85), RgbColour(43, 0, 85),
    RgbColour(85, 64, 0), RgbColour(85, 64, 0), RgbColour(85, 64, 0), RgbColour(85, 64, 0),
    RgbColour(85, 64, 0), RgbColour(85, 64, 0), RgbColour(85, 64, 0), RgbColour(85, 64, 0),
};

const int32_t BraceColours[11] = {
    RgbColour(192, 192, 192), RgbColour(143, 227, 60),  RgbColour(227, 186, 60), RgbColour(244, 228, 181),
    RgbColour(227, 60, 60),   RgbColour(244, 181, 181), RgbColour(227, 60, 227), RgbColour(244, 181, 244),
    RgbColour(0, 128, 255),   RgbColour(159, 0, 159),   RgbColour(227, 60, 227),
};

const int32_t BraceColourIndex[11][4] = {
    {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 1, 1},     {3, 2, 2, 2},     {5, 5, 4, 4},
    {7, 7, 7, 6}, {8, 8, 8, 8}, {9, 9, 9, 9}, {10, 10, 10, 10}, {10, 10, 10, 10},
};

int32_t BraceColourOf(int32_t braceKind, int32_t braceEndJoint) {
  if (braceKind < 0 || braceKind >= 11 || braceEndJoint < 0 || braceEndJoint >= 4) return BraceColours[0];
  return BraceColours[BraceColourIndex[braceKind][braceEndJoint]];
}

const int32_t MudWallColour = RgbColour(117, 76, 36);

const int32_t PanelColours[45] = {
    RgbColour(255, 255, 255), RgbColour(240, 200, 240), RgbColour(0, 128, 244),   RgbColour(237, 28, 36),
    RgbColour(242, 160, 34),  RgbColour(0, 128, 128),   RgbColour(0, 128, 64),    RgbColour(64, 128, 128),
    RgbColour(128, 128, 255), RgbColour(128, 0, 255),   RgbColour(128, 0, 128),   RgbColour(128, 128, 0),
    RgbColour(128, 64, 0),    RgbColour(158, 11, 14),   RgbColour(246, 150, 121), RgbColour(171, 160, 0),
    RgbColour(171, 160, 0),   RgbColour(237, 28, 36),   RgbColour(237, 28, 36),   RgbColour(242, 160, 34),
    RgbColour(255, 128, 0),   RgbColour(171, 160, 0),   RgbColour(0, 128, 244),   RgbColour(171, 160, 0),
    RgbColour(166, 124, 82),  RgbColour(247, 149, 154), RgbColour(249, 208, 149), RgbColour(171, 160, 0),
    RgbColour(171, 160, 0),   RgbColour(171, 160, 0),   RgbColour(171, 160, 0),   RgbColour(171, 160, 0),
    RgbColour(166, 124, 82),  RgbColour(166, 124, 82),  RgbColour(128, 128, 128), RgbColour(128, 128, 128),
    RgbColour(128, 128, 128), RgbColour(128, 128, 128), RgbColour(128, 128, 128), RgbColour(128, 128, 128),
    RgbColour(128, 128, 128), RgbColour(128, 128, 128), RgbColour(128, 128, 128), RgbColour(128, 128, 128),
    RgbColour(128, 128, 128),
};

const int32_t SideZoneTextColour = RgbColour(210, 162, 236);

const int32_t OpeningKindColours[4] = {
    RgbColour(236, 181, 162),
    RgbColour(162, 199, 236),
    RgbColour(236, 236, 162),
    RgbColour(162, 236, 181),
};

const int32_t AreaKindPenColours[20] = {
    RgbColour(180, 195, 180), RgbColour(180, 195, 195), RgbColour(180, 180, 180), RgbColour(195, 180, 180),
    RgbColour(195, 170, 170), RgbColour(170, 170, 170), RgbColour(255, 0, 0),     RgbColour(255, 128, 0),
    RgbColour(195, 160, 160), RgbColour(195, 150, 150), RgbColour(195, 180, 180), RgbColour(195, 170, 170),
    RgbColour(195, 160, 160), RgbColour(195, 150, 150), RgbColour(170, 195, 170), RgbColour(160, 195, 160),
    RgbColour(150, 195, 150), RgbColour(255, 0, 0),     RgbColour(255, 0, 0),     RgbColour(255, 0, 0),
};

const int32_t AreaKindBrushColours[20] = {
    RgbColour(240, 255, 240), RgbColour(240, 255, 255), RgbColour(240, 240, 240), RgbColour(255, 240, 240),
    RgbColour(255, 230, 230), RgbColour(220, 220, 220), RgbColour(255, 255, 255), RgbColour(255, 255, 255),
    RgbColour(255, 210, 210), RgbColour(255, 200, 200), RgbColour(255, 230, 230), RgbColour(255, 220, 220),
    RgbColour(255, 210, 210), RgbColour(255, 200, 200), RgbColour(220, 255, 220), RgbColour(210, 255, 210),
    RgbColour(200, 255, 200), RgbColour(255, 255, 255), RgbColour(255, 255, 255), RgbColour(255, 255, 255),
};

const int32_t FloorSpecColours[22] = {
    RgbColour(240, 240, 240), RgbColour(255, 0, 128),   RgbColour(255, 85, 170),  RgbColour(255, 141, 198),
    RgbColour(255, 0, 255),   RgbColour(255, 85, 255),  RgbColour(255, 153, 255), RgbColour(255, 128, 0),
    RgbColour(255, 195, 136), RgbColour(0, 128, 64),    RgbColour(85, 170, 127),  RgbColour(141, 198, 169),
    RgbColour(179, 217, 197), RgbColour(128, 0, 0),     RgbColour(195, 136, 136), RgbColour(128, 128, 0),
    RgbColour(195, 195, 136), RgbColour(200, 200, 200), RgbColour(200, 200, 200), RgbColour(200, 200, 200),
    RgbColour(200, 200, 200), RgbColour(200, 200, 200),
};

const int32_t HorizontalBraceColours[15] = {
    RgbColour(210, 210, 210), RgbColour(255, 0, 0),     RgbColour(255, 100, 100), RgbColour(255, 150, 150),
    RgbColour(0, 255, 0),     RgbColour(100, 255, 100), RgbColour(150, 255, 150), RgbColour(0, 0, 255),
    RgbColour(100, 100, 255), RgbColour(150, 150, 255), RgbColour(100, 100, 100), RgbColour(100, 100, 100),
    RgbColour(100, 100, 100), RgbColour(100, 100, 100), RgbColour(100, 100, 100),
};

const int32_t MemberForceColours[6] = {RgbColour(74, 181, 181), RgbColour(74, 181, 74),
                                       RgbColour(181, 181, 74), RgbColour(181, 131, 74),
                                       RgbColour(181, 74, 74),  RgbColour(181, 181, 181)};
const int32_t XorColours[XorColourCount] = {
    RgbColour(50, 32, 40),   RgbColour(150, 96, 120), RgbColour(255, 255, 0), RgbColour(0, 255, 255),
    RgbColour(64, 64, 0),    RgbColour(0, 64, 64),    RgbColour(64, 64, 64),  RgbColour(64, 128, 128),
    RgbColour(128, 64, 128), RgbColour(255, 0, 255),
};
