#include "analysis/WallTopology.h"

#include <algorithm>
#include <cmath>

#include "analysis/AnalysisResults.h"
#include "analysis/GridPointMap.h"
#include "analysis/WallStrength.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

const int32_t BraceClassTable[BraceTableRows] = {0, 0, 0, 0, 2, 2, 4, 4, 6, 0, 0, 0, 0, 0, 0};

namespace {

// A run of walls with openings counts at most this length, or 2.0 m under
// the revision-2025 rule for strong runs.
constexpr double MaxCountedRun = 3.0;
constexpr double MaxCountedRun2025 = 2.0;
// Shorter walls may borrow a collinear neighbour's panel.
constexpr double ShortWallLength = 0.6;

// Indices come validated from the readers; clamping only keeps a damaged
// record from reading outside the axis tables.

bool ColumnStandsAt(int32_t v, int32_t s, int32_t x, int32_t y) {
  const int32_t n = std::clamp(ColumnCount[v][s], 0, MaxColumnsPerStorey);
  for (int32_t i = 0; i < n; ++i)
    if (Columns[v][s][i].X == x && Columns[v][s][i].Y == y) return true;
  return false;
}

bool IsSolidType(int32_t wallType) { return wallType == 0 || wallType == 8; }
bool IsFullOpeningType(int32_t wallType) { return wallType == 7 || wallType == 15; }

bool SamePoint(int32_t xa, int32_t ya, int32_t xb, int32_t yb) { return xa == xb && ya == yb; }

// A wall's start and end without its geometry: the scans below compare end
// points first and measure only the walls that meet.
struct WallEnds {
  int32_t StartX, StartY, EndX, EndY;
};

WallEnds WallEndsOf(const WallRecord& w) {
  if (w.X1 < w.X2 || (w.X1 == w.X2 && w.Y1 <= w.Y2)) return {w.X1, w.Y1, w.X2, w.Y2};
  return {w.X2, w.Y2, w.X1, w.Y1};
}

// Whether a bearing neighbour without opening supports the run of an opening
// wall: always in revision 2012, in revision 2025 only when it is at least as
// strong as the opening wall, never in any other revision.
bool PassesRevisionRule(double openingWallStrength, double neighbourStrength) {
  const int32_t revision = ProjectSettings.Revision;
  if (revision == Revision2012) return true;
  if (revision == Revision2025) return openingWallStrength <= neighbourStrength;
  return false;
}

void RaiseCode(int32_t& code, int32_t value) {
  if (value > code) code = value;
}

void FillStoreyBraceEndCodes(int32_t v, int32_t s) {
  for (int32_t i = 0, n = WallCountOf(v, s); i < n; ++i) {
    const WallRecord& w = Walls[v][s][i];
    if (w.BraceKind < 2) continue;  // no brace, "不明"
    const int32_t row = BraceTableRowOf(w.BraceKind, w.BraceEndJoint);
    if (row < 0 || !OnGrid(w.X1, w.Y1) || !OnGrid(w.X2, w.Y2)) continue;
    const int32_t c = BraceClassTable[row] + (w.BraceArrangement == 1 ? 1 : 0);
    const int32_t firstCode = 2 * c + 1;
    const int32_t secondCode = c + 2 * (c / 2 + 1);
    BraceEndCodes& first = BraceEndMap[v][s][w.X1][w.Y1];
    BraceEndCodes& second = BraceEndMap[v][s][w.X2][w.Y2];
    if (w.X1 != w.X2) {
      const bool rightwards = w.X1 < w.X2;
      RaiseCode(first.Side[rightwards ? BraceEndTowardsLargerX : BraceEndTowardsSmallerX], firstCode);
      RaiseCode(second.Side[rightwards ? BraceEndTowardsSmallerX : BraceEndTowardsLargerX], secondCode);
    }
    if (w.Y1 != w.Y2) {
      const bool downwards = w.Y1 < w.Y2;
      RaiseCode(first.Side[downwards ? BraceEndTowardsLargerY : BraceEndTowardsSmallerY], firstCode);
      RaiseCode(second.Side[downwards ? BraceEndTowardsSmallerY : BraceEndTowardsLargerY], secondCode);
    }
  }
}

void SetStoreyBearingFlags(int32_t v, int32_t s) {
  for (int32_t i = 0, n = WallCountOf(v, s); i < n; ++i) {
    const WallRecord& w = Walls[v][s][i];
    bool bears;
    if (v == CurrentState) {
      bears = w.BraceKind != 0 || w.MudWallKind != 0 || w.PanelLeft != 0 || w.PanelRight != 0;
    } else {
      // A retrofit plan is designed: an element of unknown kind is no element there.
      bears = w.BraceKind > 1 || w.MudWallKind > 1 || w.PanelLeft > 1 || w.PanelRight > 1;
    }
    WallResults[v][s][i].Blocks[0].HasBearingElements = bears ? 1 : 0;
  }
}

// Short walls: a collinear neighbour without opening sharing an end, long
// enough together, lends its panel when it carries the same panel row.
void JoinPanels(int32_t v, int32_t s, int32_t w, const WallLine& line, WallCaseResult& r) {
  const WallRecord* walls = Walls[v][s];
  for (int32_t j = 0, n = WallCountOf(v, s); j < n; ++j) {
    if (j == w || !IsSolidType(WallResults[v][s][j].Blocks[0].WallType)) continue;
    const WallEnds ends = WallEndsOf(walls[j]);
    const bool sharesEnd = SamePoint(ends.StartX, ends.StartY, line.StartX, line.StartY) ||
                           SamePoint(ends.StartX, ends.StartY, line.EndX, line.EndY) ||
                           SamePoint(ends.EndX, ends.EndY, line.StartX, line.StartY) ||
                           SamePoint(ends.EndX, ends.EndY, line.EndX, line.EndY);
    if (!sharesEnd) continue;
    const WallLine other = WallLineOf(walls[j]);
    if (!SlopesCollinear(line.Slope, other.Slope)) continue;
    if (other.Length + line.Length < ShortWallLength) continue;
    if (walls[j].PanelLeft == walls[w].PanelLeft) r.LeftPanelJoined |= 1;
    if (walls[j].PanelRight == walls[w].PanelRight) r.RightPanelJoined |= 2;
  }
}

// What the opening wall w measures at the time of its turn.
struct OpeningWall {
  int32_t storey;
  int32_t index;
  WallLine line;
  int32_t typeAtTurn;
  double strengthAtTurn;
};

// The neighbour j that continues w's line before its start (direction 1) or
// after its end (direction 2); 1 when the run reaches a bearing wall that way.
int32_t FollowNeighbour(const OpeningWall& w, int32_t j, const WallLine& jl, int32_t direction, double& run) {
  const int32_t v = CurrentVariant;
  const WallCaseResult& jr = WallResults[v][w.storey][j].Blocks[0];
  if (IsSolidType(jr.WallType)) {
    if (jr.HasBearingElements == 1 && PassesRevisionRule(w.strengthAtTurn, jr.BaseStrength)) return 1;
    if (ProjectSettings.UnratedSolidWallRule == UnratedSolidSameLength) run += jl.Length;
  } else {
    run += jl.Length;
    // Compared with the class at the start of the turn, not the class reached
    // so far: of several higher classes on the run the last one met stays.
    if (w.typeAtTurn % 8 < jr.WallType % 8)
      WallResults[v][w.storey][w.index].Blocks[0].WallType = 8 * (w.typeAtTurn / 8) + jr.WallType % 8;
  }
  return AccumulateWallLine(w.storey, j, run, direction, jl.StartX, jl.StartY, jl.EndX, jl.EndY, w.line.Slope,
                            w.typeAtTurn, w.strengthAtTurn, w.index);
}

int32_t OpeningGroupOf(int32_t t) {
  if (t >= 15) return 15;
  if (t >= 12) return 12;
  if (t >= 9) return 9;
  if (t == 8) return 8;
  if (t == 7) return 7;
  if (t >= 4) return 4;
  if (t >= 1) return 1;
  return t;
}

void ClearCountedLengths(WallCaseResult& r) {
  r.LengthX = 0.0;
  r.LengthY = 0.0;
  r.EffectiveLength = 0.0;
}

void MeasureOpeningRun(const OpeningWall& w, bool bothColumns, WallCaseResult& r) {
  const int32_t v = CurrentVariant;
  const int32_t s = w.storey;
  const WallLine& line = w.line;
  double run = line.Length;
  int32_t any = 0, atStart = 0, atEnd = 0;
  for (int32_t j = 0, n = WallCountOf(v, s); j < n; ++j) {
    if (j == w.index) continue;
    const WallEnds ends = WallEndsOf(Walls[v][s][j]);
    if (!SamePoint(ends.EndX, ends.EndY, line.StartX, line.StartY) &&
        !SamePoint(ends.StartX, ends.StartY, line.EndX, line.EndY))
      continue;
    if (IsFullOpeningType(WallResults[v][s][j].Blocks[0].WallType)) continue;
    const WallLine jl = WallLineOf(Walls[v][s][j]);
    if (!SlopesCollinear(line.Slope, jl.Slope)) continue;
    if (SamePoint(jl.EndX, jl.EndY, line.StartX, line.StartY)) {
      const int32_t reached = FollowNeighbour(w, j, jl, 1, run);
      any |= reached;
      atStart |= reached;
    }
    if (SamePoint(jl.StartX, jl.StartY, line.EndX, line.EndY)) {
      const int32_t reached = FollowNeighbour(w, j, jl, 2, run);
      any |= reached;
      atEnd |= reached;
    }
  }

  r.OpeningRunKind = atStart == 1 ? 1 : (any == 1 ? 2 : 0);
  const int32_t group = OpeningGroupOf(r.WallType);
  r.WallType = group + (run > 2.0 ? 2 : (run > 1.0 ? 1 : 0));

  // The run strength matters only to the 2025 rule, which needs a run over 2 m.
  bool shortened2025 = false;
  if (ProjectSettings.Revision == Revision2025 && run > MaxCountedRun2025) {
    const WallRecord& wall = Walls[v][s][w.index];
    // The run kind goes where the per-case strengths pass the unrated-opening
    // switch: the partial-panel rule holds for runs supported at their start.
    const double runStrength =
        CalcWallStrength(WallElementArgsOf(wall, run, BraceTableUndirected, s, r.LeftPanelJoined,
                                           r.RightPanelJoined, wall.Deterioration, r.OpeningRunKind));
    shortened2025 = runStrength > 2.0 &&
                    ((atStart == 1 && atEnd == 1) || ProjectSettings.DiagnosisMethod == DiagnosisPrecise1);
  }
  r.RunLength = shortened2025 ? MaxCountedRun2025 : MinDouble(run, MaxCountedRun);
  if (run > MaxCountedRun) {
    r.LengthX = std::fabs(line.Dx) * MaxCountedRun / run;
    r.LengthY = std::fabs(line.Dy) * MaxCountedRun / run;
    r.EffectiveLength = line.Length * MaxCountedRun / run;
  }
  if (shortened2025) {
    r.LengthX = std::fabs(line.Dx) * MaxCountedRun2025 / run;
    r.LengthY = std::fabs(line.Dy) * MaxCountedRun2025 / run;
    r.EffectiveLength = line.Length * MaxCountedRun2025 / run;
  }
  if (any == 0 || !bothColumns) ClearCountedLengths(r);
}

void MeasureStorey(int32_t v, int32_t s) {
  for (int32_t w = 0, n = WallCountOf(v, s); w < n; ++w) {
    WallCaseResult& r = WallResults[v][s][w].Blocks[0];
    // The base strength is the one the storey analysis wrote in the previous
    // recalculation (0 before the first): it runs after this step.
    const OpeningWall opening{s, w, WallLineOf(Walls[v][s][w]), r.WallType, r.BaseStrength};
    const WallLine& line = opening.line;

    r.LengthX = std::fabs(line.Dx);
    r.LengthY = std::fabs(line.Dy);
    r.ExtentX = r.ColumnExtentX = std::fabs(line.Dx);
    r.ExtentY = r.ColumnExtentY = std::fabs(line.Dy);
    r.Length = r.EffectiveLength = line.Length;

    const bool startColumn = ColumnStandsAt(v, s, line.StartX, line.StartY);
    const bool endColumn = ColumnStandsAt(v, s, line.EndX, line.EndY);
    const int32_t startValue = startColumn ? GridPointValueAt(v, s, line.StartX, line.StartY) : 0;
    const int32_t endValue = endColumn ? GridPointValueAt(v, s, line.EndX, line.EndY) : 0;
    const bool bothColumns = startColumn && endColumn;
    if (!bothColumns) ClearCountedLengths(r);

    r.UnderRoofOrFloor = GridPointHasFloor(startValue) && GridPointHasFloor(endValue) ? 1 : 0;
    r.LeftPanelJoined = 0;
    r.RightPanelJoined = 0;
    if (line.Length < ShortWallLength) JoinPanels(v, s, w, line, r);

    if (IsSolidType(opening.typeAtTurn)) continue;
    if (IsFullOpeningType(opening.typeAtTurn)) {
      ClearCountedLengths(r);
      continue;
    }
    MeasureOpeningRun(opening, bothColumns, r);
  }
}

// The wall the line search takes next, or -1.
int32_t NextWallOnLine(int32_t v, int32_t s, int32_t excluded, int32_t direction, int32_t xA, int32_t yA,
                       int32_t xB, int32_t yB, double slope, bool skipFullOpenings, WallLine& taken) {
  for (int32_t k = 0, n = WallCountOf(v, s); k < n; ++k) {
    if (k == excluded) continue;
    const WallEnds ends = WallEndsOf(Walls[v][s][k]);
    const bool meets = direction == 1 ? SamePoint(ends.EndX, ends.EndY, xA, yA)
                                      : SamePoint(ends.StartX, ends.StartY, xB, yB);
    if (!meets) continue;
    if (skipFullOpenings && IsFullOpeningType(WallResults[v][s][k].Blocks[0].WallType)) continue;
    const WallLine kl = WallLineOf(Walls[v][s][k]);
    if (SlopesCollinear(slope, kl.Slope)) {
      taken = kl;
      return k;
    }
  }
  return -1;
}

}  // namespace

WallLine WallLineOf(const WallRecord& wall) {
  WallLine l;
  const bool firstIsStart = wall.X1 < wall.X2 || (wall.X1 == wall.X2 && wall.Y1 <= wall.Y2);
  l.StartX = firstIsStart ? wall.X1 : wall.X2;
  l.StartY = firstIsStart ? wall.Y1 : wall.Y2;
  l.EndX = firstIsStart ? wall.X2 : wall.X1;
  l.EndY = firstIsStart ? wall.Y2 : wall.Y1;
  l.Dx = AxisX(l.EndX) - AxisX(l.StartX);
  l.Dy = AxisY(l.EndY) - AxisY(l.StartY);
  l.Length = std::sqrt(l.Dx * l.Dx + l.Dy * l.Dy);
  l.Slope = l.Dx == 0.0 ? VerticalSlope : l.Dy / l.Dx;
  return l;
}

bool SlopesCollinear(double reference, double candidate) {
  if (candidate == 0.0) return reference == 0.0;
  const double ratio = reference / candidate;
  return ratio >= CollinearRatioMin && ratio <= CollinearRatioMax;
}

int32_t ColumnTypeAt(int32_t storey, int32_t x, int32_t y) {
  const int32_t v = CurrentVariant;
  if (!ValidVariant(v) || storey < 0 || storey >= StoreyCount) return 0;
  return GridPointColumnType(GridPointValueAt(v, storey, x, y));
}

void FillBraceEndCodes() {
  const int32_t v = CurrentVariant;
  if (!ValidVariant(v)) return;
  for (int32_t s = 0; s <= TopStoreyOf(v); ++s) FillStoreyBraceEndCodes(v, s);
}

void SetBearingFlags() {
  const int32_t v = CurrentVariant;
  if (!ValidVariant(v)) return;
  for (int32_t s = 0; s <= TopStoreyOf(v); ++s) SetStoreyBearingFlags(v, s);
}

void MeasureWallsAndOpeningRuns() {
  const int32_t v = CurrentVariant;
  if (!ValidVariant(v)) return;
  for (int32_t s = 0; s <= TopStoreyOf(v); ++s) MeasureStorey(v, s);
}

int32_t AccumulateWallLine(int32_t storey, int32_t excludedWall, double& runLength, int32_t direction,
                           int32_t xA, int32_t yA, int32_t xB, int32_t yB, double slope, int32_t startType,
                           double startStrength, int32_t startWall) {
  const int32_t v = CurrentVariant;
  if (!ValidVariant(v) || storey < 0 || storey >= StoreyCount) return 0;
  const int32_t n = WallCountOf(v, storey);
  // On a sound line every step takes a wall nearer the line's end, so no wall
  // is taken twice; only coincident zero-length walls could make a circle.
  for (int32_t step = 0; step <= n; ++step) {
    WallLine tl;
    const int32_t taken = NextWallOnLine(v, storey, excludedWall, direction, xA, yA, xB, yB, slope, true, tl);
    if (taken < 0) return 0;
    const WallCaseResult& tr = WallResults[v][storey][taken].Blocks[0];
    if (IsSolidType(tr.WallType)) {
      // The taken wall's base strength is the previous recalculation's, as for the opening wall.
      if (tr.HasBearingElements == 1 && PassesRevisionRule(startStrength, tr.BaseStrength)) return 1;
      if (ProjectSettings.UnratedSolidWallRule == UnratedSolidSameLength) runLength += tl.Length;
    } else {
      runLength += tl.Length;
      if (startType % 8 < tr.WallType % 8 && startWall >= 0 && startWall < n)
        WallResults[v][storey][startWall].Blocks[0].WallType = 8 * (startType / 8) + tr.WallType % 8;
    }
    excludedWall = taken;
    xA = tl.StartX, yA = tl.StartY, xB = tl.EndX, yB = tl.EndY;
    slope = tl.Slope;
  }
  return 0;
}

int32_t FindSupportedLineEnd(int32_t storey, int32_t excludedWall, int32_t direction, int32_t xA, int32_t yA,
                             int32_t xB, int32_t yB, double slope) {
  const int32_t v = CurrentVariant;
  if (!ValidVariant(v) || storey < 0 || storey >= StoreyCount) return 0;
  const int32_t n = WallCountOf(v, storey);
  for (int32_t step = 0; step <= n; ++step) {
    const int32_t type = direction == 1 ? ColumnTypeAt(storey, xA, yA) : ColumnTypeAt(storey, xB, yB);
    if (type == 2 || type == 3) return 1;
    WallLine tl;
    const int32_t taken =
        NextWallOnLine(v, storey, excludedWall, direction, xA, yA, xB, yB, slope, false, tl);
    if (taken < 0) return 0;
    excludedWall = taken;
    xA = tl.StartX, yA = tl.StartY, xB = tl.EndX, yB = tl.EndY;
    slope = tl.Slope;
  }
  return 0;
}
