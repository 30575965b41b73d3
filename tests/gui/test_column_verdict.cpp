// The main window shows the axial-force verdict of the column check after
// every full paint, in the colour the check gives it.
#include <gtest/gtest.h>

#include <QLabel>

#include "GuiFixture.h"

namespace {

using ColumnVerdictTest = GuiTest;

TEST_F(ColumnVerdictTest, AnEmptyPlanShowsOkInBlack) {
  std::snprintf(MainWindow.LnflagText, sizeof MainWindow.LnflagText, "stale");
  StartProgram();
  EXPECT_EQ(QuilmoraForm->Lnflag->text(), QStringLiteral("OK"));
  EXPECT_EQ(QuilmoraForm->Lnflag->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

}  // namespace
