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

const int32_t XorColours[XorColourCount] = {
    RgbColour(50, 32, 40),   RgbColour(150, 96, 120), RgbColour(255, 255, 0), RgbColour(0, 255, 255),
    RgbColour(64, 64, 0),    RgbColour(0, 64, 64),    RgbColour(64, 64, 64),  RgbColour(64, 128, 128),
    RgbColour(128, 64, 128), RgbColour(255, 0, 255),
};
