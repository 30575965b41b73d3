#pragma once
// The walk over a storey's wall lists by line (通り) that the wall-strength,
// rigidity and existing-wall pages share: the entries of XWallOrder or
// YWallOrder in list order, the line of each entry (a straight wall's own
// grid index, a diagonal wall's entry key), the share a diagonal wall's entry
// carries (half), and the running sums of the current line, closed on every
// change of line and once after the list. The families differ in which
// entries they list, what an entry adds and how a line is closed; they pass
// those as callbacks. Also the texts the wall rows of these pages share.
#include <cstdint>
#include <functional>
#include <string>

#include "analysis/AnalysisResults.h"
#include "model/ElementLists.h"
#include "report/ReportAreaRows.h"

enum class WallListDirection : int32_t {
  X,  // walls running in X, on lines of constant Y
  Y,  // walls running in Y, on lines of constant X
};

// One entry of a wall list. Record, Result and Snow are never null.
struct WallLineEntry {
  int32_t Position = 0;  // in the list
  int32_t Wall = -1;     // record index in Walls[variant][storey]
  // The grid index of the entry's line: a Y axis for the X list, an X axis
  // for the Y list.
  int32_t Line = -1;
  // Both ends differ: the wall stands in the list twice, once under each of
  // its two lines, and each entry carries half of it.
  bool Diagonal = false;
  const WallRecord* Record = nullptr;
  const WallCaseResult* Result = nullptr;    // loading case 0
  const SnowWallCaseResult* Snow = nullptr;  // loading case 0
  double Share() const { return Diagonal ? 0.5 : 1.0; }
};

// The current line of a walk and what its listed entries have added.
struct WallLineSums {
  // Whether an entry has been listed yet; Line is the line of the latest
  // listed entry.
  bool Listed = false;
  int32_t Line = -1;
  // Up to three running sums, cleared after every closing.
  double Sum[3] = {0, 0, 0};
  // Values of the line's latest listed entry that a family keeps (the
  // rigidity tables' distances); cleared only at the start of the list.
  double Latest[2] = {0, 0};
  bool SumsZero() const { return Sum[0] == 0 && Sum[1] == 0 && Sum[2] == 0; }
};

// What a family does along the walk. A callback that returns false stops the
// walk at once (the preview has its wanted page).
struct WallLineWalk {
  // Whether an entry is listed; an entry not listed changes nothing. Null
  // lists every entry.
  std::function<bool(const WallLineEntry&)> Lists;
  // A listed entry, after the line it leaves has been closed: the family
  // writes its row (or not) and adds to the sums.
  std::function<bool(const WallLineEntry&, WallLineSums&)> Entry;
  // Closes a line: inside the list (last false) when a listed entry stands
  // on another line than the one before; after the list (last true) once,
  // also when nothing was listed (then Listed is false and the sums are 0).
  std::function<bool(const WallLineSums&, bool last)> CloseLine;
  // Inside the list, a line whose sums are all 0 is closed only when this is
  // set; the last line is always closed.
  bool CloseZeroLines = true;
};

// Walks the wall list of direction of storey of variant. False when a
// callback stopped it. A count or wall index out of range (a damaged file)
// reads nothing outside the lists: such entries are passed over.
bool WalkWallLines(int32_t variant, int32_t storey, WallListDirection direction, const WallLineWalk& walk);

// The axis names (AxisNameX, AxisNameY) are those of the area rows.
// The name of a line of the list's direction (a Y axis for the X list).
const char16_t* LineName(WallListDirection direction, int32_t line);

// "(%2i)" of the wall's number when it differs from the current state, else
// two blanks.
std::u16string WallNumberText(const WallCaseResult& result);

// The element symbols of a wall: a blank and the left panel's symbol, a blank
// and the brace symbol (by kind and end joint; kinds above 10 have none), "W"
// for crossed braces of kind 2 or above, "*" for a brace nailed at its ends,
// a blank and the mud wall's symbol, a blank and the right panel's symbol. A
// row outside its table gives no symbol.
std::u16string WallElementSymbols(const WallRecord& wall);

// The lead of a wall row, common to the pages that list walls:
// " Ｘ %4s %-6s %-6s %-6s %-10ls%-16s" (Ｙ for the Y list) of the number text,
// the line name, the two end names, the wall type and the element symbols,
// with the blanks among characters 29 to 38 (the wall type's field, whose
// labels are full-width) widened to U+3000.
std::u16string WallRowLead(WallListDirection direction, const WallLineEntry& entry);

// First and end character of the wall type's field in a wall row.
constexpr std::size_t WallTypeFieldFirst = 29;
constexpr std::size_t WallTypeFieldEnd = 39;
