#pragma once
// Shared set-up of the GUI tests: scripted message boxes, modal dialogs and
// file dialogs that fail the test on anything unexpected, and the
// program-wide window state back at its start values.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

#include "mainwindow/Forms.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/ElementTables.h"
#include "model/ProjectSettings.h"
#include "platform/ScriptedMessageBox.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/ModalDialogs.h"
#include "presentation/WindowState.h"

// Lets events run until done() holds or two seconds pass.
inline bool ProcessUntil(const std::function<bool()>& done, int milliseconds = 2000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > milliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(5);
  }
  return true;
}

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    dialogs.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    RestoreProjectSettingsStartValues();
    RestoreElementTableStartValues();
    CommandLineFile.clear();
    CommandLineLoadPending = 0;
    StartupDialogsPending = 1;
    StartupDialogsShown = 0;
    OutlineConfirmationPending = 0;
    for (int32_t& docked : PaletteDocked) docked = 0;
  }
  void TearDown() override {
    if (QuilmoraForm) DestroyForms();
  }

  // Creates every form and shows the main window at a known place and size;
  // the start-up dialogs are answered with OK.
  void StartProgram(const QStringList& arguments = {QStringLiteral("Quilmora2025")}) {
    ASSERT_TRUE(CreateForms(arguments));
    QuilmoraForm->setGeometry(40, 30, 1000, 700);
    dialogs.Expect("AboutBox", ClickButton("Button1")).Expect("gaiyouDlg", ClickButton("OKBtn"));
    QuilmoraForm->show();
    ASSERT_TRUE(ProcessUntil([] { return StartupDialogsPending == 0; }));
  }

  ScriptedMessageBox boxes;
  ScopedMessageBoxPort port{&boxes};
  ScriptedModalDialogs dialogs;
  ScriptedFileDialogs files;
};
