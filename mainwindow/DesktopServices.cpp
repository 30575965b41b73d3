#include "mainwindow/DesktopServices.h"

#include <QColor>
#include <QColorDialog>
#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace {
ColourDialogHook gColourHook;
DesktopOpenHook gOpenHook;
}  // namespace

uint32_t RgbOfColourValue(int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  return 0xFF000000u | ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}

int32_t ColourValueOfRgb(uint32_t rgb) {
  return static_cast<int32_t>(((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu));
}

std::optional<int32_t> AskColour(int32_t initial, QWidget* parent) {
  if (gColourHook) return gColourHook(initial);
  const QColor chosen = QColorDialog::getColor(QColor::fromRgb(RgbOfColourValue(initial)), parent);
  if (!chosen.isValid()) return std::nullopt;
  return ColourValueOfRgb(chosen.rgb());
}

ColourDialogHook SetColourDialogHook(ColourDialogHook hook) {
  return std::exchange(gColourHook, std::move(hook));
}

bool OpenWithDesktop(const std::string& path) {
  if (gOpenHook) {
    gOpenHook(path);
    return true;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

DesktopOpenHook SetDesktopOpenHook(DesktopOpenHook hook) { return std::exchange(gOpenHook, std::move(hook)); }
