#pragma once
// Two services of the desktop behind hooks that a test can answer: the
// colour dialog and opening a document with the program the desktop assigns
// to it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;

// Colours are kept as 0x00BBGGRR values, as the project files store them.
// The chosen colour, or nothing when the user cancels. Without a hook the
// framework's colour dialog asks, starting at initial.
std::optional<int32_t> AskColour(int32_t initial, QWidget* parent);
using ColourDialogHook = std::function<std::optional<int32_t>(int32_t initial)>;
// Installs hook (nullptr: the framework's dialog) and returns the one before.
ColourDialogHook SetColourDialogHook(ColourDialogHook hook);

// Opens the file at path (UTF-8) with the desktop's program for it; false
// when the desktop could not start one. Without a hook the desktop is asked;
// a hook counts as having opened it.
bool OpenWithDesktop(const std::string& path);
using DesktopOpenHook = std::function<void(const std::string& path)>;
DesktopOpenHook SetDesktopOpenHook(DesktopOpenHook hook);

// 0x00BBGGRR to 0xAARRGGBB (opaque) and back.
uint32_t RgbOfColourValue(int32_t value);
int32_t ColourValueOfRgb(uint32_t rgb);
