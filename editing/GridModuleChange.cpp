#include "editing/GridModuleChange.h"

#include <cmath>

#include "editing/SlotCopy.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/GridFileBounds.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "platform/Numeric.h"

namespace {

constexpr int32_t kLastAxis = 199;

// Lays one direction out again; the widths are those of before the change.
void LayOut(double (&axes)[200], double oldModule, double m, ModuleSpacingRule rule) {
  double previousOld = axes[0];
  for (int32_t i = 0; i < kLastAxis; ++i) {
    const double w = axes[i + 1] - previousOld;
    previousOld = axes[i + 1];
    double width = w;
    if (rule == ModuleSpacingRule::AllToModule || std::fabs(w - oldModule) < 1e-9) {
      width = m;
    } else if (rule == ModuleSpacingRule::Proportional) {
      width = w * m / oldModule;
    }
    axes[i + 1] = axes[i] + width;
  }
}

}  // namespace

bool LayOutGridToModule(double m, ModuleSpacingRule rule) {
  const GridBackup before;
  const double oldModule = GridModule;
  GridModule = m;
  LayOut(GridAxisX, oldModule, m, rule);
  LayOut(GridAxisY, oldModule, m, rule);
  if (!GridFitsProjectFile()) {
    before.Restore();
    return false;
  }
  EmptyUndoRing();
  return true;
}

bool ChangeGridModuleFromText(std::string_view text, ModuleSpacingRule rule) {
  double m = 0;
  if (!ParseNumberText(text, m)) {
    MessageBox("モジュール値は'0.600'～'1.820'の数値で入力して下さい。", "入力値確認", 64);
    return false;
  }
  if (m < MinGridModule) {
    MessageBox("モジュール値は'0.600'以上にして下さい。", "入力値確認", 64);
    return false;
  }
  if (m > MaxGridModule) {
    MessageBox("モジュール値は'1.820'以下にして下さい。", "入力値確認", 64);
    return false;
  }
  if (!LayOutGridToModule(m, rule)) {
    TellGridTooLarge("モジュール値", "モジュールを変更");
    return false;
  }
  ModifiedFlag = 1;
  return true;
}
