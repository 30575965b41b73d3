#include "model/ProjectSettings.h"

#include "model/SettingTable.h"

namespace {

// The integer settings come from the setting table; the numbers and texts
// that are not zero at program start are set here.
constexpr ProjectSettingsData MakeStartValues() {
  ProjectSettingsData s{};
  ApplySettingResetValues(s, false);
  for (int v = 0; v < VariantCount; ++v) {
    s.StoreyHeight[v][0] = 3.0;
    s.StoreyHeight[v][1] = 2.8;
    s.StoreyHeight[v][2] = 2.8;
  }
  s.RegionFactorZ = 1.0;
  s.BuildYear[0][0] = u'3';
  s.BuildYear[1][0] = u'6';
  s.BuildYear[2][0] = u'6';
  s.BuildYear[3][0] = u'6';
  constexpr double loadTakeOff[LoadTakeOffRows][LoadTakeOffClasses] = {
      {600, 600, 600}, {600, 600, 600}, {700, 950, 1500}, {700, 950, 1500}, {600, 1000, 0}, {350, 950, 0},
  };
  for (int r = 0; r < LoadTakeOffRows; ++r)
    for (int c = 0; c < LoadTakeOffClasses; ++c) s.LoadTakeOff[r][c] = loadTakeOff[r][c];
  return s;
}

}  // namespace

constexpr ProjectSettingsData ProjectSettingsStartValues = MakeStartValues();
ProjectSettingsData ProjectSettings = ProjectSettingsStartValues;

void RestoreProjectSettingsStartValues() { ProjectSettings = ProjectSettingsStartValues; }

void ResetProjectSettingsSubset() { ApplySettingResetValues(ProjectSettings, true); }
