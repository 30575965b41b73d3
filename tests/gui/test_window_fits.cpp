// The main window as a user sees it: the right-hand panel shows every control
// whole, the variant radios carry their weight-class colours, and a grid far
// larger than any building still leaves a plan with grid lines to scroll.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "editing/GridAxisEditing.h"
#include "editing/SlotCopy.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/Grid.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "tests/gui/GuiFixture.h"

namespace {

class WindowFitsTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
  }

  static void Settle() {
    ProcessUntil([] { return false; }, 150);
  }

  // Every control of the panel that is shown, with its place in the scroll
  // box's visible area.
  static QList<std::pair<QWidget*, QRect>> PanelControls() {
    QScrollArea* box = QuilmoraForm->ScrollBox1;
    QList<std::pair<QWidget*, QRect>> controls;
    for (QWidget* w : QuilmoraForm->Panel1->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(QuilmoraForm->Panel1)) continue;
      controls.append({w, QRect(w->mapTo(box->viewport(), QPoint(0, 0)), w->size())});
    }
    return controls;
  }
};

TEST_F(WindowFitsTest, PanelShowsEveryControlWhole) {
  struct Case {
    QSize window;
    bool scrolls;  // a window too low for the panel scrolls it, never cuts its width
  } const cases[] = {{QSize(1600, 1000), false}, {QSize(1280, 1024), false}, {QSize(1024, 768), true}};
  for (const Case& c : cases) {
    QuilmoraForm->resize(c.window);
    Settle();
    const QRect visible = QuilmoraForm->ScrollBox1->viewport()->rect();
    EXPECT_EQ(QuilmoraForm->ScrollBox1->verticalScrollBar()->isVisible(), c.scrolls) << c.window.height();
    for (const auto& [w, at] : PanelControls()) {
      const QString what =
          w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
      EXPECT_GE(at.left(), visible.left()) << what.toStdString() << " at " << c.window.width();
      EXPECT_LE(at.right(), visible.right()) << what.toStdString() << " at " << c.window.width();
      if (!c.scrolls) {
        EXPECT_LE(at.bottom(), visible.bottom()) << what.toStdString();
      }
      // A caption narrower than its text is cut off.
      if (qobject_cast<QAbstractButton*>(w) ||
          (qobject_cast<QLabel*>(w) && !static_cast<QLabel*>(w)->text().isEmpty())) {
        EXPECT_GE(at.width(), w->sizeHint().width()) << what.toStdString();
      }
    }
  }
  for (const char* name : {"Buwagaki", "Bkabetsuika", "Panel2", "Pkoumen", "G5", "Gkekka"})
    EXPECT_TRUE(QuilmoraForm->Panel1->findChild<QWidget*>(QString::fromLatin1(name))) << name;
}

// The colour is read from the pixels the radio paints, beyond its caption.
TEST_F(WindowFitsTest, VariantRadiosPaintTheirWeightClassColour) {
  QuilmoraForm->resize(1280, 1024);
  for (int v = 0; v < 3; ++v) ProjectSettings.WeightClass[v] = v;
  CopyModelSlot(0, 0, CopyModeCopy, 0);  // any slot operation brings the radios up to date
  Settle();
  QAbstractButton* radios[3] = {QuilmoraForm->Rgenkyou, QuilmoraForm->Rkaishu1, QuilmoraForm->Rkaishu2};
  for (int v = 0; v < 3; ++v) {
    const QImage image = radios[v]->grab().toImage();
    const int32_t colour = WeightClassColour(v);
    const QColor expected(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
    EXPECT_EQ(QColor(image.pixel(image.width() - 3, image.height() / 2)), expected) << v;
  }
  EXPECT_NE(WeightClassColour(0), WeightClassColour(1));
}

// A spacing of 100,000 km: no grid edit makes it any more (it lies beyond
// what a project file holds), but whatever the model holds, the sheet stops
// at what a window holds, and the plan keeps its scroll bars and its grid lines.
TEST_F(WindowFitsTest, HugeAxisSpacingKeepsGridLinesAndScrollBars) {
  QuilmoraForm->resize(1280, 1024);
  EXPECT_FALSE(ChangeGridSpacing(true, 150, 1.0e8));
  EXPECT_FALSE(ChangeGridSpacing(false, 150, 1.0e8));
  for (int i = 150; i < 200; ++i) {
    GridAxisX[i] += 1.0e8;
    GridAxisY[i] += 1.0e8;
  }
  QuilmoraForm->SCALE->setCurrentText(QStringLiteral("30"));
  Settle();
  TPlanScrollBox* plan = QuilmoraForm->Gamen;
  EXPECT_EQ(plan->SheetWidth(), MaxSheetPixels);
  EXPECT_EQ(plan->SheetHeight(), MaxSheetPixels);
  EXPECT_GT(plan->horizontalScrollBar()->maximum(), 0);
  EXPECT_GT(plan->verticalScrollBar()->maximum(), 0);

  // Scrolled to the first axes, both directions of grid lines are drawn.
  plan->SetHorzScrollPosition(0);
  plan->SetVertScrollPosition(0);
  plan->Invalidate();
  Settle();
  const QImage& image = plan->Image();
  int rows = 0, columns = 0;
  for (int y = 0; y < image.height(); ++y) {
    int dark = 0;
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 200;
    rows += dark > image.width() / 4;
  }
  for (int x = 0; x < image.width(); ++x) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) dark += qGray(image.pixel(x, y)) < 200;
    columns += dark > image.height() / 4;
  }
  EXPECT_GT(rows, 2);
  EXPECT_GT(columns, 2);
}

}  // namespace

namespace {

// The forms open at their designed client sizes, with every control inside
// and no caption cut off.
TEST_F(WindowFitsTest, FormsOpenAtTheirSizesWithEveryCaptionWhole) {
  struct Case {
    const char* form;
    QSize size;
  } const cases[] = {{"DhashiraDlg", {477, 100}}, {"hashiraChangeDlg", {470, 119}}, {"DcopyDlg", {409, 220}}};
  for (const Case& c : cases) {
    QWidget* form = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == QLatin1String(c.form)) form = top;
    ASSERT_TRUE(form) << c.form;
    form->show();
    Settle();
    EXPECT_EQ(form->size(), c.size) << c.form;
    for (QWidget* w : form->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(form) || w->objectName().startsWith(QLatin1String("qt_"))) continue;
      const QRect at(w->mapTo(form, QPoint(0, 0)), w->size());
      const std::string what = c.form + std::string(" ") + w->objectName().toStdString();
      EXPECT_TRUE(form->rect().contains(at)) << what;
      const QFontMetrics metrics(w->font());
      if (auto* button = qobject_cast<QPushButton*>(w))
        EXPECT_GE(at.width(), metrics.horizontalAdvance(button->text()) + 6) << what;
      else if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w))
        EXPECT_GE(at.width(), w->sizeHint().width()) << what;
      else if (auto* label = qobject_cast<QLabel*>(w))
        EXPECT_GE(at.width(), metrics.horizontalAdvance(label->text())) << what;
      else if (auto* list = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < list->count(); ++i)
          EXPECT_GE(at.width(), metrics.horizontalAdvance(list->itemText(i)) + 20) << what << " " << i;
      }
    }
    form->hide();
  }
}

}  // namespace
