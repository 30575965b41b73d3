#include "platform/Format.h"
#include "report/ReportFamilies.h"

namespace {

constexpr const char16_t* FoundationListTexts[6] = {
    u"基礎Ⅰ（耐力壁下）", u"基礎Ⅱ（耐力壁下）", u"基礎Ⅲ（耐力壁下）",
    u"基礎Ⅰ（個別入力）", u"基礎Ⅱ（個別入力）", u"基礎Ⅲ（個別入力）",
};

}  // namespace

int32_t DrawFoundationPlanPage(PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  PageFrame frame(sink, pixelsPerMm, wantedPage);
  Canvas& canvas = frame.BeginPage();
  // Whatever the number of storeys, the first storey carries the foundations.
  DrawReportPlan(canvas, PlanOnFoundationPage, 0, pixelsPerMm, wantedPage);
  frame.DrawTitle(FormatW(u"%s基礎図", CurrentTitlePrefix()));
  frame.SelectBodyFont();
  for (int i = 0; i < 6; ++i)
    DrawTextMm(canvas, pixelsPerMm, 165, 100 + 5 * i, FormatW(u"%s", FoundationListTexts[i]));
  frame.HandOver(false);
  return frame.Result();
}
