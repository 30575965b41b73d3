// The whole report, every family, printed to PDF for a rich two-storey house
// and for the maximal model (tests/support/MaximalModel.h) under every method of the
// required strength (the load take-off included), with and without snow, in
// the current state and the retrofit plans, and read back with `pdftotext
// -bbox`: every word stands on the sheet and no two words of a page overlap.
// The PDFs are kept as tests/artifacts/sheet_<case>.pdf for a person to look
// at page by page.
//
// A word is a box that pdftotext gives (a run of glyphs between blanks), in
// millimetres of the PDF's A4 sheet. The layout stands on the sheet from the
// printable area's top left corner, shrunk by PrintScale.
// - On the sheet: a box ends inside the sheet's 210 mm and inside the
//   layout's 204.05 mm that the print scale fits into the printable area (so
//   on any printer), and above the layout's 289 mm, the lowest a line may end.
//   pdftotext leaves out glyphs that start beyond the sheet, so a line that
//   runs off shows as a word crossing its edge.
// - Overlap: two boxes of a page share more than 0.3 mm across and more than
//   0.3 mm down. Two words of the same text at the same place (within 0.05 mm)
//   are one text drawn twice, not an overlap. A word of rule characters only
//   ("────") is inked along the middle of its box alone, so it counts as the
//   band of 0.3 mm at its middle height. The plan drawn on a page labels the
//   model's elements where they stand, as the plan window does (a dense
//   model's labels meet there as on screen): words inside a plan's frame are
//   not checked against each other, but against every other word of the page.
#include <QByteArray>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "ReportPdf.h"
#include "analysis/AnalysisResults.h"
#include "analysis/RequiredStrength.h"
#include "chain/RecalculationChain.h"
#include "editing/SlotCopy.h"
#include "evaluation/HardwareClasses.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "report/ReportPrinting.h"
#include "report/qt/ReportPrintService.h"
#include "tests/core/TestModelBuilder.h"
#include "tests/support/MaximalModel.h"

namespace {

constexpr double MmPerPoint = 25.4 / 72;
constexpr double SheetWidthMm = 210;
// The layout's width that the print scale fits into the printable area.
constexpr double PrintableWidthMm = 2892.0 / 360 * 25.4;
constexpr double LowestLineMm = 289;
constexpr double OverlapToleranceMm = 0.3;
constexpr double SamePlaceMm = 0.05;

struct Word {
  double X0, Y0, X1, Y1;  // mm of the sheet
  QString Text;
};
using Page = std::vector<Word>;

// A word's text as pdftotext escapes it in its XHTML output.
QString Unescaped(QString text) {
  return text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
      .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
      .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
      .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
      .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// The words of every page of a PDF, read by pdftotext -bbox.
std::vector<Page> WordsOf(const QString& pdf) {
  const QByteArray out = RunPopplerTool(
      QStringLiteral("pdftotext"),
      {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
  static const QRegularExpression word(QStringLiteral(
      R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">(.*)</word>)re"));
  std::vector<Page> pages;
  for (const QString& line : QString::fromUtf8(out).split(QLatin1Char('\n'))) {
    if (line.contains(QStringLiteral("<page "))) {
      pages.emplace_back();
      continue;
    }
    const QRegularExpressionMatch m = word.match(line);
    if (!m.hasMatch() || pages.empty()) continue;
    pages.back().push_back({m.captured(1).toDouble() * MmPerPoint, m.captured(2).toDouble() * MmPerPoint,
                            m.captured(3).toDouble() * MmPerPoint, m.captured(4).toDouble() * MmPerPoint,
                            Unescaped(m.captured(5))});
  }
  return pages;
}

bool OnlyRules(const QString& text) {
  return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
    return c.unicode() >= 0x2500 && c.unicode() <= 0x257F;
  });
}

// The part of a word's box that carries ink, for the overlap test.
Word InkedBox(const Word& w) {
  if (!OnlyRules(w.Text)) return w;
  const double middle = (w.Y0 + w.Y1) / 2;
  return {w.X0, middle - OverlapToleranceMm / 2, w.X1, middle + OverlapToleranceMm / 2, w.Text};
}

bool SamePlace(const Word& a, const Word& b) {
  return a.Text == b.Text && std::abs(a.X0 - b.X0) < SamePlaceMm && std::abs(a.Y0 - b.Y0) < SamePlaceMm;
}

bool Overlap(const Word& a, const Word& b) {
  const double across = std::min(a.X1, b.X1) - std::max(a.X0, b.X0);
  const double down = std::min(a.Y1, b.Y1) - std::max(a.Y0, b.Y0);
  return across > OverlapToleranceMm && down > OverlapToleranceMm;
}

std::string Describe(const Word& w) {
  return QStringLiteral("\"%1\" (%2, %3)-(%4, %5) mm")
      .arg(w.Text)
      .arg(w.X0, 0, 'f', 1)
      .arg(w.Y0, 0, 'f', 1)
      .arg(w.X1, 0, 'f', 1)
      .arg(w.Y1, 0, 'f', 1)
      .toStdString();
}

// Where the layout lies on the sheet: its origin is the printable area's top
// left corner, and it is printed shrunk by PrintScale.
struct SheetGeometry {
  double Left, Top, Scale;
  double X(double layoutMm) const { return Left + layoutMm * Scale; }
  double Y(double layoutMm) const { return Top + layoutMm * Scale; }
};

// The pages that carry a plan, by a word of their title, and the side of the
// plan's square frame from (20, 20) mm of the layout.
struct PlanTitle {
  const char16_t* Word;
  double FrameMm;
};
constexpr PlanTitle PlanTitles[] = {{u"平面図（", 180},  {u"基礎図", 120},   {u"必要耐力（", 120},
                                    {u"重心（", 120},    {u"偏心率（", 120}, {u"平均床倍率（", 120},
                                    {u"必要壁量（", 120}};

// The plan's frame on the page in sheet millimetres, or an empty box when the
// page has no plan: the title stands at (20, 10) mm of the layout.
Word PlanFrameOf(const Page& page, const SheetGeometry& g) {
  QString title;
  for (const Word& w : page)
    if (std::abs(w.Y0 - g.Y(10)) < 1 && w.X0 < g.X(120)) title += w.Text;
  for (const PlanTitle& t : PlanTitles)
    if (title.contains(QString::fromUtf16(t.Word)))
      return {g.X(20), g.Y(20), g.X(20 + t.FrameMm), g.Y(20 + t.FrameMm), {}};
  return {};
}

bool Inside(const Word& w, const Word& frame) {
  return w.X0 >= frame.X0 && w.X1 <= frame.X1 && w.Y0 >= frame.Y0 && w.Y1 <= frame.Y1;
}

// Fails for every word that ends right of the sheet or below the layout's
// 289 mm and every overlapping pair; returns the number of faults found.
int CheckPages(const std::vector<Page>& pages, const SheetGeometry& g) {
  const double right = std::min(SheetWidthMm, g.X(PrintableWidthMm)), bottom = g.Y(LowestLineMm);
  int faults = 0;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const Page& page = pages[p];
    for (const Word& w : page)
      if (w.X1 > right || w.Y1 > bottom) {
        ++faults;
        ADD_FAILURE() << "page " << p + 1 << ": off the sheet: " << Describe(w);
      }
    const Word plan = PlanFrameOf(page, g);
    for (std::size_t i = 0; i < page.size(); ++i)
      for (std::size_t j = i + 1; j < page.size(); ++j) {
        if (SamePlace(page[i], page[j]) || (Inside(page[i], plan) && Inside(page[j], plan))) continue;
        if (Overlap(InkedBox(page[i]), InkedBox(page[j]))) {
          ++faults;
          ADD_FAILURE() << "page " << p + 1 << ": " << Describe(page[i]) << " overlaps " << Describe(page[j]);
        }
      }
  }
  return faults;
}

// --- The rich house -------------------------------------------------------

// The typical house of the benchmarks (two storeys, walls of every element
// kind) with every further kind of element: gable walls of the three shapes,
// roof and floor triangles, floor-specification triangles, text labels, free
// lines; strong crossed 90 x 90 braces and panels at the corners so that the
// corner columns call for the heaviest hardware; partitions with windows and
// doors (the wall kinds of eight and nine characters); a heavy individual
// floor load, so that Qr passes 1000 kN; and two retrofit plans that panel
// walls anew.
void BuildRichHouse() {
  using namespace testmodel;
  BuildTypicalHouse();
  constexpr int v = CurrentState;
  constexpr int x0 = 10, y0 = 10;
  for (int s = 0; s < 2; ++s)
    for (int i = 0; i < WallCount[v][s]; ++i) {
      WallRecord& w = Walls[v][s][i];
      const bool outer = w.X1 == x0 || w.Y1 == y0 || w.Y2 == y0 + 8 || w.X2 == (s == 0 ? x0 + 12 : x0 + 8);
      const bool corner = outer && ((w.X1 == x0 && w.X2 == x0) ? (w.Y1 == y0 || w.Y2 == y0 + 8)
                                                               : (w.X1 == x0 || w.X2 == x0 + 8));
      if (corner) {
        w.OpeningKind = 0, w.NoStrength = 0;
        w.BraceKind = 6, w.BraceEndJoint = 3, w.BraceArrangement = 1;
        w.PanelLeft = 3, w.PanelRight = 21;
      } else if (!outer && i % 3 == 0) {
        w.OpeningKind = 1 + i % 2;  // partitions with windows and doors
      }
    }
  for (int s = 0; s < 2; ++s)
    for (int c = 0; c < ColumnCount[v][s]; ++c) Columns[v][s][c].Hardware = c % 15;
  AddGable(v, 1, x0, y0, x0 + 4, y0).Shape = 0;
  AddGable(v, 1, x0 + 4, y0, x0 + 8, y0).Shape = 1;
  GableWallRecord& parapet = AddGable(v, 0, x0 + 8, y0 + 8, x0 + 12, y0 + 8);
  parapet.Shape = 2, parapet.WeightClass = 0, parapet.Weight = 600, parapet.Height = 0.6;
  for (int k = 0; k < GableWallCount[v][1]; ++k) {
    GableWalls[v][1][k].WeightClass = 1, GableWalls[v][1][k].Slope = 0.5, GableWalls[v][1][k].Height = 0.3;
  }
  AddTriangle(v, 1, x0, y0 + 8, x0 + 4, y0 + 8, x0, y0 + 10, 4);
  AddTriangle(v, 0, x0 + 8, y0 + 8, x0 + 12, y0 + 8, x0 + 12, y0 + 10, 18, {1800, 1200, 300});
  // The heavy floor: an individual load over the whole first storey.
  RoofFloorRectRecord& heavy = AddRect(v, 0, x0, y0, x0 + 12, y0 + 8, 16, {1800, 60000, 60000});
  heavy.WeightClass = 3;
  AddRect(v, 1, x0 + 8, y0, x0 + 9, y0 + 8, 13, {0, 900, 0}).WeightClass = 3;
  AddSpecTriangle(v, 1, x0, y0 + 8, x0 + 4, y0 + 8, x0, y0 + 10, 2 + 32 * 3);
  AddText(v, 0, x0 + 1, y0 + 1, x0 + 3, y0 + 2, u"居間");
  AddText(v, 1, x0 + 1, y0 + 1, x0 + 3, y0 + 2, u"@洋室");
  AddLine(v, 0, x0, y0 + 9, x0 + 12, y0 + 9).Style = 2;
  AddLine(v, 1, x0, y0 - 1, x0 + 8, y0 + 8).Colour = 0x0000FF;
  ProjectSettings.DistinguishBraceDirection = 1;
  ProjectSettings.BuildingName[0] = u'試';
  ProjectSettings.BuildingName[1] = 0;

  for (int plan : {RetrofitPlan1, RetrofitPlan2}) {
    CopyModelSlot(CurrentState, plan, CopyModeCopy, StoreyMaskAll);
    for (int s = 0; s < 2; ++s)
      for (int i = plan; i < WallCount[plan][s]; i += 4) Walls[plan][s][i].PanelRight = 3;
  }
}

// --- The cases ------------------------------------------------------------

enum class Model { RichHouse, Maximal };

struct SheetCase {
  const char* Name;
  Model Built;
  bool Snow;
  int32_t RequiredMethod;
  int32_t Diagnosis;
  int32_t Variant;
  int32_t JointMethod;
  int32_t Balance;
  bool QrOver1000;  // the heavy floor gives Qr over 1000 kN (the weight table counts no added load)
};

void PrintTo(const SheetCase& c, std::ostream* os) { *os << c.Name; }

const SheetCase Cases[] = {
    {"house_takeoff_snow", Model::RichHouse, true, RequiredByLoadTakeOff, DiagnosisGeneral, RetrofitPlan2,
     HardwareByNValue, BalanceByQuarterDivision, true},
    {"house_takeoff", Model::RichHouse, false, RequiredByLoadTakeOff, DiagnosisPrecise1, CurrentState,
     HardwareByConvertedNValue, BalanceByEccentricity, true},
    {"house_weight_table_snow", Model::RichHouse, true, RequiredByWeightTable, DiagnosisPrecise1,
     RetrofitPlan1, HardwareByConvertedNValue, BalanceByEccentricity, false},
    {"house_strength_table_snow", Model::RichHouse, true, RequiredByStrengthTable, DiagnosisVerification,
     RetrofitPlan2, HardwareByNValue, BalanceByQuarterDivision, true},
    {"house_simple_table", Model::RichHouse, false, RequiredBySimpleTable, DiagnosisGeneral, CurrentState,
     HardwareByNValue, BalanceByEccentricity, true},
    {"maximal_takeoff_snow", Model::Maximal, true, RequiredByLoadTakeOff, DiagnosisPrecise1, CurrentState,
     HardwareByNValue, BalanceByEccentricity, false},
    {"maximal_strength_table", Model::Maximal, false, RequiredByStrengthTable, DiagnosisGeneral,
     RetrofitPlan2, HardwareByConvertedNValue, BalanceByQuarterDivision, false},
};

class SheetBoundsTest : public GuiTest, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(SheetBoundsTest, EveryWordOfTheWholeReportStandsOnTheSheetAndAlone) {
  const SheetCase& c = GetParam();
  if (c.Built == Model::RichHouse)
    BuildRichHouse();
  else
    BuildMaximalModel();
  ProjectSettings.SnowLoad = c.Snow ? 0.26 * 1.5 : 0.0;
  ProjectSettings.SnowCase = c.Snow ? SnowCaseWith : SnowCaseWithout;
  ProjectSettings.RequiredStrengthMethod = c.RequiredMethod;
  ProjectSettings.DiagnosisMethod = c.Diagnosis;
  ProjectSettings.JointHardwareMethod = c.JointMethod;
  ProjectSettings.BalanceMethod = c.Balance;
  CurrentVariant = c.Variant;
  UpdateUsedExtents();
  RunRecalculationChain();
  RunRecalculationChain();

  // What the house is built to show.
  if (c.Built == Model::RichHouse) {
    const int v = c.Variant;
    double largest = 0;
    for (int s = 0; s < 2; ++s)
      largest = std::max({largest, RequiredStrength[v][s], RequiredStrengthSnow[v][s]});
    if (c.QrOver1000) {
      EXPECT_GE(largest, 1000.0) << "the house's Qr";
    }
    bool heaviest = false, longKind = false;
    for (int s = 0; s < 2; ++s) {
      for (int k = 0; k < ColumnCount[v][s]; ++k) {
        const ColumnResult& r = ColumnResults[v][s][k];
        const double n = std::max(r.NX, r.NY), to = std::max(r.ToX, r.ToY);
        heaviest = heaviest || ClassifyTableNValue(n) >= 9 || ClassifyTablePullOut(to) >= 9;
      }
      for (int i = 0; i < WallCount[v][s]; ++i)
        longKind = longKind ||
                   std::u16string_view(WallTypeLabels[WallResults[v][s][i].Blocks[0].WallType]).size() >= 8;
    }
    EXPECT_TRUE(heaviest) << "a column that calls for (ぬ) or (ぬ+)";
    EXPECT_TRUE(longKind) << "a wall kind of eight characters or more";
  }

  const QString pdf = ReportArtifactPath(QStringLiteral("sheet_%1.pdf").arg(QString::fromLatin1(c.Name)));
  QPrinter printer(QPrinter::HighResolution);
  UseA4PdfFile(printer, pdf);
  std::vector<int32_t> kinds(std::begin(PrintPositionKinds), std::end(PrintPositionKinds));
  kinds.push_back(PageWallQuantity);
  kinds.push_back(PageVerification);
  const int32_t sheets = PrintReportJob(printer, kinds);
  ASSERT_GT(sheets, 0);
  const std::vector<Page> pages = WordsOf(pdf);
  ASSERT_EQ(static_cast<int32_t>(pages.size()), sheets);
  const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter);
  EXPECT_EQ(CheckPages(pages, {printable.left(), printable.top(), PrintScale}), 0);
}

INSTANTIATE_TEST_SUITE_P(Report, SheetBoundsTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<SheetCase>& info) {
                           return std::string(info.param.Name);
                         });

}  // namespace
