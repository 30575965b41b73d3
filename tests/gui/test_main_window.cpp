// The main window shows what the core keeps: the title, the undo buttons and
// the variant and storey radios; its clicks reach the core.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "editing/SlotCopy.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/FileState.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/ScriptedMessageBox.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    boxes.OnUnexpected = [](const std::string& what) { ADD_FAILURE() << "unexpected message box: " << what; };
    RestoreProjectSettingsStartValues();
    RestoreElementTableStartValues();
    form = std::make_unique<TQuilmoraForm>();
    form->show();
  }
  void TearDown() override { form.reset(); }

  ScriptedMessageBox boxes;
  ScopedMessageBoxPort port{&boxes};
  std::unique_ptr<TQuilmoraForm> form;
};

TEST_F(MainWindowTest, StartsUntitledWithTheDefaultModel) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Quilmora2025 [無題]"));
  EXPECT_FALSE(form->Bmodoru->isEnabled());
  EXPECT_FALSE(form->Bsusumu->isEnabled());
  EXPECT_TRUE(form->Rgenkyou->isChecked());
  EXPECT_TRUE(form->R1kai->isChecked());
  EXPECT_TRUE(form->R2kai->isEnabled());
  EXPECT_FALSE(form->R3kai->isEnabled());
  EXPECT_EQ(form->StaticText6->text(), QStringLiteral("↓13手前まで"));
}

TEST_F(MainWindowTest, UndoButtonsFollowTheRing) {
  PushUndo();
  WallCount[0][0] = 2;
  EXPECT_TRUE(form->Bmodoru->isEnabled());
  EXPECT_FALSE(form->Bsusumu->isEnabled());
  form->Bmodoru->click();
  EXPECT_EQ(WallCount[0][0], 0);
  EXPECT_EQ(ModifiedFlag, 1);
  EXPECT_FALSE(form->Bmodoru->isEnabled());
  EXPECT_TRUE(form->Bsusumu->isEnabled());
  form->Bsusumu->click();
  EXPECT_EQ(WallCount[0][0], 2);
}

TEST_F(MainWindowTest, ChoosingAVariantEmptiesTheUndoRing) {
  PushUndo();
  ASSERT_TRUE(form->Bmodoru->isEnabled());
  form->Rkaishu1->click();
  EXPECT_EQ(CurrentVariant, 1);
  EXPECT_FALSE(form->Bmodoru->isEnabled());
  form->R2kai->click();
  EXPECT_EQ(CurrentStorey, 1);
}

TEST_F(MainWindowTest, VariantRadiosTakeTheWeightClassColour) {
  ProjectSettings.WeightClass[2] = 2;
  CopyModelSlot(2, 1, CopyModeCopy, 0);
  EXPECT_EQ(form->Rkaishu1->palette().color(QPalette::Window), QColor(255, 208, 208));
  EXPECT_EQ(form->Rgenkyou->palette().color(QPalette::Window), QColor(208, 255, 255));
}

}  // namespace
