#include "evaluation/WallQuantitySheet.h"

#include <cmath>

#include "analysis/AnalysisResults.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/Superstructure.h"
#include "model/FileState.h"
#include "model/NumberField.h"
#include "platform/Format.h"

namespace {

template <StoreyArray* Array>
double Read(int32_t v, int32_t s) {
  return (*Array)[v][s];
}
// The existing wall lengths of storey loading case 0.
template <StoreyCaseArray* Array>
double ReadCase0(int32_t v, int32_t s) {
  return (*Array)[v][s][0];
}

using G = WallQuantityGroup;

}  // namespace

const WallQuantityLabelFamily WallQuantityLabelFamilies[WallQuantityLabelFamilyCount] = {
    {"Lhitsuyou", "Ｘ・Ｙ方向", G::Required, Read<&RequiredWallLength>},
    {"Lhitsuyoua", "領域ａ", G::Required, Read<&RequiredWallLengthA>},
    {"Lhitsuyoub", "領域ｂ", G::Required, Read<&RequiredWallLengthB>},
    {"Lhitsuyou1", "領域１", G::Required, Read<&RequiredWallLength1>},
    {"Lhitsuyou2", "領域２", G::Required, Read<&RequiredWallLength2>},
    {"Lsonzaix", "Ｘ方向", G::Existing, ReadCase0<&ExistingWallLengthX>},
    {"Lsonzaiy", "Ｙ方向", G::Existing, ReadCase0<&ExistingWallLengthY>},
    {"Lsonzaia", "領域ａ", G::Existing, Read<&QuarterWallLengthA>},
    {"Lsonzaib", "領域ｂ", G::Existing, Read<&QuarterWallLengthB>},
    {"Lsonzai1", "領域１", G::Existing, Read<&QuarterWallLength1>},
    {"Lsonzai2", "領域２", G::Existing, Read<&QuarterWallLength2>},
    {"Ljusokux", "Ｘ方向", G::Ratios, Read<&SufficiencyRatioX>},
    {"Ljusokuy", "Ｙ方向", G::Ratios, Read<&SufficiencyRatioY>},
    {"Ljusokua", "領域ａ", G::Ratios, Read<&QuarterSufficiencyA>},
    {"Ljusokub", "領域ｂ", G::Ratios, Read<&QuarterSufficiencyB>},
    {"Ljusoku1", "領域１", G::Ratios, Read<&QuarterSufficiency1>},
    {"Ljusoku2", "領域２", G::Ratios, Read<&QuarterSufficiency2>},
    {"Lkaberitsuab", "(壁率比)ａ／ｂ", G::Ratios, Read<&WallRatioRatioX>},
    {"Lkaberitsu12", "(壁率比)１／２", G::Ratios, Read<&WallRatioRatioY>},
};

const WallQuantityAreaFamily WallQuantityAreaFamilies[WallQuantityAreaFamilyCount] = {
    {"Eyukamen", "床面積", ProjectSettings.ManualFloorArea, Read<&ComputedFloorArea>},
    {"Eyukamena", "領域ａ", ProjectSettings.ManualZoneAreaA, Read<&ComputedZoneAreaA>},
    {"Eyukamenb", "領域ｂ", ProjectSettings.ManualZoneAreaB, Read<&ComputedZoneAreaB>},
    {"Eyukamen1", "領域１", ProjectSettings.ManualZoneArea1, Read<&ComputedZoneArea1>},
    {"Eyukamen2", "領域２", ProjectSettings.ManualZoneArea2, Read<&ComputedZoneArea2>},
};

std::string WallQuantityComponentName(const char* family, int32_t variant, int32_t storey) {
  return FormatA("%s%d%d", family, static_cast<int>(variant), static_cast<int>(storey + 1));
}

std::string WallQuantityText(double value) { return FormatA("%6.3f", value); }

WallQuantityAreaEdit FillWallQuantityArea(int32_t variant, int32_t storey, int32_t family, bool manual) {
  const WallQuantityAreaFamily& f = WallQuantityAreaFamilies[family];
  WallQuantityAreaEdit edit;
  edit.Filled = manual ? f.Manual[variant][storey] : f.Computed(variant, storey);
  edit.FilledText = WallQuantityText(edit.Filled);
  edit.Text = edit.FilledText;
  return edit;
}

bool AnyManualArea() {
  for (const WallQuantityAreaFamily& f : WallQuantityAreaFamilies)
    for (int32_t v = 0; v < VariantCount; ++v)
      for (int32_t s = 0; s < StoreyCount; ++s)
        if (f.Manual[v][s] != 0.0) return true;
  return false;
}

bool WallQuantityAreaValue(const WallQuantityAreaEdit& edit, double& area) {
  if (edit.Text == edit.FilledText) {
    area = edit.Filled;
    return true;
  }
  return ReadNumberField(FileNumberBounds.Area, edit.Text, area);
}

int32_t StoreWallQuantityAreas(bool manual, const WallQuantityAreaEdit (&edits)[WallQuantityAreaCount]) {
  // Whatever the file stores that this changes marks the project modified.
  const int32_t manualFlag = manual ? 1 : 0;
  if (!manual) {
    if (ProjectSettings.ManualFloorAreas != manualFlag) ModifiedFlag = 1;
    ProjectSettings.ManualFloorAreas = manualFlag;
    return -1;
  }
  double areas[WallQuantityAreaCount];
  for (int32_t i = 0; i < WallQuantityAreaCount; ++i)
    if (!WallQuantityAreaValue(edits[i], areas[i])) return i;
  bool changed = ProjectSettings.ManualFloorAreas != manualFlag;
  ProjectSettings.ManualFloorAreas = manualFlag;
  for (int32_t v = 0; v < VariantCount; ++v)
    for (int32_t s = 0; s < StoreyCount; ++s)
      for (int32_t f = 0; f < WallQuantityAreaFamilyCount; ++f) {
        double& stored = WallQuantityAreaFamilies[f].Manual[v][s];
        const double area = areas[WallQuantityAreaIndex(v, s, f)];
        changed = changed || stored != area;
        stored = area;
      }
  if (changed) ModifiedFlag = 1;
  return -1;
}
