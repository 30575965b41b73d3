// The selectors of the control panel: each edit-mode radio shows exactly its
// palette, docked beside the plan at its first showing; storey and variant
// radios follow the variant's number of storeys; the zoom combo rescales the
// plan and ignores a text that is no scale.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStatusBar>

#include "GuiFixture.h"
#include "editing/ClickInput.h"
#include "editing/ModelReset.h"
#include "editing/SlotCopy.h"
#include "elements/ColumnPalette.h"
#include "mainwindow/GridToolWindow.h"
#include "mainwindow/PlanScrollBox.h"
#include "mainwindow/ToolPalette.h"
#include "model/ElementLists.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"

namespace {

class SelectorTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
  }
  static std::vector<TToolPalette*> Palettes() {
    std::vector<TToolPalette*> palettes;
    for (TToolPalette* palette : PalettesByEditMode())
      if (palette) palettes.push_back(palette);
    return palettes;
  }
  static QPoint DockedPosition(const QWidget* palette) {
    return QPoint(QuilmoraForm->pos().x() + QuilmoraForm->Gamen->width() - palette->width() - 15,
                  QuilmoraForm->pos().y() + QuilmoraForm->Gamen->y() + 30);
  }
  static bool Enabled(const char* name) {
    auto* widget = QuilmoraForm->findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget && widget->isEnabled();
  }
};

TEST_F(SelectorTest, EachEditModeShowsExactlyItsPaletteDockedBesideThePlan) {
  const struct {
    QRadioButton* radio;
    int mode;
    TToolPalette* palette;
  } cases[] = {
      {QuilmoraForm->Rtoorishin, EditModeGrid, DtoorishinnDlg},
      {QuilmoraForm->Rhashira, EditModeColumns, DhashiraDlg},
      {QuilmoraForm->Rkabe, EditModeWalls, DkabeDlg},
      {QuilmoraForm->Ryaneyuka, EditModeRoofFloor, DyukaDlg},
      {QuilmoraForm->Ryukashiyou, EditModeFloorSpec, DyukashiyouDlg},
      {QuilmoraForm->Rshitsumei, EditModeText, DmojiDlg},
      {QuilmoraForm->Rkiso, EditModeFoundation, DkisoDlg},
      {QuilmoraForm->Rjiyu, EditModeFreeLine, DsenDlg},
      {QuilmoraForm->Rdodai, EditModeGable, DyagiriDlg},
  };
  for (const auto& c : cases) {
    c.radio->click();
    EXPECT_EQ(CurrentEditMode, c.mode);
    EXPECT_TRUE(c.radio->isChecked());
    for (TToolPalette* palette : Palettes())
      EXPECT_EQ(palette->isVisible(), palette == c.palette) << palette->objectName().toStdString();
    EXPECT_EQ(c.palette->pos(), DockedPosition(c.palette)) << c.palette->objectName().toStdString();
  }
  for (const auto& c : cases) EXPECT_EQ(PaletteDocked[c.palette->DockEntry()], 1);

  // 梁等 is disabled; its mode would show no palette at all.
  EXPECT_FALSE(QuilmoraForm->Rhari->isEnabled());
  QuilmoraForm->RhariClick();
  for (TToolPalette* palette : Palettes()) EXPECT_FALSE(palette->isVisible());
}

TEST_F(SelectorTest, APaletteDocksOnlyOnce) {
  QuilmoraForm->Rkabe->click();
  DkabeDlg->move(5, 6);
  QuilmoraForm->move(200, 100);
  QuilmoraForm->Rhashira->click();
  EXPECT_FALSE(DkabeDlg->isVisible());
  QuilmoraForm->Rkabe->click();
  EXPECT_TRUE(DkabeDlg->isVisible());
  EXPECT_EQ(DkabeDlg->pos(), QPoint(5, 6));
  // Another palette docks by the window's new place.
  EXPECT_EQ(QuilmoraForm->pos(), QPoint(200, 100));
  EXPECT_EQ(DhashiraDlg->pos(), DockedPosition(DhashiraDlg));
}

TEST_F(SelectorTest, TheModelResetUnchecksEveryModeRadio) {
  QuilmoraForm->Rkabe->click();
  ResetModel(ResetForNewProject);
  for (QRadioButton* radio : QuilmoraForm->ModeRadios) EXPECT_FALSE(radio->isChecked());
  for (TToolPalette* palette : Palettes()) EXPECT_FALSE(palette->isVisible());
  // Choosing the same mode again works.
  QuilmoraForm->Rkabe->click();
  EXPECT_TRUE(DkabeDlg->isVisible());
}

TEST_F(SelectorTest, ModeStoreyAndVariantChangesClearAPendingClickSequence) {
  const struct {
    const char* what;
    QRadioButton* TQuilmoraForm::*radio;
  } cases[] = {{"mode", &TQuilmoraForm::Rkabe},
               {"storey", &TQuilmoraForm::R2kai},
               {"variant", &TQuilmoraForm::Rkaishu1},
               {"mode again", &TQuilmoraForm::Rkiso}};
  for (const auto& c : cases) {
    PendingPointCount = 1;
    ClickPoints[0] = 91, ClickPoints[1] = 92;
    (QuilmoraForm->*c.radio)->click();
    EXPECT_EQ(PendingPointCount, 0) << c.what;
    EXPECT_EQ(ClickPoints[0], 0) << c.what;  // the collected point is dropped
    EXPECT_EQ(ClickPoints[1], 0) << c.what;
  }
  EXPECT_EQ(CurrentVariant, 1);
}

TEST_F(SelectorTest, StoreyRadiosFollowTheVariantsStoreys) {
  ProjectSettings.TopStorey[0] = 2;
  ProjectSettings.TopStorey[1] = 1;
  ProjectSettings.TopStorey[2] = 0;
  ProjectSettings.WeightClass[2] = 2;
  QuilmoraForm->Rkaishu1->click();
  QuilmoraForm->Rgenkyou->click();
  ASSERT_TRUE(QuilmoraForm->R3kai->isEnabled());
  QuilmoraForm->R3kai->click();
  ASSERT_EQ(CurrentStorey, 2);

  // Two storeys: storey 3 is out of reach.
  QuilmoraForm->Rkaishu1->click();
  EXPECT_EQ(CurrentVariant, 1);
  EXPECT_EQ(CurrentStorey, 1);
  EXPECT_TRUE(QuilmoraForm->R2kai->isChecked());
  EXPECT_FALSE(QuilmoraForm->R3kai->isEnabled());
  EXPECT_TRUE(QuilmoraForm->R2kai->isEnabled());
  for (const char* name : {"Label18", "Label19", "Label20", "L3henx", "L3heny", "L3hyox", "L3hyoy", "Label22",
                           "Ljuusokux3", "Ljuusokuy3"})
    EXPECT_FALSE(Enabled(name)) << name;
  for (const char* name : {"Label11", "Label12", "Label13", "L2henx", "L2hyoy", "Label21", "Ljuusokuy2"})
    EXPECT_TRUE(Enabled(name)) << name;

  // One storey.
  QuilmoraForm->Rkaishu2->click();
  EXPECT_EQ(CurrentStorey, 0);
  EXPECT_TRUE(QuilmoraForm->R1kai->isChecked());
  EXPECT_FALSE(QuilmoraForm->R2kai->isEnabled());
  EXPECT_FALSE(Enabled("L2henx"));
  EXPECT_EQ(QuilmoraForm->StaticText1->text(), QStringLiteral("改修案２"));
  EXPECT_EQ(QuilmoraForm->StaticText2->text(), QStringLiteral("非常に　"));
  EXPECT_EQ(QuilmoraForm->StaticText3->text(), QStringLiteral("重い建物"));
  EXPECT_EQ(QuilmoraForm->Panel2->palette().color(QPalette::Window), QColor(255, 208, 208));

  // Back to three storeys: the storey stays where it is, all radios enabled.
  QuilmoraForm->Rgenkyou->click();
  EXPECT_EQ(CurrentStorey, 0);
  EXPECT_TRUE(QuilmoraForm->R3kai->isEnabled());
  EXPECT_EQ(QuilmoraForm->StaticText1->text(), QStringLiteral("現　況"));
}

TEST_F(SelectorTest, TheScaleComboRescalesThePlanInProportion) {
  TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  ASSERT_EQ(gamen->SheetWidth(), 9597);
  const double before = double(gamen->HorzScrollPosition()) / (gamen->SheetWidth() - gamen->width());
  PendingPointCount = 1;
  QuilmoraForm->SCALE->setCurrentIndex(QuilmoraForm->SCALE->findText(QStringLiteral("150")));
  EXPECT_EQ(PlanScaleDenominator, 150);
  EXPECT_EQ(PixelsPerMetre, 26);
  EXPECT_EQ(gamen->SheetWidth(), 4708);  // 181.09 x 26
  EXPECT_EQ(gamen->SheetHeight(), 4708);
  EXPECT_EQ(PendingPointCount, 0);
  EXPECT_EQ(SavedHorzScrollPosition, gamen->HorzScrollPosition());
  const double after = double(gamen->HorzScrollPosition()) / (gamen->SheetWidth() - gamen->width());
  EXPECT_NEAR(after, before, 0.01);

  QuilmoraForm->SCALE->lineEdit()->clear();
  QTest::keyClicks(QuilmoraForm->SCALE->lineEdit(), QStringLiteral("30"));
  EXPECT_EQ(PixelsPerMetre, 133);
  EXPECT_EQ(gamen->SheetWidth(), 24084);  // 181.09 x 133 = 24084.97
}

TEST_F(SelectorTest, AScaleTextThatIsNoScaleChangesNothing) {
  TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  QuilmoraForm->SCALE->setCurrentText(QStringLiteral("100"));
  ASSERT_EQ(PixelsPerMetre, 40);
  const int width = gamen->SheetWidth();
  const int horizontal = gamen->HorzScrollPosition();
  const int saved = SavedVertScrollPosition;
  for (const char* text : {"", "abc", "1000", "20", "-75", "２００"}) {
    PendingPointCount = 1;
    QuilmoraForm->SCALE->setCurrentText(QString::fromUtf8(text));
    EXPECT_EQ(PlanScaleDenominator, 100) << text;
    EXPECT_EQ(PixelsPerMetre, 40) << text;
    EXPECT_EQ(gamen->SheetWidth(), width) << text;
    EXPECT_EQ(gamen->HorzScrollPosition(), horizontal) << text;
    EXPECT_EQ(SavedVertScrollPosition, saved) << text;
    EXPECT_EQ(PendingPointCount, 1) << text;
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SelectorTest, ApplyZoomTakesTheComboAfterAModelReset) {
  QuilmoraForm->SCALE->setCurrentText(QStringLiteral("50"));
  ResetModel(ResetForNewProject);
  EXPECT_EQ(PixelsPerMetre, 53);
  QuilmoraForm->ApplyZoom();
  EXPECT_EQ(PixelsPerMetre, 80);
  EXPECT_EQ(QuilmoraForm->Gamen->SheetWidth(), 14487);  // 181.09 x 80 = 14487.2
}

// The status bar tells of the element under the pointer; a change of the
// variant, the storey or the mode shows another plan, and the bar is empty
// until the pointer moves again.
TEST_F(SelectorTest, TheStatusBarEmptiesWhenTheVariantStoreyOrModeChanges) {
  ProjectSettings.TopStorey[0] = ProjectSettings.TopStorey[1] = 1;
  RefreshMainWindow();
  for (int v = 0; v < 2; ++v)
    for (int s = 0; s < 2; ++s) {
      WallCount[v][s] = 1;
      Walls[v][s][0] = WallRecord{};
      Walls[v][s][0].X1 = 98, Walls[v][s][0].Y1 = 99, Walls[v][s][0].X2 = 101, Walls[v][s][0].Y2 = 99;
    }
  QuilmoraForm->Rkabe->click();
  // The middle of the wall, on Y axis 99: (99.5 x 0.91 x 53, 99 x 0.91 x 53) = (4798.9, 4774.8).
  const auto hover = [] { QuilmoraForm->SheetMouseMove(4798, 4774); };
  const struct {
    const char* what;
    QRadioButton* TQuilmoraForm::*radio;
  } cases[] = {{"variant", &TQuilmoraForm::Rkaishu1},
               {"storey", &TQuilmoraForm::R2kai},
               {"mode", &TQuilmoraForm::Rhashira}};
  for (const auto& c : cases) {
    hover();
    ASSERT_TRUE(QuilmoraForm->StatusBar->currentMessage().startsWith(QStringLiteral("壁　"))) << c.what;
    (QuilmoraForm->*c.radio)->click();
    EXPECT_EQ(QuilmoraForm->StatusBar->currentMessage(), QString()) << c.what;
  }
}

// While an item of the menu bar is highlighted, the arrow keys belong to the
// menus and do not scroll the plan.
TEST_F(SelectorTest, ArrowKeysLeaveThePlanWhileAMenuItemIsHighlighted) {
  TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  QMenuBar* menu = QuilmoraForm->menuBar();
  QAction* file = menu->actions().at(0);
  QuilmoraForm->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(QuilmoraForm));
  const QPointF over = menu->actionGeometry(file).center();
  QMouseEvent move(QEvent::MouseMove, over, menu->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(menu, &move);
  ASSERT_EQ(menu->activeAction(), file);
  const int horz = gamen->HorzScrollPosition(), vert = gamen->VertScrollPosition();
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Left, Qt::Key_PageDown, Qt::Key_End}) {
    QTest::keyClick(gamen, key);
    EXPECT_EQ(gamen->VertScrollPosition(), vert) << key;
    EXPECT_EQ(gamen->HorzScrollPosition(), horz) << key;
  }
  // Without a highlighted item the arrows scroll the plan by a step of 20 px.
  QTest::mouseMove(gamen->viewport(), QPoint(50, 50));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(menu, &leave);
  ASSERT_EQ(menu->activeAction(), nullptr);
  QTest::keyClick(gamen, Qt::Key_Down);
  EXPECT_EQ(gamen->VertScrollPosition(), vert + 20);
}

}  // namespace
