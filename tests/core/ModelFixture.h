#pragma once
// A fresh program state for every test: start values of the settings and the
// element tables, the start-up reset, and a scripted message box that fails
// the test on any box it was not told to expect.
#include <gtest/gtest.h>

#include <string>

#include "TestModelBuilder.h"
#include "editing/ModelReset.h"
#include "evaluation/DeteriorationFactor.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"
#include "platform/ScriptedMessageBox.h"
#include "presentation/MainWindowPort.h"

class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << "unexpected message box: " << what; };
    SetMessageBoxPort(&boxes);
    SetMainWindowPort(nullptr);
    RestoreProjectStartValues();
    DeteriorationFactor = RetrofitDeteriorationFactor = 1.0;  // their start values
    ResetModel(ResetForStartUp);
  }
  void TearDown() override {
    EXPECT_EQ(boxes.Pending(), 0u) << "expected message boxes were not shown";
    SetMessageBoxPort(nullptr);
    SetMainWindowPort(nullptr);
  }

  ScriptedMessageBox boxes;
};

// The same on a grid of 1 m pitch with both origin axes at axis 0.
class AreaTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    testmodel::UseOneMetreGrid();
  }
};

#include "platform/TextCodec.h"

// UTF-8 of a NUL-terminated UTF-16 text, for readable comparisons.
inline std::string U8(const char16_t* text) { return Utf16ToUtf8(std::u16string_view(text)); }

#include "model/ElementLists.h"

// Gives every list of every kind, slot and storey the count n (records as they are).
inline void SetEveryCount(int32_t n) {
#define QUILMORA_SET_COUNT(kind, Record, records, count, swapBlock, max) \
  for (auto& slot : count)                                               \
    for (auto& c : slot) c = n;
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_SET_COUNT)
#undef QUILMORA_SET_COUNT
}

// Sum of every count of every kind, slot and storey.
inline int64_t SumOfEveryCount() {
  int64_t sum = 0;
#define QUILMORA_SUM_COUNT(kind, Record, records, count, swapBlock, max) \
  for (auto& slot : count)                                               \
    for (auto c : slot) sum += c;
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_SUM_COUNT)
#undef QUILMORA_SUM_COUNT
  return sum;
}

// Records the calls the core makes on the main window.
class RecordingMainWindow : public MainWindowPort {
 public:
  void MainWindowStateChanged() override { ++stateChanges; }
  void ShowModeToolDialog() override { ++toolDialogCalls; }
  void InvalidateSheet() override { ++invalidations; }
  int stateChanges = 0;
  int toolDialogCalls = 0;
  int invalidations = 0;
};
