// The page frame shared by every report family: millimetres to units
// (truncated in extended precision), the fit factor of the printer, the
// wanted-page countdown and the hand-over, the print job's sheets and page
// numbers across families, the page header with its clock and right edge,
// and the preview's page bookkeeping and zoom texts.
#include <gtest/gtest.h>

#include <string>

#include "ReportTestHelpers.h"
#include "model/SettingChoices.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"
#include "report/ReportPrinting.h"

namespace {

TEST(ReportUnits, MillimetresAreTruncatedNeverRounded) {
  struct Case {
    double mm, ppm;
    int32_t units;
  };
  const Case cases[] = {
      {1.25, 10.2, 12},   // 12.75
      {2.5, 10.2, 25},    // 25.5
      {20, 10.2, 203},    // 203.99999999999999... in extended precision
      {165, 10.2, 1682},  // 1682.9999999999999...
      {-0.5, 10.2, -5},   // -5.1 toward zero
      {0.2, 10.2, 2},     // the sheet's pen
      {10, 23.328, 233},  // 233.28
  };
  for (const Case& c : cases) EXPECT_EQ(MmToUnits(c.mm, c.ppm), c.units) << c.mm << " mm at " << c.ppm;
}

TEST(ReportUnits, PrintScaleFitsTheLayoutIntoThePrintableArea) {
  // a = 4760 / 600 / 2892 x 360 = 0.987552, b = 6814 / 600 / 4125 x 360 = 0.991127.
  const double scale = PrintScaleOf(4760, 6814, 600);
  EXPECT_NEAR(scale, 0.98755, 5e-6);
  EXPECT_NEAR(600 / 25.4 * scale, 23.328, 5e-4);
  // A printable area relatively taller than wide: the height ratio wins.
  EXPECT_NEAR(PrintScaleOf(4960, 6000, 600), 6000.0 / 600 / 4125 * 360, 1e-12);
}

// A family of three pages whose pages carry their number as their only text.
int32_t ThreePageFamily(PageSink& sink, double ppm, int32_t wanted) {
  PageFrame frame(sink, ppm, wanted);
  for (int page = 1; page <= 3; ++page) {
    Canvas& canvas = frame.BeginPage();
    frame.SelectFont(ReportGothicFace, 3, 1.5, 400);
    canvas.TextOut(0, 100, FormatW(u"page %i", page));
    if (frame.HandOver(page < 3)) break;
  }
  return frame.Result();
}

std::u16string PageText(const RecordedPage& page) {
  const auto* text = TextAt(page, 0, 100);
  return text ? text->Text : u"";
}

TEST_F(ReportTest, TheCountdownStopsAtTheWantedPageAndAnswersWhetherAnotherFollows) {
  struct Case {
    int32_t wanted, result, pagesDrawn;
    const char16_t* shown;
  };
  const Case cases[] = {
      {1, 1, 1, u"page 1"}, {2, 1, 2, u"page 2"}, {3, 0, 3, u"page 3"}, {4, 0, 3, u"page 3"}};
  for (const Case& c : cases) {
    RecordingPageSink preview;
    EXPECT_EQ(ThreePageFamily(preview, PreviewPixelsPerMm, c.wanted), c.result) << c.wanted;
    ASSERT_EQ(static_cast<int>(preview.Pages.size()), c.pagesDrawn) << c.wanted;
    EXPECT_EQ(PageText(preview.Pages.back()), c.shown) << c.wanted;
    EXPECT_EQ(preview.NewPageCount, 0);
    // The preview never shows the page header.
    for (const auto* text : TextsOf(preview.Pages.back())) EXPECT_EQ(text->Font.FaceName, ReportGothicFace);
  }
}

TEST_F(ReportTest, PrintingAFamilyStartsNewSheetsOnlyBetweenItsPages) {
  EXPECT_EQ(ThreePageFamily(sink, 23.328, 0), 0);
  EXPECT_EQ(sink.Events, (std::vector<std::string>{"page", "new", "page", "new", "page"}));
  ASSERT_EQ(sink.Pages.size(), 3u);
  EXPECT_EQ(PageText(sink.Pages[2]), u"page 3");
}

TEST_F(ReportTest, EveryPageBeginsWhiteWithTheFrameSetUp) {
  ThreePageFamily(sink, 10.2, 2);
  const auto& first = sink.Pages[1].front();
  EXPECT_EQ(first.Kind, RecordingCanvas::Op::Rectangle);
  EXPECT_EQ(first.Args[0], 0);
  EXPECT_EQ(first.Args[1], 0);
  EXPECT_GT(first.Args[2], PagePictureWidth);
  EXPECT_GT(first.Args[3], PagePictureHeight);
  EXPECT_EQ(first.Pen.Colour, 0xFFFFFF);
  EXPECT_EQ(first.Brush.Colour, 0xFFFFFF);
  EXPECT_EQ(first.Brush.Style, BrushStyle::Solid);
  EXPECT_EQ(first.FontColour, 0);
}

TEST_F(ReportTest, FamiliesOfOneJobGetOneNewSheetBetweenThemAndRunningPageNumbers) {
  ProjectSettings.DiagnosisMethod = DiagnosisVerification;
  EXPECT_EQ(PrintReportFamilies(sink, {PageCover, PageFoundation, PageVerification}), 3);
  // The cover of the verification method has one page.
  EXPECT_EQ(sink.Events, (std::vector<std::string>{"page", "new", "page", "new", "page"}));
  const auto header = [](const RecordedPage& page) { return Utf8(TextsOf(page).front()->Text); };
  EXPECT_NE(header(sink.Pages[0]).find("[   P. 1 ]"), std::string::npos) << header(sink.Pages[0]);
  EXPECT_NE(header(sink.Pages[1]).find("[   P. 2 ]"), std::string::npos) << header(sink.Pages[1]);
  EXPECT_NE(header(sink.Pages[2]).find("[   P. 3 ]"), std::string::npos) << header(sink.Pages[2]);
  // The printer's fit factor and units: 4760 x 6814 dots at 600 dpi.
  EXPECT_NEAR(PrintScale, 0.98755, 5e-6);
  const auto* title = FindText(sink.Pages[1], u"現況 基礎図");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->Args[0], 466);  // 20 mm x 23.3284 = 466.57
  EXPECT_EQ(title->Args[1], 233);

  // A new job numbers from 1 again.
  RecordingPageSink second;
  PrintReportFamilies(second, {PageVerification});
  EXPECT_NE(Utf8(TextsOf(second.Pages[0]).front()->Text).find("P. 1 ]"), std::string::npos);
}

TEST_F(ReportTest, TheSelectedPositionsPrintInPrintOrder) {
  for (int32_t& p : PrintSelection) p = 1;
  const std::vector<int32_t> kinds = SelectedPrintKinds();
  ASSERT_EQ(kinds.size(), 12u);
  // The frame diagrams come before the N-value tables.
  EXPECT_EQ(kinds[7], PageNValueFrames);
  EXPECT_EQ(kinds[8], PageNValueTables);
  for (int32_t& p : PrintSelection) p = 0;
  PrintSelection[2] = PrintSelection[11] = 1;
  EXPECT_EQ(SelectedPrintKinds(), (std::vector<int32_t>{PageFoundation, PageScore}));
}

TEST_F(ReportTest, TheHeaderCarriesNamePageAndTimeAndEnds500DotsFromTheRightEdge) {
  EXPECT_EQ(Utf8(PageHeaderText(u"", 1, {2025, 3, 4, 9, 5, 7})),
            "Quilmora2025 Ver5.0.1 [   P. 1 ] 2025/ 3/ 4  9: 5: 7");
  EXPECT_EQ(Utf8(PageHeaderText(u"山田邸", 12, {2026, 12, 31, 23, 59, 58})),
            "Quilmora2025 Ver5.0.1 [ 山田邸  P.12 ] 2026/12/31 23:59:58");
  // A name filling its whole array without a terminator.
  const std::u16string full(80, u'名');
  EXPECT_NE(PageHeaderText(full, 1, {}).find(full + u"  P."), std::u16string::npos);

  for (const char16_t* name : {u"", u"木造 二階建て住宅 ABC"}) {
    RecordingPageSink job;
    std::copy_n(name, std::char_traits<char16_t>::length(name) + 1, ProjectSettings.BuildingName);
    PrintReportFamilies(job, {PageFoundation});
    const auto* header = TextsOf(job.Pages[0]).front();
    EXPECT_EQ(header->Args[1], 0);
    EXPECT_EQ(header->Args[0] + FixedPitchTextWidth(header->Font, header->Text), job.Width - 500);
    EXPECT_EQ(header->Font.FaceName, ReportMinchoFace);
    EXPECT_EQ(header->Font.Italic, 1);
    EXPECT_EQ(header->Font.Height, 69);  // 3 mm x 23.3284
    EXPECT_EQ(header->Font.Width, 34);
    EXPECT_EQ(header->Brush.Style, BrushStyle::Clear);
    EXPECT_NE(Utf8(header->Text).find("2025/ 3/ 4  9: 5: 7"), std::string::npos);
  }
}

TEST_F(ReportTest, TitlesBeginWithThePrefixOfTheVariant) {
  const char16_t* titles[] = {u"現況 基礎図", u"補強計画 基礎図", u"補強計画案２ 基礎図"};
  for (int v = 0; v < 3; ++v) {
    CurrentVariant = v;
    RecordingPageSink preview;
    DrawFoundationPlanPage(preview, PreviewPixelsPerMm, 1);
    EXPECT_TRUE(FindText(preview.Pages.back(), titles[v])) << v;
  }
}

TEST_F(ReportTest, ThePreviewLearnsThePageCountOnePageAtATime) {
  // A two-page family: page 1 answers that page 2 exists.
  PreviewPaging paging = KeepPreviewBooks(PagePlan, 1);
  EXPECT_EQ(PreviewPageCount[PagePlan], 2);
  EXPECT_EQ(Utf8(paging.Label), "[1/2]");
  EXPECT_TRUE(paging.NextEnabled);
  EXPECT_FALSE(paging.PreviousEnabled);
  PreviewPage[PagePlan] = 2;
  paging = KeepPreviewBooks(PagePlan, 0);
  EXPECT_EQ(Utf8(paging.Label), "[2/2]");
  EXPECT_FALSE(paging.NextEnabled);
  EXPECT_TRUE(paging.PreviousEnabled);
  // The count does not shrink when a page is lost (a storey removed, say).
  PreviewPage[PagePlan] = 1;
  paging = KeepPreviewBooks(PagePlan, 0);
  EXPECT_EQ(Utf8(paging.Label), "[1/2]");
  // A one-page family and a family not built yet stay at [1/1].
  for (int32_t kind : {PageFoundation, PageScore}) {
    RecordingPageSink preview;
    paging = DrawPreviewPage(kind, preview);
    EXPECT_EQ(paging.Result, 0);
    EXPECT_EQ(Utf8(paging.Label), "[1/1]");
    EXPECT_FALSE(paging.NextEnabled);
    EXPECT_EQ(preview.Pages.size(), 1u);
    EXPECT_EQ(PreviewTab, kind);
  }
}

TEST(ReportZoom, ComboTextsGiveZoomsClampedToTheUsableRange) {
  struct Case {
    const char16_t* text;
    bool changes;
    double percent;
  };
  const Case cases[] = {
      {u"50%", true, 50}, {u"100%", true, 100},  {u" 400 %", true, 400}, {u"37.5", true, 37.5},
      {u"0%", true, 10},  {u"5000%", true, 800}, {u"abc", false, 0},     {u"", false, 0},
      {u"%", false, 0},   {u"-", false, 0},
  };
  for (const Case& c : cases) {
    double zoom = 0.5;
    EXPECT_EQ(ZoomOfPercentText(c.text, zoom), c.changes) << Utf8(c.text);
    EXPECT_DOUBLE_EQ(zoom, c.changes ? c.percent / 290 : 0.5) << Utf8(c.text);
  }
  SetPreviewPageSize();
  // "50%": 2100 x 50 / 290 = 362.07, 2970 x 50 / 290 = 512.07; "100%": 724.1 wide.
  EXPECT_EQ(static_cast<int>(PreviewPageWidth * (50 / 290.0)), 362);
  EXPECT_EQ(static_cast<int>(PreviewPageHeight * (50 / 290.0)), 512);
  EXPECT_EQ(Utf8(PercentTextOfZoom(0.3448)), "100%");
  EXPECT_EQ(Utf8(PercentTextOfZoom(0.1)), " 29%");
  EXPECT_DOUBLE_EQ(PageWidthZoom(890), 860.0 / 2100);
  EXPECT_DOUBLE_EQ(WholePageZoom(860, 726), 726.0 / 2970);   // the height decides
  EXPECT_DOUBLE_EQ(WholePageZoom(860, 2000), 860.0 / 2100);  // the width decides
}

}  // namespace
