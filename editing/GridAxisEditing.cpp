#include "editing/GridAxisEditing.h"

#include <utility>

#include "editing/SlotCopy.h"
#include "model/ElementPoints.h"
#include "model/Grid.h"
#include "model/GridFileBounds.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"

double AxisPromptOldSpacing = 0;
double AxisPromptValue = 0;
int32_t AxisPromptResult = AxisPromptCancelled;

// Eight decimals, not exact sixths.
const double AxisSpacingFactors[AxisSpacingFactorCount] = {0.83333333,  0.66666666,  0.5,         0.33333333,
                                                           0.16666666,  -0.16666666, -0.33333333, -0.5,
                                                           -0.66666666, -0.83333333};

namespace {

constexpr int32_t kLastAxis = 199;
constexpr int32_t kNoAxis = 200;
// Intervals up to this one are widened or narrowed by moving the axes before
// them, later ones by moving the axes after them.
constexpr int32_t kMiddleInterval = 100;

constexpr const char* kInputCaption = "入力値確認";
constexpr const char* kDataCaption = "データ確認";
constexpr const char* kZeroValue = "入力値（＝０ or 空白）は無効です。";
constexpr const char* kTooLarge =
    "入力値が大きすぎです。\n\n入力値を直します　－－　はい\n\nこのまま入力する　－－　いいえ";
constexpr const char* kBeyondSpacing = "軸間距離より大きい入力値は無効です。";
constexpr const char* kNegative = "マイナス値は入力出来ません。";
constexpr const char* kTooSmall =
    "入力値が小さすぎです。\n\n入力値を直します　－－　はい\n\nこのまま入力する　－－　いいえ";
constexpr const char* kAxisInUse = "データの在る軸は消去出来ません。";
constexpr const char* kLastAxisInUse = "最後の通り芯にデータが在るため、通り芯を追加出来ません。";

std::function<void()>& AxisPrompt() {
  static std::function<void()> prompt;
  return prompt;
}

struct AxisLine {
  double* Position;
  int32_t* Kind;
};

AxisLine LineOf(bool xDirection) {
  return xDirection ? AxisLine{GridAxisX, GridAxisKindX} : AxisLine{GridAxisY, GridAxisKindY};
}

// Calls f with a reference to every index of the direction, in every record
// of the three variants.
template <typename F>
void ForEachIndex(bool xDirection, F&& f) {
  ForEachVariantRecord(
      [&](auto& record) { ForEachPointOf(record, [&](int32_t& x, int32_t& y) { f(xDirection ? x : y); }); });
}

bool IsAddMode(int32_t mode) { return mode == GridEditAddX || mode == GridEditAddY; }

// A question of the checks: Yes (correct the value) ends the edit.
bool AnsweredCorrect(const char* question) { return MessageBox(question, kInputCaption, 68) == IDYES; }

// The checks of a prompted distance v against the old spacing s, in their
// order; v is brought to the distance from the left or lower axis. False
// when the edit ends.
bool CheckedDistance(int32_t mode, double s, double& v) {
  const bool add = IsAddMode(mode);
  if (v == 0) {
    MessageBox(kZeroValue, kInputCaption, 64);
    return false;
  }
  if (v < 0 && add) v += s;  // measured from the right or from the top
  if (v > 4.0 && !add && AnsweredCorrect(kTooLarge)) return false;
  // A distance from the right beyond the spacing would put the new axis
  // outside its interval, the grid no longer increasing.
  if (add && (v >= s || v <= 0)) {
    MessageBox(kBeyondSpacing, kInputCaption, 64);
    return false;
  }
  if (add && v > s - 0.1 && AnsweredCorrect(kTooLarge)) return false;
  if (v < 0 && !add) {
    MessageBox(kNegative, kInputCaption, 64);
    return false;
  }
  if (v < 0.1 && AnsweredCorrect(kTooSmall)) return false;
  return true;
}

int32_t AddOrChange(int32_t mode, int32_t kx, int32_t ky) {
  const bool xDirection = mode == GridEditAddX || mode == GridEditChangeX;
  const int32_t k = xDirection ? kx : ky;
  if (k < 1 || k > kLastAxis) return 0;
  const AxisLine line = LineOf(xDirection);
  const bool add = IsAddMode(mode);
  if (add && GridAxisCarriesElement(xDirection, kLastAxis)) {
    MessageBox(kLastAxisInUse, kDataCaption, 32);
    return 0;
  }

  AxisPromptResult = AxisPromptCancelled;
  AxisPromptOldSpacing = line.Position[k] - line.Position[k - 1];
  AxisPromptValue = add ? GridModule / 2 : GridModule;
  if (AxisPrompt()) AxisPrompt()();
  if (AxisPromptResult == AxisPromptCancelled) return 0;
  double v = AxisPromptValue;
  if (!CheckedDistance(mode, AxisPromptOldSpacing, v)) return 0;

  // The checks above leave one refusal to the edit: the grid would reach
  // beyond what a project file holds.
  const bool changed = add ? InsertGridAxis(xDirection, k, v, NewAxisKindOf(AxisPromptResult))
                           : ChangeGridSpacing(xDirection, k, v);
  if (!changed) {
    if (add) {
      TellGridTooLarge("通り芯の全長", "通り芯を追加");
    } else {
      TellGridTooLarge("軸間距離", "入力");
    }
  }
  return changed ? 1 : 0;
}

// The axes of a deletion of axis a, the indices left as they are.
void DeleteAxis(bool xDirection, int32_t a) {
  const AxisLine line = LineOf(xDirection);
  if (a > kMiddleInterval) {
    for (int32_t i = a; i < kLastAxis; ++i) {
      line.Position[i] = line.Position[i + 1];
      line.Kind[i] = line.Kind[i + 1];
    }
    line.Position[kLastAxis] = line.Position[kLastAxis - 1] + GridModule;
    line.Kind[kLastAxis] = GridAxisMain;
  } else {
    for (int32_t i = a; i > 0; --i) {
      line.Position[i] = line.Position[i - 1];
      line.Kind[i] = line.Kind[i - 1];
    }
    line.Position[0] = line.Position[1] - GridModule;
    line.Kind[0] = GridAxisMain;
  }
}

// The indices on the side of a whose axes moved follow them.
void RenumberAfterDelete(bool xDirection, int32_t a) {
  if (a > kMiddleInterval) {
    ForEachIndex(xDirection, [&](int32_t& index) {
      if (index > a) --index;
    });
  } else {
    ForEachIndex(xDirection, [&](int32_t& index) {
      if (index < a) ++index;
    });
  }
}

int32_t Delete(int32_t kx, int32_t ky) {
  if (kx < 0 || kx > kNoAxis || ky < 0 || ky > kNoAxis) return 0;
  const bool deleteX = kx < kNoAxis, deleteY = ky < kNoAxis;
  if (!deleteX && !deleteY) return 0;
  // Both axes or neither: a refusal leaves the grid as it was.
  if ((deleteX && GridAxisCarriesElement(true, kx)) || (deleteY && GridAxisCarriesElement(false, ky))) {
    MessageBox(kAxisInUse, kDataCaption, 32);
    return 0;
  }
  const GridBackup before;
  if (deleteX) DeleteAxis(true, kx);
  if (deleteY) DeleteAxis(false, ky);
  if (!GridFitsProjectFile()) {
    before.Restore();
    TellGridTooLarge("通り芯の全長", "通り芯を消去");
    return 0;
  }
  if (deleteX) RenumberAfterDelete(true, kx);
  if (deleteY) RenumberAfterDelete(false, ky);
  return 1;
}

}  // namespace

void SetAxisPrompt(std::function<void()> prompt) { AxisPrompt() = std::move(prompt); }

AxisPromptTexts AxisPromptTextsOf(int32_t gridEditMode) {
  constexpr const char* kBefore = "変更前の軸間距離　　＝";
  constexpr const char* kAfter = "変更後の軸間距離　　＝";
  constexpr const char* kNoNegative = "マイナス値は無効";
  switch (gridEditMode) {
    case GridEditAddX:
      return {"Ｘ座標追加",
              "追加前の軸間距離　　＝",
              "新軸の左側からの距離＝",
              "マイナス値は右側からの距離↑",
              "追加",
              true};
    case GridEditChangeX:
      return {"Ｘ座標変更", kBefore, kAfter, kNoNegative, "変更", false};
    case GridEditAddY:
      return {"Ｙ座標追加",
              "追加前の軸間距離　　＝",
              "新軸の下からの距離　＝",
              "　マイナス値は上からの距離↑",
              "追加",
              true};
    default:
      return {"Ｙ座標変更", kBefore, kAfter, kNoNegative, "変更", false};
  }
}

std::string AxisPromptNumberText(double metres) { return FormatA("%.5g", metres); }

std::string AxisSpacingItem(int i) {
  if (i < 0 || i >= AxisSpacingFactorCount) return {};
  return FormatA("%6.3f", GridModule * AxisSpacingFactors[i]);
}

int32_t NewAxisKindOf(int32_t promptResult) {
  return promptResult == AxisPromptMainAxis ? GridAxisMain : promptResult - 1;
}

GridAxisMove LastGridEditMove;

int32_t EditGridAxis(int32_t kx, int32_t ky) {
  LastGridEditMove = {};
  int32_t changed = 0;
  switch (GridEditMode) {
    case GridEditAddX:
    case GridEditChangeX:
    case GridEditAddY:
    case GridEditChangeY:
      changed = AddOrChange(GridEditMode, kx, ky);
      break;
    case GridEditDelete:
      changed = Delete(kx, ky);
      break;
    default:
      return 0;
  }
  if (changed) {
    // A deletion or a wider interval in the lower half moves axis 0 below
    // 0 m, off the sheet: the whole grid moves back instead, and so the
    // elements on the first axes stay on the sheet.
    LastGridEditMove.X = PutAxisZeroAtOrigin(GridAxisX);
    LastGridEditMove.Y = PutAxisZeroAtOrigin(GridAxisY);
    EmptyUndoRing();
  }
  return changed;
}

bool GridAxisCarriesElement(bool xDirection, int32_t a) {
  bool used = false;
  ForEachIndex(xDirection, [&](int32_t index) { used = used || index == a; });
  return used;
}

bool InsertGridAxis(bool xDirection, int32_t k, double v, int32_t kind) {
  if (k < 1 || k > kLastAxis) return false;
  const AxisLine line = LineOf(xDirection);
  if (!(v > 0 && v < line.Position[k] - line.Position[k - 1])) return false;
  if (GridAxisCarriesElement(xDirection, kLastAxis)) return false;
  const GridBackup before;
  for (int32_t i = kLastAxis; i > k; --i) {
    line.Position[i] = line.Position[i - 1];
    line.Kind[i] = line.Kind[i - 1];
  }
  // X: v right of the left axis; Y: v above the lower axis, which is still at k.
  line.Position[k] = xDirection ? line.Position[k - 1] + v : line.Position[k] - v;
  line.Kind[k] = kind;
  if (!GridFitsProjectFile()) {
    before.Restore();
    return false;
  }
  ForEachIndex(xDirection, [&](int32_t& index) {
    if (index >= k) ++index;
  });
  return true;
}

bool ChangeGridSpacing(bool xDirection, int32_t k, double v) {
  if (k < 1 || k > kLastAxis || !(v > 0)) return false;
  const AxisLine line = LineOf(xDirection);
  const GridBackup before;
  const double d = (line.Position[k] - line.Position[k - 1]) - v;
  if (k > kMiddleInterval) {
    for (int32_t i = k; i <= kLastAxis; ++i) line.Position[i] -= d;
  } else {
    for (int32_t i = 0; i < k; ++i) line.Position[i] += d;
  }
  if (!GridFitsProjectFile()) {
    before.Restore();
    return false;
  }
  return true;
}

bool DeleteGridAxis(bool xDirection, int32_t a) {
  if (a < 0 || a > kLastAxis || GridAxisCarriesElement(xDirection, a)) return false;
  const GridBackup before;
  DeleteAxis(xDirection, a);
  if (!GridFitsProjectFile()) {
    before.Restore();
    return false;
  }
  RenumberAfterDelete(xDirection, a);
  return true;
}
