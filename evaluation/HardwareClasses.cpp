#include "evaluation/HardwareClasses.h"

#include "model/ElementTables.h"
#include "model/PlanPalette.h"
#include "model/SettingChoices.h"

const char16_t* const HardwareClassSymbols[HardwareClassCount] = {
    u"(い)", u"(ろ)", u"(は)", u"(に)", u"(ほ)",  u"(へ)",
    u"(と)", u"(ち)", u"(り)", u"(ぬ)", u"(ぬ+)", u"(×)",
};

const char16_t* const HardwareClassLabels[HardwareClassCount] = {
    u"(い)カスガイ",        u"(ろ)ＣＰＬ",           u"(は)ＶＰ",
    u"(に)羽子板(釘なし)",  u"(ほ)羽子板(釘あり)",   u"(へ)Ｓ－ＨＤ１０",
    u"(と)Ｓ－ＨＤ１５",    u"(ち)Ｓ－ＨＤ２０",     u"(り)Ｓ－ＨＤ２５",
    u"(ぬ)Ｓ－ＨＤ１５×２", u"(ぬ+)Ｓ－ＨＤ２０×２", u"不可",
};

const double NValueClassLimits[NValueClassLimitCount] = {
    0.000001, 0.650001, 1.000001, 1.400001, 1.600001, 1.800001,
    2.800001, 3.700001, 4.700001, 5.600001, 7.500001,
};

const double PullOutClassLimits[PullOutClassLimitCount] = {
    0, 3.44, 5.29, 7.41, 8.47, 9.53, 14.82, 19.58, 24.87, 29.64,
};

const double TensionClassLimits[TensionClassLimitCount] = {
    0, 3.4, 5.1, 7.5, 8.5, 10, 15, 20, 25, 30, 40,
};

namespace {

// A NaN compares false everywhere and so falls into class 0, as a count must.
HardwareClass CountLimitsReached(const double* limits, int count, double v) {
  HardwareClass c = 0;
  for (int i = 0; i < count; ++i)
    if (limits[i] <= v) ++c;
  return c;
}

HardwareClass CountLimitsPassed(const double* limits, int count, double v) {
  HardwareClass c = 0;
  for (int i = 0; i < count; ++i)
    if (limits[i] < v) ++c;
  return c;
}

// The limits a method classifies its demand by: the N-value method its
// N-value, the converted N-value method the tension. `reached`: a value equal to a limit passes it.
struct DemandScale {
  const double* limits;
  int count;
  bool reached;
};

HardwareClass ClassifyByMethod(int32_t method, double t, double n, const DemandScale& nValueScale,
                               const DemandScale& tensionScale) {
  if (method != HardwareByNValue && method != HardwareByConvertedNValue) return 0;
  const DemandScale& scale = method == HardwareByNValue ? nValueScale : tensionScale;
  const double v = method == HardwareByNValue ? n : t;
  return scale.reached ? CountLimitsReached(scale.limits, scale.count, v)
                       : CountLimitsPassed(scale.limits, scale.count, v);
}

}  // namespace

HardwareClass ClassifyTableNValue(double n) {
  // The tables stop at (ぬ+): the last limit belongs to the frames only.
  return CountLimitsReached(NValueClassLimits, NValueClassLimitCount - 1, n);
}

HardwareClass ClassifyTablePullOut(double t) {
  return CountLimitsPassed(PullOutClassLimits, PullOutClassLimitCount, t);
}

HardwareClass ClassifyJointDemand(int32_t method, double t, double n) {
  return ClassifyByMethod(method, t, n, {NValueClassLimits, NValueClassLimitCount, false},
                          {TensionClassLimits, TensionClassLimitCount, false});
}

HardwareClass ClassifyColumnFill(int32_t method, double t, double n) {
  return ClassifyByMethod(method, t, n, {NValueClassLimits, NValueClassLimitCount - 1, false},
                          {PullOutClassLimits, PullOutClassLimitCount, false});
}

HardwareClass ClassifyColumnDemandLabel(int32_t method, double t, double n) {
  return ClassifyByMethod(method, t, n, {NValueClassLimits, NValueClassLimitCount, true},
                          {TensionClassLimits, TensionClassLimitCount, false});
}

HardwareClass ClassifyJointCapacity(double allowableTension) {
  return CountLimitsPassed(TensionClassLimits, TensionClassLimitCount, allowableTension);
}

HardwareClass JointCapacityClassOfRow(int32_t row) {
  if (row < 0 || row >= JointHardwareTableRows) return 0;
  return ClassifyJointCapacity(JointHardwareTable[row].AllowableTension);
}

int32_t DemandClassColour(HardwareClass hardwareClass) {
  // Classes 0 and 1 share entry 1 and (ぬ+) shares entry 9 with (ぬ), so
  // (×) can take entry 10. Classes outside 0..11 take the nearest end.
  if (hardwareClass <= 1) return ClassColourScale[1];
  if (hardwareClass <= 9) return ClassColourScale[hardwareClass];
  if (hardwareClass == 10) return ClassColourScale[9];
  return ClassColourScale[10];
}
