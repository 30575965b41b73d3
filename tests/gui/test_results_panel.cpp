// The results panel beside the plan shows, after every full paint, the
// captions and colours the recalculation gave it: here for a small square
// one-storey house with the same wall on every side, built through the
// model's lists.
#include <QApplication>
#include <QLabel>

#include "GuiFixture.h"
#include "evaluation/Superstructure.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/ProjectSettings.h"
#include "presentation/MainWindowPort.h"
#include "presentation/ResultsPanel.h"

namespace {

constexpr int32_t PanelP1 = 3;  // 構造用合板 N50

class ResultsPanelGuiTest : public GuiTest {
 protected:
  static QLabel* Label(const char* name) {
    auto* label = QuilmoraForm->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label;
  }
  static QString Text(const char* name) { return Label(name)->text(); }
  // The colours a label shows while it is enabled (the rows of a storey the
  // variant lacks are disabled and grey out).
  static QColor Font(const char* name) {
    return Label(name)->palette().color(QPalette::Active, QPalette::WindowText);
  }
  static QColor Background(const char* name) {
    return Label(name)->palette().color(QPalette::Active, QPalette::Window);
  }

  void Repaint() {
    TPlanScrollBox* gamen = QuilmoraForm->Gamen;
    const int paints = gamen->FullPaintCount();
    gamen->Invalidate();
    ASSERT_TRUE(ProcessUntil([&] { return gamen->FullPaintCount() > paints; }));
    QCoreApplication::processEvents();
  }

  // One storey on X axes 100..104 and Y axes 100..104 (a square of four
  // modules): a column at every corner and mid-side, a P1 wall on every side
  // segment, one light roof and one floor specification over the whole.
  static void BuildSquareHouse() {
    ProjectSettings.TopStorey[CurrentState] = 0;
    ProjectSettings.StoreyHeight[CurrentState][0] = 2.8;
    const int corners[8][2] = {{100, 100}, {102, 100}, {104, 100}, {104, 102},
                               {104, 104}, {102, 104}, {100, 104}, {100, 102}};
    for (int i = 0; i < 8; ++i) {
      ColumnRecord& c = Columns[CurrentState][0][ColumnCount[CurrentState][0]++];
      c = ColumnRecord{};
      c.X = corners[i][0], c.Y = corners[i][1], c.Type = 1, c.Deterioration = 2;
      WallRecord& w = Walls[CurrentState][0][WallCount[CurrentState][0]++];
      w = WallRecord{};
      w.X1 = corners[i][0], w.Y1 = corners[i][1];
      w.X2 = corners[(i + 1) % 8][0], w.Y2 = corners[(i + 1) % 8][1];
      w.PanelLeft = PanelP1, w.Deterioration = 2;
    }
    RoofFloorRectRecord& roof = RoofFloorRects[CurrentState][0][RoofFloorRectCount[CurrentState][0]++];
    roof = RoofFloorRectRecord{};
    roof.X1 = 100, roof.Y1 = 100, roof.X2 = 104, roof.Y2 = 104, roof.AreaCode = 3;
    FloorSpecRects[CurrentState][0][FloorSpecRectCount[CurrentState][0]++] =
        FloorSpecRectRecord{0, 100, 100, 104, 104, 13};
  }
};

TEST_F(ResultsPanelGuiTest, LabelsShowTheResultsOfEachPaint) {
  StartProgram();
  BuildSquareHouse();
  Repaint();
  const QColor black(0, 0, 0);
  const QColor buttonFace = QApplication::palette().color(QPalette::Button);

  // The floor holds: rigid floor, no storey flagged.
  EXPECT_EQ(Text("Lqflag"), QStringLiteral("OK"));
  EXPECT_EQ(Font("Lqflag"), black);
  EXPECT_EQ(Text("Pkoumen"), QStringLiteral("剛床"));
  EXPECT_EQ(Font("Pkoumen"), QColor(0, 255, 0));
  EXPECT_EQ(Background("Pkoumen"), QColor(128, 0, 0));  // as laid out
  for (const char* flag : {"Lqflag2", "Lqflag3", "Lqflag4"}) {
    EXPECT_EQ(Text(flag), QString()) << flag;
    EXPECT_EQ(Background(flag), buttonFace) << flag;
  }

  // Same walls on every side: both directions score alike, well above 1.5
  // (blue on the storey shown); the storeys above have no demand and score 0
  // (dim red).
  ASSERT_GE(ShownScores.X[0][0], 1.5);
  EXPECT_EQ(Text("L1hyox"), QString::fromStdString(ResultsPanel.L1hyox.Caption));
  EXPECT_EQ(Text("L1hyoy"), Text("L1hyox"));
  EXPECT_EQ(Font("L1hyox"), QColor(0, 0, 0xB7));
  for (const char* score : {"L2hyox", "L2hyoy", "L3hyox", "L3hyoy"}) {
    EXPECT_EQ(Text(score), QStringLiteral("  0.00")) << score;
    EXPECT_EQ(Font(score), QColor(0x6A, 0x4D, 0x4D)) << score;
  }
  // Symmetric: no eccentricity (green on the storey shown, dim green above).
  EXPECT_EQ(Text("L1henx"), QStringLiteral("  0.00"));
  EXPECT_EQ(Font("L1heny"), QColor(0, 0xB7, 0));
  EXPECT_EQ(Font("L2henx"), QColor(0x4A, 0x6C, 0x4A));
  EXPECT_EQ(Text("Label4"), QStringLiteral("偏心率"));
  // Building-law walls: P1 counts 2.5 times its length, 2 x 3.64 m per
  // direction = 18.2 m; required 0.11 m/m² (light roof, one storey) x
  // 3.64² m² = 1.457456 m; 18.2 / 1.457456 = 12.4875..
  EXPECT_EQ(Text("Ljuusokux1"), QStringLiteral("12.488"));
  EXPECT_EQ(Text("Ljuusokuy1"), QStringLiteral("12.488"));
  EXPECT_EQ(Text("Ljuusokux2"), QStringLiteral(" 0.000"));
  EXPECT_EQ(Text("Lshibunok"), QStringLiteral("OK"));

  // Without the floor specification every judged floor edge has no capacity
  // (ratio 0, the top of the scale); the quarter-division method replaces the
  // eccentricity.
  FloorSpecRectCount[CurrentState][0] = 0;
  ProjectSettings.BalanceMethod = 1;
  Repaint();
  EXPECT_EQ(Text("Lqflag"), QStringLiteral("NG "));
  EXPECT_EQ(Font("Lqflag"), QColor(255, 0, 0));
  EXPECT_EQ(Text("Pkoumen"), QStringLiteral("柔床"));
  EXPECT_EQ(Font("Pkoumen"), QColor(255, 255, 0));
  EXPECT_EQ(Text("Lqflag2"), QStringLiteral("1FXY"));
  EXPECT_EQ(Background("Lqflag2"), QColor(0x80, 0x1c, 0xff));  // ClassColourScale[10]
  EXPECT_EQ(Font("Lqflag2"), black);
  EXPECT_EQ(Text("Lqflag3"), QString());
  for (const char* eccentricity : {"L1henx", "L1heny", "L3heny"}) {
    EXPECT_EQ(Text(eccentricity), QStringLiteral("  -.--")) << eccentricity;
    EXPECT_EQ(Font(eccentricity), black) << eccentricity;
  }
  EXPECT_EQ(Text("Label4"), QStringLiteral("４分割法"));
  EXPECT_EQ(Text("Label19"), QStringLiteral("４分割法"));

  // With the floor back the flag returns to the button face.
  FloorSpecRectCount[CurrentState][0] = 1;
  Repaint();
  EXPECT_EQ(Text("Lqflag2"), QString());
  EXPECT_EQ(Background("Lqflag2"), buttonFace);
}

// The rows of the storeys a one-storey house lacks are disabled: their
// verdict colours do not show, the labels grey out as the panel does; the
// storey that exists keeps its colours, and the rows come back live with a
// second storey.
TEST_F(ResultsPanelGuiTest, RowsOfMissingStoreysGreyOut) {
  StartProgram();
  BuildSquareHouse();
  UpdateStoreyControls();
  Repaint();
  const QPalette standard = QApplication::palette();
  for (const char* name : {"L2hyox", "L2henx", "L3hyoy", "L3heny", "Ljuusokux2"}) {
    const QLabel* label = Label(name);
    EXPECT_FALSE(label->isEnabled()) << name;
    // palette() answers in the group of the label's state, here Disabled.
    EXPECT_EQ(label->palette().color(QPalette::WindowText),
              standard.color(QPalette::Disabled, QPalette::WindowText))
        << name;
    EXPECT_EQ(label->palette().color(QPalette::Window), standard.color(QPalette::Disabled, QPalette::Window))
        << name;
  }
  // The score of storey 2 is dim red (0 against no demand) once live again.
  EXPECT_EQ(Font("L2hyox"), QColor(0x6A, 0x4D, 0x4D));
  EXPECT_TRUE(Label("L1hyox")->isEnabled());
  EXPECT_EQ(Label("L1hyox")->palette().color(QPalette::WindowText), QColor(0, 0, 0xB7));

  ProjectSettings.TopStorey[CurrentState] = 1;
  UpdateStoreyControls();
  Repaint();
  EXPECT_TRUE(Label("L2hyox")->isEnabled());
  EXPECT_EQ(Label("L2hyox")->palette().color(QPalette::WindowText), QColor(0x6A, 0x4D, 0x4D));
  EXPECT_FALSE(Label("L3hyox")->isEnabled());
}

}  // namespace
