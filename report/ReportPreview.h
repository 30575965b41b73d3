#pragma once
// The preview's program-wide state and its bookkeeping, Qt-free: the page
// shown per family and the pages known to exist (model/ReportPaging.h), the
// zoom and what the paging controls show after a page has been drawn.
#include <cstdint>
#include <string>
#include <string_view>

#include "report/ReportPage.h"

extern int32_t PreviewTab;         // the kind shown at the last page drawing
extern int32_t PreviewWantedPage;  // the page asked for then
extern double PreviewZoom;         // screen pixels per page-picture unit
extern double PreviewUnit;
extern double PreviewPageWidth;
extern double PreviewPageHeight;
constexpr double PreviewPixelsPerMm = 10.2;
// Percent per unit of zoom: "100%" is a page 2100 x 100 / 290 pixels wide.
constexpr double PreviewPercentPerZoom = 290;

// Program start: the page picture size.
void SetPreviewPageSize();

struct PreviewPaging {
  int32_t Result = 0;  // of the page function
  bool NextEnabled = false;
  bool PreviousEnabled = false;
  std::u16string Label;  // "[page/count]"
};

// Draws the page of kind the preview shows into the sink and keeps the
// books: the known count grows by one when the last known page answers that
// another follows.
PreviewPaging DrawPreviewPage(int32_t kind, PageSink& sink);
// The bookkeeping alone, after the page function of kind answered result.
PreviewPaging KeepPreviewBooks(int32_t kind, int32_t result);

// Zoom of a combo text: the number at its start / 290, clamped to 10..800 %;
// false (and zoom untouched) when the text starts with no number.
bool ZoomOfPercentText(std::u16string_view text, double& zoom);
// The combo text of a zoom: "%3.0f%" of zoom x 290.
std::u16string PercentTextOfZoom(double zoom);
// The zoom that fits the page width into a page control clientWidth wide
// (30 pixels left for its frame and the scroll bar).
double PageWidthZoom(double clientWidth);
// The zoom that fits the whole page into a view of viewWidth x viewHeight
// pixels (the tab's scroll box without scroll bars), touching two edges.
double WholePageZoom(double viewWidth, double viewHeight);
