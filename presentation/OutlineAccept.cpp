#include "presentation/OutlineAccept.h"

#include <cstring>
#include <type_traits>

#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "presentation/MainWindowPort.h"

static_assert(std::extent_v<decltype(MainWindowState::MethodCaption)> == MethodPanelLabelCount);

namespace {

void WriteMethodCaption(int32_t label, int32_t checked) {
  const MethodPanelCaption* caption = MethodPanelCaptionOf(label, checked);
  if (!caption) return;
  MethodCaptionState& shown = MainWindow.MethodCaption[label];
  std::strncpy(shown.Text, caption->Text, sizeof shown.Text - 1);
  shown.Text[sizeof shown.Text - 1] = '\0';
  shown.Colour = caption->Colour;
  shown.FontColour = caption->FontColour;
}

}  // namespace

void ShowOutlineOnMainWindow(const OutlineAcceptChecks& checks) {
  ProjectSettingsData& s = ProjectSettings;
  for (int32_t label = 0; label < MethodPanelLabelCount; ++label)
    WriteMethodCaption(label, checks.MethodRadio[label]);

  MainWindow.Rseki1Enabled = checks.SnowDepthIndex != 0;

  ColourVariantRadios();
  SetVariantPanel();

  MainWindow.RkisoEnabled = s.UniformFoundation != SettingOn;
  MainWindow.RyukashiyouEnabled = s.UniformFloorSpec != SettingOn;

  KeepStoreyWithinTopStorey();
  UpdateStoreyControls();

  if (s.SnowLoad == 0 || checks.CheckedSnowCase == SnowCaseWithout) {
    s.SnowCase = SnowCaseWithout;
    MainWindow.CheckedSnowRadio = SnowCaseWithout;
  }
  if (s.SnowLoad != 0 && checks.CheckedSnowCase == SnowCaseWith) {
    s.SnowCase = SnowCaseWith;
    MainWindow.CheckedSnowRadio = SnowCaseWith;
  }

  RefreshMainWindow();
  InvalidateSheet();
}
