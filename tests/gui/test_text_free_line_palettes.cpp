// The text and free-line modes through the real plan view: two clicks open
// the text dialog or, with the offset switch on, the offsets dialog; their
// answers become labels and lines; the palettes hold the current text, the
// style, the colour and the switch.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <string>

#include "GuiFixture.h"
#include "editing/FreeLineInput.h"
#include "editing/TextLabelInput.h"
#include "mainwindow/DesktopServices.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ViewState.h"
#include "platform/MessageBox.h"
#include "presentation/PaletteState.h"

namespace {

std::u16string TextOf(const TextLabelRecord& label) { return std::u16string(label.Text); }

class TextFreeLineTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    FreeLineOffsetSwitch = 0;
    FreeLineKeepOffsets = 0;
    for (double& offset : FreeLineOffsets) offset = 0;
    SetTextPaletteText(u"");
    StartProgram();
    gx = QuilmoraForm->Gamen->HorzScrollPosition() / 48 + 3;
    gy = QuilmoraForm->Gamen->VertScrollPosition() / 48 + 3;
  }
  void TearDown() override {
    SetColourDialogHook(nullptr);
    GuiTest::TearDown();
  }

  void EnterMode(QRadioButton* radio, QWidget* palette) {
    radio->click();
    ASSERT_TRUE(ProcessUntil([&] { return palette->isVisible() && !QuilmoraForm->Gamen->FullPaintDue(); }));
  }

  // Releases the left button just beside grid point (i, j).
  static void ClickAt(int i, int j) {
    TPlanScrollBox* gamen = QuilmoraForm->Gamen;
    const int x = static_cast<int>(GridAxisX[i] * PixelsPerMetre) + 5 - gamen->HorzScrollPosition();
    const int y = static_cast<int>(GridAxisY[j] * PixelsPerMetre) - 4 - gamen->VertScrollPosition();
    QTest::mouseClick(gamen->viewport(), Qt::LeftButton, {}, QPoint(x, y));
  }
  void ClickTwo(int i1, int j1, int i2, int j2) {
    ClickAt(i1, j1);
    ClickAt(i2, j2);
  }

  // The text dialog's action: choose text and press OK.
  static ScriptedModalDialogs::Action Choose(const QString& text) {
    return [text](QDialog&) {
      DmojiChangeDlg->name->setEditText(text);
      DmojiChangeDlg->OKBtn->click();
    };
  }

  int gx = 0, gy = 0;
};

TEST_F(TextFreeLineTest, TextLabelIsAddedRemovedAndTakenBackIntoThePalette) {
  EnterMode(QuilmoraForm->Rshitsumei, DmojiDlg);
  dialogs.Expect("DmojiChangeDlg", Choose(QStringLiteral("@便所")));
  ClickTwo(gx, gy, gx + 2, gy + 1);
  ASSERT_EQ(dialogs.Pending(), 0u);
  ASSERT_EQ(TextLabelCount[0][0], 1);
  const TextLabelRecord& label = TextLabels[0][0][0];
  EXPECT_EQ((std::array{label.X1, label.Y1, label.X2, label.Y2}), (std::array{gx, gy, gx + 2, gy + 1}));
  EXPECT_EQ(TextOf(label), u"@便所");
  EXPECT_EQ(DmojiDlg->name->text(), QStringLiteral("@便所"));

  // The same two points, in the other order, remove it and give its text back.
  SetTextPaletteText(u"居間");
  EXPECT_EQ(DmojiDlg->name->text(), QStringLiteral("居間"));
  ClickTwo(gx + 2, gy + 1, gx, gy);
  EXPECT_EQ(TextLabelCount[0][0], 0);
  EXPECT_EQ(DmojiDlg->name->text(), QStringLiteral("@便所"));

  // Clicking them again offers that text; one point twice anchors a label.
  QString offered;
  dialogs.Expect("DmojiChangeDlg", [&](QDialog&) {
    offered = DmojiChangeDlg->name->currentText();
    DmojiChangeDlg->OKBtn->click();
  });
  ClickTwo(gx + 1, gy + 1, gx + 1, gy + 1);
  EXPECT_EQ(offered, QStringLiteral("@便所"));
  ASSERT_EQ(TextLabelCount[0][0], 1);
  EXPECT_EQ(TextLabels[0][0][0].X1, TextLabels[0][0][0].X2);

  // Cancel adds nothing.
  dialogs.Expect("DmojiChangeDlg", ClickButton("CancelBtn"));
  ClickTwo(gx, gy, gx + 3, gy);
  EXPECT_EQ(TextLabelCount[0][0], 1);
}

TEST_F(TextFreeLineTest, NorthMarksAreRefusedTwiceAndAgainstTheOtherStorey) {
  EnterMode(QuilmoraForm->Rshitsumei, DmojiDlg);
  dialogs.Expect("DmojiChangeDlg", Choose(QStringLiteral("*90")));
  ClickTwo(gx, gy, gx, gy);
  ASSERT_EQ(TextLabelCount[0][0], 1);
  dialogs.Expect("DmojiChangeDlg", Choose(QStringLiteral("*90")));
  boxes.Expect("方位入力エラー", IDOK);
  ClickTwo(gx + 2, gy, gx + 2, gy);
  EXPECT_EQ(TextLabelCount[0][0], 1);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].flags, 16);
  EXPECT_EQ(boxes.Calls()[0].text, NorthMarkTwiceMessage);

  // On storey 2, "*0" differs from storey 1's "*90"; "*90" is accepted.
  QuilmoraForm->R2kai->click();
  ASSERT_EQ(CurrentStorey, 1);
  dialogs.Expect("DmojiChangeDlg", Choose(QStringLiteral("*0")));
  boxes.Expect("方位入力エラー", IDOK);
  ClickTwo(gx, gy, gx, gy);
  EXPECT_EQ(TextLabelCount[0][1], 0);
  EXPECT_EQ(boxes.Calls().back().text, NorthMarkOtherStoreyMessage);
  dialogs.Expect("DmojiChangeDlg", Choose(QStringLiteral("*90")));
  ClickTwo(gx, gy, gx, gy);
  EXPECT_EQ(TextLabelCount[0][1], 1);
}

TEST_F(TextFreeLineTest, ClearingTheStoreyAsksAndCanBeUndone) {
  EnterMode(QuilmoraForm->Rshitsumei, DmojiDlg);
  for (int k = 0; k < 2; ++k) {
    dialogs.Expect("DmojiChangeDlg", Choose(QStringLiteral("居間")));
    ClickTwo(gx + k, gy, gx + k, gy + 1);
  }
  ASSERT_EQ(TextLabelCount[0][0], 2);
  boxes.Expect("全て消去の確認", IDNO);
  DmojiDlg->Ballclear->click();
  EXPECT_EQ(TextLabelCount[0][0], 2);
  EXPECT_EQ(boxes.Calls().back().flags, 68);
  boxes.Expect("全て消去の確認", IDYES);
  DmojiDlg->Ballclear->click();
  EXPECT_EQ(TextLabelCount[0][0], 0);
  QuilmoraForm->Bmodoru->click();
  EXPECT_EQ(TextLabelCount[0][0], 2);
}

TEST_F(TextFreeLineTest, TextLengthsStopAtTheirLimits) {
  const QString eighty(80, QChar(u'a'));
  // The dialog's combo keeps at most 40 characters, what the file holds of a label.
  DmojiChangeDlg->name->setEditText(QString());
  DmojiChangeDlg->name->setFocus();
  QTest::keyClicks(DmojiChangeDlg->name->lineEdit(), eighty);
  EXPECT_EQ(DmojiChangeDlg->name->currentText().size(), 40);
  // The palette's edit takes 39 typed characters, but shows a longer text whole.
  DmojiDlg->name->clear();
  QTest::keyClicks(DmojiDlg->name, QString(45, QChar(u'x')));
  EXPECT_EQ(DmojiDlg->name->text().size(), 39);
  EXPECT_EQ(TextPaletteTextView().size(), 39u);
  SetTextPaletteText(std::u16string(60, u'y'));
  EXPECT_EQ(DmojiDlg->name->text().size(), 40);  // what a label keeps
}

TEST_F(TextFreeLineTest, FreeLineTakesStyleAndScriptedColour) {
  EnterMode(QuilmoraForm->Rjiyu, DsenDlg);
  DsenDlg->Cshurui->setCurrentIndex(1);  // 太線
  EXPECT_EQ(FreeLinePaletteStyle, 1);
  int32_t offered = -1;
  SetColourDialogHook([&](int32_t initial) -> std::optional<int32_t> {
    offered = initial;
    return 0x00336699;
  });
  DsenDlg->Bcolor->click();
  EXPECT_EQ(offered, 0);
  EXPECT_EQ(FreeLinePaletteColour, 0x00336699);
  EXPECT_TRUE(DsenDlg->sencolor->styleSheet().contains(QStringLiteral("#996633")));
  // A cancelled colour dialog keeps the colour.
  SetColourDialogHook([](int32_t) -> std::optional<int32_t> { return std::nullopt; });
  DsenDlg->Bcolor->click();
  EXPECT_EQ(FreeLinePaletteColour, 0x00336699);

  ClickTwo(gx, gy, gx + 3, gy);
  ASSERT_EQ(FreeLineCount[0][0], 1);
  EXPECT_EQ(FreeLines[0][0][0].Style, 1);
  EXPECT_EQ(FreeLines[0][0][0].Colour, 0x00336699);
  EXPECT_EQ(FreeLines[0][0][0].OffsetX1, 0.0);
  // The ends again, in the other order, delete it.
  ClickTwo(gx + 3, gy, gx, gy);
  EXPECT_EQ(FreeLineCount[0][0], 0);
}

TEST_F(TextFreeLineTest, OffsetsDialogStoresTheOffsetsAndAsksBeyondOneMetre) {
  EnterMode(QuilmoraForm->Rjiyu, DsenDlg);
  DsenDlg->Csenoff->click();
  EXPECT_EQ(FreeLineOffsetSwitch, 1);
  const auto enter = [](const char* x1, const char* y1, const char* x2, const char* y2, const char* button) {
    return [=](QDialog&) {
      DsenoffDlg->Cox1->setEditText(QString::fromLatin1(x1));
      DsenoffDlg->Coy1->setEditText(QString::fromLatin1(y1));
      DsenoffDlg->Cox2->setEditText(QString::fromLatin1(x2));
      DsenoffDlg->Coy2->setEditText(QString::fromLatin1(y2));
      QTest::mouseClick(DsenoffDlg->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    };
  };
  // Cancelled: nothing added.
  dialogs.Expect("DsenoffDlg", enter("0.455", "0", "-0.455", "0", "CancelBtn"));
  ClickTwo(gx, gy, gx + 3, gy);
  EXPECT_EQ(FreeLineCount[0][0], 0);

  dialogs.Expect("DsenoffDlg", enter("0.455", "0.303", "-0.455", "0", "OKBtn"));
  ClickTwo(gx, gy, gx + 3, gy);
  ASSERT_EQ(FreeLineCount[0][0], 1);
  const FreeLineRecord& line = FreeLines[0][0][0];
  EXPECT_DOUBLE_EQ(line.OffsetX1, 0.455);
  EXPECT_DOUBLE_EQ(line.OffsetY1, -0.303);  // stored growing downward
  EXPECT_DOUBLE_EQ(line.OffsetX2, -0.455);
  EXPECT_DOUBLE_EQ(line.OffsetY2, 0.0);

  // 1.5 asks; いいえ adds nothing.
  dialogs.Expect("DsenoffDlg", enter("1.5", "0", "0", "0", "OKBtn"));
  boxes.Expect("オフセット入力問い合わせ", IDNO);
  ClickTwo(gx, gy + 2, gx + 3, gy + 2);
  EXPECT_EQ(FreeLineCount[0][0], 1);
  EXPECT_EQ(boxes.Calls().back().flags, 36);
}

TEST_F(TextFreeLineTest, OffsetsThatAreNoNumberWithinTheFieldKeepTheDialogOpen) {
  EnterMode(QuilmoraForm->Rjiyu, DsenDlg);
  DsenDlg->Csenoff->click();
  const struct {
    QComboBox* TDsenoffDlg::*combo;
    const char* caption;
    double FreeLineRecord::*offset;
    double stored;  // of 0.303 typed: Y grows downward
  } combos[] = {{&TDsenoffDlg::Cox1, "１点目のＸ座標オフセット", &FreeLineRecord::OffsetX1, 0.303},
                {&TDsenoffDlg::Coy1, "１点目のＹ座標オフセット", &FreeLineRecord::OffsetY1, -0.303},
                {&TDsenoffDlg::Cox2, "２点目のＸ座標オフセット", &FreeLineRecord::OffsetX2, 0.303},
                {&TDsenoffDlg::Coy2, "２点目のＹ座標オフセット", &FreeLineRecord::OffsetY2, -0.303}};
  int row = 0;
  for (const auto& c : combos) {
    SCOPED_TRACE(c.caption);
    const std::string message = std::string(c.caption) + " は -10000 ～ 10000 m の範囲で入力してください。";
    for (const char* bad : {"abc", "2,5", "10000.001"}) {
      boxes.Expect("自由線　位置の調整", IDOK);
      dialogs.Expect("DsenoffDlg", [&](QDialog& dialog) {
        QComboBox* combo = DsenoffDlg->*c.combo;
        combo->setEditText(QString::fromUtf8(bad));
        DsenoffDlg->OKBtn->click();
        EXPECT_TRUE(dialog.isVisible()) << bad;
        ASSERT_FALSE(boxes.Calls().empty());
        EXPECT_EQ(boxes.Calls().back().text, message);
        combo->setEditText(QStringLiteral("０．３０３"));
        DsenoffDlg->OKBtn->click();
        EXPECT_FALSE(dialog.isVisible());
      });
      const int count = FreeLineCount[0][0];
      ClickTwo(gx + row % 4, gy + row / 4, gx + row % 4 + 4, gy + row / 4);  // other ends each time
      ++row;
      EXPECT_EQ(dialogs.Pending(), 0u);
      EXPECT_EQ(boxes.Pending(), 0u);
      ASSERT_EQ(FreeLineCount[0][0], count + 1);
      EXPECT_DOUBLE_EQ(FreeLines[0][0][count].*c.offset, c.stored);
    }
  }
}

TEST_F(TextFreeLineTest, KeepOffsetsBoxDecidesWhatTheNextDialogShows) {
  EnterMode(QuilmoraForm->Rjiyu, DsenDlg);
  DsenDlg->Csenoff->click();
  struct Seen {
    QString x1, y1, x2, y2;
  };
  const auto look = [](Seen& seen, bool keep, const char* x1, const char* y1) {
    return [&seen, keep, x1, y1](QDialog&) {
      seen = {DsenoffDlg->Cox1->currentText(), DsenoffDlg->Coy1->currentText(),
              DsenoffDlg->Cox2->currentText(), DsenoffDlg->Coy2->currentText()};
      if (DsenoffDlg->Coffflag->isChecked() != keep) DsenoffDlg->Coffflag->click();
      if (x1) DsenoffDlg->Cox1->setEditText(QString::fromLatin1(x1));
      if (y1) DsenoffDlg->Coy1->setEditText(QString::fromLatin1(y1));
      DsenoffDlg->OKBtn->click();
    };
  };
  Seen first, second, third;
  dialogs.Expect("DsenoffDlg", look(first, true, "0.156", "-0.303"));
  ClickTwo(gx, gy, gx + 1, gy);
  EXPECT_EQ(FreeLineKeepOffsets, 1);
  EXPECT_EQ(first.x1, QStringLiteral("  0.000"));
  EXPECT_EQ(first.y1, QStringLiteral("  0.000"));
  dialogs.Expect("DsenoffDlg", look(second, false, nullptr, nullptr));
  ClickTwo(gx, gy + 1, gx + 1, gy + 1);
  EXPECT_EQ(second.x1, QStringLiteral("  0.156"));
  EXPECT_EQ(second.y1, QStringLiteral(" -0.303"));
  EXPECT_EQ(FreeLines[0][0][1].OffsetY1, 0.303);
  dialogs.Expect("DsenoffDlg", look(third, false, nullptr, nullptr));
  ClickTwo(gx, gy + 2, gx + 1, gy + 2);
  EXPECT_EQ(third.x1, QStringLiteral("  0.000"));
  EXPECT_EQ(third.y1, QStringLiteral("  0.000"));
  EXPECT_EQ(FreeLineCount[0][0], 3);
}

TEST(ColourValues, ConvertBetweenStoredAndScreenOrder) {
  EXPECT_EQ(RgbOfColourValue(0x00336699), 0xFF996633u);
  EXPECT_EQ(ColourValueOfRgb(0xFF996633u), 0x00336699);
  EXPECT_EQ(RgbOfColourValue(0x000000FF), 0xFFFF0000u);  // red
}

}  // namespace

namespace {

TEST_F(TextFreeLineTest, AnOffsetLineIsDrawnShiftedAlongItsAxis) {
  EnterMode(QuilmoraForm->Rjiyu, DsenDlg);
  DsenDlg->Cshurui->setCurrentIndex(1);  // 太線
  FreeLinePaletteColour = 0x0000FF;      // red
  DsenDlg->Csenoff->click();
  dialogs.Expect("DsenoffDlg", [](QDialog&) {
    DsenoffDlg->Cox1->setEditText(QStringLiteral("0.455"));
    DsenoffDlg->Cox2->setEditText(QStringLiteral("-0.455"));
    DsenoffDlg->OKBtn->click();
  });
  ClickTwo(gx, gy, gx + 4, gy);
  ASSERT_EQ(FreeLineCount[0][0], 1);
  ASSERT_TRUE(ProcessUntil([] { return !QuilmoraForm->Gamen->FullPaintDue(); }));
  TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  const auto red = [&](double metres) {
    const int x = static_cast<int>(metres * PixelsPerMetre) - gamen->HorzScrollPosition();
    const int y = static_cast<int>(GridAxisY[gy] * PixelsPerMetre) - gamen->VertScrollPosition();
    return QColor(gamen->Image().pixel(x, y)) == QColor(255, 0, 0);
  };
  const double from = GridAxisX[gx], to = GridAxisX[gx + 4];
  EXPECT_FALSE(red(from + 0.2));  // before the shifted start
  EXPECT_TRUE(red(from + 0.6));
  EXPECT_TRUE(red(to - 0.6));
  EXPECT_FALSE(red(to - 0.2));  // after the shifted end
}

}  // namespace
