#pragma once
// The approximate cost of a retrofit plan (概算集計): the walls that the plan
// changes against the current state are counted by storey group, kind of
// work and wall length, the counts and the roof and foundation quantities are
// priced with the unit prices of the cost dialog and summed with the
// consumption tax.
#include <cstdint>
#include <string>

// The priced rows, in the dialog's order.
enum RetrofitCostRow : int32_t {
  CostColumns,                        // 柱 新設・撤去 (counted as nothing yet)
  CostColumnHardware,                 // 柱頭・柱脚金物 (counted as nothing yet)
  CostCore1,                          // １階壁 心材 新規・取替
  CostHardwareOnly1,                  // １階壁 筋かい金物のみ
  CostOneSide1,                       // １階壁 面材 片側, three length classes
  CostBothSides1 = CostOneSide1 + 3,  // １階壁 面材 両側, three length classes
  CostCore2 = CostBothSides1 + 3,     // ２階壁 (second and third storeys), same rows
  CostHardwareOnly2,
  CostOneSide2,
  CostBothSides2 = CostOneSide2 + 3,
  CostRoof = CostBothSides2 + 3,  // 屋根 葺き替え, m² typed by the user
  CostFoundation,                 // 基礎 補強, m
  CostRowCount
};

struct RetrofitCostRowInfo {
  const char* Part;          // 改修部位, UTF-8; empty below the first row of a group
  const char* Work;          // 改修内容
  const char* QuantityName;  // the label (the edit for the roof)
  const char* PriceName;     // the unit-price edit
  const char* AmountName;    // the amount label
  const char* DefaultPrice;  // the edit's text until the user changes it
};
extern const RetrofitCostRowInfo RetrofitCostRows[CostRowCount];

// Length classes of a wall: 0 up to 0.91 m (３尺), 1 below 1.82 m, 2 from 1.82 m.
int32_t WallLengthClass(double length);

struct RetrofitCounts {
  int32_t Count[CostRowCount] = {};  // the wall and column rows
  double FoundationLength = 0.0;     // m of first-storey walls
};

// Adds one wall of storey s (0..2) with its WallResult.RetrofitChange and
// case-0 length (m).
void CountWallChange(RetrofitCounts& counts, int32_t storey, int32_t change, double length);

// Counts every wall of the variant's storeys 0..TopStorey from the case-0
// block of WallResults (as the last recalculation left it).
RetrofitCounts CountRetrofitChanges(int32_t variant);

struct RetrofitCostInput {
  double Price[CostRowCount] = {};  // 円 per quantity
  double RoofArea = 0.0;            // m²
  double Other1 = 0.0;              // その他 設備工事・リフォーム工事等, 円
  double Other2 = 0.0;              // その他 設計費等, 円
};

constexpr double ConsumptionTaxRate = 0.1;

struct RetrofitCostTally {
  double Quantity[CostRowCount] = {};
  double Amount[CostRowCount] = {};
  double Total = 0.0;       // 計: the twenty amounts and the two other amounts
  double Tax = 0.0;         // 消費税
  double GrandTotal = 0.0;  // 概算額
};

RetrofitCostTally TallyRetrofitCost(const RetrofitCounts& counts, const RetrofitCostInput& input);

// The texts of the dialog (UTF-8).
std::string RetrofitCostCaption(int32_t variant);
// The quantity label of a row: counts "%6i", the foundation length "%7.2f";
// empty for the roof, whose quantity is its edit.
std::string RetrofitQuantityText(int32_t row, const RetrofitCostTally& tally);
std::string RetrofitAmountText(double amount);  // "%10.0f", also for the totals
