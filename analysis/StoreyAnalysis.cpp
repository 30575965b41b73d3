#include "analysis/StoreyAnalysis.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "analysis/ColumnStrengths.h"
#include "analysis/GridPointMap.h"
#include "analysis/RecalcStructureSteps.h"
#include "analysis/ReductionFactors.h"
#include "analysis/WallStrength.h"
#include "analysis/WallTopology.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

// Window 0.6 / 0.4 / 0.3, door 0.3 / 0.2 / 0.15; partitions repeat the outer walls.
const double OpeningStrengthTable[WallTypeCount] = {0, 0.6, 0.6, 0.6, 0.3, 0.3, 0.3, 0,
                                                    0, 0.6, 0.6, 0.6, 0.3, 0.3, 0.3, 0};
const double OpeningRunCoefficientTable[WallTypeCount] = {1.0, 0.4, 0.4, 0.4, 0.2, 0.2, 0.2, 0,
                                                          1.0, 0.4, 0.4, 0.4, 0.2, 0.2, 0.2, 0};
const double OpeningFactorTable[WallTypeCount] = {1.0, 0.3, 0.3, 0.3, 0.15, 0.15, 0.15, 0,
                                                  1.0, 0.3, 0.3, 0.3, 0.15, 0.15, 0.15, 0};

namespace {

constexpr double TwiceAreaTolerance = 0.0001;

bool IsThroughColumn(int32_t pointValue) {
  const int32_t type = GridPointColumnType(pointValue);
  return type == 2 || type == 3;
}

bool IsGeneralMethod() {
  return ProjectSettings.DiagnosisMethod == DiagnosisGeneral ||
         ProjectSettings.DiagnosisMethod == DiagnosisVerification;
}

bool HasOpenings(int32_t wallType) {
  return wallType >= 0 && wallType < WallTypeCount && wallType != 0 && wallType != 7 && wallType != 8 &&
         wallType != 15;
}

double TensionOfRow(int32_t row) {
  return row >= 0 && row < JointHardwareTableRows ? JointHardwareTable[row].AllowableTension : 0.0;
}

// Classes: 0 joint III (nailed), 1 II, 2 I; revision 2025 adds 3 (row 3) and 4, both II+.
int32_t EndClass2012(int32_t row) {
  if (row <= 2) return row;
  const double t = TensionOfRow(row);
  return t < 3.0 ? 0 : (t < 10.0 ? 1 : 2);
}

int32_t EndClass2025(int32_t row) {
  if (row <= 3) return row;
  const double t = TensionOfRow(row);
  if (t >= 10.0) return 2;
  if (t >= 7.5) return 4;
  return t >= 5.0 ? 1 : 0;
}

// Whether a wall line reaches a through column over the grid points first..last
// of one grid line (inclusive); `outermost` is the end farther from the wall.
bool LineReachesThroughColumn(int32_t v, int32_t s, bool alongX, int32_t line, int32_t first, int32_t last,
                              bool outermostIsFirst) {
  const int32_t count = alongX ? GridAxisCountX : GridAxisCountY;
  const int32_t lineCount = alongX ? GridAxisCountY : GridAxisCountX;
  if (line < 0 || line >= lineCount) return false;
  first = MaxInt(first, 0);
  last = MinInt(last, count - 1);
  const auto value = [&](int32_t i) {
    return alongX ? GridPointMap[v][s][i][line] : GridPointMap[v][s][line][i];
  };
  if (ProjectSettings.JointIIIRule == JointIIIBothEndsThrough) {
    // The outermost point holding anything decides; a floor mark without
    // column counts as something, and is no through column.
    for (int32_t k = 0; k <= last - first; ++k) {
      const int32_t pointValue = value(outermostIsFirst ? first + k : last - k);
      if (pointValue != 0) return IsThroughColumn(pointValue);
    }
    return false;
  }
  for (int32_t i = first; i <= last; ++i)
    if (IsThroughColumn(value(i))) return true;
  return false;
}

// A diagonal wall's end passes at a through column of its own, or along a
// collinear wall continuing the line beyond it.
bool DiagonalEndSupported(int32_t v, int32_t s, int32_t w, const WallLine& line, int32_t direction) {
  const int32_t x = direction == 1 ? line.StartX : line.EndX;
  const int32_t y = direction == 1 ? line.StartY : line.EndY;
  if (IsThroughColumn(GridPointValueAt(v, s, x, y))) return true;
  for (int32_t j = 0, n = WallCountOf(v, s); j < n; ++j) {
    if (j == w) continue;
    const WallLine jl = WallLineOf(Walls[v][s][j]);
    if (jl.Slope == 0.0 || !SlopesCollinear(line.Slope, jl.Slope)) continue;
    const bool continues =
        direction == 1 ? (jl.EndX == x && jl.EndY == y) : (jl.StartX == x && jl.StartY == y);
    if (continues &&
        FindSupportedLineEnd(s, j, direction, jl.StartX, jl.StartY, jl.EndX, jl.EndY, jl.Slope) == 1)
      return true;
  }
  return false;
}

bool BothEndsSupported(int32_t v, int32_t s, int32_t w) {
  const WallLine line = WallLineOf(Walls[v][s][w]);
  if (line.StartY == line.EndY) {
    return LineReachesThroughColumn(v, s, true, line.StartY, UsedExtentMinX[v][s], line.StartX, true) &&
           LineReachesThroughColumn(v, s, true, line.StartY, line.EndX, UsedExtentMaxX[v][s], false);
  }
  if (line.StartX == line.EndX) {
    return LineReachesThroughColumn(v, s, false, line.StartX, UsedExtentMinY[v][s], line.StartY, true) &&
           LineReachesThroughColumn(v, s, false, line.StartX, line.EndY, UsedExtentMaxY[v][s], false);
  }
  return DiagonalEndSupported(v, s, w, line, 1) && DiagonalEndSupported(v, s, w, line, 2);
}

// Twice the signed area of the triangle (a, b, p), on positions in metres.
double TwiceArea(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t px, int32_t py) {
  return (AxisX(bx) - AxisX(ax)) * (AxisY(py) - AxisY(ay)) -
         (AxisY(by) - AxisY(ay)) * (AxisX(px) - AxisX(ax));
}

bool LiesOnFoundation(const WallRecord& w, const FoundationRecord& f) {
  const auto onLine = [&](int32_t x, int32_t y) {
    return std::fabs(TwiceArea(f.X1, f.Y1, f.X2, f.Y2, x, y)) < TwiceAreaTolerance &&
           x >= MinInt(f.X1, f.X2) && x <= MaxInt(f.X1, f.X2) && y >= MinInt(f.Y1, f.Y2) &&
           y <= MaxInt(f.Y1, f.Y2);
  };
  return onLine(w.X1, w.Y1) && onLine(w.X2, w.Y2);
}

void ZeroCases(StoreyCaseArray& a, int32_t v) {
  for (auto& storey : a[v]) std::fill(std::begin(storey), std::end(storey), 0.0);
}

void ZeroStoreys(StoreyArray& a, int32_t v) { std::fill(std::begin(a[v]), std::end(a[v]), 0.0); }

}  // namespace

int32_t HardwareIndexOf(int32_t pointValue) { return GridPointHardware(pointValue); }

int32_t JointSpecOfEnds(int32_t startHardware, int32_t endHardware) {
  if (ProjectSettings.Revision == Revision2025) {
    if (IsGeneralMethod()) {
      // The classes are compared by number, so an end of class I (2) beside a
      // II+ end (3 or 4) rates the wall I.
      const int32_t weaker = MinInt(EndClass2025(startHardware), EndClass2025(endHardware));
      // Both ends II+: the wall's joints are II+, with the capacity of hardware row 3.
      return weaker < 3 ? 2 - weaker : JointSpecIIPlus;
    }
    const int32_t row = TensionOfRow(startHardware) < TensionOfRow(endHardware) ? startHardware : endHardware;
    return row < 3 ? 2 - row : row + 1;
  }
  return 2 - MinInt(EndClass2012(startHardware), EndClass2012(endHardware));
}

int32_t WallJointSpec(int32_t storey, int32_t wall) {
  const int32_t v = CurrentVariant;
  if (!ValidVariant(v) || !ValidStorey(storey) || wall < 0 || wall >= MaxWallsPerStorey) return 3;
  const WallRecord& w = Walls[v][storey][wall];
  int32_t jointClass = JointSpecOfEnds(HardwareIndexOf(GridPointValueAt(v, storey, w.X1, w.Y1)),
                                       HardwareIndexOf(GridPointValueAt(v, storey, w.X2, w.Y2)));
  if (jointClass == 2 && !BothEndsSupported(v, storey, wall)) jointClass = 3;
  return jointClass;
}

int32_t WallFoundationClass(int32_t storey, int32_t wall) {
  const int32_t v = CurrentVariant;
  if (storey > 0) return 0;
  const ProjectSettingsData& s = ProjectSettings;
  if (!ValidVariant(v) || storey < 0 || wall < 0 || wall >= MaxWallsPerStorey) return s.FoundationClass;
  // One foundation for the whole house holds for the current state; the plans keep their records.
  if (IsGeneralMethod() && s.UniformFoundation == SettingOn && v == CurrentState) return s.FoundationClass;
  const WallRecord& w = Walls[v][0][wall];
  for (int32_t i = 0, n = std::clamp(FoundationCount[v][0], 0, MaxFoundationsPerStorey); i < n; ++i)
    if (LiesOnFoundation(w, Foundations[v][0][i])) return Foundations[v][0][i].Type;
  return s.FoundationClass;
}

int32_t BraceTableSelectorFor(const WallRecord& wall, int32_t wallCase) {
  const double x1 = AxisX(wall.X1), x2 = AxisX(wall.X2);
  const double y1 = AxisY(wall.Y1), y2 = AxisY(wall.Y2);
  switch (wallCase) {
    case 1:
      return x2 >= x1 ? BraceTableCompression : BraceTableTension;
    case 2:
      return x2 < x1 ? BraceTableCompression : BraceTableTension;
    case 3:
      return y2 >= y1 ? BraceTableCompression : BraceTableTension;
    case 4:
      return y2 < y1 ? BraceTableCompression : BraceTableTension;
    default:
      return BraceTableUndirected;
  }
}

double OpeningFactorOf(const WallCaseResult& own) {
  const int32_t type = own.WallType;
  if (!HasOpenings(type)) return 1.0;
  const ProjectSettingsData& s = ProjectSettings;
  if (IsGeneralMethod()) {
    if (s.OtherElementsMethod == OtherElementsMethod1 && s.OpeningWallBasis == OpeningWallsByLength)
      return own.HasBearingElements == 1 || s.UnratedOpeningWallStrength == UnratedOpeningKeepsStrength ? 1.0
                                                                                                        : 0.0;
    return 0.0;
  }
  // With the other-elements method 2 these walls count through their columns.
  if (s.OtherElementsMethod != OtherElementsMethod1) return 0.0;
  if (s.Revision == Revision2025) return own.OpeningRunKind == 2 ? OpeningFactorTable[type] : 1.0;
  return own.RunLength > 0.0 ? OpeningRunCoefficientTable[type] / own.RunLength : 0.0;
}

bool RatesOpeningWallByTable(int32_t wallType) {
  return HasOpenings(wallType) && IsGeneralMethod() &&
         ProjectSettings.OtherElementsMethod == OtherElementsMethod1 &&
         ProjectSettings.OpeningWallBasis == OpeningWallsByLength;
}

int32_t StrengthClassOf(double p) {
  if (p < 2.5) return 0;
  if (p < 4.0) return 1;
  return p < 6.0 ? 2 : 3;
}

int32_t StrengthBandOf(double p, int32_t revision) {
  if (p < 2.0) return 0;
  if (p < 3.0) return 1;
  if (p < 5.0) return 2;
  if (p < 7.0) return 3;
  if (revision != Revision2025) return 4;
  if (p < 10.0) return 4;
  return p < 14.0 ? 5 : 6;
}

void AnalyseWall(int32_t storey, int32_t wall) {
  const int32_t v = CurrentVariant;
  if (!ValidVariant(v) || !ValidStorey(storey) || wall < 0 || wall >= MaxWallsPerStorey) return;
  const ProjectSettingsData& s = ProjectSettings;
  const WallRecord& record = Walls[v][storey][wall];
  WallResult& result = WallResults[v][storey][wall];
  WallCaseResult& own = result.Blocks[0];

  own.JointSpec = WallJointSpec(storey, wall);

  const int32_t deteriorationBits =
      s.Revision == Revision2025 ? record.Deterioration : FrameStateOf(record.Deterioration);
  for (int32_t c = 0; c < WallLoadingCaseCount; ++c) {
    WallCaseResult& block = result.Blocks[c];
    const WallElementArgs args =
        WallElementArgsOf(record, own.Length, BraceTableSelectorFor(record, c), storey, own.LeftPanelJoined,
                          own.RightPanelJoined, deteriorationBits, s.UnratedOpeningWallStrength);
    const double strength = CalcWallStrength(args);
    block.BaseStrength = strength;
    block.WallFactor = CalcWallFactor(args);
    block.BaseStiffness = IsGeneralMethod() ? strength : CalcWallStiffness(args);
    own.OpeningFactor = OpeningFactorOf(own);
    if (RatesOpeningWallByTable(own.WallType))
      block.BaseStrength = block.BaseStiffness = OpeningStrengthTable[own.WallType];
    const double p = block.BaseStrength * own.OpeningFactor;
    block.StrengthClass = StrengthClassOf(p);
    block.StrengthBand = StrengthBandOf(p, s.Revision);
  }

  own.FoundationClass = WallFoundationClass(storey, wall);

  const int32_t startValue = GridPointValueAt(v, storey, record.X1, record.Y1);
  const int32_t endValue = GridPointValueAt(v, storey, record.X2, record.Y2);
  for (int32_t c = 0; c < WallLoadingCaseCount; ++c) {
    CalcWallReductionFactors(
        WallReductionInputOf(result, c, record, startValue, endValue, storey, TopStoreyOf(v)),
        result.Blocks[c], SnowWallResults[v][storey][wall].Blocks[c]);
  }
}

void ClearStoreySums(int32_t v) {
  if (!ValidVariant(v)) return;
  for (StoreyCaseArray* a :
       {&WallStrengthX,       &WallStrengthY,        &ExistingWallLengthX,    &ExistingWallLengthY,
        &StiffnessSumX,       &StiffnessSumY,        &RigidityCentreX,        &RigidityCentreY,
        &StiffnessMomentX,    &StiffnessMomentY,     &SecondMomentIx,         &SecondMomentIy,
        &EccentricityX,       &EccentricityY,        &TorsionalStiffness,     &ElasticRadiusX,
        &ElasticRadiusY,      &EccentricityRatioX,   &EccentricityRatioY,     &WallStrengthXSnow,
        &WallStrengthYSnow,   &StiffnessSumXSnow,    &StiffnessSumYSnow,      &RigidityCentreXSnow,
        &RigidityCentreYSnow, &StiffnessMomentXSnow, &StiffnessMomentYSnow,   &SecondMomentIxSnow,
        &SecondMomentIySnow,  &EccentricityXSnow,    &EccentricityYSnow,      &TorsionalStiffnessSnow,
        &ElasticRadiusXSnow,  &ElasticRadiusYSnow,   &EccentricityRatioXSnow, &EccentricityRatioYSnow})
    ZeroCases(*a, v);
  for (StoreyArray* a : {&QuarterZoneStrengthA, &QuarterZoneStrengthB, &QuarterZoneStrength1,
                         &QuarterZoneStrength2, &QuarterZoneStrengthASnow, &QuarterZoneStrengthBSnow,
                         &QuarterZoneStrength1Snow, &QuarterZoneStrength2Snow, &QuarterWallLengthA,
                         &QuarterWallLengthB, &QuarterWallLength1, &QuarterWallLength2})
    ZeroStoreys(*a, v);
}

void AnalyseStoreys() {
  const int32_t v = CurrentVariant;
  if (!ValidVariant(v)) return;
  const ProjectSettingsData& s = ProjectSettings;
  const bool columnsCount = s.OtherElementsMethod == OtherElementsMethod2;
  ClearStoreySums(v);
  for (int32_t storey = 0; storey <= TopStoreyOf(v); ++storey) {
    if (columnsCount) {
      AddColumnsToStoreySums(storey);
      if (s.SnowLoad != 0.0) AddColumnsToStoreySumsSnow(storey);
    }
    const int32_t n = WallCountOf(v, storey);
    if (n == 0) continue;
    for (int32_t w = 0; w < n; ++w) AnalyseWall(storey, w);
    CalcWallQuantitiesAndStoreySums(storey);
    CalcRigidityAndEccentricity(storey);
    if (columnsCount) AddQuarterZoneColumnStrengths(storey);
    CalcQuarterZoneWallSums(storey);
  }
  CalcDriftAndStiffnessRatios();
}
