#include "report/ReportWallLines.h"

#include <string_view>

#include "analysis/GridAxisLabels.h"
#include "analysis/WallLines.h"
#include "model/ElementTables.h"
#include "model/ModelAccess.h"
#include "platform/Format.h"
#include "report/ReportLines.h"

namespace {

// A symbol held in a fixed array, up to its NUL or the array's end.
std::u16string_view SymbolText(const char16_t (&symbol)[ElementSymbolCapacity]) {
  std::size_t n = 0;
  while (n < ElementSymbolCapacity && symbol[n] != 0) ++n;
  return {symbol, n};
}

std::u16string_view PanelSymbol(int32_t row) {
  return row >= 0 && row < PanelTableRows ? SymbolText(PanelTable[row].Symbol) : std::u16string_view();
}

std::u16string_view MudWallSymbol(int32_t row) {
  return row >= 0 && row < MudWallTableRows ? SymbolText(MudWallTable[row].Symbol) : std::u16string_view();
}

// The BraceTable row of brace kind k with end joint j (-1 for none), and
// whether the brace is nailed at its ends.
struct BraceRow {
  int32_t Row = -1;
  bool Nailed = false;
};

BraceRow BraceRowOf(int32_t k, int32_t j) {
  if (k >= 0 && k <= 3) return {k, false};
  if (k == 4) return {j != 0 ? 4 : 5, j == 0};
  if (k == 5) return {j > 1 ? 6 : 7, j <= 1};
  if (k == 6) return {8, j <= 2};
  if (k >= 7 && k <= 10) return {k + 2, false};
  return {};
}

}  // namespace

bool WalkWallLines(int32_t variant, int32_t storey, WallListDirection direction, const WallLineWalk& walk) {
  WallLineSums sums;
  if (ValidVariant(variant) && ValidStorey(storey)) {
    const bool x = direction == WallListDirection::X;
    const int32_t* order = x ? XWallOrder[variant][storey] : YWallOrder[variant][storey];
    const int32_t* keys = x ? XWallLineKey[variant][storey] : YWallLineKey[variant][storey];
    const int32_t count =
        ListLength(x ? XWallCount[variant][storey] : YWallCount[variant][storey], WallLineEntryCapacity);
    const int32_t walls = WallCountOf(variant, storey);
    for (int32_t i = 0; i < count; ++i) {
      const int32_t w = order[i];
      if (w < 0 || w >= walls) continue;
      const WallRecord& record = Walls[variant][storey][w];
      // A wall along one grid line stands on it; a diagonal one on its key.
      const bool straight = x ? record.Y1 == record.Y2 : record.X1 == record.X2;
      WallLineEntry entry;
      entry.Position = i;
      entry.Wall = w;
      entry.Line = straight ? (x ? record.Y1 : record.X1) : keys[i];
      entry.Diagonal = !straight;
      entry.Record = &record;
      entry.Result = &WallResults[variant][storey][w].Blocks[0];
      entry.Snow = &SnowWallResults[variant][storey][w].Blocks[0];
      if (walk.Lists && !walk.Lists(entry)) continue;

      if (sums.Listed && sums.Line != entry.Line) {
        if (walk.CloseZeroLines || !sums.SumsZero()) {
          if (walk.CloseLine && !walk.CloseLine(sums, false)) return false;
          sums.Sum[0] = sums.Sum[1] = sums.Sum[2] = 0;
        }
      }
      sums.Listed = true;
      sums.Line = entry.Line;
      if (walk.Entry && !walk.Entry(entry, sums)) return false;
    }
  }
  return !walk.CloseLine || walk.CloseLine(sums, true);
}

const char16_t* LineName(WallListDirection direction, int32_t line) {
  return direction == WallListDirection::X ? AxisNameY(line) : AxisNameX(line);
}

std::u16string WallNumberText(const WallCaseResult& result) {
  return result.RetrofitChange != 0 ? FormatW(u"(%2i)", result.WallNumber) : std::u16string(u"  ");
}

std::u16string WallElementSymbols(const WallRecord& wall) {
  const BraceRow brace = BraceRowOf(wall.BraceKind, wall.BraceEndJoint);
  std::u16string text(u" ");
  text += PanelSymbol(wall.PanelLeft);
  text += u' ';
  if (brace.Row >= 0 && brace.Row < BraceTableRows) text += SymbolText(BraceTable[brace.Row].Symbol);
  text += wall.BraceKind > 1 && wall.BraceArrangement == 1 ? u'W' : u' ';
  text += brace.Nailed ? u'*' : u' ';
  text += u' ';
  text += MudWallSymbol(wall.MudWallKind);
  text += u' ';
  text += PanelSymbol(wall.PanelRight);
  return text;
}

std::u16string WallRowLead(WallListDirection direction, const WallLineEntry& entry) {
  const bool x = direction == WallListDirection::X;
  const WallRecord& wall = *entry.Record;
  const std::u16string number = WallNumberText(*entry.Result);
  const std::u16string symbols = WallElementSymbols(wall);
  std::u16string lead =
      FormatW(x ? u" Ｘ %4s %-6s %-6s %-6s %-10ls%-16s" : u" Ｙ %4s %-6s %-6s %-6s %-10ls%-16s",
              number.c_str(), LineName(direction, entry.Line), x ? AxisNameX(wall.X1) : AxisNameY(wall.Y1),
              x ? AxisNameX(wall.X2) : AxisNameY(wall.Y2),
              LabelAt(WallTypeLabels, WallTypeLabelCount, entry.Result->WallType), symbols.c_str());
  WidenBlanks(lead, WallTypeFieldFirst, WallTypeFieldEnd);
  return lead;
}
