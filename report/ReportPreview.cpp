#include "report/ReportPreview.h"

#include <algorithm>
#include <string>

#include "platform/Format.h"
#include "platform/NumberText.h"
#include "report/ReportFamilies.h"

int32_t PreviewTab = 0;
int32_t PreviewWantedPage = 1;
double PreviewZoom = 1.0;
double PreviewUnit = 1.0;
double PreviewPageWidth = PagePictureWidth;
double PreviewPageHeight = PagePictureHeight;

void SetPreviewPageSize() {
  PreviewPageWidth = PagePictureWidth * PreviewUnit;
  PreviewPageHeight = PagePictureHeight * PreviewUnit;
}

PreviewPaging DrawPreviewPage(int32_t kind, PageSink& sink) {
  if (kind < 0 || kind >= ReportPageKindCount) return {};
  PreviewTab = kind;
  PreviewWantedPage = PreviewPage[kind];
  return KeepPreviewBooks(kind, DrawReportPageKind(kind, sink, PreviewPixelsPerMm, PreviewWantedPage));
}

PreviewPaging KeepPreviewBooks(int32_t kind, int32_t result) {
  PreviewPaging paging;
  if (kind < 0 || kind >= ReportPageKindCount) return paging;
  paging.Result = result;
  if (result == 1 && PreviewPage[kind] == PreviewPageCount[kind]) ++PreviewPageCount[kind];
  paging.NextEnabled = PreviewPage[kind] < PreviewPageCount[kind];
  paging.PreviousEnabled = PreviewPage[kind] >= 2;
  paging.Label = FormatW(u"[%i/%i]", PreviewPage[kind], PreviewPageCount[kind]);
  return paging;
}

bool ZoomOfPercentText(std::u16string_view text, double& zoom) {
  std::string narrow;
  for (char16_t c : text) narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  // Blanks, a sign, a point, then a digit must come first.
  std::size_t i = narrow.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  if (narrow[i] == '+' || narrow[i] == '-') ++i;
  if (i < narrow.size() && narrow[i] == '.') ++i;
  if (i >= narrow.size() || narrow[i] < '0' || narrow[i] > '9') return false;
  zoom = std::clamp(LeadingNumber(narrow), 10.0, 800.0) / PreviewPercentPerZoom;
  return true;
}

std::u16string PercentTextOfZoom(double zoom) { return FormatW(u"%3.0f%%", zoom * PreviewPercentPerZoom); }

double PageWidthZoom(double clientWidth) { return (clientWidth - 30) / PreviewPageWidth; }

double WholePageZoom(double viewWidth, double viewHeight) {
  return std::min(viewWidth / PreviewPageWidth, viewHeight / PreviewPageHeight);
}
