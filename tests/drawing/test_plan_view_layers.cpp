// The plan layers draw what their view names, whatever the editing state says.
// A retrofit plan with columns, foundations, gables, texts and free lines on
// two storeys of variant 2 (and other elements elsewhere) is drawn through a
// view while CurrentVariant, CurrentStorey, CurrentEditMode and
// PixelsPerMetre point somewhere else, and again through the screen view with
// them pointing at it: both give the same canvas calls, call by call.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/GridPointMap.h"
#include "chain/RecalculationChain.h"
#include "editing/ModelReset.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "rendering/PlanPaint.h"
#include "rendering/PlanView.h"
#include "rendering/RecordingCanvas.h"

namespace {

using Call = RecordingCanvas::Call;

// One call with everything in force, as a line of text.
std::string Describe(const Call& c) {
  std::ostringstream out;
  out << static_cast<int>(c.Kind) << " (";
  for (int32_t a : c.Args) out << a << ' ';
  out << ") \"";
  for (char16_t ch : c.Text)
    out << (ch < 128 ? std::string(1, static_cast<char>(ch)) : std::to_string(ch) + ";");
  out << "\" pen " << c.Pen.Colour << '/' << c.Pen.Width << '/' << static_cast<int>(c.Pen.Style) << '/'
      << static_cast<int>(c.Pen.Mode) << " brush " << c.Brush.Colour << '/' << static_cast<int>(c.Brush.Style)
      << " font " << c.Font.Height << '/' << c.Font.Width << '/' << c.Font.Escapement << '/' << c.Font.Weight
      << '/' << c.Font.CharSet << '/' << c.Font.FaceName.size()
      << (c.Font.FaceName.starts_with(u"@") ? "@" : "") << " colour " << c.FontColour;
  return out.str();
}

std::vector<std::string> Described(const RecordingCanvas& canvas) {
  std::vector<std::string> calls;
  for (const Call& c : canvas.Calls()) calls.push_back(Describe(c));
  return calls;
}

TextLabelRecord Label(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::u16string_view text) {
  TextLabelRecord r{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2;
  for (size_t k = 0; k < text.size(); ++k) r.Text[k] = text[k];
  return r;
}

// Elements of one storey, shifted by `at` axes so that every storey looks different.
void PutStorey(int32_t v, int32_t s, int32_t at) {
  const int32_t x = 100 + at, y = 100 + at;
  const ColumnRecord columns[] = {
      {0, x, y, 2, 3, 1, 0, 2, 0, 0},          // through column with every ring
      {0, x + 4, y, 1, 5, 0, 1, 0, 4, 1},      // section class from Y, partly decayed
      {0, x + 4, y + 3, 3, 0, 0, 0, 5, 0, 2},  // through column 2-3
      {0, x, y + 3, 1, 0, 0, 0, 0, 0, 2},
  };
  ColumnCount[v][s] = 0;
  for (const ColumnRecord& c : columns) {
    Columns[v][s][ColumnCount[v][s]] = c;
    ColumnOrderX[v][s][ColumnCount[v][s]] = ColumnCount[v][s];
    ++ColumnCount[v][s];
  }
  Foundations[v][s][0] = {0, x, y, x + 4, y, 0};
  Foundations[v][s][1] = {0, x, y, x, y + 3, 2};
  Foundations[v][s][2] = {0, x + 4, y, x + 4, y + 3, 1};
  FoundationCount[v][s] = 3;
  GableWalls[v][s][0] = {0, x, y + 3, x + 4, y + 3, 1, 1, 0, 0, 0};
  GableWalls[v][s][1] = {0, x, y, x + 4, y + 2, 1, 0, 0, 0, 0};
  GableWallCount[v][s] = 2;
  TextLabels[v][s][0] = Label(x + 1, y + 1, x + 3, y + 2, u"居間");
  TextLabels[v][s][1] = Label(x + 2, y + 1, x + 2, y + 1, u"@便所");
  TextLabels[v][s][2] = Label(x + 6, y, x + 6, y, u"*30");
  TextLabelCount[v][s] = 3;
  FreeLines[v][s][0] = {0, x, y - 1, x + 4, y - 1, 0.2, -0.1, -0.3, 0, 1, 0x0000FF};
  FreeLines[v][s][1] = {0, x + 1, y, x + 1, y + 3, 0, 0, 0, 0.4, 3, 0x123456};
  FreeLineCount[v][s] = 2;
}

class PlanViewLayersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModel(ResetForStartUp);
    ASSERT_TRUE(TrySetPlanScale(75));
    for (int32_t v = 0; v < 3; ++v) ProjectSettings.TopStorey[v] = 2;
    ProjectSettings.BalanceMethod = 0;
    ProjectSettings.ShowOtherStoreyWalls = 0;  // foundations under every mode
    ProjectSettings.UniformFoundation = 0;
    ProjectSettings.JointHardwareMethod = 1;
    ProjectSettings.ShowColumnNValue = 1;
    PutStorey(2, 1, 0);
    PutStorey(2, 0, 1);
    PutStorey(2, 2, 2);
    PutStorey(0, 2, 5);
    PutStorey(1, 1, -3);
    // The chain once, for the retrofit variant; the layers then draw from its results.
    CurrentVariant = 2, CurrentStorey = 1, CurrentEditMode = EditModeColumns;
    UpdateUsedExtents();
    RunRecalculationChain();
    // A balance to draw on each storey of the retrofit, whatever the chain made of it.
    for (int32_t s = 0; s < 3; ++s) {
      CentreOfGravityX[2][s] = 1.0 + s, CentreOfGravityY[2][s] = 2.0;
      RigidityCentreX[2][s][0] = 1.5, RigidityCentreY[2][s][0] = 1.0 + s;
      ElasticRadiusX[2][s][0] = 2.1, ElasticRadiusY[2][s][0] = 3.1;
    }
    CentreOfGravityX[0][2] = 4.0, CentreOfGravityY[0][2] = 1.0;
  }

  // The grid lines over a part of the sheet and every layer of the full paint.
  static std::vector<std::string> Paint(const PlanView& view) {
    RecordingCanvas canvas;
    DrawGridLines(canvas, view, 6000, 6000);
    DrawPlanLayers(canvas, view);
    return Described(canvas);
  }
};

TEST_F(PlanViewLayersTest, AViewDrawsItsStoreyWhereverTheEditingStatePoints) {
  const struct {
    int32_t storey, mode;
  } cases[] = {
      {1, EditModeColumns}, {1, EditModeWalls},    {1, EditModeFoundation}, {1, EditModeGable},
      {1, EditModeText},    {1, EditModeFreeLine}, {0, EditModeFoundation},  // foundations again on top
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "storey " << c.storey << " mode " << c.mode);
    PlanView view;
    view.Variant = 2, view.Storey = c.storey, view.EditMode = c.mode;
    view.UnitsPerMetre = 53;
    const auto pointAtTheView = [&] {
      CurrentVariant = 2, CurrentStorey = c.storey, CurrentEditMode = c.mode;
      PixelsPerMetre = 53;
      PlanScaleDenominator = DefaultPlanScaleDenominator;
    };

    // The editing state at the view: the screen's view is that view.
    pointAtTheView();
    ASSERT_EQ(ScreenPlanView(), view);
    const std::vector<std::string> onScreen = Paint(ScreenPlanView());
    // Grid lines, and every kind of figure the layers draw.
    for (const char* kind : {"0 ", "1 ", "2 ", "3 ", "4 ", "5 "}) {
      EXPECT_TRUE(std::any_of(onScreen.begin(), onScreen.end(),
                              [&](const std::string& d) { return d.starts_with(kind); }))
          << "no call of kind " << kind;
    }

    // Each part of the editing state elsewhere changes the screen's paint ...
    const std::vector<std::string> elsewhere[] = {
        (CurrentVariant = 1, Paint(ScreenPlanView())),
        (pointAtTheView(), CurrentStorey = 2, Paint(ScreenPlanView())),
        (pointAtTheView(), CurrentEditMode = EditModeGrid, Paint(ScreenPlanView())),
        (pointAtTheView(), PixelsPerMetre = 20, Paint(ScreenPlanView())),
        // past 1/100 the axes lose their dimension chains
        (pointAtTheView(), PlanScaleDenominator = 200, Paint(ScreenPlanView())),
    };
    for (const auto& drawn : elsewhere) EXPECT_NE(drawn, onScreen);

    // ... but not the view's.
    CurrentVariant = 0, CurrentStorey = 2, CurrentEditMode = EditModeGrid;
    PixelsPerMetre = 20, PlanScaleDenominator = 200;
    const std::vector<std::string> throughView = Paint(view);
    ASSERT_EQ(throughView.size(), onScreen.size());
    for (size_t k = 0; k < onScreen.size(); ++k) EXPECT_EQ(throughView[k], onScreen[k]) << "call " << k;
  }
}

TEST_F(PlanViewLayersTest, TheScreenViewIsTheEditingStateAtSheetPixels) {
  CurrentVariant = 1, CurrentStorey = 2, CurrentEditMode = EditModeText;
  ASSERT_TRUE(TrySetPlanScale(200));
  const PlanView view = ScreenPlanView();
  EXPECT_EQ(view.Variant, 1);
  EXPECT_EQ(view.Storey, 2);
  EXPECT_EQ(view.EditMode, EditModeText);
  EXPECT_EQ(view.UnitsPerMetre, 20);
  EXPECT_EQ(view.ScaleDenominator, 200);
  EXPECT_EQ(view.OriginX, 0);
  EXPECT_EQ(view.OriginY, 0);
  EXPECT_EQ(view.Palette, PlanPaletteKind::Screen);
}

TEST(PlanViewCoordinates, GridAxesInViewUnitsFromTheViewsOrigin) {
  LayOutGridAtModule();  // axis i at 0.91 i m
  PlanView view;
  view.UnitsPerMetre = 53;
  // 0.91 x 53 = 48.23; 3.64 x 53 = 192.92; 181.09 x 53 = 9597.77.
  EXPECT_EQ(view.GridX(1), 48);
  EXPECT_EQ(view.GridY(4), 192);
  EXPECT_EQ(view.GridX(199), 9597);
  // An origin 1.82 m in along X and 0.91 m along Y: (3.64 - 1.82) x 53 = 96.46,
  // (0.91 - 0.91) x 53 = 0, and an axis before the origin truncates toward
  // zero: (0.91 - 1.82) x 53 = -48.23.
  view.OriginX = 1.82, view.OriginY = 0.91;
  EXPECT_EQ(view.GridX(4), 96);
  EXPECT_EQ(view.GridY(1), 0);
  EXPECT_EQ(view.GridX(1), -48);
  EXPECT_EQ(view.ScaledY(1.0), (1.0 - 0.91) * 53);
}

}  // namespace
