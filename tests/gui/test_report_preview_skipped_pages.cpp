// The preview records only the page it shows: the pages before it are paged
// through on a canvas that keeps nothing. What the preview shows must be the
// very page that recording every page showed, also when the page asked for
// lies beyond the family's end (its last page is shown).
#include <QImage>
#include <QPainter>

#include "GuiFixture.h"
#include "chain/RecalculationChain.h"
#include "model/ReportPaging.h"
#include "model/ViewState.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"
#include "report/qt/ReportDialogs.h"
#include "report/qt/ReportPrintService.h"
#include "tests/support/MaximalModel.h"

namespace {

QImage Rendered(TPageImage& page) {
  QImage image(PagePictureWidth / 2, PagePictureHeight / 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(0.5, 0.5);
  page.DrawPage(painter);
  return image;
}

class PreviewSkippedPagesTest : public GuiTest {};

TEST_F(PreviewSkippedPagesTest, TheShownPageIsThePageThatRecordingEveryPageShowed) {
  BuildMaximalModel();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  RunRecalculationChain();

  struct Case {
    int32_t kind;
    int32_t page;
  } cases[] = {
      {PageNValueTables, 1}, {PageNValueTables, 2},
      {PageNValueTables, 5}, {PageNValueTables, 99},  // beyond the end: the last page
      {PageCover, 2},        {PageCover, 7},
      {PagePlan, 3},  // a family without pages shows its white page
  };
  for (const Case& c : cases) {
    TPageImage shown(nullptr), everyPage(nullptr);
    PreviewPage[c.kind] = c.page;
    PreviewPageCount[c.kind] = c.page;
    const PreviewPaging paging = DrawPreviewPageInto(&shown, c.kind);

    PreviewPageSink recordEvery(&everyPage);
    const int32_t result = DrawReportPageKind(c.kind, recordEvery, PreviewPixelsPerMm, c.page);
    EXPECT_EQ(paging.Result, result) << c.kind << " page " << c.page;
    EXPECT_GE(recordEvery.PageCount(), 1);
    EXPECT_TRUE(Rendered(shown) == Rendered(everyPage)) << c.kind << " page " << c.page;
  }
}

TEST_F(PreviewSkippedPagesTest, OnlyTheWantedPageIsRecorded) {
  BuildMaximalModel();
  CurrentVariant = CurrentState;
  RunRecalculationChain();
  RunRecalculationChain();
  PreviewPageSink sink(nullptr, 4);
  ASSERT_EQ(DrawReportPageKind(PageNValueTables, sink, PreviewPixelsPerMm, 4), 1);
  EXPECT_EQ(sink.PageCount(), 4);
  EXPECT_EQ(sink.RecordedPageCount(), 1);
}

}  // namespace
