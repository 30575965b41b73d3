// The canvas's caches (stamps, hatch tiles, text entries) give the painter's
// pixels on the plan of a full house: the maximal model painted in every edit
// mode on storeys 1 and 2, by one canvas that keeps its caches from view to
// view, is pixel for pixel what a canvas without caches paints. The two views
// lie at odd pixel shifts from each other, so a stamp or hatch built at one
// place and copied at another shows any dependence on where it was built;
// the second view cuts off areas, walls, texts and legends at its edges.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstring>

#include "GuiFixture.h"
#include "model/PlanScale.h"
#include "model/ViewState.h"
#include "rendering/PlanPaint.h"
#include "rendering/PlanView.h"
#include "rendering/qt/QtCanvas.h"
#include "tests/support/MaximalModel.h"

namespace {

constexpr int kWidth = 1100, kHeight = 700;

// The first row and column where two images differ, for the failure message.
::testing::AssertionResult SameImages(const QImage& expected, const QImage& actual) {
  if (expected.size() != actual.size()) return ::testing::AssertionFailure() << "sizes differ";
  int differing = 0, firstX = -1, firstY = -1;
  for (int y = 0; y < expected.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
    if (std::memcmp(a, b, sizeof(QRgb) * static_cast<size_t>(expected.width())) == 0) continue;
    for (int x = 0; x < expected.width(); ++x) {
      if (a[x] == b[x]) continue;
      if (differing++ == 0) firstX = x, firstY = y;
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << differing << " pixels differ, the first at (" << firstX << ", " << firstY << "): " << std::hex
         << expected.pixel(firstX, firstY) << " expected, " << actual.pixel(firstX, firstY) << " drawn";
}

QImage Paint(QtCanvas& canvas, QPoint origin) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(0xffffffff);
  QPainter painter(&image);
  canvas.Begin(&painter, origin);
  PaintFullPlan(canvas, ScreenPlanView(), SheetWidthPixels(), SheetHeightPixels());
  canvas.End();
  return image;
}

class PlanPaintCachesTest : public GuiTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(PlanPaintCachesTest, TheMaximalModelPaintsTheSameFromTheCaches) {
  BuildMaximalModel();
  ASSERT_TRUE(TrySetPlanScale(75));
  CurrentVariant = CurrentState;
  CurrentEditMode = GetParam();
  // The lattice's middle, and its lower left corner with the legends, the
  // floor marks and the areas' edges; the second view lies an odd number of
  // pixels away from the first both ways, so off the 8 x 8 hatch.
  const PlanView view = ScreenPlanView();
  const int32_t middleX = view.GridX((MaximalModelFirstAxis + MaximalModelLastAxisX) / 2);
  const int32_t middleY = view.GridY((MaximalModelFirstAxis + MaximalModelLastAxisY) / 2);
  QPoint views[2] = {
      QPoint(middleX - kWidth / 2 + 3, middleY - kHeight / 2 + 5),
      QPoint(view.GridX(MaximalModelFirstAxis) - 250, view.GridY(MaximalModelLastAxisY) - kHeight + 300)};
  if ((views[1].x() - views[0].x()) % 2 == 0) views[1].rx() += 1;
  if ((views[1].y() - views[0].y()) % 2 == 0) views[1].ry() += 1;
  for (const int32_t storey : {0, 1}) {
    SCOPED_TRACE(testing::Message() << "storey " << storey + 1);
    CurrentStorey = storey;
    // Some results of the chain come from its previous run: a first paint
    // brings it to its fixed point.
    QtCanvas warmUp;
    Paint(warmUp, views[0]);
    // Two canvases, each over both views and back (pen, brush and font carry
    // over from one paint to the next, as in the plan window): every paint
    // after the first copies what the earlier ones built.
    QtCanvas plain, cached;
    plain.SetStampsEnabled(false);
    for (const int k : {0, 1, 0, 1}) {
      SCOPED_TRACE(testing::Message() << "view " << k);
      const QImage painted = Paint(plain, views[k]);
      EXPECT_TRUE(SameImages(painted, Paint(cached, views[k])));
    }
  }
}

// Hatches laid by the canvas (plain fills and hatched stamps) are the
// painter's: every hatch under every kind of pen, on rectangles, triangles
// and ellipses at places of every phase of the 8 x 8 tile and across the
// image's edges, in Copy mode, and in the modes left to the painter.
TEST(PlanPaintCaches, HatchesMatchThePainterAtEveryPhase) {
  const BrushStyle hatches[] = {BrushStyle::Horizontal, BrushStyle::Vertical, BrushStyle::FDiagonal,
                                BrushStyle::BDiagonal,  BrushStyle::Cross,    BrushStyle::DiagCross};
  for (const PenMode mode : {PenMode::Copy, PenMode::Mask, PenMode::Xor}) {
    SCOPED_TRACE(testing::Message() << "pen mode " << static_cast<int>(mode));
    QImage images[2];
    for (int stamped = 0; stamped < 2; ++stamped) {
      QImage image(150, 110, QImage::Format_RGB32);
      image.fill(0xffc0e0f0);
      QPainter painter(&image);
      QtCanvas canvas;
      canvas.SetStampsEnabled(stamped != 0);
      // Twice over, so the second pass copies stamps built by the first.
      for (int pass = 0; pass < 2; ++pass) {
        canvas.Begin(&painter, QPoint(-5 + 3 * pass, 7 - pass));
        int n = 0;
        for (int32_t y = -9; y < 115; y += 13)
          for (int32_t x = -11; x < 155; x += 17, ++n) {
            canvas.SetPenMode(mode);
            canvas.SetPenColour(0x203040 + 0x10 * n);
            canvas.SetPenWidth(n % 3 == 2 ? 2 : 1);
            canvas.SetPenStyle(n % 4 == 3 ? PenStyle::Clear : n % 5 == 1 ? PenStyle::Dot : PenStyle::Solid);
            canvas.SetBrushColour(0x0080ff ^ (0x050301 * n));
            canvas.SetBrushStyle(hatches[n % 6]);
            switch (n % 3) {
              case 0:
                canvas.Rectangle(x, y, x + 14 + n % 5, y + 11);
                break;
              case 1: {
                const CanvasPoint p[3] = {{x, y}, {x + 16, y + 2}, {x + 3, y + 12}};
                canvas.Polygon(p, 3);
                break;
              }
              default:
                canvas.Ellipse(x, y, x + 15, y + 12);
                break;
            }
          }
        canvas.End();
      }
      images[stamped] = image;
    }
    EXPECT_TRUE(SameImages(images[0], images[1]));
  }
}

// A label skipped by MayShowText is one that would leave no pixel, and turned
// text copied from stamps is the painter's: labels in every direction, placed
// across the image's edges, drawn by the painter alone, from stamps, and
// from stamps after asking first.
TEST(PlanPaintCaches, LabelsSkippedOffTheViewWouldShowNothing) {
  FontDescription vertical = PlanFont(12, 6, -900);
  vertical.FaceName = u"@ＭＳ ゴシック";
  const FontDescription fonts[] = {PlanFont(12, 6),       PlanFont(12, 6, 900), PlanFont(12, 6, 1800),
                                   PlanFont(12, 6, 2700), PlanFont(18, 9, 449), vertical};
  const std::u16string_view text = u"台所・食堂ホール";
  for (const FontDescription& font : fonts) {
    SCOPED_TRACE(testing::Message() << "escapement " << font.Escapement);
    QImage images[3];
    int32_t skipped = 0;
    for (int way = 0; way < 3; ++way) {
      const bool stamped = way > 0, ask = way == 2;
      QImage image(200, 150, QImage::Format_RGB32);
      image.fill(0xffffffff);
      QPainter painter(&image);
      QtCanvas canvas;
      canvas.SetStampsEnabled(stamped);
      canvas.Begin(&painter, QPoint(1000, 2000));
      canvas.SetFont(font);
      canvas.SetBrushColour(0x80ffff);
      for (int32_t x = 1000 - 600; x < 1000 + 800; x += 13)
        for (int32_t y = 2000 - 600; y < 2000 + 750; y += 29) {
          if (ask && !canvas.MayShowText(x, y, static_cast<int32_t>(text.size()))) {
            ++skipped;
            continue;
          }
          canvas.TextOut(x, y, text);
        }
      canvas.End();
      images[way] = image;
    }
    EXPECT_TRUE(SameImages(images[0], images[1]));
    EXPECT_TRUE(SameImages(images[0], images[2]));
    EXPECT_GT(skipped, 0);
  }
}

std::string EditModeName(const ::testing::TestParamInfo<int32_t>& info) {
  static const char* const names[] = {"Grid",  "Columns",     "Walls",     "RoofFloorAreas", "FloorTypes",
                                      "Texts", "Foundations", "FreeLines", "Beams",          "Gables"};
  return info.param >= 0 && info.param < 10 ? names[info.param] : "Other";
}

INSTANTIATE_TEST_SUITE_P(EveryEditMode, PlanPaintCachesTest,
                         ::testing::Values(EditModeColumns, EditModeWalls, EditModeText, EditModeFreeLine,
                                           EditModeFoundation, EditModeGable, EditModeRoofFloor,
                                           EditModeFloorSpec),
                         EditModeName);

}  // namespace
