#include "evaluation/FloorCheck.h"

#include <cmath>

#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

StoreyArray FloorUnitShear;
FloorLineArray FloorCheckRatio[FloorCheckMemberCount];
FloorVerdictArray FloorCheckOk[FloorCheckMemberCount];
FloorVerdictArray FloorCheckCase[FloorCheckMemberCount];
LineArray FloorMoment[DiaphragmMemberCount];
LineArray BeamStress[DiaphragmMemberCount];

namespace {

using CaseLines = double[AxisLineCount][StoreyLoadingCaseCount];

// One direction of one storey: the axes across which the shear is
// accumulated, what the axes and intervals carry, and where the results go.
struct Direction {
  const double* Position;  // axis positions, m
  int32_t AxisCount;
  int32_t First, Last;          // the used extent
  const CaseLines* Shear;       // line shears of the storey
  const CaseLines* ShearAbove;  // of the storey above, null on the top storey
  const double* BandArea;       // floor area of each interval, m²
  const double* CapacityNear;   // floor capacity at the near edge of each interval, m
  const double* CapacityFar;    // at the far edge
  int32_t FromStartNear;        // check member from the first axis; the far edge follows it
  int32_t FromEndNear;          // from the last axis
  int32_t FromStartAtLines;     // diaphragm member from the first axis; its middles follow it
  int32_t FromEndAtLines;       // from the last axis
};

Direction XDirection(int v, int s, int top) {
  return {GridAxisY,
          GridAxisCountY,
          UsedExtentMinY[v][s],
          UsedExtentMaxY[v][s],
          &LineShearX[v][s],
          s < top ? &LineShearX[v][s + 1] : nullptr,
          FloorBandAreaX[v][s],
          FloorLineCapacityX1[v][s],
          FloorLineCapacityX2[v][s],
          FloorCheckXFromBelowNear,
          FloorCheckXFromAboveNear,
          DiaphragmXFromBelowAtLines,
          DiaphragmXFromAboveAtLines};
}

Direction YDirection(int v, int s, int top) {
  return {GridAxisX,
          GridAxisCountX,
          UsedExtentMinX[v][s],
          UsedExtentMaxX[v][s],
          &LineShearY[v][s],
          s < top ? &LineShearY[v][s + 1] : nullptr,
          FloorBandAreaY[v][s],
          FloorLineCapacityY1[v][s],
          FloorLineCapacityY2[v][s],
          FloorCheckYFromLeftNear,
          FloorCheckYFromRightNear,
          DiaphragmYFromLeftAtLines,
          DiaphragmYFromRightAtLines};
}

bool HasInterval(const Direction& d) { return 0 <= d.First && d.First < d.Last && d.Last < d.AxisCount; }

// What a line gives the floor in the shear check: the walls of the storey take
// shear out of it, those of the storey above bring shear into it.
double NetLineShear(const Direction& d, int i, int m) {
  const double own = (*d.Shear)[i][m];
  return d.ShearAbove ? own - (*d.ShearAbove)[i][m] : own;
}

// Both storeys' line shears load the diaphragm in bending.
double LineShearSum(const Direction& d, int i, int m) {
  const double own = (*d.Shear)[i][m];
  return d.ShearAbove ? own + (*d.ShearAbove)[i][m] : own;
}

double FloorUnitShearOf(int v, int s, int top) {
  double shear = RequiredStrength[v][s];
  if (s < top) shear -= RequiredStrength[v][s + 1];
  const double area = RequiredStrengthArea[v][s];
  return area != 0.0 ? shear / area : 0.0;
}

void ResetVerdicts(int v, int s) {
  for (int k = 0; k < FloorCheckMemberCount; ++k) {
    for (int i = 0; i < AxisLineCount; ++i) {
      FloorCheckOk[k][v][s][i] = FloorCheckPassesOrNotJudged;
      FloorCheckRatio[k][v][s][i] = 0.0;
      FloorCheckCase[k][v][s][i] = FloorCheckNotJudged;
    }
  }
}

void ResetBeamStress(int v, int s, int m) {
  for (auto& member : BeamStress)
    for (auto& line : member[v][s]) line[m] = 0.0;
}

// Stores the shear of an edge and keeps the case with the smallest ratio.
void JudgeEdge(int32_t member, int v, int s, int i, int m, double shear, double capacity) {
  FloorCheckRequired[member][v][s][i][m] = shear;
  if (!(std::fabs(shear) >= SmallestJudgedFloorShear)) return;
  const double ratio = FloorShearCapacityPerMetre * capacity / shear;
  int32_t& governing = FloorCheckCase[member][v][s][i];
  double& kept = FloorCheckRatio[member][v][s][i];
  if (governing != FloorCheckNotJudged && !(std::fabs(ratio) < std::fabs(kept))) return;
  kept = ratio;
  governing = m;
  // Written so that a ratio that is not a number fails too.
  FloorCheckOk[member][v][s][i] =
      ratio <= -1.0 || ratio >= 1.0 ? FloorCheckPassesOrNotJudged : FloorCheckFails;
}

void CheckShear(const Direction& d, int v, int s, int m, double q) {
  const int first = d.First, last = d.Last;

  double nearShear = NetLineShear(d, first, m);
  for (int i = first; i < last; ++i) {
    const double farShear = nearShear - q * d.BandArea[i];
    JudgeEdge(d.FromStartNear, v, s, i, m, nearShear, d.CapacityNear[i]);
    JudgeEdge(d.FromStartNear + 1, v, s, i, m, farShear, d.CapacityFar[i]);
    if (i + 1 < last) nearShear = farShear + NetLineShear(d, i + 1, m);
  }

  double farShear = NetLineShear(d, last, m);
  for (int i = last - 1; i >= first; --i) {
    const double nearShear = farShear - q * d.BandArea[i];
    JudgeEdge(d.FromEndNear, v, s, i, m, nearShear, d.CapacityNear[i]);
    JudgeEdge(d.FromEndNear + 1, v, s, i, m, farShear, d.CapacityFar[i]);
    if (i > first) farShear = nearShear + NetLineShear(d, i, m);
  }
}

// Running sums of the lines and interval loads on one side of a section, so
// that every section costs the same: the moment at z is
// sum of (coordinate - z) x line shear - sum of load x (middle - z).
struct MomentSums {
  double Shear = 0.0, ShearArm = 0.0;
  double Load = 0.0, LoadArm = 0.0;

  void AddLine(double coordinate, double shear) {
    Shear += shear;
    ShearArm += shear * coordinate;
  }
  void AddInterval(double middle, double load) {
    Load += load;
    LoadArm += load * middle;
  }
  double At(double z) const { return (ShearArm - z * Shear) - (LoadArm - z * Load); }
};

void SumMoments(const Direction& d, int v, int s, int m, double q) {
  const int first = d.First, last = d.Last;
  // Measured from the first axis: the moments do not depend on the origin, and
  // the sums stay small.
  auto at = [&](int i) { return d.Position[i] - d.Position[first]; };
  auto middle = [&](int i) { return (at(i) + at(i + 1)) / 2.0; };
  auto load = [&](int i) { return q * d.BandArea[i]; };

  // From the first axis: a line section takes what lies before it, an interval
  // middle also its own line and its own interval.
  {
    auto& lines = FloorMoment[d.FromStartAtLines][v][s];
    auto& middles = FloorMoment[d.FromStartAtLines + 1][v][s];
    MomentSums before;
    for (int i = first; i <= last; ++i) {
      lines[i][m] = before.At(at(i));
      before.AddLine(at(i), LineShearSum(d, i, m));
      if (i == last) break;
      before.AddInterval(middle(i), load(i));
      middles[i][m] = before.At(middle(i));
    }
  }

  // From the last axis: a line section takes its own line and everything
  // beyond it, an interval middle the lines beyond it and its own interval.
  // The interval after the last axis is left out: no floor of the storey
  // reaches past its extent, and from the first axis nothing before the
  // first axis is taken either.
  {
    auto& lines = FloorMoment[d.FromEndAtLines][v][s];
    auto& middles = FloorMoment[d.FromEndAtLines + 1][v][s];
    MomentSums beyond;
    for (int i = last; i >= first; --i) {
      if (i < last) {
        beyond.AddInterval(middle(i), load(i));
        middles[i][m] = beyond.At(middle(i));
      }
      beyond.AddLine(at(i), LineShearSum(d, i, m));
      lines[i][m] = beyond.At(at(i));
    }
  }
}

// The moment made to vanish at both ends of the extent, divided by the depth
// of the diaphragm (strip area / strip width).
void SumBeamStress(const Direction& d, int v, int s, int m) {
  const int first = d.First, last = d.Last;
  const double* p = d.Position;
  const double length = p[last] - p[first];
  if (!(length > 0.0)) return;
  auto middle = [&](int i) { return (p[i] + p[i + 1]) / 2.0; };
  auto force = [&](double moment, int i) { return moment / d.BandArea[i] * (p[i + 1] - p[i]); };

  {
    const auto& lines = FloorMoment[d.FromStartAtLines][v][s];
    const auto& middles = FloorMoment[d.FromStartAtLines + 1][v][s];
    auto& lineForce = BeamStress[d.FromStartAtLines][v][s];
    auto& middleForce = BeamStress[d.FromStartAtLines + 1][v][s];
    const double endMoment = lines[last][m];
    for (int i = first; i <= last; ++i) {
      if (d.BandArea[i] == 0.0 || i + 1 >= d.AxisCount) continue;
      const double line = lines[i][m] - endMoment * (p[i] - p[first]) / length;
      lineForce[i][m] = force(line, i);
      if (i == last) continue;
      const double mid = middles[i][m] - endMoment * (middle(i) - p[first]) / length;
      middleForce[i][m] = force(mid, i);
    }
  }
  {
    const auto& lines = FloorMoment[d.FromEndAtLines][v][s];
    const auto& middles = FloorMoment[d.FromEndAtLines + 1][v][s];
    auto& lineForce = BeamStress[d.FromEndAtLines][v][s];
    auto& middleForce = BeamStress[d.FromEndAtLines + 1][v][s];
    const double endMoment = lines[first][m];
    for (int i = last; i >= first; --i) {
      if (d.BandArea[i] == 0.0 || i + 1 >= d.AxisCount) continue;
      const double line = lines[i][m] - endMoment * (p[last] - p[i]) / length;
      lineForce[i][m] = force(line, i);
      if (i == last) continue;
      const double mid = middles[i][m] - endMoment * (p[last] - middle(i)) / length;
      middleForce[i][m] = force(mid, i);
    }
  }
}

}  // namespace

void CheckFloorDiaphragms() {
  const int v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  const int top = MinInt(MaxInt(ProjectSettings.TopStorey[v], 0), StoreyCount - 1);

  // The verdicts gather all five cases, so they are reset once.
  for (int s = top; s >= 0; --s) {
    ResetVerdicts(v, s);
    FloorUnitShear[v][s] = FloorUnitShearOf(v, s, top);
  }

  for (int m = 0; m < StoreyLoadingCaseCount; ++m) {
    for (int s = top; s >= 0; --s) {
      const double q = FloorUnitShear[v][s];
      ResetBeamStress(v, s, m);
      for (const Direction& d : {XDirection(v, s, top), YDirection(v, s, top)}) {
        if (!HasInterval(d)) continue;
        CheckShear(d, v, s, m, q);
        SumMoments(d, v, s, m, q);
        SumBeamStress(d, v, s, m);
      }
    }
  }
}
