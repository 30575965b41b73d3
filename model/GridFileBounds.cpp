#include "model/GridFileBounds.h"

#include <cstring>

#include "model/ModelValidation.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"

GridBackup::GridBackup() : module_(GridModule) {
  std::memcpy(x_, GridAxisX, sizeof x_);
  std::memcpy(y_, GridAxisY, sizeof y_);
  std::memcpy(kindX_, GridAxisKindX, sizeof kindX_);
  std::memcpy(kindY_, GridAxisKindY, sizeof kindY_);
}

void GridBackup::Restore() const {
  std::memcpy(GridAxisX, x_, sizeof x_);
  std::memcpy(GridAxisY, y_, sizeof y_);
  std::memcpy(GridAxisKindX, kindX_, sizeof kindX_);
  std::memcpy(GridAxisKindY, kindY_, sizeof kindY_);
  GridModule = module_;
}

namespace {

bool DirectionFits(const double* axes, int count) {
  const NumberField& bound = FileNumberBounds.GridPosition;
  for (int i = 0; i < count; ++i)
    if (!bound.Accepts(axes[i]) || !bound.Accepts(axes[i] - axes[0])) return false;
  return true;
}

}  // namespace

bool GridFitsProjectFile() {
  return DirectionFits(GridAxisX, GridAxisCountX) && DirectionFits(GridAxisY, GridAxisCountY) &&
         FileNumberBounds.GridModule.Accepts(GridModule);
}

std::string GridTooLargeText(const char* field, const char* edit) {
  return FormatA("%sが大きすぎて、通り芯の位置が範囲（±%.0f m）を超えます。\n\n%s出来ません。", field,
                 FileNumberBounds.GridPosition.Max, edit);
}

void TellGridTooLarge(const char* field, const char* edit) {
  MessageBox(GridTooLargeText(field, edit), "入力値確認", MB_ICONINFORMATION);
}
