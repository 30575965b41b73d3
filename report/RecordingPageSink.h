#pragma once
// A page sink that keeps every page as the calls recorded on it, for tests
// and tools: the events of a print job (pages and new sheets), the job's
// page numbers, a printable area and a fixed clock.
#include <string>
#include <vector>

#include "rendering/RecordingCanvas.h"
#include "report/ReportPage.h"

class RecordingPageSink final : public PageSink {
 public:
  Canvas& BeginPage() override;
  void HandOverPage() override;
  void NewPage() override;
  int32_t JobPageNumber() const override { return pageNumber_; }
  int32_t PrintableWidth() const override { return Width; }
  int32_t PrintableHeight() const override { return Height; }
  int32_t Resolution() const override { return Dpi; }
  LocalTime Now() const override { return Clock; }

  // Every page handed over, in order; the last one is what a preview shows.
  std::vector<std::vector<RecordingCanvas::Call>> Pages;
  // "page" for each page handed over, "new" for each new sheet.
  std::vector<std::string> Events;
  int32_t NewPageCount = 0;

  int32_t Width = 4760;
  int32_t Height = 6814;
  int32_t Dpi = 600;
  LocalTime Clock{2025, 3, 4, 9, 5, 7};

 private:
  RecordingCanvas canvas_;
  int32_t pageNumber_ = 1;
};
