#pragma once
// The model after the start-up reset, with a main window that counts the
// plan repaints the input routines ask for.
#include "ModelFixture.h"
#include "editing/SlotCopy.h"

class InputRoutineTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    SetMainWindowPort(&window);
  }

  RecordingMainWindow window;
};
