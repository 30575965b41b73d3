// The foundation and gable wall palettes: shown in their edit modes, their
// radios and combos write the settings of new elements at once, showing them
// puts the controls back in line with the settings; an element entered in
// the mode is drawn on the next paint.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "GuiFixture.h"
#include "editing/FoundationInput.h"
#include "editing/GableWallInput.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/ViewState.h"
#include "platform/Numeric.h"
#include "platform/qt/NumberEdits.h"
#include "presentation/PaletteState.h"

namespace {

class ElementPaletteTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
  }

  // Shows the palette again, as leaving the mode and coming back does.
  static void ShowAgain(QRadioButton* modeRadio) {
    QuilmoraForm->Rtoorishin->click();
    modeRadio->click();
  }

  // The plan pixel h pixels below the middle of the segment from axis (i, j)
  // to axis (i + 2, j), after the next full paint.
  static QColor PixelBelowMiddle(int32_t i, int32_t j, int h) {
    EXPECT_TRUE(ProcessUntil([] { return !QuilmoraForm->Gamen->FullPaintDue(); }));
    const int x = TruncToInt(GridAxisX[i + 1] * PixelsPerMetre) - QuilmoraForm->Gamen->HorzScrollPosition();
    const int y = TruncToInt(GridAxisY[j] * PixelsPerMetre) + h - QuilmoraForm->Gamen->VertScrollPosition();
    return QColor(QuilmoraForm->Gamen->Image().pixel(x, y));
  }
  // An axis near the upper left of the visible plan.
  static int32_t VisibleAxisX() {
    return TruncToInt((QuilmoraForm->Gamen->HorzScrollPosition() + 100) / (GridModule * PixelsPerMetre));
  }
  static int32_t VisibleAxisY() {
    return TruncToInt((QuilmoraForm->Gamen->VertScrollPosition() + 100) / (GridModule * PixelsPerMetre));
  }
};

TEST_F(ElementPaletteTest, TheFoundationPaletteShowsInItsModeAndSetsTheClass) {
  QuilmoraForm->Rkiso->click();
  ASSERT_TRUE(ProcessUntil([] { return DkisoDlg->isVisible(); }));
  EXPECT_EQ(DkisoDlg->windowTitle(), QStringLiteral("基礎の設定"));
  EXPECT_TRUE(DkisoDlg->Rkiso2->isChecked());  // 基礎Ⅱ after start-up
  EXPECT_EQ(FoundationPaletteType, 1);

  const struct {
    QRadioButton* TDkisoDlg::*radio;
    int32_t type;
  } clicks[] = {{&TDkisoDlg::Rkiso3, 2}, {&TDkisoDlg::Rkiso1, 0}, {&TDkisoDlg::Rkiso2, 1}};
  for (const auto& c : clicks) {
    (DkisoDlg->*c.radio)->click();
    EXPECT_EQ(FoundationPaletteType, c.type);
  }

  // Showing the palette checks the radio of the class; a class it does not know shows as 基礎Ⅲ and becomes
  // it.
  const struct {
    int32_t type;
    QRadioButton* TDkisoDlg::*radio;
    int32_t after;
  } shows[] = {{0, &TDkisoDlg::Rkiso1, 0},
               {2, &TDkisoDlg::Rkiso3, 2},
               {1, &TDkisoDlg::Rkiso2, 1},
               {7, &TDkisoDlg::Rkiso3, 2}};
  for (const auto& s : shows) {
    FoundationPaletteType = s.type;
    ShowAgain(QuilmoraForm->Rkiso);
    EXPECT_TRUE((DkisoDlg->*s.radio)->isChecked()) << s.type;
    EXPECT_EQ(FoundationPaletteType, s.after);
  }
  QuilmoraForm->Rdodai->click();
  EXPECT_FALSE(DkisoDlg->isVisible());
  EXPECT_TRUE(DyagiriDlg->isVisible());
}

TEST_F(ElementPaletteTest, TheGablePaletteStartsAtItsStartValuesAndWritesEverySetting) {
  QuilmoraForm->Rdodai->click();
  ASSERT_TRUE(ProcessUntil([] { return DyagiriDlg->isVisible(); }));
  EXPECT_EQ(DyagiriDlg->windowTitle(), QStringLiteral("矢切壁の設定"));
  EXPECT_TRUE(DyagiriDlg->Rkata->isChecked());
  EXPECT_TRUE(DyagiriDlg->Romosa1->isChecked());
  EXPECT_EQ(DyagiriDlg->Comosa->currentText(), QStringLiteral("     0"));
  EXPECT_EQ(DyagiriDlg->Ckoubai->currentText(), QStringLiteral("  0.00"));
  EXPECT_EQ(DyagiriDlg->Ctakasa->currentText(), QStringLiteral("  0.00"));
  EXPECT_EQ(DyagiriDlg->Comosa->itemText(1), QStringLiteral(" 200"));
  EXPECT_EQ(DyagiriDlg->Ckoubai->count(), 9);  // an empty item, then 0.0 .. 1.0

  const struct {
    QRadioButton* TDyagiriDlg::*radio;
    int32_t shape, weightClass;
  } radios[] = {{&TDyagiriDlg::Rryou, 1, 1},   {&TDyagiriDlg::Romosa0, 1, 0}, {&TDyagiriDlg::Rpara, 2, 0},
                {&TDyagiriDlg::Romosa2, 2, 2}, {&TDyagiriDlg::Rkata, 0, 2},   {&TDyagiriDlg::Romosa1, 0, 1}};
  for (const auto& r : radios) {
    (DyagiriDlg->*r.radio)->click();
    EXPECT_EQ(GablePalette.Shape, r.shape);
    EXPECT_EQ(GablePalette.WeightClass, r.weightClass);
  }

  // Typed and chosen texts are read as numbers at once; an empty text is 0.
  QTest::keyClicks(DyagiriDlg->Comosa->lineEdit(), QStringLiteral("5"));  // after "     0"
  EXPECT_DOUBLE_EQ(GablePalette.Weight, 5.0);
  DyagiriDlg->Comosa->lineEdit()->clear();
  QTest::keyClicks(DyagiriDlg->Comosa->lineEdit(), QStringLiteral("875.5"));
  EXPECT_DOUBLE_EQ(GablePalette.Weight, 875.5);  // kept under 軽い all the same
  DyagiriDlg->Ckoubai->setCurrentIndex(6);       // "0.5"
  EXPECT_DOUBLE_EQ(GablePalette.Slope, 0.5);
  DyagiriDlg->Ctakasa->setCurrentIndex(8);  // "1.0"
  EXPECT_DOUBLE_EQ(GablePalette.Height, 1.0);
  DyagiriDlg->Ctakasa->setCurrentIndex(0);
  EXPECT_DOUBLE_EQ(GablePalette.Height, 0.0);
  DyagiriDlg->Ckoubai->lineEdit()->clear();
  QTest::keyClicks(DyagiriDlg->Ckoubai->lineEdit(), QStringLiteral("0.45"));
  EXPECT_DOUBLE_EQ(GablePalette.Slope, 0.45);

  // Showing rewrites the texts without reading them back, so nothing is rounded.
  ShowAgain(QuilmoraForm->Rdodai);
  EXPECT_EQ(DyagiriDlg->Comosa->currentText(), QStringLiteral("   876"));
  EXPECT_EQ(DyagiriDlg->Ckoubai->currentText(), QStringLiteral("  0.45"));
  EXPECT_DOUBLE_EQ(GablePalette.Weight, 875.5);
  EXPECT_EQ(ModifiedFlag, 0);
}

TEST_F(ElementPaletteTest, TheGablePaletteKeepsTheLastAcceptedNumberAndFlagsTheCombo) {
  QuilmoraForm->Rdodai->click();
  ASSERT_TRUE(ProcessUntil([] { return DyagiriDlg->isVisible(); }));
  const struct {
    QComboBox* TDyagiriDlg::*combo;
    double GableWallPaletteState::*value;
    const char* max;  // just inside
    double maxValue;
    const char* outside;
    const char* message;
  } cases[] = {
      {&TDyagiriDlg::Comosa, &GableWallPaletteState::Weight, "9999999", 9999999, "-1",
       "矢切壁の重さ は 0 ～ 9999999 N/㎡ の範囲で入力してください。"},
      {&TDyagiriDlg::Ckoubai, &GableWallPaletteState::Slope, "-999999", -999999, "10000000",
       "勾配 は -999999 ～ 9999999 の範囲で入力してください。"},
      {&TDyagiriDlg::Ctakasa, &GableWallPaletteState::Height, "9999.99", 9999.99, "10000",
       "高さ は 0 ～ 9999.99 m の範囲で入力してください。"},
  };
  for (const auto& c : cases) {
    QComboBox* combo = DyagiriDlg->*c.combo;
    SCOPED_TRACE(combo->objectName().toStdString());
    combo->setEditText(QStringLiteral("１２"));
    EXPECT_EQ(GablePalette.*c.value, 12);
    for (const char* bad : {"abc", "2,5", "1.0m", c.outside}) {
      combo->setEditText(QString::fromUtf8(bad));
      EXPECT_EQ(GablePalette.*c.value, 12) << bad;
      EXPECT_TRUE(IsNumberRefused(combo)) << bad;
      EXPECT_EQ(combo->toolTip().toStdString(), c.message);
    }
    combo->setEditText(QString::fromUtf8(c.max));
    EXPECT_EQ(GablePalette.*c.value, c.maxValue);
    EXPECT_FALSE(IsNumberRefused(combo));
  }
  // Showing the palette again shows the values kept, none flagged.
  DyagiriDlg->Ctakasa->setEditText(QStringLiteral("abc"));
  ShowAgain(QuilmoraForm->Rdodai);
  EXPECT_EQ(DyagiriDlg->Ctakasa->currentText(), QStringLiteral("9999.99"));
  EXPECT_FALSE(IsNumberRefused(DyagiriDlg->Ctakasa));
}

TEST_F(ElementPaletteTest, ShowingTheGablePaletteChecksTheRadiosOfItsSettings) {
  QuilmoraForm->Rdodai->click();
  ASSERT_TRUE(ProcessUntil([] { return DyagiriDlg->isVisible(); }));
  GablePalette.Shape = 1;
  GablePalette.WeightClass = 2;
  ShowAgain(QuilmoraForm->Rdodai);
  EXPECT_TRUE(DyagiriDlg->Rryou->isChecked());
  EXPECT_TRUE(DyagiriDlg->Romosa2->isChecked());
  // A parapet keeps the shape radio the user clicked.
  DyagiriDlg->Rpara->click();
  ShowAgain(QuilmoraForm->Rdodai);
  EXPECT_TRUE(DyagiriDlg->Rpara->isChecked());
  EXPECT_EQ(GablePalette.Shape, 2);
}

TEST_F(ElementPaletteTest, EnteredElementsAreDrawnOnTheNextPaint) {
  const int32_t i = VisibleAxisX();
  const int32_t j = VisibleAxisY();

  QuilmoraForm->Rkiso->click();
  DkisoDlg->Rkiso1->click();
  ASSERT_TRUE(ProcessUntil([] { return !QuilmoraForm->Gamen->FullPaintDue(); }));
  const int paints = QuilmoraForm->Gamen->FullPaintCount();
  ASSERT_EQ(InputFoundation(i, j, i + 2, j), 1);
  EXPECT_TRUE(QuilmoraForm->Gamen->FullPaintDue());
  EXPECT_EQ(PixelBelowMiddle(i, j, 3), QColor(160, 160, 160));
  EXPECT_GT(QuilmoraForm->Gamen->FullPaintCount(), paints);

  QuilmoraForm->Rdodai->click();
  DyagiriDlg->Rryou->click();
  ASSERT_EQ(InputGableWall(i, j + 4, i + 2, j + 4), 1);
  EXPECT_EQ(PixelBelowMiddle(i, j + 4, 2), QColor(192, 160, 160));
  // Foundations are not drawn on top in the gable mode while the other storey's walls are shown.
  EXPECT_NE(PixelBelowMiddle(i, j, 3), QColor(160, 160, 160));
}

}  // namespace
