// The wall-quantity dialog (設定・詳細確認) and the cost dialog (概算(&G))
// opened from the main window on a small square one-storey house: a P1 wall on
// every side segment of a square of four modules (3.64 m) with a light roof.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "GuiFixture.h"
#include "analysis/AnalysisResults.h"
#include "mainwindow/CostDialog.h"
#include "mainwindow/PlanScrollBox.h"
#include "mainwindow/WallQuantityDialog.h"
#include "model/ElementLists.h"
#include "model/ProjectSettings.h"

namespace {

constexpr int32_t PanelP1 = 3;  // 構造用合板 N50

class WallQuantityAndCostTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
    for (int v = 0; v < 3; ++v) BuildSquareHouse(v);
  }

  void Repaint() {
    TPlanScrollBox* gamen = QuilmoraForm->Gamen;
    const int paints = gamen->FullPaintCount();
    gamen->Invalidate();
    ASSERT_TRUE(ProcessUntil([&] { return gamen->FullPaintCount() > paints; }));
  }

  // One storey on X axes 100..104 and Y axes 100..104 of the 0.91 m grid.
  static void BuildSquareHouse(int v) {
    ProjectSettings.TopStorey[v] = 0;
    ProjectSettings.StoreyHeight[v][0] = 2.8;
    const int corners[8][2] = {{100, 100}, {102, 100}, {104, 100}, {104, 102},
                               {104, 104}, {102, 104}, {100, 104}, {100, 102}};
    for (int i = 0; i < 8; ++i) {
      ColumnRecord& c = Columns[v][0][ColumnCount[v][0]++];
      c = ColumnRecord{};
      c.X = corners[i][0], c.Y = corners[i][1], c.Type = 1, c.Deterioration = 2;
      AddWall(v, corners[i][0], corners[i][1], corners[(i + 1) % 8][0], corners[(i + 1) % 8][1]);
    }
    RoofFloorRectRecord& roof = RoofFloorRects[v][0][RoofFloorRectCount[v][0]++];
    roof = RoofFloorRectRecord{};
    roof.X1 = 100, roof.Y1 = 100, roof.X2 = 104, roof.Y2 = 104, roof.AreaCode = 3;
  }

  static void AddWall(int v, int x1, int y1, int x2, int y2) {
    WallRecord& w = Walls[v][0][WallCount[v][0]++];
    w = WallRecord{};
    w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
    w.PanelLeft = PanelP1, w.Deterioration = 2;
  }

  static TkaberyouDlg& Quantity(QDialog& dialog) { return static_cast<TkaberyouDlg&>(dialog); }
  static TShuukeiDlg& Cost(QDialog& dialog) { return static_cast<TShuukeiDlg&>(dialog); }

  // Families of the area edits.
  static constexpr int Floor = 0, ZoneA = 1;
};

TEST_F(WallQuantityAndCostTest, ShowsTheAreasAndResultsOnTheTabOfTheVariantShown) {
  QuilmoraForm->Rkaishu1->click();
  Repaint();
  bool shown = false;
  dialogs.Expect("kaberyouDlg", [&](QDialog& d) {
    TkaberyouDlg& dlg = Quantity(d);
    shown = true;
    EXPECT_EQ(dlg.PageControl1->currentIndex(), 1);
    EXPECT_EQ(dlg.PageControl1->tabText(2), QStringLiteral("改修案２"));
    EXPECT_FALSE(dlg.Cyukamenshuusei->isChecked());
    // 3.64 m x 3.64 m = 13.2496 m², in every variant's first storey only.
    for (int v = 0; v < 3; ++v) {
      EXPECT_EQ(dlg.AreaEdit(Floor, v, 0)->text(), QStringLiteral("13.250")) << v;
      EXPECT_EQ(dlg.AreaEdit(Floor, v, 0)->objectName(),
                QStringLiteral("Eyukamen") + QString::number(v) + QStringLiteral("1"));
      EXPECT_EQ(dlg.AreaEdit(Floor, v, 1)->text(), QStringLiteral(" 0.000")) << v;
      EXPECT_TRUE(dlg.AreaEdit(Floor, v, 0)->isReadOnly());
    }
    // Existing wall quantity in X of the plan shown: four 1.82 m walls of
    // factor 2.5 (構造用合板), 4 x 1.82 x 2.5 = 18.2 m.
    QLabel* existingX = dlg.findChild<QLabel*>(QStringLiteral("Lsonzaix11"));
    ASSERT_NE(existingX, nullptr);
    EXPECT_EQ(existingX->text(), QStringLiteral("18.200"));
    // A storey that the variant lacks still shows its (zero) value.
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("Lhitsuyou13"))->text(), QStringLiteral(" 0.000"));
    dlg.CancelBtn->click();
  });
  QuilmoraForm->Bkaberyou->click();
  EXPECT_TRUE(shown);
  EXPECT_EQ(ProjectSettings.ManualFloorAreas, 0);
}

TEST_F(WallQuantityAndCostTest, OkWritesTheManualAreasExactlyWhereTheyWereLeft) {
  Repaint();
  dialogs.Expect("kaberyouDlg", [&](QDialog& d) {
    TkaberyouDlg& dlg = Quantity(d);
    dlg.Cyukamenshuusei->click();
    EXPECT_FALSE(dlg.AreaEdit(Floor, 0, 0)->isReadOnly());
    EXPECT_EQ(dlg.AreaEdit(Floor, 0, 0)->text(), QStringLiteral("13.250"));  // the start for hand input
    dlg.AreaEdit(Floor, 2, 0)->setText(QStringLiteral("20.5"));
    dlg.OKBtn->click();
    EXPECT_FALSE(dlg.isVisible());
  });
  const int paints = QuilmoraForm->Gamen->FullPaintCount();
  QuilmoraForm->Bkaberyou->click();
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_EQ(ProjectSettings.ManualFloorAreas, 1);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[0][0], 3.64 * 3.64);  // not 13.25
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[2][0], 20.5);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[1][1], 0.0);
  EXPECT_TRUE(ProcessUntil([&] { return QuilmoraForm->Gamen->FullPaintCount() > paints; }));

  // Reopened: the box is ticked and the typed value is shown.
  dialogs.Expect("kaberyouDlg", [&](QDialog& d) {
    TkaberyouDlg& dlg = Quantity(d);
    EXPECT_TRUE(dlg.Cyukamenshuusei->isChecked());
    EXPECT_EQ(dlg.AreaEdit(Floor, 2, 0)->text(), QStringLiteral("20.500"));
    dlg.CancelBtn->click();
  });
  QuilmoraForm->Bkaberyou->click();
}

TEST_F(WallQuantityAndCostTest, UntickingShowsTheComputedAreasAndKeepsTheHandInput) {
  ProjectSettings.ManualFloorAreas = 1;
  ProjectSettings.ManualFloorArea[0][0] = 20.0;
  ProjectSettings.ManualZoneAreaA[0][0] = 4.0;
  Repaint();
  dialogs.Expect("kaberyouDlg", [&](QDialog& d) {
    TkaberyouDlg& dlg = Quantity(d);
    EXPECT_EQ(dlg.AreaEdit(Floor, 0, 0)->text(), QStringLiteral("20.000"));
    dlg.Cyukamenshuusei->click();  // unticked: the computed areas, not editable
    EXPECT_EQ(dlg.AreaEdit(Floor, 0, 0)->text(), QStringLiteral("13.250"));
    EXPECT_TRUE(dlg.AreaEdit(Floor, 0, 0)->isReadOnly());
    dlg.Cyukamenshuusei->click();  // ticked again: the hand input comes back
    EXPECT_EQ(dlg.AreaEdit(Floor, 0, 0)->text(), QStringLiteral("20.000"));
    dlg.Cyukamenshuusei->click();
    dlg.OKBtn->click();
  });
  QuilmoraForm->Bkaberyou->click();
  EXPECT_EQ(ProjectSettings.ManualFloorAreas, 0);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[0][0], 20.0);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualZoneAreaA[0][0], 4.0);
}

TEST_F(WallQuantityAndCostTest, ANonNumberIsReportedAndTheDialogStaysOpen) {
  ProjectSettings.ManualFloorAreas = 1;
  ProjectSettings.ManualFloorArea[1][0] = 30.0;
  Repaint();
  boxes.Expect("壁量計算", IDOK);
  dialogs.Expect("kaberyouDlg", [&](QDialog& d) {
    TkaberyouDlg& dlg = Quantity(d);
    dlg.PageControl1->setCurrentIndex(0);
    dlg.AreaEdit(Floor, 1, 0)->setText(QStringLiteral("31"));
    dlg.AreaEdit(ZoneA, 2, 0)->setText(QStringLiteral("1,2"));
    dlg.OKBtn->click();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.PageControl1->currentIndex(), 2);  // the tab of the wrong value
    EXPECT_EQ(dlg.AreaEdit(ZoneA, 2, 0)->text(), QStringLiteral("1,2"));
    dlg.CancelBtn->click();
  });
  QuilmoraForm->Bkaberyou->click();
  EXPECT_EQ(boxes.Pending(), 0u);
  EXPECT_DOUBLE_EQ(ProjectSettings.ManualFloorArea[1][0], 30.0);
}

TEST_F(WallQuantityAndCostTest, CostOfANewWallInThePlanShown) {
  // The plan adds a 1.82 m partition from the middle of the south side inward.
  AddWall(1, 102, 100, 102, 102);
  Repaint();  // the current state's results, which the plan's marks compare with
  QuilmoraForm->Rkaishu1->click();
  Repaint();
  const auto text = [](TShuukeiDlg& dlg, const char* name) {
    QLabel* label = dlg.findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
  };
  dialogs.Expect("ShuukeiDlg", [&](QDialog& d) {
    TShuukeiDlg& dlg = Cost(d);
    EXPECT_TRUE(ProcessUntil([&] { return dlg.TallyCount() > 0; }));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("概算集計（改修案１）"));
    // One core element, one panel pair of the longest class, 1.82 m of foundation:
    //   50000 + 318000 + 1.82 x 30000 = 422600.
    EXPECT_EQ(text(dlg, "Lshinzai11"), QStringLiteral("     1"));
    EXPECT_EQ(text(dlg, "LmenzaiW13"), QStringLiteral("     1"));
    EXPECT_EQ(text(dlg, "LmenzaiW12"), QStringLiteral("     0"));
    EXPECT_EQ(text(dlg, "Lkiso"), QStringLiteral("   1.82"));
    EXPECT_EQ(text(dlg, "Lgkiso"), QStringLiteral("     54600"));
    EXPECT_EQ(text(dlg, "Lgkei"), QStringLiteral("    422600"));
    // Other costs of 77400 make 計 500000; the tax is a tenth.
    const int tallies = dlg.TallyCount();
    dlg.Esonota1->setText(QStringLiteral("77400"));
    dlg.Button1->click();
    EXPECT_TRUE(ProcessUntil([&] { return dlg.TallyCount() > tallies; }));
    EXPECT_EQ(text(dlg, "Lgkei"), QStringLiteral("    500000"));
    EXPECT_EQ(text(dlg, "Lgzei"), QStringLiteral("     50000"));
    EXPECT_EQ(text(dlg, "Lggoukei"), QStringLiteral("    550000"));
    EXPECT_FALSE(dlg.Button3->isEnabled());
    dlg.Button2->click();
    EXPECT_FALSE(dlg.isVisible());
  });
  QuilmoraForm->N3->trigger();
  EXPECT_EQ(dialogs.Pending(), 0u);
}

TEST_F(WallQuantityAndCostTest, CostOnTheCurrentStateAsksForAPlanAndPriceEditsRefuseLetters) {
  Repaint();
  dialogs.Expect("ShuukeiDlg", [&](QDialog& d) {
    TShuukeiDlg& dlg = Cost(d);
    EXPECT_TRUE(ProcessUntil([&] { return dlg.TallyCount() > 0; }));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("概算集計（現況）－－改修案を選択して下さい。"));
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("Lgkei"))->text(), QStringLiteral("         0"));
    QLineEdit* price = dlg.findChild<QLineEdit*>(QStringLiteral("Eshinzai11"));
    ASSERT_NE(price, nullptr);
    EXPECT_EQ(price->text(), QStringLiteral("50000"));
    price->setFocus();
    price->end(false);
    QTest::keyClicks(price, QStringLiteral("x,-"));
    EXPECT_EQ(price->text(), QStringLiteral("50000"));  // letter, comma and sign refused
    QTest::keyClicks(price, QStringLiteral(".5"));
    EXPECT_EQ(price->text(), QStringLiteral("50000.5"));
    dlg.Button2->click();
  });
  QuilmoraForm->N3->trigger();
  EXPECT_EQ(dialogs.Pending(), 0u);
}

}  // namespace
