// The axis layer on the viewport: balloons with their names and ticks below
// the model, drawn by the full paint; the narrow-spacing warning comes after
// the paint, once.
#include <QImage>

#include "GuiFixture.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/Grid.h"

namespace {

class AxisBalloonTest : public GuiTest {
 protected:
  TPlanScrollBox* Gamen() const { return QuilmoraForm->Gamen; }

  void Repaint() {
    const int paints = Gamen()->FullPaintCount();
    Gamen()->Invalidate();
    ASSERT_TRUE(ProcessUntil([&] { return Gamen()->FullPaintCount() > paints && !Gamen()->FullPaintDue(); }));
  }

  // Columns at X 100..104, Y 100..103 on the first storey of the current state.
  static void PutTwoColumns() {
    for (const auto& [x, y] : {std::pair{100, 100}, std::pair{104, 103}}) {
      const int32_t n = ColumnCount[0][0]++;
      Columns[0][0][n] = ColumnRecord{};
      Columns[0][0][n].X = x, Columns[0][0][n].Y = y, Columns[0][0][n].Type = 1;
    }
  }
};

TEST_F(AxisBalloonTest, TheFirstXBalloonShowsItsNameBelowTheModel) {
  StartProgram();  // 1/75: 53 px/m
  PutTwoColumns();
  // X axis 100 at 91 x 53 = 4823; the bottom used Y axis 103 at 93.73 m puts
  // the balloon centre at 95.73 x 53 = 5073.69 and the tick from
  // 94.73 x 53 = 5020.69 down to 5073.69 - 15 = 5058.69.
  Gamen()->SetHorzScrollPosition(4823 - 200);
  Gamen()->SetVertScrollPosition(5073 - 200);
  Repaint();
  const QImage& image = Gamen()->Image();
  const int h = Gamen()->HorzScrollPosition(), v = Gamen()->VertScrollPosition();
  ASSERT_EQ(h, 4823 - 200);
  ASSERT_EQ(v, 5073 - 200);
  auto at = [&](int sheetX, int sheetY) { return image.pixel(sheetX - h, sheetY - v); };

  // The tick is solid where the dotted grid line alone has gaps.
  for (int y = 5021; y < 5030; ++y) EXPECT_EQ(at(4823, y), qRgb(32, 32, 32)) << y;
  // Along the balloon's middle row, from the left: white sheet, the outline,
  // white inside.
  int outline = -1;
  for (int x = 4800; x < 4823 && outline < 0; ++x)
    if (at(x, 5073) != qRgb(255, 255, 255)) outline = x;
  EXPECT_NEAR(outline, 4823 - 15, 1);
  EXPECT_EQ(at(outline, 5073), qRgb(32, 32, 32));
  EXPECT_EQ(at(outline + 2, 5073 - 10), qRgb(255, 255, 255));
  // "X0" in black inside the balloon, and nowhere outside the text cell.
  int inked = 0;
  for (int y = 5073 - 10; y <= 5073 + 10; ++y)
    for (int x = 4823 - 10; x <= 4823 + 10; ++x)
      if (x != 4823 && at(x, y) == qRgb(0, 0, 0)) ++inked;
  EXPECT_GT(inked, 20);
}

TEST_F(AxisBalloonTest, NarrowAxesAreReportedOnceAfterThePaint) {
  StartProgram();
  PutTwoColumns();
  GridAxisX[150] = GridAxisX[149] + 0.05;  // outside the model: blank names
  boxes.Expect("通り芯データの確認", IDOK);
  Repaint();
  ASSERT_TRUE(ProcessUntil([&] { return boxes.Pending() == 0; }));
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_TRUE(boxes.Calls()[0].text.starts_with("(      )-(      )の間隔が0.1未満です。"))
      << boxes.Calls()[0].text;
  EXPECT_EQ(boxes.Calls()[0].flags, 64);
  Repaint();  // no second box: the fixture fails on any unexpected one
  Repaint();
  EXPECT_EQ(boxes.Calls().size(), 1u);
}

}  // namespace
