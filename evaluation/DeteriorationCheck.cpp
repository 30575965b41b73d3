#include "evaluation/DeteriorationCheck.h"

#include "platform/Format.h"

namespace {

const char* const kItemNames[DeteriorationItemCount] = {
    "屋根 葺き材 (金属板 / 瓦・スレート)",
    "樋 軒・呼び樋",
    "樋 竪樋",
    "外壁 仕上げ (木製板、合板 / 窯業系ｻｲﾃﾞｨﾝｸﾞ / 金属ｻｲﾃﾞｨﾝｸﾞ / ﾓﾙﾀﾙ)",
    "露出した躯体",
    "バルコニー 手すり壁",
    "バルコニー 外壁との接合部",
    "バルコニー 床排水",
    "内壁 一般室",
    "内壁 浴室 (タイル壁 / タイル以外)",
    "床 床面 一般室",
    "床 床面 廊下",
    "床下",
};

bool IsItem(int item) { return item >= 0 && item < DeteriorationItemCount; }

}  // namespace

const char* DeteriorationItemName(int item) { return IsItem(item) ? kItemNames[item] : ""; }

std::string DeteriorationItemPointsText(int item) {
  return IsItem(item) ? FormatA("%i", static_cast<int>(DeteriorationItemPoints(item))) : std::string();
}

DeteriorationCheckView DeteriorationCheckOf(const int32_t (&existence)[DeteriorationItemCount],
                                            const int32_t (&deterioration)[DeteriorationItemCount]) {
  DeteriorationCheckView view;
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    view.Exists[i] = existence[i] != 0;
    // An absent item shows no deterioration box, whatever its answer was.
    view.DeteriorationShown[i] = view.Exists[i];
    view.Deteriorated[i] = view.Exists[i] && deterioration[i] != 0;
    view.ExistenceTotal += existence[i];
    view.DeteriorationTotal += deterioration[i];
  }
  view.ExistenceTotalText = FormatA("%3i", static_cast<int>(view.ExistenceTotal));
  view.DeteriorationTotalText = FormatA("%3i", static_cast<int>(view.DeteriorationTotal));
  view.Factor = DeteriorationFactorOfTotals(view.DeteriorationTotal, view.ExistenceTotal);
  view.FactorText = view.ExistenceTotal > 0 ? FormatA("%5.2f", view.Factor) : std::string("-.--");
  return view;
}
