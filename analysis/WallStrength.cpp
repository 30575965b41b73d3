#include "analysis/WallStrength.h"

#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

// Symbol, strength, stiffness, wall factor, diagnosis-only, name.
const ElementSpecRow BraceCompressionTable[BraceTableRows] = {
    {u"  ", 0.0, 0.0, 0.0, 0, u"無し"},      {u"??", 0.0, 0.0, 0.0, 0, u"不明"},
    {u"BT", 0.0, 0.0, 0.0, 0, u"9mmφ"},      {u"B1", 1.7, 320.0, 1.0, 1, u"15x90"},
    {u"B2", 2.9, 510.0, 1.5, 0, u"30x90"},   {u"B2", 2.32, 408.0, 1.5, 1, u"30x90くぎ打ち"},
    {u"B3", 3.7, 670.0, 2.0, 0, u"45x90"},   {u"B3", 2.96, 536.0, 2.0, 1, u"45x90くぎ打ち"},
    {u"B4", 6.9, 1010.0, 3.0, 0, u"90x90"},  {u"Ba", 0.0, 0.0, 0.0, 0, u"その他1"},
    {u"Bb", 0.0, 0.0, 0.0, 0, u"その他2"},   {u"B5", 1.3, 220.0, 0.0, 0, u"方杖添柱"},
    {u"B5", 0.7, 70.0, 0.0, 1, u"方杖添無"},
};

const ElementSpecRow BraceTensionTable[BraceTableRows] = {
    {u"  ", 0.0, 0.0, 0.0, 0, u"無し"},      {u"??", 0.0, 0.0, 0.0, 0, u"不明"},
    {u"BT", 3.1, 430.0, 1.0, 0, u"9mmφ"},    {u"B1", 1.3, 320.0, 1.0, 1, u"15x90"},
    {u"B2", 1.8, 450.0, 1.5, 0, u"30x90"},   {u"B2", 1.44, 360.0, 1.5, 1, u"30x90くぎ打ち"},
    {u"B3", 2.6, 640.0, 2.0, 0, u"45x90"},   {u"B3", 2.08, 512.0, 2.0, 1, u"45x90くぎ打ち"},
    {u"B4", 2.7, 640.0, 3.0, 0, u"90x90"},   {u"Ba", 0.0, 0.0, 0.0, 0, u"その他1"},
    {u"Bb", 0.0, 0.0, 0.0, 0, u"その他2"},   {u"B5", 1.3, 220.0, 0.0, 0, u"方杖添柱"},
    {u"B5", 0.7, 70.0, 0.0, 1, u"方杖添無"},
};

const double BraceDeteriorationFactors[PartStateCount] = {1.0, 0.5, 0.0};
const double PanelDeteriorationFactors[PartStateCount] = {1.0, 0.8, 0.5};

namespace {

enum class Column { Strength, Stiffness, WallFactor };

// Braces count only above this length, mud walls and panels above the other.
constexpr double MinBraceLength = 0.89999;
constexpr double MinPanelLength = 0.59999;

constexpr int32_t RowUnknown = 1;  // "不明" in every wall-element table

// Rows of ElementSpecRow and PanelSpecRow alike.
template <class Row>
double ValueOf(const Row& row, Column column) {
  switch (column) {
    case Column::Strength:
      return row.Strength;
    case Column::Stiffness:
      return row.Stiffness;
    case Column::WallFactor:
      return row.WallFactor;
  }
  return 0.0;
}

// State 0..2 of the two bits at `shift`; state 3 has no factor of its own and
// counts as deteriorated.
int PartState(int32_t bits, int shift) {
  const unsigned state = (static_cast<uint32_t>(bits) >> shift) & 3u;
  return state > 2u ? 2 : static_cast<int>(state);
}

double StoreyHeightOf(int32_t storey) {
  if (storey < 0 || storey >= StoreyCount || CurrentVariant < 0 || CurrentVariant >= VariantCount) return 0.0;
  return ProjectSettings.StoreyHeight[CurrentVariant][storey];
}

double WallHeightOf(const WallElementArgs& a) {
  return a.Height != 0.0 ? a.Height : StoreyHeightOf(a.Storey);
}

// An element of partial height: below 70 % of the wall it counts nothing,
// otherwise in proportion and by a further 0.9. A full-height element entered
// with its height equal to the wall's therefore gets 0.9, unlike height 0.
double ReduceByHeight(double value, double elementHeight, double wallHeight) {
  if (elementHeight == 0.0 || wallHeight == 0.0) return value;
  const double r = MinDouble(elementHeight / wallHeight, 1.0);
  return r < 0.7 ? 0.0 : value * r * 0.9;
}

// The brace row and multiplier for a kind and end joint; row -1 for none.
// The wall factor ignores the joint multipliers and the knee-brace division.
struct BraceRowChoice {
  int row;
  double multiplier;
  bool perLength;
};

BraceRowChoice ChooseBraceRow(int32_t kind, int32_t joint, Column column) {
  static constexpr double kJoint90x90[4] = {0.7, 0.8, 0.9, 1.0};
  if (joint < 0 || joint > 3) return {-1, 0.0, false};
  const bool wallFactor = column == Column::WallFactor;
  switch (kind) {
    case 2:
      return {2, 1.0, false};
    case 3:
      return {3, 1.0, false};
    case 4:
      return {joint == 0 ? 5 : 4, 1.0, false};
    case 5:
      if (joint == 0) return {7, 1.0, false};
      return {6, (!wallFactor && joint == 1) ? 0.8 : 1.0, false};
    case 6:
      return {8, wallFactor ? 1.0 : kJoint90x90[joint], false};
    case 7:
      return {9, 1.0, false};
    case 8:
      return {10, 1.0, false};
    case 9:
      return {11, 1.0, !wallFactor};
    case 10:
      return {12, 1.0, !wallFactor};
    default:
      return {-1, 0.0, false};  // 0 無し, 1 不明, or unknown
  }
}

const ElementSpecRow* BraceTableFor(const WallElementArgs& a) {
  if (a.BraceArrangement == 1) return BraceTable;
  if (a.TableSelector == BraceTableCompression) return BraceCompressionTable;
  if (a.TableSelector == BraceTableTension) return BraceTensionTable;
  return BraceTable;
}

double BraceValue(const WallElementArgs& a, Column column) {
  // Tested first: a brace on a short wall counts nothing, and a knee brace on
  // a wall of length 0 is then never divided by its length.
  if (!(a.Length > MinBraceLength)) return 0.0;
  const BraceRowChoice choice = ChooseBraceRow(a.BraceKind, a.BraceEndJoint, column);
  if (choice.row < 0) return 0.0;
  double b;
  if (column == Column::WallFactor) {
    b = BraceWallFactor(choice.row, a.BraceArrangement);
  } else {
    b = ValueOf(BraceTableFor(a)[choice.row], column) * choice.multiplier;
    if (choice.perLength) b /= a.Length;
    if (a.BraceArrangement == 1) b *= 2.0;
  }
  const double braceHeight = a.BraceHeight != 0.0 ? a.BraceHeight : WallHeightOf(a);
  if (braceHeight != 0.0) {
    const double q = 3.5 * a.Length / braceHeight;
    if (q < 1.0) b *= q;
  }
  if (ProjectSettings.Revision == Revision2025)
    b *= BraceDeteriorationFactors[PartState(a.DeteriorationBits, 2)];
  return b;
}

double MudWallValue(const WallElementArgs& a, Column column) {
  if (!(a.Length > MinPanelLength)) return 0.0;
  if (a.MudWallKind < 0 || a.MudWallKind >= MudWallTableRows) return 0.0;
  double m = ValueOf(MudWallTable[a.MudWallKind], column);
  m = ReduceByHeight(m, a.MudWallHeight, WallHeightOf(a));
  if (ProjectSettings.Revision == Revision2025)
    m *= BraceDeteriorationFactors[PartState(a.DeteriorationBits, 2)];
  return m;
}

double ReduceByFurring(double p, int32_t furring, Column column) {
  if (column == Column::Stiffness) {
    if (furring == 1) return p * 800.0 / (p + 800.0);
    if (furring == 2) return p * 500.0 / (p + 500.0);
    return p;
  }
  if (furring == 1) {
    if (p > 4.0) return 3.0;
    if (p > 2.0) return p * (1.25 - p / 8.0);
  } else if (furring == 2) {
    return p > 2.0 ? 1.5 : p * 0.75;
  }
  return p;
}

struct PanelSide {
  int32_t kind;
  int32_t furring;
  double height;
  int32_t joined;
  int stateShift;
};

double PanelValue(const WallElementArgs& a, const PanelSide& side, Column column) {
  if (side.kind < 0 || side.kind >= PanelTableRows) return 0.0;
  double p = ValueOf(PanelTable[side.kind], column);
  // The stiffness column is read only in the precise methods, where this rule has no place.
  if (column != Column::Stiffness && ProjectSettings.DiagnosisMethod == DiagnosisVerification &&
      side.kind == RowUnknown)
    p = 1.0;
  p = ReduceByFurring(p, side.furring, column);
  const double wallHeight = WallHeightOf(a);
  p = ReduceByHeight(p, side.height, wallHeight);
  // As the method states it, the test is on the wall height, not the panel height.
  if (a.PartialPanelRule == 1 && side.height != 0.0 && wallHeight != 0.0)
    p = wallHeight < 0.36 ? 0.0 : p * 0.6 * side.height / wallHeight;
  if (ProjectSettings.Revision == Revision2025)
    p *= PanelDeteriorationFactors[PartState(a.DeteriorationBits, side.stateShift)];
  const bool counts = a.Length > MinPanelLength || (column != Column::WallFactor && side.joined != 0);
  return counts ? p : 0.0;
}

PanelSide LeftPanel(const WallElementArgs& a) {
  return {a.PanelLeft, a.FurringLeft, a.PanelLeftHeight, a.LeftPanelJoined, 4};
}
PanelSide RightPanel(const WallElementArgs& a) {
  return {a.PanelRight, a.FurringRight, a.PanelRightHeight, a.RightPanelJoined, 6};
}

double SumOfElements(const WallElementArgs& a, Column column) {
  return BraceValue(a, column) + MudWallValue(a, column) + PanelValue(a, LeftPanel(a), column) +
         PanelValue(a, RightPanel(a), column);
}

bool AllElementsUnknown(const WallElementArgs& a) {
  return a.BraceKind == RowUnknown && a.MudWallKind == RowUnknown && a.PanelLeft == RowUnknown &&
         a.PanelRight == RowUnknown;
}

}  // namespace

WallElementArgs WallElementArgsOf(const WallRecord& wall, double length, int32_t tableSelector,
                                  int32_t storey, int32_t leftPanelJoined, int32_t rightPanelJoined,
                                  int32_t deteriorationBits, int32_t partialPanelRule) {
  WallElementArgs a{};
  a.OpeningKind = wall.OpeningKind;
  a.NoStrength = wall.NoStrength;
  a.BraceKind = wall.BraceKind;
  a.BraceEndJoint = wall.BraceEndJoint;
  a.BraceArrangement = wall.BraceArrangement;
  a.MudWallKind = wall.MudWallKind;
  a.PanelLeft = wall.PanelLeft;
  a.PanelRight = wall.PanelRight;
  a.FurringLeft = wall.FurringLeft;
  a.FurringRight = wall.FurringRight;
  a.Height = wall.Height;
  a.BraceHeight = wall.BraceHeight;
  a.MudWallHeight = wall.MudWallHeight;
  a.PanelLeftHeight = wall.PanelLeftHeight;
  a.PanelRightHeight = wall.PanelRightHeight;
  a.Length = length;
  a.TableSelector = tableSelector;
  a.Storey = storey;
  a.LeftPanelJoined = leftPanelJoined;
  a.RightPanelJoined = rightPanelJoined;
  a.DeteriorationBits = deteriorationBits;
  a.PartialPanelRule = partialPanelRule;
  return a;
}

int32_t BraceTableRowOf(int32_t braceKind, int32_t braceEndJoint) {
  return ChooseBraceRow(braceKind, braceEndJoint, Column::Strength).row;
}

double BraceWallFactor(int32_t row, int32_t braceArrangement) {
  if (row < 0 || row >= BraceTableRows) return 0.0;
  const double oneWay = BraceTable[row].WallFactor;
  if (braceArrangement != 1) return oneWay;
  const double crossed = 2.0 * oneWay;
  return row == Brace90x90Row ? MinDouble(crossed, Crossed90x90WallFactor) : crossed;
}

double CalcWallStrength(const WallElementArgs& a) {
  double s = SumOfElements(a, Column::Strength);
  const int32_t method = ProjectSettings.DiagnosisMethod;
  // The general method rates a wall whose every element is unknown at 2.0 kN/m.
  if (method == DiagnosisGeneral && AllElementsUnknown(a) && a.Length > MinPanelLength) s = 2.0;
  if ((method == DiagnosisGeneral || method == DiagnosisVerification) && s > 10.0) s = 10.0;
  if ((method == DiagnosisPrecise2 || method == DiagnosisPrecise1) && s > 14.0) s = 14.0;
  return s;
}

double CalcWallStiffness(const WallElementArgs& a) {
  const int32_t method = ProjectSettings.DiagnosisMethod;
  if (method == DiagnosisGeneral && AllElementsUnknown(a)) return 2.0;  // whatever the length
  if (method == DiagnosisGeneral || method == DiagnosisVerification) return CalcWallStrength(a);
  return SumOfElements(a, Column::Stiffness);
}

double CalcWallFactor(const WallElementArgs& a) {
  double f = BraceValue(a, Column::WallFactor);
  if (a.OpeningKind == 0) {
    f += MudWallValue(a, Column::WallFactor) + PanelValue(a, LeftPanel(a), Column::WallFactor) +
         PanelValue(a, RightPanel(a), Column::WallFactor);
  }
  return f;
}
