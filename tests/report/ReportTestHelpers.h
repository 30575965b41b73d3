#pragma once
// Recorded report pages reduced to what the tests look for: the texts with
// their positions and fonts, and the figures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chain/RecalculationChain.h"
#include "editing/ModelReset.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelExtents.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "report/RecordingPageSink.h"

using RecordedPage = std::vector<RecordingCanvas::Call>;

// The texts of a page in drawing order.
inline std::vector<const RecordingCanvas::Call*> TextsOf(const RecordedPage& page) {
  std::vector<const RecordingCanvas::Call*> texts;
  for (const auto& call : page)
    if (call.Kind == RecordingCanvas::Op::TextOut) texts.push_back(&call);
  return texts;
}

// The text call with exactly this text, or null.
inline const RecordingCanvas::Call* FindText(const RecordedPage& page, std::u16string_view text) {
  for (const auto& call : page)
    if (call.Kind == RecordingCanvas::Op::TextOut && call.Text == text) return &call;
  return nullptr;
}

// The text drawn at (x, y) units, or null.
inline const RecordingCanvas::Call* TextAt(const RecordedPage& page, int32_t x, int32_t y) {
  for (const auto& call : page)
    if (call.Kind == RecordingCanvas::Op::TextOut && call.Args[0] == x && call.Args[1] == y) return &call;
  return nullptr;
}

inline std::string Utf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    uint32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

class ReportTest : public ::testing::Test {
 protected:
  // Every test starts from the program's start-up state, whatever ran before
  // it in the same process: settings, element tables, grid module, an empty
  // model and the results of recalculating it.
  void SetUp() override {
    RestoreProjectSettingsStartValues();
    RestoreElementTableStartValues();
    GridModule = DefaultGridModule;
    ResetModel(ResetForStartUp);
    CurrentVariant = 0;
    UpdateUsedExtents();
    RunRecalculationChain();
    RunRecalculationChain();
  }
  RecordingPageSink sink;
};
