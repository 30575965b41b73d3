#include "editing/ModelReset.h"

#include <algorithm>

#include "editing/SlotCopy.h"
#include "model/DeteriorationPoints.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"
#include "model/ReportPaging.h"
#include "model/ViewState.h"
#include "presentation/MainWindowPort.h"
#include "presentation/PaletteState.h"

namespace {
constexpr int32_t kResetExistencePoints[DeteriorationItemCount] = {2, 2, 2, 4, 0, 0, 0, 0, 2, 2, 2, 1, 2};
}

void ResetModel(int32_t mode) {
  const bool fullReset = mode == ResetForStartUp || mode == ResetForNewProject;

  LayOutGridAtModule();
  SetPlanScale(DefaultPlanScaleDenominator);

#define QUILMORA_EMPTY_LIST(kind, Record, records, count, swapBlock, max) \
  std::fill_n(&(count)[0][0], ModelSlotCount* StoreyCount, 0);
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_EMPTY_LIST)
#undef QUILMORA_EMPTY_LIST

  if (fullReset) {
    ResetProjectSettingsSubset();  // the storey counts included
    NotifiedEndColumns = 0;
    GridSpacingCheckPending = 1;
    for (int v = 0; v < VariantCount; ++v) {
      for (int s = 0; s < StoreyCount; ++s) {
        ProjectSettings.ManualFloorArea[v][s] = 0;
        ProjectSettings.ManualZoneAreaA[v][s] = 0;
        ProjectSettings.ManualZoneAreaB[v][s] = 0;
        ProjectSettings.ManualZoneArea1[v][s] = 0;
        ProjectSettings.ManualZoneArea2[v][s] = 0;
      }
    }
  }

  CurrentVariant = 0;
  UndoRingVariant = 0;
  EmptyUndoRing();

  CurrentStorey = 0;
  const int32_t topStorey = ProjectSettings.TopStorey[CurrentVariant];
  MainWindow.CheckedVariantRadio = 0;
  MainWindow.CheckedStoreyRadio = 0;
  MainWindow.R2kaiEnabled = topStorey >= TopStoreySecond;
  MainWindow.R3kaiEnabled = topStorey >= TopStoreyThird;
  SetVariantPanel();

  CurrentEditMode = EditModeNone;
  TriangleInput = 0;
  MainWindow.CheckedEditModeRadio = EditModeNone;
  if (mode != ResetForStartUp) ShowModeToolDialog();

  ResetPaletteChoices();

  if (fullReset) CurrentFilePath = UntitledFilePath;
  UpdateWindowTitle();

  std::copy(kResetExistencePoints, kResetExistencePoints + DeteriorationItemCount, ExistencePoints);
  std::fill(DeteriorationPoints, DeteriorationPoints + DeteriorationItemCount, 0);

  std::fill(PreviewPage, PreviewPage + ReportPageKindCount, 1);
  std::fill(PreviewPageCount, PreviewPageCount + ReportPageKindCount, 1);

  ModifiedFlag = 0;
  RefreshMainWindow();
}

void RestoreProjectStartValues() {
  RestoreProjectSettingsStartValues();
  RestoreElementTableStartValues();
  GridModule = DefaultGridModule;
}
