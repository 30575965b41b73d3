#pragma once
// Report pages printed into PDF files by the GUI tests: the A4 printer that
// writes a file, the artifact files kept in the build tree for a person to
// look at (tests/artifacts/), and the number of pages a PDF file holds.
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QString>

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
