#include "presentation/MainWindowPort.h"

#include <cstring>
#include <string>

#include "model/ElementTables.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/TextCodec.h"
#include "presentation/PaletteState.h"

MainWindowState MainWindow{};

namespace {
MainWindowPort* gPort = nullptr;

// Copies UTF-8 text into a fixed caption, cut at a whole character.
template <std::size_t N>
void CopyCaption(char (&to)[N], const std::string& text) {
  std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
  while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  std::memcpy(to, text.data(), n);
  to[n] = '\0';
}

const char* const kVariantNames[VariantCount] = {"現　況", "改修案１", "改修案２"};
}  // namespace

void SetMainWindowPort(MainWindowPort* port) { gPort = port; }
MainWindowPort* GetMainWindowPort() { return gPort; }

void RefreshMainWindow() {
  if (gPort) gPort->MainWindowStateChanged();
}

void ShowModeToolDialog() {
  NewColumnDefaults.Type = 1;
  if (gPort) gPort->ShowModeToolDialog();
}

void InvalidateSheet() {
  if (gPort) gPort->InvalidateSheet();
}

void ColourVariantRadios() {
  for (int v = 0; v < VariantCount; ++v)
    MainWindow.VariantRadioColour[v] = WeightClassColour(ProjectSettings.WeightClass[v]);
}

void SetVariantPanel() {
  if (!ValidVariant(CurrentVariant)) return;
  const int32_t weightClass = ProjectSettings.WeightClass[CurrentVariant];
  MainWindow.VariantPanelColour = WeightClassColour(weightClass);
  CopyCaption(MainWindow.VariantPanelName, kVariantNames[CurrentVariant]);
  CopyCaption(MainWindow.VariantPanelLine1,
              Utf16ToUtf8(LabelAt(WeightClassCaptionLine1, WeightClassCaptionCount, weightClass)));
  CopyCaption(MainWindow.VariantPanelLine2,
              Utf16ToUtf8(LabelAt(WeightClassCaptionLine2, WeightClassCaptionCount, weightClass)));
}

void UpdateStoreyControls() {
  if (!ValidVariant(CurrentVariant)) return;
  const int32_t top = ProjectSettings.TopStorey[CurrentVariant];
  MainWindow.R3kaiEnabled = top >= TopStoreyThird;
  MainWindow.R2kaiEnabled = top >= TopStoreySecond;
  RefreshMainWindow();
}

void SelectStorey(int32_t storey) {
  if (!ValidStorey(storey)) return;
  CurrentStorey = storey;
  MainWindow.CheckedStoreyRadio = storey;
  CancelClickSequence();
  InvalidateSheet();
  ShowModeToolDialog();
  RefreshMainWindow();
}

void KeepStoreyWithinTopStorey() {
  if (!ValidVariant(CurrentVariant)) return;
  const int32_t top = ProjectSettings.TopStorey[CurrentVariant];
  if (top < CurrentStorey) SelectStorey(top < 0 ? 0 : top);
}
