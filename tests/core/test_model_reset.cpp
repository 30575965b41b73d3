// The model reset in its three modes: what it empties, what it restores and
// what each mode keeps.
#include <gtest/gtest.h>

#include <algorithm>

#include "ModelFixture.h"
#include "editing/SlotCopy.h"
#include "evaluation/DeteriorationFactor.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ReportPaging.h"
#include "model/ViewState.h"
#include "presentation/PaletteState.h"

namespace {

class ModelResetTest : public ModelTest {
 protected:
  // A project after a long session: everything off its reset value.
  void DirtyEverything() {
    SetEveryCount(3);
    ProjectSettings.Revision = 1;
    ProjectSettings.DiagnosisMethod = 3;
    ProjectSettings.RequiredStrengthMethod = 0;
    ProjectSettings.BalanceMethod = 1;
    ProjectSettings.WallQuantityFeature = 0;
    ProjectSettings.VerificationFeature = 0;
    ProjectSettings.VerificationDeterioration = 70;
    ProjectSettings.EccentricityOptions = 5;
    ProjectSettings.ShowBeamStress = 0;
    ProjectSettings.ShowOtherStoreyWalls = 0;
    ProjectSettings.SnowCase = 1;
    ProjectSettings.TopStorey[0] = 2;
    ProjectSettings.TopStorey[1] = 0;
    ProjectSettings.TopStorey[2] = 2;
    ProjectSettings.RegionFactorZ = 0.8;
    ProjectSettings.BuildingArea[1] = 88.5;
    ProjectSettings.LawFloorArea[2][0] = 40.0;
    ProjectSettings.TotalFloorArea[2] = 120.0;
    ProjectSettings.StoreyHeight[1][2] = 3.1;
    ProjectSettings.UnratedSolidWallRule = 0;
    ProjectSettings.ManualFloorAreas = 1;
    ProjectSettings.ManualFloorArea[2][1] = 55.0;
    ProjectSettings.ManualZoneArea2[0][0] = 12.0;
    GridModule = 1.0;
    GridAxisKindX[5] = GridAxisAuxiliary;
    CurrentFilePath = "/home/eng/project.tyc";
    CurrentVariant = 2;
    CurrentStorey = 1;
    CurrentEditMode = EditModeRoofFloor;
    TriangleInput = 1;
    PlanScaleDenominator = 150;
    PixelsPerMetre = 26;
    PushUndo();
    PushUndo();
    ModifiedFlag = 1;
    NotifiedEndColumns = 1;
    GridSpacingCheckPending = 0;
    RoofFloorPalette.AreaCode = 7;
    RoofFloorPalette.LiveLoad = 1800;
    FloorSpecPaletteSpec = 3;
    FloorSpecPaletteBrace = 2;
    FoundationPaletteType = 2;
    FreeLinePaletteStyle = 4;
    FreeLinePaletteColour = 0xff;
    std::fill(DeteriorationPoints, DeteriorationPoints + DeteriorationItemCount, 2);
    std::fill(PreviewPage, PreviewPage + ReportPageKindCount, 4);
    std::fill(PreviewPageCount, PreviewPageCount + ReportPageKindCount, 9);
    MainWindow.CheckedEditModeRadio = EditModeRoofFloor;
  }

  // What every mode does alike.
  void ExpectCommonResetState() {
    EXPECT_EQ(SumOfEveryCount(), 0);
    EXPECT_DOUBLE_EQ(GridAxisX[10], 10.0);  // laid out again at the module kept from before
    EXPECT_DOUBLE_EQ(GridAxisY[199], 199.0);
    EXPECT_EQ(GridAxisKindX[5], GridAxisMain);
    EXPECT_DOUBLE_EQ(GridModule, 1.0);
    EXPECT_EQ(PlanScaleDenominator, 75);
    EXPECT_DOUBLE_EQ(PixelsPerMetre, 53.0);
    EXPECT_EQ(UndoTop, 0);
    EXPECT_TRUE(std::all_of(UndoMarks, UndoMarks + UndoRingSize, [](int32_t m) { return m == -1; }));
    EXPECT_FALSE(MainWindow.BmodoruEnabled);
    EXPECT_FALSE(MainWindow.BsusumuEnabled);
    EXPECT_EQ(CurrentVariant, 0);
    EXPECT_EQ(CurrentStorey, 0);
    EXPECT_EQ(MainWindow.CheckedVariantRadio, 0);
    EXPECT_EQ(MainWindow.CheckedStoreyRadio, 0);
    EXPECT_EQ(CurrentEditMode, EditModeNone);
    EXPECT_EQ(TriangleInput, 0);
    EXPECT_EQ(MainWindow.CheckedEditModeRadio, EditModeNone);
    EXPECT_EQ(RoofFloorPalette.AreaCode, 0);
    EXPECT_DOUBLE_EQ(RoofFloorPalette.LiveLoad, 1800);  // the rest of the palette stays
    EXPECT_EQ(FloorSpecPaletteSpec, 12);
    EXPECT_EQ(FloorSpecPaletteBrace, 0);
    EXPECT_EQ(FoundationPaletteType, 1);
    EXPECT_EQ(FreeLinePaletteStyle, 0);
    EXPECT_EQ(FreeLinePaletteColour, 0);
    const int32_t existence[DeteriorationItemCount] = {2, 2, 2, 4, 0, 0, 0, 0, 2, 2, 2, 1, 2};
    for (int i = 0; i < DeteriorationItemCount; ++i) {
      EXPECT_EQ(ExistencePoints[i], existence[i]) << i;
      EXPECT_EQ(DeteriorationPoints[i], 0) << i;
    }
    for (int k = 0; k < ReportPageKindCount; ++k) {
      EXPECT_EQ(PreviewPage[k], 1);
      EXPECT_EQ(PreviewPageCount[k], 1);
    }
    EXPECT_EQ(ModifiedFlag, 0);
    // Kept by every mode.
    EXPECT_DOUBLE_EQ(ProjectSettings.RegionFactorZ, 0.8);
    EXPECT_DOUBLE_EQ(ProjectSettings.BuildingArea[1], 88.5);
    EXPECT_DOUBLE_EQ(ProjectSettings.LawFloorArea[2][0], 40.0);
    EXPECT_DOUBLE_EQ(ProjectSettings.TotalFloorArea[2], 120.0);
    EXPECT_DOUBLE_EQ(ProjectSettings.StoreyHeight[1][2], 3.1);
    EXPECT_EQ(ProjectSettings.VerificationFeature, 0);
    EXPECT_EQ(ProjectSettings.UnratedSolidWallRule, 0);
  }
};

TEST_F(ModelResetTest, StartUpValues) {
  EXPECT_EQ(SumOfEveryCount(), 0);
  for (int v = 0; v < VariantCount; ++v) EXPECT_EQ(ProjectSettings.TopStorey[v], 1);
  EXPECT_EQ(ProjectSettings.DiagnosisMethod, 1);
  EXPECT_EQ(ProjectSettings.RequiredStrengthMethod, 2);
  EXPECT_EQ(ProjectSettings.VerificationDeterioration, 100);
  EXPECT_EQ(ProjectSettings.EccentricityOptions, 1);
  EXPECT_EQ(ProjectSettings.VerificationFeature, 1);
  EXPECT_EQ(ProjectSettings.ShowRetrofitCaution + ProjectSettings.ShowBeamStress +
                ProjectSettings.ShowWallElements + ProjectSettings.ShowWallStrength +
                ProjectSettings.ShowReducedStrength + ProjectSettings.ShowColumnNValue +
                ProjectSettings.ShowRetrofitPlaces + ProjectSettings.ShowOtherStoreyWalls,
            8);
  EXPECT_DOUBLE_EQ(GridAxisX[1], 0.91);
  EXPECT_DOUBLE_EQ(GridAxisY[199], 199 * 0.91);
  EXPECT_EQ(CurrentFilePath, "無題");
  EXPECT_EQ(WindowTitle, "Quilmora2025 [無題]");
  EXPECT_TRUE(MainWindow.R2kaiEnabled);
  EXPECT_FALSE(MainWindow.R3kaiEnabled);
  EXPECT_EQ(ProjectSettings.StoreyHeight[2][0], 3.0);
  EXPECT_EQ(ProjectSettings.StoreyHeight[2][1], 2.8);
  EXPECT_DOUBLE_EQ(ProjectSettings.LoadTakeOff[2][2], 1500);
  EXPECT_DOUBLE_EQ(ProjectSettings.LoadTakeOff[5][1], 950);
  EXPECT_EQ(std::u16string_view(ProjectSettings.BuildYear[0]), u"3");
  EXPECT_EQ(std::u16string_view(ProjectSettings.BuildYear[3]), u"6");
  EXPECT_EQ(ProjectSettings.FoundationClass, 2);
  EXPECT_DOUBLE_EQ(DeteriorationFactor, 1.0);
}

TEST_F(ModelResetTest, StartUpAndNewProjectRestoreTheSettingsSubset) {
  for (int32_t mode : {ResetForStartUp, ResetForNewProject}) {
    SCOPED_TRACE(mode);
    DirtyEverything();
    ResetModel(mode);
    ExpectCommonResetState();
    for (int v = 0; v < VariantCount; ++v) EXPECT_EQ(ProjectSettings.TopStorey[v], 1);
    EXPECT_EQ(ProjectSettings.Revision, 0);
    EXPECT_EQ(ProjectSettings.DiagnosisMethod, 1);
    EXPECT_EQ(ProjectSettings.RequiredStrengthMethod, 2);
    EXPECT_EQ(ProjectSettings.BalanceMethod, 0);
    EXPECT_EQ(ProjectSettings.WallQuantityFeature, 1);
    EXPECT_EQ(ProjectSettings.VerificationDeterioration, 100);
    EXPECT_EQ(ProjectSettings.EccentricityOptions, 1);
    EXPECT_EQ(ProjectSettings.ShowBeamStress, 1);
    EXPECT_EQ(ProjectSettings.ShowOtherStoreyWalls, 1);
    EXPECT_EQ(ProjectSettings.SnowCase, 0);
    EXPECT_EQ(ProjectSettings.ManualFloorAreas, 0);
    EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[2][1], 0.0);
    EXPECT_DOUBLE_EQ(ProjectSettings.ManualZoneArea2[0][0], 0.0);
    EXPECT_EQ(NotifiedEndColumns, 0);
    EXPECT_EQ(GridSpacingCheckPending, 1);
    EXPECT_EQ(CurrentFilePath, "無題");
    EXPECT_EQ(WindowTitle, "Quilmora2025 [無題]");
    EXPECT_TRUE(MainWindow.R2kaiEnabled);
    EXPECT_FALSE(MainWindow.R3kaiEnabled);
  }
}

TEST_F(ModelResetTest, BeforeLoadKeepsSettingsAndPath) {
  DirtyEverything();
  ResetModel(ResetBeforeLoad);
  ExpectCommonResetState();
  EXPECT_EQ(ProjectSettings.Revision, 1);
  EXPECT_EQ(ProjectSettings.DiagnosisMethod, 3);
  EXPECT_EQ(ProjectSettings.TopStorey[0], 2);
  EXPECT_EQ(ProjectSettings.TopStorey[1], 0);
  EXPECT_EQ(ProjectSettings.WallQuantityFeature, 0);
  EXPECT_EQ(ProjectSettings.SnowCase, 1);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[2][1], 55.0);
  EXPECT_EQ(NotifiedEndColumns, 1);
  EXPECT_EQ(GridSpacingCheckPending, 0);
  EXPECT_EQ(CurrentFilePath, "/home/eng/project.tyc");
  EXPECT_EQ(WindowTitle, "Quilmora2025 [/home/eng/project.tyc]");
  // The storey radios follow the current state's kept storey count: three storeys.
  EXPECT_TRUE(MainWindow.R2kaiEnabled);
  EXPECT_TRUE(MainWindow.R3kaiEnabled);
}

TEST_F(ModelResetTest, OnlyStartUpLeavesTheToolPalettesAlone) {
  RecordingMainWindow window;
  SetMainWindowPort(&window);
  const struct {
    int32_t mode;
    int toolDialogCalls;
  } cases[] = {{ResetForStartUp, 0}, {ResetForNewProject, 1}, {ResetBeforeLoad, 1}};
  for (const auto& c : cases) {
    window.toolDialogCalls = 0;
    window.stateChanges = 0;
    NewColumnDefaults.Type = 2;
    ResetModel(c.mode);
    EXPECT_EQ(window.toolDialogCalls, c.toolDialogCalls) << c.mode;
    EXPECT_EQ(NewColumnDefaults.Type, c.toolDialogCalls ? 1 : 2) << c.mode;
    EXPECT_GT(window.stateChanges, 0) << c.mode;
  }
}

TEST_F(ModelResetTest, UndoAfterResetReachesOnlyTheEditSinceTheReset) {
  DirtyEverything();
  ResetModel(ResetForNewProject);
  PushUndo();
  WallCount[0][0] = 1;  // the edit
  UndoStep();
  EXPECT_EQ(WallCount[0][0], 0);
  EXPECT_FALSE(MainWindow.BmodoruEnabled);
  EXPECT_TRUE(MainWindow.BsusumuEnabled);
}

}  // namespace
