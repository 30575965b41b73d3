// The main window shows what the core keeps: the title, the undo buttons and
// the variant and storey radios; its clicks reach the core. The panel's
// buttons stand where the panel's table puts them.
#include <gtest/gtest.h>

#include <QGridLayout>
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

// The panel's buttons by their component names: caption, the box they stand
// in, their cell where the box is a grid, and whether a fresh window offers
// them (上書 waits for an edit, ゾーニング has no command, the undo buttons
// wait for a step).
TEST_F(MainWindowTest, PanelButtonsStandInTheirBoxesWithTheirCaptionsAndStartStates) {
  struct Case {
    const char* name;
    const char* caption;
    const char* box;
    bool enabled;
    int row = -1;  // in the box's grid; -1: a row or column layout
    int column = -1;
  };
  const Case cases[] = {
      {"Bhozon", "保存", "Panel1", true},
      {"Buwagaki", "上書", "Panel1", false},
      {"Bgennkyou", "一括編集", "G3", true},
      {"Brekkado", "劣化度確認", "G5", true, 5, 0},
      {"Bkabetsuika", "耐力要素編集", "G5", true, 5, 1},
      {"Bgaiyou", "概要", "G5", true, 6, 0},
      {"Bzoning", "ゾーニング", "G5", false, 6, 1},
      {"Bmodoru", "戻る", "G5", false, 8, 0},
      {"Bsusumu", "進む", "G5", false, 8, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* button = form->findChild<QPushButton*>(QString::fromLatin1(c.name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
    ASSERT_NE(button->parentWidget(), nullptr);
    EXPECT_EQ(button->parentWidget()->objectName(), QString::fromLatin1(c.box));
    EXPECT_EQ(button->isEnabled(), c.enabled);
    if (c.row < 0) continue;
    auto* grid = qobject_cast<QGridLayout*>(button->parentWidget()->layout());
    ASSERT_NE(grid, nullptr);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(button), &row, &column, &rowSpan, &columnSpan);
    EXPECT_EQ(row, c.row);
    EXPECT_EQ(column, c.column);
  }
}

}  // namespace
