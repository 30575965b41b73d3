#include "evaluation/ColumnNValues.h"

#include <cmath>
#include <cstring>

#include "analysis/ColumnOrdering.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "analysis/WallStrength.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/TextCodec.h"

int32_t ColumnOrderY[VariantCount][StoreyCount][MaxColumnsPerStorey];
AxialForceNgPoint AxialForceNgPosition[VariantCount][StoreyCount];
HandDownList<UpperHandDownCapacity> UpperHandDowns[VariantCount][StoreyCount - 1];
HandDownList<TopHandDownCapacity> TopHandDowns[VariantCount];

// Brace-end codes (the wall topology writes them): 0 no brace; then, per
// brace class, the end at a wall's first point (the brace's foot), at its
// second point (its head) and a crossed brace: 1, 2, 3 for braces lighter
// than 90x30 and the user braces, 5, 6, 7 for 90x30, 9, 10, 11 for 90x45 and
// 13, 14, 15 for 90x90. Codes 4, 8 and 12 never occur. The correction
// depends on the two braces at the column, never on which side each stands:
// the table is symmetric.
// clang-format off
const double BraceCorrectionTable[BraceEndCodeCount][BraceEndCodeCount] = {
    { 0.0,  0.0,  0.0,  0.0,  0.0, -0.5,  0.5,  0.0,  0.0, -0.5,  0.5,  0.0,  0.0, -2.0,  2.0,  0.0},  // 0
    { 0.0,  0.0,  0.0,  0.0,  0.0, -0.5,  0.5,  0.0,  0.0, -0.5,  0.5,  0.5,  0.0,  2.0,  2.0,  0.0},  // 1
    { 0.0,  0.0,  0.0,  0.0,  0.0,  0.5,  0.5,  0.0,  0.0,  0.5,  0.5,  0.5,  0.0,  2.0,  2.0,  0.0},  // 2
    { 0.0,  0.0,  0.0,  0.0,  0.0,  0.5,  0.5,  0.0,  0.0,  0.5,  0.5,  0.0,  0.0,  2.0,  2.0,  0.0},  // 3
    { 0.0,  0.0,  0.0,  0.0,  0.0, -0.5,  0.5,  0.0,  0.0, -0.5,  0.5,  0.0,  0.0, -2.0,  2.0,  0.0},  // 4
    {-0.5, -0.5,  0.5,  0.5, -0.5,  0.0,  1.0,  0.0, -0.5,  0.0,  1.0,  0.5, -0.5,  0.0,  2.5,  0.0},  // 5
    { 0.5,  0.5,  0.5,  0.5,  0.5,  1.0,  1.0,  0.5,  0.5,  1.0,  1.0,  0.5,  0.5,  2.5,  2.5,  0.5},  // 6
    { 0.0,  0.0,  0.0,  0.0,  0.0,  0.0,  0.5,  0.0,  0.0,  0.0,  0.5,  0.0,  0.0,  0.0,  2.0,  0.0},  // 7
    { 0.0,  0.0,  0.0,  0.0,  0.0, -0.5,  0.5,  0.0,  0.0, -0.5,  0.5,  0.0,  0.0, -2.0,  2.0,  0.0},  // 8
    {-0.5, -0.5,  0.5,  0.5, -0.5,  0.0,  1.0,  0.0, -0.5,  0.0,  1.0,  0.0, -0.5,  0.0,  2.5,  0.0},  // 9
    { 0.5,  0.5,  0.5,  0.5,  0.5,  1.0,  1.0,  0.5,  0.5,  1.0,  1.0,  0.5,  0.5,  2.5,  2.5,  0.5},  // 10
    { 0.0,  0.5,  0.5,  0.0,  0.0,  0.5,  0.5,  0.0,  0.0,  0.0,  0.5,  0.0,  0.0,  2.0,  2.0,  0.0},  // 11
    { 0.0,  0.0,  0.0,  0.0,  0.0, -0.5,  0.5,  0.0,  0.0, -0.5,  0.5,  0.0,  0.0, -2.0,  2.0,  0.0},  // 12
    {-2.0,  2.0,  2.0,  2.0, -2.0,  0.0,  2.5,  0.0, -2.0,  0.0,  2.5,  2.0, -2.0,  0.0,  4.0,  2.0},  // 13
    { 2.0,  2.0,  2.0,  2.0,  2.0,  2.5,  2.5,  2.0,  2.0,  2.5,  2.5,  2.0,  2.0,  4.0,  4.0,  2.0},  // 14
    { 0.0,  0.0,  0.0,  0.0,  0.0,  0.0,  0.5,  0.0,  0.0,  0.0,  0.5,  0.0,  0.0,  2.0,  2.0,  0.0},  // 15
};
// clang-format on

namespace {

// Counts from a damaged file may lie outside 0..max.

// Record index of the column standing at each grid point of a storey, -1 for
// none. Where two records share a point the later one counts, as in the map.
int16_t columnAt[StoreyCount][GridAxisCountX][GridAxisCountY];

void MapColumns(int v, int s, int32_t n) {
  std::memset(columnAt[s], 0xff, sizeof columnAt[s]);
  for (int32_t i = 0; i < n; ++i) {
    const ColumnRecord& c = Columns[v][s][i];
    if (OnGrid(c.X, c.Y)) columnAt[s][c.X][c.Y] = static_cast<int16_t>(i);
  }
}

int32_t ColumnAt(int s, int32_t x, int32_t y) { return OnGrid(x, y) ? columnAt[s][x][y] : -1; }

// Y descending, within one Y index X ascending.
void SortColumnsByY(int v, int s, int32_t n) {
  const ColumnRecord* columns = Columns[v][s];
  int64_t minusY[MaxColumnsPerStorey], x[MaxColumnsPerStorey];
  for (int32_t j = 0; j < n; ++j) minusY[j] = -int64_t{columns[j].Y}, x[j] = columns[j].X;
  OrderByTwoKeys(minusY, x, n, ColumnOrderY[v][s]);
}

void ResetColumn(ColumnResult& r) {
  r.Pw1X = r.Pw1Y = r.A1X = r.A1Y = 0.0;
  r.UpperCount = r.TopCount = 0;
  for (int k = 0; k < UpperEntryCount; ++k) {
    r.Pw2X[k] = r.Pw2Y[k] = r.A2X[k] = r.A2Y[k] = 0.0;
    r.UpperPwX[k] = r.UpperPwY[k] = r.UpperAX[k] = r.UpperAY[k] = 0.0;
    r.UpperDistA[k] = r.UpperDistB[k] = r.B2[k] = 0.0;
    r.UpperNo[k] = -1;
  }
  for (int k = 0; k < TopEntryCount; ++k) {
    r.Pw3X[k] = r.Pw3Y[k] = r.A3X[k] = r.A3Y[k] = 0.0;
    r.TopPwX[k] = r.TopPwY[k] = r.TopAX[k] = r.TopAY[k] = 0.0;
    r.TopDistA[k] = r.TopDistB[k] = r.B3[k] = 0.0;
    r.TopNo[k] = -1;
  }
}

// B1 and the vertical-load coefficient L (with snow only while snow is set).
void SetLoadCoefficients(int v, int s, int32_t n, int top) {
  const double snow = ProjectSettings.SnowLoad;
  for (int32_t i = 0; i < n; ++i) {
    const ColumnRecord& c = Columns[v][s][i];
    const int32_t m = GridPointValueAt(v, s, c.X, c.Y);
    const bool corner = GridPointIsOuterCorner(m);
    double l;
    if (!GridPointHasFloor(m))
      l = corner ? 0.4 : 0.6;
    else if (s == 0 && top == 2 && GridPointHasFloor(GridPointValueAt(v, 1, c.X, c.Y)))
      l = corner ? 1.6 : 2.6;  // two storeys stand on it
    else
      l = corner ? 1.0 : 1.6;
    ColumnResult& r = ColumnResults[v][s][i];
    r.B1 = corner ? 0.8 : 0.5;
    r.L = l;
    if (snow != 0.0) ColumnSnowResults[v][s][i].L = l + (corner ? 2.1539 : 3.8462) * snow;
  }
}

template <typename Row>
const Row* RowAt(const Row* table, int rows, int32_t index) {
  return index >= 0 && index < rows ? &table[index] : nullptr;
}

// The wall magnification A that a wall adds at its ends.
double WallMagnification(const WallRecord& w, const WallCaseResult& r) {
  if (r.EffectiveLength == 0.0) return 0.0;
  const int32_t braceRow = BraceTableRowOf(w.BraceKind, w.BraceEndJoint);
  const ElementSpecRow* mud = RowAt(MudWallTable, MudWallTableRows, w.MudWallKind);
  const PanelSpecRow* left = RowAt(PanelTable, PanelTableRows, w.PanelLeft);
  const PanelSpecRow* right = RowAt(PanelTable, PanelTableRows, w.PanelRight);
  if (ProjectSettings.NValueWallFactor == NValueDefinedFactorsOnly) {
    return BraceWallFactor(braceRow, w.BraceArrangement) + (mud ? mud->WallFactor : 0.0) +
           (left ? left->WallFactor : 0.0) + (right ? right->WallFactor : 0.0);
  }
  const double t = w.BraceArrangement == 1 ? 2.0 : 1.0;
  const ElementSpecRow* brace = RowAt(BraceTable, BraceTableRows, braceRow);
  const double strength = t * (brace ? brace->Strength : 0.0) + (mud ? mud->Strength : 0.0) +
                          (left ? left->Strength : 0.0) + (right ? right->Strength : 0.0);
  return r.OpeningFactor * strength / 1.96;
}

double BraceCorrection(int32_t towardsSmaller, int32_t towardsLarger) {
  if (towardsSmaller < 0 || towardsSmaller >= BraceEndCodeCount || towardsLarger < 0 ||
      towardsLarger >= BraceEndCodeCount)
    return 0.0;
  return BraceCorrectionTable[towardsSmaller][towardsLarger];
}

// Each column collects the walls on its larger-index side minus those on its
// smaller-index side, then the absolute value and the brace-end correction.
void AddOwnValues(int v, int s, int32_t columnCount) {
  const int32_t n = ListLength(WallCount[v][s], MaxWallsPerStorey);
  if (n == 0) return;
  ColumnResult* results = ColumnResults[v][s];
  for (int32_t i = 0; i < n; ++i) {
    const WallRecord& w = Walls[v][s][i];
    const WallCaseResult& r = WallResults[v][s][i].Blocks[0];
    const double pw = r.EffectiveLength != 0.0 ? r.ReducedStrength : 0.0;
    const double a = WallMagnification(w, r);
    const int32_t first = ColumnAt(s, w.X1, w.Y1);
    const int32_t second = ColumnAt(s, w.X2, w.Y2);
    if (w.Y1 == w.Y2 || w.X1 == w.X2) {
      const bool alongX = w.Y1 == w.Y2;
      const double sign = (alongX ? w.X1 < w.X2 : w.Y1 < w.Y2) ? 1.0 : -1.0;
      if (first >= 0) {
        (alongX ? results[first].Pw1X : results[first].Pw1Y) += sign * pw;
        (alongX ? results[first].A1X : results[first].A1Y) += sign * a;
      }
      if (second >= 0) {
        (alongX ? results[second].Pw1X : results[second].Pw1Y) -= sign * pw;
        (alongX ? results[second].A1X : results[second].A1Y) -= sign * a;
      }
    } else {
      for (const int32_t c : {first, second}) {
        if (c < 0) continue;
        results[c].Pw1X += pw;
        results[c].Pw1Y += pw;
        results[c].A1X += a;
        results[c].A1Y += a;
      }
    }
  }
  for (int32_t i = 0; i < columnCount; ++i) {
    ColumnResult& r = results[i];
    r.Pw1X = std::fabs(r.Pw1X);
    r.Pw1Y = std::fabs(r.Pw1Y);
    r.A1X = std::fabs(r.A1X);
    r.A1Y = std::fabs(r.A1Y);
    const ColumnRecord& c = Columns[v][s][i];
    if (!OnGrid(c.X, c.Y)) continue;
    const BraceEndCodes& codes = BraceEndMap[v][s][c.X][c.Y];
    r.A1X += BraceCorrection(codes.Side[BraceEndTowardsSmallerX], codes.Side[BraceEndTowardsLargerX]);
    r.A1Y += BraceCorrection(codes.Side[BraceEndTowardsSmallerY], codes.Side[BraceEndTowardsLargerY]);
  }
}

template <int Capacity>
void ClearList(HandDownList<Capacity>& list) {
  list.Count = 0;
  for (int c = 0; c < MaxColumnsPerStorey; ++c) {
    list.First[c] = list.Last[c] = -1;
    list.ColumnEntries[c] = 0;
  }
}

// What one column (or one entry it carries) hands down.
struct Passed {
  int32_t No;
  double PwX, PwY, AX, AY;
  double B;
};

// Where the shares of one storey go: the complete list and the slots of the carrying columns.
template <int Capacity>
struct Receiver {
  HandDownList<Capacity>& list;
  ColumnResult* carriers;
  bool twoUp;
};

template <int Capacity>
void Deliver(Receiver<Capacity>& to, const HandDownEntry& e) {
  HandDownList<Capacity>& list = to.list;
  if (list.Count >= Capacity) return;  // unreachable: the capacity bounds what a storey can receive
  const int32_t index = list.Count++;
  list.Entries[index] = e;
  list.Entries[index].Next = -1;
  if (list.First[e.Column] < 0)
    list.First[e.Column] = index;
  else
    list.Entries[list.Last[e.Column]].Next = index;
  list.Last[e.Column] = index;
  ++list.ColumnEntries[e.Column];

  ColumnResult& r = to.carriers[e.Column];
  if (!to.twoUp) {
    if (r.UpperCount >= UpperEntryCount) return;
    const int k = r.UpperCount++;
    r.UpperNo[k] = e.FromNo;
    r.Pw2X[k] = e.PwX, r.Pw2Y[k] = e.PwY, r.A2X[k] = e.AX, r.A2Y[k] = e.AY;
    r.UpperPwX[k] = e.FromPwX, r.UpperPwY[k] = e.FromPwY, r.UpperAX[k] = e.FromAX, r.UpperAY[k] = e.FromAY;
    r.UpperDistA[k] = e.DistA, r.UpperDistB[k] = e.DistB;
    r.B2[k] = e.B;
  } else {
    if (r.TopCount >= TopEntryCount) return;
    const int k = r.TopCount++;
    r.TopNo[k] = e.FromNo;
    r.Pw3X[k] = e.PwX, r.Pw3Y[k] = e.PwY, r.A3X[k] = e.AX, r.A3Y[k] = e.AY;
    r.TopPwX[k] = e.FromPwX, r.TopPwY[k] = e.FromPwY, r.TopAX[k] = e.FromAX, r.TopAY[k] = e.FromAY;
    r.TopDistA[k] = e.DistA, r.TopDistB[k] = e.DistB;
    r.B3[k] = e.B;
  }
}

HandDownEntry DirectEntry(const Passed& from, int32_t column) {
  HandDownEntry e{};
  e.Column = column;
  e.FromNo = from.No;
  e.PwX = e.FromPwX = from.PwX;
  e.PwY = e.FromPwY = from.PwY;
  e.AX = e.FromAX = from.AX;
  e.AY = e.FromAY = from.AY;
  e.B = from.B;
  return e;
}

// An entry of one direction's values, scaled by the share factor.
HandDownEntry DirectionEntry(const Passed& from, int32_t column, bool xValues, double factor, double distA,
                             double distB) {
  HandDownEntry e{};
  e.Column = column;
  e.FromNo = from.No;
  if (xValues) {
    e.FromPwX = from.PwX, e.FromAX = from.AX;
    e.PwX = from.PwX * factor, e.AX = from.AX * factor;
  } else {
    e.FromPwY = from.PwY, e.FromAY = from.AY;
    e.PwY = from.PwY * factor, e.AY = from.AY * factor;
  }
  e.DistA = distA, e.DistB = distB;
  e.B = from.B;
  return e;
}

// The nearest column point of the storey below in one direction: its axis
// index and column record, axis -1 when there is none.
struct Neighbour {
  int32_t axis = -1;
  int32_t column = -1;
};

// The two neighbours along one axis line and the positions of that line's axes.
struct AxisNeighbours {
  Neighbour minus, plus;
  const double* positions;
  int32_t at;
};

struct Neighbours {
  AxisNeighbours x, y;
};

Neighbours FindNeighbours(int v, int t, int32_t x, int32_t y) {
  Neighbours n;
  n.x.positions = GridAxisX, n.x.at = x;
  n.y.positions = GridAxisY, n.y.at = y;
  if (!OnGrid(x, y)) return n;
  const int32_t minX = MaxInt(UsedExtentMinX[v][t], 0),
                maxX = MinInt(UsedExtentMaxX[v][t], GridAxisCountX - 1);
  const int32_t minY = MaxInt(UsedExtentMinY[v][t], 0),
                maxY = MinInt(UsedExtentMaxY[v][t], GridAxisCountY - 1);
  auto holds = [&](int32_t px, int32_t py, int32_t axis, Neighbour& found) {
    if (GridPointColumnType(GridPointMap[v][t][px][py]) == 0 || columnAt[t][px][py] < 0) return false;
    found.axis = axis;
    found.column = columnAt[t][px][py];
    return true;
  };
  for (int32_t px = x; px >= minX; --px)
    if (holds(px, y, px, n.x.minus)) break;
  for (int32_t px = x; px <= maxX; ++px)
    if (holds(px, y, px, n.x.plus)) break;
  for (int32_t py = y; py >= minY; --py)
    if (holds(x, py, py, n.y.minus)) break;
  for (int32_t py = y; py <= maxY; ++py)
    if (holds(x, py, py, n.y.plus)) break;
  return n;
}

// Splits one direction's values between the two neighbours of an axis line
// in inverse proportion to their distances.
template <int Capacity>
void Split(Receiver<Capacity>& to, const Passed& from, bool xValues, const AxisNeighbours& line) {
  const double at = line.positions[line.at];
  const double a = at - line.positions[line.minus.axis];
  const double b = line.positions[line.plus.axis] - at;
  const double d = line.positions[line.plus.axis] - line.positions[line.minus.axis];
  double toMinus = b / d, toPlus = a / d;
  // Neighbours at the same position as each other: each carries half.
  if (!std::isfinite(toMinus) || !std::isfinite(toPlus)) toMinus = toPlus = 0.5;
  Deliver(to, DirectionEntry(from, line.minus.column, xValues, toMinus, a, b));
  Deliver(to, DirectionEntry(from, line.plus.column, xValues, toPlus, b, a));
}

// Hands one direction's values down: a split along that direction's line,
// else along the other line, else whole to the nearest single neighbour.
// False when no column takes them.
template <int Capacity>
bool HandDownDirection(Receiver<Capacity>& to, const Passed& from, bool xValues, const Neighbours& n) {
  const AxisNeighbours& along = xValues ? n.x : n.y;
  const AxisNeighbours& across = xValues ? n.y : n.x;
  if (along.minus.axis >= 0 && along.plus.axis >= 0) {
    Split(to, from, xValues, along);
    return true;
  }
  if (across.minus.axis >= 0 && across.plus.axis >= 0) {
    Split(to, from, xValues, across);
    return true;
  }
  for (const Neighbour* single : {&along.minus, &along.plus, &across.minus, &across.plus}) {
    if (single->axis >= 0) {
      Deliver(to, DirectionEntry(from, single->column, xValues, 1.0, 0.0, 0.0));
      return true;
    }
  }
  return false;
}

// Hands values from grid point (x, y) down to storey t.
template <int Capacity>
void HandDown(Receiver<Capacity>& to, int v, int t, const Passed& from, int32_t x, int32_t y,
              AxialForceNgPoint& ng) {
  const int32_t below = ColumnAt(t, x, y);
  if (below >= 0) {
    Deliver(to, DirectEntry(from, below));
    return;
  }
  if (from.PwX == 0.0 && from.PwY == 0.0) return;
  const Neighbours n = FindNeighbours(v, t, x, y);
  if (from.PwX != 0.0 && !HandDownDirection(to, from, true, n)) ng = {x, y};
  if (from.PwY != 0.0 && !HandDownDirection(to, from, false, n)) ng = {x, y};
}

// Every column of storey s hands its own values to storey s - 1.
void HandDownStorey(int v, int s) {
  const int t = s - 1;
  Receiver<UpperHandDownCapacity> to{UpperHandDowns[v][t], ColumnResults[v][t], false};
  const int32_t n = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
  for (int32_t p = 0; p < n; ++p) {
    const int32_t i = ColumnOrderX[v][s][p];
    const ColumnRecord& c = Columns[v][s][i];
    const ColumnResult& r = ColumnResults[v][s][i];
    const Passed from{p + 1, r.Pw1X, r.Pw1Y, r.A1X, r.A1Y, r.B1};
    HandDown(to, v, t, from, c.X, c.Y, AxialForceNgPosition[v][s]);
  }
}

// Every share that a second-storey column carries for the third storey goes
// on down to the first storey, all of them, not only those in its slots.
void HandDownTwoUp(int v) {
  Receiver<TopHandDownCapacity> to{TopHandDowns[v], ColumnResults[v][0], true};
  const HandDownList<UpperHandDownCapacity>& carried = UpperHandDowns[v][1];
  const int32_t n = ListLength(ColumnCount[v][1], MaxColumnsPerStorey);
  for (int32_t p = 0; p < n; ++p) {
    const int32_t m = ColumnOrderX[v][1][p];
    const ColumnRecord& c = Columns[v][1][m];
    for (int32_t k = carried.First[m]; k >= 0; k = carried.Entries[k].Next) {
      const HandDownEntry& e = carried.Entries[k];
      const Passed from{p + 1, e.PwX, e.PwY, e.AX, e.AY, e.B};
      HandDown(to, v, 0, from, c.X, c.Y, AxialForceNgPosition[v][0]);
    }
  }
}

void AbsoluteEntry(HandDownEntry& e) {
  e.PwX = std::fabs(e.PwX), e.PwY = std::fabs(e.PwY);
  e.AX = std::fabs(e.AX), e.AY = std::fabs(e.AY);
  e.B = std::fabs(e.B);
}

// Sums of PW x B and A x B per column: SPX, SPY, SAX, SAY.
struct Sums {
  double px, py, ax, ay;
};

template <int Capacity>
void AddEntries(HandDownList<Capacity>& list, Sums* sums) {
  for (int32_t k = 0; k < list.Count; ++k) {
    HandDownEntry& e = list.Entries[k];
    AbsoluteEntry(e);
    Sums& s = sums[e.Column];
    s.px += e.PwX * e.B;
    s.py += e.PwY * e.B;
    s.ax += e.AX * e.B;
    s.ay += e.AY * e.B;
  }
}

void ComputeNValues(int v, int s, int top) {
  const int32_t n = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
  Sums sums[MaxColumnsPerStorey];
  for (int32_t i = 0; i < n; ++i) {
    ColumnResult& r = ColumnResults[v][s][i];
    r.Pw1X = std::fabs(r.Pw1X), r.Pw1Y = std::fabs(r.Pw1Y);
    r.A1X = std::fabs(r.A1X), r.A1Y = std::fabs(r.A1Y);
    sums[i] = {std::fabs(r.Pw1X * r.B1), std::fabs(r.Pw1Y * r.B1), std::fabs(r.A1X * r.B1),
               std::fabs(r.A1Y * r.B1)};
    for (int k = 0; k < r.UpperCount; ++k) {
      r.Pw2X[k] = std::fabs(r.Pw2X[k]), r.Pw2Y[k] = std::fabs(r.Pw2Y[k]);
      r.A2X[k] = std::fabs(r.A2X[k]), r.A2Y[k] = std::fabs(r.A2Y[k]);
      r.B2[k] = std::fabs(r.B2[k]);
    }
    for (int k = 0; k < r.TopCount; ++k) {
      r.Pw3X[k] = std::fabs(r.Pw3X[k]), r.Pw3Y[k] = std::fabs(r.Pw3Y[k]);
      r.A3X[k] = std::fabs(r.A3X[k]), r.A3Y[k] = std::fabs(r.A3Y[k]);
      r.B3[k] = std::fabs(r.B3[k]);
    }
  }
  if (s < top && s < StoreyCount - 1) AddEntries(UpperHandDowns[v][s], sums);
  if (s == 0 && top == 2) AddEntries(TopHandDowns[v], sums);
  for (int32_t i = 0; i < n; ++i) {
    ColumnResult& r = ColumnResults[v][s][i];
    const Sums& sum = sums[i];
    r.ToX = (sum.px - 1.96 * r.L) * 2.7;
    r.ToY = (sum.py - 1.96 * r.L) * 2.7;
    r.NX = sum.ax - r.L;
    r.NY = sum.ay - r.L;
    ColumnSnowResult& snow = ColumnSnowResults[v][s][i];
    snow.ToX = (sum.px - 1.96 * snow.L) * 2.7;
    snow.ToY = (sum.py - 1.96 * snow.L) * 2.7;
    snow.NX = sum.ax - snow.L;
    snow.NY = sum.ay - snow.L;
  }
}

}  // namespace

void ComputeColumnNValues() {
  const int32_t v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  const int top = MinInt(ProjectSettings.TopStorey[v], StoreyCount - 1);

  for (AxialForceNgPoint& ng : AxialForceNgPosition[v]) ng = NoAxialForceNg;
  for (auto& list : UpperHandDowns[v]) ClearList(list);
  ClearList(TopHandDowns[v]);

  SortColumnIndex();
  for (int s = 0; s <= top; ++s) {
    const int32_t n = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
    MapColumns(v, s, n);
    if (n > 0) SortColumnsByY(v, s, n);
    for (int32_t i = 0; i < n; ++i) ResetColumn(ColumnResults[v][s][i]);
    SetLoadCoefficients(v, s, n, top);
    AddOwnValues(v, s, n);
  }
  for (int s = 1; s <= top; ++s) HandDownStorey(v, s);
  if (top == 2) HandDownTwoUp(v);
  for (int s = 0; s <= top; ++s) ComputeNValues(v, s, top);
}
