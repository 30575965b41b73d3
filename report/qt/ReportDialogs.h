#pragma once
// The report's dialogs: the preview (報告書), one tab per page family with
// zoom, paging and wheel scrolling, and the print dialog (印刷), which prints
// the chosen families in one job. Both are created once with the other
// forms; the preview installs itself as the opener of the report menu items.
// The preview runs the page functions on show and on a tab, page, wheel or
// zoom step, never inside a paint event, which only plays the recorded page.
#include <QDialog>
#include <QString>
#include <QWidget>

#include "model/ReportPaging.h"
#include "rendering/CanvasCallList.h"
#include "rendering/qt/QtCanvas.h"
#include "report/ReportFamilies.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;

// The caption of a family: its preview tab's and its print check box's.
QString ReportFamilyCaption(int32_t kind);

// The image of a preview tab: the last page handed to it, kept as the calls
// that drew it and drawn again, stretched to the image's size, at every
// repaint.
class TPageImage : public QWidget {
  Q_OBJECT

 public:
  explicit TPageImage(QWidget* parent);
  // Takes the page's calls; page is given back holding the page before.
  void SetPage(CanvasCallList& page);
  const CanvasCallList& Page() const { return page_; }
  bool HasPage() const { return !page_.Empty(); }
  // Draws the page on painter, whose logical units are those the page was
  // drawn in (PagePictureWidth by PagePictureHeight).
  void DrawPage(QPainter& painter);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CanvasCallList page_;
  // Keeps the texts' widths and outlines from one repaint to the next.
  QtCanvas canvas_;
};

class TOhoukokushoDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TOhoukokushoDlg(QWidget* parent);
  ~TOhoukokushoDlg() override;

  // The report menu's command: the tab of kind, its page, the dialog modally.
  void OpenOn(int kind, int wantedPage);
  // Every image to width x height pixels, every tab scrolled to its top left.
  void ResizePreviewImages(double width, double height);
  // Draws the shown tab's page and updates the paging controls.
  void DrawShownPage();
  // The size at the first opening: wide enough for every family's tab, no
  // larger than the screen's available area (the tabs scroll on a narrower
  // screen). Later openings keep the size the user left.
  void FitToScreen(const QRect& available);

  QTabWidget* PageControl1 = nullptr;
  QScrollArea* Scrolls[ReportPageKindCount] = {};
  TPageImage* Images[ReportPageKindCount] = {};
  QLabel* Label1 = nullptr;
  QComboBox* Cbairitsu = nullptr;
  QPushButton* Bpagewidth = nullptr;
  QPushButton* Bpageall = nullptr;
  QPushButton* Bprinter = nullptr;
  QPushButton* Bprint = nullptr;
  QPushButton* OKBtn = nullptr;
  QLabel* Lpage = nullptr;
  QPushButton* Bprevi = nullptr;
  QPushButton* Bnext = nullptr;

 public slots:
  void FormShow();
  void CbairitsuChange();
  void BpagewidthClick();
  void BpageallClick();
  void BnextClick();
  void BpreviClick();
  void PageControl1Change();
  void FormMouseWheelDown();
  void FormMouseWheelUp();
  void BprinterClick();
  void BprintClick();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The zoom in force: images resized, the combo showing it.
  void ApplyZoom(bool showInCombo);
  void ScrollAllBy(int dy);

  // The vertical scroll position of every tab: a tab not shown has no
  // scroll range of its own yet, so it takes its position when it is shown.
  int scrollTop_[ReportPageKindCount] = {};
  // The dialog's width with every tab shown whole.
  int widthForTabs_ = 0;
  bool fitted_ = false;
};

class TDprintDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TDprintDlg(QWidget* parent);

  QGroupBox* GroupBox2 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QRadioButton* R1 = nullptr;
  QRadioButton* R2 = nullptr;
  QRadioButton* R3 = nullptr;
  // The check boxes by print position.
  QCheckBox* Checks[PrintPositionCount] = {};
  QPushButton* CancelBtn = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* OKBtn = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QPushButton* Bkaberyou = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QPushButton* Bkenshou = nullptr;
  QPushButton* Bprinter = nullptr;

 public slots:
  void FormShow();
  void Button1Click();
  void Button2Click();
  void BprinterClick();
  void OKBtnClick();
  void BkaberyouClick();
  void BkenshouClick();

 protected:
  void showEvent(QShowEvent* event) override;
};
