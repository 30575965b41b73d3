#include "report/qt/ReportPrintService.h"

#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "mainwindow/Forms.h"
#include "platform/MessageBox.h"
#include "platform/qt/ModalDialogs.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"
#include "report/ReportPrinting.h"
#include "report/qt/ReportDialogs.h"

namespace {

LocalTime LocalTimeNow() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

void UseA4Portrait(QPrinter& printer) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
}

}  // namespace

PrinterPageSink::PrinterPageSink(QPainter& painter, QPrinter& printer)
    : painter_(painter), printer_(printer) {}

Canvas& PrinterPageSink::BeginPage() {
  canvas_.Begin(&painter_, QPoint(0, 0));
  return canvas_;
}

void PrinterPageSink::HandOverPage() { canvas_.End(); }

void PrinterPageSink::NewPage() {
  printer_.newPage();
  ++pageNumber_;
}

int32_t PrinterPageSink::PrintableWidth() const {
  return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

int32_t PrinterPageSink::PrintableHeight() const {
  return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

int32_t PrinterPageSink::Resolution() const { return printer_.resolution(); }

LocalTime PrinterPageSink::Now() const { return LocalTimeNow(); }

Canvas& PicturePageSink::BeginPage() {
  skipping_ = pages_ + 1 < recordFrom_;
  if (skipping_) return skipped_;
  picture_ = QPicture();
  painter_.begin(&picture_);
  canvas_.Begin(&painter_, QPoint(0, 0));
  return canvas_;
}

void PicturePageSink::HandOverPage() {
  ++pages_;
  if (skipping_) return;
  canvas_.End();
  painter_.end();
  ++recorded_;
  if (image_) image_->SetPicture(picture_);
}

PreviewPaging DrawPreviewPageInto(TPageImage* image, int32_t kind) {
  const int32_t wanted = kind >= 0 && kind < ReportPageKindCount ? PreviewPage[kind] : 1;
  PicturePageSink sink(image, wanted);
  const PreviewPaging paging = DrawPreviewPage(kind, sink);
  if (sink.RecordedPageCount() == 0 && sink.PageCount() > 0) {
    // The family ended before the page asked for: its last page is shown.
    PicturePageSink last(image, sink.PageCount());
    DrawReportPageKind(kind, last, PreviewPixelsPerMm, sink.PageCount());
  }
  return paging;
}

LocalTime PicturePageSink::Now() const { return LocalTimeNow(); }

QPrinter& ReportPrinter() {
  static std::unique_ptr<QPrinter> printer;
  if (!printer) {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    UseA4Portrait(*printer);
  }
  return *printer;
}

int32_t RunPrinterSetupDialog() {
  QPrintDialog dialog(&ReportPrinter(), OhoukokushoDlg);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
  return RunModal(dialog) == QDialog::Accepted ? 1 : 0;
}

int32_t PrintReportJob(QPrinter& printer, const std::vector<int32_t>& kinds) {
  bool any = false;
  for (int32_t kind : kinds)
    any = any || (kind >= 0 && kind < ReportPageKindCount && ReportPageFunctions[kind]);
  if (!any) return 0;
  QPainter painter;
  if (!painter.begin(&printer)) {
    MessageBox("印刷できませんでした。", "印刷", 16);
    return 0;
  }
  PrinterPageSink sink(painter, printer);
  PrintReportFamilies(sink, kinds);
  painter.end();
  return sink.JobPageNumber();
}

int32_t PrintReportToPdf(const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  UseA4Portrait(printer);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  std::vector<int32_t> kinds(std::begin(PrintPositionKinds), std::end(PrintPositionKinds));
  kinds.push_back(PageWallQuantity);
  kinds.push_back(PageVerification);
  return PrintReportJob(printer, kinds);
}
