#include "files/ProjectFileLayout.h"

#include <algorithm>
#include <iterator>

#include "model/Grid.h"
#include "model/ViewState.h"

WallElementTables CaptureWallElementTables() {
  WallElementTables t;
  std::copy(std::begin(MudWallTable), std::end(MudWallTable), t.MudWall);
  std::copy(std::begin(BraceTable), std::end(BraceTable), t.Brace);
  std::copy(std::begin(PanelTable), std::end(PanelTable), t.Panel);
  return t;
}

void Commit(const WallElementTables& t) {
  std::copy(std::begin(t.MudWall), std::end(t.MudWall), MudWallTable);
  std::copy(std::begin(t.Brace), std::end(t.Brace), BraceTable);
  std::copy(std::begin(t.Panel), std::end(t.Panel), PanelTable);
}

bool IsValid(const WallElementTables& t) {
  auto numbers = [](const auto& row) { return AreTableNumbersValid(row); };
  return std::all_of(std::begin(t.Panel), std::end(t.Panel), IsValidPanelRow) &&
         std::all_of(std::begin(t.MudWall), std::end(t.MudWall), numbers) &&
         std::all_of(std::begin(t.Brace), std::end(t.Brace), numbers) &&
         std::all_of(std::begin(t.Panel), std::end(t.Panel), numbers);
}

GridData CaptureGrid() {
  GridData g;
  std::copy(std::begin(GridAxisX), std::end(GridAxisX), g.X);
  std::copy(std::begin(GridAxisY), std::end(GridAxisY), g.Y);
  std::copy(std::begin(GridAxisKindX), std::end(GridAxisKindX), g.KindX);
  std::copy(std::begin(GridAxisKindY), std::end(GridAxisKindY), g.KindY);
  g.Module = GridModule;
  return g;
}

void Commit(const GridData& g) {
  std::copy(std::begin(g.X), std::end(g.X), GridAxisX);
  std::copy(std::begin(g.Y), std::end(g.Y), GridAxisY);
  std::copy(std::begin(g.KindX), std::end(g.KindX), GridAxisKindX);
  std::copy(std::begin(g.KindY), std::end(g.KindY), GridAxisKindY);
  GridModule = g.Module;
}

bool IsValid(const GridData& g) {
  return std::all_of(std::begin(g.KindX), std::end(g.KindX), IsGridAxisKind) &&
         std::all_of(std::begin(g.KindY), std::end(g.KindY), IsGridAxisKind) &&
         IsGridWithinBounds(g.X, GridAxisCountX, g.Y, GridAxisCountY, g.Module);
}

ElementCounts CaptureCounts() {
  ElementCounts c;
#define QUILMORA_CAPTURE_COUNT(kind, Record, records, count, swapBlock, max) \
  for (int v = 0; v < VariantCount; ++v)                                     \
    for (int st = 0; st < StoreyCount; ++st)                                 \
      c.Of[static_cast<int>(ElementKind::kind)][v][st] = StoredCount((count)[v][st], max);
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_CAPTURE_COUNT)
#undef QUILMORA_CAPTURE_COUNT
  return c;
}

void EmptyVariantLists() {
#define QUILMORA_EMPTY_VARIANTS(kind, Record, records, count, swapBlock, max) \
  for (int v = 0; v < VariantCount; ++v)                                      \
    for (int st = 0; st < StoreyCount; ++st) (count)[v][st] = 0;
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_EMPTY_VARIANTS)
#undef QUILMORA_EMPTY_VARIANTS
}

bool IsValid(const ElementCounts& c) {
  for (int kind = 0; kind < ElementKindCount; ++kind)
    for (const auto& variant : c.Of[kind])
      for (int32_t n : variant)
        if (n < 0 || n > ElementKindMaximum[kind]) return false;
  return true;
}

OutlineData CaptureOutline() {
  OutlineData d;
  d.CurrentVariant = CurrentVariant;
  d.Settings = ProjectSettings;
  for (int i = 0; i < FloorUserRowCount; ++i) {
    std::copy_n(FloorSpecTableName[FirstFloorSpecUserRow + i], FloorFactorNameCapacity,
                d.FloorRows.SpecName[i]);
    d.FloorRows.SpecFactor[i] = FloorSpecTableFactor[FirstFloorSpecUserRow + i];
    std::copy_n(HorizontalBraceTableName[FirstHorizontalBraceUserRow + i], FloorFactorNameCapacity,
                d.FloorRows.BraceName[i]);
    d.FloorRows.BraceFactor[i] = HorizontalBraceTableFactor[FirstHorizontalBraceUserRow + i];
  }
  return d;
}

void Commit(const OutlineData& d) {
  CurrentVariant = d.CurrentVariant;
  ProjectSettings = d.Settings;
  for (int i = 0; i < FloorUserRowCount; ++i) {
    std::copy_n(d.FloorRows.SpecName[i], FloorFactorNameCapacity,
                FloorSpecTableName[FirstFloorSpecUserRow + i]);
    FloorSpecTableFactor[FirstFloorSpecUserRow + i] = d.FloorRows.SpecFactor[i];
    std::copy_n(d.FloorRows.BraceName[i], FloorFactorNameCapacity,
                HorizontalBraceTableName[FirstHorizontalBraceUserRow + i]);
    HorizontalBraceTableFactor[FirstHorizontalBraceUserRow + i] = d.FloorRows.BraceFactor[i];
  }
}

bool IsValid(const OutlineData& d) {
  return d.CurrentVariant >= 0 && d.CurrentVariant < VariantCount && AreValidSettings(d.Settings) &&
         std::all_of(std::begin(d.FloorRows.SpecFactor), std::end(d.FloorRows.SpecFactor),
                     IsValidFloorFactor) &&
         std::all_of(std::begin(d.FloorRows.BraceFactor), std::end(d.FloorRows.BraceFactor),
                     IsValidFloorFactor);
}

JointHardwareData CaptureJointHardware() {
  JointHardwareData h;
  std::copy(std::begin(ProjectSettings.DesignerName), std::end(ProjectSettings.DesignerName), h.DesignerName);
  std::copy(std::begin(JointHardwareTable), std::end(JointHardwareTable), h.Rows);
  return h;
}

void Commit(const JointHardwareData& h) {
  std::copy(std::begin(h.DesignerName), std::end(h.DesignerName), ProjectSettings.DesignerName);
  std::copy(std::begin(h.Rows), std::end(h.Rows), JointHardwareTable);
}
