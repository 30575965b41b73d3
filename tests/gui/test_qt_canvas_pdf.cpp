// Pages written through QPdfWriter keep their lines and texts. The file is
// read back with poppler-utils (pdfinfo, pdftotext, pdftoppm), which the
// build installs: a missing tool fails the test.
#include <gtest/gtest.h>

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <vector>

#include "ReportPdf.h"
#include "rendering/qt/QtCanvas.h"

namespace {

constexpr int32_t kBlack = 0x000000;  // 0x00BBGGRR

// The page in logical units of 0.1 mm: 2100 x 2970 for A4.
constexpr int kColumns[] = {300, 1050, 1800};
constexpr int kRows[] = {400, 1500, 2600};

void DrawFirstPage(Canvas& canvas) {
  canvas.SetPenColour(kBlack);
  canvas.SetBrushStyle(BrushStyle::Clear);
  for (const int x : kColumns) {
    canvas.MoveTo(x, 200);
    canvas.LineTo(x, 2800);
  }
  canvas.SetPenStyle(PenStyle::Dash);
  for (const int y : kRows) {
    canvas.MoveTo(200, y);
    canvas.LineTo(1904, y);  // 71 dashes of 18 units with their gaps of 6
  }
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.Rectangle(100, 100, 2001, 2881);  // the frame: edges at 100 and 2000, 100 and 2880
  canvas.SetFontColour(kBlack);
  canvas.SetFont(PlanFont(60, 30));
  canvas.TextOut(400, 600, u"耐震診断 一般診断法");
  canvas.SetFont(PlanFont(40, 20));
  canvas.TextOut(400, 800, u"Quilmora 2025");
}

void DrawSecondPage(Canvas& canvas) {
  canvas.SetPenColour(kBlack);
  canvas.MoveTo(1000, 200);
  canvas.LineTo(1000, 2800);
  canvas.SetFont(PlanFont(60, 30));
  canvas.TextOut(1200, 600, u"必要壁量の計算");
}

// Page `page` of the file at 254 dpi: one pixel per logical unit, without
// antialiasing so that hairlines come out as whole dark pixels.
QImage Rasterised(const QString& pdf, const QString& prefix, int page) {
  const QString number = QString::number(page);
  RunPopplerTool(
      QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"), QStringLiteral("-aa"),
       QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-f"), number,
       QStringLiteral("-l"), number, QStringLiteral("-singlefile"), pdf, prefix});
  return QImage(prefix + QStringLiteral(".pgm"));
}

// An A4 PDF file at 600 dpi, drawn on in logical units of 0.1 mm.
struct A4PdfIn01Mm {
  explicit A4PdfIn01Mm(const QString& path) : writer(path) {
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(600);
    painter.begin(&writer);
    painter.scale(600 / 254.0, 600 / 254.0);
  }
  QPdfWriter writer;
  QPainter painter;
};

bool IsDark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The positions along a vertical (or horizontal) line at x (or y) from
// `from` to `to` where a dark pixel lies within one pixel across the line,
// and the number of dark runs they make.
int DarkAlong(const QImage& image, bool vertical, int at, int from, int to, int* runs = nullptr) {
  int dark = 0;
  bool previous = false;
  if (runs) *runs = 0;
  for (int t = from; t < to; ++t) {
    bool any = false;
    for (int d = -1; d <= 1; ++d)
      any = any || (vertical ? IsDark(image, at + d, t) : IsDark(image, t, at + d));
    dark += any;
    if (runs && any && !previous) ++*runs;
    previous = any;
  }
  return dark;
}

TEST(QtCanvasPdf, APdfPageKeepsItsLinesAndTexts) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString pdf = folder.filePath(QStringLiteral("pages.pdf"));
  {
    A4PdfIn01Mm file(pdf);
    QPdfWriter& writer = file.writer;
    QPainter& painter = file.painter;
    QtCanvas canvas;
    canvas.Begin(&painter, {});
    EXPECT_TRUE(canvas.DrawsVectors());
    DrawFirstPage(canvas);
    canvas.End();
    ASSERT_TRUE(writer.newPage());
    canvas.Begin(&painter, {});
    DrawSecondPage(canvas);
    canvas.End();
  }

  const QString info = QString::fromUtf8(RunPopplerTool(QStringLiteral("pdfinfo"), {pdf}));
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

  auto text = [&](int page) {
    const QString number = QString::number(page);
    const QString extracted = QString::fromUtf8(RunPopplerTool(
        QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), QStringLiteral("-f"),
                                      number, QStringLiteral("-l"), number, pdf, QStringLiteral("-")}));
    return extracted;
  };
  const QString first = text(1);
  EXPECT_TRUE(first.contains(QStringLiteral("耐震診断 一般診断法"))) << first.toStdString();
  EXPECT_TRUE(first.contains(QStringLiteral("Quilmora 2025"))) << first.toStdString();
  EXPECT_FALSE(first.contains(QStringLiteral("必要壁量"))) << first.toStdString();
  const QString second = text(2);
  EXPECT_TRUE(second.contains(QStringLiteral("必要壁量の計算"))) << second.toStdString();

  // 2100 x 2970 pixels (pdftoppm rounds the height of 841.89 points up):
  // logical unit (x, y) is pixel (x, y).
  const QImage page1 = Rasterised(pdf, folder.filePath(QStringLiteral("page1")), 1);
  ASSERT_EQ(page1.width(), 2100);
  ASSERT_GE(page1.height(), 2970);
  for (const int x : kColumns) EXPECT_GE(DarkAlong(page1, true, x, 200, 2799), 2590) << "x " << x;
  for (const int y : kRows) {
    // Dashes of 18 units on, 6 off: 71 x 18 = 1278 dark, give or take a
    // pixel at either end of each dash.
    int dashes = 0;
    const int dark = DarkAlong(page1, false, y, 200, 1904, &dashes);
    EXPECT_EQ(dashes, 71) << "y " << y;
    EXPECT_GE(dark, 1278 - 71) << "y " << y;
    EXPECT_LE(dark, 1278 + 2 * 71) << "y " << y;
  }
  EXPECT_GE(DarkAlong(page1, true, 100, 100, 2880), 2770);    // frame, left
  EXPECT_GE(DarkAlong(page1, true, 2000, 100, 2880), 2770);   // frame, right
  EXPECT_GE(DarkAlong(page1, false, 2880, 100, 2000), 1890);  // frame, bottom
  EXPECT_EQ(DarkAlong(page1, true, 2002, 0, 2970), 0);        // nothing beyond the frame's right edge
  // Column 1400 lies between the lines: only the frame and the dashed rows cross it.
  EXPECT_LE(DarkAlong(page1, true, 1400, 0, 2970), 10);
  // The heading's glyphs: ten characters of a 60-unit font from (400, 600).
  int heading = 0;
  for (int y = 600; y < 660; ++y)
    for (int x = 400; x < 1000; ++x) heading += IsDark(page1, x, y);
  EXPECT_GT(heading, 2000);

  const QImage page2 = Rasterised(pdf, folder.filePath(QStringLiteral("page2")), 2);
  ASSERT_EQ(page2.width(), 2100);
  ASSERT_GE(page2.height(), 2970);
  EXPECT_GE(DarkAlong(page2, true, 1000, 200, 2799), 2590);
  EXPECT_EQ(DarkAlong(page2, true, 300, 0, 2970), 0);  // nothing of page 1
}

}  // namespace

namespace {

struct DashRun {
  int first, end;  // pixels [first, end) along the line
};

// The runs of dark pixels (within one pixel across) along a line through
// the image from pixel `from` by `direction` (one pixel a step) over
// `count` pixels; positions are counted from `from`.
std::vector<DashRun> DarkRuns(const QImage& image, QPoint from, QPoint direction, int count) {
  std::vector<DashRun> runs;
  const QPoint across(direction.y(), direction.x());
  for (int k = 0; k < count; ++k) {
    const QPoint at = from + direction * k;
    bool dark = false;
    for (int d = -1; d <= 1; ++d) dark = dark || IsDark(image, (at + across * d).x(), (at + across * d).y());
    if (!dark) continue;
    if (!runs.empty() && runs.back().end == k)
      runs.back().end = k + 1;
    else
      runs.push_back({k, k + 1});
  }
  return runs;
}

// The dashes of a pattern over units [first, first + count) of a line
// whose pattern starts `phase` units in, counted from `first`.
std::vector<DashRun> PatternRuns(const DashPattern& pattern, int phase, int first, int count) {
  std::vector<DashRun> runs;
  for (int k = first; k < first + count; ++k) {
    int p = (phase + k) % pattern.Period, segment = 0;
    while (p >= pattern.Lengths[segment]) p -= pattern.Lengths[segment++];
    if (segment % 2 != 0) continue;
    if (!runs.empty() && runs.back().end == k - first)
      runs.back().end = k - first + 1;
    else
      runs.push_back({k - first, k - first + 1});
  }
  return runs;
}

std::string RunsText(const std::vector<DashRun>& runs) {
  std::string text;
  for (const DashRun& r : runs) text += "[" + std::to_string(r.first) + "," + std::to_string(r.end) + ") ";
  return text;
}

// A PDF file lays the dashes of a styled line along an axis itself; they
// must fall on the units where the pattern puts them, in every direction,
// with the pattern running on from one LineTo to the next.
TEST(QtCanvasPdf, TheDashesOfAStyledLineFallWhereThePatternPutsThem) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString pdf = folder.filePath(QStringLiteral("dashes.pdf"));
  {
    A4PdfIn01Mm file(pdf);  // a device pixel is 0.42 of a unit
    QtCanvas canvas;
    canvas.Begin(&file.painter, {});
    canvas.SetPenColour(kBlack);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenStyle(PenStyle::Dash);
    canvas.MoveTo(200, 400);
    canvas.LineTo(812, 400);   // 612 units: 25 periods and a half
    canvas.LineTo(812, 1012);  // down, the pattern 12 units in
    canvas.SetPenStyle(PenStyle::DashDot);
    canvas.MoveTo(1900, 1400);
    canvas.LineTo(1300, 1400);  // leftwards
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.MoveTo(1600, 2600);
    canvas.LineTo(1600, 2000);  // upwards
    canvas.End();
  }
  const QImage page = Rasterised(pdf, folder.filePath(QStringLiteral("dashes")), 1);
  ASSERT_GE(page.width(), 2100);

  const struct {
    const char* what;
    PenStyle style;
    int phase;
    QPoint from, direction;
    int count;
  } lines[] = {
      {"a dashed line to the right", PenStyle::Dash, 0, {200, 400}, {1, 0}, 612},
      {"its continuation downwards", PenStyle::Dash, 612, {812, 400}, {0, 1}, 612},
      {"a dash-dot line to the left", PenStyle::DashDot, 0, {1900, 1400}, {-1, 0}, 600},
      {"a dotted line upwards", PenStyle::Dot, 0, {1600, 2600}, {0, -1}, 600},
  };
  for (const auto& line : lines) {
    // From unit 1 (inside the first dash) to the unit before the last; the
    // dashes that reach either end of that stretch are left out, since
    // half a pixel there may add a pixel of a neighbouring dash or line.
    const int first = 1, count = line.count - 2;
    const auto inner = [count](std::vector<DashRun> runs) {
      std::erase_if(runs, [count](const DashRun& r) { return r.first == 0 || r.end == count; });
      return runs;
    };
    const std::vector<DashRun> drawn =
        inner(DarkRuns(page, line.from + line.direction * first, line.direction, count));
    const std::vector<DashRun> wanted =
        inner(PatternRuns(*DashPatternOf(line.style), line.phase, first, count));
    ASSERT_EQ(drawn.size(), wanted.size())
        << line.what << ": drawn " << RunsText(drawn) << "\nwanted " << RunsText(wanted);
    for (size_t i = 0; i < drawn.size(); ++i) {
      // Within a pixel: the file's dashes end half a unit off the pixel
      // grid's cells.
      EXPECT_LE(std::abs(drawn[i].first - wanted[i].first), 1) << line.what << ", dash " << i;
      EXPECT_LE(std::abs(drawn[i].end - wanted[i].end), 1) << line.what << ", dash " << i;
    }
  }
}

}  // namespace
