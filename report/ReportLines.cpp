#include "report/ReportLines.h"

#include <algorithm>
#include <utility>

#include "platform/Numeric.h"

ReportLines::ReportLines(PageFrame& frame, std::function<void(ReportLines&)> continuation,
                         double lineHeightMm)
    : frame_(frame),
      continuation_(std::move(continuation)),
      ppm_(frame.PixelsPerMm()),
      lineHeight_(MmToUnits(lineHeightMm, frame.PixelsPerMm())),
      sheetEnd_(TruncToInt(ReportSheetBottomMm * frame.PixelsPerMm())) {}

std::function<void(ReportLines&)> ReportLines::BodyFontAt(double topMm, double widthMm) {
  return [topMm, widthMm](ReportLines& lines) {
    lines.Frame().SelectBodyFont(widthMm);
    lines.SetMm(topMm);
  };
}

void ReportLines::SetMm(double mm) { y_ = MmToUnits(mm, ppm_); }

void ReportLines::SetLineHeightMm(double mm) { lineHeight_ = MmToUnits(mm, ppm_); }

int32_t ReportLines::StepFrom(int32_t y, double stepMm) const {
  return TruncToInt(static_cast<double>(y) + stepMm * ppm_);
}

void ReportLines::Gap(double stepMm) { y_ = StepFrom(y_, stepMm); }

bool ReportLines::WouldPassBottom(double stepMm) const {
  return StepFrom(y_, stepMm) + lineHeight_ > sheetEnd_;
}

bool ReportLines::ContinuationPage() {
  if (frame_.HandOver(true)) return false;
  frame_.BeginPage();
  continuation_(*this);
  pageStart_ = y_;
  return true;
}

bool ReportLines::Advance(double stepMm) {
  if (WouldPassBottom(stepMm) && y_ != pageStart_) {
    if (!ContinuationPage()) return false;
  }
  y_ = StepFrom(y_, stepMm);
  return true;
}

bool ReportLines::Line(double stepMm, std::u16string_view text, double xMm) {
  if (!Advance(stepMm)) return false;
  frame_.PageCanvas().TextOut(MmToUnits(xMm, ppm_), y_, text);
  return true;
}

bool ReportLines::BreakAfterRow(double limitMm) {
  if (static_cast<double>(y_) > limitMm * ppm_) return ContinuationPage();
  return true;
}

bool ReportLines::BreakBeforeRow(double stepMm, double limitMm) {
  if (static_cast<double>(StepFrom(y_, stepMm)) > limitMm * ppm_ && y_ != pageStart_)
    return ContinuationPage();
  return true;
}

void WidenBlanks(std::u16string& text, std::size_t first, std::size_t end) {
  end = std::min(end, text.size());
  for (std::size_t i = first; i < end; ++i)
    if (text[i] == u' ') text[i] = u'\u3000';
}

int32_t CellsOf(std::u16string_view text) {
  int32_t cells = 0;
  for (char16_t c : text) cells += c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2;
  return cells;
}

std::u16string PadToCells(std::u16string_view text, int32_t cells) {
  std::u16string padded(text);
  padded.append(static_cast<std::size_t>(std::max(0, cells - CellsOf(text))), u' ');
  return padded;
}
