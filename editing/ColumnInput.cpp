#include "editing/ColumnInput.h"

#include "editing/SlotCopy.h"
#include "model/ElementLists.h"
#include "model/ModelAccess.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"

ColumnChangeExchange ColumnChangeBuffer{};

namespace {

std::function<void()> gChangeDialog;

bool InRange(int32_t value, int32_t count) { return value >= 0 && value < count; }

// A setting taken from a palette or dialog replaces the stored one only when
// it is a valid code, so that no column ever indexes outside a table.
void Take(int32_t& field, int32_t value, int32_t count) {
  if (InRange(value, count)) field = value;
}

int32_t FindColumn(int32_t variant, int32_t storey, int32_t x, int32_t y) {
  const int32_t n = CountOf(ColumnCount, variant, storey, MaxColumnsPerStorey);
  for (int32_t i = 0; i < n; ++i) {
    const ColumnRecord& column = Columns[variant][storey][i];
    if (column.X == x && column.Y == y) return i;
  }
  return -1;
}

void RemoveColumn(int32_t variant, int32_t storey, int32_t index) {
  const int32_t n = CountOf(ColumnCount, variant, storey, MaxColumnsPerStorey);
  for (int32_t i = index; i + 1 < n; ++i) Columns[variant][storey][i] = Columns[variant][storey][i + 1];
  ColumnCount[variant][storey] = n - 1;
}

void AppendColumn(int32_t variant, int32_t storey, const ColumnRecord& column) {
  const int32_t n = CountOf(ColumnCount, variant, storey, MaxColumnsPerStorey);
  Columns[variant][storey][n] = column;
  ColumnCount[variant][storey] = n + 1;
}

// Runs the change dialog on column i and applies its result.
int32_t ChangeColumn(int32_t variant, int32_t storey, int32_t i, int32_t x, int32_t y) {
  ColumnRecord& column = Columns[variant][storey][i];
  ColumnChangeBuffer.Result = BearingWallEndsAt(x, y) ? ColumnChangeBearingWall : ColumnChangeNoWall;
  ColumnChangeBuffer.Hardware = column.Hardware;
  ColumnChangeBuffer.CornerSetting = column.CornerSetting;
  ColumnChangeBuffer.Species = column.Species;
  ColumnChangeBuffer.SectionX = column.SectionX;
  ColumnChangeBuffer.SectionY = column.SectionY;
  ColumnChangeBuffer.Deterioration = column.Deterioration;
  if (gChangeDialog) gChangeDialog();

  switch (ColumnChangeBuffer.Result) {
    case ColumnChangeCancel:
      InvalidateSheet();
      return 1;
    case ColumnChangeApply:
      Take(column.Hardware, ColumnChangeBuffer.Hardware, ColumnHardwareRows);
      Take(column.CornerSetting, ColumnChangeBuffer.CornerSetting, ColumnCornerSettings);
      Take(column.Species, ColumnChangeBuffer.Species, ColumnSpeciesCount);
      Take(column.SectionX, ColumnChangeBuffer.SectionX, ColumnSectionXCount);
      Take(column.SectionY, ColumnChangeBuffer.SectionY, ColumnSectionYCount);
      Take(column.Deterioration, ColumnChangeBuffer.Deterioration, ColumnDeteriorationCount);
      InvalidateSheet();
      return 1;
    case ColumnChangeDelete: {
      const int32_t partner = PartnerStoreyOf(column.Type, storey);
      RemoveColumn(variant, storey, i);
      if (partner >= 0) {
        const int32_t n = CountOf(ColumnCount, variant, partner, MaxColumnsPerStorey);
        for (int32_t k = 0; k < n; ++k) {
          ColumnRecord& other = Columns[variant][partner][k];
          if (other.X == x && other.Y == y) other.Type = ColumnOneStorey;
        }
      }
      InvalidateSheet();
      return 1;
    }
    default:  // closed by the title bar
      return 1;
  }
}

}  // namespace

void SetColumnChangeDialog(std::function<void()> dialog) { gChangeDialog = std::move(dialog); }

int32_t PartnerStoreyOf(int32_t type, int32_t storey) {
  if (type == ColumnThrough12) return storey == 0 ? 1 : 0;
  if (type == ColumnThrough23) return storey == 2 ? 1 : 2;
  return -1;
}

bool BearingWallEndsAt(int32_t x, int32_t y) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  const bool openingsCount = !(ProjectSettings.DiagnosisMethod == DiagnosisPrecise2 &&
                               ProjectSettings.OtherElementsMethod == OtherElementsMethod2 &&
                               ProjectSettings.OpeningWallBasis != OpeningWallsByRatio);
  const int32_t n = WallCountOf(v, s);
  for (int32_t i = 0; i < n; ++i) {
    const WallRecord& wall = Walls[v][s][i];
    if (!((wall.X1 == x && wall.Y1 == y) || (wall.X2 == x && wall.Y2 == y))) continue;
    if (wall.OpeningKind == 0) return true;
    if ((wall.OpeningKind == 1 || wall.OpeningKind == 2) && openingsCount) return true;
  }
  return false;
}

int32_t InputColumn(int32_t x, int32_t y) {
  const int32_t v = CurrentVariant, s = CurrentStorey;
  if (!ValidVariant(v) || !ValidStorey(s) || !OnGrid(x, y)) return 0;

  const int32_t existing = FindColumn(v, s, x, y);
  if (existing >= 0) return ChangeColumn(v, s, existing, x, y);

  if (CountOf(ColumnCount, v, s, MaxColumnsPerStorey) >= MaxColumnsPerStorey) return 0;

  PushUndo();
  // The palette's kind, but a storey that a through column cannot pass gets a
  // one-storey column; the palette keeps its choice.
  int32_t type = NewColumnDefaults.Type;
  if (type < ColumnOneStorey || type > ColumnThrough23) type = ColumnOneStorey;
  if ((type == ColumnThrough12 && s == 2) || (type == ColumnThrough23 && s == 0)) type = ColumnOneStorey;

  ColumnRecord column{};
  column.X = x;
  column.Y = y;
  column.Type = type;
  column.Deterioration = 2;
  Take(column.Hardware, NewColumnDefaults.Hardware, ColumnHardwareRows);
  Take(column.CornerSetting, NewColumnDefaults.CornerSetting, ColumnCornerSettings);
  Take(column.Species, NewColumnDefaults.Species, ColumnSpeciesCount);
  Take(column.SectionX, NewColumnDefaults.SectionX, ColumnSectionXCount);
  Take(column.SectionY, NewColumnDefaults.SectionY, ColumnSectionYCount);
  Take(column.Deterioration, NewColumnDefaults.Deterioration, ColumnDeteriorationCount);
  AppendColumn(v, s, column);

  const int32_t partner = PartnerStoreyOf(type, s);
  if (partner >= 0) {
    const int32_t other = FindColumn(v, partner, x, y);
    if (other >= 0) {
      Columns[v][partner][other].Type = type;
    } else if (CountOf(ColumnCount, v, partner, MaxColumnsPerStorey) < MaxColumnsPerStorey) {
      AppendColumn(v, partner, column);
    } else {
      Columns[v][s][CountOf(ColumnCount, v, s, MaxColumnsPerStorey) - 1].Type = ColumnOneStorey;
      InvalidateSheet();
      return 0;
    }
  }
  InvalidateSheet();
  return 1;
}
