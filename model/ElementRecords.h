#pragma once
// Record types of the twelve plan element kinds. Positions are grid-axis
// indices (0..199), never metres. Field order is the order of the project file.
// Records compare field by field.
#include <cstdint>

struct ColumnRecord {
  int32_t Reserved;
  int32_t X, Y;
  int32_t Type;           // 1 管柱, 2 通し柱(1-2), 3 通し柱(2-3)
  int32_t Hardware;       // JointHardwareTable row 0..29
  int32_t CornerSetting;  // 0 自動, 1 出隅柱, 2 一般柱
  int32_t Species;        // 0 スギ, 1 ヒノキ, 2 ケヤキ
  int32_t SectionX;       // 0..5
  int32_t SectionY;       // 0 same as X, 1..6
  int32_t Deterioration;  // 0 劣化, 1 部分, 2 なし

  bool operator==(const ColumnRecord&) const = default;
};

struct WallRecord {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2;
  int32_t OpeningKind;    // 0 none, 1 window, 2 door, 3 fully open
  int32_t NoStrength;     // 1 = 耐力無
  int32_t FittingSymbol;  // 0..11
  double WingWallStart, WingWallEnd;
  int32_t FlipInOut;
  int32_t FlipLeftRight;
  int32_t BraceKind;                  // 0..10, position in the brace list
  int32_t BraceEndJoint;              // 0 くぎ打, 1 "1.5", 2 "2.0", 3 規定
  int32_t BraceArrangement;           // 0 一方向, 1 たすき掛け
  int32_t MudWallKind;                // MudWallTable row
  int32_t PanelLeft, PanelRight;      // PanelTable rows
  int32_t FurringLeft, FurringRight;  // 0 直張り, 1 胴縁N75, 2 胴縁
  double Height;                      // 0 = storey height
  double BraceHeight;
  double MudWallHeight;                      // 0 = whole wall
  double PanelLeftHeight, PanelRightHeight;  // 0 = full height
  int32_t Deterioration;                     // frame state in bits 0-1, plus 4/8/16/32/64/128
  int32_t WeightClass;                       // 0 軽い, 1 重い, 2 個別
  double Weight;                             // N/m², used with class 2

  bool operator==(const WallRecord&) const = default;
};

struct SpareKind3Record {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2;
  int32_t Param1, Param2;
  double Real1, Real2;

  bool operator==(const SpareKind3Record&) const = default;
};

struct GableWallRecord {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2;
  int32_t WeightClass;  // 0 個別, 1 軽い, 2 重い
  int32_t Shape;        // 0 片流れ, 1 両流れ, 2 ﾊﾟﾗﾍﾟｯﾄ
  double Weight;        // N/m²
  double Slope;         // rise per 1.0 run
  double Height;        // m

  bool operator==(const GableWallRecord&) const = default;
};

struct RoofFloorRectRecord {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2;
  int32_t AreaCode;  // 0..19
  int32_t NotEnclosed;
  double LiveLoad;      // N/m²
  int32_t WeightClass;  // 0 軽い, 1 重い, 2 非常に重い, 3 個別
  double DeadLoad;      // N/m², used with class 3
  double Slope;
  double AddedLoad;  // N/m²

  bool operator==(const RoofFloorRectRecord&) const = default;
};

struct RoofFloorTriangleRecord {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2, X3, Y3;
  int32_t AreaCode;
  int32_t NotEnclosed;
  double LiveLoad;
  int32_t WeightClass;
  double DeadLoad;
  double Slope;
  double AddedLoad;

  bool operator==(const RoofFloorTriangleRecord&) const = default;
};

// SpecCode = FloorSpecTable row + 32 x HorizontalBraceTable row.
struct FloorSpecRectRecord {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2;
  int32_t SpecCode;

  bool operator==(const FloorSpecRectRecord&) const = default;
};

struct FloorSpecTriangleRecord {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2, X3, Y3;
  int32_t SpecCode;

  bool operator==(const FloorSpecTriangleRecord&) const = default;
};

constexpr int TextLabelCapacity = 80;

struct TextLabelRecord {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2;
  char16_t Text[TextLabelCapacity];  // NUL-terminated; '@' vertical, '*' north mark

  bool operator==(const TextLabelRecord&) const = default;
};

struct FoundationRecord {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2;
  int32_t Type;  // 0 基礎Ⅰ, 1 基礎Ⅱ, 2 基礎Ⅲ

  bool operator==(const FoundationRecord&) const = default;
};

struct FreeLineRecord {
  int32_t Reserved;
  int32_t X1, Y1, X2, Y2;
  double OffsetX1, OffsetY1;  // m; OffsetY is stored with the sign opposite to the palette
  double OffsetX2, OffsetY2;
  int32_t Style;   // 0..5
  int32_t Colour;  // 0x00BBGGRR

  bool operator==(const FreeLineRecord&) const = default;
};

// The only record without a Reserved field.
struct SpareKind12Record {
  int32_t X1, Y1, X2, Y2;
  int32_t Param;

  bool operator==(const SpareKind12Record&) const = default;
};
