#pragma once
// The Qt side of printing and previewing report pages: the page sinks on a
// printer's painter and into the preview's recorded pages, the one printer of the program
// with its set-up dialog, and the print job.
#include <QPainter>
#include <QString>
#include <cstdint>
#include <vector>

#include "rendering/CanvasCallList.h"
#include "rendering/qt/QtCanvas.h"
#include "report/ReportPage.h"
#include "report/ReportPreview.h"
#include "report/SkippedPageCanvas.h"

class QPrinter;
class QWidget;
class TPageImage;
class PrintJobProgress;

// Draws each page straight on the sheet of the job whose painter it is given
// (one drawing unit to one printer dot); counts the job's sheets.
class PrinterPageSink final : public PageSink {
 public:
  PrinterPageSink(QPainter& painter, QPrinter& printer);
  Canvas& BeginPage() override;
  void HandOverPage() override;
  void NewPage() override;
  int32_t JobPageNumber() const override { return pageNumber_; }
  int32_t PrintableWidth() const override;
  int32_t PrintableHeight() const override;
  int32_t Resolution() const override;
  LocalTime Now() const override;

 private:
  QPainter& painter_;
  QPrinter& printer_;
  QtCanvas canvas_;
  int32_t pageNumber_ = 1;
};

// Records each page as the calls that draw it and gives it to a preview
// image, which keeps the last one. Pages before recordFrom are only paged
// through: drawn on a canvas that keeps nothing. Texts are measured as the
// image's canvas draws them.
class PreviewPageSink final : public PageSink {
 public:
  explicit PreviewPageSink(TPageImage* image, int32_t recordFrom = 1)
      : image_(image), recordFrom_(recordFrom) {}
  Canvas& BeginPage() override;
  void HandOverPage() override;
  void NewPage() override {}
  int32_t JobPageNumber() const override { return 1; }
  int32_t PrintableWidth() const override { return PagePictureWidth; }
  int32_t PrintableHeight() const override { return PagePictureHeight; }
  int32_t Resolution() const override { return 0; }
  LocalTime Now() const override;

  // The pages handed over so far, and those of them recorded.
  int32_t PageCount() const { return pages_; }
  int32_t RecordedPageCount() const { return recorded_; }
  // The last page recorded, when there is no image to take it.
  const CanvasCallList& LastPage() const { return page_; }

 private:
  TPageImage* image_;
  int32_t recordFrom_;
  QtCanvas measure_;
  CanvasCallList page_{&measure_};
  SkippedPageCanvas skipped_;
  bool skipping_ = false;
  int32_t pages_ = 0;
  int32_t recorded_ = 0;
};

// Draws the page of kind that the preview shows into image and keeps the
// preview's books (DrawPreviewPage); only that page is recorded. A family
// with fewer pages than the one asked for shows its last page.
PreviewPaging DrawPreviewPageInto(TPageImage* image, int32_t kind);

// The program's printer (A4 portrait, high resolution), created on first use.
QPrinter& ReportPrinter();
// Runs the printer set-up dialog (PrinterSetupDialog1) on the report printer:
// 1 when the user accepted it, 0 when cancelled. Accepting it with a file
// that exists asks there whether to replace it.
int32_t RunPrinterSetupDialog();

// One print job of the families of kinds, in that order, on printer. Nothing
// is begun when none of them has pages; a printer that cannot begin the job
// prints nothing and says so. The job's document carries ReportDocumentTitle.
// A PDF file is written beside its place first and put in place only once
// the job has ended: a job stopped through progress, or one that fails,
// leaves the file that was there as it was. Returns the number of sheets
// printed (those before the stop for a stopped job).
int32_t PrintReportJob(QPrinter& printer, const std::vector<int32_t>& kinds,
                       PrintJobProgress* progress = nullptr);

// The document title of a job: the project's name (its file's name without
// the extension, 無題 while it has none) and the captions of the families,
// as "house 報告書（表紙、基礎）".
QString ReportDocumentTitle(const std::vector<int32_t>& kinds);

// The report writes the half-width middle dot "･" (U+FF65), which its fonts
// draw with the glyph of "·" (U+00B7); a PDF's text map names the lowest
// character of a glyph, so "剛心･偏心率" would be found in the file only as
// "剛心·偏心率". Maps such glyphs of the text maps in pdf back to U+FF65;
// returns how many entries it changed.
int32_t RestoreReportCharactersInPdf(std::vector<unsigned char>& pdf);

// How long a job runs before its progress dialog shows, in milliseconds.
extern int32_t PrintProgressDelay;

// The print command of the print dialog's buttons: printing into a PDF file
// that exists asks before replacing it (not when the printer set-up that
// has just been accepted asked already); the job shows a progress dialog
// with キャンセル once it runs longer than PrintProgressDelay, and its end
// (the file written or the printer, and the pages) is told on the main
// window's status bar. Returns the sheets printed.
int32_t RunPrintCommand(const std::vector<int32_t>& kinds, QWidget* parent);

// For tests and measurements: every family that has pages, in print order
// and then the two families printed alone, into one PDF file through the
// printer sink. Returns the number of sheets.
int32_t PrintReportToPdf(const QString& path);
