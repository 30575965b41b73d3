#include "evaluation/RetrofitCost.h"

#include "analysis/AnalysisResults.h"
#include "model/ModelAccess.h"
#include "platform/Format.h"

const RetrofitCostRowInfo RetrofitCostRows[CostRowCount] = {
    {"柱", "新設・撤去", "Lhashira", "Ehashira", "Lghashira", "100000"},
    {"", "柱頭・柱脚金物", "Lhashira2", "Ehashira2", "Lghashira2", "17000"},
    {"１階壁", "心材　新規・取替", "Lshinzai11", "Eshinzai11", "Lgshinzai11", "50000"},
    {"", "筋かい金物のみ", "Lshinzai12", "Eshinzai12", "Lgshinzai12", "17000"},
    {"", "面材　片側（<３尺）", "LmenzaiS11", "EmenzaiS11", "LgmenzaiS11", "100000"},
    {"", "面材　片側（３～６尺）", "LmenzaiS12", "EmenzaiS12", "LgmenzaiS12", "150000"},
    {"", "面材　片側（＞６尺）", "LmenzaiS13", "EmenzaiS13", "LgmenzaiS13", "175000"},
    {"", "面材　両側（<３尺）", "LmenzaiW11", "EmenzaiW11", "LgmenzaiW11", "195000"},
    {"", "面材　両側（３～６尺）", "LmenzaiW12", "EmenzaiW12", "LgmenzaiW12", "259000"},
    {"", "面材　両側（＞６尺）", "LmenzaiW13", "EmenzaiW13", "LgmenzaiW13", "318000"},
    {"２階壁", "心材　新規・取替", "Lshinzai21", "Eshinzai21", "Lgshinzai21", "70000"},
    {"", "筋かい金物のみ", "Lshinzai22", "Eshinzai22", "Lgshinzai22", "20000"},
    {"", "面材　片側（<３尺）", "LmenzaiS21", "EmenzaiS21", "LgmenzaiS21", "119000"},
    {"", "面材　片側（３～６尺）", "LmenzaiS22", "EmenzaiS22", "LgmenzaiS22", "183000"},
    {"", "面材　片側（＞６尺）", "LmenzaiS23", "EmenzaiS23", "LgmenzaiS23", "205000"},
    {"", "面材　両側（<３尺）", "LmenzaiW21", "EmenzaiW21", "LgmenzaiW21", "215000"},
    {"", "面材　両側（３～６尺）", "LmenzaiW22", "EmenzaiW22", "LgmenzaiW22", "286000"},
    {"", "面材　両側（＞６尺）", "LmenzaiW23", "EmenzaiW23", "LgmenzaiW23", "353000"},
    {"屋根", "葺き替え", "Eyanes", "Eyane", "Lgyane", "25000"},
    {"基礎", "補強", "Lkiso", "Ekiso", "Lgkiso", "30000"},
};

int32_t WallLengthClass(double length) {
  // A length is the difference of two axis positions, which carry the
  // rounding of the sums they were made of: two modules measure 1.82 m
  // wherever the wall lies on the grid.
  constexpr double kRounding = 1e-9;  // m
  if (length <= 0.91 + kRounding) return 0;
  if (length < 1.82 - kRounding) return 1;
  return 2;
}

void CountWallChange(RetrofitCounts& counts, int32_t storey, int32_t change, double length) {
  const bool first = storey == 0;
  const int32_t core = first ? CostCore1 : CostCore2;
  const int32_t hardwareOnly = first ? CostHardwareOnly1 : CostHardwareOnly2;
  const int32_t oneSide = first ? CostOneSide1 : CostOneSide2;
  const int32_t bothSides = first ? CostBothSides1 : CostBothSides2;

  // Bits 0 and 1: the joint class alone means new hardware at both ends;
  // a changed brace or mud wall (or a new wall) a new core element.
  const int32_t frame = change % 4;
  if (frame == 1) counts.Count[hardwareOnly] += 2;
  if (frame == 2 || frame == 3) counts.Count[core] += 1;
  // Bits 2 and 3: the panel of one side or of both.
  const int32_t panels = (change / 4) % 4;
  if (panels == 1 || panels == 2) counts.Count[oneSide + WallLengthClass(length)] += 1;
  if (panels == 3) counts.Count[bothSides + WallLengthClass(length)] += 1;
  // Higher bits: foundation, deterioration or opening changed, or a new wall.
  if (first && change / 16 > 0) counts.FoundationLength += length;
}

RetrofitCounts CountRetrofitChanges(int32_t variant) {
  RetrofitCounts counts;
  if (!ValidVariant(variant)) return counts;
  const int32_t top = TopStoreyOf(variant);
  for (int32_t s = 0; s <= top; ++s) {
    const int32_t n = WallCountOf(variant, s);
    for (int32_t i = 0; i < n; ++i) {
      const WallCaseResult& block = WallResults[variant][s][i].Blocks[0];
      CountWallChange(counts, s, block.RetrofitChange, block.Length);
    }
  }
  return counts;
}

RetrofitCostTally TallyRetrofitCost(const RetrofitCounts& counts, const RetrofitCostInput& input) {
  RetrofitCostTally tally;
  for (int32_t row = 0; row < CostRowCount; ++row) tally.Quantity[row] = counts.Count[row];
  tally.Quantity[CostRoof] = input.RoofArea;
  tally.Quantity[CostFoundation] = counts.FoundationLength;
  double total = 0.0;
  for (int32_t row = 0; row < CostRowCount; ++row) {
    tally.Amount[row] = tally.Quantity[row] * input.Price[row];
    total += tally.Amount[row];
  }
  tally.Total = total + input.Other1 + input.Other2;
  tally.Tax = tally.Total * ConsumptionTaxRate;
  tally.GrandTotal = tally.Total + tally.Tax;
  return tally;
}

std::string RetrofitCostCaption(int32_t variant) {
  switch (variant) {
    case 1:
      return "概算集計（改修案１）";
    case 2:
      return "概算集計（改修案２）";
    default:
      return "概算集計（現況）－－改修案を選択して下さい。";
  }
}

std::string RetrofitQuantityText(int32_t row, const RetrofitCostTally& tally) {
  if (row == CostRoof) return {};
  if (row == CostFoundation) return FormatA("%7.2f", tally.Quantity[row]);
  return FormatA("%6i", static_cast<int>(tally.Quantity[row]));
}

std::string RetrofitAmountText(double amount) { return FormatA("%10.0f", amount); }
