#include "model/ModelValidation.h"

#include <algorithm>
#include <initializer_list>
#include <span>

#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/SettingTable.h"
#include "model/ViewState.h"
#include "platform/Format.h"

namespace {

bool In(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

bool IsGridPoint(int32_t x, int32_t y) { return IsGridIndexX(x) && IsGridIndexY(y); }

template <class R>
bool TwoPointsOnGrid(const R& r) {
  return IsGridPoint(r.X1, r.Y1) && IsGridPoint(r.X2, r.Y2);
}

template <class R>
bool ThreePointsOnGrid(const R& r) {
  return TwoPointsOnGrid(r) && IsGridPoint(r.X3, r.Y3);
}

bool AllWithin(std::span<const double> values, const NumberField& field) {
  return std::all_of(values.begin(), values.end(), [&field](double v) { return field.Accepts(v); });
}
bool AllWithin(std::initializer_list<double> values, const NumberField& field) {
  return AllWithin(std::span<const double>(values.begin(), values.size()), field);
}

}  // namespace

bool IsValidRecord(const ColumnRecord& r) {
  return IsGridPoint(r.X, r.Y) && In(r.Type, 1, 3) && In(r.Hardware, 0, JointHardwareTableRows - 1) &&
         In(r.CornerSetting, 0, 2) && In(r.Species, 0, 2) && In(r.SectionX, 0, 5) && In(r.SectionY, 0, 6) &&
         In(r.Deterioration, 0, 2);
}

bool IsValidRecord(const WallRecord& r) {
  return TwoPointsOnGrid(r) && In(r.OpeningKind, 0, 3) && In(r.FittingSymbol, 0, 11) &&
         In(r.BraceKind, 0, 10) && In(r.BraceEndJoint, 0, 3) && In(r.BraceArrangement, 0, 1) &&
         In(r.MudWallKind, 0, MudWallTableRows - 1) && In(r.PanelLeft, 0, PanelTableRows - 1) &&
         In(r.PanelRight, 0, PanelTableRows - 1) && In(r.FurringLeft, 0, 2) && In(r.FurringRight, 0, 2) &&
         In(r.Deterioration, 0, 255) && (r.Deterioration & 3) != 3 && In(r.WeightClass, 0, 2);
}

bool IsValidRecord(const SpareKind3Record& r) { return TwoPointsOnGrid(r); }

bool IsValidRecord(const GableWallRecord& r) {
  return TwoPointsOnGrid(r) && In(r.WeightClass, 0, 2) && In(r.Shape, 0, 2);
}

// An area's weight class: 0 light, 1 heavy, 2 very heavy, 3 individual, and
// 4 for the kinds that have no weight choice (the palette gives it to an
// atrium, an attic, the largest rectangle and a single load).
bool IsValidRecord(const RoofFloorRectRecord& r) {
  return TwoPointsOnGrid(r) && In(r.AreaCode, 0, 19) && In(r.WeightClass, 0, 4);
}

bool IsValidRecord(const RoofFloorTriangleRecord& r) {
  return ThreePointsOnGrid(r) && In(r.AreaCode, 0, 19) && In(r.WeightClass, 0, 4);
}

bool IsValidRecord(const FloorSpecRectRecord& r) { return TwoPointsOnGrid(r) && IsFloorSpecCode(r.SpecCode); }

bool IsValidRecord(const FloorSpecTriangleRecord& r) {
  return ThreePointsOnGrid(r) && IsFloorSpecCode(r.SpecCode);
}

bool IsValidRecord(const TextLabelRecord& r) {
  return TwoPointsOnGrid(r) && r.Text[TextLabelCapacity - 1] == u'\0';
}

bool IsValidRecord(const FoundationRecord& r) { return TwoPointsOnGrid(r) && In(r.Type, 0, 2); }

bool IsValidRecord(const FreeLineRecord& r) {
  return TwoPointsOnGrid(r) && In(r.Style, 0, 5) &&
         AllWithin({r.OffsetX1, r.OffsetY1, r.OffsetX2, r.OffsetY2}, FileNumberBounds.FreeLineOffset);
}

bool IsValidRecord(const SpareKind12Record& r) { return TwoPointsOnGrid(r); }

bool IsValidPanelRow(const PanelSpecRow& row) { return In(row.DisplayKind, 0, 3); }

bool AreTableNumbersValid(const ElementSpecRow& row) {
  return AllWithin({row.Strength, row.Stiffness}, FileNumberBounds.TableStrength) &&
         FileNumberBounds.TableWallFactor.Accepts(row.WallFactor);
}

bool AreTableNumbersValid(const PanelSpecRow& row) {
  return AllWithin({row.Strength, row.Stiffness}, FileNumberBounds.TableStrength) &&
         FileNumberBounds.TableWallFactor.Accepts(row.WallFactor);
}

bool IsGridWithinBounds(const double* x, int countX, const double* y, int countY, double module) {
  return AllWithin({x, static_cast<std::size_t>(countX)}, FileNumberBounds.GridPosition) &&
         AllWithin({y, static_cast<std::size_t>(countY)}, FileNumberBounds.GridPosition) &&
         FileNumberBounds.GridModule.Accepts(module);
}

bool AreValidSettings(const ProjectSettingsData& s) {
  for (const SettingDescriptor& d : SettingTable())
    for (int32_t v = 0; v < SettingElementCount(d); ++v)
      if (!IsAcceptedSettingValue(d, SettingValue(s, d, v))) return false;
  for (const NumberSettingDescriptor& d : NumberSettingTable())
    if (!AllWithin(d.Values(s), d.Field)) return false;
  return true;
}

bool IsModelConsistent(const char** why) {
  auto fail = [why](const char* what) {
    if (why) *why = what;
    return false;
  };
#define QUILMORA_CHECK_LIST(kind, Record, records, count, swapBlock, max)                          \
  for (int slot = 0; slot < ModelSlotCount; ++slot)                                                \
    for (int st = 0; st < StoreyCount; ++st) {                                                     \
      if ((count)[slot][st] < 0 || (count)[slot][st] > (max)) return fail(#count " out of range"); \
      if (slot < VariantCount)                                                                     \
        for (int i = 0; i < (count)[slot][st]; ++i)                                                \
          if (!IsValidRecord((records)[slot][st][i])) return fail("invalid " #Record);             \
    }
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_CHECK_LIST)
#undef QUILMORA_CHECK_LIST

  if (!In(CurrentVariant, 0, VariantCount - 1)) return fail("CurrentVariant out of range");
  if (!AreValidSettings(ProjectSettings)) return fail("invalid settings");
  for (int i = 0; i < GridAxisCountX; ++i)
    if (!IsGridAxisKind(GridAxisKindX[i])) return fail("invalid X axis kind");
  for (int i = 0; i < GridAxisCountY; ++i)
    if (!IsGridAxisKind(GridAxisKindY[i])) return fail("invalid Y axis kind");
  if (!IsGridWithinBounds(GridAxisX, GridAxisCountX, GridAxisY, GridAxisCountY, GridModule))
    return fail("grid out of bounds");
  for (const PanelSpecRow& row : PanelTable)
    if (!IsValidPanelRow(row)) return fail("invalid panel display kind");
  return true;
}

namespace {

std::string OutOfRange(const NumberField& field, double value) {
  return std::string(field.Name) + " の値 " + FormatA("%.10g", value) + " が範囲外です。\n" +
         NumberFieldMessage(field);
}

// The first value of values outside field, as a message; empty when none.
std::string FirstOutside(std::span<const double> values, const NumberField& field) {
  for (double v : values)
    if (!field.Accepts(v)) return OutOfRange(field, v);
  return {};
}

template <class Row>
std::string FirstOutsideInTable(std::span<const Row> rows) {
  for (const Row& row : rows) {
    std::string why = FirstOutside(std::initializer_list<double>{row.Strength, row.Stiffness},
                                   FileNumberBounds.TableStrength);
    if (why.empty())
      why = FirstOutside(std::initializer_list<double>{row.WallFactor}, FileNumberBounds.TableWallFactor);
    if (!why.empty()) return why;
  }
  return {};
}

}  // namespace

std::string FirstRefusedValue() {
  const ProjectSettingsData& s = ProjectSettings;
  for (const NumberSettingDescriptor& d : NumberSettingTable())
    if (std::string why = FirstOutside(d.Values(s), d.Field); !why.empty()) return why;
  for (const SettingDescriptor& d : SettingTable())
    for (int32_t v = 0; v < SettingElementCount(d); ++v)
      if (const int32_t value = SettingValue(s, d, v); !IsAcceptedSettingValue(d, value))
        return std::string(*d.Caption ? d.Caption : d.Name) + " の値 " + std::to_string(value) +
               " はどの選択肢にも当たりません。";
  const NumberBounds& b = FileNumberBounds;
  for (const std::string& why :
       {FirstOutside(GridAxisX, b.GridPosition), FirstOutside(GridAxisY, b.GridPosition),
        FirstOutside(std::initializer_list<double>{GridModule}, b.GridModule),
        FirstOutsideInTable<ElementSpecRow>(MudWallTable), FirstOutsideInTable<ElementSpecRow>(BraceTable),
        FirstOutsideInTable<PanelSpecRow>(PanelTable), FirstOutside(FloorSpecTableFactor, b.FloorFactor),
        FirstOutside(HorizontalBraceTableFactor, b.FloorFactor)})
    if (!why.empty()) return why;
  for (int slot = 0; slot < VariantCount; ++slot)
    for (int st = 0; st < StoreyCount; ++st)
      for (int i = 0; i < std::clamp(FreeLineCount[slot][st], 0, MaxFreeLinesPerStorey); ++i) {
        const FreeLineRecord& r = FreeLines[slot][st][i];
        std::string why = FirstOutside(
            std::initializer_list<double>{r.OffsetX1, r.OffsetY1, r.OffsetX2, r.OffsetY2}, b.FreeLineOffset);
        if (!why.empty()) return why;
      }
  if (const char* why = nullptr; !IsModelConsistent(&why))
    return std::string("要素のデータが壊れています（") + why + "）。";
  return {};
}
