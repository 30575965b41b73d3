#include "model/MainWindowPort.h"

#include "model/PaletteState.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"

MainWindowState MainWindow{};

namespace {
MainWindowPort* gPort = nullptr;
}

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
