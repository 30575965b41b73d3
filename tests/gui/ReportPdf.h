#pragma once
// Report pages printed into PDF files by the GUI tests: the A4 printer that
// writes a file, the artifact files kept in the build tree for a person to
// look at (tests/artifacts/), the number of pages a PDF file holds, and the
// poppler tools that read a file back.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

#include "platform/qt/ModalDialogs.h"

// The path of artifact name (e.g. "floor_pages.pdf") under tests/artifacts
// of the build tree, its folder made and any earlier file removed.
inline QString ReportArtifactPath(const QString& name) {
  const QString folder = QDir::current().absoluteFilePath(QStringLiteral("artifacts"));
  QDir().mkpath(folder);
  const QString path = folder + QLatin1Char('/') + name;
  QFile::remove(path);
  return path;
}

// printer set to A4 portrait, writing a PDF file at path.
inline void UseA4PdfFile(QPrinter& printer, const QString& path) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
}

// The page objects of a PDF file; -1 when it cannot be read.
inline int PdfPageCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString text = QString::fromLatin1(file.readAll());
  return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Runs a poppler tool (pdfinfo, pdftotext, pdftoppm; poppler-utils, which the
// build installs); its output, or empty with a test failure when it cannot
// run or fails.
inline QByteArray RunPopplerTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForStarted(10000)) {
    ADD_FAILURE() << program.toStdString() << " did not start; it comes with poppler-utils (make deps)";
    return {};
  }
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
    return {};
  }
  return process.readAllStandardOutput();
}

// The printer set-up dialog answered with OK after the printer was pointed
// at the PDF file path.
inline ScriptedModalDialogs::Action SetUpToPdf(const QString& path) {
  return [path](QDialog& dialog) {
    QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    dialog.done(QDialog::Accepted);
  };
}
