// The pointer tracking on the real plan view: a highlight is drawn in XOR on
// the view's image without a full paint and erased bit for bit; a full paint
// (a scroll) forgets what it wiped, so the next highlight leaves the fresh
// image plus one figure; leaving the plan erases; after an applied click the
// next move draws nothing; a right click re-applies the highlighted element.
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include "GuiFixture.h"
#include "editing/ClickInput.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ViewState.h"
#include "rendering/PlanHover.h"

namespace {

class PlanHoverViewTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
  }

  static TPlanScrollBox* Gamen() { return QuilmoraForm->Gamen; }

  void ChooseMode(QRadioButton* radio) {
    radio->click();
    ASSERT_TRUE(ProcessUntil([] { return !Gamen()->FullPaintDue(); }));
    gx = Gamen()->HorzScrollPosition() / 48 + 3;
    gy = Gamen()->VertScrollPosition() / 48 + 3;
  }

  static QPoint ViewPoint(int sheetX, int sheetY) {
    return {sheetX - Gamen()->HorzScrollPosition(), sheetY - Gamen()->VertScrollPosition()};
  }
  static int SheetX(int i) { return static_cast<int>(GridAxisX[i] * PixelsPerMetre); }
  static int SheetY(int j) { return static_cast<int>(GridAxisY[j] * PixelsPerMetre); }

  static void MoveTo(int sheetX, int sheetY) {
    QTest::mouseMove(Gamen()->viewport(), ViewPoint(sheetX, sheetY));
    QCoreApplication::processEvents();
  }
  static void Repaint() {
    Gamen()->Invalidate();
    ASSERT_TRUE(ProcessUntil([] { return !Gamen()->FullPaintDue(); }));
  }
  static QString Status() { return QuilmoraForm->StatusBar->currentMessage(); }

  void AddWall(int x1, int y1, int x2, int y2) {
    WallRecord& w = Walls[0][0][WallCount[0][0]++];
    w = WallRecord{};
    w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
  }

  int gx = 0, gy = 0;
};

TEST_F(PlanHoverViewTest, WallIsHighlightedInXorAndRestoredBitForBit) {
  ChooseMode(QuilmoraForm->Rkabe);
  AddWall(gx, gy, gx + 2, gy);
  Repaint();
  const QImage before = Gamen()->Image().copy();
  const int paints = Gamen()->FullPaintCount();

  MoveTo((SheetX(gx) + SheetX(gx + 1)) / 2, SheetY(gy) + 3);
  ASSERT_EQ(HoverState, HoverFirstFigure);
  EXPECT_TRUE(Status().startsWith(QStringLiteral("壁　(")));
  // The highlight is drawn in XOR with (0, 255, 255): over the wall's own band
  // each pixel takes the XOR of what the plan painted there (white turns red).
  const QPoint onWall = ViewPoint((SheetX(gx) + SheetX(gx + 1)) / 2, SheetY(gy) + 4);
  EXPECT_EQ(Gamen()->Image().pixel(onWall), (before.pixel(onWall) ^ qRgb(0, 255, 255)) | 0xff000000u);
  EXPECT_NE(Gamen()->Image().pixel(onWall), before.pixel(onWall));

  MoveTo(SheetX(gx) + 2, SheetY(gy + 3) + 20);  // nowhere near it
  EXPECT_EQ(HoverState, HoverNothing);
  EXPECT_TRUE(Status().isEmpty());
  EXPECT_TRUE(Gamen()->Image() == before);
  EXPECT_EQ(Gamen()->FullPaintCount(), paints);  // moves never repaint the plan
}

TEST_F(PlanHoverViewTest, AfterAScrollTheNextHighlightLeavesNoGhost) {
  ChooseMode(QuilmoraForm->Rkabe);
  AddWall(gx, gy, gx + 2, gy);
  AddWall(gx, gy + 2, gx + 2, gy + 2);
  Repaint();
  MoveTo(SheetX(gx + 1) + 5, SheetY(gy) + 3);
  ASSERT_EQ(HoverIndex, 0);

  // Scrolling repaints the plan: the highlight is wiped with the old image.
  Gamen()->SetHorzScrollPosition(Gamen()->HorzScrollPosition() + 7);
  ASSERT_TRUE(ProcessUntil([] { return !Gamen()->FullPaintDue(); }));
  const QImage fresh = Gamen()->Image().copy();

  MoveTo(SheetX(gx + 1) + 5, SheetY(gy + 2) + 3);
  ASSERT_EQ(HoverIndex, 1);
  // Only the second wall's figure differs from the fresh paint.
  const int top = SheetY(gy + 2) - 12 - Gamen()->VertScrollPosition();
  const int bottom = SheetY(gy + 2) + 12 - Gamen()->VertScrollPosition();
  const QImage& now = Gamen()->Image();
  int changed = 0;
  for (int y = 0; y < now.height(); ++y)
    for (int x = 0; x < now.width(); ++x)
      if (now.pixel(x, y) != fresh.pixel(x, y)) {
        ++changed;
        ASSERT_TRUE(y >= top && y <= bottom) << "ghost at " << x << "," << y;
      }
  EXPECT_GT(changed, 0);

  // Leaving the plan erases it.
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(Gamen()->viewport(), &leave);
  EXPECT_EQ(HoverState, HoverNothing);
  EXPECT_TRUE(Gamen()->Image() == fresh);
}

TEST_F(PlanHoverViewTest, RubberBandFollowsThePointerAndLeavesOneFigure) {
  ChooseMode(QuilmoraForm->Rkiso);
  Repaint();
  const QImage fresh = Gamen()->Image().copy();
  QTest::mouseClick(Gamen()->viewport(), Qt::LeftButton, {}, ViewPoint(SheetX(gx), SheetY(gy)));
  ASSERT_EQ(PendingPointCount, 1);
  ASSERT_TRUE(ProcessUntil([] { return !Gamen()->FullPaintDue(); }));
  MoveTo(SheetX(gx + 3), SheetY(gy + 3) + 2);
  MoveTo(SheetX(gx + 2), SheetY(gy + 1) + 2);
  // One line from the first point to the snapped pointer: every changed pixel
  // lies in the box of those two points.
  const QImage& now = Gamen()->Image();
  const QRect box(ViewPoint(SheetX(gx) - 1, SheetY(gy) - 1),
                  ViewPoint(SheetX(gx + 2) + 1, SheetY(gy + 1) + 1));
  int changed = 0;
  for (int y = 0; y < now.height(); ++y)
    for (int x = 0; x < now.width(); ++x)
      if (now.pixel(x, y) != fresh.pixel(x, y)) {
        ++changed;
        ASSERT_TRUE(box.contains(x, y)) << x << "," << y;
      }
  EXPECT_GT(changed, 0);
}

TEST_F(PlanHoverViewTest, RightClickOnAHighlightedFoundationDeletesIt) {
  ChooseMode(QuilmoraForm->Rkiso);
  FoundationRecord& f = Foundations[0][0][0];
  f = FoundationRecord{};
  f.X1 = gx, f.Y1 = gy, f.X2 = gx + 2, f.Y2 = gy;
  FoundationCount[0][0] = 1;
  Repaint();
  MoveTo(SheetX(gx + 1) + 5, SheetY(gy) + 2);
  ASSERT_EQ(HoverState, HoverFirstFigure);
  EXPECT_TRUE(Status().isEmpty());  // a foundation has no description
  QTest::mouseClick(Gamen()->viewport(), Qt::RightButton, {}, ViewPoint(SheetX(gx + 1) + 5, SheetY(gy) + 2));
  EXPECT_EQ(FoundationCount[0][0], 0);
  EXPECT_EQ(HoverState, HoverEditApplied);
  ASSERT_TRUE(ProcessUntil([] { return !Gamen()->FullPaintDue(); }));
  EXPECT_EQ(HoverState, HoverEditApplied);  // the repaint keeps the mark

  // The next move draws nothing; the one after it tracks again.
  FoundationRecord& g = Foundations[0][0][0];
  g = FoundationRecord{};
  g.X1 = gx, g.Y1 = gy, g.X2 = gx + 2, g.Y2 = gy;
  FoundationCount[0][0] = 1;
  const QImage painted = Gamen()->Image().copy();
  MoveTo(SheetX(gx + 1) + 6, SheetY(gy) + 2);
  EXPECT_TRUE(Gamen()->Image() == painted);
  EXPECT_EQ(HoverState, HoverNothing);
  MoveTo(SheetX(gx + 1) + 7, SheetY(gy) + 2);
  EXPECT_EQ(HoverState, HoverFirstFigure);
}

}  // namespace
