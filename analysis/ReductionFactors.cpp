#include "analysis/ReductionFactors.h"

#include "analysis/GridPointMap.h"
#include "model/ElementTables.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"

const double JointReductionPoints[JointReductionPointCount] = {2.0, 3.0, 5.0, 7.0};
const double JointCapacityPoints[JointCapacityPointCount] = {2.0, 3.0, 5.0, 7.0, 10.0, 14.0};

// Each table: one line per strength point 2, 3, 5, 7 kN/m, holding
// {F0, F1, F2} for the joint classes I, II, III, IV.
const double JointReductionTables
    [JointReductionTableCount][JointReductionPointCount][JointClassCount][FoundationClassCount] = {
        // 0: top storey, no snow
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {0.7, 0.7, 0.7}, {0.7, 0.7, 0.7}},
            {{1.0, 1.0, 1.0}, {0.8, 0.8, 0.8}, {0.6, 0.6, 0.6}, {0.35, 0.35, 0.35}},
            {{1.0, 1.0, 1.0}, {0.65, 0.65, 0.65}, {0.45, 0.45, 0.45}, {0.25, 0.25, 0.25}},
            {{1.0, 1.0, 1.0}, {0.5, 0.5, 0.5}, {0.35, 0.35, 0.35}, {0.2, 0.2, 0.2}},
        },
        // 1: lower storey, no snow
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 0.9, 0.8}, {1.0, 0.9, 0.8}, {0.8, 0.8, 0.8}, {0.8, 0.8, 0.8}},
            {{1.0, 0.85, 0.7}, {0.9, 0.8, 0.7}, {0.7, 0.7, 0.7}, {0.7, 0.7, 0.7}},
            {{1.0, 0.8, 0.6}, {0.8, 0.7, 0.6}, {0.6, 0.6, 0.6}, {0.6, 0.6, 0.6}},
        },
        // 2: single storey, no snow
        {
            {{1.0, 0.85, 0.7}, {1.0, 0.85, 0.7}, {0.7, 0.7, 0.7}, {0.7, 0.7, 0.7}},
            {{1.0, 0.85, 0.7}, {0.9, 0.75, 0.7}, {0.6, 0.6, 0.6}, {0.6, 0.6, 0.6}},
            {{1.0, 0.8, 0.7}, {0.85, 0.7, 0.65}, {0.5, 0.5, 0.5}, {0.5, 0.5, 0.5}},
            {{1.0, 0.8, 0.7}, {0.8, 0.7, 0.6}, {0.3, 0.3, 0.3}, {0.3, 0.3, 0.3}},
        },
        // 3: top storey, snow 1 m
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 1.0, 1.0}, {0.9, 0.9, 0.9}, {0.75, 0.75, 0.75}, {0.75, 0.75, 0.75}},
            {{1.0, 1.0, 1.0}, {0.85, 0.85, 0.85}, {0.65, 0.65, 0.65}, {0.6, 0.6, 0.6}},
            {{1.0, 1.0, 1.0}, {0.75, 0.75, 0.75}, {0.55, 0.55, 0.55}, {0.5, 0.5, 0.5}},
        },
        // 4: lower storey, snow 1 m
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 0.9, 0.85}, {0.95, 0.9, 0.85}, {0.85, 0.85, 0.85}, {0.85, 0.85, 0.85}},
            {{1.0, 0.85, 0.75}, {0.95, 0.85, 0.75}, {0.75, 0.75, 0.75}, {0.75, 0.75, 0.75}},
        },
        // 5: single storey, snow 1 m
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 0.85, 0.75}, {0.9, 0.8, 0.75}, {0.75, 0.75, 0.75}, {0.75, 0.75, 0.75}},
            {{1.0, 0.8, 0.7}, {0.85, 0.7, 0.65}, {0.65, 0.65, 0.65}, {0.65, 0.65, 0.65}},
            {{1.0, 0.8, 0.7}, {0.8, 0.7, 0.6}, {0.35, 0.35, 0.35}, {0.35, 0.35, 0.35}},
        },
        // 6: top storey, snow 2 m
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 1.0, 1.0}, {0.95, 0.95, 0.95}, {0.85, 0.85, 0.85}, {0.85, 0.85, 0.85}},
            {{1.0, 1.0, 1.0}, {0.85, 0.85, 0.85}, {0.75, 0.75, 0.75}, {0.75, 0.75, 0.75}},
            {{1.0, 1.0, 1.0}, {0.8, 0.8, 0.8}, {0.7, 0.7, 0.7}, {0.7, 0.7, 0.7}},
        },
        // 7: lower storey, snow 2 m
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 0.95, 0.95}, {0.95, 0.95, 0.95}, {0.95, 0.95, 0.95}, {0.95, 0.95, 0.95}},
            {{1.0, 0.95, 0.9}, {1.0, 0.95, 0.9}, {0.9, 0.9, 0.9}, {0.9, 0.9, 0.9}},
        },
        // 8: single storey, snow 2 m
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 0.9, 0.85}, {0.95, 0.9, 0.85}, {0.85, 0.85, 0.85}, {0.85, 0.85, 0.85}},
            {{1.0, 0.85, 0.75}, {0.85, 0.8, 0.75}, {0.8, 0.8, 0.75}, {0.8, 0.8, 0.75}},
            {{1.0, 0.85, 0.75}, {0.8, 0.75, 0.7}, {0.5, 0.5, 0.5}, {0.5, 0.5, 0.5}},
        },
        // 9: top storey, snow 2.5 m
        // Joint II on base I at 7 kN/m holds 0.55 against 0.85 on bases II and III,
        // out of step with every neighbour; kept as the published value.
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 1.0, 1.0}, {0.95, 0.95, 0.95}, {0.9, 0.9, 0.9}, {0.9, 0.9, 0.9}},
            {{1.0, 1.0, 1.0}, {0.9, 0.9, 0.9}, {0.8, 0.8, 0.8}, {0.8, 0.8, 0.8}},
            {{1.0, 1.0, 1.0}, {0.55, 0.85, 0.85}, {0.75, 0.75, 0.75}, {0.75, 0.75, 0.75}},
        },
        // 10: lower storey, snow 2.5 m
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 0.95, 0.95}, {1.0, 0.95, 0.95}, {0.95, 0.95, 0.95}, {0.95, 0.95, 0.95}},
            {{1.0, 0.95, 0.9}, {1.0, 0.95, 0.9}, {0.9, 0.9, 0.9}, {0.9, 0.9, 0.9}},
        },
        // 11: single storey, snow 2.5 m
        {
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}},
            {{1.0, 0.95, 0.95}, {1.0, 0.95, 0.95}, {0.9, 0.9, 0.9}, {0.9, 0.9, 0.9}},
            {{1.0, 0.9, 0.8}, {1.0, 0.75, 0.7}, {0.6, 0.6, 0.6}, {0.6, 0.6, 0.6}},
        },
};

const double JointCapacityFactorTable[FrameStateCount][JointCapacityPointCount] = {
    {0.69, 0.65, 0.58, 0.5, 0.36, 0.15},  // deteriorated
    {0.94, 0.9, 0.83, 0.75, 0.61, 0.4},   // partly
    {1.0, 1.0, 1.0, 1.0, 1.0, 1.0},       // none
};

const double WallDeteriorationTable[2][FrameStateCount][StrengthClassCount] = {
    {
        {0.7, 0.35, 0.25, 0.2},  // not under a roof or floor: deteriorated
        {0.85, 0.7, 0.6, 0.6},   // partly
        {1.0, 1.0, 1.0, 1.0},    // none
    },
    {
        {1.0, 0.8, 0.7, 0.6},  // under a roof or floor: deteriorated
        {1.0, 0.9, 0.8, 0.8},  // partly
        {1.0, 1.0, 1.0, 1.0},  // none
    },
};

namespace {

// Snow tables follow the no-snow ones in steps of three.
constexpr int SnowTable1m = 3;
constexpr int SnowTable2m = 6;
constexpr int SnowTable2_5m = 9;

int JointClassIndex(int32_t jointSpec) {
  return jointSpec >= 0 && jointSpec < JointClassCount ? jointSpec : JointClassCount - 1;
}

int FoundationClassIndex(int32_t foundationClass) {
  return foundationClass >= 0 && foundationClass < FoundationClassCount ? foundationClass
                                                                        : FoundationClassCount - 1;
}

int FrameStateIndex(int32_t frameState) {
  return frameState >= 0 && frameState < FrameStateCount ? frameState : 0;
}

double LookupJointTable(int table, int j, int f, double p) {
  double values[JointReductionPointCount];
  for (int i = 0; i < JointReductionPointCount; ++i) values[i] = JointReductionTables[table][i][j][f];
  return LookupByStrengthPoints(JointReductionPoints, values, JointReductionPointCount, p);
}

}  // namespace

double LookupByStrengthPoints(const double* points, const double* values, int count, double p) {
  if (p < points[0]) return values[0];
  for (int i = 0; i + 1 < count; ++i) {
    if (p < points[i + 1])
      return values[i] + (p - points[i]) * (values[i + 1] - values[i]) / (points[i + 1] - points[i]);
  }
  return values[count - 1];
}

double SnowDepthOfLoad(double snowLoad) {
  if (snowLoad == 0.0) return 0.0;
  return (snowLoad - 0.26) / 0.26 + 1.0;
}

int32_t FrameStateOf(int32_t deteriorationBits) {
  return static_cast<int32_t>(static_cast<uint32_t>(deteriorationBits) & 3u);
}

bool IsLeanToWall(int32_t topStorey, int32_t leanToRule, int32_t startPointValue, int32_t endPointValue) {
  return topStorey >= 1 && leanToRule == LeanToColumnsTopStoreyFactor &&
         (!GridPointHasFloor(startPointValue) || !GridPointHasFloor(endPointValue));
}

ReductionSituation ReductionSituationOf(int32_t storey, int32_t topStorey, bool leanTo) {
  if (topStorey == 0) return SituationSingleStorey;
  if (storey >= topStorey || leanTo) return storey == 0 ? SituationSingleStorey : SituationTopStorey;
  return SituationLowerStorey;
}

double ReductionFactor2012(ReductionSituation situation, int32_t jointSpec, int32_t foundationClass, double p,
                           bool lowStrengthLine) {
  if (p < 1.0) return 1.0;
  const int j = JointClassIndex(jointSpec);
  const int f = FoundationClassIndex(foundationClass);
  if (lowStrengthLine && situation != SituationLowerStorey && p < 2.0) {
    const double t0 = JointReductionTables[situation][0][j][f];
    return (2.0 - p) * (1.0 - t0) + t0;
  }
  return LookupJointTable(situation, j, f, p);
}

double SnowReductionFactor2012(ReductionSituation situation, int32_t jointSpec, int32_t foundationClass,
                               double p, double snowDepth) {
  if (p < 1.0) return 1.0;
  const int j = JointClassIndex(jointSpec);
  const int f = FoundationClassIndex(foundationClass);
  const double f1 = LookupJointTable(SnowTable1m + situation, j, f, p);
  const double f2 = LookupJointTable(SnowTable2m + situation, j, f, p);
  const double f3 = LookupJointTable(SnowTable2_5m + situation, j, f, p);
  const double d = snowDepth;
  if (d == 1.0) return f1;
  if (d < 2.0) return f1 + (d - 1.0) * (f2 - f1);
  if (d == 2.0) return f2;
  if (d < 2.5) return f2 + 2.0 * (d - 2.0) * (f3 - f2);
  return f3;
}

double JointCapacity2025(int32_t jointSpec, int32_t foundationClass) {
  static constexpr double kClassCapacity[JointClassCount] = {10.0, 5.0, 2.5, 0.0};
  double tj = 0.0;
  if (jointSpec >= 0 && jointSpec < JointClassCount) {
    tj = kClassCapacity[jointSpec];
  } else if (jointSpec >= JointClassCount && jointSpec - 1 < JointHardwareTableRows) {
    tj = JointHardwareTable[jointSpec - 1].AllowableTension;
  }
  if (FoundationClassIndex(foundationClass) == 2 && tj > 5.0) tj = 5.0;
  return tj;
}

double ReductionFactor2025(int32_t storey, int32_t topStorey, bool leanTo, int32_t foundationClass,
                           double jointCapacity, int32_t frameState, double p, double snowDepth) {
  double a = 0.3 * p + 5.0;
  double b = 0.35 * p + 4.0;
  if (snowDepth != 0.0) {
    if (p == 0.0) {
      a = 0.0;
      b = 0.0;
    } else {
      a = MaxDouble(a - 14.0 * snowDepth / p, 0.0);
      b = MaxDouble(b - 14.0 * snowDepth / p, 0.0);
    }
  }
  const double r = p < 1.0 ? 1.0
                           : LookupByStrengthPoints(JointCapacityPoints,
                                                    JointCapacityFactorTable[FrameStateIndex(frameState)],
                                                    JointCapacityPointCount, p);
  const double t = jointCapacity * r;
  const double e1 = (t * t - a * a) * 0.01 + 1.0;
  const double e2 = (t - 1.5 * a) * 0.07 + 1.0;
  const double e3 = (t * t - b * b) * 0.01 + 1.0;
  const double e4 = (t * t - (1.1 * b) * (1.1 * b)) * 0.01 + 1.0;

  const int f = FoundationClassIndex(foundationClass);
  const auto byFoundation = [f](double onBase1, double onBase3) {
    if (f == 0) return onBase1;
    if (f == 2) return onBase3;
    return (onBase1 + onBase3) / 2.0;
  };
  double e;
  if (topStorey == 0 || (storey == 0 && leanTo)) {
    e = byFoundation(e1, e2);
  } else if (storey == 0) {
    e = byFoundation(e3, e4);
  } else if (storey >= topStorey || leanTo) {
    e = e1;
  } else {
    e = e3;
  }
  return e > 1.0 ? 1.0 : e;
}

double WallDeteriorationFactor(int32_t revision, int32_t diagnosisMethod, int32_t underRoofOrFloor,
                               int32_t frameState, int32_t strengthClass, double p) {
  // The general and verification methods apply one factor to the whole building instead.
  if (diagnosisMethod == DiagnosisGeneral || diagnosisMethod == DiagnosisVerification) return 1.0;
  if (revision == Revision2025 || p < 1.0) return 1.0;
  const int u = underRoofOrFloor != 0 ? 1 : 0;
  const int k =
      strengthClass < 0 ? 0 : (strengthClass >= StrengthClassCount ? StrengthClassCount - 1 : strengthClass);
  return WallDeteriorationTable[u][FrameStateIndex(frameState)][k];
}

WallReductionInput WallReductionInputOf(const WallResult& result, int c, const WallRecord& wall,
                                        int32_t startPointValue, int32_t endPointValue, int32_t storey,
                                        int32_t topStorey) {
  const WallCaseResult& own = result.Blocks[0];  // fields of wall scope
  const WallCaseResult& block = result.Blocks[c];
  WallReductionInput in{};
  in.CorrectedStrength = block.BaseStrength * own.OpeningFactor;
  in.JointSpec = own.JointSpec;
  in.FoundationClass = own.FoundationClass;
  in.StrengthClass = block.StrengthClass;
  in.UnderRoofOrFloor = own.UnderRoofOrFloor;
  in.FrameState = FrameStateOf(wall.Deterioration);
  in.StartPointValue = startPointValue;
  in.EndPointValue = endPointValue;
  in.Storey = storey;
  in.TopStorey = topStorey;
  return in;
}

void CalcWallReductionFactors(const WallReductionInput& in, WallCaseResult& block,
                              SnowWallCaseResult& snowBlock) {
  const ProjectSettingsData& s = ProjectSettings;
  const bool withSnow = s.SnowLoad != 0.0;
  const double snowDepth = SnowDepthOfLoad(s.SnowLoad);
  const double p = in.CorrectedStrength;
  const bool leanTo =
      IsLeanToWall(in.TopStorey, s.LeanToColumnsTopStorey, in.StartPointValue, in.EndPointValue);

  double factor;
  double snowFactor = 0.0;
  bool writeSnowFactor;
  if (s.Revision == Revision2025) {
    const double tj = JointCapacity2025(in.JointSpec, in.FoundationClass);
    factor =
        ReductionFactor2025(in.Storey, in.TopStorey, leanTo, in.FoundationClass, tj, in.FrameState, p, 0.0);
    snowFactor = withSnow ? ReductionFactor2025(in.Storey, in.TopStorey, leanTo, in.FoundationClass, tj,
                                                in.FrameState, p, snowDepth)
                          : factor;
    writeSnowFactor = true;
  } else {
    const ReductionSituation situation = ReductionSituationOf(in.Storey, in.TopStorey, leanTo);
    const bool lowStrengthLine =
        s.DiagnosisMethod == DiagnosisVerification || s.LowStrengthWallReduction == LowStrengthInterpolated;
    factor = ReductionFactor2012(situation, in.JointSpec, in.FoundationClass, p, lowStrengthLine);
    if (withSnow)
      snowFactor = SnowReductionFactor2012(situation, in.JointSpec, in.FoundationClass, p, snowDepth);
    writeSnowFactor = withSnow;
  }

  const double deterioration = WallDeteriorationFactor(s.Revision, s.DiagnosisMethod, in.UnderRoofOrFloor,
                                                       in.FrameState, in.StrengthClass, p);
  block.ReductionFactor = factor;
  block.DeteriorationFactor = deterioration;
  block.MinReductionFactor = MinDouble(factor, deterioration);
  if (writeSnowFactor) snowBlock.ReductionFactor = snowFactor;
  if (withSnow) snowBlock.MinReductionFactor = MinDouble(snowFactor, deterioration);
}
