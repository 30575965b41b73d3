#include "editing/WallInput.h"

#include <cmath>

#include "editing/SlotCopy.h"
#include "editing/TwoPointInput.h"
#include "editing/WallCrossing.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/ModelAccess.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"

namespace {

constexpr WallSettings kStartSettings = [] {
  WallSettings s{};
  s.Deterioration = 2;
  return s;
}();

std::function<void()> gChangeDialog;

// The lengths of the lists and tables that the coded fields index.
constexpr int32_t OpeningKindCount = 4;
constexpr int32_t FittingSymbolCount = 12;
constexpr int32_t BraceKindCount = 11;
constexpr int32_t BraceEndJointCount = 4;
constexpr int32_t BraceArrangementCount = 2;
constexpr int32_t FurringCount = 3;
constexpr int32_t WeightClassCount = 3;

bool InRange(int32_t value, int32_t count) { return value >= 0 && value < count; }

void Take(int32_t& field, int32_t value, int32_t count) {
  if (InRange(value, count)) field = value;
}

bool ValidDeterioration(int32_t code) { return InRange(code, 256) && (code & 3) != 3; }

// Yes/no questions; anything but はい counts as いいえ.
bool Confirmed(const char* text, const char* caption) {
  return MessageBox(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

const GridSegment SegmentOf(const WallRecord& wall) { return {wall.X1, wall.Y1, wall.X2, wall.Y2}; }

int32_t MudWallFlag(int32_t row) {
  return InRange(row, MudWallTableRows) ? MudWallTable[row].DiagnosisOnly : 0;
}
int32_t PanelFlag(int32_t row) { return InRange(row, PanelTableRows) ? PanelTable[row].DiagnosisOnly : 0; }

// Whether a changed wall of a retrofit plan carries an element meant for the
// current state that the same wall of the current state does not have.
bool CarriesDiagnosisOnlyElement(const WallRecord& wall, int32_t storey) {
  const int32_t mud = MudWallFlag(wall.MudWallKind);
  const int32_t brace = DiagnosisOnlyBraceRow(wall.BraceKind, wall.BraceEndJoint);
  const int32_t left = PanelFlag(wall.PanelLeft);
  const int32_t right = PanelFlag(wall.PanelRight);
  if (mud == 0 && brace == 0 && left == 0 && right == 0) return false;
  const int32_t n = WallCountOf(0, storey);
  for (int32_t k = 0; k < n; ++k) {
    const WallRecord& twin = Walls[0][storey][k];
    if (!JoinsEnds(twin, SegmentOf(wall), EndOrder::EitherOrder)) continue;
    return (mud != 0 && twin.MudWallKind != wall.MudWallKind) ||
           (brace != 0 && brace != DiagnosisOnlyBraceRow(twin.BraceKind, twin.BraceEndJoint)) ||
           (left != 0 && twin.PanelLeft != wall.PanelLeft) ||
           (right != 0 && twin.PanelRight != wall.PanelRight);
  }
  return true;
}

void GiveEndColumnsNoticeHardware(int32_t v, int32_t s, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const int32_t n = CountOf(ColumnCount, v, s, MaxColumnsPerStorey);
  for (int32_t k = 0; k < n; ++k) {
    ColumnRecord& column = Columns[v][s][k];
    if ((column.X == x1 && column.Y == y1) || (column.X == x2 && column.Y == y2)) column.Hardware = 2;
  }
}

enum class ChangeOutcome { Done, TakenBack, BroughtOff };

// Runs the change dialog on wall i and applies its result. BroughtOff: the
// wall was taken out of the list to be appended again (手前に表示).
ChangeOutcome ChangeWall(int32_t v, int32_t s, int32_t i, const GridSegment& clicked, int32_t& count) {
  WallRecord* const list = Walls[v][s];
  const WallRecord before = list[i];
  static_cast<WallSettings&>(WallChangeBuffer) = SettingsOfWall(before);
  WallChangeBuffer.Result = WallChangeNotApplied;
  WallChangeBuffer.WallIndex = i;
  WallChangeBuffer.JointSpec = 0;
  WallChangeBuffer.FoundationClass = 0;
  const int32_t undoBefore = UndoTop;
  if (gChangeDialog) gChangeDialog();
  const int32_t result = WallChangeBuffer.Result;

  if (result == WallChangeDelete || result == WallChangeToFront) {
    RemoveRecord(list, count, i);
    WallCount[v][s] = count;
    if (result == WallChangeToFront) return ChangeOutcome::BroughtOff;
  }
  if (result == WallChangeApply) {
    WallRecord& wall = list[i];
    wall.X1 = clicked.X1, wall.Y1 = clicked.Y1, wall.X2 = clicked.X2, wall.Y2 = clicked.Y2;
    if (v != 0 && CarriesDiagnosisOnlyElement(wall, s)) {
      const bool yes = Confirmed(WallDiagnosisOnlyQuestion, WallDiagnosisOnlyCaption);
      InvalidateSheet();
      if (!yes) {
        // Back to the wall as it was: through the snapshot the dialog pushed
        // before its change, or, without one, from the copy kept here.
        if (UndoTop != undoBefore)
          UndoStep();
        else
          list[i] = before;
        return ChangeOutcome::TakenBack;
      }
    }
  }
  if (v != 0 && NotifiedEndColumns == 1 && (result == WallChangeApply || result == WallChangeDelete))
    GiveEndColumnsNoticeHardware(v, s, clicked.X1, clicked.Y1, clicked.X2, clicked.Y2);
  InvalidateSheet();
  return ChangeOutcome::Done;
}

}  // namespace

WallSettings NewWallDefaults = kStartSettings;
WallSettings WallPaletteControls = kStartSettings;
WallChangeExchange WallChangeBuffer{};

void ResetWallPaletteSettings() { NewWallDefaults = WallPaletteControls = kStartSettings; }

WallSettings SettingsOfWall(const WallRecord& w) {
  return {w.OpeningKind,   w.NoStrength,    w.FittingSymbol, w.WingWallStart,   w.WingWallEnd,
          w.FlipInOut,     w.FlipLeftRight, w.BraceKind,     w.BraceEndJoint,   w.BraceArrangement,
          w.MudWallKind,   w.PanelLeft,     w.PanelRight,    w.FurringLeft,     w.FurringRight,
          w.Height,        w.BraceHeight,   w.MudWallHeight, w.PanelLeftHeight, w.PanelRightHeight,
          w.Deterioration, w.WeightClass,   w.Weight};
}

void PutWallSettings(WallRecord& w, const WallSettings& s) {
  Take(w.OpeningKind, s.OpeningKind, OpeningKindCount);
  w.NoStrength = s.NoStrength != 0 ? 1 : 0;
  Take(w.FittingSymbol, s.FittingSymbol, FittingSymbolCount);
  w.WingWallStart = s.WingWallStart;
  w.WingWallEnd = s.WingWallEnd;
  w.FlipInOut = s.FlipInOut != 0 ? 1 : 0;
  w.FlipLeftRight = s.FlipLeftRight != 0 ? 1 : 0;
  Take(w.BraceKind, s.BraceKind, BraceKindCount);
  Take(w.BraceEndJoint, s.BraceEndJoint, BraceEndJointCount);
  Take(w.BraceArrangement, s.BraceArrangement, BraceArrangementCount);
  Take(w.MudWallKind, s.MudWallKind, MudWallTableRows);
  Take(w.PanelLeft, s.PanelLeft, PanelTableRows);
  Take(w.PanelRight, s.PanelRight, PanelTableRows);
  Take(w.FurringLeft, s.FurringLeft, FurringCount);
  Take(w.FurringRight, s.FurringRight, FurringCount);
  w.Height = s.Height;
  w.BraceHeight = s.BraceHeight;
  w.MudWallHeight = s.MudWallHeight;
  w.PanelLeftHeight = s.PanelLeftHeight;
  w.PanelRightHeight = s.PanelRightHeight;
  if (ValidDeterioration(s.Deterioration)) w.Deterioration = s.Deterioration;
  Take(w.WeightClass, s.WeightClass, WeightClassCount);
  w.Weight = s.Weight;
}

int32_t DeteriorationPartOf(int32_t code, int32_t part) {
  if (code < 0 || part < 0 || part > 3) return 3;
  return (code >> (2 * part)) & 3;
}

int32_t WithDeteriorationPart(int32_t code, int32_t part, int32_t state) {
  if (part < 0 || part > 3 || state < 0 || state > 3) return code;
  const int32_t shift = 2 * part;
  return (code & ~(3 << shift)) | (state << shift);
}

void SetWallChangeDialog(std::function<void()> dialog) { gChangeDialog = std::move(dialog); }

bool ApplyWallChangeDialog(const WallSettings& controls, int32_t endColumnChoice) {
  const int32_t v = CurrentVariant, s = CurrentStorey, i = WallChangeBuffer.WallIndex;
  if (!ValidVariant(v) || !ValidStorey(s) || !InRange(i, WallCountOf(v, s))) return false;
  if (controls.OpeningKind == 3 && (controls.BraceKind >= 2 || controls.MudWallKind >= 2 ||
                                    controls.PanelLeft >= 2 || controls.PanelRight >= 2)) {
    MessageBox(WallNoStrengthMessage, WallQuestionCaption, MB_ICONQUESTION);
    return false;
  }
  if (controls.OpeningKind != 0 && controls.BraceKind >= 2 &&
      !Confirmed(WallBraceQuestion, WallQuestionCaption))
    return false;
  PushUndo();
  WallRecord& wall = Walls[v][s][i];
  PutWallSettings(wall, controls);
  static_cast<WallSettings&>(WallChangeBuffer) = SettingsOfWall(wall);
  WallChangeBuffer.Result = WallChangeApply;
  if (endColumnChoice == 0) NotifiedEndColumns = 0;
  if (endColumnChoice == 1 || endColumnChoice == 2) NotifiedEndColumns = 1;
  return true;
}

void TakeWallSettingsIntoPalette(const WallSettings& controls) {
  WallSettings taken = controls;
  taken.NoStrength = NewWallDefaults.NoStrength;
  taken.FurringLeft = NewWallDefaults.FurringLeft;
  taken.FurringRight = NewWallDefaults.FurringRight;
  NewWallDefaults = taken;
}

int32_t DiagnosisOnlyBraceRow(int32_t braceKind, int32_t braceEndJoint) {
  if (braceKind == 3) return 3;
  if (braceKind == 4 && braceEndJoint == 0) return 5;
  if (braceKind == 5 && braceEndJoint == 0) return 7;
  if (braceKind == 10) return 12;
  return 0;
}

int32_t InputWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (x1 == x2 && y1 == y2) {
    InvalidateSheet();
    return 0;
  }
  const int32_t v = CurrentVariant, s = CurrentStorey;
  if (!ValidVariant(v) || !ValidStorey(s) || !OnGrid(x1, y1) || !OnGrid(x2, y2)) return 0;
  const GridSegment clicked{x1, y1, x2, y2};
  WallRecord* const list = Walls[v][s];
  int32_t count = WallCountOf(v, s);

  // The ends of an existing wall open its dialog. A wall brought to front
  // ends the scan: it goes back in at the end of the list below.
  bool toFront = false;
  WallRecord added = WallRecord{};
  for (int32_t i = 0; i < count; ++i) {
    if (!JoinsEnds(list[i], clicked, EndOrder::EitherOrder)) continue;
    const WallRecord wall = list[i];
    switch (ChangeWall(v, s, i, clicked, count)) {
      case ChangeOutcome::Done:
        return 1;
      case ChangeOutcome::TakenBack:
        return 0;
      case ChangeOutcome::BroughtOff:
        toFront = true;
        added = wall;
        break;
    }
    break;
  }

  if (!toFront) {
    if (count >= MaxWallsPerStorey) return 0;
    for (int32_t k = 0; k < count; ++k) {
      const WallRecord& other = list[k];
      if (WallsCross(x1, y1, x2, y2, other.X1, other.Y1, other.X2, other.Y2) != 0) {
        MessageBox(WallCrossingMessage, WallErrorCaption, MB_ICONSTOP);
        InvalidateSheet();
        return 0;
      }
    }

    const WallSettings& palette = WallPaletteControls;
    const int32_t opening = palette.OpeningKind;
    bool startSupported = false, endSupported = false, onWall = false;
    const double ax = AxisX(x1), ay = AxisY(y1), bx = AxisX(x2), by = AxisY(y2);
    const int32_t n = CountOf(ColumnCount, v, s, MaxColumnsPerStorey);
    for (int32_t k = 0; k < n; ++k) {
      const ColumnRecord& c = Columns[v][s][k];
      if (c.X == x1 && c.Y == y1) {
        startSupported = true;
      } else if (c.X == x2 && c.Y == y2) {
        endSupported = true;
      } else {
        const double cx = AxisX(c.X), cy = AxisY(c.Y);
        if (std::fabs((ax - bx) * (cy - ay) + (ay - by) * (ax - cx)) < 0.0001 && (cx - ax) * (cx - bx) <= 0 &&
            (cy - ay) * (cy - by) <= 0)
          onWall = true;
      }
    }
    if ((!startSupported || !endSupported) && opening >= 0 && opening <= 2) {
      const bool yes = Confirmed(WallEndColumnQuestion, WallQuestionCaption);
      InvalidateSheet();
      if (!yes) return 0;
    }
    if (onWall) {
      MessageBox(WallOnColumnMessage, WallQuestionCaption, MB_ICONQUESTION);
      InvalidateSheet();
      return 0;
    }
    if ((opening == 1 || opening == 2) && palette.BraceKind != 0) {
      const bool yes = Confirmed(WallBraceQuestion, WallQuestionCaption);
      InvalidateSheet();
      if (!yes) return 0;
    }
    added = WallRecord{};
    added.Deterioration = kStartSettings.Deterioration;
    PutWallSettings(added, palette);
  }

  PushUndo();
  added.X1 = x1, added.Y1 = y1, added.X2 = x2, added.Y2 = y2;
  list[count] = added;
  WallCount[v][s] = count + 1;
  InvalidateSheet();
  return 1;
}
