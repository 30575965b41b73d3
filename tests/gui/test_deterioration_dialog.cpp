// The deterioration check dialog opened by 劣化度確認: it shows the current
// state's checklist, totals and factor read-only, changes nothing, and the
// plan is repainted when it closes.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "GuiFixture.h"
#include "evaluation/DeteriorationFactor.h"
#include "mainwindow/DeteriorationDialog.h"
#include "mainwindow/PlanScrollBox.h"

namespace {

class DeteriorationDialogTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
  }
  void TearDown() override {
    DeteriorationFactor = RetrofitDeteriorationFactor = 1.0;
    GuiTest::TearDown();
  }

  // Presses 劣化度確認 with the dialog played by action and waits for the repaint.
  void RunDialog(ScriptedModalDialogs::Action action) {
    ASSERT_TRUE(ProcessUntil([] { return !QuilmoraForm->Gamen->FullPaintDue(); }));
    const int paints = QuilmoraForm->Gamen->FullPaintCount();
    dialogs.Expect("DrekkadoDlg", std::move(action));
    ASSERT_TRUE(QuilmoraForm->Brekkado->isEnabled());
    QuilmoraForm->Brekkado->click();
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_TRUE(ProcessUntil([&] { return QuilmoraForm->Gamen->FullPaintCount() > paints; }));
  }
};

TEST_F(DeteriorationDialogTest, ShowsTheSurveyWithTheRoofDeteriorated) {
  // Every item present, the roof deteriorated: 24 points, 2 deteriorated.
  const int32_t existence[DeteriorationItemCount] = {2, 2, 2, 4, 2, 1, 1, 1, 2, 2, 2, 1, 2};
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    ExistencePoints[i] = existence[i];
    DeteriorationPoints[i] = i == 0 ? 2 : 0;
  }
  DeteriorationFactor = 0.5;  // the dialog shows its own value and leaves this alone

  int result = -1;
  RunDialog([&](QDialog& d) {
    auto& dlg = static_cast<TDrekkadoDlg&>(d);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("劣化度の確認"));
    auto* rs1 = dlg.findChild<QCheckBox*>(QStringLiteral("rs1"));
    auto* rr1 = dlg.findChild<QCheckBox*>(QStringLiteral("rr1"));
    auto* rs4 = dlg.findChild<QCheckBox*>(QStringLiteral("rs4"));
    auto* rr13 = dlg.findChild<QCheckBox*>(QStringLiteral("rr13"));
    ASSERT_TRUE(rs1 && rr1 && rs4 && rr13);
    EXPECT_TRUE(rs1->isChecked());
    EXPECT_TRUE(rr1->isChecked());
    EXPECT_FALSE(rs1->isEnabled());
    EXPECT_EQ(rs1->text(), QStringLiteral("2"));
    EXPECT_EQ(rs4->text(), QStringLiteral("4"));
    EXPECT_TRUE(rr13->isVisible());
    EXPECT_FALSE(rr13->isChecked());
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("rssum"))->text(), QStringLiteral(" 24"));
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("rrsum"))->text(), QStringLiteral("  2"));
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("rekkakeisu"))->text(), QStringLiteral(" 0.92"));
    dlg.OKBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    result = dlg.result();
  });
  EXPECT_EQ(result, 1);
  EXPECT_DOUBLE_EQ(DeteriorationFactor, 0.5);
  EXPECT_EQ(ExistencePoints[3], 4);
  EXPECT_EQ(DeteriorationPoints[0], 2);
}

TEST_F(DeteriorationDialogTest, WithoutExistingItemsShowsDashesAndNoDeteriorationBoxes) {
  for (int i = 0; i < DeteriorationItemCount; ++i) ExistencePoints[i] = DeteriorationPoints[i] = 0;
  DeteriorationPoints[5] = 1;  // left over from before the balcony was removed

  int result = -1;
  RunDialog([&](QDialog& d) {
    auto& dlg = static_cast<TDrekkadoDlg&>(d);
    for (int i = 0; i < DeteriorationItemCount; ++i) {
      EXPECT_FALSE(dlg.rs[i]->isChecked()) << i;
      EXPECT_FALSE(dlg.rr[i]->isVisible()) << i;
    }
    EXPECT_EQ(dlg.rssum->text(), QStringLiteral("  0"));
    EXPECT_EQ(dlg.rrsum->text(), QStringLiteral("  1"));
    EXPECT_EQ(dlg.rekkakeisu->text(), QStringLiteral("-.--"));
    dlg.CancelBtn->click();
    result = dlg.result();
  });
  EXPECT_EQ(result, 2);
}

}  // namespace
