#include "analysis/ColumnStrengths.h"

#include <cstddef>

#include "analysis/FloorAreas.h"
#include "analysis/GridAxisLabels.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"

namespace {

constexpr int32_t OpeningNone = 0;
constexpr int32_t OpeningWindow = 1;
constexpr int32_t OpeningDoor = 2;
constexpr int32_t SpeciesCount = 3;

// Which opening a term belongs to, and the offset of its entries.
enum Opening : int { Door = 0, Window = 1 };
constexpr int AlongX = 0, AlongY = 1;                    // added to an X entry gives the Y entry
constexpr std::ptrdiff_t GatheredEntriesPerOpening = 6;  // width, wall strength and wall stiffness, X and Y
constexpr std::ptrdiff_t ValueEntriesPerOpening = 4;     // strength and stiffness, X and Y

constexpr double WideOpeningWidth = 1.2;  // m
constexpr int FirstPreciseStrengthTable = 4;
constexpr int FirstPreciseStiffnessTable = 16;
constexpr double ZoneTolerance = 0.00001;

double OriginX() {
  return GridOriginAxisX >= 0 && GridOriginAxisX < GridAxisCountX ? GridAxisX[GridOriginAxisX] : 0.0;
}
double OriginY() {
  return GridOriginAxisY >= 0 && GridOriginAxisY < GridAxisCountY ? GridAxisY[GridOriginAxisY] : 0.0;
}

bool Active() {
  return ProjectSettings.OtherElementsMethod == OtherElementsMethod2 && CurrentVariant >= 0 &&
         CurrentVariant < VariantCount;
}

double PanelStrength(int32_t row, int32_t furring) {
  if (row < 0 || row >= PanelTableRows) return 0.0;
  const double f = PanelTable[row].Strength;
  if (furring == 1) {
    if (f > 4.0) return 3.0;
    if (f > 2.0) return f * (1.25 - f / 8.0);
  } else if (furring == 2) {
    return f > 2.0 ? 1.5 : 0.75 * f;
  }
  return f;
}

// A stiffness in series with the furring strips.
double InSeries(double k, double furringStiffness) {
  const double sum = k + furringStiffness;
  return sum != 0.0 ? k * furringStiffness / sum : 0.0;
}

double PanelStiffness(int32_t row, int32_t furring) {
  if (row < 0 || row >= PanelTableRows) return 0.0;
  const double k = PanelTable[row].Stiffness;
  if (furring == 1) return InSeries(k, 800.0);
  if (furring == 2) return InSeries(k, 500.0);
  return k;
}

const ElementSpecRow* MudWallRow(int32_t row) {
  return row >= 0 && row < MudWallTableRows ? &MudWallTable[row] : nullptr;
}

double ColumnDeteriorationFactor(int32_t deterioration) {
  return deterioration >= 0 && deterioration < ColumnDeteriorationStateCount
             ? ColumnDeteriorationFactors[deterioration]
             : 0.0;
}

void ClearColumn(ColumnResult& r) {
  for (double& t : r.SideWallTerms) t = 0.0;
  r.StrengthX = r.StrengthY = 0.0;
  r.StiffnessX = r.StiffnessY = 0.0;
  r.BreakageRisk = 0;
  r.HasWallX = r.HasWallY = 0;
}

void MarkFirstColumnAt(int v, int s, int32_t columnCount, int32_t x, int32_t y, int32_t ColumnResult::*flag) {
  for (int32_t i = 0; i < columnCount; ++i) {
    const ColumnRecord& c = Columns[v][s][i];
    if (c.X == x && c.Y == y) {
      ColumnResults[v][s][i].*flag = 1;
      return;
    }
  }
}

void TakeSmallest(double& strength, double& stiffness, double s, double k) {
  if (strength == 0.0) {
    strength = s;
    stiffness = k;
  } else {
    strength = MinDouble(strength, s);
    stiffness = MinDouble(stiffness, k);
  }
}

void GatherOpeningWall(ColumnResult& r, Opening opening, double lx, double ly, double s, double k) {
  double* t = r.SideWallTerms + opening * GatheredEntriesPerOpening;
  t[DoorWidthX] += lx / 2.0;
  t[DoorWidthY] += ly / 2.0;
  if (lx != 0.0) TakeSmallest(t[DoorWallStrengthX], t[DoorWallStiffnessX], s, k);
  if (ly != 0.0) TakeSmallest(t[DoorWallStrengthY], t[DoorWallStiffnessY], s, k);
}

void GatherWalls(int v, int s, int32_t columnCount) {
  const int32_t wallCount = ListLength(WallCount[v][s], MaxWallsPerStorey);
  for (int32_t w = 0; w < wallCount; ++w) {
    const WallRecord& wall = Walls[v][s][w];
    if (wall.NoStrength == 1) continue;
    const WallCaseResult& geometry = WallResults[v][s][w].Blocks[0];
    if (wall.OpeningKind == OpeningNone) {
      if (geometry.LengthX > 0.0) {
        MarkFirstColumnAt(v, s, columnCount, wall.X1, wall.Y1, &ColumnResult::HasWallX);
        MarkFirstColumnAt(v, s, columnCount, wall.X2, wall.Y2, &ColumnResult::HasWallX);
      }
      if (geometry.LengthY > 0.0) {
        MarkFirstColumnAt(v, s, columnCount, wall.X1, wall.Y1, &ColumnResult::HasWallY);
        MarkFirstColumnAt(v, s, columnCount, wall.X2, wall.Y2, &ColumnResult::HasWallY);
      }
      continue;
    }
    if (wall.OpeningKind != OpeningWindow && wall.OpeningKind != OpeningDoor) continue;

    // The hanging and waist walls count with their plain table values.
    const ElementSpecRow* mud = MudWallRow(wall.MudWallKind);
    const double strength = (mud ? mud->Strength : 0.0) + PanelStrength(wall.PanelLeft, wall.FurringLeft) +
                            PanelStrength(wall.PanelRight, wall.FurringRight);
    const double stiffness = (mud ? mud->Stiffness : 0.0) + PanelStiffness(wall.PanelLeft, wall.FurringLeft) +
                             PanelStiffness(wall.PanelRight, wall.FurringRight);
    if (strength <= 0.0 || columnCount == 0) continue;

    const Opening opening = wall.OpeningKind == OpeningDoor ? Door : Window;
    for (int32_t i = 0; i < columnCount; ++i) {
      const ColumnRecord& c = Columns[v][s][i];
      const bool atEnd = (c.X == wall.X1 && c.Y == wall.Y1) || (c.X == wall.X2 && c.Y == wall.Y2);
      if (!atEnd) continue;
      if (c.SectionX == 0 && (c.SectionY == 0 || c.SectionY == 1)) continue;  // below 120 mm both ways
      GatherOpeningWall(ColumnResults[v][s][i], opening, geometry.ColumnExtentX, geometry.ColumnExtentY,
                        strength, stiffness);
    }
  }
}

// Step 0 below a wall strength of 2, then one step per kN/m up to step 5.
int StepOfWallStrength(double strength) {
  const double d = strength - 1.0;
  if (!(d > 0.0)) return 0;
  if (d >= 5.0) return 5;
  return TruncToInt(d);
}

void AddTerm(ColumnResult& r, Opening opening, int axis, int32_t section, int32_t hasWall, int32_t method,
             int32_t species) {
  const double* gathered = r.SideWallTerms + opening * GatheredEntriesPerOpening;
  const double width = gathered[DoorWidthX + axis];
  if (!(width > 0.0) || hasWall != 0) return;
  if (section < 0 || section >= SectionClassCount) return;
  const int step = StepOfWallStrength(gathered[DoorWallStrengthX + axis]);
  const int wide = width < WideOpeningWidth ? 0 : 1;

  int strengthTable = 0, stiffnessTable = 0;
  if (method == DiagnosisGeneral) {
    strengthTable = opening * 2 + wide;
    stiffnessTable = -1;
  } else if (method == DiagnosisPrecise1) {
    if (species < 0 || species >= SpeciesCount) return;
    const int offset = opening * 2 * SpeciesCount + species * 2 + wide;
    strengthTable = FirstPreciseStrengthTable + offset;
    stiffnessTable = FirstPreciseStiffnessTable + offset;
  } else {
    return;
  }

  double strength = HangingWallColumnTable[strengthTable][section][step];
  if (strength < 0.0) {
    strength = -strength;
    r.BreakageRisk = 1;
  }
  // The general method has no stiffness tables; its strength stands in for the stiffness.
  const double stiffness =
      stiffnessTable < 0 ? strength : HangingWallColumnTable[stiffnessTable][section][step];
  double* values = r.SideWallTerms + DoorStrengthX + opening * ValueEntriesPerOpening;
  values[axis] += strength;
  values[DoorStiffnessX - DoorStrengthX + axis] += stiffness;
}

// SectionY 0 means "as in X", 1..6 are the classes 0..5; -1 for none.
int32_t SectionClassY(const ColumnRecord& c) {
  if (c.SectionY == 0) return c.SectionX;
  if (c.SectionY >= 1 && c.SectionY <= SectionClassCount) return c.SectionY - 1;
  return -1;
}

// The door and window values of one quantity combined by Method2ColumnRule.
double Combine(double door, double window) {
  switch (ProjectSettings.Method2ColumnRule) {
    case Method2ColumnHigher:
      return MaxDouble(door, window);
    case Method2ColumnSum:
      return door + window;
    default:
      if (door == 0.0) return window;
      if (window == 0.0) return door;
      return MinDouble(door, window);
  }
}

void ComputeColumns(int v, int s, int32_t columnCount) {
  const int32_t method = ProjectSettings.DiagnosisMethod;
  for (int32_t i = 0; i < columnCount; ++i) {
    const ColumnRecord& c = Columns[v][s][i];
    ColumnResult& r = ColumnResults[v][s][i];
    const int32_t cx = c.SectionX;
    const int32_t cy = SectionClassY(c);
    if (cx == 0 && cy == 0) continue;
    AddTerm(r, Door, AlongX, cx, r.HasWallX, method, c.Species);
    AddTerm(r, Door, AlongY, cy, r.HasWallY, method, c.Species);
    AddTerm(r, Window, AlongX, cx, r.HasWallX, method, c.Species);
    AddTerm(r, Window, AlongY, cy, r.HasWallY, method, c.Species);
    const double* t = r.SideWallTerms;
    r.StrengthX = Combine(t[DoorStrengthX], t[WindowStrengthX]);
    r.StrengthY = Combine(t[DoorStrengthY], t[WindowStrengthY]);
    r.StiffnessX = Combine(t[DoorStiffnessX], t[WindowStiffnessX]);
    r.StiffnessY = Combine(t[DoorStiffnessY], t[WindowStiffnessY]);
  }
}

// The storey arrays one pass of the storey sums adds into.
struct StoreySumArrays {
  StoreyCaseArray& strengthX;
  StoreyCaseArray& strengthY;
  StoreyCaseArray& stiffnessX;
  StoreyCaseArray& stiffnessY;
  StoreyCaseArray& momentX;
  StoreyCaseArray& momentY;
  LineArray* lineX;  // there are no line stiffnesses with snow
  LineArray* lineY;
};

void AddToStoreySums(int32_t storey, const StoreySumArrays& sums) {
  if (!Active() || !ValidStorey(storey)) return;
  const int v = CurrentVariant, s = storey;
  const double xo = OriginX(), yo = OriginY();
  const int32_t n = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
  for (int32_t i = 0; i < n; ++i) {
    const ColumnRecord& c = Columns[v][s][i];
    if (!OnGrid(c.X, c.Y)) continue;
    ColumnResult& r = ColumnResults[v][s][i];
    // The deterioration reduces only the strength and stiffness sums; the
    // moments and line stiffnesses take the full stiffness.
    const double f = ColumnDeteriorationFactor(c.Deterioration);
    r.OffsetX = GridAxisX[c.X] - xo;
    r.OffsetY = yo - GridAxisY[c.Y];
    r.MomentX = r.StiffnessY * r.OffsetX;
    r.MomentY = r.StiffnessX * r.OffsetY;
    for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
      sums.strengthX[v][s][k] += r.StrengthX * f;
      sums.strengthY[v][s][k] += r.StrengthY * f;
      sums.stiffnessX[v][s][k] += r.StiffnessX * f;
      sums.stiffnessY[v][s][k] += r.StiffnessY * f;
      if (sums.lineX) (*sums.lineX)[v][s][c.Y][k] += r.StiffnessX;
      if (sums.lineY) (*sums.lineY)[v][s][c.X][k] += r.StiffnessY;
      sums.momentX[v][s][k] += r.MomentX;
      sums.momentY[v][s][k] += r.MomentY;
    }
  }
}

template <typename TorsionResult>
void AddTorsion(int32_t storey, int32_t storeyCase, const StoreyCaseArray& centreX,
                const StoreyCaseArray& centreY, StoreyCaseArray& ix, StoreyCaseArray& iy,
                TorsionResult (&out)[VariantCount][StoreyCount][MaxColumnsPerStorey]) {
  if (!Active() || !ValidStorey(storey)) return;
  if (storeyCase < 0 || storeyCase >= StoreyLoadingCaseCount) return;
  const int v = CurrentVariant, s = storey, k = storeyCase;
  const double xo = OriginX(), yo = OriginY();
  const int32_t n = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
  for (int32_t i = 0; i < n; ++i) {
    const ColumnRecord& c = Columns[v][s][i];
    if (!OnGrid(c.X, c.Y)) continue;
    const ColumnResult& r = ColumnResults[v][s][i];
    TorsionResult& o = out[v][s][i];
    o.CentreOffsetX = (GridAxisX[c.X] - xo) - centreX[v][s][k];
    o.CentreOffsetY = (yo - GridAxisY[c.Y]) - centreY[v][s][k];
    o.TorsionTermX = r.StiffnessY * o.CentreOffsetX * o.CentreOffsetX;
    o.TorsionTermY = r.StiffnessX * o.CentreOffsetY * o.CentreOffsetY;
    ix[v][s][k] += o.TorsionTermX;
    iy[v][s][k] += o.TorsionTermY;
  }
}

}  // namespace

void CalcColumnStrengths() {
  if (!Active()) return;
  const int v = CurrentVariant;
  const int32_t top = ProjectSettings.TopStorey[v];
  for (int s = 0; s <= top && s < StoreyCount; ++s) {
    const int32_t n = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
    for (int32_t i = 0; i < n; ++i) ClearColumn(ColumnResults[v][s][i]);
  }
  for (int s = 0; s <= top && s < StoreyCount; ++s) {
    if (ListLength(WallCount[v][s], MaxWallsPerStorey) == 0) continue;
    const int32_t n = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
    GatherWalls(v, s, n);
    ComputeColumns(v, s, n);
  }
}

void AddColumnsToStoreySums(int32_t storey) {
  AddToStoreySums(storey, {WallStrengthX, WallStrengthY, StiffnessSumX, StiffnessSumY, StiffnessMomentX,
                           StiffnessMomentY, &LineStiffnessX, &LineStiffnessY});
}

void AddColumnsToStoreySumsSnow(int32_t storey) {
  if (ProjectSettings.SnowLoad == 0.0) return;
  AddToStoreySums(storey, {WallStrengthXSnow, WallStrengthYSnow, StiffnessSumXSnow, StiffnessSumYSnow,
                           StiffnessMomentXSnow, StiffnessMomentYSnow, nullptr, nullptr});
}

void AddColumnTorsionTerms(int32_t storey, int32_t storeyCase) {
  AddTorsion(storey, storeyCase, RigidityCentreX, RigidityCentreY, SecondMomentIx, SecondMomentIy,
             ColumnResults);
}

void AddColumnTorsionTermsSnow(int32_t storey, int32_t storeyCase) {
  if (ProjectSettings.SnowLoad == 0.0) return;
  AddTorsion(storey, storeyCase, RigidityCentreXSnow, RigidityCentreYSnow, SecondMomentIxSnow,
             SecondMomentIySnow, ColumnSnowResults);
}

void AddQuarterZoneColumnStrengths(int32_t storey) {
  if (!Active() || !ValidStorey(storey)) return;
  const int v = CurrentVariant, s = storey;
  const bool snow = ProjectSettings.SnowLoad != 0.0;
  const int32_t n = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
  for (int32_t i = 0; i < n; ++i) {
    const ColumnRecord& c = Columns[v][s][i];
    if (!OnGrid(c.X, c.Y)) continue;
    const ColumnResult& r = ColumnResults[v][s][i];
    const double x = GridAxisX[c.X], y = GridAxisY[c.Y];
    const auto add = [&](bool inZone, StoreyArray& sum, StoreyArray& snowSum, double strength) {
      if (!inZone) return;
      sum[v][s] += strength;
      if (snow) snowSum[v][s] += strength;
    };
    // Zones a and b can overlap on a shallow plan; a column then counts in both.
    add(y <= QuarterZoneBoundaryA[v][s] + ZoneTolerance, QuarterZoneStrengthA, QuarterZoneStrengthASnow,
        r.StrengthX);
    add(y >= QuarterZoneBoundaryB[v][s] - ZoneTolerance, QuarterZoneStrengthB, QuarterZoneStrengthBSnow,
        r.StrengthX);
    add(x <= QuarterZoneBoundary1[v][s] + ZoneTolerance, QuarterZoneStrength1, QuarterZoneStrength1Snow,
        r.StrengthY);
    add(x >= QuarterZoneBoundary2[v][s] - ZoneTolerance, QuarterZoneStrength2, QuarterZoneStrength2Snow,
        r.StrengthY);
  }
}
