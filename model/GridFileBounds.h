#pragma once
// The grid edits (axes added, respaced, deleted, a new module, the model
// recentred or turned) keep every axis where a project file can hold it: a
// grid the reader would refuse is never made, so what is saved can be opened
// and the plan's paint coordinates stay small.
#include <cstdint>
#include <string>

#include "model/Grid.h"

// Positions and kinds of both directions and the module, to put back when an
// edit would leave the range.
class GridBackup {
 public:
  GridBackup();
  void Restore() const;

 private:
  double x_[GridAxisCountX];
  double y_[GridAxisCountY];
  int32_t kindX_[GridAxisCountX];
  int32_t kindY_[GridAxisCountY];
  double module_;
};

// Whether every axis lies within FileNumberBounds.GridPosition both where it
// is and measured from axis 0 (where the grid edits and the recentring put
// axis 0), and the module within FileNumberBounds.GridModule. NaN fails.
bool GridFitsProjectFile();

// The refusal: "<field>が大きすぎて、通り芯の位置が範囲（±10000 m）を超えます。
// <edit>出来ません。", caption 入力値確認, shown through the platform box.
std::string GridTooLargeText(const char* field, const char* edit);
void TellGridTooLarge(const char* field, const char* edit);
