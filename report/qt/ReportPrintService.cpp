#include "report/qt/ReportPrintService.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QStatusBar>
#include <QStringList>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>

#include "mainwindow/Forms.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/FileState.h"
#include "platform/FileAccess.h"
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

Canvas& PreviewPageSink::BeginPage() {
  skipping_ = pages_ + 1 < recordFrom_;
  if (skipping_) return skipped_;
  page_.Clear();
  return page_;
}

void PreviewPageSink::HandOverPage() {
  ++pages_;
  if (skipping_) return;
  ++recorded_;
  if (image_) image_->SetPage(page_);
}

PreviewPaging DrawPreviewPageInto(TPageImage* image, int32_t kind) {
  const int32_t wanted = kind >= 0 && kind < ReportPageKindCount ? PreviewPage[kind] : 1;
  PreviewPageSink sink(image, wanted);
  PreviewPaging paging = DrawPreviewPage(kind, sink);
  if (sink.RecordedPageCount() == 0 && sink.PageCount() > 0) {
    // The family ended before the page asked for: its last page is shown.
    PreviewPageSink last(image, sink.PageCount());
    DrawReportPageKind(kind, last, PreviewPixelsPerMm, sink.PageCount());
  }
  return paging;
}

LocalTime PreviewPageSink::Now() const { return LocalTimeNow(); }

QPrinter& ReportPrinter() {
  static std::unique_ptr<QPrinter> printer;
  if (!printer) {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    UseA4Portrait(*printer);
  }
  return *printer;
}

namespace {

// Set when the printer set-up dialog has been accepted: it asked then
// whether to replace an existing output file, so the next print does not ask
// again.
bool setUpAskedAboutOutput = false;

}  // namespace

int32_t RunPrinterSetupDialog() {
  QPrintDialog dialog(&ReportPrinter(), OhoukokushoDlg);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
  const bool accepted = RunModal(dialog) == QDialog::Accepted;
  if (accepted) setUpAskedAboutOutput = true;
  return accepted ? 1 : 0;
}

QString ReportDocumentTitle(const std::vector<int32_t>& kinds) {
  QString project = QStringLiteral("無題");
  if (!CurrentFilePath.empty() && CurrentFilePath != UntitledFilePath) {
    const QString base = QFileInfo(QString::fromStdString(CurrentFilePath)).completeBaseName();
    if (!base.isEmpty()) project = base;
  }
  QStringList families;
  for (int32_t kind : kinds)
    if (PrintsPages(kind)) families << ReportFamilyCaption(kind);
  return QStringLiteral("%1 報告書（%2）").arg(project, families.join(QStringLiteral("、")));
}

int32_t RestoreReportCharactersInPdf(std::vector<unsigned char>& pdf) {
  // A text map lists ranges "<first> <last> <character>" (the characters of
  // a range counting up from it) or "<first> <last> [<character> ...]". A
  // glyph of its own in either form is mapped back; a counting range that
  // passes the dot is left alone.
  constexpr std::string_view Begin = "begincmap", End = "endcmap";
  constexpr std::string_view Shared = "<00B7>", Written = "<FF65>";
  const std::string_view text(reinterpret_cast<const char*>(pdf.data()), pdf.size());
  int32_t changed = 0;
  for (std::size_t at = text.find(Begin); at != std::string_view::npos; at = text.find(Begin, at)) {
    const std::size_t end = text.find(End, at);
    if (end == std::string_view::npos) break;
    for (std::size_t line = at; line < end;) {
      std::size_t next = text.find('\n', line);
      if (next == std::string_view::npos || next > end) next = end;
      const std::string_view row = text.substr(line, next - line);
      const std::size_t list = row.find('[');
      if (list != std::string_view::npos) {
        for (std::size_t dot = row.find(Shared, list); dot != std::string_view::npos;
             dot = row.find(Shared, dot + 1)) {
          std::memcpy(pdf.data() + line + dot, Written.data(), Written.size());
          ++changed;
        }
      } else if (const std::size_t last = 2 * Shared.size() + 2;
                 row.size() == last + Shared.size() &&
                 row.substr(0, Shared.size()) == row.substr(Shared.size() + 1, Shared.size()) &&
                 row.substr(last) == Shared) {
        std::memcpy(pdf.data() + line + last, Written.data(), Written.size());
        ++changed;
      }
      line = next + 1;
    }
    at = end;
  }
  return changed;
}

namespace {

// Tells progress of the job and remembers whether it stopped the job.
class StopRecorder final : public PrintJobProgress {
 public:
  explicit StopRecorder(PrintJobProgress* progress) : progress_(progress) {}
  void FamilyBegins(int32_t index, int32_t count, int32_t kind) override {
    if (progress_) progress_->FamilyBegins(index, count, kind);
  }
  bool SheetPrinted(int32_t sheets) override {
    if (progress_ && !progress_->SheetPrinted(sheets)) stopped_ = true;
    return !stopped_;
  }
  bool Stopped() const { return stopped_; }

 private:
  PrintJobProgress* progress_;
  bool stopped_ = false;
};

// The file a job writes before it is put in place; removed unless the job
// put it there.
struct PartFile {
  QString Path;
  ~PartFile() {
    if (!Path.isEmpty()) DeleteFileAt(Path.toStdString());
  }
};

// A name beside path that no file has; empty when none can be made there
// (a missing folder, say).
QString UnusedNameBeside(const QString& path) {
  QTemporaryFile probe(path + QStringLiteral(".XXXXXX.part"));
  if (!probe.open()) return {};
  // The printer creates the file itself, with the permissions of a new file.
  return probe.fileName();
}

void SayPrintingFailed(const std::string& reason = {}) {
  MessageBox(reason.empty() ? "印刷できませんでした。" : "印刷できませんでした。\n" + reason, "印刷", 16);
}

}  // namespace

int32_t PrintReportJob(QPrinter& printer, const std::vector<int32_t>& kinds, PrintJobProgress* progress) {
  if (std::none_of(kinds.begin(), kinds.end(), PrintsPages)) return 0;
  printer.setDocName(ReportDocumentTitle(kinds));
  // A file is written beside its place and put there when the job is done.
  const QString target = printer.outputFileName();
  PartFile part;
  if (!target.isEmpty()) {
    part.Path = UnusedNameBeside(target);
    if (part.Path.isEmpty()) {
      SayPrintingFailed();
      return 0;
    }
    printer.setOutputFileName(part.Path);
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    printer.setOutputFileName(target);
    SayPrintingFailed();
    return 0;
  }
  PrinterPageSink sink(painter, printer);
  StopRecorder watch(progress);
  PrintReportFamilies(sink, kinds, &watch);
  painter.end();
  printer.setOutputFileName(target);
  const int32_t sheets = sink.JobPageNumber();
  if (!part.Path.isEmpty() && !watch.Stopped()) {
    // The finished file goes in place by a rename; a link there keeps
    // pointing where it did, and the file it names is replaced.
    const QFileInfo place(target);
    const std::string written = part.Path.toStdString();
    const std::string final = (place.isSymLink() ? place.symLinkTarget() : target).toStdString();
    std::vector<unsigned char> pdf;
    std::string error;
    if (!ReadWholeFile(written, pdf, &error)) {
      SayPrintingFailed(error);
      return 0;
    }
    if (RestoreReportCharactersInPdf(pdf) > 0) {
      QFile file(part.Path);
      if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
          file.write(reinterpret_cast<const char*>(pdf.data()), static_cast<qint64>(pdf.size())) !=
              static_cast<qint64>(pdf.size()) ||
          !file.flush()) {
        SayPrintingFailed(file.errorString().toStdString());
        return 0;
      }
    }
    if (!MoveFileTo(written, final)) {
      SayPrintingFailed(std::strerror(errno));
      return 0;
    }
    part.Path.clear();
  }
  return sheets;
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

int32_t PrintProgressDelay = 500;

namespace {

// The progress dialog of a print job: hidden until the job has run for
// PrintProgressDelay, then the family being printed and the sheets done,
// with キャンセル to stop the job after the sheet being drawn.
class PrintProgressDialog final : public PrintJobProgress {
 public:
  explicit PrintProgressDialog(QWidget* parent)
      : dialog_(QString(), QStringLiteral("キャンセル"), 0, 1, parent) {
    dialog_.setObjectName(QStringLiteral("PrintProgress"));
    dialog_.setWindowTitle(QStringLiteral("印刷"));
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(PrintProgressDelay);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setMinimumWidth(320);
    clock_.start();
  }
  void FamilyBegins(int32_t index, int32_t count, int32_t kind) override {
    family_ = ReportFamilyCaption(kind);
    dialog_.setMaximum(count);
    dialog_.setValue(index);
    Show();
  }
  bool SheetPrinted(int32_t sheets) override {
    sheets_ = sheets;
    Show();
    return !dialog_.wasCanceled();
  }
  bool Cancelled() const { return dialog_.wasCanceled(); }
  void Close() { dialog_.close(); }

 private:
  void Show() {
    dialog_.setLabelText(QStringLiteral("印刷しています：%1\n印刷済み %2 ページ").arg(family_).arg(sheets_));
    if (!dialog_.isVisible() && clock_.elapsed() >= dialog_.minimumDuration()) dialog_.show();
    // The dialog keeps its window drawn and its キャンセル button alive.
    if (dialog_.isVisible()) QCoreApplication::processEvents();
  }

  QProgressDialog dialog_;
  QElapsedTimer clock_;
  QString family_;
  int32_t sheets_ = 0;
};

void ShowStatus(const QString& text) {
  if (QuilmoraForm && QuilmoraForm->StatusBar) QuilmoraForm->StatusBar->showMessage(text);
}

}  // namespace

int32_t RunPrintCommand(const std::vector<int32_t>& kinds, QWidget* parent) {
  QPrinter& printer = ReportPrinter();
  const QString target = printer.outputFileName();
  const bool asked = setUpAskedAboutOutput;
  setUpAskedAboutOutput = false;
  if (!target.isEmpty() && !asked && QFileInfo::exists(target)) {
    const std::string question = QStringLiteral("%1 は既にあります。\n置き換えますか？")
                                     .arg(QDir::toNativeSeparators(target))
                                     .toStdString();
    if (MessageBox(question, "印刷", MB_YESNO | MB_ICONQUESTION) != IDYES) {
      ShowStatus(
          QStringLiteral("印刷を取りやめました。%1 はそのままです。").arg(QDir::toNativeSeparators(target)));
      return 0;
    }
  }
  PrintProgressDialog progress(parent);
  const int32_t sheets = PrintReportJob(printer, kinds, &progress);
  const bool cancelled = progress.Cancelled();
  progress.Close();
  const QString place = target.isEmpty() ? printer.printerName() : QDir::toNativeSeparators(target);
  if (cancelled)
    ShowStatus(target.isEmpty() ? QStringLiteral("印刷を中止しました（%1 ページを送りました）。").arg(sheets)
                                : QStringLiteral("印刷を中止しました。%1 は書き出していません。").arg(place));
  else if (sheets > 0)
    ShowStatus(target.isEmpty()
                   ? QStringLiteral("報告書を %1 に印刷しました（%2 ページ）。").arg(place).arg(sheets)
                   : QStringLiteral("報告書を %1 に書き出しました（%2 ページ）。").arg(place).arg(sheets));
  return sheets;
}
