// The plan view: a full paint draws the dotted grid lines at
// trunc(axis position x PixelsPerMetre) in the colour of the axis kind,
// into an image the size of the viewport, shifted by the scroll position;
// scrolling and zooming repaint it.
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <set>

#include "GuiFixture.h"
#include "editing/SlotCopy.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/PlanPalette.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "rendering/qt/QtCanvas.h"

namespace {

class PlanViewTest : public GuiTest {
 protected:
  TPlanScrollBox* Gamen() const { return QuilmoraForm->Gamen; }

  void Repaint() {
    const int paints = Gamen()->FullPaintCount();
    Gamen()->Invalidate();
    ASSERT_TRUE(ProcessUntil([&] { return Gamen()->FullPaintCount() > paints; }));
  }

  // The sheet columns of the X axes and rows of the Y axes at the current scale.
  static std::set<int> AxisPixels(const double* positions) {
    std::set<int> pixels;
    for (int i = 0; i < 200; ++i) pixels.insert(TruncToInt(positions[i] * PixelsPerMetre));
    return pixels;
  }

  // Checks every pixel of one viewport row: the vertical grid lines cross it
  // in their colours wherever the dot pattern is on, and nothing else is drawn.
  void ExpectRowShowsTheVerticalLines(int deviceRow) {
    const QImage& image = Gamen()->Image();
    const int sheetRow = deviceRow + Gamen()->VertScrollPosition();
    ASSERT_EQ(AxisPixels(GridAxisY).count(sheetRow), 0u) << "row lies on a horizontal line";
    const bool dotOn = sheetRow % 6 < 3;
    std::map<int, QRgb> expected;
    for (int i = 0; i < 200; ++i)
      expected[TruncToInt(GridAxisX[i] * PixelsPerMetre)] = QRgbOfColour(GridLineColour(GridAxisKindX[i]));
    for (int x = 0; x < image.width(); ++x) {
      const int sheetColumn = x + Gamen()->HorzScrollPosition();
      const auto line = expected.find(sheetColumn);
      const QRgb want = line != expected.end() && dotOn ? line->second : qRgb(255, 255, 255);
      ASSERT_EQ(image.pixel(x, deviceRow), want) << "sheet column " << sheetColumn << ", row " << sheetRow;
    }
  }

  // A viewport row whose sheet row is on the dot pattern and off every horizontal line.
  int RowOffTheLines(bool dotOn) {
    const std::set<int> rows = AxisPixels(GridAxisY);
    for (int y = 0; y < Gamen()->Image().height(); ++y) {
      const int sheetRow = y + Gamen()->VertScrollPosition();
      if (rows.count(sheetRow) == 0 && (sheetRow % 6 < 3) == dotOn) return y;
    }
    ADD_FAILURE() << "no such row";
    return 0;
  }
};

TEST_F(PlanViewTest, GridLinesSitAtTheAxisPixelsInTheColourOfTheirKind) {
  StartProgram();
  GridAxisKindX[100] = GridAxisAuxiliary;
  GridAxisKindX[101] = GridAxisOutsideChain;
  GridAxisKindY[97] = GridAxisAuxiliary;
  Repaint();
  const QImage& image = Gamen()->Image();
  EXPECT_EQ(image.size(), Gamen()->viewport()->size());
  ASSERT_LT(image.width(), Gamen()->SheetWidth());

  // 100 x 0.91 x 53 = 4823.0 and 101 x 0.91 x 53 = 4871.23 must be in view.
  const int h = Gamen()->HorzScrollPosition();
  ASSERT_TRUE(h < 4823 && 4871 < h + image.width()) << h;
  ExpectRowShowsTheVerticalLines(RowOffTheLines(true));
  ExpectRowShowsTheVerticalLines(RowOffTheLines(false));

  const int onRow = RowOffTheLines(true);
  EXPECT_EQ(image.pixel(4823 - h, onRow), qRgb(128, 192, 192));
  EXPECT_EQ(image.pixel(4871 - h, onRow), qRgb(230, 230, 230));
  EXPECT_EQ(image.pixel(4919 - h, onRow), qRgb(128, 128, 192));  // 102 x 48.23 = 4919.46

  // Horizontal line of Y axis 97 (97 x 48.23 = 4678.31) in the auxiliary colour,
  // dotted from the left edge of the sheet.
  const int v = Gamen()->VertScrollPosition();
  ASSERT_TRUE(v <= 4678 && 4678 < v + image.height()) << v;
  for (int x = 0; x < image.width(); ++x) {
    const int sheetColumn = x + h;
    if (AxisPixels(GridAxisX).count(sheetColumn)) continue;
    const QRgb want = sheetColumn % 6 < 3 ? qRgb(128, 192, 192) : qRgb(255, 255, 255);
    ASSERT_EQ(image.pixel(x, 4678 - v), want) << sheetColumn;
  }
}

TEST_F(PlanViewTest, ScrollingRepaintsTheSheetAtTheNewOffset) {
  StartProgram();
  const struct { int horizontal, vertical; } positions[] = {{0, 0}, {1234, 567}, {9000, 9100}, {4001, 333}};
  for (const auto& p : positions) {
    const int paints = Gamen()->FullPaintCount();
    Gamen()->horizontalScrollBar()->setValue(p.horizontal);
    Gamen()->verticalScrollBar()->setValue(p.vertical);
    ASSERT_TRUE(ProcessUntil([&] { return Gamen()->FullPaintCount() > paints && !Gamen()->FullPaintDue(); }));
    EXPECT_EQ(Gamen()->HorzScrollPosition(),
              std::min(p.horizontal, Gamen()->horizontalScrollBar()->maximum()));
    ExpectRowShowsTheVerticalLines(RowOffTheLines(true));
  }
  // At the very start the first axes lie on the sheet's edge.
  Gamen()->horizontalScrollBar()->setValue(0);
  Gamen()->verticalScrollBar()->setValue(0);
  ASSERT_TRUE(ProcessUntil([&] { return !Gamen()->FullPaintDue(); }));
  Repaint();
  EXPECT_EQ(Gamen()->Image().pixel(0, 1), qRgb(128, 128, 192));
  EXPECT_EQ(Gamen()->Image().pixel(48, 1), qRgb(128, 128, 192));  // 0.91 x 53 = 48.23
  EXPECT_EQ(Gamen()->Image().pixel(49, 1), qRgb(255, 255, 255));
}

TEST_F(PlanViewTest, ZoomingRedrawsTheGridAtTheNewScale) {
  StartProgram();
  QuilmoraForm->SCALE->setCurrentText(QStringLiteral("150"));
  ASSERT_TRUE(ProcessUntil([&] { return !Gamen()->FullPaintDue(); }));
  EXPECT_EQ(PixelsPerMetre, 26);
  ExpectRowShowsTheVerticalLines(RowOffTheLines(true));
}

TEST_F(PlanViewTest, UncoveringThePlanDoesNotRecompute) {
  StartProgram();
  Repaint();
  const int paints = Gamen()->FullPaintCount();
  Gamen()->viewport()->repaint();
  QTest::qWait(20);
  EXPECT_EQ(Gamen()->FullPaintCount(), paints);
}

TEST_F(PlanViewTest, TheOverwriteButtonFollowsTheModifiedFlagAfterAPaint) {
  StartProgram();
  EXPECT_FALSE(QuilmoraForm->Buwagaki->isEnabled());
  PushUndo();
  QuilmoraForm->Bmodoru->click();
  EXPECT_EQ(ModifiedFlag, 1);
  ASSERT_TRUE(ProcessUntil([] { return QuilmoraForm->Buwagaki->isEnabled(); }));
}

}  // namespace

namespace {

TEST_F(PlanViewTest, FiguresDrawnBetweenPaintsLiveInTheViewsImage) {
  StartProgram();
  Repaint();
  const QImage before = Gamen()->Image();
  const int h = Gamen()->HorzScrollPosition();
  const int v = Gamen()->VertScrollPosition();
  auto highlight = [&](Canvas& canvas) {
    canvas.SetPenMode(PenMode::Xor);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColour(0x00ffff);
    canvas.SetBrushColour(0x00ffff);
    canvas.Rectangle(h + 10, v + 10, h + 30, v + 20);
  };
  Gamen()->DrawOnImage(highlight);
  EXPECT_EQ(Gamen()->Image().pixel(15, 15), qRgb(0, 0, 255));
  Gamen()->DrawOnImage(highlight);
  EXPECT_EQ(Gamen()->Image(), before);
  Gamen()->DrawOnImage(highlight);
  Repaint();  // a full paint starts from the sheet again
  const std::set<int> columns = AxisPixels(GridAxisX);
  const std::set<int> rows = AxisPixels(GridAxisY);
  for (int y = 10; y < 20; ++y)
    for (int x = 10; x < 30; ++x)
      if (!columns.count(x + h) && !rows.count(y + v)) {
        ASSERT_EQ(Gamen()->Image().pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
      }
  // The canvas keeps what the highlight left: its solid yellow brush now
  // fills the gaps of the dotted grid lines.
  const int column = *columns.lower_bound(h) - h;
  const int gapRow = RowOffTheLines(false);
  EXPECT_EQ(Gamen()->Image().pixel(column, gapRow), qRgb(255, 255, 0));
  EXPECT_EQ(before.pixel(column, gapRow), qRgb(255, 255, 255));
}

TEST_F(PlanViewTest, AColumnIsDrawnAtItsGridPoint) {
  StartProgram();
  const int h = Gamen()->HorzScrollPosition();
  const int v = Gamen()->VertScrollPosition();
  // The first axes at least 40 pixels inside the view.
  int i = 0, j = 0;
  while (TruncToInt(GridAxisX[i] * PixelsPerMetre) < h + 40) ++i;
  while (TruncToInt(GridAxisY[j] * PixelsPerMetre) < v + 40) ++j;
  ColumnRecord& column = Columns[0][0][ColumnCount[0][0]++];
  column = ColumnRecord{};
  column.X = i, column.Y = j, column.Type = 1, column.Hardware = 0, column.Deterioration = 0;
  Repaint();
  // At 1/75, u = 5: the box starts at trunc(x - 5); the hardware rim runs
  // from 3 pixels left of it, the deterioration ring from 8 (trunc(-7.5)).
  const int left = TruncToInt(GridAxisX[i] * PixelsPerMetre - 5) - h;
  const int row = TruncToInt(GridAxisY[j] * PixelsPerMetre) - v;
  const QImage& image = Gamen()->Image();
  EXPECT_EQ(image.pixel(left - 7, row), qRgb(255, 64, 64));  // deterioration 劣化
  EXPECT_EQ(image.pixel(left - 4, row), qRgb(255, 64, 64));
  EXPECT_EQ(image.pixel(left - 3, row), qRgb(246, 180, 180));  // hardware row 0
  EXPECT_EQ(image.pixel(left - 2, row), qRgb(246, 180, 180));
  EXPECT_EQ(image.pixel(left, row), qRgb(0, 0, 0));  // the outline, pen width 2
}

}  // namespace
