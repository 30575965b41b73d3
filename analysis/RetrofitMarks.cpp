#include "analysis/RetrofitMarks.h"

#include <algorithm>
#include <compare>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "analysis/WallLines.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

int32_t AxisUseX[VariantCount][StoreyCount][AxisLineCount];
int32_t AxisUseY[VariantCount][StoreyCount][AxisLineCount];
int32_t UsedAxisCountX[VariantCount];
int32_t UsedAxisCountY[VariantCount];
int32_t UsedAxesX[GridAxisCountX];
int32_t UsedAxesY[GridAxisCountY];

static_assert(GridAxisCountX <= AxisLineCount && GridAxisCountY <= AxisLineCount);

namespace {

constexpr int32_t StrongBraceKind = 6;  // "90x90" and the rows after it
constexpr int32_t BraceEndJoint20 = 2;  // "2.0"
constexpr double LongBraceWall = 1.5;   // m
constexpr double LargeNValue = 1.800001;
constexpr double LargeConvertedForce = 9.53;  // kN

// Counts and storey numbers come from files; keep them inside the arrays.

// Walls of one storey sorted by their two end points taken lowest point first,
// so that the walls between the same two points, whichever way round they
// were drawn, stand together and are found by binary search. Among them the
// walls that would mark a plan wall alike (same direction, same values
// compared) are kept once: a storey of walls stacked on the same points then
// costs one comparison per kind of wall, not one per pair.
struct WallEnds {
  int32_t ax, ay, bx, by;  // (ax, ay) <= (bx, by) in (x, y) order
  int32_t index;           // record index in the storey's list
};

// What ChangeMark compares of a current-state wall, and its direction.
struct WallTraits {
  int32_t reversed;  // drawn from the higher end to the lower
  int32_t opening, braceKind, braceArrangement, braceEndJoint, mudWall;
  int32_t panelLeft, panelRight, deterioration, jointSpec, foundationClass;

  auto operator<=>(const WallTraits&) const = default;
};

struct WallEntry {
  WallEnds ends;
  WallTraits traits;
};

bool EndsBefore(const WallEnds& p, const WallEnds& q) {
  if (p.ax != q.ax) return p.ax < q.ax;
  if (p.ay != q.ay) return p.ay < q.ay;
  if (p.bx != q.bx) return p.bx < q.bx;
  return p.by < q.by;
}

bool SameEnds(const WallEnds& p, const WallEnds& q) {
  return p.ax == q.ax && p.ay == q.ay && p.bx == q.bx && p.by == q.by;
}

bool FirstIsLower(const WallRecord& w) { return w.X1 < w.X2 || (w.X1 == w.X2 && w.Y1 <= w.Y2); }

WallEnds EndsOf(const WallRecord& w, int32_t index) {
  return FirstIsLower(w) ? WallEnds{w.X1, w.Y1, w.X2, w.Y2, index} : WallEnds{w.X2, w.Y2, w.X1, w.Y1, index};
}

WallTraits TraitsOf(const WallRecord& c, const WallCaseResult& cr) {
  return {FirstIsLower(c) ? 0 : 1, c.OpeningKind, c.BraceKind,       c.BraceArrangement,
          c.BraceEndJoint,         c.MudWallKind, c.PanelLeft,       c.PanelRight,
          c.Deterioration,         cr.JointSpec,  cr.FoundationClass};
}

// The current state's walls of one storey, indexed by their end points.
struct WallIndex {
  WallEntry entries[MaxWallsPerStorey];
  int32_t count = 0;

  void Build(int s) {
    const int32_t walls = ListLength(WallCount[CurrentState][s], MaxWallsPerStorey);
    for (int32_t k = 0; k < walls; ++k) {
      const WallRecord& c = Walls[CurrentState][s][k];
      entries[k] = {EndsOf(c, k), TraitsOf(c, WallResults[CurrentState][s][k].Blocks[0])};
    }
    std::sort(entries, entries + walls, [](const WallEntry& p, const WallEntry& q) {
      if (!SameEnds(p.ends, q.ends)) return EndsBefore(p.ends, q.ends);
      return p.traits < q.traits;
    });
    // One entry for each set of alike walls: they add the same marks.
    count = 0;
    for (int32_t k = 0; k < walls; ++k)
      if (count == 0 || !SameEnds(entries[count - 1].ends, entries[k].ends) ||
          entries[count - 1].traits != entries[k].traits)
        entries[count++] = entries[k];
  }

  std::pair<const WallEntry*, const WallEntry*> Between(const WallEnds& ends) const {
    return std::equal_range(
        entries, entries + count, WallEntry{ends, {}},
        [](const WallEntry& p, const WallEntry& q) { return EndsBefore(p.ends, q.ends); });
  }
};

// Grid points with columns on one storey, sorted, each once.
struct ColumnPoint {
  int32_t x, y;
  bool largeDemand;  // a column there has a large end demand (first storey)
};

bool PointBefore(const ColumnPoint& p, const ColumnPoint& q) { return p.x != q.x ? p.x < q.x : p.y < q.y; }

bool LargeColumnEndDemand(const ColumnResult& c, int32_t method);

struct ColumnIndex {
  ColumnPoint entries[MaxColumnsPerStorey];
  int32_t count = 0;

  // With demand, each point also tells whether any of its columns has a
  // large end demand under the project's hardware method.
  void Build(int v, int s, bool demand) {
    const int32_t columns = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
    const int32_t method = ProjectSettings.JointHardwareMethod;
    for (int32_t c = 0; c < columns; ++c)
      entries[c] = {Columns[v][s][c].X, Columns[v][s][c].Y,
                    demand && LargeColumnEndDemand(ColumnResults[v][s][c], method)};
    std::sort(entries, entries + columns, PointBefore);
    count = 0;
    for (int32_t c = 0; c < columns; ++c) {
      if (count > 0 && entries[count - 1].x == entries[c].x && entries[count - 1].y == entries[c].y)
        entries[count - 1].largeDemand = entries[count - 1].largeDemand || entries[c].largeDemand;
      else
        entries[count++] = entries[c];
    }
  }

  // The point (x, y) when a column stands there, else null.
  const ColumnPoint* At(int32_t x, int32_t y) const {
    const ColumnPoint* p = std::lower_bound(entries, entries + count, ColumnPoint{x, y, false}, PointBefore);
    return p != entries + count && p->x == x && p->y == y ? p : nullptr;
  }
};

// Scratch for one storey at a time; the chain allocates nothing per paint.
WallIndex CurrentStateWalls;
ColumnIndex ColumnsOfStorey;

// What plan wall j of variant a, storey s changes against the current state,
// whose walls of storey s are in CurrentStateWalls.
int32_t ChangeMark(int a, int s, int j) {
  const WallRecord& w = Walls[a][s][j];
  const WallCaseResult& r = WallResults[a][s][j].Blocks[0];
  const bool wFirstIsLower = FirstIsLower(w);
  int32_t mark = 0;
  bool matched = false;
  // Every matching wall adds its differences: a current state with two walls
  // between the same points marks what differs from either.
  const auto [first, last] = CurrentStateWalls.Between(EndsOf(w, j));
  for (const WallEntry* e = first; e != last; ++e) {
    const WallTraits& c = e->traits;
    // Same end points: drawn the same way round unless one of the two runs
    // from its higher end. A wall of one point is never reversed.
    const bool reversed = (c.reversed != 0) != !wFirstIsLower && !(w.X1 == w.X2 && w.Y1 == w.Y2);
    matched = true;
    if (w.OpeningKind != c.opening) mark |= RetrofitChangeOpening;
    if (w.BraceKind != c.braceKind || w.BraceArrangement != c.braceArrangement ||
        w.BraceEndJoint != c.braceEndJoint || w.MudWallKind != c.mudWall)
      mark |= RetrofitChangeBrace;
    if (r.JointSpec != c.jointSpec) mark |= RetrofitChangeJointClass;
    if (w.PanelLeft != c.panelLeft) mark |= RetrofitChangePanelLeft;
    if (w.PanelRight != c.panelRight) mark |= RetrofitChangePanelRight;
    if (w.Deterioration != c.deterioration) mark |= RetrofitChangeDeterioration;
    if (r.FoundationClass != c.foundationClass) mark |= RetrofitChangeFoundation;
    // A one-way brace works the other way round when the wall is reversed. A
    // wall without a known brace keeps arrangement 0 too but has no direction
    // to turn, so drawing it the other way round changes nothing.
    if (reversed && w.BraceKind > 1 && w.BraceArrangement == 0) mark |= RetrofitChangeBrace;
  }
  if (!matched) mark |= RetrofitChangeNewWall;
  return mark;
}

bool LargeColumnEndDemand(const ColumnResult& c, int32_t method) {
  if (method == HardwareByConvertedNValue) return c.ToX > LargeConvertedForce || c.ToY > LargeConvertedForce;
  if (method == HardwareByNValue) return c.NX > LargeNValue || c.NY > LargeNValue;
  return false;  // allowable stress: no demand to judge
}

// Caution bits of changed wall j of variant a, storey s; ColumnsOfStorey holds
// the columns of variant a on storey s - 1 (on storey 0, of storey 0).
int32_t CautionsOf(int a, int s, int j) {
  const WallRecord& w = Walls[a][s][j];
  int32_t bits = 0;
  if (w.BraceKind >= StrongBraceKind && w.BraceEndJoint == BraceEndJoint20 &&
      WallResults[a][s][j].Blocks[0].Length > LongBraceWall)
    bits |= CautionBraceHardware;

  const ColumnPoint* start = ColumnsOfStorey.At(w.X1, w.Y1);
  const ColumnPoint* end = ColumnsOfStorey.At(w.X2, w.Y2);
  if (s > 0) {
    if (!start || !end) bits |= CautionNoColumnBelow;
  } else {
    for (const ColumnPoint* p : {start, end})
      if (p && p->largeDemand) bits |= CautionFoundation;
  }
  return bits;
}

void NumberAlongLines(const int32_t (&order)[WallLineEntryCapacity], int32_t entries, int v, int s,
                      int32_t walls, bool xPass, int32_t& n) {
  for (int i = 0; i < ListLength(entries, WallLineEntryCapacity); ++i) {
    const int32_t w = order[i];
    if (w < 0 || w >= walls) continue;
    const WallRecord& rec = Walls[v][s][w];
    WallCaseResult& r = WallResults[v][s][w].Blocks[0];
    // Brace kinds name the rows 0..10 and nothing writes 1024 or more; the
    // numbering has always tested for it, so such a kind (only from a file)
    // is numbered without change or strength.
    const bool numberedKind = rec.BraceKind >= NumberedBraceKind;
    if (r.BaseStrength == 0.0 && !numberedKind) {
      r.WallNumber = 0;
      continue;
    }
    // A diagonal wall stands in both lists; the Y pass numbers it. It stands
    // twice in the Y list as well, so it keeps the number of its later entry.
    if (xPass && rec.Y1 != rec.Y2) continue;
    r.WallNumber = (r.RetrofitChange != 0 || numberedKind) ? ++n : 0;
  }
}

void NumberChangedWalls() {
  const int v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  int32_t n = 0;
  for (int s = 0; s <= TopStoreyOf(v); ++s) {
    const int32_t walls = ListLength(WallCount[v][s], MaxWallsPerStorey);
    if (walls == 0) continue;
    NumberAlongLines(XWallOrder[v][s], XWallCount[v][s], v, s, walls, true, n);
    NumberAlongLines(YWallOrder[v][s], YWallCount[v][s], v, s, walls, false, n);
  }
}

// An index that names no axis (a damaged file) marks nothing.
void MarkAxis(int32_t (&use)[AxisLineCount], int32_t axis, int32_t axisCount, int32_t bit) {
  if (axis >= 0 && axis < axisCount) use[axis] |= bit;
}

// Number of axes used on any storey; their indices go to list when given.
int32_t ListUsedAxes(const int32_t (&use)[StoreyCount][AxisLineCount], int32_t axisCount, int32_t* list) {
  int32_t n = 0;
  for (int k = 0; k < axisCount; ++k) {
    if ((use[0][k] | use[1][k] | use[2][k]) == 0) continue;
    if (list) list[n] = k;
    ++n;
  }
  return n;
}

}  // namespace

void MarkRetrofitChanges() {
  for (int s = 0; s < StoreyCount; ++s) {
    if (s > TopStoreyOf(RetrofitPlan1) && s > TopStoreyOf(RetrofitPlan2)) continue;
    CurrentStateWalls.Build(s);
    for (int a = RetrofitPlan1; a <= RetrofitPlan2; ++a) {
      if (s > TopStoreyOf(a)) continue;
      ColumnsOfStorey.Build(a, s > 0 ? s - 1 : 0, s == 0);
      const int32_t count = ListLength(WallCount[a][s], MaxWallsPerStorey);
      for (int j = 0; j < count; ++j) {
        WallCaseResult& r = WallResults[a][s][j].Blocks[0];
        r.RetrofitChange = ChangeMark(a, s, j);
        if (r.RetrofitChange == 0) continue;
        // Bits are only added. The evaluation clears the word of the variant
        // shown alone, so the plan not shown keeps the bits of its earlier
        // paints until it is shown again.
        r.CautionBits |= CautionsOf(a, s, j);
      }
    }
  }
  NumberChangedWalls();
}

void IndexUsedAxes() {
  std::memset(AxisUseX, 0, sizeof AxisUseX);
  std::memset(AxisUseY, 0, sizeof AxisUseY);
  // Every storey, also those above the variant's top storey.
  for (int v = 0; v < VariantCount; ++v) {
    for (int s = 0; s < StoreyCount; ++s) {
      int32_t(&useX)[AxisLineCount] = AxisUseX[v][s];
      int32_t(&useY)[AxisLineCount] = AxisUseY[v][s];
      const int32_t columns = ListLength(ColumnCount[v][s], MaxColumnsPerStorey);
      for (int c = 0; c < columns; ++c) {
        const ColumnRecord& col = Columns[v][s][c];
        MarkAxis(useX, col.X, GridAxisCountX, AxisUseColumn);
        MarkAxis(useY, col.Y, GridAxisCountY, AxisUseColumn);
      }
      const int32_t walls = ListLength(WallCount[v][s], MaxWallsPerStorey);
      for (int j = 0; j < walls; ++j) {
        const WallRecord& w = Walls[v][s][j];
        MarkAxis(useX, w.X1, GridAxisCountX, AxisUseWallEnd);
        MarkAxis(useY, w.Y1, GridAxisCountY, AxisUseWallEnd);
        MarkAxis(useX, w.X2, GridAxisCountX, AxisUseWallEnd);
        MarkAxis(useY, w.Y2, GridAxisCountY, AxisUseWallEnd);
      }
    }
  }

  // The lists hold every axis, so none is left out however many are used.
  std::memset(UsedAxesX, 0, sizeof UsedAxesX);
  std::memset(UsedAxesY, 0, sizeof UsedAxesY);
  for (int v = 0; v < VariantCount; ++v) {
    const bool shown = v == CurrentVariant;
    UsedAxisCountX[v] = ListUsedAxes(AxisUseX[v], GridAxisCountX, shown ? UsedAxesX : nullptr);
    UsedAxisCountY[v] = ListUsedAxes(AxisUseY[v], GridAxisCountY, shown ? UsedAxesY : nullptr);
  }
}
