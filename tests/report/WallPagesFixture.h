#pragma once
// The house the wall-strength and rigidity pages are tried on, built through
// the model's lists and painted as the plan window paints it; and storeys of
// hand-set lists and results for the tables' own arithmetic.
#include <cstring>
#include <string>
#include <utility>

#include "ReportTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/WallLines.h"
#include "chain/RecalculationChain.h"
#include "editing/SlotCopy.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/ModelExtents.h"
#include "model/SettingChoices.h"
#include "tests/support/MaximalModel.h"

// Two full paints of the current variant: the chain reaches its fixed point
// on the second.
inline void PaintTwice() {
  for (int k = 0; k < 2; ++k) {
    UpdateUsedExtents();
    RunRecalculationChain();
  }
}

// The diagonal wall of the snow house: storey 1, from (19, 11) to (21, 13).
constexpr int SnowHouseDiagonalX1 = 19, SnowHouseDiagonalY1 = 11;
constexpr int SnowHouseDiagonalX2 = 21, SnowHouseDiagonalY2 = 13;

// The typical two-storey house of the benchmarks (precise method 1) with, on
// storey 1, a diagonal wall braced 30 x 90 nailed at its ends (columns at both
// ends); every column 120 mm square and partly deteriorated, so that with the
// other elements by method 2 the columns beside the openings carry strength
// at half its value; a design snow depth of 1.5 m. Retrofit plan 1 is a copy
// whose first wall gets structural plywood (P1) on its right face. Painted
// twice as the current state, then twice as plan 1, which stays current.
// Returns the diagonal wall's index.
inline int BuildSnowHouse(bool method2 = true, bool snow = true) {
  BuildTypicalHouse();
  ProjectSettings.DiagnosisMethod = DiagnosisPrecise1;
  ProjectSettings.OtherElementsMethod = method2 ? OtherElementsMethod2 : OtherElementsMethod1;
  ProjectSettings.SnowLoad = snow ? 0.26 * 1.5 : 0.0;
  const int diagonal = WallCount[0][0]++;
  WallRecord& d = Walls[0][0][diagonal];
  d = WallRecord{};
  d.X1 = SnowHouseDiagonalX1, d.Y1 = SnowHouseDiagonalY1, d.X2 = SnowHouseDiagonalX2,
  d.Y2 = SnowHouseDiagonalY2;
  d.BraceKind = 4, d.BraceEndJoint = 0, d.Deterioration = 2;
  for (const auto& [x, y] : {std::pair{SnowHouseDiagonalX1, SnowHouseDiagonalY1},
                             std::pair{SnowHouseDiagonalX2, SnowHouseDiagonalY2}}) {
    ColumnRecord& c = Columns[0][0][ColumnCount[0][0]++];
    c = ColumnRecord{};
    c.X = x, c.Y = y, c.Type = 1, c.Hardware = 1;
  }
  for (int s = 0; s < 2; ++s)
    for (int c = 0; c < ColumnCount[0][s]; ++c) {
      Columns[0][s][c].SectionX = 1;  // 120 mm
      Columns[0][s][c].Deterioration = 1;
    }
  CopyModelSlot(CurrentState, RetrofitPlan1, CopyModeCopy, 0b111);
  Walls[RetrofitPlan1][0][0].PanelRight = 3;  // P1
  for (int v : {CurrentState, RetrofitPlan1}) {
    CurrentVariant = v;
    PaintTwice();
  }
  return diagonal;
}

// A storey of hand-set lists and results: walls appended with their results
// zeroed, list entries added by hand, axis names set by hand.
class HandSetStorey {
 public:
  HandSetStorey() { Reset(); }
  // Empty wall results and lists, and axis names X0.., Y0..: called again by
  // a fixture after its start-up state has recalculated the empty model.
  void Reset() {
    std::memset(WallResults, 0, sizeof WallResults);
    std::memset(SnowWallResults, 0, sizeof SnowWallResults);
    std::memset(ColumnResults, 0, sizeof ColumnResults);
    for (int s = 0; s < StoreyCount; ++s) XWallCount[0][s] = YWallCount[0][s] = 0;
    for (int i = 0; i < 80; ++i) {
      Name(GridAxisNameX[i], u"X" + Number(i));
      Name(GridAxisNameY[i], u"Y" + Number(i));
    }
  }
  int Wall(int x1, int y1, int x2, int y2, int storey = 0) {
    const int i = WallCount[0][storey]++;
    WallRecord& w = Walls[0][storey][i];
    w = WallRecord{};
    w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
    return i;
  }
  static void XEntry(int wall, int key, int storey = 0) {
    const int n = XWallCount[0][storey]++;
    XWallOrder[0][storey][n] = wall;
    XWallLineKey[0][storey][n] = key;
  }
  static void YEntry(int wall, int key, int storey = 0) {
    const int n = YWallCount[0][storey]++;
    YWallOrder[0][storey][n] = wall;
    YWallLineKey[0][storey][n] = key;
  }
  static WallCaseResult& Result(int wall, int storey = 0) { return WallResults[0][storey][wall].Blocks[0]; }
  static SnowWallCaseResult& Snow(int wall, int storey = 0) {
    return SnowWallResults[0][storey][wall].Blocks[0];
  }

 private:
  static std::u16string Number(int i) {
    std::u16string n;
    if (i < 10) n += u' ';
    for (char c : std::to_string(i)) n += static_cast<char16_t>(c);
    return n;
  }
  static void Name(char16_t (&name)[GridAxisNameCapacity], const std::u16string& text) {
    std::copy(text.begin(), text.end(), name);
    name[text.size()] = 0;
  }
};

// Character cells in the fixed-pitch body font: one for ASCII and half-width
// katakana, two for everything else (full-width letters, U+3000, kanji).
inline int Cells(std::u16string_view text) {
  int n = 0;
  for (char16_t c : text) n += c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2;
  return n;
}

// The texts of a page at x, in drawing order.
inline std::vector<const RecordingCanvas::Call*> TextsAtX(const RecordedPage& page, int32_t x) {
  std::vector<const RecordingCanvas::Call*> out;
  for (const auto* t : TextsOf(page))
    if (t->Args[0] == x) out.push_back(t);
  return out;
}

// Whether text starts with prefix.
inline bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}
